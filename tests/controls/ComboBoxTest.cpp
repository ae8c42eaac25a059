// The drawn combo box in both styles: the fixed style's keys (arrows, paging, Alt+arrows,
// incremental search with its 500 ms rule), the editable style's completion (once per 200 ms,
// "1" becomes "1,5" with ",5" selected, "2" becomes "2,5"), the wheel, opening and closing the
// list (above the control when the work area ends below), following the pointer, the events, and
// the plain look. Time comes from an injected clock, never from sleeping.
#include "controls/ComboBox.h"
#include "controls/ComboBoxRules.h"
#include "gui/Bitmap.h"
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

// ---- rules without windows --------------------------------------------------------------------

TEST(ComboBoxRules, PlainLayout) {
    struct Case {
        int width, height;
        RECT button, itemArea;
    };
    const Case cases[] = {
        {185, 20, {166, 2, 183, 18}, {2, 2, 165, 18}},  // iletkenc
        {80, 20, {61, 2, 78, 18}, {2, 2, 60, 18}},      // IKesit
        {120, 20, {101, 2, 118, 18}, {2, 2, 100, 18}},  // the constructor's size
    };
    for (const Case& c : cases) {
        const ComboLayout layout = plainComboLayout(c.width, c.height);
        EXPECT_TRUE(EqualRect(&layout.button, &c.button)) << c.width;
        EXPECT_TRUE(EqualRect(&layout.itemArea, &c.itemArea)) << c.width;
        EXPECT_EQ(layout.button.right - layout.button.left, 17);
    }
    const RECT edit = comboEditBounds({2, 2, 60, 18}, 14);
    EXPECT_EQ(edit.top, 3);  // 2 + 16 div 2 - 14 div 2
    EXPECT_EQ(edit.bottom, 17);
    EXPECT_EQ(edit.left, 2);
    EXPECT_EQ(edit.right, 60);
}

TEST(ComboBoxRules, PagingSteps) {
    struct Case {
        bool down;
        int index, dropDownCount, count, expected;
    };
    const Case cases[] = {
        {false, 10, 8, 19, 1}, {false, 9, 8, 19, 0}, {false, 3, 8, 19, 0},
        {false, 0, 8, 19, 0},  {true, 0, 8, 19, 7},  {true, 11, 8, 19, 18},
        {true, 15, 8, 19, 18}, {true, 0, 8, 2, 1},   {true, -1, 8, 19, 6},
    };
    for (const Case& c : cases) {
        const int got = c.down ? comboPageDownIndex(c.index, c.dropDownCount, c.count)
                               : comboPageUpIndex(c.index, c.dropDownCount);
        EXPECT_EQ(got, c.expected) << (c.down ? "down from " : "up from ") << c.index;
    }
}

TEST(ComboBoxRules, PrefixSearchIgnoresCaseAndWraps) {
    struct Case {
        const char* prefix;
        int after;
        int expected;
    };
    const Case cases[] = {
        {"a", -1, 0},
        {"a", 0, 4},
        {"a", 4, 0},
        {"A", 3, 4},
        {"alü", -1, 4},
        {"k", 7, 6},
        {"krom-n", -1, 6},
        {"x", -1, -1},
        {"", -1, -1},
        {"gÜMÜŞ", -1, 1},  // Turkish letters compare without
                           // case too
        {"Bakır", 2, 2},   // wrapping all the way round finds the current item itself
    };
    for (const Case& c : cases) {
        EXPECT_EQ(findItemPrefix(kMaterials, c.prefix, c.after), c.expected)
            << c.prefix << " after " << c.after;
    }
    EXPECT_EQ(findItemExact(kCrossSections, "1"), 6);
    EXPECT_EQ(findItemExact(kCrossSections, "2"), -1);
    EXPECT_EQ(findItemExact(kCrossSections, "2,5"), 8);
}

