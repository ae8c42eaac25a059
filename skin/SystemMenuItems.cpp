#include "skin/SystemMenuItems.h"

#include <algorithm>

namespace vireltan {
namespace {

MenuItemData standardItem(const MenuStringLookup& strings, std::string_view name, std::string_view tableName,
                          std::string_view caption, int command) {
    MenuItemData item;
    item.name = std::string(name);
    item.caption = menuCaption(strings, tableName, caption);
    item.command = command;
    return item;
}

// The standard items above the separator. The default menu lists maximize before restore; a user's
// SystemMenu gets restore first. The two only differ when both apply (minimized, or rolled up, with
// biMaximize).
enum class StandardOrder { defaultMenu, userMenu };

std::vector<MenuItemData> upperStandardItems(const SystemMenuState& s, const MenuStringLookup& strings,
                                             StandardOrder order) {
    const auto icon = [&s](unsigned i) { return (s.borderIcons & i) != 0; };
    const bool minimized = s.state == FrameWindowState::minimized;
    const bool maximized = s.state == FrameWindowState::maximized;
    std::vector<MenuItemData> items;
    if (icon(biMinimize) && !minimized) {
        items.push_back(standardItem(strings, "BSF_MINITEM", "MI_MINCAPTION", "Mi&nimize",
                                     s.alwaysMinimizeToTray ? smcSendToTray : smcMinimize));
    }
    const auto addMaximize = [&] {
        if (icon(biMaximize) && !maximized) {
            items.push_back(standardItem(strings, "BSF_MAXITEM", "MI_MAXCAPTION", "Ma&ximize", smcMaximize));
        }
    };
    if (order == StandardOrder::defaultMenu) addMaximize();
    if (s.state != FrameWindowState::normal || s.rolledUp) {
        // Rolled up (normal, or maximized before rolling up): unrolling restores; otherwise the state.
        items.push_back(standardItem(strings, "BSF_RESTORE", "MI_RESTORECAPTION", "&Restore",
                                     s.rolledUp && !minimized ? smcRollDown : smcRestore));
    }
    if (order == StandardOrder::userMenu) addMaximize();
    if (icon(biRollUp) && !s.rolledUp && !minimized && !(maximized && s.mdiChild)) {
        items.push_back(standardItem(strings, "BSF_ROLLUP", "MI_ROLLUPCAPTION", "Ro&llUp", smcRollUp));
    }
    if (icon(biMinimizeToTray)) {
        items.push_back(standardItem(strings, "BSF_MINTOTRAY", "MI_MINTOTRAYCAPTION", "Minimize to &Tray",
                                     smcSendToTray));
    }
    return items;
}

MenuItemData closeItem(const SystemMenuState& s, const MenuStringLookup& strings) {
    MenuItemData item = standardItem(strings, "BSF_CLOSE", "MI_CLOSECAPTION", "&Close", smcClose);
    item.shortcut = s.mdiChild ? "Ctrl+F4" : "Alt+F4";
    return item;
}

bool isStandardName(std::string_view name) {
    return std::find(std::begin(kSystemMenuItemNames), std::end(kSystemMenuItemNames), name) !=
           std::end(kSystemMenuItemNames);
}

}  // namespace

std::vector<MenuItemData> defaultSystemMenuItems(const SystemMenuState& state,
                                                 const MenuStringLookup& strings) {
    std::vector<MenuItemData> items = upperStandardItems(state, strings, StandardOrder::defaultMenu);
    if (!items.empty()) {
        MenuItemData separator;
        separator.caption = "-";
        items.push_back(separator);
    }
    items.push_back(closeItem(state, strings));
    return items;
}

std::vector<MenuItemData> mergedSystemMenuItems(std::vector<MenuItemData> userItems,
                                                const SystemMenuState& state,
                                                const MenuStringLookup& strings) {
    std::erase_if(userItems, [](const MenuItemData& item) { return isStandardName(item.name); });
    std::vector<MenuItemData> items = upperStandardItems(state, strings, StandardOrder::userMenu);
    items.insert(items.end(), std::make_move_iterator(userItems.begin()),
                 std::make_move_iterator(userItems.end()));
    items.push_back(closeItem(state, strings));
    return items;
}

std::vector<MenuItemData> GetSystemMenuItems(const SystemMenuState& state,
                                             const std::vector<MenuItemData>* systemMenu,
                                             bool useDefaultSysMenu, const MenuStringLookup& strings) {
    if (systemMenu == nullptr) return defaultSystemMenuItems(state, strings);
    if (!useDefaultSysMenu) return *systemMenu;
    return mergedSystemMenuItems(*systemMenu, state, strings);
}

std::vector<MenuItemData> trayMenuItems(bool mdiChild, const MenuStringLookup& strings) {
    SystemMenuState state;
    state.mdiChild = mdiChild;
    MenuItemData close = closeItem(state, strings);
    close.name = "TRAY_BSF_CLOSE";
    MenuItemData separator;
    separator.caption = "-";
    return {standardItem(strings, "TRAY_BSF_RESTORE", "MI_RESTORECAPTION", "&Restore", smcRestoreFromTray),
            separator, close};
}

}  // namespace vireltan
