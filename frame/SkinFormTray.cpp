// The frame's tray commands: the application into the notification area through the window's
// TrayIcon and back, and the icon's menu. Without a TrayIcon none of them does anything.
#include "frame/SkinForm.h"

#include "frame/TrayIcon.h"
#include "gui/Application.h"
#include "menus/SkinPopupMenu.h"

namespace vireltan {

void TbsSkinForm::setTrayIcon(TbsTrayIcon* icon) {
    if (icon == trayIcon_) return;
    releaseTrayIcon();
    trayIcon_ = icon;
    if (!icon) return;
    icon->FreeNotification(this);
    icon->setIconVisible(AlwaysShowInTray);
    icon->setMinimizeToTray(false);
    if (!icon->PopupMenu) {
        icon->PopupMenu = [this](POINT at) { popupTrayMenu(at); };
        trayMenuInstalled_ = true;
    }
    if (!icon->OnDblClick) {
        icon->OnDblClick = [this] { RestoreFromTray(); };
        trayDblClickInstalled_ = true;
    }
}

// What the frame gave the icon goes with the frame (or with the icon's change).
void TbsSkinForm::releaseTrayIcon() {
    if (!trayIcon_) return;
    if (trayMenuInstalled_) trayIcon_->PopupMenu = nullptr;
    if (trayDblClickInstalled_) trayIcon_->OnDblClick = nullptr;
    trayMenuInstalled_ = trayDblClickInstalled_ = false;
    trayIcon_->RemoveFreeNotification(this);
    trayIcon_ = nullptr;
}

void TbsSkinForm::SendToTray() {
    if (!trayIcon_) return;
    trayIcon_->setMinimizeToTray(true);
    // The application minimizes: its main window, which the icon then takes off the taskbar.
    if (TForm* main = Application().mainForm(); main && main->handleAllocated())
        ShowWindow(main->handle(), SW_MINIMIZE);
    if (OnMinimizeToTray) OnMinimizeToTray();
}

void TbsSkinForm::RestoreFromTray() {
    if (!trayIcon_) return;
    trayIcon_->setMinimizeToTray(false);
    trayIcon_->ShowApplication();
    if (TForm* main = Application().mainForm(); main && main->handleAllocated() && IsIconic(main->handle()))
        ShowWindow(main->handle(), SW_RESTORE);
    if (!AlwaysShowInTray) trayIcon_->setIconVisible(false);
    if (OnRestoreFromTray) OnRestoreFromTray();
}

// The tray menu: "&Restore", a separator and "&Close" (Alt+F4), through the frame's skinned menu.
void TbsSkinForm::popupTrayMenu(POINT at) {
    if (OnTrayMenu) {
        OnTrayMenu(at);
        return;
    }
    if (!trayMenu_) {
        trayMenu_ = new TbsSkinPopupMenu(this);
        trayMenu_->setForm(form_);
        trayMenu_->OnItemClick = [this](const MenuItemData& item) {
            if (item.command == smcRestoreFromTray) RestoreFromTray();
            if (item.command == smcClose) form_->close();
        };
    }
    trayMenu_->Items = trayMenuItems(false, menuStrings());
    trayMenu_->Popup(at.x, at.y);
}

}  // namespace vireltan
