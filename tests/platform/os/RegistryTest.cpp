// TRegistry and TRegistryIniFile over the per-user store file.
#include "os/Registry.h"
#include "support/ExceptionMessage.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

namespace {
QStringList Items(const TStrings& List)
{
    QStringList items;
    for (int32_t i = 0; i < List.Count(); ++i) items << List.Strings(i);
    return items;
}

class RegistryTest : public testing::Test {
protected:
    void SetUp() override { SetRegistryFile(StoreFile()); }
    void TearDown() override { SetRegistryFile(QString()); }

    QString StoreFile() const { return Folder.File(QStringLiteral("config/registry.xml")); }
    // Makes the next use read the store from its file.
    void Reread() const { SetRegistryFile(StoreFile()); }

    TempFolder Folder;
};
}  // namespace

TEST_F(RegistryTest, TypedValuesRoundTrip)
{
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(QStringLiteral("Software\\Vyx\\Grid"), true));
    reg.WriteString(QStringLiteral("Title"), QStringLiteral(" Grüße "));
    reg.WriteString(QStringLiteral("Empty"), QString());
    reg.WriteInteger(QStringLiteral("Width"), -64);
    reg.WriteBool(QStringLiteral("Save"), true);
    reg.WriteFloat(QStringLiteral("Zoom"), 1.25);
    Reread();

    TRegistry read;
    ASSERT_TRUE(read.OpenKey(QStringLiteral("Software\\Vyx\\Grid"), false));
    EXPECT_EQ(read.ReadString(QStringLiteral("title")), QStringLiteral(" Grüße "));
    EXPECT_EQ(read.ReadString(QStringLiteral("Empty")), QString());
    EXPECT_EQ(read.ReadInteger(QStringLiteral("WIDTH")), -64);
    EXPECT_TRUE(read.ReadBool(QStringLiteral("Save")));
    EXPECT_EQ(read.ReadFloat(QStringLiteral("Zoom")), 1.25);

    const struct {
        const char* Name;
        TRegDataType Type;
        int32_t Size;
    } cases[] = {
        {"Title", rdString, 16}, {"Empty", rdString, 2}, {"Width", rdInteger, 4},
        {"Save", rdInteger, 4},  {"Zoom", rdBinary, 8},  {"Missing", rdUnknown, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(read.GetDataType(QString::fromUtf8(c.Name)), c.Type);
        EXPECT_EQ(read.GetDataSize(QString::fromUtf8(c.Name)), c.Size);
        EXPECT_EQ(read.ValueExists(QString::fromUtf8(c.Name)), c.Size >= 0);
    }
}

