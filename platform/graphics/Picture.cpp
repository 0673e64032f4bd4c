// TPicture: the graphic classes by extension, stream signature and class name.
#include "graphics/Picture.h"

#include "graphics/Bitmap.h"
#include "graphics/Icon.h"
#include "graphics/Jpeg.h"
#include "graphics/QtImages.h"
#include "rtl/Streams.h"

#include <QFileInfo>

#include <typeinfo>

namespace {

using TGraphicFactory = std::unique_ptr<TGraphic> (*)();

template <typename T>
std::unique_ptr<TGraphic> Make()
{
    return std::make_unique<T>();
}

struct TGraphicKind {
    const char* ClassName;
    TGraphicFactory Create;
};

constexpr TGraphicKind GraphicKinds[] = {
    {"TBitmap", Make<TBitmap>},       {"TIcon", Make<TIcon>},         {"TJPEGImage", Make<TJPEGImage>},
    {"TPngImage", Make<TPngImage>},   {"TGIFImage", Make<TGIFImage>},
};

struct TExtension {
    const char* Extension;
    TGraphicFactory Create;
};

constexpr TExtension Extensions[] = {
    {"bmp", Make<TBitmap>},     {"ico", Make<TIcon>},      {"jpg", Make<TJPEGImage>}, {"jpeg", Make<TJPEGImage>},
    {"jpe", Make<TJPEGImage>},  {"jfif", Make<TJPEGImage>}, {"png", Make<TPngImage>}, {"gif", Make<TGIFImage>},
};

struct TSignature {
    QByteArrayView Bytes;
    TGraphicFactory Create;
};

const TSignature Signatures[] = {
    {"BM", Make<TBitmap>},
    {"\xFF\xD8\xFF", Make<TJPEGImage>},
    {"\x89PNG\r\n\x1A\n", Make<TPngImage>},
    {"GIF8", Make<TGIFImage>},
    {QByteArrayView("\0\0\1\0", 4), Make<TIcon>},
};

}  // namespace

TPicture::TPicture() = default;
TPicture::~TPicture() = default;

void TPicture::Assign(TPersistent* Source)
{
    if (!Source) SetGraphic(nullptr);
    else if (auto* picture = dynamic_cast<TPicture*>(Source)) SetGraphic(picture->Graphic());
    else if (auto* graphic = dynamic_cast<TGraphic*>(Source)) SetGraphic(graphic);
    else TPersistent::Assign(Source);
}

void TPicture::AssignTo(TPersistent* Dest)
{
    const TGraphic* Graphic = FGraphic.get();
    if (Graphic && typeid(*Graphic) == typeid(*Dest)) Dest->Assign(FGraphic.get());
    else TPersistent::AssignTo(Dest);
}

void TPicture::Changed(TObject*)
{
    if (OnChange) OnChange(this);
}

void TPicture::Hold(std::unique_ptr<TGraphic> Graphic)
{
    if (Graphic) Graphic->OnChange = [this](TObject* Sender) { Changed(Sender); };
    FGraphic = std::move(Graphic);
    Changed(this);
}

void TPicture::SetGraphic(TGraphic* Value)
{
    std::unique_ptr<TGraphic> copy;
    if (Value) {
        copy = Value->CreateNew();
        copy->Assign(Value);
    }
    Hold(std::move(copy));
}

template <typename T>
T* TPicture::ForceType()
{
    if (!dynamic_cast<T*>(FGraphic.get())) Hold(std::make_unique<T>());
    return static_cast<T*>(FGraphic.get());
}

TBitmap* TPicture::Bitmap()
{
    return ForceType<TBitmap>();
}

void TPicture::SetBitmap(TBitmap* Value)
{
    SetGraphic(Value);
}

TIcon* TPicture::Icon()
{
    return ForceType<TIcon>();
}

void TPicture::SetIcon(TIcon* Value)
{
    SetGraphic(Value);
}

int32_t TPicture::Width() const
{
    return FGraphic ? FGraphic->Width() : 0;
}

int32_t TPicture::Height() const
{
    return FGraphic ? FGraphic->Height() : 0;
}

void TPicture::LoadFromFile(const QString& FileName)
{
    const QString extension = QFileInfo(FileName).suffix();
    for (const TExtension& known : Extensions) {
        if (extension.compare(QLatin1String(known.Extension), Qt::CaseInsensitive) != 0) continue;
        std::unique_ptr<TGraphic> graphic = known.Create();
        graphic->LoadFromFile(FileName);
        Hold(std::move(graphic));
        return;
    }
    throw EInvalidGraphic(QStringLiteral("Unknown picture file extension (.%1)").arg(extension));
}

void TPicture::SaveToFile(const QString& FileName)
{
    if (FGraphic) FGraphic->SaveToFile(FileName);
}

void TPicture::LoadFromStream(TStream* Stream)
{
    const int64_t start = Stream->Position();
    char head[8] = {};
    const int32_t count = Stream->Read(head, sizeof(head));
    Stream->SetPosition(start);
    const QByteArrayView bytes(head, count);
    for (const TSignature& signature : Signatures) {
        if (!bytes.startsWith(signature.Bytes)) continue;
        std::unique_ptr<TGraphic> graphic = signature.Create();
        graphic->LoadFromStream(Stream);
        Hold(std::move(graphic));
        return;
    }
    throw EInvalidGraphic(QStringLiteral("Unsupported stream format"));
}

void TPicture::SaveToStream(TStream* Stream)
{
    if (FGraphic) FGraphic->SaveToStream(Stream);
}

void TPicture::ReadData(TStream* Stream)
{
    const uint8_t length = Stream->ReadByte();
    const QString className = QString::fromLatin1(Stream->ReadBytes(length));
    std::unique_ptr<TGraphic> graphic;
    for (const TGraphicKind& kind : GraphicKinds) {
        if (className != QLatin1String(kind.ClassName)) continue;
        graphic = kind.Create();
        graphic->ReadData(Stream);
        break;
    }
    Hold(std::move(graphic));
}

void TPicture::WriteData(TStream* Stream)
{
    const QByteArray className = FGraphic ? FGraphic->ClassName().toLatin1() : QByteArray();
    Stream->WriteByte(uint8_t(className.size()));
    Stream->WriteBytes(className);
    if (FGraphic) FGraphic->WriteData(Stream);
}
