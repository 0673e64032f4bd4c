// A string grid on a shown form for the painting tests, with the mouse state the painter reads
// opened, and pixel helpers over the rendered grid.
#pragma once

#include "grid/core/ExtGrid.h"

#include "support/Artifacts.h"
#include "support/Render.h"

#include "graphics/Colors.h"
#include "windows/Forms.h"

#include <gtest/gtest.h>

#include <QImage>

#include <memory>

// Plain colours the paint tests give cells and settings.
constexpr TColor Red = 0x0000FF;
constexpr TColor Blue = 0xFF0000;
constexpr TColor Olive = 0x308080;
constexpr TColor Sand = 0x90C8E0;
constexpr TColor Plum = 0x803070;

class TPaintGrid : public TExtStringGrid {
public:
    using TExtStringGrid::TExtStringGrid;
    using TExtStringGrid::FDropDownDown;
    using TExtStringGrid::FHoverFixedX;
    using TExtStringGrid::FHoverFixedY;
    using TExtStringGrid::FMouseDown;
    using TExtStringGrid::FMouseDownMove;
    using TExtStringGrid::FUseEnabledRows;
};

inline QRgb Rgb(TColor Color)
{
    const TColor C = ColorToRGB(Color);
    return qRgb(GetRValue(C), GetGValue(C), GetBValue(C));
}

// 5 columns of 64 and 10 rows of 24 pixels, one fixed row and column, on a shown form.
class CellPaintFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form.reset(New<TForm>(nullptr));
        Form->SetClientWidth(400);
        Form->SetClientHeight(300);
        Grid = New<TPaintGrid>(Form.get());
        Grid->SetParent(Form.get());
        Grid->SetBounds(0, 0, 380, 280);
        Grid->SetDefaultColWidth(64);
        Grid->SetDefaultRowHeight(24);
        Form->Show();
        ProcessPendingEvents();
    }

    QImage Render()
    {
        ProcessPendingEvents();
        return RenderControl(Grid);
    }

    // A pixel of the cell, DX and DY from its top-left corner (negative: from the right or bottom).
    QRgb At(const QImage& Image, int32_t ACol, int32_t ARow, int32_t DX, int32_t DY)
    {
        const TRect R = Grid->CellRect(ACol, ARow);
        const int32_t O = Border(Image);
        return Image.pixel(O + (DX >= 0 ? R.Left + DX : R.Right + DX), O + (DY >= 0 ? R.Top + DY : R.Bottom + DY));
    }
    // The middle of the cell.
    QRgb Mid(const QImage& Image, int32_t ACol, int32_t ARow)
    {
        const TRect R = Grid->CellRect(ACol, ARow);
        const int32_t O = Border(Image);
        return Image.pixel(O + (R.Left + R.Right) / 2, O + (R.Top + R.Bottom) / 2);
    }
    // The window's border around the client area in the rendered image.
    int32_t Border(const QImage& Image) { return (Image.width() - Grid->ClientWidth()) / 2; }

    std::unique_ptr<TForm> Form;
    TPaintGrid* Grid = nullptr;
};
