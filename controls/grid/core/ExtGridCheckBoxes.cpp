// TExtStringGrid: check boxes (two-state, data, three-state), radio groups and radio buttons,
// cell buttons, balloons and expandable cells.
#include "grid/core/ExtGrid.h"

#include "grid/base/GridSettings.h"
#include "grid/base/GridUndo.h"
#include "grid/core/CellGraphic.h"
#include "grid/core/ControlLook.h"
#include "grid/core/GridItems.h"
#include "grid/core/GridOptions.h"

#include "graphics/Bitmap.h"
#include "rtl/Exceptions.h"
#include "rtl/NumConv.h"
#include "rtl/Strings.h"

namespace {

const TCellTypes CheckBoxKinds{ctCheckBox, ctDataCheckBox, ctTriStateCheckBox};
const TCellTypes TextCheckBoxKinds{ctDataCheckBox, ctVirtCheckBox};
const TCellTypes BalloonHolderKinds{ctCheckBox, ctDataCheckBox, ctRadioButton};

}  // namespace

void TExtStringGrid::CheckCellInGrid(int32_t ACol, int32_t ARow)
{
    if (ACol < 0 || ACol >= ColCount() + FNumHidden || ARow < 0 || ARow >= RowCount() + NumHiddenRows())
        throw Exception(QStringLiteral("Invalid cell"));
}

TCellVAlign TExtStringGrid::CheckBoxVAlign() const
{
    switch (FVAlignment) {
    case vtaCenter: return vaCenter;
    case vtaBottom: return vaBottom;
    default: return vaTop;
    }
}

// ---------------------------------------------------------------------------------------------
// Check boxes
// ---------------------------------------------------------------------------------------------

void TExtStringGrid::AddCheckBox(int32_t ACol, int32_t ARow, bool State, bool Data)
{
    CheckCellInGrid(ACol, ARow);
    NewCellGraphic(ACol, ARow)->SetCheckBox(State, Data, true, haBeforeText, CheckBoxVAlign());
    if (!Data) return;
    const QString Text = GetCellEx(ACol, ARow);
    if (Text != FCheckTrue && Text != FCheckFalse) SetCellEx(ACol, ARow, State ? FCheckTrue : FCheckFalse);
}

void TExtStringGrid::AddCheckBox(int32_t ACol, int32_t ARow, TCheckBoxState State)
{
    CheckCellInGrid(ACol, ARow);
    NewCellGraphic(ACol, ARow)->SetCheckBox(State, true, haBeforeText, CheckBoxVAlign());
}

void TExtStringGrid::AddCheckBoxColumn(int32_t ACol, bool DefaultState, bool DataCheckBox)
{
    const int32_t First = FMouseActions->CheckAllCheck() ? 0 : FixedRows();
    for (int32_t r = First; r < RowCount(); ++r) {
        if (IsSummary(r)) continue;
        if (IsNode(r)) AddCheckBox(ACol, r, cbUnchecked);
        else AddCheckBox(ACol, r, DefaultState, DataCheckBox);
    }
}

void TExtStringGrid::AddTriStateCheckBoxColumn(int32_t ACol, TCheckBoxState State)
{
    const int32_t First = FMouseActions->CheckAllCheck() ? 0 : FixedRows();
    for (int32_t r = First; r < RowCount(); ++r) AddCheckBox(ACol, r, State);
}

void TExtStringGrid::RemoveCheckBox(int32_t ACol, int32_t ARow)
{
    TCellGraphic* Graphic = GetCellGraphic(ACol, ARow);
    if (!Graphic || !CheckBoxKinds.Contains(Graphic->CellType())) return;
    if (Graphic->CellAngle() == 1) {
        Graphic->ClearObjects();
        Graphic->SetCellAngle(0);
    }
    RemoveCellGraphic(ACol, ARow);
    RepaintCell(ACol, ARow);
}

