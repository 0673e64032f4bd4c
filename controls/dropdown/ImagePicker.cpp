// TExtImagePickerDropDown: the selection, filling from an image list or a folder, the selector in the pop-up, keys and the image in the edit.
#include "dropdown/ImagePicker.h"

#include "dropdown/DropDownForm.h"
#include "dropdown/ImageItems.h"
#include "dropdown/ItemAppearance.h"
#include "dropdown/SelectorItems.h"

#include "graphics/Canvas.h"
#include "graphics/ImageList.h"
#include "graphics/Picture.h"
#include "rtl/Files.h"
#include "windows/SystemMetrics.h"
#include "windows/Timer.h"
#include "windows/WindowDC.h"

#include <algorithm>
#include <utility>

TExtImagePickerDropDown::TExtImagePickerDropDown(TComponent* AOwner)
    : TExtCustomDropDown(AOwner), FItems(std::make_unique<TImageItems>(this)),
      FItemAppearance(std::make_unique<TItemAppearance>(this)), FKeyTimer(std::make_unique<TTimer>(nullptr))
{
    SetAutoSize(false);
    SetEditorEnabled(false);
    SetDropDownEnabled(true);
    // The mask edit's SetCursor places the caret.
    TControl::SetCursor(crArrow);
    FItems->OnChange = [](TObject*) {};
    FKeyTimer->SetEnabled(false);
    FKeyTimer->SetInterval(500);
    FKeyTimer->OnTimer = [this](TObject*) {
        FKeyTimer->SetEnabled(false);
        FCurSearch.clear();
    };
}

TExtImagePickerDropDown::~TExtImagePickerDropDown()
{
    FKeyTimer->SetEnabled(false);
}

template <typename F>
void TExtImagePickerDropDown::Internally(const F& Action)
{
    const bool Saved = std::exchange(FInternalCall, true);
    Action();
    FInternalCall = Saved;
}

void TExtImagePickerDropDown::SetItems(TImageItems* Value)
{
    FItems->Assign(Value);
}

void TExtImagePickerDropDown::SetItemAppearance(TItemAppearance* Value)
{
    FItemAppearance->Assign(Value);
}

// ---- The selection ----

void TExtImagePickerDropDown::SetItemIndex(int32_t Value)
{
    if (Value == FItemIndex || Value >= FItems->Count()) return;
    FItemIndex = Value;
    Invalidate();
    if (OnChange) OnChange(this);
    if (OnSelect) OnSelect(this);
}

int32_t TExtImagePickerDropDown::ImageIndex() const
{
    return FItemIndex >= 0 ? FItems->Items(FItemIndex)->ImageIndex() : -1;
}

void TExtImagePickerDropDown::SetImageIndex(int32_t Value)
{
    for (int32_t I = 0; I < FItems->Count(); ++I) {
        if (FItems->Items(I)->ImageIndex() == Value) {
            SetItemIndex(I);
            return;
        }
    }
    SetItemIndex(-1);
}

void TExtImagePickerDropDown::SelectFirst()
{
    if (FItems->Count() > 0) SetItemIndex(0);
}

void TExtImagePickerDropDown::SelectLast()
{
    if (FItems->Count() > 0) SetItemIndex(FItems->Count() - 1);
}

void TExtImagePickerDropDown::SelectNext()
{
    if (FItems->Count() == 0) return;
    if (FItemIndex < 0)
        SetItemIndex(0);
    else if (FItemIndex + 1 < FItems->Count())
        SetItemIndex(FItemIndex + 1);
}

void TExtImagePickerDropDown::SelectPrevious()
{
    if (FItems->Count() == 0) return;
    if (FItemIndex < 0)
        SetItemIndex(0);
    else if (FItemIndex > 0)
        SetItemIndex(FItemIndex - 1);
}

// ---- Filling ----

void TExtImagePickerDropDown::AddImagesFromImageList()
{
    if (!Images()) return;
    for (int32_t I = 0; I < Images()->Count(); ++I) FItems->Add()->SetImageIndex(I);
}

void TExtImagePickerDropDown::AddImagesFromFolder(const QString& AFolder, bool SetImageCaption)
{
    const QString Folder = ExtractFilePath(AFolder);
    TSearchRec Entry;
    if (FindFirst(AFolder, faAnyFile, Entry) != 0) return;
    do {
        TImageItem* Item = FItems->Add();
        try {
            Item->Image()->LoadFromFile(Folder + Entry.Name);
            if (SetImageCaption) Item->SetCaption(Entry.Name);
        } catch (const Exception&) {
            Item->Image()->Assign(nullptr);
        }
    } while (FindNext(Entry) == 0);
    FindClose(Entry);
}

// ---- Looks ----

void TExtImagePickerDropDown::SetComponentStyle(TVyxStyle AStyle)
{
    TExtCustomDropDown::SetComponentStyle(AStyle);
    ApplyItemAppearanceStyle(FItemAppearance.get(), AStyle);
}

