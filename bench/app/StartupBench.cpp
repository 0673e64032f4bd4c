// Start-up of the configurator (the 24 windows with their creation handlers, the settings and the
// language) beside the same windows built with Qt Widgets after the same reading.
#include "ULanguage.h"
#include "UQuillaneFirmWare.h"

#include "button/LbButton.h"
#include "graphics/Bitmap.h"
#include "graphics/Picture.h"
#include "os/Services.h"
#include "support/Peer.h"
#include "windows/ExtCtrls.h"
#include "windows/Forms.h"
#include "windows/Session.h"
#include "windows/StdCtrls.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFrame>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QStringList>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTextStream>
#include <QWidget>
#include <QXmlStreamReader>

#include <memory>
#include <vector>

namespace {

const QString Language = QStringLiteral("Italiano");
const QString Project = QStringLiteral("Plant A");

// A program folder as a user has it: settings naming a language and a configuration, the
// configuration's folder and a language file with every text.
class TFolderService : public TProgramFolderService {
public:
    TFolderService()
    {
        const QDir Folder(FFolder.path());
        Folder.mkpath(QStringLiteral("PROJECTS/") + Project);
        Folder.mkpath(QStringLiteral("LANGUAGE"));
        QFile Settings(Folder.filePath(QStringLiteral("Quillan.xml")));
        Settings.open(QIODevice::WriteOnly);
        Settings.write("<Conf_Settings>\n"
                       "  <lastproj><projectname>" + Project.toUtf8() + "</projectname></lastproj>\n"
                       "  <lastipadd><ipaddress>192.168.2.205</ipaddress></lastipadd>\n"
                       "  <lastlang><language>" + Language.toUtf8() + "</language></lastlang>\n"
                       "  <lastinternet><enable_internet>0</enable_internet><enable_update>0</enable_update>"
                       "<enable_jump_field_tables>1</enable_jump_field_tables>"
                       "<Double_Click_Auto_Size>1</Double_Click_Auto_Size></lastinternet>\n"
                       "</Conf_Settings>\n");
        QFile Texts(Folder.filePath(QStringLiteral("LANGUAGE/") + Language + QStringLiteral(".lng")));
        Texts.open(QIODevice::WriteOnly);
        for (int32_t N = 0; N < Lang_Default_Count; ++N)
            Texts.write(QStringLiteral("STR%1 = %2 (it)\r\n").arg(N).arg(Default_Language_Text(N)).toUtf8());
    }
    QString ProgramFolder() override { return FFolder.path(); }

private:
    QTemporaryDir FFolder;
};

TFolderService* Folder = nullptr;

// A headless session and the program folder, made once for all benchmarks.
void EnsureSession()
{
    static int Argc = 1;
    static char Name[] = "bench_app";
    static char* Argv[] = {Name, nullptr};
    static const bool Ready = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static TPlatformSession Session(Argc, Argv);
        static TFolderService Service;
        Folder = &Service;
        SetProgramFolderService(&Service);
        return true;
    }();
    (void)Ready;
}

// ---- The peer's reading ----

struct TPeerSettings {
    QString Project, Address, Language;
    bool Internet = false, Update = false, Jump = false, AutoSize = false;
    QStringList Texts;
};

// What the main window's creation reads, done with QtCore: the folder set-up, the settings file,
// the default texts overwritten by the language file, the last configuration's folder.
TPeerSettings ReadAsThePeer(const QString& ProgramFolder)
{
    TPeerSettings Settings;
    {
        QTemporaryFile Probe(ProgramFolder + QStringLiteral("/.peer-XXXXXX"));
        benchmark::DoNotOptimize(Probe.open());
    }
    QDir Dir(ProgramFolder);
    for (const char* Sub : {"MASTER", "PROJECTS", "LANGUAGE"})
        if (!Dir.exists(QLatin1String(Sub))) Dir.mkdir(QLatin1String(Sub));

    QFile File(Dir.filePath(QStringLiteral("Quillan.xml")));
    if (File.open(QIODevice::ReadOnly)) {
        QXmlStreamReader Xml(&File);
        while (!Xml.atEnd()) {
            if (Xml.readNext() != QXmlStreamReader::StartElement) continue;
            const QStringView Name = Xml.name();
            if (Name == u"projectname") Settings.Project = Xml.readElementText();
            else if (Name == u"ipaddress") Settings.Address = Xml.readElementText();
            else if (Name == u"language") Settings.Language = Xml.readElementText();
            else if (Name == u"enable_internet") Settings.Internet = Xml.readElementText() == u"1";
            else if (Name == u"enable_update") Settings.Update = Xml.readElementText() == u"1";
            else if (Name == u"enable_jump_field_tables") Settings.Jump = Xml.readElementText() == u"1";
            else if (Name == u"Double_Click_Auto_Size") Settings.AutoSize = Xml.readElementText() == u"1";
        }
    }

    Settings.Texts.reserve(Lang_Default_Count);
    for (int32_t N = 0; N < Lang_Default_Count; ++N) Settings.Texts.append(Default_Language_Text(N));
    QFile Texts(Dir.filePath(QStringLiteral("LANGUAGE/") + Settings.Language + QStringLiteral(".lng")));
    if (Texts.open(QIODevice::ReadOnly | QIODevice::Text)) {
        QTextStream Lines(&Texts);
        QString Line;
        while (Lines.readLineInto(&Line)) {
            const QString Trimmed = Line.trimmed();
            const qsizetype Eq = Trimmed.indexOf(u'=');
            if (!Trimmed.startsWith(QLatin1String("STR")) || Eq < 0) continue;
            bool Read = false;
            const int Number = Trimmed.mid(3, Eq - 3).trimmed().toInt(&Read);
            if (Read && Number >= 0 && Number < Settings.Texts.size()) Settings.Texts[Number] = Trimmed.mid(Eq + 1).trimmed();
        }
    }
    benchmark::DoNotOptimize(Dir.exists(QStringLiteral("PROJECTS/") + Settings.Project));
    return Settings;
}

