// TExtStringGrid: making, finding and removing cell graphics, their sizes on screen and paper,
// the displayed text, typed access (integers, floats, control values) and the version.
#include "grid/core/ExtGrid.h"

#include "grid/base/EsgHTMLE.h"
#include "grid/base/ExtUtil.h"
#include "grid/base/FilePicture.h"
#include "grid/base/GridSettings.h"
#include "grid/base/GridSupport.h"
#include "grid/core/CellGraphic.h"
#include "grid/core/ControlLook.h"
#include "grid/core/GridOptions.h"
#include "grid/core/SortSettings.h"

#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "graphics/Icon.h"
#include "graphics/ImageList.h"
#include "rtl/Format.h"
#include "rtl/FormatSettings.h"
#include "rtl/NumConv.h"
#include "rtl/Strings.h"

#include <algorithm>

// ---------------------------------------------------------------------------------------------
// Finding, making and removing graphics
// ---------------------------------------------------------------------------------------------

TCellGraphic* TExtStringGrid::GetCellGraphic(int32_t ACol, int32_t ARow)
{
    TCellGraphic* Graphic =
        ACol >= 0 && ARow >= 0 ? dynamic_cast<TCellGraphic*>(GetGraphicObjectEx(ACol, ARow)) : nullptr;
    if (ACol != 0 || !FMouseActions->HotmailRowSelect()) return Graphic;

    TCellGraphic* Shared = FCellGraphic.get();
    Shared->SetCellType(ctRowCheckBox);
    if (ARow == 0) {
        const int32_t Selected = SelectedRowCount();
        const int32_t DataRows = RowCount() - FixedRows();
        Shared->SetCellAngle(Selected > 0 && Selected < DataRows ? 1 : 0);
        Shared->SetCellBoolean(Selected >= DataRows);
    } else {
        Shared->SetCellAngle(0);
        Shared->SetCellBoolean(RowSelect(RealRowIndex(ARow)));
    }
    Shared->SetCellTransparent(FControlLook->ControlStyle() == csFlat);
    return Shared;
}

TCellType TExtStringGrid::GetCellType(int32_t ACol, int32_t ARow)
{
    if (ACol < 0 || ARow < 0) return ctEmpty;
    if (ACol == 0 && FMouseActions->HotmailRowSelect()) return ctRowCheckBox;
    const auto* Graphic = dynamic_cast<TCellGraphic*>(GetGraphicObjectEx(ACol, ARow));
    return Graphic ? Graphic->CellType() : ctEmpty;
}

TCellGraphic* TExtStringGrid::NewCellGraphic(int32_t ACol, int32_t ARow)
{
    if (auto* Old = dynamic_cast<TCellGraphic*>(GetGraphicObjectEx(ACol, ARow))) {
        GetCellProperties(ACol, ARow)->SetGraphicObject(nullptr);
        if (!IsSharedGraphic(Old)) delete Old;
    }
    auto* Graphic = new TCellGraphic();
    // An empty cell gets a blank text for the moment, so that the grid keeps the object.
    SetGraphicObjectEx(ACol, ARow, Graphic);
    if (FNumHidden > 0 && DisplColIndex(ACol) != ACol) RepaintCell(DisplColIndex(ACol), ARow);
    return Graphic;
}

bool TExtStringGrid::RemoveCellGraphic(int32_t ACol, int32_t ARow)
{
    auto* Graphic = dynamic_cast<TCellGraphic*>(GetGraphicObjectEx(ACol, ARow));
    if (!Graphic) return false;
    GetCellProperties(ACol, ARow)->SetGraphicObject(nullptr);
    if (Graphic->CellType() != ctVirtCheckBox && Graphic->CellType() != ctRowCheckBox) delete Graphic;
    if (!IsDestroying()) RepaintCell(ACol, ARow);
    return true;
}

bool TExtStringGrid::RemoveCellGraphicOfType(int32_t ACol, int32_t ARow, TCellType Kind)
{
    return GetCellType(ACol, ARow) == Kind && RemoveCellGraphic(ACol, ARow);
}

