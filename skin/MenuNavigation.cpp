#include "skin/MenuNavigation.h"

namespace vireltan {

int menuInitialSelection(const std::vector<MenuItemData>& items) {
    return menuNextSelectable(items, -1, +1);
}

int menuNextSelectable(const std::vector<MenuItemData>& items, int from, int direction) {
    const int count = static_cast<int>(items.size());
    if (count == 0) return -1;
    const int step = direction < 0 ? -1 : 1;
    int i = (from < 0 || from >= count) ? (step > 0 ? -1 : count) : from;
    for (int n = 0; n < count; ++n) {
        i = ((i + step) % count + count) % count;
        if (items[i].selectable()) return i;
    }
    return -1;
}

MenuKeyResult menuKey(const std::vector<MenuItemData>& items, int selected, bool isSubmenu, MenuKey key,
                      char32_t typed, MenuLetterCase letters) {
    const int count = static_cast<int>(items.size());
    if (selected < 0 || selected >= count) selected = -1;
    const bool usable = selected >= 0 && items[selected].selectable();
    const auto moveTo = [selected](int target) {
        return target >= 0 && target != selected ? MenuKeyResult{MenuAction::select, target}
                                                 : MenuKeyResult{MenuAction::none, selected};
    };
    switch (key) {
        case MenuKey::down:
            return moveTo(menuNextSelectable(items, selected, +1));
        case MenuKey::up:
            return moveTo(menuNextSelectable(items, selected, -1));
        case MenuKey::home:
            return moveTo(menuNextSelectable(items, -1, +1));
        case MenuKey::end:
            return moveTo(menuNextSelectable(items, -1, -1));
        case MenuKey::enter:
            return {usable ? MenuAction::click : MenuAction::none, selected};
        case MenuKey::right:
            return {usable && items[selected].hasSubmenu() ? MenuAction::openSubmenu : MenuAction::none,
                    selected};
        case MenuKey::left:
            return {isSubmenu ? MenuAction::closePopup : MenuAction::none, selected};
        case MenuKey::escape:
            return {isSubmenu ? MenuAction::closePopup : MenuAction::closeMenu, selected};
        case MenuKey::character:
            for (int i = 0; i < count; ++i) {
                // A disabled item's letter would click nothing; a later enabled item may share it.
                if (items[i].selectable() &&
                    acceleratorMatches(parseMenuCaption(items[i].caption).accelerator, typed, letters)) {
                    return {MenuAction::click, i};
                }
            }
            return {MenuAction::none, selected};
        case MenuKey::other:
            break;
    }
    return {MenuAction::none, selected};
}

std::vector<PixelRect> menuSelectionRepaint(const MenuLayout& layout, int previous, int selected) {
    std::vector<PixelRect> rects;
    if (previous == selected) return rects;
    for (const int index : {previous, selected}) {
        if (layout.inRange(index) && index < static_cast<int>(layout.itemRects.size())) {
            rects.push_back(layout.itemRects[index]);
        }
    }
    return rects;
}

MenuSelectionChange menuChangeSelection(const std::vector<MenuItemData>& items, const MenuMetrics& metrics,
                                        const MenuLayout& layout, int previous, int selected) {
    MenuSelectionChange change;
    change.firstVisible =
        selected >= 0 ? menuFirstVisibleShowing(items, metrics, layout.size, layout.firstVisible, selected)
                      : layout.firstVisible;
    if (change.firstVisible != layout.firstVisible) {
        change.repaint.push_back(layout.itemsArea);
    } else {
        change.repaint = menuSelectionRepaint(layout, previous, selected);
    }
    return change;
}

}  // namespace vireltan
