// The edit without a skin: its plain frame and area in real pixels, the height it keeps, the
// DefaultColor repaint, Enter and Escape, the read-only guards, the key filter, the change event
// and the context menu's items.
#include "controls/Edit.h"
#include "gui/Application.h"

#include "ControlTestSupport.h"

#include <gtest/gtest.h>

#include <cstring>
#include <cwchar>
#include <functional>
#include <string>
#include <vector>

namespace vireltan {
namespace {

using namespace vireltan::testing;

constexpr TColor kYellow = 0x00FFFF;

struct EditFixture : ::testing::Test {
    HostForm host;
    TbsSkinEdit* edit = nullptr;
    TBitmap shot;
    int changes = 0;
    void SetUp() override {
        edit = new TbsSkinEdit(host.form);
        edit->setParent(host.form);
        edit->setBounds(149, 62, 80, 18);
        edit->OnChange = [this] { ++changes; };
    }
    void type(const std::wstring& keys) {
        for (wchar_t key : keys) SendMessageW(edit->handle(), WM_CHAR, key, 1);
    }
    void keyDown(WORD key) { SendMessageW(edit->handle(), WM_KEYDOWN, key, 1); }
    // The whole control as it paints itself: the frame by the frame-painting request, the area by
    // erasing and printing the client into the same bitmap at its place.
    void render() {
        shot.setSize(edit->width(), edit->height());
        HDC dc = shot.canvasHandle();
        ASSERT_EQ(SendMessageW(edit->handle(), WM_PAINTFRAME_REQUEST, reinterpret_cast<WPARAM>(dc),
                               kPaintRequestTag),
                  kPaintRequestTag);
        const RECT area = edit->clientArea();
        SetViewportOrgEx(dc, area.left, area.top, nullptr);
        IntersectClipRect(dc, 0, 0, area.right - area.left, area.bottom - area.top);
        SendMessageW(edit->handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
        SendMessageW(edit->handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
        SelectClipRgn(dc, nullptr);
        SetViewportOrgEx(dc, 0, 0, nullptr);
    }
    // The control as its window shows it, after it has painted what was pending.
    void grabWindow(bool pump = true) {
        if (pump) pumpFor(50);
        shot.setSize(edit->width(), edit->height());
        HDC window = GetWindowDC(edit->handle());
        BitBlt(shot.canvasHandle(), 0, 0, shot.width(), shot.height(), window, 0, 0, SRCCOPY);
        ReleaseDC(edit->handle(), window);
    }
};

using Edit = EditFixture;

TEST_F(Edit, PlainLookOfAnEightyByEighteenField) {
    edit->setText("1234");
    for (int pass = 0; pass < 2; ++pass) {
        if (pass == 0) {
            render();
            saveShot(shot, "edit-plain");
        } else {
            grabWindow();
            saveShot(shot, "edit-window");
        }
        const COLORREF shadow = sys(COLOR_BTNSHADOW), face = sys(COLOR_BTNFACE), window = sys(COLOR_WINDOW);
        ASSERT_EQ(shot.width(), 80);
        ASSERT_EQ(shot.height(), 18);
        for (int x = 0; x < 80; ++x) {
            EXPECT_EQ(pixelAt(shot, x, 0), shadow) << "pass " << pass << " top " << x;
            EXPECT_EQ(pixelAt(shot, x, 17), shadow) << "pass " << pass << " bottom " << x;
        }
        for (int y = 0; y < 18; ++y) {
            EXPECT_EQ(pixelAt(shot, 0, y), shadow) << "pass " << pass << " left " << y;
            EXPECT_EQ(pixelAt(shot, 79, y), shadow) << "pass " << pass << " right " << y;
        }
        for (int x = 1; x < 79; ++x) {
            EXPECT_EQ(pixelAt(shot, x, 1), face) << "pass " << pass << " inner top " << x;
            EXPECT_EQ(pixelAt(shot, x, 16), face) << "pass " << pass << " inner bottom " << x;
        }
        for (int y = 1; y < 17; ++y) {
            EXPECT_EQ(pixelAt(shot, 1, y), face) << "pass " << pass << " inner left " << y;
            EXPECT_EQ(pixelAt(shot, 78, y), face) << "pass " << pass << " inner right " << y;
        }
        // The 76 x 14 area: background everywhere but the text, which starts 2 pixels into it.
        const InkBox ink = inkBox(shot, RECT{2, 2, 78, 16}, window);
        ASSERT_FALSE(ink.empty()) << "pass " << pass;
        EXPECT_GE(ink.left, 4) << "pass " << pass;
        EXPECT_LE(ink.left, 5) << "pass " << pass;
        EXPECT_EQ(pixelAt(shot, 2, 2), window) << "pass " << pass;
        EXPECT_EQ(pixelAt(shot, 3, 15), window) << "pass " << pass;
        EXPECT_EQ(pixelAt(shot, 77, 15), window) << "pass " << pass;
    }
    const RECT area = edit->clientArea();
    EXPECT_EQ(area.right - area.left, 76);
    EXPECT_EQ(area.bottom - area.top, 14);
    RECT client{};
    GetClientRect(edit->handle(), &client);
    EXPECT_EQ(client.right, 76);
    EXPECT_EQ(client.bottom, 14);
}

TEST_F(Edit, DefaultColorRepaintsAtOnce) {
    struct Case {
        TColor color;
        COLORREF expected;
    };
    const Case cases[] = {{kYellow, RGB(255, 255, 0)}, {clWindow, GetSysColor(COLOR_WINDOW)}};
    edit->setText("5");
    for (const Case& c : cases) {
        grabWindow();
        edit->setDefaultColor(c.color);
        // No message pumping: the repaint has happened inside the setter.
        RECT pending{};
        EXPECT_FALSE(GetUpdateRect(edit->handle(), &pending, FALSE));
        grabWindow(false);
        EXPECT_EQ(pixelAt(shot, 2, 2), c.expected);
        EXPECT_EQ(pixelAt(shot, 77, 15), c.expected);
        EXPECT_EQ(pixelAt(shot, 0, 0), GetSysColor(COLOR_BTNSHADOW));
        render();
        EXPECT_EQ(pixelAt(shot, 40, 15), c.expected);
    }
    saveShot(shot, "edit-defaultcolor");
}

TEST_F(Edit, HeightFittingWithoutSkinFont) {
    struct Case {
        bool useSkinFont;
        int requested;
        int expected;
    };
    TFont arial(FontDescription{"Arial", 14, 0, clBlack});
    const int fitted = lineHeight(arial.handle()) + 4;
    const Case cases[] = {
        {true, 18, 18}, {true, 30, 30}, {false, 18, fitted}, {false, 30, fitted}, {false, 5, fitted},
    };
    for (const Case& c : cases) {
        edit->setUseSkinFont(c.useSkinFont);
        edit->setBounds(176, 79, 81, c.requested);
        EXPECT_EQ(edit->height(), c.expected) << c.useSkinFont << " " << c.requested;
    }
    EXPECT_EQ(fitted, 18);
}

TEST_F(Edit, KeyFilterRunsBeforeInsertion) {
    struct Case {
        std::wstring typed;
        std::string expected;
    };
    const Case cases[] = {
        {L"12", "12"}, {L"1,5,", "1,5"}, {L"1.5", "15"}, {L"a1b", "1"}, {L"\x03\x16\x18\x1a", ""},
    };
    // A filter in the calculator's style: digits and one comma; the shortcuts dropped.
    edit->OnKeyPress = [this](wchar_t& key) {
        if (key >= L'0' && key <= L'9') return;
        if (key == L',' && edit->text().find(',') == std::string::npos) return;
        key = 0;
    };
    for (const Case& c : cases) {
        edit->Clear();
        type(c.typed);
        EXPECT_EQ(edit->text(), c.expected);
    }
}

TEST_F(Edit, EnterAndEscapeRaiseKeyPressAndInsertNothing) {
    std::vector<wchar_t> seen;
    edit->OnKeyPress = [&](wchar_t& key) {
        seen.push_back(key);
        key = 0;  // whatever the handler does, the form still hears of the key
    };
    std::vector<WPARAM> dialogKeys;
    auto hook = host.form->installWindowProcHook([&](TMessage& message, const WindowProcNext& next) {
        if (message.msg == CM_DIALOGKEY) dialogKeys.push_back(message.wParam);
        next(message);
    });
    edit->setText("7");
    changes = 0;
    type(L"\r\x1b\n");
    EXPECT_EQ(edit->text(), "7");
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(seen, (std::vector<wchar_t>{L'\r', 27}));
    EXPECT_EQ(dialogKeys, (std::vector<WPARAM>{13, 27}));
}

TEST_F(Edit, ChangeEventOnEveryTextChangeIncludingClear) {
    struct Case {
        const char* action;
        std::function<void(TbsSkinEdit&)> run;
        std::string text;
        bool once = true;  // undo replaces the text in steps the native edit reports separately
    };
    const Case cases[] = {
        {"set text", [](TbsSkinEdit& e) { e.setText("12"); }, "12"},
        {"type",
         [this](TbsSkinEdit& e) {
             e.setSelStart(2);
             type(L"3");
         },
         "123"},
        {"select all + delete",
         [](TbsSkinEdit& e) {
             e.SelectAll();
             e.runEditCommand(EditCommand::Delete);
         },
         ""},
        {"undo", [](TbsSkinEdit& e) { e.runEditCommand(EditCommand::Undo); }, "123", false},
        {"clear", [](TbsSkinEdit& e) { e.Clear(); }, ""},
        {"clear when empty", [](TbsSkinEdit& e) { e.Clear(); }, ""},
    };
    for (const Case& c : cases) {
        changes = 0;
        c.run(*edit);
        EXPECT_EQ(edit->text(), c.text) << c.action;
        if (c.once) {
            EXPECT_EQ(changes, 1) << c.action;
        } else {
            EXPECT_GE(changes, 1) << c.action;
        }
    }
}

TEST_F(Edit, ReadOnlyIgnoresEditingButCopies) {
    edit->setText("0,0178");
    edit->setReadOnly(true);
    changes = 0;
    type(L"9\b");
    edit->setSelStart(0);
    keyDown(VK_DELETE);
    edit->SelectAll();
    edit->runEditCommand(EditCommand::Cut);
    edit->runEditCommand(EditCommand::Delete);
    edit->runEditCommand(EditCommand::Paste);
    edit->runEditCommand(EditCommand::Undo);
    EXPECT_EQ(edit->text(), "0,0178");
    EXPECT_EQ(changes, 0);
    // Select All works.
    edit->setSelStart(3);
    edit->runEditCommand(EditCommand::SelectAll);
    EXPECT_EQ(edit->selStart(), 0);
    EXPECT_EQ(edit->selLength(), 6);
    // Copying works from the menu and from the keyboard (Ctrl+C arrives as character 3).
    const std::function<void()> copies[] = {[this] { edit->runEditCommand(EditCommand::Copy); },
                                            [this] { type(L"\x03"); }};
    for (const auto& copy : copies) {
        ASSERT_TRUE(OpenClipboard(nullptr));
        EmptyClipboard();
        CloseClipboard();
        edit->select(2, 4);
        copy();
        ASSERT_TRUE(OpenClipboard(nullptr));
        HANDLE data = GetClipboardData(CF_UNICODETEXT);
        const std::wstring copied = data ? static_cast<const wchar_t*>(GlobalLock(data)) : L"";
        if (data) GlobalUnlock(data);
        CloseClipboard();
        EXPECT_EQ(copied, L"0178");
    }
    EXPECT_EQ(edit->text(), "0,0178");
}

TEST_F(Edit, ContextMenuItemsAndTheirEnabling) {
    struct Case {
        const char* name;
        bool readOnly;
        int selStart, selLength;
        bool clipboardText;
        // Undo, Cut, Copy, Paste, Delete, Select All
        std::vector<bool> enabled;
    };
    const Case cases[] = {
        {"caret only", false, 2, 0, true, {false, false, false, true, false, true}},
        {"part selected", false, 1, 2, true, {false, true, true, true, true, true}},
        {"all selected", false, 0, 6, false, {false, true, true, false, true, false}},
        {"read-only, part selected", true, 1, 2, true, {false, false, true, false, false, true}},
        {"read-only, all selected", true, 0, 6, true, {false, false, true, false, false, false}},
    };
    for (const Case& c : cases) {
        edit->setReadOnly(false);
        edit->setText("0,0178");
        edit->ClearUndo();
        edit->setReadOnly(c.readOnly);
        ASSERT_TRUE(OpenClipboard(nullptr));
        EmptyClipboard();
        if (c.clipboardText) {
            HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, 4 * sizeof(wchar_t));
            std::wcscpy(static_cast<wchar_t*>(GlobalLock(memory)), L"1,5");
            GlobalUnlock(memory);
            SetClipboardData(CF_UNICODETEXT, memory);
        }
        CloseClipboard();
        edit->select(c.selStart, c.selLength);
        const std::vector<MenuItemData> items = edit->contextMenuItems();
        ASSERT_EQ(items.size(), 8u);
        EXPECT_TRUE(items[1].isSeparator());
        EXPECT_TRUE(items[6].isSeparator());
        const std::vector<MenuItemData> commands{items[0], items[2], items[3], items[4], items[5], items[7]};
        const char* captions[] = {"Undo", "Cut", "Copy", "Paste", "Delete", "Select All"};
        for (std::size_t i = 0; i < commands.size(); ++i) {
            EXPECT_EQ(commands[i].caption, captions[i]);
            EXPECT_EQ(commands[i].enabled, c.enabled[i]) << c.name << ": " << captions[i];
        }
    }
    // Undo becomes available after an edit.
    edit->setReadOnly(false);
    edit->setSelStart(6);
    type(L"1");
    EXPECT_TRUE(edit->contextMenuItems()[0].enabled);
}

TEST_F(Edit, ContextMenuRunsTheChosenCommandThroughOnePlace) {
    struct Case {
        const char* caption;
        std::string expected;
    };
    const Case cases[] = {{"Select All", "0,0178"}, {"Delete", ""}, {"Undo", "0,0178"}};
    edit->setText("0,0178");
    edit->ClearUndo();
    std::vector<std::string> shown;
    for (const Case& c : cases) {
        edit->MenuPresenter = [&](TWinControl& owner, const std::vector<MenuItemData>& items, POINT at) {
            EXPECT_EQ(&owner, edit);
            RECT window{};
            GetWindowRect(edit->handle(), &window);
            EXPECT_EQ(at.x, (window.left + window.right) / 2);  // keyboard: the middle
            for (std::size_t i = 0; i < items.size(); ++i) {
                if (items[i].caption == c.caption) return static_cast<int>(i);
            }
            return -1;
        };
        SendMessageW(edit->handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(edit->handle()),
                     MAKELPARAM(-1, -1));
        shown.push_back(edit->text());
        EXPECT_EQ(edit->text(), c.expected) << c.caption;
    }
}

// A disabled plain edit keeps its DefaultColor area and shows its text in the grey-text colour.
TEST_F(Edit, DisabledTextIsGreyOnTheDefaultColor) {
    struct Case {
        TColor color;
        COLORREF background;
    };
    const Case cases[] = {{clWindow, GetSysColor(COLOR_WINDOW)}, {kYellow, RGB(255, 255, 0)}};
    edit->setText("1234");
    edit->setEnabled(false);
    for (const Case& c : cases) {
        edit->setDefaultColor(c.color);
        grabWindow();
        saveShot(shot, "edit-disabled");
        const RECT area{2, 2, 78, 16};
        EXPECT_EQ(pixelAt(shot, 2, 2), c.background);
        EXPECT_EQ(pixelAt(shot, 77, 15), c.background);
        const InkBox ink = inkBox(shot, area, c.background);
        ASSERT_FALSE(ink.empty());
        EXPECT_GE(ink.left, 4);
        EXPECT_LE(ink.left, 5);
        EXPECT_GT(countColour(shot, area, GetSysColor(COLOR_GRAYTEXT)), 5);
        EXPECT_EQ(countColour(shot, area, RGB(0, 0, 0)), 0);
    }
    edit->setEnabled(true);
    grabWindow();
    EXPECT_GT(countColour(shot, RECT{2, 2, 78, 16}, RGB(0, 0, 0)), 5);
}

TEST_F(Edit, ClearRepaintsTheEmptiedField) {
    edit->setText("8888");
    grabWindow();
    ASSERT_FALSE(inkBox(shot, RECT{2, 2, 78, 16}, sys(COLOR_WINDOW)).empty());
    changes = 0;
    edit->Clear();
    EXPECT_EQ(changes, 1);
    RECT pending{};
    EXPECT_TRUE(GetUpdateRect(edit->handle(), &pending, FALSE));  // the whole field asked for
    grabWindow();
    EXPECT_TRUE(inkBox(shot, RECT{2, 2, 78, 16}, sys(COLOR_WINDOW)).empty());
}

// Writing the text the field already holds is announced like any write, but neither reaches the
// native edit nor asks for a repaint; a different text does both.
TEST_F(Edit, OnlyADifferentTextIsSentAndRepainted) {
    struct Case {
        const char* before;
        const char* written;  // null: Clear
        int sent;             // WM_SETTEXT reaching the native edit
        bool repainted;
    };
    const Case cases[] = {
        {"8888", "8888", 0, false}, {"", nullptr, 0, false},    {"", "", 0, false},
        {"8888", "8889", 1, true},  {"8888", nullptr, 1, true}, {"", "0,5", 1, true},
    };
    int sent = 0;
    auto hook = edit->installWindowProcHook([&](TMessage& message, const WindowProcNext& next) {
        if (message.msg == WM_SETTEXT) ++sent;
        next(message);
    });
    for (const Case& c : cases) {
        const std::string label = std::string(c.before) + " <- " + (c.written ? c.written : "Clear");
        edit->setText(c.before);
        UpdateWindow(edit->handle());
        ASSERT_FALSE(GetUpdateRect(edit->handle(), nullptr, FALSE)) << label;
        sent = 0;
        changes = 0;
        if (c.written) {
            edit->setText(c.written);
        } else {
            edit->Clear();
        }
        EXPECT_EQ(edit->text(), c.written ? c.written : "") << label;
        EXPECT_EQ(changes, 1) << label;
        EXPECT_EQ(sent, c.sent) << label;
        EXPECT_EQ(GetUpdateRect(edit->handle(), nullptr, FALSE) != 0, c.repainted) << label;
    }
}

// A right click opens the menu where the mouse is; the menu key (a negative position) in the
// middle of the field.
TEST_F(Edit, ContextMenuOpensAtTheMouseOrTheMiddle) {
    RECT window{};
    GetWindowRect(edit->handle(), &window);
    struct Case {
        int x, y;
        POINT expected;
    };
    const Case cases[] = {
        {window.left + 5, window.top + 4, {window.left + 5, window.top + 4}},
        {-1, -1, {(window.left + window.right) / 2, (window.top + window.bottom) / 2}},
    };
    for (const Case& c : cases) {
        POINT shownAt{-100, -100};
        edit->MenuPresenter = [&](TWinControl&, const std::vector<MenuItemData>&, POINT at) {
            shownAt = at;
            return -1;
        };
        SendMessageW(edit->handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(edit->handle()),
                     MAKELPARAM(c.x, c.y));
        EXPECT_EQ(shownAt.x, c.expected.x) << c.x;
        EXPECT_EQ(shownAt.y, c.expected.y) << c.y;
    }
}

TEST_F(Edit, AlignmentPlacesTheTextInTheArea) {
    struct Case {
        TAlignment alignment;
        int least, most;  // where the ink's left (left), right (right) or centre (centre) may lie
    };
    const Case cases[] = {
        {TAlignment::taLeftJustify, 4, 5},
        {TAlignment::taRightJustify, 74, 77},
        {TAlignment::taCenter, 38, 42},
    };
    edit->setText("1234");
    for (const Case& c : cases) {
        edit->setAlignment(c.alignment);
        EXPECT_EQ(edit->text(), "1234");  // the new window keeps the text
        grabWindow();
        saveShot(shot, "edit-alignment-" + std::to_string(static_cast<int>(c.alignment)));
        const InkBox ink = inkBox(shot, RECT{2, 2, 78, 16}, sys(COLOR_WINDOW));
        ASSERT_FALSE(ink.empty());
        const int at = c.alignment == TAlignment::taLeftJustify    ? ink.left
                       : c.alignment == TAlignment::taRightJustify ? ink.right
                                                                   : ink.centreX2() / 2;
        EXPECT_GE(at, c.least) << static_cast<int>(c.alignment);
        EXPECT_LE(at, c.most) << static_cast<int>(c.alignment);
    }
}

// Without a skin DefaultWidth sets the width when above 0; DefaultHeight sets the height when above
// 0 and the edit takes the skin's font, and otherwise the height stays fitted to the font.
TEST_F(Edit, DefaultSizeWithoutASkin) {
    struct Case {
        bool useSkinFont;
        int defaultWidth, defaultHeight;
        int width, height;
    };
    const Case cases[] = {
        {true, 100, 25, 100, 25},
        {true, 0, 0, 100, 25},  // 0 changes nothing
        {false, 120, 30, 120, 18},
        {true, 90, 22, 90, 22},
    };
    for (const Case& c : cases) {
        edit->setUseSkinFont(c.useSkinFont);
        edit->setDefaultWidth(c.defaultWidth);
        edit->setDefaultHeight(c.defaultHeight);
        EXPECT_EQ(edit->width(), c.width) << c.defaultWidth << "x" << c.defaultHeight;
        EXPECT_EQ(edit->height(), c.height) << c.defaultWidth << "x" << c.defaultHeight;
    }
}

TEST_F(Edit, PastedLineBreaksStayOut) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    const wchar_t text[] = L"12\r\n34";
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, sizeof text);
    std::memcpy(GlobalLock(memory), text, sizeof text);
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
    edit->PasteFromClipboard();
    EXPECT_EQ(edit->text(), "12");
}

TEST_F(Edit, Defaults) {
    EXPECT_EQ(edit->SkinDataName(), "edit");
    EXPECT_EQ(edit->DefaultColor(), clWindow);
    EXPECT_EQ(edit->DefaultFont().description(), (FontDescription{"Arial", 14, 0, clBlack}));
    EXPECT_EQ(edit->font().description(), edit->DefaultFont().description());
    EXPECT_TRUE(edit->UseSkinFont());
    // DefaultFont carries over to Font while there is no skin.
    edit->setDefaultFont(FontDescription{"Arial", 16, fsBold, clRed});
    EXPECT_EQ(edit->font().description(), (FontDescription{"Arial", 16, fsBold, clRed}));
}

// Presses on the edit's drawn frame reach the default handling with the edit's own hit code. Had the
// code been a system one (the scroll bars' codes once were), the press would start tracking a scroll
// bar and swallow the queued button release; with ours nothing happens and the release stays queued.
TEST_F(Edit, PressesWithItsOwnHitCodesStartNoSystemAction) {
    edit->setButtonMode(true);
    edit->setBounds(10, 10, 100, 18);
    RECT window{};
    GetWindowRect(edit->handle(), &window);
    const LPARAM onFrame = MAKELPARAM(window.left + 1, window.top + 9);
    for (LRESULT code : kControlHits) {
        EXPECT_GT(code, static_cast<LRESULT>(HTHELP));
        PostMessageW(edit->handle(), WM_LBUTTONUP, 0, 0);
        SendMessageW(edit->handle(), WM_NCLBUTTONDOWN, static_cast<WPARAM>(code), onFrame);
        MSG release{};
        EXPECT_TRUE(PeekMessageW(&release, edit->handle(), WM_LBUTTONUP, WM_LBUTTONUP, PM_REMOVE)) << code;
        EXPECT_EQ(GetCapture(), nullptr) << code;
        SendMessageW(edit->handle(), WM_NCLBUTTONUP, static_cast<WPARAM>(code), onFrame);
        SendMessageW(edit->handle(), WM_NCMOUSELEAVE, 0, 0);
    }
}

}  // namespace
}  // namespace vireltan

