// The calculator window driven as a user drives it: characters typed into its fields, items picked
// with the keyboard, the transfer button clicked, timer ticks, and the fields read back from the
// real controls.
#include "app/Materials.h"
#include "app/win/CalculatorWindow.h"
#include "app/win/Image.h"
#include "controls/ComboBox.h"
#include "controls/Edit.h"
#include "controls/GroupBox.h"
#include "controls/StdLabel.h"
#include "frame/SkinForm.h"
#include "gui/Application.h"
#include "gui/HintWindow.h"
#include "gui/Utf.h"
#include "imagebutton/PngButton.h"

#include "ControlTestSupport.h"
#include "GuiTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <iterator>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vireltan {
namespace {

using testing::dismissReports;
using testing::pumpUntil;
using testing::ReportWindow;

class CalculatorWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        savedTitle_ = Application().title();
        window_ = std::make_unique<TiletkenRhesap>(nullptr, GetModuleHandleW(nullptr));
    }
    void TearDown() override {
        window_.reset();
        Application().setTitle(savedTitle_);
    }

    TiletkenRhesap& window() { return *window_; }
    TControl& control(const std::string& name) {
        auto* found = window_->component<TControl>(name);
        if (!found) throw std::runtime_error("no control " + name);
        return *found;
    }
    TWinControl& windowed(const std::string& name) { return dynamic_cast<TWinControl&>(control(name)); }
    std::string text(const std::string& name) { return control(name).text(); }
    // What the control's window itself holds, for the windowed fields.
    std::string windowText(const std::string& name) {
        wchar_t buffer[256] = {};
        GetWindowTextW(windowed(name).handle(), buffer, 256);
        return toUtf8(buffer);
    }
    void setText(const std::string& name, const std::string& value) { control(name).setText(value); }
    // The window that takes the field's typing: an editable combo box types into its inner edit.
    HWND inputWindow(const std::string& name) {
        if (auto* combo = dynamic_cast<TbsSkinComboBox*>(&control(name)); combo && combo->edit())
            return combo->edit()->handle();
        return windowed(name).handle();
    }
    // Each character as the keyboard delivers it to the focused field.
    void type(const std::string& name, const std::u16string& keys) {
        HWND field = inputWindow(name);
        for (char16_t key : keys) SendMessageW(field, WM_CHAR, key, 1);
    }
    void key(const std::string& name, WORD virtualKey) {
        SendMessageW(windowed(name).handle(), WM_KEYDOWN, virtualKey, 1);
        SendMessageW(windowed(name).handle(), WM_KEYUP, virtualKey, 0xC0000001);
    }
    void tick(TTimer* timer) { timer->OnTimer(); }
    // Valid inputs in both panels (a 1,5 mm² resistance line and a 2 kW drop line), each ticked once.
    void fillBothPanelsAndTick() {
        setText("Iuzun", "100");
        setText("IKesit", "1,5");
        setText("kesiti", "1");
        setText("GDuzun", "100");
        setText("GDakim", "2");
        tick(window().Timer1);
        tick(window().Timer2);
    }

    std::unique_ptr<TiletkenRhesap> window_;
    std::string savedTitle_;
};

const std::vector<std::string> kResultEdits = {"GEdit", "MEdit", "KEdit",  "OEdit",
                                               "PEdit", "Nedit", "MiEdit", "MeEdit"};

TEST_F(CalculatorWindowTest, EveryDesignedComponentIsBuilt) {
    EXPECT_TRUE(window().skippedComponents().empty());
    for (const ComponentDesign& row : calculatorWindowDesign()) {
        TComponent* component = window().findComponent(std::string(row.name));
        ASSERT_NE(component, nullptr) << row.name;
        auto* control = dynamic_cast<TControl*>(component);
        if (!control) continue;
        const std::string parent = control->parent() == &window() ? "" : control->parent()->name();
        EXPECT_EQ(parent, row.parent) << row.name;
        // Children filling their group box take its client area, which the skin decides.
        if (row.flags & dfAlignClient) continue;
        EXPECT_EQ(control->left(), row.left) << row.name;
        EXPECT_EQ(control->top(), row.top) << row.name;
    }
}

TEST_F(CalculatorWindowTest, FormCreateLeavesTheDesignedStartState) {
    struct Case {
        const char* name;
        const char* text;
    };
    const Case cases[] = {
        {"Iozdirenc", "0,0178"}, {"IKesit", "0,08"}, {"iletkenc", "Bakır"}, {"faztip", "Monofaze (Tek Faz)"},
        {"Iuzun", ""},           {"GDuzun", ""},     {"GDakim", ""},        {"kesiti", ""},
        {"sonucu", ""},          {"label1", ""},     {"ad", kCreditLine},
    };
    for (const Case& c : cases) EXPECT_EQ(text(c.name), c.text) << c.name;
    for (const std::string& name : kResultEdits) EXPECT_EQ(windowText(name), "") << name;

    EXPECT_EQ(window().caption(), "   Vireltan - 12/2009");
    EXPECT_EQ(Application().title(), "   Vireltan - 12/2009");
    EXPECT_FALSE(window().Timer1->enabled());
    EXPECT_FALSE(window().Timer2->enabled());
    EXPECT_TRUE(window().Timer3->enabled());
    EXPECT_EQ(window().Timer1->interval(), 750u);
    EXPECT_EQ(window().Timer2->interval(), 500u);
    EXPECT_EQ(window().Timer3->interval(), 100u);

    TImage* preview = window().component<TImage>("Image1");
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(preview->picture().width(), 120);
    EXPECT_EQ(preview->picture().height(), 120);

    TPNGButton* transfer = window().component<TPNGButton>("PNGButton1");
    ASSERT_NE(transfer, nullptr);
    EXPECT_EQ(transfer->imageNormal().width(), 32);
    EXPECT_EQ(transfer->imageDown().height(), 32);
    EXPECT_EQ(transfer->imageOver().width(), 32);
    EXPECT_EQ(transfer->hint(), "Gerilim Düşümüne Aktar");  // until the first tick of Timer3
}

