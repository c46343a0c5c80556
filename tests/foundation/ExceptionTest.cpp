#include <gtest/gtest.h>

#include "ZQ_Exception.h"
#include "ZQ_StackTrace.h"

namespace {

TEST(ZQ_Exception, EmptyDescriptionReportsTheName) {
  const ZQ_Exception e("Cannot recognize number", "");
  EXPECT_STREQ(e.GetName().GetText(), "Cannot recognize number");
  EXPECT_STREQ(e.GetDescription().GetText(), "Cannot recognize number");
}

TEST(ZQ_Exception, AppendToDescriptionAddsAParagraphAfterOneEmptyLine) {
  const struct { const char* name; const char* description; const char* want; const char* why; } kCases[] = {
      {"N", "abc", "abc\n\nx", "no final line feed: two are added"},
      {"N", "abc\n", "abc\n\nx", "an existing final line feed is not doubled"},
      {"N", "abc\n\n", "abc\n\n\nx", "only one more line feed after two"},
      {"Name", "", "Name\n\nx", "an empty description builds on the name"},
      {"", "", "\n\nx", "nothing at all"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    ZQ_Exception e(c.name, c.description);
    e.AppendToDescription("x");
    EXPECT_STREQ(e.GetDescription().GetText(), c.want);
    EXPECT_STREQ(e.GetName().GetText(), c.name);
  }
}

TEST(ZQ_Exception, CopiesShareTheTextsAndAppendingChangesOnlyTheCopy) {
  ZQ_Exception original("Name", "Description");
  ZQ_Exception copy(original);
  EXPECT_EQ(copy.GetName().GetText(), original.GetName().GetText());
  EXPECT_EQ(copy.GetDescription().GetText(), original.GetDescription().GetText());
  copy.AppendToDescription("more");
  EXPECT_STREQ(original.GetDescription().GetText(), "Description");
  EXPECT_STREQ(copy.GetDescription().GetText(), "Description\n\nmore");
}

TEST(ZQ_Exception, HandlersOfTheBaseCatchDerivedExceptions) {
  struct ParseError : ZQ_Exception {
    ParseError() : ZQ_Exception("Error", "while reading") {}
  };
  try {
    throw ParseError();
  } catch (const ZQ_Exception& e) {
    EXPECT_STREQ(e.GetDescription().GetText(), "while reading");
  }
}

TEST(ZQ_Exception, NumberErrorNamesTheTextAndWhatItShouldHaveBeen) {
  const struct { int kind; const char* want; } kCases[] = {
      {0, "The text '1.2.3' cannot be recognized as an integer."},
      {1, "The text '1.2.3' cannot be recognized as an unsigned integer specified in hexadecimal notation."},
      {2, "The text '1.2.3' cannot be recognized as a floating-point number."},
      {3, "The text '1.2.3' cannot be recognized as ."},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.kind);
    const long depth = ZQ_StackTrace_GetDepth();
    try {
      ThrowStringToNumberErrorException("1.2.3", c.kind);
    } catch (const ZQ_Exception& e) {
      EXPECT_STREQ(e.GetName().GetText(), "Cannot recognize number");
      EXPECT_STREQ(e.GetDescription().GetText(), c.want);
    }
    EXPECT_EQ(ZQ_StackTrace_GetDepth(), depth);
  }
}

TEST(ZQ_Exception, PointerErrorIsNotTranslated) {
  try {
    ThrowStringToPointerErrorException("0xZZ");
  } catch (const ZQ_Exception& e) {
    EXPECT_STREQ(e.GetName().GetText(), "Cannot recognize pointer");
    EXPECT_STREQ(e.GetDescription().GetText(),
                 "The text '0xZZ' cannot be recognized as pointer.");
  }
}

}  // namespace
