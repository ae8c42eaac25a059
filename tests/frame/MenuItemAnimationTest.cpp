// A menuitem definition with an animation strip: the item that becomes selected plays its frames,
// stepped by the popup's 20 ms item timer every animateinterval, and (with inactiveanimation) the item
// left plays them back; only the animating items are composed again.
#include "SystemMenuFixture.h"
#include "skin/SkinData.h"
#include "skin/SkinObjects.h"

#include <gtest/gtest.h>

namespace vireltan {
namespace {

using namespace vireltan::testing;
using MenuItemAnimation = SystemMenuFixture;

// In the calculator's item picture the first 23 rows (the item's own strip) run from light to dark,
// the next 23 are flat: a strip of the two as frames shows which frame is drawn.
constexpr COLORREF kFirstFrameRow2 = RGB(106, 128, 166);
constexpr COLORREF kSecondFrameRow2 = RGB(96, 118, 156);

TEST_F(MenuItemAnimation, SelectedItemPlaysItsFramesAndOnlyItIsComposed) {
    TbsDataSkinMenuItem* definition = nullptr;
    for (auto& object : frame->SkinData()->ObjectDefinitions) {
        if (auto* item = dynamic_cast<TbsDataSkinMenuItem*>(object.get()); item && !definition)
            definition = item;
    }
    ASSERT_NE(definition, nullptr);
    ASSERT_TRUE(frame->SkinData()->EnableSkinEffects);
    definition->animateskinrect = {1, 1, 64, 47};  // two frames stacked: taller than the 23-row item
    definition->framecount = 2;
    definition->animateinterval = 40;  // two ticks of the item timer
    struct Case {
        bool inactiveAnimation;
        int compositions;  // items composed from the key to the end of both animations
    };
    for (const Case& c : {Case{false, 2 + 2}, Case{true, 2 + 2 + 2}}) {
        definition->inactiveanimation = c.inactiveAnimation;
        pressSysMenuButton();
        ASSERT_TRUE(menu().Visible());
        TbsSkinPopupWindow& popup = root();
        EXPECT_EQ(popup.menuItems()[0].animation.frame, 3);  // selected by the opening: no animation
        const TbsSkinPopupWindow::PaintCounts before = popup.paintCounts();
        pressKey(edit->handle(), VK_DOWN);
        const auto& close = popup.menuItems()[2];
        const PixelRect r = popup.layout().itemRects[2];
        const int x = r.right - 5, y = r.top + 2;  // right of the shortcut text
        struct Seen {
            int frame;
            COLORREF colour;
        };
        const Seen frames[] = {{1, kFirstFrameRow2}, {2, kSecondFrameRow2}, {3, kFirstFrameRow2}};
        for (const Seen& s : frames) {
            ASSERT_TRUE(pumpUntil([&] { return close.animation.frame >= s.frame; }, 1000)) << s.frame;
            EXPECT_EQ(close.animation.frame, s.frame);
            EXPECT_EQ(pixelAt(popup.picture(), x, y), s.colour) << s.frame;
        }
        pumpFor(100);
        EXPECT_EQ(popup.menuItems()[0].animation.frame, 0) << c.inactiveAnimation;
        EXPECT_EQ(popup.paintCounts().items - before.items, c.compositions) << c.inactiveAnimation;
        EXPECT_EQ(popup.paintCounts().backgrounds, before.backgrounds) << c.inactiveAnimation;
        pressKey(edit->handle(), VK_ESCAPE);
    }
    definition->animateskinrect = {};
    definition->framecount = 0;
}

}  // namespace
}  // namespace vireltan
