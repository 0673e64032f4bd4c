// Menus: shortcut names, menu items, and pop-up menus driven by keys while they show.
#include "support/Input.h"
#include "support/Render.h"
#include "Recorder.h"

#include "windows/Menus.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QMetaObject>

#include <functional>

namespace {

// Runs Body once the pop-up menu about to be shown is on screen, inside its loop.
void WhenTheMenuShows(std::function<void(QMenu* Menu)> Body)
{
    QMetaObject::invokeMethod(
        qApp, [Body = std::move(Body)] { Body(qobject_cast<QMenu*>(QApplication::activePopupWidget())); }, Qt::QueuedConnection);
}

// The texts of a shown menu's entries, separators as "-".
QStringList EntriesOf(const QMenu* Menu)
{
    QStringList Texts;
    for (const QAction* Action : Menu->actions()) Texts.append(Action->isSeparator() ? QStringLiteral("-") : Action->text());
    return Texts;
}

// ---- Shortcuts ----

struct TShortCutCase {
    uint16_t Key;
    TShiftState Shift;
    const char* Text;
    friend void PrintTo(const TShortCutCase& Value, std::ostream* Out) { *Out << Value.Text; }
};

class ShortCutTest : public ::testing::TestWithParam<TShortCutCase> {};

TEST_P(ShortCutTest, NamesAndReadsBack)
{
    const TShortCutCase& Case = GetParam();
    const TShortCut Value = ShortCut(Case.Key, Case.Shift);
    EXPECT_EQ(ShortCutToText(Value), QString::fromUtf8(Case.Text));
    EXPECT_EQ(TextToShortCut(QString::fromUtf8(Case.Text)), Value);
    EXPECT_EQ(TextToShortCut(QString::fromUtf8(Case.Text).toLower()), Value);
    uint16_t Key = 0;
    TShiftState Shift;
    ShortCutToKey(Value, Key, Shift);
    EXPECT_EQ(Key, Case.Key);
    EXPECT_EQ(Shift, Case.Shift);
}

INSTANTIATE_TEST_SUITE_P(Names, ShortCutTest,
                         ::testing::Values(TShortCutCase{'A', {ssCtrl}, "Ctrl+A"}, TShortCutCase{VK_F5, {}, "F5"},
                                           TShortCutCase{VK_DELETE, {ssShift}, "Shift+Del"},
                                           TShortCutCase{VK_INSERT, {ssCtrl}, "Ctrl+Ins"},
                                           TShortCutCase{'7', {ssShift, ssCtrl, ssAlt}, "Shift+Ctrl+Alt+7"},
                                           TShortCutCase{VK_RETURN, {ssAlt}, "Alt+Enter"}, TShortCutCase{VK_NEXT, {}, "PgDn"},
                                           TShortCutCase{VK_NUMPAD3, {}, "Num 3"}));

TEST(ShortCut, UnknownNamesGiveNoShortcut)
{
    EXPECT_EQ(TextToShortCut(QStringLiteral("Ctrl+Nothing")), scNone);
    EXPECT_EQ(ShortCutToText(ShortCut(VK_LWIN, {})), QString());
    EXPECT_EQ(TextToShortCut(QStringLiteral("alt+ctrl+x")), ShortCut('X', {ssAlt, ssCtrl}));
}

// ---- Menu items ----

class MenuItemTest : public ::testing::Test {
protected:
    TMenuItem* Item(const QString& Caption, uint8_t Group = 0, bool Radio = false)
    {
        auto* Result = New<TMenuItem>(&Owner);
        Result->SetCaption(Caption);
        Result->SetGroupIndex(Group);
        Result->SetRadioItem(Radio);
        Root.Add(Result);
        return Result;
    }