void TExtStringGrid::RemoveCheckBoxColumn(int32_t ACol)
{
    const int32_t First = FMouseActions->CheckAllCheck() ? 0 : FixedRows();
    for (int32_t r = First; r < RowCount(); ++r)
        if (HasCheckBox(ACol, r)) RemoveCheckBox(ACol, r);
}

bool TExtStringGrid::HasCheckBox(int32_t ACol, int32_t ARow)
{
    return IsCellTypeIn(ACol, ARow, CheckBoxCellTypes);
}

bool TExtStringGrid::HasDataCheckBox(int32_t ACol, int32_t ARow)
{
    return IsCellTypeIn(ACol, ARow, DataCheckBoxCellTypes);
}

TCellGraphic* TExtStringGrid::GraphicAtRealRow(int32_t ACol, int32_t ARow, int32_t Fallback, bool& Found)
{
    Found = true;
    if (NumHiddenRows() == 0) return GetCellGraphic(ACol, ARow);
    TCellProperties* Props = nullptr;
    if (TStrings* Texts = HiddenRowTexts(ARow)) {
        if (ACol >= 0 && ACol < Texts->Count()) Props = dynamic_cast<TCellProperties*>(Texts->Objects(ACol));
    } else if (HasCellProperties(ACol, DisplRowIndex(ARow))) {
        Props = GetCellProperties(ACol, DisplRowIndex(ARow));
    }
    if (Props) return dynamic_cast<TCellGraphic*>(Props->GraphicObject());
    Found = false;
    return GetCellGraphic(ACol, Fallback);
}

bool TExtStringGrid::GetCheckBoxState(int32_t ACol, int32_t ARow, bool& State)
{
    bool Found = true;
    // Without properties at the row the cell's shared graphic answers (the cell where the row lies).
    const TCellGraphic* Graphic = GraphicAtRealRow(ACol, ARow, DisplRowIndex(ARow), Found);
    if (!Graphic) return false;
    switch (Graphic->CellType()) {
    case ctCheckBox:
        if (!Found) return false;
        State = Graphic->CellBoolean();
        return true;
    case ctDataCheckBox:
    case ctVirtCheckBox: State = AllCells(ACol, ARow) == CheckTrueOf(ACol, ARow); return true;
    case ctRowCheckBox:
        if (ACol != 0) return false;
        State = RowSelect(ARow);
        return true;
    case ctTriStateCheckBox: State = Graphic->CellCheckBoxState() == cbChecked; return true;
    default: return false;
    }
}

bool TExtStringGrid::GetCheckBoxState(int32_t ACol, int32_t ARow, TCheckBoxState& State)
{
    bool Found = true;
    const TCellGraphic* Graphic = GraphicAtRealRow(ACol, ARow, DisplRowIndex(ARow), Found);
    if (!Graphic) return false;
    switch (Graphic->CellType()) {
    case ctCheckBox:
        if (!Found) return false;
        State = BoolToCheckBoxState(Graphic->CellBoolean());
        return true;
    case ctDataCheckBox:
    case ctVirtCheckBox: State = BoolToCheckBoxState(AllCells(ACol, ARow) == CheckTrueOf(ACol, ARow)); return true;
    case ctTriStateCheckBox: State = Graphic->CellCheckBoxState(); return true;
    case ctRowCheckBox:
        if (ACol != 0) return false;
        State = BoolToCheckBoxState(Found ? RowSelect(ARow) : Graphic->CellBoolean());
        return true;
    default: return false;
    }
}

bool TExtStringGrid::IsChecked(int32_t ACol, int32_t ARow)
{
    bool State = false;
    return GetCheckBoxState(ACol, ARow, State) && State;
}

