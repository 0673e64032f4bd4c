// TXMLDocument and its nodes: our own node tree, read and written through pugixml.
#include "os/XmlDoc.h"

#include "rtl/AtomicFile.h"
#include "rtl/Streams.h"
#include "rtl/TextEncoding.h"

#include <QByteArrayView>
#include <QRegularExpression>

#include <pugixml.hpp>

#include <algorithm>
#include <utility>

namespace {
// Whitespace between elements is dropped; whitespace that is an element's whole content is kept.
constexpr unsigned ParseOptions = pugi::parse_full | pugi::parse_ws_pcdata_single;
constexpr int32_t SecondRootError = -1;
const QString LineBreak = QStringLiteral("\r\n");

QString FixedName(TNodeType NodeType)
{
    switch (NodeType) {
    case ntText: return QStringLiteral("#text");
    case ntCData: return QStringLiteral("#cdata-section");
    case ntComment: return QStringLiteral("#comment");
    default: return QStringLiteral("#document");
    }
}

bool IsNameStart(QChar C) { return C.isLetter() || C == u'_' || C == u':'; }
bool IsNameChar(QChar C)
{
    return IsNameStart(C) || C.isDigit() || C.isMark() || C == u'-' || C == u'.' || C == u'\u00B7';
}

void CheckName(const QString& Name)
{
    if (Name.isEmpty() || !IsNameStart(Name[0]) || !std::all_of(Name.begin(), Name.end(), IsNameChar))
        throw EXmlError(QStringLiteral("\"%1\" is not a valid XML name").arg(Name));
}

[[noreturn]] void NotSingleTextNode(const QString& NodeName)
{
    throw EXmlError(QStringLiteral("Element \"%1\" does not contain a single text node").arg(NodeName));
}

[[noreturn]] void ListIndexError(int32_t Index)
{
    throw EListError(QStringLiteral("List index out of bounds (%1)").arg(Index));
}

// The error at byte Offset of the UTF-8 text Utf8, located by line and character.
EDOMParseError ParseError(const QByteArray& Utf8, int32_t Code, const QString& Reason, ptrdiff_t Offset)
{
    const QByteArrayView before = QByteArrayView(Utf8).first(std::clamp<qsizetype>(Offset, 0, Utf8.size()));
    const qsizetype lineStart = before.lastIndexOf('\n') + 1;
    qsizetype lineEnd = Utf8.indexOf('\n', before.size());
    if (lineEnd < 0) lineEnd = Utf8.size();
    QString srcText = QString::fromUtf8(Utf8.mid(lineStart, lineEnd - lineStart));
    if (srcText.endsWith(u'\r')) srcText.chop(1);
    return EDOMParseError(Code, Reason, srcText, static_cast<int32_t>(before.count('\n')) + 1,
                          static_cast<int32_t>(QString::fromUtf8(before.sliced(lineStart)).size()) + 1,
                          static_cast<int32_t>(QString::fromUtf8(before).size()));
}

// The encoding a declaration's text names: Windows-1252, UTF-16 or else UTF-8.
TTextEncoding EncodingNamedIn(const QString& Declaration)
{
    static const QRegularExpression Encoding(QStringLiteral(R"((?:^|\s)encoding\s*=\s*["']([^"']*)["'])"));
    const QString name = Encoding.match(Declaration).captured(1).toLower();
    if (name == u"windows-1252" || name == u"iso-8859-1") return teANSI;
    return name == u"utf-16" ? teUnicode : teUTF8;
}

// The encoding the declaration at the start of Bytes names, as far as it is Windows-1252; UTF-16
// is known by its byte-order mark.
TTextEncoding DeclaredEncoding(const QByteArray& Bytes)
{
    if (!Bytes.startsWith("<?xml")) return teUTF8;
    const TTextEncoding named = EncodingNamedIn(QString::fromLatin1(Bytes.left(Bytes.indexOf("?>"))));
    return named == teANSI ? teANSI : teUTF8;
}

// Whether Windows-1252 has the character C.
bool InAnsi(QChar C)
{
    return C.unicode() < 0x80 || DecodeBytes(EncodeString(QString(C), teANSI), teANSI) == QString(C);
}

QString DecodeXml(const QByteArray& Bytes)
{
    const TByteOrderMark bom = DetectByteOrderMark(Bytes);
    if (bom.Length > 0) return DecodeBytes(QByteArrayView(Bytes).sliced(bom.Length), bom.Encoding);
    return DecodeBytes(Bytes, DeclaredEncoding(Bytes));
}

