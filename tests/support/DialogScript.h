// The user at the message boxes and file dialogs, for tests: answers given in advance, and a record of every dialog shown.
#pragma once

#include "windows/Dialogs.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <vector>

// Each dialog the code shows takes the next step of the script: a message box an answer, a file
// dialog a choice or a cancel. A dialog that finds another kind of step, or none, fails the test and
// is closed as Esc would close it (a box without Esc by its default button). Every test runs with a
// script of its own (see DialogScript()); a step left when the test ends fails it.
class TDialogScript : public TMessageBoxService, public TFileDialogService {
public:
    // The next message box is answered with Result: the result of one of its buttons, or the one Esc
    // gives. WhileShown runs while the box shows (the other forms disabled).
    TDialogScript& Answer(TModalResult Result, std::function<void()> WhileShown = {});
    // The next file dialog is closed with FileName typed: relative to the folder it shows, or
    // absolute. FilterIndex 0 keeps the filter it shows.
    TDialogScript& Type(const QString& FileName, int32_t FilterIndex = 0);
    // The next file dialog is closed with these files chosen.
    TDialogScript& Choose(const QStringList& FileNames);
    // The next file dialog is cancelled.
    TDialogScript& Cancel();

    // The dialogs shown, in order.
    const std::vector<TMessageBoxRequest>& Boxes() const { return FBoxes; }
    const std::vector<TFileDialogRequest>& FileDialogs() const { return FFileDialogs; }

    // Fails the test for every step no dialog took, and forgets them.
    void Verify();

    TModalResult Show(const TMessageBoxRequest& Box) override;
    TFileDialogAnswer Ask(const TFileDialogRequest& Request) override;

private:
    struct TStep {
        bool ForBox = false;
        TModalResult Result = mrNone;
        std::function<void()> WhileShown;
        bool Accepted = false;
        QStringList Files;
        int32_t FilterIndex = 0;
    };
    // The next step when it is of the kind a dialog needs; fails the test otherwise.
    bool TakeStep(bool ForBox, const QString& Dialog, TStep& Step);

    std::deque<TStep> FSteps;
    std::vector<TMessageBoxRequest> FBoxes;
    std::vector<TFileDialogRequest> FFileDialogs;
};

// The script of the running test, installed as both dialog services when each test starts.
TDialogScript& DialogScript();
// Gives every test a script of its own; the test main calls it once, so no test can open a real,
// blocking dialog.
void InstallDialogScript();

// The captions of a box's buttons, left to right.
QStringList ButtonCaptions(const TMessageBoxRequest& Box);
