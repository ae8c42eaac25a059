// TbsSkinMenu: the skinned popup-menu engine. It keeps the chain of open popups (the first is the
// root), opens submenus after the pointer rests 500 ms on their item, routes the keys of the queue to
// the newest popup through the application's message hook, and closes the whole menu, telling the
// window it belongs to and the control that asked for it (BSM_MENUCLOSED).
#pragma once

#include "gui/Application.h"
#include "gui/Component.h"
#include "gui/Font.h"
#include "gui/Timer.h"
#include "skin/MenuItems.h"
#include "skin/MenuNavigation.h"
#include "skin/MenuPlacement.h"

#include <functional>
#include <memory>
#include <vector>

namespace vireltan {

class TbsSkinData;
class TbsSkinPopupWindow;
class TWinControl;

// Runs a chosen item (one without a submenu) after the menu has closed.
using MenuCommandHandler = std::function<void(const MenuItemData& item)>;

class TbsSkinMenu : public TComponent {
  public:
    // Bound to `window`: its popups are owned by that window and the close is reported to it.
    TbsSkinMenu(TComponent* owner, TWinControl* window);
    ~TbsSkinMenu() override;

    // Settings (the frame copies its own over them).
    int MaxMenuItemsInWindow = 0;  // 0: no limit
    bool UseSkinFontInMenu = true;
    bool MenusAlphaBlend = false;
    bool MenusAlphaBlendAnimation = false;
    int MenusAlphaBlendValue = 150;
    int DefMenuItemHeight = 20;
    FontDescription DefMenuItemFont{"Arial", 14, 0, clWindowText};

    // Opens `root` (from item `first` on) at `anchor` (screen coordinates): below it for rootDown, above
    // it for rootUp. Popups already open close first. An empty root, or `first` past its items, opens
    // nothing. `notify` hears BSM_MENUCLOSED when the menu closes (null for none).
    void Popup(HWND notify, const TbsSkinData* skin, MenuPopupKind direction, std::vector<MenuItemData> root,
               const PixelRect& anchor, int first, MenuCommandHandler onCommand);
    // Closes every popup and tells the window and the notified control.
    void Close();

    bool Visible() const { return visible_; }
    bool FirstPopup() const { return firstPopup_; }
    const TbsSkinData* skin() const { return skin_; }
    const PixelRect& workArea() const { return workArea_; }
    TWinControl* window() const { return window_; }
    int popupCount() const { return static_cast<int>(popups_.size()); }
    TbsSkinPopupWindow* popup(int index) const { return popups_[static_cast<std::size_t>(index)].get(); }
    TbsSkinPopupWindow* newestPopup() const { return popups_.empty() ? nullptr : popups_.back().get(); }

    // The menu hook's work: key-downs go to the newest popup and never further, the wheel is swallowed,
    // a left-button release over a popup clicks its item. True when the message is consumed.
    bool hookMessage(MSG& message);
    // The hook installed in the application's chain for as long as the registration lives.
    [[nodiscard]] MessageHookRegistration installMenuHook();
    // One key as the newest popup takes it (also for tests and tools without a queue).
    void menuKeyDown(WPARAM virtualKey, LPARAM keyData);

    // What the popups report.
    void itemClicked(TbsSkinPopupWindow& popup, int index);
    void itemSelected(TbsSkinPopupWindow& popup, int index);
    void closeDeeperThan(const TbsSkinPopupWindow& popup);

    // Told when the menu has closed as a whole (after BSM_MENUCLOSED went out).
    std::function<void()> OnClosed;

    // Held while a popup's handler runs: popups closed meanwhile are freed only once none runs.
    class Busy {
      public:
        explicit Busy(TbsSkinMenu& menu) : menu_(menu) { ++menu_.busy_; }
        Busy(const Busy&) = delete;
        Busy& operator=(const Busy&) = delete;
        ~Busy() {
            if (--menu_.busy_ == 0) menu_.collect();
        }

      private:
        TbsSkinMenu& menu_;
    };

  private:
    void openSubmenu(TbsSkinPopupWindow& popup, int index);
    void closePopups(std::size_t keep);
    void submenuTimer();
    void collect();
    int indexOf(const TbsSkinPopupWindow& popup) const;

    TWinControl* window_;
    std::vector<std::unique_ptr<TbsSkinPopupWindow>> popups_;
    std::vector<std::unique_ptr<TbsSkinPopupWindow>> closed_;
    std::vector<MenuItemData> root_;
    MenuCommandHandler onCommand_;
    HWND notify_ = nullptr;
    const TbsSkinData* skin_ = nullptr;
    PixelRect workArea_;
    bool visible_ = false;
    bool firstPopup_ = false;
    int busy_ = 0;
    TTimer* submenuTimer_ = nullptr;
    TbsSkinPopupWindow* waitingPopup_ = nullptr;  // the popup whose item waits for its submenu
    int waitingItem_ = -1;
};

}  // namespace vireltan
