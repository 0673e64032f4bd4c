// TExtStringGrid: expanding and contracting outline nodes (one, all), and inserting and removing
// rows inside them.
#include "grid/core/ExtGrid.h"
#include "grid/core/ScopeRestore.h"

#include "grid/base/GridSettings.h"
#include "grid/base/GridSupport.h"
#include "grid/core/CellGraphic.h"
#include "grid/core/CellNode.h"
#include "grid/core/GridItems.h"
#include "grid/core/HiddenRows.h"

#include "rtl/Strings.h"

#include <algorithm>
#include <vector>

// ---------------------------------------------------------------------------------------------
// Expanding and contracting
// ---------------------------------------------------------------------------------------------

void TExtStringGrid::ExpandNodeRows(int32_t ARow)
{
    const int32_t d = DisplRowIndex(ARow);
    TCellGraphic* Node = NodeGraphic(d);
    if (!Node || !Node->CellBoolean()) return;
    Node->SetCellBoolean(false);
    int32_t e = d + 1;
    if (Node->CellIndex() == 0)
        while (e < RowCount() && !IsNode(e)) ++e;
    // With the node contracted, display row d + 1 is the first row after its hidden block.
    const int32_t First = RealRowIndex(d) + 1;
    const int32_t Last = RealRowIndex(e) - 1;

    const int32_t OldTop = TopRow();
    const int32_t OldRow = Row();
    const bool Disjunct = FMouseActions->DisjunctRowSelect();
    const bool RowSel = Options().Contains(goRowSelect);
    const bool Bracket = FNumCellControls == 0;
    FMouseActions->SetDisjunctRowSelectDirect(false);
    if (RowSel) {
        TGridOptions Opts = Options();
        Opts.Exclude(goRowSelect);
        SetOptions(Opts);
    }
    if (Bracket) BeginUpdate();
    {
        TRestore Restore([&] {
            if (RowSel) {
                TGridOptions Opts = Options();
                Opts.Include(goRowSelect);
                SetOptions(Opts);
                if (OldRow < RowCount()) SetRow(OldRow);
                SetTopRow(OldTop);
            }
            FMouseActions->SetDisjunctRowSelectDirect(Disjunct);
            if (Bracket) EndUpdate();
        });
        if (First <= Last) UnHideRows(First, Last);
    }
    CalcFooter(-1);
}

void TExtStringGrid::ExpandNode(int32_t ARow)
{
    if (FCellNode->ExpandOne())
        for (int32_t r = FixedRows(); r < RowCount(); ++r)
            if (IsNode(r) && !GetNodeState(r)) ContractNode(RealRowIndex(r));
    ExpandNodeRows(ARow);
}

void TExtStringGrid::ContractNode(int32_t ARow)
{
    HideInplaceEdit();
    FForceSel = true;
    TRestore Restore([this] { FForceSel = false; });
    const int32_t a = DisplRowIndex(ARow);
    TCellGraphic* Node = NodeGraphic(a);
    if (!Node || Node->CellBoolean()) return;
    Node->SetCellBoolean(true);
    const int32_t b = a + 1;
    int32_t e = a + Node->CellIndex();
    if (Node->CellIndex() <= 0) {
        e = a + 1;
        while (e < RowCount() && !IsNode(e)) ++e;
    }
    e = std::min(e, RowCount());
    int32_t r = b;
    while (r < e) {
        TCellGraphic* Inner = NodeGraphic(r);
        if (!Inner || !Inner->CellBoolean()) {
            ++r;
            continue;
        }
        // A nested node whose rows are hidden already: hide it with the rows before it.
        Inner->SetCellBoolean(false);
        if (r + 1 < RowCount() && HasCellProperties(1, r + 1))
            if (TControl* Control = GetCellProperties(1, r + 1)->Control()) Control->Hide();
        const int32_t InnerSpan = Inner->CellIndex();
        HideRows(RealRowIndex(b), RealRowIndex(r));
        e = std::min(e + b - InnerSpan - r, RowCount());
        r = b;
    }
    if (r - 1 >= b) HideRows(RealRowIndex(b), RealRowIndex(r - 1));
    FForceSel = false;
    CalcFooter(-1);
}

