// The off-screen bitmap and the raster share one row layout, and the raster view of a bitmap is its
// own pixels: composing into the view is what GDI then copies.
#include "gui/Bitmap.h"

#include "gui/Application.h"

#include <gtest/gtest.h>

namespace vireltan {
namespace {

TEST(Bitmap, RowsAreLaidOutAsTheRastersRows) {
    for (int width = 1; width <= 9; ++width) {
        TBitmap bitmap(width, 2);
        const Raster view = bitmap.raster();
        EXPECT_EQ(bitmap.stride(), view.stride()) << width;
        EXPECT_EQ(bitmap.stride(), Raster(width, 2).stride()) << width;
        EXPECT_EQ(bitmap.stride() % 4, 0) << width;
    }
}

TEST(Bitmap, RasterViewSharesThePixels) {
    struct Case {
        int width, height;
        PixelRect filled;
    };
    const Case cases[] = {{5, 4, {1, 1, 4, 3}}, {1, 1, {0, 0, 1, 1}}, {713, 134, {700, 0, 713, 134}}};
    for (const Case& c : cases) {
        TBitmap bitmap(c.width, c.height);
        Raster view = bitmap.raster();
        ASSERT_FALSE(view.ownsPixels());
        ASSERT_EQ(view.width(), c.width);
        view.fillRect(c.filled, Bgr{30, 20, 10});
        // GDI reads what the raster wrote ...
        EXPECT_EQ(GetPixel(bitmap.canvasHandle(), c.filled.left, c.filled.top), RGB(10, 20, 30));
        EXPECT_EQ(GetPixel(bitmap.canvasHandle(), c.filled.right - 1, c.filled.bottom - 1), RGB(10, 20, 30));
        if (c.filled.left > 0) {
            EXPECT_EQ(GetPixel(bitmap.canvasHandle(), 0, 0), RGB(0, 0, 0));
        }
        // ... and the raster reads what GDI drew.
        SetPixel(bitmap.canvasHandle(), 0, c.height - 1, RGB(200, 100, 50));
        EXPECT_EQ(bitmap.raster().pixel(0, c.height - 1), (Bgr{50, 100, 200}));
    }
    EXPECT_TRUE(TBitmap().raster().empty());
}

// Bitmaps for one paint share the program's paint buffer: each starts black over its own size whatever
// the last one drew, GDI and the raster view agree on its pixels, drawing stops at its edges, and once
// the buffer has grown no paint makes a DIB section of its own.
TEST(Bitmap, BitmapsForOnePaintShareOneBufferAndStartBlack) {
    struct Case {
        int width, height;
    };
    const Case cases[] = {{185, 201}, {305, 201}, {713, 134}, {1, 1}, {209, 202}, {713, 202}, {33, 33}};
    const RECT everything{-10, -10, 5000, 5000};
    for (int round = 0; round < 2; ++round) {
        const long sectionsBefore = Application().dibSectionsMade();
        for (const Case& c : cases) {
            TBitmap bitmap(c.width, c.height, TBitmap::Use::OnePaint);
            ASSERT_FALSE(bitmap.empty());
            Raster view = bitmap.raster();
            ASSERT_EQ(view.width(), c.width);
            EXPECT_GE(view.stride(), Raster(c.width, 1).stride());
            for (const PixelPoint p : {PixelPoint{0, 0}, PixelPoint{c.width - 1, c.height - 1}})
                EXPECT_EQ(view.pixel(p.x, p.y), (Bgr{0, 0, 0})) << c.width << "x" << c.height;
            // Drawing stops at its own size, as it would at a bitmap's edges: a pixel right of it, in
            // the wider buffer's row, keeps what it had.
            const bool roomRight = view.stride() >= 3 * (c.width + 1);
            if (roomRight) view.row(0)[3 * c.width] = 0x5A;
            FillRect(bitmap.canvasHandle(), &everything, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
            EXPECT_EQ(bitmap.raster().pixel(c.width - 1, c.height - 1), (Bgr{255, 255, 255}));
            if (roomRight) EXPECT_EQ(bitmap.raster().row(0)[3 * c.width], 0x5A) << c.width;
            view.setPixel(0, c.height - 1, Bgr{30, 20, 10});
            EXPECT_EQ(GetPixel(bitmap.canvasHandle(), 0, c.height - 1), RGB(10, 20, 30));
        }
        // The first round grew the buffer to the largest size; the second makes no section.
        if (round == 1) EXPECT_EQ(Application().dibSectionsMade(), sectionsBefore);
    }
    // A paint within a paint gets a bitmap of its own.
    TBitmap outer(50, 20, TBitmap::Use::OnePaint);
    TBitmap inner(50, 20, TBitmap::Use::OnePaint);
    ASSERT_FALSE(inner.empty());
    EXPECT_NE(outer.canvasHandle(), inner.canvasHandle());
    inner.raster().fill(Bgr{1, 2, 3});
    EXPECT_EQ(outer.raster().pixel(10, 10), (Bgr{0, 0, 0}));
}

}  // namespace
}  // namespace vireltan