bool TExtStringGrid::SetCheckBoxState(int32_t ACol, int32_t ARow, bool State)
{
    bool Found = true;
    TCellGraphic* Graphic = GraphicAtRealRow(ACol, ARow, DisplRowIndex(ARow), Found);
    if (!Graphic) return false;
    switch (Graphic->CellType()) {
    case ctCheckBox:
        if (!Found) return false;
        Graphic->SetCellBoolean(State);
        RepaintCell(ACol, DisplRowIndex(ARow));
        return true;
    case ctDataCheckBox:
    case ctVirtCheckBox:
        SetAllCells(ACol, ARow, State ? CheckTrueOf(ACol, ARow) : CheckFalseOf(ACol, ARow));
        return true;
    case ctRowCheckBox:
        if (ACol != 0) return false;
        SetRowSelect(ARow, State);
        return true;
    default: return false;
    }
}

bool TExtStringGrid::SetCheckBoxState(int32_t ACol, int32_t ARow, TCheckBoxState State)
{
    bool Found = true;
    TCellGraphic* Graphic = GraphicAtRealRow(ACol, ARow, DisplRowIndex(ARow), Found);
    if (!Graphic || Graphic->CellType() != ctTriStateCheckBox) return false;
    Graphic->SetCellCheckBoxState(State);
    RepaintCell(ACol, DisplRowIndex(ARow));
    return true;
}

bool TExtStringGrid::SetCheckBoxStateNotify(int32_t ACol, int32_t ARow, bool State)
{
    bool Found = true;
    TCellGraphic* Graphic = GraphicAtRealRow(ACol, RealRowIndex(ARow), ARow, Found);
    if (!Graphic) return false;
    switch (Graphic->CellType()) {
    case ctCheckBox:
        if (State != Graphic->CellBoolean()) {
            Graphic->SetCellBoolean(State);
            DoCheckBoxChange(ACol, ARow, State);
            RepaintCell(ACol, ARow);
        }
        return true;
    case ctDataCheckBox:
    case ctVirtCheckBox: {
        const bool Was = GetCellEx(ACol, ARow) == CheckTrueOf(ACol, ARow);
        SetCellEx(ACol, ARow, State ? CheckTrueOf(ACol, ARow) : CheckFalseOf(ACol, ARow));
        if (State != Was) DoCheckBoxChange(ACol, ARow, State);
        return true;
    }
    case ctRowCheckBox:
        if (ACol != 0) return false;
        if (State != RowSelect(ARow)) {
            SetRowSelect(ARow, State);
            DoCheckBoxChange(ACol, ARow, State);
        }
        return true;
    default: return false;
    }
}

void TExtStringGrid::CheckAll(int32_t ACol)
{
    for (int32_t r = FixedRows(); r < RowCount(); ++r) SetCheckBoxStateNotify(ACol, r, true);
    if (FNumHidden > 0) RepaintCol(DisplColIndex(ACol));
}

void TExtStringGrid::UnCheckAll(int32_t ACol)
{
    for (int32_t r = FixedRows(); r < RowCount(); ++r) SetCheckBoxStateNotify(ACol, r, false);
}

