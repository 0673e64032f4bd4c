// The device parameter image: bytes of bin/bank.bin against the offset table, checksum, rebuilds and failures.
#include "ParGenReader.h"
#include "UComon.h"
#include "USaveBincc.h"

#include "rtl/Exceptions.h"
#include "support/DialogScript.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <climits>
#include <functional>
#include <iterator>
#include <type_traits>
#include <vector>

namespace {

static_assert(std::is_same_v<decltype(Bank_Buffer_Length), int32_t>);
static_assert(sizeof(Bank_Parameters.Bytes) == 2048);
static_assert(sizeof(Bank_Buffer) == 34816);

// What the image should hold, written field by field from the offset table.
struct TImage {
    uint8_t IP[4] = {192, 168, 2, 205};
    uint8_t SM[4] = {255, 255, 255, 0};
    uint8_t GAT[4] = {255, 255, 255, 255};
    uint32_t Input = 0;
    uint32_t Output = 0;
    uint8_t Station = 0;
};

void Put(QByteArray& Bytes, int Offset, int Width, uint32_t Value)
{
    for (int I = 0; I < Width; ++I) Bytes[Offset + I] = static_cast<char>((Value >> (8 * I)) & 0xFF);
}

uint32_t ByteSum(const QByteArray& Bytes)
{
    uint32_t Sum = 0;
    for (int I = 0; I < 2044; ++I) Sum += static_cast<uint8_t>(Bytes[I]);
    return Sum;
}

QByteArray Expected(const TImage& Image)
{
    QByteArray Bytes(2048, '\0');
    Put(Bytes, 12, 4, 9600);
    for (int I = 0; I < 4; ++I) {
        Put(Bytes, 40 + I, 1, Image.IP[I]);
        Put(Bytes, 44 + I, 1, Image.SM[I]);
        Put(Bytes, 48 + I, 1, Image.GAT[I]);
    }
    Put(Bytes, 52, 2, 10000);
    Put(Bytes, 54, 2, 44818);
    Put(Bytes, 56, 2, 44818);
    Put(Bytes, 60, 4, 9600);
    Put(Bytes, 116, 4, Image.Input);
    Put(Bytes, 120, 4, Image.Output);
    Put(Bytes, 129, 1, Image.Station);
    Put(Bytes, 648, 4, 128);
    Put(Bytes, 652, 4, 32);
    Put(Bytes, 2044, 4, ByteSum(Bytes));
    return Bytes;
}

// The first offset where the two images differ, with both bytes; empty when they are equal.
std::string FirstDifference(const QByteArray& Actual, const QByteArray& Wanted)
{
    if (Actual.size() != Wanted.size())
        return "size " + std::to_string(Actual.size()) + " instead of " + std::to_string(Wanted.size());
    for (int I = 0; I < Wanted.size(); ++I)
        if (Actual[I] != Wanted[I])
            return "offset " + std::to_string(I) + ": " + std::to_string(static_cast<uint8_t>(Actual[I])) +
                   " instead of " + std::to_string(static_cast<uint8_t>(Wanted[I]));
    return {};
}

// ParGen.xml with the given elements under the root.
QByteArray ParGen(const std::vector<std::pair<const char*, const char*>>& Elements)
{
    QByteArray Xml = "<Par_Gen>\n";
    for (const auto& [Name, Text] : Elements) Xml += QByteArray("  <") + Name + ">" + Text + "</" + Name + ">\n";
    return Xml + "</Par_Gen>\n<!--SW_VERSION = 1.005-->\n";
}

class BankImageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SavedProject = Path_Project;
        SavedParGen = File_ParGen;
        Path_Project = Config.Path();
        File_ParGen = Config.File(QStringLiteral("ParGen.xml"));
        QDir().mkdir(Config.File(QStringLiteral("bin")));
    }
    void TearDown() override
    {
        QFile::setPermissions(BankFile(), QFile::ReadOwner | QFile::WriteOwner);
        Path_Project = SavedProject;
        File_ParGen = SavedParGen;
    }

    QString BankFile() const { return Config.File(QStringLiteral("bin/bank.bin")); }
    QByteArray Bank() const { return Config.Read(QStringLiteral("bin/bank.bin")); }
    void WriteParGen(const QByteArray& Xml) const { Config.Write(QStringLiteral("ParGen.xml"), Xml); }
    // Update Device's two steps.
    bool Build()
    {
        return Create_Bin() && Save_Bin();
    }

    TempFolder Config;
    QString SavedProject;
    QString SavedParGen;
};

