#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <new>
#include <string>

#include "ZQADT_StandardDatatypes.h"
#include "ZQ_DateAndTime.h"
#include "ZQ_Hasher.h"

namespace {

// Raw, deliberately unaligned storage for one value of any kind.
struct Slot {
  alignas(8) char bytes[32];
  void* At() { return bytes + 1; }
};

}  // namespace

TEST(ZQADT_Datatype, EachKindHasItsNameSizeAndDefault) {
  struct Case {
    ZQADT_Datatype type;
    const char* name;
    int size;
    const char* defaultText;
  };
  const Case kCases[] = {
      {ZQADT_CharDatatype(), "Single Character", 1, " "},
      {ZQADT_UInt8Datatype(), "8-bit Unsigned Integer", 1, "32"},
      {ZQADT_Int16Datatype(), "16-bit Integer", 2, "0"},
      {ZQADT_UInt16Datatype(), "16-bit Unsigned Integer", 2, "0"},
      {ZQADT_Int32Datatype(), "32-bit Integer", 4, "0"},
      {ZQADT_UInt32Datatype(), "32-bit Unsigned Integer", 4, "0"},
      {ZQADT_FloatDatatype(), "Single-Precision Floating Point Number", 4, "0"},
      {ZQADT_DoubleDatatype(), "Double-Precision Floating Point Number", 8, "0"},
      {ZQADT_BoolDatatype(), "Boolean", 1, nullptr},
      {ZQADT_StringDatatype(), "Text String", 4, ""},
      {ZQADT_TimeDatatype(), "Time", 4, nullptr},
      {ZQADT_DateDatatype(), "Date", 4, nullptr},
      {ZQADT_PointInTimeDatatype(), "Point In Time", 8, nullptr},
      {ZQADT_ElapsedTimeDatatype(), "Elapsed Time", 8, nullptr},
  };
  for (auto& c : kCases) {
    SCOPED_TRACE(c.name);
    EXPECT_STREQ(c.type.GetDisplayName().GetText(), c.name);
    EXPECT_EQ(c.type.GetSize(), c.size);
    EXPECT_TRUE(c.type.IsAvailable());
    Slot slot, fresh;
    std::memset(slot.bytes, 0x5A, sizeof slot.bytes);
    c.type.ConstructInPlace(slot.At());
    c.type.ConstructInPlace(fresh.At());
    c.type.SetToDefault(slot.At());
    if (c.defaultText) {
      EXPECT_STREQ(c.type.ToText(slot.At()).GetText(), c.defaultText);
    } else {
      EXPECT_GT(c.type.ToText(slot.At()).GetLength(), 0);
    }
    EXPECT_TRUE(c.type.IsEqual(slot.At(), fresh.At()) || c.size == 1)
        << "the default is the value-initialised value but for blanks";
    EXPECT_EQ(slot.bytes[1 + c.size], 0x5A) << "nothing written past the value";
    c.type.DestroyInPlace(slot.At());
    c.type.DestroyInPlace(fresh.At());
  }
}

TEST(ZQADT_Datatype, ConstructedNumbersAreZeroNotLeftovers) {
  const ZQADT_Datatype kTypes[] = {ZQADT_Int32Datatype(), ZQADT_DoubleDatatype(), ZQADT_UInt8Datatype()};
  for (auto& type : kTypes) {
    SCOPED_TRACE(type.GetDisplayName().GetText());
    Slot slot;
    std::memset(slot.bytes, 0x5A, sizeof slot.bytes);
    type.ConstructInPlace(slot.At());
    EXPECT_STREQ(type.ToText(slot.At()).GetText(), "0");
  }
}

TEST(ZQADT_Datatype, ValuesCompareCopyAndWriteThroughTheirKind) {
  struct Case {
    const char* why;
    ZQADT_Datatype type;
    std::function<void(void*)> makeSmall, makeLarge;
    const char* largeText;
  };
  const Case kCases[] = {
      {"char", ZQADT_CharDatatype(), [](void* p) { new (p) char('a'); }, [](void* p) { new (p) char('z'); }, "z"},
      {"uint8 as a number", ZQADT_UInt8Datatype(), [](void* p) { *(unsigned char*)p = 7; },
       [](void* p) { *(unsigned char*)p = 200; }, "200"},
      {"int16", ZQADT_Int16Datatype(), [](void* p) { short v = -300; std::memcpy(p, &v, 2); },
       [](void* p) { short v = 12; std::memcpy(p, &v, 2); }, "12"},
      {"int32", ZQADT_Int32Datatype(), [](void* p) { long v = -70000; std::memcpy(p, &v, 4); },
       [](void* p) { long v = 70000; std::memcpy(p, &v, 4); }, "70000"},
      {"uint32", ZQADT_UInt32Datatype(), [](void* p) { unsigned long v = 1; std::memcpy(p, &v, 4); },
       [](void* p) { unsigned long v = 4000000000UL; std::memcpy(p, &v, 4); }, "4000000000"},
      {"float widened", ZQADT_FloatDatatype(), [](void* p) { float v = -1.5f; std::memcpy(p, &v, 4); },
       [](void* p) { float v = 2.5f; std::memcpy(p, &v, 4); }, "2.5"},
      {"double", ZQADT_DoubleDatatype(), [](void* p) { double v = 0.25; std::memcpy(p, &v, 8); },
       [](void* p) { double v = 1e3; std::memcpy(p, &v, 8); }, "1000"},
      {"string", ZQADT_StringDatatype(), [](void* p) { new (p) ZQ_String("abc"); },
       [](void* p) { new (p) ZQ_String("abd"); }, "abd"},
  };
  for (auto& c : kCases) {
    SCOPED_TRACE(c.why);
    Slot small, large, copy;
    c.type.ConstructInPlace(small.At());
    c.type.ConstructInPlace(large.At());
    c.type.DestroyInPlace(small.At());
    c.type.DestroyInPlace(large.At());
    c.makeSmall(small.At());
    c.makeLarge(large.At());
    EXPECT_TRUE(c.type.IsLess(small.At(), large.At()));
    EXPECT_FALSE(c.type.IsLess(large.At(), small.At()));
    EXPECT_FALSE(c.type.IsEqual(small.At(), large.At()));
    EXPECT_STREQ(c.type.ToText(large.At()).GetText(), c.largeText);
    c.type.CopyConstructInPlace(copy.At(), small.At());
    EXPECT_TRUE(c.type.IsEqual(copy.At(), small.At()));
    c.type.Assign(copy.At(), large.At());
    EXPECT_TRUE(c.type.IsEqual(copy.At(), large.At()));
    ZQ_Hasher h1, h2;
    c.type.Hash(h1, copy.At());
    c.type.Hash(h2, large.At());
    EXPECT_EQ(h1.GetHash(), h2.GetHash());
    for (Slot* s : {&small, &large, &copy}) c.type.DestroyInPlace(s->At());
  }
}

