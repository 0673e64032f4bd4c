// The floating picture of a column header while the header is dragged.
#pragma once

#include "windows/Controls.h"

#include <QString>

class TExtStringGrid;

// A bordered pop-up painted as the grid's fixed cell with the caption on it: plain text centred on
// one line with an end ellipsis, or markup when the caption holds "</".
class THeaderDragButton : public TCustomControl {
public:
    explicit THeaderDragButton(TComponent* AOwner);

    // The grid that paints the cell; not owned.
    TExtStringGrid* Grid() const { return FGrid; }
    void SetGrid(TExtStringGrid* Value) { FGrid = Value; }
    const QString& Caption() const { return FCaption; }
    void SetCaption(const QString& Value);
    bool Flat() const { return FFlat; }
    void SetFlat(bool Value);

protected:
    void CreateParams(TCreateParams& Params) override;
    void Paint() override;

private:
    TExtStringGrid* FGrid = nullptr;
    QString FCaption;
    bool FFlat = false;
};
