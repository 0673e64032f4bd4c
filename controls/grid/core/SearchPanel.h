// The search footer docked below a string grid: an edit, find next, find previous, highlight and
// close buttons and a match-case box; and its edit, which reports Enter and Ctrl+Enter.
#pragma once

#include "windows/ExtCtrls.h"
#include "windows/StdCtrls.h"

#include <QString>

#include <functional>

class TExtStringGrid;
class TExtGridButton;
class TExtCheckBox;

using TPanelNotifyEvent = std::function<void(TObject* Sender)>;

// An edit with the multi-line style, so that it gets Enter: Enter fires OnReturn, Ctrl+Enter
// OnCtrlReturn; line feed and carriage return characters stop after OnKeyPress.
class TRetEdit : public TEdit {
public:
    using TEdit::TEdit;

    TPanelNotifyEvent OnReturn;
    TPanelNotifyEvent OnCtrlReturn;

protected:
    void CreateParams(TCreateParams& Params) override;
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
};

class TSearchPanel : public TCustomPanel {
public:
    // AOwner is the string grid; the edit, the four buttons and the check box belong to the panel.
    explicit TSearchPanel(TComponent* AOwner);

    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor Value);
    const QString& FindNextCaption() const { return FFindNextCaption; }
    void SetFindNextCaption(const QString& Value);
    const QString& FindPrevCaption() const { return FFindPrevCaption; }
    void SetFindPrevCaption(const QString& Value);
    const QString& MatchCaseCaption() const { return FMatchCaseCaption; }
    void SetMatchCaseCaption(const QString& Value);
    const QString& HighLightCaption() const { return FHighLightCaption; }
    void SetHighLightCaption(const QString& Value);
    const QString& HintFindNext() const { return FHintFindNext; }
    void SetHintFindNext(const QString& Value);
    const QString& HintFindPrev() const { return FHintFindPrev; }
    void SetHintFindPrev(const QString& Value);
    const QString& HintClose() const { return FHintClose; }
    void SetHintClose(const QString& Value);
    const QString& HintHighlight() const { return FHintHighlight; }
    void SetHintHighlight(const QString& Value);

    TRetEdit* EditControl() const { return FEdit; }
    TExtCheckBox* MatchCase() const { return FMatchCase; }
    TExtGridButton* HiliteButton() const { return FHiliteButton; }
    TExtGridButton* ForwardButton() const { return FForwardButton; }
    TExtGridButton* BackwardButton() const { return FBackwardButton; }
    TExtGridButton* ExitButton() const { return FExitButton; }

    // Places the controls again (the match-case box follows the highlight button's visibility).
    void LayoutControls();

    TPanelNotifyEvent OnBackwardClick;
    TPanelNotifyEvent OnEditChange;
    TPanelNotifyEvent OnForwardClick;
    TPanelNotifyEvent OnHighlightClick;
    TPanelNotifyEvent OnExitClick;

protected:
    void CreateWnd() override;
    void Paint() override;
    void Resize() override;

private:
    void EditChanged(TObject* Sender);
    static void ApplyHint(TControl* Control, const QString& Hint);

    TExtStringGrid* FGrid = nullptr;
    TRetEdit* FEdit = nullptr;
    TExtGridButton* FExitButton = nullptr;
    TExtGridButton* FForwardButton = nullptr;
    TExtGridButton* FBackwardButton = nullptr;
    TExtGridButton* FHiliteButton = nullptr;
    TExtCheckBox* FMatchCase = nullptr;
    TColor FColorTo = clNone;
    QString FFindNextCaption;
    QString FFindPrevCaption;
    QString FMatchCaseCaption;
    QString FHintFindPrev;
    QString FHintClose;
    QString FHintFindNext;
    QString FHintHighlight;
    QString FHighLightCaption;
};
