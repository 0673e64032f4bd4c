// List boxes: which changes fire OnClick, the LB_ messages, keys and clicks, multiple selection, scrolling and owner drawing.
#include "support/Input.h"
#include "support/Render.h"
#include "Recorder.h"

#include "graphics/Canvas.h"
#include "rtl/Strings.h"
#include "windows/ListControls.h"
#include "windows/StdCtrls.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// The middle of item Index of List as it shows now.
TPoint ItemPoint(const TListBox* List, int32_t Index)
{
    const TRect Rect = List->ItemRect(Index);
    return {Rect.Left + 20, (Rect.Top + Rect.Bottom) / 2};
}

// A form that writes down the selection and double-click notifications of its list box.
class TNotifiedForm : public TForm {
public:
    using TForm::TForm;
    QStringList* Log = nullptr;

protected:
    void Dispatch(TMessage& Message) override
    {
        if (Message.Msg == WM_COMMAND && Log && dynamic_cast<TCustomListBox*>(FindControl(reinterpret_cast<HWND>(Message.LParam)))) {
            if (HIWORD(Message.WParam) == LBN_SELCHANGE) Log->append(QStringLiteral("LBN_SELCHANGE"));
            if (HIWORD(Message.WParam) == LBN_DBLCLK) Log->append(QStringLiteral("LBN_DBLCLK"));
        }
        TForm::Dispatch(Message);
    }
};

class ListBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = MakeForm<TNotifiedForm>(300, 240);
        Form->Log = &Log;
        List = Place<TListBox>(Form.get(), Bounds(10, 10, 150, 100));
        List->Items()->SetCommaText(QStringLiteral("Alpha,Beta,Gamma,Delta,Epsilon"));
        List->OnClick = [this](TObject*) { Log.append(QStringLiteral("OnClick")); };
        List->OnDblClick = [this](TObject*) { Log.append(QStringLiteral("OnDblClick")); };
        Form->Show();
        List->SetFocus();
        ProcessPendingEvents();
        Log.clear();
    }

    // The selected items of a multiple-selection list.
    QList<int32_t> SelectedItems() const
    {
        QList<int32_t> Result;
        for (int32_t I = 0; I < List->Count(); ++I)
            if (List->Selected(I)) Result.append(I);
        return Result;
    }

    QStringList Log;
    std::unique_ptr<TNotifiedForm> Form;
    TListBox* List = nullptr;
};

const QStringList Choice{"LBN_SELCHANGE", "OnClick"};

// ---- Which changes fire OnClick ----

struct TChangeCase {
    const char* Name;
    int32_t Start;
    std::function<void(TListBox*)> Act;
    QStringList Events;
    int32_t ItemIndex;

    friend void PrintTo(const TChangeCase& Case, std::ostream* Out) { *Out << Case.Name; }
};

class ListBoxChangeTest : public ListBoxTest, public ::testing::WithParamInterface<TChangeCase> {};

TEST_P(ListBoxChangeTest, FiresOnClickOnlyForTheUsersChoices)
{
    const TChangeCase& Case = GetParam();
    List->SetItemIndex(Case.Start);
    Case.Act(List);
    EXPECT_EQ(Log, Case.Events);
    EXPECT_EQ(List->ItemIndex(), Case.ItemIndex);
}

