// The preview's edits, combo boxes, dropped list and scroll bars: one set linked to the skin, one
// without, each below its column's frame and label samples.
#pragma once

#include "gui/WinControl.h"

namespace vireltan {

class TbsPopupListBox;
class TbsSkinData;

// Adds the set to `parent` at column `left`, from `top` down; returns the list, a popup of its own
// that the window places below the set whenever it moves.
TbsPopupListBox* addBoxControls(TWinControl& parent, int left, int top, TbsSkinData* skin);

}  // namespace vireltan
