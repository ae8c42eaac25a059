// The drawn scroll bar: its geometry, position clamping, thumb dragging (to the end of the track
// is the last page), the button and paging repeats (500 ms, then every 50 ms) and its plain look.
#include "controls/ScrollBar.h"
#include "controls/ScrollBarRules.h"
#include "gui/Bitmap.h"
#include "gui/Form.h"

#include "ControlsTestSupport.h"
#include "GuiTestSupport.h"

#include <gtest/gtest.h>

#include <string>

namespace vireltan {
namespace {

using namespace testing;

std::string rectText(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

TEST(ScrollBarRules, RoundingGoesHalfToEven) {
    struct Case {
        double value;
        int expected;
    };
    const Case cases[] = {{0.5, 0},    {1.5, 2},    {2.5, 2},  {2.4999, 2},
                          {2.5001, 3}, {53.05, 53}, {-0.5, 0}, {-1.5, -2}};
    for (const Case& c : cases) EXPECT_EQ(roundHalfEven(c.value), c.expected) << c.value;
}

TEST(ScrollBarRules, PositionIsClampedToTheLastPage) {
    struct Case {
        ScrollRange range;
        int requested;
        int expected;
    };
    const Case cases[] = {
        {{0, 18, 8}, 100, 11},
        {{0, 18, 8}, 11, 11},
        {{0, 18, 8}, 12, 11},
        {{0, 18, 8}, -5, 0},
        {{0, 100, 0}, 150, 100},
        {{0, 100, 0}, 100, 100},
        {{5, 10, 0}, 0, 5},
        // A page larger than the range leaves only the minimum.
        {{0, 3, 8}, 2, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(clampScrollPosition(c.requested, c.range), c.expected)
            << c.range.min << ".." << c.range.max << " page " << c.range.pageSize << " asked " << c.requested;
    }
}

TEST(ScrollBarRules, PlainGeometry) {
    struct Case {
        TScrollBarKind kind;
        int width, height;
        ScrollRange range;
        int position;
        bool both;
        std::string decrease, increase, track, thumb;
    };
    const auto V = TScrollBarKind::sbVertical;
    const auto H = TScrollBarKind::sbHorizontal;
    const Case cases[] = {
        // The dropped list's bar: 160 high, 19 items, 8 rows. Track 17..143 (126 long); thumb
        // length round(126 * 8 / 19) = 53, so half 26 and 52 pixels drawn.
        {V, 19, 160, {0, 18, 8}, 0, false, "1,1,18,17", "1,143,18,159", "1,17,18,143", "1,17,18,69"},
        // At the last page the thumb ends at the track's end minus the odd pixel.
        {V, 19, 160, {0, 18, 8}, 11, false, "1,1,18,17", "1,143,18,159", "1,17,18,143", "1,91,18,143"},
        // Ratio 5 / 11 of the 74 free pixels: offset round(33.6) = 34.
        {V, 19, 160, {0, 18, 8}, 5, false, "1,1,18,17", "1,143,18,159", "1,17,18,143", "1,51,18,103"},
        // Without a page the thumb is 16 long and runs over the track by (pos - min) / (max - min).
        {H, 200, 19, {0, 100, 0}, 50, false, "1,1,17,18", "183,1,199,18", "17,1,183,18", "92,1,108,18"},
        {H, 200, 19, {0, 100, 0}, 100, false, "1,1,17,18", "183,1,199,18", "17,1,183,18", "167,1,183,18"},
        // Sharing the corner: 19 pixels at the right end stay free.
        {H, 200, 19, {0, 100, 0}, 0, true, "1,1,17,18", "164,1,180,18", "17,1,164,18", "17,1,33,18"},
        // A tiny page keeps the thumb at 16 pixels.
        {V, 19, 160, {0, 999, 1}, 0, false, "1,1,18,17", "1,143,18,159", "1,17,18,143", "1,17,18,33"},
        // A page larger than the range: the thumb fills the track (never more).
        {V, 19, 160, {0, 3, 8}, 0, false, "1,1,18,17", "1,143,18,159", "1,17,18,143", "1,17,18,143"},
        {H, 200, 19, {0, 3, 8}, 0, false, "1,1,17,18", "183,1,199,18", "17,1,183,18", "17,1,183,18"},
        // Min equal to max without a page: the thumb stays at the start.
        {H, 200, 19, {7, 7, 0}, 7, false, "1,1,17,18", "183,1,199,18", "17,1,183,18", "17,1,33,18"},
    };
    for (const Case& c : cases) {
        const ScrollBarGeometry g =
            plainScrollBarGeometry(c.kind, c.width, c.height, c.range, c.position, c.both, 19);
        const std::string label =
            std::to_string(c.width) + "x" + std::to_string(c.height) + " pos " + std::to_string(c.position);
        EXPECT_EQ(rectText(g.decreaseButton), c.decrease) << label;
        EXPECT_EQ(rectText(g.increaseButton), c.increase) << label;
        EXPECT_EQ(rectText(g.track), c.track) << label;
        EXPECT_EQ(rectText(g.thumb), c.thumb) << label;
    }
}

TEST(ScrollBarRules, DraggedPositionFollowsTheCentreRange) {
    struct Case {
        ScrollRange range;
        int centreMin, centreMax, offsetAtStart, delta;
        int expected;
    };
    const Case cases[] = {
        {{0, 18, 8}, 43, 117, 0, 74, 11},   // to the end of the track: the last page
        {{0, 18, 8}, 43, 117, 0, 500, 11},  // far beyond it: clamped
        {{0, 18, 8}, 43, 117, 0, -30, 0},   // above the start
        {{0, 18, 8}, 43, 117, 0, 37, 6},    // halfway: round(5.5) = 6 (half to even)
        {{0, 18, 8}, 43, 117, 37, -37, 0},  // back from the middle
        {{0, 100, 0}, 25, 175, 0, 75, 50},  // without a page the whole range
        {{0, 100, 0}, 25, 25, 0, 75, 0},    // an empty centre range
        {{10, 20, 0}, 0, 100, 0, 100, 20},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(draggedScrollPosition(c.range, c.centreMin, c.centreMax, c.offsetAtStart, c.delta),
                  c.expected)
            << "offset " << c.offsetAtStart << " delta " << c.delta;
    }
}

struct ScrollBarFixture : ::testing::Test {
    TForm* form = nullptr;
    TbsSkinScrollBar* bar = nullptr;
    int changes = 0;
    int lastChanges = 0;
    void SetUp() override {
        form = shownForm(100, 100, 300, 300);
        bar = new TbsSkinScrollBar(form);
        bar->setKind(TScrollBarKind::sbVertical);
        bar->setParent(form);
        bar->setBounds(10, 10, 19, 160);
        bar->setRange(0, 18, 8, 0);
        bar->setLargeChange(8);
        bar->OnChange = [this] { ++changes; };
        bar->OnLastChange = [this] { ++lastChanges; };
    }
    void TearDown() override { delete form; }
    HWND h() { return bar->handle(); }
};

using ScrollBar = ScrollBarFixture;

TEST_F(ScrollBar, DraggingTheThumbToTheEndGivesTheLastPage) {
    const RECT thumb = bar->geometry().thumb;
    const int x = 9;
    const int y = (thumb.top + thumb.bottom) / 2;
    mouseDown(h(), x, y);
    EXPECT_TRUE(bar->dragging());
    for (int step = y; step <= 200; step += 7) mouseMove(h(), x, step);
    mouseMove(h(), x, 160);
    EXPECT_EQ(bar->position(), 11);
    mouseUp(h(), x, 160);
    EXPECT_FALSE(bar->dragging());
    EXPECT_EQ(bar->position(), 11);
    EXPECT_GT(changes, 0);
    EXPECT_EQ(lastChanges, 1);
    // Dragging back above the track returns to the start.
    const RECT moved = bar->geometry().thumb;
    mouseDown(h(), x, (moved.top + moved.bottom) / 2);
    mouseMove(h(), x, -50);
    mouseUp(h(), x, -50);
    EXPECT_EQ(bar->position(), 0);
    EXPECT_EQ(lastChanges, 2);
}

TEST_F(ScrollBar, SettersClampAndOnlyThePositionSetterFiresOnChange) {
    struct Case {
        const char* action;
        int value;
        int expectedPosition;
        int expectedChanges;
    };
    const Case cases[] = {
        {"position", 100, 11, 1}, {"position", 11, 11, 0},
        {"position", -3, 0, 1},   {"range", 30, 0, 0},  // setRange(0, 18, 8, 30) clamps to 11 silently
        {"max", 12, 5, 0},    // max - min < page + position: position moves to max - min - page + 1
        {"min", 7, 7, 0},     // position follows the minimum up
        {"page", 100, 7, 0},  // a page larger than the range is refused
    };
    for (const Case& c : cases) {
        changes = 0;
        const std::string action = c.action;
        if (action == "position") bar->setPosition(c.value);
        if (action == "range") {
            bar->setRange(0, 18, 8, c.value);
            EXPECT_EQ(bar->position(), 11);
            bar->setRange(0, 18, 8, 11);
            bar->setPosition(11);
            changes = 0;
            bar->setRange(0, 18, 8, 0);
        }
        if (action == "max") {
            bar->setRange(0, 18, 8, 11);
            bar->setMax(c.value);
        }
        if (action == "min") bar->setMin(c.value);
        if (action == "page") bar->setPageSize(c.value);
        EXPECT_EQ(bar->position(), c.expectedPosition) << c.action << " " << c.value;
        EXPECT_EQ(changes, c.expectedChanges) << c.action << " " << c.value;
    }
    EXPECT_EQ(bar->pageSize(), 8);
}

TEST_F(ScrollBar, HoldingAButtonStepsAtOnceThenAfter500AndEvery50Ms) {
    const RECT button = bar->geometry().increaseButton;
    const int x = 9;
    const int y = (button.top + button.bottom) / 2;
    mouseMove(h(), x, y, false);
    mouseDown(h(), x, y);
    struct Step {
        const char* what;
        int position;
        UINT period;
    };
    // Each row is the state after the action; the timer is fired by hand, so no time passes.
    EXPECT_EQ(bar->position(), 1);
    EXPECT_EQ(bar->repeatPeriod(), 500u);
    const Step steps[] = {
        {"tick", 1, 50},                                  // the first tick only switches to the fast rhythm
        {"tick", 2, 50}, {"tick", 3, 50}, {"off", 3, 0},  // leaving the button pauses
        {"tick", 3, 0},  // a tick already queued does nothing while paused... (no timer runs)
        {"on", 3, 50},   // coming back resumes at once in the fast rhythm
        {"tick", 4, 50}, {"up", 4, 0},
    };
    for (const Step& s : steps) {
        const std::string what = s.what;
        if (what == "tick") {
            if (bar->repeatPeriod() != 0) fireTimer(h());
        }
        if (what == "off") mouseMove(h(), x, 80);
        if (what == "on") mouseMove(h(), x, y);
        if (what == "up") mouseUp(h(), x, y);
        EXPECT_EQ(bar->position(), s.position) << s.what;
        EXPECT_EQ(bar->repeatPeriod(), s.period) << s.what;
    }
    EXPECT_TRUE(bar->partHot(1));  // released over the button: it stays hot
    EXPECT_FALSE(bar->partPressed(1));
}

TEST_F(ScrollBar, TheDecreasingButtonStepsBackAndStopsAtTheMinimum) {
    bar->setPosition(1);
    const RECT button = bar->geometry().decreaseButton;
    mouseDown(h(), 9, (button.top + button.bottom) / 2);
    EXPECT_EQ(bar->position(), 0);
    EXPECT_EQ(bar->repeatMode(), 1);
    fireTimer(h());
    fireTimer(h());
    EXPECT_EQ(bar->position(), 0);
    mouseUp(h(), 9, (button.top + button.bottom) / 2);
    EXPECT_EQ(bar->repeatMode(), 0);
}

TEST_F(ScrollBar, PagingStopsWhenTheThumbReachesThePointer) {
    bar->setRange(0, 99, 8, 0);
    bar->setLargeChange(8);
    int pages = 0;
    bar->OnPageDown = [&] { ++pages; };
    const int y = 120;  // on the track, below the thumb
    mouseDown(h(), 9, y);
    EXPECT_EQ(bar->position(), 8);
    EXPECT_EQ(bar->repeatMode(), 4);
    for (int tick = 0; tick < 100 && bar->repeatMode() != 0; ++tick) fireTimer(h());
    EXPECT_EQ(bar->repeatMode(), 0);
    const RECT thumb = bar->geometry().thumb;
    EXPECT_LE(thumb.top, y + 0) << "the thumb stopped before the pointer";
    EXPECT_GE(thumb.bottom, y - 0);
    EXPECT_EQ(pages, bar->position() / 8);
    EXPECT_LT(bar->position(), 92);
    mouseUp(h(), 9, y);
}

TEST_F(ScrollBar, PlainLookPixels) {
    TBitmap bitmap(bar->width(), bar->height());
    bar->setPosition(0);
    bar->paintTo(bitmap.canvas());
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    struct Case {
        int x, y;
        COLORREF expected;
        const char* where;
    };
    const Case cases[] = {
        {0, 0, face, "outer ring"},
        {1, 1, shadow, "top button frame"},
        {2, 2, face, "top button fill"},
        {9, 7, RGB(0, 0, 0), "up arrow point"},
        {8, 7, face, "beside the up arrow's point"},
        {6, 10, RGB(0, 0, 0), "up arrow base, left end"},
        {12, 10, RGB(0, 0, 0), "up arrow base, right end"},
        {5, 10, face, "left of the up arrow's base"},
        {6, 149, RGB(0, 0, 0), "down arrow base"},
        {9, 152, RGB(0, 0, 0), "down arrow point"},
        {1, 17, shadow, "thumb frame top-left"},
        {5, 40, face, "thumb fill"},
        {17, 68, shadow, "thumb frame bottom-right"},
        {5, 80, face, "track below the thumb"},
    };
    for (const Case& c : cases) EXPECT_EQ(pixelAt(bitmap, c.x, c.y), c.expected) << c.where;

    // Disabled: buttons stay, the thumb goes.
    bar->setEnabled(false);
    bar->paintTo(bitmap.canvas());
    EXPECT_EQ(pixelAt(bitmap, 1, 16), shadow) << "the top button's bottom frame row";
    EXPECT_EQ(pixelAt(bitmap, 1, 17), face) << "no thumb frame";
    EXPECT_EQ(pixelAt(bitmap, 17, 68), face);
    EXPECT_EQ(pixelAt(bitmap, 6, 149), RGB(0, 0, 0)) << "the arrows stay black";
}

TEST_F(ScrollBar, AFocusableBarTakesArrowKeysAndTheWheel) {
    bar->setPosition(5);
    struct Case {
        const char* action;
        int expected;
    };
    // Without CanFocused the keys and the wheel do nothing.
    const Case ignored[] = {{"down", 5}, {"wheel towards", 5}};
    const Case used[] = {{"down", 6},          {"right", 7},      {"up", 6},        {"left", 5},
                         {"wheel towards", 6}, {"wheel away", 5}, {"wheel away", 4}};
    auto run = [&](const Case& c) {
        const std::string action = c.action;
        if (action == "down") keyDown(h(), VK_DOWN);
        if (action == "up") keyDown(h(), VK_UP);
        if (action == "left") keyDown(h(), VK_LEFT);
        if (action == "right") keyDown(h(), VK_RIGHT);
        if (action == "wheel towards") wheel(h(), -120);
        if (action == "wheel away") wheel(h(), 120);
        EXPECT_EQ(bar->position(), c.expected) << c.action;
    };
    for (const Case& c : ignored) run(c);
    bar->setCanFocused(true);
    EXPECT_TRUE(bar->tabStop());
    EXPECT_EQ(SendMessageW(h(), WM_GETDLGCODE, 0, 0), DLGC_WANTARROWS);
    // A click takes the focus first.
    const RECT button = bar->geometry().increaseButton;
    mouseDown(h(), 9, (button.top + button.bottom) / 2);
    mouseUp(h(), 9, (button.top + button.bottom) / 2);
    EXPECT_EQ(GetFocus(), h());
    bar->setPosition(5);
    for (const Case& c : used) run(c);
}

TEST_F(ScrollBar, PrintedByItsParentThePixelsMatchThePaint) {
    TBitmap printed;
    renderClient(*bar, printed);
    TBitmap painted(bar->width(), bar->height());
    bar->paintTo(painted.canvas());
    for (int y = 0; y < bar->height(); y += 3) {
        for (int x = 0; x < bar->width(); ++x) {
            ASSERT_EQ(pixelAt(printed, x, y), pixelAt(painted, x, y)) << x << "," << y;
        }
    }
}

TEST_F(ScrollBar, HotAndPressedPartsTakeTheNavyLook) {
    TBitmap bitmap(bar->width(), bar->height());
    const RECT button = bar->geometry().increaseButton;
    const int y = (button.top + button.bottom) / 2;
    mouseMove(h(), 9, y, false);
    bar->paintTo(bitmap.canvas());
    EXPECT_EQ(pixelAt(bitmap, 1, button.top), RGB(0, 0, 128));
    EXPECT_EQ(pixelAt(bitmap, 3, button.top + 2), RGB(0xB6, 0xBD, 0xD2));
    mouseDown(h(), 9, y);
    bar->paintTo(bitmap.canvas());
    EXPECT_EQ(pixelAt(bitmap, 3, button.top + 2), RGB(0x85, 0x93, 0xB5));
    mouseUp(h(), 9, y);
}

TEST_F(ScrollBar, PressingTheTrackPagesTowardsThePointer) {
    int pageUps = 0, pageDowns = 0;
    bar->OnPageUp = [&] { ++pageUps; };
    bar->OnPageDown = [&] { ++pageDowns; };
    struct Case {
        int position;  // before the press
        int y;         // the press on the track
        int expectedPosition;
        int expectedMode;
        int expectedUps, expectedDowns;
    };
    // Track 17..143; at position 0 the thumb spans 17..69, at 5 it spans 51..103.
    const Case cases[] = {
        {0, 120, 8, 4, 0, 1},   // after the thumb: a page on
        {5, 30, 0, 3, 1, 0},    // before it: a page back, clamped at the minimum
        {5, 120, 11, 4, 0, 1},  // clamped at the last page
        {5, 60, 5, 0, 0, 0},    // on the thumb: a drag, no paging
    };
    for (const Case& c : cases) {
        bar->setPosition(c.position);
        pageUps = pageDowns = 0;
        mouseDown(h(), 9, c.y);
        EXPECT_EQ(bar->position(), c.expectedPosition) << "from " << c.position << " at " << c.y;
        EXPECT_EQ(bar->repeatMode(), c.expectedMode) << "from " << c.position << " at " << c.y;
        EXPECT_EQ(bar->repeatPeriod(), c.expectedMode != 0 ? 500u : 0u);
        EXPECT_EQ(pageUps, c.expectedUps);
        EXPECT_EQ(pageDowns, c.expectedDowns);
        mouseUp(h(), 9, c.y);
        EXPECT_EQ(bar->repeatMode(), 0) << "releasing stops paging";
    }

    // Holding the track before the thumb pages back until the thumb reaches the pointer.
    bar->setRange(0, 99, 8, 80);
    pageUps = 0;
    const int y = 30;
    mouseDown(h(), 9, y);
    EXPECT_EQ(bar->position(), 72);
    fireTimer(h());
    EXPECT_EQ(bar->position(), 72) << "the first tick only switches to the fast rhythm";
    EXPECT_EQ(bar->repeatPeriod(), 50u);
    for (int tick = 0; tick < 100 && bar->repeatMode() != 0; ++tick) fireTimer(h());
    EXPECT_EQ(bar->repeatMode(), 0);
    EXPECT_LE(bar->geometry().thumb.top, y) << "stopped once the thumb reached the pointer";
    EXPECT_GT(bar->position(), 0);
    EXPECT_EQ(pageUps, (80 - bar->position()) / 8);
    mouseUp(h(), 9, y);
}

TEST_F(ScrollBar, ButtonEventsReplaceTheStep) {
    int ups = 0, downs = 0;
    bar->OnUpButtonClick = [&] { ++ups; };
    bar->OnDownButtonClick = [&] { ++downs; };
    bar->setPosition(5);
    changes = 0;
    const ScrollBarGeometry g = bar->geometry();
    struct Case {
        const RECT* button;
        int expectedUps, expectedDowns;
    };
    const Case cases[] = {{&g.increaseButton, 3, 0}, {&g.decreaseButton, 0, 3}};
    for (const Case& c : cases) {
        ups = downs = 0;
        const int y = (c.button->top + c.button->bottom) / 2;
        mouseDown(h(), 9, y);  // one at once
        fireTimer(h());        // the switch to 50 ms
        fireTimer(h());
        fireTimer(h());
        mouseUp(h(), 9, y);
        EXPECT_EQ(ups, c.expectedUps);
        EXPECT_EQ(downs, c.expectedDowns);
    }
    EXPECT_EQ(bar->position(), 5) << "the events take the place of SmallChange";
    EXPECT_EQ(changes, 0);
}

TEST_F(ScrollBar, LeavingStopsPagingOnButNotPagingBack) {
    struct Case {
        int y;
        int expectedMode;  // after the pointer left the bar with the button still down
    };
    const Case cases[] = {{130, 0}, {20, 3}};
    for (const Case& c : cases) {
        bar->setRange(0, 99, 8, 40);
        mouseMove(h(), 9, c.y, false);
        mouseDown(h(), 9, c.y);
        ASSERT_NE(bar->repeatMode(), 0);
        SendMessageW(h(), WM_MOUSELEAVE, 0, 0);
        EXPECT_EQ(bar->repeatMode(), c.expectedMode) << "pressed at " << c.y;
        mouseUp(h(), 9, c.y);
        EXPECT_EQ(bar->repeatMode(), 0);
    }
}

TEST_F(ScrollBar, MaxAndMinKeepThePositionInsideTheRange) {
    struct Case {
        int min, max, page, position;  // set through setRange
        int newMax;
        int expectedPosition;
    };
    const Case cases[] = {
        {0, 18, 8, 11, 12, 5},   // the last page of 0..12
        {0, 18, 8, 3, 12, 3},    // still inside: unchanged
        {0, 18, 0, 15, 10, 10},  // without a page: at most the maximum
        {5, 20, 5, 14, 20, 14},  // a minimum above 0: 14 lies within 5..16 and stays
        {5, 20, 5, 16, 18, 14},  // the last page of 5..18 starts at 14
        {5, 20, 5, 6, 7, 5},     // a range smaller than the page: the minimum
    };
    for (const Case& c : cases) {
        bar->setRange(c.min, c.max, c.page, c.position);
        changes = 0;
        bar->setMax(c.newMax);
        EXPECT_EQ(bar->position(), c.expectedPosition)
            << c.min << ".." << c.max << " page " << c.page << " at " << c.position << " max " << c.newMax;
        EXPECT_EQ(changes, 0) << "no event";
    }
    bar->setRange(0, 18, 8, 2);
    bar->setMin(4);
    EXPECT_EQ(bar->position(), 4);
}

TEST_F(ScrollBar, BothFormAndMarkerWidth) {
    auto* horizontal = new TbsSkinScrollBar(form);
    horizontal->setParent(form);
    horizontal->setBounds(10, 200, 200, 19);
    EXPECT_EQ(horizontal->SkinDataName(), "hscrollbar");
    horizontal->setBoth(true);
    EXPECT_EQ(horizontal->SkinDataName(), "bothhscrollbar");
    EXPECT_EQ(horizontal->geometry().increaseButton.right, 200 - 19 - 1);
    horizontal->setBothMarkerWidth(-3);
    EXPECT_EQ(horizontal->bothMarkerWidth(), 19) << "negative widths are ignored";
    horizontal->setBothMarkerWidth(30);
    EXPECT_EQ(horizontal->geometry().increaseButton.right, 200 - 30 - 1);
    horizontal->setBoth(false);
    EXPECT_EQ(horizontal->SkinDataName(), "hscrollbar");
    EXPECT_EQ(horizontal->geometry().increaseButton.right, 199);

    // The horizontal bar's left button steps back, its right one on.
    horizontal->setPosition(50);
    mouseDown(horizontal->handle(), 190, 9);
    mouseUp(horizontal->handle(), 190, 9);
    EXPECT_EQ(horizontal->position(), 51);
    mouseDown(horizontal->handle(), 8, 9);
    mouseUp(horizontal->handle(), 8, 9);
    mouseDown(horizontal->handle(), 8, 9);
    mouseUp(horizontal->handle(), 8, 9);
    EXPECT_EQ(horizontal->position(), 49);
}

TEST_F(ScrollBar, TheThumbLooksHotWhenPointedAtAndPressedWhileDragged) {
    TBitmap bitmap(bar->width(), bar->height());
    const RECT thumb = bar->geometry().thumb;
    const int y = (thumb.top + thumb.bottom) / 2;
    struct Case {
        const char* action;
        COLORREF frame, fill;
    };
    const COLORREF navy = RGB(0, 0, 128);
    const Case cases[] = {
        {"point", navy, RGB(0xB6, 0xBD, 0xD2)},
        {"press", navy, RGB(0x85, 0x93, 0xB5)},
        {"drag off the bar", navy, RGB(0x85, 0x93, 0xB5)},
        {"release", GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNFACE)},
    };
    for (const Case& c : cases) {
        const std::string action = c.action;
        if (action == "point") mouseMove(h(), 9, y, false);
        if (action == "press") mouseDown(h(), 9, y);
        if (action == "drag off the bar") mouseMove(h(), 60, y);
        if (action == "release") mouseUp(h(), 60, y);
        bar->paintTo(bitmap.canvas());
        const RECT now = bar->geometry().thumb;
        EXPECT_EQ(pixelAt(bitmap, now.left, now.top), c.frame) << c.action;
        EXPECT_EQ(pixelAt(bitmap, now.left + 3, now.top + 3), c.fill) << c.action;
    }
}

TEST_F(ScrollBar, TheRepeatRunsOnTheLoopsTimerFirstAfter500Ms) {
    const RECT button = bar->geometry().increaseButton;
    const int y = (button.top + button.bottom) / 2;
    mouseMove(h(), 9, y, false);
    const DWORD start = GetTickCount();
    mouseDown(h(), 9, y);
    EXPECT_EQ(bar->position(), 1) << "one step at once";
    ASSERT_TRUE(pumpUntil([&] { return bar->position() == 2; }, 3000));
    const DWORD second = GetTickCount() - start;
    EXPECT_GE(second, 500u) << "the first tick only switches to the fast rhythm";
    ASSERT_TRUE(pumpUntil([&] { return bar->position() == 5; }, 3000));
    const DWORD threeMore = GetTickCount() - start - second;
    EXPECT_GE(threeMore, 100u) << "every 50 ms, not faster";
    EXPECT_LT(threeMore, 1000u) << "and far quicker than the first wait";
    mouseUp(h(), 9, y);
    const int released = bar->position();
    pumpFor(120);
    EXPECT_EQ(bar->position(), released) << "releasing stops the repeat";
}

TEST_F(ScrollBar, LeavingClearsTheHotPartUnlessItIsHeld) {
    const RECT button = bar->geometry().decreaseButton;
    const int y = (button.top + button.bottom) / 2;
    struct Case {
        bool held;
        bool expectedHot;
    };
    const Case cases[] = {{false, false}, {true, true}};
    for (const Case& c : cases) {
        mouseMove(h(), 9, y, false);
        ASSERT_TRUE(bar->partHot(2));
        if (c.held) mouseDown(h(), 9, y);
        SendMessageW(h(), WM_MOUSELEAVE, 0, 0);
        EXPECT_EQ(bar->partHot(2), c.expectedHot) << (c.held ? "held" : "not held");
        if (c.held) mouseUp(h(), 9, 80);
        EXPECT_FALSE(bar->partPressed(2));
        EXPECT_FALSE(bar->partHot(2)) << "released away from the button";
    }
}

}  // namespace
}  // namespace vireltan