TCellGraphic* TExtStringGrid::BaseCellGraphic(int32_t ACol, int32_t ARow)
{
    if (ACol < 0 || ARow < 0) return nullptr;
    const TPoint Base = BaseCell(ACol, ARow);
    return GetCellGraphic(Base.X, Base.Y);
}

TCellGraphic* TExtStringGrid::GraphicOfType(int32_t ACol, int32_t ARow, TCellType Kind)
{
    TCellGraphic* Graphic = GetCellGraphic(ACol, ARow);
    return Graphic && Graphic->CellType() == Kind ? Graphic : nullptr;
}

bool TExtStringGrid::IsCellTypeIn(int32_t ACol, int32_t ARow, const TCellTypes& Kinds)
{
    const TCellGraphic* Graphic = BaseCellGraphic(ACol, ARow);
    return Graphic && Kinds.Contains(Graphic->CellType());
}

bool TExtStringGrid::IsControlCell(int32_t ACol, int32_t ARow)
{
    if (ACol < 0 || ARow < 0) return false;
    const TPoint Base = BaseCell(ACol, ARow);
    return ControlCellTypes.Contains(GetCellType(Base.X, Base.Y));
}

bool IsDataCellType(TExtStringGrid* Grid, int32_t ACol, int32_t ARow)
{
    if (ACol < 0 || ARow < 0) return false;
    const TPoint Base = Grid->BaseCell(ACol, ARow);
    return DataCellTypes.Contains(Grid->GetCellType(Base.X, Base.Y));
}

TIntList* TExtStringGrid::GetCellImages(int32_t ACol, int32_t ARow)
{
    const TCellGraphic* Graphic = GraphicOfType(ACol, ARow, ctImages);
    return Graphic ? Graphic->CellImages() : nullptr;
}

intptr_t TExtStringGrid::GetCellImageKey(int32_t ACol, int32_t ARow)
{
    const TCellGraphic* Graphic = GetCellGraphic(ACol, ARow);
    if (!Graphic) return -1;
    switch (Graphic->CellType()) {
    case ctBitmap: return reinterpret_cast<intptr_t>(Graphic->CellBitmap());
    case ctIcon: return reinterpret_cast<intptr_t>(Graphic->CellIcon());
    case ctImageList: return Graphic->CellIndex();
    default: return -1;
    }
}

TCustomImageList* TExtStringGrid::GetGridImages()
{
    return FGridImages;
}

void TExtStringGrid::RepaintHeaderCells(int32_t OldCol, int32_t OldRow, int32_t NewCol, int32_t NewRow)
{
    for (const TPoint Cell : {TPoint{OldCol, OldRow}, TPoint{NewCol, NewRow}}) {
        if (FixedRows() > 0) RepaintCell(Cell.X, FixedRows() - 1);
        if (FixedCols() > 0) RepaintCell(FixedCols() - 1, Cell.Y);
    }
}

bool TExtStringGrid::IsSortIndicatorRow(int32_t ACol, int32_t ARow)
{
    int32_t Row = ARow;
    if (IsMergedCell(ACol, ARow)) Row = FullCell(ACol, ARow).Bottom;
    return Row == FSortSettings->Row() && FSortSettings->Show() && RowCount() > FixedRows() + 1;
}

// ---------------------------------------------------------------------------------------------
// Sizes of graphics
// ---------------------------------------------------------------------------------------------

TPoint TExtStringGrid::GetCellGraphicSize(int32_t ACol, int32_t ARow)
{
    return GetCellGraphicExtent(ACol, ARow, 0);
}

namespace {

// The two sizes the interfaced object of a ctInterface cell reports; (0, 0) when it draws nothing.
TPoint InterfacedSize(const TCellGraphic* Graphic)
{
    auto* Drawer = dynamic_cast<IGridCellDrawer*>(Graphic->CellObject());
    return Drawer ? TPoint{Drawer->GetWidth(), Drawer->GetHeight()} : TPoint{};
}

}  // namespace

