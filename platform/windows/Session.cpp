// The process's window-system session over QApplication.
#include "windows/Session.h"

#include "windows/private/ClassicLook.h"

#include <QApplication>

struct TPlatformSession::TImpl {
    TImpl(int& argc, char** argv) : App(argc, argv) { WindowsInternal::InstallClassicLook(); }
    QApplication App;
};

TPlatformSession::TPlatformSession(int& argc, char** argv) : FImpl(std::make_unique<TImpl>(argc, argv)) {}

TPlatformSession::~TPlatformSession() = default;
