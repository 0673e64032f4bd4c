// The EDS writer: rule files in a temporary configuration folder in, the EDS text out, line for line.
#include "UComon.h"
#include "UEds.h"

#include "os/IniFiles.h"
#include "os/XmlDoc.h"
#include "rtl/DateTime.h"
#include "rtl/Exceptions.h"
#include "rtl/FormatSettings.h"
#include "support/DialogScript.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

namespace {

// [FileInfo] to [MandatoryObjects], for the clock at 2026-05-09 15:07.
QString Head(int R, int T)
{
    return QStringLiteral(R"([FileInfo]
FileName=EtherNetIP_CANopen.eds
FileVersion=1
FileRevision=0
EDSVersion=4.0
Description=Converter EtherNet/IP / CANopen
CreationTime=03:07PM
CreationDate=05-09-2026
CreatedBy=Velmora
ModificationTime=03:07PM
ModificationDate=05-09-2026
ModifiedBy=Velmora

[DeviceInfo]
VendorName=Velmora
VendorNumber=0x00
ProductName=Converter EtherNet/IP / CANopen
ProductNumber=462
RevisionNumber=0x0
OrderCode=RB20462
BaudRate_10=1
BaudRate_20=1
BaudRate_50=1
BaudRate_125=1
BaudRate_250=1
BaudRate_500=1
BaudRate_800=0
BaudRate_1000=1
DynamicChannelsSupported=0
GroupMessaging=0
LSS_Supported=0
Granularity=0
SimpleBootUpSlave=1
SimpleBootUpMaster=0
NrOfRXPDO=%1
NrOfTXPDO=%2

[Comments]
Lines=0

[DummyUsage]
Dummy0001=0
Dummy0002=0
Dummy0003=0
Dummy0004=0
Dummy0005=0
Dummy0006=0
Dummy0007=0

[MandatoryObjects]
SupportedObjects=3
1=0x1000
2=0x1001
3=0x1018

)").arg(R).arg(T);
}

// The start of [OptionalObjects] up to its eighth object.
const QString OptionalStart = QStringLiteral(R"([OptionalObjects]
SupportedObjects=%1
1=0x1005
2=0x1006
3=0x1008
4=0x1014
5=0x1016
6=0x1017
7=0x1029
8=0x1280
)");

// The fixed objects, from [1000] to [1280sub3], which ends without an empty line.
const QString FixedObjects = QStringLiteral(R"([1000]
ParameterName=Device Type
ObjectType=0x07
DataType=0x0007
AccessType=const
DefaultValue=0x000101A4
PDOMapping=0

[1001]
ParameterName=Error Register
ObjectType=0x07
DataType=0x0005
AccessType=ro
DefaultValue=0x00
PDOMapping=0

[1005]
ParameterName=COB-ID SYNC
ObjectType=0x07
DataType=0x0007
AccessType=rw
DefaultValue=0x80000080
PDOMapping=0

[1006]
ParameterName=Communication Cycle Period
ObjectType=0x07
DataType=0x0007
AccessType=rw
DefaultValue=0x00000000
PDOMapping=0

[1008]
ParameterName=Manufacturer Device Name
ObjectType=0x07
DataType=0x0009
AccessType=const
DefaultValue=s1
PDOMapping=0

[1014]
ParameterName=COB-ID EMCY
ObjectType=0x07
DataType=0x0007
AccessType=ro
DefaultValue=$NODEID+0x80
PDOMapping=0

[1016]
SubNumber=3
ParameterName=Heartbeat Consumer Entries
ObjectType=0x08

[1016sub0]
ParameterName=Number of Entries
ObjectType=0x07
DataType=0x0005
AccessType=ro
DefaultValue=0x02
PDOMapping=0

[1016sub1]
ParameterName=Consumer Heartbeat Time 1
ObjectType=0x07
DataType=0x0007
AccessType=rw
DefaultValue=0x00000000
PDOMapping=0

[1016sub2]
ParameterName=Consumer Heartbeat Time 2
ObjectType=0x07
DataType=0x0007
AccessType=rw
DefaultValue=0x00000000
PDOMapping=0

[1017]
ParameterName=Producer Heartbeat Time
ObjectType=0x07
DataType=0x0006
AccessType=rw
DefaultValue=0x000003E8
PDOMapping=0

[1018]
SubNumber=5
ParameterName=Identity Object
ObjectType=0x09

[1018sub0]
ParameterName=number of entries
ObjectType=0x07
DataType=0x0005
AccessType=ro
DefaultValue=0x4
PDOMapping=0

[1018sub1]
ParameterName=Vendor Id
ObjectType=0x07
DataType=0x0007
AccessType=ro
PDOMapping=0

[1018sub2]
ParameterName=Product Code
ObjectType=0x07
DataType=0x0007
AccessType=ro
PDOMapping=0

[1018sub3]
ParameterName=Revision number
ObjectType=0x07
DataType=0x0007
AccessType=ro
PDOMapping=0

[1018sub4]
ParameterName=Serial number
ObjectType=0x07
DataType=0x0007
AccessType=ro
PDOMapping=0

[1029]
SubNumber=2
ParameterName=Error Behaviour
ObjectType=0x08

[1029sub0]
ParameterName=Number of Entries
ObjectType=0x07
DataType=0x0005
AccessType=ro
DefaultValue=1
PDOMapping=0

[1029sub1]
ParameterName=Communication Error
ObjectType=0x07
DataType=0x0005
AccessType=rw
DefaultValue=0x0
PDOMapping=0

[1280]
SubNumber=4
ParameterName=Client SDO Parameter 1
ObjectType=0x09

[1280sub0]
ParameterName=Number of Entries
ObjectType=0x07
DataType=0x0005
AccessType=ro
DefaultValue=0x03
PDOMapping=0

[1280sub1]
ParameterName=COB-ID Client -> Server
ObjectType=0x07
DataType=0x0007
AccessType=rw
PDOMapping=0

[1280sub2]
ParameterName=COB-ID Server -> Client
ObjectType=0x07
DataType=0x0007
AccessType=rw
PDOMapping=0

[1280sub3]
ParameterName=Node ID of the SDO Server
ObjectType=0x07
DataType=0x0005
AccessType=rw
PDOMapping=0
)");

// A section name "[XXXX]" or "[XXXXsubN]" for an object number.
QString Name(int Object, const char* Sub = "")
{
    return QStringLiteral("[") + QString::number(Object, 16).toUpper().rightJustified(4, u'0') + QLatin1String(Sub) + u']';
}

// Lines written as a raw text with LF ends; the text ends with a line end.
QStringList LinesOf(const QString& Text)
{
    QStringList Lines = Text.split(u'\n');
    Lines.removeLast();
    return Lines;
}

// The file's lines, after checking that every line ends with CR LF.
QStringList FileLines(const QString& FileName)
{
    QFile File(FileName);
    EXPECT_TRUE(File.open(QIODevice::ReadOnly)) << FileName.toStdString();
    const QByteArray Bytes = File.readAll();
    EXPECT_TRUE(Bytes.endsWith("\r\n"));
    EXPECT_EQ(Bytes.count("\n"), Bytes.count("\r\n")) << "a line end without CR";
    EXPECT_EQ(Bytes.count("\r"), Bytes.count("\r\n")) << "a CR without LF";
    QStringList Lines = QString::fromLatin1(Bytes).split(QStringLiteral("\r\n"));
    Lines.removeLast();
    return Lines;
}

void ExpectLines(const QStringList& Actual, const QStringList& Expected)
{
    const qsizetype Common = std::min(Actual.size(), Expected.size());
    for (qsizetype i = 0; i < Common; ++i)
        if (Actual[i] != Expected[i]) {
            ADD_FAILURE() << "line " << i + 1 << ": \"" << Actual[i].toStdString() << "\", expected \"" << Expected[i].toStdString()
                          << "\"";
            return;
        }
    EXPECT_EQ(Actual.size(), Expected.size()) << "line counts differ";
}

// The lines from the section line Section up to (not including) the next section line.
QStringList Section(const QStringList& Lines, const QString& Name)
{
    const qsizetype At = Lines.indexOf(Name);
    if (At < 0) return {};
    qsizetype End = At + 1;
    while (End < Lines.size() && !Lines[End].startsWith(u'[')) ++End;
    return Lines.mid(At, End - At);
}

// The value of Key in section Name.
QString Value(const QStringList& Lines, const QString& Name, const QString& Key)
{
    for (const QString& Line : Section(Lines, Name))
        if (Line.startsWith(Key + u'=')) return Line.mid(Key.size() + 1);
    return QStringLiteral("<missing>");
}

struct TPdoRow {
    const char* COB_ID;
    const char* Dimension;
};

struct TSdoRow {
    const char* Index;
    const char* SubIndex;
    const char* NByte;
};

// A row element with the attributes whose values are given (nullptr leaves one out), and the others
// the rule table writes.
QString PdoRow(const TPdoRow& Row, bool Transmit)
{
    QString Text = QStringLiteral("<row");
    if (Row.COB_ID) Text += QStringLiteral(" COB-ID=\"%1\"").arg(QLatin1String(Row.COB_ID));
    if (Row.Dimension) Text += QStringLiteral(" Dimension=\"%1\"").arg(QLatin1String(Row.Dimension));
    Text += QStringLiteral(" Address_B1=\"0\" Address_B2=\"1\" Address_B3=\"\" Address_B4=\"\" Address_B5=\"\" Address_B6=\"\""
                           " Address_B7=\"\" Address_B8=\"\"");
    Text += Transmit ? QStringLiteral(" Send_Time=\"100\" On_Change=\"Y\"") : QStringLiteral(" TimeOut=\"0\"");
    return Text + QStringLiteral(" Mnemonic=\"x\"/>");
}

QString SdoRow(const TSdoRow& Row)
{
    QString Text = QStringLiteral("<row");
    if (Row.Index) Text += QStringLiteral(" Index=\"%1\"").arg(QLatin1String(Row.Index));
    if (Row.SubIndex) Text += QStringLiteral(" SubIndex=\"%1\"").arg(QLatin1String(Row.SubIndex));
    if (Row.NByte) Text += QStringLiteral(" NByte=\"%1\"").arg(QLatin1String(Row.NByte));
    return Text + QStringLiteral(" Address_B1=\"0\" Address_B2=\"\" Address_B3=\"\" Address_B4=\"\" Mnemonic=\"\"/>");
}

QString PdoFile(const std::vector<TPdoRow>& Receive, const std::vector<TPdoRow>& Transmit)
{
    QString Text = QStringLiteral("<EtherNetIP_to_SDO_CANopen>\n  <Receive_PDO>\n");
    for (const TPdoRow& Row : Receive) Text += QStringLiteral("    ") + PdoRow(Row, false) + u'\n';
    Text += QStringLiteral("  </Receive_PDO>\n  <Transmit_PDO>\n");
    for (const TPdoRow& Row : Transmit) Text += QStringLiteral("    ") + PdoRow(Row, true) + u'\n';
    return Text + QStringLiteral("  </Transmit_PDO>\n</EtherNetIP_to_SDO_CANopen>\n");
}

QString SdoFile(const std::vector<TSdoRow>& Read, const std::vector<TSdoRow>& Write)
{
    QString Text = QStringLiteral("<EtherNetIP_to_SDO_CANopen>\n  <SDO_Read>\n");
    for (const TSdoRow& Row : Read) Text += QStringLiteral("    ") + SdoRow(Row) + u'\n';
    Text += QStringLiteral("  </SDO_Read>\n  <SDO_Write>\n");
    for (const TSdoRow& Row : Write) Text += QStringLiteral("    ") + SdoRow(Row) + u'\n';
    return Text + QStringLiteral("  </SDO_Write>\n</EtherNetIP_to_SDO_CANopen>\n");
}

class EdsWriterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SavedProject = Path_Project;
        SavedPDO = File_PDO;
        SavedSDO = File_SDO_Server;
        // A configuration open, no rule files: each test names the ones it writes.
        Path_Project = Folder.Path();
        File_PDO.clear();
        File_SDO_Server.clear();
        SetClockAt(2026, 5, 9, 15, 7);
    }
    void TearDown() override
    {
        ResetClock();
        Path_Project = SavedProject;
        File_PDO = SavedPDO;
        File_SDO_Server = SavedSDO;
        SDO_Index_List.clear();
        Num_RxPDO = 0;
        Num_TxPDO = 0;
    }

    static void SetClockAt(uint16_t Year, uint16_t Month, uint16_t Day, uint16_t Hour, uint16_t Min)
    {
        const TDateTime At = EncodeDate(Year, Month, Day) + EncodeTime(Hour, Min, 30, 500);
        SetClock([At] { return At; });
    }

    void WritePdo(const std::vector<TPdoRow>& Receive, const std::vector<TPdoRow>& Transmit)
    {
        File_PDO = Folder.Write(QStringLiteral("PDO.xml"), PdoFile(Receive, Transmit).toUtf8());
    }
    void WriteSdo(const std::vector<TSdoRow>& Read, const std::vector<TSdoRow>& Write)
    {
        File_SDO_Server = Folder.Write(QStringLiteral("SDO_Server.xml"), SdoFile(Read, Write).toUtf8());
    }

    // Writes the EDS file and returns its lines.
    QStringList Written()
    {
        const QString Target = Folder.File(QStringLiteral("out.eds"));
        Write_EDS_File(Target, XML);
        EXPECT_FALSE(XML.Active()) << "the borrowed document is left loaded";
        return FileLines(Target);
    }

    TempFolder Folder;
    TXMLDocument XML{nullptr};
    QString SavedProject, SavedPDO, SavedSDO;
};

}  // namespace

