// The calculator's fields over the window's real controls: each field is the control of the same
// name; texts cross between the handlers' UTF-8 and the controls unchanged.
#pragma once

#include "app/CalculatorFields.h"
#include "app/win/WindowBuilder.h"

#include <array>
#include <optional>
#include <string>

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

    // While a batch is open, texts written to fields without a change event are held back and read
    // from here; closing the batch hands each field its last text once. A tick that writes an
    // intermediate text and replaces it again, or rewrites what a field shows, so costs the
    // control nothing. Fields with a change event are written at once: their event runs in step.
    class Batch {
      public:
        explicit Batch(WindowFields& fields) : fields_(fields) { ++fields_.batchDepth_; }
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;
        // Also when the handler fails: what it wrote before the failing step stays written.
        ~Batch() {
            if (--fields_.batchDepth_ == 0) fields_.commit();
        }

      private:
        WindowFields& fields_;
    };

  private:
    void commit();
    bool deferred(CalcField field) const;

    std::array<TControl*, kCalcFieldCount> controls_{};
    std::array<bool, kCalcFieldCount> announcesChange_{};
    std::array<std::optional<std::string>, kCalcFieldCount> pending_{};
    int batchDepth_ = 0;
    std::array<const ClassBinding*, kCalcFieldCount> bindings_{};
    TControl* transferButton_ = nullptr;
    TImage* preview_ = nullptr;
    HINSTANCE instance_;
};

}  // namespace vireltan
