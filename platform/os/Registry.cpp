// TRegistry and TRegistryIniFile over our stand-in for the registry: one per-user store file.
#include "os/Registry.h"

#include "os/XmlDoc.h"
#include "rtl/Files.h"
#include "rtl/NumConv.h"
#include "rtl/TextEncoding.h"

#include <QDir>
#include <QtEndian>

#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <vector>

namespace RegistryStore {
struct TValue {
    QString Name;
    TRegDataType Type;
    QByteArray Data;  // as the system stores it: UTF-16LE text with its terminator, little-endian numbers
};

struct TKey {
    QString Name;
    std::vector<std::unique_ptr<TKey>> SubKeys;  // in name order
    std::vector<TValue> Values;                  // in the order they were made

    TKey* SubKey(const QString& KeyName) const;
    TKey* AddSubKey(const QString& KeyName);
    bool RemoveSubKey(const QString& KeyName);
    TValue* Value(const QString& ValueName);
    void SetValue(const QString& ValueName, TRegDataType Type, const QByteArray& Data);
    bool RemoveValue(const QString& ValueName);
};
}  // namespace RegistryStore

using RegistryStore::TKey;
using RegistryStore::TValue;

namespace {
bool SameName(const QString& A, const QString& B) { return A.compare(B, Qt::CaseInsensitive) == 0; }

template <typename T>
auto FindNamed(T& Items, const QString& Name)
{
    return std::find_if(Items.begin(), Items.end(), [&](const auto& Item) { return SameName(Item->Name, Name); });
}

struct THive {
    HKEY Root;
    const char* Name;
};
const std::array<THive, 3> Hives{{{HKEY_CLASSES_ROOT, "HKEY_CLASSES_ROOT"},
                                  {HKEY_CURRENT_USER, "HKEY_CURRENT_USER"},
                                  {HKEY_LOCAL_MACHINE, "HKEY_LOCAL_MACHINE"}}};

// The file's names of the data types, by TRegDataType.
const std::array<QString, 5> TypeNames{QString(), QStringLiteral("REG_SZ"), QStringLiteral("REG_EXPAND_SZ"),
                                       QStringLiteral("REG_DWORD"), QStringLiteral("REG_BINARY")};

QByteArray StringData(const QString& Text) { return EncodeString(Text, teUnicode) + QByteArray(2, '\0'); }

// The text up to its terminator.
QString DataString(const QByteArray& Data)
{
    const QString text = DecodeBytes(Data, teUnicode);
    return text.left(text.indexOf(QChar(0)));
}

QByteArray IntegerData(int32_t Value)
{
    QByteArray data(sizeof(Value), '\0');
    qToLittleEndian(Value, data.data());
    return data;
}

// A value's data as the store file writes it.
QString DataText(const TValue& Value)
{
    switch (Value.Type) {
    case rdInteger: return IntToStr(qFromLittleEndian<int32_t>(Value.Data.constData()));
    case rdBinary: return QString::fromLatin1(Value.Data.toHex().toUpper());
    default: return DataString(Value.Data);
    }
}

QByteArray TextData(TRegDataType Type, const QString& Text)
{
    switch (Type) {
    case rdInteger: return IntegerData(StrToInt(Text));
    case rdBinary: return QByteArray::fromHex(Text.toLatin1());
    default: return StringData(Text);
    }
}

// What identifies one version of a file: a save renames a new file over the old one.
struct TFileStamp {
    bool Exists = false;
    dev_t Device = 0;
    ino_t Inode = 0;
    off_t Size = 0;
    timespec Modified{};

    static TFileStamp Of(const QString& FileName)
    {
        struct stat info {};
        if (stat(QFile::encodeName(FileName).constData(), &info) != 0) return {};
        return {true, info.st_dev, info.st_ino, info.st_size, info.st_mtim};
    }
    bool operator==(const TFileStamp& Other) const
    {
        return Exists == Other.Exists && Device == Other.Device && Inode == Other.Inode && Size == Other.Size
               && Modified.tv_sec == Other.Modified.tv_sec && Modified.tv_nsec == Other.Modified.tv_nsec;
    }
};

// The keys of every hive, as the store file holds them.
class TStore {
public:
    QString FileName() const;
    void SetFileName(const QString& FileName)
    {
        FFileName = FileName;
        FLoaded = false;
    }

