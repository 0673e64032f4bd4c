// The rich edit control: formatted text over our own document, read and written as RTF, with the
// rich-edit messages and notifications.
#pragma once

#include "graphics/GraphicsObjects.h"
#include "windows/Controls.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

class TStrings;

// ---- Rich-edit messages, notifications and structures ----
enum : UINT {
    EM_CANPASTE = WM_USER + 50, EM_DISPLAYBAND = WM_USER + 51, EM_EXGETSEL = WM_USER + 52,
    EM_EXLIMITTEXT = WM_USER + 53, EM_EXLINEFROMCHAR = WM_USER + 54, EM_EXSETSEL = WM_USER + 55,
    EM_FORMATRANGE = WM_USER + 57, EM_GETCHARFORMAT = WM_USER + 58, EM_GETEVENTMASK = WM_USER + 59,
    EM_REQUESTRESIZE = WM_USER + 65, EM_SETBKGNDCOLOR = WM_USER + 67, EM_SETCHARFORMAT = WM_USER + 68,
    EM_SETEVENTMASK = WM_USER + 69,
};
// Notification codes (WM_NOTIFY for the two structures below, WM_COMMAND for EN_CHANGE).
enum : UINT { EN_REQUESTRESIZE = 0x0701, EN_SELCHANGE = 0x0702 };
// EM_SETEVENTMASK: the notifications the control sends.
enum : uint32_t { ENM_NONE = 0, ENM_CHANGE = 0x00000001, ENM_REQUESTRESIZE = 0x00040000, ENM_SELCHANGE = 0x00080000 };
// EM_SETCHARFORMAT / EM_GETCHARFORMAT: which characters.
enum : WPARAM { SCF_DEFAULT = 0, SCF_SELECTION = 1, SCF_ALL = 4 };
// The attributes a character-format record's mask names.
enum : uint32_t {
    CFM_BOLD = 0x00000001, CFM_ITALIC = 0x00000002, CFM_UNDERLINE = 0x00000004, CFM_STRIKEOUT = 0x00000008,
    CFM_SUBSCRIPT = 0x00030000, CFM_SUPERSCRIPT = 0x00030000, CFM_BACKCOLOR = 0x04000000,
    CFM_OFFSET = 0x10000000, CFM_FACE = 0x20000000, CFM_COLOR = 0x40000000, CFM_SIZE = 0x80000000,
};
enum : uint32_t {
    CFE_BOLD = 0x00000001, CFE_ITALIC = 0x00000002, CFE_UNDERLINE = 0x00000004, CFE_STRIKEOUT = 0x00000008,
    CFE_SUBSCRIPT = 0x00010000, CFE_SUPERSCRIPT = 0x00020000, CFE_AUTOBACKCOLOR = 0x04000000,
    CFE_AUTOCOLOR = 0x40000000,
};

// The wide character-format record (92 bytes). Sizes and offsets are in twips; a positive offset
// raises the characters.
struct CHARFORMATW {
    UINT cbSize = sizeof(CHARFORMATW);
    uint32_t dwMask = 0;
    uint32_t dwEffects = 0;
    int32_t yHeight = 0;
    int32_t yOffset = 0;
    uint32_t crTextColor = 0;
    uint8_t bCharSet = 0;
    uint8_t bPitchAndFamily = 0;
    char16_t szFaceName[32] = {};
};
static_assert(sizeof(CHARFORMATW) == 92);
// The record with the highlight colour.
struct CHARFORMAT2W : CHARFORMATW {
    CHARFORMAT2W() { cbSize = sizeof(CHARFORMAT2W); }
    uint16_t wWeight = 0;
    int16_t sSpacing = 0;
    uint32_t crBackColor = 0;
    uint32_t lcid = 0;
    uint32_t dwReserved = 0;
    int16_t sStyle = 0;
    uint16_t wKerning = 0;
    uint8_t bUnderlineType = 0;
    uint8_t bAnimation = 0;
    uint8_t bRevAuthor = 0;
    uint8_t bReserved1 = 0;
};

// Character positions; cpMax -1 is the end of the text. A paragraph break counts one position.
struct CHARRANGE {
    int32_t cpMin = 0;
    int32_t cpMax = 0;
};

