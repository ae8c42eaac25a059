// The image button on a real form: pixels rendered into a memory DC (positions, blending over the
// form's background, the dimmed disabled picture, frames, caption), the order of its mouse events,
// its state changes and its hint.
#include "gui/Form.h"
#include "gui/HintWindow.h"
#include "imagebutton/PngButton.h"
#include "imagebutton/PngDraw.h"

#include "GuiTestSupport.h"
#include "PngTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace vireltan {
namespace {

using testing::makePng;
using testing::pixelAt;
using testing::PngRecipe;
using testing::pumpUntil;
using testing::renderClient;
using testing::solidRgbaPng;

constexpr COLORREF kBackground = RGB(0, 0, 0);
constexpr RECT kButton{265, 87, 265 + 33, 87 + 33};  // where the window puts the transfer button

PngPicture solid(int w, int h, std::uint8_t r, std::uint8_t g, std::uint8_t b, std::uint8_t a = 255) {
    PngPicture picture;
    picture.loadFromMemory(
        solidRgbaPng(static_cast<std::uint32_t>(w), static_cast<std::uint32_t>(h), r, g, b, a));
    return picture;
}

// The bounding box of the pixels of `color` inside `area`; empty when there are none.
RECT findColor(TBitmap& bitmap, const RECT& area, COLORREF color) {
    RECT box{LONG_MAX, LONG_MAX, LONG_MIN, LONG_MIN};
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            if (pixelAt(bitmap, x, y) != color) continue;
            box.left = std::min<LONG>(box.left, x);
            box.top = std::min<LONG>(box.top, y);
            box.right = std::max<LONG>(box.right, x + 1);
            box.bottom = std::max<LONG>(box.bottom, y + 1);
        }
    }
    if (box.left == LONG_MAX) return {0, 0, 0, 0};
    return box;
}

struct ButtonFixture : ::testing::Test {
    TForm* form = nullptr;
    TPNGButton* button = nullptr;
    std::vector<std::string> log;

    void SetUp() override {
        form = new TForm(nullptr);
        form->setBorderStyle(TFormBorderStyle::bsSingle);
        form->setBounds(40, 40, 400, 200);
        form->setColor(kBackground);
        button = new TPNGButton(form);
        button->setParent(form);
        button->setBounds(kButton.left, kButton.top, 33, 33);
        button->setButtonStyle(TPNGButtonStyle::pbsNoFrame);
        button->setButtonLayout(TPNGButtonLayout::pbsImageAbove);
        form->show();
    }
    void TearDown() override { delete form; }

    void send(UINT message, int x, int y, WPARAM keys = 0) {
        SendMessageW(form->handle(), message, keys, MAKELPARAM(x, y));
    }
    // Button-relative coordinates.
    void moveTo(int x, int y) { send(WM_MOUSEMOVE, kButton.left + x, kButton.top + y); }
    void press(int x, int y) { send(WM_LBUTTONDOWN, kButton.left + x, kButton.top + y, MK_LBUTTON); }
    void release(int x, int y) { send(WM_LBUTTONUP, kButton.left + x, kButton.top + y); }

    // Where the picture of `color` landed, relative to the button.
    RECT pictureAt(COLORREF color) {
        TBitmap bitmap;
        renderClient(*form, bitmap);
        RECT box = findColor(
            bitmap, {kButton.left - 4, kButton.top - 4, kButton.right + 4, kButton.bottom + 4}, color);
        if (box.right > box.left) OffsetRect(&box, -kButton.left, -kButton.top);
        return box;
    }
};

void expectRect(const RECT& actual, const RECT& expected, const char* what) {
    EXPECT_EQ(actual.left, expected.left) << what;
    EXPECT_EQ(actual.top, expected.top) << what;
    EXPECT_EQ(actual.right, expected.right) << what;
    EXPECT_EQ(actual.bottom, expected.bottom) << what;
}

using TransferButton = ButtonFixture;

