// Method pointers: binding, calling, clearing and identity of (object, member) pairs.
#include <gtest/gtest.h>

#include "toolkit/core/Events.h"
#include "toolkit/core/Method.h"

namespace {

struct Counter {
    int total = 0;
    int Add(int n) { return total += n; }
    int Subtract(int n) { return total -= n; }
};

struct Base {
    virtual ~Base() = default;
    virtual int Kind() { return 1; }
};
struct Derived : Base {
    int Kind() override { return 2; }
};

TEST(Method, CallReachesTheBoundObjectAndReturnsItsResult) {
    Counter a;
    TMethod<int(int)> add = MethodOf<&Counter::Add>(&a);
    EXPECT_EQ(add(5), 5);
    EXPECT_EQ(add(2), 7);
    EXPECT_EQ(a.total, 7);
}

TEST(Method, IdentityNeedsTheSameObjectAndTheSameMember) {
    Counter a, b;
    const auto addA = MethodOf<&Counter::Add>(&a);
    const struct {
        TMethod<int(int)> other;
        bool equal;
    } cases[] = {
        {MethodOf<&Counter::Add>(&a), true},
        {MethodOf<&Counter::Add>(&b), false},
        {MethodOf<&Counter::Subtract>(&a), false},
        {TMethod<int(int)>(), false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(addA == c.other, c.equal);
        EXPECT_EQ(addA != c.other, !c.equal);
    }
    EXPECT_EQ(addA.Data(), &a);
    EXPECT_EQ(addA.Code(), MethodOf<&Counter::Add>(&b).Code());
}

TEST(Method, ClearedMethodIsEmptyAndCallsNothing) {
    Counter a;
    auto add = MethodOf<&Counter::Add>(&a);
    EXPECT_TRUE(add);
    add.Clear();
    EXPECT_FALSE(add);
    EXPECT_EQ(add(3), 0);
    EXPECT_EQ(a.total, 0);
    EXPECT_EQ(add, TMethod<int(int)>());
}

TEST(Method, SavedCopyRestoresTheOriginalAfterReplacement) {
    Counter a, b;
    auto slot = MethodOf<&Counter::Add>(&a);
    auto saved = slot;
    slot = MethodOf<&Counter::Add>(&b);
    slot(1);
    slot = saved;
    slot(10);
    EXPECT_EQ(a.total, 10);
    EXPECT_EQ(b.total, 1);
    EXPECT_EQ(slot, saved);
}

TEST(Method, VirtualMemberDispatchesOnTheObjectsClass) {
    Derived d;
    auto kind = MethodOf<&Base::Kind>(static_cast<Base*>(&d));
    EXPECT_EQ(kind(), 2);
}

}  // namespace
