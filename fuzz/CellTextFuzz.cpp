// Fuzz target of cell text painting: the input is one cell's text (plain, markup, rich, formula,
// link or wide, by the first byte) and the grid's text settings (the second byte). The cell is
// painted through the grid's own cell painting onto a bitmap; painting must raise nothing and leave
// every pixel outside the cell's rectangle untouched.
#include "grid/core/ExtGrid.h"
#include "grid/core/SortSettings.h"

#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "graphics/GraphicsObjects.h"

#include "FuzzRig.h"

#include <QString>

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

void Check(bool Holds)
{
    if (!Holds) std::abort();
}

const TColor Sentinel = 0x123456;

QString KindPrefix(uint8_t Kind)
{
    switch (Kind % 6) {
    case 1: return QStringLiteral("<b>");
    case 2: return QStringLiteral("{\\rtf1 ");
    case 3: return QStringLiteral("=");
    case 4: return QStringLiteral("http://");
    case 5: return QStringLiteral("|\\");
    default: return {};
    }
}

TExtStringGrid* Grid()
{
    static TExtStringGrid* Made = [] {
        TExtStringGrid* G = FuzzControl<TExtStringGrid>();
        G->SetBounds(0, 0, 260, 200);
        G->SetColCount(4);
        G->SetRowCount(5);
        G->SetDefaultColWidth(60);
        G->SetDefaultRowHeight(30);
        G->SortSettings()->SetShow(true);
        G->SortSettings()->SetColumn(1);
        return G;
    }();
    return Made;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    if (Size < 2) return 0;
    TExtStringGrid* G = Grid();
    const uint8_t Kind = Data[0];
    const uint8_t Flags = Data[1];
    const QString Text = KindPrefix(Kind) + QString::fromUtf8(reinterpret_cast<const char*>(Data + 2),
                                                              static_cast<qsizetype>(Size - 2));
    G->SetEnableHTML(Flags & 1);
    G->SetURLShow(Flags & 2);
    G->SetURLFull(Flags & 4);
    G->SetWordWrap(Flags & 8);
    G->SetMultilinecells(Flags & 16);
    G->SetEnhTextSize(Flags & 32);
    G->SetDefaultAlignment(static_cast<TAlignment>((Flags >> 6) % 3));
    // The header row holds the sort indicator, a data row the selection.
    const int32_t Row = (Kind & 0x80) ? 0 : 2;
    G->SetCells(1, Row, Text);

    const TRect Cell = G->CellRect(1, Row);
    TBitmap Bitmap;
    Bitmap.SetSize(G->ClientWidth(), G->ClientHeight());
    TCanvas* C = Bitmap.Canvas();
    C->Brush()->SetColor(Sentinel);
    C->FillRect(Rect(0, 0, Bitmap.Width(), Bitmap.Height()));
    TGridDrawState State;
    if (Row == 0) State.Include(gdFixed);
    else if (Kind & 0x40) State.Include(gdSelected);
    G->PaintCell(C, 1, Row, Cell, State);

    // A band of pixels around the cell stays as it was.
    const int32_t Band = 12;
    for (int32_t y = std::max(0, Cell.Top - Band); y < std::min(Bitmap.Height(), Cell.Bottom + Band); ++y)
        for (int32_t x = std::max(0, Cell.Left - Band); x < std::min(Bitmap.Width(), Cell.Right + Band); ++x)
            if (x < Cell.Left || x >= Cell.Right || y < Cell.Top || y >= Cell.Bottom)
                Check(C->Pixels(x, y) == Sentinel);
    G->SetCells(1, Row, QString());
    return 0;
}
