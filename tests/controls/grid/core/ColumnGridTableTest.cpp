// A column grid shaped like the Modbus read table (a header row, row numbers in fixed column 0, 512
// data rows, normal, combo list, data check box and read-only columns) at store and API level.
#include "grid/core/ColumnGrid.h"

#include "grid/core/CellGraphic.h"
#include "grid/core/ControlLook.h"
#include "grid/view/GridEditors.h"

#include "support/Artifacts.h"
#include "support/Render.h"

#include "graphics/GraphicsObjects.h"
#include "rtl/Strings.h"
#include "windows/Forms.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QRect>

#include <cstdlib>
#include <memory>
#include <utility>

namespace {

struct TColumnShape {
    const char* Header;
    TEditorType Editor;
    int32_t Width;
    bool ReadOnly;
};

const TColumnShape Shape[] = {
    {"N", edNormal, 40, false},
    {"Slave ID", edNormal, 53, false},
    {"Type", edComboList, 115, false},
    {"Address", edNormal, 52, false},
    {"NPoint", edNormal, 42, false},
    {"Poll Time", edNormal, 57, false},
    {"Max Error", edNormal, 61, false},
    {"Position", edComboList, 55, false},
    {"Start Bit", edComboList, 55, false},
    {"Swap", edDataCheckBox, 36, false},
    {"Mnemonic", edNormal, 276, true},
};
constexpr int32_t ColumnCount = 11;

class ColumnGridTableTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form.reset(New<TForm>(nullptr));
        Form->SetClientWidth(900);
        Form->SetClientHeight(337);
        Grid = New<TExtColumnGrid>(Form.get());
        Grid->SetParent(Form.get());
        Grid->SetBounds(0, 0, 900, 337);
        Grid->SetColCount(ColumnCount);
        Grid->SetRowCount(513);
        Grid->SetFixedRows(1);
        Grid->SetFixedCols(1);
        for (int32_t c = 0; c < ColumnCount; ++c) {
            TGridColumnItem* Item = Grid->Columns()->Items(c);
            Item->SetHeader(QString::fromLatin1(Shape[c].Header));
            Item->SetEditor(Shape[c].Editor);
            Item->SetReadOnly(Shape[c].ReadOnly);
            Item->SetWidth(Shape[c].Width);
        }
        TGridColumnItem* Type = Grid->Columns()->Items(2);
        for (const char* T : {"Coil Status", "Input Status", "Holding Register", "Input Register"})
            Type->ComboItems()->Add(QString::fromLatin1(T));
        Type->SetDropDownCount(4);
        for (int32_t p = 0; p < 500; ++p) Grid->Columns()->Items(7)->ComboItems()->Add(QString::number(p));
        for (int32_t b = 0; b < 8; ++b) Grid->Columns()->Items(8)->ComboItems()->Add(QString::number(b));
        Grid->Columns()->Items(9)->SetCheckTrue(QStringLiteral("Y"));
        Grid->Columns()->Items(9)->SetCheckFalse(QStringLiteral("N"));
        for (int32_t r = 1; r < 513; ++r) Grid->SetCells(0, r, QString::number(r));
        Grid->SetCells(1, 1, QStringLiteral("1"));
        Grid->SetCells(2, 1, QStringLiteral("Holding Register"));
        Grid->SetCells(3, 1, QStringLiteral("40001"));
        Grid->SetCells(9, 1, QStringLiteral("Y"));
        Grid->SetCells(9, 2, QStringLiteral("N"));
        Grid->SetCells(10, 1, QStringLiteral("Pump speed"));
    }

    std::unique_ptr<TForm> Form;
    TExtColumnGrid* Grid = nullptr;
};

// The bounding box of the pixels of Area that stand clearly apart from Background.
QRect InkIn(const QImage& Image, const QRect& Area, QRgb Background)
{
    QRect Box;
    for (int y = Area.top(); y <= Area.bottom(); ++y)
        for (int x = Area.left(); x <= Area.right(); ++x) {
            const QRgb P = Image.pixel(x, y);
            const int D = std::abs(qRed(P) - qRed(Background)) + std::abs(qGreen(P) - qGreen(Background)) +
                          std::abs(qBlue(P) - qBlue(Background));
            if (D > 150) Box |= QRect(x, y, 1, 1);
        }
    return Box;
}

}  // namespace

