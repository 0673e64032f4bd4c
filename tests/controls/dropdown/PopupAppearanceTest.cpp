// Header, footer and button appearances: defaults, copying, change notices; the guarded pointer list.
#include "dropdown/DbgList.h"
#include "dropdown/ExtButtonAppearance.h"
#include "dropdown/PopupAppearance.h"

#include "graphics/GraphicsObjects.h"
#include "rtl/Exceptions.h"
#include "support/ExceptionMessage.h"

#include <gtest/gtest.h>

TEST(PopupAppearanceTest, Defaults)
{
    THeaderAppearance Header(nullptr);
    TFooterAppearance Footer(nullptr);
    for (TPopupStripAppearance* Strip : {static_cast<TPopupStripAppearance*>(&Header), static_cast<TPopupStripAppearance*>(&Footer)}) {
        EXPECT_TRUE(Strip->Visible());
        EXPECT_EQ(Strip->Height(), 22);
        EXPECT_EQ(Strip->BorderWidth(), 1);
        EXPECT_EQ(Strip->ImageIndex(), -1);
        EXPECT_EQ(Strip->Color(), clSilver);
        EXPECT_EQ(Strip->ColorTo(), clWhite);
        EXPECT_EQ(Strip->BorderColor(), clBlack);
        EXPECT_EQ(Strip->GradientDirection(), gdVertical);
        EXPECT_EQ(Strip->ButtonAlignment(), baRight);
    }
    EXPECT_EQ(Header.Font()->Name(), QStringLiteral("Tahoma"));
    EXPECT_EQ(Footer.Font()->Name(), TFont().Name()) << "the footer keeps the default font";
    EXPECT_TRUE(Footer.SizeGrip());
}

TEST(PopupAppearanceTest, AssignCopiesEveryPropertyFromTheSameClassOnly)
{
    THeaderAppearance Source(nullptr);
    Source.SetColor(clRed);
    Source.SetColorTo(clNone);
    Source.SetBorderColor(clBlue);
    Source.SetCaption(QStringLiteral("<b>Head</b>"));
    Source.Font()->SetSize(13);
    Source.SetImageIndex(3);
    Source.SetBorderWidth(2);
    Source.SetGradientDirection(gdHorizontal);
    Source.SetHeight(30);
    Source.SetVisible(false);
    Source.SetButtonAlignment(baLeft);
    Source.Buttons()->Add()->SetCaption(QStringLiteral("One"));
    Source.Buttons()->Add()->SetWidth(40);

    THeaderAppearance Copy(nullptr);
    int32_t Changes = 0;
    Copy.OnChange = [&](TObject*) { ++Changes; };
    Copy.Assign(&Source);
    EXPECT_EQ(Copy.Color(), clRed);
    EXPECT_EQ(Copy.ColorTo(), clNone);
    EXPECT_EQ(Copy.BorderColor(), clBlue);
    EXPECT_EQ(Copy.Caption(), QStringLiteral("<b>Head</b>"));
    EXPECT_EQ(Copy.Font()->Size(), 13);
    EXPECT_EQ(Copy.ImageIndex(), 3);
    EXPECT_EQ(Copy.BorderWidth(), 2);
    EXPECT_EQ(Copy.GradientDirection(), gdHorizontal);
    EXPECT_EQ(Copy.Height(), 30);
    EXPECT_FALSE(Copy.Visible());
    EXPECT_EQ(Changes, 1) << "Visible goes through its setter";
    EXPECT_EQ(Copy.ButtonAlignment(), baLeft);
    ASSERT_EQ(Copy.Buttons()->Count(), 2);
    EXPECT_EQ(Copy.Buttons()->Items(0)->Caption(), QStringLiteral("One"));
    EXPECT_EQ(Copy.Buttons()->Items(1)->Width(), 40);

    // A footer appearance is no header appearance: nothing changes, nothing is raised.
    TFooterAppearance Footer(nullptr);
    Footer.SetColor(clLime);
    Footer.SetSizeGrip(false);
    Copy.Assign(&Footer);
    EXPECT_EQ(Copy.Color(), clRed);
    TFooterAppearance FooterCopy(nullptr);
    FooterCopy.Assign(&Footer);
    EXPECT_FALSE(FooterCopy.SizeGrip());
    EXPECT_EQ(FooterCopy.Color(), clLime);
}

TEST(PopupAppearanceTest, AssignColorsCopiesOnlyColoursAndFont)
{
    TFooterAppearance Source(nullptr);
    Source.SetColor(clRed);
    Source.SetColorTo(clYellow);
    Source.SetBorderColor(clBlue);
    Source.SetGradientDirection(gdHorizontal);
    Source.Font()->SetColor(clGreen);
    Source.SetCaption(QStringLiteral("x"));
    Source.SetHeight(40);
    TFooterAppearance Target(nullptr);
    Target.AssignColors(&Source);
    EXPECT_EQ(Target.Color(), clRed);
    EXPECT_EQ(Target.ColorTo(), clYellow);
    EXPECT_EQ(Target.BorderColor(), clBlue);
    EXPECT_EQ(Target.GradientDirection(), gdHorizontal);
    EXPECT_EQ(Target.Font()->Color(), clGreen);
    EXPECT_TRUE(Target.Caption().isEmpty());
    EXPECT_EQ(Target.Height(), 22);
}

