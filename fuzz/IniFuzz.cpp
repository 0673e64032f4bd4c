// Fuzz target: INI files as the in-memory and the write-through INI objects read them, and the
// files they write back.
#include "os/IniFiles.h"
#include "rtl/Exceptions.h"

#include "FuzzFiles.h"

#include <cstdint>
#include <cstdlib>
#include <tuple>
#include <vector>

namespace {

const QString Scratch = QStringLiteral("Fuzz scratch");

using TValues = std::vector<std::tuple<QString, QString, QString>>;

// Every section, ident and value the object gives, in its order; the scratch section left out.
TValues Read(TCustomIniFile& Ini)
{
    TValues Values;
    TStringList Sections;
    Ini.ReadSections(&Sections);
    for (int32_t S = 0; S < Sections.Count(); ++S) {
        const QString Section = Sections.Strings(S);
        if (Section.compare(Scratch, Qt::CaseInsensitive) == 0) continue;
        TStringList Idents;
        Ini.ReadSection(Section, &Idents);
        for (int32_t I = 0; I < Idents.Count(); ++I)
            Values.emplace_back(Section, Idents.Strings(I), Ini.ReadString(Section, Idents.Strings(I), QString()));
    }
    return Values;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    // The in-memory object: what it writes it reads back unchanged.
    const QString FileName = WriteInputFile(QStringLiteral("fuzz.ini"), Data, Size);
    TValues Memory;
    {
        TMemIniFile Ini(FileName);
        Memory = Read(Ini);
        Ini.UpdateFile();
    }
    TMemIniFile Again(FileName);
    if (Read(Again) != Memory) std::abort();

    // The write-through object: values come back cut to 2047 characters, and a write elsewhere
    // rewrites the file without changing what the other sections read.
    WriteInputFile(QStringLiteral("fuzz.ini"), Data, Size);
    TIniFile Profile(FileName);
    const TValues Before = Read(Profile);
    for (const auto& [Section, Ident, Value] : Before)
        if (Value.size() > 2047) std::abort();
    Profile.WriteString(Scratch, QStringLiteral("Value"), QStringLiteral("x"));
    if (Profile.ReadString(Scratch, QStringLiteral("Value"), QString()) != u"x") std::abort();
    TIniFile Other(FileName);
    if (Read(Other) != Before) std::abort();
    return 0;
}
