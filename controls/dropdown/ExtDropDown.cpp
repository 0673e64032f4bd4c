// TExtCustomDropDown: construction, properties, the value text and its numbers by edit type, copying and stored values.
#include "dropdown/ExtDropDown.h"

#include "dropdown/DropDownButton.h"
#include "dropdown/DropDownForm.h"
#include "dropdown/DropDownUtil.h"
#include "dropdown/ExtButtonAppearance.h"
#include "dropdown/PopupAppearance.h"

#include "grid/base/ExtUtil.h"

#include "graphics/Bitmap.h"
#include "graphics/GraphicsObjects.h"
#include "graphics/ImageList.h"
#include "rtl/Format.h"
#include "rtl/FormatSettings.h"
#include "rtl/NumConv.h"
#include "windows/StdCtrls.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

TExtCustomDropDown::TExtCustomDropDown(TComponent* AOwner)
    : TCustomMaskEdit(AOwner), FDropDownHeader(std::make_unique<THeaderAppearance>(this)),
      FButtonAppearance(std::make_unique<TExtButtonAppearance>()), FDropDownFooter(std::make_unique<TFooterAppearance>(this)),
      FLabelFont(std::make_unique<TFont>())
{
    SetBounds(Left(), Top(), 200, 21);
}

TExtCustomDropDown::~TExtCustomDropDown()
{
    Destroying();
    FLabelFont->OnChange = nullptr;
    delete std::exchange(FButton, nullptr);
    if (TDropDownForm* Form = std::exchange(FDropDownForm, nullptr)) {
        Form->OnHide = nullptr;
        Form->OnKeyDown = nullptr;
        Form->OnKeyPress = nullptr;
        Form->OnKeyUp = nullptr;
        Form->OnDestroy = nullptr;
        Form->OnSizing = nullptr;
        Form->SetExtDropDown(nullptr);
        delete Form;
    }
    FControl = nullptr;
}

void TExtCustomDropDown::AfterConstruction()
{
    TCustomMaskEdit::AfterConstruction();
    if (!ComponentState().Contains(csDesigning)) CreateDropDownForm();
    CreateDropDownButton();
    FControlStyle.Exclude(csSetCaption);
    SetReadOnly(false);
    SetText(QString());
    FOldText.clear();
    const auto Changed = [this](TObject*) { AppearanceChanged(); };
    FDropDownHeader->OnChange = Changed;
    FDropDownHeader->OnButtonsChanged = Changed;
    FDropDownFooter->OnChange = Changed;
    FDropDownFooter->OnButtonsChanged = Changed;
    FIsWinXP = IsXPOrLater();
    FIsThemed = IsComCtl6();
    SetSelectionColorStyle(scOffice2007);
    SetComponentStyle(tsOffice2007Luna);
    FLabelFont->OnChange = [this](TObject*) {
        if (ComponentState().Contains(csDesigning) && !ComponentState().Contains(csLoading)) SetParentFont(false);
        if (FLabel) UpdateLabel();
    };
}

void TExtCustomDropDown::AppearanceChanged()
{
    if (FDropDownForm && FDropDownForm->Visible()) FDropDownForm->InitializeAndUpdate();
}

void TExtCustomDropDown::Loaded()
{
    TCustomMaskEdit::Loaded();
    FParentFnt = ParentFont();
    SetEditRect();
    AdjustLayout();
    if (FButton) FButton->SetEnabled(Enabled());
    if (FLabel && !FLabelAlwaysEnabled) FLabel->SetEnabled(Enabled());
    UpdateLabel();
    if (FLabel && ParentFont()) FLabel->Font()->Assign(Font());
}

int32_t TExtCustomDropDown::GetVersionNr() const
{
    return (1 << 24) | (2 << 16) | (1 << 8) | 4;
}

QString TExtCustomDropDown::Version() const
{
    const auto Number = static_cast<uint32_t>(GetVersionNr());
    return QStringLiteral("%1.%2.%3.%4").arg(Number >> 24).arg((Number >> 16) & 0xFF).arg((Number >> 8) & 0xFF).arg(Number & 0xFF);
}

// ---- The value text ----

QString TExtCustomDropDown::Text() const
{
    QString Value = EditText();
    if (!FPrefix.isEmpty() && Value.startsWith(FPrefix)) Value.remove(0, FPrefix.size());
    if (!FSuffix.isEmpty()) Value.chop(FSuffix.size());
    return Value;
}

