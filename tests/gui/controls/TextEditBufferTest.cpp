// The text edit buffer: its line table after edits across line feeds, the
// position conversions at line starts and ends, and its assertion texts.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "../../foundation/AssertionTestSupport.h"
#include "ZQF_TextEditBuffer.h"

namespace {

TEST(ZQF_TextEditBuffer, LineTableFollowsEditsAcrossLineFeeds) {
  const struct {
    const char* why;
    const char* initial;
    long start, length;
    const char* insert;
    const char* text;
    std::vector<long> starts;
  } cases[] = {
      {"an empty text is one line", "", 0, 0, "", "", {0}},
      {"a line feed inserted", "abcd", 2, 0, "\n", "ab\ncd", {0, 3}},
      {"a line feed deleted", "ab\ncd\nef", 2, 1, "", "abcd\nef", {0, 5}},
      {"replaced across lines, an empty line",
       "ab\ncd\nef",
       1,
       5,
       "X\n\nY",
       "aX\n\nYef",
       {0, 3, 4}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    ZQF_TextEditBuffer buffer;
    buffer.SetText(c.initial);
    buffer.Changed = false;
    buffer.Replace(c.start, c.length, c.insert, static_cast<long>(std::strlen(c.insert)));
    EXPECT_TRUE(buffer.Changed);
    EXPECT_STREQ(buffer.GetText().GetText(), c.text);
    std::vector<long> starts;
    for (long i = 0; i < buffer.GetNumLines(); ++i) starts.push_back(buffer.GetLineStart(i));
    EXPECT_EQ(starts, c.starts);
  }
}

TEST(ZQF_TextEditBuffer, PositionsAtLineStartsAndEndsConvertBothWays) {
  ZQF_TextEditBuffer buffer;
  buffer.SetText("ab\n\ncde");
  const long cases[][3] = {{0, 0, 0}, {2, 0, 2}, {3, 1, 0}, {4, 2, 0}, {7, 2, 3}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c[0]);
    const ZQF_TextEditLineColumn at = buffer.BufferPositionToLineColumn(c[0]);
    EXPECT_EQ(at.Line * 10 + at.Column, c[1] * 10 + c[2]);
    EXPECT_EQ(buffer.LineColumnToBufferPosition(at), c[0]);
  }
  EXPECT_EQ(buffer.GetLineLength(1), 0);
  EXPECT_EQ(buffer.GetLineLength(2), 3);
}

TEST(ZQF_TextEditBuffer, OutOfRangeArgumentsFailTheirAssertions) {
  ZQF_TextEditBuffer buffer;
  buffer.SetText("ab\ncd");
  const struct {
    const char* text;
    void (*call)(const ZQF_TextEditBuffer&);
  } cases[] = {
      {"(0 <= LineIndex) and (LineIndex < NumLines)",
       [](const ZQF_TextEditBuffer& B) { B.GetLineStart(2); }},
      {"(0 <= CharacterIndex) and (CharacterIndex <= Text.GetLength())",
       [](const ZQF_TextEditBuffer& B) { B.BufferPositionToLineColumn(6); }},
      {"LineColumnIndex.Line < NumLines",
       [](const ZQF_TextEditBuffer& B) {
         B.LineColumnToBufferPosition({2, 0});
       }},
      {"LineIndex < NumLines", [](const ZQF_TextEditBuffer& B) { B.GetLineLength(2); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { c.call(buffer); }), c.text));
  }
}

}  // namespace
