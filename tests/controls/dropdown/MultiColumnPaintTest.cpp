// TExtMultiColumnDropDown's list painted: selection ends per column, header gradient and lines, column colours, images, alignment and the painting events.
#include "MultiColumnTestSupport.h"

#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "graphics/GraphicsObjects.h"
#include "graphics/ImageList.h"

#include <gtest/gtest.h>

using namespace MultiColumnTest;
using PickerTest::Html;
using PickerTest::HtmlAt;

namespace {

constexpr TColor HeaderTop = RGB(255, 0, 0);
constexpr TColor HeaderBottom = RGB(0, 0, 255);
constexpr TColor FixedLine = RGB(0, 128, 0);
constexpr TColor Line = RGB(255, 0, 255);
constexpr TColor Colours[] = {RGB(255, 255, 240), RGB(230, 240, 255), RGB(240, 255, 230)};
// The border of the rounded selection box in the Office 2007 style.
constexpr TColor SelectionBorder = RGB(211, 215, 141);

class MultiColumnPaintTest : public MultiColumnFixture {
protected:
    void SetUp() override
    {
        MultiColumnFixture::SetUp();
        Images.SetSize(16, 16);
        TBitmap Green;
        Green.SetSize(16, 16);
        Green.Canvas()->Brush()->SetColor(clLime);
        Green.Canvas()->FillRect(Rect(0, 0, 16, 16));
        Images.Add(&Green, nullptr);
        Fill({{"ab", "cd", "ef"}, {"x"}, {"gh", "ij", "kl"}}, {80, 80, 80});
        const TAlignment Alignments[] = {taLeftJustify, taRightJustify, taCenter};
        for (int32_t C = 0; C < 3; ++C) {
            MultiColumn::TDropDownColumn* Column = DropDown->Columns()->Items(C);
            Column->SetColor(Colours[C]);
            Column->SetAlignment(Alignments[C]);
            Column->SetHeader(QStringLiteral("H%1").arg(C));
        }
        DropDown->Columns()->Items(0)->SetColumnType(MultiColumn::ctImage);
        DropDown->Items()->Items(0)->SetImageIndex(0);
        DropDown->SetImages(&Images);
        DropDown->SetHeaderColor(HeaderTop);
        DropDown->SetHeaderColorTo(HeaderBottom);
        DropDown->SetFixedLineColor(FixedLine);
        DropDown->SetLineColor(Line);
        DropDown->SetColumnSizeWithDropDown(false);
        DropDown->SetItemIndex(1);
    }
    void TearDown() override { DropDown->SetImages(nullptr); }

    // The cell of column C in grid row R, in the list's client coordinates.
    TRect Cell(int32_t C, int32_t R) const { return List()->CellRect(C, R); }
    // The leftmost and rightmost columns of pixels between X1 and X2 in the cell's inner rows that differ
    // from Background; -1, -1 for none.
    static std::pair<int32_t, int32_t> Ink(const QImage& Image, const TRect& R, int32_t X1, int32_t X2,
                                           TColor Background)
    {
        int32_t First = -1, Last = -1;
        for (int32_t X = X1; X < X2; ++X)
            for (int32_t Y = R.Top + 1; Y < R.Bottom - 1; ++Y)
                if (Image.pixel(X, Y) != DropDownTest::Rgb(Background)) {
                    if (First < 0) First = X;
                    Last = X;
                    break;
                }
        return {First, Last};
    }
    int32_t MeasuredWidth(const QString& Text, int32_t C) const
    {
        TBitmap Measure;
        Measure.SetSize(1, 1);
        Measure.Canvas()->Font()->Assign(DropDown->Columns()->Items(C)->Font());
        return Measure.Canvas()->TextWidth(Text);
    }