void TExtCustomDropDown::SetText(const QString& S)
{
    QString Value = S;
    if (Value.isEmpty() && (FEditType == etNumeric || FEditType == etFloat || FEditType == etMoney || FEditType == etHex))
        Value = QStringLiteral("0");
    if (FPrecision > 0 && !Value.isEmpty() && Value != QLatin1String("Error")) {
        const QString Pattern = QStringLiteral("%.") + QString::number(FPrecision);
        if (FEditType == etMoney) Value = Format(Pattern + QLatin1Char('n'), {StrToFloatValue(Value)});
        else if (FEditType == etFloat) Value = Format(Pattern + QLatin1Char('f'), {StrToFloatValue(Value)});
    }
    if (FEditType == etHex) Value = Value.toUpper();
    TCustomMaskEdit::SetText(FPrefix + Value + FSuffix);
    FOldText = Value;
    SetIsModified(false);
}

void TExtCustomDropDown::SetTextUnformatted(const QString& S)
{
    TCustomMaskEdit::SetText(S);
}

double TExtCustomDropDown::StrToFloatValue(const QString& S)
{
    long double Value = 0;
    if (!TryStrToFloat(StripThousandSeparators(S), Value)) return 0;
    return static_cast<double>(Value);
}

double TExtCustomDropDown::FloatValue() const
{
    QString Value = Text();
    switch (FEditType) {
    case etString: {
        long double Number = 0;
        return TryStrToFloat(Value, Number, TFormatSettings::Invariant()) ? static_cast<double>(Number) : 0;
    }
    case etNumeric:
    case etFloat:
        if (Value.isEmpty() || Value == QLatin1String("Error") || Value == QLatin1String("-")) return 0;
        return StrToFloatValue(Value);
    case etMoney:
        if (Value.isEmpty()) return 0;
        Value = StripThousandSeparators(Value);
        if (Value.endsWith(GetDecimalSeparator())) Value.chop(1);
        if (Value.isEmpty() || Value == QLatin1String("-")) return 0;
        return StrToFloatValue(Value);
    case etHex: return Value.isEmpty() ? 0 : static_cast<double>(HexToInt(Value));
    default: return 0;
    }
}

void TExtCustomDropDown::SetFloatValue(double Value)
{
    const QString Fixed = FPrecision < 0 ? Format(QStringLiteral("%g"), {Value})
                                         : Format(QStringLiteral("%.") + QString::number(FPrecision) + QLatin1Char('f'), {Value});
    switch (FEditType) {
    case etString:
    case etFloat: SetText(Fixed); break;
    case etNumeric:
        SetText(FPrecision < 0 ? Fixed : Format(QStringLiteral("%.") + QString::number(FPrecision) + QLatin1Char('n'), {Value}));
        break;
    case etMoney:
        SetText(Fixed);
        ApplyThousandSeparators();
        break;
    case etHex: {
        // The whole part, held within 64 bits.
        const double Whole = std::trunc(Value);
        int64_t Number = 0;
        if (Whole >= 0x1p63) Number = INT64_MAX;
        else if (Whole < -0x1p63) Number = INT64_MIN;
        else if (!std::isnan(Whole)) Number = static_cast<int64_t>(Whole);
        SetText(IntToHex(Number, 0));
        break;
    }
    default: break;
    }
    SetIsModified(true);
}

void TExtCustomDropDown::SetIntValue(int32_t Value)
{
    switch (FEditType) {
    case etNumeric:
    case etFloat: SetText(QString::number(Value)); break;
    case etMoney:
        SetText(QString::number(Value));
        ApplyThousandSeparators();
        break;
    case etHex: SetText(IntToHex(Value, 0)); break;
    default: break;
    }
    SetIsModified(true);
}

void TExtCustomDropDown::ApplyThousandSeparators()
{
    const QString Value = Text();
    if (Value.isEmpty()) return;
    const int32_t Caret = SelStart();
    const QString Sign = Value.startsWith(QLatin1Char('-')) ? QStringLiteral("-") : QString();
    const qsizetype Decimal = Value.indexOf(GetDecimalSeparator());
    const QString Fraction = Decimal < 0 ? QString() : Value.mid(Decimal, 255);
    // Typed digits are grouped as they stand: a number of more digits than a double holds keeps
    // them all. Anything else goes through the number.
    QString Integer = StripThousandSeparators(Value.mid(Sign.size(), (Decimal < 0 ? Value.size() : Decimal) - Sign.size()));
    const bool Digits = std::all_of(Integer.begin(), Integer.end(), [](QChar Ch) { return Ch >= QLatin1Char('0') && Ch <= QLatin1Char('9'); });
    if (Digits) {
        while (Integer.size() > 1 && Integer.startsWith(QLatin1Char('0'))) Integer.remove(0, 1);
        if (Integer.isEmpty()) Integer = QStringLiteral("0");
        if (FAutoThousandSeparator)
            for (qsizetype At = Integer.size() - 3; At > 0; At -= 3) Integer.insert(At, GetThousandSeparator());
    } else {
        Integer = Format(FAutoThousandSeparator ? QStringLiteral("%n") : QStringLiteral("%f"),
                         {static_cast<long double>(std::trunc(std::fabs(FloatValue())))});
        if (const qsizetype Cut = Integer.indexOf(GetDecimalSeparator()); Cut >= 0) Integer.truncate(Cut);
    }
    const QString NewValue = Sign + Integer + Fraction;
    const QString NewText = FPrefix + NewValue + FSuffix;
    if (NewText != EditText()) FBlockChange = true;
    SetTextUnformatted(NewText);
    // Never in front of the prefix or the sign, when leading zeros went.
    SetSelStart(std::max(static_cast<int32_t>(FPrefix.size() + Sign.size()),
                         Caret + static_cast<int32_t>(NewValue.size() - Value.size())));
    SetSelLength(0);
}

