// A window timer: ticks arrive through the message loop (also inside modal loops such as the error
// report), at most one is pending at a time, and enabling restarts the period.
#pragma once

#include "gui/Component.h"

#include <windows.h>

#include <functional>

namespace vireltan {

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
    static LRESULT CALLBACK windowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    void updateTimer();

    bool enabled_ = true;
    unsigned interval_ = 1000;
    HWND window_ = nullptr;  // message-only, ours for our whole life
};

}  // namespace vireltan
