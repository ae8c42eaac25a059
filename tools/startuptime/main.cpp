// startuptime bare|skinned [stages]: prints the milliseconds from the process's creation to the end of the
// first complete paint (frame and client) of a 746 x 411 window: a bare system window, or the
// calculator window in its skinned frame. The window closes at once after.
#include "app/win/CalculatorWindow.h"
#include "gui/Application.h"

#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <map>
#include <memory>
#include <string>

namespace {

double millisecondsSinceStart() {
    FILETIME created{}, exited{}, kernel{}, user{}, now{};
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    GetSystemTimeAsFileTime(&now);
    auto ticks = [](const FILETIME& t) { return (ULONGLONG(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
    return double(ticks(now) - ticks(created)) / 10000.0;
}

// "stages": the time at each step of the skinned start and the messages each window class received
// up to then, on stderr, to see where the start-up goes.
bool stagesWanted = false;
std::map<std::wstring, std::map<UINT, int>>* messageCounts = nullptr;

LRESULT CALLBACK countMessage(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && messageCounts) {
        const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
        wchar_t name[64] = L"";
        GetClassNameW(sent->hwnd, name, 64);
        ++(*messageCounts)[name][sent->message];
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK countPosted(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && messageCounts && wParam == PM_REMOVE) {
        const auto* posted = reinterpret_cast<const MSG*>(lParam);
        wchar_t name[64] = L"";
        GetClassNameW(posted->hwnd, name, 64);
        ++(*messageCounts)[name][posted->message];
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void stage(const char* name) {
    if (stagesWanted) std::fprintf(stderr, "%-12s %8.1f ms\n", name, millisecondsSinceStart());
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
    stage("main");
    std::map<std::wstring, std::map<UINT, int>> counts;
    if (stagesWanted) {
        messageCounts = &counts;
        SetWindowsHookExW(WH_CALLWNDPROC, countMessage, nullptr, GetCurrentThreadId());
        SetWindowsHookExW(WH_GETMESSAGE, countPosted, nullptr, GetCurrentThreadId());
    }
    vireltan::TApplication& application = vireltan::Application();
    application.Initialize();
    stage("initialized");
    auto window = std::make_unique<vireltan::TiletkenRhesap>(nullptr, instance);
    stage("constructed");
    application.setMainForm(window.get());
    window->show();
    stage("shown");
    RedrawWindow(window->handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    GdiFlush();
    const double elapsed = millisecondsSinceStart();
    stage("painted");
    messageCounts = nullptr;
    for (const auto& [className, messages] : counts) {
        std::fprintf(stderr, "%ls:", className.c_str());
        for (const auto& [message, count] : messages) std::fprintf(stderr, " %04x=%d", message, count);
        std::fprintf(stderr, "\n");
    }
    return elapsed;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
    const bool bare = commandLine && std::wcsstr(commandLine, L"bare");
    stagesWanted = commandLine && std::wcsstr(commandLine, L"stages");
    const double elapsed = bare ? bareWindow(instance) : skinnedWindow(instance);
    std::printf("%s %.1f\n", bare ? "bare" : "skinned", elapsed);
    std::fflush(stdout);
    return 0;
}
