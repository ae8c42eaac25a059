#include "skin/SkinGeometry.h"

#include <gtest/gtest.h>

#include <string>

#include "PictureFixtures.h"
#include "skin/IniFile.h"

namespace vireltan {
namespace {

TEST(SkinGeometryTest, DefinitionsComposeAtTheirOwnSizeToTheirSkinRectangle) {
    struct Case {
        std::string section;
        ComposeOperation operation;
    };
    // Sections as a skin file writes them, read by the definition's own reader.
    const IniFile ini(
        "[groupbox]\nskinrect=352,75,411,127\nlefttoppoint=5,17\nrighttoppoint=52,17\nleftbottompoint=4,47\n"
        "rightbottompoint=55,48\nclientrect=2,17,57,50\n"
        "[stretched]\nskinrect=100,10,160,60\nlefttoppoint=6,6\nrighttoppoint=54,6\nleftbottompoint=6,44\n"
        "rightbottompoint=54,44\nclientrect=6,6,54,44\nleftstretch=1\ntopstretch=1\nrightstretch=1\n"
        "bottomstretch=1\nstretcheffect=1\nstretchtype=stvert\n"
        "[edit]\nskinrect=318,3,376,23\nlefttoppoint=3,0\nrighttoppoint=55,0\nclientrect=3,3,55,17\n"
        "[vscroll]\nskinrect=10,20,27,120\nlefttoppoint=0,17\nleftbottompoint=0,83\nclientrect=0,17,17,83\n"
        "[plain]\nskinrect=30,30,50,40\n");
    const Case cases[] = {{"groupbox", ComposeOperation::NinePiece},
                          {"stretched", ComposeOperation::NinePiece},
                          {"edit", ComposeOperation::HorizontalStrip},
                          {"vscroll", ComposeOperation::VerticalStrip},
                          {"plain", ComposeOperation::Copy}};
    const Raster picture = testing::positionPicture(420, 140);
    for (const Case& c : cases) {
        TbsDataSkinCustomControl definition(c.section);
        definition.LoadFromIni(ini);
        const SkinRectGeometry g = skinRectGeometry(definition);
        Raster out;
        EXPECT_EQ(composeSkinRect(picture, g, g.skinRect.width(), g.skinRect.height(), true, out),
                  c.operation)
            << c.section;
        EXPECT_TRUE(out.samePixels(cropRaster(picture, g.skinRect))) << c.section;
    }
}

TEST(SkinGeometryTest, PicturesOfEveryDepthBecomeTwentyFourBitRasters) {
    SkinPicture rgb;
    rgb.width = 3;
    rgb.height = 2;
    rgb.bitCount = 24;
    rgb.pixels.assign(rgb.stride() * 2, 0);
    rgb.pixels[rgb.stride() + 3] = 7;  // (1, 1): blue 7
    rgb.pixels[rgb.stride() + 5] = 9;  // red 9
    const Raster a = rasterFromPicture(rgb);
    EXPECT_TRUE(a.pixel(1, 1) == (Bgr{7, 0, 9}));

    SkinPicture indexed;
    indexed.width = 2;
    indexed.height = 1;
    indexed.bitCount = 8;
    indexed.palette = {0x000000u, 0x00112233u};  // blue in the lowest byte
    indexed.pixels = {1, 0, 0, 0};
    const Raster b = rasterFromPicture(indexed);
    EXPECT_TRUE(b.pixel(0, 0) == (Bgr{0x33, 0x22, 0x11}));
    EXPECT_TRUE(b.pixel(1, 0) == (Bgr{0, 0, 0}));

    EXPECT_TRUE(rasterFromPicture(SkinPicture{}).empty());
}

}  // namespace
}  // namespace vireltan
