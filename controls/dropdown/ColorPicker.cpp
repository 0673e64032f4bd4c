// TExtColorPickerDropDown: the named colours, the four pop-up styles, selection and cancel, the edit's swatch and text, keys and wheel.
#include "dropdown/ColorPicker.h"

#include "dropdown/ColorCubePanel.h"
#include "dropdown/ColorSelector.h"
#include "dropdown/ColorSpectrumPanel.h"
#include "dropdown/DropDownForm.h"
#include "dropdown/DropDownUtil.h"
#include "dropdown/ItemAppearance.h"
#include "dropdown/ItemSelector.h"
#include "dropdown/PickerSearch.h"
#include "dropdown/PopupAppearance.h"
#include "dropdown/ScopedFlag.h"
#include "dropdown/SelectorItems.h"

#include "grid/base/ExtUtil.h"

#include "graphics/Canvas.h"
#include "graphics/DrawText.h"
#include "graphics/GraphicsObjects.h"
#include "graphics/WebColors.h"
#include "rtl/Format.h"
#include "windows/SystemMetrics.h"
#include "windows/WindowDC.h"

namespace {

struct TNamedColor {
    const char* Caption;
    TColor Color;
};

constexpr TNamedColor DefaultColors[] = {
    {"Black", clBlack}, {"Maroon", clMaroon}, {"Green", clGreen},   {"Olive", clOlive},
    {"Navy", clNavy},   {"Purple", clPurple}, {"Teal", clTeal},     {"Gray", clGray},
    {"Silver", clSilver}, {"Red", clRed},     {"Lime", clLime},     {"Yellow", clYellow},
    {"Blue", clBlue},   {"Fuchsia", clFuchsia}, {"Aqua", clAqua},   {"White", clWhite},
};

bool AltHeld()
{
    return GetKeyState(VK_MENU) < 0;
}

}  // namespace

// ---- Items ----

void TColorItem::NotifyChange()
{
    if (auto* Items = dynamic_cast<TColorItems*>(Collection()); Items && Items->OnChange) Items->OnChange(Items);
}

void TColorItem::SetCaption(const QString& Value)
{
    if (FCaption == Value) return;
    FCaption = Value;
    NotifyChange();
}

void TColorItem::SetColor(TColor Value)
{
    if (FColor == Value) return;
    FColor = Value;
    NotifyChange();
}

void TColorItem::Assign(TPersistent* Source)
{
    if (auto* Item = dynamic_cast<TColorItem*>(Source)) {
        SetCaption(Item->FCaption);
        SetColor(Item->FColor);
        FEnabled = Item->FEnabled;
        FHint = Item->FHint;
    } else {
        TCollectionItem::Assign(Source);
    }
}

// ---- The picker ----

TExtColorPickerDropDown::TExtColorPickerDropDown(TComponent* AOwner)
    : TExtCustomDropDown(AOwner), FColors(std::make_unique<TColorItems>(this)),
      FItemAppearance(std::make_unique<TItemAppearance>(this)), FSearch(std::make_unique<TPickerSearch>())
{
    FColors->OnChange = [](TObject*) {};
}

TExtColorPickerDropDown::~TExtColorPickerDropDown() = default;

void TExtColorPickerDropDown::AfterConstruction()
{
    TExtCustomDropDown::AfterConstruction();
    SetAutoSize(false);
    SetEditorEnabled(false);
    SetDropDownEnabled(true);
    SetDropDownHeight(200);
    DropDownHeader()->SetVisible(false);
    DropDownFooter()->SetVisible(false);
    SetCursor(crArrow);
}

void TExtColorPickerDropDown::SetColors(TColorItems* Value)
{
    FColors->Assign(Value);
}

void TExtColorPickerDropDown::SetItemAppearance(TItemAppearance* Value)
{
    FItemAppearance->Assign(Value);
}

void TExtColorPickerDropDown::AddDefaultColors()
{
    for (const TNamedColor& Named : DefaultColors) {
        TColorItem* Item = FColors->Add();
        Item->SetCaption(QString::fromLatin1(Named.Caption));
        Item->SetColor(Named.Color);
    }
}

void TExtColorPickerDropDown::SetItemIndex(int32_t Value)
{
    if (Value >= FColors->Count()) return;
    FItemIndex = Value;
    if (Value >= 0) FSelectedColor = FColors->Items(Value)->Color();
    Invalidate();
    if (OnSelect) OnSelect(this);
}

