// TMemIniFile and TIniFile: reading and writing INI files with the toolkit's and the system's rules.
#include "os/IniFiles.h"
#include "rtl/FormatSettings.h"
#include "support/ExceptionMessage.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <QFile>

#include <functional>

namespace {
QStringList Items(const TStrings& List)
{
    QStringList items;
    for (int32_t i = 0; i < List.Count(); ++i) items << List.Strings(i);
    return items;
}

const QByteArray Sample = "; settings\r\n"
                          "orphan=dropped\r\n"
                          "[Grid1]\r\n"
                          "  Col0 =  64  \r\n"
                          "Col1=80\r\n"
                          "\r\n"
                          "; widths end\r\n"
                          "no separator\r\n"
                          "Title=\"quoted text\"\r\n"
                          "Hex=$1F\r\n"
                          "[ Print ]\r\n"
                          "Centered=Y\r\n"
                          "[Empty]\r\n";

class IniFilesTest : public testing::Test {
protected:
    QString File() const { return Folder.File(QStringLiteral("grid.ini")); }
    QString WriteSample() const { return Folder.Write(QStringLiteral("grid.ini"), Sample); }

    TempFolder Folder;
};
}  // namespace

TEST_F(IniFilesTest, SectionsAndIdentsAreFoundWithoutRegardToCase)
{
    TMemIniFile ini(WriteSample());
    const struct {
        const char* Section;
        const char* Ident;
        const char* Expected;
    } cases[] = {
        {"Grid1", "Col0", "64"},
        {"GRID1", "col1", "80"},
        {"grid1", "TITLE", "\"quoted text\""},
        {"print", "centered", "Y"},
        {"Grid1", "Col2", "default"},
        {"Grid2", "Col0", "default"},
        {"Grid1", "orphan", "default"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.Section) + "/" + c.Ident);
        EXPECT_EQ(ini.ReadString(QString::fromUtf8(c.Section), QString::fromUtf8(c.Ident), QStringLiteral("default")),
                  QString::fromUtf8(c.Expected));
    }
}

TEST_F(IniFilesTest, ReadingListsSectionsIdentsAndLines)
{
    TMemIniFile ini(WriteSample());
    TStringList list;
    list.Add(QStringLiteral("stale"));
    ini.ReadSections(&list);
    EXPECT_EQ(Items(list), QStringList({QStringLiteral("Grid1"), QStringLiteral("Print"), QStringLiteral("Empty")}));
    ini.ReadSection(QStringLiteral("grid1"), &list);
    EXPECT_EQ(Items(list), QStringList({QStringLiteral("Col0"), QStringLiteral("Col1"), QString(), QStringLiteral("Title"),
                                        QStringLiteral("Hex")}));
    ini.ReadSectionValues(QStringLiteral("Grid1"), &list);
    EXPECT_EQ(Items(list), QStringList({QStringLiteral("Col0=64"), QStringLiteral("Col1=80"), QStringLiteral("no separator"),
                                        QStringLiteral("Title=\"quoted text\""), QStringLiteral("Hex=$1F")}));
    ini.ReadSectionValues(QStringLiteral("Missing"), &list);
    EXPECT_EQ(list.Count(), 0);

    EXPECT_TRUE(ini.SectionExists(QStringLiteral("PRINT")));
    EXPECT_FALSE(ini.SectionExists(QStringLiteral("Empty")));
    EXPECT_TRUE(ini.ValueExists(QStringLiteral("Grid1"), QStringLiteral("col1")));
    EXPECT_FALSE(ini.ValueExists(QStringLiteral("Grid1"), QStringLiteral("Col9")));
}

