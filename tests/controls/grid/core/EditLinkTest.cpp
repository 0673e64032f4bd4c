// Custom editor links: the order in which the grid drives a link, the keys that end its edit, the
// message filter, the pop-up form and the value handed back.
#include "ExtGridTestSupport.h"

#include "grid/base/GridSettings.h"
#include "grid/core/EditLink.h"

#include "windows/StdCtrls.h"

#include <QStringList>

namespace {

using namespace Input;

// A link editing through a plain edit box, recording the calls the grid makes.
class TTestLink : public TEditLink {
public:
    using TEditLink::TEditLink;
    using TEditLink::FForcedExit;
    using TEditLink::FSubClassed;


    TWinControl* GetEditControl() override { return Edit; }
    void CreateEditor(TWinControl* AParent) override
    {
        Calls << (AParent == Grid() ? QStringLiteral("CreateEditor(grid)") : QStringLiteral("CreateEditor(popup)"));
        if (!Edit) {
            Edit = New<TEdit>(this);
            Edit->OnKeyDown = [this](TObject* Sender, uint16_t& Key, TShiftState Shift) {
                EditKeyDown(Sender, Key, Shift);
            };
        }
        Edit->SetParent(AParent);
    }
    void DestroyEditor() override
    {
        Calls << QStringLiteral("DestroyEditor");
        delete Edit;
        Edit = nullptr;
    }
    void SetRect(TRect R) override
    {
        Calls << QStringLiteral("SetRect");
        Placed = R;
        TEditLink::SetRect(R);
    }
    void SetVisible(bool Value) override
    {
        Calls << QStringLiteral("SetVisible(%1)").arg(Value);
        TEditLink::SetVisible(Value);
    }
    void SetCellProps(TColor, TFont*) override { Calls << QStringLiteral("SetCellProps"); }
    void SetProperties() override { Calls << QStringLiteral("SetProperties"); }
    QString GetEditorValue() override { return Edit ? Edit->Text() : QString(); }
    void SetEditorValue(const QString& s) override
    {
        Calls << QStringLiteral("SetEditorValue(%1)").arg(s);
        if (Edit) Edit->SetText(s);
    }
    void SetFocus(bool Value) override
    {
        Calls << QStringLiteral("SetFocus(%1)").arg(Value);
        TEditLink::SetFocus(Value);
    }

    // The edit box is the link's; its parent may free it first.
    void Notification(TComponent* AComponent, TOperation Operation) override
    {
        TEditLink::Notification(AComponent, Operation);
        if (Operation == opRemove && AComponent == Edit) Edit = nullptr;
    }

    TEdit* Edit = nullptr;
    QStringList Calls;
    TRect Placed{};
};

class EditLinkTest : public ExtGridFixture {
protected:
    void SetUp() override
    {
        ExtGridFixture::SetUp();
        Grid->SetBounds(10, 10, 400, 250);
        Grid->SetColCount(4);
        Grid->SetRowCount(6);
        Grid->SetOptions(Grid->Options() + TGridOptions{goEditing});
        for (int32_t r = 1; r < 6; ++r)
            for (int32_t c = 1; c < 4; ++c) Grid->SetCells(c, r, QStringLiteral("c%1r%2").arg(c).arg(r));
        Link = New<TTestLink>(Form.get());
        Grid->SetEditLink(Link);
        // Columns 1 and 2 edit through the link; column 3 is read-only.
        Grid->OnGetEditorType = [](TObject*, int32_t ACol, int32_t, TEditorType& AEditor) {
            if (ACol == 1 || ACol == 2) AEditor = edCustom;
        };
        Grid->OnCanEditCell = [](TObject*, int32_t, int32_t ACol, bool& CanEdit) {
            if (ACol == 3) CanEdit = false;
        };
    }

