// The calculator window's four selectors as the user meets them: keys posted to the cross-section
// selectors and turned into characters by the message loop, the lists' sizes, the cross-section
// list's scroll bar dragged to its end, and a list that opens above when the screen ends below.
#include "app/win/CalculatorWindow.h"
#include "controls/ComboBox.h"

#include "ControlsTestSupport.h"
#include "GuiTestSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace vireltan {
namespace {

using namespace testing;

struct WindowFixture : ::testing::Test {
    std::unique_ptr<TiletkenRhesap> window;
    void SetUp() override {
        window = std::make_unique<TiletkenRhesap>(nullptr, GetModuleHandleW(nullptr));
        window->show();
    }
    TbsSkinComboBox& combo(const char* name) {
        auto* found = window->component<TbsSkinComboBox>(name);
        if (!found) throw std::runtime_error(std::string("no combo box ") + name);
        return *found;
    }
};

using ComboBoxInTheWindow = WindowFixture;

// The calculator window itself: keys posted to its cross-section selectors and turned into
// characters by the message loop, as the keyboard's are.
TEST_F(ComboBoxInTheWindow, TwoAfterACompletedTwoGivesTwentyTwo) {
    for (const char* name : {"IKesit", "kesiti"}) {
        auto* combo = window->component<TbsSkinComboBox>(name);
        ASSERT_NE(combo, nullptr) << name;
        ASSERT_NE(combo->edit(), nullptr) << name;
        TickCount now = 0;
        combo->clock = [&now] { return now; };
        HWND edit = combo->edit()->handle();
        combo->edit()->setFocus();
        auto press = [&](WORD vk) {
            const UINT scan = MapVirtualKeyW(vk, MAPVK_VK_TO_VSC);
            PostMessageW(edit, WM_KEYDOWN, vk, 1 | (scan << 16));
            PostMessageW(edit, WM_KEYUP, vk, 1 | (scan << 16) | 0xC0000000);
            pumpUntil([&] {
                MSG pending{};
                return !PeekMessageW(&pending, edit, 0, 0, PM_NOREMOVE);
            });
        };
        struct Case {
            bool selectAll;
            WORD key;
            std::string expected;
            int selStart, selLength;
        };
        const Case cases[] = {
            {true, '2', "2,5", 1, 2},  {false, '2', "22", 2, 0},
            {true, '2', "2,5", 1, 2},  {false, '7', "27", 2, 0},
            {true, '2', "2,5", 1, 2},  {false, VK_OEM_COMMA, "2,", 2, 0},  // "2,5" typed key by key
            {false, '5', "2,5", 3, 0},
        };
        for (const Case& c : cases) {
            now += 1000;
            if (c.selectAll) combo->edit()->SelectAll();
            press(c.key);
            EXPECT_EQ(combo->text(), c.expected) << name;
            EXPECT_EQ(combo->edit()->selStart(), c.selStart) << name << " " << c.expected;
            EXPECT_EQ(combo->edit()->selLength(), c.selLength) << name << " " << c.expected;
        }
    }
}

TEST_F(ComboBoxInTheWindow, ListsShowUpToEightRows) {
    struct Case {
        const char* name;
        int expectedHeight;
        bool expectedBar;
    };
    const Case cases[] = {
        {"iletkenc", 164, false},  // eight materials in eight rows
        {"faztip", 44, false},     // two phases in two rows
        {"IKesit", 164, true},     // nineteen cross-sections in eight rows and a bar
        {"kesiti", 164, true},
    };
    for (const Case& c : cases) {
        TbsSkinComboBox& box = combo(c.name);
        box.OpenList();
        ASSERT_TRUE(box.droppedDown()) << c.name;
        RECT comboRect{}, listRect{};
        GetWindowRect(box.handle(), &comboRect);
        GetWindowRect(box.listBox().handle(), &listRect);
        EXPECT_EQ(listRect.bottom - listRect.top, c.expectedHeight) << c.name;
        EXPECT_EQ(listRect.right - listRect.left, comboRect.right - comboRect.left) << c.name;
        EXPECT_EQ(listRect.left, comboRect.left) << c.name;
        EXPECT_EQ(listRect.top, comboRect.bottom) << c.name;
        EXPECT_EQ(box.listBox().verticalScrollBar() != nullptr, c.expectedBar) << c.name;
        box.CloseUp(false);
    }
}

TEST_F(ComboBoxInTheWindow, DraggingTheCrossSectionBarToTheEndGivesPosition11) {
    TbsSkinComboBox& box = combo("IKesit");
    const RECT button = box.buttonRect();
    mouseDown(box.handle(), button.left + 4, button.top + 4);
    mouseUp(box.handle(), button.left + 4, button.top + 4);
    TbsSkinScrollBar* bar = box.listBox().verticalScrollBar();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->height(), 162);
    EXPECT_EQ(bar->max(), 18);
    EXPECT_EQ(bar->pageSize(), 8);
    const RECT thumb = bar->geometry().thumb;
    const int y = (thumb.top + thumb.bottom) / 2;
    mouseDown(bar->handle(), 9, y);
    for (int to = y; to <= bar->height() + 30; to += 9) mouseMove(bar->handle(), 9, to);
    mouseUp(bar->handle(), 9, bar->height() + 30);
    EXPECT_EQ(bar->position(), 11);
    EXPECT_EQ(box.listBox().topIndex(), 11);
    EXPECT_TRUE(box.droppedDown()) << "the bar does not close the list";
    // The last row is the last item; a click there chooses it.
    HWND list = box.listBox().handle();
    const RECT area = box.listBox().listArea();
    const POINT last{area.left + 5, area.top + 7 * 20 + 5};
    mouseMove(list, last.x, last.y, false);
    mouseDown(list, last.x, last.y);
    const POINT released = mapPoint(list, box.handle(), last);
    mouseUp(box.handle(), released.x, released.y);
    EXPECT_EQ(box.text(), "120");
    EXPECT_EQ(box.edit()->text(), "120");
}

