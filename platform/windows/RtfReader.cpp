// Our RTF reader: the subset the rich edit keeps, read into a QTextDocument without recursion.
#include "windows/private/RichText.h"

#include "rtl/TextEncoding.h"

#include <QStringDecoder>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <limits>
#include <map>
#include <vector>

namespace {

constexpr size_t MaxDepth = 64;

enum TDestination { dText, dFontTable, dColorTable, dSkip };

struct TReadState {
    TRichChar Char;
    // -1: the default font (\deff).
    int32_t Font = -1;
    int32_t Align = 0;
    int32_t Uc = 1;
    TDestination Destination = dText;
};

// Destinations whose text is no document text.
bool SkippedDestination(QStringView Word)
{
    static const char* const Words[] = {
        "author", "bkmkend", "bkmkstart", "buptim", "comment", "creatim", "datastore", "do", "doccomm",
        "falt", "fldinst", "footer", "footerf", "footerl", "footerr", "footnote", "ftncn", "ftnsep",
        "ftnsepc", "generator", "header", "headerf", "headerl", "headerr", "info", "keywords",
        "latentstyles", "listoverridetable", "listtable", "nonshppict", "object", "objdata", "operator",
        "panose", "pict", "pntext", "pntxta", "pntxtb", "printim", "revtbl", "revtim", "rsidtbl",
        "shp", "shpinst", "stylesheet", "subject", "themedata", "title", "txe", "xe", "xmlnstbl",
        "colorschememapping", "company", "manager", "category", "hlinkbase", "userprops", "wgrffmtfilter",
    };
    for (const char* W : Words)
        if (Word == QLatin1String(W)) return true;
    return false;
}

class TRtfReader {
public:
    TRtfReader(QTextDocument& Document, const QString& Rtf, const TRichDefaults& Defaults)
        : FDocument(Document), FText(Rtf), FDefaults(Defaults), FCursor(&Document)
    {
    }

    bool Read();

private:
    void Word(QStringView Name, bool HasParam, int32_t Param);
    void Symbol(QChar Char);
    // A character of text (already decoded), or one byte of the code page.
    void Emit(QChar Char);
    void EmitByte(uint8_t Byte);
    void FlushBytes();
    void FlushRun();
    void Paragraph();
    // Opens the paragraph a \par left pending, before more text comes.
    void OpenParagraph();
    QString FontName(int32_t Index) const;
    void SetAlign();

