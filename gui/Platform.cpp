#include "gui/Platform.h"

namespace vireltan {

namespace {

using MonitorFromWindowFn = HMONITOR(WINAPI*)(HWND, DWORD);
using GetMonitorInfoFn = BOOL(WINAPI*)(HMONITOR, LPMONITORINFO);
using GetScrollBarInfoFn = BOOL(WINAPI*)(HWND, LONG, PSCROLLBARINFO);
using SetLayeredWindowAttributesFn = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);

// The optional user32 entry points, looked up once.
struct User32Functions {
    MonitorFromWindowFn monitorFromWindow = nullptr;
    GetMonitorInfoFn getMonitorInfo = nullptr;
    GetScrollBarInfoFn getScrollBarInfo = nullptr;
    SetLayeredWindowAttributesFn setLayeredWindowAttributes = nullptr;

    User32Functions() {
        HMODULE user32 = GetModuleHandleW(L"user32.dll");
        if (!user32) return;
        monitorFromWindow = lookUp<MonitorFromWindowFn>(user32, "MonitorFromWindow");
        getMonitorInfo = lookUp<GetMonitorInfoFn>(user32, "GetMonitorInfoA");
        getScrollBarInfo = lookUp<GetScrollBarInfoFn>(user32, "GetScrollBarInfo");
        setLayeredWindowAttributes =
            lookUp<SetLayeredWindowAttributesFn>(user32, "SetLayeredWindowAttributes");
    }

    template <typename Fn>
    static Fn lookUp(HMODULE module, const char* name) {
        return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    }
};

const User32Functions& user32() {
    static const User32Functions functions;
    return functions;
}

}  // namespace

RECT monitorRect(HWND window, MonitorArea area) {
    const User32Functions& functions = user32();
    if (GetSystemMetrics(SM_CMONITORS) > 1 && functions.monitorFromWindow && functions.getMonitorInfo) {
        MONITORINFO info{};
        info.cbSize = sizeof info;
        HMONITOR monitor = functions.monitorFromWindow(window, MONITOR_DEFAULTTONEAREST);
        if (monitor && functions.getMonitorInfo(monitor, &info))
            return area == MonitorArea::WorkArea ? info.rcWork : info.rcMonitor;
    }
    RECT rect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (area == MonitorArea::WorkArea) SystemParametersInfoW(SPI_GETWORKAREA, 0, &rect, 0);
    return rect;
}

bool scrollBarInfo(HWND window, LONG objectId, SCROLLBARINFO& info) {
    info.cbSize = sizeof info;
    if (const auto getScrollBarInfo = user32().getScrollBarInfo)
        return getScrollBarInfo(window, objectId, &info) != FALSE;
    info.rgstate[0] = STATE_SYSTEM_INVISIBLE;
    return false;
}

bool setLayeredAlpha(HWND window, BYTE alpha) {
    const auto setLayeredWindowAttributes = user32().setLayeredWindowAttributes;
    return setLayeredWindowAttributes && setLayeredWindowAttributes(window, 0, alpha, LWA_ALPHA) != FALSE;
}

}  // namespace vireltan
