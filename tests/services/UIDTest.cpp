#include <gtest/gtest.h>

#include "ZQ_BinaryStreamParser.h"
#include "ZQ_BinaryStreamSink.h"
#include "ZQ_Exception.h"
#include "ZQ_StreamSink.h"
#include "ZQ_StreamSource.h"
#include "ZQ_StringStream.h"
#include "ZQ_TextStreamFormatterManipulator.h"
#include "ZQ_UID.h"

TEST(ZQ_UID, TextFormSpellsTheWordsInEightLowerCaseGroups) {
  const struct { ZQ_UID value; const char* want; } kCases[] = {
      {ZQ_UID(0x01234567, 0x89ABCDEF, 0, 0x1357), "0123-4567-89ab-cdef-0000-0000-0000-1357"},
      {ZQ_UID(), "0000-0000-0000-0000-0000-0000-0000-0000"},
      {ZQ_UID(0xFFFFFFFF, 0xFFFF0000, 0x0000FFFF, 0x80000001), "ffff-ffff-ffff-0000-0000-ffff-8000-0001"},
      {ZQ_MakeUID(5), "0000-0000-0000-0000-0000-0003-0000-0005"},
      {ZQ_MakeUID(-1), "0000-0000-0000-0000-0000-0003-ffff-ffff"},
  };
  for (auto& c : kCases) {
    SCOPED_TRACE(c.want);
    EXPECT_EQ(c.value.GetTextRepresentation(), c.want);
  }
}

TEST(ZQ_UID, ParsingAcceptsValidTextAndYieldsTheDefaultOtherwise) {
  const ZQ_UID kExample(0x01234567, 0x89ABCDEF, 0, 0x1357);
  const ZQ_UID kDefault(9, 9, 9, 9);
  const struct { const char* in; bool valid; const char* why; } kCases[] = {
      {"0123-4567-89ab-cdef-0000-0000-0000-1357", true, "lower case"},
      {"0123-4567-89AB-CDEF-0000-0000-0000-1357", true, "upper case"},
      {"  0123-4567-89ab-cdef-0000-0000-0000-1357 ", true, "blanks around"},
      {"0123-4567-89ab -cdef-0000-0000-0000-1357", false, "inner blank"},
      {"0123-4567-89ab-cdef-0000-0000-0000-135", false, "38 characters"},
      {"0123-4567-89ab-cdef-0000-0000-0000-13570", false, "40 characters"},
      {"0123-4567-89ab-cdef-0000-0000-00-0-1357", false, "'-' at a digit position"},
      {"0123-4567-89ab-cdef-0000-0000-0000+1357", false, "wrong separator"},
      {"0123-4567-89ab-cdeg-0000-0000-0000-1357", false, "not a hexadecimal digit"},
      {"", false, "empty"},
      {"\t0123-4567-89ab-cdef-0000-0000-0000-1357", false, "only blanks are stripped"},
  };
  for (auto& c : kCases) {
    SCOPED_TRACE(c.why);
    ZQ_UID Parsed = ZQ_UID::ParseTextRepresentation(c.in, kDefault);
    EXPECT_EQ(Parsed, c.valid ? kExample : kDefault);
    if (c.valid)
      EXPECT_EQ(ZQ_UID(ZQ_String(c.in)), kExample);
    else
      EXPECT_THROW(ZQ_UID::ParseTextRepresentation(c.in), ZQ_Exception);
  }
}

TEST(ZQ_UID, InvalidTextThrowsTheFiveLineExplanation) {
  try {
    ZQ_UID::ParseTextRepresentation("xyz");
    FAIL() << "no exception";
  } catch (const ZQ_Exception& e) {
    EXPECT_EQ(e.GetName(), "Error reading UID");
    EXPECT_EQ(e.GetDescription(),
              "The text \"xyz\" is not \n"
              "a valid UID value.  A valid UID will be 39 characters long, \n"
              "and will have the form ####-####-####-####-####-####-####-####, where\n"
              "each # represents a digit '0'-'9' or a letter 'a'-'f' or 'A'-'F'.\n"
              "For example, 0123-4567-89ab-cdef-0000-0000-0000-1357 is a valid UID.\n");
  }
}

TEST(ZQ_UID, EqualityComparesAllFourWords) {
  const ZQ_UID kBase(1, 2, 3, 4);
  const struct { ZQ_UID other; bool equal; } kCases[] = {
      {ZQ_UID(1, 2, 3, 4), true}, {ZQ_UID(0, 2, 3, 4), false}, {ZQ_UID(1, 0, 3, 4), false},
      {ZQ_UID(1, 2, 0, 4), false}, {ZQ_UID(1, 2, 3, 0), false},
  };
  for (auto& c : kCases) {
    EXPECT_EQ(kBase == c.other, c.equal);
    EXPECT_EQ(kBase != c.other, !c.equal);
  }
  ZQ_UID Cleared = kBase;
  Cleared.SetNull();
  EXPECT_EQ(Cleared, ZQ_UID());
  EXPECT_EQ(kBase.GetHashValue(), 4UL);
}

TEST(ZQ_UID, AWordIndexOutsideZeroToThreeFailsItsAssertion) {
  EXPECT_THROW(ZQ_UID().GetWord(4), ZQ_Exception);
  EXPECT_THROW(ZQ_UID().GetWord(-1), ZQ_Exception);
}

TEST(ZQ_UID, TextStreamWritesTheTextPaddedToTheWidth) {
  ZQ_StringStream Out;
  Out << SetWidth(41) << ZQ_UID(0, 0, 0, 0x1357);
  EXPECT_EQ(ZQ_String(Out), "  0000-0000-0000-0000-0000-0000-0000-1357");
}

TEST(ZQ_UID, BinaryFormIsFourLittleEndianWordsAndReadsBack) {
  ZQ_String Bytes;
  {
    ZQ_StreamSink Sink = ZQ_CreateStringStreamSink(&Bytes);
    Sink << ZQ_UID(0x01020304, 0x05060708, 0, 0xA0B0C0D0);
  }
  const char kWant[] = "\x04\x03\x02\x01\x08\x07\x06\x05\0\0\0\0\xD0\xC0\xB0\xA0";
  EXPECT_EQ(Bytes, ZQ_String(kWant, 16));
  ZQ_BinaryStreamParser Parser(ZQ_CreateStringStreamSource(Bytes));
  ZQ_UID Read;
  Parser >> Read;
  EXPECT_EQ(Read, ZQ_UID(0x01020304, 0x05060708, 0, 0xA0B0C0D0));
}

TEST(ZQ_UID, TraceStackShowsIdentifiersAndNamedIdentifiers) {
  ZQ_UID Plain(0, 0, 0, 1);
  ZQ_NamedUID Named{ZQ_UID(0, 0, 0, 2), "Settings"};
  ASSERT_NE(ZQ_StackTrace_VarFormatterFunTable[19], nullptr);
  ASSERT_NE(ZQ_StackTrace_VarFormatterFunTable[20], nullptr);
  EXPECT_EQ(ZQ_StackTrace_VarFormatterFunTable[ZQ_StackTrace_TypeCode<ZQ_UID>::Value](&Plain),
            "0000-0000-0000-0000-0000-0000-0000-0001");
  EXPECT_EQ(ZQ_StackTrace_VarFormatterFunTable[ZQ_StackTrace_TypeCode<ZQ_NamedUID>::Value](&Named),
            "\"Settings\"  (0000-0000-0000-0000-0000-0000-0000-0002)");
}
