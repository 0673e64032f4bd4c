// The grid's control look: fixed-gradient colours handed to the grid, what Assign copies, and
// which setters repaint the grid.
#include "ExtGridTestSupport.h"

#include "support/LayerInternals.h"

#include "grid/core/ControlLook.h"

#include "dropdown/PopupAppearance.h"

#include <functional>

namespace {

using TGet = TColor (TControlLook::*)() const;
using TSet = void (TControlLook::*)(TColor);
using TGridGet = TColor (TExtStringGrid::*)() const;

struct TGradient {
    const char* Name;
    TGet Get;
    TSet Set;
    TGridGet GridGet;
    TColor Initial;
    // clNone reaches the grid too.
    bool PassesNone;
};

const TGradient Gradients[] = {
    {"From", &TControlLook::FixedGradientFrom, &TControlLook::SetFixedGradientFrom, &TExtStringGrid::VyxGradientFrom,
     clNone, false},
    {"To", &TControlLook::FixedGradientTo, &TControlLook::SetFixedGradientTo, &TExtStringGrid::VyxGradientTo, clNone,
     false},
    {"MirrorFrom", &TControlLook::FixedGradientMirrorFrom, &TControlLook::SetFixedGradientMirrorFrom,
     &TExtStringGrid::VyxGradientMirrorFrom, clNone, true},
    {"MirrorTo", &TControlLook::FixedGradientMirrorTo, &TControlLook::SetFixedGradientMirrorTo,
     &TExtStringGrid::VyxGradientMirrorTo, clNone, true},
    {"HoverFrom", &TControlLook::FixedGradientHoverFrom, &TControlLook::SetFixedGradientHoverFrom,
     &TExtStringGrid::VyxGradientHoverFrom, clGray, false},
    {"HoverTo", &TControlLook::FixedGradientHoverTo, &TControlLook::SetFixedGradientHoverTo,
     &TExtStringGrid::VyxGradientHoverTo, clWhite, false},
    {"HoverMirrorFrom", &TControlLook::FixedGradientHoverMirrorFrom, &TControlLook::SetFixedGradientHoverMirrorFrom,
     &TExtStringGrid::VyxGradientHoverMirrorFrom, clNone, true},
    {"HoverMirrorTo", &TControlLook::FixedGradientHoverMirrorTo, &TControlLook::SetFixedGradientHoverMirrorTo,
     &TExtStringGrid::VyxGradientHoverMirrorTo, clNone, true},
    {"HoverBorder", &TControlLook::FixedGradientHoverBorder, &TControlLook::SetFixedGradientHoverBorder,
     &TExtStringGrid::VyxGradientHoverBorder, clSilver, false},
    {"DownFrom", &TControlLook::FixedGradientDownFrom, &TControlLook::SetFixedGradientDownFrom,
     &TExtStringGrid::VyxGradientDownFrom, clGray, false},
    {"DownTo", &TControlLook::FixedGradientDownTo, &TControlLook::SetFixedGradientDownTo,
     &TExtStringGrid::VyxGradientDownTo, clSilver, false},
    {"DownMirrorFrom", &TControlLook::FixedGradientDownMirrorFrom, &TControlLook::SetFixedGradientDownMirrorFrom,
     &TExtStringGrid::VyxGradientDownMirrorFrom, clNone, true},
    {"DownMirrorTo", &TControlLook::FixedGradientDownMirrorTo, &TControlLook::SetFixedGradientDownMirrorTo,
     &TExtStringGrid::VyxGradientDownMirrorTo, clNone, true},
    {"DownBorder", &TControlLook::FixedGradientDownBorder, &TControlLook::SetFixedGradientDownBorder,
     &TExtStringGrid::VyxGradientDownBorder, clGray, false},
};

TEST_F(ExtGridFixture, EveryGradientColourReachesTheGridByItsRule)
{
    TControlLook* Look = Grid->ControlLook();
    for (const TGradient& G : Gradients) {
        SCOPED_TRACE(G.Name);
        EXPECT_EQ((Look->*G.Get)(), G.Initial);
        (Look->*G.Set)(0x123456);
        EXPECT_EQ((Look->*G.Get)(), 0x123456);
        EXPECT_EQ((Grid->*G.GridGet)(), 0x123456);
        (Look->*G.Set)(clNone);
        EXPECT_EQ((Look->*G.Get)(), clNone);
        EXPECT_EQ((Grid->*G.GridGet)(), G.PassesNone ? clNone : 0x123456);
    }
    // Init puts every colour back, the grid's only through the mirror colours of hover and down.
    Look->Init();
    for (const TGradient& G : Gradients) {
        SCOPED_TRACE(G.Name);
        EXPECT_EQ((Look->*G.Get)(), G.Initial);
    }
    EXPECT_EQ(Grid->VyxGradientFrom(), 0x123456);
    EXPECT_EQ(Grid->VyxGradientDownBorder(), 0x123456);
}

TEST_F(ExtGridFixture, AssignCopiesEachGradientColourIntoItsOwnProperty)
{
    TControlLook* Look = Grid->ControlLook();
    TControlLook Other(nullptr);
    TColor Colour = 0x010203;
    for (const TGradient& G : Gradients) (Other.*G.Set)(Colour += 0x010101);
    Other.SetColor(clMaroon);
    Other.SetCommentColor(clNavy);
    Other.SetProgressBorderColor(clTeal);
    Other.SetHintMaxWidth(300);
    Other.SetDropDownCount(17);
    Other.DropDownHeader()->SetCaption(QStringLiteral("Pick"));
    Other.SetFixedDropDownButton(true);
    Other.SetNoDisabledCheckRadioLook(true);
    Other.SetNoDisabledButtonLook(true);
    Look->Assign(&Other);
    for (const TGradient& G : Gradients) {
        SCOPED_TRACE(G.Name);
        EXPECT_EQ((Look->*G.Get)(), (Other.*G.Get)());
        EXPECT_EQ((Grid->*G.GridGet)(), (Other.*G.Get)());
    }
    EXPECT_EQ(Look->Color(), clMaroon);
    EXPECT_EQ(Look->CommentColor(), clNavy);
    EXPECT_EQ(Look->ProgressBorderColor(), clTeal);
    EXPECT_EQ(Look->HintMaxWidth(), 300);
    EXPECT_EQ(Look->DropDownCount(), 17);
    EXPECT_EQ(Look->DropDownHeader()->Caption(), QStringLiteral("Pick"));
    EXPECT_NE(Look->DropDownHeader(), Other.DropDownHeader());
    EXPECT_FALSE(Look->FixedDropDownButton());
    EXPECT_FALSE(Look->NoDisabledCheckRadioLook());
    EXPECT_FALSE(Look->NoDisabledButtonLook());
}

TEST_F(ExtGridFixture, ControlLookSettersRepaintAsTabled)
{
    TControlLook* Look = Grid->ControlLook();
    TBitmap Glyph;
    Glyph.SetSize(4, 4);
    const struct {
        const char* Name;
        std::function<void()> Set;
        bool Repaints;
    } Cases[] = {
        {"Color", [&] { Look->SetColor(clRed); }, true},
        {"CommentColor", [&] { Look->SetCommentColor(clBlue); }, true},
        {"CheckedGlyph", [&] { Look->SetCheckedGlyph(&Glyph); }, true},
        {"RadioOffGlyph", [&] { Look->SetRadioOffGlyph(&Glyph); }, true},
        {"CheckSize", [&] { Look->SetCheckSize(11); }, true},
        {"RadioSize", [&] { Look->SetRadioSize(12); }, true},
        {"ControlStyle", [&] { Look->SetControlStyle(csFlat); }, true},
        {"DropDownAlwaysVisible", [&] { Look->SetDropDownAlwaysVisible(true); }, true},
        {"SpinButtonsAlwaysVisible", [&] { Look->SetSpinButtonsAlwaysVisible(true); }, true},
        {"FlatButton", [&] { Look->SetFlatButton(true); }, true},
        {"NoDisabledButtonLook", [&] { Look->SetNoDisabledButtonLook(true); }, true},
        {"ProgressMarginY", [&] { Look->SetProgressMarginY(5); }, true},
        {"ProgressXP", [&] { Look->SetProgressXP(true); }, true},
        {"ProgressBorderColor", [&] { Look->SetProgressBorderColor(clRed); }, false},
        {"DropDownCount", [&] { Look->SetDropDownCount(3); }, false},
        {"HintMaxWidth", [&] { Look->SetHintMaxWidth(100); }, false},
        {"CheckAlwaysActive", [&] { Look->SetCheckAlwaysActive(true); }, false},
        {"FixedDropDownButton", [&] { Look->SetFixedDropDownButton(true); }, false},
    };
    Show();
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.Name);
        ProcessPendingEvents();
        TPaintHold Hold;
        TRect Pending;
        ASSERT_FALSE(GetUpdateRect(Grid->Handle(), Pending));
        C.Set();
        EXPECT_EQ(GetUpdateRect(Grid->Handle(), Pending), C.Repaints);
    }
}

}  // namespace
