// The descriptor tables of the nine image classes of the binary cell stream.
#include "grid/exchange/GridImages.h"

#include "grid/base/BaseGrid.h"
#include "grid/base/ExtGridError.h"
#include "grid/base/FilePicture.h"
#include "grid/core/CellGraphic.h"

#include "graphics/Bitmap.h"
#include "graphics/Icon.h"
#include "graphics/Picture.h"
#include "rtl/Streams.h"
#include "rtl/Strings.h"

#include <QtEndian>

#include <iterator>
#include <utility>

namespace {

using TValue = TImageValue;

// ---- Enumeration and set names, in ordinal order ----

constexpr const char* AlignmentNames[] = {"taLeftJustify", "taRightJustify", "taCenter"};
static_assert(std::size(AlignmentNames) == taCenter + 1);
constexpr const char* BrushStyleNames[] = {"bsSolid",     "bsClear",     "bsHorizontal", "bsVertical",
                                           "bsFDiagonal", "bsBDiagonal", "bsCross",      "bsDiagCross"};
static_assert(std::size(BrushStyleNames) == bsDiagCross + 1);
constexpr const char* FontStyleNames[] = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};
static_assert(std::size(FontStyleNames) == fsStrikeOut + 1);
// clang-format off
constexpr const char* EditorNames[] = {
    "edNormal", "edSpinEdit", "edComboEdit", "edComboList", "edEditBtn",
    "edCheckBox", "edDateEdit", "edDateEditUpDown", "edTimeEdit", "edButton",
    "edDataCheckBox", "edNumeric", "edPositiveNumeric", "edFloat", "edCapital",
    "edMixedCase", "edPassword", "edUnitEditBtn", "edLowerCase", "edUpperCase",
    "edFloatSpinEdit", "edTimeSpinEdit", "edDateSpinEdit", "edNumericEditBtn", "edFloatEditBtn",
    "edCustom", "edRichEdit", "edNone", "edDateTimeEdit", "edValidChars",
    "edTrackbarDropDown", "edMemoDropDown", "edCalculatorDropDown", "edTimePickerDropDown", "edDetailDropDown",
    "edGridDropDown", "edColorPickerDropDown", "edImagePickerDropDown", "edExtGridDropDown", "edPositiveFloat",
    "edNumericUnitEditBtn", "edFloatUnitEditBtn", "edMaskEditBtn"};
// clang-format on
static_assert(std::size(EditorNames) == edMaskEditBtn + 1);
constexpr const char* GradientNames[] = {"GradientVertical", "GradientHorizontal"};
static_assert(std::size(GradientNames) == GradientHorizontal + 1);
constexpr const char* VAlignmentNames[] = {"vtaTop", "vtaCenter", "vtaBottom"};
static_assert(std::size(VAlignmentNames) == vtaBottom + 1);
// clang-format off
constexpr const char* CellTypeNames[] = {
    "ctBitmap", "ctIcon", "ctNone", "ctImageList", "ctCheckBox", "ctDataCheckBox",
    "ctRotated", "ctDataImage", "ctNode", "ctRadio", "ctEmpty", "ctImages",
    "ctPicture", "ctFilePicture", "ctValue", "ctProgress", "ctComment", "ctButton",
    "ctBitButton", "ctVirtCheckBox", "ctRowCheckBox", "ctProgressPie", "ctSummary", "ctRangeIndicator",
    "ctXPProgress", "ctInterface", "ctScrollbar", "ctRadioButton", "ctBalloon", "ctShape",
    "ctRating", "ctTriStateCheckBox", "ctExpand"};
// clang-format on
static_assert(std::size(CellTypeNames) == ctExpand + 1);
constexpr const char* CellVAlignNames[] = {"vaTop", "vaBottom", "vaCenter", "vaUnderText", "vaAboveText", "vaFull"};
static_assert(std::size(CellVAlignNames) == vaFull + 1);
constexpr const char* CellHAlignNames[] = {"haLeft", "haRight", "haCenter", "haBeforeText", "haAfterText", "haFull"};
static_assert(std::size(CellHAlignNames) == haFull + 1);
constexpr const char* CheckBoxStateNames[] = {"cbUnchecked", "cbChecked", "cbGrayed"};
static_assert(std::size(CheckBoxStateNames) == cbGrayed + 1);