struct TImageCase {
    const char* Name;
    // Null: no ParGen.xml.
    const char* Xml;
    TImage Image;
};

const TImageCase ImageCases[] = {
    {"no ParGen.xml: the image's own defaults", nullptr, {}},
    {"empty root: each element's default, gateway off",
     "<Par_Gen></Par_Gen>",
     {{192, 168, 0, 5}, {255, 255, 255, 0}, {255, 255, 255, 255}, 0, 0, 10}},
    {"a comment before the root hides every element",
     "<!--x--><Par_Gen><EtherNetIP_IP1>10</EtherNetIP_IP1><EtherNetIP_EN_GAT>1</EtherNetIP_EN_GAT></Par_Gen>",
     {{192, 168, 0, 5}, {255, 255, 255, 0}, {255, 255, 255, 255}, 0, 0, 10}},
    {"gateway switch missing: gateway octets stay 255",
     "<Par_Gen><EtherNetIP_GAT1>10</EtherNetIP_GAT1><EtherNetIP_GAT2>1</EtherNetIP_GAT2>"
     "<EtherNetIP_GAT3>1</EtherNetIP_GAT3><EtherNetIP_GAT4>1</EtherNetIP_GAT4></Par_Gen>",
     {{192, 168, 0, 5}, {255, 255, 255, 0}, {255, 255, 255, 255}, 0, 0, 10}},
    {"gateway switch on without gateway octets: their defaults",
     "<Par_Gen><EtherNetIP_EN_GAT>1</EtherNetIP_EN_GAT></Par_Gen>",
     {{192, 168, 0, 5}, {255, 255, 255, 0}, {192, 168, 0, 1}, 0, 0, 10}},
    {"texts that do not read as decimal numbers take the defaults",
     "<Par_Gen><EtherNetIP_IP1>abc</EtherNetIP_IP1><EtherNetIP_IP2></EtherNetIP_IP2><EtherNetIP_IP3>$10</EtherNetIP_IP3>"
     "<EtherNetIP_IP4> 7</EtherNetIP_IP4><EtherNetIP_SM1>0x10</EtherNetIP_SM1><EtherNetIP_SM4>1e1</EtherNetIP_SM4>"
     "<EtherNetIP_NB_Input>12 </EtherNetIP_NB_Input><EtherNetIP_NB_Output>+20</EtherNetIP_NB_Output>"
     "<PROFIBUS_SLAVE_ID_DEV><x>5</x></PROFIBUS_SLAVE_ID_DEV></Par_Gen>",
     {{192, 168, 0, 7}, {255, 255, 255, 0}, {255, 255, 255, 255}, 0, 20, 10}},
    {"numbers beyond the 32-bit range take the defaults",
     "<Par_Gen><EtherNetIP_IP1>4294967296</EtherNetIP_IP1><EtherNetIP_NB_Input>2147483648</EtherNetIP_NB_Input>"
     "<EtherNetIP_NB_Output>2147483647</EtherNetIP_NB_Output></Par_Gen>",
     {{192, 168, 0, 5}, {255, 255, 255, 0}, {255, 255, 255, 255}, 0, 2147483647u, 10}},
};

TEST_F(BankImageTest, EveryByteFollowsTheOffsetTable)
{
    for (const TImageCase& Case : ImageCases) {
        SCOPED_TRACE(Case.Name);
        QFile::remove(File_ParGen);
        if (Case.Xml) WriteParGen(Case.Xml);
        ASSERT_TRUE(Build());
        EXPECT_EQ(FirstDifference(Bank(), Expected(Case.Image)), "");
    }
}

