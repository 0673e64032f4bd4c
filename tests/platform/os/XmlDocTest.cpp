// TXMLDocument: settings-file shapes, texts, attributes, node lists, encodings, saving and parse errors.
#include "os/XmlDoc.h"
#include "rtl/Exceptions.h"
#include "support/ExceptionMessage.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <QFile>

namespace {
// An active, empty document.
struct ActiveDocument : TXMLDocument {
    ActiveDocument() : TXMLDocument(nullptr) { SetActive(true); }
};

struct LoadedDocument : TXMLDocument {
    explicit LoadedDocument(const QString& XML) : TXMLDocument(nullptr) { LoadFromXML(XML); }
};

// Text in UTF-16 after its byte-order mark.
QByteArray Utf16(const QString& Text, bool BigEndian)
{
    QByteArray bytes = BigEndian ? QByteArray("\xFE\xFF") : QByteArray("\xFF\xFE");
    for (const QChar c : Text) {
        const char high = char(c.unicode() >> 8);
        const char low = char(c.unicode() & 0xFF);
        bytes.append(BigEndian ? high : low).append(BigEndian ? low : high);
    }
    return bytes;
}

QStringList NamesOf(const TXMLNodeList& List)
{
    QStringList names;
    for (const IXMLNode& node : List) names << node->NodeName();
    return names;
}
}  // namespace

TEST(XmlDocTest, SettingsFileIsWrittenRootFirstWithoutDeclaration)
{
    TempFolder folder;
    ActiveDocument doc;
    doc.ChildNodes().Clear();
    const IXMLNode root = doc.AddChild(QStringLiteral("Conf_Settings"));
    root->AddChild(QStringLiteral("lastproj"))->AddChild(QStringLiteral("projectname"))->SetText(QStringLiteral("Plant A"));
    const IXMLNode flags = root->AddChild(QStringLiteral("lastinternet"));
    flags->AddChild(QStringLiteral("enable_internet"))->SetText(QStringLiteral("1"));
    flags->AddChild(QStringLiteral("enable_update"))->SetText(QStringLiteral("0"));
    doc.SaveToFile(folder.File(QStringLiteral("Quillan.xml")));

    EXPECT_EQ(folder.Read(QStringLiteral("Quillan.xml")),
              QByteArray("<Conf_Settings>\n"
                         "  <lastproj>\n"
                         "    <projectname>Plant A</projectname>\n"
                         "  </lastproj>\n"
                         "  <lastinternet>\n"
                         "    <enable_internet>1</enable_internet>\n"
                         "    <enable_update>0</enable_update>\n"
                         "  </lastinternet>\n"
                         "</Conf_Settings>\n"));
}

TEST(XmlDocTest, VersionCommentAfterTheRootRoundTripsExactly)
{
    TempFolder folder;
    const QString file = folder.File(QStringLiteral("ParGen.xml"));
    {
        ActiveDocument doc;
        doc.ChildNodes().Clear();
        const IXMLNode root = doc.AddChild(QStringLiteral("Par_Gen"));
        doc.ChildNodes().Add(doc.CreateNode(QStringLiteral("SW_VERSION = 1.005"), ntComment));
        root->AddChild(QStringLiteral("EtherNetIP_IP1"))->SetText(QStringLiteral("192"));
        doc.SaveToFile(file);
    }
    const QByteArray written = QByteArray("<Par_Gen>\n"
                                          "  <EtherNetIP_IP1>192</EtherNetIP_IP1>\n"
                                          "</Par_Gen>\n"
                                          "<!--SW_VERSION = 1.005-->\n");
    ASSERT_EQ(folder.Read(QStringLiteral("ParGen.xml")), written);

    TXMLDocument doc(nullptr);
    doc.LoadFromFile(file);
    ASSERT_EQ(doc.ChildNodes().Count(), 2);
    EXPECT_EQ(doc.ChildNodes().First(), doc.DocumentElement());
    EXPECT_EQ(doc.ChildNodes().Last()->NodeType(), ntComment);
    EXPECT_EQ(doc.ChildNodes().Last()->Text(), QStringLiteral("SW_VERSION = 1.005"));
    EXPECT_EQ(doc.ChildNodes().First()->ChildNodes().FindNode(QStringLiteral("EtherNetIP_IP1"))->Text(),
              QStringLiteral("192"));
    doc.SaveToFile(file);
    EXPECT_EQ(folder.Read(QStringLiteral("ParGen.xml")), written);
}

