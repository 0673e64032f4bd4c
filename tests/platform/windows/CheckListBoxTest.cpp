// Check list boxes: ticks that follow their items, ticking by mouse and Space, the change event and the drawing.
#include "support/Artifacts.h"
#include "support/Input.h"
#include "support/Render.h"
#include "Recorder.h"

#include "graphics/Colors.h"
#include "rtl/Exceptions.h"
#include "rtl/Strings.h"
#include "windows/CheckLst.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

class CheckListBoxTest : public ::testing::Test {
public:
    void SetUp() override
    {
        Form = MakeForm(300, 240);
        List = Place<TCheckListBox>(Form.get(), Bounds(10, 10, 150, 100));
        List->Items()->SetCommaText(QStringLiteral("Alpha,Beta,Gamma,Delta"));
        List->OnClickCheck = [this](TObject* Sender) {
            EXPECT_EQ(Sender, List);
            Log.append(QStringLiteral("check"));
        };
        List->OnClick = [this](TObject*) { Log.append(QStringLiteral("click")); };
        Form->Show();
        List->SetFocus();
        ProcessPendingEvents();
    }

    // The items ticked, as "text" each.
    QStringList Ticked() const
    {
        QStringList Result;
        for (int32_t I = 0; I < List->Count(); ++I)
            if (List->Checked(I)) Result.append(List->Items()->Strings(I));
        return Result;
    }

    // A point on item Index: on its box, or on its text.
    TPoint OnBox(int32_t Index) const
    {
        const TRect Rect = List->ItemRect(Index);
        return {Rect.Left + TCheckListBox::CheckWidth() / 2, (Rect.Top + Rect.Bottom) / 2};
    }
    TPoint OnText(int32_t Index) const
    {
        const TRect Rect = List->ItemRect(Index);
        return {Rect.Left + TCheckListBox::CheckWidth() + 20, (Rect.Top + Rect.Bottom) / 2};
    }

    QStringList Log;
    std::unique_ptr<TForm> Form;
    TCheckListBox* List = nullptr;
};

TEST_F(CheckListBoxTest, TicksFollowTheirItems)
{
    struct TCase {
        const char* Name;
        std::function<void(TCheckListBox*)> Act;
        QStringList Ticked;
    };
    // Each step starts from Beta and Delta ticked.
    const TCase Cases[] = {
        {"add", [](TCheckListBox* L) { L->Items()->Add(QStringLiteral("Epsilon")); }, {"Beta", "Delta"}},
        {"insert at the top", [](TCheckListBox* L) { L->Items()->Insert(0, QStringLiteral("Zero")); }, {"Beta", "Delta"}},
        {"delete a ticked item", [](TCheckListBox* L) { L->Items()->Delete(1); }, {"Delta"}},
        {"delete an unticked item above", [](TCheckListBox* L) { L->Items()->Delete(0); }, {"Beta", "Delta"}},
        {"sorted in",
         [](TCheckListBox* L) {
             L->SetSorted(true);
             L->Items()->Add(QStringLiteral("Aardvark"));
             L->Items()->Add(QStringLiteral("Charlie"));
         },
         {"Beta", "Delta"}},
        {"clear and refill",
         [](TCheckListBox* L) {
             L->Items()->Clear();
             L->Items()->SetCommaText(QStringLiteral("Alpha,Beta"));
         },
         {}},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        List->SetSorted(false);
        List->Items()->SetCommaText(QStringLiteral("Alpha,Beta,Gamma,Delta"));
        List->SetChecked(1, true);
        List->SetChecked(3, true);
        Case.Act(List);
        EXPECT_EQ(Ticked(), Case.Ticked);
        for (int32_t I = 0; I < List->Count(); ++I)
            if (!Case.Ticked.contains(List->Items()->Strings(I))) {
                EXPECT_FALSE(List->Checked(I)) << I;
            }
    }
    EXPECT_TRUE(Log.isEmpty()) << "setting ticks by code fires nothing";
    EXPECT_THROW(List->Checked(List->Count()), EStringListError);
    EXPECT_THROW(List->SetChecked(-1, true), EStringListError);
}

