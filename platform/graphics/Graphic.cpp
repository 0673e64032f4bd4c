// TGraphic's file handling, change notification and pixels; the resource folder.
#include "graphics/Graphic.h"

#include "graphics/Canvas.h"
#include "graphics/private/Surfaces.h"
#include "rtl/Streams.h"

#include <QDir>
#include <QHash>
#include <QImage>
#include <QList>

#include <utility>

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

void TGraphic::GetPixels(TGraphicPixels& Pixels)
{
    if (Empty()) return;
    Pixels.Image = QImage(Width(), Height(), QImage::Format_ARGB32_Premultiplied);
    Pixels.Image.fill(Qt::transparent);
    TCanvas canvas;
    BindImage(canvas, &Pixels.Image);
    Draw(&canvas, Rect(0, 0, Width(), Height()));
    BindImage(canvas, nullptr);
}

QImage TSurfaces::ImageOf(TGraphic& Graphic)
{
    TGraphicPixels pixels;
    Graphic.GetPixels(pixels);
    return std::move(pixels.Image);
}

void TGraphic::AssignTo(TPersistent* Dest)
{
    auto* picture = dynamic_cast<TGraphic*>(Dest);
    if (picture && picture->AssignPixels(this)) return;
    TPersistent::AssignTo(Dest);
}

bool TGraphic::AssignPixels(TGraphic*)
{
    return false;
}

void TGraphic::Changed()
{
    FModified = true;
    if (OnChange) OnChange(this);
}

namespace {

// The names of the resource folder's files, read once per folder: a window's button pictures
// are looked up by name again and again at start-up.
struct TResourceIndex {
    QString Folder;  // the folder the index was read from; empty before the first lookup
    // By name without extension (case-folded): each file's extension and path, in name order.
    QHash<QString, QList<std::pair<QString, QString>>> Files;
};

struct TResourceState {
    QString Folder;  // set by SetResourceFolder; empty for the compiled-in resources
    TResourceIndex Index;
};

TResourceState& Resources()
{
    static TResourceState state;
    return state;
}

const TResourceIndex& ResourceIndex()
{
    TResourceIndex& index = Resources().Index;
    const QString folder = ResourceFolder();
    if (index.Folder == folder) return index;
    index = TResourceIndex{folder, {}};
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files, QDir::Name)) {
        // As QFileInfo has them: the base name ends at the last dot, the extension follows it.
        const qsizetype dot = name.lastIndexOf(u'.');
        const QString base = dot < 0 ? name : name.left(dot);
        const QString extension = dot < 0 ? QString() : name.mid(dot + 1);
        index.Files[base.toCaseFolded()].append({extension, dir.filePath(name)});
    }
    return index;
}

}  // namespace

QString ResourceFolder()
{
    const QString& folder = Resources().Folder;
    return folder.isEmpty() ? QStringLiteral(":/resources") : folder;
}

void SetResourceFolder(const QString& Folder)
{
    Resources().Folder = Folder;
    // Read again at the next lookup, even when the same folder is set again.
    Resources().Index = TResourceIndex();
}

QString FindResourceFile(const QString& ResName, const QString& Extension)
{
    const TResourceIndex& index = ResourceIndex();
    const auto found = index.Files.constFind(ResName.toCaseFolded());
    if (found == index.Files.cend()) return QString();
    for (const auto& [extension, path] : *found) {
        if (Extension.isEmpty() || extension.compare(Extension, Qt::CaseInsensitive) == 0) return path;
    }
    return QString();
}