TEST_F(EdsWriterTest, WithoutRuleFilesTheFileHoldsOnlyTheFixedObjects)
{
    // Unassigned paths, as the program has them, and paths of files that do not exist.
    for (const QString& Missing : {QString(), Folder.File(QStringLiteral("none.xml"))}) {
        File_PDO = Missing;
        File_SDO_Server = Missing;
        const QString Expected = Head(0, 0) + OptionalStart.arg(8) + QStringLiteral("\n[ManufacturerObjects]\nSupportedObjects=0\n\n") +
                                 FixedObjects + u'\n';
        ExpectLines(Written(), LinesOf(Expected));
        // The last section ends with its PDOMapping line, followed by the one final empty line.
        EXPECT_TRUE(Folder.Read(QStringLiteral("out.eds")).endsWith("ObjectType=0x07\r\nDataType=0x0005\r\nAccessType=rw\r\nPDOMapping=0\r\n\r\n"));
        EXPECT_EQ(Num_RxPDO, 0);
        EXPECT_EQ(Num_TxPDO, 0);
        EXPECT_TRUE(SDO_Index_List.empty());
    }
}

TEST_F(EdsWriterTest, ASmallConfigurationIsWrittenLineForLine)
{
    WritePdo({{"513", "2"}}, {{"0x181", "1"}});
    WriteSdo({{"8192", "3", "2"}, {"$2001", "0", "4"}}, {{"8192", "1", "1"}});

    const QString Expected = Head(1, 1) + OptionalStart.arg(14) + QStringLiteral(R"(9=0x1400
10=0x1600
11=0x1800
12=0x1A00
13=0x7000
14=0x7050

[ManufacturerObjects]
SupportedObjects=2
1=0x2000
2=0x2001

)") + FixedObjects + QStringLiteral(R"([1400]
SubNumber=4
ParameterName=Receive PDO Communication Parameter 1
ObjectType=0x09

[1400sub0]
ParameterName=Number of Entries
ObjectType=0x07
DataType=0x0005
AccessType=ro
DefaultValue=0x03
PDOMapping=0

[1400sub1]
ParameterName=COB-ID
ObjectType=0x07
DataType=0x0007
AccessType=rw
DefaultValue=0x00000201
PDOMapping=0

[1400sub2]
ParameterName=Transmission Type
ObjectType=0x07
DataType=0x0005
AccessType=rw
DefaultValue=0xFE
PDOMapping=0

[1400sub3]
ParameterName=Inhibit Time
ObjectType=0x07
DataType=0x0006
AccessType=rw
DefaultValue=0x0
PDOMapping=0

[1600]
SubNumber=3
ParameterName=Receive PDO Mapping Parameter
ObjectType=0x09

[1600sub0]
ParameterName=Number of Entries
ObjectType=0x07
DataType=0x0005
AccessType=ro
DefaultValue=0x02
PDOMapping=0

[1600sub1]
ParameterName=Mapping Entry 1
ObjectType=0x07
DataType=0x0007
AccessType=ro
DefaultValue=0x70000108
PDOMapping=0

[1600sub2]
ParameterName=Mapping Entry 2
ObjectType=0x07
DataType=0x0007
AccessType=ro
DefaultValue=0x70000208
PDOMapping=0

[1800]
SubNumber=4
ParameterName=Transmit PDO Communication Parameter 1
ObjectType=0x09

[1800sub0]
ParameterName=Number of Entries
ObjectType=0x07
DataType=0x0005
AccessType=ro
DefaultValue=0x03
PDOMapping=0

[1800sub1]
ParameterName=COB-ID
ObjectType=0x07
DataType=0x0007
AccessType=rw
DefaultValue=0x00000181
PDOMapping=0

[1800sub2]
ParameterName=Transmission Type
ObjectType=0x07
DataType=0x0005
AccessType=rw
DefaultValue=0xFE
PDOMapping=0

[1800sub3]
ParameterName=Inhibit Time
ObjectType=0x07
DataType=0x0006
AccessType=rw
DefaultValue=0x0
PDOMapping=0

[1A00]
SubNumber=2
ParameterName=Transmit PDO Mapping Parameter 1
ObjectType=0x09

[1A00sub0]
ParameterName=Number of Entries
ObjectType=0x07
DataType=0x0005
AccessType=ro
DefaultValue=0x01
PDOMapping=0

[1A00sub1]
ParameterName=Mapping Entry 1
ObjectType=0x07
DataType=0x0007
AccessType=ro
DefaultValue=0x70500108
PDOMapping=0

[7000]
SubNumber=3
ParameterName=RPDO1
ObjectType=0x08

[7000sub0]
ParameterName=Number of Entries
ObjectType=0x07
DataType=0x0005
AccessType=ro
DefaultValue=0x02
PDOMapping=0

[7000sub1]
ParameterName=b1
ObjectType=0x07
DataType=0x0005
AccessType=rww
DefaultValue=0x00
PDOMapping=1

[7000sub2]
ParameterName=b2
ObjectType=0x07
DataType=0x0005
AccessType=rww
DefaultValue=0x00
PDOMapping=1

[7050]
SubNumber=2
ParameterName=TPDO1
ObjectType=0x08

[7050sub0]
ParameterName=Number of Entries
ObjectType=0x07
DataType=0x0005
AccessType=rw
DefaultValue=0x01
PDOMapping=0

[7050sub1]
ParameterName=l1
ObjectType=0x07
DataType=0x0005
AccessType=rwr
DefaultValue=0x00
PDOMapping=1

[2000]
SubNumber=3
ParameterName=App Vars
ObjectType=0x9

[2000sub0]
ParameterName=Largest Sub-Index supported
ObjectType=0x7
DataType=0x0005
AccessType=ro
DefaultValue=0x03
PDOMapping=0

[2000sub1]
ParameterName=Application Variable
ObjectType=0x7
DataType=0x0005
LowLimit=0x00
HighLimit=0xFF
DefaultValue=0x00
AccessType=rw
PDOMapping=0

[2000sub3]
ParameterName=Application Variable
ObjectType=0x7
DataType=0x0006
LowLimit=0x0000
HighLimit=0xFFFF
DefaultValue=0x0000
AccessType=ro
PDOMapping=0

[2001]
SubNumber=1
ParameterName=App Vars
ObjectType=0x9

[2001sub0]
ParameterName=Application Variable
ObjectType=0x7
DataType=0x0007
LowLimit=0x00000000
HighLimit=0xFFFFFFFF
DefaultValue=0x00000000
AccessType=ro
PDOMapping=0


)");
    ExpectLines(Written(), LinesOf(Expected));

    EXPECT_EQ(Num_RxPDO, 1);
    EXPECT_EQ(Num_TxPDO, 1);
    EXPECT_EQ(PDO_List[0].COB_ID, 513u);
    EXPECT_EQ(PDO_List[0].Dimension, 2);
    EXPECT_EQ(PDO_List[Max_PDO].COB_ID, 0x181u);
    ASSERT_EQ(SDO_Index_List.size(), 2u);
    EXPECT_EQ(Find_SDO_Index(0x2000), 0);
    EXPECT_EQ(Find_SDO_Index(0x2001), 1);
    EXPECT_EQ(Find_SDO_Index(0x2002), -1);
}

