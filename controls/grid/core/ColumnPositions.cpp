// TExtColumnGrid: the column order stored as "CP" + position = initial index in an INI file.
#include "grid/core/ColumnGrid.h"

#include "grid/core/ColumnSize.h"

#include "os/IniFiles.h"

#include <vector>

void TExtColumnGrid::SaveColumnPositions(const QString& Key, const QString& Section)
{
    TIniFile Ini(Key);
    for (int32_t i = 0; i < FColumnCollection->Count(); ++i)
        Ini.WriteInteger(Section, QStringLiteral("CP%1").arg(i), FColumnCollection->Items(i)->DefIdx());
}

void TExtColumnGrid::LoadColumnPositions(const QString& Key, const QString& Section)
{
    const int32_t n = FColumnCollection->Count();
    std::vector<int32_t> Wanted(static_cast<size_t>(n));
    {
        TIniFile Ini(Key);
        for (int32_t j = 0; j < n; ++j) {
            Wanted[static_cast<size_t>(j)] = Ini.ReadInteger(Section, QStringLiteral("CP%1").arg(j), -1);
            if (Wanted[static_cast<size_t>(j)] == -1) return;
        }
    }
    // Only a permutation of the items is applied; anything else changes nothing.
    std::vector<bool> Used(static_cast<size_t>(n), false);
    for (int32_t p : Wanted) {
        if (p < 0 || p >= n || Used[static_cast<size_t>(p)])
            throw EListError(QStringLiteral("List index out of bounds (%1)").arg(p));
        Used[static_cast<size_t>(p)] = true;
    }
    ResetColumnOrder();
    for (int32_t j = 0; j < n; ++j) FColumnCollection->Items(Wanted[static_cast<size_t>(j)])->SetDefIdx(j);
    FColumnCollection->ResetOrganization();
    for (int32_t i = 0; i < n; ++i) FColumnCollection->Items(i)->SetDefIdx(Wanted[static_cast<size_t>(i)]);
}

void TExtColumnGrid::SaveColPositions()
{
    if (ColumnSize()->Location() == clIniFile) SaveColumnPositions(ColumnSize()->Key(), ColumnSize()->Section());
    else TExtStringGrid::SaveColPositions();
}

void TExtColumnGrid::LoadColPositions()
{
    if (ColumnSize()->Location() == clIniFile) LoadColumnPositions(ColumnSize()->Key(), ColumnSize()->Section());
    else TExtStringGrid::LoadColPositions();
}