bool TExtCustomDropDown::IsModified() const
{
    return FIsModified;
}

void TExtCustomDropDown::SetIsModified(bool Value)
{
    if (ComponentState().Contains(csLoading) || !FEditorEnabled || ReadOnly()) return;
    SetModified(Value);
    FIsModified = Value;
}

void TExtCustomDropDown::SetEditType(TDropDownEditType Value)
{
    if (FEditType == Value) return;
    FEditType = Value;
    if (Value == etPassword) {
        SetPasswordChar(QLatin1Char('*'));
        FCanUndo = false;
        RecreateWnd();
    } else {
        SetPasswordChar(QChar());
    }
    const int32_t Kind = ClassifyNumber(Text());
    switch (Value) {
    case etNumeric:
        if (Kind != cnInteger) SetIntValue(0);
        break;
    case etFloat:
    case etMoney:
        if (Kind == cnOther || Kind == cnHexadecimal) SetFloatValue(0);
        break;
    case etHex:
        if (Kind != cnInteger && Kind != cnHexadecimal) SetIntValue(0);
        break;
    default: break;
    }
    if (ComponentState().Contains(csDesigning) && Value == etFloat && FPrecision == 0) SetPrecision(2);
}

void TExtCustomDropDown::SetPrecision(int16_t Value)
{
    if (FPrecision == Value) return;
    if (FEditType != etString && FEditType != etFloat && FEditType != etMoney) return;
    FPrecision = Value;
    const int32_t Kind = ClassifyNumber(Text());
    if (Kind == cnOther || Kind == cnHexadecimal) SetFloatValue(0);
    else SetFloatValue(FloatValue());
}

void TExtCustomDropDown::SetEditorEnabled(bool Value)
{
    FEditorEnabled = Value;
    // A drop-down that takes no typing gets every click as a single click.
    if (Value) FControlStyle.Include(csDoubleClicks);
    else FControlStyle.Exclude(csDoubleClicks);
}

// ---- Properties with side effects ----

void TExtCustomDropDown::SetControl(TControl* Value)
{
    if (FControl == Value) return;
    FControl = Value;
    if (FControl) FControl->FreeNotification(this);
    if (!ComponentState().Contains(csDesigning)) PlaceDropDownControl();
}

void TExtCustomDropDown::SetDropDownWidth(int32_t Value)
{
    if (FDropDownWidth == Value) return;
    FDropDownWidth = Value;
    FUserDropDownWidth = -1;
    FUserDropDownHeight = -1;
}

void TExtCustomDropDown::SetDropDownHeight(int32_t Value)
{
    if (FDropDownHeight == Value) return;
    FDropDownHeight = Value;
    FUserDropDownWidth = -1;
    FUserDropDownHeight = -1;
}

void TExtCustomDropDown::SetImages(TCustomImageList* Value)
{
    FImages = Value;
    if (Value) Value->FreeNotification(this);
}

void TExtCustomDropDown::SetDropDownHeader(THeaderAppearance* Value)
{
    FDropDownHeader->Assign(Value);
}

void TExtCustomDropDown::SetDropDownFooter(TFooterAppearance* Value)
{
    FDropDownFooter->Assign(Value);
}

void TExtCustomDropDown::SetButtonAppearance(TExtButtonAppearance* Value)
{
    FButtonAppearance->Assign(Value);
}

void TExtCustomDropDown::SetDropDownButtonWidth(int32_t Value)
{
    if (FButtonWidth == Value) return;
    FButtonWidth = Value;
    if (!FButton) return;
    FButton->SetButtonWidth(Value);
    if (FButton->HandleAllocated()) AdjustLayout();
}

void TExtCustomDropDown::SetDropDownButtonHint(const QString& Value)
{
    if (FButtonHint == Value) return;
    FButtonHint = Value;
    if (!FButton) return;
    FButton->SetHint(Value);
    FButton->SetShowHint(!Value.isEmpty());
}