TEST(ComboBoxRules, IncrementalSearchStartsAfreshAfter499Ms) {
    struct Key {
        wchar_t key;
        TickCount at;
        const wchar_t* expected;
    };
    const Key keys[] = {
        {L'T', 1000, L"T"},  {L'r', 1499, L"Tr"}, {L'i', 1998, L"Tri"},  // 499 ms apart: one word
        {L'x', 2498, L"x"},                                              // 500 ms: a new word
        {L'y', 2498, L"xy"},
    };
    IncrementalSearch search;
    for (const Key& k : keys) EXPECT_EQ(search.feed(k.key, k.at, true), k.expected) << k.at;
    EXPECT_EQ(search.feed(L'z', 2499, false), L"z") << "without AutoComplete every key stands alone";
}

TEST(ComboBoxRules, CompletionRunsAtMostOncePer200Ms) {
    struct Case {
        TickCount at;
        bool expected;
    };
    const Case cases[] = {{5000, true}, {5100, false}, {5199, false},
                          {5200, true}, {5201, false}, {9000, true}};
    CompletionThrottle throttle;
    for (const Case& c : cases) EXPECT_EQ(throttle.tryRun(c.at), c.expected) << c.at;
}

TEST(ComboBoxRules, ListOpensAboveWhenTheWorkAreaEndsBelow) {
    struct Case {
        RECT combo;
        int listHeight;
        RECT workArea;
        POINT expected;
    };
    const Case cases[] = {
        {{100, 100, 180, 120}, 164, {0, 0, 1280, 1024}, {100, 120}},
        {{100, 850, 180, 870}, 164, {0, 0, 1280, 1024}, {100, 686}},  // would end at 1034
        {{100, 840, 180, 860}, 164, {0, 0, 1280, 1024}, {100, 860}},  // ends exactly at 1024
        {{100, 841, 180, 861}, 164, {0, 0, 1280, 1024}, {100, 677}},  // one pixel too far
        {{100, 700, 180, 720}, 164, {0, 0, 1280, 800}, {100, 536}},   // a taskbar takes the bottom
    };
    for (const Case& c : cases) {
        const POINT got = dropDownPosition(c.combo, c.listHeight, c.workArea);
        EXPECT_EQ(got.x, c.expected.x);
        EXPECT_EQ(got.y, c.expected.y) << "combo bottom " << c.combo.bottom;
    }
}

// ---- the control --------------------------------------------------------------------------------

using ComboBox = ComboFixture;

TEST_F(ComboBox, FixedStyleArrowsAndPaging) {
    make(bscbFixedStyle, kCrossSections, 0);
    struct Case {
        int start;
        WPARAM key;
        int expected;
    };
    const Case cases[] = {
        {10, VK_PRIOR, 1}, {0, VK_NEXT, 7}, {15, VK_NEXT, 18}, {3, VK_PRIOR, 0}, {0, VK_UP, 0},
        {18, VK_DOWN, 18}, {2, VK_DOWN, 3}, {2, VK_RIGHT, 3},  {2, VK_LEFT, 1},  {5, VK_UP, 4},
    };
    for (const Case& c : cases) {
        combo->setItemIndex(c.start);
        keyDown(h(), c.key);
        EXPECT_EQ(combo->itemIndex(), c.expected) << "key " << c.key << " from " << c.start;
        EXPECT_EQ(combo->text(), kCrossSections[static_cast<std::size_t>(c.expected)]);
        EXPECT_FALSE(combo->droppedDown());
    }
}

TEST_F(ComboBox, AltArrowsOpenAndCloseEnterChoosesEscapeRestores) {
    make(bscbFixedStyle, kMaterials, 2);
    keyDown(h(), VK_DOWN, true);
    ASSERT_TRUE(combo->droppedDown());
    EXPECT_EQ(dropDowns, 1);
    EXPECT_EQ(combo->itemIndex(), 2) << "Alt+Down does not step";
    keyDown(h(), VK_DOWN, true);
    EXPECT_EQ(dropDowns, 1) << "already open";

    // Moving the list's selection by the wheel, then Alt+Up: closed, nothing chosen.
    wheel(h(), -120);
    EXPECT_EQ(combo->listBox().itemIndex(), 3);
    EXPECT_EQ(combo->text(), "Bakır");
    keyDown(h(), VK_UP, true);
    EXPECT_FALSE(combo->droppedDown());
    EXPECT_EQ(combo->itemIndex(), 2);
    EXPECT_EQ(combo->text(), "Bakır");
    EXPECT_EQ(closeUps, 0);

    keyDown(h(), VK_LEFT, true);  // closed already: nothing
    EXPECT_EQ(combo->itemIndex(), 2);

    keyDown(h(), VK_DOWN, true);
    wheel(h(), -120);
    wheel(h(), -120);
    keyDown(h(), VK_ESCAPE);
    EXPECT_FALSE(combo->droppedDown());
    EXPECT_EQ(combo->itemIndex(), 2);
    EXPECT_EQ(changes, 0);

    keyDown(h(), VK_DOWN, true);
    wheel(h(), -120);
    wheel(h(), -120);
    keyDown(h(), VK_RETURN);
    EXPECT_FALSE(combo->droppedDown());
    EXPECT_EQ(combo->itemIndex(), 4);
    EXPECT_EQ(combo->text(), "Alüminyum");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(closeUps, 1);
}