TEST_F(ComboBoxInTheWindow, TheListOpensAboveWhenTheWorkAreaEndsBelow) {
    RECT workArea{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
    RECT windowRect{};
    GetWindowRect(window->handle(), &windowRect);
    // Put the material selector's bottom 100 pixels above the work area's end.
    TbsSkinComboBox& box = combo("iletkenc");
    RECT comboRect{};
    GetWindowRect(box.handle(), &comboRect);
    const int shift = workArea.bottom - 100 - comboRect.bottom;
    SetWindowPos(window->handle(), nullptr, windowRect.left, windowRect.top + shift, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    GetWindowRect(box.handle(), &comboRect);
    box.OpenList();
    RECT listRect{};
    GetWindowRect(box.listBox().handle(), &listRect);
    EXPECT_EQ(listRect.bottom, comboRect.top);
    EXPECT_EQ(listRect.top, comboRect.top - 164);
    box.CloseUp(false);
}

TEST_F(ComboBoxInTheWindow, PartsOfTheFourSelectors) {
    struct Case {
        const char* name;
        int width;
        bool editable;
        RECT button, itemArea, edit;
    };
    const Case cases[] = {
        {"iletkenc", 185, false, {166, 2, 183, 18}, {2, 2, 165, 18}, {}},
        {"faztip", 156, false, {137, 2, 154, 18}, {2, 2, 136, 18}, {}},
        {"IKesit", 80, true, {61, 2, 78, 18}, {2, 2, 60, 18}, {2, 3, 60, 17}},
        {"kesiti", 129, true, {110, 2, 127, 18}, {2, 2, 109, 18}, {2, 3, 109, 17}},
    };
    for (const Case& c : cases) {
        TbsSkinComboBox& box = combo(c.name);
        EXPECT_EQ(box.width(), c.width) << c.name;
        EXPECT_EQ(box.height(), 20) << c.name;
        EXPECT_EQ(box.dropDownCount(), 8) << c.name;
        const RECT button = box.buttonRect();
        const RECT area = box.itemAreaRect();
        EXPECT_TRUE(EqualRect(&button, &c.button)) << c.name;
        EXPECT_TRUE(EqualRect(&area, &c.itemArea)) << c.name;
        ASSERT_EQ(box.edit() != nullptr, c.editable) << c.name;
        if (!box.edit()) continue;
        const RECT edit{box.edit()->left(), box.edit()->top(), box.edit()->left() + box.edit()->width(),
                        box.edit()->top() + box.edit()->height()};
        EXPECT_TRUE(EqualRect(&edit, &c.edit))
            << c.name << " edit " << edit.left << "," << edit.top << "," << edit.right << "," << edit.bottom;
        EXPECT_FALSE(box.tabStop()) << c.name << ": the edit takes the tab stop";
        EXPECT_TRUE(box.edit()->tabStop()) << c.name;
    }
}

// The real pointer: clicks delivered by the system to whatever window lies under them.
void clickAt(POINT screen) {
    SetCursorPos(screen.x, screen.y);
    INPUT inputs[2] = {};
    inputs[0].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1] = inputs[0];
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, inputs, sizeof(INPUT));
}

