// The CANopen EDS writer: reading the PDO and SDO-server rule files and building the EDS text.
#include "UEds.h"

#include "UComon.h"

#include "os/XmlDoc.h"
#include "rtl/DateTime.h"
#include "rtl/Exceptions.h"
#include "rtl/Files.h"
#include "rtl/NumConv.h"
#include "rtl/Strings.h"
#include "windows/Dialogs.h"

#include <algorithm>

std::array<PDO_Entry, 2 * Max_PDO> PDO_List;
int32_t Num_RxPDO = 0;
int32_t Num_TxPDO = 0;
std::vector<SDO_Index> SDO_Index_List;
QString EDS_File_Name;
QString EDS_Description;
QString EDS_Product_Number;
QString EDS_Order_Code;

namespace {

// Data object name prefixes per PDO number.
const std::array<const char*, Max_PDO> Receive_Prefix = {
    "b",  "c",  "d",  "e",  "f",  "g",  "h",  "j",  "k",  "i",  "aa", "ab", "ac", "ad", "ae",
    "af", "ag", "ah", "ai", "al", "am", "an", "ao", "ap", "aq", "ar", "as", "at", "au", "av"};
const std::array<const char*, Max_PDO> Transmit_Prefix = {
    "l",  "m",  "n",  "o",  "p",  "q",  "r",  "s",  "t",  "u",  "ca", "cb", "cc", "cd", "ce",
    "cf", "cg", "ch", "ci", "cl", "cm", "cn", "co", "cp", "cq", "cr", "cs", "ct", "cu", "cv"};

QString Hex2(int64_t Value) { return IntToHex(Value, 2); }
QString Hex4(int64_t Value) { return IntToHex(Value, 4); }
QString Hex8(uint32_t Value) { return IntToHex(Value, 8); }
QString Dec(int64_t Value) { return QString::number(Value); }
// A sub-entry section name: the sub-index in upper-case hexadecimal without leading zeros.
QString SubSection(const QString& Base, int64_t Sub)
{
    return Base + QStringLiteral("sub") + QString::number(Sub, 16).toUpper() + u']';
}

// Leaves the borrowed document inactive however the reading ends.
class TDocumentUse {
public:
    explicit TDocumentUse(TXMLDocument& XML) : FXML(XML) {}
    ~TDocumentUse()
    {
        if (FXML.Active()) {
            FXML.ChildNodes().Clear();
            FXML.SetActive(false);
        }
    }
    TDocumentUse(const TDocumentUse&) = delete;
    TDocumentUse& operator=(const TDocumentUse&) = delete;

private:
    TXMLDocument& FXML;
};

// The row elements of section Name under the document's first node, in order.
std::vector<IXMLNode> SectionRows(TXMLDocument& XML, const QString& Name)
{
    std::vector<IXMLNode> Rows;
    const IXMLNode Root = XML.ChildNodes().First();
    if (!Root) return Rows;
    const IXMLNode Section = Root->ChildNodes().FindNode(Name);
    if (!Section) return Rows;
    for (const IXMLNode& Row : Section->ChildNodes())
        if (Row->NodeType() == ntElement) Rows.push_back(Row);
    return Rows;
}

QString AttributeText(const IXMLNode& Row, const QString& Name)
{
    const TXMLValue Value = Row->Attributes(Name);
    return Value.IsNull() ? QString() : Value.AsString();
}

// A COB-ID is a 32-bit unsigned number: 0 when the text is not a number, an error when the number
// does not fit (a negative one would otherwise turn into a large identifier).
uint32_t COB_ID_Value(const QString& Text)
{
    int64_t Value = 0;
    if (!TryStrToInt64(Text, Value)) return 0;
    if (Value < 0 || Value > 0xFFFFFFFF) throw EConvertError(QStringLiteral("'%1' is not a valid COB-ID").arg(Text));
    return static_cast<uint32_t>(Value);
}

// Fills PDO_List from First on with at most Max_PDO rows of section Name; returns the count.
int32_t LoadPDOSection(TXMLDocument& XML, const QString& Name, int32_t First)
{
    const std::vector<IXMLNode> Rows = SectionRows(XML, Name);
    const int32_t Count = std::min<int32_t>(static_cast<int32_t>(Rows.size()), Max_PDO);
    for (int32_t i = 0; i < Count; ++i) {
        PDO_Entry& Entry = PDO_List[First + i];
        Entry.COB_ID = COB_ID_Value(AttributeText(Rows[i], QStringLiteral("COB-ID")));
        const QString Dimension = AttributeText(Rows[i], QStringLiteral("Dimension"));
        Entry.Dimension = StrToIntDef(Dimension, 8);
        // Mapping sub-indexes are bytes: a larger count cannot be written and would run away.
        if (Entry.Dimension < 0 || Entry.Dimension > 255)
            throw EConvertError(QStringLiteral("'%1' is not a valid PDO dimension").arg(Dimension));
    }
    return Count;
}

// An integer attribute that must fit 0..Largest.
int32_t FieldValue(const IXMLNode& Row, const QString& Name, int32_t Largest, const char* What)
{
    const QString Text = AttributeText(Row, Name);
    const int32_t Value = StrToInt(Text);
    if (Value < 0 || Value > Largest) throw EConvertError(QStringLiteral("'%1' is not a valid %2").arg(Text, QLatin1String(What)));
    return Value;
}

void LoadSDOSection(TXMLDocument& XML, const QString& Name, bool Readonly)
{
    for (const IXMLNode& Row : SectionRows(XML, Name)) {
        const auto Index = static_cast<uint16_t>(FieldValue(Row, QStringLiteral("Index"), 0xFFFF, "object index"));
        SDO_Sub_Type Sub;
        Sub.Sub = static_cast<uint8_t>(FieldValue(Row, QStringLiteral("SubIndex"), 0xFF, "sub-index"));
        Sub.Quantity = static_cast<uint8_t>(FieldValue(Row, QStringLiteral("NByte"), 0xFF, "byte count"));
        Sub.Readonly = Readonly;
        int32_t At = Find_SDO_Index(Index);
        if (At < 0) {
            SDO_Index_List.push_back(SDO_Index{Index, {}});
            At = static_cast<int32_t>(SDO_Index_List.size()) - 1;
        }
        SDO_Index_List[At].Sub_Indexs.push_back(Sub);
    }
}

// "mm-dd-yyyy" and "hh:mmAM" / "hh:mmPM" on a 12-hour clock; the EDS format fixes the separators.
QString EdsDate(TDateTime When)
{
    uint16_t Year, Month, Day;
    DecodeDate(When, Year, Month, Day);
    return QStringLiteral("%1-%2-%3").arg(Month, 2, 10, QChar(u'0')).arg(Day, 2, 10, QChar(u'0')).arg(Year, 4, 10, QChar(u'0'));
}

QString EdsTime(TDateTime When)
{
    uint16_t Hour, Min, Sec, MSec;
    DecodeTime(When, Hour, Min, Sec, MSec);
    const bool PM = Hour >= 12;
    int32_t Shown = Hour % 12;
    if (Shown == 0) Shown = 12;
    return QStringLiteral("%1:%2").arg(Shown, 2, 10, QChar(u'0')).arg(Min, 2, 10, QChar(u'0')) +
           (PM ? QStringLiteral("PM") : QStringLiteral("AM"));
}

// The lines of the file, with the shapes its sections share.
class TEdsText {
public:
    QStringList Lines;

