// TExtRichEdit: the string grid's rich edit, for measuring and painting rich-text cells and for
// editing them in place.
#pragma once

#include "windows/RichEdit.h"

#include <cstdint>

class TExtStringGrid;

// The owner given to the constructor is the grid (a string grid; any other owner leaves the rich
// edit without a grid). Sub- and superscript are character offsets of -40 and +40 twips.
class TExtRichEdit : public TRichEdit {
public:
    explicit TExtRichEdit(TComponent* AOwner);

    void SelNormal();
    void SelSubscript();
    void SelSuperscript();
    bool IsSelNormal();
    bool IsSelSubscript();
    bool IsSelSuperscript();
    void ReCreate();
    // While locked, the grid fills the editor without resizing the row.
    void Lock() { FLocked = true; }
    void Unlock() { FLocked = false; }
    // The size the control last asked for (pixels).
    int32_t ReqWidth() const { return FReqWidth; }
    int32_t ReqHeight() const { return FReqHeight; }

protected:
    void Dispatch(TMessage& Message) override;
    // The Height switch of the grid's grow-while-typing settings. Those settings come with the grid's
    // editing half; until then the row does not grow.
    virtual bool SizeHeightWhileTyping() const { return false; }

private:
    void SetSelOffset(int32_t Twips);
    bool IsSelOffset(int32_t Twips);
    void WMKeyDown(TMessage& Message);
    void WMKillFocus(TMessage& Message);
    void CNNotify(TMessage& Message);

    TExtStringGrid* FGrid = nullptr;
    int32_t FReqHeight = 0;
    int32_t FReqWidth = 0;
    bool FLocked = false;
};
