// Component ownership: creation order, notifications, owner frees what it owns.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "toolkit/core/Component.h"

namespace {

struct Recorder : TComponent {
    Recorder(TComponent* owner, std::vector<std::string>* log, const char* name) : TComponent(owner), log_(log) {
        SetName(name);
    }
    ~Recorder() override { log_->push_back("free " + Name()); }
    void Notification(TComponent* c, TOperation op) override {
        log_->push_back(Name() + (op == TOperation::opInsert ? " sees insert " : " sees remove ") + c->Name());
    }
    void Loaded() override { log_->push_back("loaded " + Name()); }
    std::vector<std::string>* log_;
};

TEST(Component, OwnerFreesChildrenLastFirstAndNotifiesSiblingsOfRemoval) {
    std::vector<std::string> log;
    {
        Recorder owner(nullptr, &log, "form");
        new Recorder(&owner, &log, "a");
        new Recorder(&owner, &log, "b");
        ASSERT_EQ(owner.ComponentCount(), 2);
        EXPECT_EQ(owner.Components(0)->Name(), "a");
        EXPECT_EQ(owner.Components(1)->Owner(), &owner);
        log.clear();
    }
    // The owner's own destructor body runs first; then its children go, last created first.
    const std::vector<std::string> expected = {"free form", "free b", "a sees remove b", "free a"};
    EXPECT_EQ(log, expected);
}

TEST(Component, InsertionNotifiesEarlierSiblingsAndOwner) {
    std::vector<std::string> log;
    Recorder owner(nullptr, &log, "form");
    new Recorder(&owner, &log, "a");
    log.clear();
    // The new component is announced while it is still being built: its name is not set yet.
    TComponent* b = new Recorder(&owner, &log, "b");
    const std::vector<std::string> expected = {"a sees insert ", "form sees insert "};
    EXPECT_EQ(log, expected);
    EXPECT_EQ(owner.Components(1), b);
}

TEST(Component, EndLoadingCallsLoadedChildrenFirst) {
    std::vector<std::string> log;
    Recorder owner(nullptr, &log, "form");
    new Recorder(&owner, &log, "a");
    owner.BeginLoading();
    EXPECT_TRUE(owner.Components(0)->IsLoading());
    log.clear();
    owner.EndLoading();
    const std::vector<std::string> expected = {"loaded a", "loaded form"};
    EXPECT_EQ(log, expected);
    EXPECT_FALSE(owner.IsLoading());
}

}  // namespace

namespace {

TEST(Component, NotificationReachesComponentsOwnedBySiblings) {
    std::vector<std::string> log;
    Recorder application(nullptr, &log, "app");
    auto* form = new Recorder(&application, &log, "form");
    new Recorder(form, &log, "style");
    log.clear();
    auto* later = new Recorder(&application, &log, "");
    later->SetName("later");
    const std::vector<std::string> inserted = {"form sees insert ", "style sees insert ", "app sees insert "};
    EXPECT_EQ(log, inserted);
    log.clear();
    delete later;
    const std::vector<std::string> removed = {"free later", "app sees remove later", "form sees remove later",
                                              "style sees remove later"};
    EXPECT_EQ(log, removed);
}

TEST(Component, ComponentAddedWhileOwnerLoadsIsLoadingAndGetsLoaded) {
    std::vector<std::string> log;
    Recorder owner(nullptr, &log, "form");
    owner.BeginLoading();
    auto* added = new Recorder(&owner, &log, "late");
    EXPECT_TRUE(added->IsLoading());
    log.clear();
    owner.EndLoading();
    const std::vector<std::string> expected = {"loaded late", "loaded form"};
    EXPECT_EQ(log, expected);
    EXPECT_FALSE(added->IsLoading());
}

}  // namespace
