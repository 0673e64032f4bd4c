// Combo boxes: which changes fire which events, the CB_ messages, keys and mouse on the list, owner drawing, heights.
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

QString NotificationName(uint16_t Code)
{
    switch (Code) {
    case CBN_SELCHANGE: return QStringLiteral("CBN_SELCHANGE");
    case CBN_DBLCLK: return QStringLiteral("CBN_DBLCLK");
    case CBN_EDITCHANGE: return QStringLiteral("CBN_EDITCHANGE");
    case CBN_EDITUPDATE: return QStringLiteral("CBN_EDITUPDATE");
    case CBN_DROPDOWN: return QStringLiteral("CBN_DROPDOWN");
    case CBN_CLOSEUP: return QStringLiteral("CBN_CLOSEUP");
    case CBN_SELENDOK: return QStringLiteral("CBN_SELENDOK");
    case CBN_SELENDCANCEL: return QStringLiteral("CBN_SELENDCANCEL");
    default: return {};
    }
}

// A form that writes down the notifications of its combo box (focus notifications left out).
class TNotifiedForm : public TForm {
public:
    using TForm::TForm;
    QStringList* Log = nullptr;

protected:
    void Dispatch(TMessage& Message) override
    {
        if (Message.Msg == WM_COMMAND && Log && dynamic_cast<TCustomComboBox*>(FindControl(reinterpret_cast<HWND>(Message.LParam))))
            if (const QString Name = NotificationName(HIWORD(Message.WParam)); !Name.isEmpty()) Log->append(Name);
        TForm::Dispatch(Message);
    }
};

class ComboBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = MakeForm<TNotifiedForm>(300, 240);
        Form->Log = &Log;
        Combo = Place<TComboBox>(Form.get(), Bounds(10, 10, 150, 21));
        Combo->Items()->SetCommaText(QStringLiteral("Alpha,Beta,Gamma,Delta,Epsilon"));
        Other = Place<TEdit>(Form.get(), Bounds(10, 200, 150, 21));
        Combo->OnChange = [this](TObject*) { Log.append(QStringLiteral("OnChange")); };
        Combo->OnSelect = [this](TObject*) { Log.append(QStringLiteral("OnSelect")); };
        Combo->OnClick = [this](TObject*) { Log.append(QStringLiteral("OnClick")); };
        Combo->OnDropDown = [this](TObject*) { Log.append(QStringLiteral("OnDropDown")); };
        Combo->OnCloseUp = [this](TObject*) { Log.append(QStringLiteral("OnCloseUp")); };
        Form->Show();
        ProcessPendingEvents();
        Log.clear();
    }

    void UseStyle(TComboBoxStyle Style)
    {
        Combo->SetStyle(Style);
        Log.clear();
    }

    // The dropped-down list's window.
    TWinControl* DropList() const { return FindControl(Combo->ListHandle()); }

    // The middle of item Index of the open list, in the list's client coordinates.
    TPoint ListItemPoint(int32_t Index) const { return {20, 1 + Combo->ItemHeight() * Index + Combo->ItemHeight() / 2}; }

    QStringList Log;
    std::unique_ptr<TNotifiedForm> Form;
    TComboBox* Combo = nullptr;
    TEdit* Other = nullptr;
};

// ---- Which changes fire which events ----

struct TChangeCase {
    const char* Name;
    TComboBoxStyle Style;
    std::function<void(TComboBox*)> Act;
    QStringList Events;
    int32_t ItemIndex;
    const char* Text;

    friend void PrintTo(const TChangeCase& Case, std::ostream* Out) { *Out << Case.Name; }
};

class ComboBoxChangeTest : public ComboBoxTest, public ::testing::WithParamInterface<TChangeCase> {};

TEST_P(ComboBoxChangeTest, FiresExactlyTheToolkitsEvents)
{
    const TChangeCase& Case = GetParam();
    UseStyle(Case.Style);
    Case.Act(Combo);
    EXPECT_EQ(Log, Case.Events);
    EXPECT_EQ(Combo->ItemIndex(), Case.ItemIndex);
    EXPECT_EQ(Combo->Text(), QString::fromUtf8(Case.Text));
}

const QStringList UserChoice{"CBN_SELCHANGE", "OnClick", "OnSelect"};
const QStringList EditChange{"CBN_EDITUPDATE", "CBN_EDITCHANGE", "OnChange"};

