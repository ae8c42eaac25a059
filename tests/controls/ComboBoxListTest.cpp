// The combo box's remaining rules: the constructor's values, the index and text setters in both
// styles, the order of the events, the dropped list in the editable style (paging, wheel, Enter and
// Escape, closing on a press in the edit and on focus loss), opening by the item area, the keys the
// fixed style asks for, and a list that keeps the focus where it was.
#include "controls/ComboBox.h"
#include "gui/Form.h"

#include "ComboBoxTestSupport.h"
#include "ControlsTestSupport.h"
#include "GuiTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vireltan {
namespace {

using namespace testing;

using ComboBoxList = ComboFixture;

TEST_F(ComboBoxList, ConstructorValuesAndDropDownCount) {
    auto* fresh = new TbsSkinComboBox(form);
    EXPECT_EQ(fresh->width(), 120);
    EXPECT_EQ(fresh->height(), 20);
    EXPECT_EQ(fresh->style(), bscbFixedStyle);
    EXPECT_EQ(fresh->itemIndex(), -1);
    EXPECT_EQ(fresh->text(), "");
    EXPECT_EQ(fresh->dropDownCount(), 8);
    EXPECT_EQ(fresh->listBoxWidth(), 0);
    EXPECT_EQ(fresh->defaultColor(), clWindow);
    EXPECT_TRUE(fresh->autoComplete());
    EXPECT_TRUE(fresh->useSkinSize());
    EXPECT_TRUE(fresh->tabStop());
    EXPECT_EQ(fresh->SkinDataName(), "combobox");
    EXPECT_EQ(fresh->font().name(), "Arial");
    EXPECT_EQ(fresh->font().height(), 14);
    EXPECT_EQ(fresh->font().color(), clWindowText);
    EXPECT_FALSE(fresh->droppedDown());

    make(bscbFixedStyle, kMaterials, 2);
    struct Case {
        int requested;
        int expectedCount;
        int expectedListHeight;
        bool expectedBar;
    };
    const Case cases[] = {
        {3, 3, 64, true},      // three rows of eight items: a bar
        {0, 3, 64, true},      // below 1: ignored
        {-2, 3, 64, true},     // ignored
        {8, 8, 164, false},    // all eight items
        {20, 20, 164, false},  // more rows than items: as many rows as items
        {1, 1, 24, true},
    };
    for (const Case& c : cases) {
        combo->setDropDownCount(c.requested);
        EXPECT_EQ(combo->dropDownCount(), c.expectedCount) << c.requested;
        combo->OpenList();
        EXPECT_EQ(combo->listBox().height(), c.expectedListHeight) << c.requested;
        EXPECT_EQ(combo->listBox().verticalScrollBar() != nullptr, c.expectedBar) << c.requested;
        combo->CloseUp(false);
    }
}

TEST_F(ComboBoxList, IndexAndTextSetters) {
    struct Case {
        TbsSkinCustomComboBoxStyle style;
        bool autoComplete;
        const char* action;
        const char* value;  // the text set, or the index as text
        std::string expectedText;
        int expectedIndex;
        int expectedChanges, expectedClicks;
    };
    const auto F = bscbFixedStyle;
    const auto E = bscbEditStyle;
    const Case cases[] = {
        {F, true, "index", "-1", "0,08", -1, 0, 1},  // no item: the text stays, OnClick still fires
        {F, true, "index", "99", "0,08", -1, 0, 1},  // out of range is none
        {F, true, "index", "9", "4", 9, 1, 1},
        {F, true, "text", "2", "2", 0, 1, 0},  // the fixed style's text never moves the index
        {E, true, "text", "2", "2", 8, 1, 0},  // the first item beginning with "2", without OnClick
        {E, true, "text", "1", "1", 6, 1, 0},
        {E, true, "text", "12", "12", 18, 1, 0},
        {E, true, "text", "7", "7", 16, 1, 0},
        {E, true, "text", "abc", "abc", 0, 1, 0},  // nothing begins with it: the index stays
        {E, false, "text", "16", "16", 0, 1, 0},   // without AutoComplete the list only scrolls
        {E, true, "index", "-1", "0,08", -1, 0, 1},
    };
    for (const Case& c : cases) {
        make(c.style, kCrossSections, 0);
        combo->setAutoComplete(c.autoComplete);
        const std::string action = c.action;
        if (action == "index") combo->setItemIndex(std::stoi(c.value));
        if (action == "text") combo->setText(c.value);
        const std::string label = std::string(c.style == F ? "fixed " : "edit ") + c.action + " " + c.value;
        EXPECT_EQ(combo->text(), c.expectedText) << label;
        EXPECT_EQ(combo->itemIndex(), c.expectedIndex) << label;
        EXPECT_EQ(changes, c.expectedChanges) << label;
        EXPECT_EQ(clicks, c.expectedClicks) << label;
        if (combo->edit()) {
            EXPECT_EQ(combo->edit()->text(), c.expectedText) << label;
        }
        if (!c.autoComplete) {
            EXPECT_GT(combo->listBox().topIndex(), 0) << label << ": scrolled towards 16";
        }
        delete combo;
    }
}

TEST_F(ComboBoxList, EventsComeInOrder) {
    struct Case {
        TbsSkinCustomComboBoxStyle style;
        const char* action;
        std::string expected;
    };
    const Case cases[] = {
        {bscbFixedStyle, "pick next by Enter", "drop,change,click,closeup"},
        {bscbFixedStyle, "pick same by Enter", "drop,click,closeup"},
        {bscbFixedStyle, "Escape", "drop"},
        {bscbFixedStyle, "pick row 0 by click", "drop,change,click,closeup"},
        {bscbEditStyle, "pick next by Enter", "drop,change,click,closeup"},
        {bscbEditStyle, "pick same by Enter", "drop,click,closeup"},
        {bscbEditStyle, "pick row 0 by click", "drop,change,click,closeup"},
        {bscbEditStyle, "Escape", "drop"},
    };
    for (const Case& c : cases) {
        make(c.style, kMaterials, 2);
        std::string log;
        auto note = [&](const char* what) {
            if (!log.empty()) log += ',';
            log += what;
        };
        combo->OnDropDown = [&] {
            note("drop");
            EXPECT_FALSE(combo->droppedDown()) << "OnDropDown comes before the list shows";
        };
        combo->OnChange = [&] { note("change"); };
        combo->OnClick = [&] { note("click"); };
        combo->OnCloseUp = [&] {
            note("closeup");
            EXPECT_FALSE(combo->droppedDown()) << "OnCloseUp comes after the list closed";
        };
        HWND keys = combo->edit() ? editWindow() : h();
        const std::string action = c.action;
        const RECT button = combo->buttonRect();
        mouseDown(h(), button.left + 4, button.top + 4);
        mouseUp(h(), button.left + 4, button.top + 4);
        ASSERT_TRUE(combo->droppedDown()) << c.action;
        if (action == "pick next by Enter") {
            wheel(keys, -120);
            keyDown(keys, VK_RETURN);
        }
        if (action == "pick same by Enter") keyDown(keys, VK_RETURN);
        if (action == "Escape") keyDown(keys, VK_ESCAPE);
        if (action == "pick row 0 by click") {
            HWND list = combo->listBox().handle();
            const RECT area = combo->listBox().listArea();
            const POINT row0{area.left + 10, area.top + 10};
            mouseMove(list, row0.x, row0.y, false);
            mouseDown(list, row0.x, row0.y);
            const POINT released = mapPoint(list, h(), row0);
            mouseUp(h(), released.x, released.y);
        }
        EXPECT_FALSE(combo->droppedDown()) << c.action;
        EXPECT_EQ(log, c.expected) << (c.style == bscbFixedStyle ? "fixed: " : "edit: ") << c.action;
        delete combo;
    }
}

TEST_F(ComboBoxList, EditStyleKeysMoveOnlyTheListWhileItIsOpen) {
    make(bscbEditStyle, kCrossSections, 10, 80);
    combo->OpenList();
    ASSERT_TRUE(combo->droppedDown());
    EXPECT_EQ(GetFocus(), editWindow()) << "opening focuses the edit";
    struct Case {
        const char* action;
        int expectedListIndex;
    };
    const Case cases[] = {
        {"page up", 1},                           // 10 - 8 - 1
        {"page up", 0},        {"page down", 7},  // 0 + 8 - 1
        {"page down", 14},     {"page down", 18},     {"wheel away", 17},
        {"wheel towards", 18}, {"wheel towards", 18},
    };
    for (const Case& c : cases) {
        const std::string action = c.action;
        if (action == "page up") keyDown(editWindow(), VK_PRIOR);
        if (action == "page down") keyDown(editWindow(), VK_NEXT);
        if (action == "wheel away") wheel(editWindow(), 120);
        if (action == "wheel towards") wheel(editWindow(), -120);
        EXPECT_EQ(combo->listBox().itemIndex(), c.expectedListIndex) << c.action;
        EXPECT_EQ(combo->text(), "6") << c.action << ": the text waits for a choice";
        EXPECT_TRUE(combo->droppedDown());
    }
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(clicks, 0);
    keyDown(editWindow(), VK_ESCAPE);
    EXPECT_FALSE(combo->droppedDown());
    EXPECT_EQ(combo->itemIndex(), 10) << "Escape restores the selection";
    EXPECT_EQ(combo->text(), "6");

    // Closed, paging keys do nothing to the list; Enter chooses only while open.
    keyDown(editWindow(), VK_NEXT);
    EXPECT_EQ(combo->itemIndex(), 10);
    combo->OpenList();
    keyDown(editWindow(), VK_NEXT);
    keyDown(editWindow(), VK_RETURN);
    EXPECT_FALSE(combo->droppedDown());
    EXPECT_EQ(combo->text(), "95");
    EXPECT_EQ(combo->edit()->text(), "95");
    EXPECT_EQ(combo->edit()->selStart(), 0);
    EXPECT_EQ(combo->edit()->selLength(), 2) << "the chosen item all selected";
    EXPECT_EQ(combo->itemIndex(), 17);
}

TEST_F(ComboBoxList, EditStyleClosesWithoutChoosingOnAPressInTheEditOrLosingTheFocus) {
    make(bscbEditStyle, kCrossSections, 3, 80);
    auto* other = new TbsSkinComboBox(form);
    other->setParent(form);
    other->setBounds(20, 100, 100, 20);
    struct Case {
        const char* action;
    };
    const Case cases[] = {{"left press in the edit"}, {"right press in the edit"}, {"focus elsewhere"}};
    for (const Case& c : cases) {
        combo->edit()->setFocus();
        combo->OpenList();
        wheel(editWindow(), -120);
        ASSERT_EQ(combo->listBox().itemIndex(), 4);
        const std::string action = c.action;
        if (action == "left press in the edit") {
            mouseDown(editWindow(), 5, 5);
            mouseUp(editWindow(), 5, 5);
        }
        if (action == "right press in the edit") {
            SendMessageW(editWindow(), WM_RBUTTONDOWN, MK_RBUTTON, pointParam(5, 5));
        }
        if (action == "focus elsewhere") other->setFocus();
        EXPECT_FALSE(combo->droppedDown()) << c.action;
        EXPECT_EQ(combo->itemIndex(), 3) << c.action;
        EXPECT_EQ(combo->text(), "0,34") << c.action;
    }
    EXPECT_EQ(closeUps, 0);
    EXPECT_EQ(clicks, 0);
}

TEST_F(ComboBoxList, FixedStylePressOnTheItemAreaTakesTheFocusAndOpens) {
    make(bscbFixedStyle, kMaterials, 2);
    SetFocus(form->handle());
    const RECT area = combo->itemAreaRect();
    mouseDown(h(), area.left + 10, area.top + 5);
    EXPECT_EQ(GetFocus(), h());
    EXPECT_TRUE(combo->droppedDown());
    EXPECT_EQ(dropDowns, 1);
    mouseUp(h(), area.left + 10, area.top + 5);
    EXPECT_TRUE(combo->droppedDown()) << "released before entering the list";
    mouseDown(h(), area.left + 10, area.top + 5);
    EXPECT_FALSE(combo->droppedDown()) << "a second press closes";
    mouseUp(h(), area.left + 10, area.top + 5);
    EXPECT_EQ(combo->text(), "Bakır");

    // The editable style opens only from its button; the edit covers the item area.
    delete combo;
    make(bscbEditStyle, kCrossSections, 0, 80);
    const RECT button = combo->buttonRect();
    SetFocus(form->handle());
    mouseDown(h(), button.left + 4, button.top + 4);
    EXPECT_TRUE(combo->droppedDown());
    EXPECT_EQ(GetFocus(), editWindow()) << "the editable style's focus is its edit's";
    mouseUp(h(), button.left + 4, button.top + 4);
    combo->CloseUp(false);
}

TEST_F(ComboBoxList, AutoScrollNeedsAListWithABar) {
    make(bscbFixedStyle, kMaterials, 0);  // eight items in eight rows: no bar
    const RECT button = combo->buttonRect();
    mouseDown(h(), button.left + 5, button.top + 5);
    ASSERT_EQ(combo->listBox().verticalScrollBar(), nullptr);
    const POINT row0 = rowPoint(0);
    mouseMove(h(), row0.x, row0.y);
    const POINT below = rowPoint(10);
    mouseMove(h(), below.x, below.y);
    EXPECT_EQ(combo->autoScrollMode(), 0);
    const POINT above = rowPoint(-2);
    mouseMove(h(), above.x, above.y);
    EXPECT_EQ(combo->autoScrollMode(), 0);
    mouseUp(h(), above.x, above.y);
    EXPECT_FALSE(combo->droppedDown()) << "released outside the list: closed";
    EXPECT_EQ(combo->text(), "Altın") << "and nothing chosen";
    EXPECT_EQ(closeUps, 0);
}

TEST_F(ComboBoxList, FixedStyleAsksForTheArrowsAndAltOpensAndCloses) {
    make(bscbFixedStyle, kMaterials, 4);
    EXPECT_TRUE(SendMessageW(h(), WM_GETDLGCODE, 0, 0) & DLGC_WANTARROWS);
    struct Case {
        WPARAM key;
        bool alt;
        bool expectedOpen;
        int expectedIndex;
    };
    const Case cases[] = {
        {VK_RIGHT, true, true, 4},   {VK_RIGHT, true, true, 4},  {VK_LEFT, true, false, 4},
        {VK_DOWN, true, true, 4},    {VK_UP, true, false, 4},    {VK_UP, true, false, 4},
        {VK_RIGHT, false, false, 5}, {VK_LEFT, false, false, 4},
    };
    for (const Case& c : cases) {
        keyDown(h(), c.key, c.alt);
        EXPECT_EQ(combo->droppedDown(), c.expectedOpen) << c.key << (c.alt ? " with Alt" : "");
        EXPECT_EQ(combo->itemIndex(), c.expectedIndex) << c.key << (c.alt ? " with Alt" : "");
    }
    EXPECT_EQ(dropDowns, 2);
    EXPECT_EQ(closeUps, 0);
}

TEST_F(ComboBoxList, KeyEventsOfTheInnerEditReachTheCombo) {
    make(bscbEditStyle, kCrossSections, 0, 80);
    std::vector<WORD> downs, ups;
    combo->OnKeyDown = [&](WORD& key, TShiftState) { downs.push_back(key); };
    combo->OnKeyUp = [&](WORD& key, TShiftState) { ups.push_back(key); };
    SendMessageW(editWindow(), WM_KEYDOWN, VK_HOME, 1);
    SendMessageW(editWindow(), WM_KEYUP, VK_HOME, 0xC0000001);
    SendMessageW(editWindow(), WM_KEYDOWN, 'A', 1);
    EXPECT_EQ(downs, (std::vector<WORD>{VK_HOME, 'A'}));
    EXPECT_EQ(ups, (std::vector<WORD>{VK_HOME}));
}

TEST_F(ComboBoxList, TheListKeepsTheFocusAndTheActivationWhereTheyWere) {
    struct Case {
        TbsSkinCustomComboBoxStyle style;
    };
    for (const Case& c : {Case{bscbFixedStyle}, Case{bscbEditStyle}}) {
        make(c.style, kCrossSections, 3);
        HWND focus = combo->edit() ? editWindow() : h();
        const RECT button = combo->buttonRect();
        mouseDown(h(), button.left + 4, button.top + 4);
        mouseUp(h(), button.left + 4, button.top + 4);
        HWND list = combo->listBox().handle();
        ASSERT_TRUE(IsWindowVisible(list));
        EXPECT_EQ(GetFocus(), focus);
        EXPECT_EQ(GetActiveWindow(), form->handle());
        EXPECT_EQ(SendMessageW(list, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(form->handle()),
                               MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN)),
                  MA_NOACTIVATE);
        // A press on the list's scroll bar and one on an item leave focus and activation alone.
        TbsSkinScrollBar* bar = combo->listBox().verticalScrollBar();
        ASSERT_NE(bar, nullptr);
        const RECT down = bar->geometry().increaseButton;
        mouseDown(bar->handle(), 9, (down.top + down.bottom) / 2);
        mouseUp(bar->handle(), 9, (down.top + down.bottom) / 2);
        EXPECT_EQ(combo->listBox().topIndex(), 4) << "the bar's button scrolls the list";
        EXPECT_TRUE(combo->droppedDown());
        EXPECT_EQ(GetFocus(), focus);
        const RECT area = combo->listBox().listArea();
        mouseMove(list, area.left + 5, area.top + 5, false);
        mouseDown(list, area.left + 5, area.top + 5);
        const POINT released = mapPoint(list, h(), {area.left + 5, area.top + 5});
        mouseUp(h(), released.x, released.y);
        EXPECT_FALSE(combo->droppedDown());
        EXPECT_EQ(combo->text(), "0,5") << "row 0 of a list scrolled to item 4";
        EXPECT_EQ(GetFocus(), focus);
        EXPECT_EQ(GetActiveWindow(), form->handle());
        delete combo;
    }
}

