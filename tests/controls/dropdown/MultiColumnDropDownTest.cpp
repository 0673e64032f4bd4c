// TExtMultiColumnDropDown: items and columns, ItemIndex and stepping, completion and the lookup list, the pop-up's sizes, the open list's keys, type-ahead, wheel and clicks, looks.
#include "MultiColumnTestSupport.h"

#include "dropdown/ExtFooter.h"
#include "dropdown/PopupAppearance.h"
#include "dropdown/PrefixIndex.h"

#include "graphics/Canvas.h"
#include "graphics/DrawText.h"
#include "graphics/GraphicsObjects.h"

#include <gtest/gtest.h>

#include <random>

using namespace MultiColumnTest;

namespace {

class MultiColumnDropDownTest : public MultiColumnFixture {};

TEST(PrefixIndexTest, AnswersAsAScanInListOrderDoes)
{
    // Words over a small alphabet share many prefixes; some repeat.
    std::mt19937 Random(7);
    QStringList Words;
    for (int I = 0; I < 3000; ++I) {
        QString Word;
        for (int L = 1 + int(Random() % 6); L > 0; --L) Word += QChar(u'a' + char16_t(Random() % 4));
        Words << Word;
    }
    TPrefixIndex Index;
    Index.Build(Words);
    const auto Scan = [&](const QString& Text, bool Whole) {
        for (int32_t I = 0; I < Words.size(); ++I)
            if (Whole ? Words[I] == Text : Words[I].startsWith(Text)) return I;
        return -1;
    };
    for (int I = 0; I < 2000; ++I) {
        QString Probe;
        for (int L = 1 + int(Random() % 7); L > 0; --L) Probe += QChar(u'a' + char16_t(Random() % 5));
        ASSERT_EQ(Index.FirstStartingWith(Probe), Scan(Probe, false)) << Probe.toStdString();
        ASSERT_EQ(Index.FirstEqualTo(Probe), Scan(Probe, true)) << Probe.toStdString();
    }
    EXPECT_EQ(Index.FirstStartingWith(QString()), -1) << "an empty prefix matches nothing";
    EXPECT_EQ(Index.FirstEqualTo(QString()), -1);
    Index.Build({});
    EXPECT_EQ(Index.FirstStartingWith(QStringLiteral("a")), -1);
}

TEST_F(MultiColumnDropDownTest, ColumnLookupIsCaseSensitiveAndPassesOverShortItems)
{
    Fill({{"Beta", "x"}, {"alpha"}, {"Alpha", "y"}, {"Gamma", ""}});
    TExtMultiColumnDropDown::TDropDownItems* Items = DropDown->Items();
    const struct {
        int32_t Column;
        const char* Value;
        int32_t Expected;
    } Cases[] = {
        {0, "Alpha", 2}, {0, "ALPHA", -1}, {0, "Alph", -1},
        {1, "y", 2},     {1, "", 3},  // item 1 has no second line and is passed over
        {2, "", -1},     {-1, "Beta", -1},
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(::testing::Message() << Case.Column << " " << Case.Value);
        EXPECT_EQ(Items->IndexInColumn(Case.Column, QString::fromLatin1(Case.Value)), Case.Expected);
        DropDown->SetLookupColumn(Case.Column);
        EXPECT_EQ(DropDown->GetItemIndex(QString::fromLatin1(Case.Value)), Case.Expected);
    }
    EXPECT_EQ(DropDown->RowCount(), 4);

    // Copies take every field, the font by value.
    MultiColumn::TDropDownColumn* Column = DropDown->Columns()->Items(0);
    Column->SetHeader(QStringLiteral("Name"));
    Column->SetAlignment(taCenter);
    Column->SetColumnType(MultiColumn::ctImage);
    Column->Font()->SetSize(14);
    MultiColumn::TDropDownColumn* Other = DropDown->Columns()->Add();
    Other->Assign(Column);
    Column->Font()->SetSize(9);
    EXPECT_EQ(Other->Header(), QStringLiteral("Name"));
    EXPECT_EQ(Other->Alignment(), taCenter);
    EXPECT_EQ(Other->ColumnType(), MultiColumn::ctImage);
    EXPECT_EQ(Other->Font()->Size(), 14);
    Items->Items(0)->SetImageIndex(4);
    Items->Items(1)->Assign(Items->Items(0));
    EXPECT_EQ(Items->Items(1)->ImageIndex(), 4);
    EXPECT_EQ(Items->Items(1)->Text()->Text(), Items->Items(0)->Text()->Text());
}

TEST_F(MultiColumnDropDownTest, ItemIndexShowsTheLookupLine)
{
    Fill({{"Alpha", "one"}, {"Beta", "two"}, {"Gamma", "three", "third"}});
    const struct {
        int32_t LookupColumn;
        int32_t Value;
        int32_t Index;
        const char* Text;
    } Cases[] = {
        {0, 2, 2, "Gamma"}, {1, 0, 0, "one"}, {0, 5, 1, "Beta"},  // 5 of 3: nothing changes
        {0, 3, 1, "Beta"},  {0, -1, -1, ""},  {2, 0, 0, ""},      // the item has no third line
        {2, 2, 2, "third"}, {-1, 2, 2, ""},
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(::testing::Message() << Case.LookupColumn << " " << Case.Value);
        DropDown->SetLookupColumn(0);
        DropDown->SetItemIndex(1);
        DropDown->SetLookupColumn(Case.LookupColumn);
        DropDown->SetItemIndex(Case.Value);
        EXPECT_EQ(DropDown->ItemIndex(), Case.Index);
        EXPECT_EQ(DropDown->Text(), QString::fromLatin1(Case.Text));
    }
}

TEST_F(MultiColumnDropDownTest, KeysStepTheClosedSelection)
{
    Fill({{"a0"}, {"a1"}, {"a2"}, {"a3"}, {"a4"}, {"a5"}, {"a6"}, {"a7"}});
    const struct {
        int32_t From;
        uint16_t Key;
        bool Editable;
        int32_t Expected;
    } Cases[] = {
        {-1, VK_DOWN, true, 0}, {-1, VK_UP, true, 0},  {0, VK_UP, true, 0},    {3, VK_DOWN, true, 4},
        {7, VK_DOWN, true, 7},  {5, VK_NEXT, true, 7}, {-1, VK_NEXT, true, 0}, {3, VK_PRIOR, true, 0},
        {7, VK_PRIOR, true, 0}, {2, VK_END, true, 2},  {2, VK_END, false, 7},  {5, VK_HOME, false, 0},
        {5, VK_HOME, true, 5},
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(::testing::Message() << Case.From << " key " << Case.Key << " editable " << Case.Editable);
        DropDown->SetEditorEnabled(Case.Editable);
        DropDown->SetItemIndex(Case.From);
        Input::PressKey(Case.Key);
        EXPECT_FALSE(IsOpen());
        EXPECT_EQ(DropDown->ItemIndex(), Case.Expected);
        EXPECT_EQ(DropDown->Text(), Case.Expected < 0 ? QString() : QStringLiteral("a%1").arg(Case.Expected));
    }
    // The wheel over the closed edit steps too.
    DropDown->SetItemIndex(3);
    Input::TurnWheel(DropDown, {5, 5}, -WHEEL_DELTA);
    EXPECT_EQ(DropDown->ItemIndex(), 4);
    Input::TurnWheel(DropDown, {5, 5}, WHEEL_DELTA);
    EXPECT_EQ(DropDown->ItemIndex(), 3);
}

TEST_F(MultiColumnDropDownTest, TypingCompletesFromTheLookupListAndTheReleaseTakesTheItemsCase)
{
    Fill({{"Abacus"}});
    Input::KeyDown('A');
    EXPECT_EQ(DropDown->Text(), QStringLiteral("abacus"));
    EXPECT_EQ(DropDown->SelStart(), 1);
    EXPECT_EQ(Selected(), QStringLiteral("bacus"));
    EXPECT_EQ(DropDown->ItemIndex(), 0);
    EXPECT_TRUE(DropDown->IsModified()) << "the text differs from the one at focus";
    Input::KeyUp('A');
    EXPECT_EQ(DropDown->Text(), QStringLiteral("Abacus"));
    EXPECT_EQ(DropDown->SelStart(), 1);
    EXPECT_EQ(Selected(), QStringLiteral("bacus"));
    Input::PressKey('B');
    EXPECT_EQ(DropDown->Text(), QStringLiteral("Abacus"));
    EXPECT_EQ(Selected(), QStringLiteral("acus"));
    EXPECT_TRUE(Selects.isEmpty()) << "completion picks no row";

    // Nothing begins with "abx": the text is cut back to what was typed.
    Input::PressKey('X');
    EXPECT_EQ(DropDown->Text(), QStringLiteral("Abx"));
    // Backspace takes one character without completing again.
    Input::PressKey(VK_BACK);
    EXPECT_EQ(DropDown->Text(), QStringLiteral("Ab"));

    // A negative lookup column switches completion off.
    DropDown->SetItemIndex(-1);
    DropDown->SetLookupColumn(-1);
    Input::TypeText(QStringLiteral("ab"));
    EXPECT_EQ(DropDown->Text(), QStringLiteral("ab"));
}

TEST_F(MultiColumnDropDownTest, OnlyEndUpdateAndLoadedRebuildTheLookupList)
{
    AddItem(DropDown, {"Abacus"});
    Input::TypeText(QStringLiteral("a"));
    EXPECT_EQ(DropDown->Text(), QStringLiteral("a")) << "no list yet";
    DropDown->SetText(QString());
    DropDown->EndUpdate();
    Input::TypeText(QStringLiteral("a"));
    EXPECT_EQ(DropDown->Text(), QStringLiteral("Abacus"));

    DropDown->SetItemIndex(-1);
    AddItem(DropDown, {"Beryl"});
    Input::TypeText(QStringLiteral("b"));
    EXPECT_EQ(DropDown->Text(), QStringLiteral("b"));
    DropDown->SetText(QString());
    DropDown->Loaded();
    Input::TypeText(QStringLiteral("b"));
    EXPECT_EQ(DropDown->Text(), QStringLiteral("Beryl"));
    EXPECT_EQ(DropDown->ItemIndex(), 1);

    // Without items the old list stays, but it completes no item that is gone.
    DropDown->SetText(QString());
    DropDown->Items()->Clear();
    DropDown->EndUpdate();
    Input::TypeText(QStringLiteral("b"));
    EXPECT_EQ(DropDown->Text(), QStringLiteral("b"));
}

TEST_F(MultiColumnDropDownTest, EnterTakesAWholeEntryAndEscKeepsOnlyOne)
{
    Fill({{"Alpha"}, {"Beta"}});
    const struct {
        const char* Text;
        uint16_t Key;
        int32_t Index;
        const char* After;
    } Cases[] = {
        {"BETA", VK_RETURN, 1, "Beta"},
        {"Bet", VK_RETURN, 0, "Bet"},  // no whole entry: the selection stays
        {"alpha", VK_ESCAPE, 0, "Alpha"},
        {"Alp", VK_ESCAPE, -1, ""},
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.Text);
        DropDown->SetItemIndex(0);
        DropDown->SetText(QString::fromLatin1(Case.Text));
        Input::PressKey(Case.Key);
        EXPECT_EQ(DropDown->ItemIndex(), Case.Index);
        EXPECT_EQ(DropDown->Text(), QString::fromLatin1(Case.After));
    }
}

