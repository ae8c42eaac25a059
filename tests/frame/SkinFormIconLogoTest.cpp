// The window's icon on the system-menu button (ShowIcon) and the logo on the client background
// (LogoBitMap, LogoBitMapTransparent), read back through the frame's print request and its erase.
#include "frame/SkinForm.h"

#include "SkinnedFormSupport.h"
#include "gui/Messages.h"
#include "skin/FramePaint.h"
#include "skin/SkinGeometry.h"
#include "skin/SkinObjects.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace vireltan {
namespace {

constexpr int kWidth = 746, kHeight = 411;
constexpr COLORREF kIconColour = RGB(255, 0, 0);

// A small icon of one opaque colour, so that its pixels are known wherever it is drawn.
HICON solidIcon(int size, COLORREF colour) {
    std::vector<std::uint32_t> pixels(
        std::size_t(size * size), (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour));
    std::vector<std::uint8_t> mask(std::size_t(((size + 15) / 16) * 2 * size), 0);  // all opaque
    HBITMAP colourBits = CreateBitmap(size, size, 1, 32, pixels.data());
    HBITMAP maskBits = CreateBitmap(size, size, 1, 1, mask.data());
    ICONINFO info{TRUE, 0, 0, maskBits, colourBits};
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(colourBits);
    DeleteObject(maskBits);
    return icon;
}

class SkinFormIconLogoTest : public ::testing::Test {
  protected:
    void SetUp() override {
        form = testing::singleBorderForm("icon and logo", 60, 40, kWidth, kHeight);
        frame = testing::skinnedFrame(*form, data, {true, true, false, false, false});
        ASSERT_NE(data, nullptr);
        form->show();
        icon = solidIcon(GetSystemMetrics(SM_CXSMICON), kIconColour);
        SendMessageW(form->handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
        testing::pumpFor(30);
    }
    void TearDown() override {
        form.reset();
        DestroyIcon(icon);
    }

    void printFrame(TBitmap& out) { ASSERT_TRUE(testing::printFrame(*form, out)); }

    int sysMenuObject() const {
        for (std::size_t i = 0; i < frame->layout().objects.size(); ++i)
            if (frame->layout().objects[i].command == StdCommand::cmSysMenu) return int(i);
        return -1;
    }

    // Pixels of the icon's colour in the system-menu object's top-left small-icon square.
    int iconPixels(TBitmap& printed) const {
        const PixelRect r = frame->layout().objects[std::size_t(sysMenuObject())].rect;
        const int size = GetSystemMetrics(SM_CXSMICON);
        int count = 0;
        for (int y = r.top; y < r.top + size; ++y)
            for (int x = r.left; x < r.left + size; ++x)
                count += testing::pixelAt(printed, x, y) == kIconColour;
        return count;
    }

    std::unique_ptr<TForm> form;
    SkinDataComponent* data = nullptr;
    TbsSkinForm* frame = nullptr;
    HICON icon = nullptr;
};

TEST_F(SkinFormIconLogoTest, ShowIconDrawsTheWindowsSmallIconOnTheSystemMenuButton) {
    struct Case {
        const char* frameKind;  // "skin", "skin, button in a picture", "plain"
        bool showIcon;
        bool iconShown;
    };
    const Case cases[] = {
        {"skin", false, false},
        {"skin", true, false},  // the button's image is part of the frame picture: it stays
        {"skin, button in a picture", false, false},
        {"skin, button in a picture", true, true},
        {"plain", false, false},
        {"plain", true, true},
    };
    const int size = GetSystemMetrics(SM_CXSMICON);
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.frameKind << ", ShowIcon " << c.showIcon);
        const std::string kind = c.frameKind;
        for (auto& definition : data->skinData().ObjectDefinitions) {
            if (definition->name != "sysmenubutton") continue;
            definition->skinrectinapicture = kind == "skin, button in a picture";
            definition->activepictureindex = 0;
        }
        frame->setShowIcon(false);
        frame->setSkinData(kind == "plain" ? nullptr : data);
        const int before = frame->paintCounts().framePaints;
        frame->setShowIcon(c.showIcon);
        if (c.showIcon) {
            EXPECT_GT(frame->paintCounts().framePaints, before) << "setting it paints the frame";
        }
        TBitmap printed;
        printFrame(printed);
        const int object = sysMenuObject();
        ASSERT_GE(object, 0);
        const FrameObject& o = frame->layout().objects[std::size_t(object)];
        if (c.iconShown) {
            EXPECT_EQ(o.rect.width(), size) << "the button takes the small icon's size";
            EXPECT_EQ(iconPixels(printed), size * size);
            EXPECT_EQ(o.state.morph, 0.0);
        } else {
            EXPECT_LT(iconPixels(printed), size * size / 2);
        }
    }
}

TEST_F(SkinFormIconLogoTest, LogoIsDrawnCentredOnTheClientBackground) {
    const FramePictures pictures = framePictures(data->skinData());
    const PixelRect tile = pixelRect(data->skinData().FormInfo.clientrect);
    RECT client{};
    GetClientRect(form->handle(), &client);
    const auto background = [&](int x, int y) {
        const Bgr p = pictures.main.pixel(tile.left + x % tile.width(), tile.top + y % tile.height());
        return RGB(p.r, p.g, p.b);
    };
    struct Case {
        int width, height;
        bool transparent;
    };
    const Case cases[] = {{40, 30, false}, {40, 30, true}, {900, 500, false}, {41, 31, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.width << "x" << c.height << " transparent " << c.transparent);
        // Left half blue (also the bottom-left pixel: the transparent colour), right half green.
        TBitmap logo(c.width, c.height);
        Raster pixels = logo.raster();
        for (int y = 0; y < c.height; ++y)
            for (int x = 0; x < c.width; ++x)
                pixels.setPixel(x, y, x < c.width / 2 ? Bgr{255, 0, 0} : Bgr{0, 255, 0});
        frame->setLogoBitMap(logo);
        frame->setLogoBitMapTransparent(c.transparent);
        ASSERT_EQ(frame->LogoBitMap().width(), c.width) << "kept as a copy";

        TBitmap erased(client.right, client.bottom);
        SendMessageW(form->handle(), WM_ERASEBKGND, WPARAM(erased.canvasHandle()), 0);
        GdiFlush();
        const PixelPoint at = logoPosition(client.right, client.bottom, c.width, c.height);
        int wrong = 0;
        for (int y = 0; y < client.bottom; ++y) {
            for (int x = 0; x < client.right; ++x) {
                const int lx = x - at.x, ly = y - at.y;
                COLORREF want = background(x, y);
                if (lx >= 0 && ly >= 0 && lx < c.width && ly < c.height) {
                    const bool blue = lx < c.width / 2;
                    if (!(blue && c.transparent)) want = blue ? RGB(0, 0, 255) : RGB(0, 255, 0);
                }
                wrong += testing::pixelAt(erased, x, y) != want;
            }
        }
        EXPECT_EQ(wrong, 0);
    }
    frame->setLogoBitMap(TBitmap());
    EXPECT_TRUE(frame->LogoBitMap().empty());
}

}  // namespace
}  // namespace vireltan
