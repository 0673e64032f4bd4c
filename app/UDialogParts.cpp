// Building blocks of the configurator's dialogs.
#include "UDialogParts.h"

#include "UWindowLook.h"

#include "button/LbButton.h"
#include "graphics/GraphicsObjects.h"
#include "windows/Dialogs.h"
#include "windows/ExtCtrls.h"
#include "windows/Forms.h"
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

void New_Dialog_Frame(TForm* Form, TPanel*& P_Title, TLabel*& L_SW_Code, TLabel*& L_SW_Desc, TPanel*& P_Button,
                      TLbButton*& Btn_OK, TLbButton*& Btn_Cancel)
{
    P_Title = New_Dialog_Panel(Form, Form, alTop, Dialog_Title_Height);
    L_SW_Code = New_SW_Code_Label(Form, P_Title, 10, 4);
    L_SW_Desc = New_SW_Desc_Label(Form, P_Title, 10, 42);
    P_Button = New_Dialog_Panel(Form, Form, alBottom, Dialog_Button_Panel_Height);
    const int32_t Cancel_Left = Form->ClientWidth() - 8 - Dialog_Button_Width;
    Btn_OK = New_Dialog_Button(Form, P_Button, bkOK, Cancel_Left - 6 - Dialog_Button_Width, 10);
    Btn_Cancel = New_Dialog_Button(Form, P_Button, bkCancel, Cancel_Left, 10);
    Btn_Cancel->SetModalResult(mrCancel);
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
