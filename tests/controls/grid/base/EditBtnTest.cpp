// Edit-with-button controls: formatting rectangle, button placement, minimum height, F4, editing gates, units.
#include "grid/base/EditBtn.h"

#include "EditorTestSupport.h"
#include "graphics/Canvas.h"
#include "graphics/DrawText.h"
#include "rtl/Strings.h"
#include "support/Artifacts.h"
#include "support/Input.h"
#include "windows/SystemMetrics.h"
#include "windows/WindowDC.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QMenu>

using namespace EditorTest;

namespace {

void WhenTheMenuShows(std::function<void(QMenu* Menu)> Body)
{
    QMetaObject::invokeMethod(
        qApp, [Body = std::move(Body)] { Body(qobject_cast<QMenu*>(QApplication::activePopupWidget())); }, Qt::QueuedConnection);
}

class EditBtnTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = MakeForm(300, 150);
        Other = Place<TCustomControl>(Form.get(), Bounds(200, 100, 40, 20));
        Other->SetTabStop(true);
        Edit = Place<TEsgEditBtn>(Form.get(), Bounds(10, 10, 120, 24));
        Edit->OnClickBtn = [this](TObject*) { ++ButtonClicks; };
        Form->Show();
        ProcessPendingEvents();
    }

    TRect FormatRect(TCustomEdit* Control)
    {
        TRect Format;
        Control->Perform(EM_GETRECT, 0, reinterpret_cast<LPARAM>(&Format));
        return Format;
    }

    std::unique_ptr<TForm> Form;
    TCustomControl* Other = nullptr;
    TEsgEditBtn* Edit = nullptr;
    int32_t ButtonClicks = 0;
};

TEST_F(EditBtnTest, CreationValues)
{
    EXPECT_EQ(Edit->Text(), "0");
    EXPECT_TRUE(Edit->EditorEnabled());
    EXPECT_FALSE(Edit->RightAlign());
    EXPECT_FALSE(Edit->ControlStyle().Contains(csSetCaption));
    EXPECT_EQ(Edit->Button()->Parent(), Edit);
    EXPECT_EQ(Edit->Button()->FocusControl(), Edit);
    EXPECT_EQ(Edit->Button()->Width(), 18);
    const auto Style = static_cast<uint32_t>(GetWindowLong(Edit->Handle(), GWL_STYLE));
    EXPECT_TRUE(Style & ES_MULTILINE);
    EXPECT_TRUE(Style & WS_CLIPCHILDREN);
    EXPECT_FALSE(Style & ES_RIGHT);
    Edit->SetRightAlign(true);
    EXPECT_TRUE(static_cast<uint32_t>(GetWindowLong(Edit->Handle(), GWL_STYLE)) & ES_RIGHT);
    auto* Holder = New<TEsgEditButton>(Form.get());
    EXPECT_EQ(Holder->Width(), 20);
    EXPECT_EQ(Holder->Height(), 25);
    EXPECT_EQ(Holder->Button()->BoundsRect(), Rect(0, 0, 20, 25));
    EXPECT_EQ(Holder->ButtonColor(), clNone);
}

TEST_F(EditBtnTest, ButtonPlacementAndFormattingRectangle)
{
    struct TCase {
        const char* Name;
        bool Ctl3D;
        TBorderStyle Border;
        TRect Button;
        int32_t Inset;
    };
    Edit->SetBounds(10, 10, 120, 30);
    const TCase Cases[] = {
        {"3-D", true, bsSingle, Bounds(120 - 18 - 5, 0, 18, 30 - 5), 1},
        {"3-D without border", true, bsNone, Bounds(120 - 18 - 1, 0, 18, 30 - 1), 3},
        {"flat", false, bsSingle, Bounds(120 - 18, 1, 18, 30 - 3), 1},
    };
    for (const TCase& Case : Cases) {
        Edit->SetCtl3D(Case.Ctl3D);
        Edit->SetBorderStyle(Case.Border);
        Edit->SetHeight(31);
        Edit->SetHeight(30);
        ProcessPendingEvents();
        EXPECT_EQ(Edit->Button()->BoundsRect(), Case.Button) << Case.Name;
        EXPECT_EQ(FormatRect(Edit), Rect(Case.Inset, Case.Inset, Edit->ClientWidth() - 18 - 5, Edit->ClientHeight() + 1)) << Case.Name;
    }
    Edit->SetButtonWidth(24);
    EXPECT_EQ(Edit->Button()->Width(), 24);
}

TEST_F(EditBtnTest, HeightBelowTheMinimumIsRaised)
{
    const int32_t Own = LineHeightOf(Edit->Font());
    const int32_t Least = Own + std::min(Own, LineHeightOf(SystemFont())) / 4;
    EXPECT_EQ(Edit->MinHeight(), Least);
    Edit->SetHeight(Least - 6);
    EXPECT_EQ(Edit->Height(), Least);
}