TEST(XmlDocTest, NodesBeforeTheRootAreTopLevelNodesOfTheirOwn)
{
    const struct {
        const char* XML;
        TNodeType FirstType;
        const char* FirstName;
    } cases[] = {
        {"<?xml version=\"1.0\" encoding=\"UTF-8\"?><Conf_Settings/>", ntProcessingInstr, "xml"},
        {"<!--saved--><Conf_Settings/>", ntComment, "#comment"},
        {"<?app data?><Conf_Settings/>", ntProcessingInstr, "app"},
        {"<!DOCTYPE Conf_Settings><Conf_Settings/>", ntDocType, "Conf_Settings"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.XML);
        LoadedDocument doc(QString::fromUtf8(c.XML));
        ASSERT_EQ(doc.ChildNodes().Count(), 2);
        EXPECT_EQ(doc.ChildNodes().First()->NodeType(), c.FirstType);
        EXPECT_EQ(doc.ChildNodes().First()->NodeName(), QString::fromUtf8(c.FirstName));
        EXPECT_EQ(doc.DocumentElement(), doc.ChildNodes().Last());
    }
    LoadedDocument declared(QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?><r/>"));
    EXPECT_EQ(declared.ChildNodes().First()->Text(), QStringLiteral("version=\"1.0\" encoding=\"UTF-8\""));
    EXPECT_EQ(declared.SaveToXML(), QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<r />\n"));
}

TEST(XmlDocTest, ElementTextsAreTakenAsTheyStand)
{
    for (const QString& text : {QStringLiteral(" 1"), QStringLiteral("1 "), QStringLiteral("  "), QStringLiteral("a\nb"),
                               QStringLiteral("<&>\"'"), QStringLiteral("Grüße")}) {
        SCOPED_TRACE(text.toStdString());
        ActiveDocument written;
        written.AddChild(QStringLiteral("r"))->AddChild(QStringLiteral("v"))->SetText(text);
        LoadedDocument doc(written.SaveToXML());
        EXPECT_EQ(doc.DocumentElement()->ChildNodes().First()->Text(), text);
    }
    LoadedDocument indented(QStringLiteral("<r>\n  <v> 1</v>\n  <w>\t</w>\n</r>"));
    const TXMLNodeList& values = indented.DocumentElement()->ChildNodes();
    EXPECT_EQ(NamesOf(values), QStringList({QStringLiteral("v"), QStringLiteral("w")}));
    EXPECT_EQ(values.Nodes(0)->Text(), QStringLiteral(" 1"));
    EXPECT_EQ(values.Nodes(1)->Text(), QStringLiteral("\t"));
}

TEST(XmlDocTest, OnlyTheFiveNamedAndNumericReferencesAreExpanded)
{
    // Declared entities are never expanded, so a document cannot grow itself while it is read.
    QString laughs = QStringLiteral("<!DOCTYPE r [<!ENTITY lol \"lol\">");
    for (int i = 1; i < 10; ++i)
        laughs += QStringLiteral("<!ENTITY lol%1 \"%2\">").arg(i).arg(QStringLiteral("&lol%1;").arg(i - 1).repeated(10));
    laughs += QStringLiteral("]><r><v>&lol9;</v><w>&lt;&amp;&gt;&quot;&apos;&#65;&#x42;</w></r>");
    laughs.replace(QStringLiteral("&lol0;"), QStringLiteral("&lol;"));
    LoadedDocument doc(laughs);
    const TXMLNodeList& values = doc.DocumentElement()->ChildNodes();
    EXPECT_EQ(values.Nodes(0)->Text(), QStringLiteral("&lol9;"));
    EXPECT_EQ(values.Nodes(1)->Text(), QStringLiteral("<&>\"'AB"));
    // the reference is written back as the text it was read as
    LoadedDocument again(doc.SaveToXML());
    EXPECT_EQ(again.DocumentElement()->ChildNodes().Nodes(0)->Text(), QStringLiteral("&lol9;"));
}

TEST(XmlDocTest, TextOfElementsWithoutASingleText)
{
    LoadedDocument doc(QStringLiteral("<r><empty/><cdata><![CDATA[ x ]]></cdata><mixed>a<b/></mixed></r>"));
    const IXMLNode root = doc.DocumentElement();
    const IXMLNode empty = root->ChildNodes().FindNode(QStringLiteral("empty"));
    EXPECT_EQ(empty->Text(), QString());
    EXPECT_TRUE(empty->NodeValue().IsNull());
    EXPECT_FALSE(empty->IsTextElement());

    const IXMLNode cdata = root->ChildNodes().FindNode(QStringLiteral("cdata"));
    EXPECT_TRUE(cdata->IsTextElement());
    EXPECT_EQ(cdata->Text(), QStringLiteral(" x "));
    cdata->SetText(QStringLiteral("y"));
    EXPECT_EQ(cdata->ChildNodes().First()->NodeType(), ntCData);

    const IXMLNode mixed = root->ChildNodes().FindNode(QStringLiteral("mixed"));
    EXPECT_FALSE(mixed->IsTextElement());
    EXPECT_EQ(MessageOf<EXmlError>([&] { mixed->Text(); }),
              QStringLiteral("Element \"mixed\" does not contain a single text node"));
    EXPECT_THROW(mixed->SetText(QStringLiteral("x")), EXmlError);
    EXPECT_THROW(root->NodeValue(), EXmlError);
}

TEST(XmlDocTest, FindNodeComparesNamesExactlyAndGivesNoNodeWhenAbsent)
{
    LoadedDocument doc(QStringLiteral("<Conf_Settings><lastproj><projectname>P</projectname></lastproj></Conf_Settings>"));
    const TXMLNodeList& groups = doc.DocumentElement()->ChildNodes();
    ASSERT_NE(groups.FindNode(QStringLiteral("lastproj")), nullptr);
    EXPECT_EQ(groups.FindNode(QStringLiteral("LastProj")), nullptr);
    EXPECT_EQ(groups.FindNode(QStringLiteral("lastlang")), nullptr);
    EXPECT_EQ(groups.First()->ChildNodes().FindNode(QStringLiteral("projectname"))->Text(), QStringLiteral("P"));
}

TEST(XmlDocTest, AttributesRoundTrip)
{
    ActiveDocument written;
    const IXMLNode row = written.AddChild(QStringLiteral("Rules"))->AddChild(QStringLiteral("row"));
    row->SetAttributes(QStringLiteral("Pos"), QStringLiteral(" 3"));
    row->SetAttributes(QStringLiteral("Name"), QStringLiteral("a<b & \"c\"\tx"));
    row->SetAttributes(QStringLiteral("Empty"), QString());
    row->SetAttributes(QStringLiteral("Pos"), QStringLiteral(" 4"));
    EXPECT_EQ(written.SaveToXML(),
              QStringLiteral("<Rules>\n"
                             "  <row Pos=\" 4\" Name=\"a&lt;b &amp; &quot;c&quot;&#09;x\" Empty=\"\" />\n"
                             "</Rules>\n"));

    LoadedDocument doc(written.SaveToXML());
    const IXMLNode read = doc.DocumentElement()->ChildNodes().First();
    EXPECT_EQ(NamesOf(read->AttributeNodes()),
              QStringList({QStringLiteral("Pos"), QStringLiteral("Name"), QStringLiteral("Empty")}));
    EXPECT_EQ(QString(read->Attributes(QStringLiteral("Pos"))), QStringLiteral(" 4"));
    EXPECT_EQ(QString(read->Attributes(QStringLiteral("Name"))), QStringLiteral("a<b & \"c\"\tx"));
    EXPECT_EQ(read->Attributes(QStringLiteral("Empty")).AsString(), QString());
    EXPECT_TRUE(read->HasAttribute(QStringLiteral("Empty")));
    EXPECT_EQ(read->AttributeNodes().Nodes(0)->NodeType(), ntAttribute);
    EXPECT_EQ(read->AttributeNodes().Nodes(0)->ParentNode(), nullptr);
}

TEST(XmlDocTest, AMissingAttributeIsNullAndCannotBecomeText)
{
    LoadedDocument doc(QStringLiteral("<Rules><row Pos=\"1\"/></Rules>"));
    const IXMLNode row = doc.DocumentElement()->ChildNodes().First();
    EXPECT_FALSE(row->HasAttribute(QStringLiteral("pos")));
    EXPECT_TRUE(row->Attributes(QStringLiteral("pos")).IsNull());
    EXPECT_EQ(MessageOf<EVariantTypeCastError>([&] { return QString(row->Attributes(QStringLiteral("Type"))); }),
              QStringLiteral("Could not convert variant of type (Null) into type (OleStr)"));
}

TEST(XmlDocTest, FilesAreReadInTheirEncoding)
{
    const QString text = QStringLiteral("Grüße €");
    const QString xml = QStringLiteral("<r>%1</r>").arg(text);
    const struct {
        const char* Name;
        QByteArray Bytes;
    } cases[] = {
        {"UTF-8", xml.toUtf8()},
        {"UTF-8 with byte-order mark", "\xEF\xBB\xBF" + xml.toUtf8()},
        {"UTF-16LE", Utf16(xml, false)},
        {"UTF-16BE", Utf16(xml, true)},
        {"Windows-1252", "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><r>Gr\xFC\xDF" "e \x80</r>"},
    };
    TempFolder folder;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TXMLDocument doc(nullptr);
        doc.LoadFromFile(folder.Write(QStringLiteral("in.xml"), c.Bytes));
        EXPECT_EQ(doc.DocumentElement()->Text(), text);
        EXPECT_EQ(doc.FileName(), folder.File(QStringLiteral("in.xml")));
    }
}

TEST(XmlDocTest, SavingWritesUtf8WithoutByteOrderMarkAndReplacesTheFileWhole)
{
    TempFolder folder;
    const QString file = folder.Write(QStringLiteral("out.xml"), QByteArray(500, 'x'));
    ActiveDocument doc;
    doc.AddChild(QStringLiteral("r"))->SetText(QStringLiteral("é"));
    doc.SaveToFile(file);
    EXPECT_EQ(folder.Read(QStringLiteral("out.xml")), QByteArray("<r>\xC3\xA9</r>\n"));
}

TEST(XmlDocTest, ADeclaredWindows1252FileIsWrittenBackInThatEncoding)
{
    const QString text = QStringLiteral(u"Grüße € Ω 😀 &lt;");
    const struct {
        QByteArray Declaration;
        QByteArray Text;  // the bytes the text is saved as
    } cases[] = {
        {"<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>", "Gr\xFC\xDF" "e \x80 &#937; &#128512; &amp;lt;"},
        {"<?xml version=\"1.0\" encoding='windows-1252'?>", "Gr\xFC\xDF" "e \x80 &#937; &#128512; &amp;lt;"},
        {"<?xml version=\"1.0\" encoding=\"UTF-8\"?>", text.toUtf8().replace("&", "&amp;")},
        {Utf16(QStringLiteral("<?xml encoding='UTF-16'?>"), false),
         Utf16(QStringLiteral(u">Grüße € Ω 😀 &amp;lt;</r>"), false).mid(2)},
        {"", text.toUtf8().replace("&", "&amp;")},
    };
    TempFolder folder;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Declaration.toHex(' ').constData());
        const bool wide = c.Declaration.startsWith("\xFF\xFE");
        const QByteArray root = wide ? Utf16(QStringLiteral(u"<r a=\"ü\"/>"), false).mid(2) : QByteArray("<r a=\"\xC3\xBC\"/>");
        const QString file = folder.Write(QStringLiteral("in.xml"), c.Declaration + root);
        TXMLDocument doc(nullptr);
        doc.LoadFromFile(file);
        if (c.Declaration.contains("8859")) {
            // read as Windows-1252: the two bytes are two characters
            EXPECT_EQ(doc.DocumentElement()->Attributes(QStringLiteral("a")).AsString(), QStringLiteral(u"Ã¼"));
        }
        doc.DocumentElement()->SetAttributes(QStringLiteral("a"), QStringLiteral(u"ü Ω"));
        doc.DocumentElement()->SetText(text);
        doc.SaveToFile(file);
        EXPECT_TRUE(folder.Read(QStringLiteral("in.xml")).contains(wide ? c.Text : ">" + c.Text + "</r>"))
            << folder.Read(QStringLiteral("in.xml")).toHex(' ').constData();
        EXPECT_TRUE(folder.Read(QStringLiteral("in.xml")).startsWith(c.Declaration.left(8)));

        TXMLDocument again(nullptr);
        again.LoadFromFile(file);
        EXPECT_EQ(again.DocumentElement()->Text(), text);
        EXPECT_EQ(again.DocumentElement()->Attributes(QStringLiteral("a")).AsString(), QStringLiteral(u"ü Ω"));
    }
}