INSTANTIATE_TEST_SUITE_P(
    Changes, ComboBoxChangeTest,
    ::testing::Values(
        TChangeCase{"ItemIndexByCode", csDropDown, [](TComboBox* C) { C->SetItemIndex(2); }, {}, 2, "Gamma"},
        TChangeCase{"ItemIndexByCodeInAList", csDropDownList, [](TComboBox* C) { C->SetItemIndex(2); }, {}, 2, "Gamma"},
        TChangeCase{"ItemIndexOutOfRangeClears", csDropDownList,
                    [](TComboBox* C) {
                        C->SetItemIndex(1);
                        C->SetItemIndex(9);
                    },
                    {}, -1, ""},
        TChangeCase{"TextByCodeLeavesTheListUnselected", csDropDown, [](TComboBox* C) { C->SetText(QStringLiteral("Gamma")); },
                    EditChange, -1, "Gamma"},
        TChangeCase{"TextByCodeInAListDoesNothing", csDropDownList, [](TComboBox* C) { C->SetText(QStringLiteral("Gamma")); }, {},
                    -1, ""},
        TChangeCase{"DownKeyInAClosedList", csDropDownList, [](TComboBox*) { Input::PressKey(VK_DOWN); }, UserChoice, 0, "Alpha"},
        TChangeCase{"DownKeyInAClosedEditCombo", csDropDown, [](TComboBox*) { Input::PressKey(VK_DOWN); }, UserChoice, 0, "Alpha"},
        TChangeCase{"TypingWithoutAMatch", csDropDown, [](TComboBox*) { Input::TypeText(QStringLiteral("x")); }, EditChange, -1, "x"},
        TChangeCase{"TypingCompletesFromTheItems", csDropDown, [](TComboBox*) { Input::TypeText(QStringLiteral("g")); },
                    EditChange + QStringList{"OnClick", "OnSelect"}, 2, "gamma"},
        TChangeCase{"TypingWithoutAutoComplete", csDropDown,
                    [](TComboBox* C) {
                        C->SetAutoComplete(false);
                        Input::TypeText(QStringLiteral("g"));
                    },
                    EditChange, -1, "g"},
        TChangeCase{"TypeAheadInAList", csDropDownList, [](TComboBox*) { Input::TypeText(QStringLiteral("de")); },
                    {"OnClick", "OnSelect"}, 3, "Delta"},
        TChangeCase{"TypeAheadWithoutAutoCompleteTakesTheNextItemOfThatLetter", csDropDownList,
                    [](TComboBox* C) {
                        C->SetAutoComplete(false);
                        C->SetItemIndex(3);
                        Input::TypeText(QStringLiteral("e"));
                    },
                    UserChoice, 4, "Epsilon"},
        TChangeCase{"DroppingDownByCode", csDropDownList, [](TComboBox* C) { C->SetDroppedDown(true); },
                    {"CBN_DROPDOWN", "OnDropDown"}, -1, ""},
        TChangeCase{"ClosingByCode", csDropDownList,
                    [](TComboBox* C) {
                        C->SetDroppedDown(true);
                        C->SetDroppedDown(false);
                    },
                    {"CBN_DROPDOWN", "OnDropDown", "CBN_CLOSEUP", "OnCloseUp"}, -1, ""},
        TChangeCase{"SelectWithoutOnSelectFiresOnChange", csDropDownList,
                    [](TComboBox* C) {
                        C->OnSelect = nullptr;
                        Input::PressKey(VK_DOWN);
                    },
                    {"CBN_SELCHANGE", "OnClick", "OnChange"}, 0, "Alpha"}),
    [](const ::testing::TestParamInfo<TChangeCase>& Info) { return std::string(Info.param.Name); });

TEST_F(ComboBoxTest, AChangeByCodeBeforeTheWindowExistsFiresNothing)
{
    TComboBox Hidden(nullptr);
    int32_t Changes = 0;
    Hidden.OnChange = [&](TObject*) { ++Changes; };
    Hidden.SetText(QStringLiteral("text"));
    EXPECT_EQ(Hidden.Text(), QStringLiteral("text"));
    EXPECT_EQ(Changes, 0);
}

TEST_F(ComboBoxTest, ClearingTheItemsKeepsTheEditText)
{
    Combo->SetItemIndex(1);
    Combo->Items()->Clear();
    EXPECT_EQ(Combo->Items()->Count(), 0);
    EXPECT_EQ(Combo->Text(), QStringLiteral("Beta"));
    EXPECT_EQ(Combo->ItemIndex(), -1);
    Combo->Clear();
    EXPECT_EQ(Combo->Text(), QString());
}

