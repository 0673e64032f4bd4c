// TCustomPanel, TBevel, TShape, TImage and TCustomLinkLabel, and Frame3D.
#include "windows/ExtCtrls.h"

#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "graphics/DrawText.h"
#include "graphics/GraphicsObjects.h"
#include "graphics/Picture.h"
#include "rtl/Exceptions.h"
#include "windows/private/ScreenCanvas.h"
#include "windows/private/Cursors.h"
#include "windows/private/Window.h"
#include "windows/private/WindowWidget.h"

#include <QRegularExpression>
#include <QWidget>

using namespace WindowsInternal;

void Frame3D(TCanvas* Canvas, TRect& Rect, TColor TopColor, TColor BottomColor, int32_t Width)
{
    Canvas->Pen()->SetWidth(1);
    --Rect.Right;
    --Rect.Bottom;
    for (; Width > 0; --Width) {
        Canvas->Pen()->SetColor(TopColor);
        Canvas->Polyline({TPoint{Rect.Left, Rect.Bottom}, TPoint{Rect.Left, Rect.Top}, TPoint{Rect.Right, Rect.Top}});
        Canvas->Pen()->SetColor(BottomColor);
        Canvas->Polyline({TPoint{Rect.Right, Rect.Top}, TPoint{Rect.Right, Rect.Bottom}, TPoint{Rect.Left - 1, Rect.Bottom}});
        InflateRect(Rect, -1, -1);
    }
    ++Rect.Right;
    ++Rect.Bottom;
}

// ---- TCustomPanel ----

TCustomPanel::TCustomPanel(TComponent* AOwner) : TCustomControl(AOwner)
{
    FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csOpaque, csDoubleClicks, csReplicatable};
    SetBounds(0, 0, 185, 41);
    SetColor(clBtnFace);
}

template <typename T>
void TCustomPanel::SetFrame(T& Field, T Value)
{
    if (Field == Value) return;
    Field = Value;
    Realign();
    Invalidate();
}

void TCustomPanel::SetAlignment(TAlignment Value)
{
    if (FAlignment == Value) return;
    FAlignment = Value;
    Invalidate();
}

void TCustomPanel::SetBevelInner(TPanelBevel Value)
{
    SetFrame(FBevelInner, Value);
}

void TCustomPanel::SetBevelOuter(TPanelBevel Value)
{
    SetFrame(FBevelOuter, Value);
}

void TCustomPanel::SetBevelWidth(int32_t Value)
{
    SetFrame(FBevelWidth, Value);
}

void TCustomPanel::SetBorderWidth(int32_t Value)
{
    SetFrame(FBorderWidth, Value);
}

void TCustomPanel::SetBorderStyle(TBorderStyle Value)
{
    if (FBorderStyle == Value) return;
    FBorderStyle = Value;
    RecreateWnd();
    Realign();
}