TEST_F(CheckListBoxTest, TheUserTicksWithTheMouseOnTheBoxAndWithSpace)
{
    using T = CheckListBoxTest;
    struct TCase {
        const char* Name;
        int32_t Start;  // ItemIndex before
        std::function<void(T*)> Act;
        QStringList Ticked;
        QStringList Events;
        int32_t After;  // ItemIndex after
    };
    const TCase Cases[] = {
        {"click on a box", -1, [](T* F) { Input::Click(F->List, F->OnBox(2)); }, {"Alpha", "Gamma"}, {"check", "click"}, 2},
        {"click on a ticked box", -1, [](T* F) { Input::Click(F->List, F->OnBox(0)); }, {}, {"check", "click"}, 0},
        {"click on the text", -1, [](T* F) { Input::Click(F->List, F->OnText(2)); }, {"Alpha"}, {"click"}, 2},
        {"double click on a box", -1, [](T* F) { Input::DoubleClick(F->List, F->OnBox(3)); }, {"Alpha"},
         {"check", "click", "check"}, 3},
        {"Space on the selected item", 1, [](T*) { Input::PressKey(VK_SPACE); }, {"Alpha", "Beta"}, {"check"}, 1},
        {"Space twice", 1,
         [](T*) {
             Input::PressKey(VK_SPACE);
             Input::PressKey(VK_SPACE);
         },
         {"Alpha"}, {"check", "check"}, 1},
        {"Space without a selection", -1, [](T*) { Input::PressKey(VK_SPACE); }, {"Alpha"}, {}, -1},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        for (int32_t I = 0; I < List->Count(); ++I) List->SetChecked(I, I == 0);
        List->SetItemIndex(Case.Start);
        Log.clear();
        Case.Act(this);
        EXPECT_EQ(Ticked(), Case.Ticked);
        EXPECT_EQ(Log, Case.Events);
        EXPECT_EQ(List->ItemIndex(), Case.After);
    }
}

TEST_F(CheckListBoxTest, DrawsTheBoxesInAStripBesideTheItems)
{
    List->SetChecked(0, true);
    List->SetChecked(2, true);
    List->SetItemIndex(2);
    ProcessPendingEvents();
    const QImage Image = RenderControl(List);
    SaveArtifact(Image, QStringLiteral("check-list-box"));
    const QColor Window = QColor::fromRgb(ColorToRGB(clWindow) & 0xFF, (ColorToRGB(clWindow) >> 8) & 0xFF,
                                          (ColorToRGB(clWindow) >> 16) & 0xFF);
    const QColor Highlight = QColor::fromRgb(ColorToRGB(clHighlight) & 0xFF, (ColorToRGB(clHighlight) >> 8) & 0xFF,
                                             (ColorToRGB(clHighlight) >> 16) & 0xFF);
    // The frame of the list lies outside the client area: map client points into the image.
    const int32_t Dx = (Image.width() - List->ClientWidth()) / 2;
    const int32_t Dy = (Image.height() - List->ClientHeight()) / 2;
    const auto At = [&](TPoint P) { return Image.pixelColor(P.X + Dx, P.Y + Dy); };
    // The box's middle: a tick in a ticked box, the window colour in an empty one.
    const auto Dark = [&](int32_t Index) {
        const TPoint Centre = OnBox(Index);
        int32_t Count = 0;
        for (int32_t Y = Centre.Y - 3; Y <= Centre.Y + 3; ++Y)
            for (int32_t X = Centre.X - 3; X <= Centre.X + 3; ++X)
                if (At({X, Y}).lightness() < 100) ++Count;
        return Count;
    };
    EXPECT_GT(Dark(0), 3);
    EXPECT_EQ(Dark(1), 0);
    EXPECT_GT(Dark(2), 3);
    // The selected item is highlighted beside its strip, not in it.
    const TRect Selected = List->ItemRect(2);
    EXPECT_EQ(At({Selected.Left, Selected.Top + 1}), Window);
    EXPECT_EQ(At({Selected.Left + TCheckListBox::CheckWidth() + 1, Selected.Top + 1}), Highlight);
    EXPECT_EQ(At({Selected.Right - 2, Selected.Top + 1}), Highlight);
}

}  // namespace