// ---- The dropped-down list and the mouse ----

TEST_F(ComboBoxTest, AClickOnAListItemClosesTheListThenReportsTheNewSelection)
{
    UseStyle(csDropDownList);
    Input::Click(Combo, {20, 10});
    ASSERT_TRUE(Combo->DroppedDown());
    EXPECT_EQ(Log, (QStringList{"CBN_DROPDOWN", "OnDropDown"}));
    Log.clear();
    Input::Click(DropList(), ListItemPoint(2));
    EXPECT_FALSE(Combo->DroppedDown());
    EXPECT_EQ(Log, (QStringList{"CBN_SELENDOK", "CBN_CLOSEUP", "OnCloseUp", "CBN_SELCHANGE", "OnClick", "OnSelect"}));
    EXPECT_EQ(Combo->ItemIndex(), 2);
    EXPECT_EQ(Combo->Text(), QStringLiteral("Gamma"));
    EXPECT_TRUE(Combo->Focused());
}

TEST_F(ComboBoxTest, PressingOnTheComboAndReleasingOnAnItemChoosesIt)
{
    UseStyle(csDropDownList);
    Input::MouseDown(Combo, {20, 10});
    Input::MoveMouse(DropList(), ListItemPoint(1));
    Input::MouseUp(DropList(), ListItemPoint(1));
    EXPECT_FALSE(Combo->DroppedDown());
    EXPECT_EQ(Combo->ItemIndex(), 1);
}

TEST_F(ComboBoxTest, AClickElsewhereClosesTheListWithoutChoosing)
{
    Combo->SetItemIndex(1);
    Input::Click(Combo, {Combo->Width() - 8, 10});
    ASSERT_TRUE(Combo->DroppedDown());
    Log.clear();
    Input::MoveMouse(DropList(), ListItemPoint(3));
    Input::Click(Form.get(), {200, 150});
    EXPECT_FALSE(Combo->DroppedDown());
    EXPECT_EQ(Log, (QStringList{"CBN_SELENDCANCEL", "CBN_CLOSEUP", "OnCloseUp"}));
    EXPECT_EQ(Combo->ItemIndex(), 1);
    EXPECT_EQ(Combo->Text(), QStringLiteral("Beta"));
}

TEST_F(ComboBoxTest, TheListOpensBelowTheComboWithDropDownCountRows)
{
    Combo->SetDropDownCount(3);
    Combo->Perform(CB_SETDROPPEDWIDTH, 220, 0);
    Combo->SetDroppedDown(true);
    const TWinControl* List = DropList();
    EXPECT_EQ(List->Left(), Combo->ClientToScreen({0, 0}).X);
    EXPECT_EQ(List->Top(), Combo->ClientToScreen({0, Combo->Height()}).Y);
    EXPECT_EQ(List->Width(), 220);
    EXPECT_EQ(List->Height(), 3 * Combo->ItemHeight() + 2);
}

TEST_F(ComboBoxTest, LosingTheFocusClosesTheList)
{
    Combo->SetDroppedDown(true);
    Log.clear();
    Other->SetFocus();
    EXPECT_FALSE(Combo->DroppedDown());
    EXPECT_EQ(Log, (QStringList{"CBN_SELENDCANCEL", "CBN_CLOSEUP", "OnCloseUp"}));
}

TEST_F(ComboBoxTest, ASimpleComboShowsItsListUnderTheEdit)
{
    UseStyle(csSimple);
    Combo->SetHeight(120);
    const int32_t ListTop = Combo->Perform(CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0) + 6 + 2;
    const TPoint Second{20, ListTop + Combo->ItemHeight() + Combo->ItemHeight() / 2};
    Input::Click(Combo, Second);
    EXPECT_EQ(Log, UserChoice);
    EXPECT_EQ(Combo->ItemIndex(), 1);
    EXPECT_EQ(Combo->Text(), QStringLiteral("Beta"));
    EXPECT_EQ(Combo->ListHandle(), Combo->Handle());
    Log.clear();
    Input::DoubleClick(Combo, Second);
    EXPECT_EQ(Log, (QStringList{"CBN_DBLCLK"}));
    Log.clear();
    // Typing selects the first item the text begins with, the list being always shown.
    Combo->SetAutoComplete(false);
    Combo->SetText({});
    Input::TypeText(QStringLiteral("ga"));
    EXPECT_EQ(Combo->ItemIndex(), 2);
    Input::PressKey(VK_F4);
    EXPECT_FALSE(Combo->DroppedDown());
}

