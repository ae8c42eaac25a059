// Typing into the editable combo box key by key, as the keyboard delivers it (key down, character,
// key up): the typed character replaces the edit's selection, a discarded character changes nothing,
// and completion (at most once in 200 ms) fills in the rest of the first item beginning with the text,
// the same way every time the same key is typed over the same text.
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

// The key that types `key` on the current keyboard layout.
WORD virtualKeyOf(wchar_t key) {
    return static_cast<WORD>(LOBYTE(VkKeyScanW(key)));
}

// One key stroke sent straight to `window`: key down, the character, key up.
void strokeKey(HWND window, wchar_t key) {
    const WORD vk = virtualKeyOf(key);
    SendMessageW(window, WM_KEYDOWN, vk, 1);
    SendMessageW(window, WM_CHAR, key, 1);
    SendMessageW(window, WM_KEYUP, vk, 0xC0000001);
}

struct TypingFixture : ::testing::Test {
    TForm* form = nullptr;
    TbsSkinComboBox* combo = nullptr;
    TickCount now = 50000;
    int clicks = 0;

    void SetUp() override {
        form = shownForm(100, 100, 300, 200);
        combo = new TbsSkinComboBox(form);
        combo->setParent(form);
        combo->setBounds(20, 20, 80, 20);
        combo->setStyle(bscbEditStyle);
        combo->setItems(kCrossSections);
        combo->setItemIndex(0);
        combo->clock = [this] { return now; };
        combo->OnKeyPress = [this](wchar_t& key) { numericFilter(*combo, key); };
        combo->OnClick = [this] { ++clicks; };
        combo->setFocus();
    }
    void TearDown() override { delete form; }
    HWND edit() { return combo->edit()->handle(); }
};

using ComboBoxTyping = TypingFixture;

TEST_F(ComboBoxTyping, EachKeyReplacesTheSelectionThenCompletesOncePer200Ms) {
    struct Case {
        bool selectAll;  // the whole text selected first (entering the field, Ctrl+A)
        wchar_t key;
        TickCount after;  // milliseconds since the previous row
        std::string expected;
        int selStart, selLength;
        int itemIndex;
    };
    const Case cases[] = {
        {true, L'2', 1000, "2,5", 1, 2, 8},  // no item "2": the first beginning with it, the tail selected
        {false, L'2', 1000, "22", 2, 0, 8},  // the key replaces ",5"; no item begins with "22"
        {true, L'2', 1000, "2,5", 1, 2, 8},  // the same key over the whole text completes alike
        {false, L'2', 50, "22", 2, 0, 8},    // within 200 ms: the key replaces the tail, no completion
        {true, L'1', 1000, "1,5", 1, 2, 7},  // "1" is an item itself: completion passes on to "1,5"
        {false, L'2', 1000, "120", 2, 1, 18},
        {true, L'2', 1000, "2,5", 1, 2, 8},
        {false, L',', 1000, "2,", 2, 0, 8},   // the comma replaces the completed ",5"; never completed
        {false, L'x', 1000, "2,", 2, 0, 8},   // a dropped key neither types nor completes
        {false, L'5', 1000, "2,5", 3, 0, 8},  // typed key by key, "2,5" stays "2,5"
        {false, L',', 1000, "2,5", 3, 0, 8},  // a second comma is dropped
        {true, L'2', 1000, "2,5", 1, 2, 8},
        {false, L'5', 1000, "25", 2, 0, 13},  // "25" is an item: nothing left to select
        {true, L'4', 1000, "4", 1, 0, 9},
        {false, L'\b', 1000, "", 0, 0, 9},  // backspace is never completed
        {false, L'3', 100, "35", 1, 1, 14},
        {true, L'9', 100, "9", 1, 0, 17},  // 100 ms after the last completion: only the list follows
        {false, L'5', 100, "95", 2, 0, 17},
    };
    for (const Case& c : cases) {
        now += c.after;
        if (c.selectAll) combo->edit()->SelectAll();
        const std::string before = combo->text();
        strokeKey(edit(), c.key);
        const std::string label = before + " + '" + static_cast<char>(c.key) + "'";
        EXPECT_EQ(combo->text(), c.expected) << label;
        EXPECT_EQ(combo->edit()->text(), c.expected) << label;
        EXPECT_EQ(combo->edit()->selStart(), c.selStart) << label;
        EXPECT_EQ(combo->edit()->selLength(), c.selLength) << label;
        EXPECT_EQ(combo->itemIndex(), c.itemIndex) << label;
    }
}

TEST_F(ComboBoxTyping, ADroppedKeyFiresNothing) {
    now += 1000;
    combo->edit()->SelectAll();
    strokeKey(edit(), L'9');
    ASSERT_EQ(combo->text(), "95");
    int changes = 0;
    clicks = 0;
    combo->OnChange = [&] { ++changes; };
    combo->edit()->select(0, 1);
    for (wchar_t key : std::wstring(L"a.-x ")) {
        now += 1000;
        strokeKey(edit(), key);
    }
    EXPECT_EQ(combo->text(), "95");
    EXPECT_EQ(combo->edit()->selStart(), 0) << "the user's selection stays";
    EXPECT_EQ(combo->edit()->selLength(), 1);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(clicks, 0);
}

TEST_F(ComboBoxTyping, AKeyChangedByTheKeyPressEventIsCompletedAsChanged) {
    // A filter that turns every letter into "1": completion follows the character the edit took.
    combo->OnKeyPress = [](wchar_t& key) {
        if (key >= L'a' && key <= L'z') key = L'1';
    };
    now += 1000;
    combo->edit()->SelectAll();
    strokeKey(edit(), L'q');
    EXPECT_EQ(combo->text(), "1,5");
    EXPECT_EQ(combo->edit()->selStart(), 1);
    EXPECT_EQ(combo->edit()->selLength(), 2);
}

TEST_F(ComboBoxTyping, OnlyTypingAtTheEndIsCompleted) {
    struct Case {
        std::string text;
        int caret;
        wchar_t key;
        std::string expected;
        int expectedCaret;
    };
    const Case cases[] = {
        {"2", 0, L'1', "12", 1},  // not "120": the "2" after the caret stays the user's
        {"5", 0, L'2', "25", 1},  // an item, yet the caret stays where the typing is
        {"0,5", 2, L'7', "0,75", 3},
        {"1", 1, L'2', "120", 2},  // at the end: completed, the tail selected from the caret on
    };
    for (const Case& c : cases) {
        combo->setText(c.text);
        combo->edit()->select(c.caret, 0);
        now += 1000;
        strokeKey(edit(), c.key);
        EXPECT_EQ(combo->text(), c.expected) << c.text << " at " << c.caret;
        EXPECT_EQ(combo->edit()->selStart(), c.expectedCaret) << c.text << " at " << c.caret;
    }
}

}  // namespace
}  // namespace vireltan
