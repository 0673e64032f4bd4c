// TCustomColorSelector: the default palette, layout, box frames by position, selection and hot rules, mouse and keys.
#include "dropdown/ColorSelector.h"

#include "dropdown/HexColor.h"

#include "graphics/Canvas.h"
#include "windows/Messages.h"

namespace {

constexpr int32_t PaletteColumns = 10;
constexpr TItemPos PaletteRows[] = {ipStandAlone, ipTop, ipMiddle, ipMiddle, ipMiddle, ipBottom};
constexpr uint32_t PaletteColors[][PaletteColumns] = {
    {0xFFFFFF, 0x000000, 0xEEECE1, 0x1F497D, 0x4F81BD, 0xC0504D, 0x9BBB59, 0x8064A2, 0x4BACC6, 0xF79646},
    {0xF2F2F2, 0x7F7F7F, 0xDDD9C3, 0xC2CEDA, 0xDBE5F1, 0xF2DCDB, 0xEBF1DD, 0xE5E0EC, 0xDBEEF3, 0xFDEADA},
    {0xD8D8D8, 0x595959, 0xC4BD97, 0x8DB3E2, 0xB8CCE4, 0xE5B9B7, 0xD7E3BC, 0xCCC1D9, 0xB7DDE8, 0xFBD5B5},
    {0xBFBFBF, 0x3F3F3F, 0x938953, 0x548DD4, 0x95B3D7, 0xD99694, 0xC3D69B, 0xB2A2C7, 0x92CDDC, 0xFAC08F},
    {0xA5A5A5, 0x262626, 0x494429, 0x17365D, 0x366092, 0x953734, 0x76923C, 0x5F497A, 0x31859B, 0xE36C09},
    {0x7F7F7F, 0x0C0C0C, 0x1D1B10, 0x0F243E, 0x244061, 0x632423, 0x4F6128, 0x3F3151, 0x205867, 0x974806},
};

}  // namespace

// ---- Items and appearance ----

void TColorBoxItem::SetColor(TColor Value)
{
    if (FColor == Value) return;
    FColor = Value;
    if (auto* Items = dynamic_cast<TColorBoxItems*>(Collection()); Items && Items->OnChange) Items->OnChange(Items);
}

void TColorBoxItem::Assign(TPersistent* Source)
{
    if (auto* Item = dynamic_cast<TColorBoxItem*>(Source)) {
        SetColor(Item->Color());
        FEnabled = Item->Enabled();
        FColorBoxPos = Item->ColorBoxPos();
    } else {
        TCollectionItem::Assign(Source);
    }
}

void TColorBoxAppearance::CopyColors(const TColorBoxAppearance& Source)
{
    FBorderColor = Source.FBorderColor;
    FOuterBorderColorHot = Source.FOuterBorderColorHot;
    FInnerBorderColorHot = Source.FInnerBorderColorHot;
    FOuterBorderColorSelected = Source.FOuterBorderColorSelected;
    FInnerBorderColorSelected = Source.FInnerBorderColorSelected;
}

void TColorBoxAppearance::ResetColors()
{
    CopyColors(TColorBoxAppearance());
}

void TColorBoxAppearance::Assign(TPersistent* Source)
{
    if (auto* Appearance = dynamic_cast<TColorBoxAppearance*>(Source)) CopyColors(*Appearance);
    else TPersistent::Assign(Source);
}

// ---- Selector ----

TCustomColorSelector::TCustomColorSelector(TComponent* AOwner)
    : TExtCustomColorSelectorPanel(AOwner), FColorBoxAppearance(std::make_unique<TColorBoxAppearance>()),
      FItems(std::make_unique<TColorBoxItems>(this))
{
    SetParentColor(true);
}

TCustomColorSelector::~TCustomColorSelector() = default;

void TCustomColorSelector::AddDefaultPalette()
{
    FItems->Clear();
    for (size_t Row = 0; Row < std::size(PaletteRows); ++Row) {
        for (uint32_t Color : PaletteColors[Row]) {
            TColorBoxItem* Item = FItems->Add();
            Item->SetColor(HexColor(Color));
            Item->SetColorBoxPos(PaletteRows[Row]);
        }
    }
}

bool TCustomColorSelector::IsDisabledItem(int32_t Index) const
{
    return Index >= 0 && Index < FItems->Count() && !FItems->Items(Index)->Enabled();
}

void TCustomColorSelector::DrawItemNow(int32_t Index)
{
    if (HandleAllocated()) DrawItem(Index, Canvas());
}

void TCustomColorSelector::SetItemIndex(int32_t Value)
{
    if (IsDisabledItem(Value)) return;
    // Past the boxes the collection raises its index error before anything changes.
    const TColorBoxItem* Item = Value >= 0 ? FItems->Items(Value) : nullptr;
    if (FItemIndex >= 0 && FItemIndex != Value) {
        const int32_t Old = FItemIndex;
        FItemIndex = -1;
        InvalidateItem(Old);
    }
    FItemIndex = Value;
    if (!Item) return;
    FSelectedColor = Item->Color();
    DrawItemNow(Value);
    if (OnItemSelect) OnItemSelect(this);
}

