// A virtual X desktop for end-to-end tests: Xvfb with a window manager, the program started from a
// temporary program folder, real pointer and key events, windows found by title, screenshots.
#pragma once

#include "support/TempFolder.h"

#include <QImage>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>

namespace E2e {

using namespace std::chrono_literals;
using TWindowId = uint64_t;

struct TGeometry {
    int X = 0;
    int Y = 0;
    int Width = 0;
    int Height = 0;
};

// Polls Condition every few milliseconds until it holds or Limit has passed; true when it held.
bool WaitFor(const std::function<bool()>& Condition, std::chrono::milliseconds Limit = 10s);

class TDesktop {
public:
    TDesktop();
    ~TDesktop();
    TDesktop(const TDesktop&) = delete;
    TDesktop& operator=(const TDesktop&) = delete;

    // Why the desktop cannot run here (a tool missing, no X server); empty when it can.
    static QString Unavailable();

    // Starts Xvfb on a free display and the window manager on it; false with Error() set on failure.
    bool Start();
    QString Error() const { return FError; }
    QString Display() const { return FDisplay; }

    // The program folder the program runs from, and a file in it.
    QString ProgramFolder() const { return FProgram.Path(); }
    QString File(const QString& Name) const { return FProgram.File(Name); }
    // Starts the built program from the program folder on this desktop.
    bool StartProgram();
    bool ProgramRunning();
    // Waits for the program to end by itself; its exit code, or -1 when it did not end.
    int WaitForProgramEnd(std::chrono::milliseconds Limit = 10s);

    // ---- Windows ----
    // The visible windows whose title matches Pattern (a regular expression, as xdotool takes it).
    QList<TWindowId> Windows(const QString& Pattern);
    // Waits until exactly one visible window matches; 0 when none came.
    TWindowId WaitForWindow(const QString& Pattern, std::chrono::milliseconds Limit = 10s);
    bool WaitForNoWindow(const QString& Pattern, std::chrono::milliseconds Limit = 10s);
    // The client area of Window on the screen.
    TGeometry Client(TWindowId Window);
    TWindowId ActiveWindow();
    // The text of a property of Window as xprop shows it (after "NAME... = " or ": ").
    QString Property(TWindowId Window, const QString& Name);
    // The window Window is kept above (WM_TRANSIENT_FOR); 0 for none.
    TWindowId Owner(TWindowId Window);
    // The managed windows, bottom to top.
    QList<TWindowId> StackingOrder();

    // ---- Input ----
    // A left click at client coordinates of Window.
    void Click(TWindowId Window, int X, int Y);
    void MovePointer(int ScreenX, int ScreenY);
    // Keys by their X names ("Return", "Escape", "Tab", "ctrl+a").
    void Key(const QString& Keys);
    void Type(const QString& Text);

    // ---- Screen ----
    QImage Screenshot() const;
    // The client area of Window as now shown.
    QImage Capture(TWindowId Window);
    // Saves the screen under test-artifacts/ as Name.png; the file's path.
    QString SaveScreenshot(const QString& Name) const;

    // Runs an X tool on this display; its standard output (empty when it failed).
    QString Run(const QString& Tool, const QStringList& Arguments, bool* Ok = nullptr);

private:
    void StopProcess(std::unique_ptr<QProcess>& Process);

    TempFolder FRuntime;
    TempFolder FProgram;
    QString FDisplay;
    QString FError;
    std::unique_ptr<QProcess> FServer;
    std::unique_ptr<QProcess> FWindowManager;
    std::unique_ptr<QProcess> FApp;
};

}  // namespace E2e
