// Open and save dialogs: what they ask, the default extension, the filter chosen, the checks and the overwrite question, and the real Qt dialog.
#include "rtl/Files.h"
#include "rtl/Strings.h"
#include "support/DialogScript.h"
#include "support/LayerInternals.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QTimer>

namespace {

const QString GsdFilter = QStringLiteral("Generic Station Description (*.gsd)|*.gsd");

// Puts the current folder back when a test ends.
class TCurrentDirKept {
public:
    TCurrentDirKept() : FSaved(GetCurrentDir()) {}
    ~TCurrentDirKept() { SetCurrentDir(FSaved); }
    TCurrentDirKept(const TCurrentDirKept&) = delete;
    TCurrentDirKept& operator=(const TCurrentDirKept&) = delete;

private:
    QString FSaved;
};

class DialogOpenSaveTest : public ::testing::Test {
protected:
    // A save dialog in Folder as the GSD writer sets one up, and one for EDS files.
    std::unique_ptr<TSaveDialog> GsdDialog()
    {
        auto Dialog = std::make_unique<TSaveDialog>(nullptr);
        Dialog->SetInitialDir(Folder.Path());
        Dialog->SetFilter(GsdFilter);
        Dialog->SetDefaultExt(QStringLiteral("gsd"));
        return Dialog;
    }

    const TFileDialogRequest& LastRequest() const { return DialogScript().FileDialogs().back(); }

