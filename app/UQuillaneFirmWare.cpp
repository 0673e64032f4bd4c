// The main window: its controls and layout, start-up, the step buttons, the version-check timer and the language change.
#include "UQuillaneFirmWare.h"

#include "UAbout.h"
#include "UAdvanceFunctions.h"
#include "UBootTCP.h"
#include "UComon.h"
#include "UDialogParts.h"
#include "UEds.h"
#include "ULanguage.h"
#include "UNew_Project.h"
#include "UOpenConf.h"
#include "UParGen.h"
#include "UProfibus_GSD.h"
#include "USaveBincc.h"
#include "USettings.h"
#include "USoftOptions.h"
#include "UStartProgram.h"
#include "UVersionCheck.h"
#include "UWindowLook.h"
#include "tables/UCAN_Rec_Frames.h"
#include "tables/UCAN_Send_Frame.h"
#include "tables/UDMXDefVal.h"
#include "tables/UModbus_TCP_Master_Set_Access.h"
#include "tables/UNodeGuard.h"
#include "tables/UReStart_Devices.h"
#include "tables/UReceiveJ1939.h"
#include "tables/UReceiveNMEA.h"
#include "tables/USetAccess.h"
#include "tables/USet_PDO_Access.h"
#include "tables/USet_SDO_Client_Access.h"
#include "tables/USet_SDO_Server_Access.h"
#include "tables/UTransmitJ1939.h"
#include "tables/UTransmitNMEA.h"
#include "tables/U_Rec_Info.h"
#include "tables/U_Sen_Info.h"

#include "button/LbButton.h"
#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "os/Http.h"
#include "os/Services.h"
#include "os/XmlDoc.h"
#include "rtl/Exceptions.h"
#include "windows/Dialogs.h"
#include "windows/StdCtrls.h"
#include "windows/Timer.h"

#include <utility>

TFQuillaneFirmWare* FQuillaneFirmWare = nullptr;

namespace {

constexpr int32_t Step_Button_Width = 170;
constexpr int32_t Step_Button_Height = 40;
constexpr int32_t Corner_Button_Size = 50;
constexpr int32_t Client_Width = 694;

TLabel* New_Main_Label(TFQuillaneFirmWare* Form, TFontStyles Style = {}, TColor Color = clBlack)
{
    TLabel* Label = New_Label(Form, Form, 0, 0);
    Label->Font()->SetStyle(Style);
    Label->Font()->SetColor(Color);
    return Label;
}

TLbButton* New_Button(TFQuillaneFirmWare* Form, const QString& Glyph, int32_t Width, int32_t Height)
{
    TLbButton* Button = New_Dialog_Button(Form, Form, bkCustom, 0, 0);
    Button->SetBounds(0, 0, Width, Height);
    TBitmap Picture;
    Picture.LoadFromResourceName(0, Glyph);
    Button->SetGlyph(&Picture);
    Button->OnClick = [Form](TObject* Sender) { Form->Btn_Click(Sender); };
    return Button;
}

TLbButton* New_Step_Button(TFQuillaneFirmWare* Form, const QString& Glyph)
{
    return New_Button(Form, Glyph, Step_Button_Width, Step_Button_Height);
}

// The about, options and close buttons: a glyph alone on the plain face.
TLbButton* New_Corner_Button(TFQuillaneFirmWare* Form, const QString& Glyph)
{
    TLbButton* Button = New_Button(Form, Glyph, Corner_Button_Size, Corner_Button_Size);
    Button->SetStyle(bsNormal);
    return Button;
}

TShape* New_Shape(TFQuillaneFirmWare* Form, int32_t Width, int32_t Height)
{
    TShape* Shape = New_Control<TShape>(Form, Form, 0, 0, Width, Height);
    Shape->Pen()->SetColor(clGray);
    Shape->Brush()->SetStyle(bsClear);
    return Shape;
}

void Place(TControl* Control, int32_t Left, int32_t Top, bool Visible = true)
{
    Control->SetBounds(Left, Top, Control->Width(), Control->Height());
    Control->SetVisible(Visible);
}

template <typename T>
void Free_Form(T*& Form)
{
    delete Form;
    Form = nullptr;
}

}  // namespace

