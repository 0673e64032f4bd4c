// TFilePicture: size taken when the name is set, the file read again at every draw.
#include "grid/base/FilePicture.h"

#include "graphics/Canvas.h"
#include "graphics/Picture.h"
#include "rtl/Exceptions.h"

#include <QFileInfo>

namespace {

// Only a regular file is opened: a device or a pipe could block or never end.
bool IsOtherThanFile(const QString& Name)
{
    const QFileInfo Info(Name);
    return Info.exists() && !Info.isFile();
}

}  // namespace

void TFilePicture::Assign(TPersistent* Source)
{
    auto* From = dynamic_cast<TFilePicture*>(Source);
    if (!From) {
        TPersistent::Assign(Source);
        return;
    }
    FFilename = From->FFilename;
    FWidth = From->FWidth;
    FHeight = From->FHeight;
}

void TFilePicture::SetFilename(const QString& Value)
{
    FFilename = Value;
    FWidth = 0;
    FHeight = 0;
    if (IsOtherThanFile(Value))
        throw EFOpenError(QStringLiteral("Cannot open file \"%1\". Access is denied").arg(Value));
    TPicture Picture;
    Picture.LoadFromFile(Value);
    FWidth = Picture.Width();
    FHeight = Picture.Height();
}

void TFilePicture::DrawPicture(TCanvas* Canvas, const TRect& R)
{
    if (FFilename.isEmpty() || IsOtherThanFile(FFilename)) return;
    TPicture Picture;
    try {
        Picture.LoadFromFile(FFilename);
    } catch (const Exception&) {
        // A file removed or replaced since the name was set must not break the grid's painting.
        return;
    }
    Canvas->StretchDraw(R, Picture.Graphic());
}
