// Drop targets of windows: the interface a window's drop target answers and its registration.
#pragma once

#include "windows/WinApi.h"

#include <cstdint>
#include <memory>

using HRESULT = int32_t;
constexpr HRESULT S_OK = 0;
constexpr HRESULT S_FALSE = 1;
constexpr HRESULT E_INVALIDARG = static_cast<HRESULT>(0x80070057u);
constexpr HRESULT DRAGDROP_E_NOTREGISTERED = static_cast<HRESULT>(0x80040100u);
constexpr HRESULT DRAGDROP_E_ALREADYREGISTERED = static_cast<HRESULT>(0x80040101u);
constexpr HRESULT DRAGDROP_E_INVALIDHWND = static_cast<HRESULT>(0x80040102u);

inline bool Succeeded(HRESULT Result)
{
    return Result >= 0;
}

// What a drop would do with the data.
constexpr uint32_t DROPEFFECT_NONE = 0, DROPEFFECT_COPY = 1, DROPEFFECT_MOVE = 2, DROPEFFECT_LINK = 4;

struct POINTL {
    int32_t x = 0;
    int32_t y = 0;
};

// The data a drag carries; its formats belong to the data exchange.
class IDataObject;

// What a window that takes drops answers while data is dragged over it and dropped on it. Pt is in
// screen coordinates, KeyState the MK_ flags of the buttons and keys held; Effect comes in as what
// the source allows and goes out as what the target would do.
class IDropTarget {
public:
    virtual ~IDropTarget() = default;
    virtual HRESULT DragEnter(IDataObject* DataObj, uint32_t KeyState, POINTL Pt, uint32_t& Effect) = 0;
    virtual HRESULT DragOver(uint32_t KeyState, POINTL Pt, uint32_t& Effect) = 0;
    virtual HRESULT DragLeave() = 0;
    virtual HRESULT Drop(IDataObject* DataObj, uint32_t KeyState, POINTL Pt, uint32_t& Effect) = 0;
};

// Makes Target the drop target of Wnd, which then takes drops; the window holds a reference to it
// until RevokeDragDrop or until it is destroyed. DRAGDROP_E_INVALIDHWND for no window of ours,
// DRAGDROP_E_ALREADYREGISTERED when Wnd has one, E_INVALIDARG for none.
HRESULT RegisterDragDrop(HWND Wnd, std::shared_ptr<IDropTarget> Target);
// Wnd takes no drops any more and lets go of its target; DRAGDROP_E_NOTREGISTERED when it had none.
HRESULT RevokeDragDrop(HWND Wnd);
