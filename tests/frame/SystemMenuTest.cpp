// The calculator's system menu on a real skinned window: its items for the window's state and
// border icons, its size and pixels from the calculator skin, where it opens, the keys that work it
// (which never reach the focused field) and how it closes.
#include "frame/SkinForm.h"

#include "SystemMenuFixture.h"
#include "gui/MaskEdit.h"
#include "gui/Messages.h"
#include "menus/SkinPopupMenu.h"
#include "skin/MenuLook.h"
#include "skin/SkinObjects.h"

#include <gtest/gtest.h>

#include <memory>

namespace vireltan {
namespace {

using namespace vireltan::testing;
using SystemMenuTest = SystemMenuFixture;

// Arial 14 (the menuitem definition's font) on the screen.
int textWidth(const std::string& text) {
    TBitmap b(1, 1);
    b.canvas().font().assign(FontDescription{"Arial", 14, 0, clBlack});
    return b.canvas().textWidth(text);
}

// Three items 23, 2 and 23 pixels high from y = 2 (itemsrect's top) plus the frame's margin of 2 + 2,
// as wide as "Close  Alt+F4" + 51, just below the button; the first item highlighted.
TEST_F(SystemMenuTest, CalculatorMenuTakesItsSizeAndLookFromTheSkin) {
    pressSysMenuButton();
    ASSERT_TRUE(menu().Visible());
    ASSERT_EQ(menu().popupCount(), 1);
    TbsSkinPopupWindow& popup = root();
    EXPECT_EQ(joined(captionsOf(popup)), "Mi&nimize|-|&Close");
    EXPECT_EQ(popup.items()[2].shortcut, "Alt+F4");
    EXPECT_EQ(popup.height(), 52);
    EXPECT_EQ(popup.width(), textWidth("Close  Alt+F4") + 51);
    struct Case {
        int index, top, bottom;
    };
    for (const Case& c : {Case{0, 2, 25}, Case{1, 25, 27}, Case{2, 27, 50}}) {
        EXPECT_EQ(popup.layout().itemRects[std::size_t(c.index)].top, c.top) << c.index;
        EXPECT_EQ(popup.layout().itemRects[std::size_t(c.index)].bottom, c.bottom) << c.index;
    }
    const RECT w = window();
    EXPECT_EQ(popup.left(), w.left + 10);  // the button lies at (10, 10, 23, 23) on the window
    EXPECT_EQ(popup.top(), w.top + 23);
    EXPECT_EQ(popup.selected(), 0);
    EXPECT_TRUE(frame->layout().objects[std::size_t(sysMenuButton())].state.down);

    // Pixels: skin picture 1 at the corner, picture 2's item strip, black text on the highlighted
    // item and white on the other.
    const TbsSkinData& skin = *frame->SkinData();
    const Raster& popupPicture = *skin.activePictureRaster(1);
    const Raster& itemPicture = *skin.activePictureRaster(2);
    auto rgbOf = [](const Raster& r, int x, int y) {
        const std::uint8_t* p = r.bits() + y * r.stride() + 3 * x;
        return RGB(p[2], p[1], p[0]);
    };
    TBitmap& shown = popup.picture();
    EXPECT_EQ(pixelAt(shown, 0, 0), rgbOf(popupPicture, 0, 0));
    EXPECT_EQ(pixelAt(shown, 1, 1), rgbOf(popupPicture, 1, 1));
    EXPECT_EQ(pixelAt(shown, 2, 2), rgbOf(itemPicture, 1, 1));           // the item's left column
    EXPECT_EQ(pixelAt(shown, 2, 26), rgbOf(itemPicture, 2, 45));         // the divider
    EXPECT_EQ(pixelAt(shown, 2 + 2, 28), rgbOf(itemPicture, 1 + 2, 2));  // the close item's strip
    auto count = [&](int top, int bottom, COLORREF colour) {
        int n = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = 2; x < popup.width() - 2; ++x) n += pixelAt(shown, x, y) == colour;
        return n;
    };
    EXPECT_GT(count(2, 25, RGB(0, 0, 0)), 20);
    EXPECT_EQ(count(2, 25, RGB(255, 255, 255)), 0);
    EXPECT_GT(count(27, 50, RGB(255, 255, 255)), 20);
}

// The items follow the border icons and the window's state at each opening.
TEST_F(SystemMenuTest, ItemsFollowTheBorderIconsAndState) {
    struct Case {
        const char* name;
        TbsBorderIcons icons;
        TbsFrameWindowState state;
        const char* expected;
    };
    const Case cases[] = {
        {"calculator", {true, true, false, false, false}, TbsFrameWindowState::Normal, "Mi&nimize|-|&Close"},
        {"maximize too",
         {true, true, true, false, false},
         TbsFrameWindowState::Normal,
         "Mi&nimize|Ma&ximize|-|&Close"},
        {"maximized",
         {true, true, true, false, false},
         TbsFrameWindowState::Maximized,
         "Mi&nimize|&Restore|-|&Close"},
        {"roll-up", {true, false, false, true, false}, TbsFrameWindowState::Normal, "Ro&llUp|-|&Close"},
        {"nothing but close", {true, false, false, false, false}, TbsFrameWindowState::Normal, "&Close"},
    };
    for (const Case& c : cases) {
        frame->setBorderIcons(c.icons);
        frame->SetFrameWindowState(c.state);
        pumpFor(20);
        frame->PopupSystemMenu(RECT{100, 100, 113, 113});
        ASSERT_TRUE(menu().Visible()) << c.name;
        EXPECT_EQ(joined(captionsOf(root())), c.expected) << c.name;
        menu().Close();
        frame->SetFrameWindowState(TbsFrameWindowState::Normal);
    }
}

// A user's menu gets the standard items first and close last, and keeps them once, however often it
// opens.
TEST_F(SystemMenuTest, UserSystemMenuOpenedTwiceKeepsOneSetOfStandardItems) {
    MenuItemData a, b;
    a.caption = "&Hesapla";
    a.command = 7;
    b.caption = "&Temizle";
    b.command = 8;
    frame->SystemMenu = std::vector<MenuItemData>{a, b};
    std::vector<int> ran;
    frame->OnSystemMenuItem = [&](const MenuItemData& item) { ran.push_back(item.command); };
    for (int opening = 0; opening < 2; ++opening) {
        pressSysMenuButton();
        ASSERT_TRUE(menu().Visible());
        EXPECT_EQ(joined(captionsOf(root())), "Mi&nimize|&Hesapla|&Temizle|&Close") << opening;
        pressKey(edit->handle(), VK_ESCAPE);
    }
    pressSysMenuButton();
    pressKey(edit->handle(), 'T');
    EXPECT_EQ(ran, std::vector<int>{8});
}

// Near the bottom of the work area the menu opens above its anchor; otherwise below it.
TEST_F(SystemMenuTest, OpensAboveTheAnchorWhenItDoesNotFitBelow) {
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    struct Case {
        const char* name;
        RECT anchor;
        bool above;
    };
    const Case cases[] = {
        {"near the bottom", {200, work.bottom - 20, 213, work.bottom - 7}, true},
        {"at the bottom edge", {200, work.bottom - 13, 213, work.bottom}, true},
        {"in the middle", {200, 300, 213, 313}, false},
    };
    for (const Case& c : cases) {
        frame->PopupSystemMenu(c.anchor);
        ASSERT_TRUE(menu().Visible()) << c.name;
        const TbsSkinPopupWindow& popup = root();
        if (c.above) {
            EXPECT_EQ(popup.top() + popup.height(), c.anchor.top) << c.name;
        } else {
            EXPECT_EQ(popup.top(), c.anchor.bottom) << c.name;
        }
        EXPECT_EQ(popup.left(), c.anchor.left) << c.name;
        menu().Close();
    }
}

// Escape closes the menu and the button looks normal at once; the hook is gone with the menu.
TEST_F(SystemMenuTest, EscapeClosesAndTheButtonReturnsToNormal) {
    int opened = 0, closed = 0;
    frame->OnSkinMenuOpen = [&] { ++opened; };
    frame->OnSkinMenuClose = [&] { ++closed; };
    pressSysMenuButton();
    ASSERT_TRUE(menu().Visible());
    EXPECT_TRUE(frame->menuOpen());
    HWND popup = root().allocatedHandle();
    pressKey(edit->handle(), VK_ESCAPE);
    EXPECT_FALSE(menu().Visible());
    EXPECT_FALSE(IsWindowVisible(popup));
    EXPECT_FALSE(frame->menuOpen());
    EXPECT_FALSE(frame->layout().objects[std::size_t(sysMenuButton())].state.down);
    EXPECT_FALSE(frame->layout().objects[std::size_t(sysMenuButton())].state.menuShown);
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(closed, 1);
    int editKeys = 0;
    edit->OnKeyDown = [&](WORD&, TShiftState) { ++editKeys; };
    pressKey(edit->handle(), VK_LEFT);
    EXPECT_EQ(editKeys, 1);
}

// While the menu is open arrow keys move its selection and never reach the focused field.
TEST_F(SystemMenuTest, ArrowKeysDoNotReachTheEdit) {
    int editKeys = 0;
    edit->OnKeyDown = [&](WORD&, TShiftState) { ++editKeys; };
    edit->select(2, 0);
    pressSysMenuButton();
    struct Case {
        WORD key;
        int selected;
    };
    for (const Case& c : {Case{VK_DOWN, 2}, Case{VK_RIGHT, 2}, Case{VK_LEFT, 2}, Case{VK_UP, 0},
                          Case{VK_DOWN, 2}, Case{VK_HOME, 0}, Case{VK_END, 2}}) {
        pressKey(edit->handle(), c.key);
        ASSERT_TRUE(menu().Visible()) << c.key;
        EXPECT_EQ(root().selected(), c.selected) << c.key;
    }
    EXPECT_EQ(editKeys, 0);
    EXPECT_EQ(edit->selStart(), 2);
    EXPECT_EQ(GetFocus(), edit->handle());
    EXPECT_EQ(GetActiveWindow(), form->handle());
}

// N minimizes the application (the main window), C closes the window, Alt+Space opens the menu.
TEST_F(SystemMenuTest, AcceleratorsRunTheWindowCommands) {
    TForm* previousMain = Application().mainForm();
    Application().setMainForm(form.get());
    const LPARAM altSpace = (LPARAM(1) << 29) | (LPARAM(MapVirtualKeyW(VK_SPACE, MAPVK_VK_TO_VSC)) << 16) | 1;
    PostMessageW(edit->handle(), WM_SYSKEYDOWN, VK_SPACE, altSpace);
    pumpPosted();
    ASSERT_TRUE(menu().Visible());
    EXPECT_EQ(root().top(), window().top + 23);
    pressKey(edit->handle(), 'N');
    EXPECT_FALSE(menu().Visible());
    EXPECT_TRUE(IsIconic(form->handle()));
    ShowWindow(form->handle(), SW_RESTORE);
    pumpFor(30);
    bool closed = false;
    form->OnClose = [&] { closed = true; };
    frame->PopupSystemMenu(RECT{100, 100, 113, 113});
    pressKey(edit->handle(), 'C');
    EXPECT_TRUE(closed);
    EXPECT_FALSE(IsWindowVisible(form->handle()));
    Application().setMainForm(previousMain);
}

// Moving the window, a press on it or its deactivation close the menu.
TEST_F(SystemMenuTest, PopupEndingMessagesCloseTheMenu) {
    struct Case {
        const char* name;
        UINT msg;
        WPARAM wParam;
    };
    const Case cases[] = {
        {"moved", WM_MOVE, 0},
        {"pressed on the client", WM_LBUTTONDOWN, 0},
        {"right press on a child", WM_PARENTNOTIFY, WM_RBUTTONDOWN},
        {"non-client activation", WM_NCACTIVATE, FALSE},
        {"cancel mode", WM_CANCELMODE, 0},
    };
    for (const Case& c : cases) {
        pressSysMenuButton();
        ASSERT_TRUE(menu().Visible()) << c.name;
        SendMessageW(form->handle(), c.msg, c.wParam, 0);
        EXPECT_FALSE(menu().Visible()) << c.name;
        EXPECT_FALSE(frame->layout().objects[std::size_t(sysMenuButton())].state.down) << c.name;
        EXPECT_FALSE(frame->menuOpen()) << c.name;
        SendMessageW(form->handle(), WM_NCACTIVATE, TRUE, 0);
    }
    // A child window made while the menu is open leaves it open.
    pressSysMenuButton();
    SendMessageW(form->handle(), WM_PARENTNOTIFY, WM_CREATE, 0);
    EXPECT_TRUE(menu().Visible());
}

// As the user does it: a click on the button opens the menu, a click on an item runs it.
TEST_F(SystemMenuTest, ClicksOpenTheMenuAndRunAnItem) {
    std::vector<UINT> seen;
    auto spy = form->installWindowProcHook([&](TMessage& m, const WindowProcNext& next) {
        if (m.msg == WM_LBUTTONDOWN || m.msg == WM_LBUTTONUP || m.msg == WM_NCLBUTTONDOWN ||
            m.msg == WM_NCLBUTTONUP)
            seen.push_back(m.msg);
        next(m);
    });
    bool closed = false;
    form->OnClose = [&] { closed = true; };
    const PixelRect& b = frame->layout().objects[std::size_t(sysMenuButton())].rect;
    const RECT w = window();
    testing::mouseClickAt(w.left + (b.left + b.right) / 2, w.top + (b.top + b.bottom) / 2);
    ASSERT_TRUE(menu().Visible());
    EXPECT_NE(GetCapture(), form->handle());
    const PixelRect item = root().itemScreenRect(2);
    testing::mouseClickAt(item.left + 10, item.top + 5);
    std::string trace;
    for (UINT m : seen) trace += std::to_string(m) + " ";
    EXPECT_FALSE(menu().Visible()) << trace;
    EXPECT_TRUE(closed) << trace;
}

// The frame's translucency settings reach the menus it opens (200 unless set otherwise).
TEST_F(SystemMenuTest, FramesAlphaSettingsReachTheMenu) {
    struct Case {
        bool blend;
        int value;
        int expected;  // -1: not layered
    };
    for (const Case& c : {Case{false, 200, -1}, Case{true, 200, 200}, Case{true, 90, 90}}) {
        frame->MenusAlphaBlend = c.blend;
        frame->MenusAlphaBlendValue = c.value;
        frame->PopupSystemMenu(RECT{100, 100, 113, 113});
        ASSERT_TRUE(menu().Visible());
        BYTE alpha = 0;
        const bool layered = GetLayeredWindowAttributes(root().allocatedHandle(), nullptr, &alpha, nullptr) &&
                             (GetWindowLongPtrW(root().allocatedHandle(), GWL_EXSTYLE) & WS_EX_LAYERED);
        EXPECT_EQ(layered ? int(alpha) : -1, c.expected) << c.value;
        menu().Close();
    }
}

// A skin with a mask picture for its popups gives them its outline: the items area, and of the frame
// only the mask's black pixels, cut for the popup's size like the picture.
TEST_F(SystemMenuTest, MaskPictureShapesThePopup) {
    TbsSkinData& skin = *frame->SkinData();
    const int saved = skin.PopupWindow.maskpictureindex;
    skin.PopupWindow.maskpictureindex = skin.PopupWindow.windowpictureindex;  // dark corners, light edges
    frame->PopupSystemMenu(RECT{100, 100, 113, 113});
    ASSERT_TRUE(menu().Visible());
    TbsSkinPopupWindow& popup = root();
    WindowRegion region(CreateRectRgn(0, 0, 0, 0));
    const int kind = GetWindowRgn(popup.allocatedHandle(), region.get());
    const Raster& mask = *skin.activePictureRaster(skin.PopupWindow.maskpictureindex);
    const MenuPopupPieces pieces =
        menuPopupPieces(skin.PopupWindow, mask.width(), mask.height(), popup.width(), popup.height());
    const std::optional<RegionRects> expected = ComposeMaskRegion(mask, pieces.mask);
    skin.PopupWindow.maskpictureindex = saved;
    ASSERT_TRUE(expected.has_value());
    ASSERT_NE(kind, ERROR);
    auto expectedInside = [&](int x, int y) {
        for (const PixelRect& r : expected->rects)
            if (x >= r.left && x < r.right && y >= r.top && y < r.bottom) return true;
        return false;
    };
    struct Case {
        int x, y;
    };
    const Case cases[] = {{0, 0},
                          {1, 1},
                          {popup.width() - 1, 0},
                          {0, popup.height() - 1},
                          {popup.width() / 2, 0},
                          {popup.width() / 2, popup.height() / 2},
                          {2, 2},
                          {popup.width() - 3, popup.height() - 3}};
    int outside = 0;
    for (const Case& c : cases) {
        EXPECT_EQ(PtInRegion(region.get(), c.x, c.y) != 0, expectedInside(c.x, c.y)) << c.x << "," << c.y;
        outside += !expectedInside(c.x, c.y);
    }
    EXPECT_TRUE(PtInRegion(region.get(), popup.width() / 2, popup.height() / 2));  // the items area
    EXPECT_GT(outside, 0);  // the mask does cut something away
    menu().Close();
}

// A morphing menuitem definition blends the two items of a selection change in five steps, composing
// only those two items each time.
TEST_F(SystemMenuTest, MorphingItemsBlendInFiveSteps) {
    TbsDataSkinMenuItem* definition = nullptr;
    for (auto& object : frame->SkinData()->ObjectDefinitions) {
        if (auto* item = dynamic_cast<TbsDataSkinMenuItem*>(object.get()); item && !definition)
            definition = item;
    }
    ASSERT_NE(definition, nullptr);
    struct Case {
        bool morphing;
        int compositions;  // items composed for one change of selection
    };
    for (const Case& c : {Case{false, 2}, Case{true, 10}}) {
        definition->morphing = c.morphing;
        pressSysMenuButton();
        ASSERT_TRUE(menu().Visible());
        TbsSkinPopupWindow& popup = root();
        EXPECT_EQ(popup.menuItems()[0].morphFactor, 5);
        const TbsSkinPopupWindow::PaintCounts before = popup.paintCounts();
        pressKey(edit->handle(), VK_DOWN);
        ASSERT_TRUE(pumpUntil([&] { return popup.menuItems()[2].morphFactor == 5; }, 1000)) << c.morphing;
        pumpFor(60);
        EXPECT_EQ(popup.menuItems()[0].morphFactor, 0);
        EXPECT_EQ(popup.paintCounts().items - before.items, c.compositions) << c.morphing;
        EXPECT_EQ(popup.paintCounts().backgrounds, before.backgrounds) << c.morphing;
        pressKey(edit->handle(), VK_ESCAPE);
    }
    definition->morphing = false;
}

// The menus take MenusSkinData when it holds a skin, else SkinData; an empty one or one that goes
// leaves the frame's skin.
TEST_F(SystemMenuTest, MenusTakeMenusSkinDataBeforeSkinData) {
    auto* menusData = new SkinDataComponent(form.get());
    frame->setMenusSkinData(menusData);
    struct Case {
        const char* name;
        bool load;
        const TbsSkinData* expected;
    };
    const Case cases[] = {{"empty", false, frame->SkinData()}, {"loaded", true, &menusData->skinData()}};
    for (const Case& c : cases) {
        if (c.load) menusData->setCompressedStoredSkin(data->compressedStoredSkin());
        frame->PopupSystemMenu(RECT{100, 100, 113, 113});
        ASSERT_TRUE(menu().Visible()) << c.name;
        EXPECT_EQ(menu().skin(), c.expected) << c.name;
        EXPECT_EQ(root().height(), 52) << c.name;
        menu().Close();
    }
    delete menusData;
    EXPECT_EQ(frame->MenusSkinData(), nullptr);
    frame->PopupSystemMenu(RECT{100, 100, 113, 113});
    EXPECT_EQ(menu().skin(), frame->SkinData());
    menu().Close();
}

// A popup menu on a form with a frame shows through the frame's engine, in the frame's skin, under
// the frame's key hook; opening the system menu replaces it.
TEST_F(SystemMenuTest, PopupMenuOfTheFormGoesThroughTheFramesEngine) {
    int opened = 0, closed = 0;
    frame->OnSkinMenuOpen = [&] { ++opened; };
    frame->OnSkinMenuClose = [&] { ++closed; };
    auto* popupMenu = new TbsSkinPopupMenu(form.get());
    MenuItemData a, b;
    a.caption = "&Geri al";
    b.caption = "&Yapistir";
    popupMenu->Items = {a, b};
    popupMenu->Popup(300, 300);
    EXPECT_EQ(popupMenu->engine(), &frame->SkinMenu());
    ASSERT_TRUE(menu().Visible());
    EXPECT_TRUE(frame->menuOpen());
    EXPECT_EQ(root().height(), 2 * 23 + 4);
    int editKeys = 0;
    edit->OnKeyDown = [&](WORD&, TShiftState) { ++editKeys; };
    pressKey(edit->handle(), VK_DOWN);
    EXPECT_EQ(root().selected(), 1);
    EXPECT_EQ(editKeys, 0);
    frame->PopupSystemMenu(RECT{100, 100, 113, 113});
    EXPECT_EQ(joined(captionsOf(root())), "Mi&nimize|-|&Close");
    pressKey(edit->handle(), VK_ESCAPE);
    EXPECT_FALSE(menu().Visible());
    EXPECT_FALSE(frame->menuOpen());
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(closed, 1);
    pressKey(edit->handle(), VK_DOWN);
    EXPECT_EQ(editKeys, 1);
}

}  // namespace
}  // namespace vireltan
