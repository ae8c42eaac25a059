// An icon in the notification area ("tray") for the application: shown or hidden at will, and able
// to take the minimized application into the tray (its main window leaves the taskbar) and bring it
// back. A double click and the right button's menu are the owner's to handle.
#pragma once

#include "gui/Component.h"
#include "gui/Form.h"

#include <windows.h>

#include <functional>
#include <string>

namespace vireltan {

class TbsTrayIcon : public TComponent {
  public:
    explicit TbsTrayIcon(TComponent* owner);
    // The icon leaves the notification area with its component.
    ~TbsTrayIcon() override;

    // Whether the icon is in the notification area.
    bool IconVisible() const { return iconVisible_; }
    void setIconVisible(bool value);
    // While set, the application minimized goes into the tray: its main window is hidden (off the
    // taskbar) and the icon shown.
    bool MinimizeToTray() const { return minimizeToTray_; }
    void setMinimizeToTray(bool value);
    // The picture (not owned); none means the main window's small icon, else the system's.
    HICON Icon() const { return icon_; }
    void setIcon(HICON icon);
    // The tip shown over the icon; empty means the application's title.
    const std::string& Hint() const { return hint_; }
    void setHint(const std::string& hint);

    // Brings the application back from the tray: its main window shown, restored and in front.
    void ShowApplication();
    // Whether the application's main window is hidden in the tray now.
    bool applicationInTray() const { return inTray_; }

    std::function<void()> OnDblClick;
    // The icon's menu, at the pointer (screen coordinates), on the right button's release.
    std::function<void(POINT at)> PopupMenu;

    // Where the notification area reports the mouse over the icon (for tests).
    HWND notifyWindow() const { return window_; }
    static constexpr UINT kCallbackMessage = WM_APP + 0x71;

    void Notification(TComponent* component, TOperation operation) override;

  private:
    static LRESULT CALLBACK windowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    void onNotify(LPARAM event);
    void watchMainForm();
    void onMainFormMessage(TMessage& message, const WindowProcNext& next);
    // Puts the icon into the notification area, updates it there, or takes it out, as IconVisible says.
    void update();
    HICON shownIcon() const;

    HWND window_ = nullptr;
    UINT taskbarCreated_ = 0;  // broadcast when the taskbar (re)starts
    bool iconVisible_ = false;
    bool minimizeToTray_ = false;
    bool added_ = false;
    bool inTray_ = false;
    HICON icon_ = nullptr;
    std::string hint_;
    TForm* watched_ = nullptr;
    WindowProcHook mainFormHook_;
};

}  // namespace vireltan
