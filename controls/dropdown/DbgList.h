// TDbgList: the pointer list of the pop-up strips, whose guarded accessors name the failed access.
#pragma once

#include "rtl/List.h"

#include <cstdint>

class TDbgList : public TList {
public:
    // Raises Exception "Index out of bounds in list read access" for an index at or above Count.
    void* GetItemsEx(int32_t Index) const;
    // Raises Exception "Index out of bounds in list write access" for an index at or above Count.
    void SetItemsEx(int32_t Index, void* Value);
    // Empties the list, then appends every item of ListA in order.
    void AssignList(const TList& ListA);
};
