// TLbButton: property rules, painting through the window, clicks, dialog keys, accelerators, modal results, fade.
#include "ButtonTestSupport.h"

#include "button/LbButton.h"
#include "support/Input.h"
#include "support/Render.h"
#include "windows/Forms.h"
#include "windows/Menus.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMetaObject>
#include <QWidget>

#include <QTimer>

using namespace ButtonTest;

namespace {

// Controls of other classes as the form's active control; their class names are what counts.
namespace Stand {
class TEdit : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
};
class TRadioButton : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
};
}  // namespace Stand

const TPoint Inside{50, 11};

// Runs Action once the loop now starting handles its queue.
void Later(std::function<void()> Action)
{
    QTimer::singleShot(0, std::move(Action));
}

template <typename T>
T* Place(TWinControl* Parent, const TRect& Bounds)
{
    T* Control = New<T>(Parent);
    Control->SetBoundsRect(Bounds);
    Control->SetParent(Parent);
    return Control;
}

std::unique_ptr<TForm> MakeForm(int32_t Width, int32_t Height)
{
    std::unique_ptr<TForm> Form(New<TForm>(nullptr));
    Form->SetBorderStyle(bsSingle);
    Form->SetClientWidth(Width);
    Form->SetClientHeight(Height);
    Form->SetColor(RGB(248, 247, 237));
    UseDialogFont(Form->Font());
    return Form;
}

// The look of the configurator's buttons.
void ConfiguratorLook(TLbButton* Button)
{
    Button->SetColor(Face);
    Button->SetColorWhenDown(WhenDown);
    Button->SetHotTrackColor(clYellow);
    Button->SetLightColor(clGray);
    Button->SetStyle(bsEncarta);
}

class LbButtonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = MakeForm(400, 200);
        Edit = Place<Stand::TEdit>(Form.get(), Bounds(10, 150, 80, 20));
        Edit->SetName(QStringLiteral("Edit"));
        Edit->SetTabStop(true);
        Button = AddButton(QStringLiteral("Button"), Bounds(10, 10, 100, 23));
        ConfiguratorLook(Button);
        Form->Show();
        Edit->SetFocus();
        ProcessPendingEvents();
        // Qt drops a move to where the pointer already is; the last test may have left it over the button.
        MoveAway();
    }

    TLbButton* AddButton(const QString& Name, const TRect& Bounds)
    {
        auto* Added = Place<TLbButton>(Form.get(), Bounds);
        Added->SetName(Name);
        Added->OnClick = [this](TObject* Sender) { Clicks.append(static_cast<TComponent*>(Sender)->Name()); };
        return Added;
    }

    // The face colour of Control where no caption, glyph or focus rectangle lies.
    static QString FaceOf(TControl* Control) { return ColorAt(RenderControl(Control), 2, Control->Height() / 2); }

    void MoveAway() { Input::MoveMouse(Form.get(), {300, 100}); }

    std::unique_ptr<TForm> Form;
    Stand::TEdit* Edit = nullptr;
    TLbButton* Button = nullptr;
    QStringList Clicks;
};

// ---- Properties ----