    void Add(const QString& Line) { Lines << Line; }
    void Empty() { Lines << QString(); }

    // A section holding one value: ParameterName .. PDOMapping; an empty Default writes no line.
    void Value(const QString& Section, const QString& Name, const QString& ObjectType, const QString& DataType,
               const QString& Access, const QString& Default, const QString& Mapping = QStringLiteral("0"),
               bool EmptyAfter = true)
    {
        Add(Section);
        Add(QStringLiteral("ParameterName=") + Name);
        Add(QStringLiteral("ObjectType=") + ObjectType);
        Add(QStringLiteral("DataType=") + DataType);
        Add(QStringLiteral("AccessType=") + Access);
        if (!Default.isEmpty()) Add(QStringLiteral("DefaultValue=") + Default);
        Add(QStringLiteral("PDOMapping=") + Mapping);
        if (EmptyAfter) Empty();
    }

    void Record(const QString& Section, int64_t SubNumber, const QString& Name, const QString& ObjectType)
    {
        Add(Section);
        Add(QStringLiteral("SubNumber=") + Dec(SubNumber));
        Add(QStringLiteral("ParameterName=") + Name);
        Add(QStringLiteral("ObjectType=") + ObjectType);
        Empty();
    }

    // A PDO's communication record at Object.
    void Communication(int32_t Object, const QString& Name, uint32_t COB_ID)
    {
        const QString Base = QStringLiteral("[") + Hex4(Object);
        Record(Base + u']', 4, Name, QStringLiteral("0x09"));
        Value(Base + QStringLiteral("sub0]"), QStringLiteral("Number of Entries"), QStringLiteral("0x07"), QStringLiteral("0x0005"),
              QStringLiteral("ro"), QStringLiteral("0x03"));
        Value(Base + QStringLiteral("sub1]"), QStringLiteral("COB-ID"), QStringLiteral("0x07"), QStringLiteral("0x0007"),
              QStringLiteral("rw"), QStringLiteral("0x") + Hex8(COB_ID));
        Value(Base + QStringLiteral("sub2]"), QStringLiteral("Transmission Type"), QStringLiteral("0x07"),
              QStringLiteral("0x0005"), QStringLiteral("rw"), QStringLiteral("0xFE"));
        Value(Base + QStringLiteral("sub3]"), QStringLiteral("Inhibit Time"), QStringLiteral("0x07"), QStringLiteral("0x0006"),
              QStringLiteral("rw"), QStringLiteral("0x0"));
    }