void TExtColorPickerDropDown::SetSelectedColor(TColor Value)
{
    if (FSelectedColor == Value) return;
    FSelectedColor = Value;
    for (int32_t Index = 0; Index < FColors->Count(); ++Index) {
        if (FColors->Items(Index)->Color() == Value) {
            SetItemIndex(Index);
            break;
        }
    }
    Invalidate();
}

void TExtColorPickerDropDown::SetShowText(bool Value)
{
    if (FShowText == Value) return;
    FShowText = Value;
    Invalidate();
}

QString TExtColorPickerDropDown::SelectedColorText() const
{
    if (FColorSelectionStyle == csList && FItemIndex >= 0) return FColors->Items(FItemIndex)->Caption();
    const TColor Resolved = ColorToRGB(FSelectedColor);
    switch (FColorValueText) {
    case cvtNone: return QString();
    case cvtHex:
        // The stored value, blue first; system colours stay as they are.
        return QStringLiteral("%1").arg(static_cast<uint32_t>(FSelectedColor), 6, 16, QLatin1Char('0')).toUpper();
    case cvtWebName: {
        QString Name;
        if (WebColorToName(Resolved, Name)) return Name;
        return QLatin1Char('#') + ColorToHexRGB(Resolved);
    }
    case cvtRGB:
        return Format(QStringLiteral("Red:%d,Green:%d,Blue:%d"),
                      {GetRValue(uint32_t(Resolved)), GetGValue(uint32_t(Resolved)), GetBValue(uint32_t(Resolved))});
    case cvtHTML: return QLatin1Char('#') + ColorToHexRGB(Resolved);
    }
    return QString();
}

void TExtColorPickerDropDown::SetComponentStyle(TVyxStyle AStyle)
{
    TExtCustomDropDown::SetComponentStyle(AStyle);
    ApplyItemAppearanceStyle(FItemAppearance.get(), AStyle);
}

void TExtColorPickerDropDown::SetSelectionColorStyle(TSelectionColorStyle AStyle)
{
    TExtCustomDropDown::SetSelectionColorStyle(AStyle);
    if (FItemSelector) FItemSelector->ItemAppearance()->SetColorStyle(AStyle);
}

// ---- The panels ----

void TExtColorPickerDropDown::PrepareItemSelector()
{
    if (!DropDownForm()) return;
    if (!FItemSelector) {
        FItemSelector = New<TExtCustomItemSelector>(this);
        FItemSelector->SetParent(DropDownForm());
        FItemSelector->SetSelectorType(stColor);
    }
    FItemSelector->SetBounds(0, 0, FItemSelector->Width(), 150);
    FItemSelector->SetColor(DropDownColor());
    FItemSelector->UpdateSelectorPanel();
    SetControl(FItemSelector);
}

void TExtColorPickerDropDown::PrepareColorSelector()
{
    if (!DropDownForm()) return;
    if (!FColorSelector) {
        FColorSelector = New<TCustomColorSelector>(this);
        FColorSelector->SetParent(DropDownForm());
        FColorSelector->AddDefaultPalette();
    }
    FColorSelector->SetBounds(0, 0, FColorSelector->Width(), FColorSelector->Height());
    FColorSelector->SetColor(DropDownColor());
    FColorSelector->ArrangeItems();
    SetControl(FColorSelector);
}

void TExtColorPickerDropDown::PrepareCubePanel()
{
    if (!DropDownForm()) return;
    if (!FColorCubePanel) {
        FColorCubePanel = New<TExtColorCubePanel>(this);
        FColorCubePanel->SetParent(DropDownForm());
    }
    FColorCubePanel->SetBounds(0, 0, FColorCubePanel->Width(), FColorCubePanel->Height());
    FColorCubePanel->SetColor(DropDownColor());
    SetControl(FColorCubePanel);
}

void TExtColorPickerDropDown::PrepareSpectrumPanel()
{
    if (!DropDownForm()) return;
    if (!FSpectrumPanel) {
        FSpectrumPanel = New<TExtColorSpectrumPanel>(this);
        FSpectrumPanel->SetParent(DropDownForm());
    }
    FSpectrumPanel->SetBounds(0, 0, FSpectrumPanel->Width(), FSpectrumPanel->Height());
    FSpectrumPanel->SetColor(DropDownColor());
    SetControl(FSpectrumPanel);
}

