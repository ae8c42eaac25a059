#include "gui/Timer.h"

#include "gui/Application.h"
#include "gui/HelperWindow.h"

namespace vireltan {

namespace {

constexpr wchar_t kTimerClass[] = L"VireltanTimer";

}  // namespace

TimerWindow::~TimerWindow() {
    if (window_) DestroyWindow(window_);
}

HWND TimerWindow::window() {
    if (window_) return window_;
    window_ = createHelperWindow(kTimerClass, &TimerWindow::windowProc, 0, HWND_MESSAGE, this);
    return window_;
}

UINT_PTR TimerWindow::start(TTimer* timer, unsigned interval) {
    HWND w = window();
    if (!w) return 0;
    // Ids run on (a wrap would take billions of restarts); 0 is never one.
    if (++lastId_ == 0) ++lastId_;
    if (!SetTimer(w, lastId_, interval, nullptr)) return 0;
    runs_[lastId_] = timer;
    return lastId_;
}

void TimerWindow::stop(UINT_PTR id) {
    if (!id) return;
    runs_.erase(id);
    if (window_) KillTimer(window_, id);
}

LRESULT CALLBACK TimerWindow::windowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_TIMER) {
        auto* self = reinterpret_cast<TimerWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (!self) return 0;
        const auto run = self->runs_.find(wParam);
        if (run != self->runs_.end()) run->second->tick();
        return 0;
    }
    return DefWindowProcW(window, msg, wParam, lParam);
}

TTimer::TTimer(TComponent* owner) : TComponent(owner) {
    updateTimer();
}

TTimer::~TTimer() {
    Application().timerWindow().stop(run_);
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

// A new run each time: the old run's id dies with it, and with it a tick already pending.
void TTimer::updateTimer() {
    TimerWindow& window = Application().timerWindow();
    window.stop(run_);
    run_ = 0;
    if (enabled_ && interval_ > 0) run_ = window.start(this, interval_);
}

void TTimer::tick() {
    if (!enabled_) return;
    try {
        Timer();
    } catch (...) {
        Application().handleException();
    }
}

void TTimer::Timer() {
    if (OnTimer) OnTimer();
}

}  // namespace vireltan
