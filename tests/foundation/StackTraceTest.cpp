#include <gtest/gtest.h>

#include <cstdint>
#include <new>
#include <stdexcept>
#include <string>

#include "AssertionTestSupport.h"
#include "ZQ_StackTrace.h"
#include "ZQ_String.h"
#include "ZQ_StringStream.h"
#include "ZQ_TextStreamFormatterManipulator.h"

namespace {

// Runs growth tests on a fresh stack and puts the process's stack back after.
class FreshTraceStack : public testing::Test {
 protected:
  void SetUp() override {
    savedBase = ZQ_StackTrace_Base;
    savedTop = ZQ_StackTrace_Top;
    savedLimit = ZQ_StackTrace_Limit;
    ZQ_StackTrace_Base = nullptr;
    ZQ_StackTrace_Top = ZQ_StackTrace_Limit = &placeholder;
  }
  void TearDown() override {
    ::operator delete(ZQ_StackTrace_Base);
    ZQ_StackTrace_Base = savedBase;
    ZQ_StackTrace_Top = savedTop;
    ZQ_StackTrace_Limit = savedLimit;
  }
  long EntryIndex(const ZQ_StackTraceEntry* Entry) const {
    return static_cast<long>(Entry - ZQ_StackTrace_Base);
  }
  ZQ_StackTraceEntry placeholder{};
  ZQ_StackTraceEntry* savedBase = nullptr;
  ZQ_StackTraceEntry* savedTop = nullptr;
  ZQ_StackTraceEntry* savedLimit = nullptr;
};

TEST_F(FreshTraceStack, FirstPushAllocatesTwoEntriesAndWritesEntry1) {
  ZQ_StackTrace_Push(-1, "First", 0);
  ASSERT_NE(ZQ_StackTrace_Base, nullptr);
  EXPECT_EQ(EntryIndex(ZQ_StackTrace_Top), 1);
  EXPECT_EQ(EntryIndex(ZQ_StackTrace_Limit), 1);
  EXPECT_STREQ(ZQ_StackTrace_Base[1].Text, "First");
  EXPECT_EQ(placeholder.Text, nullptr);  // nothing written before growing
}

TEST_F(FreshTraceStack, EachGrowthDoublesTheArrayAndKeepsTheEntries) {
  // Pushes that pass the limit: growing from N to 2N entries leaves Top at
  // entry N and Limit at entry 2N - 1.
  const struct { int push; long top; long limit; } kCases[] = {
      {1, 1, 1},  {2, 2, 3},  {3, 3, 3},  {4, 4, 7},   {7, 7, 7},
      {8, 8, 15}, {15, 15, 15}, {16, 16, 31}, {33, 33, 63},
  };
  static const char* const kNames[] = {"e0", "e1", "e2", "e3"};
  int pushed = 0;
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.push);
    while (pushed < c.push) {
      ++pushed;
      ZQ_StackTrace_Push(-2, kNames[pushed % 4], pushed);
    }
    EXPECT_EQ(EntryIndex(ZQ_StackTrace_Top), c.top);
    EXPECT_EQ(EntryIndex(ZQ_StackTrace_Limit), c.limit);
    for (int i = 1; i <= pushed; ++i) {
      EXPECT_EQ(ZQ_StackTrace_Base[i].Kind, -2);
      EXPECT_STREQ(ZQ_StackTrace_Base[i].Text, kNames[i % 4]);
      EXPECT_EQ(ZQ_StackTrace_Base[i].Value, i);
    }
  }
}

TEST_F(FreshTraceStack, PopsAndPushesReuseTheArrayWithoutGrowing) {
  ZQ_StackTrace_Push(-1, "a", 0);
  ZQ_StackTrace_Push(-1, "b", 0);
  ZQ_StackTraceEntry* base = ZQ_StackTrace_Base;
  ZQ_StackTrace_Pop();
  ZQ_StackTrace_Push(-1, "c", 0);
  EXPECT_EQ(ZQ_StackTrace_Base, base);
  EXPECT_EQ(ZQ_StackTrace_GetDepth(), 2);
  EXPECT_STREQ(ZQ_StackTrace_Top->Text, "c");
}

// ---------------------------------------------------------------------------
// Frames

struct FrameSnapshot {
  long depth;
  ZQ_StackTraceEntry entries[5];  // the top five, bottom first
};

FrameSnapshot s_snapshot;

void TakeSnapshot() {
  s_snapshot.depth = ZQ_StackTrace_GetDepth();
  for (int i = 0; i < 5; ++i) s_snapshot.entries[i] = ZQ_StackTrace_Top[i - 4];
}

const char kNote[] = "got flags";
long s_lineOfTraceLine = 0;

void ReportError(const ZQ_String& ErrorName, int Count, bool Throw) {
  ZQ_TRACE_FUNCTION("ZQ_ReportError");
  ZQ_TRACE_VARIABLE(ErrorName);
  ZQ_TRACE_VARIABLE(Count);
  ZQ_TRACE_NOTE(kNote);
  s_lineOfTraceLine = __LINE__ + 1;
  ZQ_TRACE_LINE();
  TakeSnapshot();
  if (Throw) throw std::runtime_error("leaving");
}