TEST(PopupAppearanceTest, ButtonItemsTellOnlyCaptionEnabledAndWidthChanges)
{
    TFooterAppearance Footer(nullptr);
    int32_t Notices = 0;
    Footer.OnButtonsChanged = [&](TObject*) { ++Notices; };
    TFooterButton* Button = Footer.Buttons()->Add();
    Footer.Buttons()->Add();
    EXPECT_EQ(Notices, 0) << "adding fires nothing";
    Button->SetCaption(QStringLiteral("OK"));
    Button->SetCaption(QStringLiteral("OK"));
    Button->SetEnabled(false);
    Button->SetWidth(50);
    EXPECT_EQ(Notices, 3);
    Button->SetHeight(10);
    Button->SetImageIndex(2);
    Button->SetModalResult(mrOk);
    EXPECT_EQ(Notices, 3);
    Footer.Buttons()->Delete(1);
    EXPECT_EQ(Notices, 3);

    TFooterButtons Other(nullptr);
    TFooterButton* Copy = Other.Add();
    Copy->Assign(Button);
    EXPECT_EQ(Copy->Caption(), QStringLiteral("OK"));
    EXPECT_FALSE(Copy->Enabled());
    EXPECT_EQ(Copy->Width(), 50);
    EXPECT_EQ(Copy->Height(), 10);
    EXPECT_EQ(Copy->ImageIndex(), 2);
    EXPECT_EQ(Copy->ModalResult(), mrOk);

    THeaderButtons Headers(nullptr);
    EXPECT_THROW(Headers.Add()->Assign(Button), EConvertError);
}

TEST(PopupAppearanceTest, ButtonAppearanceDefaultsAndAssign)
{
    TExtButtonAppearance Appearance;
    EXPECT_EQ(Appearance.Color(), clNone);
    EXPECT_EQ(Appearance.ColorTo(), clNone);
    EXPECT_EQ(Appearance.BorderColor(), clNone);
    EXPECT_EQ(Appearance.ColorHot(), RGB(0xE1, 0xF0, 0xF5));
    EXPECT_EQ(Appearance.ColorHotTo(), RGB(0xB2, 0xD2, 0xF9));
    EXPECT_EQ(Appearance.BorderColorHot(), RGB(0x80, 0x80, 0x80));
    EXPECT_EQ(Appearance.BorderColorDown(), RGB(0, 0, 0x80));
    EXPECT_EQ(Appearance.BorderColorChecked(), RGB(0, 0, 0xFF));
    EXPECT_EQ(Appearance.ColorDisabled(), RGB(0xF2, 0xF2, 0xF2));
    EXPECT_EQ(Appearance.ColorDisabledTo(), clNone);
    EXPECT_EQ(Appearance.Gradient(), gdVertical);
    EXPECT_EQ(Appearance.Font()->Name(), QStringLiteral("Tahoma"));

    int32_t Changes = 0;
    Appearance.OnChange = [&](TObject*) { ++Changes; };
    Appearance.SetColorHot(RGB(0xE1, 0xF0, 0xF5));
    EXPECT_EQ(Changes, 0);
    Appearance.SetColorHot(clRed);
    Appearance.SetGradient(gdHorizontal);
    EXPECT_EQ(Changes, 2);

    TExtButtonAppearance Copy;
    Copy.Assign(&Appearance);
    EXPECT_EQ(Copy.ColorHot(), clRed);
    EXPECT_EQ(Copy.Gradient(), gdHorizontal);
    THeaderAppearance Header(nullptr);
    EXPECT_THROW(Copy.Assign(&Header), EConvertError);
}

TEST(DbgListTest, GuardedAccessNamesTheAccess)
{
    TDbgList List;
    int A = 0, B = 0;
    List.Add(&A);
    EXPECT_EQ(List.GetItemsEx(0), &A);
    EXPECT_EQ(MessageOf<Exception>([&] { List.GetItemsEx(1); }), QStringLiteral("Index out of bounds in list read access"));
    EXPECT_EQ(MessageOf<Exception>([&] { List.SetItemsEx(1, &B); }), QStringLiteral("Index out of bounds in list write access"));
    EXPECT_THROW(List.GetItemsEx(-1), EListError);
    List.SetItemsEx(0, &B);
    EXPECT_EQ(List.Items(0), &B);
    TList Other;
    Other.Add(&A);
    Other.Add(&B);
    List.AssignList(Other);
    ASSERT_EQ(List.Count(), 2);
    EXPECT_EQ(List.Items(0), &A);
    EXPECT_EQ(List.Items(1), &B);
}
