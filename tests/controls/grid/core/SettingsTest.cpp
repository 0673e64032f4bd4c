// The grid's settings objects: defaults, which setters repaint or report, what Assign copies.
#include "SettingsTestSupport.h"

#include "grid/core/CellNode.h"
#include "grid/core/GridItems.h"
#include "grid/core/GridOptions.h"

#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "graphics/GraphicsObjects.h"
#include "rtl/Exceptions.h"
#include "rtl/Strings.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

TBitmap* RedSquare(TBitmap& Bitmap, int32_t Size)
{
    Bitmap.SetSize(Size, Size);
    Bitmap.Canvas()->Brush()->SetColor(clRed);
    Bitmap.Canvas()->FillRect(Rect(0, 0, Size, Size));
    return &Bitmap;
}

TEST(CellNodeTest, DefaultsAndWhichSettersRepaint)
{
    TRepaintCounter Grid;
    TCellNode Node(&Grid);
    EXPECT_EQ(Node.Color(), clSilver);
    EXPECT_FALSE(Node.ExpandOne());
    EXPECT_EQ(Node.NodeType(), cnXP);
    EXPECT_EQ(Node.NodeColor(), clBlack);
    EXPECT_EQ(Node.NodeIndent(), 12);
    EXPECT_TRUE(Node.ExpandGlyph()->Empty());
    EXPECT_TRUE(Node.ContractGlyph()->Empty());
    EXPECT_TRUE(Node.ShowTree());
    EXPECT_TRUE(Node.ShowTreeFull());
    EXPECT_EQ(Node.TreeColor(), clGray);

    struct TCase {
        const char* Name;
        std::function<void()> Set;
        int32_t Repaints;
    };
    TBitmap Glyph;
    const TCase Cases[] = {
        {"same indent", [&] { Node.SetNodeIndent(12); }, 0},
        {"indent", [&] { Node.SetNodeIndent(16); }, 1},
        {"node type", [&] { Node.SetNodeType(cnFlat); }, 1},
        {"same node type", [&] { Node.SetNodeType(cnFlat); }, 0},
        {"show tree", [&] { Node.SetShowTree(false); }, 1},
        {"show tree full", [&] { Node.SetShowTreeFull(false); }, 1},
        {"tree colour", [&] { Node.SetTreeColor(clRed); }, 1},
        {"same tree colour", [&] { Node.SetTreeColor(clRed); }, 0},
        {"colour", [&] { Node.SetColor(clBlue); }, 0},
        {"node colour", [&] { Node.SetNodeColor(clBlue); }, 0},
        {"expand one", [&] { Node.SetExpandOne(true); }, 0},
        {"expand glyph", [&] { Node.SetExpandGlyph(RedSquare(Glyph, 3)); }, 0},
        {"contract glyph", [&] { Node.SetContractGlyph(&Glyph); }, 0},
    };
    for (const TCase& C : Cases) {
        SCOPED_TRACE(C.Name);
        Grid.Repaints = 0;
        C.Set();
        EXPECT_EQ(Grid.Repaints, C.Repaints);
    }
    EXPECT_NE(Node.ExpandGlyph(), &Glyph);
    EXPECT_EQ(Node.ExpandGlyph()->Width(), 3);
    EXPECT_EQ(Node.ContractGlyph()->Canvas()->Pixels(1, 1), clRed);
}

TEST(CellNodeTest, AssignCopiesTheLookWithoutRepaintAndIgnoresOtherSources)
{
    TCellNode Src(nullptr);
    TBitmap Glyph;
    Src.SetColor(clAqua);
    Src.SetExpandOne(true);
    Src.SetNodeType(cnLeaf);
    Src.SetNodeColor(clLime);
    Src.SetNodeIndent(20);
    Src.SetExpandGlyph(RedSquare(Glyph, 4));
    Src.SetContractGlyph(RedSquare(Glyph, 5));
    Src.SetShowTree(false);
    Src.SetShowTreeFull(false);
    Src.SetTreeColor(clMaroon);

    TRepaintCounter Grid;
    TCellNode Dst(&Grid);
    Dst.Assign(&Src);
    EXPECT_EQ(Grid.Repaints, 0);
    EXPECT_EQ(Dst.Color(), clAqua);
    EXPECT_TRUE(Dst.ExpandOne());
    EXPECT_EQ(Dst.NodeType(), cnLeaf);
    EXPECT_EQ(Dst.NodeColor(), clLime);
    EXPECT_EQ(Dst.NodeIndent(), 20);
    EXPECT_EQ(Dst.ExpandGlyph()->Width(), 4);
    EXPECT_EQ(Dst.ContractGlyph()->Width(), 5);
    EXPECT_NE(Dst.ExpandGlyph(), Src.ExpandGlyph());
    EXPECT_FALSE(Dst.ShowTree());
    EXPECT_FALSE(Dst.ShowTreeFull());
    EXPECT_EQ(Dst.TreeColor(), clMaroon);

    TStringList Other;
    TCellNode Untouched(nullptr);
    Untouched.Assign(&Other);
    EXPECT_EQ(Untouched.NodeIndent(), 12);
}