void TExtColorPickerDropDown::ShowOnly(TControl* Shown)
{
    TControl* Panels[] = {FItemSelector, FColorSelector, FColorCubePanel, FSpectrumPanel};
    for (TControl* Panel : Panels)
        if (Panel && Panel != Shown) Panel->SetVisible(false);
    if (Shown) Shown->SetVisible(true);
}

void TExtColorPickerDropDown::RouteDrawItem()
{
    if (!FItemSelector) return;
    if (OnDrawColor)
        FItemSelector->OnDrawItem = [this](TObject*, TCanvas* Canvas, TRect R, int32_t Index) { OnDrawColor(this, Canvas, R, Index); };
    else FItemSelector->OnDrawItem = nullptr;
}

void TExtColorPickerDropDown::UpdateSelector()
{
    if (!FItemSelector) return;
    FItemSelector->OnItemSelect = nullptr;
    FItemSelector->SetColumns(FColumns);
    FItemSelector->SetImages(Images());
    FItemSelector->SetItemLayout(FLayout);
    FItemSelector->SetColor(DropDownColor());
    TSelectorItems* Items = FItemSelector->Items();
    Items->Clear();
    for (int32_t Index = 0; Index < FColors->Count(); ++Index) {
        const TColorItem* Color = FColors->Items(Index);
        TSelectorItem* Item = Items->Add();
        Item->SetCaption(Color->Caption());
        Item->SetColor(Color->Color());
        Item->SetHint(Color->Hint());
    }
    FItemSelector->SetColorBoxHeight(FColorBoxHeight);
    FItemSelector->SetColorBoxWidth(FColorBoxWidth);
    FItemSelector->ItemAppearance()->Assign(FItemAppearance.get());
    FItemSelector->UpdateSelectorPanel();
    FItemSelector->SetItemIndex(FItemIndex);
    FItemSelector->OnItemSelect = [this](TObject*) { ListSelect(); };
    FItemSelector->SetShowHint(ShowHint());
}

// The list sized from its panel unless the pop-up has its own size, then the pop-up around it.
void TExtColorPickerDropDown::SizeList()
{
    FItemSelector->SetAlign(alNone);
    const TSize Panel = FItemSelector->GetPanelSize();
    if (DropDownWidth() < 1) FItemSelector->SetWidth(Panel.cx);
    if (DropDownHeight() < 1) FItemSelector->SetHeight(Panel.cy);
    TExtCustomDropDown::SizeDropDownForm();
    if (FItemSelector->VertScrollBar()->IsScrollBarVisible() && DropDownForm())
        DropDownForm()->SetWidth(DropDownForm()->Width() + GetSystemMetrics(SM_CXVSCROLL));
}

void TExtColorPickerDropDown::PrepareStyle()
{
    // The state a cancel gives back, before the palette takes the colour (which clears the entry).
    FOldSelectedColor = FSelectedColor;
    FOldItemIndex = FItemIndex;
    switch (FColorSelectionStyle) {
    case csList:
        PrepareItemSelector();
        ShowOnly(FItemSelector);
        UpdateSelector();
        RouteDrawItem();
        break;
    case csDiscrete:
        PrepareColorSelector();
        ShowOnly(FColorSelector);
        if (!FColorSelector) break;
        // Sized by its boxes, not by the pop-up, until the pop-up is sized around it.
        FColorSelector->SetAlign(alNone);
        FColorSelector->OnItemSelect = [this](TObject*) { PaletteSelect(); };
        WithFlag(FInternalCall, [this] { FColorSelector->SetSelectedColor(FSelectedColor); });
        FColorSelector->ArrangeItems();
        FColorSelector->SetItemColorStyle(SelectionColorStyle());
        break;
    case csColorCube:
        PrepareCubePanel();
        ShowOnly(FColorCubePanel);
        if (!FColorCubePanel) break;
        FColorCubePanel->SetAlign(alNone);
        FColorCubePanel->SetSelectedColor(FSelectedColor);
        FColorCubePanel->InitCube();
        FColorCubePanel->ResetCube();
        FColorCubePanel->OnSelect = [this](TObject*) { PanelSelect(FColorCubePanel->SelectedColor()); };
        break;
    case csSpectrum:
        PrepareSpectrumPanel();
        ShowOnly(FSpectrumPanel);
        if (!FSpectrumPanel) break;
        FSpectrumPanel->SetAlign(alNone);
        FSpectrumPanel->SetSelectedColor(FSelectedColor);
        FSpectrumPanel->ArrangeSpectrum();
        FSpectrumPanel->OnSelect = [this](TObject*) { PanelSelect(FSpectrumPanel->SelectedColor()); };
        break;
    }
}