TEST_F(MultiColumnDropDownTest, PopupHeightTakesWholeRows)
{
    const struct {
        int32_t RowHeight;
        bool Header;
        bool Footer;
        int32_t Expected;
    } Cases[] = {
        {22, true, false, 20 + 27 + 6 * 22}, {22, false, false, 27 + 7 * 22}, {22, true, true, 20 + 30 + 27 + 5 * 22},
        {30, false, false, 27 + 5 * 30},     {0, true, false, 200},  // no row height: the height stays unrounded
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(::testing::Message() << Case.RowHeight << " " << Case.Header << Case.Footer);
        DropDown = Make();
        Fill({{"a"}, {"b"}});
        DropDown->DropDownHeader()->SetVisible(Case.Header);
        DropDown->DropDownHeader()->SetHeight(20);
        DropDown->DropDownFooter()->SetVisible(Case.Footer);
        DropDown->DropDownFooter()->SetHeight(30);
        DropDown->SetDropDownRowHeight(Case.RowHeight);
        DropDown->SetFocus();
        Open();
        EXPECT_EQ(DropDown->DropDownForm()->Height(), Case.Expected);
        Input::PressKey(VK_ESCAPE);
        Clock.Advance(300);
    }
}

TEST_F(MultiColumnDropDownTest, ColumnsShareThePopupWidthCarryingTheRemainder)
{
    const struct {
        int32_t DropDownWidth;
        bool AutoWidth;
        int32_t Popup;
        QList<int32_t> Widths;
    } Cases[] = {
        {200, false, 200, {66, 66, 67}},  // factor 200 / 241
        {0, true, 242, {80, 80, 80}},     // the list's width and a border each side
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.DropDownWidth);
        DropDown = Make();
        Fill({{"a", "b", "c"}, {"d", "e", "f"}}, {80, 80, 80});
        DropDown->SetDropDownWidth(Case.DropDownWidth);
        DropDown->SetDropDownAutoWidth(Case.AutoWidth);
        DropDown->SetFocus();
        Open();
        EXPECT_EQ(DropDown->DropDownForm()->Width(), Case.Popup);
        EXPECT_EQ((QList<int32_t>{List()->ColWidths(0), List()->ColWidths(1), List()->ColWidths(2)}), Case.Widths);
        EXPECT_EQ(DropDown->Columns()->Items(2)->Width(), 80) << "declared widths stay";
        Input::PressKey(VK_ESCAPE);
        Clock.Advance(300);
    }
}

