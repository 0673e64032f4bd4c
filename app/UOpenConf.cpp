// Open-configuration window: TFOpenConf.
#include "UOpenConf.h"

#include "UComon.h"
#include "UDialogParts.h"
#include "ULanguage.h"
#include "UWindowLook.h"

#include "button/LbButton.h"
#include "rtl/Files.h"
#include "rtl/Strings.h"
#include "windows/ExtCtrls.h"
#include "windows/ListControls.h"
#include "windows/StdCtrls.h"

#include <functional>

TFOpenConf* FOpenConf = nullptr;

namespace {

constexpr int32_t Client_Width = 377;
constexpr int32_t Client_Height = 351;

}  // namespace

TFOpenConf::TFOpenConf(TComponent* AOwner) : TForm(AOwner), SL(std::make_unique<TStringList>())
{
    // A sizeable window: the list follows its edges.
    Apply_Window_Look(this);
    SetPosition(poScreenCenter);
    SetClientWidth(Client_Width);
    SetClientHeight(Client_Height);

    const int32_t List_Top = Dialog_Title_Height + 26;
    Label1 = New_Label(this, this, 12, Dialog_Title_Height + 8);
    ListBox1 = New_Control<TListBox>(this, this, 12, List_Top, Client_Width - 24,
                                     Client_Height - Dialog_Button_Panel_Height - 4 - List_Top);
    ListBox1->SetShowHint(true);
    ListBox1->SetAnchors({akLeft, akTop, akRight, akBottom});
    New_Dialog_Frame(this, P_Title, L_SW_Code, L_SW_Desc, P_Button, Btn_OK, Btn_Cancel);
    Btn_OK->SetModalResult(mrOk);
    Btn_OK->SetAnchors({akTop, akRight});
    Btn_Cancel->SetAnchors({akTop, akRight});

    OnCreate = std::bind_front(&TFOpenConf::FormCreate, this);
    OnShow = std::bind_front(&TFOpenConf::FormShow, this);
    ListBox1->OnClick = std::bind_front(&TFOpenConf::ListBox1Click, this);
}

TFOpenConf::~TFOpenConf() = default;

void TFOpenConf::FormCreate(TObject*)
{
    L_SW_Code->SetCaption(SW_Code);
    Set_Lang();
}

void TFOpenConf::Load_Existing_Configuration()
{
    SL->Clear();
    // Every folder, also one whose name starts with "." (a name the new-configuration window takes).
    for (const TSearchRec& Entry : FindFiles(Path_Projects, QStringLiteral("*"), faDirectory | faHidden))
        if ((Entry.Attr & faDirectory) && Entry.Name != u"." && Entry.Name != u"..") SL->Add(Entry.Name);
}

int32_t TFOpenConf::Search_Open_Conf(const QString& Name) const
{
    for (int32_t I = 0; I < SL->Count(); ++I)
        if (SL->Strings(I).compare(Name, Qt::CaseInsensitive) == 0) return I;
    return -1;
}

void TFOpenConf::FormShow(TObject*)
{
    Load_Existing_Configuration();
    ListBox1->SetItems(SL.get());
    // The open configuration's folder name: Path_Project after Path_Projects and its separator.
    const QString Current = Path_Project.mid(Path_Projects.size() + 1);
    int32_t Index = Search_Open_Conf(Current);
    if (Index < 0 && SL->Count() > 0) Index = 0;
    ListBox1->SetItemIndex(Index);
    Name_Conf = Index < 0 ? QString() : SL->Strings(Index);
}

void TFOpenConf::ListBox1Click(TObject*)
{
    const int32_t Index = ListBox1->ItemIndex();
    if (Index >= 0) Name_Conf = ListBox1->Items()->Strings(Index);
}

void TFOpenConf::Set_Lang()
{
    SetCaption(Lang(200));
    L_SW_Desc->SetCaption(Lang(201));
    Label1->SetCaption(Lang(202));
    Btn_OK->SetCaption(Lang(203));
    Btn_Cancel->SetCaption(Lang(204));
    ListBox1->SetHint(Lang(205));
    Btn_OK->SetHint(Lang(206));
    Btn_Cancel->SetHint(Lang(207));
}