QString FromUtf8(const char* Text) { return QString::fromUtf8(Text); }

// The declaration's attributes as they are written in it.
QString DeclarationText(const pugi::xml_node& Declaration)
{
    QStringList attributes;
    for (const pugi::xml_attribute attribute : Declaration.attributes())
        attributes << QStringLiteral("%1=\"%2\"").arg(FromUtf8(attribute.name()), FromUtf8(attribute.value()));
    return attributes.join(u' ');
}

struct TNodeImage {
    TNodeType NodeType;
    QString NodeName;
    QString Value;
};

TNodeImage ImageOf(const pugi::xml_node& Node)
{
    const QString value = FromUtf8(Node.value());
    switch (Node.type()) {
    case pugi::node_element: return {ntElement, FromUtf8(Node.name()), QString()};
    case pugi::node_pcdata: return {ntText, FixedName(ntText), value};
    case pugi::node_cdata: return {ntCData, FixedName(ntCData), value};
    case pugi::node_comment: return {ntComment, FixedName(ntComment), value};
    case pugi::node_pi: return {ntProcessingInstr, FromUtf8(Node.name()), value};
    case pugi::node_declaration: return {ntProcessingInstr, QStringLiteral("xml"), DeclarationText(Node)};
    case pugi::node_doctype: return {ntDocType, value.section(u' ', 0, 0), value};
    default: return {ntReserved, QString(), value};  // the parser makes no other kind below the document
    }
}

pugi::xml_node_type PugiType(TNodeType NodeType)
{
    switch (NodeType) {
    case ntElement: return pugi::node_element;
    case ntText: return pugi::node_pcdata;
    case ntCData: return pugi::node_cdata;
    case ntComment: return pugi::node_comment;
    case ntProcessingInstr: return pugi::node_pi;
    case ntDocType: return pugi::node_doctype;
    default: return pugi::node_null;  // no other kind goes into a node list
    }
}

// Text and attribute values are escaped here rather than by the printer, so that characters the
// reader would normalise (CR in text; CR, LF and tab in attributes) come back as they were.
// With ForAnsi, characters Windows-1252 lacks become character references.
QByteArray Escaped(const QString& Value, bool Attribute, bool ForAnsi)
{
    QString out;
    out.reserve(Value.size());
    for (qsizetype i = 0; i < Value.size(); ++i) {
        const QChar c = Value[i];
        if (ForAnsi && !InAnsi(c)) {
            char32_t code = c.unicode();
            if (c.isHighSurrogate() && i + 1 < Value.size() && Value[i + 1].isLowSurrogate())
                code = QChar::surrogateToUcs4(c, Value[++i]);
            out += QStringLiteral("&#%1;").arg(static_cast<uint32_t>(code));
            continue;
        }
        switch (c.unicode()) {
        case '&': out += QLatin1String("&amp;"); break;
        case '<': out += QLatin1String("&lt;"); break;
        case '>': out += QLatin1String("&gt;"); break;
        case '\r': out += QLatin1String("&#13;"); break;
        case '"': out += Attribute ? QLatin1String("&quot;") : QLatin1String("\""); break;
        case '\n': out += Attribute ? QLatin1String("&#10;") : QLatin1String("\n"); break;
        case '\t': out += Attribute ? QLatin1String("&#09;") : QLatin1String("\t"); break;
        default: out += c; break;
        }
    }
    return out.toUtf8();
}

pugi::xml_node AppendCopy(pugi::xml_node Parent, const TXMLNode& Node, bool ForAnsi)
{
    pugi::xml_node copy = Parent.append_child(PugiType(Node.NodeType()));
    if (Node.NodeType() == ntElement || Node.NodeType() == ntProcessingInstr)
        copy.set_name(Node.NodeName().toUtf8().constData());
    if (Node.NodeType() == ntText)
        copy.set_value(Escaped(Node.Text(), false, ForAnsi).constData());
    else if (Node.NodeType() != ntElement)
        copy.set_value(Node.Text().toUtf8().constData());
    for (const IXMLNode& attribute : Node.AttributeNodes())
        copy.append_attribute(attribute->NodeName().toUtf8().constData())
            .set_value(Escaped(attribute->Text(), true, ForAnsi).constData());
    return copy;
}

class TByteWriter : public pugi::xml_writer {
public:
    void write(const void* Data, size_t Size) override
    {
        Bytes.append(static_cast<const char*>(Data), static_cast<qsizetype>(Size));
    }
    QByteArray Bytes;
};
}  // namespace

