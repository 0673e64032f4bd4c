// The grid's spin, edit-with-button and value-and-unit editor wrappers.
#include "grid/view/GridValueEditors.h"

#include "grid/base/GridSettings.h"
#include "grid/core/ExtGrid.h"

#include "rtl/FormatSettings.h"
#include "windows/Clipbrd.h"

#include <QRegularExpression>

#include <cstdint>

namespace {

enum class TCharVerdict { Pass, Beep, Drop };

bool IsDigit(char16_t C)
{
    return C >= u'0' && C <= u'9';
}

// The numeric filter: Backspace, Tab, Enter, Esc, digits, and one minus sign typed at the start.
TCharVerdict NumericVerdict(char16_t C, const QString& Text, int32_t SelStart)
{
    if (C == VK_BACK || C == VK_TAB || C == VK_RETURN || C == VK_ESCAPE || IsDigit(C)) return TCharVerdict::Pass;
    if (C == u'-' && !Text.contains(QLatin1Char('-')) && SelStart == 0) return TCharVerdict::Pass;
    return TCharVerdict::Beep;
}

// The decimal filter: one decimal separator, no thousand separators, a minus sign only at the
// start (or over the selected one); other characters only with Ctrl held.
TCharVerdict FloatVerdict(char16_t C, const QString& Text, int32_t SelStart, int32_t SelLength, bool Ctrl)
{
    const bool Considered = C == VK_BACK || C == VK_TAB || C == VK_RETURN || C == VK_ESCAPE || C == u',' || C == u'-' ||
                            C == u'.' || IsDigit(C);
    if (!Considered) return Ctrl ? TCharVerdict::Pass : TCharVerdict::Drop;
    const TFormatSettings& Settings = FormatSettings();
    const QString Selected = Text.mid(SelStart, SelLength);
    if (C == Settings.DecimalSeparator.unicode()) {
        QString Outside = Text;
        Outside.remove(SelStart, SelLength);
        if (Outside.contains(Settings.DecimalSeparator)) return TCharVerdict::Drop;
        return TCharVerdict::Pass;
    }
    if (C == Settings.ThousandSeparator.unicode()) return TCharVerdict::Drop;
    if (C == u'-') {
        const bool AtStart = SelStart == 0 && !Text.contains(QLatin1Char('-'));
        return AtStart || Selected.contains(QLatin1Char('-')) ? TCharVerdict::Pass : TCharVerdict::Beep;
    }
    return TCharVerdict::Pass;
}

// The filter of Type for character C typed into Edit; Pass for the types that take any character.
TCharVerdict EditorCharVerdict(TEditorType Type, char16_t C, const TCustomEdit& Edit)
{
    switch (Type) {
    case edNumericEditBtn:
    case edNumericUnitEditBtn: return NumericVerdict(C, Edit.Text(), Edit.SelStart());
    case edFloatEditBtn:
    case edFloatUnitEditBtn:
        return FloatVerdict(C, Edit.Text(), Edit.SelStart(), Edit.SelLength(), GetKeyState(VK_CONTROL) < 0);
    default: return TCharVerdict::Pass;
    }
}

// Whether a whole text could have been typed through the filter of Type.
bool TakesText(TEditorType Type, const QString& Text)
{
    if (Type == edNumericEditBtn) {
        static const QRegularExpression Whole(QStringLiteral("^-?[0-9]*$"));
        return Whole.match(Text).hasMatch();
    }
    if (Type == edFloatEditBtn) {
        const QString Sep = QRegularExpression::escape(QString(FormatSettings().DecimalSeparator));
        const QRegularExpression Decimal(QStringLiteral("^-?[0-9]*(%1[0-9]*)?$").arg(Sep));
        return Decimal.match(Text).hasMatch();
    }
    return true;
}

bool IsPlainKey(TShiftState Shift)
{
    return !Shift.Contains(ssShift) && !Shift.Contains(ssCtrl) && !Shift.Contains(ssAlt);
}

}  // namespace

// ---- TGridSpin ----

TGridSpin::TGridSpin(TComponent* AOwner) : TEsgSpinEdit(AOwner), TGridEditorContract(AOwner)
{
    SetMaxValue(100);
    SetMinValue(0);
    SetIncrement(1);
}

