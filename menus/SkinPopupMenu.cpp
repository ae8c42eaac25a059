#include "menus/SkinPopupMenu.h"

#include "gui/Form.h"
#include "gui/Messages.h"
#include "menus/MenuHost.h"

namespace vireltan {

TbsSkinPopupMenu::TbsSkinPopupMenu(TComponent* owner) : TComponent(owner) {}

TbsSkinPopupMenu::~TbsSkinPopupMenu() {
    // A menu going while it is shown through its form's engine takes its items' popups with it.
    if (engine_ && engine_ != ownEngine_ && engine_->Visible()) engine_->Close();
}

TForm* TbsSkinPopupMenu::form() const {
    if (form_) return form_;
    if (auto* f = dynamic_cast<TForm*>(owner())) return f;
    if (owner()) return dynamic_cast<TForm*>(owner()->owner());
    return nullptr;
}

void TbsSkinPopupMenu::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation != TOperation::opRemove) return;
    if (component == PopupComponent) PopupComponent = nullptr;
    if (component == form_) form_ = nullptr;
}

void TbsSkinPopupMenu::Popup(int x, int y) {
    if (OnPopup) OnPopup();
    TForm* owner = form();
    if (!owner) return;
    if (PopupComponent) PopupComponent->FreeNotification(this);
    auto* host = dynamic_cast<MenuHost*>(owner->frame());
    const TbsSkinData* skin = SkinData;
    if (host) {
        if (!skin) skin = host->menusSkin();
        engine_ = &host->SkinMenu();
        if (engine_->Visible()) engine_->Close();
        host->markMenuOpen();
    } else {
        if (!ownEngine_) {
            ownEngine_ = new TbsSkinMenu(this, owner);
            ownEngine_->OnClosed = [this] { ownHook_.remove(); };
        }
        engine_ = ownEngine_;
        if (engine_->Visible()) engine_->Close();
        ownHook_ = engine_->installMenuHook();
    }
    HWND notify =
        PopupComponent && PopupComponent->handleAllocated() ? PopupComponent->allocatedHandle() : nullptr;
    engine_->Popup(notify, skin, MenuPopupKind::rootDown, Items, {x, y, x, y}, 0,
                   [this](const MenuItemData& item) { runItem(item); });
    // Nothing to show: what opening set up is undone at once.
    if (engine_->Visible()) return;
    if (engine_ == ownEngine_) {
        ownHook_.remove();
    } else if (owner->handleAllocated()) {
        SendMessageW(owner->allocatedHandle(), BSM_MENUCLOSED, 0, 0);
    }
}

void TbsSkinPopupMenu::runItem(const MenuItemData& item) {
    if (OnItemClick) OnItemClick(item);
    if (PopupComponent && PopupComponent->handleAllocated())
        SendMessageW(PopupComponent->allocatedHandle(), CM_EDITMENUDONE, 0, 0);
}

}  // namespace vireltan
