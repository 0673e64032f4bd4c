// The string grid's in-place editor: opened by F2, typing, Enter and clicks, closed by Enter, Esc, moves and clicking away, and what it asks the grid.
#include "GridTestSupport.h"

#include "windows/StdCtrls.h"

#include <gtest/gtest.h>

namespace {

// A grid that counts the editors it makes and can refuse to show one.
class TEditingGrid : public TLoggingGrid {
public:
    using TLoggingGrid::TLoggingGrid;
    int32_t Editors = 0;
    bool Refuse = false;

protected:
    TInplaceEdit* CreateEditor() override
    {
        ++Editors;
        return TLoggingGrid::CreateEditor();
    }
    bool CanEditShow() override { return !Refuse && TLoggingGrid::CanEditShow(); }
    QString GetEditMask(int32_t ACol, int32_t ARow) override
    {
        Log.append(QStringLiteral("GetEditMask %1,%2").arg(ACol).arg(ARow));
        return TLoggingGrid::GetEditMask(ACol, ARow);
    }
    int32_t GetEditLimit() override { return ARowLimit; }

public:
    int32_t ARowLimit = 0;
};

class GridEditorTest : public ::testing::Test {
public:
    void SetUp() override
    {
        Form = MakeForm(340, 260);
        Grid = Place<TEditingGrid>(Form.get(), Bounds(10, 10, 300, 200));
        Grid->SetBorderStyle(bsNone);
        Grid->SetScrollBars(ssNone);
        Grid->SetDefaultColWidth(50);
        Grid->SetDefaultRowHeight(20);
        Grid->SetOptions(Grid->Options() + TGridOptions{goEditing});
        Other = Place<TEdit>(Form.get(), Bounds(10, 220, 80, 21));
        for (int32_t R = 1; R < 5; ++R)
            for (int32_t C = 1; C < 5; ++C) Grid->SetCells(C, R, QStringLiteral("%1%2").arg(QChar('a' + C)).arg(R));
        Form->Show();
        Grid->SetFocus();
        ProcessPendingEvents();
        Grid->Log.clear();
    }

    TInplaceEdit* Editor() const { return Grid->InplaceEditor(); }
    bool EditorShown() const { return Editor() && Editor()->Visible(); }

