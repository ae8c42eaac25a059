// The calculator window: its components come from the design table, its handlers from the portable
// Calculator, wired through WindowFields.
#pragma once

#include "app/Calculator.h"
#include "app/win/WindowBuilder.h"
#include "app/win/WindowFields.h"
#include "gui/Form.h"
#include "gui/Timer.h"

#include <memory>
#include <string>
#include <vector>

namespace vireltan {

// The fixed credit line shown under the resistance results.
inline constexpr const char* kCreditLine = "Hazırlayan: Vireltan Yazılım";
inline constexpr const char* kWindowCaption = "   Vireltan - 12/2009";

class TiletkenRhesap : public TForm {
  public:
    // Builds every component and runs FormCreate; the window is not shown yet.
    TiletkenRhesap(TComponent* owner, HINSTANCE instance);
    ~TiletkenRhesap() override;

    void FormCreate();
    void FormShow();

    Calculator& calculator() { return *calculator_; }
    WindowFields& fields() { return *fields_; }
    // The design rows that could not be built (their class is not available).
    const std::vector<std::string>& skippedComponents() const { return skipped_; }

    template <typename T>
    T* component(const std::string& name) const {
        return dynamic_cast<T*>(findComponent(name));
    }

    TTimer* Timer1 = nullptr;
    TTimer* Timer2 = nullptr;
    TTimer* Timer3 = nullptr;

  protected:
    void handleCreated() override;

  private:
    EventHandlers handlers();

    HINSTANCE instance_;
    ClassRegistry classes_;
    std::unique_ptr<WindowFields> fields_;
    std::unique_ptr<Calculator> calculator_;
    std::vector<std::string> skipped_;
};

}  // namespace vireltan
