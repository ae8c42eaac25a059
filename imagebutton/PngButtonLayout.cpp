#include "imagebutton/PngButtonLayout.h"

namespace vireltan {

PngButtonPicture choosePngButtonPicture(const PngButtonFlags& flags, const PngButtonPictures& pictures) {
    if (pngButtonPressed(flags) && !pictures.downEmpty) return PngButtonPicture::down;
    if (flags.mouseOver && !pictures.overEmpty && flags.enabled) return PngButtonPicture::over;
    if (flags.state == TPNGButtonState::disabled && !pictures.disabledEmpty)
        return PngButtonPicture::disabled;
    return PngButtonPicture::normal;
}

PngButtonPositions pngButtonPositions(const PngButtonSizes& sizes, TPNGButtonLayout layout, bool pressed) {
    const int pw = sizes.pictureWidth;
    const int tw = sizes.hasCaption ? sizes.textWidth : 0;
    const int th = sizes.hasCaption ? sizes.textHeight : 0;
    // The caption's gap below or above the picture counts as part of the picture's height.
    const int ph = sizes.pictureHeight + (sizes.hasCaption ? 4 : 0);
    const int shift = pressed ? 2 : 0;
    const int w = sizes.width;
    const int h = sizes.height;

    // C++ division truncates towards zero, which is the rounding the positions are defined with.
    PngButtonPositions p;
    p.pictureLeft = (w - pw) / 2 + shift;
    p.captionLeft = (w - tw) / 2 + shift;
    p.captionTop = (h - th) / 2;
    p.pictureTop = (h - ph) / 2;
    switch (layout) {
        case TPNGButtonLayout::pbsImageAbove:
            p.pictureTop = (h - ph - th) / 2;
            p.captionTop = p.pictureTop + ph;
            break;
        case TPNGButtonLayout::pbsImageBellow:
            p.captionTop = (h - ph - th) / 2;
            p.pictureTop = p.captionTop + th;
            break;
        // Side by side the lefts are worked out again without the shift: a pressed button moves
        // only downwards there.
        case TPNGButtonLayout::pbsImageLeft:
            p.pictureLeft = (w - pw - tw) / 2;
            p.captionLeft = p.pictureLeft + pw + 5;
            break;
        case TPNGButtonLayout::pbsImageRight:
            p.captionLeft = (w - pw - tw) / 2;
            p.pictureLeft = p.captionLeft + tw + 5;
            break;
    }
    p.pictureTop += shift;
    p.captionTop += shift;
    return p;
}

PngButtonFrame pngButtonFrame(TPNGButtonStyle style, const PngButtonFlags& flags) {
    switch (style) {
        case TPNGButtonStyle::pbsFlat:
            if (flags.state == TPNGButtonState::disabled) return PngButtonFrame::none;
            if (pngButtonPressed(flags)) return PngButtonFrame::sunken;
            if (flags.mouseOver || flags.state == TPNGButtonState::down) return PngButtonFrame::raised;
            return PngButtonFrame::none;
        case TPNGButtonStyle::pbsDefault:
            return pngButtonPressed(flags) ? PngButtonFrame::pushButtonPressed : PngButtonFrame::pushButton;
        case TPNGButtonStyle::pbsNoFrame:
            break;
    }
    return PngButtonFrame::none;
}

PngButtonArea pngButtonCaptionArea(int width, int height, PngButtonFrame frame) {
    const int inset = frame == PngButtonFrame::raised || frame == PngButtonFrame::sunken ? 1 : 0;
    return {inset, inset, width - inset, height - inset};
}

}  // namespace vireltan
