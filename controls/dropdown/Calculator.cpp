// TExtCalculatorDropdown: the display the engine works on, the key panel in the pop-up, keys of the edit and of the pop-up.
#include "dropdown/Calculator.h"

#include "dropdown/CalcPanel.h"
#include "dropdown/CalculatorEngine.h"
#include "dropdown/DropDownForm.h"
#include "dropdown/DropDownUtil.h"
#include "dropdown/ExtButtonAppearance.h"
#include "dropdown/HexColor.h"
#include "dropdown/PopupAppearance.h"
#include "dropdown/ScopedFlag.h"

#include "rtl/Format.h"
#include "rtl/FormatSettings.h"

#include <cmath>

// The edit as the calculator's display.
class TExtCalculatorDropdown::TDisplay : public TCalcDisplay {
public:
    explicit TDisplay(TExtCalculatorDropdown* Owner) : FOwner(Owner) {}
    QString Text() const override { return FOwner->Text(); }
    void SetText(const QString& Value) override { FOwner->SetText(Value); }
    long double FloatValue() const override { return FOwner->FloatValue(); }
    void SetFloatValue(long double Value) override { FOwner->SetFloatValue(double(Value)); }
    int32_t MaxLength() const override { return FOwner->MaxLength(); }

private:
    TExtCalculatorDropdown* FOwner;
};

TExtCalculatorDropdown::TExtCalculatorDropdown(TComponent* AOwner)
    : TExtCustomDropDown(AOwner), FCalcButtonAppearance(std::make_unique<TButtonAppearance>()),
      FDisplay(std::make_unique<TDisplay>(this)), FEngine(std::make_unique<TCalculatorEngine>(*FDisplay))
{
}

TExtCalculatorDropdown::~TExtCalculatorDropdown() = default;

void TExtCalculatorDropdown::AfterConstruction()
{
    TExtCustomDropDown::AfterConstruction();
    SetDropDownColor(clWhite);
    SetDropDownWidth(230);
    DropDownHeader()->SetVisible(false);
    DropDownFooter()->SetVisible(false);
    SetEditType(etFloat);
    SetPrecision(2);
    FCalcClosed = true;
}

void TExtCalculatorDropdown::SetCalcButtonAppearance(TButtonAppearance* Value)
{
    FCalcButtonAppearance->Assign(Value);
}

void TExtCalculatorDropdown::SetShowThousandSeparator(bool Value)
{
    if (FShowThousandSeparator == Value) return;
    FShowThousandSeparator = Value;
    SetEditType(Value ? etMoney : etFloat);
    SetFloatValue(FloatValue());
}

long double TExtCalculatorDropdown::Value()
{
    if (Text().isEmpty()) SetText(QStringLiteral("0"));
    return FEngine->DisplayValue();
}

void TExtCalculatorDropdown::SetValue(long double Value)
{
    SetText(Format(QStringLiteral("%g"), {Value}));
}

void TExtCalculatorDropdown::CalcResult()
{
    FEngine->CalcEquals();
}

void TExtCalculatorDropdown::SetComponentStyle(TVyxStyle AStyle)
{
    TExtCustomDropDown::SetComponentStyle(AStyle);
    const TExtButtonAppearance* From = ButtonAppearance();
    TButtonAppearance* To = FCalcButtonAppearance.get();
    To->SetBorderColor(From->BorderColor());
    To->SetBorderColorHot(From->BorderColorHot());
    To->SetBorderColorDown(From->BorderColorDown());
    To->SetColor(From->Color());
    To->SetColorTo(From->ColorTo());
    To->SetColorDown(From->ColorDown());
    To->SetColorDownTo(From->ColorDownTo());
    To->SetColorHot(From->ColorHot());
    To->SetColorHotTo(From->ColorHotTo());
    if (AStyle == tsOffice2010Blue || AStyle == tsOffice2010Silver || AStyle == tsOffice2010Black) {
        To->SetGlowColorHot(From->ColorHot());
        To->SetGlowColorDown(From->ColorHot());
    } else {
        To->SetGlowColorDown(HexColor(0x44C2D5));
        To->SetGlowColorHot(From->ColorDownTo());
    }
}

// ---- The pop-up ----

void TExtCalculatorDropdown::CreateDropDownForm()
{
    TExtCustomDropDown::CreateDropDownForm();
    if (!DropDownForm()) return;
    if (!FExtButtonPanel) {
        FExtButtonPanel = New<TCustomButtonPanel>(this);
        FExtButtonPanel->SetExtDropDown(this);
        FExtButtonPanel->SetParent(DropDownForm());
        FExtButtonPanel->SetHeight(150);
        FExtButtonPanel->BuildButtons();
    }
    SetControl(FExtButtonPanel);
    FExtButtonPanel->OnButtonClick = [this](TObject*, int32_t Index) { PanelButtonClick(Index); };
}