    // The key at Path below Root; nullptr when it is missing or Root is no hive.
    TKey* Find(HKEY Root, const QString& Path);
    // The key at Path below Root, made with the keys above it when missing; nullptr when Root is
    // no hive.
    TKey* Make(HKEY Root, const QString& Path);
    // Writes the store to its file; false when that fails, the store then goes back to the file's.
    bool Commit();

private:
    TKey* Hive(HKEY Root);
    void Load();
    void ClearHives();
    void Save() const;

    QString FFileName;
    bool FLoaded = false;
    TFileStamp FStamp;
    std::array<TKey, Hives.size()> FHives;
};

TStore& Store()
{
    static TStore store;
    return store;
}

QStringList PathParts(const QString& Path) { return Path.split(u'\\', Qt::SkipEmptyParts); }

void ReadKey(const IXMLNode& Node, TKey& Key)
{
    for (const IXMLNode& child : Node->ChildNodes()) {
        const QString name = child->Attributes(QStringLiteral("name"));
        if (child->NodeName() == u"key") {
            ReadKey(child, *Key.AddSubKey(name));
            continue;
        }
        const QString typeName = child->Attributes(QStringLiteral("type"));
        const auto found = std::find(TypeNames.begin() + rdString, TypeNames.end(), typeName);
        if (found == TypeNames.end()) continue;  // a type this store does not make
        const auto type = static_cast<TRegDataType>(found - TypeNames.begin());
        Key.SetValue(name, type, TextData(type, child->Attributes(QStringLiteral("data"))));
    }
}

void WriteKey(const IXMLNode& Parent, const TKey& Key)
{
    const IXMLNode node = Parent->AddChild(QStringLiteral("key"));
    node->SetAttributes(QStringLiteral("name"), Key.Name);
    for (const TValue& value : Key.Values) {
        const IXMLNode item = node->AddChild(QStringLiteral("value"));
        item->SetAttributes(QStringLiteral("name"), value.Name);
        item->SetAttributes(QStringLiteral("type"), TypeNames[value.Type]);
        item->SetAttributes(QStringLiteral("data"), DataText(value));
    }
    for (const auto& subKey : Key.SubKeys) WriteKey(node, *subKey);
}

[[noreturn]] void ReadError(const QString& Name)
{
    throw ERegistryException(QStringLiteral("Invalid data type for '%1'").arg(Name));
}
}  // namespace

// ---- the store ----

TKey* TKey::SubKey(const QString& KeyName) const
{
    const auto found = FindNamed(SubKeys, KeyName);
    return found == SubKeys.end() ? nullptr : found->get();
}

TKey* TKey::AddSubKey(const QString& KeyName)
{
    const auto place = std::find_if(SubKeys.begin(), SubKeys.end(), [&](const auto& Other) {
        return Other->Name.compare(KeyName, Qt::CaseInsensitive) > 0;
    });
    return SubKeys.insert(place, std::make_unique<TKey>(TKey{KeyName, {}, {}}))->get();
}

bool TKey::RemoveSubKey(const QString& KeyName)
{
    const auto found = FindNamed(SubKeys, KeyName);
    if (found == SubKeys.end()) return false;
    SubKeys.erase(found);
    return true;
}

TValue* TKey::Value(const QString& ValueName)
{
    const auto found = std::find_if(Values.begin(), Values.end(), [&](const TValue& Item) {
        return SameName(Item.Name, ValueName);
    });
    return found == Values.end() ? nullptr : &*found;
}

void TKey::SetValue(const QString& ValueName, TRegDataType Type, const QByteArray& Data)
{
    if (TValue* existing = Value(ValueName))
        *existing = {existing->Name, Type, Data};
    else
        Values.push_back({ValueName, Type, Data});
}

bool TKey::RemoveValue(const QString& ValueName)
{
    const TValue* found = Value(ValueName);
    if (!found) return false;
    Values.erase(Values.begin() + (found - Values.data()));
    return true;
}

