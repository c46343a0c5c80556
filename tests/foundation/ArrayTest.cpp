#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "AssertionTestSupport.h"
#include "ZQ_Array.h"
#include "ZQ_Array2D.h"
#include "ZQ_String.h"
#include "ZQ_StringStream.h"

namespace {

ZQ_Array<long> Numbered(long n) {
  ZQ_Array<long> array(n, 0);
  for (long i = 0; i < n; ++i) array[i] = i;
  return array;
}

std::vector<long> Contents(const ZQ_Array<long>& array) {
  std::vector<long> values;
  for (long i = 0; i < array.GetNumElements(); ++i) values.push_back(array[i]);
  return values;
}

TEST(ZQ_Array, RemoveElementsMovesTheRestDownAndKeepsN) {
  const struct { long n, at, logical, count; std::vector<long> want; const char* why; } kCases[] = {
      {5, 1, ZQ_Array_LogicalCountIsN, 2, {0, 3, 4, 3, 4}, "default logical count: old tail stays"},
      {5, 0, 3, 1, {1, 2, 2, 3, 4}, "only the logical part moves"},
      {5, 4, ZQ_Array_LogicalCountIsN, 1, {0, 1, 2, 3, 4}, "removing the last changes nothing"},
      {5, 2, 4, 0, {0, 1, 2, 3, 4}, "removing nothing"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    ZQ_Array<long> array = Numbered(c.n);
    array.RemoveElements(c.at, c.logical, c.count);
    EXPECT_EQ(Contents(array), c.want);
  }
}

TEST(ZQ_Array, InsertElementsOpensAGapGrowingOnlyWhenNeeded) {
  const struct { long n, at, logical, count; std::vector<long> want; const char* why; } kCases[] = {
      {4, 2, ZQ_Array_LogicalCountIsN, 1, {0, 1, 2, 2, 3}, "grows to exactly N + 1"},
      {4, 0, 2, 2, {0, 1, 0, 1}, "room inside the capacity: no growth"},
      {4, 1, 3, 2, {0, 1, 2, 1, 2}, "grows to logical + inserted"},
      {0, 0, ZQ_Array_LogicalCountIsN, 2, {0, 0}, "into an empty array"},
      {3, 3, ZQ_Array_LogicalCountIsN, 1, {0, 1, 2, 0}, "at the end"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    ZQ_Array<long> array = Numbered(c.n);
    array.InsertElements(c.at, c.logical, c.count);
    EXPECT_EQ(Contents(array), c.want);
  }
}

TEST(ZQ_Array, PreconditionFailuresNameTheirCondition) {
  ZQ_Array<long> array = Numbered(4);
  const struct { std::string message; const char* condition; } kCases[] = {
      {AssertionFailureOf([&] { array[4]; }), "Index >= 0 and Index < N"},
      {AssertionFailureOf([&] { array[-1]; }), "Index >= 0 and Index < N"},
      {AssertionFailureOf([&] { array.InsertElements(-1); }), "0 <= InsertLocationIndex and 0 <= NumElementsToInsert"},
      {AssertionFailureOf([&] { array.InsertElements(0, 4, -1); }), "0 <= InsertLocationIndex and 0 <= NumElementsToInsert"},
      {AssertionFailureOf([&] { array.InsertElements(3, 2); }), "InsertLocationIndex <= NumLogicalElementsInArray and NumLogicalElementsInArray <= N"},
      {AssertionFailureOf([&] { array.InsertElements(0, 5); }), "InsertLocationIndex <= NumLogicalElementsInArray and NumLogicalElementsInArray <= N"},
      {AssertionFailureOf([&] { array.RemoveElements(0, 4, -1); }), "0 <= RemoveLocationIndex and 0 <= NumElementsToRemove"},
      {AssertionFailureOf([&] { array.RemoveElements(3, 4, 2); }), "(RemoveLocationIndex + NumElementsToRemove) <= NumLogicalElementsInArray"},
      {AssertionFailureOf([&] { array.RemoveElements(0, 5, 1); }), "NumLogicalElementsInArray <= N"},
      {AssertionFailureOf([&] { array.GetIterator(-1, 1); }), "(StartIndex >= 0) and (NumElements >= 0)"},
      {AssertionFailureOf([&] { array.GetIterator(2, 3); }), "(StartIndex + NumElements - 1) < N"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.condition);
    EXPECT_TRUE(FailedOn(c.message, c.condition)) << c.message;
  }
  EXPECT_EQ(Contents(array), (std::vector<long>{0, 1, 2, 3}));  // failures changed nothing
}

// Knows which elements exist, so a copy made from a destroyed one shows.
struct LiveChecked {
  static std::set<const LiveChecked*> s_live;
  static int s_copiesFromTheDead;
  long Value = 0;
  LiveChecked() { s_live.insert(this); }
  LiveChecked(const LiveChecked& Other) : Value(Other.Value) {
    if (!s_live.count(&Other)) ++s_copiesFromTheDead;
    s_live.insert(this);
  }
  LiveChecked& operator=(const LiveChecked& Other) {
    if (!s_live.count(&Other)) ++s_copiesFromTheDead;
    Value = Other.Value;
    return *this;
  }
  ~LiveChecked() { s_live.erase(this); }
};
std::set<const LiveChecked*> LiveChecked::s_live;
int LiveChecked::s_copiesFromTheDead = 0;

TEST(ZQ_Array, SelfAssignmentKeepsTheElements) {
  LiveChecked::s_copiesFromTheDead = 0;
  ZQ_Array<LiveChecked> checked(3);
  checked[1].Value = 5;
  ZQ_Array<LiveChecked>& checkedAlias = checked;
  checked = checkedAlias;
  EXPECT_EQ(LiveChecked::s_copiesFromTheDead, 0);
  EXPECT_EQ(checked[1].Value, 5);

  ZQ_Array<ZQ_String> array(3, ZQ_String("x"));
  array[1] = "middle";
  ZQ_Array<ZQ_String>& alias = array;
  array = alias;
  ASSERT_EQ(array.GetNumElements(), 3);
  EXPECT_STREQ(array[1].GetText(), "middle");
  EXPECT_STREQ(array[2].GetText(), "x");
}

TEST(ZQ_Array, CopiesAreIndependent) {
  ZQ_Array<long> original = Numbered(3);
  ZQ_Array<long> copy(original);
  ZQ_Array<long> assigned = Numbered(7);
  assigned = original;
  copy[0] = 9;
  assigned[1] = 9;
  EXPECT_EQ(Contents(original), (std::vector<long>{0, 1, 2}));
  EXPECT_EQ(Contents(copy), (std::vector<long>{9, 1, 2}));
  EXPECT_EQ(Contents(assigned), (std::vector<long>{0, 9, 2}));
}

TEST(ZQ_Array, ResizeKeepsTheCommonPartAndFillsTheRest) {
  ZQ_Array<long> array = Numbered(3);
  array.Resize(5, 7);
  EXPECT_EQ(Contents(array), (std::vector<long>{0, 1, 2, 7, 7}));
  array.Resize(2, 7);
  EXPECT_EQ(Contents(array), (std::vector<long>{0, 1}));
  array.Resize(0);
  EXPECT_EQ(array.GetNumElements(), 0);
}

TEST(ZQ_Array, IteratorRunsOverTheRequestedRangeOfTheArraysOwnBlock) {
  ZQ_Array<long> array = Numbered(5);
  std::vector<long> seen;
  for (ZQ_Iterator<long> it = array.GetIterator(1, 3); it.IsValid(); it.Advance()) seen.push_back(*it);
  EXPECT_EQ(seen, (std::vector<long>{1, 2, 3}));
  ZQ_Iterator<long> whole = array.GetIterator();
  *whole = 42;  // writes into the array itself
  EXPECT_EQ(array[0], 42);
  EXPECT_FALSE(array.GetIterator(5, 0).IsValid());
}

TEST(ZQ_AutosizeArray, WritableAccessPastTheEndGrows) {
  const struct { long n, index, wantN; const char* why; } kCases[] = {
      {4, 3, 4, "the last element: no growth"},
      {4, 4, 10, "one past the end: 2 x index + 2, above 2 x N"},
      {0, 0, 2, "empty: 2 x index + 2"},
      {4, 5, 12, "far past the end: 2 x index + 2"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    ZQ_AutosizeArray<ZQ_String> array(c.n, ZQ_String("old"));
    array[c.index] = "new";
    ASSERT_EQ(array.GetNumElements(), c.wantN);
    EXPECT_STREQ(array[c.index].GetText(), "new");
    if (c.wantN > c.n && c.index + 1 < c.wantN) {
      EXPECT_TRUE(array[c.index + 1].IsEmpty());
    }
  }
  const ZQ_AutosizeArray<long> readOnly(2, 0);
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { readOnly[2]; }), "Index >= 0 and Index < N"));
}

TEST(ZQ_Array2D, ChecksIndicesInTheirOrderAndStoresRowByRow) {
  ZQ_Array2D<long> grid(2, 3, 0);
  grid(1, 0) = 10;
  grid(0, 2) = 2;
  EXPECT_EQ(grid(1, 0), 10);
  EXPECT_EQ(grid(0, 2), 2);
  const struct { long i, j; const char* condition; } kCases[] = {
      {2, 0, "i < NI"}, {0, 3, "j < NJ"}, {-1, 0, "i >= 0"}, {0, -1, "j >= 0"},
      {2, 3, "i < NI"}, {-1, 3, "j < NJ"}, {-1, -1, "i >= 0"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.condition);
    EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { grid(c.i, c.j); }), c.condition));
  }
}

}  // namespace

TEST(ZQ_Array, InsertionsAtTheEndGrowByOneAndKeepEveryValue) {
  // The block grows geometrically, but the array's size is still exactly the
  // logical count plus the insertions, and spare room never shows old values.
  ZQ_Array<ZQ_String> array;
  for (int i = 0; i < 1000; ++i) {
    array.InsertElements(array.GetNumElements());
    ASSERT_EQ(array.GetNumElements(), i + 1);
    EXPECT_TRUE(array[i].IsEmpty());
    array[i] = ZQ_ToString(i);
  }
  for (int i = 0; i < 1000; ++i) ASSERT_STREQ(array[i].GetText(), ZQ_ToString(i).GetText());
  array.Resize(10);
  array.Resize(12, "fill");
  EXPECT_STREQ(array[9].GetText(), "9");
  EXPECT_STREQ(array[10].GetText(), "fill");
  array.InsertElements(12);
  EXPECT_TRUE(array[12].IsEmpty());
  const ZQ_Array<ZQ_String> copy = array;
  EXPECT_EQ(copy.GetNumElements(), 13);
  EXPECT_STREQ(copy[11].GetText(), "fill");
}
