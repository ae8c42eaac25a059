// The group box and panel without a skin: the plain image, the client rectangle its aligned
// children fill, the caption's alignment, the check box and roll-up in the caption, and the
// skinned-control base's look-up rules.
#include "controls/GroupBox.h"

#include "../skin/SkinTestSupport.h"
#include "ControlTestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace vireltan {
namespace {

using namespace vireltan::testing;

const FontDescription kFontC{"Arial", 14, 0, clWindowText};

struct GroupBoxFixture : ::testing::Test {
    HostForm host{800, 500};
    TbsSkinGroupBox* box = nullptr;
    TBitmap shot;
    void SetUp() override {
        box = new TbsSkinGroupBox(host.form);
        box->setParent(host.form);
        box->setBounds(8, 8, 185, 201);
        box->setDefaultFont(kFontC);
    }
    void render() { renderClient(*box, shot); }
    void clickAt(int x, int y) {
        const LPARAM at = MAKELPARAM(x, y);
        SendMessageW(box->handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(box->handle(), WM_LBUTTONUP, 0, at);
    }
};

using GroupBox = GroupBoxFixture;

TEST_F(GroupBox, DesignDefaults) {
    EXPECT_EQ(box->SkinDataName(), "groupbox");
    EXPECT_TRUE(box->CaptionMode());
    EXPECT_EQ(box->DefaultCaptionHeight(), 22);
    EXPECT_EQ(box->BorderStyle(), TbsSkinBorderStyle::bvFrame);
    EXPECT_EQ(box->definitionIndex(), -1);
    TbsSkinPanel panel(nullptr);
    EXPECT_EQ(panel.SkinDataName(), "panel");
    EXPECT_FALSE(panel.CaptionMode());
    EXPECT_EQ(panel.width(), 150);
    EXPECT_EQ(panel.height(), 150);
    TbsSkinGroupBox fresh(nullptr);
    EXPECT_EQ(fresh.width(), 150);
    EXPECT_EQ(fresh.height(), 150);
}

TEST_F(GroupBox, ClientAlignedChildFillsTheAdjustedClientRect) {
    struct Case {
        bool captionMode;
        TbsSkinBorderStyle border;
        int captionHeight;
        int width, height;
        RECT expected;
    };
    const Case cases[] = {
        {true, TbsSkinBorderStyle::bvFrame, 22, 185, 201, {1, 23, 184, 200}},
        {true, TbsSkinBorderStyle::bvFrame, 22, 113, 90, {1, 23, 112, 89}},
        {true, TbsSkinBorderStyle::bvRaised, 30, 100, 80, {1, 31, 99, 79}},
        {false, TbsSkinBorderStyle::bvLowered, 22, 100, 80, {1, 1, 99, 79}},
        {true, TbsSkinBorderStyle::bvNone, 22, 100, 80, {0, 22, 100, 80}},
        {false, TbsSkinBorderStyle::bvNone, 22, 100, 80, {0, 0, 100, 80}},
    };
    auto* child = new TbsSkinStdLabel(host.form);
    child->setAutoSize(false);
    child->setParent(box);
    box->setChildAlign(*child, TAlign::alClient);
    for (const Case& c : cases) {
        box->setCaptionMode(c.captionMode);
        box->setBorderStyle(c.border);
        box->setDefaultCaptionHeight(c.captionHeight);
        box->setBounds(8, 8, c.width, c.height);
        RECT adjusted{};
        box->AdjustClientRect(adjusted);
        EXPECT_TRUE(EqualRect(&adjusted, &c.expected)) << c.width << "x" << c.height;
        const RECT bounds = child->boundsRect();
        EXPECT_TRUE(EqualRect(&bounds, &c.expected))
            << bounds.left << "," << bounds.top << "," << bounds.right << "," << bounds.bottom;
    }
    box->setChildAlign(*child, TAlign::alNone);
    box->setBounds(8, 8, 300, 300);
    EXPECT_EQ(child->width(), 100);  // no longer placed
}

TEST_F(GroupBox, PlainImageOfTheFrameAndCaptionBar) {
    box->setCaption("Önizleme");
    render();
    saveShot(shot, "groupbox-plain");
    const COLORREF shadow = sys(COLOR_BTNSHADOW), light = sys(COLOR_BTNHIGHLIGHT), face = sys(COLOR_BTNFACE);
    struct Case {
        int x, y;
        COLORREF expected;
        const char* where;
    };
    const Case cases[] = {
        {0, 0, shadow, "outer corner"},
        {184, 200, shadow, "outer bottom right"},
        {0, 100, shadow, "left edge"},
        {184, 100, shadow, "right edge"},
        {92, 200, shadow, "bottom edge"},
        {92, 21, shadow, "caption bar bottom"},
        {1, 1, light, "caption bar inner top left"},
        {100, 1, light, "caption bar inner top"},
        {1, 10, light, "caption bar inner left"},
        {183, 10, face, "caption bar inner right"},
        {100, 20, face, "caption bar inner bottom"},
        {1, 22, face, "client area top left"},
        {92, 100, face, "client area"},
        {183, 199, face, "client area bottom right"},
    };
    for (const Case& c : cases) EXPECT_EQ(pixelAt(shot, c.x, c.y), c.expected) << c.where;
    // The caption inside the bar, from R.left + 2, centred vertically in R = (2, 2, W-2, 20).
    const InkBox ink = inkBox(shot, RECT{2, 2, 183, 20}, face);
    ASSERT_FALSE(ink.empty());
    EXPECT_GE(ink.left, 4);
    EXPECT_LE(ink.left, 6);
    EXPECT_NEAR(ink.centreY2(), 2 + 20, 6);
}

// The frame over the whole control and the caption bar, for every border style, with and without
// the caption bar. Expected colours: 'S' shadow, 'H' highlight, 'F' face.
TEST_F(GroupBox, PlainImageForEveryBorderStyle) {
    struct Point {
        int x, y;
        char colour;
    };
    struct Case {
        TbsSkinBorderStyle border;
        bool captionMode;
        std::vector<Point> points;
        int captionLeft;  // where the caption text may start at the earliest: R.left + 2
    };
    constexpr int W = 185, H = 201;
    const Case cases[] = {
        {TbsSkinBorderStyle::bvRaised,
         true,
         {{0, 100, 'H'},
          {100, H - 1, 'S'},
          {W - 1, 100, 'S'},
          {0, H - 1, 'S'},
          // outer bar frame (1, 1, W - 1, 22): shadow top-left, highlight bottom-right
          {1, 1, 'S'},
          {1, 12, 'S'},
          {100, 1, 'S'},
          {W - 2, 12, 'H'},
          {100, 21, 'H'},
          // inner bar frame (2, 2, W - 2, 21): highlight top-left, shadow bottom-right
          {2, 2, 'H'},
          {100, 2, 'H'},
          {2, 12, 'H'},
          {W - 3, 12, 'S'},
          {100, 20, 'S'},
          {100, 100, 'F'},
          {100, 22, 'F'}},
         5},
        {TbsSkinBorderStyle::bvLowered,
         true,
         {{0, 0, 'S'},
          {0, 100, 'S'},
          {100, 0, 'S'},
          {100, H - 1, 'H'},
          {W - 1, 100, 'H'},
          {1, 1, 'S'},
          {W - 2, 12, 'H'},
          {100, 21, 'H'},
          {2, 2, 'H'},
          {W - 3, 12, 'S'},
          {100, 20, 'S'},
          {100, 100, 'F'}},
         5},
        {TbsSkinBorderStyle::bvNone,
         true,
         {{0, 0, 'F'},
          {0, 100, 'F'},
          {W - 1, 100, 'F'},
          {100, H - 1, 'F'},
          {1, 1, 'S'},
          {W - 2, 12, 'H'},
          {2, 2, 'H'},
          {W - 3, 12, 'S'},
          {100, 100, 'F'}},
         5},
        {TbsSkinBorderStyle::bvRaised,
         false,
         {{0, 0, 'H'}, {W - 1, 100, 'S'}, {1, 1, 'F'}, {100, 21, 'F'}, {2, 2, 'F'}, {100, 100, 'F'}},
         -1},
        {TbsSkinBorderStyle::bvFrame,
         false,
         {{0, 0, 'S'}, {0, 100, 'S'}, {W - 1, H - 1, 'S'}, {1, 1, 'F'}, {100, 21, 'F'}, {100, 100, 'F'}},
         -1},
    };
    const auto colour = [](char which) {
        return which == 'S'   ? sys(COLOR_BTNSHADOW)
               : which == 'H' ? sys(COLOR_BTNHIGHLIGHT)
                              : sys(COLOR_BTNFACE);
    };
    box->setCaption("Direnç");
    for (const Case& c : cases) {
        box->setBorderStyle(c.border);
        box->setCaptionMode(c.captionMode);
        render();
        saveShot(shot, "groupbox-border-" + std::to_string(static_cast<int>(c.border)) + "-" +
                           std::to_string(c.captionMode));
        const std::string name = std::to_string(static_cast<int>(c.border)) + (c.captionMode ? " bar" : "");
        for (const Point& p : c.points)
            EXPECT_EQ(pixelAt(shot, p.x, p.y), colour(p.colour)) << name << " at " << p.x << "," << p.y;
        const InkBox ink = inkBox(shot, RECT{3, 3, W - 3, 20}, sys(COLOR_BTNFACE));
        if (c.captionLeft < 0) {
            EXPECT_TRUE(ink.empty()) << name;  // no caption bar, no caption
        } else {
            ASSERT_FALSE(ink.empty()) << name;
            EXPECT_GE(ink.left, c.captionLeft) << name;
            EXPECT_LE(ink.left, c.captionLeft + 2) << name;
        }
    }
}

// The roll-up arrow sits in the 10 pixels at the right end of the caption: pointing up while the
// box is down, pointing down while it is rolled up.
TEST_F(GroupBox, RollUpArrowPointsTheWayTheBoxWillGo) {
    struct Case {
        bool rolledUp;
        bool widestRowFirst;
    };
    const Case cases[] = {{false, false}, {true, true}};
    box->setCaption("Önizleme");
    box->setRollUpMode(true);
    const RECT arrowBox{185 - 2 - 10, 2, 185 - 2, 20};
    for (const Case& c : cases) {
        box->setRollUpState(c.rolledUp);
        render();
        saveShot(shot, std::string("groupbox-arrow-") + (c.rolledUp ? "down" : "up"));
        std::vector<int> rows;
        for (int y = arrowBox.top; y < arrowBox.bottom; ++y) {
            const int count =
                countColour(shot, RECT{arrowBox.left, y, arrowBox.right, y + 1}, sys(COLOR_BTNTEXT));
            if (count > 0) rows.push_back(count);
        }
        ASSERT_EQ(rows.size(), 4u) << c.rolledUp;
        EXPECT_EQ(c.rolledUp ? rows.front() : rows.back(), 7) << c.rolledUp;
        EXPECT_EQ(c.rolledUp ? rows.back() : rows.front(), 1) << c.rolledUp;
    }
}

// Each setter that changes the plain client rectangle places the aligned children again at once.
TEST_F(GroupBox, SettersRealignTheChildrenAtOnce) {
    struct Case {
        const char* what;
        std::function<void(TbsSkinGroupBox&)> change;
        RECT expected;
    };
    const Case cases[] = {
        {"caption height 30", [](TbsSkinGroupBox& b) { b.setDefaultCaptionHeight(30); }, {1, 31, 184, 200}},
        {"no border",
         [](TbsSkinGroupBox& b) { b.setBorderStyle(TbsSkinBorderStyle::bvNone); },
         {0, 30, 185, 201}},
        {"no caption bar", [](TbsSkinGroupBox& b) { b.setCaptionMode(false); }, {0, 0, 185, 201}},
        {"raised border",
         [](TbsSkinGroupBox& b) { b.setBorderStyle(TbsSkinBorderStyle::bvRaised); },
         {1, 1, 184, 200}},
        {"caption bar again", [](TbsSkinGroupBox& b) { b.setCaptionMode(true); }, {1, 31, 184, 200}},
    };
    auto* child = new TbsSkinStdLabel(host.form);
    child->setAutoSize(false);
    child->setParent(box);
    box->setChildAlign(*child, TAlign::alClient);
    for (const Case& c : cases) {
        c.change(*box);
        const RECT bounds = child->boundsRect();
        EXPECT_TRUE(EqualRect(&bounds, &c.expected)) << c.what << ": " << bounds.left << "," << bounds.top
                                                     << "," << bounds.right << "," << bounds.bottom;
    }
}

// Property changes that alter the plain image ask for a repaint.
TEST_F(GroupBox, ChangesThatAlterThePlainImageRepaint) {
    struct Case {
        const char* what;
        std::function<void(TbsSkinGroupBox&)> change;
    };
    const Case cases[] = {
        {"caption", [](TbsSkinGroupBox& b) { b.setCaption("Gerilim"); }},
        {"alignment", [](TbsSkinGroupBox& b) { b.setDefaultAlignment(TAlignment::taCenter); }},
        {"caption height", [](TbsSkinGroupBox& b) { b.setDefaultCaptionHeight(26); }},
        {"border", [](TbsSkinGroupBox& b) { b.setBorderStyle(TbsSkinBorderStyle::bvLowered); }},
        {"roll-up mode", [](TbsSkinGroupBox& b) { b.setRollUpMode(true); }},
        {"checked mode", [](TbsSkinGroupBox& b) { b.setCheckedMode(true); }},
        {"disabled", [](TbsSkinGroupBox& b) { b.setEnabled(false); }},
        {"enabled", [](TbsSkinGroupBox& b) { b.setEnabled(true); }},
        {"caption mode", [](TbsSkinGroupBox& b) { b.setCaptionMode(false); }},
        {"bounds", [](TbsSkinGroupBox& b) { b.setBounds(8, 8, 190, 180); }},
    };
    box->setCaption("Önizleme");
    for (const Case& c : cases) {
        pumpFor(20);
        UpdateWindow(box->handle());
        RECT pending{};
        ASSERT_FALSE(GetUpdateRect(box->handle(), &pending, FALSE)) << c.what;
        c.change(*box);
        EXPECT_TRUE(GetUpdateRect(box->handle(), &pending, FALSE)) << c.what;
    }
}

// Rolling up lifts the size limits, which would keep the box from shrinking to its caption; rolling
// down brings back the height and the limits exactly.
TEST_F(GroupBox, RollUpAndDownRestoresHeightAndConstraints) {
    const TSizeConstraints limits{100, 150, 300, 250};
    box->setConstraints(limits);
    box->setBounds(8, 8, 185, 100);  // below the least height: held at 150
    EXPECT_EQ(box->height(), 150);
    box->setBounds(8, 8, 185, 201);

    box->setRollUpState(true);  // without RollUpMode: nothing, and the limits stay
    EXPECT_FALSE(box->RollUpState());
    EXPECT_EQ(box->Constraints(), limits);

    box->setRollUpMode(true);
    box->setRollUpState(true);
    EXPECT_EQ(box->height(), 23);
    EXPECT_EQ(box->Constraints(), TSizeConstraints{});
    box->setRollUpState(false);
    EXPECT_EQ(box->height(), 201);
    EXPECT_EQ(box->RealHeight(), -1);
    EXPECT_EQ(box->Constraints(), limits);
    // A second round trip ends in the same place.
    box->setRollUpState(true);
    box->setRollUpState(false);
    EXPECT_EQ(box->height(), 201);
    EXPECT_EQ(box->Constraints(), limits);
}

TEST_F(GroupBox, CaptionAlignment) {
    struct Case {
        TAlignment alignment;
        int expectedCentreX2;  // twice the centre of the caption text, from the rule
    };
    TFont font(kFontC);
    const SIZE text = textSize(font.handle(), L"Direnç");
    const int rw = 185 - 4;
    const Case cases[] = {
        {TAlignment::taLeftJustify, 2 * (4) + text.cx},
        {TAlignment::taCenter, 2 * (2 + 2 + rw / 2 - text.cx / 2) + text.cx},
        {TAlignment::taRightJustify, 2 * (183 - text.cx) + text.cx},
    };
    box->setCaption("Direnç");
    for (const Case& c : cases) {
        box->setDefaultAlignment(c.alignment);
        render();
        const InkBox ink = inkBox(shot, RECT{2, 2, 183, 20}, sys(COLOR_BTNFACE));
        ASSERT_FALSE(ink.empty());
        EXPECT_NEAR(ink.centreX2(), c.expectedCentreX2, 4) << static_cast<int>(c.alignment);
    }
}

TEST_F(GroupBox, EmptyCaptionDrawsNoText) {
    box->setCaption("");
    render();
    EXPECT_TRUE(inkBox(shot, RECT{2, 2, 183, 20}, sys(COLOR_BTNFACE)).empty());
}

TEST_F(GroupBox, CheckBoxInTheCaptionTogglesAndEnablesChildren) {
    auto* child = new TbsSkinStdLabel(host.form);
    child->setParent(box);
    child->setBounds(10, 40, 30, 13);
    auto* other = new TbsSkinGroupBox(host.form);
    other->setParent(box);
    other->setBounds(10, 60, 100, 100);
    int checkedEvents = 0;
    box->OnChecked = [&] { ++checkedEvents; };
    box->setCheckedMode(true);
    box->setChecked(true);
    render();
    saveShot(shot, "groupbox-checked");
    // The 14 x 14 box at x = 5, centred in R = (22, 2, W-2, 20): top = 2 + 9 - 7 = 4.
    EXPECT_EQ(pixelAt(shot, 5, 4), sys(COLOR_BTNSHADOW));
    EXPECT_EQ(pixelAt(shot, 18, 17), sys(COLOR_BTNSHADOW));
    EXPECT_GT(countColour(shot, RECT{6, 5, 18, 17}, sys(COLOR_BTNTEXT)), 10);  // the check mark

    struct Case {
        int x, y;
        bool expectedChecked;
    };
    const Case cases[] = {
        {50, 10, false},  // on the caption: toggles
        {50, 10, true},   // and back
        {50, 100, true},  // below the caption: nothing
        {0, 10, true},    // on the outer frame: outside (1, 1, W-1, 22)
    };
    int expectedEvents = 1;
    for (const Case& c : cases) {
        const bool before = box->Checked();
        clickAt(c.x, c.y);
        if (before != c.expectedChecked) ++expectedEvents;
        EXPECT_EQ(box->Checked(), c.expectedChecked) << c.x << "," << c.y;
        EXPECT_EQ(child->enabled(), c.expectedChecked);
        EXPECT_EQ(other->enabled(), c.expectedChecked);
        EXPECT_EQ(checkedEvents, expectedEvents);
    }
    box->setChecked(false);
    render();
    EXPECT_EQ(countColour(shot, RECT{6, 5, 18, 17}, sys(COLOR_BTNTEXT)), 0);
}

// The children follow the check box only with AutoEnabledControls, and only in CheckedMode.
TEST_F(GroupBox, ChildrenFollowTheCheckBoxOnlyWhenAskedTo) {
    struct Case {
        bool checkedMode, autoEnabled;
        bool childEnabledAfterUnchecking;
    };
    const Case cases[] = {{true, true, false}, {true, false, true}, {false, true, true}};
    for (const Case& c : cases) {
        auto* child = new TbsSkinStdLabel(host.form);
        child->setParent(box);
        child->setBounds(10, 40, 30, 13);
        box->setCheckedMode(c.checkedMode);
        box->setAutoEnabledControls(c.autoEnabled);
        box->setChecked(true);
        child->setEnabled(true);
        box->setChecked(false);
        EXPECT_EQ(child->enabled(), c.childEnabledAfterUnchecking) << c.checkedMode << c.autoEnabled;
        delete child;
    }
}

TEST_F(GroupBox, RollUpToTheCaptionAndBack) {
    auto* child = new TbsSkinStdLabel(host.form);
    child->setParent(box);
    child->setBounds(10, 40, 30, 13);
    int events = 0;
    box->OnChangeRollUpState = [&] { ++events; };
    box->setRollUpState(true);  // without RollUpMode it stays down
    EXPECT_FALSE(box->RollUpState());
    EXPECT_EQ(box->height(), 201);

    box->setRollUpMode(true);
    clickAt(60, 10);
    EXPECT_TRUE(box->RollUpState());
    EXPECT_EQ(box->height(), 23);
    EXPECT_EQ(box->RealHeight(), 201);
    EXPECT_FALSE(child->visible());
    render();
    saveShot(shot, "groupbox-rolledup");
    clickAt(60, 10);
    EXPECT_FALSE(box->RollUpState());
    EXPECT_EQ(box->height(), 201);
    EXPECT_EQ(box->RealHeight(), -1);
    EXPECT_TRUE(child->visible());
    EXPECT_EQ(events, 2);
}

TEST_F(GroupBox, LooksUpItsDefinitionByExactName) {
    TbsSkinData skin;
    box->setSkinData(&skin);  // an empty skin is only remembered
    EXPECT_EQ(box->SkinData(), &skin);
    EXPECT_EQ(box->definitionIndex(), -1);

    skin.LoadStoredSkin(storedSkinOf(writeSkinContainer([] {
        SkinContainer c;
        c.text = minimalSkinText();
        c.text.replace(c.text.find("[SKINCONTROLS]\r\ncount=0"), 23,
                       "[SKINCONTROLS]\r\ncount=2\r\n0=panel:panel\r\n1=groupbox:panel");
        c.text +=
            "[groupbox]\r\nskinrect=0,0,59,52\r\nclientrect=2,17,57,50\r\nlefttoppoint=5,17\r\n"
            "righttoppoint=52,17\r\nleftbottompoint=5,47\r\nrightbottompoint=52,47\r\n";
        return c;
    }())));
    ASSERT_FALSE(skin.SkinEmpty());
    struct Case {
        std::string name;
        int expected;
    };
    const Case cases[] = {
        {"groupbox", skin.FindControlDefinition("groupbox")}, {"GroupBox", -1}, {"nothing", -1}};
    ASSERT_GE(cases[0].expected, 0);
    for (const Case& c : cases) {
        box->setSkinDataName(c.name);
        box->ApplySkin();
        EXPECT_EQ(box->definitionIndex(), c.expected) << c.name;
    }
    box->setSkinDataName("groupbox");
    skinChangeToControls(*host.form, BSM_BEFORECHANGE, &skin);
    EXPECT_EQ(box->definitionIndex(), -1);
    skinChangeToControls(*host.form, BSM_CHANGE, &skin);
    EXPECT_EQ(box->definitionIndex(), cases[0].expected);
    skinDataDestroyedBelow(*host.form, &skin);
    EXPECT_EQ(box->SkinData(), nullptr);
    box->repaint();
    EXPECT_EQ(box->definitionIndex(), -1);
}

TEST(SkinGeometry, ResizeModeAndFitting) {
    struct Case {
        SkinPoint rightTop, leftBottom, rightBottom;
        SkinRect skinrect;
        int mode;
        int requestW, requestH, fittedW, fittedH;
        SkinRect client;
    };
    const SkinRect skin{0, 0, 59, 52};
    const Case cases[] = {
        {{52, 17}, {5, 47}, {52, 47}, skin, 1, 185, 201, 185, 201, {2, 17, 57 + 126, 50 + 149}},
        {{52, 17}, {0, 0}, {0, 0}, skin, 2, 185, 201, 185, 52, {2, 17, 57 + 126, 50}},
        {{0, 0}, {5, 47}, {0, 0}, skin, 3, 185, 201, 59, 201, {2, 17, 57, 50 + 149}},
        {{0, 0}, {0, 0}, {0, 0}, skin, 0, 185, 201, 59, 52, {2, 17, 57, 50}},
        {{52, 17}, {5, 47}, {52, 47}, SkinRect{0, 0, 0, 52}, -1, 185, 201, 185, 201, {2, 17, 57, 50}},
        {{52, 17}, {5, 47}, {52, 0}, skin, 2, 100, 30, 100, 52, {2, 17, 57 + 41, 50}},
    };
    for (const Case& c : cases) {
        TbsDataSkinCustomControl def("groupbox");
        def.skinrect = c.skinrect;
        def.clientrect = {2, 17, 57, 50};
        def.lefttoppoint = {5, 17};
        def.righttoppoint = c.rightTop;
        def.leftbottompoint = c.leftBottom;
        def.rightbottompoint = c.rightBottom;
        SkinGeometry g = geometryFrom(def);
        EXPECT_EQ(static_cast<int>(g.resizeMode), c.mode);  // the numbers of the resize modes
        int w = c.requestW, h = c.requestH;
        fitSizeToSkin(g, w, h);
        EXPECT_EQ(w, c.fittedW) << "mode " << c.mode;
        EXPECT_EQ(h, c.fittedH) << "mode " << c.mode;
        EXPECT_EQ(g.newClientRect, c.client) << "mode " << c.mode;
    }
}

}  // namespace
}  // namespace vireltan

