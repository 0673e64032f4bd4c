// INI files: TCustomIniFile, the in-memory TMemIniFile and the write-through TIniFile.
#include "os/IniFiles.h"

#include "rtl/Files.h"
#include "rtl/Format.h"
#include "rtl/NumConv.h"
#include "rtl/StrFuncs.h"

namespace {
// The longest value the profile functions hand back (their buffer holds 2048 characters).
constexpr qsizetype MaxProfileValue = 2047;

QString Unquoted(const QString& Value)
{
    const bool quoted =
        Value.size() >= 2 && (Value.front() == u'"' || Value.front() == u'\'') && Value.back() == Value.front();
    return quoted ? Value.mid(1, Value.size() - 2) : Value;
}

QString WithoutTrailingSpaces(QString Text)
{
    while (Text.endsWith(u' ')) Text.chop(1);
    return Text;
}
}  // namespace

// ---- TCustomIniFile ----

int32_t TCustomIniFile::ReadInteger(const QString& Section, const QString& Ident, int32_t Default)
{
    return StrToIntDef(ReadString(Section, Ident, QString()), Default);
}

void TCustomIniFile::WriteInteger(const QString& Section, const QString& Ident, int32_t Value)
{
    WriteString(Section, Ident, IntToStr(Value));
}

bool TCustomIniFile::ReadBool(const QString& Section, const QString& Ident, bool Default)
{
    return ReadInteger(Section, Ident, Default ? 1 : 0) != 0;
}

void TCustomIniFile::WriteBool(const QString& Section, const QString& Ident, bool Value)
{
    WriteString(Section, Ident, Value ? QStringLiteral("1") : QStringLiteral("0"));
}

double TCustomIniFile::ReadFloat(const QString& Section, const QString& Ident, double Default)
{
    return static_cast<double>(StrToFloatDef(ReadString(Section, Ident, QString()), Default));
}

void TCustomIniFile::WriteFloat(const QString& Section, const QString& Ident, double Value)
{
    WriteString(Section, Ident, FloatToStr(Value));
}

void TCustomIniFile::ReadSectionValues(const QString& Section, TStrings* Strings)
{
    TStringList idents;
    ReadSection(Section, &idents);
    Strings->BeginUpdate();
    Strings->Clear();
    for (int32_t i = 0; i < idents.Count(); ++i)
        Strings->Add(idents.Strings(i) + u'=' + ReadString(Section, idents.Strings(i), QString()));
    Strings->EndUpdate();
}

bool TCustomIniFile::SectionExists(const QString& Section)
{
    TStringList idents;
    ReadSection(Section, &idents);
    return idents.Count() > 0;
}

bool TCustomIniFile::ValueExists(const QString& Section, const QString& Ident)
{
    TStringList idents;
    ReadSection(Section, &idents);
    return idents.IndexOf(Ident) >= 0;
}

// ---- TMemIniFile ----

TMemIniFile::TMemIniFile(const QString& FileName, std::optional<TTextEncoding> Encoding)
    : TMemIniFile(FileName, Encoding, false)
{
}

TMemIniFile::TMemIniFile(const QString& FileName, std::optional<TTextEncoding> Encoding, bool ProfileRules)
    : TCustomIniFile(FileName), FGivenEncoding(Encoding), FEncoding(Encoding.value_or(teANSI)), FProfileRules(ProfileRules)
{
    LoadValues();
}

void TMemIniFile::LoadValues()
{
    if (!FileExists(FileName())) {
        Clear();
        return;
    }
    TStringList list;
    list.LoadFromFile(FileName(), FGivenEncoding);
    FEncoding = list.Encoding();
    SetStrings(&list);
}

std::optional<QString> TMemIniFile::Value(const QString& Section, const QString& Ident) const
{
    const TStringList* lines = SectionLines(Section);
    const int32_t index = lines ? lines->IndexOfName(Ident) : -1;
    if (index < 0) return std::nullopt;
    return lines->ValueFromIndex(index);
}

QString TMemIniFile::ReadString(const QString& Section, const QString& Ident, const QString& Default)
{
    return Value(Section, Ident).value_or(Default);
}

void TMemIniFile::WriteString(const QString& Section, const QString& Ident, const QString& Value)
{
    TStringList* lines = SectionLines(Section);
    if (!lines) lines = AddSection(Section);
    const QString line = Ident + u'=' + Value;
    const int32_t index = lines->IndexOfName(Ident);
    if (index >= 0)
        lines->SetStrings(index, line);
    else
        lines->Add(line);
}

void TMemIniFile::ReadSection(const QString& Section, TStrings* Strings)
{
    Strings->BeginUpdate();
    Strings->Clear();
    if (const TStringList* lines = SectionLines(Section))
        for (int32_t i = 0; i < lines->Count(); ++i) Strings->Add(lines->Names(i));
    Strings->EndUpdate();
}

