// Building blocks of the configurator's dialogs: placed controls, title labels, OK and Cancel buttons, error and question boxes.
#pragma once

#include "button/LbButtons.h"
#include "windows/Controls.h"

#include <QString>

#include <cstdint>

class TForm;
class TLabel;
class TLbButton;
class TPanel;

// A control of class T owned by Owner, shown on Parent at the given bounds.
template <typename T>
T* New_Control(TComponent* Owner, TWinControl* Parent, int32_t Left, int32_t Top, int32_t Width, int32_t Height)
{
    T* Control = New<T>(Owner);
    Control->SetBounds(Left, Top, Width, Height);
    Control->SetParent(Parent);
    return Control;
}

// A label with Caption at (Left, Top), sized to its text.
TLabel* New_Label(TComponent* Owner, TWinControl* Parent, int32_t Left, int32_t Top, const QString& Caption = QString());
// L_SW_Code: the label of the software code, in large grey letters.
TLabel* New_SW_Code_Label(TComponent* Owner, TWinControl* Parent, int32_t Left, int32_t Top);
// L_SW_Desc: the one-line description in bold grey.
TLabel* New_SW_Desc_Label(TComponent* Owner, TWinControl* Parent, int32_t Left, int32_t Top);
// A panel in the window's colour without bevels, aligned to the top or bottom edge of the form.
TPanel* New_Dialog_Panel(TComponent* Owner, TWinControl* Parent, TAlign Align, int32_t Height);
// A push button with the glyph and caption of Kind (none for bkCustom) in the configurator's button
// look; it has no modal result of its own.
TLbButton* New_Dialog_Button(TComponent* Owner, TWinControl* Parent, TLbButtonKind Kind, int32_t Left, int32_t Top);
// The frame of the configurator's OK/Cancel dialogs on Form: the title panel at the top with
// L_SW_Code and L_SW_Desc, and the button panel at the bottom with OK and Cancel at its right edge
// (Cancel answers mrCancel). Form's client width must be set.
void New_Dialog_Frame(TForm* Form, TPanel*& P_Title, TLabel*& L_SW_Code, TLabel*& L_SW_Desc, TPanel*& P_Button,
                      TLbButton*& Btn_OK, TLbButton*& Btn_Cancel);
// The configurator's button look: flat face in the window's colour, yellow under the pointer, orange
// while pressed; the hint shows.
void Apply_Button_Look(TLbButton* Button);

// An error box (error icon, OK button) showing Text.
void Show_Error(const QString& Text);
// A question box (Yes and No) showing Text; true when the answer is Yes.
bool Ask_Yes(const QString& Text);

// Size of the dialogs' push buttons.
inline constexpr int32_t Dialog_Button_Width = 75;
inline constexpr int32_t Dialog_Button_Height = 25;
// The title area above a dialog's content: L_SW_Code and L_SW_Desc.
inline constexpr int32_t Dialog_Title_Height = 62;
// The panel of OK and Cancel below it.
inline constexpr int32_t Dialog_Button_Panel_Height = 44;
