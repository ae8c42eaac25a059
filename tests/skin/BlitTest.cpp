// The pixel copies against a one-pixel-at-a-time reference: tiles of every width class (one pixel,
// narrower than the row's copy steps, wider than a whole row), rows repeated from the first tile row,
// areas cut by the destination and by a clip rectangle, odd widths with padding bytes, and copies
// within one raster.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "PictureFixtures.h"
#include "skin/Blit.h"

namespace vireltan {
namespace {

using testing::positionPicture;
using testing::randomPicture;

int floorMod(int a, int m) {
    return ((a % m) + m) % m;
}

// dst as tilePiece must leave it: inside area, clip and dst, the piece's pixel at the position modulo
// the tile size, where that pixel exists; everything else unchanged.
Raster referenceTile(const Raster& src, const PixelRect& piece, Raster dst, const PixelRect& area,
                     const PixelRect& clip) {
    if (piece.empty()) return dst;
    for (int y = 0; y < dst.height(); ++y) {
        for (int x = 0; x < dst.width(); ++x) {
            if (x < area.left || x >= area.right || y < area.top || y >= area.bottom) continue;
            if (x < clip.left || x >= clip.right || y < clip.top || y >= clip.bottom) continue;
            const int sx = piece.left + floorMod(x - area.left, piece.width());
            const int sy = piece.top + floorMod(y - area.top, piece.height());
            if (src.contains(sx, sy)) dst.setPixel(x, y, src.pixel(sx, sy));
        }
    }
    return dst;
}

// Padding bytes must survive every copy: a row written one byte too far shows here.
bool paddingUntouched(const Raster& r, std::uint8_t value) {
    for (int y = 0; y < r.height(); ++y) {
        for (int i = 3 * r.width(); i < r.stride(); ++i) {
            if (r.row(y)[i] != value) return false;
        }
    }
    return true;
}

void fillPadding(Raster& r, std::uint8_t value) {
    for (int y = 0; y < r.height(); ++y) {
        for (int i = 3 * r.width(); i < r.stride(); ++i) r.row(y)[i] = value;
    }
}

TEST(BlitTest, TilingMatchesThePixelRule) {
    struct Case {
        const char* what;
        int dstW, dstH;
        PixelRect piece, area, clip;
    };
    const PixelRect all{-1000, -1000, 1000, 1000};
    const Case cases[] = {
        {"one-pixel tile over whole rows", 37, 9, {5, 5, 6, 6}, {0, 0, 37, 9}, all},
        {"one-pixel-high band, rows repeated", 41, 13, {3, 7, 20, 8}, {0, 0, 41, 13}, all},
        {"narrow tile widened into a pattern", 301, 7, {10, 2, 13, 6}, {0, 0, 301, 7}, all},
        {"tile of 31 pixels (just under the pattern length)", 257, 5, {1, 1, 32, 4}, {0, 0, 257, 5}, all},
        {"tile of 32 pixels", 257, 5, {1, 1, 33, 4}, {0, 0, 257, 5}, all},
        {"group box top edge, partial tile last", 713, 17, {5, 0, 52, 17}, {5, 0, 708, 17}, all},
        {"frame top edge from column 0", 746, 27, {30, 0, 81, 27}, {0, 0, 746, 27}, all},
        {"tile wider than the row", 50, 6, {0, 0, 120, 6}, {0, 0, 50, 6}, all},
        {"area left of the raster: phase inside the tile", 90, 20, {7, 3, 30, 14}, {-17, -5, 90, 20}, all},
        {"area inside: rows copied from one tile above", 97, 61, {2, 17, 57, 50}, {2, 17, 95, 59}, all},
        {"clip cuts both ends of every row", 400, 40, {30, 0, 81, 27}, {0, 0, 400, 40}, {33, 2, 371, 39}},
        {"clip to a single column", 60, 30, {0, 0, 7, 5}, {0, 0, 60, 30}, {13, 0, 14, 30}},
        {"clip leaves nothing", 60, 30, {0, 0, 7, 5}, {0, 0, 60, 30}, {70, 0, 80, 30}},
        {"narrow strip, many rows from few", 5, 376, {0, 28, 5, 140}, {0, 0, 5, 376}, all},
        {"narrow strip, odd phase and clip", 6, 100, {140, 28, 146, 134}, {-2, -9, 6, 100}, {0, 3, 6, 97}},
        {"narrow strip, odd phase, tile rows wrap", 4, 120, {140, 28, 146, 134}, {-2, -9, 6, 120}, all},
        {"piece partly outside the picture", 40, 30, {140, 140, 160, 155}, {0, 0, 40, 30}, all},
        {"empty piece draws nothing", 40, 30, {10, 10, 10, 20}, {0, 0, 40, 30}, all},
    };
    const Raster picture = positionPicture(150, 150);
    for (const Case& c : cases) {
        Raster dst = randomPicture(c.dstW, c.dstH, 7);
        fillPadding(dst, 0xA5);
        const Raster expected = referenceTile(picture, c.piece, dst, c.area, c.clip);
        tilePiece(picture, c.piece, dst, c.area, c.clip);
        EXPECT_TRUE(dst.samePixels(expected)) << c.what;
        EXPECT_TRUE(paddingUntouched(dst, 0xA5)) << c.what;
    }
}

TEST(BlitTest, CopiesAndStretchesStayInsideTheClip) {
    struct Case {
        const char* what;
        PixelRect piece, area, clip;
        bool stretch;
    };
    const Case cases[] = {
        {"copy, clip cuts left and top", {10, 10, 40, 30}, {5, 4, 35, 24}, {9, 7, 60, 60}, false},
        {"copy, clip inside", {0, 0, 90, 3}, {1, 1, 91, 4}, {30, 0, 50, 60}, false},
        {"enlarging stretch, clip cuts the first columns",
         {10, 10, 20, 16},
         {3, 2, 50, 40},
         {11, 5, 60, 60},
         true},
        {"shrinking stretch, clip on the right", {0, 0, 80, 40}, {0, 0, 33, 17}, {0, 0, 20, 60}, true},
        {"stretch of the piece's own size is a copy", {4, 4, 24, 14}, {0, 0, 20, 10}, {2, 3, 60, 60}, true},
    };
    const Raster picture = positionPicture(150, 150);
    for (const Case& c : cases) {
        // Unclipped into a fresh raster, then only the clip's part is expected to arrive.
        Raster whole(61, 47);
        Raster clipped = randomPicture(61, 47, 3);
        const Raster before = clipped;
        if (c.stretch) {
            stretchPiece(picture, c.piece, whole, c.area);
            stretchPiece(picture, c.piece, clipped, c.area, c.clip);
        } else {
            copyPiece(picture, c.piece, whole, c.area.left, c.area.top);
            copyPiece(picture, c.piece, clipped, c.area.left, c.area.top, c.clip);
        }
        for (int y = 0; y < 47; ++y) {
            for (int x = 0; x < 61; ++x) {
                const bool inClip =
                    x >= c.clip.left && x < c.clip.right && y >= c.clip.top && y < c.clip.bottom;
                const bool inArea =
                    x >= c.area.left && x < c.area.right && y >= c.area.top && y < c.area.bottom;
                const Bgr expected = inClip && inArea ? whole.pixel(x, y) : before.pixel(x, y);
                ASSERT_TRUE(clipped.pixel(x, y) == expected) << c.what << " at " << x << "," << y;
            }
        }
    }
}

TEST(BlitTest, StretchingFollowsTheIndexTablesUpToThePicturesLastByte) {
    struct Case {
        const char* what;
        int pictureW, pictureH;
        PixelRect piece, area;
    };
    const Case cases[] = {
        // Pieces ending at the last pixel of the last row: with a width divisible by 4 no padding
        // follows it, so that pixel is the last byte of the picture's memory.
        {"enlarged, picture without padding", 8, 6, {5, 3, 8, 6}, {0, 0, 37, 11}},
        {"enlarged, one padding byte", 9, 6, {6, 3, 9, 6}, {0, 0, 37, 11}},
        {"enlarged, two padding bytes", 10, 6, {7, 3, 10, 6}, {0, 0, 37, 11}},
        {"enlarged, three padding bytes", 11, 6, {8, 3, 11, 6}, {0, 0, 37, 11}},
        {"shrunk, picture without padding", 16, 12, {0, 0, 16, 12}, {0, 0, 7, 5}},
        {"one source column spread", 4, 4, {3, 0, 4, 4}, {0, 0, 13, 9}},
        {"one destination column", 12, 4, {0, 0, 12, 4}, {0, 0, 1, 6}},
        {"area partly outside the destination", 12, 12, {2, 2, 10, 10}, {-5, -3, 30, 20}},
    };
    for (const Case& c : cases) {
        const Raster picture = positionPicture(c.pictureW, c.pictureH);
        Raster dst = randomPicture(31, 17, 9);
        fillPadding(dst, 0x5A);
        Raster expected = dst;
        const std::vector<int> cols =
            stretchSourceIndices(c.piece.width(), c.area.width(), StretchAxis::Columns);
        const std::vector<int> rows =
            stretchSourceIndices(c.piece.height(), c.area.height(), StretchAxis::Rows);
        for (int y = 0; y < 17; ++y) {
            for (int x = 0; x < 31; ++x) {
                if (x < c.area.left || x >= c.area.right || y < c.area.top || y >= c.area.bottom) continue;
                expected.setPixel(x, y,
                                  picture.pixel(c.piece.left + cols[std::size_t(x - c.area.left)],
                                                c.piece.top + rows[std::size_t(y - c.area.top)]));
            }
        }
        stretchPiece(picture, c.piece, dst, c.area);
        EXPECT_TRUE(dst.samePixels(expected)) << c.what;
        EXPECT_TRUE(paddingUntouched(dst, 0x5A)) << c.what;
    }
}

TEST(BlitTest, CopyWithinOneRasterReadsEveryRowBeforeOverwritingIt) {
    struct Case {
        const char* what;
        PixelRect piece;
        int x, y;
    };
    const Case cases[] = {
        {"down by one row", {3, 2, 30, 20}, 3, 3},
        {"up by two rows", {3, 5, 30, 20}, 3, 3},
        {"right within the rows", {0, 0, 25, 10}, 7, 0},
        {"left and down", {9, 1, 40, 12}, 2, 6},
    };
    for (const Case& c : cases) {
        Raster r = positionPicture(45, 25);
        const Raster original = r;
        copyPiece(r, c.piece, r, c.x, c.y);
        for (int y = 0; y < 25; ++y) {
            for (int x = 0; x < 45; ++x) {
                const int sx = x - c.x + c.piece.left;
                const int sy = y - c.y + c.piece.top;
                const bool moved =
                    sx >= c.piece.left && sx < c.piece.right && sy >= c.piece.top && sy < c.piece.bottom;
                const Bgr expected = moved ? original.pixel(sx, sy) : original.pixel(x, y);
                ASSERT_TRUE(r.pixel(x, y) == expected) << c.what << " at " << x << "," << y;
            }
        }
    }
}

}  // namespace
}  // namespace vireltan
