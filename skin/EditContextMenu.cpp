#include "skin/EditContextMenu.h"

namespace vireltan {

EditMenuEnabling editMenuEnabling(const EditMenuState& s) {
    const bool selection = s.selLength > 0;
    const bool editable = !s.readOnly;
    EditMenuEnabling e;
    // A read-only edit ignores undo; offering it would promise a change that never comes.
    e.undo = s.canUndo && editable;
    e.cut = selection && editable;
    e.del = selection && editable;
    e.copy = selection;
    e.paste = s.clipboardHasText && editable;
    e.selectAll = !(s.selStart == 0 && s.selLength == s.textLength);
    return e;
}

std::vector<MenuItemData> editContextMenuItems(const EditMenuState& state, const MenuStringLookup& strings) {
    const EditMenuEnabling e = editMenuEnabling(state);
    const auto item = [&strings](std::string_view tableName, std::string_view caption, int command,
                                 bool enabled) {
        MenuItemData it;
        it.caption = menuCaption(strings, tableName, caption);
        it.command = command;
        it.enabled = enabled;
        return it;
    };
    MenuItemData separator;
    separator.caption = "-";
    return {item("EDIT_UNDO", "Undo", emcUndo, e.undo),
            separator,
            item("EDIT_CUT", "Cut", emcCut, e.cut),
            item("EDIT_COPY", "Copy", emcCopy, e.copy),
            item("EDIT_PASTE", "Paste", emcPaste, e.paste),
            item("EDIT_DELETE", "Delete", emcDelete, e.del),
            separator,
            item("EDIT_SELECTALL", "Select All", emcSelectAll, e.selectAll)};
}

}  // namespace vireltan