EDOMParseError::EDOMParseError(int32_t ErrorCode, const QString& Reason, const QString& SrcText, int32_t Line,
                               int32_t LinePos, int32_t FilePos)
    : EXmlError(Reason + LineBreak + QStringLiteral("Line: %1").arg(Line) + LineBreak + SrcText.left(40)),
      FErrorCode(ErrorCode),
      FReason(Reason),
      FSrcText(SrcText),
      FLine(Line),
      FLinePos(LinePos),
      FFilePos(FilePos)
{
}

QString TXMLValue::AsString() const
{
    if (FNull)
        throw EVariantTypeCastError(QStringLiteral("Could not convert variant of type (Null) into type (OleStr)"));
    return FText;
}

// ---- TXMLNodeList ----

TXMLNodeList::~TXMLNodeList() { Release(std::move(FNodes)); }

void TXMLNodeList::Release(std::vector<IXMLNode> Nodes)
{
    while (!Nodes.empty()) {
        IXMLNode node = std::move(Nodes.back());
        Nodes.pop_back();
        node->FContainer = nullptr;
        if (node.use_count() > 1) continue;
        for (TXMLNodeList* list : {&node->FChildNodes, &node->FAttributeNodes}) {
            std::move(list->FNodes.begin(), list->FNodes.end(), std::back_inserter(Nodes));
            list->FNodes.clear();
        }
    }
}

IXMLNode TXMLNodeList::Nodes(int32_t Index) const
{
    if (Index < 0 || Index >= Count()) ListIndexError(Index);
    return FNodes[static_cast<size_t>(Index)];
}

IXMLNode TXMLNodeList::First() const { return FNodes.empty() ? IXMLNode() : FNodes.front(); }

IXMLNode TXMLNodeList::Last() const { return FNodes.empty() ? IXMLNode() : FNodes.back(); }

IXMLNode TXMLNodeList::FindNode(const QString& NodeName) const
{
    const auto found = std::find_if(FNodes.begin(), FNodes.end(), [&](const IXMLNode& Node) {
        return Node->NodeName() == NodeName;
    });
    return found == FNodes.end() ? IXMLNode() : *found;
}

int32_t TXMLNodeList::IndexOf(const IXMLNode& Node) const
{
    const auto found = std::find(FNodes.begin(), FNodes.end(), Node);
    return found == FNodes.end() ? -1 : static_cast<int32_t>(found - FNodes.begin());
}

int32_t TXMLNodeList::Add(const IXMLNode& Node)
{
    Insert(Count(), Node);
    return Count() - 1;
}

void TXMLNodeList::CheckInsert(const IXMLNode& Node) const
{
    if (!Node) throw EXmlError(QStringLiteral("No node to add"));
    const TNodeType type = Node->NodeType();
    bool fits = false;
    if (FAttributes)
        fits = type == ntAttribute;
    else if (FOwner->NodeType() == ntElement)
        fits = type == ntElement || type == ntText || type == ntCData || type == ntComment || type == ntProcessingInstr;
    else if (FOwner->NodeType() == ntDocument)
        fits = type == ntElement || type == ntComment || type == ntProcessingInstr || type == ntDocType;
    if (!fits)
        throw EXmlError(
            QStringLiteral("Node \"%1\" cannot be added to node \"%2\"").arg(Node->NodeName(), FOwner->NodeName()));

    for (const TXMLNode* above = FOwner; above; above = above->FContainer ? above->FContainer->FOwner : nullptr)
        if (above == Node.get())
            throw EXmlError(QStringLiteral("Node \"%1\" cannot be added below itself").arg(Node->NodeName()));

    if (FOwner->NodeType() == ntDocument && type == ntElement
        && std::any_of(FNodes.begin(), FNodes.end(), [&](const IXMLNode& Other) {
               return Other != Node && Other->NodeType() == ntElement;
           }))
        throw EXmlError(QStringLiteral("Only one top level element is allowed in an XML document"));
}

void TXMLNodeList::Insert(int32_t Index, const IXMLNode& Node)
{
    if (Index == -1) Index = Count();
    if (Index < 0 || Index > Count()) ListIndexError(Index);
    CheckInsert(Node);
    if (TXMLNodeList* from = Node->FContainer) {
        const int32_t at = from->IndexOf(Node);
        if (from == this && at < Index) --Index;
        from->Detach(at);
    }
    if (FAttributes) {
        const int32_t same = IndexOf(FindNode(Node->NodeName()));
        if (same >= 0) {
            Detach(same);
            if (same < Index) --Index;
        }
    }
    FNodes.insert(FNodes.begin() + Index, Node);
    Node->FContainer = this;
}

