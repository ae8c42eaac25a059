// The tray icon component and the frame's tray commands: SendToTray, RestoreFromTray, the
// cmminimizetotray command and AlwaysMinimizeToTray, with and without a TrayIcon.
#include "frame/TrayIcon.h"

#include "SkinnedFormSupport.h"
#include "frame/SkinForm.h"
#include "menus/SkinPopupWindow.h"

#include <gtest/gtest.h>

#include <shellapi.h>

#include <memory>

namespace vireltan {
namespace {

// Whether the notification area holds an icon of this window (a change to it only succeeds then).
bool inNotificationArea(HWND window) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = window;
    data.uID = 1;
    data.uFlags = NIF_TIP;
    return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

TEST(TrayIcon, ShownAndHiddenAndRemovedWithItsComponent) {
    auto icon = std::make_unique<TbsTrayIcon>(nullptr);
    const HWND window = icon->notifyWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(icon->IconVisible());
    EXPECT_FALSE(inNotificationArea(window));
    icon->setIconVisible(true);
    EXPECT_TRUE(inNotificationArea(window));
    icon->setHint("Vireltan");
    EXPECT_TRUE(inNotificationArea(window));
    icon->setIconVisible(false);
    EXPECT_FALSE(inNotificationArea(window));
    icon->setIconVisible(true);
    icon.reset();
    EXPECT_FALSE(inNotificationArea(window)) << "the icon goes with its component";
}

TEST(TrayIcon, DoubleClickAndMenuReachTheirHandlers) {
    TbsTrayIcon icon(nullptr);
    icon.setIconVisible(true);
    int doubleClicks = 0, menus = 0;
    icon.OnDblClick = [&] { ++doubleClicks; };
    icon.PopupMenu = [&](POINT) { ++menus; };
    struct Case {
        UINT mouse;
        int doubleClicks, menus;
    };
    const Case cases[] = {
        {WM_LBUTTONDBLCLK, 1, 0}, {WM_RBUTTONUP, 1, 1}, {WM_MOUSEMOVE, 1, 1}, {WM_LBUTTONUP, 1, 1}};
    for (const Case& c : cases) {
        SendMessageW(icon.notifyWindow(), TbsTrayIcon::kCallbackMessage, 1, c.mouse);
        EXPECT_EQ(doubleClicks, c.doubleClicks) << c.mouse;
        EXPECT_EQ(menus, c.menus) << c.mouse;
    }
}

class FrameTray : public ::testing::Test {
  protected:
    void SetUp() override {
        previousMain = Application().mainForm();
        form = testing::singleBorderForm("tray", 80, 60, 400, 200);
        frame = testing::skinnedFrame(*form, data, {true, true, false, false, true});
        ASSERT_NE(data, nullptr);
        frame->OnMinimizeToTray = [this] { events += "toTray "; };
        frame->OnRestoreFromTray = [this] { events += "fromTray "; };
        Application().setMainForm(form.get());
        form->show();
        testing::pumpFor(20);
    }
    void TearDown() override {
        Application().setMainForm(previousMain);
        form.reset();
    }
    bool visible() const { return IsWindowVisible(form->handle()) != FALSE; }
    bool iconic() const { return IsIconic(form->handle()) != FALSE; }

