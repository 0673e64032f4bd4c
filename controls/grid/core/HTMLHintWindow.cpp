// THTMLHintWindow: sizing, placing and painting markup and wide-encoded hints.
#include "grid/core/HTMLHintWindow.h"

#include "grid/base/EsgHTMLE.h"
#include "grid/base/ExtUtil.h"
#include "grid/core/ExtGrid.h"

#include "graphics/Canvas.h"
#include "graphics/DrawText.h"
#include "graphics/GraphicsObjects.h"

QString GridHintFontName;

namespace {

constexpr int32_t MeasureWidth = 1008;
constexpr int32_t VerticalMargin = 4;
constexpr int32_t WideMargin = 8;
constexpr int32_t MarkupMargin = 16;

}  // namespace

THTMLHintWindow::THTMLHintWindow(TComponent* AOwner) : THintWindow(AOwner)
{
}

void THTMLHintWindow::CreateParams(TCreateParams& Params)
{
    THintWindow::CreateParams(Params);
    Params.Style &= ~WS_BORDER;
}

void THTMLHintWindow::Dispatch(TMessage& Message)
{
    THintWindow::Dispatch(Message);
    if (Message.Msg == CM_TEXTCHANGED) Invalidate();
}

void THTMLHintWindow::ActivateHintData(const TRect& Rect, const QString& AHint, void* AData)
{
    if (auto* Grid = dynamic_cast<TExtStringGrid*>(static_cast<TObject*>(AData))) {
        FImages = Grid->GridImages();
        FPictureContainer = Grid->PictureContainer();
    }
    THintWindow::ActivateHintData(Rect, AHint, AData);
}

void THTMLHintWindow::Markup(const QString& AHint, const TRect& Rect, bool MeasureOnly, int32_t& Width, int32_t& Height)
{
    QString Link, PlainText, FocusLinkRef, LinkTitle, ControlID, ControlValue, ControlType;
    int32_t LinkCount = 0;
    int32_t HoveredLink = -1;
    TRect LinkRect, ControlRect;
    DrawMarkup(Canvas(), AHint, Rect, FImages, 0, 0, -1, 0, 1, false, MeasureOnly, false, false, true, false, MeasureOnly,
               false, 1.0, clBlue, clNone, clNone, clGray, Link, PlainText, FocusLinkRef, LinkTitle, Width, Height,
               LinkCount, HoveredLink, LinkRect, ControlRect, ControlID, ControlValue, ControlType, nullptr,
               FPictureContainer, HandleAllocated() ? Handle() : nullptr, static_cast<int32_t>(BiDiMode()));
}

int32_t THTMLHintWindow::Measure(const TRect& Rect, const QString& AHint)
{
    int32_t Width = 0;
    int32_t Height = 0;
    int32_t Margin = MarkupMargin;
    if (GetCellTextKind(AHint, true) == ctkWide) {
        if (!GridHintFontName.isEmpty()) Canvas()->Font()->SetName(GridHintFontName);
        FWideCaption = DecodeWideCellText(AHint);
        TRect R = Rect;
        DrawTextEx(Canvas()->Handle(), FWideCaption, -1, R, DT_NOPREFIX | DT_CALCRECT | DT_SINGLELINE, nullptr);
        Width = R.Width();
        Height = R.Height();
        Margin = WideMargin;
    } else {
        Markup(AHint, Rect, true, Width, Height);
    }
    FTextWidth = Width;
    FTextHeight = Height;
    return Margin;
}

void THTMLHintWindow::ActivateHint(const TRect& Rect, const QString& AHint)
{
    SetCaption(AHint);
    const int32_t Margin = Measure(::Rect(Rect.Left, Rect.Top, Rect.Left + MeasureWidth, Rect.Bottom), AHint);
    TRect R = ::Rect(Rect.Left, Rect.Top, Rect.Left + FTextWidth + Margin, Rect.Top + FTextHeight + VerticalMargin);
    // Kept on the monitor it starts on: ending 2 pixels inside its right and bottom edges.
    if (TMonitor* Monitor = Screen->MonitorFromPoint(R.TopLeft())) {
        const TRect Edges = Monitor->BoundsRect();
        if (R.Right > Edges.Right) OffsetRect(R, Edges.Right - 2 - R.Right, 0);
        if (R.Bottom > Edges.Bottom) OffsetRect(R, 0, Edges.Bottom - 2 - R.Bottom);
    }
    SetBoundsRect(R);
    SetWindowPos(Handle(), HWND_TOPMOST, R.Left, R.Top, 0, 0, SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOSIZE);
    Invalidate();
}

TRect THTMLHintWindow::CalcHintRect(int32_t MaxWidth, const QString& AHint, void*)
{
    Measure(::Rect(0, 0, MaxWidth, 0), AHint);
    return ::Rect(0, 0, FTextWidth, FTextHeight);
}

void THTMLHintWindow::Paint()
{
    const TRect Client = ClientRect();
    TCanvas* C = Canvas();
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(Color());
    C->FillRect(Client);
    C->Pen()->SetColor(cl3DLight);
    C->MoveTo(Client.Left, Client.Bottom - 2);
    C->LineTo(Client.Left, Client.Top);
    C->LineTo(Client.Right - 1, Client.Top);
    C->Pen()->SetColor(cl3DDkShadow);
    C->MoveTo(Client.Left, Client.Bottom - 1);
    C->LineTo(Client.Right - 1, Client.Bottom - 1);
    C->LineTo(Client.Right - 1, Client.Top - 1);

    const int32_t Top = Client.Top + (Client.Height() - FTextHeight) / 2;
    TRect Text = ::Rect(Client.Left + 4, Top, Client.Right - 4, Top + FTextHeight + 8);
    C->Brush()->SetStyle(bsClear);
    if (GetCellTextKind(Caption(), true) == ctkWide) {
        if (!GridHintFontName.isEmpty()) C->Font()->SetName(GridHintFontName);
        DrawTextEx(C->Handle(), FWideCaption, -1, Text, DT_NOPREFIX | DT_SINGLELINE, nullptr);
        return;
    }
    int32_t Width = 0;
    int32_t Height = 0;
    Markup(Caption(), Text, false, Width, Height);
}
