// The pop-up's header and footer (background, borders, caption, grip, button row) and its push buttons (faces, sizes, modal results), on rendered pixels and real clicks.
#include "DropDownTestSupport.h"

#include "dropdown/ExtButton.h"
#include "dropdown/ExtButtonAppearance.h"
#include "dropdown/ExtFooter.h"
#include "dropdown/ExtHeader.h"
#include "dropdown/PopupAppearance.h"
#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "graphics/GraphicsObjects.h"
#include "graphics/ImageList.h"
#include "support/Artifacts.h"

#include <gtest/gtest.h>

using namespace DropDownTest;

namespace {

class PopupPartsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = MakeForm(100, 100, 320, 200);
        DropDown = Place<TPanelDropDown>(Form.get(), Bounds(20, 20, 200, 21));
        DropDown->SetTabStop(true);
        DropDown->OnDropUp = [this](TObject*, bool Cancelled) { Log << (Cancelled ? "up cancelled" : "up"); };
        DropDown->OnDropDownFooterButtonClick = [this](TObject*, int32_t Index) { Log << QStringLiteral("footer %1").arg(Index); };
        DropDown->OnDropDownHeaderButtonClick = [this](TObject*, int32_t Index) { Log << QStringLiteral("header %1").arg(Index); };
        Form->Show();
        ProcessPendingEvents();
    }

    void Open()
    {
        Clock.Advance(300);
        ClickButton(DropDown);
        ASSERT_TRUE(DropDown->DroppedDown());
    }
    TExtHeader* Header() const { return DropDown->DropDownForm()->Header(); }
    TExtFooter* Footer() const { return DropDown->DropDownForm()->Footer(); }

    TTestClock Clock;
    std::unique_ptr<TForm> Form;
    TPanelDropDown* DropDown = nullptr;
    QStringList Log;
};

}  // namespace

TEST_F(PopupPartsTest, HeaderBackgroundBorderAndCaption)
{
    THeaderAppearance* Look = DropDown->DropDownHeader();
    Look->SetColor(RGB(255, 0, 0));
    Look->SetColorTo(clNone);
    Look->SetBorderColor(RGB(0, 0, 255));
    Look->SetCaption(QStringLiteral("<B>Title</B>"));
    Look->Font()->SetColor(RGB(0, 128, 0));
    DropDown->SetDropDownBorderColor(clBlack);
    Open();
    const QImage Image = RenderControl(Header());
    SaveArtifact(Image, QStringLiteral("dropdown-header"));
    const int W = Image.width(), H = Image.height();
    EXPECT_EQ(H, 22);
    EXPECT_TRUE(Header()->DoubleBuffered());
    // The main line along the bottom, the light inner frame (20 % border, 80 % white) above it.
    EXPECT_EQ(Hex(Image.pixel(W / 2, H - 1)), Hex(Rgb(RGB(0, 0, 255))));
    EXPECT_EQ(Hex(Image.pixel(W / 2, H - 2)), Hex(Rgb(RGB(204, 204, 255))));
    EXPECT_EQ(Hex(Image.pixel(0, H / 2)), Hex(Rgb(RGB(204, 204, 255))));
    EXPECT_EQ(Hex(Image.pixel(W - 1, H / 2)), Hex(Rgb(RGB(204, 204, 255))));
    EXPECT_EQ(Hex(Image.pixel(W - 10, H / 2)), Hex(Rgb(RGB(255, 0, 0))));
    // The caption is drawn in the appearance's font, vertically centred.
    int Top = H, Bottom = -1;
    for (int Y = 0; Y < H; ++Y)
        for (int X = 0; X < W; ++X)
            if (Image.pixel(X, Y) == Rgb(RGB(0, 128, 0))) {
                Top = std::min(Top, Y);
                Bottom = std::max(Bottom, Y);
            }
    ASSERT_GE(Bottom, 0) << "caption drawn";
    EXPECT_LE(std::abs((Top + Bottom) - (H - 1)), 4);
    // A caption the application empties draws nothing.
    DropDown->OnGetHeaderText = [](TObject*, QString& Text) { Text.clear(); };
    Input::PressKey(VK_ESCAPE);
    Open();
    const QImage Empty = RenderControl(Header());
    for (int Y = 0; Y < H; ++Y)
        for (int X = 0; X < W; ++X) ASSERT_NE(Empty.pixel(X, Y), Rgb(RGB(0, 128, 0)));
}

