// TExtGridButton: looks, groups, check style, the drop-down part, tracking, glyph copies and painting on pixels.
#include "grid/base/ExtGridButton.h"

#include "EditorTestSupport.h"
#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "rtl/NumConv.h"
#include "support/Artifacts.h"
#include "support/Input.h"
#include "windows/ActnList.h"
#include "windows/Menus.h"

#include <gtest/gtest.h>

using namespace EditorTest;

namespace {

// A colour written #RRGGBB.
constexpr TColor Hex(uint32_t RRGGBB)
{
    return static_cast<TColor>(RGB((RRGGBB >> 16) & 0xFF, (RRGGBB >> 8) & 0xFF, RRGGBB & 0xFF));
}

// An 8 x 8 glyph: red with a white transparent corner at the bottom left.
std::unique_ptr<TBitmap> RedGlyph()
{
    auto Glyph = std::make_unique<TBitmap>();
    Glyph->SetPixelFormat(pf24bit);
    Glyph->SetSize(8, 8);
    Glyph->Canvas()->Brush()->SetColor(clRed);
    Glyph->Canvas()->FillRect(Rect(0, 0, 8, 8));
    Glyph->Canvas()->SetPixels(0, 7, clWhite);
    return Glyph;
}

// A menu that notes where it was asked to pop up instead of running.
class TNotingMenu : public TPopupMenu {
public:
    using TPopupMenu::TPopupMenu;
    TPoint PoppedAt{-1, -1};
    void Popup(int32_t X, int32_t Y) override { PoppedAt = {X, Y}; }
};

class ExtGridButtonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = MakeForm(300, 120);
        Form->Show();
        ProcessPendingEvents();
        MoveAway();
    }

    TExtGridButton* AddButton(const QString& Name, const TRect& Bounds)
    {
        auto* Button = Place<TExtGridButton>(Form.get(), Bounds);
        Button->SetName(Name);
        Button->OnClick = [this](TObject* Sender) { Clicks.append(static_cast<TComponent*>(Sender)->Name()); };
        return Button;
    }

    void MoveAway() { Input::MoveMouse(Form.get(), {290, 110}); }

    std::unique_ptr<TForm> Form;
    QStringList Clicks;
};

// ---- Properties ----

TEST_F(ExtGridButtonTest, CreationValues)
{
    auto* Button = New<TExtGridButton>(Form.get());
    EXPECT_EQ(Button->Width(), 22);
    EXPECT_EQ(Button->Height(), 23);
    EXPECT_EQ(Button->ControlStyle(), (TControlStyle{csCaptureMouse, csDoubleClicks}));
    EXPECT_EQ(Button->Color(), clBtnFace);
    EXPECT_EQ(Button->ColorTo(), clNone);
    EXPECT_EQ(Button->ColorDown(), Hex(0xD2D3D8));
    EXPECT_EQ(Button->ColorHot(), Hex(0xC7C7CA));
    EXPECT_EQ(Button->ColorChecked(), clGray);
    EXPECT_EQ(Button->BorderColor(), clNone);
    EXPECT_EQ(Button->BorderDownColor(), clNone);
    EXPECT_EQ(Button->BorderHotColor(), clNone);
    EXPECT_TRUE(Button->Flat());
    EXPECT_TRUE(Button->Shaded());
    EXPECT_TRUE(Button->ShowCaption());
    EXPECT_FALSE(Button->Rounded());
    EXPECT_EQ(Button->Margin(), -1);
    EXPECT_EQ(Button->Spacing(), 4);
    EXPECT_EQ(Button->Layout(), blGlyphLeft);
    EXPECT_EQ(Button->Style(), tasButton);
    EXPECT_EQ(Button->GroupIndex(), 0);
    Button->SetMargin(-2);
    EXPECT_EQ(Button->Margin(), -1);
    Button->SetMargin(3);
    EXPECT_EQ(Button->Margin(), 3);
}