TEST(ZQ_StackTrace, FrameMacrosPushFunctionVariablesNoteAndLine) {
  const long depth = ZQ_StackTrace_GetDepth();
  const ZQ_String name("ErrorName value");
  ReportError(name, 3, false);
  EXPECT_EQ(s_snapshot.depth, depth + 5);
  const ZQ_StackTraceEntry* e = s_snapshot.entries;
  EXPECT_EQ(e[0].Kind, -1);
  EXPECT_STREQ(e[0].Text, "ZQ_ReportError");
  EXPECT_EQ(e[1].Kind, 0);
  EXPECT_STREQ(e[1].Text, "ErrorName");
  EXPECT_EQ(e[1].Value, reinterpret_cast<std::intptr_t>(&name));
  EXPECT_EQ(e[2].Kind, 5);
  EXPECT_STREQ(e[2].Text, "Count");
  EXPECT_EQ(e[3].Kind, -3);
  EXPECT_STREQ(e[3].Text, "ZQ_ReportError");
  EXPECT_EQ(e[3].Value, reinterpret_cast<std::intptr_t>(kNote));
  EXPECT_EQ(e[4].Kind, -2);
  EXPECT_STREQ(e[4].Text, "ZQ_ReportError");
  EXPECT_EQ(e[4].Value, s_lineOfTraceLine);
  EXPECT_EQ(ZQ_StackTrace_GetDepth(), depth);
}

void Outer(int Level) {
  ZQ_TRACE_FUNCTION("Outer");
  ZQ_TRACE_VARIABLE(Level);
  if (Level > 0)
    Outer(Level - 1);
  else
    ReportError(ZQ_String("x"), Level, true);
}

TEST(ZQ_StackTrace, AnExceptionLeavingFunctionsLeavesTheStackAsItWas) {
  // Deep enough to make the stack grow while the frames are pushed.
  for (int levels : {0, 1, 40, 300}) {
    SCOPED_TRACE(levels);
    const long depth = ZQ_StackTrace_GetDepth();
    // The array may move while it grows: keep a copy of the top entry.
    const ZQ_StackTraceEntry top = depth > 0 ? *ZQ_StackTrace_Top : ZQ_StackTraceEntry{};
    EXPECT_THROW(Outer(levels), std::runtime_error);
    EXPECT_EQ(s_snapshot.depth, depth + 2 * (levels + 1) + 5);
    EXPECT_EQ(ZQ_StackTrace_GetDepth(), depth);
    if (depth > 0) {
      EXPECT_EQ(ZQ_StackTrace_Top->Kind, top.Kind);
      EXPECT_EQ(ZQ_StackTrace_Top->Text, top.Text);
    }
  }
}

TEST(ZQ_StackTrace, WatchedVariablesTakeTheTypeCodeOfTheirType) {
  EXPECT_EQ(ZQ_StackTrace_TypeCode<ZQ_String>::Value, 0);
  EXPECT_EQ(ZQ_StackTrace_TypeCode<const ZQ_String>::Value, 0);
  EXPECT_EQ(ZQ_StackTrace_TypeCode<const char*>::Value, 1);
  EXPECT_EQ(ZQ_StackTrace_TypeCode<char>::Value, 2);
  EXPECT_EQ(ZQ_StackTrace_TypeCode<short>::Value, 4);
  EXPECT_EQ(ZQ_StackTrace_TypeCode<int>::Value, 5);
  EXPECT_EQ(ZQ_StackTrace_TypeCode<long>::Value, 6);
  EXPECT_EQ(ZQ_StackTrace_TypeCode<unsigned char>::Value, 7);
  EXPECT_EQ(ZQ_StackTrace_TypeCode<unsigned short>::Value, 8);
  EXPECT_EQ(ZQ_StackTrace_TypeCode<unsigned int>::Value, 9);
  EXPECT_EQ(ZQ_StackTrace_TypeCode<unsigned long>::Value, 10);
  EXPECT_EQ(ZQ_StackTrace_TypeCode<double>::Value, 11);
  EXPECT_EQ(ZQ_StackTrace_TypeCode<float>::Value, 12);
  EXPECT_EQ(ZQ_StackTrace_TypeCode<const bool>::Value, 13);
}

// ---------------------------------------------------------------------------
// Formatter registration

ZQ_String FormatForTest(const void*) { return ZQ_String("formatted"); }

TEST(ZQ_StackTrace, RegisteringAFormatterFillsItsSlotOnce) {
  const long kFreeCode = 49;
  ASSERT_EQ(ZQ_StackTrace_VarFormatterFunTable[kFreeCode], nullptr);
  ZQ_StackTrace_RegisterVarFormatter first(kFreeCode, &FormatForTest);
  EXPECT_EQ(ZQ_StackTrace_VarFormatterFunTable[kFreeCode], &FormatForTest);
  EXPECT_TRUE(FailedOn(
      AssertionFailureOf([&] { ZQ_StackTrace_RegisterVarFormatter again(kFreeCode, &FormatForTest); }),
      "ZQ_StackTrace_VarFormatterFunTable [TypeCode] == NULL"));
  ZQ_StackTrace_VarFormatterFunTable[kFreeCode] = nullptr;
}

