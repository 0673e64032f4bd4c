// File-name functions, file and folder operations, and folder enumeration with attributes.
#include "rtl/Exceptions.h"
#include "rtl/Files.h"

#include "support/TempFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <algorithm>

using ::testing::StrEq;
using ::testing::ThrowsMessage;

namespace {

QStringList Names(const QList<TSearchRec>& Found)
{
    QStringList Result;
    for (const TSearchRec& Rec : Found) Result << Rec.Name;
    return Result;
}

void SetModified(const QString& Path, const QDateTime& Time)
{
    QFile File(Path);
    ASSERT_TRUE(File.open(QIODevice::Append));
    ASSERT_TRUE(File.setFileTime(Time, QFileDevice::FileModificationTime));
}

// A language folder: files of mixed case, a hidden, a read-only and an extensionless file, and
// two subfolders, one named like a language file.
class FolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Dir.Write(QStringLiteral("English.LNG"), "english");
        Dir.Write(QStringLiteral("deutsch.lng"), "de");
        Dir.Write(QStringLiteral("Readme.txt"), "");
        Dir.Write(QStringLiteral("notes"), "");
        Dir.Write(QStringLiteral(".hidden.lng"), "");
        Dir.Write(QStringLiteral("locked.lng"), "");
        QFile::setPermissions(Dir.File(QStringLiteral("locked.lng")), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        QDir(Dir.Path()).mkdir(QStringLiteral("Flags.lng"));
        QDir(Dir.Path()).mkdir(QStringLiteral("sub"));
    }

    QString Mask(const QString& Pattern) const { return Dir.File(Pattern); }

    TempFolder Dir;
};

}  // namespace

TEST(FileNameTest, PartsOfAName)
{
    const struct {
        const char* Name;
        const char* Path;
        const char* Dir;
        const char* File;
        const char* Ext;
    } Cases[] = {
        {"/data/lang/English.LNG", "/data/lang/", "/data/lang", "English.LNG", ".LNG"},
        {"/data/my.folder/readme", "/data/my.folder/", "/data/my.folder", "readme", ""},
        {"/data/", "/data/", "/data", "", ""},
        {"/x", "/", "/", "x", ""},
        {"/", "/", "/", "", ""},
        {"a//b", "a//", "a//", "b", ""},
        {"name.tar.gz", "", "", "name.tar.gz", ".gz"},
        {".ini", "", "", ".ini", ".ini"},
        {"dot.", "", "", "dot.", "."},
        {"", "", "", "", ""},
    };
    for (const auto& Case : Cases) {
        const QString Name = QLatin1String(Case.Name);
        SCOPED_TRACE(Case.Name);
        EXPECT_EQ(ExtractFilePath(Name), QLatin1String(Case.Path));
        EXPECT_EQ(ExtractFileDir(Name), QLatin1String(Case.Dir));
        EXPECT_EQ(ExtractFileName(Name), QLatin1String(Case.File));
        EXPECT_EQ(ExtractFileExt(Name), QLatin1String(Case.Ext));
    }
}

TEST(FileNameTest, TrailingDelimiters)
{
    const struct {
        const char* Name;
        const char* Included;
        const char* Excluded;
    } Cases[] = {
        {"", "/", ""}, {"/", "/", ""}, {"a", "a/", "a"}, {"/a/b/", "/a/b/", "/a/b"}, {"a//", "a//", "a/"},
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        EXPECT_EQ(IncludeTrailingPathDelimiter(QLatin1String(Case.Name)), QLatin1String(Case.Included));
        EXPECT_EQ(ExcludeTrailingPathDelimiter(QLatin1String(Case.Name)), QLatin1String(Case.Excluded));
    }
}

TEST(FileNameTest, ChangeFileExt)
{
    const struct {
        const char* Name;
        const char* Ext;
        const char* Result;
    } Cases[] = {
        {"/d/a.txt", ".bak", "/d/a.bak"}, {"/d.x/a", ".bak", "/d.x/a.bak"}, {"a.b.c", "", "a.b"},
        {".ini", ".cfg", ".cfg"},         {"a", ".x", "a.x"},               {"/d/", ".x", "/d/.x"},
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        EXPECT_EQ(ChangeFileExt(QLatin1String(Case.Name), QLatin1String(Case.Ext)), QLatin1String(Case.Result));
    }
}

