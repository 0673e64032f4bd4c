// The services through which the program reaches its folder, the network and other programs; tests install their own.
#pragma once

#include "os/Process.h"

#include <QString>

#include <cstdint>
#include <memory>

// Each service is a class whose own members do the real work. A test derives from it, overrides
// what it steers and installs its object with the setter, which returns the service it replaces
// (the caller keeps ownership); installing nil brings the real one back. The program never
// installs one.

// ---- Program folder ----
class TProgramFolderService {
public:
    virtual ~TProgramFolderService() = default;
    // The folder of the program file, without a trailing separator.
    virtual QString ProgramFolder();
};
TProgramFolderService* SetProgramFolderService(TProgramFolderService* Service);
QString ProgramFolder();

// ---- Network endpoints ----
struct TNetworkEndpoint {
    QString Host;
    uint16_t Port = 0;

    // "http://" + Host, then ":" + Port unless it is 80, then PathAndQuery (which starts with "/").
    QString HttpUrl(const QString& PathAndQuery) const;
};

class TNetworkEndpointService {
public:
    virtual ~TNetworkEndpointService() = default;
    // The maker's web server: the version query, the download page and the product page.
    virtual TNetworkEndpoint MakerWebServer();
    // The local UDP port of the device-command window, and the device's port its commands go to.
    virtual uint16_t DeviceCommandLocalPort();
    virtual uint16_t DeviceCommandPort();
};
TNetworkEndpointService* SetNetworkEndpointService(TNetworkEndpointService* Service);
TNetworkEndpoint MakerWebServer();
uint16_t DeviceCommandLocalPort();
uint16_t DeviceCommandPort();

// ---- Process launcher ----
class TProcessLauncher {
public:
    virtual ~TProcessLauncher() = default;
    // Starts FileName with Parameters, a command line split into arguments at blanks (a double-
    // quoted run is one argument, three quotes in a row one literal quote), in Directory ("": our
    // current folder). Null when it cannot be started.
    virtual std::unique_ptr<TProcess> Start(const QString& FileName, const QString& Parameters, const QString& Directory);
};
TProcessLauncher* SetProcessLauncher(TProcessLauncher* Launcher);
std::unique_ptr<TProcess> StartProcess(const QString& FileName, const QString& Parameters, const QString& Directory);

enum TProgramRun { prNotStarted, prEnded, prStillRunning };

// Starts FileName through the process launcher (see StartProcess) and waits for it as
// WaitForProgram does.
TProgramRun RunProgramAndWait(const QString& FileName, const QString& Parameters, const QString& Directory, uint32_t LimitMs);

// ---- URL opener ----
class TUrlOpener {
public:
    virtual ~TUrlOpener() = default;
    // Hands Url to the desktop's opener (xdg-open), which shows it in the default browser, and
    // returns without waiting. False when the opener cannot be started.
    virtual bool OpenUrl(const QString& Url);
};
TUrlOpener* SetUrlOpener(TUrlOpener* Opener);
bool OpenUrl(const QString& Url);
