// TExtColorCubePanel: cell layout and colours, hexagon painting with frames, hit test, mouse and hint.
#include "dropdown/ColorCubePanel.h"

#include "dropdown/HexColor.h"

#include "graphics/Canvas.h"
#include "rtl/Format.h"
#include "windows/Forms.h"

namespace {

constexpr int32_t RowCount = 13;
constexpr int32_t RowCells[RowCount] = {7, 8, 9, 10, 11, 12, 13, 12, 11, 10, 9, 8, 7};

// Row by row, from the leftmost cell.
constexpr uint32_t CubeColors[TExtColorCubePanel::CellCount] = {
    0x003366, 0x336699, 0x3366CC, 0x003399, 0x000099, 0x0000CC, 0x000066,
    0x006666, 0x006699, 0x0099CC, 0x0066CC, 0x0033CC, 0x0000FF, 0x3333FF, 0x333399,
    0x008080, 0x009999, 0x33CCCC, 0x00CCFF, 0x0099FF, 0x0066FF, 0x3366FF, 0x3333CC, 0x666699,
    0x339966, 0x00CC99, 0x00FFCC, 0x00FFFF, 0x33CCFF, 0x3399FF, 0x6699FF, 0x6666FF, 0x6600FF, 0x6600CC,
    0x339933, 0x00CC66, 0x00FF99, 0x66FFCC, 0x66FFFF, 0x66CCFF, 0x99CCFF, 0x9999FF, 0x9966FF, 0x9933FF, 0x9900FF,
    0x006600, 0x00CC00, 0x00FF00, 0x66FF99, 0x99FFCC, 0xCCFFFF, 0xCCECFF, 0xCCCCFF, 0xCC99FF, 0xCC66FF, 0xCC00FF,
    0x9900CC,
    0x003300, 0x008000, 0x33CC33, 0x66FF66, 0x99FF99, 0xCCFFCC, 0xFFFFFF, 0xFFCCFF, 0xFF99FF, 0xFF66FF, 0xFF00FF,
    0xCC00CC, 0x660066,
    0x336600, 0x009900, 0x66FF33, 0x99FF66, 0xCCFF99, 0xFFFFCC, 0xFFCCCC, 0xFF99CC, 0xFF66CC, 0xFF33CC, 0xCC0099,
    0x800080,
    0x333300, 0x669900, 0x99FF33, 0xCCFF66, 0xFFFF99, 0xFFCC99, 0xFF9999, 0xFF6699, 0xFF3399, 0xCC3399, 0x990099,
    0x666633, 0x99CC00, 0xCCFF33, 0xFFFF66, 0xFFCC66, 0xFF9966, 0xFF7C80, 0xFF0066, 0xD60093, 0x993366,
    0x808000, 0xCCCC00, 0xFFFF00, 0xFFCC00, 0xFF9933, 0xFF6600, 0xFF5050, 0xCC0066, 0x660033,
    0x996633, 0xCC9900, 0xFF9900, 0xCC6600, 0xFF3300, 0xFF0000, 0xCC0000, 0x990033,
    0x663300, 0x996600, 0xCC3300, 0x993300, 0x990000, 0x800000, 0xA50021,
};

void DrawHexagon(TCanvas* Canvas, int32_t X, int32_t Y, int32_t W, int32_t Q)
{
    Canvas->Polygon({{X - W, Y - Q}, {X, Y - 2 * Q}, {X + W, Y - Q}, {X + W, Y + Q}, {X, Y + 2 * Q}, {X - W, Y + Q}});
}

}  // namespace

TExtColorCubePanel::TExtColorCubePanel(TComponent* AOwner) : TExtCustomColorSelectorPanel(AOwner)
{
    InitCube();
    SetShowRGBHint(true);
}

void TExtColorCubePanel::SetShowRGBHint(bool Value)
{
    FShowRGBHint = Value;
    SetShowHint(Value);
}

TExtColorCubePanel::TCubeCell TExtColorCubePanel::Cell(int32_t Index) const
{
    return Index >= 1 && Index <= CellCount ? FCubeCells[size_t(Index)] : TCubeCell{};
}

