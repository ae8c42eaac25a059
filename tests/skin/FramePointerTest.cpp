// Pointer tracking and the mouse dispatch to the calculator frame's objects, as message sequences.
#include <gtest/gtest.h>

#include "CalculatorSkin.h"
#include "skin/FramePointer.h"

namespace vireltan {
namespace {

using testing::calculatorSkin;

constexpr int kCaption = 0, kClose = 1, kSysMenu = 2, kMinimize = 3;
constexpr PixelPoint kOnClose{712, 12}, kOnCaption{300, 10}, kInClient{370, 200};

FrameLayout calculatorLayout() {
    FrameLayout layout;
    layout.objects = CreateSkinObjects(calculatorSkin());
    BorderIconSettings icons;
    icons.icons = {true, true, false, false, false};
    ApplyBorderIcons(layout.objects, icons);
    updateFrameLayout(layout, calculatorSkin().FormInfo, 150, 150, 746, 411);
    return layout;
}

std::vector<std::pair<int, ObjectEvent>> events(const PointerResult& r) {
    std::vector<std::pair<int, ObjectEvent>> out;
    for (const auto& [object, reaction] : r.reactions) out.push_back({object, reaction.event});
    return out;
}

using Events = std::vector<std::pair<int, ObjectEvent>>;
const ObjectContext kContext;

TEST(FramePointerTest, ClickOnCloseClosesTheWindow) {
    FrameLayout l = calculatorLayout();
    FramePointer p;
    EXPECT_EQ(events(p.track(l, kOnClose, true, true, kContext)), (Events{{kClose, ObjectEvent::Enter}}));
    const PointerResult down =
        p.ncButtonDown(l, kOnClose, MouseButton::Left, FrameHit::Object, true, kContext);
    EXPECT_TRUE(down.setCapture);
    EXPECT_EQ(p.captured, kClose);
    EXPECT_EQ(events(p.ncMouseMove(l, {713, 13})), (Events{{kClose, ObjectEvent::Move}}));
    const PointerResult up = p.ncButtonUp(l, {713, 13}, MouseButton::Left, kContext);
    EXPECT_TRUE(up.releaseCapture);
    ASSERT_EQ(up.reactions.size(), 1u);
    EXPECT_TRUE(up.reactions[0].second.runCommand);
    EXPECT_EQ(up.point, (PixelPoint{713, 13})) << "window-relative";
    EXPECT_EQ(DoCommand(l.objects[kClose], {}), FrameCommand::Close);
    EXPECT_EQ(p.captured, -1);
}

TEST(FramePointerTest, PressOnCloseReleasedOverTheClientArea) {
    FrameLayout l = calculatorLayout();
    FramePointer p;
    p.ncButtonDown(l, kOnClose, MouseButton::Left, FrameHit::Object, true, kContext);
    // The pointer leaves for the client area: the timer finds no object there.
    EXPECT_EQ(events(p.trackTimer(l, kInClient, true, kContext)), (Events{{kClose, ObjectEvent::Leave}}));
    const PointerResult up = p.clientButtonUp(l, MouseButton::Left, kContext);
    EXPECT_EQ(up.point, (PixelPoint{-1, -1}));
    EXPECT_TRUE(up.releaseCapture);
    ASSERT_EQ(up.reactions.size(), 1u);
    EXPECT_FALSE(up.reactions[0].second.runCommand) << "released outside: the window stays open";
    EXPECT_FALSE(l.objects[kClose].state.down) << "back to its normal look";
}

TEST(FramePointerTest, RightClicks) {
    FrameLayout l = calculatorLayout();
    FramePointer p;
    const PointerResult caption =
        p.ncButtonDown(l, kOnCaption, MouseButton::Right, FrameHit::Caption, true, kContext);
    EXPECT_TRUE(caption.systemMenuAtCursor);
    EXPECT_FALSE(caption.setCapture) << "the caption object never takes the capture";
    EXPECT_EQ(p.captured, -1);
    const PointerResult button =
        p.ncButtonDown(l, kOnClose, MouseButton::Right, FrameHit::Object, true, kContext);
    EXPECT_FALSE(button.systemMenuAtCursor);
    EXPECT_EQ(p.captured, kClose);
    const PointerResult up = p.ncButtonUp(l, kOnClose, MouseButton::Right, kContext);
    ASSERT_EQ(up.reactions.size(), 1u);
    EXPECT_EQ(up.reactions[0].second.event, ObjectEvent::Up);
    EXPECT_FALSE(up.reactions[0].second.runCommand);
}

TEST(FramePointerTest, CaptionDoubleClickInTheCalculatorDoesNothing) {
    FrameLayout l = calculatorLayout();
    FramePointer p;
    const PointerResult r =
        p.ncDoubleClick(l, kOnCaption, MouseButton::Left, FrameHit::Caption, {}, true, kContext);
    EXPECT_EQ(r.captionCommand, FrameCommand::ToggleRollUp);  // and the roll-up needs biRollUp
    EXPECT_EQ(p.captured, -1);
    const PointerResult sys =
        p.ncDoubleClick(l, {15, 15}, MouseButton::Left, FrameHit::Object, {}, true, kContext);
    ASSERT_FALSE(sys.reactions.empty());
    EXPECT_TRUE(sys.reactions.back().second.closeWindow) << "double click on the system-menu button";
    EXPECT_EQ(sys.reactions.back().first, kSysMenu);
}

TEST(FramePointerTest, SizeMoveLoopAndInactiveFrame) {
    FrameLayout l = calculatorLayout();
    FramePointer p;
    p.track(l, {730, 12}, true, true, kContext);
    EXPECT_EQ(p.active, kMinimize);
    p.enterSizeMove(l);
    EXPECT_EQ(p.active, -1);
    EXPECT_FALSE(l.objects[kMinimize].state.active);
    EXPECT_TRUE(p.trackTimer(l, kOnClose, true, kContext).stopTrackTimer);
    // The press that started the loop arrives after it: nothing happens.
    EXPECT_TRUE(p.ncButtonDown(l, kOnCaption, MouseButton::Left, FrameHit::Caption, true, kContext)
                    .reactions.empty());
    EXPECT_FALSE(p.inSizeMove);
    EXPECT_TRUE(p.track(l, kOnClose, true, false, kContext).reactions.empty()) << "only while active";
    EXPECT_EQ(events(p.track(l, kOnCaption, true, true, kContext)), (Events{{kCaption, ObjectEvent::Enter}}));
    p.forget();
    EXPECT_EQ(p.active, -1);
    EXPECT_EQ(p.previous, -1);
}

}  // namespace
}  // namespace vireltan
