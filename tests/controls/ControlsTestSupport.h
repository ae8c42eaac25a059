// Driving the drawn controls (combo box, dropped list, scroll bar) through their window messages:
// mouse messages in client coordinates, keys and characters, and the wheel.
#pragma once

#include "gui/WinControl.h"

#include <windows.h>

#include <string>

namespace vireltan::testing {

inline LPARAM pointParam(int x, int y) {
    return MAKELPARAM(static_cast<WORD>(static_cast<SHORT>(x)), static_cast<WORD>(static_cast<SHORT>(y)));
}

inline void mouseDown(HWND window, int x, int y) {
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, pointParam(x, y));
}
inline void mouseMove(HWND window, int x, int y, bool buttonDown = true) {
    SendMessageW(window, WM_MOUSEMOVE, buttonDown ? MK_LBUTTON : 0, pointParam(x, y));
}
inline void mouseUp(HWND window, int x, int y) {
    SendMessageW(window, WM_LBUTTONUP, 0, pointParam(x, y));
}
inline void wheel(HWND window, int delta) {
    SendMessageW(window, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(static_cast<SHORT>(delta))), 0);
}
inline void keyDown(HWND window, WPARAM key, bool alt = false) {
    if (alt) {
        SendMessageW(window, WM_SYSKEYDOWN, key, 1 | (1 << 29));
    } else {
        SendMessageW(window, WM_KEYDOWN, key, 1);
    }
}
inline void typeChars(HWND window, const std::wstring& text) {
    for (wchar_t key : text) SendMessageW(window, WM_CHAR, key, 1);
}
inline void fireTimer(HWND window, UINT_PTR id = 1) {
    SendMessageW(window, WM_TIMER, id, 0);
}

// A point in `from`'s client coordinates expressed in `to`'s.
inline POINT mapPoint(HWND from, HWND to, POINT point) {
    MapWindowPoints(from, to, &point, 1);
    return point;
}

}  // namespace vireltan::testing
