// The extra controls: panel, bevel, shape, image and link label, and the 3-D frame they draw.
#pragma once

#include "windows/Controls.h"
#include "windows/Forms.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class TBrush;
class TPen;
class TPicture;

using TPanelBevel = TBevelCut;
enum TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };
enum TBevelStyle { bsLowered, bsRaised };
enum TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };
enum TSysLinkType { sltURL, sltID };

// Draws Width nested one-pixel frames inside Rect: top and left lines in TopColor, bottom and right
// ones (with the top-right and bottom-left corners) in BottomColor; Rect shrinks by Width each side.
void Frame3D(TCanvas* Canvas, TRect& Rect, TColor TopColor, TColor BottomColor, int32_t Width);

// ---- Panel ----

// A container with an outer bevel, a border of its colour, an inner bevel and a centred caption.
class TCustomPanel : public TCustomControl {
public:
    explicit TCustomPanel(TComponent* AOwner);

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    TPanelBevel BevelInner() const { return FBevelInner; }
    void SetBevelInner(TPanelBevel Value);
    TPanelBevel BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TPanelBevel Value);
    int32_t BevelWidth() const { return FBevelWidth; }
    void SetBevelWidth(int32_t Value);
    // The space of the panel's colour between the two bevels.
    int32_t BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int32_t Value);
    // bsSingle adds a sunken edge around the panel.
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle Value);
    // Without visual themes the panel always paints its own colour; the setting is kept.
    bool ParentBackground() const { return FParentBackground; }
    void SetParentBackground(bool Value) { FParentBackground = Value; }

protected:
    void AdjustClientRect(TRect& Rect) override;
    void CreateParams(TCreateParams& Params) override;
    void Paint() override;

private:
    // Changes a setting that moves the client area.
    template <typename T>
    void SetFrame(T& Field, T Value);

    TAlignment FAlignment = taCenter;
    TPanelBevel FBevelInner = bvNone;
    TPanelBevel FBevelOuter = bvRaised;
    int32_t FBevelWidth = 1;
    int32_t FBorderWidth = 0;
    TBorderStyle FBorderStyle = bsNone;
    bool FParentBackground = true;
};

class TPanel : public TCustomPanel {
public:
    using TCustomPanel::TCustomPanel;
};

// ---- Bevel ----

// A lowered or raised box, frame or line drawn on the parent.
class TBevel : public TGraphicControl {
public:
    explicit TBevel(TComponent* AOwner);

    TBevelShape Shape() const { return FShape; }
    void SetShape(TBevelShape Value);
    TBevelStyle Style() const { return FStyle; }
    void SetStyle(TBevelStyle Value);

protected:
    void Paint() override;

private:
    TBevelShape FShape = bsBox;
    TBevelStyle FStyle = bsLowered;
};

// ---- Shape ----

// A rectangle, square, rounded one, ellipse or circle drawn with Pen and filled with Brush.
class TShape : public TGraphicControl {
public:
    explicit TShape(TComponent* AOwner);
    ~TShape() override;

    TBrush* Brush() const { return FBrush.get(); }
    void SetBrush(TBrush* Value);
    TPen* Pen() const { return FPen.get(); }
    void SetPen(TPen* Value);
    TShapeType Shape() const { return FShape; }
    void SetShape(TShapeType Value);

protected:
    void Paint() override;

private:
    std::unique_ptr<TPen> FPen;
    std::unique_ptr<TBrush> FBrush;
    TShapeType FShape = stRectangle;
};

// ---- Image ----

// Shows its picture at its top-left, centred, stretched or scaled to fit.
class TImage : public TGraphicControl {
public:
    explicit TImage(TComponent* AOwner);
    ~TImage() override;

    // Drawing on the image draws on its bitmap, made at the image's size when the picture is empty;
    // EInvalidOperation when the picture holds another kind of graphic.
    TCanvas* Canvas();
    TPicture* Picture() const { return FPicture.get(); }
    void SetPicture(TPicture* Value);
    // Sizes the control to the picture.
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);
    bool Center() const { return FCenter; }
    void SetCenter(bool Value);
    // Scales the picture down to fit, keeping its proportions (and up too with Stretch).
    bool Proportional() const { return FProportional; }
    void SetProportional(bool Value);
    bool Stretch() const { return FStretch; }
    void SetStretch(bool Value);
    // Passed to the picture's graphic: its transparent colour shows the parent through.
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value);
    // Where the picture is drawn.
    TRect DestRect() const;

protected:
    void Paint() override;

private:
    void PictureChanged();
    void SetDrawing(bool& Field, bool Value);

    std::unique_ptr<TPicture> FPicture;
    bool FAutoSize = false;
    bool FCenter = false;
    bool FProportional = false;
    bool FStretch = false;
    bool FTransparent = false;
};

// ---- Link label ----

// A caption whose anchors <a href="..."> or <a id="...">text</a> are links: drawn as links and
// reported by OnLinkClick when clicked, with the href (sltURL) or else the id (or, without either,
// the link's text) (sltID). Text outside anchors is plain.
class TCustomLinkLabel : public TCustomControl {
public:
    explicit TCustomLinkLabel(TComponent* AOwner);

    // Sizes the control to its text.
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);

    std::function<void(TObject* Sender, const QString& Link, TSysLinkType LinkType)> OnLinkClick;

protected:
    void Dispatch(TMessage& Message) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;
    void Paint() override;
    virtual void DoOnLinkClick(const QString& Link, TSysLinkType LinkType);

private:
    struct TRun {
        QString Text;
        bool IsLink = false;
        QString Link;
        TSysLinkType LinkType = sltID;
        // Where the run stands, after Layout.
        TRect Bounds;
    };

    // Parses the caption into runs placed on one line with the control's font.
    void Layout();
    void AdjustBounds();
    // The link run at Pos; -1 for none.
    int32_t LinkAt(TPoint Pos) const;

    std::vector<TRun> FRuns;
    bool FAutoSize = true;
    int32_t FPressedLink = -1;
};

class TLinkLabel : public TCustomLinkLabel {
public:
    using TCustomLinkLabel::TCustomLinkLabel;
};
