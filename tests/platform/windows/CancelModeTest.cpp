// CM_CANCELMODE: the focused control hears of a press anywhere on its form and of the form's deactivation.
#include "support/Input.h"
#include "support/Render.h"
#include "Recorder.h"

#include "windows/Forms.h"
#include "windows/StdCtrls.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// Writes down CM_CANCELMODE with the name of the control that is pressed ("-" for none).
class TCancelNoted : public TPlainControl {
public:
    TCancelNoted(TComponent* AOwner, QStringList& Log) : TPlainControl(AOwner), FLog(Log) {}

    std::function<void()> OnHeard;

protected:
    void Dispatch(TMessage& Message) override
    {
        if (Message.Msg == CM_CANCELMODE) {
            const auto* Sender = reinterpret_cast<TControl*>(Message.LParam);
            FLog.append(Name() + QStringLiteral(" cancel ") + (Sender ? Sender->Name() : QStringLiteral("-")));
            if (OnHeard) OnHeard();
        }
        TPlainControl::Dispatch(Message);
    }

private:
    QStringList& FLog;
};

class CancelModeTest : public ::testing::Test {
public:
    void SetUp() override
    {
        Form = MakeForm(300, 200);
        Focused = Place<TCancelNoted>(Form.get(), Bounds(10, 10, 80, 40), Log);
        Other = Place<TCancelNoted>(Form.get(), Bounds(100, 10, 80, 40), Log);
        Caption = New<TLabel>(Form.get());
        Caption->SetParent(Form.get());
        Caption->SetBounds(10, 100, 80, 20);
        Caption->SetCaption(QStringLiteral("Label"));
        Focused->SetName(QStringLiteral("Focused"));
        Other->SetName(QStringLiteral("Other"));
        Caption->SetName(QStringLiteral("Caption"));
        for (TControl* Control : {static_cast<TControl*>(Focused), static_cast<TControl*>(Other), static_cast<TControl*>(Caption)}) {
            Control->OnMouseDown = [this, Control](TObject*, TMouseButton, TShiftState, int32_t, int32_t) {
                Log.append(Control->Name() + QStringLiteral(" down"));
            };
        }
        Form->Show();
        Focused->SetFocus();
        ProcessPendingEvents();
        Log.clear();
    }

    QStringList Log;
    std::unique_ptr<TForm> Form;
    TCancelNoted* Focused = nullptr;
    TCancelNoted* Other = nullptr;
    TLabel* Caption = nullptr;
};

TEST_F(CancelModeTest, TheFocusedControlHearsOfEveryLeftPressBeforeThePressedControl)
{
    using T = CancelModeTest;
    struct TCase {
        const char* Name;
        std::function<void(T*)> Act;
        QStringList Heard;
    };
    const TCase Cases[] = {
        {"another control", [](T* F) { Input::MouseDown(F->Other, {5, 5}); }, {"Focused cancel Other", "Other down"}},
        {"a double click on another control", [](T* F) { Input::DoubleClick(F->Other, {5, 5}); },
         {"Focused cancel Other", "Other down", "Focused cancel Other", "Other down"}},
        {"a control without a window", [](T* F) { Input::MouseDown(F->Caption, {5, 5}); },
         {"Focused cancel Caption", "Caption down"}},
        {"the focused control itself", [](T* F) { Input::MouseDown(F->Focused, {5, 5}); },
         {"Focused cancel Focused", "Focused down"}},
        {"the right button", [](T* F) { Input::MouseDown(F->Other, {5, 5}, mbRight); }, {"Other down"}},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        Focused->SetFocus();
        Log.clear();
        Case.Act(this);
        EXPECT_EQ(Log, Case.Heard);
        Input::MouseUp(Focused, {5, 5});
        Input::MouseUp(Focused, {5, 5}, mbRight);
    }
}

// A wrapped edit takes the focus as the press arrives: the focused control hears of it first.
TEST_F(CancelModeTest, APressOnAWrappedEditCancelsBeforeTheFocusMoves)
{
    auto* Edit = New<TEdit>(Form.get());
    Edit->SetParent(Form.get());
    Edit->SetBounds(10, 140, 100, 24);
    Edit->SetName(QStringLiteral("Edit"));
    TWinControl* FocusedWhenHeard = nullptr;
    Focused->OnHeard = [&] { FocusedWhenHeard = Form->ActiveControl(); };
    ProcessPendingEvents();
    Log.clear();
    Input::MouseDown(Edit, {5, 5});
    Input::MouseUp(Edit, {5, 5});
    EXPECT_EQ(Log.value(0), QStringLiteral("Focused cancel Edit"));
    EXPECT_EQ(FocusedWhenHeard, Focused);
    EXPECT_TRUE(Edit->Focused());
    // The right button moves the focus without cancel mode, as it sends none to another control.
    Focused->SetFocus();
    Log.clear();
    Input::MouseDown(Edit, {5, 5}, mbRight);
    Input::MouseUp(Edit, {5, 5}, mbRight);
    EXPECT_FALSE(Log.contains(QStringLiteral("Focused cancel Edit")));
}

TEST_F(CancelModeTest, TheFocusedControlHearsOfTheFormsDeactivation)
{
    auto Second = MakeForm(100, 100);
    Second->Show();
    Second->SetFocus();
    ProcessPendingEvents();
    EXPECT_EQ(Log, QStringList{"Focused cancel -"});
    Log.clear();
    // A press on the inactive form tells nobody: its focused control is not active.
    Focused->Perform(WM_LBUTTONDOWN, 0, 0);
    Focused->Perform(WM_LBUTTONUP, 0, 0);
    EXPECT_EQ(Log, QStringList{"Focused down"});
}

}  // namespace
