// The skinned looks of the edit, combo box, dropped list and scroll bar as pictures: which rectangle of
// the skin picture each part shows in each state, where the parts lie for a size, and what happens
// with rectangles and widths that do not fit their picture.
#include "skin/ControlLooks.h"

#include "skin/Blit.h"
#include "skin/Glyphs.h"
#include "skin/SkinGeometry.h"

#include <gtest/gtest.h>

namespace vireltan {
namespace {

// Every pixel tells where it came from: blue = x, green = y of the picture.
Raster coordinatePicture(int width = 250, int height = 250) {
    Raster picture(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, Bgr{static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), 7});
    return picture;
}

PixelPoint sourceOf(const Raster& image, int x, int y) {
    const Bgr c = image.pixel(x, y);
    return {c.b, c.g};
}

SkinRect rect(int l, int t, int r, int b) {
    return SkinRect{l, t, r, b};
}

// The stored skin's edit and buttonedit, shifted into a 250 x 250 picture.
TbsDataSkinEditControl editDefinition(bool withButton) {
    TbsDataSkinEditControl d("edit");
    d.pictureindex = 0;
    d.skinrect = rect(10, 10, 70, 30);
    d.lefttoppoint = {3, 0};
    d.righttoppoint = {withButton ? 42 : 57, 0};
    d.clientrect = rect(3, 2, withButton ? 42 : 57, 18);
    d.activeskinrect = rect(10, 40, 70, 60);
    if (withButton) {
        d.buttonrect = rect(42, 1, 59, 19);
        d.activebuttonrect = rect(100, 10, 117, 28);
        d.downbuttonrect = rect(120, 10, 137, 28);
        d.unenabledbuttonrect = rect(140, 10, 157, 28);
    }
    return d;
}

TEST(EditLook, LayoutFollowsTheWidthAndWithoutSkinFontTheHeight) {
    struct Case {
        bool button;
        int width, height;
        bool useSkinFont;
        PixelRect client, buttonRect;
    };
    const Case cases[] = {
        {false, 60, 20, true, {3, 2, 57, 18}, {0, 0, 0, 0}},
        {false, 140, 20, true, {3, 2, 137, 18}, {80, 0, 80, 0}},
        {true, 140, 20, true, {3, 2, 122, 18}, {122, 1, 139, 19}},
        {true, 140, 26, false, {3, 2, 122, 24}, {122, 1, 139, 25}},
        {true, 50, 20, true, {3, 2, 32, 18}, {32, 1, 49, 19}},
        // Narrower than the fixed parts: the client area closes instead of turning inside out.
        {false, 2, 20, true, {2, 2, 2, 18}, {-58, 0, -58, 0}},
    };
    for (const Case& c : cases) {
        const EditLayoutPx layout =
            skinnedEditLayout(editDefinition(c.button), c.width, c.height, c.useSkinFont);
        EXPECT_EQ(layout.client, c.client) << c.width;
        if (c.button) {
            EXPECT_EQ(layout.button, c.buttonRect) << c.width;
        }
    }
}

TEST(EditLook, FrameShowsTheSkinRectangleOrWhenActiveTheActiveOneAndTheButtonByState) {
    const Raster picture = coordinatePicture();
    struct Case {
        bool active;
        PartState button;
        PixelPoint frameSource;   // picture pixel shown at (1, 1)
        PixelPoint buttonSource;  // shown at the button's top-left, (122, 1)
    };
    const Case cases[] = {
        {false, {false, false, true}, {11, 11}, {52, 11}},  // normal: the composed image's own button
        {true, {false, false, true}, {11, 41}, {52, 41}},   // hot or focused: activeskinrect
        {false, {true, false, true}, {11, 11}, {100, 10}},  // button hot
        {false, {true, true, true}, {11, 11}, {120, 10}},   // button pressed and hot
        {false, {false, true, true}, {11, 11}, {52, 11}},   // pressed away from the button: normal
        {false, {true, true, false}, {11, 11}, {140, 10}},  // disabled wins
    };
    for (const Case& c : cases) {
        EditLook look;
        look.active = c.active;
        look.buttonMode = true;
        look.button = c.button;
        const Raster frame = composeEditFrame(picture, editDefinition(true), 140, 20, look);
        ASSERT_EQ(frame.width(), 140);
        ASSERT_EQ(frame.height(), 20);
        EXPECT_EQ(sourceOf(frame, 1, 1), c.frameSource);
        EXPECT_EQ(sourceOf(frame, 122, 1), c.buttonSource);
    }
}

TEST(EditLook, BackgroundIsThePartUnderTheClientArea) {
    const Raster picture = coordinatePicture();
    EditLook look;
    const Raster background = composeEditBackground(picture, editDefinition(false), 140, 20, look);
    ASSERT_EQ(background.width(), 134);
    ASSERT_EQ(background.height(), 16);
    // Its top-left pixel is skinrect's pixel at clientrect's corner; with no fixed part under the
    // client area the 54 columns repeat.
    EXPECT_EQ(sourceOf(background, 0, 0), (PixelPoint{13, 12}));
    EXPECT_EQ(sourceOf(background, 133, 15), (PixelPoint{13 + 133 % 54, 27}));
    look.active = true;
    EXPECT_EQ(sourceOf(composeEditBackground(picture, editDefinition(false), 140, 20, look), 0, 0),
              (PixelPoint{13, 42}));
}

TbsDataSkinButtonControl buttonDefinition() {
    TbsDataSkinButtonControl d("combobutton");
    d.skinrect = rect(10, 100, 27, 119);
    d.lefttoppoint = {3, 3};
    d.righttoppoint = {14, 3};
    d.leftbottompoint = {3, 16};
    d.rightbottompoint = {14, 16};
    d.clientrect = rect(2, 2, 15, 17);
    d.activeskinrect = rect(30, 100, 47, 119);
    d.fontcolor = rgbColor(200, 0, 0);
    d.activefontcolor = rgbColor(0, 200, 0);
    d.downfontcolor = rgbColor(0, 0, 200);
    return d;
}

TEST(ButtonFace, StateRectanglesFallBackToTheOneBefore) {
    const Raster picture = coordinatePicture();
    struct Case {
        PartState state;
        bool withDown;
        PixelPoint source;  // at (0, 0)
    };
    const Case cases[] = {
        {{false, false, true}, true, {10, 100}},
        {{true, false, true}, true, {30, 100}},
        {{true, true, true}, true, {50, 100}},
        {{true, true, true}, false, {30, 100}},  // no down rectangle: the active one
        {{false, true, true}, true, {10, 100}},  // pressed but not hot: normal
    };
    for (const Case& c : cases) {
        TbsDataSkinButtonControl button = buttonDefinition();
        if (c.withDown) button.downskinrect = rect(50, 100, 67, 119);
        const Raster face = composeButtonFace(picture, button, 17, 19, c.state);
        ASSERT_EQ(face.width(), 17);
        EXPECT_EQ(sourceOf(face, 0, 0), c.source);
    }
}

TEST(ButtonFace, ArrowTakesTheStatesFontColourAndDropsWhenPressed) {
    struct Case {
        PartState state;
        Bgr colour;
        int shift;
    };
    const Case cases[] = {{{false, false, true}, {0, 0, 200}, 0},
                          {{true, false, true}, {0, 200, 0}, 0},
                          {{true, true, true}, {200, 0, 0}, 2}};
    const TbsDataSkinButtonControl button = buttonDefinition();
    Raster reference(17, 19);
    drawArrow(reference, reference.bounds(), ArrowDirection::Down, Bgr{1, 1, 1});
    for (const Case& c : cases) {
        Raster face(17, 19);
        drawButtonArrow(button, face, c.state);
        int painted = 0;
        for (int y = 0; y < 19; ++y) {
            for (int x = 0; x < 17; ++x) {
                if (!(reference.pixel(x, y) == Bgr{1, 1, 1})) continue;
                ++painted;
                EXPECT_EQ(face.pixel(x, y + c.shift), c.colour) << x << "," << y;
            }
        }
        EXPECT_GT(painted, 0);
    }
    Raster disabled(17, 19);
    drawButtonArrow(button, disabled, PartState{false, false, false});
    EXPECT_TRUE(disabled.samePixels(Raster(17, 19)));
}

TbsDataSkinComboBox comboDefinition() {
    TbsDataSkinComboBox d("combobox");
    d.skinrect = rect(10, 10, 68, 30);
    d.lefttoppoint = {2, 0};
    d.righttoppoint = {40, 0};
    d.clientrect = rect(1, 1, 40, 18);
    d.activeskinrect = rect(10, 40, 68, 60);
    d.itemrect = rect(100, 10, 139, 27);
    d.activeitemrect = rect(100, 30, 139, 47);
    d.focusitemrect = rect(100, 50, 139, 67);
    d.itemleftoffset = 1;
    d.itemrightoffset = 1;
    d.itemtextrect = rect(2, 0, 37, 17);
    d.buttonrect = rect(40, 0, 57, 19);
    d.activebuttonrect = rect(150, 10, 167, 29);
    d.downbuttonrect = rect(150, 30, 167, 49);
    d.unenabledbuttonrect = rect(150, 50, 167, 69);
    return d;
}

TEST(ComboLook, BackgroundItemAreaAndButtonByState) {
    const Raster picture = coordinatePicture();
    struct Case {
        bool hot, focused, enabled;
        PartState button;
        PixelPoint background;  // (0, 0)
        PixelPoint item;        // item area's top-left (1, 1)
        PixelPoint buttonAt;    // button's top-left (122, 0)
    };
    const Case cases[] = {
        {false, false, true, {false, false, true}, {10, 10}, {100, 10}, {50, 10}},
        {true, false, true, {false, false, true}, {10, 40}, {100, 30}, {50, 40}},
        {false, true, true, {false, false, true}, {10, 40}, {100, 50}, {50, 40}},
        {true, false, true, {true, false, true}, {10, 40}, {100, 30}, {150, 10}},
        {true, false, true, {true, true, true}, {10, 40}, {100, 30}, {150, 30}},
        {false, false, false, {false, false, false}, {10, 10}, {100, 10}, {150, 50}},
    };
    for (const Case& c : cases) {
        ComboLook look;
        look.hot = c.hot;
        look.focused = c.focused;
        look.enabled = c.enabled;
        look.button = c.button;
        const Raster image = composeComboBox(picture, comboDefinition(), 140, 20, look);
        EXPECT_EQ(sourceOf(image, 0, 0), c.background);
        EXPECT_EQ(sourceOf(image, 1, 1), c.item);
        EXPECT_EQ(sourceOf(image, 122, 0), c.buttonAt);
    }
}

TEST(ComboLook, WithoutSkinSizeThePicturesGrowAroundTheirClientRectanglesAndTheButtonIsAButtonFace) {
    const Raster picture = coordinatePicture();
    ComboLook look;
    look.useSkinSize = false;
    const TbsDataSkinButtonControl button = buttonDefinition();
    const Raster image = composeComboBox(picture, comboDefinition(), 140, 30, look, {&button, &picture});
    ASSERT_EQ(image.height(), 30);
    // The corners of the control, the item area and the button show the corners of their pictures.
    EXPECT_EQ(sourceOf(image, 0, 0), (PixelPoint{10, 10}));
    EXPECT_EQ(sourceOf(image, 0, 29), (PixelPoint{10, 29}));
    EXPECT_EQ(sourceOf(image, 1, 1), (PixelPoint{100, 10}));
    EXPECT_EQ(sourceOf(image, 1, 27), (PixelPoint{100, 26}));
    EXPECT_EQ(sourceOf(image, 122, 0), (PixelPoint{10, 100}));
    EXPECT_EQ(sourceOf(image, 138, 28), (PixelPoint{26, 118}));
    // The arrow in the button's normal font colour lies in its middle.
    int arrow = 0;
    for (int y = 0; y < 29; ++y)
        for (int x = 122; x < 139; ++x) arrow += image.pixel(x, y) == (Bgr{0, 0, 200}) ? 1 : 0;
    EXPECT_EQ(arrow, 7 + 5 + 3 + 1);
}

// A borrowed button face is cut from the button definition's own picture, not from the control's.
TEST(ButtonFace, BorrowedFaceComesFromItsOwnPicture) {
    const Raster picture = coordinatePicture();
    Raster facePicture = coordinatePicture();
    for (int y = 0; y < facePicture.height(); ++y)
        for (int x = 0; x < facePicture.width(); ++x) facePicture.setPixel(x, y, Bgr{0, 0, 99});
    const TbsDataSkinButtonControl button = buttonDefinition();
    const ButtonFace face{&button, &facePicture};
    struct Case {
        const char* control;
        Raster image;
        PixelRect buttonArea;
    };
    EditLook editLook;
    editLook.buttonMode = true;
    editLook.useSkinFont = false;
    ComboLook comboLook;
    comboLook.useSkinSize = false;
    const Case cases[] = {{"edit", composeEditFrame(picture, editDefinition(true), 140, 24, editLook, face),
                           skinnedEditLayout(editDefinition(true), 140, 24, false).button},
                          {"combo", composeComboBox(picture, comboDefinition(), 140, 30, comboLook, face),
                           skinnedComboLayout(comboDefinition(), 140, 30, false).button}};
    for (const Case& c : cases) {
        ASSERT_FALSE(c.buttonArea.empty()) << c.control;
        EXPECT_EQ(c.image.pixel(0, 0).r, 7) << c.control;
        EXPECT_EQ(c.image.pixel(c.buttonArea.left, c.buttonArea.top).r, 99) << c.control;
    }
}

TEST(ComboLook, LayoutAndTextRectangleFollowTheWidth) {
    const TbsDataSkinComboBox combo = comboDefinition();
    struct Case {
        int width, height;
        bool useSkinSize;
        PixelRect button, itemArea, text;
    };
    const Case cases[] = {
        {58, 20, true, {40, 0, 57, 19}, {1, 1, 40, 18}, {2, 0, 37, 17}},
        {140, 20, true, {122, 0, 139, 19}, {1, 1, 122, 18}, {2, 0, 119, 17}},
        {140, 30, false, {122, 0, 139, 29}, {1, 1, 122, 28}, {2, 0, 119, 27}},
    };
    for (const Case& c : cases) {
        const ComboLayoutPx layout = skinnedComboLayout(combo, c.width, c.height, c.useSkinSize);
        EXPECT_EQ(layout.button, c.button) << c.width;
        EXPECT_EQ(layout.itemArea, c.itemArea) << c.width;
        EXPECT_EQ(comboItemTextRect(combo, layout.itemArea), c.text) << c.width;
    }
}

TbsDataSkinScrollBarControl verticalBar() {
    TbsDataSkinScrollBarControl d("vscrollbar");
    d.skinrect = rect(10, 10, 27, 90);
    d.lefttoppoint = {0, 20};
    d.leftbottompoint = {0, 60};
    d.clientrect = rect(0, 0, 17, 80);
    d.trackarea = rect(0, 17, 17, 63);
    d.upbuttonrect = rect(0, 0, 17, 17);
    d.activeupbuttonrect = rect(40, 10, 57, 27);
    d.downbuttonrect = rect(0, 63, 17, 80);
    d.activedownbuttonrect = rect(60, 10, 77, 27);
    d.downdownbuttonrect = rect(80, 10, 97, 27);
    d.thumbrect = rect(100, 10, 115, 40);
    d.activethumbrect = rect(120, 10, 135, 40);
    d.thumboffset1 = 4;
    d.thumboffset2 = 4;
    return d;
}

TEST(ScrollBarLook, PartsFollowTheLengthAndTheIncreasingButtonIsAtTheEnd) {
    const ScrollSkinParts parts = skinnedScrollParts(verticalBar(), true, 17, 160);
    EXPECT_EQ(parts.track, (PixelRect{0, 17, 17, 143}));
    EXPECT_EQ(parts.decrease, (PixelRect{0, 0, 17, 17}));
    EXPECT_EQ(parts.increase, (PixelRect{0, 143, 17, 160}));
    EXPECT_EQ(parts.thumbLength, 30);
    EXPECT_EQ(parts.thumbAcross, 15);
}

TEST(ScrollBarLook, ButtonsAndThumbShowTheirStatePictures) {
    const Raster picture = coordinatePicture();
    const TbsDataSkinScrollBarControl bar = verticalBar();
    const ScrollPartsPx parts{{0, 17, 17, 143}, {0, 143, 17, 160}, {0, 0, 17, 17}, {1, 50, 16, 80}};
    struct Case {
        PartState decrease, increase;
        bool thumbHot, thumbDown, enabled;
        PixelPoint atDecrease, atIncrease, atThumb;
    };
    // The track's middle rows repeat: row 50 of the bar is row 20 + 30 of the picture's middle.
    const PixelPoint ownTop{10, 10}, ownBottom{10, 73}, track{11, 60};
    const Case cases[] = {
        {{}, {}, false, false, true, ownTop, ownBottom, {100, 10}},
        {{true, false, true}, {}, true, false, true, {40, 10}, ownBottom, {120, 10}},
        // The up button has no pressed picture: the active one.
        {{true, true, true}, {true, true, true}, false, true, true, {40, 10}, {80, 10}, {120, 10}},
        {{}, {true, false, true}, false, false, true, ownTop, {60, 10}, {100, 10}},
        {{}, {}, false, false, false, ownTop, ownBottom, track},  // disabled: no thumb
    };
    for (const Case& c : cases) {
        ScrollLook look;
        look.vertical = true;
        look.enabled = c.enabled;
        look.decrease = c.decrease;
        look.increase = c.increase;
        look.thumbHot = c.thumbHot;
        look.thumbDown = c.thumbDown;
        const Raster image = composeScrollBar(picture, bar, 17, 160, parts, look);
        EXPECT_EQ(sourceOf(image, 0, 0), c.atDecrease);
        EXPECT_EQ(sourceOf(image, 0, 143), c.atIncrease);
        EXPECT_EQ(sourceOf(image, 1, 50), c.atThumb);
    }
}

TEST(ScrollBarLook, APagedThumbIsComposedToItsLengthWithFixedEnds) {
    const Raster picture = coordinatePicture();
    const ScrollPartsPx parts{{0, 17, 17, 143}, {0, 143, 17, 160}, {0, 0, 17, 17}, {1, 40, 16, 100}};
    ScrollLook look;
    look.vertical = true;
    look.paged = true;
    const Raster image = composeScrollBar(picture, verticalBar(), 17, 160, parts, look);
    Raster expected;
    ComposeVerticalStrip(picture, PixelRect{100, 10, 115, 40}, 4, 4, FillMode::Tile, 60, expected);
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 15; ++x)
            ASSERT_EQ(image.pixel(1 + x, 40 + y), expected.pixel(x, y)) << x << "," << y;
}

