// Keys reach the focused control in the toolkit's order: CN_ message and dialog keys, key preview, the control, posted characters.
#include "support/Input.h"
#include "support/Render.h"
#include "Recorder.h"

#include <gtest/gtest.h>

namespace {

class KeyRoutingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = MakeForm<TRecordingForm>(300, 200, Log, QStringLiteral("Form"));
        A = Place<TRecorder>(Form.get(), Bounds(10, 10, 100, 30), Log, QStringLiteral("A"));
        B = Place<TDefaultTaker>(Form.get(), Bounds(10, 50, 100, 30), Log, QStringLiteral("B"));
        A->SetTabStop(true);
        B->SetTabStop(true);
        Form->Show();
        ProcessPendingEvents();
        Log.clear();
    }

    // The log without the focus and mouse messages.
    QStringList KeyLog() const
    {
        QStringList Keys;
        for (const QString& Line : Log)
            if (!Line.contains(QStringLiteral("FOCUS")) && !Line.contains(QStringLiteral("CM_E"))) Keys.append(Line);
        return Keys;
    }

    QStringList Log;
    std::unique_ptr<TRecordingForm> Form;
    TRecorder* A = nullptr;
    TDefaultTaker* B = nullptr;
};

TEST_F(KeyRoutingTest, TheFirstTabStopHasTheFocusWhenTheFormShows)
{
    EXPECT_EQ(Form->ActiveControl(), A);
    EXPECT_TRUE(A->Focused());
    EXPECT_EQ(GetFocus(), A->Handle());
}

TEST_F(KeyRoutingTest, ALetterGoesDownThenItsCharacterIsPostedToTheSameControl)
{
    Input::KeyDown('A');
    // The character waits in the queue until the key-down handling has returned.
    EXPECT_EQ(KeyLog(), (QStringList{"A CN_KEYDOWN 65", "A WM_KEYDOWN 65", "A CN_CHAR 97", "Form CM_DIALOGCHAR 97",
                                     "A CM_DIALOGCHAR 97", "B CM_DIALOGCHAR 97", "A WM_CHAR 97"}));
    Log.clear();
    Input::KeyUp('A');
    EXPECT_EQ(KeyLog(), (QStringList{"A CN_KEYUP 65", "A WM_KEYUP 65"}));
}

TEST_F(KeyRoutingTest, TheCharacterGoesToTheControlThatHadTheKeyEvenWhenTheFocusMoved)
{
    A->OnKeyDown = [this](TObject*, uint16_t&, TShiftState) { B->SetFocus(); };
    Input::PressKey('Q');
    EXPECT_TRUE(B->Focused());
    EXPECT_TRUE(Log.contains("A WM_CHAR 113"));
    EXPECT_FALSE(Log.contains("B WM_CHAR 113"));
}

struct TSpecialKeyCase {
    const char* Name;
    uint16_t Key;
    LRESULT DlgCode;
    bool WantSpecialKeys;
    bool ReachesForm;

    friend void PrintTo(const TSpecialKeyCase& Case, std::ostream* Out) { *Out << Case.Name; }
};

class SpecialKeyTest : public KeyRoutingTest, public ::testing::WithParamInterface<TSpecialKeyCase> {};

TEST_P(SpecialKeyTest, TheFormGetsTheDialogKeyOnlyWhenTheControlDoesNotClaimIt)
{
    const TSpecialKeyCase& Case = GetParam();
    A->DlgCode = Case.DlgCode;
    A->WantSpecialKeys = Case.WantSpecialKeys;
    Input::KeyDown(Case.Key);
    const QString Key = QString::number(Case.Key);
    EXPECT_EQ(Log.contains("Form CM_DIALOGKEY " + Key), Case.ReachesForm);
    // A dialog key the form takes is gone: no WM_KEYDOWN and no character.
    EXPECT_EQ(Log.contains("A WM_KEYDOWN " + Key), !Case.ReachesForm);
    if (Case.ReachesForm) {
        EXPECT_TRUE(Log.filter(QStringLiteral("WM_CHAR")).isEmpty());
    }
    Input::KeyUp(Case.Key);
}

