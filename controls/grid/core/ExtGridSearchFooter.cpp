// TExtStringGrid: the footer and search panels on the grid, and the search panel's handlers
// (searching as the user types, previous and next, highlighting, closing, accelerators).
#include "grid/core/ExtGrid.h"

#include "grid/base/ExtCheckBox.h"
#include "grid/base/ExtGridButton.h"
#include "grid/base/GridSettings.h"
#include "grid/core/FloatingFooter.h"
#include "grid/core/FooterPanel.h"
#include "grid/core/SearchPanel.h"

#include "graphics/GraphicsObjects.h"
#include "windows/Forms.h"

namespace {

const TColor NotFoundColor = TColor(0x0000FF);

}  // namespace

// ---------------------------------------------------------------------------------------------
// The panels
// ---------------------------------------------------------------------------------------------

void TExtStringGrid::AttachPanels()
{
    if (FFooterPanel) {
        FFooterPanel->SetParent(this);
        FFooterPanel->SetVisible(FFloatingFooter->Visible());
    }
    if (FSearchPanel) {
        FSearchPanel->SetParent(this);
        FSearchPanel->SetVisible(FSearchFooter->Visible());
        FSearchPanel->SetHeight(FSearchFooter->Visible() ? 32 : 0);
    }
    FooterPanelChanged();
}

void TExtStringGrid::FooterPanelChanged()
{
    if (!FFooterPanel || !FFloatingFooter) return;
    const bool Visible = FFloatingFooter->Visible();
    FFooterPanel->SetHeight(Visible ? std::max(FFloatingFooter->Height() - 1, 0) : 0);
    FFooterPanel->SetVisible(Visible);
    FFooterPanel->SetShowHint(FFloatingFooter->ShowHint());
}

void TExtStringGrid::RepaintFooterPanel()
{
    if (FFooterPanel) FFooterPanel->Invalidate();
}

void TExtStringGrid::UpdateSearchPanel()
{
    if (!FSearchPanel || !FSearchFooter) return;
    TSearchPanel* P = FSearchPanel;
    TSearchFooter* S = FSearchFooter.get();
    P->SetColor(S->Color());
    P->SetColorTo(S->ColorTo());
    P->Font()->Assign(S->Font());
    P->SetFindNextCaption(S->FindNextCaption());
    P->SetFindPrevCaption(S->FindPrevCaption());
    P->SetHighLightCaption(S->HighLightCaption());
    P->SetMatchCaseCaption(S->MatchCaseCaption());
    P->SetHintClose(S->HintClose());
    P->SetHintFindNext(S->HintFindNext());
    P->SetHintFindPrev(S->HintFindPrev());
    P->SetHintHighlight(S->HintHighlight());
    P->ExitButton()->SetVisible(S->ShowClose());
    P->ForwardButton()->SetVisible(S->ShowFindNext());
    P->BackwardButton()->SetVisible(S->ShowFindPrev());
    P->HiliteButton()->SetVisible(S->ShowHighLight());
    P->MatchCase()->SetVisible(S->ShowMatchCase());
    if (P->HandleAllocated()) P->LayoutControls();
    if (HandleAllocated()) {
        P->SetVisible(S->Visible());
        P->SetHeight(S->Visible() ? 32 : 0);
    }
}

// ---------------------------------------------------------------------------------------------
// Search panel handlers
// ---------------------------------------------------------------------------------------------

TFindParams TExtStringGrid::SearchFooterFlags(TFindParams Base)
{
    if (FSearchPanel->HiliteButton()->Down()) Base.Include(fnIgnoreHTMLTags);
    if (FSearchPanel->MatchCase()->Checked()) Base.Include(fnMatchCase);
    if (FSearchFooter->SearchActiveColumnOnly()) Base.Include(fnFindInCurrentCol);
    if (FSearchFooter->SearchMatchStart()) Base.Include(fnMatchStart);
    const int32_t Column = FSearchFooter->SearchColumn();
    if (Column >= 0 && Column < ColCount()) {
        FFindCol = Column;
        Base.Include(fnFindInPresetCol);
    }
    return Base;
}

// A search column outside the grid highlights the whole grid.
void TExtStringGrid::HilightSearchText(const QString& Text)
{
    const int32_t Column = FSearchFooter->SearchColumn();
    const bool MatchCase = FSearchPanel->MatchCase()->Checked();
    if (Column >= 0 && Column < AllColCount())
        HilightInCol(false, MatchCase, Column, Text);
    else
        HilightInGrid(false, MatchCase, Text);
}

void TExtStringGrid::UnHilightSearchText()
{
    const int32_t Column = FSearchFooter->SearchColumn();
    if (Column >= 0 && Column < AllColCount())
        UnHilightInCol(false, Column);
    else
        UnHilightInGrid(false);
}

void TExtStringGrid::SetSearchEditColor(TColor Value)
{
    TRetEdit* Edit = FSearchPanel->EditControl();
    Edit->SetColor(Value);
    // One pixel wider and back, so that the edit repaints.
    const int32_t W = Edit->Width();
    Edit->SetWidth(W + 1);
    Edit->SetWidth(W);
}

