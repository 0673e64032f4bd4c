// TGraphic's file handling, change notification and pixels; the resource folder.
#include "graphics/Graphic.h"

#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "rtl/Streams.h"

#include <QDir>
#include <QImage>

void TGraphic::SetTransparent(bool Value)
{
    if (Value == FTransparent) return;
    FTransparent = Value;
    Changed();
}

void TGraphic::LoadFromFile(const QString& FileName)
{
    TFileStream stream(FileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(&stream);
}

void TGraphic::SaveToFile(const QString& FileName)
{
    TMemoryStream stream;
    SaveToStream(&stream);
    stream.SaveToFile(FileName);
}

void TGraphic::SetModified(bool Value)
{
    if (Value) Changed();
    else FModified = false;
}

QImage TGraphic::ToImage()
{
    if (Empty()) return QImage();
    QImage image(Width(), Height(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        TCanvas canvas;
        canvas.BindImage(&image);
        Draw(&canvas, Rect(0, 0, Width(), Height()));
    }
    return image;
}

void TGraphic::AssignTo(TPersistent* Dest)
{
    if (auto* bitmap = dynamic_cast<TBitmap*>(Dest)) {
        bitmap->AssignImage(ToImage());
        return;
    }
    TPersistent::AssignTo(Dest);
}

void TGraphic::Changed()
{
    FModified = true;
    if (OnChange) OnChange(this);
}

namespace {
QString& ResourceFolderSetting()
{
    static QString folder;
    return folder;
}
}  // namespace

QString ResourceFolder()
{
    const QString& folder = ResourceFolderSetting();
    return folder.isEmpty() ? QStringLiteral(":/resources") : folder;
}

void SetResourceFolder(const QString& Folder)
{
    ResourceFolderSetting() = Folder;
}

QString FindResourceFile(const QString& ResName, const QString& Extension)
{
    const QFileInfoList files = QDir(ResourceFolder()).entryInfoList(QDir::Files, QDir::Name);
    for (const QFileInfo& file : files) {
        if (file.completeBaseName().compare(ResName, Qt::CaseInsensitive) != 0) continue;
        if (Extension.isEmpty() || file.suffix().compare(Extension, Qt::CaseInsensitive) == 0)
            return file.filePath();
    }
    return QString();
}
