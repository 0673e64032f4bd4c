// TExtStringGrid: the outline nodes: reading them, their fields, the glyph hit test, making and
// removing them.
#include "grid/core/ExtGrid.h"

#include "grid/base/GridSettings.h"
#include "grid/core/CellGraphic.h"
#include "grid/core/CellNode.h"

#include "graphics/Bitmap.h"
#include "rtl/Strings.h"
#include "windows/SystemMetrics.h"

#include <algorithm>

bool TExtStringGrid::IsNode(int32_t ARow)
{
    return ARow >= 0 && GetCellType(0, ARow) == ctNode;
}

bool TExtStringGrid::IsSummary(int32_t ARow)
{
    return ARow >= 0 && GetCellType(0, ARow) == ctSummary;
}

bool TExtStringGrid::GetNodeState(int32_t ARow)
{
    return IsNode(ARow) && GetCellGraphic(0, ARow)->CellBoolean();
}

int32_t TExtStringGrid::GetNodeLevel(int32_t ARow)
{
    return IsNode(ARow) ? GetCellProperties(0, ARow)->NodeLevel() : -1;
}

int32_t TExtStringGrid::GetNodeSpan(int32_t ARow)
{
    return IsNode(ARow) ? GetCellGraphic(0, ARow)->CellIndex() : -1;
}

int32_t TExtStringGrid::GetSubNodeCount(int32_t ARow)
{
    return IsNode(ARow) ? GetCellGraphic(0, ARow)->CellErrFrom() : 0;
}

int32_t TExtStringGrid::GetParentRow(int32_t ARow)
{
    if (FNumNodes == 0) return -1;
    int32_t Result = -1;
    int32_t Level = 65535;
    if (IsNode(ARow)) {
        Level = GetNodeLevel(ARow);
        Result = ARow;
    }
    int32_t Hidden = 0;
    for (int32_t r = ARow; r >= FixedRows(); --r) {
        if (!IsNode(r) || GetNodeLevel(r) >= Level) continue;
        const int32_t Span = GetNodeSpan(r);
        if (GetNodeState(r)) Hidden += Span - 1;
        if (ARow < r + Span - Hidden) return r;
    }
    return Result;
}


// ---------------------------------------------------------------------------------------------
// Node fields
// ---------------------------------------------------------------------------------------------

TCellGraphic* TExtStringGrid::NodeGraphic(int32_t ARow)
{
    return IsNode(ARow) ? GetCellGraphic(0, ARow) : nullptr;
}

void TExtStringGrid::SetNodeState(int32_t ARow, bool Value)
{
    if (!IsNode(ARow) || GetNodeState(ARow) == Value) return;
    if (Value) ContractNode(RealRowIndex(ARow));
    else ExpandNode(RealRowIndex(ARow));
}

void TExtStringGrid::SetNodeSpan(int32_t ARow, int32_t Span)
{
    if (TCellGraphic* Node = NodeGraphic(ARow)) Node->SetCellIndex(Span);
}

void TExtStringGrid::UpdateNodeSpan(int32_t ARow, int32_t Delta)
{
    if (TCellGraphic* Node = NodeGraphic(ARow)) Node->SetCellIndex(Node->CellIndex() + Delta);
}

void TExtStringGrid::UpdateSubNodeCount(int32_t ARow, int32_t Delta)
{
    if (TCellGraphic* Node = NodeGraphic(ARow)) Node->SetCellErrFrom(Node->CellErrFrom() + Delta);
}

int32_t TExtStringGrid::GetNodeSpanType(int32_t ARow)
{
    if (IsNode(ARow)) return 0;
    if (ARow >= 0 && ARow < RowCount() - FFixedFooters - 1 && HasCellProperties(0, ARow + 1)) {
        const int32_t Level = HasCellProperties(0, ARow) ? GetCellProperties(0, ARow)->NodeLevel() : 0;
        if (GetCellProperties(0, ARow + 1)->NodeLevel() >= Level) return 2;
    }
    return 1;
}

