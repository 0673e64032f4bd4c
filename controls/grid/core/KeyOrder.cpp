#include "grid/core/KeyOrder.h"

#include <algorithm>
#include <numeric>

void MoveIntoKeyOrder(const std::vector<int32_t>& Keys, const std::function<void(int32_t, int32_t)>& Move)
{
    const auto n = static_cast<int32_t>(Keys.size());
    std::vector<int32_t> Order(Keys.size());
    std::iota(Order.begin(), Order.end(), 0);
    std::stable_sort(Order.begin(), Order.end(),
                     [&](int32_t A, int32_t B) { return Keys[static_cast<size_t>(A)] < Keys[static_cast<size_t>(B)]; });
    std::vector<int32_t> Layout(Keys.size());
    std::iota(Layout.begin(), Layout.end(), 0);
    for (int32_t p = 0; p < n; ++p) {
        const auto At = std::find(Layout.begin() + p, Layout.end(), Order[static_cast<size_t>(p)]);
        const auto q = static_cast<int32_t>(At - Layout.begin());
        if (q == p) continue;
        Move(q, p);
        std::rotate(Layout.begin() + p, At, At + 1);
    }
}