TEST_F(EdsWriterTest, TheTimeIsOnATwelveHourClockAndTheDateIsMonthDayYear)
{
    struct TCase {
        uint16_t Year, Month, Day, Hour, Min;
        const char* Time;
        const char* Date;
    };
    const TCase Cases[] = {
        {2026, 5, 9, 0, 0, "12:00AM", "05-09-2026"},   {2026, 5, 9, 0, 5, "12:05AM", "05-09-2026"},
        {2026, 5, 9, 1, 0, "01:00AM", "05-09-2026"},   {2026, 5, 9, 9, 41, "09:41AM", "05-09-2026"},
        {2026, 5, 9, 11, 59, "11:59AM", "05-09-2026"}, {2026, 5, 9, 12, 0, "12:00PM", "05-09-2026"},
        {2026, 5, 9, 12, 30, "12:30PM", "05-09-2026"}, {2026, 5, 9, 13, 7, "01:07PM", "05-09-2026"},
        {2026, 5, 9, 15, 7, "03:07PM", "05-09-2026"},  {2026, 5, 9, 23, 59, "11:59PM", "05-09-2026"},
        {2026, 12, 31, 10, 10, "10:10AM", "12-31-2026"}, {2001, 1, 2, 22, 0, "10:00PM", "01-02-2001"},
        {1999, 10, 3, 4, 4, "04:04AM", "10-03-1999"},
    };
    for (const TCase& Case : Cases) {
        SetClockAt(Case.Year, Case.Month, Case.Day, Case.Hour, Case.Min);
        const QStringList Lines = Written();
        const QString Label = QStringLiteral("%1-%2-%3 %4:%5").arg(Case.Year).arg(Case.Month).arg(Case.Day).arg(Case.Hour).arg(Case.Min);
        EXPECT_EQ(Value(Lines, QStringLiteral("[FileInfo]"), QStringLiteral("CreationTime")), QLatin1String(Case.Time)) << Label.toStdString();
        EXPECT_EQ(Value(Lines, QStringLiteral("[FileInfo]"), QStringLiteral("ModificationTime")), QLatin1String(Case.Time));
        EXPECT_EQ(Value(Lines, QStringLiteral("[FileInfo]"), QStringLiteral("CreationDate")), QLatin1String(Case.Date)) << Label.toStdString();
        EXPECT_EQ(Value(Lines, QStringLiteral("[FileInfo]"), QStringLiteral("ModificationDate")), QLatin1String(Case.Date));
    }
}