void TExtImagePickerDropDown::SetSelectionColorStyle(TSelectionColorStyle Value)
{
    TExtCustomDropDown::SetSelectionColorStyle(Value);
    if (FItemSelector) FItemSelector->ItemAppearance()->SetColorStyle(Value);
}

// ---- The pop-up ----

void TExtImagePickerDropDown::CreateDropDownForm()
{
    TExtCustomDropDown::CreateDropDownForm();
    if (!DropDownForm()) return;
    if (!FItemSelector) {
        FItemSelector = New<TExtCustomItemSelector>(this);
        FItemSelector->SetParent(DropDownForm());
        FItemSelector->SetSelectorType(stImage);
        FItemSelector->SetBounds(0, 0, FItemSelector->Width(), 150);
    }
    FItemSelector->SetColor(DropDownColor());
    FItemSelector->UpdateSelectorPanel();
    SetControl(FItemSelector);
}

void TExtImagePickerDropDown::UpdateSelector()
{
    if (!FItemSelector) return;
    FItemSelector->OnItemSelect = nullptr;
    FItemSelector->SetColumns(FColumns);
    FItemSelector->SetImages(Images());
    FItemSelector->SetItemLayout(FLayout);
    FItemSelector->SetColor(DropDownColor());
    FItemSelector->SetItemAppearance(FItemAppearance.get());
    TSelectorItems* To = FItemSelector->Items();
    const auto Handler = std::exchange(To->OnChange, nullptr);
    To->Clear();
    for (int32_t I = 0; I < FItems->Count(); ++I) {
        const TImageItem* From = FItems->Items(I);
        TSelectorItem* Item = To->Add();
        Item->SetCaption(From->Caption());
        Item->SetImage(From->Image());
        Item->SetImageIndex(From->ImageIndex());
        Item->SetHint(From->Hint());
    }
    To->OnChange = Handler;
    FItemSelector->UpdateSelectorPanel();
    FItemSelector->SetItemIndex(FItemIndex);
    FItemSelector->OnItemSelect = [this](TObject*) { SelectorItemSelect(); };
    FItemSelector->SetShowHint(ShowHint());
}

void TExtImagePickerDropDown::SelectorItemSelect()
{
    SetItemIndex(FItemSelector->ItemIndex());
    if (!FInternalCall) HideDropDown(false);
}

void TExtImagePickerDropDown::BeforeDropDown()
{
    TExtCustomDropDown::BeforeDropDown();
    UpdateSelector();
    if (FItemSelector) {
        if (OnDrawItem) {
            FItemSelector->OnDrawItem = [this](TObject*, TCanvas* Canvas, TRect R, int32_t Index) {
                if (OnDrawItem) OnDrawItem(this, Canvas, R, Index);
            };
        } else {
            FItemSelector->OnDrawItem = nullptr;
        }
    }
    FOldItemIndex = FItemIndex;
}

void TExtImagePickerDropDown::SizeDropDownForm()
{
    if (!FItemSelector) {
        TExtCustomDropDown::SizeDropDownForm();
        return;
    }
    FItemSelector->SetAlign(alNone);
    const TSize Panel = FItemSelector->GetPanelSize();
    if (DropDownWidth() < 1) FItemSelector->SetWidth(Panel.cx);
    if (DropDownHeight() < 1) FItemSelector->SetHeight(Panel.cy);
    TExtCustomDropDown::SizeDropDownForm();
    if (FItemSelector->VertScrollBar()->IsScrollBarVisible())
        DropDownForm()->SetWidth(DropDownForm()->Width() + GetSystemMetrics(SM_CXVSCROLL));
}

void TExtImagePickerDropDown::DoHideDropDown(bool Cancelled)
{
    TExtCustomDropDown::DoHideDropDown(Cancelled);
    if (Cancelled && FItemSelector) SetItemIndex(FOldItemIndex);
}

void TExtImagePickerDropDown::SelectInSelector(int32_t Target)
{
    if (!FItemSelector || Target >= FItemSelector->Items()->Count()) return;
    Internally([&] {
        FItemSelector->SetItemIndex(Target);
        FItemSelector->ScrollItemInView(Target);
    });
}

// The wheel steps the selector's selection while closed: it is first brought up to the items and
// the selection, which may have changed since it was last opened.
void TExtImagePickerDropDown::SelectNextValue()
{
    if (!Enabled() || ReadOnly() || !FItemSelector) return;
    if (DroppedDown()) {
        FItemSelector->HotNext();
        return;
    }
    if (FItemSelector->Items()->Count() != FItems->Count() || FItemSelector->ItemIndex() != FItemIndex)
        UpdateSelector();
    Internally([&] { FItemSelector->SelectNext(); });
}

