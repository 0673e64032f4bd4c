// TExtStringGrid: rich-text cells through the grid's rich edits, and the cell hints.
#include "grid/core/ExtGrid.h"

#include "grid/base/EsgHTMLE.h"
#include "grid/base/ExtUtil.h"
#include "grid/core/ControlLook.h"
#include "grid/core/ExtRichEdit.h"
#include "grid/core/FloatingFooter.h"
#include "grid/core/HTMLHintWindow.h"

#include "graphics/Canvas.h"
#include "graphics/GraphicsObjects.h"
#include "rtl/Streams.h"
#include "rtl/Strings.h"
#include "windows/Forms.h"

namespace {

// Mouse input passes through the hidden rich edit's window.
void MakeTransparent(TExtRichEdit* Edit)
{
    const HWND Wnd = Edit->Handle();
    SetWindowLong(Wnd, GWL_EXSTYLE, GetWindowLong(Wnd, GWL_EXSTYLE) | WS_EX_TRANSPARENT);
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// The rich edits
// ---------------------------------------------------------------------------------------------

TExtRichEdit* TExtStringGrid::RichEdit()
{
    if (!FRichEdit) {
        FRichEdit = New<TExtRichEdit>(this);
        FRichEdit->SetVisible(false);
        FRichEdit->SetParent(this);
        FRichEdit->SetBounds(0, 0, 0, 0);
        // Its size requests reach the grid only from a window.
        if (HandleAllocated()) MakeTransparent(FRichEdit);
    }
    return FRichEdit;
}

TExtRichEdit* TExtStringGrid::InplaceRichEdit()
{
    if (!FInplaceRichEdit) {
        FInplaceRichEdit = New<TExtRichEdit>(this);
        FInplaceRichEdit->SetVisible(false);
        FInplaceRichEdit->SetParent(this);
        FInplaceRichEdit->OnSelectionChange = [this](TObject* Sender) { RichEditSelectionChange(Sender); };
    }
    return FInplaceRichEdit;
}

void TExtStringGrid::RichEditSelectionChange(TObject*)
{
    if (OnRichEditSelectionChange) OnRichEditSelectionChange(this);
}

// ---------------------------------------------------------------------------------------------
// Cells and rich edits
// ---------------------------------------------------------------------------------------------

void TExtStringGrid::CellToRich(int32_t Col, int32_t Row, TRichEdit* Richeditor)
{
    const QString Text = GetCellEx(Col, Row);
    if (Text.isEmpty()) {
        Richeditor->Clear();
        return;
    }
    // Characters up to 0xFF stand for the RTF's bytes; any above stay themselves.
    Richeditor->Lines()->SetText(Text);
}

QString TExtStringGrid::RichToString(TRichEdit* Richeditor)
{
    if (IsDestroying()) return {};
    TBytesStream Stream;
    Richeditor->Lines()->SaveToStream(&Stream);
    return QString::fromLatin1(Stream.Bytes());
}

void TExtStringGrid::RichToCell(int32_t Col, int32_t Row, TRichEdit* Richeditor)
{
    SetCellEx(Col, Row, RichToString(Richeditor));
}

QString TExtStringGrid::RtfWithoutLineBreaks(const QString& Rtf)
{
    const auto IsLetter = [](QChar c) {
        return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
    };
    QString Result;
    Result.reserve(Rtf.size());
    for (const QChar c : Rtf) {
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n')) {
            Result += c;
            continue;
        }
        // What precedes the break: a control word (backslash, letters, an optional signed number)
        // that the break ended, or a lone backslash that made it a paragraph end.
        const qsizetype End = Result.size();
        qsizetype Digits = End;
        while (Digits > 0 && Result[Digits - 1].isDigit()) --Digits;
        if (Digits < End && Digits > 0 && Result[Digits - 1] == QLatin1Char('-')) --Digits;
        qsizetype Letters = Digits;
        while (Letters > 0 && IsLetter(Result[Letters - 1])) --Letters;
        qsizetype Slashes = 0;
        while (Letters - Slashes > 0 && Result[Letters - Slashes - 1] == QLatin1Char('\\')) ++Slashes;
        if (Slashes % 2 == 0) continue;
        if (Letters < Digits) Result += QLatin1Char(' ');
        else if (Digits == End) Result += QLatin1String("par ");
    }
    return Result;
}

QString TExtStringGrid::RichCellPlainText(int32_t ACol, int32_t ARow)
{
    TExtRichEdit* Edit = RichEdit();
    CellToRich(ACol, ARow, Edit);
    return Edit->Text();
}

QString TExtStringGrid::RichCellText(int32_t ACol, int32_t ARow)
{
    TExtRichEdit* Edit = RichEdit();
    Edit->Clear();
    Edit->SetBounds(0, 0, 0, 0);
    Edit->SetWordWrap(false);
    CellToRich(ACol, ARow, Edit);
    TTextAttributes* Attributes = Edit->SelAttributes();
    TFont* F = Canvas()->Font();
    F->SetName(Attributes->Name());
    F->SetSize(Attributes->Size());
    F->SetStyle(Attributes->Style());
    return Edit->Text();
}

TPoint TExtStringGrid::RichCellSize(const TRect& T)
{
    TExtRichEdit* Edit = RichEdit();
    Edit->SetBounds(Edit->Left(), Edit->Top(), T.Right - T.Left, T.Bottom - T.Top);
    Edit->SetWordWrap(true);
    Edit->SetWordWrap(false);
    Edit->SetWordWrap(WordWrap());
    MakeTransparent(Edit);
    // Our rich edit asks for its size on content changes only; a new width or wrap asks here.
    Edit->Perform(EM_REQUESTRESIZE, 0, 0);
    return Point(Edit->ReqWidth(), Edit->ReqHeight() + 4);
}

// ---------------------------------------------------------------------------------------------
// Hints
// ---------------------------------------------------------------------------------------------

void TExtStringGrid::SetUseHTMLHints(bool Value)
{
    FUseHTMLHints = Value;
    HintWindowClass = Value ? CreateHintWindow<THTMLHintWindow> : CreateHintWindow<THintWindow>;
}

void TExtStringGrid::CMHintShow(TMessage& Message)
{
    if (THintInfo* Info = TCMHintShow(Message).HintInfo()) BuildCellHint(Info->HintStr, *Info);
    Message.Result = 0;
}

void TExtStringGrid::BuildCellHint(QString& HintStr, THintInfo& HintInfo)
{
    int32_t ACol = -1;
    int32_t ARow = -1;
    const TPoint Cursor = HintInfo.CursorPos;
    MouseToCell(Cursor.X, Cursor.Y, ACol, ARow);
    if (FControlLook->HintMaxWidth() > 0) HintInfo.HintMaxWidth = FControlLook->HintMaxWidth();
    GridHintFontName = Font()->Name();

    if (ACol >= 0 && ARow >= 0) {
        const TPoint Base = BaseCell(ACol, ARow);
        ACol = Base.X;
        ARow = Base.Y;
        FLastHintPos = Base;
        const TRect R = CellRect(ACol, ARow);
        const int32_t C = RealColIndex(ACol);
        TPoint HintPos = IsComment(C, ARow, HintStr) ? Point(R.Right, R.Top) : Point(Cursor.X, R.Bottom + 6);
        const QString Text = GetCellEx(C, ARow);
        const int32_t Kind = GetCellTextKind(Text, true);

        if (Kind == ctkMarkup && FAnchorHint) {
            QString Anchor, Plain, FocusRef, Title, CtrlID, CtrlValue, CtrlType;
            int32_t Width = 0, Height = 0, Links = 0, Hovered = -1;
            TRect LinkRect, CtrlRect;
            if (DrawMarkup(Canvas(), Text, R, GetGridImages(), Cursor.X, Cursor.Y, -1, -1, 1, true, false, false,
                           false, true, false, true, false, 1.0, FURLColor, clNone, clNone, clGray, Anchor, Plain,
                           FocusRef, Title, Width, Height, Links, Hovered, LinkRect, CtrlRect, CtrlID, CtrlValue,
                           CtrlType, FImageCache.get(), FContainer, Handle(), 0)) {
                QString Hint = Title.isEmpty() ? Anchor : Title;
                if (OnAnchorHint) OnAnchorHint(this, ARow, C, Hint);
                FLastAnchorHint = Hint;
                HintStr = Hint;
                HintPos = Point(Cursor.X + 8, Cursor.Y - 16);
            }
        }

        const bool DataCell = ACol >= FixedCols() && ACol < ColCount() - FixedRightCols() && ARow >= FixedRows() &&
                              ARow < RowCount() - FixedFooters();
        if (FHintShowCells && DataCell) {
            HintPos.Y = R.Top;
            if (Kind == ctkWide) HintStr = DecodeWideCellText(Text);
            else if (FHTMLHint) HintStr = Text;
            else HintStr = GetStrippedCell(C, ARow);
        }

        TPoint Size;
        {
            const bool Enhanced = std::exchange(FEnhTextSize, false);
            GetCellTextSize(C, ARow, Size, false, false);
            FEnhTextSize = Enhanced;
        }
        if (FHintShowLargeText && (Size.X > R.Width() || Size.Y > R.Height())) {
            if (FHintShowLargeTextPos == hpCell) HintPos = R.TopLeft();
            HintStr = Kind == ctkWide || FHTMLHint || Kind != ctkMarkup ? Text : GetStrippedCell(C, ARow);
        }

        const bool FooterRow = FFloatingFooter && FFloatingFooter->Visible() && ARow == RowCount() - 1;
        if (!FooterRow) {
            QString WideHint;
            GetCellHint(ACol, ARow, HintStr, WideHint);
        }

        const int32_t HintKind = GetCellTextKind(HintStr, true);
        if ((HintKind == ctkMarkup || HintKind == ctkWide) && FUseInternalHintClass) {
            HintInfo.HintWindowClass = CreateHintWindow<THTMLHintWindow>;
            HintInfo.HintData = static_cast<TObject*>(this);
        }
        HintInfo.HintPos = ClientToScreen(HintPos);
    }
    HintInfo.HintColor = FHintColor;
}
