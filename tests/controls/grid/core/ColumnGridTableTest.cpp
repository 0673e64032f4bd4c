// A column grid shaped like the Modbus read table (a header row, row numbers in fixed column 0, 512
// data rows, normal, combo list, data check box and read-only columns) at store and API level.
#include "grid/core/ColumnGrid.h"

#include "grid/core/CellGraphic.h"
#include "grid/core/ControlLook.h"

#include "support/Artifacts.h"
#include "support/Render.h"

#include "graphics/GraphicsObjects.h"
#include "rtl/Strings.h"
#include "windows/Forms.h"

#include <gtest/gtest.h>

#include <QImage>

#include <memory>

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
    {"Mnemonic", edNormal, 120, true},
};
constexpr int32_t ColumnCount = 11;

class ColumnGridTableTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form.reset(New<TForm>(nullptr));
        Form->SetClientWidth(720);
        Form->SetClientHeight(220);
        Grid = New<TExtColumnGrid>(Form.get());
        Grid->SetParent(Form.get());
        Grid->SetBounds(0, 0, 720, 220);
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