// ---- Header and cell ----

TGridPropIO* Header(TGridImage* I)
{
    return static_cast<TGridPropIO*>(I);
}

constexpr TImageProperty HeaderProperties[] = {
    {"ColCount", ipInteger, [](TGridImage* I, TValue& V) { V.Integer = Header(I)->ColCount(); },
     [](TGridImage* I, TValue& V) { Header(I)->SetColCount(int32_t(V.Integer)); }},
    {"RowCount", ipInteger, [](TGridImage* I, TValue& V) { V.Integer = Header(I)->RowCount(); },
     [](TGridImage* I, TValue& V) { Header(I)->SetRowCount(int32_t(V.Integer)); }},
    {"ColWidths", ipString, [](TGridImage* I, TValue& V) { V.Text = Header(I)->ColWidths(); },
     [](TGridImage* I, TValue& V) { Header(I)->SetColWidths(V.Text); }},
    {"RowHeights", ipString, [](TGridImage* I, TValue& V) { V.Text = Header(I)->RowHeights(); },
     [](TGridImage* I, TValue& V) { Header(I)->SetRowHeights(V.Text); }},
    {"FullGrid", ipBoolean, [](TGridImage* I, TValue& V) { V.Integer = Header(I)->FullGrid(); },
     [](TGridImage* I, TValue& V) { Header(I)->SetFullGrid(V.Integer != 0); }},
    {"ID", ipInteger, [](TGridImage* I, TValue& V) { V.Integer = Header(I)->ID(); },
     [](TGridImage* I, TValue& V) { Header(I)->SetID(int32_t(V.Integer)); }},
};

TGridCellIO* Cell(TGridImage* I)
{
    return static_cast<TGridCellIO*>(I);
}

constexpr TImageProperty CellIOProperties[] = {
    {"Col",
     ipInteger,
     [](TGridImage* I, TValue& V) { V.Integer = Cell(I)->Col(); },
     [](TGridImage* I, TValue& V) { Cell(I)->SetCol(uint16_t(V.Integer)); },
     {},
     0,
     UINT16_MAX},
    {"Row",
     ipInteger,
     [](TGridImage* I, TValue& V) { V.Integer = Cell(I)->Row(); },
     [](TGridImage* I, TValue& V) { Cell(I)->SetRow(uint16_t(V.Integer)); },
     {},
     0,
     UINT16_MAX},
    {"Cell", ipString, [](TGridImage* I, TValue& V) { V.Text = Cell(I)->Cell(); },
     [](TGridImage* I, TValue& V) { Cell(I)->SetCell(V.Text); }},
    {"HasProp", ipBoolean, [](TGridImage* I, TValue& V) { V.Integer = Cell(I)->HasProp(); },
     [](TGridImage* I, TValue& V) { Cell(I)->SetHasProp(V.Integer != 0); }},
};

// ---- Cell properties ----

TCellProperties* Props(TGridImage* I)
{
    return static_cast<TGridCellPropIO*>(I)->CellProperties();
}

