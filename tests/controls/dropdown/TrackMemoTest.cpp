// The track-bar and memo drop-downs: values by keys, track bar and dragging, the one-line memo display, and what Esc and a click elsewhere keep.
#include "DropDownTestSupport.h"

#include "dropdown/ExtMemoDropDown.h"
#include "dropdown/ExtTrackBarDropDown.h"
#include "rtl/Strings.h"
#include "windows/ComCtrls.h"

#include <gtest/gtest.h>

using namespace DropDownTest;

namespace {

class TrackMemoTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = MakeForm(100, 100, 400, 300);
        Other = Place<TEdit>(Form.get(), Bounds(10, 250, 100, 21));
        Other->SetTabStop(true);
        Form->Show();
        ProcessPendingEvents();
    }

    template <typename T>
    T* Add(const TRect& Bounds)
    {
        T* DropDown = Place<T>(Form.get(), Bounds);
        DropDown->SetTabStop(true);
        ProcessPendingEvents();
        return DropDown;
    }

    static bool Open(TExtCustomDropDown* DropDown) { return DropDown->DroppedDown() && DropDown->DropDownForm()->Visible(); }

    TTestClock Clock;
    std::unique_ptr<TForm> Form;
    TEdit* Other = nullptr;
};

QStringList LinesOf(TStrings* Strings)
{
    QStringList Result;
    for (int32_t I = 0; I < Strings->Count(); ++I) Result << Strings->Strings(I);
    return Result;
}

}  // namespace

TEST_F(TrackMemoTest, TrackBarStepsWithUpAndDownWithinItsRange)
{
    auto* Track = Add<TExtTrackBarDropDown>(Bounds(10, 10, 150, 21));
    EXPECT_FALSE(Track->EditorEnabled());
    EXPECT_EQ(Track->EditType(), etNumeric);
    EXPECT_EQ(Track->Text(), QStringLiteral("0"));
    Track->SetFocus();
    for (int I = 1; I <= 12; ++I) Input::PressKey(VK_DOWN);
    EXPECT_EQ(Track->Position(), 10);
    EXPECT_EQ(Track->Text(), QStringLiteral("10"));
    for (int I = 1; I <= 12; ++I) Input::PressKey(VK_UP);
    EXPECT_EQ(Track->Position(), 0);
    // A step that would pass the end is not taken.
    Track->SetFrequency(3);
    Track->SetPosition(9);
    Input::PressKey(VK_DOWN);
    EXPECT_EQ(Track->Position(), 9);
    // Typing does nothing.
    Input::TypeText(QStringLiteral("5"));
    EXPECT_EQ(Track->Text(), QStringLiteral("9"));
    // Out of range values are corrected by the track bar.
    Track->SetPosition(50);
    EXPECT_EQ(Track->Position(), 10);
}

TEST_F(TrackMemoTest, TrackBarMovesTheValueAndEscGivesBackTheOpeningOne)
{
    auto* Track = Add<TExtTrackBarDropDown>(Bounds(10, 10, 150, 21));
    QList<int32_t> Changes;
    Track->OnTrackChange = [&](TObject*) { Changes << Track->Position(); };
    Track->SetPosition(4);
    Changes.clear();
    ClickButton(Track);
    ASSERT_TRUE(Open(Track));
    EXPECT_EQ(Track->DropDownForm()->Header(), nullptr) << "no header or footer";
    EXPECT_EQ(Track->TrackBar()->Position(), 4);
    Track->TrackBar()->SetPosition(7);
    Track->TrackBar()->SetPosition(8);
    EXPECT_EQ(Track->Text(), QStringLiteral("8"));
    EXPECT_EQ(Track->Position(), 8);
    EXPECT_EQ(Changes, (QList<int32_t>{7, 8}));
    // Arrow keys in the open track bar move it a step each.
    for (const auto& [Key, Position] : {std::pair{VK_DOWN, 9}, std::pair{VK_LEFT, 8}, std::pair{VK_UP, 7}}) {
        Input::PressKey(Key);
        EXPECT_EQ(Track->Position(), Position);
        EXPECT_EQ(Track->Text(), QString::number(Position));
    }
    Changes.clear();
    Input::PressKey(VK_ESCAPE);
    EXPECT_FALSE(Open(Track));
    EXPECT_EQ(Changes, (QList<int32_t>{4})) << "the way back passes no other value";
    EXPECT_EQ(Track->Position(), 4);
    EXPECT_EQ(Track->Text(), QStringLiteral("4"));
    // A click elsewhere keeps the value.
    Clock.Advance(300);
    ClickButton(Track);
    ASSERT_TRUE(Open(Track));
    Track->TrackBar()->SetPosition(6);
    Input::Click(Form.get(), {300, 200});
    EXPECT_FALSE(Open(Track));
    EXPECT_EQ(Track->Position(), 6);
    EXPECT_EQ(Track->Text(), QStringLiteral("6"));
}

TEST_F(TrackMemoTest, DraggingOnTheEditStepsByPageSize)
{
    auto* Track = Add<TExtTrackBarDropDown>(Bounds(10, 10, 150, 21));
    Track->SetPosition(2);
    // 7 pixels with page size 2: three steps.
    Input::MouseDown(Track, {20, 10});
    Input::MoveMouse(Track, {27, 10});
    Input::MouseUp(Track, {27, 10});
    EXPECT_EQ(Track->Position(), 5);
    EXPECT_TRUE(Open(Track)) << "the press opened the pop-up";
    Input::PressKey(VK_RETURN);
    // A page size of 0 moves nothing.
    Track->SetPageSize(0);
    Clock.Advance(300);
    Input::MouseDown(Track, {20, 10});
    Input::MoveMouse(Track, {40, 10});
    Input::MouseUp(Track, {40, 10});
    EXPECT_EQ(Track->Position(), 5);
}

