// Tests of the quick configuration panel the grid shows in design state.
#include "ExtGridTestSupport.h"

#include "graphics/Canvas.h"
#include "graphics/GraphicsObjects.h"
#include "support/Artifacts.h"

#include <QApplication>
#include <QMenu>

namespace {

class TPanelGrid : public TTestExtGrid {
public:
    using TTestExtGrid::TTestExtGrid;
    using TComponent::SetDesigning;
    using TExtStringGrid::FLastDesignChoice;
    using TExtStringGrid::FShowColNrs;
};

// The panel's measures as the grid takes them: the height of "gh" and text widths in Tahoma 8.
struct TPanelMeasure {
    TPanelMeasure()
    {
        Bitmap.SetWidth(10);
        Bitmap.SetHeight(10);
        Bitmap.Canvas()->Font()->SetName(QStringLiteral("Tahoma"));
        Bitmap.Canvas()->Font()->SetSize(8);
        h = Bitmap.Canvas()->TextHeight(QStringLiteral("gh"));
    }
    int32_t Width(const QString& Text) { return Bitmap.Canvas()->TextWidth(Text); }

    TBitmap Bitmap;
    int32_t h = 0;
};

class GridDesignPanelTest : public ExtGridFixture {
protected:
    void SetUp() override
    {
        ExtGridFixture::SetUp();
        delete Grid;
        Panel = New<TPanelGrid>(Form.get());
        Panel->SetParent(Form.get());
        Panel->SetBounds(10, 10, 400, 250);
        Grid = Panel;
        Show();
        const TRect C = Panel->ClientRect();
        Right = C.Right;
        l = M.h + 2;
        B = C.Bottom - (4 * M.h + 18);
    }

    // A point in the middle of item band N (1 .. 3) at x = Right - 140.
    TPoint InBand(int32_t N) const { return Point(Right - 140, B + N * l + 4 + l / 2); }

    LRESULT HitTestMessage(TPoint P) { return Panel->Perform(CM_DESIGNHITTEST, 0, PointToLParam(P)); }

    // The grid's client area as rendered.
    QImage RenderClient()
    {
        const QImage Image = RenderControl(Panel);
        const int32_t Edge = (Image.width() - Panel->ClientWidth()) / 2;
        return Image.copy(Edge, Edge, Panel->ClientWidth(), Panel->ClientHeight());
    }

    TPanelGrid* Panel = nullptr;
    TPanelMeasure M;
    int32_t Right = 0, B = 0, l = 0;
};

QRgb Rgb(TColor Color)
{
    const TColor C = ColorToRGB(Color);
    return qRgb(GetRValue(C), GetGValue(C), GetBValue(C));
}

// Pixels of Color in the rectangle.
int32_t CountColor(const QImage& Image, const TRect& R, TColor Color)
{
    int32_t Count = 0;
    for (int32_t y = R.Top; y < R.Bottom; ++y)
        for (int32_t x = R.Left; x < R.Right; ++x)
            if ((Image.pixel(x, y) & 0xFFFFFF) == (Rgb(Color) & 0xFFFFFF)) ++Count;
    return Count;
}

// Runs Body once the pop-up menu about to be shown is on screen, inside its loop.
void WhenTheMenuShows(std::function<void(QMenu* Menu)> Body)
{
    QMetaObject::invokeMethod(
        qApp, [Body = std::move(Body)] { Body(qobject_cast<QMenu*>(QApplication::activePopupWidget())); },
        Qt::QueuedConnection);
}

}  // namespace

TEST_F(GridDesignPanelTest, HitTestFindsEachItem)
{
    const int32_t AllowEdit = M.Width(QStringLiteral("Allow edit"));
    const int32_t SetLook = M.Width(QStringLiteral("Set look: Windows XP"));
    const struct {
        TPoint At;
        int32_t Item;
    } Cases[] = {
        {Point(Right - 8, B + 8), 4},
        {InBand(1), 1},
        {InBand(2), 2},
        {InBand(3), 3},
        {Point(Right - 140, B + 4), -1},                      // the title
        {Point(Right - 150, InBand(1).Y), -1},                // the panel's left edge
        {Point(Right - 132 + AllowEdit - 1, InBand(1).Y), 1},
        {Point(Right - 132 + AllowEdit, InBand(1).Y), -1},    // past the text
        {Point(Right - 150 + SetLook - 1, InBand(3).Y), 3},
        {Point(Right - 150 + SetLook, InBand(3).Y), -1},
        {Point(Right - 140, B + l + 4), -1},                  // band edges are outside
        {Point(Right - 140, B + 4 * l + 4), -1},
        {Point(10, 10), -1},
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(testing::Message() << C.At.X << "," << C.At.Y);
        EXPECT_EQ(Panel->DesignHelperHitTest(C.At.X, C.At.Y), C.Item);
    }
}

