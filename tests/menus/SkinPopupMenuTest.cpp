// The popup-menu component on a form without a frame: it shows through an engine of its own, in the
// plain look, takes the keys through its own hook while open and gives them back when it closes, runs
// the chosen item and tells the control that opened it; the window keeps the activation and focus.
#include "menus/SkinPopupMenu.h"

#include "ControlTestSupport.h"
#include "MenuWinTestSupport.h"
#include "gui/MaskEdit.h"
#include "gui/Messages.h"

#include <gtest/gtest.h>

namespace vireltan {
namespace {

using namespace vireltan::testing;

MenuItemData item(std::string caption, int command, bool enabled = true) {
    MenuItemData m;
    m.caption = std::move(caption);
    m.command = command;
    m.enabled = enabled;
    return m;
}

struct PopupMenuFixture : ::testing::Test {
    HostForm host{400, 300};
    TMaskEdit* edit = nullptr;
    TbsSkinPopupMenu* menu = nullptr;
    std::vector<int> ran;
    std::vector<UINT> editHeard;
    WindowProcHook editHook;
    CursorRestore cursor;

    void SetUp() override {
        edit = new TMaskEdit(host.form);
        edit->setParent(host.form);
        edit->setBounds(20, 20, 120, 20);
        edit->setText("12345");
        menu = new TbsSkinPopupMenu(host.form);
        menu->Items = {item("&Bir", 1), item("-", 0), item("&Iki", 2, false), item("&Üç", 3)};
        menu->PopupComponent = edit;
        menu->OnItemClick = [this](const MenuItemData& chosen) {
            ran.push_back(chosen.command);
            editHeard.push_back(0);  // the command's place among the edit's messages
        };
        editHook = edit->installWindowProcHook([this](TMessage& m, const WindowProcNext& next) {
            if (m.msg == CM_EDITMENUDONE || m.msg == BSM_MENUCLOSED) editHeard.push_back(m.msg);
            next(m);
        });
        SetForegroundWindow(host.form->handle());
        edit->setFocus();
        pumpFor(30);
        SetCursorPos(5, 5);
    }
    void TearDown() override { editHook.remove(); }

