// The text a cell shows, its alignment and the room its text needs, plain and markup.
#include "ExtGridTestSupport.h"

#include "grid/base/EsgHTMLE.h"

#include "graphics/Canvas.h"
#include "graphics/GraphicsObjects.h"
#include "rtl/FormatSettings.h"

namespace {

class ExtGridTextFixture : public ExtGridFixture {
protected:
    void SetUp() override
    {
        ExtGridFixture::SetUp();
        TFormatSettings Settings = FormatSettings();
        Settings.DecimalSeparator = QLatin1Char('.');
        Settings.ThousandSeparator = QLatin1Char(',');
        SetFormatSettings(Settings);
    }
    void TearDown() override { ResetFormatSettings(); }

    // The canvas measuring in the grid's font.
    TCanvas* Measure()
    {
        Grid->Canvas()->Font()->Assign(Grid->Font());
        return Grid->Canvas();
    }
};

TEST_F(ExtGridTextFixture, NumbersAlignRightWhenAskedAndCellAlignmentWins)
{
    Grid->SetAutoNumAlign(true);
    const struct {
        QString Text;
        TAlignment Expected;
    } Cases[] = {{QStringLiteral("12"), taRightJustify},   {QStringLiteral("-3.5"), taRightJustify},
                 {QStringLiteral("1E3"), taRightJustify},  {QStringLiteral(" 7 "), taRightJustify},
                 {QStringLiteral("12a"), taLeftJustify},   {QString(), taLeftJustify},
                 {QStringLiteral("=1+1"), taLeftJustify}};
    int32_t Row = 1;
    for (const auto& C : Cases) {
        Grid->SetCells(1, Row, C.Text);
        EXPECT_EQ(Grid->GetCellAlignments(1, Row).first, C.Expected) << C.Text.toStdString();
        ++Row;
    }
    Grid->SetAutoNumAlign(false);
    EXPECT_EQ(Grid->GetCellAlignments(1, 1).first, taLeftJustify);
    Grid->SetDefaultAlignment(taCenter);
    Grid->SetVAlignment(vtaBottom);
    EXPECT_EQ(Grid->GetCellAlignments(1, 1), std::pair(taCenter, vtaBottom));

    // A cell's own alignment wins, but not in a formula cell.
    Grid->GetCellProperties(1, 1)->SetAlignment(taRightJustify);
    EXPECT_EQ(Grid->GetCellAlignments(1, 1).first, taRightJustify);
    Grid->GetCellProperties(1, 7)->SetAlignment(taRightJustify);
    EXPECT_EQ(Grid->GetCellAlignments(1, 7).first, taCenter);
    // The event comes last.
    Grid->OnGetAlignment = [](TObject*, int32_t, int32_t, TAlignment& H, TVAlignment& V) {
        H = taLeftJustify;
        V = vtaCenter;
    };
    EXPECT_EQ(Grid->GetCellAlignments(1, 1), std::pair(taLeftJustify, vtaCenter));
}

TEST_F(ExtGridTextFixture, FormattedCellsUseTheFloatFormatOnlyForNumbers)
{
    Grid->SetCells(1, 1, QStringLiteral("3.14159"));
    Grid->SetCells(1, 2, QStringLiteral("42"));
    Grid->SetCells(1, 3, QStringLiteral("text"));
    EXPECT_EQ(Grid->GetFormattedCell(1, 1), QStringLiteral("3.14159"));
    QList<int32_t> Asked;
    QString Format = QStringLiteral("%.2f");
    Grid->OnGetFloatFormat = [&](TObject*, int32_t, int32_t ARow, bool& IsFloat, QString& Fmt) {
        EXPECT_TRUE(IsFloat);
        EXPECT_EQ(Fmt, QStringLiteral("%.2f"));
        Asked.append(ARow);
        Fmt = Format;
    };
    EXPECT_EQ(Grid->GetFormattedCell(1, 1), QStringLiteral("3.14"));
    EXPECT_EQ(Grid->GetFormattedCell(1, 3), QStringLiteral("text"));
    EXPECT_EQ(Asked, QList<int32_t>{1});
    Format = QStringLiteral("%.3d");
    EXPECT_EQ(Grid->GetFormattedCell(1, 2), QStringLiteral("042"));
    // A format the value does not fit leaves the text.
    EXPECT_EQ(Grid->GetFormattedCell(1, 1), QStringLiteral("3.14159"));
    Format = QStringLiteral("%s");
    EXPECT_EQ(Grid->GetFormattedCell(1, 1), QStringLiteral("3.14159"));

    Grid->OnIsPasswordCell = [](TObject*, int32_t ARow, int32_t, bool& Password) { Password = ARow == 3; };
    EXPECT_EQ(Grid->GetFormattedCell(1, 3), QStringLiteral("****"));
}

TEST_F(ExtGridTextFixture, TextSizesOfPlainTextCountLinesOfGh)
{
    Show();
    TCanvas* C = Measure();
    const int32_t GH = C->TextHeight(QStringLiteral("gh"));
    TPoint Size;
    Grid->GetCellTextSize(1, 1, Size, false, false);
    EXPECT_EQ(Size, (TPoint{0, GH}));

    Grid->SetCells(1, 1, QStringLiteral("first\rsecond line"));
    Grid->GetCellTextSize(1, 1, Size, false, false);
    EXPECT_EQ(Size, (TPoint{C->TextWidth(QStringLiteral("first\rsecond line")), GH}));
    Grid->SetMultilinecells(true);
    Grid->GetCellTextSize(1, 1, Size, false, false);
    EXPECT_EQ(Size, (TPoint{Measure()->TextWidth(QStringLiteral("second line")), 2 * GH}));

    // Links lose their protocol unless shown in full.
    Grid->SetCells(1, 2, QStringLiteral("http://example.com"));
    Grid->SetURLShow(true);
    Grid->GetCellTextSize(1, 2, Size, false, false);
    EXPECT_EQ(Size.X, Measure()->TextWidth(QStringLiteral("example.com")));
    Grid->SetURLFull(true);
    Grid->GetCellTextSize(1, 2, Size, false, false);
    EXPECT_EQ(Size.X, Measure()->TextWidth(QStringLiteral("http://example.com")));

    // Rotated text turns its box.
    Grid->AddRotated(1, 3, 90, QStringLiteral("up"));
    Grid->GetCellTextSize(1, 3, Size, false, false);
    const int32_t W = Measure()->TextWidth(QStringLiteral("up"));
    EXPECT_EQ(Size, (TPoint{GH + 12, W + 12}));
    Grid->AddRotated(1, 4, 0, QStringLiteral("up"));
    Grid->GetCellTextSize(1, 4, Size, false, false);
    EXPECT_EQ(Size, (TPoint{W + 12, GH + 12}));

    // Wrapped to the cell, a long text takes more lines.
    Grid->SetCells(2, 1, QStringLiteral("one two three four five six seven"));
    Grid->GetCellTextSize(2, 1, Size, false, true);
    EXPECT_GT(Size.Y, GH);
    EXPECT_LE(Size.X, Grid->ColWidths(2));
}

TEST_F(ExtGridTextFixture, MarkupIsMeasuredUnwrappedUnlessWrappedToTheCell)
{
    Show();
    const QString Text = QStringLiteral("<b>bold</b> and a rather long markup text that wraps");
    Grid->SetCells(2, 2, Text);
    TPoint Free;
    Grid->GetCellTextSize(2, 2, Free, false, false);
    EXPECT_GT(Free.X, Grid->ColWidths(2));
    TPoint Wrapped;
    Grid->GetCellTextSize(2, 2, Wrapped, false, true);
    EXPECT_LT(Wrapped.X, Free.X);
    EXPECT_GT(Wrapped.Y, Free.Y);
    // The same measure as the markup renderer's, plus two pixels each way.
    TCanvas* C = Grid->Canvas();
    C->Font()->Assign(Grid->Font());
    QString Link, Plain, FocusRef, Title, CtrlID, CtrlValue, CtrlType;
    int32_t Width = 0, Height = 0, Links = 0, Hovered = -1;
    TRect LinkRect, CtrlRect;
    DrawMarkup(C, Text, TRect{0, 0, 65535, 65535}, nullptr, 0, 0, -1, -1, 1, false, true, false, false, true, false,
               true, false, 1.0, clBlue, clGray, clNone, clGray, Link, Plain, FocusRef, Title, Width, Height, Links,
               Hovered, LinkRect, CtrlRect, CtrlID, CtrlValue, CtrlType, nullptr, nullptr, nullptr, 0);
    EXPECT_EQ(Free, (TPoint{Width + 2, Height + 2}));
}

}  // namespace

namespace {

TEST_F(ExtGridTextFixture, TheEditedCellCountsATrailingLineFeedAsALine)
{
    Show();
    Grid->SetOptions(Grid->Options() + TGridOptions{goEditing});
    const int32_t GH = Measure()->TextHeight(QStringLiteral("gh"));
    Grid->SetCells(1, 1, QStringLiteral("abc"));
    Grid->SetCells(1, 2, QStringLiteral("abc\n"));
    TPoint One, Edited, Other;
    Grid->GetCellTextSize(1, 1, One, false, true);
    Grid->FocusCell(1, 2);
    Grid->SetFocus();
    Grid->SetEditorMode(true);
    ASSERT_TRUE(Grid->EditorMode());
    Grid->GetCellTextSize(1, 2, Edited, false, true);
    // Not the edited cell: measured as it is.
    Grid->SetCells(1, 3, QStringLiteral("abc"));
    Grid->GetCellTextSize(1, 3, Other, false, true);
    Grid->SetEditorMode(false);
    EXPECT_EQ(One.Y, GH);
    EXPECT_EQ(Edited.Y, One.Y + GH);
    EXPECT_EQ(Other, One);
}

}  // namespace
