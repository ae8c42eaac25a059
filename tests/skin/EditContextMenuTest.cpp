// The edit's context menu: which items are enabled for the edit's state.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/EditContextMenu.h"

namespace vireltan {
namespace {

TEST(EditContextMenu, EnablingTable) {
    struct Case {
        const char* what;
        EditMenuState state;       // readOnly, canUndo, clipboardHasText, textLength, selStart, selLength
        EditMenuEnabling enabled;  // undo, cut, copy, paste, delete, select all
    };
    const Case cases[] = {
        {"caret only, text on the clipboard",
         {false, true, true, 3, 3, 0},
         {true, false, false, true, false, true}},
        {"part selected", {false, false, true, 3, 0, 2}, {false, true, true, true, true, true}},
        {"part selected to the end", {false, false, true, 3, 1, 2}, {false, true, true, true, true, true}},
        {"whole text selected", {false, false, true, 3, 0, 3}, {false, true, true, true, true, false}},
        {"clipboard without text", {false, false, false, 3, 0, 2}, {false, true, true, false, true, true}},
        {"empty text", {false, false, true, 0, 0, 0}, {false, false, false, true, false, false}},
        {"read-only with a selection",
         {true, false, true, 3, 0, 2},
         {false, false, true, false, false, true}},
        {"read-only, whole text", {true, false, true, 3, 0, 3}, {false, false, true, false, false, false}},
        {"read-only, caret only", {true, false, true, 3, 1, 0}, {false, false, false, false, false, true}},
        {"read-only that could undo",
         {true, true, false, 3, 0, 0},
         {false, false, false, false, false, true}},
        {"editable that can undo", {false, true, false, 3, 0, 3}, {true, true, true, false, true, false}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(editMenuEnabling(c.state), c.enabled) << c.what;
        // The menu's items carry the same enabling, in their order.
        const auto items = editContextMenuItems(c.state);
        ASSERT_EQ(items.size(), 8u);
        const bool expected[] = {c.enabled.undo,  false,         c.enabled.cut, c.enabled.copy,
                                 c.enabled.paste, c.enabled.del, false,         c.enabled.selectAll};
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (items[i].isSeparator()) continue;
            EXPECT_EQ(items[i].enabled, expected[i]) << c.what << ", " << items[i].caption;
        }
    }
}

TEST(EditContextMenu, ItemsInOrderWithTheirCaptions) {
    struct Case {
        MenuStringLookup strings;
        std::vector<std::string> captions;
    };
    const MenuStringLookup turkish = [](std::string_view name) {
        if (name == "EDIT_UNDO") return std::string("Geri Al");
        if (name == "EDIT_SELECTALL") return std::string("Tümünü Seç");
        return std::string();
    };
    const Case cases[] = {
        {{}, {"Undo", "-", "Cut", "Copy", "Paste", "Delete", "-", "Select All"}},
        {turkish, {"Geri Al", "-", "Cut", "Copy", "Paste", "Delete", "-", "Tümünü Seç"}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> captions;
        std::vector<int> commands;
        for (const auto& item : editContextMenuItems({}, c.strings)) {
            captions.push_back(item.caption);
            if (!item.isSeparator()) commands.push_back(item.command);
        }
        EXPECT_EQ(captions, c.captions);
        EXPECT_EQ(commands, (std::vector<int>{emcUndo, emcCut, emcCopy, emcPaste, emcDelete, emcSelectAll}));
    }
}

}  // namespace
}  // namespace vireltan
