// The caption objects' state machines as event sequences: each row is one event and what the frame
// must do after it, on the calculator skin's buttons and on a morphing button.
#include <gtest/gtest.h>

#include <string>

#include "CalculatorSkin.h"
#include "skin/FrameButtons.h"
#include "skin/WindowStates.h"

namespace vireltan {
namespace {

using testing::calculatorSkin;

enum class Ev { Enter, Leave, LeftDown, LeftUp, RightDown, RightUp, DblClick, MenuClosed };

struct Step {
    Ev event;
    // What the frame does after it.
    bool redraw, runCommand, popupMenu, closeWindow;
    ObjectEvent fired;
    // The state after it.
    bool active, down;
};

std::vector<FrameObject> calculatorObjects() {
    std::vector<FrameObject> objects = CreateSkinObjects(calculatorSkin());
    BorderIconSettings s;
    s.icons = {true, true, false, false, false};
    ApplyBorderIcons(objects, s);
    return objects;
}

ObjectReaction apply(std::vector<FrameObject>& objects, int index, Ev e) {
    FrameObject& o = objects[std::size_t(index)];
    const ObjectContext c;
    switch (e) {
        case Ev::Enter:
            return objectMouseEnter(o, c);
        case Ev::Leave:
            return objectMouseLeave(o, c);
        case Ev::LeftDown:
            return objectMouseDown(o, MouseButton::Left, c);
        case Ev::LeftUp:
            return objectMouseUp(o, MouseButton::Left, c);
        case Ev::RightDown:
            return objectMouseDown(o, MouseButton::Right, c);
        case Ev::RightUp:
            return objectMouseUp(o, MouseButton::Right, c);
        case Ev::DblClick:
            return objectDblClick(o);
        case Ev::MenuClosed: {
            ObjectReaction r;
            menuClosed(objects, r);
            return r;
        }
    }
    return {};
}

void run(const char* what, std::vector<FrameObject>& objects, int index, const std::vector<Step>& steps) {
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const Step& s = steps[i];
        SCOPED_TRACE(std::string(what) + ", step " + std::to_string(i));
        const ObjectReaction r = apply(objects, index, s.event);
        const FrameObject& o = objects[std::size_t(index)];
        EXPECT_EQ(r.redraw, s.redraw);
        EXPECT_EQ(r.runCommand, s.runCommand);
        EXPECT_EQ(r.popupMenu, s.popupMenu);
        EXPECT_EQ(r.closeWindow, s.closeWindow);
        EXPECT_EQ(r.event, s.fired);
        EXPECT_EQ(o.state.active, s.active);
        EXPECT_EQ(o.state.down, s.down);
    }
}

constexpr int kClose = 1, kSysMenu = 2, kMinimize = 3, kMaximize = 4;
using E = ObjectEvent;

TEST(FrameButtonsTest, CloseButtonRunsItsCommandOnlyOnReleaseOverIt) {
    std::vector<FrameObject> objects = calculatorObjects();
    ASSERT_EQ(objects[kClose].name, "closebutton");
    run("click", objects, kClose,
        {{Ev::Enter, true, false, false, false, E::Enter, true, false},
         {Ev::LeftDown, true, false, false, false, E::None, true, true},  // no down event for std buttons
         {Ev::LeftUp, true, true, false, false, E::Up, true, false},
         {Ev::Leave, true, false, false, false, E::Leave, false, false}});
    run("press, leave, release outside", objects, kClose,
        {{Ev::Enter, true, false, false, false, E::Enter, true, false},
         {Ev::LeftDown, true, false, false, false, E::None, true, true},
         {Ev::Leave, true, false, false, false, E::Leave, false, true},  // down outside: drawn normal
         {Ev::LeftUp, true, false, false, false, E::None, false, false}});
    run("press, leave, come back, release", objects, kClose,
        {{Ev::Enter, true, false, false, false, E::Enter, true, false},
         {Ev::LeftDown, true, false, false, false, E::None, true, true},
         {Ev::Leave, true, false, false, false, E::Leave, false, true},
         {Ev::Enter, true, false, false, false, E::Enter, true, true},  // down look again
         {Ev::LeftUp, true, true, false, false, E::Up, true, false}});
    run("the right button does nothing", objects, kClose,
        {{Ev::RightDown, false, false, false, false, E::None, true, false},
         {Ev::RightUp, false, false, false, false, E::Up, true, false}});
    const ObjectReaction up = [&] {
        objectMouseDown(objects[kClose], MouseButton::Left, {});
        return objectMouseUp(objects[kClose], MouseButton::Left, {});
    }();
    EXPECT_FALSE(up.commandFirst) << "cmclose: the button is released before the window closes";
}

TEST(FrameButtonsTest, SystemMenuButtonOpensOnPressAndReleasesWhenTheMenuCloses) {
    std::vector<FrameObject> objects = calculatorObjects();
    ASSERT_EQ(objects[kSysMenu].name, "sysmenubutton");
    run("press", objects, kSysMenu,
        {{Ev::Enter, true, false, false, false, E::Enter, true, false},
         {Ev::LeftDown, true, false, true, false, E::None, true, true},
         {Ev::LeftUp, false, false, false, false, E::Up, true, true},     // held while the menu is open
         {Ev::Leave, false, false, false, false, E::Leave, false, true},  // menu down: no redraw
         {Ev::MenuClosed, true, false, false, false, E::None, false, false},
         {Ev::DblClick, false, false, false, true, E::None, false, false}});
}

TEST(FrameButtonsTest, MinimizeAnimationPlaysOnHoverAndBackOnLeave) {
    std::vector<FrameObject> objects = calculatorObjects();
    FrameObject& min = objects[kMinimize];
    ASSERT_EQ(min.name, "minanimate");
    ASSERT_EQ(min.countFrames, 6);
    ASSERT_EQ(min.frameInterval, 25);
    const ObjectReaction enter = objectMouseEnter(min, {});
    EXPECT_TRUE(enter.startAnimate);
    std::vector<int> frames;
    TickResult t;
    for (int tick = 0; tick < 8; ++tick) {
        t = animateTick(objects);
        if (!t.keepRunning) break;
        frames.push_back(min.state.frame);
        EXPECT_EQ(t.redraw, std::vector<int>{kMinimize});
    }
    EXPECT_EQ(frames, (std::vector<int>{2, 3, 4, 5, 6}));  // one frame per 25 ms tick, then it stops
    EXPECT_FALSE(t.keepRunning);
    EXPECT_TRUE(objectMouseLeave(min, {}).startAnimate);
    frames.clear();
    for (int tick = 0; tick < 8; ++tick) {
        t = animateTick(objects);
        if (!t.keepRunning) break;
        frames.push_back(min.state.frame);
    }
    EXPECT_EQ(frames, (std::vector<int>{5, 4, 3, 2, 1}));
    EXPECT_FALSE(min.state.active);
}

TEST(FrameButtonsTest, AnimationRunsItsCommandOnReleaseOverIt) {
    std::vector<FrameObject> objects = calculatorObjects();
    FrameObject& min = objects[kMinimize];
    objectMouseEnter(min, {});
    const ObjectReaction down = objectMouseDown(min, MouseButton::Left, {});
    EXPECT_TRUE(down.redraw);
    EXPECT_EQ(down.event, E::Down);
    EXPECT_TRUE(min.state.pressed);
    EXPECT_EQ(min.state.frame, 6);
    EXPECT_FALSE(animateTick(objects).keepRunning) << "held at its down image while pressed";
    const ObjectReaction up = objectMouseUp(min, MouseButton::Left, {});
    EXPECT_TRUE(up.runCommand);
    EXPECT_TRUE(up.startAnimate);
    EXPECT_FALSE(min.state.pressed);

    objectMouseDown(min, MouseButton::Left, {});
    objectMouseLeave(min, {});
    EXPECT_FALSE(objectMouseUp(min, MouseButton::Left, {}).runCommand) << "released outside";
}

TEST(FrameButtonsTest, SlowerAnimationsWaitTheirInterval) {
    std::vector<FrameObject> objects = calculatorObjects();
    FrameObject& min = objects[kMinimize];
    min.frameInterval = 75;
    objectMouseEnter(min, {});
    std::vector<int> frames;
    for (int tick = 0; tick < 9; ++tick)
        frames.push_back(animateTick(objects).redraw.empty() ? 0 : min.state.frame);
    EXPECT_EQ(frames, (std::vector<int>{0, 0, 2, 0, 0, 3, 0, 0, 4}));
}

TEST(FrameButtonsTest, DisabledMaximizeNeverReacts) {
    std::vector<FrameObject> objects = calculatorObjects();
    FrameLayout layout;
    layout.objects = objects;
    updateFrameLayout(layout, calculatorSkin().FormInfo, 150, 150, 746, 411);
    EXPECT_FALSE(layout.objects[kMaximize].enabled);
    EXPECT_EQ(layout.objectAt({690, 12}), -1);
    EXPECT_EQ(trackActiveObject(layout, -1, -1, {690, 12}, true).enter, -1);
}

TEST(FrameButtonsTest, MorphTakesFiveStepsEachWay) {
    std::vector<FrameObject> objects = calculatorObjects();
    FrameObject& close = objects[kClose];
    close.morphing = true;
    const ObjectContext effects;
    EXPECT_TRUE(objectMouseEnter(close, effects).startMorph);
    int steps = 0;
    while (morphTick(objects, effects).keepRunning) ++steps;
    EXPECT_EQ(steps, 5);
    EXPECT_EQ(close.state.morph, 1.0);
    objectMouseLeave(close, effects);
    steps = 0;
    while (morphTick(objects, effects).keepRunning && steps < 10) ++steps;
    EXPECT_EQ(steps, 5);
    EXPECT_EQ(close.state.morph, 0.0);

    ObjectContext noEffects;
    noEffects.skinEffects = false;
    const ObjectReaction r = objectMouseEnter(close, noEffects);
    EXPECT_FALSE(r.startMorph);
    EXPECT_TRUE(r.redraw);
    EXPECT_FALSE(morphTick(objects, noEffects).keepRunning);
}

TEST(FrameButtonsTest, HoverStatesResetOnActivation) {
    std::vector<FrameObject> objects = calculatorObjects();
    objects[0].state.active = true;  // the caption: the window is active
    objectMouseEnter(objects[kClose], {});
    objects[kClose].state.morph = 0.4;
    objectMouseEnter(objects[kMinimize], {});
    animateTick(objects);
    resetHoverStates(objects);
    EXPECT_TRUE(objects[0].state.active);
    EXPECT_FALSE(objects[kClose].state.active);
    EXPECT_EQ(objects[kClose].state.morph, 0.0);
    EXPECT_FALSE(objects[kMinimize].state.active);
    EXPECT_EQ(objects[kMinimize].state.frame, 1);
}

TEST(FrameButtonsTest, CaptionFollowsTheWindowsActiveState) {
    std::vector<FrameObject> objects = calculatorObjects();
    ObjectReaction r;
    EXPECT_EQ(setCaptionActive(objects, true, true, false, {}, r), 0);
    EXPECT_TRUE(objects[0].state.active);
    EXPECT_TRUE(r.redraw);
    EXPECT_FALSE(r.startAnimate);
    r = {};
    EXPECT_EQ(setCaptionActive(objects, true, true, false, {}, r), -1) << "unchanged";
    // A caption that animates: 3 frames, played on activation.
    objects[0].countFrames = 3;
    r = {};
    setCaptionActive(objects, false, true, true, {}, r);
    setCaptionActive(objects, true, true, true, {}, r);
    EXPECT_TRUE(r.startAnimate);
    std::vector<int> frames;
    for (int tick = 0; tick < 6 && animateTick(objects).keepRunning; ++tick)
        frames.push_back(objects[0].state.frame);
    EXPECT_EQ(frames, (std::vector<int>{2, 3, 4}));
}

TEST(FrameButtonsTest, Commands) {
    const std::vector<FrameObject> objects = calculatorObjects();
    using C = FrameCommand;
    struct Case {
        int object;
        CommandState state;
        C command;
    };
    const Case cases[] = {
        {kClose, {}, C::Close},
        {kMinimize, {}, C::Minimize},
        {kMinimize, {false, true, false, false}, C::Restore},
        {kMinimize, {false, false, true, false}, C::SendToTray},
        {kMaximize, {}, C::Maximize},
        {kMaximize, {true, false, false, false}, C::Restore},
        {kSysMenu, {}, C::PopupSystemMenu},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DoCommand(objects[std::size_t(c.object)], c.state), c.command) << c.object;
    FrameObject custom = objects[kMinimize];
    custom.command = StdCommand::cmDefault;
    EXPECT_EQ(DoCommand(custom, {}), C::None);
    EXPECT_EQ(DoCommand(custom, {false, false, false, true}), C::PopupObjectMenu);
    custom.command = StdCommand::cmRollUp;
    EXPECT_EQ(DoCommand(custom, {}), C::ToggleRollUp);
    custom.command = StdCommand::cmMinimizeToTray;
    EXPECT_EQ(DoCommand(custom, {}), C::SendToTray);
}

TEST(FrameButtonsTest, CaptionDoubleClick) {
    using C = FrameCommand;
    struct Case {
        const char* what;
        CaptionDoubleClick c;
        C command;
    };
    const Case cases[] = {
        {"calculator: not sizeable, toggles roll-up (which needs biRollUp)",
         {false, false, false, false, false, false},
         C::ToggleRollUp},
        {"sizeable minimized", {true, true, false, false, false, true}, C::Restore},
        {"sizeable normal", {true, false, false, false, false, true}, C::Maximize},
        {"sizeable normal without biMaximize", {true, false, false, false, false, false}, C::ToggleRollUp},
        {"sizeable maximized", {true, false, true, false, false, true}, C::Restore},
        {"maximized, rolled up before", {true, false, true, true, true, true}, C::ToggleRollUp},
        {"rolled up", {true, false, false, true, false, true}, C::ToggleRollUp},
    };
    for (const Case& c : cases) EXPECT_EQ(captionDoubleClick(c.c), c.command) << c.what;
    // The roll-up itself does nothing without biRollUp: the calculator's double click changes nothing.
    FrameWindowModel m;
    EXPECT_FALSE(SetRollUpState(m, true, {false, 411, 35, 0}).changed);
}

TEST(FrameButtonsTest, SystemMenuAnchors) {
    FrameLayout layout;
    layout.objects = calculatorObjects();
    updateFrameLayout(layout, calculatorSkin().FormInfo, 150, 150, 746, 411);
    EXPECT_EQ(objectAnchor(layout.objects[kSysMenu], {100, -900}), (PixelRect{110, -890, 123, -877}));
    EXPECT_EQ(cursorAnchor({300, 20}), (PixelRect{300, 20, 300, 20}));
    EXPECT_EQ(altSpaceAnchors(layout, {0, 0}), (std::vector<PixelRect>{{10, 10, 23, 23}}));
    layout.objects[kSysMenu].enabled = false;
    EXPECT_TRUE(altSpaceAnchors(layout, {0, 0}).empty());
}

}  // namespace
}  // namespace vireltan
