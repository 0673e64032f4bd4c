// Fuzz target: text files and delimited texts as string lists read them.
#include "rtl/Strings.h"
#include "rtl/TextEncoding.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(Data), qsizetype(Size));
    const TDecodedText decoded = DecodeText(bytes);

    TStringList list;
    list.SetText(decoded.Text);
    // What a list writes as comma text it reads back unchanged.
    const QString comma = list.CommaText();
    TStringList again;
    again.SetCommaText(comma);
    if (again.CommaText() != comma) std::abort();

    list.SetStrictDelimiter(true);
    list.SetDelimiter(QLatin1Char(';'));
    list.SetDelimitedText(decoded.Text);
    (void)list.Values(QStringLiteral("name"));
    (void)EncodeText(decoded.Text, decoded.Encoding, true);
    return 0;
}