TEST_F(EditBtnTest, F4AndTheButtonClick)
{
    Edit->SetFocus();
    Input::PressKey(VK_F4);
    EXPECT_EQ(ButtonClicks, 1);
    Input::PressKey(VK_F4, {ssCtrl});
    EXPECT_EQ(ButtonClicks, 1);
    Other->SetFocus();
    TExtSpeedButton* Speed = Edit->Button()->Button();
    Input::Click(Speed, {4, 4});
    EXPECT_EQ(ButtonClicks, 2);
    EXPECT_TRUE(Edit->Focused()) << "the button gives the focus to the edit";
}

TEST_F(EditBtnTest, TheButtonGivesTheFocusToTheEditElseToItsHolder)
{
    struct TCase {
        const char* Name;
        bool EditTabStop;
        bool HolderTabStop;
        const char* Focused;
    };
    const TCase Cases[] = {
        {"edit", true, false, "edit"},
        {"edit no tab stop", false, true, "holder"},
    };
    TEsgEditButton* Holder = Edit->Button();
    for (const TCase& Case : Cases) {
        Edit->SetTabStop(Case.EditTabStop);
        Holder->SetTabStop(Case.HolderTabStop);
        Other->SetFocus();
        Input::Click(Holder->Button(), {4, 4});
        const char* Focused = Edit->Focused()     ? "edit"
                              : Holder->Focused() ? "holder"
                              : Other->Focused()  ? "other"
                                                  : "?";
        EXPECT_STREQ(Focused, Case.Focused) << Case.Name;
    }
    EXPECT_EQ(ButtonClicks, 2);
}

TEST_F(EditBtnTest, WithoutEditorEnabledNoTypingCutOrPasteButTheButtonWorks)
{
    Edit->SetFocus();
    Edit->SelectAll();
    Input::TypeText(QStringLiteral("42"));
    ProcessPendingEvents();
    EXPECT_EQ(Edit->Text(), "42");
    Edit->SetEditorEnabled(false);
    Edit->SelectAll();
    Input::TypeText(QStringLiteral("7"));
    ProcessPendingEvents();
    EXPECT_EQ(Edit->Text(), "42");
    QApplication::clipboard()->setText(QStringLiteral("99"));
    Edit->SelectAll();
    Edit->PasteFromClipboard();
    Edit->CutToClipboard();
    EXPECT_EQ(Edit->Text(), "42");
    Input::PressKey(VK_F4);
    EXPECT_EQ(ButtonClicks, 1);
    Edit->SetEditorEnabled(true);
    Edit->SetReadOnly(true);
    Edit->SelectAll();
    Edit->CutToClipboard();
    EXPECT_EQ(Edit->Text(), "42");
    Edit->SetReadOnly(false);
    Edit->SelectAll();
    Edit->PasteFromClipboard();
    EXPECT_EQ(Edit->Text(), "99");
    // Enter is no line break in the value.
    Input::PressKey(VK_RETURN);
    ProcessPendingEvents();
    EXPECT_EQ(Edit->Text(), "99");
}

TEST_F(EditBtnTest, AutoSelectOnTabButNotOnAClick)
{
    Edit->SetText(QStringLiteral("123"));
    Other->SetFocus();
    Input::PressKey(VK_TAB);
    ProcessPendingEvents();
    ASSERT_TRUE(Edit->Focused());
    EXPECT_EQ(Edit->SelLength(), 3);
    Other->SetFocus();
    Input::Click(Edit, {5, 5});
    EXPECT_EQ(Edit->SelLength(), 0);
}

TEST_F(EditBtnTest, SpeedButtonTakesTheHoldersColours)
{
    TEsgEditButton* Holder = Edit->Button();
    Holder->SetButtonColor(clYellow);
    Holder->SetButtonColorHot(clAqua);
    Holder->SetButtonColorDown(clFuchsia);
    TExtSpeedButton* Speed = Holder->Button();
    EXPECT_EQ(PixelText(RenderControl(Speed), 2, 2), ColorText(clYellow));
    EXPECT_TRUE(Speed->Flat());
    Input::MoveMouse(Speed, {3, 3});
    EXPECT_TRUE(Speed->Hot());
    EXPECT_EQ(PixelText(RenderControl(Speed), 2, 2), ColorText(clAqua));
    Input::MouseDown(Speed, {3, 3});
    EXPECT_EQ(PixelText(RenderControl(Speed), 2, 2), ColorText(clFuchsia));
    Input::MouseUp(Speed, {3, 3});
    Input::MoveMouse(Form.get(), {290, 140});
    EXPECT_FALSE(Speed->Hot());
    // Without colours: the raised edge of a flat button, sunken while pressed.
    Holder->SetButtonColor(clNone);
    EXPECT_EQ(PixelText(RenderControl(Speed), 0, 0), ColorText(clBtnHighlight));
}

// ---- Units ----

class UnitEditBtnTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = MakeForm(300, 150);
        Edit = Place<TEsgUnitEditBtn>(Form.get(), Bounds(10, 10, 140, 24));
        Edit->OnUnitChanged = [this](TObject*, const QString& Unit) { Changes.append(Unit); };
        Form->Show();
        ProcessPendingEvents();
    }

    void SetUnits(const QStringList& Units)
    {
        TStringList List;
        for (const QString& Unit : Units) List.Add(Unit);
        Edit->SetUnits(&List);
    }

    std::unique_ptr<TForm> Form;
    TEsgUnitEditBtn* Edit = nullptr;
    QStringList Changes;
};

TEST_F(UnitEditBtnTest, CreationValues)
{
    EXPECT_EQ(Edit->UnitSpace(), 20);
    EXPECT_TRUE(Edit->RightAlign());
    EXPECT_EQ(Edit->Units()->Count(), 0);
    Edit->SetUnits(nullptr);
    TRect Format;
    Edit->Perform(EM_GETRECT, 0, reinterpret_cast<LPARAM>(&Format));
    EXPECT_EQ(Format.Right, Edit->ClientWidth() - 18 - 20 - 5 - 3);
}

TEST_F(UnitEditBtnTest, TextAndUnitTakesTheFirstUnitInListOrderThatEndsTheValue)
{
    struct TCase {
        QStringList Units;
        QString Value;
        QString Text;
        QString Unit;
    };
    const TCase Cases[] = {
        {{"g", "kg"}, "12kg", "12k", "g"},
        {{"kg", "g"}, "12kg", "12", "kg"},
        {{"m"}, "5mm", "0", ""},
        {{"s"}, "10", "0", ""},
        {{"mm", "m"}, "5m", "5", "m"},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Value.toStdString());
        Edit->SetText(QStringLiteral("0"));
        Edit->SetUnitID({});
        SetUnits(Case.Units);
        Edit->SetTextAndUnit(Case.Value);
        EXPECT_EQ(Edit->Text(), Case.Text);
        EXPECT_EQ(Edit->UnitID(), Case.Unit);
        EXPECT_EQ(Edit->TextAndUnit(), Case.Text + Case.Unit);
    }
}

TEST_F(UnitEditBtnTest, ThePopupListsTheUnitsAndAChoiceChangesTheUnit)
{
    SetUnits({"mm", "cm", "m"});
    Edit->SetUnitID(QStringLiteral("mm"));
    int32_t ButtonClicks = 0;
    Edit->OnClickBtn = [&](TObject*) { ++ButtonClicks; };
    QStringList Entries;
    QPoint MenuAt;
    WhenTheMenuShows([&](QMenu* Menu) {
        if (Menu) {
            for (const QAction* Action : Menu->actions()) Entries.append(Action->text());
            MenuAt = Menu->geometry().topLeft();
        }
        Input::PressKey(VK_DOWN);
        Input::PressKey(VK_DOWN);
        Input::PressKey(VK_RETURN);
    });
    Edit->SetFocus();
    Input::PressKey(VK_F4);
    ProcessPendingEvents();
    EXPECT_EQ(ButtonClicks, 1);
    EXPECT_EQ(Entries, (QStringList{"mm", "cm", "m"}));
    TRect Window;
    GetWindowRect(Edit->Handle(), Window);
    EXPECT_EQ(MenuAt, QPoint(Window.Left + Edit->ClientWidth() - 15, Window.Top + Edit->ClientHeight()));
    EXPECT_EQ(Edit->UnitID(), "cm");
    EXPECT_EQ(Changes, QStringList{QStringLiteral("cm")});
    // The current unit again: no change reported.
    WhenTheMenuShows([](QMenu*) {
        Input::PressKey(VK_DOWN);
        Input::PressKey(VK_DOWN);
        Input::PressKey(VK_RETURN);
    });
    Input::PressKey(VK_F4);
    ProcessPendingEvents();
    EXPECT_EQ(Edit->UnitID(), "cm");
    EXPECT_EQ(Changes.size(), 1);
}

TEST_F(UnitEditBtnTest, TheUnitIsDrawnAfterTheText)
{
    Edit->SetText(QStringLiteral("12"));
    Edit->SetUnitID(QStringLiteral("kg"));
    Edit->Font()->SetColor(clBlack);
    const QImage Image = RenderControl(Edit);
    SaveArtifact(Image, QStringLiteral("UnitEditBtn"));
    // The unit's room in client coordinates, two pixels further in the window for the sunken edge.
    const int32_t Right = Edit->ClientWidth() - 18 - 3;
    const QRect Room(2 + Right - 20, 2 + 2, 20, Edit->ClientHeight() - 2);
    EXPECT_FALSE(InkBounds(Image, clBlack, Room).isEmpty());
    Edit->SetUnitID({});
    Edit->SetText({});
    EXPECT_TRUE(InkBounds(RenderControl(Edit), clBlack, Room).isEmpty()) << "the room outside the formatting rectangle is the edit's colour";
}

}  // namespace
