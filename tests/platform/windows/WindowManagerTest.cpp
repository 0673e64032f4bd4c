// Windows as the window manager sees them: owners kept beneath the forms they show, modal blocking
// that leaves the look of the windows beneath alone, keys handed on to the modal window, and hints.
#include "Recorder.h"
#include "support/Input.h"
#include "support/LayerInternals.h"
#include "support/Render.h"
#include "windows/Dialogs.h"
#include "windows/StdCtrls.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QWindow>


namespace {

void Later(std::function<void()> Action)
{
    QTimer::singleShot(0, std::move(Action));
}

QWindow* WindowOf(TWinControl* Control)
{
    return WidgetOf(Control->Handle())->windowHandle();
}

// A key as the X server hands it to a window: straight to that window's widget.
void KeyToWindow(TWinControl* Form, Qt::Key Key)
{
    QWidget* Widget = WidgetOf(Form->Handle());
    for (QEvent::Type Type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent Event(Type, Key, Qt::NoModifier, Key == Qt::Key_Return ? QStringLiteral("\r") : QString(QChar(Key).toLower()));
        QCoreApplication::sendEvent(Widget, &Event);
    }
}

class WindowManagerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        First = MakeForm(400, 300);
        First->SetCaption(QStringLiteral("First"));
        Edit = Place<TEdit>(First.get(), Bounds(10, 10, 120, 21));
        Button = Place<TRecorder>(First.get(), Bounds(10, 60, 80, 25), Log, QStringLiteral("FirstButton"));
        Check = Place<TCheckBox>(First.get(), Bounds(10, 100, 120, 17));
        Check->SetCaption(QStringLiteral("Check"));
        First->Show();
        Edit->SetFocus();
        Dialog = MakeForm(200, 100);
        Dialog->SetBorderStyle(bsDialog);
        DialogEdit = Place<TEdit>(Dialog.get(), Bounds(10, 10, 120, 21));
        ProcessPendingEvents();
    }

    QStringList Log;
    std::unique_ptr<TForm> First;
    TEdit* Edit = nullptr;
    TRecorder* Button = nullptr;
    TCheckBox* Check = nullptr;
    std::unique_ptr<TForm> Dialog;
    TEdit* DialogEdit = nullptr;
};

TEST_F(WindowManagerTest, AFormShownIsKeptAboveTheActiveForm)
{
    Dialog->Show();
    ProcessPendingEvents();
    EXPECT_EQ(WindowOf(Dialog.get())->transientParent(), WindowOf(First.get()));
    EXPECT_EQ(WidgetOf(Dialog->Handle())->windowType(), Qt::Dialog) << "the window manager keeps dialogs above their owner";
    // Shown while the dialog is active, a third form is kept above the dialog.
    auto Third = MakeForm(100, 100);
    Third->Show();
    ProcessPendingEvents();
    EXPECT_EQ(WindowOf(Third.get())->transientParent(), WindowOf(Dialog.get()));
    Dialog->Hide();
    Third->SetFocus();
    Dialog->Show();
    ProcessPendingEvents();
    EXPECT_EQ(WindowOf(Dialog.get())->transientParent(), nullptr) << "a loop of owners";
}

TEST_F(WindowManagerTest, AModalFormBlocksTheOthersWithoutGreyingThem)
{
    const QImage Before = RenderControl(Check);
    Log.clear();
    bool Blocked = false;
    bool EditEnabled = false;
    QImage During;
    Later([&] {
        Blocked = !IsWindowEnabled(First->Handle());
        EditEnabled = WidgetOf(Edit->Handle())->isEnabled();
        During = RenderControl(Check);
        // Clicks and keys that reach the window beneath do nothing there.
        Input::Click(Button, {5, 5});
        Input::Click(Edit, {5, 5});
        Later([&] {
            EXPECT_EQ(GetFocus(), DialogEdit->Handle()) << "the click moved the focus to the window beneath";
            EXPECT_EQ(QApplication::activeWindow(), WidgetOf(Dialog->Handle())) << "the modal window came to the front";
            Dialog->SetModalResult(mrOk);
        });
    });
    EXPECT_EQ(Dialog->ShowModal(), mrOk);
    EXPECT_TRUE(Blocked);
    EXPECT_TRUE(EditEnabled) << "the edit beneath shows greyed";
    EXPECT_EQ(During, Before) << "the window beneath changed its look";
    EXPECT_FALSE(Log.join(u',').contains(QStringLiteral("BUTTON"))) << Log.join(u',').toStdString();
    EXPECT_EQ(WindowOf(Dialog.get())->transientParent(), WindowOf(First.get()));
}

