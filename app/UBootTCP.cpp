// Update window and the hand-off to the outside updater: TFBootTCP.
#include "UBootTCP.h"

#include "UComon.h"
#include "ULanguage.h"
#include "USaveBincc.h"
#include "USettings.h"
#include "UStartProgram.h"
#include "UWindowLook.h"

#include "button/LbButton.h"
#include "os/Icmp.h"
#include "os/XmlDoc.h"
#include "rtl/Files.h"
#include "rtl/NumConv.h"
#include "rtl/StrFuncs.h"
#include "windows/Dialogs.h"
#include "windows/ExtCtrls.h"
#include "windows/StdCtrls.h"

#include <utility>

TFBootTCP* FBootTCP = nullptr;

namespace {

constexpr int32_t Client_Width = 350;
constexpr int32_t Client_Height = 233;
constexpr int32_t Echo_Packet_Size = 1024;
constexpr int32_t Echo_Timeout = 400;
constexpr int32_t Ping_Pause = 10;
// Answers that end a check early.
constexpr int32_t Answers_Needed = 2;
// The octet value of a text that does not read as an integer: out of range.
constexpr int32_t Unreadable_Octet = 1000;

const QString Device_Name = QStringLiteral(" RB20418");
const QString Job_Name = QStringLiteral("Ethernet_Update.xml");

// The look of the configurator's buttons: window-coloured face, orange while pressed, yellow under the pointer.
constexpr TColor Button_Face = Window_Background;
constexpr TColor Button_Down = 0x0080FF;

template <typename T>
T* Place(TComponent* Owner, TWinControl* Parent, int32_t Width, int32_t Height)
{
    T* Control = New<T>(Owner);
    Control->SetBounds(0, 0, Width, Height);
    Control->SetParent(Parent);
    return Control;
}

TLabel* Place_Label(TComponent* Owner, TWinControl* Parent, const QString& Caption = {})
{
    TLabel* Label = Place<TLabel>(Owner, Parent, 0, 0);
    Label->SetCaption(Caption);
    return Label;
}

TLbButton* Place_Button(TComponent* Owner, TWinControl* Parent, int32_t Width)
{
    TLbButton* Button = Place<TLbButton>(Owner, Parent, Width, 25);
    Button->SetColor(Button_Face);
    Button->SetColorWhenDown(Button_Down);
    Button->SetHotTrackColor(clYellow);
    Button->SetLightColor(clGray);
    Button->SetStyle(bsEncarta);
    return Button;
}

TPanel* Place_Panel(TComponent* Owner, TWinControl* Parent, TAlign Align, int32_t Height, TColor Color)
{
    TPanel* Panel = Place<TPanel>(Owner, Parent, Client_Width, Height);
    Panel->SetAlign(Align);
    Panel->SetBevelOuter(bvNone);
    Panel->SetColor(Color);
    return Panel;
}

void Show_At(TControl* Control, int32_t Left, int32_t Top)
{
    Control->SetBounds(Left, Top, Control->Width(), Control->Height());
    Control->Show();
}

int32_t Octet_Value(const QString& Text)
{
    return StrToIntDef(Text, Unreadable_Octet);
}

// A full stop in an octet edit moves on to the next octet instead of being typed.
void Next_Octet_On_Dot(QChar& Key, TWinControl* Next)
{
    if (Key != u'.') return;
    Key = QChar();
    if (Next->CanFocus()) Next->SetFocus();
}

// Adds element Name to Parent; an empty Text leaves it without text.
void Add_Value(const IXMLNode& Parent, const QString& Name, const QString& Text)
{
    const IXMLNode Child = Parent->AddChild(Name);
    if (!Text.isEmpty()) Child->SetText(Text);
}

QString Flag(bool Value)
{
    return Value ? QStringLiteral("1") : QStringLiteral("0");
}

// What tells a firmware operation from a configuration one.
struct TOperation {
    QString FileName;
    QString Start_Address;
    QString Bank_Type;
    bool Read_Back;
    QString Write_CSS;
    QString Address_CSS;
    bool GoToApp_After;
};

void Add_Operation(const IXMLNode& Operations, const TOperation& Op)
{
    const IXMLNode Node = Operations->AddChild(QStringLiteral("Operation"));
    const std::pair<const char*, QString> Values[] = {
        {"Ope_Protection_Enabled", QString()},
        {"Ope_GoToBoot_Before", QStringLiteral("0")},
        {"Ope_GoToApp_Before", QStringLiteral("0")},
        {"Ope_IP_Address", QString()},
        {"Ope_Port", QStringLiteral("2008")},
        {"Ope_Port_Sec", QStringLiteral("2007")},
        {"Ope_Erase_Memory", QStringLiteral("0")},
        {"Ope_FileName", Op.FileName},
        {"Ope_Start_Address", Op.Start_Address},
        {"Ope_Memory_Type", QStringLiteral("0")},
        {"Ope_Bank_Type", Op.Bank_Type},
        {"Ope_Read_Back", Flag(Op.Read_Back)},
        {"Ope_Write_CSS", Op.Write_CSS},
        {"Ope_Address_CSS", Op.Address_CSS},
        {"Ope_Command_CSS", QStringLiteral("0x0B")},
        {"Ope_Write_Internal_Data", QStringLiteral("0")},
        {"Ope_WID_Address", QStringLiteral("0x78200")},
        {"Ope_WID_Command", QStringLiteral("0x0B")},
        {"Ope_WID_Data", QString()},
        {"Ope_GoToApp_After", Flag(Op.GoToApp_After)},
    };
    for (const auto& [Name, Text] : Values) Add_Value(Node, QString::fromLatin1(Name), Text);
}

}  // namespace

