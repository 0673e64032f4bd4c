// The value text of a drop-down edit: prefix and suffix, formatting and numbers by edit type under two locales, focus rules, copying and stored values.
#include "DropDownTestSupport.h"

#include "dropdown/ExtButtonAppearance.h"
#include "dropdown/PopupAppearance.h"
#include "graphics/GraphicsObjects.h"

#include <gtest/gtest.h>

#include <map>

using namespace DropDownTest;

namespace {

class ValueTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = MakeForm(100, 100, 300, 200);
        DropDown = Place<TPanelDropDown>(Form.get(), Bounds(10, 10, 150, 21));
        DropDown->SetTabStop(true);
        Next = Place<TEdit>(Form.get(), Bounds(10, 60, 100, 21));
        Next->SetTabStop(true);
        Form->Show();
        ProcessPendingEvents();
    }

    std::unique_ptr<TForm> Form;
    TPanelDropDown* DropDown = nullptr;
    TEdit* Next = nullptr;
};

struct TFormatCase {
    TDropDownEditType Type;
    int16_t Precision;
    const char* Input;
    const char* US;
    const char* German;
};

}  // namespace

TEST_F(ValueTest, TheTextSetterFormatsByTypeAndPrecision)
{
    const TFormatCase Cases[] = {
        {etString, 0, "", "", ""},
        {etNumeric, 0, "", "0", "0"},
        {etFloat, 0, "", "0", "0"},
        {etMoney, 0, "", "0", "0"},
        {etHex, 0, "", "0", "0"},
        {etHex, 0, "ff1a", "FF1A", "FF1A"},
        {etFloat, 2, "3", "3.00", "3,00"},
        {etFloat, 2, "Error", "Error", "Error"},
        {etFloat, 3, "not a number", "0.000", "0,000"},
        {etMoney, 2, "1234.5", "1,234.50", "1.234,50"},
        {etMoney, 2, "1,234.5", "1,234.50", "1.234,50"},
        {etNumeric, 2, "1234.5", "1234.5", "1234.5"},
        {etString, 2, "1.5", "1.5", "1.5"},
    };
    for (const TFormatCase& Case : Cases) {
        for (const bool German : {false, true}) {
            TFormatSettingsScope Scope(German ? DropDownTest::German() : US());
            DropDown->SetEditType(etString);
            DropDown->SetPrecision(0);
            DropDown->SetEditType(Case.Type);
            // Only the string, float and money types take a precision.
            if (Case.Type == etString || Case.Type == etFloat || Case.Type == etMoney) DropDown->SetPrecision(Case.Precision);
            QString Input = QString::fromUtf8(Case.Input);
            if (German && Case.Type == etMoney) Input.replace(QLatin1Char('.'), QLatin1Char('#')).replace(QLatin1Char(','), QLatin1Char('.')).replace(QLatin1Char('#'), QLatin1Char(','));
            DropDown->SetText(Input);
            EXPECT_EQ(DropDown->Text(), QString::fromUtf8(German ? Case.German : Case.US)) << Case.Input << (German ? " German" : " US");
            EXPECT_FALSE(DropDown->IsModified());
        }
    }
}

TEST_F(ValueTest, PrefixAndSuffixWrapTheValue)
{
    DropDown->SetPrefix(QStringLiteral("$"));
    DropDown->SetSuffix(QStringLiteral(" EU"));
    DropDown->SetText(QStringLiteral("5"));
    EXPECT_EQ(DropDown->Caption(), QStringLiteral("$5 EU"));
    EXPECT_EQ(DropDown->Text(), QStringLiteral("5"));
    // The getter drops as many characters as the suffix has, whatever they are.
    DropDown->SetTextUnformatted(QStringLiteral("$5XYZ"));
    EXPECT_EQ(DropDown->Text(), QStringLiteral("5"));
    DropDown->SetTextUnformatted(QStringLiteral("5XYZ"));
    EXPECT_EQ(DropDown->Text(), QStringLiteral("5"));
    DropDown->SetTextUnformatted(QStringLiteral("ab"));
    EXPECT_EQ(DropDown->Text(), QString());
    DropDown->SetSuffix(QString());
    DropDown->SetTextUnformatted(QStringLiteral("x$"));
    EXPECT_EQ(DropDown->Text(), QStringLiteral("x$")) << "the prefix goes only at the start";
}

