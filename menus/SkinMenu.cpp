#include "menus/SkinMenu.h"

#include "gui/Messages.h"
#include "gui/WinControl.h"
#include "menus/SkinPopupWindow.h"

#include <algorithm>

namespace vireltan {

namespace {

constexpr unsigned kSubmenuDelay = 500;

MenuKey menuKeyOf(WPARAM key) {
    switch (key) {
        case VK_UP:
            return MenuKey::up;
        case VK_DOWN:
            return MenuKey::down;
        case VK_HOME:
            return MenuKey::home;
        case VK_END:
            return MenuKey::end;
        case VK_LEFT:
            return MenuKey::left;
        case VK_RIGHT:
            return MenuKey::right;
        case VK_RETURN:
            return MenuKey::enter;
        case VK_ESCAPE:
            return MenuKey::escape;
        default:
            return MenuKey::character;
    }
}

// The character the key gives on the current layout, without the Alt or Ctrl it may be held with.
char32_t typedCharacter(WPARAM key, LPARAM keyData) {
    BYTE state[256]{};
    if (GetKeyboardState(state)) {
        state[VK_MENU] = state[VK_LMENU] = state[VK_RMENU] = 0;
        state[VK_CONTROL] = state[VK_LCONTROL] = state[VK_RCONTROL] = 0;
        wchar_t chars[4]{};
        const UINT scan = (UINT(keyData) >> 16) & 0xFF;
        if (ToUnicode(UINT(key), scan, state, chars, 4, 0) == 1 && chars[0] >= L' ') return chars[0];
    }
    const UINT mapped = MapVirtualKeyW(UINT(key), MAPVK_VK_TO_CHAR) & 0x7FFFFFFF;
    return mapped >= ' ' ? char32_t(mapped) : 0;
}

MONITORINFO monitorOf(const PixelRect& anchor) {
    const RECT r{anchor.left, anchor.top, anchor.right, anchor.bottom};
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    GetMonitorInfoW(MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST), &info);
    return info;
}

}  // namespace

TbsSkinMenu::TbsSkinMenu(TComponent* owner, TWinControl* window) : TComponent(owner), window_(window) {
    submenuTimer_ = new TTimer(this);
    submenuTimer_->setEnabled(false);
    submenuTimer_->setInterval(kSubmenuDelay);
    submenuTimer_->OnTimer = [this] { submenuTimer(); };
}

TbsSkinMenu::~TbsSkinMenu() {
    for (auto& popup : popups_) popup->closeWindow();
    popups_.clear();
    closed_.clear();
}

void TbsSkinMenu::Popup(HWND notify, const TbsSkinData* skin, MenuPopupKind direction,
                        std::vector<MenuItemData> root, const PixelRect& anchor, int first,
                        MenuCommandHandler onCommand) {
    const Busy busy(*this);
    firstPopup_ = popups_.empty();
    if (notify_ && notify_ != notify && visible_) SendMessageW(notify_, BSM_MENUCLOSED, 0, 0);
    notify_ = notify;
    closePopups(0);
    const MONITORINFO monitor = monitorOf(anchor);
    workArea_ = {monitor.rcWork.left, monitor.rcWork.top, monitor.rcWork.right, monitor.rcWork.bottom};
    skin_ = skin;
    root_ = visibleMenuItems(root, std::max(first, 0));
    onCommand_ = std::move(onCommand);
    if (root_.empty() || first < 0) {
        visible_ = false;
        return;
    }
    visible_ = true;
    auto popup = std::make_unique<TbsSkinPopupWindow>(*this, root_, false);
    TbsSkinPopupWindow& opened = *popup;
    popups_.push_back(std::move(popup));
    opened.open(direction == MenuPopupKind::rootUp ? MenuPopupKind::rootUp : MenuPopupKind::rootDown, anchor);
}

void TbsSkinMenu::Close() {
    const Busy busy(*this);
    const bool wasOpen = visible_ || !popups_.empty();
    closePopups(0);
    submenuTimer_->setEnabled(false);
    waitingPopup_ = nullptr;
    visible_ = false;
    if (!wasOpen) return;
    if (window_ && window_->handleAllocated()) SendMessageW(window_->allocatedHandle(), BSM_MENUCLOSED, 0, 0);
    if (notify_ && IsWindow(notify_)) SendMessageW(notify_, BSM_MENUCLOSED, 0, 0);
    notify_ = nullptr;
    if (OnClosed) OnClosed();
}

void TbsSkinMenu::closePopups(std::size_t keep) {
    while (popups_.size() > keep) {
        std::unique_ptr<TbsSkinPopupWindow> popup = std::move(popups_.back());
        popups_.pop_back();
        if (waitingPopup_ == popup.get()) {
            waitingPopup_ = nullptr;
            submenuTimer_->setEnabled(false);
        }
        popup->closeWindow();
        closed_.push_back(std::move(popup));
    }
    if (!popups_.empty()) {
        TbsSkinPopupWindow& newest = *popups_.back();
        for (int i = 0; i < int(newest.items().size()); ++i) newest.setSubmenuOpen(i, false);
    }
}

void TbsSkinMenu::collect() {
    if (busy_ == 0) closed_.clear();
}

int TbsSkinMenu::indexOf(const TbsSkinPopupWindow& popup) const {
    for (std::size_t i = 0; i < popups_.size(); ++i) {
        if (popups_[i].get() == &popup) return int(i);
    }
    return -1;
}

