// Fuzz target: the rich edit's RTF reader; what it read, written and read again, is the same text
// with the same attributes and alignment, and is written the same once more.
#include "windows/private/RichText.h"

#include <QTextBlock>
#include <QTextDocument>

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

struct TPiece {
    QString Text;
    TRichChar Char;
    bool operator==(const TPiece&) const = default;
};

// The document as runs of text with their attributes, and each paragraph's alignment.
std::vector<TPiece> Pieces(const QTextDocument& Document, const TRichDefaults& Defaults)
{
    std::vector<TPiece> Result;
    int32_t Number = 0;
    for (QTextBlock Block = Document.begin(); Block.isValid(); Block = Block.next(), ++Number) {
        Result.push_back({QStringLiteral("\u2029%1").arg(RichAlignmentOf(Document, Number)), {}});
        for (auto It = Block.begin(); !It.atEnd(); ++It) {
            const TPiece Piece{It.fragment().text(), RichCharOf(It.fragment().charFormat(), Defaults)};
            if (!Result.empty() && Result.back().Char == Piece.Char && !Result.back().Text.startsWith(QChar(0x2029)))
                Result.back().Text += Piece.Text;
            else
                Result.push_back(Piece);
        }
    }
    return Result;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    // The bytes as the reader takes a file: one character a byte.
    QString Rtf = QString::fromLatin1(reinterpret_cast<const char*>(Data), qsizetype(Size));
    if (!Rtf.startsWith(QLatin1String("{\\rtf"))) Rtf.prepend(QLatin1String("{\\rtf1 "));
    const TRichDefaults Defaults;
    QTextDocument First;
    if (!ReadRtf(First, Rtf, Defaults)) std::abort();
    const QString Written = WriteRtf(First, Defaults);
    for (const QChar C : Written)
        if (C.unicode() >= 0x80) std::abort();
    QTextDocument Second;
    if (!ReadRtf(Second, Written, Defaults)) std::abort();
    if (RichPlainText(Second) != RichPlainText(First)) std::abort();
    // Offsets go out in half points: compare what was written.
    auto A = Pieces(First, Defaults);
    auto B = Pieces(Second, Defaults);
    for (auto* List : {&A, &B})
        for (TPiece& P : *List) P.Char.Offset = P.Char.Offset >= 0 ? (P.Char.Offset + 5) / 10 : -((-P.Char.Offset + 5) / 10);
    if (A != B) std::abort();
    if (WriteRtf(Second, Defaults) != Written) std::abort();
    return 0;
}
