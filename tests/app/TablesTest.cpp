// The rule-table windows and the device-command window as start-up makes them: software code, client size, frame and texts.
#include "UAdvanceFunctions.h"
#include "UComon.h"
#include "ULanguage.h"
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

#include "support/Artifacts.h"
#include "support/Input.h"
#include "support/Render.h"

#include "button/LbButton.h"
#include "windows/ExtCtrls.h"
#include "windows/StdCtrls.h"

#include <gtest/gtest.h>

#include <QTimer>

#include <functional>
#include <memory>

namespace {

// A rule-table window as its creation leaves it.
struct TTableCase {
    const char* ClassName;
    std::function<TRuleTableForm*()> Create;
    int32_t Block;
    int32_t ClientWidth;
    int32_t ClientHeight;
    const char16_t* Caption;
    const char16_t* Description;
};

template <typename T>
std::function<TRuleTableForm*()> Maker()
{
    return [] { return New<T>(nullptr); };
}

const TTableCase Tables[] = {
    {"TFSetAccess", Maker<TFSetAccess>(), 600, 900, 337, u"Set Modbus Access", u"Set Modbus Access"},
    {"TFReceiveNMEA", Maker<TFReceiveNMEA>(), 700, 810, 337, u"Receive NMEA 2000 Frames", u"Receive NMEA 2000 Frames"},
    {"TFTransmitNMEA", Maker<TFTransmitNMEA>(), 800, 810, 337, u"Transmit NMEA 2000 Frames", u"Transmit NMEA 2000 Frames"},
    {"TFSet_SDO_Server_Access", Maker<TFSet_SDO_Server_Access>(), 1100, 798, 337, u"Set SDO Server Access",
     u"Set SDO Server Access"},
    {"TFSet_SDO_Client_Access", Maker<TFSet_SDO_Client_Access>(), 1000, 798, 337, u"Set SDO Client Access",
     u"Set SDO Client Access"},
    {"TFSet_PDO_Access", Maker<TFSet_PDO_Access>(), 900, 798, 337, u"Set PDO Access", u"Set PDO Access"},
    {"TFModbus_TCP_Master_Set_Access", Maker<TFModbus_TCP_Master_Set_Access>(), 1300, 1100, 337,
     u"Set Modbus TCP Master Access", u"Set Modbus TCP Master Access"},
    {"TFDMXDefVal", Maker<TFDMXDefVal>(), 1400, 475, 337, u"DMX Default Value", u"DMX Default Value"},
    {"TFReceiveJ1939", Maker<TFReceiveJ1939>(), 1500, 800, 337, u"Receive J1939 Frames", u"Receive J1939 Frames"},
    {"TFTransmitJ1939", Maker<TFTransmitJ1939>(), 1600, 800, 337, u"Transmit J1939 Frames", u"Transmit J1939 Frames"},
    {"TFCAN_Rec_Frames", Maker<TFCAN_Rec_Frames>(), 1900, 759, 337, u"Receive CAN Frames", u"Receive CAN Frames"},
    {"TF_Rec_Info", Maker<TF_Rec_Info>(), 2000, 654, 508, u"Receive CAN Frames Info", u"Receive CAN Frames Info"},
    {"TFCAN_Send_Frame", Maker<TFCAN_Send_Frame>(), 2100, 759, 337, u"Send CAN Frames", u"Send CAN Frames"},
    {"TF_Sen_Info", Maker<TF_Sen_Info>(), 2200, 654, 508, u"Send CAN Frames Info", u"Send CAN Frames Info"},
    {"TFNodeGuard", Maker<TFNodeGuard>(), 2300, 700, 337, u"Node Guarding Access", u"Node Guarding Access Definition"},
    {"TFReStart_Devices", Maker<TFReStart_Devices>(), 2400, 798, 336, u"ReStart CANopen Devices",
     u"ReStart CANopen Devices"},
};

QString Text(const char16_t* Value)
{
    return QString::fromUtf16(Value);
}

class TablesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SW_Code = Def_SW_Code;
        Load_Default_Language();
    }
    void TearDown() override { Load_Default_Language(); }
};

