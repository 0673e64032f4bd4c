// TJPEGImage over libjpeg (API 6b): memory source and destination, error handling, decode, encode.
#include "graphics/Jpeg.h"

#include "graphics/Bitmap.h"
#include "graphics/private/Surfaces.h"
#include "rtl/Streams.h"

#include <QImage>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <vector>

// clang-format off
#include <jpeglib.h>
#include <jerror.h>
// clang-format on

namespace {

// Larger pictures are refused rather than allocated.
constexpr int64_t MaxPixels = int64_t(1) << 26;

// libjpeg reports a fatal error through error_exit, which must not return. Throwing a C++
// exception through libjpeg's C frames is not safe (they may lack unwind tables), so error_exit
// longjmps back to Guarded, the one place that calls setjmp. The frames it jumps over are
// libjpeg's and the lambdas passed to Guarded, which hold only trivially destructible locals.
struct TJpegError {
    jpeg_error_mgr Manager;  // first: libjpeg sees a jpeg_error_mgr*
    std::jmp_buf Jump;
};

void ErrorExit(j_common_ptr Info)
{
    std::longjmp(reinterpret_cast<TJpegError*>(Info->err)->Jump, 1);
}

// Warnings (damaged data that libjpeg works around) are not shown.
void OutputMessage(j_common_ptr) {}

template <typename F>
bool Guarded(TJpegError& Error, const F& Step)
{
    if (setjmp(Error.Jump)) return false;
    Step();
    return true;
}

// The whole JPEG is in memory; past its end libjpeg reads an end-of-image marker.
const JOCTET EndOfImage[2] = {0xFF, JPEG_EOI};

void InitSource(j_decompress_ptr) {}

boolean FillInputBuffer(j_decompress_ptr Info)
{
    WARNMS(Info, JWRN_JPEG_EOF);
    Info->src->next_input_byte = EndOfImage;
    Info->src->bytes_in_buffer = sizeof(EndOfImage);
    return TRUE;
}

void SkipInputData(j_decompress_ptr Info, long Count)
{
    if (Count <= 0) return;
    if (size_t(Count) > Info->src->bytes_in_buffer) {
        FillInputBuffer(Info);
        return;
    }
    Info->src->next_input_byte += Count;
    Info->src->bytes_in_buffer -= size_t(Count);
}

void TermSource(j_decompress_ptr) {}

// A compressed picture grows in a malloc'ed buffer, doubled whenever it is full.
struct TMemoryDestination {
    jpeg_destination_mgr Manager;  // first: libjpeg sees a jpeg_destination_mgr*
    JOCTET* Buffer = nullptr;
    size_t Capacity = 0;

    size_t Used() const { return Capacity - Manager.free_in_buffer; }
};

void InitDestination(j_compress_ptr Info)
{
    auto* dest = reinterpret_cast<TMemoryDestination*>(Info->dest);
    dest->Capacity = 64 * 1024;
    dest->Buffer = static_cast<JOCTET*>(std::malloc(dest->Capacity));
    if (!dest->Buffer) ERREXIT1(Info, JERR_OUT_OF_MEMORY, 0);
    dest->Manager.next_output_byte = dest->Buffer;
    dest->Manager.free_in_buffer = dest->Capacity;
}

boolean EmptyOutputBuffer(j_compress_ptr Info)
{
    auto* dest = reinterpret_cast<TMemoryDestination*>(Info->dest);
    auto* grown = static_cast<JOCTET*>(std::realloc(dest->Buffer, dest->Capacity * 2));
    if (!grown) ERREXIT1(Info, JERR_OUT_OF_MEMORY, 0);
    dest->Buffer = grown;
    dest->Manager.next_output_byte = grown + dest->Capacity;
    dest->Manager.free_in_buffer = dest->Capacity;
    dest->Capacity *= 2;
    return TRUE;
}

void TermDestination(j_compress_ptr) {}

jpeg_error_mgr* ErrorManager(TJpegError& Error)
{
    jpeg_std_error(&Error.Manager);
    Error.Manager.error_exit = ErrorExit;
    Error.Manager.output_message = OutputMessage;
    return &Error.Manager;
}

[[noreturn]] void RaiseJpegError(const TJpegError& Error)
{
    throw EJPEG(QStringLiteral("JPEG error #%1").arg(Error.Manager.msg_code));
}

// A decompressor reading Data, which must outlive it.
class TDecompressor {
public:
    explicit TDecompressor(const QByteArray& Data)
    {
        Info.err = ErrorManager(Error);
        if (!Guarded(Error, [this] { jpeg_create_decompress(&Info); })) RaiseJpegError(Error);
        Source.init_source = InitSource;
        Source.fill_input_buffer = FillInputBuffer;
        Source.skip_input_data = SkipInputData;
        Source.resync_to_restart = jpeg_resync_to_restart;
        Source.term_source = TermSource;
        Source.next_input_byte = reinterpret_cast<const JOCTET*>(Data.constData());
        Source.bytes_in_buffer = size_t(Data.size());
        Info.src = &Source;
    }
    ~TDecompressor() { jpeg_destroy_decompress(&Info); }
    TDecompressor(const TDecompressor&) = delete;
    TDecompressor& operator=(const TDecompressor&) = delete;