TEST(LbButtonDefaultsTest, StartsAsAPlainButton)
{
    auto Form = MakeForm(200, 100);
    auto* Button = New<TLbButton>(Form.get());
    EXPECT_EQ(Button->Width(), 100);
    EXPECT_EQ(Button->Height(), 23);
    EXPECT_EQ(Button->ControlStyle(), (TControlStyle{csCaptureMouse, csSetCaption}));
    EXPECT_EQ(Button->Color(), clBtnFace);
    EXPECT_EQ(Button->LightColor(), clWhite);
    EXPECT_EQ(Button->ShadowColor(), clGray);
    EXPECT_EQ(Button->ColorWhenDown(), clNone);
    EXPECT_EQ(Button->HotTrackColor(), clNone);
    EXPECT_EQ(Button->Style(), bsNormal);
    EXPECT_EQ(Button->Kind(), bkCustom);
    EXPECT_EQ(Button->Layout(), blGlyphLeft);
    EXPECT_EQ(Button->Alignment(), taCenter);
    EXPECT_EQ(Button->ColorStyle(), lcsCustom);
    EXPECT_EQ(Button->NumGlyphs(), 0);
    EXPECT_EQ(Button->ModalResult(), mrNone);
    EXPECT_TRUE(Button->TabStop());
    EXPECT_FALSE(Button->WordWrap() || Button->Default() || Button->Cancel() || Button->Flat());
    EXPECT_FALSE(Button->SlowDecease() || Button->UseHotTrackFont());
    EXPECT_TRUE(Button->Glyph()->Empty());
    // Owned by a form, the hot-track font starts as the form's font.
    EXPECT_EQ(Button->HotTrackFont()->Name(), QStringLiteral("Verdana"));
    EXPECT_EQ(Button->HotTrackFont()->Size(), 8);
}

TEST_F(LbButtonTest, AKindBringsItsGlyphCaptionAndModalResult)
{
    struct TCase {
        TLbButtonKind Kind;
        const char* Caption;
        TModalResult ModalResult;
        int32_t GlyphHeight;
    };
    const TCase Cases[] = {
        {bkOK, "OK", mrOk, 18},
        {bkCancel, "Abbrechen", mrCancel, 18},
        {bkHelp, "Hilfe", mrNone, 18},
        {bkYes, "Ja", mrYes, 18},
        {bkNo, "Nein", mrNo, 18},
        {bkClose, "Schließen", mrNone, 18},
        {bkAbort, "Abbrechen", mrAbort, 18},
        {bkRetry, "Wiederholen", mrRetry, 18},
        {bkIgnore, "Ignorieren", mrIgnore, 18},
        {bkAll, "Alle", mrAll, 19},
    };
    for (const TCase& Case : Cases) {
        Button->SetKind(Case.Kind);
        EXPECT_EQ(Button->Kind(), Case.Kind);
        EXPECT_EQ(Button->Caption(), QString::fromUtf8(Case.Caption));
        EXPECT_EQ(Button->ModalResult(), Case.ModalResult);
        EXPECT_EQ(Button->NumGlyphs(), 2);
        EXPECT_EQ(Button->Glyph()->Width(), 36) << Case.Caption;
        EXPECT_EQ(Button->Glyph()->Height(), Case.GlyphHeight) << Case.Caption;
    }
}

TEST_F(LbButtonTest, BackToCustomKeepsWhatTheKindBrought)
{
    Button->SetKind(bkCancel);
    Button->SetKind(bkCustom);
    EXPECT_EQ(Button->Kind(), bkCustom);
    EXPECT_EQ(Button->Caption(), QStringLiteral("Abbrechen"));
    EXPECT_EQ(Button->ModalResult(), mrCancel);
    EXPECT_EQ(Button->NumGlyphs(), 2);
    EXPECT_FALSE(Button->Glyph()->Empty());
}

TEST_F(LbButtonTest, GlyphAndModalResultMakeTheKindCustom)
{
    auto Strip = MakeStrip(3);
    Button->SetKind(bkOK);
    Button->SetGlyph(Strip.get());
    EXPECT_EQ(Button->Kind(), bkCustom);
    EXPECT_EQ(Button->NumGlyphs(), 3);
    EXPECT_EQ(Button->Glyph()->Width(), 3 * CellSize);
    Button->SetKind(bkOK);
    Button->SetModalResult(mrNo);
    EXPECT_EQ(Button->Kind(), bkCustom);
    EXPECT_EQ(Button->ModalResult(), mrNo);
    // No bitmap empties the glyph.
    Button->SetGlyph(nullptr);
    EXPECT_EQ(Button->Glyph()->Height(), 0);
    EXPECT_EQ(Button->NumGlyphs(), 0);
}

