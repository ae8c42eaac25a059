// Forms: caption, border and border icons, the create and show events, the main form's taskbar
// button, the active form and the hint shown over a control.
#include "gui/Form.h"
#include "gui/HintWindow.h"
#include "gui/MaskEdit.h"

#include "GuiTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace vireltan {
namespace {

using testing::pumpFor;
using testing::pumpUntil;

TEST(Form, CaptionRoundTripsThroughTheWindow) {
    struct Case {
        std::string caption;
        std::wstring windowText;
    };
    const Case cases[] = {
        {"   Vireltan - 12/2009", L"   Vireltan - 12/2009"},
        {"Gerilim Düşümü (%e)", L"Gerilim D\u00fc\u015f\u00fcm\u00fc (%e)"},
        {"", L""},
    };
    for (const Case& c : cases) {
        TForm form(nullptr);
        form.setCaption("Vireltan");  // set before the window exists, replaced after
        form.handleNeeded();
        form.setCaption(c.caption);
        wchar_t text[128] = {};
        GetWindowTextW(form.handle(), text, 128);
        EXPECT_EQ(std::wstring(text), c.windowText);
        EXPECT_EQ(form.caption(), c.caption);
    }
}

TEST(Form, BorderIconsAndStyleGiveTheWindowStyle) {
    struct Case {
        TFormBorderStyle border;
        unsigned icons;
        DWORD present;
        DWORD absent;
    };
    const Case cases[] = {
        {TFormBorderStyle::bsSingle, biSystemMenu | biMinimize, WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
         WS_MAXIMIZEBOX | WS_THICKFRAME},
        {TFormBorderStyle::bsSizeable, biSystemMenu | biMinimize | biMaximize,
         WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME, 0},
        {TFormBorderStyle::bsSingle, 0, WS_CAPTION, WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX},
        {TFormBorderStyle::bsNone, biSystemMenu, WS_POPUP, WS_CAPTION | WS_SYSMENU},
        {TFormBorderStyle::bsDialog, biSystemMenu | biMinimize, WS_CAPTION | WS_SYSMENU, WS_MINIMIZEBOX},
    };
    for (const Case& c : cases) {
        for (bool afterCreation : {false, true}) {
            TForm form(nullptr);
            if (afterCreation) form.handleNeeded();
            form.setBorderStyle(c.border);
            form.setBorderIcons(c.icons);
            const auto style = static_cast<DWORD>(GetWindowLongPtrW(form.handle(), GWL_STYLE));
            EXPECT_EQ(style & c.present, c.present) << static_cast<int>(c.border) << " " << c.icons;
            EXPECT_EQ(style & c.absent, 0u) << static_cast<int>(c.border) << " " << c.icons;
        }
    }
}

TEST(Form, ClientSizeGivesTheOuterSizeForTheBorder) {
    TForm form(nullptr);
    form.setBorderStyle(TFormBorderStyle::bsSingle);
    form.setBorderIcons(biSystemMenu | biMinimize);
    form.handleNeeded();
    form.setClientSize(736, 376);
    RECT client;
    GetClientRect(form.handle(), &client);
    EXPECT_EQ(client.right, 736);
    EXPECT_EQ(client.bottom, 376);
    EXPECT_GT(form.width(), 736);
}

// A frame that draws the border itself decides the outer size; without one the system's border does.
TEST(Form, ClientSizeAsksTheInstalledFrameForItsBorders) {
    struct FixedFrame : FormFrame {
        FrameBorders borders;
        FrameBorders frameBorders() const override { return borders; }
    };
    struct Case {
        FrameBorders borders;
        int clientWidth, clientHeight;
        int expectedWidth, expectedHeight;
    };
    const Case cases[] = {
        {{3, 22, 3, 3}, 736, 376, 742, 401},
        {{0, 0, 0, 0}, 100, 50, 100, 50},
        {{5, 31, 7, 9}, 1, 1, 13, 41},
    };
    for (const Case& c : cases) {
        TForm form(nullptr);
        form.setBorderStyle(TFormBorderStyle::bsSingle);
        FixedFrame frame;
        frame.borders = c.borders;
        form.setFrame(&frame);
        form.setClientSize(c.clientWidth, c.clientHeight);
        EXPECT_EQ(form.width(), c.expectedWidth);
        EXPECT_EQ(form.height(), c.expectedHeight);
        form.setFrame(nullptr);
    }
    // Taken out again, the system's border counts: the plain behaviour is unchanged.
    TForm plain(nullptr);
    plain.setBorderStyle(TFormBorderStyle::bsSingle);
    plain.setClientSize(736, 376);
    RECT expected{0, 0, 736, 376};
    AdjustWindowRectEx(
        &expected, WS_CAPTION | WS_BORDER | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_CLIPCHILDREN,
        FALSE, 0);
    EXPECT_EQ(plain.width(), expected.right - expected.left);
    EXPECT_EQ(plain.height(), expected.bottom - expected.top);
}

// A hook installed before the window exists sees every message of its creation, also those the
// system sends before WM_NCCREATE (a top-level window's first WM_GETMINMAXINFO): the skinned frame
// answers the size limits and the non-client size from the first message on.
TEST(Form, HooksSeeTheMessagesBeforeNcCreate) {
    TForm form(nullptr);
    std::vector<UINT> seen;
    WindowProcHook hook = form.installWindowProcHook([&](TMessage& message, const WindowProcNext& next) {
        seen.push_back(message.msg);
        next(message);
    });
    form.setBounds(0, 0, 300, 200);
    form.handleNeeded();
    ASSERT_FALSE(seen.empty());
    const auto at = [&](UINT msg) { return std::find(seen.begin(), seen.end(), msg) - seen.begin(); };
    const std::ptrdiff_t missing = static_cast<std::ptrdiff_t>(seen.size());
    EXPECT_EQ(seen.front(), static_cast<UINT>(WM_GETMINMAXINFO));
    ASSERT_NE(at(WM_NCCREATE), missing);
    ASSERT_NE(at(WM_NCCALCSIZE), missing);
    ASSERT_NE(at(WM_CREATE), missing);
    EXPECT_LT(at(WM_GETMINMAXINFO), at(WM_NCCREATE));
    EXPECT_LT(at(WM_NCCREATE), at(WM_NCCALCSIZE));
    EXPECT_LT(at(WM_NCCALCSIZE), at(WM_CREATE));
    EXPECT_EQ(TWinControl::fromHandle(form.handle()), &form);
}

TEST(Form, CreateAndShowEventsAndTheActiveForm) {
    TForm form(nullptr);
    std::string log;
    form.OnCreate = [&] { log += "create "; };
    form.OnShow = [&] { log += "show "; };
    form.setBounds(40, 40, 200, 120);
    form.DoCreate();
    EXPECT_EQ(log, "create ");
    form.show();
    EXPECT_EQ(log, "create show ");
    EXPECT_TRUE(IsWindowVisible(form.handle()));
    SetActiveWindow(form.handle());
    pumpUntil([&] { return Application().activeForm() == &form; }, 1000);
    EXPECT_EQ(Application().activeForm(), &form);
    form.hide();
    form.show();
    EXPECT_EQ(log, "create show show ");
}

TEST(Form, MainFormOwnsTheTaskbarButtonAndOthersAreOwnedByIt) {
    ASSERT_TRUE(Application().mainFormOnTaskBar());
    TForm main(nullptr);
    TForm second(nullptr);
    ASSERT_EQ(Application().mainForm(), &main);
    EXPECT_TRUE(GetWindowLongPtrW(main.handle(), GWL_EXSTYLE) & WS_EX_APPWINDOW);
    EXPECT_EQ(GetWindow(main.handle(), GW_OWNER), nullptr);
    EXPECT_FALSE(GetWindowLongPtrW(second.handle(), GWL_EXSTYLE) & WS_EX_APPWINDOW);
    EXPECT_EQ(GetWindow(second.handle(), GW_OWNER), main.handle());
}

TEST(Form, ClosingTheMainFormEndsTheLoop) {
    TForm main(nullptr);
    main.show();
    int closes = 0;
    main.OnClose = [&] { ++closes; };
    PostMessageW(main.handle(), WM_CLOSE, 0, 0);
    Application().Run();  // returns only because the close ends it
    EXPECT_EQ(closes, 1);
    EXPECT_FALSE(IsWindowVisible(main.handle()));
}

TEST(Form, OwnedControlsGoWithTheFormAndTheirWindowsFirst) {
    auto* form = new TForm(nullptr);
    auto* edit = new TMaskEdit(form);
    edit->setParent(form);
    HWND editWindow = edit->handle();
    HWND formWindow = form->handle();
    ASSERT_TRUE(IsWindow(editWindow));
    delete form;
    EXPECT_FALSE(IsWindow(editWindow));
    EXPECT_FALSE(IsWindow(formWindow));
    EXPECT_TRUE(Application().forms().empty());
}

struct HintCase {
    bool showHint;
    bool parentShowHint;
    bool formShowHint;
    bool expectedShown;
};

class Hint : public ::testing::TestWithParam<HintCase> {};

TEST_P(Hint, ShownWhenThePointerRestsOnAControlThatShowsHints) {
    const HintCase c = GetParam();
    TForm form(nullptr);
    form.setBounds(60, 60, 300, 200);
    form.setShowHint(c.formShowHint);
    auto* control = new TCustomControl(&form);
    control->setParent(&form);
    control->setBounds(20, 20, 60, 40);
    control->setHint("Kesit ve Uzunluğu Girmelisiniz..");
    control->setShowHint(c.showHint);
    control->setParentShowHint(c.parentShowHint);
    form.show();
    THintWindow& hint = Application().hintWindow();
    hint.setHintPause(20);
    PostMessageW(control->handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    const bool shown = pumpUntil([&] { return hint.active(); }, c.expectedShown ? 3000 : 200);
    EXPECT_EQ(shown, c.expectedShown);
    if (shown) {
        EXPECT_EQ(hint.text(), "Kesit ve Uzunluğu Girmelisiniz..");
        EXPECT_TRUE(IsWindowVisible(hint.handle()));
        // A button press hides it.
        PostMessageW(control->handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        PostMessageW(control->handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        EXPECT_TRUE(pumpUntil([&] { return !hint.active(); }, 1000));
    }
    hint.cancel();
    hint.mouseOver(nullptr, {0, 0});
}

INSTANTIATE_TEST_SUITE_P(Form, Hint,
                         ::testing::Values(HintCase{true, false, false, true},
                                           HintCase{false, false, true, false},
                                           HintCase{false, true, true, true},
                                           HintCase{true, true, false, false}));

TEST(Form, HintGoesWithItsControl) {
    TForm form(nullptr);
    form.setBounds(60, 60, 300, 200);
    auto* control = new TCustomControl(&form);
    control->setParent(&form);
    control->setBounds(20, 20, 60, 40);
    control->setHint("Gerilim Düşümüne Aktar");
    control->setShowHint(true);
    form.show();
    THintWindow& hint = Application().hintWindow();
    hint.setHintPause(20);
    hint.mouseOver(control, {100, 100});
    delete control;
    EXPECT_EQ(hint.control(), nullptr);
    pumpFor(80);
    EXPECT_FALSE(hint.active());
}

}  // namespace
}  // namespace vireltan
