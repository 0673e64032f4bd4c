// THTMLHintWindow: the string grid's hint window, showing markup or a wide-encoded text on one line.
#pragma once

#include "windows/Forms.h"

#include <QString>

#include <cstdint>

class TCustomImageList;
class TPictureContainer;

// The font name of the grid that built the hint shown last; a wide-encoded hint shows in it (empty:
// the hint window's own font).
extern QString GridHintFontName;

class THTMLHintWindow : public THintWindow {
public:
    explicit THTMLHintWindow(TComponent* AOwner);

    // With a string grid as AData, its images and picture container serve the markup.
    void ActivateHintData(const TRect& Rect, const QString& AHint, void* AData) override;
    // Sizes the window to the hint from Rect's top-left, keeps it on the monitor and shows it on top
    // without activating it.
    void ActivateHint(const TRect& Rect, const QString& AHint) override;
    // The hint's size at most MaxWidth wide, without margins.
    TRect CalcHintRect(int32_t MaxWidth, const QString& AHint, void* AData) override;

protected:
    void CreateParams(TCreateParams& Params) override;
    void Dispatch(TMessage& Message) override;
    void Paint() override;

private:
    // Measures AHint in Rect (its width): sets FTextWidth and FTextHeight; returns the horizontal margin.
    int32_t Measure(const TRect& Rect, const QString& AHint);
    // Draws or measures the markup hint in Rect.
    void Markup(const QString& AHint, const TRect& Rect, bool MeasureOnly, int32_t& Width, int32_t& Height);

    TCustomImageList* FImages = nullptr;
    TPictureContainer* FPictureContainer = nullptr;
    int32_t FTextHeight = 0;
    int32_t FTextWidth = 0;
    QString FWideCaption;
};
