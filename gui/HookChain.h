// Hooks installed in front of some handling (the application's message hooks, a control's
// window-procedure hooks): each installation is a registration that removes its hook when it goes, and
// stays inert when the chain went first. Hooks come and go in any order, also while the chain runs.
#pragma once

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

namespace vireltan {

template <typename Hook>
struct HookEntry {
    Hook hook;
    bool removed = false;  // a runner holding a snapshot skips it
};

template <typename Hook>
using HookEntries = std::vector<std::shared_ptr<HookEntry<Hook>>>;  // oldest first

template <typename Hook>
class HookChain;

template <typename Hook>
class HookRegistration {
  public:
    HookRegistration() = default;
    HookRegistration(HookRegistration&&) noexcept = default;
    HookRegistration& operator=(HookRegistration&& other) noexcept {
        if (this != &other) {
            remove();
            chain_ = std::move(other.chain_);
            entry_ = std::move(other.entry_);
        }
        return *this;
    }
    HookRegistration(const HookRegistration&) = delete;
    HookRegistration& operator=(const HookRegistration&) = delete;
    ~HookRegistration() { remove(); }

    void remove() {
        if (auto chain = chain_.lock(); chain && entry_) {
            entry_->removed = true;
            std::erase(*chain, entry_);
        }
        chain_.reset();
        entry_.reset();
    }
    bool installed() const { return entry_ != nullptr; }

  private:
    friend class HookChain<Hook>;
    HookRegistration(std::weak_ptr<HookEntries<Hook>> chain, std::shared_ptr<HookEntry<Hook>> entry)
        : chain_(std::move(chain)), entry_(std::move(entry)) {}
    std::weak_ptr<HookEntries<Hook>> chain_;
    std::shared_ptr<HookEntry<Hook>> entry_;
};

template <typename Hook>
class HookChain {
  public:
    [[nodiscard]] HookRegistration<Hook> install(Hook hook) {
        if (!entries_) entries_ = std::make_shared<HookEntries<Hook>>();
        auto entry = std::make_shared<HookEntry<Hook>>(HookEntry<Hook>{std::move(hook), false});
        entries_->push_back(entry);
        return HookRegistration<Hook>(entries_, std::move(entry));
    }
    // Ends the chain: every registration still out goes inert.
    void clear() { entries_.reset(); }
    bool empty() const { return !entries_ || entries_->empty(); }
    // What a run goes through: a hook may install or remove hooks (its own too) while it runs.
    HookEntries<Hook> snapshot() const { return entries_ ? *entries_ : HookEntries<Hook>{}; }

  private:
    std::shared_ptr<HookEntries<Hook>> entries_;
};

}  // namespace vireltan
