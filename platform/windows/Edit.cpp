// TCustomEdit: the edit control's text, selection and undo, its messages, keys and clipboard, and its window.
#include "windows/StdCtrls.h"

#include "graphics/Canvas.h"
#include "graphics/DrawText.h"
#include "graphics/GraphicsObjects.h"
#include "windows/private/ClassicLook.h"
#include "windows/private/EditView.h"
#include "windows/private/ScreenCanvas.h"
#include "windows/private/Window.h"
#include "windows/private/WindowWidget.h"

#include <QClipboard>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QTextDocument>
#include <QTextOption>

using namespace WindowsInternal;

namespace {

// The limit of an edit that has none.
constexpr int32_t NoTextLimit = 0x7FFFFFFE;
// The space left and right of the text, in pixels.
constexpr int32_t DefaultMargin = 2;
const QString LineBreak = QStringLiteral("\r\n");

TEditView* ViewOf(const TWinControl* Control)
{
    return Control->HandleAllocated() ? dynamic_cast<TEditView*>(WidgetOf(Control->Handle())) : nullptr;
}

QClipboard* Clipboard()
{
    return QGuiApplication::clipboard();
}

// The cell height of Font's characters (tmHeight), as measured on the screen.
int32_t CellHeight(TFont* Font)
{
    TCanvas* Measure = ScreenCanvas();
    Measure->SetFont(Font);
    TEXTMETRIC Metrics;
    GetTextMetrics(Measure->Handle(), Metrics);
    return Metrics.tmHeight;
}

}  // namespace

// The state the last undoable change started from; typing goes on merging into it up to TypingEnd.
struct TCustomEdit::TUndo {
    QString Text;
    int32_t Anchor = 0;
    int32_t Caret = 0;
    int32_t TypingEnd = -1;
};

TCustomEdit::TCustomEdit(TComponent* AOwner)
    : TWinControl(AOwner), FTextLimit(NoTextLimit), FLeftMargin(DefaultMargin), FRightMargin(DefaultMargin)
{
    FControlStyle = {csClickEvents, csSetCaption, csDoubleClicks, csFixedHeight};
    SetBounds(0, 0, 121, 25);
    SetTabStop(true);
    SetParentColor(false);
    AdjustHeight();
}

TCustomEdit::~TCustomEdit() = default;

// ---- Properties ----

void TCustomEdit::SetAlignment(TAlignment Value)
{
    if (FAlignment == Value) return;
    FAlignment = Value;
    RecreateWnd();
}

void TCustomEdit::SetAutoSize(bool Value)
{
    if (FAutoSize == Value) return;
    FAutoSize = Value;
    if (Value) FControlStyle.Include(csFixedHeight);
    else FControlStyle.Exclude(csFixedHeight);
    AdjustHeight();
}

void TCustomEdit::SetBorderStyle(TBorderStyle Value)
{
    if (FBorderStyle == Value) return;
    FBorderStyle = Value;
    RecreateWnd();
    AdjustHeight();
}

void TCustomEdit::SetCharCase(TEditCharCase Value)
{
    if (FCharCase == Value) return;
    FCharCase = Value;
    // The text already there takes the new case too, as a window made with the style converts it.
    FEditText = Normalized(FEditText);
    ShowText();
    ShowSelection();
}

void TCustomEdit::SetHideSelection(bool Value)
{
    if (FHideSelection == Value) return;
    FHideSelection = Value;
    RecreateWnd();
}

int32_t TCustomEdit::MaxLength() const
{
    return FTextLimit >= NoTextLimit ? 0 : FTextLimit;
}

void TCustomEdit::SetMaxLength(int32_t Value)
{
    Perform(EM_LIMITTEXT, static_cast<WPARAM>(std::max(Value, 0)), 0);
}

bool TCustomEdit::Modified() const
{
    return const_cast<TCustomEdit*>(this)->Perform(EM_GETMODIFY, 0, 0) != 0;
}

void TCustomEdit::SetModified(bool Value)
{
    Perform(EM_SETMODIFY, Value, 0);
}

