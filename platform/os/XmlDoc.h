// TXMLDocument and its nodes: the toolkit's XML document object, parsed and printed by pugixml.
#pragma once

#include "rtl/Component.h"
#include "rtl/Exceptions.h"
#include "rtl/TextEncoding.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

KT_DECLARE_EXCEPTION(EVariantTypeCastError, EVariantError);

// A document that does not parse. The message is the reason, "Line: n" and the start of the
// offending line, each on a line of its own. ErrorCode is the parser's status number (positive), or
// -1 for a second top-level element; Line and LinePos count from 1, FilePos (in characters) from 0.
class EDOMParseError : public EXmlError {
public:
    EDOMParseError(int32_t ErrorCode, const QString& Reason, const QString& SrcText, int32_t Line, int32_t LinePos,
                   int32_t FilePos);

    int32_t ErrorCode() const { return FErrorCode; }
    const QString& Reason() const { return FReason; }
    // The whole line the error is on.
    const QString& SrcText() const { return FSrcText; }
    int32_t Line() const { return FLine; }
    int32_t LinePos() const { return FLinePos; }
    int32_t FilePos() const { return FFilePos; }

private:
    int32_t FErrorCode;
    QString FReason;
    QString FSrcText;
    int32_t FLine;
    int32_t FLinePos;
    int32_t FFilePos;
};

enum TNodeType {
    ntReserved,
    ntElement,
    ntAttribute,
    ntText,
    ntCData,
    ntEntityRef,
    ntEntity,
    ntProcessingInstr,
    ntComment,
    ntDocument,
    ntDocType,
    ntDocFragment,
    ntNotation
};

// A node value as the toolkit hands it over in a variant: a text, or Null when there is none.
// Turning Null into text raises EVariantTypeCastError, as the variant does.
class TXMLValue {
public:
    TXMLValue() = default;
    explicit TXMLValue(const QString& Text) : FText(Text), FNull(false) {}

    bool IsNull() const { return FNull; }
    QString AsString() const;
    operator QString() const { return AsString(); }

private:
    QString FText;
    bool FNull = true;
};

class TXMLNode;
// Nodes are shared like the toolkit's reference-counted node interfaces: a node lives while its
// parent or anyone else holds it. An empty pointer is "no node".
using IXMLNode = std::shared_ptr<TXMLNode>;

// The children or the attributes of one node, in document order.
// Adding a node that sits in another list moves it (an attribute replaces the one of the same
// name). EXmlError is raised for a node that cannot go there: an attribute among children or the
// reverse, a node under itself or its descendants, a child of a node that holds none, a second
// element, text or an attribute at the top level of a document. Bad indexes raise EListError
// "List index out of bounds (%d)".
class TXMLNodeList {
public:
    TXMLNodeList(const TXMLNodeList&) = delete;
    TXMLNodeList& operator=(const TXMLNodeList&) = delete;
    ~TXMLNodeList();

    int32_t Count() const { return static_cast<int32_t>(FNodes.size()); }
    IXMLNode Nodes(int32_t Index) const;
    // No node when the list is empty.
    IXMLNode First() const;
    IXMLNode Last() const;
    // The first node named NodeName exactly; no node when there is none.
    IXMLNode FindNode(const QString& NodeName) const;
    // -1 when Node is not in the list.
    int32_t IndexOf(const IXMLNode& Node) const;

    // Appends Node and returns its index.
    int32_t Add(const IXMLNode& Node);
    // Puts Node before the node at Index; -1 or Count appends.
    void Insert(int32_t Index, const IXMLNode& Node);
    void Delete(int32_t Index);
    void Clear();

    auto begin() const { return FNodes.begin(); }
    auto end() const { return FNodes.end(); }

private:
    friend class TXMLNode;
    friend class TXMLDocument;
    TXMLNodeList(TXMLNode* Owner, bool Attributes) : FOwner(Owner), FAttributes(Attributes) {}

    void CheckInsert(const IXMLNode& Node) const;
    void Detach(int32_t Index);
    // Appends a node that fits by construction, without checks.
    void Append(const IXMLNode& Node);
    // Lets go of Nodes; subtrees nobody else holds are taken apart level by level, so a deep
    // document does not exhaust the stack.
    static void Release(std::vector<IXMLNode> Nodes);

    TXMLNode* FOwner;
    bool FAttributes;
    std::vector<IXMLNode> FNodes;
};

// One node of a document. Element and attribute names must be XML names (EXmlError otherwise).
class TXMLNode : public std::enable_shared_from_this<TXMLNode> {
    struct Token {
        explicit Token() = default;
    };

public:
    // Nodes are made by TXMLDocument::CreateNode and AddChild.
    TXMLNode(Token, TNodeType NodeType, const QString& NodeName, const QString& Value);
    TXMLNode(const TXMLNode&) = delete;
    TXMLNode& operator=(const TXMLNode&) = delete;

