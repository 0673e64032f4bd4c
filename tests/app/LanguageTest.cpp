// The language table: built-in defaults, the language-file rules and the choice of the language file.
#include "UComon.h"
#include "ULanguage.h"

#include "rtl/Exceptions.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <QDir>

#include <set>
#include <utility>
#include <vector>

namespace {

class LanguageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QDir().mkpath(Folder.File(QStringLiteral("LANGUAGE")));
        Path_Language = Folder.File(QStringLiteral("LANGUAGE"));
        Current_Language = QStringLiteral("English");
        Load_Default_Language();
    }
    void TearDown() override
    {
        Path_Language.clear();
        Current_Language.clear();
    }

    QString Text(int32_t Number) const { return Lang_Table->Strings(Number); }
    // Writes Bytes as a language file in LANGUAGE and returns its path.
    QString LanguageFile(const QString& Name, const QByteArray& Bytes) const
    {
        return Folder.Write(QStringLiteral("LANGUAGE/") + Name, Bytes);
    }

    TempFolder Folder;
};

// ---- Built-in defaults ----

TEST_F(LanguageTest, TheTableHoldsExactly2500Texts)
{
    EXPECT_EQ(Lang_Table->Count(), 2500);
    EXPECT_EQ(Lang_Table_Size, 2500);
    Load_Default_Language();
    EXPECT_EQ(Lang_Table->Count(), 2500);
}

TEST_F(LanguageTest, DefaultsOfEveryBlock)
{
    const std::vector<std::pair<int32_t, QString>> Cases = {
        {0, QStringLiteral("Begin")},
        {9, QStringLiteral("None Configuration Opened ")},
        {11, QStringLiteral("Opened Configuration of the Converter : ")},
        {18, QStringLiteral("Error! Project not Valid")},
        {57, QStringLiteral("Set Rules for Node Gaurding and check the state of CANopen devices")},
        {60, QStringLiteral("Step 9")},
        {100, QStringLiteral("Create New Configuration")},
        {106, QStringLiteral("Error! Name project is not valid because directory already exists")},
        {202, QStringLiteral("List of Avaliable Configurations")},
        {306, QStringLiteral(" / ")},
        {323, QStringLiteral("Enable Auto Size of Table Columns by Double Click")},
        {404, QStringLiteral(" EtherNet/IP ")},
        {447, QStringLiteral("Error EtherNet/IP!! IP Address 3 must be between 0 and 255")},
        {458, QStringLiteral("Error EtherNet/IP!! Number Byte Input must be between 0 and ")},
        {474, QStringLiteral("Do you want to exit without saving changes?")},
        {600, QStringLiteral("Set Modbus Access")},
        {651, QStringLiteral("Force F16")},
        {712, QStringLiteral("N\u00B0 Byte")},
        {823, QStringLiteral("!! Transmition Type must be \"On Data Change\" or \"On Timer\"")},
        {945, QStringLiteral("!! [Receive PDO] Address Byte8 must be between 0 and ")},
        {1008, QStringLiteral("N\u00B0")},
        {1141, QStringLiteral("Are you sure to delete the Row number ")},
        {1213, QStringLiteral("Description")},
        {1240, QStringLiteral("Error !! Command B6 - Number Poll must be between 0 and 255")},
        {1361, QStringLiteral("Force F16")},
        {1408, QStringLiteral("!! Default Value must be between 0 and 255")},
        {1542, QStringLiteral("Insert a description of Receive J1939 frame")},
        {1621, QStringLiteral("!! Num Byte must be between 1 and")},
        {1625, QStringLiteral("On Timer")},
        {1700, QStringLiteral("Update Firmware from Etherner (UDP)")},
        {1701, QStringLiteral("Insert the IP Address of ")},
        {1714, QStringLiteral("Error!!! Check the Ip Address")},
        {1800, QStringLiteral("Row Already used. Do you want to overwrite the values?")},
        {1801, QStringLiteral("Error in the Copy values!!! Copy a valid row before Paste it")},
        {1802, QStringLiteral("Error!!! Copy a valid row before Paste it")},
        {1918, QStringLiteral("Are you sure to delete the Row number ")},
        {2013, QStringLiteral("Byte 8 of frame CAN go to byte")},
        {2029, QStringLiteral(" in Byte ")},
        {2117, QStringLiteral("!! CAN Dimension must be between 0 and 8")},
        {2224, QStringLiteral(" or none")},
        {2301, QStringLiteral("Node Guarding Access Definition")},
        {2408, QStringLiteral("Mnemonic")},
    };
    for (const auto& [Number, Expected] : Cases) EXPECT_EQ(Text(Number), Expected) << Number;
}

