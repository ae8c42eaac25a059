// The painting primitives on the calculator window's own stored skin (resources/skin/vireltan.skin).
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "skin/Regions.h"
#include "skin/SkinData.h"
#include "skin/SkinGeometry.h"
#include "skin/StoredSkin.h"

namespace vireltan {
namespace {

const std::filesystem::path kSkinFile =
    std::filesystem::path(VIRELTAN_TEST_DATA).parent_path().parent_path() / "resources" / "skin" /
    "vireltan.skin";

class WindowSkinPaintTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        stored_ = std::make_unique<TbsCompressedStoredSkin>();
        stored_->setCompressedData(readWholeFile(kSkinFile));
        skin_ = std::make_unique<TbsSkinData>();
        skin_->LoadStoredSkin(*stored_);
    }
    static void TearDownTestSuite() {
        skin_.reset();
        stored_.reset();
    }
    static std::unique_ptr<TbsCompressedStoredSkin> stored_;
    static std::unique_ptr<TbsSkinData> skin_;
};

std::unique_ptr<TbsCompressedStoredSkin> WindowSkinPaintTest::stored_;
std::unique_ptr<TbsSkinData> WindowSkinPaintTest::skin_;

TEST_F(WindowSkinPaintTest, EveryCustomDefinitionComposedAtItsOwnSizeIsItsSkinRectangle) {
    int checked = 0;
    for (const auto& definition : skin_->ControlDefinitions) {
        const auto* custom = dynamic_cast<const TbsDataSkinCustomControl*>(definition.get());
        if (custom == nullptr || custom->pictureindex < 0 ||
            custom->pictureindex >= int(skin_->ActivePictures.size())) {
            continue;
        }
        const Raster picture = rasterFromPicture(skin_->ActivePictures[std::size_t(custom->pictureindex)]);
        const SkinRectGeometry g = skinRectGeometry(*custom);
        Raster out;
        const ComposeOperation op =
            composeSkinRect(picture, g, g.skinRect.width(), g.skinRect.height(), true, out);
        EXPECT_NE(op, ComposeOperation::None) << custom->name;
        EXPECT_TRUE(out.samePixels(cropRaster(picture, g.skinRect))) << custom->name;
        ++checked;
    }
    EXPECT_GT(checked, 20);
}

MaskRegionParams frameMaskParams(const SkinFormInfo& f, int w, int h, int pictureW, int pictureH) {
    const int dx = w - pictureW;
    const int dy = h - pictureH;
    auto rect = [](const SkinRect& r) { return PixelRect{r.left, r.top, r.right, r.bottom}; };
    auto point = [](const SkinPoint& p) { return PixelPoint{p.x, p.y}; };
    MaskRegionParams p;
    p.maskRect = rect(f.maskrectarea);
    p.movedMaskRect = {p.maskRect.left, p.maskRect.top, p.maskRect.right + dx, p.maskRect.bottom + dy};
    p.leftTop = p.movedLeftTop = point(f.lefttoppoint);
    p.rightTop = point(f.righttoppoint);
    p.movedRightTop = {p.rightTop.x + dx, p.rightTop.y};
    p.leftBottom = point(f.leftbottompoint);
    p.movedLeftBottom = {p.leftBottom.x, p.leftBottom.y + dy};
    p.rightBottom = point(f.rightbottompoint);
    p.movedRightBottom = {p.rightBottom.x + dx, p.rightBottom.y + dy};
    p.width = w;
    p.height = h;
    return p;
}

TEST_F(WindowSkinPaintTest, WindowRegionKeepsTheMasksRoundedCornersAtEverySize) {
    const Raster mask = rasterFromPicture(skin_->MaskPicture);
    ASSERT_FALSE(mask.empty());
    const int mw = mask.width();
    const int mh = mask.height();
    const int sizes[][2] = {{150, 150}, {746, 411}, {300, 200}};
    for (const auto& s : sizes) {
        const int w = s[0], h = s[1];
        const auto region = ComposeMaskRegion(mask, frameMaskParams(skin_->FormInfo, w, h, mw, mh));
        ASSERT_TRUE(region.has_value()) << w;
        // The mask's outside pixels lie in its top corners: the left one stays, the right one moves
        // with the width.
        Raster expected(w, h);
        for (int y = 0; y < mh; ++y) {
            for (int x = 0; x < mw / 2; ++x) {
                if (!(mask.pixel(x, y) == Bgr{})) expected.setPixel(x, y, {255, 255, 255});
                const int rx = mw - 1 - x;
                if (!(mask.pixel(rx, y) == Bgr{})) expected.setPixel(w - 1 - x, y, {255, 255, 255});
            }
        }
        EXPECT_EQ(region->rects, normalizeRegion(RegionFromMask(expected, 0, 0).rects).rects)
            << w << "x" << h;
    }
}

}  // namespace
}  // namespace vireltan
