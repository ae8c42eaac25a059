#include "skin/Regions.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace vireltan {
namespace {

constexpr Bgr kBlack{0, 0, 0};
constexpr Bgr kWhite{255, 255, 255};

Raster maskOf(int w, int h, const std::function<bool(int, int)>& inside) {
    Raster r(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) r.setPixel(x, y, inside(x, y) ? kBlack : kWhite);
    }
    return r;
}

TEST(RegionsTest, RegionFromMaskGivesOneRectanglePerRunAndRow) {
    struct Case {
        std::string name;
        Raster mask;
        int ox, oy;
        std::vector<PixelRect> expected;
    };
    Raster nearlyBlack = maskOf(3, 1, [](int, int) { return true; });
    nearlyBlack.setPixel(1, 0, {0, 0, 1});  // any non-zero channel is outside
    const Case cases[] = {
        {"solid rectangle: one per row",
         maskOf(4, 3, [](int, int) { return true; }),
         0,
         0,
         {{0, 0, 4, 1}, {0, 1, 4, 2}, {0, 2, 4, 3}}},
        {"offset", maskOf(2, 2, [](int, int) { return true; }), 10, 20, {{10, 20, 12, 21}, {10, 21, 12, 22}}},
        {"hole splits a row",
         maskOf(5, 3, [](int x, int y) { return !(y == 1 && x >= 1 && x <= 2); }),
         0,
         0,
         {{0, 0, 5, 1}, {0, 1, 1, 2}, {3, 1, 5, 2}, {0, 2, 5, 3}}},
        {"runs touching both ends",
         maskOf(6, 1, [](int x, int) { return x == 0 || x == 5; }),
         0,
         0,
         {{0, 0, 1, 1}, {5, 0, 6, 1}}},
        {"blue, green or red set is outside", nearlyBlack, 0, 0, {{0, 0, 1, 1}, {2, 0, 3, 1}}},
        {"all white", maskOf(3, 3, [](int, int) { return false; }), 0, 0, {}},
    };
    for (const Case& c : cases) {
        const RegionRects r = RegionFromMask(c.mask, c.ox, c.oy);
        EXPECT_EQ(r.rects, c.expected) << c.name;
        EXPECT_EQ(r.bounds, (PixelRect{c.ox, c.oy, c.ox + c.mask.width(), c.oy + c.mask.height()})) << c.name;
    }
}

TEST(RegionsTest, AnyNumberOfRunsIsKept) {
    // A checkerboard of 300 x 100 has 15,000 runs, more than one fixed-size region list holds.
    const Raster mask = maskOf(300, 100, [](int x, int y) { return (x + y) % 2 == 0; });
    const RegionRects r = RegionFromMask(mask, 0, 0);
    ASSERT_EQ(r.rects.size(), 15000u);
    EXPECT_EQ(r.rects.back(), (PixelRect{299, 99, 300, 100}));
}

TEST(RegionsTest, NormalizedRegionsAreBandedAndMerged) {
    struct Case {
        std::string name;
        std::vector<PixelRect> input;
        std::vector<PixelRect> expected;
    };
    const Case cases[] = {
        {"rows of one rectangle become one", {{0, 0, 4, 1}, {0, 1, 4, 2}, {0, 2, 4, 3}}, {{0, 0, 4, 3}}},
        {"overlapping rectangles",
         {{0, 0, 10, 10}, {5, 5, 15, 15}},
         {{0, 0, 10, 5}, {0, 5, 15, 10}, {5, 10, 15, 15}}},
        {"touching spans merge", {{0, 0, 5, 2}, {5, 0, 9, 2}}, {{0, 0, 9, 2}}},
        {"separate spans stay", {{0, 0, 2, 2}, {4, 0, 6, 2}}, {{0, 0, 2, 2}, {4, 0, 6, 2}}},
        {"a gap between bands is kept", {{0, 0, 2, 1}, {0, 2, 2, 3}}, {{0, 0, 2, 1}, {0, 2, 2, 3}}},
        {"empty rectangles vanish", {{3, 3, 3, 9}, {1, 1, 2, 2}}, {{1, 1, 2, 2}}},
        {"nothing", {}, {}},
    };
    for (const Case& c : cases) EXPECT_EQ(normalizeRegion(c.input).rects, c.expected) << c.name;
}

