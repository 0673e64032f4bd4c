// The search panel on its own terms: where its controls sit (mirrored for a right-to-left grid),
// what each key in its edit does, its glyphs and hints, and its gradient with the top line.
#include "ExtGridTestSupport.h"

#include "grid/base/ExtCheckBox.h"
#include "grid/base/ExtGridButton.h"
#include "grid/base/GridSettings.h"
#include "grid/core/SearchPanel.h"

#include "support/Artifacts.h"

namespace {

// A grid that aligns right to left, as it does on a system that lays out so.
class TMirroredGrid : public TTestExtGrid {
public:
    using TTestExtGrid::TTestExtGrid;
    bool UseRightToLeftAlignment() const override { return true; }
};

class SearchPanelFixture : public ExtGridFixture {
protected:
    // A grid wide enough for the whole panel, its footer shown; RightToLeft mirrors it.
    void ShowPanel(bool RightToLeft = false)
    {
        Form->SetClientWidth(640);
        if (RightToLeft) {
            delete Grid;
            Grid = New<TMirroredGrid>(Form.get());
            Grid->SetParent(Form.get());
            Grid->SetLeft(10);
            Grid->SetTop(10);
            Grid->SetBiDiMode(bdRightToLeft);
        }
        Grid->SetWidth(600);
        TSearchFooter* S = Grid->SearchFooter();
        S->SetFindNextCaption(QStringLiteral("Next"));
        S->SetFindPrevCaption(QStringLiteral("Previous"));
        S->SetHighLightCaption(QStringLiteral("Highlight"));
        S->SetMatchCaseCaption(QStringLiteral("Match case"));
        S->SetVisible(true);
        Show();
        Panel = Grid->SearchPanel();
        Edit = Panel->EditControl();
    }

