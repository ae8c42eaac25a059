// Selection in a popup menu by keys and by the pointer, as pure steps: the engine applies the result
// (selection, scrolling, clicking, opening or closing popups) and repaints what it names.
#pragma once

#include <vector>

#include "skin/MenuItems.h"
#include "skin/MenuLayout.h"

namespace vireltan {

enum class MenuKey { up, down, home, end, left, right, enter, escape, character, other };

enum class MenuAction {
    none,         // nothing changes (the key is still consumed: it never reaches the window)
    select,       // only the selection moved
    click,        // click `selected` (a submenu item opens its submenu, any other closes the menu)
    openSubmenu,  // open the selected item's submenu now
    closePopup,   // close this popup (a submenu): its parent keeps its selection
    closeMenu,    // Escape on the root: close the whole menu
};

struct MenuKeyResult {
    MenuAction action = MenuAction::none;
    int selected = -1;
    friend bool operator==(const MenuKeyResult&, const MenuKeyResult&) = default;
};

// The item highlighted when a popup opens: the first enabled item that is not a separator, or -1.
int menuInitialSelection(const std::vector<MenuItemData>& items);

// The next selectable item after `from` in `direction` (+1 / -1), wrapping round; -1 when there is
// none. From -1 it starts at the first (or, going up, the last) item.
int menuNextSelectable(const std::vector<MenuItemData>& items, int from, int direction);

// One key on the newest popup. `typed` is the character the key gives (only for MenuKey::character),
// matched against the accelerators of the enabled items in list order.
MenuKeyResult menuKey(const std::vector<MenuItemData>& items, int selected, bool isSubmenu, MenuKey key,
                      char32_t typed = 0, MenuLetterCase letters = MenuLetterCase::turkish);

// What a change of selection repaints: the items areas of the two items concerned, never the whole
// popup; nothing for an item out of range or when the selection did not change.
std::vector<PixelRect> menuSelectionRepaint(const MenuLayout& layout, int previous, int selected);

// A selection change with the scrolling it needs: when the new item is out of range the popup scrolls
// to show it and the whole items area (markers included) repaints; otherwise only the two items do.
struct MenuSelectionChange {
    int firstVisible = 0;
    std::vector<PixelRect> repaint;
};
MenuSelectionChange menuChangeSelection(const std::vector<MenuItemData>& items, const MenuMetrics& metrics,
                                        const MenuLayout& layout, int previous, int selected);

}  // namespace vireltan
