// Setting up nodes on the test grid.
#include "ExtGridTestSupport.h"

#include "grid/core/CellGraphic.h"

void TTestExtGrid::MakeNode(int32_t ARow, int32_t Span, bool Contracted)
{
    TCellGraphic* Node = NewCellGraphic(0, ARow);
    Node->SetCellType(ctNode);
    Node->SetCellIndex(Span);
    Node->SetCellBoolean(Contracted);
    GetCellProperties(0, ARow)->SetNodeLevel(1);
    ++FNumNodes;
}