bool TExtStringGrid::DoToggleCheckBox(int32_t ACol, int32_t ARow, bool CheckEditable)
{
    TCellGraphic* Graphic = GetCellGraphic(ACol, ARow);
    if (!Graphic) return false;
    const bool AutoCheck = FGrouping->AutoCheckGroup();
    const bool NodeRow = IsNode(ARow);
    int32_t Span = 0;
    int32_t Parent = -1;
    bool Collapsed = false;
    if (AutoCheck) {
        if (NodeRow) {
            Span = GetNodeSpan(ARow);
            Collapsed = GetNodeState(ARow);
        } else {
            Parent = GetParentRow(ARow);
            Span = GetNodeSpan(Parent);
        }
    }
    const TCellType Kind = Graphic->CellType();
    if (!CheckBoxCellTypes.Contains(Kind)) return false;
    if (CheckEditable && !FControlLook->CheckAlwaysActive() && !CanEdit(ACol, ARow)) return false;

    const QString True = CheckTrueOf(ACol, ARow);
    const QString False = CheckFalseOf(ACol, ARow);
    QString OldValue;
    QString NewValue;
    bool State = false;
    if (Kind == ctCheckBox) {
        OldValue = Graphic->CellBoolean() ? True : False;
        State = !Graphic->CellBoolean();
        Graphic->SetCellBoolean(State);
        NewValue = State ? True : False;
    } else if (Kind == ctTriStateCheckBox) {
        const TCheckBoxState Old = Graphic->CellCheckBoxState();
        TCheckBoxState New = cbChecked;
        if (AutoCheck && NodeRow) {
            New = Old == cbChecked ? cbUnchecked : cbChecked;
            State = New == cbChecked;
        } else {
            New = Old == cbUnchecked ? cbGrayed : Old == cbChecked ? cbUnchecked : cbChecked;
        }
        Graphic->SetCellCheckBoxState(New);
        OldValue = Old == cbChecked ? True : False;
        NewValue = New == cbChecked ? True : False;
    } else {
        OldValue = GetCellEx(ACol, ARow);
        State = OldValue != True;
        NewValue = State ? True : False;
        SetCellEx(ACol, ARow, NewValue);
    }
    RepaintCell(DisplColIndex(ACol), ARow);
    DoCheckBoxChange(ACol, ARow, State);

    if (AutoCheck && NodeRow) {
        const int32_t First = Collapsed ? RealRowIndex(ARow) + 1 : RealRowIndex(ARow + 1);
        for (int32_t k = 0; k < Span - 1; ++k) SetCheckBoxState(ACol, First + k, State);
    } else if (AutoCheck && Parent >= 0) {
        const int32_t First = RealRowIndex(Parent) + 1;
        int32_t Checked = 0;
        for (int32_t k = 0; k < Span - 1; ++k)
            if (IsChecked(ACol, First + k)) ++Checked;
        const TCheckBoxState ParentState = Checked == 0 ? cbUnchecked : Checked == Span - 1 ? cbChecked : cbGrayed;
        SetCheckBoxState(ACol, RealRowIndex(Parent), ParentState);
    }
    if (FUndoRedo) FUndoRedo->RegisterChange(ACol, ARow, OldValue, NewValue);
    return true;
}

bool TExtStringGrid::IsInCheckBox(int32_t ACol, int32_t ARow, int32_t XPos, int32_t YPos)
{
    static const TCellTypes Kinds{ctCheckBox,    ctDataCheckBox, ctVirtCheckBox,
                                  ctRowCheckBox, ctRadioButton,  ctTriStateCheckBox};
    const TCellGraphic* Graphic = GetCellGraphic(ACol, ARow);
    if (!Graphic || !Kinds.Contains(Graphic->CellType())) return false;
    if (!FMouseActions->PreciseCheckBoxCheck()) return true;
    const TRect R = TBaseGrid::CellRect(DisplColIndex(ACol), ARow);
    const int32_t S = FControlLook->CheckSize();
    int32_t Top = R.Top + 2;
    if (Graphic->CellVAlign() == vaBottom) Top = R.Bottom - S - 2;
    else if (Graphic->CellVAlign() == vaCenter) Top = R.Top + (R.Height() - S) / 2;
    int32_t Left = R.Left + 2;
    switch (GetCellAlignments(ACol, ARow).first) {
    case taRightJustify:
        Left = R.Right - S - 2;
        if (!GetCellEx(ACol, ARow).isEmpty()) {
            TPoint Size;
            GetCellTextSize(ACol, ARow, Size, false, false);
            Left -= Size.X;
        }
        break;
    case taCenter: Left = R.Left + (R.Width() - S) / 2; break;
    default: break;
    }
    return XPos >= Left && XPos < Left + S && YPos >= Top && YPos < Top + S;
}

// ---------------------------------------------------------------------------------------------
// Radio groups and radio buttons
// ---------------------------------------------------------------------------------------------

