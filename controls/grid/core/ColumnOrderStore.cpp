// TExtStringGrid: the column order kept as "Pos" + i in the column size store (the per-user
// registry stand-in or an INI file, as ColumnSize's Location says).
#include "grid/core/ExtGrid.h"

#include "grid/base/GridSupport.h"
#include "grid/core/ColumnSize.h"

#include "os/IniFiles.h"
#include "os/Registry.h"

#include <memory>
#include <vector>

namespace {

// The store of Key, or nil when Key or Section is empty.
std::unique_ptr<TCustomIniFile> OpenColumnStore(const TColumnSize* Settings)
{
    if (!Settings || Settings->Key().isEmpty() || Settings->Section().isEmpty()) return nullptr;
    if (Settings->Location() == clIniFile) return std::make_unique<TMemIniFile>(Settings->Key());
    return std::make_unique<TRegistryIniFile>(Settings->Key());
}

QString PosKey(int32_t i)
{
    return QStringLiteral("Pos%1").arg(i);
}

// The stored entries "Pos0", "Pos1", ... up to Count, skipping those not there.
std::vector<int32_t> ReadPositions(TCustomIniFile& Store, const QString& Section, int32_t Count)
{
    std::vector<int32_t> Values;
    for (int32_t i = 0; i < Count; ++i) {
        const int32_t Value = Store.ReadInteger(Section, PosKey(i), -1);
        if (Value != -1) Values.push_back(Value);
    }
    return Values;
}

}  // namespace

void TExtStringGrid::SaveColPositions()
{
    if (Designing()) return;
    const std::unique_ptr<TCustomIniFile> Store = OpenColumnStore(FColumnSize);
    if (!Store) return;
    const QString Section = FColumnSize->Section();
    for (int32_t i = 0; i < FColumnOrder->Count(); ++i) Store->WriteInteger(Section, PosKey(i), FColumnOrder->GetInteger(i));
    Store->UpdateFile();
}

void TExtStringGrid::LoadColPositions()
{
    if (Designing()) return;
    const std::unique_ptr<TCustomIniFile> Store = OpenColumnStore(FColumnSize);
    if (!Store) return;
    const QString Section = FColumnSize->Section();
    if (Store->ReadInteger(Section, PosKey(0), -1) != -1) {
        const int32_t n = TotalColCount();
        const std::vector<int32_t> Stored = ReadPositions(*Store, Section, n);
        // Only an order of every column is applied; anything else raises with nothing changed.
        std::vector<int32_t> Inverse(static_cast<size_t>(n), -1);
        for (size_t k = 0; k < Stored.size(); ++k) {
            const int32_t p = Stored[k];
            if (p < 0 || p >= n || Inverse[static_cast<size_t>(p)] != -1)
                throw EListError(QStringLiteral("List index out of bounds (%1)").arg(p));
            Inverse[static_cast<size_t>(p)] = static_cast<int32_t>(k);
        }
        if (static_cast<int32_t>(Stored.size()) != n)
            throw EListError(QStringLiteral("List index out of bounds (%1)").arg(Stored.size()));
        // Each column goes to where its stored entry stands; hidden columns are hidden again after.
        std::vector<int32_t> Hidden;
        FColumnOrder->Clear();
        for (int32_t c = 0; c < n; ++c) {
            if (IsHiddenColumn(c)) Hidden.push_back(c);
            FColumnOrder->Add(Inverse[static_cast<size_t>(c)]);
        }
        UnHideColumnsAll();
        if (FColumnOrder->Count() > 0) ResetColumnOrder();
        for (int32_t c : Hidden) HideColumn(c);
        FColumnOrder->Clear();
        for (int32_t p : Stored) FColumnOrder->Add(p);
    }
    Store->UpdateFile();
}