    TbsSkinMenu& engine() { return *menu->engine(); }
    TbsSkinPopupWindow& root() { return *engine().popup(0); }
};

using SkinPopupMenu = PopupMenuFixture;

// Without a frame nor a skin: items DefMenuItemHeight (20) high, separators 4, a margin of 4, and the
// first enabled item highlighted at the opening.
TEST_F(SkinPopupMenu, FramelessFormShowsThePlainLookThroughItsOwnEngine) {
    menu->Popup(200, 150);
    ASSERT_NE(menu->engine(), nullptr);
    ASSERT_TRUE(engine().Visible());
    ASSERT_EQ(engine().popupCount(), 1);
    TbsSkinPopupWindow& popup = root();
    EXPECT_EQ(popup.height(), 20 + 4 + 20 + 20 + 4);
    EXPECT_EQ(popup.left(), 200);
    EXPECT_EQ(popup.top(), 150);
    EXPECT_EQ(popup.selected(), 0);
    struct Case {
        int index;
        int top, bottom;
    };
    const Case cases[] = {{0, 2, 22}, {1, 22, 26}, {2, 26, 46}, {3, 46, 66}};
    for (const Case& c : cases) {
        EXPECT_EQ(popup.layout().itemRects[std::size_t(c.index)].top, c.top) << c.index;
        EXPECT_EQ(popup.layout().itemRects[std::size_t(c.index)].bottom, c.bottom) << c.index;
    }
    // The highlighted item's fill and the plain frame, as composed.
    EXPECT_EQ(pixelAt(popup.picture(), popup.width() / 2, 12), RGB(182, 189, 210));
    EXPECT_EQ(pixelAt(popup.picture(), 0, 30), GetSysColor(COLOR_BTNSHADOW));
    menu->engine()->Close();
}

// Keys go to the popup through the hook while it is open, never to the focused edit; the hook is gone
// once the menu closes, and the edit gets its keys again.
TEST_F(SkinPopupMenu, KeysReachTheMenuNotTheEditUntilItCloses) {
    int editKeys = 0;
    edit->OnKeyDown = [&](WORD&, TShiftState) { ++editKeys; };
    edit->select(2, 0);
    menu->Popup(200, 150);
    struct Case {
        WORD key;
        int selected;  // -1: the menu is closed
    };
    const Case cases[] = {{VK_DOWN, 3},  {VK_DOWN, 0}, {VK_UP, 3},  {VK_LEFT, 3},
                          {VK_RIGHT, 3}, {VK_HOME, 0}, {VK_END, 3}, {VK_ESCAPE, -1}};
    for (const Case& c : cases) {
        pressKey(edit->handle(), c.key);
        if (c.selected < 0) {
            EXPECT_FALSE(engine().Visible());
        } else {
            ASSERT_TRUE(engine().Visible()) << c.key;
            EXPECT_EQ(root().selected(), c.selected) << c.key;
        }
    }
    EXPECT_EQ(editKeys, 0);
    EXPECT_EQ(edit->selStart(), 2);
    EXPECT_TRUE(ran.empty());
    pressKey(edit->handle(), VK_RIGHT);
    EXPECT_EQ(editKeys, 1);
    EXPECT_EQ(edit->selStart(), 3);
}

// Choosing runs the item after the menu has closed, then tells the control that opened it; disabled
// items and separators do nothing.
TEST_F(SkinPopupMenu, ChoosingRunsTheItemThenTellsTheControl) {
    struct Case {
        const char* how;
        int index;     // released over (or -1: the key below)
        WORD key;      // an accelerator
        int expected;  // the command run, 0 for none
    };
    const Case cases[] = {
        {"release over the first", 0, 0, 1},         {"release over the separator", 1, 0, 0},
        {"release over the disabled", 2, 0, 0},      {"accelerator of the first", -1, 'B', 1},
        {"accelerator of the disabled", -1, 'I', 0}, {"Enter on the first", -1, VK_RETURN, 1},
    };
    for (const Case& c : cases) {
        ran.clear();
        editHeard.clear();
        menu->Popup(200, 150);
        ASSERT_TRUE(engine().Visible()) << c.how;
        if (c.index >= 0) {
            releaseOverItem(root(), c.index);
        } else {
            pressKey(edit->handle(), c.key);
        }
        if (c.expected == 0) {
            EXPECT_TRUE(ran.empty()) << c.how;
            EXPECT_TRUE(engine().Visible()) << c.how;
            EXPECT_TRUE(editHeard.empty()) << c.how;
            engine().Close();
            continue;
        }
        EXPECT_EQ(ran, std::vector<int>{c.expected}) << c.how;
        EXPECT_FALSE(engine().Visible()) << c.how;
        // Closed (BSM_MENUCLOSED), then the command (0), then CM_EDITMENUDONE (WM_USER + 205).
        EXPECT_EQ(editHeard, (std::vector<UINT>{BSM_MENUCLOSED, 0, WM_USER + 205})) << c.how;
    }
}

// Neither opening, moving the selection nor choosing takes the activation or the focus.
TEST_F(SkinPopupMenu, PopupsNeverTakeActivationOrFocus) {
    std::vector<UINT> activations;
    auto formHook = host.form->installWindowProcHook([&](TMessage& m, const WindowProcNext& next) {
        if (m.msg == WM_ACTIVATE || m.msg == WM_NCACTIVATE || m.msg == WM_ACTIVATEAPP)
            activations.push_back(m.msg);
        next(m);
    });
    ASSERT_EQ(GetActiveWindow(), host.form->handle());
    ASSERT_EQ(GetFocus(), edit->handle());
    menu->Popup(200, 150);
    HWND popup = root().allocatedHandle();
    ASSERT_TRUE(IsWindowVisible(popup));
    EXPECT_NE(GetWindowLongPtrW(popup, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    EXPECT_EQ(SendMessageW(popup, WM_MOUSEACTIVATE, WPARAM(host.form->handle()),
                           MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN)),
              MA_NOACTIVATE);
    pressKey(edit->handle(), VK_DOWN);
    const PixelRect r = root().itemScreenRect(3);
    SetCursorPos(r.left + 5, r.top + 5);
    pumpFor(120);
    EXPECT_EQ(root().selected(), 3);
    EXPECT_EQ(GetActiveWindow(), host.form->handle());
    EXPECT_EQ(GetFocus(), edit->handle());
    releaseOverItem(root(), 3);
    EXPECT_EQ(ran, std::vector<int>{3});
    EXPECT_EQ(GetActiveWindow(), host.form->handle());
    EXPECT_EQ(GetFocus(), edit->handle());
    EXPECT_TRUE(activations.empty()) << activations.size();
}

// A change of selection composes the two items concerned again and nothing else; the window copies
// only their rectangles.
TEST_F(SkinPopupMenu, SelectionChangeComposesTwoItems) {
    menu->Popup(200, 150);
    pumpFor(30);
    TbsSkinPopupWindow& popup = root();
    struct Case {
        const char* how;
        WORD key;
        int selected;
    };
    const Case cases[] = {{"down", VK_DOWN, 3}, {"up", VK_UP, 0}, {"end", VK_END, 3}};
    for (const Case& c : cases) {
        const TbsSkinPopupWindow::PaintCounts before = popup.paintCounts();
        pressKey(edit->handle(), c.key);
        EXPECT_EQ(popup.selected(), c.selected) << c.how;
        EXPECT_EQ(popup.paintCounts().items - before.items, 2) << c.how;
        EXPECT_EQ(popup.paintCounts().backgrounds, before.backgrounds) << c.how;
        RECT pending{};
        GetUpdateRect(popup.allocatedHandle(), &pending, FALSE);
        EXPECT_LE(pending.bottom - pending.top, 2 * 20 + 24) << c.how;  // the two items, not 68 pixels
    }
    engine().Close();
}

// Nothing to show opens nothing and leaves no hook behind.
TEST_F(SkinPopupMenu, EmptyMenuOpensNothing) {
    menu->Items.clear();
    menu->Popup(200, 150);
    EXPECT_FALSE(menu->engine()->Visible());
    int editKeys = 0;
    edit->OnKeyDown = [&](WORD&, TShiftState) { ++editKeys; };
    pressKey(edit->handle(), VK_DOWN);
    EXPECT_EQ(editKeys, 1);
}

// More items than MaxMenuItemsInWindow: the popup shows that many between two marker bands and
// scrolls to keep the selection in range.
TEST_F(SkinPopupMenu, LongMenuScrollsToTheSelection) {
    menu->Items.clear();
    for (int i = 1; i <= 6; ++i) menu->Items.push_back(item("Satir " + std::to_string(i), i));
    menu->Popup(200, 150);
    engine().Close();
    engine().MaxMenuItemsInWindow = 3;
    menu->Popup(200, 150);
    TbsSkinPopupWindow& popup = root();
    EXPECT_EQ(popup.height(), 3 * 20 + 4 + 20);
    EXPECT_TRUE(popup.layout().size.scrollMode);
    struct Case {
        WORD key;
        int selected, firstVisible;
    };
    const Case cases[] = {{VK_DOWN, 1, 0}, {VK_DOWN, 2, 0}, {VK_DOWN, 3, 1},
                          {VK_END, 5, 3},  {VK_DOWN, 0, 0}, {VK_UP, 5, 3}};
    for (const Case& c : cases) {
        pressKey(edit->handle(), c.key);
        EXPECT_EQ(popup.selected(), c.selected) << c.key;
        EXPECT_EQ(popup.layout().firstVisible, c.firstVisible) << c.key;
        EXPECT_TRUE(popup.layout().inRange(c.selected)) << c.key;
    }
    // The pointer in the upper marker band scrolls up, one item every 100 ms, to the top.
    const PixelRect band = popup.layout().upMarker;
    SetCursorPos(popup.left() + (band.left + band.right) / 2, popup.top() + (band.top + band.bottom) / 2);
    ASSERT_TRUE(pumpUntil([&] { return popup.layout().firstVisible == 0; }, 2000));
    EXPECT_TRUE(popup.scrolling());
    SetCursorPos(5, 5);
    engine().Close();
    engine().MaxMenuItemsInWindow = 0;
}

// A submenu opens beside its item after the pointer rests on it (500 ms), or at once with Right or a
// click; Left closes it; a choice in it runs and closes the whole menu.
TEST_F(SkinPopupMenu, SubmenusOpenBesideTheirItem) {
    MenuItemData parent = item("&Alt", 0);
    parent.submenu = {item("&Kirk", 40), item("&Elli", 50)};
    menu->Items = {item("&Bir", 1), parent};
    menu->Popup(200, 150);
    pressKey(edit->handle(), VK_DOWN);
    pressKey(edit->handle(), VK_RIGHT);
    ASSERT_EQ(engine().popupCount(), 2);
    TbsSkinPopupWindow& sub = *engine().popup(1);
    EXPECT_EQ(sub.left(), root().itemScreenRect(1).right + 1);
    EXPECT_EQ(sub.top(), root().itemScreenRect(1).top - sub.layout().itemsArea.top);
    EXPECT_TRUE(root().menuItems()[1].submenuOpen);
    pressKey(edit->handle(), VK_LEFT);
    EXPECT_EQ(engine().popupCount(), 1);
    EXPECT_FALSE(root().menuItems()[1].submenuOpen);
    // Resting on the item opens it after the delay.
    const PixelRect r = root().itemScreenRect(1);
    SetCursorPos(r.left + 4, r.top + 4);
    ASSERT_TRUE(pumpUntil([&] { return engine().popupCount() == 2; }, 2000));
    pressKey(edit->handle(), 'E');
    EXPECT_EQ(ran, std::vector<int>{50});
    EXPECT_FALSE(engine().Visible());
    EXPECT_EQ(engine().popupCount(), 0);
}

// With MenusAlphaBlend the popup is layered at MenusAlphaBlendValue; the first popup fades in to it
// when MenusAlphaBlendAnimation is on.
TEST_F(SkinPopupMenu, AlphaBlendLayersThePopupAtItsValue) {
    struct Case {
        bool blend, animate;
        int value;
        bool layered;
    };
    const Case cases[] = {{false, false, 150, false},
                          {true, false, 150, true},
                          {true, true, 120, true},
                          {true, false, 300, true}};
    menu->Popup(200, 150);
    engine().Close();
    for (const Case& c : cases) {
        engine().MenusAlphaBlend = c.blend;
        engine().MenusAlphaBlendAnimation = c.animate;
        engine().MenusAlphaBlendValue = c.value;
        menu->Popup(200, 150);
        ASSERT_TRUE(engine().Visible());
        HWND popup = root().allocatedHandle();
        const bool layered = (GetWindowLongPtrW(popup, GWL_EXSTYLE) & WS_EX_LAYERED) != 0;
        EXPECT_EQ(layered, c.layered) << c.value;
        if (layered) {
            BYTE alpha = 0;
            DWORD flags = 0;
            ASSERT_TRUE(GetLayeredWindowAttributes(popup, nullptr, &alpha, &flags));
            EXPECT_EQ(alpha, std::min(c.value, 255)) << c.value;
        }
        EXPECT_EQ(GetActiveWindow(), host.form->handle());
        engine().Close();
    }
    engine().MenusAlphaBlend = false;
}

}  // namespace
}  // namespace vireltan