TEST(FileNameTest, ExpandFileName)
{
    const struct {
        const char* Name;
        const char* Result;
    } Cases[] = {
        {"/a/./b/../c", "/a/c"}, {"/a//b/", "/a/b/"}, {"/../x", "/x"}, {"/a/b/..", "/a"},
        {"/a/b/../", "/a/"},     {"/a/.", "/a"},      {"/", "/"},      {"", ""},
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        EXPECT_EQ(ExpandFileName(QLatin1String(Case.Name)), QLatin1String(Case.Result));
    }
    EXPECT_EQ(ExpandFileName(QStringLiteral("x/../y.txt")), IncludeTrailingPathDelimiter(GetCurrentDir()) + QStringLiteral("y.txt"));
}

TEST(FileNameTest, ExtractRelativePath)
{
    const struct {
        const char* Base;
        const char* Dest;
        const char* Result;
    } Cases[] = {
        {"/a/b/", "/a/c/d.txt", "../c/d.txt"},
        {"/a/", "/a/b/c.txt", "b/c.txt"},
        {"/a/b/c.txt", "/a/d.txt", "../d.txt"},
        {"/a/b/x.txt", "/a/b/y.txt", "y.txt"},
        {"/a/b/", "/x/y/z.txt", "../../x/y/z.txt"},
        {"/a/B/", "/a/b/f", "../b/f"},
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(std::string(Case.Base) + " -> " + Case.Dest);
        EXPECT_EQ(ExtractRelativePath(QLatin1String(Case.Base), QLatin1String(Case.Dest)), QLatin1String(Case.Result));
    }
}

TEST(FileTest, ExistsCreateRenameDelete)
{
    TempFolder Dir;
    const QString File = Dir.Write(QStringLiteral("a.xml"), "<a/>");
    const QString Folder = Dir.File(QStringLiteral("bin"));
    EXPECT_TRUE(FileExists(File));
    EXPECT_FALSE(FileExists(Dir.Path())) << "a folder is not a file";
    EXPECT_FALSE(FileExists(QString()));
    EXPECT_TRUE(DirectoryExists(Dir.Path()));
    EXPECT_TRUE(DirectoryExists(IncludeTrailingPathDelimiter(Dir.Path())));
    EXPECT_FALSE(DirectoryExists(File));

    EXPECT_TRUE(CreateDir(Folder));
    EXPECT_FALSE(CreateDir(Folder)) << "it exists already";
    EXPECT_FALSE(CreateDir(Dir.File(QStringLiteral("x/y")))) << "the parent is missing";

    const QString Other = Dir.Write(QStringLiteral("b.xml"), "<b/>");
    EXPECT_FALSE(RenameFile(File, Other)) << "an existing target is never replaced";
    EXPECT_EQ(Dir.Read(QStringLiteral("b.xml")), "<b/>");
    const QString Moved = Folder + QStringLiteral("/c.xml");
    EXPECT_TRUE(RenameFile(File, Moved));
    EXPECT_FALSE(FileExists(File));
    EXPECT_EQ(Dir.Read(QStringLiteral("bin/c.xml")), "<a/>");

    EXPECT_FALSE(DeleteFile(Folder)) << "DeleteFile leaves folders alone";
    EXPECT_FALSE(RemoveDir(Folder)) << "the folder is not empty";
    EXPECT_TRUE(DeleteFile(Moved));
    EXPECT_FALSE(DeleteFile(Moved));
    EXPECT_TRUE(RemoveDir(Folder));
    EXPECT_FALSE(DirectoryExists(Folder));
}

TEST(FileTest, ForceDirectoriesCreatesEveryLevel)
{
    TempFolder Dir;
    const QString Deep = Dir.File(QStringLiteral("PROJECTS/Plant 1/bin/"));
    EXPECT_TRUE(ForceDirectories(Deep));
    EXPECT_TRUE(DirectoryExists(Deep));
    EXPECT_TRUE(ForceDirectories(Deep)) << "existing folders are fine";

    Dir.Write(QStringLiteral("blocker"), "");
    EXPECT_FALSE(ForceDirectories(Dir.File(QStringLiteral("blocker/sub"))));

    EXPECT_THAT([] { ForceDirectories(QString()); }, ThrowsMessage<EInOutError>(StrEq("Unable to create directory")));
}