QString TStore::FileName() const
{
    if (!FFileName.isEmpty()) return FFileName;
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty() || QDir::isRelativePath(config)) config = QDir::homePath() + QStringLiteral("/.config");
    return config + QStringLiteral("/kt20418/registry.xml");
}

TKey* TStore::Hive(HKEY Root)
{
    const TFileStamp stamp = TFileStamp::Of(FileName());
    if (!FLoaded || stamp != FStamp) {
        Load();
        FStamp = stamp;
        FLoaded = true;
    }
    const auto hive = std::find_if(Hives.begin(), Hives.end(), [&](const THive& Item) { return Item.Root == Root; });
    return hive == Hives.end() ? nullptr : &FHives[static_cast<size_t>(hive - Hives.begin())];
}

TKey* TStore::Find(HKEY Root, const QString& Path)
{
    TKey* key = Hive(Root);
    for (const QString& part : PathParts(Path)) {
        if (!key) break;
        key = key->SubKey(part);
    }
    return key;
}

TKey* TStore::Make(HKEY Root, const QString& Path)
{
    TKey* key = Hive(Root);
    if (!key) return nullptr;
    for (const QString& part : PathParts(Path)) {
        TKey* next = key->SubKey(part);
        key = next ? next : key->AddSubKey(part);
    }
    return key;
}

bool TStore::Commit()
{
    try {
        Save();
        FStamp = TFileStamp::Of(FileName());
        return true;
    } catch (const Exception&) {
        FLoaded = false;
        return false;
    }
}

// A file that is missing or cannot be read gives empty hives.
void TStore::Load()
{
    ClearHives();
    if (!FileExists(FileName())) return;
    try {
        TXMLDocument document(nullptr);
        document.LoadFromFile(FileName());
        for (const IXMLNode& node : document.DocumentElement()->ChildNodes()) {
            const auto hive = std::find_if(FHives.begin(), FHives.end(), [&](const TKey& Key) {
                return Key.Name == node->Attributes(QStringLiteral("name")).AsString();
            });
            if (hive != FHives.end()) ReadKey(node, *hive);
        }
    } catch (const Exception&) {
        ClearHives();
    }
}

void TStore::ClearHives()
{
    for (size_t i = 0; i < Hives.size(); ++i) FHives[i] = TKey{QString::fromLatin1(Hives[i].Name), {}, {}};
}

void TStore::Save() const
{
    TXMLDocument document(nullptr);
    document.SetActive(true);
    const IXMLNode root = document.AddChild(QStringLiteral("registry"));
    for (const TKey& hive : FHives) WriteKey(root, hive);
    ForceDirectories(ExtractFileDir(FileName()));
    document.SaveToFile(FileName());
}

QString RegistryFile() { return Store().FileName(); }

void SetRegistryFile(const QString& FileName) { Store().SetFileName(FileName); }

// ---- TRegistry ----

void TRegistry::SetRootKey(HKEY Value)
{
    CloseKey();
    FRootKey = Value;
}

QString TRegistry::FullPath(const QString& Key) const
{
    if (Key.startsWith(u'\\')) return Key.mid(1);
    return FKeyOpen ? FCurrentPath + u'\\' + Key : Key;
}

void TRegistry::ChangeKey(const QString& Path)
{
    FKeyOpen = true;
    FKeyAccess = FAccess;
    FCurrentPath = Path;
}

TKey* TRegistry::OpenedKey(uint32_t Rights) const
{
    if (!FKeyOpen || (FKeyAccess & Rights) != Rights) return nullptr;
    return Store().Find(FRootKey, FCurrentPath);
}

bool TRegistry::OpenKey(const QString& Key, bool CanCreate)
{
    const QString path = FullPath(Key);
    if (!Store().Find(FRootKey, path) && !(CanCreate && Store().Make(FRootKey, path) && Store().Commit()))
        return false;
    ChangeKey(path);
    return true;
}

bool TRegistry::OpenKeyReadOnly(const QString& Key)
{
    const QString path = FullPath(Key);
    if (!Store().Find(FRootKey, path)) return false;
    FAccess = KEY_READ;
    ChangeKey(path);
    return true;
}

void TRegistry::CloseKey()
{
    FKeyOpen = false;
    FKeyAccess = 0;
    FCurrentPath.clear();
}

