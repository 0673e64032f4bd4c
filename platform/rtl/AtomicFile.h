// Whole-file writes that never leave a half-written file behind.
#pragma once

#include <QByteArray>
#include <QString>

// Writes Data as the whole content of FileName: first to a temporary file beside it, then renamed
// over it. A target whose read-only attribute (owner write permission) is set is refused, as on
// the toolkit's platform. Raises EFCreateError "Cannot create file "<name>". <reason>" on failure;
// the previous file then stays as it was.
void WriteFileAtomic(const QString& FileName, const QByteArray& Data);
