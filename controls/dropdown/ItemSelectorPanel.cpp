// TCustomItemSelector: laying the items out in cells, painting them by layout, hot and selected items, the mouse.
#include "dropdown/ItemSelector.h"

#include "dropdown/DropDownUtil.h"
#include "dropdown/ItemAppearance.h"
#include "dropdown/SelectorItems.h"

#include "grid/base/EsgHTMLE.h"
#include "grid/base/ExtUtil.h"

#include "graphics/Canvas.h"
#include "graphics/Graphic.h"
#include "graphics/GraphicsObjects.h"
#include "graphics/ImageList.h"
#include "graphics/Picture.h"
#include "rtl/Exceptions.h"
#include "windows/Forms.h"

#include <algorithm>

TCustomItemSelector::TCustomItemSelector(TComponent* AOwner)
    : TCustomControl(AOwner), FExtItemSelector(dynamic_cast<TExtCustomItemSelector*>(AOwner))
{
    if (!FExtItemSelector) throw Exception(QStringLiteral("Invalid parent"));
    SetParentColor(true);
}

TSelectorItems* TCustomItemSelector::Items() const { return FExtItemSelector->Items(); }
int32_t TCustomItemSelector::Columns() const { return FExtItemSelector->Columns(); }
TSelectorType TCustomItemSelector::SelectorType() const { return FExtItemSelector->SelectorType(); }
TItemLayout TCustomItemSelector::ItemLayout() const { return FExtItemSelector->ItemLayout(); }
TCustomImageList* TCustomItemSelector::Images() const { return FExtItemSelector->Images(); }
int32_t TCustomItemSelector::ColorBoxHeight() const { return FExtItemSelector->ColorBoxHeight(); }
int32_t TCustomItemSelector::ColorBoxWidth() const { return FExtItemSelector->ColorBoxWidth(); }
TSelectionColorStyle TCustomItemSelector::ItemColorStyle() const { return FExtItemSelector->ItemAppearance()->ColorStyle(); }

bool TCustomItemSelector::IsValid(int32_t Index) const
{
    return Index >= 0 && Index < Items()->Count();
}

bool TCustomItemSelector::IsDisabled(int32_t Index) const
{
    return IsValid(Index) && !Items()->Items(Index)->Enabled();
}

// ---- Selecting ----

void TCustomItemSelector::SetItemIndex(int32_t Value)
{
    if (IsDisabled(Value)) return;
    if (FItemIndex != Value && FItemIndex >= 0) {
        const int32_t Old = std::exchange(FItemIndex, -1);
        InvalidateItem(Old);
    }
    FItemIndex = Value;
    if (Value < 0) return;
    DrawItem(Value, Canvas());
    if (OnItemSelect) OnItemSelect(this);
}

void TCustomItemSelector::SetItemHot(int32_t Index)
{
    if (Index == FItemHot || IsDisabled(Index)) return;
    if (FItemHot >= 0) {
        const int32_t Old = std::exchange(FItemHot, -1);
        InvalidateItem(Old);
    }
    FItemHot = Index;
    if (Index >= 0) DrawItem(Index, Canvas());
}

void TCustomItemSelector::SelectFirst()
{
    if (Items()->Count() > 0) SetItemIndex(0);
}

void TCustomItemSelector::SelectLast()
{
    SetItemIndex(Items()->Count() - 1);
}

void TCustomItemSelector::SelectNext()
{
    if (Items()->Count() == 0) return;
    const int32_t Target = FItemIndex < 0 ? 0 : FItemIndex + 1;
    if (Target < Items()->Count()) SetItemIndex(Target);
}

void TCustomItemSelector::SelectPrevious()
{
    if (Items()->Count() == 0) return;
    const int32_t Target = FItemIndex < 0 ? 0 : FItemIndex - 1;
    if (Target >= 0) SetItemIndex(Target);
}

void TCustomItemSelector::StepHot(int32_t Delta)
{
    if (Items()->Count() == 0) return;
    const int32_t Target = FItemHot < 0 ? 0 : FItemHot + Delta;
    if (Target >= 0 && Target < Items()->Count()) SetItemHot(Target);
}

