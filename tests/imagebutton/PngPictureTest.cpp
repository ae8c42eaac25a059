// Decoding PNG files of every colour type into RGBA with real alpha, refusing broken or oversized
// files without harm, and the dimmed picture of a disabled button.
#include "imagebutton/PngDraw.h"
#include "imagebutton/PngPicture.h"

#include "PngTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vireltan {
namespace {

using testing::Bytes;
using testing::makePng;
using testing::PngRecipe;
using testing::solidRgbaPng;

struct DecodeCase {
    std::string name;
    PngRecipe recipe;
    PngColorKind kind;
    bool transparency;
    std::vector<RgbaPixel> expected;  // row by row
};

std::vector<DecodeCase> decodeCases() {
    return {
        {"rgba",
         {2, 1, 8, 6, {}, {}, {{10, 20, 30, 40, 250, 251, 252, 0}}},
         PngColorKind::rgbAlpha,
         true,
         {{10, 20, 30, 40}, {250, 251, 252, 0}}},
        {"rgb opaque",
         {2, 1, 8, 2, {}, {}, {{1, 2, 3, 200, 100, 50}}},
         PngColorKind::rgb,
         false,
         {{1, 2, 3, 255}, {200, 100, 50, 255}}},
        {"rgb with a transparent colour",
         {2, 1, 8, 2, {}, {0, 1, 0, 2, 0, 3}, {{1, 2, 3, 4, 5, 6}}},
         PngColorKind::rgb,
         true,
         {{1, 2, 3, 0}, {4, 5, 6, 255}}},
        {"gray",
         {3, 1, 8, 0, {}, {}, {{0, 128, 255}}},
         PngColorKind::gray,
         false,
         {{0, 0, 0, 255}, {128, 128, 128, 255}, {255, 255, 255, 255}}},
        {"gray with alpha",
         {1, 2, 8, 4, {}, {}, {{90, 30}, {91, 255}}},
         PngColorKind::grayAlpha,
         true,
         {{90, 90, 90, 30}, {91, 91, 91, 255}}},
        // Two bits per sample: 0, 1, 2, 3 stand for 0, 85, 170, 255.
        {"gray 2-bit",
         {4, 1, 2, 0, {}, {}, {{0b00011011}}},
         PngColorKind::gray,
         false,
         {{0, 0, 0, 255}, {85, 85, 85, 255}, {170, 170, 170, 255}, {255, 255, 255, 255}}},
        {"palette",
         {3, 1, 8, 3, {255, 0, 0, 0, 255, 0, 0, 0, 255}, {}, {{2, 0, 1}}},
         PngColorKind::palette,
         false,
         {{0, 0, 255, 255}, {255, 0, 0, 255}, {0, 255, 0, 255}}},
        // A short transparency table covers the first entries; the rest stay opaque.
        {"palette with transparency",
         {3, 1, 8, 3, {255, 0, 0, 0, 255, 0, 0, 0, 255}, {0, 128}, {{0, 1, 2}}},
         PngColorKind::palette,
         true,
         {{255, 0, 0, 0}, {0, 255, 0, 128}, {0, 0, 255, 255}}},
        {"palette 1-bit",
         {9, 1, 1, 3, {0, 0, 0, 255, 255, 255}, {}, {{0b10100000, 0b10000000}}},
         PngColorKind::palette,
         false,
         {{255, 255, 255, 255},
          {0, 0, 0, 255},
          {255, 255, 255, 255},
          {0, 0, 0, 255},
          {0, 0, 0, 255},
          {0, 0, 0, 255},
          {0, 0, 0, 255},
          {0, 0, 0, 255},
          {255, 255, 255, 255}}},
        // Sixteen bits per sample come down to eight.
        {"rgba 16-bit",
         {2, 1, 16, 6, {}, {}, {{0xFF, 0xFF, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0, 0, 0}}},
         PngColorKind::rgbAlpha,
         true,
         {{255, 0, 255, 255}, {0, 0, 0, 0}}},
    };
}

TEST(PngPictureTest, DecodesEveryColourTypeIntoRgbaWithAlpha) {
    for (const DecodeCase& c : decodeCases()) {
        SCOPED_TRACE(c.name);
        PngPicture picture;
        ASSERT_TRUE(picture.loadFromMemory(makePng(c.recipe)));
        ASSERT_FALSE(picture.empty());
        EXPECT_EQ(picture.width(), static_cast<int>(c.recipe.width));
        EXPECT_EQ(picture.height(), static_cast<int>(c.recipe.height));
        EXPECT_EQ(picture.colorKind(), c.kind);
        EXPECT_EQ(picture.hasTransparency(), c.transparency);
        std::vector<RgbaPixel> actual;
        for (int y = 0; y < picture.height(); ++y) {
            for (const RgbaPixel& p : picture.row(y)) actual.push_back(p);
        }
        ASSERT_EQ(actual.size(), c.expected.size());
        for (std::size_t i = 0; i < actual.size(); ++i) {
            EXPECT_EQ(actual[i], c.expected[i])
                << "pixel " << i << ": " << int(actual[i].r) << "," << int(actual[i].g) << ","
                << int(actual[i].b) << "," << int(actual[i].a);
        }
    }
}

Bytes withByteChanged(Bytes bytes, std::size_t at, std::uint8_t value) {
    bytes.at(at) = value;
    return bytes;
}

TEST(PngPictureTest, BrokenOrOversizedDataGivesAnEmptyPicture) {
    const Bytes good = solidRgbaPng(4, 4, 1, 2, 3, 4);
    const Bytes truncated(good.begin(), good.begin() + static_cast<long>(good.size() / 2));
    PngRecipe huge{100000, 100000, 8, 6, {}, {}, {Bytes(16, 0)}};  // would need 40 GB
    constexpr std::uint32_t kTooWide = PngPicture::kMaxSide + 1;
    PngRecipe wide{kTooWide, 1, 8, 0, {}, {}, {Bytes(kTooWide, 0)}};
    PngRecipe zeroWidth{0, 1, 8, 0, {}, {}, {Bytes{}}};
    PngRecipe missingRows{4, 4, 8, 6, {}, {}, {Bytes(16, 0)}};
    PngRecipe paletteWithoutPlte{1, 1, 8, 3, {}, {}, {{0}}};
    PngRecipe indexBeyondPalette{1, 1, 8, 3, {0, 0, 0}, {}, {{7}}};
    PngRecipe badBitDepth{1, 1, 3, 0, {}, {}, {{0}}};
    struct Case {
        const char* name;
        Bytes bytes;
    } const cases[] = {
        {"nothing", {}},
        {"not a png", {'B', 'M', 0, 0, 0, 0}},
        {"signature only", Bytes(good.begin(), good.begin() + 8)},
        {"truncated", truncated},
        {"header checksum wrong", withByteChanged(good, 29, static_cast<std::uint8_t>(good[29] ^ 0xFF))},
        {"zero width", makePng(zeroWidth)},
        {"huge", makePng(huge)},
        {"wider than any button picture", makePng(wide)},
        {"rows missing", makePng(missingRows)},
        {"palette without colour table", makePng(paletteWithoutPlte)},
        {"bit depth 3", makePng(badBitDepth)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PngPicture picture;
        ASSERT_TRUE(picture.loadFromMemory(good));  // a failed load must also drop the old picture
        EXPECT_FALSE(picture.loadFromMemory(c.bytes));
        EXPECT_TRUE(picture.empty());
        EXPECT_EQ(picture.width(), 0);
        EXPECT_EQ(picture.height(), 0);
    }
    // An index past the colour table is the file's fault, not ours: it must not read outside the
    // table. Decoding may succeed or fail, but never crash.
    PngPicture picture;
    picture.loadFromMemory(makePng(indexBeyondPalette));
}

TEST(PngPictureTest, DisabledPictureHasAThirdOfTheOpacityExceptForPalettes) {
    struct Case {
        const char* name;
        PngRecipe recipe;
        std::vector<std::uint8_t> expectedAlpha;
    };
    const Case cases[] = {
        {"alpha channel", {5, 1, 8, 4, {}, {}, {{9, 255, 9, 254, 9, 2, 9, 3, 9, 0}}}, {85, 84, 0, 1, 0}},
        // A picture without alpha is opaque and gains an alpha channel of 255 first.
        {"opaque colour", {1, 1, 8, 2, {}, {}, {{1, 2, 3}}}, {85}},
        {"opaque gray", {1, 1, 8, 0, {}, {}, {{7}}}, {85}},
        // Palette pictures are not dimmed: opaque stays opaque, a transparency table stays as it is.
        {"palette", {2, 1, 8, 3, {1, 2, 3, 4, 5, 6}, {}, {{0, 1}}}, {255, 255}},
        {"palette with transparency", {2, 1, 8, 3, {1, 2, 3, 4, 5, 6}, {0, 200}, {{0, 1}}}, {0, 200}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PngPicture normal;
        ASSERT_TRUE(normal.loadFromMemory(makePng(c.recipe)));
        const PngPicture disabled = disabledPicture(normal);
        ASSERT_EQ(disabled.width(), normal.width());
        ASSERT_EQ(disabled.height(), normal.height());
        for (int x = 0; x < normal.width(); ++x) {
            EXPECT_EQ(disabled.pixel(x, 0).a, c.expectedAlpha[static_cast<std::size_t>(x)]) << "x " << x;
            // The colours stay; only the opacity changes.
            EXPECT_EQ(disabled.pixel(x, 0).r, normal.pixel(x, 0).r);
            EXPECT_EQ(disabled.pixel(x, 0).b, normal.pixel(x, 0).b);
        }
    }
    EXPECT_TRUE(disabledPicture(PngPicture{}).empty());
}

TEST(PngPictureTest, TransferButtonPictureLoadsFromTheResources) {
    const PngPicture picture = loadPngResource(GetModuleHandleW(nullptr), L"PNG_TRANSFER");
    ASSERT_FALSE(picture.empty());
    EXPECT_EQ(picture.width(), 32);
    EXPECT_EQ(picture.height(), 32);
    EXPECT_TRUE(picture.hasTransparency());
    EXPECT_TRUE(loadPngResource(GetModuleHandleW(nullptr), L"NO_SUCH_PICTURE").empty());
    // A bitmap of that name exists, but it is no RCDATA picture.
    EXPECT_TRUE(loadPngResource(GetModuleHandleW(nullptr), L"BAKIR").empty());
}

}  // namespace
}  // namespace vireltan