    // A PDO's mapping record at Object, its entries pointing at the bytes of data object Data.
    void Mapping(int32_t Object, const QString& Name, int32_t Dimension, int32_t Data)
    {
        const QString Base = QStringLiteral("[") + Hex4(Object);
        Record(Base + u']', Dimension + 1, Name, QStringLiteral("0x09"));
        Value(Base + QStringLiteral("sub0]"), QStringLiteral("Number of Entries"), QStringLiteral("0x07"), QStringLiteral("0x0005"),
              QStringLiteral("ro"), QStringLiteral("0x") + Hex2(Dimension));
        for (int32_t j = 1; j <= Dimension; ++j)
            Value(SubSection(Base, j), QStringLiteral("Mapping Entry ") + Dec(j), QStringLiteral("0x07"),
                  QStringLiteral("0x0007"), QStringLiteral("ro"), QStringLiteral("0x") + Hex4(Data) + Hex2(j) + QStringLiteral("08"));
    }

    // A PDO's data record at Object: one byte per entry, named Prefix + number.
    void Data(int32_t Object, const QString& Name, int32_t Dimension, const QString& Sub0Access, const char* Prefix,
              const QString& Access)
    {
        const QString Base = QStringLiteral("[") + Hex4(Object);
        Record(Base + u']', Dimension + 1, Name, QStringLiteral("0x08"));
        Value(Base + QStringLiteral("sub0]"), QStringLiteral("Number of Entries"), QStringLiteral("0x07"), QStringLiteral("0x0005"),
              Sub0Access, QStringLiteral("0x") + Hex2(Dimension));
        for (int32_t j = 1; j <= Dimension; ++j)
            Value(SubSection(Base, j), QLatin1String(Prefix) + Dec(j), QStringLiteral("0x07"),
                  QStringLiteral("0x0005"), Access, QStringLiteral("0x00"), QStringLiteral("1"));
    }

