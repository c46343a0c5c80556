#include "ZQ_Owned.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <utility>
#include <vector>

namespace {

// A resource that is a number: freeing it records it, and can be made to fail.
std::vector<int> s_freed;
bool s_isFreeFailing = false;

void FreeNumber(int Number) {
  s_freed.push_back(Number);
  if (s_isFreeFailing) throw std::runtime_error("free failed");
}
int NoNumber() noexcept { return -1; }

using OwnedNumber = ZQ_Owned<int, &FreeNumber, &NoNumber>;

class Owned : public testing::Test {
 protected:
  void SetUp() override {
    s_freed.clear();
    s_isFreeFailing = false;
  }
};

using Freed = std::vector<int>;

}  // namespace

TEST_F(Owned, TheOwnerFreesItsValueOnceAndAnEmptyOwnerFreesNothing) {
  {
    const OwnedNumber owner(5);
    const OwnedNumber empty;
    EXPECT_FALSE(empty.IsValid());
    const OwnedNumber invalid(NoNumber());
    EXPECT_FALSE(invalid.IsValid());
  }
  EXPECT_EQ(s_freed, Freed{5});
}

TEST_F(Owned, MovingHandsTheValueOverSoOnlyTheNewOwnerFreesIt) {
  {
    OwnedNumber first(7);
    OwnedNumber second(std::move(first));
    EXPECT_FALSE(first.IsValid());
    EXPECT_EQ(second.Get(), 7);
    OwnedNumber third(8);
    third = std::move(second);  // frees 8, takes 7
    EXPECT_EQ(s_freed, Freed{8});
    EXPECT_EQ(third.Get(), 7);
  }
  EXPECT_EQ(s_freed, (Freed{8, 7}));
}

TEST_F(Owned, ResetFreesTheOldValueAndHoldsTheNewOne) {
  OwnedNumber owner(1);
  owner.Reset(2);
  EXPECT_EQ(s_freed, Freed{1});
  EXPECT_EQ(owner.Get(), 2);
  owner.Reset();
  owner.Reset();  // nothing left to free
  EXPECT_EQ(s_freed, (Freed{1, 2}));
}

TEST_F(Owned, AFailedFreePassesOnButTheValueIsNeverFreedTwice) {
  {
    OwnedNumber owner(3);
    s_isFreeFailing = true;
    EXPECT_THROW(owner.Reset(), std::runtime_error);
    EXPECT_FALSE(owner.IsValid()) << "marked empty before the free was tried";
  }
  EXPECT_EQ(s_freed, Freed{3});
}

TEST_F(Owned, TheDestructorSwallowsAFailedFree) {
  s_isFreeFailing = true;
  EXPECT_NO_THROW({ const OwnedNumber owner(4); });
  EXPECT_EQ(s_freed, Freed{4});
}

TEST_F(Owned, ReleaseGivesTheValueUpWithoutFreeingIt) {
  {
    OwnedNumber owner(9);
    EXPECT_EQ(owner.Release(), 9);
    EXPECT_FALSE(owner.IsValid());
  }
  EXPECT_TRUE(s_freed.empty());
}
