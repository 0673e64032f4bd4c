// The open-configuration window: the folders listed, the open one preselected, the choice handed back on OK.
#include "ConfigWindowTest.h"
#include "UOpenConf.h"

#include "button/LbButton.h"
#include "rtl/Strings.h"
#include "support/Artifacts.h"
#include "support/Render.h"
#include "windows/ListControls.h"

#include <memory>

namespace {

QStringList Items(TStrings* Strings)
{
    QStringList List;
    for (int32_t I = 0; I < Strings->Count(); ++I) List << Strings->Strings(I);
    return List;
}

class OpenConfTest : public ConfigWindowTest {
protected:
    void SetUp() override
    {
        ConfigWindowTest::SetUp();
        Window.reset(New<TFOpenConf>(nullptr));
    }

    // A click on item Index of the list.
    void Click_Item(int32_t Index)
    {
        const TRect Item = Window->ListBox1->ItemRect(Index);
        Input::Click(Window->ListBox1, {Item.Left + 5, (Item.Top + Item.Bottom) / 2});
    }

    std::unique_ptr<TFOpenConf> Window;
};

TEST_F(OpenConfTest, ListsEveryFolderOfPROJECTSAsTheFileSystemGivesThem)
{
    for (const char* Name : {"Gamma", "alpha", "Beta", ".dotted"}) Make_Configuration(QString::fromLatin1(Name));
    Program.Write(QStringLiteral("PROJECTS/notes.txt"), "not a configuration");
    Run_Modal(Window.get(), [&] {
        EXPECT_EQ(Items(Window->SL.get()), (QStringList{".dotted", "alpha", "Beta", "Gamma"}));
        EXPECT_EQ(Items(Window->ListBox1->Items()), Items(Window->SL.get()));
    });
}

struct TPreselection {
    const char* Case;
    friend void PrintTo(const TPreselection& Value, std::ostream* Out) { *Out << Value.Case; }
    QStringList Folders;
    // The configuration open when the window shows; empty for none.
    QString Open;
    int32_t Selected;
    QString Name_Conf;
};

class OpenConfPreselectionTest : public OpenConfTest, public ::testing::WithParamInterface<TPreselection> {};

TEST_P(OpenConfPreselectionTest, SelectsTheOpenConfigurationElseTheFirst)
{
    const TPreselection& Case = GetParam();
    for (const QString& Folder : Case.Folders) Make_Configuration(Folder);
    if (!Case.Open.isEmpty()) {
        Name_Project = Case.Open;
        Path_Project = Projects(Case.Open);
    }
    EXPECT_EQ(Run_Modal(Window.get(), [&] {
                  EXPECT_EQ(Window->ListBox1->ItemIndex(), Case.Selected);
                  EXPECT_EQ(Window->Name_Conf, Case.Name_Conf);
                  Click_On(Window->Btn_OK);
              }),
              mrOk);
    EXPECT_EQ(Window->Name_Conf, Case.Name_Conf);
    // Opening is the main window's work.
    EXPECT_EQ(Path_Project, Case.Open.isEmpty() ? QString() : Projects(Case.Open));
}

INSTANTIATE_TEST_SUITE_P(
    OpenConf, OpenConfPreselectionTest,
    ::testing::Values(
        TPreselection{"OpenOneInAnotherCase", {"Line 1", "Plant A", "Zeta"}, "plant a", 1, "Plant A"},
        TPreselection{"OpenOneExactly", {"Line 1", "Plant A", "Zeta"}, "Zeta", 2, "Zeta"},
        TPreselection{"NoneOpen", {"Line 1", "Plant A"}, "", 0, "Line 1"},
        TPreselection{"OpenOneGone", {"Line 1", "Plant A"}, "Removed", 0, "Line 1"},
        TPreselection{"NoFolders", {}, "", -1, ""}),
    [](const auto& Info) { return std::string(Info.param.Case); });

TEST_F(OpenConfTest, TheClickedConfigurationIsTheChoice)
{
    for (const char* Name : {"Line 1", "Line 2", "Plant A"}) Make_Configuration(QString::fromLatin1(Name));
    EXPECT_EQ(Run_Modal(Window.get(), [&] {
                  Click_Item(2);
                  EXPECT_EQ(Window->Name_Conf, QStringLiteral("Plant A"));
                  SaveArtifact(RenderControl(Window.get(), true), QStringLiteral("open-configuration"));
                  Click_On(Window->Btn_OK);
              }),
              mrOk);
    EXPECT_EQ(Window->Name_Conf, QStringLiteral("Plant A"));
}

TEST_F(OpenConfTest, TheArrowKeysChooseToo)
{
    for (const char* Name : {"Line 1", "Line 2", "Plant A"}) Make_Configuration(QString::fromLatin1(Name));
    Run_Modal(Window.get(), [&] {
        Click_Item(0);
        Input::PressKey(VK_DOWN);
        EXPECT_EQ(Window->Name_Conf, QStringLiteral("Line 2"));
    });
}

TEST_F(OpenConfTest, CancelClosesWithCancelAndEachShowingChoosesAnew)
{
    for (const char* Name : {"Line 1", "Plant A"}) Make_Configuration(QString::fromLatin1(Name));
    EXPECT_EQ(Run_Modal(Window.get(), [&] {
                  Click_Item(1);
                  Click_On(Window->Btn_Cancel);
              }),
              mrCancel);
    EXPECT_EQ(Run_Modal(Window.get(), [&] { EXPECT_EQ(Window->Name_Conf, QStringLiteral("Line 1")); }), mrCancel);
    EXPECT_TRUE(Path_Project.isEmpty());
}

TEST_F(OpenConfTest, TheWindowIsSizeableAndTheListFollowsItsEdges)
{
    EXPECT_EQ(Window->BorderStyle(), bsSizeable);
    Run_Modal(Window.get(), [&] {
        const TRect List = Window->ListBox1->BoundsRect();
        const int32_t OK_Left = Window->Btn_OK->Left();
        const int32_t Cancel_Left = Window->Btn_Cancel->Left();
        Window->SetClientWidth(377 + 60);
        Window->SetClientHeight(351 + 40);
        EXPECT_EQ(Window->ListBox1->BoundsRect(), Rect(List.Left, List.Top, List.Right + 60, List.Bottom + 40));
        EXPECT_EQ(Window->Btn_OK->Left(), OK_Left + 60);
        EXPECT_EQ(Window->Btn_Cancel->Left(), Cancel_Left + 60);
        EXPECT_EQ(Window->Btn_Cancel->Left() + Window->Btn_Cancel->Width(), Window->ClientWidth() - 8);
    });
}

TEST_F(OpenConfTest, TextsComeFromTheLanguageTable)
{
    Lang_Table->SetStrings(202, QStringLiteral("Configurazioni disponibili"));
    Window->Set_Lang();
    EXPECT_EQ(Window->Caption(), QStringLiteral("Open Configuration"));
    EXPECT_EQ(Window->L_SW_Code->Caption(), QStringLiteral("KT20418"));
    EXPECT_EQ(Window->L_SW_Desc->Caption(), QStringLiteral("Open an Existing Configuration"));
    EXPECT_EQ(Window->Label1->Caption(), QStringLiteral("Configurazioni disponibili"));
    EXPECT_EQ(Window->Btn_OK->Caption(), QStringLiteral("OK"));
    EXPECT_EQ(Window->Btn_Cancel->Caption(), QStringLiteral("Cancel"));
    EXPECT_EQ(Window->ListBox1->Hint(), QStringLiteral("Select from this list the configuration to open"));
    EXPECT_EQ(Window->Btn_OK->Hint(), QStringLiteral("Open the Selected Configuration"));
    EXPECT_EQ(Window->Btn_Cancel->Hint(), QStringLiteral("Cancel open of Configuration"));
    EXPECT_EQ(Window->ClientWidth(), 377);
    EXPECT_EQ(Window->ClientHeight(), 351);
}

}  // namespace
