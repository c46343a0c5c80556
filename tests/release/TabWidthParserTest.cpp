#include <gtest/gtest.h>

#include <random>
#include <string>

#include "ZQF_DevelopmentSupport_TabWidthParser.h"
#include "ZQ_Exception.h"

namespace {

using Parser = ZQF_DevelopmentSupport_TabWidthParser;

const Parser* Standard() { return Parser::GetAssociatedParser("cpp"); }

std::string Expand(const std::string& Text) {
  ZQ_String out = Parser::ExpandTabs(Standard(), ZQ_String(Text.data(), int(Text.size())));
  return std::string(out.GetText(), out.GetLength());
}

ZQ_String WholeWidths(const ZQ_String& Text) {
  ZQ_String widths;
  Standard()->Parse(Text, 0, Text.GetLength(), widths, 0, 0);
  return widths;
}

TEST(ZQF_DevelopmentSupport_TabWidthParser, ExpandsTabsSoThatColumnsOfAGroupLineUp) {
  const struct {
    const char* in;
    const char* want;
    const char* why;
  } kCases[] = {
      {"a\tb\nccc\td", "a   b\nccc d", "two lines of one group share the column"},
      {"\tx\n\ty", " x\n y", "leading tabs shrink to one space"},
      {"a\tb\n}\nccc\td", "a b\n}\nccc d", "a line without tab, letter or digit splits groups"},
      {"a\tb\nplain\nccc\td", "a   b\nplain\nccc d", "plain text neither splits nor counts"},
      {"aa\tb\nc\tdd\te\tf\nx\ty", "aa b\nc  dd e f\nx  y", "later columns only among lines that reach them"},
      {"a\tb\n \t\nccc\td", "a   b\n    \nccc d", "a whitespace line holding a tab stays in the group"},
      {"a\tb\n  \nccc\td", "a b\n  \nccc d", "a whitespace line without a tab splits groups"},
      {"a\tb\r\nccc\td\r\n", "a   b\r\nccc d\r\n", "CR LF line ends"},
      {"a\tb\tlong tail\nccc\td\te", "a   b long tail\nccc d e", "text after the last tab never matters"},
      {"no tabs here\n\n", "no tabs here\n\n", "a text without tabs is unchanged"},
      {"", "", "the empty text"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(Expand(c.in), c.want);
  }
}

TEST(ZQF_DevelopmentSupport_TabWidthParser, WideCellsGetTheWidestTabAndKeepIt) {
  const struct {
    int cell;
    int want;
    const char* why;
  } kCases[] = {
      {254, 255, "254 characters beside an empty cell reach the widest width exactly"},
      {300, 255, "a wider cell is stored as the widest width, not rejected"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    std::string text = std::string(c.cell, 'x') + "\ty\n\tz";
    ZQ_String widths = WholeWidths(ZQ_String(text.c_str()));
    ASSERT_EQ(widths.GetLength(), int(text.size()));
    EXPECT_EQ(static_cast<unsigned char>(widths[c.cell]), 1);
    EXPECT_EQ(static_cast<unsigned char>(widths[c.cell + 3]), c.want);
    EXPECT_EQ(Expand(text), std::string(c.cell, 'x') + " y\n" + std::string(c.want, ' ') + "z");
  }
}

TEST(ZQF_DevelopmentSupport_TabWidthParser, EveryExtensionFormGetsTheStandardParser) {
  for (const char* extension : {".cpp", "cpp", "CPP", ".H", "rc", "."}) {
    SCOPED_TRACE(extension);
    EXPECT_EQ(Parser::GetAssociatedParser(extension), Standard());
  }
  EXPECT_THROW(Parser::GetAssociatedParser(""), ZQ_Exception);
}

TEST(ZQF_DevelopmentSupport_TabWidthParser, RangesThatDoNotDescribeTheTextAreRefused) {
  ZQ_String widths("\0\0", 2);
  EXPECT_THROW(Standard()->Parse("abc", 2, 5, widths, 0, 0), ZQ_Exception);
  EXPECT_THROW(Standard()->Parse("abc", 0, 1, widths, 1, 3), ZQ_Exception);
}

// An editor keeps its widths by incremental parses: after any sequence of
// edits they must equal a parse of the whole text.
TEST(ZQF_DevelopmentSupport_TabWidthParser, IncrementalParsesEqualWholeParses) {
  std::mt19937 random(20261207);
  const char kAlphabet[] = "ab_\t\t\t  \n\n\n}\r";
  auto randomText = [&](int length) {
    std::string s;
    for (int i = 0; i < length; ++i) s += kAlphabet[random() % (sizeof kAlphabet - 1)];
    return s;
  };
  for (int run = 0; run < 40; ++run) {
    std::string text = randomText(random() % 120);
    ZQ_String widths = WholeWidths(ZQ_String(text.data(), int(text.size())));
    for (int edit = 0; edit < 60; ++edit) {
      int start = text.empty() ? 0 : int(random() % (text.size() + 1));
      int removed = int(random() % 6) % (int(text.size()) - start + 1);
      std::string inserted = randomText(random() % 6);
      text.replace(start, removed, inserted);
      ZQ_String now(text.data(), int(text.size()));
      Standard()->Parse(now, start, start + int(inserted.size()), widths, start, start + removed);
      SCOPED_TRACE("run " + std::to_string(run) + ", edit " + std::to_string(edit));
      ASSERT_EQ(widths.GetLength(), now.GetLength());
      ASSERT_TRUE(widths == WholeWidths(now));
    }
  }
}

}  // namespace