TEST_F(ComboBoxList, PressesOnTheListsScrollBarThroughTheLoopKeepItOpen) {
    make(bscbFixedStyle, kCrossSections, 0);
    combo->OpenList();
    TbsSkinScrollBar* bar = combo->listBox().verticalScrollBar();
    ASSERT_NE(bar, nullptr);
    const RECT down = bar->geometry().increaseButton;
    const LPARAM at = pointParam(9, (down.top + down.bottom) / 2);
    PostMessageW(bar->handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(bar->handle(), WM_LBUTTONUP, 0, at);
    pumpFor(40);
    EXPECT_TRUE(combo->droppedDown());
    EXPECT_EQ(combo->listBox().topIndex(), 1);
    EXPECT_EQ(combo->text(), "0,08");
}

TEST_F(ComboBoxList, TypingInTheMiddleKeepsTheCaretAndFiresOnChangePerChange) {
    make(bscbEditStyle, kCrossSections, 0, 80);
    combo->setText("16");
    combo->edit()->select(1, 0);
    changes = 0;
    now += 1000;
    SendMessageW(editWindow(), WM_CHAR, L'2', 1);
    EXPECT_EQ(combo->text(), "126");
    EXPECT_EQ(combo->edit()->selStart(), 2) << "the edit's own text is not written back into it";
    EXPECT_EQ(combo->edit()->selLength(), 0);
    EXPECT_EQ(changes, 1);
    combo->setText("");
    changes = 0;
    now += 1000;
    SendMessageW(editWindow(), WM_CHAR, L'3', 1);
    EXPECT_EQ(combo->text(), "35");
    EXPECT_EQ(changes, 2) << "the typed \"3\", then its completion";
}

TEST_F(ComboBoxList, AutoScrollRunsOnItsOwnTimer) {
    make(bscbFixedStyle, kCrossSections, 0);
    const RECT button = combo->buttonRect();
    mouseDown(h(), button.left + 5, button.top + 5);
    const POINT row0 = rowPoint(0);
    mouseMove(h(), row0.x, row0.y);
    const POINT below = rowPoint(9);
    mouseMove(h(), below.x, below.y);
    ASSERT_EQ(combo->autoScrollMode(), 2);
    // 18 steps of 25 ms; the loop's own timers, no hand-fired ticks.
    EXPECT_TRUE(pumpUntil([&] { return combo->listBox().itemIndex() == 18; }, 3000));
    EXPECT_EQ(combo->listBox().topIndex(), 11);
    mouseUp(h(), below.x, below.y);
    EXPECT_EQ(combo->autoScrollMode(), 0);
    EXPECT_FALSE(combo->droppedDown());
    EXPECT_EQ(combo->text(), "0,08") << "released below the list: nothing chosen";
}

TEST_F(ComboBoxList, DefaultFontIsTheFontOfTheControlAndItsEdit) {
    make(bscbEditStyle, kCrossSections, 0, 80);
    const FontDescription tahoma{"Tahoma", 11, 0, RGB(200, 0, 0)};
    combo->setDefaultFont(tahoma);
    EXPECT_EQ(combo->font().name(), "Tahoma");
    EXPECT_EQ(combo->font().height(), 11);
    EXPECT_EQ(combo->edit()->font().name(), "Tahoma");
    // The edit is as high as its font's text and centred in the item area, whatever the font.
    for (int height : {11, 20, 14}) {
        combo->setDefaultFont({"Tahoma", height, 0, RGB(200, 0, 0)});
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ old = SelectObject(dc, combo->edit()->font().handle());
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc, &metrics);
        SelectObject(dc, old);
        DeleteDC(dc);
        EXPECT_EQ(combo->edit()->height(), metrics.tmHeight) << "font height " << height;
        const RECT area = combo->itemAreaRect();
        EXPECT_EQ(combo->edit()->top(), area.top + (area.bottom - area.top) / 2 - metrics.tmHeight / 2)
            << "font height " << height;
    }
    struct Case {
        bool enabled;
        TColor expected;
    };
    const Case cases[] = {{true, RGB(200, 0, 0)}, {false, clGrayText}, {true, RGB(200, 0, 0)}};
    for (const Case& c : cases) {
        combo->setEnabled(c.enabled);
        EXPECT_EQ(combo->edit()->font().color(), c.expected) << (c.enabled ? "enabled" : "disabled");
        EXPECT_EQ(combo->edit()->font().name(), "Tahoma");
    }
}

