// The new-configuration window: the folder and its bin folder in PROJECTS, the refusals 105 to 107, the configuration opened.
#include "ConfigWindowTest.h"
#include "UNew_Project.h"

#include "button/LbButton.h"
#include "support/Artifacts.h"
#include "support/Render.h"

#include <QDirIterator>

#include <memory>

namespace {

// Every folder and file under Folder, relative to it, sorted.
QStringList Tree(const QString& Folder)
{
    QStringList Entries;
    QDirIterator It(Folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (It.hasNext()) Entries << QDir(Folder).relativeFilePath(It.next());
    Entries.sort();
    return Entries;
}

class NewProjectTest : public ConfigWindowTest {
protected:
    void SetUp() override
    {
        ConfigWindowTest::SetUp();
        Window.reset(New<TFNew_Project>(nullptr));
    }

    // Types Name and confirms it with a click on OK.
    void Enter_Name(const QString& Name)
    {
        Input::TypeText(Name);
        Click_On(Window->Btn_OK);
    }

    std::unique_ptr<TFNew_Project> Window;
};

TEST_F(NewProjectTest, PlantAMakesItsFolderWithBinAndOpensIt)
{
    EXPECT_EQ(Run_Modal(Window.get(), [&] { Enter_Name(QStringLiteral("Plant A")); }), mrOk);
    EXPECT_EQ(Tree(Projects()), (QStringList{"Plant A", "Plant A/bin"}));
    EXPECT_EQ(Name_Project, QStringLiteral("Plant A"));
    EXPECT_EQ(Path_Project, Projects(QStringLiteral("Plant A")));
    EXPECT_EQ(File_ParGen, Projects(QStringLiteral("Plant A/ParGen.xml")));
    EXPECT_EQ(File_Send_Info, Projects(QStringLiteral("Plant A/Send_Info.xml")));
    EXPECT_TRUE(DialogScript().Boxes().empty());
}

TEST_F(NewProjectTest, EnterInTheNameConfirmsIt)
{
    EXPECT_EQ(Run_Modal(Window.get(), [] {
                  Input::TypeText(QStringLiteral("Line 2"));
                  Input::PressKey(VK_RETURN);
              }),
              mrOk);
    EXPECT_EQ(Name_Project, QStringLiteral("Line 2"));
    EXPECT_EQ(Tree(Projects()), (QStringList{"Line 2", "Line 2/bin"}));
}

struct TRefusal {
    const char* Case;
    friend void PrintTo(const TRefusal& Value, std::ostream* Out) { *Out << Value.Case; }
    QString Name;
    int32_t Message;
};

class NewProjectRefusalTest : public NewProjectTest, public ::testing::WithParamInterface<TRefusal> {};

TEST_P(NewProjectRefusalTest, IsReportedAndTheWindowStaysOpenForAnotherName)
{
    const TRefusal& Case = GetParam();
    Make_Configuration(QStringLiteral("Plant A"));
    const QStringList Before = Tree(Program.Path());
    DialogScript().Answer(mrOk);
    EXPECT_EQ(Run_Modal(Window.get(), [&] {
                  Input::TypeText(Case.Name);
                  Click_On(Window->Btn_OK);
                  EXPECT_TRUE(Window->Visible());
                  EXPECT_EQ(Window->ModalResult(), mrNone);
                  EXPECT_EQ(Tree(Program.Path()), Before);
                  EXPECT_TRUE(Path_Project.isEmpty());
                  // The window takes another name.
                  Retype(Window->E_New_Proj, QStringLiteral("Plant B"));
                  Click_On(Window->Btn_OK);
              }),
              mrOk);
    ASSERT_EQ(DialogScript().Boxes().size(), 1u);
    const TMessageBoxRequest& Box = DialogScript().Boxes().front();
    EXPECT_EQ(Box.Text, Lang(Case.Message));
    EXPECT_EQ(Box.Icon, mtError);
    EXPECT_EQ(ButtonCaptions(Box), QStringList{"OK"});
    EXPECT_EQ(Name_Project, QStringLiteral("Plant B"));
}

INSTANTIATE_TEST_SUITE_P(
    NewProject, NewProjectRefusalTest,
    ::testing::Values(TRefusal{"Empty", QString(), 107},
                      TRefusal{"Existing", QStringLiteral("Plant A"), 106},
                      TRefusal{"Dot", QStringLiteral("."), 105},
                      TRefusal{"DotDot", QStringLiteral(".."), 105},
                      TRefusal{"Traversal", QStringLiteral("../Outside"), 105},
                      TRefusal{"Slash", QStringLiteral("Plant/A"), 105},
                      TRefusal{"Backslash", QStringLiteral("Plant\\A"), 105},
                      TRefusal{"TooLongForTheFileSystem", QString(300, u'x'), 105}),
    [](const auto& Info) { return std::string(Info.param.Case); });

TEST_F(NewProjectTest, TheNameCannotHoldANul)
{
    // Typing drops it, and setting or pasting a text ends it there: the edit never holds one.
    Run_Modal(Window.get(), [&] {
        Window->E_New_Proj->SetText(QStringLiteral("Plant") + QChar(0) + QStringLiteral("A"));
        EXPECT_EQ(Window->E_New_Proj->Text(), QStringLiteral("Plant"));
    });
}

TEST_F(NewProjectTest, CancelCreatesNothingAndKeepsTheOpenConfiguration)
{
    Make_Configuration(QStringLiteral("Plant A"));
    Select_Project(QStringLiteral("Plant A"));
    EXPECT_EQ(Run_Modal(Window.get(), [&] {
                  Input::TypeText(QStringLiteral("Plant B"));
                  Click_On(Window->Btn_Cancel);
              }),
              mrCancel);
    EXPECT_EQ(Tree(Projects()), QStringList{"Plant A"});
    EXPECT_EQ(Name_Project, QStringLiteral("Plant A"));
    EXPECT_EQ(Path_Project, Projects(QStringLiteral("Plant A")));
}

TEST_F(NewProjectTest, EachShowingStartsWithAnEmptyFocusedName)
{
    Run_Modal(Window.get(), [] { Input::TypeText(QStringLiteral("left over")); });
    Run_Modal(Window.get(), [&] {
        EXPECT_TRUE(Window->E_New_Proj->Text().isEmpty());
        EXPECT_TRUE(Window->E_New_Proj->Focused());
        SaveArtifact(RenderControl(Window.get(), true), QStringLiteral("new-configuration"));
    });
}

TEST_F(NewProjectTest, TextsComeFromTheLanguageTable)
{
    Lang_Table->SetStrings(102, QStringLiteral("Nome della nuova configurazione"));
    Lang_Table->SetStrings(109, QStringLiteral("Conferma"));
    Window->Set_Lang();
    EXPECT_EQ(Window->Caption(), QStringLiteral("Create New Configuration"));
    EXPECT_EQ(Window->L_SW_Code->Caption(), QStringLiteral("KT20418"));
    EXPECT_EQ(Window->L_SW_Desc->Caption(), QStringLiteral("Create New Configuration"));
    EXPECT_EQ(Window->Label1->Caption(), QStringLiteral("Nome della nuova configurazione"));
    EXPECT_EQ(Window->Btn_OK->Caption(), QStringLiteral("OK"));
    EXPECT_EQ(Window->Btn_Cancel->Caption(), QStringLiteral("Cancel"));
    EXPECT_EQ(Window->E_New_Proj->Hint(), QStringLiteral("Insert here the name of new configuration"));
    EXPECT_EQ(Window->Btn_OK->Hint(), QStringLiteral("Conferma"));
    EXPECT_EQ(Window->Btn_Cancel->Hint(), QStringLiteral("Cancel the New Configuration"));
    EXPECT_EQ(Window->ClientWidth(), 331);
    EXPECT_EQ(Window->ClientHeight(), 162);
}

}  // namespace