TEST_F(CalculatorWindowTest, ShownWindowWearsTheSkinnedFrameAtItsSizeAndPlace) {
    window().show();
    EXPECT_TRUE(window().Timer1->enabled());
    EXPECT_TRUE(window().Timer2->enabled());
    HWND handle = window().handle();
    RECT outer{};
    GetWindowRect(handle, &outer);
    EXPECT_EQ(outer.right - outer.left, 746);
    EXPECT_EQ(outer.bottom - outer.top, 411);
    EXPECT_NEAR(outer.left, (GetSystemMetrics(SM_CXSCREEN) - 746) / 2, 1);
    EXPECT_NEAR(outer.top, (GetSystemMetrics(SM_CYSCREEN) - 411) / 2, 1);
    // The skinned frame draws the caption and its commands: the window keeps WS_CAPTION but none of
    // the system's caption buttons, and its client area is what the skin's frame leaves.
    const LONG_PTR style = GetWindowLongPtrW(handle, GWL_STYLE);
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
    EXPECT_FALSE(style & WS_SYSMENU);
    EXPECT_FALSE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
    auto* frame = window().component<TbsSkinForm>("bsSkinForm1");
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(frame->SkinReady());
    EXPECT_EQ(frame->BorderIcons(), (TbsBorderIcons{true, true, false, false, false}));
    EXPECT_FALSE(frame->ShowIcon());
    EXPECT_TRUE(frame->hasWindowRegion());
    RECT client{};
    GetClientRect(handle, &client);
    EXPECT_EQ(client.right, 736);
    EXPECT_EQ(client.bottom, 376);
    wchar_t caption[64] = {};
    GetWindowTextW(handle, caption, 64);
    EXPECT_EQ(toUtf8(caption), "   Vireltan - 12/2009");
    EXPECT_NE(SendMessageW(handle, WM_GETICON, ICON_BIG, 0), 0);
    // The window itself has the taskbar button, with its caption as the button's text.
    EXPECT_TRUE(GetWindowLongPtrW(handle, GWL_EXSTYLE) & WS_EX_APPWINDOW);
    EXPECT_EQ(GetWindow(handle, GW_OWNER), nullptr);
}

TEST_F(CalculatorWindowTest, KeyFilterOfTheSixNumericFields) {
    struct Case {
        std::u16string keys;
        const char* expected;
    };
    const Case cases[] = {
        {u"1,5,", "1,5"},
        {u"1.5", "15"},
        {u"-1 a5", "15"},
        {u"\x03\x16\x18\x1a"
         u"7",
         "7"},             // copy, paste, cut and undo shortcuts are dropped
        {u"12\b3", "13"},  // backspace passes
        {u",,0,5", ",05"},
        {u"\x0d\x1b\x09"
         u"4",
         "4"},
    };
    const char* fields[] = {"Iozdirenc", "Iuzun", "GDuzun", "GDakim"};
    for (const char* field : fields) {
        for (const Case& c : cases) {
            setText(field, "");
            type(field, c.keys);
            EXPECT_EQ(text(field), c.expected) << field;
        }
    }
}

// The two cross-section combo boxes filter the same way; their completion may already have
// filled in an item's comma, selected, which then counts as the text's comma.
TEST_F(CalculatorWindowTest, KeyFilterOfTheCrossSectionComboBoxes) {
    struct Case {
        std::u16string keys;
        const char* expected;
        int selStart, selLength;
    };
    const Case cases[] = {
        {u"2", "2,5", 1, 2},
        {u"2,", "2,", 2, 0},    // the typed comma replaces the completed ",5"
        {u"2,5", "2,5", 3, 0},  // typing the whole item gives the item
        {u"27", "27", 2, 0},    // a digit replaces the completed part
        {u".-a \x03\x16\x18\x1a", "", 0, 0},
        {u"9\b", "9", 1, 0},  // "95" completed; the backspace takes the completed part
    };
    for (const char* field : {"IKesit", "kesiti"}) {
        auto& combo = dynamic_cast<TbsSkinComboBox&>(control(field));
        ASSERT_NE(combo.edit(), nullptr) << field;
        TickCount now = 0;
        combo.clock = [&now] { return now += 1000; };  // a user types slower than the completion period
        for (const Case& c : cases) {
            setText(field, "");
            // Completion searches after the selected item; every case starts from none.
            combo.listBox().setItemIndex(-1);
            type(field, c.keys);
            EXPECT_EQ(text(field), c.expected) << field;
            EXPECT_EQ(combo.edit()->text(), c.expected) << field;
            EXPECT_EQ(combo.edit()->selStart(), c.selStart) << field;
            EXPECT_EQ(combo.edit()->selLength(), c.selLength) << field;
        }
    }
}

TEST_F(CalculatorWindowTest, TypedCommaCountsOnlyTheCommasOutsideTheSelection) {
    struct Case {
        int selStart, selLength;
        std::u16string keys;
        const char* expected;
    };
    const Case cases[] = {
        {0, 3, u",", ","},     // the selection holds the only comma: the typed one replaces it
        {0, 3, u",2", ",2"},   //
        {1, 1, u",", "1,5"},   // the comma replaced by a comma
        {2, 1, u",", "1,5"},   // the comma stays outside the selection: the typed one is dropped
        {2, 1, u",9", "1,9"},  //
    };
    for (const Case& c : cases) {
        setText("Iuzun", "1,5");
        SendMessageW(windowed("Iuzun").handle(), EM_SETSEL, c.selStart, c.selStart + c.selLength);
        type("Iuzun", c.keys);
        EXPECT_EQ(text("Iuzun"), c.expected) << c.selStart << "+" << c.selLength;
    }
}

TEST_F(CalculatorWindowTest, ResistanceTickFillsTheEightResultEdits) {
    struct Case {
        std::u16string rho, length;
        const char* section;
        std::vector<std::string> results;  // G, M, K, O, P, N, Mi, Me
    };
    const Case cases[] = {
        {u"0,0178",
         u"1",
         "0,08",
         {"0,0000000002225", "0,0000002225", "0,0002225", "0,2225", "222500000000", "222500000", "222500",
          "222,5"}},
        {u"0,0178",
         u"100",
         "1,5",
         {"0,00000000118667", "0,00000118666667", "0,00118666666667", "1,18666666666667", "1186666666666,67",
          "1186666666,66667", "1186666,66666667", "1186,66666666667"}},
        {u"1,1",
         u"1000",
         "0,08",
         {"0,00001375", "0,01375", "13,75", "13750", "1,375E16", "13750000000000", "13750000000",
          "13750000"}},
        {u"0,016",
         u"0,5",
         "120",
         {"0,00000000000007", "0,00000000006667", "0,00000006666667", "6,66666666666667E-5",
          "66666666,6666667", "66666,6666666667", "66,6666666666667", "0,0666666666666667"}},
        {u"0,0178",
         u"5,",
         ",5",
         {"0,000000000178", "0,000000178", "0,000178", "0,178", "178000000000", "178000000", "178000",
          "178"}},
        {u"0,0178", u"00", "1,5", {"0", "0", "0", "0", "0", "0", "0", "0"}},
        // An empty-like input empties every result.
        {u"0,0178", u"0,", "1,5", {"", "", "", "", "", "", "", ""}},
        {u"", u"5", "1,5", {"", "", "", "", "", "", "", ""}},
        {u"0,0178", u"5", ",0", {"", "", "", "", "", "", "", ""}},
    };
    for (const Case& c : cases) {
        setText("Iozdirenc", "");
        setText("Iuzun", "");
        type("Iozdirenc", c.rho);
        type("Iuzun", c.length);
        setText("IKesit", c.section);
        tick(window().Timer1);
        for (std::size_t i = 0; i < kResultEdits.size(); ++i)
            EXPECT_EQ(windowText(kResultEdits[i]), c.results[i])
                << kResultEdits[i] << " for L " << text("Iuzun");
    }
}