TEST_F(ComboBox, IncrementalSearchWithThe500MsRule) {
    make(bscbFixedStyle, {"Tungsten", "Tek", "Trifaze", "Monofaze", "Tr2"}, 3);
    struct Key {
        wchar_t key;
        TickCount after;  // milliseconds since the previous key
        int expected;
    };
    const Key keys[] = {
        {L'T', 1000, 4},  // one letter: after the current item (3), "Tr2"
        {L'r', 100, 2},   // "Tr" within 0.5 s: from the start, "Trifaze"
        {L'i', 499, 2},   // "Tri": still one word after 499 ms
        {L't', 500, 4},   // a pause of 500 ms: "t" alone, searched after "Trifaze"
        {L't', 600, 0},   // again alone: the next item beginning with "t", wrapping round
        {L'm', 50, 0},    // "tm": nothing begins with it, the selection stays
        {L'M', 700, 3},  {L'x', 700, 3},
    };
    for (const Key& k : keys) {
        now += k.after;
        typeChars(h(), std::wstring(1, k.key));
        EXPECT_EQ(combo->itemIndex(), k.expected)
            << "key " << static_cast<char>(k.key) << " after " << k.after;
    }
    combo->setAutoComplete(false);
    now += 10;
    typeChars(h(), L"T");
    EXPECT_EQ(combo->itemIndex(), 4);
    now += 10;
    typeChars(h(), L"r");
    EXPECT_EQ(combo->itemIndex(), 4) << "without AutoComplete 'r' stands alone and finds nothing";
}

TEST_F(ComboBox, SearchHonoursTheKeyPressEvent) {
    make(bscbFixedStyle, kMaterials, 0);
    combo->OnKeyPress = [](wchar_t& key) {
        if (key == L'k') key = L'T';
        if (key == L'q') key = 0;
    };
    typeChars(h(), L"k");
    EXPECT_EQ(combo->text(), "Tungsten");
    now += 1000;
    typeChars(h(), L"q");
    EXPECT_EQ(combo->text(), "Tungsten");
}

TEST_F(ComboBox, EditStyleCompletesOneDigitAfterTheExactItem) {
    make(bscbEditStyle, kCrossSections, 0, 80);
    combo->OnKeyPress = [this](wchar_t& key) { numericFilter(*combo, key); };
    struct Case {
        std::wstring typed;    // typed over the whole text, selected first
        TickCount after;       // since the previous row
        std::string expected;  // shown text
        int selStart, selLength;
        int itemIndex;
    };
    const Case cases[] = {
        {L"1", 1000, "1,5", 1, 2, 7},  // "1" is an item; the search goes on after it
        {L"2", 1000, "2,5", 1, 2, 8},  // no item "2": the first item beginning with it
        {L"4", 1000, "4", 1, 0, 9},    // the item itself, nothing left to select
        {L"3", 1000, "35", 1, 1, 14},  {L"9", 1000, "95", 1, 1, 17},
        {L"a", 1000, "95", 0, 2, 17},  // the filter drops a letter: nothing happens
        {L"0", 1000, "0,08", 1, 3, 0},
    };
    for (const Case& c : cases) {
        now += c.after;
        combo->edit()->SelectAll();
        typeChars(editWindow(), c.typed);
        EXPECT_EQ(combo->text(), c.expected) << "typed " << c.expected;
        EXPECT_EQ(combo->edit()->text(), c.expected);
        EXPECT_EQ(combo->edit()->selStart(), c.selStart) << c.expected;
        EXPECT_EQ(combo->edit()->selLength(), c.selLength) << c.expected;
        EXPECT_EQ(combo->itemIndex(), c.itemIndex) << c.expected;
    }
}