constexpr TImageProperty CellPropProperties[] = {
    {"CellProperties.IsBaseCell", ipBoolean, [](TGridImage* I, TValue& V) { V.Integer = Props(I)->IsBaseCell(); },
     [](TGridImage* I, TValue& V) { Props(I)->SetIsBaseCell(V.Integer != 0); }},
    {"CellProperties.CellSpanX", ipInteger, [](TGridImage* I, TValue& V) { V.Integer = Props(I)->CellSpanX(); },
     [](TGridImage* I, TValue& V) { Props(I)->SetCellSpanX(int32_t(V.Integer)); }},
    {"CellProperties.CellSpanY", ipInteger, [](TGridImage* I, TValue& V) { V.Integer = Props(I)->CellSpanY(); },
     [](TGridImage* I, TValue& V) { Props(I)->SetCellSpanY(int32_t(V.Integer)); }},
    {"CellProperties.Alignment", ipEnum, [](TGridImage* I, TValue& V) { V.Integer = Props(I)->Alignment(); },
     [](TGridImage* I, TValue& V) { Props(I)->SetAlignment(TAlignment(V.Integer)); }, AlignmentNames},
    {"CellProperties.BorderColor", ipColor, [](TGridImage* I, TValue& V) { V.Integer = Props(I)->BorderColor(); },
     [](TGridImage* I, TValue& V) { Props(I)->SetBorderColor(TColor(V.Integer)); }},
    {"CellProperties.BorderWidth", ipInteger, [](TGridImage* I, TValue& V) { V.Integer = Props(I)->BorderWidth(); },
     [](TGridImage* I, TValue& V) { Props(I)->SetBorderWidth(int32_t(V.Integer)); }},
    {"CellProperties.BrushColor", ipColor, [](TGridImage* I, TValue& V) { V.Integer = Props(I)->BrushColor(); },
     [](TGridImage* I, TValue& V) { Props(I)->SetBrushColor(TColor(V.Integer)); }},
    {"CellProperties.BrushColorTo", ipColor, [](TGridImage* I, TValue& V) { V.Integer = Props(I)->BrushColorTo(); },
     [](TGridImage* I, TValue& V) { Props(I)->SetBrushColorTo(TColor(V.Integer)); }},
    {"CellProperties.BrushStyle", ipEnum, [](TGridImage* I, TValue& V) { V.Integer = Props(I)->BrushStyle(); },
     [](TGridImage* I, TValue& V) { Props(I)->SetBrushStyle(TBrushStyle(V.Integer)); }, BrushStyleNames},
    // Written as the low 32 bits of the number; read, it is left alone.
    {"CellProperties.CellObject", ipInteger,
     [](TGridImage* I, TValue& V) { V.Integer = int32_t(uint32_t(Props(I)->CellObject())); },
     [](TGridImage*, TValue&) {}},
    {"CellProperties.FontColor", ipColor, [](TGridImage* I, TValue& V) { V.Integer = Props(I)->FontColor(); },
     [](TGridImage* I, TValue& V) { Props(I)->SetFontColor(TColor(V.Integer)); }},
    {"CellProperties.FontName", ipString, [](TGridImage* I, TValue& V) { V.Text = Props(I)->FontName(); },
     [](TGridImage* I, TValue& V) { Props(I)->SetFontName(V.Text); }},
    {"CellProperties.FontSize", ipInteger, [](TGridImage* I, TValue& V) { V.Integer = Props(I)->FontSize(); },
     [](TGridImage* I, TValue& V) { Props(I)->SetFontSize(int32_t(V.Integer)); }},
    {"CellProperties.FontStyle", ipSet,
     [](TGridImage* I, TValue& V) { V.Integer = int64_t(Props(I)->FontStyle().ToInt()); },
     [](TGridImage* I, TValue& V) { Props(I)->SetFontStyle(TFontStyles::FromInt(uint64_t(V.Integer))); },
     FontStyleNames},
    {"CellProperties.Editor", ipEnum, [](TGridImage* I, TValue& V) { V.Integer = Props(I)->Editor(); },
     [](TGridImage* I, TValue& V) { Props(I)->SetEditor(TEditorType(V.Integer)); }, EditorNames},
    {"CellProperties.GradientDirection", ipEnum,
     [](TGridImage* I, TValue& V) { V.Integer = Props(I)->GradientDirection(); },
     [](TGridImage* I, TValue& V) { Props(I)->SetGradientDirection(TCellGradientDirection(V.Integer)); },
     GradientNames},
    {"CellProperties.ReadOnly", ipBoolean, [](TGridImage* I, TValue& V) { V.Integer = Props(I)->ReadOnly(); },
     [](TGridImage* I, TValue& V) { Props(I)->SetReadOnly(V.Integer != 0); }},
    {"CellProperties.VAlignment", ipEnum, [](TGridImage* I, TValue& V) { V.Integer = Props(I)->VAlignment(); },
     [](TGridImage* I, TValue& V) { Props(I)->SetVAlignment(TVAlignment(V.Integer)); }, VAlignmentNames},
    {"CellProperties.WordWrap", ipBoolean, [](TGridImage* I, TValue& V) { V.Integer = Props(I)->WordWrap(); },
     [](TGridImage* I, TValue& V) { Props(I)->SetWordWrap(V.Integer != 0); }},
    {"CellProperties.NodeLevel", ipInteger, [](TGridImage* I, TValue& V) { V.Integer = Props(I)->NodeLevel(); },
     [](TGridImage* I, TValue& V) { Props(I)->SetNodeLevel(int32_t(V.Integer)); }},
    // The control's name is written; read, it is not resolved.
    {"CellProperties.Control", ipReference,
     [](TGridImage* I, TValue& V) {
         if (TControl* Control = Props(I)->Control()) V.Text = Control->Name();
     },
     [](TGridImage*, TValue&) {}},
    {"HasGraphic", ipBoolean,
     [](TGridImage* I, TValue& V) { V.Integer = static_cast<TGridCellPropIO*>(I)->HasGraphic(); },
     [](TGridImage* I, TValue& V) { static_cast<TGridCellPropIO*>(I)->SetHasGraphic(V.Integer != 0); }},
};

