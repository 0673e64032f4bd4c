// TExtDetailDropDown: detail items, completion of typed text, the list in the pop-up with its keys and search, item painting.
#include "dropdown/DetailPicker.h"

#include "dropdown/DropDownForm.h"
#include "dropdown/DropDownUtil.h"
#include "dropdown/ItemAppearance.h"
#include "dropdown/ItemSelector.h"
#include "dropdown/PickerSearch.h"
#include "dropdown/PopupAppearance.h"
#include "dropdown/ScopedFlag.h"
#include "dropdown/SelectorItems.h"

#include "graphics/Canvas.h"
#include "graphics/DrawText.h"
#include "graphics/GraphicsObjects.h"
#include "graphics/ImageList.h"
#include "graphics/Picture.h"
#include "windows/SystemMetrics.h"

namespace {

// At most this many characters of a caption complete the typed text.
constexpr qsizetype MaxCompletion = 255;

}  // namespace

// ---- Items ----

TDetailItem::TDetailItem(TCollection* Collection) : TCollectionItem(Collection), FImage(std::make_unique<TPicture>())
{
}

TDetailItem::~TDetailItem() = default;

void TDetailItem::NotifyChange()
{
    if (auto* Items = dynamic_cast<TDetailItems*>(Collection()); Items && Items->OnChange) Items->OnChange(Items);
}

void TDetailItem::SetCaption(const QString& Value)
{
    if (FCaption == Value) return;
    FCaption = Value;
    NotifyChange();
}

void TDetailItem::SetImageIndex(int32_t Value)
{
    if (FImageIndex == Value) return;
    FImageIndex = Value;
    NotifyChange();
}

void TDetailItem::SetImage(TPicture* Value)
{
    FImage->Assign(Value);
}

void TDetailItem::Assign(TPersistent* Source)
{
    if (auto* Item = dynamic_cast<TDetailItem*>(Source)) {
        SetCaption(Item->FCaption);
        SetImageIndex(Item->FImageIndex);
        FImage->Assign(Item->FImage.get());
        FEnabled = Item->FEnabled;
        FNotes = Item->FNotes;
        FTag = Item->FTag;
        FItemObject = Item->FItemObject;
    } else {
        TCollectionItem::Assign(Source);
    }
}

int32_t TDetailItems::IndexOf(const QString& AValue) const
{
    for (int32_t Index = 0; Index < Count(); ++Index)
        if (Items(Index)->Caption() == AValue) return Index;
    return -1;
}

// ---- The drop-down ----

TExtDetailDropDown::TExtDetailDropDown(TComponent* AOwner)
    : TExtCustomDropDown(AOwner), FItems(std::make_unique<TDetailItems>(this)),
      FItemAppearance(std::make_unique<TItemAppearance>(this)), FSearch(std::make_unique<TPickerSearch>()),
      FCaptionFont(std::make_unique<TFont>()), FNotesFont(std::make_unique<TFont>())
{
    FItems->OnChange = [](TObject*) {};
}

TExtDetailDropDown::~TExtDetailDropDown()
{
    // The selector stays in the pop-up until the base class frees it, and the pop-up aligns it
    // on the way: it calls this part of the object no more.
    if (FItemSelector) {
        FItemSelector->OnDrawItem = nullptr;
        FItemSelector->OnItemSize = nullptr;
        FItemSelector->OnItemSelect = nullptr;
        FItemSelector->OnResize = nullptr;
    }
}

void TExtDetailDropDown::AfterConstruction()
{
    TExtCustomDropDown::AfterConstruction();
    SetAutoSize(false);
    SetEditorEnabled(true);
    SetDropDownEnabled(true);
    FCaptionFont->Assign(Font());
    FNotesFont->Assign(Font());
}

void TExtDetailDropDown::SetItems(TDetailItems* Value)
{
    FItems->Assign(Value);
}

void TExtDetailDropDown::SetItemAppearance(TItemAppearance* Value)
{
    FItemAppearance->Assign(Value);
}

void TExtDetailDropDown::SetCaptionFont(TFont* Value)
{
    FCaptionFont->Assign(Value);
}

void TExtDetailDropDown::SetNotesFont(TFont* Value)
{
    FNotesFont->Assign(Value);
}

void TExtDetailDropDown::SetItemIndex(int32_t Value)
{
    if (Value == FItemIndex) return;
    if (Value >= 0 && Value < FItems->Count()) {
        FItemIndex = Value;
        SetText(FItems->Items(Value)->Caption());
        SelectAll();
        Invalidate();
        if (FItemSelector) FItemSelector->Invalidate();
        if (OnSelect) OnSelect(this);
    } else if (Value == -1) {
        SetText(QString());
        FItemIndex = -1;
    }
}

void TExtDetailDropDown::SelectFirst()
{
    if (FItems->Count() > 0) SetItemIndex(0);
}

