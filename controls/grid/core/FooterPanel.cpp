// The floating footer's panel: the grid's last row, a preview of the current row or the
// application's painting below the scrolling rows; hints and clicks per column.
#include "grid/core/FooterPanel.h"

#include "grid/base/EsgHTMLE.h"
#include "grid/core/ExtGrid.h"
#include "grid/core/FloatingFooter.h"
#include "grid/core/ScopeRestore.h"

#include "graphics/Canvas.h"
#include "graphics/GraphicsObjects.h"
#include "windows/Forms.h"

#include <algorithm>

namespace {

const TColor Gray = TColor(0x808080);
const TColor White = TColor(0xFFFFFF);

// Mirrors rectangles and line ends within the client width when the grid runs right to left.
struct TMirror {
    bool On;
    int32_t Width;

    TRect R(const TRect& A) const { return On ? Rect(Width - A.Right, A.Top, Width - A.Left, A.Bottom) : A; }
    // A pixel column; a line's exclusive end maps the same way.
    int32_t X(int32_t x) const { return On ? Width - 1 - x : x; }
    void Line(TCanvas* C, int32_t x0, int32_t y0, int32_t x1, int32_t y1) const
    {
        C->MoveTo(X(x0), y0);
        C->LineTo(X(x1), y1);
    }
};

void Fill(TCanvas* C, const TRect& R, TColor Color)
{
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(Color);
    C->FillRect(R);
}

}  // namespace

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

// ---------------------------------------------------------------------------------------------
// Painting
// ---------------------------------------------------------------------------------------------

void TFooterPanel::Paint()
{
    if (!FGrid || !FGrid->FloatingFooter()) {
        TCustomPanel::Paint();
        return;
    }
    TCanvas* C = Canvas();
    const TRect R = ClientRect();
    TFloatingFooter* Footer = FGrid->FloatingFooter();
    const TMirror M{FGrid->UseRightToLeftAlignment(), R.Right};
    int32_t W = std::min(ShownWidth(), R.Right);
    switch (Footer->FooterStyle()) {
    case fsCustomPaint:
        W = R.Right;
        if (FGrid->OnFooterPaint) FGrid->OnFooterPaint(this, Footer->Column(), C, R);
        break;
    case fsFixedLastRow: PaintFixedLastRow(W); break;
    case fsColumnPreview:
    case fsCustomPreview: PaintPreview(W, Footer->FooterStyle() == fsCustomPreview); break;
    }
    if (Footer->BorderColor() != clNone) {
        C->Pen()->SetColor(Footer->BorderColor());
        M.Line(C, 0, 0, W, 0);
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
        if (Close < 0) break;
        Result += QStringView(Template).mid(i, Open - i);
        bool Ok = false;
        const int32_t Column = QStringView(Template).mid(Open + 2, Close - Open - 2).toInt(&Ok);
        // A column outside the grid reads as no text.
        if (Ok && Column >= 0 && Column < FGrid->AllColCount()) Result += FGrid->GetCellEx(Column, Row);
        i = Close + 1;
    }
    Result += QStringView(Template).mid(i);
    return Result;
}

