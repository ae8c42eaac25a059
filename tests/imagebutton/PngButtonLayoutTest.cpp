// The image button's geometry and look decisions as pure rules: where picture and caption go for
// every layout, which picture a state shows, and which frame each style draws.
#include "imagebutton/PngButtonLayout.h"

#include <gtest/gtest.h>

namespace vireltan {
namespace {

using L = TPNGButtonLayout;

struct PositionCase {
    const char* name;
    PngButtonSizes sizes;
    L layout;
    bool pressed;
    PngButtonPositions expected;  // picture left, top, caption left, top
};

// Worked out by hand from the rules: a 60 × 50 button with a 10 × 8 picture and a 20 × 13 caption
// (the picture counts 12 high with the gap), or no caption at all.
constexpr PngButtonSizes kCaptioned{60, 50, 10, 8, 20, 13, true};
constexpr PngButtonSizes kBare{60, 50, 10, 8, 20, 13, false};  // text sizes ignored without caption

const PositionCase kPositionCases[] = {
    {"above", kCaptioned, L::pbsImageAbove, false, {25, 12, 20, 24}},
    {"below", kCaptioned, L::pbsImageBellow, false, {25, 25, 20, 12}},
    {"left", kCaptioned, L::pbsImageLeft, false, {15, 19, 30, 18}},
    {"right", kCaptioned, L::pbsImageRight, false, {40, 19, 15, 18}},
    // Pressed: above and below move 2 right and 2 down, left and right only down.
    {"above pressed", kCaptioned, L::pbsImageAbove, true, {27, 14, 22, 26}},
    {"below pressed", kCaptioned, L::pbsImageBellow, true, {27, 27, 22, 14}},
    {"left pressed", kCaptioned, L::pbsImageLeft, true, {15, 21, 30, 20}},
    {"right pressed", kCaptioned, L::pbsImageRight, true, {40, 21, 15, 20}},
    {"above, no caption", kBare, L::pbsImageAbove, false, {25, 21, 30, 29}},
    {"below, no caption", kBare, L::pbsImageBellow, false, {25, 21, 30, 21}},
    {"left, no caption", kBare, L::pbsImageLeft, false, {25, 21, 40, 25}},
    // The 5-pixel gap stays even without a caption, pushing the picture off centre.
    {"right, no caption", kBare, L::pbsImageRight, false, {30, 21, 25, 25}},
    {"right, no caption, pressed", kBare, L::pbsImageRight, true, {30, 23, 25, 27}},
    // The transfer button: 33 × 33 with a 32 × 32 picture.
    {"transfer button", {33, 33, 32, 32, 0, 0, false}, L::pbsImageAbove, false, {0, 0, 16, 32}},
    {"transfer button pressed", {33, 33, 32, 32, 0, 0, false}, L::pbsImageAbove, true, {2, 2, 18, 34}},
    // Halving truncates towards zero, also when the picture is larger than the button.
    {"picture larger than the button",
     {20, 20, 25, 25, 0, 0, false},
     L::pbsImageAbove,
     false,
     {-2, -2, 10, 23}},
    {"odd remainders", {33, 31, 10, 8, 7, 13, true}, L::pbsImageLeft, false, {8, 9, 23, 9}},
    {"no picture", {40, 30, 0, 0, 20, 13, true}, L::pbsImageAbove, false, {20, 6, 10, 10}},
};

TEST(PngButtonLayoutTest, PositionsForEveryLayout) {
    for (const PositionCase& c : kPositionCases) {
        const PngButtonPositions p = pngButtonPositions(c.sizes, c.layout, c.pressed);
        EXPECT_EQ(p.pictureLeft, c.expected.pictureLeft) << c.name;
        EXPECT_EQ(p.pictureTop, c.expected.pictureTop) << c.name;
        EXPECT_EQ(p.captionLeft, c.expected.captionLeft) << c.name;
        EXPECT_EQ(p.captionTop, c.expected.captionTop) << c.name;
    }
}

using S = TPNGButtonState;
using P = PngButtonPicture;

TEST(PngButtonLayoutTest, PictureForEachState) {
    struct Case {
        const char* name;
        PngButtonFlags flags;
        PngButtonPictures pictures;  // down empty, over empty, disabled empty
        P expected;
    };
    const Case cases[] = {
        {"up", {S::up, false, true}, {false, false, false}, P::normal},
        {"over", {S::up, true, true}, {false, false, false}, P::over},
        {"pressed", {S::down, true, true}, {false, false, false}, P::down},
        // Held but dragged off: neither pressed nor over.
        {"held, pointer off", {S::down, false, true}, {false, false, false}, P::normal},
        {"pressed, no down picture", {S::down, true, true}, {true, false, false}, P::over},
        {"pressed, no down or over picture", {S::down, true, true}, {true, true, false}, P::normal},
        {"over, no over picture", {S::up, true, true}, {false, true, false}, P::normal},
        {"disabled", {S::disabled, false, false}, {false, false, false}, P::disabled},
        // A disabled button never shows the over picture, even with the pointer still on it.
        {"disabled, pointer over", {S::disabled, true, false}, {false, false, false}, P::disabled},
        {"disabled, no disabled picture", {S::disabled, false, false}, {false, false, true}, P::normal},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(choosePngButtonPicture(c.flags, c.pictures), c.expected) << c.name;
    }
}

TEST(PngButtonLayoutTest, FrameForEveryStyleAndState) {
    using St = TPNGButtonStyle;
    using F = PngButtonFrame;
    struct Case {
        St style;
        PngButtonFlags flags;
        F expected;
    };
    const Case cases[] = {
        {St::pbsFlat, {S::up, false, true}, F::none},
        {St::pbsFlat, {S::up, true, true}, F::raised},
        {St::pbsFlat, {S::down, true, true}, F::sunken},
        {St::pbsFlat, {S::down, false, true}, F::raised},  // held, dragged off
        {St::pbsFlat, {S::disabled, true, false}, F::none},
        {St::pbsFlat, {S::disabled, false, false}, F::none},
        {St::pbsDefault, {S::up, false, true}, F::pushButton},
        {St::pbsDefault, {S::up, true, true}, F::pushButton},
        {St::pbsDefault, {S::down, true, true}, F::pushButtonPressed},
        {St::pbsDefault, {S::down, false, true}, F::pushButton},
        {St::pbsDefault, {S::disabled, false, false}, F::pushButton},
        {St::pbsNoFrame, {S::up, true, true}, F::none},
        {St::pbsNoFrame, {S::down, true, true}, F::none},
        {St::pbsNoFrame, {S::disabled, true, false}, F::none},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(pngButtonFrame(c.style, c.flags), c.expected)
            << "style " << int(c.style) << " state " << int(c.flags.state) << " over " << c.flags.mouseOver;
    }
}

TEST(PngButtonLayoutTest, DrawnFrameNarrowsTheCaptionArea) {
    struct Case {
        PngButtonFrame frame;
        PngButtonArea expected;
    };
    const Case cases[] = {
        {PngButtonFrame::none, {0, 0, 40, 30}},
        {PngButtonFrame::raised, {1, 1, 39, 29}},
        {PngButtonFrame::sunken, {1, 1, 39, 29}},
        {PngButtonFrame::pushButton, {0, 0, 40, 30}},
    };
    for (const Case& c : cases) {
        const PngButtonArea a = pngButtonCaptionArea(40, 30, c.frame);
        EXPECT_EQ(a.left, c.expected.left);
        EXPECT_EQ(a.top, c.expected.top);
        EXPECT_EQ(a.right, c.expected.right);
        EXPECT_EQ(a.bottom, c.expected.bottom);
    }
}

}  // namespace
}  // namespace vireltan
