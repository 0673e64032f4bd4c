// Actions: a control follows its custom action's caption, enabled state, hint and visibility, and a click runs it.
#include "support/Input.h"
#include "support/Render.h"
#include "Recorder.h"

#include "windows/ActnList.h"

#include <gtest/gtest.h>

namespace {

class ActionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = MakeForm(200, 100);
        Box = Place<TBox>(Form.get(), Bounds(10, 10, 50, 20));
        Action = New<TAction>(Form.get());
        Form->Show();
        ProcessPendingEvents();
    }

    std::unique_ptr<TForm> Form;
    TBox* Box = nullptr;
    TAction* Action = nullptr;
};

TEST_F(ActionTest, ControlTakesTheActionsValues)
{
    Action->SetCaption(QStringLiteral("Find"));
    Action->SetHint(QStringLiteral("Finds"));
    Action->SetEnabled(false);
    Box->SetAction(Action);
    EXPECT_EQ(Box->Action(), Action);
    EXPECT_EQ(Box->Caption(), "Find");
    EXPECT_EQ(Box->Hint(), "Finds");
    EXPECT_FALSE(Box->Enabled());
}

TEST_F(ActionTest, LinkedValuesFollowChangesOthersKeepTheirOwn)
{
    Action->SetCaption(QStringLiteral("Find"));
    Box->SetAction(Action);
    Action->SetCaption(QStringLiteral("Search"));
    EXPECT_EQ(Box->Caption(), "Search");
    // A caption of the control's own is no longer linked.
    Box->SetCaption(QStringLiteral("Mine"));
    Action->SetCaption(QStringLiteral("Again"));
    EXPECT_EQ(Box->Caption(), "Mine");
    Action->SetVisible(false);
    EXPECT_FALSE(Box->Visible());
}

TEST_F(ActionTest, ClickWithoutOnClickExecutesTheAction)
{
    int32_t Executed = 0;
    Action->OnExecute = [&](TObject* Sender) {
        EXPECT_EQ(Sender, Action);
        ++Executed;
    };
    Box->SetAction(Action);
    Box->SetControlStyle(Box->ControlStyle() + TControlStyle{csClickEvents});
    Input::Click(Box, {5, 5});
    EXPECT_EQ(Executed, 1);
    int32_t Clicked = 0;
    Box->OnClick = [&](TObject*) { ++Clicked; };
    Input::Click(Box, {5, 5});
    EXPECT_EQ(Executed, 1);
    EXPECT_EQ(Clicked, 1);
}

TEST_F(ActionTest, FreedActionIsForgotten)
{
    Box->SetAction(Action);
    delete Action;
    EXPECT_EQ(Box->Action(), nullptr);
    Box->SetAction(nullptr);
}

TEST_F(ActionTest, LinkAsksBeforeTheActionChanges)
{
    struct TProbe : TActionLink {
        QStringList Seen;
        void SetCaption(const QString& Value) override
        {
            Seen.append(CustomAction()->Caption() + QStringLiteral("->") + Value);
        }
        void SetChecked(bool Value) override { Seen.append(QStringLiteral("checked %1").arg(Value)); }
        void SetGroupIndex(int32_t Value) override { Seen.append(QStringLiteral("group %1").arg(Value)); }
    };
    TProbe Probe;
    Probe.SetAction(Action);
    EXPECT_TRUE(Probe.IsCaptionLinked());
    EXPECT_TRUE(Probe.IsCheckedLinked());
    Action->SetCaption(QStringLiteral("A"));
    Action->SetCaption(QStringLiteral("A"));
    Action->SetChecked(true);
    Action->SetGroupIndex(2);
    EXPECT_EQ(Probe.Seen, (QStringList{"->A", "checked 1", "group 2"}));
    TBasicAction Plain(nullptr);
    Probe.SetAction(&Plain);
    EXPECT_FALSE(Probe.IsCaptionLinked());
}

}  // namespace
