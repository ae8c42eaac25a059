// The window frame's geometry and border pieces on the calculator window's own stored skin
// (main picture 150 x 150; [FORMINFO] corner points (30,28) (81,28) (6,140) (127,134), clientrect
// 5,27,145,142, maskrectarea 5,3,145,145).
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "skin/FrameGeometry.h"
#include "skin/SkinData.h"
#include "skin/SkinGeometry.h"
#include "skin/StoredSkin.h"

namespace vireltan {
namespace {

const std::filesystem::path kSkinFile =
    std::filesystem::path(VIRELTAN_TEST_DATA).parent_path().parent_path() / "resources" / "skin" /
    "vireltan.skin";

class FrameGeometryTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        TbsCompressedStoredSkin stored;
        stored.setCompressedData(readWholeFile(kSkinFile));
        skin_ = std::make_unique<TbsSkinData>();
        skin_->LoadStoredSkin(stored);
    }
    static void TearDownTestSuite() { skin_.reset(); }
    static FrameGeometry geometry(int w, int h) { return frameGeometry(skin_->FormInfo, 150, 150, w, h); }
    static std::unique_ptr<TbsSkinData> skin_;
};

std::unique_ptr<TbsSkinData> FrameGeometryTest::skin_;

TEST_F(FrameGeometryTest, PointsClientAndMaskRectangleMoveWithTheSize) {
    ASSERT_EQ(skin_->MainPicture.width, 150);
    ASSERT_EQ(skin_->MainPicture.height, 150);
    struct Case {
        int w, h;
        PixelPoint rightTop, leftBottom, rightBottom;
        PixelRect client, mask;
    };
    const Case cases[] = {
        {150, 150, {81, 28}, {6, 140}, {127, 134}, {5, 27, 145, 142}, {5, 3, 145, 145}},
        // 736 x 376 client area at (5, 27).
        {746, 411, {677, 28}, {6, 401}, {723, 395}, {5, 27, 741, 403}, {5, 3, 741, 406}},
        // The minimum size: no side border left.
        {150, 35, {81, 28}, {6, 25}, {127, 19}, {5, 27, 145, 27}, {5, 3, 145, 30}},
    };
    for (const Case& c : cases) {
        const FrameGeometry g = geometry(c.w, c.h);
        SCOPED_TRACE(testing::Message() << c.w << "x" << c.h);
        EXPECT_EQ(g.pieces.moved.leftTop, (PixelPoint{30, 28}));
        EXPECT_EQ(g.pieces.moved.rightTop, c.rightTop);
        EXPECT_EQ(g.pieces.moved.leftBottom, c.leftBottom);
        EXPECT_EQ(g.pieces.moved.rightBottom, c.rightBottom);
        EXPECT_EQ(g.pieces.moved.client, c.client);
        EXPECT_EQ(g.mask.movedMaskRect, c.mask);
        EXPECT_EQ(g.mask.movedRightTop, c.rightTop);
        EXPECT_EQ(g.mask.movedRightBottom, c.rightBottom);
        EXPECT_EQ(g.pieces.skinRect, (PixelRect{0, 0, 150, 150}));
        EXPECT_FALSE(g.pieces.drawMiddle);
    }
}

TEST_F(FrameGeometryTest, PiecesSitAroundTheClientRectangle) {
    struct Case {
        int w, h;
        FramePiecePlaces places;
    };
    const Case cases[] = {
        {150, 150, {{0, 0, 150, 27}, {0, 142, 150, 150}, {0, 27, 5, 142}, {145, 27, 150, 142}}},
        {746, 411, {{0, 0, 746, 27}, {0, 403, 746, 411}, {0, 27, 5, 403}, {741, 27, 746, 403}}},
        {150, 35, {{0, 0, 150, 27}, {0, 27, 150, 35}, {}, {}}},
        // Below the minimum height the pieces keep their own heights and overlap (the window never
        // paints them so; the picture clips the top piece).
        {150, 20, {{0, 0, 150, 27}, {0, 12, 150, 20}, {}, {}}},
    };
    for (const Case& c : cases) {
        const FramePiecePlaces places = framePiecePlaces(geometry(c.w, c.h).pieces);
        SCOPED_TRACE(testing::Message() << c.w << "x" << c.h);
        EXPECT_EQ(places.top, c.places.top);
        EXPECT_EQ(places.bottom, c.places.bottom);
        EXPECT_EQ(places.left, c.places.left);
        EXPECT_EQ(places.right, c.places.right);
    }
}

TEST_F(FrameGeometryTest, FramePictureAtThePicturesOwnSizeIsTheMainPictureAroundABlackClient) {
    const Raster main = rasterFromPicture(skin_->MainPicture);
    const Raster frame = composeFramePicture(main, geometry(150, 150));
    ASSERT_EQ(frame.width(), 150);
    ASSERT_EQ(frame.height(), 150);
    int differing = 0;
    for (int y = 0; y < 150; ++y) {
        for (int x = 0; x < 150; ++x) {
            const bool client = x >= 5 && x < 145 && y >= 27 && y < 142;
            if (!(frame.pixel(x, y) == (client ? Bgr{} : main.pixel(x, y)))) ++differing;
        }
    }
    EXPECT_EQ(differing, 0);
}

TEST_F(FrameGeometryTest, CornersOfALargerFrameComeUnscaledFromTheMainPicture) {
    const Raster main = rasterFromPicture(skin_->MainPicture);
    const Raster frame = composeFramePicture(main, geometry(746, 411));
    ASSERT_EQ(frame.width(), 746);
    ASSERT_EQ(frame.height(), 411);
    struct Case {
        const char* what;
        PixelRect area;  // in the frame
        int dx, dy;      // frame position minus picture position
    };
    const Case cases[] = {
        {"top-left corner", {0, 0, 30, 27}, 0, 0},
        {"top-right corner with the caption buttons", {677, 0, 746, 27}, 596, 0},
        {"left side under the corner", {0, 27, 5, 28}, 0, 0},
        {"bottom-left corner", {0, 403, 6, 411}, 0, 261},
        {"bottom-right corner", {723, 403, 746, 411}, 596, 261},
        {"right side above the bottom corner", {741, 395, 746, 403}, 596, 261},
    };
    for (const Case& c : cases) {
        int differing = 0;
        for (int y = c.area.top; y < c.area.bottom; ++y) {
            for (int x = c.area.left; x < c.area.right; ++x) {
                if (!(frame.pixel(x, y) == main.pixel(x - c.dx, y - c.dy))) ++differing;
            }
        }
        EXPECT_EQ(differing, 0) << c.what;
    }
    EXPECT_TRUE(frame.pixel(300, 200) == Bgr{});  // the client area stays black
}

}  // namespace
}  // namespace vireltan
