// The panel below a string grid that paints its floating footer and answers hints and clicks on it.
#pragma once

#include "windows/ExtCtrls.h"

#include <QString>

#include <cstdint>

class TExtStringGrid;

class TFooterPanel : public TCustomPanel {
public:
    // AOwner is the string grid.
    explicit TFooterPanel(TComponent* AOwner);

    // The column whose hint shows, -1 for none.
    int32_t LastHintX() const { return FLastHintX; }

protected:
    void CreateWnd() override;
    void Paint() override;
    void WndProc(TMessage& Message) override;
    void MouseMove(TShiftState Shift, int32_t X, int32_t Y) override;
    // Then the grid's OnClick and, over a column, its OnClickCell for the last row.
    void MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;

private:
    // The width of the fixed columns and of the columns from the grid's left column on.
    int32_t ShownWidth() const;
    // One past the column under client x X (fixed columns first, then from the grid's left
    // column); -1 past the last column.
    int32_t ColumnAfter(int32_t X) const;
    void CMHintShow(TMessage& Message);
    void PaintFixedLastRow(int32_t W);
    // fsColumnPreview, or with Custom the template drawn as markup.
    void PaintPreview(int32_t W, bool Custom);
    // Each "<#n>" becomes the text of column n in the current row; an unreadable number is dropped;
    // a "<#" without ">" ends the expansion.
    QString ExpandTemplate(const QString& Template) const;

    TExtStringGrid* FGrid = nullptr;
    int32_t FLastHintX = -1;
};
