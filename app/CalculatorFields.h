// What the calculator's handlers need of the window: the texts of its fields, the power field's
// background colour, the transfer button's hint and the preview picture. The window implements it
// with its real controls; the tests implement it with plain strings.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vireltan {

// The window's fields, named after their controls so that a handler reads like the window it drives.
enum class CalcField : std::uint8_t {
    Iozdirenc,  // resistivity edit
    Iuzun,      // length edit
    IKesit,     // cross-section combo box (editable)
    GEdit,      // resistance results, gigaohm ...
    MEdit,
    KEdit,
    OEdit,
    PEdit,  // ... picoohm, nanoohm, microohm, milliohm
    Nedit,
    MiEdit,
    MeEdit,
    kesiti,    // voltage drop: cross-section combo box (editable)
    GDuzun,    // voltage drop: length edit
    GDakim,    // voltage drop: power edit
    faztip,    // phase combo box (fixed list)
    sonucu,    // voltage drop result label
    label1,    // verdict label
    iletkenc,  // material combo box (fixed list)
};
inline constexpr int kCalcFieldCount = static_cast<int>(CalcField::iletkenc) + 1;

// The control's own name, for diagnostics and for mapping the enum onto the window's controls.
std::string_view fieldName(CalcField field);

// A control's background colour: either a system colour, kept symbolic so that the window resolves
// it against the current system palette when it paints, or a fixed RGB value.
class Color {
  public:
    enum class System : std::uint8_t { Window };  // clWindow: the background of windows and edits

    static constexpr Color system(System which) { return Color(true, which, 0, 0, 0); }
    static constexpr Color rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
        return Color(false, System::Window, red, green, blue);
    }
    static constexpr Color window() { return system(System::Window); }
    static constexpr Color yellow() { return rgb(255, 255, 0); }

    constexpr bool isSystem() const { return isSystem_; }
    constexpr System systemColor() const { return system_; }  // meaningful when isSystem()
    constexpr std::uint8_t red() const { return red_; }       // the three: meaningful when !isSystem()
    constexpr std::uint8_t green() const { return green_; }
    constexpr std::uint8_t blue() const { return blue_; }

    friend constexpr bool operator==(const Color&, const Color&) = default;

  private:
    constexpr Color(bool isSystem, System which, std::uint8_t red, std::uint8_t green, std::uint8_t blue)
        : isSystem_(isSystem), system_(which), red_(red), green_(green), blue_(blue) {}

    bool isSystem_;
    System system_;
    std::uint8_t red_;
    std::uint8_t green_;
    std::uint8_t blue_;
};

// Texts are UTF-8 throughout; the window converts to and from its controls' UTF-16.
class CalculatorFields {
  public:
    virtual ~CalculatorFields() = default;

    // The field's current text, read from the control every time (the handlers keep no copies).
    virtual std::string text(CalcField field) const = 0;

    // The text that stays when a character typed into the field replaces its selection: the text
    // without the selected part (the whole text when nothing is selected).
    virtual std::string textOutsideSelection(CalcField field) const = 0;

    // Replaces the field's text. Change events follow the control's own rules; the handlers never
    // set the text of a field whose change event they rely on.
    virtual void setText(CalcField field, const std::string& text) = 0;

    // Empties the field. Emptying `GDakim` always runs its change event (`GDakimChange`), before
    // this returns, even when the field was empty already: the transfer button depends on that order.
    virtual void clear(CalcField field) = 0;

    // The plain background colour (`DefaultColor`) of an edit; only `GDakim` is ever coloured.
    virtual void setDefaultColor(CalcField field, Color color) = 0;

    // The hint of the transfer button `PNGButton1`.
    virtual void setTransferHint(const std::string& hint) = 0;

    // Replaces the preview picture `Image1` by the bitmap resource of that name (UTF-8, e.g. "GÜMÜS").
    // A resource that cannot be found leaves the picture empty; that is not an error.
    virtual void setPreviewPicture(const std::string& resourceName) = 0;

  protected:
    CalculatorFields() = default;
    CalculatorFields(const CalculatorFields&) = default;
    CalculatorFields& operator=(const CalculatorFields&) = default;
};

}  // namespace vireltan
