#include "gui/Component.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace vireltan {

namespace {

void eraseOne(std::vector<TComponent*>& list, TComponent* component) {
    auto it = std::find(list.begin(), list.end(), component);
    if (it != list.end()) list.erase(it);
}

}  // namespace

TComponent::TComponent(TComponent* owner) {
    if (!owner) return;
    if (owner->isLoading()) {
        state_ |= csLoading;
        owner->loadingOwned_.push_back(this);
    }
    owner->insertComponent(this);
}

TComponent::~TComponent() {
    state_ |= csDestroying;
    // Referrers first, so they drop their pointers before anything of ours goes.
    while (!notifyOnFree_.empty()) {
        TComponent* other = notifyOnFree_.front();
        notifyOnFree_.erase(notifyOnFree_.begin());
        eraseOne(other->watching_, this);
        other->Notification(this, TOperation::opRemove);
    }
    for (TComponent* watched : watching_) eraseOne(watched->notifyOnFree_, this);
    watching_.clear();
    destroyComponents();
    if (owner_) owner_->removeComponent(this);
}

void TComponent::setName(const std::string& name) {
    if (name == name_) return;
    if (!name.empty() && owner_ && owner_->findComponent(name)) {
        throw std::invalid_argument("A component named " + name + " already exists");
    }
    name_ = name;
}

TComponent* TComponent::findComponent(const std::string& name) const {
    if (name.empty()) return nullptr;
    for (TComponent* component : components_) {
        if (component->name_ == name) return component;
    }
    return nullptr;
}

void TComponent::beginLoading() {
    state_ |= csLoading;
}

void TComponent::endLoading() {
    // Taken out first: a Loaded handler may create further components.
    const std::vector<TComponent*> owned = std::exchange(loadingOwned_, {});
    for (TComponent* component : owned) {
        if (component->isLoading()) component->endLoading();
    }
    state_ &= ~csLoading;
    Loaded();
}

void TComponent::FreeNotification(TComponent* other) {
    if (!other || other == this) return;
    if (std::find(notifyOnFree_.begin(), notifyOnFree_.end(), other) != notifyOnFree_.end()) return;
    notifyOnFree_.push_back(other);
    other->watching_.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* other) {
    if (!other) return;
    eraseOne(notifyOnFree_, other);
    eraseOne(other->watching_, this);
}

void TComponent::Notification(TComponent*, TOperation) {}

void TComponent::destroyComponents() {
    // Each deleted component removes itself from the list in its destructor.
    while (!components_.empty()) delete components_.back();
}

void TComponent::insertComponent(TComponent* component) {
    components_.push_back(component);
    component->owner_ = this;
    Notification(component, TOperation::opInsert);
}

void TComponent::removeComponent(TComponent* component) {
    eraseOne(components_, component);
    eraseOne(loadingOwned_, component);
    component->owner_ = nullptr;
    Notification(component, TOperation::opRemove);
}

}  // namespace vireltan
