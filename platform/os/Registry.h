// TRegistry and TRegistryIniFile over our stand-in for the registry: one per-user store file.
#pragma once

#include "os/IniFiles.h"
#include "rtl/Exceptions.h"
#include "rtl/Object.h"
#include "rtl/Strings.h"

#include <QString>

#include <cstdint>

KT_DECLARE_EXCEPTION(ERegistryException, Exception);

struct HKEY__;
using HKEY = HKEY__*;

inline const HKEY HKEY_CLASSES_ROOT = reinterpret_cast<HKEY>(uintptr_t{0x80000000});
inline const HKEY HKEY_CURRENT_USER = reinterpret_cast<HKEY>(uintptr_t{0x80000001});
inline const HKEY HKEY_LOCAL_MACHINE = reinterpret_cast<HKEY>(uintptr_t{0x80000002});

inline constexpr uint32_t KEY_QUERY_VALUE = 0x0001;
inline constexpr uint32_t KEY_SET_VALUE = 0x0002;
inline constexpr uint32_t KEY_CREATE_SUB_KEY = 0x0004;
inline constexpr uint32_t KEY_ENUMERATE_SUB_KEYS = 0x0008;
inline constexpr uint32_t KEY_NOTIFY = 0x0010;
inline constexpr uint32_t KEY_READ = 0x00020019;
inline constexpr uint32_t KEY_WRITE = 0x00020006;
inline constexpr uint32_t KEY_ALL_ACCESS = 0x000F003F;

enum TRegDataType { rdUnknown, rdString, rdExpandString, rdInteger, rdBinary };

namespace RegistryStore {
struct TKey;
}

// The store of every root's keys and values: one file, by default
// $XDG_CONFIG_HOME/kt20418/registry.xml (~/.config/kt20418/registry.xml without that variable).
// It is read again whenever the file has changed and rewritten whole, through a temporary file,
// after every change. Only the user-interface thread uses it.
QString RegistryFile();
// Moves the store to FileName; an empty name goes back to the default (tests).
void SetRegistryFile(const QString& FileName);

// A registry object: a root key and at most one open key below it. Key and value names are
// compared without regard to case; key paths are separated by "\"; a path starting with "\" is
// taken from the root, any other from the open key (from the root when none is open). Sub-keys
// are listed in name order, values in the order they were made.
//
// The store knows no permissions: any key can be opened, created and deleted. Access only limits
// what the open key allows: reading values needs KEY_QUERY_VALUE, changing them KEY_SET_VALUE,
// listing sub-keys KEY_ENUMERATE_SUB_KEYS. A change that cannot be stored fails as on a key that
// cannot be written, and the store stays as the file holds it.
//
// Errors are ERegistryException: "Failed to create key <key>", "Failed to set data for '<name>'",
// "Failed to get data for '<name>'" (a missing value, or one larger than the type read) and
// "Invalid data type for '<name>'".
class TRegistry : public TObject {
public:
    explicit TRegistry(uint32_t AAccess = KEY_ALL_ACCESS) : FAccess(AAccess) {}

    HKEY RootKey() const { return FRootKey; }
    // Closes the open key.
    void SetRootKey(HKEY Value);
    // The open key's path as it was given (without a leading "\"); empty when none is open.
    const QString& CurrentPath() const { return FCurrentPath; }
    // The rights keys are opened with.
    uint32_t Access() const { return FAccess; }
    void SetAccess(uint32_t Value) { FAccess = Value; }

    // Makes Key the open key, creating it (and the keys above it) when CanCreate; false when it
    // does not exist or cannot be made.
    bool OpenKey(const QString& Key, bool CanCreate);
    // Opens Key with KEY_READ, which becomes the object's Access.
    bool OpenKeyReadOnly(const QString& Key);
    void CloseKey();
    // Makes Key and the keys above it without opening it; true, or ERegistryException.
    bool CreateKey(const QString& Key);
    // Deletes Key with all its sub-keys and values.
    bool DeleteKey(const QString& Key);
    bool KeyExists(const QString& Key) const;
    bool HasSubKeys() const;

