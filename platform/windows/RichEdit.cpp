// TCustomRichEdit: the document, the selection, the rich-edit messages and the control's drawing.
#include "windows/RichEdit.h"

#include "graphics/Canvas.h"
#include "graphics/FontMapper.h"
#include "graphics/private/Surfaces.h"
#include "rtl/Streams.h"
#include "rtl/Strings.h"
#include "rtl/TextEncoding.h"
#include "windows/private/Notify.h"
#include "windows/private/RichText.h"
#include "windows/private/Window.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <optional>

using namespace WindowsInternal;

namespace {

constexpr int32_t TwipsPerPixel = 15;
// Offsets beyond what RTF half points can say are cut.
constexpr int32_t MaxOffset = 32760;

bool IsRtf(const QString& Text)
{
    return Text.trimmed().startsWith(QLatin1String("{\\rtf"));
}

QColor QtColorOf(TColor Color)
{
    const TColor Rgb = ColorToRGB(Color);
    return QColor(GetRValue(Rgb), GetGValue(Rgb), GetBValue(Rgb));
}

// Plain text for the document: CR LF, CR and LF all break the paragraph.
QString DocumentText(QString Text)
{
    Text.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return Text;
}

}  // namespace

struct TCustomRichEdit::TData {
    QTextDocument Document;
    int32_t Anchor = 0;
    int32_t Caret = 0;
    // The attributes of text typed next, set on an empty selection.
    std::optional<TRichChar> Typing;
    uint32_t EventMask = ENM_NONE;
    std::optional<TRect> FormatRect;
    std::optional<TRect> LastRequest;
    int32_t NotifiedAnchor = 0;
    int32_t NotifiedCaret = 0;
    bool Modified = false;
    bool Selecting = false;

    int32_t Length() const { return std::max(0, Document.characterCount() - 1); }
    int32_t SelMin() const { return std::min(Anchor, Caret); }
    int32_t SelMax() const { return std::max(Anchor, Caret); }
    QTextCursor Selection()
    {
        QTextCursor Cursor(&Document);
        Cursor.setPosition(Anchor);
        Cursor.setPosition(Caret, QTextCursor::KeepAnchor);
        return Cursor;
    }
};

// The lines of a rich edit: the lines of its plain text; loading and saving go through RTF.
class TRichEditStrings : public TStrings {
public:
    explicit TRichEditStrings(TCustomRichEdit* Edit) : FEdit(Edit) {}

    void Clear() override { FEdit->Clear(); }

    void Delete(int32_t Index) override
    {
        const QStringList All = AllLines();
        if (Index < 0 || Index >= All.size()) return;
        int32_t Start = LineStart(All, Index);
        int32_t End = Start + static_cast<int32_t>(All[Index].size()) + 1;
        if (Index == All.size() - 1) {
            End = Start + static_cast<int32_t>(All[Index].size());
            Start = std::max(0, Start - 1);
        }
        Replace(Start, End, {});
    }

    void Insert(int32_t Index, const QString& S) override
    {
        const QStringList All = AllLines();
        if (Index < 0 || Index > All.size()) return;
        if (Index == All.size()) {
            const int32_t Length = FEdit->FData->Length();
            Replace(Length, Length, All.isEmpty() ? S : QStringLiteral("\n") + S);
            return;
        }
        const int32_t Start = LineStart(All, Index);
        Replace(Start, Start, S + QLatin1Char('\n'));
    }

    void LoadFromStream(TStream* Stream, std::optional<TTextEncoding> Encoding = std::nullopt) override
    {
        QByteArray Bytes(std::max<int64_t>(0, Stream->Size() - Stream->Position()), Qt::Uninitialized);
        Bytes.resize(Stream->Read(Bytes.data(), static_cast<int32_t>(Bytes.size())));
        const QString Latin = QString::fromLatin1(Bytes);
        if (!Encoding && IsRtf(Latin)) SetTextStr(Latin);
        else TStrings::LoadFromStream(&*std::make_unique<TBytesStream>(Bytes), Encoding);
    }