    TComponent Owner{nullptr};
    TMenuItem Root{nullptr};
};

TEST_F(MenuItemTest, ItemsHoldTheirItems)
{
    TMenuItem* A = Item(QStringLiteral("A"));
    TMenuItem* C = Item(QStringLiteral("C"));
    auto* B = New<TMenuItem>(&Owner);
    Root.Insert(1, B);
    EXPECT_EQ(Root.Count(), 3);
    EXPECT_EQ(Root.Items(1), B);
    EXPECT_EQ(B->Parent(), &Root);
    EXPECT_EQ(C->MenuIndex(), 2);
    EXPECT_THROW(Root.Add(B), EMenuError);
    Root.Remove(B);
    EXPECT_EQ(B->Parent(), nullptr);
    A->Add(B);
    EXPECT_EQ(A->IndexOf(B), 0);
    // An item its owner frees leaves its menu.
    delete C;
    EXPECT_EQ(Root.Count(), 1);
    Root.Delete(0);
    EXPECT_EQ(Root.Count(), 0);
    EXPECT_EQ(Owner.ComponentCount(), 0);
}

TEST_F(MenuItemTest, CommandsFindTheirItems)
{
    TMenuItem* Parent = Item(QStringLiteral("Parent"));
    auto* Child = New<TMenuItem>(&Owner);
    Parent->Add(Child);
    EXPECT_NE(Parent->Command(), Child->Command());
    EXPECT_EQ(Root.Find(Child->Command()), Child);
    EXPECT_EQ(Root.Find(0), nullptr);
}

TEST_F(MenuItemTest, CheckingARadioItemClearsItsGroupOnly)
{
    TMenuItem* A = Item(QStringLiteral("A"), 1, true);
    TMenuItem* B = Item(QStringLiteral("B"), 1, true);
    TMenuItem* Other = Item(QStringLiteral("Other"), 2, true);
    TMenuItem* Plain = Item(QStringLiteral("Plain"), 1);
    A->SetChecked(true);
    Other->SetChecked(true);
    Plain->SetChecked(true);
    B->SetChecked(true);
    EXPECT_FALSE(A->Checked());
    EXPECT_TRUE(B->Checked());
    EXPECT_TRUE(Other->Checked());
    EXPECT_TRUE(Plain->Checked());
}

TEST_F(MenuItemTest, ClickChecksAutomaticallyAndDoesNothingWhenDisabled)
{
    TMenuItem* Check = Item(QStringLiteral("Check"));
    TMenuItem* Radio = Item(QStringLiteral("Radio"), 0, true);
    int32_t Clicks = 0;
    Check->OnClick = [&](TObject*) { ++Clicks; };
    Check->SetAutoCheck(true);
    Radio->SetAutoCheck(true);
    Check->Click();
    EXPECT_TRUE(Check->Checked());
    Check->Click();
    EXPECT_FALSE(Check->Checked());
    Radio->Click();
    Radio->Click();
    EXPECT_TRUE(Radio->Checked());
    Check->SetEnabled(false);
    Check->Click();
    EXPECT_EQ(Clicks, 2);
    EXPECT_TRUE(Check->IsLine() == false && Item(QStringLiteral("-"))->IsLine());
}

// ---- Pop-up menus ----

class PopupMenuTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = MakeForm(300, 200);
        Menu = New<TPopupMenu>(Form.get());
        for (const char* Caption : {"-", "&Open", "-", "-", "Hidden", "&Disabled", "&Save", "-"}) {
            auto* Item = New<TMenuItem>(Form.get());
            Item->SetCaption(QString::fromUtf8(Caption));
            Item->OnClick = [this](TObject* Sender) {
                Log.append(QStringLiteral("OnClick ") + static_cast<TMenuItem*>(Sender)->Caption());
                Log.append(QApplication::activePopupWidget() ? QStringLiteral("menu open") : QStringLiteral("menu closed"));
            };
            Menu->Items()->Add(Item);
        }
        Menu->Items()->Items(4)->SetVisible(false);
        Menu->Items()->Items(5)->SetEnabled(false);
        Menu->Items()->Items(6)->SetShortCut(ShortCut('S', {ssCtrl}));
        Menu->OnPopup = [this](TObject*) { Log.append(QStringLiteral("OnPopup")); };
        Form->Show();
        ProcessPendingEvents();
    }

    void PopupAndPress(std::initializer_list<uint16_t> Keys)
    {
        WhenTheMenuShows([this, Keys = std::vector<uint16_t>(Keys)](QMenu* Shown) {
            Log.append(Shown ? QStringLiteral("shown") : QStringLiteral("not shown"));
            for (uint16_t Key : Keys) Input::PressKey(Key);
        });
        const TPoint At = Form->ClientToScreen({20, 20});
        Menu->Popup(At.X, At.Y);
        Log.append(QStringLiteral("Popup returned"));
        ProcessPendingEvents();
    }

    std::unique_ptr<TForm> Form;
    TPopupMenu* Menu = nullptr;
    QStringList Log;
};

TEST_F(PopupMenuTest, TheChosenItemsOnClickRunsAfterTheMenuClosedAndPopupReturned)
{
    // The arrow keys pass over the disabled item, as the system's menus do.
    PopupAndPress({VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN});
    EXPECT_EQ(Log, (QStringList{"OnPopup", "shown", "Popup returned", "OnClick &Save", "menu closed"}));
}