void TGridSpin::UpClick(TObject* Sender)
{
    TEsgSpinEdit::UpClick(Sender);
    SpinClicked(true);
}

void TGridSpin::DownClick(TObject* Sender)
{
    TEsgSpinEdit::DownClick(Sender);
    SpinClicked(false);
}

void TGridSpin::SpinClicked(bool Up)
{
    TExtStringGrid* G = Grid();
    switch (SpinType()) {
    case sptNormal:
        if (G->OnSpinClick) G->OnSpinClick(G, G->Col(), G->Row(), Value(), Up);
        break;
    case sptFloat:
        if (G->OnFloatSpinClick) G->OnFloatSpinClick(G, G->Col(), G->Row(), FloatValue(), Up);
        break;
    case sptDate:
        if (G->OnDateSpinClick) G->OnDateSpinClick(G, G->Col(), G->Row(), DateValue(), Up);
        break;
    case sptTime:
        if (G->OnTimeSpinClick) G->OnTimeSpinClick(G, G->Col(), G->Row(), TimeValue(), Up);
        break;
    }
}

void TGridSpin::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_KEYDOWN:
        // The arrows and page keys reach KeyDown, which leaves the cell or steps by its own rules.
        if (Message.WParam == VK_UP || Message.WParam == VK_DOWN || Message.WParam == VK_PRIOR ||
            Message.WParam == VK_NEXT) {
            TCustomMaskEdit::Dispatch(Message);
            return;
        }
        break;
    case WM_CHAR:
        if (Message.WParam == VK_TAB || Message.WParam == VK_RETURN) {
            Message.Result = 0;
            return;
        }
        break;
    case CM_WANTSPECIALKEY:
        TEsgSpinEdit::Dispatch(Message);
        // Tab only with goTabs: a validation event alone leaves Tab to the form.
        if (Message.WParam == VK_RETURN || Message.WParam == VK_ESCAPE || (Message.WParam == VK_TAB && GridHasTabs()))
            Message.Result = 1;
        return;
    default: break;
    }
    TEsgSpinEdit::Dispatch(Message);
}

void TGridSpin::DoExit()
{
    EndGridEdit();
    TEsgSpinEdit::DoExit();
}

void TGridSpin::Change()
{
    TCustomMaskEdit::Change();
    FireEditChange(Text());
}

void TGridSpin::KeyPress(QChar& Key)
{
    if (Key == QChar(VK_ESCAPE)) Key = QChar();
    // The spin would beep at Enter.
    if (Key == QChar(VK_RETURN)) Key = QChar();
    if (!Key.isNull()) TEsgSpinEdit::KeyPress(Key);
}

void TGridSpin::PageKey(uint16_t Key)
{
    if (SpinType() == sptNormal) {
        const int64_t Now = Value();
        switch (Key) {
        case VK_PRIOR:
            if (Now + Increment() <= MaxValue()) SetValue(static_cast<int32_t>(Now + Increment()));
            break;
        case VK_NEXT:
            if (Now - Increment() >= MinValue()) SetValue(static_cast<int32_t>(Now - Increment()));
            break;
        case VK_END: SetValue(MinValue()); break;
        case VK_HOME: SetValue(MaxValue()); break;
        default: break;
        }
    } else if (SpinType() == sptFloat) {
        const double Now = FloatValue();
        switch (Key) {
        case VK_PRIOR:
            if (Now + IncrementFloat() <= MaxFloatValue()) SetFloatValue(Now + IncrementFloat());
            break;
        case VK_NEXT:
            if (Now - IncrementFloat() >= MinFloatValue()) SetFloatValue(Now - IncrementFloat());
            break;
        case VK_END: SetFloatValue(MinFloatValue()); break;
        case VK_HOME: SetFloatValue(MaxFloatValue()); break;
        default: break;
        }
    } else if (Key == VK_PRIOR || Key == VK_NEXT) {
        // Dates and times keep the spin's own page step.
        if (Key == VK_PRIOR) SpinUp(true);
        else SpinDown(true);
    }
    TExtStringGrid* G = Grid();
    if (G->OnSpinClick) G->OnSpinClick(G, G->Col(), G->Row(), Value(), Key == VK_PRIOR || Key == VK_HOME);
}

