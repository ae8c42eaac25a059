// startuptime bare|skinned: prints the milliseconds from the process's creation to the end of the
// first complete paint (frame and client) of a 746 x 411 window: a bare system window, or the
// calculator window in its skinned frame. The window closes at once after.
#include "app/win/CalculatorWindow.h"
#include "gui/Application.h"

#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <memory>

namespace {

double millisecondsSinceStart() {
    FILETIME created{}, exited{}, kernel{}, user{}, now{};
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    GetSystemTimeAsFileTime(&now);
    auto ticks = [](const FILETIME& t) { return (ULONGLONG(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
    return double(ticks(now) - ticks(created)) / 10000.0;
}

LRESULT CALLBACK bareProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_PAINT) {
        PAINTSTRUCT paint;
        BeginPaint(window, &paint);
        FillRect(paint.hdc, &paint.rcPaint, GetSysColorBrush(COLOR_BTNFACE));
        EndPaint(window, &paint);
        return 0;
    }
    return DefWindowProcW(window, msg, wParam, lParam);
}

double bareWindow(HINSTANCE instance) {
    WNDCLASSW c{};
    c.lpfnWndProc = bareProc;
    c.hInstance = instance;
    c.lpszClassName = L"StartupTimeBare";
    c.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    RegisterClassW(&c);
    HWND window =
        CreateWindowExW(0, c.lpszClassName, L"   Vireltan - 12/2009", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                        267, 306, 746, 411, nullptr, nullptr, instance, nullptr);
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    GdiFlush();
    const double elapsed = millisecondsSinceStart();
    DestroyWindow(window);
    return elapsed;
}

double skinnedWindow(HINSTANCE instance) {
    vireltan::TApplication& application = vireltan::Application();
    application.Initialize();
    auto window = std::make_unique<vireltan::TiletkenRhesap>(nullptr, instance);
    application.setMainForm(window.get());
    window->show();
    RedrawWindow(window->handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    GdiFlush();
    return millisecondsSinceStart();
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
    const bool bare = commandLine && std::wcsstr(commandLine, L"bare");
    const double elapsed = bare ? bareWindow(instance) : skinnedWindow(instance);
    std::printf("%s %.1f\n", bare ? "bare" : "skinned", elapsed);
    std::fflush(stdout);
    return 0;
}
