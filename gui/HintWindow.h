// The hint: the standard tooltip control, shown when the pointer rests on a control that has a
// hint and shows hints, and hidden when the pointer moves on, a key or button is pressed, or after a
// while. The text is read when the hint appears, so a hint changed meanwhile shows its new text.
#pragma once

#include "gui/Component.h"
#include "gui/Timer.h"

#include <windows.h>

#include <string>

namespace vireltan {

class TControl;

class THintWindow : public TComponent {
  public:
    explicit THintWindow(TComponent* owner);
    ~THintWindow() override;

    HWND handle() const { return tooltip_; }
    bool active() const { return active_; }
    std::string text() const;
    TControl* control() const { return control_; }

    unsigned hintPause() const { return pause_; }
    void setHintPause(unsigned milliseconds) { pause_ = milliseconds; }
    unsigned hintHidePause() const { return hidePause_; }
    void setHintHidePause(unsigned milliseconds) { hidePause_ = milliseconds; }

    // The pointer is over `control` (or over nothing of ours) at `screen`.
    void mouseOver(TControl* control, POINT screen);
    void cancel();
    // Shows `text` at once below the point (empty text hides).
    void activateHint(POINT screen, const std::string& text);

    void Notification(TComponent* component, TOperation operation) override;

  private:
    void track(TControl* control);
    void showNow();

    HWND tooltip_ = nullptr;
    TTimer* timer_ = nullptr;  // owned as a component
    TControl* control_ = nullptr;
    POINT cursor_{0, 0};
    bool active_ = false;
    bool showing_ = false;  // timer counts the hide pause, not the show pause
    unsigned pause_ = 500;
    unsigned hidePause_ = 2500;
};

}  // namespace vireltan
