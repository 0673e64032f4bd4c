// TBaseGrid: cell texts through merged areas and hooks, cell properties and objects, merging.
#include "grid/base/BaseGrid.h"

#include "grid/base/ExtUtil.h"

#include <algorithm>

namespace {

const QString CellGraphicClass = QStringLiteral("TCellGraphic");

}  // namespace

// ---------------------------------------------------------------------------------------------
// Cell text
// ---------------------------------------------------------------------------------------------

QString TBaseGrid::GetCellEx(int32_t c, int32_t r)
{
    if (FHasCellProps) {
        if (const TCellProperties* Props = PropsAt(c, r)) {
            const TPoint Base = Props->GetBaseCell(c, r);
            c = Base.X;
            r = Base.Y;
        }
    }
    if (r >= FNormalRowCount) return StoredCell(c, r);
    return HookedCellText(c, r);
}

QString TBaseGrid::HookedCellText(int32_t c, int32_t r)
{
    QString Value = StoredCell(c, r);
    GetDisplText(c, r, Value);
    if (OnGetDisplWideText) {
        QString Wide = DecodeWideCellText(Value);
        GetDisplWideText(c, r, Wide);
        Value = EncodeWideCellText(Wide);
    }
    return Value;
}

void TBaseGrid::SetCellEx(int32_t c, int32_t r, const QString& Value)
{
    if (const TCellProperties* Props = PropsIn(c, r)) {
        const TPoint Base = Props->GetBaseCell(c, r);
        SetCells(Base.X, Base.Y, Value);
        CellTextChanged(Base.X, Base.Y);
        if (Parent()) RepaintCell(c, r);
    } else {
        SetCells(c, r, Value);
    }
    if (FHideLastRow && r + 1 == RowCount()) HiddenLastRowChanged();
}

void TBaseGrid::DetachCell(int32_t ACol, int32_t ARow)
{
    SetCellEx(ACol, ARow, QString());
    SetObjects(ACol, ARow, nullptr);
}

void TBaseGrid::DetachColCells(int32_t ACol)
{
    for (int32_t R = 0; R < RowCount(); ++R) {
        SetObjects(ACol, R, nullptr);
        SetCellEx(ACol, R, QString());
    }
}

void TBaseGrid::DetachRowCells(int32_t ARow)
{
    for (int32_t C = 0; C < ColCount(); ++C) {
        SetObjects(C, ARow, nullptr);
        SetCellEx(C, ARow, QString());
    }
}

// ---------------------------------------------------------------------------------------------
// Cell properties and objects
// ---------------------------------------------------------------------------------------------

TCellProperties* TBaseGrid::PropsAt(int32_t c, int32_t r) const
{
    if (!FHasCellProps || c < 0 || r < 0) return nullptr;
    return dynamic_cast<TCellProperties*>(Objects(c, r));
}

TCellProperties* TBaseGrid::PropsIn(int32_t c, int32_t r) const
{
    // A grid that never made properties answers before the virtual column count is asked.
    if (!FHasCellProps || c < 0 || r < 0 || c >= TotalColCount() || r >= RowCount()) return nullptr;
    return PropsAt(c, r);
}

bool TBaseGrid::HasCellProperties(int32_t ACol, int32_t ARow) const
{
    return PropsIn(ACol, ARow) != nullptr;
}

void TBaseGrid::NoteProps(int32_t c, int32_t r)
{
    FHasCellProps = true;
    FPropsMaxCol = std::max(FPropsMaxCol, c);
    FPropsMaxRow = std::max(FPropsMaxRow, r);
}

TCellProperties* TBaseGrid::GetCellProperties(int32_t c, int32_t r)
{
    if (TCellProperties* Props = PropsAt(c, r)) return Props;
    auto* Props = new TCellProperties(this, c, r);
    SetObjects(c, r, Props);
    NoteProps(c, r);

    TFont Font;
    TBrush Brush;
    TColor ColorTo = clNone, MirrorColor = clNone, MirrorColorTo = clNone;
    TAlignment HA = taLeftJustify;
    TVAlignment VA = vtaTop;
    bool WW = FWordWrap;
    TCellGradientDirection GD = GradientVertical;
    GetCellDefaults(c, r, &Font, &Brush, ColorTo, MirrorColor, MirrorColorTo, HA, VA, WW, GD);
    Props->SetCalcType(acNONE);
    Props->SetAlignment(HA);
    Props->FVAlignment = VA;
    Props->FWordWrap = WW;
    Props->SetFontName(Font.Name());
    Props->SetFontSize(Font.Size());
    Props->SetFontStyle(Font.Style());
    Props->SetFontColor(Font.Color());
    Props->FBrushColor = Brush.Color();
    Props->FBrushColorTo = ColorTo;
    Props->SetGradientDirection(GD);
    return Props;
}

