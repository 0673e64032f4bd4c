// Hint windows: sizing a text, the application's hint window class and a hint's own class and data.
#include "Recorder.h"
#include "support/Input.h"
#include "support/Render.h"

#include "graphics/Canvas.h"

#include <gtest/gtest.h>

namespace {

// A hint window that notes the data it is given and measures every hint 80 x 30.
class TNotingHint : public THintWindow {
public:
    using THintWindow::THintWindow;
    void* CalcData = nullptr;
    void* ShownData = nullptr;

    TRect CalcHintRect(int32_t, const QString&, void* AData) override
    {
        CalcData = AData;
        return {0, 0, 80, 30};
    }
    void ActivateHintData(const TRect& Rect, const QString& Hint, void* AData) override
    {
        ShownData = AData;
        THintWindow::ActivateHintData(Rect, Hint, AData);
    }
};

// Asks for its hints to show in a noting window with itself as the data, when Own is set.
class THintOwner : public TPlainControl {
public:
    using TPlainControl::TPlainControl;
    bool Own = false;

protected:
    void Dispatch(TMessage& Message) override
    {
        if (Message.Msg == CM_HINTSHOW && Own) {
            auto* Info = reinterpret_cast<THintInfo*>(Message.LParam);
            Info->HintWindowClass = CreateHintWindow<TNotingHint>;
            Info->HintData = this;
            Info->HintColor = clLime;
            Info->HintPos = ClientToScreen({5, 60});
        }
        TPlainControl::Dispatch(Message);
    }
};

TEST(HintWindowTest, TheTextIsMeasuredWithinTheWidthAndWraps)
{
    std::unique_ptr<THintWindow> Window(New<THintWindow>(nullptr));
    const int32_t Line = Window->Canvas()->TextHeight(QStringLiteral("Col"));
    const TRect One = Window->CalcHintRect(100, QStringLiteral("Col : 5"), nullptr);
    EXPECT_EQ(One, Rect(0, 0, Window->Canvas()->TextWidth(QStringLiteral("Col : 5")) + 6, Line + 2));
    const TRect Wrapped =
        Window->CalcHintRect(100, QStringLiteral("a hint far too long for a hundred pixels"), nullptr);
    EXPECT_LE(Wrapped.Width(), 106);
    EXPECT_GE(Wrapped.Height(), 2 * Line + 2);
}

TEST(HintWindowTest, HintsShowInTheApplicationsClassOrInTheClassTheControlAsksFor)
{
    TTestClock Clock;
    auto Form = MakeForm(300, 200);
    auto* Owner = Place<THintOwner>(Form.get(), Bounds(10, 10, 100, 40));
    Owner->SetHint(QStringLiteral("Row : 46"));
    Owner->SetShowHint(true);
    Form->Show();
    ProcessPendingEvents();
    const auto ShowHint = [&] {
        Application->CancelHint();
        Input::MoveMouse(Form.get(), {200, 150});
        Input::MoveMouse(Owner, {20, 20});
        Clock.Advance(static_cast<uint32_t>(Application->HintPause()));
        return Application->HintWindow();
    };

    HintWindowClass = CreateHintWindow<TNotingHint>;
    auto* Noting = dynamic_cast<TNotingHint*>(ShowHint());
    ASSERT_NE(Noting, nullptr) << "the application's class";
    EXPECT_EQ(Noting->CalcData, nullptr);
    EXPECT_EQ(Noting->Caption(), QStringLiteral("Row : 46"));

    HintWindowClass = CreateHintWindow<THintWindow>;
    THintWindow* Plain = ShowHint();
    ASSERT_NE(Plain, nullptr);
    EXPECT_EQ(dynamic_cast<TNotingHint*>(Plain), nullptr) << "a new class takes effect with the next hint";

    Owner->Own = true;
    Noting = dynamic_cast<TNotingHint*>(ShowHint());
    ASSERT_NE(Noting, nullptr) << "the class the control asked for";
    EXPECT_EQ(Noting->CalcData, Owner);
    EXPECT_EQ(Noting->ShownData, Owner);
    EXPECT_EQ(Noting->Color(), clLime);
    const TPoint At = Owner->ClientToScreen({5, 60});
    EXPECT_EQ(Noting->BoundsRect(), Bounds(At.X, At.Y, 80, 30)) << "the measured size at the hint's place";
    EXPECT_TRUE(IsWindowVisible(Noting->Handle()));
    Application->CancelHint();
}

}  // namespace
