// The frame paint plan and its composition on the calculator skin, the caption text's place, and the
// faults a skin can carry: objects outside their picture, a mask of another size, a background picture
// index past the list.
#include <gtest/gtest.h>

#include <algorithm>

#include "CalculatorSkin.h"
#include "skin/Blit.h"
#include "skin/FramePaint.h"
#include "skin/FrameRegion.h"
#include "skin/SkinGeometry.h"
#include "skin/SkinObjects.h"

namespace vireltan {
namespace {

using testing::calculatorSkin;
using testing::loadCalculatorSkin;

FrameLayout layoutFor(const TbsSkinData& skin, int w, int h) {
    FrameLayout layout;
    layout.objects = CreateSkinObjects(skin);
    BorderIconSettings icons;
    icons.icons = {true, true, false, false, false};
    ApplyBorderIcons(layout.objects, icons);
    updateFrameLayout(layout, skin.FormInfo, 150, 150, w, h);
    return layout;
}

const TbsDataSkinCaption& captionDefinition(const TbsSkinData& skin, const FrameObject& caption) {
    return dynamic_cast<const TbsDataSkinCaption&>(*skin.ObjectDefinitions[std::size_t(caption.definition)]);
}

TEST(FramePaintTest, CalculatorPlanAt746x411) {
    const TbsSkinData& skin = calculatorSkin();
    const FrameLayout l = layoutFor(skin, 746, 411);
    for (const bool active : {true, false}) {
        const FramePaintPlan plan = planSkinFrame(skin, l, {active, 150, 35, {}, false});
        ASSERT_TRUE(plan.paint);
        EXPECT_EQ(plan.source, FramePictureRef{}) << "no inactive picture: the main one";
        EXPECT_FALSE(plan.effect) << "autorenderinginactiveimage 0";
        EXPECT_EQ(plan.clientExclude, (PixelRect{5, 27, 741, 403}));
        EXPECT_EQ(plan.places.top, (PixelRect{0, 0, 746, 27}));
        EXPECT_EQ(plan.caption, 0);
        // At rest only the animations draw (always from their strip); the caption is text only.
        ASSERT_EQ(plan.objects.size(), 2u);
        EXPECT_EQ(plan.objects[0].object, 3);
        EXPECT_EQ(plan.objects[0].image.source, (PixelRect{0, 0, 19, 21}));
        EXPECT_EQ(plan.objects[0].image.target, (PixelRect{725, 5, 744, 26}));
        EXPECT_EQ(plan.objects[0].piece, FramePiece::Top);
        EXPECT_EQ(plan.objects[1].object, 4);
        EXPECT_EQ(plan.objects[1].image.source, (PixelRect{0, 50, 19, 71}));
    }
    EXPECT_FALSE(planSkinFrame(skin, l, {true, 750, 35, {}, false}).paint) << "below the minimum: nothing";
    const FramePaintPlan restore = planSkinFrame(skin, l, {true, 0, 0, {}, true});
    EXPECT_EQ(restore.objects[1].image.source, (PixelRect{0, 74, 19, 95})) << "maximized: the restore strip";
}

// LogoBitMap: centred on the client area, never left of or above its corner when it is the larger.
TEST(FramePaintTest, LogoPosition) {
    struct Case {
        int clientWidth, clientHeight, logoWidth, logoHeight;
        PixelPoint expected;
    };
    const Case cases[] = {
        {736, 376, 100, 50, {318, 163}},  // smaller: centred
        {736, 376, 101, 51, {318, 163}},  // halves truncated
        {736, 376, 736, 376, {0, 0}},     // the same size
        {100, 80, 300, 40, {0, 20}},      // wider: at the left edge, still centred downwards
        {100, 80, 40, 300, {30, 0}},      // taller
        {50, 40, 400, 300, {0, 0}},       // larger both ways
        {0, 0, 10, 10, {0, 0}},           // no client area
    };
    for (const Case& c : cases) {
        EXPECT_EQ(logoPosition(c.clientWidth, c.clientHeight, c.logoWidth, c.logoHeight), c.expected)
            << c.clientWidth << "x" << c.clientHeight << " logo " << c.logoWidth << "x" << c.logoHeight;
    }
}

// ShowIcon leaves the image of a system-menu button in a picture of its own out of the frame's
// plan (the window draws its icon there); other buttons, and one drawn from the main picture, stay.
TEST(FramePaintTest, ShowIconLeavesTheIconButtonsImageOut) {
    const TbsSkinData& skin = calculatorSkin();
    FrameLayout l = layoutFor(skin, 746, 411);
    const int sysMenu = [&] {
        for (std::size_t i = 0; i < l.objects.size(); ++i)
            if (l.objects[i].command == StdCommand::cmSysMenu) return int(i);
        return -1;
    }();
    ASSERT_GE(sysMenu, 0);
    FrameObject& button = l.objects[std::size_t(sysMenu)];
    button.state.active = true;  // hot: it draws an image of its own
    struct Case {
        bool inAPicture, showIcon, imageDrawn;
    };
    const Case cases[] = {
        {false, false, true}, {false, true, true}, {true, false, true}, {true, true, false}};
    for (const Case& c : cases) {
        button.inAPicture = c.inAPicture;
        EXPECT_EQ(drawsWindowIcon(button, c.showIcon), !c.imageDrawn);
        FramePaintInput in{true, 150, 35, {}, false};
        in.showIcon = c.showIcon;
        const FramePaintPlan plan = planSkinFrame(skin, l, in);
        const bool drawn =
            std::ranges::any_of(plan.objects, [&](const ObjectDraw& d) { return d.object == sysMenu; });
        EXPECT_EQ(drawn, c.imageDrawn) << "in a picture " << c.inAPicture << ", ShowIcon " << c.showIcon;
        EXPECT_EQ(
            std::ranges::count_if(plan.objects, [&](const ObjectDraw& d) { return d.object != sysMenu; }), 2)
            << "the animations draw whatever ShowIcon is";
    }
}

TEST(FramePaintTest, ObjectLooksFollowTheirState) {
    const FrameLayout l = layoutFor(calculatorSkin(), 746, 411);
    FrameObject close = l.objects[1];
    struct Case {
        const char* what;
        bool active, down, pointerIn, enabled, redraw, windowActive;
        ObjectImage::Kind kind;
        PixelRect source;
    };
    const Case cases[] = {
        {"normal in a full paint", false, false, false, true, false, true, ObjectImage::Kind::None, {}},
        {"normal redrawn", false, false, false, true, true, true, ObjectImage::Kind::Copy, {108, 5, 125, 22}},
        {"hot", true, false, true, true, false, true, ObjectImage::Kind::Copy, {2, 28, 19, 45}},
        {"down", true, true, true, true, true, true, ObjectImage::Kind::Copy, {40, 28, 57, 45}},
        {"down, pointer outside: normal",
         false,
         true,
         false,
         true,
         true,
         true,
         ObjectImage::Kind::Copy,
         {108, 5, 125, 22}},
        {"disabled", false, false, false, false, true, true, ObjectImage::Kind::Copy, {21, 28, 38, 45}},
    };
    for (const Case& c : cases) {
        close.state.active = c.active;
        close.state.down = c.down;
        close.state.pointerIn = c.pointerIn;
        close.enabled = c.enabled;
        const ObjectImage image = objectImage(close, {c.windowActive, c.redraw, false, true});
        EXPECT_EQ(image.kind, c.kind) << c.what;
        if (c.kind != ObjectImage::Kind::None) {
            EXPECT_EQ(image.source, c.source) << c.what;
            EXPECT_EQ(image.target, (PixelRect{704, 5, 721, 22})) << c.what;
        }
    }
    FrameObject min = l.objects[3];
    struct Frame {
        int frame;
        bool pressed, menuShown;
        PixelRect source;
    };
    const Frame frames[] = {{1, false, false, {0, 0, 19, 21}},
                            {4, false, false, {57, 0, 76, 21}},
                            {6, true, false, {116, 0, 135, 21}},
                            {2, false, true, {116, 0, 135, 21}}};
    for (const Frame& f : frames) {
        min.state.frame = f.frame;
        min.state.pressed = f.pressed;
        min.state.pointerIn = true;
        min.state.menuShown = f.menuShown;
        EXPECT_EQ(objectImage(min, {}).source, f.source) << f.frame;
    }
}

TEST(FramePaintTest, ComposedPiecesCarryTheObjects) {
    const TbsSkinData& skin = calculatorSkin();
    FrameLayout l = layoutFor(skin, 746, 411);
    l.objects[1].state.active = true;  // the close button hot
    l.objects[1].state.pointerIn = true;
    const FramePictures pictures = framePictures(skin);
    const FramePaintPlan plan = planSkinFrame(skin, l, {true, 150, 35, {}, false});
    ASSERT_EQ(plan.objects.size(), 3u);
    BorderStrips pieces;
    NoiseGenerator noise;
    composeFramePieces(pictures, plan, pieces, noise);
    BorderStrips expected = ComposeBorderStrips(pictures.main, plan.geometry.pieces);
    copyPiece(*pictures.listed(0), {2, 28, 19, 45}, expected.top, 704, 5);
    copyPiece(*pictures.listed(0), {0, 0, 19, 21}, expected.top, 725, 5);
    copyPiece(*pictures.listed(0), {0, 50, 19, 71}, expected.top, 681, 5);
    EXPECT_TRUE(pieces.top.samePixels(expected.top));
    EXPECT_TRUE(pieces.bottom.samePixels(expected.bottom));
    EXPECT_TRUE(pieces.left.samePixels(expected.left));
    EXPECT_TRUE(pieces.right.samePixels(expected.right));
    EXPECT_EQ(pieces.top.width(), 746);
    EXPECT_EQ(pieces.top.height(), 27);
}

TEST(FramePaintTest, CaptionImageOverThePieceGivesTheSamePixels) {
    // A caption with a picture of its own covers most of the top piece; the pieces are then composed
    // around it, and must come out as composing everything and drawing the objects over it.
    std::unique_ptr<TbsSkinData> skin = loadCalculatorSkin();
    auto& caption = *skin->ObjectDefinitions[1];
    ASSERT_EQ(caption.name, "caption");
    caption.activepictureindex = 0;
    caption.activeskinrect = {0, 96, 57, 113};
    FrameLayout l = layoutFor(*skin, 746, 411);
    for (FrameObject& o : l.objects) {
        o.state.active = true;
        o.state.pointerIn = o.kind != FrameObjectKind::Caption;
        o.state.frame = 3;
    }
    const FramePictures pictures = framePictures(*skin);
    const FramePaintPlan plan = planSkinFrame(*skin, l, {true, 150, 35, {}, false});
    ASSERT_EQ(plan.objects.size(), 5u);
    EXPECT_EQ(plan.objects[0].image.target, (PixelRect{28, 4, 681, 21}));
    EXPECT_TRUE(plan.objects[0].image.strip);
    EXPECT_EQ(plan.objects[0].image.fixedLeft, 2);
    EXPECT_EQ(plan.objects[0].image.fixedRight, 4);
    BorderStrips pieces;
    NoiseGenerator noise;
    composeFramePieces(pictures, plan, pieces, noise);
    composeFramePieces(pictures, plan, pieces, noise);  // again into the same memory
    BorderStrips expected = ComposeBorderStrips(pictures.main, plan.geometry.pieces);
    for (const ObjectDraw& d : plan.objects) drawObjectImage(pictures, d.image, expected.top);
    EXPECT_TRUE(pieces.top.samePixels(expected.top));
    EXPECT_TRUE(pieces.bottom.samePixels(expected.bottom));
    EXPECT_TRUE(pieces.left.samePixels(expected.left));
    EXPECT_TRUE(pieces.right.samePixels(expected.right));
    // The caption's fixed ends come unscaled from its picture.
    EXPECT_EQ(pieces.top.pixel(28, 4), pictures.listed(0)->pixel(0, 96));
    EXPECT_EQ(pieces.top.pixel(680, 20), pictures.listed(0)->pixel(56, 112));
}

TEST(FramePaintTest, CaptionImageByState) {
    // Which picture rectangle the caption draws over the frame picture, if any: the animation frame
    // first, then a morph, then nothing for a caption the frame picture already shows, then its
    // normal (inactive, stretched) or active image; every image is a strip with fixed ends 2 and 4.
    const TbsSkinData& skin = calculatorSkin();
    const FrameLayout l = layoutFor(skin, 746, 411);
    const TbsDataSkinCaption& calculator = captionDefinition(skin, l.objects[0]);
    const PixelRect skinRect{0, 0, 57, 17}, activeRect{0, 96, 57, 113};
    const PixelRect animateRect{0, 20, 171, 37};  // three frames side by side
    struct Case {
        const char* what;
        PixelRect active;
        bool windowActive, stretch, morphing, effects;
        double morph;
        int frames, frame;
        bool expected;
        ObjectImage::Kind kind;
        FramePictureRef::Which which;
        PixelRect source;
    };
    using K = ObjectImage::Kind;
    using W = FramePictureRef::Which;
    const Case cases[] = {
        {"no active image", {}, true, false, false, true, 1, 0, 0, false, K::None, W::Main, {}},
        {"active", activeRect, true, false, false, true, 1, 0, 0, true, K::Copy, W::List, activeRect},
        {"inactive, tiled", activeRect, false, false, false, true, 0, 0, 0, false, K::None, W::Main, {}},
        {"inactive, stretched", activeRect, false, true, false, true, 0, 0, 0, true, K::Copy, W::Main,
         skinRect},
        {"morphing", activeRect, true, false, true, true, 0.4, 0, 0, true, K::Morph, W::Main, skinRect},
        {"morphing, effects off", activeRect, true, false, true, false, 0.4, 0, 0, true, K::Copy, W::List,
         activeRect},
        {"animation frame 2",
         activeRect,
         false,
         false,
         true,
         true,
         0.4,
         3,
         2,
         true,
         K::Copy,
         W::List,
         {57, 20, 114, 37}},
        {"animation at rest", activeRect, false, false, false, true, 0, 3, 0, true, K::Copy, W::Main,
         skinRect},
        {"animation, effects off", {}, false, false, false, false, 0, 3, 2, false, K::None, W::Main, {}},
    };
    for (const Case& c : cases) {
        FrameObject o = l.objects[0];
        o.skinRect = skinRect;
        o.activeRect = c.active;
        o.activePicture = 0;
        o.morphing = c.morphing;
        o.animateRect = c.frames > 0 ? animateRect : PixelRect{};
        o.countFrames = std::max(1, c.frames);
        o.state.active = c.windowActive;
        o.state.morph = c.morph;
        o.state.frame = c.frame;
        TbsDataSkinCaption def = calculator;
        def.stretcheffect = c.stretch;
        const std::optional<ObjectImage> image =
            captionImage(o, def, skin.FormInfo, {true, false, false, c.effects});
        ASSERT_EQ(image.has_value(), c.expected) << c.what;
        if (!image) continue;
        EXPECT_EQ(image->kind, c.kind) << c.what;
        EXPECT_EQ(image->picture.which, c.which) << c.what;
        EXPECT_EQ(image->source, c.source) << c.what;
        EXPECT_EQ(image->target, o.rect) << c.what;
        EXPECT_TRUE(image->strip) << c.what;
        EXPECT_EQ(image->fixedLeft, 2) << c.what;
        EXPECT_EQ(image->fixedRight, 4) << c.what;
        EXPECT_EQ(image->middle, c.stretch ? FillMode::Stretch : FillMode::Tile) << c.what;
        if (c.kind == K::Morph) {
            EXPECT_EQ(image->activeSource, c.active) << c.what;
            EXPECT_EQ(image->factor, c.morph) << c.what;
        }
    }
}

TEST(FramePaintTest, InactiveEffectIsAppliedToEveryPieceObjectsIncluded) {
    std::unique_ptr<TbsSkinData> skin = loadCalculatorSkin();
    skin->FormInfo.autorenderinginactiveimage = true;
    skin->FormInfo.inactiveeffect = InactiveEffect::ieGrayscale;
    const FrameLayout l = layoutFor(*skin, 746, 411);
    const FramePictures pictures = framePictures(*skin);
    NoiseGenerator noise;
    BorderStrips active, inactive;
    composeFramePieces(pictures, planSkinFrame(*skin, l, {true, 0, 0, {}, false}), active, noise);
    const FramePaintPlan plan = planSkinFrame(*skin, l, {false, 0, 0, {}, false});
    EXPECT_EQ(plan.effect, InactiveEffect::ieGrayscale);
    composeFramePieces(pictures, plan, inactive, noise);
    for (Raster* piece : {&active.top, &active.bottom, &active.left, &active.right}) GrayScale(*piece);
    EXPECT_TRUE(inactive.top.samePixels(active.top));
    EXPECT_TRUE(inactive.bottom.samePixels(active.bottom));
    EXPECT_TRUE(inactive.left.samePixels(active.left));
    EXPECT_TRUE(inactive.right.samePixels(active.right));
}

TEST(FramePaintTest, CaptionText) {
    const TbsSkinData& skin = calculatorSkin();
    const FrameLayout l = layoutFor(skin, 746, 411);
    const FrameObject& caption = l.objects[0];
    const TbsDataSkinCaption& def = captionDefinition(skin, caption);
    const CaptionTextPlan active = captionTextPlan(caption, def, true);
    EXPECT_EQ(active.textRect, (PixelRect{30, 4, 677, 21}));  // grows with the caption
    EXPECT_EQ(active.fontName, "Arial");
    EXPECT_EQ(active.fontHeight, 16);
    EXPECT_TRUE(active.fontStyle.bold);
    EXPECT_EQ(active.color, 0xFFFFFF);
    EXPECT_TRUE(active.shadow);
    EXPECT_EQ(active.shadowColor, 74 | 89 << 8 | 119 << 16);
    const CaptionTextPlan inactive = captionTextPlan(caption, def, false);
    EXPECT_EQ(inactive.color, 185 | 190 << 8 | 194 << 16);
    EXPECT_EQ(inactive.shadowColor, 0);
    EXPECT_EQ(inactive.textRect, active.textRect) << "deactivating changes only the colours";
    EXPECT_FALSE(captionImage(caption, def, skin.FormInfo, {}).has_value()) << "text only";

    struct Case {
        Alignment alignment;
        int w, h;
        CaptionTextPlaces places;
    };
    const PixelRect t{30, 4, 677, 21};
    const Case cases[] = {
        {Alignment::taLeftJustify, 200, 18, {{30, 3}, {29, 2}, {31, 4}}},
        {Alignment::taRightJustify, 200, 18, {{477, 3}, {476, 2}, {478, 4}}},
        {Alignment::taCenter, 201, 13, {{253, 6}, {252, 5}, {254, 7}}},
        {Alignment::taLeftJustify, 900, 18, {{30, 3}, {29, 2}, {31, 4}}},  // wider than T: fitted first
    };
    for (const Case& c : cases) EXPECT_EQ(captionTextPlaces(t, c.alignment, c.w, c.h), c.places);

    const MeasureUtf16 sevenEach = [](std::u16string_view s) { return 7 * int(s.size()); };
    struct Fit {
        PixelRect t;
        std::u16string text, drawn;
    };
    const Fit fits[] = {
        {{30, 4, 677, 21}, u"   Vireltan - 12/2009", u"   Vireltan - 12/2009"},
        {{30, 4, 100, 21}, u"   Vireltan - 12/2009", u"   Vire..."},  // 70 px: 7 characters and "..."
        {{30, 4, 40, 21}, u"   Vireltan - 12/2009", u"..."},          // narrower than "..."
        {{30, 4, 30, 21}, u"   Vireltan - 12/2009", u""},             // no text area
        {{30, 4, 677, 21}, u"", u""},
    };
    for (const Fit& f : fits) {
        const std::u16string drawn = captionTextToDraw(f.text, f.t, sevenEach);
        EXPECT_EQ(drawn, f.drawn);
        if (drawn.size() > 3) {
            EXPECT_LE(sevenEach(drawn), f.t.width()) << "never past the area's right edge";
        }
    }
}

TEST(FramePaintTest, ObjectsOutsideThePictureDrawWhatIsDefined) {
    Raster picture(20, 10);
    picture.fill({10, 20, 30});
    FramePictures pictures;
    pictures.main = picture;
    Raster dst(40, 20);
    dst.fill({1, 2, 3});
    ObjectImage image;
    image.kind = ObjectImage::Kind::Copy;
    image.source = {15, 5, 30, 15};  // reaches 10 columns and 5 rows past the picture
    image.target = {0, 0, 15, 10};
    drawObjectImage(pictures, image, dst);
    EXPECT_EQ(dst.pixel(4, 4), (Bgr{10, 20, 30}));
    EXPECT_EQ(dst.pixel(5, 4), (Bgr{1, 2, 3})) << "beyond the picture: left as it was";
    EXPECT_EQ(dst.pixel(4, 5), (Bgr{1, 2, 3}));
    image.source = {-100, -100, -85, -90};  // wholly outside
    drawObjectImage(pictures, image, dst);
    image.kind = ObjectImage::Kind::Morph;
    image.source = {15, 5, 30, 15};
    image.activePicture = {FramePictureRef::Which::List, 7};  // no such picture
    image.target = {30, 15, 45, 25};                          // past dst as well
    drawObjectImage(pictures, image, dst);
    image.strip = true;
    image.fixedLeft = 30;
    image.fixedRight = 30;
    drawObjectImage(pictures, image, dst);
    EXPECT_EQ(dst.pixel(0, 0), (Bgr{10, 20, 30}));
}

TEST(FramePaintTest, ActivePictureIndexPastTheList) {
    std::unique_ptr<TbsSkinData> skin = loadCalculatorSkin();
    auto& close = dynamic_cast<TbsDataSkinStdButton&>(*skin->ObjectDefinitions[2]);
    ASSERT_EQ(close.name, "closebutton");
    close.activepictureindex = 42;
    const std::vector<FrameObject> objects = CreateSkinObjects(*skin);
    const FrameObject& o = objects[1];
    EXPECT_EQ(o.activePicture, -1);
    EXPECT_TRUE(o.activeRect.empty());
    EXPECT_TRUE(o.downRect.empty());
    FrameObject hot = o;
    hot.state.active = hot.state.down = hot.state.pointerIn = true;
    EXPECT_EQ(objectImage(hot, {true, true, false, true}).source, o.skinRect) << "only its normal image";
}

TEST(FramePaintTest, MaskOfAnotherSize) {
    const TbsSkinData& skin = calculatorSkin();
    Raster small(100, 100);
    small.fillRect({0, 0, 2, 2}, {255, 255, 255});
    const Raster fitted = fitMaskToPicture(small, 150, 150);
    ASSERT_EQ(fitted.width(), 150);
    EXPECT_EQ(fitted.pixel(0, 0), (Bgr{255, 255, 255}));
    EXPECT_EQ(fitted.pixel(149, 149), Bgr{}) << "undefined: inside";
    Raster large(300, 200);
    large.fill({255, 255, 255});
    EXPECT_EQ(fitMaskToPicture(large, 150, 150).height(), 150);

    for (const Raster* mask : {&small, &large}) {
        const std::optional<FrameShape> shape = buildFrameShape(*mask, skin.FormInfo, 150, 150, 746, 411);
        ASSERT_TRUE(shape);
        const RegionRects region = frameShapeRegion(*shape);
        EXPECT_GE(region.bounds.left, 0);
        EXPECT_LE(region.bounds.right, 746);
        EXPECT_LE(region.bounds.bottom, 411);
        EXPECT_TRUE(shape->contains({300, 200}));
    }
    EXPECT_FALSE(buildFrameShape(Raster{}, skin.FormInfo, 150, 150, 746, 411).has_value());
    // The calculator's own mask: rounded top corners cut, everything else kept.
    const std::optional<FrameShape> own =
        buildFrameShape(rasterFromPicture(skin.MaskPicture), skin.FormInfo, 150, 150, 746, 411);
    ASSERT_TRUE(own);
    EXPECT_FALSE(own->contains({0, 0}));
    EXPECT_FALSE(own->contains({745, 0}));
    EXPECT_TRUE(own->contains({373, 0}));
    EXPECT_TRUE(own->contains({0, 410}));
    EXPECT_TRUE(own->contains({745, 410}));
    const RegionRects region = frameShapeRegion(*own);
    EXPECT_EQ(region.bounds, (PixelRect{0, 0, 746, 411}));
}

TEST(FramePaintTest, ClientBackground) {
    std::unique_ptr<TbsSkinData> skin = loadCalculatorSkin();
    struct Case {
        const char* what;
        int bgpictureindex;
        bool stretch;
        StretchType type;
        bool plain;
        FramePictureRef picture;
        PaintOp op;
    };
    const Case cases[] = {
        {"calculator: 140 x 115 tile",
         -1,
         false,
         StretchType::stFull,
         false,
         {},
         {PaintOpKind::Tile, {5, 27, 145, 142}, {0, 0, 736, 376}}},
        {"index past the list counts as -1",
         99,
         false,
         StretchType::stFull,
         false,
         {},
         {PaintOpKind::Tile, {5, 27, 145, 142}, {0, 0, 736, 376}}},
        {"picture 1",
         1,
         false,
         StretchType::stFull,
         false,
         {FramePictureRef::Which::List, 1},
         {PaintOpKind::Tile, {0, 0, 146, 257}, {0, 0, 736, 376}}},
        {"stretched over the frame size",
         -1,
         true,
         StretchType::stFull,
         false,
         {},
         {PaintOpKind::Stretch, {5, 27, 145, 142}, {0, 0, 746, 411}}},
        {"stvert: columns side by side",
         -1,
         true,
         StretchType::stVert,
         false,
         {},
         {PaintOpKind::StretchRows, {5, 27, 145, 142}, {0, 0, 746, 411}}},
        {"sthorz: rows downwards",
         -1,
         true,
         StretchType::stHorz,
         false,
         {},
         {PaintOpKind::StretchColumns, {5, 27, 145, 142}, {0, 0, 746, 411}}},
    };
    for (const Case& c : cases) {
        skin->FormInfo.bgpictureindex = c.bgpictureindex;
        skin->FormInfo.stretcheffect = c.stretch;
        skin->FormInfo.stretchtype = c.type;
        const ClientBackgroundPlan plan = planClientBackground(*skin, 736, 376, 746, 411);
        EXPECT_EQ(plan.plainFill, c.plain) << c.what;
        EXPECT_EQ(plan.picture, c.picture) << c.what;
        ASSERT_EQ(plan.ops.size(), 1u) << c.what;
        EXPECT_EQ(plan.ops[0], c.op) << c.what;
    }
    skin->FormInfo.bgpictureindex = -1;
    skin->FormInfo.clientrect = {};
    EXPECT_TRUE(planClientBackground(*skin, 736, 376, 746, 411).plainFill);
    skin->FormInfo.clientrect = {140, 140, 400, 400};  // mostly outside the picture: clamped
    const ClientBackgroundPlan clamped = planClientBackground(*skin, 736, 376, 746, 411);
    EXPECT_EQ(clamped.ops[0].source, (PixelRect{140, 140, 150, 150}));
    skin->ClearSkin();
    EXPECT_TRUE(planClientBackground(*skin, 736, 376, 746, 411).plainFill);
}

}  // namespace
}  // namespace vireltan
