// Reading values of ParGen.xml by element name.
#include "ParGenReader.h"

#include "os/XmlDoc.h"
#include "rtl/Exceptions.h"
#include "rtl/NumConv.h"

int32_t Decimal_Value(const QString& Text, int32_t Default)
{
    qsizetype I = 0;
    while (I < Text.size() && Text[I] == u' ') ++I;
    if (I < Text.size() && (Text[I] == u'+' || Text[I] == u'-')) ++I;
    if (I == Text.size()) return Default;
    for (; I < Text.size(); ++I)
        if (Text[I] < u'0' || Text[I] > u'9') return Default;
    // Only the range is left to check.
    return StrToIntDef(Text, Default);
}

TParGenReader::TParGenReader(const QString& FileName) : FXML(std::make_unique<TXMLDocument>(nullptr))
{
    FXML->LoadFromFile(FileName);
}

TParGenReader::~TParGenReader() = default;

bool TParGenReader::Find(TParGen_Element Element, QString& Text) const
{
    const IXMLNode Root = FXML->ChildNodes().First();
    const IXMLNode Value = Root ? Root->ChildNodes().FindNode(ParGen_Name(Element)) : nullptr;
    if (!Value || Value->NodeType() != ntElement) return false;
    try {
        Text = Value->Text();
        return true;
    } catch (const Exception&) {
        // An element holding other elements has no single text.
        return false;
    }
}

QString TParGenReader::Text(TParGen_Element Element, const QString& Default) const
{
    QString Value;
    return Find(Element, Value) ? Value : Default;
}

int32_t TParGenReader::Int(TParGen_Element Element, int32_t Default) const
{
    QString Value;
    return Find(Element, Value) ? Decimal_Value(Value, Default) : Default;
}