void TCustomColorSelector::SetItemHot(int32_t Index)
{
    if (Index == FItemHot || IsDisabledItem(Index)) return;
    if (FItemHot >= 0) {
        const int32_t Old = FItemHot;
        FItemHot = -1;
        InvalidateItem(Old);
    }
    FItemHot = Index;
    if (Index >= 0) DrawItemNow(Index);
}

void TCustomColorSelector::SetSelectedColor(TColor AColor)
{
    if (FSelectedColor == AColor) return;
    FSelectedColor = AColor;
    if (AColor == clNone) SetItemIndex(-1);
    for (int32_t Index = 0; Index < FItems->Count(); ++Index) {
        if (FItems->Items(Index)->Color() == AColor) {
            SetItemIndex(Index);
            return;
        }
    }
    SetItemIndex(-1);
}

void TCustomColorSelector::SetItemColorStyle(TSelectionColorStyle Value)
{
    if (FItemColorStyle == Value) return;
    FItemColorStyle = Value;
    if (Value != scCustom) FColorBoxAppearance->ResetColors();
}

void TCustomColorSelector::SetColumnGap(int32_t Value)
{
    if (FColumnGap == Value) return;
    FColumnGap = Value;
    ArrangeItems();
}

void TCustomColorSelector::SetColumns(int32_t Value)
{
    if (FColumns == Value) return;
    FColumns = Value;
    ArrangeItems();
}

void TCustomColorSelector::SetColorBoxHeight(int32_t Value)
{
    if (FColorBoxHeight == Value) return;
    FColorBoxHeight = Value;
    ArrangeItems();
}

void TCustomColorSelector::SetColorBoxWidth(int32_t Value)
{
    if (FColorBoxWidth == Value) return;
    FColorBoxWidth = Value;
    ArrangeItems();
}

void TCustomColorSelector::SelectFirst()
{
    if (FItems->Count() > 0) SetItemIndex(0);
}

void TCustomColorSelector::SelectLast()
{
    if (FItems->Count() > 0) SetItemIndex(FItems->Count() - 1);
}

void TCustomColorSelector::SelectNext()
{
    if (FItemIndex + 1 < FItems->Count()) SetItemIndex(FItemIndex + 1);
}

void TCustomColorSelector::SelectPrevious()
{
    if (FItemIndex - 1 >= 0) SetItemIndex(FItemIndex - 1);
}

void TCustomColorSelector::HotNext()
{
    if (FItemHot + 1 < FItems->Count()) SetItemHot(FItemHot + 1);
}

void TCustomColorSelector::HotPrevious()
{
    if (FItemHot - 1 >= 0) SetItemHot(FItemHot - 1);
}

void TCustomColorSelector::HandleKey(uint16_t Key, bool EditorEnabled, bool DroppedDown)
{
    if (!Enabled()) return;
    const auto RowStep = [this](int32_t Step) {
        const int32_t Target = FItemIndex < 0 ? 0 : FItemIndex + Step;
        if (Target >= 0 && Target < FItems->Count()) SetItemIndex(Target);
    };
    switch (Key) {
    case VK_PRIOR:
    case VK_HOME: SelectFirst(); break;
    case VK_NEXT:
    case VK_END: SelectLast(); break;
    case VK_LEFT:
        if (DroppedDown || !EditorEnabled) SelectPrevious();
        break;
    case VK_RIGHT:
        if (DroppedDown || !EditorEnabled) SelectNext();
        break;
    case VK_UP:
        if (DroppedDown) RowStep(-FColumns);
        else SelectPrevious();
        break;
    case VK_DOWN:
        if (DroppedDown) RowStep(FColumns);
        else SelectNext();
        break;
    default: break;
    }
}

void TCustomColorSelector::GetItemsArea(TRect& R)
{
    R = ClientRect();
    R = Rect(R.Left + FOffSetX, R.Top + FOffSetY, R.Right - FOffSetX, R.Bottom - FOffSetY);
}

void TCustomColorSelector::GetItemSize(TSize& ASize)
{
    ASize = {FColorBoxWidth, FColorBoxHeight};
}

