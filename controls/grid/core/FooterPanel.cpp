// The floating footer's panel: the grid's last row painted below the scrolling rows.
#include "grid/core/FooterPanel.h"

#include "grid/base/EsgHTMLE.h"
#include "grid/core/ExtGrid.h"
#include "grid/core/FloatingFooter.h"

#include "graphics/Canvas.h"
#include "graphics/GraphicsObjects.h"

#include <algorithm>

TFooterPanel::TFooterPanel(TComponent* AOwner) : TCustomPanel(AOwner), FGrid(dynamic_cast<TExtStringGrid*>(AOwner))
{
}

void TFooterPanel::CreateWnd()
{
    TCustomPanel::CreateWnd();
    if (!FGrid) return;
    TFloatingFooter* Footer = FGrid->FloatingFooter();
    SetHeight(Footer && Footer->Visible() ? Footer->Height() : 0);
    if (FGrid->OnCreatedFloatingFooter) FGrid->OnCreatedFloatingFooter(FGrid);
}

int32_t TFooterPanel::ShownWidth() const
{
    int32_t W = 0;
    for (int32_t c = 0; c < FGrid->FixedCols(); ++c) W += FGrid->ColWidths(c);
    for (int32_t c = FGrid->LeftCol(); c < FGrid->ColCount(); ++c) W += FGrid->ColWidths(c);
    return W;
}

void TFooterPanel::Paint()
{
    TCanvas* C = Canvas();
    const TRect R = ClientRect();
    if (!FGrid || !FGrid->FloatingFooter()) {
        TCustomPanel::Paint();
        return;
    }
    TFloatingFooter* Footer = FGrid->FloatingFooter();
    int32_t W = std::min(ShownWidth(), R.Right);
    if (Footer->FooterStyle() == fsCustomPaint) {
        W = R.Right;
        if (FGrid->OnFooterPaint) FGrid->OnFooterPaint(this, Footer->Column(), C, R);
    } else if (Footer->FooterStyle() == fsFixedLastRow) {
        PaintFixedLastRow(W);
    } else {
        PaintPreview(W, Footer->FooterStyle() == fsCustomPreview);
    }
    if (Footer->BorderColor() != clNone) {
        C->Pen()->SetColor(Footer->BorderColor());
        C->MoveTo(0, 0);
        C->LineTo(W, 0);
    }
}

QString TFooterPanel::ExpandTemplate(const QString& Template) const
{
    QString Result;
    qsizetype i = 0;
    const int32_t Row = FGrid->Row();
    while (i < Template.size()) {
        const qsizetype Open = Template.indexOf(QLatin1String("<#"), i);
        if (Open < 0) break;
        const qsizetype Close = Template.indexOf(u'>', Open + 2);
        // A "<#" without ">" ends the expansion; the rest stays as it is.
        if (Close < 0) break;
        Result += QStringView(Template).mid(i, Open - i);
        bool Ok = false;
        const int32_t Column = Template.mid(Open + 2, Close - Open - 2).toInt(&Ok);
        if (Ok && Column >= 0 && Column < FGrid->AllColCount()) Result += FGrid->Cells(Column, Row);
        i = Close + 1;
    }
    Result += QStringView(Template).mid(i);
    return Result;
}