void TCustomItemSelector::HotNext()
{
    StepHot(1);
}

void TCustomItemSelector::HotPrevious()
{
    StepHot(-1);
}

bool TCustomItemSelector::LookupItem(const QString& S)
{
    for (int32_t I = 0; I < Items()->Count(); ++I) {
        if (!MarkupToPlainText(Items()->Items(I)->Caption()).trimmed().toUpper().startsWith(S)) continue;
        SetItemIndex(I);
        return true;
    }
    return false;
}

TRect TCustomItemSelector::GetItemRect(int32_t Index) const
{
    return IsValid(Index) ? Items()->Items(Index)->ItemRect() : TRect{-1, -1, -1, -1};
}

int32_t TCustomItemSelector::ItemAtPos(int32_t X, int32_t Y) const
{
    for (int32_t I = 0; I < Items()->Count(); ++I)
        if (PtInRect(Items()->Items(I)->ItemRect(), {X, Y})) return I;
    return -1;
}

void TCustomItemSelector::InvalidateItem(int32_t Index)
{
    if (!IsValid(Index) || !HandleAllocated()) return;
    const TRect R = GetItemRect(Index);
    InvalidateRect(Handle(), &R, true);
}

// ---- Layout ----

void TCustomItemSelector::GetItemsArea(TRect& R) const
{
    R = ClientRect();
    R.Left += FOffSetX;
    R.Right -= FOffSetX;
    R.Top += FOffSetY;
    R.Bottom -= FOffSetY;
}

void TCustomItemSelector::GetItemSize(TSize& ASize)
{
    if (FExtItemSelector->OnItemSize) {
        FExtItemSelector->OnItemSize(this, ASize);
        return;
    }
    int32_t CW = 0, CH = 0, TW = 0, TH = 0;
    if (SelectorType() == stColor) {
        CW = ColorBoxWidth();
        CH = ColorBoxHeight();
    }
    Canvas()->Font()->Assign(FExtItemSelector->ItemAppearance()->Font());
    for (int32_t I = 0; I < Items()->Count(); ++I) {
        const TSelectorItem* Item = Items()->Items(I);
        if (SelectorType() == stImage) {
            if (Item->HasPicture()) {
                CH = std::max(CH, Item->Image()->Graphic()->Height());
                CW = std::max(CW, Item->Image()->Graphic()->Width());
            } else if (Images() && Item->ImageIndex() >= 0) {
                CH = std::max(CH, Images()->Height());
                CW = std::max(CW, Images()->Width());
            }
        }
        TSize Text;
        DrawMarkupText(Canvas(), Item->Caption(), Rect(0, 0, 1000, 500), Text, Images(), true, Handle());
        TW = std::max(TW, Text.cx);
        TH = std::max(TH, Text.cy);
    }
    if (TW > 0) TW += 4;
    if (ItemLayout() == ilCaptionLeft || ItemLayout() == ilCaptionRight) {
        ASize.cx = 2 * FItemOffSetX + (CW > 0 ? CW : 0) + (CW > 0 && TW > 0 ? FCaptionGap : 0) + (TW > 0 ? TW : 0);
        ASize.cy = std::max(TH, CH) + 2 * FItemOffSetY;
    } else {
        ASize.cx = std::max(TW, CW) + 2 * FItemOffSetX;
        ASize.cy = 2 * FItemOffSetY + (CH > 0 ? CH : 0) + (CH > 0 && TH >= 1 ? FCaptionGap : 0) + (TH >= 1 ? TH : 0);
    }
}