TEST_F(RegistryTest, ReadingAValueOfAnotherTypeRaises)
{
    TRegistry reg;
    reg.OpenKey(QStringLiteral("Software\\Office\\14.0\\Common"), true);
    reg.WriteInteger(QStringLiteral("Number"), 2);
    reg.WriteString(QStringLiteral("Short"), QStringLiteral("7"));
    reg.WriteString(QStringLiteral("Long"), QStringLiteral("Silver"));
    reg.WriteFloat(QStringLiteral("Float"), 2.5);

    const auto readString = [&](const char* Name) { reg.ReadString(QString::fromUtf8(Name)); };
    const auto readInteger = [&](const char* Name) { reg.ReadInteger(QString::fromUtf8(Name)); };
    const auto readFloat = [&](const char* Name) { reg.ReadFloat(QString::fromUtf8(Name)); };
    const struct {
        std::function<void(const char*)> Read;
        const char* Name;
        const char* Message;
    } cases[] = {
        {readString, "Number", "Invalid data type for 'Number'"},
        {readString, "Float", "Invalid data type for 'Float'"},
        {readInteger, "Short", "Invalid data type for 'Short'"},        // fits the integer's 4 bytes
        {readInteger, "Long", "Failed to get data for 'Long'"},         // does not
        {readInteger, "Missing", "Failed to get data for 'Missing'"},
        {readFloat, "Number", "Invalid data type for 'Number'"},
        {readFloat, "Missing", "Failed to get data for 'Missing'"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(MessageOf<ERegistryException>([&] { c.Read(c.Name); }), QString::fromUtf8(c.Message));
    }
    EXPECT_EQ(reg.ReadString(QStringLiteral("Missing")), QString());
}

TEST_F(RegistryTest, KeysAreListedInNameOrderAndValuesInTheOrderMade)
{
    TRegistry reg;
    for (const char* key : {"Software\\b", "Software\\A", "Software\\c\\deep"})
        EXPECT_TRUE(reg.CreateKey(QString::fromUtf8(key)));
    ASSERT_TRUE(reg.OpenKey(QStringLiteral("SOFTWARE"), false));
    EXPECT_EQ(reg.CurrentPath(), QStringLiteral("SOFTWARE"));
    EXPECT_TRUE(reg.HasSubKeys());
    for (const char* value : {"z", "y", "x"}) reg.WriteInteger(QString::fromUtf8(value), 0);

    TStringList names;
    names.Add(QStringLiteral("stale"));
    reg.GetKeyNames(&names);
    EXPECT_EQ(Items(names), QStringList({QStringLiteral("A"), QStringLiteral("b"), QStringLiteral("c")}));
    reg.GetValueNames(&names);
    EXPECT_EQ(Items(names), QStringList({QStringLiteral("z"), QStringLiteral("y"), QStringLiteral("x")}));

    ASSERT_TRUE(reg.OpenKey(QStringLiteral("C"), false));  // relative to the open key
    EXPECT_EQ(reg.CurrentPath(), QStringLiteral("SOFTWARE\\C"));
    reg.GetKeyNames(&names);
    EXPECT_EQ(Items(names), QStringList({QStringLiteral("deep")}));
    ASSERT_TRUE(reg.OpenKey(QStringLiteral("\\Software\\b"), false));  // from the root
    EXPECT_EQ(reg.CurrentPath(), QStringLiteral("Software\\b"));
    EXPECT_FALSE(reg.HasSubKeys());

    reg.CloseKey();
    EXPECT_EQ(reg.CurrentPath(), QString());
    reg.GetKeyNames(&names);
    EXPECT_EQ(names.Count(), 0);
    ASSERT_TRUE(reg.OpenKey(QString(), false));  // the root itself
    reg.GetKeyNames(&names);
    EXPECT_EQ(Items(names), QStringList({QStringLiteral("Software")}));
}

TEST_F(RegistryTest, OpeningCreatingAndDeletingKeys)
{
    TRegistry reg;
    EXPECT_FALSE(reg.OpenKey(QStringLiteral("Software\\Vyx"), false));
    EXPECT_FALSE(reg.KeyExists(QStringLiteral("Software")));
    ASSERT_TRUE(reg.OpenKey(QStringLiteral("Software\\Vyx\\Grid1"), true));
    reg.WriteInteger(QStringLiteral("Col0"), 64);
    EXPECT_TRUE(reg.KeyExists(QStringLiteral("\\software\\vyx")));

    EXPECT_TRUE(reg.DeleteKey(QStringLiteral("\\Software\\Vyx")));
    EXPECT_FALSE(reg.KeyExists(QStringLiteral("\\Software\\Vyx\\Grid1")));
    EXPECT_TRUE(reg.KeyExists(QStringLiteral("\\Software")));
    EXPECT_FALSE(reg.DeleteKey(QStringLiteral("\\Software\\Vyx")));
    EXPECT_FALSE(reg.ValueExists(QStringLiteral("Col0")));  // the open key is gone
    EXPECT_EQ(MessageOf<ERegistryException>([&] { reg.WriteInteger(QStringLiteral("Col0"), 1); }),
              QStringLiteral("Failed to set data for 'Col0'"));
}

TEST_F(RegistryTest, DeletingValues)
{
    TRegistry reg;
    reg.OpenKey(QStringLiteral("Software\\Vyx"), true);
    reg.WriteString(QStringLiteral("a"), QStringLiteral("1"));
    EXPECT_TRUE(reg.DeleteValue(QStringLiteral("A")));
    EXPECT_FALSE(reg.DeleteValue(QStringLiteral("a")));
    EXPECT_FALSE(reg.ValueExists(QStringLiteral("a")));
}

TEST_F(RegistryTest, RootsKeepTheirOwnKeys)
{
    TRegistry user;
    user.OpenKey(QStringLiteral("Software\\Vyx"), true);
    user.WriteInteger(QStringLiteral("Level"), 1);
    TRegistry machine;
    machine.SetRootKey(HKEY_LOCAL_MACHINE);
    EXPECT_FALSE(machine.KeyExists(QStringLiteral("Software\\Vyx")));
    machine.OpenKey(QStringLiteral("Software\\Vyx"), true);
    machine.WriteInteger(QStringLiteral("Level"), 2);
    EXPECT_EQ(user.ReadInteger(QStringLiteral("Level")), 1);
    user.SetRootKey(HKEY_CLASSES_ROOT);
    EXPECT_EQ(user.CurrentPath(), QString());
    EXPECT_FALSE(user.KeyExists(QStringLiteral("Software")));
}

TEST_F(RegistryTest, AKeyOpenedReadOnlyCannotBeChanged)
{
    TRegistry reg;
    reg.OpenKey(QStringLiteral("Software\\Vyx"), true);
    reg.WriteInteger(QStringLiteral("Col0"), 64);
    ASSERT_TRUE(reg.OpenKeyReadOnly(QStringLiteral("\\Software\\Vyx")));
    EXPECT_EQ(reg.Access(), KEY_READ);
    EXPECT_EQ(reg.ReadInteger(QStringLiteral("Col0")), 64);
    EXPECT_EQ(MessageOf<ERegistryException>([&] { reg.WriteInteger(QStringLiteral("Col0"), 1); }),
              QStringLiteral("Failed to set data for 'Col0'"));
    EXPECT_FALSE(reg.DeleteValue(QStringLiteral("Col0")));

    TRegistry writeOnly(KEY_WRITE);
    ASSERT_TRUE(writeOnly.OpenKey(QStringLiteral("Software\\Vyx"), false));
    EXPECT_FALSE(writeOnly.ValueExists(QStringLiteral("Col0")));
    EXPECT_THROW(writeOnly.ReadInteger(QStringLiteral("Col0")), ERegistryException);
}

TEST_F(RegistryTest, ObjectsShareTheStoreThroughItsFile)
{
    TRegistry first;
    first.OpenKey(QStringLiteral("Software\\Vyx"), true);
    first.WriteInteger(QStringLiteral("Col0"), 64);
    TRegistry second;
    second.OpenKey(QStringLiteral("Software\\Vyx"), false);
    EXPECT_EQ(second.ReadInteger(QStringLiteral("Col0")), 64);

    const QByteArray written = "<registry>\n"
                               "  <key name=\"HKEY_CLASSES_ROOT\" />\n"
                               "  <key name=\"HKEY_CURRENT_USER\">\n"
                               "    <key name=\"Software\">\n"
                               "      <key name=\"Vyx\">\n"
                               "        <value name=\"Col0\" type=\"REG_DWORD\" data=\"64\" />\n"
                               "      </key>\n"
                               "    </key>\n"
                               "  </key>\n"
                               "  <key name=\"HKEY_LOCAL_MACHINE\" />\n"
                               "</registry>\n";
    EXPECT_EQ(Folder.Read(QStringLiteral("config/registry.xml")), written);

    // A change another program makes to the file is seen at the next use.
    QByteArray changed = written;
    changed.replace("data=\"64\" />", "data=\"80\" />\n        <value name=\"Title\" type=\"REG_SZ\" data=\"a &amp; b\" />\n"
                                      "        <value name=\"Bits\" type=\"REG_BINARY\" data=\"0A0B\" />");
    Folder.Write(QStringLiteral("config/registry.xml"), changed);
    EXPECT_EQ(first.ReadInteger(QStringLiteral("Col0")), 80);
    EXPECT_EQ(second.ReadString(QStringLiteral("Title")), QStringLiteral("a & b"));
    EXPECT_EQ(second.GetDataSize(QStringLiteral("Bits")), 2);
}

TEST_F(RegistryTest, AChangeThatCannotBeStoredFailsAndIsForgotten)
{
    TRegistry reg;
    reg.OpenKey(QStringLiteral("Software\\Vyx"), true);
    reg.WriteInteger(QStringLiteral("Col0"), 64);
    QFile::setPermissions(StoreFile(), QFile::ReadOwner);
    EXPECT_EQ(MessageOf<ERegistryException>([&] { reg.WriteInteger(QStringLiteral("Col0"), 1); }),
              QStringLiteral("Failed to set data for 'Col0'"));
    EXPECT_EQ(reg.ReadInteger(QStringLiteral("Col0")), 64);
    EXPECT_FALSE(reg.OpenKey(QStringLiteral("Other"), true));
    EXPECT_EQ(MessageOf<ERegistryException>([&] { reg.CreateKey(QStringLiteral("Other")); }),
              QStringLiteral("Failed to create key Other"));
    EXPECT_FALSE(reg.KeyExists(QStringLiteral("Other")));
}

TEST_F(RegistryTest, AnUnreadableStoreFileIsAnEmptyStore)
{
    QDir().mkpath(Folder.File(QStringLiteral("config")));
    Folder.Write(QStringLiteral("config/registry.xml"), "<registry><key name=");
    TRegistry reg;
    EXPECT_FALSE(reg.KeyExists(QStringLiteral("Software")));
    EXPECT_TRUE(reg.OpenKey(QStringLiteral("Software"), true));
    EXPECT_TRUE(reg.KeyExists(QStringLiteral("\\Software")));
}

TEST_F(RegistryTest, TheStoreFileLivesInTheUserConfigurationFolder)
{
    const bool wasSet = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    SetRegistryFile(QString());
    qputenv("XDG_CONFIG_HOME", "/tmp/config-home");
    EXPECT_EQ(RegistryFile(), QStringLiteral("/tmp/config-home/kt20418/registry.xml"));
    qunsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(RegistryFile(), QDir::homePath() + QStringLiteral("/.config/kt20418/registry.xml"));
    if (wasSet) qputenv("XDG_CONFIG_HOME", saved);
    SetRegistryFile(StoreFile());
    EXPECT_EQ(RegistryFile(), StoreFile());
}

TEST_F(RegistryTest, IniViewKeepsSectionsAsSubKeys)
{
    TRegistryIniFile ini(QStringLiteral("Software\\Vyx\\Columns"));
    ini.WriteInteger(QStringLiteral("Grid1"), QStringLiteral("Col0"), 64);
    ini.WriteInteger(QStringLiteral("Grid1"), QStringLiteral("Col1"), 80);
    ini.WriteString(QStringLiteral("Grid2"), QStringLiteral("Title"), QStringLiteral("Rules"));
    ini.WriteBool(QStringLiteral("Grid2"), QStringLiteral("Save"), true);

    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(QStringLiteral("Software\\Vyx\\Columns\\Grid1"), false));
    EXPECT_EQ(reg.GetDataType(QStringLiteral("Col0")), rdInteger);
    EXPECT_EQ(reg.ReadInteger(QStringLiteral("Col1")), 80);

    TStringList list;
    ini.ReadSections(&list);
    EXPECT_EQ(Items(list), QStringList({QStringLiteral("Grid1"), QStringLiteral("Grid2")}));
    ini.ReadSection(QStringLiteral("grid1"), &list);
    EXPECT_EQ(Items(list), QStringList({QStringLiteral("Col0"), QStringLiteral("Col1")}));
    ini.ReadSection(QStringLiteral("Missing"), &list);
    EXPECT_EQ(list.Count(), 2);  // left as it was
    list.Clear();
    ini.ReadSectionValues(QStringLiteral("Grid2"), &list);
    EXPECT_EQ(Items(list), QStringList({QStringLiteral("Title=Rules"), QStringLiteral("Save=1")}));
    EXPECT_THROW(ini.ReadSectionValues(QStringLiteral("Grid1"), &list), ERegistryException);

    EXPECT_EQ(ini.ReadString(QStringLiteral("Grid2"), QStringLiteral("title"), QString()), QStringLiteral("Rules"));
    EXPECT_EQ(ini.ReadString(QStringLiteral("Grid2"), QStringLiteral("Missing"), QStringLiteral("d")), QStringLiteral("d"));
    EXPECT_EQ(ini.ReadString(QStringLiteral("Grid9"), QStringLiteral("Title"), QStringLiteral("d")), QStringLiteral("d"));
    EXPECT_TRUE(ini.ReadBool(QStringLiteral("Grid2"), QStringLiteral("Save"), false));
    EXPECT_TRUE(ini.SectionExists(QStringLiteral("Grid1")));
    EXPECT_TRUE(ini.ValueExists(QStringLiteral("Grid1"), QStringLiteral("col1")));

    ini.DeleteKey(QStringLiteral("Grid1"), QStringLiteral("Col1"));
    EXPECT_FALSE(ini.ValueExists(QStringLiteral("Grid1"), QStringLiteral("Col1")));
    ini.EraseSection(QStringLiteral("Grid2"));
    EXPECT_FALSE(reg.KeyExists(QStringLiteral("\\Software\\Vyx\\Columns\\Grid2")));
}

