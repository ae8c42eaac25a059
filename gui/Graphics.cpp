#include "gui/Graphics.h"

namespace vireltan {

void TBrush::setColor(TColor color) {
    if (color == color_) return;
    color_ = color;
    changed();
}

void TBrush::setStyle(TBrushStyle style) {
    if (style == style_) return;
    style_ = style;
    changed();
}

HBRUSH TBrush::handle() const {
    if (!handle_) {
        handle_.reset(style_ == TBrushStyle::bsClear ? static_cast<HBRUSH>(nullptr)
                                                     : CreateSolidBrush(colorToRgb(color_)));
    }
    return style_ == TBrushStyle::bsClear ? static_cast<HBRUSH>(GetStockObject(NULL_BRUSH)) : handle_.get();
}

void TBrush::changed() {
    BrushHandle old = std::move(handle_);  // deleted after the listeners deselected it
    if (OnChange) OnChange();
}

void TPen::setColor(TColor color) {
    if (color == color_) return;
    color_ = color;
    changed();
}

void TPen::setWidth(int width) {
    if (width == width_) return;
    width_ = width;
    changed();
}

void TPen::setStyle(TPenStyle style) {
    if (style == style_) return;
    style_ = style;
    changed();
}

HPEN TPen::handle() const {
    if (!handle_) {
        int style = PS_SOLID;
        switch (style_) {
            case TPenStyle::psSolid:
                style = PS_SOLID;
                break;
            case TPenStyle::psDash:
                style = PS_DASH;
                break;
            case TPenStyle::psDot:
                style = PS_DOT;
                break;
            case TPenStyle::psClear:
                style = PS_NULL;
                break;
        }
        handle_.reset(CreatePen(style, width_, colorToRgb(color_)));
    }
    return handle_.get();
}

void TPen::changed() {
    PenHandle old = std::move(handle_);
    if (OnChange) OnChange();
}

}  // namespace vireltan