void TCustomEdit::SetPasswordChar(QChar Value)
{
    Perform(EM_SETPASSWORDCHAR, Value.unicode(), 0);
}

void TCustomEdit::SetReadOnly(bool Value)
{
    Perform(EM_SETREADONLY, Value, 0);
}

int32_t TCustomEdit::SelStart() const
{
    uint32_t Start = 0;
    const_cast<TCustomEdit*>(this)->Perform(EM_GETSEL, reinterpret_cast<WPARAM>(&Start), 0);
    return static_cast<int32_t>(Start);
}

void TCustomEdit::SetSelStart(int32_t Value)
{
    Perform(EM_SETSEL, static_cast<WPARAM>(Value), Value);
}

int32_t TCustomEdit::SelLength() const
{
    uint32_t Start = 0, End = 0;
    const_cast<TCustomEdit*>(this)->Perform(EM_GETSEL, reinterpret_cast<WPARAM>(&Start), reinterpret_cast<LPARAM>(&End));
    return static_cast<int32_t>(End - Start);
}

void TCustomEdit::SetSelLength(int32_t Value)
{
    const int32_t Start = SelStart();
    Perform(EM_SETSEL, static_cast<WPARAM>(Start), Start + Value);
}

QString TCustomEdit::SelText() const
{
    return Text().mid(SelStart(), SelLength());
}

void TCustomEdit::SetSelText(const QString& Value)
{
    Perform(EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(Value.utf16()));
}

void TCustomEdit::SelectAll()
{
    Perform(EM_SETSEL, 0, -1);
}

void TCustomEdit::ClearSelection()
{
    Perform(WM_CLEAR, 0, 0);
}

bool TCustomEdit::CanUndo() const
{
    return const_cast<TCustomEdit*>(this)->Perform(EM_CANUNDO, 0, 0) != 0;
}

void TCustomEdit::Undo()
{
    Perform(WM_UNDO, 0, 0);
}

void TCustomEdit::ClearUndo()
{
    Perform(EM_EMPTYUNDOBUFFER, 0, 0);
}

void TCustomEdit::CutToClipboard()
{
    Perform(WM_CUT, 0, 0);
}

void TCustomEdit::CopyToClipboard()
{
    Perform(WM_COPY, 0, 0);
}

void TCustomEdit::PasteFromClipboard()
{
    Perform(WM_PASTE, 0, 0);
}

void TCustomEdit::AdjustHeight()
{
    if (FAutoSize && FBorderStyle == bsSingle) SetHeight(CellHeight(Font()) + 8);
}

bool TCustomEdit::MultiLine() const
{
    if (HandleAllocated()) return GetWindowLong(Handle(), GWL_STYLE) & ES_MULTILINE;
    TCreateParams Params;
    const_cast<TCustomEdit*>(this)->CreateParams(Params);
    return Params.Style & ES_MULTILINE;
}

LRESULT TCustomEdit::DialogCode()
{
    LRESULT Code = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
    if (MultiLine()) Code |= DLGC_WANTALLKEYS;
    return Code;
}

void TCustomEdit::Change()
{
    if (OnChange) OnChange(this);
}

// ---- The window ----

