#include "gui/SkinComponents.h"

#include "gui/Application.h"
#include "gui/Form.h"
#include "gui/SkinClient.h"

namespace vireltan {

bool StoredSkinComponent::loadFromResource(HINSTANCE instance, const std::wstring& name) {
    storedSkin_.setCompressedData({});
    HRSRC found = FindResourceW(instance, name.c_str(), MAKEINTRESOURCEW(10));  // RT_RCDATA
    if (!found) return false;
    HGLOBAL loaded = LoadResource(instance, found);  // resource memory: never freed by the program
    const auto* bytes = static_cast<const std::uint8_t*>(loaded ? LockResource(loaded) : nullptr);
    if (!bytes) return false;
    storedSkin_.setCompressedData({bytes, bytes + SizeofResource(instance, found)});
    return !storedSkin_.IsEmpty();
}

SkinDataComponent::SkinDataComponent(TComponent* owner)
    : TComponent(owner), notifier_(dynamic_cast<TForm*>(owner)) {
    skinData_.setNotifier(&notifier_);
    skinData_.setComponentLoading(isLoading());
}

SkinDataComponent::~SkinDataComponent() {
    // Forms outside our owner may hold controls linked to us too: every form lets go.
    const std::vector<TForm*> forms = Application().forms();
    for (TForm* form : forms) skinDataDestroyedBelow(*form, &skinData_);
}

void SkinDataComponent::Loaded() {
    skinData_.setComponentLoading(false);
}

void SkinDataComponent::setCompressedStoredSkin(StoredSkinComponent* storedSkin) {
    if (storedSkin_ && storedSkin_ != storedSkin) storedSkin_->RemoveFreeNotification(this);
    storedSkin_ = storedSkin;
    if (!storedSkin) {
        skinData_.setCompressedStoredSkin(nullptr);
        return;
    }
    storedSkin->FreeNotification(this);
    skinData_.setComponentLoading(isLoading());
    skinData_.setCompressedStoredSkin(&storedSkin->storedSkin());
}

void SkinDataComponent::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == storedSkin_) {
        // The loaded skin stays; only the reference goes.
        skinData_.Notification(&storedSkin_->storedSkin());
        storedSkin_ = nullptr;
    }
}

}  // namespace vireltan
