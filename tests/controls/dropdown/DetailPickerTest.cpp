// TExtDetailDropDown: IndexOf, completion of typed text, Enter and Esc, the open list's keys, search and clicks, cancel and painting.
#include "PickerTestSupport.h"

#include "dropdown/DetailPicker.h"
#include "dropdown/DropDownButton.h"
#include "dropdown/DropDownForm.h"
#include "dropdown/ItemSelector.h"
#include "support/Input.h"

#include "graphics/Canvas.h"
#include "graphics/GraphicsObjects.h"
#include "windows/Messages.h"

#include <gtest/gtest.h>

using namespace PickerTest;

namespace {

class DetailPickerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = MakeForm(400, 300, clWhite);
        Picker = Place<TExtDetailDropDown>(Form.get(), Bounds(10, 10, 150, 22));
        Picker->SetTabStop(true);
        for (const char* Caption : {"Alpha", "Beta", "Bravo"}) Add(QString::fromLatin1(Caption));
        Picker->OnSelect = [this](TObject*) { Selects << Picker->ItemIndex(); };
        Form->Show();
        ProcessPendingEvents();
        Picker->SetFocus();
        ProcessPendingEvents();
    }

    TDetailItem* Add(const QString& Caption, const QString& Notes = QString())
    {
        TDetailItem* Item = Picker->Items()->Add();
        Item->SetCaption(Caption);
        Item->SetNotes(Notes);
        return Item;
    }

    void Open()
    {
        ClickDropButton(Picker);
        ASSERT_TRUE(Picker->DropDownForm()->Visible());
    }

    bool IsOpen() const { return Picker->DropDownForm()->Visible(); }
    QString Selected() const { return Picker->EditText().mid(Picker->SelStart(), Picker->SelLength()); }

    TTestClock Clock;
    std::unique_ptr<TForm> Form;
    TExtDetailDropDown* Picker = nullptr;
    QList<int32_t> Selects;
};

TEST_F(DetailPickerTest, IndexOfComparesWholeCaptionsWithCase)
{
    EXPECT_EQ(Picker->Items()->IndexOf(QStringLiteral("Beta")), 1);
    EXPECT_EQ(Picker->Items()->IndexOf(QStringLiteral("beta")), -1);
    EXPECT_EQ(Picker->Items()->IndexOf(QStringLiteral("Bet")), -1);
    EXPECT_EQ(Picker->Items()->IndexOf(QString()), -1);
}

TEST_F(DetailPickerTest, TypingCompletesWithTheFirstMatchingCaption)
{
    Input::TypeText(QStringLiteral("b"));
    EXPECT_EQ(Picker->Text(), QStringLiteral("beta")) << "the typed part keeps its case";
    EXPECT_EQ(Selected(), QStringLiteral("eta"));
    EXPECT_EQ(Picker->ItemIndex(), 1);
    Input::TypeText(QStringLiteral("r"));
    EXPECT_EQ(Picker->Text(), QStringLiteral("bravo"));
    EXPECT_EQ(Selected(), QStringLiteral("avo"));
    EXPECT_EQ(Picker->ItemIndex(), 2);
    EXPECT_TRUE(Selects.isEmpty()) << "completion fires no OnSelect";
    Input::TypeText(QStringLiteral("x"));
    EXPECT_EQ(Picker->Text(), QStringLiteral("brx")) << "nothing begins with BRX: the typed part stays";
}

TEST_F(DetailPickerTest, NoCompletionAfterAnUnknownStartOrWithMatchCase)
{
    Input::TypeText(QStringLiteral("bx"));
    EXPECT_EQ(Picker->Text(), QStringLiteral("bx"));
    Picker->SetText(QString());
    Picker->SetMatchCase(true);
    Input::TypeText(QStringLiteral("b"));
    EXPECT_EQ(Picker->Text(), QStringLiteral("b"));
    Input::PressKey(VK_BACK);
    Input::TypeText(QStringLiteral("B"));
    EXPECT_EQ(Picker->Text(), QStringLiteral("Beta"));
}