// As the calculator sets it up: one 32 × 32 picture for all states, no frame, no caption. The
// picture is clipped to the 33 × 33 button, so the pressed one loses its last column and row.
TEST_F(TransferButton, PictureMovesTwoPixelsOnlyWhilePressedWithThePointerOver) {
    const PngPicture red = solid(32, 32, 255, 0, 0);
    button->setImageNormal(red);
    button->setImageDown(red);
    button->setImageOver(red);
    struct Step {
        const char* what;
        void (TransferButton::*action)(int, int);
        int x, y;
        RECT expected;
    };
    const Step steps[] = {
        {"pointer over", &TransferButton::moveTo, 10, 10, {0, 0, 32, 32}},
        {"pressed", &TransferButton::press, 10, 10, {2, 2, 33, 33}},
        {"dragged off while held", &TransferButton::moveTo, 60, 10, {0, 0, 32, 32}},
        {"dragged back on", &TransferButton::moveTo, 5, 5, {2, 2, 33, 33}},
        {"released", &TransferButton::release, 5, 5, {0, 0, 32, 32}},
    };
    for (const Step& step : steps) {
        (this->*step.action)(step.x, step.y);
        expectRect(pictureAt(RGB(255, 0, 0)), step.expected, step.what);
    }
}

TEST_F(TransferButton, ReleaseAfterDraggingOffGivesNoClick) {
    button->setImageNormal(solid(32, 32, 255, 0, 0));
    int clicks = 0;
    button->OnClick = [&] { ++clicks; };
    moveTo(10, 10);
    press(10, 10);
    moveTo(60, 10);
    release(60, 10);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(button->buttonState(), TPNGButtonState::up);
    expectRect(pictureAt(RGB(255, 0, 0)), {0, 0, 32, 32}, "after the release");
}

TEST_F(TransferButton, ResourcePictureBlendsOverTheBackground) {
    const PngPicture picture = loadPngResource(GetModuleHandleW(nullptr), L"PNG_TRANSFER");
    ASSERT_FALSE(picture.empty());
    button->setImageNormal(picture);
    TBitmap bitmap;
    renderClient(*form, bitmap);
    int checked = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const RgbaPixel p = picture.pixel(x, y);
            const COLORREF expected = RGB(blendChannel(p.r, GetRValue(kBackground), p.a),
                                          blendChannel(p.g, GetGValue(kBackground), p.a),
                                          blendChannel(p.b, GetBValue(kBackground), p.a));
            ASSERT_EQ(pixelAt(bitmap, kButton.left + x, kButton.top + y), expected) << x << "," << y;
            ++checked;
        }
    }
    EXPECT_EQ(checked, 32 * 32);
    // The 33rd column and row show the form.
    EXPECT_EQ(pixelAt(bitmap, kButton.left + 32, kButton.top + 10), kBackground);
    EXPECT_EQ(pixelAt(bitmap, kButton.left + 10, kButton.top + 32), kBackground);
}

using PngButtonRepaint = ButtonFixture;

// Every setter and every change of the enabled state has the parent paint the button's place again.
TEST_F(PngButtonRepaint, EveryChangeRepaintsTheButton) {
    struct Case {
        const char* what;
        std::function<void(TPNGButton&)> change;
    };
    const PngPicture red = solid(32, 32, 255, 0, 0);
    const Case cases[] = {
        {"layout", [](TPNGButton& b) { b.setButtonLayout(TPNGButtonLayout::pbsImageLeft); }},
        {"style", [](TPNGButton& b) { b.setButtonStyle(TPNGButtonStyle::pbsFlat); }},
        {"caption", [](TPNGButton& b) { b.setCaption("Aktar"); }},
        {"normal picture", [&](TPNGButton& b) { b.setImageNormal(red); }},
        {"down picture", [&](TPNGButton& b) { b.setImageDown(red); }},
        {"over picture", [&](TPNGButton& b) { b.setImageOver(red); }},
        {"disabled", [](TPNGButton& b) { b.setEnabled(false); }},
        {"enabled", [](TPNGButton& b) { b.setEnabled(true); }},
    };
    // What the form was asked to paint, whether it paints at once or later.
    RECT painted{};
    auto hook = form->installWindowProcHook([&](TMessage& message, const WindowProcNext& next) {
        RECT pending{};
        if (message.msg == WM_PAINT && GetUpdateRect(form->handle(), &pending, FALSE))
            UnionRect(&painted, &painted, &pending);
        next(message);
    });
    for (const Case& c : cases) {
        UpdateWindow(form->handle());
        painted = RECT{};
        c.change(*button);
        UpdateWindow(form->handle());
        RECT covered{};
        IntersectRect(&covered, &painted, &kButton);
        EXPECT_TRUE(EqualRect(&covered, &kButton)) << c.what;
    }
}

