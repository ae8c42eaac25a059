// The edit over the system EDIT control: the key-press filter sees every typed character before
// the control inserts it, and the change event follows every change of the text.
#include "gui/Form.h"
#include "gui/MaskEdit.h"

#include "GuiTestSupport.h"

#include <gtest/gtest.h>

#include <string>

namespace vireltan {
namespace {

struct EditFixture : ::testing::Test {
    TForm* form = nullptr;
    TMaskEdit* edit = nullptr;
    int changes = 0;
    void SetUp() override {
        form = testing::shownForm(50, 50, 300, 200);
        edit = new TMaskEdit(form);
        edit->setParent(form);
        edit->setBounds(10, 10, 120, 20);
        edit->OnChange = [this] { ++changes; };
    }
    void TearDown() override { delete form; }

    void type(const std::wstring& keys) {
        for (wchar_t key : keys) SendMessageW(edit->handle(), WM_CHAR, key, 1);
    }
};

// A filter in the style of the calculator's numeric fields: digits pass, '.' becomes ',', a second
// ',' and everything else is dropped, backspace passes.
void numericFilter(TMaskEdit& edit, wchar_t& key) {
    if (key >= L'0' && key <= L'9') return;
    if (key == L'\b') return;
    if (key == L'.') key = L',';
    if (key == L',' && edit.text().find(',') == std::string::npos) return;
    key = 0;
}

using MaskEdit = EditFixture;

TEST_F(MaskEdit, KeyPressFilterChangesOrDropsCharactersBeforeInsertion) {
    struct Case {
        std::wstring typed;
        std::string expected;
    };
    const Case cases[] = {
        {L"12", "12"},
        {L"1,5,", "1,5"},
        {L"1.5", "1,5"},
        {L"1.5.2", "1,52"},
        {L"a1b", "1"},
        {L"12\b3", "13"},
        {L"\x03\x16\x18\x1a", ""},  // Ctrl+C, Ctrl+V, Ctrl+X, Ctrl+Z never
                                    // reach the control
        {L"", ""},
    };
    edit->OnKeyPress = [this](wchar_t& key) { numericFilter(*edit, key); };
    for (const Case& c : cases) {
        edit->Clear();
        type(c.typed);
        EXPECT_EQ(edit->text(), c.expected) << "typed " << c.expected;
    }
}

TEST_F(MaskEdit, DroppedCharactersCauseNoChangeEvent) {
    edit->OnKeyPress = [](wchar_t& key) {
        if (key == L'x') key = 0;
    };
    changes = 0;
    type(L"xxx");
    EXPECT_EQ(changes, 0);
    type(L"a");
    EXPECT_EQ(changes, 1);
}

TEST_F(MaskEdit, ChangeEventOnEveryTextChangeIncludingClear) {
    struct Case {
        const char* action;
        int expectedChanges;
    };
    // Each row runs on the text the previous rows left.
    const Case cases[] = {
        {"set 12", 1}, {"set 12", 1}, {"clear", 1}, {"clear", 1}, {"type 7", 1}, {"seltext 89", 1},
    };
    for (const Case& c : cases) {
        changes = 0;
        const std::string action = c.action;
        if (action == "set 12") edit->setText("12");
        if (action == "clear") edit->Clear();
        if (action == "type 7") type(L"7");
        if (action == "seltext 89") edit->setSelText("89");
        EXPECT_EQ(changes, c.expectedChanges) << c.action;
    }
    EXPECT_EQ(edit->text(), "789");
}

TEST_F(MaskEdit, TextRoundTripsUtf8) {
    edit->setText("Krom-Nikel ÇğİıÖşÜ µΩ");
    EXPECT_EQ(edit->text(), "Krom-Nikel ÇğİıÖşÜ µΩ");
}

TEST_F(MaskEdit, SelectionAndReplace) {
    edit->setText("0,0178");
    edit->select(2, 3);
    EXPECT_EQ(edit->selStart(), 2);
    EXPECT_EQ(edit->selLength(), 3);
    EXPECT_EQ(edit->selText(), "017");
    edit->setSelText("9");
    EXPECT_EQ(edit->text(), "0,98");
    edit->SelectAll();
    EXPECT_EQ(edit->selLength(), 4);
}

TEST_F(MaskEdit, UndoTakesBackTheLastEdit) {
    edit->setText("12");
    edit->ClearUndo();
    EXPECT_FALSE(edit->canUndo());
    edit->setSelStart(2);
    type(L"3");
    EXPECT_TRUE(edit->canUndo());
    changes = 0;
    edit->Undo();
    EXPECT_EQ(edit->text(), "12");
    EXPECT_GE(changes, 1);  // the system control may report an undo as more than one change
}

TEST_F(MaskEdit, ClipboardCutAndPaste) {
    edit->setText("1,5");
    edit->select(0, 2);
    edit->CutToClipboard();
    EXPECT_EQ(edit->text(), "5");
    edit->setSelStart(1);
    edit->PasteFromClipboard();
    EXPECT_EQ(edit->text(), "51,");
    edit->select(0, 1);
    edit->CopyToClipboard();
    edit->ClearSelection();
    EXPECT_EQ(edit->text(), "1,");
}

TEST_F(MaskEdit, ReadOnlyRefusesTypingButNotAssignment) {
    edit->setText("750");
    edit->setReadOnly(true);
    type(L"9");
    EXPECT_EQ(edit->text(), "750");
    EXPECT_TRUE(GetWindowLongPtrW(edit->handle(), GWL_STYLE) & ES_READONLY);
    edit->setText("500");
    EXPECT_EQ(edit->text(), "500");
    edit->setReadOnly(false);
    edit->setSelStart(3);
    type(L"1");
    EXPECT_EQ(edit->text(), "5001");
}

TEST_F(MaskEdit, AutoSelectSelectsAllOnKeyboardEntry) {
    struct Case {
        bool autoSelect;
        int expectedLength;
    };
    auto* other = new TMaskEdit(form);
    other->setParent(form);
    other->setBounds(10, 40, 120, 20);
    for (const Case& c : {Case{true, 4}, Case{false, 0}}) {
        edit->setText("1234");
        edit->setAutoSelect(c.autoSelect);
        other->setFocus();
        edit->select(0, 0);
        edit->setFocus();
        EXPECT_EQ(edit->selLength(), c.expectedLength) << "AutoSelect " << c.autoSelect;
    }
}

TEST_F(MaskEdit, TextSetBeforeTheWindowExistsIsKept) {
    auto* late = new TMaskEdit(form);
    int lateChanges = 0;
    late->OnChange = [&] { ++lateChanges; };
    late->setText("0,0178");
    EXPECT_EQ(lateChanges, 1);
    late->setParent(form);
    EXPECT_EQ(late->text(), "0,0178");
    wchar_t text[32] = {};
    GetWindowTextW(late->handle(), text, 32);
    EXPECT_EQ(std::wstring(text), L"0,0178");
}

}  // namespace
}  // namespace vireltan