TEST_F(EdsWriterTest, TheFileFormatKeepsItsSeparatorsWhateverTheFormatSettings)
{
    TFormatSettings Settings = TFormatSettings::Invariant();
    Settings.DateSeparator = u'.';
    Settings.TimeSeparator = u'.';
    Settings.ShortDateFormat = QStringLiteral("dd/MM/yyyy");
    Settings.TimeAMString = QStringLiteral("vorm.");
    Settings.TimePMString = QStringLiteral("nachm.");
    TFormatSettingsScope Scope(Settings);
    const QStringList Lines = Written();
    EXPECT_EQ(Value(Lines, QStringLiteral("[FileInfo]"), QStringLiteral("CreationTime")), QStringLiteral("03:07PM"));
    EXPECT_EQ(Value(Lines, QStringLiteral("[FileInfo]"), QStringLiteral("CreationDate")), QStringLiteral("05-09-2026"));
}

TEST_F(EdsWriterTest, NumbersAreWrittenInTheirHexadecimalAndDecimalForms)
{
    WritePdo({{"$7FF", "0"}, {"2147484161", "10"}, {"abc", "x"}, {nullptr, nullptr}, {" 0x10", "255"}},
             {{"4294967295", "1"}, {"0X1A2B3C4D", "$3"}, {"$FFFFFFFF", "1"}});
    WriteSdo({{"0x2ABC", "10", "1"}, {"0x2ABC", "$0B", "0"}, {"24575", "255", "3"}}, {{"0x2ABC", "2", "2"}, {"0xFFFF", "0", "255"}});
    const QStringList Lines = Written();

    // COB-IDs in eight hexadecimal digits, every 32-bit value in decimal or hexadecimal; a missing or
    // unreadable one is 0.
    const QStringList CobIds = {QStringLiteral("0x000007FF"), QStringLiteral("0x80000201"), QStringLiteral("0x00000000"),
                                QStringLiteral("0x00000000"), QStringLiteral("0x00000010")};
    for (int n = 0; n < 5; ++n)
        EXPECT_EQ(Value(Lines, Name(0x1400 + n, "sub1"), QStringLiteral("DefaultValue")), CobIds[n]) << n;
    EXPECT_EQ(Value(Lines, QStringLiteral("[1800sub1]"), QStringLiteral("DefaultValue")), QStringLiteral("0xFFFFFFFF"));
    EXPECT_EQ(Value(Lines, QStringLiteral("[1801sub1]"), QStringLiteral("DefaultValue")), QStringLiteral("0x1A2B3C4D"));
    EXPECT_EQ(Value(Lines, QStringLiteral("[1802sub1]"), QStringLiteral("DefaultValue")), QStringLiteral("0xFFFFFFFF"));

    // A dimension of 0: the mapping and data records hold only their sub0.
    EXPECT_EQ(Section(Lines, QStringLiteral("[1600]")),
              (QStringList{QStringLiteral("[1600]"), QStringLiteral("SubNumber=1"), QStringLiteral("ParameterName=Receive PDO Mapping Parameter"),
                           QStringLiteral("ObjectType=0x09"), QString()}));
    EXPECT_EQ(Value(Lines, QStringLiteral("[1600sub0]"), QStringLiteral("DefaultValue")), QStringLiteral("0x00"));
    EXPECT_TRUE(Section(Lines, QStringLiteral("[1600sub1]")).isEmpty());
    EXPECT_EQ(Value(Lines, QStringLiteral("[7000]"), QStringLiteral("SubNumber")), QStringLiteral("1"));
    EXPECT_TRUE(Section(Lines, QStringLiteral("[7000sub1]")).isEmpty());

    // Ten entries: counts in decimal, sub-indexes of section names and values in hexadecimal.
    EXPECT_EQ(Value(Lines, QStringLiteral("[1601]"), QStringLiteral("SubNumber")), QStringLiteral("11"));
    EXPECT_EQ(Value(Lines, QStringLiteral("[1601sub0]"), QStringLiteral("DefaultValue")), QStringLiteral("0x0A"));
    EXPECT_EQ(Value(Lines, QStringLiteral("[1601subA]"), QStringLiteral("ParameterName")), QStringLiteral("Mapping Entry 10"));
    EXPECT_EQ(Value(Lines, QStringLiteral("[1601subA]"), QStringLiteral("DefaultValue")), QStringLiteral("0x70010A08"));
    EXPECT_EQ(Value(Lines, QStringLiteral("[7001subA]"), QStringLiteral("ParameterName")), QStringLiteral("c10"));
    EXPECT_TRUE(Section(Lines, QStringLiteral("[1601subB]")).isEmpty());
    // A missing or unreadable dimension is 8.
    EXPECT_EQ(Value(Lines, QStringLiteral("[1602]"), QStringLiteral("SubNumber")), QStringLiteral("9"));
    EXPECT_EQ(Value(Lines, QStringLiteral("[1603]"), QStringLiteral("SubNumber")), QStringLiteral("9"));
    EXPECT_EQ(Value(Lines, QStringLiteral("[1603sub8]"), QStringLiteral("DefaultValue")), QStringLiteral("0x70030808"));
    // The largest dimension a byte holds.
    EXPECT_EQ(Value(Lines, QStringLiteral("[1604]"), QStringLiteral("SubNumber")), QStringLiteral("256"));
    EXPECT_EQ(Value(Lines, QStringLiteral("[1604sub0]"), QStringLiteral("DefaultValue")), QStringLiteral("0xFF"));
    EXPECT_EQ(Value(Lines, QStringLiteral("[1604subFF]"), QStringLiteral("DefaultValue")), QStringLiteral("0x7004FF08"));
    EXPECT_EQ(Value(Lines, QStringLiteral("[1A01]"), QStringLiteral("ParameterName")), QStringLiteral("Transmit PDO Mapping Parameter 2"));
    EXPECT_EQ(Value(Lines, QStringLiteral("[1A01sub3]"), QStringLiteral("DefaultValue")), QStringLiteral("0x70510308"));
    EXPECT_EQ(Value(Lines, QStringLiteral("[7051sub3]"), QStringLiteral("ParameterName")), QStringLiteral("m3"));

    // Manufacturer objects: index in four hexadecimal digits, sizes 1, 2 and anything else.
    EXPECT_EQ(Section(Lines, QStringLiteral("[ManufacturerObjects]")),
              (QStringList{QStringLiteral("[ManufacturerObjects]"), QStringLiteral("SupportedObjects=3"), QStringLiteral("1=0x2ABC"),
                           QStringLiteral("2=0x5FFF"), QStringLiteral("3=0xFFFF"), QString()}));
    EXPECT_EQ(Value(Lines, QStringLiteral("[2ABC]"), QStringLiteral("SubNumber")), QStringLiteral("4"));
    EXPECT_EQ(Value(Lines, QStringLiteral("[2ABCsub0]"), QStringLiteral("DefaultValue")), QStringLiteral("0x0B"));
    EXPECT_EQ(Value(Lines, QStringLiteral("[2ABCsubA]"), QStringLiteral("DataType")), QStringLiteral("0x0005"));
    EXPECT_EQ(Value(Lines, QStringLiteral("[2ABCsubB]"), QStringLiteral("DataType")), QStringLiteral("0x0007"));
    EXPECT_EQ(Value(Lines, QStringLiteral("[2ABCsub2]"), QStringLiteral("DataType")), QStringLiteral("0x0006"));
    EXPECT_EQ(Value(Lines, QStringLiteral("[2ABCsub2]"), QStringLiteral("AccessType")), QStringLiteral("rw"));
    EXPECT_EQ(Value(Lines, QStringLiteral("[5FFF]"), QStringLiteral("SubNumber")), QStringLiteral("2"));
    EXPECT_EQ(Value(Lines, QStringLiteral("[5FFFsub0]"), QStringLiteral("DefaultValue")), QStringLiteral("0xFF"));
    EXPECT_EQ(Value(Lines, QStringLiteral("[5FFFsubFF]"), QStringLiteral("HighLimit")), QStringLiteral("0xFFFFFFFF"));
    EXPECT_EQ(Value(Lines, QStringLiteral("[FFFF]"), QStringLiteral("SubNumber")), QStringLiteral("1"));
    EXPECT_EQ(Value(Lines, QStringLiteral("[FFFFsub0]"), QStringLiteral("ParameterName")), QStringLiteral("Application Variable"));
    EXPECT_EQ(Value(Lines, QStringLiteral("[FFFFsub0]"), QStringLiteral("AccessType")), QStringLiteral("rw"));
}