void TExtStringGrid::AddRadio(int32_t ACol, int32_t ARow, int32_t DirRadio, int32_t IdxRadio, TStrings* sl)
{
    TCellGraphic* Graphic = NewCellGraphic(ACol, ARow);
    Graphic->SetCellType(ctRadio);
    Graphic->SetCellAngle(sl ? sl->Count() : 0);
    Graphic->SetCellBoolean(DirRadio != 0);
    Graphic->SetCellIndex(IdxRadio);
    Graphic->SetCellObject(sl);
}

TStrings* TExtStringGrid::CreateRadio(int32_t ACol, int32_t ARow, int32_t DirRadio, int32_t IdxRadio)
{
    auto* List = new TStringList();
    AddRadio(ACol, ARow, DirRadio, IdxRadio, List);
    TCellGraphic* Graphic = GetCellGraphic(ACol, ARow);
    Graphic->SetCellAngle(0);
    Graphic->SetCellCreated(true);
    return List;
}

void TExtStringGrid::RemoveRadio(int32_t ACol, int32_t ARow)
{
    RemoveCellGraphicOfType(ACol, ARow, ctRadio);
}

bool TExtStringGrid::IsRadio(int32_t ACol, int32_t ARow)
{
    return IsCellTypeIn(ACol, ARow, {ctRadio});
}

bool TExtStringGrid::GetRadioIdx(int32_t ACol, int32_t ARow, int32_t& IdxRadio)
{
    const TCellGraphic* Graphic = GetCellGraphic(ACol, ARow);
    if (!Graphic) return false;
    IdxRadio = Graphic->CellIndex();
    return Graphic->CellType() == ctRadio;
}

bool TExtStringGrid::SetRadioIdx(int32_t ACol, int32_t ARow, int32_t IdxRadio)
{
    TCellGraphic* Graphic = GetCellGraphic(ACol, ARow);
    if (!Graphic) return false;
    Graphic->SetCellIndex(IdxRadio);
    if (IdxRadio == -1) SetCellEx(ACol, ARow, QString());
    RepaintCell(ACol, ARow);
    return Graphic->CellType() == ctRadio;
}

TStrings* TExtStringGrid::GetRadioStrings(int32_t ACol, int32_t ARow)
{
    const TCellGraphic* Graphic = BaseCellGraphic(ACol, ARow);
    return Graphic && Graphic->CellType() == ctRadio ? Graphic->CellStrings() : nullptr;
}

bool TExtStringGrid::SelectNextRadio(int32_t ACol, int32_t ARow, bool CheckEditable)
{
    TCellGraphic* Graphic = GraphicOfType(ACol, ARow, ctRadio);
    if (!Graphic) return false;
    if (CheckEditable && !FControlLook->RadioAlwaysActive() && !CanEdit(ACol, ARow)) return false;
    TStrings* Options = Graphic->CellStrings();
    const int32_t Count = Options ? Options->Count() : 0;
    int32_t Next = Graphic->CellIndex() < 0 ? (Options ? Options->IndexOf(GetCellEx(ACol, ARow)) : -1) + 1
                                            : Graphic->CellIndex() + 1;
    if (Next >= Count) Next = 0;
    if (Graphic->CellIndex() >= -1) Graphic->SetCellIndex(Next);
    Graphic->SetCellVar(Next);
    if (Next < Count) SetCellEx(ACol, ARow, Options->Strings(Next));
    return true;
}

void TExtStringGrid::AddRadioButton(int32_t ACol, int32_t ARow, bool State)
{
    CheckCellInGrid(ACol, ARow);
    NewCellGraphic(ACol, ARow)->SetRadioButton(State, true, haBeforeText, CheckBoxVAlign());
}

void TExtStringGrid::RemoveRadioButton(int32_t ACol, int32_t ARow)
{
    if (RemoveCellGraphicOfType(ACol, ARow, ctRadioButton)) RepaintCell(ACol, ARow);
}

