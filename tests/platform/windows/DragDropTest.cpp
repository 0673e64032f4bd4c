// The toolkit's drag of controls through the mouse: starting at once or past the threshold, the targets' answers, the cursor, the drop and every way a drag ends.
#include "Recorder.h"
#include "support/Input.h"
#include "support/Render.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

const char* const StateNames[] = {"enter", "leave", "move"};

// A drag object of its own that shows the hand over a target that accepts it.
class THandDrag : public TDragObject {
public:
    TCursor GetDragCursor(bool Accepted, int32_t X, int32_t Y) override
    {
        return Accepted ? crHandPoint : TDragObject::GetDragCursor(Accepted, X, Y);
    }
};

// A shown form with the dragged control Source, a target that accepts Source and another that
// refuses everything; all three write what they hear into Log.
class DragDropTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = MakeForm(300, 200);
        Source = Place<TPlainControl>(Form.get(), Bounds(10, 10, 80, 40));
        Target = Place<TPlainControl>(Form.get(), Bounds(150, 10, 100, 100));
        Other = Place<TPlainControl>(Form.get(), Bounds(150, 130, 100, 50));
        Name(Source, QStringLiteral("Source"));
        Name(Target, QStringLiteral("Target"));
        Name(Other, QStringLiteral("Other"));
        Target->OnDragOver = [this](TObject*, TObject* From, int32_t X, int32_t Y, TDragState State, bool& Accept) {
            Note(QStringLiteral("Target %1 %2,%3").arg(QLatin1String(StateNames[State])).arg(X).arg(Y));
            Accept = From == Source && !(State == dsDragLeave && RefuseOnLeave);
        };
        Target->OnDragDrop = [this](TObject*, TObject* From, int32_t X, int32_t Y) {
            Note(QStringLiteral("Target drop %1,%2%3")
                     .arg(X)
                     .arg(Y)
                     .arg(From == Source ? QString() : QStringLiteral(" (object)")));
        };
        Source->OnStartDrag = [this](TObject*, TDragObject*& Object) {
            Note(QStringLiteral("start"));
            Object = OwnObject;
        };
        Source->OnEndDrag = [this](TObject*, TObject* To, int32_t X, int32_t Y) {
            const auto* Control = dynamic_cast<TControl*>(To);
            Note(QStringLiteral("end %1 %2,%3").arg(Control ? Control->Name() : QStringLiteral("-")).arg(X).arg(Y));
        };
        Source->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int32_t, int32_t) {
            Note(QStringLiteral("Source down"));
            if (StartOnPress) StartOnPress();
        };
        Source->OnMouseUp = [this](TObject*, TMouseButton, TShiftState, int32_t, int32_t) {
            Note(QStringLiteral("Source up"));
        };
        Form->Show();
        ProcessPendingEvents();
    }

    // A control that hears of a drag without accepting it, by name.
    void Name(TControl* Control, const QString& AName)
    {
        Control->SetName(AName);
        if (Control == Target) return;
        Control->OnDragOver = [this, AName](TObject*, TObject*, int32_t, int32_t, TDragState State, bool& Accept) {
            Note(AName + QLatin1Char(' ') + QLatin1String(StateNames[State]));
            Accept = false;
        };
    }

    // The same entry twice in a row (a move Qt needs to see a pointer that did not move) counts once.
    void Note(const QString& Entry)
    {
        if (Log.isEmpty() || Log.last() != Entry) Log.append(Entry);
    }

    QStringList Take() { return std::exchange(Log, {}); }

    QStringList Log;
    std::unique_ptr<TForm> Form;
    TPlainControl* Source = nullptr;
    TPlainControl* Target = nullptr;
    TPlainControl* Other = nullptr;
    TDragObject* OwnObject = nullptr;
    bool RefuseOnLeave = false;
    std::function<void()> StartOnPress;
};

TEST_F(DragDropTest, AutomaticDragModeDragsOnThePressAndDropsWhereTheTargetAccepts)
{
    Source->SetDragMode(dmAutomatic);
    Source->SetDragCursor(crHSplit);
    Input::MouseDown(Source, {10, 10});
    EXPECT_EQ(Take(), (QStringList{"start", "Source enter", "Source move"})) << "no press of its own";
    EXPECT_TRUE(Source->Dragging());
    EXPECT_EQ(GetCursor(), Screen->Cursors(crNoDrop));

    Input::MoveMouse(Target, {20, 30});
    EXPECT_EQ(Take(), (QStringList{"Source leave", "Target enter 20,30", "Target move 20,30"}));
    EXPECT_EQ(GetCursor(), Screen->Cursors(crHSplit)) << "the control's drag cursor where it is accepted";
    Input::MoveMouse(Other, {10, 10});
    EXPECT_EQ(Take(), (QStringList{"Target leave 10,130", "Other enter", "Other move"}));
    EXPECT_EQ(GetCursor(), Screen->Cursors(crNoDrop));
    Input::MoveMouse(Target, {40, 50});
    Take();

    Input::MouseUp(Target, {40, 50});
    EXPECT_EQ(Take(), (QStringList{"Target leave 40,50", "Target drop 40,50", "end Target 40,50"}));
    EXPECT_FALSE(Source->Dragging());
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_NE(GetCursor(), Screen->Cursors(crHSplit));
    Input::Click(Target, {5, 5});
    EXPECT_TRUE(Take().isEmpty()) << "the mouse is back to normal";
}

