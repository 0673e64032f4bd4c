// A cell's colours, font, alignment and word wrap for painting, measuring and printing.
#include "grid/core/ExtGrid.h"

#include "grid/base/GridSettings.h"

#include "graphics/GraphicsObjects.h"

namespace {

// Assigning a font that already matches would rebuild it for nothing.
void TakeFont(TFont* Target, TFont* Source)
{
    if (Target->Name() == Source->Name() && Target->Height() == Source->Height() &&
        Target->Style() == Source->Style() && Target->Color() == Source->Color() &&
        Target->Charset() == Source->Charset() && Target->Pitch() == Source->Pitch() &&
        Target->Orientation() == Source->Orientation())
        return;
    Target->Assign(Source);
}

// The cell's own font parts over AFont.
void ApplyCellFont(const TCellProperties* Props, TFont* AFont)
{
    if (Props->FontColor() != clNone) AFont->SetColor(Props->FontColor());
    if (!Props->FontStyle().Empty()) AFont->SetStyle(Props->FontStyle());
    if (Props->FontSize() != 0) AFont->SetSize(Props->FontSize());
    if (!Props->FontName().isEmpty()) AFont->SetName(Props->FontName());
}

}  // namespace

bool TExtStringGrid::IsFixedLookCell(int32_t ACol, int32_t ARow)
{
    return ACol < FixedCols() || ARow < FixedRows() || IsFixed(ACol, ARow);
}

int32_t TExtStringGrid::PaintDataRow(int32_t ARow, bool EnabledRows)
{
    if ((FMouseActions->DisjunctRowSelect() && FMouseActions->RowSelectPersistent()) || (EnabledRows && FUseEnabledRows))
        return RealRowIndex(ARow);
    return ARow;
}

void TExtStringGrid::GetFontProperties(int32_t ACol, int32_t RCol, int32_t ARow, TGridDrawState& AState,
                                       TFont* AFont, TBrush* ABrush, bool)
{
    TakeFont(AFont, IsFixedLookCell(ACol, ARow) ? FixedFont() : Font());
    if (HasCellProperties(RCol, ARow)) ApplyCellFont(GetCellProperties(RCol, ARow), AFont);
    GetCellColor(RCol, ARow, AState, ABrush, AFont);
}