TEST_F(PopupMenuTest, ShowsTheVisibleItemsWithoutStraySeparators)
{
    QStringList Entries;
    QList<bool> Enabled;
    WhenTheMenuShows([&](QMenu* Shown) {
        Entries = EntriesOf(Shown);
        for (const QAction* Action : Shown->actions())
            if (!Action->isSeparator()) Enabled.append(Action->isEnabled());
        Input::PressKey(VK_ESCAPE);
    });
    Menu->Popup(10, 10);
    EXPECT_EQ(Entries, (QStringList{"&Open", "-", "&Disabled", "&Save\tCtrl+S"}));
    EXPECT_EQ(Enabled, (QList<bool>{true, false, true}));
}

TEST_F(PopupMenuTest, EnterOnADisabledItemOrEscChoosesNothing)
{
    PopupAndPress({VK_DOWN, VK_DOWN, VK_RETURN, VK_ESCAPE});
    EXPECT_EQ(Log, (QStringList{"OnPopup", "shown", "Popup returned"}));
}

TEST_F(PopupMenuTest, AnAcceleratorChoosesItsItem)
{
    PopupAndPress({'O'});
    EXPECT_EQ(Log, (QStringList{"OnPopup", "shown", "Popup returned", "OnClick &Open", "menu closed"}));
}

TEST_F(PopupMenuTest, AlignmentPutsThePointAtTheMenusSide)
{
    QRect Geometry;
    Menu->SetAlignment(paRight);
    WhenTheMenuShows([&](QMenu* Shown) {
        Geometry = Shown->geometry();
        Input::PressKey(VK_ESCAPE);
    });
    Menu->Popup(400, 300);
    EXPECT_EQ(Geometry.right() + 1, 400);
    EXPECT_EQ(Geometry.top(), 300);
}

TEST(TrackPopupMenu, PostsTheChoiceToTheOwnerOrReturnsIt)
{
    auto Form = MakeForm(200, 100);
    Form->Show();
    ProcessPendingEvents();
    QList<WPARAM> Commands;
    const HWND Owner = AllocateHWnd([&](TMessage& Message) {
        if (Message.Msg == WM_COMMAND) Commands.append(Message.WParam);
    });
    HMENU Menu = CreatePopupMenu();
    AppendMenu(Menu, MF_STRING, 1, QStringLiteral("One"));
    AppendMenu(Menu, MF_SEPARATOR, 0, {});
    AppendMenu(Menu, MF_STRING | MF_CHECKED, 2, QStringLiteral("Two"));
    HMENU Sub = CreatePopupMenu();
    AppendMenu(Sub, MF_STRING, 3, QStringLiteral("Three"));
    AppendMenu(Menu, MF_POPUP, reinterpret_cast<UINT_PTR>(Sub), QStringLiteral("More"));
    EXPECT_EQ(GetMenuItemCount(Menu), 4);

    WhenTheMenuShows([](QMenu*) {
        Input::PressKey(VK_DOWN);
        Input::PressKey(VK_DOWN);
        Input::PressKey(VK_RETURN);
    });
    EXPECT_NE(TrackPopupMenu(Menu, TPM_LEFTALIGN, 10, 10, 0, Owner, nullptr), 0);
    EXPECT_TRUE(Commands.isEmpty());
    ProcessPendingEvents();
    EXPECT_EQ(Commands, (QList<WPARAM>{MAKEWPARAM(2, 0)}));

    WhenTheMenuShows([](QMenu*) {
        Input::PressKey(VK_UP);
        Input::PressKey(VK_RIGHT);
        Input::PressKey(VK_RETURN);
    });
    EXPECT_EQ(TrackPopupMenu(Menu, TPM_RETURNCMD, 10, 10, 0, Owner, nullptr), 3);
    ProcessPendingEvents();
    EXPECT_EQ(Commands.size(), 1);
    DestroyMenu(Menu);
    DeallocateHWnd(Owner);
}

}  // namespace

TEST_F(PopupMenuTest, ARightClickShowsTheControlsMenuUnlessAutoPopupIsOff)
{
    auto* Target = Place<TPlainControl>(Form.get(), Bounds(10, 10, 100, 50));
    Target->SetPopupMenu(Menu);
    // The menu comes with the release; queued before it, the keys reach the shown menu.
    Input::MouseDown(Target, {20, 20}, mbRight);
    WhenTheMenuShows([this](QMenu* Shown) {
        Log.append(Shown ? QStringLiteral("shown") : QStringLiteral("not shown"));
        Input::PressKey('O');
    });
    Input::MouseUp(Target, {20, 20}, mbRight);
    ProcessPendingEvents();
    EXPECT_EQ(Log, (QStringList{"OnPopup", "shown", "OnClick &Open", "menu closed"}));
    EXPECT_EQ(Menu->PopupComponent(), Target);

    Log.clear();
    Menu->SetAutoPopup(false);
    Input::Click(Target, {20, 20}, mbRight);
    EXPECT_TRUE(Log.isEmpty());
}
