// Starting an outside program and waiting for it: programs that end, outlive the limit or cannot start.
#include "UComon.h"
#include "UStartProgram.h"

#include "os/Services.h"
#include "rtl/Exceptions.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <QFile>

#include <chrono>
#include <csignal>
#include <functional>
#include <memory>
#include <new>
#include <thread>

#include <sys/types.h>

namespace {

// An executable /bin/sh script in Folder.
QString Script(const TempFolder& Folder, const QString& Name, const QByteArray& Body)
{
    const QString Path = Folder.Write(Name, "#!/bin/sh\n" + Body + "\n");
    QFile::setPermissions(Path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return Path;
}

// Polls Condition every 10 ms for at most ten seconds.
bool Eventually(const std::function<bool()>& Condition)
{
    const auto Limit = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!Condition()) {
        if (std::chrono::steady_clock::now() > Limit) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

TEST(StartProgramTest, AProgramThatEndsIsWaitedFor)
{
    TempFolder Dir;
    const QString Marker = Dir.File(QStringLiteral("marker"));
    const QString Program = Script(Dir, QStringLiteral("ends.sh"), "echo \"$1\" > \"$2\"\nexit 3");
    EXPECT_EQ(Start_Program(Program, QStringLiteral("done \"") + Marker + QStringLiteral("\""), false), prEnded);
    EXPECT_EQ(Dir.Read(QStringLiteral("marker")), QByteArray("done\n"));
}

TEST(StartProgramTest, TheUpdaterIsLookedUpInTheProgramFolder)
{
    TempFolder Dir;
    Path_Exe = Dir.Path();
    EXPECT_EQ(Updater_File_Name(), Dir.File(QStringLiteral("Ethernet_Update")));
    Script(Dir, QStringLiteral("Ethernet_Update"), "touch \"$0.ran\"");
    EXPECT_EQ(Start_Program(Updater_File_Name(), QString(), false), prEnded);
    EXPECT_TRUE(QFile::exists(Dir.File(QStringLiteral("Ethernet_Update.ran"))));
    Path_Exe.clear();
}

TEST(StartProgramTest, AProgramThatOutlivesTheLimitKeepsRunning)
{
    TempFolder Dir;
    const QString PidFile = Dir.File(QStringLiteral("pid"));
    const QString Program = Script(Dir, QStringLiteral("slow.sh"), "echo $$ > \"$1\"\nexec /bin/sleep 30");
    EXPECT_EQ(Start_Program(Program, QStringLiteral("\"") + PidFile + QStringLiteral("\""), true, 200), prStillRunning);
    pid_t Pid = 0;
    ASSERT_TRUE(Eventually([&] {
        Pid = Dir.Read(QStringLiteral("pid")).trimmed().toInt();
        return Pid > 0;
    }));
    EXPECT_EQ(kill(Pid, 0), 0);
    kill(Pid, SIGKILL);
}

TEST(StartProgramTest, AProgramThatCannotStartIsNotWaitedFor)
{
    TempFolder Dir;
    const QString NotExecutable = Dir.Write(QStringLiteral("plain.sh"), "#!/bin/sh\nexit 0\n");
    for (const QString& Program : {Dir.File(QStringLiteral("missing")), NotExecutable, Dir.Path(), QString()})
        EXPECT_EQ(Start_Program(Program, QString(), false), prNotStarted) << qPrintable(Program);
}

TEST(StartProgramTest, OnlyAFailureToStartCountsAsNotStarted)
{
    struct TFailingLauncher : TProcessLauncher {
        bool OutOfMemory = false;
        std::unique_ptr<TProcess> Start(const QString&, const QString&, const QString&) override
        {
            if (OutOfMemory) throw std::bad_alloc();
            throw EInOutError(QStringLiteral("no process"));
        }
    } Launcher;
    TProcessLauncher* Replaced = SetProcessLauncher(&Launcher);
    EXPECT_EQ(Start_Program(QStringLiteral("updater"), QString(), false), prNotStarted);
    Launcher.OutOfMemory = true;
    EXPECT_THROW(Start_Program(QStringLiteral("updater"), QString(), false), std::bad_alloc);
    SetProcessLauncher(Replaced);
}

} // namespace
