// The skin's two components of a window: the stored skin its resource carries, and the skin data
// object that loads it and tells every window of the change. Both wrap the portable skin model.
#pragma once

#include "gui/Component.h"
#include "gui/SkinMessages.h"
#include "skin/StoredSkin.h"

#include <windows.h>

#include <string>

namespace vireltan {

class StoredSkinComponent : public TComponent {
  public:
    using TComponent::TComponent;
    TbsCompressedStoredSkin& storedSkin() { return storedSkin_; }
    // The compressed data from an RCDATA resource of `instance`; false, and empty, when there is none.
    bool loadFromResource(HINSTANCE instance, const std::wstring& name);

  private:
    TbsCompressedStoredSkin storedSkin_;
};

class SkinDataComponent : public TComponent {
  public:
    // The owner, when it is a form, hears the skin messages before every other form.
    explicit SkinDataComponent(TComponent* owner);
    // Every skinnable control of every form that refers to this skin lets go of it first.
    ~SkinDataComponent() override;

    TbsSkinData& skinData() { return skinData_; }
    StoredSkinComponent* compressedStoredSkin() const { return storedSkin_; }
    // Loads the stored skin at once (the change messages included); null only forgets the reference.
    void setCompressedStoredSkin(StoredSkinComponent* storedSkin);

    void Notification(TComponent* component, TOperation operation) override;

  protected:
    void Loaded() override;

  private:
    FormSkinNotifier notifier_;
    TbsSkinData skinData_;
    StoredSkinComponent* storedSkin_ = nullptr;
};

}  // namespace vireltan
