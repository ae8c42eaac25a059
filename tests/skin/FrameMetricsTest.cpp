// Frame geometry, object placement, non-client size and size limits on the calculator's skin and on
// edited copies of its [FORMINFO].
#include <gtest/gtest.h>

#include "CalculatorSkin.h"
#include "skin/FrameMetrics.h"
#include "skin/FrameObjects.h"

namespace vireltan {
namespace {

using testing::calculatorSkin;

FrameLayout calculatorLayout(int w, int h) {
    const TbsSkinData& skin = calculatorSkin();
    FrameLayout layout;
    layout.objects = CreateSkinObjects(skin);
    BorderIconSettings icons;
    icons.icons = {true, true, false, false, false};  // the calculator's [biSystemMenu, biMinimize]
    ApplyBorderIcons(layout.objects, icons);
    updateFrameLayout(layout, skin.FormInfo, 150, 150, w, h);
    return layout;
}

const FrameObject& object(const FrameLayout& l, const char* name) {
    for (const FrameObject& o : l.objects) {
        if (o.name == name) return o;
    }
    ADD_FAILURE() << "no object " << name;
    return l.objects.front();
}

TEST(FrameMetricsTest, CalculatorWindowAt746x411) {
    const FrameLayout l = calculatorLayout(746, 411);
    const FrameMetrics& m = l.metrics;
    EXPECT_EQ(m.client, (PixelRect{5, 27, 741, 403}));
    EXPECT_EQ(m.client.width(), 736);
    EXPECT_EQ(m.client.height(), 376);
    EXPECT_EQ(m.caption, (PixelRect{28, 4, 681, 21}));
    EXPECT_EQ(m.buttons, (PixelRect{681, 5, 744, 26}));  // starts beyond half the picture: moves
    EXPECT_EQ(m.hitRightBottom, (PixelPoint{736, 401}));
    EXPECT_EQ(m.mask, (PixelRect{5, 3, 741, 406}));
    EXPECT_EQ(m.borderWidth, 3);

    struct Case {
        const char* name;
        PixelRect rect;
        bool enabled;
    };
    const Case cases[] = {
        {"caption", {28, 4, 681, 21}, true},       {"maxanimate", {681, 5, 700, 26}, false},
        {"closebutton", {704, 5, 721, 22}, true},  {"minanimate", {725, 5, 744, 26}, true},
        {"sysmenubutton", {10, 10, 23, 23}, true},
    };
    ASSERT_EQ(l.objects.size(), 5u);
    for (const Case& c : cases) {
        const FrameObject& o = object(l, c.name);
        EXPECT_EQ(o.rect, c.rect) << c.name;
        EXPECT_EQ(o.enabled, c.enabled) << c.name;
        EXPECT_TRUE(o.visible) << c.name << ": its image is part of the main picture";
    }
}

TEST(FrameMetricsTest, NonClientSizeAndLimitsOfTheCalculatorSkin) {
    const SkinFormInfo& form = calculatorSkin().FormInfo;
    const FrameInsets insets = skinFrameInsets(form, 150, 150);
    EXPECT_EQ(insets, (FrameInsets{5, 27, 5, 8}));
    EXPECT_EQ(ncCalcClientRect({100, 50, 846, 461}, insets), (PixelRect{105, 77, 841, 453}));
    const FrameSizeSettings none;
    EXPECT_EQ(MinFrameWidth(form, 150, none, {}), 150);
    EXPECT_EQ(MinFrameHeight(form, 150, none, {}), 35);
}

TEST(FrameMetricsTest, SizeLimitRules) {
    SkinFormInfo form = calculatorSkin().FormInfo;
    struct Case {
        const char* what;
        int formMinWidth;
        FrameSizeSettings s;
        FrameSizeState state;
        int minW, minH;
    };
    const Case cases[] = {
        {"MinWidth above the picture", 0, {300, 0, 0, 0}, {}, 300, 35},
        {"MinWidth below the picture is not used", 0, {100, 0, 0, 0}, {}, 150, 35},
        {"minimized ignores MinWidth", 0, {300, 0, 0, 0}, {true, false}, 150, 35},
        {"formminwidth", 200, {}, {}, 200, 35},
        {"MinHeight above the frame height", 0, {0, 80, 0, 0}, {}, 150, 80},
        {"rolled up keeps the frame height", 0, {0, 80, 0, 0}, {false, true}, 150, 35},
        {"minimized keeps the frame height", 0, {0, 80, 0, 0}, {true, false}, 150, 35},
    };
    for (const Case& c : cases) {
        form.formminwidth = c.formMinWidth;
        EXPECT_EQ(MinFrameWidth(form, 150, c.s, c.state), c.minW) << c.what;
        EXPECT_EQ(MinFrameHeight(form, 150, c.s, c.state), c.minH) << c.what;
    }
    EXPECT_EQ(MaxFrameExtent(1280, 0), 1280);
    EXPECT_EQ(MaxFrameExtent(1280, 800), 800);
    EXPECT_EQ(MaxFrameExtent(1280, 2000), 1280);
    // A window dragged below 150 x 35 is held there; the maximum is the work area, or MaxWidth.
    EXPECT_EQ(frameMinMax(150, 35, {0, 0, 1280, 994}, {}), (FrameMinMax{150, 35, 1280, 994}));
    EXPECT_EQ(frameMinMax(150, 35, {-1280, 0, 0, 1024}, {0, 0, 800, 0}), (FrameMinMax{150, 35, 800, 1024}));
}

TEST(FrameMetricsTest, PlainFrameMetrics) {
    EXPECT_EQ(plainFrameInsets(false), (FrameInsets{3, 22, 3, 3}));
    EXPECT_EQ(plainFrameInsets(true), (FrameInsets{3, 18, 3, 3}));
    EXPECT_EQ(ncCalcClientRect({0, 0, 300, 200}, plainFrameInsets(false)), (PixelRect{3, 22, 297, 197}));
    EXPECT_EQ(plainMinFrameWidth({}), 120);
    EXPECT_EQ(plainMinFrameWidth({90, 0, 0, 0}), 90);
    EXPECT_EQ(plainMinFrameHeight(false, {}, {}), 25);
    EXPECT_EQ(plainMinFrameHeight(true, {}, {}), 21);
    EXPECT_EQ(plainMinFrameHeight(false, {0, 60, 0, 0}, {}), 60);
    EXPECT_EQ(plainMinFrameHeight(false, {0, 60, 0, 0}, {false, true}), 25);
}

TEST(FrameMetricsTest, SizeWhenTheSkinIsApplied) {
    struct Case {
        const char* what;
        int w, h;
        FrameSizeState state;
        FrameSizeStep step;
    };
    const Case cases[] = {
        {"large enough: nudged", 746, 411, {}, {746, 411, true}},
        {"too small both ways", 100, 20, {}, {150, 35, false}},
        {"too low", 746, 20, {}, {746, 35, false}},
        {"too narrow", 100, 411, {}, {150, 411, false}},
        {"rolled up", 746, 411, {false, true}, {746, 35, true}},
        {"minimized", 746, 411, {true, false}, {150, 35, true}},
    };
    for (const Case& c : cases) EXPECT_EQ(frameSizeOnApply(c.w, c.h, 150, 35, c.state), c.step) << c.what;
}

TEST(FrameMetricsTest, ClientAreaNeverOfNegativeSize) {
    // A window narrower and lower than the frame: the client rectangle collapses onto its left/top.
    const FrameMetrics m = CalcFrameGeometry(calculatorSkin().FormInfo, 150, 150, 6, 20);
    EXPECT_EQ(m.client, (PixelRect{5, 27, 5, 27}));
    EXPECT_TRUE(m.client.empty());
    struct Case {
        PixelRect proposed;
        PixelRect client;
    };
    const Case cases[] = {
        {{0, 0, 8, 30}, {5, 27, 5, 27}},
        {{10, 10, 20, 100}, {15, 37, 15, 92}},
        {{-500, -300, -100, -200}, {-495, -273, -105, -208}},
    };
    for (const Case& c : cases) EXPECT_EQ(ncCalcClientRect(c.proposed, {5, 27, 5, 8}), c.client);
}

TEST(FrameMetricsTest, ObjectRectangleByCornerZones) {
    const FrameMetrics m =
        CalcFrameGeometry(calculatorSkin().FormInfo, 150, 150, 746, 411);  // dx 596, dy 261
    struct Case {
        const char* what;
        PixelRect in, out;
    };
    const Case cases[] = {
        {"LT stays", {10, 10, 23, 23}, {10, 10, 23, 23}},
        {"RT moves right", {108, 5, 125, 22}, {704, 5, 721, 22}},
        {"LB moves down", {1, 141, 5, 145}, {1, 402, 5, 406}},
        {"RB moves both ways", {130, 136, 140, 145}, {726, 397, 736, 406}},
        {"LT to RB grows both ways", {2, 2, 130, 140}, {2, 2, 726, 401}},
        {"LT to RT grows right", {28, 4, 85, 21}, {28, 4, 681, 21}},
        {"LB to RB grows right and moves down", {2, 142, 130, 145}, {2, 403, 726, 406}},
        {"LT to LB grows down", {1, 20, 5, 142}, {1, 20, 5, 403}},
        {"RT to RB moves right and grows down", {146, 20, 149, 140}, {742, 20, 745, 401}},
        {"in no zone: unchanged", {40, 60, 50, 70}, {40, 60, 50, 70}},
        {"reaching the picture edge is in no zone", {140, 0, 150, 10}, {140, 0, 150, 10}},
    };
    for (const Case& c : cases) EXPECT_EQ(CalcObjectRect(m, c.in), c.out) << c.what;
}

TEST(FrameMetricsTest, RegionRuleTable) {
    using A = FrameRegionAction;
    struct Case {
        FrameRegionInput in;
        A action;
    };
    const Case cases[] = {
        {{true, false, true, true, true, true}, A::Remove},         // border style none
        {{false, true, true, true, true, true}, A::Rectangle},      // maximized MDI child, 6.0+
        {{false, true, false, true, true, true}, A::Remove},        // maximized MDI child with a mask
        {{false, false, true, true, false, true}, A::Rectangle},    // no mask on 6.0+
        {{false, false, false, true, false, true}, A::Remove},      // no mask before 6.0
        {{false, false, true, false, true, true}, A::Remove},       // no skin
        {{false, false, true, true, true, false}, A::MaskPicture},  // not rebuilding
        {{false, false, true, true, true, true}, A::ComposedMask},  // the calculator
    };
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(frameRegionAction(cases[i].in), cases[i].action) << i;
}

TEST(FrameMetricsTest, ButtonsInARowFromTheRightAndTheLeft) {
    // Objects drawn from separate pictures are laid out in the buttons (or caption) rectangle.
    FrameMetrics m;
    m.caption = {20, 4, 300, 22};
    m.buttonsOffset = 2;
    auto button = [](const char* name, StdCommand c, int w, int h) {
        FrameObject o;
        o.kind = FrameObjectKind::StdButton;
        o.name = name;
        o.command = c;
        o.inAPicture = true;
        o.skinRect = {0, 0, w, h};
        return o;
    };
    FrameObject caption;
    caption.kind = FrameObjectKind::Caption;
    caption.skinRect = {20, 4, 30, 22};
    std::vector<FrameObject> objects = {
        caption, button("sys", StdCommand::cmSysMenu, 16, 16), button("min", StdCommand::cmMinimize, 18, 14),
        button("close", StdCommand::cmClose, 18, 14), button("custom", StdCommand::cmDefault, 10, 14)};
    LayoutObjects(objects, m);
    EXPECT_EQ(objects[3].rect, (PixelRect{282, 4, 300, 18}));  // close first
    EXPECT_EQ(objects[2].rect, (PixelRect{262, 4, 280, 18}));
    EXPECT_EQ(objects[4].rect, (PixelRect{250, 4, 260, 18}));
    EXPECT_EQ(objects[1].rect, (PixelRect{20, 5, 36, 21}));  // centred in the caption rectangle
    EXPECT_EQ(objects[0].rect, (PixelRect{36, 4, 250, 22}));

    m.buttonsInLeft = true;
    LayoutObjects(objects, m);
    EXPECT_EQ(objects[3].rect, (PixelRect{20, 4, 38, 18}));
    EXPECT_EQ(objects[2].rect, (PixelRect{40, 4, 58, 18}));
    EXPECT_EQ(objects[4].rect, (PixelRect{60, 4, 70, 18}));
    EXPECT_EQ(objects[1].rect, (PixelRect{72, 4, 88, 20}));  // joins the row: no buttons rectangle
    EXPECT_EQ(objects[0].rect.left, 92);
}

TEST(FrameMetricsTest, BorderIconsSwitchCommands) {
    std::vector<FrameObject> objects = CreateSkinObjects(calculatorSkin());
    struct Case {
        const char* what;
        TbsBorderIcons icons;
        bool hide;
        bool closeEnabled, sysEnabled, minEnabled, maxEnabled;
    };
    const Case cases[] = {
        {"calculator", {true, true, false, false, false}, false, true, true, true, false},
        {"all", {true, true, true, true, true}, false, true, true, true, true},
        {"none", {false, false, false, false, false}, false, true, false, false, false},
        {"HideCaptionButtons", {true, true, true, true, true}, true, false, false, false, false},
    };
    for (const Case& c : cases) {
        BorderIconSettings s;
        s.icons = c.icons;
        s.HideCaptionButtons = c.hide;
        for (FrameObject& o : objects) o.enabled = o.visible = true;
        ApplyBorderIcons(objects, s);
        EXPECT_EQ(objects[1].enabled, c.closeEnabled) << c.what;
        EXPECT_EQ(objects[2].enabled, c.sysEnabled) << c.what;
        EXPECT_EQ(objects[3].enabled, c.minEnabled) << c.what;
        EXPECT_EQ(objects[4].enabled, c.maxEnabled) << c.what;
        for (const FrameObject& o : objects) EXPECT_TRUE(o.visible) << c.what << " " << o.name;
        EXPECT_EQ(objects[1].hint, "Close");
        EXPECT_EQ(objects[2].hint, "System menu");
        EXPECT_EQ(objects[3].hint, "Minimize");
    }
    // Buttons from separate pictures disappear when disabled; custom ones ask the form.
    std::vector<FrameObject> row = createPlainButtons();
    BorderIconSettings s;
    s.icons = {true, true, false, false, false};
    ApplyBorderIcons(row, s);
    const bool expected[] = {true, false, true, false, true, false};  // close max min rollup sys tray
    for (std::size_t i = 0; i < row.size(); ++i) EXPECT_EQ(row[i].visible, expected[i]) << row[i].name;
    EXPECT_EQ(row[0].hint, "") << "plain buttons keep no skin hint";
}

// Every object carries its hint text (there is no hint window to show it): a command's default
// text with UseDefaultObjectHint, else the skin's own, and a cmdefault object always the skin's.
TEST(FrameMetricsTest, EveryObjectCarriesItsHint) {
    struct Case {
        StdCommand command;
        FrameObjectKind kind;
        bool useDefault;
        const char* expected;
    };
    const Case cases[] = {
        {StdCommand::cmClose, FrameObjectKind::StdButton, true, "Close"},
        {StdCommand::cmMaximize, FrameObjectKind::Animate, true, "Maximize"},
        {StdCommand::cmMinimize, FrameObjectKind::Animate, true, "Minimize"},
        {StdCommand::cmSysMenu, FrameObjectKind::StdButton, true, "System menu"},
        {StdCommand::cmRollUp, FrameObjectKind::StdButton, true, "Roll Up"},
        {StdCommand::cmMinimizeToTray, FrameObjectKind::StdButton, true, "Minimize to Tray"},
        {StdCommand::cmDefault, FrameObjectKind::StdButton, true, "the skin's"},
        {StdCommand::cmClose, FrameObjectKind::StdButton, false, "the skin's"},
        {StdCommand::cmSysMenu, FrameObjectKind::Animate, false, "the skin's"},
    };
    for (const Case& c : cases) {
        FrameObject o;
        o.kind = c.kind;
        o.command = c.command;
        o.buttonStyle = true;
        o.hint = "the skin's";
        std::vector<FrameObject> objects{o};
        BorderIconSettings s;
        s.icons = {true, true, true, true, true};
        s.UseDefaultObjectHint = c.useDefault;
        ApplyBorderIcons(objects, s);
        EXPECT_EQ(objects[0].hint, c.expected) << int(c.command) << " default " << c.useDefault;
    }
    // The calculator skin's objects: none without a hint.
    std::vector<FrameObject> objects = CreateSkinObjects(testing::calculatorSkin());
    BorderIconSettings s;
    s.icons = {true, true, false, false, false};
    ApplyBorderIcons(objects, s);
    for (const FrameObject& o : objects) {
        if (o.kind != FrameObjectKind::Caption) {
            EXPECT_FALSE(o.hint.empty()) << o.name;
        }
    }
}

}  // namespace
}  // namespace vireltan
