// The hook chain of WH_CALLWNDPROC: hooks see every message sent to a window before it arrives.
#include "windows/WindowHooks.h"

#include <QCoreApplication>
#include <QThread>

#include <algorithm>
#include <vector>

namespace {

struct THook {
    HHOOK Handle;
    HOOKPROC Proc;
};

// Installed hooks, the last installed first.
std::vector<THook>& Hooks()
{
    static std::vector<THook> Instance;
    return Instance;
}

// The position in the chain of each hook call running (hooks may send messages themselves).
std::vector<size_t>& Running()
{
    static std::vector<size_t> Instance;
    return Instance;
}

uintptr_t& LastHandle()
{
    static uintptr_t Instance = 0;
    return Instance;
}

bool OnUiThread()
{
    return !QCoreApplication::instance() || QThread::currentThread() == QCoreApplication::instance()->thread();
}

}  // namespace

uint32_t GetCurrentThreadId()
{
    return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(QThread::currentThreadId()));
}

HHOOK SetWindowsHookEx(int32_t IdHook, HOOKPROC Proc, uintptr_t, uint32_t ThreadId)
{
    if (IdHook != WH_CALLWNDPROC || !Proc || !OnUiThread()) return nullptr;
    if (ThreadId != 0 && ThreadId != GetCurrentThreadId()) return nullptr;
    const HHOOK Handle = reinterpret_cast<HHOOK>(++LastHandle());
    Hooks().insert(Hooks().begin(), THook{Handle, Proc});
    return Handle;
}

LRESULT CallNextHookEx(HHOOK, int32_t Code, WPARAM WParam, LPARAM LParam)
{
    // As on the system, the hook handle is not needed: the chain knows which hook runs.
    auto& Chain = Running();
    if (Chain.empty()) return 0;
    const size_t Next = ++Chain.back();
    if (Next >= Hooks().size()) return 0;
    return Hooks()[Next].Proc(Code, WParam, LParam);
}

bool UnhookWindowsHookEx(HHOOK Hook)
{
    auto& List = Hooks();
    auto At = std::find_if(List.begin(), List.end(), [Hook](const THook& H) { return H.Handle == Hook; });
    if (At == List.end()) return false;
    List.erase(At);
    return true;
}

namespace WindowsInternal {

void RunCallWndProcHooks(HWND Wnd, const TMessage& Message)
{
    if (Hooks().empty() || !OnUiThread()) return;
    CWPSTRUCT Data;
    Data.lParam = Message.LParam;
    Data.wParam = Message.WParam;
    Data.message = Message.Msg;
    Data.hwnd = Wnd;
    // The first hook passes the call on through CallNextHookEx.
    Running().push_back(0);
    try {
        Hooks().front().Proc(HC_ACTION, 1, reinterpret_cast<LPARAM>(&Data));
    } catch (...) {
        Running().pop_back();
        throw;
    }
    Running().pop_back();
}

}  // namespace WindowsInternal