TEST_F(MultiColumnDropDownTest, ColumnsFollowTheUserSizingThePopup)
{
    Fill({{"a", "b", "c"}}, {80, 80, 80});
    DropDown->DropDownFooter()->SetVisible(true);
    DropDown->SetColumnSizing(true);
    Open();
    EXPECT_TRUE(List()->Options().Contains(goColSizing)) << "the user may drag column borders";
    TExtFooter* Footer = DropDown->DropDownForm()->Footer();
    ASSERT_NE(Footer, nullptr);
    const TPoint Grip{Footer->Width() - 5, Footer->Height() - 5};
    const TPoint OnForm = Form->ScreenToClient(Footer->ClientToScreen(Grip));
    Input::MouseDown(Footer, Grip);
    for (int32_t Step = 1; Step <= 4; ++Step) Input::MoveMouse(Form.get(), {OnForm.X + 15 * Step, OnForm.Y});
    Input::MouseUp(Form.get(), {OnForm.X + 60, OnForm.Y});
    ASSERT_EQ(DropDown->DropDownForm()->Width(), 242 + 60);
    // Factor 302 / 241: 100.25 each, the carried remainder stays below 1.
    EXPECT_EQ((QList<int32_t>{List()->ColWidths(0), List()->ColWidths(1), List()->ColWidths(2)}),
              (QList<int32_t>{100, 100, 100}));
}

