// Labels, push buttons, check boxes, radio buttons and group boxes: clicks, dialog keys, accelerators, sizes and pixels.
#include "support/Input.h"
#include "support/Render.h"
#include "Recorder.h"

#include "graphics/Bitmap.h"
#include "windows/StdCtrls.h"

#include <gtest/gtest.h>

#include <QTimer>

namespace {

QRgb Rgb(TColor Color)
{
    const auto Value = static_cast<COLORREF>(ColorToRGB(Color));
    return qRgb(GetRValue(Value), GetGValue(Value), GetBValue(Value));
}

// The text extent of Text in Font, measured on a canvas of its own.
TSize TextExtent(const TFont* Font, const QString& Text)
{
    TBitmap Bitmap;
    Bitmap.SetSize(1, 1);
    Bitmap.Canvas()->Font()->Assign(const_cast<TFont*>(Font));
    return Bitmap.Canvas()->TextExtent(Text);
}

class StdCtrlsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = MakeForm(320, 240);
        Form->Font()->SetName(QStringLiteral("Verdana"));
        Edit = Place<TEdit>(Form.get(), Bounds(10, 10, 120, 21));
        Ok = Place<TButton>(Form.get(), Bounds(10, 200, 75, 25));
        Cancel = Place<TButton>(Form.get(), Bounds(90, 200, 75, 25));
        Apply = Place<TButton>(Form.get(), Bounds(170, 200, 75, 25));
        Ok->SetCaption(QStringLiteral("OK"));
        Ok->SetDefault(true);
        Ok->SetModalResult(mrOk);
        Cancel->SetCaption(QStringLiteral("Cancel"));
        Cancel->SetCancel(true);
        Cancel->SetModalResult(mrCancel);
        Apply->SetCaption(QStringLiteral("&Apply"));
        for (TButton* Button : {Ok, Cancel, Apply})
            Button->OnClick = [this, Button](TObject*) { Clicked.append(Button->Caption()); };
        Form->Show();
        ProcessPendingEvents();
    }

    std::unique_ptr<TForm> Form;
    TEdit* Edit = nullptr;
    TButton* Ok = nullptr;
    TButton* Cancel = nullptr;
    TButton* Apply = nullptr;
    QStringList Clicked;
};

// ---- Push buttons ----

TEST_F(StdCtrlsTest, AClickFiresOnClickOnceAndHandsTheModalResultToTheForm)
{
    Input::Click(Apply, {10, 10});
    EXPECT_EQ(Clicked, QStringList{"&Apply"});
    EXPECT_EQ(Form->ModalResult(), mrNone);
    // A press released outside the button is no click.
    Input::MouseDown(Apply, {10, 10});
    Input::MouseUp(Apply, {-20, 10});
    EXPECT_EQ(Clicked.size(), 1);
    Input::Click(Ok, {10, 10});
    EXPECT_EQ(Form->ModalResult(), mrOk);
}

struct TDialogKeyCase {
    const char* Name;
    // The control with the focus: "edit" or a button's caption.
    const char* Focus;
    uint16_t Key;
    TShiftState Shift;
    QStringList Clicked;

    friend void PrintTo(const TDialogKeyCase& Case, std::ostream* Out) { *Out << Case.Name; }
};

class DialogKeyTest : public StdCtrlsTest, public ::testing::WithParamInterface<TDialogKeyCase> {};

