// The virtual desktop of the end-to-end tests: Xvfb, openbox, the program, xdotool and xprop.
#include "Desktop.h"

#include "support/Artifacts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QtEndian>

#include <thread>
#include <unistd.h>

namespace E2e {
namespace {

constexpr auto PollInterval = 20ms;
constexpr int ToolTimeoutMs = 10000;

// The tools the desktop needs, each with the package that brings it.
const std::pair<const char*, const char*> Tools[] = {
    {"Xvfb", "xvfb"}, {"openbox", "openbox"}, {"xdotool", "xdotool"}, {"xprop", "x11-utils"}, {"xwininfo", "x11-utils"},
};

QProcessEnvironment DesktopEnvironment(const QString& Display, const QString& Home)
{
    QProcessEnvironment Env = QProcessEnvironment::systemEnvironment();
    for (const char* Name : {"QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "XAUTHORITY", "SESSION_MANAGER", "DBUS_SESSION_BUS_ADDRESS"})
        Env.remove(QString::fromLatin1(Name));
    Env.insert(QStringLiteral("DISPLAY"), Display);
    Env.insert(QStringLiteral("HOME"), Home);
    Env.insert(QStringLiteral("XDG_CONFIG_HOME"), Home + QStringLiteral("/.config"));
    Env.insert(QStringLiteral("XDG_DATA_HOME"), Home + QStringLiteral("/.local/share"));
    Env.insert(QStringLiteral("XDG_CACHE_HOME"), Home + QStringLiteral("/.cache"));
    Env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    return Env;
}

// The pixels of an XWD image (the file Xvfb keeps its screen in): a big-endian header, the
// window name, the colour map, then 32-bit pixels in the server's byte order.
QImage ReadXwd(const QByteArray& Data)
{
    constexpr int HeaderWords = 25;
    if (Data.size() < HeaderWords * 4) return {};
    const auto Word = [&](int Index) { return qFromBigEndian<quint32>(Data.constData() + 4 * Index); };
    const quint32 HeaderSize = Word(0), Width = Word(4), Height = Word(5), ByteOrder = Word(7), BitsPerPixel = Word(11),
                  BytesPerLine = Word(12), Colors = Word(19);
    const qint64 Offset = qint64(HeaderSize) + qint64(Colors) * 12;
    if (BitsPerPixel != 32 || Width == 0 || Height == 0 || Width > 8192 || Height > 8192 || BytesPerLine < Width * 4 ||
        Offset + qint64(BytesPerLine) * Height > Data.size())
        return {};
    QImage Image(int(Width), int(Height), QImage::Format_RGB32);
    for (quint32 Y = 0; Y < Height; ++Y) {
        const char* Line = Data.constData() + Offset + qint64(BytesPerLine) * Y;
        auto* Out = reinterpret_cast<QRgb*>(Image.scanLine(int(Y)));
        for (quint32 X = 0; X < Width; ++X)
            Out[X] = 0xFF000000u | (ByteOrder == 0 ? qFromLittleEndian<quint32>(Line + 4 * X) : qFromBigEndian<quint32>(Line + 4 * X));
    }
    return Image;
}

QString ProgramPath()
{
    return QStringLiteral(KT_PROGRAM);
}

}  // namespace

bool WaitFor(const std::function<bool()>& Condition, std::chrono::milliseconds Limit)
{
    const auto Deadline = std::chrono::steady_clock::now() + Limit;
    for (;;) {
        if (Condition()) return true;
        if (std::chrono::steady_clock::now() >= Deadline) return false;
        std::this_thread::sleep_for(PollInterval);
    }
}

TDesktop::TDesktop() = default;

TDesktop::~TDesktop()
{
    StopProcess(FApp);
    StopProcess(FWindowManager);
    StopProcess(FServer);
}

QString TDesktop::Unavailable()
{
    QStringList Missing;
    for (const auto& [Tool, Package] : Tools)
        if (QStandardPaths::findExecutable(QString::fromLatin1(Tool)).isEmpty())
            Missing << QStringLiteral("%1 (package %2)").arg(QString::fromLatin1(Tool), QString::fromLatin1(Package));
    if (!Missing.isEmpty()) return QStringLiteral("no X desktop: missing ") + Missing.join(QStringLiteral(", "));
    if (!QFileInfo(ProgramPath()).isExecutable()) return QStringLiteral("the program is not built: ") + ProgramPath();
    return {};
}

bool TDesktop::Start()
{
    const QString Runtime = FRuntime.Path();
    QDir().mkpath(Runtime + QStringLiteral("/fb"));
    QDir().mkpath(Runtime + QStringLiteral("/home/.config"));
    // -displayfd picks a free display number and writes it: tests running in parallel never share one.
    FServer = std::make_unique<QProcess>();
    FServer->setProcessChannelMode(QProcess::SeparateChannels);
    FServer->start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                                            QStringLiteral("0"), QStringLiteral("1024x768x24"), QStringLiteral("-fbdir"),
                                            Runtime + QStringLiteral("/fb"), QStringLiteral("-nolisten"), QStringLiteral("tcp"),
                                            QStringLiteral("-noreset")});
    if (!FServer->waitForStarted(ToolTimeoutMs)) {
        FError = QStringLiteral("Xvfb did not start");
        return false;
    }
    QByteArray Number;
    WaitFor([&] {
        FServer->waitForReadyRead(50);
        Number += FServer->readAllStandardOutput();
        return Number.contains('\n') || FServer->state() != QProcess::Running;
    }, 20s);
    Number = Number.trimmed();
    if (Number.isEmpty()) {
        FError = QStringLiteral("Xvfb gave no display: ") + QString::fromLocal8Bit(FServer->readAllStandardError());
        return false;
    }
    FDisplay = QStringLiteral(":") + QString::fromLatin1(Number);

