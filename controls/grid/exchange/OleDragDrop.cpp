// The rich-text switch of grid drags and the base drop target's answers.
#include "grid/exchange/OleDragDrop.h"

namespace {

bool RTFEnabled = false;

}  // namespace

void SetDropRTFEnabled(bool Value)
{
    RTFEnabled = Value;
}

bool DropRTFEnabled()
{
    return RTFEnabled;
}

HRESULT TESGDropTarget::DragEnter(IDataObject*, uint32_t, POINTL, uint32_t& Effect)
{
    FDropFormats = {};
    FOk = false;
    Effect = DROPEFFECT_NONE;
    DragMouseEnter();
    return S_OK;
}

HRESULT TESGDropTarget::DragOver(uint32_t, POINTL Pt, uint32_t& Effect)
{
    Effect = DROPEFFECT_NONE;
    bool Allow = false;
    DragMouseMove(Point(Pt.x, Pt.y), Allow, FDropFormats);
    return S_OK;
}

HRESULT TESGDropTarget::DragLeave()
{
    DragMouseLeave();
    return S_OK;
}

HRESULT TESGDropTarget::Drop(IDataObject*, uint32_t, POINTL, uint32_t& Effect)
{
    Effect = DROPEFFECT_NONE;
    return S_OK;
}
