// The edit's context menu through the skinned popup menu: opened by the right button or the menu key,
// its items enabled for the edit's state at that moment, the chosen command run, and WM_USER + 205 sent
// to the edit after it; the field keeps the focus throughout.
#include "controls/Edit.h"

#include "ControlTestSupport.h"
#include "MenuWinTestSupport.h"
#include "gui/Messages.h"
#include "menus/SkinPopupMenu.h"

#include <gtest/gtest.h>

#include <cwchar>

namespace vireltan {
namespace {

using namespace vireltan::testing;

void setClipboard(const wchar_t* text) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    if (text) {
        const std::size_t bytes = (std::wcslen(text) + 1) * sizeof(wchar_t);
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
        std::memcpy(GlobalLock(memory), text, bytes);
        GlobalUnlock(memory);
        SetClipboardData(CF_UNICODETEXT, memory);
    }
    CloseClipboard();
}

struct EditMenuFixture : ::testing::Test {
    HostForm host{400, 300};
    TbsSkinEdit* edit = nullptr;
    std::vector<std::string> heard;  // the edit's text when WM_USER + 205 arrived
    WindowProcHook hook;
    CursorRestore cursor;

    void SetUp() override {
        edit = new TbsSkinEdit(host.form);
        edit->setParent(host.form);
        edit->setBounds(40, 40, 120, 20);
        hook = edit->installWindowProcHook([this](TMessage& m, const WindowProcNext& next) {
            if (m.msg == 1229) heard.push_back(edit->text());
            next(m);
        });
        SetForegroundWindow(host.form->handle());
        edit->setFocus();
        SetCursorPos(5, 5);
        pumpFor(20);
    }
    void TearDown() override {
        if (edit->contextMenu() && edit->contextMenu()->engine()) edit->contextMenu()->engine()->Close();
        hook.remove();
    }
    void openByKeyboard() {
        SendMessageW(edit->handle(), WM_CONTEXTMENU, WPARAM(edit->handle()), MAKELPARAM(-1, -1));
    }
    TbsSkinPopupWindow& popup() { return *edit->contextMenu()->engine()->popup(0); }
};

using EditContextMenu = EditMenuFixture;

TEST_F(EditContextMenu, ItemsAreEnabledForTheEditsStateWhenItOpens) {
    struct Case {
        const char* name;
        bool readOnly;
        int selStart, selLength;
        const wchar_t* clipboard;
        // Undo, Cut, Copy, Paste, Delete, Select All
        std::vector<bool> enabled;
    };
    const Case cases[] = {
        {"empty selection", false, 2, 0, L"1,5", {false, false, false, true, false, true}},
        {"part selected", false, 1, 2, L"1,5", {false, true, true, true, true, true}},
        {"whole text selected", false, 0, 6, L"1,5", {false, true, true, true, true, false}},
        {"clipboard without text", false, 1, 2, nullptr, {false, true, true, false, true, true}},
        {"read-only", true, 1, 2, L"1,5", {false, false, true, false, false, true}},
        {"read-only, whole text", true, 0, 6, nullptr, {false, false, true, false, false, false}},
    };
    for (const Case& c : cases) {
        edit->setReadOnly(false);
        edit->setText("0,0178");
        edit->ClearUndo();
        edit->setReadOnly(c.readOnly);
        setClipboard(c.clipboard);
        edit->select(c.selStart, c.selLength);
        openByKeyboard();
        ASSERT_NE(edit->contextMenu(), nullptr);
        ASSERT_TRUE(edit->contextMenu()->engine()->Visible()) << c.name;
        const std::vector<MenuItemData>& items = popup().items();
        EXPECT_EQ(joined(captionsOf(popup())), "Undo|-|Cut|Copy|Paste|Delete|-|Select All") << c.name;
        const std::size_t commands[] = {0, 2, 3, 4, 5, 7};
        for (std::size_t i = 0; i < 6; ++i) {
            EXPECT_EQ(items[commands[i]].enabled, c.enabled[i])
                << c.name << ": " << items[commands[i]].caption;
        }
        edit->contextMenu()->engine()->Close();
    }
}

// The right button opens the menu where the mouse is, the menu key in the middle of the field.
TEST_F(EditContextMenu, OpensAtTheMouseOrInTheMiddle) {
    RECT w{};
    GetWindowRect(edit->handle(), &w);
    struct Case {
        int x, y;
        int left, top;
    };
    const Case cases[] = {{w.left + 5, w.top + 4, w.left + 5, w.top + 4},
                          {-1, -1, (w.left + w.right) / 2, (w.top + w.bottom) / 2}};
    for (const Case& c : cases) {
        SendMessageW(edit->handle(), WM_CONTEXTMENU, WPARAM(edit->handle()), MAKELPARAM(c.x, c.y));
        ASSERT_TRUE(edit->contextMenu()->engine()->Visible());
        EXPECT_EQ(popup().left(), c.left);
        EXPECT_EQ(popup().top(), c.top);
        EXPECT_EQ(GetFocus(), edit->handle());
        edit->contextMenu()->engine()->Close();
    }
}

// The chosen command runs, then the edit hears WM_USER + 205; pasting a text that is no decimal
// text is allowed.
TEST_F(EditContextMenu, ChosenCommandRunsThenTheEditHearsOfIt) {
    struct Case {
        const char* caption;
        int selStart, selLength;
        std::string expected;
    };
    const Case cases[] = {
        {"Delete", 1, 2, "0178"}, {"Undo", 0, 0, "0,0178"},  {"Select All", 0, 0, "0,0178"},
        {"Cut", 0, 2, "0178"},    {"Paste", 4, 0, "01780,"}, {"Paste", 0, 6, "abc"},
    };
    edit->setText("0,0178");
    edit->ClearUndo();
    for (const Case& c : cases) {
        if (std::string(c.caption) == "Paste" && c.selLength == 6) setClipboard(L"abc");
        edit->select(c.selStart, c.selLength);
        openByKeyboard();
        TbsSkinPopupWindow& p = popup();
        int index = -1;
        for (std::size_t i = 0; i < p.items().size(); ++i) {
            if (p.items()[i].caption == c.caption) index = int(i);
        }
        ASSERT_GE(index, 0) << c.caption;
        ASSERT_TRUE(p.items()[std::size_t(index)].enabled) << c.caption;
        heard.clear();
        releaseOverItem(p, index);
        EXPECT_FALSE(edit->contextMenu()->engine()->Visible()) << c.caption;
        EXPECT_EQ(edit->text(), c.expected) << c.caption;
        EXPECT_EQ(heard, std::vector<std::string>{c.expected}) << c.caption;  // after the command
        if (std::string(c.caption) == "Select All") {
            EXPECT_EQ(edit->selStart(), 0);
            EXPECT_EQ(edit->selLength(), 6);
        }
        EXPECT_EQ(GetFocus(), edit->handle()) << c.caption;
    }
}

// Escape closes the menu without running anything or telling the edit of a command.
TEST_F(EditContextMenu, EscapeRunsNothing) {
    edit->setText("0,0178");
    edit->select(0, 6);
    openByKeyboard();
    pressKey(edit->handle(), VK_DOWN);
    pressKey(edit->handle(), VK_ESCAPE);
    EXPECT_FALSE(edit->contextMenu()->engine()->Visible());
    EXPECT_TRUE(heard.empty());
    EXPECT_EQ(edit->text(), "0,0178");
    EXPECT_EQ(edit->selLength(), 6);
}

}  // namespace
}  // namespace vireltan
