#include "frame/TrayIcon.h"

#include "gui/Application.h"
#include "gui/Form.h"
#include "gui/HelperWindow.h"
#include "gui/Utf.h"

#include <shellapi.h>

#include <algorithm>

namespace vireltan {

namespace {

constexpr wchar_t kTrayClass[] = L"VireltanTrayIcon";
constexpr UINT kIconId = 1;

}  // namespace

TbsTrayIcon::TbsTrayIcon(TComponent* owner) : TComponent(owner) {
    // A hidden top-level window: the notification area talks to it, and it hears the taskbar's
    // restart, which message-only windows do not.
    window_ = createHelperWindow(kTrayClass, &TbsTrayIcon::windowProc, WS_POPUP, nullptr, this);
    taskbarCreated_ = RegisterWindowMessageW(L"TaskbarCreated");
}

TbsTrayIcon::~TbsTrayIcon() {
    mainFormHook_.remove();
    if (watched_) watched_->RemoveFreeNotification(this);
    // A main window hidden in the tray comes back: without the icon nothing could bring it back.
    if (inTray_) ShowApplication();
    iconVisible_ = false;
    update();
    if (window_) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
}

void TbsTrayIcon::setIconVisible(bool value) {
    if (iconVisible_ == value) return;
    iconVisible_ = value;
    update();
}

void TbsTrayIcon::setMinimizeToTray(bool value) {
    minimizeToTray_ = value;
    if (value) watchMainForm();
}

void TbsTrayIcon::setIcon(HICON icon) {
    icon_ = icon;
    if (added_) update();
}

void TbsTrayIcon::setHint(const std::string& hint) {
    hint_ = hint;
    if (added_) update();
}

HICON TbsTrayIcon::shownIcon() const {
    if (icon_) return icon_;
    if (TForm* main = Application().mainForm(); main && main->handleAllocated()) {
        for (WPARAM which : {WPARAM(ICON_SMALL), WPARAM(ICON_BIG)}) {
            if (auto icon = reinterpret_cast<HICON>(SendMessageW(main->handle(), WM_GETICON, which, 0)))
                return icon;
        }
    }
    return LoadIconW(nullptr, MAKEINTRESOURCEW(32512));  // IDI_APPLICATION
}

void TbsTrayIcon::update() {
    if (!window_) return;
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = window_;
    data.uID = kIconId;
    if (!iconVisible_) {
        if (added_) Shell_NotifyIconW(NIM_DELETE, &data);
        added_ = false;
        return;
    }
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = kCallbackMessage;
    data.hIcon = shownIcon();
    const std::wstring tip = toWide(hint_.empty() ? Application().title() : hint_);
    const std::size_t length = std::min(tip.size(), std::size(data.szTip) - 1);
    std::copy_n(tip.begin(), length, data.szTip);
    if (added_ && Shell_NotifyIconW(NIM_MODIFY, &data)) return;
    added_ = Shell_NotifyIconW(NIM_ADD, &data) != FALSE;
}

void TbsTrayIcon::watchMainForm() {
    TForm* main = Application().mainForm();
    if (main == watched_) return;
    mainFormHook_.remove();
    if (watched_) watched_->RemoveFreeNotification(this);
    watched_ = main;
    if (!main) return;
    main->FreeNotification(this);
    mainFormHook_ = main->installWindowProcHook(
        [this](TMessage& message, const WindowProcNext& next) { onMainFormMessage(message, next); });
}

void TbsTrayIcon::onMainFormMessage(TMessage& message, const WindowProcNext& next) {
    next(message);
    if (message.msg != WM_SIZE || message.wParam != SIZE_MINIMIZED || !minimizeToTray_ || inTray_) return;
    // Off the taskbar and into the tray.
    inTray_ = true;
    setIconVisible(true);
    if (watched_ && watched_->handleAllocated()) ShowWindow(watched_->handle(), SW_HIDE);
}

void TbsTrayIcon::ShowApplication() {
    inTray_ = false;
    TForm* main = watched_ ? watched_ : Application().mainForm();
    if (!main || !main->handleAllocated()) return;
    ShowWindow(main->handle(), IsIconic(main->handle()) ? SW_RESTORE : SW_SHOW);
    SetForegroundWindow(main->handle());
}

void TbsTrayIcon::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == watched_) {
        mainFormHook_.remove();
        watched_ = nullptr;
        inTray_ = false;
    }
}

void TbsTrayIcon::onNotify(LPARAM event) {
    switch (LOWORD(event)) {
        case WM_LBUTTONDBLCLK:
            if (OnDblClick) OnDblClick();
            break;
        case WM_RBUTTONUP:
            if (PopupMenu) {
                POINT at{};
                GetCursorPos(&at);
                // The menu's owner must be in front, or the menu would not close on a click elsewhere.
                SetForegroundWindow(window_);
                PopupMenu(at);
                PostMessageW(window_, WM_NULL, 0, 0);
            }
            break;
        default:
            break;
    }
}

LRESULT CALLBACK TbsTrayIcon::windowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<TbsTrayIcon*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self && msg == kCallbackMessage) {
        try {
            self->onNotify(lParam);
        } catch (...) {
            Application().handleException();
        }
        return 0;
    }
    if (self && msg == self->taskbarCreated_ && self->iconVisible_) {
        // A restarted taskbar has forgotten every icon.
        self->added_ = false;
        self->update();
        return 0;
    }
    return DefWindowProcW(window, msg, wParam, lParam);
}

}  // namespace vireltan