void TExtColorCubePanel::InitCube()
{
    FCubeSize = {6, 3};
    int32_t Index = 1;
    for (int32_t Row = 1; Row <= RowCount; ++Row) {
        const int32_t Y = 20 + 10 * (Row - 1);
        int32_t X = Row <= 7 ? 55 - 6 * (Row - 1) : 19 + 6 * (Row - 7);
        for (int32_t Column = 0; Column < RowCells[Row - 1]; ++Column, ++Index, X += 2 * FCubeSize.X)
            FCubeCells[size_t(Index)] = {X, Y, HexColor(CubeColors[Index - 1])};
    }
}

void TExtColorCubePanel::ResetCube()
{
    FHotIndex = -1;
    SetWidth(182);
    SetHeight(160);
}

void TExtColorCubePanel::SetSelection(TColor AColor, int32_t AIndex)
{
    FSelectedColor = AColor;
    if (AIndex >= 1 && AIndex <= CellCount) {
        FSelectedIndex = AIndex;
        return;
    }
    FSelectedIndex = -1;
    for (int32_t Index = 1; Index <= CellCount; ++Index) {
        if (FCubeCells[size_t(Index)].Color == AColor) {
            FSelectedIndex = Index;
            break;
        }
    }
}

int32_t TExtColorCubePanel::HitTest(int32_t X, int32_t Y) const
{
    for (int32_t Index = 1; Index <= CellCount; ++Index) {
        const int32_t DX = X - FCubeCells[size_t(Index)].X;
        const int32_t DY = Y - FCubeCells[size_t(Index)].Y;
        if (DX * DX + DY * DY <= 36) return Index;
    }
    return -1;
}

void TExtColorCubePanel::DrawCell(int32_t Index)
{
    if (Index < 1 || Index > CellCount) return;
    const TCubeCell& Cell = FCubeCells[size_t(Index)];
    TCanvas* C = Canvas();
    C->Pen()->SetWidth(1);
    C->Pen()->SetColor(Cell.Color);
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(Cell.Color);
    DrawHexagon(C, Cell.X, Cell.Y, FCubeSize.X, FCubeSize.Y);

    const auto Frame = [&](TColor Outer) {
        C->Brush()->SetStyle(bsClear);
        C->Pen()->SetColor(Outer);
        DrawHexagon(C, Cell.X, Cell.Y, 5, 3);
        C->Pen()->SetColor(clWhite);
        DrawHexagon(C, Cell.X, Cell.Y, 4, 2);
    };
    if (Index == FHotIndex) Frame(clRed);
    if (Index == FSelectedIndex) Frame(clBlack);
}

void TExtColorCubePanel::Paint()
{
    TExtCustomColorSelectorPanel::Paint();
    for (int32_t Index = 1; Index <= CellCount; ++Index) DrawCell(Index);
}

void TExtColorCubePanel::MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y)
{
    TExtCustomColorSelectorPanel::MouseDown(Button, Shift, X, Y);
    const int32_t Index = HitTest(X, Y);
    if (Index < 1) return;
    if (FSelectedIndex >= 1) {
        const int32_t Old = FSelectedIndex;
        FSelectedIndex = -1;
        DrawCell(Old);
    }
    SetSelection(FCubeCells[size_t(Index)].Color, Index);
    DrawCell(Index);
    if (OnSelect) OnSelect(this);
}

void TExtColorCubePanel::MouseMove(TShiftState Shift, int32_t X, int32_t Y)
{
    TExtCustomColorSelectorPanel::MouseMove(Shift, X, Y);
    const int32_t Index = HitTest(X, Y);
    if (Index >= 1) {
        if (Index == FHotIndex) return;
        if (FHotIndex >= 1) {
            const int32_t Old = FHotIndex;
            FHotIndex = -1;
            DrawCell(Old);
        }
        FHotIndex = Index;
        DrawCell(Index);
        if (FShowRGBHint) ShowCellHint(FCubeCells[size_t(Index)].Color);
    } else if (FShowRGBHint) {
        // The last hot cell keeps its frame.
        SetHint(QString());
        Application->CancelHint();
    }
}

void TExtColorCubePanel::MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y)
{
    TExtCustomColorSelectorPanel::MouseUp(Button, Shift, X, Y);
    DoShouldHide();
}

void TExtColorCubePanel::ShowCellHint(TColor Color)
{
    SetHint(Format(QStringLiteral("Red: %d,  Green: %d,  Blue: %d"),
                   {GetRValue(uint32_t(Color)), GetGValue(uint32_t(Color)), GetBValue(uint32_t(Color))}));
    Application->CancelHint();
}