using PngButtonPixels = ButtonFixture;

TEST_F(PngButtonPixels, BlendsByAlphaOverTheParentsBackground) {
    struct Case {
        const char* name;
        COLORREF background;
        RgbaPixel picture;
        COLORREF expected;  // worked out by hand: (s·a + d·(255 − a) + 127) / 255
    };
    const Case cases[] = {
        {"half over blue", RGB(0, 0, 255), {200, 100, 0, 128}, RGB(100, 50, 127)},
        {"opaque", RGB(0, 0, 255), {200, 100, 0, 255}, RGB(200, 100, 0)},
        {"invisible", RGB(12, 34, 56), {200, 100, 0, 0}, RGB(12, 34, 56)},
        {"a third over white", RGB(255, 255, 255), {0, 0, 0, 85}, RGB(170, 170, 170)},
    };
    for (const Case& c : cases) {
        form->setColor(c.background);
        button->setImageNormal(solid(8, 8, c.picture.r, c.picture.g, c.picture.b, c.picture.a));
        TBitmap bitmap;
        renderClient(*form, bitmap);
        // 33 × 33, 8 × 8, above, no caption: at (12, 12).
        EXPECT_EQ(pixelAt(bitmap, kButton.left + 12, kButton.top + 12), c.expected) << c.name;
        EXPECT_EQ(pixelAt(bitmap, kButton.left + 19, kButton.top + 19), c.expected) << c.name;
        EXPECT_EQ(pixelAt(bitmap, kButton.left + 11, kButton.top + 12), c.background) << c.name;
        EXPECT_EQ(pixelAt(bitmap, kButton.left + 20, kButton.top + 19), c.background) << c.name;
    }
}

