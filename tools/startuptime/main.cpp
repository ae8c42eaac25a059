// startuptime bare|skinned [stages]: prints the milliseconds from the process's creation to the end of the
// first complete paint (frame and client) of a 746 x 411 window: a bare system window, or the
// calculator window in its skinned frame. The window closes at once after.
// startuptime sysmenu: the milliseconds from an Alt+Space key press on the calculator window to the end
// of the system menu's first complete paint, for 20 openings (each closed by Escape): the median, the
// fastest and the slowest.
#include "app/win/CalculatorWindow.h"
#include "frame/SkinForm.h"
#include "gui/Application.h"
#include "menus/SkinPopupWindow.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <map>
#include <memory>
#include <string>
#include <vector>

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

double nowMs() {
    LARGE_INTEGER frequency{}, counter{};
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return double(counter.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

template <typename Predicate>
bool runUntil(Predicate done, double timeoutMs) {
    const double start = nowMs();
    while (!done()) {
        if (nowMs() - start > timeoutMs) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
        vireltan::Application().ProcessMessages();
    }
    return true;
}

void pressKeys(std::initializer_list<WORD> down) {
    std::vector<INPUT> inputs;
    for (WORD key : down) {
        INPUT in{};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = key;
        inputs.push_back(in);
    }
    for (auto it = down.end(); it != down.begin();) {
        INPUT in{};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = *--it;
        in.ki.dwFlags = KEYEVENTF_KEYUP;
        inputs.push_back(in);
    }
    SendInput(UINT(inputs.size()), inputs.data(), sizeof(INPUT));
}

// The key press goes in as the keyboard's (SendInput); where the system does not deliver injected keys
// to the window, the key-down is posted to the focused control instead.
int systemMenuTimes(HINSTANCE instance) {
    vireltan::TApplication& application = vireltan::Application();
    application.Initialize();
    auto window = std::make_unique<vireltan::TiletkenRhesap>(nullptr, instance);
    application.setMainForm(window.get());
    window->show();
    SetForegroundWindow(window->handle());
    auto* frame = dynamic_cast<vireltan::TbsSkinForm*>(window->frame());
    if (!frame) return 1;
    vireltan::TbsSkinMenu& menu = frame->SkinMenu();
    runUntil([] { return false; }, 300);
    RECT w{};
    GetWindowRect(window->handle(), &w);
    SetCursorPos(w.left + 300, w.top + 200);
    bool injected = true;
    std::vector<double> times;
    for (int i = 0; i < 20; ++i) {
        const double start = nowMs();
        if (injected) {
            pressKeys({VK_MENU, VK_SPACE});
        } else {
            HWND focus = GetFocus() ? GetFocus() : window->handle();
            PostMessageW(focus, WM_SYSKEYDOWN, VK_SPACE, (LPARAM(1) << 29) | (LPARAM(0x39) << 16) | 1);
        }
        const bool painted = runUntil(
            [&] {
                vireltan::TbsSkinPopupWindow* popup = menu.Visible() ? menu.newestPopup() : nullptr;
                return popup && popup->paintCounts().copies > 0;
            },
            1000);
        GdiFlush();
        const double elapsed = nowMs() - start;
        if (!painted) {
            if (!injected) return 2;
            injected = false;
            --i;
            continue;
        }
        times.push_back(elapsed);
        menu.Close();
        runUntil([] { return false; }, 60);
    }
    std::sort(times.begin(), times.end());
    std::printf("sysmenu %s median %.1f ms, fastest %.1f, slowest %.1f (%zu openings)\n",
                injected ? "(keyboard input)" : "(posted key)", times[times.size() / 2], times.front(),
                times.back(), times.size());
    std::fflush(stdout);
    return 0;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
    if (commandLine && std::wcsstr(commandLine, L"sysmenu")) return systemMenuTimes(instance);
    const bool bare = commandLine && std::wcsstr(commandLine, L"bare");
    stagesWanted = commandLine && std::wcsstr(commandLine, L"stages");
    const double elapsed = bare ? bareWindow(instance) : skinnedWindow(instance);
    std::printf("%s %.1f\n", bare ? "bare" : "skinned", elapsed);
    std::fflush(stdout);
    return 0;
}
