// The edit's context menu: its items, enabled for the edit's state at the moment it opens.
#pragma once

#include <vector>

#include "skin/MenuItems.h"

namespace vireltan {

// The edit's context menu.
struct EditMenuState {
    bool readOnly = false;
    bool canUndo = false;
    bool clipboardHasText = false;
    int textLength = 0;  // in the edit's characters
    int selStart = 0;
    int selLength = 0;
};

enum EditMenuCommand : int {
    emcUndo = 0x5200,
    emcCut,
    emcCopy,
    emcPaste,
    emcDelete,
    emcSelectAll,
};

struct EditMenuEnabling {
    bool undo = false, cut = false, copy = false, paste = false, del = false, selectAll = false;
    friend bool operator==(const EditMenuEnabling&, const EditMenuEnabling&) = default;
};

// Undo when the edit can undo and may be changed; Cut and Delete with a selection on an editable edit;
// Copy with a selection; Paste with text on the clipboard on an editable edit; Select All unless the
// whole text is selected already.
EditMenuEnabling editMenuEnabling(const EditMenuState& state);

// Undo, separator, Cut, Copy, Paste, Delete, separator, Select All, enabled as above. Captions from
// the skin's EDIT_* strings, else "Undo", "Cut", "Copy", "Paste", "Delete", "Select All".
std::vector<MenuItemData> editContextMenuItems(const EditMenuState& state,
                                               const MenuStringLookup& strings = {});

}  // namespace vireltan
