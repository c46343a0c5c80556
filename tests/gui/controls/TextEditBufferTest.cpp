// The text edit buffer: its line table after edits across line feeds, the
// position conversions at line starts and ends, and its assertion texts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../../foundation/AssertionTestSupport.h"
#include "ZQF_TextEditBuffer.h"

namespace {

std::vector<long> Starts(const ZQF_TextEditBuffer& Buffer) {
  std::vector<long> starts;
  for (long i = 0; i < Buffer.GetNumLines(); ++i) starts.push_back(Buffer.GetLineStart(i));
  return starts;
}

TEST(ZQF_TextEditBuffer, LineTableFollowsEditsAcrossLineFeeds) {
  struct Case {
    const char* why;
    const char* initial;
    long start, length;
    const char* insert;
    const char* text;
    std::vector<long> starts;
  } cases[] = {
      {"empty text is one line", "", 0, 0, "", "", {0}},
      {"insert a line feed", "abcd", 2, 0, "\n", "ab\ncd", {0, 3}},
      {"delete a line feed joins", "ab\ncd\nef", 2, 1, "", "abcd\nef", {0, 5}},
      {"replace across lines", "ab\ncd\nef", 1, 5, "X\n\nY", "aX\n\nYef", {0, 3, 4}},
      {"trailing line feed ends in an empty line", "ab", 2, 0, "\n", "ab\n", {0, 3}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    ZQF_TextEditBuffer buffer;
    buffer.SetText(c.initial);
    buffer.Changed = false;
    buffer.Replace(c.start, c.length, c.insert, static_cast<long>(std::string(c.insert).size()));
    EXPECT_TRUE(buffer.Changed);
    EXPECT_STREQ(buffer.GetText().GetText(), c.text);
    EXPECT_EQ(Starts(buffer), c.starts);
    const long last = buffer.GetNumLines() - 1;
    EXPECT_EQ(buffer.GetLineStart(last) + buffer.GetLineLength(last), buffer.GetLength());
  }
}

TEST(ZQF_TextEditBuffer, PositionsAtLineStartsAndEndsConvertBothWays) {
  ZQF_TextEditBuffer buffer;
  buffer.SetText("ab\n\ncde");
  const struct {
    long position, line, column;
  } cases[] = {{0, 0, 0}, {2, 0, 2}, {3, 1, 0}, {4, 2, 0}, {7, 2, 3}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.position);
    const ZQF_TextEditLineColumn at = buffer.BufferPositionToLineColumn(c.position);
    EXPECT_EQ(at.Line, c.line);
    EXPECT_EQ(at.Column, c.column);
    EXPECT_EQ(buffer.LineColumnToBufferPosition(at), c.position);
  }
  EXPECT_EQ(buffer.GetLineLength(0), 2);
  EXPECT_EQ(buffer.GetLineLength(1), 0);
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
       [](const ZQF_TextEditBuffer& B) { B.LineColumnToBufferPosition({2, 0}); }},
      {"LineIndex < NumLines", [](const ZQF_TextEditBuffer& B) { B.GetLineLength(2); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { c.call(buffer); }), c.text));
  }
}

}  // namespace