// ---- Keys ----

struct TKeyCase {
    const char* Name;
    int32_t Start;
    uint16_t Key;
    int32_t Expected;

    friend void PrintTo(const TKeyCase& Case, std::ostream* Out) { *Out << Case.Name; }
};

class ComboBoxKeyTest : public ComboBoxTest, public ::testing::WithParamInterface<TKeyCase> {};

TEST_P(ComboBoxKeyTest, MovesTheSelectionOfAClosedList)
{
    const TKeyCase& Case = GetParam();
    UseStyle(csDropDownList);
    Combo->SetDropDownCount(3);
    Combo->SetItemIndex(Case.Start);
    Input::PressKey(Case.Key);
    EXPECT_EQ(Combo->ItemIndex(), Case.Expected);
    EXPECT_FALSE(Combo->DroppedDown());
    EXPECT_EQ(Log, Case.Start == Case.Expected ? QStringList() : UserChoice);
}

INSTANTIATE_TEST_SUITE_P(Keys, ComboBoxKeyTest,
                         ::testing::Values(TKeyCase{"DownFromNone", -1, VK_DOWN, 0}, TKeyCase{"UpFromNone", -1, VK_UP, 0},
                                           TKeyCase{"Down", 1, VK_DOWN, 2}, TKeyCase{"DownAtTheEnd", 4, VK_DOWN, 4},
                                           TKeyCase{"Up", 2, VK_UP, 1}, TKeyCase{"UpAtTheTop", 0, VK_UP, 0},
                                           TKeyCase{"Home", 3, VK_HOME, 0}, TKeyCase{"End", 1, VK_END, 4},
                                           TKeyCase{"PageDown", 0, VK_NEXT, 2}, TKeyCase{"PageUp", 4, VK_PRIOR, 2}),
                         [](const ::testing::TestParamInfo<TKeyCase>& Info) { return std::string(Info.param.Name); });

struct TDropKeyCase {
    const char* Name;
    uint16_t Key;
    TShiftState Shift;

    friend void PrintTo(const TDropKeyCase& Case, std::ostream* Out) { *Out << Case.Name; }
};

class ComboBoxDropKeyTest : public ComboBoxTest, public ::testing::WithParamInterface<TDropKeyCase> {};

TEST_P(ComboBoxDropKeyTest, OpensAndClosesTheList)
{
    const TDropKeyCase& Case = GetParam();
    Input::PressKey(Case.Key, Case.Shift);
    EXPECT_TRUE(Combo->DroppedDown());
    Input::PressKey(Case.Key, Case.Shift);
    EXPECT_FALSE(Combo->DroppedDown());
}

INSTANTIATE_TEST_SUITE_P(Keys, ComboBoxDropKeyTest,
                         ::testing::Values(TDropKeyCase{"F4", VK_F4, {}}, TDropKeyCase{"AltDown", VK_DOWN, {ssAlt}},
                                           TDropKeyCase{"AltUp", VK_UP, {ssAlt}}),
                         [](const ::testing::TestParamInfo<TDropKeyCase>& Info) { return std::string(Info.param.Name); });

TEST_F(ComboBoxTest, KeysInTheOpenListMoveTheSelectionAndEnterClosesIt)
{
    UseStyle(csDropDownList);
    Input::PressKey(VK_F4);
    Log.clear();
    Input::PressKey(VK_DOWN);
    Input::PressKey(VK_DOWN);
    EXPECT_TRUE(Combo->DroppedDown());
    EXPECT_EQ(Combo->ItemIndex(), 1);
    EXPECT_EQ(Log, UserChoice + UserChoice);
    Log.clear();
    Input::PressKey(VK_RETURN);
    EXPECT_FALSE(Combo->DroppedDown());
    EXPECT_EQ(Log, (QStringList{"CBN_SELENDOK", "CBN_CLOSEUP", "OnCloseUp"}));
}