TEST_F(LanguageTest, NumbersWithoutATextHoldOneBlank)
{
    for (int32_t Number : {34, 61, 99, 111, 199, 208, 324, 411, 460, 554, 599, 652, 724, 959, 1051, 1142, 1219,
                           1251, 1362, 1409, 1543, 1644, 1716, 1803, 1919, 2030, 2120, 2225, 2316, 2409, 2499})
        EXPECT_EQ(Text(Number), QStringLiteral(" ")) << Number;
    EXPECT_EQ(Default_Language_Text(-1), QStringLiteral(" "));
    EXPECT_EQ(Default_Language_Text(2500), QStringLiteral(" "));
}

// Every number in a block's range of texts has one, except the numbers no window text quotes.
TEST_F(LanguageTest, EveryBlockRangeIsFilledButForTheUnquotedNumbers)
{
    const std::vector<std::pair<int32_t, int32_t>> Ranges = {
        {0, 60},       {100, 110},   {200, 207},   {300, 323},   {400, 553},   {600, 651},   {700, 723},
        {800, 825},    {900, 958},   {1000, 1050}, {1100, 1141}, {1200, 1250}, {1300, 1361}, {1400, 1408},
        {1500, 1542},  {1600, 1643}, {1700, 1715}, {1800, 1802}, {1900, 1918}, {2000, 2029}, {2100, 2119},
        {2200, 2224},  {2300, 2315}, {2400, 2408}};
    std::set<int32_t> Unquoted = {34, 1219, 1221, 1228, 1233};
    for (int32_t N = 411; N <= 422; ++N) Unquoted.insert(N);
    for (int32_t N = 426; N <= 442; ++N) Unquoted.insert(N);
    for (int32_t N = 460; N <= 553; ++N)
        if (N != 468 && N != 474) Unquoted.insert(N);
    for (const auto& [First, Last] : Ranges)
        for (int32_t N = First; N <= Last; ++N)
            EXPECT_EQ(Text(N) == QStringLiteral(" "), Unquoted.count(N) == 1) << N;
}

// ---- Language-file rules ----

struct TLineCase {
    const char* Line;  // one line of a UTF-8 language file
    int32_t Number;    // the entry checked
    QString Expected;  // its text afterwards
};