void TExtCalculatorDropdown::BeforeDropDown()
{
    TExtCustomDropDown::BeforeDropDown();
    // A click elsewhere closes the pop-up without cancelling.
    SetCancelOnDeActivate(false);
    if (FExtButtonPanel) {
        FExtButtonPanel->SetButtonAppearance(FCalcButtonAppearance.get());
        FExtButtonPanel->SetColor(DropDownColor());
        FExtButtonPanel->ArrangeButtons();
    }
    FEngine->StartNewNumber();
    FCalcClosed = false;
    FOpenText = Text();
}

void TExtCalculatorDropdown::DoHideDropDown(bool Cancelled)
{
    const bool WasOpen = DropDownForm() && DropDownForm()->Visible();
    TExtCustomDropDown::DoHideDropDown(Cancelled);
    // Every key writes the text, so the base's last text is the current one: give back the opening one.
    if (WasOpen && Cancelled) SetText(FOpenText);
}

void TExtCalculatorDropdown::PanelButtonClick(int32_t Index)
{
    if (!FExtButtonPanel || Index < 0 || Index >= FExtButtonPanel->Buttons()->Count()) return;
    BeforeCalculatorKey();
    const int32_t Tag = FExtButtonPanel->Buttons()->Items(Index)->Tag();
    const bool Ignored = ((Tag >= 0 && Tag <= 9) || Tag == ckSign || Tag == ckDecimal) && FEngine->Full();
    FEngine->Key(Tag);
    if (!Ignored) SetIsModified(true);
}

// ---- Keys ----

void TExtCalculatorDropdown::CaretAfterFirstDigit()
{
    SetSelStart(static_cast<int32_t>(Prefix().size()) + 1);
    SetSelLength(0);
}

void TExtCalculatorDropdown::CalcEditKeyPress(QChar& Key)
{
    const bool PopupShown = DropDownForm() && DropDownForm()->Visible();
    if ((FCalcClosed || !PopupShown) && FEngine->ClosedEditKey(Key)) {
        Key = QChar();
        return;
    }
    const QChar DS = FormatSettings().DecimalSeparator;
    if (!Key.isDigit() && Key != DS && Key != QChar(8) && Key != QLatin1Char('-')) {
        Key = QChar();
        return;
    }
    if ((Text() == QStringLiteral("0") || FEngine->NewValue()) && Key.isDigit()) {
        SetText(QString(Key));
        Key = QChar();
        CaretAfterFirstDigit();
        FEngine->SetNewValue(false);
        return;
    }
    if (Text().size() == 1 && Key == QChar(8)) {
        SetText(QStringLiteral("0"));
        Key = QChar();
        CaretAfterFirstDigit();
        return;
    }
    if (Key == FormatSettings().ThousandSeparator || (Key == DS && Text().contains(DS))) Key = QChar();
}

void TExtCalculatorDropdown::KeyPress(QChar& Key)
{
    if (!std::exchange(FKeyTaken, false)) CalcEditKeyPress(Key);
    if (!Key.isNull()) TExtCustomDropDown::KeyPress(Key);
}

void TExtCalculatorDropdown::DropDownKeyPress(QChar& Key)
{
    TExtCustomDropDown::DropDownKeyPress(Key);
    BeforeCalculatorKey();
    switch (Key.unicode()) {
    case 13:
        FEngine->CalcEquals();
        HideDropDown(false);
        break;
    case 27: HideDropDown(true); break;
    default: FEngine->PopupKey(Key); break;
    }
}

void TExtCalculatorDropdown::DropDownKeyDown(uint16_t& Key, TShiftState Shift)
{
    TExtCustomDropDown::DropDownKeyDown(Key, Shift);
    switch (Key) {
    case VK_TAB:
    case VK_F4: HideDropDown(false); break;
    case VK_BACK: {
        const QString Shown = Text().chopped(std::min<qsizetype>(1, Text().size()));
        SetText(Shown.isEmpty() || Shown == TCalculatorEngine::ErrorText ? QStringLiteral("0") : Shown);
        break;
    }
    default: break;
    }
}

void TExtCalculatorDropdown::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_CHAR: {
        // The calculator sees the character before the edit type's filter, which drops operators.
        QChar Key(static_cast<char16_t>(Message.WParam));
        CalcEditKeyPress(Key);
        if (Key.isNull()) return;
        Message.WParam = Key.unicode();
        WithFlag(FKeyTaken, [&] { TExtCustomDropDown::Dispatch(Message); });
        return;
    }
    case WM_KEYDOWN: {
        // "Error" counts as 0: Delete turns it into "0" rather than deleting one of its letters.
        const bool Error = Text() == TCalculatorEngine::ErrorText;
        TExtCustomDropDown::Dispatch(Message);
        const QString Shown = Text();
        if (Message.WParam == VK_DELETE && (Error || Shown.isEmpty() || Shown == TCalculatorEngine::ErrorText))
            SetText(QStringLiteral("0"));
        return;
    }
    case CM_ENTER:
        if (AutoSelect() && GetKeyState(VK_LBUTTON) >= 0) SelectAll();
        break;
    default: break;
    }
    TExtCustomDropDown::Dispatch(Message);
}
