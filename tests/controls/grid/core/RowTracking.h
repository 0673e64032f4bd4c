// A string grid whose rows carry a unique id in a hidden column, counted cell properties and a height
// of their own, and a check that after any step no row is lost or doubled, both index mappings agree,
// and every row's properties and height went with it.
#pragma once

#include "ExtGridTestSupport.h"

#include "grid/core/GridItems.h"
#include "grid/core/HiddenRows.h"

#include <QStringList>

#include <algorithm>
#include <vector>

// Cell properties that count their own creation and destruction.
class TCountedProps : public TCellProperties {
public:
    TCountedProps(TBaseGrid* AOwner, int32_t ACol, int32_t ARow) : TCellProperties(AOwner, ACol, ARow) { ++Live; }
    ~TCountedProps() override { --Live; }
    static inline int32_t Live = 0;
};

// Rows "r<id>" with id in hidden real column IdCol, properties in column 1 whose CellObject is the id,
// and height 20 + id % 7. Row 0 is the fixed row (id 0).
class RowTrackingFixture : public ExtGridFixture {
protected:
    static constexpr int32_t IdCol = 3;

    void MakeRows(int32_t Rows)
    {
        // A grid used before starts over empty.
        Grid->UnHideRowsAll();
        Grid->UnHideColumnsAll();
        Grid->SetFixedFooters(0);
        Grid->SetColCount(4);
        Grid->Clear();
        TCountedProps::Live = 0;
        Grid->SetColCount(4);
        Grid->SetRowCount(Rows);
        for (int32_t r = 0; r < Rows; ++r) {
            Grid->SetCells(0, r, QStringLiteral("r%1").arg(r));
            Grid->SetCells(IdCol, r, QString::number(r));
            auto* Props = new TCountedProps(Grid, 1, r);
            Props->SetCellObject(static_cast<uintptr_t>(r));
            Grid->SetCellProperties(1, r, Props);
            Grid->SetRowHeights(r, HeightOf(r));
        }
        Grid->HideColumn(IdCol);
        Alive.clear();
        for (int32_t r = 0; r < Rows; ++r) Alive.append(r);
    }

    static int32_t HeightOf(int32_t Id) { return 20 + Id % 7; }

    // The ids in real row order, from the shown rows and the parked ones.
    QList<int32_t> RealOrder() const
    {
        QList<int32_t> Ids;
        for (int32_t r = 0; r < Grid->TotalRowCount(); ++r) {
            if (TStrings* Texts = Grid->HiddenRowTexts(r)) {
                Ids.append(Texts->Strings(IdCol).toInt());
                continue;
            }
            Ids.append(Grid->Cells(IdCol, Grid->DisplRowIndex(r)).toInt());
        }
        return Ids;
    }

    // The ids of the shown rows in display order.
    QList<int32_t> Shown() const
    {
        QList<int32_t> Ids;
        for (int32_t d = 0; d < Grid->RowCount(); ++d) Ids.append(Grid->Cells(IdCol, d).toInt());
        return Ids;
    }

    // Every check of one step; Expected is the real order of ids when given.
    void CheckRows(const QList<int32_t>& Expected = {}) const
    {
        const QList<int32_t> Ids = RealOrder();
        QList<int32_t> Sorted = Ids;
        std::sort(Sorted.begin(), Sorted.end());
        EXPECT_EQ(Sorted, Alive) << "a row was lost or doubled";
        if (!Expected.isEmpty()) {
            EXPECT_EQ(Ids, Expected);
        }
        EXPECT_EQ(Grid->TotalRowCount(), Alive.size());
        // Both mappings agree, and a shown real row is never reported hidden.
        for (int32_t d = 0; d < Grid->RowCount(); ++d) {
            const int32_t r = Grid->RealRowIndex(d);
            EXPECT_FALSE(Grid->IsHiddenRow(r)) << d;
            EXPECT_EQ(Grid->DisplRowIndex(r), d) << d;
        }
        // Properties and heights went with their rows.
        for (int32_t d = 0; d < Grid->RowCount(); ++d) {
            const int32_t Id = Grid->Cells(IdCol, d).toInt();
            auto* Props = dynamic_cast<TCellProperties*>(Grid->Objects(1, d));
            ASSERT_NE(Props, nullptr) << "shown row " << Id;
            EXPECT_EQ(Props->CellObject(), static_cast<uintptr_t>(Id));
            EXPECT_EQ(Grid->RowHeights(d), HeightOf(Id)) << "shown row " << Id;
        }
        for (int32_t I = 0; I < Grid->NumHiddenRows(); ++I) {
            TGridItem* Item = Grid->GridItems()->Items(I);
            const int32_t Id = Item->Items()->Strings(IdCol).toInt();
            auto* Props = dynamic_cast<TCellProperties*>(Item->Items()->Objects(1));
            ASSERT_NE(Props, nullptr) << "hidden row " << Id;
            EXPECT_EQ(Props->CellObject(), static_cast<uintptr_t>(Id));
            EXPECT_EQ(Item->Height(), HeightOf(Id)) << "hidden row " << Id;
        }
        EXPECT_EQ(TCountedProps::Live, Alive.size()) << "properties leaked or freed";
    }

    // The ids that must be in the grid, ascending.
    QList<int32_t> Alive;
};
