// Child processes started with posix_spawn, polled with waitpid and reaped after we stop watching them.
#include "os/Process.h"

#include "rtl/Clock.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <thread>
#include <vector>

namespace {

class TChildProcess : public TProcess {
public:
    explicit TChildProcess(pid_t Pid) : FPid(Pid) {}

    // A child still running is handed to a thread of its own that waits for its end. Waiting for
    // this one pid, rather than catching SIGCHLD, leaves every other child to its own owner.
    ~TChildProcess() override
    {
        if (ExitCode() == STILL_ACTIVE) std::thread([Pid = FPid] { WaitFor(Pid, 0); }).detach();
    }

    uint32_t ExitCode() override
    {
        if (!FEnded) {
            int Status = 0;
            const pid_t Done = WaitFor(FPid, WNOHANG, &Status);
            if (Done == FPid) {
                FEnded = true;
                FExitCode = WIFEXITED(Status) ? WEXITSTATUS(Status) : 128 + WTERMSIG(Status);
            } else if (Done < 0) {
                // Reaped by someone else: ended, with its code lost.
                FEnded = true;
                FExitCode = 0xFFFFFFFF;
            }
        }
        return FEnded ? FExitCode : STILL_ACTIVE;
    }

private:
    static pid_t WaitFor(pid_t Pid, int Options, int* Status = nullptr)
    {
        pid_t Done;
        do {
            Done = waitpid(Pid, Status, Options);
        } while (Done < 0 && errno == EINTR);
        return Done;
    }

    pid_t FPid;
    bool FEnded = false;
    uint32_t FExitCode = 0;
};

// posix_spawn's attributes and file actions, released with the object.
class TSpawnSetup {
public:
    explicit TSpawnSetup(const QByteArray& Directory)
    {
        posix_spawnattr_init(&Attributes);
        posix_spawn_file_actions_init(&Actions);
        // The child gets its own session, an empty signal mask and SIGPIPE back at its default.
        sigset_t Signals;
        sigemptyset(&Signals);
        posix_spawnattr_setsigmask(&Attributes, &Signals);
        sigaddset(&Signals, SIGPIPE);
        posix_spawnattr_setsigdefault(&Attributes, &Signals);
        posix_spawnattr_setflags(&Attributes, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
        if (!Directory.isEmpty()) posix_spawn_file_actions_addchdir_np(&Actions, Directory.constData());
    }
    ~TSpawnSetup()
    {
        posix_spawn_file_actions_destroy(&Actions);
        posix_spawnattr_destroy(&Attributes);
    }
    TSpawnSetup(const TSpawnSetup&) = delete;
    TSpawnSetup& operator=(const TSpawnSetup&) = delete;

    posix_spawnattr_t Attributes;
    posix_spawn_file_actions_t Actions;
};

}  // namespace

std::unique_ptr<TProcess> SpawnProcess(const QString& Program, const QStringList& Arguments, const QString& Directory)
{
    std::vector<QByteArray> Texts{Program.toLocal8Bit()};
    for (const QString& Argument : Arguments) Texts.push_back(Argument.toLocal8Bit());
    std::vector<char*> Argv;
    for (QByteArray& Text : Texts) Argv.push_back(Text.data());
    Argv.push_back(nullptr);

    // glibc's posix_spawnp reports a failing chdir or exec as its result, so a program that
    // cannot run never counts as started.
    const TSpawnSetup Setup(Directory.toLocal8Bit());
    pid_t Pid = 0;
    if (posix_spawnp(&Pid, Argv[0], &Setup.Actions, &Setup.Attributes, Argv.data(), environ) != 0) return nullptr;
    return std::make_unique<TChildProcess>(Pid);
}

bool WaitForProgram(TProcess& Process, uint32_t LimitMs)
{
    const uint64_t Start = GetTickCount64();
    while (Process.ExitCode() == STILL_ACTIVE) {
        if (GetTickCount64() - Start >= LimitMs) return false;
        Sleep(10);
    }
    return true;
}