void TCustomItemSelector::ArrangeItems()
{
    const int32_t Count = Items()->Count();
    if (Count == 0) {
        SetBounds(Left(), Top(), 100, 50);
        return;
    }
    FItemHot = -1;
    TSize Size{0, 0};
    GetItemSize(Size);
    TRect Area;
    GetItemsArea(Area);
    int32_t X = Area.Left, Y = Area.Top, Widest = 0, Column = 0;
    for (int32_t I = 0; I < Count; ++I) {
        Items()->Items(I)->SetItemRect(Rect(X, Y, X + Size.cx, Y + Size.cy));
        ++Column;
        if (I == Count - 1) break;
        if (Column < Columns()) {
            X += Size.cx;
        } else {
            Widest = std::max(Widest, X);
            Y += Size.cy;
            X = Area.Left;
            Column = 0;
        }
    }
    SetBounds(Left(), Top(), std::max(Widest, X) + Size.cx + Area.Left, Y + Size.cy + Area.Top);
    Invalidate();
}

// ---- Painting ----

void TCustomItemSelector::Paint()
{
    TCanvas* C = Canvas();
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(Color());
    C->FillRect(ClientRect());
    DrawItems(C);
}

void TCustomItemSelector::DrawItems(TCanvas* Canvas)
{
    for (int32_t I = 0; I < Items()->Count(); ++I) DrawItem(I, Canvas);
}

