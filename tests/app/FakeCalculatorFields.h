// Fields held as plain strings, standing in for the calculator window's controls. Records every
// change the handlers make, fires the power field's change event the way the window's edit does,
// and models typing into an edit (key filter first, then insertion over the selection).
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/Calculator.h"
#include "app/CalculatorFields.h"

namespace vireltan::fakes {

class FakeCalculatorFields : public CalculatorFields {
  public:
    enum class Kind { Text, Clear, Color, Hint, Picture };
    struct Change {
        Kind kind;
        CalcField field;
        std::string text;  // new text, hint or resource name
        std::optional<vireltan::Color> color;
    };

    // The window's change events; the window calls the handler wired to the control.
    std::function<void(CalcField)> onChange;

    // Test set-up: fills a field without recording it or running events; the caret goes to the end.
    void set(CalcField field, const std::string& text) {
        slot(field).text = text;
        slot(field).selStart = text.size();
        slot(field).selLength = 0;
    }
    void select(CalcField field, std::size_t start, std::size_t length) {
        slot(field).selStart = start;
        slot(field).selLength = length;
    }

    // Types one key as the edit does: the key-press handler may drop it, otherwise it replaces the
    // selection (backspace deletes the selection or the character before the caret).
    void type(CalcField field, char16_t key, const std::function<void(char16_t&)>& keyPress) {
        keyPress(key);
        if (key == 0) return;
        Slot& s = slot(field);
        std::string& t = s.text;
        const std::string before = t;
        if (key == 8) {
            if (s.selLength == 0 && s.selStart > 0) {
                std::size_t start = s.selStart - 1;
                while (start > 0 && (static_cast<unsigned char>(t[start]) & 0xC0) == 0x80) --start;
                s.selLength = s.selStart - start;
                s.selStart = start;
            }
            t.erase(s.selStart, s.selLength);
        } else {
            t.replace(s.selStart, s.selLength, 1, static_cast<char>(key));  // filtered keys are ASCII
            ++s.selStart;
        }
        s.selLength = 0;
        if (t != before) fireChange(field);
    }
    void type(CalcField field, const std::u16string& keys, const std::function<void(char16_t&)>& keyPress) {
        for (char16_t key : keys) type(field, key, keyPress);
    }

    std::string text(CalcField field) const override { return slots_[index(field)].text; }
    std::string textOutsideSelection(CalcField field) const override {
        const Slot& s = slots_[index(field)];
        return std::string(s.text).erase(std::min(s.selStart, s.text.size()), s.selLength);
    }
    void setText(CalcField field, const std::string& text) override {
        changes_.push_back({Kind::Text, field, text, std::nullopt});
        const bool changed = slot(field).text != text;
        set(field, text);
        if (changed) fireChange(field);
    }
    void clear(CalcField field) override {
        changes_.push_back({Kind::Clear, field, "", std::nullopt});
        set(field, "");
        fireChange(field);  // the edit announces an emptying even of an empty text
    }
    void setDefaultColor(CalcField field, vireltan::Color color) override {
        changes_.push_back({Kind::Color, field, "", color});
        slot(field).color = color;
    }
    void setTransferHint(const std::string& hint) override {
        changes_.push_back({Kind::Hint, CalcField::iletkenc, hint, std::nullopt});
        hint_ = hint;
    }
    void setPreviewPicture(const std::string& resourceName) override {
        changes_.push_back({Kind::Picture, CalcField::iletkenc, resourceName, std::nullopt});
        picture_ = resourceName;
    }

    vireltan::Color color(CalcField field) const { return slots_[index(field)].color; }
    const std::string& hint() const { return hint_; }
    const std::string& picture() const { return picture_; }
    const std::vector<Change>& changes() const { return changes_; }
    void forgetChanges() { changes_.clear(); }

  private:
    struct Slot {
        std::string text;
        std::size_t selStart = 0;
        std::size_t selLength = 0;
        vireltan::Color color = vireltan::Color::window();
    };
    static std::size_t index(CalcField field) { return static_cast<std::size_t>(field); }
    Slot& slot(CalcField field) { return slots_[index(field)]; }
    void fireChange(CalcField field) {
        if (onChange) onChange(field);
    }

    std::array<Slot, kCalcFieldCount> slots_{};
    std::string hint_ = "Gerilim Düşümüne Aktar";  // the button's design-time hint
    std::string picture_ = "BAKIR";                // the design-time copper picture
    std::vector<Change> changes_;
};

// A calculator over fake fields, with GDakim's change event wired to its handler as in the window.
struct WiredCalculator {
    FakeCalculatorFields fields;
    Calculator calc{fields};

    WiredCalculator() {
        fields.onChange = [this](CalcField field) {
            if (field == CalcField::GDakim) calc.GDakimChange();
        };
    }
    WiredCalculator(const WiredCalculator&) = delete;
    WiredCalculator& operator=(const WiredCalculator&) = delete;
};

}  // namespace vireltan::fakes
