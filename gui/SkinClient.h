// What the skinned window frame needs of the skinned controls, without knowing them: the interface a
// skinnable control implements, and the walks the frame runs over its window's controls when the
// skin changes or the skin data object goes away.
#pragma once

#include "gui/WinControl.h"
#include "skin/SkinData.h"

namespace vireltan {

// A control that takes its look from the skin: the frame calls these around a skin change.
class SkinClient {
  public:
    virtual ~SkinClient() = default;
    virtual TbsSkinData* SkinData() const = 0;
    virtual void setSkinData(TbsSkinData* data) = 0;
    virtual void ApplySkin() = 0;
    virtual void ForgetSkin() = 0;
    // The skin data object is going away: a control referring to it lets go.
    virtual void skinDataDestroyed(const TbsSkinData* data) {
        if (SkinData() == data) setSkinData(nullptr);
    }
};

// Runs the controls' side of a skin change message over every control below `root`:
// BSM_BEFORECHANGE forgets, BSM_CHANGE applies; only controls linked to `skin` take part, or all
// skinnable controls when `skin` is null. Other messages do nothing.
void skinChangeToControls(TWinControl& root, unsigned message, const TbsSkinData* skin);
// Clears every reference below `root` to a skin data object that is being destroyed.
void skinDataDestroyedBelow(TWinControl& root, const TbsSkinData* skin);

// For a window without a skinned frame, which would otherwise pass the change on: runs
// skinChangeToControls on the window's controls for every change message the window receives (the
// sender named by the message's first parameter), before the window's own handling.
[[nodiscard]] WindowProcHook relaySkinChangesToControls(TWinControl& window);

}  // namespace vireltan