    FWindowManager = std::make_unique<QProcess>();
    FWindowManager->setProcessEnvironment(DesktopEnvironment(FDisplay, Runtime + QStringLiteral("/home")));
    FWindowManager->setStandardOutputFile(QProcess::nullDevice());
    FWindowManager->setStandardErrorFile(Runtime + QStringLiteral("/openbox.log"));
    FWindowManager->start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
    const bool Managed = WaitFor([&] {
        return Run(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")}).contains(u'#');
    }, 20s);
    if (!Managed) {
        FError = QStringLiteral("openbox did not take the display");
        return false;
    }
    return true;
}

bool TDesktop::StartProgram()
{
    const QString Target = File(QStringLiteral("kt20418"));
    // A hard link where the file system allows it, else a copy: the program's folder is where it runs
    // from, so a symbolic link (which would lead back to the build folder) does not do.
    if (::link(QFile::encodeName(ProgramPath()).constData(), QFile::encodeName(Target).constData()) != 0 &&
        !QFile::copy(ProgramPath(), Target)) {
        FError = QStringLiteral("cannot place the program in ") + ProgramFolder();
        return false;
    }
    QFile::setPermissions(Target, QFile::permissions(Target) | QFile::ExeOwner);
    const QString Home = FRuntime.File(QStringLiteral("home"));
    QProcessEnvironment Env = DesktopEnvironment(FDisplay, Home);
    Env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    const QString XdgRuntime = FRuntime.File(QStringLiteral("xdg"));
    QDir().mkpath(XdgRuntime);
    QFile::setPermissions(XdgRuntime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    Env.insert(QStringLiteral("XDG_RUNTIME_DIR"), XdgRuntime);
    FApp = std::make_unique<QProcess>();
    FApp->setProcessEnvironment(Env);
    FApp->setWorkingDirectory(ProgramFolder());
    FApp->setStandardOutputFile(FRuntime.File(QStringLiteral("program.log")));
    FApp->setStandardErrorFile(FRuntime.File(QStringLiteral("program.log")), QIODevice::Append);
    FApp->start(Target, {});
    if (!FApp->waitForStarted(ToolTimeoutMs)) {
        FError = QStringLiteral("the program did not start");
        return false;
    }
    return true;
}

bool TDesktop::ProgramRunning()
{
    return FApp && FApp->state() == QProcess::Running && !FApp->waitForFinished(0);
}

int TDesktop::WaitForProgramEnd(std::chrono::milliseconds Limit)
{
    if (!FApp) return -1;
    if (!FApp->waitForFinished(static_cast<int>(Limit.count()))) return -1;
    return FApp->exitStatus() == QProcess::NormalExit ? FApp->exitCode() : -1;
}

void TDesktop::StopProcess(std::unique_ptr<QProcess>& Process)
{
    if (!Process) return;
    if (Process->state() != QProcess::NotRunning) {
        Process->terminate();
        if (!Process->waitForFinished(3000)) {
            Process->kill();
            Process->waitForFinished(3000);
        }
    }
    Process.reset();
}

QString TDesktop::Run(const QString& Tool, const QStringList& Arguments, bool* Ok)
{
    QProcess Process;
    Process.setProcessEnvironment(DesktopEnvironment(FDisplay, FRuntime.File(QStringLiteral("home"))));
    Process.start(Tool, Arguments);
    const bool Done = Process.waitForFinished(ToolTimeoutMs);
    if (!Done) {
        Process.kill();
        Process.waitForFinished(1000);
    }
    const bool Good = Done && Process.exitStatus() == QProcess::NormalExit && Process.exitCode() == 0;
    if (Ok) *Ok = Good;
    return Good ? QString::fromLocal8Bit(Process.readAllStandardOutput()) : QString();
}

// ---- Windows ----

QList<TWindowId> TDesktop::Windows(const QString& Pattern)
{
    QList<TWindowId> Found;
    const QString Output = Run(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                                           QStringLiteral("--name"), Pattern});
    for (const QString& Line : Output.split(u'\n', Qt::SkipEmptyParts)) Found << Line.trimmed().toULongLong();
    return Found;
}

TWindowId TDesktop::WaitForWindow(const QString& Pattern, std::chrono::milliseconds Limit)
{
    TWindowId Window = 0;
    WaitFor([&] {
        const QList<TWindowId> Found = Windows(Pattern);
        Window = Found.size() == 1 ? Found.front() : 0;
        return Window != 0;
    }, Limit);
    return Window;
}

bool TDesktop::WaitForNoWindow(const QString& Pattern, std::chrono::milliseconds Limit)
{
    return WaitFor([&] { return Windows(Pattern).isEmpty(); }, Limit);
}

TGeometry TDesktop::Client(TWindowId Window)
{
    TGeometry Result;
    const QString Output = Run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), QString::number(Window)});
    const auto Value = [&](const char* Label) {
        const QRegularExpression Line(QString::fromLatin1(Label) + QStringLiteral(":\\s*(-?\\d+)"));
        return Line.match(Output).captured(1).toInt();
    };
    Result.X = Value("Absolute upper-left X");
    Result.Y = Value("Absolute upper-left Y");
    Result.Width = Value("Width");
    Result.Height = Value("Height");
    return Result;
}