    // RTF, 7-bit, without a byte-order mark.
    void SaveToStream(TStream* Stream, std::optional<TTextEncoding> = std::nullopt) override
    {
        Stream->WriteBytes(WriteRtf(FEdit->FData->Document, Defaults()).toLatin1());
    }

protected:
    QString Get(int32_t Index) const override
    {
        const QStringList All = AllLines();
        return Index >= 0 && Index < All.size() ? All[Index] : QString();
    }
    int32_t GetCount() const override { return static_cast<int32_t>(AllLines().size()); }
    void Put(int32_t Index, const QString& S) override
    {
        const QStringList All = AllLines();
        if (Index < 0 || Index >= All.size()) return;
        const int32_t Start = LineStart(All, Index);
        Replace(Start, Start + static_cast<int32_t>(All[Index].size()), S);
    }
    void SetTextStr(const QString& Value) override { FEdit->SetText(Value); }

private:
    // The text's lines; a last line left empty by a final break is no line.
    QStringList AllLines() const
    {
        const QString Text = FEdit->Text();
        if (Text.isEmpty()) return {};
        QStringList All = Text.split(QLatin1String("\r\n"));
        if (All.size() > 1 && All.last().isEmpty()) All.removeLast();
        return All;
    }
    // Each line break is one document position.
    static int32_t LineStart(const QStringList& All, int32_t Index)
    {
        int32_t Start = 0;
        for (int32_t I = 0; I < Index; ++I) Start += static_cast<int32_t>(All[I].size()) + 1;
        return Start;
    }
    void Replace(int32_t Start, int32_t End, const QString& S)
    {
        FEdit->Perform(EM_SETSEL, static_cast<WPARAM>(Start), End);
        const QString Text = S;
        FEdit->Perform(EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(Text.utf16()));
    }
    TRichDefaults Defaults() const { return {FEdit->Font()->Name(), FEdit->Font()->Size() * 2}; }

    TCustomRichEdit* FEdit;
};

// ---- Text attributes ----

CHARFORMAT2W TTextAttributes::Get() const
{
    CHARFORMAT2W Format;
    FRichEdit->Perform(EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&Format));
    return Format;
}

void TTextAttributes::Set(CHARFORMAT2W& Format)
{
    FRichEdit->Perform(EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&Format));
}

void TTextAttributes::Assign(TPersistent* Source)
{
    auto* Font = dynamic_cast<TFont*>(Source);
    if (!Font) {
        TPersistent::Assign(Source);
        return;
    }
    SetName(Font->Name());
    SetSize(Font->Size());
    SetStyle(Font->Style());
    SetColor(Font->Color());
}

TColor TTextAttributes::Color() const
{
    const CHARFORMAT2W Format = Get();
    return (Format.dwEffects & CFE_AUTOCOLOR) ? clWindowText : static_cast<TColor>(Format.crTextColor);
}

void TTextAttributes::SetColor(TColor Value)
{
    CHARFORMAT2W Format;
    Format.dwMask = CFM_COLOR;
    if (Value == clWindowText) Format.dwEffects = CFE_AUTOCOLOR;
    else Format.crTextColor = static_cast<uint32_t>(ColorToRGB(Value));
    Set(Format);
}

QString TTextAttributes::Name() const
{
    const CHARFORMAT2W Format = Get();
    return QString::fromUtf16(Format.szFaceName);
}

void TTextAttributes::SetName(const QString& Value)
{
    CHARFORMAT2W Format;
    Format.dwMask = CFM_FACE;
    const QString Name = Value.left(31);
    std::copy_n(Name.utf16(), Name.size(), Format.szFaceName);
    Set(Format);
}

int32_t TTextAttributes::Size() const
{
    return Get().yHeight / 20;
}

void TTextAttributes::SetSize(int32_t Value)
{
    CHARFORMAT2W Format;
    Format.dwMask = CFM_SIZE;
    Format.yHeight = Value * 20;
    Set(Format);
}

int32_t TTextAttributes::Height() const
{
    // Points to pixels at 96 per inch.
    return (Size() * 96 + 36) / 72;
}

void TTextAttributes::SetHeight(int32_t Value)
{
    SetSize((Value * 72 + 48) / 96);
}

TFontStyles TTextAttributes::Style() const
{
    const CHARFORMAT2W Format = Get();
    TFontStyles Styles;
    if (Format.dwEffects & CFE_BOLD) Styles.Include(fsBold);
    if (Format.dwEffects & CFE_ITALIC) Styles.Include(fsItalic);
    if (Format.dwEffects & CFE_UNDERLINE) Styles.Include(fsUnderline);
    if (Format.dwEffects & CFE_STRIKEOUT) Styles.Include(fsStrikeOut);
    return Styles;
}