    // A manufacturer object from the SDO server rule file; its sub-indexes are sorted.
    void Manufacturer(const SDO_Index& Entry)
    {
        const QString Base = QStringLiteral("[") + Hex4(Entry.Index);
        const bool Sub0Missing = Entry.Sub_Indexs.front().Sub != 0;
        Record(Base + u']', static_cast<int64_t>(Entry.Sub_Indexs.size()) + (Sub0Missing ? 1 : 0), QStringLiteral("App Vars"),
               QStringLiteral("0x9"));
        if (Sub0Missing) {
            Add(Base + QStringLiteral("sub0]"));
            Add(QStringLiteral("ParameterName=Largest Sub-Index supported"));
            Add(QStringLiteral("ObjectType=0x7"));
            Add(QStringLiteral("DataType=0x0005"));
            Add(QStringLiteral("AccessType=ro"));
            Add(QStringLiteral("DefaultValue=0x") + Hex2(Entry.Sub_Indexs.back().Sub));
            Add(QStringLiteral("PDOMapping=0"));
            Empty();
        }
        for (const SDO_Sub_Type& Sub : Entry.Sub_Indexs) {
            Add(SubSection(Base, Sub.Sub));
            Add(QStringLiteral("ParameterName=Application Variable"));
            Add(QStringLiteral("ObjectType=0x7"));
            switch (Sub.Quantity) {
            case 1:
                Add(QStringLiteral("DataType=0x0005"));
                Add(QStringLiteral("LowLimit=0x00"));
                Add(QStringLiteral("HighLimit=0xFF"));
                Add(QStringLiteral("DefaultValue=0x00"));
                break;
            case 2:
                Add(QStringLiteral("DataType=0x0006"));
                Add(QStringLiteral("LowLimit=0x0000"));
                Add(QStringLiteral("HighLimit=0xFFFF"));
                Add(QStringLiteral("DefaultValue=0x0000"));
                break;
            default:
                Add(QStringLiteral("DataType=0x0007"));
                Add(QStringLiteral("LowLimit=0x00000000"));
                Add(QStringLiteral("HighLimit=0xFFFFFFFF"));
                Add(QStringLiteral("DefaultValue=0x00000000"));
                break;
            }
            Add(Sub.Readonly ? QStringLiteral("AccessType=ro") : QStringLiteral("AccessType=rw"));
            Add(QStringLiteral("PDOMapping=0"));
            Empty();
        }
    }
};

}  // namespace

void Load_PDO_List(TXMLDocument& XML)
{
    Num_RxPDO = 0;
    Num_TxPDO = 0;
    if (!FileExists(File_PDO)) return;
    TDocumentUse Use(XML);
    XML.LoadFromFile(File_PDO);
    Num_RxPDO = LoadPDOSection(XML, QStringLiteral("Receive_PDO"), 0);
    Num_TxPDO = LoadPDOSection(XML, QStringLiteral("Transmit_PDO"), Max_PDO);
}

void Load_SDO_List(TXMLDocument& XML)
{
    if (!FileExists(File_SDO_Server)) return;
    TDocumentUse Use(XML);
    XML.LoadFromFile(File_SDO_Server);
    LoadSDOSection(XML, QStringLiteral("SDO_Read"), true);
    LoadSDOSection(XML, QStringLiteral("SDO_Write"), false);
}

int32_t Find_SDO_Index(uint16_t Index)
{
    for (size_t i = 0; i < SDO_Index_List.size(); ++i)
        if (SDO_Index_List[i].Index == Index) return static_cast<int32_t>(i);
    return -1;
}

void Sort_SDO_Sub_Indexs()
{
    for (SDO_Index& Entry : SDO_Index_List)
        std::stable_sort(Entry.Sub_Indexs.begin(), Entry.Sub_Indexs.end(),
                         [](const SDO_Sub_Type& A, const SDO_Sub_Type& B) { return A.Sub < B.Sub; });
}