TEST(GridItemTest, AHiddenRowOwnsItsTexts)
{
    TCollection Rows(TCollection::ItemClassOf<TGridItem>());
    auto* Row = static_cast<TGridItem*>(Rows.Add());
    EXPECT_EQ(Row->Idx(), 0);
    EXPECT_EQ(Row->Height(), 0);
    EXPECT_EQ(Row->Level(), 0);
    Row->SetIdx(7);
    Row->SetHeight(22);
    Row->SetLevel(2);
    Row->Items()->Add(QStringLiteral("a"));
    Row->Items()->Add(QStringLiteral("b"));
    EXPECT_EQ(Row->Items()->Count(), 2);
    EXPECT_EQ(Row->Idx(), 7);
    Rows.Delete(0);
    EXPECT_EQ(Rows.Count(), 0);
}

TEST(FilterDataTest, DefaultsAndAssign)
{
    TCollection Filter(TCollection::ItemClassOf<TFilterData>());
    auto* A = static_cast<TFilterData*>(Filter.Add());
    EXPECT_EQ(A->Column(), 0);
    EXPECT_TRUE(A->Condition().isEmpty());
    EXPECT_TRUE(A->CaseSensitive());
    EXPECT_EQ(A->Data(), fcVirtual);
    EXPECT_EQ(A->Method(), fmExpression);
    EXPECT_EQ(A->Operation(), foSHORT);

    A->SetColumn(3);
    A->SetCondition(QStringLiteral(">5"));
    A->SetCaseSensitive(false);
    A->SetSuffix(QStringLiteral("kg"));
    A->SetPrefix(QStringLiteral("$"));
    A->SetOperation(foOR);
    A->SetData(fcStripHTML);
    A->SetMethod(fmLiteral);
    auto* B = static_cast<TFilterData*>(Filter.Add());
    B->Assign(A);
    EXPECT_EQ(B->Column(), 3);
    EXPECT_EQ(B->Condition(), ">5");
    EXPECT_FALSE(B->CaseSensitive());
    EXPECT_EQ(B->Suffix(), "kg");
    EXPECT_EQ(B->Prefix(), "$");
    EXPECT_EQ(B->Operation(), foOR);
    EXPECT_EQ(B->Data(), fcStripHTML);
    EXPECT_EQ(B->Method(), fmExpression);

    B->Assign(nullptr);
    EXPECT_EQ(B->Column(), 3);
    TStringList Other;
    EXPECT_THROW(B->Assign(&Other), EInvalidCast);
}

TEST(BackGroundTest, DefaultsAndEverySetterRepaints)
{
    TRepaintCounter Grid;
    TBackGround Back(&Grid);
    EXPECT_EQ(Back.Top(), 0);
    EXPECT_EQ(Back.Left(), 0);
    EXPECT_EQ(Back.Display(), bdTile);
    EXPECT_EQ(Back.Cells(), bcNormal);
    EXPECT_EQ(Back.Color(), clWindow);
    EXPECT_EQ(Back.ColorTo(), clBtnFace);
    EXPECT_TRUE(Back.Bitmap()->Empty());

    TBitmap Picture;
    RedSquare(Picture, 2);
    const std::function<void()> Setters[] = {
        [&] { Back.SetTop(1); },           [&] { Back.SetLeft(2); },      [&] { Back.SetDisplay(bdFixed); },
        [&] { Back.SetCells(bcAll); },     [&] { Back.SetColor(clRed); }, [&] { Back.SetColorTo(clRed); },
        [&] { Back.SetBitmap(&Picture); }, [&] { Back.SetColor(clRed); },
    };
    for (const auto& Set : Setters) Set();
    EXPECT_EQ(Grid.Repaints, int(std::size(Setters)));
    EXPECT_EQ(Back.Bitmap()->Width(), 2);
    EXPECT_NE(Back.Bitmap(), &Picture);
}