TFQuillaneFirmWare::TFQuillaneFirmWare(TComponent* AOwner) : TForm(AOwner)
{
    Apply_Window_Look(this);
    SetBorderStyle(bsSingle);
    SetBorderIcons({biSystemMenu});
    SetPosition(poScreenCenter);
    SetShowHint(true);

    XML1 = New<TXMLDocument>(this);
    L_SW_Code = New_SW_Code_Label(this, this, 0, 0);
    L_SW_Code->Font()->SetSize(24);
    L_SW_Desc = New_SW_Desc_Label(this, this, 0, 0);
    LL_Update = New_Control<TLinkLabel>(this, this, 0, 0, 0, 0);
    LL_Update->OnLinkClick = [this](TObject* Sender, const QString& Link, TSysLinkType LinkType) {
        LL_UpdateLinkClick(Sender, Link, LinkType);
    };
    Btn_Info = New_Corner_Button(this, QStringLiteral("MAIN_INFO"));
    Btn_Opz = New_Corner_Button(this, QStringLiteral("MAIN_OPTIONS"));
    Btn_Close = New_Corner_Button(this, QStringLiteral("MAIN_CLOSE"));
    Timer_Update = New<TTimer>(this);
    Timer_Update->SetEnabled(false);
    Timer_Update->SetInterval(Version_Check_Delay);
    Timer_Update->OnTimer = [this](TObject* Sender) { Timer_UpdateTimer(Sender); };
    HTTP1 = New<TIdHTTP>(this);
    SaveEDS = New<TSaveDialog>(this);
    Setup_EDS_Save_Dialog(*SaveEDS);
    L_Begin = New_Main_Label(this, {fsBold});
    L_Name_Conf = New_Main_Label(this);
    L_Name_Conf_L2 = New_Main_Label(this, {fsBold});
    Shape2 = New_Shape(this, 604, 36);
    L_Step_1 = New_Main_Label(this, {fsBold});
    Btn_New = New_Step_Button(this, QStringLiteral("MAIN_NEW"));
    Btn_Open = New_Step_Button(this, QStringLiteral("MAIN_OPEN"));
    L_Step_2 = New_Main_Label(this, {fsBold});
    Btn_Prm_Gen = New_Step_Button(this, QStringLiteral("MAIN_PARGEN"));
    L_Step_3 = New_Main_Label(this, {fsBold});
    Btn_Set_Access = New_Step_Button(this, QStringLiteral("MAIN_TABLE"));
    L_Step_4 = New_Main_Label(this, {fsBold});
    L_Step_5 = New_Main_Label(this, {fsBold});
    L_Step_6 = New_Main_Label(this, {fsBold});
    L_Step_7 = New_Main_Label(this, {fsBold});
    L_Step_8 = New_Main_Label(this, {fsBold});
    L_Velmora = New_Main_Label(this, {fsBold}, clGray);
    L_Velmora->SetCursor(crHandPoint);
    L_Velmora->SetCaption(MakerWebServer().Host);
    L_Velmora->OnClick = [this](TObject* Sender) { L_VelmoraClick(Sender); };
    Btn_CreateBin = New_Step_Button(this, QStringLiteral("MAIN_UPDATE"));
    Btn_PROFIBUS_GSD = New_Step_Button(this, QStringLiteral("MAIN_GSD"));
    Shape1 = New_Shape(this, 674, 1);
    const QString Table = QStringLiteral("MAIN_TABLE");
    Btn_Receive_NMEA = New_Step_Button(this, Table);
    Btn_Transmit_NMEA = New_Step_Button(this, Table);
    Btn_SDO_Server_CANopen = New_Step_Button(this, Table);
    Btn_SDO_Client_CANopen = New_Step_Button(this, Table);
    Btn_PDO_CANopen = New_Step_Button(this, Table);
    Btn_DMX_Default = New_Step_Button(this, Table);
    Btn_CANopen_EDS = New_Step_Button(this, QStringLiteral("MAIN_GSD"));
    Btn_J1939_Rec_Frame = New_Step_Button(this, Table);
    Btn_J1939_Send_Frame = New_Step_Button(this, Table);
    Btn_CAN_Rec_Frame = New_Step_Button(this, Table);
    Btn_CAN_Rec_Info = New_Step_Button(this, Table);
    Btn_CAN_Send_Frame = New_Step_Button(this, Table);
    Btn_CAN_Send_Info = New_Step_Button(this, Table);
    Btn_ReStart_Devices_CANopen = New_Step_Button(this, Table);
    Btn_NodeGuard_CANopen = New_Step_Button(this, Table);
    L_Step_9 = New_Main_Label(this, {fsBold});

    OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
    OnClose = [this](TObject* Sender, TCloseAction& Action) { FormClose(Sender, Action); };
}

