// The base grid on a shown form for its tests: protected state opened, content painting logged,
// and the right-to-left queries switchable (the platform has no right-to-left mode).
#pragma once

#include "grid/base/BaseGrid.h"

#include "support/Input.h"
#include "support/Render.h"

#include "graphics/Canvas.h"
#include "windows/Forms.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class TTestGrid : public TBaseGrid {
public:
    using TBaseGrid::TBaseGrid;

    using TBaseGrid::FHideLastRow;
    using TBaseGrid::FHoverRowIdx;
    using TBaseGrid::FMergeCount;
    using TBaseGrid::FNormalRowCount;
    using TBaseGrid::FPaintID;
    using TBaseGrid::FShowSel;

    // "c,r" and the content rectangle per DrawCellContent call.
    QStringList Painted;
    std::function<void(int32_t ACol, int32_t ARow, TBrush* ABrush)> Visual;
    std::function<bool(int32_t ACol, int32_t ARow)> ExtraFixed;
    bool RightToLeftReading = false;
    bool RightToLeftAlignment = false;
    bool Nodes = false;
    int32_t HiddenLastRowChanges = 0;
    QStringList TextChanges;

    bool UseRightToLeftReading() const override { return RightToLeftReading; }
    bool UseRightToLeftAlignment() const override { return RightToLeftAlignment; }

    void DrawCellContent(TCanvas* ACanvas, int32_t ACol, int32_t ARow, const TRect& ARect,
                         TGridDrawState AState) override
    {
        Painted.append(QStringLiteral("%1,%2").arg(ACol).arg(ARow));
        LastContent = ARect;
        TBaseGrid::DrawCellContent(ACanvas, ACol, ARow, ARect, AState);
    }
    bool IsFixed(int32_t ACol, int32_t ARow) override { return ExtraFixed && ExtraFixed(ACol, ARow); }
    bool HasNodes() override { return Nodes; }
    void HiddenLastRowChanged() override { ++HiddenLastRowChanges; }
    void CellTextChanged(int32_t ACol, int32_t ARow) override
    {
        TextChanges.append(QStringLiteral("%1,%2").arg(ACol).arg(ARow));
    }
    void GetVisualProperties(int32_t ACol, int32_t ARow, TGridDrawState& AState, bool Print, bool Select, bool Remap,
                             TBrush* ABrush, TColor& AColorTo, TColor& AMirrorColor, TColor& AMirrorColorTo,
                             TFont* AFont, TAlignment& HA, TVAlignment& VA, bool& WW,
                             TCellGradientDirection& GD) override
    {
        // As the string grid does: fixed cells in the fixed colour, selected ones highlighted.
        if (AState.Contains(gdFixed))
            ABrush->SetColor(FixedColor());
        else if (AState.Contains(gdSelected))
            ABrush->SetColor(clHighlight);
        else
            ABrush->SetColor(Color());
        if (Visual) Visual(ACol, ARow, ABrush);
        TBaseGrid::GetVisualProperties(ACol, ARow, AState, Print, Select, Remap, ABrush, AColorTo, AMirrorColor,
                                       AMirrorColorTo, AFont, HA, VA, WW, GD);
    }

    using TBaseGrid::DoPaintCell;
    using TBaseGrid::KeyDown;

    TRect LastContent;
};

// A shown form with a focused base grid: columns 50 and rows 20 pixels wide, no border, no scroll
// bars, so that client and control coordinates agree.
class BaseGridFixture : public ::testing::Test {
protected:
    void MakeGrid(int32_t ColCount, int32_t RowCount, int32_t Width = 300, int32_t Height = 200)
    {
        Form.reset(New<TForm>(nullptr));
        Form->SetBorderStyle(bsSingle);
        Form->SetClientWidth(Width + 20);
        Form->SetClientHeight(Height + 20);
        Form->Font()->SetName(QStringLiteral("Verdana"));
        Form->Font()->SetSize(8);
        Grid = New<TTestGrid>(Form.get());
        Grid->SetBoundsRect(Bounds(10, 10, Width, Height));
        Grid->SetParent(Form.get());
        Grid->SetBorderStyle(bsNone);
        Grid->SetScrollBars(ssNone);
        Grid->SetDefaultColWidth(50);
        Grid->SetDefaultRowHeight(20);
        Grid->SetColCount(ColCount);
        Grid->SetRowCount(RowCount);
        Form->Show();
        Grid->SetFocus();
        ProcessPendingEvents();
    }

    // The current cell as "c,r".
    QString Where() const { return QStringLiteral("%1,%2").arg(Grid->Col()).arg(Grid->Row()); }

    // One paint pass of the whole grid, with only its paints logged.
    QImage Render()
    {
        Grid->Invalidate();
        ProcessPendingEvents();
        Grid->Painted.clear();
        return RenderControl(Grid);
    }

    std::unique_ptr<TForm> Form;
    TTestGrid* Grid = nullptr;
};

// A pixel as a colour value.
inline TColor PixelColor(const QImage& Image, int32_t X, int32_t Y)
{
    const QRgb Pixel = Image.pixel(X, Y);
    return static_cast<TColor>(RGB(qRed(Pixel), qGreen(Pixel), qBlue(Pixel)));
}

inline QString ColorText(TColor Color)
{
    return QStringLiteral("$%1").arg(static_cast<uint32_t>(ColorToRGB(Color)) & 0xFFFFFF, 6, 16, QLatin1Char('0'));
}