TEST_F(IniFilesTest, IntegersAndBooleans)
{
    Folder.Write(QStringLiteral("grid.ini"), "[S]\r\nDec=42\r\nNeg=-7\r\nDollar=$1F\r\nZeroX=0x1f\r\nLead= 9\r\n"
                                             "Word=abc\r\nEmpty=\r\nFull=$FFFFFFFF\r\nTwo=2\r\nTrue=true\r\n");
    TMemIniFile ini(File());
    const struct {
        const char* Ident;
        int32_t Integer;
        bool Bool;
    } cases[] = {
        {"Dec", 42, true},   {"Neg", -7, true},  {"Dollar", 31, true},  {"ZeroX", 31, true},
        {"Lead", 9, true},   {"Word", 5, false}, {"Empty", 5, false},   {"Full", -1, true},
        {"Two", 2, true},    {"True", 5, false}, {"Missing", 5, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Ident);
        EXPECT_EQ(ini.ReadInteger(QStringLiteral("S"), QString::fromUtf8(c.Ident), 5), c.Integer);
        EXPECT_EQ(ini.ReadBool(QStringLiteral("S"), QString::fromUtf8(c.Ident), false), c.Bool);
    }

    ini.WriteInteger(QStringLiteral("S"), QStringLiteral("Dec"), -12);
    ini.WriteBool(QStringLiteral("S"), QStringLiteral("On"), true);
    ini.WriteBool(QStringLiteral("S"), QStringLiteral("Off"), false);
    EXPECT_EQ(ini.ReadString(QStringLiteral("S"), QStringLiteral("Dec"), QString()), QStringLiteral("-12"));
    EXPECT_EQ(ini.ReadString(QStringLiteral("S"), QStringLiteral("On"), QString()), QStringLiteral("1"));
    EXPECT_EQ(ini.ReadString(QStringLiteral("S"), QStringLiteral("Off"), QString()), QStringLiteral("0"));
}

TEST_F(IniFilesTest, FloatsFollowTheFormatSettings)
{
    TFormatSettings settings = TFormatSettings::Invariant();
    settings.DecimalSeparator = u',';
    SetFormatSettings(settings);
    TMemIniFile ini(File());
    ini.WriteFloat(QStringLiteral("S"), QStringLiteral("Zoom"), 1.25);
    ini.WriteString(QStringLiteral("S"), QStringLiteral("Dot"), QStringLiteral("1.5"));
    EXPECT_EQ(ini.ReadString(QStringLiteral("S"), QStringLiteral("Zoom"), QString()), QStringLiteral("1,25"));
    EXPECT_EQ(ini.ReadFloat(QStringLiteral("S"), QStringLiteral("Zoom"), 0), 1.25);
    EXPECT_EQ(ini.ReadFloat(QStringLiteral("S"), QStringLiteral("Dot"), 7), 7);
    ResetFormatSettings();
}

TEST_F(IniFilesTest, WritingReplacesInPlaceAndAppends)
{
    TMemIniFile ini(WriteSample());
    ini.WriteString(QStringLiteral("GRID1"), QStringLiteral("col0"), QStringLiteral(" 70 "));
    ini.WriteString(QStringLiteral("Grid1"), QStringLiteral("Col2"), QStringLiteral("120"));
    ini.WriteString(QStringLiteral("New"), QStringLiteral("Key"), QString());
    EXPECT_EQ(ini.ReadString(QStringLiteral("Grid1"), QStringLiteral("Col0"), QString()), QStringLiteral(" 70 "));
    EXPECT_EQ(ini.ReadString(QStringLiteral("New"), QStringLiteral("Key"), QStringLiteral("default")), QString());
    TStringList lines;
    ini.ReadSectionValues(QStringLiteral("Grid1"), &lines);
    EXPECT_EQ(Items(lines), QStringList({QStringLiteral("col0= 70 "), QStringLiteral("Col1=80"), QStringLiteral("no separator"),
                                         QStringLiteral("Title=\"quoted text\""), QStringLiteral("Hex=$1F"),
                                         QStringLiteral("Col2=120")}));

    ini.DeleteKey(QStringLiteral("grid1"), QStringLiteral("COL1"));
    ini.DeleteKey(QStringLiteral("Grid1"), QStringLiteral("Missing"));
    ini.EraseSection(QStringLiteral("print"));
    ini.EraseSection(QStringLiteral("Missing"));
    ini.ReadSections(&lines);
    EXPECT_EQ(Items(lines), QStringList({QStringLiteral("Grid1"), QStringLiteral("Empty"), QStringLiteral("New")}));
    EXPECT_FALSE(ini.ValueExists(QStringLiteral("Grid1"), QStringLiteral("Col1")));
}

TEST_F(IniFilesTest, UpdateFileWritesTheWholeStoreInWindows1252)
{
    TMemIniFile ini(WriteSample());
    ini.WriteString(QStringLiteral("Grid1"), QStringLiteral("Col0"), QStringLiteral(" 70"));
    ini.WriteString(QStringLiteral("Print"), QStringLiteral("TitleText"), QStringLiteral("Résumé €"));
    ini.UpdateFile();
    EXPECT_EQ(Folder.Read(QStringLiteral("grid.ini")), QByteArray("[Grid1]\r\n"
                                                                 "Col0= 70\r\n"
                                                                 "Col1=80\r\n"
                                                                 "no separator\r\n"
                                                                 "Title=\"quoted text\"\r\n"
                                                                 "Hex=$1F\r\n"
                                                                 "\r\n"
                                                                 "[Print]\r\n"
                                                                 "Centered=Y\r\n"
                                                                 "TitleText=R\xE9sum\xE9 \x80\r\n"
                                                                 "\r\n"
                                                                 "[Empty]\r\n"
                                                                 "\r\n"));
    EXPECT_EQ(TMemIniFile(File()).ReadString(QStringLiteral("Grid1"), QStringLiteral("Col0"), QString()), QStringLiteral("70"));
}

