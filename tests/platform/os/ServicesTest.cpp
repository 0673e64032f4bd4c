// The real services' answers, and installing and removing the services a test steers.
#include "os/Services.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

namespace {

// Installs Service for the lifetime of the guard.
template <typename T, T* (*Install)(T*)>
class Installed {
public:
    explicit Installed(T* Service) { Install(Service); }
    ~Installed() { Install(nullptr); }
    Installed(const Installed&) = delete;
    Installed& operator=(const Installed&) = delete;
};

struct TTestFolder : TProgramFolderService {
    QString ProgramFolder() override { return QStringLiteral("/opt/kt20418"); }
};

struct TLaunchRecord {
    QString FileName;
    QString Parameters;
    QString Directory;
};

// A launcher that starts nothing; it records the call and hands out what the test prepared.
struct TTestLauncher : TProcessLauncher {
    std::unique_ptr<TProcess> Start(const QString& FileName, const QString& Parameters, const QString& Directory) override
    {
        Calls.push_back({FileName, Parameters, Directory});
        return std::move(Next);
    }
    std::vector<TLaunchRecord> Calls;
    std::unique_ptr<TProcess> Next;
};

struct TEndedProcess : TProcess {
    uint32_t ExitCode() override { return 0; }
};

struct TTestOpener : TUrlOpener {
    bool OpenUrl(const QString& Url) override
    {
        Opened << Url;
        return true;
    }
    QStringList Opened;
};

}  // namespace

TEST(ProgramFolderTest, TheRealFolderIsThatOfTheProgramFile)
{
    EXPECT_EQ(ProgramFolder(), QCoreApplication::applicationDirPath());
}

TEST(ProgramFolderTest, AnInstalledServiceAnswersUntilItIsRemoved)
{
    const QString Real = ProgramFolder();
    TTestFolder Folder;
    TProgramFolderService* Replaced = SetProgramFolderService(&Folder);
    EXPECT_EQ(ProgramFolder(), QStringLiteral("/opt/kt20418"));
    EXPECT_EQ(SetProgramFolderService(nullptr), &Folder);
    EXPECT_EQ(ProgramFolder(), Real);
    EXPECT_EQ(SetProgramFolderService(nullptr), Replaced);
}

TEST(NetworkEndpointTest, TheRealEndpointsAreTheMakersServerAndTheDevicePort)
{
    const TNetworkEndpoint Server = MakerWebServer();
    EXPECT_EQ(Server.Host, QStringLiteral("www.velmora.com"));
    EXPECT_EQ(Server.Port, 80);
    EXPECT_EQ(DeviceCommandLocalPort(), 10000);
    EXPECT_EQ(DeviceCommandPort(), 10000);
}

TEST(NetworkEndpointTest, AnHttpUrlNamesThePortOnlyWhenItIsNot80)
{
    EXPECT_EQ(MakerWebServer().HttpUrl(QStringLiteral("/HOME/default.asp?frompg=KT20418")),
              QStringLiteral("http://www.velmora.com/HOME/default.asp?frompg=KT20418"));
    EXPECT_EQ((TNetworkEndpoint{QStringLiteral("127.0.0.1"), 8080}).HttpUrl(QStringLiteral("/Home/download/download.asp#RB20418")),
              QStringLiteral("http://127.0.0.1:8080/Home/download/download.asp#RB20418"));
}

TEST(NetworkEndpointTest, ATestOverridesOnlyWhatItSteers)
{
    struct TDevicePorts : TNetworkEndpointService {
        uint16_t DeviceCommandLocalPort() override { return 0; }
        uint16_t DeviceCommandPort() override { return 40000; }
    } Ports;
    Installed<TNetworkEndpointService, SetNetworkEndpointService> Guard(&Ports);
    EXPECT_EQ(DeviceCommandLocalPort(), 0);
    EXPECT_EQ(DeviceCommandPort(), 40000);
    EXPECT_EQ(MakerWebServer().Host, QStringLiteral("www.velmora.com"));
}

TEST(ProcessLauncherTest, RunningAndWaitingGoesThroughTheInstalledLauncher)
{
    TTestLauncher Launcher;
    Installed<TProcessLauncher, SetProcessLauncher> Guard(&Launcher);

    EXPECT_EQ(RunProgramAndWait(QStringLiteral("/opt/kt20418/Ethernet_Update.exe"), QString(), QStringLiteral("/opt/kt20418"), 150000),
              prNotStarted);
    Launcher.Next = std::make_unique<TEndedProcess>();
    EXPECT_EQ(RunProgramAndWait(QStringLiteral("/opt/kt20418/Ethernet_Update.exe"), QStringLiteral("-q"), QString(), 150000), prEnded);

    ASSERT_EQ(Launcher.Calls.size(), 2u);
    EXPECT_EQ(Launcher.Calls[0].FileName, QStringLiteral("/opt/kt20418/Ethernet_Update.exe"));
    EXPECT_EQ(Launcher.Calls[0].Parameters, QString());
    EXPECT_EQ(Launcher.Calls[0].Directory, QStringLiteral("/opt/kt20418"));
    EXPECT_EQ(Launcher.Calls[1].Parameters, QStringLiteral("-q"));
}

TEST(UrlOpenerTest, AnInstalledOpenerReceivesTheUrl)
{
    TTestOpener Opener;
    Installed<TUrlOpener, SetUrlOpener> Guard(&Opener);
    EXPECT_TRUE(OpenUrl(QStringLiteral("http://www.velmora.com/HOME/default.asp?frompg=KT20418")));
    EXPECT_EQ(Opener.Opened, QStringList{QStringLiteral("http://www.velmora.com/HOME/default.asp?frompg=KT20418")});
}