TEST_F(ComboBoxTest, EnterAndEscBelongToTheDialogOnlyWhileTheListIsClosed)
{
    auto* OkButton = Place<TButton>(Form.get(), Bounds(180, 10, 75, 25));
    auto* CancelButton = Place<TButton>(Form.get(), Bounds(180, 40, 75, 25));
    OkButton->SetDefault(true);
    CancelButton->SetCancel(true);
    int32_t Oks = 0, Cancels = 0;
    OkButton->OnClick = [&](TObject*) { ++Oks; };
    CancelButton->OnClick = [&](TObject*) { ++Cancels; };
    Combo->SetFocus();
    for (uint16_t Key : {VK_RETURN, VK_ESCAPE}) {
        Input::PressKey(VK_F4);
        Input::PressKey(Key);
        EXPECT_FALSE(Combo->DroppedDown());
    }
    EXPECT_EQ(Oks, 0);
    EXPECT_EQ(Cancels, 0);
    Input::PressKey(VK_RETURN);
    Input::PressKey(VK_ESCAPE);
    EXPECT_EQ(Oks, 1);
    EXPECT_EQ(Cancels, 1);
}

TEST_F(ComboBoxTest, EscLeavesTheSelectionTheKeysMade)
{
    UseStyle(csDropDownList);
    Input::PressKey(VK_F4);
    Input::PressKey(VK_DOWN);
    Log.clear();
    Input::PressKey(VK_ESCAPE);
    EXPECT_EQ(Log, (QStringList{"CBN_SELENDCANCEL", "CBN_CLOSEUP", "OnCloseUp"}));
    EXPECT_EQ(Combo->ItemIndex(), 0);
}

TEST_F(ComboBoxTest, TypeAheadInAListStartsAfreshAfterAPause)
{
    TTestClock Clock;
    UseStyle(csDropDownList);
    Combo->Items()->SetCommaText(QStringLiteral("Bar,Baz,Zed"));
    Input::TypeText(QStringLiteral("ba"));
    EXPECT_EQ(Combo->ItemIndex(), 0);
    Input::TypeText(QStringLiteral("z"));
    EXPECT_EQ(Combo->ItemIndex(), 1);
    Clock.Advance(500);
    Input::TypeText(QStringLiteral("z"));
    EXPECT_EQ(Combo->ItemIndex(), 2);
}

TEST_F(ComboBoxTest, TypingInTheOpenListSelectsTheFirstItemTheTextBeginsWith)
{
    Combo->SetAutoComplete(false);
    Combo->SetDroppedDown(true);
    Input::TypeText(QStringLiteral("de"));
    EXPECT_EQ(Combo->ItemIndex(), 3);
    EXPECT_EQ(Combo->Text(), QStringLiteral("de"));
    Input::PressKey(VK_RETURN);
    EXPECT_EQ(Combo->ItemIndex(), 3);
}

TEST_F(ComboBoxTest, CharCaseAndMaxLengthRuleTheTyping)
{
    Combo->SetAutoComplete(false);
    Combo->SetCharCase(ecUpperCase);
    Combo->SetMaxLength(4);
    Input::TypeText(QStringLiteral("abcdef"));
    EXPECT_EQ(Combo->Text(), QStringLiteral("ABCD"));
    Combo->SetText(QStringLiteral("longer text"));
    EXPECT_EQ(Combo->Text(), QStringLiteral("longer text"));
}

// ---- CB_ messages ----