TEST_F(IniFilesTest, UpdateFileKeepsTheEncodingTheFileWasReadIn)
{
    Folder.Write(QStringLiteral("grid.ini"), "\xEF\xBB\xBF[S]\r\nName=Gr\xC3\xBC\xC3\x9F" "e\r\n");
    TMemIniFile ini(File());
    EXPECT_EQ(ini.ReadString(QStringLiteral("S"), QStringLiteral("Name"), QString()), QStringLiteral("Grüße"));
    ini.UpdateFile();
    EXPECT_EQ(Folder.Read(QStringLiteral("grid.ini")), QByteArray("\xEF\xBB\xBF[S]\r\nName=Gr\xC3\xBC\xC3\x9F" "e\r\n\r\n"));

    TMemIniFile utf16(Folder.File(QStringLiteral("new.ini")), teUnicode);
    utf16.WriteString(QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("v"));
    utf16.UpdateFile();
    EXPECT_EQ(Folder.Read(QStringLiteral("new.ini")),
              QByteArray::fromRawData("\xFF\xFE[\0S\0]\0\r\0\n\0K\0=\0v\0\r\0\n\0\r\0\n\0", 26));
}

TEST_F(IniFilesTest, AMissingFileIsAnEmptyStoreAndUpdatingCreatesIt)
{
    TMemIniFile ini(File());
    TStringList sections;
    ini.ReadSections(&sections);
    EXPECT_EQ(sections.Count(), 0);
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("Grid1"), QStringLiteral("Col0"), 64), 64);
    EXPECT_FALSE(QFile::exists(File()));
    ini.UpdateFile();
    EXPECT_TRUE(QFile::exists(File()));
    EXPECT_EQ(Folder.Read(QStringLiteral("grid.ini")), QByteArray());
}

TEST_F(IniFilesTest, UpdatingAReadOnlyFileRaisesTheFileCreationError)
{
    const QString file = WriteSample();
    QFile::setPermissions(file, QFile::ReadOwner);
    TMemIniFile ini(file);
    ini.WriteString(QStringLiteral("Grid1"), QStringLiteral("Col0"), QStringLiteral("1"));
    EXPECT_EQ(MessageOf<EFCreateError>([&] { ini.UpdateFile(); }),
              QStringLiteral("Cannot create file \"%1\". Access is denied").arg(file));
    EXPECT_EQ(Folder.Read(QStringLiteral("grid.ini")), Sample);
}