TWindowId TDesktop::ActiveWindow()
{
    return Run(QStringLiteral("xdotool"), {QStringLiteral("getactivewindow")}).trimmed().toULongLong();
}

QString TDesktop::Property(TWindowId Window, const QString& Name)
{
    const QString Output = Run(QStringLiteral("xprop"), {QStringLiteral("-id"), QString::number(Window), QStringLiteral("-notype"), Name}).trimmed();
    const QRegularExpression Value(QStringLiteral("^[^:=]*(?: = |: |:\\s*)(.*)$"), QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch Match = Value.match(Output);
    return Match.hasMatch() && !Output.contains(QStringLiteral("not found")) ? Match.captured(1).trimmed() : QString();
}

TWindowId TDesktop::Owner(TWindowId Window)
{
    return Property(Window, QStringLiteral("WM_TRANSIENT_FOR")).section(u'#', 1).trimmed().toULongLong(nullptr, 16);
}

QList<TWindowId> TDesktop::StackingOrder()
{
    QList<TWindowId> Order;
    const QString Output = Run(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_CLIENT_LIST_STACKING")});
    const QRegularExpression Id(QStringLiteral("0x[0-9a-fA-F]+"));
    for (auto It = Id.globalMatch(Output); It.hasNext();) Order << It.next().captured(0).toULongLong(nullptr, 16);
    return Order;
}

// ---- Input ----

void TDesktop::Click(TWindowId Window, int X, int Y)
{
    const TGeometry Area = Client(Window);
    Run(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(Area.X + X),
                                    QString::number(Area.Y + Y), QStringLiteral("click"), QStringLiteral("1")});
}

void TDesktop::MovePointer(int ScreenX, int ScreenY)
{
    Run(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(ScreenX), QString::number(ScreenY)});
}

void TDesktop::Key(const QString& Keys)
{
    Run(QStringLiteral("xdotool"), {QStringLiteral("key"), Keys});
}

void TDesktop::Type(const QString& Text)
{
    Run(QStringLiteral("xdotool"), {QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("15"), QStringLiteral("--"), Text});
}

// ---- Screen ----

QImage TDesktop::Screenshot() const
{
    QFile Frame(FRuntime.File(QStringLiteral("fb/Xvfb_screen0")));
    if (!Frame.open(QIODevice::ReadOnly)) return {};
    return ReadXwd(Frame.readAll());
}

QImage TDesktop::Capture(TWindowId Window)
{
    const TGeometry Area = Client(Window);
    return Screenshot().copy(Area.X, Area.Y, Area.Width, Area.Height);
}

QString TDesktop::SaveScreenshot(const QString& Name) const
{
    return SaveArtifact(Screenshot(), Name);
}

}  // namespace E2e
