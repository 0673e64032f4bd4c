#pragma once
// The painter's working state for one cell, shared by the layers of DrawCellContent.

#include "grid/base/BaseGrid.h"
#include "grid/core/CellTypes.h"

class TCanvas;
class TCellGraphic;

// Where and how large a cell's graphic is, and whether the cell's text shows beside it.
struct TCellGraphicLayout {
    TCellGraphic* Graphic = nullptr;
    TCellHAlign HAlign = haLeft;
    TCellVAlign VAlign = vaTop;
    bool ShowText = true;
    int32_t Width = 0;
    int32_t Height = 0;
};

struct TCellPaint {
    TCanvas* Canvas = nullptr;
    int32_t ACol = 0;     // display column, as the base grid passes it
    int32_t RCol = 0;     // real column
    int32_t ARow = 0;
    int32_t DataRow = 0;  // the real row under persistent disjunct row selection, else ARow
    TGridDrawState State;
    TRect Cell;           // the content rectangle the base grid passed
    TRect R;              // edited by the layers as they claim space
    bool FixedLook = false;
    bool HasFilter = false;
    int32_t TextWidth = 0;     // width the text layer took, for the graphic placed beside it
    int32_t ScrollOffset = 0;  // cell scroll bar position; 0 without a bar
    TColor ColorTo = clNone;
    TColor MirrorColor = clNone;
    TColor MirrorColorTo = clNone;
    TAlignment HA = taLeftJustify;
    TVAlignment VA = vtaTop;
    bool WW = false;
    TCellGradientDirection GD = GradientVertical;
    TCellGraphicLayout Graphic;
    bool GraphicDrawn = false;  // the graphic layer ran before the text
    TColor OrgBrushColor = clNone;  // brush and font colours before the text layer
    TColor OrgFontColor = clNone;
};