TPoint TExtStringGrid::GetCellGraphicExtent(int32_t ACol, int32_t ARow, int32_t ReservedHeight)
{
    const TCellGraphic* G = GetCellGraphic(ACol, ARow);
    if (!G) return {};
    const bool HasText = !GetCellEx(ACol, ARow).isEmpty();
    const TCellHAlign HAlign = G->CellHAlign();
    const TCellVAlign VAlign = G->CellVAlign();
    const bool Beside = HAlign == haBeforeText || HAlign == haAfterText;
    const bool Stacked = VAlign == vaUnderText || VAlign == vaAboveText;
    const TPoint Cell = CellSize(DisplColIndex(ACol), ARow);
    TCustomImageList* Images = GetGridImages();
    const int32_t ImageW = Images ? Images->Width() : 0;
    const int32_t ImageH = Images ? Images->Height() : 0;
    TCanvas* C = Canvas();
    bool SkipStretch = false;
    TPoint Size;

    switch (G->CellType()) {
    case ctBitmap:
        if (const TBitmap* Bmp = G->CellBitmap())
            Size = {Beside || !HasText ? Bmp->Width() : 0, Stacked || !HasText ? Bmp->Height() : 0};
        break;
    case ctIcon:
        if (const TIcon* Icon = G->CellIcon()) Size = {Beside || !HasText ? Icon->Width() : 0, Icon->Height()};
        break;
    case ctImageList:
    case ctDataImage: Size = {Beside || !HasText ? ImageW : 0, Stacked || !HasText ? ImageH : 0}; break;
    case ctCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
    case ctTriStateCheckBox: Size = {FControlLook->CheckSize(), FControlLook->CheckSize()}; break;
    case ctRadioButton: Size = {FControlLook->RadioSize(), FControlLook->RadioSize()}; break;
    case ctRadio:
        if (TStrings* Options = G->CellStrings()) {
            if (G->CellBoolean()) {
                for (int32_t I = 0; I < Options->Count(); ++I) Size.X += C->TextWidth(Options->Strings(I)) + 12;
                Size.Y = C->TextHeight(QStringLiteral("gh"));
            } else {
                int32_t Widest = 0;
                for (int32_t I = 0; I < Options->Count(); ++I)
                    Widest = std::max(Widest, C->TextWidth(Options->Strings(I)));
                Size = {12 + Widest, std::max(16, C->TextHeight(QStringLiteral("gh"))) * Options->Count()};
            }
        }
        break;
    case ctImages:
        if (const TIntList* List = G->CellImages()) {
            const int32_t N = List->Count();
            Size = G->CellBoolean() ? TPoint{N * ImageW, ImageH} : TPoint{ImageW, N * ImageH};
        }
        break;
    case ctPicture:
    case ctFilePicture:
        Size = G->GetPictureSize(Cell.X - 1 - TotalXOffset(), Cell.Y - 1 - TotalYOffset() - ReservedHeight, HasText);
        break;
    case ctButton:
    case ctBitButton: {
        const QString Caption = G->CellText();
        Size = {G->CellIndex() & 0xFFFF, static_cast<int32_t>(static_cast<uint32_t>(G->CellIndex()) >> 16)};
        if (HasText) {
            if (HAlign == haCenter) Size.X = 0;
            if (HAlign == haFull) Size.X = C->TextWidth(Caption) + 4;
            if (!Stacked) Size.Y = 0;
            else Size.X = 0;
        } else if (HAlign == haFull) {
            Size.X = C->TextWidth(Caption) + 4;
            SkipStretch = !Caption.isEmpty();
        }
        break;
    }
    case ctProgressPie: Size = {20, 20}; break;
    case ctInterface: {
        Size = InterfacedSize(G);
        if (Size.X == 0 || Size.Y == 0) Size = Cell;
        break;
    }
    case ctRating:
        Size = {G->CellAngle() * 18, 16};
        SkipStretch = true;
        break;
    default: break;
    }
    if (VAlign == vaFull) Size.Y = Cell.Y;
    if (HAlign == haFull && !SkipStretch) Size.X = Cell.X;
    return Size;
}