TEST_P(DialogKeyTest, EnterClicksTheDefaultButtonUnlessAnotherButtonHasTheFocusAndEscTheCancelButton)
{
    const TDialogKeyCase& Case = GetParam();
    const QString Focus = QString::fromLatin1(Case.Focus);
    TWinControl* Target = Edit;
    for (TButton* Button : {Ok, Cancel, Apply})
        if (Button->Caption() == Focus) Target = Button;
    Target->SetFocus();
    Input::PressKey(Case.Key, Case.Shift);
    EXPECT_EQ(Clicked, Case.Clicked);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, DialogKeyTest,
    ::testing::Values(TDialogKeyCase{"EnterInAnEdit", "edit", VK_RETURN, {}, {"OK"}},
                      TDialogKeyCase{"EnterOnAnotherButton", "&Apply", VK_RETURN, {}, {"&Apply"}},
                      TDialogKeyCase{"EnterOnTheCancelButton", "Cancel", VK_RETURN, {}, {"Cancel"}},
                      TDialogKeyCase{"EnterOnTheDefaultButton", "OK", VK_RETURN, {}, {"OK"}},
                      TDialogKeyCase{"ShiftEnterClicksNothing", "edit", VK_RETURN, {ssShift}, {}},
                      TDialogKeyCase{"EscInAnEdit", "edit", VK_ESCAPE, {}, {"Cancel"}},
                      TDialogKeyCase{"EscOnAnotherButton", "&Apply", VK_ESCAPE, {}, {"Cancel"}},
                      TDialogKeyCase{"SpaceClicksTheFocusedButton", "&Apply", VK_SPACE, {}, {"&Apply"}}),
    [](const auto& Info) { return std::string(Info.param.Name); });

TEST_F(StdCtrlsTest, TheDefaultLookFollowsTheButtonThatEnterWouldClick)
{
    EXPECT_EQ(GetWindowLong(Ok->Handle(), GWL_STYLE) & BS_TYPEMASK, static_cast<int32_t>(BS_DEFPUSHBUTTON));
    // The default button draws a dark frame that a plain button does not have.
    const QImage Before = RenderControl(Ok);
    EXPECT_EQ(Before.pixel(0, 12), Rgb(cl3DDkShadow));
    EXPECT_NE(RenderControl(Apply).pixel(0, 12), Rgb(cl3DDkShadow));
    Apply->SetFocus();
    EXPECT_NE(RenderControl(Ok).pixel(0, 12), Rgb(cl3DDkShadow));
    EXPECT_EQ(RenderControl(Apply).pixel(0, 12), Rgb(cl3DDkShadow));
}

TEST_F(StdCtrlsTest, ModalResultClosesAShownModalForm)
{
    Form->Hide();
    QTimer::singleShot(0, [] { Input::PressKey(VK_RETURN); });
    EXPECT_EQ(Form->ShowModal(), mrOk);
    QTimer::singleShot(0, [this] { Input::Click(Cancel, {5, 5}); });
    EXPECT_EQ(Form->ShowModal(), mrCancel);
    EXPECT_EQ(Clicked, (QStringList{"OK", "Cancel"}));
}

TEST_F(StdCtrlsTest, AnAcceleratorClicksAButtonByItsLetterOrWithAlt)
{
    // The edit takes the letter itself; Alt makes it the accelerator.
    Input::TypeText(QStringLiteral("a"));
    EXPECT_EQ(Edit->Text(), QStringLiteral("a"));
    EXPECT_TRUE(Clicked.isEmpty());
    Input::PressKey('A', {ssAlt});
    EXPECT_EQ(Clicked, QStringList{"&Apply"});
    // A focused button takes no characters: the letter alone is enough.
    Ok->SetFocus();
    Input::TypeText(QStringLiteral("a"));
    EXPECT_EQ(Clicked, (QStringList{"&Apply", "&Apply"}));
}

// ---- Check boxes and radio buttons ----

TEST_F(StdCtrlsTest, ACheckBoxFiresOnClickWhenItsStateChangesByProgramOrByTheUser)
{
    auto* Check = Place<TCheckBox>(Form.get(), Bounds(10, 40, 120, 17));
    int32_t Clicks = 0;
    Check->OnClick = [&](TObject*) { ++Clicks; };
    Check->SetChecked(true);
    Check->SetChecked(true);
    EXPECT_EQ(Clicks, 1);
    EXPECT_EQ(Check->Perform(BM_GETCHECK, 0, 0), static_cast<LRESULT>(BST_CHECKED));
    Input::Click(Check, {5, 8});
    EXPECT_FALSE(Check->Checked());
    EXPECT_EQ(Clicks, 2);
    // The whole window is the button, also far right of a caption.
    Check->SetCaption(QStringLiteral("On"));
    Input::Click(Check, {110, 8});
    EXPECT_TRUE(Check->Checked());
    Input::Click(Check, {110, 8});
    EXPECT_EQ(Clicks, 4);
    Check->SetAllowGrayed(true);
    for (TCheckBoxState Next : {cbGrayed, cbChecked, cbUnchecked}) {
        Input::PressKey(VK_SPACE);
        EXPECT_EQ(Check->State(), Next);
    }
    EXPECT_EQ(Clicks, 7);
    Check->SetState(cbGrayed);
    EXPECT_EQ(Check->Perform(BM_GETCHECK, 0, 0), static_cast<LRESULT>(BST_INDETERMINATE));
}