    // Runs Step; a libjpeg error raises EJPEG.
    template <typename F>
    void Run(const F& Step)
    {
        if (!Guarded(Error, Step)) RaiseJpegError(Error);
    }

    jpeg_decompress_struct Info{};
    TJpegError Error{};
    jpeg_source_mgr Source{};
};

class TCompressor {
public:
    TCompressor()
    {
        Info.err = ErrorManager(Error);
        if (!Guarded(Error, [this] { jpeg_create_compress(&Info); })) RaiseJpegError(Error);
        Destination.Manager.init_destination = InitDestination;
        Destination.Manager.empty_output_buffer = EmptyOutputBuffer;
        Destination.Manager.term_destination = TermDestination;
        Info.dest = &Destination.Manager;
    }
    ~TCompressor()
    {
        jpeg_destroy_compress(&Info);
        std::free(Destination.Buffer);
    }
    TCompressor(const TCompressor&) = delete;
    TCompressor& operator=(const TCompressor&) = delete;

    template <typename F>
    void Run(const F& Step)
    {
        if (!Guarded(Error, Step)) RaiseJpegError(Error);
    }

    jpeg_compress_struct Info{};
    TJpegError Error{};
    TMemoryDestination Destination{};
};

struct TJpegHeader {
    int32_t Width = 0;
    int32_t Height = 0;
};

TJpegHeader ReadHeader(const QByteArray& Data)
{
    TDecompressor jpeg(Data);
    jpeg_decompress_struct* info = &jpeg.Info;
    jpeg.Run([info] { jpeg_read_header(info, TRUE); });
    return {int32_t(info->image_width), int32_t(info->image_height)};
}

struct TDecodeSettings {
    bool Grayscale = false;
    TJPEGPerformance Performance = jpBestQuality;
    unsigned ScaleDenominator = 1;
    bool Smoothing = true;
};

// CMYK as Adobe writes it (inverted) or plain, to RGB.
void CmykToRgb(const JSAMPLE* Cmyk, bool Inverted, int& R, int& G, int& B)
{
    const int c = Inverted ? Cmyk[0] : 255 - Cmyk[0];
    const int m = Inverted ? Cmyk[1] : 255 - Cmyk[1];
    const int y = Inverted ? Cmyk[2] : 255 - Cmyk[2];
    const int k = Inverted ? Cmyk[3] : 255 - Cmyk[3];
    R = c * k / 255;
    G = m * k / 255;
    B = y * k / 255;
}

// Decodes into an 8-bit grey image (with a grey colour table) or a B, G, R image.
QImage Decode(const QByteArray& Data, const TDecodeSettings& Settings)
{
    TDecompressor jpeg(Data);
    jpeg_decompress_struct* info = &jpeg.Info;
    bool gray = false;
    jpeg.Run([info, &Settings, &gray] {
        jpeg_read_header(info, TRUE);
        const J_COLOR_SPACE source = info->jpeg_color_space;
        gray = Settings.Grayscale || source == JCS_GRAYSCALE;
        if (source == JCS_CMYK || source == JCS_YCCK) info->out_color_space = JCS_CMYK;
        else if (gray && (source == JCS_GRAYSCALE || source == JCS_YCbCr)) info->out_color_space = JCS_GRAYSCALE;
        else info->out_color_space = JCS_RGB;
        info->scale_num = 1;
        info->scale_denom = Settings.ScaleDenominator;
        info->dct_method = Settings.Performance == jpBestSpeed ? JDCT_IFAST : JDCT_ISLOW;
        info->do_block_smoothing = Settings.Smoothing ? TRUE : FALSE;
        jpeg_calc_output_dimensions(info);
    });
    const int32_t width = int32_t(info->output_width);
    const int32_t height = int32_t(info->output_height);
    if (int64_t(width) * height > MaxPixels) throw EJPEG(QStringLiteral("JPEG error #%1").arg(JERR_IMAGE_TOO_BIG));
    QImage image(width, height, gray ? QImage::Format_Indexed8 : QImage::Format_BGR888);
    if (image.isNull()) throw EOutOfMemory(QStringLiteral("Out of memory"));
    if (gray) {
        QList<QRgb> levels;
        for (int i = 0; i < 256; ++i) levels.append(qRgb(i, i, i));
        image.setColorTable(levels);
    }
    std::vector<JSAMPLE> buffer(size_t(width) * 4);
    JSAMPLE* row = buffer.data();
    uchar* pixels = image.bits();
    const qsizetype stride = image.bytesPerLine();
    const bool inverted = info->saw_Adobe_marker;
    jpeg.Run([=] {
        jpeg_start_decompress(info);
        const int components = info->out_color_components;
        while (info->output_scanline < info->output_height) {
            uchar* out = pixels + stride * qsizetype(info->output_scanline);
            JSAMPROW rows[1] = {row};
            jpeg_read_scanlines(info, rows, 1);
            for (int32_t x = 0; x < width; ++x) {
                const JSAMPLE* in = row + x * components;
                int r = in[0], g = in[0], b = in[0];
                if (components == 3) {
                    g = in[1];
                    b = in[2];
                } else if (components == 4) {
                    CmykToRgb(in, inverted, r, g, b);
                }
                if (gray) {
                    out[x] = uchar((r * 299 + g * 587 + b * 114) / 1000);
                } else {
                    out[3 * x] = uchar(b);
                    out[3 * x + 1] = uchar(g);
                    out[3 * x + 2] = uchar(r);
                }
            }
        }
        jpeg_finish_decompress(info);
    });
    return image;
}

// Compresses a picture as JFIF.
QByteArray Encode(const QImage& Picture, int Quality, bool Grayscale, bool Progressive)
{
    const QImage rgb = Picture.convertToFormat(QImage::Format_RGB888);
    TCompressor jpeg;
    jpeg_compress_struct* info = &jpeg.Info;
    jpeg.Run([info, &rgb, Quality, Grayscale, Progressive] {
        info->image_width = JDIMENSION(rgb.width());
        info->image_height = JDIMENSION(rgb.height());
        info->input_components = 3;
        info->in_color_space = JCS_RGB;
        jpeg_set_defaults(info);
        if (Grayscale) jpeg_set_colorspace(info, JCS_GRAYSCALE);
        jpeg_set_quality(info, Quality, TRUE);
        if (Progressive) jpeg_simple_progression(info);
        jpeg_start_compress(info, TRUE);
        while (info->next_scanline < info->image_height) {
            // libjpeg reads the row without changing it.
            JSAMPROW rows[1] = {const_cast<JSAMPLE*>(rgb.constScanLine(int(info->next_scanline)))};
            jpeg_write_scanlines(info, rows, 1);
        }
        jpeg_finish_compress(info);
    });
    return QByteArray(reinterpret_cast<const char*>(jpeg.Destination.Buffer), qsizetype(jpeg.Destination.Used()));
}

}  // namespace