TEST_F(RegistryTest, IniViewIntegersAreNumbersUnlessATextIsThere)
{
    TRegistryIniFile ini(QStringLiteral("Software\\Vyx"));
    ini.WriteString(QStringLiteral("Grid1"), QStringLiteral("Text"), QStringLiteral("12"));
    ini.WriteString(QStringLiteral("Grid1"), QStringLiteral("Word"), QStringLiteral("wide"));
    ini.WriteInteger(QStringLiteral("Grid1"), QStringLiteral("Text"), 64);
    ini.WriteInteger(QStringLiteral("Grid1"), QStringLiteral("Number"), 80);
    ini.WriteFloat(QStringLiteral("Grid1"), QStringLiteral("Zoom"), 0.5);

    TRegistry reg;
    reg.OpenKey(QStringLiteral("Software\\Vyx\\Grid1"), false);
    EXPECT_EQ(reg.GetDataType(QStringLiteral("Text")), rdString);
    EXPECT_EQ(reg.ReadString(QStringLiteral("Text")), QStringLiteral("64"));
    EXPECT_EQ(reg.GetDataType(QStringLiteral("Number")), rdInteger);
    EXPECT_EQ(reg.GetDataType(QStringLiteral("Zoom")), rdBinary);

    const struct {
        const char* Ident;
        int32_t Expected;
    } cases[] = {{"Text", 64}, {"Number", 80}, {"Word", -1}, {"Missing", -1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Ident);
        EXPECT_EQ(ini.ReadInteger(QStringLiteral("Grid1"), QString::fromUtf8(c.Ident), -1), c.Expected);
    }
    EXPECT_EQ(ini.ReadFloat(QStringLiteral("Grid1"), QStringLiteral("Zoom"), 0), 0.5);
    EXPECT_EQ(ini.ReadFloat(QStringLiteral("Grid1"), QStringLiteral("Missing"), 3), 3);
    EXPECT_THROW(ini.ReadInteger(QStringLiteral("Grid1"), QStringLiteral("Zoom"), 0), ERegistryException);
}