// ---- The windows as the peer builds them ----

enum TKind { kLabel, kButton, kFrame, kImage, kOther };

// One control of a window as the peer rebuilds it.
struct TControlShape {
    TKind Kind;
    int Parent;  // index in the window's list; -1 for the window itself
    TRect Bounds;
    QString Text;
    QString Picture;  // the resource file of a picture of the same size, for buttons and images
};

struct TWindowShape {
    QString Caption;
    int Width;
    int Height;
    std::vector<TControlShape> Controls;
};

// A bitmap of our resources that has the size of Graphic: what the peer reads for it.
QString ResourceOfSize(const TGraphic* Graphic)
{
    struct TResource {
        QString Path;
        QSize Size;
    };
    static const std::vector<TResource> Resources = [] {
        std::vector<TResource> List;
        for (QDirIterator Files(QStringLiteral(":/resources"), {QStringLiteral("*.bmp")}, QDir::Files); Files.hasNext();) {
            const QString Path = Files.next();
            List.push_back({Path, QImage(Path).size()});
        }
        return List;
    }();
    if (!Graphic || Graphic->Empty()) return QString();
    for (const TResource& Resource : Resources)
        if (Resource.Size == QSize(Graphic->Width(), Graphic->Height())) return Resource.Path;
    return QString();
}

TControlShape ShapeOf(TControl* Control, int Parent)
{
    TControlShape Shape{kOther, Parent, Control->BoundsRect(), Control->Caption(), QString()};
    if (dynamic_cast<TCustomLabel*>(Control) || dynamic_cast<TCustomLinkLabel*>(Control)) {
        Shape.Kind = kLabel;
    } else if (auto* Button = dynamic_cast<TLbButton*>(Control)) {
        Shape.Kind = kButton;
        Shape.Picture = ResourceOfSize(Button->Glyph());
    } else if (auto* Image = dynamic_cast<TImage*>(Control)) {
        Shape.Kind = kImage;
        Shape.Picture = ResourceOfSize(Image->Picture()->Graphic());
    } else if (dynamic_cast<TCustomPanel*>(Control) || dynamic_cast<TShape*>(Control)) {
        Shape.Kind = kFrame;
    }
    return Shape;
}

void Collect(TWinControl* Parent, int ParentIndex, std::vector<TControlShape>& Controls)
{
    for (int32_t I = 0; I < Parent->ControlCount(); ++I) {
        TControl* Control = Parent->Controls(I);
        Controls.push_back(ShapeOf(Control, ParentIndex));
        if (auto* Container = dynamic_cast<TWinControl*>(Control))
            Collect(Container, static_cast<int>(Controls.size()) - 1, Controls);
    }
}

// The configurator's windows as plain descriptions: captions, sizes, controls and pictures.
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
        case kButton: {
            auto* Button = new QPushButton(Control.Text, Parent);
            if (!Control.Picture.isEmpty()) Button->setIcon(QIcon(QPixmap::fromImage(QImage(Control.Picture))));
            Widget = Button;
            break;
        }
        case kImage: {
            auto* Image = new QLabel(Parent);
            if (!Control.Picture.isEmpty()) Image->setPixmap(QPixmap::fromImage(QImage(Control.Picture)));
            Widget = Image;
            break;
        }
        case kFrame: Widget = new QFrame(Parent); break;
        case kOther: Widget = new QWidget(Parent); break;
        }
        Widget->setGeometry(Control.Bounds.Left, Control.Bounds.Top, Control.Bounds.Width(), Control.Bounds.Height());
        Made.push_back(Widget);
    }
    return Window;
}

// Every window created through the application with its creation handler (the main window's
// reads the settings and the language file), then freed; beside the peer, which reads the same
// files with QtCore and builds the same windows, texts and pictures with Qt Widgets.
void BM_Startup(benchmark::State& State)
{
    EnsureSession();
    const std::vector<TWindowShape>& Shapes = WindowShapes();
    RunBesidePeer(
        State, "QtWidgets",
        [] {
            Create_Forms();
            benchmark::DoNotOptimize(FQuillaneFirmWare);
            Free_Forms();
        },
        [&] {
            const TPeerSettings Settings = ReadAsThePeer(Folder->ProgramFolder());
            benchmark::DoNotOptimize(Settings.Texts.constData());
            std::vector<std::unique_ptr<QWidget>> Windows;
            for (const TWindowShape& Shape : Shapes) Windows.push_back(BuildWithQt(Shape));
            benchmark::DoNotOptimize(Windows.data());
        });
    State.SetItemsProcessed(int64_t(State.iterations()) * int64_t(Shapes.size()));
}

// The language change: the main window re-labels the windows that follow it. No peer: Qt's
// retranslation walks the same widgets; the limit it is held against is start-up itself (a
// change must cost far less than creating the windows).
void BM_ChangeLanguage(benchmark::State& State)
{
    EnsureSession();
    Create_Forms();
    for (auto _ : State) FQuillaneFirmWare->Change_Language();
    Free_Forms();
}

}  // namespace

BENCHMARK(BM_Startup)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChangeLanguage)->Unit(benchmark::kMicrosecond);
