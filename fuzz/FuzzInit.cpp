// libFuzzer start-up: a headless Qt application for targets that decode pictures, measure text or drive controls.
#include <QApplication>

#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QApplication app(*argc, *argv);
    return 0;
}
