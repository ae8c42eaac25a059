// The combo box's plain look beyond the frame and the button: the arrow's rows, the focus rectangle,
// an empty item area without a selection, the item shown while the list is open, and the picture
// the control gives a parent that asks it to erase its background outside a paint.
#include "controls/ComboBox.h"
#include "gui/Bitmap.h"

#include "ComboBoxTestSupport.h"
#include "ControlsTestSupport.h"
#include "GuiTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vireltan {
namespace {

using namespace testing;

using ComboBoxLook = ComboFixture;

// The pixels of `area` in the bitmap, row by row.
std::vector<COLORREF> pixelsOf(TBitmap& bitmap, const RECT& area) {
    std::vector<COLORREF> pixels;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) pixels.push_back(pixelAt(bitmap, x, y));
    }
    return pixels;
}

int countOf(TBitmap& bitmap, const RECT& area, COLORREF colour) {
    int count = 0;
    for (COLORREF pixel : pixelsOf(bitmap, area)) count += pixel == colour;
    return count;
}

TEST_F(ComboBoxLook, TheArrowHasRowsOfSevenFiveThreeAndOne) {
    make(bscbFixedStyle, kMaterials, 2);
    TBitmap bitmap(185, 20);
    combo->paintTo(bitmap.canvas());
    const RECT button = combo->buttonRect();
    struct Case {
        int y;
        int expectedBlack;
    };
    const Case cases[] = {{7, 0}, {8, 7}, {9, 5}, {10, 3}, {11, 1}, {12, 0}};
    for (const Case& c : cases) {
        const RECT row{button.left, c.y, button.right, c.y + 1};
        EXPECT_EQ(countOf(bitmap, row, RGB(0, 0, 0)), c.expectedBlack) << "row " << c.y;
    }
}

TEST_F(ComboBoxLook, FocusRectangleAndAnEmptyItemArea) {
    make(bscbFixedStyle, kMaterials, 2);
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    const COLORREF yellow = RGB(255, 255, 0);
    combo->setDefaultColor(yellow);
    TBitmap bitmap(185, 20);
    const RECT area = combo->itemAreaRect();
    const RECT topRow{area.left, area.top, area.right, area.top + 1};
    struct Case {
        bool focused;
        int index;
        COLORREF fill;
        bool expectedFocusRect;
        bool expectedText;
    };
    const Case cases[] = {
        {true, 2, highlight, true, true},
        {false, 2, yellow, false, true},
        {false, -1, yellow, false, false},  // no selection: nothing shown
        {true, -1, highlight, true, false},
    };
    for (const Case& c : cases) {
        if (c.focused) {
            combo->setFocus();
        } else {
            SetFocus(form->handle());
        }
        combo->setItemIndex(c.index);
        combo->paintTo(bitmap.canvas());
        const std::string label =
            std::string(c.focused ? "focused" : "unfocused") + " index " + std::to_string(c.index);
        const int areaPixels = (area.right - area.left) * (area.bottom - area.top);
        // The focus rectangle inverts every other pixel of the area's edge.
        EXPECT_EQ(countOf(bitmap, topRow, c.fill) < area.right - area.left, c.expectedFocusRect) << label;
        const RECT inner{area.left + 1, area.top + 1, area.right - 1, area.bottom - 1};
        const int innerPixels = (inner.right - inner.left) * (inner.bottom - inner.top);
        EXPECT_EQ(countOf(bitmap, inner, c.fill) < innerPixels, c.expectedText) << label;
        EXPECT_LE(countOf(bitmap, area, c.fill), areaPixels);
    }
}

TEST_F(ComboBoxLook, WhileTheListIsOpenTheItemAreaShowsTheSelectionItOpenedWith) {
    make(bscbFixedStyle, kMaterials, 2);
    TBitmap bitmap(185, 20);
    const RECT area = combo->itemAreaRect();
    combo->paintTo(bitmap.canvas());
    const std::vector<COLORREF> before = pixelsOf(bitmap, area);
    combo->OpenList();
    wheel(h(), -120);
    wheel(h(), -120);
    ASSERT_EQ(combo->listBox().itemIndex(), 4);
    combo->paintTo(bitmap.canvas());
    EXPECT_EQ(pixelsOf(bitmap, area), before) << "still \"Bakır\" while the list moves";
    keyDown(h(), VK_RETURN);
    combo->paintTo(bitmap.canvas());
    EXPECT_NE(pixelsOf(bitmap, area), before) << "the chosen item once it is closed";
}

TEST_F(ComboBoxLook, ErasingOutsideAPaintDrawsTheWholeControl) {
    struct Case {
        TbsSkinCustomComboBoxStyle style;
        int width;
    };
    for (const Case& c : {Case{bscbFixedStyle, 185}, Case{bscbEditStyle, 80}}) {
        make(c.style, kCrossSections, 0, c.width);
        SetFocus(form->handle());
        TBitmap erased(c.width, 20);
        TBitmap painted(c.width, 20);
        EXPECT_EQ(SendMessageW(h(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(erased.canvasHandle()), 0), 1);
        combo->paintTo(painted.canvas());
        const RECT whole{0, 0, c.width, 20};
        if (!combo->edit()) {
            EXPECT_EQ(pixelsOf(erased, whole), pixelsOf(painted, whole)) << "fixed";
            delete combo;
            continue;
        }
        // Around the edit the control's own picture; inside it the edit with its text.
        const RECT button = combo->buttonRect();
        EXPECT_EQ(pixelsOf(erased, button), pixelsOf(painted, button)) << "edit style: the button";
        EXPECT_EQ(pixelAt(erased, 0, 0), GetSysColor(COLOR_BTNSHADOW));
        const RECT editRect{combo->edit()->left(), combo->edit()->top(),
                            combo->edit()->left() + combo->edit()->width(),
                            combo->edit()->top() + combo->edit()->height()};
        EXPECT_GT(countOf(erased, editRect, GetSysColor(COLOR_WINDOWTEXT)), 0) << "the edit's \"0,08\"";
        EXPECT_EQ(countOf(painted, editRect, GetSysColor(COLOR_WINDOWTEXT)), 0)
            << "the control alone paints no text there";
        delete combo;
    }
}

}  // namespace
}  // namespace vireltan