TEST_F(IniFilesTest, IniFileStripsOneMatchingPairOfQuotes)
{
    Folder.Write(QStringLiteral("grid.ini"), "[S]\r\nDouble=\"a b\"\r\nSingle='c'\r\nMixed=\"d'\r\nInner=e\"f\"\r\n"
                                             "Twice=\"\"g\"\"\r\nOne=\"\r\n");
    TIniFile ini(File());
    const struct {
        const char* Ident;
        const char* Expected;
    } cases[] = {
        {"Double", "a b"}, {"Single", "c"}, {"Mixed", "\"d'"}, {"Inner", "e\"f\""}, {"Twice", "\"g\""}, {"One", "\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Ident);
        EXPECT_EQ(ini.ReadString(QStringLiteral("S"), QString::fromUtf8(c.Ident), QString()), QString::fromUtf8(c.Expected));
    }
    TStringList lines;
    ini.ReadSectionValues(QStringLiteral("S"), &lines);
    EXPECT_EQ(lines.Strings(0), QStringLiteral("Double=a b"));
}

TEST_F(IniFilesTest, IniFileDefaultsLoseTrailingSpacesAndValuesAreCut)
{
    TIniFile ini(File());
    EXPECT_EQ(ini.ReadString(QStringLiteral("S"), QStringLiteral("K"), QStringLiteral(" d  ")), QStringLiteral(" d"));
    ini.WriteString(QStringLiteral("S"), QStringLiteral("Long"), QString(3000, u'x'));
    EXPECT_EQ(ini.ReadString(QStringLiteral("S"), QStringLiteral("Long"), QString()), QString(2047, u'x'));
}

TEST_F(IniFilesTest, IniFileObjectsShareTheFile)
{
    TIniFile first(File());
    TIniFile second(File());
    first.WriteInteger(QStringLiteral("Grid1"), QStringLiteral("CP0"), 2);
    EXPECT_EQ(Folder.Read(QStringLiteral("grid.ini")), QByteArray("[Grid1]\r\nCP0=2\r\n\r\n"));
    EXPECT_EQ(second.ReadInteger(QStringLiteral("grid1"), QStringLiteral("cp0"), -1), 2);
    second.WriteString(QStringLiteral("Grid1"), QStringLiteral("CP1"), QStringLiteral(" 0 "));
    EXPECT_EQ(first.ReadString(QStringLiteral("Grid1"), QStringLiteral("CP1"), QString()), QStringLiteral("0"));
    first.DeleteKey(QStringLiteral("Grid1"), QStringLiteral("CP0"));
    EXPECT_FALSE(second.ValueExists(QStringLiteral("Grid1"), QStringLiteral("CP0")));
    second.EraseSection(QStringLiteral("Grid1"));
    EXPECT_FALSE(first.SectionExists(QStringLiteral("Grid1")));
    first.UpdateFile();  // nothing left to write
    EXPECT_EQ(Folder.Read(QStringLiteral("grid.ini")), QByteArray());
}

TEST_F(IniFilesTest, IniFileReportsAFileItCannotWrite)
{
    const QString file = WriteSample();
    QFile::setPermissions(file, QFile::ReadOwner);
    TIniFile ini(file);
    const auto write = [&] { ini.WriteString(QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("v")); };
    EXPECT_EQ(MessageOf<EIniFileException>(write), QStringLiteral("Unable to write to %1").arg(file));
    EXPECT_THROW(ini.EraseSection(QStringLiteral("Grid1")), EIniFileException);
    ini.DeleteKey(QStringLiteral("Grid1"), QStringLiteral("Col0"));
    EXPECT_EQ(ini.ReadString(QStringLiteral("Grid1"), QStringLiteral("Col0"), QString()), QStringLiteral("64"));
}

TEST_F(IniFilesTest, IniFileLeavesTheFileAloneWhenThereIsNothingToRemove)
{
    const struct {
        const char* Name;
        std::function<void(TIniFile&)> Remove;
    } cases[] = {
        {"missing section", [](TIniFile& ini) { ini.EraseSection(QStringLiteral("Nowhere")); }},
        {"ident of a missing section", [](TIniFile& ini) { ini.DeleteKey(QStringLiteral("Nowhere"), QStringLiteral("Col0")); }},
        {"missing ident", [](TIniFile& ini) { ini.DeleteKey(QStringLiteral("Grid1"), QStringLiteral("Col9")); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        QFile::remove(File());
        TIniFile missing(File());
        EXPECT_NO_THROW(c.Remove(missing));
        EXPECT_FALSE(QFile::exists(File()));

        // a read-only file is not rewritten either, so nothing is reported
        WriteSample();
        QFile::setPermissions(File(), QFile::ReadOwner);
        TIniFile sample(File());
        EXPECT_NO_THROW(c.Remove(sample));
        EXPECT_EQ(Folder.Read(QStringLiteral("grid.ini")), Sample);
        QFile::setPermissions(File(), QFile::ReadOwner | QFile::WriteOwner);
    }
}

TEST_F(IniFilesTest, OnlyIniFileTakesASectionLineWithTextAfterItsBracket)
{
    Folder.Write(QStringLiteral("grid.ini"), "[Grid1] ; widths\r\nCol0=64\r\n[ Print ]x]\r\nCentered=Y\r\n");
    TIniFile profile(File());
    TMemIniFile memory(File());
    TStringList profileSections;
    TStringList memorySections;
    profile.ReadSections(&profileSections);
    memory.ReadSections(&memorySections);
    EXPECT_EQ(Items(profileSections), QStringList({QStringLiteral("Grid1"), QStringLiteral("Print ]x")}));
    EXPECT_EQ(Items(memorySections), QStringList({QStringLiteral("Print ]x")}));
    EXPECT_EQ(profile.ReadString(QStringLiteral("grid1"), QStringLiteral("col0"), QString()), QStringLiteral("64"));
    EXPECT_EQ(profile.ReadString(QStringLiteral("Print ]x"), QStringLiteral("Centered"), QString()), QStringLiteral("Y"));
}
