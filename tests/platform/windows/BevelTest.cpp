// The bevel of windowed controls: its room outside the client area and its edges, on a painted control and on a wrapped one.
#include "Recorder.h"
#include "support/Artifacts.h"
#include "support/LayerInternals.h"
#include "support/Render.h"

#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "graphics/Gdi.h"
#include "graphics/GraphicsObjects.h"
#include "windows/ComCtrls.h"

#include <gtest/gtest.h>

namespace {

// A control that fills its client area white.
class TWhiteControl : public TCustomControl {
public:
    using TCustomControl::TCustomControl;

protected:
    void Paint() override
    {
        Canvas()->Brush()->SetColor(clWhite);
        Canvas()->FillRect(ClientRect());
    }
};

// The ring of Rect drawn by DrawEdge with Edge and Flags, as pixels.
QImage EdgeImage(int32_t W, int32_t H, uint32_t Edge, uint32_t Flags)
{
    TBitmap Bitmap;
    Bitmap.SetSize(W, H);
    Bitmap.Canvas()->Brush()->SetColor(clWhite);
    Bitmap.Canvas()->FillRect(Rect(0, 0, W, H));
    TRect R{0, 0, W, H};
    DrawEdge(Bitmap.Canvas(), R, Edge, Flags | BF_RECT);
    return ImageOf(Bitmap);
}

struct TCase {
    const char* Name;
    TBevelKind Kind;
    TBevelCut Inner;
    TBevelCut Outer;
    int32_t Size;
    uint32_t OuterEdge;
    uint32_t InnerEdge;
    uint32_t Look;
};

const TCase Cases[] = {
    {"none", bkNone, bvRaised, bvLowered, 0, 0, 0, 0},
    {"tile", bkTile, bvRaised, bvLowered, 2, BDR_SUNKENOUTER, BDR_RAISEDINNER, 0},
    {"soft", bkSoft, bvLowered, bvRaised, 2, BDR_RAISEDOUTER, BDR_SUNKENINNER, BF_SOFT},
    {"flat-outer-only", bkFlat, bvNone, bvLowered, 1, BDR_SUNKENOUTER, 0, BF_FLAT},
    {"tile-inner-only", bkTile, bvLowered, bvNone, 1, 0, BDR_SUNKENINNER, 0},
    {"no-cuts", bkTile, bvNone, bvNone, 0, 0, 0, 0},
};

TEST(Bevel, TakesRoomOutsideTheClientAreaAndDrawsItsEdges)
{
    auto Form = MakeForm(200, 100);
    auto* Control = Place<TWhiteControl>(Form.get(), Bounds(10, 10, 60, 30));
    Form->Show();
    ProcessPendingEvents();
    const TPoint Plain = Control->ClientOrigin();
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        Control->SetBevelKind(Case.Kind);
        Control->SetBevelInner(Case.Inner);
        Control->SetBevelOuter(Case.Outer);
        ProcessPendingEvents();
        EXPECT_EQ(Control->ClientRect(), Rect(0, 0, 60 - 2 * Case.Size, 30 - 2 * Case.Size));
        EXPECT_EQ(Control->ClientOrigin(), (TPoint{Plain.X + Case.Size, Plain.Y + Case.Size}));
        const QImage Image = RenderControl(Control);
        SaveArtifact(Image, QStringLiteral("Bevel-") + QString::fromLatin1(Case.Name));
        // The outer ring, then the inner one, as DrawEdge draws them; white inside.
        int32_t Ring = 0;
        for (uint32_t Edge : {Case.OuterEdge, Case.InnerEdge}) {
            if (!Edge) continue;
            const QImage Expected = EdgeImage(60 - 2 * Ring, 30 - 2 * Ring, Edge, Case.Look);
            for (const QPoint& P : {QPoint(0, 0), QPoint(20, 0), QPoint(0, 10), QPoint(59 - 2 * Ring, 10),
                                    QPoint(20, 29 - 2 * Ring), QPoint(59 - 2 * Ring, 29 - 2 * Ring)})
                EXPECT_EQ(Image.pixel(P + QPoint(Ring, Ring)), Expected.pixel(P))
                    << "ring " << Ring << " at " << P.x() << "," << P.y();
            ++Ring;
        }
        EXPECT_EQ(Image.pixel(Case.Size, Case.Size), qRgb(255, 255, 255));
        EXPECT_EQ(Image.pixel(30, 15), qRgb(255, 255, 255));
    }
}

TEST(Bevel, AWrappedPickerGetsItOverItsEdges)
{
    auto Form = MakeForm(240, 100);
    auto* Picker = Place<TDateTimePicker>(Form.get(), Bounds(10, 10, 186, 24));
    auto* Child = Place<TWhiteControl>(Picker, Bounds(100, 0, 20, 10));
    Picker->SetBevelKind(bkTile);
    Form->Show();
    ProcessPendingEvents();
    EXPECT_EQ(Picker->ClientRect(), Rect(0, 0, 182, 20));
    EXPECT_EQ(Child->Parent(), Picker) << "the window made again keeps its children";
    EXPECT_TRUE(Child->Showing());
    EXPECT_EQ(Child->ClientOrigin().X - Picker->ClientOrigin().X, 100);
    const QImage Image = RenderControl(Picker);
    SaveArtifact(Image, QStringLiteral("Bevel-picker"));
    const QImage Outer = EdgeImage(186, 24, BDR_SUNKENOUTER, 0);
    const QImage Inner = EdgeImage(184, 22, BDR_RAISEDINNER, 0);
    for (const QPoint& P : {QPoint(0, 12), QPoint(50, 0), QPoint(50, 23), QPoint(185, 12)})
        EXPECT_EQ(Image.pixel(P), Outer.pixel(P)) << P.x() << "," << P.y();
    for (const QPoint& P : {QPoint(0, 11), QPoint(50, 0), QPoint(50, 21), QPoint(183, 11)})
        EXPECT_EQ(Image.pixel(P + QPoint(1, 1)), Inner.pixel(P)) << P.x() << "," << P.y();
}

}  // namespace