void TExtStringGrid::ExpandAll()
{
    // One pass: the rows hidden after every contracted node come back together, and the nodes among
    // them count as expanded, as expanding node by node from the top would leave them.
    BeginUpdate();
    TRestore Restore([this] { EndUpdate(); });
    std::vector<TGridItem*> Items;
    for (int32_t d = FixedRows(); d < RowCount(); ++d) {
        TCellGraphic* Node = NodeGraphic(d);
        if (!Node || !Node->CellBoolean()) continue;
        Node->SetCellBoolean(false);
        int32_t e = d + 1;
        if (Node->CellIndex() == 0)
            while (e < RowCount() && !IsNode(e)) ++e;
        const int32_t First = RealRowIndex(d) + 1;
        const int32_t Last = RealRowIndex(e) - 1;
        if (First > Last) continue;
        for (TGridItem* Item : FGridItems->ItemsIn(TRealRow{First}, TRealRow{Last})) {
            Items.push_back(Item);
            TStrings* Texts = Item->Items();
            auto* Props = Texts->Count() > 0 ? dynamic_cast<TCellProperties*>(Texts->Objects(0)) : nullptr;
            auto* Inner = Props ? dynamic_cast<TCellGraphic*>(GraphicObjectOf(Props)) : nullptr;
            if (Inner && Inner->CellType() == ctNode) Inner->SetCellBoolean(false);
        }
    }
    if (!Items.empty()) {
        const int32_t OldTop = TopRow();
        const int32_t OldRow = Row();
        const bool Disjunct = FMouseActions->DisjunctRowSelect();
        const bool RowSel = Options().Contains(goRowSelect);
        FMouseActions->SetDisjunctRowSelectDirect(false);
        if (RowSel) {
            TGridOptions Opts = Options();
            Opts.Exclude(goRowSelect);
            SetOptions(Opts);
        }
        TRestore Back([&] {
            if (RowSel) {
                TGridOptions Opts = Options();
                Opts.Include(goRowSelect);
                SetOptions(Opts);
                if (OldRow < RowCount()) SetRow(OldRow);
                SetTopRow(OldTop);
            }
            FMouseActions->SetDisjunctRowSelectDirect(Disjunct);
        });
        RestoreItems(std::move(Items));
    }
    CalcFooter(-1);
}

void TExtStringGrid::ContractAll()
{
    BeginUpdate();
    TRestore Restore([this] { EndUpdate(); });
    ExpandAll();
    TIntList Rows(0, 0);
    int32_t r = FixedRows();
    while (r < RowCount()) {
        TCellGraphic* Node = NodeGraphic(r);
        if (!Node) {
            ++r;
            continue;
        }
        Node->SetCellBoolean(true);
        int32_t e = r + Node->CellIndex();
        if (Node->CellIndex() <= 0) {
            e = r + 1;
            while (e < RowCount() && !IsNode(e)) ++e;
        }
        e = std::min(e, RowCount());
        for (int32_t x = r + 1; x < e; ++x) Rows.Add(x);
        r = std::max(e, r + 1);
    }
    if (Rows.Count() > 0) HideRowList(&Rows);
    CellControlsUpdate(false);
    CalcFooter(-1);
}

// ---------------------------------------------------------------------------------------------
// Rows inside the outline
// ---------------------------------------------------------------------------------------------

void TExtStringGrid::InsertNormalRow(int32_t ARow)
{
    // InsertRows moves the hidden rows from the next shown row on; those hidden right after ARow
    // follow the new row as well.
    const int32_t d = DisplRowIndex(ARow);
    const int32_t Next = RealRowIndex(d);
    InsertRows(d, 1, true);
    for (int32_t i = 0; i < NumHiddenRows(); ++i) {
        TGridItem* Item = FGridItems->Items(i);
        if (Item->Idx() > ARow && Item->Idx() < Next) Item->SetIdx(Item->Idx() + 1);
    }
}

void TExtStringGrid::RemoveNormalRow(int32_t ARow)
{
    // RemoveRows lowers FMaxRowCount itself.
    RemoveRows(ARow, 1);
}

