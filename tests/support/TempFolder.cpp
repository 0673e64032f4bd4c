// A temporary folder for one test.
#include "TempFolder.h"

#include <QDir>
#include <QFile>

TempFolder::TempFolder() : dir_(QDir::tempPath() + QStringLiteral("/kt20418-test-XXXXXX")) {}

QString TempFolder::Path() const { return dir_.path(); }

QString TempFolder::File(const QString& name) const { return dir_.path() + QLatin1Char('/') + name; }

QString TempFolder::Write(const QString& name, const QByteArray& bytes) const
{
    const QString path = File(name);
    QFile f(path);
    if (f.open(QIODevice::WriteOnly)) f.write(bytes);
    return path;
}

QByteArray TempFolder::Read(const QString& name) const
{
    QFile f(File(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
