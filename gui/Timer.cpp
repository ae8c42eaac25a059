#include "gui/Timer.h"

#include "gui/Application.h"

namespace vireltan {

namespace {

constexpr wchar_t kTimerClass[] = L"VireltanTimer";
constexpr UINT_PTR kTimerId = 1;

}  // namespace

TTimer::TTimer(TComponent* owner) : TComponent(owner) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    if (!GetClassInfoExW(instance, kTimerClass, &windowClass)) {
        windowClass = WNDCLASSEXW{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = &TTimer::windowProc;
        windowClass.hInstance = instance;
        windowClass.lpszClassName = kTimerClass;
        RegisterClassExW(&windowClass);
    }
    window_ = CreateWindowExW(0, kTimerClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr);
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    updateTimer();
}

TTimer::~TTimer() {
    if (!window_) return;
    KillTimer(window_, kTimerId);
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
}

void TTimer::setEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    updateTimer();
}

void TTimer::setInterval(unsigned interval) {
    if (interval == interval_) return;
    interval_ = interval;
    updateTimer();
}

void TTimer::updateTimer() {
    if (!window_) return;
    // Killing first also drops a tick already pending, so the new period starts now.
    KillTimer(window_, kTimerId);
    MSG stale;
    while (PeekMessageW(&stale, window_, WM_TIMER, WM_TIMER, PM_REMOVE)) {
    }
    if (enabled_ && interval_ > 0) SetTimer(window_, kTimerId, interval_, nullptr);
}

void TTimer::Timer() {
    if (OnTimer) OnTimer();
}

LRESULT CALLBACK TTimer::windowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_TIMER && wParam == kTimerId) {
        auto* timer = reinterpret_cast<TTimer*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (timer && timer->enabled_) {
            try {
                timer->Timer();
            } catch (...) {
                Application().handleException();
            }
        }
        return 0;
    }
    return DefWindowProcW(window, msg, wParam, lParam);
}

}  // namespace vireltan
