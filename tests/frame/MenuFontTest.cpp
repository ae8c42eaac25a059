// The popup's font: the menuitem definition's face (or DefMenuItemFont) in the character set of the
// skin's string table when it has one, else in DefMenuItemFont's.
#include "SystemMenuFixture.h"
#include "skin/ResourceStrData.h"
#include "skin/SkinData.h"

#include <gtest/gtest.h>

namespace vireltan {
namespace {

using namespace vireltan::testing;
using MenuFont = SystemMenuFixture;

TEST_F(MenuFont, CharacterSetComesFromTheStringTable) {
    struct Case {
        const char* what;
        int tableCharSet;  // -1: the skin has no string table
        int defaultCharSet;
        bool skinFont;  // UseSkinFontInMenu
        int expected;
        const char* face;
    };
    const Case cases[] = {
        {"no table: the default font's set", -1, 1, true, 1, "Arial"},
        {"no table, a set of the default font", -1, 238, true, 238, "Arial"},
        {"Turkish table over the skin's font", 162, 1, true, 162, "Arial"},
        {"Turkish table over the default font", 162, 238, false, 162, "Tahoma"},
        {"ANSI table", 0, 238, true, 0, "Arial"},
    };
    TbsResourceStrData strings;
    for (const Case& c : cases) {
        strings.CharSet = c.tableCharSet;
        frame->SkinData()->setResourceStrData(c.tableCharSet >= 0 ? &strings : nullptr);
        menu().DefMenuItemFont = {"Tahoma", 13, 0, clWindowText, c.defaultCharSet};
        menu().UseSkinFontInMenu = c.skinFont;
        pressSysMenuButton();
        ASSERT_TRUE(menu().Visible()) << c.what;
        const TFont& font = root().font();
        EXPECT_EQ(font.description().charset, c.expected) << c.what;
        LOGFONTW made{};
        ASSERT_NE(GetObjectW(font.handle(), sizeof(made), &made), 0) << c.what;
        EXPECT_EQ(made.lfCharSet, c.expected) << c.what;
        EXPECT_EQ(font.description().face, c.face) << c.what;
        pressKey(edit->handle(), VK_ESCAPE);
    }
    frame->SkinData()->setResourceStrData(nullptr);
}

}  // namespace
}  // namespace vireltan