TEST(ZQADT_Datatype, HandlesOfAKindShareOneReference) {
  ZQADT_PointInTimeDatatype first;
  const int before = first.GetNumReferences();
  {
    ZQADT_PointInTimeDatatype second;
    ZQADT_Datatype copy = second;
    EXPECT_TRUE(copy == first);
    EXPECT_EQ(first.GetNumReferences(), before + 2);
    copy = copy;
    EXPECT_EQ(first.GetNumReferences(), before + 2);
  }
  EXPECT_EQ(first.GetNumReferences(), before);
  EXPECT_TRUE(ZQADT_Int32Datatype() != ZQADT_UInt32Datatype());
}

TEST(ZQADT_Datatype, EachKindHasAGlobalHandleBuiltAtStartUp) {
  const struct { const ZQADT_Datatype& global; ZQADT_Datatype fresh; const char* name; } kCases[] = {
      {ZQADT_CharDatatypeInstance, ZQADT_CharDatatype(), "Single Character"},
      {ZQADT_UInt8DatatypeInstance, ZQADT_UInt8Datatype(), "8-bit Unsigned Integer"},
      {ZQADT_Int16DatatypeInstance, ZQADT_Int16Datatype(), "16-bit Integer"},
      {ZQADT_UInt16DatatypeInstance, ZQADT_UInt16Datatype(), "16-bit Unsigned Integer"},
      {ZQADT_Int32DatatypeInstance, ZQADT_Int32Datatype(), "32-bit Integer"},
      {ZQADT_UInt32DatatypeInstance, ZQADT_UInt32Datatype(), "32-bit Unsigned Integer"},
      {ZQADT_FloatDatatypeInstance, ZQADT_FloatDatatype(), "Single-Precision Floating Point Number"},
      {ZQADT_DoubleDatatypeInstance, ZQADT_DoubleDatatype(), "Double-Precision Floating Point Number"},
      {ZQADT_BoolDatatypeInstance, ZQADT_BoolDatatype(), "Boolean"},
      {ZQADT_StringDatatypeInstance, ZQADT_StringDatatype(), "Text String"},
      {ZQADT_TimeDatatypeInstance, ZQADT_TimeDatatype(), "Time"},
      {ZQADT_DateDatatypeInstance, ZQADT_DateDatatype(), "Date"},
      {ZQADT_PointInTimeDatatypeInstance, ZQADT_PointInTimeDatatype(), "Point In Time"},
      {ZQADT_ElapsedTimeDatatypeInstance, ZQADT_ElapsedTimeDatatype(), "Elapsed Time"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    ASSERT_FALSE(c.global.IsNull()) << "built before the program's entry";
    EXPECT_TRUE(c.global == c.fresh) << "one shared reference per kind";
    EXPECT_STREQ(c.global.GetDisplayName().GetText(), c.name);
    // The kind's own share, the global's and the fresh handle's at least.
    EXPECT_GE(c.fresh.GetNumReferences(), 3);
  }
}

TEST(ZQADT_Datatype, ReferenceIsDeletedAfterTheLastHandle) {
  struct CountingRef : ZQADT_DatatypeRef {
    explicit CountingRef(int* Deleted) : deleted(Deleted) {}
    ~CountingRef() override { ++*deleted; }
    ZQ_String GetDisplayName() const override { return "Counting"; }
    int GetSize() const override { return 0; }
    void ConstructInPlace(void*) const override {}
    void CopyConstructInPlace(void*, const void*) const override {}
    void DestroyInPlace(void*) const override {}
    void Assign(void*, const void*) const override {}
    void SetToDefault(void*) const override {}
    bool IsEqual(const void*, const void*) const override { return true; }
    bool IsLess(const void*, const void*) const override { return false; }
    ZQ_String ToText(const void*) const override { return ZQ_String(); }
    void Hash(ZQ_Hasher&, const void*) const override {}
    int* deleted;
  };
  int deleted = 0;
  {
    ZQADT_Datatype first(new CountingRef(&deleted));
    {
      ZQADT_Datatype second = first;
      EXPECT_EQ(first.GetNumReferences(), 2);
    }
    EXPECT_EQ(deleted, 0);
  }
  EXPECT_EQ(deleted, 1);
}

TEST(ZQADT_Datatype, HashingADatatypeAddsItsDisplayName) {
  ZQ_Hasher byType, byName;
  byType << ZQADT_DateDatatype();
  byName << ZQ_String("Date");
  EXPECT_EQ(byType.GetHash(), byName.GetHash());
}
