// A temporary folder for one test, removed with everything in it when the test ends.
#pragma once

#include <QString>
#include <QTemporaryDir>

class TempFolder {
public:
    TempFolder();
    // Full path of the folder, without a trailing separator.
    QString Path() const;
    // Full path of a file or folder inside it.
    QString File(const QString& name) const;
    // Writes raw bytes to a file inside the folder and returns its full path.
    QString Write(const QString& name, const QByteArray& bytes) const;
    // Reads a file inside the folder whole.
    QByteArray Read(const QString& name) const;

private:
    QTemporaryDir dir_;
};