bool TRegistry::CreateKey(const QString& Key)
{
    const QString path = FullPath(Key);
    if (!Store().Find(FRootKey, path) && !(Store().Make(FRootKey, path) && Store().Commit()))
        throw ERegistryException(QStringLiteral("Failed to create key %1").arg(Key));
    return true;
}

bool TRegistry::DeleteKey(const QString& Key)
{
    QStringList parts = PathParts(FullPath(Key));
    if (parts.isEmpty()) return false;
    const QString name = parts.takeLast();
    TKey* parent = Store().Find(FRootKey, parts.join(u'\\'));
    return parent && parent->RemoveSubKey(name) && Store().Commit();
}

bool TRegistry::KeyExists(const QString& Key) const { return Store().Find(FRootKey, FullPath(Key)) != nullptr; }

bool TRegistry::HasSubKeys() const
{
    const TKey* key = OpenedKey(KEY_QUERY_VALUE);
    return key && !key->SubKeys.empty();
}

bool TRegistry::ValueExists(const QString& Name) const { return GetDataSize(Name) >= 0; }

bool TRegistry::DeleteValue(const QString& Name)
{
    TKey* key = OpenedKey(KEY_SET_VALUE);
    return key && key->RemoveValue(Name) && Store().Commit();
}

void TRegistry::GetKeyNames(TStrings* Strings) const
{
    Strings->BeginUpdate();
    Strings->Clear();
    if (const TKey* key = OpenedKey(KEY_QUERY_VALUE | KEY_ENUMERATE_SUB_KEYS))
        for (const auto& subKey : key->SubKeys) Strings->Add(subKey->Name);
    Strings->EndUpdate();
}

void TRegistry::GetValueNames(TStrings* Strings) const
{
    Strings->BeginUpdate();
    Strings->Clear();
    if (const TKey* key = OpenedKey(KEY_QUERY_VALUE))
        for (const TValue& value : key->Values) Strings->Add(value.Name);
    Strings->EndUpdate();
}

TRegDataType TRegistry::GetDataType(const QString& ValueName) const
{
    TKey* key = OpenedKey(KEY_QUERY_VALUE);
    const TValue* value = key ? key->Value(ValueName) : nullptr;
    return value ? value->Type : rdUnknown;
}

int32_t TRegistry::GetDataSize(const QString& ValueName) const
{
    TKey* key = OpenedKey(KEY_QUERY_VALUE);
    const TValue* value = key ? key->Value(ValueName) : nullptr;
    return value ? static_cast<int32_t>(value->Data.size()) : -1;
}

QByteArray TRegistry::GetData(const QString& Name, int32_t BufSize, TRegDataType& RegData) const
{
    TKey* key = OpenedKey(KEY_QUERY_VALUE);
    const TValue* value = key ? key->Value(Name) : nullptr;
    if (!value || value->Data.size() > BufSize)
        throw ERegistryException(QStringLiteral("Failed to get data for '%1'").arg(Name));
    RegData = value->Type;
    return value->Data;
}

void TRegistry::PutData(const QString& Name, TRegDataType RegData, const QByteArray& Data)
{
    TKey* key = OpenedKey(KEY_SET_VALUE);
    if (key) key->SetValue(Name, RegData, Data);
    if (!key || !Store().Commit())
        throw ERegistryException(QStringLiteral("Failed to set data for '%1'").arg(Name));
}

QString TRegistry::ReadString(const QString& Name) const
{
    const int32_t size = GetDataSize(Name);
    if (size <= 0) return QString();
    TRegDataType type = rdUnknown;
    const QByteArray data = GetData(Name, size, type);
    if (type != rdString && type != rdExpandString) ReadError(Name);
    return DataString(data);
}

void TRegistry::WriteString(const QString& Name, const QString& Value) { PutData(Name, rdString, StringData(Value)); }

int32_t TRegistry::ReadInteger(const QString& Name) const
{
    TRegDataType type = rdUnknown;
    const QByteArray data = GetData(Name, sizeof(int32_t), type);
    if (type != rdInteger) ReadError(Name);
    return qFromLittleEndian<int32_t>(data.constData());
}

void TRegistry::WriteInteger(const QString& Name, int32_t Value) { PutData(Name, rdInteger, IntegerData(Value)); }

