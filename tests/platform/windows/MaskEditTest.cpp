// Masked edits: typing through masks, the text with and without literals, the caret over literals, validation, Esc and pasting.
#include "support/ExceptionMessage.h"
#include "support/Input.h"
#include "support/Render.h"
#include "Recorder.h"

#include "rtl/FormatSettings.h"
#include "windows/Mask.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>

namespace {

class MaskEditTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TFormatSettings Settings = TFormatSettings::Invariant();
        Settings.DateSeparator = QLatin1Char('.');
        Settings.TimeSeparator = QLatin1Char('h');
        SetFormatSettings(Settings);
        Form = MakeForm(300, 120);
        // The plain edit has the focus first, so that the masked edit gets it later.
        Next = Place<TEdit>(Form.get(), Bounds(10, 40, 150, 21));
        Edit = Place<TMaskEdit>(Form.get(), Bounds(10, 10, 150, 21));
        Form->Show();
        ProcessPendingEvents();
    }

    void TearDown() override { ResetFormatSettings(); }

    std::pair<int32_t, int32_t> Selection() const { return {Edit->SelStart(), Edit->SelStart() + Edit->SelLength()}; }

    std::unique_ptr<TForm> Form;
    TMaskEdit* Edit = nullptr;
    TEdit* Next = nullptr;
};

struct TTypingCase {
    const char* Mask;
    const char* Typed;
    const char* EditText;
    const char* Text;
    friend void PrintTo(const TTypingCase& Value, std::ostream* Out) { *Out << Value.Mask << " <- " << Value.Typed; }
};

class MaskTypingTest : public MaskEditTest, public ::testing::WithParamInterface<TTypingCase> {};

TEST_P(MaskTypingTest, TypedCharactersFillTheMaskAndTheTextFollowsItsFields)
{
    const TTypingCase& Case = GetParam();
    Edit->SetEditMask(QString::fromUtf8(Case.Mask));
    Edit->SetFocus();
    Input::TypeText(QString::fromUtf8(Case.Typed));
    EXPECT_EQ(Edit->EditText(), QString::fromUtf8(Case.EditText));
    EXPECT_EQ(Edit->Text(), QString::fromUtf8(Case.Text));
    EXPECT_TRUE(Edit->IsMasked());
}

INSTANTIATE_TEST_SUITE_P(
    Masks, MaskTypingTest,
    ::testing::Values(TTypingCase{"(999)000-0000;1;_", "5551234567", "(555)123-4567", "(555)123-4567"},
                      TTypingCase{"(999)000-0000;0;_", "5551234567", "(555)123-4567", "5551234567"},
                      TTypingCase{"(999)000-0000;0;_", "5551", "(555)1__-____", "5551"},
                      TTypingCase{"(999)000-0000;1;_", "5551", "(555)1__-____", "(555)1  -    "},
                      TTypingCase{"99/99/0000;1;_", "01022024", "01.02.2024", "01.02.2024"},
                      TTypingCase{"90:00;0;_", "1230", "12h30", "1230"},
                      TTypingCase{">LL<ll;0;_", "abCD", "ABcd", "ABcd"},
                      TTypingCase{"LL<>LL;0;_", "abCD", "abCD", "abCD"},
                      TTypingCase{"000;0;_", "1a2", "12_", "12"},
                      TTypingCase{"\\(000\\);0; ", "12", "(12 )", "12"},
                      TTypingCase{"LL-00;0;*", "ab12", "ab-12", "ab12"},
                      TTypingCase{"aaa;0;_", "a b", "a b", "a b"},
                      TTypingCase{"AAA;0;_", "a-1", "a1_", "a1"},
                      TTypingCase{"#00;0;_", "-12", "-12", "-12"},
                      TTypingCase{"#00;0;_", "x+1", "+1_", "+1"},
                      TTypingCase{"C_c;1;_", "!?", "! ?", "! ?"},
                      TTypingCase{"0&0;0;_", "12", "1&2", "12"}));

