// The frame-strip animation shared by the caption and the popup menus' items: which slice each frame
// shows, where an animation starts, and how the time counter spaces the frames.
#include "skin/StripAnimation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vireltan {
namespace {

TEST(StripAnimation, FramesAreEqualSlicesOfTheStrip) {
    struct Case {
        const char* what;
        PixelRect strip;
        int frameCount, skinHeight, frame;
        PixelRect expected;
    };
    const Case cases[] = {
        {"side by side, first", {10, 0, 130, 23}, 3, 23, 1, {10, 0, 50, 23}},
        {"side by side, last", {10, 0, 130, 23}, 3, 23, 3, {90, 0, 130, 23}},
        {"stacked when taller than the item", {0, 0, 64, 69}, 3, 23, 2, {0, 23, 64, 46}},
        {"a frame past the last shows the last", {0, 0, 64, 69}, 3, 23, 7, {0, 46, 64, 69}},
        {"a frame before the first shows the first", {0, 0, 60, 20}, 2, 20, 0, {0, 0, 30, 20}},
        {"an uneven strip drops the remainder", {0, 0, 100, 10}, 3, 10, 3, {66, 0, 99, 10}},
    };
    for (const Case& c : cases) {
        const StripAnimation a{c.strip, c.frameCount, 25, false, 20};
        EXPECT_EQ(stripAnimationFrame(a, c.skinHeight, c.frame), c.expected) << c.what;
    }
}

// Frames seen tick by tick: the interval in ticks of tickMs each, forward while active, back after
// the deactivation only with inactiveAnimation; the animation ends past the last frame (active) or
// at 0 (inactive), where the object shows its own look.
TEST(StripAnimation, TicksStepTheFramesByTheInterval) {
    struct Case {
        const char* what;
        int frameCount, interval, tickMs;
        bool inactiveAnimation, active;
        std::vector<int> frames;  // the frame after the start, then after each tick until it ends
    };
    const Case cases[] = {
        {"caption timing: a frame per tick", 3, 25, 25, false, true, {1, 2, 3, 4}},
        {"menu timing: 40 ms in 20 ms ticks", 3, 40, 20, false, true, {1, 1, 2, 2, 3, 3, 4}},
        {"menu timing: 25 ms in 20 ms ticks", 2, 25, 20, false, true, {1, 1, 2, 2, 3}},
        {"leaving without inactive animation", 3, 25, 25, false, false, {0}},
        {"leaving with inactive animation", 3, 25, 25, true, false, {3, 2, 1, 0}},
        {"one frame", 1, 20, 20, true, true, {1, 2}},
    };
    for (const Case& c : cases) {
        const StripAnimation a{
            {0, 0, 64 * c.frameCount, 23}, c.frameCount, c.interval, c.inactiveAnimation, c.tickMs};
        StripAnimationState s = stripAnimationStart(a, c.active);
        std::vector<int> seen{s.frame};
        for (int tick = 0; tick < 20 && stripAnimationRunning(a, s, c.active); ++tick) {
            stripAnimationTick(a, s, c.active);
            seen.push_back(s.frame);
        }
        EXPECT_EQ(seen, c.frames) << c.what;
        EXPECT_FALSE(stripAnimationRunning(a, s, c.active)) << c.what;
        EXPECT_FALSE(stripAnimationShowsFrame(a, s)) << c.what;
        EXPECT_FALSE(stripAnimationTick(a, s, c.active)) << c.what;  // nothing left to do
    }
}

TEST(StripAnimation, OnlyAStripWithFramesAnimates) {
    struct Case {
        PixelRect strip;
        int frameCount;
        bool possible;
    };
    const Case cases[] = {{{0, 0, 64, 23}, 2, true},
                          {{}, 2, false},
                          {{0, 0, 64, 23}, 0, false},
                          {{0, 0, 64, 23}, -1, false},
                          {{5, 5, 5, 30}, 2, false}};
    for (const Case& c : cases) {
        const StripAnimation a{c.strip, c.frameCount};
        EXPECT_EQ(a.possible(), c.possible) << c.frameCount;
        EXPECT_EQ(stripAnimationShowsFrame(a, {1, 25}), c.possible) << c.frameCount;
    }
}

}  // namespace
}  // namespace vireltan
