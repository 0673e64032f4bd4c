// The grid unit's shared state: its start and end, the window-procedure hook that keeps the
// focus window over its cell, the version and locale helpers.
#include "grid/core/ExtGrid.h"

#include "rtl/FormatSettings.h"
#include "windows/Clipbrd.h"
#include "windows/FileVersion.h"
#include "windows/WindowHooks.h"

#include <vector>

UINT GridCellsClipFormat = 0;
UINT GridEditDoneMsg = 0;
UINT DTPShiftFocusMsg = 0;
bool ComCtl32Ver470 = false;
HHOOK GridHookHandle = nullptr;
TExtStringGrid* FocusWindowGrid = nullptr;
TCursor GridLinkCursor = crHandPoint;

namespace {

int32_t& UnitCount()
{
    static int32_t Count = 0;
    return Count;
}

// OLE needs no start on this platform; the calls only nest.
int32_t OleCount = 0;

void InitGridOle()
{
    ++OleCount;
}

void DoneGridOle()
{
    if (OleCount > 0) --OleCount;
}

}  // namespace

void ExtGridInitialization()
{
    if (UnitCount()++ > 0) return;
    InitGridOle();
    FocusWindowGrid = nullptr;
    if (!GridHookHandle) GridHookHandle = SetWindowsHookEx(WH_CALLWNDPROC, GridWndProcHook, 0, GetCurrentThreadId());
    // Classes are not registered for streaming: this program reads no form files.
    ComCtl32Ver470 = GetModuleFileVersion(QStringLiteral("comctl32.dll")) > 0x40045;
    GridCellsClipFormat = RegisterClipboardFormat(QStringLiteral("TExtStringGrid Cells"));
    GridEditDoneMsg = RegisterWindowMessage(QStringLiteral("GridEditDone"));
    DTPShiftFocusMsg = RegisterWindowMessage(QStringLiteral("DTPShiftFocus"));
}

void ExtGridFinalization()
{
    if (UnitCount() == 0 || --UnitCount() > 0) return;
    DoneGridOle();
    if (GridHookHandle) UnhookWindowsHookEx(GridHookHandle);
    GridHookHandle = nullptr;
}

LRESULT GridWndProcHook(int32_t Code, WPARAM WParam, LPARAM LParam)
{
    const auto* Data = reinterpret_cast<const CWPSTRUCT*>(LParam);
    if (Data && (Data->message == WM_WINDOWPOSCHANGING || Data->message == WM_WINDOWPOSCHANGED) && FocusWindowGrid)
        FocusWindowGrid->PlaceFocusWindow();
    return CallNextHookEx(GridHookHandle, Code, WParam, LParam);
}

int32_t GetModuleFileVersion(const QString& FileName)
{
    uint32_t Handle = 0;
    const uint32_t Size = GetFileVersionInfoSize(FileName, &Handle);
    if (Size == 0) return -1;
    std::vector<uint8_t> Data(Size);
    if (!GetFileVersionInfo(FileName, Handle, Size, Data.data())) return -1;
    void* Buffer = nullptr;
    UINT Len = 0;
    if (!VerQueryValue(Data.data(), QStringLiteral("\\"), &Buffer, &Len) || !Buffer) return -1;
    const auto* Info = static_cast<const VS_FIXEDFILEINFO*>(Buffer);
    if (Info->dwSignature != VS_FFI_SIGNATURE) return -1;
    return static_cast<int32_t>(Info->dwFileVersionMS);
}

void SetWindowTransparent(HWND Handle)
{
    SetWindowLong(Handle, GWL_EXSTYLE, GetWindowLong(Handle, GWL_EXSTYLE) | static_cast<int32_t>(WS_EX_TRANSPARENT));
}

bool IsWinXPVersion(int32_t Major, int32_t Minor)
{
    return Major > 5 || (Major == 5 && Minor != 0);
}

bool IsWin7Version(int32_t Major, int32_t Minor)
{
    return Major > 6 || (Major == 6 && Minor != 0);
}

QString GetShortTimeFormat()
{
    return FormatSettings().ShortTimeFormat;
}

QString GetLongTimeFormat()
{
    return FormatSettings().LongTimeFormat;
}
