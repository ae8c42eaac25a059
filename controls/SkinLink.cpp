#include "controls/SkinLink.h"

#include "gui/WinControl.h"

namespace vireltan {

void skinChangeToControls(TWinControl& root, unsigned message, const TbsSkinData* skin) {
    if (message != BSM_BEFORECHANGE && message != BSM_CHANGE) return;
    forEachControl(root, [&](TControl& control) {
        auto* client = dynamic_cast<SkinClient*>(&control);
        if (!client) return;
        if (skin ? client->SkinData() != skin : false) return;
        if (message == BSM_BEFORECHANGE) {
            client->ForgetSkin();
        } else {
            client->ApplySkin();
        }
    });
}

void skinDataDestroyedBelow(TWinControl& root, const TbsSkinData* skin) {
    forEachControl(root, [&](TControl& control) {
        if (auto* client = dynamic_cast<SkinClient*>(&control)) client->skinDataDestroyed(skin);
    });
}

}  // namespace vireltan