TEST_F(ExtGridButtonTest, LooksSetTheirColourSets)
{
    struct TCase {
        int32_t Look;
        TColor Color, ColorTo, ColorHot, ColorHotTo, ColorDown, ColorDownTo, ColorChecked, ColorCheckedTo, BorderDown, BorderHot;
        bool Rounded;
    };
    const TCase Cases[] = {
        {0, Hex(0xF1F1ED), Hex(0xEBEBDF), Hex(0xFCFCFA), Hex(0xEDECE5), Hex(0xE7E6E0), Hex(0xE1E0D8), Hex(0xFFFFFF), clNone, Hex(0x7A98AF), Hex(0xCECEC3), true},
        {1, clBtnFace, clNone, Hex(0xC1D2EE), clNone, Hex(0x98B5E2), clNone, Hex(0xE1E6E8), clNone, Hex(0x316AC5), Hex(0x316AC5), false},
        {2, Hex(0xDAEAFD), Hex(0x88AEE4), Hex(0xFFF4CC), Hex(0xFFD091), Hex(0xFE914E), Hex(0xFFD38E), Hex(0xFFD38E), Hex(0xFFAD55), clBlack, clBlack, false},
        {3, Hex(0xEAF0CF), Hex(0xB1C08C), Hex(0xFFF4CC), Hex(0xFFD091), Hex(0xFE914E), Hex(0xFFD38E), Hex(0xFFD38E), Hex(0xFFAD55), clBlack, clBlack, false},
        {4, Hex(0xE1E2EC), Hex(0x9896B3), Hex(0xFFF4CC), Hex(0xFFD091), Hex(0xFE914E), Hex(0xFFD38E), Hex(0xFFD38E), Hex(0xFFAD55), clBlack, clBlack, false},
        {5, clBtnFace, clNone, clBtnFace, clNone, Hex(0xD2D3D8), clNone, Hex(0xC7C7CA), clNone, clNone, clNone, false},
        {6, Hex(0xFFFFCA), Hex(0xFFFFA6), Hex(0xFDF0A8), Hex(0xFCE97C), Hex(0xFBE04D), Hex(0xFCE97A), Hex(0xF2E6B5), Hex(0xEDDD9C), clGray, clGray, false},
    };
    auto* Button = AddButton(QStringLiteral("B"), Bounds(10, 10, 22, 23));
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Look);
        Button->SetFlat(false);
        Button->SetBorderColor(clRed);
        Button->SetLook(Case.Look);
        EXPECT_EQ(Button->Look(), Case.Look);
        EXPECT_EQ(ColorText(Button->Color()), ColorText(Case.Color));
        EXPECT_EQ(Button->ColorTo(), Case.ColorTo);
        EXPECT_EQ(Button->ColorHot(), Case.ColorHot);
        EXPECT_EQ(Button->ColorHotTo(), Case.ColorHotTo);
        EXPECT_EQ(Button->ColorDown(), Case.ColorDown);
        EXPECT_EQ(Button->ColorDownTo(), Case.ColorDownTo);
        EXPECT_EQ(Button->ColorChecked(), Case.ColorChecked);
        EXPECT_EQ(Button->ColorCheckedTo(), Case.ColorCheckedTo);
        EXPECT_EQ(Button->BorderDownColor(), Case.BorderDown);
        EXPECT_EQ(Button->BorderHotColor(), Case.BorderHot);
        EXPECT_EQ(Button->Rounded(), Case.Rounded);
        EXPECT_EQ(Button->BorderColor(), clNone);
        EXPECT_TRUE(Button->Flat());
    }
    for (int32_t Outside : {7, -1}) {
        Button->SetLook(Outside);
        EXPECT_EQ(Button->Look(), 6);
        EXPECT_EQ(Button->ColorHot(), Hex(0xFDF0A8));
    }
    // The theme's look: no visual style here, so look 1.
    Button->SetAutoThemeAdapt(true);
    EXPECT_EQ(Button->Look(), 1);
    Button->SetLook(3);
    Button->Perform(WM_THEMECHANGED, 0, 0);
    EXPECT_EQ(Button->Look(), 1);
}

// ---- Groups and presses ----

