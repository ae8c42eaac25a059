// TbsSkinPopupWindow: one open popup of the skinned menu. A top-level popup that never takes the
// activation; its whole picture (background, the items in range, the scroll markers) is composed off
// screen and copied at once, and a change of selection composes the two items concerned again.
#pragma once

#include "gui/Bitmap.h"
#include "gui/NonActivatingPopup.h"
#include "gui/WinControl.h"
#include "skin/MenuLayout.h"
#include "skin/MenuLook.h"
#include "skin/MenuPlacement.h"
#include "skin/StripAnimation.h"

#include <vector>

namespace vireltan {

class TbsSkinMenu;
class TbsSkinData;
class TbsDataSkinMenuItem;

// One visible item of a popup, as the popup keeps it between paints.
struct TbsSkinMenuItem {
    const MenuItemData* item = nullptr;
    PixelRect rect;  // in the popup; empty while out of range
    bool selected = false;
    bool submenuOpen = false;
    bool visibleInRange = false;
    bool keyboardSelectedAtOpen = false;
    int morphFactor = 0;            // in fifths: 0 the normal strip, 5 the active one
    StripAnimationState animation;  // the definition's frame animation, when it has one
};

class TbsSkinPopupWindow : public TCustomControl, private NonActivatingPopup {
  public:
    // `items` (the visible items of the list) must outlive the popup; the menu owns both.
    TbsSkinPopupWindow(TbsSkinMenu& menu, const std::vector<MenuItemData>& items, bool submenu);
    ~TbsSkinPopupWindow() override;

    // Sizes, places and shows the popup at `anchor` (screen coordinates) and selects its first item.
    void open(MenuPopupKind kind, const PixelRect& anchor);
    void closeWindow();

    const std::vector<MenuItemData>& items() const { return items_; }
    bool isSubmenu() const { return submenu_; }
    int selected() const { return selected_; }
    // Selects `index` (-1 for none), scrolling it into range; repaints only what changed.
    void select(int index);
    void setSubmenuOpen(int index, bool open);
    const MenuLayout& layout() const { return layout_; }
    const MenuMetrics& metrics() const { return metrics_; }
    const std::vector<TbsSkinMenuItem>& menuItems() const { return menuItems_; }
    PixelRect screenRect() const;
    // The item's rectangle on the screen (a submenu's anchor).
    PixelRect itemScreenRect(int index) const;
    bool scrolling() const { return scrollDirection_ != 0; }

    // A left-button release at a screen point: clicks the selectable item under it. False when the
    // point lies outside the popup.
    bool buttonUp(POINT screen);
    // One tick of the pointer timer (the timer calls it; tests may too).
    void pointerTick();
    // One tick of the 20 ms item timer: morphs and frame animations of the items one step on.
    void itemTick();

    // What was composed, for tests and measurements.
    struct PaintCounts {
        int backgrounds = 0;  // whole pictures composed
        int items = 0;        // single items composed
        int copies = 0;       // copies to the screen
    };
    const PaintCounts& paintCounts() const { return paintCounts_; }
    // The font the items are drawn with.
    const TFont& font() const { return font_; }
    // The popup's picture as composed off screen.
    TBitmap& picture() { return picture_; }

  protected:
    void createParams(CreateParams& params) override;
    void WndProc(TMessage& message) override;
    void paintWindow(HDC dc) override;

  private:
    void takeSkin();
    void relayout(int firstVisible);
    void composeAll();
    void composeBackground();
    void composeItem(int index);
    void composeMarkers();
    // The item strips blend from one look to the other in five 20 ms steps when the skin says so.
    bool canMorph() const;
    // The items play the definition's frame animation when the skin's effects are on.
    bool canAnimate() const;
    // An item turned active or inactive; true when the item timer has work to do for it.
    bool startItemChange(int index);
    void startItemTimer();
    void drawItemText(const MenuItemLook& look, const MenuItemData& item);
    void applyRegion();
    void applyAlpha(bool animateFirst);
    void scrollTick();
    void startScrolling(int direction);
    void redrawItemsArea();
    void invalidatePopupRect(const PixelRect& r);
    TColor textColor(MenuItemTextRole role) const;

    TbsSkinMenu& menu_;
    const std::vector<MenuItemData>& items_;
    bool submenu_;
    const TbsSkinData* skin_ = nullptr;
    const TbsDataSkinMenuItem* itemDefinition_ = nullptr;
    StripAnimation itemAnimation_;
    MenuMetrics metrics_;
    MenuLayout layout_;
    std::vector<TbsSkinMenuItem> menuItems_;
    TFont font_;
    TBitmap picture_;
    int selected_ = -1;
    int scrollDirection_ = 0;
    POINT lastCursor_{-100000, -100000};
    PaintCounts paintCounts_;
};

}  // namespace vireltan
