#include "app/win/WindowFields.h"

#include "app/win/Image.h"

#include <utility>

namespace vireltan {

namespace {

const ComponentDesign* designRow(std::string_view name) {
    for (const ComponentDesign& row : calculatorWindowDesign()) {
        if (row.name == name) return &row;
    }
    return nullptr;
}

}  // namespace

WindowFields::WindowFields(TWinControl& window, const ClassRegistry& classes, HINSTANCE instance)
    : instance_(instance) {
    for (int i = 0; i < kCalcFieldCount; ++i) {
        const std::string name(fieldName(static_cast<CalcField>(i)));
        controls_[static_cast<std::size_t>(i)] = dynamic_cast<TControl*>(window.findComponent(name));
        if (const ComponentDesign* row = designRow(name)) {
            const auto binding = classes.find(row->className);
            if (binding != classes.end()) bindings_[static_cast<std::size_t>(i)] = &binding->second;
            for (const EventDesign& event : row->events) {
                if (event.kind == EventKind::OnChange) announcesChange_[static_cast<std::size_t>(i)] = true;
            }
        }
    }
    transferButton_ = dynamic_cast<TControl*>(window.findComponent("PNGButton1"));
    preview_ = dynamic_cast<TImage*>(window.findComponent("Image1"));
}

std::string WindowFields::text(CalcField field) const {
    if (const auto& held = pending_[static_cast<std::size_t>(field)]) return *held;
    TControl* c = control(field);
    return c ? c->text() : std::string();
}

std::string WindowFields::textOutsideSelection(CalcField field) const {
    TControl* c = control(field);
    const ClassBinding* binding = bindings_[static_cast<std::size_t>(field)];
    if (!c || !binding || !binding->textOutsideSelection) return text(field);
    return binding->textOutsideSelection(*c);
}

void WindowFields::setText(CalcField field, const std::string& text) {
    if (deferred(field)) {
        pending_[static_cast<std::size_t>(field)] = text;
        return;
    }
    if (TControl* c = control(field)) c->setText(text);
}

bool WindowFields::deferred(CalcField field) const {
    const auto index = static_cast<std::size_t>(field);
    return batchDepth_ > 0 && controls_[index] && !announcesChange_[index];
}

void WindowFields::commit() {
    for (std::size_t i = 0; i < pending_.size(); ++i) {
        std::optional<std::string> held = std::exchange(pending_[i], std::nullopt);
        // The controls leave a text that is already shown as it is.
        if (held) controls_[i]->setText(*held);
    }
}

void WindowFields::clear(CalcField field) {
    // The edits announce every assignment, the empty one included, so GDakim's change event runs
    // here even when the field was empty already.
    setText(field, std::string());
}

void WindowFields::setDefaultColor(CalcField field, vireltan::Color color) {
    TControl* c = control(field);
    const ClassBinding* binding = bindings_[static_cast<std::size_t>(field)];
    if (!c || !binding || !binding->setDefaultColor) return;
    const TColor value = color.isSystem() ? clWindow : RGB(color.red(), color.green(), color.blue());
    binding->setDefaultColor(*c, value);
}

void WindowFields::setTransferHint(const std::string& hint) {
    if (transferButton_) transferButton_->setHint(hint);
}

void WindowFields::setPreviewPicture(const std::string& resourceName) {
    if (preview_) preview_->loadFromResource(instance_, resourceName);
}

}  // namespace vireltan