TEST_F(LbButtonTest, AColourStyleWritesItsColoursAndReadsBackAsCustom)
{
    Button->SetColorStyle(lcsQuicken);
    EXPECT_EQ(Button->ColorStyle(), lcsCustom);
    EXPECT_EQ(Button->Color(), 0x603000);
    EXPECT_EQ(Button->LightColor(), 0xC0C0C0);
    EXPECT_EQ(Button->ShadowColor(), 0xC0C0C0);
    EXPECT_EQ(Button->ColorWhenDown(), 0xAD6529);
    EXPECT_EQ(Button->HotTrackColor(), 0xCEAE9C);
    EXPECT_EQ(Button->Font()->Color(), 0xFFFFFF);
    EXPECT_EQ(Button->Style(), bsQuicken);
    EXPECT_FALSE(Button->Flat());
    // The window keeps its extended style; setting Style changes it.
    EXPECT_EQ(GetWindowLong(Button->Handle(), GWL_EXSTYLE), 0);
    Button->SetStyle(bsQuicken);
    EXPECT_EQ(GetWindowLong(Button->Handle(), GWL_EXSTYLE), int32_t{WS_EX_TRANSPARENT});
    Button->SetColorStyle(lcsUltraFlat1);
    EXPECT_EQ(Button->Style(), bsNormal);
    EXPECT_TRUE(Button->Flat());
    EXPECT_EQ(Button->Font()->Color(), clBlack);
    // lcsCustom changes nothing.
    Button->SetColor(0x123456);
    Button->SetColorStyle(lcsCustom);
    EXPECT_EQ(Button->Color(), 0x123456);
    EXPECT_TRUE(Button->Flat());
}

TEST(LbButtonWindowTest, OnlyStyleDecidesTheExtendedStyleOfAWindowMadeLater)
{
    auto Form = MakeForm(300, 100);
    auto* Preset = Place<TLbButton>(Form.get(), Bounds(0, 0, 100, 23));
    auto* Shaped = Place<TLbButton>(Form.get(), Bounds(0, 30, 100, 23));
    auto* Reset = Place<TLbButton>(Form.get(), Bounds(0, 60, 100, 23));
    ASSERT_FALSE(Preset->HandleAllocated() || Shaped->HandleAllocated() || Reset->HandleAllocated());
    Preset->SetColorStyle(lcsGold);
    Shaped->SetStyle(bsShape);
    Reset->SetStyle(bsQuicken);
    Reset->SetColorStyle(lcsDefault);
    EXPECT_EQ(Preset->Style(), bsModern);
    EXPECT_EQ(Reset->Style(), bsNormal);
    EXPECT_EQ(GetWindowLong(Preset->Handle(), GWL_EXSTYLE), 0);
    EXPECT_EQ(GetWindowLong(Shaped->Handle(), GWL_EXSTYLE), int32_t{WS_EX_TRANSPARENT});
    EXPECT_EQ(GetWindowLong(Reset->Handle(), GWL_EXSTYLE), int32_t{WS_EX_TRANSPARENT});
}

// ---- Painting through the window ----

class LbButtonStateTest : public LbButtonTest, public ::testing::WithParamInterface<TLbButtonStyle> {};

