// Focus changes: WM_KILLFOCUS before WM_SETFOCUS, CM_EXIT/CM_ENTER on active-control changes only.
#include "support/Input.h"
#include "support/LayerInternals.h"
#include "support/Render.h"
#include "Recorder.h"

#include <gtest/gtest.h>

#include <QWidget>


namespace {

class FocusTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = MakeForm<TRecordingForm>(300, 200, Log, QStringLiteral("Form"));
        A = Place<TRecorder>(Form.get(), Bounds(10, 10, 100, 30), Log, QStringLiteral("A"));
        B = Place<TRecorder>(Form.get(), Bounds(10, 50, 100, 30), Log, QStringLiteral("B"));
        A->SetTabStop(true);
        B->SetTabStop(true);
        A->OnEnter = [this](TObject*) { Log.append(QStringLiteral("A OnEnter")); };
        A->OnExit = [this](TObject*) { Log.append(QStringLiteral("A OnExit")); };
        B->OnEnter = [this](TObject*) { Log.append(QStringLiteral("B OnEnter")); };
        B->OnExit = [this](TObject*) { Log.append(QStringLiteral("B OnExit")); };
        Form->Show();
        ProcessPendingEvents();
        Log.clear();
    }

    QStringList Log;
    std::unique_ptr<TRecordingForm> Form;
    TRecorder* A = nullptr;
    TRecorder* B = nullptr;
};

TEST_F(FocusTest, KillFocusCarriesTheNewWindowAndComesBeforeSetFocus)
{
    B->SetFocus();
    EXPECT_EQ(Log, (QStringList{"A WM_KILLFOCUS B", "A CM_EXIT", "A OnExit", "B CM_ENTER", "B OnEnter", "B WM_SETFOCUS A"}));
    EXPECT_EQ(Form->ActiveControl(), B);
    EXPECT_EQ(Screen->ActiveControl(), B);
}

TEST_F(FocusTest, SettingActiveControlMovesTheFocus)
{
    Form->SetActiveControl(B);
    EXPECT_TRUE(B->Focused());
    EXPECT_TRUE(Log.contains("A OnExit"));
    EXPECT_TRUE(Log.contains("B OnEnter"));
}

TEST_F(FocusTest, ExitAndEnterFollowTheContainersBetweenTheControls)
{
    auto* Panel = Place<TRecorder>(Form.get(), Bounds(150, 10, 140, 150), Log, QStringLiteral("Panel"));
    auto* Inner = Place<TRecorder>(Panel, Bounds(10, 10, 100, 30), Log, QStringLiteral("Inner"));
    Log.clear();
    Inner->SetFocus();
    EXPECT_EQ(Log.filter(QStringLiteral("CM_")), (QStringList{"A CM_EXIT", "Panel CM_ENTER", "Inner CM_ENTER"}));
    Log.clear();
    B->SetFocus();
    EXPECT_EQ(Log.filter(QStringLiteral("CM_")), (QStringList{"Inner CM_EXIT", "Panel CM_EXIT", "B CM_ENTER"}));
}

TEST_F(FocusTest, LeavingAndComingBackToTheApplicationNeitherExitsNorEnters)
{
    QWidget Other;
    Other.resize(50, 50);
    Other.show();
    Other.activateWindow();
    ProcessPendingEvents();
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_FALSE(Form->Active());
    WidgetOf(Form->Handle())->activateWindow();
    ProcessPendingEvents();
    EXPECT_TRUE(A->Focused());
    EXPECT_EQ(Log, (QStringList{"A WM_KILLFOCUS -", "A WM_SETFOCUS -"}));
}

TEST_F(FocusTest, HidingOrDisablingTheFocusedControlGivesTheFocusToTheForm)
{
    A->SetVisible(false);
    EXPECT_EQ(Form->ActiveControl(), nullptr);
    EXPECT_EQ(GetFocus(), Form->Handle());
    B->SetFocus();
    B->SetEnabled(false);
    EXPECT_EQ(GetFocus(), Form->Handle());
}

TEST_F(FocusTest, AControlThatCannotTakeTheFocusIsRefused)
{
    B->SetVisible(false);
    EXPECT_THROW(Form->SetActiveControl(B), EInvalidOperation);
    EXPECT_TRUE(A->Focused());
}

TEST_F(FocusTest, FocusMovingToAnotherFormKillsWithTheNewWindowAndNeitherExitsNorEnters)
{
    auto Other = MakeForm<TRecordingForm>(200, 100, Log, QStringLiteral("Other"));
    auto* C = Place<TRecorder>(Other.get(), Bounds(10, 10, 100, 30), Log, QStringLiteral("C"));
    C->SetTabStop(true);
    QStringList Events;
    Form->OnDeactivate = [&](TObject*) { Events.append(QStringLiteral("Form OnDeactivate")); };
    Other->OnActivate = [&](TObject*) { Events.append(QStringLiteral("Other OnActivate")); };
    Other->Show();
    ProcessPendingEvents();
    EXPECT_EQ(Log.filter(QStringLiteral("FOCUS")), (QStringList{"A WM_KILLFOCUS C", "C WM_SETFOCUS A"}));
    EXPECT_FALSE(Log.contains("A CM_EXIT"));
    EXPECT_EQ(Events, (QStringList{"Form OnDeactivate", "Other OnActivate"}));
    EXPECT_EQ(Form->ActiveControl(), A);
    Log.clear();
    A->SetFocus();
    ProcessPendingEvents();
    EXPECT_EQ(Log.filter(QStringLiteral("FOCUS")), (QStringList{"C WM_KILLFOCUS A", "A WM_SETFOCUS C"}));
    EXPECT_TRUE(Form->Active());
    EXPECT_FALSE(Other->Active());
}

}  // namespace
