// The scripted user at the dialogs, and the listener that gives each test a script of its own.
#include "DialogScript.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <utility>

namespace {

// How a box closes when the script has no answer for it: as Esc closes it, else by its default button.
TModalResult Unanswered(const TMessageBoxRequest& Box)
{
    if (Box.EscapeResult != mrNone || Box.Buttons.empty()) return Box.EscapeResult;
    return Box.Buttons[Box.DefaultButton].Result;
}

}  // namespace

TDialogScript& TDialogScript::Answer(TModalResult Result, std::function<void()> WhileShown)
{
    TStep Step;
    Step.ForBox = true;
    Step.Result = Result;
    Step.WhileShown = std::move(WhileShown);
    FSteps.push_back(std::move(Step));
    return *this;
}

TDialogScript& TDialogScript::Type(const QString& FileName, int32_t FilterIndex)
{
    TStep Step;
    Step.Accepted = true;
    Step.Files = {FileName};
    Step.FilterIndex = FilterIndex;
    FSteps.push_back(std::move(Step));
    return *this;
}

TDialogScript& TDialogScript::Choose(const QStringList& FileNames)
{
    TStep Step;
    Step.Accepted = true;
    Step.Files = FileNames;
    FSteps.push_back(std::move(Step));
    return *this;
}

TDialogScript& TDialogScript::Cancel()
{
    FSteps.push_back(TStep{});
    return *this;
}

void TDialogScript::Verify()
{
    for (const TStep& Step : FSteps)
        ADD_FAILURE() << (Step.ForBox ? "no message box took the answer " + std::to_string(Step.Result)
                                      : std::string("no file dialog took its step"));
    FSteps.clear();
}

bool TDialogScript::TakeStep(bool ForBox, const QString& Dialog, TStep& Step)
{
    if (FSteps.empty() || FSteps.front().ForBox != ForBox) {
        ADD_FAILURE() << "unscripted " << Dialog.toStdString();
        return false;
    }
    Step = std::move(FSteps.front());
    FSteps.pop_front();
    return true;
}

TModalResult TDialogScript::Show(const TMessageBoxRequest& Box)
{
    FBoxes.push_back(Box);
    TStep Step;
    if (!TakeStep(true, QStringLiteral("message box \"%1\" (%2)").arg(Box.Text, Box.Caption), Step))
        return Unanswered(Box);
    if (Step.WhileShown) Step.WhileShown();
    const bool Possible = Step.Result == Box.EscapeResult ||
                          std::any_of(Box.Buttons.begin(), Box.Buttons.end(),
                                      [&](const TMessageBoxButton& Button) { return Button.Result == Step.Result; });
    EXPECT_TRUE(Possible) << "the box \"" << Box.Text.toStdString() << "\" cannot give " << Step.Result;
    return Step.Result;
}

TFileDialogAnswer TDialogScript::Ask(const TFileDialogRequest& Request)
{
    FFileDialogs.push_back(Request);
    TFileDialogAnswer Answer;
    Answer.Folder = Request.Folder;
    Answer.FilterIndex = Request.FilterIndex;
    TStep Step;
    if (!TakeStep(false, QStringLiteral("file dialog \"%1\"").arg(Request.Title), Step)) return Answer;
    Answer.Accepted = Step.Accepted;
    Answer.Files = Step.Files;
    if (Step.FilterIndex != 0) Answer.FilterIndex = Step.FilterIndex;
    return Answer;
}

QStringList ButtonCaptions(const TMessageBoxRequest& Box)
{
    QStringList Captions;
    for (const TMessageBoxButton& Button : Box.Buttons) Captions << Button.Caption;
    return Captions;
}

namespace {

std::unique_ptr<TDialogScript>& CurrentScript()
{
    static std::unique_ptr<TDialogScript> Script;
    return Script;
}

// Gives each test a fresh script as both dialog services, and checks it when the test ends (end
// events reach the listeners last first, so the failures come before the result is printed).
class TDialogScriptListener : public testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo&) override
    {
        CurrentScript() = std::make_unique<TDialogScript>();
        SetMessageBoxService(CurrentScript().get());
        SetFileDialogService(CurrentScript().get());
    }

    void OnTestEnd(const testing::TestInfo&) override
    {
        CurrentScript()->Verify();
        SetMessageBoxService(nullptr);
        SetFileDialogService(nullptr);
        CurrentScript().reset();
    }
};

}  // namespace

void InstallDialogScript()
{
    testing::UnitTest::GetInstance()->listeners().Append(new TDialogScriptListener);
}

TDialogScript& DialogScript()
{
    return *CurrentScript();
}