void TTextAttributes::SetStyle(TFontStyles Value)
{
    CHARFORMAT2W Format;
    Format.dwMask = CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT;
    if (Value.Contains(fsBold)) Format.dwEffects |= CFE_BOLD;
    if (Value.Contains(fsItalic)) Format.dwEffects |= CFE_ITALIC;
    if (Value.Contains(fsUnderline)) Format.dwEffects |= CFE_UNDERLINE;
    if (Value.Contains(fsStrikeOut)) Format.dwEffects |= CFE_STRIKEOUT;
    Set(Format);
}

// ---- The control ----

TCustomRichEdit::TCustomRichEdit(TComponent* AOwner)
    : TWinControl(AOwner),
      FData(std::make_unique<TData>()),
      FLines(std::make_unique<TRichEditStrings>(this)),
      FSelAttributes(std::make_unique<TTextAttributes>(this))
{
    FData->Document.setDocumentMargin(0);
    FData->Document.setUndoRedoEnabled(false);
    SetBounds(Left(), Top(), 185, 89);
    SetTabStop(true);
    SetColor(clWindow);
}

TCustomRichEdit::~TCustomRichEdit() = default;

void TCustomRichEdit::SetLines(TStrings* Value)
{
    FLines->Assign(Value);
}

void TCustomRichEdit::SetWordWrap(bool Value)
{
    if (FWordWrap == Value) return;
    FWordWrap = Value;
    Invalidate();
}

int32_t TCustomRichEdit::SelStart() const
{
    return FData->SelMin();
}

void TCustomRichEdit::SetSelStart(int32_t Value)
{
    Perform(EM_SETSEL, static_cast<WPARAM>(Value), Value);
}

int32_t TCustomRichEdit::SelLength() const
{
    return FData->SelMax() - FData->SelMin();
}

void TCustomRichEdit::SetSelLength(int32_t Value)
{
    CHARRANGE Range{SelStart(), SelStart() + Value};
    Perform(EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&Range));
}

QString TCustomRichEdit::SelText() const
{
    QString Text = FData->Selection().selectedText();
    Text.replace(QChar::ParagraphSeparator, QLatin1String("\r\n")).replace(QChar::LineSeparator, QLatin1String("\r\n"));
    return Text;
}

void TCustomRichEdit::SetSelText(const QString& Value)
{
    Perform(EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(Value.utf16()));
}

void TCustomRichEdit::SelectAll()
{
    Perform(EM_SETSEL, 0, -1);
}

void TCustomRichEdit::Change()
{
    if (OnChange) OnChange(this);
}

void TCustomRichEdit::SelectionChange()
{
    if (OnSelectionChange) OnSelectionChange(this);
}

void TCustomRichEdit::RequestSize(const TRect& Rect)
{
    TRect R = Rect;
    if (OnResizeRequest) OnResizeRequest(this, R);
}

void TCustomRichEdit::CreateWnd()
{
    TWinControl::CreateWnd();
    FData->EventMask = ENM_CHANGE | ENM_SELCHANGE | ENM_REQUESTRESIZE;
}

void TCustomRichEdit::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case CN_NOTIFY: CNNotify(TWMNotify(Message)); break;
    case CN_COMMAND:
        if (TWMCommand(Message).NotifyCode() == EN_CHANGE) Change();
        break;
    case WM_SIZE:
        FData->FormatRect.reset();
        TWinControl::Dispatch(Message);
        break;
    case WM_PAINT: {
        // The control draws itself in PaintWindow.
        const TControlStateFlag Painting(FControlState, csCustomPaint);
        TWinControl::Dispatch(Message);
        break;
    }
    default: TWinControl::Dispatch(Message); break;
    }
}

void TCustomRichEdit::CNNotify(TWMNotify Message)
{
    const NMHDR* Header = Message.NMHdr();
    if (!Header) return;
    if (Header->code == EN_SELCHANGE) SelectionChange();
    else if (Header->code == EN_REQUESTRESIZE) RequestSize(reinterpret_cast<const REQRESIZE*>(Header)->rc);
}

void TCustomRichEdit::DefaultHandler(TMessage& Message)
{
    if (!RichMessage(Message)) TWinControl::DefaultHandler(Message);
}