    // Opens the link on a cell with F2, as a user does.
    void OpenOn(int32_t ACol, int32_t ARow)
    {
        Grid->SetFocus();
        Grid->GotoCell(ACol, ARow);
        ProcessPendingEvents();
        PressKey(VK_F2);
        ProcessPendingEvents();
    }

    bool Editing() const { return Link->Edit && Link->Edit->Visible() && Link->Edit->Focused(); }

    TTestLink* Link = nullptr;
};

TEST(EditLinkDefaults, StartsInPlaceWithoutKeysAndUnderTheCell)
{
    TEditLink Link(nullptr);
    EXPECT_EQ(Link.Grid(), nullptr);
    EXPECT_EQ(Link.EditStyle(), esInplace);
    EXPECT_EQ(Link.PopupLeft(), -1);
    EXPECT_EQ(Link.PopupTop(), -1);
    EXPECT_EQ(Link.PopupWidth(), 0);
    EXPECT_EQ(Link.PopupHeight(), 0);
    EXPECT_EQ(Link.PopupForm(), nullptr);
    EXPECT_FALSE(Link.AutoPopupWidth());
    EXPECT_EQ(Link.Tag(), 0);
    for (bool Want : {Link.WantKeyLeftRight(), Link.WantKeyUpDown(), Link.WantKeyHomeEnd(), Link.WantKeyPriorNext(),
                      Link.WantKeyReturn(), Link.WantKeyEscape(), Link.WantReturns(), Link.WantTabs()})
        EXPECT_FALSE(Want);
    EXPECT_EQ(Link.GetEditControl(), nullptr);
    EXPECT_TRUE(Link.GetEditorValue().isEmpty());
    EXPECT_EQ(Link.GetParent(), nullptr);
    // Without a control or a grid nothing happens.
    Link.SetFocus(true);
    Link.SetRect(Rect(0, 0, 10, 10));
    Link.RestoreWinProc();
    uint16_t Key = VK_RETURN;
    Link.EditKeyDown(nullptr, Key, {});
    EXPECT_EQ(Key, VK_RETURN);
}

TEST_F(EditLinkTest, F2DrivesTheLinkInOrderAndEnterHandsTheValueBack)
{
    Show();
    int32_t PropCol = -1, PropRow = -1;
    Grid->OnGetEditorProp = [&](TObject*, int32_t ACol, int32_t ARow, TEditLink* AEditLink) {
        EXPECT_EQ(AEditLink, Link);
        Link->Calls << QStringLiteral("OnGetEditorProp");
        PropCol = ACol;
        PropRow = ARow;
    };
    OpenOn(2, 3);
    const QStringList Expected{"CreateEditor(grid)", "SetRect",       "SetVisible(1)",           "SetCellProps",
                               "SetProperties",      "OnGetEditorProp", "SetEditorValue(c2r3)", "SetFocus(1)"};
    EXPECT_EQ(Link->Calls, Expected);
    EXPECT_EQ(Link->Grid(), Grid);
    EXPECT_EQ(Link->EditCell(), Point(2, 3));
    EXPECT_EQ(PropCol, 2);
    EXPECT_EQ(PropRow, 3);
    ASSERT_TRUE(Editing());
    EXPECT_EQ(Link->GetParent(), Grid);
    EXPECT_EQ(Link->GetCellValue(), "c2r3");
    const TRect Cell = Grid->CellRect(2, 3);
    EXPECT_EQ(Link->Placed, Cell);
    EXPECT_EQ(Link->Edit->BoundsRect(),
              Rect(Cell.Left, Cell.Top, Cell.Right - Grid->GridLineWidth(), Cell.Bottom - Grid->GridLineWidth()));

    int32_t Done = 0;
    Grid->OnEditingDone = [&](TObject*) { ++Done; };
    Link->Edit->SetSelStart(4);
    TypeText(QStringLiteral("X"));
    PressKey(VK_RETURN);
    ProcessPendingEvents();
    EXPECT_EQ(Grid->Cells(2, 3), "c2r3X");
    EXPECT_EQ(Done, 1);
    EXPECT_FALSE(Link->Edit->Visible());
    EXPECT_TRUE(Grid->Focused());
    // A plain text cell still gets the platform editor.
    Link->Calls.clear();
    Grid->GotoCell(3, 1);
    Grid->OnCanEditCell = nullptr;
    PressKey(VK_F2);
    ProcessPendingEvents();
    EXPECT_TRUE(Link->Calls.isEmpty());
    EXPECT_TRUE(Grid->EditorMode());
}

TEST_F(EditLinkTest, KeysThatEndTheEditAndKeysTheEditorKeeps)
{
    Grid->SetOptions(Grid->Options() + TGridOptions{goTabs});
    Show();
    enum TWant { wNone, wLeftRight, wUpDown, wHomeEnd, wPriorNext, wReturn, wEscape, wTabs };
    struct TCase {
        const char* Name;
        uint16_t Key;
        TShiftState Shift;
        TWant Want;
        bool Leaves;
        // The cell text after the key, where the cursor went from cell (1, 2), and whether the
        // editor opened there again.
        const char* Text;
        TPoint Cursor;
        bool Reopens;
    };
    const TCase Cases[] = {
        {"Enter", VK_RETURN, {}, wNone, true, "c1r2X", Point(1, 2), false},
        {"Enter kept", VK_RETURN, {}, wReturn, false, "c1r2", Point(1, 2), false},
        {"Escape restores", VK_ESCAPE, {}, wNone, true, "c1r2", Point(1, 2), false},
        {"Escape kept", VK_ESCAPE, {}, wEscape, false, "c1r2", Point(1, 2), false},
        {"Tab goes on to the next cell", VK_TAB, {}, wNone, true, "c1r2X", Point(2, 2), true},
        {"Tab kept", VK_TAB, {}, wTabs, false, "c1r2", Point(1, 2), false},
        {"Page Up", VK_PRIOR, {}, wNone, true, "c1r2X", Point(1, 2), false},
        {"Page Down", VK_NEXT, {}, wNone, true, "c1r2X", Point(1, 2), false},
        {"Page Down kept", VK_NEXT, {}, wPriorNext, false, "c1r2", Point(1, 2), false},
        {"End", VK_END, {}, wNone, true, "c1r2X", Point(1, 2), false},
        {"End kept", VK_END, {}, wHomeEnd, false, "c1r2", Point(1, 2), false},
        {"Home never leaves", VK_HOME, {}, wNone, false, "c1r2", Point(1, 2), false},
        {"Home kept", VK_HOME, {}, wHomeEnd, false, "c1r2", Point(1, 2), false},
        {"Left at the first column", VK_LEFT, {}, wNone, true, "c1r2X", Point(1, 2), false},
        {"Right", VK_RIGHT, {}, wNone, true, "c1r2X", Point(2, 2), false},
        {"Right kept", VK_RIGHT, {}, wLeftRight, false, "c1r2", Point(1, 2), false},
        {"Up", VK_UP, {}, wNone, true, "c1r2X", Point(1, 1), false},
        {"Down", VK_DOWN, {}, wNone, true, "c1r2X", Point(1, 3), false},
        {"Down kept", VK_DOWN, {}, wUpDown, false, "c1r2", Point(1, 2), false},
        {"Up kept", VK_UP, {}, wUpDown, false, "c1r2", Point(1, 2), false},
        {"Down with Left-Right kept", VK_DOWN, {}, wLeftRight, true, "c1r2X", Point(1, 3), false},
        {"Letter", 'Q', {}, wNone, false, "c1r2", Point(1, 2), false},
        {"Delete", VK_DELETE, {}, wNone, false, "c1r2", Point(1, 2), false},
        {"Alt+Home", VK_HOME, {ssAlt}, wHomeEnd, true, "c1r2X", Point(1, 2), false},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        Grid->SetCells(1, 2, QStringLiteral("c1r2"));
        Link->SetWantKeyLeftRight(Case.Want == wLeftRight);
        Link->SetWantKeyUpDown(Case.Want == wUpDown);
        Link->SetWantKeyHomeEnd(Case.Want == wHomeEnd);
        Link->SetWantKeyPriorNext(Case.Want == wPriorNext);
        Link->SetWantKeyReturn(Case.Want == wReturn);
        Link->SetWantKeyEscape(Case.Want == wEscape);
        Link->SetWantTabs(Case.Want == wTabs);
        OpenOn(1, 2);
        ASSERT_TRUE(Editing());
        Link->Edit->SetSelStart(Link->Edit->Text().length());
        TypeText(QStringLiteral("X"));
        ASSERT_EQ(Link->GetEditorValue(), "c1r2X");
        PressKey(Case.Key, Case.Shift);
        ProcessPendingEvents();
        EXPECT_EQ(Editing(), !Case.Leaves || Case.Reopens);
        EXPECT_EQ(Grid->Cells(1, 2), Case.Leaves ? QString::fromLatin1(Case.Text) : QStringLiteral("c1r2"));
        EXPECT_EQ(Point(Grid->Col(), Grid->Row()), Case.Cursor);
        if (Case.Reopens) {
            EXPECT_EQ(Link->EditCell(), Case.Cursor);
        }
        if (Editing()) {
            Grid->SetFocus();
            Grid->HideInplaceEdit();
            ProcessPendingEvents();
        }
        EXPECT_FALSE(Link->Edit->Visible());
    }
}

TEST_F(EditLinkTest, TheFilterAsksForArrowsTabAndCharactersOnlyWithGoTabs)
{
    Show();
    for (const bool Tabs : {false, true}) {
        SCOPED_TRACE(Tabs);
        TGridOptions Options = Grid->Options();
        if (Tabs) Options.Include(goTabs);
        else Options.Exclude(goTabs);
        Grid->SetOptions(Options);
        OpenOn(1, 1);
        ASSERT_TRUE(Editing());
        EXPECT_TRUE(Link->FSubClassed);
        const LRESULT Asked = Link->Edit->Perform(WM_GETDLGCODE, 0, 0);
        Link->RestoreWinProc();
        EXPECT_FALSE(Link->FSubClassed);
        // The edit box's own answer, once the filter is off again.
        const LRESULT Own = Link->Edit->Perform(WM_GETDLGCODE, 0, 0);
        EXPECT_EQ(Own & DLGC_WANTTAB, 0);
        EXPECT_EQ(Asked, Tabs ? (Own | 0x83) : Own);
        EXPECT_FALSE(IsWindowVisible(Link->Edit->Handle()));
        Grid->SetFocus();
        Grid->HideInplaceEdit();
        ProcessPendingEvents();
    }
}

TEST_F(EditLinkTest, SetRectTakesTheGridLinesOff)
{
    Show();
    OpenOn(1, 1);
    ASSERT_TRUE(Editing());
    for (const int32_t Line : {1, 0, 3}) {
        SCOPED_TRACE(Line);
        Grid->SetGridLineWidth(Line);
        Link->SetRect(Rect(20, 30, 120, 50));
        EXPECT_EQ(Link->Edit->Left(), 20);
        EXPECT_EQ(Link->Edit->Top(), 30);
        EXPECT_EQ(Link->Edit->Width(), 100 - Line);
        EXPECT_EQ(Link->Edit->Height(), 20 - Line);
    }
}

TEST_F(EditLinkTest, PopupOpensUnderTheCellUnlessBothCoordinatesAreGiven)
{
    Show();
    Link->SetEditStyle(esPopup);
    Link->SetPopupWidth(150);
    Link->SetPopupHeight(60);
    struct TCase {
        int32_t Left, Top;
        bool UnderCell;
    };
    for (const TCase& Case : {TCase{-1, 100, true}, TCase{100, -1, true}, TCase{-1, -1, true}, TCase{70, 90, false}}) {
        SCOPED_TRACE(testing::Message() << Case.Left << "," << Case.Top);
        Link->SetPopupLeft(Case.Left);
        Link->SetPopupTop(Case.Top);
        OpenOn(2, 2);
        TForm* Popup = Link->PopupForm();
        ASSERT_NE(Popup, nullptr);
        EXPECT_EQ(Popup->Name(), "gridform");
        // The link owns its form.
        EXPECT_EQ(Popup->Owner(), Link);
        EXPECT_TRUE(Popup->Visible());
        EXPECT_EQ(Popup->BorderStyle(), bsNone);
        EXPECT_EQ(Popup->FormStyle(), fsStayOnTop);
        EXPECT_EQ(Popup->Width(), 150);
        EXPECT_EQ(Popup->Height(), 60);
        const TRect Cell = Grid->CellRect(2, 2);
        const TPoint Expected = Case.UnderCell ? Grid->ClientToScreen(Point(Cell.Left, Cell.Top)) : Point(70, 90);
        EXPECT_EQ(Point(Popup->Left(), Popup->Top()), Expected);
        ASSERT_NE(Link->Edit, nullptr);
        EXPECT_EQ(Link->Edit->Parent(), Popup);
        EXPECT_EQ(Link->GetParent(), Popup);
        EXPECT_EQ(Link->Edit->BoundsRect(), Rect(0, 0, 150 - Grid->GridLineWidth(), 60 - Grid->GridLineWidth()));
        // No message filter on a pop-up editor.
        EXPECT_FALSE(Link->FSubClassed);
        Link->Edit->SetSelStart(Link->Edit->Text().length());
        TypeText(QStringLiteral("Z"));
        PressKey(VK_RETURN);
        ProcessPendingEvents();
        EXPECT_EQ(Grid->Cells(2, 2).right(1), "Z");
        EXPECT_FALSE(Popup->Visible());
        EXPECT_EQ(Link->Edit, nullptr);
    }
    EXPECT_TRUE(Link->Calls.contains("DestroyEditor"));
}

TEST_F(EditLinkTest, PopupLosingActivationStoresTheValueAndClosesOnce)
{
    Show();
    Link->SetEditStyle(esPopup);
    Link->SetPopupWidth(120);
    Link->SetPopupHeight(40);
    OpenOn(1, 3);
    ASSERT_NE(Link->PopupForm(), nullptr);
    Link->Edit->SetSelStart(Link->Edit->Text().length());
    TypeText(QStringLiteral("!"));
    // Clicking the grid's form takes the activation from the pop-up.
    Click(Grid, Point(5, 5));
    ProcessPendingEvents();
    EXPECT_EQ(Grid->Cells(1, 3), "c1r3!");
    EXPECT_FALSE(Link->PopupForm()->Visible());
    EXPECT_EQ(Link->Edit, nullptr);
    // The focus the exit handed back is ignored once; the next arrival is the grid's as ever.
    Grid->SetFocus();
    ProcessPendingEvents();
    EXPECT_TRUE(Grid->Focused());

    // While the link moves the focus itself, the exit only stores the value.
    OpenOn(1, 4);
    Link->FForcedExit = true;
    Link->Edit->SetSelStart(Link->Edit->Text().length());
    TypeText(QStringLiteral("?"));
    Link->FormExit(Link->PopupForm());
    EXPECT_EQ(Grid->Cells(1, 4), "c1r4?");
    EXPECT_TRUE(Link->PopupForm()->Visible());
}

TEST_F(EditLinkTest, EachPopupLinkKeepsItsOwnFormAndFreesItWithItself)
{
    Show();
    Link->SetEditStyle(esPopup);
    Link->SetPopupWidth(100);
    Link->SetPopupHeight(30);
    OpenOn(1, 1);
    PressKey(VK_RETURN);
    ProcessPendingEvents();
    TForm* First = Link->PopupForm();
    ASSERT_NE(First, nullptr);

    // A second link's first pop-up makes a form of its own and leaves the first link's alone.
    auto* Other = New<TTestLink>(Form.get());
    Other->SetEditStyle(esPopup);
    Other->SetPopupWidth(100);
    Other->SetPopupHeight(30);
    Grid->SetEditLink(Other);
    OpenOn(2, 1);
    ASSERT_NE(Other->PopupForm(), nullptr);
    EXPECT_NE(Other->PopupForm(), First);
    EXPECT_EQ(Link->PopupForm(), First);
    PressKey(VK_RETURN);
    ProcessPendingEvents();

    // The first link edits in its own form again.
    Grid->SetEditLink(Link);
    OpenOn(1, 2);
    EXPECT_EQ(Link->PopupForm(), First);
    EXPECT_TRUE(First->Visible());
    Link->Edit->SetSelStart(Link->Edit->Text().length());
    TypeText(QStringLiteral("+"));
    PressKey(VK_RETURN);
    ProcessPendingEvents();
    EXPECT_EQ(Grid->Cells(1, 2), "c1r2+");

    // The form goes with its link.
    struct TWatch : TComponent {
        using TComponent::TComponent;
        void Notification(TComponent* AComponent, TOperation Operation) override
        {
            TComponent::Notification(AComponent, Operation);
            if (Operation == opRemove && AComponent == Watched) Gone = true;
        }
        TComponent* Watched = nullptr;
        bool Gone = false;
    } Watch(nullptr);
    Watch.Watched = First;
    First->FreeNotification(&Watch);
    Grid->SetEditLink(nullptr);
    delete Link;
    Link = nullptr;
    EXPECT_TRUE(Watch.Gone);
}

TEST_F(EditLinkTest, TabToNextAtEndOpensTheLinkOnTheNextEditableCell)
{
    Grid->Navigation()->SetTabToNextAtEnd(true);
    // Tab reaches the editor only when the grid's filter asks for it.
    Grid->SetOptions(Grid->Options() + TGridOptions{goTabs});
    Show();
    struct TCase {
        TPoint From;
        TShiftState Shift;
        TPoint To;
    };
    // Column 3 is read-only and is skipped; Shift goes back.
    const TCase Cases[] = {
        {Point(1, 2), {}, Point(2, 2)},
        {Point(2, 2), {}, Point(1, 3)},
        {Point(1, 3), {ssShift}, Point(2, 2)},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(testing::Message() << Case.From.X << "," << Case.From.Y);
        OpenOn(Case.From.X, Case.From.Y);
        ASSERT_TRUE(Editing());
        Link->Edit->SetSelStart(Link->Edit->Text().length());
        Link->Edit->SetSelStart(Link->Edit->Text().length());
    TypeText(QStringLiteral("+"));
        PressKey(VK_TAB, Case.Shift);
        ProcessPendingEvents();
        EXPECT_TRUE(Grid->Cells(Case.From.X, Case.From.Y).endsWith('+'));
        EXPECT_EQ(Point(Grid->Col(), Grid->Row()), Case.To);
        EXPECT_TRUE(Editing());
        EXPECT_EQ(Link->EditCell(), Case.To);
        EXPECT_EQ(Link->GetEditorValue(), Grid->Cells(Case.To.X, Case.To.Y));
        Grid->SetFocus();
        Grid->HideInplaceEdit();
        ProcessPendingEvents();
    }
}

// A grid whose cell selection refuses the edited value a given number of times.
class TRefusingGrid : public TTestExtGrid {
public:
    using TTestExtGrid::TTestExtGrid;
    int32_t Refusals = 0;

protected:
    bool SelectCell(int32_t ACol, int32_t ARow) override
    {
        if (Refusals > 0) {
            --Refusals;
            FLastValidation = false;
        }
        return TTestExtGrid::SelectCell(ACol, ARow);
    }
};

TEST_F(EditLinkTest, ARefusedValueOpensTheEditorAgainOnTheSameCell)
{
    Form.reset(New<TForm>(nullptr));
    auto* Refusing = New<TRefusingGrid>(Form.get());
    Refusing->SetParent(Form.get());
    Refusing->SetBounds(10, 10, 400, 250);
    Refusing->SetOptions(Refusing->Options() + TGridOptions{goEditing});
    Refusing->SetCells(1, 1, QStringLiteral("old"));
    Refusing->OnGetEditorType = [](TObject*, int32_t, int32_t, TEditorType& AEditor) { AEditor = edCustom; };
    Link = New<TTestLink>(Form.get());
    Refusing->SetEditLink(Link);
    Grid = Refusing;
    Show();
    OpenOn(1, 1);
    ASSERT_TRUE(Editing());
    Link->Edit->SetSelStart(3);
    TypeText(QStringLiteral("!"));
    Refusing->Refusals = 1;
    Link->Calls.clear();
    PressKey(VK_DOWN);
    ProcessPendingEvents();
    EXPECT_EQ(Refusing->Refusals, 0);
    EXPECT_TRUE(Editing());
    EXPECT_EQ(Point(Refusing->Col(), Refusing->Row()), Point(1, 1));
    EXPECT_EQ(Link->EditCell(), Point(1, 1));
    EXPECT_TRUE(Link->Calls.contains("SetEditorValue(old!)"));
    // Accepted the second time: Down moves on.
    PressKey(VK_DOWN);
    ProcessPendingEvents();
    EXPECT_FALSE(Editing());
    EXPECT_EQ(Point(Refusing->Col(), Refusing->Row()), Point(1, 2));
    EXPECT_EQ(Refusing->Cells(1, 1), "old!");
}

TEST_F(EditLinkTest, EnterAdvancesAsNavigationSays)
{
    Grid->Navigation()->SetAdvanceOnEnter(true);
    Show();
    struct TCase {
        TAdvanceDirection Direction;
        bool Skip;
        TShiftState Shift;
        TPoint From, To;
    };
    const TCase Cases[] = {
        {adLeftRight, false, {}, Point(1, 2), Point(2, 2)},
        {adLeftRight, false, {}, Point(2, 2), Point(3, 2)},
        {adLeftRight, true, {}, Point(2, 2), Point(1, 3)},
        {adTopBottom, false, {}, Point(1, 2), Point(1, 3)},
        {adTopBottom, false, {ssShift}, Point(1, 2), Point(1, 1)},
        {adLeftRight, false, {ssShift}, Point(1, 2), Point(3, 1)},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(testing::Message() << Case.Direction << " " << Case.From.X << "," << Case.From.Y);
        Grid->Navigation()->SetAdvanceDirection(Case.Direction);
        Grid->Navigation()->SetAdvanceSkipReadOnlyCells(Case.Skip);
        OpenOn(Case.From.X, Case.From.Y);
        ASSERT_TRUE(Editing());
        PressKey(VK_RETURN, Case.Shift);
        ProcessPendingEvents();
        EXPECT_EQ(Point(Grid->Col(), Grid->Row()), Case.To);
        Grid->SetFocus();
        Grid->HideInplaceEdit();
        ProcessPendingEvents();
    }
    // Only read-only cells ahead: the walk stops instead of running round forever.
    Grid->OnCanEditCell = [](TObject*, int32_t, int32_t, bool& CanEdit) { CanEdit = false; };
    Grid->Navigation()->SetAdvanceSkipReadOnlyCells(true);
    Grid->Navigation()->SetAdvanceDirection(adLeftRight);
    Grid->GotoCell(1, 1);
    Grid->AdvanceAfterEdit(1, 1, true, false, true, false, false);
    EXPECT_EQ(Point(Grid->Col(), Grid->Row()), Point(1, 1));
}

}  // namespace
