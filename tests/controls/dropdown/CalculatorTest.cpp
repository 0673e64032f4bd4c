// TExtCalculatorDropdown: keys clicked on the open key panel, typed into the pop-up and into the closed edit, closing and cancelling.
#include "PickerTestSupport.h"

#include "dropdown/CalcPanel.h"
#include "dropdown/Calculator.h"
#include "dropdown/CalculatorEngine.h"
#include "dropdown/DropDownButton.h"
#include "dropdown/DropDownForm.h"
#include "dropdown/ExtButtonAppearance.h"
#include "dropdown/PopupAppearance.h"
#include "support/Input.h"

#include "rtl/FormatSettings.h"

#include <gtest/gtest.h>

using namespace PickerTest;

namespace {

TFormatSettings Separators(QChar Decimal, QChar Thousand)
{
    TFormatSettings Settings = TFormatSettings::Invariant();
    Settings.DecimalSeparator = Decimal;
    Settings.ThousandSeparator = Thousand;
    return Settings;
}

class CalculatorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = MakeForm(400, 300);
        Calc = Place<TExtCalculatorDropdown>(Form.get(), Bounds(10, 10, 150, 21));
        Calc->SetTabStop(true);
        Other = Place<TCustomControl>(Form.get(), Bounds(10, 250, 50, 20));
        Form->Show();
        ProcessPendingEvents();
        Calc->SetFocus();
        ProcessPendingEvents();
    }

    void Open()
    {
        ClickDropButton(Calc);
        ASSERT_TRUE(Calc->DroppedDown());
        ASSERT_TRUE(Calc->DropDownForm()->Visible());
    }

    // Clicks the keys (captions split by blanks) and gives the text after each.
    QStringList Click(const QString& Keys)
    {
        QStringList Shown;
        TCustomButtonPanel* Panel = Calc->ButtonPanel();
        for (const QString& Caption : Keys.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            int32_t Index = -1;
            for (int32_t I = 0; I < Panel->Buttons()->Count(); ++I)
                if (Panel->Buttons()->Items(I)->Caption() == Caption) Index = I;
            EXPECT_GE(Index, 0) << Caption.toStdString();
            const TRect R = Panel->Buttons()->Items(Index)->ButtonRect();
            Input::Click(Panel, {(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2});
            Shown << Calc->Text();
        }
        return Shown;
    }

    TFormatSettingsScope Locale{Separators(QLatin1Char('.'), QLatin1Char(','))};
    TTestClock Clock;
    std::unique_ptr<TForm> Form;
    TExtCalculatorDropdown* Calc = nullptr;
    TCustomControl* Other = nullptr;
};

TEST_F(CalculatorTest, StartsAsATwoDecimalNumber)
{
    EXPECT_EQ(Calc->Text(), QStringLiteral("0.00"));
    EXPECT_EQ(Calc->EditType(), etFloat);
    EXPECT_EQ(Calc->Precision(), 2);
    EXPECT_EQ(Calc->DropDownWidth(), 230);
    EXPECT_EQ(Calc->DropDownColor(), clWhite);
    EXPECT_FALSE(Calc->DropDownHeader()->Visible());
    EXPECT_FALSE(Calc->DropDownFooter()->Visible());
    Calc->SetValue(3.5);
    EXPECT_EQ(Calc->Text(), QStringLiteral("3.50"));
    Calc->SetText(QString());
    EXPECT_EQ(Calc->Value(), 0);
}

TEST_F(CalculatorTest, ClickedKeysOnTheOpenPanel)
{
    Open();
    EXPECT_EQ(Calc->ButtonPanel()->Buttons()->Count(), 28);
    SaveArtifact(RenderControl(Calc->DropDownForm()), QStringLiteral("CalculatorOpen"));
    const struct {
        const char* Keys;
        const char* Shown;
    } Cases[] = {
        {"1 2 + 3 =", "1.00 12.00 12.00 3.00 15.00"},
        {"C 2 + 3 * 4 =", "0.00 2.00 2.00 3.00 5.00 4.00 20.00"},
        {"C 5 / 0 = 7", "0.00 5.00 5.00 0.00 Error 7.00"},
        {"C 2 0 0 + 1 0 % =", "0.00 2.00 20.00 200.00 200.00 1.00 10.00 20.00 220.00"},
        {"C 1 . 2 3 4", "0.00 1.00 1.00 1.20 1.23 1.23"},
        {"C 1 2 3 . 4 5 Back", "0.00 1.00 12.00 123.00 123.00 123.40 123.45 123.40"},
        {"C MC MR 4 2 MS C MR", "0.00 0.00 0.00 4.00 42.00 42.00 0.00 42.00"},
        {"C 9 sqrt +/- 1/x = =", "0.00 9.00 3.00 -3.00 -0.33 -0.33 -0.33"},
    };
    for (const auto& Case : Cases)
        EXPECT_EQ(Click(QString::fromLatin1(Case.Keys)), QString::fromLatin1(Case.Shown).split(QLatin1Char(' '))) << Case.Keys;
    EXPECT_TRUE(Calc->DroppedDown()) << "keys keep the pop-up open";
    EXPECT_TRUE(Calc->IsModified());
}

TEST_F(CalculatorTest, KeysTypedIntoThePopupAndEnterCloses)
{
    Open();
    Input::TypeText(QStringLiteral("12+3="));
    EXPECT_EQ(Calc->Text(), QStringLiteral("15.00"));
    EXPECT_TRUE(Calc->DroppedDown());
    Input::TypeText(QStringLiteral("*2"));
    Input::PressKey(VK_RETURN);
    EXPECT_FALSE(Calc->DropDownForm()->Visible());
    EXPECT_EQ(Calc->Text(), QStringLiteral("30.00"));
}

