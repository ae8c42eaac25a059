// The dropped list: its height for a number of rows, the vertical bar that appears when there are
// more items than rows (taken from the bar, dragging to the end shows the last page), hit testing,
// the wheel, the plain look, and a window that never takes the activation.
#include "controls/ComboBoxRules.h"
#include "controls/PopupListBox.h"
#include "gui/Bitmap.h"
#include "gui/Form.h"

#include "ControlsTestSupport.h"
#include "GuiTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vireltan {
namespace {

using namespace testing;

std::vector<std::string> numberedItems(int count) {
    std::vector<std::string> items;
    for (int i = 0; i < count; ++i) items.push_back("item " + std::to_string(i));
    return items;
}

struct PopupFixture : ::testing::Test {
    TForm* form = nullptr;
    TbsPopupListBox* list = nullptr;
    void SetUp() override {
        form = shownForm(100, 100, 300, 300);
        list = new TbsPopupListBox(form);
        list->setOwnerWindow(form->handle());
        list->setBounds(0, 0, 129, 100);
    }
    void TearDown() override { delete form; }
};

using PopupListBox = PopupFixture;

TEST_F(PopupListBox, HeightAndScrollBarFollowTheRowsAndItems) {
    struct Case {
        int items;
        int rows;
        int expectedHeight;
        bool expectedBar;
    };
    const Case cases[] = {
        {19, 8, 164, true},  // the cross-section lists
        {8, 8, 164, false},  // the material list
        {2, 2, 44, false},   // the phase list
        {9, 8, 164, true},  {1, 1, 24, false},
    };
    for (const Case& c : cases) {
        list->setItems(numberedItems(c.items));
        list->setRowCount(c.rows);
        EXPECT_EQ(list->height(), c.expectedHeight) << c.items << " items";
        EXPECT_EQ(list->height(), plainListHeight(c.rows, 20));
        EXPECT_EQ(list->verticalScrollBar() != nullptr, c.expectedBar) << c.items << " items";
        EXPECT_EQ(list->visibleRows(), c.rows);
        if (TbsSkinScrollBar* bar = list->verticalScrollBar()) {
            EXPECT_EQ(bar->min(), 0);
            EXPECT_EQ(bar->max(), c.items - 1);
            EXPECT_EQ(bar->pageSize(), 8);
            EXPECT_EQ(bar->largeChange(), 8);
            EXPECT_EQ(bar->kind(), TScrollBarKind::sbVertical);
            // 19 wide at the right edge inside the frame, the list area ends at its left.
            EXPECT_EQ(bar->left(), list->width() - 20);
            EXPECT_EQ(bar->top(), 1);
            EXPECT_EQ(bar->height(), list->height() - 2);
            EXPECT_EQ(list->listArea().right, bar->left());
        } else {
            EXPECT_EQ(list->listArea().right, list->width() - 2);
        }
    }
}

TEST_F(PopupListBox, DraggingTheBarToTheEndShowsTheLastPage) {
    list->setItems(numberedItems(19));
    list->setRowCount(8);
    TbsSkinScrollBar* bar = list->verticalScrollBar();
    ASSERT_NE(bar, nullptr);
    const RECT thumb = bar->geometry().thumb;
    const int y = (thumb.top + thumb.bottom) / 2;
    mouseDown(bar->handle(), 9, y);
    mouseMove(bar->handle(), 9, bar->height() + 40);
    mouseUp(bar->handle(), 9, bar->height() + 40);
    EXPECT_EQ(bar->position(), 11);
    EXPECT_EQ(list->topIndex(), 11);
    EXPECT_EQ(list->itemAtPos({10, 2 + 7 * 20 + 5}), 18) << "the last row shows the last item";
}

TEST_F(PopupListBox, TopIndexIsClampedAndFollowedByTheBar) {
    list->setItems(numberedItems(19));
    list->setRowCount(8);
    struct Case {
        int requested;
        int expected;
    };
    const Case cases[] = {{5, 5}, {11, 11}, {12, 11}, {100, 11}, {-4, 0}};
    for (const Case& c : cases) {
        list->setTopIndex(c.requested);
        EXPECT_EQ(list->topIndex(), c.expected) << c.requested;
        EXPECT_EQ(list->verticalScrollBar()->position(), c.expected) << c.requested;
    }
}

TEST_F(PopupListBox, ItemAtPointCountsOnlyExistingItems) {
    list->setItems(numberedItems(3));
    list->setRowCount(8);  // more rows than items: the rest is empty list area
    struct Case {
        POINT point;
        int expected;
    };
    const Case cases[] = {
        {{10, 2}, 0},  {{10, 21}, 0}, {{10, 22}, 1}, {{10, 61}, 2}, {{10, 62}, -1},  // below the last item
        {{1, 10}, -1},                                                               // on the frame
        {{10, 1}, -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(list->itemAtPos(c.point), c.expected) << c.point.x << "," << c.point.y;
    }
}

TEST_F(PopupListBox, WheelScrollsOneLineWhenThereIsABar) {
    list->setItems(numberedItems(19));
    list->setRowCount(8);
    list->setTopIndex(3);
    wheel(list->handle(), -120);
    EXPECT_EQ(list->topIndex(), 4);
    wheel(list->handle(), 120);
    wheel(list->handle(), 120);
    EXPECT_EQ(list->topIndex(), 2);
    list->setItems(numberedItems(4));
    list->setRowCount(4);
    wheel(list->handle(), -120);
    EXPECT_EQ(list->topIndex(), 0);
}

TEST_F(PopupListBox, MovingThePointerSelectsTheItemUnderIt) {
    list->setItems(numberedItems(19));
    list->setRowCount(8);
    list->setTopIndex(4);
    mouseMove(list->handle(), 20, 2 + 2 * 20 + 3, false);
    EXPECT_EQ(list->itemIndex(), 6);
    mouseMove(list->handle(), 20, 1000, false);
    EXPECT_EQ(list->itemIndex(), 6) << "outside the items the selection stays";
}

TEST_F(PopupListBox, NeverTakesTheActivationOrTheFocus) {
    list->setItems(numberedItems(5));
    list->setRowCount(5);
    SetActiveWindow(form->handle());
    SetFocus(form->handle());
    list->showAt({150, 150});
    EXPECT_TRUE(IsWindowVisible(list->handle()));
    EXPECT_EQ(GetActiveWindow(), form->handle());
    EXPECT_EQ(GetFocus(), form->handle());
    EXPECT_EQ(SendMessageW(list->handle(), WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(form->handle()),
                           MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN)),
              MA_NOACTIVATE);
    const LONG_PTR style = GetWindowLongPtrW(list->handle(), GWL_STYLE);
    const LONG_PTR exStyle = GetWindowLongPtrW(list->handle(), GWL_EXSTYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW);
    EXPECT_TRUE(exStyle & WS_EX_NOACTIVATE);
    const ULONG_PTR classStyle = GetClassLongPtrW(list->handle(), GCL_STYLE);
    EXPECT_TRUE(classStyle & CS_SAVEBITS);
    EXPECT_TRUE(classStyle & CS_DROPSHADOW);
    EXPECT_EQ(GetWindow(list->handle(), GW_OWNER), form->handle());
    RECT onScreen{};
    GetWindowRect(list->handle(), &onScreen);
    EXPECT_EQ(onScreen.left, 150);
    EXPECT_EQ(onScreen.top, 150);
    EXPECT_EQ(onScreen.bottom - onScreen.top, 104) << "showing does not resize";
    list->hideList();
    EXPECT_FALSE(IsWindowVisible(list->handle()));
    EXPECT_EQ(GetActiveWindow(), form->handle());
}

TEST_F(PopupListBox, PlainLookPixels) {
    list->setItems({"Altın", "Gümüş", "Bakır"});
    list->setRowCount(4);
    list->setItemIndex(1);
    TBitmap bitmap(list->width(), list->height());
    list->paintTo(bitmap.canvas());
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    const COLORREF window = GetSysColor(COLOR_WINDOW);
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    struct Case {
        int x, y;
        COLORREF expected;
        const char* where;
    };
    const Case cases[] = {
        {0, 0, shadow, "frame"},
        {128, 83, shadow, "frame, bottom right"},
        {1, 1, face, "ring inside the frame"},
        {127, 30, face, "ring on the right"},
        {2, 2, window, "first item, not selected"},
        {3, 23, highlight, "second item, selected"},
        {125, 41, highlight, "second item's last pixel"},
        {3, 42, window, "third item"},
        {3, 70, window, "below the last item: list background"},
    };
    for (const Case& c : cases) EXPECT_EQ(pixelAt(bitmap, c.x, c.y), c.expected) << c.where;
    // The selected item's text is drawn in the highlight-text colour from x = 2 + 2 + 2 on.
    bool textSeen = false;
    for (int x = 6; x < 60 && !textSeen; ++x) {
        for (int y = 23; y < 41; ++y) textSeen |= pixelAt(bitmap, x, y) == GetSysColor(COLOR_HIGHLIGHTTEXT);
    }
    EXPECT_TRUE(textSeen);
    for (int y = 22; y < 42; ++y) {
        EXPECT_EQ(pixelAt(bitmap, 4, y), highlight) << "text starts after the margin, row " << y;
    }
}

TEST_F(PopupListBox, TheBackgroundRequestIsAnsweredOnlyWhenEmpty) {
    list->setRowCount(3);
    struct Case {
        int items;
        LPARAM tag;
        LRESULT expected;
        bool expectedPainted;
    };
    const Case cases[] = {
        {0, kPaintRequestTag, kPaintRequestTag, true},
        {0, 16801, 0, false},             // another tag: not ours
        {2, kPaintRequestTag, 0, false},  // with items the request goes unanswered
    };
    const COLORREF untouched = RGB(1, 2, 3);
    for (const Case& c : cases) {
        list->setItems(numberedItems(c.items));
        TBitmap bitmap(list->width(), list->height());
        bitmap.canvas().brush().setColor(untouched);
        bitmap.canvas().fillRect({0, 0, list->width(), list->height()});
        const LRESULT answer = SendMessageW(list->handle(), WM_PAINTBACKGROUND_REQUEST,
                                            reinterpret_cast<WPARAM>(bitmap.canvasHandle()), c.tag);
        EXPECT_EQ(answer, c.expected) << c.items << " items, tag " << c.tag;
        const RECT area = list->listArea();
        EXPECT_EQ(pixelAt(bitmap, area.left + 3, area.top + 3) == GetSysColor(COLOR_WINDOW),
                  c.expectedPainted)
            << c.items << " items, tag " << c.tag;
        EXPECT_EQ(pixelAt(bitmap, 0, 0), untouched) << "only the list's area";
    }
}

}  // namespace
}  // namespace vireltan
