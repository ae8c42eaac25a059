// The soak's yardstick: a plain top-level window with the calculator's three timers (100, 500 and
// 750 ms) whose ticks do nothing. What it costs is what the timers themselves cost; the calculator is
// measured against it in the same run.
#include <windows.h>

namespace {

constexpr UINT kPeriods[] = {750, 500, 100};

LRESULT CALLBACK windowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_TIMER:
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(window, msg, wParam, lParam);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"VireltanBareTimers";
    if (!RegisterClassExW(&windowClass)) return 1;
    HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"Bare timers", WS_OVERLAPPEDWINDOW, 0, 0,
                                  735, 400, nullptr, nullptr, instance, nullptr);
    if (!window) return 1;
    UINT_PTR id = 1;
    for (UINT period : kPeriods) SetTimer(window, id++, period, nullptr);
    ShowWindow(window, show);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