TJPEGImage::TJPEGImage() = default;
TJPEGImage::~TJPEGImage() = default;

void TJPEGImage::Assign(TPersistent* Source)
{
    if (auto* jpeg = dynamic_cast<TJPEGImage*>(Source)) {
        if (jpeg == this) return;
        FData = jpeg->FData;
        FBitmap.reset();
        if (jpeg->FBitmap) {
            FBitmap = std::make_unique<TBitmap>();
            FBitmap->Assign(jpeg->FBitmap.get());
        }
        FImageWidth = jpeg->FImageWidth;
        FImageHeight = jpeg->FImageHeight;
        FCompressionQuality = jpeg->FCompressionQuality;
        FGrayscale = jpeg->FGrayscale;
        FPerformance = jpeg->FPerformance;
        FScale = jpeg->FScale;
        FProgressiveEncoding = jpeg->FProgressiveEncoding;
        FProgressiveDisplay = jpeg->FProgressiveDisplay;
        FSmoothing = jpeg->FSmoothing;
        Changed();
    } else if (auto* bitmap = dynamic_cast<TBitmap*>(Source)) {
        FData.clear();
        FBitmap = std::make_unique<TBitmap>();
        FBitmap->Assign(bitmap);
        FImageWidth = bitmap->Width();
        FImageHeight = bitmap->Height();
        Changed();
    } else {
        TGraphic::Assign(Source);
    }
}

