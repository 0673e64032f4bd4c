// The scratch folder of a fuzz target: the input written there as a file, and files read back.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

// The path of Name in the target's scratch folder, made once per run.
inline QString ScratchFile(const QString& Name)
{
    static const QTemporaryDir Folder;
    return Folder.filePath(Name);
}

// Writes the input whole to the scratch file Name, replacing it, and returns its path.
inline QString WriteInputFile(const QString& Name, const uint8_t* Data, size_t Size)
{
    const QString Path = ScratchFile(Name);
    QFile File(Path);
    if (!File.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
    File.write(reinterpret_cast<const char*>(Data), qsizetype(Size));
    return Path;
}

// The bytes of the file at Path; the run stops when it cannot be read.
inline QByteArray ReadWholeFile(const QString& Path)
{
    QFile File(Path);
    if (!File.open(QIODevice::ReadOnly)) std::abort();
    return File.readAll();
}
