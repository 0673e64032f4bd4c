// Fuzz target: random sequences of outline steps on a small string grid whose rows carry a unique
// id in their last column: nodes made, removed, contracted and expanded (one, all), child and normal
// rows inserted and removed, rows hidden and shown, grouping and ungrouping. After every step each id
// is still there once (a removal may take one), and the display and real row mappings agree.
#include "grid/core/ExtGrid.h"

#include "rtl/Strings.h"
#include "windows/Forms.h"

#include <QString>
#include <QStringList>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>

namespace {

void Check(bool Holds)
{
    if (!Holds) std::abort();
}

// Made once and kept to the end: the windows must not outlive the application at exit.
TForm* Form()
{
    static TForm* Made = [] {
        TForm* Form = New<TForm>(nullptr);
        Form->SetBounds(0, 0, 400, 300);
        Form->Show();
        Application->ProcessMessages();
        return Form;
    }();
    return Made;
}

class TRig {
public:
    explicit TRig(int32_t Rows, const uint8_t* Values)
    {
        Grid = New<TExtStringGrid>(Form());
        Grid->SetParent(Form());
        Grid->SetColCount(5);
        Grid->SetRowCount(Rows + 1);
        Grid->SetFixedRows(1);
        Grid->SetFixedCols(1);
        for (int32_t i = 1; i <= Rows; ++i) {
            Grid->SetCells(1, i, QStringLiteral("a%1").arg(i));
            Grid->SetCells(2, i, QString(QChar(u'A' + Values[i - 1] % 3)));
            Grid->SetCells(4, i, QStringLiteral("#%1").arg(i));
            Ids << QStringLiteral("#%1").arg(i);
        }
    }
    ~TRig() { delete Grid; }

    // Every id of the shown and hidden rows.
    QStringList AllIds() const
    {
        QStringList All;
        const int32_t Last = Grid->TotalColCount() - 1;
        for (int32_t j = Grid->FixedRows(); j < Grid->AllRowCount(); ++j) {
            TStrings* Hidden = Grid->HiddenRowTexts(j);
            const QString Id = Hidden ? (Last < Hidden->Count() ? Hidden->Strings(Last) : QString())
                                      : Grid->GetGridCell(Last, Grid->DisplRowIndex(j));
            if (!Id.isEmpty()) All << Id;
        }
        std::sort(All.begin(), All.end());
        return All;
    }

    // The ids stay; with Removal one of them may go.
    void CheckRows(bool Removal)
    {
        const QStringList Now = AllIds();
        Check(std::adjacent_find(Now.begin(), Now.end()) == Now.end());
        for (const QString& Id : Now) Check(Ids.contains(Id));
        Check(Now.size() == Ids.size() || (Removal && Now.size() + 1 == Ids.size()));
        Ids = Now;
        for (int32_t d = 0; d < Grid->RowCount(); ++d) Check(Grid->DisplRowIndex(Grid->RealRowIndex(d)) == d);
        for (int32_t d = 0; d < Grid->RowCount(); ++d)
            if (Grid->HasCellProperties(0, d)) Check(Grid->GetCellProperties(0, d)->NodeLevel() >= 0);
    }

    TExtStringGrid* Grid;
    QStringList Ids;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    if (Size < 9) return 0;
    const int32_t Rows = 1 + Data[0] % 8;
    TRig Rig(Rows, Data + 1);
    TExtStringGrid* G = Rig.Grid;
    for (size_t i = 9; i + 1 < Size && i < 9 + 2 * 40; i += 2) {
        const uint8_t Op = Data[i] % 14;
        const uint8_t Arg = Data[i + 1];
        const int32_t Normal = G->RowCount() - G->FixedRows();
        const int32_t All = G->AllRowCount() - G->FixedRows();
        if (Normal <= 0) break;
        const int32_t d = G->FixedRows() + Arg % Normal;
        const int32_t r = G->FixedRows() + Arg % All;
        const bool Grouped = G->GroupColumn() != -1;
        bool Removal = false;
        switch (Op) {
        case 0:
            if (!Grouped && !G->IsNode(d)) G->AddNode(G->RealRowIndex(d), 1 + (Arg / 16) % 4);
            break;
        case 1: G->ContractNode(r); break;
        case 2: G->ExpandNode(r); break;
        case 3: G->ExpandAll(); break;
        case 4: G->ContractAll(); break;
        case 5:
            if (!Grouped && G->IsNode(d)) G->RemoveNode(G->RealRowIndex(d));
            break;
        case 6:
            if (!Grouped) G->InsertChildRow(G->RealRowIndex(d), Arg / 128);
            break;
        case 7:
            if (!Grouped && Normal > 1) {
                G->RemoveChildRow(G->RealRowIndex(d));
                Removal = true;
            }
            break;
        case 8:
            if (!Grouped) G->InsertNormalRow(G->RealRowIndex(d));
            break;
        case 9:
            if (!Grouped && Normal > 1) {
                G->RemoveNormalRow(d);
                Removal = true;
            }
            break;
        case 10:
            if (Grouped) G->UnGroup();
            else if (G->NumHiddenRows() == 0 && G->HasNodes() == false) G->Group(2);
            break;
        case 11:
            if (G->IsHiddenRow(r)) G->UnHideRows(r, r);
            else if (!Grouped && Normal > 1) G->HideRows(r, r);
            break;
        case 12: G->SetNodeState(d, Arg & 1); break;
        case 13:
            if (!Grouped) G->RemoveAllNodes();
            break;
        }
        Rig.CheckRows(Removal);
    }
    return 0;
}
