// TIcon: Windows icon files (.ico), one image of which is drawn with its transparency.
#pragma once

#include "graphics/Graphic.h"

#include <QByteArray>

#include <cstdint>
#include <memory>

class QImage;

class TIcon : public TGraphic {
public:
    TIcon();
    ~TIcon() override;
    std::unique_ptr<TGraphic> CreateNew() const override { return std::make_unique<TIcon>(); }

    // Copies another icon; nil empties this one.
    void Assign(TPersistent* Source) override;
    void Draw(TCanvas* ACanvas, const TRect& Rect) override;

    // The loaded image's size; 32 x 32 (the system icon size) while there is none.
    int32_t Width() const override;
    int32_t Height() const override;
    // Before an icon is loaded: the size of image to pick from the next file (0 means 32).
    // Afterwards EInvalidGraphicOperation "Cannot change the size of an icon".
    void SetWidth(int32_t Value) override;
    void SetHeight(int32_t Value) override;
    void SetSize(int32_t AWidth, int32_t AHeight);
    bool Empty() const override;
    // An icon always draws through its mask or alpha.
    bool Transparent() const override { return true; }

    // Reads an icon file from the stream's position to its end and picks the image nearest the
    // requested size (the sum of the width and height differences), of the most bits per pixel
    // among equals. Images are DIBs (1 to 32 bits; 32 bits with alpha unless all alpha is zero,
    // otherwise through the AND mask) or PNG. EInvalidGraphic "Icon image is not valid" otherwise.
    void LoadFromStream(TStream* Stream) override;
    // Writes the icon file as it was read (nothing for an empty icon).
    void SaveToStream(TStream* Stream) override;

private:
    void GetPixels(TGraphicPixels& Pixels) override;

    QByteArray FData;
    std::unique_ptr<QImage> FImage;
    int32_t FRequestedWidth = 0;
    int32_t FRequestedHeight = 0;
};