namespace {

// The characters of Data's document with their attributes, in runs of one format.
struct TRun {
    int32_t Start;
    int32_t End;
    QTextCharFormat Format;
};

std::vector<TRun> RunsIn(const QTextDocument& Document, int32_t Start, int32_t End)
{
    std::vector<TRun> Runs;
    for (QTextBlock Block = Document.findBlock(Start); Block.isValid() && Block.position() < End; Block = Block.next())
        for (auto It = Block.begin(); !It.atEnd(); ++It) {
            const QTextFragment F = It.fragment();
            const int32_t A = std::max(Start, F.position());
            const int32_t B = std::min(End, F.position() + F.length());
            if (A < B) Runs.push_back({A, B, F.charFormat()});
        }
    return Runs;
}

void FillFormat(CHARFORMATW& Format, const TRichChar& Char, uint32_t Mask)
{
    Format.dwMask = Mask;
    Format.dwEffects = 0;
    if (Char.Bold) Format.dwEffects |= CFE_BOLD;
    if (Char.Italic) Format.dwEffects |= CFE_ITALIC;
    if (Char.Underline) Format.dwEffects |= CFE_UNDERLINE;
    if (Char.StrikeOut) Format.dwEffects |= CFE_STRIKEOUT;
    if (Char.SuperSub == 1) Format.dwEffects |= CFE_SUPERSCRIPT;
    if (Char.SuperSub == 2) Format.dwEffects |= CFE_SUBSCRIPT;
    if (Char.Color == clNone) Format.dwEffects |= CFE_AUTOCOLOR;
    else Format.crTextColor = static_cast<uint32_t>(Char.Color);
    Format.yHeight = Char.HalfPoints * 10;
    Format.yOffset = Char.Offset;
    const QString Name = Char.FontName.left(31);
    std::fill(std::begin(Format.szFaceName), std::end(Format.szFaceName), u'\0');
    std::copy_n(Name.utf16(), Name.size(), Format.szFaceName);
    if (Format.cbSize >= sizeof(CHARFORMAT2W)) {
        auto& Format2 = static_cast<CHARFORMAT2W&>(Format);
        if (Char.Highlight == clNone) Format2.dwEffects |= CFE_AUTOBACKCOLOR;
        else Format2.crBackColor = static_cast<uint32_t>(Char.Highlight);
    }
}

// Char with what Format's mask names taken from Format.
TRichChar Applied(TRichChar Char, const CHARFORMATW& Format)
{
    const uint32_t Mask = Format.dwMask;
    const uint32_t Effects = Format.dwEffects;
    if (Mask & CFM_BOLD) Char.Bold = Effects & CFE_BOLD;
    if (Mask & CFM_ITALIC) Char.Italic = Effects & CFE_ITALIC;
    if (Mask & CFM_UNDERLINE) Char.Underline = Effects & CFE_UNDERLINE;
    if (Mask & CFM_STRIKEOUT) Char.StrikeOut = Effects & CFE_STRIKEOUT;
    if (Mask & CFM_SUPERSCRIPT)
        Char.SuperSub = (Effects & CFE_SUPERSCRIPT) ? 1 : (Effects & CFE_SUBSCRIPT) ? 2 : 0;
    if (Mask & CFM_SIZE) Char.HalfPoints = std::clamp(Format.yHeight / 10, 2, 3276);
    if (Mask & CFM_OFFSET) Char.Offset = std::clamp(Format.yOffset, -MaxOffset, MaxOffset);
    if (Mask & CFM_COLOR) Char.Color = (Effects & CFE_AUTOCOLOR) ? clNone : static_cast<TColor>(Format.crTextColor & 0xFFFFFF);
    if (Mask & CFM_FACE) {
        const QString Name = RichFontName(QString::fromUtf16(Format.szFaceName, static_cast<qsizetype>(std::find(std::begin(Format.szFaceName), std::end(Format.szFaceName), u'\0') - std::begin(Format.szFaceName))));
        if (!Name.isEmpty()) Char.FontName = Name;
    }
    if ((Mask & CFM_BACKCOLOR) && Format.cbSize >= sizeof(CHARFORMAT2W)) {
        const auto& Format2 = static_cast<const CHARFORMAT2W&>(Format);
        Char.Highlight = (Effects & CFE_AUTOBACKCOLOR) ? clNone : static_cast<TColor>(Format2.crBackColor & 0xFFFFFF);
    }
    return Char;
}

// The mask bits whose attributes differ between A and B.
uint32_t Differences(const TRichChar& A, const TRichChar& B)
{
    uint32_t Mask = 0;
    if (A.Bold != B.Bold) Mask |= CFM_BOLD;
    if (A.Italic != B.Italic) Mask |= CFM_ITALIC;
    if (A.Underline != B.Underline) Mask |= CFM_UNDERLINE;
    if (A.StrikeOut != B.StrikeOut) Mask |= CFM_STRIKEOUT;
    if (A.SuperSub != B.SuperSub) Mask |= CFM_SUPERSCRIPT;
    if (A.HalfPoints != B.HalfPoints) Mask |= CFM_SIZE;
    if (A.Offset != B.Offset) Mask |= CFM_OFFSET;
    if (A.Color != B.Color) Mask |= CFM_COLOR;
    if (A.FontName != B.FontName) Mask |= CFM_FACE;
    if (A.Highlight != B.Highlight) Mask |= CFM_BACKCOLOR;
    return Mask;
}

constexpr uint32_t AllAttributes = CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT | CFM_SUPERSCRIPT | CFM_SIZE |
                                   CFM_OFFSET | CFM_COLOR | CFM_FACE | CFM_BACKCOLOR;

TRect PixelsOfTwips(const TRect& R)
{
    const auto P = [](int32_t Twips) { return static_cast<int32_t>(std::lround(Twips / double(TwipsPerPixel))); };
    return Rect(P(R.Left), P(R.Top), P(R.Right), P(R.Bottom));
}

}  // namespace