TEST_F(ValueTest, FloatValueReadsByType)
{
    struct TCase {
        TDropDownEditType Type;
        const char* Text;
        double US;
        double German;
    };
    const TCase Cases[] = {
        {etString, "1.5", 1.5, 1.5},       {etString, "1,5", 0, 0},           {etString, "x", 0, 0},
        {etNumeric, "-", 0, 0},            {etNumeric, "Error", 0, 0},        {etNumeric, "-42", -42, -42},
        {etFloat, "1,234.5", 1234.5, 1.2345}, {etFloat, "2.5", 2.5, 25},      {etFloat, "abc", 0, 0},
        {etMoney, "1,234.", 1234, 1.234},  {etMoney, "-", 0, 0},              {etMoney, "12,5", 125, 12.5},
        {etHex, "FF", 255, 255},           {etHex, "1G", 16, 16},             {etAlphaNumeric, "12", 0, 0},
    };
    for (const TCase& Case : Cases) {
        for (const bool German : {false, true}) {
            TFormatSettingsScope Scope(German ? DropDownTest::German() : US());
            DropDown->SetEditType(Case.Type);
            DropDown->SetTextUnformatted(QString::fromUtf8(Case.Text));
            EXPECT_DOUBLE_EQ(DropDown->FloatValue(), German ? Case.German : Case.US) << Case.Text << (German ? " German" : " US");
        }
    }
}

TEST_F(ValueTest, FloatAndIntValueWriteByType)
{
    TFormatSettingsScope Scope(US());
    struct TCase {
        TDropDownEditType Type;
        int16_t Precision;
        double Value;
        const char* Shown;
    };
    const TCase Floats[] = {
        {etString, -1, 1.5, "1.5"},     {etString, 2, 1.5, "1.50"},  {etNumeric, -1, 1234.5, "1234.5"},
        {etNumeric, 0, 1234.6, "1,235"}, {etFloat, 1, 2.26, "2.3"},  {etMoney, 2, 1234.5, "1,234.50"},
        {etMoney, -1, 1234567, "1,234,567"}, {etHex, 0, 255.9, "FF"},  {etHex, 0, 1e30, "7FFFFFFFFFFFFFFF"},
    };
    for (const TCase& Case : Floats) {
        DropDown->SetEditType(etString);
        DropDown->SetEditType(Case.Type);
        DropDown->SetPrecision(Case.Precision);
        // etNumeric keeps its precision: set it while the type takes one.
        if (Case.Type == etNumeric) {
            DropDown->SetEditType(etString);
            DropDown->SetPrecision(Case.Precision);
            DropDown->SetEditType(etNumeric);
        }
        DropDown->SetFloatValue(Case.Value);
        EXPECT_EQ(DropDown->Text(), QString::fromUtf8(Case.Shown)) << Case.Value;
        EXPECT_TRUE(DropDown->IsModified());
    }
    DropDown->SetEditType(etString);
    DropDown->SetPrecision(0);
    DropDown->SetEditType(etMoney);
    DropDown->SetIntValue(1234567);
    EXPECT_EQ(DropDown->Text(), QStringLiteral("1,234,567"));
    DropDown->SetEditType(etHex);
    DropDown->SetIntValue(4095);
    EXPECT_EQ(DropDown->Text(), QStringLiteral("FFF"));
    DropDown->SetEditType(etUppercase);
    DropDown->SetTextUnformatted(QStringLiteral("kept"));
    DropDown->SetIntValue(5);
    DropDown->SetFloatValue(5);
    EXPECT_EQ(DropDown->Text(), QStringLiteral("kept"));
}

