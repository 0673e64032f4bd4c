// Assign and the reporting setters of the grid's plain settings objects.
#include "grid/core/GridOptions.h"

#include "graphics/Bitmap.h"
#include "graphics/GraphicsObjects.h"

void TGrouping::Assign(TPersistent* Source)
{
    auto* Src = dynamic_cast<TGrouping*>(Source);
    if (!Src || Src == this) return;
    FGroupCountFormat = Src->FGroupCountFormat;
    FHeaderColor = Src->FHeaderColor;
    FHeaderColorTo = Src->FHeaderColorTo;
    FHeaderTextColor = Src->FHeaderTextColor;
    FHeaderUnderline = Src->FHeaderUnderline;
    FMergeHeader = Src->FMergeHeader;
    FMergeSummary = Src->FMergeSummary;
    FShowGroupCount = Src->FShowGroupCount;
    FSummaryColor = Src->FSummaryColor;
    FSummaryColorTo = Src->FSummaryColorTo;
    FSummaryTextColor = Src->FSummaryTextColor;
    FSummaryLine = Src->FSummaryLine;
    FAutoCheckGroup = Src->FAutoCheckGroup;
    FAutoSelectGroup = Src->FAutoSelectGroup;
}

void TDragDropSettings::Assign(TPersistent* Source)
{
    auto* Src = dynamic_cast<TDragDropSettings*>(Source);
    if (!Src || Src == this) return;
    FOleDropRTF = Src->FOleDropRTF;
    FOleAcceptText = Src->FOleAcceptText;
    FOleEntireRows = Src->FOleEntireRows;
    FOleDropSource = Src->FOleDropSource;
    FOleRemoveRows = Src->FOleRemoveRows;
    FOleAcceptFiles = Src->FOleAcceptFiles;
    FOleAcceptURLs = Src->FOleAcceptURLs;
    FOleDropTarget = Src->FOleDropTarget;
    FOleInsertRows = Src->FOleInsertRows;
    FOleAppendRows = Src->FOleAppendRows;
    FOleCopyAlways = Src->FOleCopyAlways;
    FOleColumnDragDrop = Src->FOleColumnDragDrop;
    FOleColumnReorder = Src->FOleColumnReorder;
    FOleColumnsOnly = Src->FOleColumnsOnly;
    FShowCells = Src->FShowCells;
}

void TBalloonSettings::Assign(TPersistent* Source)
{
    auto* Src = dynamic_cast<TBalloonSettings*>(Source);
    if (!Src || Src == this) return;
    FTextColor = Src->FTextColor;
    FBackgroundColor = Src->FBackgroundColor;
    FInitialDelay = Src->FInitialDelay;
    FAutoHideDelay = Src->FAutoHideDelay;
    FReshowDelay = Src->FReshowDelay;
    FEnable = Src->FEnable;
}

void TBalloonSettings::SetEnable(bool Value)
{
    FEnable = Value;
    if (OnEnableChange) OnEnableChange(this);
}

void TShowModified::Assign(TPersistent* Source)
{
    auto* Src = dynamic_cast<TShowModified*>(Source);
    if (!Src || Src == this) return;
    FColor = Src->FColor;
    FEnabled = Src->FEnabled;
}

void TShowModified::SetColor(TColor Value)
{
    FColor = Value;
    if (OnChange) OnChange(this);
}

void TDragScrollDelays::Assign(TPersistent* Source)
{
    auto* Src = dynamic_cast<TDragScrollDelays*>(Source);
    if (!Src || Src == this) return;
    FInitialDelay = Src->FInitialDelay;
    FRepeatDelay = Src->FRepeatDelay;
}

void TDragScrollMargins::Assign(TPersistent* Source)
{
    auto* Src = dynamic_cast<TDragScrollMargins*>(Source);
    if (!Src || Src == this) return;
    FTopMargin = Src->FTopMargin;
    FBottomMargin = Src->FBottomMargin;
    FLeftMargin = Src->FLeftMargin;
    FRightMargin = Src->FRightMargin;
}

TDragScrollOptions::TDragScrollOptions()
    : FDelays(std::make_unique<TDragScrollDelays>()), FMargins(std::make_unique<TDragScrollMargins>())
{
}

TDragScrollOptions::~TDragScrollOptions() = default;

void TDragScrollOptions::Assign(TPersistent* Source)
{
    auto* Src = dynamic_cast<TDragScrollOptions*>(Source);
    if (!Src || Src == this) return;
    FMargins->Assign(Src->FMargins.get());
    FDelays->Assign(Src->FDelays.get());
    FActive = Src->FActive;
}

void TGridProgressAppearance::Changed()
{
    if (OnChange) OnChange(this);
}

void TGridProgressAppearance::Assign(TPersistent* Source)
{
    auto* Src = dynamic_cast<TGridProgressAppearance*>(Source);
    if (!Src || Src == this) return;
    FUnCompleteFontColor = Src->FUnCompleteFontColor;
    FCompleteColor = Src->FCompleteColor;
    FUnCompleteColor = Src->FUnCompleteColor;
    FCompleteFontColor = Src->FCompleteFontColor;
    FStacked = Src->FStacked;
    FShowPercentage = Src->FShowPercentage;
    FShowBorder = Src->FShowBorder;
    FCompletionSmooth = Src->FCompletionSmooth;
    FShowGradient = Src->FShowGradient;
    FLevel2Perc = Src->FLevel2Perc;
    FLevel1Perc = Src->FLevel1Perc;
    FSteps = Src->FSteps;
    FLevel3Color = Src->FLevel3Color;
    FLevel1Color = Src->FLevel1Color;
    FLevel0Color = Src->FLevel0Color;
    FLevel3ColorTo = Src->FLevel3ColorTo;
    FLevel2ColorTo = Src->FLevel2ColorTo;
    FLevel0ColorTo = Src->FLevel0ColorTo;
    FLevel1ColorTo = Src->FLevel1ColorTo;
    FBorderColor = Src->FBorderColor;
    FLevel2Color = Src->FLevel2Color;
    FStyle = Src->FStyle;
    Changed();
}

TFilterDropDown::TFilterDropDown()
    : FFont(std::make_unique<TFont>()), FGlyph(std::make_unique<TBitmap>()), FGlyphActive(std::make_unique<TBitmap>())
{
    const auto GlyphChanged = [this](TObject*) {
        if (OnChange) OnChange(this);
    };
    FGlyph->OnChange = GlyphChanged;
    FGlyphActive->OnChange = GlyphChanged;
}

TFilterDropDown::~TFilterDropDown() = default;

void TFilterDropDown::Assign(TPersistent* Source)
{
    auto* Src = dynamic_cast<TFilterDropDown*>(Source);
    if (!Src || Src == this) return;
    FColor = Src->FColor;
    FColumnWidth = Src->FColumnWidth;
    FFont->Assign(Src->FFont.get());
    FHeight = Src->FHeight;
    FWidth = Src->FWidth;
    FGlyph->Assign(Src->FGlyph.get());
    FGlyphActive->Assign(Src->FGlyphActive.get());
}

void TFilterDropDown::SetFont(TFont* Value)
{
    if (Value) FFont->Assign(Value);
}

void TFilterDropDown::SetGlyph(TBitmap* Value)
{
    FGlyph->Assign(Value);
}

void TFilterDropDown::SetGlyphActive(TBitmap* Value)
{
    FGlyphActive->Assign(Value);
}
