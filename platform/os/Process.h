// Started programs: starting one, polling it and waiting for it for a while, never stopping it.
#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>

// The exit code a process reports while it is still running.
inline constexpr uint32_t STILL_ACTIVE = 259;

// A started program. Releasing the object leaves the program running; it is reaped whenever it
// ends, so it never stays behind as a zombie.
class TProcess {
public:
    TProcess() = default;
    TProcess(const TProcess&) = delete;
    TProcess& operator=(const TProcess&) = delete;
    virtual ~TProcess() = default;

    // STILL_ACTIVE while the program runs, then its exit code: 128 + the signal number when a
    // signal ended it, 0xFFFFFFFF when something else reaped it first.
    virtual uint32_t ExitCode() = 0;
};

// Starts Program (a path, or a name without "/" looked up in PATH) with Arguments in Directory
// ("": our current folder), in a session of its own so that it outlives us undisturbed. Null when
// it cannot be started: no such program, not executable, no such folder.
std::unique_ptr<TProcess> SpawnProcess(const QString& Program, const QStringList& Arguments, const QString& Directory);

// Reads the exit code of Process, pausing 10 ms between reads without processing messages, until
// it ends or LimitMs have passed on the tick count (GetTickCount64). True when it ended; it is
// left running otherwise.
bool WaitForProgram(TProcess& Process, uint32_t LimitMs);
