// Cell markup per cell: measuring and drawing through the markup renderer beside the same plain text through DrawText.
#include "grid/base/EsgHTMLE.h"

#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "graphics/DrawText.h"
#include "support/Peer.h"
#include "support/Session.h"
#include "windows/Session.h"

#include <benchmark/benchmark.h>

#include <QString>
#include <QStringList>

#include <vector>

namespace {

// Text measurement needs the window-system session: a headless one, made once.
using Bench::EnsureSession;

// Markup as grid cells hold it, and the plain text it shows.
struct TCell {
    QString Markup;
    QString Plain;
};

const std::vector<TCell>& Cells()
{
    static const std::vector<TCell> cells = [] {
        const QStringList markup = {
            "<B>Node</B> 12",
            R"(<FONT COLOR="clRed">Error</FONT> in line 4)",
            R"(<A HREF="cell://2,3">Go to cell</A>)",
            "Value: <I>unset</I>",
            R"(<P ALIGN="CENTER">Centred header</P>)",
            "x<SUP>2</SUP> + y<SUB>1</SUB>",
            R"(<CONTROL TYPE="CHECK" ID="c" VALUE="TRUE" WIDTH="16"> enabled)",
            "A longer description that wraps onto a second line of the cell",
        };
        std::vector<TCell> list;
        for (const QString& text : markup) list.push_back({text, MarkupToPlainText(text)});
        return list;
    }();
    return cells;
}

const TRect CellRect = {0, 0, 120, 40};

bool Markup(TCanvas* Canvas, const QString& Text, bool MeasureOnly)
{
    QString link, plain, focus, title, id, value, type;
    int32_t width = 0, height = 0, links = 0, hovered = 0;
    TRect linkRect, controlRect;
    return DrawMarkup(Canvas, Text, CellRect, nullptr, -1, -1, -1, -1, 1, false, MeasureOnly, false, false, true,
                      false, true, false, 1, clBlue, clNone, clNone, clGray, link, plain, focus, title, width, height,
                      links, hovered, linkRect, controlRect, id, value, type, nullptr, nullptr, nullptr, 0);
}

int32_t PlainText(TCanvas* Canvas, const QString& Text, bool MeasureOnly)
{
    TRect area = CellRect;
    return DrawText(Canvas, Text, -1, area, DT_WORDBREAK | (MeasureOnly ? DT_CALCRECT : 0));
}

// Runs the renderer over the cells, one item per cell, beside DrawText over their plain text.
void PerCell(benchmark::State& State, bool MeasureOnly)
{
    EnsureSession();
    TBitmap bitmap;
    bitmap.SetSize(CellRect.Right, CellRect.Bottom);
    TCanvas* canvas = bitmap.Canvas();
    RunBesidePeer(
        State, "DrawText",
        [&] {
            for (const TCell& cell : Cells()) benchmark::DoNotOptimize(Markup(canvas, cell.Markup, MeasureOnly));
        },
        [&] {
            for (const TCell& cell : Cells()) benchmark::DoNotOptimize(PlainText(canvas, cell.Plain, MeasureOnly));
        });
    State.SetItemsProcessed(int64_t(State.iterations()) * int64_t(Cells().size()));
}

void BM_MarkupMeasurePerCell(benchmark::State& State)
{
    PerCell(State, true);
}

void BM_MarkupDrawPerCell(benchmark::State& State)
{
    PerCell(State, false);
}

}  // namespace

BENCHMARK(BM_MarkupMeasurePerCell)->UseManualTime();
BENCHMARK(BM_MarkupDrawPerCell)->UseManualTime();