TEST_F(ComboBoxTest, ItemMessagesRoundTrip)
{
    Combo->Perform(CB_RESETCONTENT, 0, 0);
    EXPECT_EQ(Combo->Perform(CB_GETCOUNT, 0, 0), 0);
    EXPECT_EQ(Combo->Perform(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(u"one")), 0);
    EXPECT_EQ(Combo->Perform(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(u"three")), 1);
    EXPECT_EQ(Combo->Perform(CB_INSERTSTRING, 1, reinterpret_cast<LPARAM>(u"two")), 1);
    EXPECT_EQ(Combo->Perform(CB_INSERTSTRING, 7, reinterpret_cast<LPARAM>(u"far")), CB_ERR);
    EXPECT_EQ(Combo->Items()->CommaText(), QStringLiteral("one,two,three"));
    EXPECT_EQ(Combo->Perform(CB_GETLBTEXTLEN, 2, 0), 5);
    char16_t Buffer[16] = {};
    EXPECT_EQ(Combo->Perform(CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(Buffer)), 3);
    EXPECT_EQ(QString::fromUtf16(Buffer), QStringLiteral("two"));
    EXPECT_EQ(Combo->Perform(CB_SETITEMDATA, 1, 42), CB_OKAY);
    EXPECT_EQ(Combo->Perform(CB_GETITEMDATA, 1, 0), 42);
    EXPECT_EQ(Combo->Perform(CB_SETCURSEL, 2, 0), 2);
    EXPECT_EQ(Combo->Perform(CB_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(Combo->Perform(CB_DELETESTRING, 0, 0), 2);
    EXPECT_EQ(Combo->Perform(CB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(Combo->Perform(CB_DELETESTRING, 5, 0), CB_ERR);
    EXPECT_EQ(Combo->Perform(CB_SETCURSEL, 5, 0), CB_ERR);
    EXPECT_EQ(Combo->Perform(CB_GETCURSEL, 0, 0), -1);
    EXPECT_TRUE(Log.isEmpty());
}

TEST_F(ComboBoxTest, SortedCombosAddInOrderButInsertWhereAsked)
{
    Combo->Items()->SetCommaText(QStringLiteral("pear,Apple,fig"));
    Combo->SetSorted(true);
    EXPECT_EQ(Combo->Items()->CommaText(), QStringLiteral("Apple,fig,pear"));
    EXPECT_EQ(Combo->Perform(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(u"banana")), 1);
    Combo->Items()->Insert(0, QStringLiteral("zucchini"));
    EXPECT_EQ(Combo->Items()->CommaText(), QStringLiteral("zucchini,Apple,banana,fig,pear"));
}

struct TFindCase {
    const char* Name;
    UINT Msg;
    int32_t Start;
    const char16_t* Text;
    LRESULT Expected;

    friend void PrintTo(const TFindCase& Case, std::ostream* Out) { *Out << Case.Name; }
};

class ComboBoxFindTest : public ComboBoxTest, public ::testing::WithParamInterface<TFindCase> {};

TEST_P(ComboBoxFindTest, SearchesAfterTheStartAndGoesRound)
{
    const TFindCase& Case = GetParam();
    Combo->Items()->SetCommaText(QStringLiteral("Apple,apricot,Banana,apple"));
    EXPECT_EQ(Combo->Perform(Case.Msg, static_cast<WPARAM>(Case.Start), reinterpret_cast<LPARAM>(Case.Text)), Case.Expected);
}

INSTANTIATE_TEST_SUITE_P(Find, ComboBoxFindTest,
                         ::testing::Values(TFindCase{"PrefixFromTheTop", CB_FINDSTRING, -1, u"AP", 0},
                                           TFindCase{"PrefixAfterStart", CB_FINDSTRING, 0, u"ap", 1},
                                           TFindCase{"PrefixGoesRound", CB_FINDSTRING, 3, u"ban", 2},
                                           TFindCase{"PrefixNotFound", CB_FINDSTRING, -1, u"cherry", CB_ERR},
                                           TFindCase{"ExactIgnoresCase", CB_FINDSTRINGEXACT, 0, u"APPLE", 3},
                                           TFindCase{"ExactNeedsTheWholeText", CB_FINDSTRINGEXACT, -1, u"Ban", CB_ERR}),
                         [](const ::testing::TestParamInfo<TFindCase>& Info) { return std::string(Info.param.Name); });

TEST_F(ComboBoxTest, SelectStringSelectsWithoutNotifying)
{
    EXPECT_EQ(Combo->Perform(CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(u"ep")), 4);
    EXPECT_EQ(Combo->ItemIndex(), 4);
    EXPECT_EQ(Combo->Text(), QStringLiteral("Epsilon"));
    EXPECT_TRUE(Log.isEmpty());
}

TEST_F(ComboBoxTest, DropDownMessagesAndState)
{
    EXPECT_EQ(Combo->Perform(CB_GETDROPPEDSTATE, 0, 0), 0);
    Combo->Perform(CB_SHOWDROPDOWN, 1, 0);
    EXPECT_EQ(Combo->Perform(CB_GETDROPPEDSTATE, 0, 0), 1);
    EXPECT_TRUE(IsWindowVisible(Combo->ListHandle()));
    Combo->Perform(CB_SHOWDROPDOWN, 0, 0);
    EXPECT_FALSE(Combo->DroppedDown());
    EXPECT_FALSE(IsWindowVisible(Combo->ListHandle()));
    EXPECT_EQ(Combo->Perform(CB_SETDROPPEDWIDTH, 90, 0), Combo->Width());
    EXPECT_EQ(Combo->Perform(CB_SETDROPPEDWIDTH, 300, 0), 300);
    EXPECT_EQ(Combo->Perform(CB_GETDROPPEDWIDTH, 0, 0), 300);
}

TEST_F(ComboBoxTest, EditSelectionMessages)
{
    Combo->SetText(QStringLiteral("Hello world"));
    Combo->Perform(CB_SETEDITSEL, 0, MAKELPARAM(6, 11));
    uint32_t Start = 0, End = 0;
    const LRESULT Packed = Combo->Perform(CB_GETEDITSEL, reinterpret_cast<WPARAM>(&Start), reinterpret_cast<LPARAM>(&End));
    EXPECT_EQ(Start, 6u);
    EXPECT_EQ(End, 11u);
    EXPECT_EQ(Packed, MAKELONG(6, 11));
    EXPECT_EQ(Combo->SelText(), QStringLiteral("world"));
    Combo->SetSelText(QStringLiteral("there"));
    EXPECT_EQ(Combo->Text(), QStringLiteral("Hello there"));
    Combo->SetSelStart(2);
    Combo->SetSelLength(3);
    EXPECT_EQ(Combo->SelText(), QStringLiteral("llo"));
    Combo->Perform(CB_SETEDITSEL, 0, MAKELPARAM(0, 0xFFFF));
    EXPECT_EQ(Combo->SelLength(), 11);
    EXPECT_EQ(Combo->Perform(CB_LIMITTEXT, 5, 0), 1);
    EXPECT_EQ(Combo->MaxLength(), 5);
    UseStyle(csDropDownList);
    EXPECT_EQ(Combo->Perform(CB_GETEDITSEL, 0, 0), CB_ERR);
}

TEST_F(ComboBoxTest, TheEditHandleAnswersTheEditMessages)
{
    Combo->SetText(QStringLiteral("abcdef"));
    const HWND Edit = Combo->EditHandle();
    ASSERT_TRUE(IsWindow(Edit));
    SendMessage(Edit, EM_SETSEL, 1, 3);
    EXPECT_EQ(Combo->SelText(), QStringLiteral("bc"));
    EXPECT_EQ(SendMessage(Edit, EM_CHARFROMPOS, 0, MAKELPARAM(0, 5)), 0);
    EXPECT_GT(LOWORD(static_cast<uintptr_t>(SendMessage(Edit, EM_CHARFROMPOS, 0, MAKELPARAM(500, 5)))), 5);
    UseStyle(csDropDownList);
    EXPECT_EQ(Combo->EditHandle(), nullptr);
}

// ---- Heights ----

TEST_F(ComboBoxTest, TheHeightFollowsTheEditFieldNotTheBounds)
{
    const int32_t Field = static_cast<int32_t>(Combo->Perform(CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
    EXPECT_EQ(Combo->Height(), Field + 6);
    Combo->SetHeight(80);
    EXPECT_EQ(Combo->Height(), Field + 6);
    Combo->Perform(CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), 24);
    EXPECT_EQ(Combo->Height(), 30);
    UseStyle(csSimple);
    Combo->SetHeight(120);
    EXPECT_EQ(Combo->Height(), 120);
}

TEST_F(ComboBoxTest, TopIndexAndItemHeightMessagesRefuseBadArguments)
{
    struct TCase {
        UINT Msg;
        int32_t Index;
        LPARAM Value;
        LRESULT Expected;
    };
    const TCase Cases[] = {
        {CB_SETTOPINDEX, 2, 0, CB_OKAY},
        {CB_SETTOPINDEX, 5, 0, CB_ERR},
        {CB_SETTOPINDEX, -1, 0, CB_ERR},
        {CB_SETITEMHEIGHT, 0, 18, 0},
        {CB_SETITEMHEIGHT, 0, 0, CB_ERR},
        {CB_SETITEMHEIGHT, -1, -4, CB_ERR},
        {CB_SETITEMHEIGHT, -2, 18, CB_ERR},
    };
    for (const TCase& Case : Cases)
        EXPECT_EQ(Combo->Perform(Case.Msg, static_cast<WPARAM>(Case.Index), Case.Value), Case.Expected)
            << std::hex << Case.Msg << std::dec << " " << Case.Index << " " << Case.Value;
    EXPECT_EQ(Combo->Perform(CB_GETITEMHEIGHT, 0, 0), 18);
    UseStyle(csOwnerDrawVariable);
    EXPECT_EQ(Combo->Perform(CB_SETITEMHEIGHT, 9, 30), CB_ERR);
    EXPECT_EQ(Combo->Perform(CB_SETITEMHEIGHT, 1, 30), 0);
    EXPECT_EQ(Combo->Perform(CB_GETITEMHEIGHT, 1, 0), 30);
}

TEST_F(ComboBoxTest, OwnerDrawnCombosTakeTheirHeightsFromItemHeightAndMeasureItem)
{
    QList<int32_t> Measured;
    Combo->OnMeasureItem = [&](TWinControl*, int32_t Index, int32_t& Height) {
        Measured.append(Index);
        Height = Index < 0 ? 20 : 10 + Index;
    };
    Combo->SetItemHeight(18);
    UseStyle(csOwnerDrawFixed);
    EXPECT_EQ(Combo->ItemHeight(), 18);
    EXPECT_EQ(Combo->Height(), 24);
    EXPECT_TRUE(Measured.isEmpty());
    UseStyle(csOwnerDrawVariable);
    EXPECT_EQ(Measured, (QList<int32_t>{-1, 0, 1, 2, 3, 4}));
    EXPECT_EQ(Combo->Height(), 26);
    EXPECT_EQ(Combo->Perform(CB_GETITEMHEIGHT, 3, 0), 13);
}

// ---- Owner drawing ----

struct TDrawCall {
    int32_t Index;
    TOwnerDrawState State;
    TRect Rect;
};

TEST_F(ComboBoxTest, OwnerDrawingDrawsTheFieldAndTheListItemsWithTheirStates)
{
    std::vector<TDrawCall> Calls;
    Combo->OnDrawItem = [&](TWinControl* Control, int32_t Index, const TRect& Rect, TOwnerDrawState State) {
        Calls.push_back({Index, State, Rect});
        auto* Canvas = static_cast<TComboBox*>(Control)->Canvas();
        Canvas->FillRect(Rect);
        Canvas->TextOut(Rect.Left + 2, Rect.Top, static_cast<TComboBox*>(Control)->Items()->Strings(Index));
    };
    // The calls of one paint of Control.
    const auto PaintOf = [&](TControl* Control) {
        ProcessPendingEvents();
        Calls.clear();
        RenderControl(Control);
        return Calls;
    };
    UseStyle(csOwnerDrawFixed);
    Combo->SetItemIndex(1);
    Combo->SetFocus();
    std::vector<TDrawCall> Field = PaintOf(Combo);
    ASSERT_EQ(Field.size(), 1u);
    EXPECT_EQ(Field[0].Index, 1);
    EXPECT_EQ(Field[0].State, (TOwnerDrawState{odSelected, odFocused, odComboBoxEdit}));
    EXPECT_EQ(Field[0].Rect.Height(), Combo->ItemHeight());

    Other->SetFocus();
    Field = PaintOf(Combo);
    ASSERT_EQ(Field.size(), 1u);
    EXPECT_EQ(Field[0].State, (TOwnerDrawState{odComboBoxEdit}));

    Combo->SetFocus();
    Combo->SetDroppedDown(true);
    const std::vector<TDrawCall> List = PaintOf(DropList());
    ASSERT_EQ(List.size(), 5u);
    for (int32_t I = 0; I < 5; ++I) {
        EXPECT_EQ(List[I].Index, I);
        EXPECT_EQ(List[I].State, (I == 1 ? TOwnerDrawState{odSelected} : TOwnerDrawState{}));
        EXPECT_EQ(List[I].Rect, Bounds(1, 1 + I * 16, DropList()->Width() - 2, 16));
    }
}

TEST_F(ComboBoxTest, AnEmptyOwnerDrawnFieldIsFilledWithoutCallingOnDrawItem)
{
    int32_t Calls = 0;
    Combo->OnDrawItem = [&](TWinControl*, int32_t, const TRect&, TOwnerDrawState) { ++Calls; };
    Combo->SetColor(clYellow);
    UseStyle(csOwnerDrawFixed);
    Other->SetFocus();
    const QImage Image = RenderControl(Combo);
    EXPECT_EQ(Calls, 0);
    EXPECT_EQ(Image.pixelColor(10, Combo->Height() / 2), QColor(Qt::yellow));
}

}  // namespace