TEST(GroupingTest, DefaultsAndAssignLeavesLinesAndSummary)
{
    TGrouping Src;
    EXPECT_FALSE(Src.AutoSelectGroup());
    EXPECT_FALSE(Src.AutoCheckGroup());
    EXPECT_TRUE(Src.GroupCountFormat().isEmpty());
    EXPECT_EQ(Src.HeaderColor(), clNone);
    EXPECT_EQ(Src.HeaderColorTo(), clNone);
    EXPECT_EQ(Src.HeaderTextColor(), clNone);
    EXPECT_FALSE(Src.HeaderUnderline());
    EXPECT_EQ(Src.HeaderLineColor(), clBlue);
    EXPECT_EQ(Src.HeaderLineWidth(), 2);
    EXPECT_FALSE(Src.MergeHeader() || Src.MergeSummary() || Src.ShowGroupCount() || Src.Summary());
    EXPECT_EQ(Src.SummaryColor(), clNone);
    EXPECT_EQ(Src.SummaryColorTo(), clNone);
    EXPECT_EQ(Src.SummaryTextColor(), clNone);
    EXPECT_FALSE(Src.SummaryLine());
    EXPECT_EQ(Src.SummaryLineColor(), clBlue);
    EXPECT_EQ(Src.SummaryLineWidth(), 2);

    Src.SetAutoSelectGroup(true);
    Src.SetAutoCheckGroup(true);
    Src.SetGroupCountFormat(QStringLiteral("[%d]"));
    Src.SetHeaderColor(1);
    Src.SetHeaderColorTo(2);
    Src.SetHeaderTextColor(3);
    Src.SetHeaderUnderline(true);
    Src.SetMergeHeader(true);
    Src.SetMergeSummary(true);
    Src.SetShowGroupCount(true);
    Src.SetSummaryColor(4);
    Src.SetSummaryColorTo(5);
    Src.SetSummaryTextColor(6);
    Src.SetSummaryLine(true);
    Src.SetSummary(true);
    Src.SetHeaderLineColor(7);
    Src.SetHeaderLineWidth(8);
    Src.SetSummaryLineColor(9);
    Src.SetSummaryLineWidth(10);
    TGrouping Dst;
    Dst.Assign(&Src);
    EXPECT_TRUE(Dst.AutoSelectGroup() && Dst.AutoCheckGroup() && Dst.HeaderUnderline() && Dst.MergeHeader() &&
                Dst.MergeSummary() && Dst.ShowGroupCount() && Dst.SummaryLine());
    EXPECT_EQ(Dst.GroupCountFormat(), "[%d]");
    EXPECT_EQ(Dst.HeaderColor(), 1);
    EXPECT_EQ(Dst.HeaderColorTo(), 2);
    EXPECT_EQ(Dst.HeaderTextColor(), 3);
    EXPECT_EQ(Dst.SummaryColor(), 4);
    EXPECT_EQ(Dst.SummaryColorTo(), 5);
    EXPECT_EQ(Dst.SummaryTextColor(), 6);
    EXPECT_FALSE(Dst.Summary());
    EXPECT_EQ(Dst.HeaderLineColor(), clBlue);
    EXPECT_EQ(Dst.HeaderLineWidth(), 2);
    EXPECT_EQ(Dst.SummaryLineColor(), clBlue);
    EXPECT_EQ(Dst.SummaryLineWidth(), 2);
}

TEST(DragDropSettingsTest, DefaultsAndAssignCopiesAllFifteen)
{
    TDragDropSettings Src(nullptr);
    const std::pair<bool (TDragDropSettings::*)() const, void (TDragDropSettings::*)(bool)> Switches[] = {
        {&TDragDropSettings::ShowCells, &TDragDropSettings::SetShowCells},
        {&TDragDropSettings::OleAcceptFiles, &TDragDropSettings::SetOleAcceptFiles},
        {&TDragDropSettings::OleAcceptText, &TDragDropSettings::SetOleAcceptText},
        {&TDragDropSettings::OleAcceptURLs, &TDragDropSettings::SetOleAcceptURLs},
        {&TDragDropSettings::OleAppendRows, &TDragDropSettings::SetOleAppendRows},
        {&TDragDropSettings::OleColumnDragDrop, &TDragDropSettings::SetOleColumnDragDrop},
        {&TDragDropSettings::OleColumnReorder, &TDragDropSettings::SetOleColumnReorder},
        {&TDragDropSettings::OleColumnsOnly, &TDragDropSettings::SetOleColumnsOnly},
        {&TDragDropSettings::OleCopyAlways, &TDragDropSettings::SetOleCopyAlways},
        {&TDragDropSettings::OleDropTarget, &TDragDropSettings::SetOleDropTarget},
        {&TDragDropSettings::OleDropSource, &TDragDropSettings::SetOleDropSource},
        {&TDragDropSettings::OleEntireRows, &TDragDropSettings::SetOleEntireRows},
        {&TDragDropSettings::OleInsertRows, &TDragDropSettings::SetOleInsertRows},
        {&TDragDropSettings::OleRemoveRows, &TDragDropSettings::SetOleRemoveRows},
        {&TDragDropSettings::OleDropRTF, &TDragDropSettings::SetOleDropRTF},
    };
    for (int I = 0; I < int(std::size(Switches)); ++I) {
        EXPECT_EQ((Src.*Switches[I].first)(), I < 4) << I;
        (Src.*Switches[I].second)(I >= 4);
    }
    TDragDropSettings Dst(nullptr);
    Dst.Assign(&Src);
    for (int I = 0; I < int(std::size(Switches)); ++I) EXPECT_EQ((Dst.*Switches[I].first)(), I >= 4) << I;
}