void TMemIniFile::ReadSections(TStrings* Strings)
{
    Strings->BeginUpdate();
    Strings->Clear();
    for (int32_t i = 0; i < FSections.Count(); ++i) Strings->Add(FSections.Strings(i));
    Strings->EndUpdate();
}

void TMemIniFile::ReadSectionValues(const QString& Section, TStrings* Strings)
{
    Strings->BeginUpdate();
    Strings->Clear();
    if (TStringList* lines = SectionLines(Section)) Strings->AddStrings(lines);
    Strings->EndUpdate();
}

void TMemIniFile::EraseSection(const QString& Section)
{
    const int32_t index = FSections.IndexOf(Section);
    if (index >= 0) FSections.Delete(index);
}

void TMemIniFile::DeleteKey(const QString& Section, const QString& Ident)
{
    TStringList* lines = SectionLines(Section);
    const int32_t index = lines ? lines->IndexOfName(Ident) : -1;
    if (index >= 0) lines->Delete(index);
}

void TMemIniFile::UpdateFile()
{
    TStringList list;
    GetStrings(&list);
    list.SaveToFile(FileName(), FEncoding);
}

void TMemIniFile::Clear() { FSections.Clear(); }

void TMemIniFile::GetStrings(TStrings* List) const
{
    List->BeginUpdate();
    for (int32_t i = 0; i < FSections.Count(); ++i) {
        List->Add(u'[' + FSections.Strings(i) + u']');
        List->AddStrings(static_cast<TStringList*>(FSections.Objects(i)));
        List->Add(QString());
    }
    List->EndUpdate();
}

void TMemIniFile::SetStrings(TStrings* List)
{
    Clear();
    TStringList* lines = nullptr;
    for (int32_t i = 0; i < List->Count(); ++i) {
        const QString line = Trim(List->Strings(i));
        if (line.isEmpty() || line.front() == u';') continue;
        const qsizetype close = line.front() == u'[' ? line.lastIndexOf(u']') : -1;
        if (close > 0 && (FProfileRules || close == line.size() - 1)) {
            lines = AddSection(Trim(line.mid(1, close - 1)));
        } else if (lines) {
            const qsizetype equals = line.indexOf(u'=');
            lines->Add(equals < 0 ? line : Trim(line.left(equals)) + u'=' + Trim(line.mid(equals + 1)));
        }
    }
}

TStringList* TMemIniFile::SectionLines(const QString& Name) const
{
    const int32_t index = FSections.IndexOf(Name);
    return index < 0 ? nullptr : static_cast<TStringList*>(FSections.Objects(index));
}

TStringList* TMemIniFile::AddSection(const QString& Name)
{
    auto* lines = new TStringList;
    FSections.AddObject(Name, lines);
    return lines;
}

// ---- TIniFile ----

QString TIniFile::ReadString(const QString& Section, const QString& Ident, const QString& Default)
{
    LoadValues();
    const std::optional<QString> value = Value(Section, Ident);
    return (value ? Unquoted(*value) : WithoutTrailingSpaces(Default)).left(MaxProfileValue);
}

void TIniFile::WriteString(const QString& Section, const QString& Ident, const QString& Value)
{
    LoadValues();
    TMemIniFile::WriteString(Section, Ident, Value);
    Flush();
}

void TIniFile::ReadSection(const QString& Section, TStrings* Strings)
{
    LoadValues();
    TMemIniFile::ReadSection(Section, Strings);
}

void TIniFile::ReadSections(TStrings* Strings)
{
    LoadValues();
    TMemIniFile::ReadSections(Strings);
}

void TIniFile::ReadSectionValues(const QString& Section, TStrings* Strings)
{
    TCustomIniFile::ReadSectionValues(Section, Strings);
}

// Erasing or deleting what the file does not hold leaves the file alone: a missing file is not made.
void TIniFile::EraseSection(const QString& Section)
{
    LoadValues();
    TStringList sections;
    TMemIniFile::ReadSections(&sections);
    if (sections.IndexOf(Section) < 0) return;
    TMemIniFile::EraseSection(Section);
    Flush();
}

void TIniFile::DeleteKey(const QString& Section, const QString& Ident)
{
    LoadValues();
    if (!Value(Section, Ident)) return;
    TMemIniFile::DeleteKey(Section, Ident);
    try {
        Flush();
    } catch (const EIniFileException&) {
        // The profile function's result is not looked at for a deletion.
    }
}

void TIniFile::Flush()
{
    try {
        TMemIniFile::UpdateFile();
    } catch (const EStreamError&) {
        throw EIniFileException(QStringLiteral("Unable to write to %1").arg(FileName()));
    }
}