TEST_P(LbButtonStateTest, TheFaceFollowsPointerPressFocusAndEnabledState)
{
    Button->SetStyle(GetParam());
    Button->SetCaption(QStringLiteral("Abbrechen"));
    EXPECT_EQ(FaceOf(Button), ColorText(Face));
    Input::MoveMouse(Button, Inside);
    EXPECT_EQ(FaceOf(Button), ColorText(clYellow));
    Input::MouseDown(Button, Inside);
    EXPECT_EQ(FaceOf(Button), ColorText(WhenDown));
    EXPECT_TRUE(Button->Focused());
    Input::MouseUp(Button, Inside);
    EXPECT_EQ(Clicks, QStringList{"Button"});
    EXPECT_EQ(FaceOf(Button), ColorText(clYellow));
    MoveAway();
    EXPECT_EQ(FaceOf(Button), ColorText(Face));

    // Focused: a dotted rectangle 4 pixels in, drawn by inverting.
    const QImage Focused = RenderControl(Button);
    EXPECT_EQ(ColorAt(Focused, 4, 4), ColorText(Face ^ 0xFFFFFF));
    EXPECT_EQ(ColorAt(Focused, 5, 4), ColorText(Face));
    Edit->SetFocus();
    EXPECT_EQ(ColorAt(RenderControl(Button), 4, 4), ColorText(Face));

    // Disabled: the pointer brings no hot colour, the caption is grey.
    Button->SetEnabled(false);
    Input::MoveMouse(Button, Inside);
    const QImage Disabled = RenderControl(Button);
    EXPECT_EQ(ColorAt(Disabled, 2, 11), ColorText(Face));
    EXPECT_FALSE(InkBounds(Disabled, Rgb(clGray), QRect(2, 2, 96, 19)).isEmpty());
    EXPECT_TRUE(InkBounds(Disabled, Rgb(clBlack), QRect(2, 2, 96, 19)).isEmpty());
    Input::MouseDown(Button, Inside);
    EXPECT_EQ(FaceOf(Button), ColorText(Face));
    Input::MouseUp(Button, Inside);
    EXPECT_EQ(Clicks.size(), 1);
}

INSTANTIATE_TEST_SUITE_P(Styles, LbButtonStateTest, ::testing::Values(bsNormal, bsEncarta),
                         [](const auto& Info) { return Info.param == bsNormal ? "Normal" : "Encarta"; });

TEST_F(LbButtonTest, AFocusedOldStyleFaceSitsInABlackFrame)
{
    Button->SetStyle(bsOld);
    Button->SetLightColor(clWhite);
    Button->SetFocus();
    const QImage Up = RenderControl(Button);
    EXPECT_EQ(ColorAt(Up, 0, 0), ColorText(clBlack));
    EXPECT_EQ(ColorAt(Up, 99, 22), ColorText(clBlack));
    EXPECT_EQ(ColorAt(Up, 1, 1), ColorText(clWhite));
    EXPECT_EQ(ColorAt(Up, 98, 21), ColorText(cl3DDkShadow));
    // Pressed, the shadow colour stands in for the light one.
    Input::MouseDown(Button, Inside);
    const QImage Down = RenderControl(Button);
    EXPECT_EQ(ColorAt(Down, 1, 1), ColorText(cl3DDkShadow));
    EXPECT_EQ(ColorAt(Down, 98, 21), ColorText(clGray));
    EXPECT_EQ(ColorAt(Down, 50, 2), ColorText(clGray));
    Input::MouseUp(Button, Inside);
}

TEST_F(LbButtonTest, TheHotTrackFontShowsWhileHot)
{
    Button->SetCaption(QStringLiteral("Abbrechen"));
    Button->Font()->SetColor(clBlack);
    TFont Hot;
    UseDialogFont(&Hot);
    Hot.SetColor(clRed);
    Button->SetHotTrackFont(&Hot);
    Button->SetUseHotTrackFont(true);
    const QRect Area(2, 2, 96, 19);
    EXPECT_TRUE(InkBounds(RenderControl(Button), Rgb(clRed), Area).isEmpty());
    Input::MoveMouse(Button, Inside);
    EXPECT_FALSE(InkBounds(RenderControl(Button), Rgb(clRed), Area).isEmpty());
    MoveAway();
    EXPECT_TRUE(InkBounds(RenderControl(Button), Rgb(clRed), Area).isEmpty());
}

// ---- Clicks ----

TEST_F(LbButtonTest, PressAndReleaseClickEvenWhenReleasedOutside)
{
    Input::Click(Button, Inside);
    EXPECT_EQ(Clicks, QStringList{"Button"});
    Input::MouseDown(Button, Inside);
    Input::MouseUp(Button, {300, 150});
    EXPECT_EQ(Clicks.size(), 2);
    // The right button does not press it.
    Input::Click(Button, Inside, mbRight);
    EXPECT_EQ(Clicks.size(), 2);
}