void TBaseGrid::SetCellProperties(int32_t c, int32_t r, TCellProperties* Value)
{
    delete PropsAt(c, r);
    SetObjects(c, r, Value);
    if (Value) NoteProps(c, r);
}

void TBaseGrid::SetGridObject(int32_t c, int32_t r, TObject* Value)
{
    SetObjects(c, r, Value);
    if (dynamic_cast<TCellProperties*>(Value)) NoteProps(c, r);
}

TObject* TBaseGrid::GetObjectEx(int32_t c, int32_t r) const
{
    const TCellProperties* Props = PropsAt(c, r);
    return Props ? reinterpret_cast<TObject*>(Props->CellObject()) : nullptr;
}

void TBaseGrid::WithBlankText(int32_t c, int32_t r, const std::function<void()>& Act)
{
    const bool Blank = GetCellEx(c, r).isEmpty();
    if (Blank) SetCellEx(c, r, QStringLiteral(" "));
    Act();
    if (Blank) SetCellEx(c, r, QString());
}

void TBaseGrid::SetObjectEx(int32_t c, int32_t r, TObject* Value)
{
    WithBlankText(c, r, [&] { GetCellProperties(c, r)->SetCellObject(reinterpret_cast<uintptr_t>(Value)); });
}

TObject* TBaseGrid::GetGraphicObjectEx(int32_t c, int32_t r) const
{
    const TCellProperties* Props = PropsAt(c, r);
    return Props ? Props->GraphicObject() : nullptr;
}

void TBaseGrid::SetGraphicObjectEx(int32_t c, int32_t r, TObject* Value)
{
    if (ComponentState().Contains(csDestroying)) return;
    WithBlankText(c, r, [&] { GetCellProperties(c, r)->SetGraphicObject(Value); });
}

void TBaseGrid::FreePropsAt(int32_t c, int32_t r, bool Graphic)
{
    TCellProperties* Props = PropsAt(c, r);
    if (!Props) return;
    TObject* GraphicObject = Props->GraphicObject();
    if (Graphic && GraphicObject && GraphicObject->ClassName() == CellGraphicClass) delete GraphicObject;
    SetObjects(c, r, nullptr);
    delete Props;
}

void TBaseGrid::FreeCellPropsRect(int32_t FromCol, int32_t FromRow, int32_t ToCol, int32_t ToRow)
{
    if (!FHasCellProps) return;
    for (int32_t R = std::max(FromRow, 0); R <= ToRow; ++R)
        for (int32_t C = std::max(FromCol, 0); C <= ToCol; ++C) FreePropsAt(C, R, true);
}

void TBaseGrid::FreeCellProps(int32_t ACol, int32_t ARow)
{
    FreePropsAt(ACol, ARow, false);
}

void TBaseGrid::FreeAllCellProps()
{
    FreeCellPropsRect(0, 0, ColCount() - 1, RowCount() - 1);
}

// ---------------------------------------------------------------------------------------------
// Merged cells
// ---------------------------------------------------------------------------------------------

bool TBaseGrid::IsBaseCell(int32_t ACol, int32_t ARow) const
{
    const TCellProperties* Props = PropsIn(ACol, ARow);
    return !Props || Props->IsBaseCell();
}

bool TBaseGrid::IsMergedCell(int32_t ACol, int32_t ARow) const
{
    const TCellProperties* Props = PropsIn(ACol, ARow);
    return Props && (Props->CellSpanX() > 0 || Props->CellSpanY() > 0);
}

bool TBaseGrid::IsMergedNonBaseCell(int32_t ACol, int32_t ARow) const
{
    return IsMergedCell(ACol, ARow) && !IsBaseCell(ACol, ARow);
}

bool TBaseGrid::IsXMergedCell(int32_t ACol, int32_t ARow) const
{
    const TCellProperties* Props = PropsIn(ACol, ARow);
    if (!Props) return false;
    const TPoint Base = Props->GetBaseCell(ACol, ARow);
    const TCellProperties* BaseProps = PropsIn(Base.X, Base.Y);
    return BaseProps && BaseProps->CellSpanX() > 0;
}

bool TBaseGrid::IsYMergedCell(int32_t ACol, int32_t ARow) const
{
    const TCellProperties* Props = PropsIn(ACol, ARow);
    if (!Props) return false;
    const TPoint Base = Props->GetBaseCell(ACol, ARow);
    const TCellProperties* BaseProps = PropsIn(Base.X, Base.Y);
    return BaseProps && BaseProps->CellSpanY() > 0;
}

TPoint TBaseGrid::BaseCell(int32_t ACol, int32_t ARow) const
{
    const TCellProperties* Props = PropsIn(ACol, ARow);
    return Props ? Props->GetBaseCell(ACol, ARow) : Point(ACol, ARow);
}

