// Turns a design table into live components: one class binding per class name creates the
// component and applies the properties only that class has; the builder does the rest (name,
// parent, bounds, tab order, events) in the table's order while the owner is loading.
#pragma once

#include "app/win/WindowDesign.h"
#include "gui/Font.h"
#include "gui/WinControl.h"

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace vireltan {

// The window's handlers by name, as the design's events refer to them.
struct EventHandlers {
    std::map<std::string, std::function<void()>, std::less<>> notify;
    std::map<std::string, std::function<void(wchar_t&)>, std::less<>> keyPress;
};

struct ClassBinding {
    std::function<TComponent*(TComponent* owner)> create;
    // The properties beyond name, parent, bounds and tab order.
    std::function<void(TComponent&, const ComponentDesign&, HINSTANCE)> apply;
    std::function<void(TComponent&, EventKind, std::function<void()>)> bindNotify;
    std::function<void(TComponent&, std::function<void(wchar_t&)>)> bindKeyPress;
    // Rows with a reference: the referenced component, already built.
    std::function<void(TComponent&, TComponent& referenced)> bindReference;
    // Edits only: the plain background colour.
    std::function<void(TComponent&, TColor)> setDefaultColor;
    // Controls with an edit: the text a typed character leaves standing (the selection removed).
    std::function<std::string(const TComponent&)> textOutsideSelection;
};

using ClassRegistry = std::map<std::string, ClassBinding, std::less<>>;

FontDescription fontFor(FontKind kind);

struct BuildResult {
    // Rows whose class (or parent) is not available: declared, not built.
    std::vector<std::string> skipped;
};

// Builds every row into `owner` (which also parents the rows without a parent). Throws
// std::invalid_argument for a row naming an event handler that does not exist.
BuildResult buildComponents(TWinControl& owner, std::span<const ComponentDesign> design,
                            const ClassRegistry& classes, const EventHandlers& handlers, HINSTANCE instance);

}  // namespace vireltan