bool TCustomRichEdit::RichMessage(TMessage& Message)
{
    TData& D = *FData;
    const WPARAM W = Message.WParam;
    const LPARAM L = Message.LParam;
    const TRichDefaults Defaults{Font()->Name(), Font()->Size() * 2};
    const auto Select = [&](int32_t Anchor, int32_t Caret) {
        D.Anchor = std::clamp(Anchor, 0, D.Length());
        D.Caret = std::clamp(Caret, 0, D.Length());
        D.Typing.reset();
        Changed(false);
    };
    switch (Message.Msg) {
    case WM_GETTEXTLENGTH: Message.Result = RichPlainText(D.Document).size(); return true;
    case WM_GETTEXT: Message.Result = CopyTextToBuffer(RichPlainText(D.Document), W, L); return true;
    case WM_SETTEXT: {
        const QString Text = L ? QString::fromUtf16(reinterpret_cast<const char16_t*>(L)) : QString();
        if (!IsRtf(Text) || !ReadRtf(D.Document, Text, Defaults)) {
            D.Document.clear();
            QTextCursor(&D.Document).insertText(DocumentText(Text), RichFormat(TRichChar{Defaults.FontName, Defaults.HalfPoints}));
        }
        D.Anchor = D.Caret = 0;
        D.Typing.reset();
        Changed(true);
        D.Modified = false;
        Message.Result = 1;
        return true;
    }
    case WM_GETDLGCODE: Message.Result = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS | DLGC_WANTALLKEYS; return true;
    case WM_KEYDOWN: KeyMessage(Message); return true;
    case WM_KEYUP: return true;
    case WM_CHAR: CharMessage(Message); return true;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP: MouseMessage(Message); return true;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        Invalidate();
        NotifyParent(Message.Msg == WM_SETFOCUS ? EN_SETFOCUS : EN_KILLFOCUS);
        return true;
    case EM_GETSEL:
        if (W) *reinterpret_cast<uint32_t*>(W) = static_cast<uint32_t>(D.SelMin());
        if (L) *reinterpret_cast<uint32_t*>(L) = static_cast<uint32_t>(D.SelMax());
        Message.Result = D.SelMax() > 0xFFFF ? -1 : static_cast<LRESULT>(MAKELONG(static_cast<uint16_t>(D.SelMin()), static_cast<uint16_t>(D.SelMax())));
        return true;
    case EM_SETSEL: {
        const auto Start = static_cast<int32_t>(static_cast<intptr_t>(W));
        if (Start < 0) Select(D.Caret, D.Caret);
        else Select(Start, L < 0 ? D.Length() : static_cast<int32_t>(std::min<LPARAM>(L, D.Length())));
        return true;
    }
    case EM_EXGETSEL:
        if (auto* Range = reinterpret_cast<CHARRANGE*>(L)) *Range = {D.SelMin(), D.SelMax()};
        return true;
    case EM_EXSETSEL:
        if (const auto* Range = reinterpret_cast<const CHARRANGE*>(L)) {
            if (Range->cpMin < 0) Select(D.Caret, D.Caret);
            else Select(Range->cpMin, Range->cpMax < 0 ? D.Length() : Range->cpMax);
        }
        Message.Result = D.SelMax();
        return true;
    case EM_REPLACESEL: {
        const QString Text = L ? QString::fromUtf16(reinterpret_cast<const char16_t*>(L)) : QString();
        QTextCursor Cursor = D.Selection();
        const TRichChar Char = D.Typing ? *D.Typing : RichCharOf(Cursor.charFormat(), Defaults);
        Cursor.removeSelectedText();
        Cursor.insertText(DocumentText(Text), RichFormat(Char));
        D.Anchor = D.Caret = Cursor.position();
        D.Typing.reset();
        Changed(true);
        return true;
    }
    case EM_GETMODIFY: Message.Result = D.Modified; return true;
    case EM_SETMODIFY: D.Modified = W != 0; return true;
    case EM_GETLINECOUNT: Message.Result = std::max<qsizetype>(1, RichPlainText(D.Document).count(QLatin1String("\r\n")) + 1); return true;
    case EM_GETEVENTMASK: Message.Result = D.EventMask; return true;
    case EM_SETEVENTMASK:
        Message.Result = D.EventMask;
        D.EventMask = static_cast<uint32_t>(L);
        return true;
    case EM_GETCHARFORMAT: {
        auto* Format = reinterpret_cast<CHARFORMATW*>(L);
        if (!Format || Format->cbSize < sizeof(CHARFORMATW)) return true;
        TRichChar Char;
        uint32_t Mask = AllAttributes;
        if (W == SCF_DEFAULT) Char = TRichChar{Defaults.FontName, Defaults.HalfPoints};
        else if (D.SelMin() == D.SelMax()) Char = D.Typing ? *D.Typing : RichCharOf(D.Selection().charFormat(), Defaults);
        else {
            const std::vector<TRun> Runs = RunsIn(D.Document, D.SelMin(), D.SelMax());
            Char = Runs.empty() ? TRichChar{Defaults.FontName, Defaults.HalfPoints} : RichCharOf(Runs.front().Format, Defaults);
            for (const TRun& Run : Runs) Mask &= ~Differences(Char, RichCharOf(Run.Format, Defaults));
        }
        FillFormat(*Format, Char, Mask);
        Message.Result = Mask;
        return true;
    }
    case EM_SETCHARFORMAT: {
        const auto* Format = reinterpret_cast<const CHARFORMATW*>(L);
        if (!Format || Format->cbSize < sizeof(CHARFORMATW)) return true;
        int32_t Start = D.SelMin();
        int32_t End = D.SelMax();
        if (W & SCF_ALL) {
            Start = 0;
            End = D.Length();
        } else if (!(W & SCF_SELECTION)) {
            // The default attributes: the control's font.
            const TRichChar Char = Applied(TRichChar{Defaults.FontName, Defaults.HalfPoints}, *Format);
            Font()->SetName(Char.FontName);
            Font()->SetSize(Char.HalfPoints / 2);
            Message.Result = 1;
            return true;
        }
        if (Start == End && !(W & SCF_ALL)) {
            D.Typing = Applied(D.Typing ? *D.Typing : RichCharOf(D.Selection().charFormat(), Defaults), *Format);
        } else {
            QTextCursor Cursor(&D.Document);
            for (const TRun& Run : RunsIn(D.Document, Start, End)) {
                Cursor.setPosition(Run.Start);
                Cursor.setPosition(Run.End, QTextCursor::KeepAnchor);
                Cursor.setCharFormat(RichFormat(Applied(RichCharOf(Run.Format, Defaults), *Format)));
            }
            Changed(true);
        }
        Message.Result = 1;
        return true;
    }
    case EM_REQUESTRESIZE: SendRequestResize(true); return true;
    case EM_SETRECT:
    case EM_SETRECTNP:
        if (const auto* Rect = reinterpret_cast<const TRect*>(L)) D.FormatRect = *Rect;
        else D.FormatRect.reset();
        Invalidate();
        return true;
    case EM_GETRECT:
        if (auto* Rect = reinterpret_cast<TRect*>(L)) *Rect = D.FormatRect ? *D.FormatRect : ClientRect();
        return true;
    case EM_FORMATRANGE: Message.Result = FormatRange(W != 0, reinterpret_cast<FORMATRANGE*>(L)); return true;
    default: return false;
    }
}

