#include "skin/Compose.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "PictureFixtures.h"
#include "skin/Blit.h"

namespace vireltan {
namespace {

using testing::positionColour;
using testing::positionPicture;

constexpr EdgeModes kAllTiled{};
constexpr EdgeModes kAllStretched{FillMode::Stretch, FillMode::Stretch, FillMode::Stretch, FillMode::Stretch};

// The group box of the window's skin: all edges and the middle tiled.
SkinRectGeometry groupBox() {
    SkinRectGeometry g;
    g.skinRect = {352, 75, 411, 127};
    g.points = {{5, 17}, {52, 17}, {4, 47}, {55, 48}, {2, 17, 57, 50}};
    g.edges = kAllTiled;
    return g;
}

// The skin picture pixel at skin-rectangle coordinates (x, y).
Bgr skinPixel(const SkinRectGeometry& g, int x, int y) {
    return positionColour(g.skinRect.left + x, g.skinRect.top + y);
}

TEST(ComposeTest, ComposingAtTheSkinRectanglesOwnSizeReproducesIt) {
    struct Case {
        std::string name;
        SkinRectGeometry g;
    };
    SkinRectGeometry stretched = groupBox();
    stretched.edges = kAllStretched;
    stretched.stretchEffect = true;
    SkinRectGeometry stretchedRows = stretched;
    stretchedRows.stretchType = StretchType::stHorz;
    SkinRectGeometry stretchedColumns = stretched;
    stretchedColumns.stretchType = StretchType::stVert;
    SkinRectGeometry listBox{
        {200, 10, 260, 70}, {{6, 6}, {54, 6}, {6, 54}, {54, 54}, {6, 6, 54, 54}}, kAllTiled};
    SkinRectGeometry edit{{318, 3, 376, 23}, {{3, 0}, {55, 0}, {0, 0}, {0, 0}, {3, 3, 55, 17}}, kAllTiled};
    SkinRectGeometry editStretched = edit;
    editStretched.stretchEffect = true;
    SkinRectGeometry scrollBar{
        {100, 20, 117, 120}, {{0, 17}, {0, 0}, {0, 83}, {0, 0}, {0, 17, 17, 83}}, kAllTiled};
    SkinRectGeometry plain{{10, 10, 30, 25}, {}, kAllTiled};
    const Case cases[] = {{"group box", groupBox()},
                          {"group box stretched", stretched},
                          {"middle stretch type 1", stretchedRows},
                          {"middle stretch type 2", stretchedColumns},
                          {"list box", listBox},
                          {"edit strip", edit},
                          {"edit strip stretched", editStretched},
                          {"scroll bar strip", scrollBar},
                          {"plain copy", plain}};
    const Raster picture = positionPicture(420, 140);
    for (const Case& c : cases) {
        Raster out;
        const ComposeOperation op =
            composeSkinRect(picture, c.g, c.g.skinRect.width(), c.g.skinRect.height(), true, out);
        EXPECT_NE(op, ComposeOperation::None) << c.name;
        EXPECT_TRUE(out.samePixels(cropRaster(picture, c.g.skinRect))) << c.name;
    }
}

TEST(ComposeTest, GroupBoxTopEdgeTilesStartAtTheMovedCornerAndTheLastCopiesNothing) {
    const SkinRectGeometry g = groupBox();
    const Raster picture = positionPicture(420, 140);
    Raster out;
    ASSERT_EQ(composeSkinRect(picture, g, 200, 100, true, out), ComposeOperation::NinePiece);
    ASSERT_EQ(out.width(), 200);
    ASSERT_EQ(out.height(), 100);
    // Four whole 47-pixel tiles of source columns 5..51.
    for (int start : {5, 52, 99, 146}) {
        for (int j = 0; j < 47; ++j) {
            for (int y = 0; y < 17; ++y) {
                ASSERT_TRUE(out.pixel(start + j, y) == skinPixel(g, 5 + j, y))
                    << start << "+" << j << "," << y;
            }
        }
    }
    // The fifth tile would start at 193 = RT'.x: from there on the top-right corner part.
    for (int x = 193; x < 200; ++x) {
        for (int y = 0; y < 17; ++y) EXPECT_TRUE(out.pixel(x, y) == skinPixel(g, 52 + (x - 193), y)) << x;
    }
    const PaintPlan plan = ninePiecePlan(ninePieceParams(g, 200, 100, true));
    ASSERT_FALSE(plan.empty());
    EXPECT_EQ(plan.front().kind, PaintOpKind::Tile);
    EXPECT_EQ(plan.front().target, (PixelRect{5, 0, 193, 17}));
}

TEST(ComposeTest, GroupBoxEdgesAndMiddleTileFromTheirMovedStarts) {
    const SkinRectGeometry g = groupBox();
    const Raster picture = positionPicture(420, 140);
    Raster out;
    composeSkinRect(picture, g, 200, 100, true, out);
    struct Case {
        const char* piece;
        int x, y;    // destination pixel
        int sx, sy;  // skin-rectangle pixel expected there
    };
    // dx = 141, dy = 48; C' = (2, 17, 198, 98); LB' = (4, 95); RB' = (196, 96); RT' = (193, 17).
    const Case cases[] = {
        {"bottom edge first tile", 4, 98, 4, 50},
        {"bottom edge second tile", 4 + 51, 99, 4, 51},
        {"bottom edge last tile, cut at RB'.x", 195, 98, 4 + (195 - 4) % 51, 50},
        {"left edge second tile", 1, 17 + 30 + 3, 1, 17 + 3},
        {"right edge", 198, 17 + 31 + 2, 57, 17 + 2},
        {"middle, second column of tiles", 2 + 55 + 1, 17 + 4, 2 + 1, 17 + 4},
        {"middle, second row of tiles", 2 + 7, 17 + 33 + 5, 2 + 7, 17 + 5},
        {"top-left corner, upper part", 4, 16, 4, 16},
        {"bottom-right corner, lower part", 197, 99, 56, 51},
        {"bottom-right corner, side part", 199, 96, 58, 48},
    };
    for (const Case& c : cases) EXPECT_TRUE(out.pixel(c.x, c.y) == skinPixel(g, c.sx, c.sy)) << c.piece;
}

TEST(ComposeTest, CornersWinOverEdgesAndLaterCornersOverEarlierOnes) {
    const SkinRectGeometry g = groupBox();
    const Raster picture = positionPicture(420, 140);
    Raster out;
    // 8 x 20: dx = -51, dy = -32. RT'.x = 1, so the top-right upper part (source columns 52..58,
    // drawn third) covers columns 1..7 over the top-left upper part (drawn first).
    composeSkinRect(picture, g, 8, 20, false, out);
    struct Case {
        int x, y, sx, sy;
    };
    // The bottom-left side part (rows 15..19, drawn fifth) covers the top-left upper part, and the
    // bottom-right side part (drawn last, at (6, 16)) the top-right upper part.
    const Case cases[] = {{0, 3, 0, 3},   {1, 3, 52, 3},   {4, 10, 55, 10}, {7, 0, 58, 0},  {0, 15, 0, 47},
                          {1, 16, 1, 48}, {6, 16, 57, 48}, {7, 17, 58, 49}, {2, 18, 2, 50}, {5, 19, 56, 51}};
    for (const Case& c : cases)
        EXPECT_TRUE(out.pixel(c.x, c.y) == skinPixel(g, c.sx, c.sy)) << c.x << "," << c.y;
}

TEST(ComposeTest, DegenerateGeometryOnlySizesTheDestination) {
    struct Case {
        const char* name;
        NinePoints points;
        bool emptyPicture;
    };
    const NinePoints ok = groupBox().points;
    NinePoints sameX = ok;
    sameX.rightBottom.x = sameX.leftTop.x;
    NinePoints sameY = ok;
    sameY.rightBottom.y = sameY.leftTop.y;
    const Case cases[] = {
        {"RB.x = LT.x", sameX, false}, {"RB.y = LT.y", sameY, false}, {"empty picture", ok, true}};
    for (const Case& c : cases) {
        NinePieceParams p = ninePieceParams(groupBox(), 120, 70, true);
        p.points = c.points;
        p.moved = moveNinePoints(c.points, 61, 18);
        const Raster picture = c.emptyPicture ? Raster() : positionPicture(420, 140);
        Raster out;
        ComposeNinePiece(picture, p, out);
        EXPECT_EQ(out.width(), 120) << c.name;
        EXPECT_EQ(out.height(), 70) << c.name;
        EXPECT_TRUE(out.samePixels(Raster(120, 70))) << c.name;  // nothing drawn
    }
}

TEST(ComposeTest, ZeroLengthTilesAreLeftOut) {
    // RT.x = LT.x while RB is set: the top edge has no tile length.
    SkinRectGeometry g = groupBox();
    g.points.rightTop.x = g.points.leftTop.x;
    const PaintPlan plan = ninePiecePlan(ninePieceParams(g, 300, 90, true));
    for (const PaintOp& op : plan) {
        EXPECT_FALSE(op.source.empty());
        EXPECT_FALSE(op.target.empty());
    }
    Raster out;
    composeSkinRect(positionPicture(420, 140), g, 300, 90, true, out);  // must not fail
    EXPECT_EQ(out.width(), 300);
}

TEST(ComposeTest, HorizontalStripNarrowerThanItsFixedPartsDrawsBothAndNoMiddle) {
    const PixelRect s{318, 3, 376, 23};  // 58 wide: fixed 10 left, 12 right
    const Raster picture = positionPicture(420, 140);
    Raster out;
    ComposeHorizontalStrip(picture, s, 10, 12, FillMode::Tile, 15, out);
    ASSERT_EQ(out.width(), 15);
    ASSERT_EQ(out.height(), 20);
    for (int x = 0; x < 15; ++x) {
        // Columns 0..2 from the left part; from W - r = 3 on the right part, drawn second.
        const int sx = x < 3 ? x : 58 - 12 + (x - 3);
        EXPECT_TRUE(out.pixel(x, 5) == positionColour(s.left + sx, s.top + 5)) << x;
    }
    for (const PaintOp& op : horizontalStripPlan(s, 10, 12, FillMode::Tile, 15))
        EXPECT_EQ(op.kind, PaintOpKind::Copy);
}

TEST(ComposeTest, StripMiddlesTileFromTheFixedPart) {
    const Raster picture = positionPicture(420, 140);
    const PixelRect s{318, 3, 376, 23};
    Raster h;
    ComposeHorizontalStrip(picture, s, 3, 3, FillMode::Tile, 200, h);  // middle 52 wide
    EXPECT_TRUE(h.pixel(3 + 52 + 7, 4) == positionColour(s.left + 3 + 7, s.top + 4));
    EXPECT_TRUE(h.pixel(196, 4) == positionColour(s.left + 3 + (196 - 3) % 52, s.top + 4));
    EXPECT_TRUE(h.pixel(199, 4) == positionColour(s.left + 57, s.top + 4));

    // A middle of width 0 repeats the column after the left part.
    const PixelRect narrow{318, 3, 324, 23};
    ComposeHorizontalStrip(picture, narrow, 3, 3, FillMode::Tile, 20, h);
    for (int x = 3; x < 17; ++x)
        EXPECT_TRUE(h.pixel(x, 0) == positionColour(narrow.left + 3, narrow.top)) << x;

    // A vertical middle of height 0 draws nothing.
    Raster v;
    const PixelRect flat{100, 20, 117, 40};
    ComposeVerticalStrip(picture, flat, 10, 10, FillMode::Tile, 50, v);
    EXPECT_TRUE(v.pixel(5, 25) == Bgr{});
    EXPECT_TRUE(v.pixel(5, 45) == positionColour(flat.left + 5, flat.top + 15));
}

TEST(ComposeTest, StretchMatchesGdiColorOnColor) {
    // Source indices measured from GDI's StretchBlt (COLORONCOLOR, top-down 24-bit DIB sections).
    struct Case {
        int source, dest;
        StretchAxis axis;
        std::vector<int> expected;
    };
    const Case cases[] = {
        {2, 3, StretchAxis::Columns, {0, 0, 1}},
        {3, 5, StretchAxis::Columns, {0, 0, 1, 2, 2}},
        {4, 7, StretchAxis::Columns, {0, 0, 1, 1, 2, 3, 3}},
        {4, 7, StretchAxis::Rows, {0, 0, 1, 1, 2, 3, 3}},
        {5, 5, StretchAxis::Rows, {0, 1, 2, 3, 4}},
        {3, 2, StretchAxis::Columns, {1, 2}},
        {5, 3, StretchAxis::Columns, {1, 2, 4}},
        {10, 4, StretchAxis::Columns, {2, 4, 7, 9}},
        {40, 7, StretchAxis::Columns, {5, 10, 16, 22, 28, 33, 39}},
        {5, 1, StretchAxis::Columns, {3}},
        {14, 2, StretchAxis::Rows, {0, 7}},
        {35, 8, StretchAxis::Rows, {0, 4, 9, 13, 18, 22, 26, 31}},
        {38, 1, StretchAxis::Rows, {0}},
        {0, 4, StretchAxis::Rows, {}},
        {4, 0, StretchAxis::Columns, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(stretchSourceIndices(c.source, c.dest, c.axis), c.expected) << c.source << "->" << c.dest;
    }
}

TEST(ComposeTest, StretchedPiecesUseTheSameSampling) {
    const Raster picture = positionPicture(50, 50);
    Raster out(13, 9);
    stretchPiece(picture, {10, 20, 15, 24}, out, {2, 1, 13, 9});
    const std::vector<int> cols = stretchSourceIndices(5, 11, StretchAxis::Columns);
    const std::vector<int> rows = stretchSourceIndices(4, 8, StretchAxis::Rows);
    for (int y = 1; y < 9; ++y) {
        for (int x = 2; x < 13; ++x) {
            EXPECT_TRUE(out.pixel(x, y) ==
                        positionColour(10 + cols[std::size_t(x - 2)], 20 + rows[std::size_t(y - 1)]));
        }
    }
    EXPECT_TRUE(out.pixel(1, 0) == Bgr{});
}

TEST(ComposeTest, StretchSkinRectStretchesEveryEdge) {
    const Raster picture = positionPicture(100, 100);
    const PixelRect s{10, 10, 30, 30};
    const PixelRect c{4, 4, 16, 16};
    Raster out(44, 20);
    StretchSkinRect(picture, s, c, true, out);
    // Corners unscaled, the top edge (12 columns) stretched to 40 - 4 = 36 columns, the middle both ways.
    EXPECT_TRUE(out.pixel(0, 0) == positionColour(10, 10));
    EXPECT_TRUE(out.pixel(43, 19) == positionColour(29, 29));
    const std::vector<int> top = stretchSourceIndices(12, 36, StretchAxis::Columns);
    EXPECT_TRUE(out.pixel(4 + 20, 2) == positionColour(10 + 4 + top[20], 12));
    const std::vector<int> midRows = stretchSourceIndices(12, 12, StretchAxis::Rows);
    EXPECT_TRUE(out.pixel(4 + 20, 4 + 5) == positionColour(10 + 4 + top[20], 10 + 4 + midRows[5]));
}

TEST(ComposeTest, BorderStripTilesStartAtTheStripOrigin) {
    // The window frame: a 150 x 150 main picture, [FORMINFO] geometry, outer size 746 x 411.
    NinePieceParams p;
    p.skinRect = {0, 0, 150, 150};
    p.points = {{30, 28}, {81, 28}, {6, 140}, {127, 134}, {5, 27, 145, 142}};
    p.width = 746;
    p.height = 411;
    p.moved = moveNinePoints(p.points, 596, 261);
    const Raster picture = positionPicture(150, 150);
    const BorderStrips strips = ComposeBorderStrips(picture, p);
    ASSERT_EQ(strips.top.width(), 746);
    ASSERT_EQ(strips.top.height(), 27);
    ASSERT_EQ(strips.bottom.height(), 8);
    ASSERT_EQ(strips.left.width(), 5);
    ASSERT_EQ(strips.left.height(), 376);
    ASSERT_EQ(strips.right.width(), 5);
    ASSERT_EQ(strips.right.height(), 376);
    struct Case {
        const char* what;
        const Raster& strip;
        int x, y, sx, sy;
    };
    const Case cases[] = {
        {"top: left part", strips.top, 29, 5, 29, 5},
        {"top: tile from column 0, not from LT'.x", strips.top, 30, 5, 30 + 30 % 51, 5},
        {"top: later tile", strips.top, 400, 26, 30 + 400 % 51, 26},
        {"top: right part at RT'.x", strips.top, 677, 0, 81, 0},
        {"bottom: tile from column 0", strips.bottom, 300, 3, 6 + 300 % 121, 145},
        {"bottom: right part at RB'.x", strips.bottom, 723, 7, 127, 149},
        {"left: top part (rows C.top..LT.y)", strips.left, 2, 0, 2, 27},
        {"left: tile from row 0", strips.left, 3, 200, 3, 28 + 200 % 112},
        {"left: bottom part (rows LB.y..C.bottom)", strips.left, 4, 375, 4, 141},
        {"right: top part", strips.right, 0, 0, 145, 27},
        {"right: tile from row 0", strips.right, 1, 150, 146, 28 + 150 % 106},
        {"right: bottom part (rows RB.y..C.bottom)", strips.right, 4, 368, 149, 134},
    };
    for (const Case& c : cases) EXPECT_TRUE(c.strip.pixel(c.x, c.y) == positionColour(c.sx, c.sy)) << c.what;
}

TEST(ComposeTest, BorderStripsWithNoSideAreSkipped) {
    NinePieceParams p;
    p.skinRect = {0, 0, 150, 150};
    p.points = {{30, 28}, {30, 28}, {6, 140}, {127, 134}, {0, 0, 150, 142}};  // no top edge, no left band
    p.width = 300;
    p.height = 200;
    p.moved = moveNinePoints(p.points, 150, 50);
    const BorderStrips strips = ComposeBorderStrips(positionPicture(150, 150), p);
    EXPECT_TRUE(strips.top.empty());
    EXPECT_TRUE(strips.left.empty());
    EXPECT_TRUE(strips.right.empty());
    EXPECT_FALSE(strips.bottom.empty());
}

TEST(ComposeTest, BorderStripsPaintedInPlaceEqualTheStripsCopiedThere) {
    struct Case {
        const char* what;
        PixelRect skinRect;
        NinePoints points;
        EdgeModes edges;
        int w, h;
    };
    const NinePoints frame{{30, 28}, {81, 28}, {6, 140}, {127, 134}, {5, 27, 145, 142}};
    const NinePoints box = groupBox().points;
    NinePoints noTop = frame;
    noTop.rightTop.x = noTop.leftTop.x;
    const Case cases[] = {
        {"the calculator's frame", {0, 0, 150, 150}, frame, kAllTiled, 746, 411},
        {"the frame, edges stretched", {0, 0, 150, 150}, frame, kAllStretched, 301, 222},
        {"smaller than the skin rectangle: strips overlap", {0, 0, 150, 150}, frame, kAllTiled, 40, 30},
        {"group box at a narrow size", {352, 75, 411, 127}, box, kAllTiled, 8, 20},
        {"group box, stretched edges", {352, 75, 411, 127}, box, kAllStretched, 200, 100},
        {"no top edge", {0, 0, 150, 150}, noTop, kAllTiled, 300, 200},
        {"skin rectangle partly beyond the picture", {300, 100, 450, 250}, frame, kAllTiled, 320, 240},
    };
    const Raster picture = positionPicture(420, 160);
    for (const Case& c : cases) {
        NinePieceParams p;
        p.skinRect = c.skinRect;
        p.points = c.points;
        p.moved = moveNinePoints(c.points, c.w - c.skinRect.width(), c.h - c.skinRect.height());
        p.width = c.w;
        p.height = c.h;
        p.edges = c.edges;
        Raster expected = testing::randomPicture(c.w, c.h, 5);
        Raster painted = expected;
        const BorderStrips s = ComposeBorderStrips(picture, p);
        const int top = p.moved.client.top;
        copyPiece(s.top, s.top.bounds(), expected, 0, 0);
        copyPiece(s.left, s.left.bounds(), expected, 0, top);
        copyPiece(s.right, s.right.bounds(), expected, c.w - s.right.width(), top);
        copyPiece(s.bottom, s.bottom.bounds(), expected, 0, c.h - s.bottom.height());
        paintBorderStrips(picture, p, painted);
        EXPECT_TRUE(painted.samePixels(expected)) << c.what;
        // Each strip as its plan paints it in one pass (the strips above are painted in bands of rows).
        const BorderStripPlans plans = borderStripPlans(p);
        const std::pair<const Raster*, const PaintPlan*> parts[] = {{&s.top, &plans.top},
                                                                    {&s.bottom, &plans.bottom},
                                                                    {&s.left, &plans.left},
                                                                    {&s.right, &plans.right}};
        for (const auto& [strip, plan] : parts) {
            Raster onePass(strip->width(), strip->height());
            paintPlan(picture, *plan, onePass);
            EXPECT_TRUE(strip->samePixels(onePass)) << c.what;
        }
    }
}

TEST(ComposeTest, APaintPlanHoldsEveryStepOfACompositionAndNoMore) {
    PaintPlan plan;
    for (std::size_t i = 0; i < PaintPlan::kCapacity; ++i)
        plan.push_back({PaintOpKind::Copy, {0, 0, 1, 1}, {}});
    EXPECT_EQ(plan.size(), PaintPlan::kCapacity);
    EXPECT_THROW(plan.push_back({}), std::length_error);
    // The longest plan: four edges, eight corner parts and the middle.
    EXPECT_LE(ninePiecePlan(ninePieceParams(groupBox(), 200, 100, true)).size(), PaintPlan::kCapacity);
}

TEST(ComposeTest, TheDefinitionPicksTheOperation) {
    struct Case {
        PixelRect skinRect;
        NinePoints points;
        ComposeOperation expected;
    };
    const Case cases[] = {
        {{}, {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {}}, ComposeOperation::None},
        {{0, 0, 10, 0}, {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {}}, ComposeOperation::None},
        {{0, 0, 10, 10}, {{0, 0}, {0, 0}, {0, 0}, {4, 4}, {}}, ComposeOperation::NinePiece},
        {{0, 0, 10, 10}, {{0, 0}, {5, 0}, {0, 0}, {4, 0}, {}}, ComposeOperation::HorizontalStrip},
        {{0, 0, 10, 10}, {{0, 0}, {0, 3}, {0, 0}, {0, 4}, {}}, ComposeOperation::HorizontalStrip},
        {{0, 0, 10, 10}, {{0, 0}, {0, 0}, {0, 6}, {0, 0}, {}}, ComposeOperation::VerticalStrip},
        {{0, 0, 10, 10}, {{0, 0}, {0, 0}, {2, 0}, {0, 0}, {}}, ComposeOperation::VerticalStrip},
        {{0, 0, 10, 10}, {{3, 3}, {0, 0}, {0, 0}, {0, 0}, {}}, ComposeOperation::Copy},
    };
    for (const Case& c : cases) {
        SkinRectGeometry g{c.skinRect, c.points, kAllTiled};
        EXPECT_EQ(selectComposeOperation(g), c.expected);
        EXPECT_EQ(resizeModeOf(g), c.expected);  // one rule for both
    }
}

// The operations are the skinned controls' resize modes, by number: -1 no image, 0 fixed size, 1 both
// ways, 2 across, 3 down.
TEST(ComposeTest, OperationsNumberAsTheResizeModes) {
    struct Case {
        ResizeMode mode;
        int number;
    };
    const Case cases[] = {{ResizeMode::None, -1},
                          {ResizeMode::Copy, 0},
                          {ResizeMode::NinePiece, 1},
                          {ResizeMode::HorizontalStrip, 2},
                          {ResizeMode::VerticalStrip, 3}};
    for (const Case& c : cases) EXPECT_EQ(static_cast<int>(c.mode), c.number);
}

TEST(ComposeTest, PiecesOutsideThePictureDrawOnlyWhatExists) {
    const Raster picture = positionPicture(20, 20);
    Raster out(10, 10);
    tilePiece(picture, {15, 15, 25, 25}, out, out.bounds());
    copyPiece(picture, {-5, -5, 5, 5}, out, 0, 0);
    EXPECT_TRUE(out.pixel(2, 2) == positionColour(17, 17));  // tiled; the copy's source (-3, -3) is absent
    EXPECT_TRUE(out.pixel(7, 7) == positionColour(2, 2));    // copied
    EXPECT_TRUE(out.pixel(9, 3) == Bgr{});                   // tile source (24, 18) is outside
}

}  // namespace
}  // namespace vireltan