void TXMLNodeList::Delete(int32_t Index)
{
    if (Index < 0 || Index >= Count()) ListIndexError(Index);
    Detach(Index);
}

void TXMLNodeList::Clear() { Release(std::exchange(FNodes, {})); }

void TXMLNodeList::Detach(int32_t Index)
{
    IXMLNode node = std::move(FNodes[static_cast<size_t>(Index)]);
    FNodes.erase(FNodes.begin() + Index);
    Release({std::move(node)});
}

void TXMLNodeList::Append(const IXMLNode& Node)
{
    FNodes.push_back(Node);
    Node->FContainer = this;
}

// ---- TXMLNode ----

TXMLNode::TXMLNode(Token, TNodeType NodeType, const QString& NodeName, const QString& Value)
    : FNodeType(NodeType), FNodeName(NodeName), FValue(Value)
{
}

IXMLNode TXMLNode::Create(TNodeType NodeType, const QString& NodeName, const QString& Value)
{
    return std::make_shared<TXMLNode>(Token(), NodeType, NodeName, Value);
}

TXMLValue TXMLNode::NodeValue() const
{
    switch (FNodeType) {
    case ntElement: return HasChildNodes() ? TXMLValue(Text()) : TXMLValue();
    case ntDocument:
    case ntDocType: return TXMLValue();
    default: return TXMLValue(FValue);
    }
}

QString TXMLNode::Text() const
{
    if (FNodeType != ntElement) return FValue;
    if (!HasChildNodes()) return QString();
    if (!IsTextElement()) NotSingleTextNode(FNodeName);
    return FChildNodes.FNodes.front()->FValue;
}

void TXMLNode::SetText(const QString& Value)
{
    if (FNodeType != ntElement)
        FValue = Value;
    else if (!HasChildNodes())
        FChildNodes.Append(Create(ntText, FixedName(ntText), Value));
    else if (IsTextElement())
        FChildNodes.FNodes.front()->FValue = Value;
    else
        NotSingleTextNode(FNodeName);
}

bool TXMLNode::IsTextElement() const
{
    if (FNodeType != ntElement || FChildNodes.Count() != 1) return false;
    const TNodeType child = FChildNodes.FNodes.front()->FNodeType;
    return child == ntText || child == ntCData;
}

TXMLValue TXMLNode::Attributes(const QString& AttrName) const
{
    const IXMLNode attribute = FAttributeNodes.FindNode(AttrName);
    return attribute ? TXMLValue(attribute->FValue) : TXMLValue();
}

void TXMLNode::SetAttributes(const QString& AttrName, const QString& Value)
{
    if (const IXMLNode attribute = FAttributeNodes.FindNode(AttrName)) {
        attribute->FValue = Value;
        return;
    }
    CheckName(AttrName);
    FAttributeNodes.Append(Create(ntAttribute, AttrName, Value));
}

bool TXMLNode::HasAttribute(const QString& AttrName) const { return FAttributeNodes.FindNode(AttrName) != nullptr; }

IXMLNode TXMLNode::AddChild(const QString& TagName, int32_t Index)
{
    CheckName(TagName);
    IXMLNode child = Create(ntElement, TagName);
    FChildNodes.Insert(Index, child);
    return child;
}

IXMLNode TXMLNode::ParentNode() const
{
    if (FNodeType == ntAttribute || !FContainer) return IXMLNode();
    return FContainer->FOwner->shared_from_this();
}

// ---- TXMLDocument ----

TXMLDocument::TXMLDocument(TComponent* AOwner) : TComponent(AOwner) {}

void TXMLDocument::SetActive(bool Value)
{
    if (Value == Active()) return;
    if (!Value) {
        FDocumentNode.reset();
    } else if (FFileName.isEmpty()) {
        FDocumentNode = TXMLNode::Create(ntDocument, FixedName(ntDocument));
    } else {
        TFileStream file(FFileName, fmOpenRead | fmShareDenyWrite);
        Parse(DecodeXml(file.ReadBytes(static_cast<int32_t>(file.Size()))));
    }
}

void TXMLDocument::LoadFromFile(const QString& AFileName)
{
    SetActive(false);
    FFileName = AFileName;
    SetActive(true);
}

void TXMLDocument::LoadFromXML(const QString& XML)
{
    SetActive(false);
    FFileName.clear();
    Parse(XML);
}

