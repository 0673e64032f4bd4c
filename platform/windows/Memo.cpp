// TCustomMemo: the multi-line edit, and its lines kept in the text.
#include "windows/StdCtrls.h"

#include "rtl/Strings.h"

namespace {

const QString LineBreak = QStringLiteral("\r\n");

// The lines of a memo, read and changed through the edit messages (as the toolkit's memo does).
class TMemoStrings : public TStrings {
public:
    explicit TMemoStrings(TCustomMemo* Memo) : FMemo(Memo) {}

    void Clear() override { FMemo->Clear(); }

    void Delete(int32_t Index) override
    {
        const auto Start = static_cast<int32_t>(FMemo->Perform(EM_LINEINDEX, static_cast<WPARAM>(Index), 0));
        if (Start < 0) return;
        auto End = static_cast<int32_t>(FMemo->Perform(EM_LINEINDEX, static_cast<WPARAM>(Index + 1), 0));
        if (End < 0) End = Start + static_cast<int32_t>(FMemo->Perform(EM_LINELENGTH, static_cast<WPARAM>(Start), 0));
        ReplaceRange(Start, End, {});
    }

    void Insert(int32_t Index, const QString& S) override
    {
        if (Index < 0) return;
        auto Start = static_cast<int32_t>(FMemo->Perform(EM_LINEINDEX, static_cast<WPARAM>(Index), 0));
        QString Line = S + LineBreak;
        if (Start < 0) {
            // After the last line, which has no line break yet.
            Start = static_cast<int32_t>(FMemo->Perform(EM_LINEINDEX, static_cast<WPARAM>(Index - 1), 0));
            if (Start < 0) return;
            const auto Length = static_cast<int32_t>(FMemo->Perform(EM_LINELENGTH, static_cast<WPARAM>(Start), 0));
            if (Length == 0) return;
            Start += Length;
            Line = LineBreak + S;
        }
        ReplaceRange(Start, Start, Line);
    }

protected:
    QString Get(int32_t Index) const override
    {
        const auto Start = static_cast<int32_t>(FMemo->Perform(EM_LINEINDEX, static_cast<WPARAM>(Index), 0));
        if (Start < 0) return {};
        const auto Length = FMemo->Perform(EM_LINELENGTH, static_cast<WPARAM>(Start), 0);
        QString Line(Length + 1, QChar());
        // EM_GETLINE takes the buffer size in the buffer's first character.
        Line[0] = QChar(static_cast<char16_t>(Length + 1));
        const auto Copied = FMemo->Perform(EM_GETLINE, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(Line.data()));
        Line.truncate(Copied);
        return Line;
    }

    // A last line that is empty (the text ends with a line break) is no line.
    int32_t GetCount() const override
    {
        auto Count = static_cast<int32_t>(FMemo->Perform(EM_GETLINECOUNT, 0, 0));
        const auto LastStart = FMemo->Perform(EM_LINEINDEX, static_cast<WPARAM>(Count - 1), 0);
        if (FMemo->Perform(EM_LINELENGTH, static_cast<WPARAM>(LastStart), 0) == 0) --Count;
        return Count;
    }

    void Put(int32_t Index, const QString& S) override
    {
        const auto Start = static_cast<int32_t>(FMemo->Perform(EM_LINEINDEX, static_cast<WPARAM>(Index), 0));
        if (Start < 0) return;
        const auto Length = static_cast<int32_t>(FMemo->Perform(EM_LINELENGTH, static_cast<WPARAM>(Start), 0));
        ReplaceRange(Start, Start + Length, S);
    }

    QString GetTextStr() const override { return FMemo->Text(); }
    void SetTextStr(const QString& Value) override { FMemo->SetText(Value); }

private:
    void ReplaceRange(int32_t Start, int32_t End, const QString& S)
    {
        FMemo->Perform(EM_SETSEL, static_cast<WPARAM>(Start), End);
        FMemo->Perform(EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(S.utf16()));
    }

    TCustomMemo* FMemo;
};

}  // namespace

TCustomMemo::TCustomMemo(TComponent* AOwner) : TCustomEdit(AOwner), FLines(std::make_unique<TMemoStrings>(this))
{
    SetAutoSize(false);
    SetBounds(Left(), Top(), 185, 89);
}

TCustomMemo::~TCustomMemo() = default;

void TCustomMemo::SetLines(TStrings* Value)
{
    FLines->Assign(Value);
}

void TCustomMemo::SetScrollBars(TScrollStyle Value)
{
    if (FScrollBars == Value) return;
    FScrollBars = Value;
    RecreateWnd();
}

void TCustomMemo::SetWordWrap(bool Value)
{
    if (FWordWrap == Value) return;
    FWordWrap = Value;
    RecreateWnd();
}

void TCustomMemo::CreateParams(TCreateParams& Params)
{
    TCustomEdit::CreateParams(Params);
    static constexpr uint32_t ScrollBarStyles[] = {0, WS_HSCROLL, WS_VSCROLL, WS_HSCROLL | WS_VSCROLL};
    Params.Style |= ES_MULTILINE | ScrollBarStyles[FScrollBars];
    if (FWordWrap) Params.Style &= ~ES_AUTOHSCROLL;
}

LRESULT TCustomMemo::DialogCode()
{
    LRESULT Code = TCustomEdit::DialogCode();
    if (FWantTabs) Code |= DLGC_WANTTAB;
    else Code &= ~DLGC_WANTTAB;
    if (!FWantReturns) Code &= ~DLGC_WANTALLKEYS;
    return Code;
}

void TCustomMemo::KeyPress(QChar& Key)
{
    TCustomEdit::KeyPress(Key);
    if (Key == QLatin1Char('\r') && !FWantReturns) Key = QChar();
}
