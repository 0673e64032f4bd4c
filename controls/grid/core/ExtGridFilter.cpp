// TExtStringGrid: filtering rows by the filter conditions, levels of hidden rows, narrowing while
// typing, and the column filter drop-down's choices.
#include "grid/core/ExtGrid.h"

#include "grid/base/ExtUtil.h"
#include "grid/base/GridSupport.h"
#include "grid/core/DropLists.h"
#include "grid/core/GridItems.h"
#include "grid/core/HiddenRows.h"

#include "rtl/Collection.h"
#include "rtl/Exceptions.h"
#include "rtl/NumConv.h"
#include "rtl/Strings.h"

#include <memory>

namespace {

QString UpperAZ(QString Text)
{
    for (QChar& Ch : Text)
        if (Ch.unicode() >= u'a' && Ch.unicode() <= u'z') Ch = QChar(static_cast<char16_t>(Ch.unicode() - 32));
    return Text;
}

// An entry is a condition or FriendlyName "=" Condition.
void SplitFilterEntry(const QString& Entry, QString& FriendlyName, QString& Condition)
{
    const qsizetype At = Entry.indexOf(QLatin1Char('='));
    FriendlyName = At < 0 ? Entry : Entry.left(At);
    Condition = At < 0 ? Entry : Entry.mid(At + 1);
}

}  // namespace

QString TExtStringGrid::FilterText(const TFilterData* Item, int32_t ARow)
{
    QString Text;
    switch (Item->Data()) {
    case fcVirtual: Text = GetCellEx(Item->Column(), ARow); break;
    case fcNormal: Text = GetGridCell(Item->Column(), ARow); break;
    case fcStripHTML: Text = StrippedCells(Item->Column(), ARow); break;
    case fcCalculated: GetCellText(Item->Column(), ARow, Text); break;
    case fcRow: {
        QStringList Parts;
        for (int32_t c = 0; c < ColCount(); ++c) Parts << Cells(c, ARow);
        Text = Parts.join(QStringLiteral("\r\n"));
        break;
    }
    }
    Text = Text.trimmed();
    if (Text.contains(QStringLiteral("|\\"))) Text = DecodeWideCellText(Text);
    return Text;
}

bool TExtStringGrid::RowMatchesFilter(int32_t ARow)
{
    bool Result = true;
    for (int32_t I = 0; I < FFilter->Count(); ++I) {
        const TFilterData* Item = FFilter->Items(I);
        QString Text = FilterText(Item, ARow);
        bool m = true;
        if (Item->Data() == fcRow) {
            m = UpperAZ(Text).contains(UpperAZ(Item->Condition()));
        } else {
            if (!Item->Prefix().isEmpty() && Text.startsWith(Item->Prefix())) Text.remove(0, Item->Prefix().size());
            if (!Item->Suffix().isEmpty()) {
                const qsizetype At = Text.indexOf(Item->Suffix());
                if (At >= 0 && At + Item->Suffix().size() == Text.size()) Text.truncate(At);
            }
            if (!Item->Condition().isEmpty()) {
                try {
                    m = Item->Method() == fmExpression
                            ? MatchFilterExpression(Item->Condition(), Text, Item->CaseSensitive())
                            : Item->Condition() == Text;
                } catch (const Exception&) {
                    m = false;
                }
            }
        }
        bool Stop = false;
        switch (Item->Operation()) {
        case foSHORT:
            Result = m;
            Stop = !m;
            break;
        case foNONE: Result = m; break;
        case foAND: Result = Result && m; break;
        case foXOR: Result = Result != m; break;
        case foOR: Result = Result || m; break;
        }
        if (Stop) break;
    }
    if (OnCustomFilter) OnCustomFilter(this, ARow, Result);
    return Result;
}

void TExtStringGrid::ApplyFilter()
{
    FFilterFixedRows = FixedRows();
    const int32_t Total = RowCount() - FixedFooters() - FixedRows();
    int32_t n = 0;
    int16_t Progress = 0;
    TIntList List(0, 0);
    for (int32_t r = FixedRows(); r <= RowCount() - FixedFooters() - 1; ++r) {
        if (FFilterNormalCellsOnly && (IsNode(r) || IsSummary(r))) continue;
        if (!RowMatchesFilter(r)) List.Add(r);
        ++n;
        if (OnFilterProgress && Total > 0) {
            Progress = static_cast<int16_t>(RoundHalfEven(static_cast<double>(n) * 100 / Total));
            OnFilterProgress(this, Progress);
        }
    }
    HideRowList(&List);
    if (OnFilterProgress && Total > 0) OnFilterProgress(this, Progress);
}

void TExtStringGrid::SetFilterActive(bool Value)
{
    if (Value != FFilterActive) {
        FFilterActive = Value;
        if (Value) {
            if (Row() >= RowCount() || Col() >= ColCount()) FocusCell(FixedCols(), FixedRows());
            BeginUpdate();
            try {
                ApplyFilter();
            } catch (...) {
                EndUpdate();
                throw;
            }
            EndUpdate();
            FSelHidden = false;
        } else {
            UnHideRowList();
            SetFixedRows(FFilterFixedRows);
            if (FSelHidden) UnHideSelection();
        }
        SetTopRow(FixedRows());
    }
    CalcFooter(-1);
}