bool TExtStringGrid::IsInNodeGlyph(int32_t ARow, int32_t X)
{
    if (!FMouseActions->PreciseNodeClick()) return true;
    const int32_t Level = GetNodeLevel(ARow);
    const int32_t Indent = FCellNode->NodeIndent();
    int32_t w = 4;
    int32_t m = 4;
    switch (FCellNode->NodeType()) {
    case cnFlat:
    case cnXP: break;
    case cn3D:
        w = 6;
        m = 0;
        break;
    case cnGlyph: {
        const TBitmap* Glyph = FCellNode->ExpandGlyph();
        const bool HasGlyph = Glyph && !Glyph->Empty();
        w = HasGlyph ? Glyph->Width() / 2 : 0;
        m = HasGlyph ? 2 : 0;
        break;
    }
    case cnLeaf:
        w = 8;
        m = 2;
        break;
    }
    if (!UseRightToLeftAlignment()) return m + (Level - 1) * Indent < X && X < w + Level * Indent;
    const int32_t v = VisibleRowCount() < RowCount() - FixedRows() - FFixedFooters ? GetSystemMetrics(SM_CXVSCROLL) : 0;
    return Width() - Level * Indent - w - 2 <= X + v && X + v < Width() - (Level - 1) * Indent;
}

// ---------------------------------------------------------------------------------------------
// Making and removing nodes
// ---------------------------------------------------------------------------------------------

void TExtStringGrid::AddNode(int32_t ARow, int32_t Span)
{
    const int32_t d = DisplRowIndex(ARow);
    if (d < 0 || d >= RowCount()) return;
    TCellGraphic* Node = NewCellGraphic(0, d);
    Node->SetCellType(ctNode);
    Node->SetCellAngle(d);
    Node->SetCellBoolean(false);
    Node->SetCellIndex(Span);
    Node->SetCellHAlign(haBeforeText);
    Node->SetCellVAlign(vaCenter);
    Node->SetCellErrFrom(0);
    Node->SetCellVar(-1);
    const int32_t Last = std::min(d + Span, RowCount()) - 1;
    for (int32_t r = d; r <= Last; ++r) {
        TCellProperties* Props = GetCellProperties(0, r);
        Props->SetNodeLevel(Props->NodeLevel() + 1);
    }
    if (FNumNodes == 0) RepaintCol(0);
    ++FNumNodes;
    if (Col() == 0 && ColCount() > 1) SetCol(1);
}

void TExtStringGrid::LowerNodeLevels(int32_t ARow, int32_t Span)
{
    // Real rows: the rows of a nested node that stays contracted are hidden.
    for (int32_t r = ARow; r < ARow + Span; ++r) {
        TCellProperties* Props = nullptr;
        if (TStrings* Hidden = HiddenRowTexts(r)) {
            if (Hidden->Count() > 0) Props = dynamic_cast<TCellProperties*>(Hidden->Objects(0));
        } else {
            const int32_t d = DisplRowIndex(r);
            if (d >= RowCount()) break;
            if (HasCellProperties(0, d)) Props = GetCellProperties(0, d);
        }
        if (Props && Props->NodeLevel() > 0) Props->SetNodeLevel(Props->NodeLevel() - 1);
    }
}

void TExtStringGrid::RemoveNode(int32_t ARow)
{
    ExpandNodeRows(ARow);
    const int32_t d = DisplRowIndex(ARow);
    if (!IsNode(d)) return;
    LowerNodeLevels(ARow, GetNodeSpan(d));
    RemoveCellGraphicOfType(0, d, ctNode);
    if (FNumNodes > 0) --FNumNodes;
}

void TExtStringGrid::RemoveAllNodes()
{
    for (int32_t r = 0; r < RowCount(); ++r)
        if (IsNode(r)) RemoveNode(RealRowIndex(r));
    Invalidate();
}
