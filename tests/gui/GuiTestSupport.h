// Helpers for the tests that drive real windows: pumping the application's loop until something
// holds, and reading the pixels a window paints into a memory bitmap.
#pragma once

#include "gui/Application.h"
#include "gui/Bitmap.h"
#include "gui/Form.h"
#include "gui/SkinComponents.h"
#include "gui/Utf.h"
#include "gui/WinControl.h"

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace vireltan::testing {

// A new form at (x, y) of the given outer size, shown; the caller owns it and everything placed on it.
inline TForm* shownForm(int x, int y, int width, int height) {
    TForm* form = new TForm(nullptr);
    form->setBounds(x, y, width, height);
    form->show();
    return form;
}

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

// Runs the loop until every message posted to this thread so far has been handled (keys a test posts,
// say), however slowly a loaded machine gets to them.
inline bool pumpPosted(DWORD timeoutMs = 5000) {
    return pumpUntil([] { return (HIWORD(GetQueueStatus(QS_POSTMESSAGE)) & QS_POSTMESSAGE) == 0; },
                     timeoutMs);
}

// Lets the loop run for a while regardless of what happens.
inline void pumpFor(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    pumpUntil([&] { return GetTickCount() - start >= milliseconds; }, milliseconds + 1000);
}

// Moves the real pointer back where it was when the scope ends, so that a test that rests it over a
// window does not leave it over the windows of the tests that follow.
struct CursorRestore {
    POINT saved{};
    CursorRestore() { GetCursorPos(&saved); }
    ~CursorRestore() { SetCursorPos(saved.x, saved.y); }
    CursorRestore(const CursorRestore&) = delete;
    CursorRestore& operator=(const CursorRestore&) = delete;
};

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

// An open message box as the user sees it.
struct ReportWindow {
    HWND window = nullptr;
    HWND owner = nullptr;
    std::string caption;
    std::vector<std::string> texts;    // every child's text, the message among them
    std::vector<std::string> buttons;  // the visible buttons' captions
    HICON icon = nullptr;              // the picture beside the message, if any

    bool says(const std::string& message) const {
        for (const std::string& text : texts) {
            if (text == message) return true;
        }
        return false;
    }
};

// The window's stored skin loaded on components of `owner`, as the window loads it: the skin data
// component, or null when the executable's skin resource did not load.
inline SkinDataComponent* loadWindowSkin(TComponent& owner) {
    auto* stored = new StoredSkinComponent(&owner);
    if (!stored->loadFromResource(GetModuleHandleW(nullptr), L"VIRELTAN_SKIN")) return nullptr;
    auto* data = new SkinDataComponent(&owner);
    data->setCompressedStoredSkin(stored);
    return data;
}

namespace detail {

// Plain functions, not lambdas: on 32-bit Windows an enumeration callback must be __stdcall.
inline BOOL CALLBACK collectReportChild(HWND child, LPARAM found) {
    auto& report = *reinterpret_cast<ReportWindow*>(found);
    wchar_t text[512] = {};
    GetWindowTextW(child, text, 512);
    report.texts.push_back(toUtf8(text));
    wchar_t className[32] = {};
    GetClassNameW(child, className, 32);
    const std::wstring kind = className;
    if (_wcsicmp(kind.c_str(), L"Button") == 0 && IsWindowVisible(child))
        report.buttons.push_back(toUtf8(text));
    if (_wcsicmp(kind.c_str(), L"Static") == 0 &&
        (GetWindowLongPtrW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
        if (HICON icon = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0))) report.icon = icon;
    }
    return TRUE;
}

inline BOOL CALLBACK collectReport(HWND window, LPARAM found) {
    wchar_t className[32] = {};
    GetClassNameW(window, className, 32);
    if (std::wstring(className) != L"#32770" || !IsWindowVisible(window)) return TRUE;
    ReportWindow report;
    report.window = window;
    report.owner = GetWindow(window, GW_OWNER);
    wchar_t caption[256] = {};
    GetWindowTextW(window, caption, 256);
    report.caption = toUtf8(caption);
    EnumChildWindows(window, collectReportChild, reinterpret_cast<LPARAM>(&report));
    reinterpret_cast<std::vector<ReportWindow>*>(found)->push_back(report);
    return TRUE;
}

}  // namespace detail

// The error reports (message boxes) of this thread open now, each answered with OK; what they
// showed is returned. Called from a timer handler, it closes the reports from inside their loop.
inline std::vector<ReportWindow> dismissReports() {
    std::vector<ReportWindow> reports;
    EnumThreadWindows(GetCurrentThreadId(), detail::collectReport, reinterpret_cast<LPARAM>(&reports));
    for (const ReportWindow& report : reports)
        PostMessageW(report.window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    return reports;
}

}  // namespace vireltan::testing
