// The drawing objects over GDI: the DIB-section bitmap whose bytes GDI and our own code share,
// fonts from their descriptions, text through the wide-character functions, regions from
// rectangle lists, and the UTF-8/UTF-16 crossing.
#include "gui/Bitmap.h"
#include "gui/Canvas.h"
#include "gui/Color.h"
#include "gui/Font.h"
#include "gui/Handles.h"
#include "gui/Utf.h"

#include "GuiTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vireltan {
namespace {

using testing::pixelAt;

TEST(Bitmap, RowsArePaddedToWholeDwords) {
    struct Case {
        int width;
        int stride;
    };
    const Case cases[] = {{1, 4},     {2, 8},     {3, 12},    {4, 12},   {5, 16},
                          {120, 360}, {121, 364}, {286, 860}, {183, 552}};
    for (const Case& c : cases) {
        TBitmap bitmap(c.width, 3);
        EXPECT_EQ(TBitmap::strideFor(c.width), c.stride) << c.width;
        EXPECT_EQ(bitmap.stride(), c.stride) << c.width;
        DIBSECTION section{};
        ASSERT_EQ(GetObjectW(bitmap.handle(), sizeof section, &section), static_cast<int>(sizeof section));
        EXPECT_EQ(section.dsBm.bmWidthBytes, c.stride) << c.width;
        EXPECT_EQ(section.dsBm.bmBitsPixel, 24);
    }
}

// Plain colours pass as they are; system colours (top byte 0xFF, as the skin file writes them) are
// looked up when used.
TEST(Color, SystemColoursResolveWhenUsed) {
    struct Case {
        TColor color;
        COLORREF expected;
    };
    const Case cases[] = {
        {clRed, RGB(255, 0, 0)},
        {0x00123456, 0x00123456},
        {clBtnFace, GetSysColor(COLOR_BTNFACE)},
        {clWindowText, GetSysColor(COLOR_WINDOWTEXT)},
        {0xFF000005, GetSysColor(COLOR_WINDOW)},
        {0x80000005, 0x00000005},  // only a full top byte marks a system colour
    };
    for (const Case& c : cases) EXPECT_EQ(colorToRgb(c.color), c.expected) << std::hex << c.color;
}

// The portable raster wraps these bits with its own stride rule, 3 * width + width mod 4.
TEST(Bitmap, StrideIsTheRastersStride) {
    for (int width = 1; width <= 64; ++width) {
        EXPECT_EQ(TBitmap::strideFor(width), 3 * width + width % 4) << width;
    }
}

TEST(DeviceContext, MemoryContextIsDeletedAndSelectionsAreUndone) {
    HDC raw = nullptr;
    {
        DeviceContext dc = DeviceContext::memory();
        raw = dc.get();
        ASSERT_EQ(GetObjectType(raw), static_cast<DWORD>(OBJ_MEMDC));
        const HGDIOBJ original = GetCurrentObject(raw, OBJ_FONT);
        TFont font(FontDescription{"Arial", 14, 0, clBlack});
        {
            ObjectSelection selection(raw, font.handle());
            EXPECT_EQ(GetCurrentObject(raw, OBJ_FONT), font.handle());
        }
        EXPECT_EQ(GetCurrentObject(raw, OBJ_FONT), original);
        DeviceContext moved = std::move(dc);
        EXPECT_FALSE(dc);
        EXPECT_EQ(moved.get(), raw);
    }
    EXPECT_EQ(GetObjectType(raw), 0u);
}

TEST(Bitmap, EmptySizesLeaveNoBitmap) {
    struct Case {
        int width, height;
    };
    for (const Case& c : {Case{0, 5}, Case{5, 0}, Case{-1, 5}, Case{0, 0}}) {
        TBitmap bitmap(c.width, c.height);
        EXPECT_TRUE(bitmap.empty());
        EXPECT_EQ(bitmap.bits(), nullptr);
        bitmap.canvas().fillRect({0, 0, 5, 5});  // drawing on an empty bitmap is harmless
    }
}

TEST(Bitmap, GdiDrawingIsVisibleThroughTheBitsAndBack) {
    TBitmap bitmap(7, 5);  // 21 bytes of pixels, 3 of padding per row
    bitmap.canvas().brush().setColor(RGB(10, 20, 30));
    bitmap.canvas().fillRect({0, 0, 7, 5});
    bitmap.canvas().brush().setColor(RGB(200, 100, 50));
    bitmap.canvas().fillRect({2, 1, 5, 3});
    const std::uint8_t* bits = bitmap.bits();
    struct Case {
        int x, y;
        std::uint8_t b, g, r;
    };
    const Case cases[] = {{0, 0, 30, 20, 10}, {2, 1, 50, 100, 200}, {4, 2, 50, 100, 200},
                          {5, 2, 30, 20, 10}, {2, 3, 30, 20, 10},   {6, 4, 30, 20, 10}};
    for (const Case& c : cases) {
        const std::uint8_t* p = bits + c.y * bitmap.stride() + 3 * c.x;
        EXPECT_EQ(p[0], c.b) << c.x << "," << c.y;
        EXPECT_EQ(p[1], c.g) << c.x << "," << c.y;
        EXPECT_EQ(p[2], c.r) << c.x << "," << c.y;
    }
    // Our own writes are what GDI reads.
    std::uint8_t* writable = bitmap.bits();
    writable[4 * bitmap.stride() + 3 * 6 + 2] = 255;
    EXPECT_EQ(GetPixel(bitmap.canvasHandle(), 6, 4), RGB(255, 20, 30));
}

TEST(Bitmap, AssignCopiesAnotherBitmapIntoTheSameForm) {
    TBitmap source(4, 3);
    source.canvas().setPixel(3, 2, RGB(1, 2, 3));
    TBitmap copy;
    ASSERT_TRUE(copy.assign(source));
    EXPECT_EQ(copy.width(), 4);
    EXPECT_EQ(copy.height(), 3);
    EXPECT_EQ(pixelAt(copy, 3, 2), RGB(1, 2, 3));
    EXPECT_EQ(pixelAt(copy, 0, 0), RGB(0, 0, 0));

    // A bitmap of another form (32-bit, bottom-up) ends up in ours the right way up.
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, 2, 2, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    BitmapHandle foreign(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    ASSERT_TRUE(foreign);
    auto* pixels = static_cast<std::uint32_t*>(bits);
    pixels[0] = 0x00112233;  // bottom-left in a bottom-up bitmap
    GdiFlush();
    ASSERT_TRUE(copy.assign(foreign.get()));
    EXPECT_EQ(copy.width(), 2);
    EXPECT_EQ(pixelAt(copy, 0, 1), RGB(0x11, 0x22, 0x33));
    EXPECT_FALSE(copy.assign(nullptr));
}

TEST(Font, HandleFollowsTheDescription) {
    struct Case {
        FontDescription description;
        LONG weight;
        BYTE italic, underline, strikeOut;
    };
    const Case cases[] = {
        {{"MS Sans Serif", -11, fsBold, clWindowText}, FW_BOLD, 0, 0, 0},
        {{"MS Sans Serif", -15, fsBold, clRed}, FW_BOLD, 0, 0, 0},
        {{"Arial", 14, 0, clBlack}, FW_NORMAL, 0, 0, 0},
        {{"Tahoma", -11, fsItalic | fsUnderline | fsStrikeOut, clWindowText}, FW_NORMAL, 1, 1, 1},
    };
    for (const Case& c : cases) {
        TFont font(c.description);
        LOGFONTW created{};
        ASSERT_EQ(GetObjectW(font.handle(), sizeof created, &created), static_cast<int>(sizeof created));
        EXPECT_EQ(created.lfHeight, c.description.height);
        EXPECT_EQ(created.lfWeight, c.weight);
        EXPECT_EQ(created.lfItalic, c.italic);
        EXPECT_EQ(created.lfUnderline, c.underline);
        EXPECT_EQ(created.lfStrikeOut, c.strikeOut);
        EXPECT_EQ(toUtf8(created.lfFaceName), c.description.face);
    }
}

// Negative heights are character heights (cell minus internal leading), positive ones cell heights,
// as the font tables give them.
TEST(Font, HeightSignSelectsCharacterOrCellHeight) {
    struct Case {
        int height;
        bool character;
        int pixels;
    };
    const Case cases[] = {{-11, true, 11}, {-15, true, 15}, {14, false, 14}, {20, false, 20}};
    DeviceContext dc = DeviceContext::memory();
    for (const Case& c : cases) {
        TFont font(FontDescription{"Arial", c.height, 0, clBlack});
        ObjectSelection selection(dc.get(), font.handle());
        TEXTMETRICW metrics{};
        ASSERT_TRUE(GetTextMetricsW(dc.get(), &metrics));
        // The rasteriser may round a character height by a pixel; a cell height is exact.
        if (c.character) {
            EXPECT_NEAR(metrics.tmHeight - metrics.tmInternalLeading, c.pixels, 1) << c.height;
        } else {
            EXPECT_EQ(metrics.tmHeight, c.pixels) << c.height;
        }
    }
}

TEST(Font, ChangesAreAnnouncedAndRemakeTheHandle) {
    TFont font;
    int changes = 0;
    font.OnChange = [&] { ++changes; };
    font.setHeight(-15);
    font.setStyle(fsBold);
    font.setColor(clRed);
    font.setName("Arial");
    font.setName("Arial");  // no change, no announcement
    EXPECT_EQ(changes, 4);
    LOGFONTW created{};
    GetObjectW(font.handle(), sizeof created, &created);
    EXPECT_EQ(created.lfHeight, -15);
    EXPECT_EQ(created.lfWeight, FW_BOLD);
}

TEST(Canvas, TextIsDrawnInTheFontColourAndMeasured) {
    TBitmap bitmap(120, 30);
    TCanvas& canvas = bitmap.canvas();
    canvas.brush().setColor(clWhite);
    canvas.fillRect({0, 0, 120, 30});
    canvas.font().assign(FontDescription{"Arial", 14, 0, clRed});
    canvas.brush().setStyle(TBrushStyle::bsClear);
    const std::string text = "Gümüş 1,5";
    const SIZE extent = canvas.textExtent(text);
    EXPECT_GT(extent.cx, 20);
    EXPECT_EQ(extent.cy, 14);  // cell height
    canvas.textOut(2, 2, text);
    // Ink, smoothed or not, is reddish (blue and green equal and below red) and inside the extent;
    // smoothing may bleed one pixel past the last glyph's advance.
    const int bleed = 1;
    int ink = 0;
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 120; ++x) {
            const COLORREF pixel = pixelAt(bitmap, x, y);
            if (pixel == RGB(255, 255, 255)) continue;
            ++ink;
            EXPECT_TRUE(x >= 2 && x < 2 + extent.cx + bleed && y >= 2 && y < 2 + extent.cy) << x << "," << y;
            EXPECT_GT(GetRValue(pixel), GetGValue(pixel)) << x << "," << y;
        }
    }
    EXPECT_GT(ink, 20);
    // Changing the font while the canvas has it selected must not leak or keep the old one.
    canvas.font().setHeight(28);
    EXPECT_EQ(canvas.textExtent(text).cy, 28);
}

