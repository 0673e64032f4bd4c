// The search footer below the grid, driven as a user does: typing searches and colours the edit,
// Enter and Ctrl+Enter search on, the highlight button marks the matches, the close button hides
// the footer, Alt with a caption's accelerator presses its button.
#include "ExtGridTestSupport.h"

#include "grid/base/ExtCheckBox.h"
#include "grid/base/ExtGridButton.h"
#include "grid/base/GridSettings.h"
#include "grid/core/FloatingFooter.h"
#include "grid/core/FooterPanel.h"
#include "grid/core/SearchPanel.h"

#include "support/Artifacts.h"
#include "support/LayerInternals.h"

namespace {

struct TAction {
    QString Value;
    int32_t Col;
    int32_t Row;
    TSearchAction Action;
    bool operator==(const TAction&) const = default;
};

class ExtGridSearchFooterFixture : public ExtGridFixture {
protected:
    void SetUp() override
    {
        ExtGridFixture::SetUp();
        // Column-order matches of "ba": (1, 2), (1, 5), (3, 1).
        Grid->SetCells(1, 2, QStringLiteral("banana"));
        Grid->SetCells(1, 5, QStringLiteral("Bar"));
        Grid->SetCells(3, 1, QStringLiteral("abba"));
        Grid->SetCells(2, 3, QStringLiteral("x & y"));
        TSearchFooter* S = Grid->SearchFooter();
        S->SetFindNextCaption(QStringLiteral("Find &next"));
        S->SetFindPrevCaption(QStringLiteral("Find &previous"));
        S->SetHighLightCaption(QStringLiteral("&Highlight"));
        S->SetMatchCaseCaption(QStringLiteral("Match case"));
        S->SetVisible(true);
        Grid->OnSearchFooterAction = [this](TObject*, const QString& Value, int32_t ACol, int32_t ARow,
                                            TSearchAction A) { Actions.append({Value, ACol, ARow, A}); };
        Show();
        Panel = Grid->SearchPanel();
        Edit = Panel->EditControl();
        Edit->SetFocus();
        ProcessPendingEvents();
    }