TPoint TExtStringGrid::GetCellGraphicPrintSize(int32_t ACol, int32_t ARow, int32_t AWidth, int32_t AHeight,
                                               double AScale)
{
    const TCellGraphic* G = GetCellGraphic(ACol, ARow);
    if (!G) return {};
    TCustomImageList* Images = GetGridImages();
    const int32_t ImageW = Images ? Images->Width() : 0;
    const int32_t ImageH = Images ? Images->Height() : 0;
    switch (G->CellType()) {
    case ctBitmap:
        if (const TBitmap* Bmp = G->CellBitmap()) return {Bmp->Width(), Bmp->Height()};
        return {};
    case ctIcon:
        if (const TIcon* Icon = G->CellIcon()) return {Icon->Width(), Icon->Height()};
        return {};
    case ctImageList: {
        const bool Beside = G->CellHAlign() == haBeforeText || G->CellHAlign() == haAfterText;
        return {Beside || GetCellEx(ACol, ARow).isEmpty() ? ImageW : 0, ImageH};
    }
    case ctDataImage: return {ImageW, ImageH};
    case ctCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
    case ctTriStateCheckBox: return {FControlLook->CheckSize(), FControlLook->CheckSize()};
    case ctRadioButton: return {FControlLook->RadioSize(), FControlLook->RadioSize()};
    case ctNode:
    case ctProgressPie: return {20, 20};
    case ctRadio:
    case ctImages: return GetCellGraphicExtent(ACol, ARow, 0);
    case ctPicture:
    case ctFilePicture: {
        const auto Scaled = [AScale](int32_t Side) {
            return static_cast<int32_t>(RoundHalfEven(static_cast<long double>(Side) / AScale));
        };
        return G->GetPictureSize(Scaled(AWidth), Scaled(AHeight), !GetCellEx(ACol, ARow).isEmpty());
    }
    case ctProgress:
    case ctXPProgress: return {ColWidths(DisplColIndex(ACol)), RowHeights(ARow)};
    case ctButton:
    case ctBitButton:
        return {G->CellIndex() & 0xFFFF, static_cast<int32_t>(static_cast<uint32_t>(G->CellIndex()) >> 16)};
    case ctInterface: {
        TPoint Size = InterfacedSize(G);
        const TPoint Cell = CellSize(DisplColIndex(ACol), ARow);
        if (Size.X == 0) Size.X = Cell.X;
        if (Size.Y == 0) Size.Y = Cell.Y;
        return Size;
    }
    case ctShape: {
        const int32_t Side = RowHeights(ARow) - 2 * FXYOffset.Y;
        return {Side, Side};
    }
    default: return {};
    }
}

// ---------------------------------------------------------------------------------------------
// Displayed text
// ---------------------------------------------------------------------------------------------

void TExtStringGrid::GetDisplText(int32_t ACol, int32_t ARow, QString& Value)
{
    TBaseGrid::GetDisplText(ACol, ARow, Value);
    if (FURLShowInText) {
        static const char* const Prefixes[] = {"HTTP://", "WWW.",   "MAILTO:", "HTTPS://",
                                               "NNTP://", "FILE://", "FTP://"};
        for (const char* Prefix : Prefixes) {
            QString Result;
            if (InsertURLAnchor(Value, QString::fromLatin1(Prefix), Result)) {
                Value = Result;
                break;
            }
        }
    }
    if (FGrouping->ShowGroupCount() && ACol == 1 && IsNode(ARow)) {
        const int32_t N = GetNodeSpan(ARow) - GetSubNodeCount(ARow) - 1;
        if (!FGrouping->GroupCountFormat().isEmpty()) Value += Format(FGrouping->GroupCountFormat(), {N});
        else Value += QStringLiteral(" (") + QString::number(N) + QLatin1Char(')');
    }
}