TEST_F(ComboBox, EditStyleAfterCompletionACommaOrADigitReplacesTheTail) {
    make(bscbEditStyle, kCrossSections, 0, 80);
    combo->OnKeyPress = [this](wchar_t& key) { numericFilter(*combo, key); };
    struct Case {
        bool selectAll;
        wchar_t key;
        std::string expected;
        int selStart, selLength;
    };
    const Case cases[] = {
        {true, L'2', "2,5", 1, 2},
        {false, L',', "2,", 2, 0},   // the typed comma takes the place of the completed ",5"
        {false, L'5', "2,5", 3, 0},  // "2,5" typed key by key stays "2,5"
        {false, L',', "2,5", 3, 0},  // a second comma is dropped
        {true, L'2', "2,5", 1, 2},
        {false, L'7', "27", 2, 0},  // a digit replaces the completed part
    };
    for (const Case& c : cases) {
        now += 1000;
        if (c.selectAll) combo->edit()->SelectAll();
        typeChars(editWindow(), std::wstring(1, c.key));
        EXPECT_EQ(combo->text(), c.expected);
        EXPECT_EQ(combo->edit()->selStart(), c.selStart) << c.expected;
        EXPECT_EQ(combo->edit()->selLength(), c.selLength) << c.expected;
    }
    EXPECT_EQ(combo->itemIndex(), 8) << "no item begins with 27: the selection stays";
}

TEST_F(ComboBox, EditStyleCompletionRunsAtMostOncePer200Ms) {
    make(bscbEditStyle, kCrossSections, 0, 80);
    combo->edit()->SelectAll();
    typeChars(editWindow(), L"1");
    ASSERT_EQ(combo->text(), "1,5");
    struct Case {
        TickCount after;
        std::string expected;
    };
    // Each row types "2" over the whole text; whenever completion may run it gives "2,5".
    const Case cases[] = {{100, "2"}, {99, "2"}, {1, "2,5"}, {199, "2"}, {200, "2,5"}};
    for (const Case& c : cases) {
        now += c.after;
        combo->edit()->SelectAll();
        typeChars(editWindow(), L"2");
        EXPECT_EQ(combo->text(), c.expected) << "after " << c.after << " ms";
    }
}

TEST_F(ComboBox, EditStyleUpDownAndWheelStepThroughTheItems) {
    make(bscbEditStyle, kCrossSections, 6, 80);
    struct Case {
        const char* action;
        std::string expected;
    };
    const Case cases[] = {
        {"down", "1,5"}, {"down", "2,5"}, {"up", "1,5"}, {"wheel towards", "2,5"}, {"wheel away", "1,5"},
    };
    for (const Case& c : cases) {
        const std::string action = c.action;
        if (action == "down") keyDown(editWindow(), VK_DOWN);
        if (action == "up") keyDown(editWindow(), VK_UP);
        if (action == "wheel towards") wheel(editWindow(), -120);
        if (action == "wheel away") wheel(editWindow(), 120);
        EXPECT_EQ(combo->text(), c.expected) << c.action;
        EXPECT_EQ(combo->edit()->selLength(), static_cast<int>(c.expected.size())) << "all selected";
    }
    EXPECT_EQ(clicks, 5);
    combo->setItemIndex(0);
    keyDown(editWindow(), VK_UP);
    EXPECT_EQ(combo->text(), "0,08");
    combo->setItemIndex(18);
    keyDown(editWindow(), VK_DOWN);
    EXPECT_EQ(combo->text(), "120");
}

