// The CANopen EDS writer: the PDO and SDO-server rule files read into the unit's lists, and the EDS text saved from them.
#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <vector>

class TSaveDialog;
class TXMLDocument;

// One PDO of the PDO rule file.
struct PDO_Entry {
    uint32_t COB_ID = 0;
    int32_t Dimension = 0;
};

struct SDO_Sub_Type {
    uint8_t Sub = 0;
    // Size in bytes.
    uint8_t Quantity = 0;
    bool Readonly = false;
    QString Mnemonic;
};

struct SDO_Index {
    uint16_t Index = 0;
    std::vector<SDO_Sub_Type> Sub_Indexs;
};

// Receive and transmit PDOs each; more rows in a section of the rule file are left out.
inline constexpr int32_t Max_PDO = 30;

// Unit state, touched only by the user-interface thread.
// Entries 0..29: receive PDOs; 30..59: transmit PDOs.
extern std::array<PDO_Entry, 2 * Max_PDO> PDO_List;
extern int32_t Num_RxPDO;
extern int32_t Num_TxPDO;
// One entry per object index, in order of first appearance.
extern std::vector<SDO_Index> SDO_Index_List;
extern QString EDS_File_Name;
extern QString EDS_Description;
extern QString EDS_Product_Number;
extern QString EDS_Order_Code;

// The filter and default extension of the main window's EDS save dialog.
inline const QString EDS_Save_Filter = QStringLiteral("Electronic Data Sheet (*.eds)|*.eds");
inline const QString EDS_Save_Default_Ext = QStringLiteral("*.eds");

// Reads File_PDO into PDO_List, Num_RxPDO and Num_TxPDO (both 0 when the file is missing). COB-ID is
// 0 and Dimension 8 when missing or not a number; a COB-ID outside 0..0xFFFFFFFF or a Dimension
// outside 0..255 raises EConvertError.
// XML is borrowed and left inactive; a file that does not parse raises EDOMParseError.
void Load_PDO_List(TXMLDocument& XML);
// Appends the rows of File_SDO_Server to SDO_Index_List (nothing when the file is missing): "SDO_Read"
// rows read-only, "SDO_Write" rows read-write. An Index, SubIndex or NByte that is missing, not an
// integer, or beyond its field (0..0xFFFF, 0..255, 0..255) raises EConvertError. XML as above.
void Load_SDO_List(TXMLDocument& XML);
// Position of the entry for Index in SDO_Index_List; -1 when there is none.
int32_t Find_SDO_Index(uint16_t Index);
// Sorts each entry's sub-indexes by Sub, equal ones keeping their order.
void Sort_SDO_Sub_Indexs();

// The EDS lines of the current lists, stamped with Now().
QStringList EDS_Lines();
// Reads both rule files through XML and saves the EDS text (CR LF line ends) under FileName, replacing
// any file there. A reading error raises before anything is written; EFCreateError when the file
// cannot be written.
void Write_EDS_File(const QString& FileName, TXMLDocument& XML);

// Gives SaveEDS its filter and default extension.
void Setup_EDS_Save_Dialog(TSaveDialog& SaveEDS);
// What the main window's Build_EDS_File does: SaveEDS opens in Path_Project and a confirmed name is
// written with Write_EDS_File. False when the user cancelled.
bool Choose_And_Write_EDS_File(TSaveDialog& SaveEDS, TXMLDocument& XML);