TEST_F(PopupPartsTest, NoBorderAndOwnerDrawnHeader)
{
    THeaderAppearance* Look = DropDown->DropDownHeader();
    Look->SetColor(RGB(255, 0, 0));
    Look->SetColorTo(clNone);
    Look->SetBorderWidth(0);
    Open();
    QImage Image = RenderControl(Header());
    EXPECT_EQ(Hex(Image.pixel(0, 0)), Hex(Rgb(RGB(255, 0, 0))));
    EXPECT_EQ(Hex(Image.pixel(Image.width() / 2, Image.height() - 1)), Hex(Rgb(RGB(255, 0, 0))));
    // Owner drawing replaces everything.
    DropDown->OnDrawHeader = [](TObject*, TCanvas* Canvas, TRect R) {
        Canvas->Brush()->SetColor(clLime);
        Canvas->FillRect(R);
    };
    Look->SetCaption(QStringLiteral("Hidden"));
    Input::PressKey(VK_ESCAPE);
    Open();
    Image = RenderControl(Header());
    for (int Y = 0; Y < Image.height(); ++Y)
        for (int X = 0; X < Image.width(); ++X) ASSERT_EQ(Image.pixel(X, Y), Rgb(clLime)) << X << "," << Y;
}

TEST_F(PopupPartsTest, FooterGripAndItsButtonArea)
{
    TFooterAppearance* Look = DropDown->DropDownFooter();
    Look->SetColor(RGB(200, 200, 200));
    Look->SetColorTo(clNone);
    Look->SetBorderColor(RGB(0, 0, 160));
    Look->Buttons()->Add()->SetCaption(QStringLiteral("OK"));
    Open();
    const QImage Image = RenderControl(Footer());
    SaveArtifact(Image, QStringLiteral("dropdown-footer-grip"));
    const int W = Image.width(), B = Image.height();
    const int L = W - 1 - 16;
    // Six embossed dots: white squares, each overlapped at its top-left by one in the border colour.
    for (const TPoint& Dot : {TPoint{5, -4}, TPoint{9, -4}, TPoint{13, -4}, TPoint{13, -8}, TPoint{13, -12}, TPoint{9, -8}}) {
        EXPECT_EQ(Hex(Image.pixel(L + Dot.X + 1, B + Dot.Y + 1)), Hex(Rgb(clWhite))) << Dot.X << "," << Dot.Y;
        EXPECT_EQ(Hex(Image.pixel(L + Dot.X - 1, B + Dot.Y - 1)), Hex(Rgb(RGB(0, 0, 160)))) << Dot.X << "," << Dot.Y;
    }
    // The main line along the top.
    EXPECT_EQ(Hex(Image.pixel(W / 2, 0)), Hex(Rgb(RGB(0, 0, 160))));
    // The button row leaves room for the grip.
    ASSERT_EQ(Footer()->ButtonCount(), 1);
    EXPECT_EQ(Footer()->ExtButtons(0)->Left() + Footer()->ExtButtons(0)->Width(), W - 14);
    // Without the grip it reaches to 2 pixels from the edge, and no dots are drawn.
    Input::PressKey(VK_ESCAPE);
    DropDown->SetDropDownSizeable(false);
    Open();
    EXPECT_FALSE(Footer()->GripActive());
    EXPECT_EQ(Footer()->ExtButtons(0)->Left() + Footer()->ExtButtons(0)->Width(), Footer()->Width() - 2);
    const QImage NoGrip = RenderControl(Footer());
    EXPECT_EQ(Hex(NoGrip.pixel(L + 6, B - 3)), Hex(Rgb(RGB(200, 200, 200))));
}