TEST(XmlDocTest, SavingOverAReadOnlyFileIsRefusedAndLeavesIt)
{
    TempFolder folder;
    const QString file = folder.Write(QStringLiteral("Quillan.xml"), "<old/>");
    QFile::setPermissions(file, QFile::ReadOwner);
    ActiveDocument doc;
    doc.AddChild(QStringLiteral("Conf_Settings"));
    EXPECT_EQ(MessageOf<EFCreateError>([&] { doc.SaveToFile(file); }),
              QStringLiteral("Cannot create file \"%1\". Access is denied").arg(file));
    EXPECT_EQ(folder.Read(QStringLiteral("Quillan.xml")), QByteArray("<old/>"));
}

TEST(XmlDocTest, ParseErrorsTellReasonLineAndPosition)
{
    TXMLDocument doc(nullptr);
    try {
        doc.LoadFromXML(QStringLiteral("<root>\n  <a>\n</root>"));
        FAIL() << "no parse error";
    } catch (const EDOMParseError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Start-end tags mismatch\r\nLine: 3\r\n</root>"));
        EXPECT_EQ(e.Reason(), QStringLiteral("Start-end tags mismatch"));
        EXPECT_GT(e.ErrorCode(), 0);
        EXPECT_EQ(e.Line(), 3);
        EXPECT_EQ(e.SrcText(), QStringLiteral("</root>"));
        EXPECT_EQ(e.LinePos(), 3);
        EXPECT_EQ(e.FilePos(), 15);
    }
    EXPECT_FALSE(doc.Active());

    const struct {
        const char* XML;
        int32_t Line;
        const char* Reason;
    } cases[] = {
        {"", 1, "No document element found"},
        {"<!--only a comment-->", 1, "No document element found"},
        {"<a/>\n<b/>", 2, "Only one top level element is allowed in an XML document"},
        {"<r>\n<a x=1/></r>", 2, "Error parsing element attribute"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.XML);
        try {
            doc.LoadFromXML(QString::fromUtf8(c.XML));
            ADD_FAILURE() << "no parse error";
        } catch (const EDOMParseError& e) {
            EXPECT_EQ(e.Line(), c.Line);
            EXPECT_EQ(e.Reason(), QString::fromUtf8(c.Reason));
        }
    }
}