TEST_F(LbButtonTest, SpaceAndEnterClickTheFocusedButton)
{
    Button->SetFocus();
    Input::KeyDown(VK_SPACE);
    EXPECT_EQ(FaceOf(Button), ColorText(WhenDown));
    EXPECT_TRUE(Clicks.isEmpty());
    Input::KeyUp(VK_SPACE);
    EXPECT_EQ(Clicks, QStringList{"Button"});
    Input::PressKey(VK_RETURN);
    EXPECT_EQ(Clicks.size(), 2);
}

TEST_F(LbButtonTest, AReleaseWithoutItsPressDoesNotClick)
{
    // Enter pressed in a dialog clicks its default button and closes it; the release then reaches
    // the button that has the focus again beneath.
    Button->SetFocus();
    auto Dialog = MakeForm(200, 80);
    auto* Ok = Place<TLbButton>(Dialog.get(), Bounds(10, 10, 100, 23));
    Ok->SetDefault(true);
    Ok->SetModalResult(mrOk);
    auto* Field = Place<Stand::TEdit>(Dialog.get(), Bounds(10, 40, 80, 20));
    Field->SetTabStop(true);
    Dialog->SetActiveControl(Field);
    Button->OnClick = [&](TObject*) {
        Clicks.append(QStringLiteral("Button"));
        Later([&] {
            Later([&] {
                Input::KeyDown(VK_RETURN);
                if (Dialog->ModalResult() == mrNone) Dialog->Close();
            });
        });
        EXPECT_EQ(Dialog->ShowModal(), mrOk);
    };
    Input::Click(Button, Inside);
    ASSERT_EQ(Clicks, QStringList{"Button"});
    ASSERT_TRUE(Button->Focused());
    Input::KeyUp(VK_RETURN);
    EXPECT_EQ(Clicks, QStringList{"Button"}) << "the release of the dialog's Enter clicked the button beneath";
    MoveAway();
    EXPECT_EQ(FaceOf(Button), ColorText(Face));
    for (uint16_t Key : {VK_SPACE, VK_RETURN}) {
        Input::KeyUp(Key);
        EXPECT_EQ(Clicks.size(), 1) << "a lone release";
    }
    Button->OnClick = [&](TObject*) { Clicks.append(QStringLiteral("Button")); };
    Input::PressKey(VK_SPACE);
    EXPECT_EQ(Clicks.size(), 2) << "its own press and release still click";
}

struct TDialogKeyCase {
    const char* Name;
    uint16_t Key;
    TShiftState Shift;
    const char* Focus;
    const char* Clicked;
};

void PrintTo(const TDialogKeyCase& Case, std::ostream* Out)
{
    *Out << Case.Name;
}

class DialogKeyTest : public LbButtonTest, public ::testing::WithParamInterface<TDialogKeyCase> {
protected:
    void SetUp() override
    {
        LbButtonTest::SetUp();
        Ok = AddButton(QStringLiteral("Ok"), Bounds(120, 10, 100, 23));
        Ok->SetDefault(true);
        Cancel = AddButton(QStringLiteral("Cancel"), Bounds(230, 10, 100, 23));
        Cancel->SetCancel(true);
        Radio = Place<Stand::TRadioButton>(Form.get(), Bounds(100, 150, 80, 20));
        Radio->SetName(QStringLiteral("Radio"));
        Radio->SetTabStop(true);
        ProcessPendingEvents();
    }

    TWinControl* Named(const QString& Name) const { return dynamic_cast<TWinControl*>(Form->FindComponent(Name)); }

    TLbButton* Ok = nullptr;
    TLbButton* Cancel = nullptr;
    Stand::TRadioButton* Radio = nullptr;
};