// On screen the picture blends over what the form painted in the same paint, not over a copy.
TEST_F(PngButtonPixels, BlendsOnTheWindowItself) {
    form->setColor(RGB(0, 0, 255));
    button->setImageNormal(solid(8, 8, 200, 100, 0, 128));
    RedrawWindow(form->handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    HDC screen = GetDC(form->handle());
    const COLORREF inside = GetPixel(screen, kButton.left + 15, kButton.top + 15);
    const COLORREF beside = GetPixel(screen, kButton.left + 5, kButton.top + 15);
    ReleaseDC(form->handle(), screen);
    EXPECT_EQ(inside, RGB(100, 50, 127));
    EXPECT_EQ(beside, RGB(0, 0, 255));
}

TEST_F(PngButtonPixels, DisabledButtonDrawsAThirdOfTheOpacityButPalettePicturesUnchanged) {
    PngRecipe palette{8, 8, 8, 3, {255, 0, 0}, {}, {}};
    for (int y = 0; y < 8; ++y) palette.rows.push_back(testing::Bytes(8, 0));
    PngPicture palettePicture;
    ASSERT_TRUE(palettePicture.loadFromMemory(makePng(palette)));
    struct Case {
        const char* name;
        PngPicture picture;
        COLORREF expected;  // over black
    };
    const Case cases[] = {
        {"opaque red: alpha 85", solid(8, 8, 255, 0, 0), RGB(85, 0, 0)},
        {"half opaque: alpha 42", solid(8, 8, 255, 0, 0, 128), RGB(42, 0, 0)},
        {"palette red: unchanged", palettePicture, RGB(255, 0, 0)},
    };
    for (const Case& c : cases) {
        button->setEnabled(true);
        button->setImageNormal(c.picture);
        button->setEnabled(false);
        EXPECT_EQ(button->buttonState(), TPNGButtonState::disabled) << c.name;
        TBitmap bitmap;
        renderClient(*form, bitmap);
        EXPECT_EQ(pixelAt(bitmap, kButton.left + 15, kButton.top + 15), c.expected) << c.name;
    }
    // Enabled again: the normal picture.
    button->setImageNormal(solid(8, 8, 255, 0, 0));
    button->setEnabled(true);
    EXPECT_EQ(button->buttonState(), TPNGButtonState::up);
    TBitmap bitmap;
    renderClient(*form, bitmap);
    EXPECT_EQ(pixelAt(bitmap, kButton.left + 15, kButton.top + 15), RGB(255, 0, 0));
}

TEST_F(PngButtonPixels, NewNormalPictureOnADisabledButtonIsDimmedAtOnce) {
    button->setImageNormal(solid(8, 8, 255, 0, 0));
    button->setEnabled(false);
    button->setImageNormal(solid(8, 8, 0, 255, 0));
    TBitmap bitmap;
    renderClient(*form, bitmap);
    EXPECT_EQ(pixelAt(bitmap, kButton.left + 15, kButton.top + 15), RGB(0, 85, 0));
}

// A design loads the normal picture without the setter; disabling builds the dimmed one then.
TEST_F(PngButtonPixels, DisabledPictureIsBuiltWhenADesignedButtonIsDisabled) {
    ASSERT_TRUE(button->loadImageNormal(solidRgbaPng(8, 8, 255, 0, 0, 255)));
    EXPECT_TRUE(button->disabledImage().empty());
    button->setEnabled(false);
    ASSERT_FALSE(button->disabledImage().empty());
    TBitmap bitmap;
    renderClient(*form, bitmap);
    EXPECT_EQ(pixelAt(bitmap, kButton.left + 15, kButton.top + 15), RGB(85, 0, 0));
}

TEST_F(PngButtonPixels, EachStateShowsItsPictureAndEmptyOnesFallBack) {
    const COLORREF normal = RGB(255, 0, 0), down = RGB(0, 255, 0), over = RGB(0, 0, 255);
    struct Case {
        const char* name;
        bool withDown, withOver;
        COLORREF atRest, whenOver, whenPressed;
    };
    const Case cases[] = {
        {"all three", true, true, normal, over, down},
        {"no down picture", false, true, normal, over, over},
        {"no over picture", true, false, normal, normal, down},
        {"normal only", false, false, normal, normal, normal},
    };
    for (const Case& c : cases) {
        button->setImageNormal(solid(8, 8, 255, 0, 0));
        button->setImageDown(c.withDown ? solid(8, 8, 0, 255, 0) : PngPicture{});
        button->setImageOver(c.withOver ? solid(8, 8, 0, 0, 255) : PngPicture{});
        moveTo(-50, -50);  // off the button
        EXPECT_EQ(pictureAt(c.atRest).left, 12) << c.name << ": at rest";
        moveTo(12, 12);
        EXPECT_EQ(pictureAt(c.whenOver).left, 12) << c.name << ": over";
        press(12, 12);
        EXPECT_EQ(pictureAt(c.whenPressed).left, 14) << c.name << ": pressed";
        release(12, 12);
    }
}

TEST_F(PngButtonPixels, FlatFrameFollowsThePointerButNeverOnADisabledButton) {
    button->setButtonStyle(TPNGButtonStyle::pbsFlat);
    button->setImageNormal(solid(8, 8, 255, 0, 0));
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW), light = GetSysColor(COLOR_BTNHIGHLIGHT);
    auto corners = [&] {
        TBitmap bitmap;
        renderClient(*form, bitmap);
        return std::pair{pixelAt(bitmap, kButton.left, kButton.top),
                         pixelAt(bitmap, kButton.right - 1, kButton.bottom - 1)};
    };
    EXPECT_EQ(corners(), std::pair(kBackground, kBackground)) << "at rest";
    moveTo(10, 10);
    EXPECT_EQ(corners(), std::pair(light, shadow)) << "over: raised";
    press(10, 10);
    EXPECT_EQ(corners(), std::pair(shadow, light)) << "pressed: sunken";
    moveTo(60, 10);
    EXPECT_EQ(corners(), std::pair(light, shadow)) << "held, dragged off: raised";
    release(60, 10);
    EXPECT_EQ(corners(), std::pair(kBackground, kBackground)) << "released outside";
    moveTo(10, 10);
    button->setEnabled(false);
    EXPECT_TRUE(button->mouseOver());
    EXPECT_EQ(corners(), std::pair(kBackground, kBackground)) << "disabled with the pointer over";
}

