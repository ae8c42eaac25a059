// The window states the frame carries out itself, on sizeable test windows that are not the main
// window (the calculator only minimizes the application): maximize with its margin rule, restore to
// the saved bounds, roll-up, the minimized windows' slots, the caption double click, and the sizing
// hit codes of a sizeable skinned and plain frame; the fade-in and translucency, and the owned popups
// kept above the window when it drops its layered style.
#include "frame/SkinForm.h"
#include "gui/HelperWindow.h"

#include "GuiTestSupport.h"

#include <gtest/gtest.h>

#include <memory>

namespace vireltan {
namespace {

using testing::pumpFor;

constexpr int kLeft = 100, kTop = 80, kWidth = 400, kHeight = 300;

RECT boundsOf(TForm& form) {
    RECT r{};
    GetWindowRect(form.handle(), &r);
    return r;
}

// A sizeable window with every caption command, in the calculator's skin.
struct SkinnedWindow {
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    TbsSkinForm* frame = nullptr;
    SkinDataComponent* data = nullptr;

    explicit SkinnedWindow(bool skinned = true, int left = kLeft, bool show = true) {
        form->setBorderStyle(TFormBorderStyle::bsSizeable);
        form->setCaption("states");
        form->setBounds(left, kTop, kWidth, kHeight);
        frame = new TbsSkinForm(form.get());
        frame->setBorderIcons({true, true, true, true, false});
        if (skinned) {
            data = testing::loadWindowSkin(*form);
            frame->setSkinData(data);
        }
        if (!show) return;
        form->show();
        pumpFor(30);
    }