    QTextDocument& FDocument;
    const QString& FText;
    const TRichDefaults& FDefaults;
    QTextCursor FCursor;
    std::vector<TReadState> FStack;
    TReadState FState;
    int32_t FCodePage = 1252;
    int32_t FDefaultFont = 0;
    std::map<int32_t, QString> FFonts;
    int32_t FFontEntry = 0;
    QString FFontName;
    std::vector<TColor> FColors;
    int32_t FRed = 0, FGreen = 0, FBlue = 0;
    bool FColorGiven = false;
    QByteArray FBytes;
    QString FRun;
    TRichChar FRunChar;
    int32_t FSkipChars = 0;
    bool FParagraphPending = false;
};

bool TRtfReader::Read()
{
    FDocument.clear();
    FCursor = QTextCursor(&FDocument);
    FState.Char.FontName = FDefaults.FontName;
    const qsizetype Size = FText.size();
    qsizetype I = 0;
    while (I < Size && FText[I].isSpace()) ++I;
    if (!FText.mid(I, 5).startsWith(QLatin1String("{\\rtf"))) return false;
    // Groups past MaxDepth are skipped whole: Overflow counts their braces.
    int32_t Overflow = 0;
    bool Ended = false;
    while (I < Size && !Ended) {
        const QChar C = FText[I];
        if (Overflow > 0) {
            if (C == QLatin1Char('\\')) I += 2;
            else {
                if (C == QLatin1Char('{')) ++Overflow;
                else if (C == QLatin1Char('}')) --Overflow;
                ++I;
            }
            continue;
        }
        if (C == QLatin1Char('{')) {
            ++I;
            FlushBytes();
            FSkipChars = 0;
            if (FStack.size() >= MaxDepth) {
                Overflow = 1;
                continue;
            }
            FStack.push_back(FState);
            continue;
        }
        if (C == QLatin1Char('}')) {
            ++I;
            FlushBytes();
            FSkipChars = 0;
            if (FState.Destination == dFontTable && !FFontName.trimmed().isEmpty()) {
                // An entry closed without its ';'.
                FFonts[FFontEntry] = FFontName.trimmed();
                FFontName.clear();
            }
            if (FStack.empty()) break;
            FState = FStack.back();
            FStack.pop_back();
            // The outermost group has closed: what follows is no part of the document.
            if (FStack.empty()) Ended = true;
            continue;
        }
        if (C == QLatin1Char('\\')) {
            ++I;
            if (I >= Size) break;
            const QChar N = FText[I];
            if ((N >= QLatin1Char('a') && N <= QLatin1Char('z')) || (N >= QLatin1Char('A') && N <= QLatin1Char('Z'))) {
                const qsizetype Start = I;
                while (I < Size && I - Start < 32 &&
                       ((FText[I] >= QLatin1Char('a') && FText[I] <= QLatin1Char('z')) ||
                        (FText[I] >= QLatin1Char('A') && FText[I] <= QLatin1Char('Z'))))
                    ++I;
                const QStringView Name = QStringView(FText).mid(Start, I - Start);
                bool Negative = false;
                bool HasParam = false;
                int64_t Value = 0;
                if (I < Size && FText[I] == QLatin1Char('-') && I + 1 < Size && FText[I + 1].isDigit()) {
                    Negative = true;
                    ++I;
                }
                int32_t Digits = 0;
                while (I < Size && FText[I] >= QLatin1Char('0') && FText[I] <= QLatin1Char('9')) {
                    HasParam = true;
                    if (Digits++ < 10) Value = Value * 10 + (FText[I].unicode() - '0');
                    ++I;
                }
                if (I < Size && FText[I] == QLatin1Char(' ')) ++I;
                Value = std::clamp<int64_t>(Negative ? -Value : Value, std::numeric_limits<int32_t>::min(),
                                            std::numeric_limits<int32_t>::max());
                if (FSkipChars > 0) {
                    --FSkipChars;
                    continue;
                }
                Word(Name, HasParam, static_cast<int32_t>(Value));
                continue;
            }
            if (N == QLatin1Char('\'')) {
                bool Ok = false;
                const int Byte = FText.mid(I + 1, 2).toInt(&Ok, 16);
                const bool Valid = Ok && I + 2 < Size && FText[I + 1].isLetterOrNumber() && FText[I + 2].isLetterOrNumber();
                I += Valid ? 3 : 1;
                if (FSkipChars > 0) {
                    --FSkipChars;
                    continue;
                }
                if (Valid) EmitByte(static_cast<uint8_t>(Byte));
                continue;
            }
            ++I;
            if (FSkipChars > 0) {
                --FSkipChars;
                continue;
            }
            Symbol(N);
            continue;
        }
        ++I;
        // Line breaks in the file are no text.
        if (C == QLatin1Char('\r') || C == QLatin1Char('\n')) continue;
        if (FSkipChars > 0) {
            --FSkipChars;
            continue;
        }
        if (C.unicode() >= 0x80 && C.unicode() <= 0xFF) EmitByte(static_cast<uint8_t>(C.unicode()));
        else Emit(C);
    }
    FlushBytes();
    FlushRun();
    if (!FParagraphPending) SetAlign();
    return true;
}

void TRtfReader::Word(QStringView Name, bool HasParam, int32_t Param)
{
    FlushBytes();
    const bool On = !HasParam || Param != 0;
    TRichChar& Char = FState.Char;
    if (FState.Destination == dSkip) return;
    if (Name == QLatin1String("rtf") || Name == QLatin1String("ansi")) return;
    if (Name == QLatin1String("ansicpg")) {
        if (HasParam && Param > 0) FCodePage = Param;
        return;
    }
    if (Name == QLatin1String("deff")) {
        FDefaultFont = Param;
        return;
    }
    if (Name == QLatin1String("fonttbl")) {
        FState.Destination = dFontTable;
        FFontName.clear();
        return;
    }
    if (Name == QLatin1String("colortbl")) {
        FState.Destination = dColorTable;
        FColors.clear();
        FColorGiven = false;
        FRed = FGreen = FBlue = 0;
        return;
    }
    if (SkippedDestination(Name)) {
        FlushBytes();
        FState.Destination = dSkip;
        return;
    }
    if (FState.Destination == dColorTable) {
        const int32_t Component = std::clamp(Param, 0, 255);
        if (Name == QLatin1String("red")) FRed = Component;
        else if (Name == QLatin1String("green")) FGreen = Component;
        else if (Name == QLatin1String("blue")) FBlue = Component;
        else return;
        FColorGiven = true;
        return;
    }
    if (FState.Destination == dFontTable && Name == QLatin1String("f")) {
        FFontEntry = Param;
        FFontName.clear();
        return;
    }
    if (Name == QLatin1String("par")) {
        if (FState.Destination == dText) Paragraph();
    } else if (Name == QLatin1String("line")) Emit(QChar::LineSeparator);
    else if (Name == QLatin1String("tab")) Emit(QLatin1Char('\t'));
    else if (Name == QLatin1String("u")) {
        if (!HasParam) return;
        Emit(QChar(static_cast<char16_t>(static_cast<uint16_t>(Param))));
        FSkipChars = FState.Uc;
    } else if (Name == QLatin1String("uc")) FState.Uc = std::clamp(Param, 0, 16);
    else if (Name == QLatin1String("b")) Char.Bold = On;
    else if (Name == QLatin1String("i")) Char.Italic = On;
    else if (Name == QLatin1String("ul")) Char.Underline = On;
    else if (Name == QLatin1String("ulnone")) Char.Underline = false;
    else if (Name == QLatin1String("strike")) Char.StrikeOut = On;
    else if (Name == QLatin1String("f")) FState.Font = Param;
    else if (Name == QLatin1String("fs")) Char.HalfPoints = HasParam ? std::clamp(Param, 2, 3276) : 24;
    else if (Name == QLatin1String("cf") || Name == QLatin1String("highlight")) {
        const TColor Color = Param >= 0 && static_cast<size_t>(Param) < FColors.size() ? FColors[Param] : clNone;
        (Name == QLatin1String("cf") ? Char.Color : Char.Highlight) = Color;
    } else if (Name == QLatin1String("up") || Name == QLatin1String("dn")) {
        const int32_t HalfPoints = std::clamp(HasParam ? Param : 6, -3276, 3276);
        Char.Offset = (Name == QLatin1String("up") ? HalfPoints : -HalfPoints) * 10;
    } else if (Name == QLatin1String("super")) Char.SuperSub = 1;
    else if (Name == QLatin1String("sub")) Char.SuperSub = 2;
    else if (Name == QLatin1String("nosupersub")) Char.SuperSub = 0;
    else if (Name == QLatin1String("plain")) {
        Char = TRichChar();
        FState.Font = -1;
    } else if (Name == QLatin1String("pard")) FState.Align = 0;
    else if (Name == QLatin1String("ql")) FState.Align = 0;
    else if (Name == QLatin1String("qc")) FState.Align = 1;
    else if (Name == QLatin1String("qr")) FState.Align = 2;
    else if (Name == QLatin1String("qj")) FState.Align = 3;
}

void TRtfReader::Symbol(QChar Char)
{
    FlushBytes();
    switch (Char.unicode()) {
    case '\\':
    case '{':
    case '}': Emit(Char); break;
    case '~': Emit(QChar(0x00A0)); break;
    case '_': Emit(QChar(0x2011)); break;
    case '*':
        FlushBytes();
        FState.Destination = dSkip;
        break;
    case '\r':
    case '\n':
        if (FState.Destination == dText) Paragraph();
        break;
    default: break;
    }
}

void TRtfReader::EmitByte(uint8_t Byte)
{
    FBytes.append(static_cast<char>(Byte));
}

void TRtfReader::FlushBytes()
{
    if (FBytes.isEmpty()) return;
    const QByteArray Bytes = std::exchange(FBytes, {});
    QString Text;
    if (FCodePage == 1252) Text = DecodeBytes(Bytes, teANSI);
    else {
        QStringDecoder Decoder(FCodePage == 65001 ? QByteArray("UTF-8") : "windows-" + QByteArray::number(FCodePage));
        if (Decoder.isValid()) Text = Decoder.decode(Bytes);
        if (!Decoder.isValid() || Decoder.hasError()) Text = DecodeBytes(Bytes, teANSI);
    }
    for (const QChar C : Text) Emit(C);
}

void TRtfReader::Emit(QChar Char)
{
    if (!FBytes.isEmpty()) FlushBytes();
    switch (FState.Destination) {
    case dSkip: return;
    case dFontTable:
        if (Char == QLatin1Char(';')) {
            FFonts[FFontEntry] = FFontName.trimmed();
            FFontName.clear();
        } else if (Char.unicode() >= 0x20) FFontName += Char;
        return;
    case dColorTable:
        if (Char == QLatin1Char(';')) {
            FColors.push_back(FColorGiven ? static_cast<TColor>(RGB(FRed, FGreen, FBlue)) : clNone);
            FColorGiven = false;
            FRed = FGreen = FBlue = 0;
        }
        return;
    case dText: break;
    }
    // Breaks that come as characters are paragraphs; frame marks are no text.
    const char16_t Unit = Char.unicode();
    if (Unit == '\r' || Unit == '\n' || Unit == QChar::ParagraphSeparator) {
        Paragraph();
        return;
    }
    if (Unit == 0xFDD0 || Unit == 0xFDD1) return;
    OpenParagraph();
    TRichChar Char0 = FState.Char;
    Char0.FontName = FontName(FState.Font);
    if (!FRun.isEmpty() && !(Char0 == FRunChar)) FlushRun();
    FRunChar = Char0;
    FRun += Char;
}

QString TRtfReader::FontName(int32_t Index) const
{
    auto Found = FFonts.find(Index < 0 ? FDefaultFont : Index);
    if (Found == FFonts.end() && Index >= 0) Found = FFonts.find(FDefaultFont);
    if (Found == FFonts.end()) return FDefaults.FontName;
    const QString Name = RichFontName(Found->second);
    return Name.isEmpty() ? FDefaults.FontName : Name;
}

void TRtfReader::FlushRun()
{
    if (FRun.isEmpty()) return;
    FCursor.insertText(FRun, RichFormat(FRunChar));
    FRun.clear();
}

void TRtfReader::SetAlign()
{
    QTextBlockFormat Format = FCursor.blockFormat();
    static constexpr Qt::Alignment Alignments[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight, Qt::AlignJustify};
    Format.setAlignment(Alignments[FState.Align]);
    FCursor.setBlockFormat(Format);
}

void TRtfReader::Paragraph()
{
    OpenParagraph();
    FlushRun();
    SetAlign();
    FParagraphPending = true;
}

void TRtfReader::OpenParagraph()
{
    if (!FParagraphPending) return;
    FParagraphPending = false;
    FCursor.insertBlock(QTextBlockFormat());
}

}  // namespace

bool ReadRtf(QTextDocument& Document, const QString& Rtf, const TRichDefaults& Defaults)
{
    return TRtfReader(Document, Rtf, Defaults).Read();
}
