// A string grid of 100,000 rows: filled in one update bracket, its columns sized to their texts,
// a selection near the end, shown and rendered.
#include "ExtGridTestSupport.h"

#include "support/Artifacts.h"

#include "graphics/Canvas.h"

#include <algorithm>

namespace {

using LargeGridTest = ExtGridFixture;

constexpr int32_t Rows = 100000;

QString Item(int32_t r, int32_t c)
{
    switch (c) {
    case 0: return QString::number(r);
    case 1: return QStringLiteral("Item %1").arg(r);
    case 2: return QString::number(r * 7 % 1000);
    default: return r % 10 == 0 ? QStringLiteral("a longer note for row %1").arg(r) : QStringLiteral("note");
    }
}

QRgb Rgb(TColor Color)
{
    const TColor C = ColorToRGB(Color);
    return qRgb(C & 0xFF, (C >> 8) & 0xFF, (C >> 16) & 0xFF);
}

TEST_F(LargeGridTest, HundredThousandRowsWithSelectionAndSizedColumnsRender)
{
    Form->SetClientWidth(700);
    Form->SetClientHeight(420);
    Grid->SetWidth(680);
    Grid->SetHeight(400);
    Grid->SetColCount(4);
    Grid->SetRowCount(Rows + 1);
    Show();
    Grid->BeginUpdate();
    for (const QString& Header : {QStringLiteral("Row"), QStringLiteral("Name"), QStringLiteral("Value"),
                                  QStringLiteral("Note")})
        Grid->ColumnHeaders()->Add(Header);
    for (int32_t r = 1; r <= Rows; ++r)
        for (int32_t c = 0; c < 4; ++c) Grid->SetCells(c, r, Item(r, c));
    Grid->EndUpdate();
    ASSERT_EQ(Grid->RowCount(), Rows + 1);
    EXPECT_EQ(Grid->AllCells(3, Rows), Item(Rows, 3));

    // Every column sized to its widest text.
    Grid->AutoSizeColumns(true, 6);
    TCanvas* Canvas = Grid->Canvas();
    Canvas->Font()->Assign(Grid->Font());
    std::vector<int32_t> Widest(4, 0);
    for (int32_t c = 0; c < 4; ++c)
        for (int32_t r = 0; r <= Rows; ++r) Widest[c] = std::max(Widest[c], Canvas->TextWidth(Grid->Cells(c, r)));

    // A selection near the end, shown from the row above it.
    TGridOptions Opts = Grid->Options();
    Opts.Include(goRangeSelect);
    Opts.Include(goDrawFocusSelected);
    Grid->SetOptions(Opts);
    Grid->SetSelectionStyle(ssOffice2007);
    const TGridRect Sel{1, Rows - 6, 2, Rows - 3};
    Grid->SetSelection(Sel);
    Grid->SetTopRow(Rows - 10);
    Grid->Invalidate();
    ProcessPendingEvents();
    const QImage Image = RenderControl(Form.get(), true);
    SaveArtifact(Image, QStringLiteral("ext-string-grid-100000-rows"));

    const QImage Shot = RenderControl(Grid);
    const int32_t Border = (Grid->Width() - Grid->ClientWidth()) / 2;
    const auto Inside = [&](int32_t c, int32_t r) {
        const TRect R = Grid->TBaseGrid::CellRect(c, r);
        return QPoint(R.Left + Border + 3, (R.Top + R.Bottom) / 2 + Border);
    };
    // The selected cells share one colour that cells beside them do not have.
    const QRgb Selected = Shot.pixel(Inside(2, Rows - 4));
    EXPECT_NE(Selected, Rgb(Grid->Color()));
    EXPECT_EQ(Shot.pixel(Inside(1, Rows - 5)), Selected);
    EXPECT_EQ(Shot.pixel(Inside(2, Rows - 7)), Rgb(Grid->Color()));
    // Each text fits its column.
    for (int32_t c = 0; c < 4; ++c) {
        EXPECT_GE(Grid->ColWidths(c), Widest[c] + 6) << c;
        EXPECT_LE(Grid->ColWidths(c), Widest[c] + 40) << c;
    }
    EXPECT_EQ(Grid->TopRow(), Rows - 10);
}

}  // namespace
