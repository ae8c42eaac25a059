// The small pieces the plain looks of the combo box and the scroll bar share: a framed button face
// in three states and the 4-row arrow triangle.
#pragma once

#include "gui/Canvas.h"
#include "gui/Color.h"

namespace vireltan {

// The navy look of hot and pressed parts.
constexpr TColor kPlainHotFrame = 8388608;
constexpr TColor kPlainHotFill = 13811126;
constexpr TColor kPlainPressedFill = 11899781;

enum class PlainPartState { normal, hot, pressed };

// A 1-pixel frame and the fill inside it.
void drawPlainPart(TCanvas& canvas, const RECT& rect, PlainPartState state);

enum class ArrowDirection { up, down, left, right };

// Top-left corner of the 7 x 4 (or 4 x 7) triangle centred in `rect`.
POINT arrowOrigin(const RECT& rect, ArrowDirection direction);
// Rows (or columns) 7, 5, 3 and 1 pixels long, the point towards `direction`.
void drawArrow(TCanvas& canvas, const RECT& rect, ArrowDirection direction, TColor color);

}  // namespace vireltan
