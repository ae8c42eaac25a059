// Window commands as arithmetic: maximize margins, restore bounds, minimized slots, roll-up, first-show
// centring, the fade-in steps and snapping while dragged.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "skin/WindowStates.h"

namespace vireltan {
namespace {

using S = TbsFrameWindowState;

WindowStateInput screen1280() {
    WindowStateInput in;
    in.mainWindow = false;
    in.bounds = {100, 50, 846, 461};
    in.workArea = {0, 0, 1280, 994};
    in.monitor = {0, 0, 1280, 1024};
    in.screenWidth = 1280;
    in.screenHeight = 1024;
    in.minFrameWidth = 150;
    in.minFrameHeight = 35;
    in.rollUp = {true, 411, 35, 0};
    return in;
}

TEST(WindowStatesTest, MaximizedBounds) {
    struct Case {
        const char* what;
        PixelRect work, monitor;
        bool fullScreen;
        PixelRect bounds;
    };
    const Case cases[] = {
        {"taskbar at the bottom", {0, 0, 1280, 994}, {0, 0, 1280, 1024}, false, {0, 0, 1280, 994}},
        {"hiding taskbar: 1-pixel margin", {0, 0, 1280, 1024}, {0, 0, 1280, 1024}, false, {1, 1, 1279, 1023}},
        {"full screen", {0, 0, 1280, 994}, {0, 0, 1280, 1024}, true, {0, 0, 1280, 1024}},
        {"second monitor, no taskbar: no margin",
         {1280, 0, 2560, 1024},
         {1280, 0, 2560, 1024},
         false,
         {1280, 0, 2560, 1024}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(maximizedBounds(c.work, c.monitor, 1280, 1024, c.fullScreen), c.bounds) << c.what;
}

TEST(WindowStatesTest, MainWindowMinimizesTheApplication) {
    FrameWindowModel m;
    m.firstShow = false;
    WindowStateInput in = screen1280();
    in.mainWindow = true;
    const WindowStateChange c = SetFrameWindowState(m, S::Minimized, in);
    EXPECT_TRUE(c.minimizeApplication);
    EXPECT_TRUE(c.OnMinimize);
    EXPECT_FALSE(c.bounds);
    EXPECT_EQ(m.state, S::Normal) << "the frame's state stays normal";
    EXPECT_FALSE(m.savedBounds);
}

TEST(WindowStatesTest, MaximizeAndRestoreTheSavedBounds) {
    FrameWindowModel m;
    m.firstShow = false;
    const WindowStateInput in = screen1280();
    WindowStateChange c = SetFrameWindowState(m, S::Maximized, in);
    EXPECT_EQ(c.bounds, (PixelRect{0, 0, 1280, 994}));
    EXPECT_TRUE(c.OnMaximize);
    EXPECT_EQ(m.savedBounds, in.bounds);
    EXPECT_FALSE(SetFrameWindowState(m, S::Maximized, in).changed);
    WindowStateInput now = in;
    now.bounds = *c.bounds;
    c = SetFrameWindowState(m, S::Normal, now);
    EXPECT_EQ(c.bounds, in.bounds);
    EXPECT_TRUE(c.OnRestore);
    EXPECT_FALSE(m.savedBounds);
}

TEST(WindowStatesTest, RestoreAtTheFirstShowCentres) {
    FrameWindowModel m;
    m.state = S::Maximized;
    m.savedBounds = PixelRect{0, 0, 400, 300};
    WindowStateInput in = screen1280();
    in.PositionInMonitor = TbsPositionInMonitor::bspDesktopCenter;
    const WindowStateChange c = SetFrameWindowState(m, S::Normal, in);
    EXPECT_EQ(c.bounds, (PixelRect{440, 347, 840, 647}));
    EXPECT_FALSE(m.firstShow);
}

TEST(WindowStatesTest, MinimizedWindowsTakeSlots) {
    const PixelRect area{0, 0, 500, 300};
    struct Case {
        const char* what;
        std::set<std::pair<int, int>> taken;
        PixelPoint slot;
    };
    const Case cases[] = {
        {"first", {}, {0, 265}},
        {"right of the one there", {{0, 265}}, {150, 265}},
        {"row full: one up", {{0, 265}, {150, 265}, {300, 265}}, {0, 230}},
        {"all taken: bottom-left again", {}, {0, 265}},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        auto taken = [&](PixelPoint p) { return i == 3 || c.taken.count({p.x, p.y}) > 0; };
        EXPECT_EQ(minimizedSlot(area, 150, 35, taken), c.slot) << c.what;
    }
    EXPECT_EQ(minimizedSlot(area, 0, 0, [](PixelPoint) { return true; }), (PixelPoint{0, 300}));

    FrameWindowModel m;
    WindowStateInput in = screen1280();
    in.slotTaken = [](PixelPoint p) { return p == PixelPoint{0, 959}; };
    const WindowStateChange c = SetFrameWindowState(m, S::Minimized, in);
    EXPECT_EQ(c.bounds, (PixelRect{150, 959, 300, 994}));
    EXPECT_EQ(m.state, S::Minimized);
    EXPECT_EQ(m.savedBounds, in.bounds);
}

TEST(WindowStatesTest, RollUp) {
    FrameWindowModel m;
    RollUpInput in{false, 411, 35, 0};
    EXPECT_FALSE(SetRollUpState(m, true, in).changed) << "needs biRollUp";
    in.biRollUp = true;
    RollUpResult r = SetRollUpState(m, true, in);
    EXPECT_TRUE(r.changed);
    EXPECT_EQ(r.height, 35);
    EXPECT_TRUE(m.rolledUp);
    in.height = 35;
    r = SetRollUpState(m, false, in);
    EXPECT_EQ(r.height, 411);
    in.ClientHeight = 376;
    SetRollUpState(m, true, in);
    r = SetRollUpState(m, false, in);
    EXPECT_EQ(r.clientHeight, 376);
    EXPECT_FALSE(r.height);
    m.state = S::Minimized;
    EXPECT_FALSE(SetRollUpState(m, true, in).changed) << "not while minimized";

    // Rolled up while maximized: restoring rolls it down first.
    FrameWindowModel w;
    w.firstShow = false;
    WindowStateInput s = screen1280();
    SetFrameWindowState(w, S::Maximized, s);
    SetRollUpState(w, true, s.rollUp);
    EXPECT_TRUE(w.rolledUpWhileMaximized);
    const WindowStateChange c = SetFrameWindowState(w, S::Normal, s);
    EXPECT_TRUE(c.rollDown.changed);
    EXPECT_FALSE(w.rolledUp);
    // Rolled up before maximizing: stays rolled up.
    FrameWindowModel v;
    v.firstShow = false;
    SetRollUpState(v, true, s.rollUp);
    SetFrameWindowState(v, S::Maximized, s);
    EXPECT_FALSE(SetRollUpState(v, false, s.rollUp).changed);
    EXPECT_FALSE(SetFrameWindowState(v, S::Normal, s).rollDown.changed);
    EXPECT_TRUE(v.rolledUp);
}

TEST(WindowStatesTest, FirstShowCentresOnce) {
    struct Case {
        TbsPositionInMonitor position;
        S state;
        std::optional<PixelRect> bounds;
        bool flagAfter;
    };
    const Case cases[] = {
        {TbsPositionInMonitor::bspDefault, S::Normal, std::nullopt, false},
        {TbsPositionInMonitor::bspDesktopCenter, S::Normal, PixelRect{267, 292, 1013, 703}, false},
        {TbsPositionInMonitor::bspScreenCenter, S::Normal, PixelRect{267, 307, 1013, 718}, false},
        {TbsPositionInMonitor::bspDesktopCenter, S::Maximized, std::nullopt, true},
    };
    for (const Case& c : cases) {
        FrameWindowModel m;
        m.state = c.state;
        WindowStateInput in = screen1280();
        in.PositionInMonitor = c.position;
        EXPECT_EQ(firstShowBounds(m, in), c.bounds);
        EXPECT_EQ(m.firstShow, c.flagAfter);
        if (!c.flagAfter) {
            EXPECT_FALSE(firstShowBounds(m, in)) << "hidden and shown again: not re-centred";
        }
    }
}

TEST(WindowStatesTest, FadeIn) {
    EXPECT_EQ(fadeInTarget(false, true, 200), 255);
    EXPECT_EQ(fadeInTarget(true, true, 200), 200);
    EXPECT_EQ(fadeInTarget(true, false, 180), 180);
    const std::vector<int> steps = fadeInSteps(255);
    EXPECT_EQ(steps.size(), 26u);
    EXPECT_EQ(steps.front(), 10);
    EXPECT_EQ(steps[24], 250);
    EXPECT_EQ(steps.back(), 255);
    EXPECT_EQ(fadeInSteps(200).size(), 20u);
    EXPECT_TRUE(fadeInSteps(0).empty());
}

TEST(WindowStatesTest, SnappingToTheWorkArea) {
    const PixelRect area{0, 0, 1280, 994};
    struct Step {
        int x, y;  // proposed top-left
        PixelPoint cursor;
        PixelPoint result;
    };
    // A 400 x 300 window dragged from (50, 100) with the cursor 20 px right of its left edge.
    const Step steps[] = {
        {10, 100, {30, 110}, {10, 100}},  // far from every edge
        {3, 100, {23, 110}, {0, 100}},    // 3 px from the left edge: snaps onto it
        {1, 100, {21, 110}, {0, 100}},    // stays
        {7, 100, {29, 110}, {6, 100}},    // cursor 6 px further right: breaks away and follows
        {40, 100, {60, 110}, {40, 100}},
        {878, 100, {898, 110}, {880, 100}},  // right edge at 1278: snaps to 1280
        // Bottom edge at 992: snaps to 994; the right edge lets go and follows the cursor from where it
        // snapped.
        {40, 692, {60, 702}, {42, 694}},
    };
    SnapState s;
    s.cursor = {70, 110};
    for (const Step& st : steps) {
        const PixelRect r = snapWhileMoving(s, {st.x, st.y, st.x + 400, st.y + 300}, area, 5, st.cursor);
        EXPECT_EQ((PixelPoint{r.left, r.top}), st.result) << st.x << "," << st.y;
        EXPECT_EQ(r.width(), 400);
        EXPECT_EQ(r.height(), 300);
    }
    s.clearSnaps();
    EXPECT_FALSE(s.left || s.top || s.right || s.bottom);
}

}  // namespace
}  // namespace vireltan
