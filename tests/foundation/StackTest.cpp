#include <gtest/gtest.h>

#include <vector>

#include "AssertionTestSupport.h"
#include "ZQ_Stack.h"

namespace {

// Every chunk holds its entries constructed, so the live instances show how
// many chunks exist.
struct Tracked {
  static int s_alive;
  long Value = 0;
  Tracked() { ++s_alive; }
  Tracked(long V) : Value(V) { ++s_alive; }
  Tracked(const Tracked& Other) : Value(Other.Value) { ++s_alive; }
  Tracked& operator=(const Tracked&) = default;
  ~Tracked() { --s_alive; }
};
int Tracked::s_alive = 0;

TEST(ZQ_Stack, ChunksComeWithTheirFirstEntryAndGoWithTheirLast) {
  {
    ZQ_Stack<Tracked, 20> stack;
    EXPECT_EQ(Tracked::s_alive, 20);  // the bottom chunk
    for (long i = 0; i < 20; ++i) stack.Push(Tracked(i));
    EXPECT_EQ(Tracked::s_alive, 20);
    stack.Push(Tracked(20));
    EXPECT_EQ(Tracked::s_alive, 40);
    EXPECT_EQ(stack.GetTop().Value, 20);
    EXPECT_EQ(stack.Pop().Value, 20);
    EXPECT_EQ(Tracked::s_alive, 20);
    EXPECT_EQ(stack.GetTop().Value, 19);
    for (long i = 0; i < 40; ++i) stack.Push(Tracked(i));  // 60 entries: 3 full chunks
    EXPECT_EQ(Tracked::s_alive, 60);
    stack.RemoveAll();
    EXPECT_EQ(Tracked::s_alive, 20);
    EXPECT_TRUE(stack.IsEmpty());
    stack.Push(Tracked(7));
    EXPECT_EQ(stack.Pop().Value, 7);
  }
  EXPECT_EQ(Tracked::s_alive, 0);
}

TEST(ZQ_Stack, ValuesComeBackLastInFirstOutAcrossChunks) {
  ZQ_Stack<long, 3> stack;
  for (long i = 0; i < 10; ++i) stack.Push(i);
  EXPECT_EQ(stack.GetNumElements(), 10);
  stack.GetTop() = 90;
  std::vector<long> out;
  while (!stack.IsEmpty()) out.push_back(stack.Pop());
  EXPECT_EQ(out, (std::vector<long>{90, 8, 7, 6, 5, 4, 3, 2, 1, 0}));
}

TEST(ZQ_Stack, AnEmptyStackHasNoTopToPopOrRead) {
  ZQ_Stack<long, 20> stack;
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { stack.Pop(); }), "N > 0"));
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { stack.GetTop(); }), "N > 0"));
  EXPECT_EQ(stack.GetNumElements(), 0);
  stack.Push(1);
  EXPECT_EQ(stack.Pop(), 1);
}

}  // namespace