TEST_F(PngButtonPixels, DefaultStyleDrawsAPushButtonFace) {
    const COLORREF blue = RGB(0, 0, 255);
    form->setColor(blue);
    button->setButtonStyle(TPNGButtonStyle::pbsDefault);
    button->setImageNormal(solid(8, 8, 255, 0, 0));
    TBitmap bitmap;
    renderClient(*form, bitmap);
    EXPECT_EQ(pixelAt(bitmap, kButton.left + 5, kButton.top + 16), GetSysColor(COLOR_BTNFACE));
    EXPECT_NE(pixelAt(bitmap, kButton.right - 1, kButton.bottom - 1), blue);
    EXPECT_EQ(pixelAt(bitmap, kButton.right, kButton.bottom - 1), blue);
    EXPECT_EQ(pixelAt(bitmap, kButton.left + 15, kButton.top + 15), RGB(255, 0, 0));
}

// With a caption the picture and the text stand as one centred block; the text is in the font's
// colour, grey text when disabled.
TEST_F(PngButtonPixels, CaptionBesideThePictureForEveryLayout) {
    button->setBounds(kButton.left, kButton.top, 90, 60);
    button->setImageNormal(solid(10, 8, 255, 0, 0));
    button->setCaption("Aktar");
    button->font().setColor(RGB(0, 255, 0));
    SIZE text{};
    {
        TBitmap probe(1, 1);
        probe.canvas().font().assign(button->font());
        text = probe.canvas().textExtent("Aktar");
    }
    const RECT whole{kButton.left, kButton.top, kButton.left + 90, kButton.top + 60};
    for (TPNGButtonLayout layout : {TPNGButtonLayout::pbsImageAbove, TPNGButtonLayout::pbsImageBellow,
                                    TPNGButtonLayout::pbsImageLeft, TPNGButtonLayout::pbsImageRight}) {
        button->setButtonLayout(layout);
        const PngButtonPositions at = pngButtonPositions(
            {90, 60, 10, 8, static_cast<int>(text.cx), static_cast<int>(text.cy), true}, layout, false);
        TBitmap bitmap;
        renderClient(*form, bitmap);
        RECT picture = findColor(bitmap, whole, RGB(255, 0, 0));
        OffsetRect(&picture, -kButton.left, -kButton.top);
        expectRect(picture, {at.pictureLeft, at.pictureTop, at.pictureLeft + 10, at.pictureTop + 8},
                   "picture");
        RECT ink = findColor(bitmap, whole, RGB(0, 255, 0));
        OffsetRect(&ink, -kButton.left, -kButton.top);
        ASSERT_LT(ink.left, ink.right) << "caption drawn, layout " << int(layout);
        EXPECT_GE(ink.left, at.captionLeft);
        EXPECT_GE(ink.top, at.captionTop);
        EXPECT_LE(ink.right, at.captionLeft + text.cx);
        EXPECT_LE(ink.bottom, at.captionTop + text.cy);
    }
    button->setEnabled(false);
    TBitmap bitmap;
    renderClient(*form, bitmap);
    EXPECT_EQ(findColor(bitmap, whole, RGB(0, 255, 0)).right, 0) << "no ink in the font colour";
    EXPECT_GT(findColor(bitmap, whole, GetSysColor(COLOR_GRAYTEXT)).right, 0) << "grey text";
}