TEST_F(LanguageTest, LinesOfALanguageFile)
{
    const std::vector<TLineCase> Cases = {
        {"STR5 = Open", 5, QStringLiteral("Open")},
        {"   STR5 = Open   ", 5, QStringLiteral("Open")},
        {"\tSTR5 = Open\t", 5, QStringLiteral("Open")},
        {"str5 = Open", 5, QStringLiteral("Step 5")},
        {"Str5 = Open", 5, QStringLiteral("Step 5")},
        {"#STR5 = Open", 5, QStringLiteral("Step 5")},
        {"STR5 Open", 5, QStringLiteral("Step 5")},
        {"STR 5 = Open", 5, QStringLiteral("Open")},
        {"STR2499 = Last", 2499, QStringLiteral("Last")},
        {"STR0 = First", 0, QStringLiteral("First")},
        {"STRx = Open", 5, QStringLiteral("Step 5")},
        {"STR0x5 = Open", 5, QStringLiteral("Step 5")},
        // The number runs up to the first "=", with or without blanks around it.
        {"STR12=Begin", 12, QStringLiteral("Begin")},
        {"STR12=Begin", 1, QStringLiteral("Step 1")},
        {"STR12 =Begin", 12, QStringLiteral("Begin")},
        {"STR12   =   Begin", 12, QStringLiteral("Begin")},
        {"STR1x = Begin", 1, QStringLiteral("Step 1")},
        {"STR=Begin", 0, QStringLiteral("Begin")},
        {"STR7 = Text /#/ note", 7, QStringLiteral("Text")},
        {"STR7 = /#/ note", 7, QStringLiteral("Step 7")},
        {"STR7 =", 7, QStringLiteral("Step 7")},
        {"STR7 =    ", 7, QStringLiteral("Step 7")},
        {"STR7 = a=b", 7, QStringLiteral("a=b")},
        {"STR7 = x = y /#/ z = w", 7, QStringLiteral("x = y")},
        {"STR7 = \xC2\xB6", 7, QString()},
        {"STR7 = \xC2\xB6 x \xC2\xB6 y", 7, QStringLiteral(" x ")},
        {"STR9 = \xC2\xB6  Name", 9, QStringLiteral("  Name")},
        {"STR9 = None Configuration Opened \xC2\xB6", 9, QStringLiteral("None Configuration Opened ")},
        {"STR9 = \xC2\xB6 kept /#/ gone", 9, QStringLiteral(" kept")},
    };
    for (const TLineCase& Case : Cases) {
        Load_Default_Language();
        Read_Language_File(LanguageFile(QStringLiteral("Case.lng"), QByteArray("\xEF\xBB\xBF") + Case.Line + "\r\n"));
        EXPECT_EQ(Text(Case.Number), Case.Expected) << Case.Line;
        EXPECT_EQ(Lang_Table->Count(), 2500) << Case.Line;
    }
}

TEST_F(LanguageTest, NumbersOutsideTheTableAreIgnored)
{
    Read_Language_File(LanguageFile(QStringLiteral("Bounds.lng"),
                                    "STR2500 = Beyond\nSTR-1 = Before\nSTR99999999999 = Huge\nSTR1 = Kept\n"));
    EXPECT_EQ(Lang_Table->Count(), 2500);
    EXPECT_EQ(Text(1), QStringLiteral("Kept"));
    for (int32_t N = 0; N < 2500; ++N) {
        EXPECT_NE(Text(N), QStringLiteral("Beyond"));
        EXPECT_NE(Text(N), QStringLiteral("Before"));
        EXPECT_NE(Text(N), QStringLiteral("Huge"));
    }
}

TEST_F(LanguageTest, ALaterLineOverwritesAnEarlierOne)
{
    Read_Language_File(LanguageFile(QStringLiteral("Twice.lng"), "STR5 = A\r\nSTR5 = B\rSTR6 = C\nSTR6 =\n"));
    EXPECT_EQ(Text(5), QStringLiteral("B"));
    EXPECT_EQ(Text(6), QStringLiteral("C"));
}

TEST_F(LanguageTest, FilesWithoutAByteOrderMarkAreWindows1252)
{
    Read_Language_File(LanguageFile(QStringLiteral("Ansi.lng"), "STR5 = Caf\xE9\r\nSTR6 = \xB6 x \xB6 y\r\n"));
    EXPECT_EQ(Text(5), QStringLiteral("Caf\u00E9"));
    EXPECT_EQ(Text(6), QStringLiteral(" x "));
}

TEST_F(LanguageTest, Utf16FilesAreRead)
{
    const QString Content = QStringLiteral("STR5 = \u00C0 bient\u00F4t\r\n");
    QByteArray Bytes("\xFF\xFE", 2);
    Bytes.append(reinterpret_cast<const char*>(Content.utf16()), Content.size() * 2);
    Read_Language_File(LanguageFile(QStringLiteral("Wide.lng"), Bytes));
    EXPECT_EQ(Text(5), QStringLiteral("\u00C0 bient\u00F4t"));
}

TEST_F(LanguageTest, AMissingFileRaisesAndChangesNothing)
{
    EXPECT_THROW(Read_Language_File(Folder.File(QStringLiteral("LANGUAGE/None.lng"))), EFOpenError);
    EXPECT_EQ(Text(0), QStringLiteral("Begin"));
}

