// Start-up of the configurator (the 24 windows with their creation handlers and texts) beside the same windows built with Qt Widgets.
#include "UQuillaneFirmWare.h"

#include "button/LbButton.h"
#include "os/Services.h"
#include "windows/ExtCtrls.h"
#include "windows/Forms.h"
#include "windows/Session.h"
#include "windows/StdCtrls.h"

#include <benchmark/benchmark.h>

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QWidget>

#include <memory>
#include <vector>

namespace {

class TFolderService : public TProgramFolderService {
public:
    QString ProgramFolder() override { return FFolder.path(); }

private:
    QTemporaryDir FFolder;
};

// A headless session and a program folder of our own, made once for all benchmarks.
void EnsureSession()
{
    static int Argc = 1;
    static char Name[] = "bench_app";
    static char* Argv[] = {Name, nullptr};
    static const bool Ready = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static TPlatformSession Session(Argc, Argv);
        static TFolderService Folder;
        SetProgramFolderService(&Folder);
        return true;
    }();
    (void)Ready;
}

enum TKind { kLabel, kButton, kFrame, kOther };

// One control of a window as the peer rebuilds it.
struct TControlShape {
    TKind Kind;
    int Parent;  // index in the window's list; -1 for the window itself
    TRect Bounds;
    QString Text;
};

struct TWindowShape {
    QString Caption;
    int Width;
    int Height;
    std::vector<TControlShape> Controls;
};

TKind KindOf(TControl* Control)
{
    if (dynamic_cast<TCustomLabel*>(Control) || dynamic_cast<TCustomLinkLabel*>(Control)) return kLabel;
    if (dynamic_cast<TLbButton*>(Control)) return kButton;
    if (dynamic_cast<TCustomPanel*>(Control) || dynamic_cast<TShape*>(Control)) return kFrame;
    return kOther;
}

void Collect(TWinControl* Parent, int ParentIndex, std::vector<TControlShape>& Controls)
{
    for (int32_t I = 0; I < Parent->ControlCount(); ++I) {
        TControl* Control = Parent->Controls(I);
        Controls.push_back({KindOf(Control), ParentIndex, Control->BoundsRect(), Control->Caption()});
        if (auto* Container = dynamic_cast<TWinControl*>(Control))
            Collect(Container, static_cast<int>(Controls.size()) - 1, Controls);
    }
}

// The configurator's windows as plain descriptions: captions, sizes and controls.
const std::vector<TWindowShape>& WindowShapes()
{
    static const std::vector<TWindowShape> Shapes = [] {
        Create_Forms();
        std::vector<TWindowShape> Result;
        for (int32_t I = 0; I < Application->ComponentCount(); ++I) {
            auto* Form = dynamic_cast<TCustomForm*>(Application->Components(I));
            if (!Form) continue;
            TWindowShape Shape{Form->Caption(), Form->ClientWidth(), Form->ClientHeight(), {}};
            Collect(Form, -1, Shape.Controls);
            Result.push_back(std::move(Shape));
        }
        Free_Forms();
        return Result;
    }();
    return Shapes;
}

std::unique_ptr<QWidget> BuildWithQt(const TWindowShape& Shape)
{
    auto Window = std::make_unique<QWidget>();
    Window->setWindowTitle(Shape.Caption);
    Window->resize(Shape.Width, Shape.Height);
    std::vector<QWidget*> Made;
    for (const TControlShape& Control : Shape.Controls) {
        QWidget* Parent = Control.Parent < 0 ? Window.get() : Made[static_cast<size_t>(Control.Parent)];
        QWidget* Widget = nullptr;
        switch (Control.Kind) {
        case kLabel: Widget = new QLabel(Control.Text, Parent); break;
        case kButton: Widget = new QPushButton(Control.Text, Parent); break;
        case kFrame: Widget = new QFrame(Parent); break;
        case kOther: Widget = new QWidget(Parent); break;
        }
        Widget->setGeometry(Control.Bounds.Left, Control.Bounds.Top, Control.Bounds.Width(), Control.Bounds.Height());
        Made.push_back(Widget);
    }
    return Window;
}

// Every window created through the application with its creation handler (the main window's also
// reads the settings and the language), then freed.
void BM_Startup_Ours(benchmark::State& State)
{
    EnsureSession();
    for (auto _ : State) {
        Create_Forms();
        benchmark::DoNotOptimize(FQuillaneFirmWare);
        Free_Forms();
    }
    State.SetItemsProcessed(int64_t(State.iterations()) * 24);
}

// The same windows and controls made with Qt Widgets.
void BM_Startup_QtWidgets(benchmark::State& State)
{
    EnsureSession();
    const std::vector<TWindowShape>& Shapes = WindowShapes();
    for (auto _ : State) {
        std::vector<std::unique_ptr<QWidget>> Windows;
        for (const TWindowShape& Shape : Shapes) Windows.push_back(BuildWithQt(Shape));
        benchmark::DoNotOptimize(Windows.data());
    }
    State.SetItemsProcessed(int64_t(State.iterations()) * int64_t(Shapes.size()));
}

// The language change: the main window re-labels the windows that follow it.
void BM_ChangeLanguage_Ours(benchmark::State& State)
{
    EnsureSession();
    Create_Forms();
    for (auto _ : State) FQuillaneFirmWare->Change_Language();
    Free_Forms();
}

}  // namespace

BENCHMARK(BM_Startup_Ours)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Startup_QtWidgets)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChangeLanguage_Ours)->Unit(benchmark::kMicrosecond);
