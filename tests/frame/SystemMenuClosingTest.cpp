// How the open system menu ends when the user does what opened it once more (a press on the
// system-menu button, a right click on the caption), and Alt+F4 while a menu of the window is open.
#include "SystemMenuFixture.h"
#include "menus/SkinPopupMenu.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vireltan {
namespace {

using namespace vireltan::testing;
using SystemMenuClosing = SystemMenuFixture;

// The second press closes the menu and nothing opens it again; the button is back to normal at once;
// a third press opens it again.
TEST_F(SystemMenuClosing, APressThatOpenedTheMenuClosesItTheSecondTime) {
    struct Case {
        const char* how;
        bool onButton;  // else a right click on the caption
    };
    const Case cases[] = {{"left click on the system-menu button", true},
                          {"right click on the caption", false}};
    for (const Case& c : cases) {
        int opened = 0, closed = 0;
        frame->OnSkinMenuOpen = [&] { ++opened; };
        frame->OnSkinMenuClose = [&] { ++closed; };
        const PixelRect& b = frame->layout().objects[std::size_t(sysMenuButton())].rect;
        const RECT w = window();
        POINT at = c.onButton ? POINT{w.left + (b.left + b.right) / 2, w.top + (b.top + b.bottom) / 2}
                              : POINT{w.left + (w.right - w.left) / 2, w.top + 12};
        const DWORD down = c.onButton ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_RIGHTDOWN;
        const DWORD up = c.onButton ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_RIGHTUP;
        bool windowClosed = false;
        form->OnClose = [&] { windowClosed = true; };
        mouseClickAt(at.x, at.y, down, up);
        ASSERT_TRUE(menu().Visible()) << c.how;
        // The menu opened at the cursor: the caption is pressed again left of it.
        if (!c.onButton) at.x -= 40;
        // Clicks apart, not a double click (which on the system-menu button closes the window).
        const int apart = int(GetDoubleClickTime()) + 50;
        pumpFor(apart);
        mouseClickAt(at.x, at.y, down, up);
        EXPECT_FALSE(menu().Visible()) << c.how;
        EXPECT_FALSE(frame->menuOpen()) << c.how;
        const FrameObjectState& button = frame->layout().objects[std::size_t(sysMenuButton())].state;
        EXPECT_FALSE(button.down) << c.how;
        EXPECT_FALSE(button.menuShown) << c.how;
        pumpFor(100);
        EXPECT_FALSE(menu().Visible()) << c.how;
        EXPECT_EQ(opened, 1) << c.how;
        EXPECT_EQ(closed, 1) << c.how;
        pumpFor(apart);
        mouseClickAt(at.x, at.y, down, up);
        EXPECT_TRUE(menu().Visible()) << c.how;
        EXPECT_EQ(opened, 2) << c.how;
        pressKey(edit->handle(), VK_ESCAPE);
        EXPECT_FALSE(menu().Visible()) << c.how;
        EXPECT_FALSE(windowClosed) << c.how;
        form->OnClose = nullptr;
        SetCursorPos(5, 5);
        pumpFor(apart);
    }
}

// A popup menu of the form open: a press on the system-menu button replaces it by the system menu.
TEST_F(SystemMenuClosing, APressOnTheButtonOverAnotherMenuOpensTheSystemMenu) {
    auto* popupMenu = new TbsSkinPopupMenu(form.get());
    MenuItemData one;
    one.caption = "&Bir";
    popupMenu->Items = {one};
    popupMenu->Popup(300, 300);
    ASSERT_TRUE(menu().Visible());
    const PixelRect& b = frame->layout().objects[std::size_t(sysMenuButton())].rect;
    const RECT w = window();
    mouseClickAt(w.left + (b.left + b.right) / 2, w.top + (b.top + b.bottom) / 2);
    ASSERT_TRUE(menu().Visible());
    EXPECT_EQ(root().items().front().name, "BSF_MINITEM");
    pressKey(edit->handle(), VK_ESCAPE);
    SetCursorPos(5, 5);
}

// Alt+F4 is the window's key even while a menu is open: the menu closes, then the window.
TEST_F(SystemMenuClosing, AltF4ClosesTheMenuThenTheWindow) {
    struct Case {
        const char* menu;
        bool systemMenu;   // else a popup menu of the form
        bool readByPopup;  // the key arrives at the popup (the pointer's window under some systems)
    };
    const Case cases[] = {{"system menu", true, false},
                          {"popup menu of the form", false, false},
                          {"system menu, key read by its popup", true, true}};
    auto* popupMenu = new TbsSkinPopupMenu(form.get());
    MenuItemData one;
    one.caption = "&Bir";
    popupMenu->Items = {one};
    for (const Case& c : cases) {
        int closes = 0;
        std::vector<std::string> order;
        form->OnClose = [&] {
            ++closes;
            order.push_back(menu().Visible() ? "window closed, menu open" : "window closed");
        };
        if (c.systemMenu) {
            pressSysMenuButton();
        } else {
            popupMenu->Popup(300, 300);
        }
        ASSERT_TRUE(menu().Visible()) << c.menu;
        const LPARAM scan = LPARAM(MapVirtualKeyW(VK_F4, MAPVK_VK_TO_VSC)) << 16;
        const LPARAM alt = LPARAM(1) << 29;
        HWND target = c.readByPopup ? root().allocatedHandle() : edit->handle();
        PostMessageW(target, WM_SYSKEYDOWN, VK_F4, scan | alt | 1);
        PostMessageW(target, WM_SYSKEYUP, VK_F4, scan | alt | 1 | (LPARAM(3) << 30));
        pumpPosted();
        pumpFor(60);
        EXPECT_FALSE(menu().Visible()) << c.menu;
        EXPECT_FALSE(frame->menuOpen()) << c.menu;
        EXPECT_EQ(closes, 1) << c.menu;
        EXPECT_EQ(order, std::vector<std::string>{"window closed"}) << c.menu;
        form->OnClose = nullptr;
        form->show();
        SetForegroundWindow(form->handle());
        pumpUntil([&] { return frame->IsFrameActive(); }, 2000);
        edit->setFocus();
        pumpFor(30);
    }
}

// What the menu's hook keeps from the window while the system menu is open: keys and the wheel go to
// the menu; Alt+F4 closes it and asks the window to close (the window's close is tested above).
TEST_F(SystemMenuClosing, TheHookKeepsKeysAndTheWheelAndTurnsAltF4IntoAClose) {
    struct Case {
        const char* what;
        UINT msg;
        WPARAM wParam;
        LPARAM lParam;
        bool reachesEdit;
        bool menuStaysOpen;
    };
    const LPARAM alt = LPARAM(1) << 29;
    const Case cases[] = {
        {"an arrow key", WM_KEYDOWN, VK_RIGHT, 1, false, true},
        {"Alt with a letter no item has", WM_SYSKEYDOWN, 'Q', alt | 1, false, true},
        {"the wheel", WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0, false, true},
        {"the horizontal wheel", WM_MOUSEHWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0, false, true},
        {"Alt+F4", WM_SYSKEYDOWN, VK_F4, alt | 1, false, false},
    };
    form->OnClose = [] {};
    for (const Case& c : cases) {
        int heard = 0;
        auto spy = edit->installWindowProcHook([&](TMessage& m, const WindowProcNext& next) {
            if (m.msg == c.msg) {
                ++heard;
                m.result = 0;
                return;  // the test looks only at what arrives: nothing runs it
            }
            next(m);
        });
        pressSysMenuButton();
        ASSERT_TRUE(menu().Visible()) << c.what;
        PostMessageW(edit->handle(), c.msg, c.wParam, c.lParam);
        pumpPosted();
        EXPECT_EQ(heard, c.reachesEdit ? 1 : 0) << c.what;
        EXPECT_EQ(menu().Visible(), c.menuStaysOpen) << c.what;
        spy.remove();
        if (menu().Visible()) pressKey(edit->handle(), VK_ESCAPE);
    }
    form->OnClose = nullptr;
}

}  // namespace
}  // namespace vireltan
