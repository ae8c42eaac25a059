// The system menu's items for the window's current state and border icons, built afresh at every
// opening.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "skin/MenuItems.h"

namespace vireltan {

// The frame's BorderIcons (a set); the first three share their bits with the form's own icons.
enum TbsBorderIcon : unsigned {
    biSystemMenu = 1,
    biMinimize = 2,
    biMaximize = 4,
    biRollUp = 8,
    biMinimizeToTray = 16,
};

enum class FrameWindowState { normal = 0, minimized = 1, maximized = 2 };

struct SystemMenuState {
    FrameWindowState state = FrameWindowState::normal;
    bool rolledUp = false;
    unsigned borderIcons = biSystemMenu | biMinimize;
    bool mdiChild = false;
    bool alwaysMinimizeToTray = false;  // and a tray icon is set
};

// What each standard item runs (MenuItemData::command). Items the user adds keep their own commands;
// these start high so that a user's small numbers never collide.
enum SystemMenuCommand : int {
    smcMinimize = 0x5100,  // SetFrameWindowState(minimized)
    smcSendToTray,         // SendToTray (the minimize item with AlwaysMinimizeToTray, and the tray item)
    smcMaximize,           // SetFrameWindowState(maximized)
    smcRestore,            // SetFrameWindowState(normal)
    smcRollDown,           // SetRollUpState(false)
    smcRollUp,             // SetRollUpState(true)
    smcClose,              // close the window
    smcRestoreFromTray,    // RestoreFromTray (the tray menu's restore item)
};

// The item names by which standard items are found (and removed again) in a user's SystemMenu.
inline constexpr std::string_view kSystemMenuItemNames[] = {"BSF_MINITEM", "BSF_MAXITEM",   "BSF_RESTORE",
                                                            "BSF_ROLLUP",  "BSF_MINTOTRAY", "BSF_CLOSE"};

// The default system menu: minimize, maximize, restore, roll up, minimize to tray (each when it
// applies), a separator when any of them is there, and close with its shortcut. Never disabled items:
// what does not apply is left out.
std::vector<MenuItemData> defaultSystemMenuItems(const SystemMenuState& state,
                                                 const MenuStringLookup& strings = {});

// A user's SystemMenu with UseDefaultSysMenu: its standard items (found by name) removed, the
// applicable ones put first (minimize, restore, maximize, roll up, minimize to tray), close last, no
// separator added. Applying it to its own result again gives the same list, so reopening never duplicates the
// standard items.
std::vector<MenuItemData> mergedSystemMenuItems(std::vector<MenuItemData> userItems,
                                                const SystemMenuState& state,
                                                const MenuStringLookup& strings = {});

// The root of the system menu: the user's SystemMenu (merged when useDefaultSysMenu, else as it is)
// when there is one, else the default menu.
std::vector<MenuItemData> GetSystemMenuItems(const SystemMenuState& state,
                                             const std::vector<MenuItemData>* systemMenu,
                                             bool useDefaultSysMenu, const MenuStringLookup& strings = {});

// The tray icon's menu: restore from the tray, a separator, and close with the window's shortcut.
std::vector<MenuItemData> trayMenuItems(bool mdiChild, const MenuStringLookup& strings = {});

}  // namespace vireltan
