// Whole-file writes through a temporary file and a rename.
#include "AtomicFile.h"

#include "Exceptions.h"

#include <QFileInfo>
#include <QSaveFile>

namespace {
[[noreturn]] void CreateError(const QString& FileName, const QString& Reason)
{
    throw EFCreateError(QStringLiteral("Cannot create file \"%1\". %2").arg(FileName, Reason));
}
}  // namespace

void WriteFileAtomic(const QString& FileName, const QByteArray& Data)
{
    const QFileInfo info(FileName);
    if (info.exists() && !info.isDir() && !(info.permissions() & QFileDevice::WriteOwner))
        CreateError(FileName, QStringLiteral("Access is denied"));

    QSaveFile file(FileName);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly)) CreateError(FileName, file.errorString());
    if (file.write(Data) != Data.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        CreateError(FileName, reason);
    }
    if (!file.commit()) CreateError(FileName, file.errorString());
}