TEST_F(MultiColumnDropDownTest, AutoSizedColumnsAndWrappedRows)
{
    Fill({{"a", "short"}, {"a much longer text", "a text long enough to wrap onto more lines in its column"}},
         {30, 60});
    DropDown->Columns()->Items(0)->SetAutoSize(true);
    DropDown->Columns()->Items(1)->SetWordwrap(true);
    DropDown->SetColumnSizeWithDropDown(false);
    Open();
    TCanvas* Canvas = DropDown->DropDownForm()->Canvas();
    Canvas->Font()->Assign(DropDown->Columns()->Items(0)->Font());
    EXPECT_EQ(List()->ColWidths(0), Canvas->TextWidth(QStringLiteral("a much longer text")) + 6);
    EXPECT_EQ(List()->Columns()->Items(0)->Width(), List()->ColWidths(0));
    EXPECT_EQ(DropDown->Columns()->Items(0)->Width(), 30) << "the drop-down's own column keeps its width";
    EXPECT_EQ(List()->RowHeights(1), 24) << "a wrapped row is at least 24 high";
    TRect Measured{0, 0, 60, 0};
    Canvas->Font()->Assign(DropDown->Columns()->Items(1)->Font());
    DrawText(Canvas->Handle(), DropDown->Items()->Items(1)->Line(1), -1, Measured,
             DT_CALCRECT | DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX | DT_EXPANDTABS);
    ASSERT_GT(Measured.Height() + 6, 24);
    EXPECT_EQ(List()->RowHeights(2), Measured.Height() + 6);
}