TEST_F(CalculatorTest, EscapeGivesBackTheTextTheCalculatorOpenedWith)
{
    Calc->SetText(QStringLiteral("8"));
    Open();
    Click(QStringLiteral("5 + 1"));
    Input::PressKey(VK_ESCAPE);
    EXPECT_FALSE(Calc->DropDownForm()->Visible());
    EXPECT_EQ(Calc->Text(), QStringLiteral("8.00"));

    Open();
    Click(QStringLiteral("6"));
    Input::PressKey(VK_F4);
    EXPECT_FALSE(Calc->DropDownForm()->Visible()) << "F4 closes keeping the value";
    EXPECT_EQ(Calc->Text(), QStringLiteral("6.00"));
}

TEST_F(CalculatorTest, OperatorsWorkOnTheClosedEdit)
{
    Calc->SetText(QStringLiteral("7"));
    Input::TypeText(QStringLiteral("*6"));
    EXPECT_EQ(Calc->Text(), QStringLiteral("6.00"));
    Input::PressKey(VK_RETURN);
    EXPECT_EQ(Calc->Text(), QStringLiteral("42.00")) << "Enter is =, and is dropped";
    Input::TypeText(QStringLiteral("-2="));
    EXPECT_EQ(Calc->Text(), QStringLiteral("40.00"));
    Input::TypeText(QStringLiteral("c"));
    EXPECT_EQ(Calc->Text(), QStringLiteral("0.00"));
    Input::TypeText(QStringLiteral("x"));
    EXPECT_EQ(Calc->Text(), QStringLiteral("0.00")) << "other characters are dropped";
}

TEST_F(CalculatorTest, DeleteAndPopupBackspaceTurnErrorIntoZero)
{
    const struct {
        bool Open;
        uint16_t Key;
        int32_t Caret;
    } Cases[] = {{false, VK_DELETE, 0}, {false, VK_DELETE, 2}, {false, VK_DELETE, 5}, {true, VK_BACK, 5}};
    for (const auto& Case : Cases) {
        if (Case.Open) {
            Clock.Advance(300);
            Open();
            Click(QStringLiteral("C 5 / 0 ="));
        } else {
            Calc->SetText(TCalculatorEngine::ErrorText);
        }
        ASSERT_EQ(Calc->Text(), TCalculatorEngine::ErrorText);
        Calc->SetSelStart(Case.Caret);
        Calc->SetSelLength(0);
        Input::PressKey(Case.Key);
        EXPECT_EQ(Calc->Text(), QStringLiteral("0.00")) << "key " << Case.Key << " at " << Case.Caret;
        if (Case.Open) Input::PressKey(VK_ESCAPE);
    }
}

TEST_F(CalculatorTest, MaxLengthStopsDigitKeysButNotOperators)
{
    Calc->SetMaxLength(4);
    Calc->SetText(QStringLiteral("1"));
    Open();
    EXPECT_EQ(Click(QStringLiteral("5 . +/- + =")), QStringList({"1.00", "1.00", "1.00", "1.00", "2.00"}));
}

TEST_F(CalculatorTest, ThousandSeparatorsFollowTheLocale)
{
    Calc->SetShowThousandSeparator(true);
    EXPECT_EQ(Calc->EditType(), etMoney);
    Open();
    EXPECT_EQ(Click(QStringLiteral("1 2 3 4")).last(), QStringLiteral("1,234.00"));
    Click(QStringLiteral("MS C MR"));
    EXPECT_EQ(Calc->Engine()->Memory(), 1234);
    EXPECT_EQ(Calc->Text(), QStringLiteral("1,234.00"));
    Input::PressKey(VK_ESCAPE);

    TFormatSettingsScope German(Separators(QLatin1Char(','), QLatin1Char('.')));
    Open();
    EXPECT_EQ(Click(QStringLiteral("C 1 2 3 4 5 . 5")).last(), QStringLiteral("12.345,50"));
    Calc->SetShowThousandSeparator(false);
    EXPECT_EQ(Calc->Text(), QStringLiteral("12345,50"));
}

TEST_F(CalculatorTest, ComponentStylesColourTheKeysLikeTheDropButton)
{
    const TVyxStyle Styles[] = {tsOffice2007Luna, tsWindows7, tsOffice2010Blue, tsOffice2010Black};
    for (TVyxStyle Style : Styles) {
        Calc->SetComponentStyle(Style);
        const TExtButtonAppearance* From = Calc->ButtonAppearance();
        const TButtonAppearance* Keys = Calc->CalcButtonAppearance();
        const bool Office2010 = Style == tsOffice2010Blue || Style == tsOffice2010Black;
        EXPECT_EQ(Keys->Color(), From->Color()) << Style;
        EXPECT_EQ(Keys->ColorTo(), From->ColorTo()) << Style;
        EXPECT_EQ(Keys->ColorHot(), From->ColorHot()) << Style;
        EXPECT_EQ(Keys->ColorHotTo(), From->ColorHotTo()) << Style;
        EXPECT_EQ(Keys->ColorDown(), From->ColorDown()) << Style;
        EXPECT_EQ(Keys->ColorDownTo(), From->ColorDownTo()) << Style;
        EXPECT_EQ(Keys->BorderColorHot(), From->BorderColorHot()) << Style;
        EXPECT_EQ(Keys->GlowColorHot(), Office2010 ? From->ColorHot() : From->ColorDownTo()) << Style;
        EXPECT_EQ(Keys->GlowColorDown(), Office2010 ? From->ColorHot() : RGB(0x44, 0xC2, 0xD5)) << Style;
    }
}

}  // namespace