TEST(ListLook, ItemsShowItemActiveOrFocusRectanglesAndTheHeightCountsRows) {
    const Raster picture = coordinatePicture();
    TbsDataSkinListBox list("listbox");
    list.skinrect = rect(10, 10, 58, 58);
    list.clientrect = rect(2, 2, 46, 46);
    list.itemrect = rect(100, 10, 140, 28);
    list.activeitemrect = rect(100, 30, 140, 48);
    list.itemleftoffset = 2;
    list.itemrightoffset = 2;
    list.itemtextrect = rect(2, 0, 38, 18);
    struct Case {
        bool selected, focused;
        PixelPoint source;
    };
    // No focus rectangle in the skin: a focused selected item falls back to itemrect.
    const Case cases[] = {{false, false, {100, 10}}, {true, false, {100, 30}}, {true, true, {100, 10}}};
    for (const Case& c : cases) {
        const Raster item = composeListItem(picture, list, 120, c.selected, c.focused);
        ASSERT_EQ(item.width(), 120);
        ASSERT_EQ(item.height(), 18);
        EXPECT_EQ(sourceOf(item, 0, 0), c.source);
    }
    EXPECT_EQ(listItemTextRect(list, 120), (PixelRect{2, 0, 118, 18}));
    EXPECT_EQ(skinnedListHeight(list, 8, 18), 48 + 8 * 18 - 44);
    EXPECT_EQ(listClientArea(list, 200, 148), (PixelRect{2, 2, 198, 146}));
}