void TFQuillaneFirmWare::Lay_Out()
{
    Place(L_SW_Code, 16, 8);
    Place(L_SW_Desc, 16, 42);
    Place(L_Begin, 16, 84);
    Place(Shape2, 80, 70);
    Place(L_Name_Conf, 87, 75);
    Place(L_Name_Conf_L2, 87, 88);
    Place(Btn_Info, 516, 8);
    Place(Btn_Opz, 574, 8);
    Place(Btn_Close, 632, 8);
    TLabel* const Steps[] = {L_Step_1, L_Step_2, L_Step_3, L_Step_4, L_Step_5, L_Step_6, L_Step_7, L_Step_8, L_Step_9};
    for (int32_t I = 0; I < 9; ++I) Place(Steps[I], 16, 128 + 44 * I, I < 4);
    Place(Btn_New, 80, 112);
    Place(Btn_Open, 258, 112);
    Place(Btn_Prm_Gen, 80, 156);
    Place(Btn_PROFIBUS_GSD, 80, 200);
    Place(Btn_CreateBin, 80, 244);
    Place(L_Velmora, 565, L_Step_4->Top());
    Place(Shape1, 10, Btn_CreateBin->Top() + 51);
    Place(LL_Update, 16, Shape1->Top() + 16, false);
    for (TLbButton* Hidden : {Btn_Set_Access, Btn_Receive_NMEA, Btn_Transmit_NMEA, Btn_SDO_Server_CANopen,
                              Btn_SDO_Client_CANopen, Btn_PDO_CANopen, Btn_DMX_Default, Btn_CANopen_EDS,
                              Btn_J1939_Rec_Frame, Btn_J1939_Send_Frame, Btn_CAN_Rec_Frame, Btn_CAN_Rec_Info,
                              Btn_CAN_Send_Frame, Btn_CAN_Send_Info, Btn_ReStart_Devices_CANopen,
                              Btn_NodeGuard_CANopen})
        Hidden->SetVisible(false);
    SetClientWidth(Client_Width);
    SetClientHeight(Btn_CreateBin->Top() + 152);
}

void TFQuillaneFirmWare::FormCreate(TObject*)
{
    Lang_Table = std::make_unique<TStringList>();
    Lay_Out();
    Set_Program_Folders();
    Read_Settings_File(*XML1);
    Timer_Update->SetEnabled(Enable_Internet && Enable_Update);
    SW_Title = QStringLiteral("Velmora - Quillan KT20418 - EtherNet/IP / PROFIBUS s ");
    SW_Code = Def_SW_Code;
    SW_Description = Def_SW_Description;
    SetCaption(SW_Title);
    L_SW_Code->SetCaption(SW_Code);
    L_SW_Desc->SetCaption(SW_Description);
    Load_Language();
    Reopen_Last_Project();
    Set_Lang();
    Set_Files();
    Row_Clipboard = std::make_unique<TStringList>();
}

void TFQuillaneFirmWare::FormClose(TObject*, TCloseAction&)
{
    // A settings file that cannot be written is reported; the program still ends.
    try {
        Save_Setting();
    } catch (...) {
        Application->HandleException(this);
    }
}

TForm* TFQuillaneFirmWare::Table_Window_Of(TObject* Button) const
{
    const std::pair<const TLbButton*, TForm*> Tables[] = {
        {Btn_Set_Access, FSetAccess},
        {Btn_Receive_NMEA, FReceiveNMEA},
        {Btn_Transmit_NMEA, FTransmitNMEA},
        {Btn_SDO_Server_CANopen, FSet_SDO_Server_Access},
        {Btn_SDO_Client_CANopen, FSet_SDO_Client_Access},
        {Btn_PDO_CANopen, FSet_PDO_Access},
        {Btn_ReStart_Devices_CANopen, FReStart_Devices},
        {Btn_NodeGuard_CANopen, FNodeGuard},
        {Btn_DMX_Default, FDMXDefVal},
        {Btn_J1939_Rec_Frame, FReceiveJ1939},
        {Btn_J1939_Send_Frame, FTransmitJ1939},
        {Btn_CAN_Rec_Frame, FCAN_Rec_Frames},
        {Btn_CAN_Rec_Info, F_Rec_Info},
        {Btn_CAN_Send_Frame, FCAN_Send_Frame},
        {Btn_CAN_Send_Info, F_Sen_Info},
    };
    for (const auto& [Table_Button, Window] : Tables)
        if (Button == Table_Button) return Window;
    return nullptr;
}