TEST_F(DetailPickerTest, CompletionTakesAtMost255CharactersOfTheCaption)
{
    Add(QStringLiteral("Z") + QString(300, QLatin1Char('z')));
    Input::TypeText(QStringLiteral("z"));
    EXPECT_EQ(Picker->Text().size(), 1 + 255);
}

TEST_F(DetailPickerTest, EnterOnAWholeCaptionSelectsIt)
{
    Picker->SetText(QStringLiteral("Bravo"));
    Input::PressKey(VK_RETURN);
    EXPECT_EQ(Picker->ItemIndex(), 2);
    EXPECT_EQ(Selects, QList<int32_t>({2}));
    Picker->SetItemIndex(-1);
    EXPECT_EQ(Picker->Text(), QString());
    Picker->SetText(QStringLiteral("brav"));
    Input::PressKey(VK_RETURN);
    EXPECT_EQ(Picker->ItemIndex(), -1);
}

TEST_F(DetailPickerTest, OpenListKeysMoveWithoutClosingAndPageByVisibleItems)
{
    for (const char* Caption : {"Charlie", "Delta", "Echo", "Foxtrot", "Golf"}) Add(QString::fromLatin1(Caption));
    Picker->SetItemIndex(7);
    Open();
    TExtCustomItemSelector* List = Picker->ItemSelector();
    // A pop-up four rows high.
    const int32_t Row = List->Panel()->GetItemRect(0).Height();
    Input::PressKey(VK_ESCAPE);
    Picker->SetDropDownHeight(Picker->DropDownForm()->Height() - List->Height() + 4 * Row + Row / 2);
    Clock.Advance(300);
    Open();
    Input::PressKey(VK_DOWN);
    EXPECT_EQ(Picker->ItemIndex(), 7) << "Down on the last item does nothing";
    EXPECT_TRUE(IsOpen());
    Input::PressKey(VK_HOME);
    Input::PressKey(VK_DOWN);
    EXPECT_EQ(Picker->ItemIndex(), 1);
    EXPECT_EQ(Picker->Text(), QStringLiteral("Beta"));
    const int32_t Visible = List->GetVisibleItemCount();
    ASSERT_EQ(Visible, 4);
    Input::PressKey(VK_NEXT);
    EXPECT_EQ(Picker->ItemIndex(), 5);
    Input::PressKey(VK_NEXT);
    EXPECT_EQ(Picker->ItemIndex(), 7) << "at most the last";
    Input::PressKey(VK_PRIOR);
    EXPECT_EQ(Picker->ItemIndex(), 3);
    EXPECT_TRUE(IsOpen());
    SaveArtifact(RenderControl(Picker->DropDownForm()), QStringLiteral("DetailPickerOpen"));
}

TEST_F(DetailPickerTest, EscapeGivesBackTheSelectionAtOpeningAlsoWhenThereWasNone)
{
    Picker->SetItemIndex(0);
    Open();
    Input::PressKey(VK_DOWN);
    EXPECT_EQ(Picker->ItemIndex(), 1);
    Input::PressKey(VK_ESCAPE);
    EXPECT_FALSE(IsOpen());
    EXPECT_EQ(Picker->ItemIndex(), 0);
    EXPECT_EQ(Picker->Text(), QStringLiteral("Alpha"));

    Picker->SetItemIndex(-1);
    Open();
    Input::PressKey(VK_DOWN);
    EXPECT_EQ(Picker->ItemIndex(), 0);
    Input::PressKey(VK_ESCAPE);
    EXPECT_EQ(Picker->ItemIndex(), -1);
    EXPECT_EQ(Picker->Text(), QString());
}

TEST_F(DetailPickerTest, ClickPicksAndCloses)
{
    Open();
    TCustomItemSelector* Panel = Picker->ItemSelector()->Panel();
    const TRect Cell = Panel->GetItemRect(2);
    Input::Click(Panel, {(Cell.Left + Cell.Right) / 2, (Cell.Top + Cell.Bottom) / 2});
    EXPECT_FALSE(IsOpen());
    EXPECT_EQ(Picker->ItemIndex(), 2);
    EXPECT_EQ(Picker->Text(), QStringLiteral("Bravo"));
    EXPECT_EQ(Selects, QList<int32_t>({2}));
}

