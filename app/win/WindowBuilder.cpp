#include "app/win/WindowBuilder.h"

#include "controls/SkinControl.h"

#include <stdexcept>
#include <vector>

namespace vireltan {

FontDescription fontFor(FontKind kind) {
    switch (kind) {
        case FontKind::L:
            return {"MS Sans Serif", -11, fsBold, clWindowText};
        case FontKind::R:
            return {"MS Sans Serif", -11, fsBold, clRed};
        case FontKind::S:
            return {"MS Sans Serif", -15, fsBold, clWindowText};
        case FontKind::E:
            return {"Arial", 14, 0, clBlack};
        case FontKind::C:
            return {"Arial", 14, 0, clWindowText};
        case FontKind::Inherited:
            break;
    }
    return {"Tahoma", -11, 0, clWindowText};
}

namespace {

template <typename Map>
auto findHandler(const Map& map, std::string_view name) {
    const auto found = map.find(name);
    if (found == map.end()) throw std::invalid_argument("no handler " + std::string(name));
    return found->second;
}

void bindEvents(TComponent& component, const ComponentDesign& row, const ClassBinding& binding,
                const EventHandlers& handlers) {
    for (const EventDesign& event : row.events) {
        if (event.kind == EventKind::None) continue;
        const bool keyPress = event.kind == EventKind::OnKeyPress;
        if (keyPress ? !binding.bindKeyPress : !binding.bindNotify)
            throw std::invalid_argument(std::string(row.className) + " has no such event for " +
                                        std::string(row.name));
        if (keyPress) {
            binding.bindKeyPress(component, findHandler(handlers.keyPress, event.handler));
        } else {
            binding.bindNotify(component, event.kind, findHandler(handlers.notify, event.handler));
        }
    }
}

void bindReference(TComponent& component, TComponent& referenced, const ComponentDesign& row,
                   const ClassBinding& binding) {
    if (!binding.bindReference)
        throw std::invalid_argument(std::string(row.className) + " refers to nothing, for " +
                                    std::string(row.name));
    binding.bindReference(component, referenced);
}

}  // namespace

BuildResult buildComponents(TWinControl& owner, std::span<const ComponentDesign> design,
                            const ClassRegistry& classes, const EventHandlers& handlers, HINSTANCE instance) {
    BuildResult result;
    owner.beginLoading();
    struct EndLoading {
        TWinControl& owner;
        ~EndLoading() { owner.endLoading(); }
    } endLoading{owner};

    // References to components further down the table, bound once every component exists.
    struct Pending {
        TComponent* component;
        const ComponentDesign* row;
        const ClassBinding* binding;
    };
    std::vector<Pending> pending;

    for (const ComponentDesign& row : design) {
        const auto binding = classes.find(row.className);
        TWinControl* parent = &owner;
        if (!row.parent.empty())
            parent = dynamic_cast<TWinControl*>(owner.findComponent(std::string(row.parent)));
        if (binding == classes.end() || !parent) {
            result.skipped.emplace_back(row.name);
            continue;
        }
        TComponent* component = binding->second.create(&owner);
        component->setName(std::string(row.name));
        if (auto* control = dynamic_cast<TControl*>(component)) {
            control->setBounds(row.left, row.top, row.width, row.height);
            control->setParent(parent);
            if (row.tabOrder >= 0) {
                if (auto* windowed = dynamic_cast<TWinControl*>(control)) windowed->setTabOrder(row.tabOrder);
            }
        }
        binding->second.apply(*component, row, instance);
        if (row.flags & dfAlignClient) {
            if (auto* box = dynamic_cast<TbsSkinControl*>(parent))
                box->setChildAlign(dynamic_cast<TControl&>(*component), TAlign::alClient);
        }
        if (!row.reference.empty()) {
            if (TComponent* referenced = owner.findComponent(std::string(row.reference))) {
                bindReference(*component, *referenced, row, binding->second);
            } else {
                pending.push_back({component, &row, &binding->second});
            }
        }
        // Events last: the design's own texts are no user's changes.
        bindEvents(*component, row, binding->second, handlers);
    }
    for (const Pending& p : pending) {
        // A reference to a component that was never built stays unset, like the component.
        if (TComponent* referenced = owner.findComponent(std::string(p.row->reference)))
            bindReference(*p.component, *referenced, *p.row, *p.binding);
    }
    return result;
}

}  // namespace vireltan