TEST_F(MaskEditTest, TextSetByProgramTakesTheMasksFields)
{
    struct TCase {
        const char* Mask;
        const char* Text;
        const char* EditText;
    };
    for (const TCase& Case : {TCase{"(999)000-0000;0;_", "5551234", "(555)123-4___"},
                              TCase{"(999)000-0000;1;_", "(555)123-4567", "(555)123-4567"},
                              TCase{"(999)000-0000;1;_", "555", "(555)___-____"},
                              TCase{"!999;0;_", "12", "_12"},
                              TCase{"000;0;_", "1 3", "1_3"}}) {
        Edit->SetEditMask(QString::fromUtf8(Case.Mask));
        Edit->SetText(QString::fromUtf8(Case.Text));
        EXPECT_EQ(Edit->EditText(), QString::fromUtf8(Case.EditText)) << Case.Mask;
    }
    EXPECT_EQ(FormatMaskText(QStringLiteral("(999)000-0000;0;_"), QStringLiteral("5551234")), QStringLiteral("(555)123-4   "));
    EXPECT_EQ(FormatMaskText(QStringLiteral("!99;0;_"), QStringLiteral("7")), QStringLiteral(" 7"));
}

TEST_F(MaskEditTest, ANewMaskKeepsTheTextAndNoMaskShowsItPlain)
{
    Edit->SetEditMask(QStringLiteral("000-000;0;_"));
    Edit->SetText(QStringLiteral("123456"));
    Edit->SetEditMask(QStringLiteral("00.00.00;1;_"));
    EXPECT_EQ(Edit->EditText(), QStringLiteral("12.34.56"));
    Edit->SetEditMask({});
    EXPECT_FALSE(Edit->IsMasked());
    EXPECT_EQ(Edit->Text(), QStringLiteral("12.34.56"));
}

TEST_F(MaskEditTest, TheCaretSelectsItsCharacterAndSkipsTheLiterals)
{
    Edit->SetEditMask(QStringLiteral("(999)000-0000;1;_"));
    Edit->SetFocus();
    EXPECT_EQ(Selection(), std::make_pair(0, 13));
    Input::PressKey(VK_HOME);
    EXPECT_EQ(Selection(), std::make_pair(1, 2));
    for (int32_t Expected : {2, 3, 5, 6}) {
        Input::PressKey(VK_RIGHT);
        EXPECT_EQ(Selection(), std::make_pair(Expected, Expected + 1));
    }
    Input::PressKey(VK_LEFT);
    Input::PressKey(VK_LEFT);
    EXPECT_EQ(Selection(), std::make_pair(3, 4));
    Input::PressKey(VK_END);
    EXPECT_EQ(Selection(), std::make_pair(13, 13));
    // Typing moves past the literals too.
    Input::PressKey(VK_HOME);
    Input::TypeText(QStringLiteral("555"));
    EXPECT_EQ(Selection(), std::make_pair(5, 6));
}

TEST_F(MaskEditTest, BackspaceAndDeleteBlankPositionsWithoutMovingTheOthers)
{
    Edit->SetEditMask(QStringLiteral("(999)000-0000;1;_"));
    Edit->SetFocus();
    Input::TypeText(QStringLiteral("5551234"));
    Input::PressKey(VK_BACK);
    EXPECT_EQ(Edit->EditText(), QStringLiteral("(555)123-____"));
    EXPECT_EQ(Selection(), std::make_pair(9, 10));
    Input::PressKey(VK_HOME);
    Input::PressKey(VK_DELETE);
    EXPECT_EQ(Edit->EditText(), QStringLiteral("(_55)123-____"));
    EXPECT_EQ(Selection(), std::make_pair(1, 2));
    Input::PressKey(VK_END, {ssShift});
    Input::PressKey(VK_DELETE);
    EXPECT_EQ(Edit->EditText(), QStringLiteral("(___)___-____"));
}

