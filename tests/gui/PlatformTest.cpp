// The run-time-looked-up platform services and screen coordinates of controls on a form.
#include "gui/Platform.h"

#include "gui/Control.h"
#include "gui/Form.h"
#include "gui/WinControl.h"

#include <gtest/gtest.h>

namespace vireltan {
namespace {

TEST(Platform, MonitorRectangleOfASingleMonitorIsTheWorkAreaOrTheScreen) {
    TForm form(nullptr);
    form.handleNeeded();
    RECT workArea{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
    const RECT work = monitorRect(form.handle(), MonitorArea::WorkArea);
    const RECT whole = monitorRect(form.handle(), MonitorArea::WholeArea);
    EXPECT_TRUE(EqualRect(&work, &workArea));
    EXPECT_EQ(whole.left, 0);
    EXPECT_EQ(whole.top, 0);
    EXPECT_EQ(whole.right, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(whole.bottom, GetSystemMetrics(SM_CYSCREEN));
}

TEST(Platform, ScrollBarInformationOfAWindowWithABar) {
    HWND window = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW | WS_VSCROLL, 0, 0, 200, 200,
                                  nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    SCROLLBARINFO info{};
    EXPECT_TRUE(scrollBarInfo(window, OBJID_VSCROLL, info));
    EXPECT_GT(info.rcScrollBar.bottom, info.rcScrollBar.top);
    DestroyWindow(window);
}

TEST(Platform, LayeredWindowTakesTheAlpha) {
    HWND window = CreateWindowExW(WS_EX_LAYERED, L"STATIC", L"", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(setLayeredAlpha(window, 128));
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(window, nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, 128);
    EXPECT_TRUE(flags & LWA_ALPHA);
    DestroyWindow(window);
}

// A form's client area sits inside its frame somewhere on the screen; a child's and a graphic
// control's screen points must agree with the system's own mapping.
TEST(Platform, ClientToScreenFollowsTheFormsPlaceOnTheScreen) {
    TForm form(nullptr);
    form.setBounds(130, 90, 300, 200);
    form.handleNeeded();
    TWinControl child(&form);
    child.setParent(&form);
    child.setBounds(20, 30, 100, 50);
    child.handleNeeded();

    POINT expected{5, 7};
    ClientToScreen(form.handle(), &expected);
    const POINT onForm = form.clientToScreen({5, 7});
    EXPECT_EQ(onForm.x, expected.x);
    EXPECT_EQ(onForm.y, expected.y);

    POINT expectedChild{1, 2};
    ClientToScreen(child.handle(), &expectedChild);
    const POINT onChild = child.clientToScreen({1, 2});
    EXPECT_EQ(onChild.x, expectedChild.x);
    EXPECT_EQ(onChild.y, expectedChild.y);

    const POINT back = child.screenToClient(onChild);
    EXPECT_EQ(back.x, 1);
    EXPECT_EQ(back.y, 2);
}

}  // namespace
}  // namespace vireltan
