#include "skin/Bmp.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "SkinTestSupport.h"
#include "skin/SkinErrors.h"

namespace vireltan {
namespace {

using testing::appendI32;

// A BMP file laid out field by field, so that each header field can lie on its own.
struct RawBmp {
    char magic[2] = {'B', 'M'};
    std::uint32_t fileSize = 0;  // never used by the reader
    std::uint32_t headerSize = 40;
    std::int32_t width = 3;
    std::int32_t height = 2;
    std::uint16_t bitCount = 24;
    std::uint32_t compression = 0;
    std::uint32_t imageSize = 0;
    std::uint32_t colorsUsed = 0;
    std::size_t masksWritten = 0;   // 4-byte masks actually present
    std::size_t colorsWritten = 0;  // 4-byte colour entries actually present
    std::size_t pixelBytes = 0;     // pixel bytes actually present

    std::vector<std::uint8_t> bytes() const {
        std::vector<std::uint8_t> out{static_cast<std::uint8_t>(magic[0]),
                                      static_cast<std::uint8_t>(magic[1])};
        appendI32(out, static_cast<std::int32_t>(fileSize));
        appendI32(out, 0);
        appendI32(out, 0);
        appendI32(out, static_cast<std::int32_t>(headerSize));
        appendI32(out, width);
        appendI32(out, height);
        out.push_back(1);
        out.push_back(0);
        out.push_back(static_cast<std::uint8_t>(bitCount));
        out.push_back(static_cast<std::uint8_t>(bitCount >> 8));
        appendI32(out, static_cast<std::int32_t>(compression));
        appendI32(out, static_cast<std::int32_t>(imageSize));
        appendI32(out, 0);
        appendI32(out, 0);
        appendI32(out, static_cast<std::int32_t>(colorsUsed));
        appendI32(out, 0);
        if (headerSize > 40 && headerSize < 4096) out.insert(out.end(), headerSize - 40, 0);
        for (std::size_t i = 0; i < masksWritten; ++i) appendI32(out, 0);
        for (std::size_t i = 0; i < colorsWritten; ++i) appendI32(out, 0x00102030);
        for (std::size_t i = 0; i < pixelBytes; ++i) out.push_back(static_cast<std::uint8_t>(i));
        return out;
    }
};

struct LengthCase {
    const char* name;
    RawBmp bmp;
    std::size_t expectedLength;  // bytes the reader must consume
};

TEST(BmpTest, ConsumesExactlyTheDescribedBytes) {
    const std::size_t headers = 14 + 40;
    const LengthCase cases[] = {
        {"24-bit rows padded to 4", {.pixelBytes = 24}, headers + 24},
        {"image size ignored without compression", {.imageSize = 999, .pixelBytes = 24}, headers + 24},
        {"file size field not used", {.fileSize = 5, .pixelBytes = 24}, headers + 24},
        {"top-down rows", {.height = -2, .pixelBytes = 24}, headers + 24},
        {"8-bit full colour table",
         {.width = 4, .height = 1, .bitCount = 8, .colorsWritten = 256, .pixelBytes = 4},
         headers + 1024 + 4},
        {"8-bit colour count",
         {.width = 5, .height = 2, .bitCount = 8, .colorsUsed = 3, .colorsWritten = 3, .pixelBytes = 16},
         headers + 12 + 16},
        {"1-bit two colours",
         {.width = 33, .height = 3, .bitCount = 1, .colorsWritten = 2, .pixelBytes = 24},
         headers + 8 + 24},
        {"4-bit sixteen colours",
         {.width = 3, .height = 1, .bitCount = 4, .colorsWritten = 16, .pixelBytes = 4},
         headers + 64 + 4},
        {"24-bit with a colour count",
         {.colorsUsed = 2, .colorsWritten = 2, .pixelBytes = 24},
         headers + 8 + 24},
        {"32-bit bit fields",
         {.bitCount = 32, .compression = 3, .masksWritten = 3, .pixelBytes = 24},
         headers + 12 + 24},
        {"16-bit bit fields",
         {.bitCount = 16, .compression = 3, .masksWritten = 3, .pixelBytes = 16},
         headers + 12 + 16},
        {"16-bit without bit fields", {.bitCount = 16, .pixelBytes = 16}, headers + 16},
        {"longer info header", {.headerSize = 108, .pixelBytes = 24}, headers + 68 + 24},
        {"run-length data by image size",
         {.width = 4,
          .height = 2,
          .bitCount = 8,
          .compression = 1,
          .imageSize = 10,
          .colorsUsed = 2,
          .colorsWritten = 2,
          .pixelBytes = 10},
         headers + 8 + 10},
        {"run-length without image size uses whole rows",
         {.width = 4,
          .height = 2,
          .bitCount = 8,
          .compression = 1,
          .colorsUsed = 2,
          .colorsWritten = 2,
          .pixelBytes = 8},
         headers + 8 + 8},
        {"rows cut short by the end of data", {.pixelBytes = 17}, headers + 17},
        {"zero width", {.width = 0, .height = 5}, headers},
        {"zero width with bytes after it",
         {.width = 0, .height = 5, .bitCount = 8, .colorsWritten = 256},
         headers + 1024},
        {"zero height", {.width = 5, .height = 0}, headers},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::uint8_t> data = c.bmp.bytes();
        ASSERT_EQ(data.size(), c.expectedLength);  // the case itself is consistent
        const bool cutShort = c.bmp.pixelBytes == 17;
        // What follows would be the next field of a container; a file cut short has nothing after it.
        if (!cutShort) data.push_back(0xAB);
        ByteReader in(data);
        readBmp(in);
        if (cutShort) {
            EXPECT_TRUE(in.atEnd());
        } else {
            EXPECT_EQ(in.position(), c.expectedLength);
            EXPECT_EQ(in.readU8(), 0xAB);
        }
    }
}

// A picture with no columns or no rows has no pixels, however large the other side claims to be; the
// claim must not cost a loop over it (two billion empty rows took over a minute before).
TEST(BmpTest, NoColumnsOrNoRowsGiveAnEmptyPicture) {
    const RawBmp cases[] = {
        {.width = 0, .height = 2046820350},
        {.width = 0, .height = -2046820350},
        {.width = 0, .height = 2046820350, .bitCount = 16, .compression = 3, .masksWritten = 3},
        {.width = 2046820350, .height = 0},
    };
    for (const RawBmp& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.width << " x " << c.height);
        const SkinPicture picture = readBmp(c.bytes());
        EXPECT_EQ(picture.width, 0);
        EXPECT_EQ(picture.height, 0);
        EXPECT_TRUE(picture.pixels.empty());
    }
}

struct ErrorCase {
    const char* name;
    std::vector<std::uint8_t> data;
    bool bitmapError;  // else a stream error
};

std::vector<std::uint8_t> cut(std::vector<std::uint8_t> data, std::size_t size) {
    data.resize(size);
    return data;
}

TEST(BmpTest, RejectsDamagedFiles) {
    const ErrorCase cases[] = {
        {"not BM", RawBmp{.magic = {'B', 'X'}, .pixelBytes = 24}.bytes(), true},
        {"lower-case bm", RawBmp{.magic = {'b', 'm'}, .pixelBytes = 24}.bytes(), true},
        {"old 12-byte header", RawBmp{.headerSize = 12, .pixelBytes = 24}.bytes(), true},
        {"bit count 7", RawBmp{.bitCount = 7, .pixelBytes = 24}.bytes(), true},
        {"bit count 0", RawBmp{.bitCount = 0, .pixelBytes = 24}.bytes(), true},
        {"negative width", RawBmp{.width = -3, .pixelBytes = 24}.bytes(), true},
        {"height of the smallest integer", RawBmp{.height = INT32_MIN}.bytes(), true},
        {"enormous picture", RawBmp{.width = 1 << 20, .height = 1 << 20}.bytes(), true},
        {"JPEG compression", RawBmp{.compression = 4, .imageSize = 4, .pixelBytes = 4}.bytes(), true},
        {"run-length on 24 bits", RawBmp{.compression = 1, .imageSize = 4, .pixelBytes = 4}.bytes(), true},
        {"top-down run-length",
         RawBmp{.height = -1,
                .bitCount = 8,
                .compression = 1,
                .imageSize = 2,
                .colorsWritten = 256,
                .pixelBytes = 2}
             .bytes(),
         true},
        {"empty", {}, false},
        {"file header only", cut(RawBmp{.pixelBytes = 24}.bytes(), 14), false},
        {"info header cut", cut(RawBmp{.pixelBytes = 24}.bytes(), 30), false},
        {"info header longer than the data", RawBmp{.headerSize = 0x7FFFFFF0, .pixelBytes = 24}.bytes(),
         false},
        {"colour count beyond the data",
         RawBmp{.bitCount = 8, .colorsUsed = 0xFFFFFFFF, .colorsWritten = 2}.bytes(), false},
        {"colour table cut", RawBmp{.bitCount = 8, .colorsWritten = 100}.bytes(), false},
        {"masks cut", cut(RawBmp{.bitCount = 32, .compression = 3, .masksWritten = 3}.bytes(), 60), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.bitmapError) {
            EXPECT_THROW(readBmp(c.data), SkinBitmapError);
        } else {
            EXPECT_THROW(readBmp(c.data), SkinStreamError);
        }
    }
}

TEST(BmpTest, WriterAndReaderRoundTripEveryDepth) {
    struct Case {
        int width;
        int height;
        int bitCount;
        bool bitFields;
    } const cases[] = {
        {150, 150, 24, false}, {150, 150, 1, false}, {7, 3, 1, false},  {5, 4, 4, false},  {9, 2, 8, false},
        {3, 3, 16, false},     {3, 3, 16, true},     {4, 2, 32, false}, {4, 2, 32, true},  {1, 1, 24, false},
        {537, 382, 24, false}, {0, 0, 24, false},    {31, 1, 1, false}, {33, 2, 1, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.width << "x" << c.height << "x" << c.bitCount);
        SkinPicture p = testing::patternPicture(c.width, c.height, c.bitCount, 3);
        if (c.bitFields) {
            p.bitFields = true;
            p.masks = c.bitCount == 16 ? std::array<std::uint32_t, 3>{0xF800u, 0x07E0u, 0x001Fu}
                                       : std::array<std::uint32_t, 3>{0x0000FFu, 0x00FF00u, 0xFF0000u};
        }
        std::vector<std::uint8_t> file = writeBmp(p);
        const std::size_t length = file.size();
        file.push_back(0x5A);
        ByteReader in(file);
        const SkinPicture back = readBmp(in);
        EXPECT_EQ(in.position(), length);
        if (c.width == 0) {
            EXPECT_TRUE(back.isEmpty());
        } else {
            EXPECT_EQ(back, p);
        }
        // The file header's size field agrees with the length the reader consumed.
        const std::uint32_t sizeField = file[2] | (file[3] << 8) | (file[4] << 16) | (file[5] << 24);
        EXPECT_EQ(sizeField, length);
    }
}

TEST(BmpTest, ColoursOfEachFormat) {
    // 2 x 2 pictures, top row first in the expectations.
    struct Case {
        const char* name;
        SkinPicture picture;
        SkinColor topLeft;
        SkinColor bottomRight;
    };
    SkinPicture mono;
    mono.width = 2;
    mono.height = 2;
    mono.bitCount = 1;
    mono.palette = {0x000000, 0xFFFFFF};
    mono.pixels = {0x80, 0, 0, 0, 0x40, 0, 0, 0};  // top-left white, bottom-right white
    SkinPicture rgb;
    rgb.width = 2;
    rgb.height = 2;
    rgb.bitCount = 24;
    rgb.pixels = {0x01, 0x02, 0x03, 0, 0, 0, 0, 0, 0, 0, 0, 0xAA, 0xBB, 0xCC, 0, 0};
    SkinPicture indexed;
    indexed.width = 2;
    indexed.height = 2;
    indexed.bitCount = 8;
    indexed.palette = {0x112233, 0x445566};
    indexed.pixels = {1, 0, 0, 0, 0, 7, 0, 0};  // index 7 is not in the table
    SkinPicture hi;
    hi.width = 2;
    hi.height = 2;
    hi.bitCount = 16;
    hi.masks = {0x7C00, 0x03E0, 0x001F};
    hi.pixels = {0x00, 0x7C, 0, 0, 0, 0, 0x1F, 0x00};  // pure red, then pure blue
    const Case cases[] = {
        {"1-bit", mono, rgbColor(255, 255, 255), rgbColor(255, 255, 255)},
        {"24-bit", rgb, rgbColor(0x03, 0x02, 0x01), rgbColor(0xCC, 0xBB, 0xAA)},
        {"8-bit", indexed, rgbColor(0x44, 0x55, 0x66), 0},
        {"16-bit", hi, rgbColor(255, 0, 0), rgbColor(0, 0, 255)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.picture.colorAt(0, 0), c.topLeft);
        EXPECT_EQ(c.picture.colorAt(1, 1), c.bottomRight);
        EXPECT_EQ(c.picture.colorAt(-1, 0), 0);
        EXPECT_EQ(c.picture.colorAt(0, 2), 0);
        // Written and read back, the colours stay where they were.
        const SkinPicture back = readBmp(writeBmp(c.picture));
        EXPECT_EQ(back.colorAt(0, 0), c.topLeft);
        EXPECT_EQ(back.colorAt(1, 1), c.bottomRight);
    }
}

TEST(BmpTest, BottomUpAndTopDownFilesGiveTheSamePicture) {
    RawBmp bottomUp{.width = 1, .height = 2, .pixelBytes = 8};
    RawBmp topDown = bottomUp;
    topDown.height = -2;
    std::vector<std::uint8_t> a = bottomUp.bytes();
    std::vector<std::uint8_t> b = topDown.bytes();
    // Swap the two rows of the top-down file so both describe the same image.
    std::swap_ranges(b.end() - 8, b.end() - 4, b.end() - 4);
    EXPECT_EQ(readBmp(a), readBmp(b));
}

TEST(BmpTest, RunLengthExpansion) {
    struct Case {
        const char* name;
        int bitCount;
        int width;
        int height;
        std::vector<std::uint8_t> data;
        std::vector<std::uint8_t> expectedTopDown;  // one index per pixel
    } const cases[] = {
        {"runs and end of line", 8, 4, 2, {2, 1, 2, 2, 0, 0, 4, 3, 0, 1}, {3, 3, 3, 3, 1, 1, 2, 2}},
        {"literal run padded", 8, 3, 1, {0, 3, 5, 6, 7, 0, 0, 1}, {5, 6, 7}},
        {"delta skips pixels", 8, 3, 2, {0, 2, 1, 1, 1, 9, 0, 1}, {0, 9, 0, 0, 0, 0}},
        {"run overshooting the row is clipped", 8, 2, 1, {5, 4, 0, 1}, {4, 4}},
        {"data ending early", 8, 2, 1, {1, 8}, {8, 0}},
        {"4-bit runs alternate nibbles", 4, 3, 1, {3, 0x12, 0, 1}, {1, 2, 1}},
        {"4-bit literal", 4, 3, 1, {0, 3, 0x45, 0x60, 0, 1}, {4, 5, 6}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RawBmp raw{.width = c.width,
                   .height = c.height,
                   .bitCount = static_cast<std::uint16_t>(c.bitCount),
                   .compression = c.bitCount == 8 ? 1u : 2u,
                   .imageSize = static_cast<std::uint32_t>(c.data.size()),
                   .colorsUsed = 16,
                   .colorsWritten = 16};
        std::vector<std::uint8_t> file = raw.bytes();
        file.insert(file.end(), c.data.begin(), c.data.end());
        const SkinPicture p = readBmp(file);
        std::vector<std::uint8_t> indexes;
        for (int y = 0; y < c.height; ++y) {
            for (int x = 0; x < c.width; ++x) {
                const std::uint8_t* row = p.pixels.data() + y * p.stride();
                indexes.push_back(c.bitCount == 8 ? row[x]
                                                  : (x % 2 == 0 ? row[x / 2] >> 4 : row[x / 2] & 0x0F));
            }
        }
        EXPECT_EQ(indexes, c.expectedTopDown);
    }
}

}  // namespace
}  // namespace vireltan
