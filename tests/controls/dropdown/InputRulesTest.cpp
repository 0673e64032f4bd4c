// The input rules of a drop-down edit as real keys: the character filter by edit type, sign and decimal rules, prefix and suffix keys, Enter and Esc, clipboard.
#include "DropDownTestSupport.h"

#include "windows/Clipbrd.h"

#include <gtest/gtest.h>

using namespace DropDownTest;

namespace {

class InputRulesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = MakeForm(100, 100, 300, 200);
        DropDown = Place<TPanelDropDown>(Form.get(), Bounds(10, 10, 150, 21));
        DropDown->SetTabStop(true);
        Next = Place<TEdit>(Form.get(), Bounds(10, 60, 100, 21));
        Next->SetTabStop(true);
        Form->Show();
        DropDown->SetFocus();
        ProcessPendingEvents();
    }

    // The value shown and typed over from the caret at Caret (in the whole edit text).
    void Start(const QString& Value, int32_t Caret)
    {
        DropDown->SetTextUnformatted(DropDown->Prefix() + Value + DropDown->Suffix());
        DropDown->SetSelStart(Caret);
        DropDown->SetSelLength(0);
    }

    std::unique_ptr<TForm> Form;
    TPanelDropDown* DropDown = nullptr;
    TEdit* Next = nullptr;
    TFormatSettingsScope Locale{US()};
};

struct TTypeCase {
    TDropDownEditType Type;
    const char* Typed;
    const char* Result;
};

}  // namespace

TEST_F(InputRulesTest, EachTypeTakesItsCharacters)
{
    const TTypeCase Cases[] = {
        {etString, "aZ9 -.,;!", "aZ9 -.,;!"},
        {etNumeric, "1a2.3b", "123"},
        {etFloat, "1a.5x", "15"},  // no decimals without a precision
        {etUppercase, "abC1", "ABC1"},
        {etLowerCase, "AbC1", "abc1"},
        {etMixedCase, "john o'neil", "John O'Neil"},
        {etHex, "1aG-fz", "1a-f"},
        {etAlphaNumeric, "ab-1 _Z", "ab1Z"},
        {etRange, "1-5,7;9x", "1-5,7;9"},
        {etMoney, "12a34", "1,234"},
    };
    for (const TTypeCase& Case : Cases) {
        DropDown->SetEditType(etString);
        DropDown->SetEditType(Case.Type);
        Start(QString(), 0);
        Input::TypeText(QString::fromUtf8(Case.Typed));
        EXPECT_EQ(DropDown->Text(), QString::fromUtf8(Case.Result)) << Case.Typed;
    }
    DropDown->SetEditType(etValidChars);
    DropDown->SetValidChars(QStringLiteral("xy"));
    Start(QString(), 0);
    Input::TypeText(QStringLiteral("axbyc"));
    EXPECT_EQ(DropDown->Text(), QStringLiteral("xy"));
    Input::PressKey(VK_BACK);
    EXPECT_EQ(DropDown->Text(), QStringLiteral("x"));
    EXPECT_TRUE(DropDown->IsModified());
}

TEST_F(InputRulesTest, TheSignTogglesOnlyOnSignedNumbers)
{
    DropDown->SetEditType(etNumeric);
    Start(QStringLiteral("12"), 1);
    Input::TypeText(QStringLiteral("-"));
    EXPECT_EQ(DropDown->Text(), QStringLiteral("12"));
    DropDown->SetSigned(true);
    Input::TypeText(QStringLiteral("-"));
    EXPECT_EQ(DropDown->Text(), QStringLiteral("-12"));
    EXPECT_EQ(DropDown->SelStart(), 2);
    Input::TypeText(QStringLiteral("-"));
    EXPECT_EQ(DropDown->Text(), QStringLiteral("12"));
    EXPECT_EQ(DropDown->SelStart(), 1);
    // A wholly selected value becomes the sign alone.
    DropDown->SelectAll();
    Input::TypeText(QStringLiteral("-"));
    EXPECT_EQ(DropDown->Text(), QStringLiteral("-"));
    EXPECT_EQ(DropDown->SelStart(), 1);
    // With a prefix the caret stays out of it.
    DropDown->SetPrefix(QStringLiteral("$"));
    Start(QStringLiteral("-7"), 1);
    Input::TypeText(QStringLiteral("-"));
    EXPECT_EQ(DropDown->EditText(), QStringLiteral("$7"));
    EXPECT_EQ(DropDown->SelStart(), 1);
}

