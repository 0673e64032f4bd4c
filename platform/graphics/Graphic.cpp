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
    TCanvas Canvas;
    BindImage(Canvas, &Pixels.Image);
    Draw(&Canvas, Rect(0, 0, Width(), Height()));
    BindImage(Canvas, nullptr);
}

QImage TSurfaces::ImageOf(TGraphic& Graphic)
{
    TGraphicPixels Pixels;
    Graphic.GetPixels(Pixels);
    return std::move(Pixels.Image);
}

void TGraphic::AssignTo(TPersistent* Dest)
{
    auto* Picture = dynamic_cast<TGraphic*>(Dest);
    if (Picture && Picture->AssignPixels(this)) return;
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

// The names of the resource folder's files, read once per folder: a window's button pictures are
// looked up by name again and again at start-up.
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
    static TResourceState State;
    return State;
}

const TResourceIndex& ResourceIndex()
{
    TResourceIndex& Index = Resources().Index;
    const QString Current = ResourceFolder();
    if (Index.Folder == Current) return Index;
    Index = TResourceIndex{Current, {}};
    const QDir Dir(Current);
    for (const QString& Name : Dir.entryList(QDir::Files, QDir::Name)) {
        // As QFileInfo has them: the base name ends at the last dot, the extension follows it.
        const qsizetype Dot = Name.lastIndexOf(u'.');
        const QString Base = Dot < 0 ? Name : Name.left(Dot);
        const QString Suffix = Dot < 0 ? QString() : Name.mid(Dot + 1);
        Index.Files[Base.toCaseFolded()].append({Suffix, Dir.filePath(Name)});
    }
    return Index;
}

}  // namespace

QString ResourceFolder()
{
    const QString& Folder = Resources().Folder;
    return Folder.isEmpty() ? QStringLiteral(":/resources") : Folder;
}

void SetResourceFolder(const QString& Folder)
{
    Resources().Folder = Folder;
    // Read again at the next lookup, even when the same folder is set again.
    Resources().Index = TResourceIndex();
}

QString FindResourceFile(const QString& ResName, const QString& Extension)
{
    const TResourceIndex& Index = ResourceIndex();
    const auto Found = Index.Files.constFind(ResName.toCaseFolded());
    if (Found == Index.Files.cend()) return QString();
    for (const auto& [Suffix, Path] : *Found) {
        if (Extension.isEmpty() || Suffix.compare(Extension, Qt::CaseInsensitive) == 0) return Path;
    }
    return QString();
}
