// TJPEGImage: JPEG pictures through libjpeg, decoded into a bitmap and compressed from one.
#pragma once

#include "graphics/Graphic.h"

#include <QByteArray>

#include <cstdint>
#include <memory>

class TBitmap;

// A libjpeg failure: "JPEG error #<libjpeg message code>".
KT_DECLARE_EXCEPTION(EJPEG, EInvalidGraphic);

enum TJPEGPerformance { jpBestQuality, jpBestSpeed };
enum TJPEGScale { jsFullSize, jsHalf, jsQuarter, jsEighth };

// Holds the JPEG data as loaded (saved back unchanged) and the bitmap decoded from it on demand,
// or a bitmap assigned to it, compressed when the data is needed. A colour picture decodes into a
// pf24bit bitmap, a grayscale one into pf8bit with 256 grey levels.
class TJPEGImage : public TGraphic {
public:
    TJPEGImage();
    ~TJPEGImage() override;
    std::unique_ptr<TGraphic> CreateNew() const override { return std::make_unique<TJPEGImage>(); }

    // Takes another JPEG (data, bitmap and settings) or a bitmap (compressed when needed).
    void Assign(TPersistent* Source) override;
    void Draw(TCanvas* ACanvas, const TRect& Rect) override;

    // The size of the decoded picture, which Scale reduces.
    int32_t Width() const override;
    int32_t Height() const override;
    // EInvalidGraphicOperation "Cannot change the size of a JPEG image".
    void SetWidth(int32_t Value) override;
    void SetHeight(int32_t Value) override;
    bool Empty() const override;

    // Reads JPEG data from the stream's position to its end and checks its header; EJPEG when
    // it is not a JPEG picture. Damage after the header shows when the picture is decoded.
    void LoadFromStream(TStream* Stream) override;
    void SaveToStream(TStream* Stream) override;
    // A 4-byte byte count, then the JPEG data.
    void ReadData(TStream* Stream) override;
    void WriteData(TStream* Stream) override;

    // 1 to 100; used when a bitmap is compressed.
    int32_t CompressionQuality() const { return FCompressionQuality; }
    void SetCompressionQuality(int32_t Value);
    // Decodes into grey levels and compresses into a one-component JPEG.
    bool Grayscale() const { return FGrayscale; }
    void SetGrayscale(bool Value);
    // jpBestSpeed decodes with the fast integer DCT, jpBestQuality with the accurate one.
    TJPEGPerformance Performance() const { return FPerformance; }
    void SetPerformance(TJPEGPerformance Value);
    // Decodes at 1/1, 1/2, 1/4 or 1/8 of the size.
    TJPEGScale Scale() const { return FScale; }
    void SetScale(TJPEGScale Value);
    // Compresses a progressive JPEG.
    bool ProgressiveEncoding() const { return FProgressiveEncoding; }
    void SetProgressiveEncoding(bool Value) { FProgressiveEncoding = Value; }
    // Kept for the toolkit's callers; pictures are always shown whole.
    bool ProgressiveDisplay() const { return FProgressiveDisplay; }
    void SetProgressiveDisplay(bool Value) { FProgressiveDisplay = Value; }
    // Block smoothing while decoding a progressive JPEG.
    bool Smoothing() const { return FSmoothing; }
    void SetSmoothing(bool Value);

    // Decodes the data into the bitmap unless it is there.
    void DIBNeeded();
    // Compresses the bitmap unless there is data.
    void JPEGNeeded();
    // Compresses the bitmap anew with the current settings.
    void Compress();

protected:
    // A bitmap destination receives the decoded bitmap.
    void AssignTo(TPersistent* Dest) override;

private:
    void GetPixels(TGraphicPixels& Pixels) override;
    void ReadStream(TStream* Stream, int64_t Size);
    // Applies a setting that changes decoding: the picture is kept as data and decoded anew.
    template <typename T>
    void SetDecoding(T& Field, T Value);

    QByteArray FData;
    std::unique_ptr<TBitmap> FBitmap;
    // Full size of the picture in FData.
    int32_t FImageWidth = 0;
    int32_t FImageHeight = 0;
    int32_t FCompressionQuality = 90;
    bool FGrayscale = false;
    TJPEGPerformance FPerformance = jpBestQuality;
    TJPEGScale FScale = jsFullSize;
    bool FProgressiveEncoding = false;
    bool FProgressiveDisplay = false;
    bool FSmoothing = true;
};
