#include "skin/Glyphs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PictureFixtures.h"
#include "skin/TextFit.h"

namespace vireltan {
namespace {

constexpr Bgr kInk{10, 20, 30};

int inkCount(const Raster& r) {
    int n = 0;
    for (int y = 0; y < r.height(); ++y) {
        for (int x = 0; x < r.width(); ++x) n += r.pixel(x, y) == kInk;
    }
    return n;
}

TEST(GlyphsTest, LineGlyphsCoverTheirPixels) {
    struct Case {
        std::string name;
        void (*draw)(Raster&, int, int, Bgr);
        int pixels;
    };
    const Case cases[] = {
        {"check mark: three polylines of 2 + 5", drawCheckMark, 21},
        {"cross: four diagonals of 8, crossing twice", drawCross, 30},
        {"low bar: two lines of 8", drawLowBar, 16},
        {"window: 11 x 10 outline and the 9 inner pixels of its title row", drawWindowGlyph, 47},
        {"flat box: 8 x 3 outline", drawFlatBox, 18},
        {"down triangle: lines of 0, 2, 4, 6, 8", drawDownTriangle, 20},
        {"up triangle", drawUpTriangle, 20},
        {"small square: 5 x 5 filled", drawSmallSquare, 25},
    };
    for (const Case& c : cases) {
        Raster r(20, 20);
        c.draw(r, 4, 4, kInk);
        EXPECT_EQ(inkCount(r), c.pixels) << c.name;
    }
}

TEST(GlyphsTest, ArrowsAreTrianglesOfOneThreeFiveAndSevenPixels) {
    struct Case {
        ArrowDirection direction;
        PixelPoint tip;       // the single pixel
        PixelPoint baseEnd1;  // ends of the 7-pixel base
        PixelPoint baseEnd2;
    };
    // Rectangle (0, 0, 21, 17): centre (10, 8).
    const Case cases[] = {
        {ArrowDirection::Left, {8, 8}, {11, 5}, {11, 11}},
        {ArrowDirection::Right, {12, 8}, {9, 5}, {9, 11}},
        {ArrowDirection::Up, {10, 6}, {7, 9}, {13, 9}},
        {ArrowDirection::Down, {10, 10}, {7, 7}, {13, 7}},
    };
    for (const Case& c : cases) {
        Raster r(21, 17);
        drawArrow(r, {0, 0, 21, 17}, c.direction, kInk);
        EXPECT_EQ(inkCount(r), 16) << int(c.direction);
        EXPECT_TRUE(r.pixel(c.tip.x, c.tip.y) == kInk) << int(c.direction);
        EXPECT_TRUE(r.pixel(c.baseEnd1.x, c.baseEnd1.y) == kInk) << int(c.direction);
        EXPECT_TRUE(r.pixel(c.baseEnd2.x, c.baseEnd2.y) == kInk) << int(c.direction);
    }
}

TEST(GlyphsTest, GlyphStripDrawsTheChosenGlyphWithItsBottomLeftColourTransparent) {
    // Three 4 x 3 glyphs; each glyph's bottom-left pixel holds its key colour.
    Raster strip = testing::positionPicture(12, 3);
    const Bgr key = strip.pixel(4, 2);
    strip.setPixel(5, 0, key);  // a key-coloured pixel inside glyph 2 is transparent too
    struct Case {
        int number, count;
        bool draws;
    };
    const Case cases[] = {{2, 3, true}, {0, 3, false}, {4, 3, false}, {1, 0, false}, {1, 13, false}};
    for (const Case& c : cases) {
        Raster dst(10, 10);
        dst.fill({1, 1, 1});
        DrawGlyphFromStrip(dst, 3, 2, c.number, c.count, strip);
        if (!c.draws) {
            Raster untouched(10, 10);
            untouched.fill({1, 1, 1});
            EXPECT_TRUE(dst.samePixels(untouched)) << c.number << "/" << c.count;
            continue;
        }
        EXPECT_TRUE(dst.pixel(3, 4) == (Bgr{1, 1, 1}));  // bottom-left: transparent
        EXPECT_TRUE(dst.pixel(4, 2) == (Bgr{1, 1, 1}));  // key colour inside
        EXPECT_TRUE(dst.pixel(3, 2) == strip.pixel(4, 0));
        EXPECT_TRUE(dst.pixel(6, 4) == strip.pixel(7, 2));
        EXPECT_TRUE(dst.pixel(7, 2) == (Bgr{1, 1, 1}));  // glyph 3 not drawn
    }
    Raster dst(4, 4);
    DrawGlyphFromStrip(dst, 0, 0, 1, 1, Raster());  // empty strip
    EXPECT_TRUE(dst.samePixels(Raster(4, 4)));
}

TEST(GlyphsTest, FitTextWithEllipsis) {
    // Every character is 5 pixels wide (a multi-byte character counts once).
    const MeasureUtf8 measure = [](std::string_view s) {
        int n = 0;
        for (unsigned char ch : s) n += (ch & 0xC0) != 0x80;
        return 5 * n;
    };
    struct Case {
        std::string text;
        int maxWidth;
        std::string expected;
    };
    const Case cases[] = {
        {"Gerilim", 35, "Gerilim"},
        {"Gerilim", 34, "Ger..."},
        {"Gerilim", 29, "Ge..."},
        {"Gerilim", 15, "..."},
        {"Gerilim", 10, "..."},  // narrower than "..." itself
        {"", 0, ""},
        {"Düşüm", 24, "D..."},  // whole characters are dropped, never half of one
        {"Düşümü", 29, "Dü..."},
        {"Düşüm", 25, "Düşüm"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FitTextWithEllipsis(c.text, c.maxWidth, measure), c.expected)
            << c.text << " " << c.maxWidth;
    }
    const MeasureUtf16 measure16 = [](std::u16string_view s) { return 5 * int(s.size()); };
    EXPECT_EQ(FitTextWithEllipsis(std::u16string(u"Akımlar"), 20, measure16), u"A...");
}

}  // namespace
}  // namespace vireltan
