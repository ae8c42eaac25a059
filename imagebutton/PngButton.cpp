#include "imagebutton/PngButton.h"

#include "gui/Handles.h"
#include "imagebutton/PngDraw.h"

namespace vireltan {
namespace {

// A one-pixel 3-D frame just inside `rect`: `topLeft` along the top and left edges, `bottomRight`
// along the bottom and right ones.
void frame3d(HDC dc, const RECT& rect, TColor topLeft, TColor bottomRight) {
    BrushHandle light(CreateSolidBrush(colorToRgb(topLeft)));
    BrushHandle dark(CreateSolidBrush(colorToRgb(bottomRight)));
    const RECT top{rect.left, rect.top, rect.right - 1, rect.top + 1};
    const RECT left{rect.left, rect.top, rect.left + 1, rect.bottom - 1};
    const RECT bottom{rect.left, rect.bottom - 1, rect.right, rect.bottom};
    const RECT right{rect.right - 1, rect.top, rect.right, rect.bottom};
    FillRect(dc, &top, light.get());
    FillRect(dc, &left, light.get());
    FillRect(dc, &bottom, dark.get());
    FillRect(dc, &right, dark.get());
}

}  // namespace

TPNGButton::TPNGButton(TComponent* owner) : TGraphicControl(owner) {
    // No capture style to add: the parent keeps the mouse for a graphic child between press and
    // release.
    setBounds(left(), top(), 23, 23);
}

void TPNGButton::changed() {
    repaint();
}

void TPNGButton::setButtonStyle(TPNGButtonStyle style) {
    buttonStyle_ = style;
    changed();
}

void TPNGButton::setButtonLayout(TPNGButtonLayout layout) {
    buttonLayout_ = layout;
    changed();
}

void TPNGButton::setImageNormal(const PngPicture& picture) {
    imageNormal_ = picture;
    rebuildDisabledImage();
    changed();
}

void TPNGButton::setImageDown(const PngPicture& picture) {
    imageDown_ = picture;
    changed();
}

void TPNGButton::setImageOver(const PngPicture& picture) {
    imageOver_ = picture;
    changed();
}

void TPNGButton::rebuildDisabledImage() {
    disabledImage_ = disabledPicture(imageNormal_);
}

void TPNGButton::setState(TPNGButtonState state) {
    state_ = state;
    changed();
}

void TPNGButton::setEnabled(bool enabled) {
    if (enabled == this->enabled()) return;
    TGraphicControl::setEnabled(enabled);
    if (!enabled) rebuildDisabledImage();
    setState(enabled ? TPNGButtonState::up : TPNGButtonState::disabled);
}

void TPNGButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (state_ == TPNGButtonState::up && button == TMouseButton::mbLeft) setState(TPNGButtonState::down);
    TGraphicControl::MouseDown(button, shift, x, y);
}

void TPNGButton::MouseMove(TShiftState shift, int x, int y) {
    const bool inside = x >= 0 && y >= 0 && x < width() && y < height();
    if (inside && !mouseOver_ && state_ != TPNGButtonState::down) {
        mouseOver_ = true;
        changed();
    }
    TGraphicControl::MouseMove(shift, x, y);
}

// A release over the button clicks first and reports the release after, so the click handler
// already sees the button up.
void TPNGButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    const bool inside = x >= 0 && y >= 0 && x < width() && y < height();
    const bool click = button == TMouseButton::mbLeft && mouseInClient_ && inside;
    if (button == TMouseButton::mbLeft) mouseInClient_ = false;
    if (click) Click();
    if (state_ == TPNGButtonState::down) setState(TPNGButtonState::up);
    if (OnMouseUp) OnMouseUp(button, shift, x, y);
}

void TPNGButton::Click() {
    if (state_ == TPNGButtonState::down) setState(TPNGButtonState::up);
    TGraphicControl::Click();
}

void TPNGButton::MouseEnter() {
    if (!enabled()) return;
    if (OnMouseEnter) OnMouseEnter();
    mouseOver_ = true;
    changed();
}

void TPNGButton::MouseLeave() {
    if (!enabled()) return;
    if (OnMouseExit) OnMouseExit();
    mouseOver_ = false;
    changed();
}

const PngPicture& TPNGButton::picture(PngButtonPicture which) const {
    switch (which) {
        case PngButtonPicture::down:
            return imageDown_;
        case PngButtonPicture::over:
            return imageOver_;
        case PngButtonPicture::disabled:
            return disabledImage_;
        case PngButtonPicture::normal:
            break;
    }
    return imageNormal_;
}

void TPNGButton::drawFrame(PngButtonFrame frame) {
    HDC dc = canvas().handle();
    RECT area{0, 0, width(), height()};
    switch (frame) {
        case PngButtonFrame::sunken:
            frame3d(dc, area, clBtnShadow, clBtnHighlight);
            break;
        case PngButtonFrame::raised:
            frame3d(dc, area, clBtnHighlight, clBtnShadow);
            break;
        case PngButtonFrame::pushButton:
        case PngButtonFrame::pushButtonPressed: {
            UINT face = DFCS_BUTTONPUSH;
            if (frame == PngButtonFrame::pushButtonPressed) face |= DFCS_PUSHED;
            DrawFrameControl(dc, &area, DFC_BUTTON, face);
            break;
        }
        case PngButtonFrame::none:
            break;
    }
}

void TPNGButton::Paint() {
    TCanvas& surface = canvas();  // already carries our font
    const PngButtonFlags state = flags();
    const bool pressed = pngButtonPressed(state);
    const PngPicture& shown = picture(
        choosePngButtonPicture(state, {imageDown_.empty(), imageOver_.empty(), disabledImage_.empty()}));

    const std::string text = caption();
    PngButtonSizes sizes{width(), height(), shown.width(), shown.height(), 0, 0, !text.empty()};
    if (sizes.hasCaption) {
        const SIZE extent = surface.textExtent(text);
        sizes.textWidth = extent.cx;
        sizes.textHeight = extent.cy;
    }
    const PngButtonPositions at = pngButtonPositions(sizes, buttonLayout_, pressed);

    const PngButtonFrame frame = pngButtonFrame(buttonStyle_, state);
    drawFrame(frame);

    surface.brush().setStyle(TBrushStyle::bsClear);
    drawPng(surface.handle(), at.pictureLeft, at.pictureTop, shown);

    if (!sizes.hasCaption) return;
    if (state_ == TPNGButtonState::disabled) surface.font().setColor(clGrayText);
    const PngButtonArea area = pngButtonCaptionArea(width(), height(), frame);
    surface.textRect({area.left, area.top, area.right, area.bottom}, at.captionLeft, at.captionTop, text);
}

}  // namespace vireltan
