#include "gui/NonActivatingPopup.h"

namespace vireltan {

void NonActivatingPopup::popupParams(CreateParams& params, HWND owner, bool topmost) {
    params.style = WS_POPUP | WS_CLIPCHILDREN;
    params.exStyle = WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | (topmost ? WS_EX_TOPMOST : 0);
    params.classStyle = CS_DBLCLKS | CS_SAVEBITS | CS_DROPSHADOW;
    params.parent = owner;
    params.background = nullptr;
}

void NonActivatingPopup::setPopupOwner(HWND window, HWND owner) {
    if (window) SetWindowLongPtrW(window, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
}

void NonActivatingPopup::showPopup(HWND window, int x, int y, int width, int height) {
    const bool keepSize = width <= 0 || height <= 0;
    const bool topmost = (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    SetWindowPos(window, topmost ? HWND_TOPMOST : HWND_TOP, x, y, width, height,
                 (keepSize ? SWP_NOSIZE : 0u) | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void NonActivatingPopup::hidePopup(HWND window) {
    if (!window) return;
    SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool NonActivatingPopup::answerActivation(TMessage& message) {
    if (message.msg != WM_MOUSEACTIVATE) return false;
    message.result = MA_NOACTIVATE;
    return true;
}

}  // namespace vireltan
