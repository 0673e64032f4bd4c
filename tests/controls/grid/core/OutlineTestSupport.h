// A string grid whose rows carry a unique id in their last real column, for the outline tests:
// after every step no row may be lost or doubled and both index mappings must agree.
#pragma once

#include "ExtGridTestSupport.h"

#include "grid/core/SortSettings.h"

#include <QStringList>

#include <algorithm>

class OutlineFixture : public ExtGridFixture {
protected:
    // One fixed row "h" and one row per entry: column 1 "a<i>", column 2 the value, the last
    // column the id "#<i>" (i counting the data rows from 1).
    void Fill(const QStringList& Values, int32_t Cols = 4)
    {
        Grid->SetColCount(Cols);
        Grid->SetRowCount(int32_t(Values.size()) + 1);
        Grid->SetFixedRows(1);
        Grid->SetFixedCols(1);
        for (int32_t c = 0; c < Cols; ++c) Grid->SetCells(c, 0, QStringLiteral("h%1").arg(c));
        for (int32_t i = 0; i < Values.size(); ++i) {
            Grid->SetCells(1, i + 1, QStringLiteral("a%1").arg(i + 1));
            if (Cols > 3) Grid->SetCells(2, i + 1, Values[i]);
            Grid->SetCells(Cols - 1, i + 1, QStringLiteral("#%1").arg(i + 1));
        }
        Expected.clear();
        for (int32_t i = 0; i < Values.size(); ++i) Expected << QStringLiteral("#%1").arg(i + 1);
    }

    // Ids of the shown rows, blanks for rows without one (headers, summaries).
    QStringList Shown() const
    {
        QStringList Ids;
        const int32_t Last = Grid->TotalColCount() - 1;
        for (int32_t r = Grid->FixedRows(); r < Grid->RowCount(); ++r) Ids << Grid->GetGridCell(Last, r);
        return Ids;
    }

    // Every row keeps its id once, hidden or shown, and the mappings agree.
    void CheckRows(const char* Step) const
    {
        SCOPED_TRACE(Step);
        QStringList All;
        const int32_t Last = Grid->TotalColCount() - 1;
        for (int32_t j = Grid->FixedRows(); j < Grid->AllRowCount(); ++j) {
            // Raw texts: a merged header would lend its text to the cells it covers.
            TStrings* Hidden = Grid->HiddenRowTexts(j);
            const QString Id = Hidden ? (Last < Hidden->Count() ? Hidden->Strings(Last) : QString())
                                      : Grid->GetGridCell(Last, Grid->DisplRowIndex(j));
            if (!Id.isEmpty()) All << Id;
        }
        QStringList Sorted = All;
        QStringList Want = Expected;
        std::sort(Sorted.begin(), Sorted.end());
        std::sort(Want.begin(), Want.end());
        EXPECT_EQ(Sorted, Want);
        for (int32_t d = 0; d < Grid->RowCount(); ++d)
            EXPECT_EQ(Grid->DisplRowIndex(Grid->RealRowIndex(d)), d) << "display row " << d;
    }

    QStringList Expected;
};

// Grouping runs in the rows' order: no sort first.
class GroupFixture : public OutlineFixture {
protected:
    void SetUp() override
    {
        OutlineFixture::SetUp();
        Grid->SortSettings()->SetAutoSortForGrouping(false);
    }

    // Rows as "<kind><column 1 text>|<id>": H a header node, S a summary row, a blank a data row.
    QStringList Layout() const
    {
        QStringList Rows;
        const int32_t Last = Grid->TotalColCount() - 1;
        for (int32_t r = Grid->FixedRows(); r < Grid->RowCount(); ++r) {
            const QString Kind = Grid->IsNode(r) ? QStringLiteral("H") : Grid->IsSummary(r) ? QStringLiteral("S") : QString();
            Rows << Kind + Grid->GetGridCell(1, r) + QLatin1Char('|') + Grid->GetGridCell(Last, r);
        }
        return Rows;
    }

    QStringList Column(int32_t ACol) const
    {
        QStringList Texts;
        for (int32_t r = Grid->FixedRows(); r < Grid->RowCount(); ++r) Texts << Grid->GetGridCell(ACol, r);
        return Texts;
    }
};
