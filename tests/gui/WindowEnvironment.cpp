// Before any window test runs: can this process make a window, read its text back and get its
// messages? Where it cannot (no X display, or a Wine desktop left behind without one), every window test
// would fail or wait for its timeout, so the suite stops at once and says what to fix instead.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>

namespace {

const wchar_t kProbeClass[] = L"VireltanEnvironmentProbe";
const wchar_t kProbeCaption[] = L"Vireltan environment probe";
const UINT kProbeMessage = WM_APP + 77;

// The step the probe is in, for the message when it never comes back.
std::atomic<const char*> probeStep{"starting"};

// Empty when this process can work with windows; otherwise what is wrong, for a person to act on.
std::string windowEnvironmentProblem() {
    char display[256] = "";
    const bool underWine = GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
    const bool hasDisplay = GetEnvironmentVariableA("DISPLAY", display, sizeof display) > 0;
    if (underWine && !hasDisplay) {
        return "DISPLAY is not set: the Windows suites need an X display (run them through `make test`, "
               "or under `xvfb-run -a`)";
    }

    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kProbeClass;
    RegisterClassW(&windowClass);
    probeStep = "creating a window";
    HWND window = CreateWindowExW(0, kProbeClass, kProbeCaption, WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                                  nullptr, windowClass.hInstance, nullptr);
    if (window == nullptr) {
        return "no window can be created (error " + std::to_string(GetLastError()) +
               "): either the X server on DISPLAY=" + display +
               " is not reachable, or this process joined a Wine desktop without a display (a "
               "wineserver of this prefix started without DISPLAY is still running; end it with "
               "`bash scripts/wine-run.sh --stop` and run again)";
    }

    std::string problem;
    wchar_t text[64] = L"";
    probeStep = "reading a window's caption";
    GetWindowTextW(window, text, 64);
    if (std::wstring(text) != kProbeCaption) {
        problem =
            "a new window's caption does not read back: this process joined a Wine desktop that has "
            "no display (a wineserver of this prefix was started without DISPLAY and is still "
            "running; end it with `bash scripts/wine-run.sh --stop` and run again)";
    } else {
        probeStep = "delivering a message";
        PostMessageW(window, kProbeMessage, 0, 0);
        MSG message{};
        const DWORD start = GetTickCount();
        bool delivered = false;
        while (!delivered && GetTickCount() - start < 5000) {
            if (PeekMessageW(&message, window, kProbeMessage, kProbeMessage, PM_REMOVE))
                delivered = true;
            else
                Sleep(5);
        }
        if (!delivered) {
            problem =
                "a message posted to a new window never arrives: the Wine prefix is not ready (end its "
                "wineserver with `bash scripts/wine-run.sh --stop`, or delete build/wineprefix)";
        }
    }
    probeStep = "destroying a window";
    DestroyWindow(window);
    UnregisterClassW(kProbeClass, windowClass.hInstance);
    return problem;
}

[[noreturn]] void stopSuite(const std::string& problem) {
    std::fprintf(stderr, "\nwin_tests: cannot run the window tests here: %s.\n", problem.c_str());
    std::fflush(stderr);
    // Not one test could pass; stopping here beats hundreds of failures and a hang.
    std::_Exit(2);
}

class WindowEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        // A desktop without a display can block the very first window call, so a watchdog answers for
        // a probe that never returns. Emulated 32-bit code is slow: the limit is generous.
        std::mutex mutex;
        std::condition_variable finished;
        bool done = false;
        std::thread watchdog([&] {
            std::unique_lock lock(mutex);
            if (finished.wait_for(lock, std::chrono::seconds(120), [&] { return done; })) return;
            stopSuite(std::string("the probe window hangs while ") + probeStep.load() +
                      ": this process joined a Wine desktop that has no display (a wineserver of this "
                      "prefix was started without DISPLAY and is still running; end it with "
                      "`bash scripts/wine-run.sh --stop` and run again)");
        });
        const std::string problem = windowEnvironmentProblem();
        {
            std::lock_guard lock(mutex);
            done = true;
        }
        finished.notify_one();
        watchdog.join();
        if (!problem.empty()) stopSuite(problem);
    }
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new WindowEnvironment);

}  // namespace