// The window's mask: 150 x 150, black except the rounded top corners.
bool frameMaskInside(int x, int y, int w) {
    return !(x + y < 4 || (w - 1 - x) + y < 4);
}

MaskRegionParams frameParams(int w, int h) {
    const int dx = w - 150;
    const int dy = h - 150;
    MaskRegionParams p;
    p.maskRect = {5, 3, 145, 145};
    p.movedMaskRect = {5, 3, 145 + dx, 145 + dy};
    p.leftTop = {30, 28};
    p.rightTop = {81, 28};
    p.leftBottom = {6, 140};
    p.rightBottom = {127, 134};
    p.movedLeftTop = p.leftTop;
    p.movedRightTop = {81 + dx, 28};
    p.movedLeftBottom = {6, 140 + dy};
    p.movedRightBottom = {127 + dx, 134 + dy};
    p.width = w;
    p.height = h;
    return p;
}

TEST(RegionsTest, FrameMaskRegionKeepsTheRoundedCornersAtEverySize) {
    const Raster mask = maskOf(150, 150, [](int x, int y) { return frameMaskInside(x, y, 150); });
    const int sizes[][2] = {{150, 150}, {746, 411}, {200, 160}, {151, 150}};
    for (const auto& s : sizes) {
        const auto region = ComposeMaskRegion(mask, frameParams(s[0], s[1]));
        ASSERT_TRUE(region.has_value()) << s[0];
        const Raster expected = maskOf(s[0], s[1], [&](int x, int y) { return frameMaskInside(x, y, s[0]); });
        EXPECT_EQ(region->rects, normalizeRegion(RegionFromMask(expected, 0, 0).rects).rects)
            << s[0] << "x" << s[1];
        EXPECT_EQ(region->bounds, (PixelRect{0, 0, s[0], s[1]})) << s[0];
    }
}

TEST(RegionsTest, MaskPiecesTileTheEdgesAndPlaceTheCorners) {
    // A mask with a notch in each edge segment: the notches repeat with the size.
    const Raster mask = maskOf(150, 150, [](int x, int y) {
        return !((y == 0 && x == 40) || (x == 0 && y == 60) || (x == 149 && y == 60) ||
                 (y == 149 && x == 50));
    });
    const MaskRegionParams p = frameParams(300, 300);
    const MaskPieces pieces = composeMaskPieces(mask, p);
    ASSERT_EQ(pieces.top.width(), 300);
    ASSERT_EQ(pieces.top.height(), 3);
    // Top: columns 30..80 tiled from LT'.x = 30 with period 51, cut at RT'.x = 231.
    for (int x = 30; x < 231; ++x) EXPECT_EQ(pieces.top.pixel(x, 0) == kWhite, (x - 30) % 51 == 10) << x;
    // Left: rows 28..139 tiled from the piece's top (period 112), then the corner rows copied over.
    ASSERT_EQ(pieces.left.height(), 292);
    for (int y = 0; y < 292; ++y) {
        const bool notch = y >= 25 && y < 292 - 5 && y % 112 == 60 - 28;
        EXPECT_EQ(pieces.left.pixel(0, y) == kWhite, notch) << y;
    }
    const auto region = ComposeMaskRegion(mask, p);
    ASSERT_TRUE(region.has_value());
    EXPECT_FALSE(region->empty());
}

TEST(RegionsTest, NoRegionWhenTheMovedCornersCross) {
    const Raster mask = maskOf(150, 150, [](int, int) { return true; });
    MaskRegionParams p = frameParams(100, 150);  // RT'.x = 31 > LT'.x = 30: still a region
    EXPECT_TRUE(ComposeMaskRegion(mask, p).has_value());
    p = frameParams(98, 150);  // RT'.x = 29 < 30
    EXPECT_FALSE(ComposeMaskRegion(mask, p).has_value());
    p = frameParams(300, 37);  // LB'.y = 27 < 28
    EXPECT_FALSE(ComposeMaskRegion(mask, p).has_value());
    EXPECT_FALSE(ComposeMaskRegion(Raster(), frameParams(300, 300)).has_value());
}

}  // namespace
}  // namespace vireltan