// ---- Choosing the language file ----

TEST_F(LanguageTest, TheCurrentLanguageFileIsFoundWithoutRegardToCase)
{
    LanguageFile(QStringLiteral("italiano.LNG"), "STR0 = Inizio\n");
    Current_Language = QStringLiteral("Italiano");
    Load_Language();
    EXPECT_EQ(Current_Language, QStringLiteral("Italiano"));
    EXPECT_EQ(Text(0), QStringLiteral("Inizio"));
    EXPECT_EQ(Text(1), QStringLiteral("Step 1"));
}

TEST_F(LanguageTest, AMissingLanguageFallsBackToEnglishFile)
{
    LanguageFile(QStringLiteral("English.lng"), "STR0 = Start\n");
    Current_Language = QStringLiteral("Klingon");
    Load_Language();
    EXPECT_EQ(Current_Language, QStringLiteral("English"));
    EXPECT_EQ(Text(0), QStringLiteral("Start"));
}

TEST_F(LanguageTest, WithoutAnyFileTheDefaultsStay)
{
    Current_Language = QStringLiteral("Klingon");
    Load_Language();
    EXPECT_EQ(Current_Language, QStringLiteral("English"));
    EXPECT_EQ(Text(0), QStringLiteral("Begin"));
    EXPECT_EQ(Lang_Table->Count(), 2500);
}

TEST_F(LanguageTest, ALanguageNameThatIsAPathFindsNoFile)
{
    Folder.Write(QStringLiteral("Outside.lng"), "STR0 = Outside\n");
    Current_Language = QStringLiteral("../Outside");
    Load_Language();
    EXPECT_EQ(Current_Language, QStringLiteral("English"));
    EXPECT_EQ(Text(0), QStringLiteral("Begin"));
}

TEST_F(LanguageTest, ChangingLanguageShowsDefaultsForTheNumbersTheNewFileLacks)
{
    LanguageFile(QStringLiteral("Italiano.lng"), "STR0 = Inizio\nSTR1 = Passo 1\n");
    LanguageFile(QStringLiteral("Deutsch.lng"), "STR1 = Schritt 1\n");
    Current_Language = QStringLiteral("Italiano");
    Load_Language();
    Current_Language = QStringLiteral("Deutsch");
    Load_Language();
    EXPECT_EQ(Text(0), QStringLiteral("Begin"));
    EXPECT_EQ(Text(1), QStringLiteral("Schritt 1"));
}

TEST_F(LanguageTest, FindingAFileWithoutRegardToCase)
{
    const QString Dir = Folder.File(QStringLiteral("LANGUAGE"));
    LanguageFile(QStringLiteral("DefaultFlag.BMP"), "x");
    LanguageFile(QStringLiteral("english.lng"), "x");
    LanguageFile(QStringLiteral("English.lng"), "x");
    QDir().mkpath(Dir + QStringLiteral("/Folder.lng"));
    EXPECT_EQ(Find_File_Ignore_Case(Dir, QStringLiteral("defaultflag.bmp")), Dir + QStringLiteral("/DefaultFlag.BMP"));
    EXPECT_EQ(Find_File_Ignore_Case(Dir, QStringLiteral("English.lng")), Dir + QStringLiteral("/English.lng"));
    EXPECT_EQ(Find_File_Ignore_Case(Dir, QStringLiteral("english.lng")), Dir + QStringLiteral("/english.lng"));
    EXPECT_EQ(Find_File_Ignore_Case(Dir, QStringLiteral("folder.lng")), QString());
    EXPECT_EQ(Find_File_Ignore_Case(Dir, QStringLiteral("Missing.lng")), QString());
    EXPECT_EQ(Find_File_Ignore_Case(Dir, QStringLiteral("../LANGUAGE/English.lng")), QString());
    EXPECT_EQ(Find_File_Ignore_Case(QString(), QStringLiteral("English.lng")), QString());
    EXPECT_EQ(Language_File_Name(QStringLiteral("ENGLISH")).compare(Dir + QStringLiteral("/english.lng"), Qt::CaseInsensitive), 0);
}

} // namespace