void TXMLDocument::SaveToFile(const QString& AFileName) const
{
    switch (FileEncoding()) {
    case teANSI: WriteFileAtomic(AFileName, EncodeString(QString::fromUtf8(Print(true)), teANSI)); break;
    case teUnicode: WriteFileAtomic(AFileName, EncodeText(QString::fromUtf8(Print()), teUnicode, true)); break;
    default: WriteFileAtomic(AFileName, Print()); break;
    }
}

TTextEncoding TXMLDocument::FileEncoding() const
{
    const IXMLNode first = DocumentNode()->ChildNodes().First();
    if (!first || first->NodeType() != ntProcessingInstr || first->NodeName() != u"xml") return teUTF8;
    return EncodingNamedIn(first->Text());
}

QString TXMLDocument::SaveToXML() const { return QString::fromUtf8(Print()); }

IXMLNode TXMLDocument::DocumentNode() const
{
    if (!FDocumentNode) throw EXmlError(QStringLiteral("No active document"));
    return FDocumentNode;
}

IXMLNode TXMLDocument::DocumentElement() const
{
    for (const IXMLNode& node : DocumentNode()->ChildNodes())
        if (node->NodeType() == ntElement) return node;
    return IXMLNode();
}

IXMLNode TXMLDocument::AddChild(const QString& TagName) { return DocumentNode()->AddChild(TagName); }

IXMLNode TXMLDocument::CreateNode(const QString& NameOrData, TNodeType NodeType, const QString& AddlData) const
{
    DocumentNode();
    switch (NodeType) {
    case ntElement:
    case ntAttribute:
    case ntProcessingInstr:
        CheckName(NameOrData);
        return TXMLNode::Create(NodeType, NameOrData, NodeType == ntElement ? QString() : AddlData);
    case ntText:
    case ntCData:
    case ntComment: return TXMLNode::Create(NodeType, FixedName(NodeType), NameOrData);
    default: throw EXmlError(QStringLiteral("Invalid node type"));
    }
}

void TXMLDocument::Parse(const QString& XML)
{
    const QByteArray utf8 = (XML.startsWith(QChar(0xFEFF)) ? XML.mid(1) : XML).toUtf8();
    pugi::xml_document source;
    const pugi::xml_parse_result result =
        source.load_buffer(utf8.constData(), static_cast<size_t>(utf8.size()), ParseOptions, pugi::encoding_utf8);
    if (!result) throw ParseError(utf8, result.status, FromUtf8(result.description()), result.offset);

    IXMLNode document = TXMLNode::Create(ntDocument, FixedName(ntDocument));
    bool hasRoot = false;
    std::vector<std::pair<pugi::xml_node, TXMLNode*>> pending{{source, document.get()}};
    while (!pending.empty()) {
        const auto [from, to] = pending.back();
        pending.pop_back();
        for (const pugi::xml_node child : from.children()) {
            TNodeImage image = ImageOf(child);
            if (to == document.get() && image.NodeType == ntElement && std::exchange(hasRoot, true))
                throw ParseError(utf8, SecondRootError,
                                 QStringLiteral("Only one top level element is allowed in an XML document"),
                                 child.offset_debug());
            IXMLNode node = TXMLNode::Create(image.NodeType, image.NodeName, image.Value);
            to->FChildNodes.Append(node);
            if (image.NodeType != ntElement) continue;
            for (const pugi::xml_attribute attribute : child.attributes())
                node->FAttributeNodes.Append(
                    TXMLNode::Create(ntAttribute, FromUtf8(attribute.name()), FromUtf8(attribute.value())));
            pending.emplace_back(child, node.get());
        }
    }
    FDocumentNode = std::move(document);
}

QByteArray TXMLDocument::Print(bool ForAnsi) const
{
    pugi::xml_document out;
    std::vector<std::pair<const TXMLNode*, pugi::xml_node>> pending{{DocumentNode().get(), out}};
    while (!pending.empty()) {
        const auto [from, to] = pending.back();
        pending.pop_back();
        for (const IXMLNode& child : from->ChildNodes()) {
            const pugi::xml_node copy = AppendCopy(to, *child, ForAnsi);
            if (child->NodeType() == ntElement) pending.emplace_back(child.get(), copy);
        }
    }
    TByteWriter writer;
    out.save(writer, "  ", pugi::format_indent | pugi::format_no_declaration | pugi::format_no_escapes,
             pugi::encoding_utf8);
    return writer.Bytes;
}