using PngButtonEvents = ButtonFixture;

TEST(PngButton, StartsAsAnUpDefaultButtonOf23Pixels) {
    TPNGButton button(nullptr);
    EXPECT_EQ(button.width(), 23);
    EXPECT_EQ(button.height(), 23);
    EXPECT_EQ(button.buttonStyle(), TPNGButtonStyle::pbsDefault);
    EXPECT_EQ(button.buttonLayout(), TPNGButtonLayout::pbsImageAbove);
    EXPECT_EQ(button.buttonState(), TPNGButtonState::up);
    EXPECT_FALSE(button.mouseOver());
    EXPECT_TRUE(button.caption().empty());
    EXPECT_TRUE(button.imageNormal().empty());
    EXPECT_TRUE(button.imageDown().empty());
    EXPECT_TRUE(button.imageOver().empty());
    EXPECT_TRUE(button.disabledImage().empty());
}

TEST_F(PngButtonEvents, ClickComesBeforeTheMouseUpWithTheButtonAlreadyUp) {
    button->setImageNormal(solid(32, 32, 255, 0, 0));
    button->OnMouseDown = [&](TMouseButton b, TShiftState, int, int) {
        log.push_back(b == TMouseButton::mbLeft ? "down" : "other down");
    };
    button->OnClick = [&] {
        log.push_back(button->buttonState() == TPNGButtonState::up ? "click (up)" : "click (not up)");
    };
    button->OnMouseUp = [&](TMouseButton b, TShiftState, int, int) {
        log.push_back(b == TMouseButton::mbLeft ? "up" : "other up");
    };
    struct Case {
        const char* name;
        UINT downMessage, upMessage;
        POINT downAt, upAt;  // relative to the button
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"left inside", WM_LBUTTONDOWN, WM_LBUTTONUP, {5, 5}, {20, 20}, {"down", "click (up)", "up"}},
        {"left, released outside", WM_LBUTTONDOWN, WM_LBUTTONUP, {5, 5}, {40, 5}, {"down", "up"}},
        {"left, released just past the edge", WM_LBUTTONDOWN, WM_LBUTTONUP, {5, 5}, {33, 32}, {"down", "up"}},
        {"left, released on the last pixel",
         WM_LBUTTONDOWN,
         WM_LBUTTONUP,
         {5, 5},
         {32, 32},
         {"down", "click (up)", "up"}},
        {"right inside", WM_RBUTTONDOWN, WM_RBUTTONUP, {5, 5}, {5, 5}, {"other down", "other up"}},
        {"pressed on the form, released on the button", 0, WM_LBUTTONUP, {-20, -20}, {5, 5}, {"up"}},
    };
    for (const Case& c : cases) {
        log.clear();
        moveTo(c.downAt.x, c.downAt.y);
        if (c.downMessage)
            send(c.downMessage, kButton.left + c.downAt.x, kButton.top + c.downAt.y, MK_LBUTTON);
        moveTo(c.upAt.x, c.upAt.y);
        send(c.upMessage, kButton.left + c.upAt.x, kButton.top + c.upAt.y);
        EXPECT_EQ(log, c.expected) << c.name;
        EXPECT_EQ(button->buttonState(), TPNGButtonState::up) << c.name;
    }
}