TFBootTCP::TFBootTCP(TComponent* AOwner) : TForm(AOwner)
{
    Apply_Window_Look(this);
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);

    L_IP_Address = Place_Label(this, this);
    E_IP1 = Place<TEdit>(this, this, 41, 21);
    E_IP2 = Place<TEdit>(this, this, 41, 21);
    E_IP3 = Place<TEdit>(this, this, 41, 21);
    E_IP4 = Place<TEdit>(this, this, 41, 21);
    Label2 = Place_Label(this, this, QStringLiteral("."));
    Label3 = Place_Label(this, this, QStringLiteral("."));
    Label4 = Place_Label(this, this, QStringLiteral("."));
    L_Ping = Place_Label(this, this);
    LPing = Place_Label(this, this);
    Ping = New<TIdIcmpClient>(this);
    Ping->SetPacketSize(Echo_Packet_Size);
    Ping->SetReceiveTimeout(Echo_Timeout);

    P_Title = Place_Panel(this, this, alTop, 65, clWhite);
    L_SW_Code = Place_Label(this, P_Title);
    L_SW_Code->Font()->SetSize(24);
    L_SW_Code->Font()->SetColor(clGray);
    L_SW_Code->SetBounds(16, 2, 0, 0);
    L_SW_Desc = Place_Label(this, P_Title);
    L_SW_Desc->Font()->SetStyle({fsBold});
    L_SW_Desc->Font()->SetColor(clGray);
    L_SW_Desc->SetBounds(16, 45, 0, 0);

    P_Button = Place_Panel(this, this, alBottom, 41, Window_Background);
    Btn_Cancel = Place_Button(this, P_Button, 90);
    Btn_Cancel->SetBounds(150, 8, Btn_Cancel->Width(), Btn_Cancel->Height());
    Btn_Cancel->SetModalResult(mrCancel);
    Btn_Update = Place_Button(this, P_Button, 170);
    Btn_Update->SetTop(8);
    Btn_Next = Place_Button(this, P_Button, 90);
    Btn_Next->SetBounds(250, 8, Btn_Next->Width(), Btn_Next->Height());

    L_Options = Place_Label(this, this);
    CB_Firmware = Place<TCheckBox>(this, this, 260, 17);
    CB_Read_Firm = Place<TCheckBox>(this, this, 260, 17);
    CB_Conf = Place<TCheckBox>(this, this, 260, 17);
    CB_Read_Conf = Place<TCheckBox>(this, this, 260, 17);
    Btn_Ping = Place_Button(this, this, 100);
    XML1 = New<TXMLDocument>(this);

    for (TEdit* Edit : {E_IP1, E_IP2, E_IP3, E_IP4}) {
        Edit->SetText(QStringLiteral("0"));
        Edit->OnChange = [this](TObject* Sender) { Address_Changed(Sender); };
    }
    E_IP1->OnKeyPress = [this](TObject* Sender, QChar& Key) { E_IP1KeyPress(Sender, Key); };
    E_IP2->OnKeyPress = [this](TObject* Sender, QChar& Key) { E_IP2KeyPress(Sender, Key); };
    E_IP3->OnKeyPress = [this](TObject* Sender, QChar& Key) { E_IP3KeyPress(Sender, Key); };
    Ping->OnReply = [this](TComponent* Sender, const TReplyStatus& Status) { PingReply(Sender, Status); };
    Btn_Ping->OnClick = [this](TObject* Sender) { LbButton1Click(Sender); };
    Btn_Next->OnClick = [this](TObject* Sender) { LbButton2Click(Sender); };
    Btn_Update->OnClick = [this](TObject* Sender) { LbButton4Click(Sender); };
    OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
    OnShow = [this](TObject* Sender) { FormShow(Sender); };
}

