#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AssertionTestSupport.h"
#include "ZQ_List.h"
#include "ZQ_StackTrace.h"

namespace {

ZQ_List<long> ListOf(const std::vector<long>& values) {
  ZQ_List<long> list;
  for (long v : values) list.Append(v);
  return list;
}

std::vector<long> Contents(const ZQ_List<long>& list) {
  std::vector<long> values;
  for (ZQ_ReadOnlyIterator<long> it = list.GetIterator(); it.IsValid(); it.Advance())
    values.push_back(*it);
  return values;
}

TEST(ZQ_List, NeighboursAndPositionsAreFoundByValue) {
  const ZQ_List<long> list = ListOf({10, 20, 30});
  EXPECT_EQ(list.GetHead(), 10);
  EXPECT_EQ(list.GetTail(), 30);
  EXPECT_EQ(list.GetNext(10), 20);
  EXPECT_EQ(list.GetPrevious(30), 20);
  EXPECT_EQ(list.GetPrevious(20), 10);
  EXPECT_EQ(list.GetIndex(30), 2);
  EXPECT_EQ(list.GetNumElements(), 3);
}

TEST(ZQ_List, PreconditionFailuresNameTheirCondition) {
  ZQ_List<long> empty;
  ZQ_List<long> list = ListOf({10, 20, 30});
  const long traceDepth = ZQ_StackTrace_GetDepth();
  const struct { std::string message; const char* condition; const char* why; } kCases[] = {
      {AssertionFailureOf([&] { empty.GetHead(); }), "Head != NULL", "head of an empty list"},
      {AssertionFailureOf([&] { empty.GetTail(); }), "Tail != NULL", "tail of an empty list"},
      {AssertionFailureOf([&] { list.GetNext(99); }), "ThisLink != NULL", "next of an absent value"},
      {AssertionFailureOf([&] { list.GetNext(30); }), "NextLink != NULL", "next of the tail"},
      {AssertionFailureOf([&] { empty.GetPrevious(1); }), "Head != NULL", "previous in an empty list"},
      {AssertionFailureOf([&] { list.GetPrevious(10); }), "not (Head->Data == ExistingElement)", "previous of the head"},
      {AssertionFailureOf([&] { list.GetPrevious(99); }), "CurrentLink != NULL", "previous of an absent value"},
      {AssertionFailureOf([&] { empty.GetIndex(1); }), "Head != NULL", "index in an empty list"},
      {AssertionFailureOf([&] { list.GetIndex(99); }), "P", "index of an absent value"},
      {AssertionFailureOf([&] { empty.Remove(1); }), "Head != NULL", "removal from an empty list"},
      {AssertionFailureOf([&] { list.Remove(99); }), "LinkToDelete != NULL", "removal of an absent value"},
      {AssertionFailureOf([&] { empty.RemoveHead(); }), "Head != NULL", "head removal from an empty list"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_TRUE(FailedOn(c.message, c.condition)) << c.message;
  }
  EXPECT_EQ(Contents(list), (std::vector<long>{10, 20, 30}));
  EXPECT_TRUE(empty.IsEmpty());
  EXPECT_EQ(ZQ_StackTrace_GetDepth(), traceDepth);  // thrown failures left no frame
}

TEST(ZQ_List, RemovalKeepsHeadAndTailRight) {
  const struct { std::vector<long> start; long remove; std::vector<long> want; const char* why; } kCases[] = {
      {{1, 2, 3}, 3, {1, 2, 4}, "removing the tail moves the tail back"},
      {{1, 2, 3}, 1, {2, 3, 4}, "removing the head"},
      {{1}, 1, {4}, "removing the only link empties both ends"},
      {{1, 2, 1}, 1, {2, 1, 4}, "only the first link holding the value goes"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    ZQ_List<long> list = ListOf(c.start);
    list.Remove(c.remove);
    list.Append(4);  // lands after the right tail
    EXPECT_EQ(Contents(list), c.want);
    EXPECT_EQ(list.GetTail(), 4);
  }
}

struct Tracked {
  static int s_alive;
  long Value = 0;
  Tracked() { ++s_alive; }
  Tracked(const Tracked& Other) : Value(Other.Value) { ++s_alive; }
  Tracked& operator=(const Tracked&) = default;
  ~Tracked() { --s_alive; }
  bool operator==(const Tracked& Other) const { return Value == Other.Value; }
};
int Tracked::s_alive = 0;

TEST(ZQ_List, TheListOwnsItsValuesAndCopiesThem) {
  {
    ZQ_List<Tracked> list;
    Tracked value;
    for (long i = 0; i < 3; ++i) {
      value.Value = i;
      list.Append(value);
    }
    ZQ_List<Tracked> copy(list);
    EXPECT_EQ(Tracked::s_alive, 7);
    list.RemoveHead();
    EXPECT_EQ(Tracked::s_alive, 6);
    list = copy;
    EXPECT_EQ(list.GetNumElements(), 3);
    list.RemoveAll();
    EXPECT_EQ(Tracked::s_alive, 4);
  }
  EXPECT_EQ(Tracked::s_alive, 0);
}

TEST(ZQ_Queue, ValuesLeaveInTheOrderTheyWerePut) {
  ZQ_Queue<long> queue;
  queue.Put(1);
  queue.Put(2);
  std::vector<long> out;
  out.push_back(queue.GetHead());
  queue.RemoveHead();
  queue.Put(3);
  while (!queue.IsEmpty()) {
    out.push_back(queue.GetHead());
    queue.RemoveHead();
  }
  EXPECT_EQ(out, (std::vector<long>{1, 2, 3}));
}

}  // namespace

namespace {

// Ordered by the key alone, so that the order of equal keys shows.
struct Keyed {
  long key, tag;  // tag: the original position
  bool operator<(const Keyed& other) const { return key < other.key; }
};

}  // namespace

TEST(ZQ_List, SortOrdersByLessThanAndKeepsEqualValuesInOrder) {
  const struct {
    const char* why;
    std::vector<long> keys;
    bool descending;
    std::vector<long> tags;
  } kCases[] = {
      {"empty", {}, false, {}},
      {"ascending, odd length", {5, 1, 4, 2, 3}, false, {1, 3, 4, 2, 0}},
      {"descending, even length", {1, 4, 2, 3}, true, {1, 3, 2, 0}},
      {"equal keys keep their order", {2, 1, 2, 1}, true, {0, 2, 1, 3}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    ZQ_List<Keyed> list;
    for (size_t i = 0; i < c.keys.size(); ++i) list.Append({c.keys[i], static_cast<long>(i)});
    list.Sort(c.descending);
    list.Append({99, 99});  // the tail link follows the sorted values
    std::vector<long> tags;
    for (ZQ_ReadOnlyIterator<Keyed> it = list.GetIterator(); it.IsValid(); it.Advance())
      tags.push_back((*it).tag);
    tags.pop_back();
    EXPECT_EQ(tags, c.tags);
  }
  ZQ_List<long> many;  // deep enough to show the recursion's halving
  for (long i = 0; i < 20000; ++i) many.Append((i * 7919) % 20000);
  many.Sort(false);
  EXPECT_EQ(Contents(many).front(), 0);
  EXPECT_EQ(Contents(many).back(), 19999);
}