namespace vireltan {
namespace {

using namespace vireltan::testing;

struct CountingChild : TGraphicControl {
    using TGraphicControl::TGraphicControl;
    int notified = 0;
    void ParentBackgroundChanged() override { ++notified; }
};

TEST(SkinControlBase, ParentBackgroundNotificationReachesChildrenInTransparentMode) {
    struct Case {
        bool transparentMode;
        int expectedNotifications;
    };
    const Case cases[] = {{false, 0}, {true, 1}};
    for (const Case& c : cases) {
        HostForm host;
        auto* panel = new TbsSkinPanel(host.form);
        panel->setParent(host.form);
        panel->setBounds(10, 10, 100, 80);
        auto* child = new CountingChild(host.form);
        child->setParent(panel);
        child->setBounds(5, 5, 10, 10);
        panel->setTransparentMode(c.transparentMode);
        child->notified = 0;
        SendMessageW(panel->handle(), WM_USER + 260, 0, 0);
        EXPECT_EQ(child->notified, c.expectedNotifications) << c.transparentMode;
    }
}

TEST(SkinControlBase, EraseBackgroundPaintsNothing) {
    HostForm host;
    auto* box = new TbsSkinGroupBox(host.form);
    box->setParent(host.form);
    box->setBounds(10, 10, 100, 80);
    TBitmap bitmap(100, 80);
    bitmap.canvas().brush().setColor(RGB(1, 2, 3));
    bitmap.canvas().fillRect(RECT{0, 0, 100, 80});
    EXPECT_EQ(SendMessageW(box->handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(bitmap.canvasHandle()), 0),
              1);
    EXPECT_EQ(countColour(bitmap, RECT{0, 0, 100, 80}, RGB(1, 2, 3)), 100 * 80);
    EXPECT_FALSE(box->painting());
}

}  // namespace
}  // namespace vireltan