int32_t TCustomRichEdit::FormatRange(bool Render, FORMATRANGE* Range)
{
    // A nil range frees what a system control caches between calls; nothing is cached here.
    if (!Range) return 0;
    TData& D = *FData;
    const int32_t Length = D.Length();
    const int32_t From = std::clamp(Range->chrg.cpMin, 0, Length);
    const int32_t To = Range->chrg.cpMax < 0 ? Length : std::clamp(Range->chrg.cpMax, From, Length);
    std::unique_ptr<QTextDocument> Copy(D.Document.clone());
    Copy->setDocumentMargin(0);
    QTextCursor Cut(Copy.get());
    Cut.setPosition(To);
    Cut.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    Cut.removeSelectedText();
    Cut.setPosition(0);
    Cut.setPosition(From, QTextCursor::KeepAnchor);
    Cut.removeSelectedText();
    const TRect Area = PixelsOfTwips(Range->rc);
    Copy->setTextWidth(std::max(1, Area.Width()));
    // The lines that fit whole; the first that does not is the answer.
    int32_t Fits = 0;
    int32_t Next = To - From;
    bool Full = false;
    for (QTextBlock Block = Copy->begin(); Block.isValid() && !Full; Block = Block.next()) {
        const QTextLayout* Layout = Block.layout();
        const QPointF Origin = Copy->documentLayout()->blockBoundingRect(Block).topLeft();
        for (int I = 0; I < Layout->lineCount(); ++I) {
            const QTextLine Line = Layout->lineAt(I);
            const int32_t Bottom = static_cast<int32_t>(std::ceil(Origin.y() + Line.y() + Line.height()));
            if (Bottom > Area.Height()) {
                Next = Block.position() + Line.textStart();
                Full = true;
                break;
            }
            Fits = Bottom;
        }
    }
    if (Render && Range->hdc) {
        if (QPainter* Painter = PainterOf(*Range->hdc)) {
            Painter->save();
            Painter->setClipRect(QRect(Area.Left, Area.Top, Area.Width(), Fits), Qt::IntersectClip);
            Painter->translate(Area.Left, Area.Top);
            QAbstractTextDocumentLayout::PaintContext Context;
            Context.palette.setColor(QPalette::Text, QtColorOf(Font()->Color()));
            Context.clip = QRectF(0, 0, Area.Width(), Fits);
            Copy->documentLayout()->draw(Painter, Context);
            Painter->restore();
        }
    }
    return From + Next;
}