INSTANTIATE_TEST_SUITE_P(Keys, SpecialKeyTest,
                         ::testing::Values(TSpecialKeyCase{"EnterUnclaimed", VK_RETURN, 0, false, true},
                                           TSpecialKeyCase{"EnterWantSpecialKey", VK_RETURN, 0, true, false},
                                           TSpecialKeyCase{"EnterWantAllKeys", VK_RETURN, DLGC_WANTALLKEYS, false, false},
                                           TSpecialKeyCase{"EnterWantArrowsOnly", VK_RETURN, DLGC_WANTARROWS, false, true},
                                           TSpecialKeyCase{"TabUnclaimed", VK_TAB, 0, false, true},
                                           TSpecialKeyCase{"TabWantTab", VK_TAB, DLGC_WANTTAB, false, false},
                                           TSpecialKeyCase{"ArrowWantArrows", VK_DOWN, DLGC_WANTARROWS, false, false}),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST_F(KeyRoutingTest, EnterIsBroadcastSoThatADefaultButtonTakesIt)
{
    Input::PressKey(VK_RETURN);
    EXPECT_EQ(B->Taken, 1);
    EXPECT_EQ(KeyLog(), (QStringList{"A CN_KEYDOWN 13", "A CM_WANTSPECIALKEY 13", "Form CM_DIALOGKEY 13", "A CM_DIALOGKEY 13",
                                     "B CM_DIALOGKEY 13", "A CN_KEYUP 13", "A WM_KEYUP 13"}));
}

TEST_F(KeyRoutingTest, TabMovesTheFocusInTabOrderAndShiftTabBack)
{
    auto* C = Place<TRecorder>(Form.get(), Bounds(10, 90, 100, 30), Log, QStringLiteral("C"));
    C->SetTabStop(true);
    C->SetTabOrder(0);
    Input::PressKey(VK_TAB);
    EXPECT_TRUE(B->Focused());
    Input::PressKey(VK_TAB);
    EXPECT_TRUE(C->Focused());
    Input::PressKey(VK_TAB, {ssShift});
    EXPECT_TRUE(B->Focused());
    B->SetTabStop(false);
    Input::PressKey(VK_TAB);
    EXPECT_TRUE(C->Focused());
}

TEST_F(KeyRoutingTest, AFormWithKeyPreviewSeesTheKeyFirstWithinWmKeyDown)
{
    Form->SetKeyPreview(true);
    Form->OnKeyDown = [this](TObject*, uint16_t& Key, TShiftState) {
        Log.append(QStringLiteral("Form OnKeyDown %1").arg(Key));
        if (Key == 'X') Key = 0;
    };
    A->OnKeyDown = [this](TObject*, uint16_t& Key, TShiftState) { Log.append(QStringLiteral("A OnKeyDown %1").arg(Key)); };
    Input::KeyDown('Y');
    EXPECT_EQ(KeyLog().mid(0, 4), (QStringList{"A CN_KEYDOWN 89", "A WM_KEYDOWN 89", "Form OnKeyDown 89", "A OnKeyDown 89"}));
    Input::KeyUp('Y');
    Log.clear();
    Input::KeyDown('X');
    // A key the preview sets to 0 stops there; its character was posted already and still comes.
    EXPECT_FALSE(Log.contains("A OnKeyDown 88"));
    EXPECT_TRUE(Log.contains("A WM_CHAR 120"));
    Input::KeyUp('X');
}

TEST_F(KeyRoutingTest, KeyPressSeesTheCharacterAndACharacterSetToNulStops)
{
    Form->SetKeyPreview(true);
    QString Seen;
    Form->OnKeyPress = [&](TObject*, QChar& Key) {
        Seen += QStringLiteral("form:") + Key;
        if (Key == QLatin1Char('n')) Key = QChar();
    };
    A->OnKeyPress = [&](TObject*, QChar& Key) { Seen += QStringLiteral(" a:") + Key; };
    Input::TypeText(QStringLiteral("mn"));
    EXPECT_EQ(Seen, QStringLiteral("form:m a:mform:n"));
}

TEST_F(KeyRoutingTest, ShiftedLettersAndComposedCharactersArriveAsTyped)
{
    QString Typed;
    A->OnKeyPress = [&](TObject*, QChar& Key) { Typed += Key; };
    Input::TypeText(QStringLiteral("Hi, é\U0001F600"));
    EXPECT_EQ(Typed, QStringLiteral("Hi, é\U0001F600"));
}

TEST_F(KeyRoutingTest, GetKeyStateFollowsTheKeysAndToggles)
{
    bool ShiftDownInHandler = false;
    A->OnKeyDown = [&](TObject*, uint16_t&, TShiftState Shift) { ShiftDownInHandler = GetKeyState(VK_SHIFT) < 0 && Shift.Contains(ssShift); };
    const int16_t Before = GetKeyState('K');
    Input::KeyDown('K', {ssShift});
    EXPECT_TRUE(ShiftDownInHandler);
    EXPECT_LT(GetKeyState('K'), 0);
    Input::KeyUp('K', {ssShift});
    EXPECT_GE(GetKeyState('K'), 0);
    EXPECT_GE(GetKeyState(VK_SHIFT), 0);
    EXPECT_NE(GetKeyState('K') & 1, Before & 1);
}

TEST_F(KeyRoutingTest, APostedKeyDownTakesTheInputPathWithItsCharacter)
{
    PostMessage(A->Handle(), WM_KEYDOWN, VK_TAB, 0);
    ProcessPendingEvents();
    // A Tab posted to a control moves the focus, as the dialog key it is.
    EXPECT_TRUE(B->Focused());
    EXPECT_EQ(KeyLog().first(), QStringLiteral("A CN_KEYDOWN 9"));
}

}  // namespace