INSTANTIATE_TEST_SUITE_P(
    Changes, ListBoxChangeTest,
    ::testing::Values(
        TChangeCase{"ItemIndexByCode", -1, [](TListBox* List) { List->SetItemIndex(3); }, {}, 3},
        TChangeCase{"SelectedByCode", 1, [](TListBox* List) { List->SetSelected(2, true); }, {}, 2},
        TChangeCase{"ClickOnAnItem", -1, [](TListBox* List) { Input::Click(List, ItemPoint(List, 2)); }, Choice, 2},
        TChangeCase{"ClickOnTheSelectedItem", 2, [](TListBox* List) { Input::Click(List, ItemPoint(List, 2)); }, Choice, 2},
        TChangeCase{"ClickBelowTheItemsTakesTheLast", 0, [](TListBox* List) { Input::Click(List, {20, 95}); }, Choice, 4},
        TChangeCase{"DragAlongTheItems", 0,
                    [](TListBox* List) { Input::Drag(List, ItemPoint(List, 1), ItemPoint(List, 3)); }, Choice, 3},
        TChangeCase{"DoubleClick", -1, [](TListBox* List) { Input::DoubleClick(List, ItemPoint(List, 1)); },
                    Choice + QStringList{"LBN_DBLCLK", "OnDblClick"}, 1},
        TChangeCase{"DownKey", 1, [](TListBox*) { Input::PressKey(VK_DOWN); }, Choice, 2},
        TChangeCase{"DownKeyAtTheEnd", 4, [](TListBox*) { Input::PressKey(VK_DOWN); }, {}, 4},
        TChangeCase{"EndKey", 0, [](TListBox*) { Input::PressKey(VK_END); }, Choice, 4},
        TChangeCase{"TypedPrefix", -1, [](TListBox*) { Input::TypeText(QStringLiteral("ga")); }, {"OnClick", "OnClick"}, 2},
        TChangeCase{"TypedLetterWithoutAutoComplete", 0,
                    [](TListBox* List) {
                        List->SetAutoComplete(false);
                        Input::TypeText(QStringLiteral("e"));
                    },
                    Choice, 4}),
    [](const ::testing::TestParamInfo<TChangeCase>& Info) { return std::string(Info.param.Name); });

TEST_F(ListBoxTest, TypedCharactersAddUpUntilAPause)
{
    TTestClock Clock;
    List->Items()->SetCommaText(QStringLiteral("Bar,Baz,Zed"));
    Input::TypeText(QStringLiteral("baz"));
    EXPECT_EQ(List->ItemIndex(), 1);
    Clock.Advance(500);
    Input::TypeText(QStringLiteral("z"));
    EXPECT_EQ(List->ItemIndex(), 2);
}

// ---- LB_ messages ----