bool TExtStringGrid::HasRadioButton(int32_t ACol, int32_t ARow)
{
    return IsCellTypeIn(ACol, ARow, {ctRadioButton});
}

bool TExtStringGrid::IsRadioButtonChecked(int32_t ACol, int32_t ARow)
{
    const TCellGraphic* Graphic = BaseCellGraphic(ACol, ARow);
    return Graphic && Graphic->CellType() == ctRadioButton && Graphic->CellBoolean();
}

void TExtStringGrid::AddRadioButtonColumn(int32_t ACol)
{
    for (int32_t r = FixedRows(); r < RowCount(); ++r) AddRadioButton(ACol, r, false);
}

void TExtStringGrid::RemoveRadioButtonColumn(int32_t ACol)
{
    for (int32_t r = FixedRows(); r < RowCount(); ++r)
        if (HasRadioButton(ACol, r)) RemoveRadioButton(ACol, r);
}

bool TExtStringGrid::SetRadioButtonState(int32_t ACol, int32_t ARow, bool State)
{
    TCellGraphic* Graphic = BaseCellGraphic(ACol, ARow);
    if (!Graphic || Graphic->CellType() != ctRadioButton) return false;
    if (Graphic->CellBoolean() != State) {
        Graphic->SetCellBoolean(State);
        RepaintCell(DisplColIndex(ACol), ARow);
    }
    return true;
}

void TExtStringGrid::SetRadioButtonColumnIndex(int32_t ACol, int32_t Index)
{
    for (int32_t r = FixedRows(); r < RowCount(); ++r) SetRadioButtonState(ACol, r, r == Index);
}

int32_t TExtStringGrid::GetRadioButtonColumnIndex(int32_t ACol)
{
    for (int32_t r = FixedRows(); r < RowCount(); ++r)
        if (IsRadioButtonChecked(ACol, r)) return r;
    return -1;
}

bool TExtStringGrid::SelectRadioButton(int32_t ACol, int32_t ARow, bool CheckEditable)
{
    TCellGraphic* Graphic = GraphicOfType(ACol, ARow, ctRadioButton);
    if (!Graphic) return false;
    if (CheckEditable && !FControlLook->CheckAlwaysActive() && !CanEdit(ACol, ARow)) return false;
    if (!Graphic->CellBoolean()) {
        Graphic->SetCellBoolean(true);
        RepaintCell(DisplColIndex(ACol), ARow);
        for (int32_t r = 0; r < RowCount(); ++r) {
            if (r == ARow) continue;
            TCellGraphic* Other = GraphicOfType(ACol, r, ctRadioButton);
            if (!Other || !Other->CellBoolean()) continue;
            Other->SetCellBoolean(false);
            RepaintCell(DisplColIndex(ACol), r);
        }
    }
    return true;
}

// ---------------------------------------------------------------------------------------------
// Buttons
// ---------------------------------------------------------------------------------------------

void TExtStringGrid::AddButton(int32_t ACol, int32_t ARow, int32_t bw, int32_t bh, const QString& Caption,
                               TCellHAlign hal, TCellVAlign val)
{
    NewCellGraphic(ACol, ARow)->SetButton(bw, bh, Caption, hal, val);
}

void TExtStringGrid::AddBitButton(int32_t ACol, int32_t ARow, int32_t bw, int32_t bh, const QString& Caption,
                                  TBitmap* Glyph, TCellHAlign hal, TCellVAlign val)
{
    NewCellGraphic(ACol, ARow)->SetBitButton(bw, bh, Caption, Glyph, hal, val);
}

TBitmap* TExtStringGrid::CreateBitButton(int32_t ACol, int32_t ARow, int32_t bw, int32_t bh, const QString& Caption,
                                         TCellHAlign hal, TCellVAlign val)
{
    auto* Glyph = new TBitmap();
    TCellGraphic* Graphic = NewCellGraphic(ACol, ARow);
    Graphic->SetBitButton(bw, bh, Caption, Glyph, hal, val);
    Graphic->SetCellCreated(true);
    return Glyph;
}

