// Fuzz target: the registry store file as the registry objects read it, and the file written
// back after a change.
#include "os/Registry.h"

#include "FuzzFiles.h"

#include <cstdint>
#include <cstdlib>

namespace {

// Reads every value of the open key with the reader of its type: sizes fit the types and no
// reader refuses a value of its own type.
void ReadValues(TRegistry& Registry)
{
    TStringList Names;
    Registry.GetValueNames(&Names);
    for (int32_t I = 0; I < Names.Count(); ++I) {
        const QString Name = Names.Strings(I);
        const int32_t Size = Registry.GetDataSize(Name);
        switch (Registry.GetDataType(Name)) {
        case rdString:
        case rdExpandString:
            if (Size < 2 || Size % 2 != 0) std::abort();
            (void)Registry.ReadString(Name);
            break;
        case rdInteger:
            if (Size != 4) std::abort();
            (void)Registry.ReadInteger(Name);
            break;
        case rdBinary:
            if (Size == 8) (void)Registry.ReadFloat(Name);
            break;
        case rdUnknown:
            // A name that holds a separator or is shared by another value in another case.
            break;
        }
    }
}

// The same change on the store as the file holds it now: the scratch key and one value.
void Change(const QString& FileName)
{
    SetRegistryFile(FileName);
    TRegistry Registry;
    if (!Registry.OpenKey(QStringLiteral("\\Fuzz scratch"), true)) std::abort();
    Registry.WriteString(QStringLiteral("Value"), QStringLiteral("x"));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    const QString FileName = WriteInputFile(QStringLiteral("registry.xml"), Data, Size);
    SetRegistryFile(FileName);
    for (HKEY Root : {HKEY_CLASSES_ROOT, HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
        TRegistry Registry(KEY_READ);
        Registry.SetRootKey(Root);
        if (!Registry.OpenKey(QStringLiteral("\\"), false)) std::abort();
        ReadValues(Registry);
        TStringList Keys;
        Registry.GetKeyNames(&Keys);
        for (int32_t I = 0; I < Keys.Count(); ++I) {
            TRegistry Sub(KEY_READ);
            Sub.SetRootKey(Root);
            if (Sub.OpenKey(u'\\' + Keys.Strings(I), false)) ReadValues(Sub);
        }
    }

    // What the store writes after a change it reads back unchanged: the same change again
    // writes the same file.
    Change(FileName);
    const QByteArray Written = ReadWholeFile(FileName);
    Change(FileName);
    if (ReadWholeFile(FileName) != Written) std::abort();
    SetRegistryFile(QString());
    return 0;
}