TEST_F(MultiColumnDropDownTest, OpenByClickOrAltDownOnTheSelectedRow)
{
    Fill({{"Alpha"}, {"Beta"}, {"Gamma"}, {"Delta"}});
    DropDown->SetItemIndex(2);
    Open();
    EXPECT_TRUE(List()->Focused());
    EXPECT_EQ(List()->Row(), 3);
    Input::PressKey(VK_ESCAPE);
    EXPECT_FALSE(IsOpen());
    EXPECT_TRUE(DropDown->Focused());

    Input::PressKey(VK_DOWN, {ssAlt});
    ASSERT_TRUE(IsOpen());
    EXPECT_EQ(List()->Row(), 3);
    Input::PressKey(VK_DOWN);
    Input::PressKey(VK_UP, {ssAlt});
    EXPECT_FALSE(IsOpen()) << "Alt+Up closes as confirmed";
    EXPECT_EQ(DropDown->ItemIndex(), 3);
    EXPECT_EQ(DropDown->Text(), QStringLiteral("Delta"));

    // Without a selection the first item's row is current; a cancel leaves no selection.
    DropDown->SetItemIndex(-1);
    Clock.Advance(300);
    Open();
    EXPECT_EQ(List()->Row(), 1);
    Input::PressKey(VK_ESCAPE);
    EXPECT_EQ(DropDown->ItemIndex(), -1);
    EXPECT_EQ(DropDown->Text(), QString());
}

TEST_F(MultiColumnDropDownTest, MovingInTheListSelectsAtOnceEscRestoresEnterPicks)
{
    Fill({{"Alpha"}, {"Beta"}, {"Gamma"}, {"Delta"}, {"Epsilon"}});
    DropDown->SetItemIndex(1);
    Open();
    Input::PressKey(VK_DOWN);
    Input::PressKey(VK_DOWN);
    EXPECT_TRUE(IsOpen());
    EXPECT_EQ(DropDown->ItemIndex(), 3);
    EXPECT_EQ(DropDown->Text(), QStringLiteral("Delta"));
    Input::PressKey(VK_ESCAPE);
    EXPECT_FALSE(IsOpen());
    EXPECT_EQ(DropDown->ItemIndex(), 1);
    EXPECT_EQ(DropDown->Text(), QStringLiteral("Beta"));
    EXPECT_TRUE(Selects.isEmpty());

    Clock.Advance(300);
    Open();
    Input::PressKey(VK_UP);
    Input::PressKey(VK_RETURN);
    EXPECT_FALSE(IsOpen());
    EXPECT_EQ(DropDown->ItemIndex(), 0);
    EXPECT_EQ(Selects, QList<int32_t>({0}));

    Clock.Advance(300);
    Open();
    Input::Click(List(), ItemPoint(4));
    EXPECT_FALSE(IsOpen());
    EXPECT_EQ(DropDown->ItemIndex(), 4);
    EXPECT_EQ(DropDown->Text(), QStringLiteral("Epsilon"));
    EXPECT_EQ(Selects, QList<int32_t>({0, 4}));
}

TEST_F(MultiColumnDropDownTest, AWheelStepMovesTheRowButAClickOutsideKeepsTheSelection)
{
    Fill({{"Alpha"}, {"Beta"}, {"Gamma"}, {"Delta"}});
    DropDown->SetItemIndex(1);
    Open();
    Input::TurnWheel(List(), ItemPoint(1), -WHEEL_DELTA);
    EXPECT_EQ(List()->Row(), 3);
    EXPECT_EQ(DropDown->ItemIndex(), 1) << "the wheel does not select";
    Input::Click(Form.get(), {300, 250});
    EXPECT_FALSE(IsOpen());
    EXPECT_EQ(DropDown->ItemIndex(), 1);
    EXPECT_EQ(DropDown->Text(), QStringLiteral("Beta"));

    // A key in the list confirms its row: losing the activation then keeps it.
    Clock.Advance(300);
    Open();
    Input::PressKey(VK_DOWN);
    Input::Click(Form.get(), {300, 250});
    EXPECT_FALSE(IsOpen());
    EXPECT_EQ(DropDown->ItemIndex(), 2);
    // That confirmation was for its opening only.
    Clock.Advance(300);
    DropDown->SetItemIndex(-1);
    Open();
    Input::Click(Form.get(), {300, 250});
    EXPECT_EQ(DropDown->ItemIndex(), -1);
}