void TFBootTCP::FormCreate(TObject*)
{
    L_SW_Code->SetCaption(SW_Code);
    SetClientWidth(Client_Width);
    SetClientHeight(Client_Height);
    for (TCheckBox* Box : {CB_Firmware, CB_Read_Firm, CB_Conf, CB_Read_Conf}) Box->SetChecked(true);
    Set_Lang();
}

void TFBootTCP::FormShow(TObject*)
{
    Show_At(L_IP_Address, 16, 75);
    Show_At(E_IP1, 35, 97);
    Show_At(E_IP2, 91, 97);
    Show_At(E_IP3, 147, 97);
    Show_At(E_IP4, 203, 97);
    Show_At(Label2, 83, 105);
    Show_At(Label3, 139, 105);
    Show_At(Label4, 195, 105);
    Show_At(L_Ping, 16, 136);
    Show_At(Btn_Ping, 35, 155);
    Show_At(LPing, 151, 163);
    LPing->SetCaption(QString());
    Btn_Cancel->Show();
    Btn_Next->Show();
    for (TControl* Control : std::initializer_list<TControl*>{L_Options, CB_Firmware, CB_Read_Firm, CB_Conf, CB_Read_Conf, Btn_Update})
        Control->Hide();

    TIP_Octets Octets;
    if (!Last_IP_Address.isEmpty() && Valid_IP(Last_IP_Address, Octets)) {
        E_IP1->SetText(Octets[0]);
        E_IP2->SetText(Octets[1]);
        E_IP3->SetText(Octets[2]);
        E_IP4->SetText(Octets[3]);
    }
    L_IP_Address->SetCaption(Lang(1701) + Device_Name);
    Esegui_Ping = false;
}

bool TFBootTCP::Valid_IP(const QString& IP, TIP_Octets& Octets)
{
    QString Rest = Trim(IP);
    for (size_t Index = 0; Index < 3; ++Index) {
        const qsizetype Dot = Rest.indexOf(u'.');
        if (Dot < 0) return false;
        Octets[Index] = Trim(Rest.left(Dot));
        Rest = Trim(Rest.mid(Dot + 1));
    }
    Octets[3] = Rest;
    for (const QString& Octet : Octets) {
        const int32_t Value = Octet_Value(Octet);
        if (Value < 0 || Value > 255) return false;
    }
    return true;
}

QString TFBootTCP::Typed_Address() const
{
    return E_IP1->Text() + u'.' + E_IP2->Text() + u'.' + E_IP3->Text() + u'.' + E_IP4->Text();
}

void TFBootTCP::E_IP1KeyPress(TObject*, QChar& Key)
{
    Next_Octet_On_Dot(Key, E_IP2);
}

void TFBootTCP::E_IP2KeyPress(TObject*, QChar& Key)
{
    Next_Octet_On_Dot(Key, E_IP3);
}

void TFBootTCP::E_IP3KeyPress(TObject*, QChar& Key)
{
    Next_Octet_On_Dot(Key, E_IP4);
}

void TFBootTCP::Address_Changed(TObject*)
{
    Esegui_Ping = false;
    LPing->SetCaption(QString());
}

void TFBootTCP::PingReply(TComponent*, const TReplyStatus& AReplyStatus)
{
    ping_ = AReplyStatus.BytesReceived > 0 ? 1 : 2;
}

void TFBootTCP::Show_Ping_Result(int32_t Text, TColor Color)
{
    LPing->Font()->SetColor(Color);
    LPing->SetCaption(Lang(Text));
}

bool TFBootTCP::Device_Answers(const QString& Host)
{
    const uint64_t Start = GetTickCount64();
    ping_ = 0;
    Ping->SetHost(Host);
    int32_t Answers = 0;
    do {
        const uint64_t Request = GetTickCount64();
        Ping->Ping();
        // The pauses keep the window painting and answering while the check runs.
        do {
            Sleep(Ping_Pause);
            Application->ProcessMessages();
        } while (ping_ == 0 && GetTickCount64() - Request <= static_cast<uint64_t>(Ping->ReceiveTimeout()));
        if (ping_ == 1) ++Answers;
    } while (Answers < Answers_Needed && GetTickCount64() - Start < Ping_Limit);
    return ping_ == 1;
}