TEST(ZQ_StackTrace, RegisteringOutsideTheTableFailsAndStoresNothing) {
  for (long code : {50L, -1L, 1000L}) {
    SCOPED_TRACE(code);
    const long depth = ZQ_StackTrace_GetDepth();
    EXPECT_TRUE(FailedOn(
        AssertionFailureOf([&] { ZQ_StackTrace_RegisterVarFormatter bad(code, &FormatForTest); }),
        "0 <= TypeCode and TypeCode < ZQ_StackTrace_VarFormatterFunTableSize"));
    EXPECT_EQ(ZQ_StackTrace_GetDepth(), depth);
  }
}

// ---------------------------------------------------------------------------
// Dump

const long kThrowingCode = 47;
const long kGrowingCode = 46;
const long kEmptyCode = 48;

ZQ_String ThrowingFormatter(const void*) { throw std::runtime_error("unreadable"); }

// Pushes enough frames to move the array while the dump walks it.
ZQ_String GrowingFormatter(const void*) {
  for (int i = 0; i < 200; ++i) ZQ_StackTrace_Push(-1, "pushed by formatter", 0);
  for (int i = 0; i < 200; ++i) ZQ_StackTrace_Pop();
  return ZQ_String("grown");
}

class TraceStackDump : public FreshTraceStack {
 protected:
  void SetUp() override {
    FreshTraceStack::SetUp();
    ZQ_StackTrace_VarFormatterFunTable[kThrowingCode] = &ThrowingFormatter;
    ZQ_StackTrace_VarFormatterFunTable[kGrowingCode] = &GrowingFormatter;
  }
  void TearDown() override {
    ZQ_StackTrace_VarFormatterFunTable[kThrowingCode] = nullptr;
    ZQ_StackTrace_VarFormatterFunTable[kGrowingCode] = nullptr;
    FreshTraceStack::TearDown();
  }
  std::string Dump() {
    ZQ_StringStream out;
    ZQ_StackTrace_Dump(out);
    return out.GetText();
  }
};

TEST_F(TraceStackDump, WithoutAnyPushOnlyTheHeaderAndTheFinalLineEnd) {
  EXPECT_EQ(Dump(), "\nStack:\n\n\n");
}

TEST_F(TraceStackDump, EachKindOfEntryHasItsLine) {
  const ZQ_String errorName("abc");
  const int count = 3;
  const double ratio = 0.1;
  const char* const unknown = "unused";
  static const char kNote[] = "CreateFile successful";
  const struct {
    long kind;
    const char* text;
    std::intptr_t value;
    const char* line;
  } kEntries[] = {
      {-1, "ZQ_ReportError", 0, "    ZQ_ReportError"},
      {0, "ErrorName", reinterpret_cast<std::intptr_t>(&errorName), "        ErrorName = \"abc\""},
      {5, "Count", reinterpret_cast<std::intptr_t>(&count), "        Count = 3"},
      {11, "Ratio", reinterpret_cast<std::intptr_t>(&ratio), "        Ratio = 0.10000000000000001"},
      {-2, "ZQ_ReportError", 42, "        ZQ_ReportError, line 42"},
      {-3, "ZQ_ReportError", reinterpret_cast<std::intptr_t>(kNote),
       "        ZQ_ReportError, CreateFile successful"},
      // A slot without formatter, and kinds outside every table.
      {kEmptyCode, "Unformatted", 0, "        Unformatted = NO FORMATTER"},
      {50, unknown, 0, "        Unknown Type Code 50"},
      {-4, unknown, 0, "        Unknown Type Code -4"},
      // What was written of a failing entry stays; the dump goes on.
      {kThrowingCode, "Broken", 0, "        Broken =     BAD STACK ITEM"},
      {kGrowingCode, "Growing", 0, "        Growing = grown"},
      {-1, "ZQ_Last", 0, "    ZQ_Last"},
  };
  std::string want = "\nStack:\n\n";
  for (const auto& e : kEntries) {
    ZQ_StackTrace_Push(e.kind, e.text, e.value);
    want += std::string(e.line) + "\n";
  }
  want += "\n";
  EXPECT_EQ(Dump(), want);
}

TEST_F(TraceStackDump, NumbersIgnoreTheFormatAttributesOfTheStream) {
  ZQ_StackTrace_Push(-2, "F", 1234);
  ZQ_StackTrace_Push(77, "x", 0);
  ZQ_StringStream out;
  out << SetWidth(12) << SetBase(16) << SetGroupSize(3);
  ZQ_StackTrace_Dump(out);
  EXPECT_EQ(std::string(out.GetText()),
            "\nStack:\n\n        F, line 1234\n        Unknown Type Code 77\n\n");
}

}  // namespace
