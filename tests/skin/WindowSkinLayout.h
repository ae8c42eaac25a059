// The window's stored skin lists its definitions in this order, each with its kind word. Shared by the
// skin tests (as the expected order) and the load benchmark (to build a skin of the same shape).
#pragma once

#include <utility>

namespace vireltan::skinfixtures {

using NameAndKind = std::pair<const char*, const char*>;

inline constexpr NameAndKind kWindowSkinObjects[] = {
    {"menuitem", "menuitem"},
    {"caption", "caption"},
    {"closebutton", "stdbutton"},
    {"mainmenubaritem", "mainmenubaritem"},
    {"sysmenubutton", "stdbutton"},
    {"menubarsysmenubutton", "mainmenubarbutton"},
    {"menubarclosebutton", "mainmenubarbutton"},
    {"menubarmaxbutton", "mainmenubarbutton"},
    {"menubarminbutton", "mainmenubarbutton"},
    {"minanimate", "animate"},
    {"maxanimate", "animate"},
};

inline constexpr NameAndKind kWindowSkinControls[] = {
    {"button", "button"},
    {"toolpanel", "panel"},
    {"toolbutton", "button"},
    {"checkbox", "checkradio"},
    {"gauge", "gauge"},
    {"vgauge", "gauge"},
    {"radiobox", "checkradio"},
    {"panel", "panel"},
    {"label", "label"},
    {"trackbar", "trackbar"},
    {"htrackbar", "trackbar"},
    {"grid", "grid"},
    {"tab", "tab"},
    {"edit", "edit"},
    {"memo", "memo"},
    {"hscrollbar", "scrollbar"},
    {"vscrollbar", "scrollbar"},
    {"listbox", "listbox"},
    {"combobox", "combobox"},
    {"checklistbox", "checklistbox"},
    {"spinedit", "spinedit"},
    {"groupbox", "panel"},
    {"stdlabel", "stdlabel"},
    {"statuspanel", "label"},
    {"statusbar", "panel"},
    {"buttonedit", "edit"},
    {"vupdown", "updown"},
    {"hupdown", "updown"},
    {"captionlistbox", "listbox"},
    {"captionchecklistbox", "checklistbox"},
    {"captioncombobox", "combobox"},
    {"controlbar", "controlbar"},
    {"mainmenubar", "mainmenubar"},
    {"vsplitter", "splitter"},
    {"hsplitter", "splitter"},
    {"resizebutton", "button"},
    {"bothhscrollbar", "scrollbar"},
    {"bigtoolpanel", "panel"},
    {"bigtoolbutton", "button"},
    {"toolmenubutton", "menubutton"},
    {"toolmenutrackbutton", "menubutton"},
    {"bigtoolmenubutton", "menubutton"},
    {"bigtoolmenutrackbutton", "menubutton"},
    {"scrollbox", "scrollbox"},
    {"treeview", "treeview"},
    {"listview", "listview"},
    {"statusgauge", "gauge"},
    {"richedit", "richedit"},
    {"expanel", "expanel"},
    {"slider", "slider"},
    {"bevel", "bevel"},
    {"statusedit", "edit"},
    {"statusbuttonedit", "edit"},
    {"statusspinedit", "spinedit"},
    {"statuscombobox", "combobox"},
    {"resizetoolbutton", "button"},
    {"resizetoolpanel", "panel"},
    {"combobutton", "button"},
    {"htracktoolbutton", "button"},
    {"vtracktoolbutton", "button"},
    {"menuitembutton", "button"},
};

}  // namespace vireltan::skinfixtures