TEST_F(EdsWriterTest, OnlyTheFirstThirtyPdosOfEachSectionAreWritten)
{
    std::vector<QByteArray> Ids;
    for (int i = 0; i < 33; ++i) Ids.push_back(QByteArray::number(0x200 + i));
    std::vector<TPdoRow> Receive, Transmit;
    for (int i = 0; i < 33; ++i) Receive.push_back({Ids[i].constData(), "1"});
    for (int i = 0; i < 31; ++i) Transmit.push_back({Ids[i].constData(), "2"});
    WritePdo(Receive, Transmit);
    const QStringList Lines = Written();

    EXPECT_EQ(Num_RxPDO, 30);
    EXPECT_EQ(Num_TxPDO, 30);
    EXPECT_EQ(Value(Lines, QStringLiteral("[DeviceInfo]"), QStringLiteral("NrOfRXPDO")), QStringLiteral("30"));
    EXPECT_EQ(Value(Lines, QStringLiteral("[DeviceInfo]"), QStringLiteral("NrOfTXPDO")), QStringLiteral("30"));
    const QStringList Optional = Section(Lines, QStringLiteral("[OptionalObjects]"));
    EXPECT_EQ(Optional.value(1), QStringLiteral("SupportedObjects=188"));
    // Object k is line k + 1 of the section.
    EXPECT_EQ(Optional.value(10), QStringLiteral("9=0x1400"));
    EXPECT_EQ(Optional.value(39), QStringLiteral("38=0x141D"));
    EXPECT_EQ(Optional.value(40), QStringLiteral("39=0x1600"));
    EXPECT_EQ(Optional.value(189), QStringLiteral("188=0x706D"));
    EXPECT_EQ(Optional.size(), 191);

    EXPECT_EQ(Value(Lines, QStringLiteral("[141D]"), QStringLiteral("ParameterName")), QStringLiteral("Receive PDO Communication Parameter 30"));
    EXPECT_EQ(Value(Lines, QStringLiteral("[141Dsub1]"), QStringLiteral("DefaultValue")), QStringLiteral("0x0000021D"));
    EXPECT_EQ(Value(Lines, QStringLiteral("[701Dsub1]"), QStringLiteral("ParameterName")), QStringLiteral("av1"));
    EXPECT_EQ(Value(Lines, QStringLiteral("[706D]"), QStringLiteral("ParameterName")), QStringLiteral("TPDO30"));
    EXPECT_EQ(Value(Lines, QStringLiteral("[706Dsub2]"), QStringLiteral("ParameterName")), QStringLiteral("cv2"));
    for (const char* Beyond : {"[141E]", "[161E]", "[181E]", "[1A1E]", "[701E]", "[706E]"})
        EXPECT_FALSE(Lines.contains(QLatin1String(Beyond))) << Beyond;
}