void TCustomColorSelector::ArrangeItems()
{
    if (FItems->Count() == 0) {
        SetBounds(Left(), Top(), 100, 50);
        return;
    }
    FItemHot = -1;
    TSize Size;
    GetItemSize(Size);
    TRect Area;
    GetItemsArea(Area);
    int32_t X = Area.Left;
    int32_t Y = Area.Top;
    int32_t Widest = 0;
    int32_t Column = 0;
    bool GapPending = false;
    const int32_t Last = FItems->Count() - 1;
    for (int32_t Index = 0; Index <= Last; ++Index) {
        TColorBoxItem* Item = FItems->Items(Index);
        Item->SetRect(Rect(X, Y, X + Size.cx, Y + Size.cy));
        ++Column;
        if (Index == Last) break;
        if (Item->ColorBoxPos() == ipStandAlone) GapPending = true;
        if (Column < FColumns) {
            X += Size.cx + FColumnGap;
        } else {
            if (GapPending) {
                Y += FColumnGap;
                GapPending = false;
            }
            Y += Size.cy;
            Widest = std::max(Widest, X);
            X = Area.Left;
            Column = 0;
        }
    }
    SetBounds(Left(), Top(), std::max(Widest, X) + Size.cx + Area.Left + 1, Y + Size.cy + Area.Top);
}

void TCustomColorSelector::InvalidateItem(int32_t Index)
{
    if (Index < 0 || Index >= FItems->Count() || !HandleAllocated()) return;
    const TRect R = FItems->Items(Index)->Rect();
    InvalidateRect(Handle(), &R, true);
}

void TCustomColorSelector::DrawItem(int32_t Index, TCanvas* ACanvas)
{
    if (Index < 0 || Index >= FItems->Count() || !ACanvas) return;
    const TColorBoxItem* Item = FItems->Items(Index);
    TRect C = Item->Rect();
    if (C.Left < 0 && C.Right < 0) return;

    TColor Outer = FColorBoxAppearance->BorderColor();
    TColor Inner = clNone;
    bool Highlighted = false;
    if (Index == FItemIndex) {
        Outer = FColorBoxAppearance->OuterBorderColorSelected();
        Inner = FColorBoxAppearance->InnerBorderColorSelected();
        Highlighted = true;
    } else if (Index == FItemHot) {
        Outer = FColorBoxAppearance->OuterBorderColorHot();
        Inner = FColorBoxAppearance->InnerBorderColorHot();
        Highlighted = true;
    }
    ACanvas->Pen()->SetWidth(1);
    if (Item->Color() != clNone) {
        ACanvas->Pen()->SetColor(Item->Color());
        ACanvas->Brush()->SetColor(Item->Color());
        ACanvas->Rectangle(C);
    }
    if (Highlighted) {
        ACanvas->Brush()->SetStyle(bsClear);
        if (Outer != clNone) {
            ACanvas->Pen()->SetColor(Outer);
            ACanvas->Rectangle(C);
            C = Rect(C.Left + 1, C.Top + 1, C.Right - 1, C.Bottom - 1);
        }
        if (Inner != clNone) {
            ACanvas->Pen()->SetColor(Inner);
            ACanvas->Rectangle(C);
        }
        return;
    }
    ACanvas->Pen()->SetColor(FColorBoxAppearance->BorderColor());
    const int32_t L = C.Left, T = C.Top, R = C.Right, B = C.Bottom;
    switch (Item->ColorBoxPos()) {
    case ipStandAlone: ACanvas->Polyline({{L, B}, {L, T}, {R, T}, {R, B}, {L, B}}); break;
    case ipTop: ACanvas->Polyline({{L, B}, {L, T}, {R, T}, {R, B}}); break;
    case ipMiddle:
        ACanvas->Polyline({{L, T}, {L, B}});
        ACanvas->Polyline({{R, T}, {R, B}});
        break;
    case ipBottom:
        ACanvas->Polyline({{L, T}, {L, B}, {R, B}});
        ACanvas->Polyline({{R, T}, {R, B + 1}});
        break;
    }
}

void TCustomColorSelector::Paint()
{
    TExtCustomColorSelectorPanel::Paint();
    for (int32_t Index = 0; Index < FItems->Count(); ++Index) DrawItem(Index, Canvas());
}

int32_t TCustomColorSelector::ItemAtPos(int32_t X, int32_t Y) const
{
    for (int32_t Index = 0; Index < FItems->Count(); ++Index)
        if (PtInRect(FItems->Items(Index)->Rect(), Point(X, Y))) return Index;
    return -1;
}

void TCustomColorSelector::MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y)
{
    TExtCustomColorSelectorPanel::MouseDown(Button, Shift, X, Y);
    const int32_t Index = ItemAtPos(X, Y);
    if (Index >= 0 && FItems->Items(Index)->Enabled()) SetItemIndex(Index);
}

void TCustomColorSelector::MouseMove(TShiftState Shift, int32_t X, int32_t Y)
{
    TExtCustomColorSelectorPanel::MouseMove(Shift, X, Y);
    const int32_t Index = ItemAtPos(X, Y);
    if (Index < 0) SetItemHot(-1);
    else if (Index != FItemHot) SetItemHot(FItems->Items(Index)->Enabled() ? Index : -1);
}

void TCustomColorSelector::Dispatch(TMessage& Message)
{
    if (Message.Msg == CM_MOUSELEAVE) SetItemHot(-1);
    TExtCustomColorSelectorPanel::Dispatch(Message);
}