void TFQuillaneFirmWare::Btn_Click(TObject* Sender)
{
    if (Sender == Btn_New) Create_New_Project();
    else if (Sender == Btn_Open) Open_Project();
    else if (Sender == Btn_Close) Close();
    else if (Sender == Btn_Info) FAbout->ShowModal();
    else if (Sender == Btn_Opz) Set_Options();
    else if (Path_Project.isEmpty()) Show_Error(Lang(18));
    else if (Sender == Btn_Prm_Gen) FParGen->ShowModal();
    else if (TForm* Table = Table_Window_Of(Sender)) Table->ShowModal();
    else if (Sender == Btn_CANopen_EDS) Build_EDS_File();
    else if (Sender == Btn_PROFIBUS_GSD) Create_GSD_File();
    else if (Sender == Btn_CreateBin) Update_Device();
}

void TFQuillaneFirmWare::Set_Options()
{
    if (FSoftOptions->ShowModal() != mrOk) return;
    // The timer follows the confirmed flags also when the settings file cannot be written.
    Timer_Update->SetEnabled(Enable_Internet && Enable_Update);
    Save_Setting();
}

void TFQuillaneFirmWare::Timer_UpdateTimer(TObject*)
{
    Timer_Update->SetEnabled(false);
    const bool Newer = Check_Version(*HTTP1);
    if (Newer) LL_Update->SetCaption(Download_Link_Caption(Lang(19)));
    LL_Update->SetVisible(Newer);
    Timer_Update->SetInterval(Version_Check_Interval);
    Timer_Update->SetEnabled(true);
}

void TFQuillaneFirmWare::LL_UpdateLinkClick(TObject*, const QString& Link, TSysLinkType)
{
    OpenUrl(Link);
}

void TFQuillaneFirmWare::L_VelmoraClick(TObject*)
{
    OpenUrl(Product_Page_Url());
}

void TFQuillaneFirmWare::Show_Project_Name()
{
    const bool Open = !Name_Project.isEmpty();
    L_Name_Conf->SetCaption(Lang(Open ? 11 : 9));
    L_Name_Conf_L2->SetCaption(Open ? Name_Project : Lang(10));
}

void TFQuillaneFirmWare::Set_Lang()
{
    L_Begin->SetCaption(Lang(0));
    TLabel* const Steps[] = {L_Step_1, L_Step_2, L_Step_3, L_Step_4, L_Step_5, L_Step_6, L_Step_7, L_Step_8};
    for (int32_t I = 0; I < 8; ++I) Steps[I]->SetCaption(Lang(1 + I));
    L_Step_9->SetCaption(Lang(60));
    Btn_Info->SetHint(Lang(12));
    Btn_Opz->SetHint(Lang(13));
    Btn_Close->SetHint(Lang(14));
    // Caption and hint numbers of the step buttons.
    const struct {
        TLbButton* Button;
        int32_t Caption;
        int32_t Hint;
    } Buttons[] = {
        {Btn_New, 15, 30},
        {Btn_Open, 16, 31},
        {Btn_Prm_Gen, 20, 32},
        {Btn_CreateBin, 17, 33},
        {Btn_Set_Access, 21, 35},
        {Btn_Receive_NMEA, 22, 36},
        {Btn_Transmit_NMEA, 23, 37},
        {Btn_SDO_Server_CANopen, 24, 39},
        {Btn_SDO_Client_CANopen, 25, 40},
        {Btn_PDO_CANopen, 26, 41},
        {Btn_PROFIBUS_GSD, 27, 38},
        {Btn_DMX_Default, 28, 43},
        {Btn_CANopen_EDS, 29, 42},
        {Btn_J1939_Rec_Frame, 44, 46},
        {Btn_J1939_Send_Frame, 45, 47},
        {Btn_CAN_Rec_Frame, 48, 52},
        {Btn_CAN_Rec_Info, 49, 53},
        {Btn_CAN_Send_Frame, 50, 54},
        {Btn_CAN_Send_Info, 51, 55},
        {Btn_NodeGuard_CANopen, 56, 57},
        {Btn_ReStart_Devices_CANopen, 58, 59},
    };
    for (const auto& Entry : Buttons) {
        Entry.Button->SetCaption(Lang(Entry.Caption));
        Entry.Button->SetHint(Lang(Entry.Hint));
    }
    Show_Project_Name();
}

