// The platform mechanisms the calculator stands on, exercised for real under Wine: a window, a
// window timer whose ticks arrive through the message loop, and a modal message box that keeps the
// timers running and can be dismissed programmatically.
#include <windows.h>

#include <gtest/gtest.h>

namespace {

struct TestWindow {
    HWND handle = nullptr;
    int ticks = 0;

    TestWindow() {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = &TestWindow::procedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"VireltanTestWindow";
        RegisterClassW(&windowClass);
        handle = CreateWindowExW(0, windowClass.lpszClassName, L"test", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100,
                                 nullptr, nullptr, windowClass.hInstance, this);
    }
    ~TestWindow() { DestroyWindow(handle); }

    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE) {
            auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
            SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        }
        auto* self = reinterpret_cast<TestWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (message == WM_TIMER && self) {
            ++self->ticks;
            return 0;
        }
        return DefWindowProcW(window, message, wParam, lParam);
    }
};

// Pumps messages until `done` holds or the time runs out.
template <typename Predicate>
bool pumpUntil(Predicate done, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    MSG message;
    while (!done()) {
        if (GetTickCount() - start > timeoutMs) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return true;
}

TEST(MessageLoop, WindowIsCreated) {
    TestWindow window;
    ASSERT_NE(window.handle, nullptr);
    EXPECT_TRUE(IsWindow(window.handle));
}

TEST(MessageLoop, TimerTicksArriveThroughTheLoop) {
    TestWindow window;
    ASSERT_NE(SetTimer(window.handle, 1, 20, nullptr), 0u);
    EXPECT_TRUE(pumpUntil([&] { return window.ticks >= 3; }, 5000));
    KillTimer(window.handle, 1);
}

TestWindow* boxOwner = nullptr;

// Presses the message box's OK button once the owner's timer has ticked inside the box's loop.
void CALLBACK dismissMessageBox(HWND, UINT, UINT_PTR id, DWORD) {
    if (boxOwner->ticks < 3) return;
    if (HWND box = FindWindowW(L"#32770", L"Vireltan test")) {
        KillTimer(nullptr, id);
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    }
}

// The message box's own modal loop must keep delivering the owner's timer ticks; a second timer
// finds the box and presses its OK button.
TEST(MessageLoop, MessageBoxKeepsTimersRunningAndCanBeDismissed) {
    TestWindow window;
    boxOwner = &window;
    SetTimer(window.handle, 1, 20, nullptr);
    SetTimer(nullptr, 0, 300, dismissMessageBox);
    const int ticksBefore = window.ticks;
    const int answer = MessageBoxW(window.handle, L"message", L"Vireltan test", MB_OK | MB_ICONERROR);
    EXPECT_EQ(answer, IDOK);
    EXPECT_GE(window.ticks - ticksBefore, 3);
    KillTimer(window.handle, 1);
}

}  // namespace
