// The platform session every benchmark of an executable shares.
#pragma once

#include "windows/Session.h"

#include <QtGlobal>

namespace Bench {

// Made once, offscreen, and never destroyed: after a window was shown, the application object
// cannot end among the exit handlers (window-system statics made later are gone by then).
inline void EnsureSession()
{
    static int Argc = 1;
    static char Name[] = "bench";
    static char* Argv[] = {Name, nullptr};
    static const bool Ready = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        new TPlatformSession(Argc, Argv);
        return true;
    }();
    (void)Ready;
}

}  // namespace Bench