TEST_F(DragDropTest, ADragThatWaitsStartsOncePastTheThreshold)
{
    const struct {
        int32_t Threshold;
        int32_t Start;
    } Cases[] = {{-1, 5}, {5, 5}, {12, 12}};
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.Threshold);
        StartOnPress = [&] { Source->BeginDrag(false, Case.Threshold); };
        Input::MouseDown(Source, {10, 10});
        EXPECT_EQ(Take(), (QStringList{"Source down", "Source up", "start"})) << "the press ends first";
        EXPECT_TRUE(Source->Dragging());
        Input::MoveMouse(Source, {10 + Case.Start - 1, 10});
        Input::MoveMouse(Source, {10, 10 - Case.Start + 1});
        EXPECT_TRUE(Take().isEmpty()) << "not yet";
        Input::MoveMouse(Source, {10, 10 + Case.Start});
        EXPECT_EQ(Take(), (QStringList{"Source enter", "Source move"}));
        Input::PressKey(VK_ESCAPE);
        EXPECT_EQ(Take(), (QStringList{"Source leave", QStringLiteral("end - 10,%1").arg(10 + Case.Start)}));
        Input::MouseUp(Source, {10, 10 + Case.Start});
        Take();
    }
    // Let go before the threshold: the drag ends without a target.
    StartOnPress = [&] { Source->BeginDrag(false); };
    Input::MouseDown(Source, {10, 10});
    Input::MoveMouse(Source, {12, 12});
    Take();
    Input::MouseUp(Source, {12, 12});
    EXPECT_EQ(Take(), (QStringList{"end - 12,12"}));
    EXPECT_FALSE(Source->Dragging());
}

TEST_F(DragDropTest, OnlyAReleaseOverATargetThatStillAcceptsDrops)
{
    struct TCase {
        const char* Name;
        TControl* Over;
        std::function<void()> End;
        bool RefuseOnLeave;
        bool Dropped;
    };
    const TPoint At{30, 20};
    const TCase Cases[] = {
        {"release over the target", Target, [&] { Input::MouseUp(Target, At); }, false, true},
        {"release over a target that refuses", Other, [&] { Input::MouseUp(Other, At); }, false, false},
        {"the target refuses as it is left", Target, [&] { Input::MouseUp(Target, At); }, true, false},
        {"Esc", Target, [&] { Input::PressKey(VK_ESCAPE); }, false, false},
        {"the right button", Target, [&] { Input::MouseDown(Target, At, mbRight); }, false, false},
        {"EndDrag dropping", Target, [&] { Source->EndDrag(true); }, false, true},
        {"EndDrag cancelling", Target, [&] { Source->EndDrag(false); }, false, false},
        {"the capture taken away", Target, [&] { SetCapture(Target->Handle()); }, false, false},
    };
    Source->SetDragMode(dmAutomatic);
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        RefuseOnLeave = Case.RefuseOnLeave;
        Input::MouseDown(Source, {10, 10});
        Input::MoveMouse(Case.Over, At);
        Take();
        Case.End();
        const QStringList Heard = Take();
        EXPECT_EQ(Heard.filter(QStringLiteral("drop")).size(), Case.Dropped ? 1 : 0)
            << Heard.join(QStringLiteral("; ")).toStdString();
        EXPECT_EQ(Heard.last(),
                  Case.Dropped ? QStringLiteral("end Target 30,20")
                               : QStringLiteral("end - %1,%2").arg(Case.Over->Left() + 20).arg(Case.Over->Top() + 10));
        EXPECT_FALSE(Source->Dragging());
        ReleaseCapture();
        Input::MouseUp(Case.Over, At);
        Input::MouseUp(Case.Over, At, mbRight);
        Take();
    }
}

TEST_F(DragDropTest, ADragObjectOfOnStartDragIsTheSourceTheTargetsSee)
{
    THandDrag Object;
    OwnObject = &Object;
    Target->OnDragOver = [&](TObject*, TObject* From, int32_t, int32_t, TDragState, bool& Accept) {
        Accept = From == &Object;
    };
    Source->SetDragMode(dmAutomatic);
    Input::MouseDown(Source, {10, 10});
    Input::MoveMouse(Target, {20, 30});
    EXPECT_EQ(GetCursor(), Screen->Cursors(crHandPoint));
    EXPECT_EQ(Object.DragTarget(), Target);
    EXPECT_EQ(Object.DragPos(), Target->ClientToScreen({20, 30}));
    Input::MouseUp(Target, {20, 30});
    EXPECT_EQ(Take().filter(QStringLiteral("drop")), QStringList{"Target drop 20,30 (object)"});
}

TEST_F(DragDropTest, ControlsThatGoAwayDuringADragLeaveNothingBehind)
{
    Source->SetDragMode(dmAutomatic);
    Input::MouseDown(Source, {10, 10});
    Input::MoveMouse(Other, {10, 10});
    delete Other;
    Input::MouseUp(Form.get(), {200, 160});
    EXPECT_EQ(Take().last(), QStringLiteral("end - 190,150")) << "no target is left to drop on";

    Input::MouseDown(Source, {10, 10});
    Input::MoveMouse(Target, {20, 30});
    delete Source;
    Source = nullptr;
    EXPECT_EQ(GetCapture(), nullptr);
    Input::MouseUp(Target, {20, 30});
    EXPECT_TRUE(Take().filter(QStringLiteral("drop")).isEmpty());
}

}  // namespace