TEST_F(CalculatorWindowTest, VoltageDropTickShowsTheDropAndTheVerdict) {
    struct Case {
        const char* section;
        std::u16string length, power;
        int phaseSteps;  // arrow-down presses in the phase list from the first item
        const char* drop;
        const char* verdict;
    };
    const char* ok = "İletken Kesiti Uygundur";
    const char* notOk = "İletken Kesiti Uygun Değildir";
    const Case cases[] = {
        {"1", u"100", u"2", 0, "% 15", notOk},
        {"2,5", u"100", u"10", 1, "% 5", ok},
        {"4", u"30", u"9", 0, "% 5", ok},
        {"1,5", u"20", u"3", 0, "% 3", ok},
        {"16", u"50", u"1", 0, "% 0,23", ok},
        {"2,5", u"40", u"4", 1, "% 0,79", ok},
        {"120", u"1", u"1", 1, "% 0,0001", ok},
        {"1", u"1000", u"2", 0, "% 1,5E2", notOk},
        {"1", u"100", u"00", 0, "% 0", ""},
        {"1", u"", u"2", 0, "", ""},
        {"1", u"", u"2", 1, "", ""},
    };
    for (const Case& c : cases) {
        setText("kesiti", c.section);
        setText("GDuzun", "");
        setText("GDakim", "");
        type("GDuzun", c.length);
        type("GDakim", c.power);
        key("faztip", VK_UP);
        for (int i = 0; i < c.phaseSteps; ++i) key("faztip", VK_DOWN);
        tick(window().Timer2);
        EXPECT_EQ(text("sonucu"), c.drop) << c.section << " " << text("faztip");
        EXPECT_EQ(text("label1"), c.verdict) << c.section << " " << text("faztip");
    }
}

// The background the power field shows, from the field's own painting.
COLORREF fieldBackground(TWinControl& field) {
    TBitmap bitmap;
    testing::renderClient(field, bitmap);
    return testing::pixelAt(bitmap, bitmap.width() - 3, bitmap.height() / 2);
}