// ---- Cell graphic ----

TCellGraphic* Graphic(TGridImage* I)
{
    return static_cast<TGridGraphicIO*>(I)->CellGraphic();
}

constexpr TImageProperty GraphicProperties[] = {
    {"CellGraphic.CellType", ipEnum, [](TGridImage* I, TValue& V) { V.Integer = Graphic(I)->CellType(); },
     [](TGridImage* I, TValue& V) { Graphic(I)->SetCellType(TCellType(V.Integer)); }, CellTypeNames},
    {"CellGraphic.CellVAlign", ipEnum, [](TGridImage* I, TValue& V) { V.Integer = Graphic(I)->CellVAlign(); },
     [](TGridImage* I, TValue& V) { Graphic(I)->SetCellVAlign(TCellVAlign(V.Integer)); }, CellVAlignNames},
    {"CellGraphic.CellHAlign", ipEnum, [](TGridImage* I, TValue& V) { V.Integer = Graphic(I)->CellHAlign(); },
     [](TGridImage* I, TValue& V) { Graphic(I)->SetCellHAlign(TCellHAlign(V.Integer)); }, CellHAlignNames},
    {"CellGraphic.CellIndex", ipInteger, [](TGridImage* I, TValue& V) { V.Integer = Graphic(I)->CellIndex(); },
     [](TGridImage* I, TValue& V) { Graphic(I)->SetCellIndex(int32_t(V.Integer)); }},
    {"CellGraphic.CellTransparent", ipBoolean,
     [](TGridImage* I, TValue& V) { V.Integer = Graphic(I)->CellTransparent(); },
     [](TGridImage* I, TValue& V) { Graphic(I)->SetCellTransparent(V.Integer != 0); }},
    {"CellGraphic.CellCreated", ipBoolean, [](TGridImage* I, TValue& V) { V.Integer = Graphic(I)->CellCreated(); },
     [](TGridImage* I, TValue& V) { Graphic(I)->SetCellCreated(V.Integer != 0); }},
    {"CellGraphic.CellBoolean", ipBoolean, [](TGridImage* I, TValue& V) { V.Integer = Graphic(I)->CellBoolean(); },
     [](TGridImage* I, TValue& V) { Graphic(I)->SetCellBoolean(V.Integer != 0); }},
    {"CellGraphic.CellCheckBoxState", ipEnum,
     [](TGridImage* I, TValue& V) { V.Integer = Graphic(I)->CellCheckBoxState(); },
     [](TGridImage* I, TValue& V) { Graphic(I)->SetCellCheckBoxState(TCheckBoxState(V.Integer)); }, CheckBoxStateNames},
    {"CellGraphic.CellAngle", ipInteger, [](TGridImage* I, TValue& V) { V.Integer = Graphic(I)->CellAngle(); },
     [](TGridImage* I, TValue& V) { Graphic(I)->SetCellAngle(int32_t(V.Integer)); }},
    {"CellGraphic.CellValue", ipFloat, [](TGridImage* I, TValue& V) { V.Float = Graphic(I)->CellValue(); },
     [](TGridImage* I, TValue& V) { Graphic(I)->SetCellValue(V.Float); }},
    {"CellGraphic.CellErrFrom", ipInteger, [](TGridImage* I, TValue& V) { V.Integer = Graphic(I)->CellErrFrom(); },
     [](TGridImage* I, TValue& V) { Graphic(I)->SetCellErrFrom(int32_t(V.Integer)); }},
    {"CellGraphic.CellErrLen", ipInteger, [](TGridImage* I, TValue& V) { V.Integer = Graphic(I)->CellErrLen(); },
     [](TGridImage* I, TValue& V) { Graphic(I)->SetCellErrLen(int32_t(V.Integer)); }},
    {"CellGraphic.CellText", ipString, [](TGridImage* I, TValue& V) { V.Text = Graphic(I)->CellText(); },
     [](TGridImage* I, TValue& V) { Graphic(I)->SetCellText(V.Text); }},
};