// EM_FORMATRANGE: the characters chrg laid out in rc (twips, on hdc) and, with WParam non-zero,
// drawn; the answer is the first character that did not fit.
struct FORMATRANGE {
    HDC hdc = nullptr;
    HDC hdcTarget = nullptr;
    TRect rc;
    TRect rcPage;
    CHARRANGE chrg;
};

// EN_REQUESTRESIZE: the rectangle (client coordinates) the content asks for.
struct REQRESIZE {
    NMHDR nmhdr;
    TRect rc;
};

// EN_SELCHANGE.
struct SELCHANGE {
    NMHDR nmhdr;
    CHARRANGE chrg;
    uint16_t seltyp = 0;
};

class TCustomRichEdit;

// The character attributes of a rich edit's selection (or of the text typed next), read and set
// through EM_GETCHARFORMAT and EM_SETCHARFORMAT.
class TTextAttributes : public TPersistent {
public:
    explicit TTextAttributes(TCustomRichEdit* RichEdit) : FRichEdit(RichEdit) {}

    // Takes a font's name, size, style and colour.
    void Assign(TPersistent* Source) override;

    TColor Color() const;
    void SetColor(TColor Value);
    QString Name() const;
    void SetName(const QString& Value);
    // Points.
    int32_t Size() const;
    void SetSize(int32_t Value);
    // Pixels.
    int32_t Height() const;
    void SetHeight(int32_t Value);
    TFontStyles Style() const;
    void SetStyle(TFontStyles Value);

private:
    CHARFORMAT2W Get() const;
    void Set(CHARFORMAT2W& Format);

    TCustomRichEdit* FRichEdit;
};

// A multi-line edit of formatted text. The text is a document of paragraphs whose characters
// carry font, size, style, colours and a baseline offset; Lines loads and saves it as RTF (our own
// subset: fonts, colours, bold, italic, underline, strike-out, sizes, offsets, super- and
// subscript, paragraph alignment). The control answers the edit and rich-edit messages with or
// without a window, and draws itself; its notifications reach the parent window as the system's
// control sends them (EN_CHANGE, EN_SELCHANGE, EN_REQUESTRESIZE, as EM_SETEVENTMASK asks).
class TCustomRichEdit : public TWinControl {
public:
    explicit TCustomRichEdit(TComponent* AOwner);
    ~TCustomRichEdit() override;

    // The text's lines. Loading reads RTF (text starting "{\rtf"; each character up to 0xFF
    // standing for its byte) or else plain text; saving writes RTF.
    TStrings* Lines() const { return FLines.get(); }
    void SetLines(TStrings* Value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value);

    int32_t SelStart() const;
    void SetSelStart(int32_t Value);
    int32_t SelLength() const;
    void SetSelLength(int32_t Value);
    QString SelText() const;
    void SetSelText(const QString& Value);
    void SelectAll();
    void Clear() { SetText({}); }
    TTextAttributes* SelAttributes() const { return FSelAttributes.get(); }

    std::function<void(TObject* Sender)> OnChange;
    std::function<void(TObject* Sender)> OnSelectionChange;
    std::function<void(TObject* Sender, TRect& Rect)> OnResizeRequest;

protected:
    void CreateWnd() override;
    void Dispatch(TMessage& Message) override;
    void DefaultHandler(TMessage& Message) override;
    void PaintWindow(HDC DC) override;
    // Fires OnChange, OnSelectionChange, OnResizeRequest.
    virtual void Change();
    virtual void SelectionChange();
    virtual void RequestSize(const TRect& Rect);

private:
    struct TData;
    friend class TRichEditStrings;

    bool RichMessage(TMessage& Message);
    int32_t FormatRange(bool Render, FORMATRANGE* Range);
    // The formatting rectangle (client coordinates): EM_SETRECT's until the control is resized.
    TRect FormatRect() const;
    // Lays the document out for the formatting rectangle and the font.
    void Layout() const;
    void CNNotify(TWMNotify Message);
    void KeyMessage(TMessage& Message);
    void CharMessage(TMessage& Message);
    void MouseMessage(TMessage& Message);
    // After every change: the window, the notifications.
    void Changed(bool Content);
    void SendRequestResize(bool Always);

    std::unique_ptr<TData> FData;
    std::unique_ptr<TStrings> FLines;
    std::unique_ptr<TTextAttributes> FSelAttributes;
    bool FWordWrap = true;
};

class TRichEdit : public TCustomRichEdit {
public:
    using TCustomRichEdit::TCustomRichEdit;
};
