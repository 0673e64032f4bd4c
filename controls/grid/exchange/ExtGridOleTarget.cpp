// The drop-target switches of a grid's drag-and-drop settings: registering the grid's drop target
// for its window, the accept switches it takes after streaming, and the unit's rich-text switch.
#include "grid/core/ExtGrid.h"

#include "grid/core/GridOptions.h"
#include "grid/exchange/GridDropTarget.h"

void TDragDropSettings::SetOleDropRTF(bool Value)
{
    SetDropRTFEnabled(Value);
    FOleDropRTF = Value;
}

void TDragDropSettings::SetOleDropTarget(bool Value)
{
    FOleDropTarget = Value;
    if (FGrid && !FGrid->Designing()) FGrid->SwitchOleDropTarget(Value);
}

void TExtStringGrid::SwitchOleDropTarget(bool On)
{
    // Revoked first, so that switching on twice never leaves a registration that cannot be revoked.
    if (FOleDropTargetAssigned) {
        RevokeDragDrop(Handle());
        FOleDropTargetAssigned = false;
        FGridDropTarget.reset();
    }
    if (!On) return;
    FGridDropTarget = std::make_shared<TGridDropTarget>(this);
    FOleDropTargetAssigned = Succeeded(RegisterDragDrop(Handle(), FGridDropTarget));
}

void TExtStringGrid::ApplyOleAcceptSwitches()
{
    if (!FOleDropTargetAssigned || !FGridDropTarget) return;
    FGridDropTarget->SetAcceptText(FDragDropSettings->OleAcceptText());
    FGridDropTarget->SetAcceptFiles(FDragDropSettings->OleAcceptFiles());
    FGridDropTarget->SetAcceptURLs(FDragDropSettings->OleAcceptURLs());
}
