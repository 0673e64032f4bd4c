// Test entry point: a headless Qt application with a fixed set-up, then every registered test.
#include "windows/private/ClassicLook.h"

#include "support/DialogScript.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>

#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("LC_ALL", "C.UTF-8");
    if (!std::getenv("XDG_RUNTIME_DIR")) {
        const QByteArray runtime = QDir::tempPath().toUtf8() + "/kt20418-runtime-" + QByteArray::number(getuid());
        mkdir(runtime.constData(), 0700);
        qputenv("XDG_RUNTIME_DIR", runtime);
    }
    QApplication app(argc, argv);
    WindowsInternal::InstallClassicLook();
    QDir().mkpath(QStringLiteral(KT_TEST_ARTIFACTS));
    ::testing::InitGoogleTest(&argc, argv);
    InstallDialogScript();
    return RUN_ALL_TESTS();
}
