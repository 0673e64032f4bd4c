// The options window: language pages and the language change, the option check boxes and their commit, the version check.
#include "USoftOptions.h"

#include "UAdvanceFunctions.h"
#include "UComon.h"
#include "UDialogParts.h"
#include "ULanguage.h"
#include "UQuillaneFirmWare.h"
#include "UVersionCheck.h"
#include "UWindowLook.h"

#include "button/LbButton.h"
#include "graphics/Picture.h"
#include "os/Services.h"
#include "rtl/Exceptions.h"
#include "rtl/Files.h"
#include "rtl/Strings.h"
#include "windows/ComCtrls.h"
#include "windows/StdCtrls.h"
#include "windows/Timer.h"

#include <QFileInfo>

#include <algorithm>
#include <functional>

TFSoftOptions* FSoftOptions = nullptr;

namespace {

constexpr int32_t Client_Width = 480;
constexpr int32_t Client_Height = 376;
// Each slot is a flag over its centred name, three slots to a row.
constexpr int32_t Slot_Width = 146;
constexpr int32_t Slot_Height = 82;
constexpr int32_t Flag_Width = 72;
constexpr int32_t Flag_Height = 48;

const QString Default_Flag = QStringLiteral("DefaultFlag.bmp");

// The attributes a language file may carry to be offered. Devices, pipes and sockets (faSysFile
// here) are no files to read, so they stay out with the read-only files and the folders.
constexpr int32_t Language_File_Attributes = faHidden | faArchive | faNormal;

TTabSheet* New_Page(TComponent* Owner, TPageControl* Pages)
{
    auto* Page = New<TTabSheet>(Owner);
    Page->SetPageControl(Pages);
    return Page;
}

// A label of fixed width with its text centred.
TLabel* New_Centred_Label(TComponent* Owner, TWinControl* Parent, int32_t Left, int32_t Top, int32_t Width)
{
    TLabel* Label = New_Label(Owner, Parent, 0, 0);
    Label->SetAutoSize(false);
    Label->SetAlignment(taCenter);
    Label->SetBounds(Left, Top, Width, 16);
    return Label;
}

TLbButton* New_Button(TComponent* Owner, TWinControl* Parent, int32_t Left, int32_t Top, int32_t Width)
{
    auto* Button = New_Control<TLbButton>(Owner, Parent, Left, Top, Width, Dialog_Button_Height);
    Apply_Button_Look(Button);
    return Button;
}

TCheckBox* New_Check_Box(TComponent* Owner, TWinControl* Parent, int32_t Top)
{
    return New_Control<TCheckBox>(Owner, Parent, 16, Top, 424, 17);
}

}  // namespace

TFSoftOptions::TFSoftOptions(TComponent* AOwner) : TForm(AOwner)
{
    Apply_Window_Look(this);
    SetBorderStyle(bsSingle);
    SetBorderIcons({biSystemMenu});
    SetPosition(poScreenCenter);
    SetClientWidth(Client_Width);
    SetClientHeight(Client_Height);

    PC_Options = New_Control<TPageControl>(this, this, 8, Dialog_Title_Height + 8, Client_Width - 16,
                                           Client_Height - Dialog_Title_Height - Dialog_Button_Panel_Height - 8);

    TS_Language = New_Page(this, PC_Options);
    L_Sel_Lang = New_Label(this, TS_Language, 12, 10);
    for (int32_t I = 0; I < Slots_Per_Page; ++I) {
        const int32_t Left = 12 + (I % 3) * Slot_Width;
        const int32_t Top = 34 + (I / 3) * Slot_Height;
        I_L[I] = New_Control<TImage>(this, TS_Language, Left + (Slot_Width - Flag_Width) / 2, Top, Flag_Width, Flag_Height);
        I_L[I]->SetCenter(true);
        I_L[I]->SetProportional(true);
        I_L[I]->SetStretch(true);
        L_L[I] = New_Centred_Label(this, TS_Language, Left, Top + Flag_Height + 4, Slot_Width);
        for (TControl* Control : {static_cast<TControl*>(I_L[I]), static_cast<TControl*>(L_L[I])}) {
            Control->SetCursor(crHandPoint);
            Control->OnClick = std::bind_front(&TFSoftOptions::LangClick, this);
        }
    }
    Btn_Prev = New_Button(this, TS_Language, 12, 196, 96);
    L_Page_Lang = New_Centred_Label(this, TS_Language, 116, 200, 216);
    Btn_Next = New_Button(this, TS_Language, 340, 196, 96);

    TS_Con_Options = New_Page(this, PC_Options);
    CB_En_Con = New_Check_Box(this, TS_Con_Options, 16);
    CB_Update = New_Check_Box(this, TS_Con_Options, 44);
    Btn_Check_Update = New_Button(this, TS_Con_Options, 16, 80, 208);
    LL_Check_Update = New_Control<TLinkLabel>(this, TS_Con_Options, 16, 122, 0, 0);

    TS_Soft_Settings = New_Page(this, PC_Options);
    CB_Soft_Set_Jump_Table = New_Check_Box(this, TS_Soft_Settings, 16);
    CB_DoubleClick_Auto_Size = New_Check_Box(this, TS_Soft_Settings, 44);

    TS_AdvanceFunctions = New_Page(this, PC_Options);
    Btn_Advance_Functions = New_Button(this, TS_AdvanceFunctions, 16, 16, 232);
    PC_Options->SetActivePage(TS_Language);

    New_Dialog_Frame(this, P_Title, L_SW_Code, L_SW_Desc, P_Button, Btn_OK, Btn_Cancel);

    OnCreate = std::bind_front(&TFSoftOptions::FormCreate, this);
    OnShow = std::bind_front(&TFSoftOptions::FormShow, this);
    Btn_Prev->OnClick = std::bind_front(&TFSoftOptions::Btn_NextClick, this);
    Btn_Next->OnClick = std::bind_front(&TFSoftOptions::Btn_NextClick, this);
    for (TCheckBox* Box : {CB_En_Con, CB_Update, CB_Soft_Set_Jump_Table, CB_DoubleClick_Auto_Size})
        Box->OnClick = std::bind_front(&TFSoftOptions::CB_En_ConClick, this);
    Btn_Check_Update->OnClick = std::bind_front(&TFSoftOptions::Btn_Check_UpdateClick, this);
    LL_Check_Update->OnLinkClick = std::bind_front(&TFSoftOptions::LL_Check_UpdateLinkClick, this);
    Btn_OK->OnClick = std::bind_front(&TFSoftOptions::Btn_OKClick, this);
    Btn_Advance_Functions->OnClick = std::bind_front(&TFSoftOptions::Btn_Advance_FunctionsClick, this);
}

