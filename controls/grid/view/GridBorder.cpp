// The coloured window border in the grid's frame, and the lines shown while a fixed column or row is sized.
#include "grid/core/ExtGrid.h"

#include "graphics/Canvas.h"
#include "windows/WindowDC.h"

#include <algorithm>

namespace {

bool LookHasBorder(TGridLook Look)
{
    switch (Look) {
    case glSoft:
    case glVyx:
    case glXP:
    case glListView:
    case glVista:
    case glWin7:
    case glOffice2007: return true;
    default: return false;
    }
}

// Draws with an inverting dotted black pen of width 1; the canvas's pen comes back afterwards.
class TSizingPen {
public:
    explicit TSizingPen(TCanvas* Canvas) : FCanvas(Canvas)
    {
        FSaved.Assign(Canvas->Pen());
        TPen* Pen = Canvas->Pen();
        Pen->SetColor(clBlack);
        Pen->SetStyle(psDot);
        Pen->SetMode(pmNotXor);
        Pen->SetWidth(1);
    }
    ~TSizingPen() { FCanvas->Pen()->Assign(&FSaved); }
    TSizingPen(const TSizingPen&) = delete;
    TSizingPen& operator=(const TSizingPen&) = delete;

private:
    TCanvas* FCanvas;
    TPen FSaved;
};

}  // namespace

void TExtStringGrid::PaintWindowBorder()
{
    if (!LookHasBorder(FLook) || BorderStyle() == bsNone || FBorderColor == clNone || FFlat) return;
    if (!HandleAllocated()) return;
    const bool Fit = FFitCellsInGrid;
    if (!Fit && !FIsComCtl6) return;
    HDC DC = GetWindowDC(Handle());
    if (!DC) return;
    const int32_t W = Width();
    const int32_t H = Height();
    DC->Brush()->SetStyle(bsClear);
    DC->Pen()->SetStyle(psSolid);
    DC->Pen()->SetWidth(1);
    DC->Pen()->SetColor(FBorderColor);
    if (Fit) {
        DC->Polyline({Point(1, H), Point(1, 1), Point(W - 2, 1), Point(W - 2, H - 2), Point(1, H - 2)});
        if (Parent()) {
            DC->Pen()->SetColor(Parent()->Brush()->Color());
            DC->Polyline({Point(0, H), Point(0, 0), Point(W - 1, 0), Point(W - 1, H - 1), Point(0, H - 1)});
        }
    } else {
        DC->Polyline({Point(0, H - 1), Point(0, 0), Point(W - 1, 0), Point(W - 1, H - 1), Point(0, H - 1)});
    }
    ReleaseDC(Handle(), DC);
}

void TExtStringGrid::WMNCPaint(TMessage& Message)
{
    TBaseGrid::Dispatch(Message);
    if (FUpdateCount > 0) return;
    PaintWindowBorder();
    Message.Result = 0;
}

void TExtStringGrid::DrawColSizingLine(int32_t X)
{
    TCanvas* C = Canvas();
    const TSizingPen Pen(C);
    C->MoveTo(X, 0);
    C->LineTo(X, std::max(Height(), TCustomGrid::CellRect(0, RowCount() - 1).Bottom));
}

void TExtStringGrid::DrawRowSizingLine(int32_t Y)
{
    TCanvas* C = Canvas();
    const TSizingPen Pen(C);
    C->MoveTo(0, Y);
    C->LineTo(std::max(Width(), TCustomGrid::CellRect(ColCount() - 1, 0).Right), Y);
}
