#include "controls/PlainParts.h"

namespace vireltan {

void drawPlainPart(TCanvas& canvas, const RECT& rect, PlainPartState state) {
    TColor frame = clBtnShadow;
    TColor fill = clBtnFace;
    if (state == PlainPartState::hot) {
        frame = kPlainHotFrame;
        fill = kPlainHotFill;
    } else if (state == PlainPartState::pressed) {
        frame = kPlainHotFrame;
        fill = kPlainPressedFill;
    }
    canvas.brush().setStyle(TBrushStyle::bsSolid);
    canvas.brush().setColor(fill);
    canvas.fillRect(rect);
    canvas.brush().setColor(frame);
    canvas.frameRect(rect);
}

POINT arrowOrigin(const RECT& rect, ArrowDirection direction) {
    const bool vertical = direction == ArrowDirection::up || direction == ArrowDirection::down;
    const int arrowWidth = vertical ? 7 : 4;
    const int arrowHeight = vertical ? 4 : 7;
    return {rect.left + (rect.right - rect.left - arrowWidth) / 2,
            rect.top + (rect.bottom - rect.top - arrowHeight) / 2};
}

void drawArrow(TCanvas& canvas, const RECT& rect, ArrowDirection direction, TColor color) {
    const POINT origin = arrowOrigin(rect, direction);
    canvas.brush().setStyle(TBrushStyle::bsSolid);
    canvas.brush().setColor(color);
    for (int row = 0; row < 4; ++row) {
        // Row 0 is the wide base; the point is the last row.
        const int length = 7 - 2 * row;
        RECT line{};
        switch (direction) {
            case ArrowDirection::down:
                line = {origin.x + row, origin.y + row, origin.x + row + length, origin.y + row + 1};
                break;
            case ArrowDirection::up:
                line = {origin.x + row, origin.y + 3 - row, origin.x + row + length, origin.y + 4 - row};
                break;
            case ArrowDirection::right:
                line = {origin.x + row, origin.y + row, origin.x + row + 1, origin.y + row + length};
                break;
            case ArrowDirection::left:
                line = {origin.x + 3 - row, origin.y + row, origin.x + 4 - row, origin.y + row + length};
                break;
        }
        canvas.fillRect(line);
    }
}

}  // namespace vireltan