QStringList EDS_Lines()
{
    const TDateTime Stamp = Now();
    const QString Date = EdsDate(Stamp);
    const QString Time = EdsTime(Stamp);
    const int32_t R = std::clamp<int32_t>(Num_RxPDO, 0, Max_PDO);
    const int32_t T = std::clamp<int32_t>(Num_TxPDO, 0, Max_PDO);
    const PDO_Entry* Receive = &PDO_List[0];
    const PDO_Entry* Transmit = &PDO_List[Max_PDO];

    TEdsText E;
    E.Add(QStringLiteral("[FileInfo]"));
    E.Add(QStringLiteral("FileName=") + EDS_File_Name);
    E.Add(QStringLiteral("FileVersion=1"));
    E.Add(QStringLiteral("FileRevision=0"));
    E.Add(QStringLiteral("EDSVersion=4.0"));
    E.Add(QStringLiteral("Description=") + EDS_Description);
    E.Add(QStringLiteral("CreationTime=") + Time);
    E.Add(QStringLiteral("CreationDate=") + Date);
    E.Add(QStringLiteral("CreatedBy=Velmora"));
    E.Add(QStringLiteral("ModificationTime=") + Time);
    E.Add(QStringLiteral("ModificationDate=") + Date);
    E.Add(QStringLiteral("ModifiedBy=Velmora"));
    E.Empty();

    E.Add(QStringLiteral("[DeviceInfo]"));
    E.Add(QStringLiteral("VendorName=Velmora"));
    E.Add(QStringLiteral("VendorNumber=0x00"));
    E.Add(QStringLiteral("ProductName=") + EDS_Description);
    E.Add(QStringLiteral("ProductNumber=") + EDS_Product_Number);
    E.Add(QStringLiteral("RevisionNumber=0x0"));
    E.Add(QStringLiteral("OrderCode=") + EDS_Order_Code);
    for (const char* Rate : {"10=1", "20=1", "50=1", "125=1", "250=1", "500=1", "800=0", "1000=1"})
        E.Add(QStringLiteral("BaudRate_") + QLatin1String(Rate));
    E.Add(QStringLiteral("DynamicChannelsSupported=0"));
    E.Add(QStringLiteral("GroupMessaging=0"));
    E.Add(QStringLiteral("LSS_Supported=0"));
    E.Add(QStringLiteral("Granularity=0"));
    E.Add(QStringLiteral("SimpleBootUpSlave=1"));
    E.Add(QStringLiteral("SimpleBootUpMaster=0"));
    E.Add(QStringLiteral("NrOfRXPDO=") + Dec(R));
    E.Add(QStringLiteral("NrOfTXPDO=") + Dec(T));
    E.Empty();

    E.Add(QStringLiteral("[Comments]"));
    E.Add(QStringLiteral("Lines=0"));
    E.Empty();

    E.Add(QStringLiteral("[DummyUsage]"));
    for (int32_t i = 1; i <= 7; ++i) E.Add(QStringLiteral("Dummy000%1=0").arg(i));
    E.Empty();

    E.Add(QStringLiteral("[MandatoryObjects]"));
    E.Add(QStringLiteral("SupportedObjects=3"));
    E.Add(QStringLiteral("1=0x1000"));
    E.Add(QStringLiteral("2=0x1001"));
    E.Add(QStringLiteral("3=0x1018"));
    E.Empty();

    E.Add(QStringLiteral("[OptionalObjects]"));
    E.Add(QStringLiteral("SupportedObjects=") + Dec(3 * R + 3 * T + 8));
    int32_t Number = 0;
    for (const char* Object : {"0x1005", "0x1006", "0x1008", "0x1014", "0x1016", "0x1017", "0x1029", "0x1280"})
        E.Add(Dec(++Number) + u'=' + QLatin1String(Object));
    const auto Objects = [&](int32_t Base, int32_t Count) {
        for (int32_t n = 0; n < Count; ++n) E.Add(Dec(++Number) + QStringLiteral("=0x") + Hex4(Base + n));
    };
    Objects(0x1400, R);
    Objects(0x1600, R);
    Objects(0x1800, T);
    Objects(0x1A00, T);
    Objects(0x7000, R);
    Objects(0x7050, T);
    E.Empty();

    E.Add(QStringLiteral("[ManufacturerObjects]"));
    E.Add(QStringLiteral("SupportedObjects=") + Dec(static_cast<int64_t>(SDO_Index_List.size())));
    for (size_t i = 0; i < SDO_Index_List.size(); ++i)
        E.Add(Dec(static_cast<int64_t>(i + 1)) + QStringLiteral("=0x") + Hex4(SDO_Index_List[i].Index));
    E.Empty();

    const QString Var = QStringLiteral("0x07");
    const QString U8 = QStringLiteral("0x0005");
    const QString U16 = QStringLiteral("0x0006");
    const QString U32 = QStringLiteral("0x0007");
    const QString Ro = QStringLiteral("ro");
    const QString Rw = QStringLiteral("rw");
    const QString Const = QStringLiteral("const");
    const QString None;
    E.Value(QStringLiteral("[1000]"), QStringLiteral("Device Type"), Var, U32, Const, QStringLiteral("0x000101A4"));
    E.Value(QStringLiteral("[1001]"), QStringLiteral("Error Register"), Var, U8, Ro, QStringLiteral("0x00"));
    E.Value(QStringLiteral("[1005]"), QStringLiteral("COB-ID SYNC"), Var, U32, Rw, QStringLiteral("0x80000080"));
    E.Value(QStringLiteral("[1006]"), QStringLiteral("Communication Cycle Period"), Var, U32, Rw, QStringLiteral("0x00000000"));
    E.Value(QStringLiteral("[1008]"), QStringLiteral("Manufacturer Device Name"), Var, QStringLiteral("0x0009"), Const,
            QStringLiteral("s1"));
    E.Value(QStringLiteral("[1014]"), QStringLiteral("COB-ID EMCY"), Var, U32, Ro, QStringLiteral("$NODEID+0x80"));

    E.Record(QStringLiteral("[1016]"), 3, QStringLiteral("Heartbeat Consumer Entries"), QStringLiteral("0x08"));
    E.Value(QStringLiteral("[1016sub0]"), QStringLiteral("Number of Entries"), Var, U8, Ro, QStringLiteral("0x02"));
    E.Value(QStringLiteral("[1016sub1]"), QStringLiteral("Consumer Heartbeat Time 1"), Var, U32, Rw, QStringLiteral("0x00000000"));
    E.Value(QStringLiteral("[1016sub2]"), QStringLiteral("Consumer Heartbeat Time 2"), Var, U32, Rw, QStringLiteral("0x00000000"));
    E.Value(QStringLiteral("[1017]"), QStringLiteral("Producer Heartbeat Time"), Var, U16, Rw, QStringLiteral("0x000003E8"));
    E.Record(QStringLiteral("[1018]"), 5, QStringLiteral("Identity Object"), QStringLiteral("0x09"));
    E.Value(QStringLiteral("[1018sub0]"), QStringLiteral("number of entries"), Var, U8, Ro, QStringLiteral("0x4"));
    E.Value(QStringLiteral("[1018sub1]"), QStringLiteral("Vendor Id"), Var, U32, Ro, None);
    E.Value(QStringLiteral("[1018sub2]"), QStringLiteral("Product Code"), Var, U32, Ro, None);
    E.Value(QStringLiteral("[1018sub3]"), QStringLiteral("Revision number"), Var, U32, Ro, None);
    E.Value(QStringLiteral("[1018sub4]"), QStringLiteral("Serial number"), Var, U32, Ro, None);
    E.Record(QStringLiteral("[1029]"), 2, QStringLiteral("Error Behaviour"), QStringLiteral("0x08"));
    E.Value(QStringLiteral("[1029sub0]"), QStringLiteral("Number of Entries"), Var, U8, Ro, QStringLiteral("1"));
    E.Value(QStringLiteral("[1029sub1]"), QStringLiteral("Communication Error"), Var, U8, Rw, QStringLiteral("0x0"));
    E.Record(QStringLiteral("[1280]"), 4, QStringLiteral("Client SDO Parameter 1"), QStringLiteral("0x09"));
    E.Value(QStringLiteral("[1280sub0]"), QStringLiteral("Number of Entries"), Var, U8, Ro, QStringLiteral("0x03"));
    E.Value(QStringLiteral("[1280sub1]"), QStringLiteral("COB-ID Client -> Server"), Var, U32, Rw, None);
    E.Value(QStringLiteral("[1280sub2]"), QStringLiteral("COB-ID Server -> Client"), Var, U32, Rw, None);
    // The next section follows this one without an empty line.
    E.Value(QStringLiteral("[1280sub3]"), QStringLiteral("Node ID of the SDO Server"), Var, U8, Rw, None, QStringLiteral("0"),
            false);

    for (int32_t n = 0; n < R; ++n)
        E.Communication(0x1400 + n, QStringLiteral("Receive PDO Communication Parameter ") + Dec(n + 1), Receive[n].COB_ID);
    for (int32_t n = 0; n < R; ++n)
        E.Mapping(0x1600 + n, QStringLiteral("Receive PDO Mapping Parameter"), Receive[n].Dimension, 0x7000 + n);
    for (int32_t n = 0; n < T; ++n)
        E.Communication(0x1800 + n, QStringLiteral("Transmit PDO Communication Parameter ") + Dec(n + 1), Transmit[n].COB_ID);
    for (int32_t n = 0; n < T; ++n)
        E.Mapping(0x1A00 + n, QStringLiteral("Transmit PDO Mapping Parameter ") + Dec(n + 1), Transmit[n].Dimension, 0x7050 + n);
    for (int32_t n = 0; n < R; ++n)
        E.Data(0x7000 + n, QStringLiteral("RPDO") + Dec(n + 1), Receive[n].Dimension, Ro, Receive_Prefix[n], QStringLiteral("rww"));
    for (int32_t n = 0; n < T; ++n)
        E.Data(0x7050 + n, QStringLiteral("TPDO") + Dec(n + 1), Transmit[n].Dimension, Rw, Transmit_Prefix[n], QStringLiteral("rwr"));

    for (const SDO_Index& Entry : SDO_Index_List)
        if (!Entry.Sub_Indexs.empty()) E.Manufacturer(Entry);

    E.Empty();
    return E.Lines;
}

void Write_EDS_File(const QString& FileName, TXMLDocument& XML)
{
    EDS_File_Name = QStringLiteral("EtherNetIP_CANopen.eds");
    EDS_Description = QStringLiteral("Converter EtherNet/IP / CANopen");
    EDS_Product_Number = QStringLiteral("462");
    EDS_Order_Code = QStringLiteral("RB20462");
    SDO_Index_List.clear();
    Load_PDO_List(XML);
    Load_SDO_List(XML);
    Sort_SDO_Sub_Indexs();

    TStringList Lines;
    for (const QString& Line : EDS_Lines()) Lines.Add(Line);
    Lines.SaveToFile(FileName, teANSI);
}

void Setup_EDS_Save_Dialog(TSaveDialog& SaveEDS)
{
    SaveEDS.SetFilter(EDS_Save_Filter);
    SaveEDS.SetDefaultExt(EDS_Save_Default_Ext);
}

bool Choose_And_Write_EDS_File(TSaveDialog& SaveEDS, TXMLDocument& XML)
{
    SaveEDS.SetInitialDir(Path_Project);
    if (!SaveEDS.Execute()) return false;
    Write_EDS_File(SaveEDS.FileName(), XML);
    return true;
}