TEST(XmlDocTest, AnInactiveDocumentHasNoNodes)
{
    TXMLDocument doc(nullptr);
    EXPECT_FALSE(doc.Active());
    EXPECT_EQ(MessageOf<EXmlError>([&] { doc.ChildNodes(); }), QStringLiteral("No active document"));
    EXPECT_THROW(doc.SaveToXML(), EXmlError);

    doc.SetActive(true);
    EXPECT_EQ(doc.ChildNodes().Count(), 0);
    EXPECT_EQ(doc.ChildNodes().First(), nullptr);
    EXPECT_EQ(doc.DocumentElement(), nullptr);
    EXPECT_EQ(doc.DocumentNode()->NodeType(), ntDocument);

    doc.AddChild(QStringLiteral("r"));
    doc.SetActive(false);
    doc.SetActive(true);
    EXPECT_EQ(doc.ChildNodes().Count(), 0);
}

TEST(XmlDocTest, ReactivatingReadsTheFileAgain)
{
    TempFolder folder;
    const QString file = folder.Write(QStringLiteral("a.xml"), "<one/>");
    TXMLDocument doc(nullptr);
    doc.LoadFromFile(file);
    folder.Write(QStringLiteral("a.xml"), "<two/>");
    doc.SetActive(false);
    doc.SetActive(true);
    EXPECT_EQ(doc.DocumentElement()->NodeName(), QStringLiteral("two"));
    EXPECT_THROW(doc.LoadFromFile(folder.File(QStringLiteral("missing.xml"))), EFOpenError);
}

