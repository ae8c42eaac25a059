// The raster's nearest-neighbour stretch against GDI's StretchBlt in COLORONCOLOR mode between top-down
// 24-bit DIB sections, so that pictures stretched by our composition and by GDI look the same.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <random>

#include "skin/Blit.h"
#include "skin/Raster.h"

namespace {

struct DibSection {
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = nullptr;
    HGDIOBJ previous = nullptr;
    void* bits = nullptr;
    DibSection(int w, int h) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = w;
        info.bmiHeader.biHeight = -h;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 24;
        info.bmiHeader.biCompression = BI_RGB;
        bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        previous = SelectObject(dc, bitmap);
    }
    ~DibSection() {
        SelectObject(dc, previous);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    DibSection(const DibSection&) = delete;
    DibSection& operator=(const DibSection&) = delete;
};

TEST(StretchBltMatchTest, NearestNeighbourSamplingMatchesGdi) {
    std::mt19937 random(2026);
    int checked = 0;
    for (int round = 0; round < 300; ++round) {
        const int sw = 1 + int(random() % (round < 200 ? 40 : 700));
        const int sh = 1 + int(random() % 40);
        const int dw = 1 + int(random() % (round < 200 ? 80 : 900));
        const int dh = 1 + int(random() % 80);
        DibSection src(sw, sh), gdi(dw, dh);
        ASSERT_NE(src.bits, nullptr);
        ASSERT_NE(gdi.bits, nullptr);
        vireltan::Raster source = vireltan::Raster::wrap(static_cast<std::uint8_t*>(src.bits), sw, sh);
        for (int y = 0; y < sh; ++y) {
            for (int x = 0; x < sw; ++x) {
                source.setPixel(x, y, {std::uint8_t(x), std::uint8_t(x >> 8), std::uint8_t(y)});
            }
        }
        SetStretchBltMode(gdi.dc, COLORONCOLOR);
        ASSERT_TRUE(StretchBlt(gdi.dc, 0, 0, dw, dh, src.dc, 0, 0, sw, sh, SRCCOPY));
        GdiFlush();
        const vireltan::Raster expected =
            vireltan::Raster::wrap(static_cast<std::uint8_t*>(gdi.bits), dw, dh);
        vireltan::Raster ours(dw, dh);
        vireltan::stretchPiece(source, source.bounds(), ours, ours.bounds());
        EXPECT_TRUE(ours.samePixels(expected)) << sw << "x" << sh << " -> " << dw << "x" << dh;
        ++checked;
    }
    EXPECT_EQ(checked, 300);
}

}  // namespace