    TSearchPanel* Panel = nullptr;
    TRetEdit* Edit = nullptr;
};

TEST_F(SearchPanelFixture, LayoutLeftToRightAndMirrored)
{
    struct TPlace {
        const char* Name;
        TControl* (*Control)(TSearchPanel*);
        int32_t Left, Top, Width, Height;  // Width and Height -1: the control's own
        bool Mirrored;
    };
    const TPlace Places[] = {
        {"edit", [](TSearchPanel* P) -> TControl* { return P->EditControl(); }, 25, 6, 110, -1, true},
        {"forward", [](TSearchPanel* P) -> TControl* { return P->ForwardButton(); }, 140, 5, 90, 23, true},
        {"backward", [](TSearchPanel* P) -> TControl* { return P->BackwardButton(); }, 235, 5, 90, 23, true},
        {"close", [](TSearchPanel* P) -> TControl* { return P->ExitButton(); }, 5, 7, 14, 14, true},
        {"highlight", [](TSearchPanel* P) -> TControl* { return P->HiliteButton(); }, 330, 5, 90, 23, true},
        {"match case", [](TSearchPanel* P) -> TControl* { return P->MatchCase(); }, 425, 8, -1, -1, false},
    };
    for (const bool RightToLeft : {false, true}) {
        SCOPED_TRACE(RightToLeft ? "right to left" : "left to right");
        ShowPanel(RightToLeft);
        EXPECT_EQ(Panel->Width(), Grid->ClientWidth());
        for (const TPlace& P : Places) {
            SCOPED_TRACE(P.Name);
            TControl* C = P.Control(Panel);
            EXPECT_EQ(C->Parent(), Panel);
            if (P.Width >= 0) {
                EXPECT_EQ(C->Width(), P.Width);
            }
            if (P.Height >= 0) {
                EXPECT_EQ(C->Height(), P.Height);
            }
            const int32_t Left = RightToLeft && P.Mirrored ? Panel->Width() - C->Width() - P.Left : P.Left;
            EXPECT_EQ(C->Left(), Left);
            EXPECT_EQ(C->Top(), P.Top);
        }
        SaveArtifact(RenderControl(Grid), RightToLeft ? QStringLiteral("search-panel-rtl") : QStringLiteral("search-panel-ltr"));
        // A narrower grid: the mirrored places follow the panel's width.
        Grid->SetWidth(500);
        ProcessPendingEvents();
        EXPECT_EQ(Panel->EditControl()->Left(), RightToLeft ? Panel->Width() - 135 : 25);
        EXPECT_EQ(Panel->MatchCase()->Left(), 425);
    }
}

// Each key in the search edit: which search it starts, what reaches OnKeyPress, what the edit keeps
// and whether the three action buttons are enabled afterwards.
TEST_F(SearchPanelFixture, KeysInTheEdit)
{
    ShowPanel();
    int32_t Forward = 0, Backward = 0, Changes = 0;
    Panel->OnForwardClick = [&](TObject* Sender) {
        EXPECT_EQ(Sender, Panel);
        ++Forward;
    };
    Panel->OnBackwardClick = [&](TObject* Sender) {
        EXPECT_EQ(Sender, Panel);
        ++Backward;
    };
    Panel->OnEditChange = [&](TObject* Sender) {
        EXPECT_EQ(Sender, Panel);
        ++Changes;
    };
    QList<int> Pressed;
    Edit->OnKeyPress = [&](TObject*, QChar& Key) { Pressed << Key.unicode(); };

    struct TCase {
        const char* Name;
        const char* Start;
        void (*Act)();
        int32_t Forward, Backward, Changes;
        QList<int> Pressed;
        const char* Text;
        bool Enabled;
    };
    const TCase Cases[] = {
        {"typing into the empty edit", "", [] { Input::TypeText(QStringLiteral("a")); }, 0, 0, 1, {'a'}, "a", true},
        {"Enter", "ab", [] { Input::PressKey(VK_RETURN); }, 1, 0, 0, {13}, "ab", true},
        {"Shift+Enter", "ab", [] { Input::PressKey(VK_RETURN, {ssShift}); }, 1, 0, 0, {13}, "ab", true},
        {"Ctrl+Enter", "ab", [] { Input::PressKey(VK_RETURN, {ssCtrl}); }, 0, 1, 0, {10}, "ab", true},
        {"Ctrl+Shift+Enter", "ab", [] { Input::PressKey(VK_RETURN, {ssCtrl, ssShift}); }, 0, 1, 0, {10}, "ab", true},
        {"Enter on the empty edit", "", [] { Input::PressKey(VK_RETURN); }, 1, 0, 0, {13}, "", false},
        {"Backspace to empty", "a", [] { Input::PressKey(VK_BACK); }, 0, 0, 1, {8}, "", false},
        {"Delete of a selected text", "ab", [] {
             Input::PressKey(VK_HOME);
             Input::PressKey(VK_END, {ssShift});
             Input::PressKey(VK_DELETE);
         }, 0, 0, 1, {}, "", false},
    };
    for (const TCase& C : Cases) {
        SCOPED_TRACE(C.Name);
        Edit->SetFocus();
        Edit->SetText(QString::fromUtf8(C.Start));
        Edit->SetSelStart(Edit->Text().size());
        ProcessPendingEvents();
        Forward = Backward = Changes = 0;
        Pressed.clear();
        C.Act();
        ProcessPendingEvents();
        EXPECT_EQ(Forward, C.Forward);
        EXPECT_EQ(Backward, C.Backward);
        EXPECT_EQ(Changes, C.Changes);
        EXPECT_EQ(Pressed, C.Pressed);
        EXPECT_EQ(Edit->Text(), QString::fromUtf8(C.Text));
        for (TExtGridButton* B : {Panel->ForwardButton(), Panel->BackwardButton(), Panel->HiliteButton()})
            EXPECT_EQ(B->Enabled(), C.Enabled);
        EXPECT_TRUE(Panel->ExitButton()->Enabled());
    }
}

// The buttons fire their events; the highlight button stays down until pressed again.
TEST_F(SearchPanelFixture, ButtonsFireTheirEvents)
{
    ShowPanel();
    QStringList Fired;
    Panel->OnForwardClick = [&](TObject*) { Fired << QStringLiteral("forward"); };
    Panel->OnBackwardClick = [&](TObject*) { Fired << QStringLiteral("backward"); };
    Panel->OnExitClick = [&](TObject*) { Fired << QStringLiteral("exit"); };
    Panel->OnHighlightClick = [&](TObject*) { Fired << QStringLiteral("highlight"); };
    Edit->SetText(QStringLiteral("x"));
    for (TExtGridButton* B : {Panel->ForwardButton(), Panel->BackwardButton(), Panel->HiliteButton(),
                              Panel->HiliteButton(), Panel->ExitButton()}) {
        Input::Click(B, Point(7, 7));
        if (B == Panel->HiliteButton()) Fired << (B->Down() ? QStringLiteral("down") : QStringLiteral("up"));
    }
    EXPECT_EQ(Fired, (QStringList{"forward", "backward", "highlight", "down", "highlight", "up", "exit"}));
}

// Our own glyphs are loaded; a hint shows only when there is a text.
TEST_F(SearchPanelFixture, GlyphsAndHints)
{
    Grid->SearchFooter()->SetHintFindNext(QStringLiteral("Find the next match"));
    ShowPanel();
    EXPECT_EQ(Panel->ForwardButton()->Hint(), QStringLiteral("Find the next match"));
    EXPECT_TRUE(Panel->ForwardButton()->ShowHint());
    EXPECT_FALSE(Panel->BackwardButton()->ShowHint());
    Panel->SetHintFindNext(QString());
    EXPECT_FALSE(Panel->ForwardButton()->ShowHint());
    struct TGlyph {
        const char* Name;
        TBitmap* Bitmap;
    };
    const TGlyph Glyphs[] = {
        {"ESGARDOWN", Panel->ForwardButton()->Glyph()},   {"ESGARDOWND", Panel->ForwardButton()->GlyphDisabled()},
        {"ESGARUP", Panel->BackwardButton()->Glyph()},    {"ESGARUPD", Panel->BackwardButton()->GlyphDisabled()},
        {"ESGCLOSE", Panel->ExitButton()->Glyph()},       {"ESGCLOSEH", Panel->ExitButton()->GlyphHot()},
        {"ESGCLOSED", Panel->ExitButton()->GlyphDown()},  {"ESGHI", Panel->HiliteButton()->Glyph()},
        {"ESGHID", Panel->HiliteButton()->GlyphDisabled()},
    };
    for (const TGlyph& G : Glyphs) {
        SCOPED_TRACE(G.Name);
        EXPECT_FALSE(G.Bitmap->Empty());
    }
    // The enabled and disabled arrows differ.
    auto Pixels = [](TBitmap* B) {
        QList<TColor> All;
        for (int32_t Y = 0; Y < B->Height(); ++Y)
            for (int32_t X = 0; X < B->Width(); ++X) All << B->Canvas()->Pixels(X, Y);
        return All;
    };
    EXPECT_NE(Pixels(Glyphs[0].Bitmap), Pixels(Glyphs[1].Bitmap));
}

// Color alone fills the panel; with ColorTo the bands run from Color at the top to ColorTo at the
// bottom. The top line takes the grid's line colour.
TEST_F(SearchPanelFixture, GradientAndTopLine)
{
    ShowPanel();
    Grid->SetGridLineColor(TColor(0x00FF00));
    Panel->SetColor(TColor(0x000000));
    Panel->SetColorTo(clNone);
    ProcessPendingEvents();
    QImage Plain = RenderControl(Panel);
    const int32_t X = 22;  // between the close button and the edit
    EXPECT_EQ(Plain.pixel(X, 0), qRgb(0, 255, 0));
    for (int32_t Y = 1; Y < Panel->Height(); ++Y) EXPECT_EQ(Plain.pixel(X, Y), qRgb(0, 0, 0)) << Y;

    Panel->SetColorTo(TColor(0x0000FF));
    const QImage Shaded = RenderControl(Panel);
    SaveArtifact(Shaded, QStringLiteral("search-panel-gradient"));
    EXPECT_EQ(Shaded.pixel(X, 0), qRgb(0, 255, 0));
    int32_t Previous = -1;
    for (int32_t Y = 1; Y < Panel->Height(); ++Y) {
        const QRgb P = Shaded.pixel(X, Y);
        EXPECT_EQ(qGreen(P), 0);
        EXPECT_EQ(qBlue(P), 0);
        EXPECT_GE(qRed(P), Previous) << Y;
        Previous = qRed(P);
    }
    EXPECT_LE(qRed(Shaded.pixel(X, 1)), 16);
    EXPECT_GE(qRed(Shaded.pixel(X, Panel->Height() - 1)), 240);
}

// The buttons take the panel's font; the highlight button keeps a plain one.
TEST_F(SearchPanelFixture, HighlightButtonKeepsAPlainFont)
{
    Grid->SearchFooter()->Font()->SetStyle({fsBold});
    ShowPanel();
    EXPECT_TRUE(Panel->ForwardButton()->Font()->Style().Contains(fsBold));
    EXPECT_TRUE(Panel->HiliteButton()->Font()->Style().Empty());
    Panel->Font()->SetStyle({fsBold, fsItalic});
    EXPECT_TRUE(Panel->BackwardButton()->Font()->Style().Contains(fsItalic));
    EXPECT_TRUE(Panel->HiliteButton()->Font()->Style().Empty());
}

// OnCreatedSearchFooter fires with the grid once the panel is laid out.
TEST_F(SearchPanelFixture, CreatedEventAfterLayout)
{
    int32_t Created = 0;
    Grid->OnCreatedSearchFooter = [&](TObject* Sender) {
        EXPECT_EQ(Sender, Grid);
        EXPECT_EQ(Grid->SearchPanel()->ForwardButton()->Left(), 140);
        EXPECT_EQ(Grid->SearchPanel()->ForwardButton()->Caption(), QStringLiteral("Next"));
        ++Created;
    };
    ShowPanel();
    EXPECT_EQ(Created, 1);
}

}  // namespace