void TExtColorPickerDropDown::SetColorSelectionStyle(TColorSelectionStyle Value)
{
    if (FColorSelectionStyle == Value) return;
    FColorSelectionStyle = Value;
    if (ComponentState().Contains(csDesigning)) return;
    ForgetUserDropDownSize();
    PrepareStyle();
    if (Control()) {
        Control()->SetAlign(alNone);
        if (FColorSelectionStyle == csList && FItemSelector) SizeList();
        else SizeDropDownForm();
        Control()->SetAlign(alClient);
    }
    if (DropDownForm()) DropDownForm()->Invalidate();
}

void TExtColorPickerDropDown::CreateDropDownForm()
{
    TExtCustomDropDown::CreateDropDownForm();
    switch (FColorSelectionStyle) {
    case csList: PrepareItemSelector(); break;
    case csDiscrete: PrepareColorSelector(); break;
    case csColorCube: PrepareCubePanel(); break;
    case csSpectrum: PrepareSpectrumPanel(); break;
    }
}

void TExtColorPickerDropDown::BeforeDropDown()
{
    TExtCustomDropDown::BeforeDropDown();
    PrepareStyle();
}

void TExtColorPickerDropDown::PlaceDropDownControl()
{
    TExtCustomDropDown::PlaceDropDownControl();
    if (FColorSelectionStyle != csList && DropDownForm()) DropDownForm()->SetSizeable(false);
}

void TExtColorPickerDropDown::SizeDropDownForm()
{
    if (FColorSelectionStyle == csList) {
        if (FItemSelector) SizeList();
        else TExtCustomDropDown::SizeDropDownForm();
        return;
    }
    TDropDownForm* Form = DropDownForm();
    if (!Form) return;
    TControl* Shown = Control() && Control()->Visible() ? Control() : nullptr;
    const int32_t Border = 2 * DropDownBorderWidth();
    int32_t Height = Border;
    if (DropDownHeader()->Visible()) Height += DropDownHeader()->Height();
    if (DropDownFooter()->Visible()) Height += DropDownFooter()->Height();
    if (Shown) Height += Shown->Height();
    Form->SetBounds(Form->Left(), Form->Top(), Shown ? Shown->Width() + Border : Width(), Height);
}

void TExtColorPickerDropDown::DoHideDropDown(bool Cancelled)
{
    const bool WasOpen = DropDownForm() && DropDownForm()->Visible();
    TExtCustomDropDown::DoHideDropDown(Cancelled);
    // A panel closing the pop-up on its mouse press would keep the mouse captured while hidden.
    for (TControl* Holder = FindControl(GetCapture()); Holder; Holder = Holder->Parent()) {
        if (Holder != DropDownForm()) continue;
        ReleaseCapture();
        break;
    }
    // The panels of the other styles are not sizeable: their size comes from the panel each time.
    if (FColorSelectionStyle != csList) ForgetUserDropDownSize();
    if (!WasOpen || !Cancelled) return;
    // The state at opening comes back in every style, the panel's selection with it.
    if (FColorSelectionStyle == csList && FItemSelector) WithFlag(FInternalCall, [this] { FItemSelector->SetItemIndex(FOldItemIndex); });
    if (FColorSelectionStyle == csDiscrete && FColorSelector)
        WithFlag(FInternalCall, [this] { FColorSelector->SetSelectedColor(FOldSelectedColor); });
    FItemIndex = FOldItemIndex;
    FSelectedColor = FOldSelectedColor;
    Invalidate();
}

void TExtColorPickerDropDown::DropDownFormDestroyed()
{
    TExtCustomDropDown::DropDownFormDestroyed();
    if (ComponentState().Contains(csDestroying)) return;
    FItemSelector = nullptr;
    FColorCubePanel = nullptr;
    FSpectrumPanel = nullptr;
    FColorSelector = nullptr;
}

