// TGraphic: the abstract picture that a canvas can draw (bitmaps, icons, JPEG, PNG, GIF).
#pragma once

#include "rtl/Object.h"
#include "rtl/Types.h"

#include <QString>

#include <functional>

class TCanvas;
class TStream;

class TGraphic : public TPersistent {
public:
    // Draws the picture stretched into Rect of ACanvas; a canvas calls this from Draw and StretchDraw.
    virtual void Draw(TCanvas* ACanvas, const TRect& Rect) = 0;

    virtual int32_t Width() const = 0;
    virtual int32_t Height() const = 0;
    virtual void SetWidth(int32_t Value) = 0;
    virtual void SetHeight(int32_t Value) = 0;
    virtual bool Empty() const { return Width() == 0 || Height() == 0; }

    virtual bool Transparent() const { return FTransparent; }
    virtual void SetTransparent(bool Value);

    virtual void LoadFromStream(TStream* Stream) = 0;
    virtual void SaveToStream(TStream* Stream) = 0;
    void LoadFromFile(const QString& FileName);
    void SaveToFile(const QString& FileName);

    bool Modified() const { return FModified; }
    void SetModified(bool Value);

    std::function<void(TObject* Sender)> OnChange;

protected:
    // Marks the picture modified and fires OnChange.
    virtual void Changed();

private:
    bool FTransparent = false;
    bool FModified = false;
};