void TExtDetailDropDown::SelectLast()
{
    if (FItems->Count() > 0) SetItemIndex(FItems->Count() - 1);
}

void TExtDetailDropDown::SelectNext()
{
    if (FItems->Count() == 0) return;
    if (FItemIndex < 0) SetItemIndex(0);
    else if (FItemIndex + 1 < FItems->Count()) SetItemIndex(FItemIndex + 1);
}

void TExtDetailDropDown::SelectPrevious()
{
    if (FItems->Count() == 0) return;
    if (FItemIndex < 0) SetItemIndex(0);
    else if (FItemIndex > 0) SetItemIndex(FItemIndex - 1);
}

void TExtDetailDropDown::SetComponentStyle(TVyxStyle AStyle)
{
    TExtCustomDropDown::SetComponentStyle(AStyle);
    ApplyItemAppearanceStyle(FItemAppearance.get(), AStyle);
}

void TExtDetailDropDown::SetSelectionColorStyle(TSelectionColorStyle Value)
{
    TExtCustomDropDown::SetSelectionColorStyle(Value);
    if (FItemSelector) FItemSelector->ItemAppearance()->SetColorStyle(Value);
}

// ---- The pop-up ----

void TExtDetailDropDown::CreateDropDownForm()
{
    TExtCustomDropDown::CreateDropDownForm();
    if (!DropDownForm()) return;
    if (!FItemSelector) {
        FItemSelector = New<TExtCustomItemSelector>(this);
        FItemSelector->SetParent(DropDownForm());
        FItemSelector->SetSelectorType(stImage);
        FItemSelector->SetBounds(0, 0, FItemSelector->Width(), 150);
        FItemSelector->SetDoubleBuffered(true);
        FItemSelector->OnDrawItem = [this](TObject*, TCanvas* Canvas, TRect R, int32_t Index) { DrawDetailItem(Canvas, R, Index); };
        FItemSelector->OnItemSize = [this](TObject*, TSize& Size) { DetailItemSize(Size); };
        FItemSelector->UpdateSelectorPanel();
        FItemSelector->OnResize = [this](TObject*) { FItemSelector->UpdateSelectorPanel(); };
    }
    FItemSelector->SetColor(DropDownColor());
    FItemSelector->UpdateSelectorPanel();
    SetControl(FItemSelector);
}

void TExtDetailDropDown::UpdateSelector()
{
    if (!FItemSelector) return;
    FItemSelector->OnItemSelect = nullptr;
    FItemSelector->SetColumns(1);
    FItemSelector->SetImages(Images());
    FItemSelector->SetItemLayout(FLayout);
    FItemSelector->SetColor(DropDownColor());
    FItemSelector->ItemAppearance()->Assign(FItemAppearance.get());
    TSelectorItems* Items = FItemSelector->Items();
    Items->Clear();
    for (int32_t Index = 0; Index < FItems->Count(); ++Index) {
        const TDetailItem* Detail = FItems->Items(Index);
        TSelectorItem* Item = Items->Add();
        Item->SetCaption(Detail->Caption());
        Item->SetImage(Detail->Image());
        Item->SetImageIndex(Detail->ImageIndex());
    }
    FItemSelector->UpdateSelectorPanel();
    FItemSelector->SetItemIndex(FItemIndex);
    FItemSelector->OnItemSelect = [this](TObject*) { ItemSelected(); };
}

void TExtDetailDropDown::BeforeDropDown()
{
    TExtCustomDropDown::BeforeDropDown();
    UpdateSelector();
    FOldItemIndex = FItemIndex;
    FOldText = Text();
}

void TExtDetailDropDown::SizeDropDownForm()
{
    if (FItemSelector) {
        FItemSelector->SetAlign(alNone);
        if (DropDownWidth() <= 0) FItemSelector->SetWidth(Width());
        if (DropDownHeight() <= 0) FItemSelector->SetHeight(100);
    }
    TExtCustomDropDown::SizeDropDownForm();
}

void TExtDetailDropDown::DoShowDropDown()
{
    TExtCustomDropDown::DoShowDropDown();
    if (FItemSelector && FItemSelector->CanFocus()) FItemSelector->SetFocus();
}

void TExtDetailDropDown::DoHideDropDown(bool Cancelled)
{
    const bool WasOpen = DropDownForm() && DropDownForm()->Visible();
    TExtCustomDropDown::DoHideDropDown(Cancelled);
    if (!WasOpen || !Cancelled || !FItemSelector) return;
    // The selection at opening comes back, also when there was none.
    if (FOldItemIndex >= 0) {
        SetItemIndex(FOldItemIndex);
    } else {
        FItemIndex = -1;
        SetText(FOldText);
    }
}

void TExtDetailDropDown::DropDownSizing()
{
    if (FItemSelector) FItemSelector->UpdateSelectorPanel();
}