void TbsSkinMenu::closeDeeperThan(const TbsSkinPopupWindow& popup) {
    const int index = indexOf(popup);
    if (index >= 0) closePopups(std::size_t(index) + 1);
}

void TbsSkinMenu::itemSelected(TbsSkinPopupWindow& popup, int index) {
    closeDeeperThan(popup);
    submenuTimer_->setEnabled(false);
    waitingPopup_ = nullptr;
    if (index < 0 || index >= int(popup.items().size()) || !popup.items()[std::size_t(index)].hasSubmenu())
        return;
    waitingPopup_ = &popup;
    waitingItem_ = index;
    submenuTimer_->setEnabled(true);
}

void TbsSkinMenu::submenuTimer() {
    const Busy busy(*this);
    submenuTimer_->setEnabled(false);
    TbsSkinPopupWindow* popup = std::exchange(waitingPopup_, nullptr);
    if (popup && indexOf(*popup) >= 0 && popup->selected() == waitingItem_) openSubmenu(*popup, waitingItem_);
}

void TbsSkinMenu::openSubmenu(TbsSkinPopupWindow& popup, int index) {
    if (index < 0 || index >= int(popup.items().size())) return;
    const MenuItemData& item = popup.items()[std::size_t(index)];
    if (!item.selectable() || !item.hasSubmenu() || popup.menuItems()[std::size_t(index)].submenuOpen) return;
    closeDeeperThan(popup);
    popup.setSubmenuOpen(index, true);
    auto submenu = std::make_unique<TbsSkinPopupWindow>(*this, item.submenu, true);
    TbsSkinPopupWindow& opened = *submenu;
    popups_.push_back(std::move(submenu));
    opened.open(MenuPopupKind::submenu, popup.itemScreenRect(index));
}

void TbsSkinMenu::itemClicked(TbsSkinPopupWindow& popup, int index) {
    const Busy busy(*this);
    if (index < 0 || index >= int(popup.items().size())) return;
    const MenuItemData& item = popup.items()[std::size_t(index)];
    if (!item.selectable()) return;
    if (item.hasSubmenu()) {
        openSubmenu(popup, index);
        return;
    }
    // The menu closes before the command runs: a command may open another menu or close the window.
    const MenuItemData chosen = item;
    const MenuCommandHandler run = onCommand_;
    Close();
    if (run) run(chosen);
}

void TbsSkinMenu::menuKeyDown(WPARAM virtualKey, LPARAM keyData) {
    const Busy busy(*this);
    TbsSkinPopupWindow* popup = newestPopup();
    if (!popup) return;
    const MenuKey key = menuKeyOf(virtualKey);
    const char32_t typed = key == MenuKey::character ? typedCharacter(virtualKey, keyData) : 0;
    const MenuKey routed = key == MenuKey::character && typed == 0 ? MenuKey::other : key;
    const MenuKeyResult r = menuKey(popup->items(), popup->selected(), popup->isSubmenu(), routed, typed);
    switch (r.action) {
        case MenuAction::none:
            break;
        case MenuAction::select:
            popup->select(r.selected);
            break;
        case MenuAction::click:
            popup->select(r.selected);
            itemClicked(*popup, r.selected);
            break;
        case MenuAction::openSubmenu:
            openSubmenu(*popup, r.selected >= 0 ? r.selected : popup->selected());
            break;
        case MenuAction::closePopup:
            closePopups(popups_.size() - 1);
            break;
        case MenuAction::closeMenu:
            Close();
            break;
    }
}

bool TbsSkinMenu::hookMessage(MSG& m) {
    if (!visible_ || popups_.empty()) return false;
    switch (m.message) {
        case WM_SYSKEYDOWN:
            // Alt+F4 is the window's, not the menu's: the menu closes, then the window is asked to close
            // as the system's default handling asks it. The key may have been read by a popup (the
            // pointer's window on some systems), which is no window to close.
            if (m.wParam == VK_F4) {
                Close();
                if (window_ && window_->handleAllocated())
                    PostMessageW(GetAncestor(window_->allocatedHandle(), GA_ROOT), WM_SYSCOMMAND, SC_CLOSE,
                                 0);
                return true;
            }
            menuKeyDown(m.wParam, m.lParam);
            return true;
        case WM_KEYDOWN:
            menuKeyDown(m.wParam, m.lParam);
            return true;
        case WM_MOUSEWHEEL:
        case WM_MOUSEHWHEEL:
            return true;
        case WM_LBUTTONUP: {
            const Busy busy(*this);
            POINT at{};
            GetCursorPos(&at);
            TbsSkinPopupWindow* target = nullptr;
            for (auto it = popups_.rbegin(); it != popups_.rend() && !target; ++it) {
                const PixelRect r = (*it)->screenRect();
                if (at.x >= r.left && at.x < r.right && at.y >= r.top && at.y < r.bottom) target = it->get();
            }
            if (!target) return false;
            // A release that belongs to a window holding the mouse still reaches that window.
            const bool addressed = target->allocatedHandle() == m.hwnd;
            target->buttonUp(at);
            return addressed;
        }
        default:
            return false;
    }
}

MessageHookRegistration TbsSkinMenu::installMenuHook() {
    return Application().installMessageHook([this](MSG& m) { return hookMessage(m); });
}

}  // namespace vireltan