TEST_F(MultiColumnDropDownTest, TypeAheadInTheOpenList)
{
    Fill({{"Alpha"}, {"Bark"}, {"bEetle"}, {"Beryl"}, {"Carrot"}});
    const struct {
        bool CaseSensitive;
        const char* Typed;
        int32_t Index;
        const char* Text;
        const char* Selected;
    } Cases
        [] =
            {
                {false, "b", 1, "Bark", "ark"},
                {false, "be", 2, "bEetle", "etle"},
                {false, "ber", 3, "Beryl", "yl"},
                {false, "berc", 4, "Carrot", "arrot"},  // continues nothing: the c alone
                {false, "bq", 1, "Bark", "ark"},        // nothing at all: the selection stays
                {true, "bE", 2, "bEetle", "etle"},
                {true, "be", 2, "bEetle", "Eetle"},  // neither be nor e alone: b's item stays
                {true, "B", 1, "Bark", "ark"},
            };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.Typed);
        DropDown->SetItemIndex(-1);
        DropDown->SetCaseSensitive(Case.CaseSensitive);
        DropDown->EndUpdate();
        Clock.Advance(300);
        Open();
        Input::TypeText(QString::fromLatin1(Case.Typed));
        EXPECT_TRUE(IsOpen());
        EXPECT_EQ(DropDown->ItemIndex(), Case.Index);
        EXPECT_EQ(DropDown->Text(), QString::fromLatin1(Case.Text));
        EXPECT_EQ(Selected(), QString::fromLatin1(Case.Selected));
        if (Case.Index >= 0) {
            EXPECT_EQ(List()->Row(), Case.Index + 1);
        }
        Input::PressKey(VK_ESCAPE);
    }

    // Backspace over the completed part takes just that part.
    Clock.Advance(300);
    DropDown->SetCaseSensitive(false);
    Open();
    Input::TypeText(QStringLiteral("be"));
    Input::PressKey(VK_BACK);
    EXPECT_EQ(DropDown->Text(), QStringLiteral("bE"));
    EXPECT_EQ(DropDown->SelStart(), 2);
    Input::PressKey(VK_BACK);
    EXPECT_EQ(DropDown->Text(), QStringLiteral("b")) << "without a selection the entry loses its last character";
    Input::TypeText(QStringLiteral("e"));
    EXPECT_EQ(DropDown->Text(), QStringLiteral("bEetle")) << "the entry goes on from b";
    EXPECT_EQ(DropDown->ItemIndex(), 2);
}

TEST_F(MultiColumnDropDownTest, TypeAheadFollowsItemsChangedSinceTheLastRebuild)
{
    Fill({{"Alpha"}, {"Bark"}});
    DropDown->Items()->Items(0)->Text()->SetStrings(0, QStringLiteral("Bamboo"));
    AddItem(DropDown, {"Basil"});
    Open();
    Input::TypeText(QStringLiteral("bas"));
    EXPECT_EQ(DropDown->ItemIndex(), 2);
    EXPECT_EQ(DropDown->Text(), QStringLiteral("Basil"));
    Input::PressKey(VK_ESCAPE);
    Clock.Advance(300);
    Open();
    Input::TypeText(QStringLiteral("b"));
    EXPECT_EQ(DropDown->ItemIndex(), 0);
    EXPECT_EQ(DropDown->Text(), QStringLiteral("Bamboo"));
}

