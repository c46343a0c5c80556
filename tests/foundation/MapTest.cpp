#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "AssertionTestSupport.h"
#include "ZQ_AutoPtr.h"
#include "ZQ_Map.h"
#include "ZQ_Set.h"
#include "ZQ_String.h"

namespace {

std::vector<long> KeysInOrder(const ZQ_Map<long, long>& map) {
  std::vector<long> keys;
  for (ZQ_ReadOnlyIterator<long> it = map.GetKeyIterator(); it.IsValid(); it.Advance())
    keys.push_back(*it);
  return keys;
}

TEST(ZQ_Map, KeysHashAsTheTableOfKeyTypesSays) {
  int object = 0;
  const void* address = &object;
  EXPECT_EQ(ZQ_Hash<long>(5), 5u);
  EXPECT_EQ(ZQ_Hash<long>(-1), 0xFFFFFFFFu);
  EXPECT_EQ(ZQ_Hash<unsigned short>(65535), 65535u);
  EXPECT_EQ(ZQ_Hash<const void*>(address), reinterpret_cast<unsigned long>(address));
  EXPECT_EQ(ZQ_Hash<ZQ_String>("abcd"), 0x646362E1u);
  EXPECT_EQ(ZQ_Hash<ZQ_CaseInsensitiveString>("ABC"), 0x00008C03u);
}

TEST(ZQ_Map, IterationFollowsBucketsThenChainsFromTheHead) {
  ZQ_Map<long, long> map(37);
  map.Set(40, 0);  // bucket 3
  map.Set(3, 0);   // bucket 3, new head
  map.Set(1, 0);   // bucket 1
  map.Set(36, 0);  // bucket 36
  EXPECT_EQ(KeysInOrder(map), (std::vector<long>{1, 3, 40, 36}));
}

TEST(ZQ_Map, GrowsToTheNextPrimeWhenAnInsertionFindsMoreThanTwiceTheBuckets) {
  const struct { long initialBuckets; long keys; long wantBuckets; } kCases[] = {
      {2, 5, 2}, {2, 6, 5}, {2, 11, 5}, {2, 12, 11}, {2, 23, 11}, {2, 24, 17},
      {2, 36, 37}, {37, 75, 37}, {37, 76, 67}, {23, 48, 37}, {1, 3, 1}, {1, 4, 2},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(std::to_string(c.initialBuckets) + " buckets, " + std::to_string(c.keys) + " keys");
    ZQ_Map<long, long> map(c.initialBuckets);
    for (long key = 0; key < c.keys; ++key) map.Set(key, key);
    EXPECT_EQ(map.GetNumBuckets(), c.wantBuckets);
    map.Set(0, 1);  // an existing key never grows the table
    EXPECT_EQ(map.GetNumBuckets(), c.wantBuckets);
  }
}

TEST(ZQ_Map, GrowthKeepsEveryElementAndEveryLink) {
  ZQ_Map<ZQ_String, long> map(2);
  ZQ_Map<ZQ_String, long>::Link* first = map.GetOrCreateLink("key0");
  for (long i = 1; i < 5000; ++i) map.Insert(ZQ_String("key") + std::to_string(i).c_str(), i);
  EXPECT_EQ(map.GetNumElements(), 5000);
  EXPECT_EQ(map.GetNumBuckets(), 4099);  // the 4108th key left 2053
  EXPECT_EQ(map.FindLink("key0"), first);
  std::vector<int> seen(5000, 0);
  for (ZQ_ReadOnlyIterator<ZQ_MapKeyValuePair<ZQ_String, long>> it = map.GetIterator(); it.IsValid(); it.Advance()) {
    ASSERT_TRUE(it->Key == ZQ_String("key") + std::to_string(it->Value).c_str());
    ++seen[it->Value];
  }
  EXPECT_EQ(std::vector<int>(5000, 1), seen);
}

// A record key that counts its comparisons: the work of a look-up, not its time.
struct CountingKey {
  long Value;
  static long s_comparisons;
  unsigned long GetHashValue() const { return static_cast<unsigned long>(Value); }
  bool operator==(const CountingKey& Other) const {
    ++s_comparisons;
    return Value == Other.Value;
  }
};
long CountingKey::s_comparisons = 0;

TEST(ZQ_Map, AMillionKeysKeepChainsShort) {
  const long kKeys = 1000000;
  ZQ_Map<CountingKey, long> map(37);
  long growths = 0;
  for (long i = 0; i < kKeys; ++i) {
    const long before = map.GetNumBuckets();
    map.Set(CountingKey{i * 7}, i);
    if (map.GetNumBuckets() != before) ++growths;
  }
  EXPECT_EQ(growths, 14);  // 67, 131, ... 524309
  EXPECT_EQ(map.GetNumBuckets(), 524309);
  CountingKey::s_comparisons = 0;
  for (long i = 0; i < kKeys; ++i) ASSERT_EQ(map.GetValue(CountingKey{i * 7}), i);
  // With about two links per bucket a found key takes 1.5 comparisons on
  // average; a table that stopped growing would take thousands.
  EXPECT_LE(CountingKey::s_comparisons, 2 * kKeys);
}

TEST(ZQ_Map, SetReplacesTheValueOfAnExistingKey) {
  ZQ_Map<ZQ_String, ZQ_String> map;
  EXPECT_TRUE(map.Set("k", "old"));
  EXPECT_FALSE(map.Set("k", "new"));
  EXPECT_EQ(map.GetNumElements(), 1);
  EXPECT_STREQ(map.GetValue("k").GetText(), "new");
  ZQ_String out("untouched");
  EXPECT_FALSE(map.GetValueIfExists("absent", out));
  EXPECT_STREQ(out.GetText(), "untouched");
  EXPECT_TRUE(map.GetValueIfExists("k", out));
  EXPECT_STREQ(out.GetText(), "new");
  EXPECT_TRUE(map.GetOrCreateLink("fresh")->Value.IsEmpty());
  ZQ_Map<long, long> numbers;
  EXPECT_EQ(numbers.GetOrCreateLink(4)->Value, 0);
}

TEST(ZQ_Map, PreconditionFailuresNameTheirCondition) {
  ZQ_Map<long, long> map(37);
  map.Set(1, 10);
  const struct { std::string message; const char* condition; const char* why; } kCases[] = {
      {AssertionFailureOf([&] { map.Insert(1, 11); }), "ValueIsNew", "inserting an existing key"},
      {AssertionFailureOf([&] { map.GetValue(2); }), "MatchingLink", "getting a missing key"},
      {AssertionFailureOf([&] { map.Remove(2, true); }), "false", "removing from an empty bucket"},
      {AssertionFailureOf([&] { map.Remove(38, true); }), "false", "removing a key its chain lacks"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_TRUE(FailedOn(c.message, c.condition)) << c.message;
  }
  EXPECT_EQ(map.GetNumElements(), 1);
  EXPECT_FALSE(map.Remove(38, false));  // without MustExist: nothing at all
  EXPECT_TRUE(map.Remove(1, true));
  EXPECT_TRUE(map.IsEmpty());
}

TEST(ZQ_Map, CaseInsensitiveKeysDifferingInCaseAreOneKey) {
  ZQ_Map<ZQ_CaseInsensitiveString, long> insensitive;
  insensitive.Set("Key", 1);
  insensitive.Set("KEY", 2);
  EXPECT_EQ(insensitive.GetNumElements(), 1);
  EXPECT_EQ(insensitive.GetValue("key"), 2);
  ZQ_Map<ZQ_String, long> sensitive;
  sensitive.Set("Key", 1);
  sensitive.Set("KEY", 2);
  EXPECT_EQ(sensitive.GetNumElements(), 2);
}

TEST(ZQ_Map, CopiesHoldTheSameKeysWithEachChainReversed) {
  ZQ_Map<long, long> map(37);
  for (long key : {40, 3, 77, 1}) map.Set(key, key * 10);  // 40, 3 and 77 share bucket 3
  ZQ_Map<long, long> copy(map);
  EXPECT_EQ(KeysInOrder(map), (std::vector<long>{1, 77, 3, 40}));
  EXPECT_EQ(KeysInOrder(copy), (std::vector<long>{1, 40, 3, 77}));
  ZQ_Map<long, long> assigned(2);
  assigned.Set(5, 5);
  assigned = map;
  EXPECT_EQ(assigned.GetNumBuckets(), 37);
  EXPECT_EQ(KeysInOrder(assigned), KeysInOrder(copy));
  assigned = assigned;
  EXPECT_EQ(assigned.GetNumElements(), 4);
  copy.Set(3, 0);
  EXPECT_EQ(map.GetValue(3), 30);
}

TEST(ZQ_Map, RemovalNeverShrinksTheTable) {
  ZQ_Map<long, long> map(2);
  for (long key = 0; key < 12; ++key) map.Set(key, key);
  map.Remove(0, true);
  map.RemoveAll();
  EXPECT_TRUE(map.IsEmpty());
  EXPECT_EQ(map.GetNumBuckets(), 11);
  EXPECT_FALSE(map.GetIterator().IsValid());
}

TEST(ZQ_Map, InsertOfAnExistingKeyReplacesItsValueAlsoWhenTheFailureThrows) {
  ZQ_Map<long, ZQ_String> map;
  map.Set(1, "old");
  const ZQ_String copied("copied");
  const struct { std::function<void()> insert; const char* value; const char* why; } kCases[] = {
      {[&] { map.Insert(1, copied); }, "copied", "a copied value"},
      {[&] { map.Insert(1, ZQ_String("moved")); }, "moved", "a moved value"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    const std::string failure = AssertionFailureOf(c.insert);
    EXPECT_TRUE(FailedOn(failure, "ValueIsNew")) << failure;
    EXPECT_STREQ(map.GetValue(1).GetText(), c.value);
    EXPECT_EQ(map.GetNumElements(), 1);
  }
}

struct Tracked {
  static int s_alive;
  Tracked() { ++s_alive; }
  ~Tracked() { --s_alive; }
};
int Tracked::s_alive = 0;

TEST(ZQ_Map, SoleOwnersAsValuesSurviveGrowthAndDieWithTheirLinks) {
  {
    ZQ_Map<long, ZQ_AutoPtr<Tracked>> map(2);
    Tracked* first = new Tracked;
    map.Insert(0, ZQ_AutoPtr<Tracked>(first));
    for (long key = 1; key < 100; ++key) map.Set(key, ZQ_AutoPtr<Tracked>(new Tracked));
    EXPECT_EQ(map.GetValue(0).Get(), first);
    EXPECT_EQ(Tracked::s_alive, 100);
    map.Remove(5, true);
    EXPECT_EQ(Tracked::s_alive, 99);
    map.Set(6, ZQ_AutoPtr<Tracked>(new Tracked));  // replaces and deletes the old one
    EXPECT_EQ(Tracked::s_alive, 99);
  }
  EXPECT_EQ(Tracked::s_alive, 0);
}

TEST(ZQ_Map, IteratorsOverAnEmptyMapAndAOneElementMap) {
  ZQ_Map<ZQ_String, long> map;
  EXPECT_FALSE(map.GetIterator().IsValid());
  EXPECT_FALSE(map.GetKeyIterator().IsValid());
  map.Set("only", 1);
  ZQ_Iterator<long> values = map.GetValueIterator();
  ASSERT_TRUE(values.IsValid());
  *values = 2;  // values are writable through their iterator
  EXPECT_FALSE(values.Advance());
  EXPECT_EQ(map.GetValue("only"), 2);
  EXPECT_EQ(ZQ_CountElements(map.GetIterator()), 1);
}

TEST(ZQ_Set, MembersAreTheKeysOfAMap) {
  ZQ_Set<ZQ_String> set;
  EXPECT_TRUE(set.Add("a"));
  EXPECT_FALSE(set.Add("a"));
  EXPECT_TRUE(set.Add("b"));
  EXPECT_TRUE(set.Contains("a"));
  EXPECT_FALSE(set.Contains("A"));
  EXPECT_EQ(set.GetNumElements(), 2);
  EXPECT_TRUE(set.Remove("a"));
  EXPECT_FALSE(set.Remove("a"));
  ZQ_ReadOnlyIterator<ZQ_String> members = set.GetIterator();
  ASSERT_TRUE(members.IsValid());
  EXPECT_STREQ(members->GetText(), "b");
  EXPECT_FALSE(members.Advance());
}

}  // namespace
