// Ownership, removal notification and the building state of components.
#include "gui/Component.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace vireltan {
namespace {

using Log = std::vector<std::string>;

// Writes its own destruction and every removal it hears into a shared log, and keeps a reference
// to another component that it clears when told.
class Probe : public TComponent {
  public:
    Probe(TComponent* owner, const std::string& name, Log& log) : TComponent(owner), log_(log) {
        setName(name);
    }
    ~Probe() override { log_.push_back("~" + name()); }

    void refer(TComponent* target) {
        reference_ = target;
        if (target) target->FreeNotification(this);
    }
    TComponent* reference() const { return reference_; }

    void Notification(TComponent* component, TOperation operation) override {
        if (operation == TOperation::opRemove) {
            log_.push_back(name() + " hears removal");
            if (component == reference_) reference_ = nullptr;
        } else {
            log_.push_back(name() + " hears insert");
        }
    }

    int loadedCalls = 0;
    bool loadingSeenBySetter = false;
    void setSomething() { loadingSeenBySetter = isLoading(); }

  protected:
    void Loaded() override {
        ++loadedCalls;
        log_.push_back(name() + " loaded");
    }

  private:
    Log& log_;
    TComponent* reference_ = nullptr;
};

TEST(Component, OwnerFreesOwnedInReverseCreationOrder) {
    struct Case {
        int count;
    };
    for (const Case& c : {Case{1}, Case{3}, Case{6}}) {
        Log log;
        auto* owner = new TComponent(nullptr);
        const std::string names = "abcdef";
        for (int i = 0; i < c.count; ++i) new Probe(owner, names.substr(i, 1), log);
        ASSERT_EQ(owner->componentCount(), c.count);
        delete owner;
        Log expected;
        for (int i = c.count - 1; i >= 0; --i) expected.push_back(std::string{'~', names[i]});
        EXPECT_EQ(log, expected) << c.count << " components";
    }
}

TEST(Component, OwnerHearsInsertAndRemovalOfWhatItOwns) {
    Log log;
    Probe owner(nullptr, "owner", log);
    auto* child = new Probe(&owner, "child", log);
    EXPECT_EQ(log, (Log{"owner hears insert"}));
    delete child;
    EXPECT_EQ(log, (Log{"owner hears insert", "~child", "owner hears removal"}));
    EXPECT_EQ(owner.componentCount(), 0);
}

TEST(Component, ReferrersHearRemovalBeforeTheTargetsOwnedComponentsGo) {
    Log log;
    Probe first(nullptr, "first", log);
    Probe second(nullptr, "second", log);
    auto* target = new Probe(nullptr, "target", log);
    new Probe(target, "inner", log);
    first.refer(target);
    second.refer(target);
    log.clear();
    delete target;
    // The target's own part is gone by then, so it no longer hears of its owned components.
    EXPECT_EQ(log, (Log{"~target", "first hears removal", "second hears removal", "~inner"}));
    EXPECT_EQ(first.reference(), nullptr);
    EXPECT_EQ(second.reference(), nullptr);
}

TEST(Component, ReferrerDestroyedFirstIsNotToldLater) {
    Log log;
    auto* target = new Probe(nullptr, "target", log);
    {
        Probe referrer(nullptr, "referrer", log);
        referrer.refer(target);
    }
    log.clear();
    // Would call into the freed referrer if the link had survived it.
    delete target;
    EXPECT_EQ(log, (Log{"~target"}));
}

TEST(Component, RemovedFreeNotificationIsNotSent) {
    Log log;
    Probe referrer(nullptr, "referrer", log);
    auto* target = new Probe(nullptr, "target", log);
    referrer.refer(target);
    target->RemoveFreeNotification(&referrer);
    log.clear();
    delete target;
    EXPECT_EQ(log, (Log{"~target"}));
}

TEST(Component, NamesAreUniqueAmongOneOwnersComponents) {
    Log log;
    TComponent owner(nullptr);
    auto* a = new Probe(&owner, "Iuzun", log);
    EXPECT_EQ(owner.findComponent("Iuzun"), a);
    EXPECT_EQ(owner.findComponent("iuzun"), nullptr);  // exact, case-sensitive
    EXPECT_THROW(new Probe(&owner, "Iuzun", log), std::invalid_argument);
    TComponent other(nullptr);
    EXPECT_NO_THROW(new Probe(&other, "Iuzun", log));
}

TEST(Component, LoadingStateSpansTheBuildAndEndsInLoaded) {
    Log log;
    Probe probe(nullptr, "probe", log);
    probe.beginLoading();
    probe.setSomething();
    EXPECT_TRUE(probe.loadingSeenBySetter);
    EXPECT_EQ(probe.loadedCalls, 0);
    probe.endLoading();
    EXPECT_FALSE(probe.isLoading());
    EXPECT_EQ(probe.loadedCalls, 1);
    probe.setSomething();
    EXPECT_FALSE(probe.loadingSeenBySetter);
}

// The builder marks only the form; what it creates for the form is loading until the form's build
// ends, and each component's Loaded runs once, owned ones first in creation order.
TEST(Component, ComponentsCreatedDuringTheBuildLoadUntilItEnds) {
    Log log;
    Probe form(nullptr, "form", log);
    form.beginLoading();
    auto* first = new Probe(&form, "first", log);
    auto* second = new Probe(&form, "second", log);
    auto* gone = new Probe(&form, "gone", log);
    delete gone;  // freed during the build: never told it was loaded
    EXPECT_TRUE(first->isLoading());
    EXPECT_TRUE(second->isLoading());
    second->setSomething();
    EXPECT_TRUE(second->loadingSeenBySetter);
    log.clear();
    form.endLoading();
    EXPECT_EQ(log, (Log{"first loaded", "second loaded", "form loaded"}));
    EXPECT_FALSE(first->isLoading());
    auto* later = new Probe(&form, "later", log);
    EXPECT_FALSE(later->isLoading());
}

}  // namespace
}  // namespace vireltan
