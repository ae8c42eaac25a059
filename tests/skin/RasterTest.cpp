#include "skin/Raster.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "PictureFixtures.h"
#include "skin/RasterBmp.h"

namespace vireltan {
namespace {

TEST(RasterTest, RowsArePaddedToFourBytes) {
    struct Case {
        int width;
        int stride;
    };
    const Case cases[] = {{1, 4}, {2, 8}, {3, 12}, {4, 12}, {5, 16}, {7, 24}, {150, 452}, {746, 2240}};
    for (const Case& c : cases) {
        Raster r(c.width, 3);
        EXPECT_EQ(r.stride(), c.stride) << c.width;
        EXPECT_EQ(r.stride() % 4, 0) << c.width;
        EXPECT_EQ(r.byteSize(), std::size_t(c.stride) * 3) << c.width;
        EXPECT_EQ(r.row(2) - r.row(0), 2 * c.stride) << c.width;
    }
}

TEST(RasterTest, NonPositiveSidesGiveAnEmptyRaster) {
    const int sizes[][2] = {{0, 5}, {5, 0}, {-3, 4}, {4, -3}};
    for (const auto& s : sizes) {
        Raster r(s[0], s[1]);
        EXPECT_TRUE(r.empty());
        EXPECT_EQ(r.byteSize(), 0u);
    }
}

TEST(RasterTest, RefusesSizesBeyondTheLimit) {
    EXPECT_THROW(Raster(1 << 20, 1 << 20), std::length_error);
}

TEST(RasterTest, WrapsMemoryItDoesNotOwnAndCopiesIntoOwnedMemory) {
    // Rows of the raster's own layout, and rows further apart (the top-left of a wider picture).
    for (const int stride : {rasterStride(5), 40}) {
        std::vector<std::uint8_t> dib(std::size_t(stride) * 4, 0);
        Raster wrapped = Raster::wrap(dib.data(), 5, 4, stride);
        EXPECT_FALSE(wrapped.ownsPixels());
        EXPECT_EQ(wrapped.stride(), stride);
        wrapped.setPixel(4, 3, {1, 2, 3});
        EXPECT_EQ(dib[std::size_t(3 * stride + 12)], 1) << stride;
        EXPECT_EQ(dib[std::size_t(3 * stride + 14)], 3) << stride;

        dib[std::size_t(stride + 3)] = 7;  // pixel (1, 1), blue
        Raster copy = wrapped;
        EXPECT_TRUE(copy.ownsPixels());
        EXPECT_EQ(copy.stride(), rasterStride(5));
        copy.setPixel(0, 0, {9, 9, 9});
        EXPECT_EQ(dib[0], 0);
        EXPECT_TRUE(copy.pixel(4, 3) == (Bgr{1, 2, 3})) << stride;
        EXPECT_TRUE(copy.pixel(1, 1) == (Bgr{7, 0, 0})) << stride;
    }
    std::vector<std::uint8_t> narrow(64, 0);
    EXPECT_TRUE(Raster::wrap(narrow.data(), 5, 2, rasterStride(5) - 1).empty());
}

TEST(RasterTest, CopyFlippedMirrorsRows) {
    const Raster src = testing::positionPicture(7, 5);
    Raster flipped(7, 5);
    src.copyFlipped(flipped);
    Raster inPlace = src;
    inPlace.copyFlipped(inPlace);
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 7; ++x) {
            EXPECT_TRUE(flipped.pixel(x, 4 - y) == src.pixel(x, y));
            EXPECT_TRUE(inPlace.pixel(x, 4 - y) == src.pixel(x, y));
        }
    }
    Raster other(6, 5);
    src.copyFlipped(other);  // different size: untouched
    EXPECT_TRUE(other.pixel(0, 0) == Bgr{});
}

TEST(RasterTest, RowAccessCopiesWholeRows) {
    Raster r = testing::positionPicture(9, 3);
    std::vector<std::uint8_t> row(27);
    r.getRow(1, row.data());
    r.setRow(2, row.data());
    for (int x = 0; x < 9; ++x) EXPECT_TRUE(r.pixel(x, 2) == testing::positionColour(x, 1));
}

