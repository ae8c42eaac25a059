// Helpers for the tests that drive real windows: pumping the application's loop until something
// holds, and reading the pixels a window paints into a memory bitmap.
#pragma once

#include "gui/Application.h"
#include "gui/Bitmap.h"
#include "gui/WinControl.h"

#include <windows.h>

#include <cstdint>

namespace vireltan::testing {

// Runs the application's loop (hook, hints, dispatch) until `done` holds or the time runs out.
template <typename Predicate>
bool pumpUntil(Predicate done, DWORD timeoutMs = 5000) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > timeoutMs) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
        Application().ProcessMessages();
    }
    return true;
}

// Lets the loop run for a while regardless of what happens.
inline void pumpFor(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    pumpUntil([&] { return GetTickCount() - start >= milliseconds; }, milliseconds + 1000);
}

// The client area of `control` as it paints itself (background, its own paint, graphic children).
inline void renderClient(TWinControl& control, TBitmap& bitmap) {
    const RECT client = control.clientRect();
    bitmap.setSize(client.right, client.bottom);
    SendMessageW(control.handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(bitmap.canvasHandle()),
                 PRF_CLIENT | PRF_ERASEBKGND);
}

// The pixel at (x, y) of a 24-bit top-down bitmap, as a COLORREF (0x00BBGGRR).
inline COLORREF pixelAt(TBitmap& bitmap, int x, int y) {
    const std::uint8_t* p = bitmap.bits() + y * bitmap.stride() + 3 * x;
    return RGB(p[2], p[1], p[0]);
}

}  // namespace vireltan::testing