// ---------------------------------------------------------------------------------------------
// Typed access
// ---------------------------------------------------------------------------------------------

namespace {

int32_t ToInt(QString Text)
{
    Text = Text.trimmed();
    if (Text.isEmpty() || Text == QStringLiteral("-")) Text = QStringLiteral("0");
    int32_t Value = 0;
    if (!TryStrToInt(Text, Value)) throw EExtGridError(QStringLiteral("Cell does not contain integer value"));
    return Value;
}

double ToFloat(const QString& Text)
{
    QString Number = NormalizeNumberText(Text);
    // Only an empty text or a lone "-" reads as 0; a text whose normalising kept nothing is no number.
    if (Number.isEmpty() || Number == QStringLiteral("-")) {
        const QString Plain = Text.trimmed();
        if (!Plain.isEmpty() && Plain != QStringLiteral("-"))
            throw EExtGridError(QStringLiteral("Cell does not contain a float value"));
        Number = QStringLiteral("0");
    }
    TFormatSettings Settings = FormatSettings();
    Settings.DecimalSeparator = QLatin1Char('.');
    double Value = 0;
    if (!TryStrToFloat(Number, Value, Settings))
        throw EExtGridError(QStringLiteral("Cell does not contain a float value"));
    return Value;
}

}  // namespace

int32_t TExtStringGrid::Ints(int32_t ACol, int32_t ARow)
{
    return ToInt(StrippedCells(ACol, ARow));
}

void TExtStringGrid::SetInts(int32_t ACol, int32_t ARow, int32_t Value)
{
    SetCellEx(ACol, ARow, QString::number(Value));
    if (FNumHidden > 0) RepaintCell(DisplColIndex(ACol), ARow);
}

int32_t TExtStringGrid::AllInts(int32_t ACol, int32_t ARow)
{
    return ToInt(AllCells(ACol, ARow));
}

void TExtStringGrid::SetAllInts(int32_t ACol, int32_t ARow, int32_t Value)
{
    SetAllCells(ACol, ARow, QString::number(Value));
}

double TExtStringGrid::Floats(int32_t ACol, int32_t ARow)
{
    return ToFloat(StrippedCells(ACol, ARow));
}

void TExtStringGrid::SetFloats(int32_t ACol, int32_t ARow, double Value)
{
    QString Fmt;
    GetFloatFormat(ACol, ARow, Fmt);
    SetCellEx(ACol, ARow, Format(Fmt, {Value}));
}

double TExtStringGrid::AllFloats(int32_t ACol, int32_t ARow)
{
    return ToFloat(AllCells(ACol, ARow));
}

void TExtStringGrid::SetAllFloats(int32_t ACol, int32_t ARow, double Value)
{
    SetAllCells(ACol, ARow, Format(FFloatFormat, {Value}));
}

QString TExtStringGrid::ControlValues(int32_t ACol, int32_t ARow, const QString& ID)
{
    QString Value;
    GetControlValue(GetCellEx(ACol, ARow), ID, Value);
    return Value;
}

void TExtStringGrid::SetControlValues(int32_t ACol, int32_t ARow, const QString& ID, const QString& Value)
{
    QString Text = GetCellEx(ACol, ARow);
    if (SetControlValue(Text, ID, Value)) SetCellEx(ACol, ARow, Text);
}

int32_t TExtStringGrid::GetVersionNr() const
{
    return 0x06020103;
}

QString TExtStringGrid::GetVersionString() const
{
    return Version();
}

QString TExtStringGrid::Version() const
{
    const auto Nr = static_cast<uint32_t>(GetVersionNr());
    return QStringLiteral("%1.%2.%3.%4").arg(Nr >> 24).arg((Nr >> 16) & 0xFF).arg((Nr >> 8) & 0xFF).arg(Nr & 0xFF);
}