// The frame every dialog of this kind shares: the window look, the title and the button panel.
void ExpectFrame(TDialogFrame* Window, const char* Label)
{
    EXPECT_EQ(Window->Color(), Window_Background) << Label;
    EXPECT_EQ(Window->Font()->Name(), QStringLiteral("Verdana")) << Label;
    EXPECT_EQ(Window->Font()->Size(), 8) << Label;
    EXPECT_EQ(Window->Position(), poScreenCenter) << Label;
    EXPECT_EQ(Window->P_Title->Align(), alTop) << Label;
    EXPECT_EQ(Window->P_Title->Height(), 69) << Label;
    EXPECT_EQ(Window->P_Button->Align(), alBottom) << Label;
    EXPECT_EQ(Window->P_Button->Height(), 40) << Label;
    EXPECT_EQ(Window->L_SW_Code->Caption(), QStringLiteral("KT20418")) << Label;
    EXPECT_EQ(Window->L_SW_Code->BoundsRect().TopLeft(), Point(16, 8)) << Label;
    EXPECT_EQ(Window->L_SW_Code->Font()->Height(), -32) << Label;
    EXPECT_EQ(Window->L_SW_Code->Font()->Color(), clGray) << Label;
    EXPECT_EQ(Window->L_SW_Desc->BoundsRect().TopLeft(), Point(16, 42)) << Label;
    EXPECT_EQ(Window->L_SW_Desc->Font()->Height(), -11) << Label;
    EXPECT_TRUE(Window->L_SW_Desc->Font()->Style().Contains(fsBold)) << Label;
}

}  // namespace

TEST_F(TablesTest, EachWindowShowsTheSoftwareCodeAtItsFixedSizeWithItsOwnTexts)
{
    for (const TTableCase& Case : Tables) {
        const std::unique_ptr<TRuleTableForm> Window(Case.Create());
        EXPECT_EQ(Window->ClassName(), QString::fromLatin1(Case.ClassName));
        ExpectFrame(Window.get(), Case.ClassName);
        EXPECT_EQ(Window->ClientWidth(), Case.ClientWidth) << Case.ClassName;
        EXPECT_EQ(Window->ClientHeight(), Case.ClientHeight) << Case.ClassName;
        EXPECT_EQ(Window->Caption(), Text(Case.Caption)) << Case.ClassName;
        EXPECT_EQ(Window->L_SW_Desc->Caption(), Text(Case.Description)) << Case.ClassName;
        EXPECT_EQ(Window->Btn_OK->Caption(), QStringLiteral("OK")) << Case.ClassName;
        EXPECT_EQ(Window->Btn_Cancel->Caption(), QStringLiteral("Cancel")) << Case.ClassName;
        EXPECT_EQ(Window->Btn_OK->BoundsRect(), Bounds(16, 6, 110, 28)) << Case.ClassName;
        EXPECT_EQ(Window->Btn_Cancel->BoundsRect(), Bounds(134, 6, 110, 28)) << Case.ClassName;
        EXPECT_EQ(Window->Btn_OK->ModalResult(), mrNone) << Case.ClassName;
        EXPECT_EQ(Window->Btn_Cancel->ModalResult(), mrCancel) << Case.ClassName;
    }
}

TEST_F(TablesTest, SetLangTakesTheTextsOfTheWindowsOwnBlock)
{
    for (const TTableCase& Case : Tables) {
        const std::unique_ptr<TRuleTableForm> Window(Case.Create());
        const QString Tag = QString::fromLatin1(Case.ClassName) + QLatin1Char(' ');
        for (int32_t Offset = 0; Offset < 4; ++Offset)
            Lang_Table->SetStrings(Case.Block + Offset, Tag + QString::number(Case.Block + Offset));
        Window->Set_Lang();
        EXPECT_EQ(Window->Caption(), Tag + QString::number(Case.Block)) << Case.ClassName;
        EXPECT_EQ(Window->L_SW_Desc->Caption(), Tag + QString::number(Case.Block + 1)) << Case.ClassName;
        EXPECT_EQ(Window->Btn_OK->Caption(), Tag + QString::number(Case.Block + 2)) << Case.ClassName;
        EXPECT_EQ(Window->Btn_Cancel->Caption(), Tag + QString::number(Case.Block + 3)) << Case.ClassName;
    }
}

