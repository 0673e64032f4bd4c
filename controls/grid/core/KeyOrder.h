#pragma once
// Brings items into the order of their keys with as few single moves as possible.

#include <cstdint>
#include <functional>
#include <vector>

// Stable by key, ties by present position: equal keys keep their order instead of being passed
// round for ever. Move(From, To) takes the item at From out and puts it in at To; each misplaced
// item moves once.
void MoveIntoKeyOrder(const std::vector<int32_t>& Keys, const std::function<void(int32_t, int32_t)>& Move);
