// TCustomImageList and TImageList: same-sized images with masks, drawn normally or disabled.
#pragma once

#include "graphics/Colors.h"
#include "rtl/Component.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class TBitmap;
class TCanvas;

// Images are kept with an alpha channel made from their masks. A bitmap wider than the list's
// Width adds Width div its width images (at least one); images are cut or padded (transparent)
// to the list's size.
class TCustomImageList : public TComponent {
public:
    explicit TCustomImageList(TComponent* AOwner);
    ~TCustomImageList() override;

    // Copies another image list's size and images.
    void Assign(TPersistent* Source) override;

    int32_t Width() const { return FWidth; }
    int32_t Height() const { return FHeight; }
    // A new size empties the list.
    void SetWidth(int32_t Value) { SetSize(Value, FHeight); }
    void SetHeight(int32_t Value) { SetSize(FWidth, Value); }
    void SetSize(int32_t AWidth, int32_t AHeight);
    int32_t Count() const { return int32_t(FImages.size()); }

    // Adds the images of Image; Mask (may be nil) is transparent where it is white. Returns the
    // index of the first image added, -1 for a nil Image.
    int32_t Add(TBitmap* Image, TBitmap* Mask);
    // The same with the pixels of MaskColor transparent: clDefault stands for the bitmap's
    // TransparentColor, clNone for no transparent pixels.
    int32_t AddMasked(TBitmap* Image, TColor MaskColor);
    // Replaces image Index with the first image of Image; EInvalidOperation "Invalid ImageList
    // Index" for an index outside the list, as for Delete.
    void Replace(int32_t Index, TBitmap* Image, TBitmap* Mask);
    void ReplaceMasked(int32_t Index, TBitmap* NewImage, TColor MaskColor);
    void Delete(int32_t Index);
    void Clear();

    // Sizes Image to the list's size and draws image Index over it; false for an index outside.
    bool GetBitmap(int32_t Index, TBitmap* Image);
    // Draws image Index (nothing for an index outside the list) at (X, Y). Disabled, as the
    // toolkit does: the image's shape (its opaque pixels that are not white) in clBtnHighlight
    // one pixel down and right, then in clBtnShadow in place; the canvas's brush is left
    // clBtnShadow.
    void Draw(TCanvas* Canvas, int32_t X, int32_t Y, int32_t Index, bool Enabled = true);

    std::function<void(TObject* Sender)> OnChange;

protected:
    virtual void Change();

private:
    // The images of Image, transparent where Transparent says so.
    template <typename F>
    std::vector<std::unique_ptr<TBitmap>> Split(TBitmap* Image, const F& Transparent) const;
    std::vector<std::unique_ptr<TBitmap>> SplitMasked(TBitmap* Image, TBitmap* Mask) const;
    std::vector<std::unique_ptr<TBitmap>> SplitKeyed(TBitmap* Image, TColor MaskColor) const;
    int32_t Append(std::vector<std::unique_ptr<TBitmap>> Images);
    void CheckIndex(int32_t Index) const;

    int32_t FWidth = 16;
    int32_t FHeight = 16;
    std::vector<std::unique_ptr<TBitmap>> FImages;
};

class TImageList : public TCustomImageList {
public:
    using TCustomImageList::TCustomImageList;
};
