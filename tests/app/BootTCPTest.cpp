// The update window driven by mouse and keys: address entry and check, ICMP echo to 127.0.0.1, the choices, the update job and the updater.
#include "UBootTCP.h"
#include "UComon.h"
#include "ULanguage.h"
#include "USettings.h"

#include "button/LbButton.h"
#include "graphics/GraphicsObjects.h"
#include "os/Icmp.h"
#include "os/Services.h"
#include "os/XmlDoc.h"
#include "support/Artifacts.h"
#include "support/DialogScript.h"
#include "support/Input.h"
#include "support/Render.h"
#include "support/TempFolder.h"
#include "windows/StdCtrls.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

#include <chrono>
#include <csignal>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

class TFolderService : public TProgramFolderService {
public:
    QString Folder;
    QString ProgramFolder() override { return Folder; }
};

// An executable /bin/sh script in Folder.
void Script(const QString& Folder, const QString& Name, const QString& Body)
{
    const QString Path = Folder + u'/' + Name;
    QFile File(Path);
    ASSERT_TRUE(File.open(QIODevice::WriteOnly));
    File.write("#!/bin/sh\n" + Body.toUtf8() + "\n");
    File.close();
    QFile::setPermissions(Path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// Polls Condition every 10 ms for at most ten seconds.
bool Eventually(const std::function<bool()>& Condition)
{
    const auto Limit = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!Condition()) {
        if (std::chrono::steady_clock::now() > Limit) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

// Runs Action once the modal loop now starting handles its messages.
void Later(std::function<void()> Action)
{
    QTimer::singleShot(0, std::move(Action));
}

QString Canonical(const QString& Path)
{
    return QFileInfo(Path).canonicalFilePath();
}

// True when this machine lets us open an ICMP socket (root, or a ping group that takes us in).
bool Icmp_Available()
{
    TIdIcmpClient Client(nullptr);
    Client.SetHost(QStringLiteral("127.0.0.1"));
    try {
        Client.Ping();
        return true;
    } catch (const EIdIcmpException&) {
        return false;
    }
}

// While it lives, this process can open no more files or sockets.
class TNoMoreFiles {
public:
    TNoMoreFiles()
    {
        getrlimit(RLIMIT_NOFILE, &FSaved);
        const int Lowest = open("/dev/null", O_RDONLY);
        close(Lowest);
        rlimit Limit = FSaved;
        Limit.rlim_cur = static_cast<rlim_t>(Lowest);
        setrlimit(RLIMIT_NOFILE, &Limit);
    }
    ~TNoMoreFiles() { setrlimit(RLIMIT_NOFILE, &FSaved); }
    TNoMoreFiles(const TNoMoreFiles&) = delete;
    TNoMoreFiles& operator=(const TNoMoreFiles&) = delete;

private:
    rlimit FSaved{};
};

// Points the per-user data folder into Folder while it lives.
class TDataHome {
public:
    explicit TDataHome(const QString& Folder)
        : FWasSet(qEnvironmentVariableIsSet("XDG_DATA_HOME")), FSaved(qgetenv("XDG_DATA_HOME"))
    {
        qputenv("XDG_DATA_HOME", Folder.toUtf8());
    }
    ~TDataHome()
    {
        if (FWasSet)
            qputenv("XDG_DATA_HOME", FSaved);
        else
            qunsetenv("XDG_DATA_HOME");
    }
    TDataHome(const TDataHome&) = delete;
    TDataHome& operator=(const TDataHome&) = delete;

private:
    bool FWasSet;
    QByteArray FSaved;
};

// Each element below Node as "path=text", or as "path" when it holds elements, in document order.
void Flatten(const IXMLNode& Node, const QString& Path, QStringList& Lines)
{
    const QString Here = Path + Node->NodeName();
    if (!Node->HasChildNodes() || Node->IsTextElement()) {
        Lines << Here + u'=' + Node->Text();
        return;
    }
    Lines << Here;
    for (const IXMLNode& Child : Node->ChildNodes()) Flatten(Child, Here + u'/', Lines);
}

QStringList Job_Lines(const QString& FileName)
{
    TXMLDocument XML(nullptr);
    XML.LoadFromFile(FileName);
    QStringList Lines;
    EXPECT_EQ(XML.ChildNodes().Count(), 1) << "the job is its root element alone";
    Flatten(XML.DocumentElement(), QString(), Lines);
    return Lines;
}

// The choices on the options page, and the operations they give.
struct TChoice {
    bool Firmware;
    bool Read_Firm;
    bool Conf;
    bool Read_Conf;
};

QString Bit(bool Value)
{
    return Value ? QStringLiteral("1") : QStringLiteral("0");
}

const QString Op = QStringLiteral("Ethernet_Update/Operations/Operation");

QStringList Firmware_Operation(bool Read_Back, bool GoToApp_After)
{
    return {Op,
            Op + "/Ope_Protection_Enabled=",
            Op + "/Ope_GoToBoot_Before=0",
            Op + "/Ope_GoToApp_Before=0",
            Op + "/Ope_IP_Address=",
            Op + "/Ope_Port=2008",
            Op + "/Ope_Port_Sec=2007",
            Op + "/Ope_Erase_Memory=0",
            Op + "/Ope_FileName=" + Path_Master + "/Sim20418.sim",
            Op + "/Ope_Start_Address=0x8000",
            Op + "/Ope_Memory_Type=0",
            Op + "/Ope_Bank_Type=1",
            Op + "/Ope_Read_Back=" + Bit(Read_Back),
            Op + "/Ope_Write_CSS=1",
            Op + "/Ope_Address_CSS=0x78100",
            Op + "/Ope_Command_CSS=0x0B",
            Op + "/Ope_Write_Internal_Data=0",
            Op + "/Ope_WID_Address=0x78200",
            Op + "/Ope_WID_Command=0x0B",
            Op + "/Ope_WID_Data=",
            Op + "/Ope_GoToApp_After=" + Bit(GoToApp_After)};
}

QStringList Configuration_Operation(bool Read_Back)
{
    return {Op,
            Op + "/Ope_Protection_Enabled=",
            Op + "/Ope_GoToBoot_Before=0",
            Op + "/Ope_GoToApp_Before=0",
            Op + "/Ope_IP_Address=",
            Op + "/Ope_Port=2008",
            Op + "/Ope_Port_Sec=2007",
            Op + "/Ope_Erase_Memory=0",
            Op + "/Ope_FileName=" + Path_Project + "/bin/bank.bin",
            Op + "/Ope_Start_Address=0x68000",
            Op + "/Ope_Memory_Type=0",
            Op + "/Ope_Bank_Type=2",
            Op + "/Ope_Read_Back=" + Bit(Read_Back),
            Op + "/Ope_Write_CSS=0",
            Op + "/Ope_Address_CSS=0x50100",
            Op + "/Ope_Command_CSS=0x0B",
            Op + "/Ope_Write_Internal_Data=0",
            Op + "/Ope_WID_Address=0x78200",
            Op + "/Ope_WID_Command=0x0B",
            Op + "/Ope_WID_Data=",
            Op + "/Ope_GoToApp_After=1"};
}

QStringList Expected_Job(const QString& Address, const TChoice& Choice)
{
    QStringList Lines = {QStringLiteral("Ethernet_Update"),
                         QStringLiteral("Ethernet_Update/Version=1000"),
                         QStringLiteral("Ethernet_Update/Title=Velmora - KT20418 Ethernet Update"),
                         QStringLiteral("Ethernet_Update/IP_Address_Dev=") + Address,
                         QStringLiteral("Ethernet_Update/Application_Port=10000"),
                         QStringLiteral("Ethernet_Update/Boot_Port=2008"),
                         QStringLiteral("Ethernet_Update/Boot_Port_Sec=2007"),
                         QStringLiteral("Ethernet_Update/Address_Protection=0x78000"),
                         QStringLiteral("Ethernet_Update/Protections"),
                         QStringLiteral("Ethernet_Update/Protections/Protection=0x82")};
    if (!Choice.Firmware && !Choice.Conf) return Lines << QStringLiteral("Ethernet_Update/Operations=");
    Lines << QStringLiteral("Ethernet_Update/Operations");
    if (Choice.Firmware) Lines << Firmware_Operation(Choice.Read_Firm, !Choice.Conf);
    if (Choice.Conf) Lines << Configuration_Operation(Choice.Read_Conf);
    return Lines;
}

class BootTCPTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Service.Folder = Program.Path();
        Replaced = SetProgramFolderService(&Service);
        Set_Program_Folders();
        Load_Default_Language();
        SW_Code = Def_SW_Code;
        Last_IP_Address = QStringLiteral("192.168.2.205");
        Path_Project = Path_Projects + QStringLiteral("/Demo");
        New_Window();
    }

    void TearDown() override
    {
        Window.reset();
        FBootTCP = nullptr;
        SetProgramFolderService(Replaced);
        SW_Code.clear();
        Last_IP_Address.clear();
        Path_Project.clear();
    }

    void New_Window()
    {
        Window.reset(New<TFBootTCP>(nullptr));
        FBootTCP = Window.get();
    }

    void Open()
    {
        Window->Show();
        ProcessPendingEvents();
    }

    static void Click(TControl* Control)
    {
        Input::Click(Control, {Control->Width() / 2, Control->Height() / 2});
        ProcessPendingEvents();
    }

    // Replaces the text of Edit as a user does: a click into it, the text selected, the new one typed.
    static void Retype(TEdit* Edit, const QString& Text)
    {
        Click(Edit);
        Input::PressKey(VK_HOME);
        Input::PressKey(VK_END, {ssShift});
        if (Text.isEmpty())
            Input::PressKey(VK_DELETE);
        else
            Input::TypeText(Text);
        ProcessPendingEvents();
    }

    void Type_Address(const TIP_Octets& Octets)
    {
        Retype(Window->E_IP1, Octets[0]);
        Retype(Window->E_IP2, Octets[1]);
        Retype(Window->E_IP3, Octets[2]);
        Retype(Window->E_IP4, Octets[3]);
    }

    TIP_Octets Shown_Octets() const
    {
        return {Window->E_IP1->Text(), Window->E_IP2->Text(), Window->E_IP3->Text(), Window->E_IP4->Text()};
    }

    // The ping result line: its text and colour.
    QString Result() const { return Window->LPing->Caption(); }
    TColor Result_Color() const { return Window->LPing->Font()->Color(); }

    // Clicks Button expecting one error box with an OK button, and returns its text.
    static QString Error_Box_Of(TControl* Button)
    {
        const size_t Before = DialogScript().Boxes().size();
        DialogScript().Answer(mrOk);
        Click(Button);
        if (DialogScript().Boxes().size() != Before + 1) {
            ADD_FAILURE() << "expected one message box";
            return QString();
        }
        const TMessageBoxRequest& Box = DialogScript().Boxes().back();
        std::vector<TModalResult> Buttons;
        for (const TMessageBoxButton& Button : Box.Buttons) Buttons.push_back(Button.Result);
        EXPECT_EQ(Box.Icon, mtError);
        EXPECT_EQ(Buttons, std::vector<TModalResult>{mrOk});
        return Box.Text;
    }

    // Next, refused with its error box.
    void Next_Refused() { EXPECT_EQ(Error_Box_Of(Window->Btn_Next), QStringLiteral("Device not found in network")); }

    struct TPlace {
        const char* Name;
        TControl* Control;
        TPoint At;
    };
    static void Expect_Shown_At(const std::vector<TPlace>& Places)
    {
        for (const TPlace& Place : Places) {
            EXPECT_TRUE(Place.Control->Visible()) << Place.Name;
            EXPECT_EQ(Place.Control->Left(), Place.At.X) << Place.Name;
            EXPECT_EQ(Place.Control->Top(), Place.At.Y) << Place.Name;
        }
    }

    // Saves the window as it looks with the pointer off its buttons.
    void Save_Look(const QString& Name)
    {
        Input::MoveMouse(Window.get(), {Window->ClientWidth() / 2, 70});
        ProcessPendingEvents();
        SaveArtifact(RenderControl(Window.get(), true), Name);
    }

    bool On_Address_Page() const { return Window->Btn_Ping->Visible() && !Window->Btn_Update->Visible(); }

    TempFolder Program;
    TFolderService Service;
    TProgramFolderService* Replaced = nullptr;
    std::unique_ptr<TFBootTCP> Window;
};

// Tests that send echo requests, and the options page they lead to.
class BootTCPCheckTest : public BootTCPTest {
protected:
    void SetUp() override
    {
        BootTCPTest::SetUp();
        if (!Icmp_Available()) GTEST_SKIP() << "no ICMP socket may be opened here";
    }

    void Check(const TIP_Octets& Octets)
    {
        Type_Address(Octets);
        Click(Window->Btn_Ping);
    }

    // Opens the window, checks 127.0.0.1 and goes on to the options page.
    void Go_To_Options()
    {
        Open();
        Check({QStringLiteral("127"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("1")});
        Click(Window->Btn_Next);
        ASSERT_TRUE(Window->Btn_Update->Visible());
    }

    // The updater: it writes down its working folder, its arguments and each run, and keeps a copy
    // of the job it finds in its working folder.
    void Install_Updater(const QString& Folder)
    {
        const QString R = Record.Path();
        Script(Folder, QStringLiteral("Ethernet_Update"),
               QStringLiteral("pwd > \"%1/folder\"\n"
                              "echo \"$#\" > \"%1/arguments\"\n"
                              "cp Ethernet_Update.xml \"%1/job.xml\"\n"
                              "echo run >> \"%1/runs\"")
                   .arg(R));
    }

    void Set_Choice(const TChoice& Choice)
    {
        const std::pair<TCheckBox*, bool> Boxes[] = {{Window->CB_Firmware, Choice.Firmware},
                                                     {Window->CB_Read_Firm, Choice.Read_Firm},
                                                     {Window->CB_Conf, Choice.Conf},
                                                     {Window->CB_Read_Conf, Choice.Read_Conf}};
        for (const auto& [Box, Checked] : Boxes)
            if (Box->Checked() != Checked) {
                // On the box itself: a check box takes clicks on its box and caption only.
                Input::Click(Box, {6, Box->Height() / 2});
                ProcessPendingEvents();
            }
    }

    int32_t Runs() const { return Record.Read(QStringLiteral("runs")).count("run\n"); }

    TempFolder Record;
};

}  // namespace

// ---- Creation and showing ----

TEST_F(BootTCPTest, CreationTakesTheTextsAndChecksEveryChoice)
{
    EXPECT_EQ(Window->Caption(), QStringLiteral("Update Firmware from Etherner (UDP)"));
    EXPECT_EQ(Window->L_SW_Desc->Caption(), QStringLiteral("Update Firmware from Etherner (UDP)"));
    EXPECT_EQ(Window->L_SW_Code->Caption(), QStringLiteral("KT20418"));
    EXPECT_EQ(Window->ClientWidth(), 350);
    EXPECT_EQ(Window->ClientHeight(), 233);
    EXPECT_EQ(Window->L_Ping->Caption(), QStringLiteral("Check the Connection the device"));
    EXPECT_EQ(Window->Btn_Ping->Caption(), QStringLiteral("Ping"));
    EXPECT_EQ(Window->Btn_Cancel->Caption(), QStringLiteral("Cancel"));
    EXPECT_EQ(Window->Btn_Next->Caption(), QStringLiteral("Next"));
    EXPECT_EQ(Window->L_Options->Caption(), QStringLiteral("Update Device Options"));
    EXPECT_EQ(Window->CB_Firmware->Caption(), QStringLiteral("Firmware"));
    EXPECT_EQ(Window->CB_Read_Firm->Caption(), QStringLiteral("Read Firmware when finish"));
    EXPECT_EQ(Window->CB_Conf->Caption(), QStringLiteral("Configuration"));
    EXPECT_EQ(Window->CB_Read_Conf->Caption(), QStringLiteral("Read Configuration when finish"));
    EXPECT_EQ(Window->Btn_Update->Caption(), QStringLiteral("Execute update firmware"));
    for (TCheckBox* Box : {Window->CB_Firmware, Window->CB_Read_Firm, Window->CB_Conf, Window->CB_Read_Conf})
        EXPECT_TRUE(Box->Checked()) << qPrintable(Box->Caption());
    EXPECT_EQ(Window->Ping->PacketSize(), 1024);
    EXPECT_EQ(Window->Ping->ReceiveTimeout(), 400);
    EXPECT_EQ(Window->Btn_Cancel->ModalResult(), mrCancel);
    EXPECT_EQ(Window->Btn_Next->ModalResult(), mrNone);
    EXPECT_EQ(Window->Btn_Update->ModalResult(), mrNone);
}

TEST_F(BootTCPTest, ShowingOpensTheAddressPage)
{
    Open();
    EXPECT_EQ(Window->L_IP_Address->Caption(), QStringLiteral("Insert the IP Address of  RB20418"));
    Expect_Shown_At({{"L_IP_Address", Window->L_IP_Address, {16, 75}},
                     {"E_IP1", Window->E_IP1, {35, 97}},
                     {"E_IP2", Window->E_IP2, {91, 97}},
                     {"E_IP3", Window->E_IP3, {147, 97}},
                     {"E_IP4", Window->E_IP4, {203, 97}},
                     {"Label2", Window->Label2, {83, 105}},
                     {"Label3", Window->Label3, {139, 105}},
                     {"Label4", Window->Label4, {195, 105}},
                     {"L_Ping", Window->L_Ping, {16, 136}},
                     {"Btn_Ping", Window->Btn_Ping, {35, 155}},
                     {"LPing", Window->LPing, {151, 163}}});
    EXPECT_TRUE(Window->Btn_Cancel->Visible());
    EXPECT_TRUE(Window->Btn_Next->Visible());
    for (TControl* Hidden : std::initializer_list<TControl*>{Window->L_Options, Window->CB_Firmware, Window->CB_Read_Firm,
                                                             Window->CB_Conf, Window->CB_Read_Conf, Window->Btn_Update})
        EXPECT_FALSE(Hidden->Visible()) << qPrintable(Hidden->Caption());
    EXPECT_EQ(Result(), QString());
}

TEST_F(BootTCPTest, TheLastAddressFillsTheOctetsWhenItIsValid)
{
    struct TCase {
        QString Stored;
        TIP_Octets Shown;
    };
    const QString Zero = QStringLiteral("0");
    const std::vector<TCase> Cases = {
        {QStringLiteral("192.168.2.205"), {QStringLiteral("192"), QStringLiteral("168"), QStringLiteral("2"), QStringLiteral("205")}},
        {QStringLiteral(" 10 . 1 .2. 3 "), {QStringLiteral("10"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}},
        {QStringLiteral("010.0.0.255"), {QStringLiteral("010"), Zero, Zero, QStringLiteral("255")}},
        // Invalid ones leave the edits as they were.
        {QStringLiteral(""), {Zero, Zero, Zero, Zero}},
        {QStringLiteral("192.168.2"), {Zero, Zero, Zero, Zero}},
        {QStringLiteral("192.168.2.256"), {Zero, Zero, Zero, Zero}},
        {QStringLiteral("192.168.-1.5"), {Zero, Zero, Zero, Zero}},
        {QStringLiteral("192.168.2.5.7"), {Zero, Zero, Zero, Zero}},
        {QStringLiteral("a.b.c.d"), {Zero, Zero, Zero, Zero}},
        {QStringLiteral("1..2.3"), {Zero, Zero, Zero, Zero}},
    };
    for (const TCase& Case : Cases) {
        New_Window();
        Last_IP_Address = Case.Stored;
        Open();
        EXPECT_EQ(Shown_Octets(), Case.Shown) << qPrintable(Case.Stored);
    }
}

TEST_F(BootTCPTest, CancelClosesTheWindow)
{
    Later([this] { Click(Window->Btn_Cancel); });
    EXPECT_EQ(Window->ShowModal(), mrCancel);
}

// ---- Address entry ----

TEST_F(BootTCPTest, AFullStopMovesOnToTheNextOctet)
{
    Open();
    Retype(Window->E_IP1, QStringLiteral("10.20.30.40.5"));
    EXPECT_EQ(Shown_Octets(), (TIP_Octets{QStringLiteral("10"), QStringLiteral("20"), QStringLiteral("30"), QStringLiteral("40.5")}));
    EXPECT_TRUE(Window->E_IP4->Focused());
}

TEST_F(BootTCPTest, AFullStopIsNotTypedWhenTheNextOctetCannotTakeTheFocus)
{
    Open();
    Window->E_IP2->SetEnabled(false);
    Retype(Window->E_IP1, QStringLiteral("10.20"));
    EXPECT_EQ(Window->E_IP1->Text(), QStringLiteral("1020"));
    EXPECT_TRUE(Window->E_IP1->Focused());
}

TEST_F(BootTCPTest, AnAddressThatIsNoAddressIsRefusedWithoutAnEchoRequest)
{
    const QString Zero = QStringLiteral("0");
    const std::vector<TIP_Octets> Cases = {
        {QStringLiteral("256"), Zero, Zero, QStringLiteral("1")},
        {QStringLiteral("-1"), Zero, Zero, QStringLiteral("1")},
        {QString(), Zero, Zero, QStringLiteral("1")},
        {QStringLiteral("127"), Zero, Zero, QStringLiteral("1.5")},
        {QStringLiteral("127"), Zero, Zero, QStringLiteral("x")},
        {QStringLiteral("1 27"), Zero, Zero, QStringLiteral("1")},
    };
    Open();
    for (const TIP_Octets& Octets : Cases) {
        const QString Address = Octets[0] + u'.' + Octets[1] + u'.' + Octets[2] + u'.' + Octets[3];
        Type_Address(Octets);
        Click(Window->Btn_Ping);
        EXPECT_EQ(Result(), QStringLiteral("Error!!! Check the Ip Address")) << qPrintable(Address);
        EXPECT_EQ(Result_Color(), clRed) << qPrintable(Address);
        EXPECT_EQ(Window->Ping->ReplyStatus().SequenceId, 0) << qPrintable(Address);
        Next_Refused();
        EXPECT_TRUE(On_Address_Page()) << qPrintable(Address);
        EXPECT_EQ(Last_IP_Address, QStringLiteral("192.168.2.205")) << qPrintable(Address);
    }
}

TEST_F(BootTCPTest, NextWithoutACheckIsRefused)
{
    Open();
    Next_Refused();
    EXPECT_TRUE(On_Address_Page());
    EXPECT_EQ(Last_IP_Address, QStringLiteral("192.168.2.205"));
}

// ---- The connection check ----

TEST_F(BootTCPCheckTest, TheLoopbackAddressAnswersTwice)
{
    Open();
    TTestClock Clock;
    const uint64_t Start = Clock.Milliseconds();
    Check({QStringLiteral("127"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("1")});
    EXPECT_EQ(Result(), QStringLiteral("Device Found!"));
    EXPECT_EQ(Result_Color(), clGreen);
    // Two requests of 1024 data bytes, each followed by one 10 ms pause.
    EXPECT_EQ(Window->Ping->ReplyStatus().SequenceId, 2);
    EXPECT_EQ(Window->Ping->ReplyStatus().BytesReceived, 8 + 1024);
    EXPECT_EQ(Clock.Milliseconds() - Start, 20u);
    Save_Look(QStringLiteral("boottcp-address"));
}

TEST_F(BootTCPCheckTest, TheTimeLimitEndsACheckWithItsLastResult)
{
    Window->Ping_Limit = 10;
    Open();
    TTestClock Clock;
    Check({QStringLiteral("127"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("1")});
    EXPECT_EQ(Window->Ping->ReplyStatus().SequenceId, 1);
    EXPECT_EQ(Result(), QStringLiteral("Device Found!"));
}

TEST_F(BootTCPCheckTest, WithoutAnIcmpSocketTheCheckFails)
{
#ifdef __SANITIZE_ADDRESS__
    // The sanitizers' runtime opens a pipe to read memory it checks; without descriptors it
    // reports every object it cannot read as broken.
    GTEST_SKIP() << "the sanitizer runtime needs file descriptors of its own";
#endif
    Open();
    Type_Address({QStringLiteral("127"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("1")});
    {
        const TNoMoreFiles NoSockets;
        Input::Click(Window->Btn_Ping, {10, 10});
    }
    ProcessPendingEvents();
    EXPECT_EQ(Result(), QStringLiteral("Error!!! Check the Ip Address"));
    EXPECT_EQ(Result_Color(), clRed);
    Next_Refused();
}

TEST_F(BootTCPCheckTest, LeadingZerosArePingedAsTheAddressTheyStandFor)
{
    Open();
    Check({QStringLiteral("127"), QStringLiteral("000"), QStringLiteral("000"), QStringLiteral("010")});
    EXPECT_EQ(Result(), QStringLiteral("Device Found!"));
    EXPECT_EQ(Window->Ping->ReplyStatus().FromIpAddress, QStringLiteral("127.0.0.10"));
    Click(Window->Btn_Next);
    EXPECT_EQ(Last_IP_Address, QStringLiteral("127.000.000.010"));
}

TEST_F(BootTCPCheckTest, ChangingTheAddressAfterACheckNeedsANewCheck)
{
    Open();
    Check({QStringLiteral("127"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("1")});
    ASSERT_EQ(Result(), QStringLiteral("Device Found!"));
    Retype(Window->E_IP4, QStringLiteral("2"));
    EXPECT_EQ(Result(), QString());
    Next_Refused();
    EXPECT_TRUE(On_Address_Page());
}

// ---- The options page ----

TEST_F(BootTCPCheckTest, NextShowsTheOptionsAndKeepsTheAddress)
{
    Go_To_Options();
    EXPECT_EQ(Last_IP_Address, QStringLiteral("127.0.0.1"));
    Expect_Shown_At({{"L_Options", Window->L_Options, {16, 75}},
                     {"CB_Firmware", Window->CB_Firmware, {36, 96}},
                     {"CB_Read_Firm", Window->CB_Read_Firm, {56, 119}},
                     {"CB_Conf", Window->CB_Conf, {36, 142}},
                     {"CB_Read_Conf", Window->CB_Read_Conf, {56, 165}}});
    EXPECT_TRUE(Window->Btn_Update->Visible());
    EXPECT_EQ(Window->Btn_Update->Left(), 16);
    for (TControl* Hidden : std::initializer_list<TControl*>{
             Window->L_IP_Address, Window->E_IP1, Window->E_IP2, Window->E_IP3, Window->E_IP4, Window->Label2,
             Window->Label3, Window->Label4, Window->L_Ping, Window->Btn_Ping, Window->LPing, Window->Btn_Cancel,
             Window->Btn_Next})
        EXPECT_FALSE(Hidden->Visible()) << qPrintable(Hidden->Caption());
    Save_Look(QStringLiteral("boottcp-options"));

    // The next showing starts again on the address page, filled with the kept address and unchecked.
    Window->Hide();
    Open();
    EXPECT_TRUE(On_Address_Page());
    EXPECT_EQ(Shown_Octets(), (TIP_Octets{QStringLiteral("127"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("1")}));
    Next_Refused();
}

// ---- The update job and the updater ----

TEST_F(BootTCPCheckTest, TheChoicesGiveTheOperationsOfTheJob)
{
    const std::vector<TChoice> Cases = {
        {true, true, true, true},    {true, false, true, false}, {true, true, false, false},
        {true, false, false, true},  {false, false, true, true}, {false, true, true, false},
        {false, true, false, true},
    };
    Install_Updater(Program.Path());
    Go_To_Options();
    for (const TChoice& Choice : Cases) {
        const std::string Label = "firmware " + std::to_string(Choice.Firmware) + std::to_string(Choice.Read_Firm) +
                                  ", configuration " + std::to_string(Choice.Conf) + std::to_string(Choice.Read_Conf);
        Set_Choice(Choice);
        Click(Window->Btn_Update);
        EXPECT_EQ(Job_Lines(Record.File(QStringLiteral("job.xml"))), Expected_Job(QStringLiteral("127.0.0.1"), Choice)) << Label;
        EXPECT_TRUE(Window->Btn_Update->Visible()) << Label;
    }
    EXPECT_EQ(Runs(), static_cast<int32_t>(Cases.size()));
    EXPECT_TRUE(DialogScript().Boxes().empty());
}

TEST_F(BootTCPCheckTest, TheUpdaterRunsInTheProgramFolderWithAnEmptyCommandLine)
{
    Install_Updater(Program.Path());
    Go_To_Options();
    Click(Window->Btn_Update);
    // The click returns once the updater has ended, so everything it does is there.
    EXPECT_EQ(Runs(), 1);
    EXPECT_EQ(Canonical(QString::fromLocal8Bit(Record.Read(QStringLiteral("folder")).trimmed())), Canonical(Program.Path()));
    EXPECT_EQ(Record.Read(QStringLiteral("arguments")), QByteArray("0\n"));
    EXPECT_EQ(Program.Read(QStringLiteral("Ethernet_Update.xml")), Record.Read(QStringLiteral("job.xml")));
    EXPECT_EQ(TFBootTCP::Job_File_Name(), Program.File(QStringLiteral("Ethernet_Update.xml")));
}

TEST_F(BootTCPCheckTest, WithoutAWritableProgramFolderTheJobGoesToTheDataFolder)
{
    const TempFolder Data_Home;
    const TDataHome Home(Data_Home.Path());
    // A program folder that was missing at start-up counts as not writable.
    Service.Folder = Program.File(QStringLiteral("opt"));
    Set_Program_Folders();
    ASSERT_TRUE(QDir().mkpath(Path_Exe));
    Install_Updater(Path_Exe);

    Go_To_Options();
    Click(Window->Btn_Update);
    const QString Data = Data_Home.File(QStringLiteral("kt20418"));
    EXPECT_EQ(Data_Folder(), Data);
    EXPECT_EQ(Runs(), 1);
    EXPECT_EQ(Canonical(QString::fromLocal8Bit(Record.Read(QStringLiteral("folder")).trimmed())), Canonical(Data));
    EXPECT_TRUE(QFile::exists(Data + QStringLiteral("/Ethernet_Update.xml")));
    EXPECT_FALSE(QFile::exists(Path_Exe + QStringLiteral("/Ethernet_Update.xml")));
}

TEST_F(BootTCPCheckTest, AnUpdaterThatCannotBeStartedIsReported)
{
    struct TCase {
        const char* Label;
        std::function<void()> Prepare;
    };
    const std::vector<TCase> Cases = {
        {"missing", [] {}},
        {"not executable", [this] { Program.Write(QStringLiteral("Ethernet_Update"), "#!/bin/sh\nexit 0\n"); }},
        {"a folder", [this] { QDir().mkpath(Program.File(QStringLiteral("Ethernet_Update"))); }},
    };
    const QString Updater = Program.File(QStringLiteral("Ethernet_Update"));
    Go_To_Options();
    for (const TCase& Case : Cases) {
        Case.Prepare();
        EXPECT_EQ(Error_Box_Of(Window->Btn_Update), QStringLiteral("The updater \"%1\" cannot be started.").arg(Updater))
            << Case.Label;
        EXPECT_TRUE(QFile::exists(Program.File(QStringLiteral("Ethernet_Update.xml")))) << Case.Label;
        QDir(Updater).removeRecursively();
        QFile::remove(Updater);
    }
}

TEST_F(BootTCPCheckTest, AJobThatCannotBeWrittenIsReportedAndNothingStarts)
{
    Install_Updater(Program.Path());
    ASSERT_TRUE(QDir().mkpath(Program.File(QStringLiteral("Ethernet_Update.xml"))));
    Go_To_Options();
    EXPECT_TRUE(Error_Box_Of(Window->Btn_Update).contains(Program.File(QStringLiteral("Ethernet_Update.xml"))));
    EXPECT_EQ(Runs(), 0);
}

TEST_F(BootTCPCheckTest, AnUpdaterThatOutlivesTheWaitIsLeftRunning)
{
    Script(Program.Path(), QStringLiteral("Ethernet_Update"),
           QStringLiteral("echo $$ > \"%1/pid\"\nexec /bin/sleep 30").arg(Record.Path()));
    Go_To_Options();
    {
        // The whole 150 s wait passes on the test clock.
        TTestClock Clock;
        const uint64_t Start = Clock.Milliseconds();
        Click(Window->Btn_Update);
        EXPECT_GE(Clock.Milliseconds() - Start, 150000u);
    }
    EXPECT_TRUE(DialogScript().Boxes().empty());
    pid_t Pid = 0;
    ASSERT_TRUE(Eventually([&] {
        Pid = Record.Read(QStringLiteral("pid")).trimmed().toInt();
        return Pid > 0;
    }));
    EXPECT_EQ(kill(Pid, 0), 0);
    kill(Pid, SIGKILL);
}