void TExtStringGrid::SetButtonText(int32_t ACol, int32_t ARow, const QString& Caption)
{
    TCellGraphic* Graphic = GetCellGraphic(RealColIndex(ACol), ARow);
    if (!Graphic) return;
    Graphic->SetCellText(Caption);
    RepaintCell(ACol, ARow);
}

QString TExtStringGrid::GetButtonText(int32_t ACol, int32_t ARow)
{
    const TCellGraphic* Graphic = GetCellGraphic(RealColIndex(ACol), ARow);
    return Graphic ? Graphic->CellText() : QString();
}

void TExtStringGrid::PushButton(int32_t ACol, int32_t ARow, bool Push)
{
    TCellGraphic* Graphic = GetCellGraphic(RealColIndex(ACol), ARow);
    if (!Graphic || Graphic->CellType() == ctNode) return;
    Graphic->SetCellBoolean(Push);
    RepaintCell(ACol, ARow);
}

TRect TExtStringGrid::GetCellButtonRect(int32_t ACol, int32_t ARow)
{
    const TCellGraphic* Graphic = GetCellGraphic(RealColIndex(ACol), ARow);
    if (!Graphic) return {};
    const TRect C = TBaseGrid::CellRect(ACol, ARow);
    const auto P = static_cast<uint32_t>(RoundHalfEven(Graphic->CellValue()));
    const auto Packed = static_cast<uint32_t>(Graphic->CellIndex());
    TRect R;
    R.Left = C.Left + static_cast<int32_t>(P & 0xFFFF);
    R.Top = C.Top + static_cast<int32_t>(P / 0x10000);
    R.Right = R.Left + static_cast<int32_t>(Packed & 0xFFFF);
    R.Bottom = R.Top + static_cast<int32_t>(Packed / 0x10000);
    if (Graphic->CellVAlign() == vaFull) {
        R.Top = C.Top;
        R.Bottom = C.Bottom;
    }
    if (Graphic->CellHAlign() == haFull) {
        R.Left = C.Left;
        R.Right = C.Right;
    }
    return R;
}

void TExtStringGrid::RemoveButton(int32_t ACol, int32_t ARow)
{
    RemoveCellGraphicOfType(ACol, ARow, ctButton);
    RemoveCellGraphicOfType(ACol, ARow, ctBitButton);
}

void TExtStringGrid::RemoveBitButton(int32_t ACol, int32_t ARow)
{
    RemoveCellGraphicOfType(ACol, ARow, ctBitButton);
}

void TExtStringGrid::RemoveAllButtons()
{
    for (int32_t c = 0; c < ColCount(); ++c)
        for (int32_t r = 0; r < RowCount(); ++r)
            if (HasButton(c, r)) RemoveButton(c, r);
}

bool TExtStringGrid::HasButton(int32_t ACol, int32_t ARow)
{
    return IsCellTypeIn(ACol, ARow, ButtonCellTypes);
}

// ---------------------------------------------------------------------------------------------
// Balloons
// ---------------------------------------------------------------------------------------------

void TExtStringGrid::AddBalloon(int32_t ACol, int32_t ARow, const QString& Title, const QString& Text,
                                TBalloonIcon Icon)
{
    TCellGraphic* Graphic = GetCellGraphic(ACol, ARow);
    if (Graphic && BalloonHolderKinds.Contains(Graphic->CellType())) {
        // Texts attached before are replaced, and freed.
        if (Graphic->CellAngle() == 1) delete Graphic->CellStrings();
        Graphic->SetCellObject(nullptr);
        Graphic->SetCellAngle(1);
    } else if (Graphic) {
        return;
    } else {
        Graphic = NewCellGraphic(ACol, ARow);
        Graphic->SetCellType(ctBalloon);
        Graphic->SetCellAngle(0);
    }
    Graphic->SetCellIndex(Icon);
    auto* Texts = new TStringList();
    Texts->Add(Title);
    Texts->Add(Text);
    Graphic->SetCellObject(Texts);
}

