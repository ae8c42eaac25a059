// TPNGButton: a windowless button drawn from PNG pictures with per-pixel transparency (normal,
// pressed, pointer over, and a dimmed picture made for the disabled state), with an optional
// caption beside the picture and one of three frame styles.
#pragma once

#include "gui/Control.h"
#include "imagebutton/PngButtonLayout.h"
#include "imagebutton/PngPicture.h"

#include <string>

namespace vireltan {

class TPNGButton : public TGraphicControl {
  public:
    explicit TPNGButton(TComponent* owner);

    TPNGButtonStyle buttonStyle() const { return buttonStyle_; }
    void setButtonStyle(TPNGButtonStyle style);
    TPNGButtonLayout buttonLayout() const { return buttonLayout_; }
    void setButtonLayout(TPNGButtonLayout layout);
    std::string caption() const { return text(); }
    void setCaption(const std::string& caption) { setText(caption); }

    // The setters copy the picture; the normal one also rebuilds the disabled picture.
    const PngPicture& imageNormal() const { return imageNormal_; }
    void setImageNormal(const PngPicture& picture);
    const PngPicture& imageDown() const { return imageDown_; }
    void setImageDown(const PngPicture& picture);
    const PngPicture& imageOver() const { return imageOver_; }
    void setImageOver(const PngPicture& picture);
    const PngPicture& disabledImage() const { return disabledImage_; }

    // A window design loads the pictures straight into the button, bypassing the setters: the
    // disabled picture then waits until the normal one is set or the button is disabled.
    bool loadImageNormal(std::span<const std::uint8_t> png) { return imageNormal_.loadFromMemory(png); }
    bool loadImageDown(std::span<const std::uint8_t> png) { return imageDown_.loadFromMemory(png); }
    bool loadImageOver(std::span<const std::uint8_t> png) { return imageOver_.loadFromMemory(png); }

    TPNGButtonState buttonState() const { return state_; }
    bool mouseOver() const { return mouseOver_; }

    void setEnabled(bool enabled) override;

    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void Click() override;

    // OnMouseEnter (inherited) and OnMouseExit fire only while the button is enabled.
    TNotifyEvent OnMouseExit;

  protected:
    void Paint() override;

  private:
    void setState(TPNGButtonState state);
    void changed();
    void rebuildDisabledImage();
    PngButtonFlags flags() const { return {state_, mouseOver_, enabled()}; }
    const PngPicture& picture(PngButtonPicture which) const;
    void drawFrame(PngButtonFrame frame);

    TPNGButtonStyle buttonStyle_ = TPNGButtonStyle::pbsDefault;
    bool mouseOver_ = false;
    TPNGButtonLayout buttonLayout_ = TPNGButtonLayout::pbsImageAbove;
    TPNGButtonState state_ = TPNGButtonState::up;
    PngPicture imageDown_;
    PngPicture imageNormal_;
    PngPicture disabledImage_;
    PngPicture imageOver_;
};

}  // namespace vireltan