TEST(BalloonSettingsTest, EnableAlwaysReportsAndAssignIsSilent)
{
    TBalloonSettings Src;
    EXPECT_EQ(Src.AutoHideDelay(), -1);
    EXPECT_EQ(Src.InitialDelay(), -1);
    EXPECT_EQ(Src.ReshowDelay(), -1);
    EXPECT_EQ(Src.BackgroundColor(), clNone);
    EXPECT_EQ(Src.TextColor(), clNone);
    EXPECT_EQ(Src.Transparency(), 0);
    EXPECT_FALSE(Src.Enable());

    int32_t Reports = 0;
    Src.OnEnableChange = [&](TObject* Sender) {
        EXPECT_EQ(Sender, &Src);
        ++Reports;
    };
    Src.SetEnable(false);
    Src.SetEnable(true);
    EXPECT_EQ(Reports, 2);

    Src.SetAutoHideDelay(1);
    Src.SetInitialDelay(2);
    Src.SetReshowDelay(3);
    Src.SetBackgroundColor(4);
    Src.SetTextColor(5);
    Src.SetTransparency(6);
    TBalloonSettings Dst;
    int32_t DstReports = 0;
    Dst.OnEnableChange = [&](TObject*) { ++DstReports; };
    Dst.Assign(&Src);
    EXPECT_EQ(DstReports, 0);
    EXPECT_TRUE(Dst.Enable());
    EXPECT_EQ(Dst.AutoHideDelay(), 1);
    EXPECT_EQ(Dst.InitialDelay(), 2);
    EXPECT_EQ(Dst.ReshowDelay(), 3);
    EXPECT_EQ(Dst.BackgroundColor(), 4);
    EXPECT_EQ(Dst.TextColor(), 5);
    EXPECT_EQ(Dst.Transparency(), 0);
}

TEST(ShowModifiedTest, ColourReportsAndAssignCopiesBoth)
{
    TShowModified Src;
    EXPECT_FALSE(Src.Enabled());
    EXPECT_EQ(Src.Color(), clYellow);
    int32_t Reports = 0;
    Src.OnChange = [&](TObject*) { ++Reports; };
    Src.SetEnabled(true);
    EXPECT_EQ(Reports, 0);
    Src.SetColor(clYellow);
    Src.SetColor(clRed);
    EXPECT_EQ(Reports, 2);
    TShowModified Dst;
    Dst.Assign(&Src);
    EXPECT_TRUE(Dst.Enabled());
    EXPECT_EQ(Dst.Color(), clRed);
}

TEST(DragScrollOptionsTest, DefaultsAndAssign)
{
    TDragScrollOptions Src;
    EXPECT_FALSE(Src.Active());
    EXPECT_EQ(Src.Delays()->InitialDelay(), 1000);
    EXPECT_EQ(Src.Delays()->RepeatDelay(), 250);
    for (int32_t Margin : {Src.Margins()->TopMargin(), Src.Margins()->BottomMargin(), Src.Margins()->LeftMargin(),
                           Src.Margins()->RightMargin()})
        EXPECT_EQ(Margin, 50);

    Src.SetActive(true);
    Src.Delays()->SetInitialDelay(1);
    Src.Delays()->SetRepeatDelay(2);
    Src.Margins()->SetTopMargin(3);
    Src.Margins()->SetBottomMargin(4);
    Src.Margins()->SetLeftMargin(5);
    Src.Margins()->SetRightMargin(6);
    TDragScrollOptions Dst;
    Dst.Assign(&Src);
    EXPECT_TRUE(Dst.Active());
    EXPECT_EQ(Dst.Delays()->InitialDelay(), 1);
    EXPECT_EQ(Dst.Delays()->RepeatDelay(), 2);
    EXPECT_EQ(Dst.Margins()->TopMargin(), 3);
    EXPECT_EQ(Dst.Margins()->BottomMargin(), 4);
    EXPECT_EQ(Dst.Margins()->LeftMargin(), 5);
    EXPECT_EQ(Dst.Margins()->RightMargin(), 6);
    EXPECT_NE(Dst.Delays(), Src.Delays());
}