TEST_F(BankImageTest, AFullParGenSetsEveryField)
{
    WriteParGen(ParGen({{"EtherNetIP_IP1", "10"}, {"EtherNetIP_IP2", "20"}, {"EtherNetIP_IP3", "30"},
                        {"EtherNetIP_IP4", "40"}, {"EtherNetIP_SM1", "255"}, {"EtherNetIP_SM2", "254"},
                        {"EtherNetIP_SM3", "0"}, {"EtherNetIP_SM4", "0"}, {"EtherNetIP_GAT1", "10"},
                        {"EtherNetIP_GAT2", "20"}, {"EtherNetIP_GAT3", "0"}, {"EtherNetIP_GAT4", "1"},
                        {"EtherNetIP_EN_GAT", "1"}, {"EtherNetIP_PORT", "44818"}, {"EtherNetIP_NB_Input", "100"},
                        {"EtherNetIP_NB_Output", "244"}, {"PROFIBUS_SLAVE_ID_DEV", "125"},
                        {"PROFIBUS_SLAVE_BAUDRATE", "0"}}));
    ASSERT_TRUE(Build());
    EXPECT_EQ(FirstDifference(Bank(), Expected({{10, 20, 30, 40}, {255, 254, 0, 0}, {10, 20, 0, 1}, 100, 244, 125})), "");
}

TEST_F(BankImageTest, ValuesAbove255KeepTheirLowByteAndSizesKeepAll32Bits)
{
    WriteParGen(ParGen({{"EtherNetIP_IP1", "300"}, {"EtherNetIP_IP2", "256"}, {"EtherNetIP_IP3", "-1"},
                        {"EtherNetIP_IP4", "511"}, {"EtherNetIP_SM1", "1000"}, {"EtherNetIP_SM2", "65535"},
                        {"EtherNetIP_SM3", "257"}, {"EtherNetIP_SM4", "0"}, {"EtherNetIP_GAT1", "300"},
                        {"EtherNetIP_GAT2", "400"}, {"EtherNetIP_GAT3", "500"}, {"EtherNetIP_GAT4", "600"},
                        {"EtherNetIP_EN_GAT", "1"}, {"EtherNetIP_NB_Input", "70000"}, {"EtherNetIP_NB_Output", "-2"},
                        {"PROFIBUS_SLAVE_ID_DEV", "300"}}));
    ASSERT_TRUE(Build());
    EXPECT_EQ(FirstDifference(Bank(), Expected({{44, 0, 255, 255}, {232, 255, 1, 0}, {44, 144, 244, 88}, 70000,
                                                0xFFFFFFFEu, 44})),
              "");
}

TEST_F(BankImageTest, TheGatewayOctetsAreUsedOnlyWhenTheSwitchIsExactly1)
{
    const struct {
        const char* Switch;
        bool On;
    } Cases[] = {{"1", true}, {"0", false}, {" 1", false}, {"1 ", false}, {"01", false}, {"", false}, {"true", false}};
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.Switch);
        WriteParGen(ParGen({{"EtherNetIP_GAT1", "10"}, {"EtherNetIP_GAT2", "1"}, {"EtherNetIP_GAT3", "1"},
                            {"EtherNetIP_GAT4", "1"}, {"EtherNetIP_EN_GAT", Case.Switch}}));
        ASSERT_TRUE(Build());
        TImage Image{{192, 168, 0, 5}, {255, 255, 255, 0}, {255, 255, 255, 255}, 0, 0, 10};
        if (Case.On) {
            const uint8_t Gateway[4] = {10, 1, 1, 1};
            std::copy_n(Gateway, 4, Image.GAT);
        }
        EXPECT_EQ(FirstDifference(Bank(), Expected(Image)), "");
    }
}