void TFooterPanel::PaintPreview(int32_t W, bool Custom)
{
    TCanvas* C = Canvas();
    const TRect R = ClientRect();
    TFloatingFooter* Footer = FGrid->FloatingFooter();
    const TRect Area = Rect(0, 0, W, R.Bottom);
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(Footer->Color());
    C->FillRect(Area);
    C->Pen()->SetColor(TColor(0x808080));
    C->MoveTo(0, R.Bottom - 1);
    C->LineTo(W - 1, R.Bottom - 1);
    C->LineTo(W - 1, -1);
    C->Pen()->SetColor(TColor(0xFFFFFF));
    C->MoveTo(W - 1, 0);
    C->LineTo(0, 0);
    C->LineTo(0, R.Bottom);

    if (Custom) {
        QString Link, Plain, FocusRef, Title, ID, Value, Type;
        int32_t Width = 0, Height = 0, Links = 0, Hovered = -1;
        TRect LinkRect, ControlRect;
        C->Font()->Assign(FGrid->Font());
        C->Brush()->SetStyle(bsClear);
        DrawMarkup(C, ExpandTemplate(Footer->CustomTemplate()), Rect(2, 2, W - 2, R.Bottom), FGrid->GridImages(), 0,
                   0, -1, -1, 1, false, false, false, false, true, false, !FGrid->EnhTextSize(), false, 1.0,
                   FGrid->URLColor(), clNone, clNone, TColor(0x808080), Link, Plain, FocusRef, Title, Width, Height,
                   Links, Hovered, LinkRect, ControlRect, ID, Value, Type, FGrid->ImageCache(),
                   FGrid->PictureContainer(), Handle(), 0);
    } else if (FGrid->OnFooterPaint) {
        FGrid->OnFooterPaint(this, Footer->Column(), C, Area);
    } else if (Footer->Column() >= 0 && Footer->Column() < FGrid->AllColCount()) {
        FGrid->DrawCellContent(C, Footer->Column(), FGrid->Row(), Area, TGridDrawState{});
    }

    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(FGrid->Color());
    C->FillRect(Rect(W, 0, R.Right, R.Bottom));
}

void TFooterPanel::PaintFixedLastRow(int32_t W)
{
    TCanvas* C = Canvas();
    const TRect R = ClientRect();
    TFloatingFooter* Footer = FGrid->FloatingFooter();
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(Footer->Color());
    C->Pen()->SetColor(Footer->Color());
    C->FillRect(Rect(0, 0, W, R.Bottom));
    C->Brush()->SetColor(FGrid->Color());
    C->FillRect(Rect(W, 0, R.Right, R.Bottom));

    const int32_t L = FGrid->RowCount() - 1;
    if (L < 0) return;
    const bool HorzLine = FGrid->Options().Contains(goFixedHorzLine);
    const bool VertLine = FGrid->Options().Contains(goFixedVertLine);
    int32_t x = 0;
    auto PaintColumn = [&](int32_t c, bool Scrolled) {
        const int32_t w = FGrid->ColWidths(c);
        C->Pen()->SetColor(FGrid->GridLineColor());
        if (HorzLine) {
            C->MoveTo(x, 0);
            C->LineTo(x + w, 0);
        }
        if (Scrolled && FGrid->Look() != glVista) C->Pen()->SetColor(TColor(0x808080));
        if (VertLine) {
            C->MoveTo(x + w - 1, 0);
            C->LineTo(x + w - 1, R.Bottom);
        }
        const TRect Cell = Rect(x, HorzLine ? 1 : 0, x + w - (VertLine ? 1 : 0), R.Bottom);
        const int32_t rc = Scrolled ? FGrid->RealColIndex(c) : c;
        if (FGrid->IsBaseCell(rc, L)) {
            if (Scrolled) {
                const TColor CellColor = FGrid->Colors(rc, L);
                if (CellColor != clNone) {
                    C->Brush()->SetColor(CellColor);
                    C->FillRect(Cell);
                }
            }
            if (Scrolled && FGrid->OnFooterPaint)
                FGrid->OnFooterPaint(this, c, C, Cell);
            else
                FGrid->DrawCellContent(C, rc, L, Cell, TGridDrawState{gdFixed});
        }
        x += w;
    };
    for (int32_t c = 0; c < FGrid->FixedCols() && x < R.Right; ++c) PaintColumn(c, false);
    for (int32_t c = FGrid->LeftCol(); c < FGrid->ColCount() && x < R.Right; ++c) PaintColumn(c, true);
}