// ---- Pictures and lists ----

[[noreturn]] void ReadError()
{
    throw EExtGridError(QStringLiteral("Stream read error"));
}

// A 4-byte byte count at Offset that must fit the bytes after it.
void CheckCount(const QByteArray& Data, qsizetype Offset)
{
    if (Data.size() - Offset < 4) ReadError();
    const int32_t Count = qFromLittleEndian<int32_t>(Data.constData() + Offset);
    if (Count < 0 || Count > Data.size() - Offset - 4) ReadError();
}

template <typename T>
std::shared_ptr<T> ReadGraphicData(const QByteArray& Data)
{
    auto Result = std::make_shared<T>();
    TBytesStream Stream(Data);
    Result->ReadData(&Stream);
    return Result;
}

QByteArray WrittenData(const std::function<void(TStream*)>& Write)
{
    TBytesStream Stream;
    Write(&Stream);
    return Stream.Bytes().isNull() ? QByteArray("") : Stream.Bytes();
}

TBitmap* BitmapOf(TGridImage* I)
{
    return static_cast<TGridBMPIO*>(I)->Bitmap();
}

constexpr TImageProperty BitmapProperties[] = {
    {"Bitmap.Data",
     ipData,
     [](TGridImage* I, TValue& V) {
         if (!BitmapOf(I)->Empty()) V.Data = WrittenData([I](TStream* S) { BitmapOf(I)->WriteData(S); });
     },
     [](TGridImage* I, TValue& V) { BitmapOf(I)->Assign(V.Object.get()); },
     {},
     0,
     0,
     [](TValue& V) {
         CheckCount(V.Data, 0);
         V.Object = ReadGraphicData<TBitmap>(V.Data);
     }},
};

TIcon* IconOf(TGridImage* I)
{
    return static_cast<TGridIconIO*>(I)->Icon();
}

constexpr TImageProperty IconProperties[] = {
    {"Icon.Data",
     ipData,
     [](TGridImage* I, TValue& V) {
         if (!IconOf(I)->Empty()) V.Data = WrittenData([I](TStream* S) { IconOf(I)->SaveToStream(S); });
     },
     [](TGridImage* I, TValue& V) { IconOf(I)->Assign(V.Object.get()); },
     {},
     0,
     0,
     [](TValue& V) { V.Object = ReadGraphicData<TIcon>(V.Data); }},
};

TPicture* PictureOf(TGridImage* I)
{
    return static_cast<TGridPicIO*>(I)->Picture();
}

constexpr TImageProperty PictureProperties[] = {
    {"Picture.Data",
     ipData,
     [](TGridImage* I, TValue& V) {
         if (PictureOf(I)->Graphic()) V.Data = WrittenData([I](TStream* S) { PictureOf(I)->WriteData(S); });
     },
     [](TGridImage* I, TValue& V) { PictureOf(I)->Assign(V.Object.get()); },
     {},
     0,
     0,
     [](TValue& V) {
         // The kind's name, then its data; bitmaps and JPEG pictures lead with a byte count.
         if (V.Data.isEmpty()) ReadError();
         const qsizetype NameLength = uint8_t(V.Data[0]);
         if (V.Data.size() < 1 + NameLength) ReadError();
         const QByteArray Kind = V.Data.mid(1, NameLength);
         if (Kind == "TBitmap" || Kind == "TJPEGImage") CheckCount(V.Data, 1 + NameLength);
         V.Object = ReadGraphicData<TPicture>(V.Data);
     }},
};

TFilePicture* FilePictureOf(TGridImage* I)
{
    return static_cast<TGridFilePicIO*>(I)->Picture();
}

