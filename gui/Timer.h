// A window timer: ticks arrive through the message loop (also inside modal loops such as the error
// report), at most one is pending at a time, and enabling restarts the period.
#pragma once

#include "gui/Component.h"

#include <windows.h>

#include <functional>
#include <unordered_map>

namespace vireltan {

class TTimer;

// The one hidden window every timer of the program ticks through: under Wine a window costs a
// round of requests and messages to make, a timer one request. Each run of a timer gets an id of
// its own, so a tick of a run that was stopped finds nobody and is dropped.
class TimerWindow {
  public:
    TimerWindow() = default;
    ~TimerWindow();
    TimerWindow(const TimerWindow&) = delete;
    TimerWindow& operator=(const TimerWindow&) = delete;

    // Starts a run of `timer` with this period and returns its id; stop() ends it.
    UINT_PTR start(TTimer* timer, unsigned interval);
    void stop(UINT_PTR id);

  private:
    static LRESULT CALLBACK windowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    HWND window();

    HWND window_ = nullptr;
    UINT_PTR lastId_ = 0;
    std::unordered_map<UINT_PTR, TTimer*> runs_;
};

class TTimer : public TComponent {
  public:
    // Enabled, with a period of 1000 ms, from creation on.
    explicit TTimer(TComponent* owner);
    ~TTimer() override;

    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    unsigned interval() const { return interval_; }
    // A change restarts the period; 0 stops the ticks while keeping Enabled.
    void setInterval(unsigned interval);

    // A handler that throws ends there and goes to the application's error report; the timer
    // keeps running.
    std::function<void()> OnTimer;

  protected:
    virtual void Timer();

  private:
    friend class TimerWindow;
    void updateTimer();
    void tick();

    bool enabled_ = true;
    unsigned interval_ = 1000;
    UINT_PTR run_ = 0;  // the running period's id in the timer window, 0 when stopped
};

}  // namespace vireltan
