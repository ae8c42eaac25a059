// The off-screen bitmap and the raster share one row layout, and the raster view of a bitmap is its
// own pixels: composing into the view is what GDI then copies.
#include "gui/Bitmap.h"

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

}  // namespace
}  // namespace vireltan