TEST_F(ValueTest, ThousandSeparatorsAreReadAtEachUse)
{
    DropDown->SetEditType(etMoney);
    DropDown->SetPrecision(2);
    {
        TFormatSettingsScope Scope(US());
        DropDown->SetFloatValue(1234.5);
        EXPECT_EQ(DropDown->Text(), QStringLiteral("1,234.50"));
    }
    TFormatSettingsScope Scope(German());
    DropDown->SetFloatValue(1234.5);
    EXPECT_EQ(DropDown->Text(), QStringLiteral("1.234,50"));
    EXPECT_DOUBLE_EQ(DropDown->FloatValue(), 1234.5);
}

TEST_F(ValueTest, ChangingTheEditTypeRepairsTheText)
{
    TFormatSettingsScope Scope(US());
    struct TCase {
        const char* Text;
        TDropDownEditType Type;
        const char* After;
    };
    const TCase Cases[] = {
        {"abc", etNumeric, "0"}, {"1.5", etNumeric, "0"},  {"-12", etNumeric, "-12"}, {"12a", etHex, "12a"},
        {"1.5", etHex, "0"},     {"xyz", etFloat, "0"},    {"12a", etMoney, "0"},     {"1.5", etFloat, "1.5"},
        {"xyz", etUppercase, "xyz"},
    };
    for (const TCase& Case : Cases) {
        DropDown->SetEditType(etString);
        DropDown->SetText(QString::fromUtf8(Case.Text));
        DropDown->SetEditType(Case.Type);
        EXPECT_EQ(DropDown->Text(), QString::fromUtf8(Case.After)) << Case.Text;
    }
    DropDown->SetEditType(etPassword);
    EXPECT_EQ(DropDown->PasswordChar(), QLatin1Char('*'));
    EXPECT_FALSE(DropDown->CanUndo());
    DropDown->SetEditType(etString);
    EXPECT_TRUE(DropDown->PasswordChar().isNull());
}

TEST_F(ValueTest, PrecisionIsTakenOnlyByStringFloatAndMoney)
{
    TFormatSettingsScope Scope(US());
    DropDown->SetEditType(etNumeric);
    DropDown->SetText(QStringLiteral("1234"));
    DropDown->SetPrecision(2);
    EXPECT_EQ(DropDown->Precision(), 0);
    EXPECT_EQ(DropDown->Text(), QStringLiteral("1234"));
    DropDown->SetEditType(etFloat);
    DropDown->SetPrecision(2);
    EXPECT_EQ(DropDown->Text(), QStringLiteral("1234.00"));
}

TEST_F(ValueTest, LeavingFixesEmptyAndUnformattedNumbers)
{
    TFormatSettingsScope Scope(US());
    DropDown->SetEditType(etNumeric);
    DropDown->SetFocus();
    DropDown->SetTextUnformatted(QString());
    Input::PressKey(VK_TAB);
    ASSERT_TRUE(Next->Focused());
    EXPECT_EQ(DropDown->Text(), QStringLiteral("0"));

    DropDown->SetAllowNumericNullValue(true);
    DropDown->SetFocus();
    DropDown->SetTextUnformatted(QString());
    Input::PressKey(VK_TAB);
    EXPECT_EQ(DropDown->Text(), QString());

    DropDown->SetAllowNumericNullValue(false);
    DropDown->SetEditType(etFloat);
    DropDown->SetPrecision(2);
    DropDown->SetFocus();
    DropDown->SelectAll();
    Input::TypeText(QStringLiteral("1.5"));
    ASSERT_TRUE(DropDown->IsModified());
    Input::PressKey(VK_TAB);
    EXPECT_EQ(DropDown->Text(), QStringLiteral("1.50"));
    EXPECT_TRUE(DropDown->IsModified()) << "the modified flag is kept over the rewrite";
}