TEST_F(PopupPartsTest, ButtonsLineUpFromTheRightOrTheLeft)
{
    THeaderAppearance* Look = DropDown->DropDownHeader();
    Look->Buttons()->Add()->SetCaption(QStringLiteral("One"));
    Look->Buttons()->Add()->SetWidth(50);
    THeaderButton* Tall = Look->Buttons()->Add();
    Tall->SetCaption(QStringLiteral("Tall"));
    Tall->SetHeight(60);
    Open();
    ASSERT_EQ(Header()->ButtonCount(), 3);
    TExtButton* One = Header()->ExtButtons(0);
    TExtButton* Wide = Header()->ExtButtons(1);
    TExtButton* High = Header()->ExtButtons(2);
    const int32_t W = Header()->Width(), H = Header()->Height();
    // Sized to its caption: text width + 8, text height + 4.
    TBitmap Measure;
    Measure.Canvas()->Font()->Assign(DropDown->ButtonAppearance()->Font());
    EXPECT_EQ(One->Width(), Measure.Canvas()->TextWidth(QStringLiteral("One")) + 8);
    EXPECT_EQ(One->Height(), Measure.Canvas()->TextHeight(QStringLiteral("One")) + 4);
    EXPECT_EQ(Wide->Width(), 50);
    EXPECT_TRUE(One->DoubleBuffered());
    EXPECT_EQ(High->Height(), H - 2 - 3) << "no taller than the button area";
    // From the right edge of the area leftwards, touching.
    EXPECT_EQ(One->Left() + One->Width(), W - 2);
    EXPECT_EQ(Wide->Left() + Wide->Width(), One->Left());
    EXPECT_EQ(High->Left() + High->Width(), Wide->Left());
    EXPECT_EQ(One->Top(), std::max(2, (H - 3 - One->Height()) / 2));
    EXPECT_EQ(High->Top(), 2);
    // From the left.
    Input::PressKey(VK_ESCAPE);
    Look->SetButtonAlignment(baLeft);
    Open();
    EXPECT_EQ(Header()->ExtButtons(0)->Left(), 2);
    EXPECT_EQ(Header()->ExtButtons(1)->Left(), 2 + Header()->ExtButtons(0)->Width());
    // A click tells the header button event its index.
    Log.clear();
    Input::Click(Header()->ExtButtons(1), {3, 3});
    EXPECT_EQ(Log, QStringList{QStringLiteral("header 1")});
    EXPECT_TRUE(DropDown->DroppedDown());
}

TEST_F(PopupPartsTest, APushButtonShowsItsParentUntilHot)
{
    TExtButtonAppearance Defaults;
    DropDown->SetButtonAppearance(&Defaults);
    TFooterAppearance* Look = DropDown->DropDownFooter();
    Look->SetColor(RGB(0, 0, 0));
    Look->SetColorTo(RGB(0, 250, 0));
    Look->SetGradientDirection(gdHorizontal);
    Look->SetBorderColor(clNone);
    Look->Buttons()->Add()->SetCaption(QStringLiteral("Pick"));
    Open();
    TExtButton* Button = Footer()->ExtButtons(0);
    const QImage Strip = RenderControl(Footer());
    const QImage Normal = RenderControl(Button);
    SaveArtifact(Normal, QStringLiteral("dropdown-extbutton-normal"));
    // No face and no frame: the footer's gradient shows at the button's place.
    for (const TPoint& At : {TPoint{0, 0}, TPoint{1, Button->Height() / 2}, TPoint{Button->Width() - 1, Button->Height() - 1}})
        EXPECT_EQ(Hex(Normal.pixel(At.X, At.Y)), Hex(Strip.pixel(Button->Left() + At.X, Button->Top() + At.Y))) << At.X << "," << At.Y;
    Input::MoveMouse(Button, {3, 3});
    const QImage Hot = RenderControl(Button);
    SaveArtifact(Hot, QStringLiteral("dropdown-extbutton-hot"));
    // The frame, and the gradient from #E1F0F5 at the top towards #B2D2F9 at the bottom.
    EXPECT_EQ(Hex(Hot.pixel(0, Button->Height() / 2)), Hex(Rgb(RGB(0x80, 0x80, 0x80))));
    const QRgb High = Hot.pixel(2, 1), Low = Hot.pixel(2, Button->Height() - 2);
    EXPECT_GE(qRed(High), 0xD8);
    EXPECT_LE(qRed(High), 0xE1);
    EXPECT_GE(qRed(Low), 0xB2);
    EXPECT_LE(qRed(Low), 0xB8);
    EXPECT_EQ(qBlue(High), 0xF5);
    // Pressed: the down gradient from #CAD8F5 towards #A0BDF9.
    Input::MouseDown(Button, {3, 3});
    const QRgb Down = RenderControl(Button).pixel(2, 1);
    EXPECT_GE(qRed(Down), 0xC0);
    EXPECT_LE(qRed(Down), 0xCA);
    // A press that leaves the button shows the normal face and clicks nothing.
    Input::MoveMouse(Button, {-20, 3});
    Input::MouseUp(Button, {-20, 3});
    EXPECT_TRUE(Log.isEmpty());
    // Without an appearance the button draws nothing over its parent.
    Button->SetAppearance(nullptr);
    const QImage Bare = RenderControl(Button);
    EXPECT_EQ(Hex(Bare.pixel(2, 1)), Hex(Strip.pixel(Button->Left() + 2, Button->Top() + 1)));
}

