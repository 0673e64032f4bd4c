// The grid's settings objects: defaults, which setters report, and what Assign copies.
#include "grid/base/GridSettings.h"

#include "graphics/GraphicsObjects.h"
#include "rtl/Strings.h"

// ---------------------------------------------------------------------------------------------
// TSearchFooter
// ---------------------------------------------------------------------------------------------

TSearchFooter::TSearchFooter(TComponent*, bool InitDesign) : FFont(std::make_unique<TFont>())
{
    if (!InitDesign) return;
    FFindPrevCaption = QStringLiteral("Find &previous");
    FFindNextCaption = QStringLiteral("Find &next");
    FMatchCaseCaption = QStringLiteral("Match case");
    FHighLightCaption = QStringLiteral("Highlight");
    FHintClose = QStringLiteral("Close");
    FHintFindNext = QStringLiteral("Find next occurrence");
    FHintFindPrev = QStringLiteral("Find previous occurrence");
    FHintHighlight = QStringLiteral("Highlight occurrences");
}

TSearchFooter::~TSearchFooter() = default;

void TSearchFooter::Changed()
{
    if (OnChange) OnChange(this);
}

void TSearchFooter::StoreText(QString& Field, const QString& Value)
{
    Field = Value;
    Changed();
}

void TSearchFooter::StoreChanged(bool& Field, bool Value)
{
    if (Field == Value) return;
    Field = Value;
    Changed();
}

void TSearchFooter::SetColor(TColor Value)
{
    FColor = Value;
    Changed();
}

void TSearchFooter::SetColorTo(TColor Value)
{
    FColorTo = Value;
    Changed();
}

void TSearchFooter::SetFont(TFont* Value)
{
    FFont->Assign(Value);
    Changed();
}

void TSearchFooter::SetShowClose(bool Value)
{
    FShowClose = Value;
    Changed();
}

void TSearchFooter::SetAutoThemeAdapt(bool Value)
{
    FAutoThemeAdapt = Value;
    Changed();
}

void TSearchFooter::Assign(TPersistent* Source)
{
    auto* From = dynamic_cast<TSearchFooter*>(Source);
    if (!From) return;
    FAlwaysHighLight = From->FAlwaysHighLight;
    FColor = From->FColor;
    FColorTo = From->FColorTo;
    FFindNextCaption = From->FFindNextCaption;
    FFindPrevCaption = From->FFindPrevCaption;
    FFont->Assign(From->FFont.get());
    FHighLightCaption = From->FHighLightCaption;
    FHintClose = From->FHintClose;
    FHintFindNext = From->FHintFindNext;
    FHintFindPrev = From->FHintFindPrev;
    FHintHighlight = From->FHintHighlight;
    FMatchCaseCaption = From->FMatchCaseCaption;
    FSearchActiveColumnOnly = From->FSearchActiveColumnOnly;
    FSearchColumn = From->FSearchColumn;
    FSearchMatchStart = From->FSearchMatchStart;
    FSearchHiddenRows = From->FSearchHiddenRows;
    FSearchDirection = From->FSearchDirection;
    FShowClose = From->FShowClose;
    FShowFindNext = From->FShowFindNext;
    FShowFindPrev = From->FShowFindPrev;
    FShowHighLight = From->FShowHighLight;
    FShowMatchCase = From->FShowMatchCase;
    FVisible = From->FVisible;
}

// ---------------------------------------------------------------------------------------------
// TNavigation
// ---------------------------------------------------------------------------------------------

void TNavigation::Changed()
{
    if (OnChange) OnChange(this);
}

void TNavigation::SetAdvanceInsert(bool Value)
{
    if (F.AdvanceInsert == Value) return;
    F.AdvanceInsert = Value;
    Changed();
}

void TNavigation::SetAdvanceDirection(TAdvanceDirection Value)
{
    if (F.AdvanceDirection == Value) return;
    F.AdvanceDirection = Value;
    Changed();
}

void TNavigation::SetAdvanceAuto(bool Value)
{
    if (F.AdvanceAuto == Value) return;
    F.AdvanceAuto = Value;
    if (Value) F.AdvanceOnEnter = true;
}

void TNavigation::Assign(TPersistent* Source)
{
    auto* From = dynamic_cast<TNavigation*>(Source);
    if (!From) return;
    const bool KeepScrollOnSort = F.KeepScrollOnSort;
    F = From->F;
    F.KeepScrollOnSort = KeepScrollOnSort;
}

// ---------------------------------------------------------------------------------------------
// TMouseActions
// ---------------------------------------------------------------------------------------------

TMouseActions::TMouseActions(TComponent*) : FFixedComboValues(std::make_unique<TStringList>()) {}

TMouseActions::~TMouseActions() = default;

