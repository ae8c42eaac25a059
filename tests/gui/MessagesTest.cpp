// The registry of the program's own message numbers: the numbers other skinned programs and the
// Parts use, and the check that keeps two of them from ever sharing a number.
#include "gui/Messages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

namespace vireltan {
namespace {

// The checks the registry's static_asserts rely on catch what they are for.
static_assert(!allDistinct(std::array<UINT, 3>{WM_USER + 1, WM_USER + 2, WM_USER + 1}));
static_assert(allDistinct(std::array<UINT, 0>{}));
static_assert(!allPrivate(std::array<UINT, 1>{WM_PAINT}));
static_assert(!allPrivate(std::array<UINT, 1>{0xC000}));
static_assert(!outsideSystemHits(std::array<LRESULT, 1>{HTVSCROLL}));
static_assert(!outsideSystemHits(std::array<LRESULT, 1>{0x8000}));

TEST(MessageRegistry, NumbersAreThoseOtherWindowsSendAndExpect) {
    struct Case {
        UINT message;
        UINT number;
    };
    const Case cases[] = {
        {BSM_BEFORECHANGE, 1225},
        {BSM_CHANGE, 1226},
        {BSM_AFTERCHANGE, 1227},
        {BSM_MENUCLOSED, 1228},
        {CM_EDITMENUDONE, 1229},
        {BSM_RESSTRINGS, 1274},
        {CM_PARENTBACKGROUNDCHANGED, 1284},
        {BSM_SKINNABLEFORM, 1294},
        {WM_PAINTBACKGROUND_REQUEST, 48202},
        {WM_PAINTFRAME_REQUEST, 48203},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.message, c.number);
        EXPECT_NE(std::find(kOwnMessages.begin(), kOwnMessages.end(), c.message), kOwnMessages.end())
            << c.number << " is not in the registry";
    }
    EXPECT_EQ(kPaintRequestTag, 16802);
}

}  // namespace
}  // namespace vireltan
