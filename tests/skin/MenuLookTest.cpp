// Where each part of a menu item is drawn, for the calculator's skin and for the plain look.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "skin/MenuLook.h"
#include "skin/SkinObjects.h"
#include "skin/SystemMenuItems.h"
#include "tests/skin/MenuTestSupport.h"

namespace vireltan {
namespace {

using testing::calculatorSkin;
using testing::measureSevenPerChar;
using testing::menuItem;
using testing::menuSeparator;

MenuLayout layoutOf(const std::vector<MenuItemData>& items, const MenuMetrics& metrics) {
    return menuPopupLayout(items, metrics, menuPopupSize(items, metrics, 1000, measureSevenPerChar), 0);
}

TEST(MenuLook, ItemPartsForTheCalculatorSkinAndThePlainLook) {
    auto items = defaultSystemMenuItems({});
    items.push_back(menuItem("&Recent"));
    items.back().submenu = {menuItem("a.txt")};
    items.push_back(menuItem("&Off", {}, false));
    const MenuMetrics skinned = menuMetrics(&calculatorSkin(), {});
    const MenuMetrics plain = menuMetrics(nullptr, {});
    const MenuLayout s = layoutOf(items, skinned);  // 142 wide: items 138 wide from x = 2
    const MenuLayout p = layoutOf(items, plain);    // 141 wide: items 137 wide from x = 2
    ASSERT_EQ(s.size.width, 142);
    ASSERT_EQ(p.size.width, 141);
    struct Case {
        const char* what;
        MenuItemLook look;
        MenuItemLook expected;
    };
    using B = MenuItemBackground;
    using T = MenuItemTextRole;
    const Case cases[] = {
        // textrect (4, 0, 60, 23) of a 63-pixel item picture, its right edge following the item width.
        {"skinned, highlighted at opening",
         menuItemLook(items, skinned, s, 0, true),
         {{2, 2, 140, 25}, {6, 2, 137, 25}, {6, 2, 22, 25}, 22, 121, {}, B::skinActive, T::selected}},
        {"skinned separator",
         menuItemLook(items, skinned, s, 1, false),
         {{2, 25, 140, 27}, {6, 25, 137, 48}, {6, 25, 22, 48}, 22, 121, {}, B::skinDivider, T::normal}},
        {"skinned close",
         menuItemLook(items, skinned, s, 2, false),
         {{2, 27, 140, 50}, {6, 27, 137, 50}, {6, 27, 22, 50}, 22, 121, {}, B::skinNormal, T::normal}},
        {"skinned submenu item",
         menuItemLook(items, skinned, s, 3, false),
         {{2, 50, 140, 73},
          {6, 50, 137, 73},
          {6, 50, 22, 73},
          22,
          121,
          {126, 58, 130, 65},
          B::skinNormal,
          T::normal}},
        {"skinned disabled",
         menuItemLook(items, skinned, s, 4, false),
         {{2, 73, 140, 96}, {6, 73, 137, 96}, {6, 73, 22, 96}, 22, 121, {}, B::skinNormal, T::disabled}},
        {"plain, highlighted",
         menuItemLook(items, plain, p, 0, true),
         {{2, 2, 139, 22}, {27, 2, 139, 22}, {2, 2, 23, 22}, 27, 123, {}, B::plainSelected, T::selected}},
        {"plain separator",
         menuItemLook(items, plain, p, 1, false),
         {{2, 22, 139, 26}, {27, 22, 139, 26}, {2, 22, 23, 26}, 27, 123, {}, B::plainDivider, T::normal}},
        {"plain submenu item",
         menuItemLook(items, plain, p, 3, false),
         {{2, 46, 139, 66},
          {27, 46, 139, 66},
          {2, 46, 23, 66},
          27,
          123,
          {128, 53, 132, 60},
          B::plainNormal,
          T::normal}},
        {"out of range", menuItemLook(items, plain, p, 9, false), {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.look, c.expected) << c.what;
        if (c.look.item.empty()) continue;
        // The widest text ("Close  Alt+F4", 91 pixels) fits between the caption's start and the
        // shortcut's end: the width rule leaves exactly the room the look uses.
        EXPECT_LE(c.look.captionLeft + 91, c.look.shortcutRight) << c.what;
    }
}

TEST(MenuLook, PlainBackground) {
    struct Case {
        MenuMetrics metrics;
        int width, height;
        MenuPlainBackground expected;
    };
    MenuSettings imageList;
    imageList.imageListWidth = 16;
    const Case cases[] = {
        {menuMetrics(nullptr, {}),
         141,
         48,
         {{0, 0, 141, 48}, {1, 1, 140, 47}, {2, 2, 23, 46}, {23, 2, 139, 46}}},
        {menuMetrics(nullptr, imageList),
         100,
         30,
         {{0, 0, 100, 30}, {1, 1, 99, 29}, {2, 2, 25, 28}, {25, 2, 98, 28}}},
        // Too small for the column: nothing reaches past the frames or turns inside out.
        {menuMetrics(nullptr, {}), 10, 3, {{0, 0, 10, 3}, {1, 1, 9, 2}, {2, 2, 8, 2}, {8, 2, 8, 2}}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(menuPlainBackground(c.metrics, c.width, c.height), c.expected)
            << c.width << "x" << c.height;
    }
}

}  // namespace
}  // namespace vireltan

namespace vireltan {
namespace {

TEST(MenuLook, AnImageRectangleTakesTheImagesOutOfTheTextArea) {
    auto skin = testing::loadCalculatorSkin();
    for (auto& object : skin->ObjectDefinitions) {
        if (auto* item = dynamic_cast<TbsDataSkinMenuItem*>(object.get())) item->imagerect = {1, 3, 17, 19};
    }
    const std::vector<MenuItemData> items = {testing::menuItem("&Open")};
    const MenuMetrics metrics = menuMetrics(skin.get(), {});
    const MenuLayout layout =
        menuPopupLayout(items, metrics, menuPopupSize(items, metrics, 1000, testing::measureSevenPerChar), 0);
    const MenuItemLook look = menuItemLook(items, metrics, layout, 0, false);
    EXPECT_EQ(look.imageColumn, (PixelRect{3, 5, 19, 21}));
    EXPECT_EQ(look.captionLeft, look.textArea.left);  // no column added before the caption
}

// The popup's picture follows its size as the frame's does: what lies right of or below itemsrect
// moves, and the moved itemsrect is the layout's items area, so background, items and mask agree.
TEST(MenuLook, PopupPiecesMoveWithTheSizeAndMatchTheItemsArea) {
    const TbsSkinData& skin = calculatorSkin();
    const MenuMetrics metrics = menuMetrics(&skin, {});
    ASSERT_TRUE(metrics.skinnedPopup);
    ASSERT_EQ(metrics.pictureWidth, 146);
    ASSERT_EQ(metrics.pictureHeight, 257);
    struct Case {
        int width, height;
        PixelRect client;
    };
    const Case cases[] = {
        {146, 257, {2, 2, 144, 255}},  // the picture's own size
        {124, 52, {2, 2, 122, 50}},    // the calculator's system menu
        {300, 600, {2, 2, 298, 598}},  // larger than the picture
        {4, 4, {2, 2, 2, 2}},          // nothing left for items
    };
    for (const Case& c : cases) {
        const MenuPopupPieces p = menuPopupPieces(skin.PopupWindow, 146, 257, c.width, c.height);
        EXPECT_EQ(p.pieces.moved.client, c.client) << c.width << "x" << c.height;
        EXPECT_EQ(p.pieces.points.client, (PixelRect{2, 2, 144, 255}));
        EXPECT_EQ(p.pieces.skinRect, (PixelRect{0, 0, 146, 257}));
        EXPECT_EQ(p.pieces.width, c.width);
        EXPECT_EQ(p.pieces.height, c.height);
        EXPECT_TRUE(p.pieces.drawMiddle);
        EXPECT_EQ(p.mask.maskRect, p.pieces.points.client);
        EXPECT_EQ(p.mask.movedMaskRect, c.client);
        EXPECT_EQ(p.mask.movedRightBottom, p.pieces.moved.rightBottom);
        MenuSize size;
        size.width = c.width;
        size.height = c.height;
        EXPECT_EQ(menuPopupLayout({}, metrics, size, 0).itemsArea, c.client) << c.width << "x" << c.height;
    }
    // The composed picture keeps the corners of the window picture at every size.
    const Raster& picture = *skin.activePictureRaster(skin.PopupWindow.windowpictureindex);
    Raster out;
    const MenuPopupPieces p = menuPopupPieces(skin.PopupWindow, 146, 257, 124, 52);
    ComposeNinePiece(picture, p.pieces, out);
    ASSERT_EQ(out.width(), 124);
    ASSERT_EQ(out.height(), 52);
    auto same = [&](int x, int y, int px, int py) {
        return std::equal(out.row(y) + 3 * x, out.row(y) + 3 * x + 3, picture.row(py) + 3 * px);
    };
    EXPECT_TRUE(same(0, 0, 0, 0));
    EXPECT_TRUE(same(123, 51, 145, 256));
    EXPECT_TRUE(same(123, 0, 145, 0));
    EXPECT_TRUE(same(0, 51, 0, 256));
}

}  // namespace
}  // namespace vireltan