bool TMouseActions::IsDesigning()
{
    bool Designing = false;
    if (OnIsDesigning) OnIsDesigning(this, Designing);
    return Designing;
}

void TMouseActions::SetDisjunct(bool& Field, bool Value, bool& Other1, bool& Other2)
{
    Field = Value;
    if (Value && IsDesigning()) {
        Other1 = false;
        Other2 = false;
    }
}

void TMouseActions::SetDisjunctRowSelect(bool Value)
{
    SetDisjunct(F.DisjunctRowSelect, Value, F.DisjunctColSelect, F.DisjunctCellSelect);
}

void TMouseActions::SetDisjunctColSelect(bool Value)
{
    SetDisjunct(F.DisjunctColSelect, Value, F.DisjunctRowSelect, F.DisjunctCellSelect);
}

void TMouseActions::SetDisjunctCellSelect(bool Value)
{
    SetDisjunct(F.DisjunctCellSelect, Value, F.DisjunctRowSelect, F.DisjunctColSelect);
}

void TMouseActions::SetEditOnDblClickOnly(bool Value)
{
    F.EditOnDblClickOnly = Value;
    if (Value && OnDisableEdit) OnDisableEdit(this);
}

void TMouseActions::SetHotmailRowSelect(bool Value)
{
    F.HotmailRowSelect = Value;
    if (Value) {
        F.DisjunctRowSelect = true;
        F.CheckAllCheck = true;
    }
    if (OnInvalidate) OnInvalidate(this);
}

void TMouseActions::SetFixedComboValues(TStrings* Value)
{
    FFixedComboValues->Assign(Value);
}

void TMouseActions::SetWheelAction(TWheelAction Value)
{
    if (F.WheelAction == Value) return;
    F.WheelAction = Value;
    if (OnChange) OnChange(this);
}

void TMouseActions::Assign(TPersistent* Source)
{
    auto* From = dynamic_cast<TMouseActions*>(Source);
    if (!From) return;
    const TValues Kept = F;
    F = From->F;
    F.EditOnDblClickOnly = Kept.EditOnDblClickOnly;
    F.HotmailRowSelect = Kept.HotmailRowSelect;
    F.SizeFixedRow = Kept.SizeFixedRow;
}

// ---------------------------------------------------------------------------------------------
// TSyncGrid, TBands, TFocusHelper
// ---------------------------------------------------------------------------------------------

void TSyncGrid::SetGrid(TStringGrid* Value)
{
    if (Value != FOwner) FGrid = Value;
}

void TSyncGrid::Assign(TPersistent* Source)
{
    auto* From = dynamic_cast<TSyncGrid*>(Source);
    if (!From) return;
    SetGrid(From->FGrid);
    FScrollVertical = From->FScrollVertical;
    FScrollHorizontal = From->FScrollHorizontal;
    FSelectionColumn = From->FSelectionColumn;
    FSelectionRow = From->FSelectionRow;
    FMoveColumn = From->FMoveColumn;
    FMoveRow = From->FMoveRow;
}

void TBands::ChangedWhileActive()
{
    if (FActive && OnChange) OnChange(this);
}

void TBands::SetActive(bool Value)
{
    if (FActive == Value) return;
    FActive = Value;
    if (OnChange) OnChange(this);
}

void TBands::SetPrimaryColor(TColor Value)
{
    if (FPrimaryColor == Value) return;
    FPrimaryColor = Value;
    ChangedWhileActive();
}

void TBands::SetSecondaryColor(TColor Value)
{
    if (FSecondaryColor == Value) return;
    FSecondaryColor = Value;
    ChangedWhileActive();
}

void TBands::SetPrimaryLength(int32_t Value)
{
    if (FPrimaryLength == Value) return;
    FPrimaryLength = Value;
    FTotalLength = FPrimaryLength + FSecondaryLength;
    ChangedWhileActive();
}

void TBands::SetSecondaryLength(int32_t Value)
{
    if (FSecondaryLength == Value) return;
    FSecondaryLength = Value;
    FTotalLength = FPrimaryLength + FSecondaryLength;
    ChangedWhileActive();
}

void TBands::Assign(TPersistent* Source)
{
    auto* From = dynamic_cast<TBands*>(Source);
    if (!From) return;
    FActive = From->FActive;
    FPrimaryColor = From->FPrimaryColor;
    FPrimaryLength = From->FPrimaryLength;
    FSecondaryColor = From->FSecondaryColor;
    FSecondaryLength = From->FSecondaryLength;
    FPrint = From->FPrint;
    FTotalLength = FPrimaryLength + FSecondaryLength;
}

void TFocusHelper::Assign(TPersistent* Source)
{
    if (auto* From = dynamic_cast<TFocusHelper*>(Source)) FEnabled = From->FEnabled;
}