TEST_F(InputRulesTest, DecimalRulesOfFloats)
{
    DropDown->SetEditType(etFloat);
    DropDown->SetPrecision(2);
    struct TCase {
        const char* Value;
        int32_t Caret;
        const char* Typed;
        const char* Result;
        int32_t CaretAfter;
        int32_t Selected = 0;
        bool Signed = false;
    };
    const TCase Cases[] = {
        // Precision reached: a digit at the end is dropped, after the separator it overwrites.
        {"1.25", 4, "7", "1.25", 4},
        {"1.25", 2, "7", "1.75", 3},
        // A second separator jumps after the first one.
        {"1.25", 1, ".", "1.25", 2},
        // A separator typed into an empty value gives a leading zero.
        {"", 0, ".", "0.", 2},
        // Thousand groups of three before the separator.
        {"1,23", 4, ".", "1,23", 4},
        {"1,234", 5, ".", "1,234.", 6},
        {"12", 2, "-", "12", 2},
        // Signed: the sign toggles without a selection; over a selection it is typed only where the value begins.
        {"12", 2, "-", "-12", 3, 0, true},
        {"1.5", 0, "-", "-", 1, 3, true},
        {"1.5", 1, "-", "1.5", 1, 1, true},
    };
    for (const TCase& Case : Cases) {
        DropDown->SetSigned(Case.Signed);
        Start(QString::fromUtf8(Case.Value), Case.Caret);
        DropDown->SetSelLength(Case.Selected);
        Input::TypeText(QString::fromUtf8(Case.Typed));
        EXPECT_EQ(DropDown->Text(), QString::fromUtf8(Case.Result)) << Case.Value << " + " << Case.Typed;
        EXPECT_EQ(DropDown->SelStart(), Case.CaretAfter) << Case.Value << " + " << Case.Typed;
    }
    // Without precision no separator is taken.
    DropDown->SetPrecision(0);
    Start(QStringLiteral("1"), 1);
    Input::TypeText(QStringLiteral("."));
    EXPECT_EQ(DropDown->Text(), QStringLiteral("1"));
}

TEST_F(InputRulesTest, MoneyGetsItsThousandSeparatorsWhileTyping)
{
    DropDown->SetEditType(etMoney);
    Start(QString(), 0);
    Input::TypeText(QStringLiteral("1234"));
    EXPECT_EQ(DropDown->Text(), QStringLiteral("1,234"));
    EXPECT_EQ(DropDown->SelStart(), 5);
    Input::TypeText(QStringLiteral("5"));
    EXPECT_EQ(DropDown->Text(), QStringLiteral("12,345"));
    // Deleting a digit regroups.
    DropDown->SetSelStart(0);
    Input::PressKey(VK_DELETE);
    EXPECT_EQ(DropDown->Text(), QStringLiteral("2,345"));
    // The thousand separator itself is never typed.
    Start(QStringLiteral("12"), 2);
    Input::TypeText(QStringLiteral(","));
    EXPECT_EQ(DropDown->Text(), QStringLiteral("12"));
    // With decimals a separator of a wholly selected value puts zero first.
    DropDown->SetPrecision(2);
    DropDown->SetText(QStringLiteral("5"));
    DropDown->SelectAll();
    Input::TypeText(QStringLiteral("."));
    EXPECT_EQ(DropDown->Text(), QStringLiteral("0.00"));
    EXPECT_EQ(DropDown->SelStart(), 2);
    // More digits than a double holds: every one is kept.
    DropDown->SetPrecision(0);
    Start(QStringLiteral("12,345"), 6);
    Input::TypeText(QStringLiteral("67890123456789"));
    EXPECT_EQ(DropDown->Text(), QStringLiteral("1,234,567,890,123,456,789"));
    EXPECT_EQ(DropDown->SelStart(), 25);
    // Leading zeros go; the caret stays out of the prefix and behind the sign.
    DropDown->SetPrefix(QStringLiteral("$"));
    Start(QStringLiteral("000"), 2);
    Input::TypeText(QStringLiteral("0"));
    EXPECT_EQ(DropDown->EditText(), QStringLiteral("$0"));
    EXPECT_EQ(DropDown->SelStart(), 1);
    DropDown->SetSigned(true);
    Start(QStringLiteral("-000"), 4);
    Input::TypeText(QStringLiteral("0"));
    EXPECT_EQ(DropDown->EditText(), QStringLiteral("$-0"));
    EXPECT_EQ(DropDown->SelStart(), 2);
}

TEST_F(InputRulesTest, AMoneyValueSetBeforeItsWindowExistsKeepsTheNextChangeEvent)
{
    std::unique_ptr<TForm> Later = MakeForm(100, 300, 200, 50);
    auto* Money = Place<TPanelDropDown>(Later.get(), Bounds(10, 10, 150, 21));
    Money->SetEditType(etMoney);
    ASSERT_FALSE(Money->HandleAllocated());
    Money->SetFloatValue(1234);
    int32_t Changes = 0;
    Money->OnChange = [&](TObject*) { ++Changes; };
    Later->Show();
    Money->SetFocus();
    ProcessPendingEvents();
    Money->SetSelStart(5);
    Input::TypeText(QStringLiteral("5"));
    EXPECT_EQ(Money->Text(), QStringLiteral("12,345"));
    EXPECT_EQ(Changes, 1);
}

