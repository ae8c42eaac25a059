// The basics of a top-level popup that never takes the activation or the focus (the combo box's list,
// the skinned menus): the window the user works in stays active and keeps its focused field, and
// keys reach the popup only through whoever routes them there.
#pragma once

#include "gui/WinControl.h"

namespace vireltan {

class NonActivatingPopup {
  public:
    // A popup tool window with saved bits and a drop shadow, owned by `owner`; `topmost` keeps it above
    // every other window while it is shown.
    static void popupParams(CreateParams& params, HWND owner, bool topmost);
    // The owner may change while the window exists.
    static void setPopupOwner(HWND window, HWND owner);
    // Places the window and shows it without activating it; a size of 0 keeps the current size.
    static void showPopup(HWND window, int x, int y, int width = 0, int height = 0);
    static void hidePopup(HWND window);
    // The popup's answer to WM_MOUSEACTIVATE (never activate); false for every other message.
    static bool answerActivation(TMessage& message);
};

}  // namespace vireltan