void TCustomItemSelector::DrawItem(int32_t Index, TCanvas* Canvas)
{
    if (!IsValid(Index) || !Canvas) return;
    TSelectorItem* Item = Items()->Items(Index);
    const TRect R = Item->ItemRect();
    if (R.Left < 0 && R.Right < 0) return;
    const TItemAppearance* Look = FExtItemSelector->ItemAppearance();
    TColor Border = Look->BorderColor(), Top = Look->BorderColorTop(), Bottom = Look->BorderColorBottom(), Edge = Look->EdgeColor();
    TColor From = clNone, To = clNone, Mirror = clNone, MirrorTo = clNone;
    const bool Hot = Index == FItemHot, Selected = Index == FItemIndex;
    const auto TakeState = [&](TColor F, TColor T, TColor M, TColor MT, TColor StateBorder) {
        From = F;
        To = T;
        Mirror = M;
        MirrorTo = MT;
        if (StateBorder != clNone) {
            Border = StateBorder;
            Top = Bottom = Edge = clNone;
        }
    };
    if (Hot) TakeState(Look->ColorHot(), Look->ColorHotTo(), Look->ColorMirrorHot(), Look->ColorMirrorHotTo(), Look->BorderColorHot());
    if (Selected)
        TakeState(Look->ColorSelected(), Look->ColorSelectedTo(), Look->ColorMirrorSelected(), Look->ColorMirrorSelectedTo(),
                  Look->BorderColorSelected());
    if (!Hot && !Selected) {
        Canvas->Brush()->SetStyle(bsSolid);
        Canvas->Brush()->SetColor(Color());
        Canvas->FillRect(R);
    } else if (Top == clNone) {
        DrawBackgroundRect(Canvas, R, From, To, true, 1, Border);
    } else {
        DrawRoundedSelection(Canvas, From, To, Mirror, MirrorTo, Top, Bottom, Border, Edge, Color(), R, 0);
    }
    if (FExtItemSelector->OnDrawItem) {
        FExtItemSelector->OnDrawItem(this, Canvas, R, Index);
        return;
    }
    // The content: a colour box, the item's picture or an image of the list.
    int32_t W = 0, H = 0;
    TGraphic* Picture = nullptr;
    bool ListImage = false;
    if (SelectorType() == stColor) {
        W = ColorBoxWidth();
        H = ColorBoxHeight();
    } else if (Item->HasPicture()) {
        Picture = Item->Image()->Graphic();
        W = Picture->Width();
        H = Picture->Height();
    } else if (Images() && Item->ImageIndex() >= 0) {
        ListImage = true;
        W = Images()->Width();
        H = Images()->Height();
    }
    const bool Content = SelectorType() == stColor || Picture || ListImage;
    // A colour box stands at the top of its room, a picture or an image vertically centred.
    const auto DrawContent = [&](int32_t X, int32_t Y, bool Centre, const TRect& Room) {
        if (SelectorType() == stColor) {
            Canvas->Pen()->SetStyle(psSolid);
            Canvas->Pen()->SetWidth(1);
            Canvas->Pen()->SetColor(clBlack);
            Canvas->Brush()->SetStyle(bsSolid);
            Canvas->Brush()->SetColor(Item->Color());
            Canvas->Rectangle(X, Y, X + W, Y + H);
            return;
        }
        if (Centre) Y = Room.Top + (Room.Height() - H) / 2;
        if (Picture) Canvas->Draw(X, Y, Picture);
        else if (ListImage) Images()->Draw(Canvas, X, Y, Item->ImageIndex(), Item->Enabled());
    };
    TRect T = R;
    InflateRect(T, -FItemOffSetX, -FItemOffSetY);
    TRect B = T;
    Canvas->Font()->Assign(Look->Font());
    if (Hot) Canvas->Font()->SetColor(Look->ColorHotText());
    if (Selected) Canvas->Font()->SetColor(Look->ColorSelectedText());
    const QString Caption = Item->Caption();
    const auto Measure = [&](const TRect& In) {
        TSize Size;
        DrawMarkupText(Canvas, Caption, In, Size, Images(), true, Handle());
        return Size;
    };
    const auto DrawCaption = [&](const TRect& In) {
        TSize Size;
        Canvas->Brush()->SetStyle(bsClear);
        DrawMarkupText(Canvas, Caption, In, Size, Images(), false, Handle());
    };
    switch (ItemLayout()) {
    case ilCaptionLeft:
        if (!Caption.isEmpty()) {
            T.Right -= W;
            const TSize Text = Measure(T);
            if (Text.cy < T.Height()) T.Top += (T.Height() - Text.cy) / 2;
            DrawCaption(T);
            B.Left = T.Left + Text.cx + FCaptionGap;
        }
        if (Content) DrawContent(B.Left, B.Top, true, B);
        break;
    case ilCaptionRight:
        if (Content) {
            DrawContent(B.Left, B.Top, true, B);
            T.Left = B.Left + W + FCaptionGap;
        }
        if (!Caption.isEmpty()) {
            const TSize Text = Measure(T);
            if (Text.cy < T.Height()) T.Top += (T.Height() - Text.cy) / 2;
            DrawCaption(T);
        }
        break;
    case ilCaptionTop:
        if (!Caption.isEmpty()) {
            T.Bottom -= H;
            DrawCaption(T);
            B.Top = T.Top + Measure(T).cy + FCaptionGap;
        } else {
            B.Top += (B.Height() - H) / 2;
        }
        if (Content) DrawContent(B.Left + (B.Width() - W) / 2, B.Top, false, B);
        break;
    case ilCaptionBottom:
        if (Caption.isEmpty()) B.Top += (B.Height() - H) / 2;
        if (Content) {
            DrawContent(B.Left + (B.Width() - W) / 2, B.Top, false, B);
            T.Top = B.Top + H + FCaptionGap;
        }
        if (!Caption.isEmpty()) DrawCaption(T);
        break;
    }
}

// ---- Mouse ----

void TCustomItemSelector::MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    const int32_t Index = ItemAtPos(X, Y);
    if (Index >= 0 && !IsDisabled(Index)) SetItemIndex(Index);
}

void TCustomItemSelector::MouseMove(TShiftState Shift, int32_t X, int32_t Y)
{
    TCustomControl::MouseMove(Shift, X, Y);
    const int32_t Index = ItemAtPos(X, Y);
    if (Index >= 0 && Index != FItemHot) {
        SetItemHot(IsDisabled(Index) ? -1 : Index);
        SetHint(Items()->Items(Index)->Hint());
        Application->CancelHint();
    } else if (Index < 0 && FItemHot >= 0) {
        SetItemHot(-1);
    }
}

void TCustomItemSelector::Dispatch(TMessage& Message)
{
    TCustomControl::Dispatch(Message);
    if (Message.Msg == CM_MOUSELEAVE && Message.LParam == 0 && FItemHot >= 0) SetItemHot(-1);
}
