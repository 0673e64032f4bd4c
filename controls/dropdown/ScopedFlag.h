// TScopedFlag: a flag set for the length of a scope, given its former value back also when an exception leaves it.
#pragma once

#include <utility>

class TScopedFlag {
public:
    explicit TScopedFlag(bool& Flag) : FFlag(Flag), FSaved(std::exchange(Flag, true)) {}
    ~TScopedFlag() { FFlag = FSaved; }
    TScopedFlag(const TScopedFlag&) = delete;
    TScopedFlag& operator=(const TScopedFlag&) = delete;

private:
    bool& FFlag;
    bool FSaved;
};

// Runs Action with Flag set.
template <typename F>
void WithFlag(bool& Flag, F&& Action)
{
    const TScopedFlag Set(Flag);
    Action();
}