TFSoftOptions::~TFSoftOptions() = default;

void TFSoftOptions::FormCreate(TObject*)
{
    SL_Languages = std::make_unique<TStringList>();
    L_SW_Code->SetCaption(SW_Code);
    TS_AdvanceFunctions->SetTabVisible(false);
    Set_Lang();
}

void TFSoftOptions::Set_Lang()
{
    SetCaption(Lang(300));
    L_SW_Desc->SetCaption(Lang(301));
    TS_Language->SetCaption(Lang(302));
    TS_Con_Options->SetCaption(Lang(303));
    L_Sel_Lang->SetCaption(Lang(304) + Language_In_Use);
    L_Page_Lang->SetCaption(Lang(305) + QStringLiteral("1") + Lang(306) + QStringLiteral("1"));
    Btn_Prev->SetCaption(Lang(307));
    Btn_Next->SetCaption(Lang(308));
    CB_En_Con->SetCaption(Lang(309));
    CB_Update->SetCaption(Lang(310));
    Btn_Check_Update->SetCaption(Lang(311));
    Show_Update_Text();
    Btn_OK->SetCaption(Lang(312));
    Btn_Cancel->SetCaption(Lang(313));
    TS_AdvanceFunctions->SetCaption(Lang(319));
    Btn_Advance_Functions->SetCaption(Lang(320));
    TS_Soft_Settings->SetCaption(Lang(321));
    CB_Soft_Set_Jump_Table->SetCaption(Lang(322));
    CB_DoubleClick_Auto_Size->SetCaption(Lang(323));
}

void TFSoftOptions::FormShow(TObject*)
{
    Language_In_Use = Current_Language;
    Create_Lang_List();
    Update_CheckBox();
    LL_Check_Update->Hide();
    PC_Options->SetActivePage(TS_Language);
    CB_En_Con->SetChecked(Enable_Internet);
    CB_Update->SetChecked(Enable_Update);
    CB_Soft_Set_Jump_Table->SetChecked(Enable_Jump_Field_Tables);
    CB_DoubleClick_Auto_Size->SetChecked(Double_Click_Auto_Size);
}

void TFSoftOptions::Create_Lang_List()
{
    SL_Languages->Clear();
    const QString Folder = IncludeTrailingPathDelimiter(Path_Language);
    for (const TSearchRec& File : FindFiles(Path_Language, QStringLiteral("*.lng"), faHidden)) {
        // A symbolic link is a reparse point here: left out like the read-only files.
        if ((File.Attr & ~Language_File_Attributes) != 0 || QFileInfo(Folder + File.Name).isSymLink()) continue;
        SL_Languages->Add(File.Name);
    }
    SL_Languages->Sort();
    Update_Lang_Page(1);
}

int32_t TFSoftOptions::Page_Count() const
{
    return (SL_Languages->Count() + Slots_Per_Page - 1) / Slots_Per_Page;
}

QString TFSoftOptions::Language_Name(int32_t Index) const
{
    const QString File = SL_Languages->Strings(Index);
    return File.left(File.size() - 4);
}