TEST_F(ExtGridButtonTest, GroupedButtonsRaiseEachOther)
{
    auto* First = AddButton(QStringLiteral("First"), Bounds(10, 10, 40, 23));
    auto* Second = AddButton(QStringLiteral("Second"), Bounds(60, 10, 40, 23));
    First->SetGroupIndex(1);
    Second->SetGroupIndex(1);
    Input::Click(First, {5, 5});
    Input::Click(Second, {5, 5});
    EXPECT_TRUE(Second->Down());
    EXPECT_FALSE(First->Down());
    EXPECT_EQ(First->State(), bsUp);
    Input::Click(Second, {5, 5});
    EXPECT_TRUE(Second->Down()) << "without AllowAllUp the down button stays down";
    EXPECT_EQ(Clicks, (QStringList{"First", "Second", "Second"}));
    Second->SetAllowAllUp(true);
    EXPECT_TRUE(First->AllowAllUp());
    Input::Click(Second, {5, 5});
    EXPECT_FALSE(Second->Down());
}

TEST_F(ExtGridButtonTest, DownNeedsAGroupOrTheCheckStyle)
{
    auto* Button = AddButton(QStringLiteral("B"), Bounds(10, 10, 40, 23));
    Button->SetDown(true);
    EXPECT_FALSE(Button->Down());
    Button->SetStyle(tasCheck);
    for (int32_t Group : {0, 2}) {
        SCOPED_TRACE(Group);
        Button->SetGroupIndex(Group);
        Button->SetDown(false);
        Input::Click(Button, {5, 5});
        EXPECT_TRUE(Button->Down());
        Input::Click(Button, {5, 5});
        EXPECT_FALSE(Button->Down());
    }
}

TEST_F(ExtGridButtonTest, PressDragAndRelease)
{
    auto* Button = AddButton(QStringLiteral("B"), Bounds(10, 10, 40, 23));
    Input::MouseDown(Button, {5, 5});
    EXPECT_EQ(Button->State(), bsDown);
    Input::MoveMouse(Button, {60, 5});
    EXPECT_EQ(Button->State(), bsUp);
    Input::MoveMouse(Button, {39, 23});
    EXPECT_EQ(Button->State(), bsDown) << "the bottom edge counts as inside";
    Input::MoveMouse(Button, {40, 5});
    Input::MouseUp(Button, {40, 5});
    EXPECT_TRUE(Clicks.isEmpty()) << "released outside";
    EXPECT_EQ(Button->State(), bsUp);
}

TEST_F(ExtGridButtonTest, DropDownPartFiresOnDropDownAndPopsTheMenu)
{
    auto* Button = AddButton(QStringLiteral("B"), Bounds(10, 10, 40, 23));
    Button->SetDropDownButton(true);
    int32_t DropDowns = 0;
    Button->OnDropDown = [&](TObject*) { ++DropDowns; };
    auto* Menu = New<TNotingMenu>(Form.get());
    Button->SetDropDownMenu(Menu);
    Input::Click(Button, {29, 5});
    EXPECT_EQ(DropDowns, 1);
    EXPECT_TRUE(Clicks.isEmpty());
    EXPECT_EQ(Menu->PoppedAt, Button->ClientToScreen({0, 23}));
    Input::Click(Button, {28, 5});
    EXPECT_EQ(DropDowns, 1);
    EXPECT_EQ(Clicks, QStringList{QStringLiteral("B")});
    delete Menu;
    EXPECT_EQ(Button->DropDownMenu(), nullptr);
}

TEST_F(ExtGridButtonTest, HotTrackingAndEvents)
{
    auto* Button = AddButton(QStringLiteral("B"), Bounds(10, 10, 40, 23));
    QStringList Events;
    Button->OnMouseEnter = [&](TObject*) { Events.append(QStringLiteral("enter")); };
    Button->OnMouseLeave = [&](TObject*) { Events.append(QStringLiteral("leave")); };
    Input::MoveMouse(Button, {5, 5});
    EXPECT_TRUE(Button->Hot());
    MoveAway();
    EXPECT_FALSE(Button->Hot());
    EXPECT_EQ(Events, (QStringList{"enter", "leave"}));
    // A disabled button does not become hot.
    Button->SetEnabled(false);
    Input::MoveMouse(Button, {5, 5});
    EXPECT_FALSE(Button->Hot());
    // Enabled under the pointer, it tests the pointer again: hot, and the entry reported.
    Events.clear();
    Button->SetEnabled(true);
    EXPECT_TRUE(Button->Hot());
    EXPECT_EQ(Events, QStringList{QStringLiteral("enter")});
    MoveAway();
}