TEST(XmlDocTest, NodeListsAddInsertDeleteAndMove)
{
    ActiveDocument doc;
    const IXMLNode root = doc.AddChild(QStringLiteral("r"));
    TXMLNodeList& rows = root->ChildNodes();
    const IXMLNode a = root->AddChild(QStringLiteral("a"));
    const IXMLNode c = root->AddChild(QStringLiteral("c"));
    const IXMLNode b = root->AddChild(QStringLiteral("b"), 1);
    EXPECT_EQ(NamesOf(rows), QStringList({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}));
    EXPECT_EQ(rows.IndexOf(c), 2);
    EXPECT_EQ(a->ParentNode(), root);
    EXPECT_EQ(root->ParentNode(), doc.DocumentNode());

    rows.Insert(3, a);  // moving within the list
    EXPECT_EQ(NamesOf(rows), QStringList({QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("a")}));
    EXPECT_EQ(b->ChildNodes().Add(c), 0);  // moving to another parent
    EXPECT_EQ(NamesOf(rows), QStringList({QStringLiteral("b"), QStringLiteral("a")}));
    EXPECT_EQ(c->ParentNode(), b);

    rows.Delete(0);
    EXPECT_EQ(NamesOf(rows), QStringList({QStringLiteral("a")}));
    EXPECT_EQ(b->ParentNode(), nullptr);
    EXPECT_EQ(b->ChildNodes().First(), c);  // a deleted node lives on while it is held
    EXPECT_EQ(rows.IndexOf(b), -1);
    EXPECT_EQ(MessageOf<EListError>([&] { rows.Nodes(1); }), QStringLiteral("List index out of bounds (1)"));
    EXPECT_THROW(rows.Delete(-1), EListError);
    EXPECT_THROW(rows.Insert(5, b), EListError);

    rows.Clear();
    EXPECT_FALSE(root->HasChildNodes());
    EXPECT_EQ(rows.Last(), nullptr);
}

