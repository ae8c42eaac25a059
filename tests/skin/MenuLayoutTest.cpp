// Popup menu sizes and item places: the calculator's skin, the plain look, scroll mode and the limits
// a skin or the settings can push to the edge.
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <string>
#include <vector>

#include "skin/MenuLayout.h"
#include "skin/SkinObjects.h"
#include "skin/SystemMenuItems.h"
#include "tests/skin/MenuTestSupport.h"

namespace vireltan {
namespace {

using testing::calculatorSkin;
using testing::loadCalculatorSkin;
using testing::measureSevenPerChar;
using testing::menuItem;
using testing::menuSeparator;

constexpr int kTallWorkArea = 1000;

std::vector<MenuItemData> numberedItems(int count) {
    std::vector<MenuItemData> items;
    for (int i = 0; i < count; ++i) items.push_back(menuItem("Item " + std::to_string(i)));
    return items;
}

std::vector<MenuItemData> calculatorSystemMenu(unsigned icons = biSystemMenu | biMinimize) {
    SystemMenuState state;
    state.borderIcons = icons;
    return defaultSystemMenuItems(state);
}

TEST(MenuMetrics, FromTheCalculatorSkinAndWithoutOne) {
    struct Case {
        const char* what;
        MenuMetrics metrics;
        bool skinnedPopup, skinnedItems;
        int itemHeight, separatorHeight, widthExtra;
    };
    MenuSettings defaults;
    MenuSettings tallItems;
    tallItems.DefMenuItemHeight = 30;
    MenuSettings zeroHeight;
    zeroHeight.DefMenuItemHeight = 0;
    MenuSettings imageList;
    imageList.imageListWidth = 16;
    const Case cases[] = {
        {"calculator skin", menuMetrics(&calculatorSkin(), defaults), true, true, 23, 2, 51},
        {"calculator skin ignores DefMenuItemHeight", menuMetrics(&calculatorSkin(), tallItems), true, true,
         23, 2, 51},
        {"no skin", menuMetrics(nullptr, defaults), false, false, 20, 4, 50},
        {"no skin, taller default", menuMetrics(nullptr, tallItems), false, false, 30, 4, 50},
        {"no skin, height 0 ignored", menuMetrics(nullptr, zeroHeight), false, false, 20, 4, 50},
        {"no skin, image list 16", menuMetrics(nullptr, imageList), false, false, 20, 4, 52},
        {"empty skin", menuMetrics(std::make_unique<TbsSkinData>().get(), defaults), false, false, 20, 4, 50},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.metrics.skinnedPopup, c.skinnedPopup) << c.what;
        EXPECT_EQ(c.metrics.skinnedItems, c.skinnedItems) << c.what;
        EXPECT_EQ(c.metrics.itemHeight, c.itemHeight) << c.what;
        EXPECT_EQ(c.metrics.separatorHeight, c.separatorHeight) << c.what;
        EXPECT_EQ(c.metrics.widthExtra, c.widthExtra) << c.what;
    }
}

TEST(MenuMetrics, SkinsMissingAPartFallBackToPlainSizes) {
    auto noItemDefinition = loadCalculatorSkin();
    std::erase_if(noItemDefinition->ObjectDefinitions, [](const auto& object) {
        return dynamic_cast<const TbsDataSkinMenuItem*>(object.get()) != nullptr;
    });
    const MenuMetrics a = menuMetrics(noItemDefinition.get(), {});
    EXPECT_TRUE(a.skinnedPopup);
    EXPECT_FALSE(a.skinnedItems);
    EXPECT_EQ(a.itemHeight, 20);
    EXPECT_EQ(a.separatorHeight, 4);
    EXPECT_EQ(a.widthExtra, 2 + 19 + 19 + 146 + 2 - 144);
    EXPECT_EQ(menuPopupSize(calculatorSystemMenu(), a, kTallWorkArea, measureSevenPerChar).height,
              20 + 4 + 20 + 4);

    auto pictureOutOfRange = loadCalculatorSkin();
    pictureOutOfRange->PopupWindow.windowpictureindex = 99;
    const MenuMetrics b = menuMetrics(pictureOutOfRange.get(), {});
    EXPECT_FALSE(b.skinnedPopup);
    EXPECT_TRUE(b.skinnedItems);
    EXPECT_EQ(b.widthExtra, 50);

    auto flatItemPicture = loadCalculatorSkin();
    for (auto& object : flatItemPicture->ObjectDefinitions) {
        if (auto* item = dynamic_cast<TbsDataSkinMenuItem*>(object.get())) item->skinrect = {1, 1, 64, 1};
    }
    const MenuMetrics c = menuMetrics(flatItemPicture.get(), {});
    EXPECT_FALSE(c.skinnedItems);
    EXPECT_EQ(c.itemHeight, 20);  // never an item of no height

    // The item definition's picture past the list, or none: the plain item look and sizes.
    for (const int index : {9, -1}) {
        auto noItemPicture = loadCalculatorSkin();
        for (auto& object : noItemPicture->ObjectDefinitions) {
            if (auto* item = dynamic_cast<TbsDataSkinMenuItem*>(object.get()))
                item->activepictureindex = index;
        }
        const MenuMetrics d = menuMetrics(noItemPicture.get(), {});
        EXPECT_TRUE(d.skinnedPopup) << index;
        EXPECT_FALSE(d.skinnedItems) << index;
        EXPECT_EQ(d.itemHeight, 20) << index;
        EXPECT_EQ(d.separatorHeight, 4) << index;
    }
}

TEST(MenuLayout, PopupSizesAndItemPlaces) {
    struct Case {
        const char* what;
        std::vector<MenuItemData> items;
        MenuMetrics metrics;
        int width, height;
        PixelRect itemsArea;
        std::vector<int> itemTops;
    };
    const MenuMetrics skinned = menuMetrics(&calculatorSkin(), {});
    const MenuMetrics plain = menuMetrics(nullptr, {});
    const Case cases[] = {
        // "Close  Alt+F4" is the widest text: 13 characters, 91 pixels.
        {"calculator system menu",
         calculatorSystemMenu(),
         skinned,
         91 + 51,
         52,
         {2, 2, 140, 50},
         {2, 25, 27}},
        {"with biMaximize",
         calculatorSystemMenu(biSystemMenu | biMinimize | biMaximize),
         skinned,
         91 + 51,
         75,
         {2, 2, 140, 73},
         {2, 25, 48, 50}},
        {"plain system menu", calculatorSystemMenu(), plain, 91 + 50, 48, {2, 2, 139, 46}, {2, 22, 26}},
        {"ampersands take no room",
         {menuItem("Save && &Exit")},
         plain,
         11 * 7 + 50,
         24,
         {2, 2, 125, 22},
         {2}},
        {"separators are not measured",
         {menuSeparator(), menuItem("ab")},
         plain,
         14 + 50,
         28,
         {2, 2, 62, 26},
         {2, 6}},
        {"empty menu", {}, plain, 50, 4, {2, 2, 48, 2}, {}},
        {"empty skinned menu", {}, skinned, 51, 4, {2, 2, 49, 2}, {}},
    };
    for (const Case& c : cases) {
        const MenuSize size = menuPopupSize(c.items, c.metrics, kTallWorkArea, measureSevenPerChar);
        EXPECT_EQ(size.width, c.width) << c.what;
        EXPECT_EQ(size.height, c.height) << c.what;
        EXPECT_FALSE(size.scrollMode) << c.what;
        const MenuLayout layout = menuPopupLayout(c.items, c.metrics, size, 0);
        EXPECT_EQ(layout.itemsArea, c.itemsArea) << c.what;
        ASSERT_EQ(layout.visibleCount, static_cast<int>(c.itemTops.size())) << c.what;
        for (std::size_t i = 0; i < c.itemTops.size(); ++i) {
            const PixelRect& r = layout.itemRects[i];
            EXPECT_EQ(r.top, c.itemTops[i]) << c.what << " item " << i;
            EXPECT_EQ(r.left, c.itemsArea.left) << c.what;
            EXPECT_EQ(r.right, c.itemsArea.right) << c.what;
            EXPECT_EQ(r.height(), menuItemHeight(c.items[i], c.metrics)) << c.what;
        }
        EXPECT_TRUE(layout.upMarker.empty() && layout.downMarker.empty()) << c.what;
    }
}

TEST(MenuLayout, ScrollModeSizesAndRanges) {
    struct Case {
        const char* what;
        int itemCount;
        int maxItems;
        int workAreaHeight;
        int firstVisible;
        int height;
        bool scrollMode, cut;
        int expectedFirst, visibleCount;
        bool canUp, canDown;
    };
    const Case cases[] = {
        {"limit 4 of 10", 10, 4, kTallWorkArea, 0, 4 * 20 + 4 + 20, true, false, 0, 4, false, true},
        {"limit 4, scrolled 3", 10, 4, kTallWorkArea, 3, 104, true, false, 3, 4, true, true},
        {"limit 4, at the end", 10, 4, kTallWorkArea, 6, 104, true, false, 6, 4, true, false},
        {"limit 4, past the end", 10, 4, kTallWorkArea, 40, 104, true, false, 9, 1, true, false},
        {"limit 4, before the start", 10, 4, kTallWorkArea, -5, 104, true, false, 0, 4, false, true},
        {"limit equal to the count", 4, 4, kTallWorkArea, 0, 84, false, false, 0, 4, false, false},
        {"limit above the count", 4, 9, kTallWorkArea, 0, 84, false, false, 0, 4, false, false},
        {"negative limit ignored", 10, -3, kTallWorkArea, 0, 204, false, false, 0, 10, false, false},
        {"negative limit, scroll request ignored", 10, -3, kTallWorkArea, 5, 204, false, false, 0, 10, false,
         false},
        {"cut to the work area", 10, 0, 100, 0, 100, true, true, 0, 3, false, true},
        {"work area lower than one item", 10, 0, 10, 0, 4 + 20 + 20, true, true, 0, 1, false, true},
        {"work area of no height", 10, 0, 0, 2, 44, true, true, 2, 1, true, true},
        {"limit 1", 3, 1, kTallWorkArea, 0, 44, true, false, 0, 1, false, true},
    };
    for (const Case& c : cases) {
        MenuSettings settings;
        settings.MaxMenuItemsInWindow = c.maxItems;
        const MenuMetrics metrics = menuMetrics(nullptr, settings);
        const auto items = numberedItems(c.itemCount);
        const MenuSize size = menuPopupSize(items, metrics, c.workAreaHeight, measureSevenPerChar);
        EXPECT_EQ(size.height, c.height) << c.what;
        EXPECT_EQ(size.scrollMode, c.scrollMode) << c.what;
        EXPECT_EQ(size.cutToWorkArea, c.cut) << c.what;
        const MenuLayout layout = menuPopupLayout(items, metrics, size, c.firstVisible);
        EXPECT_EQ(layout.firstVisible, c.expectedFirst) << c.what;
        EXPECT_EQ(layout.visibleCount, c.visibleCount) << c.what;
        EXPECT_EQ(layout.canScrollUp(), c.canUp) << c.what;
        EXPECT_EQ(layout.canScrollDown(), c.canDown) << c.what;
        for (int i = 0; i < c.itemCount; ++i) {
            EXPECT_EQ(layout.itemRects[i].empty(), !layout.inRange(i)) << c.what << " item " << i;
            if (!layout.inRange(i)) continue;
            // Inside the items area and clear of both marker bands.
            EXPECT_GE(layout.itemRects[i].top, layout.itemsArea.top + (c.scrollMode ? 10 : 0)) << c.what;
            EXPECT_LE(layout.itemRects[i].bottom, layout.itemsArea.bottom - (c.scrollMode ? 10 : 0))
                << c.what;
        }
        EXPECT_EQ(layout.upMarker.empty(), !c.scrollMode) << c.what;
    }
}

TEST(MenuLayout, ScrollMarkersSitOnTheItemsAreaEdges) {
    MenuSettings settings;
    settings.MaxMenuItemsInWindow = 2;
    const auto items = numberedItems(5);  // "Item 0": 42 pixels
    const MenuMetrics plain = menuMetrics(nullptr, settings);
    const MenuLayout p =
        menuPopupLayout(items, plain, menuPopupSize(items, plain, kTallWorkArea, measureSevenPerChar), 0);
    EXPECT_EQ(p.size.width, 92);
    EXPECT_EQ(p.size.height, 2 * 20 + 4 + 20);
    EXPECT_EQ(p.upMarker, (PixelRect{3, 3, 89, 13}));
    EXPECT_EQ(p.downMarker, (PixelRect{3, 54, 89, 61}));
    EXPECT_EQ(p.itemRects[0], (PixelRect{2, 12, 90, 32}));
    EXPECT_EQ(p.itemRects[1], (PixelRect{2, 32, 90, 52}));

    const MenuMetrics skinned = menuMetrics(&calculatorSkin(), settings);
    const MenuLayout s =
        menuPopupLayout(items, skinned, menuPopupSize(items, skinned, kTallWorkArea, measureSevenPerChar), 0);
    EXPECT_EQ(s.size.height, 2 * 23 + 4 + 20);
    EXPECT_EQ(s.itemsArea, (PixelRect{2, 2, 91, 68}));
    EXPECT_EQ(s.upMarker, (PixelRect{2, 2, 91, 12}));
    EXPECT_EQ(s.downMarker, (PixelRect{2, 58, 91, 68}));
    EXPECT_EQ(s.itemRects[0], (PixelRect{2, 12, 91, 35}));
    EXPECT_EQ(s.itemRects[1], (PixelRect{2, 35, 91, 58}));
}

TEST(MenuLayout, ScrollingByMarkerStepsAndToShowAnItem) {
    MenuSettings settings;
    settings.MaxMenuItemsInWindow = 4;
    const MenuMetrics metrics = menuMetrics(nullptr, settings);
    auto items = numberedItems(10);
    items[5] = menuSeparator();
    const MenuSize size = menuPopupSize(items, metrics, kTallWorkArea, measureSevenPerChar);
    struct Case {
        int first;
        int direction;
        int scrolled;
    };
    const Case steps[] = {{0, +1, 1}, {0, -1, 0}, {3, -1, 2}, {6, +1, 6}, {5, +1, 6}, {6, -1, 5}};
    for (const Case& c : steps) {
        const MenuLayout layout = menuPopupLayout(items, metrics, size, c.first);
        EXPECT_EQ(menuScrolled(layout, c.direction), c.scrolled) << c.first << " " << c.direction;
    }
    struct Show {
        int first;
        int index;
        int expected;
    };
    const Show shows[] = {
        {0, 2, 0}, {0, 3, 0}, {0, 4, 1}, {0, 9, 6}, {6, 2, 2}, {6, 9, 6}, {3, 6, 3}, {0, -1, 0}, {4, 12, 4},
    };
    for (const Show& c : shows) {
        EXPECT_EQ(menuFirstVisibleShowing(items, metrics, size, c.first, c.index), c.expected)
            << c.first << " -> " << c.index;
    }
}

TEST(MenuLayout, HitTestingReadsTheSameLayout) {
    const MenuMetrics skinned = menuMetrics(&calculatorSkin(), {});
    const auto items = calculatorSystemMenu();
    const MenuLayout layout =
        menuPopupLayout(items, skinned, menuPopupSize(items, skinned, kTallWorkArea, measureSevenPerChar), 0);
    MenuSettings scrollSettings;
    scrollSettings.MaxMenuItemsInWindow = 4;
    const MenuMetrics plain = menuMetrics(nullptr, scrollSettings);
    const auto many = numberedItems(10);
    const MenuLayout scrolled =
        menuPopupLayout(many, plain, menuPopupSize(many, plain, kTallWorkArea, measureSevenPerChar), 2);
    struct Case {
        const MenuLayout* layout;
        const std::vector<MenuItemData>* items;
        int x, y;
        MenuHit hit;
        int selectable;
    };
    const Case cases[] = {
        {&layout, &items, 10, 2, {MenuHitKind::item, 0}, 0},
        {&layout, &items, 10, 24, {MenuHitKind::item, 0}, 0},
        {&layout, &items, 10, 25, {MenuHitKind::item, 1}, -1},  // the separator is never selected
        {&layout, &items, 139, 49, {MenuHitKind::item, 2}, 2},
        {&layout, &items, 1, 10, {MenuHitKind::frame, -1}, -1},
        {&layout, &items, 10, 50, {MenuHitKind::frame, -1}, -1},
        {&layout, &items, -1, 10, {MenuHitKind::outside, -1}, -1},
        {&layout, &items, 142, 10, {MenuHitKind::outside, -1}, -1},
        {&layout, &items, 10, 52, {MenuHitKind::outside, -1}, -1},
        {&scrolled, &many, 10, 5, {MenuHitKind::upMarker, -1}, -1},
        {&scrolled, &many, 10, 12, {MenuHitKind::upMarker, -1}, -1},
        {&scrolled, &many, 10, 13, {MenuHitKind::item, 2}, 2},
        {&scrolled, &many, 10, 91, {MenuHitKind::item, 5}, 5},
        {&scrolled, &many, 10, 95, {MenuHitKind::downMarker, -1}, -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(menuHitTest(*c.layout, c.x, c.y), c.hit) << c.x << "," << c.y;
        EXPECT_EQ(menuSelectableItemAt(*c.layout, *c.items, c.x, c.y), c.selectable) << c.x << "," << c.y;
    }
    auto disabled = items;
    disabled[2].enabled = false;
    EXPECT_EQ(menuSelectableItemAt(layout, disabled, 10, 40), -1);
}

}  // namespace
}  // namespace vireltan