TEST_F(ExtGridButtonTest, AcceleratorAndDoubleClick)
{
    auto* Button = AddButton(QStringLiteral("B"), Bounds(10, 10, 60, 23));
    Button->SetCaption(QStringLiteral("&Find"));
    Input::PressKey('F', {ssAlt});
    ProcessPendingEvents();
    EXPECT_EQ(Clicks, QStringList{QStringLiteral("B")});
    int32_t DoubleClicks = 0;
    Button->OnDblClick = [&](TObject*) { ++DoubleClicks; };
    Input::DoubleClick(Button, {5, 5});
    EXPECT_EQ(DoubleClicks, 0) << "only a down button reports double clicks";
    Button->SetGroupIndex(1);
    Button->SetDown(true);
    Input::DoubleClick(Button, {5, 5});
    EXPECT_EQ(DoubleClicks, 1);
}

TEST_F(ExtGridButtonTest, ActionLinksCaptionDownAndGroup)
{
    auto* Button = AddButton(QStringLiteral("B"), Bounds(10, 10, 60, 23));
    auto* Action = New<TAction>(Form.get());
    Action->SetCaption(QStringLiteral("Next"));
    Button->SetAction(Action);
    EXPECT_EQ(Button->Caption(), "Next");
    Action->SetCaption(QStringLiteral("Previous"));
    EXPECT_EQ(Button->Caption(), "Previous");
    // The group follows while equal; checked needs a group and AllowAllUp.
    Action->SetGroupIndex(0);
    Action->SetGroupIndex(4);
    EXPECT_EQ(Button->GroupIndex(), 4);
    Action->SetChecked(true);
    EXPECT_FALSE(Button->Down());
    Button->SetAllowAllUp(true);
    Action->SetChecked(false);
    Action->SetChecked(true);
    EXPECT_TRUE(Button->Down());
    // Raised by another of its group, it unchecks its action.
    auto* Other = AddButton(QStringLiteral("Other"), Bounds(80, 10, 40, 23));
    Other->SetGroupIndex(4);
    Input::Click(Other, {5, 5});
    EXPECT_FALSE(Button->Down());
    EXPECT_FALSE(Action->Checked());
}

// ---- Glyphs ----

TEST_F(ExtGridButtonTest, GlyphMakesTheGreyDisabledCopy)
{
    auto* Button = AddButton(QStringLiteral("B"), Bounds(10, 10, 22, 23));
    TBitmap Glyph;
    Glyph.SetPixelFormat(pf24bit);
    Glyph.SetSize(3, 1);
    Glyph.Canvas()->SetPixels(0, 0, RGB(200, 100, 30));
    Glyph.Canvas()->SetPixels(1, 0, RGB(0, 0, 0));
    Glyph.Canvas()->SetPixels(2, 0, RGB(255, 255, 255));
    Button->SetGlyph(&Glyph);
    // ((R + G + B) div 3) div 2 + 96: 110 div 2 + 96, 96, 127 + 96.
    const int32_t Levels[] = {151, 96, 223};
    for (int32_t X = 0; X < 3; ++X) {
        const COLORREF Grey = ColorToRGB(Button->GlyphDisabled()->Canvas()->Pixels(X, 0));
        EXPECT_EQ(Grey, RGB(Levels[X], Levels[X], Levels[X])) << X;
    }
    // An own disabled glyph is kept.
    TBitmap Other;
    Other.SetSize(1, 1);
    Button->SetGlyph(&Other);
    EXPECT_EQ(Button->GlyphDisabled()->Width(), 3);
}

