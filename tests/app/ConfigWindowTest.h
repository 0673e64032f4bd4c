// Shared set-up of the configuration windows' tests: a temporary program folder, the English texts, modal runs and typing into edits.
#pragma once

#include "UComon.h"
#include "ULanguage.h"
#include "USettings.h"

#include "os/Services.h"
#include "support/DialogScript.h"
#include "support/Input.h"
#include "support/Render.h"
#include "support/TempFolder.h"
#include "windows/Forms.h"
#include "windows/StdCtrls.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTimer>

#include <functional>

class TTestProgramFolder : public TProgramFolderService {
public:
    explicit TTestProgramFolder(const QString& Folder) : FFolder(Folder) {}
    QString ProgramFolder() override { return FFolder; }

private:
    QString FFolder;
};

// Each test starts with PROJECTS in a temporary program folder, the built-in English texts, the
// software code set and no configuration open; it leaves no configuration open and the English texts.
class ConfigWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Replaced = SetProgramFolderService(&Service);
        Set_Program_Folders();
        Load_Default_Language();
        SW_Code = Def_SW_Code;
        Select_Project(QString());
    }
    void TearDown() override
    {
        Select_Project(QString());
        Load_Default_Language();
        SetProgramFolderService(Replaced);
    }

    // The full path of Name in PROJECTS.
    QString Projects(const QString& Name = QString()) const
    {
        return Name.isEmpty() ? Path_Projects : Path_Projects + u'/' + Name;
    }
    void Make_Configuration(const QString& Name) const { ASSERT_TRUE(QDir().mkpath(Projects(Name))); }

    TempFolder Program;
    TTestProgramFolder Service{Program.Path()};
    TProgramFolderService* Replaced = nullptr;
};

// Shows Form modally and runs Steps in its message loop once the showing is handled; a form the
// steps leave open is then closed as its close box closes it. Returns the modal result.
inline int32_t Run_Modal(TForm* Form, std::function<void()> Steps)
{
    QTimer::singleShot(0, [Form, Steps = std::move(Steps)] {
        ProcessPendingEvents();
        Steps();
        if (Form->Visible() && Form->ModalResult() == mrNone) Form->Close();
    });
    return Form->ShowModal();
}

// A click in the middle of Control.
inline void Click_On(TControl* Control)
{
    Input::Click(Control, {Control->Width() / 2, Control->Height() / 2});
}

// Replaces the text of Edit as a user does: a click into it, Ctrl+A, then typing (Delete for none).
inline void Retype(TEdit* Edit, const QString& Text)
{
    Click_On(Edit);
    Input::PressKey('A', {ssCtrl});
    if (Text.isEmpty()) Input::PressKey(VK_DELETE);
    else Input::TypeText(Text);
}