TBitmap* TExtCustomDropDown::DropDownButtonGlyph() const
{
    return FButton ? FButton->Glyph() : nullptr;
}

void TExtCustomDropDown::SetDropDownButtonGlyph(TBitmap* Value)
{
    if (FButton) FButton->SetGlyph(Value);
}

void TExtCustomDropDown::SetFlat(bool Value)
{
    if (FFlat == Value) return;
    FFlat = Value;
    AdjustLayout();
}

void TExtCustomDropDown::SetEtched(bool Value)
{
    FEtched = Value;
    if (FButton) FButton->SpeedButton()->SetEtched(Value);
}

void TExtCustomDropDown::SetBorderColor(TColor Value)
{
    if (FBorderColor == Value) return;
    FBorderColor = Value;
    Invalidate();
    if (FButton) FButton->SpeedButton()->Repaint();
}

void TExtCustomDropDown::SetDisabledBorder(bool Value)
{
    if (FDisabledBorder == Value) return;
    FDisabledBorder = Value;
    Invalidate();
}

// ---- Copying and stored values ----

void TExtCustomDropDown::Assign(TPersistent* Source)
{
    auto* From = dynamic_cast<TExtCustomDropDown*>(Source);
    if (!From) return;
    FFocusDraw = From->FFocusDraw;
    FForceShadow = From->FForceShadow;
    FDropDownEnabled = From->FDropDownEnabled;
    FDropDownColor = From->FDropDownColor;
    FDropDownColorTo = From->FDropDownColorTo;
    FDropDownGradient = From->FDropDownGradient;
    FDropDownBorderColor = From->FDropDownBorderColor;
    FDropDownBorderWidth = From->FDropDownBorderWidth;
    FDropDownShadow = From->FDropDownShadow;
    FDropDownWidth = From->FDropDownWidth;
    FDropDownHeight = From->FDropDownHeight;
    FDropDownSizeable = From->FDropDownSizeable;
    FEditType = From->FEditType;
    FReturnIsTab = From->FReturnIsTab;
    FLengthLimit = From->FLengthLimit;
    FPrecision = From->FPrecision;
    FPrefix = From->FPrefix;
    FSuffix = From->FSuffix;
    FDefaultHandling = From->FDefaultHandling;
    FCanUndo = From->FCanUndo;
    FExcelStyleDecimalSeparator = From->FExcelStyleDecimalSeparator;
    FValidChars = From->FValidChars;
    FSigned = From->FSigned;
    FAutoThousandSeparator = From->FAutoThousandSeparator;
    FButtonAppearance->Assign(From->FButtonAppearance.get());
    FDropDownHeader->Assign(From->FDropDownHeader.get());
    FDropDownFooter->Assign(From->FDropDownFooter.get());
    SetDropPosition(From->FDropPosition);
    SetFlat(From->FFlat);
    SetDropDownButtonWidth(From->FButtonWidth);
    SetDropDownButtonHint(From->FButtonHint);
    FEditorEnabled = From->FEditorEnabled;
    if (FButton && From->FButton) {
        FButton->SetGlyph(From->FButton->Glyph());
        FButton->SetButtonCaption(From->FButton->ButtonCaption());
    }
    FEtched = From->FEtched;
    SetImages(From->FImages);
    FSelectionColorStyle = From->FSelectionColorStyle;
    FSelectionColor = From->FSelectionColor;
    FSelectionColorTo = From->FSelectionColorTo;
}

void TExtCustomDropDown::WriteStoredValues(const std::function<void(const QString& Name, int32_t Value)>& Write) const
{
    Write(QStringLiteral("SelectionColorStyle"), static_cast<int32_t>(FSelectionColorStyle));
    Write(QStringLiteral("VyxStyle"), static_cast<int32_t>(FVyxStyle));
}

bool TExtCustomDropDown::ReadStoredValue(const QString& Name, int32_t Value)
{
    if (Name == QLatin1String("SelectionColorStyle") && Value >= scCustom && Value <= scWindows7) {
        FSelectionColorStyle = static_cast<TSelectionColorStyle>(Value);
        return true;
    }
    if (Name == QLatin1String("VyxStyle") && Value >= tsOffice2003Blue && Value <= tsOffice2010Black) {
        FVyxStyle = static_cast<TVyxStyle>(Value);
        return true;
    }
    return false;
}

void TExtCustomDropDown::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomMaskEdit::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == FImages) {
        FImages = nullptr;
        Invalidate();
    }
    if (AComponent == FControl) FControl = nullptr;
    if (AComponent == FFocusControl && !ComponentState().Contains(csDestroying)) FFocusControl = nullptr;
    if (AComponent == FLabel) FLabel = nullptr;
    if (AComponent == FDropDownForm) FDropDownForm = nullptr;
    if (AComponent == FButton) FButton = nullptr;
}