TEST(XmlDocTest, NodesGoOnlyWhereTheyFit)
{
    ActiveDocument doc;
    const IXMLNode root = doc.AddChild(QStringLiteral("r"));
    const IXMLNode child = root->AddChild(QStringLiteral("c"));
    EXPECT_EQ(MessageOf<EXmlError>([&] { doc.AddChild(QStringLiteral("second")); }),
              QStringLiteral("Only one top level element is allowed in an XML document"));
    EXPECT_THROW(doc.ChildNodes().Add(doc.CreateNode(QStringLiteral("text"), ntText)), EXmlError);
    EXPECT_THROW(child->ChildNodes().Add(root), EXmlError);
    EXPECT_THROW(root->ChildNodes().Add(doc.CreateNode(QStringLiteral("x"), ntAttribute)), EXmlError);
    EXPECT_THROW(root->AttributeNodes().Add(child), EXmlError);
    EXPECT_THROW(doc.CreateNode(QStringLiteral("c"), ntComment)->ChildNodes().Add(child), EXmlError);
    EXPECT_EQ(MessageOf<EXmlError>([&] { root->AddChild(QStringLiteral("1st")); }),
              QStringLiteral("\"1st\" is not a valid XML name"));
    EXPECT_THROW(root->SetAttributes(QStringLiteral("a b"), QString()), EXmlError);
    EXPECT_EQ(MessageOf<EXmlError>([&] { doc.CreateNode(QStringLiteral("x"), ntEntityRef); }),
              QStringLiteral("Invalid node type"));

    doc.ChildNodes().Insert(0, root);  // the root may move among the top-level nodes
    EXPECT_EQ(doc.ChildNodes().Count(), 1);
}