TEST_F(ComboBoxList, DestroyedWithItsListOpenItLeavesNothingBehind) {
    for (TbsSkinCustomComboBoxStyle style : {bscbFixedStyle, bscbEditStyle}) {
        make(style, kCrossSections, 0);
        const RECT button = combo->buttonRect();
        mouseDown(h(), button.left + 4, button.top + 4);  // open, tracking, the mouse captured
        ASSERT_TRUE(combo->droppedDown());
        HWND list = combo->listBox().handle();
        delete combo;
        combo = nullptr;
        EXPECT_FALSE(IsWindow(list));
        EXPECT_EQ(GetCapture(), nullptr);
        // Presses through the loop meet no hook of the destroyed control.
        PostMessageW(form->handle(), WM_LBUTTONDOWN, MK_LBUTTON, pointParam(300, 200));
        PostMessageW(form->handle(), WM_LBUTTONUP, 0, pointParam(300, 200));
        pumpFor(30);
    }
}

TEST_F(ComboBoxList, EditStyleAltArrowsOpenAndClose) {
    make(bscbEditStyle, kCrossSections, 6, 80);
    struct Case {
        WPARAM key;
        bool expectedOpen;
    };
    const Case cases[] = {{VK_DOWN, true}, {VK_DOWN, true}, {VK_UP, false}, {VK_UP, false}, {VK_DOWN, true}};
    for (const Case& c : cases) {
        keyDown(editWindow(), c.key, true);
        EXPECT_EQ(combo->droppedDown(), c.expectedOpen) << "Alt+" << (c.key == VK_DOWN ? "Down" : "Up");
        EXPECT_EQ(combo->text(), "1") << "Alt+arrows do not step";
        EXPECT_EQ(GetFocus(), editWindow());
    }
    EXPECT_EQ(dropDowns, 2);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(closeUps, 0);
}

}  // namespace
}  // namespace vireltan
