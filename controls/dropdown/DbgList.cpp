// TDbgList: range-guarded access to a pointer list.
#include "dropdown/DbgList.h"

#include "rtl/Exceptions.h"

void* TDbgList::GetItemsEx(int32_t Index) const
{
    if (Index >= Count()) throw Exception(QStringLiteral("Index out of bounds in list read access"));
    return Items(Index);
}

void TDbgList::SetItemsEx(int32_t Index, void* Value)
{
    if (Index >= Count()) throw Exception(QStringLiteral("Index out of bounds in list write access"));
    SetItems(Index, Value);
}

void TDbgList::AssignList(const TList& ListA)
{
    Clear();
    for (int32_t I = 0; I < ListA.Count(); ++I) Add(ListA.Items(I));
}
