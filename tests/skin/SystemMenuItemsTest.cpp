// The system menu's items for each window state and set of border icons, with and without a user's
// own SystemMenu.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/SystemMenuItems.h"
#include "tests/skin/MenuTestSupport.h"

namespace vireltan {
namespace {

using testing::menuItem;

// "caption|shortcut|command" per item, "-" for a separator: one readable line per expected menu.
std::vector<std::string> describe(const std::vector<MenuItemData>& items) {
    std::vector<std::string> lines;
    for (const auto& item : items) {
        if (item.isSeparator()) {
            lines.push_back("-");
            continue;
        }
        std::string line = item.caption;
        if (!item.shortcut.empty()) line += "|" + item.shortcut;
        switch (item.command) {
            case smcMinimize:
                line += "|min";
                break;
            case smcSendToTray:
                line += "|tray";
                break;
            case smcMaximize:
                line += "|max";
                break;
            case smcRestore:
                line += "|restore";
                break;
            case smcRollDown:
                line += "|rolldown";
                break;
            case smcRollUp:
                line += "|rollup";
                break;
            case smcClose:
                line += "|close";
                break;
            case smcRestoreFromTray:
                line += "|fromtray";
                break;
            default:
                line += "|user";
                break;
        }
        EXPECT_TRUE(item.enabled) << item.caption;  // left out rather than disabled
        lines.push_back(line);
    }
    return lines;
}

TEST(SystemMenuItems, ItemsPerStateAndBorderIcons) {
    constexpr unsigned calc = biSystemMenu | biMinimize;
    constexpr unsigned withMax = calc | biMaximize;
    constexpr unsigned frameDefault = withMax | biRollUp;
    constexpr auto normal = FrameWindowState::normal;
    constexpr auto minimized = FrameWindowState::minimized;
    constexpr auto maximized = FrameWindowState::maximized;
    struct Case {
        const char* what;
        SystemMenuState state;
        std::vector<std::string> items;
    };
    const std::string close = "&Close|Alt+F4|close";
    const Case cases[] = {
        {"the calculator", {normal, false, calc}, {"Mi&nimize|min", "-", close}},
        {"with biMaximize", {normal, false, withMax}, {"Mi&nimize|min", "Ma&ximize|max", "-", close}},
        {"maximized", {maximized, false, withMax}, {"Mi&nimize|min", "&Restore|restore", "-", close}},
        {"minimized", {minimized, false, withMax}, {"Ma&ximize|max", "&Restore|restore", "-", close}},
        {"the frame's default icons",
         {normal, false, frameDefault},
         {"Mi&nimize|min", "Ma&ximize|max", "Ro&llUp|rollup", "-", close}},
        {"rolled up",
         {normal, true, frameDefault},
         {"Mi&nimize|min", "Ma&ximize|max", "&Restore|rolldown", "-", close}},
        {"rolled up while maximized",
         {maximized, true, frameDefault},
         {"Mi&nimize|min", "&Restore|rolldown", "-", close}},
        {"minimized while rolled up",
         {minimized, true, frameDefault},
         {"Ma&ximize|max", "&Restore|restore", "-", close}},
        {"maximized MDI child",
         {maximized, false, frameDefault, true},
         {"Mi&nimize|min", "&Restore|restore", "-", "&Close|Ctrl+F4|close"}},
        {"normal MDI child",
         {normal, false, frameDefault, true},
         {"Mi&nimize|min", "Ma&ximize|max", "Ro&llUp|rollup", "-", "&Close|Ctrl+F4|close"}},
        {"minimize to tray only",
         {normal, false, biSystemMenu | biMinimizeToTray},
         {"Minimize to &Tray|tray", "-", close}},
        {"every icon",
         {normal, false, frameDefault | biMinimizeToTray},
         {"Mi&nimize|min", "Ma&ximize|max", "Ro&llUp|rollup", "Minimize to &Tray|tray", "-", close}},
        {"always minimize to tray", {normal, false, calc, false, true}, {"Mi&nimize|tray", "-", close}},
        {"no icons: close alone", {normal, false, 0}, {close}},
        {"no icons, maximized", {maximized, false, 0}, {"&Restore|restore", "-", close}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(describe(GetSystemMenuItems(c.state, nullptr, true)), c.items) << c.what;
        EXPECT_EQ(describe(GetSystemMenuItems(c.state, nullptr, false)), c.items) << c.what;
    }
}

TEST(SystemMenuItems, StringTableCaptions) {
    const MenuStringLookup turkish = [](std::string_view name) {
        if (name == "MI_MINCAPTION") return std::string("Simge &Durumuna Küçült");
        if (name == "MI_CLOSECAPTION") return std::string("&Kapat");
        return std::string();
    };
    SystemMenuState state;
    state.borderIcons = biMinimize | biMaximize;
    EXPECT_EQ(describe(defaultSystemMenuItems(state, turkish)),
              (std::vector<std::string>{"Simge &Durumuna Küçült|min", "Ma&ximize|max", "-",
                                        "&Kapat|Alt+F4|close"}));
}

TEST(SystemMenuItems, TrayMenu) {
    const MenuStringLookup turkish = [](std::string_view name) {
        return std::string(name == "MI_RESTORECAPTION" ? "&Geri Yükle" : "");
    };
    struct Case {
        bool mdiChild;
        MenuStringLookup strings;
        std::vector<std::string> items;
    } cases[] = {
        {false, {}, {"&Restore|fromtray", "-", "&Close|Alt+F4|close"}},
        {true, {}, {"&Restore|fromtray", "-", "&Close|Ctrl+F4|close"}},
        {false, turkish, {"&Geri Yükle|fromtray", "-", "&Close|Alt+F4|close"}},
    };
    for (const Case& c : cases) {
        const std::vector<MenuItemData> items = trayMenuItems(c.mdiChild, c.strings);
        EXPECT_EQ(describe(items), c.items);
        ASSERT_EQ(items.size(), 3u);
        EXPECT_EQ(items[0].name, "TRAY_BSF_RESTORE");
        EXPECT_EQ(items[2].name, "TRAY_BSF_CLOSE");
    }
}

TEST(SystemMenuItems, UserSystemMenuWithTheStandardItems) {
    std::vector<MenuItemData> user = {menuItem("&Hakkında"), menuItem("&Ayarlar")};
    user[0].name = "About";
    user[0].command = 1;
    user[1].command = 2;
    SystemMenuState state;
    const std::vector<std::string> merged = {"Mi&nimize|min", "&Hakkında|user", "&Ayarlar|user",
                                             "&Close|Alt+F4|close"};
    const auto once = GetSystemMenuItems(state, &user, true);
    EXPECT_EQ(describe(once), merged);
    // Opened twice: the standard items of the first opening are replaced, not added again.
    EXPECT_EQ(describe(GetSystemMenuItems(state, &once, true)), merged);
    // The window was maximized at the first opening and is normal again at the second.
    SystemMenuState maximizedState;
    maximizedState.state = FrameWindowState::maximized;
    maximizedState.borderIcons = biMinimize | biMaximize;
    const auto whileMaximized = GetSystemMenuItems(maximizedState, &user, true);
    EXPECT_EQ(describe(whileMaximized),
              (std::vector<std::string>{"Mi&nimize|min", "&Restore|restore", "&Hakkında|user",
                                        "&Ayarlar|user", "&Close|Alt+F4|close"}));
    state.borderIcons = biMinimize | biMaximize;
    EXPECT_EQ(describe(GetSystemMenuItems(state, &whileMaximized, true)),
              (std::vector<std::string>{"Mi&nimize|min", "Ma&ximize|max", "&Hakkında|user", "&Ayarlar|user",
                                        "&Close|Alt+F4|close"}));
    // Without UseDefaultSysMenu the user's menu is shown as it is.
    EXPECT_EQ(describe(GetSystemMenuItems(state, &user, false)),
              (std::vector<std::string>{"&Hakkında|user", "&Ayarlar|user"}));
    // Minimized with biMaximize: a user's menu takes restore before maximize, the default menu after.
    SystemMenuState minimizedState;
    minimizedState.state = FrameWindowState::minimized;
    minimizedState.borderIcons = biMinimize | biMaximize;
    EXPECT_EQ(describe(GetSystemMenuItems(minimizedState, &user, true)),
              (std::vector<std::string>{"&Restore|restore", "Ma&ximize|max", "&Hakkında|user",
                                        "&Ayarlar|user", "&Close|Alt+F4|close"}));
    const std::vector<MenuItemData> empty;
    EXPECT_EQ(describe(GetSystemMenuItems(state, &empty, false)), std::vector<std::string>{});
    EXPECT_EQ(describe(GetSystemMenuItems(SystemMenuState{}, &empty, true)),
              (std::vector<std::string>{"Mi&nimize|min", "&Close|Alt+F4|close"}));
}

}  // namespace
}  // namespace vireltan