namespace vireltan {
namespace {

using namespace vireltan::testing;

TEST_F(Edit, ButtonModeButtonStatesAndClick) {
    edit->setButtonMode(true);
    edit->setBounds(10, 10, 100, 18);
    EXPECT_EQ(edit->SkinDataName(), "edit");  // renamed at design time only
    int clicks = 0;
    edit->OnButtonClick = [&] { ++clicks; };
    RECT window{};
    GetWindowRect(edit->handle(), &window);
    const auto screenAt = [&](int x, int y) { return MAKELPARAM(window.left + x, window.top + y); };
    struct Case {
        int x, y;
        LRESULT hit;
    };
    const Case hits[] = {
        {90, 9, kHitEditButton}, {82, 0, kHitEditButton}, {1, 9, kHitEditFrame}, {40, 9, HTCLIENT}};
    for (const Case& c : hits) {
        EXPECT_EQ(SendMessageW(edit->handle(), WM_NCHITTEST, 0, screenAt(c.x, c.y)), c.hit)
            << c.x << "," << c.y;
    }
    // The client area leaves room for the square button.
    EXPECT_EQ(edit->clientArea().right, 100 - 18 - 2);
    struct State {
        UINT message;
        COLORREF frame, fill;
    };
    const State states[] = {
        {WM_NCMOUSEMOVE, RGB(0, 0, 128), RGB(182, 189, 210)},
        {WM_NCLBUTTONDOWN, RGB(0, 0, 128), RGB(133, 147, 181)},
        {WM_NCLBUTTONUP, RGB(0, 0, 128), RGB(182, 189, 210)},
    };
    for (const State& s : states) {
        SendMessageW(edit->handle(), s.message, kHitEditButton, screenAt(90, 9));
        render();
        EXPECT_EQ(pixelAt(shot, 82, 0), s.frame) << s.message;
        EXPECT_EQ(pixelAt(shot, 90, 9), s.fill) << s.message;
    }
    saveShot(shot, "edit-button");
    EXPECT_EQ(clicks, 1);
    SendMessageW(edit->handle(), WM_NCMOUSELEAVE, 0, 0);
    render();
    EXPECT_EQ(pixelAt(shot, 82, 0), sys(COLOR_BTNSHADOW));
    EXPECT_EQ(pixelAt(shot, 90, 9), sys(COLOR_BTNFACE));
}

// Every field of the window paints its frame at least once at start-up: the plain frame makes no
// bitmap for it, neither through the window's frame painting nor the frame-painting request.
TEST_F(Edit, PlainFramePaintsMakeNoBitmap) {
    struct Case {
        const char* name;
        bool buttonMode;
        int width;
        int height;
    };
    const Case cases[] = {
        {"field", false, 80, 18}, {"button field", true, 100, 18}, {"tall field", false, 40, 30}};
    shot.setSize(120, 40);
    for (const Case& c : cases) {
        edit->setButtonMode(c.buttonMode);
        edit->setBounds(149, 62, c.width, c.height);
        const long before = Application().dibSectionsMade();
        for (int paint = 0; paint < 3; ++paint) {
            SendMessageW(edit->handle(), WM_NCPAINT, 1, 0);
            SendMessageW(edit->handle(), WM_PAINTFRAME_REQUEST, reinterpret_cast<WPARAM>(shot.canvasHandle()),
                         kPaintRequestTag);
        }
        EXPECT_EQ(Application().dibSectionsMade(), before) << c.name;
        const int frameRight = c.buttonMode ? c.width - c.height : c.width;
        EXPECT_EQ(pixelAt(shot, 0, 0), sys(COLOR_BTNSHADOW)) << c.name;
        EXPECT_EQ(pixelAt(shot, frameRight - 1, c.height - 1), sys(COLOR_BTNSHADOW)) << c.name;
        EXPECT_EQ(pixelAt(shot, 1, c.height - 2), sys(COLOR_BTNFACE)) << c.name;
        if (c.buttonMode) {
            EXPECT_EQ(pixelAt(shot, c.width - 2, c.height / 2), sys(COLOR_BTNFACE)) << c.name;
        }
    }
}

}  // namespace
}  // namespace vireltan
