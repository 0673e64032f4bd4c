// Entry point of the KT20418 configurator: creates the windows and runs the message loop.
//
// With "--screenshot FILE" the program saves a picture of the main window as a BMP file once the
// window shows, prints the file's path and closes (the run script uses it on a virtual display).
#include "UQuillaneFirmWare.h"

#include "windows/Forms.h"
#include "windows/Session.h"

#include <QString>

#include <cstdio>
#include <cstring>

namespace {

// The file after "--screenshot" among the arguments; empty when there is none.
QString Screenshot_File(int argc, char** argv)
{
    for (int I = 1; I + 1 < argc; ++I)
        if (std::strcmp(argv[I], "--screenshot") == 0) return QString::fromLocal8Bit(argv[I + 1]);
    return QString();
}

void Take_Screenshot_When_Shown(const QString& FileName)
{
    Application->OnIdle = [FileName, Taken = false](TObject*, bool&) mutable {
        if (Taken || !FQuillaneFirmWare->Showing()) return;
        Taken = true;
        if (Save_Form_Picture(FQuillaneFirmWare, FileName)) std::printf("screenshot: %s\n", qPrintable(FileName));
        else std::fprintf(stderr, "screenshot: cannot write %s\n", qPrintable(FileName));
        std::fflush(stdout);
        FQuillaneFirmWare->Close();
    };
}

}  // namespace

int main(int argc, char** argv)
{
    TPlatformSession Session(argc, argv);
    Application->Initialize();
    Create_Forms();
    const QString Screenshot = Screenshot_File(argc, argv);
    if (!Screenshot.isEmpty()) Take_Screenshot_When_Shown(Screenshot);
    Application->Run();
    Free_Forms();
    return 0;
}