void TGridSpin::KeyDown(uint16_t& Key, TShiftState Shift)
{
    if (Key == VK_PRIOR || Key == VK_NEXT || Key == VK_HOME || Key == VK_END) PageKey(Key);
    if (Key != VK_TAB && Key != VK_RETURN && Key != VK_ESCAPE && Key != VK_UP && Key != VK_DOWN) {
        TEsgSpinEdit::KeyDown(Key, Shift);
        return;
    }
    if (Key == VK_ESCAPE) {
        SetText(GridOriginalCellValue());
        if (SpinType() == sptNormal) SetValue(Value());
        else if (SpinType() == sptFloat) SetFloatValue(FloatValue());
        // The cell keeps the text it had, whatever the spin made of it.
        CancelGridEdit();
    } else {
        SetGridCurrentCell(Text());
        if (!ValidateGridCell(Text())) {
            SetText(GridCurrentCell());
            SetSelStart(static_cast<int32_t>(Text().size()));
            Key = 0;
            SetNoAutoAdvance(true);
            Invalidate();
            return;
        }
        SetText(GridCurrentCell());
        if (Key == VK_TAB && GridHasTabs()) {
            TabToNextCell();
            return;
        }
    }
    LeaveCell(Key, Shift);
    TEsgSpinEdit::KeyDown(Key, Shift);
}

TGridSpin* TExtStringGrid::SpinEdit()
{
    if (!FEditSpin) {
        FEditSpin = new TGridSpin(this);
        FEditSpin->SetParent(this);
        FEditSpin->SetEnabled(false);
        FEditSpin->SetVisible(false);
        FEditSpin->SetBorderStyle(bsNone);
        FEditSpin->SetIsWinXP(FIsWinXP);
    }
    return FEditSpin;
}

// ---- TGridEditBtn ----

TGridEditBtn::TGridEditBtn(TComponent* AOwner) : TEsgEditBtn(AOwner), TGridEditorContract(AOwner)
{
    OnClickBtn = [this](TObject*) { ClickBtn(); };
}

void TGridEditBtn::ClickBtn()
{
    QString Value = Text();
    Grid()->DoEllipsClick(Value);
    SetText(Value);
    SelectAll();
    Invalidate();
    if (FStopEditAfterClick) {
        EndGridEdit();
        FocusGrid();
    }
}

void TGridEditBtn::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_CHAR: WMChar(Message); return;
    case WM_PASTE: WMPaste(); return;
    case WM_LBUTTONDBLCLK: {
        TEsgEditBtn::Dispatch(Message);
        TExtStringGrid* G = Grid();
        if (G->OnDblClickCell) G->OnDblClickCell(G, G->Row(), G->Col());
        return;
    }
    case CM_WANTSPECIALKEY:
        TEsgEditBtn::Dispatch(Message);
        if (ClaimsSpecialKey(static_cast<uint16_t>(Message.WParam))) Message.Result = 1;
        return;
    default: TEsgEditBtn::Dispatch(Message); return;
    }
}

void TGridEditBtn::WMChar(TMessage& Message)
{
    const auto C = static_cast<char16_t>(Message.WParam);
    if (C == VK_RETURN || C == VK_TAB) {
        Message.Result = 1;
        return;
    }
    const TEditorType Type = Grid()->EditControl;
    if (Type != edEditBtn && Type != edMaskEditBtn && Type != edNumericEditBtn && Type != edFloatEditBtn) return;
    switch (EditorCharVerdict(Type, C, *this)) {
    case TCharVerdict::Pass: TEsgEditBtn::Dispatch(Message); break;
    case TCharVerdict::Beep: MessageBeep(0); break;
    case TCharVerdict::Drop: break;
    }
}