void TFQuillaneFirmWare::Change_Language()
{
    Set_Lang();
    FBootTCP->Set_Lang();
    FNew_Project->Set_Lang();
    FOpenConf->Set_Lang();
    FParGen->Set_Lang();
    FSoftOptions->Set_Lang();
    FReceiveNMEA->Set_Lang();
    FTransmitNMEA->Set_Lang();
    FSet_PDO_Access->Set_Lang();
    FSet_SDO_Client_Access->Set_Lang();
    FDMXDefVal->Set_Lang();
    FCAN_Rec_Frames->Set_Lang();
    F_Rec_Info->Set_Lang();
    FCAN_Send_Frame->Set_Lang();
    F_Sen_Info->Set_Lang();
}

void TFQuillaneFirmWare::Set_Files()
{
    Set_Project_Files();
}

void TFQuillaneFirmWare::Save_Setting()
{
    Write_Settings_File(*XML1);
}

void TFQuillaneFirmWare::Create_New_Project()
{
    // The window itself opens the new configuration on OK.
    if (FNew_Project->ShowModal() == mrOk) Show_Project_Name();
}

void TFQuillaneFirmWare::Open_Project()
{
    if (FOpenConf->ShowModal() != mrOk) return;
    Select_Project(FOpenConf->Name_Conf);
    Show_Project_Name();
}

void TFQuillaneFirmWare::Update_Device()
{
    // The update window needs the image: it opens only when it was built and written.
    if (Create_Bin() && Save_Bin()) FBootTCP->ShowModal();
}

void TFQuillaneFirmWare::Build_EDS_File()
{
    Choose_And_Write_EDS_File(*SaveEDS, *XML1);
}

TProgramRun TFQuillaneFirmWare::Start_Program(const QString& NomeSW, const QString& Parameter, bool tipo)
{
    return ::Start_Program(NomeSW, Parameter, tipo);
}

void Create_Forms()
{
    Application->CreateForm(FQuillaneFirmWare);
    Application->CreateForm(FNew_Project);
    Application->CreateForm(FOpenConf);
    Application->CreateForm(FAbout);
    Application->CreateForm(FParGen);
    Application->CreateForm(FSetAccess);
    Application->CreateForm(FReceiveNMEA);
    Application->CreateForm(FTransmitNMEA);
    Application->CreateForm(FSet_SDO_Server_Access);
    Application->CreateForm(FSet_SDO_Client_Access);
    Application->CreateForm(FSet_PDO_Access);
    Application->CreateForm(FSoftOptions);
    Application->CreateForm(FBootTCP);
    Application->CreateForm(FAdvanceFunctions);
    Application->CreateForm(FModbus_TCP_Master_Set_Access);
    Application->CreateForm(FDMXDefVal);
    Application->CreateForm(FReceiveJ1939);
    Application->CreateForm(FTransmitJ1939);
    Application->CreateForm(FCAN_Rec_Frames);
    Application->CreateForm(F_Rec_Info);
    Application->CreateForm(FCAN_Send_Frame);
    Application->CreateForm(F_Sen_Info);
    Application->CreateForm(FNodeGuard);
    Application->CreateForm(FReStart_Devices);
}

void Free_Forms()
{
    Free_Form(FReStart_Devices);
    Free_Form(FNodeGuard);
    Free_Form(F_Sen_Info);
    Free_Form(FCAN_Send_Frame);
    Free_Form(F_Rec_Info);
    Free_Form(FCAN_Rec_Frames);
    Free_Form(FTransmitJ1939);
    Free_Form(FReceiveJ1939);
    Free_Form(FDMXDefVal);
    Free_Form(FModbus_TCP_Master_Set_Access);
    Free_Form(FAdvanceFunctions);
    Free_Form(FBootTCP);
    Free_Form(FSoftOptions);
    Free_Form(FSet_PDO_Access);
    Free_Form(FSet_SDO_Client_Access);
    Free_Form(FSet_SDO_Server_Access);
    Free_Form(FTransmitNMEA);
    Free_Form(FReceiveNMEA);
    Free_Form(FSetAccess);
    Free_Form(FParGen);
    Free_Form(FAbout);
    Free_Form(FOpenConf);
    Free_Form(FNew_Project);
    Free_Form(FQuillaneFirmWare);
}

bool Save_Form_Picture(TWinControl* Form, const QString& FileName)
{
    TBitmap Picture;
    Picture.SetSize(Form->ClientWidth(), Form->ClientHeight());
    Form->PaintTo(Picture.Canvas()->Handle(), 0, 0);
    try {
        Picture.SaveToFile(FileName);
    } catch (const Exception&) {
        return false;
    }
    return true;
}