    TCurrentDirKept CurrentDir;
    TempFolder Folder;
};

struct TNameCase {
    QString Typed;
    QString Saved;
};

TEST_F(DialogOpenSaveTest, TheDefaultExtensionIsAppendedToANameWithoutARegisteredOne)
{
    const TNameCase Cases[] = {
        {"plant", "plant.gsd"},
        {"plant.gsd", "plant.gsd"},
        {"plant.GSD", "plant.GSD"},
        {"plant.txt", "plant.txt"},
        {"plant.v2", "plant.v2.gsd"},
        {"plant.", "plant"},
        {"plant..", "plant"},
        {"sub/plant", "sub/plant.gsd"},
    };
    for (const TNameCase& Case : Cases) {
        SCOPED_TRACE(Case.Typed.toStdString());
        auto Dialog = GsdDialog();
        DialogScript().Type(Case.Typed);
        ASSERT_TRUE(Dialog->Execute());
        EXPECT_EQ(Dialog->FileName(), Folder.File(Case.Saved));
    }
}

TEST_F(DialogOpenSaveTest, WithoutADefaultExtensionTheNameStaysAsTyped)
{
    auto Dialog = GsdDialog();
    Dialog->SetDefaultExt(QString());
    DialogScript().Type(QStringLiteral("plant"));
    ASSERT_TRUE(Dialog->Execute());
    EXPECT_EQ(Dialog->FileName(), Folder.File("plant"));
}

struct TFilterCase {
    int32_t FilterChosen;
    QString Saved;
};

TEST_F(DialogOpenSaveTest, TheChosenFiltersExtensionGoesBeforeTheDefaultExtension)
{
    const TFilterCase Cases[] = {{1, "plant.txt"}, {2, "plant.eds"}, {3, "plant.eds"}};
    for (const TFilterCase& Case : Cases) {
        SCOPED_TRACE(Case.FilterChosen);
        TSaveDialog Dialog(nullptr);
        Dialog.SetInitialDir(Folder.Path());
        Dialog.SetFilter(QStringLiteral("Text (*.txt)|*.txt|Electronic Data Sheet (*.eds)|*.eds|All files|*.*"));
        // As the EDS writer sets it.
        Dialog.SetDefaultExt(QStringLiteral("*.eds"));
        DialogScript().Type(QStringLiteral("plant"), Case.FilterChosen);
        ASSERT_TRUE(Dialog.Execute());
        EXPECT_EQ(Dialog.FileName(), Folder.File(Case.Saved));
        EXPECT_EQ(Dialog.FilterIndex(), Case.FilterChosen);
    }
}

TEST_F(DialogOpenSaveTest, TheServiceIsAskedWithTitleFolderFiltersAndDefaultExtension)
{
    auto Dialog = GsdDialog();
    Dialog->SetFilter(GsdFilter + QStringLiteral("|Text (*.txt;*.log)|*.txt; *.log"));
    Dialog->SetFilterIndex(2);
    DialogScript().Cancel();
    EXPECT_FALSE(Dialog->Execute());
    const TFileDialogRequest& Asked = LastRequest();
    EXPECT_EQ(Asked.Kind, TFileDialogKind::Save);
    EXPECT_EQ(Asked.Title, "Save As");
    EXPECT_EQ(Asked.Folder, Folder.Path());
    EXPECT_TRUE(Asked.FileName.isEmpty());
    ASSERT_EQ(Asked.Filters.size(), 2u);
    EXPECT_EQ(Asked.Filters[0].Description, "Generic Station Description (*.gsd)");
    EXPECT_EQ(Asked.Filters[0].Patterns, QStringList{"*.gsd"});
    EXPECT_EQ(Asked.Filters[1].Patterns, (QStringList{"*.txt", "*.log"}));
    EXPECT_EQ(Asked.FilterIndex, 2);
    EXPECT_EQ(Asked.DefaultExt, "gsd");
    EXPECT_FALSE(Asked.MultiSelect);
}

TEST_F(DialogOpenSaveTest, TheFileNamesFolderGoesBeforeTheInitialFolder)
{
    TOpenDialog Dialog(nullptr);
    Dialog.SetInitialDir(QStringLiteral("/"));
    Dialog.SetFileName(Folder.File("old.gsd"));
    Dialog.SetFilterIndex(7);
    DialogScript().Cancel();
    EXPECT_FALSE(Dialog.Execute());
    EXPECT_EQ(LastRequest().Title, "Open");
    EXPECT_EQ(LastRequest().Folder, Folder.Path());
    EXPECT_EQ(LastRequest().FileName, "old.gsd");
    EXPECT_EQ(LastRequest().FilterIndex, 1);
    EXPECT_EQ(Dialog.FileName(), Folder.File("old.gsd"));
}

TEST_F(DialogOpenSaveTest, TheOverwriteQuestionComesThroughTheMessageBoxService)
{
    Folder.Write(QStringLiteral("plant.gsd"), "old");
    auto Dialog = GsdDialog();
    Dialog->SetTitle(QStringLiteral("Save the GSD file"));
    Dialog->SetOptions(Dialog->Options() + ofOverwritePrompt);
    // No shows the dialog again, as the user left it.
    DialogScript().Type(QStringLiteral("plant")).Answer(IDNO).Type(QStringLiteral("plant")).Answer(IDYES);
    ASSERT_TRUE(Dialog->Execute());
    EXPECT_EQ(Dialog->FileName(), Folder.File("plant.gsd"));
    ASSERT_EQ(DialogScript().Boxes().size(), 2u);
    const TMessageBoxRequest& Question = DialogScript().Boxes().front();
    EXPECT_EQ(Question.Text, "plant.gsd already exists.\nDo you want to replace it?");
    EXPECT_EQ(Question.Caption, "Confirm Save As");
    EXPECT_EQ(Question.Icon, mtWarning);
    EXPECT_EQ(ButtonCaptions(Question), (QStringList{"&Yes", "&No"}));
    ASSERT_EQ(DialogScript().FileDialogs().size(), 2u);
    EXPECT_EQ(LastRequest().FileName, "plant");
    EXPECT_EQ(LastRequest().Title, "Save the GSD file");
}

TEST_F(DialogOpenSaveTest, WithoutOverwritePromptAnExistingFileIsTakenSilently)
{
    Folder.Write(QStringLiteral("plant.gsd"), "old");
    auto Dialog = GsdDialog();
    DialogScript().Type(QStringLiteral("plant.gsd"));
    ASSERT_TRUE(Dialog->Execute());
    EXPECT_TRUE(DialogScript().Boxes().empty());
}

struct TCheckCase {
    TOpenOptions Options;
    QString Typed;
    QString Warning;
};

TEST_F(DialogOpenSaveTest, AMissingFileOrFolderIsRefusedWithAWarning)
{
    Folder.Write(QStringLiteral("there.txt"), "x");
    const TCheckCase Cases[] = {
        {{ofFileMustExist}, "missing.txt", "missing.txt\nFile not found.\nCheck the file name and try again."},
        {{ofPathMustExist}, "nowhere/x.txt", Folder.File("nowhere") + "\nPath does not exist.\nCheck the path and try again."},
        {{ofFileMustExist}, "nowhere/x.txt", Folder.File("nowhere") + "\nPath does not exist.\nCheck the path and try again."},
    };
    for (const TCheckCase& Case : Cases) {
        SCOPED_TRACE(Case.Warning.toStdString());
        TOpenDialog Dialog(nullptr);
        Dialog.SetInitialDir(Folder.Path());
        Dialog.SetOptions(Case.Options);
        DialogScript().Type(Case.Typed).Answer(IDOK).Type(QStringLiteral("there.txt"));
        ASSERT_TRUE(Dialog.Execute());
        EXPECT_EQ(Dialog.FileName(), Folder.File("there.txt"));
        EXPECT_EQ(DialogScript().Boxes().back().Text, Case.Warning);
        EXPECT_EQ(DialogScript().Boxes().back().Caption, "Open");
        EXPECT_EQ(DialogScript().Boxes().back().Icon, mtWarning);
    }
}

TEST_F(DialogOpenSaveTest, CancellingLeavesTheDialogAsItWas)
{
    auto Dialog = GsdDialog();
    Dialog->SetFileName(Folder.File("before.gsd"));
    DialogScript().Cancel();
    EXPECT_FALSE(Dialog->Execute());
    EXPECT_EQ(Dialog->FileName(), Folder.File("before.gsd"));
    EXPECT_EQ(Dialog->Files()->Count(), 0);
}

TEST_F(DialogOpenSaveTest, SeveralFilesChosenFillFiles)
{
    TOpenDialog Dialog(nullptr);
    Dialog.SetInitialDir(Folder.Path());
    Dialog.SetOptions(Dialog.Options() + ofAllowMultiSelect);
    DialogScript().Choose({QStringLiteral("a.xml"), Folder.File("b.xml")});
    ASSERT_TRUE(Dialog.Execute());
    EXPECT_TRUE(LastRequest().MultiSelect);
    ASSERT_EQ(Dialog.Files()->Count(), 2);
    EXPECT_EQ(Dialog.Files()->Strings(0), Folder.File("a.xml"));
    EXPECT_EQ(Dialog.Files()->Strings(1), Folder.File("b.xml"));
    EXPECT_EQ(Dialog.FileName(), Folder.File("a.xml"));
}

TEST_F(DialogOpenSaveTest, TheCurrentFolderFollowsTheFileUnlessNoChangeDir)
{
    const QString Before = GetCurrentDir();
    auto Dialog = GsdDialog();
    Dialog->SetOptions(Dialog->Options() + ofNoChangeDir);
    DialogScript().Type(QStringLiteral("a")).Type(QStringLiteral("b"));
    ASSERT_TRUE(Dialog->Execute());
    EXPECT_EQ(GetCurrentDir(), Before);
    Dialog->SetOptions(Dialog->Options() - ofNoChangeDir);
    ASSERT_TRUE(Dialog->Execute());
    EXPECT_EQ(GetCurrentDir(), Folder.Path());
}

TEST_F(DialogOpenSaveTest, ExtensionDifferentTellsWhetherTheExtensionIsNotTheDefault)
{
    auto Dialog = GsdDialog();
    DialogScript().Type(QStringLiteral("plant.txt")).Type(QStringLiteral("plant"));
    ASSERT_TRUE(Dialog->Execute());
    EXPECT_TRUE(Dialog->Options().Contains(ofExtensionDifferent));
    ASSERT_TRUE(Dialog->Execute());
    EXPECT_FALSE(Dialog->Options().Contains(ofExtensionDifferent));
}

TEST_F(DialogOpenSaveTest, TheRealDialogAsksWithQtsOwnDialog)
{
    TFileDialogService* Scripted = SetFileDialogService(nullptr);
    auto Dialog = GsdDialog();
    QTimer::singleShot(0, [&] {
        auto* Shown = qobject_cast<QFileDialog*>(ModalWidget());
        ASSERT_NE(Shown, nullptr);
        EXPECT_EQ(Shown->windowTitle(), "Save As");
        EXPECT_EQ(Shown->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_TRUE(Shown->testOption(QFileDialog::DontUseNativeDialog));
        EXPECT_EQ(Shown->directory().absolutePath(), Folder.Path());
        EXPECT_EQ(Shown->nameFilters(), QStringList{"Generic Station Description (*.gsd) (*.[gG][sS][dD])"});
        Shown->selectFile(QStringLiteral("plant"));
        QMetaObject::invokeMethod(Shown, "accept");
    });
    const bool Confirmed = Dialog->Execute();
    SetFileDialogService(Scripted);
    ASSERT_TRUE(Confirmed);
    EXPECT_EQ(Dialog->FileName(), Folder.File("plant.gsd"));
    EXPECT_EQ(Dialog->FilterIndex(), 1);
}

}  // namespace