TEST_F(MaskEditTest, ValidateEditRefusesABlankRequiredPositionOnlyAfterTheUserChangedTheText)
{
    Edit->SetEditMask(QStringLiteral("00-00;1;_"));
    Edit->SetText(QStringLiteral("1"));
    EXPECT_NO_THROW(Edit->ValidateEdit());
    Edit->SetFocus();
    Input::PressKey(VK_HOME);
    Input::TypeText(QStringLiteral("12"));
    try {
        Edit->ValidateEdit();
        FAIL() << "no EDBEditError";
    } catch (const EDBEditError& E) {
        EXPECT_EQ(E.Message(), QStringLiteral("Invalid input value.  Use escape key to abandon changes"));
    }
    EXPECT_EQ(Selection(), std::make_pair(3, 4));
    Input::TypeText(QStringLiteral("34"));
    EXPECT_NO_THROW(Edit->ValidateEdit());
    // Optional positions may stay blank.
    Edit->SetEditMask(QStringLiteral("0999;1;_"));
    Edit->SetModified(true);
    Edit->SetText(QStringLiteral("1"));
    Edit->SetModified(true);
    EXPECT_NO_THROW(Edit->ValidateEdit());
}

TEST_F(MaskEditTest, LeavingAnIncompleteEditReportsTheErrorAndKeepsTheFocusThere)
{
    QStringList Errors;
    Application->OnException = [&](TObject*, const Exception& E) { Errors.append(E.Message()); };
    Edit->SetEditMask(QStringLiteral("000;1;_"));
    Edit->SetFocus();
    Input::TypeText(QStringLiteral("1"));
    Input::PressKey(VK_TAB);
    Application->OnException = nullptr;
    EXPECT_EQ(Errors, QStringList{"Invalid input value.  Use escape key to abandon changes"});
    EXPECT_TRUE(Edit->Focused());
    EXPECT_EQ(Selection(), std::make_pair(1, 2));
}

TEST_F(MaskEditTest, EscRestoresTheTextFromWhenTheEditGotTheFocusBeforeACancelButtonTakesIt)
{
    auto* Cancel = Place<TButton>(Form.get(), Bounds(170, 10, 75, 25));
    Cancel->SetCancel(true);
    int32_t Cancelled = 0;
    Cancel->OnClick = [&](TObject*) { ++Cancelled; };
    Edit->SetEditMask(QStringLiteral("000;1;_"));
    Edit->SetText(QStringLiteral("123"));
    Edit->SetFocus();
    Input::PressKey(VK_HOME);
    Input::TypeText(QStringLiteral("98"));
    EXPECT_EQ(Edit->EditText(), QStringLiteral("983"));
    Input::PressKey(VK_ESCAPE);
    EXPECT_EQ(Edit->EditText(), QStringLiteral("123"));
    EXPECT_FALSE(Edit->Modified());
    EXPECT_EQ(Cancelled, 0);
    Input::PressKey(VK_ESCAPE);
    EXPECT_EQ(Cancelled, 1);
}

TEST_F(MaskEditTest, PastedTextFillsThePositionsFromTheCaretAsIfTyped)
{
    Edit->SetEditMask(QStringLiteral("(999)000-0000;1;_"));
    Edit->SetFocus();
    for (const auto& [Pasted, Shown] : {std::pair{"5551234", "(555)123-4___"}, std::pair{"(555)12", "(555)12_-____"},
                                        std::pair{"55x", "(55_)___-____"}}) {
        QGuiApplication::clipboard()->setText(QString::fromLatin1(Pasted));
        Edit->SelectAll();
        Input::PressKey('V', {ssCtrl});
        EXPECT_EQ(Edit->EditText(), QString::fromLatin1(Shown)) << Pasted;
    }
    Edit->SelectAll();
    Input::PressKey('X', {ssCtrl});
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("(55_)___-____"));
    EXPECT_EQ(Edit->EditText(), QStringLiteral("(___)___-____"));
}

TEST_F(MaskEditTest, WithoutAMaskItIsAPlainEdit)
{
    Edit->SetFocus();
    Input::TypeText(QStringLiteral("free text"));
    Input::PressKey(VK_BACK);
    EXPECT_EQ(Edit->Text(), QStringLiteral("free tex"));
    EXPECT_EQ(Edit->EditText(), Edit->Text());
    EXPECT_NO_THROW(Edit->ValidateEdit());
}

}  // namespace