    std::unique_ptr<TForm> Form;
    TEditingGrid* Grid = nullptr;
    TEdit* Other = nullptr;
};

TEST_F(GridEditorTest, F2OpensTheEditorOverTheCellWithTheCaretAtTheEnd)
{
    Input::PressKey(VK_F2);
    ASSERT_TRUE(EditorShown());
    EXPECT_TRUE(Grid->EditorMode());
    EXPECT_EQ(Editor()->BoundsRect(), Grid->CellRect(1, 1));
    EXPECT_TRUE(Editor()->Focused());
    EXPECT_EQ(Editor()->Text(), QStringLiteral("b1"));
    EXPECT_EQ(Editor()->SelStart(), 2);
    EXPECT_EQ(Editor()->SelLength(), 0);
    // Typing goes into the cell as it is typed; Enter closes.
    Input::TypeText(QStringLiteral("xy"));
    EXPECT_EQ(Grid->Cells(1, 1), QStringLiteral("b1xy"));
    Input::PressKey(VK_RETURN);
    EXPECT_FALSE(EditorShown());
    EXPECT_FALSE(Grid->EditorMode());
    EXPECT_TRUE(Grid->Focused());
    EXPECT_EQ(Grid->Cells(1, 1), QStringLiteral("b1xy"));
    EXPECT_TRUE(Grid->Log.contains(QStringLiteral("SetEditText 1,1 b1xy")));
}

TEST_F(GridEditorTest, TheEditorLifeThroughInput)
{
    // Each case starts on cell (1, 1) holding "b1" and ends with the cell's text and where the editor is.
    struct TCase {
        const char* Name;
        std::function<void(GridEditorTest&)> Act;
        const char* Cell;
        bool Shown;
        TGridCoord Current;
    } Cases[] = {
        {"typing opens the editor with the character",
         [](GridEditorTest&) { Input::TypeText(QStringLiteral("q")); },
         "q",
         true,
         {1, 1}},
        {"Enter opens and Enter closes",
         [](GridEditorTest&) {
             Input::PressKey(VK_RETURN);
             Input::TypeText(QStringLiteral("z"));
             Input::PressKey(VK_RETURN);
         },
         "z",
         false,
         {1, 1}},
        {"Esc brings the text back",
         [](GridEditorTest&) {
             Input::PressKey(VK_F2);
             Input::TypeText(QStringLiteral("zz"));
             Input::PressKey(VK_ESCAPE);
         },
         "b1",
         false,
         {1, 1}},
        {"Down stores and moves",
         [](GridEditorTest&) {
             Input::PressKey(VK_F2);
             Input::TypeText(QStringLiteral("!"));
             Input::PressKey(VK_DOWN);
         },
         "b1!",
         false,
         {1, 2}},
        {"PgDn stores and pages",
         [](GridEditorTest&) {
             Input::PressKey(VK_F2);
             Input::TypeText(QStringLiteral("?"));
             Input::PressKey(VK_NEXT);
         },
         "b1?",
         false,
         {1, 4}},
        {"Tab with goTabs stores and moves on",
         [](GridEditorTest& T) {
             T.Grid->SetOptions(T.Grid->Options() + TGridOptions{goTabs});
             Input::PressKey(VK_F2);
             Input::TypeText(QStringLiteral("%"));
             Input::PressKey(VK_TAB);
         },
         "b1%",
         false,
         {2, 1}},
        {"Tab without goTabs leaves the grid",
         [](GridEditorTest& T) {
             Input::PressKey(VK_F2);
             Input::PressKey(VK_TAB);
             EXPECT_TRUE(T.Other->Focused());
         },
         "b1",
         false,
         {1, 1}},
        {"Left stays in the text",
         [](GridEditorTest&) {
             Input::PressKey(VK_F2);
             Input::PressKey(VK_LEFT);
             Input::TypeText(QStringLiteral("-"));
         },
         "b-1",
         true,
         {1, 1}},
        {"Ctrl+Right pages the cell",
         [](GridEditorTest&) {
             Input::PressKey(VK_F2);
             Input::PressKey(VK_RIGHT, {ssCtrl});
         },
         "b1",
         false,
         {4, 1}},
        {"clicking another cell stores and moves",
         [](GridEditorTest& T) {
             Input::PressKey(VK_F2);
             Input::TypeText(QStringLiteral("+"));
             Input::Click(T.Grid, CenterPoint(T.Grid->CellRect(3, 3)));
         },
         "b1+",
         false,
         {3, 3}},
        {"clicking the current cell opens the editor",
         [](GridEditorTest& T) { Input::Click(T.Grid, CenterPoint(T.Grid->CellRect(1, 1))); },
         "b1",
         true,
         {1, 1}},
        {"clicking away stores and closes",
         [](GridEditorTest& T) {
             Input::PressKey(VK_F2);
             Input::TypeText(QStringLiteral("#"));
             Input::Click(T.Other, {5, 5});
         },
         "b1#",
         false,
         {1, 1}},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        TearDown();
        SetUp();
        Case.Act(*this);
        EXPECT_EQ(Grid->Cells(1, 1), QString::fromUtf8(Case.Cell));
        EXPECT_EQ(EditorShown(), Case.Shown);
        EXPECT_EQ(Grid->Col(), Case.Current.X);
        EXPECT_EQ(Grid->Row(), Case.Current.Y);
    }
}

TEST_F(GridEditorTest, TheEditorIsMadeOnceAndLoadsForEachCellItShowsOn)
{
    Input::PressKey(VK_F2);
    EXPECT_EQ(Grid->Log.filter(QStringLiteral("GetEditMask")), QStringList{"GetEditMask 1,1"});
    // Moving the caret or showing it again on its cell loads nothing.
    Input::PressKey(VK_LEFT);
    Grid->ShowEditor();
    EXPECT_EQ(Grid->Log.filter(QStringLiteral("GetEditMask")).size(), 1);
    // Hidden, it lets its cell go; shown on another cell or invalidated, it loads again.
    Input::PressKey(VK_RETURN);
    Input::PressKey(VK_F2);
    Input::PressKey(VK_DOWN);
    Input::PressKey(VK_F2);
    Grid->InvalidateEditor();
    EXPECT_EQ(Grid->Log.filter(QStringLiteral("GetEditMask")),
              (QStringList{"GetEditMask 1,1", "GetEditMask 1,1", "GetEditMask 1,2", "GetEditMask 1,2"}));
    EXPECT_EQ(Grid->Editors, 1);
    // A text written into the edited cell shows in the editor.
    Grid->SetCells(1, 2, QStringLiteral("new"));
    EXPECT_EQ(Editor()->Text(), QStringLiteral("new"));
}

TEST_F(GridEditorTest, WithoutCanEditShowNothingShowsButEditorModeStaysOn)
{
    Grid->Refuse = true;
    Input::PressKey(VK_F2);
    EXPECT_TRUE(Grid->EditorMode());
    EXPECT_FALSE(EditorShown());
    Grid->Refuse = false;
    Grid->ShowEditor();
    EXPECT_TRUE(EditorShown());
}

TEST_F(GridEditorTest, AnAlwaysShownEditorFollowsTheCurrentCell)
{
    Grid->SetOptions(Grid->Options() + TGridOptions{goAlwaysShowEditor});
    Grid->ShowEditor();
    ASSERT_TRUE(EditorShown());
    Input::PressKey(VK_DOWN);
    EXPECT_TRUE(EditorShown());
    EXPECT_EQ(Editor()->BoundsRect(), Grid->CellRect(1, 2));
    EXPECT_EQ(Editor()->Text(), QStringLiteral("b2"));
    // With the whole text selected, or the caret at the text's edge, Right moves the cell.
    Input::PressKey(VK_RIGHT);
    EXPECT_EQ(Grid->Col(), 2);
    Input::PressKey(VK_F2);
    Input::PressKey(VK_LEFT);
    Input::PressKey(VK_RIGHT);
    EXPECT_EQ(Grid->Col(), 2);
    EXPECT_EQ(Editor()->SelStart(), 2);
    Input::PressKey(VK_RIGHT);
    EXPECT_EQ(Grid->Col(), 3);
    Input::PressKey(VK_RETURN);
    EXPECT_TRUE(EditorShown());
}

TEST_F(GridEditorTest, TheEditLimitBoundsTyping)
{
    Grid->ARowLimit = 3;
    Input::PressKey(VK_F2);
    Input::TypeText(QStringLiteral("xyz"));
    EXPECT_EQ(Grid->Cells(1, 1), QStringLiteral("b1x"));
}

// A right click nobody handles reaches the parent; the reading order is kept but nothing reads right to left.
TEST_F(GridEditorTest, ContextMenusGoUpAndReadingOrderFollowsTheParent)
{
    auto* Plain = Place<TPlainControl>(Form.get(), Bounds(100, 220, 40, 20));
    TPoint Asked{-5, -5};
    Form->OnContextPopup = [&](TObject*, TPoint MousePos, bool& Handled) {
        Asked = MousePos;
        Handled = true;
    };
    Input::Click(Plain, {5, 6}, mbRight);
    EXPECT_EQ(Asked, Point(105, 226));
    Form->SetBiDiMode(bdRightToLeft);
    EXPECT_EQ(Plain->BiDiMode(), bdRightToLeft);
    EXPECT_FALSE(Plain->UseRightToLeftAlignment());
    EXPECT_FALSE(Grid->IsRightToLeft());
    Plain->SetBiDiMode(bdLeftToRight);
    Form->SetBiDiMode(bdRightToLeftReadingOnly);
    EXPECT_EQ(Plain->BiDiMode(), bdLeftToRight);
}

}  // namespace