TEST(RasterBmpTest, WriteThenReadGivesTheSamePixels) {
    for (int w : {1, 2, 3, 4, 5, 31}) {
        const Raster src = testing::randomPicture(w, 6, std::uint32_t(w));
        const std::vector<std::uint8_t> file = writeRasterBmp(src);
        const auto back = readRasterBmp(file);
        ASSERT_TRUE(back.has_value()) << w;
        EXPECT_TRUE(back->samePixels(src)) << w;
    }
}

std::vector<std::uint8_t> bmpHeader(int width, int height, int bpp, int colours, std::uint32_t dataSize) {
    std::vector<std::uint8_t> d(54 + 4 * colours, 0);
    auto put32 = [&d](int at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) d[std::size_t(at + i)] = std::uint8_t(v >> (8 * i));
    };
    d[0] = 'B';
    d[1] = 'M';
    put32(2, std::uint32_t(d.size()) + dataSize);
    put32(10, std::uint32_t(d.size()));
    put32(14, 40);
    put32(18, std::uint32_t(width));
    put32(22, std::uint32_t(height));
    d[26] = 1;
    d[28] = std::uint8_t(bpp);
    put32(46, std::uint32_t(colours));
    return d;
}

TEST(RasterBmpTest, ReadsTopDownThirtyTwoBitAndPalettedPictures) {
    // 2 x 2, 32-bit, top-down: rows as stored are rows as shown.
    std::vector<std::uint8_t> d32 = bmpHeader(2, -2, 32, 0, 16);
    const std::uint8_t px32[] = {1, 2, 3, 0, 4, 5, 6, 0, 7, 8, 9, 0, 10, 11, 12, 0};
    d32.insert(d32.end(), std::begin(px32), std::end(px32));
    const auto r32 = readRasterBmp(d32);
    ASSERT_TRUE(r32.has_value());
    EXPECT_TRUE(r32->pixel(1, 0) == (Bgr{4, 5, 6}));
    EXPECT_TRUE(r32->pixel(0, 1) == (Bgr{7, 8, 9}));

    // 3 x 2, 1-bit, bottom-up, palette black and white: bottom row 101, top row 010.
    std::vector<std::uint8_t> d1 = bmpHeader(3, 2, 1, 2, 8);
    d1[54 + 4] = d1[54 + 5] = d1[54 + 6] = 255;
    const std::uint8_t px1[] = {0xA0, 0, 0, 0, 0x40, 0, 0, 0};
    d1.insert(d1.end(), std::begin(px1), std::end(px1));
    const auto r1 = readRasterBmp(d1);
    ASSERT_TRUE(r1.has_value());
    EXPECT_TRUE(r1->pixel(0, 0) == (Bgr{0, 0, 0}));
    EXPECT_TRUE(r1->pixel(1, 0) == (Bgr{255, 255, 255}));
    EXPECT_TRUE(r1->pixel(0, 1) == (Bgr{255, 255, 255}));
    EXPECT_TRUE(r1->pixel(1, 1) == (Bgr{0, 0, 0}));
}

TEST(RasterBmpTest, RejectsMalformedFilesBeforeAllocating) {
    struct Case {
        const char* what;
        std::vector<std::uint8_t> data;
    };
    std::vector<std::uint8_t> truncated = bmpHeader(100, 100, 24, 0, 30000);
    truncated.resize(truncated.size() + 100);
    std::vector<std::uint8_t> huge = bmpHeader(1 << 20, 1 << 20, 24, 0, 0);
    std::vector<std::uint8_t> rle = bmpHeader(2, 2, 8, 0, 0);
    rle[30] = 1;
    std::vector<std::uint8_t> depth = bmpHeader(2, 2, 16, 0, 16);
    depth.resize(depth.size() + 16);
    const Case cases[] = {
        {"empty", {}},
        {"not a bitmap", {'X', 'Y', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"pixel data truncated", truncated},
        {"size larger than the data", huge},
        {"run-length compressed", rle},
        {"16-bit", depth}};
    for (const Case& c : cases) {
        std::string error;
        EXPECT_FALSE(readRasterBmp(c.data, &error).has_value()) << c.what;
        EXPECT_FALSE(error.empty()) << c.what;
    }
}

}  // namespace
}  // namespace vireltan