TEST_F(ComboBox, EditStyleTakesTheFocusAndTheTabStopFromTheCombo) {
    make(bscbEditStyle, kCrossSections, 0, 80);
    EXPECT_EQ(GetFocus(), editWindow());
    EXPECT_FALSE(combo->tabStop());
    EXPECT_TRUE(combo->edit()->tabStop());
    EXPECT_EQ(combo->edit()->text(), "0,08");
    combo->setText("abc");
    EXPECT_EQ(combo->edit()->text(), "abc") << "a text no item begins with still shows";
    EXPECT_EQ(combo->itemIndex(), 0);
    combo->setStyle(bscbFixedStyle);
    EXPECT_EQ(combo->edit(), nullptr);
    EXPECT_TRUE(combo->tabStop());
}

TEST_F(ComboBox, OnChangeFiresExactlyWhenTheShownTextChanges) {
    make(bscbFixedStyle, kMaterials, 2);
    struct Case {
        const char* action;
        int changes, clicks;
    };
    const Case cases[] = {
        {"index 2", 0, 1},  // the same item: OnClick, no change
        {"index 3", 1, 1},     {"text Çinko", 0, 0},
        {"text Xyz", 1, 0},                            // a text no item has: shown, the index stays
        {"index 3", 1, 1},     {"choose same", 0, 1},  // picking the selected item from the list
        {"choose next", 1, 1}, {"wheel", 1, 1},
    };
    for (const Case& c : cases) {
        changes = clicks = 0;
        const std::string action = c.action;
        if (action == "index 2") combo->setItemIndex(2);
        if (action == "index 3") combo->setItemIndex(3);
        if (action == "text Çinko") combo->setText("Çinko");
        if (action == "text Xyz") combo->setText("Xyz");
        if (action == "choose same" || action == "choose next") {
            combo->OpenList();
            if (action == "choose next") wheel(h(), -120);
            keyDown(h(), VK_RETURN);
        }
        if (action == "wheel") wheel(h(), 120);
        EXPECT_EQ(changes, c.changes) << c.action;
        EXPECT_EQ(clicks, c.clicks) << c.action;
    }
    EXPECT_EQ(combo->text(), "Çinko");
    EXPECT_EQ(combo->itemIndex(), 3);
}

TEST_F(ComboBox, WheelInTheFixedStyle) {
    make(bscbFixedStyle, kMaterials, 0);
    struct Case {
        int delta;
        int expected;
    };
    const Case cases[] = {{-120, 1}, {-120, 2}, {120, 1}, {120, 0}, {120, 0}};
    for (const Case& c : cases) {
        wheel(h(), c.delta);
        EXPECT_EQ(combo->itemIndex(), c.expected) << c.delta;
    }
    combo->setItemIndex(7);
    wheel(h(), -120);
    EXPECT_EQ(combo->itemIndex(), 7) << "stops at the last item";
}

TEST_F(ComboBox, TheListOpensBelowOrAboveAndOnlyWithItems) {
    make(bscbFixedStyle, {}, -1);
    combo->OpenList();
    EXPECT_FALSE(combo->droppedDown());
    EXPECT_EQ(dropDowns, 0);

    combo->setItems(kCrossSections);
    combo->setItemIndex(12);
    combo->OpenList();
    ASSERT_TRUE(combo->droppedDown());
    RECT comboRect{}, listRect{};
    GetWindowRect(h(), &comboRect);
    GetWindowRect(combo->listBox().handle(), &listRect);
    EXPECT_EQ(listRect.left, comboRect.left);
    EXPECT_EQ(listRect.top, comboRect.bottom);
    EXPECT_EQ(listRect.right - listRect.left, 185);
    EXPECT_EQ(listRect.bottom - listRect.top, 164) << "8 rows of 20 and the frame";
    EXPECT_EQ(combo->listBox().topIndex(), 11) << "the selected item on top, as far as the last page allows";
    EXPECT_EQ(GetFocus(), h()) << "the list takes no focus";
    EXPECT_EQ(GetActiveWindow(), form->handle());
    combo->CloseUp(false);

    // Near the bottom of the work area the list goes above the control.
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(form->handle(), MONITOR_DEFAULTTONEAREST), &monitor);
    RECT formRect{};
    GetWindowRect(form->handle(), &formRect);
    SetWindowPos(form->handle(), nullptr, formRect.left, monitor.rcWork.bottom - 100, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    combo->OpenList();
    GetWindowRect(h(), &comboRect);
    GetWindowRect(combo->listBox().handle(), &listRect);
    EXPECT_EQ(listRect.bottom, comboRect.top);
    EXPECT_EQ(listRect.top, comboRect.top - 164);
    combo->CloseUp(false);

    combo->setItems({"Monofaze (Tek Faz)", "Trifaze (3 Faz)"});
    combo->setListBoxWidth(200);
    combo->OpenList();
    GetWindowRect(combo->listBox().handle(), &listRect);
    EXPECT_EQ(listRect.bottom - listRect.top, 44) << "two items, two rows";
    EXPECT_EQ(listRect.right - listRect.left, 200);
    EXPECT_EQ(combo->listBox().verticalScrollBar(), nullptr);
}

