// TPngImage and TGIFImage through QImageReader and QImageWriter.
#include "graphics/QtImages.h"

#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "graphics/private/Surfaces.h"
#include "rtl/Streams.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>

#include <algorithm>
#include <typeinfo>

TQtImage::TQtImage(const char* Format, const char* Kind) : FFormat(Format), FKind(Kind) {}

TQtImage::~TQtImage() = default;

void TQtImage::Assign(TPersistent* Source)
{
    if (!Source) {
        FData.clear();
        FImage.reset();
        Changed();
    } else if (typeid(*Source) == typeid(*this)) {
        auto* source = static_cast<TQtImage*>(Source);
        if (source == this) return;
        FData = source->FData;
        FImage = source->FImage ? std::make_unique<QImage>(*source->FImage) : nullptr;
        Changed();
    } else {
        TGraphic::Assign(Source);
    }
}

void TQtImage::Draw(TCanvas* ACanvas, const TRect& Rect)
{
    if (!FImage) return;
    if (QPainter* painter = PainterOf(*ACanvas))
        painter->drawImage(QRect(Rect.Left, Rect.Top, Rect.Width(), Rect.Height()), *FImage);
}

int32_t TQtImage::Width() const
{
    return FImage ? FImage->width() : 0;
}

int32_t TQtImage::Height() const
{
    return FImage ? FImage->height() : 0;
}

void TQtImage::SetWidth(int32_t Value)
{
    Resize(Value, Height());
}

void TQtImage::SetHeight(int32_t Value)
{
    Resize(Width(), Value);
}

void TQtImage::Resize(int32_t AWidth, int32_t AHeight)
{
    if (AWidth == Width() && AHeight == Height()) return;
    QImage resized(std::max(AWidth, 0), std::max(AHeight, 0), QImage::Format_ARGB32_Premultiplied);
    resized.fill(Qt::transparent);
    if (FImage && !resized.isNull()) {
        QPainter painter(&resized);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(0, 0, *FImage);
    }
    TSurfaces::SetImage(*this, resized);
}

bool TQtImage::Empty() const
{
    return !FImage;
}

bool TQtImage::Transparent() const
{
    return FImage && FImage->hasAlphaChannel();
}

void TQtImage::LoadFromStream(TStream* Stream)
{
    const int64_t size = Stream->Size() - Stream->Position();
    const QByteArray data = size > 0 && size <= INT32_MAX ? Stream->ReadBytes(int32_t(size)) : QByteArray();
    QBuffer buffer;
    buffer.setData(data);
    QImageReader reader(&buffer, FFormat);
    const QImage image = reader.read();
    if (image.isNull()) throw EInvalidGraphic(QStringLiteral("%1 image is not valid").arg(QLatin1String(FKind)));
    FImage = std::make_unique<QImage>(
        image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32));
    FData = data;
    Changed();
}

void TQtImage::SaveToStream(TStream* Stream)
{
    if (FData.isEmpty() && FImage) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, FFormat);
        if (!writer.write(*FImage))
            throw EInvalidGraphicOperation(QStringLiteral("Cannot write a %1 image").arg(QLatin1String(FKind)));
        FData = buffer.data();
    }
    Stream->WriteBytes(FData);
}

void TQtImage::GetPixels(TGraphicPixels& Pixels)
{
    if (FImage) Pixels.Image = *FImage;
}

void TSurfaces::SetImage(TQtImage& Picture, const QImage& Image)
{
    Picture.FImage = Image.isNull() ? nullptr : std::make_unique<QImage>(Image);
    Picture.FData.clear();
    Picture.Changed();
}

TPngImage::TPngImage() : TQtImage("png", "PNG") {}

void TPngImage::Assign(TPersistent* Source)
{
    if (auto* bitmap = dynamic_cast<TBitmap*>(Source)) TSurfaces::SetImage(*this, ImageOf(*bitmap));
    else TQtImage::Assign(Source);
}

TGIFImage::TGIFImage() : TQtImage("gif", "GIF") {}
