// A string grid for the grid tests that logs the cells it draws and the moves it is asked for, on a shown form.
#pragma once

#include "Recorder.h"
#include "support/Input.h"
#include "support/Render.h"

#include "windows/Grids.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

// The descendant the grid stack is: it records what the platform grid calls and can veto moves.
class TLoggingGrid : public TStringGrid {
public:
    using TStringGrid::TStringGrid;

    // "c,r:FSf" per DrawCell call: F fixed, S selected, f focused.
    QStringList Drawn;
    QStringList Log;
    std::function<bool(int32_t ACol, int32_t ARow)> Veto;
    std::function<void(TLoggingGrid* Grid, int32_t ACol, int32_t ARow)> InSelectCell;

    using TCustomGrid::CalcDrawInfo;
    using TCustomGrid::DeleteRow;
    using TCustomGrid::EditorMode;
    using TCustomGrid::FGridState;
    using TCustomGrid::HideEditor;
    using TCustomGrid::InvalidateEditor;
    using TCustomGrid::MoveColRow;
    using TCustomGrid::MoveColumn;
    using TCustomGrid::MoveRow;
    using TCustomGrid::ArrangeRows;
    using TCustomGrid::RotateRows;
    using TCustomGrid::ShowEditor;

protected:
    void DrawCell(int32_t ACol, int32_t ARow, const TRect& ARect, TGridDrawState AState) override
    {
        QString Flags;
        if (AState.Contains(gdFixed)) Flags += QLatin1Char('F');
        if (AState.Contains(gdSelected)) Flags += QLatin1Char('S');
        if (AState.Contains(gdFocused)) Flags += QLatin1Char('f');
        Drawn.append(QStringLiteral("%1,%2:%3").arg(ACol).arg(ARow).arg(Flags));
        TStringGrid::DrawCell(ACol, ARow, ARect, AState);
    }
    bool SelectCell(int32_t ACol, int32_t ARow) override
    {
        Log.append(QStringLiteral("SelectCell %1,%2").arg(ACol).arg(ARow));
        if (InSelectCell) InSelectCell(this, ACol, ARow);
        if (Veto && Veto(ACol, ARow)) return false;
        return TStringGrid::SelectCell(ACol, ARow);
    }
    void TopLeftChanged() override
    {
        Log.append(QStringLiteral("TopLeftChanged %1,%2").arg(LeftCol()).arg(TopRow()));
        TStringGrid::TopLeftChanged();
    }
    void SizeChanged(int32_t OldColCount, int32_t OldRowCount) override
    {
        Log.append(QStringLiteral("SizeChanged %1,%2").arg(OldColCount).arg(OldRowCount));
        TStringGrid::SizeChanged(OldColCount, OldRowCount);
    }
    void ColWidthsChanged() override
    {
        Log.append(QStringLiteral("ColWidthsChanged"));
        TStringGrid::ColWidthsChanged();
    }
    void RowHeightsChanged() override
    {
        Log.append(QStringLiteral("RowHeightsChanged"));
        TStringGrid::RowHeightsChanged();
    }
    void SetEditText(int32_t ACol, int32_t ARow, const QString& Value) override
    {
        Log.append(QStringLiteral("SetEditText %1,%2 %3").arg(ACol).arg(ARow).arg(Value));
        TStringGrid::SetEditText(ACol, ARow, Value);
    }
    void ColumnMoved(int32_t FromIndex, int32_t ToIndex) override
    {
        Log.append(QStringLiteral("ColumnMoved %1,%2").arg(FromIndex).arg(ToIndex));
        TStringGrid::ColumnMoved(FromIndex, ToIndex);
    }
    void RowMoved(int32_t FromIndex, int32_t ToIndex) override
    {
        Log.append(QStringLiteral("RowMoved %1,%2").arg(FromIndex).arg(ToIndex));
        TStringGrid::RowMoved(FromIndex, ToIndex);
    }
};

// A shown form with a focused grid of ColCount x RowCount cells, 50 x 20 pixels each with 1-pixel lines,
// without a border so that client and control coordinates agree.
class GridFixture : public ::testing::Test {
public:
    void MakeGrid(int32_t ColCount, int32_t RowCount, int32_t Width = 300, int32_t Height = 200)
    {
        Form = MakeForm(Width + 40, Height + 40);
        Grid = Place<TLoggingGrid>(Form.get(), Bounds(10, 10, Width, Height));
        Grid->SetBorderStyle(bsNone);
        Grid->SetScrollBars(ssNone);
        Grid->SetDefaultColWidth(50);
        Grid->SetDefaultRowHeight(20);
        Grid->SetColCount(ColCount);
        Grid->SetRowCount(RowCount);
        Form->Show();
        Grid->SetFocus();
        ProcessPendingEvents();
        Grid->Log.clear();
        Grid->Drawn.clear();
    }

    // The middle of a cell as it shows now.
    TPoint CellPoint(int32_t ACol, int32_t ARow) const { return CenterPoint(Grid->CellRect(ACol, ARow)); }

    // The current cell and selection as "c,r [l,t-r,b]".
    QString Where() const
    {
        const TGridRect Sel = Grid->Selection();
        return QStringLiteral("%1,%2 [%3,%4-%5,%6]")
            .arg(Grid->Col())
            .arg(Grid->Row())
            .arg(Sel.Left)
            .arg(Sel.Top)
            .arg(Sel.Right)
            .arg(Sel.Bottom);
    }

    std::unique_ptr<TForm> Form;
    TLoggingGrid* Grid = nullptr;
};