TEST(Regions, RectangleListBecomesOneRegion) {
    const std::vector<RECT> rects = {{0, 0, 10, 2}, {2, 2, 8, 5}, {20, 20, 21, 21}};
    WindowRegion region = WindowRegion::fromRects(rects);
    ASSERT_TRUE(region);
    struct Case {
        int x, y;
        bool inside;
    };
    const Case cases[] = {{0, 0, true}, {9, 1, true},  {10, 1, false}, {1, 2, false},   {2, 2, true},
                          {7, 4, true}, {8, 4, false}, {20, 20, true}, {21, 20, false}, {5, 10, false}};
    for (const Case& c : cases)
        EXPECT_EQ(PtInRegion(region.get(), c.x, c.y) != 0, c.inside) << c.x << "," << c.y;
    WindowRegion empty = WindowRegion::fromRects({});
    ASSERT_TRUE(empty);
    RECT box;
    EXPECT_EQ(GetRgnBox(empty.get(), &box), NULLREGION);
}

TEST(Regions, HandedToAWindowTheRegionIsNoLongerOurs) {
    HWND window =
        CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    const RECT rects[] = {{0, 0, 10, 10}};
    WindowRegion region = WindowRegion::fromRects(rects);
    EXPECT_TRUE(region.applyTo(window, false));
    EXPECT_FALSE(region);
    RegionHandle probe(CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(GetWindowRgn(window, probe.get()), SIMPLEREGION);
    WindowRegion::removeFrom(window, false);
    EXPECT_EQ(GetWindowRgn(window, probe.get()), ERROR);
    DestroyWindow(window);
}

TEST(Utf, RoundTripsThroughUtf16) {
    struct Case {
        std::string utf8;
        std::wstring wide;
    };
    const Case cases[] = {
        {"", L""},
        {"   Vireltan - 12/2009", L"   Vireltan - 12/2009"},
        {"Gümüş", L"G\u00fcm\u00fc\u015f"},
        {"İletkenin Özdirenci :", L"\u0130letkenin \u00d6zdirenci :"},
        {"mm²", L"mm\u00b2"},
        {"Ω 😀", L"\u03a9 \U0001F600"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(toWide(c.utf8), c.wide) << c.utf8;
        EXPECT_EQ(toUtf8(c.wide), c.utf8) << c.utf8;
    }
    EXPECT_EQ(toWide("a\xff"
                     "b"),
              L"a\ufffd"
              L"b");  // a bad byte becomes the replacement character
}

}  // namespace
}  // namespace vireltan
