// Alpha mask premultiplication, the rounded-rectangle mask and the edge-band Gaussian blur.
#include "grid/base/GridAlphaMask.h"

#include "graphics/Canvas.h"
#include "rtl/Exceptions.h"
#include "rtl/NumConv.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <vector>

namespace {

// Rows and columns farther than this from every edge copy row or column 15.
constexpr int32_t EdgeBand = 20;
constexpr int32_t SampleLine = 15;
constexpr int32_t MaxTap = 10;

// The taps -K..K of the Gaussian kernel, normalised, with the negligible tails trimmed.
struct TKernel {
    std::array<double, 2 * MaxTap + 1> Weights{};
    int32_t K = MaxTap;
    double operator()(int32_t Tap) const { return Weights[static_cast<size_t>(Tap + MaxTap)]; }
};

TKernel MakeKernel(double Radius)
{
    TKernel Kernel;
    const auto Normalise = [&Kernel](int32_t K) {
        double Sum = 0;
        for (int32_t Tap = -K; Tap <= K; ++Tap) Sum += Kernel(Tap);
        for (int32_t Tap = -K; Tap <= K; ++Tap) Kernel.Weights[static_cast<size_t>(Tap + MaxTap)] /= Sum;
    };
    for (int32_t Tap = -MaxTap; Tap <= MaxTap; ++Tap) {
        const double Scaled = Tap / Radius;
        Kernel.Weights[static_cast<size_t>(Tap + MaxTap)] = std::exp(-Scaled * Scaled / 2);
    }
    Normalise(MaxTap);
    double Trimmed = 0;
    while (Trimmed < 1.0 / 510 && Kernel.K > 1) {
        Trimmed += 2 * Kernel(Kernel.K);
        --Kernel.K;
    }
    for (int32_t Tap = -MaxTap; Tap <= MaxTap; ++Tap)
        if (std::abs(Tap) > Kernel.K) Kernel.Weights[static_cast<size_t>(Tap + MaxTap)] = 0;
    Normalise(Kernel.K);
    return Kernel;
}

// The normalised weights sum to 1 only up to rounding: a tolerance keeps a sum that is a whole
// number (a uniform line) from truncating to one level less.
uint8_t ToByte(double Sum)
{
    const double Value = Sum + 1e-9;
    if (Value < 0) return 0;
    if (Value >= 255) return 255;
    return static_cast<uint8_t>(Value);
}

// Blurs a line of Count pixels of 3 bytes each, reached through Pixel(i), in place.
template <typename F>
void BlurLine(const TKernel& Kernel, int32_t Count, F&& Pixel)
{
    std::vector<uint8_t> Source(static_cast<size_t>(Count) * 3);
    for (int32_t I = 0; I < Count; ++I) std::memcpy(&Source[static_cast<size_t>(I) * 3], Pixel(I), 3);
    for (int32_t I = 0; I < Count; ++I) {
        double Sums[3] = {0, 0, 0};
        for (int32_t Tap = -Kernel.K; Tap <= Kernel.K; ++Tap) {
            const auto From = static_cast<size_t>(std::clamp(I - Tap, 0, Count - 1)) * 3;
            for (size_t Channel = 0; Channel < 3; ++Channel) Sums[Channel] += Kernel(Tap) * Source[From + Channel];
        }
        uint8_t* Target = Pixel(I);
        for (size_t Channel = 0; Channel < 3; ++Channel) Target[Channel] = ToByte(Sums[Channel]);
    }
}

bool IsInterior(int32_t Index, int32_t Count)
{
    return Index > EdgeBand && Index < Count - EdgeBand;
}

uint8_t Premultiplied(uint8_t Channel, uint8_t Alpha)
{
    return static_cast<uint8_t>(RoundHalfEven(static_cast<long double>(Channel) * Alpha / 255));
}

}  // namespace

// ---- TGridAlphaMask ----

TGridAlphaMask::TGridAlphaMask()
{
    SetPixelFormat(pf32bit);
}

