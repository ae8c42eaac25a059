// The soak's probe, run beside a program under test in the same Wine prefix:
//   guiprobe counts CLASS     the USER and GDI object counts of the process that owns the top-level
//                             window of that class, and the error reports it has open
//   guiprobe clipboard TEXT   puts TEXT on the clipboard, for a paste into a field
//   guiprobe pointer X Y      moves the pointer to a screen point (on a bare X server Wine does not
//                             hear of moves outside its windows, so xdotool alone cannot take the
//                             pointer off the window as far as the program knows)
// Counts come from GetGuiResources where the system reports them. Wine does not (it answers 0), so
// the USER count is then the process's windows, counted one by one, and the GDI count is what the
// program's own handle owners hold, asked of its window with a registered message.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <cwchar>
#include <string>

namespace {

struct WindowTally {
    DWORD process = 0;
    unsigned windows = 0;
    unsigned reports = 0;
};

BOOL CALLBACK countChild(HWND window, LPARAM data) {
    auto* tally = reinterpret_cast<WindowTally*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == tally->process) ++tally->windows;
    return TRUE;
}

void countTree(HWND window, WindowTally& tally) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != tally.process) return;
    ++tally.windows;
    wchar_t className[64] = {};
    GetClassNameW(window, className, 64);
    if (std::wstring(className) == L"#32770" && IsWindowVisible(window)) ++tally.reports;
    EnumChildWindows(window, countChild, reinterpret_cast<LPARAM>(&tally));
}

BOOL CALLBACK countTopLevel(HWND window, LPARAM data) {
    countTree(window, *reinterpret_cast<WindowTally*>(data));
    return TRUE;
}

WindowTally tallyWindows(DWORD process) {
    WindowTally tally;
    tally.process = process;
    EnumWindows(countTopLevel, reinterpret_cast<LPARAM>(&tally));
    // Message-only windows (the calculator's timers) are not top-level windows to EnumWindows.
    for (HWND window = FindWindowExW(HWND_MESSAGE, nullptr, nullptr, nullptr); window;
         window = FindWindowExW(HWND_MESSAGE, window, nullptr, nullptr)) {
        countTree(window, tally);
    }
    return tally;
}

int counts(const wchar_t* className) {
    HWND window = FindWindowW(className, nullptr);
    if (!window) {
        std::fprintf(stderr, "guiprobe: no window of class %ls\n", className);
        return 1;
    }
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    DWORD user = 0, gdi = 0;
    if (HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, processId)) {
        user = GetGuiResources(process, GR_USEROBJECTS);
        gdi = GetGuiResources(process, GR_GDIOBJECTS);
        CloseHandle(process);
    }
    const WindowTally tally = tallyWindows(processId);
    const char* source = "GetGuiResources";
    if (user == 0 && gdi == 0) {
        source = "windows+own-handles";
        user = tally.windows;
        DWORD_PTR answer = 0;
        const UINT query = RegisterWindowMessageW(L"Vireltan.GdiObjectCount");
        if (SendMessageTimeoutW(window, query, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer)) {
            gdi = static_cast<DWORD>(answer);
        }
    }
    std::printf("user=%lu gdi=%lu windows=%u reports=%u source=%s\n", static_cast<unsigned long>(user),
                static_cast<unsigned long>(gdi), tally.windows, tally.reports, source);
    return 0;
}

int clipboard(const wchar_t* text) {
    const std::size_t bytes = (std::wcslen(text) + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!memory) return 1;
    std::memcpy(GlobalLock(memory), text, bytes);
    GlobalUnlock(memory);
    if (!OpenClipboard(nullptr)) {
        GlobalFree(memory);
        return 1;
    }
    EmptyClipboard();
    const bool placed = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    CloseClipboard();
    if (!placed) GlobalFree(memory);  // the clipboard owns it only when it took it
    return placed ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc == 3 && std::wstring(argv[1]) == L"counts") return counts(argv[2]);
    if (argc == 3 && std::wstring(argv[1]) == L"clipboard") return clipboard(argv[2]);
    if (argc == 4 && std::wstring(argv[1]) == L"pointer") {
        return SetCursorPos(_wtoi(argv[2]), _wtoi(argv[3])) ? 0 : 1;
    }
    std::fprintf(stderr, "usage: guiprobe counts CLASS | clipboard TEXT | pointer X Y\n");
    return 2;
}
