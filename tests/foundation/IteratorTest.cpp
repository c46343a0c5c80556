#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AssertionTestSupport.h"
#include "ZQ_AccumulatingIterator.h"
#include "ZQ_AutoPtr.h"
#include "ZQ_CopyIterator.h"
#include "ZQ_Iterator.h"
#include "ZQ_List.h"
#include "ZQ_Map.h"
#include "ZQ_RawPointerIterator.h"
#include "ZQ_String.h"

namespace {

ZQ_List<ZQ_String> ThreeStrings() {
  ZQ_List<ZQ_String> list;
  list.Append("one");
  list.Append("two");
  list.Append("three");
  return list;
}

// The elements from the iterator's position to its end, as std::strings.
template <class Handle>
std::vector<std::string> Remaining(Handle iterator) {
  std::vector<std::string> texts;
  for (; iterator.IsValid(); iterator.Advance()) texts.push_back(iterator->GetText());
  return texts;
}

TEST(ZQ_Iterator, CopiesCloneTheImplementationAndAdvanceIndependently) {
  ZQ_List<ZQ_String> list = ThreeStrings();
  ZQ_Iterator<ZQ_String> original = list.GetIterator();
  ZQ_Iterator<ZQ_String> copy = original;
  copy.Advance();
  copy.Advance();
  EXPECT_STREQ(original->GetText(), "one");
  EXPECT_STREQ(copy->GetText(), "three");

  ZQ_Iterator<ZQ_String> assigned;
  assigned = copy;
  assigned.Advance();
  EXPECT_FALSE(assigned.IsValid());
  EXPECT_STREQ(copy->GetText(), "three");

  assigned = assigned;  // the same implementation: nothing happens
  EXPECT_FALSE(assigned.IsValid());
}

TEST(ZQ_Iterator, CountElementsCountsFromThePositionAndLeavesTheCallersHandle) {
  ZQ_List<ZQ_String> list = ThreeStrings();
  ZQ_Iterator<ZQ_String> it = list.GetIterator();
  EXPECT_EQ(ZQ_CountElements(it), 3);
  EXPECT_STREQ(it->GetText(), "one");
  it.Advance();
  EXPECT_EQ(ZQ_CountElements(it), 2);
  EXPECT_STREQ(it->GetText(), "two");
}

TEST(ZQ_Iterator, AdvanceByACountStepsThatManyTimes) {
  ZQ_List<ZQ_String> list = ThreeStrings();
  ZQ_Iterator<ZQ_String> it = list.GetIterator();
  EXPECT_TRUE(it.Advance(0));
  EXPECT_TRUE(it.Advance(-2));
  EXPECT_STREQ(it->GetText(), "one");
  EXPECT_TRUE(it.Advance(2));
  EXPECT_STREQ(it->GetText(), "three");
  it.Rewind();
  EXPECT_STREQ(it->GetText(), "one");
}

TEST(ZQ_Iterator, ReadOnlyHandlesReadWritableImplementations) {
  ZQ_List<ZQ_String> list = ThreeStrings();
  ZQ_Iterator<ZQ_String> writable = list.GetIterator();
  writable.Advance();
  const ZQ_ReadOnlyIterator<ZQ_String> readOnly(writable);
  writable.Advance();
  EXPECT_EQ(Remaining(readOnly), (std::vector<std::string>{"two", "three"}));
  const ZQ_List<ZQ_String>& constList = list;
  EXPECT_EQ(ZQ_CountElements(constList.GetIterator()), 3);
}

TEST(ZQ_Iterator, MisuseIsReportedWithTheConditionOfEachImplementation) {
  ZQ_List<ZQ_String> list;
  ZQ_AccumulatingIteratorReference<long>* accumulated = new ZQ_AccumulatingIteratorReference<long>;
  accumulated->Append(1);
  ZQ_Iterator<long> accumulating(accumulated);
  accumulating.Advance();
  ZQ_Map<long, long> map;
  ZQ_ReadOnlyIterator<ZQ_MapKeyValuePair<long, long>> mapIterator = map.GetIterator();
  ZQ_Iterator<ZQ_String> listIterator = list.GetIterator();
  ZQ_ReadOnlyIterator<ZQ_String> null(ZQ_CreateNullIteratorReference<ZQ_String>());
  ZQ_Iterator<ZQ_String> copy(new ZQ_CopyIteratorReference<ZQ_String>(list.GetIterator()));

  const struct { std::string message; const char* condition; const char* why; } kCases[] = {
      {AssertionFailureOf([&] { null.Advance(); }), "false", "advancing a null iterator"},
      {AssertionFailureOf([&] { null.GetCurrent(); }), "false", "reading a null iterator"},
      {AssertionFailureOf([&] { listIterator.Advance(); }), "IsValid()", "advancing past a list"},
      {AssertionFailureOf([&] { listIterator.GetCurrent(); }), "IsValid()", "reading past a list"},
      {AssertionFailureOf([&] { accumulating.Advance(); }), "Index < N", "advancing past accumulated results"},
      {AssertionFailureOf([&] { mapIterator.Advance(); }), "Link != NULL", "advancing past a map"},
      {AssertionFailureOf([&] { mapIterator.GetCurrent(); }), "Link != NULL", "reading past a map"},
      {AssertionFailureOf([&] { copy.Advance(); }), "Index < A.GetLength()", "advancing past a copy"},
      {AssertionFailureOf([&] { copy.GetCurrent(); }), "Index < A.GetLength()", "reading past a copy"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_TRUE(FailedOn(c.message, c.condition)) << c.message;
  }
  EXPECT_FALSE(null.IsValid());
}

TEST(ZQ_Iterator, AccumulatedResultsAreOwnedByEachClone) {
  ZQ_AccumulatingIteratorReference<ZQ_String>* results = new ZQ_AccumulatingIteratorReference<ZQ_String>;
  results->Append("a");
  results->Append("b");
  results->Append("c");  // past the first growth of the storage
  const ZQ_ReadOnlyIterator<ZQ_String> first(results);
  ZQ_ReadOnlyIterator<ZQ_String> second = first;
  second.Advance();
  EXPECT_EQ(Remaining(first), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(Remaining(second), (std::vector<std::string>{"b", "c"}));
}

TEST(ZQ_Iterator, CopyAndReverseIteratorsTakeASnapshotFromThePosition) {
  ZQ_List<ZQ_String> list = ThreeStrings();
  list.Append("four");
  ZQ_Iterator<ZQ_String> source = list.GetIterator();
  source.Advance();
  const ZQ_ReadOnlyIterator<ZQ_String> copy(new ZQ_CopyIteratorReference<ZQ_String>(source));
  const ZQ_ReadOnlyIterator<ZQ_String> reverse(new ZQ_ReverseIteratorReference<ZQ_String>(source));
  EXPECT_STREQ(source->GetText(), "two");  // the caller's handle did not move
  list.RemoveAll();
  EXPECT_EQ(Remaining(copy), (std::vector<std::string>{"two", "three", "four"}));
  EXPECT_EQ(Remaining(reverse), (std::vector<std::string>{"four", "three", "two"}));
}

TEST(ZQ_Iterator, RawPointerIteratorYieldsWhatTheOwnersHold) {
  ZQ_Map<long, ZQ_AutoPtr<ZQ_String>> owners(2);
  ZQ_String* text = new ZQ_String("only");
  owners.Insert(7, ZQ_AutoPtr<ZQ_String>(text));
  ZQ_ReadOnlyIterator<ZQ_String*> pointers(new ZQ_RawPointerIteratorReference<ZQ_String>(owners.GetValueIterator()));
  ASSERT_TRUE(pointers.IsValid());
  EXPECT_EQ(*pointers, text);
  EXPECT_FALSE(pointers.Advance());
}

TEST(ZQ_GetStringLineIterator, SplitsTextIntoLines) {
  const struct { const char* text; char separator; long flags; std::vector<std::string> want; const char* why; } kCases[] = {
      {"a\r\nb", '\n', 0, {"a", "b"}, "carriage return before a line feed is dropped"},
      {"a\n\nb", '\n', 0, {"a", "", "b"}, "an empty line in the middle"},
      {"a\n", '\n', 0, {"a", ""}, "a final separator gives a final empty line"},
      {"", '\n', 0, {""}, "an empty text is one empty line"},
      {"", '\n', 1, {}, "flag bit 0: an empty text has no line"},
      {"x", '\n', 1, {"x"}, "flag bit 0 changes nothing else"},
      {"\r\n", '\n', 0, {"", ""}, "a lone carriage return line becomes empty"},
      {"a\r,b", ',', 0, {"a\r", "b"}, "carriage returns stay with other separators"},
      {"red,green", ',', 0, {"red", "green"}, "a list of items"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    ZQ_ReadOnlyIterator<ZQ_String> lines = ZQ_GetStringLineIterator(c.text, c.separator, c.flags);
    EXPECT_EQ(Remaining(lines), c.want);
    lines.Rewind();
    EXPECT_EQ(Remaining(lines), c.want);
  }
}

}  // namespace