TEST_F(TablesTest, TheModbusTcpMasterTableReadsItsTextsFromItsBlockBase)
{
    const std::unique_ptr<TFModbus_TCP_Master_Set_Access> Window(New<TFModbus_TCP_Master_Set_Access>(nullptr));
    EXPECT_EQ(Window->Ind_Lang, 1300);
}

TEST_F(TablesTest, TheJ1939TablesHintTheirOkAndCancelButtons)
{
    const std::unique_ptr<TFReceiveJ1939> Receive(New<TFReceiveJ1939>(nullptr));
    const std::unique_ptr<TFTransmitJ1939> Transmit(New<TFTransmitJ1939>(nullptr));
    EXPECT_EQ(Receive->Btn_OK->Hint(), QStringLiteral("Confirm and save the PDO List"));
    EXPECT_EQ(Receive->Btn_Cancel->Hint(), QStringLiteral("Exit without save the PDO List"));
    EXPECT_EQ(Transmit->Btn_OK->Hint(), QStringLiteral("Confirm and save the PDO List"));
    EXPECT_EQ(Transmit->Btn_Cancel->Hint(), QStringLiteral("Exit without save the PDO List"));
    // Only the transmit table shows them.
    EXPECT_FALSE(Receive->Btn_OK->ShowHint());
    EXPECT_TRUE(Transmit->Btn_OK->ShowHint());
}

TEST_F(TablesTest, TheDeviceCommandWindowHasTheFrameWithAnExitButton)
{
    const std::unique_ptr<TFAdvanceFunctions> Window(New<TFAdvanceFunctions>(nullptr));
    ExpectFrame(Window.get(), "TFAdvanceFunctions");
    EXPECT_EQ(Window->ClientWidth(), 635);
    EXPECT_EQ(Window->ClientHeight(), 465);
    EXPECT_EQ(Window->Caption(), QStringLiteral("Advance Functions"));
    EXPECT_EQ(Window->L_SW_Desc->Caption(), QStringLiteral("Advance Functions"));
    EXPECT_EQ(Window->Btn_Exit->Caption(), QStringLiteral("Exit"));
    EXPECT_EQ(Window->Btn_Exit->ModalResult(), mrCancel);
}

TEST_F(TablesTest, CancelClosesTheWindow)
{
    const std::unique_ptr<TFSetAccess> Window(New<TFSetAccess>(nullptr));
    QTimer::singleShot(0, [&] { Input::Click(Window->Btn_Cancel, {20, 14}); });
    EXPECT_EQ(Window->ShowModal(), mrCancel);
}

TEST_F(TablesTest, TheTitleShowsInGreyOnTheWindowColour)
{
    const std::unique_ptr<TFReceiveNMEA> Window(New<TFReceiveNMEA>(nullptr));
    Window->Show();
    const QImage Image = RenderControl(Window.get(), true);
    SaveArtifact(Image, QStringLiteral("rule-table-window"));
    const QImage Client = RenderControl(Window.get());
    EXPECT_EQ(Client.pixel(Window->ClientWidth() - 5, 60), qRgb(248, 247, 237));
    // Some pixel of the software code is drawn in grey.
    const TRect Code = Window->L_SW_Code->BoundsRect();
    bool Grey = false;
    for (int32_t Y = Code.Top; Y < Code.Bottom && !Grey; ++Y)
        for (int32_t X = Code.Left; X < Code.Right && !Grey; ++X) Grey = Client.pixel(X, Y) == qRgb(128, 128, 128);
    EXPECT_TRUE(Grey);
}