TEST(ControlLooks, RectanglesAndWidthsThatDoNotFitAreCutOrClamped) {
    const Raster picture = coordinatePicture(60, 40);
    struct Case {
        PixelRect rect;
        int fixedLeft, fixedRight;
        int clampedLeft, clampedRight;
    };
    const Case cases[] = {
        {{0, 0, 20, 10}, -5, 30, 0, 20},  // negative left, right longer than the rectangle
        {{0, 0, 20, 10}, 15, 15, 15, 5},  // both together longer than the rectangle
        {{0, 0, 20, 10}, 4, 4, 4, 4},
    };
    for (const Case& c : cases) {
        const Raster strip = horizontalStrip(picture, c.rect, c.fixedLeft, c.fixedRight, false, 50);
        Raster expected;
        ComposeHorizontalStrip(picture, c.rect, c.clampedLeft, c.clampedRight, FillMode::Tile, 50, expected);
        EXPECT_TRUE(strip.samePixels(expected)) << c.fixedLeft << "," << c.fixedRight;
    }
    // A piece reaching past the picture copies what lies inside it and leaves the rest alone.
    Raster target(10, 10);
    target.fill(Bgr{9, 9, 9});
    copyPart(picture, PixelRect{55, 35, 65, 45}, target, target.bounds());
    EXPECT_EQ(sourceOf(target, 4, 4), (PixelPoint{59, 39}));
    EXPECT_EQ(target.pixel(5, 5), (Bgr{9, 9, 9}));
    // Empty rectangles and sizes give nothing, without a fault.
    EXPECT_TRUE(horizontalStrip(picture, PixelRect{5, 5, 5, 9}, 1, 1, true, 20).empty());
    EXPECT_TRUE(verticalStrip(picture, PixelRect{0, 0, 10, 10}, 2, 2, false, 0).empty());
    EXPECT_TRUE(composeEditFrame(picture, editDefinition(true), 0, 20, EditLook{}).empty());
}

}  // namespace
}  // namespace vireltan
