// TCustomImageList: cutting bitmaps into images, masks, and the normal and disabled drawing.
#include "graphics/ImageList.h"

#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "graphics/private/Surfaces.h"
#include "rtl/Exceptions.h"

#include <QImage>

#include <algorithm>

namespace {

QRgb ToRgb(TColor Color)
{
    const auto rgb = static_cast<COLORREF>(ColorToRGB(Color));
    return qRgb(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

bool SameRgb(QRgb A, QRgb B)
{
    return ((A ^ B) & 0xFFFFFF) == 0;
}

// The image's opaque pixels that are not white, all in Color.
std::unique_ptr<TBitmap> Silhouette(const QImage& Image, TColor Color)
{
    const QRgb color = ToRgb(Color);
    QImage shape(Image.size(), QImage::Format_ARGB32);
    for (int32_t y = 0; y < Image.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(Image.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(shape.scanLine(y));
        for (int32_t x = 0; x < Image.width(); ++x)
            out[x] = qAlpha(in[x]) >= 128 && !SameRgb(in[x], qRgb(255, 255, 255)) ? color : 0;
    }
    auto bitmap = std::make_unique<TBitmap>();
    AssignImage(*bitmap, shape);
    return bitmap;
}

}  // namespace

TCustomImageList::TCustomImageList(TComponent* AOwner) : TComponent(AOwner) {}

TCustomImageList::~TCustomImageList() = default;

void TCustomImageList::Assign(TPersistent* Source)
{
    auto* source = dynamic_cast<TCustomImageList*>(Source);
    if (!source) {
        TComponent::Assign(Source);
        return;
    }
    if (source == this) return;
    FWidth = source->FWidth;
    FHeight = source->FHeight;
    FImages.clear();
    for (const auto& image : source->FImages) {
        FImages.push_back(std::make_unique<TBitmap>());
        FImages.back()->Assign(image.get());
    }
    Change();
}

void TCustomImageList::SetSize(int32_t AWidth, int32_t AHeight)
{
    AWidth = std::max(AWidth, 1);
    AHeight = std::max(AHeight, 1);
    if (AWidth == FWidth && AHeight == FHeight) return;
    FWidth = AWidth;
    FHeight = AHeight;
    FImages.clear();
    Change();
}

template <typename F>
std::vector<std::unique_ptr<TBitmap>> TCustomImageList::Split(TBitmap* Image, const F& Transparent) const
{
    const QImage source = ImageOf(*Image).convertToFormat(QImage::Format_ARGB32);
    const int32_t count = std::max(1, source.width() / FWidth);
    const int32_t rows = std::min(FHeight, source.height());
    std::vector<std::unique_ptr<TBitmap>> images;
    for (int32_t i = 0; i < count; ++i) {
        QImage tile(FWidth, FHeight, QImage::Format_ARGB32);
        tile.fill(Qt::transparent);
        const int32_t left = i * FWidth;
        const int32_t columns = std::min(FWidth, source.width() - left);
        for (int32_t y = 0; y < rows; ++y) {
            const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
            auto* out = reinterpret_cast<QRgb*>(tile.scanLine(y));
            for (int32_t x = 0; x < columns; ++x)
                out[x] = Transparent(left + x, y, in[left + x]) ? 0 : in[left + x];
        }
        images.push_back(std::make_unique<TBitmap>());
        AssignImage(*images.back(), tile);
    }
    return images;
}

std::vector<std::unique_ptr<TBitmap>> TCustomImageList::SplitMasked(TBitmap* Image, TBitmap* Mask) const
{
    const QImage mask = Mask ? ImageOf(*Mask) : QImage();
    return Split(Image, [&mask](int32_t X, int32_t Y, QRgb) {
        return X < mask.width() && Y < mask.height() && SameRgb(mask.pixel(X, Y), qRgb(255, 255, 255));
    });
}

std::vector<std::unique_ptr<TBitmap>> TCustomImageList::SplitKeyed(TBitmap* Image, TColor MaskColor) const
{
    if (MaskColor == clDefault) MaskColor = Image->TransparentColor();
    const bool keyed = MaskColor != clNone;
    const QRgb key = ToRgb(MaskColor);
    return Split(Image, [keyed, key](int32_t, int32_t, QRgb Pixel) { return keyed && SameRgb(Pixel, key); });
}

int32_t TCustomImageList::Append(std::vector<std::unique_ptr<TBitmap>> Images)
{
    const int32_t first = Count();
    for (auto& image : Images) FImages.push_back(std::move(image));
    Change();
    return first;
}

int32_t TCustomImageList::Add(TBitmap* Image, TBitmap* Mask)
{
    return Image ? Append(SplitMasked(Image, Mask)) : -1;
}

int32_t TCustomImageList::AddMasked(TBitmap* Image, TColor MaskColor)
{
    return Image ? Append(SplitKeyed(Image, MaskColor)) : -1;
}

void TCustomImageList::CheckIndex(int32_t Index) const
{
    if (Index < 0 || Index >= Count()) throw EInvalidOperation(QStringLiteral("Invalid ImageList Index"));
}

void TCustomImageList::Replace(int32_t Index, TBitmap* Image, TBitmap* Mask)
{
    CheckIndex(Index);
    if (!Image) return;
    FImages[size_t(Index)] = std::move(SplitMasked(Image, Mask).front());
    Change();
}

void TCustomImageList::ReplaceMasked(int32_t Index, TBitmap* NewImage, TColor MaskColor)
{
    CheckIndex(Index);
    if (!NewImage) return;
    FImages[size_t(Index)] = std::move(SplitKeyed(NewImage, MaskColor).front());
    Change();
}

void TCustomImageList::Delete(int32_t Index)
{
    CheckIndex(Index);
    FImages.erase(FImages.begin() + Index);
    Change();
}

void TCustomImageList::Clear()
{
    FImages.clear();
    Change();
}

bool TCustomImageList::GetBitmap(int32_t Index, TBitmap* Image)
{
    if (!Image) return false;
    Image->SetHeight(FHeight);
    Image->SetWidth(FWidth);
    if (Index < 0 || Index >= Count()) return false;
    Draw(Image->Canvas(), 0, 0, Index);
    return true;
}

void TCustomImageList::Draw(TCanvas* Canvas, int32_t X, int32_t Y, int32_t Index, bool Enabled)
{
    if (Index < 0 || Index >= Count()) return;
    TBitmap* image = FImages[size_t(Index)].get();
    if (Enabled) {
        Canvas->Draw(X, Y, image);
        return;
    }
    const QImage pixels = ImageOf(*image);
    Canvas->Brush()->SetColor(clBtnHighlight);
    Canvas->Draw(X + 1, Y + 1, Silhouette(pixels, clBtnHighlight).get());
    Canvas->Brush()->SetColor(clBtnShadow);
    Canvas->Draw(X, Y, Silhouette(pixels, clBtnShadow).get());
}

void TCustomImageList::Change()
{
    if (OnChange) OnChange(this);
}