TEST_F(ExtGridButtonTest, ShadowIsTheGreySilhouetteKeyedOnTheBottomLeftPixel)
{
    auto* Button = AddButton(QStringLiteral("B"), Bounds(10, 10, 22, 23));
    TBitmap Glyph;
    Glyph.SetPixelFormat(pf24bit);
    Glyph.SetSize(3, 2);
    Glyph.Canvas()->Brush()->SetColor(clBlue);
    Glyph.Canvas()->FillRect(Rect(0, 0, 3, 2));
    Glyph.Canvas()->SetPixels(0, 1, clLime);
    Glyph.Canvas()->SetPixels(2, 0, clLime);
    Glyph.Canvas()->SetPixels(1, 1, RGB(0x80, 0x80, 0x80));
    Button->SetGlyph(&Glyph);
    Button->SetShaded(true);
    TBitmap* Shade = Button->GlyphShade();
    ASSERT_EQ(Shade->Width(), 3);
    const TColor Expected[2][3] = {{clGray, clGray, clWhite}, {clWhite, clGray, clGray}};
    for (int32_t Y = 0; Y < 2; ++Y)
        for (int32_t X = 0; X < 3; ++X)
            EXPECT_EQ(ColorText(Shade->Canvas()->Pixels(X, Y)), ColorText(Expected[Y][X])) << X << "," << Y;
}

// ---- Painting ----

// The colour of band n of a 16-band gradient, as the button computes it.
COLORREF BandColor(TColor From, TColor To, int32_t Band)
{
    const COLORREF A = ColorToRGB(From), B = ColorToRGB(To);
    const auto Channel = [Band](int32_t X, int32_t Y) { return static_cast<int32_t>(RoundHalfEven(X + Band * (Y - X) / 16.0L)); };
    return RGB(Channel(GetRValue(A), GetRValue(B)), Channel(GetGValue(A), GetGValue(B)), Channel(GetBValue(A), GetBValue(B)));
}

TEST_F(ExtGridButtonTest, GradientIsSixteenBands)
{
    auto* Button = AddButton(QStringLiteral("B"), Bounds(10, 10, 22, 23));
    Button->SetLook(2);
    const QImage Image = RenderControl(Button);
    // Band n starts at round(n * 23 / 16) and is round(23 / 16) + 1 high; later bands cover earlier ones.
    for (int32_t Y = 0; Y < 23; ++Y) {
        int32_t Band = 0;
        for (int32_t N = 0; N < 16; ++N)
            if (RoundHalfEven(N * 23 / 16.0) <= Y) Band = N;
        EXPECT_EQ(PixelText(Image, 11, Y), ColorText(static_cast<TColor>(BandColor(Hex(0xDAEAFD), Hex(0x88AEE4), Band)))) << Y;
    }
    EXPECT_EQ(PixelText(Image, 0, 0), ColorText(Hex(0xDAEAFD))) << "no outline when not down";
}

TEST_F(ExtGridButtonTest, HotLooksOutlineAndRounding)
{
    auto* Square = AddButton(QStringLiteral("Square"), Bounds(10, 10, 30, 23));
    Square->SetLook(1);
    auto* Round = AddButton(QStringLiteral("Round"), Bounds(60, 10, 30, 23));
    Round->SetLook(0);
    Input::MoveMouse(Square, {5, 5});
    QImage Image = RenderControl(Square);
    EXPECT_EQ(PixelText(Image, 0, 0), ColorText(Hex(0x316AC5)));
    EXPECT_EQ(PixelText(Image, 29, 22), ColorText(Hex(0x316AC5)));
    EXPECT_EQ(PixelText(Image, 10, 10), ColorText(Hex(0xC1D2EE)));
    Input::MouseDown(Square, {5, 5});
    EXPECT_EQ(PixelText(RenderControl(Square), 10, 10), ColorText(Hex(0x98B5E2)));
    Input::MouseUp(Square, {5, 5});
    Input::MoveMouse(Round, {5, 5});
    Image = RenderControl(Round);
    // A rounded outline in the hot border colour: the corner stays out, the middle of each edge is in.
    EXPECT_NE(PixelText(Image, 0, 0), ColorText(Hex(0xCECEC3)));
    EXPECT_EQ(PixelText(Image, 15, 0), ColorText(Hex(0xCECEC3)));
    EXPECT_EQ(PixelText(Image, 0, 11), ColorText(Hex(0xCECEC3)));
    EXPECT_EQ(PixelText(Image, 29, 11), ColorText(Hex(0xCECEC3)));
    MoveAway();
}

