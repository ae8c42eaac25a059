// The design builder: rows become components in table order with their common properties, rows
// whose class or parent is missing are reported and left out, and events reach their handlers.
#include "app/win/WindowBuilder.h"
#include "gui/Form.h"
#include "gui/MaskEdit.h"

#include <gtest/gtest.h>

#include <array>
#include <stdexcept>
#include <string>
#include <vector>

namespace vireltan {
namespace {

ClassRegistry testClasses(std::vector<std::string>& applied) {
    ClassRegistry classes;
    ClassBinding panel;
    panel.create = [](TComponent* owner) -> TComponent* { return new TCustomControl(owner); };
    panel.apply = [&applied](TComponent& c, const ComponentDesign&, HINSTANCE) {
        applied.push_back(c.name());
    };
    classes["Panel"] = panel;
    ClassBinding edit;
    edit.create = [](TComponent* owner) -> TComponent* { return new TMaskEdit(owner); };
    edit.apply = [&applied](TComponent& c, const ComponentDesign& row, HINSTANCE) {
        applied.push_back(c.name());
        dynamic_cast<TMaskEdit&>(c).setText(std::string(row.text));
    };
    edit.bindNotify = [](TComponent& c, EventKind kind, std::function<void()> handler) {
        if (kind == EventKind::OnChange) dynamic_cast<TMaskEdit&>(c).OnChange = std::move(handler);
    };
    edit.bindKeyPress = [](TComponent& c, std::function<void(wchar_t&)> handler) {
        dynamic_cast<TWinControl&>(c).OnKeyPress = std::move(handler);
    };
    classes["Edit"] = edit;
    return classes;
}

TEST(WindowBuilder, BuildsInOrderSkipsWhatIsMissingAndWiresEvents) {
    const std::array design{
        ComponentDesign{.name = "box", .className = "Panel", .left = 5, .top = 6, .width = 100, .height = 50},
        ComponentDesign{
            .name = "field",
            .className = "Edit",
            .parent = "box",
            .left = 1,
            .top = 2,
            .width = 30,
            .height = 18,
            .text = "design text",
            .events = {{EventKind::OnChange, "fieldChange"}, {EventKind::OnKeyPress, "fieldKey"}}},
        ComponentDesign{
            .name = "unknown", .className = "NoSuchClass", .left = 1, .top = 1, .width = 1, .height = 1},
        ComponentDesign{.name = "orphan", .className = "Edit", .parent = "unknown", .width = 1, .height = 1},
    };
    std::vector<std::string> applied;
    const ClassRegistry classes = testClasses(applied);
    int changes = 0;
    int keys = 0;
    EventHandlers handlers;
    handlers.notify["fieldChange"] = [&] { ++changes; };
    handlers.keyPress["fieldKey"] = [&](wchar_t& key) {
        ++keys;
        if (key == L'x') key = 0;
    };

    TForm form(nullptr);
    const BuildResult result = buildComponents(form, design, classes, handlers, GetModuleHandleW(nullptr));
    EXPECT_EQ(result.skipped, (std::vector<std::string>{"unknown", "orphan"}));
    EXPECT_EQ(applied, (std::vector<std::string>{"box", "field"}));
    EXPECT_FALSE(form.isLoading());

    auto* box = dynamic_cast<TWinControl*>(form.findComponent("box"));
    auto* field = dynamic_cast<TMaskEdit*>(form.findComponent("field"));
    ASSERT_NE(box, nullptr);
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(box->parent(), &form);
    EXPECT_EQ(field->parent(), box);
    EXPECT_EQ(field->owner(), &form);
    EXPECT_EQ(field->left(), 1);
    EXPECT_EQ(field->top(), 2);
    // The design's own text is no change of the user's: events are wired after it.
    EXPECT_EQ(field->text(), "design text");
    EXPECT_EQ(changes, 0);

    field->setText("");
    EXPECT_EQ(changes, 1);
    SendMessageW(field->handle(), WM_CHAR, L'x', 1);
    SendMessageW(field->handle(), WM_CHAR, L'7', 1);
    EXPECT_EQ(keys, 2);
    EXPECT_EQ(field->text(), "7");
}

TEST(WindowBuilder, UnknownHandlerOrEventIsADesignError) {
    struct Case {
        EventDesign event;
    };
    const Case cases[] = {
        {{EventKind::OnChange, "missingHandler"}},
        {{EventKind::OnKeyPress, "missingKey"}},
    };
    for (const Case& c : cases) {
        const std::array design{ComponentDesign{
            .name = "field", .className = "Edit", .width = 30, .height = 18, .events = {c.event}}};
        std::vector<std::string> applied;
        TForm form(nullptr);
        EXPECT_THROW(
            buildComponents(form, design, testClasses(applied), EventHandlers{}, GetModuleHandleW(nullptr)),
            std::invalid_argument)
            << c.event.handler;
        EXPECT_FALSE(form.isLoading());
    }
    // A class without key-press events cannot be given one.
    const std::array design{ComponentDesign{.name = "box",
                                            .className = "Panel",
                                            .width = 30,
                                            .height = 18,
                                            .events = {{EventKind::OnKeyPress, "key"}}}};
    std::vector<std::string> applied;
    EventHandlers handlers;
    handlers.keyPress["key"] = [](wchar_t&) {};
    TForm form(nullptr);
    EXPECT_THROW(buildComponents(form, design, testClasses(applied), handlers, GetModuleHandleW(nullptr)),
                 std::invalid_argument);
}

}  // namespace
}  // namespace vireltan