TEST(XmlDocTest, CreatedNodesOfEachKind)
{
    ActiveDocument doc;
    const IXMLNode root = doc.AddChild(QStringLiteral("r"));
    root->ChildNodes().Add(doc.CreateNode(QStringLiteral("t<"), ntText));
    root->ChildNodes().Add(doc.CreateNode(QStringLiteral("c"), ntCData));
    root->ChildNodes().Add(doc.CreateNode(QStringLiteral("note"), ntComment));
    root->ChildNodes().Add(doc.CreateNode(QStringLiteral("pi"), ntProcessingInstr, QStringLiteral("data")));
    root->AttributeNodes().Add(doc.CreateNode(QStringLiteral("k"), ntAttribute, QStringLiteral("v")));
    root->AttributeNodes().Add(doc.CreateNode(QStringLiteral("k"), ntAttribute, QStringLiteral("w")));
    EXPECT_EQ(doc.SaveToXML(), QStringLiteral("<r k=\"w\">t&lt;<![CDATA[c]]><!--note-->\n  <?pi data?>\n</r>\n"));
    EXPECT_EQ(NamesOf(root->ChildNodes()), QStringList({QStringLiteral("#text"), QStringLiteral("#cdata-section"),
                                                        QStringLiteral("#comment"), QStringLiteral("pi")}));
    EXPECT_EQ(root->ChildNodes().Last()->NodeValue().AsString(), QStringLiteral("data"));
}

TEST(XmlDocTest, AVeryDeepDocumentIsReadAndFreed)
{
    constexpr int Depth = 200000;
    LoadedDocument doc(QStringLiteral("<a>").repeated(Depth) + QStringLiteral("</a>").repeated(Depth));
    IXMLNode node = doc.DocumentElement();
    int depth = 1;
    for (; node->HasChildNodes(); ++depth) node = node->ChildNodes().First();
    EXPECT_EQ(depth, Depth);
    doc.SetActive(false);
    EXPECT_EQ(node->ParentNode(), nullptr);  // a node still held outlives its parent, on its own
}

TEST(XmlDocTest, CarriageReturnsInTextsAndAttributesRoundTrip)
{
    ActiveDocument written;
    const IXMLNode root = written.AddChild(QStringLiteral("Conf_Settings"));
    root->AddChild(QStringLiteral("projectname"))->SetText(QStringLiteral("a\rb\r\nc"));
    root->SetAttributes(QStringLiteral("Note"), QStringLiteral("x\r\ny"));

    LoadedDocument doc(written.SaveToXML());
    EXPECT_EQ(doc.DocumentElement()->ChildNodes().First()->Text(), QStringLiteral("a\rb\r\nc"));
    EXPECT_EQ(QString(doc.DocumentElement()->Attributes(QStringLiteral("Note"))), QStringLiteral("x\r\ny"));
}