void TExtStringGrid::RemoveBalloon(int32_t ACol, int32_t ARow)
{
    TCellGraphic* Graphic = GetCellGraphic(ACol, ARow);
    if (!Graphic) return;
    if (BalloonHolderKinds.Contains(Graphic->CellType())) {
        if (Graphic->CellAngle() != 1) return;
        delete Graphic->CellStrings();
        Graphic->SetCellObject(nullptr);
        Graphic->SetCellAngle(0);
        return;
    }
    RemoveCellGraphicOfType(ACol, ARow, ctBalloon);
}

bool TExtStringGrid::HasBalloon(int32_t ACol, int32_t ARow)
{
    return IsCellTypeIn(ACol, ARow, {ctBalloon});
}

bool TExtStringGrid::IsBalloon(int32_t ACol, int32_t ARow, QString& Title, QString& Text, TBalloonIcon& Icon)
{
    const TCellGraphic* Graphic = GetCellGraphic(ACol, ARow);
    if (!Graphic) return false;
    const bool Attached = BalloonHolderKinds.Contains(Graphic->CellType()) && Graphic->CellAngle() == 1;
    if (Graphic->CellType() != ctBalloon && !Attached) return false;
    const TStrings* Texts = Graphic->CellStrings();
    Title = Texts && Texts->Count() > 0 ? Texts->Strings(0) : QString();
    Text = Texts && Texts->Count() > 1 ? Texts->Strings(1) : QString();
    Icon = static_cast<TBalloonIcon>(Graphic->CellIndex());
    return true;
}

// ---------------------------------------------------------------------------------------------
// Expandable cells
// ---------------------------------------------------------------------------------------------

void TExtStringGrid::AddExpand(int32_t ACol, int32_t ARow, int32_t ExpandedHeight)
{
    TCellGraphic* Graphic = NewCellGraphic(ACol, ARow);
    Graphic->SetCellType(ctExpand);
    Graphic->SetCellAngle(ExpandedHeight);
    Graphic->SetCellVar(false);
    Graphic->SetCellIndex(RowHeights(ARow));
}

void TExtStringGrid::RemoveExpand(int32_t ACol, int32_t ARow)
{
    RemoveCellGraphicOfType(ACol, ARow, ctExpand);
}

bool TExtStringGrid::HasExpand(int32_t ACol, int32_t ARow)
{
    return IsCellTypeIn(ACol, ARow, {ctExpand});
}

bool TExtStringGrid::ToggleExpand(int32_t ACol, int32_t ARow)
{
    TCellGraphic* Graphic = BaseCellGraphic(ACol, ARow);
    if (!Graphic) return false;
    const bool Expanded = !Graphic->CellVar().toBool();
    Graphic->SetCellVar(Expanded);
    return Expanded;
}

bool TExtStringGrid::GetExpandState(int32_t ACol, int32_t ARow)
{
    const TCellGraphic* Graphic = BaseCellGraphic(ACol, ARow);
    return Graphic && Graphic->CellVar().toBool();
}

int32_t TExtStringGrid::GetExpandHeight(int32_t ACol, int32_t ARow, bool Expanded)
{
    const TCellGraphic* Graphic = BaseCellGraphic(ACol, ARow);
    if (!Graphic) return DefaultRowHeight();
    return Expanded ? Graphic->CellAngle() : Graphic->CellIndex();
}

TRect TExtStringGrid::GetExpandButtonRect(int32_t ACol, int32_t ARow)
{
    const TCellGraphic* Graphic = BaseCellGraphic(ACol, ARow);
    if (!Graphic || Graphic->CellType() != ctExpand) return {};
    const TRect R = TBaseGrid::CellRect(DisplColIndex(ACol), ARow);
    return {R.Right - 13, R.Top + 2, R.Right - 2, R.Top + 13};
}