TEST_F(InputRulesTest, RangesRefuseDoubleSeparators)
{
    DropDown->SetEditType(etRange);
    Start(QStringLiteral("1-"), 2);
    Input::TypeText(QStringLiteral(","));
    EXPECT_EQ(DropDown->Text(), QStringLiteral("1-"));
    Start(QStringLiteral("1-5"), 3);
    Input::TypeText(QStringLiteral(","));
    EXPECT_EQ(DropDown->Text(), QStringLiteral("1-5,"));
    // Not at the start of the value either.
    Start(QStringLiteral("5"), 0);
    Input::TypeText(QStringLiteral(";"));
    EXPECT_EQ(DropDown->Text(), QStringLiteral("5"));
}

TEST_F(InputRulesTest, LengthLimitCountsIntegerDigits)
{
    DropDown->SetEditType(etFloat);
    DropDown->SetPrecision(2);
    DropDown->SetLengthLimit(3);
    Start(QString(), 0);
    Input::TypeText(QStringLiteral("1234"));
    EXPECT_EQ(DropDown->Text(), QStringLiteral("123"));
    Input::TypeText(QStringLiteral(".45"));
    EXPECT_EQ(DropDown->Text(), QStringLiteral("123.45"));
    // A minus sign of a signed edit does not count.
    DropDown->SetSigned(true);
    Start(QStringLiteral("-12"), 3);
    Input::TypeText(QStringLiteral("3"));
    EXPECT_EQ(DropDown->Text(), QStringLiteral("-123"));
}

TEST_F(InputRulesTest, TheKeypadDecimalKeyTypesTheDecimalSeparator)
{
    DropDown->SetEditType(etFloat);
    DropDown->SetPrecision(2);
    DropDown->SetExcelStyleDecimalSeparator(true);
    {
        TFormatSettingsScope Scope(German());
        Start(QStringLiteral("1"), 1);
        Input::PressKey(VK_DECIMAL);
        EXPECT_EQ(DropDown->Text(), QStringLiteral("1,"));
    }
    // A layout that makes a comma of the keypad key still types the point here.
    Start(QStringLiteral("2"), 1);
    Input::PressKeyWithText(VK_DECIMAL, QStringLiteral(","));
    EXPECT_EQ(DropDown->Text(), QStringLiteral("2."));
    // Without the setting the comma stays a comma (a thousand separator here).
    DropDown->SetExcelStyleDecimalSeparator(false);
    Start(QStringLiteral("3"), 1);
    Input::PressKeyWithText(VK_DECIMAL, QStringLiteral(","));
    EXPECT_EQ(DropDown->Text(), QStringLiteral("3,"));
}

TEST_F(InputRulesTest, PrefixAndSuffixKeepTheCaretOnTheValue)
{
    DropDown->SetPrefix(QStringLiteral("<<"));
    DropDown->SetSuffix(QStringLiteral(">>"));
    DropDown->SetText(QStringLiteral("abc"));
    DropDown->SetSelStart(5);
    Input::PressKey(VK_RIGHT);
    EXPECT_EQ(DropDown->SelStart(), 5);
    Input::PressKey(VK_DELETE);
    EXPECT_EQ(DropDown->EditText(), QStringLiteral("<<abc>>"));
    Input::PressKey(VK_HOME);
    EXPECT_EQ(DropDown->SelStart(), 2);
    Input::PressKey(VK_LEFT);
    EXPECT_EQ(DropDown->SelStart(), 2);
    Input::PressKey(VK_BACK);
    EXPECT_EQ(DropDown->EditText(), QStringLiteral("<<abc>>"));
    Input::PressKey(VK_END);
    EXPECT_EQ(DropDown->SelStart(), 5);
    Input::PressKey(VK_HOME, {ssShift});
    EXPECT_EQ(DropDown->SelStart(), 2);
    EXPECT_EQ(DropDown->SelLength(), 3);
    // A click inside the prefix selects the value.
    Input::Click(DropDown, {2, 8});
    EXPECT_EQ(DropDown->SelStart(), 2);
    EXPECT_EQ(DropDown->SelLength(), 3);
}

