// Border strips around a filled client area, on a picture whose pixels tell where they came from. The
// geometry is the window skin's group box: skinrect 352,75,411,127, corner points (5,17) (52,17) (4,47)
// (55,48), clientrect 2,17,57,50 (a 55 x 33 client image); composed at 200 x 100, C' = (2,17,198,98).
#include <gtest/gtest.h>

#include "PictureFixtures.h"
#include "skin/Blit.h"
#include "skin/SplitPainting.h"

namespace vireltan {
namespace {

using testing::positionColour;
using testing::positionPicture;

SkinRectGeometry groupBox(bool stretchEffect) {
    SkinRectGeometry g;
    g.skinRect = {352, 75, 411, 127};
    g.points = {{5, 17}, {52, 17}, {4, 47}, {55, 48}, {2, 17, 57, 50}};
    g.stretchEffect = stretchEffect;
    return g;
}

TEST(SplitPaintingTest, StripsAndClientAreaComeFromTheirPlaces) {
    const Raster picture = positionPicture(420, 130);
    const Raster tiled = composeSplitImage(picture, groupBox(false), 200, 100, ClientFill::ByDefinition);
    const Raster stretched = composeSplitImage(picture, groupBox(true), 200, 100, ClientFill::ByDefinition);
    const Raster listTiled = composeSplitImage(picture, groupBox(true), 200, 100, ClientFill::Tiled);
    struct Case {
        const char* what;
        const Raster& out;
        int x, y;    // in the composed picture
        int sx, sy;  // in the skin rectangle
    };
    const Case cases[] = {
        {"top-left corner", tiled, 4, 3, 4, 3},
        {"top edge tiled from the strip's column 0", tiled, 5, 5, 5 + 5, 5},
        {"top edge, later tile", tiled, 150, 16, 5 + 150 % 47, 16},
        {"top-right corner at RT'.x", tiled, 193, 2, 52, 2},
        {"left strip from row 0 at C'.top", tiled, 1, 17, 1, 17},
        {"left strip, later tile", tiled, 0, 17 + 40, 0, 17 + 40 % 30},
        {"right strip (2 wide)", tiled, 199, 60, 58, 17 + 43 % 31},
        {"right strip's bottom part", tiled, 198, 97, 57, 49},
        {"bottom strip tiled from column 0", tiled, 100, 99, 4 + 100 % 51, 51},
        {"bottom-right corner", tiled, 199, 98, 58, 50},
        {"client tile at C''s top-left", tiled, 2, 17, 2, 17},
        {"second client tile across", tiled, 2 + 55, 17, 2, 17},
        {"client tile down and across", tiled, 2 + 60, 17 + 40, 2 + 5, 17 + 7},
        {"stretched client, first pixel", stretched, 2, 17, 2, 17},
        {"stretched client, last pixel", stretched, 197, 97, 56, 49},
        {"list box client always tiled", listTiled, 2 + 55, 17, 2, 17},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(c.out.pixel(c.x, c.y) == positionColour(352 + c.sx, 75 + c.sy)) << c.what;
    }
}

TEST(SplitPaintingTest, PanelBackgroundCoversTheWholeControl) {
    const Raster background = positionPicture(30, 20);
    SkinRectGeometry stretchFull = groupBox(true);
    SkinRectGeometry stretchRows = groupBox(true);
    stretchRows.stretchType = StretchType::stHorz;
    const Raster tiled = composePanelBackground(background, groupBox(false), 200, 100);
    const Raster full = composePanelBackground(background, stretchFull, 200, 100);
    const Raster rows = composePanelBackground(background, stretchRows, 200, 100);
    struct Case {
        const char* what;
        const Raster& out;
        int x, y;
        Bgr expected;
    };
    const Case cases[] = {
        {"tiled from (0, 0)", tiled, 0, 0, positionColour(0, 0)},
        {"tiled, later tile", tiled, 65, 45, positionColour(5, 5)},
        {"stretched over C' only", full, 1, 16, Bgr{}},
        {"stretched over C', first pixel", full, 2, 17, positionColour(0, 0)},
        {"stretched over C', last pixel", full, 197, 97, positionColour(29, 19)},
        {"stretched to the height, repeated across from x = 0", rows, 30 + 4, 0, positionColour(4, 0)},
        {"stretched to the height, last row", rows, 4, 99, positionColour(4, 19)},
    };
    for (const Case& c : cases) EXPECT_TRUE(c.out.pixel(c.x, c.y) == c.expected) << c.what;
}

TEST(SplitPaintingTest, DegenerateInputsGiveAPictureOfTheSizeOrNothing) {
    const Raster picture = positionPicture(420, 130);
    struct Case {
        const char* what;
        const Raster& picture;
        SkinRectGeometry g;
        int w, h;
        int expectedW, expectedH;
    };
    const Raster none;
    SkinRectGeometry emptyRect = groupBox(false);
    emptyRect.skinRect = {};
    const Case cases[] = {
        {"empty picture", none, groupBox(false), 30, 20, 30, 20},
        {"empty skin rectangle", picture, emptyRect, 30, 20, 30, 20},
        {"smaller than the corners", picture, groupBox(false), 3, 2, 3, 2},
        {"no width", picture, groupBox(false), 0, 20, 0, 0},
    };
    for (const Case& c : cases) {
        const Raster out = composeSplitImage(c.picture, c.g, c.w, c.h, ClientFill::ByDefinition);
        EXPECT_EQ(out.width(), c.expectedW) << c.what;
        EXPECT_EQ(out.height(), c.expectedH) << c.what;
    }
}

// The split image as the strips of their own would give it: the client fill on black, then each strip
// composed alone and copied to its place.
Raster referenceSplitImage(const Raster& picture, const SkinRectGeometry& g, int w, int h, ClientFill fill) {
    Raster out(w, h);
    if (out.empty() || picture.empty() || g.skinRect.empty()) return out;
    const NinePieceParams p = ninePieceParams(g, w, h, false);
    const FillMode mode = fill == ClientFill::Tiled || !g.stretchEffect ? FillMode::Tile : FillMode::Stretch;
    paintPlan(picture,
              fillPlan(g.points.client.offset(g.skinRect.left, g.skinRect.top), p.moved.client, mode,
                       g.stretchType),
              out);
    const BorderStrips s = ComposeBorderStrips(picture, p);
    copyPiece(s.top, s.top.bounds(), out, 0, 0);
    copyPiece(s.left, s.left.bounds(), out, 0, p.moved.client.top);
    copyPiece(s.right, s.right.bounds(), out, w - s.right.width(), p.moved.client.top);
    copyPiece(s.bottom, s.bottom.bounds(), out, 0, h - s.bottom.height());
    return out;
}

TEST(SplitPaintingTest, AReusedPictureShowsNothingOfWhatItHeld) {
    SkinRectGeometry stretchedRows = groupBox(true);
    stretchedRows.stretchType = StretchType::stHorz;
    SkinRectGeometry noTopEdge = groupBox(false);
    noTopEdge.points.rightTop.x = noTopEdge.points.leftTop.x;  // the top strip is absent: black
    SkinRectGeometry beyondPicture = groupBox(false);
    beyondPicture.skinRect = {400, 100, 459, 152};  // partly outside the 420 x 130 picture
    SkinRectGeometry noClient = groupBox(false);
    noClient.points.client = {2, 17, 2, 50};  // no client image to fill with
    struct Case {
        const char* what;
        SkinRectGeometry g;
        int w, h;
        ClientFill fill;
    };
    const Case cases[] = {
        {"the calculator's group box", groupBox(false), 713, 134, ClientFill::ByDefinition},
        {"stretched client", groupBox(true), 201, 77, ClientFill::ByDefinition},
        {"stretched rows, repeated across", stretchedRows, 150, 90, ClientFill::ByDefinition},
        {"list box: always tiled", groupBox(true), 123, 61, ClientFill::Tiled},
        {"strips overlapping (smaller than the corners)", groupBox(false), 9, 13, ClientFill::ByDefinition},
        {"top strip absent", noTopEdge, 120, 70, ClientFill::ByDefinition},
        {"skin rectangle partly outside the picture", beyondPicture, 140, 80, ClientFill::ByDefinition},
        {"no client image", noClient, 100, 60, ClientFill::ByDefinition},
    };
    const Raster picture = positionPicture(420, 130);
    for (const Case& c : cases) {
        const Raster expected = referenceSplitImage(picture, c.g, c.w, c.h, c.fill);
        Raster reused = testing::randomPicture(c.w, c.h, 11);
        composeSplitImage(picture, c.g, c.w, c.h, c.fill, reused);
        EXPECT_TRUE(reused.samePixels(expected)) << c.what;
        EXPECT_TRUE(composeSplitImage(picture, c.g, c.w, c.h, c.fill).samePixels(expected)) << c.what;
    }
}

}  // namespace
}  // namespace vireltan
