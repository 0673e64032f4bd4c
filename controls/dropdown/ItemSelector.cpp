// TExtCustomItemSelector: the host's settings, selecting through the panel and scrolling items into view.
#include "dropdown/ItemSelector.h"

#include "dropdown/ItemAppearance.h"
#include "dropdown/SelectorItems.h"

#include "graphics/ImageList.h"

TExtCustomItemSelector::TExtCustomItemSelector(TComponent* AOwner)
    : TScrollingWinControl(AOwner), FItems(std::make_unique<TSelectorItems>(this)),
      FItemAppearance(std::make_unique<TItemAppearance>(this))
{
    SetAutoScroll(true);
    SetParentColor(false);
    SetColor(clWindow);
    FItems->OnChange = [this](TObject*) { UpdateSelectorPanel(); };
    FItemAppearance->OnChange = [](TObject*) {};
    FItemSelectorPanel = New<TCustomItemSelector>(this);
    FItemSelectorPanel->SetParent(this);
    FItemSelectorPanel->OnItemSelect = [this](TObject*) {
        if (OnItemSelect) OnItemSelect(this);
    };
}

TExtCustomItemSelector::~TExtCustomItemSelector()
{
    FItems->OnChange = nullptr;
}

void TExtCustomItemSelector::AfterConstruction()
{
    TScrollingWinControl::AfterConstruction();
    UpdateSelectorPanel();
}

void TExtCustomItemSelector::UpdateSelectorPanel()
{
    if (FItemSelectorPanel) FItemSelectorPanel->ArrangeItems();
}

void TExtCustomItemSelector::SetItems(TSelectorItems* Value)
{
    // Copying items tells nobody: the caller lays them out.
    const auto Handler = std::exchange(FItems->OnChange, nullptr);
    FItems->Assign(Value);
    FItems->OnChange = Handler;
}

void TExtCustomItemSelector::SetItemAppearance(TItemAppearance* Value)
{
    FItemAppearance->Assign(Value);
}

void TExtCustomItemSelector::SetSelectorType(TSelectorType Value)
{
    if (FSelectorType == Value) return;
    FSelectorType = Value;
    UpdateSelectorPanel();
}

void TExtCustomItemSelector::SetColumns(int32_t Value)
{
    if (Value <= 0 || FColumns == Value) return;
    FColumns = Value;
    UpdateSelectorPanel();
}

void TExtCustomItemSelector::SetColorBoxWidth(int32_t Value)
{
    if (FColorBoxWidth == Value) return;
    FColorBoxWidth = Value;
    UpdateSelectorPanel();
}

void TExtCustomItemSelector::SetColorBoxHeight(int32_t Value)
{
    if (FColorBoxHeight == Value) return;
    FColorBoxHeight = Value;
    UpdateSelectorPanel();
}

void TExtCustomItemSelector::SetImages(TCustomImageList* Value)
{
    if (FImages == Value) return;
    FImages = Value;
    if (Value) Value->FreeNotification(this);
    UpdateSelectorPanel();
}

int32_t TExtCustomItemSelector::ItemIndex() const
{
    return FItemSelectorPanel ? FItemSelectorPanel->ItemIndex() : -1;
}

void TExtCustomItemSelector::SetItemIndex(int32_t Value)
{
    if (!FItemSelectorPanel) return;
    FItemSelectorPanel->SetItemIndex(Value);
    ScrollItemInView(FItemSelectorPanel->ItemIndex());
}

int32_t TExtCustomItemSelector::ItemHot() const
{
    return FItemSelectorPanel ? FItemSelectorPanel->ItemHot() : -1;
}

void TExtCustomItemSelector::SelectFirst()
{
    if (!FItemSelectorPanel) return;
    FItemSelectorPanel->SelectFirst();
    ScrollItemInView(FItemSelectorPanel->ItemIndex());
}

void TExtCustomItemSelector::SelectLast()
{
    if (!FItemSelectorPanel) return;
    FItemSelectorPanel->SelectLast();
    ScrollItemInView(FItemSelectorPanel->ItemIndex());
}

void TExtCustomItemSelector::SelectNext()
{
    if (!FItemSelectorPanel) return;
    FItemSelectorPanel->SelectNext();
    ScrollItemInView(FItemSelectorPanel->ItemIndex());
}

void TExtCustomItemSelector::SelectPrevious()
{
    if (!FItemSelectorPanel) return;
    FItemSelectorPanel->SelectPrevious();
    ScrollItemInView(FItemSelectorPanel->ItemIndex());
}

void TExtCustomItemSelector::HotNext()
{
    if (!FItemSelectorPanel) return;
    FItemSelectorPanel->HotNext();
    ScrollItemInView(FItemSelectorPanel->ItemHot());
}

void TExtCustomItemSelector::HotPrevious()
{
    if (!FItemSelectorPanel) return;
    FItemSelectorPanel->HotPrevious();
    ScrollItemInView(FItemSelectorPanel->ItemHot());
}

bool TExtCustomItemSelector::LookupItem(const QString& S)
{
    return FItemSelectorPanel && FItemSelectorPanel->LookupItem(S);
}

void TExtCustomItemSelector::ScrollItemInView(int32_t Index)
{
    if (!FItemSelectorPanel || Index < 0 || Index >= FItems->Count() || !VertScrollBar()->IsScrollBarVisible()) return;
    TRect R = FItemSelectorPanel->GetItemRect(Index);
    const int32_t Margin = VertScrollBar()->Margin();
    R.Top -= Margin;
    R.Bottom += Margin;
    OffsetRect(R, FItemSelectorPanel->Left(), FItemSelectorPanel->Top());
    const int32_t Client = ClientHeight();
    if (R.Top < 0) {
        VertScrollBar()->SetPosition(VertScrollBar()->Position() + R.Top);
    } else if (R.Bottom > Client) {
        if (R.Height() > Client) R.Bottom = R.Top + Client;
        VertScrollBar()->SetPosition(VertScrollBar()->Position() + R.Bottom - Client);
    }
}

int32_t TExtCustomItemSelector::GetVisibleItemCount() const
{
    if (!FItemSelectorPanel || FItems->Count() == 0) return 0;
    int32_t Room = Height();
    if (HorzScrollBar()->IsScrollBarVisible()) Room -= 20;
    const int32_t CellHeight = FItemSelectorPanel->GetItemRect(0).Height();
    // Cells of no height show no whole rows.
    if (CellHeight <= 0) return 0;
    return Room / CellHeight * FColumns;
}

TSize TExtCustomItemSelector::GetPanelSize() const
{
    if (!FItemSelectorPanel) return {100, 50};
    return {FItemSelectorPanel->Width(), FItemSelectorPanel->Height()};
}

void TExtCustomItemSelector::Notification(TComponent* AComponent, TOperation Operation)
{
    TScrollingWinControl::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == FImages && !ComponentState().Contains(csDestroying)) FImages = nullptr;
    if (AComponent == FItemSelectorPanel) FItemSelectorPanel = nullptr;
}

void TExtCustomItemSelector::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_GETDLGCODE: Message.Result = DLGC_WANTARROWS | DLGC_WANTALLKEYS; break;
    case WM_VSCROLL:
        TScrollingWinControl::Dispatch(Message);
        // The list follows the thumb while it is dragged.
        if (Message.LParam == 0 && TWMScroll(Message).ScrollCode() == SB_THUMBTRACK)
            VertScrollBar()->SetPosition(TWMScroll(Message).Pos());
        break;
    default: TScrollingWinControl::Dispatch(Message); break;
    }
}