TEST_F(ComboBox, DraggingFromTheButtonIntoTheListChoosesTheItemReleasedOn) {
    make(bscbFixedStyle, kMaterials, 2);
    const RECT button = combo->buttonRect();
    mouseDown(h(), button.left + 5, button.top + 5);
    ASSERT_TRUE(combo->droppedDown());
    EXPECT_TRUE(combo->listTracking());
    EXPECT_EQ(GetCapture(), h());
    const POINT row5 = rowPoint(5);
    mouseMove(h(), row5.x, row5.y - 30);
    mouseMove(h(), row5.x, row5.y);
    EXPECT_EQ(combo->listBox().itemIndex(), 5);
    EXPECT_EQ(combo->text(), "Bakır") << "tracking alone does not choose";
    mouseUp(h(), row5.x, row5.y);
    EXPECT_FALSE(combo->droppedDown());
    EXPECT_EQ(combo->text(), "Magnezyum");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(closeUps, 1);
    EXPECT_NE(GetCapture(), h());
}

TEST_F(ComboBox, AClickOnTheButtonOpensAndTheNextClickOnTheListChooses) {
    make(bscbFixedStyle, kMaterials, 2);
    const RECT button = combo->buttonRect();
    mouseDown(h(), button.left + 5, button.top + 5);
    mouseUp(h(), button.left + 5, button.top + 5);
    ASSERT_TRUE(combo->droppedDown()) << "released before entering the list: it stays open";
    EXPECT_FALSE(combo->listTracking());
    HWND list = combo->listBox().handle();
    const RECT area = combo->listBox().listArea();
    const POINT inList{area.left + 10, area.top + 6 * 20 + 10};
    mouseMove(list, inList.x, inList.y, false);
    mouseDown(list, inList.x, inList.y);
    EXPECT_EQ(GetCapture(), h()) << "the combo box follows the press";
    const POINT released = mapPoint(list, h(), inList);
    mouseUp(h(), released.x, released.y);
    EXPECT_FALSE(combo->droppedDown());
    EXPECT_EQ(combo->text(), "Krom-Nikel");

    // A release outside the list after entering it closes without choosing.
    mouseDown(h(), button.left + 5, button.top + 5);
    const POINT row1 = rowPoint(1);
    mouseMove(h(), row1.x, row1.y);
    mouseMove(h(), row1.x + 400, row1.y);
    mouseUp(h(), row1.x + 400, row1.y);
    EXPECT_FALSE(combo->droppedDown());
    EXPECT_EQ(combo->text(), "Krom-Nikel");

    // A second press on the button while open closes it.
    mouseDown(h(), button.left + 5, button.top + 5);
    mouseUp(h(), button.left + 5, button.top + 5);
    mouseDown(h(), button.left + 5, button.top + 5);
    EXPECT_FALSE(combo->droppedDown());
    mouseUp(h(), button.left + 5, button.top + 5);
}

