// The item store of the list controls, the scroll bar of their column and the owner-draw calls.
#include "windows/private/ListItems.h"

#include "graphics/Canvas.h"
#include "graphics/DrawText.h"
#include "graphics/Gdi.h"
#include "graphics/GraphicsObjects.h"
#include "rtl/StrFuncs.h"
#include "windows/private/ControlCanvas.h"
#include "windows/private/StockMetrics.h"
#include "windows/private/Window.h"

#include <QScrollBar>
#include <QSignalBlocker>

#include <algorithm>

namespace WindowsInternal {

namespace {

// Draws an item as the system draws the items of its list boxes: the highlight colours when
// selected, grey text when disabled, the text two pixels in, a focus rectangle on the focused item.
void DrawStandardItem(HDC DC, TWinControl* Control, const TRect& Rect, const QString& Text, UINT State)
{
    const bool Selected = (State & ODS_SELECTED) && !(State & ODS_DISABLED);
    DC->Font()->Assign(Control->Font());
    if (State & ODS_DISABLED) DC->Font()->SetColor(clGrayText);
    else if (Selected) DC->Font()->SetColor(clHighlightText);
    DC->Brush()->SetColor(Selected ? clHighlight : Control->Color());
    DC->FillRect(Rect);
    TRect TextRect = Rect;
    TextRect.Left += 2;
    DC->Brush()->SetStyle(bsClear);
    DrawText(DC->Handle(), Text, -1, TextRect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if (State & ODS_FOCUS) DrawFocusRect(DC, Rect);
}

}  // namespace

int32_t SortedPosition(const TItemList& Items, const QString& Text)
{
    const auto Found = std::upper_bound(Items.begin(), Items.end(), Text, [](const QString& Value, const TListItem& Item) {
        return AnsiCompareText(Value, Item.Text) < 0;
    });
    return static_cast<int32_t>(Found - Items.begin());
}

int32_t FindItem(const TItemList& Items, int32_t Start, const QString& Text, bool Exact)
{
    const int32_t Count = CountOf(Items);
    if (Start < -1 || Start >= Count) Start = -1;
    for (int32_t Step = 1; Step <= Count; ++Step) {
        const int32_t Index = (Start + Step) % Count;
        const QString& Item = Items[static_cast<size_t>(Index)].Text;
        if (Exact ? Item.compare(Text, Qt::CaseInsensitive) == 0 : Item.startsWith(Text, Qt::CaseInsensitive)) return Index;
    }
    return -1;
}

QString MessageText(LPARAM LParam)
{
    return LParam ? QString::fromUtf16(reinterpret_cast<const char16_t*>(LParam)) : QString();
}

LRESULT CopyToBuffer(const QString& Text, LPARAM LParam)
{
    auto* Buffer = reinterpret_cast<char16_t*>(LParam);
    std::copy_n(Text.utf16(), Text.size(), Buffer);
    Buffer[Text.size()] = 0;
    return Text.size();
}

int32_t MoveTarget(uint16_t Key, int32_t Current, int32_t Page, int32_t Count)
{
    switch (Key) {
    case VK_HOME: return 0;
    case VK_END: return Count - 1;
    default: break;
    }
    if (Current < 0) return 0;
    switch (Key) {
    case VK_UP: return Current - 1;
    case VK_DOWN: return Current + 1;
    case VK_PRIOR: return Current - Page;
    default: return Current + Page;
    }
}

void TColumnScrollBar::Create(HWND Wnd, std::function<void(int32_t)> OnScroll)
{
    FBar = new QScrollBar(Qt::Vertical, WidgetOf(Wnd));
    FBar->setFocusPolicy(Qt::NoFocus);
    FBar->hide();
    QObject::connect(FBar.data(), &QScrollBar::valueChanged, FBar.data(), [Scroll = std::move(OnScroll)](int Value) { Scroll(Value); });
}

void TColumnScrollBar::Update(const QRect& Client, int32_t MaxTop, int32_t Page, int32_t Top)
{
    if (!FBar) return;
    const QSignalBlocker Blocker(FBar.data());
    FBar->setRange(0, MaxTop);
    FBar->setPageStep(Page);
    FBar->setValue(Top);
    FBar->setGeometry(Client.right() + 1 - ScrollBarExtent(), Client.top(), ScrollBarExtent(), Client.height());
    FBar->setVisible(MaxTop > 0);
}

bool TColumnScrollBar::Visible() const
{
    return FBar && !FBar->isHidden();
}

void DrawListItem(TWinControl* Control, UINT CtlType, bool OwnerDraw, HDC DC, const TItemList& Items, int32_t Index,
                  const TRect& Rect, UINT State)
{
    const bool Valid = Index >= 0 && Index < CountOf(Items);
    if (!OwnerDraw) {
        DrawStandardItem(DC, Control, Rect, Valid ? Items[static_cast<size_t>(Index)].Text : QString(), State);
        return;
    }
    DRAWITEMSTRUCT DrawItem;
    DrawItem.CtlType = CtlType;
    DrawItem.CtlID = static_cast<UINT>(GetWindowLong(Control->Handle(), GWL_ID));
    DrawItem.itemID = static_cast<UINT>(Valid ? Index : -1);
    DrawItem.itemAction = ODA_DRAWENTIRE;
    DrawItem.itemState = State;
    DrawItem.hwndItem = Control->Handle();
    DrawItem.hDC = DC;
    DrawItem.rcItem = Rect;
    DrawItem.itemData = Valid ? Items[static_cast<size_t>(Index)].Data : 0;
    Control->Perform(CN_DRAWITEM, DrawItem.CtlID, reinterpret_cast<LPARAM>(&DrawItem));
}

void PaintColumn(TWinControl* Control, UINT CtlType, bool OwnerDraw, HDC DC, const TItemColumn& Column,
                 const std::function<UINT(int32_t)>& StateOf)
{
    int32_t Bottom = Column.Area.Top;
    for (int32_t I = Column.TopIndex; I < Column.Count() && Bottom < Column.Area.Bottom; ++I) {
        const TRect Rect = Column.ItemRect(I);
        DrawListItem(Control, CtlType, OwnerDraw, DC, *Column.Items, I, Rect, StateOf(I));
        Bottom = Rect.Bottom;
    }
    if (Bottom < Column.Area.Bottom) {
        DC->Brush()->SetColor(Control->Color());
        DC->FillRect({Column.Area.Left, Bottom, Column.Area.Right, Column.Area.Bottom});
    }
}

void HandleDrawItem(TWinControl* Control, TCanvas* Canvas, const DRAWITEMSTRUCT& DrawItem,
                    const std::function<void(int32_t Index, const TRect& Rect, TOwnerDrawState State)>& Draw)
{
    const auto State = TOwnerDrawState::FromInt(DrawItem.itemState & 0xFFFF);
    const auto Index = static_cast<int32_t>(DrawItem.itemID);
    const TCanvasBinding Binding(Canvas, DrawItem.hDC);
    Canvas->Font()->Assign(Control->Font());
    Canvas->Brush()->Assign(Control->Brush());
    if (Index >= 0 && State.Contains(odSelected)) {
        Canvas->Brush()->SetColor(clHighlight);
        Canvas->Font()->SetColor(clHighlightText);
    }
    if (Index >= 0) Draw(Index, DrawItem.rcItem, State);
    else Canvas->FillRect(DrawItem.rcItem);
    if (State.Contains(odFocused)) DrawFocusRect(DrawItem.hDC, DrawItem.rcItem);
}

void HandleMeasureItem(MEASUREITEMSTRUCT& MeasureItem, int32_t ItemHeight, bool Variable,
                       const std::function<void(int32_t Index, int32_t& Height)>& Measure)
{
    auto Height = ItemHeight;
    if (Variable) Measure(static_cast<int32_t>(MeasureItem.itemID), Height);
    MeasureItem.itemHeight = static_cast<UINT>(Height);
}

int32_t MeasureOwnerItem(TWinControl* Control, UINT CtlType, int32_t Index, uintptr_t Data)
{
    MEASUREITEMSTRUCT MeasureItem;
    MeasureItem.CtlType = CtlType;
    MeasureItem.itemID = static_cast<UINT>(Index);
    MeasureItem.itemWidth = static_cast<UINT>(Control->Width());
    MeasureItem.itemData = Data;
    Control->Perform(CN_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&MeasureItem));
    return static_cast<int32_t>(MeasureItem.itemHeight);
}

}  // namespace WindowsInternal