TEST_F(PngButtonEvents, DisabledButtonIgnoresTheMouse) {
    button->setImageNormal(solid(32, 32, 255, 0, 0));
    int events = 0;
    button->OnClick = [&] { ++events; };
    button->OnMouseDown = [&](TMouseButton, TShiftState, int, int) { ++events; };
    button->OnMouseEnter = [&] { ++events; };
    button->setEnabled(false);
    moveTo(5, 5);
    press(5, 5);
    release(5, 5);
    EXPECT_EQ(events, 0);
    EXPECT_EQ(button->buttonState(), TPNGButtonState::disabled);
}

TEST_F(PngButtonEvents, StatesFollowThePointerAndTheButton) {
    button->setImageNormal(solid(32, 32, 255, 0, 0));
    button->OnMouseEnter = [&] { log.push_back("enter"); };
    button->OnMouseExit = [&] { log.push_back("exit"); };
    struct Step {
        const char* what;
        UINT message;
        int x, y;
        TPNGButtonState state;
        bool over;
    };
    using S = TPNGButtonState;
    const Step steps[] = {
        {"enter", WM_MOUSEMOVE, 3, 3, S::up, true},
        {"move inside", WM_MOUSEMOVE, 9, 9, S::up, true},
        {"leave", WM_MOUSEMOVE, 50, 9, S::up, false},
        {"enter again", WM_MOUSEMOVE, 9, 9, S::up, true},
        {"press", WM_LBUTTONDOWN, 9, 9, S::down, true},
        {"drag off", WM_MOUSEMOVE, 50, 9, S::down, false},
        {"drag back", WM_MOUSEMOVE, 9, 9, S::down, true},
        {"release", WM_LBUTTONUP, 9, 9, S::up, true},
        {"leave at last", WM_MOUSEMOVE, 50, 50, S::up, false},
    };
    for (const Step& step : steps) {
        send(step.message, kButton.left + step.x, kButton.top + step.y,
             step.message == WM_LBUTTONDOWN ? MK_LBUTTON : 0);
        EXPECT_EQ(button->buttonState(), step.state) << step.what;
        EXPECT_EQ(button->mouseOver(), step.over) << step.what;
    }
    EXPECT_EQ(log, (std::vector<std::string>{"enter", "exit", "enter", "exit", "enter", "exit"}));
}

TEST_F(PngButtonEvents, HintShowsTheCurrentText) {
    button->setImageNormal(solid(32, 32, 255, 0, 0));
    button->setHint("Gerilim Düşümüne Aktar");
    button->setShowHint(true);
    button->setParentShowHint(false);
    THintWindow& hint = Application().hintWindow();
    hint.setHintPause(20);
    // The real pointer rests there too, so the system sees no reason to report it gone; it goes
    // back afterwards, or it would sit over the windows of the tests that follow.
    const testing::CursorRestore restore;
    POINT over{kButton.left + 10, kButton.top + 10};
    ClientToScreen(form->handle(), &over);
    SetCursorPos(over.x, over.y);
    PostMessageW(form->handle(), WM_MOUSEMOVE, 0, MAKELPARAM(kButton.left + 10, kButton.top + 10));
    ASSERT_TRUE(pumpUntil([&] { return hint.active(); }, 3000));
    EXPECT_EQ(hint.text(), "Gerilim Düşümüne Aktar");
    EXPECT_EQ(hint.control(), button);

    // The calculator rewrites the hint on every tick; the next showing carries the new text.
    button->setHint("Kesit ve Uzunluğu Girmelisiniz..");
    hint.cancel();
    PostMessageW(form->handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    PostMessageW(form->handle(), WM_MOUSEMOVE, 0, MAKELPARAM(kButton.left + 10, kButton.top + 10));
    ASSERT_TRUE(pumpUntil([&] { return hint.active(); }, 3000));
    EXPECT_EQ(hint.text(), "Kesit ve Uzunluğu Girmelisiniz..");
    hint.cancel();
    hint.mouseOver(nullptr, {0, 0});
}

}  // namespace
}  // namespace vireltan