    LRESULT hitAt(int x, int y) {
        const RECT r = boundsOf(*form);
        return SendMessageW(form->handle(), WM_NCHITTEST, 0, MAKELPARAM(r.left + x, r.top + y));
    }
};

RECT workArea() {
    RECT area{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

TEST(SkinFormStates, MaximizeCoversTheWorkAreaAndRestoreGoesBack) {
    SkinnedWindow w;
    ASSERT_TRUE(w.frame->SkinReady());
    const RECT before = boundsOf(*w.form);
    w.frame->SetFrameWindowState(TbsFrameWindowState::Maximized);
    EXPECT_EQ(w.frame->FrameWindowState(), TbsFrameWindowState::Maximized);
    const RECT area = workArea();
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
    // A work area as large as the whole screen (no taskbar here) keeps one pixel free on every side.
    const bool wholeScreen =
        area.left == 0 && area.top == 0 && area.right == screenWidth && area.bottom == screenHeight;
    const int margin = wholeScreen ? 1 : 0;
    const RECT maximized = boundsOf(*w.form);
    EXPECT_EQ(maximized.left, area.left + margin);
    EXPECT_EQ(maximized.top, area.top + margin);
    EXPECT_EQ(maximized.right, area.right - margin);
    EXPECT_EQ(maximized.bottom, area.bottom - margin);
    // A maximized window cannot be dragged.
    RECT proposed{10, 10, 410, 310};
    SendMessageW(w.form->handle(), WM_MOVING, WMSZ_LEFT, LPARAM(&proposed));
    EXPECT_EQ(proposed.left, maximized.left);
    EXPECT_EQ(proposed.right, maximized.right);

    w.frame->SetFrameWindowState(TbsFrameWindowState::Normal);
    const RECT after = boundsOf(*w.form);
    EXPECT_EQ(after.left, before.left);
    EXPECT_EQ(after.top, before.top);
    EXPECT_EQ(after.right, before.right);
    EXPECT_EQ(after.bottom, before.bottom);
}

TEST(SkinFormStates, RollUpLeavesTheFrameAndRollDownTheHeight) {
    SkinnedWindow w;
    w.frame->SetRollUpState(true);
    EXPECT_TRUE(w.frame->RolledUp());
    EXPECT_EQ(boundsOf(*w.form).bottom - boundsOf(*w.form).top, 35);  // the skin's frame height
    // Rolled up, the caption still moves the window and the rest is the frame's.
    EXPECT_EQ(w.hitAt(100, 10), HTCAPTION);
    EXPECT_EQ(w.hitAt(1, 20), HTOBJECT);
    w.frame->SetRollUpState(false);
    EXPECT_FALSE(w.frame->RolledUp());
    EXPECT_EQ(boundsOf(*w.form).bottom - boundsOf(*w.form).top, kHeight);
}

TEST(SkinFormStates, MinimizedWindowsTakeSlotsFromTheBottomLeft) {
    // Neither window is the main window (whose minimize minimizes the application).
    TForm mainWindow(nullptr);
    TForm* previousMain = Application().mainForm();
    Application().setMainForm(&mainWindow);
    SkinnedWindow first, second(true, kLeft + 450);
    first.frame->SetFrameWindowState(TbsFrameWindowState::Minimized);
    second.frame->SetFrameWindowState(TbsFrameWindowState::Minimized);
    const RECT area = workArea();
    struct Case {
        SkinnedWindow* window;
        int left;
    };
    const Case cases[] = {{&first, area.left}, {&second, area.left + 150}};
    for (const Case& c : cases) {
        const RECT r = boundsOf(*c.window->form);
        EXPECT_EQ(c.window->frame->FrameWindowState(), TbsFrameWindowState::Minimized);
        EXPECT_EQ(r.left, c.left);
        EXPECT_EQ(r.top, area.bottom - 35);
        EXPECT_EQ(r.right - r.left, 150);
        EXPECT_EQ(r.bottom - r.top, 35);
    }
    first.frame->SetFrameWindowState(TbsFrameWindowState::Normal);
    EXPECT_EQ(boundsOf(*first.form).left, kLeft);
    EXPECT_EQ(boundsOf(*first.form).right - boundsOf(*first.form).left, kWidth);
    Application().setMainForm(previousMain);
}

TEST(SkinFormStates, CaptionDoubleClickMaximizesASizeableWindow) {
    SkinnedWindow w;
    const RECT r = boundsOf(*w.form);
    SendMessageW(w.form->handle(), WM_NCLBUTTONDBLCLK, HTCAPTION, MAKELPARAM(r.left + 100, r.top + 12));
    EXPECT_EQ(w.frame->FrameWindowState(), TbsFrameWindowState::Maximized);
    const RECT m = boundsOf(*w.form);
    SendMessageW(w.form->handle(), WM_NCLBUTTONDBLCLK, HTCAPTION, MAKELPARAM(m.left + 100, m.top + 12));
    EXPECT_EQ(w.frame->FrameWindowState(), TbsFrameWindowState::Normal);
}

TEST(SkinFormStates, SizeableFramesAnswerWithSizingCodes) {
    struct Case {
        bool skinned;
        int x, y;
        LRESULT hit;
    };
    const Case cases[] = {
        {true, 1, 1, HTTOPLEFT},
        {true, 1, 200, HTLEFT},
        {true, kWidth - 2, 200, HTRIGHT},
        {true, 200, kHeight - 2, HTBOTTOM},
        {true, kWidth - 2, kHeight - 2, HTBOTTOMRIGHT},
        {true, 200, 150, HTCLIENT},
        {true, 100, 12, HTCAPTION},
        {false, 1, 1, HTTOPLEFT},
        {false, kWidth - 1, 1, HTTOPRIGHT},
        {false, 1, 150, HTLEFT},
        {false, 150, kHeight - 1, HTBOTTOM},
        {false, 150, 1, HTTOP},
        {false, 150, 150, HTCLIENT},
        {false, 100, 12, HTCAPTION},
    };
    SkinnedWindow skinned(true), plain(false, kLeft + 450);
    for (const Case& c : cases) {
        SkinnedWindow& w = c.skinned ? skinned : plain;
        EXPECT_EQ(w.hitAt(c.x, c.y), c.hit) << (c.skinned ? "skin " : "plain ") << c.x << "," << c.y;
    }
}

TEST(SkinFormStates, ClientSizeIsReimposedAfterEachSkinApplication) {
    SkinnedWindow w;
    w.frame->ClientWidth = 736;
    w.frame->setSkinData(w.data);
    EXPECT_EQ(boundsOf(*w.form).right - boundsOf(*w.form).left, 746);
    w.frame->setSkinData(nullptr);  // the plain frame: 3 on each side
    EXPECT_EQ(boundsOf(*w.form).right - boundsOf(*w.form).left, 742);
}

TEST(SkinFormStates, MagneticWindowSnapsToTheWorkAreaAndBreaksAway) {
    SkinnedWindow w;
    w.frame->Magnetic = true;
    const RECT area = workArea();
    testing::CursorRestore cursor;
    SetCursorPos(500, 500);
    SendMessageW(w.form->handle(), WM_ENTERSIZEMOVE, 0, 0);
    struct Case {
        int cursorX;
        int proposedLeft;
        int left;
    };
    const Case cases[] = {
        {500, area.left + 3, area.left},          // 3 pixels off the edge: snapped onto it
        {503, area.left + 3, area.left},          // the cursor moved less than MagneticSize: held
        {506, area.left + 3, area.left + 6},      // 6 pixels further: breaks away with the cursor
        {600, area.left + 100, area.left + 100},  // far from every edge: where it was put
    };
    for (const Case& c : cases) {
        SetCursorPos(c.cursorX, 500);
        RECT proposed{c.proposedLeft, 200, c.proposedLeft + kWidth, 200 + kHeight};
        SendMessageW(w.form->handle(), WM_MOVING, WMSZ_LEFT, LPARAM(&proposed));
        EXPECT_EQ(proposed.left, c.left) << c.cursorX;
        EXPECT_EQ(proposed.right - proposed.left, kWidth);
    }
    SendMessageW(w.form->handle(), WM_EXITSIZEMOVE, 0, 0);
}

TEST(SkinFormStates, FadeInEndsOpaqueAndUnlayered) {
    SkinnedWindow w(true, kLeft, false);
    w.frame->AlphaBlendAnimation = true;
    w.form->show();
    EXPECT_TRUE(GetWindowLongPtrW(w.form->handle(), GWL_EXSTYLE) & WS_EX_LAYERED);
    EXPECT_TRUE(testing::pumpUntil(
        [&] { return !(GetWindowLongPtrW(w.form->handle(), GWL_EXSTYLE) & WS_EX_LAYERED); }, 3000));
}

TEST(SkinFormStates, AlphaBlendKeepsTheWindowTranslucent) {
    SkinnedWindow w(true, kLeft, false);
    w.frame->setAlphaBlend(true);
    w.form->show();
    pumpFor(100);
    ASSERT_TRUE(GetWindowLongPtrW(w.form->handle(), GWL_EXSTYLE) & WS_EX_LAYERED);
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(w.form->handle(), nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, 200);
    EXPECT_TRUE(flags & LWA_ALPHA);
    w.form->hide();
    EXPECT_FALSE(GetWindowLongPtrW(w.form->handle(), GWL_EXSTYLE) & WS_EX_LAYERED);
}

// A popup the window owns (a dropped list) that counts the z-order placements it is given.
LRESULT CALLBACK countPlacements(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* placements = reinterpret_cast<int*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (msg == WM_WINDOWPOSCHANGING && placements &&
        !(reinterpret_cast<WINDOWPOS*>(lParam)->flags & SWP_NOZORDER))
        ++*placements;
    return DefWindowProcW(window, msg, wParam, lParam);
}

bool isAbove(HWND upper, HWND lower) {
    for (HWND w = GetWindow(lower, GW_HWNDPREV); w; w = GetWindow(w, GW_HWNDPREV))
        if (w == upper) return true;
    return false;
}

// Dropping the layered style (at the end of the fade-in, or AlphaBlend switched off before the show's
// timer came) restacks the window under Wine: the popups it shows are placed above it again, in their
// order; and the show's timer stops either way.
TEST(SkinFormStates, OwnedPopupsStayAboveTheWindowWhenItDropsTheLayeredStyle) {
    for (const bool fadeIn : {true, false}) {
        SCOPED_TRACE(fadeIn ? "fade-in" : "AlphaBlend off");
        SkinnedWindow w(true, kLeft, false);
        w.frame->AlphaBlendAnimation = fadeIn;
        w.frame->setAlphaBlend(!fadeIn);
        w.form->show();
        int placements[2] = {};
        HWND popups[2] = {};
        for (int i = 0; i < 2; ++i) {
            popups[i] = createHelperWindow(L"VireltanTestOwnedPopup", countPlacements, WS_POPUP,
                                           w.form->handle(), &placements[i]);
            SetWindowPos(popups[i], HWND_TOP, kLeft + 40 + 20 * i, kTop + 100, 80, 60,
                         SWP_NOACTIVATE | SWP_SHOWWINDOW);
            placements[i] = 0;
        }
        if (!fadeIn) w.frame->setAlphaBlend(false);
        EXPECT_TRUE(testing::pumpUntil(
            [&] { return !(GetWindowLongPtrW(w.form->handle(), GWL_EXSTYLE) & WS_EX_LAYERED); }, 3000));
        for (int i = 0; i < 2; ++i) {
            EXPECT_EQ(placements[i], 1) << i;
            EXPECT_TRUE(isAbove(popups[i], w.form->handle())) << i;
        }
        EXPECT_TRUE(isAbove(popups[1], popups[0]));
        pumpFor(30);
        EXPECT_FALSE(KillTimer(w.form->handle(), 1)) << "the show's 1 ms timer has stopped";
        for (HWND popup : popups) DestroyWindow(popup);
    }
}

}  // namespace
}  // namespace vireltan
