// The calculator window's components as data: every component with its design-time properties,
// in creation order. One builder (WindowBuilder.h) turns the table into live components.
#pragma once

#include "gui/Color.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace vireltan {

// The fonts the controls draw their plain look with.
enum class FontKind : std::uint8_t {
    Inherited,  // the window's own font
    L,          // "MS Sans Serif", character height 11, bold, window text
    R,          // the same in red
    S,          // "MS Sans Serif", character height 15, bold, window text
    E,          // "Arial", cell height 14, regular, black
    C,          // "Arial", cell height 14, regular, window text
};

enum DesignFlag : unsigned {
    dfNone = 0,
    dfReadOnly = 1u << 0,
    dfNoTabStop = 1u << 1,
    dfFixedSize = 1u << 2,  // labels: keep the design width instead of fitting the text
    dfCenter = 1u << 3,     // text centred horizontally (labels) / picture centred (images)
    dfCenterVertical = 1u << 4,
    dfAlignClient = 1u << 5,   // fills its parent's client area
    dfTransparent = 1u << 6,   // pictures: the bottom-left pixel's colour is left out
    dfStretch = 1u << 7,       // pictures: scaled to the control
    dfAutoSize = 1u << 8,      // pictures: the control takes the bitmap's size
    dfEditable = 1u << 9,      // combo boxes: edit style instead of a fixed list
    dfUseSkinSize = 1u << 10,  // combo boxes: height from the skin
    dfShowHint = 1u << 11,     // ShowHint true, ParentShowHint false
    dfNoSkinFont = 1u << 12,   // edits: UseSkinFont false
};

enum class EventKind : std::uint8_t { None, OnChange, OnKeyPress, OnClick, OnTimer };

struct EventDesign {
    EventKind kind = EventKind::None;
    std::string_view handler;  // the window's handler, by name
};

struct ComponentDesign {
    std::string_view name;
    std::string_view className;
    std::string_view parent;  // empty: the window itself; non-visual components have none either
    int left = 0, top = 0, width = 0, height = 0;
    FontKind font = FontKind::Inherited;
    std::string_view text;  // caption or text (UTF-8)
    std::span<const std::string_view> items{};
    int itemIndex = -1;
    int tabOrder = -1;  // -1: as created
    unsigned flags = dfNone;
    std::string_view picture{};  // resource name of the bitmap or PNG shown
    std::string_view hint{};
    TColor defaultColor = clNone;  // edits: the plain background; clNone keeps the control's own
    unsigned interval = 0;         // timers
    EventDesign events[2]{};
    // The component this one refers to by name: a skinned control's skin data, the skin data's stored
    // skin. Bound at once when it exists already, otherwise once every component exists.
    std::string_view reference{};
};

// Every component of the window, parents before their children.
std::span<const ComponentDesign> calculatorWindowDesign();

// Window-level design values.
struct WindowDesign {
    std::string_view name;
    std::string_view caption;
    int clientWidth, clientHeight;
    int outerWidth, outerHeight;  // with the system frame the window keeps until its skinned frame comes
};
const WindowDesign& calculatorWindowProperties();

}  // namespace vireltan