void TExtImagePickerDropDown::SelectPreviousValue()
{
    if (!Enabled() || ReadOnly() || !FItemSelector) return;
    if (DroppedDown()) {
        FItemSelector->HotPrevious();
        return;
    }
    if (FItemSelector->Items()->Count() != FItems->Count() || FItemSelector->ItemIndex() != FItemIndex)
        UpdateSelector();
    Internally([&] { FItemSelector->SelectPrevious(); });
}

// ---- Keys ----

void TExtImagePickerDropDown::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_KEYDOWN: WMKeyDown(Message); break;
    case WM_PAINT:
        TExtCustomDropDown::Dispatch(Message);
        DrawSelectedImage();
        break;
    default: TExtCustomDropDown::Dispatch(Message); break;
    }
}

void TExtImagePickerDropDown::WMKeyDown(TMessage& Message)
{
    const uint16_t Key = static_cast<uint16_t>(Message.WParam);
    bool EnterHandled = false;
    if (Enabled() && DroppedDown() && Key == VK_RETURN && FItemSelector && FItemSelector->ItemHot() >= 0) {
        FItemSelector->SetItemIndex(FItemSelector->ItemHot());
        EnterHandled = true;
    }
    TExtCustomDropDown::Dispatch(Message);
    if (!Enabled() || GetKeyState(VK_MENU) < 0) return;
    const bool Open = DroppedDown();
    switch (Key) {
    case VK_RETURN:
        if (!EnterHandled && OnSelect) OnSelect(this);
        break;
    case VK_PRIOR:
    case VK_NEXT: {
        if (!FItemSelector) break;
        if (FItemSelector->Items()->Count() != FItems->Count()) UpdateSelector();
        const int32_t Visible = FItemSelector->GetVisibleItemCount();
        if (Visible < 1) break;
        const int32_t Current = FItemSelector->ItemIndex();
        if (Key == VK_PRIOR)
            SelectInSelector(std::max(Current - Visible, 0));
        else
            SelectInSelector(std::min(Current + Visible, FItemSelector->Items()->Count() - 1));
        break;
    }
    case VK_END:
    case VK_HOME:
        if (Open && FItemSelector)
            Internally([&] { Key == VK_END ? FItemSelector->SelectLast() : FItemSelector->SelectFirst(); });
        else if (Key == VK_END)
            SelectLast();
        else
            SelectFirst();
        break;
    case VK_LEFT:
    case VK_RIGHT:
        if (!EditorEnabled() && Open && FItemSelector)
            Internally([&] { Key == VK_LEFT ? FItemSelector->SelectPrevious() : FItemSelector->SelectNext(); });
        break;
    case VK_UP:
    case VK_DOWN:
        if (Open && FItemSelector) {
            const int32_t Current = FItemSelector->ItemIndex();
            const int32_t Target = Current < 0 ? 0 : Key == VK_UP ? Current - FColumns : Current + FColumns;
            if (Target >= 0) SelectInSelector(Target);
        } else if (Key == VK_UP) {
            SelectPrevious();
        } else {
            SelectNext();
        }
        break;
    default:
        if (GetKeyState(VK_CONTROL) < 0 || !FItemSelector) break;
        FCurSearch += QChar(Key);
        Internally([&] { FItemSelector->LookupItem(FCurSearch); });
        if (!FKeyTimer->Enabled()) FKeyTimer->SetEnabled(true);
        break;
    }
}

// ---- The image in the edit ----

void TExtImagePickerDropDown::DrawEditValue()
{
    TExtCustomDropDown::DrawEditValue();
    DrawSelectedImage();
}

void TExtImagePickerDropDown::DrawSelectedImage()
{
    if (!HandleAllocated()) return;
    const bool Custom = static_cast<bool>(OnDrawSelectedImage);
    if (!Custom && FItemIndex < 0) return;
    HDC DC = GetWindowDC(Handle());
    if (!DC) return;
    // The value rectangle in the window's coordinates.
    TRect R = GetEditRect();
    TPoint Client{0, 0};
    ::ClientToScreen(Handle(), Client);
    TRect Window;
    ::GetWindowRect(Handle(), Window);
    OffsetRect(R, Client.X - Window.Left, Client.Y - Window.Top);
    if (Custom) {
        OnDrawSelectedImage(this, DC, R);
    } else {
        const TImageItem* Item = FItems->Items(FItemIndex);
        if (Item->HasPicture()) {
            TGraphic* Graphic = Item->Image()->Graphic();
            DC->Draw(R.Left + (R.Width() - Graphic->Width()) / 2, R.Top + (R.Height() - Graphic->Height()) / 2,
                     Graphic);
        } else if (Images() && Item->ImageIndex() >= 0) {
            Images()->Draw(DC, R.Left + (R.Width() - Images()->Width()) / 2,
                           R.Top + (R.Height() - Images()->Height()) / 2, Item->ImageIndex(), true);
        }
    }
    ReleaseDC(Handle(), DC);
}