    bool ValueExists(const QString& Name) const;
    bool DeleteValue(const QString& Name);
    // Strings is cleared and receives the names of the open key's sub-keys.
    void GetKeyNames(TStrings* Strings) const;
    // Strings is cleared and receives the names of the open key's values.
    void GetValueNames(TStrings* Strings) const;
    // rdUnknown when the value is missing.
    TRegDataType GetDataType(const QString& ValueName) const;
    // The value's size in bytes (a text's counts its UTF-16 terminator); -1 when it is missing.
    int32_t GetDataSize(const QString& ValueName) const;

    // "" for a missing or empty value.
    QString ReadString(const QString& Name) const;
    void WriteString(const QString& Name, const QString& Value);
    int32_t ReadInteger(const QString& Name) const;
    void WriteInteger(const QString& Name, int32_t Value);
    // A non-zero integer is true.
    bool ReadBool(const QString& Name) const;
    void WriteBool(const QString& Name, bool Value);
    // An 8-byte binary value.
    double ReadFloat(const QString& Name) const;
    void WriteFloat(const QString& Name, double Value);

private:
    // Key's path from the root.
    QString FullPath(const QString& Key) const;
    void ChangeKey(const QString& Path);
    // The open key when it exists and was opened with all of Rights; nullptr otherwise.
    RegistryStore::TKey* OpenedKey(uint32_t Rights) const;
    // The open key's data of value Name; raises "Failed to get data" when it is missing or larger
    // than BufSize bytes.
    QByteArray GetData(const QString& Name, int32_t BufSize, TRegDataType& RegData) const;
    void PutData(const QString& Name, TRegDataType RegData, const QByteArray& Data);

    HKEY FRootKey = HKEY_CURRENT_USER;
    uint32_t FAccess;
    bool FKeyOpen = false;
    uint32_t FKeyAccess = 0;
    QString FCurrentPath;
};

// The INI-shaped view of a registry key of the current user: the key FileName (opened, and made
// when missing, at creation) holds the sections as sub-keys and the idents as values.
// Integers are number values, unless a text value of that name exists already, which then gets
// the decimal text; reading takes either (a text that is no number gives the default). Floats are
// 8-byte binary values. A value of another type than the read expects raises ERegistryException.
// Every write goes to the store at once; UpdateFile has nothing to do.
class TRegistryIniFile : public TCustomIniFile {
public:
    explicit TRegistryIniFile(const QString& FileName, uint32_t AAccess = KEY_ALL_ACCESS);

    QString ReadString(const QString& Section, const QString& Ident, const QString& Default) override;
    void WriteString(const QString& Section, const QString& Ident, const QString& Value) override;
    int32_t ReadInteger(const QString& Section, const QString& Ident, int32_t Default) override;
    void WriteInteger(const QString& Section, const QString& Ident, int32_t Value) override;
    double ReadFloat(const QString& Section, const QString& Ident, double Default) override;
    void WriteFloat(const QString& Section, const QString& Ident, double Value) override;
    // The value names; Strings stays as it was when the section is missing.
    void ReadSection(const QString& Section, TStrings* Strings) override;
    void ReadSections(TStrings* Strings) override;
    // Sets Strings' Values for each ident without clearing it first (an empty value deletes).
    void ReadSectionValues(const QString& Section, TStrings* Strings) override;
    void EraseSection(const QString& Section) override;
    void DeleteKey(const QString& Section, const QString& Ident) override;
    void UpdateFile() override {}

private:
    QString SectionPath(const QString& Section) const;
    // Opens the section's key, made first when Create (ERegistryException when that fails);
    // false when it cannot be opened.
    bool OpenSection(const QString& Section, bool Create);

    TRegistry FRegistry;
    QString FHome;  // the key FileName opened to, from the root
};