TEST_F(GridDesignPanelTest, DesignerHitTestOnlyInDesignStateWithThePanel)
{
    EXPECT_EQ(HitTestMessage(InBand(1)), 0);
    EXPECT_EQ(Panel->FLastDesignChoice, -1);

    Panel->SetDesigning(true);
    for (int32_t N = 1; N <= 3; ++N) EXPECT_EQ(HitTestMessage(InBand(N)), 1) << N;
    EXPECT_EQ(HitTestMessage(Point(Right - 8, B + 8)), 1);
    EXPECT_EQ(Panel->FLastDesignChoice, 4);
    EXPECT_EQ(HitTestMessage(Point(10, 10)), 0);
    EXPECT_EQ(Panel->FLastDesignChoice, -1);

    // A change of the item under the pointer repaints the panel's area only.
    ProcessPendingEvents();
    HitTestMessage(InBand(2));
    TRect Update;
    ASSERT_TRUE(GetUpdateRect(Panel->Handle(), Update));
    EXPECT_EQ(Update, Rect(Right - 150, Panel->ClientHeight() - 70, Right, Panel->ClientHeight()));
    ProcessPendingEvents();
    HitTestMessage(InBand(2));
    EXPECT_FALSE(GetUpdateRect(Panel->Handle(), Update));

    Panel->SetShowDesignHelper(false);
    EXPECT_EQ(HitTestMessage(InBand(2)), 0);
}

TEST_F(GridDesignPanelTest, PanelIsPaintedOnlyInDesignState)
{
    const TRect Inside = Rect(Right - 148, B + 2, Right - 2, Panel->ClientHeight() - 2);
    const auto PanelPixels = [&](const QImage& Image) { return CountColor(Image, Inside, clInfoBk); };
    EXPECT_EQ(PanelPixels(RenderClient()), 0);

    Panel->SetDesigning(true);
    Panel->Invalidate();
    QImage Image = RenderClient();
    SaveArtifact(Image, QStringLiteral("grid-design-panel"));
    EXPECT_GT(PanelPixels(Image), Inside.Width() * Inside.Height() / 2);
    // Grey outline along the left edge, navy text inside.
    EXPECT_EQ(Image.pixel(Right - 150, B + 20) & 0xFFFFFF, Rgb(0x808080) & 0xFFFFFF);
    EXPECT_GT(CountColor(Image, Inside, 0x800000), 0);

    // The item under the pointer is underlined: more navy in its band.
    const TRect Band = Rect(Right - 128, B + l + 4, Right - 2, B + 2 * l + 6);
    const int32_t Plain = CountColor(Image, Band, 0x800000);
    HitTestMessage(InBand(1));
    Image = RenderClient();
    EXPECT_GT(CountColor(Image, Band, 0x800000), Plain);

    Panel->SetShowDesignHelper(false);
    EXPECT_EQ(PanelPixels(RenderClient()), 0);
}

TEST_F(GridDesignPanelTest, ClicksToggleEditingAndColumnNumbersAndNudgeTheForm)
{
    int32_t Resizes = 0;
    const auto Previous = Form->OnResize;
    Form->OnResize = [&](TObject* Sender) {
        ++Resizes;
        if (Previous) Previous(Sender);
    };
    const int32_t Width = Form->Width();

    // Outside design state a click there is the grid's own.
    Input::Click(Panel, InBand(1));
    EXPECT_FALSE(Panel->Options().Contains(goEditing));

    Panel->SetDesigning(true);
    Input::Click(Panel, InBand(1));
    EXPECT_TRUE(Panel->Options().Contains(goEditing));
    EXPECT_EQ(Resizes, 2);
    EXPECT_EQ(Form->Width(), Width);
    Input::Click(Panel, InBand(1));
    EXPECT_FALSE(Panel->Options().Contains(goEditing));

    ASSERT_TRUE(Panel->FShowColNrs);
    Input::Click(Panel, InBand(2));
    EXPECT_FALSE(Panel->FShowColNrs);
    EXPECT_EQ(Resizes, 6);

    // Closing keeps the settings and does not touch the form.
    Input::Click(Panel, Point(Right - 8, B + 8));
    EXPECT_FALSE(Panel->ShowDesignHelper());
    EXPECT_FALSE(Panel->FShowColNrs);
    EXPECT_FALSE(Panel->Options().Contains(goEditing));
    EXPECT_EQ(Resizes, 6);
    // With the panel closed a click there does nothing of it.
    Input::Click(Panel, InBand(2));
    EXPECT_FALSE(Panel->FShowColNrs);
    Form->OnResize = Previous;
}

TEST_F(GridDesignPanelTest, LookMenuOffersEveryLookButCustomAndSetsTheChosenOne)
{
    Panel->SetDesigning(true);
    QStringList Entries;
    QStringList Checked;
    WhenTheMenuShows([&](QMenu* Shown) {
        ASSERT_NE(Shown, nullptr);
        for (const QAction* Action : Shown->actions()) {
            Entries.append(Action->text());
            if (Action->isChecked()) Checked.append(Action->text());
        }
        for (int32_t I = 0; I < 9; ++I) Input::PressKey(VK_DOWN);
        Input::PressKey(VK_RETURN);
    });
    Input::Click(Panel, InBand(3));
    EXPECT_EQ(Entries, (QStringList{"Standard", "Soft", "Classic", "Vyx", "ListView", "Office 2007", "Windows XP",
                                    "Windows Vista", "Windows 7"}));
    EXPECT_EQ(Checked, QStringList{"Windows XP"});
    EXPECT_EQ(Panel->Look(), glWin7);

    // Escape chooses nothing.
    WhenTheMenuShows([&](QMenu*) { Input::PressKey(VK_ESCAPE); });
    Input::Click(Panel, InBand(3));
    EXPECT_EQ(Panel->Look(), glWin7);
}
