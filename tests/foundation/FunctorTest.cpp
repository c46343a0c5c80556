#include <gtest/gtest.h>

#include "ZQ_Functor.h"

namespace {

int g_plainCalls = 0;
void Plain() { ++g_plainCalls; }
void AddTo(int& Total) { Total += 5; }

struct Counter {
  int Calls = 0;
  int Sum = 0;
  void Tick() { ++Calls; }
  void Add(int Value) { Sum += Value; }
  void Peek() const { ++s_peeks; }
  virtual void Virtual() { Calls += 10; }
  virtual ~Counter() = default;
  static int s_peeks;
};
int Counter::s_peeks = 0;

struct Overriding : Counter {
  void Virtual() override { Calls += 100; }
};

TEST(ZQ_Functor, IsFiveWordsHeldByValue) {
  EXPECT_EQ(sizeof(ZQ_Functor0), 5 * 4u);
  EXPECT_EQ(sizeof(ZQ_Functor1<int>), 5 * 4u);
}

TEST(ZQ_Functor, CallsAPlainFunctionOrAMemberFunctionOnItsObject) {
  g_plainCalls = 0;
  Counter counter;
  Overriding overriding;
  const ZQ_Functor0 kCases[] = {
      ZQ_Functor0(&Plain),
      ZQ_Functor0(&counter, &Counter::Tick),
      ZQ_Functor0(static_cast<const Counter*>(&counter), &Counter::Peek),
      ZQ_Functor0(static_cast<Counter*>(&overriding), &Counter::Virtual),
  };
  for (const ZQ_Functor0& f : kCases) {
    EXPECT_TRUE(f.IsSet());
    const ZQ_Functor0 copy = f;  // a copy calls the same thing
    copy();
  }
  EXPECT_EQ(g_plainCalls, 1);
  EXPECT_EQ(counter.Calls, 1);
  EXPECT_EQ(Counter::s_peeks, 1);
  EXPECT_EQ(overriding.Calls, 100);  // a virtual member dispatches on the object
  EXPECT_EQ(kCases[0].GetObject(), nullptr);
  EXPECT_EQ(kCases[1].GetObject(), &counter);
}

TEST(ZQ_Functor, OneArgumentFunctorsPassTheirArgument) {
  Counter counter;
  ZQ_Functor1<int> add(&counter, &Counter::Add);
  add(3);
  add(4);
  EXPECT_EQ(counter.Sum, 7);
  int total = 1;
  ZQ_Functor1<int&> addTo(&AddTo);
  addTo(total);
  EXPECT_EQ(total, 6);
}

TEST(ZQ_Functor, AnEmptyFunctorIsNotSetAndCallsNothing) {
  const ZQ_Functor0 empty;
  const ZQ_Functor1<int> emptyOne;
  EXPECT_FALSE(empty.IsSet());
  EXPECT_FALSE(emptyOne.IsSet());
  EXPECT_FALSE(ZQ_Functor0(static_cast<void (*)()>(nullptr)).IsSet());
  empty();
  emptyOne(1);
}

}  // namespace