TEST_F(EdsWriterTest, EveryPdoNumberHasItsDataObjectPrefix)
{
    std::vector<TPdoRow> Rows(30, TPdoRow{"1", "1"});
    WritePdo(Rows, Rows);
    const QStringList Lines = Written();
    const QStringList Receive = QStringLiteral("b c d e f g h j k i aa ab ac ad ae af ag ah ai al am an ao ap aq ar as at au av").split(u' ');
    const QStringList Transmit = QStringLiteral("l m n o p q r s t u ca cb cc cd ce cf cg ch ci cl cm cn co cp cq cr cs ct cu cv").split(u' ');
    for (int n = 0; n < 30; ++n) {
        EXPECT_EQ(Value(Lines, Name(0x7000 + n, "sub1"), QStringLiteral("ParameterName")), Receive[n] + u'1');
        EXPECT_EQ(Value(Lines, Name(0x7050 + n, "sub1"), QStringLiteral("ParameterName")), Transmit[n] + u'1');
        EXPECT_EQ(Value(Lines, Name(0x7000 + n), QStringLiteral("ParameterName")),
                  QStringLiteral("RPDO%1").arg(n + 1));
    }
}

TEST_F(EdsWriterTest, SubIndexesAreSortedAndAMissingSubZeroIsGenerated)
{
    // 8192 = 0x2000; the write rows follow the read rows, equal sub-indexes keep that order.
    WriteSdo({{"8192", "3", "4"}, {"8193", "0", "1"}, {"8194", "7", "1"}, {"8193", "2", "1"}, {"8195", "5", "2"}, {"8195", "5", "2"}},
             {{"8192", "1", "4"}, {"8193", "1", "1"}, {"8194", "7", "1"}});
    const QStringList Lines = Written();

    EXPECT_EQ(SDO_Index_List.size(), 4u);
    EXPECT_EQ(Section(Lines, QStringLiteral("[ManufacturerObjects]")).mid(2, 4),
              (QStringList{QStringLiteral("1=0x2000"), QStringLiteral("2=0x2001"), QStringLiteral("3=0x2002"), QStringLiteral("4=0x2003")}));

    // Section names of the manufacturer objects, in file order.
    QStringList Names;
    for (const QString& Line : Lines)
        if (Line.startsWith(QStringLiteral("[2"))) Names << Line;
    EXPECT_EQ(Names, (QStringList{QStringLiteral("[2000]"), QStringLiteral("[2000sub0]"), QStringLiteral("[2000sub1]"), QStringLiteral("[2000sub3]"),
                                  QStringLiteral("[2001]"), QStringLiteral("[2001sub0]"), QStringLiteral("[2001sub1]"), QStringLiteral("[2001sub2]"),
                                  QStringLiteral("[2002]"), QStringLiteral("[2002sub0]"), QStringLiteral("[2002sub7]"), QStringLiteral("[2002sub7]"),
                                  QStringLiteral("[2003]"), QStringLiteral("[2003sub0]"), QStringLiteral("[2003sub5]"), QStringLiteral("[2003sub5]")}));

    EXPECT_EQ(Value(Lines, QStringLiteral("[2000]"), QStringLiteral("SubNumber")), QStringLiteral("3"));
    EXPECT_EQ(Section(Lines, QStringLiteral("[2000sub0]")),
              (QStringList{QStringLiteral("[2000sub0]"), QStringLiteral("ParameterName=Largest Sub-Index supported"), QStringLiteral("ObjectType=0x7"),
                           QStringLiteral("DataType=0x0005"), QStringLiteral("AccessType=ro"), QStringLiteral("DefaultValue=0x03"),
                           QStringLiteral("PDOMapping=0"), QString()}));
    // With a sub-index 0 of its own: no generated one, SubNumber is the count.
    EXPECT_EQ(Value(Lines, QStringLiteral("[2001]"), QStringLiteral("SubNumber")), QStringLiteral("3"));
    EXPECT_EQ(Value(Lines, QStringLiteral("[2001sub0]"), QStringLiteral("ParameterName")), QStringLiteral("Application Variable"));
    // The same row twice: two identical sections.
    const qsizetype Twice = Lines.indexOf(QStringLiteral("[2003sub5]"));
    ASSERT_GE(Twice, 0);
    EXPECT_EQ(Lines.mid(Twice, 10), Lines.mid(Twice + 10, 10));
    EXPECT_EQ(Lines.value(Twice + 10), QStringLiteral("[2003sub5]"));
    // The same index and sub-index from both sections: read-only first, as read.
    EXPECT_EQ(Value(Lines, QStringLiteral("[2002]"), QStringLiteral("SubNumber")), QStringLiteral("3"));
    const qsizetype First = Lines.indexOf(QStringLiteral("[2002sub7]"));
    const qsizetype Second = Lines.indexOf(QStringLiteral("[2002sub7]"), First + 1);
    ASSERT_GT(Second, First);
    EXPECT_EQ(Lines.mid(First + 1, 6), Lines.mid(Second + 1, 6));
    EXPECT_EQ(Lines[First + 7], QStringLiteral("AccessType=ro"));
    EXPECT_EQ(Lines[Second + 7], QStringLiteral("AccessType=rw"));

    const SDO_Index& Entry = SDO_Index_List[Find_SDO_Index(0x2000)];
    ASSERT_EQ(Entry.Sub_Indexs.size(), 2u);
    EXPECT_EQ(Entry.Sub_Indexs[0].Sub, 1);
    EXPECT_FALSE(Entry.Sub_Indexs[0].Readonly);
    EXPECT_EQ(Entry.Sub_Indexs[1].Sub, 3);
    EXPECT_EQ(Entry.Sub_Indexs[1].Quantity, 4);
    EXPECT_TRUE(Entry.Sub_Indexs[1].Readonly);
    EXPECT_TRUE(Entry.Sub_Indexs[1].Mnemonic.isEmpty());
}