TEST_F(BankImageTest, TheChecksumIsTheByteSumOfEverythingBeforeIt)
{
    WriteParGen(ParGen({{"EtherNetIP_IP1", "255"}, {"EtherNetIP_IP2", "255"}, {"EtherNetIP_NB_Input", "244"},
                        {"PROFIBUS_SLAVE_ID_DEV", "99"}}));
    ASSERT_TRUE(Build());
    const QByteArray Bytes = Bank();
    ASSERT_EQ(Bytes.size(), 2048);
    uint32_t Sum = 0;
    for (int I = 0; I < 2044; ++I) Sum += static_cast<uint8_t>(Bytes[I]);
    const uint32_t Stored = static_cast<uint8_t>(Bytes[2044]) | static_cast<uint8_t>(Bytes[2045]) << 8 |
                            static_cast<uint8_t>(Bytes[2046]) << 16 | static_cast<uint32_t>(static_cast<uint8_t>(Bytes[2047])) << 24;
    EXPECT_EQ(Stored, Sum);
    // 9600 twice, the address, mask and gateway, the three ports, the size, the station address and 128 and 32.
    const uint32_t ByHand = 2 * (0x80 + 0x25) + (255 + 255 + 0 + 5) + (255 * 3) + (255 * 4) + (0x10 + 0x27) +
                            2 * (0x12 + 0xAF) + 244 + 99 + 128 + 32;
    EXPECT_EQ(Sum, ByHand);
    EXPECT_EQ(Bank_Parameters.Checksum(), Sum);
    EXPECT_EQ(Bank_Buffer_Length, 2048);
}

TEST_F(BankImageTest, EachBuildStartsFromScratch)
{
    Config.Write(QStringLiteral("bin/bank.bin"), QByteArray(4096, '\xAA'));
    WriteParGen(ParGen({{"EtherNetIP_IP1", "10"}, {"EtherNetIP_EN_GAT", "1"}, {"EtherNetIP_NB_Input", "64"},
                        {"EtherNetIP_NB_Output", "64"}, {"PROFIBUS_SLAVE_ID_DEV", "3"}}));
    ASSERT_TRUE(Build());
    EXPECT_EQ(FirstDifference(Bank(), Expected({{10, 168, 0, 5}, {255, 255, 255, 0}, {192, 168, 0, 1}, 64, 64, 3})), "");
    QFile::remove(File_ParGen);
    ASSERT_TRUE(Build());
    EXPECT_EQ(FirstDifference(Bank(), Expected({})), "");
}

TEST_F(BankImageTest, AMissingBinFolderIsCreated)
{
    QDir(Config.File(QStringLiteral("bin"))).removeRecursively();
    ASSERT_TRUE(Build());
    EXPECT_EQ(FirstDifference(Bank(), Expected({})), "");
    EXPECT_EQ(Bank_File_Name(), Config.Path() + QStringLiteral("/bin/bank.bin"));
}

TEST_F(BankImageTest, AFileThatCannotBeWrittenIsReportedAndKept)
{
    const QByteArray Old(100, 'x');
    Config.Write(QStringLiteral("bin/bank.bin"), Old);
    QFile::setPermissions(BankFile(), QFile::ReadOwner);
    DialogScript().Answer(mrOk);
    ASSERT_TRUE(Create_Bin());
    EXPECT_FALSE(Save_Bin());
    ASSERT_EQ(DialogScript().Boxes().size(), 1u);
    const TMessageBoxRequest& Box = DialogScript().Boxes().front();
    EXPECT_TRUE(Box.Text.contains(BankFile())) << Box.Text.toStdString();
    EXPECT_EQ(Box.Icon, mtError);
    EXPECT_EQ(ButtonCaptions(Box), QStringList{QStringLiteral("OK")});
    EXPECT_EQ(Bank(), Old);
}

