// libFuzzer start-up: a headless Qt application for targets that decode pictures or measure text.
#include <QGuiApplication>

#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QGuiApplication app(*argc, *argv);
    return 0;
}