// ---- Layout, notifications, input and drawing ----

TRect TCustomRichEdit::FormatRect() const
{
    return FData->FormatRect ? *FData->FormatRect : ClientRect();
}

void TCustomRichEdit::Layout() const
{
    QTextDocument& Document = FData->Document;
    Document.setDefaultFont(ToQFont(*Font()));
    const qreal Width = FWordWrap ? std::max(1, FormatRect().Width()) : -1;
    if (Document.textWidth() != Width) Document.setTextWidth(Width);
}

void TCustomRichEdit::Changed(bool Content)
{
    TData& D = *FData;
    if (Content) D.Modified = true;
    Invalidate();
    if (Content && (D.EventMask & ENM_CHANGE)) NotifyParent(EN_CHANGE);
    if (Content && (D.EventMask & ENM_REQUESTRESIZE)) SendRequestResize(false);
    if (D.NotifiedAnchor == D.Anchor && D.NotifiedCaret == D.Caret) return;
    D.NotifiedAnchor = D.Anchor;
    D.NotifiedCaret = D.Caret;
    if (!(D.EventMask & ENM_SELCHANGE) || !HandleAllocated()) return;
    SELCHANGE Change;
    Change.nmhdr = {Handle(), 0, EN_SELCHANGE};
    Change.chrg = {D.SelMin(), D.SelMax()};
    Change.seltyp = D.SelMin() == D.SelMax() ? 0 : 1;
    SendToParent(this, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&Change));
}

// The content's size: the formatting rectangle's width when wrapping, else the widest line.
void TCustomRichEdit::SendRequestResize(bool Always)
{
    Layout();
    const TRect Format = FormatRect();
    QTextDocument& Document = FData->Document;
    const auto Width = static_cast<int32_t>(std::ceil(FWordWrap ? Document.size().width() : Document.idealWidth()));
    const auto Height = static_cast<int32_t>(std::ceil(Document.size().height()));
    const TRect Requested = Rect(Format.Left, Format.Top, Format.Left + Width, Format.Top + Height);
    if (!Always && FData->LastRequest == Requested) return;
    FData->LastRequest = Requested;
    if (!HandleAllocated()) return;
    REQRESIZE Request;
    Request.nmhdr = {Handle(), 0, EN_REQUESTRESIZE};
    Request.rc = Requested;
    SendToParent(this, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&Request));
}

