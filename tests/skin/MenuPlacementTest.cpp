// Where popups open against each edge of a work area, on monitors with negative coordinates too.
#include <gtest/gtest.h>

#include "skin/MenuPlacement.h"

namespace vireltan {
namespace {

TEST(MenuPlacement, PositionsNearEachWorkAreaEdge) {
    struct Case {
        const char* what;
        MenuPlacementRequest request;
        MenuPlacement expected;
    };
    constexpr auto down = MenuPopupKind::rootDown;
    constexpr auto up = MenuPopupKind::rootUp;
    constexpr auto sub = MenuPopupKind::submenu;
    const PixelRect primary{0, 0, 1280, 1024};
    const PixelRect leftMonitor{-1920, 0, 0, 1080};
    const PixelRect aboveMonitor{0, -1080, 1920, 0};
    const Case cases[] = {
        // The calculator's system menu (142 x 52) under its button.
        {"below the button", {down, {100, 100, 116, 116}, primary, 142, 52}, {100, 116, false}},
        {"bottom edge: above the button",
         {down, {100, 1000, 116, 1016}, primary, 142, 52},
         {100, 948, false}},
        {"just fits below", {down, {100, 956, 116, 972}, primary, 142, 52}, {100, 972, false}},
        {"right edge", {down, {1250, 100, 1266, 116}, primary, 142, 52}, {1138, 116, false}},
        {"left edge, anchor partly off", {down, {-8, 100, 8, 116}, primary, 142, 52}, {0, 116, false}},
        {"left monitor", {down, {-1915, 100, -1899, 116}, leftMonitor, 142, 52}, {-1915, 116, false}},
        {"left monitor, its left edge",
         {down, {-1930, 100, -1914, 116}, leftMonitor, 142, 52},
         {-1920, 116, false}},
        {"left monitor, its right edge",
         {down, {-20, 100, -4, 116}, leftMonitor, 142, 52},
         {-142, 116, false}},
        {"monitor above, lower half", {down, {100, -30, 116, -14}, aboveMonitor, 142, 52}, {100, -82, false}},
        {"monitor above, upper half",
         {down, {100, -1070, 116, -1054}, aboveMonitor, 142, 52},
         {100, -1054, false}},
        {"upper half, too tall below: beside",
         {down, {100, 450, 116, 466}, primary, 142, 600},
         {117, 424, true}},
        {"lower half, too tall above: top", {down, {100, 520, 116, 536}, primary, 142, 600}, {117, 0, true}},
        {"cut to the work area", {down, {100, 100, 116, 116}, primary, 142, 1024, 0, true}, {117, 0, true}},
        {"beside, no room right",
         {down, {1200, 100, 1216, 116}, primary, 142, 1024, 0, true},
         {1057, 0, true}},
        {"beside, no room either side",
         {down, {600, 100, 616, 116}, primary, 1270, 1024, 0, true},
         {0, 0, true}},
        {"wider than the work area", {down, {600, 100, 616, 116}, primary, 1500, 52}, {0, 116, false}},
        {"taller than the work area", {down, {100, 450, 116, 466}, primary, 142, 1100}, {117, 0, true}},
        {"right-click point", {down, {300, 200, 300, 200}, primary, 142, 52}, {300, 200, false}},
        // Opening upwards.
        {"up: above", {up, {100, 500, 116, 516}, primary, 142, 52}, {100, 448, false}},
        {"up: top edge, upper half: below", {up, {100, 20, 116, 36}, primary, 142, 52}, {100, 36, false}},
        {"up: upper half, no room below", {up, {100, 20, 116, 36}, primary, 142, 1000}, {117, 24, true}},
        {"up: lower half, no room above", {up, {100, 550, 116, 566}, primary, 142, 600}, {117, 0, true}},
        // Submenus beside their parent item (items area top 2).
        {"submenu right of its item", {sub, {200, 100, 342, 123}, primary, 142, 52, 2}, {343, 98, true}},
        {"submenu at the right edge", {sub, {1100, 100, 1242, 123}, primary, 142, 52, 2}, {957, 98, true}},
        // Lined up with the item's bottom the popup would end at 1025: kept inside, one pixel higher.
        {"submenu at the bottom edge", {sub, {200, 1000, 342, 1023}, primary, 142, 52, 2}, {343, 972, true}},
        {"submenu near the bottom edge", {sub, {200, 990, 342, 1013}, primary, 142, 52, 2}, {343, 963, true}},
        {"submenu, upper half, tall", {sub, {200, 400, 342, 423}, primary, 142, 900, 2}, {343, 124, true}},
        {"submenu, lower half, tall", {sub, {200, 600, 342, 623}, primary, 142, 900, 2}, {343, 0, true}},
        {"submenu on the left monitor",
         {sub, {-300, 100, -158, 123}, leftMonitor, 142, 52, 2},
         {-157, 98, true}},
        {"submenu at the left monitor's right edge",
         {sub, {-142, 100, 0, 123}, leftMonitor, 142, 52, 2},
         {-285, 98, true}},
    };
    for (const Case& c : cases) {
        const MenuPlacement p = placeMenuPopup(c.request);
        EXPECT_EQ(p, c.expected) << c.what << ": got " << p.x << "," << p.y
                                 << (p.besideAnchor ? " beside" : "");
        // Whatever the rule, a popup that fits the work area stays inside it.
        const PixelRect& r = c.request.workArea;
        if (c.request.width <= r.width()) {
            EXPECT_GE(p.x, r.left) << c.what;
            EXPECT_LE(p.x + c.request.width, r.right) << c.what;
        }
        if (c.request.height <= r.height()) {
            EXPECT_GE(p.y, r.top) << c.what;
            EXPECT_LE(p.y + c.request.height, r.bottom) << c.what;
        }
    }
}

}  // namespace
}  // namespace vireltan
