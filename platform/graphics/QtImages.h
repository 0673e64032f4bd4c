// TPngImage and TGIFImage: PNG and GIF pictures read through Qt's image readers.
#pragma once

#include "graphics/Graphic.h"

#include <QByteArray>

#include <cstdint>
#include <memory>

class QImage;

// A picture that Qt's reader for one file format decodes; drawn through its alpha.
class TQtImage : public TGraphic {
public:
    ~TQtImage() override;

    // Copies a picture of the same class; nil empties this one.
    void Assign(TPersistent* Source) override;
    void Draw(TCanvas* ACanvas, const TRect& Rect) override;

    int32_t Width() const override;
    int32_t Height() const override;
    // Keeps the pixels at the top-left corner; new area is transparent.
    void SetWidth(int32_t Value) override;
    void SetHeight(int32_t Value) override;
    bool Empty() const override;
    // True when the picture has an alpha channel or a transparent colour.
    bool Transparent() const override;

    // Reads the file from the stream's position to its end; EInvalidGraphic "<kind> image is not
    // valid" when the reader cannot decode it.
    void LoadFromStream(TStream* Stream) override;
    // Writes the file as it was read, or the pixels encoded anew after they changed;
    // EInvalidGraphicOperation "Cannot write a <kind> image" when Qt has no writer for the format.
    void SaveToStream(TStream* Stream) override;

protected:
    TQtImage(const char* Format, const char* Kind);

private:
    friend class TSurfaces;
    void GetPixels(TGraphicPixels& Pixels) override;
    void Resize(int32_t AWidth, int32_t AHeight);

    const char* FFormat;
    const char* FKind;
    QByteArray FData;
    std::unique_ptr<QImage> FImage;
};

class TPngImage : public TQtImage {
public:
    TPngImage();
    std::unique_ptr<TGraphic> CreateNew() const override { return std::make_unique<TPngImage>(); }

    // Also takes a bitmap's pixels, with their alpha when the bitmap's AlphaFormat counts it.
    void Assign(TPersistent* Source) override;
};

// Shows the first frame of the file.
class TGIFImage : public TQtImage {
public:
    TGIFImage();
    std::unique_ptr<TGraphic> CreateNew() const override { return std::make_unique<TGIFImage>(); }
};