TEST_F(ListBoxTest, ItemMessagesRoundTrip)
{
    List->Perform(LB_RESETCONTENT, 0, 0);
    EXPECT_EQ(List->Perform(LB_GETCOUNT, 0, 0), 0);
    EXPECT_EQ(List->Perform(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(u"one")), 0);
    EXPECT_EQ(List->Perform(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(u"three")), 1);
    EXPECT_EQ(List->Perform(LB_INSERTSTRING, 1, reinterpret_cast<LPARAM>(u"two")), 1);
    EXPECT_EQ(List->Perform(LB_INSERTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(u"four")), 3);
    EXPECT_EQ(List->Items()->CommaText(), QStringLiteral("one,two,three,four"));
    char16_t Buffer[16] = {};
    EXPECT_EQ(List->Perform(LB_GETTEXT, 2, reinterpret_cast<LPARAM>(Buffer)), 5);
    EXPECT_EQ(QString::fromUtf16(Buffer), QStringLiteral("three"));
    EXPECT_EQ(List->Perform(LB_GETTEXTLEN, 9, 0), LB_ERR);
    EXPECT_EQ(List->Perform(LB_SETCURSEL, 2, 0), 2);
    EXPECT_EQ(List->Perform(LB_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(List->Perform(LB_DELETESTRING, 0, 0), 3);
    EXPECT_EQ(List->Perform(LB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(List->Perform(LB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(u"T")), 0);
    EXPECT_EQ(List->Perform(LB_FINDSTRING, 0, reinterpret_cast<LPARAM>(u"t")), 1);
    EXPECT_EQ(List->Perform(LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(u"FOUR")), 2);
    EXPECT_EQ(List->Perform(LB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(u"fo")), 2);
    EXPECT_EQ(List->ItemIndex(), 2);
    EXPECT_EQ(List->Perform(LB_SETCURSEL, static_cast<WPARAM>(-1), 0), LB_ERR);
    EXPECT_EQ(List->ItemIndex(), -1);
    EXPECT_TRUE(Log.isEmpty());
}

TEST_F(ListBoxTest, ItemsKeepTheirObjects)
{
    TObject First, Second;
    List->Clear();
    List->AddItem(QStringLiteral("a"), &First);
    List->AddItem(QStringLiteral("b"), &Second);
    List->Items()->SetStrings(0, QStringLiteral("A"));
    EXPECT_EQ(List->Items()->Objects(0), &First);
    EXPECT_EQ(List->Items()->Objects(1), &Second);
    EXPECT_EQ(List->Perform(LB_GETITEMDATA, 1, 0), reinterpret_cast<LRESULT>(&Second));
}

TEST_F(ListBoxTest, SortedListsAddInOrder)
{
    List->Items()->SetCommaText(QStringLiteral("pear,Apple,fig"));
    List->SetSorted(true);
    List->Items()->Add(QStringLiteral("banana"));
    EXPECT_EQ(List->Items()->CommaText(), QStringLiteral("Apple,banana,fig,pear"));
}

// ---- Multiple selection ----

TEST_F(ListBoxTest, ExtendedSelectionTakesShiftAndCtrlClicks)
{
    List->SetMultiSelect(true);
    Input::Click(List, ItemPoint(List, 1));
    Input::Click(List, ItemPoint(List, 3), mbLeft, {ssShift});
    EXPECT_EQ(SelectedItems(), (QList<int32_t>{1, 2, 3}));
    Input::Click(List, ItemPoint(List, 2), mbLeft, {ssCtrl});
    EXPECT_EQ(SelectedItems(), (QList<int32_t>{1, 3}));
    EXPECT_EQ(List->SelCount(), 2);
    EXPECT_EQ(List->ItemIndex(), 2);
    Input::Click(List, ItemPoint(List, 4));
    EXPECT_EQ(SelectedItems(), (QList<int32_t>{4}));
    EXPECT_EQ(Log, Choice + Choice + Choice + Choice);
}

TEST_F(ListBoxTest, SimpleMultipleSelectionTogglesOnClickAndSpace)
{
    List->SetMultiSelect(true);
    List->SetExtendedSelect(false);
    Input::Click(List, ItemPoint(List, 0));
    Input::Click(List, ItemPoint(List, 2));
    EXPECT_EQ(SelectedItems(), (QList<int32_t>{0, 2}));
    Input::Click(List, ItemPoint(List, 0));
    EXPECT_EQ(SelectedItems(), (QList<int32_t>{2}));
    Input::PressKey(VK_DOWN);
    Input::PressKey(VK_SPACE);
    EXPECT_EQ(SelectedItems(), (QList<int32_t>{1, 2}));
}

TEST_F(ListBoxTest, SelectionByCodeInAMultipleSelection)
{
    List->SetMultiSelect(true);
    List->SelectAll();
    EXPECT_EQ(List->SelCount(), 5);
    List->SetSelected(1, false);
    List->DeleteSelected();
    EXPECT_EQ(List->Items()->CommaText(), QStringLiteral("Beta"));
    List->ClearSelection();
    EXPECT_EQ(List->SelCount(), 0);
    List->SetMultiSelect(false);
    EXPECT_EQ(List->SelCount(), -1);
    EXPECT_TRUE(Log.isEmpty());
}

TEST_F(ListBoxTest, SelectionAndHeightMessagesRefuseItemsOutOfRange)
{
    List->SetMultiSelect(true);
    struct TCase {
        UINT Msg;
        WPARAM W;
        LPARAM L;
        LRESULT Expected;
    };
    for (const TCase& Case : {TCase{LB_SETSEL, 1, 2, 0}, TCase{LB_SETSEL, 1, 5, LB_ERR}, TCase{LB_SETSEL, 1, -2, LB_ERR},
                              TCase{LB_SETSEL, 1, -1, 0}})
        EXPECT_EQ(List->Perform(Case.Msg, Case.W, Case.L), Case.Expected) << Case.W << "," << Case.L;
    EXPECT_EQ(List->SelCount(), 5);
    EXPECT_THROW(List->SetSelected(5, true), EListError);
    List->SetMultiSelect(false);
    List->SetStyle(lbOwnerDrawVariable);
    EXPECT_EQ(List->Perform(LB_SETITEMHEIGHT, 7, 30), LB_ERR);
    EXPECT_EQ(List->Perform(LB_SETITEMHEIGHT, 1, 30), 0);
    EXPECT_EQ(List->Perform(LB_GETITEMHEIGHT, 1, 0), 30);
    EXPECT_TRUE(Log.isEmpty());
}

// ---- Scrolling and geometry ----

TEST_F(ListBoxTest, ItemsThatDoNotFitScrollIntoView)
{
    for (int32_t I = 0; I < 20; ++I) List->Items()->Add(QStringLiteral("Item %1").arg(I));
    const int32_t Height = List->ItemHeight();
    const int32_t Page = List->ClientHeight() / Height;
    EXPECT_LT(List->ClientWidth(), List->Width() - 4);
    EXPECT_EQ(List->TopIndex(), 0);
    Input::PressKey(VK_END);
    EXPECT_EQ(List->ItemIndex(), 24);
    EXPECT_EQ(List->TopIndex(), 25 - Page);
    EXPECT_EQ(List->ItemRect(24).Bottom, Page * Height);
    List->SetTopIndex(3);
    EXPECT_EQ(List->TopIndex(), 3);
    EXPECT_EQ(List->ItemRect(3), Bounds(0, 0, List->ClientWidth(), Height));
    EXPECT_EQ(List->ItemRect(2).Top, -Height);
    EXPECT_EQ(List->ItemAtPos({5, Height + 1}, true), 4);
    EXPECT_EQ(List->Perform(LB_ITEMFROMPOINT, 0, MAKELPARAM(5, static_cast<uint16_t>(Height + 1))), 4);
    List->SetTopIndex(100);
    EXPECT_EQ(List->TopIndex(), 25 - Page);
}

TEST_F(ListBoxTest, ItemAtPosBelowTheLastItem)
{
    EXPECT_EQ(List->ItemAtPos({5, 95}, true), -1);
    EXPECT_EQ(List->ItemAtPos({5, 95}, false), 5);
    EXPECT_EQ(List->ItemAtPos({5, 500}, false), -1);
    EXPECT_EQ(List->ItemRect(5), Bounds(0, 5 * List->ItemHeight(), List->ClientWidth(), List->ItemHeight()));
    EXPECT_EQ(List->ItemRect(6), TRect());
    EXPECT_EQ(List->Perform(LB_ITEMFROMPOINT, 0, MAKELPARAM(5, 95)), MAKELONG(4, 1));
}

TEST_F(ListBoxTest, TheWheelScrollsThreeLinesANotch)
{
    for (int32_t I = 0; I < 20; ++I) List->Items()->Add(QStringLiteral("Item %1").arg(I));
    List->Perform(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<uint16_t>(-WHEEL_DELTA)), 0);
    EXPECT_EQ(List->TopIndex(), 3);
}

// ---- Owner drawing ----

struct TDrawCall {
    int32_t Index;
    TOwnerDrawState State;
    TRect Rect;
};

TEST_F(ListBoxTest, OwnerDrawnItemsGetTheirStatesAndMeasuredHeights)
{
    std::vector<TDrawCall> Calls;
    List->OnDrawItem = [&](TWinControl*, int32_t Index, const TRect& Rect, TOwnerDrawState State) { Calls.push_back({Index, State, Rect}); };
    List->OnMeasureItem = [](TWinControl*, int32_t Index, int32_t& Height) { Height = 10 + 2 * Index; };
    List->SetStyle(lbOwnerDrawVariable);
    List->SetItemIndex(2);
    ProcessPendingEvents();
    Calls.clear();
    RenderControl(List);
    ASSERT_EQ(Calls.size(), 5u);
    int32_t Top = 0;
    for (int32_t I = 0; I < 5; ++I) {
        EXPECT_EQ(Calls[I].Index, I);
        EXPECT_EQ(Calls[I].Rect, Bounds(0, Top, List->ClientWidth(), 10 + 2 * I));
        EXPECT_EQ(Calls[I].State, (I == 2 ? TOwnerDrawState{odSelected, odFocused} : TOwnerDrawState{}));
        Top += 10 + 2 * I;
    }
    EXPECT_EQ(List->ItemAtPos({5, 21}, true), 1);
    EXPECT_EQ(List->ItemAtPos({5, 23}, true), 2);
    EXPECT_EQ(List->Perform(LB_GETITEMHEIGHT, 3, 0), 16);
}

TEST_F(ListBoxTest, TheDefaultOwnerDrawingPaintsTheHighlight)
{
    List->SetStyle(lbOwnerDrawFixed);
    List->SetItemHeight(20);
    List->SetItemIndex(1);
    const QImage Image = RenderControl(List);
    const QColor Highlight = Image.pixelColor(2 + 100, 2 + 30);
    const QColor Window = Image.pixelColor(2 + 100, 2 + 50);
    EXPECT_EQ(Highlight.rgb(), QColor(0x0A, 0x24, 0x6A).rgb());
    EXPECT_EQ(Window.rgb(), QColor(Qt::white).rgb());
}

}  // namespace
