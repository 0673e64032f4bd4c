// The filter drop-down's list and check list under real input: a press elsewhere on the form or the
// form's deactivation closes them, a release on the list picks its entry, a tick reports -1.
#include "ExtGridTestSupport.h"

#include "grid/core/DropLists.h"

#include "windows/StdCtrls.h"

namespace {

class DropListsFixture : public ExtGridFixture {
protected:
    void SetUp() override
    {
        ExtGridFixture::SetUp();
        Form->SetClientWidth(520);
        Other = New<TEdit>(Form.get());
        Other->SetParent(Form.get());
        Other->SetBounds(430, 10, 80, 24);
        Show();
    }

    // Opens List over the grid's column 1 with the focus, as the grid's header does.
    void Open(TCustomListBox* List)
    {
        List->Items()->SetCommaText(QStringLiteral("(All),apple,pear"));
        List->SetBounds(70, 22, 120, 80);
        List->Show();
        List->SetFocus();
        Grid->SetFilterColumn(1);
        ProcessPendingEvents();
    }

    TEdit* Other = nullptr;
};

// CM_CANCELMODE reaches the focused list; it closes only with the pointer outside it.
TEST_F(DropListsFixture, CancelModeClosesOnlyWithThePointerOutside)
{
    enum TAct { PressOther, PressGrid, Deactivate, CancelOverList };
    struct TCase {
        const char* Name;
        TAct Act;
        bool Closes;
    };
    const TCase Cases[] = {
        {"a press on another control", PressOther, true},
        {"a press on the grid beside the list", PressGrid, true},
        {"the form losing the activation with the pointer outside", Deactivate, true},
        {"a cancel mode with the pointer over the list", CancelOverList, false},
    };
    for (const bool Check : {false, true}) {
        TCustomListBox* List = Check ? static_cast<TCustomListBox*>(Grid->DropCheckList()) : Grid->DropList();
        int32_t Selected = 0;
        if (Check) Grid->DropCheckList()->OnSelect = [&](TObject*, int32_t) { ++Selected; };
        else Grid->DropList()->OnSelect = [&](TObject*, int32_t) { ++Selected; };
        for (const TCase& C : Cases) {
            SCOPED_TRACE(std::string(Check ? "check list: " : "list: ") + C.Name);
            Open(List);
            ASSERT_TRUE(List->Focused());
            switch (C.Act) {
            case PressOther: Input::MouseDown(Other, {5, 5}); break;
            case PressGrid: Input::MouseDown(Grid, {300, 150}); break;
            case Deactivate: {
                Input::MoveMouse(Grid, {300, 150});
                std::unique_ptr<TForm> Second(New<TForm>(nullptr));
                Second->SetBounds(600, 100, 100, 80);
                Second->Show();
                Second->SetFocus();
                ProcessPendingEvents();
                break;
            }
            case CancelOverList:
                Input::MoveMouse(List, {10, 10});
                List->Perform(CM_CANCELMODE, 0, 0);
                break;
            }
            ProcessPendingEvents();
            EXPECT_EQ(List->Visible(), !C.Closes);
            EXPECT_EQ(Grid->FilterColumn(), C.Closes ? -1 : 1);
            EXPECT_EQ(Selected, 0);
            Input::MouseUp(Other, {5, 5});
            Form->SetFocus();
            List->Hide();
            ProcessPendingEvents();
        }
    }
}

// A release on the list hides it and reports the entry under the press; Enter the selected one.
TEST_F(DropListsFixture, ReleaseOrEnterPicksAnEntry)
{
    TDropList* List = Grid->DropList();
    QList<int32_t> Picked;
    List->OnSelect = [&](TObject* Sender, int32_t Index) {
        EXPECT_EQ(Sender, List);
        EXPECT_FALSE(List->Visible());
        Picked << Index;
    };
    Open(List);
    const TRect Pear = List->ItemRect(2);
    Input::Click(List, {Pear.Left + 10, (Pear.Top + Pear.Bottom) / 2});
    ProcessPendingEvents();
    EXPECT_FALSE(List->Visible());
    Open(List);
    List->SetItemIndex(0);
    Input::PressKey(VK_DOWN);
    EXPECT_TRUE(List->Visible());
    Input::PressKey(VK_RETURN);
    ProcessPendingEvents();
    EXPECT_FALSE(List->Visible());
    EXPECT_EQ(Picked, (QList<int32_t>{2, 1}));
}

// Ticking or unticking an entry reports -1 and leaves the check list open.
TEST_F(DropListsFixture, TicksReportMinusOne)
{
    TDropCheckList* List = Grid->DropCheckList();
    QList<int32_t> Picked;
    List->OnSelect = [&](TObject*, int32_t Index) { Picked << Index; };
    Open(List);
    const TRect Apple = List->ItemRect(1);
    const TPoint Box{Apple.Left + 3, (Apple.Top + Apple.Bottom) / 2};
    Input::Click(List, Box);
    EXPECT_TRUE(List->Checked(1));
    Input::Click(List, Box);
    EXPECT_FALSE(List->Checked(1));
    EXPECT_EQ(Picked, (QList<int32_t>{-1, -1}));
    EXPECT_TRUE(List->Visible());
}

}  // namespace