    TImageList Images{nullptr};
};

TEST_F(MultiColumnPaintTest, CellsHeaderLinesAndRoundedSelectionEnds)
{
    Open();
    ASSERT_EQ(List()->Row(), 2);
    const QImage Image = PickerTest::RenderAndSave(List(), QStringLiteral("MultiColumnList"));
    PickerTest::RenderAndSave(DropDown->DropDownForm(), QStringLiteral("MultiColumnPopup"));

    // Header: a gradient from top to bottom, the fixed line colour below and right of each cell.
    const TRect H = Cell(0, 0);
    ASSERT_EQ(H.Height(), 25);
    const QRgb High = Image.pixel(H.Right - 3, H.Top);
    EXPECT_GT(qRed(High), 240) << Html(High).toStdString();
    EXPECT_LT(qBlue(High), 20);
    const QRgb Low = Image.pixel(H.Right - 3, H.Bottom - 3);
    EXPECT_GT(qBlue(Low), 200) << Html(Low).toStdString();
    EXPECT_LT(qRed(Low), 60);
    for (int32_t C = 0; C < 3; ++C) {
        EXPECT_EQ(HtmlAt(Image, Cell(C, 0).Left + 5, H.Bottom - 1), Html(FixedLine));
        EXPECT_EQ(HtmlAt(Image, Cell(C, 0).Right - 1, H.Top + 5), Html(FixedLine));
    }

    // An item row: the column's colour, then the line colour below and right.
    for (int32_t C = 0; C < 3; ++C) {
        SCOPED_TRACE(C);
        const TRect R = Cell(C, 1);
        EXPECT_EQ(HtmlAt(Image, R.Left + 1, R.Top + 1), Html(Colours[C]));
        EXPECT_EQ(HtmlAt(Image, R.Left + 5, R.Bottom - 1), Html(Line));
        EXPECT_EQ(HtmlAt(Image, R.Right - 1, R.Top + 5), Html(Line));
    }

    // The image of a ctImage column, 2 pixels in and centred; the text follows it.
    const TRect First = Cell(0, 1);
    const int32_t ImageTop = First.Top + 1 + (First.Height() - 2 - 16) / 2;
    EXPECT_EQ(HtmlAt(Image, First.Left + 3, ImageTop), Html(clLime));
    EXPECT_EQ(HtmlAt(Image, First.Left + 3 + 15, ImageTop + 15), Html(clLime));
    EXPECT_NE(HtmlAt(Image, First.Left + 3, ImageTop - 1), Html(clLime));

    // Alignment by column, checked through the measured text widths.
    const auto [L0, R0] = Ink(Image, First, First.Left + 20, First.Right - 1, Colours[0]);
    EXPECT_GE(L0, First.Left + 1 + 16 + 4);
    EXPECT_LE(L0, First.Left + 1 + 16 + 4 + 2);
    EXPECT_NEAR(R0 - L0 + 1, MeasuredWidth(QStringLiteral("ab"), 0), 3);
    const TRect Second = Cell(1, 1);
    const auto [L1, R1] = Ink(Image, Second, Second.Left + 1, Second.Right - 1, Colours[1]);
    EXPECT_LE(R1, Second.Right - 2);
    EXPECT_GE(R1, Second.Right - 5);
    EXPECT_NEAR(R1 - L1 + 1, MeasuredWidth(QStringLiteral("cd"), 1), 3);
    const TRect Third = Cell(2, 1);
    const auto [L2, R2] = Ink(Image, Third, Third.Left + 1, Third.Right - 1, Colours[2]);
    const int32_t TextMiddle = (Third.Left + 3 + Third.Right - 1) / 2;
    EXPECT_NEAR((L2 + R2) / 2, TextMiddle, 2);

    // The selected row: rounded left end in the first column, right end in the last, none between.
    const TRect S0 = Cell(0, 2);
    const int32_t Middle = S0.Top + (S0.Height() - 2) / 2;
    const struct {
        int32_t Col;
        bool Left, Right;
    } Ends[] = {{0, true, false}, {1, false, false}, {2, false, true}};
    for (const auto& End : Ends) {
        SCOPED_TRACE(End.Col);
        const TRect R = Cell(End.Col, 2);
        EXPECT_EQ(HtmlAt(Image, R.Left, Middle) == Html(SelectionBorder), End.Left);
        EXPECT_EQ(HtmlAt(Image, R.Right - 2, Middle) == Html(SelectionBorder), End.Right);
        EXPECT_NE(HtmlAt(Image, (R.Left + R.Right) / 2, Middle), Html(Colours[End.Col])) << "filled as selected";
    }
}

TEST_F(MultiColumnPaintTest, APlainHeaderAndSelectionInTheOffice2010Style)
{
    DropDown->SetComponentStyle(tsOffice2010Blue);
    Open();
    const QImage Image = PickerTest::RenderAndSave(List(), QStringLiteral("MultiColumnOffice2010"));
    const TRect H = Cell(0, 0);
    EXPECT_EQ(HtmlAt(Image, H.Right - 3, H.Top), Html(TColor(RGB(205, 219, 237))));
    EXPECT_EQ(HtmlAt(Image, H.Right - 3, H.Bottom - 3), Html(TColor(RGB(205, 219, 237))));
    for (int32_t C = 0; C < 3; ++C) {
        const TRect R = Cell(C, 2);
        EXPECT_EQ(HtmlAt(Image, R.Left, R.Top + 3), Html(TColor(RGB(255, 208, 108)))) << C;
        EXPECT_EQ(HtmlAt(Image, R.Right - 2, R.Top + 3), Html(TColor(RGB(255, 208, 108)))) << C;
    }
}

TEST_F(MultiColumnPaintTest, TheApplicationDrawsCellsOrReplacesTheirTexts)
{
    DropDown->OnDropDownGetItemText = [](TObject*, int32_t Column, int32_t Row, QString& Text) {
        if (Column == 0 && Row == 3) Text = QStringLiteral("a longer text");
    };
    Open();
    QImage Image = PickerTest::RenderAndSave(List(), QStringLiteral("MultiColumnItemText"));
    const TRect R = Cell(0, 3);
    const auto [Left, Right] = Ink(Image, R, R.Left + 1, R.Right - 1, Colours[0]);
    EXPECT_NEAR(Right - Left + 1, MeasuredWidth(QStringLiteral("a longer text"), 0), 3);

    QList<TPoint> Drawn;
    DropDown->OnDropDownDrawItem = [&Drawn](TObject*, int32_t Column, int32_t Row, TCanvas* Canvas,
                                            const TRect& Where) {
        Drawn << TPoint{Column, Row};
        Canvas->Brush()->SetColor(RGB(10, 20, 30 + Row));
        Canvas->FillRect(Where);
    };
    List()->Invalidate();
    ProcessPendingEvents();
    Drawn.clear();
    Image = RenderControl(List());
    EXPECT_EQ(Drawn.size(), 3 * 4);
    for (int32_t Row = 0; Row < 4; ++Row)
        EXPECT_EQ(HtmlAt(Image, Cell(2, Row).Right - 1, Cell(2, Row).Bottom - 1), Html(TColor(RGB(10, 20, 30 + Row))))
            << "no line of the list's own: " << Row;
}

}  // namespace