void TExtStringGrid::GetVisualProperties(int32_t ACol, int32_t ARow, TGridDrawState& AState, bool Print, bool Select,
                                         bool Remap, TBrush* ABrush, TColor& AColorTo, TColor& AMirrorColor,
                                         TColor& AMirrorColorTo, TFont* AFont, TAlignment& HA, TVAlignment& VA,
                                         bool& WW, TCellGradientDirection& GD)
{
    // The printer's own fonts come with its settings; until then it prints with the display fonts.
    const bool Normal = ACol >= FixedCols() && ARow >= FixedRows();
    TakeFont(AFont, Normal ? Font() : FixedFont());

    const int32_t DataCol = Remap ? RealColIndex(ACol) : ACol;
    const int32_t DataRow = PaintDataRow(ARow, true);

    ABrush->SetColor(clNone);
    AColorTo = clNone;
    AMirrorColor = clNone;
    AMirrorColorTo = clNone;

    bool OwnColor = false;
    if (HasCellProperties(DataCol, ARow)) {
        const TCellProperties* Props = GetCellProperties(DataCol, ARow);
        ABrush->SetColor(Props->BrushColor());
        if (Props->BrushColor() != clNone) {
            const TCellType Kind = GetCellType(DataCol, ARow);
            OwnColor = Kind == ctNone || Kind == ctRotated || Kind == ctEmpty;
        }
        ApplyCellFont(Props, AFont);
        WW = Props->WordWrap();
        AColorTo = Props->BrushColorTo();
        GD = Props->GradientDirection();
    }
    if (AState.Contains(gdSelected)) GD = GradientVertical;

    if (ABrush->Color() == clNone) {
        ABrush->SetColor(Color());
        const int32_t Total = FBands->TotalLength();
        if (FBands->Active() && (FBands->Print() == Print || !Print) && ACol >= FixedCols() &&
            ACol < ColCount() + NumHiddenColumns() - FFixedRightCols && ARow >= FixedRows() &&
            ARow < RowCount() - FFixedFooters && Total > 0)
            ABrush->SetColor((ARow - FixedRows()) % Total < FBands->PrimaryLength() ? FBands->PrimaryColor()
                                                                                   : FBands->SecondaryColor());
        if (ACol < FixedCols() || ARow < FixedRows() || DisplColIndex(ACol) >= ColCount() - FFixedRightCols ||
            ARow >= RowCount() - FFixedFooters)
            ABrush->SetColor(FixedColor());
    }

    const bool Fixed = IsFixedLookCell(ACol, ARow);
    if (Fixed && !OwnColor) {
        if (!Print) {
            ABrush->SetColor(FixedColor());
            TakeFont(AFont, FixedFont());
            AState.Include(gdFixed);
        }
        if (FLook > glClassic) {
            ABrush->SetColor(FVyxGradFrom);
            AColorTo = FVyxGradTo;
            AMirrorColor = FVyxGradMirrorFrom;
            AMirrorColorTo = FVyxGradMirrorTo;
        }
    }

    if (Print) GetCellPrintColor(DataCol, ARow, AState, ABrush, AFont);
    else GetCellColor(DataCol, ARow, AState, ABrush, AFont);

    if (OnGetCellGradient) {
        TColor Start = ABrush->Color();
        OnGetCellGradient(this, ARow, ACol, Start, AColorTo, AMirrorColor, AMirrorColorTo, GD);
        ABrush->SetColor(Start);
    }

    FUnselectedBrushColor = ABrush->Color();
    FUnselectedFontColor = AFont->Color();
    const auto ApplySelection = [&] {
        AColorTo = FSelectionColorTo;
        AMirrorColor = FSelectionMirrorColor;
        AMirrorColorTo = FSelectionMirrorColorTo;
        if (FSelectionTextColor != clNone) AFont->SetColor(FSelectionTextColor);
    };

    const bool Disjunct = !Print && Select && FShowSelection && !Fixed && ACol >= FixedCols() && ARow >= FixedRows();
    if (Disjunct && FMouseActions->DisjunctRowSelect()) {
        const bool RowSelected = RowSelect(DataRow);
        if (((FMouseDown && ARow == Row()) || !RowSelected) &&
            (!FMouseDown || RowSelected || !AState.Contains(gdSelected))) {
            AState.Exclude(gdSelected);
        } else {
            AState = TGridDrawState{gdSelected};
            ABrush->SetColor(FSelectionColor);
            ApplySelection();
        }
    }
    if (Disjunct && FMouseActions->DisjunctColSelect()) {
        const bool ColSelected = ColSelect(ACol);
        if (((!FMouseDown || ACol != Col()) && ColSelected) ||
            (FMouseDown && !ColSelected && AState.Contains(gdSelected))) {
            AState = TGridDrawState{gdSelected};
            ABrush->SetColor(FSelectionColor);
            ApplySelection();
        }
    }

    if ((Select && !Print && FShowSelection && !Fixed && IsSelected(ACol, ARow) &&
         !FMouseActions->DisjunctRowSelect() && !FMouseActions->DisjunctColSelect()) ||
        (AState.Contains(gdSelected) && FMouseDown && FShowSelection)) {
        if (ABrush->Color() == Color())
            ABrush->SetColor(FSelectionColor);
        else
            ABrush->SetColor(BlendColorsIf(FSelectionColor, ABrush->Color(), FSelectionColorMixer,
                                           FSelectionColorMixerFactor));
        ApplySelection();
        AState.Include(gdSelected);
    }

    if (FMouseActions->DisjunctCellSelect() && FShowSelection) {
        if (SelectedCells(ACol, ARow)) {
            ABrush->SetColor(FSelectionColor);
            ApplySelection();
            AState.Include(gdSelected);
        } else if (ACol == Col() && ARow == Row()) {
            AState.Exclude(gdSelected);
            ABrush->SetColor(FUnselectedBrushColor);
            AFont->SetColor(FUnselectedFontColor);
        }
    }

    if (FUseDisabledFont && ((FUseEnabledRows && !RowEnabled(DataRow)) || !Enabled()))
        AFont->SetColor(FDisabledFontColor);

    if (IsSelected(ACol, ARow) && ARow != Row() && FMouseActions->DisjunctRowSelect() && FSelectionColorTo == clNone)
        ABrush->SetColor(ScaleColor(ABrush->Color(), 7));

    GetCellWordWrap(DataCol, ARow, WW);
    const auto Align = GetCellAlignments(DataCol, ARow);
    HA = Align.first;
    VA = Align.second;
}
