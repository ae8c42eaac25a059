// startuptime bare|children|skinned [stages|messages]: prints the milliseconds from the process's creation
// to the end of the first complete paint (frame and client) of a 746 x 411 window: a bare system window,
// the same with the calculator's child windows made plain, or the calculator window in its skinned
// frame. The window closes at once after.
// startuptime sysmenu: the milliseconds from an Alt+Space key press on the calculator window to the end
// of the system menu's first complete paint, for 20 openings (each closed by Escape): the median, the
// fastest and the slowest.
#include "app/win/CalculatorWindow.h"
#include "frame/SkinForm.h"
#include "gui/Application.h"
#include "menus/SkinPopupWindow.h"

#include <psapi.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

double millisecondsSinceStart() {
    FILETIME created{}, exited{}, kernel{}, user{}, now{};
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    GetSystemTimeAsFileTime(&now);
    auto ticks = [](const FILETIME& t) { return (ULONGLONG(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
    return double(ticks(now) - ticks(created)) / 10000.0;
}

// "stages": the time and the working set at each step of the start, on stderr, to see where the start-up
// goes; "messages" adds, per window class and message, how many came up to the paint and the time spent in
// them (the hooks slow every message down, so the times of a "messages" run are not the ones to compare with
// a bare window's).
bool stagesWanted = false;
bool messagesWanted = false;
// Per window class and message: how often it came and the milliseconds spent in it, its nested
// messages left out, so that the expensive handlers stand out.
struct MessageCost {
    int count = 0;
    double milliseconds = 0;
};
using MessageCosts = std::map<std::pair<std::wstring, UINT>, MessageCost>;
MessageCosts* messageCosts = nullptr;

double nowMilliseconds() {
    static LARGE_INTEGER frequency{};
    if (!frequency.QuadPart) QueryPerformanceFrequency(&frequency);
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return double(now.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

struct OpenMessage {
    MessageCost* cost;
    double started;
    double nested;
};
std::vector<OpenMessage> openMessages;

// Class names by window, asked once: the hooks should cost as little as they can.
std::map<HWND, std::wstring> classNames;

MessageCost& costOf(HWND window, UINT message) {
    auto known = classNames.find(window);
    if (known == classNames.end()) {
        wchar_t name[64] = L"";
        GetClassNameW(window, name, 64);
        known = classNames.emplace(window, name).first;
    }
    return (*messageCosts)[{known->second, message}];
}

LRESULT CALLBACK messageEntered(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && messageCosts) {
        const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
        MessageCost& cost = costOf(sent->hwnd, sent->message);
        ++cost.count;
        openMessages.push_back({&cost, nowMilliseconds(), 0});
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK messageLeft(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && messageCosts && !openMessages.empty()) {
        const OpenMessage open = openMessages.back();
        openMessages.pop_back();
        const double spent = nowMilliseconds() - open.started;
        open.cost->milliseconds += spent - open.nested;
        if (!openMessages.empty()) openMessages.back().nested += spent;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK postedTaken(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && messageCosts && wParam == PM_REMOVE) {
        const auto* posted = reinterpret_cast<const MSG*>(lParam);
        ++costOf(posted->hwnd, posted->message).count;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void startCounting(MessageCosts& costs) {
    if (!messagesWanted) return;
    messageCosts = &costs;
    SetWindowsHookExW(WH_CALLWNDPROC, messageEntered, nullptr, GetCurrentThreadId());
    SetWindowsHookExW(WH_CALLWNDPROCRET, messageLeft, nullptr, GetCurrentThreadId());
    SetWindowsHookExW(WH_GETMESSAGE, postedTaken, nullptr, GetCurrentThreadId());
}

// The messages since the last stage, and how long they took.
void printCounts() {
    if (!messageCosts) return;
    double total = 0;
    for (const auto& [key, cost] : *messageCosts) {
        std::fprintf(stderr, "  %-24ls %04x %4d %7.2f ms\n", key.first.c_str(), key.second, cost.count,
                     cost.milliseconds);
        total += cost.milliseconds;
    }
    std::fprintf(stderr, "  in messages %.1f ms\n", total);
    messageCosts->clear();
}

void stage(const char* name) {
    if (!stagesWanted) return;
    printCounts();
    // Memory first touched costs a page fault, dear on some machines: the working set shows how much.
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    K32GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
    std::fprintf(stderr, "%-12s %8.1f ms %8zu KB in use\n", name, millisecondsSinceStart(),
                 memory.WorkingSetSize / 1024);
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

// The calculator's child windows with nothing of ours: five containers, four combo boxes, fourteen
// edits (two of them inside combo boxes), all plain, each given the font as ours are. What they cost
// over the bare window is the system's price for the window tree alone.
void addPlainChildren(HWND window, const wchar_t* containerClass, HFONT font, HINSTANCE instance) {
    constexpr DWORD kChild = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    auto child = [&](HWND parent, const wchar_t* cls, DWORD style, int x, int y, int w, int h) {
        HWND made =
            CreateWindowExW(0, cls, L"", kChild | style, x, y, w, h, parent, nullptr, instance, nullptr);
        SendMessageW(made, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        return made;
    };
    const RECT boxes[] = {{8, 8, 185, 201}, {200, 8, 305, 201}, {512, 8, 209, 202}, {8, 216, 713, 134}};
    HWND box[4];
    for (int i = 0; i < 4; ++i)
        box[i] = child(window, containerClass, WS_CLIPCHILDREN, boxes[i].left, boxes[i].top, boxes[i].right,
                       boxes[i].bottom);
    child(box[3], containerClass, WS_CLIPCHILDREN, 312, 30, 112, 92);  // the phase group
    constexpr DWORD kEdit = WS_BORDER | ES_MULTILINE | ES_AUTOHSCROLL;
    for (int i = 0; i < 8; ++i) child(box[2], L"EDIT", kEdit | ES_READONLY, 72, 38 + 18 * i, 130, 18);
    for (int i = 0; i < 2; ++i) child(box[1], L"EDIT", kEdit, 149, 62 + 21 * i, 80, 18);
    for (int i = 0; i < 2; ++i) child(box[3], L"EDIT", kEdit, 128 + 48 * i, 56 + 23 * i, 81, 18);
    for (const auto& [parent, x, y, editable] : {std::tuple{box[1], 109, 29, false},
                                                 {box[1], 149, 104, true},
                                                 {box[3], 128, 32, true},
                                                 {box[3], 128, 102, false}}) {
        HWND combo = child(parent, containerClass, WS_CLIPCHILDREN, x, y, 129, 20);
        if (editable) child(combo, L"EDIT", ES_AUTOHSCROLL, 2, 2, 108, 16);
    }
}

// A system window of the calculator's size, bare or with the calculator's child windows made plain.
double plainWindow(HINSTANCE instance, bool withChildren) {
    stage("main");
    MessageCosts costs;
    startCounting(costs);
    WNDCLASSW c{};
    c.lpfnWndProc = bareProc;
    c.hInstance = instance;
    c.lpszClassName = L"StartupTimeBare";
    c.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    RegisterClassW(&c);
    HWND window =
        CreateWindowExW(0, c.lpszClassName, L"   Vireltan - 12/2009", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                        267, 306, 746, 411, nullptr, nullptr, instance, nullptr);
    HFONT font = nullptr;
    if (withChildren) {
        font = CreateFontW(-14, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Arial");
        addPlainChildren(window, c.lpszClassName, font, instance);
    }
    stage("created");
    ShowWindow(window, SW_SHOW);
    stage("shown");
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    GdiFlush();
    const double elapsed = millisecondsSinceStart();
    stage("painted");
    messageCosts = nullptr;
    DestroyWindow(window);
    if (font) DeleteObject(font);
    return elapsed;
}

double skinnedWindow(HINSTANCE instance) {
    stage("main");
    MessageCosts costs;
    startCounting(costs);
    vireltan::TApplication& application = vireltan::Application();
    application.Initialize();
    stage("initialized");
    auto window = std::make_unique<vireltan::TiletkenRhesap>(nullptr, instance);
    stage("constructed");
    application.setMainForm(window.get());
    window->handle();
    stage("created");
    window->show();
    stage("shown");
    RedrawWindow(window->handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    GdiFlush();
    const double elapsed = millisecondsSinceStart();
    stage("painted");
    messageCosts = nullptr;
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
    const bool children = commandLine && std::wcsstr(commandLine, L"children");
    messagesWanted = commandLine && std::wcsstr(commandLine, L"messages");
    stagesWanted = messagesWanted || (commandLine && std::wcsstr(commandLine, L"stages"));
    const double elapsed = (bare || children) ? plainWindow(instance, children) : skinnedWindow(instance);
    std::printf("%s %.1f\n", children ? "children" : bare ? "bare" : "skinned", elapsed);
    std::fflush(stdout);
    return 0;
}
