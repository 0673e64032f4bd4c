// The real services and the slots that hold the installed ones.
#include "os/Services.h"

#include "rtl/Files.h"
#include "rtl/ServiceSlot.h"

#include <QFile>
#include <QProcess>

#include <utility>

namespace {

const QString MakerHost = QStringLiteral("www.velmora.com");
constexpr uint16_t MakerHttpPort = 80;
constexpr uint16_t DeviceUdpPort = 10000;


}  // namespace

// ---- Program folder ----

QString TProgramFolderService::ProgramFolder()
{
    return ExtractFileDir(QFile::symLinkTarget(QStringLiteral("/proc/self/exe")));
}

TProgramFolderService* SetProgramFolderService(TProgramFolderService* Service)
{
    return InstallService(Service);
}

QString ProgramFolder()
{
    return InstalledService<TProgramFolderService>()->ProgramFolder();
}

// ---- Network endpoints ----

QString TNetworkEndpoint::HttpUrl(const QString& PathAndQuery) const
{
    const QString PortPart = Port == 80 ? QString() : QStringLiteral(":%1").arg(Port);
    return QStringLiteral("http://") + Host + PortPart + PathAndQuery;
}

TNetworkEndpoint TNetworkEndpointService::MakerWebServer()
{
    return {MakerHost, MakerHttpPort};
}

uint16_t TNetworkEndpointService::DeviceCommandLocalPort()
{
    return DeviceUdpPort;
}

uint16_t TNetworkEndpointService::DeviceCommandPort()
{
    return DeviceUdpPort;
}

TNetworkEndpointService* SetNetworkEndpointService(TNetworkEndpointService* Service)
{
    return InstallService(Service);
}

TNetworkEndpoint MakerWebServer()
{
    return InstalledService<TNetworkEndpointService>()->MakerWebServer();
}

uint16_t DeviceCommandLocalPort()
{
    return InstalledService<TNetworkEndpointService>()->DeviceCommandLocalPort();
}

uint16_t DeviceCommandPort()
{
    return InstalledService<TNetworkEndpointService>()->DeviceCommandPort();
}

// ---- Process launcher ----

std::unique_ptr<TProcess> TProcessLauncher::Start(const QString& FileName, const QString& Parameters, const QString& Directory)
{
    return SpawnProcess(FileName, QProcess::splitCommand(Parameters), Directory);
}

TProcessLauncher* SetProcessLauncher(TProcessLauncher* Launcher)
{
    return InstallService(Launcher);
}

std::unique_ptr<TProcess> StartProcess(const QString& FileName, const QString& Parameters, const QString& Directory)
{
    return InstalledService<TProcessLauncher>()->Start(FileName, Parameters, Directory);
}

TProgramRun RunProgramAndWait(const QString& FileName, const QString& Parameters, const QString& Directory, uint32_t LimitMs)
{
    const std::unique_ptr<TProcess> Process = StartProcess(FileName, Parameters, Directory);
    if (!Process) return prNotStarted;
    return WaitForProgram(*Process, LimitMs) ? prEnded : prStillRunning;
}

// ---- URL opener ----

bool TUrlOpener::OpenUrl(const QString& Url)
{
    return SpawnProcess(QStringLiteral("xdg-open"), {Url}, QString()) != nullptr;
}

TUrlOpener* SetUrlOpener(TUrlOpener* Opener)
{
    return InstallService(Opener);
}

bool OpenUrl(const QString& Url)
{
    return InstalledService<TUrlOpener>()->OpenUrl(Url);
}