TEST_F(EdsWriterTest, SubEntrySectionsNameTheirSubIndexInHexadecimal)
{
    WritePdo({{"$181", "8"}, {"$182", "9"}, {"$183", "12"}}, {{"$201", "12"}});
    WriteSdo({{"8194", "10", "1"}}, {{"8194", "11", "2"}, {"8194", "255", "4"}, {"8195", "0", "1"}, {"8195", "9", "1"}});
    const QStringList Lines = Written();

    for (const char* Name : {"[1602subA]", "[1602subB]", "[1602subC]", "[7002subA]", "[7002subC]", "[1A00subC]", "[7050subC]",
                             "[2002subA]", "[2002subB]", "[2002subFF]", "[2003sub0]", "[2003sub9]"})
        EXPECT_TRUE(Lines.contains(QLatin1String(Name))) << Name;
    for (const char* Name : {"[1602sub10]", "[1602sub12]", "[7002sub10]", "[2002sub11]", "[2002sub255]"})
        EXPECT_FALSE(Lines.contains(QLatin1String(Name))) << Name;
    // Up to nine entries the names are the decimal ones.
    EXPECT_EQ(Value(Lines, QStringLiteral("[1601sub9]"), QStringLiteral("DefaultValue")), QStringLiteral("0x70010908"));
    EXPECT_EQ(Value(Lines, QStringLiteral("[1602subC]"), QStringLiteral("ParameterName")), QStringLiteral("Mapping Entry 12"));
    EXPECT_EQ(Value(Lines, QStringLiteral("[1602subC]"), QStringLiteral("DefaultValue")), QStringLiteral("0x70020C08"));
    EXPECT_EQ(Value(Lines, QStringLiteral("[7002subC]"), QStringLiteral("ParameterName")), QStringLiteral("d12"));
    EXPECT_EQ(Value(Lines, QStringLiteral("[2002sub0]"), QStringLiteral("DefaultValue")), QStringLiteral("0xFF"));
    EXPECT_EQ(Value(Lines, QStringLiteral("[2002subB]"), QStringLiteral("DataType")), QStringLiteral("0x0006"));
}

TEST_F(EdsWriterTest, EveryMappedObjectIsASectionAsACANopenToolReadsTheFile)
{
    WritePdo({{"$181", "12"}, {"$182", "3"}}, {{"$201", "10"}, {"$202", "0"}});
    WriteSdo({{"8194", "11", "1"}, {"8194", "255", "1"}}, {});
    const QString Target = Folder.File(QStringLiteral("out.eds"));
    Write_EDS_File(Target, XML);

    TMemIniFile Eds(Target);
    TStringList Sections;
    Eds.ReadSections(&Sections);
    const QRegularExpression Mapping(QStringLiteral("^(16|1A)[0-9A-F]{2}sub([0-9A-F]+)$"));
    int Entries = 0;
    for (int i = 0; i < Sections.Count(); ++i) {
        const QString Name = Sections.Strings(i);
        const QRegularExpressionMatch Match = Mapping.match(Name);
        if (!Match.hasMatch() || Match.captured(2) == QStringLiteral("0")) continue;
        // "0x" object (4 digits), sub-index (2 digits), bit length (2 digits).
        const QString Default = Eds.ReadString(Name, QStringLiteral("DefaultValue"), QString());
        ASSERT_EQ(Default.size(), 10) << Name.toStdString();
        const QString Object = Default.mid(2, 4);
        const int Sub = Default.mid(6, 2).toInt(nullptr, 16);
        const QString Mapped = Object + QStringLiteral("sub") + QString::number(Sub, 16).toUpper();
        EXPECT_TRUE(Eds.SectionExists(Mapped)) << Name.toStdString() << " maps " << Mapped.toStdString();
        // The mapping entry's own number is its sub-index.
        EXPECT_EQ(Match.captured(2).toInt(nullptr, 16), Sub) << Name.toStdString();
        ++Entries;
    }
    EXPECT_EQ(Entries, 12 + 3 + 10);
    // The largest sub-index an object declares is one of its sections.
    const int Largest = Eds.ReadString(QStringLiteral("2002sub0"), QStringLiteral("DefaultValue"), QString()).mid(2).toInt(nullptr, 16);
    EXPECT_EQ(Largest, 255);
    EXPECT_TRUE(Eds.SectionExists(QStringLiteral("2002sub") + QString::number(Largest, 16).toUpper()));
}

TEST_F(EdsWriterTest, MissingSectionsCountAsEmpty)
{
    File_PDO = Folder.Write(QStringLiteral("PDO.xml"),
                            "<EtherNetIP_to_SDO_CANopen><Transmit_PDO><row COB-ID=\"1\" Dimension=\"1\"/></Transmit_PDO></EtherNetIP_to_SDO_CANopen>");
    File_SDO_Server = Folder.Write(QStringLiteral("SDO.xml"),
                                   "<Other><SDO_Write><row Index=\"8192\" SubIndex=\"0\" NByte=\"1\"/></SDO_Write></Other>");
    QStringList Lines = Written();
    EXPECT_EQ(Value(Lines, QStringLiteral("[DeviceInfo]"), QStringLiteral("NrOfRXPDO")), QStringLiteral("0"));
    EXPECT_EQ(Value(Lines, QStringLiteral("[DeviceInfo]"), QStringLiteral("NrOfTXPDO")), QStringLiteral("1"));
    EXPECT_EQ(Value(Lines, QStringLiteral("[ManufacturerObjects]"), QStringLiteral("1")), QStringLiteral("0x2000"));

    // Empty roots, and files whose first top-level node is not the root: nothing is read from them.
    File_PDO = Folder.Write(QStringLiteral("PDO.xml"), "<EtherNetIP_to_SDO_CANopen/>");
    File_SDO_Server = Folder.Write(QStringLiteral("SDO.xml"),
                                   "<!-- SDO --><EtherNetIP_to_SDO_CANopen><SDO_Read><row Index=\"8192\" SubIndex=\"0\" NByte=\"1\"/></SDO_Read>"
                                   "</EtherNetIP_to_SDO_CANopen>");
    Lines = Written();
    EXPECT_EQ(Value(Lines, QStringLiteral("[DeviceInfo]"), QStringLiteral("NrOfTXPDO")), QStringLiteral("0"));
    EXPECT_EQ(Value(Lines, QStringLiteral("[ManufacturerObjects]"), QStringLiteral("SupportedObjects")), QStringLiteral("0"));

    // Comments among the rows are not rows.
    File_PDO = Folder.Write(QStringLiteral("PDO.xml"),
                            "<R><Receive_PDO><!-- first --><row COB-ID=\"1\" Dimension=\"1\"/><!-- end --></Receive_PDO></R>");
    Lines = Written();
    EXPECT_EQ(Value(Lines, QStringLiteral("[DeviceInfo]"), QStringLiteral("NrOfRXPDO")), QStringLiteral("1"));
}

