// The header drag button: the grid's fixed-cell look with the dragged column's caption.
#include "grid/core/HeaderDragButton.h"

#include "grid/base/EsgHTMLE.h"
#include "grid/core/ExtGrid.h"

#include "graphics/Canvas.h"
#include "graphics/DrawText.h"
#include "graphics/GraphicsObjects.h"

THeaderDragButton::THeaderDragButton(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetColor(clBtnFace);
}

void THeaderDragButton::SetCaption(const QString& Value)
{
    if (Value == FCaption) return;
    FCaption = Value;
    Invalidate();
}

void THeaderDragButton::SetFlat(bool Value)
{
    if (Value == FFlat) return;
    FFlat = Value;
    Invalidate();
}

void THeaderDragButton::CreateParams(TCreateParams& Params)
{
    TCustomControl::CreateParams(Params);
    Params.Style = (Params.Style & ~WS_CHILD) | WS_POPUP | WS_BORDER;
}

void THeaderDragButton::Paint()
{
    TCanvas* C = Canvas();
    TRect R = ClientRect();
    if (FGrid) FGrid->PaintCellExt(C, 0, 0, R, {gdFixed});
    C->SetFont(Font());
    C->Brush()->SetStyle(bsClear);
    if (!FCaption.contains(QStringLiteral("</"))) {
        DrawTextEx(C->Handle(), FCaption, -1, R, DT_END_ELLIPSIS | DT_SINGLELINE | DT_VCENTER | DT_CENTER, nullptr);
        return;
    }
    QString Link, PlainText, FocusLinkRef, LinkTitle, ControlID, ControlValue, ControlType;
    int32_t Width = 0, Height = 0, LinkCount = 0, HoveredLink = -1;
    TRect LinkRect, ControlRect;
    DrawMarkup(C, FCaption, R, FGrid ? FGrid->GridImages() : nullptr, 2, 2, -1, -1, 2, false, false, false, false,
               false, false, false, false, 1.0, clBlue, clNone, clNone, clGray, Link, PlainText, FocusLinkRef, LinkTitle,
               Width, Height, LinkCount, HoveredLink, LinkRect, ControlRect, ControlID, ControlValue, ControlType,
               nullptr, nullptr, Handle(), 0);
}