TEST_F(PopupPartsTest, FooterButtonsCloseByTheirModalResult)
{
    TFooterButtons* Buttons = DropDown->DropDownFooter()->Buttons();
    for (const TModalResult Result : {mrOk, mrCancel, mrClose}) {
        TFooterButton* Item = Buttons->Add();
        Item->SetCaption(QStringLiteral("B%1").arg(Result));
        Item->SetModalResult(Result);
    }
    DropDown->SetText(QStringLiteral("old"));
    Open();
    DropDown->SetSelStart(3);
    Input::TypeText(QStringLiteral("er"));
    Input::Click(Footer()->ExtButtons(0), {3, 3});
    EXPECT_FALSE(DropDown->DroppedDown());
    EXPECT_EQ(DropDown->Text(), QStringLiteral("older"));
    EXPECT_EQ(Log, (QStringList{"up", "footer 0"}));
    Log.clear();
    Open();
    Input::Click(Footer()->ExtButtons(1), {3, 3});
    EXPECT_FALSE(DropDown->DroppedDown());
    EXPECT_EQ(DropDown->Text(), QStringLiteral("old")) << "Cancel gives back the text last set";
    EXPECT_EQ(Log, (QStringList{"up cancelled", "footer 1"}));
    Log.clear();
    Open();
    Input::Click(Footer()->ExtButtons(2), {3, 3});
    EXPECT_TRUE(DropDown->DroppedDown()) << "Close leaves the pop-up open";
    EXPECT_EQ(Log, (QStringList{"footer 2"}));
    EXPECT_EQ(DropDown->DropDownForm()->ModalResult(), mrClose);
    // Worked from the keyboard: closes by the result, fires no button event.
    Log.clear();
    Footer()->ExtButtons(0)->SetFocus();
    Input::PressKey(VK_RETURN);
    EXPECT_FALSE(DropDown->DroppedDown());
    EXPECT_EQ(Log, (QStringList{"up"}));
}

TEST_F(PopupPartsTest, AFreedImageListIsForgottenEverywhere)
{
    // Owned by nobody: only the drop-down's own notice can tell it of the list going.
    auto* Images = new TImageList(nullptr);
    Images->SetWidth(16);
    Images->SetHeight(16);
    TBitmap Picture;
    Picture.SetSize(16, 16);
    Images->Add(&Picture, nullptr);
    DropDown->SetImages(Images);
    DropDown->DropDownHeader()->SetImageIndex(0);
    DropDown->DropDownHeader()->Buttons()->Add()->SetImageIndex(0);
    Open();
    ASSERT_EQ(Header()->Images(), Images);
    ASSERT_EQ(Header()->ExtButtons(0)->Images(), Images);
    delete Images;
    EXPECT_EQ(DropDown->Images(), nullptr);
    EXPECT_EQ(Header()->Images(), nullptr);
    EXPECT_EQ(Header()->ExtButtons(0)->Images(), nullptr);
    RenderControl(DropDown->DropDownForm());
}