void TGridEditBtn::WMPaste()
{
    if (!EditorEnabled() || ReadOnly() || !Clipboard()->HasFormat(CF_TEXT)) return;
    TExtStringGrid* G = Grid();
    bool Allow = true;
    QString S = Clipboard()->AsText();
    if (G->OnClipboardPaste) G->OnClipboardPaste(this, Allow);
    if (Allow && G->OnClipboardBeforePasteCell) G->OnClipboardBeforePasteCell(this, G->Col(), G->Row(), S, Allow);
    if (!Allow) return;
    // A copied cell ends with its line break.
    if (S.endsWith(QStringLiteral("\r\n")) && !S.chopped(2).contains(QLatin1Char('\r')) &&
        !S.chopped(2).contains(QLatin1Char('\n')))
        S.chop(2);
    const int32_t Start = SelStart();
    const int32_t Length = SelLength();
    QString Pasted = Text();
    Pasted.replace(Start, Length, S);
    // A number cell takes only what its filter would have let through.
    if (!TakesText(G->EditControl, Pasted)) {
        MessageBeep(0);
        return;
    }
    SetText(Pasted);
    G->SetCurrentCellEditText(Pasted);
    SetSelStart(Length > 0 ? Start : Start + static_cast<int32_t>(S.size()));
    SetSelLength(Length > 0 ? static_cast<int32_t>(S.size()) : 0);
}

void TGridEditBtn::KeyPress(QChar& Key)
{
    FireGridKeyPress(Grid(), Key);
    if (Key != QChar(VK_TAB)) TEsgEditBtn::KeyPress(Key);
}

void TGridEditBtn::DoExit()
{
    EndGridEdit();
    TEsgEditBtn::DoExit();
}

void TGridEditBtn::Change()
{
    TCustomMaskEdit::Change();
    FireEditChange(Text());
}

void TGridEditBtn::KeyDown(uint16_t& Key, TShiftState Shift)
{
    TExtStringGrid* G = Grid();
    const bool Handled = Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE || Key == VK_PRIOR || Key == VK_NEXT ||
                         Key == VK_UP || Key == VK_DOWN;
    if (!Handled && G->OnKeyDown) G->OnKeyDown(G, Key, Shift);
    WorkMode = Key != VK_BACK && Key != VK_DELETE;
    FSelKeyDown = SelStart();
    if (Shift.Contains(ssCtrl) || !Handled) {
        TEsgEditBtn::KeyDown(Key, Shift);
        return;
    }
    if (OnKeyDown) OnKeyDown(this, Key, Shift);
    const TEditorType Type = G->EditControl;
    if (Key == VK_TAB || Key == VK_RETURN || Key == VK_UP || Key == VK_DOWN) {
        SetGridCurrentCell(Text());
        const bool Valid = ValidateGridCell(Text());
        SetText(NewCellText());
        if (!Valid) {
            SelectAll();
            Invalidate();
            Key = 0;
            G->EditControl = Type;
            return;
        }
    }
    if (Key == VK_TAB && GridWantsEditorTab()) {
        SetGridCurrentCell(Text());
        if (!ValidateGridCell(Text())) {
            SetText(NewCellText());
            SetSelStart(static_cast<int32_t>(Text().size()));
            Invalidate();
            Key = 0;
            return;
        }
        if (GridHasTabs()) {
            TabToNextCell();
            return;
        }
        PostTabToGrid();
    }
    if (Key == VK_ESCAPE) {
        SetText(GridOriginalCellValue());
        CancelGridEdit();
    }
    DoneGridEdit(Key, Shift);
}

void TGridEditBtn::KeyUp(uint16_t& Key, TShiftState Shift)
{
    TExtStringGrid* G = Grid();
    if (G->OnKeyUp) G->OnKeyUp(G, Key, Shift);
    if (G->Navigation()->CursorWalkEditor() && IsPlainKey(Shift) && SelLength() == 0) {
        if (Key == VK_LEFT && FSelKeyDown == 0) {
            Key = 0;
            CursorWalkOut(Text(), false);
        } else if (Key == VK_RIGHT && SelStart() == Text().size()) {
            Key = 0;
            CursorWalkOut(Text(), true);
        }
    }
    if (Key != VK_RETURN) TEsgEditBtn::KeyUp(Key, Shift);
    // A walk that ended the edit leaves the text as it was stored.
    if (Visible()) DoChange();
}