TEST(FileTest, FileAgeAndSearchTime)
{
    TempFolder Dir;
    const QString File = Dir.Write(QStringLiteral("ParGen.xml"), "12345");
    const QDateTime Modified(QDate(2021, 6, 15), QTime(13, 45, 31));
    SetModified(File, Modified);
    const int32_t Packed = (2021 - 1980) << 25 | 6 << 21 | 15 << 16 | 13 << 11 | 45 << 5 | 31 / 2;
    const TDateTime Expected = EncodeDate(2021, 6, 15) + EncodeTime(13, 45, 31, 0);

    EXPECT_EQ(FileAge(File), Packed);
    TDateTime Age = 0;
    ASSERT_TRUE(FileAge(File, Age));
    EXPECT_DOUBLE_EQ(Age, Expected);
    EXPECT_EQ(FileAge(Dir.Path()), -1) << "folders have no file age";
    EXPECT_EQ(FileAge(Dir.File(QStringLiteral("missing"))), -1);

    TSearchRec Rec;
    ASSERT_EQ(FindFirst(File, faAnyFile, Rec), 0);
    EXPECT_EQ(Rec.Time, Packed);
    EXPECT_DOUBLE_EQ(Rec.TimeStamp, Expected);
    EXPECT_EQ(Rec.Size, 5);
    FindClose(Rec);

    SetModified(File, QDateTime(QDate(1979, 12, 31), QTime(23, 0)));
    EXPECT_EQ(FileAge(File), 0) << "times before 1980 cannot be packed";
    ASSERT_TRUE(FileAge(File, Age));
    EXPECT_DOUBLE_EQ(Age, EncodeDate(1979, 12, 31) + EncodeTime(23, 0, 0, 0));
}

TEST_F(FolderTest, MasksAndAttributesChooseTheEntries)
{
    const struct {
        const char* Mask;
        int32_t Attr;
        QStringList Expected;
    } Cases[] = {
        {"*.lng", 0, {"deutsch.lng", "English.LNG", "locked.lng"}},
        {"*.LNG", faReadOnly | faArchive, {"deutsch.lng", "English.LNG", "locked.lng"}},
        {"*.lng", faHidden, {".hidden.lng", "deutsch.lng", "English.LNG", "locked.lng"}},
        {"*.lng", faDirectory, {"deutsch.lng", "English.LNG", "Flags.lng", "locked.lng"}},
        {"*", faDirectory, {".", "..", "deutsch.lng", "English.LNG", "Flags.lng", "locked.lng", "notes", "Readme.txt", "sub"}},
        {"*.*", 0, {"deutsch.lng", "English.LNG", "locked.lng", "notes", "Readme.txt"}},
        {"sub.*", faDirectory, {"sub"}},
        {"?eutsch.LnG", 0, {"deutsch.lng"}},
        {"*e*.t?t", 0, {"Readme.txt"}},
        {"*.ln", faAnyFile, {}},
        {"notes", faAnyFile, {"notes"}},
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(std::string(Case.Mask) + " attr " + std::to_string(Case.Attr));
        EXPECT_EQ(Names(FindFiles(Dir.Path(), QLatin1String(Case.Mask), Case.Attr)), Case.Expected);
    }
}

TEST_F(FolderTest, EntriesCarryTheirAttributes)
{
    const QList<TSearchRec> Found = FindFiles(Dir.Path(), QStringLiteral("*"), faAnyFile);
    const struct {
        const char* Name;
        int32_t Attr;
        int64_t Size;
    } Cases[] = {
        {".", faDirectory, 0},
        {".hidden.lng", faHidden | faArchive, 0},
        {"English.LNG", faArchive, 7},
        {"Flags.lng", faDirectory, 0},
        {"locked.lng", faReadOnly | faArchive, 0},
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        const auto Rec = std::find_if(Found.begin(), Found.end(), [&](const TSearchRec& R) { return R.Name == QLatin1String(Case.Name); });
        ASSERT_NE(Rec, Found.end());
        EXPECT_EQ(Rec->Attr, Case.Attr);
        EXPECT_EQ(Rec->Size, Case.Size);
        EXPECT_EQ(Rec->ExcludeAttr, 0);
    }
}

TEST_F(FolderTest, FindFirstAndFindNextWalkTheSameEntries)
{
    QStringList Walked;
    TSearchRec Rec;
    int32_t Result = FindFirst(Mask(QStringLiteral("*.lng")), faDirectory, Rec);
    while (Result == 0) {
        Walked << Rec.Name;
        EXPECT_EQ(Rec.ExcludeAttr, faHidden | faSysFile);
        Result = FindNext(Rec);
    }
    EXPECT_EQ(Result, 18);
    EXPECT_EQ(FindNext(Rec), 18) << "the end stays the end";
    FindClose(Rec);
    EXPECT_EQ(Walked, Names(FindFiles(Dir.Path(), QStringLiteral("*.lng"), faDirectory)));

    EXPECT_EQ(FindFirst(Mask(QStringLiteral("*.bmp")), faAnyFile, Rec), 2) << "nothing matches";
    EXPECT_EQ(FindFirst(Mask(QStringLiteral("missing/*")), faAnyFile, Rec), 3) << "no such folder";
    EXPECT_EQ(FindNext(Rec), 18);
}