    TNodeType NodeType() const { return FNodeType; }
    // The tag or attribute name, the target of a processing instruction, the document type's name,
    // or "#text", "#cdata-section", "#comment", "#document".
    const QString& NodeName() const { return FNodeName; }
    // An element's text when it is a text element, Null when it has no children (and for a
    // document or document type); the node's own value for the other kinds.
    // EXmlError for an element with other children.
    TXMLValue NodeValue() const;
    // An element's text as it stands, untrimmed; "" when it has no children; EXmlError
    // "Element "<name>" does not contain a single text node" when it holds more than one text.
    // The other kinds give their value.
    QString Text() const;
    // Replaces the text of a text element, or adds a text to an element without children;
    // EXmlError as Text for an element with other children. Sets the value of the other kinds.
    void SetText(const QString& Value);
    // An element whose only child is a text or CDATA section.
    bool IsTextElement() const;
    bool HasChildNodes() const { return FChildNodes.Count() > 0; }

    TXMLNodeList& ChildNodes() { return FChildNodes; }
    const TXMLNodeList& ChildNodes() const { return FChildNodes; }
    TXMLNodeList& AttributeNodes() { return FAttributeNodes; }
    const TXMLNodeList& AttributeNodes() const { return FAttributeNodes; }
    // The attribute's text; Null when the node has no attribute of that name.
    TXMLValue Attributes(const QString& AttrName) const;
    // Sets the attribute's text, adding the attribute at the end when it is new.
    void SetAttributes(const QString& AttrName, const QString& Value);
    bool HasAttribute(const QString& AttrName) const;

    // Makes an element TagName and puts it among the children at Index (-1: after the last).
    IXMLNode AddChild(const QString& TagName, int32_t Index = -1);
    // The node holding this one among its children (the document node for top-level nodes);
    // no node for attributes and for nodes that are in no list.
    IXMLNode ParentNode() const;

private:
    friend class TXMLNodeList;
    friend class TXMLDocument;
    static IXMLNode Create(TNodeType NodeType, const QString& NodeName, const QString& Value = QString());

    TNodeType FNodeType;
    QString FNodeName;
    QString FValue;
    TXMLNodeList FChildNodes{this, false};
    TXMLNodeList FAttributeNodes{this, true};
    TXMLNodeList* FContainer = nullptr;
};

// The document component. While inactive it holds nothing and ChildNodes, DocumentNode,
// DocumentElement, AddChild, CreateNode, SaveToFile and SaveToXML raise EXmlError
// "No active document".
//
// Reading: a byte-order mark selects UTF-8 or UTF-16; without one the text is UTF-8 unless the
// declaration names windows-1252 or iso-8859-1 (both read as Windows-1252). Declarations, document
// types, processing instructions and comments are kept as nodes; the declaration is a processing
// instruction "xml" whose value is its attributes as written, e.g. version="1.0". Whitespace
// between elements is dropped, but an element whose only content is whitespace keeps it as its
// text; texts are never trimmed. Line ends become LF. A document with no element or more than one
// top-level element does not parse. Errors raise EDOMParseError and leave the document inactive;
// a file that cannot be read raises EFOpenError.
//
// Writing: UTF-8 without byte-order mark and without a declaration of its own (a declaration node
// is written as it stands; when it names windows-1252 or iso-8859-1 the file is written in
// Windows-1252, characters that code page lacks going into texts and attribute values as
// character references, so the file reads back as it was written; when it names UTF-16 the file
// is UTF-16 little-endian after its byte-order mark), one node per line, each level indented by two spaces; an element
// holding text is written on one line with its text exactly, so texts read back unchanged.
class TXMLDocument : public TComponent {
public:
    explicit TXMLDocument(TComponent* AOwner);

    bool Active() const { return FDocumentNode != nullptr; }
    // Activating loads FileName, or makes an empty document when there is none; deactivating
    // drops the content.
    void SetActive(bool Value);
    // The file the last LoadFromFile read; empty after LoadFromXML.
    const QString& FileName() const { return FFileName; }

    // Replaces the content with the file's and activates the document.
    void LoadFromFile(const QString& AFileName);
    // Replaces the content with XML and activates the document.
    void LoadFromXML(const QString& XML);
    // Writes the document through a temporary file renamed over AFileName; EFCreateError when the
    // file cannot be written (a read-only file included), the old file then stays as it was.
    void SaveToFile(const QString& AFileName) const;
    QString SaveToXML() const;

    // The ntDocument node whose children are the top-level nodes.
    IXMLNode DocumentNode() const;
    // The top-level nodes in document order: declaration, comments, processing instructions and
    // the root element alike.
    TXMLNodeList& ChildNodes() { return DocumentNode()->ChildNodes(); }
    // The root element; no node when the document has none.
    IXMLNode DocumentElement() const;
    // Appends the root element TagName to the top-level nodes.
    IXMLNode AddChild(const QString& TagName);
    // A node of this document that is in no list yet: an element or attribute named NameOrData
    // (an attribute's value is AddlData), a text, CDATA section or comment holding NameOrData, or
    // a processing instruction with target NameOrData and data AddlData. Other kinds raise
    // EXmlError "Invalid node type".
    IXMLNode CreateNode(const QString& NameOrData, TNodeType NodeType = ntElement,
                        const QString& AddlData = QString()) const;

private:
    void Parse(const QString& XML);
    // The document as UTF-8; with ForAnsi set, texts and attribute values hold no character
    // Windows-1252 lacks.
    QByteArray Print(bool ForAnsi = false) const;
    // The encoding a file of this document is written in.
    TTextEncoding FileEncoding() const;

    QString FFileName;
    IXMLNode FDocumentNode;
};