void TGridEditBtn::DoChange()
{
    TExtStringGrid* G = Grid();
    if (!WorkMode || SelLength() != 0 || !G->Lookup() || G->LookupItems()->Count() == 0) return;
    const QString Typed = Text().left(SelStart());
    if (Typed.isEmpty()) return;
    const bool CaseSensitive = G->LookupCaseSensitive();
    const QString Prefix = CaseSensitive ? Typed : Typed.toUpper();
    for (int32_t I = 0; I < G->LookupItems()->Count(); ++I) {
        const QString Item = G->LookupItems()->Strings(I);
        if (!(CaseSensitive ? Item : Item.toUpper()).startsWith(Prefix)) continue;
        const QString Completed = (Typed + Item.mid(Typed.size())).left(255);
        SetText(Completed);
        SetSelStart(static_cast<int32_t>(Typed.size()));
        SetSelLength(static_cast<int32_t>(Completed.size() - Typed.size()));
        return;
    }
}

// ---- TGridUnitEditBtn ----

TGridUnitEditBtn::TGridUnitEditBtn(TComponent* AOwner) : TEsgUnitEditBtn(AOwner), TGridEditorContract(AOwner)
{
    OnClickBtn = [this](TObject*) { ClickBtn(); };
}

void TGridUnitEditBtn::ClickBtn()
{
    QString Value = Text();
    Grid()->DoEllipsClick(Value);
    SetText(Value);
    SelectAll();
    Invalidate();
}

void TGridUnitEditBtn::ShowTextAndUnit(const QString& Value)
{
    SetUnitID(QString());
    SetText(Value);
    SetTextAndUnit(Value);
}

void TGridUnitEditBtn::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_CHAR: {
        const auto C = static_cast<char16_t>(Message.WParam);
        if (C == VK_RETURN) {
            Message.Result = 0;
            return;
        }
        switch (EditorCharVerdict(Grid()->EditControl, C, *this)) {
        case TCharVerdict::Pass: TEsgUnitEditBtn::Dispatch(Message); break;
        case TCharVerdict::Beep: MessageBeep(0); break;
        case TCharVerdict::Drop: break;
        }
        return;
    }
    case CM_WANTSPECIALKEY:
        TEsgUnitEditBtn::Dispatch(Message);
        if (Message.WParam == VK_RETURN || Message.WParam == VK_ESCAPE || (Message.WParam == VK_TAB && GridHasTabs()))
            Message.Result = 1;
        return;
    default: TEsgUnitEditBtn::Dispatch(Message); return;
    }
}

void TGridUnitEditBtn::DoExit()
{
    EndGridEdit();
    TEsgUnitEditBtn::DoExit();
}

void TGridUnitEditBtn::KeyDown(uint16_t& Key, TShiftState Shift)
{
    if (Key != VK_TAB && Key != VK_RETURN && Key != VK_ESCAPE && Key != VK_PRIOR && Key != VK_NEXT && Key != VK_UP &&
        Key != VK_DOWN) {
        TEsgUnitEditBtn::KeyDown(Key, Shift);
        return;
    }
    TExtStringGrid* G = Grid();
    if (Key == VK_TAB || Key == VK_RETURN || Key == VK_UP || Key == VK_DOWN) {
        SetGridCurrentCell(TextAndUnit());
        if (!ValidateGridCell(TextAndUnit())) {
            // Split again: the value read back is the cell text, the unit not doubled.
            ShowTextAndUnit(GridCurrentCell());
            return;
        }
        SetTextAndUnit(GridCurrentCell());
        if (Key == VK_RETURN && G->Navigation()->AdvanceOnEnter()) {
            EndGridEdit();
            FocusGrid();
            Key = 0;
            G->AdvanceAfterEdit(G->Col(), G->Row(), false, true, true, false, true);
            return;
        }
        if (Key == VK_TAB && GridHasTabs()) {
            TabToNextCell();
            return;
        }
    }
    if (Key == VK_ESCAPE) {
        SetUnitID(QString());
        SetText(GridCurrentCell());
        CancelGridEdit();
    }
    DoneGridEdit(Key, Shift);
}
