// WM_NCHITTEST answers from the frame layout: the calculator window (not sizeable), the same skin as a
// sizeable window with and without its mask, the plain frame, and positions on monitors left of and
// above the primary one.
#include <gtest/gtest.h>

#include "CalculatorSkin.h"
#include "skin/FrameButtons.h"
#include "skin/FrameHitTest.h"
#include "skin/SkinGeometry.h"

namespace vireltan {
namespace {

using testing::calculatorSkin;
using H = FrameHit;

struct Point {
    int x, y;
    H hit;
};

FrameLayout calculatorLayout(int w, int h) {
    FrameLayout layout;
    layout.objects = CreateSkinObjects(calculatorSkin());
    BorderIconSettings icons;
    icons.icons = {true, true, false, false, false};
    ApplyBorderIcons(layout.objects, icons);
    updateFrameLayout(layout, calculatorSkin().FormInfo, 150, 150, w, h);
    return layout;
}

TEST(FrameHitTestTest, CalculatorWindowOnlyMovesByTheCaption) {
    const FrameLayout l = calculatorLayout(746, 411);
    const std::optional<FrameShape> shape = buildFrameShape(rasterFromPicture(calculatorSkin().MaskPicture),
                                                            calculatorSkin().FormInfo, 150, 150, 746, 411);
    ASSERT_TRUE(shape);
    const Point points[] = {
        {28, 4, H::Caption},   {680, 20, H::Caption}, {300, 10, H::Caption}, {681, 10, H::Object},  // max
        {712, 12, H::Object},  {730, 12, H::Object},  {15, 15, H::Object},   {27, 10, H::Object},
        {300, 21, H::Object},  {5, 27, H::Client},    {740, 402, H::Client}, {370, 200, H::Client},
        {4, 200, H::Object},   {741, 200, H::Object}, {370, 403, H::Object}, {0, 0, H::Object},
        {745, 410, H::Object}, {1, 405, H::Object},
    };
    for (const Point& p : points) {
        EXPECT_EQ(frameHitTest(l, &*shape, {}, {p.x, p.y}), p.hit) << p.x << "," << p.y;
        EXPECT_EQ(frameHitTest(l, nullptr, {}, {p.x, p.y}), p.hit) << p.x << "," << p.y << " without mask";
    }
}

TEST(FrameHitTestTest, StatesThatOverrideTheRegions) {
    const FrameLayout l = calculatorLayout(746, 411);
    struct Case {
        const char* what;
        FrameHitState state;
        Point p;
    };
    const Case cases[] = {
        {"rolled up: client is object", {true, false, false, true, false, false}, {370, 200, H::Object}},
        {"rolled up: caption still moves", {true, false, false, true, false, false}, {300, 10, H::Caption}},
        {"minimized", {false, true, false, true, false, false}, {1, 200, H::Object}},
        {"object active: a border is object", {false, false, false, true, true, false}, {1, 200, H::Object}},
        {"object active: caption stays caption",
         {false, false, false, false, true, false},
         {300, 10, H::Caption}},
        {"object active in a size loop: sizing", {false, false, false, true, true, true}, {1, 200, H::Left}},
        {"maximized: no sizing", {false, false, true, true, false, false}, {1, 200, H::Object}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(frameHitTest(l, nullptr, c.state, {c.p.x, c.p.y}), c.p.hit) << c.what;
}

TEST(FrameHitTestTest, SizeableWindowProbesTheBorder) {
    const FrameLayout l = calculatorLayout(746, 411);
    FrameHitState sizeable;
    sizeable.sizeable = true;
    // Hit-test points moved: (10,10) (736,10) (10,401) (736,401); C = (5,27,741,403); b = 3.
    const Point points[] = {
        {0, 0, H::TopLeft},      {9, 2, H::TopLeft},         {745, 0, H::TopRight}, {736, 1, H::TopRight},
        {0, 410, H::BottomLeft}, {745, 410, H::BottomRight}, {300, 0, H::Top},      {300, 2, H::Top},
        {300, 409, H::Bottom},   {1, 200, H::Left},          {744, 200, H::Right},  {3, 200, H::Object},
        {300, 4, H::Caption},    {370, 200, H::Client},      {742, 200, H::Object}, {300, 408, H::Bottom},
    };
    const std::optional<FrameShape> shape = buildFrameShape(rasterFromPicture(calculatorSkin().MaskPicture),
                                                            calculatorSkin().FormInfo, 150, 150, 746, 411);
    ASSERT_TRUE(shape);
    for (const Point& p : points) {
        EXPECT_EQ(frameHitTest(l, nullptr, sizeable, {p.x, p.y}), p.hit) << p.x << "," << p.y;
        EXPECT_EQ(frameHitTest(l, &*shape, sizeable, {p.x, p.y}), p.hit) << p.x << "," << p.y << " with mask";
    }
}

TEST(FrameHitTestTest, MaskDecidesWhereTheBorderIs) {
    // A mask whose four leftmost columns are outside the window: the edge is 4 pixels in.
    Raster mask(150, 150);
    mask.fillRect({0, 0, 4, 150}, {255, 255, 255});
    const FrameLayout l = calculatorLayout(746, 411);
    const std::optional<FrameShape> shape =
        buildFrameShape(mask, calculatorSkin().FormInfo, 150, 150, 746, 411);
    ASSERT_TRUE(shape);
    FrameHitState sizeable;
    sizeable.sizeable = true;
    EXPECT_FALSE(shape->contains({3, 200}));
    EXPECT_TRUE(shape->contains({4, 200}));
    EXPECT_TRUE(shape->contains({300, 1}));
    EXPECT_FALSE(shape->contains({-1, 200}));
    EXPECT_FALSE(shape->contains({746, 200}));
    EXPECT_EQ(frameHitTest(l, nullptr, sizeable, {4, 200}), H::Object);  // probes stay in the window
    EXPECT_EQ(frameHitTest(l, &*shape, sizeable, {4, 200}), H::Left);    // (1,200) is outside the shape
    EXPECT_EQ(frameHitTest(l, &*shape, sizeable, {6, 200}), H::Client);  // in the mask rectangle
}

TEST(FrameHitTestTest, PlainFrame) {
    std::vector<FrameObject> buttons = createPlainButtons();
    BorderIconSettings s;
    s.icons = {true, true, true, true, false};
    ApplyBorderIcons(buttons, s);
    const FrameLayout l = plainFrameLayout(std::move(buttons), 300, 200, false);
    EXPECT_EQ(l.metrics.caption, (PixelRect{20, 3, 229, 19}));
    EXPECT_EQ(l.metrics.client, (PixelRect{3, 22, 297, 197}));
    EXPECT_EQ(l.objects[0].rect, (PixelRect{280, 4, 297, 21}));  // close
    EXPECT_EQ(l.objects[4].rect, (PixelRect{3, 4, 20, 21}));     // system menu
    FrameHitState sizeable;
    sizeable.sizeable = true;
    struct Case {
        Point p;
        H fixed;  // not sizeable
    };
    const Case cases[] = {
        {{0, 0, H::TopLeft}, H::Object},      {{299, 2, H::TopRight}, H::Object},
        {{2, 199, H::BottomLeft}, H::Object}, {{298, 198, H::BottomRight}, H::Object},
        {{1, 100, H::Left}, H::Object},       {{150, 1, H::Top}, H::Object},
        {{298, 100, H::Right}, H::Object},    {{150, 198, H::Bottom}, H::Object},
        {{100, 10, H::Caption}, H::Caption},  {{150, 100, H::Client}, H::Client},
        {{290, 10, H::Object}, H::Object},    {{10, 10, H::Object}, H::Object},
        {{100, 20, H::Object}, H::Object},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(plainFrameHitTest(l, sizeable, {c.p.x, c.p.y}), c.p.hit) << c.p.x << "," << c.p.y;
        EXPECT_EQ(plainFrameHitTest(l, {}, {c.p.x, c.p.y}), c.fixed) << c.p.x << "," << c.p.y;
    }
    FrameHitState active = sizeable;
    active.objectActive = true;
    EXPECT_EQ(plainFrameHitTest(l, active, {1, 100}), H::Object);
    FrameHitState maximized = sizeable;
    maximized.maximized = true;
    EXPECT_EQ(plainFrameHitTest(l, maximized, {1, 100}), H::Object);
}

TEST(FrameHitTestTest, SignedScreenCoordinates) {
    auto lParam = [](int x, int y) {
        return std::uint32_t(std::uint16_t(x)) | (std::uint32_t(std::uint16_t(y)) << 16);
    };
    struct Case {
        int sx, sy, left, top;
        PixelPoint window;
    };
    const Case cases[] = {
        {110, 20, 100, 10, {10, 10}},
        {-1190, -790, -1200, -800, {10, 10}},  // a monitor left of and above the primary one
        {-5, 3, 0, 0, {-5, 3}},
        {32767, -32768, 32000, -33000, {767, 232}},
    };
    const FrameLayout l = calculatorLayout(746, 411);
    for (const Case& c : cases) {
        const PixelPoint p = windowPointFromLParam(lParam(c.sx, c.sy), c.left, c.top);
        EXPECT_EQ(p, c.window) << c.sx << "," << c.sy;
    }
    // The same window on either monitor answers the same.
    const PixelPoint onPrimary = windowPointFromLParam(lParam(400, 110), 100, 100);
    const PixelPoint above = windowPointFromLParam(lParam(400, -1090), 100, -1100);
    EXPECT_EQ(frameHitTest(l, nullptr, {}, onPrimary), H::Caption);
    EXPECT_EQ(frameHitTest(l, nullptr, {}, above), H::Caption);
}

TEST(FrameHitTestTest, SystemCodes) {
    struct Case {
        H hit;
        int code;
        bool sizing;
    };
    const Case cases[] = {
        {H::Client, 1, false}, {H::Caption, 2, false},    {H::Object, 19, false},     {H::Left, 10, true},
        {H::Right, 11, true},  {H::Top, 12, true},        {H::TopLeft, 13, true},     {H::TopRight, 14, true},
        {H::Bottom, 15, true}, {H::BottomLeft, 16, true}, {H::BottomRight, 17, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(toSystemHitCode(c.hit), c.code);
        EXPECT_EQ(isSizingHit(c.hit), c.sizing);
        EXPECT_EQ(formCursorHitCode(c.code), c.sizing ? c.code : syshit::kClient);
    }
}

TEST(FrameHitTestTest, TrackingFindsTheObjectUnderThePointer) {
    const FrameLayout l = calculatorLayout(746, 411);  // objects: caption, close, sysmenu, min, max
    struct Case {
        const char* what;
        int active, captured;
        PixelPoint p;
        bool inside;
        TrackChange change;
    };
    const Case cases[] = {
        {"enter close", -1, -1, {712, 12}, true, {1, -1, 1}},
        {"stay on close", 1, -1, {713, 13}, true, {1, -1, -1}},
        {"close to minimize", 1, -1, {730, 12}, true, {3, 1, 3}},
        {"disabled maximize is nothing", 3, -1, {690, 12}, true, {-1, 3, -1}},
        {"into the client area", 1, -1, {-1, -1}, true, {-1, 1, -1}},
        {"outside", 1, -1, {712, 12}, false, {-1, 1, -1}},
        {"captured close: minimize is nothing", 1, 1, {730, 12}, true, {-1, 1, -1}},
        {"captured close: back on it", -1, 1, {712, 12}, true, {1, -1, 1}},
        {"the caption is an object too", -1, -1, {300, 10}, true, {0, -1, 0}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(trackActiveObject(l, c.active, c.captured, c.p, c.inside), c.change) << c.what;
}

}  // namespace
}  // namespace vireltan
