#include "gui/SkinClient.h"

#include "gui/WinControl.h"

namespace vireltan {

void skinChangeToControls(TWinControl& root, unsigned message, const TbsSkinData* skin) {
    if (message != BSM_BEFORECHANGE && message != BSM_CHANGE) return;
    forEachControl(root, [&](TControl& control) {
        auto* client = dynamic_cast<SkinClient*>(&control);
        if (!client) return;
        if (skin && client->SkinData() != skin) return;
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

WindowProcHook relaySkinChangesToControls(TWinControl& window) {
    return window.installWindowProcHook([&window](TMessage& message, const WindowProcNext& next) {
        if (message.msg == BSM_BEFORECHANGE || message.msg == BSM_CHANGE) {
            skinChangeToControls(window, message.msg, reinterpret_cast<const TbsSkinData*>(message.wParam));
        }
        next(message);
    });
}

}  // namespace vireltan