TEST_F(MultiColumnDropDownTest, LooksByStyle)
{
    // After construction.
    EXPECT_EQ(DropDown->LineColor(), RGB(235, 237, 241));
    EXPECT_EQ(DropDown->FixedLineColor(), RGB(164, 187, 209));
    EXPECT_EQ(DropDown->HeaderColor(), clWhite);
    EXPECT_EQ(DropDown->HeaderColorTo(), RGB(128, 128, 128));
    EXPECT_EQ(DropDown->DropDownColor(), clWhite);
    EXPECT_EQ(DropDown->DropDownHeight(), 200);
    EXPECT_EQ(DropDown->SelectionColorStyle(), scOffice2007);
    EXPECT_EQ(DropDown->SelectionTextColor(), clBlack);
    EXPECT_TRUE(DropDown->AutoSelect());

    const struct {
        TVyxStyle Style;
        TColor Header, HeaderTo, HeaderFont, Line, FixedLine;
        TSelectionColorStyle Selection;
        TColor SelectionColor, SelectionColorTo, SelectionText;
    } Cases[] = {
        {tsOffice2003Blue, RGB(89, 135, 214), RGB(3, 56, 147), clWhite, RGB(0, 45, 150), RGB(0, 45, 150), scOffice2007,
         RGB(253, 255, 215), RGB(252, 212, 88), clBlack},
        {tsWindows7, RGB(250, 251, 253), RGB(235, 243, 253), clBlack, RGB(184, 214, 251), RGB(184, 214, 251),
         scWindows7, RGB(220, 235, 252), RGB(193, 219, 252), clBlack},
        {tsWindowsXP, clBtnFace, clBtnFace, clBlack, RGB(192, 192, 192), clBlack, scCustom, clHighlight, clHighlight,
         clHighlightText},
        {tsOffice2010Black, RGB(130, 130, 130), clNone, RGB(214, 215, 215), RGB(207, 221, 238), RGB(207, 221, 238),
         scCustom, RGB(255, 208, 108), RGB(255, 208, 108), clBlack},
        // Custom leaves everything as the row before left it.
        {tsCustom, RGB(130, 130, 130), clNone, RGB(214, 215, 215), RGB(207, 221, 238), RGB(207, 221, 238), scCustom,
         RGB(255, 208, 108), RGB(255, 208, 108), clBlack},
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(int(Case.Style));
        DropDown->SetComponentStyle(Case.Style);
        EXPECT_EQ(DropDown->HeaderColor(), Case.Header);
        EXPECT_EQ(DropDown->HeaderColorTo(), Case.HeaderTo);
        EXPECT_EQ(DropDown->HeaderFont()->Color(), Case.HeaderFont);
        EXPECT_EQ(DropDown->LineColor(), Case.Line);
        EXPECT_EQ(DropDown->FixedLineColor(), Case.FixedLine);
        EXPECT_EQ(DropDown->SelectionColorStyle(), Case.Selection);
        EXPECT_EQ(DropDown->SelectionColor(), Case.SelectionColor);
        EXPECT_EQ(DropDown->SelectionColorTo(), Case.SelectionColorTo);
        EXPECT_EQ(DropDown->SelectionTextColor(), Case.SelectionText);
    }
}

TEST_F(MultiColumnDropDownTest, AssignCopiesSettingsColumnsItemsAndSelection)
{
    Fill({{"Alpha", "1"}, {"Beta", "2"}});
    DropDown->SetLookupColumn(1);
    DropDown->SetItemIndex(1);
    DropDown->SetHeaderHeight(30);
    DropDown->HeaderFont()->SetSize(13);
    DropDown->SetCaseSensitive(true);
    TExtMultiColumnDropDown* Copy = Make();
    Copy->Assign(DropDown);
    EXPECT_EQ(Copy->Items()->Count(), 2);
    EXPECT_EQ(Copy->Columns()->Count(), 2);
    EXPECT_EQ(Copy->LookupColumn(), 1);
    EXPECT_EQ(Copy->ItemIndex(), 1);
    EXPECT_EQ(Copy->Text(), QStringLiteral("2"));
    EXPECT_EQ(Copy->HeaderHeight(), 30);
    EXPECT_EQ(Copy->HeaderFont()->Size(), 13);
    EXPECT_TRUE(Copy->CaseSensitive());
    DropDown->Items()->Items(0)->Text()->SetStrings(0, QStringLiteral("changed"));
    EXPECT_EQ(Copy->Items()->Items(0)->Line(0), QStringLiteral("Alpha")) << "a copy, not a share";
}

}  // namespace