TEST_F(EdsWriterTest, ABadRuleFileStopsTheWritingBeforeTheFileIsTouched)
{
    struct TCase {
        const char* Label;
        const char* Pdo;
        const char* Sdo;
    };
    const QByteArray GoodPdo = PdoFile({{"1", "1"}}, {}).toUtf8();
    const QByteArray GoodSdo = SdoFile({{"8192", "1", "1"}}, {}).toUtf8();
    const TCase Cases[] = {
        {"Index missing", nullptr, "<R><SDO_Read><row SubIndex=\"1\" NByte=\"1\"/></SDO_Read></R>"},
        {"Index not a number", nullptr, "<R><SDO_Read><row Index=\"abc\" SubIndex=\"1\" NByte=\"1\"/></SDO_Read></R>"},
        {"Index empty", nullptr, "<R><SDO_Write><row Index=\"\" SubIndex=\"1\" NByte=\"1\"/></SDO_Write></R>"},
        {"SubIndex missing", nullptr, "<R><SDO_Write><row Index=\"8192\" NByte=\"1\"/></SDO_Write></R>"},
        {"NByte not a number", nullptr, "<R><SDO_Read><row Index=\"8192\" SubIndex=\"1\" NByte=\"4 \"/></SDO_Read></R>"},
        {"Index beyond a word", nullptr, "<R><SDO_Read><row Index=\"65536\" SubIndex=\"1\" NByte=\"1\"/></SDO_Read></R>"},
        {"Index negative", nullptr, "<R><SDO_Read><row Index=\"-1\" SubIndex=\"1\" NByte=\"1\"/></SDO_Read></R>"},
        {"SubIndex beyond a byte", nullptr, "<R><SDO_Read><row Index=\"8192\" SubIndex=\"256\" NByte=\"1\"/></SDO_Read></R>"},
        {"NByte beyond a byte", nullptr, "<R><SDO_Read><row Index=\"8192\" SubIndex=\"1\" NByte=\"257\"/></SDO_Read></R>"},
        {"Dimension beyond a byte", "<R><Receive_PDO><row COB-ID=\"1\" Dimension=\"256\"/></Receive_PDO></R>", nullptr},
        {"Dimension huge", "<R><Transmit_PDO><row COB-ID=\"1\" Dimension=\"2000000000\"/></Transmit_PDO></R>", nullptr},
        {"Dimension negative", "<R><Receive_PDO><row COB-ID=\"1\" Dimension=\"-1\"/></Receive_PDO></R>", nullptr},
        {"COB-ID negative", "<R><Receive_PDO><row COB-ID=\"-1\" Dimension=\"1\"/></Receive_PDO></R>", nullptr},
        {"COB-ID beyond 32 bits", "<R><Transmit_PDO><row COB-ID=\"4294967296\" Dimension=\"1\"/></Transmit_PDO></R>", nullptr},
    };
    const QString Target = Folder.Write(QStringLiteral("kept.eds"), "old content\r\n");
    for (const TCase& Case : Cases) {
        File_PDO = Folder.Write(QStringLiteral("PDO.xml"), Case.Pdo ? QByteArray(Case.Pdo) : GoodPdo);
        File_SDO_Server = Folder.Write(QStringLiteral("SDO.xml"), Case.Sdo ? QByteArray(Case.Sdo) : GoodSdo);
        EXPECT_THROW(Write_EDS_File(Target, XML), EConvertError) << Case.Label;
        EXPECT_EQ(Folder.Read(QStringLiteral("kept.eds")), "old content\r\n") << Case.Label;
        EXPECT_FALSE(XML.Active()) << Case.Label;
    }

    // A rule file that does not parse.
    File_PDO = Folder.Write(QStringLiteral("PDO.xml"), "<R><Receive_PDO>");
    File_SDO_Server = Folder.Write(QStringLiteral("SDO.xml"), GoodSdo);
    EXPECT_THROW(Write_EDS_File(Target, XML), EDOMParseError);
    EXPECT_EQ(Folder.Read(QStringLiteral("kept.eds")), "old content\r\n");
    EXPECT_FALSE(XML.Active());
}

TEST_F(EdsWriterTest, AnExistingFileIsReplacedAndAnUnwritableTargetRaises)
{
    const QString Target = Folder.Write(QStringLiteral("old.eds"), QByteArray(100000, 'x'));
    Write_EDS_File(Target, XML);
    EXPECT_TRUE(Folder.Read(QStringLiteral("old.eds")).startsWith("[FileInfo]\r\nFileName=EtherNetIP_CANopen.eds\r\n"));
    EXPECT_FALSE(Folder.Read(QStringLiteral("old.eds")).contains("xxx"));

    EXPECT_THROW(Write_EDS_File(Folder.File(QStringLiteral("no folder/a.eds")), XML), EFCreateError);
}

TEST_F(EdsWriterTest, TheSaveDialogOpensInTheConfigurationAndAddsTheExtension)
{
    TSaveDialog SaveEDS(nullptr);
    Setup_EDS_Save_Dialog(SaveEDS);
    EXPECT_EQ(SaveEDS.Filter(), QStringLiteral("Electronic Data Sheet (*.eds)|*.eds"));
    EXPECT_EQ(SaveEDS.DefaultExt(), QStringLiteral("*.eds"));

    DialogScript().Type(QStringLiteral("name"));
    EXPECT_TRUE(Choose_And_Write_EDS_File(SaveEDS, XML));
    ASSERT_EQ(DialogScript().FileDialogs().size(), 1u);
    const TFileDialogRequest& Shown = DialogScript().FileDialogs()[0];
    EXPECT_EQ(Shown.Kind, TFileDialogKind::Save);
    EXPECT_EQ(Shown.Folder, Folder.Path());
    ASSERT_EQ(Shown.Filters.size(), 1u);
    EXPECT_EQ(Shown.Filters[0].Description, QStringLiteral("Electronic Data Sheet (*.eds)"));
    EXPECT_EQ(SaveEDS.FileName(), Folder.File(QStringLiteral("name.eds")));
    EXPECT_TRUE(Folder.Read(QStringLiteral("name.eds")).startsWith("[FileInfo]\r\n"));

    // Cancelled: nothing is written.
    TSaveDialog Other(nullptr);
    Setup_EDS_Save_Dialog(Other);
    DialogScript().Cancel();
    EXPECT_FALSE(Choose_And_Write_EDS_File(Other, XML));
    EXPECT_EQ(QDir(Folder.Path()).entryList(QDir::Files), QStringList{QStringLiteral("name.eds")});
}
