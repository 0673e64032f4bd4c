// The thin scroll indicators of the metro scroll type: where the thumb shows for each grid shape,
// paging and dragging with the mouse, and the grid seen through the rest of the indicator.
#include "ExtGridTestSupport.h"

#include "grid/core/ScrollControl.h"

#include "support/Artifacts.h"

#include <optional>

namespace {

const TColor ThumbColor = 0x00FF00;

struct TRun {
    int32_t Start;
    int32_t Length;
    bool operator==(const TRun&) const = default;
};

std::ostream& operator<<(std::ostream& Out, const std::optional<TRun>& Run)
{
    if (!Run) return Out << "no thumb";
    return Out << "thumb " << Run->Start << " + " << Run->Length;
}

class ScrollControlFixture : public ExtGridFixture {
protected:
    void SetUp() override
    {
        ExtGridFixture::SetUp();
        Show();
        Grid->SetScrollType(ssMetro);
        ProcessPendingEvents();
        V = Grid->VScrollControl();
        H = Grid->HScrollControl();
        ASSERT_NE(V, nullptr);
        ASSERT_NE(H, nullptr);
        V->SetColor(ThumbColor);
        H->SetColor(ThumbColor);
    }

    // The thumb as painted: the run of thumb-coloured pixels along the indicator's middle line.
    static std::optional<TRun> Thumb(TScrollControl* Control)
    {
        const QImage Image = RenderControl(Control);
        const bool Vertical = Control->Direction() == sdVertical;
        const int32_t Length = Vertical ? Image.height() : Image.width();
        std::optional<TRun> Run;
        for (int32_t I = 0; I < Length; ++I) {
            const QRgb P = Vertical ? Image.pixel(1, I) : Image.pixel(I, 1);
            if (P != qRgb(0, 255, 0)) continue;
            if (!Run) Run = TRun{I, 0};
            EXPECT_EQ(Run->Start + Run->Length, I) << "one run only";
            ++Run->Length;
        }
        return Run;
    }

