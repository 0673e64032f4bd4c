// Filling the language table from the built-in texts and from language files.
#include "ULanguage.h"

#include "UComon.h"

#include "rtl/Exceptions.h"
#include "rtl/Files.h"
#include "rtl/StrFuncs.h"
#include "rtl/Streams.h"
#include "rtl/Strings.h"
#include "rtl/TextEncoding.h"

#include <algorithm>

namespace {

const QChar Pilcrow(0x00B6);

// A decimal integer: an optional sign and digits, nothing else; false when it does not fit 32 bits.
bool ReadDecimal(QStringView Text, int32_t& Value)
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

// Text without the control characters and blanks at its ends, as Trim takes them.
QStringView TrimView(QStringView Text)
{
    qsizetype First = 0, Last = Text.size();
    while (First < Last && Text[First].unicode() <= u' ') ++First;
    while (Last > First && Text[Last - 1].unicode() <= u' ') --Last;
    return Text.sliced(First, Last - First);
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
    // Read as a string list reads a file (byte-order mark, text up to a NUL, CR, LF or CR LF
    // ending a line), but taken line by line in place: only the texts kept become strings.
    TBytesStream Bytes;
    Bytes.LoadFromFile(FileName);
    const QString Decoded = DecodeText(Bytes.Bytes()).Text;
    const qsizetype Nul = Decoded.indexOf(QChar(u'\0'));
    const QStringView Content = Nul < 0 ? QStringView(Decoded) : QStringView(Decoded).left(Nul);
    if (!Lang_Table) Load_Default_Language();
    const int32_t Limit = std::min(Lang_Table_Size, Lang_Table->Count());
    for (qsizetype Start = 0; Start < Content.size();) {
        qsizetype End = Start;
        while (End < Content.size() && Content[End] != u'\n' && Content[End] != u'\r') ++End;
        const QStringView Line = TrimView(Content.sliced(Start, End - Start));
        Start = End;
        if (Start < Content.size() && Content[Start] == u'\r') ++Start;
        if (Start < Content.size() && Content[Start] == u'\n') ++Start;

        if (!Line.startsWith(u"STR")) continue;
        const qsizetype Eq = Line.indexOf(u'=');
        if (Eq < 0) continue;
        // The number stands between "STR" and the first "=".
        int32_t Number;
        if (!ReadDecimal(TrimView(Line.sliced(3, Eq - 3)), Number)) continue;
        if (Number < 0 || Number >= Limit) continue;
        QStringView Text = TrimView(Line.sliced(Eq + 1));
        if (Text.isEmpty()) continue;
        const qsizetype Comment = Text.indexOf(u"/#/");
        if (Comment >= 0) {
            Text = TrimView(Text.left(Comment));
            if (Text.isEmpty()) continue;
        }
        // A leading pilcrow keeps the blanks after it; a further one ends the text.
        if (Text.startsWith(Pilcrow)) Text = Text.sliced(1);
        const qsizetype Stop = Text.indexOf(Pilcrow);
        if (Stop >= 0) Text = Text.left(Stop);
        Lang_Table->SetStrings(Number, Text.toString());
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
