// Starting real programs (shell scripts in a temporary folder), waiting for them, and opening URLs.
#include "os/Process.h"
#include "os/Services.h"

#include "rtl/Clock.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <functional>
#include <thread>

namespace {

// Polls Condition every 10 ms for at most ten seconds; true as soon as it holds.
bool Eventually(const std::function<bool()>& Condition)
{
    const auto Limit = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!Condition()) {
        if (std::chrono::steady_clock::now() > Limit) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

// An executable /bin/sh script in Folder.
QString Script(const TempFolder& Folder, const QString& Name, const QByteArray& Body)
{
    const QString Path = Folder.Write(Name, "#!/bin/sh\n" + Body + "\n");
    QFile::setPermissions(Path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return Path;
}

// The state letter /proc gives process Pid ('Z' for a zombie); 0 when there is no such process.
char ProcessState(pid_t Pid)
{
    QFile Stat(QStringLiteral("/proc/%1/stat").arg(Pid));
    if (!Stat.open(QIODevice::ReadOnly)) return 0;
    const QByteArray Text = Stat.readAll();
    const qsizetype AfterName = Text.lastIndexOf(')');
    return AfterName >= 0 && AfterName + 2 < Text.size() ? Text[AfterName + 2] : 0;
}

// The pid a script wrote into File; 0 until it is there.
pid_t PidIn(const QString& File)
{
    QFile Text(File);
    return Text.open(QIODevice::ReadOnly) ? Text.readAll().trimmed().toInt() : 0;
}

QString Quoted(const QString& Text)
{
    return QLatin1Char('"') + Text + QLatin1Char('"');
}

// A clock that only moves when the code under test pauses.
class TPauseClock : public TClockService {
public:
    uint64_t Milliseconds() override { return Now; }
    void Sleep(uint32_t Ms) override
    {
        Now += Ms;
        ++Pauses;
    }

    uint64_t Now = 1000;
    int Pauses = 0;
};

// A process that ends after it has been asked for its exit code a number of times.
class TScriptedProcess : public TProcess {
public:
    explicit TScriptedProcess(int RunningReads) : FRunningReads(RunningReads) {}
    uint32_t ExitCode() override { return FRunningReads-- > 0 ? STILL_ACTIVE : 0; }

private:
    int FRunningReads;
};

}  // namespace

TEST(ProcessTest, AProgramThatEndsIsSeenWithItsExitCode)
{
    TempFolder Dir;
    const std::unique_ptr<TProcess> Process = SpawnProcess(Script(Dir, QStringLiteral("exit3.sh"), "exit 3"), {}, QString());
    ASSERT_TRUE(Process);
    EXPECT_TRUE(WaitForProgram(*Process, 10000));
    EXPECT_EQ(Process->ExitCode(), 3u);
}

TEST(ProcessTest, AProgramEndedByASignalReports128PlusItsNumber)
{
    TempFolder Dir;
    const std::unique_ptr<TProcess> Process = SpawnProcess(Script(Dir, QStringLiteral("killed.sh"), "kill -TERM $$"), {}, QString());
    ASSERT_TRUE(Process);
    EXPECT_TRUE(WaitForProgram(*Process, 10000));
    EXPECT_EQ(Process->ExitCode(), 128u + SIGTERM);
}

TEST(ProcessTest, TheParameterTextIsSplitIntoArgumentsAndTheProgramRunsInTheGivenFolder)
{
    TempFolder Dir;
    const QString Program = Script(Dir, QStringLiteral("args.sh"), "printf '%s\\n' \"$@\" > args\npwd > folder");
    EXPECT_EQ(RunProgramAndWait(Program, QStringLiteral("job.xml \"two words\"  three"), Dir.Path(), 10000), prEnded);
    EXPECT_EQ(Dir.Read(QStringLiteral("args")), "job.xml\ntwo words\nthree\n");
    EXPECT_EQ(Dir.Read(QStringLiteral("folder")).trimmed(), QFileInfo(Dir.Path()).canonicalFilePath().toLocal8Bit());
}

TEST(ProcessTest, AProgramThatCannotStartGivesNoProcessAndIsNotWaitedFor)
{
    TempFolder Dir;
    const QString NotExecutable = Dir.Write(QStringLiteral("Ethernet_Update.exe"), "#!/bin/sh\n");
    const QString Runnable = Script(Dir, QStringLiteral("ok.sh"), "exit 0");

    EXPECT_EQ(RunProgramAndWait(Dir.File(QStringLiteral("missing.exe")), QString(), QString(), 150000), prNotStarted);
    EXPECT_EQ(RunProgramAndWait(NotExecutable, QString(), QString(), 150000), prNotStarted);
    EXPECT_EQ(SpawnProcess(QStringLiteral("kt20418-no-such-program"), {}, QString()), nullptr);
    EXPECT_EQ(SpawnProcess(Runnable, {}, Dir.File(QStringLiteral("no-such-folder"))), nullptr);
}

TEST(ProcessTest, AProgramThatOutlivesTheLimitKeepsRunningAndIsReapedWhenItEnds)
{
    TempFolder Dir;
    const QString PidFile = Dir.File(QStringLiteral("pid"));
    const QString Program = Script(Dir, QStringLiteral("updater.sh"), "echo $$ > \"$1\"\nexec /bin/sleep 30");

    EXPECT_EQ(RunProgramAndWait(Program, Quoted(PidFile), QString(), 50), prStillRunning);
    ASSERT_TRUE(Eventually([&] { return PidIn(PidFile) > 0; }));
    const pid_t Pid = PidIn(PidFile);
    const char State = ProcessState(Pid);
    EXPECT_NE(State, 0);
    EXPECT_NE(State, 'Z');

    kill(Pid, SIGKILL);
    EXPECT_TRUE(Eventually([&] { return ProcessState(Pid) == 0; })) << "the ended program was not reaped";
}

TEST(ProcessTest, AProgramStartedWithoutWaitingIsReapedWhenItEnds)
{
    TempFolder Dir;
    const QString PidFile = Dir.File(QStringLiteral("pid"));
    const QString Program = Script(Dir, QStringLiteral("quick.sh"), "echo $$ > \"$1\"");

    EXPECT_NE(StartProcess(Program, Quoted(PidFile), QString()), nullptr);
    ASSERT_TRUE(Eventually([&] { return PidIn(PidFile) > 0; }));
    const pid_t Pid = PidIn(PidFile);
    EXPECT_TRUE(Eventually([&] { return ProcessState(Pid) == 0; })) << "the ended program was not reaped";
}

TEST(ProcessTest, WaitingPausesTenMillisecondsAtATimeUpToTheLimit)
{
    TPauseClock Clock;
    SetClockService(&Clock);
    TScriptedProcess Endless(1000000);
    const bool EndlessEnded = WaitForProgram(Endless, 150000);
    const int EndlessPauses = Clock.Pauses;
    Clock.Pauses = 0;
    TScriptedProcess Quick(3);
    const bool QuickEnded = WaitForProgram(Quick, 150000);
    SetClockService(nullptr);

    EXPECT_FALSE(EndlessEnded);
    EXPECT_EQ(EndlessPauses, 15000);
    EXPECT_TRUE(QuickEnded);
    EXPECT_EQ(Clock.Pauses, 3);
}

TEST(UrlOpenerTest, TheRealOpenerHandsTheUrlToXdgOpen)
{
    TempFolder Dir;
    Script(Dir, QStringLiteral("xdg-open"), "printf '%s' \"$1\" > \"" + Dir.File(QStringLiteral("opened")).toLocal8Bit() + "\"");
    const QByteArray Path = qgetenv("PATH");
    qputenv("PATH", Dir.Path().toLocal8Bit() + ':' + Path);
    const QString Url = QStringLiteral("http://127.0.0.1:8080/Home/download/download.asp#RB20418");
    const bool Opened = OpenUrl(Url);
    qputenv("PATH", Path);

    EXPECT_TRUE(Opened);
    EXPECT_TRUE(Eventually([&] { return QFile::exists(Dir.File(QStringLiteral("opened"))) && Dir.Read(QStringLiteral("opened")) == Url.toUtf8(); }));
}

TEST(UrlOpenerTest, WithoutXdgOpenNothingOpens)
{
    TempFolder Empty;
    const QByteArray Path = qgetenv("PATH");
    qputenv("PATH", Empty.Path().toLocal8Bit());
    const bool Opened = OpenUrl(QStringLiteral("http://127.0.0.1/"));
    qputenv("PATH", Path);
    EXPECT_FALSE(Opened);
}