    TSearchPanel* Panel = nullptr;
    TRetEdit* Edit = nullptr;
    QList<TAction> Actions;
};

TEST(ExtGridPanels, ExistFromConstruction)
{
    std::unique_ptr<TTestExtGrid> Grid(New<TTestExtGrid>(nullptr));
    ASSERT_NE(Grid->SearchPanel(), nullptr);
    ASSERT_NE(Grid->FooterPanel(), nullptr);
    EXPECT_EQ(Grid->SearchPanel()->Owner(), Grid.get());
    EXPECT_EQ(Grid->FooterPanel()->Owner(), Grid.get());
    EXPECT_EQ(Grid->SearchPanel()->Height(), 0);
    EXPECT_EQ(Grid->FooterPanel()->LastHintX(), -1);
    for (TExtGridButton* B : {Grid->SearchPanel()->ForwardButton(), Grid->SearchPanel()->BackwardButton(),
                              Grid->SearchPanel()->HiliteButton()})
        EXPECT_FALSE(B->Enabled());
    EXPECT_EQ(Grid->SearchPanel()->HiliteButton()->Style(), tasCheck);
}

TEST_F(ExtGridSearchFooterFixture, PanelLayoutBelowTheGrid)
{
    EXPECT_TRUE(Panel->Visible());
    EXPECT_EQ(Panel->Parent(), Grid);
    EXPECT_EQ(Panel->Height(), 32);
    EXPECT_EQ(Panel->Top() + Panel->Height(), Grid->ClientHeight());
    struct TCase {
        TControl* Control;
        int32_t Left, Top;
    };
    const TCase Cases[] = {{Edit, 25, 6}, {Panel->ForwardButton(), 140, 5}, {Panel->BackwardButton(), 235, 5},
                           {Panel->ExitButton(), 5, 7}, {Panel->HiliteButton(), 330, 5}, {Panel->MatchCase(), 425, 8}};
    for (const TCase& C : Cases) {
        EXPECT_EQ(C.Control->Left(), C.Left);
        EXPECT_EQ(C.Control->Top(), C.Top);
    }
    EXPECT_EQ(Panel->ForwardButton()->Caption(), QStringLiteral("Find &next"));
    // Without the highlight button the match-case box moves left.
    Grid->SearchFooter()->SetShowHighLight(false);
    EXPECT_EQ(Panel->MatchCase()->Left(), 330);
    SaveArtifact(RenderControl(Grid), QStringLiteral("grid-search-footer"));
}

TEST_F(ExtGridSearchFooterFixture, TypingSearchesAndColoursTheEdit)
{
    Input::TypeText(QStringLiteral("ba"));
    EXPECT_EQ(Edit->Text(), QStringLiteral("ba"));
    EXPECT_TRUE(Panel->ForwardButton()->Enabled());
    EXPECT_EQ(Grid->Col(), 1);
    EXPECT_EQ(Grid->Row(), 2);
    EXPECT_EQ(Edit->Color(), clWindow);
    EXPECT_EQ(Actions.last(), (TAction{QStringLiteral("ba"), 1, 2, saFindFirst}));

    Input::TypeText(QStringLiteral("q"));
    EXPECT_EQ(Edit->Color(), TColor(0x0000FF));
    EXPECT_EQ(Actions.last(), (TAction{QStringLiteral("baq"), -1, -1, saFindFirst}));
    for (int k = 0; k < 3; ++k) Input::PressKey(VK_BACK);
    EXPECT_EQ(Edit->Color(), clWindow);
    EXPECT_FALSE(Panel->ForwardButton()->Enabled());
    EXPECT_FALSE(Panel->HiliteButton()->Enabled());
}

// Enter searches forward from the last match, Ctrl+Enter backward; actions 2 and 1.
TEST_F(ExtGridSearchFooterFixture, EnterAndCtrlEnterSearchOn)
{
    Input::TypeText(QStringLiteral("ba"));
    Input::PressKey(VK_RETURN);
    EXPECT_EQ(Actions.last(), (TAction{QStringLiteral("ba"), 1, 5, saFindNext}));
    Input::PressKey(VK_RETURN);
    EXPECT_EQ(Actions.last(), (TAction{QStringLiteral("ba"), 3, 1, saFindNext}));
    EXPECT_EQ(Grid->Col(), 3);
    EXPECT_EQ(Grid->Row(), 1);
    Input::PressKey(VK_RETURN, {ssCtrl});
    EXPECT_EQ(Actions.last(), (TAction{QStringLiteral("ba"), 1, 5, saFindPrevious}));
    EXPECT_EQ(static_cast<int>(saFindFirst), 0);
    EXPECT_EQ(static_cast<int>(saFindPrevious), 1);
    EXPECT_EQ(static_cast<int>(saFindNext), 2);
    EXPECT_EQ(Edit->Text(), QStringLiteral("ba"));
}

TEST_F(ExtGridSearchFooterFixture, HighlightButtonMarksMatches)
{
    Input::TypeText(QStringLiteral("&"));
    TExtGridButton* Hilite = Panel->HiliteButton();
    Input::Click(Hilite, Point(10, 10));
    ASSERT_TRUE(Hilite->Down());
    EXPECT_EQ(Grid->Cells(2, 3), QStringLiteral("x <hi>&amp;</hi> y"));
    EXPECT_EQ(Grid->Cells(1, 2), QStringLiteral("banana"));
    // Typing on searches the markup-free texts and highlights again.
    Edit->SetFocus();
    Input::TypeText(QStringLiteral(" y"));
    EXPECT_EQ(Grid->Cells(2, 3), QStringLiteral("x <hi>&amp; y</hi>"));
    EXPECT_EQ(Grid->Row(), 3);
    Input::Click(Hilite, Point(10, 10));
    EXPECT_FALSE(Hilite->Down());
    EXPECT_EQ(Grid->Cells(2, 3), QStringLiteral("x & y"));
}

TEST_F(ExtGridSearchFooterFixture, HandlerCanTakeOverTheSearch)
{
    QStringList Seen;
    Grid->SearchFooter()->SetAlwaysHighLight(true);
    Grid->OnSearchEditChange = [&](TObject*, const QString& Value, bool& DefaultSearch) {
        Seen << Value;
        DefaultSearch = false;
    };
    Input::TypeText(QStringLiteral("ba"));
    EXPECT_EQ(Seen, QStringList({QStringLiteral("b"), QStringLiteral("ba")}));
    EXPECT_TRUE(Actions.isEmpty());
    EXPECT_EQ(Grid->Row(), 1);
    EXPECT_EQ(Grid->Cells(1, 2), QStringLiteral("banana"));
}

TEST_F(ExtGridSearchFooterFixture, CloseButtonHidesTheFooter)
{
    int32_t Closed = 0;
    Grid->OnSearchFooterClose = [&](TObject* Sender) {
        EXPECT_EQ(Sender, Grid);
        EXPECT_TRUE(Grid->SearchFooter()->Visible());
        ++Closed;
    };
    Input::Click(Panel->ExitButton(), Point(5, 5));
    EXPECT_EQ(Closed, 1);
    EXPECT_FALSE(Grid->SearchFooter()->Visible());
    EXPECT_FALSE(Panel->Visible());
}

// CM_DIALOGCHAR: a caption's accelerator presses a shown, enabled button and counts as handled.
TEST_F(ExtGridSearchFooterFixture, AcceleratorsOfTheButtons)
{
    struct TCase {
        const char* Name;
        uint16_t Key;
        bool TypeFirst;
        bool FooterVisible;
        LRESULT Result;
    };
    const TCase Cases[] = {
        {"find next", 'N', true, true, 1},
        {"find previous", 'P', true, true, 1},
        {"highlight", 'H', true, true, 1},
        {"no accelerator", 'Q', true, true, 0},
        {"disabled while the edit is empty", 'N', false, true, 0},
        {"footer hidden", 'N', true, false, 0},
    };
    for (const TCase& C : Cases) {
        SCOPED_TRACE(C.Name);
        Edit->SetText(C.TypeFirst ? QStringLiteral("ba") : QString());
        Grid->SearchFooter()->SetVisible(C.FooterVisible);
        Actions.clear();
        EXPECT_EQ(Grid->Perform(CM_DIALOGCHAR, C.Key, 0), C.Result);
        if (C.Key != 'H') {
            EXPECT_EQ(Actions.size(), C.Result);
        }
        Grid->SearchFooter()->SetVisible(true);
    }
    // Alt+N from the keyboard reaches the grid through the form.
    Edit->SetText(QStringLiteral("ba"));
    Actions.clear();
    Grid->SetFocus();
    Input::PressKey('N', {ssAlt});
    ASSERT_EQ(Actions.size(), 1);
    EXPECT_EQ(Actions.last().Action, saFindNext);
}

// The footer panel shows below the rows and takes the footer's height.
TEST_F(ExtGridFixture, FooterPanelFollowsTheFloatingFooter)
{
    Show();
    TFooterPanel* Panel = Grid->FooterPanel();
    EXPECT_EQ(Panel->Parent(), Grid);
    EXPECT_FALSE(Panel->Visible());
    Grid->FloatingFooter()->SetVisible(true);
    EXPECT_TRUE(Panel->Visible());
    // Its window takes the footer's height; the footer's own switch one pixel less.
    EXPECT_EQ(Panel->Height(), Grid->FloatingFooter()->Height());
    Grid->FloatingFooter()->SetHeight(30);
    EXPECT_EQ(Panel->Height(), 29);
    EXPECT_EQ(Panel->Top() + Panel->Height(), Grid->ClientHeight());
    Grid->SetCells(1, Grid->RowCount() - 1, QStringLiteral("total"));
    SaveArtifact(RenderControl(Grid), QStringLiteral("grid-floating-footer"));
    // A write into the footer row repaints the panel.
    ProcessPendingEvents();
    {
        TPaintHold Hold;
        Grid->SetCellEx(1, Grid->RowCount() - 1, QStringLiteral("sum"));
        TRect R;
        EXPECT_TRUE(GetUpdateRect(Panel->Handle(), R));
    }
    Grid->FloatingFooter()->SetVisible(false);
    EXPECT_FALSE(Panel->Visible());
    EXPECT_EQ(Panel->Height(), 0);
}

// The preview styles: the template's "<#n>" tags take the current row's texts; the column preview
// hands its column to OnFooterPaint.
TEST_F(ExtGridFixture, FooterPreviews)
{
    Show();
    Grid->SetCells(2, 1, QStringLiteral("abc"));
    Grid->FocusCell(1, 1);
    TFloatingFooter* F = Grid->FloatingFooter();
    F->SetFooterStyle(fsCustomPreview);
    F->SetVisible(true);
    auto Render = [&](const char* Template) {
        F->SetCustomTemplate(QString::fromUtf8(Template));
        ProcessPendingEvents();
        return RenderControl(Grid->FooterPanel());
    };
    EXPECT_EQ(Render("Total: <#2>"), Render("Total: abc"));
    EXPECT_NE(Render("Total: <#2>"), Render("Total: "));
    EXPECT_EQ(Render("A<#x>B"), Render("AB"));
    EXPECT_NE(Render("Total <#2"), Render("Total "));
    SaveArtifact(Render("<b>Total:</b> <#2>"), QStringLiteral("grid-footer-custom-preview"));

    QList<int32_t> Columns;
    Grid->OnFooterPaint = [&](TObject* Sender, int32_t AColumn, TCanvas*, const TRect&) {
        EXPECT_EQ(Sender, Grid->FooterPanel());
        Columns << AColumn;
    };
    F->SetFooterStyle(fsColumnPreview);
    F->SetColumn(2);
    RenderControl(Grid->FooterPanel());
    ASSERT_FALSE(Columns.isEmpty());
    EXPECT_EQ(Columns.last(), 2);
    EXPECT_EQ(Grid->FixedFooters(), 0);
}

}  // namespace