TEST_F(TrackMemoTest, AnUnreadableTextKeepsThePosition)
{
    auto* Track = Add<TExtTrackBarDropDown>(Bounds(10, 10, 150, 21));
    Track->SetPosition(3);
    Track->SetTextUnformatted(QStringLiteral("abc"));
    EXPECT_EQ(Track->Position(), 3);
    Track->SetTextUnformatted(QStringLiteral("7"));
    EXPECT_EQ(Track->Position(), 7);
}

TEST_F(TrackMemoTest, MemoDisplayShowsTheFirstLine)
{
    auto* Memo = Add<TExtMemoDropDown>(Bounds(10, 10, 150, 21));
    Memo->SetEditorEnabled(false);
    TStringList Lines;
    Lines.SetText(QStringLiteral("first\r\nsecond\r\nthird"));
    Memo->SetMemoText(&Lines);
    EXPECT_EQ(Memo->Caption(), QStringLiteral("first..."));
    Lines.SetText(QStringLiteral("short"));
    Memo->SetMemoText(&Lines);
    EXPECT_EQ(Memo->Caption(), QStringLiteral("short"));
    Lines.SetText(QStringLiteral("a line much too wide for an edit of one hundred and fifty pixels"));
    Memo->SetMemoText(&Lines);
    EXPECT_TRUE(Memo->Caption().endsWith(QStringLiteral("...")));
    EXPECT_LT(Memo->Caption().size(), Lines.Strings(0).size());
    // The display never becomes the value.
    EXPECT_EQ(LinesOf(Memo->MemoText()), QStringList{Lines.Strings(0)});
}

TEST_F(TrackMemoTest, MemoEditsKeptByClickElsewhereAndDroppedByEsc)
{
    auto* Memo = Add<TExtMemoDropDown>(Bounds(10, 10, 150, 21));
    Memo->SetText(QStringLiteral("set"));
    EXPECT_EQ(LinesOf(Memo->MemoText()), QStringList{QStringLiteral("set")});
    ClickButton(Memo);
    ASSERT_TRUE(Open(Memo));
    ASSERT_TRUE(Memo->Memo()->Focused());
    Memo->Memo()->SetSelStart(3);
    // Enter starts a new line in the memo.
    Input::PressKey(VK_RETURN);
    Input::TypeText(QStringLiteral("more"));
    EXPECT_TRUE(Open(Memo));
    Input::PressKey(VK_ESCAPE);
    EXPECT_FALSE(Open(Memo));
    EXPECT_EQ(LinesOf(Memo->MemoText()), QStringList{QStringLiteral("set")});

    Clock.Advance(300);
    ClickButton(Memo);
    ASSERT_TRUE(Open(Memo));
    Memo->Memo()->SetSelStart(3);
    Input::PressKey(VK_RETURN);
    Input::TypeText(QStringLiteral("kept"));
    Input::Click(Form.get(), {300, 200});
    EXPECT_FALSE(Open(Memo));
    EXPECT_EQ(LinesOf(Memo->MemoText()), (QStringList{QStringLiteral("set"), QStringLiteral("kept")}));
    EXPECT_EQ(Memo->SelStart(), 0);

    // F4 keeps the edits too; without EditorEnabled Esc does not lose the lines to the display.
    Memo->SetEditorEnabled(false);
    Memo->SetFocus();
    Clock.Advance(300);
    ClickButton(Memo);
    ASSERT_TRUE(Open(Memo));
    Input::TypeText(QStringLiteral("x"));
    Input::PressKey(VK_ESCAPE);
    EXPECT_EQ(LinesOf(Memo->MemoText()), (QStringList{QStringLiteral("set"), QStringLiteral("kept")}));
    EXPECT_EQ(Memo->Caption(), QStringLiteral("set..."));
    Clock.Advance(300);
    ClickButton(Memo);
    ASSERT_TRUE(Open(Memo));
    Memo->Memo()->SetSelStart(9);
    Input::TypeText(QStringLiteral("!"));
    Input::PressKey(VK_F4);
    EXPECT_FALSE(Open(Memo));
    EXPECT_EQ(LinesOf(Memo->MemoText()), (QStringList{QStringLiteral("set"), QStringLiteral("kept!")}));
}

TEST_F(TrackMemoTest, TypingInTheEditReplacesTheMemoText)
{
    auto* Memo = Add<TExtMemoDropDown>(Bounds(10, 10, 150, 21));
    Memo->SetFocus();
    Input::TypeText(QStringLiteral("typed"));
    EXPECT_EQ(LinesOf(Memo->MemoText()), QStringList{QStringLiteral("typed")});
}

TEST_F(TrackMemoTest, AutoDropOpensOnEnteringButNotWhenTheFocusComesBack)
{
    auto* Memo = Add<TExtMemoDropDown>(Bounds(10, 10, 150, 21));
    Memo->SetAutoDrop(true);
    Other->SetFocus();
    Input::PressKey(VK_TAB);
    ASSERT_TRUE(Memo->Focused() || Open(Memo));
    EXPECT_TRUE(Open(Memo));
    Input::PressKey(VK_ESCAPE);
    EXPECT_FALSE(Open(Memo));
    EXPECT_TRUE(Memo->Focused());
}