TEST_F(ColumnGridTableTest, HeadersEditorsAndEditRightsPerColumn)
{
    for (int32_t c = 0; c < ColumnCount; ++c) {
        SCOPED_TRACE(Shape[c].Header);
        EXPECT_EQ(Grid->Cells(c, 0), QString::fromLatin1(Shape[c].Header));
        EXPECT_EQ(Grid->ColWidths(c), Shape[c].Width);
        TEditorType Editor = edNone;
        Grid->GetEditorType(c, 5, Editor);
        if (c > 0) {
            EXPECT_EQ(Editor, Shape[c].Editor);
        }
        const bool Combo = Shape[c].Editor == edComboList && c > 0;
        EXPECT_EQ(Grid->HasComboBox(c, 5), Combo);
        EXPECT_EQ(Grid->HasComboBox(c, 512), Combo);
        EXPECT_FALSE(Grid->HasComboBox(c, 0));
        EXPECT_EQ(Grid->CanEdit(c, 5), c > 0 && !Shape[c].ReadOnly);
        EXPECT_FALSE(Grid->CanEdit(c, 0));
    }
    EXPECT_EQ(Grid->ColumnHeaders()->Count(), ColumnCount);
    EXPECT_EQ(Grid->ColumnByHeader(QStringLiteral("Swap")), 9);
    TEditorType Editor = edNormal;
    Grid->GetEditorType(2, 5, Editor);
    EXPECT_EQ(Grid->ControlLook()->DropDownCount(), 4);
}

TEST_F(ColumnGridTableTest, CheckColumnReadsAndWritesYAndN)
{
    for (int32_t r : {1, 2, 3, 512}) {
        SCOPED_TRACE(r);
        EXPECT_EQ(Grid->GetCellType(9, r), ctDataCheckBox);
        EXPECT_EQ(Grid->GetCellGraphic(9, r), Grid->GetCellGraphic(9, 1));
    }
    EXPECT_EQ(Grid->GetCellType(9, 0), ctEmpty);
    EXPECT_EQ(Grid->GetCellGraphic(9, 0), nullptr);
    EXPECT_TRUE(Grid->IsChecked(9, 1));
    EXPECT_FALSE(Grid->IsChecked(9, 2));
    EXPECT_FALSE(Grid->IsChecked(9, 3)) << "an empty cell reads unchecked";
    Grid->ToggleCheckBox(9, 3);
    EXPECT_EQ(Grid->Cells(9, 3), "Y");
    Grid->ToggleCheckBox(9, 1);
    EXPECT_EQ(Grid->Cells(9, 1), "N");
    Grid->OnGetCheckTrue = [](TObject*, int32_t, int32_t, QString& V) { V = QStringLiteral("1"); };
    EXPECT_EQ(Grid->CheckTrueOf(9, 4), "Y") << "the column beats the event";
}

TEST_F(ColumnGridTableTest, AutoSizeAndRendering)
{
    Grid->AutoSizeCol(10);
    EXPECT_GT(Grid->ColWidths(10), 0);
    EXPECT_EQ(Grid->Columns()->Items(10)->Width(), Grid->ColWidths(10));
    Form->Show();
    ProcessPendingEvents();
    const QImage Image = RenderControl(Grid);
    SaveArtifact(Image, QStringLiteral("column-grid-modbus-table"));
    ASSERT_FALSE(Image.isNull());
    EXPECT_EQ(Image.width(), Grid->Width());
}

TEST_F(ColumnGridTableTest, EditComboTakesEachColumnsChoices)
{
    struct {
        int32_t Col;
        int32_t Count;
        const char* First;
        const char* Last;
        int32_t DropDownCount;
    } Cases[] = {
        {2, 4, "Coil Status", "Input Register", 4},
        {7, 500, "0", "499", 8},
        {8, 8, "0", "7", 8},
        {3, 0, "", "", 8},
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(Shape[C.Col].Header);
        TEditorType Editor = edNone;
        Grid->GetEditorType(C.Col, 200, Editor);
        EXPECT_EQ(Editor, Shape[C.Col].Editor);
        TStrings* Items = Grid->EditCombo->Items();
        ASSERT_EQ(Items->Count(), C.Count);
        if (C.Count > 0) {
            EXPECT_EQ(Items->Strings(0), QString::fromLatin1(C.First));
            EXPECT_EQ(Items->Strings(C.Count - 1), QString::fromLatin1(C.Last));
        }
        EXPECT_EQ(Grid->EditCombo->DropDownCount(), C.DropDownCount);
    }
}

