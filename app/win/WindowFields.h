// The calculator's fields over the window's real controls: each field is the control of the same
// name; texts cross between the handlers' UTF-8 and the controls unchanged.
#pragma once

#include "app/CalculatorFields.h"
#include "app/win/WindowBuilder.h"

#include <array>

namespace vireltan {

class TImage;

class WindowFields : public CalculatorFields {
  public:
    // Finds the controls among `window`'s components; a field whose control was not built reads
    // empty and ignores writes.
    WindowFields(TWinControl& window, const ClassRegistry& classes, HINSTANCE instance);

    std::string text(CalcField field) const override;
    std::string textOutsideSelection(CalcField field) const override;
    void setText(CalcField field, const std::string& text) override;
    void clear(CalcField field) override;
    void setDefaultColor(CalcField field, vireltan::Color color) override;
    void setTransferHint(const std::string& hint) override;
    void setPreviewPicture(const std::string& resourceName) override;

    TControl* control(CalcField field) const { return controls_[static_cast<std::size_t>(field)]; }

  private:
    std::array<TControl*, kCalcFieldCount> controls_{};
    std::array<const ClassBinding*, kCalcFieldCount> bindings_{};
    TControl* transferButton_ = nullptr;
    TImage* preview_ = nullptr;
    HINSTANCE instance_;
};

}  // namespace vireltan