// ---- Selections ----

void TExtColorPickerDropDown::ListSelect()
{
    SetItemIndex(FItemSelector->ItemIndex());
    if (!FInternalCall) HideDropDown(false);
}

void TExtColorPickerDropDown::PaletteSelect()
{
    FSelectedColor = FColorSelector->SelectedColor();
    SetItemIndex(-1);
    if (!FInternalCall) HideDropDown(false);
}

void TExtColorPickerDropDown::PanelSelect(TColor Color)
{
    FSelectedColor = Color;
    SetItemIndex(-1);
    HideDropDown(false);
}

// ---- The edit ----

void TExtColorPickerDropDown::DrawEditValue()
{
    TExtCustomDropDown::DrawEditValue();
    DrawSelectedColor();
}

void TExtColorPickerDropDown::DrawSelectedColor()
{
    if (!HandleAllocated()) return;
    HDC DC = GetWindowDC(Handle());
    if (!DC) return;
    const TRect R = Rect(1, 1, Width() - DropDownButtonWidth() - 2, Height() - 2);
    if (OnDrawSelectedColor) {
        OnDrawSelectedColor(this, DC, R);
    } else if (FSelectedColor != clNone) {
        const int32_t Top = R.Top + (Height() - FColorBoxHeight) / 2;
        const TRect Swatch = Rect(R.Left + 4, Top, R.Left + 4 + FColorBoxWidth, Top + FColorBoxHeight);
        DC->Pen()->SetStyle(psSolid);
        DC->Pen()->SetWidth(1);
        DC->Pen()->SetColor(clBlack);
        DC->Brush()->SetColor(FSelectedColor);
        DC->Rectangle(Swatch);
        if (FShowText) {
            const bool Focus = !EditorEnabled() && Focused();
            DC->Font()->Assign(Font());
            if (Focus) DC->Font()->SetColor(clHighlightText);
            DC->Brush()->SetColor(Focused() ? clHighlight : Color());
            TRect Text = Rect(Swatch.Right + 4, R.Top, R.Right, R.Bottom);
            DC->FillRect(Text);
            DrawText(DC, SelectedColorText(), -1, Text, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_END_ELLIPSIS);
        }
    }
    ReleaseDC(Handle(), DC);
}

// ---- Keys and wheel ----

// The list holds the colours and the selection from its last opening; keys and the wheel that step
// from its selection first bring it up to the picker's.
void TExtColorPickerDropDown::BringListUp()
{
    if (FItemSelector->Items()->Count() != FColors->Count() || FItemSelector->ItemIndex() != FItemIndex)
        UpdateSelector();
}

// Likewise the palette, for the keys and the wheel of the closed picker.
void TExtColorPickerDropDown::BringPaletteUp()
{
    if (FColorSelector->SelectedColor() != FSelectedColor)
        WithFlag(FInternalCall, [this] { FColorSelector->SetSelectedColor(FSelectedColor); });
}

void TExtColorPickerDropDown::GoToListItem(int32_t Target)
{
    if (Target < 0 || Target >= FItemSelector->Items()->Count()) return;
    WithFlag(FInternalCall, [&] {
        FItemSelector->SetItemIndex(Target);
        FItemSelector->ScrollItemInView(FItemSelector->ItemIndex());
    });
}