void TFBootTCP::LbButton1Click(TObject*)
{
    Esegui_Ping = false;
    // The address is checked before anything is sent, and pinged as the decimal address it stands
    // for: a text such as "010" would otherwise be looked up as a name or read as octal.
    TIP_Octets Octets;
    if (!Valid_IP(Typed_Address(), Octets)) {
        Show_Ping_Result(1714, clRed);
        return;
    }
    QStringList Host;
    for (const QString& Octet : Octets) Host << IntToStr(Octet_Value(Octet));
    try {
        Esegui_Ping = Device_Answers(Host.join(u'.'));
        if (Esegui_Ping)
            Show_Ping_Result(1712, clGreen);
        else
            Show_Ping_Result(1713, clRed);
    } catch (const Exception&) {
        Esegui_Ping = false;
        Show_Ping_Result(1714, clRed);
    }
}

void TFBootTCP::LbButton2Click(TObject*)
{
    if (!Esegui_Ping) {
        MessageDlg(Lang(1715), mtError, {mbOK}, 0);
        return;
    }
    for (TControl* Control : std::initializer_list<TControl*>{L_IP_Address, E_IP1, E_IP2, E_IP3, E_IP4, Label2, Label3,
                                                              Label4, L_Ping, Btn_Ping, LPing, Btn_Cancel, Btn_Next})
        Control->Hide();
    Show_At(L_Options, 16, 75);
    Show_At(CB_Firmware, 36, 96);
    Show_At(CB_Read_Firm, 56, 119);
    Show_At(CB_Conf, 36, 142);
    Show_At(CB_Read_Conf, 56, 165);
    Show_At(Btn_Update, 16, Btn_Update->Top());
    Last_IP_Address = Typed_Address();
}

QString TFBootTCP::Job_File_Name()
{
    return IncludeTrailingPathDelimiter(Data_Folder()) + Job_Name;
}

void TFBootTCP::Compile_XML_Parameter()
{
    XML1->SetActive(true);
    XML1->ChildNodes().Clear();
    const IXMLNode Root = XML1->AddChild(QStringLiteral("Ethernet_Update"));
    Add_Value(Root, QStringLiteral("Version"), QStringLiteral("1000"));
    Add_Value(Root, QStringLiteral("Title"), QStringLiteral("Velmora - KT20418 Ethernet Update"));
    Add_Value(Root, QStringLiteral("IP_Address_Dev"), Typed_Address());
    Add_Value(Root, QStringLiteral("Application_Port"), QStringLiteral("10000"));
    Add_Value(Root, QStringLiteral("Boot_Port"), QStringLiteral("2008"));
    Add_Value(Root, QStringLiteral("Boot_Port_Sec"), QStringLiteral("2007"));
    Add_Value(Root, QStringLiteral("Address_Protection"), QStringLiteral("0x78000"));
    Add_Value(Root->AddChild(QStringLiteral("Protections")), QStringLiteral("Protection"), QStringLiteral("0x82"));
    const IXMLNode Operations = Root->AddChild(QStringLiteral("Operations"));
    if (CB_Firmware->Checked())
        Add_Operation(Operations, {Path_Master + PathDelim + QStringLiteral("Sim20418.sim"), QStringLiteral("0x8000"),
                                   QStringLiteral("1"), CB_Read_Firm->Checked(), QStringLiteral("1"),
                                   QStringLiteral("0x78100"), !CB_Conf->Checked()});
    if (CB_Conf->Checked())
        Add_Operation(Operations, {Bank_File_Name(), QStringLiteral("0x68000"), QStringLiteral("2"),
                                   CB_Read_Conf->Checked(), QStringLiteral("0"), QStringLiteral("0x50100"), true});
    XML1->SaveToFile(Job_File_Name());
}

void TFBootTCP::LbButton4Click(TObject*)
{
    try {
        Compile_XML_Parameter();
    } catch (const Exception& E) {
        ShowExceptionBox(E);
        return;
    }
    // The updater finds the job in its working folder.
    const QString Updater = Updater_File_Name();
    if (Start_Program(Updater, QString(), false, Updater_Limit, Data_Folder()) == prNotStarted)
        MessageDlg(QStringLiteral("The updater \"%1\" cannot be started.").arg(Updater), mtError, {mbOK}, 0);
}

void TFBootTCP::Set_Lang()
{
    SetCaption(Lang(1700));
    L_SW_Desc->SetCaption(Lang(1700));
    L_Ping->SetCaption(Lang(1702));
    Btn_Ping->SetCaption(Lang(1703));
    Btn_Cancel->SetCaption(Lang(1704));
    Btn_Next->SetCaption(Lang(1705));
    L_Options->SetCaption(Lang(1706));
    CB_Firmware->SetCaption(Lang(1707));
    CB_Read_Firm->SetCaption(Lang(1708));
    CB_Conf->SetCaption(Lang(1709));
    CB_Read_Conf->SetCaption(Lang(1710));
    Btn_Update->SetCaption(Lang(1711));
}