TEST_F(WindowManagerTest, AKeyThatReachesTheWindowBeneathGoesToTheModalOne)
{
    DialogEdit->SetName(QStringLiteral("DialogEdit"));
    DialogEdit->SetText(QString());
    QString Typed;
    Later([&] {
        // The window manager has not moved the keyboard yet: X hands the keys to the first form.
        KeyToWindow(First.get(), Qt::Key_A);
        ProcessPendingEvents();
        Typed = DialogEdit->Text();
        Dialog->SetModalResult(mrOk);
    });
    Dialog->ShowModal();
    EXPECT_EQ(Typed, "a");
    EXPECT_EQ(Edit->Text(), "");
}

TEST_F(WindowManagerTest, AKeyThatReachesTheWindowBeneathAMessageBoxGoesToTheBox)
{
    TMessageBoxService* Scripted = SetMessageBoxService(nullptr);
    bool Over = false;
    Later([&] {
        auto* Box = qobject_cast<QMessageBox*>(ModalWidget());
        ASSERT_NE(Box, nullptr);
        Over = Box->windowHandle() && Box->windowHandle()->transientParent() == WindowOf(First.get());
        KeyToWindow(First.get(), Qt::Key_Return);
        // The box stays on a lost key: leave it as Esc does.
        Later([] {
            if (QWidget* Left = ModalWidget()) QTest::keyClick(Left, Qt::Key_Escape);
        });
    });
    const int32_t Result = MessageBox(First->Handle(), QStringLiteral("Saved."), QStringLiteral("KT20418"), MB_OKCANCEL);
    SetMessageBoxService(Scripted);
    EXPECT_EQ(Result, IDOK) << "the first Enter was lost";
    EXPECT_TRUE(Over) << "the box is not kept above its owner";
    EXPECT_TRUE(IsWindowEnabled(First->Handle()));
}

struct THintCase {
    const char* Name;
    TFormBorderStyle Style;
    TBorderIcons Icons;
    Qt::WindowType Type;
    Qt::WindowFlags Offered;
    bool Sizes;
};

void PrintTo(const THintCase& Case, std::ostream* Out)
{
    *Out << Case.Name;
}

class WindowHintTest : public ::testing::TestWithParam<THintCase> {};

TEST_P(WindowHintTest, TheBorderGivesTheWindowManagerItsHints)
{
    const THintCase& Case = GetParam();
    auto Form = MakeForm(200, 100);
    Form->SetBorderStyle(Case.Style);
    Form->SetBorderIcons(Case.Icons);
    Form->Show();
    ProcessPendingEvents();
    const QWidget* Widget = WidgetOf(Form->Handle());
    const Qt::WindowFlags Buttons = Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint |
                                    Qt::FramelessWindowHint;
    EXPECT_EQ(Widget->windowType(), Case.Type);
    EXPECT_EQ(Widget->windowFlags() & Buttons, Case.Offered);
    EXPECT_EQ(Widget->minimumSize() != Widget->maximumSize(), Case.Sizes);
}

using F = Qt::WindowFlags;
INSTANTIATE_TEST_SUITE_P(
    Borders, WindowHintTest,
    ::testing::Values(
        THintCase{"SingleWithSystemMenuOnlyOffersClose", bsSingle, {biSystemMenu}, Qt::Dialog, F(Qt::WindowCloseButtonHint), false},
        THintCase{"SingleWithAllIcons", bsSingle, {biSystemMenu, biMinimize, biMaximize}, Qt::Window,
                  Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint, false},
        THintCase{"SizeableSizes", bsSizeable, {biSystemMenu, biMinimize, biMaximize}, Qt::Window,
                  Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint, true},
        THintCase{"SizeableWithoutIcons", bsSizeable, {}, Qt::Dialog, F(), true},
        THintCase{"DialogOffersCloseOnly", bsDialog, {biSystemMenu, biMinimize, biMaximize}, Qt::Dialog,
                  F(Qt::WindowCloseButtonHint), false},
        THintCase{"NoneHasNoFrame", bsNone, {biSystemMenu}, Qt::Window, F(Qt::FramelessWindowHint), false}),
    [](const auto& Info) { return std::string(Info.param.Name); });

}  // namespace
