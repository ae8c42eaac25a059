// The root of the component tree: a name, an owner that frees what it owns, and the removal
// notification that lets references to a destroyed component be cleared.
#pragma once

#include <string>
#include <vector>

namespace vireltan {

enum class TOperation { opInsert, opRemove };

enum TComponentStateFlag : unsigned {
    csLoading = 1u << 0,     // being built by a declarative builder; setters may run
    csDestroying = 1u << 1,  // inside the destructor
};

class TComponent {
  public:
    // A component with an owner must live on the heap: the owner deletes it.
    explicit TComponent(TComponent* owner);
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;
    virtual ~TComponent();

    const std::string& name() const { return name_; }
    // Names are unique among the components of one owner (the builder finds them by name);
    // throws std::invalid_argument on a clash.
    void setName(const std::string& name);

    TComponent* owner() const { return owner_; }
    const std::vector<TComponent*>& components() const { return components_; }
    int componentCount() const { return static_cast<int>(components_.size()); }
    TComponent* findComponent(const std::string& name) const;

    unsigned componentState() const { return state_; }
    bool isLoading() const { return (state_ & csLoading) != 0; }
    bool isDestroying() const { return (state_ & csDestroying) != 0; }
    // The builder brackets its work with these. Components created meanwhile with this one as owner
    // are loading too; endLoading ends theirs first, in creation order, and runs each one's Loaded,
    // then this one's.
    void beginLoading();
    void endLoading();

    // `other` will hear Notification(this, opRemove) when this component is destroyed. Either side
    // may be destroyed first; the link is dropped with it.
    void FreeNotification(TComponent* other);
    void RemoveFreeNotification(TComponent* other);

    virtual void Notification(TComponent* component, TOperation operation);

  protected:
    virtual void Loaded() {}
    // Frees the owned components, newest first. Derived destructors that need their owned
    // components gone while they themselves are still whole call it early.
    void destroyComponents();

  private:
    void insertComponent(TComponent* component);
    void removeComponent(TComponent* component);

    std::string name_;
    TComponent* owner_ = nullptr;
    std::vector<TComponent*> components_;
    std::vector<TComponent*> notifyOnFree_;  // to be told when we go
    std::vector<TComponent*> watching_;      // whose notifyOnFree_ lists hold us
    std::vector<TComponent*> loadingOwned_;  // created while we were loading, still loading
    unsigned state_ = 0;
};

}  // namespace vireltan
