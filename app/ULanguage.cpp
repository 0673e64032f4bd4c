// Filling the language table from the built-in texts and from language files.
#include "ULanguage.h"

#include "UComon.h"

#include "rtl/Exceptions.h"
#include "rtl/Files.h"
#include "rtl/StrFuncs.h"
#include "rtl/Strings.h"

#include <algorithm>

namespace {

const QChar Pilcrow(0x00B6);

// A decimal integer: an optional sign and digits, nothing else; false when it does not fit 32 bits.
bool ReadDecimal(const QString& Text, int32_t& Value)
{
    qsizetype I = 0;
    bool Negative = false;
    if (I < Text.size() && (Text[I] == u'+' || Text[I] == u'-')) {
        Negative = Text[I] == u'-';
        ++I;
    }
    if (I == Text.size()) return false;
    int64_t Result = 0;
    for (; I < Text.size(); ++I) {
        const char16_t C = Text[I].unicode();
        if (C < u'0' || C > u'9') return false;
        Result = Result * 10 + (C - u'0');
        if (Result > int64_t(INT32_MAX) + 1) return false;
    }
    if (Negative) Result = -Result;
    if (Result > INT32_MAX) return false;
    Value = static_cast<int32_t>(Result);
    return true;
}

// Reads a language file; false when there is none or it cannot be read.
bool TryReadLanguageFile(const QString& FileName)
{
    if (FileName.isEmpty()) return false;
    try {
        Read_Language_File(FileName);
        return true;
    } catch (const Exception&) {
        return false;
    }
}

} // namespace

void Load_Default_Language()
{
    if (!Lang_Table) Lang_Table = std::make_unique<TStringList>();
    Lang_Table->BeginUpdate();
    Lang_Table->Clear();
    Lang_Table->SetCapacity(Lang_Default_Count);
    for (int32_t N = 0; N < Lang_Default_Count; ++N) Lang_Table->Add(Default_Language_Text(N));
    Lang_Table->EndUpdate();
    Lang_Table_Size = Lang_Default_Count;
}

void Read_Language_File(const QString& FileName)
{
    TStringList Lines;
    Lines.LoadFromFile(FileName);
    if (!Lang_Table) Load_Default_Language();
    const int32_t Limit = std::min(Lang_Table_Size, Lang_Table->Count());
    for (int32_t I = 0; I < Lines.Count(); ++I) {
        const QString Line = Trim(Lines.Strings(I));
        if (!Line.startsWith(u"STR")) continue;
        const int32_t Eq = Pos(QStringLiteral("="), Line);
        if (Eq == 0) continue;
        // The number stands between "STR" and the first "=".
        int32_t Number;
        if (!ReadDecimal(Trim(Copy(Line, 4, Eq - 4)), Number)) continue;
        if (Number < 0 || Number >= Limit) continue;
        QString Text = Trim(Line.mid(Eq));
        if (Text.isEmpty()) continue;
        const int32_t Comment = Pos(QStringLiteral("/#/"), Text);
        if (Comment > 0) {
            Text = Trim(Text.left(Comment - 1));
            if (Text.isEmpty()) continue;
        }
        // A leading pilcrow keeps the blanks after it; a further one ends the text.
        if (Text.startsWith(Pilcrow)) Text.remove(0, 1);
        const qsizetype End = Text.indexOf(Pilcrow);
        if (End >= 0) Text.truncate(End);
        Lang_Table->SetStrings(Number, Text);
    }
}

void Load_Language()
{
    Load_Default_Language();
    if (TryReadLanguageFile(Language_File_Name(Current_Language))) return;
    Current_Language = QStringLiteral("English");
    TryReadLanguageFile(Language_File_Name(Current_Language));
}

QString Find_File_Ignore_Case(const QString& Folder, const QString& FileName)
{
    if (Folder.isEmpty() || FileName.isEmpty() || FileName.contains(PathDelim) || FileName.contains(u'/'))
        return QString();
    const QString Dir = IncludeTrailingPathDelimiter(Folder);
    if (FileExists(Dir + FileName)) return Dir + FileName;
    for (const TSearchRec& Entry : FindFiles(Folder, QStringLiteral("*"), faHidden)) {
        if (Entry.Name.compare(FileName, Qt::CaseInsensitive) == 0 && FileExists(Dir + Entry.Name))
            return Dir + Entry.Name;
    }
    return QString();
}

QString Language_File_Name(const QString& Language)
{
    return Find_File_Ignore_Case(Path_Language, Language + QStringLiteral(".lng"));
}