TEST_F(ExtGridButtonTest, DropDownSeparatorAndArrow)
{
    auto* Button = AddButton(QStringLiteral("B"), Bounds(10, 10, 40, 23));
    Button->SetLook(1);
    Button->SetDropDownButton(true);
    Button->Font()->SetColor(clBlack);
    QImage Image = RenderControl(Button);
    // R shrinks by 1 after the face: the arrow's corners are (R.Right - 8, c), (R.Right - 4, c), (R.Right - 6, c + 2),
    // with R.Right = 39 and c = 1 + (22 - 1) div 2 - 1 = 10.
    EXPECT_EQ(InkBounds(Image, clBlack, QRect(20, 0, 20, 23)), QRect(31, 10, 5, 3));
    EXPECT_TRUE(InkBounds(Image, Hex(0x316AC5), QRect(0, 0, 40, 23)).isEmpty()) << "no separator while not hot";
    Input::MoveMouse(Button, {5, 5});
    Image = RenderControl(Button);
    // The separator at R.Right - 12 before the shrink: 40 - 12.
    EXPECT_EQ(PixelText(Image, 28, 11), ColorText(Hex(0x316AC5)));
    EXPECT_EQ(PixelText(Image, 27, 11), ColorText(Hex(0xC1D2EE)));
    MoveAway();
}

TEST_F(ExtGridButtonTest, HotShadedGlyphLiftsOverItsShadow)
{
    struct TCase {
        const char* Name;
        int32_t GroupIndex;
        bool Shadow;
    };
    // Down in a group the glyph lifts too, but is drawn as pressed: no shadow.
    const TCase Cases[] = {{"Up", 0, true}, {"DownInAGroup", 1, false}};
    const auto Glyph = RedGlyph();
    const QRect Area(0, 0, 60, 23);
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        auto* Button = AddButton(QString::fromLatin1(Case.Name), Bounds(10, 10, 60, 23));
        Button->SetLook(5);
        Button->SetGlyph(Glyph.get());
        Button->SetShaded(true);
        Button->SetCaption(QStringLiteral("x"));
        Button->SetGroupIndex(Case.GroupIndex);
        Button->SetDown(Case.GroupIndex != 0);
        const QRect Rest = InkBounds(RenderControl(Button), clRed, Area);
        Input::MoveMouse(Button, {5, 5});
        const QImage Hot = RenderControl(Button);
        const QRect Lifted = InkBounds(Hot, clRed, Area);
        EXPECT_EQ(Lifted, Rest.translated(-1, -1));
        EXPECT_EQ(PixelText(Hot, Lifted.right() + 2, Lifted.bottom() + 2) == ColorText(clGray), Case.Shadow);
        MoveAway();
        delete Button;
    }
}

TEST_F(ExtGridButtonTest, DisabledCaptionIsEmbossed)
{
    auto* Button = AddButton(QStringLiteral("B"), Bounds(10, 10, 60, 23));
    Button->SetLook(5);
    Button->SetCaption(QStringLiteral("Find"));
    Button->SetEnabled(false);
    const QImage Image = RenderControl(Button);
    const QRect Shadow = InkBounds(Image, clBtnShadow, QRect(0, 0, 60, 23));
    const QRect Light = InkBounds(Image, clBtnHighlight, QRect(0, 0, 60, 23));
    ASSERT_FALSE(Shadow.isEmpty());
    EXPECT_EQ(Light.bottomRight(), Shadow.bottomRight() + QPoint(1, 1));
}

TEST(ExtGridButtonSheetTest, LooksRenderedToArtifacts)
{
    auto Form = MakeForm(330, 100);
    Form->Show();
    const auto Glyph = RedGlyph();
    for (int32_t Look = 0; Look <= 6; ++Look) {
        for (int32_t Row = 0; Row < 3; ++Row) {
            auto* Button = Place<TExtGridButton>(Form.get(), Bounds(5 + Look * 46, 5 + Row * 30, 42, 24));
            Button->SetLook(Look);
            Button->SetGlyph(Glyph.get());
            Button->SetCaption(QStringLiteral("L%1").arg(Look));
            if (Row == 1) {
                Button->SetGroupIndex(1 + Look);
                Button->SetDown(true);
            }
            if (Row == 2) Button->SetDropDownButton(true);
        }
    }
    const QImage Image = RenderControl(Form.get());
    SaveArtifact(Image, QStringLiteral("ExtGridButtonLooks"));
    EXPECT_FALSE(Image.isNull());
}

}  // namespace