bool TBaseGrid::IsBaseCellEx(int32_t ACol, int32_t ARow, int32_t& BaseCol, int32_t& BaseRow) const
{
    const TPoint Base = BaseCell(ACol, ARow);
    BaseCol = Base.X;
    BaseRow = Base.Y;
    return IsBaseCell(ACol, ARow);
}

TPoint TBaseGrid::CellSpan(int32_t ACol, int32_t ARow) const
{
    const TCellProperties* Props = PropsIn(ACol, ARow);
    if (!Props || Props->CellSpanX() == -1 || Props->CellSpanY() == -1) return Point(0, 0);
    const TPoint Base = Props->GetBaseCell(ACol, ARow);
    const TCellProperties* BaseProps = PropsIn(Base.X, Base.Y);
    if (!BaseProps) return Point(0, 0);
    return Point(BaseProps->CellSpanX(), BaseProps->CellSpanY());
}

TPoint TBaseGrid::CellExt(int32_t ACol, int32_t ARow) const
{
    const TCellProperties* Props = PropsIn(ACol, ARow);
    if (!Props || Props->CellSpanX() == -1 || Props->CellSpanY() == -1) return Point(0, 0);
    const TPoint Base = BaseCell(ACol, ARow);
    const TPoint Span = CellSpan(ACol, ARow);
    return Point(Base.X + Span.X - ACol, Base.Y + Span.Y - ARow);
}

TRect TBaseGrid::FullCell(int32_t c, int32_t r) const
{
    const TPoint Base = BaseCell(c, r);
    const TPoint Span = CellSpan(c, r);
    return Rect(Base.X, Base.Y, Base.X + Span.X, Base.Y + Span.Y);
}

int32_t TBaseGrid::MinRowSpan(int32_t ARow) const
{
    int32_t Result = RowCount();
    for (int32_t C = 0; C < TotalColCount(); ++C) {
        const int32_t Span = CellSpan(C, ARow).Y;
        if (Span > 0 && Span < Result) Result = Span;
    }
    return Result;
}

int32_t TBaseGrid::MaxRowSpan(int32_t ARow) const
{
    int32_t Result = 0;
    for (int32_t C = 0; C < TotalColCount(); ++C) Result = std::max(Result, CellSpan(C, ARow).Y);
    return Result;
}

bool TBaseGrid::RowSpanIdentical(int32_t ARow1, int32_t ARow2) const
{
    bool Compared = false;
    for (int32_t C = 0; C < TotalColCount(); ++C) {
        if (CellSpan(C, ARow1).Y <= 0 || CellSpan(C, ARow2).Y <= 0) continue;
        if (BaseCell(C, ARow1).Y != BaseCell(C, ARow2).Y) return false;
        Compared = true;
    }
    return Compared;
}

bool TBaseGrid::ColSpanIdentical(int32_t ACol1, int32_t ACol2) const
{
    bool Compared = false;
    for (int32_t R = 0; R < RowCount(); ++R) {
        const int32_t Span1 = CellSpan(ACol1, R).X;
        const int32_t Span2 = CellSpan(ACol2, R).X;
        if (Span1 > 0 && Span2 > 0) {
            if (BaseCell(ACol1, R).X != BaseCell(ACol2, R).X) return false;
            Compared = true;
        } else if (Span1 != Span2) {
            return false;
        }
    }
    return Compared;
}

void TBaseGrid::MergeCells(int32_t c, int32_t r, int32_t spanx, int32_t spany)
{
    ++FMergeCount;
    for (int32_t R = r; R < r + spany; ++R)
        for (int32_t C = c; C < c + spanx; ++C) {
            TCellProperties* Props = GetCellProperties(C, R);
            const bool Base = C == c && R == r;
            Props->SetIsBaseCell(Base);
            Props->SetCellSpanX(Base ? spanx - 1 : C - c);
            Props->SetCellSpanY(Base ? spany - 1 : R - r);
        }
    for (int32_t R = r; R < r + spany; ++R)
        for (int32_t C = c; C < c + spanx; ++C) RepaintCell(C, R);
}

void TBaseGrid::SplitCells(int32_t c, int32_t r)
{
    const TPoint Base = GetCellProperties(c, r)->GetBaseCell(c, r);
    TCellProperties* BaseProps = GetCellProperties(Base.X, Base.Y);
    const int32_t SpanX = BaseProps->CellSpanX();
    const int32_t SpanY = BaseProps->CellSpanY();
    if (SpanX == -1 && SpanY == -1) return;  // no area here: nothing was merged
    for (int32_t R = Base.Y; R <= Base.Y + std::max(SpanY, 0); ++R)
        for (int32_t C = Base.X; C <= Base.X + std::max(SpanX, 0); ++C) {
            TCellProperties* Props = GetCellProperties(C, R);
            Props->SetIsBaseCell(true);
            Props->SetCellSpanX(-1);
            Props->SetCellSpanY(-1);
            RepaintCell(C, R);
        }
    if (FMergeCount > 0) --FMergeCount;
}