void TExtDetailDropDown::ItemSelected()
{
    const int32_t Index = FItemSelector->ItemIndex();
    SetItemIndex(Index);
    if (Index >= 0 && Index < FItems->Count()) {
        SetText(FItems->Items(Index)->Caption());
        SelectAll();
    }
    if (!FInternalCall) HideDropDown(false);
}

void TExtDetailDropDown::GoTo(int32_t Target)
{
    if (Target < 0 || Target >= FItemSelector->Items()->Count()) return;
    WithFlag(FInternalCall, [&] {
        FItemSelector->SetItemIndex(Target);
        FItemSelector->ScrollItemInView(Target);
    });
}

void TExtDetailDropDown::SelectNextValue()
{
    if (!DroppedDown() || !FItemSelector) {
        SelectNext();
        return;
    }
    GoTo(FItemSelector->ItemIndex() < 0 ? 0 : FItemSelector->ItemIndex() + 1);
    Invalidate();
}

void TExtDetailDropDown::SelectPreviousValue()
{
    if (!DroppedDown() || !FItemSelector) {
        SelectPrevious();
        return;
    }
    GoTo(FItemSelector->ItemIndex() < 0 ? 0 : FItemSelector->ItemIndex() - 1);
    Invalidate();
}

// ---- Completion and keys ----

void TExtDetailDropDown::Change()
{
    FItemChange = false;
    TExtCustomDropDown::Change();
    if (ComponentState().Contains(csDesigning) || !FWorkMode || FCompleting) return;
    SetIsModified(!Text().isEmpty());
    const QString T = Text();
    const int32_t Caret = std::clamp<int32_t>(SelStart() - static_cast<int32_t>(Prefix().size()), 0, T.size());
    const QString Typed = T.left(Caret);
    const QString Folded = ::MatchCase(Typed, FMatchCase);
    int32_t Found = -1;
    if (!Folded.isEmpty()) {
        for (int32_t Index = 0; Index < FItems->Count() && Found < 0; ++Index)
            if (::MatchCase(FItems->Items(Index)->Caption(), FMatchCase).startsWith(Folded)) Found = Index;
    }
    FCompleting = true;
    if (Found >= 0) {
        const QString Caption = FItems->Items(Found)->Caption();
        FItemIndex = Found;
        FItemIdx = Found;
        FItemSel = static_cast<int32_t>(Typed.size());
        FItemChange = true;
        SetText(Typed + Caption.mid(Typed.size()).left(MaxCompletion));
        const auto Start = static_cast<int32_t>(Prefix().size() + Typed.size());
        SetSelStart(Start);
        SetSelLength(static_cast<int32_t>(Text().size() - Typed.size()));
    } else if (!Typed.isEmpty()) {
        // Whatever followed the caret goes.
        SetText(Typed);
        SetSelStart(static_cast<int32_t>(Prefix().size() + Typed.size()));
    }
    FCompleting = false;
}

void TExtDetailDropDown::KeyDown(uint16_t& Key, TShiftState Shift)
{
    if (FItems->Count() == 0) {
        TExtCustomDropDown::KeyDown(Key, Shift);
        return;
    }
    const uint16_t Pressed = Key;
    if (Pressed == VK_BACK || Pressed == VK_ESCAPE || Pressed == VK_DELETE) {
        FWorkMode = false;
    } else if (Pressed == VK_RETURN) {
        const int32_t Index = FItems->IndexOf(Text());
        if (Index >= 0) {
            SetText(FItems->Items(Index)->Caption());
            SetItemIndex(Index);
            Change();
        }
    } else {
        FWorkMode = true;
    }
    TExtCustomDropDown::KeyDown(Key, Shift);
    if (Pressed == VK_ESCAPE) {
        const int32_t Index = FItems->IndexOf(Text());
        if (Index >= 0) SetItemIndex(Index);
    }
}

void TExtDetailDropDown::KeyUp(uint16_t& Key, TShiftState Shift)
{
    TExtCustomDropDown::KeyUp(Key, Shift);
    if (!FItemChange) return;
    SetItemIndex(FItemIdx);
    FItemChange = false;
}