TEST_P(DialogKeyTest, EnterAndEscReachTheirButtonUnlessAButtonHasTheFocus)
{
    const TDialogKeyCase& Case = GetParam();
    Named(QString::fromLatin1(Case.Focus))->SetFocus();
    Input::PressKey(Case.Key, Case.Shift);
    EXPECT_EQ(Clicks, Case.Clicked[0] ? QStringList{QString::fromLatin1(Case.Clicked)} : QStringList{});
}

INSTANTIATE_TEST_SUITE_P(Keys, DialogKeyTest,
                         ::testing::Values(TDialogKeyCase{"EnterFromAnEdit", VK_RETURN, {}, "Edit", "Ok"},
                                           TDialogKeyCase{"EnterFromARadioButton", VK_RETURN, {}, "Radio", "Ok"},
                                           TDialogKeyCase{"EnterWithShift", VK_RETURN, {ssShift}, "Edit", "Ok"},
                                           TDialogKeyCase{"EnterOnAButton", VK_RETURN, {}, "Button", "Button"},
                                           TDialogKeyCase{"EscFromAnEdit", VK_ESCAPE, {}, "Edit", "Cancel"},
                                           TDialogKeyCase{"EscFromARadioButton", VK_ESCAPE, {}, "Radio", "Cancel"},
                                           TDialogKeyCase{"EscWithShift", VK_ESCAPE, {ssShift}, "Edit", ""},
                                           TDialogKeyCase{"EscOnAButton", VK_ESCAPE, {}, "Button", ""}),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST_F(LbButtonTest, ADisabledOrHiddenDialogButtonDoesNothingAndDoesNotStayPressed)
{
    Button->SetDefault(true);
    Button->SetCancel(true);
    Button->SetEnabled(false);
    Input::PressKey(VK_RETURN);
    Input::PressKey(VK_ESCAPE);
    Button->SetEnabled(true);
    Button->SetVisible(false);
    Input::PressKey(VK_RETURN);
    EXPECT_TRUE(Clicks.isEmpty());
    Button->SetVisible(true);
    EXPECT_EQ(FaceOf(Button), ColorText(Face));
}

TEST_F(LbButtonTest, TheCaptionsAcceleratorClicksIt)
{
    Button->SetCaption(QStringLiteral("&Save"));
    Input::PressKey('S');
    EXPECT_EQ(Clicks.size(), 1);
    Input::PressKey('S', {ssAlt});
    EXPECT_EQ(Clicks.size(), 2);
    Input::PressKey('A');
    EXPECT_EQ(Clicks.size(), 2);
    Button->SetEnabled(false);
    Input::PressKey('S');
    EXPECT_EQ(Clicks.size(), 2);
    Button->SetEnabled(true);
    Button->SetCaption(QStringLiteral("Save && Exit"));
    Input::PressKey('S');
    Input::PressKey('E');
    EXPECT_EQ(Clicks.size(), 2);
}

TEST_F(LbButtonTest, TheModalResultIsHandedToTheModalFormAfterOnClick)
{
    auto Dialog = MakeForm(200, 80);
    Dialog->SetBorderStyle(bsDialog);
    auto* Close = Place<TLbButton>(Dialog.get(), Bounds(10, 10, 100, 23));
    Close->SetModalResult(mrCancel);
    bool Ran = false;
    Close->OnClick = [&](TObject*) {
        Ran = true;
        Dialog->SetModalResult(mrOk);
    };
    Later([&] { Input::Click(Close, Inside); });
    EXPECT_EQ(Dialog->ShowModal(), mrCancel);
    EXPECT_TRUE(Ran);
}

// ---- Hot tracking and fade ----

TEST_F(LbButtonTest, EnterAndExitEventsFireOnlyForAnEnabledButton)
{
    QStringList Events;
    Button->OnMouseEnter = [&](TObject*) { Events.append(QStringLiteral("enter")); };
    Button->OnMouseExit = [&](TObject*) { Events.append(QStringLiteral("exit")); };
    Input::MoveMouse(Button, Inside);
    MoveAway();
    EXPECT_EQ(Events, (QStringList{"enter", "exit"}));
    Button->SetEnabled(false);
    Input::MoveMouse(Button, Inside);
    MoveAway();
    EXPECT_EQ(Events.size(), 2);
}

class FadeTest : public LbButtonTest {
protected:
    void SetUp() override
    {
        LbButtonTest::SetUp();
        Button->SetSlowDecease(true);
    }

    // Timer expirations that come together are one tick, so time moves a tick at a time.
    void Ticks(int32_t Count)
    {
        for (int32_t I = 0; I < Count; ++I) Clock.Advance(30);
    }

    TTestClock Clock;
};

TEST_F(FadeTest, LeavingFadesTheHotColourOutInEightStepsOf30Ms)
{
    Input::MoveMouse(Button, Inside);
    MoveAway();
    EXPECT_EQ(FaceOf(Button), ColorText(clYellow));
    for (int32_t Step = 7; Step >= 0; --Step) {
        Clock.Advance(29);
        EXPECT_EQ(FaceOf(Button), ColorText(Blend_HotTrack_Color(Face, clYellow, Step + 1))) << "step " << Step;
        Clock.Advance(1);
        EXPECT_EQ(FaceOf(Button), ColorText(Blend_HotTrack_Color(Face, clYellow, Step))) << "step " << Step;
    }
    Ticks(4);
    EXPECT_EQ(FaceOf(Button), ColorText(Face));
}

TEST_F(FadeTest, ComingBackDuringTheFadeKeepsTheHotColour)
{
    Input::MoveMouse(Button, Inside);
    MoveAway();
    Ticks(3);
    EXPECT_EQ(FaceOf(Button), ColorText(Blend_HotTrack_Color(Face, clYellow, 5)));
    Input::MoveMouse(Button, Inside);
    Ticks(4);
    EXPECT_EQ(FaceOf(Button), ColorText(clYellow));
    MoveAway();
    Ticks(8);
    EXPECT_EQ(FaceOf(Button), ColorText(Face));
}

TEST_F(FadeTest, TurningTheFadeOffEndsItAtOnce)
{
    Input::MoveMouse(Button, Inside);
    MoveAway();
    Ticks(2);
    Button->SetSlowDecease(false);
    EXPECT_EQ(FaceOf(Button), ColorText(Face));
    // Without the fade the colour goes when the pointer goes.
    Input::MoveMouse(Button, Inside);
    MoveAway();
    EXPECT_EQ(FaceOf(Button), ColorText(Face));
    Button->SetSlowDecease(true);
    Input::MoveMouse(Button, Inside);
    MoveAway();
    Ticks(1);
    EXPECT_EQ(FaceOf(Button), ColorText(Blend_HotTrack_Color(Face, clYellow, 7)));
}

}  // namespace

TEST_F(LbButtonTest, AClickDropsThePopupMenuBelowTheButtonAfterOnClick)
{
    auto* Menu = New<TPopupMenu>(Form.get());
    auto* Item = New<TMenuItem>(Form.get());
    Item->SetCaption(QStringLiteral("&Export"));
    Item->OnClick = [this](TObject*) { Clicks.append(QStringLiteral("Export")); };
    Menu->Items()->Add(Item);
    Button->SetPopupMenu(Menu);

    QPoint ShownAt;
    // The click comes with the release; queued before it, the key reaches the shown menu.
    Input::MouseDown(Button, Inside);
    QMetaObject::invokeMethod(
        qApp,
        [&] {
            if (QWidget* Shown = QApplication::activePopupWidget()) ShownAt = Shown->pos();
            Input::PressKey('E');
        },
        Qt::QueuedConnection);
    Input::MouseUp(Button, Inside);
    ProcessPendingEvents();

    EXPECT_EQ(Clicks, (QStringList{"Button", "Export"}));
    const TPoint BottomLeft = Button->ClientToScreen(Point(0, Button->Height()));
    EXPECT_EQ(ShownAt, QPoint(BottomLeft.X, BottomLeft.Y));
}