void TExtStringGrid::InsertChildRow(int32_t ARow, int32_t InsertAt)
{
    int32_t p = GetParentRow(DisplRowIndex(ARow));
    int32_t Level = 1;
    // Parents are followed by their real rows: expanding may move display rows.
    const auto Expand = [this](int32_t& ANode) {
        const int32_t Real = RealRowIndex(ANode);
        ExpandNode(Real);
        ANode = DisplRowIndex(Real);
        return GetCellProperties(0, ANode)->NodeLevel();
    };
    if (p != -1) {
        UpdateNodeSpan(p, 1);
        UpdateSubNodeCount(p, 1);
        Level = Expand(p);
    }
    int32_t a = p;
    int32_t L = Level;
    while (L > 1 && a != -1 && a >= FixedRows()) {
        const int32_t Up = GetParentRow(a);
        if (Up == a) break;
        a = Up;
        if (a == -1 || GetCellProperties(0, a)->NodeLevel() >= L) continue;
        UpdateNodeSpan(a, 1);
        UpdateSubNodeCount(a, 1);
        L = Expand(a);
    }

    const int32_t d = DisplRowIndex(ARow);
    const int32_t NewRow = IsNode(d) && InsertAt == 0 ? d + 1 : d + InsertAt;
    InsertRows(NewRow, 1, true);
    if (NewRow == d + 1 && InsertAt == 0) {
        // The new row takes over the node row's texts and the objects beside them.
        for (int32_t c = 0; c < TotalColCount(); ++c) {
            SetGridCell(c, d + 1, GetGridCell(c, d));
            SetGridCell(c, d, QString());
            if (c == 0) continue;
            SetGridObject(c, d + 1, GetGridObject(c, d));
            SetGridObject(c, d, nullptr);
        }
    }
    if (p != -1) GetCellProperties(0, NewRow)->SetNodeLevel(Level);
}

void TExtStringGrid::RemoveChildRow(int32_t ARow)
{
    MoveControlRows(RealRowIndex(DisplRowIndex(ARow)), -1);
    int32_t p = GetParentRow(DisplRowIndex(ARow));
    // The child-row count only counts rows InsertChildRow added: it never drops below 0.
    const auto Shorten = [this](int32_t ANode) {
        if (GetNodeSpan(ANode) <= 1) return;
        UpdateNodeSpan(ANode, -1);
        if (GetSubNodeCount(ANode) > 0) UpdateSubNodeCount(ANode, -1);
    };
    if (p != -1) {
        const int32_t L = GetCellProperties(0, p)->NodeLevel();
        Shorten(p);
        for (;;) {
            const int32_t Real = RealRowIndex(p);
            ExpandNode(Real);
            p = DisplRowIndex(Real);
            if (GetCellProperties(0, p)->NodeLevel() <= 1) break;
            const int32_t Up = GetParentRow(p);
            if (Up == -1 || Up == p || GetCellProperties(0, Up)->NodeLevel() >= L) break;
            p = Up;
            Shorten(p);
        }
    }
    const int32_t d = DisplRowIndex(ARow);
    // A node row removed as a row no longer counts as a node.
    if (IsNode(d) && FNumNodes > 0) --FNumNodes;
    RemoveRowBlock(d, 1);
    --FMaxRowCount;
}

void TExtStringGrid::MoveControlRows(int32_t From, int32_t Delta)
{
    if (FNumCellControls == 0 || !FControlList) return;
    for (int32_t i = 0; i < FControlList->Count(); ++i) {
        TControlItem* Item = FControlList->GetControl(i);
        if (Item->Y() >= From) Item->SetY(Item->Y() + Delta);
    }
}

void TExtStringGrid::ShiftHiddenRows(int32_t From, int32_t Delta)
{
    for (int32_t i = 0; i < NumHiddenRows(); ++i) {
        auto* Item = static_cast<TGridItem*>(FGridItems->Items(i));
        if (Item->Idx() >= From) Item->SetIdx(Item->Idx() + Delta);
    }
}
