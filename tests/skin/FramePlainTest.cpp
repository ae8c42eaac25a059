// The plain frame used without a skin: caption bar geometry, its stripes and buttons, the text place.
#include <gtest/gtest.h>

#include <stdexcept>

#include "skin/FramePlain.h"

namespace vireltan {
namespace {

const PlainColours kColours{{200, 200, 200}, {0, 0, 0},       {128, 128, 128},
                            {255, 255, 255}, {220, 220, 220}, {64, 64, 64}};

FrameLayout plainLayout(int w, int h, bool tool, TbsBorderIcons icons = {true, true, true, true, false}) {
    std::vector<FrameObject> buttons = createPlainButtons();
    BorderIconSettings s;
    s.icons = icons;
    ApplyBorderIcons(buttons, s);
    return plainFrameLayout(std::move(buttons), w, h, tool);
}

TEST(FramePlainTest, CaptionBarGeometry) {
    struct Case {
        int w, h;
        bool tool;
        PixelRect place, textArea, client;
    };
    const Case cases[] = {
        {300, 200, false, {3, 3, 297, 22}, {17, 0, 226, 19}, {3, 22, 297, 197}},
        {300, 200, true, {3, 3, 297, 18}, {13, 0, 242, 15}, {3, 18, 297, 197}},
    };
    for (const Case& c : cases) {
        const PlainCaptionBar bar = plainCaptionBar(plainLayout(c.w, c.h, c.tool), c.tool);
        EXPECT_EQ(bar.place, c.place);
        EXPECT_EQ(bar.textArea, c.textArea);
        EXPECT_EQ(bar.client, c.client);
        EXPECT_EQ(bar.bevels[2], (PixelRect{2, 2, 298, 198}));
    }
    const PlainCaptionBar bar = plainCaptionBar(plainLayout(300, 200, false), false);
    const PlainCaptionText text = plainCaptionText(bar, 100, 14);
    EXPECT_EQ(text.place, (PixelPoint{71, 2}));
    EXPECT_EQ(text.clear, (PixelRect{69, 0, 173, 18}));
}

TEST(FramePlainTest, StripesAndButtons) {
    FrameLayout layout = plainLayout(300, 200, false);
    const PlainCaptionBar bar = plainCaptionBar(layout, false);
    Raster out;
    composePlainCaptionBar(bar, layout, {}, kColours, out);
    ASSERT_EQ(out.width(), 294);
    ASSERT_EQ(out.height(), 19);
    struct Case {
        int x, y;
        Bgr colour;
    };
    const Case cases[] = {
        {19, 2, kColours.btnHighlight}, {19, 3, kColours.btnShadow}, {222, 15, kColours.btnShadow},
        {223, 2, kColours.btnFace},     {18, 2, kColours.btnFace},   {100, 1, kColours.btnFace},
        {100, 16, kColours.btnFace},    {281, 6, kColours.btnText},  // the close button's cross
        {278, 2, kColours.btnFace},
    };
    for (const Case& c : cases) EXPECT_EQ(out.pixel(c.x, c.y), c.colour) << c.x << "," << c.y;

    layout.objects[0].state.pointerIn = true;  // close hot
    composePlainCaptionBar(bar, layout, {}, kColours, out);
    EXPECT_EQ(out.pixel(277, 1), kPlainHotFrame);
    EXPECT_EQ(out.pixel(278, 2), kPlainHotFill);
    layout.objects[0].state.down = true;
    composePlainCaptionBar(bar, layout, {}, kColours, out);
    EXPECT_EQ(out.pixel(278, 2), kPlainDownFill);
    EXPECT_EQ(out.pixel(282, 7), kColours.btnText) << "the glyph moves by (1, 1) while down";
}

// With ShowIcon the system-menu button's plain look is left out of the bar (the window's icon goes
// there); the other buttons keep theirs.
TEST(FramePlainTest, ShowIconLeavesTheSystemMenuButtonToTheIcon) {
    FrameLayout layout = plainLayout(300, 200, false);
    layout = plainFrameLayout(std::move(layout.objects), 300, 200, false, 16);
    const PlainCaptionBar bar = plainCaptionBar(layout, false);
    const auto find = [&](StdCommand command) -> const FrameObject& {
        for (const FrameObject& o : layout.objects)
            if (o.command == command) return o;
        throw std::logic_error("no such button");
    };
    const FrameObject& sysMenu = find(StdCommand::cmSysMenu);
    const FrameObject& close = find(StdCommand::cmClose);
    ASSERT_EQ(sysMenu.rect, (PixelRect{3, 4, 19, 20})) << "the small icon's size";
    struct Case {
        bool showIcon;
        bool sysMenuDrawn;
    };
    for (const Case& c : {Case{false, true}, Case{true, false}}) {
        Raster out;
        PlainButtonState state;
        state.showIcon = c.showIcon;
        composePlainCaptionBar(bar, layout, state, kColours, out);
        Raster alone(sysMenu.rect.width(), sysMenu.rect.height());
        drawPlainButton(sysMenu, state, kColours, alone);
        int differentFromButton = 0, notFace = 0;
        for (int y = 0; y < alone.height(); ++y) {
            for (int x = 0; x < alone.width(); ++x) {
                const Bgr got = out.pixel(sysMenu.rect.left - 3 + x, sysMenu.rect.top - 3 + y);
                differentFromButton += got != alone.pixel(x, y);
                notFace += got != kColours.btnFace;
            }
        }
        if (c.sysMenuDrawn) {
            EXPECT_EQ(differentFromButton, 0);
        } else {
            EXPECT_EQ(notFace, 0) << "only the bar's face under the icon";
        }
        Raster closeAlone(close.rect.width(), close.rect.height());
        drawPlainButton(close, state, kColours, closeAlone);
        EXPECT_EQ(out.pixel(close.rect.left - 3 + 4, close.rect.top - 3 + 3), closeAlone.pixel(4, 3));
    }
}

TEST(FramePlainTest, DisabledAndStateGlyphs) {
    FrameObject max = createPlainButtons()[1];
    Raster normal(17, 17), maximized(17, 17);
    drawPlainButton(max, {}, kColours, normal);
    drawPlainButton(max, {true, false, false}, kColours, maximized);
    EXPECT_FALSE(normal.samePixels(maximized)) << "two windows while maximized";
    max.enabled = false;
    drawPlainButton(max, {}, kColours, normal);
    EXPECT_EQ(normal.pixel(3, 4), kColours.btnShadow);  // the window glyph's corner, disabled ink
}

}  // namespace
}  // namespace vireltan
