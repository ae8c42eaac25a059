#include "skin/ResourceStrData.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace vireltan {
namespace {

TEST(ResourceStrDataTest, DefaultLinesOnePerNameInOrder) {
    const TbsResourceStrData strings;
    ASSERT_EQ(strings.ResStrings.size(), 120u);
    EXPECT_EQ(strings.CharSet, 1);
    std::set<std::string> names;
    for (const std::string& line : strings.ResStrings) {
        const auto eq = line.find('=');
        ASSERT_NE(eq, std::string::npos) << line;
        EXPECT_TRUE(names.insert(line.substr(0, eq)).second) << "repeated " << line;
    }
    EXPECT_EQ(strings.ResStrings.front().substr(0, 14), "MI_MINCAPTION=");
    EXPECT_EQ(strings.ResStrings[52].substr(0, 9), "CALC_CAP=");
    EXPECT_EQ(strings.ResStrings.back(), "CUSTOMCOLOR=Custom...");
}

TEST(ResourceStrDataTest, TheTwelveFrameTexts) {
    const TbsResourceStrData strings;
    struct Case {
        const char* name;
        const char* text;
    } const cases[] = {
        {"MI_MINCAPTION", "Mi&nimize"},
        {"MI_MAXCAPTION", "Ma&ximize"},
        {"MI_CLOSECAPTION", "&Close"},
        {"MI_RESTORECAPTION", "&Restore"},
        {"MI_MINTOTRAYCAPTION", "Minimize to &Tray"},
        {"MI_ROLLUPCAPTION", "Ro&llUp"},
        {"MINBUTTON_HINT", "Minimize"},
        {"MAXBUTTON_HINT", "Maximize"},
        {"CLOSEBUTTON_HINT", "Close"},
        {"TRAYBUTTON_HINT", "Minimize to Tray"},
        {"ROLLUPBUTTON_HINT", "Roll Up"},
        {"MENUBUTTON_HINT", "System menu"},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(cases[i].name);
        EXPECT_EQ(strings.GetResStr(cases[i].name), cases[i].text);
        EXPECT_EQ(strings.ResStrings[i], std::string(cases[i].name) + "=" + cases[i].text);
    }
}

TEST(ResourceStrDataTest, Lookup) {
    TbsResourceStrData strings;
    strings.ResStrings = {"A=first", "a=second", "B=x=y", "C=", "novalue", "D =spaced", "=nameless"};
    struct Case {
        const char* name;
        const char* expected;
    } const cases[] = {
        {"A", "first"}, {"a", "first"},   {"B", "x=y"},    {"C", ""},        {"novalue", ""},
        {"D", ""},      {"D ", "spaced"}, {"missing", ""}, {"", "nameless"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(strings.GetResStr(c.name), c.expected);
    }
    EXPECT_EQ(TbsResourceStrData().GetResStr("mi_closecaption"), "&Close");
}

}  // namespace
}  // namespace vireltan
