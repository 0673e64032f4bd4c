// Benchmarks beside their peer: what a user would otherwise pick, run as often in the same run.
#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

// Runs Ours and then Peer in every iteration, so that both meet the same load on the machine; the
// benchmark's time is ours alone (register it with ->UseManualTime()). The counter "x_<PeerName>"
// holds our time over the peer's (0.5: twice as fast) and the label says it in words.
// Reset runs untimed before each iteration (e.g. to unsort what the last one sorted).
template <typename TReset, typename TOurs, typename TPeer>
void RunBesidePeer(benchmark::State& State, const std::string& PeerName, TReset&& Reset, TOurs&& Ours,
                   TPeer&& Peer)
{
    using Clock = std::chrono::steady_clock;
    Clock::duration OursTime{}, PeerTime{};
    for (auto _ : State) {
        Reset();
        const Clock::time_point Start = Clock::now();
        Ours();
        const Clock::time_point Middle = Clock::now();
        Peer();
        const Clock::time_point End = Clock::now();
        OursTime += Middle - Start;
        PeerTime += End - Middle;
        State.SetIterationTime(std::chrono::duration<double>(Middle - Start).count());
    }
    const double Ratio = double(OursTime.count()) / double(std::max<Clock::rep>(1, PeerTime.count()));
    State.counters["x_" + PeerName] = Ratio;
    char Label[96];
    if (Ratio <= 1) std::snprintf(Label, sizeof Label, "%.2fx faster than %s", 1 / std::max(Ratio, 1e-9), PeerName.c_str());
    else std::snprintf(Label, sizeof Label, "%.2fx slower than %s", Ratio, PeerName.c_str());
    State.SetLabel(Label);
}

template <typename TOurs, typename TPeer>
void RunBesidePeer(benchmark::State& State, const std::string& PeerName, TOurs&& Ours, TPeer&& Peer)
{
    RunBesidePeer(State, PeerName, [] {}, Ours, Peer);
}