void TGridAlphaMask::Assign(TPersistent* Source)
{
    if (auto* Other = dynamic_cast<TGridAlphaMask*>(Source)) {
        if (Other == this) return;
        SetPixelFormat(pf32bit);
        SetSize(Other->Width(), Other->Height());
        FOpacity = Other->FOpacity;
        const auto RowBytes = static_cast<size_t>(Width()) * 4;
        for (int32_t Row = 0; Row < Height(); ++Row) std::memcpy(ScanLine(Row), Other->ScanLine(Row), RowBytes);
    } else {
        TBitmap::Assign(Source);
    }
    SetPixelFormat(pf32bit);
}

void TGridAlphaMask::MergeMask(TBitmap* Mask, TBitmap* Bitmap, TColor)
{
    if (!Mask || !Bitmap || Bitmap->PixelFormat() != pf24bit || Mask->PixelFormat() != pf24bit) return;
    if (Mask->Width() != Bitmap->Width() || Mask->Height() != Bitmap->Height()) return;
    SetPixelFormat(pf32bit);
    SetSize(Bitmap->Width(), Bitmap->Height());
    for (int32_t Row = 0; Row < Height(); ++Row) {
        const uint8_t* Colors = Bitmap->ScanLine(Row);
        const uint8_t* Alphas = Mask->ScanLine(Row);
        uint8_t* Target = ScanLine(Row);
        for (int32_t X = 0; X < Width(); ++X) {
            const uint8_t Alpha = Alphas[X * 3 + 2];
            for (int32_t Channel = 0; Channel < 3; ++Channel) Target[X * 4 + Channel] = Premultiplied(Colors[X * 3 + Channel], Alpha);
            Target[X * 4 + 3] = Alpha;
        }
    }
}

// ---- Masks and blur ----

void MakeRoundRectMask(TBitmap* Bitmap, int32_t W, int32_t H, int32_t PenWidth, int32_t Corner, double Radius)
{
    Bitmap->SetPixelFormat(pf24bit);
    Bitmap->SetSize(W, H);
    TCanvas* Canvas = Bitmap->Canvas();
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(clBlack);
    Canvas->FillRect(Rect(0, 0, W, H));
    const int32_t Inset = PenWidth / 2 + 2;
    Canvas->Pen()->SetStyle(psSolid);
    Canvas->Pen()->SetColor(clWhite);
    Canvas->Pen()->SetWidth(std::max(PenWidth, 1));
    Canvas->Brush()->SetColor(PenWidth < 1 ? clWhite : clBlack);
    Canvas->RoundRect(Inset, Inset, W - Inset, H - Inset, Corner, Corner);
    if (Radius > 0) GaussianBlur(Bitmap, Radius);
}

void GaussianBlur(TBitmap* Bitmap, double Radius)
{
    if (Bitmap->HandleType() != bmDIB || Bitmap->PixelFormat() != pf24bit)
        throw Exception(QStringLiteral("Blur only works for 24-bit bitmaps"));
    // The kernel divides by the radius.
    if (!(Radius > 0)) return;
    const TKernel Kernel = MakeKernel(Radius);
    const int32_t W = Bitmap->Width();
    const int32_t H = Bitmap->Height();
    if (W <= 0 || H <= 0) return;
    for (int32_t Y = 0; Y < H; ++Y) {
        if (IsInterior(Y, H)) {
            std::memcpy(Bitmap->ScanLine(Y), Bitmap->ScanLine(SampleLine), static_cast<size_t>(W) * 3);
            continue;
        }
        uint8_t* Row = Bitmap->ScanLine(Y);
        BlurLine(Kernel, W, [Row](int32_t X) { return Row + static_cast<size_t>(X) * 3; });
    }
    for (int32_t X = 0; X < W; ++X) {
        if (IsInterior(X, W)) {
            for (int32_t Y = 0; Y < H; ++Y) std::memcpy(Bitmap->ScanLine(Y) + X * 3, Bitmap->ScanLine(Y) + SampleLine * 3, 3);
            continue;
        }
        BlurLine(Kernel, H, [Bitmap, X](int32_t Y) { return Bitmap->ScanLine(Y) + static_cast<size_t>(X) * 3; });
    }
}