void TFooterPanel::PaintPreview(int32_t W, bool Custom)
{
    TCanvas* C = Canvas();
    const TRect R = ClientRect();
    const TMirror M{FGrid->UseRightToLeftAlignment(), R.Right};
    TFloatingFooter* Footer = FGrid->FloatingFooter();
    const TRect Area = M.R(Rect(0, 0, W, R.Bottom));
    Fill(C, Area, Footer->Color());
    C->Pen()->SetColor(Gray);
    M.Line(C, 0, R.Bottom - 1, W - 1, R.Bottom - 1);
    M.Line(C, W - 1, R.Bottom - 1, W - 1, -1);
    C->Pen()->SetColor(White);
    M.Line(C, W - 1, 0, 0, 0);
    M.Line(C, 0, 0, 0, R.Bottom);

    {
        const TColor SelectionText = FGrid->FSelectionTextColor;
        FGrid->FSelectionTextColor = TColor(0);
        TRestore Restore([&] { FGrid->FSelectionTextColor = SelectionText; });
        if (Custom) {
            C->Font()->Assign(FGrid->Font());
            C->Brush()->SetStyle(bsClear);
            const TRect Text = M.R(Rect(0, 2, W, R.Bottom));
            if (FGrid->ComponentState().Contains(csDesigning)) {
                C->TextRect(Text, Text.Left, Text.Top, Footer->CustomTemplate());
            } else {
                QString Link, Plain, FocusRef, Title, ID, Value, Type;
                int32_t Width = 0, Height = 0, Links = 0, Hovered = -1;
                TRect LinkRect, ControlRect;
                DrawMarkup(C, ExpandTemplate(Footer->CustomTemplate()), Text, FGrid->GridImages(), 0, 0, -1, -1, 1,
                           false, false, false, false, true, false, !FGrid->EnhTextSize(), false, 1.0,
                           FGrid->URLColor(), clNone, clNone, Gray, Link, Plain, FocusRef, Title, Width, Height, Links,
                           Hovered, LinkRect, ControlRect, ID, Value, Type, FGrid->ImageCache(),
                           FGrid->PictureContainer(), Handle(), 0);
            }
        } else if (FGrid->OnFooterPaint) {
            FGrid->OnFooterPaint(this, Footer->Column(), C, Area);
        } else if (Footer->Column() >= 0 && Footer->Column() < FGrid->AllColCount()) {
            FGrid->DrawCellContent(C, Footer->Column(), FGrid->Row(), Area, TGridDrawState{});
        }
    }

    Fill(C, M.R(Rect(W, 0, R.Right, R.Bottom)), FGrid->Color());
}

void TFooterPanel::PaintFixedLastRow(int32_t W)
{
    TCanvas* C = Canvas();
    const TRect R = ClientRect();
    const TMirror M{FGrid->UseRightToLeftAlignment(), R.Right};
    TFloatingFooter* Footer = FGrid->FloatingFooter();
    C->Pen()->SetColor(Footer->Color());
    Fill(C, M.R(Rect(0, 0, W, R.Bottom)), Footer->Color());
    Fill(C, M.R(Rect(W, 0, R.Right, R.Bottom)), FGrid->Color());

    const int32_t L = FGrid->RowCount() - 1;
    if (L < 0) return;
    const bool HorzLine = FGrid->Options().Contains(goFixedHorzLine);
    const bool VertLine = FGrid->Options().Contains(goFixedVertLine);
    const TGridLook Look = FGrid->Look();
    const bool Raised =
        (Look == glSoft || Look == glVyx || Look == glXP || Look == glVista) && !FGrid->Flat();

    // The columns in view: the fixed ones, then from the left column on, as far as the panel reaches.
    struct TShown {
        int32_t Col;
        int32_t X;
        bool Scrolled;
    };
    QList<TShown> Shown;
    int32_t x = 0;
    for (int32_t c = 0; c < FGrid->FixedCols() && x < R.Right; x += FGrid->ColWidths(c), ++c)
        Shown.append({c, x, false});
    for (int32_t c = FGrid->LeftCol(); c < FGrid->ColCount() && x < R.Right; x += FGrid->ColWidths(c), ++c)
        Shown.append({c, x, true});

    for (const TShown& S : Shown) {
        const int32_t w = FGrid->ColWidths(S.Col);
        if (VertLine && Raised) {
            C->Pen()->SetColor(White);
            M.Line(C, S.X, R.Bottom, S.X, -1);
        }
        C->Pen()->SetColor(FGrid->GridLineColor());
        if (HorzLine) M.Line(C, S.X, 0, S.X + w, 0);
        if (S.Scrolled && Look != glVista) C->Pen()->SetColor(Gray);
        if (VertLine) M.Line(C, S.X + w - 1, 0, S.X + w - 1, R.Bottom);
    }

    for (const TShown& S : Shown) {
        const int32_t rc = S.Scrolled ? FGrid->RealColIndex(S.Col) : S.Col;
        const bool Base = FGrid->IsBaseCell(rc, L);
        // A merged area of the last row spans the widths of its columns from its base cell.
        int32_t w = FGrid->ColWidths(S.Col);
        if (Base)
            for (int32_t i = 1, Span = FGrid->CellSpan(rc, L).X; i <= Span && S.Col + i < FGrid->ColCount(); ++i)
                w += FGrid->ColWidths(S.Col + i);
        TRect Cell = Rect(S.X, 0, S.X + w, R.Bottom);
        if (HorzLine) {
            Cell.Top += 1;
            if (Raised) Cell.Left += 1;
        }
        Cell = M.R(Cell);
        if (!S.Scrolled) {
            if (Base) FGrid->DrawCellContent(C, rc, L, Cell, TGridDrawState{gdFixed});
            continue;
        }
        if (FGrid->OnGetCellColor) {
            TBrush Brush;
            Brush.SetColor(clNone);
            FGrid->OnGetCellColor(FGrid, L, rc, TGridDrawState{gdFixed}, &Brush, Font());
            if (Brush.Color() != clNone) Fill(C, Cell, Brush.Color());
        }
        const TColor CellColor = FGrid->Colors(rc, L);
        if (CellColor != clNone) Fill(C, Cell, CellColor);
        if (!Base) continue;
        if (FGrid->OnFooterPaint)
            FGrid->OnFooterPaint(this, rc, C, Cell);
        else
            FGrid->DrawCellContent(C, rc, L, Cell, TGridDrawState{gdFixed});
    }
}