bool TExtDetailDropDown::ListKey(uint16_t Key)
{
    const bool Open = DroppedDown();
    switch (Key) {
    case VK_PRIOR:
    case VK_NEXT: {
        if (!FItemSelector) break;
        if (FItemSelector->Items()->Count() != FItems->Count()) UpdateSelector();
        const int32_t Visible = FItemSelector->GetVisibleItemCount();
        if (Visible < 1) break;
        const int32_t Current = FItemSelector->ItemIndex();
        if (Key == VK_PRIOR) GoTo(std::max(Current - Visible, 0));
        else GoTo(std::min(Current + Visible, FItems->Count() - 1));
        break;
    }
    case VK_HOME:
    case VK_END:
        if (Open && FItemSelector) {
            WithFlag(FInternalCall, [&] {
                if (Key == VK_HOME) FItemSelector->SelectFirst();
                else FItemSelector->SelectLast();
            });
        } else if (!Open && !EditorEnabled()) {
            if (Key == VK_HOME) SelectFirst();
            else SelectLast();
        }
        break;
    case VK_LEFT:
    case VK_RIGHT:
        if (Open && !EditorEnabled() && FItemSelector) {
            WithFlag(FInternalCall, [&] {
                if (Key == VK_LEFT) FItemSelector->SelectPrevious();
                else FItemSelector->SelectNext();
            });
        }
        break;
    case VK_UP:
    case VK_DOWN:
        if (Open && FItemSelector) {
            const int32_t Current = FItemSelector->ItemIndex();
            GoTo(Current < 0 ? 0 : Current + (Key == VK_UP ? -1 : 1));
            Invalidate();
        } else if (Key == VK_UP) {
            SelectPrevious();
        } else {
            SelectNext();
        }
        break;
    default:
        if (GetKeyState(VK_CONTROL) < 0 || !FItemSelector) break;
        WithFlag(FInternalCall, [&] { FItemSelector->LookupItem(FSearch->Add(QChar(Key).toUpper())); });
        break;
    }
    const bool Navigation = Key == VK_PRIOR || Key == VK_NEXT || Key == VK_LEFT || Key == VK_UP || Key == VK_RIGHT || Key == VK_DOWN;
    return Open && Navigation;
}

void TExtDetailDropDown::Dispatch(TMessage& Message)
{
    if (Message.Msg == WM_KEYDOWN && Enabled() && GetKeyState(VK_MENU) >= 0 && ListKey(static_cast<uint16_t>(Message.WParam)))
        return;
    TExtCustomDropDown::Dispatch(Message);
}

// ---- Painting the list ----

void TExtDetailDropDown::DrawDetailItem(TCanvas* Canvas, TRect R, int32_t Index)
{
    if (OnDrawSelectedImage) {
        OnDrawSelectedImage(this, Canvas, R);
        return;
    }
    if (Index < 0 || Index >= FItems->Count()) return;
    const TDetailItem* Item = FItems->Items(Index);
    const QString& Caption = Item->Caption();
    const auto Place = [&](int32_t W, int32_t H) {
        const int32_t X = Caption.isEmpty() ? R.Left + (R.Width() - W) / 2 : R.Left + 2;
        return Point(X, R.Top + (R.Height() - H) / 2);
    };
    if (Item->Image()->Graphic() && !Item->Image()->Graphic()->Empty()) {
        TGraphic* Picture = Item->Image()->Graphic();
        Picture->SetTransparent(true);
        const TPoint At = Place(Picture->Width(), Picture->Height());
        Canvas->Draw(At.X, At.Y, Picture);
        R.Left += Picture->Width() + 4;
    } else if (Images() && Item->ImageIndex() >= 0) {
        const TPoint At = Place(Images()->Width(), Images()->Height());
        Images()->Draw(Canvas, At.X, At.Y, Item->ImageIndex(), true);
        R.Left += Images()->Width() + 4;
    }
    TColor TextColor = FCaptionFont->Color();
    if (FItemSelector && Index == FItemSelector->ItemHot() && FItemAppearance->ColorHotText() != clNone)
        TextColor = FItemAppearance->ColorHotText();
    if (Index == FItemIndex && FItemAppearance->ColorSelectedText() != clNone) TextColor = FItemAppearance->ColorSelectedText();
    Canvas->Font()->Assign(FCaptionFont.get());
    Canvas->Font()->SetColor(TextColor);
    Canvas->Brush()->SetStyle(bsClear);
    R = Rect(R.Left + 4, R.Top + 2, R.Right - 4, R.Bottom);
    TRect CaptionRect = R;
    DrawText(Canvas->Handle(), Caption, -1, CaptionRect, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    if (Item->Notes().isEmpty()) return;
    R.Top += Canvas->TextHeight(QStringLiteral("gh"));
    Canvas->Font()->Assign(FNotesFont.get());
    Canvas->Font()->SetColor(TextColor);
    TSize Size;
    DrawMarkupText(Canvas, Item->Notes(), R, Size, Images(), false);
}

void TExtDetailDropDown::DetailItemSize(TSize& ASize)
{
    int32_t Width = DropDownWidth() > 0 ? DropDownWidth() : (DropDownForm() ? DropDownForm()->Width() : this->Width());
    if (FItemSelector && FItemSelector->VertScrollBar()->IsScrollBarVisible()) Width -= GetSystemMetrics(SM_CXVSCROLL);
    ASize = {Width - 2 * GetSystemMetrics(SM_CXBORDER) - 4, FItemHeight};
}
