// New-configuration window: TFNew_Project.
#include "UNew_Project.h"

#include "UComon.h"
#include "UDialogParts.h"
#include "ULanguage.h"
#include "USettings.h"
#include "UWindowLook.h"

#include "button/LbButton.h"
#include "rtl/Files.h"
#include "windows/ExtCtrls.h"
#include "windows/StdCtrls.h"

#include <functional>

TFNew_Project* FNew_Project = nullptr;

namespace {

constexpr int32_t Client_Width = 331;
constexpr int32_t Client_Height = 162;

// A name that makes exactly one folder inside PROJECTS; a Windows separator counts as a separator.
bool Is_Folder_Name(const QString& Name)
{
    return Is_Valid_Project_Name(Name) && !Name.contains(u'\\');
}

}  // namespace

TFNew_Project::TFNew_Project(TComponent* AOwner) : TForm(AOwner)
{
    Apply_Window_Look(this);
    SetBorderStyle(bsSingle);
    SetBorderIcons({biSystemMenu});
    SetPosition(poScreenCenter);
    SetClientWidth(Client_Width);
    SetClientHeight(Client_Height);

    Label1 = New_Label(this, this, 12, Dialog_Title_Height + 8);
    E_New_Proj = New_Control<TEdit>(this, this, 12, Dialog_Title_Height + 26, Client_Width - 24, 21);
    E_New_Proj->SetShowHint(true);
    New_Dialog_Frame(this, P_Title, L_SW_Code, L_SW_Desc, P_Button, Btn_OK, Btn_Cancel);

    OnCreate = std::bind_front(&TFNew_Project::FormCreate, this);
    OnShow = std::bind_front(&TFNew_Project::FormShow, this);
    Btn_OK->OnClick = std::bind_front(&TFNew_Project::Btn_OKClick, this);
    E_New_Proj->OnKeyPress = std::bind_front(&TFNew_Project::E_New_ProjKeyPress, this);
}

void TFNew_Project::FormCreate(TObject*)
{
    L_SW_Code->SetCaption(SW_Code);
    Set_Lang();
}

void TFNew_Project::FormShow(TObject*)
{
    E_New_Proj->Clear();
    // Focused when the form is activated; a SetFocus here would let queued events run before
    // ShowModal starts its loop.
    if (E_New_Proj->CanFocus()) SetActiveControl(E_New_Proj);
}

void TFNew_Project::Btn_OKClick(TObject*)
{
    const QString Name = E_New_Proj->Text();
    if (Name.isEmpty()) return Show_Error(Lang(107));
    // Names that would reach outside PROJECTS are refused as the file system refuses a name.
    if (!Is_Folder_Name(Name)) return Show_Error(Lang(105));
    const QString Folder = IncludeTrailingPathDelimiter(Path_Projects) + Name;
    if (DirectoryExists(Folder)) return Show_Error(Lang(106));
    if (!CreateDir(Folder)) return Show_Error(Lang(105));
    ForceDirectories(IncludeTrailingPathDelimiter(Folder) + QStringLiteral("bin"));
    Select_Project(Name);
    SetModalResult(mrOk);
}

void TFNew_Project::E_New_ProjKeyPress(TObject* Sender, QChar& Key)
{
    if (Key != u'\r') return;
    Key = QChar();
    Btn_OKClick(Sender);
}

void TFNew_Project::Set_Lang()
{
    SetCaption(Lang(100));
    L_SW_Desc->SetCaption(Lang(101));
    Label1->SetCaption(Lang(102));
    Btn_OK->SetCaption(Lang(103));
    Btn_Cancel->SetCaption(Lang(104));
    E_New_Proj->SetHint(Lang(108));
    Btn_OK->SetHint(Lang(109));
    Btn_Cancel->SetHint(Lang(110));
}