TEST_F(ColumnGridTableTest, RendersHeadersAndTextsWhereTheColumnsAnswerColoursAndAlignment)
{
    const TColor ReadOnlyColor = 0x00D8F4FF;
    Grid->Columns()->Items(10)->SetColor(ReadOnlyColor);
    Grid->Columns()->Items(1)->SetHeaderAlignment(taCenter);
    Grid->Columns()->Items(3)->SetAlignment(taRightJustify);
    Grid->SetCells(1, 2, QStringLiteral("17"));
    Grid->SetCells(3, 2, QStringLiteral("7"));
    Grid->SetCol(5);
    Grid->SetRow(6);

    // What the painting asks of the columns.
    struct {
        int32_t Col, Row;
        TColor Brush;
        TAlignment Align;
    } Looks[] = {
        {10, 1, ReadOnlyColor, taLeftJustify}, {10, 400, ReadOnlyColor, taLeftJustify},
        {10, 0, clWhite, taLeftJustify},       {3, 2, clWindow, taRightJustify},
        {1, 0, clWhite, taCenter},             {1, 2, clWindow, taLeftJustify},
    };
    for (const auto& L : Looks) {
        SCOPED_TRACE(testing::Message() << L.Col << "," << L.Row);
        TBrush Brush;
        TFont Font;
        Brush.SetColor(L.Row == 0 ? clWhite : clWindow);
        Grid->GetCellColor(L.Col, L.Row, {}, &Brush, &Font);
        EXPECT_EQ(Brush.Color(), L.Brush);
        TAlignment H = taLeftJustify;
        TVAlignment V = vtaTop;
        Grid->GetAlignment(L.Col, L.Row, H, V);
        EXPECT_EQ(H, L.Align);
    }

    Form->Show();
    ProcessPendingEvents();
    const QImage Image = RenderControl(Grid);
    SaveArtifact(Image, QStringLiteral("column-grid-modbus-read"));
    ASSERT_FALSE(Image.isNull());
    const auto Inner = [&](int32_t C, int32_t R) {
        const TRect Cell = Grid->CellRect(C, R);
        return QRect(Cell.Left + 2, Cell.Top + 2, Cell.Width() - 4, Cell.Height() - 4);
    };
    const auto Ink = [&](int32_t C, int32_t R) { return InkIn(Image, Inner(C, R), Image.pixel(Inner(C, R).topLeft())); };

    // Every header in row 0, as wide as its measured text.
    Grid->Canvas()->SetFont(Grid->Font());
    for (int32_t c = 0; c < ColumnCount; ++c) {
        SCOPED_TRACE(Shape[c].Header);
        const QRect Header = Ink(c, 0);
        ASSERT_FALSE(Header.isEmpty());
        const int32_t Measured = Grid->Canvas()->TextWidth(QString::fromLatin1(Shape[c].Header));
        EXPECT_LE(Header.width(), Measured + 1);
        EXPECT_GE(Header.width(), Measured / 2);
    }
    // Row numbers down column 0 and the texts of the first rows; empty cells stay blank.
    for (int32_t r = 1; r <= 12; ++r) EXPECT_FALSE(Ink(0, r).isEmpty()) << r;
    for (auto [c, r] : {std::pair{1, 1}, {2, 1}, {3, 1}, {9, 1}, {10, 1}, {1, 2}, {3, 2}, {9, 2}})
        EXPECT_FALSE(Ink(c, r).isEmpty()) << c << "," << r;
    for (auto [c, r] : {std::pair{2, 2}, {4, 1}, {10, 2}}) EXPECT_TRUE(Ink(c, r).isEmpty()) << c << "," << r;
    EXPECT_FALSE(Ink(9, 3).isEmpty()) << "the Swap column's check box";
    EXPECT_GT(Ink(2, 1).width(), Ink(1, 1).width()) << "Holding Register is wider than 1";

    // The read-only column's colour fills its data cells; the right-aligned column's text ends at
    // the cell's right, a left-aligned one starts at its left, the centred header stands midway.
    EXPECT_EQ(Image.pixel(Inner(10, 1).topLeft()) & 0xFFFFFF, qRgb(0xFF, 0xF4, 0xD8) & 0xFFFFFF);
    EXPECT_NE(Image.pixel(Inner(10, 0).topLeft()) & 0xFFFFFF, qRgb(0xFF, 0xF4, 0xD8) & 0xFFFFFF);
    const auto Gaps = [&](int32_t C, int32_t R) {
        return std::pair{Ink(C, R).left() - Inner(C, R).left(), Inner(C, R).right() - Ink(C, R).right()};
    };
    EXPECT_GT(Gaps(3, 2).first, Gaps(3, 2).second);
    EXPECT_LT(Gaps(1, 2).first, Gaps(1, 2).second);
    EXPECT_LE(std::abs(Gaps(1, 0).first - Gaps(1, 0).second), 6);
}