void TCustomRichEdit::KeyMessage(TMessage& Message)
{
    TData& D = *FData;
    const bool Shift = GetKeyState(VK_SHIFT) < 0;
    const bool Control = GetKeyState(VK_CONTROL) < 0;
    Layout();
    QTextCursor Cursor = D.Selection();
    QTextCursor::MoveOperation Move = QTextCursor::NoMove;
    switch (Message.WParam) {
    case VK_LEFT: Move = QTextCursor::Left; break;
    case VK_RIGHT: Move = QTextCursor::Right; break;
    case VK_UP: Move = QTextCursor::Up; break;
    case VK_DOWN: Move = QTextCursor::Down; break;
    case VK_HOME: Move = Control ? QTextCursor::Start : QTextCursor::StartOfLine; break;
    case VK_END: Move = Control ? QTextCursor::End : QTextCursor::EndOfLine; break;
    case VK_DELETE:
        if (!Cursor.hasSelection()) Cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
        if (!Cursor.hasSelection()) return;
        Cursor.removeSelectedText();
        D.Anchor = D.Caret = Cursor.position();
        D.Typing.reset();
        Changed(true);
        return;
    default: return;
    }
    Cursor.movePosition(Move, Shift ? QTextCursor::KeepAnchor : QTextCursor::MoveAnchor);
    D.Anchor = Cursor.anchor();
    D.Caret = Cursor.position();
    D.Typing.reset();
    Changed(false);
}

void TCustomRichEdit::CharMessage(TMessage& Message)
{
    TData& D = *FData;
    const auto Unit = static_cast<char16_t>(Message.WParam);
    QTextCursor Cursor = D.Selection();
    if (Unit == 1) {
        SelectAll();
        return;
    }
    if (Unit == VK_BACK) {
        if (!Cursor.hasSelection()) Cursor.movePosition(QTextCursor::PreviousCharacter, QTextCursor::KeepAnchor);
        if (!Cursor.hasSelection()) return;
        Cursor.removeSelectedText();
        D.Anchor = D.Caret = Cursor.position();
        D.Typing.reset();
        Changed(true);
        return;
    }
    if (Unit < 0x20 && Unit != '\r' && Unit != '\t') return;
    const QString Text = Unit == '\r' ? QStringLiteral("\r\n") : QString(QChar(Unit));
    Perform(EM_REPLACESEL, 1, reinterpret_cast<LPARAM>(Text.utf16()));
}

void TCustomRichEdit::MouseMessage(TMessage& Message)
{
    TData& D = *FData;
    if (Message.Msg == WM_LBUTTONUP) {
        D.Selecting = false;
        return;
    }
    if (Message.Msg == WM_MOUSEMOVE && (!D.Selecting || !(Message.WParam & MK_LBUTTON))) return;
    if (Message.Msg != WM_MOUSEMOVE && CanFocus() && !Focused()) SetFocus();
    Layout();
    const TRect Format = FormatRect();
    const TPoint P = LParamToPoint(Message.LParam);
    const int Hit = D.Document.documentLayout()->hitTest(QPointF(P.X - Format.Left, P.Y - Format.Top), Qt::FuzzyHit);
    const int32_t Pos = std::clamp(Hit < 0 ? D.Length() : Hit, 0, D.Length());
    const bool Extend = Message.Msg == WM_MOUSEMOVE || (Message.WParam & MK_SHIFT);
    if (Message.Msg != WM_MOUSEMOVE) D.Selecting = true;
    D.Anchor = Extend ? D.Anchor : Pos;
    D.Caret = Pos;
    D.Typing.reset();
    Changed(false);
}

void TCustomRichEdit::PaintWindow(HDC DC)
{
    DC->Brush()->SetColor(Color());
    DC->FillRect(ClientRect());
    QPainter* Painter = PainterOf(*DC);
    if (!Painter) return;
    Layout();
    TData& D = *FData;
    const TRect Format = FormatRect();
    // Raised text may stand above the formatting rectangle: only the client area clips.
    Painter->save();
    Painter->translate(Format.Left, Format.Top);
    QAbstractTextDocumentLayout::PaintContext Context;
    Context.palette.setColor(QPalette::Text, QtColorOf(Font()->Color()));
    const bool HasFocus = Focused();
    Context.cursorPosition = HasFocus && D.Anchor == D.Caret ? D.Caret : -1;
    if (D.Anchor != D.Caret && HasFocus) {
        QAbstractTextDocumentLayout::Selection Selection;
        Selection.cursor = D.Selection();
        Selection.format.setBackground(QtColorOf(clHighlight));
        Selection.format.setForeground(QtColorOf(clHighlightText));
        Context.selections.append(Selection);
    }
    D.Document.documentLayout()->draw(Painter, Context);
    Painter->restore();
}
