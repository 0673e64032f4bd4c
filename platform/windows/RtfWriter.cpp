// Our RTF writer: the rich edit's document as 7-bit RTF that our reader reads back the same.
#include "windows/private/RichText.h"

#include "rtl/TextEncoding.h"

#include <QTextBlock>
#include <QTextDocument>

#include <vector>

namespace {

class TRtfWriter {
public:
    TRtfWriter(const QTextDocument& Document, const TRichDefaults& Defaults) : FDocument(Document), FDefaults(Defaults) {}

    QString Write();

private:
    int32_t FontIndex(const QString& Name);
    int32_t ColorIndex(TColor Color);
    void Collect();
    void Attributes(const TRichChar& Char);
    void Text(const QString& Text);
    void WordOut(const char* Word, int32_t Param);
    void WordOut(const char* Word);

    const QTextDocument& FDocument;
    const TRichDefaults& FDefaults;
    std::vector<QString> FFonts;
    std::vector<TColor> FColors;
    QString FOut;
    TRichChar FCurrent;
    bool FPendingSpace = false;
};

int32_t TRtfWriter::FontIndex(const QString& Name)
{
    for (size_t I = 0; I < FFonts.size(); ++I)
        if (FFonts[I] == Name) return static_cast<int32_t>(I);
    FFonts.push_back(Name);
    return static_cast<int32_t>(FFonts.size() - 1);
}

// Entry 0 is the automatic colour.
int32_t TRtfWriter::ColorIndex(TColor Color)
{
    if (Color == clNone) return 0;
    for (size_t I = 0; I < FColors.size(); ++I)
        if (FColors[I] == Color) return static_cast<int32_t>(I + 1);
    FColors.push_back(Color);
    return static_cast<int32_t>(FColors.size());
}

void TRtfWriter::Collect()
{
    for (QTextBlock Block = FDocument.begin(); Block.isValid(); Block = Block.next())
        for (auto It = Block.begin(); !It.atEnd(); ++It) {
            const TRichChar Char = RichCharOf(It.fragment().charFormat(), FDefaults);
            FontIndex(Char.FontName);
            ColorIndex(Char.Color);
            ColorIndex(Char.Highlight);
        }
    if (FFonts.empty()) FontIndex(FDefaults.FontName);
}

void TRtfWriter::WordOut(const char* Word, int32_t Param)
{
    FOut += QLatin1Char('\\') + QLatin1String(Word) + QString::number(Param);
    FPendingSpace = true;
}

void TRtfWriter::WordOut(const char* Word)
{
    FOut += QLatin1Char('\\') + QLatin1String(Word);
    FPendingSpace = true;
}

void TRtfWriter::Attributes(const TRichChar& Char)
{
    if (Char.FontName != FCurrent.FontName) WordOut("f", FontIndex(Char.FontName));
    if (Char.HalfPoints != FCurrent.HalfPoints) WordOut("fs", Char.HalfPoints);
    if (Char.Bold != FCurrent.Bold) Char.Bold ? WordOut("b") : WordOut("b", 0);
    if (Char.Italic != FCurrent.Italic) Char.Italic ? WordOut("i") : WordOut("i", 0);
    if (Char.Underline != FCurrent.Underline) WordOut(Char.Underline ? "ul" : "ulnone");
    if (Char.StrikeOut != FCurrent.StrikeOut) Char.StrikeOut ? WordOut("strike") : WordOut("strike", 0);
    if (Char.Color != FCurrent.Color) WordOut("cf", ColorIndex(Char.Color));
    if (Char.Highlight != FCurrent.Highlight) WordOut("highlight", ColorIndex(Char.Highlight));
    // Half points (ten twips each), rounded half away from zero.
    const auto HalfPoints = [](int32_t Twips) { return Twips >= 0 ? (Twips + 5) / 10 : -((-Twips + 5) / 10); };
    if (HalfPoints(Char.Offset) != HalfPoints(FCurrent.Offset)) {
        const int32_t N = HalfPoints(Char.Offset);
        N >= 0 ? WordOut("up", N) : WordOut("dn", -N);
    }
    if (Char.SuperSub != FCurrent.SuperSub) WordOut(Char.SuperSub == 1 ? "super" : Char.SuperSub == 2 ? "sub" : "nosupersub");
    FCurrent = Char;
}

void TRtfWriter::Text(const QString& Text)
{
    for (const QChar C : Text) {
        const char16_t U = C.unicode();
        if (U == '\t') {
            WordOut("tab");
            continue;
        }
        if (U == QChar::LineSeparator) {
            WordOut("line");
            continue;
        }
        QString Piece;
        if (U == '\\' || U == '{' || U == '}') Piece = QLatin1Char('\\') + C;
        else if (U >= 0x20 && U < 0x80) Piece = C;
        else {
            const QByteArray Byte = EncodeString(QString(C), teANSI);
            if (U < 0x20 || (Byte.size() == 1 && DecodeBytes(Byte, teANSI) == QString(C)))
                Piece = QStringLiteral("\\'%1").arg(U < 0x20 ? U : static_cast<uint8_t>(Byte[0]), 2, 16, QLatin1Char('0'));
            else
                // \uc1: the '?' is what a reader without Unicode shows.
                Piece = QStringLiteral("\\u%1?").arg(static_cast<int16_t>(U));
        }
        // A space ends the word before; a letter or digit after a word needs it.
        if (FPendingSpace) FOut += QLatin1Char(' ');
        FPendingSpace = false;
        FOut += Piece;
    }
}

QString TRtfWriter::Write()
{
    Collect();
    FOut = QStringLiteral("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl");
    for (size_t I = 0; I < FFonts.size(); ++I) {
        FOut += QStringLiteral("{\\f%1\\fnil").arg(I);
        FPendingSpace = true;
        Text(FFonts[I]);
        FOut += QLatin1String(";}");
        FPendingSpace = false;
    }
    FOut += QLatin1Char('}');
    if (!FColors.empty()) {
        FOut += QStringLiteral("{\\colortbl ;");
        for (const TColor Color : FColors)
            FOut += QStringLiteral("\\red%1\\green%2\\blue%3;").arg(GetRValue(Color)).arg(GetGValue(Color)).arg(GetBValue(Color));
        FOut += QLatin1Char('}');
    }
    FOut += QLatin1String("\r\n\\uc1\\pard");
    FPendingSpace = true;
    // Nothing written yet: the first run says its font and size.
    FCurrent = TRichChar();
    FCurrent.FontName.clear();
    FCurrent.HalfPoints = -1;
    int32_t Align = 0;
    int32_t Number = 0;
    for (QTextBlock Block = FDocument.begin(); Block.isValid(); Block = Block.next(), ++Number) {
        const int32_t BlockAlign = RichAlignmentOf(FDocument, Number);
        if (BlockAlign != Align) {
            if (Number > 0) WordOut("pard");
            static const char* const Words[] = {"ql", "qc", "qr", "qj"};
            if (BlockAlign != 0) WordOut(Words[BlockAlign]);
            Align = BlockAlign;
        }
        for (auto It = Block.begin(); !It.atEnd(); ++It) {
            const QTextFragment Fragment = It.fragment();
            Attributes(RichCharOf(Fragment.charFormat(), FDefaults));
            Text(Fragment.text());
        }
        WordOut("par");
        FOut += QLatin1String("\r\n");
        FPendingSpace = false;
    }
    FOut += QLatin1Char('}');
    return FOut;
}

}  // namespace

QString WriteRtf(const QTextDocument& Document, const TRichDefaults& Defaults)
{
    return TRtfWriter(Document, Defaults).Write();
}