void TCustomEdit::CreateParams(TCreateParams& Params)
{
    TWinControl::CreateParams(Params);
    static constexpr uint32_t Alignments[] = {ES_LEFT, ES_RIGHT, ES_CENTER};
    Params.Style |= ES_AUTOHSCROLL | ES_AUTOVSCROLL | Alignments[FAlignment];
    if (!FPasswordChar.isNull()) Params.Style |= ES_PASSWORD;
    if (FReadOnly) Params.Style |= ES_READONLY;
    if (FCharCase == ecUpperCase) Params.Style |= ES_UPPERCASE;
    if (FCharCase == ecLowerCase) Params.Style |= ES_LOWERCASE;
    if (!FHideSelection) Params.Style |= ES_NOHIDESEL;
    if (FBorderStyle == bsSingle) Params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomEdit::CreateWindowWidget(TWidgetRequest& Request)
{
    QWidget* ParentWidget = Request.Parent;
    Request.Widget = new TEditView(ParentWidget);
}

void TCustomEdit::CreateWnd()
{
    TWinControl::CreateWnd();
    if (TEditView* View = ViewOf(this)) View->OnSelectionMoved = [this] { TakeSelectionFromView(); };
    ShowFormat();
    ShowText();
    ShowSelection();
}

void TCustomEdit::DestroyWnd()
{
    if (TEditView* View = ViewOf(this)) View->OnSelectionMoved = nullptr;
    TWinControl::DestroyWnd();
}

void TCustomEdit::ShowFormat()
{
    TEditView* View = ViewOf(this);
    if (!View) return;
    const auto Style = static_cast<uint32_t>(GetWindowLong(Handle(), GWL_STYLE));
    const auto ExStyle = static_cast<uint32_t>(GetWindowLong(Handle(), GWL_EXSTYLE));
    const bool Multi = Style & ES_MULTILINE;
    if (ExStyle & WS_EX_CLIENTEDGE) View->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    else if (Style & WS_BORDER) View->setFrameStyle(QFrame::Box | QFrame::Plain);
    else View->setFrameStyle(QFrame::NoFrame);
    View->setLineWrapMode(Multi && !(Style & ES_AUTOHSCROLL) ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    View->setVerticalScrollBarPolicy(Multi && (Style & WS_VSCROLL) ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    View->setHorizontalScrollBarPolicy(Multi && (Style & WS_HSCROLL) ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    QTextOption Option = View->document()->defaultTextOption();
    Option.setAlignment((Style & ES_RIGHT) ? Qt::AlignRight : (Style & ES_CENTER) ? Qt::AlignHCenter : Qt::AlignLeft);
    View->document()->setDefaultTextOption(Option);
    // Tab stops every eight average characters.
    View->setTabStopDistance(8 * QFontMetrics(View->font()).averageCharWidth());
    const TRect Client = ClientRect();
    TRect Format;
    Perform(EM_GETRECT, 0, reinterpret_cast<LPARAM>(&Format));
    View->SetTextMargins(QMargins(Format.Left, Format.Top, Client.Right - Format.Right, Client.Bottom - Format.Bottom));
    SetWidgetColors(View, QPalette::Base, Color(), Font()->Color());
    View->SetHideSelection(!(Style & ES_NOHIDESEL));
}

void TCustomEdit::ShowText()
{
    if (TEditView* View = ViewOf(this)) View->ShowText(ViewText(FEditText));
}

void TCustomEdit::ShowSelection()
{
    if (TEditView* View = ViewOf(this)) View->ShowSelection(ToView(FAnchor), ToView(FCaret));
}

void TCustomEdit::TakeSelectionFromView()
{
    const TEditView* View = ViewOf(this);
    FAnchor = FromView(View->Anchor());
    FCaret = FromView(View->Caret());
    if (FUndo) FUndo->TypingEnd = -1;
}

QString TCustomEdit::ViewText(const QString& Text) const
{
    if (!FPasswordChar.isNull()) return QString(Text.size(), FPasswordChar);
    QString Shown = Text;
    if (MultiLine()) return Shown.remove(QLatin1Char('\r'));
    return Shown.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
}

// In a multi-line edit the view has one character for each CR LF of the text.
int32_t TCustomEdit::ToView(int32_t Pos) const
{
    if (!FPasswordChar.isNull() || !MultiLine()) return Pos;
    return Pos - static_cast<int32_t>(FEditText.left(Pos).count(QLatin1Char('\r')));
}

int32_t TCustomEdit::FromView(int32_t Pos) const
{
    if (!FPasswordChar.isNull() || !MultiLine()) return Pos;
    int32_t Model = 0;
    for (int32_t Seen = 0; Seen < Pos && Model < FEditText.size(); ++Seen)
        Model += FEditText[Model] == QLatin1Char('\r') ? 2 : 1;
    return Model;
}

// ---- Messages ----

void TCustomEdit::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case CM_ENTER: CMEnter(Message); break;
    case CM_TEXTCHANGED: CMTextChanged(Message); break;
    case CN_COMMAND: CNCommand(TWMCommand(Message)); break;
    case CM_FONTCHANGED:
        TWinControl::Dispatch(Message);
        AdjustHeight();
        ShowFormat();
        break;
    case CM_COLORCHANGED:
        TWinControl::Dispatch(Message);
        ShowFormat();
        break;
    case WM_SIZE:
        // A new size resets the formatting rectangle to the client area.
        FFormatRect.reset();
        TWinControl::Dispatch(Message);
        ShowFormat();
        break;
    default: TWinControl::Dispatch(Message); break;
    }
}

void TCustomEdit::CMEnter(TMessage& Message)
{
    const bool ByMouse = FControlState.Contains(csLButtonDown) || GetKeyState(VK_LBUTTON) < 0;
    if (FAutoSelect && !ByMouse && !MultiLine()) SelectAll();
    TWinControl::Dispatch(Message);
}

void TCustomEdit::CMTextChanged(TMessage& Message)
{
    TWinControl::Dispatch(Message);
    // A multi-line edit window (or no window at all) tells nothing of text set by program.
    if (!HandleAllocated() || MultiLine()) Change();
}

void TCustomEdit::CNCommand(TWMCommand Message)
{
    if (Message.NotifyCode() == EN_CHANGE) Change();
}

void TCustomEdit::DefaultHandler(TMessage& Message)
{
    if (!EditMessage(Message)) TWinControl::DefaultHandler(Message);
}

bool TCustomEdit::EditMessage(TMessage& Message)
{
    const WPARAM W = Message.WParam;
    const LPARAM L = Message.LParam;
    // A position or line number in WParam; -1 stands for the caret's.
    const auto Index = static_cast<int32_t>(static_cast<intptr_t>(W));
    const auto Length = static_cast<int32_t>(FEditText.size());
    switch (Message.Msg) {
    case WM_GETTEXTLENGTH: Message.Result = Length; return true;
    case WM_GETTEXT: Message.Result = CopyTextToBuffer(FEditText, W, L); return true;
    case WM_SETTEXT:
        SetEditText(QString::fromUtf16(reinterpret_cast<const char16_t*>(L)));
        Message.Result = 1;
        return true;
    case WM_CHAR: return CharMessage(Message);
    case WM_KEYDOWN: EditKey(Message); return true;
    case WM_KEYUP: return true;
    case WM_GETDLGCODE: Message.Result = DialogCode(); return true;
    case WM_SETFOCUS: NotifyParent(EN_SETFOCUS); return true;
    case WM_KILLFOCUS: NotifyParent(EN_KILLFOCUS); return true;
    case WM_CUT: Cut(); return true;
    case WM_COPY: Copy(); return true;
    case WM_PASTE: Paste(); return true;
    case WM_CLEAR:
        if (!FReadOnly) ReplaceSelection({}, true);
        return true;
    case WM_UNDO:
    case EM_UNDO:
        // A single-line edit always answers TRUE.
        Message.Result = FUndo != nullptr || !MultiLine();
        UndoLast();
        return true;
    case EM_GETSEL:
        if (W) *reinterpret_cast<uint32_t*>(W) = static_cast<uint32_t>(SelectionStart());
        if (L) *reinterpret_cast<uint32_t*>(L) = static_cast<uint32_t>(SelectionEnd());
        // The packed result has 16 bits for each end; past them it is -1.
        if (SelectionEnd() > 0xFFFF) Message.Result = -1;
        else Message.Result = static_cast<LRESULT>(MAKELONG(static_cast<uint16_t>(SelectionStart()), static_cast<uint16_t>(SelectionEnd())));
        return true;
    case EM_SETSEL:
        // A start of -1 only drops the selection; an end of -1 means the end of the text.
        if (Index < 0) Select(FCaret, FCaret);
        else Select(Index, L < 0 ? Length : static_cast<int32_t>(L));
        return true;
    case EM_REPLACESEL: ReplaceSelection(QString::fromUtf16(reinterpret_cast<const char16_t*>(L)), W != 0); return true;
    case EM_GETMODIFY: Message.Result = FModified; return true;
    case EM_SETMODIFY: FModified = W != 0; return true;
    case EM_CANUNDO: Message.Result = FUndo != nullptr; return true;
    case EM_EMPTYUNDOBUFFER: FUndo.reset(); return true;
    case EM_LIMITTEXT: FTextLimit = W == 0 ? NoTextLimit : static_cast<int32_t>(std::min<WPARAM>(W, NoTextLimit)); return true;
    case EM_GETLIMITTEXT: Message.Result = FTextLimit; return true;
    case EM_SETREADONLY:
        FReadOnly = W != 0;
        SetStyleBit(ES_READONLY, FReadOnly);
        Message.Result = 1;
        return true;
    case EM_SETPASSWORDCHAR:
        FPasswordChar = QChar(static_cast<char16_t>(W));
        SetStyleBit(ES_PASSWORD, !FPasswordChar.isNull());
        ShowText();
        ShowSelection();
        return true;
    case EM_GETPASSWORDCHAR: Message.Result = FPasswordChar.unicode(); return true;
    case EM_GETLINECOUNT: Message.Result = LineCount(); return true;
    case EM_LINEINDEX: Message.Result = LineIndex(Index); return true;
    case EM_LINELENGTH: Message.Result = Index > Length ? 0 : LineLength(Index); return true;
    case EM_LINEFROMCHAR: Message.Result = LineOfChar(Index); return true;
    case EM_GETLINE: {
        // A single-line edit has its one line whatever the number asked.
        const int32_t Start = MultiLine() ? LineIndex(Index) : 0;
        auto* Buffer = reinterpret_cast<char16_t*>(L);
        if (Start < 0 || !Buffer) return true;
        const QString Line = FEditText.mid(Start, LineLength(Start)).left(Buffer[0]);
        std::copy_n(Line.utf16(), Line.size(), Buffer);
        Message.Result = Line.size();
        return true;
    }
    case EM_CHARFROMPOS: Message.Result = CharFromPos(LParamToPoint(L)); return true;
    case EM_POSFROMCHAR: Message.Result = PosFromChar(Index); return true;
    case EM_SETMARGINS: {
        const auto Margin = [](uint16_t Value) { return Value == EC_USEFONTINFO ? DefaultMargin : static_cast<int32_t>(Value); };
        if (W & EC_LEFTMARGIN) FLeftMargin = Margin(LOWORD(static_cast<uintptr_t>(L)));
        if (W & EC_RIGHTMARGIN) FRightMargin = Margin(HIWORD(static_cast<uintptr_t>(L)));
        ShowFormat();
        return true;
    }
    case EM_GETMARGINS: Message.Result = MAKELONG(static_cast<uint16_t>(FLeftMargin), static_cast<uint16_t>(FRightMargin)); return true;
    case EM_SETRECT:
    case EM_SETRECTNP:
        if (!MultiLine()) return true;
        if (const auto* Rect = reinterpret_cast<const TRect*>(L)) FFormatRect = *Rect;
        else FFormatRect.reset();
        ShowFormat();
        return true;
    case EM_GETRECT: *reinterpret_cast<TRect*>(L) = FFormatRect ? *FFormatRect : DefaultFormatRect(); return true;
    case EM_SCROLLCARET: ShowSelection(); return true;
    default: return false;
    }
}

// The window's style follows the read-only and password settings changed by message.
void TCustomEdit::SetStyleBit(uint32_t Bit, bool On)
{
    if (!HandleAllocated()) return;
    const auto Style = static_cast<uint32_t>(GetWindowLong(Handle(), GWL_STYLE));
    SetWindowLong(Handle(), GWL_STYLE, static_cast<int32_t>(On ? Style | Bit : Style & ~Bit));
}

bool TCustomEdit::CharMessage(TMessage& Message)
{
    const auto Unit = static_cast<char16_t>(Message.WParam);
    if (QChar::isHighSurrogate(Unit)) {
        FPendingHighSurrogate = Unit;
        return true;
    }
    const char16_t High = std::exchange(FPendingHighSurrogate, 0);
    if (QChar::isLowSurrogate(Unit)) {
        if (High) TypeText(QString(QChar(High)) + QChar(Unit));
        return true;
    }
    // The clipboard keys send their messages, which descendants may handle.
    switch (Unit) {
    case 0x01: SelectAll(); break;
    case 0x03: Perform(WM_COPY, 0, 0); break;
    case 0x16: Perform(WM_PASTE, 0, 0); break;
    case 0x18: Perform(WM_CUT, 0, 0); break;
    case 0x1A: Perform(WM_UNDO, 0, 0); break;
    case 0x08: Backspace(); break;
    case u'\r':
        if (MultiLine()) TypeText(LineBreak);
        else MessageBeep(0);
        break;
    case u'\t':
        if (MultiLine()) TypeText(QStringLiteral("\t"));
        break;
    default:
        if (Unit >= u' ' && Unit != 0x7F) TypeText(QString(QChar(Unit)));
        break;
    }
    return true;
}

void TCustomEdit::EditKey(TMessage& Message)
{
    const bool Shift = GetKeyState(VK_SHIFT) < 0;
    const bool Ctrl = GetKeyState(VK_CONTROL) < 0;
    switch (Message.WParam) {
    case VK_DELETE:
        if (Shift) Perform(WM_CUT, 0, 0);
        else DeleteForward();
        break;
    case VK_INSERT:
        if (Shift) Perform(WM_PASTE, 0, 0);
        else if (Ctrl) Perform(WM_COPY, 0, 0);
        break;
    case VK_UP:
    case VK_DOWN:
        // A single-line edit moves along its one line.
        if (!MultiLine()) {
            TMessage Along = Message;
            Along.WParam = Message.WParam == VK_UP ? VK_LEFT : VK_RIGHT;
            TWinControl::DefaultHandler(Along);
            break;
        }
        [[fallthrough]];
    case VK_LEFT:
    case VK_RIGHT:
    case VK_HOME:
    case VK_END:
    case VK_PRIOR:
    case VK_NEXT:
        // The view moves the caret; the new selection comes back through OnSelectionMoved.
        TWinControl::DefaultHandler(Message);
        break;
    default: break;
    }
}

// ---- Changing the text ----

QString TCustomEdit::Normalized(const QString& Text) const
{
    QString Result = Text;
    if (FCharCase != ecNormal)
        for (QChar& Char : Result) Char = FCharCase == ecUpperCase ? Char.toUpper() : Char.toLower();
    if (MultiLine()) {
        Result.replace(LineBreak, QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
        Result.replace(QLatin1Char('\n'), LineBreak);
    }
    return Result;
}

void TCustomEdit::Select(int32_t Anchor, int32_t Caret)
{
    const auto Length = static_cast<int32_t>(FEditText.size());
    FAnchor = std::clamp(Anchor, 0, Length);
    FCaret = std::clamp(Caret, 0, Length);
    if (FUndo) FUndo->TypingEnd = -1;
    ShowSelection();
}

void TCustomEdit::SetEditText(const QString& Text)
{
    FEditText = Normalized(Text);
    FAnchor = FCaret = 0;
    FModified = false;
    FUndo.reset();
    ShowText();
    ShowSelection();
    TextChanged(true);
}

void TCustomEdit::Replace(int32_t Start, int32_t End, const QString& Text, bool Undoable, bool Typing)
{
    if (!Undoable) {
        FUndo.reset();
    } else if (!Typing || Start != End || !FUndo || FUndo->TypingEnd != Start) {
        FUndo = std::make_unique<TUndo>(TUndo{FEditText, FAnchor, FCaret, -1});
    }
    if (FUndo) FUndo->TypingEnd = Typing ? Start + static_cast<int32_t>(Text.size()) : -1;
    const int32_t ViewStart = ToView(Start);
    const int32_t ViewEnd = ToView(End);
    FEditText.replace(Start, End - Start, Text);
    FAnchor = FCaret = Start + static_cast<int32_t>(Text.size());
    FModified = true;
    if (TEditView* View = ViewOf(this)) {
        View->ReplaceText(ViewStart, ViewEnd, ViewText(Text));
        ShowSelection();
    }
    TextChanged(false);
}

void TCustomEdit::ReplaceSelection(const QString& Text, bool Undoable)
{
    QString Inserted = Normalized(Text);
    const auto Room = std::max(0, FTextLimit - static_cast<int32_t>(FEditText.size()) + SelectionEnd() - SelectionStart());
    if (Inserted.size() > Room) {
        Inserted.truncate(Room);
        NotifyParent(EN_MAXTEXT);
    }
    Replace(SelectionStart(), SelectionEnd(), Inserted, Undoable);
}

void TCustomEdit::TypeText(const QString& Text)
{
    const QString Typed = Normalized(Text);
    if (FReadOnly) {
        MessageBeep(0);
        return;
    }
    if (FEditText.size() - (SelectionEnd() - SelectionStart()) + Typed.size() > FTextLimit) {
        MessageBeep(0);
        NotifyParent(EN_MAXTEXT);
        return;
    }
    Replace(SelectionStart(), SelectionEnd(), Typed, true, true);
}

// The characters before (or after) Pos that one Backspace (or Delete) takes: a CR LF or a
// surrogate pair goes whole.
int32_t TCustomEdit::CharacterBefore(int32_t Pos) const
{
    const bool Pair = Pos >= 2 && ((FEditText[Pos - 2] == QLatin1Char('\r') && FEditText[Pos - 1] == QLatin1Char('\n')) ||
                                   (FEditText[Pos - 2].isHighSurrogate() && FEditText[Pos - 1].isLowSurrogate()));
    return Pos - (Pair ? 2 : 1);
}

int32_t TCustomEdit::CharacterAfter(int32_t Pos) const
{
    const bool Pair = Pos + 1 < FEditText.size() && ((FEditText[Pos] == QLatin1Char('\r') && FEditText[Pos + 1] == QLatin1Char('\n')) ||
                                                     (FEditText[Pos].isHighSurrogate() && FEditText[Pos + 1].isLowSurrogate()));
    return Pos + (Pair ? 2 : 1);
}

void TCustomEdit::Backspace()
{
    if (FReadOnly) MessageBeep(0);
    else if (SelectionStart() != SelectionEnd()) Replace(SelectionStart(), SelectionEnd(), {}, true);
    else if (FCaret > 0) Replace(CharacterBefore(FCaret), FCaret, {}, true);
}

void TCustomEdit::DeleteForward()
{
    if (FReadOnly) MessageBeep(0);
    else if (SelectionStart() != SelectionEnd()) Replace(SelectionStart(), SelectionEnd(), {}, true);
    else if (FCaret < FEditText.size()) Replace(FCaret, CharacterAfter(FCaret), {}, true);
}

void TCustomEdit::Cut()
{
    if (FReadOnly || !FPasswordChar.isNull() || SelectionStart() == SelectionEnd()) return;
    Copy();
    ReplaceSelection({}, true);
}

void TCustomEdit::Copy() const
{
    if (!FPasswordChar.isNull() || SelectionStart() == SelectionEnd()) return;
    Clipboard()->setText(FEditText.mid(SelectionStart(), SelectionEnd() - SelectionStart()));
}

void TCustomEdit::Paste()
{
    if (FReadOnly) return;
    QString Pasted = Clipboard()->text();
    // A single-line edit takes the first line.
    if (!MultiLine()) {
        const auto IsBreak = [](QChar C) { return C == QLatin1Char('\r') || C == QLatin1Char('\n'); };
        const auto Break = std::find_if(Pasted.cbegin(), Pasted.cend(), IsBreak);
        Pasted.truncate(Break - Pasted.cbegin());
    }
    if (!Pasted.isEmpty()) ReplaceSelection(Pasted, true);
}

void TCustomEdit::UndoLast()
{
    if (!FUndo) return;
    // The state undone is kept, so a second undo brings it back.
    const TUndo Previous = std::exchange(*FUndo, TUndo{FEditText, FAnchor, FCaret, -1});
    FEditText = Previous.Text;
    FAnchor = Previous.Anchor;
    FCaret = Previous.Caret;
    FModified = true;
    ShowText();
    ShowSelection();
    TextChanged(false);
}

void TCustomEdit::TextChanged(bool BySetText)
{
    if (HandleAllocated()) {
        // WM_SETTEXT to a multi-line edit window sends no EN_CHANGE (CM_TEXTCHANGED stands in for it).
        if (!BySetText || !MultiLine()) NotifyParent(EN_CHANGE);
    } else if (!BySetText) {
        Change();
    }
}

// ---- Lines ----

int32_t TCustomEdit::LineCount() const
{
    return MultiLine() ? static_cast<int32_t>(FEditText.count(LineBreak)) + 1 : 1;
}

int32_t TCustomEdit::LineIndex(int32_t Line) const
{
    if (Line < 0) Line = LineOfChar(FCaret);
    qsizetype Start = 0;
    for (int32_t I = 0; I < Line; ++I) {
        const qsizetype Break = MultiLine() ? FEditText.indexOf(LineBreak, Start) : -1;
        if (Break < 0) return -1;
        Start = Break + LineBreak.size();
    }
    return static_cast<int32_t>(Start);
}

int32_t TCustomEdit::LineOfChar(int32_t Index) const
{
    if (Index < 0) Index = SelectionStart();
    return MultiLine() ? static_cast<int32_t>(FEditText.left(Index).count(LineBreak)) : 0;
}

int32_t TCustomEdit::LineLength(int32_t Index) const
{
    const auto LineEnd = [this](int32_t Pos) {
        const qsizetype Break = MultiLine() ? FEditText.indexOf(LineBreak, LineIndex(LineOfChar(Pos))) : -1;
        return static_cast<int32_t>(Break < 0 ? FEditText.size() : Break);
    };
    // -1 asks for the unselected characters of the lines the selection touches.
    if (Index < 0)
        return SelectionStart() - LineIndex(LineOfChar(SelectionStart())) + LineEnd(SelectionEnd()) - SelectionEnd();
    return LineEnd(Index) - LineIndex(LineOfChar(Index));
}

// ---- Positions on the window ----

TRect TCustomEdit::DefaultFormatRect() const
{
    const TRect Client = ClientRect();
    // The one line of a single-line edit stands in the middle.
    const int32_t Top = MultiLine() ? 0 : std::max(0, (Client.Bottom - CellHeight(Font())) / 2);
    return {FLeftMargin, Top, Client.Right - FRightMargin, Client.Bottom};
}

LRESULT TCustomEdit::CharFromPos(TPoint Point)
{
    const TEditView* View = ViewOf(this);
    if (!View || !PtInRect(ClientRect(), Point)) return -1;
    const QMargins Margins = HookOf(Handle())->ClientMargins();
    const int32_t Pos = FromView(View->PositionAt(QPoint(Point.X + Margins.left(), Point.Y + Margins.top())));
    return static_cast<LRESULT>(MAKELONG(static_cast<uint16_t>(Pos), static_cast<uint16_t>(LineOfChar(Pos))));
}

LRESULT TCustomEdit::PosFromChar(int32_t Index)
{
    const TEditView* View = ViewOf(this);
    if (!View || Index < 0 || Index > FEditText.size()) return -1;
    const QMargins Margins = HookOf(Handle())->ClientMargins();
    const QPoint Point = View->PointOf(ToView(Index)) - QPoint(Margins.left(), Margins.top());
    return PointToLParam({Point.x(), Point.y()});
}