void TExtStringGrid::SearchEditChanged(TObject*)
{
    const QString Text = FSearchPanel->EditControl()->Text();
    bool DefaultSearch = true;
    if (OnSearchEditChange) OnSearchEditChange(this, Text, DefaultSearch);
    if (!DefaultSearch || !FSearchFooter->AutoSearch()) return;

    TFindParams Flags = SearchFooterFlags({fnAutoGoto});
    if (FSearchFooter->SearchFixedCells()) Flags.Include(fnIncludeFixed);
    if (FSearchFooter->SearchHiddenRows()) Flags.Include(fnIncludeHiddenRows);
    if (FSearchFooter->SearchDirection() == sdLeftRight) Flags.Include(fnDirectionLeftRight);
    FFindParams = Flags;

    const bool HiliteDown = FSearchPanel->HiliteButton()->Down();
    const bool Highlighting = HiliteDown || FSearchFooter->AlwaysHighLight();
    if (Highlighting) UnHilightSearchText();

    if (Text.isEmpty()) {
        SetSearchEditColor(clWindow);
        if (HiliteDown) UnHilightSearchText();
        return;
    }
    SearchCell = Find(Point(-1, -1), Text, Flags);
    DoSearchFooterAction(Text, SearchCell.X, SearchCell.Y, saFindFirst);
    if (SearchCell.X == -1 && SearchCell.Y == -1) {
        SetSearchEditColor(NotFoundColor);
        return;
    }
    SetSearchEditColor(clWindow);
    ScrollInView(SearchCell.X, SearchCell.Y);
    if (Highlighting) HilightSearchText(Text);
}

void TExtStringGrid::SearchFindPrevious(TObject*)
{
    const QString Text = FSearchPanel->EditControl()->Text();
    if (!FSearchFooter->AutoSearch()) {
        if (Text != FSearchFooter->LastSearch()) SearchCell = Point(-1, -1);
        FSearchFooter->SetLastSearch(Text);
    }
    SearchCell = Find(SearchCell, Text, SearchFooterFlags({fnAutoGoto, fnBackward}));
    const bool Found = !(SearchCell.X == -1 && SearchCell.Y == -1);
    const int32_t a = FFloatingFooter->Visible() ? 1 : 0;
    if (Row() > TopRow() + VisibleRowCount() - 2 - a && VisibleRowCount() + FixedRows() + a < RowCount())
        SetTopRow(TopRow() + 2);
    if (Found) ScrollInView(SearchCell.X, SearchCell.Y);
    DoSearchFooterAction(Text, SearchCell.X, SearchCell.Y, saFindPrevious);
    FSearchPanel->Invalidate();
}

void TExtStringGrid::SearchFindNext(TObject*)
{
    const QString Text = FSearchPanel->EditControl()->Text();
    if (!FSearchFooter->AutoSearch()) {
        if (Text != FSearchFooter->LastSearch()) SearchCell = Point(-1, -1);
        FSearchFooter->SetLastSearch(Text);
    }
    TFindParams Flags{fnAutoGoto};
    if (FSearchFooter->SearchDirection() == sdLeftRight) Flags.Include(fnDirectionLeftRight);
    SearchCell = Find(SearchCell, Text, SearchFooterFlags(Flags));
    const bool Found = !(SearchCell.X == -1 && SearchCell.Y == -1);
    if (Found) ScrollInView(SearchCell.X, SearchCell.Y);
    const int32_t a = FFloatingFooter->Visible() ? 1 : 0;
    if (Row() > TopRow() + VisibleRowCount() - 2 - a && VisibleRowCount() + FixedRows() + a < RowCount())
        SetTopRow(TopRow() + 2);
    DoSearchFooterAction(Text, SearchCell.X, SearchCell.Y, saFindNext);
    FSearchPanel->Invalidate();
}

void TExtStringGrid::CloseSearchFooter(TObject*)
{
    if (OnSearchFooterClose) OnSearchFooterClose(this);
    FSearchFooter->SetVisible(false);
}

void TExtStringGrid::SearchHighlightClick(TObject*)
{
    if (FSearchPanel->HiliteButton()->Down())
        HilightSearchText(FSearchPanel->EditControl()->Text());
    else
        UnHilightSearchText();
}

bool TExtStringGrid::SearchDialogChar(TMessage& Message)
{
    if (!FSearchPanel || !FSearchFooter->Visible()) return false;
    const uint16_t Key = static_cast<uint16_t>(Message.WParam);
    struct TAccel {
        TExtGridButton* Button;
        void (TExtStringGrid::*Run)(TObject*);
    };
    const TAccel Accels[] = {
        {FSearchPanel->ForwardButton(), &TExtStringGrid::SearchFindNext},
        {FSearchPanel->BackwardButton(), &TExtStringGrid::SearchFindPrevious},
        {FSearchPanel->HiliteButton(), &TExtStringGrid::SearchHighlightClick},
    };
    for (const TAccel& A : Accels) {
        if (!IsAccel(Key, A.Button->Caption()) || !A.Button->Visible() || !A.Button->Enabled()) continue;
        (this->*A.Run)(A.Button);
        return true;
    }
    return false;
}