constexpr TImageProperty FilePictureProperties[] = {
    {"Picture.Filename", ipString, [](TGridImage* I, TValue& V) { V.Text = FilePictureOf(I)->Filename(); },
     [](TGridImage* I, TValue& V) {
         try {
             FilePictureOf(I)->SetFilename(V.Text);
         } catch (const Exception&) {
             // The name stays, with no size.
         }
     }},
};

TStringList* StringsOf(TGridImage* I)
{
    return static_cast<TGridSLIO*>(I)->Strings();
}

constexpr TImageProperty StringListProperties[] = {
    {"Strings.Strings", ipStrings,
     [](TGridImage* I, TValue& V) {
         for (int32_t i = 0; i < StringsOf(I)->Count(); ++i) V.Lines.append(StringsOf(I)->Strings(i));
     },
     [](TGridImage* I, TValue& V) {
         TStringList* List = StringsOf(I);
         List->BeginUpdate();
         List->Clear();
         for (const QString& Line : std::as_const(V.Lines)) List->Add(Line);
         List->EndUpdate();
     }},
};

constexpr TImageClass HeaderClass{"TGridPropIO", HeaderProperties};
constexpr TImageClass CellClass{"TGridCellIO", CellIOProperties};
constexpr TImageClass CellPropClass{"TGridCellPropIO", CellPropProperties};
constexpr TImageClass GraphicClass{"TGridGraphicIO", GraphicProperties};
constexpr TImageClass BitmapClass{"TGridBMPIO", BitmapProperties};
constexpr TImageClass IconClass{"TGridIconIO", IconProperties};
constexpr TImageClass PictureClass{"TGridPicIO", PictureProperties};
constexpr TImageClass FilePictureClass{"TGridFilePicIO", FilePictureProperties};
constexpr TImageClass StringListClass{"TGridSLIO", StringListProperties};

}  // namespace

const TImageClass& TGridPropIO::ImageClass() const
{
    return HeaderClass;
}
const TImageClass& TGridCellIO::ImageClass() const
{
    return CellClass;
}

TGridCellPropIO::TGridCellPropIO(TComponent* AOwner)
    : TGridImage(AOwner), FCellProperties(std::make_unique<TCellProperties>(nullptr, 0, 0))
{
}
TGridCellPropIO::~TGridCellPropIO() = default;
const TImageClass& TGridCellPropIO::ImageClass() const
{
    return CellPropClass;
}

TGridGraphicIO::TGridGraphicIO(TComponent* AOwner) : TGridImage(AOwner), FCellGraphic(std::make_unique<TCellGraphic>())
{
}
TGridGraphicIO::~TGridGraphicIO() = default;
const TImageClass& TGridGraphicIO::ImageClass() const
{
    return GraphicClass;
}

TGridBMPIO::TGridBMPIO(TComponent* AOwner) : TGridImage(AOwner), FBitmap(std::make_unique<TBitmap>()) {}
TGridBMPIO::~TGridBMPIO() = default;
const TImageClass& TGridBMPIO::ImageClass() const
{
    return BitmapClass;
}

TGridIconIO::TGridIconIO(TComponent* AOwner) : TGridImage(AOwner), FIcon(std::make_unique<TIcon>()) {}
TGridIconIO::~TGridIconIO() = default;
const TImageClass& TGridIconIO::ImageClass() const
{
    return IconClass;
}

TGridPicIO::TGridPicIO(TComponent* AOwner) : TGridImage(AOwner), FPicture(std::make_unique<TPicture>()) {}
TGridPicIO::~TGridPicIO() = default;
const TImageClass& TGridPicIO::ImageClass() const
{
    return PictureClass;
}

TGridFilePicIO::TGridFilePicIO(TComponent* AOwner) : TGridImage(AOwner), FPicture(std::make_unique<TFilePicture>()) {}
TGridFilePicIO::~TGridFilePicIO() = default;
const TImageClass& TGridFilePicIO::ImageClass() const
{
    return FilePictureClass;
}

TGridSLIO::TGridSLIO(TComponent* AOwner) : TGridImage(AOwner), FStrings(std::make_unique<TStringList>()) {}
TGridSLIO::~TGridSLIO() = default;
const TImageClass& TGridSLIO::ImageClass() const
{
    return StringListClass;
}
