#include "gui/SkinMessages.h"

#include "gui/Application.h"

namespace vireltan {

void broadcastSkinMessage(UINT message, const void* skinData, TForm* ownerForm) {
    Application().broadcast(message, reinterpret_cast<WPARAM>(skinData),
                            static_cast<LPARAM>(kSkinMessageParam), ownerForm);
}

}  // namespace vireltan