TEST_F(ComboBox, AutoScrollBelowTheListStopsAtTheLastItem) {
    make(bscbFixedStyle, kCrossSections, 0);
    const RECT button = combo->buttonRect();
    mouseDown(h(), button.left + 5, button.top + 5);
    const POINT row0 = rowPoint(0);
    mouseMove(h(), row0.x, row0.y - 25);
    EXPECT_EQ(combo->autoScrollMode(), 0) << "not before the pointer was in the list";
    mouseMove(h(), row0.x, row0.y);
    const POINT below = rowPoint(9);
    mouseMove(h(), below.x, below.y);
    EXPECT_EQ(combo->autoScrollMode(), 2);
    for (int tick = 0; tick < 40; ++tick) fireTimer(h());
    EXPECT_EQ(combo->listBox().itemIndex(), 18);
    EXPECT_EQ(combo->listBox().topIndex(), 11);
    const POINT above = rowPoint(-2);
    mouseMove(h(), above.x, above.y);
    EXPECT_EQ(combo->autoScrollMode(), 1);
    for (int tick = 0; tick < 3; ++tick) fireTimer(h());
    EXPECT_EQ(combo->listBox().itemIndex(), 15);
    mouseMove(h(), row0.x, row0.y + 20);
    EXPECT_EQ(combo->autoScrollMode(), 0);
    mouseUp(h(), row0.x, row0.y + 20);
    EXPECT_FALSE(combo->droppedDown());
}

TEST_F(ComboBox, LosingTheFocusClosesWithoutChoosing) {
    make(bscbFixedStyle, kMaterials, 2);
    auto* other = new TbsSkinComboBox(form);
    other->setParent(form);
    other->setBounds(20, 80, 100, 20);
    combo->OpenList();
    wheel(h(), -120);
    other->setFocus();
    EXPECT_FALSE(combo->droppedDown());
    EXPECT_EQ(combo->itemIndex(), 2);
    EXPECT_EQ(combo->text(), "Bakır");
}

TEST_F(ComboBox, APressElsewhereInTheProgramClosesTheList) {
    make(bscbFixedStyle, kMaterials, 2);
    combo->OpenList();
    wheel(h(), -120);
    // A press on the list itself (through the message loop) keeps it open.
    HWND list = combo->listBox().handle();
    PostMessageW(list, WM_RBUTTONDOWN, MK_RBUTTON, pointParam(10, 10));
    pumpFor(50);
    EXPECT_TRUE(combo->droppedDown());
    // A press on the form's background does not move the focus, yet it closes the list.
    PostMessageW(form->handle(), WM_LBUTTONDOWN, MK_LBUTTON, pointParam(300, 200));
    PostMessageW(form->handle(), WM_LBUTTONUP, 0, pointParam(300, 200));
    EXPECT_TRUE(pumpUntil([&] { return !combo->droppedDown(); }, 1000));
    EXPECT_EQ(combo->text(), "Bakır");
    EXPECT_EQ(GetFocus(), h());
    // The hook is gone with the list: later presses go by untouched.
    combo->OpenList();
    combo->CloseUp(false);
    PostMessageW(form->handle(), WM_LBUTTONDOWN, MK_LBUTTON, pointParam(300, 200));
    pumpFor(30);
    EXPECT_FALSE(combo->droppedDown());
}