// ---------------------------------------------------------------------------------------------
// Hints and clicks
// ---------------------------------------------------------------------------------------------

int32_t TFooterPanel::ColumnAfter(int32_t X) const
{
    if (FGrid->UseRightToLeftAlignment()) X = ClientWidth() - 1 - X;
    int32_t Sum = 0;
    int32_t c = 0;
    for (; c < FGrid->FixedCols() && Sum < X; ++c) Sum += FGrid->ColWidths(c);
    // Over a fixed column: that column, also when the grid is scrolled; x 0 is in the first one shown.
    if (Sum >= X) {
        if (c > 0) return c;
        if (FGrid->FixedCols() > 0) return 1;
        return FGrid->LeftCol() < FGrid->ColCount() ? FGrid->LeftCol() + 1 : -1;
    }
    int32_t j = FGrid->LeftCol();
    for (; j < FGrid->ColCount() && Sum < X; ++j) Sum += FGrid->ColWidths(j);
    return Sum < X ? -1 : j;
}

void TFooterPanel::WndProc(TMessage& Message)
{
    switch (Message.Msg) {
    case CM_HINTSHOW: CMHintShow(Message); return;
    case CM_MOUSELEAVE:
        if (Message.LParam == 0) FLastHintX = -1;
        break;
    default: break;
    }
    TCustomPanel::WndProc(Message);
}

void TFooterPanel::CMHintShow(TMessage& Message)
{
    auto* Info = reinterpret_cast<THintInfo*>(Message.LParam);
    if (!FGrid || !Info) {
        Message.Result = 1;
        return;
    }
    const int32_t j = ColumnAfter(Info->CursorPos.X);
    if (FGrid->OnGridHint && j > 0) FGrid->OnGridHint(FGrid, FGrid->RowCount() - 1, j - 1, Info->HintStr);
    FLastHintX = ShowHint() && j > 0 ? j - 1 : -1;
    Message.Result = ShowHint() ? 0 : 1;
}

void TFooterPanel::MouseMove(TShiftState Shift, int32_t X, int32_t Y)
{
    TCustomPanel::MouseMove(Shift, X, Y);
    if (!FGrid || !ShowHint() || FLastHintX < 0) return;
    const int32_t j = ColumnAfter(X);
    const int32_t Over = j > 0 ? j - 1 : -1;
    if (Over == FLastHintX) return;
    Application->CancelHint();
    FLastHintX = Over;
}

void TFooterPanel::MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y)
{
    TCustomPanel::MouseUp(Button, Shift, X, Y);
    if (!FGrid) return;
    if (FGrid->OnClick) FGrid->OnClick(FGrid);
    const int32_t j = ColumnAfter(X);
    if (j > 0 && FGrid->OnClickCell) FGrid->OnClickCell(FGrid, FGrid->RowCount() - 1, j - 1);
}
