// TExtColGrid: painting one cell: background or selection, header gradient, lines, image and text.
#include "dropdown/MultiColumnGrid.h"

#include "dropdown/DropDownUtil.h"
#include "dropdown/MultiColumnDropDown.h"

#include "graphics/Canvas.h"
#include "graphics/DrawText.h"
#include "graphics/GraphicsObjects.h"
#include "graphics/ImageList.h"

namespace MultiColumn {

namespace {

// Where a cell stands in its row, for the rounded ends of the selection box.
int32_t EndKindOf(int32_t ACol, int32_t ColCount)
{
    if (ColCount == 1) return 0;
    if (ACol == 0) return 1;
    if (ACol == ColCount - 1) return 2;
    return 3;
}

}  // namespace

void TExtColGrid::DrawCell(int32_t ACol, int32_t ARow, const TRect& ARect, TGridDrawState AState)
{
    TCanvas* C = Canvas();
    if (FExtDropDown && FExtDropDown->OnDropDownDrawItem) {
        FExtDropDown->OnDropDownDrawItem(FExtDropDown, ACol, ARow, C, ARect);
        return;
    }
    const int32_t EndKind = EndKindOf(ACol, ColCount());
    TRect R = GetFullCellRect(ACol, ARow);
    R = {ARect.Left, ARect.Top, ARect.Left + R.Width(), ARect.Top + R.Height()};
    const bool Header = ARow == 0;

    TColor Background = Color();
    TAlignment Alignment = taLeftJustify;
    bool WordWrap = false;
    bool Ellipsis = false;
    QString Text;
    int32_t ImageIndex = -1;
    const TDropDownColumn* Column = ACol < FColumns->Count() ? FColumns->Items(ACol) : nullptr;
    if (Column) {
        Background = Column->Color();
        Alignment = Column->Alignment();
        WordWrap = Column->Wordwrap();
        Ellipsis = Column->Ellipsis();
        C->Font()->Assign(Column->Font());
        const TDropDownItems* Items = FExtDropDown ? FExtDropDown->Items() : nullptr;
        if (!Header && Items && ARow - 1 < Items->Count() && Items->Items(ARow - 1)->HasLine(ACol)) {
            const TDropDownItem* Item = Items->Items(ARow - 1);
            Text = Item->Line(ACol);
            if (Column->ColumnType() == ctImage) ImageIndex = Item->ImageIndex();
        }
    } else {
        C->Font()->Assign(FHeaderFont.get());
        Text = Cells(ACol, ARow);
    }
    if (FExtDropDown && FExtDropDown->OnDropDownGetItemText)
        FExtDropDown->OnDropDownGetItemText(FExtDropDown, ACol, ARow, Text);

    if (!Header) {
        if (!AState.Contains(gdSelected)) {
            C->Brush()->SetStyle(bsSolid);
            C->Brush()->SetColor(Background);
            C->Pen()->SetColor(Background);
            C->Pen()->SetWidth(1);
            C->Rectangle(R);
        } else if (FExtDropDown) {
            FExtDropDown->DrawSelectionBackground(C, R, EndKind, Background);
        } else {
            C->Brush()->SetStyle(bsSolid);
            C->Brush()->SetColor(clActiveCaption);
            C->FillRect(R);
        }
    } else {
        if (Column) Text = Column->Header();
        ImageIndex = -1;
        if (FHeaderColor == clNone || FHeaderColorTo == clNone) {
            // clNone as the top colour too leaves the cell unfilled.
            if (FHeaderColor != clNone) {
                C->Brush()->SetStyle(bsSolid);
                C->Brush()->SetColor(FHeaderColor);
                C->FillRect(R);
            }
        } else if (FExtDropDown) {
            FExtDropDown->DrawDropDownGradient(C, FHeaderColor, FHeaderColorTo, 80, R, true);
        } else {
            DrawStepGradient(C, FHeaderColor, FHeaderColorTo, 80, R, false);
        }
    }

    // The lines right of and below the cell.
    const bool Horizontal = Options().Contains(Header ? goFixedHorzLine : goHorzLine);
    const bool Vertical = Options().Contains(Header ? goFixedVertLine : goVertLine);
    int32_t Offset = 1;
    if (Header) {
        C->Pen()->SetColor(FFixedLineColor);
        C->Pen()->SetWidth(1);
    } else {
        if (FGridLineWidth > 0) C->Pen()->SetColor(FLineColor);
        C->Pen()->SetWidth(FGridLineWidth);
        Offset = (FGridLineWidth + 1) / 2;
    }
    if (Horizontal) {
        C->MoveTo(R.Left - Offset + 1, R.Bottom - Offset);
        C->LineTo(R.Right - Offset + 1, R.Bottom - Offset);
    }
    if (Vertical) {
        const int32_t X = UseRightToLeftReading() ? R.Right - Offset + 1 : R.Right - Offset;
        C->MoveTo(X, R.Bottom - Offset);
        C->LineTo(X, R.Top - Offset);
    }

    R = {R.Left + FGridLineWidth, R.Top + FGridLineWidth, R.Right - FGridLineWidth, R.Bottom - FGridLineWidth};
    TCustomImageList* Images = FExtDropDown ? FExtDropDown->Images() : FImages;
    TRect TextRect = R;
    if (Images && ImageIndex >= 0) {
        const int32_t Y = Images->Height() < R.Height() ? R.Top + (R.Height() - Images->Height()) / 2 : R.Top;
        Images->Draw(C, R.Left + 2, Y, ImageIndex);
        TextRect.Left = R.Left + Images->Width() + 4;
    } else {
        TextRect.Left = R.Left + 2;
    }
    if (Text.isEmpty()) return;
    C->Brush()->SetStyle(bsClear);
    if (Header)
        C->Font()->Assign(FHeaderFont.get());
    else if (AState.Contains(gdSelected) && FExtDropDown)
        C->Font()->SetColor(FExtDropDown->SelectionTextColor());
    uint32_t Flags = DT_NOPREFIX | DT_EXPANDTABS | DT_VCENTER;
    switch (Alignment) {
    case taLeftJustify: Flags |= DT_LEFT; break;
    case taRightJustify: Flags |= DT_RIGHT; break;
    case taCenter: Flags |= DT_CENTER; break;
    }
    Flags |= WordWrap ? DT_EDITCONTROL | DT_WORDBREAK : DT_SINGLELINE;
    if (Ellipsis) Flags |= DT_END_ELLIPSIS;
    DrawText(C->Handle(), Text, -1, TextRect, Flags);
}

}  // namespace MultiColumn
