#include "gui/HintWindow.h"

#include "gui/Control.h"
#include "gui/Utf.h"

#include <commctrl.h>

namespace vireltan {

namespace {

TOOLINFOW toolInfo(HWND tooltip) {
    TOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.uFlags = TTF_TRACK | TTF_ABSOLUTE;
    info.hwnd = tooltip;
    info.uId = 1;
    return info;
}

}  // namespace

THintWindow::THintWindow(TComponent* owner) : TComponent(owner) {
    tooltip_ =
        CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, 0,
                        0, 0, 0, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (tooltip_) {
        TOOLINFOW info = toolInfo(tooltip_);
        wchar_t empty[] = L"";
        info.lpszText = empty;
        SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
        SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, 400);
    }
    timer_ = new TTimer(this);
    timer_->setEnabled(false);
    timer_->OnTimer = [this] {
        timer_->setEnabled(false);
        if (showing_) {
            cancel();
        } else {
            showNow();
        }
    };
}

THintWindow::~THintWindow() {
    destroyComponents();
    if (tooltip_) DestroyWindow(tooltip_);
}

std::string THintWindow::text() const {
    if (!tooltip_) return {};
    wchar_t buffer[1024] = {};
    TOOLINFOW info = toolInfo(tooltip_);
    info.lpszText = buffer;
    SendMessageW(tooltip_, TTM_GETTEXTW, 1024, reinterpret_cast<LPARAM>(&info));
    return toUtf8(buffer);
}

void THintWindow::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == control_) {
        control_ = nullptr;
        cancel();
    }
}

void THintWindow::track(TControl* control) {
    if (control_) control_->RemoveFreeNotification(this);
    control_ = control;
    if (control_) control_->FreeNotification(this);
}

void THintWindow::mouseOver(TControl* control, POINT screen) {
    cursor_ = screen;
    if (control == control_) return;
    cancel();
    track(control);
    if (control_ && control_->effectiveShowHint() && !control_->hint().empty()) {
        timer_->setInterval(pause_);
        timer_->setEnabled(true);
    }
}

void THintWindow::cancel() {
    timer_->setEnabled(false);
    showing_ = false;
    if (active_ && tooltip_) {
        TOOLINFOW info = toolInfo(tooltip_);
        SendMessageW(tooltip_, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&info));
    }
    active_ = false;
}

void THintWindow::showNow() {
    if (!control_ || !control_->effectiveShowHint() || control_->hint().empty()) return;
    activateHint(cursor_, control_->hint());
    if (active_ && hidePause_ > 0) {
        showing_ = true;
        timer_->setInterval(hidePause_);
        timer_->setEnabled(true);
    }
}

void THintWindow::activateHint(POINT screen, const std::string& text) {
    if (!tooltip_) return;
    if (text.empty()) {
        cancel();
        return;
    }
    std::wstring wide = toWide(text);
    TOOLINFOW info = toolInfo(tooltip_);
    info.lpszText = wide.data();
    SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
    // Below the pointer, clear of the cursor's own picture.
    const int cursorHeight = GetSystemMetrics(SM_CYCURSOR);
    SendMessageW(tooltip_, TTM_TRACKPOSITION, 0, MAKELPARAM(screen.x, screen.y + cursorHeight * 2 / 3));
    SendMessageW(tooltip_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&info));
    active_ = true;
}

}  // namespace vireltan