    TScrollControl* V = nullptr;
    TScrollControl* H = nullptr;
};

TEST_F(ScrollControlFixture, MadeAlongTheRightAndBottomEdges)
{
    EXPECT_EQ(V->Parent(), Grid);
    EXPECT_EQ(V->Direction(), sdVertical);
    EXPECT_EQ(V->Width(), 6);
    EXPECT_EQ(V->Align(), alRight);
    EXPECT_TRUE(V->DoubleBuffered());
    EXPECT_EQ(V->Left() + V->Width(), Grid->ClientWidth());
    EXPECT_EQ(H->Direction(), sdHorizontal);
    EXPECT_EQ(H->Height(), 6);
    EXPECT_EQ(H->Align(), alBottom);
    EXPECT_EQ(H->Top() + H->Height(), Grid->ClientHeight());
    EXPECT_EQ(H->ScrollWidth(), 4);
    EXPECT_EQ(Grid->ScrollBars(), ssNone);
    // Another scroll type frees them.
    Grid->SetScrollType(ssNormal);
    EXPECT_EQ(Grid->VScrollControl(), nullptr);
    EXPECT_EQ(Grid->HScrollControl(), nullptr);
}

// Rows 22 pixels high; the vertical indicator is Grid->ClientHeight() - 6 = 240 high.
TEST_F(ScrollControlFixture, VerticalThumbGeometry)
{
    ASSERT_EQ(V->Height(), 240);
    ASSERT_EQ(Grid->DefaultRowHeight(), 22);
    struct TCase {
        const char* Name;
        int32_t Rows, FixedRows, Footers, Top;
        std::optional<TRun> Expected;
    };
    // Track L = 240 - 22 x (fixed rows + footers); start 22 x fixed + L (Top - fixed) / (Rows - fixed);
    // length L x VisibleRowCount / Rows, at least 20; the thumb ends inside the control.
    const TCase Cases[] = {
        {"all rows shown", 10, 1, 0, 1, std::nullopt},
        {"100 rows at the top", 100, 1, 0, 1, TRun{22, 22}},         // L 218: 21.8 long
        {"100 rows in the middle", 100, 1, 0, 50, TRun{130, 22}},    // 22 + 218 x 49 / 99 = 129.9
        {"1000 rows: thumb at least 20", 1000, 1, 0, 500, TRun{131, 20}},  // 2.18 long
        {"1000 rows at the end", 1000, 1, 0, 991, TRun{220, 20}},    // 238 + 20 passes 240
        {"two fixed rows and a footer", 100, 2, 1, 40, TRun{111, 20}},  // L 174: 44 + 67.5
        {"no fixed rows", 50, 0, 0, 25, TRun{120, 53}},              // 240 x 11 / 50 = 52.8
        {"halves to even", 32, 0, 0, 3, TRun{22, 82}},               // 22.5 and 82.5
    };
    for (const TCase& C : Cases) {
        SCOPED_TRACE(C.Name);
        Grid->SetFixedRows(0);
        Grid->SetRowCount(C.Rows);
        Grid->SetFixedRows(C.FixedRows);
        Grid->SetFixedFooters(C.Footers);
        Grid->SetTopRow(C.Top);
        ProcessPendingEvents();
        EXPECT_EQ(Thumb(V), C.Expected);
    }
    SaveArtifact(RenderControl(Grid), QStringLiteral("grid-metro-indicators"));
}

// Columns 64 pixels wide; the horizontal indicator spans the client width.
TEST_F(ScrollControlFixture, HorizontalThumbGeometry)
{
    ASSERT_EQ(Grid->DefaultColWidth(), 64);
    ASSERT_EQ(H->Width(), 396);
    struct TCase {
        const char* Name;
        int32_t Cols, FixedCols, Left;
        std::optional<TRun> Expected;
    };
    const TCase Cases[] = {
        {"all columns shown", 5, 1, 1, std::nullopt},
        {"40 columns at the left", 40, 1, 1, TRun{64, 42}},       // L 332: 332 x 5 / 40 = 41.5
        {"40 columns in the middle", 40, 1, 20, TRun{226, 42}},   // 64 + 332 x 19 / 39 = 225.7
        {"40 columns at the end", 40, 1, 35, TRun{353, 42}},      // 64 + 289.4
        {"no fixed columns", 40, 0, 10, TRun{99, 59}},            // 396 x 6 / 40 = 59.4
    };
    for (const TCase& C : Cases) {
        SCOPED_TRACE(C.Name);
        Grid->SetFixedCols(0);
        Grid->SetColCount(C.Cols);
        Grid->SetFixedCols(C.FixedCols);
        Grid->SetLeftCol(C.Left);
        ProcessPendingEvents();
        EXPECT_EQ(Thumb(H), C.Expected);
    }
}

// A press above the thumb pages up, below it pages down; a drag on it moves the top row along.
TEST_F(ScrollControlFixture, PagingAndDragging)
{
    Grid->SetRowCount(100);
    Grid->SetTopRow(50);
    ASSERT_EQ(Grid->VisibleRowCount(), 10);
    ASSERT_EQ(Thumb(V), (TRun{130, 22}));
    struct TStep {
        const char* Name;
        enum { Down, Move, Up } Kind;
        int32_t Y;
        int32_t Top;
    };
    const TStep Steps[] = {
        {"press above", TStep::Down, 100, 40},
        {"release", TStep::Up, 100, 40},
        {"press below", TStep::Down, 200, 50},
        {"release", TStep::Up, 200, 50},
        {"press on the thumb", TStep::Down, 140, 50},
        {"drag 20 down: 20 / 218 x 100 = 9.2 rows", TStep::Move, 160, 59},
        {"drag 40 up: -18.3 rows", TStep::Move, 100, 32},
        {"drag far up: not above the fixed rows", TStep::Move, -200, 1},
        {"drag far down: the last page", TStep::Move, 600, 90},
        {"release", TStep::Up, 600, 90},
        {"moving after the release", TStep::Move, 140, 90},
        {"press at the bottom of the last page", TStep::Down, 239, 90},
        {"release", TStep::Up, 239, 90},
    };
    for (const TStep& S : Steps) {
        SCOPED_TRACE(S.Name);
        switch (S.Kind) {
        case TStep::Down: Input::MouseDown(V, {2, S.Y}); break;
        case TStep::Move: Input::MoveMouse(V, {2, S.Y}); break;
        case TStep::Up: Input::MouseUp(V, {2, S.Y}); break;
        }
        EXPECT_EQ(Grid->TopRow(), S.Top);
    }
    // The thumb follows.
    EXPECT_EQ(Thumb(V), (TRun{218, 22}));
}

// Nothing to scroll, or nothing to scroll with: clicks and drags change nothing.
TEST_F(ScrollControlFixture, NothingToScroll)
{
    // All rows shown.
    Input::Click(V, {2, 200});
    EXPECT_EQ(Grid->TopRow(), 1);
    // Row 0 as tall as the indicator: a drag has no length to work with.
    Grid->SetRowCount(100);
    Grid->SetRowHeights(0, 240);
    Grid->SetTopRow(50);
    const std::optional<TRun> Before = Thumb(V);
    ASSERT_TRUE(Before);
    Input::MouseDown(V, {2, Before->Start + 1});
    Input::MoveMouse(V, {2, Before->Start + 30});
    Input::MouseUp(V, {2, Before->Start + 30});
    EXPECT_EQ(Grid->TopRow(), 50);
}

// The grid shows through the indicator: a cell of row 1 and the lines around it (rows 22 high), where an
// indicator erasing its own background would be one colour.
TEST_F(ScrollControlFixture, TheGridShowsThrough)
{
    Grid->SetColor(TColor(0x563412));
    Grid->SetDefaultColWidth(100);
    ProcessPendingEvents();
    const QImage Image = RenderControl(V);
    EXPECT_EQ(Image.pixel(2, 30), qRgb(0x12, 0x34, 0x56)) << "a cell of row 1";
    EXPECT_NE(Image.pixel(2, 21), Image.pixel(2, 30)) << "the line between rows 0 and 1";
    EXPECT_NE(Image.pixel(2, 43), Image.pixel(2, 30)) << "the line between rows 1 and 2";
}

// Loose on a form, an indicator shows the form and ignores the mouse.
TEST_F(ScrollControlFixture, WithoutAGrid)
{
    auto* Loose = New<TScrollControl>(Form.get());
    Loose->SetParent(Form.get());
    Loose->SetBounds(0, 0, 6, 100);
    Loose->SetColor(ThumbColor);
    Loose->Show();
    Input::Click(Loose, {2, 50});
    EXPECT_FALSE(Thumb(Loose));
    EXPECT_EQ(Loose->Color(), ThumbColor);
}

}  // namespace
