// Menu captions: accelerator markers and the letter matching of the accelerator keys.
#include <gtest/gtest.h>

#include "skin/MenuItems.h"
#include "tests/skin/MenuTestSupport.h"

namespace vireltan {
namespace {

TEST(MenuCaption, MarkersGiveTextUnderlineAndAccelerator) {
    struct Case {
        const char* caption;
        const char* text;
        int underlineOffset;
        int underlineLength;
        char32_t accelerator;
    };
    const Case cases[] = {
        {"Mi&nimize", "Minimize", 2, 1, U'n'},
        {"&Close", "Close", 0, 1, U'C'},
        {"Ro&llUp", "RollUp", 2, 1, U'l'},
        {"Minimize to &Tray", "Minimize to Tray", 12, 1, U'T'},
        {"Save && Exit", "Save & Exit", -1, 0, 0},
        {"&&&Both", "&Both", 1, 1, U'B'},
        {"Trailing&", "Trailing", -1, 0, 0},
        {"&First &Second", "First Second", 0, 1, U'F'},
        {"&Şimdi", "Şimdi", 0, 2, U'\u015E'},
        {"Kaydet&İ", "Kaydetİ", 6, 2, U'\u0130'},
        {"Select All", "Select All", -1, 0, 0},
        {"", "", -1, 0, 0},
        {"&", "", -1, 0, 0},
        {"&\xC3", "\xC3", 0, 1, 0xC3},            // a cut-off UTF-8 sequence stays one byte
        {"a&\xE2\x82", "a\xE2\x82", 1, 1, 0xE2},  // never read past the end
    };
    for (const Case& c : cases) {
        const MenuCaption parsed = parseMenuCaption(c.caption);
        EXPECT_EQ(parsed.text, c.text) << c.caption;
        EXPECT_EQ(parsed.underlineOffset, c.underlineOffset) << c.caption;
        EXPECT_EQ(parsed.underlineLength, c.underlineLength) << c.caption;
        EXPECT_EQ(parsed.accelerator, c.accelerator) << c.caption;
    }
}

TEST(MenuCaption, AcceleratorLettersCompareInUpperCase) {
    struct Case {
        char32_t accelerator;
        char32_t typed;
        MenuLetterCase rules;
        bool matches;
    };
    constexpr auto tr = MenuLetterCase::turkish;
    constexpr auto inv = MenuLetterCase::invariant;
    const Case cases[] = {
        {U'n', U'N', tr, true},
        {U'n', U'n', tr, true},
        {U'C', U'c', tr, true},
        {U'C', U'x', tr, false},
        {U'i', U'\u0130', tr, true},  // i / İ
        {U'i', U'I', tr, false},      // dotted and dotless are two letters in Turkish
        {U'\u0131', U'I', tr, true},  // ı / I
        {U'\u0131', U'i', tr, false},
        {U'i', U'I', inv, true},
        {U'\u0131', U'i', inv, true},
        {U'\u015F', U'\u015E', tr, true},   // ş / Ş
        {U'\u011F', U'\u011E', tr, true},   // ğ / Ğ
        {U'\u00E7', U'\u00C7', tr, true},   // ç / Ç
        {U'\u00F6', U'\u00D6', tr, true},   // ö / Ö
        {U'\u00FC', U'\u00DC', tr, true},   // ü / Ü
        {U'\u00F7', U'\u00D7', tr, false},  // ÷ and × are no letter pair
        {U'\u013C', U'\u013B', tr, true},   // ļ / Ļ, where odd code points are the capitals
        {U'1', U'1', tr, true},
        {0, 0, tr, false},  // an item without accelerator matches nothing
    };
    for (const Case& c : cases) {
        EXPECT_EQ(acceleratorMatches(c.accelerator, c.typed, c.rules), c.matches)
            << std::hex << static_cast<unsigned>(c.accelerator) << " " << static_cast<unsigned>(c.typed);
    }
}

TEST(MenuCaption, VisibleItemsFromTheFirstIndex) {
    std::vector<MenuItemData> items = {testing::menuItem("a"), testing::menuItem("b"), testing::menuItem("c"),
                                       testing::menuItem("d")};
    items[1].visible = false;
    struct Case {
        int first;
        std::vector<std::string> shown;
    };
    const Case cases[] = {{0, {"a", "c", "d"}}, {2, {"c", "d"}}, {-3, {"a", "c", "d"}}, {9, {}}};
    for (const Case& c : cases) {
        std::vector<std::string> shown;
        for (const auto& item : visibleMenuItems(items, c.first)) shown.push_back(item.caption);
        EXPECT_EQ(shown, c.shown) << c.first;
    }
}

TEST(MenuCaption, StringTableCaptionsFallBackToTheBuiltInText) {
    const MenuStringLookup table = [](std::string_view name) {
        return name == "MI_CLOSECAPTION" ? std::string("&Kapat") : std::string();
    };
    EXPECT_EQ(menuCaption(table, "MI_CLOSECAPTION", "&Close"), "&Kapat");
    EXPECT_EQ(menuCaption(table, "MI_MINCAPTION", "Mi&nimize"), "Mi&nimize");
    EXPECT_EQ(menuCaption({}, "MI_CLOSECAPTION", "&Close"), "&Close");
}

}  // namespace
}  // namespace vireltan