TEST_F(ColumnGridTableTest, RendersItsComboAndCheckBoxColumns)
{
    Grid->ControlLook()->SetDropDownAlwaysVisible(true);
    Grid->SetCells(9, 4, QStringLiteral("Y"));
    Grid->SetCells(9, 5, QStringLiteral("N"));
    Grid->SetCol(1);
    Grid->SetRow(8);
    Form->Show();
    ProcessPendingEvents();
    const auto Render = [&] {
        const QImage Image = RenderControl(Grid);
        const TPoint Outer = Form->ClientToScreen(Point(Grid->Left(), Grid->Top()));
        const TPoint Border = Point(Grid->ClientOrigin().X - Outer.X, Grid->ClientOrigin().Y - Outer.Y);
        return Image.copy(Border.X, Border.Y, Grid->ClientWidth(), Grid->ClientHeight());
    };
    const QRgb Shadow = qRgb(128, 128, 128);
    const QRgb Face = qRgb(212, 208, 200);
    // The check box of a cell: its sunken frame's top-left corner and the colour in its middle.
    const auto Box = [&](const QImage& Image, int32_t Row) {
        const TRect Cell = Grid->CellRect(9, Row);
        QRect Frame;
        for (int y = Cell.Top; y < Cell.Bottom; ++y)
            for (int x = Cell.Left; x < Cell.Right; ++x)
                if ((Image.pixel(x, y) & 0xFFFFFF) == (Shadow & 0xFFFFFF)) Frame |= QRect(x, y, 1, 1);
        return std::pair{Frame, Frame.isEmpty() ? QRgb(0) : Image.pixel(Frame.left() + 7, Frame.top() + 8) & 0xFFFFFF};
    };

    QImage Image = Render();
    SaveArtifact(Image, QStringLiteral("column-grid-modbus-check-and-combo"));
    struct {
        int32_t Row;
        QRgb Middle;
    } Cases[] = {{1, qRgb(0, 0, 0)}, {2, qRgb(255, 255, 255)}, {3, qRgb(255, 255, 255)},
                 {4, qRgb(0, 0, 0)}, {5, qRgb(255, 255, 255)}, {512, qRgb(255, 255, 255)}};
    for (const auto& C : Cases) {
        if (C.Row > 12) continue;
        SCOPED_TRACE(C.Row);
        const auto [Frame, Middle] = Box(Image, C.Row);
        ASSERT_FALSE(Frame.isEmpty());
        EXPECT_EQ(Frame.width(), 14) << "a CheckSize box, its lower and right edges light";
        // One past the grid line, the layer's offset and the box's own pixel.
        EXPECT_EQ(Frame.left(), Grid->CellRect(9, C.Row).Left + 3);
        EXPECT_EQ(Middle, C.Middle & 0xFFFFFF);
    }
    // No "Y" or "N" text beside the boxes: only the box's pixels are dark.
    const TRect Swap = Grid->CellRect(9, 1);
    const QRect Ink = InkIn(Image, QRect(Swap.Left + 18, Swap.Top + 1, Swap.Width() - 20, Swap.Height() - 2),
                            Image.pixel(Swap.Right - 3, Swap.Top + 3));
    EXPECT_TRUE(Ink.isEmpty());

    // The combo columns show their drop-down buttons at the right edge.
    for (int32_t c : {2, 7, 8}) {
        const TRect Cell = Grid->CellRect(c, 3);
        int32_t FaceCount = 0;
        for (int y = Cell.Top + 2; y < Cell.Bottom - 2; ++y)
            for (int x = Cell.Right - 16; x < Cell.Right - 1; ++x)
                FaceCount += (Image.pixel(x, y) & 0xFFFFFF) == (Face & 0xFFFFFF);
        EXPECT_GT(FaceCount, 40) << c;
    }

    // A read-only check column draws its boxes disabled: face colour inside, a grey tick.
    Grid->Columns()->Items(9)->SetReadOnly(true);
    Image = Render();
    SaveArtifact(Image, QStringLiteral("column-grid-modbus-check-read-only"));
    EXPECT_EQ(Box(Image, 2).second, Face & 0xFFFFFF);
    EXPECT_EQ(Box(Image, 1).second, Shadow & 0xFFFFFF);
}