bool TRegistry::ReadBool(const QString& Name) const { return ReadInteger(Name) != 0; }

void TRegistry::WriteBool(const QString& Name, bool Value) { WriteInteger(Name, Value ? 1 : 0); }

double TRegistry::ReadFloat(const QString& Name) const
{
    TRegDataType type = rdUnknown;
    const QByteArray data = GetData(Name, sizeof(double), type);
    if (type != rdBinary || data.size() != sizeof(double)) ReadError(Name);
    return qFromLittleEndian<double>(data.constData());
}

void TRegistry::WriteFloat(const QString& Name, double Value)
{
    QByteArray data(sizeof(Value), '\0');
    qToLittleEndian(Value, data.data());
    PutData(Name, rdBinary, data);
}

// ---- TRegistryIniFile ----

TRegistryIniFile::TRegistryIniFile(const QString& FileName, uint32_t AAccess)
    : TCustomIniFile(FileName), FRegistry(AAccess)
{
    FRegistry.OpenKey(FileName, true);
    FHome = FRegistry.CurrentPath();
}

QString TRegistryIniFile::SectionPath(const QString& Section) const { return u'\\' + FHome + u'\\' + Section; }

bool TRegistryIniFile::OpenSection(const QString& Section, bool Create)
{
    if (Create) FRegistry.CreateKey(SectionPath(Section));
    return FRegistry.OpenKey(SectionPath(Section), false);
}

QString TRegistryIniFile::ReadString(const QString& Section, const QString& Ident, const QString& Default)
{
    if (!OpenSection(Section, false) || !FRegistry.ValueExists(Ident)) return Default;
    return FRegistry.ReadString(Ident);
}

void TRegistryIniFile::WriteString(const QString& Section, const QString& Ident, const QString& Value)
{
    if (OpenSection(Section, true)) FRegistry.WriteString(Ident, Value);
}

int32_t TRegistryIniFile::ReadInteger(const QString& Section, const QString& Ident, int32_t Default)
{
    if (!OpenSection(Section, false) || !FRegistry.ValueExists(Ident)) return Default;
    if (FRegistry.GetDataType(Ident) == rdString) return StrToIntDef(FRegistry.ReadString(Ident), Default);
    return FRegistry.ReadInteger(Ident);
}

void TRegistryIniFile::WriteInteger(const QString& Section, const QString& Ident, int32_t Value)
{
    if (!OpenSection(Section, true)) return;
    if (FRegistry.GetDataType(Ident) == rdString)
        FRegistry.WriteString(Ident, IntToStr(Value));
    else
        FRegistry.WriteInteger(Ident, Value);
}

double TRegistryIniFile::ReadFloat(const QString& Section, const QString& Ident, double Default)
{
    if (!OpenSection(Section, false) || !FRegistry.ValueExists(Ident)) return Default;
    return FRegistry.ReadFloat(Ident);
}

void TRegistryIniFile::WriteFloat(const QString& Section, const QString& Ident, double Value)
{
    if (OpenSection(Section, true)) FRegistry.WriteFloat(Ident, Value);
}

void TRegistryIniFile::ReadSection(const QString& Section, TStrings* Strings)
{
    if (OpenSection(Section, false)) FRegistry.GetValueNames(Strings);
}

void TRegistryIniFile::ReadSections(TStrings* Strings)
{
    FRegistry.CloseKey();
    FRegistry.OpenKey(u'\\' + FHome, false);
    FRegistry.GetKeyNames(Strings);
}

void TRegistryIniFile::ReadSectionValues(const QString& Section, TStrings* Strings)
{
    TStringList idents;
    ReadSection(Section, &idents);
    Strings->BeginUpdate();
    for (int32_t i = 0; i < idents.Count(); ++i)
        Strings->SetValues(idents.Strings(i), ReadString(Section, idents.Strings(i), QString()));
    Strings->EndUpdate();
}

void TRegistryIniFile::EraseSection(const QString& Section) { FRegistry.DeleteKey(SectionPath(Section)); }

void TRegistryIniFile::DeleteKey(const QString& Section, const QString& Ident)
{
    if (OpenSection(Section, false)) FRegistry.DeleteValue(Ident);
}