TEST_F(ComboBoxInTheWindow, RealClicksPickAnItemWithoutMovingFocusOrActivation) {
    SetForegroundWindow(window->handle());
    TbsSkinComboBox& box = combo("kesiti");
    box.edit()->setFocus();
    pumpFor(30);
    ASSERT_EQ(GetActiveWindow(), window->handle());
    const RECT button = box.buttonRect();
    clickAt(mapPoint(box.handle(), nullptr, {button.left + 8, button.top + 8}));
    ASSERT_TRUE(pumpUntil([&] { return box.droppedDown(); }, 2000));
    pumpFor(30);
    EXPECT_EQ(GetFocus(), box.edit()->handle());
    EXPECT_EQ(GetActiveWindow(), window->handle());
    HWND list = box.listBox().handle();
    const RECT area = box.listBox().listArea();
    // The third row (the list opened with "1" on top) is "2,5".
    const POINT row = mapPoint(list, nullptr, {area.left + 10, area.top + 2 * 20 + 10});
    SetCursorPos(row.x, row.y);
    pumpFor(30);
    clickAt(row);
    EXPECT_TRUE(pumpUntil([&] { return !box.droppedDown(); }, 2000));
    EXPECT_EQ(box.text(), "2,5");
    EXPECT_EQ(GetFocus(), box.edit()->handle());
    EXPECT_EQ(GetActiveWindow(), window->handle());
    EXPECT_EQ(GetForegroundWindow(), window->handle());
}

TEST_F(ComboBoxInTheWindow, ARealDragFromTheButtonIntoTheListChoosesWhereItIsReleased) {
    SetForegroundWindow(window->handle());
    TbsSkinComboBox& box = combo("iletkenc");
    box.setFocus();
    pumpFor(30);
    const RECT button = box.buttonRect();
    const POINT onButton = mapPoint(box.handle(), nullptr, {button.left + 8, button.top + 8});
    SetCursorPos(onButton.x, onButton.y);
    INPUT press{};
    press.type = INPUT_MOUSE;
    press.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    SendInput(1, &press, sizeof(INPUT));
    ASSERT_TRUE(pumpUntil([&] { return box.droppedDown(); }, 2000));
    HWND list = box.listBox().handle();
    const RECT area = box.listBox().listArea();
    const POINT row6 = mapPoint(list, nullptr, {area.left + 10, area.top + 6 * 20 + 10});
    for (int y = onButton.y; y <= row6.y; y += 10) {
        SetCursorPos(row6.x, y);
        pumpFor(10);
    }
    SetCursorPos(row6.x, row6.y);
    INPUT move{};
    move.type = INPUT_MOUSE;
    move.mi.dwFlags = MOUSEEVENTF_MOVE;
    SendInput(1, &move, sizeof(INPUT));
    EXPECT_TRUE(pumpUntil([&] { return box.listBox().itemIndex() == 6; }, 2000))
        << "the list follows the pointer";
    INPUT release{};
    release.type = INPUT_MOUSE;
    release.mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(1, &release, sizeof(INPUT));
    EXPECT_TRUE(pumpUntil([&] { return !box.droppedDown(); }, 2000));
    EXPECT_EQ(box.text(), "Krom-Nikel");
    EXPECT_EQ(GetFocus(), box.handle());
    EXPECT_EQ(GetActiveWindow(), window->handle());
}

}  // namespace
}  // namespace vireltan