    TForm* previousMain = nullptr;
    std::unique_ptr<TForm> form;
    SkinDataComponent* data = nullptr;
    TbsSkinForm* frame = nullptr;
    std::string events;
};

TEST_F(FrameTray, SendToTrayAndRestoreFromTray) {
    struct Case {
        bool withIcon, alwaysShow;
        // After SendToTray:
        bool sentVisible, sentIcon;
        // After RestoreFromTray:
        bool restoredIcon;
        const char* events;
    };
    const Case cases[] = {
        {false, false, true, false, false, ""},
        {false, true, true, false, false, ""},
        {true, false, false, true, false, "toTray fromTray "},
        {true, true, false, true, true, "toTray fromTray "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "icon " << c.withIcon << ", AlwaysShowInTray " << c.alwaysShow);
        events.clear();
        frame->AlwaysShowInTray = c.alwaysShow;
        std::unique_ptr<TbsTrayIcon> icon;
        if (c.withIcon) {
            icon = std::make_unique<TbsTrayIcon>(nullptr);
            icon->setMinimizeToTray(true);
            frame->setTrayIcon(icon.get());
            EXPECT_EQ(icon->IconVisible(), c.alwaysShow) << "a new icon is hidden unless AlwaysShowInTray";
            EXPECT_FALSE(icon->MinimizeToTray());
            EXPECT_TRUE(icon->PopupMenu) << "the frame's tray menu";
            EXPECT_TRUE(icon->OnDblClick) << "brings the application back";
        }
        frame->SendToTray();
        EXPECT_EQ(visible(), c.sentVisible);
        EXPECT_FALSE(!c.withIcon && iconic()) << "without an icon nothing happens";
        if (icon) {
            EXPECT_EQ(icon->IconVisible(), c.sentIcon);
            EXPECT_TRUE(icon->MinimizeToTray());
            EXPECT_TRUE(icon->applicationInTray());
        }
        frame->RestoreFromTray();
        EXPECT_TRUE(visible());
        EXPECT_FALSE(iconic());
        if (icon) {
            EXPECT_EQ(icon->IconVisible(), c.restoredIcon);
            EXPECT_FALSE(icon->MinimizeToTray());
            EXPECT_FALSE(icon->applicationInTray());
        }
        EXPECT_EQ(events, c.events);
        frame->setTrayIcon(nullptr);
        if (icon) {
            EXPECT_FALSE(icon->PopupMenu) << "what the frame gave goes with it";
            EXPECT_FALSE(icon->OnDblClick);
        }
    }
}

// The minimize button runs SendToTray with AlwaysMinimizeToTray; the icon's double click, which
// the frame installed, brings the application back.
TEST_F(FrameTray, MinimizeButtonWithAlwaysMinimizeToTrayAndTheDoubleClickBack) {
    const int minimize = frame->findObject("minanimate");
    ASSERT_GE(minimize, 0);
    struct Case {
        bool withIcon, alwaysMinimizeToTray;
        bool hidden, iconic;
    };
    const Case cases[] = {
        {false, true, false, false},  // nothing: no icon to go to
        {true, true, true, false},    // into the tray
        {true, false, false, true},   // an ordinary minimize
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << "icon " << c.withIcon << ", AlwaysMinimizeToTray " << c.alwaysMinimizeToTray);
        std::unique_ptr<TbsTrayIcon> icon;
        if (c.withIcon) {
            icon = std::make_unique<TbsTrayIcon>(nullptr);
            frame->setTrayIcon(icon.get());
        }
        frame->AlwaysMinimizeToTray = c.alwaysMinimizeToTray;
        frame->DoCommand(minimize);
        EXPECT_EQ(!visible(), c.hidden);
        EXPECT_EQ(iconic() && visible(), c.iconic);
        if (icon && c.hidden) {
            SendMessageW(icon->notifyWindow(), TbsTrayIcon::kCallbackMessage, 1, WM_LBUTTONDBLCLK);
            EXPECT_TRUE(visible());
            EXPECT_FALSE(icon->IconVisible());
        }
        ShowWindow(form->handle(), SW_RESTORE);
        frame->setTrayIcon(nullptr);
        EXPECT_TRUE(visible());
    }
}

// The icon's menu opens through the frame's skinned engine with the restore and close items, and
// its keys run them: R brings the application back, Escape closes the menu and leaves it in the tray.
TEST_F(FrameTray, TrayMenuThroughTheSkinnedEngine) {
    struct Case {
        WPARAM key;
        bool visibleAfter;
        const char* events;
    };
    for (const Case& c : {Case{'R', true, "toTray fromTray "}, Case{VK_ESCAPE, false, "toTray "}}) {
        SCOPED_TRACE(::testing::Message() << "key " << c.key);
        events.clear();
        auto icon = std::make_unique<TbsTrayIcon>(nullptr);
        frame->setTrayIcon(icon.get());
        frame->SendToTray();
        ASSERT_FALSE(visible());
        icon->PopupMenu(POINT{300, 300});
        TbsSkinMenu& menu = frame->SkinMenu();
        ASSERT_TRUE(menu.Visible());
        ASSERT_EQ(menu.popupCount(), 1);
        const std::vector<MenuItemData>& items = menu.popup(0)->items();
        ASSERT_EQ(items.size(), 3u);
        EXPECT_EQ(items[0].caption, "&Restore");
        EXPECT_TRUE(items[1].isSeparator());
        EXPECT_EQ(items[2].caption, "&Close");
        EXPECT_EQ(items[2].shortcut, "Alt+F4");
        menu.menuKeyDown(c.key, 0);
        testing::pumpFor(20);
        EXPECT_FALSE(menu.Visible());
        EXPECT_EQ(visible(), c.visibleAfter);
        EXPECT_EQ(events, c.events);
        frame->RestoreFromTray();
        frame->setTrayIcon(nullptr);
    }
}

}  // namespace
}  // namespace vireltan