void TJPEGImage::AssignTo(TPersistent* Dest)
{
    if (auto* bitmap = dynamic_cast<TBitmap*>(Dest)) {
        DIBNeeded();
        bitmap->Assign(FBitmap.get());
        return;
    }
    TGraphic::AssignTo(Dest);
}

void TJPEGImage::Draw(TCanvas* ACanvas, const TRect& Rect)
{
    if (Empty()) return;
    DIBNeeded();
    FBitmap->Draw(ACanvas, Rect);
}

int32_t TJPEGImage::Width() const
{
    if (FBitmap) return FBitmap->Width();
    const int32_t denominator = 1 << FScale;
    return (FImageWidth + denominator - 1) / denominator;
}

int32_t TJPEGImage::Height() const
{
    if (FBitmap) return FBitmap->Height();
    const int32_t denominator = 1 << FScale;
    return (FImageHeight + denominator - 1) / denominator;
}

void TJPEGImage::SetWidth(int32_t)
{
    throw EInvalidGraphicOperation(QStringLiteral("Cannot change the size of a JPEG image"));
}

void TJPEGImage::SetHeight(int32_t Value)
{
    SetWidth(Value);
}

bool TJPEGImage::Empty() const
{
    return FData.isEmpty() && (!FBitmap || FBitmap->Empty());
}

void TJPEGImage::ReadStream(TStream* Stream, int64_t Size)
{
    if (Size > INT32_MAX) throw EJPEG(QStringLiteral("JPEG error #%1").arg(JERR_IMAGE_TOO_BIG));
    const QByteArray data = Size > 0 ? Stream->ReadBytes(int32_t(Size)) : QByteArray();
    const TJpegHeader header = data.isEmpty() ? TJpegHeader() : ReadHeader(data);
    FData = data;
    FBitmap.reset();
    FImageWidth = header.Width;
    FImageHeight = header.Height;
    Changed();
}

void TJPEGImage::LoadFromStream(TStream* Stream)
{
    ReadStream(Stream, Stream->Size() - Stream->Position());
}

void TJPEGImage::SaveToStream(TStream* Stream)
{
    JPEGNeeded();
    Stream->WriteBytes(FData);
}

void TJPEGImage::ReadData(TStream* Stream)
{
    ReadStream(Stream, Stream->ReadInt32());
}

void TJPEGImage::WriteData(TStream* Stream)
{
    JPEGNeeded();
    Stream->WriteInt32(int32_t(FData.size()));
    Stream->WriteBytes(FData);
}

void TJPEGImage::SetCompressionQuality(int32_t Value)
{
    FCompressionQuality = std::clamp(Value, 1, 100);
}

template <typename T>
void TJPEGImage::SetDecoding(T& Field, T Value)
{
    if (Field == Value) return;
    JPEGNeeded();
    Field = Value;
    if (!FData.isEmpty()) FBitmap.reset();
    Changed();
}

void TJPEGImage::SetGrayscale(bool Value)
{
    SetDecoding(FGrayscale, Value);
}

void TJPEGImage::SetPerformance(TJPEGPerformance Value)
{
    SetDecoding(FPerformance, Value);
}

void TJPEGImage::SetScale(TJPEGScale Value)
{
    SetDecoding(FScale, Value);
}

void TJPEGImage::SetSmoothing(bool Value)
{
    SetDecoding(FSmoothing, Value);
}

void TJPEGImage::DIBNeeded()
{
    if (FBitmap || FData.isEmpty()) return;
    const TDecodeSettings settings{FGrayscale, FPerformance, 1u << FScale, FSmoothing};
    auto bitmap = std::make_unique<TBitmap>();
    AssignImage(*bitmap, Decode(FData, settings));
    FBitmap = std::move(bitmap);
}

void TJPEGImage::JPEGNeeded()
{
    if (FData.isEmpty() && FBitmap && !FBitmap->Empty()) Compress();
}

void TJPEGImage::Compress()
{
    DIBNeeded();
    if (!FBitmap || FBitmap->Empty()) return;
    FData = Encode(ImageOf(*FBitmap), FCompressionQuality, FGrayscale, FProgressiveEncoding);
    FImageWidth = FBitmap->Width();
    FImageHeight = FBitmap->Height();
}

void TJPEGImage::GetPixels(TGraphicPixels& Pixels)
{
    if (Empty()) return;
    DIBNeeded();
    Pixels.Image = ImageOf(*FBitmap);
}