void TCustomPanel::CreateParams(TCreateParams& Params)
{
    TCustomControl::CreateParams(Params);
    if (FBorderStyle == bsSingle) Params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomPanel::AdjustClientRect(TRect& Rect)
{
    TCustomControl::AdjustClientRect(Rect);
    int32_t Size = FBorderWidth;
    if (FBevelOuter != bvNone) Size += FBevelWidth;
    if (FBevelInner != bvNone) Size += FBevelWidth;
    InflateRect(Rect, -Size, -Size);
}

void TCustomPanel::Paint()
{
    static constexpr uint32_t Alignments[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
    TCanvas* C = Canvas();
    TRect Rect = ClientRect();
    const auto Bevel = [&](TPanelBevel Kind) {
        if (Kind == bvNone) return;
        // A space bevel is a frame of the panel's own colour.
        const TColor Top = Kind == bvLowered ? clBtnShadow : Kind == bvRaised ? clBtnHighlight : Color();
        const TColor Bottom = Kind == bvLowered ? clBtnHighlight : Kind == bvRaised ? clBtnShadow : Color();
        Frame3D(C, Rect, Top, Bottom, FBevelWidth);
    };
    Bevel(FBevelOuter);
    Frame3D(C, Rect, Color(), Color(), FBorderWidth);
    Bevel(FBevelInner);
    C->Brush()->SetColor(Color());
    C->FillRect(Rect);
    C->Brush()->SetStyle(bsClear);
    C->SetFont(Font());
    const int32_t FontHeight = C->TextHeight(QStringLiteral("W"));
    Rect.Top = (Rect.Top + Rect.Bottom - FontHeight) / 2;
    Rect.Bottom = Rect.Top + FontHeight;
    DrawText(C->Handle(), Caption(), -1, Rect, DT_EXPANDTABS | DT_SINGLELINE | DT_VCENTER | Alignments[FAlignment]);
}

// ---- TBevel ----

TBevel::TBevel(TComponent* AOwner) : TGraphicControl(AOwner)
{
    FControlStyle.Include(csReplicatable);
    SetBounds(0, 0, 50, 50);
}

void TBevel::SetShape(TBevelShape Value)
{
    if (FShape == Value) return;
    FShape = Value;
    Invalidate();
}

void TBevel::SetStyle(TBevelStyle Value)
{
    if (FStyle == Value) return;
    FStyle = Value;
    Invalidate();
}

void TBevel::Paint()
{
    TCanvas* C = TGraphicControl::Canvas();
    C->Pen()->SetWidth(1);
    const TColor Dark = FStyle == bsLowered ? clBtnShadow : clBtnHighlight;
    const TColor Light = FStyle == bsLowered ? clBtnHighlight : clBtnShadow;
    const int32_t W = Width();
    const int32_t H = Height();
    // The top and left sides in one colour, the right and bottom ones in the other.
    const auto Box = [C](const TRect& R, TColor TopLeft, TColor BottomRight) {
        C->Pen()->SetColor(TopLeft);
        C->Polyline({TPoint{R.Left, R.Bottom}, TPoint{R.Left, R.Top}, TPoint{R.Right, R.Top}});
        C->Pen()->SetColor(BottomRight);
        C->Polyline({TPoint{R.Right, R.Top}, TPoint{R.Right, R.Bottom}, TPoint{R.Left, R.Bottom}});
    };
    const auto Line = [C](TColor Color, int32_t X1, int32_t Y1, int32_t X2, int32_t Y2) {
        C->Pen()->SetColor(Color);
        C->MoveTo(X1, Y1);
        C->LineTo(X2, Y2);
    };
    switch (FShape) {
    case bsBox: Box(Rect(0, 0, W - 1, H - 1), Dark, Light); break;
    case bsFrame:
        Box(Rect(1, 1, W - 1, H - 1), Light, Light);
        Box(Rect(0, 0, W - 2, H - 2), Dark, Dark);
        break;
    case bsTopLine:
        Line(Dark, 0, 0, W, 0);
        Line(Light, 0, 1, W, 1);
        break;
    case bsBottomLine:
        Line(Dark, 0, H - 2, W, H - 2);
        Line(Light, 0, H - 1, W, H - 1);
        break;
    case bsLeftLine:
        Line(Dark, 0, 0, 0, H);
        Line(Light, 1, 0, 1, H);
        break;
    case bsRightLine:
        Line(Dark, W - 2, 0, W - 2, H);
        Line(Light, W - 1, 0, W - 1, H);
        break;
    case bsSpacer: break;
    }
}

// ---- TShape ----

TShape::TShape(TComponent* AOwner) : TGraphicControl(AOwner), FPen(std::make_unique<TPen>()), FBrush(std::make_unique<TBrush>())
{
    FControlStyle.Include(csReplicatable);
    SetBounds(0, 0, 65, 65);
    FPen->OnChange = [this](TObject*) { Invalidate(); };
    FBrush->OnChange = [this](TObject*) { Invalidate(); };
}

TShape::~TShape() = default;

void TShape::SetBrush(TBrush* Value)
{
    FBrush->Assign(Value);
}

void TShape::SetPen(TPen* Value)
{
    FPen->Assign(Value);
}

void TShape::SetShape(TShapeType Value)
{
    if (FShape == Value) return;
    FShape = Value;
    Invalidate();
}

void TShape::Paint()
{
    TCanvas* C = Canvas();
    C->SetPen(FPen.get());
    C->SetBrush(FBrush.get());
    // The pen's width stays inside the control.
    int32_t X = FPen->Width() / 2;
    int32_t Y = X;
    int32_t W = Width() - FPen->Width() + 1;
    int32_t H = Height() - FPen->Width() + 1;
    if (FPen->Width() == 0) {
        --W;
        --H;
    }
    const int32_t S = std::min(W, H);
    if (FShape == stSquare || FShape == stRoundSquare || FShape == stCircle) {
        X += (W - S) / 2;
        Y += (H - S) / 2;
        W = S;
        H = S;
    }
    switch (FShape) {
    case stRectangle:
    case stSquare: C->Rectangle(X, Y, X + W, Y + H); break;
    case stRoundRect:
    case stRoundSquare: C->RoundRect(X, Y, X + W, Y + H, S / 4, S / 4); break;
    case stEllipse:
    case stCircle: C->Ellipse(X, Y, X + W, Y + H); break;
    }
}

// ---- TImage ----

TImage::TImage(TComponent* AOwner) : TGraphicControl(AOwner), FPicture(std::make_unique<TPicture>())
{
    FControlStyle.Include(csReplicatable);
    SetBounds(0, 0, 105, 105);
    FPicture->OnChange = [this](TObject*) { PictureChanged(); };
}

TImage::~TImage()
{
    FPicture->OnChange = nullptr;
}

TCanvas* TImage::Canvas()
{
    if (!FPicture->Graphic()) FPicture->Bitmap()->SetSize(Width(), Height());
    auto* Bitmap = dynamic_cast<TBitmap*>(FPicture->Graphic());
    if (!Bitmap) throw EInvalidOperation(QStringLiteral("Can only modify an image if it contains a bitmap"));
    return Bitmap->Canvas();
}

void TImage::SetPicture(TPicture* Value)
{
    FPicture->Assign(Value);
}

void TImage::SetAutoSize(bool Value)
{
    if (FAutoSize == Value) return;
    FAutoSize = Value;
    PictureChanged();
}

void TImage::SetDrawing(bool& Field, bool Value)
{
    if (Field == Value) return;
    Field = Value;
    Invalidate();
}

void TImage::SetCenter(bool Value)
{
    SetDrawing(FCenter, Value);
}

void TImage::SetProportional(bool Value)
{
    SetDrawing(FProportional, Value);
}

void TImage::SetStretch(bool Value)
{
    SetDrawing(FStretch, Value);
}

void TImage::SetTransparent(bool Value)
{
    if (FTransparent == Value) return;
    FTransparent = Value;
    PictureChanged();
}

void TImage::PictureChanged()
{
    TGraphic* Graphic = FPicture->Graphic();
    if (Graphic && Graphic->Transparent() != FTransparent) Graphic->SetTransparent(FTransparent);
    if (FAutoSize && FPicture->Width() > 0 && FPicture->Height() > 0) SetBounds(Left(), Top(), FPicture->Width(), FPicture->Height());
    Invalidate();
}

TRect TImage::DestRect() const
{
    int32_t W = FPicture->Width();
    int32_t H = FPicture->Height();
    const int32_t CW = ClientWidth();
    const int32_t CH = ClientHeight();
    if (FStretch || (FProportional && (W > CW || H > CH))) {
        if (FProportional && W > 0 && H > 0) {
            // The longer side fits first; the other follows unless it is then too long.
            const double Aspect = static_cast<double>(W) / H;
            if (W > H) {
                W = CW;
                H = static_cast<int32_t>(CW / Aspect);
                if (H > CH) {
                    H = CH;
                    W = static_cast<int32_t>(CH * Aspect);
                }
            } else {
                H = CH;
                W = static_cast<int32_t>(CH * Aspect);
                if (W > CW) {
                    W = CW;
                    H = static_cast<int32_t>(CW / Aspect);
                }
            }
        } else {
            W = CW;
            H = CH;
        }
    }
    TRect Result{0, 0, W, H};
    if (FCenter) OffsetRect(Result, (CW - W) / 2, (CH - H) / 2);
    return Result;
}

void TImage::Paint()
{
    if (TGraphic* Graphic = FPicture->Graphic(); Graphic && !Graphic->Empty()) TGraphicControl::Canvas()->StretchDraw(DestRect(), Graphic);
}

// ---- TCustomLinkLabel ----

TCustomLinkLabel::TCustomLinkLabel(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetBounds(0, 0, 53, 17);
    Layout();
}

void TCustomLinkLabel::SetAutoSize(bool Value)
{
    if (FAutoSize == Value) return;
    FAutoSize = Value;
    AdjustBounds();
}

void TCustomLinkLabel::Layout()
{
    FRuns.clear();
    static const QRegularExpression Anchor(QStringLiteral("<a(\\s[^>]*)?>(.*?)(</a>|$)"),
                                           QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression Attribute(QStringLiteral("\\b(href|id)\\s*=\\s*(?:\"([^\"]*)\"|'([^']*)'|([^\\s>]+))"),
                                              QRegularExpression::CaseInsensitiveOption);
    const QString Text = Caption();
    qsizetype Plain = 0;
    const auto AddPlain = [&](qsizetype End) {
        if (End <= Plain) return;
        TRun Run;
        Run.Text = Text.mid(Plain, End - Plain);
        FRuns.push_back(Run);
    };
    for (const QRegularExpressionMatch& Match : Anchor.globalMatch(Text)) {
        AddPlain(Match.capturedStart());
        TRun Run;
        Run.Text = Match.captured(2);
        Run.IsLink = true;
        QString Href, Id;
        for (const QRegularExpressionMatch& Value : Attribute.globalMatch(Match.captured(1))) {
            const QString Found = Value.captured(2) + Value.captured(3) + Value.captured(4);
            (Value.captured(1).compare(QLatin1String("href"), Qt::CaseInsensitive) == 0 ? Href : Id) = Found;
        }
        Run.LinkType = Href.isEmpty() ? sltID : sltURL;
        Run.Link = !Href.isEmpty() ? Href : !Id.isEmpty() ? Id : Run.Text;
        FRuns.push_back(Run);
        Plain = Match.capturedEnd();
    }
    AddPlain(Text.size());
    TCanvas* Measure = ScreenCanvas();
    Measure->SetFont(Font());
    const int32_t Height = Measure->TextHeight(QStringLiteral("W"));
    int32_t X = 0;
    for (TRun& Run : FRuns) {
        const int32_t Width = Measure->TextWidth(Run.Text);
        Run.Bounds = Rect(X, 0, X + Width, Height);
        X += Width;
    }
}

void TCustomLinkLabel::AdjustBounds()
{
    if (!FAutoSize) return;
    TCanvas* Measure = ScreenCanvas();
    Measure->SetFont(Font());
    SetBounds(Left(), Top(), FRuns.empty() ? 0 : FRuns.back().Bounds.Right, Measure->TextHeight(QStringLiteral("W")));
}

int32_t TCustomLinkLabel::LinkAt(TPoint Pos) const
{
    for (size_t I = 0; I < FRuns.size(); ++I)
        if (FRuns[I].IsLink && PtInRect(FRuns[I].Bounds, Pos)) return static_cast<int32_t>(I);
    return -1;
}

void TCustomLinkLabel::Paint()
{
    TCanvas* C = Canvas();
    C->Brush()->SetStyle(bsClear);
    for (const TRun& Run : FRuns) {
        C->SetFont(Font());
        if (Run.IsLink) {
            C->Font()->SetColor(clHotLight);
            C->Font()->SetStyle(C->Font()->Style() + fsUnderline);
        }
        if (!Enabled()) C->Font()->SetColor(clGrayText);
        C->TextOut(Run.Bounds.Left, Run.Bounds.Top, Run.Text);
    }
}

void TCustomLinkLabel::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
        TCustomControl::Dispatch(Message);
        Layout();
        AdjustBounds();
        Invalidate();
        break;
    case WM_SETCURSOR: {
        // The hand shows over the links.
        TPoint Pos;
        GetCursorPos(Pos);
        const bool OverLink = Screen->Cursor() == crDefault && LinkAt(ScreenToClient(Pos)) >= 0;
        WidgetOf(Handle())->setCursor(CursorOf(OverLink ? crHandPoint : Cursor() == crDefault ? crArrow : Cursor()));
        if (OverLink) Message.Result = 1;
        else TCustomControl::Dispatch(Message);
        break;
    }
    default: TCustomControl::Dispatch(Message); break;
    }
}

void TCustomLinkLabel::MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button == mbLeft) FPressedLink = LinkAt({X, Y});
}

void TCustomLinkLabel::MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y)
{
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (Button != mbLeft) return;
    const int32_t Pressed = std::exchange(FPressedLink, -1);
    if (Pressed >= 0 && LinkAt({X, Y}) == Pressed) {
        const TRun& Run = FRuns[static_cast<size_t>(Pressed)];
        DoOnLinkClick(Run.Link, Run.LinkType);
    }
}

void TCustomLinkLabel::DoOnLinkClick(const QString& Link, TSysLinkType LinkType)
{
    if (OnLinkClick) OnLinkClick(this, Link, LinkType);
}