void TFSoftOptions::Show_Page_Texts()
{
    L_Sel_Lang->SetCaption(Lang(304) + Language_In_Use);
    L_Page_Lang->SetCaption(Lang(305) + QString::number(Show_Page) + Lang(306) + QString::number(Page_Count()));
}

void TFSoftOptions::Update_Lang_Page(int32_t Page)
{
    Show_Page = Page;
    Show_Page_Texts();
    Btn_Prev->SetVisible(Page != 1);
    Btn_Next->SetVisible(Page != Page_Count());
    const int32_t First = (Page - 1) * Slots_Per_Page;
    const int32_t Shown = std::min(SL_Languages->Count() - First, Slots_Per_Page);
    for (int32_t I = 0; I < Slots_Per_Page; ++I) {
        // Slot 1 stays, empty when there is no language at all.
        const bool Used = I < Shown;
        I_L[I]->SetVisible(Used || I == 0);
        L_L[I]->SetVisible(Used || I == 0);
        if (Used) {
            const QString Name = Language_Name(First + I);
            L_L[I]->SetCaption(Name);
            Show_Flag(I_L[I], Name);
        } else if (I == 0) {
            L_L[I]->SetCaption(QString());
            I_L[I]->Picture()->Assign(nullptr);
        }
    }
}

void TFSoftOptions::Show_Flag(TImage* Image, const QString& Language)
{
    for (const QString& File : {Language + QStringLiteral(".bmp"), Default_Flag}) {
        const QString Path = Find_File_Ignore_Case(Path_Language, File);
        // Only a plain file is read: a pipe by that name would block the window for good.
        if (Path.isEmpty() || !QFileInfo(Path).isFile()) continue;
        try {
            Image->Picture()->LoadFromFile(Path);
            return;
        } catch (const Exception&) {
            // A picture that cannot be read counts as missing.
        }
    }
    Image->Picture()->Assign(nullptr);
    Image->Hide();
}

void TFSoftOptions::Btn_NextClick(TObject* Sender)
{
    if (Sender == Btn_Next) {
        if (Page_Count() >= Show_Page + 1) ++Show_Page;
    } else if (Show_Page - 1 > 0) {
        --Show_Page;
    }
    Update_Lang_Page(Show_Page);
}

void TFSoftOptions::LangClick(TObject* Sender)
{
    int32_t Slot = 0;
    while (Slot < Slots_Per_Page && Sender != I_L[Slot] && Sender != L_L[Slot]) ++Slot;
    const int32_t Index = (Show_Page - 1) * Slots_Per_Page + Slot;
    // A slot without a language (the first one when there is none) does nothing.
    if (Slot == Slots_Per_Page || Index >= SL_Languages->Count()) return;
    const QString Name = Language_Name(Index);
    if (!Ask_Yes(Lang(316) + Language_In_Use + Lang(317) + Name + Lang(318))) return;
    Language_In_Use = Name;
    const QString Kept = Current_Language;
    Current_Language = Name;
    Load_Language();
    Current_Language = Kept;
    FQuillaneFirmWare->Change_Language();
    // Set_Lang shows page 1 of 1; the page shown keeps its own numbers.
    Show_Page_Texts();
}

void TFSoftOptions::Update_CheckBox()
{
    CB_Update->SetEnabled(CB_En_Con->Checked());
    Btn_Check_Update->SetEnabled(CB_Update->Enabled() && CB_Update->Checked());
}

void TFSoftOptions::CB_En_ConClick(TObject*)
{
    Update_CheckBox();
}

bool TFSoftOptions::Check_Version()
{
    return ::Check_Version(*FQuillaneFirmWare->HTTP1);
}

void TFSoftOptions::Show_Update_Text()
{
    LL_Check_Update->SetCaption(Update_Available ? Download_Link_Caption(Lang(314)) : Lang(315));
}

void TFSoftOptions::Btn_Check_UpdateClick(TObject*)
{
    Update_Available = Check_Version();
    Show_Update_Text();
    LL_Check_Update->Show();
}

void TFSoftOptions::LL_Check_UpdateLinkClick(TObject*, const QString& Link, TSysLinkType)
{
    OpenUrl(Link);
}

void TFSoftOptions::Btn_OKClick(TObject*)
{
    Current_Language = Language_In_Use;
    Enable_Internet = CB_En_Con->Checked();
    Enable_Update = CB_Update->Checked();
    FQuillaneFirmWare->Timer_Update->SetEnabled(Enable_Internet && Enable_Update);
    Enable_Jump_Field_Tables = CB_Soft_Set_Jump_Table->Checked();
    Double_Click_Auto_Size = CB_DoubleClick_Auto_Size->Checked();
    SetModalResult(mrOk);
}

void TFSoftOptions::Btn_Advance_FunctionsClick(TObject*)
{
    FAdvanceFunctions->ShowModal();
}