TEST_F(StdCtrlsTest, CheckingARadioButtonUnchecksItsSiblingsAndFiresOnClick)
{
    auto* Box = Place<TGroupBox>(Form.get(), Bounds(140, 10, 160, 90));
    auto* First = Place<TRadioButton>(Box, Bounds(8, 20, 100, 17));
    auto* Second = Place<TRadioButton>(Box, Bounds(8, 40, 100, 17));
    auto* Elsewhere = Place<TRadioButton>(Form.get(), Bounds(10, 40, 100, 17));
    QStringList Log;
    for (auto [Radio, Name] : {std::pair{First, "first"}, std::pair{Second, "second"}, std::pair{Elsewhere, "elsewhere"}})
        Radio->OnClick = [&Log, Name = QString::fromLatin1(Name)](TObject*) { Log.append(Name); };
    Elsewhere->SetChecked(true);
    First->SetChecked(true);
    Second->SetChecked(true);
    EXPECT_EQ(Log, (QStringList{"elsewhere", "first", "second"}));
    EXPECT_FALSE(First->Checked());
    EXPECT_TRUE(Elsewhere->Checked());
    // Only the checked button of a group is a tab stop.
    EXPECT_FALSE(First->TabStop());
    EXPECT_TRUE(Second->TabStop());
    Input::Click(First, {95, 8});
    EXPECT_TRUE(First->Checked());
    EXPECT_FALSE(Second->Checked());
    EXPECT_EQ(Log.size(), 4);
    // The arrow keys move to the next button of the group, which gets checked.
    Input::PressKey(VK_DOWN);
    EXPECT_TRUE(Second->Focused());
    EXPECT_TRUE(Second->Checked());
    EXPECT_EQ(Log.last(), QStringLiteral("second"));
}

// ---- Labels ----

TEST_F(StdCtrlsTest, ALabelSizesItselfToItsTextAndARightJustifiedOneKeepsItsRightEdge)
{
    auto* Label = Place<TLabel>(Form.get(), Bounds(200, 50, 10, 10));
    Label->SetCaption(QStringLiteral("&Name:"));
    const TSize Extent = TextExtent(Label->Font(), QStringLiteral("Name:"));
    EXPECT_EQ(Label->Width(), Extent.cx);
    EXPECT_EQ(Label->Height(), Extent.cy);
    Label->SetAlignment(taRightJustify);
    const int32_t Right = Label->Left() + Label->Width();
    Label->Font()->SetSize(14);
    EXPECT_EQ(Label->Width(), TextExtent(Label->Font(), QStringLiteral("Name:")).cx);
    EXPECT_EQ(Label->Left() + Label->Width(), Right);
    Label->SetAutoSize(false);
    Label->SetCaption(QStringLiteral("A much longer caption"));
    EXPECT_EQ(Label->Left() + Label->Width(), Right);
}

TEST_F(StdCtrlsTest, ALabelPaintsItsTextInItsFontColourOverItsColour)
{
    auto* Label = Place<TLabel>(Form.get(), Bounds(200, 50, 10, 10));
    Label->SetCaption(QStringLiteral("Wide"));
    Label->Font()->SetColor(clRed);
    Label->SetColor(clYellow);
    const QImage Image = RenderControl(Label);
    int32_t Red = 0;
    for (int Y = 0; Y < Image.height(); ++Y)
        for (int X = 0; X < Image.width(); ++X)
            if (Image.pixel(X, Y) == Rgb(clRed)) ++Red;
            else EXPECT_EQ(Image.pixel(X, Y), Rgb(clYellow)) << X << "," << Y;
    EXPECT_GT(Red, 10);
    Label->SetTransparent(true);
    EXPECT_EQ(RenderControl(Label).pixel(0, 0), Rgb(clBtnFace));
}

