#include <gtest/gtest.h>

#include <utility>

#include "AssertionTestSupport.h"
#include "ZQ_AutoPtr.h"
#include "ZQ_CountedPtr.h"

namespace {

struct Base {
  virtual ~Base() = default;
};
// Deleted through Base: the virtual destructor must run.
struct Derived : Base {
  static int s_deleted;
  ~Derived() override { ++s_deleted; }
};
int Derived::s_deleted = 0;

TEST(ZQ_CountedPtr, TheLastOwnerDeletesTheObjectOnce) {
  Derived::s_deleted = 0;
  {
    ZQ_CountedPtr<Base> first(new Derived);
    {
      ZQ_CountedPtr<Base> second(first);
      ZQ_CountedPtr<Base> third;
      third = second;
      EXPECT_EQ(first.GetNumOwners(), 3);
      EXPECT_EQ(third.Get(), first.Get());
      third = third;  // raised before released: survives
      EXPECT_EQ(first.GetNumOwners(), 3);
    }
    EXPECT_EQ(first.GetNumOwners(), 1);
    EXPECT_EQ(Derived::s_deleted, 0);
    first = ZQ_CountedPtr<Base>(new Derived);  // reassignment releases the old object
    EXPECT_EQ(Derived::s_deleted, 1);
  }
  EXPECT_EQ(Derived::s_deleted, 2);
}

TEST(ZQ_CountedPtr, AnEmptyHandleHasNoObjectToReach) {
  ZQ_CountedPtr<Base> empty;
  EXPECT_TRUE(empty.IsNull());
  EXPECT_EQ(empty.GetNumOwners(), 0);
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { empty.operator->(); }), "Ref != NULL"));
}

TEST(ZQ_AutoPtr, OwnershipMovesAndTheOwnerDeletes) {
  Derived::s_deleted = 0;
  {
    ZQ_AutoPtr<Base> owner(new Derived);
    ZQ_AutoPtr<Base> next(std::move(owner));
    EXPECT_TRUE(owner.IsNull());
    Base* released = next.Release();
    EXPECT_EQ(Derived::s_deleted, 0);
    next.Reset(released);
    next.Reset(new Derived);
    EXPECT_EQ(Derived::s_deleted, 1);
  }
  EXPECT_EQ(Derived::s_deleted, 2);
}

}  // namespace