void TExtStringGrid::FilterRow(int32_t ARow)
{
    if (!RowMatchesFilter(ARow)) HideRow(RealRowIndex(ARow));
}

bool TExtStringGrid::RemoveLastFilter()
{
    if (FFilterLevel <= 0) return false;
    UnHideRowList();
    SetFixedRows(FFilterFixedRows);
    if (FSelHidden) UnHideSelection();
    CalcFooter(-1);
    --FFilterLevel;
    return FFilterLevel > 1;
}

void TExtStringGrid::RemoveAllFilters()
{
    if (FFilterLevel <= 0) {
        FFilter->Clear();
        return;
    }
    while (FFilterLevel > 0) RemoveLastFilter();
}

void TExtStringGrid::NarrowDown(const QString& ACondition, int32_t AColumn)
{
    SetFixedRowAlways(true);
    const auto Build = [&] {
        FFilter->Clear();
        TFilterData* Item = FFilter->Add();
        if (AColumn == -1) {
            Item->SetData(fcRow);
            Item->SetCondition(ACondition);
        } else {
            Item->SetData(fcNormal);
            QString Pattern = QLatin1Char('*') + ACondition + QLatin1Char('*');
            if (Pattern.contains(QLatin1Char(' '))) Pattern = QLatin1Char('"') + Pattern + QLatin1Char('"');
            Item->SetCondition(Pattern);
        }
        Item->SetCaseSensitive(false);
        Item->SetColumn(static_cast<int16_t>(AColumn));
    };
    if (ACondition.size() == FLastFilter.size() + 1 && ACondition.startsWith(FLastFilter)) {
        Build();
        ApplyFilter();
    } else if (!ACondition.isEmpty() && ACondition.size() + 1 == FLastFilter.size() &&
               FLastFilter.startsWith(ACondition)) {
        RemoveLastFilter();
    } else {
        RemoveAllFilters();
        if (!ACondition.isEmpty()) {
            Build();
            ApplyFilter();
        }
    }
    FLastFilter = ACondition;
    // An empty condition shows every row: rows still parked are put back before the collection empties.
    if (ACondition.isEmpty()) {
        if (NumHiddenRows() > 0) UnHideRowsAll();
        FGridItems->Clear();
    }
}

void TExtStringGrid::ApplyFilterListChoice(TObject* Sender, int32_t ItemIndex)
{
    if (Showing() && CanFocus()) SetFocus();
    if (FFilterCol >= 0 && FFilterCol < AllColCount() && ItemIndex >= 0 && FDropList &&
        ItemIndex < FDropList->Count()) {
        GetColumnFilter(FFilterCol);
        if (ItemIndex < FFilterList->Count()) {
            QString FriendlyName;
            QString Condition;
            SplitFilterEntry(FFilterList->Strings(ItemIndex), FriendlyName, Condition);
            if (FAutoFilterUpdate) SetFilterActive(false);
            if (Condition == FFilterDropDownClear) Condition.clear();
            if (OnFilterSelect) OnFilterSelect(Sender, FFilterCol, ItemIndex, FriendlyName, Condition);
            if (!Condition.isEmpty())
                FFilter->ColumnFilter(FFilterCol)->SetCondition(Condition);
            else
                FFilter->RemoveColumnFilter(FFilterCol);
            if (FAutoFilterUpdate) {
                SetFixedRowAlways(true);
                SetFilterActive(true);
                if (RowCount() > FixedRows() && RowCount() > 1) SetRow(FixedRows());
                DoFilterDone();
            }
        }
    }
    FFilterCol = -1;
}

void TExtStringGrid::ApplyFilterCheckList(TObject* Sender)
{
    if (FFilterCol < 0 || FFilterCol >= AllColCount() || !FDropCheckList) return;
    GetColumnFilter(FFilterCol);
    if (FAutoFilterUpdate) SetFilterActive(false);
    FFilter->Clear();
    bool First = true;
    for (int32_t i = 0; i < FDropCheckList->Count() && i < FFilterList->Count(); ++i) {
        if (!FDropCheckList->Checked(i)) continue;
        QString FriendlyName;
        QString Condition;
        SplitFilterEntry(FFilterList->Strings(i), FriendlyName, Condition);
        if (Condition == FFilterDropDownClear) Condition.clear();
        if (OnFilterCheck) OnFilterCheck(Sender, FFilterCol, i, FriendlyName, Condition, FDropCheckList);
        TFilterData* Item = FFilter->Add();
        Item->SetCondition(Condition);
        Item->SetColumn(static_cast<int16_t>(FFilterCol));
        Item->SetOperation(First ? foNONE : foOR);
        First = false;
    }
    SetFilterActive(true);
    FDropCheckList->Invalidate();
}