TEST_F(StdCtrlsTest, ALabelsLayoutPlacesItsTextAtTheTopMiddleOrBottom)
{
    auto* Label = Place<TLabel>(Form.get(), Bounds(200, 50, 10, 10));
    Label->SetCaption(QStringLiteral("Text"));
    const int32_t TextHeight = Label->Height();
    Label->SetAutoSize(false);
    Label->SetHeight(TextHeight * 3);
    const auto FirstInkRow = [&] {
        const QImage Image = RenderControl(Label);
        for (int Y = 0; Y < Image.height(); ++Y)
            for (int X = 0; X < Image.width(); ++X)
                if (Image.pixel(X, Y) == Rgb(clWindowText)) return Y;
        return -1;
    };
    const int32_t Top = FirstInkRow();
    Label->SetLayout(tlCenter);
    EXPECT_EQ(FirstInkRow(), Top + TextHeight);
    Label->SetLayout(tlBottom);
    EXPECT_EQ(FirstInkRow(), Top + 2 * TextHeight);
}

TEST_F(StdCtrlsTest, ALabelsAcceleratorFocusesItsFocusControl)
{
    auto* Label = Place<TLabel>(Form.get(), Bounds(200, 50, 10, 10));
    auto* Target = Place<TEdit>(Form.get(), Bounds(200, 70, 100, 21));
    Label->SetCaption(QStringLiteral("&Name"));
    Label->SetFocusControl(Target);
    Input::PressKey('N', {ssAlt});
    EXPECT_TRUE(Target->Focused());
    delete Target;
    EXPECT_EQ(Label->FocusControl(), nullptr);
}

// ---- Group boxes ----

TEST_F(StdCtrlsTest, AGroupBoxDrawsAnEtchedFrameBelowHalfItsCaptionAndKeepsItsControlsInside)
{
    auto* Box = Place<TGroupBox>(Form.get(), Bounds(140, 10, 160, 90));
    Box->SetCaption(QStringLiteral("&Settings"));
    auto* Inside = Place<TEdit>(Box, Bounds(0, 0, 50, 21));
    Inside->SetAlign(alClient);
    const int32_t CaptionHeight = TextExtent(Box->Font(), QStringLiteral("0")).cy;
    EXPECT_EQ(Inside->BoundsRect(), Rect(2, CaptionHeight + 2, 158, 88));
    Inside->SetAlign(alNone);
    Inside->SetBounds(8, 60, 50, 21);
    const QImage Image = RenderControl(Box);
    const int32_t FrameTop = CaptionHeight / 2 - 1;
    EXPECT_EQ(Image.pixel(150, FrameTop), Rgb(clBtnShadow));
    EXPECT_EQ(Image.pixel(150, FrameTop + 1), Rgb(clBtnHighlight));
    EXPECT_EQ(Image.pixel(0, 40), Rgb(clBtnShadow));
    EXPECT_EQ(Image.pixel(1, 40), Rgb(clBtnHighlight));
    EXPECT_EQ(Image.pixel(80, 88), Rgb(clBtnShadow));
    EXPECT_EQ(Image.pixel(80, 89), Rgb(clBtnHighlight));
    // The caption covers the frame behind it.
    const int32_t CaptionWidth = TextExtent(Box->Font(), QStringLiteral("Settings")).cx;
    for (int32_t X = 8; X < 8 + CaptionWidth; ++X) EXPECT_NE(Image.pixel(X, FrameTop), Rgb(clBtnShadow)) << X;
    EXPECT_EQ(Image.pixel(8 + CaptionWidth, FrameTop), Rgb(clBtnShadow));
    Input::PressKey('S', {ssAlt});
    EXPECT_TRUE(Inside->Focused());
}

}  // namespace