TEST_F(DetailPickerTest, LettersSearchTheOpenListWithinHalfASecond)
{
    Add(QStringLiteral("Bread"));
    Picker->SetEditorEnabled(false);
    Open();
    Input::PressKey('B');
    EXPECT_EQ(Picker->ItemIndex(), 1) << "B: Beta";
    Clock.Advance(100);
    Input::PressKey('R');
    EXPECT_EQ(Picker->ItemIndex(), 2) << "BR: Bravo";
    Clock.Advance(100);
    Input::PressKey('E');
    EXPECT_EQ(Picker->ItemIndex(), 3) << "BRE: Bread";
    Clock.Advance(400);
    Input::PressKey('A');
    EXPECT_EQ(Picker->ItemIndex(), 0) << "a new search: Alpha";
}

TEST_F(DetailPickerTest, WheelStepsTheItemClosedAndTheListOpen)
{
    constexpr bool Down = true, Up = false;
    const struct {
        bool Open;
        int32_t From;
        bool Direction;
        int32_t Expected;
    } Cases[] = {
        {false, -1, Down, 0}, {false, 0, Down, 1}, {false, 2, Down, 2}, {false, -1, Up, 0},
        {false, 2, Up, 1},    {false, 0, Up, 0},   {true, -1, Down, 0}, {true, 1, Down, 2},
        {true, 2, Down, 2},   {true, 1, Up, 0},    {true, 0, Up, 0},
    };
    const TPoint Screen = Picker->ClientToScreen({5, 5});
    for (const auto& Case : Cases) {
        Picker->SetItemIndex(Case.From);
        if (Case.Open) {
            Clock.Advance(300);
            Open();
        }
        const int16_t Delta = Case.Direction == Down ? -WHEEL_DELTA : WHEEL_DELTA;
        Picker->Perform(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<uint16_t>(Delta)), PointToLParam(Screen));
        EXPECT_EQ(Picker->ItemIndex(), Case.Expected)
            << (Case.Direction == Down ? "down" : "up") << " from " << Case.From << (Case.Open ? " open" : " closed");
        EXPECT_EQ(IsOpen(), Case.Open);
        if (IsOpen()) Input::PressKey(VK_RETURN);
    }
}

TEST_F(DetailPickerTest, KeepsItsHeightWhenTheFontGrows)
{
    Picker->SetHeight(40);
    Picker->Font()->SetSize(20);
    EXPECT_EQ(Picker->Height(), 40);
}

TEST_F(DetailPickerTest, ItemsShowCaptionAndNotesUnlessTheApplicationDraws)
{
    Picker->Items()->Items(0)->SetNotes(QStringLiteral("first <b>letter</b>"));
    Picker->SetDropDownHeight(120);
    Picker->SetItemHeight(40);
    Open();
    TCustomItemSelector* Panel = Picker->ItemSelector()->Panel();
    const TRect Cell = Panel->GetItemRect(0);
    const auto InkRows = [&](const QImage& Image, int Top, int Bottom) {
        int Rows = 0;
        for (int Y = Cell.Top + Top; Y < Cell.Top + Bottom; ++Y) {
            bool Ink = false;
            for (int X = Cell.Left + 6; X < Cell.Right - 6; ++X) Ink = Ink || Image.pixel(X, Y) == qRgb(0, 0, 0);
            Rows += Ink;
        }
        return Rows;
    };
    const QImage Drawn = RenderAndSave(Panel, QStringLiteral("DetailPickerNotes"));
    const int32_t Line = Panel->Canvas()->TextHeight(QStringLiteral("gh"));
    EXPECT_GT(InkRows(Drawn, 2, 2 + Line), 3) << "the caption";
    EXPECT_GT(InkRows(Drawn, 2 + Line, Cell.Height()), 3) << "the notes below it";

    int32_t Calls = 0;
    Picker->OnDrawSelectedImage = [&](TObject*, TCanvas*, TRect) { ++Calls; };
    Panel->Invalidate();
    const QImage Custom = RenderControl(Panel);
    EXPECT_GT(Calls, 0);
    EXPECT_EQ(InkRows(Custom, 2, Cell.Height()), 0) << "nothing of the item is painted";
}

}  // namespace