TEST_F(ValueTest, VersionAndStoredValues)
{
    EXPECT_EQ(DropDown->Version(), QStringLiteral("1.2.1.4"));
    std::map<QString, int32_t> Stored;
    DropDown->SetComponentStyle(tsWindows7);
    DropDown->SetSelectionColorStyle(scWindowsVista);
    DropDown->WriteStoredValues([&](const QString& Name, int32_t Value) { Stored[Name] = Value; });
    EXPECT_EQ(Stored, (std::map<QString, int32_t>{{QStringLiteral("SelectionColorStyle"), 2}, {QStringLiteral("VyxStyle"), 11}}));
    // Reading sets the fields without the presets.
    const TColor Selection = DropDown->SelectionColor();
    const TColor Background = DropDown->DropDownColor();
    EXPECT_TRUE(DropDown->ReadStoredValue(QStringLiteral("SelectionColorStyle"), scOffice2007));
    EXPECT_TRUE(DropDown->ReadStoredValue(QStringLiteral("VyxStyle"), tsOffice2003Blue));
    EXPECT_FALSE(DropDown->ReadStoredValue(QStringLiteral("Other"), 1));
    EXPECT_EQ(DropDown->SelectionColorStyle(), scOffice2007);
    EXPECT_EQ(DropDown->GetComponentStyle(), tsOffice2003Blue);
    EXPECT_EQ(DropDown->SelectionColor(), Selection);
    EXPECT_EQ(DropDown->DropDownColor(), Background);
}

TEST_F(ValueTest, AssignCopiesTheSettingsButNotTheText)
{
    TPanelDropDown* Source = Place<TPanelDropDown>(Form.get(), Bounds(10, 100, 150, 21));
    Source->SetEditType(etMoney);
    Source->SetPrecision(3);
    Source->SetPrefix(QStringLiteral("<"));
    Source->SetSuffix(QStringLiteral(">"));
    Source->SetDropDownWidth(222);
    Source->SetDropDownColorTo(clRed);
    Source->SetDropPosition(dpUp);
    Source->SetDropDownButtonWidth(25);
    Source->SetDropDownButtonHint(QStringLiteral("Open"));
    Source->DropDownHeader()->SetCaption(QStringLiteral("Head"));
    Source->ButtonAppearance()->SetColorHot(clLime);
    Source->SetSelectionColorStyle(scWindows7);
    Source->SetValidChars(QStringLiteral("abc"));
    Source->SetText(QStringLiteral("77"));
    DropDown->SetText(QStringLiteral("mine"));
    DropDown->Assign(Source);
    EXPECT_EQ(DropDown->EditType(), etMoney);
    EXPECT_EQ(DropDown->Precision(), 3);
    EXPECT_EQ(DropDown->Prefix(), QStringLiteral("<"));
    EXPECT_EQ(DropDown->DropDownWidth(), 222);
    EXPECT_EQ(DropDown->DropDownColorTo(), clRed);
    EXPECT_EQ(DropDown->DropPosition(), dpUp);
    EXPECT_EQ(DropDown->DropDownButtonWidth(), 25);
    EXPECT_EQ(DropDown->Button()->ButtonWidth(), 25);
    EXPECT_EQ(DropDown->Button()->Hint(), QStringLiteral("Open"));
    EXPECT_TRUE(DropDown->Button()->ShowHint());
    EXPECT_EQ(DropDown->DropDownHeader()->Caption(), QStringLiteral("Head"));
    EXPECT_EQ(DropDown->ButtonAppearance()->ColorHot(), clLime);
    EXPECT_EQ(DropDown->SelectionColorStyle(), scWindows7);
    EXPECT_EQ(DropDown->ValidChars(), QStringLiteral("abc"));
    EXPECT_EQ(DropDown->Caption(), QStringLiteral("mine"));
}

TEST_F(ValueTest, ALowDropDownGrowsToItsMinimumHeight)
{
    DropDown->Font()->SetSize(20);
    DropDown->SetHeight(10);
    EXPECT_EQ(DropDown->Height(), DropDown->GetMinHeight());
    EXPECT_GT(DropDown->Height(), 21);
    // The button stands inside the border at the right edge.
    const TRect Button = DropDown->Button()->BoundsRect();
    EXPECT_EQ(Button, Bounds(150 - 17 - 4, 0, 17, DropDown->Height() - 4));
    EXPECT_EQ(DropDown->GetEditRect().Right, DropDown->ClientWidth() - 17 - 3);
}