TEST_F(ComboBox, LeavingClearsTheButtonsHotLookAndDisablingGreysTheEdit) {
    make(bscbEditStyle, kCrossSections, 0, 80);
    const RECT button = combo->buttonRect();
    mouseMove(h(), button.left + 3, button.top + 3, false);
    EXPECT_TRUE(combo->buttonHot());
    SendMessageW(h(), WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(combo->buttonHot());
    struct Case {
        bool enabled;
        TColor expected;
    };
    const Case cases[] = {{false, clGrayText}, {true, clWindowText}};
    for (const Case& c : cases) {
        combo->setEnabled(c.enabled);
        EXPECT_EQ(combo->edit()->font().color(), c.expected) << c.enabled;
        EXPECT_EQ(IsWindowEnabled(h()) != 0, c.enabled);
    }
    combo->setDefaultColor(RGB(255, 255, 0));
    EXPECT_EQ(combo->edit()->color(), RGB(255, 255, 0)) << "the inner edit shares the plain background";
}

TEST_F(ComboBox, KeyPressOfTheInnerEditReachesTheComboFirst) {
    make(bscbEditStyle, kCrossSections, 0, 80);
    combo->setText("");
    std::wstring seen;
    combo->OnKeyPress = [&](wchar_t& key) {
        seen.push_back(key);
        numericFilter(*combo, key);
    };
    typeChars(editWindow(), L"1.5-x,5,");
    EXPECT_EQ(seen, L"1.5-x,5,");
    EXPECT_EQ(combo->text(), "15,5");
}

struct PixelCase {
    int x, y;
    COLORREF expected;
    const char* where;
};

TEST_F(ComboBox, PlainLookFixedStyle) {
    make(bscbFixedStyle, kMaterials, 2);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    const COLORREF window = GetSysColor(COLOR_WINDOW);
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    TBitmap bitmap(185, 20);
    // Focused: the item area in the highlight colour.
    combo->paintTo(bitmap.canvas());
    const PixelCase focusedCases[] = {
        {0, 0, shadow, "outer frame"},
        {184, 19, shadow, "outer frame, bottom right"},
        {1, 1, face, "button-face ring"},
        {183, 10, face, "ring on the right"},
        {166, 2, shadow, "button frame"},
        {182, 17, shadow, "button frame, bottom right"},
        {167, 3, face, "button fill"},
        {171, 8, RGB(0, 0, 0), "arrow row 1, left end"},
        {177, 8, RGB(0, 0, 0), "arrow row 1, right end"},
        {170, 8, face, "left of the arrow"},
        {174, 11, RGB(0, 0, 0), "arrow point"},
        {173, 11, face, "beside the point"},
        {165, 10, window, "the pixel between item area and button"},
        {4, 10, highlight, "focused item area"},
    };
    for (const PixelCase& c : focusedCases) EXPECT_EQ(pixelAt(bitmap, c.x, c.y), c.expected) << c.where;

    SetFocus(form->handle());
    combo->setDefaultColor(RGB(255, 255, 0));
    combo->paintTo(bitmap.canvas());
    EXPECT_EQ(pixelAt(bitmap, 4, 10), RGB(255, 255, 0)) << "unfocused: DefaultColor";
    EXPECT_EQ(pixelAt(bitmap, 2, 2), RGB(255, 255, 0));
    bool textSeen = false;
    for (int x = 6; x < 40; ++x) {
        for (int y = 3; y < 17; ++y) textSeen |= pixelAt(bitmap, x, y) == GetSysColor(COLOR_WINDOWTEXT);
    }
    EXPECT_TRUE(textSeen) << "the item's text in DefaultFont's colour";
    for (int y = 2; y < 18; ++y) EXPECT_EQ(pixelAt(bitmap, 5, y), RGB(255, 255, 0)) << "text starts at +4";

    combo->setEnabled(false);
    combo->paintTo(bitmap.canvas());
    EXPECT_EQ(pixelAt(bitmap, 174, 11), shadow) << "disabled arrow";
}

TEST_F(ComboBox, PlainLookButtonStates) {
    make(bscbEditStyle, kCrossSections, 0, 80);
    TBitmap bitmap(80, 20);
    const RECT button = combo->buttonRect();
    mouseMove(h(), button.left + 3, button.top + 3, false);
    EXPECT_TRUE(combo->buttonHot());
    combo->paintTo(bitmap.canvas());
    EXPECT_EQ(pixelAt(bitmap, button.left, button.top), RGB(0, 0, 128));
    EXPECT_EQ(pixelAt(bitmap, button.left + 1, button.top + 1), RGB(0xB6, 0xBD, 0xD2));
    mouseDown(h(), button.left + 3, button.top + 3);
    combo->paintTo(bitmap.canvas());
    EXPECT_EQ(pixelAt(bitmap, button.left + 1, button.top + 1), RGB(0x85, 0x93, 0xB5));
    mouseUp(h(), button.left + 3, button.top + 3);
    combo->CloseUp(false);
    mouseMove(h(), 5, 5, false);
    EXPECT_FALSE(combo->buttonHot());
    combo->paintTo(bitmap.canvas());
    EXPECT_EQ(pixelAt(bitmap, button.left, button.top), GetSysColor(COLOR_BTNSHADOW));
    // The edit style paints no item area: the inner edit sits there.
    EXPECT_EQ(pixelAt(bitmap, 4, 10), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(combo->edit()->left(), 2);
    EXPECT_EQ(combo->edit()->width(), 58);
}

}  // namespace
}  // namespace vireltan
