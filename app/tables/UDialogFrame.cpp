// The shared frame of the rule-table and device-command windows.
#include "tables/UDialogFrame.h"

#include "UComon.h"
#include "UDialogParts.h"
#include "ULanguage.h"
#include "UWindowLook.h"

#include "button/LbButton.h"
#include "windows/ExtCtrls.h"
#include "windows/StdCtrls.h"

namespace {

constexpr int32_t Title_Height = 69;
constexpr int32_t Button_Panel_Height = 40;
constexpr int32_t Panel_Button_Width = 110;
constexpr int32_t Panel_Button_Height = 28;
constexpr int32_t Panel_Button_Pitch = 118;

}  // namespace

TDialogFrame::TDialogFrame(TComponent* AOwner, int32_t AClientWidth, int32_t AClientHeight)
    : TForm(AOwner), FClientWidth(AClientWidth), FClientHeight(AClientHeight)
{
    Apply_Window_Look(this);
    SetPosition(poScreenCenter);
    P_Title = New_Dialog_Panel(this, this, alTop, Title_Height);
    L_SW_Code = New_SW_Code_Label(this, P_Title, 16, 8);
    L_SW_Code->Font()->SetHeight(-32);
    L_SW_Desc = New_SW_Desc_Label(this, P_Title, 16, 42);
    L_SW_Desc->Font()->SetHeight(-11);
    P_Button = New_Dialog_Panel(this, this, alBottom, Button_Panel_Height);
    OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
}

TLbButton* TDialogFrame::New_Panel_Button(int32_t Slot, TLbButtonKind Kind, TModalResult ModalResult)
{
    TLbButton* Button = New_Dialog_Button(this, P_Button, Kind, 16 + Slot * Panel_Button_Pitch, 6);
    Button->SetBounds(Button->Left(), Button->Top(), Panel_Button_Width, Panel_Button_Height);
    Button->SetModalResult(ModalResult);
    return Button;
}

void TDialogFrame::FormCreate(TObject*)
{
    L_SW_Code->SetCaption(SW_Code);
    SetClientWidth(FClientWidth);
    SetClientHeight(FClientHeight);
    Set_Lang();
}

TRuleTableForm::TRuleTableForm(TComponent* AOwner, int32_t AClientWidth, int32_t AClientHeight)
    : TDialogFrame(AOwner, AClientWidth, AClientHeight)
{
    Btn_OK = New_Panel_Button(0, bkOK, mrNone);
    Btn_Cancel = New_Panel_Button(1, bkCancel, mrCancel);
}

void TRuleTableForm::Set_Frame_Lang(int32_t Block)
{
    SetCaption(Lang(Block));
    L_SW_Desc->SetCaption(Lang(Block + 1));
    Btn_OK->SetCaption(Lang(Block + 2));
    Btn_Cancel->SetCaption(Lang(Block + 3));
}
