// Keys and selection on a popup: sequences of keys with the result of each, and what a selection
// change repaints.
#include <gtest/gtest.h>

#include <vector>

#include "skin/MenuNavigation.h"
#include "skin/SystemMenuItems.h"
#include "tests/skin/MenuTestSupport.h"

namespace vireltan {
namespace {

using testing::calculatorSkin;
using testing::measureSevenPerChar;
using testing::menuItem;
using testing::menuSeparator;

struct Step {
    MenuKey key;
    char32_t typed;
    MenuAction action;
    int selected;
};

struct Sequence {
    const char* what;
    std::vector<MenuItemData> items;
    bool isSubmenu;
    int opening;  // the selection at opening
    std::vector<Step> steps;
};

std::vector<MenuItemData> withSubmenu() {
    auto items = std::vector<MenuItemData>{menuItem("&Open"), menuItem("&Recent"), menuItem("&Locked")};
    items[1].submenu = {menuItem("a.txt")};
    items[2].submenu = {menuItem("b.txt")};
    items[2].enabled = false;
    return items;
}

TEST(MenuNavigation, KeySequences) {
    const auto sys = defaultSystemMenuItems({});
    const std::vector<MenuItemData> mixed = {
        menuItem("&Alpha", {}, false), menuSeparator(), menuItem("&Beta"),
        menuItem("&Gamma", {}, false), menuSeparator(), menuItem("&Delta")};
    const std::vector<MenuItemData> allDisabled = {menuItem("&One", {}, false), menuSeparator(),
                                                   menuItem("&Two", {}, false)};
    const std::vector<MenuItemData> turkish = {menuItem("&İptal"), menuItem("&Iğdır"), menuItem("&Şube")};
    const Sequence sequences[] = {
        {"system menu: wraps over the separator",
         sys,
         false,
         0,
         {{MenuKey::down, 0, MenuAction::select, 2},
          {MenuKey::down, 0, MenuAction::select, 0},
          {MenuKey::up, 0, MenuAction::select, 2},
          {MenuKey::up, 0, MenuAction::select, 0},
          {MenuKey::enter, 0, MenuAction::click, 0}}},
        {"system menu: accelerators click",
         sys,
         false,
         0,
         {{MenuKey::character, U'n', MenuAction::click, 0},
          {MenuKey::character, U'C', MenuAction::click, 2},
          {MenuKey::character, U'c', MenuAction::click, 2},
          {MenuKey::character, U'x', MenuAction::none, 2},
          {MenuKey::other, 0, MenuAction::none, 2}}},
        {"system menu: Escape, Left and Right at the root",
         sys,
         false,
         0,
         {{MenuKey::left, 0, MenuAction::none, 0},
          {MenuKey::right, 0, MenuAction::none, 0},
          {MenuKey::escape, 0, MenuAction::closeMenu, 0}}},
        {"disabled items and separators are skipped",
         mixed,
         false,
         2,
         {{MenuKey::down, 0, MenuAction::select, 5},
          {MenuKey::down, 0, MenuAction::select, 2},
          {MenuKey::up, 0, MenuAction::select, 5},
          {MenuKey::home, 0, MenuAction::select, 2},
          {MenuKey::home, 0, MenuAction::none, 2},
          {MenuKey::end, 0, MenuAction::select, 5},
          {MenuKey::character, U'a', MenuAction::none, 5},  // Alpha is disabled
          {MenuKey::character, U'g', MenuAction::none, 5},
          {MenuKey::character, U'b', MenuAction::click, 2}}},
        {"all items disabled",
         allDisabled,
         false,
         -1,
         {{MenuKey::down, 0, MenuAction::none, -1},
          {MenuKey::up, 0, MenuAction::none, -1},
          {MenuKey::home, 0, MenuAction::none, -1},
          {MenuKey::enter, 0, MenuAction::none, -1},
          {MenuKey::right, 0, MenuAction::none, -1},
          {MenuKey::character, U'o', MenuAction::none, -1},
          {MenuKey::escape, 0, MenuAction::closeMenu, -1}}},
        {"empty menu",
         {},
         false,
         -1,
         {{MenuKey::down, 0, MenuAction::none, -1},
          {MenuKey::end, 0, MenuAction::none, -1},
          {MenuKey::enter, 0, MenuAction::none, -1},
          {MenuKey::escape, 0, MenuAction::closeMenu, -1}}},
        {"submenus: Right opens, Left and Escape close the submenu",
         withSubmenu(),
         true,
         0,
         {{MenuKey::right, 0, MenuAction::none, 0},
          {MenuKey::down, 0, MenuAction::select, 1},
          {MenuKey::right, 0, MenuAction::openSubmenu, 1},
          {MenuKey::down, 0, MenuAction::select, 0},  // Locked is disabled
          {MenuKey::left, 0, MenuAction::closePopup, 0},
          {MenuKey::escape, 0, MenuAction::closePopup, 0}}},
        {"Turkish accelerators",
         turkish,
         false,
         0,
         {{MenuKey::character, U'i', MenuAction::click, 0},
          {MenuKey::character, U'\u0131', MenuAction::click, 1},
          {MenuKey::character, U'I', MenuAction::click, 1},
          {MenuKey::character, U'\u015F', MenuAction::click, 2}}},
    };
    for (const Sequence& s : sequences) {
        int selected = menuInitialSelection(s.items);
        EXPECT_EQ(selected, s.opening) << s.what;
        for (std::size_t i = 0; i < s.steps.size(); ++i) {
            const Step& step = s.steps[i];
            const MenuKeyResult result = menuKey(s.items, selected, s.isSubmenu, step.key, step.typed);
            EXPECT_EQ(result.action, step.action) << s.what << ", step " << i;
            EXPECT_EQ(result.selected, step.selected) << s.what << ", step " << i;
            selected = result.selected;
        }
    }
}

TEST(MenuNavigation, InvariantLettersFoldBothIs) {
    const std::vector<MenuItemData> items = {menuItem("M&inimize")};
    EXPECT_EQ(menuKey(items, 0, false, MenuKey::character, U'I', MenuLetterCase::invariant).action,
              MenuAction::click);
    EXPECT_EQ(menuKey(items, 0, false, MenuKey::character, U'I', MenuLetterCase::turkish).action,
              MenuAction::none);
    EXPECT_EQ(menuKey(items, 0, false, MenuKey::character, U'\u0130', MenuLetterCase::turkish).action,
              MenuAction::click);
}

TEST(MenuNavigation, ASelectionStateOutOfRangeIsTakenAsNone) {
    const auto sys = defaultSystemMenuItems({});
    EXPECT_EQ(menuKey(sys, 7, false, MenuKey::enter), (MenuKeyResult{MenuAction::none, -1}));
    EXPECT_EQ(menuKey(sys, 7, false, MenuKey::down), (MenuKeyResult{MenuAction::select, 0}));
    EXPECT_EQ(menuKey(sys, -4, false, MenuKey::up), (MenuKeyResult{MenuAction::select, 2}));
    EXPECT_EQ(menuNextSelectable(sys, 1, +1), 2);  // from the separator itself
    EXPECT_EQ(menuNextSelectable(sys, 1, -1), 0);
}

TEST(MenuNavigation, ASelectionChangeRepaintsTwoItems) {
    const auto items = defaultSystemMenuItems({});
    const MenuMetrics metrics = menuMetrics(&calculatorSkin(), {});
    const MenuLayout layout =
        menuPopupLayout(items, metrics, menuPopupSize(items, metrics, 1000, measureSevenPerChar), 0);
    const PixelRect minimize{2, 2, 140, 25};
    const PixelRect close{2, 27, 140, 50};
    struct Case {
        int previous, selected;
        std::vector<PixelRect> repaint;
    };
    const Case cases[] = {
        {0, 2, {minimize, close}}, {2, 0, {close, minimize}}, {0, 0, {}},
        {-1, 0, {minimize}},       {2, -1, {close}},          {5, 0, {minimize}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(menuSelectionRepaint(layout, c.previous, c.selected), c.repaint)
            << c.previous << "->" << c.selected;
        const MenuSelectionChange change =
            menuChangeSelection(items, metrics, layout, c.previous, c.selected);
        EXPECT_EQ(change.firstVisible, 0);
        EXPECT_EQ(change.repaint, c.repaint) << c.previous << "->" << c.selected;
        EXPECT_LE(change.repaint.size(), 2u);
    }
}

TEST(MenuNavigation, KeysPastTheVisibleRangeScrollAndRepaintTheItems) {
    MenuSettings settings;
    settings.MaxMenuItemsInWindow = 3;
    const MenuMetrics metrics = menuMetrics(nullptr, settings);
    std::vector<MenuItemData> items;
    for (int i = 0; i < 6; ++i) items.push_back(menuItem("Item " + std::to_string(i)));
    const MenuSize size = menuPopupSize(items, metrics, 1000, measureSevenPerChar);
    struct Case {
        int first, previous;
        MenuKey key;
        int selected, newFirst;
        bool wholeArea;
    };
    const Case cases[] = {
        {0, 1, MenuKey::down, 2, 0, false}, {0, 2, MenuKey::down, 3, 1, true},
        {3, 5, MenuKey::down, 0, 0, true},  // wrapping to the top scrolls back
        {0, 0, MenuKey::up, 5, 3, true},    // and to the bottom
        {2, 3, MenuKey::up, 2, 2, false},   {2, 2, MenuKey::up, 1, 1, true},
    };
    for (const Case& c : cases) {
        const MenuLayout layout = menuPopupLayout(items, metrics, size, c.first);
        const MenuKeyResult key = menuKey(items, c.previous, false, c.key);
        ASSERT_EQ(key.selected, c.selected) << c.first << "/" << c.previous;
        const MenuSelectionChange change =
            menuChangeSelection(items, metrics, layout, c.previous, key.selected);
        EXPECT_EQ(change.firstVisible, c.newFirst) << c.first << "/" << c.previous;
        EXPECT_TRUE(menuPopupLayout(items, metrics, size, change.firstVisible).inRange(key.selected));
        if (c.wholeArea) {
            EXPECT_EQ(change.repaint, std::vector<PixelRect>{layout.itemsArea});
        } else {
            EXPECT_EQ(change.repaint.size(), 2u);
        }
    }
}

}  // namespace
}  // namespace vireltan
