// Component ownership: creation order, notifications, owner frees what it owns.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "toolkit/Component.h"

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
