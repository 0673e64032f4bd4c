// Building blocks of the configurator's dialogs.
#include "UDialogParts.h"

#include "UWindowLook.h"

#include "button/LbButton.h"
#include "graphics/GraphicsObjects.h"
#include "windows/Dialogs.h"
#include "windows/ExtCtrls.h"
#include "windows/StdCtrls.h"

namespace {

constexpr TColor Title_Color = clGray;
constexpr TColor Button_Down_Color = 0x0080FF;

}  // namespace

TLabel* New_Label(TComponent* Owner, TWinControl* Parent, int32_t Left, int32_t Top, const QString& Caption)
{
    TLabel* Label = New_Control<TLabel>(Owner, Parent, Left, Top, 0, 0);
    Label->SetCaption(Caption);
    return Label;
}

TLabel* New_SW_Code_Label(TComponent* Owner, TWinControl* Parent, int32_t Left, int32_t Top)
{
    TLabel* Label = New_Label(Owner, Parent, Left, Top);
    Label->Font()->SetSize(20);
    Label->Font()->SetColor(Title_Color);
    return Label;
}

TLabel* New_SW_Desc_Label(TComponent* Owner, TWinControl* Parent, int32_t Left, int32_t Top)
{
    TLabel* Label = New_Label(Owner, Parent, Left, Top);
    Label->Font()->SetStyle({fsBold});
    Label->Font()->SetColor(Title_Color);
    return Label;
}

TPanel* New_Dialog_Panel(TComponent* Owner, TWinControl* Parent, TAlign Align, int32_t Height)
{
    TPanel* Panel = New_Control<TPanel>(Owner, Parent, 0, 0, Parent->ClientWidth(), Height);
    Panel->SetBevelOuter(bvNone);
    Panel->SetParentColor(true);
    Panel->SetAlign(Align);
    return Panel;
}

TLbButton* New_Dialog_Button(TComponent* Owner, TWinControl* Parent, TLbButtonKind Kind, int32_t Left, int32_t Top)
{
    TLbButton* Button = New_Control<TLbButton>(Owner, Parent, Left, Top, Dialog_Button_Width, Dialog_Button_Height);
    Button->SetKind(Kind);
    Button->SetModalResult(mrNone);
    Apply_Button_Look(Button);
    return Button;
}

void Apply_Button_Look(TLbButton* Button)
{
    Button->SetStyle(bsEncarta);
    Button->SetColor(Window_Background);
    Button->SetColorWhenDown(Button_Down_Color);
    Button->SetHotTrackColor(clYellow);
    Button->SetLightColor(clGray);
    Button->SetShowHint(true);
}

void Show_Error(const QString& Text)
{
    MessageDlg(Text, mtError, {mbOK}, 0);
}

bool Ask_Yes(const QString& Text)
{
    return MessageDlg(Text, mtConfirmation, {mbYes, mbNo}, 0) == mrYes;
}
