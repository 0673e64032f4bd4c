// Values of the configuration file ParGen.xml, looked up by element name with a default.
#pragma once

#include "ParGenNames.h"

#include <QString>

#include <cstdint>
#include <memory>

class TXMLDocument;

// A decimal integer text as the configuration's numbers are read: leading blanks, an optional sign,
// decimal digits and nothing after them, within the 32-bit range; Default for anything else
// (an empty text, "$FF", "0x10", "12 ", "1e3").
int32_t Decimal_Value(const QString& Text, int32_t Default);

// One reading of ParGen.xml. The document's first top-level node is the root and each value is the
// text of the first child of the root with that name, so a file whose root is preceded by a comment
// or declaration gives every value its default.
class TParGenReader {
public:
    // Loads FileName; raises EFOpenError when it cannot be read and EDOMParseError when it does not
    // parse.
    explicit TParGenReader(const QString& FileName);
    ~TParGenReader();
    TParGenReader(const TParGenReader&) = delete;
    TParGenReader& operator=(const TParGenReader&) = delete;

    // The element's text as it stands; Default when there is no such element or it holds more
    // than plain text.
    QString Text(TParGen_Element Element, const QString& Default = QString()) const;
    // The element's text read by Decimal_Value; Default when the element is missing or does not read.
    int32_t Int(TParGen_Element Element, int32_t Default) const;

private:
    // The text of the element; false when there is none or it holds more than plain text.
    bool Find(TParGen_Element Element, QString& Text) const;

    std::unique_ptr<TXMLDocument> FXML;
};