TEST_F(InputRulesTest, EnterAsTabAndEscUndo)
{
    DropDown->SetReturnIsTab(true);
    Input::PressKey(VK_RETURN);
    EXPECT_TRUE(Next->Focused());
    DropDown->SetFocus();
    DropDown->SetReturnIsTab(false);
    Input::PressKey(VK_RETURN);
    EXPECT_TRUE(DropDown->Focused());
    // Ctrl+Enter types nothing.
    Input::PressKey(VK_RETURN, {ssCtrl});
    EXPECT_EQ(DropDown->Text(), QString());

    DropDown->SetText(QStringLiteral("value"));
    DropDown->SetSelStart(5);
    Input::TypeText(QStringLiteral("s"));
    ASSERT_TRUE(DropDown->IsModified());
    Input::PressKey(VK_ESCAPE);
    EXPECT_FALSE(DropDown->IsModified());
    EXPECT_EQ(DropDown->SelStart(), 0);
    EXPECT_EQ(DropDown->SelLength(), 6);
}

TEST_F(InputRulesTest, PasteChecksTheValueByType)
{
    struct TCase {
        TDropDownEditType Type;
        bool Signed;
        const char* Before;
        const char* Pasted;
        const char* After;
    };
    const TCase Cases[] = {
        {etString, false, "ab", "xy", "abxy"},       {etNumeric, false, "1", "2a", "1"},
        {etNumeric, false, "1", "-2", "1"},          {etNumeric, true, "", "-2", "-2"},
        {etNumeric, true, "1", "-2", "1"},           {etFloat, true, "1", "-2", "1"},
        {etNumeric, false, "1", "23", "123"},        {etFloat, false, "1", ".5", "1.50"},
        {etFloat, false, "1", "x", "1"},             {etHex, false, "A", "B", "A"},
        {etRange, false, "1", "-2", "1"},            {etUppercase, false, "A", "bc", "ABC"},
        {etAlphaNumeric, false, "a", "b-", "a"},     {etAlphaNumeric, false, "a", "b2", "ab2"},
    };
    DropDown->SetEditType(etString);
    DropDown->SetPrecision(2);
    for (const TCase& Case : Cases) {
        DropDown->SetEditType(etString);
        DropDown->SetEditType(Case.Type);
        DropDown->SetSigned(Case.Signed);
        Start(QString::fromUtf8(Case.Before), static_cast<int32_t>(strlen(Case.Before)));
        Clipboard()->SetAsText(QString::fromUtf8(Case.Pasted));
        Input::PressKey('V', {ssCtrl});
        EXPECT_EQ(DropDown->Text(), QString::fromUtf8(Case.After)) << Case.Before << " + " << Case.Pasted;
    }
    // A refused paste changes nothing, the caret included.
    DropDown->SetEditType(etNumeric);
    Start(QStringLiteral("123"), 1);
    DropDown->SetIsModified(false);
    Clipboard()->SetAsText(QStringLiteral("12a"));
    Input::PressKey('V', {ssCtrl});
    EXPECT_EQ(DropDown->Text(), QStringLiteral("123"));
    EXPECT_EQ(DropDown->SelStart(), 1);
    EXPECT_FALSE(DropDown->IsModified());
    // The application may refuse it too.
    DropDown->SetEditType(etString);
    DropDown->OnClipboardPaste = [](TObject*, const QString& Value, bool& Allow) { Allow = Value != QStringLiteral("no"); };
    Start(QString(), 0);
    Clipboard()->SetAsText(QStringLiteral("no"));
    Input::PressKey('V', {ssCtrl});
    EXPECT_EQ(DropDown->Text(), QString());
}

TEST_F(InputRulesTest, ClipboardEventsSeeTheSelectedValue)
{
    QStringList Seen;
    DropDown->OnClipboardCopy = [&](TObject*, const QString& Value, bool&) { Seen << QStringLiteral("copy ") + Value; };
    DropDown->OnClipboardCut = [&](TObject*, const QString& Value, bool& Allow) {
        Seen << QStringLiteral("cut ") + Value;
        Allow = Value != QStringLiteral("keep");
    };
    DropDown->SetPrefix(QStringLiteral("#"));
    DropDown->SetText(QStringLiteral("keep this"));
    DropDown->SetSelStart(1);
    DropDown->SetSelLength(4);
    Input::PressKey('C', {ssCtrl});
    Input::PressKey('X', {ssCtrl});
    EXPECT_EQ(DropDown->Text(), QStringLiteral("keep this")) << "the cut was refused";
    DropDown->SetSelStart(6);
    DropDown->SetSelLength(4);
    Input::PressKey('X', {ssCtrl});
    EXPECT_EQ(DropDown->Text(), QStringLiteral("keep "));
    EXPECT_EQ(Clipboard()->AsText(), QStringLiteral("this"));
    EXPECT_EQ(Seen, (QStringList{"copy keep", "cut keep", "cut this"}));
}