namespace vireltan {
namespace {

// Any integers a skin file or a setting can hold give a usable popup without overflow (UBSan watches).
TEST(MenuLayout, ExtremeValuesStayInRange) {
    constexpr int kMax = std::numeric_limits<int>::max();
    constexpr int kMin = std::numeric_limits<int>::min();
    auto skin = testing::loadCalculatorSkin();
    skin->PopupWindow.itemsrect = {kMin, kMin, kMax, kMax};
    for (auto& object : skin->ObjectDefinitions) {
        if (auto* item = dynamic_cast<TbsDataSkinMenuItem*>(object.get())) {
            item->skinrect = {kMin, kMin, kMax, kMax};
            item->dividerrect = {kMin, 0, kMax, kMax};
            item->textrect = {kMin, kMin, kMax, kMax};
            item->imagerect = {kMin, kMin, kMax, kMax};
        }
    }
    MenuSettings settings;
    settings.DefMenuItemHeight = kMax;
    settings.MaxMenuItemsInWindow = kMax;
    settings.imageListWidth = kMax;
    const auto huge = [](std::string_view) { return std::numeric_limits<int>::max(); };
    std::vector<MenuItemData> items(50, testing::menuItem("&Wide", "Ctrl+W"));
    items[1] = testing::menuSeparator();
    for (const MenuMetrics& metrics : {menuMetrics(skin.get(), settings), menuMetrics(nullptr, settings)}) {
        for (const int workArea : {kMax, 1000, 0, -50}) {
            const MenuSize size = menuPopupSize(items, metrics, workArea, huge);
            EXPECT_GE(size.width, 0);
            EXPECT_GE(size.height, 0);
            EXPECT_LE(size.height, 1 << 20);
            const MenuLayout layout = menuPopupLayout(items, metrics, size, 3);
            EXPECT_GE(layout.visibleCount, 0);
            EXPECT_LE(layout.visibleCount, static_cast<int>(items.size()));
            menuHitTest(layout, size.width / 2, size.height / 2);
            menuFirstVisibleShowing(items, metrics, size, 0, 49);
        }
    }
}

}  // namespace
}  // namespace vireltan
