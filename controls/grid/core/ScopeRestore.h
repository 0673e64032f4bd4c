// Undoing a temporary state when a scope ends.
#pragma once

#include <utility>

// Runs its action when it goes out of scope, also when an exception passes.
template <typename F>
class TRestore {
public:
    explicit TRestore(F Undo) : FUndo(std::move(Undo)) {}
    ~TRestore() { FUndo(); }
    TRestore(const TRestore&) = delete;
    TRestore& operator=(const TRestore&) = delete;

private:
    F FUndo;
};
