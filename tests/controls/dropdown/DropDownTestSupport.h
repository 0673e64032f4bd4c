// Shared pieces of the drop-down tests: a form holding a drop-down whose pop-up shows a panel, and helpers.
#pragma once

#include "dropdown/DropDownButton.h"
#include "dropdown/DropDownForm.h"
#include "dropdown/ExtDropDown.h"

#include "graphics/Colors.h"
#include "rtl/FormatSettings.h"
#include "support/Input.h"
#include "support/Render.h"
#include "windows/ExtCtrls.h"
#include "windows/Forms.h"
#include "windows/StdCtrls.h"

#include <QImage>
#include <QString>
#include <QStringList>

#include <memory>

namespace DropDownTest {

// A drop-down whose pop-up holds a 120 x 40 panel, and which records what happens to it.
class TPanelDropDown : public TExtCustomDropDown {
public:
    using TExtCustomDropDown::TExtCustomDropDown;

    TPanel* Panel = nullptr;
    QStringList* Log = nullptr;
    // Losing the activation keeps the value.
    bool KeepOnDeActivate = false;

    void Note(const QString& Entry)
    {
        if (Log) Log->push_back(Entry);
    }

    using TExtCustomDropDown::DropDownForm;
    using TExtCustomDropDown::GetEditRect;
    using TExtCustomDropDown::GetMinHeight;

protected:
    void CreateDropDownForm() override
    {
        TExtCustomDropDown::CreateDropDownForm();
        if (Panel) return;
        Panel = New<TPanel>(this);
        Panel->SetParent(DropDownForm());
        Panel->SetBounds(0, 0, 120, 40);
        Panel->SetTabStop(true);
    }
    void BeforeDropDown() override
    {
        TExtCustomDropDown::BeforeDropDown();
        if (KeepOnDeActivate) SetCancelOnDeActivate(false);
        SetControl(Panel);
    }
    void DoHideDropDown(bool Cancelled) override
    {
        Note(Cancelled ? QStringLiteral("hide cancelled") : QStringLiteral("hide"));
        TExtCustomDropDown::DoHideDropDown(Cancelled);
    }
    void DropDownSizing() override { Note(QStringLiteral("sizing")); }
    void SelectNextValue() override { Note(QStringLiteral("next")); }
    void SelectPreviousValue() override { Note(QStringLiteral("previous")); }
};

// US separators: decimal point and thousand comma; German: the other way round.
inline TFormatSettings Separators(QChar Decimal, QChar Thousand)
{
    TFormatSettings Settings = TFormatSettings::Invariant();
    Settings.DecimalSeparator = Decimal;
    Settings.ThousandSeparator = Thousand;
    return Settings;
}
inline TFormatSettings US() { return Separators(QLatin1Char('.'), QLatin1Char(',')); }
inline TFormatSettings German() { return Separators(QLatin1Char(','), QLatin1Char('.')); }

inline std::unique_ptr<TForm> MakeForm(int32_t Left, int32_t Top, int32_t Width, int32_t Height)
{
    std::unique_ptr<TForm> Form(New<TForm>(nullptr));
    Form->SetBorderStyle(bsNone);
    Form->SetBounds(Left, Top, Width, Height);
    Form->SetColor(RGB(240, 240, 240));
    return Form;
}

template <typename T>
T* Place(TWinControl* Parent, const TRect& Bounds)
{
    T* Control = New<T>(Parent);
    Control->SetParent(Parent);
    Control->SetBoundsRect(Bounds);
    return Control;
}

// The middle of the drop button, in the button's coordinates.
inline TPoint ButtonMiddle(TExtCustomDropDown* DropDown)
{
    TControl* Button = DropDown->Button()->SpeedButton();
    return {Button->Width() / 2, Button->Height() / 2};
}

inline void ClickButton(TExtCustomDropDown* DropDown)
{
    Input::Click(DropDown->Button()->SpeedButton(), ButtonMiddle(DropDown));
}

inline QRgb Rgb(TColor Color)
{
    const COLORREF Value = ColorToRGB(Color);
    return qRgb(GetRValue(Value), GetGValue(Value), GetBValue(Value));
}

inline QString Hex(QRgb Pixel)
{
    return QStringLiteral("#%1").arg(Pixel & 0xFFFFFF, 6, 16, QLatin1Char('0')).toUpper();
}

}  // namespace DropDownTest