TEST_F(CalculatorWindowTest, TransferButtonCarriesSectionAndLengthAndMarksThePower) {
    window().show();
    TControl& button = control("PNGButton1");
    const auto click = [&] {
        HWND parent = button.parent()->handle();
        const LPARAM at = MAKELPARAM(button.left() + button.width() / 2, button.top() + button.height() / 2);
        SendMessageW(parent, WM_MOUSEMOVE, 0, at);
        SendMessageW(parent, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(parent, WM_LBUTTONUP, 0, at);
    };
    const COLORREF yellow = RGB(255, 255, 0);
    const COLORREF window = GetSysColor(COLOR_WINDOW);

    // Without a length nothing moves.
    setText("IKesit", "2,5");
    click();
    EXPECT_EQ(text("kesiti"), "");
    EXPECT_EQ(text("GDuzun"), "");

    type("Iuzun", u"100");
    type("GDakim", u"7");
    click();
    EXPECT_EQ(text("kesiti"), "2,5");
    EXPECT_EQ(text("GDuzun"), "100");
    EXPECT_EQ(text("GDakim"), "");
    EXPECT_EQ(fieldBackground(windowed("GDakim")), yellow);
    tick(this->window().Timer2);
    EXPECT_EQ(text("sonucu"), "");
    EXPECT_EQ(text("label1"), "");

    type("GDakim", u"3");
    EXPECT_EQ(fieldBackground(windowed("GDakim")), window);
    tick(this->window().Timer2);
    EXPECT_EQ(text("sonucu"), "% 8,9");  // 0.074 × 100 × 3 / 2.5 = 8.88
    EXPECT_EQ(text("label1"), "İletken Kesiti Uygun Değildir");

    // Emptying the power, even when it is empty already, takes the mark away.
    click();
    EXPECT_EQ(fieldBackground(windowed("GDakim")), yellow);
    setText("GDakim", "");
    EXPECT_EQ(fieldBackground(windowed("GDakim")), window);
}

TEST_F(CalculatorWindowTest, TransferHintFollowsTheInputsWithinOneTick) {
    window().show();
    TControl& button = control("PNGButton1");
    EXPECT_TRUE(button.effectiveShowHint());
    EXPECT_TRUE(pumpUntil([&] { return button.hint() == "Kesit ve Uzunluğu Girmelisiniz.."; }, 1000));
    type("Iuzun", u"5");
    EXPECT_TRUE(pumpUntil([&] { return button.hint() == "Gerilim Düşümüne Aktar.."; }, 1000));
    setText("IKesit", "");
    EXPECT_TRUE(pumpUntil([&] { return button.hint() == "Kesit ve Uzunluğu Girmelisiniz.."; }, 1000));
}

// The pointer resting on the transfer button of the real window shows the hint the last tick of
// Timer3 wrote: without a length the request for the inputs, with one the transfer text.
TEST_F(CalculatorWindowTest, PointerOnTheTransferButtonShowsTheCurrentHint) {
    struct Case {
        const char* length;
        const char* hint;
    };
    const Case cases[] = {{"", "Kesit ve Uzunluğu Girmelisiniz.."}, {"5", "Gerilim Düşümüne Aktar.."}};
    window().show();
    TControl& button = control("PNGButton1");
    HWND group = button.parent()->handle();
    THintWindow& hint = Application().hintWindow();
    hint.setHintPause(20);
    // The real pointer rests there too; it goes back afterwards.
    const testing::CursorRestore restore;
    const POINT inGroup{button.left() + 10, button.top() + 10};
    POINT onScreen = inGroup;
    ClientToScreen(group, &onScreen);
    SetCursorPos(onScreen.x, onScreen.y);
    for (const Case& c : cases) {
        setText("Iuzun", c.length);
        ASSERT_TRUE(pumpUntil([&] { return button.hint() == c.hint; }, 1000)) << c.hint;
        hint.cancel();
        PostMessageW(group, WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
        PostMessageW(group, WM_MOUSEMOVE, 0, MAKELPARAM(inGroup.x, inGroup.y));
        ASSERT_TRUE(pumpUntil([&] { return hint.active(); }, 3000)) << c.hint;
        EXPECT_EQ(hint.control(), &button);
        EXPECT_EQ(hint.text(), c.hint);
    }
    hint.cancel();
    hint.mouseOver(nullptr, {0, 0});
}

TEST_F(CalculatorWindowTest, PickingAMaterialShowsItsPictureAndResistivity) {
    TImage* preview = window().component<TImage>("Image1");
    ASSERT_NE(preview, nullptr);
    int index = 0;
    for (const Material& material : materials()) {
        for (int i = 0; i < 10; ++i) key("iletkenc", VK_UP);
        for (int i = 0; i < index; ++i) key("iletkenc", VK_DOWN);
        ++index;
        EXPECT_EQ(text("iletkenc"), material.item);
        EXPECT_EQ(text("Iozdirenc"), material.resistivity) << material.item;
        EXPECT_EQ(preview->picture().width(), material.bitmapWidth) << material.item;
        EXPECT_EQ(preview->picture().height(), material.bitmapHeight) << material.item;
    }
    // The chrome-nickel picture is larger than the preview and loses its edges on every side.
    for (int i = 0; i < 10; ++i) key("iletkenc", VK_UP);
    for (int i = 0; i < 6; ++i) key("iletkenc", VK_DOWN);
    ASSERT_EQ(text("iletkenc"), "Krom-Nikel");
    const RECT at = preview->destinationRect();
    EXPECT_LT(at.left, 0);
    EXPECT_LT(at.top, 0);
    EXPECT_GT(at.right, preview->width());
    EXPECT_GT(at.bottom, preview->height());

    // A typed resistivity stays until the next pick.
    setText("Iozdirenc", "");
    type("Iozdirenc", u"0,02");
    tick(window().Timer3);
    EXPECT_EQ(text("Iozdirenc"), "0,02");
    key("iletkenc", VK_UP);
    EXPECT_EQ(text("Iozdirenc"), "0,045");  // one item up from chrome-nickel: magnesium
}

// Choosing the item already shown changes no text, so the handler does not run and a typed
// resistivity stays; a different item replaces it, and the next resistance tick uses the new one.
TEST_F(CalculatorWindowTest, OnlyANewMaterialReplacesATypedResistivity) {
    struct Case {
        char16_t initial;  // typed into the material selector: its first letter
        const char* material;
        const char* resistivity;
        const char* ohms;  // with L "100" and S "0,08"
    };
    const Case cases[] = {
        {u'B', "Bakır", "0,02", "25"},        // shown already: the typed 0,02 stays
        {u'K', "Krom-Nikel", "1,1", "1375"},  // a new pick overwrites it
        {u'K', "Krom-Nikel", "0,02", "25"},   // and the same pick again leaves a new typed value
        {u'T', "Tungsten", "0,055", "68,75"},
    };
    auto& selector = dynamic_cast<TbsSkinComboBox&>(control("iletkenc"));
    TickCount now = 0;
    selector.clock = [&now] { return now += 1000; };  // each letter starts a new search
    type("Iuzun", u"100");
    for (const Case& c : cases) {
        setText("Iozdirenc", "");
        type("Iozdirenc", u"0,02");
        SendMessageW(selector.handle(), WM_CHAR, c.initial, 1);
        EXPECT_EQ(text("iletkenc"), c.material);
        EXPECT_EQ(text("Iozdirenc"), c.resistivity) << c.material;
        tick(window().Timer1);
        EXPECT_EQ(windowText("OEdit"), c.ohms) << c.material;
    }
}

// The preview takes its picture by the resource's exact name; a name that finds nothing leaves the
// preview empty, showing only the group's own background.
TEST_F(CalculatorWindowTest, PreviewPictureByExactResourceName) {
    struct Case {
        const char* resource;
        int width, height;  // 0: no picture
    };
    const Case cases[] = {
        {"GÜMÜS", 120, 120}, {"GUMUS", 0, 0}, {"GÜMÜŞ", 0, 0},
        {"KROM", 202, 189},  {"YOK", 0, 0},   {"BAKIR", 120, 120},
    };
    window().show();
    auto* preview = window().component<TImage>("Image1");
    ASSERT_NE(preview, nullptr);
    const RECT area{preview->left(), preview->top(), preview->left() + preview->width(),
                    preview->top() + preview->height()};
    // The group's own background, whatever the skin draws there: the preview with no picture.
    window().fields().setPreviewPicture("YOK");
    TBitmap background;
    testing::renderClient(windowed("showw"), background);
    for (const Case& c : cases) {
        window().fields().setPreviewPicture(c.resource);
        EXPECT_EQ(preview->picture().width(), c.width) << c.resource;
        EXPECT_EQ(preview->picture().height(), c.height) << c.resource;
        TBitmap group;
        testing::renderClient(windowed("showw"), group);
        bool drawn = false;
        for (int y = area.top; y < area.bottom && !drawn; ++y) {
            for (int x = area.left; x < area.right && !drawn; ++x)
                drawn = testing::pixelAt(group, x, y) != testing::pixelAt(background, x, y);
        }
        EXPECT_EQ(drawn, c.width > 0) << c.resource;
    }
}

// With the window shown the timers themselves drive the results: within one period of each.
TEST_F(CalculatorWindowTest, ShownWindowFollowsTheInputsWithinOnePeriod) {
    window().show();
    type("Iuzun", u"100");
    setText("IKesit", "1,5");
    EXPECT_TRUE(pumpUntil([&] { return windowText("OEdit") == "1,18666666666667"; }, 750 + 500));
    EXPECT_EQ(windowText("PEdit"), "1186666666666,67");
    setText("kesiti", "1");
    type("GDuzun", u"100");
    type("GDakim", u"2");
    EXPECT_TRUE(pumpUntil([&] { return text("sonucu") == "% 15"; }, 500 + 500));
    EXPECT_EQ(text("label1"), "İletken Kesiti Uygun Değildir");
    // Emptying an input empties both labels at the next tick.
    setText("GDuzun", "");
    EXPECT_TRUE(pumpUntil([&] { return text("sonucu").empty() && text("label1").empty(); }, 500 + 500));
}

TEST_F(CalculatorWindowTest, TabOrderOfTheInputGroups) {
    struct Case {
        const char* from;
        const char* next;
    };
    const Case cases[] = {
        {"Iozdirenc", "Iuzun"},
        {"Iuzun", "IKesit"},
        {"GDuzun", "GDakim"},
        {"GDakim", "faztip"},
    };
    window().show();
    for (const Case& c : cases) {
        TWinControl& from = windowed(c.from);
        TWinControl* next = window().findNextControl(&from, true);
        ASSERT_NE(next, nullptr) << c.from;
        // An editable combo box takes the focus in its inner edit.
        const bool reached = next == &windowed(c.next) || next->owner() == &control(c.next);
        EXPECT_TRUE(reached) << c.from << " -> " << next->name();
    }
    for (const std::string& name : kResultEdits) EXPECT_FALSE(windowed(name).tabStop()) << name;
}

// The drawings keep their bitmap's size and leave out their bottom-left colour; the ohm sign is
// stretched over its 24 × 17 control.
TEST_F(CalculatorWindowTest, DrawingsAreSizedAndTransparent) {
    struct Case {
        const char* name;
        const char* group;
        int width, height;
        int bitmapWidth, bitmapHeight;
    };
    const Case cases[] = {
        {"Image2", "bsSkinGroupBox1", 286, 59, 286, 59},
        {"Image3", "bsSkinGroupBox3", 158, 69, 158, 69},
        {"Image11", "bsSkinGroupBox1", 24, 17, 21, 17},
    };
    window().show();
    for (const Case& c : cases) {
        auto* picture = window().component<TImage>(c.name);
        ASSERT_NE(picture, nullptr) << c.name;
        EXPECT_EQ(picture->width(), c.width) << c.name;
        EXPECT_EQ(picture->height(), c.height) << c.name;
        EXPECT_EQ(picture->picture().width(), c.bitmapWidth) << c.name;
        EXPECT_EQ(picture->picture().height(), c.bitmapHeight) << c.name;
        TBitmap group;
        testing::renderClient(windowed(c.group), group);
        // Left of the drawing is the group's own background; the drawing's corner shows the same.
        const COLORREF background =
            testing::pixelAt(group, picture->left() - 1, picture->top() + picture->height() - 1);
        EXPECT_EQ(testing::pixelAt(group, picture->left(), picture->top() + picture->height() - 1),
                  background)
            << c.name;
        // Somewhere the drawing itself shows.
        bool drawn = false;
        for (int y = picture->top(); y < picture->top() + picture->height() && !drawn; ++y)
            for (int x = picture->left(); x < picture->left() + picture->width() && !drawn; ++x)
                drawn = testing::pixelAt(group, x, y) != background;
        EXPECT_TRUE(drawn) << c.name;
    }
}

// Inputs that make a tick fail: one report, captioned with the window's title, while the ticks keep
// failing inside it; the failing ticks leave every result as it was.
TEST_F(CalculatorWindowTest, FailingTicksOpenOneReportAndChangeNothing) {
    struct Case {
        int timer;  // 1: resistance, 2: voltage drop
        const char* field;
        const char* text;  // pasted, so not filtered
        const char* report;
    };
    const Case cases[] = {
        {1, "IKesit", "00", "Floating point division by zero."},
        {1, "Iuzun", "1-", "'1-' is not a valid floating point value."},
        {2, "kesiti", "0,00", "Floating point division by zero."},
        {2, "GDakim", "2a", "'2a' is not a valid floating point value."},
    };
    const std::vector<std::string> labels = {"sonucu", "label1"};
    window().show();
    for (const Case& c : cases) {
        fillBothPanelsAndTick();
        std::vector<std::string> before;
        for (const std::string& name : kResultEdits) before.push_back(windowText(name));
        for (const std::string& name : labels) before.push_back(text(name));
        ASSERT_EQ(before[3], "1,18666666666667");
        ASSERT_EQ(before[8], "% 15");

        setText(c.field, c.text);
        TTimer* failing = c.timer == 1 ? window().Timer1 : window().Timer2;
        const auto handler = failing->OnTimer;
        int ticks = 0;
        failing->OnTimer = [&] {
            ++ticks;
            handler();
        };
        failing->setInterval(15);
        TTimer inspector(nullptr);
        inspector.setInterval(40);
        std::vector<ReportWindow> seen;
        inspector.OnTimer = [&] {
            if (ticks < 6) return;
            inspector.setEnabled(false);
            failing->setEnabled(false);
            seen = dismissReports();
        };
        EXPECT_TRUE(
            pumpUntil([&] { return !inspector.enabled() && !Application().errorReportOpen(); }, 10000));
        failing->OnTimer = handler;
        failing->setInterval(c.timer == 1 ? 750 : 500);
        failing->setEnabled(true);

        ASSERT_EQ(seen.size(), 1u) << c.field;
        EXPECT_EQ(seen[0].caption, "   Vireltan - 12/2009");
        EXPECT_TRUE(seen[0].says(c.report)) << c.report;
        EXPECT_EQ(seen[0].owner, window().handle());
        std::vector<std::string> after;
        for (const std::string& name : kResultEdits) after.push_back(windowText(name));
        for (const std::string& name : labels) after.push_back(text(name));
        EXPECT_EQ(after, before) << c.field;
    }
}

// Every message that sends a text to one of the window's controls or paints it, by control.
struct PaintTally {
    std::vector<WindowProcHook> hooks;
    std::map<std::string, int> texts, paints;

    explicit PaintTally(TForm& form) {
        watch(form);
        forEachControl(form, [this](TControl& control) {
            if (control.isWindowed()) watch(static_cast<TWinControl&>(control));
        });
    }
    void watch(TWinControl& control) {
        const std::string name = control.name().empty() ? "(inner edit)" : control.name();
        hooks.push_back(
            control.installWindowProcHook([this, name](TMessage& message, const WindowProcNext& next) {
                if (message.msg == WM_SETTEXT) ++texts[name];
                if (message.msg == WM_PAINT || message.msg == WM_NCPAINT || message.msg == WM_ERASEBKGND)
                    ++paints[name];
                next(message);
            }));
    }
    void clear() {
        texts.clear();
        paints.clear();
    }
};

// The ticks recompute everything from the inputs every period; when that gives the texts the
// fields already show, nothing is sent to a control and nothing is repainted. A changed input
// still reaches its results (so the tally does see what a tick sends).
TEST_F(CalculatorWindowTest, TicksThatChangeNothingSendAndRepaintNothing) {
    struct Case {
        const char* inputs;
        std::function<void()> enter;
    };
    const Case cases[] = {
        {"empty", [] {}},
        {"both panels filled", [this] { fillBothPanelsAndTick(); }},
        {"another material, a three-phase line",
         [this] {
             setText("iletkenc", "Krom-Nikel");
             setText("kesiti", "2,5");
             setText("GDakim", "3");
             setText("faztip", "Trifaze (3 Faz)");
         }},
    };
    window().show();
    for (const Case& c : cases) {
        c.enter();
        for (TTimer* timer : {window().Timer1, window().Timer2, window().Timer3}) tick(timer);
        RedrawWindow(window().handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        PaintTally tally(window());
        for (TTimer* timer : {window().Timer1, window().Timer2, window().Timer3}) tick(timer);
        RedrawWindow(window().handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        EXPECT_EQ(tally.texts, (std::map<std::string, int>{})) << c.inputs;
        EXPECT_EQ(tally.paints, (std::map<std::string, int>{})) << c.inputs;
    }
    PaintTally tally(window());
    setText("Iuzun", "200");
    tally.clear();
    tick(window().Timer1);
    RedrawWindow(window().handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    for (const std::string& name : kResultEdits) {
        EXPECT_EQ(tally.texts[name], 1) << name;  // once, though three rows are written twice
        EXPECT_GE(tally.paints[name], 1) << name;
    }
}

const FontDescription kFontL{"MS Sans Serif", -11, fsBold, clWindowText};
const FontDescription kFontR{"MS Sans Serif", -11, fsBold, clRed};
const FontDescription kFontS{"MS Sans Serif", -15, fsBold, clWindowText};
const FontDescription kFontE{"Arial", 14, 0, clBlack};
const FontDescription kFontC{"Arial", 14, 0, clWindowText};

// Every label sizes itself to its caption in its kind's font (L or R), except `ad` and `sonucu`,
// which keep their size; the two-line legend is two lines high.
TEST_F(CalculatorWindowTest, LabelsDrawAndMeasureInTheirFontKind) {
    struct Case {
        const char* name;
        const FontDescription* font;
        int lines;  // 0: fixed size
    };
    const Case cases[] = {
        {"bsSkinStdLabel28", &kFontL, 1}, {"label1", &kFontR, 1},           {"bsSkinStdLabel1", &kFontL, 1},
        {"bsSkinStdLabel3", &kFontL, 1},  {"bsSkinStdLabel4", &kFontL, 1},  {"bsSkinStdLabel5", &kFontL, 1},
        {"bsSkinStdLabel8", &kFontL, 1},  {"bsSkinStdLabel9", &kFontL, 1},  {"bsSkinStdLabel10", &kFontL, 1},
        {"bsSkinStdLabel11", &kFontR, 1}, {"bsSkinStdLabel12", &kFontR, 1}, {"bsSkinStdLabel13", &kFontR, 1},
        {"bsSkinStdLabel15", &kFontR, 1}, {"bsSkinStdLabel16", &kFontR, 1}, {"bsSkinStdLabel17", &kFontR, 1},
        {"bsSkinStdLabel18", &kFontR, 1}, {"bsSkinStdLabel19", &kFontR, 1}, {"ad", &kFontR, 0},
        {"bsSkinStdLabel2", &kFontL, 1},  {"bsSkinStdLabel6", &kFontL, 1},  {"bsSkinStdLabel7", &kFontL, 1},
        {"bsSkinStdLabel14", &kFontL, 1}, {"bsSkinStdLabel21", &kFontL, 1}, {"bsSkinStdLabel22", &kFontL, 1},
        {"bsSkinStdLabel20", &kFontL, 1}, {"bsSkinStdLabel23", &kFontL, 1}, {"bsSkinStdLabel24", &kFontL, 1},
        {"bsSkinStdLabel25", &kFontL, 1}, {"bsSkinStdLabel26", &kFontL, 1}, {"bsSkinStdLabel27", &kFontL, 2},
        {"sonucu", &kFontS, 0},
    };
    int labels = 0;
    for (const ComponentDesign& row : calculatorWindowDesign()) labels += row.className == "TbsSkinStdLabel";
    EXPECT_EQ(labels, static_cast<int>(std::size(cases)));
    for (const Case& c : cases) {
        auto* label = window().component<TbsSkinStdLabel>(c.name);
        ASSERT_NE(label, nullptr) << c.name;
        EXPECT_EQ(label->DefaultFont().description(), *c.font) << c.name;
        TFont font(*c.font);
        if (c.lines == 0) continue;
        // The widest line decides the width.
        std::wstring caption = toWide(label->text());
        int widest = 0;
        for (std::size_t from = 0; from <= caption.size();) {
            const std::size_t end = std::min(caption.find(L'\r', from), caption.size());
            widest = std::max(
                widest,
                static_cast<int>(testing::textSize(font.handle(), caption.substr(from, end - from)).cx));
            from = end + 1;
        }
        if (caption.empty()) widest = testing::textSize(font.handle(), L" ").cx;
        EXPECT_EQ(label->width(), widest) << c.name;
        EXPECT_EQ(label->height(), c.lines * testing::lineHeight(font.handle())) << c.name;
    }
    // The verdict label grows with its text.
    auto* verdict = window().component<TbsSkinStdLabel>("label1");
    setText("kesiti", "1");
    setText("GDuzun", "100");
    setText("GDakim", "2");
    tick(window().Timer2);
    TFont red(kFontR);
    EXPECT_EQ(verdict->width(),
              testing::textSize(red.handle(), L"\u0130letken Kesiti Uygun De\u011fildir").cx);
    // The fixed ones keep their design size whatever they show.
    EXPECT_EQ(control("ad").width(), 203);
    EXPECT_EQ(control("ad").height(), 13);
    // The result label fills the skinned group box's client area (2, 17, W - 2, H - 2) of 113 x 90.
    EXPECT_EQ(control("sonucu").width(), 109);
    EXPECT_EQ(control("sonucu").height(), 71);
}

// The edits, combo boxes and group boxes carry their font kinds (E, C) and the group boxes their
// plain caption bar; the power field fits its height to its font.
TEST_F(CalculatorWindowTest, FieldsAndGroupsCarryTheirFontKinds) {
    struct Case {
        const char* name;
        const FontDescription* font;
    };
    const Case edits[] = {{"Iozdirenc", &kFontE}, {"Iuzun", &kFontE},  {"GDuzun", &kFontE},
                          {"GDakim", &kFontE},    {"GEdit", &kFontE},  {"MEdit", &kFontE},
                          {"KEdit", &kFontE},     {"OEdit", &kFontE},  {"PEdit", &kFontE},
                          {"Nedit", &kFontE},     {"MiEdit", &kFontE}, {"MeEdit", &kFontE}};
    for (const Case& c : edits) {
        auto* edit = window().component<TbsSkinEdit>(c.name);
        ASSERT_NE(edit, nullptr) << c.name;
        EXPECT_EQ(edit->DefaultFont().description(), *c.font) << c.name;
        EXPECT_EQ(edit->font().description(), *c.font) << c.name;  // no skin: Font follows DefaultFont
        EXPECT_EQ(edit->height(), 18) << c.name;
        EXPECT_EQ(edit->UseSkinFont(), std::string(c.name) != "GDakim") << c.name;
    }
    for (const char* name : {"iletkenc", "IKesit", "kesiti", "faztip"}) {
        auto* combo = window().component<TbsSkinComboBox>(name);
        ASSERT_NE(combo, nullptr) << name;
        EXPECT_EQ(combo->DefaultFont().description(), kFontC) << name;
    }
    for (const char* name :
         {"showw", "bsSkinGroupBox1", "bsSkinGroupBox2", "bsSkinGroupBox3", "bsSkinGroupBox4"}) {
        auto* box = window().component<TbsSkinGroupBox>(name);
        ASSERT_NE(box, nullptr) << name;
        EXPECT_EQ(box->DefaultFont().description(), kFontC) << name;
        EXPECT_EQ(box->DefaultCaptionHeight(), 22) << name;
        EXPECT_EQ(box->BorderStyle(), TbsSkinBorderStyle::bvFrame) << name;
        EXPECT_EQ(box->DefaultAlignment(), TAlignment::taLeftJustify) << name;
        EXPECT_TRUE(box->CaptionMode()) << name;
        EXPECT_FALSE(box->RollUpMode()) << name;
    }
    // The children that fill their group box take its skinned client rectangle (2, 17, W - 2, H - 2).
    struct Fill {
        const char* name;
        RECT expected;
    };
    const Fill fills[] = {{"Image1", {2, 17, 183, 199}}, {"sonucu", {2, 17, 111, 88}}};
    for (const Fill& f : fills) {
        const RECT bounds = control(f.name).boundsRect();
        EXPECT_TRUE(EqualRect(&bounds, &f.expected)) << f.name << ": " << bounds.left << "," << bounds.top
                                                     << "," << bounds.right << "," << bounds.bottom;
    }
}

// Before the window is shown only Timer3 runs: the hint follows within a tick of it, the results
// stay empty. Showing starts the two others, each first ticking one whole period later.
TEST_F(CalculatorWindowTest, TimersFromCreationAndFromShowing) {
    const DWORD created = GetTickCount();
    TControl& button = control("PNGButton1");
    ASSERT_TRUE(pumpUntil([&] { return button.hint() == "Kesit ve Uzunluğu Girmelisiniz.."; }, 1000));
    EXPECT_LE(GetTickCount() - created, 100u + 150u);  // one period, and some slack for a busy machine

    type("Iuzun", u"100");
    setText("IKesit", "1,5");
    setText("kesiti", "1");
    type("GDuzun", u"100");
    type("GDakim", u"2");
    testing::pumpFor(800);  // longer than both periods
    EXPECT_EQ(windowText("OEdit"), "");
    EXPECT_EQ(text("sonucu"), "");

    const DWORD shown = GetTickCount();
    window().show();
    std::optional<DWORD> dropAt, resistanceAt;
    ASSERT_TRUE(pumpUntil(
        [&] {
            if (!dropAt && !text("sonucu").empty()) dropAt = GetTickCount() - shown;
            if (!resistanceAt && !windowText("OEdit").empty()) resistanceAt = GetTickCount() - shown;
            return dropAt && resistanceAt;
        },
        3000));
    // Window timers never come early; the system's timer resolution allows a few milliseconds.
    EXPECT_GE(*dropAt, 500u - 20u);
    EXPECT_GE(*resistanceAt, 750u - 20u);
    EXPECT_EQ(text("sonucu"), "% 15");
    EXPECT_EQ(windowText("OEdit"), "1,18666666666667");
}

// Keys as the keyboard posts them, translated by the application's loop into characters: the filter
// drops what is not a digit or a second comma and the shortcuts; Delete is no character and still
// deletes.
TEST_F(CalculatorWindowTest, KeyboardTypingThroughTheMessageLoop) {
    struct Key {
        WORD virtualKey;
        bool control = false, shift = false;
    };
    struct Case {
        const char* field;
        const char* before;
        std::vector<Key> keys;
        const char* expected;
    };
    const Case cases[] = {
        {"Iuzun", "", {{'1'}, {VK_OEM_COMMA}, {'5'}, {VK_OEM_COMMA}}, "1,5"},
        {"GDakim", "", {{'1'}, {VK_OEM_PERIOD}, {'5'}}, "15"},
        {"Iozdirenc", "", {{VK_OEM_MINUS}, {'A'}, {VK_SPACE}, {'7'}}, "7"},
        {"GDuzun", "", {{'2'}, {'V', true}, {'Z', true}, {'X', true}}, "2"},
        {"Iuzun", "123", {{VK_HOME}, {VK_DELETE}}, "23"},
        {"Iuzun", "123", {{VK_END}, {VK_BACK}}, "12"},
    };
    window().show();
    for (const Case& c : cases) {
        setText(c.field, c.before);
        HWND field = inputWindow(c.field);
        SetFocus(field);
        for (const Key& k : c.keys) {
            BYTE state[256] = {};
            GetKeyboardState(state);
            state[VK_CONTROL] = k.control ? 0x80 : 0;
            state[VK_SHIFT] = k.shift ? 0x80 : 0;
            SetKeyboardState(state);
            const UINT scan = MapVirtualKeyW(k.virtualKey, MAPVK_VK_TO_VSC);
            PostMessageW(field, WM_KEYDOWN, k.virtualKey, 1 | (scan << 16));
            PostMessageW(field, WM_KEYUP, k.virtualKey, 1 | (scan << 16) | 0xC0000000);
            testing::pumpPosted();
        }
        BYTE state[256] = {};
        GetKeyboardState(state);
        state[VK_CONTROL] = state[VK_SHIFT] = 0;
        SetKeyboardState(state);
        EXPECT_EQ(text(c.field), c.expected) << c.field << " from '" << c.before << "'";
    }
}

// Showing the window puts the keyboard in the first field of the tab order; the Tab key, posted as
// the keyboard posts it, walks through the fields that take input, and Shift+Tab walks back.
TEST_F(CalculatorWindowTest, FocusStartsInTheFirstFieldAndTabWalksTheInputs) {
    const std::vector<std::string> order = {"iletkenc", "Iozdirenc", "Iuzun",  "IKesit",
                                            "kesiti",   "GDuzun",    "GDakim", "faztip"};
    // The field that has the keyboard: an editable combo box has it in its inner edit.
    const auto focused = [&]() -> std::string {
        HWND focus = GetFocus();
        for (const std::string& name : order) {
            if (focus == inputWindow(name) || focus == windowed(name).handle()) return name;
        }
        return "(other)";
    };
    const auto pressTab = [&](bool back) {
        BYTE state[256] = {};
        GetKeyboardState(state);
        state[VK_SHIFT] = back ? 0x80 : 0;
        SetKeyboardState(state);
        HWND focus = GetFocus();
        PostMessageW(focus, WM_KEYDOWN, VK_TAB, 1);
        PostMessageW(focus, WM_KEYUP, VK_TAB, 0xC0000001);
        testing::pumpPosted();
        state[VK_SHIFT] = 0;
        SetKeyboardState(state);
    };
    window().show();
    testing::pumpFor(50);
    EXPECT_EQ(focused(), order[0]);
    for (std::size_t i = 1; i <= order.size(); ++i) {
        pressTab(false);
        EXPECT_EQ(focused(), order[i % order.size()]) << "Tab " << i;
    }
    pressTab(true);
    EXPECT_EQ(focused(), order.back()) << "Shift+Tab";
    // A field reached by Tab has its text selected: typing replaces it.
    pressTab(true);
    pressTab(true);
    ASSERT_EQ(focused(), "GDuzun");
    setText("GDuzun", "55");
    pressTab(false);
    pressTab(true);
    type("GDuzun", u"7");
    EXPECT_EQ(text("GDuzun"), "7");
}

// Closing the window ends the message loop at once: no question, no report.
TEST_F(CalculatorWindowTest, ClosingTheWindowEndsTheProgram) {
    ASSERT_EQ(Application().mainForm(), &window());
    window().show();
    PostMessageW(window().handle(), WM_CLOSE, 0, 0);
    Application().Run();  // returns only because the close ends it
    EXPECT_FALSE(IsWindowVisible(window().handle()));
    EXPECT_TRUE(dismissReports().empty());
}

// Both calculations failing at once still make one report: the resistance and the voltage-drop
// ticks go on failing inside it, neither opens another, and the results stay as they were.
TEST_F(CalculatorWindowTest, TwoFailingTimersShareOneReport) {
    window().show();
    fillBothPanelsAndTick();
    setText("IKesit", "00");
    setText("kesiti", "0,00");
    int resistanceTicks = 0, dropTicks = 0;
    const auto resistance = window().Timer1->OnTimer, drop = window().Timer2->OnTimer;
    window().Timer1->OnTimer = [&] {
        ++resistanceTicks;
        resistance();
    };
    window().Timer2->OnTimer = [&] {
        ++dropTicks;
        drop();
    };
    window().Timer1->setInterval(15);
    window().Timer2->setInterval(20);
    TTimer inspector(nullptr);
    inspector.setInterval(40);
    std::vector<ReportWindow> seen;
    inspector.OnTimer = [&] {
        if (resistanceTicks < 4 || dropTicks < 4) return;
        inspector.setEnabled(false);
        window().Timer1->setEnabled(false);
        window().Timer2->setEnabled(false);
        seen = dismissReports();
    };
    EXPECT_TRUE(pumpUntil([&] { return !inspector.enabled() && !Application().errorReportOpen(); }, 10000));
    window().Timer1->OnTimer = resistance;
    window().Timer2->OnTimer = drop;
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_TRUE(seen[0].says("Floating point division by zero."));
    EXPECT_EQ(windowText("OEdit"), "1,18666666666667");
    EXPECT_EQ(text("sonucu"), "% 15");
    EXPECT_EQ(text("label1"), "İletken Kesiti Uygun Değildir");
}

// The credit line is centred in bold red across its fixed 203 pixels; the drop is centred both ways
// in the inner group box; the verdict is red.
TEST_F(CalculatorWindowTest, CreditDropAndVerdictAreDrawnWhereAndHowTheyShould) {
    struct Case {
        const char* name;
        const char* group;  // "" for the window
        COLORREF ink;
        bool centredAcross, centredDown;
    };
    const Case cases[] = {
        {"ad", "bsSkinGroupBox2", RGB(255, 0, 0), true, false},
        {"sonucu", "bsSkinGroupBox4", GetSysColor(COLOR_WINDOWTEXT), true, true},
        {"label1", "", RGB(255, 0, 0), false, false},
    };
    window().show();
    setText("kesiti", "1");
    setText("GDuzun", "100");
    setText("GDakim", "2");
    tick(window().Timer2);
    for (const Case& c : cases) {
        TBitmap shot;
        if (c.group[0]) {
            testing::renderClient(windowed(c.group), shot);
        } else {
            testing::renderClient(window(), shot);
        }
        const RECT r = control(c.name).boundsRect();
        const testing::InkBox ink = testing::inkBox(shot, r, GetSysColor(COLOR_BTNFACE));
        ASSERT_FALSE(ink.empty()) << c.name;
        EXPECT_GT(testing::countColour(shot, r, c.ink), 10) << c.name;
        if (c.centredAcross) {
            EXPECT_NEAR(ink.centreX2(), r.left + r.right - 1, 3) << c.name;
        }
        if (c.centredDown) {
            EXPECT_NEAR(ink.centreY2(), r.top + r.bottom - 1, 4) << c.name;
        }
    }
}

}  // namespace
}  // namespace vireltan