TEST_F(BankImageTest, OtherWriteFailuresAreReported)
{
    const struct {
        const char* Name;
        std::function<void(const TempFolder&)> Arrange;
        QString Named;
    } Cases[] = {
        {"bin is a file", [](const TempFolder& Config) {
             QDir(Config.File(QStringLiteral("bin"))).removeRecursively();
             Config.Write(QStringLiteral("bin"), "x");
         }, QStringLiteral("/bin/bank.bin")},
        {"the configuration folder is gone", [](const TempFolder& Config) {
             Path_Project = Config.File(QStringLiteral("gone"));
         }, QStringLiteral("/gone/bin/bank.bin")},
        {"no configuration is open", [](const TempFolder&) { Path_Project.clear(); }, QStringLiteral("bin/bank.bin")},
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        Path_Project = Config.Path();
        Case.Arrange(Config);
        const size_t Before = DialogScript().Boxes().size();
        DialogScript().Answer(mrOk);
        ASSERT_TRUE(Create_Bin());
        EXPECT_FALSE(Save_Bin());
        ASSERT_EQ(DialogScript().Boxes().size(), Before + 1);
        EXPECT_TRUE(DialogScript().Boxes().back().Text.contains(Case.Named)) << DialogScript().Boxes().back().Text.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(Config.File(QStringLiteral("gone"))));
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral("/bin/bank.bin")));
}

TEST_F(BankImageTest, AParGenThatDoesNotParseStopsTheUpdateWithoutAFile)
{
    const char* Broken[] = {"<Par_Gen><EtherNetIP_IP1>10</Par_Gen>", "", "not xml", "<a/><b/>"};
    for (const char* Xml : Broken) {
        SCOPED_TRACE(Xml);
        WriteParGen(Xml);
        DialogScript().Answer(mrOk);
        EXPECT_FALSE(Create_Bin());
        EXPECT_EQ(Bank_Buffer_Length, 0);
        EXPECT_FALSE(Save_Bin());
        ASSERT_FALSE(DialogScript().Boxes().empty());
        const TMessageBoxRequest& Box = DialogScript().Boxes().back();
        EXPECT_TRUE(Box.Text.contains(File_ParGen)) << Box.Text.toStdString();
        EXPECT_EQ(Box.Icon, mtError);
        EXPECT_FALSE(QFileInfo::exists(BankFile()));
    }
    EXPECT_EQ(DialogScript().Boxes().size(), std::size(Broken));
}

TEST_F(BankImageTest, AnOldImageStaysWhenParGenDoesNotParse)
{
    const QByteArray Old(2048, '\x11');
    Config.Write(QStringLiteral("bin/bank.bin"), Old);
    WriteParGen("<Par_Gen>");
    DialogScript().Answer(mrOk);
    EXPECT_FALSE(Build());
    EXPECT_EQ(Bank(), Old);
}

TEST_F(BankImageTest, BlocksAreAppendedWhileTheBufferHasRoom)
{
    Init_Bank_Parameters();
    Read_ParGen_Parameters();
    TBank_Buffer Buffer{};
    EXPECT_EQ(Append_Bank_Block(0, Buffer), 2048);
    EXPECT_EQ(Append_Bank_Block(34816 - 2048, Buffer), 34816);
    EXPECT_THROW(Append_Bank_Block(34816 - 2047, Buffer), ERangeError);
    EXPECT_THROW(Append_Bank_Block(-1, Buffer), ERangeError);
    EXPECT_EQ(Buffer[34816 - 2048 + 12], 0x80);
    EXPECT_EQ(Buffer[34816 - 2048 + 13], 0x25);
}

TEST(BankDecimalTest, OnlyDecimalTextsRead)
{
    const struct {
        const char* Text;
        int32_t Value;
    } Cases[] = {{"0", 0},       {"244", 244},   {"-5", -5},     {"+7", 7},         {"  12", 12},
                 {"007", 7},     {"", -1},       {" ", -1},      {"-", -1},         {"12 ", -1},
                 {"$1F", -1},    {"0x1F", -1},   {"x1F", -1},    {"1e3", -1},       {"1.0", -1},
                 {"\t5", -1},    {"2147483647", 2147483647},     {"2147483648", -1}, {"-2147483648", INT32_MIN}};
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.Text);
        EXPECT_EQ(Decimal_Value(QString::fromLatin1(Case.Text), -1), Case.Value);
    }
}

} // namespace