void TExtColorPickerDropDown::KeyDownList(uint16_t Key, bool EnterHandled)
{
    const bool Open = DroppedDown();
    const int32_t Current = FItemSelector->ItemIndex();
    switch (Key) {
    case VK_RETURN:
        if (!EnterHandled && OnSelect) OnSelect(this);
        break;
    case VK_PRIOR:
    case VK_NEXT: {
        BringListUp();
        const int32_t Visible = FItemSelector->GetVisibleItemCount();
        if (Visible < 1) break;
        if (Key == VK_PRIOR) GoToListItem(std::max(FItemSelector->ItemIndex() - Visible, 0));
        else GoToListItem(std::min(FItemSelector->ItemIndex() + Visible, FColors->Count() - 1));
        break;
    }
    case VK_END:
        if (Open) WithFlag(FInternalCall, [this] { FItemSelector->SelectLast(); });
        else if (FColors->Count() > 0) SetItemIndex(FColors->Count() - 1);
        break;
    case VK_HOME:
        if (Open) WithFlag(FInternalCall, [this] { FItemSelector->SelectFirst(); });
        else if (FColors->Count() > 0) SetItemIndex(0);
        break;
    case VK_LEFT:
        if (Open && !EditorEnabled()) WithFlag(FInternalCall, [this] { FItemSelector->SelectPrevious(); });
        break;
    case VK_RIGHT:
        if (Open && !EditorEnabled()) WithFlag(FInternalCall, [this] { FItemSelector->SelectNext(); });
        break;
    case VK_UP:
        if (Open) GoToListItem(Current < 0 ? 0 : Current - FColumns);
        else if (FItemIndex < 0) SetItemIndex(0);
        else if (FItemIndex - 1 >= 0) SetItemIndex(FItemIndex - 1);
        break;
    case VK_DOWN:
        if (Open) GoToListItem(Current < 0 ? 0 : Current + FColumns);
        else if (FItemIndex < 0) SetItemIndex(0);
        else if (FItemIndex + 1 < FColors->Count()) SetItemIndex(FItemIndex + 1);
        break;
    default:
        if (GetKeyState(VK_CONTROL) < 0) break;
        BringListUp();
        WithFlag(FInternalCall, [&] { FItemSelector->LookupItem(FSearch->Add(QChar(Key))); });
        break;
    }
}

void TExtColorPickerDropDown::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_KEYDOWN: {
        const uint16_t Key = static_cast<uint16_t>(Message.WParam);
        bool EnterHandled = false;
        if (Enabled() && DroppedDown() && Key == VK_RETURN) {
            if (FColorSelectionStyle == csList && FItemSelector && FItemSelector->ItemHot() >= 0) {
                FItemSelector->SetItemIndex(FItemSelector->ItemHot());
                EnterHandled = true;
            } else if (FColorSelectionStyle == csDiscrete && FColorSelector && FColorSelector->ItemHot() >= 0) {
                FColorSelector->SetItemIndex(FColorSelector->ItemHot());
                EnterHandled = true;
            }
        }
        TExtCustomDropDown::Dispatch(Message);
        if (!Enabled() || AltHeld()) return;
        if (FColorSelectionStyle == csList && FItemSelector) {
            KeyDownList(Key, EnterHandled);
        } else if (FColorSelectionStyle == csDiscrete && FColorSelector) {
            if (!DroppedDown() && Key >= VK_PRIOR && Key <= VK_DOWN) BringPaletteUp();
            WithFlag(FInternalCall, [&] { FColorSelector->HandleKey(Key, EditorEnabled(), DroppedDown()); });
            if (Key == VK_RETURN && !EnterHandled && OnSelect) OnSelect(this);
        }
        return;
    }
    case WM_PAINT:
        TExtCustomDropDown::Dispatch(Message);
        DrawSelectedColor();
        return;
    default: TExtCustomDropDown::Dispatch(Message);
    }
}

void TExtColorPickerDropDown::StepValue(bool Forward)
{
    if (!Enabled() || ReadOnly()) return;
    // While open the hot item moves, while closed the selection.
    if (FColorSelectionStyle == csList && FItemSelector) {
        if (DroppedDown()) {
            Forward ? FItemSelector->HotNext() : FItemSelector->HotPrevious();
            return;
        }
        BringListUp();
        WithFlag(FInternalCall, [&] { Forward ? FItemSelector->SelectNext() : FItemSelector->SelectPrevious(); });
    } else if (FColorSelectionStyle == csDiscrete && FColorSelector) {
        if (DroppedDown()) {
            Forward ? FColorSelector->HotNext() : FColorSelector->HotPrevious();
            return;
        }
        BringPaletteUp();
        WithFlag(FInternalCall, [&] { Forward ? FColorSelector->SelectNext() : FColorSelector->SelectPrevious(); });
    }
}

void TExtColorPickerDropDown::SelectNextValue()
{
    TExtCustomDropDown::SelectNextValue();
    StepValue(true);
}

void TExtColorPickerDropDown::SelectPreviousValue()
{
    TExtCustomDropDown::SelectPreviousValue();
    StepValue(false);
}
