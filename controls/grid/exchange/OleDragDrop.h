// OLE drag and drop of grids: the unit-wide switch for rich text and the base drop target, which
// hands drags and drops on to its virtual operations.
#pragma once

#include "rtl/Object.h"
#include "rtl/Set.h"
#include "rtl/Types.h"
#include "windows/ActiveX.h"

#include <QString>

#include <memory>

class TMemoryStream;
class TStrings;

// The formats a dragged data object offers.
enum TDropFormat { dfText, dfFile, dfCol, dfRTF, dfURL, dfGridCells };
using TDropFormats = TSet<TDropFormat>;

// Rich text is accepted and offered on drags only while this switch is on; it is off at start.
void SetDropRTFEnabled(bool Value);
bool DropRTFEnabled();

// A drop target that sorts what is dropped by format into its virtual operations, all empty here.
// Every IDropTarget answer is S_OK; a refused drag shows as DROPEFFECT_NONE. No format of a
// dragged data object is recognised yet, so every drag is refused.
class TESGDropTarget : public TObject, public IDropTarget {
public:
    TESGDropTarget() = default;

    HRESULT DragEnter(IDataObject* DataObj, uint32_t KeyState, POINTL Pt, uint32_t& Effect) override;
    HRESULT DragOver(uint32_t KeyState, POINTL Pt, uint32_t& Effect) override;
    HRESULT DragLeave() override;
    HRESULT Drop(IDataObject* DataObj, uint32_t KeyState, POINTL Pt, uint32_t& Effect) override;

    // Points are screen points; the stream handed to DropStream belongs to the receiver.
    virtual void DropText(TPoint, const QString&) {}
    virtual void DropStream(TPoint, std::unique_ptr<TMemoryStream>) {}
    virtual void DropCol(TPoint, int32_t) {}
    virtual void DropRTF(TPoint, const QString&) {}
    virtual void DropFiles(TPoint, TStrings*) {}
    virtual void DropURL(TPoint, const QString&) {}
    virtual void DragMouseMove(TPoint, bool& /*Allow*/, TDropFormats) {}
    virtual void DragMouseEnter() {}
    virtual void DragMouseLeave() {}

    bool AcceptText() const { return FAcceptText; }
    void SetAcceptText(bool Value) { FAcceptText = Value; }
    bool AcceptFiles() const { return FAcceptFiles; }
    void SetAcceptFiles(bool Value) { FAcceptFiles = Value; }
    bool AcceptCols() const { return FAcceptCols; }
    void SetAcceptCols(bool Value) { FAcceptCols = Value; }
    bool AcceptURLs() const { return FAcceptURLs; }
    void SetAcceptURLs(bool Value) { FAcceptURLs = Value; }

protected:
    // The drag that entered last is accepted, and the formats it offers.
    bool FOk = false;
    bool FAcceptText = true;
    bool FAcceptFiles = true;
    bool FAcceptCols = false;
    bool FAcceptURLs = true;
    TDropFormats FDropFormats;
};