TEST(GridProgressAppearanceTest, DefaultsAndOnlyChangesReport)
{
    TGridProgressAppearance P;
    EXPECT_EQ(P.CompleteColor(), clRed);
    EXPECT_EQ(P.CompleteFontColor(), clBlue);
    EXPECT_EQ(P.UnCompleteColor(), clNone);
    EXPECT_EQ(P.UnCompleteFontColor(), clWindowText);
    EXPECT_EQ(P.Level0Color(), clLime);
    EXPECT_EQ(P.Level0ColorTo(), 0xE1FFE1);
    EXPECT_EQ(P.Level1Color(), clYellow);
    EXPECT_EQ(P.Level1ColorTo(), 0xCAFFFF);
    EXPECT_EQ(P.Level2Color(), 0x53A9FF);
    EXPECT_EQ(P.Level2ColorTo(), 0xA8D3FF);
    EXPECT_EQ(P.Level3Color(), clRed);
    EXPECT_EQ(P.Level3ColorTo(), 0xCACAFF);
    EXPECT_EQ(P.Level1Perc(), 70);
    EXPECT_EQ(P.Level2Perc(), 90);
    EXPECT_EQ(P.BorderColor(), clBlack);
    EXPECT_FALSE(P.ShowBorder() || P.Stacked());
    EXPECT_TRUE(P.ShowPercentage() && P.CompletionSmooth() && P.ShowGradient());
    EXPECT_EQ(P.Steps(), 11);
    EXPECT_EQ(P.Style(), 0);

    int32_t Reports = 0;
    P.OnChange = [&](TObject*) { ++Reports; };
    P.SetSteps(11);
    P.SetLevel1Perc(70);
    P.SetShowGradient(true);
    EXPECT_EQ(Reports, 0);
    P.SetSteps(12);
    P.SetCompleteColor(clAqua);
    P.SetStacked(true);
    EXPECT_EQ(Reports, 3);

    TGridProgressAppearance Dst;
    int32_t DstReports = 0;
    Dst.OnChange = [&](TObject*) { ++DstReports; };
    P.SetStyle(1);
    Dst.Assign(&P);
    EXPECT_EQ(DstReports, 1);
    EXPECT_EQ(Dst.Steps(), 12);
    EXPECT_EQ(Dst.CompleteColor(), clAqua);
    EXPECT_TRUE(Dst.Stacked());
    EXPECT_EQ(Dst.Style(), 1);
}

TEST(FilterDropDownTest, DefaultsGlyphChangesReportAndAssign)
{
    TFilterDropDown Src;
    EXPECT_FALSE(Src.AutoSize());
    EXPECT_EQ(Src.Color(), clWindow);
    EXPECT_FALSE(Src.ColumnWidth());
    EXPECT_EQ(Src.Height(), 150);
    EXPECT_EQ(Src.Width(), 150);
    EXPECT_TRUE(Src.Glyph()->Empty());
    EXPECT_TRUE(Src.GlyphActive()->Empty());

    int32_t Reports = 0;
    Src.OnChange = [&](TObject*) { ++Reports; };
    TBitmap Glyph;
    Src.SetGlyph(RedSquare(Glyph, 3));
    EXPECT_GE(Reports, 1);
    Reports = 0;
    Src.SetGlyphActive(&Glyph);
    EXPECT_GE(Reports, 1);
    Reports = 0;
    Src.SetColor(clRed);
    Src.SetHeight(10);
    EXPECT_EQ(Reports, 0);

    Src.SetAutoSize(true);
    Src.SetWidth(20);
    Src.SetColumnWidth(true);
    Src.Font()->SetName(QStringLiteral("Arial"));
    TFilterDropDown Dst;
    Dst.Assign(&Src);
    EXPECT_FALSE(Dst.AutoSize());
    EXPECT_EQ(Dst.Color(), clRed);
    EXPECT_EQ(Dst.Height(), 10);
    EXPECT_EQ(Dst.Width(), 20);
    EXPECT_TRUE(Dst.ColumnWidth());
    EXPECT_EQ(Dst.Font()->Name(), "Arial");
    EXPECT_EQ(Dst.Glyph()->Width(), 3);
    EXPECT_EQ(Dst.GlyphActive()->Width(), 3);
}

}  // namespace
