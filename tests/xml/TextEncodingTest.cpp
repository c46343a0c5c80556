#include <gtest/gtest.h>

#include "ZQXML_TextEncoding.h"

TEST(ZQXML_EncodeSpecialCharacters, EachFlagEncodesItsCharactersOnly) {
  const ZQ_String sample("aZ9 <>&'\"[]-\t\n\r\x01\x7F\xE9!");
  const struct {
    unsigned long flags;
    const char* want;
  } kCases[] = {
      {0x0, "aZ9 <>&'\"[]-\t\n\r\x01\x7F\xE9!"},
      {0x1, "aZ9 &#60;>&'\"[]-\t\n\r\x01\x7F\xE9!"},
      {0x2, "aZ9 <&#62;&'\"[]-\t\n\r\x01\x7F\xE9!"},
      {0x4, "aZ9 <>&#38;'\"[]-\t\n\r\x01\x7F\xE9!"},
      {0x8, "aZ9 <>&&#39;\"[]-\t\n\r\x01\x7F\xE9!"},
      {0x10, "aZ9 <>&'&#34;[]-\t\n\r\x01\x7F\xE9!"},
      {0x20, "aZ9 <>&'\"&#91;]-\t\n\r\x01\x7F\xE9!"},
      {0x40, "aZ9 <>&'\"[&#93;-\t\n\r\x01\x7F\xE9!"},
      {0x80, "aZ9 <>&'\"[]&#45;\t\n\r\x01\x7F\xE9!"},
      {0x100, "aZ9 <>&'\"[]-&#9;&#10;&#13;\x01\x7F\xE9!"},
      {0x200, "aZ9 <>&'\"[]-\t\n\r&#1;&#127;\xE9!"},
      {0x400, "aZ9 <>&'\"[]-\t\n\r\x01\x7F&#233;!"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.flags);
    EXPECT_EQ(ZQXML_EncodeSpecialCharacters(sample, c.flags), c.want);
  }
}

TEST(ZQXML_EncodeSpecialCharacters, HtmlExportFlagsKeepLineEndsAndEncodeControls) {
  EXPECT_EQ(ZQXML_EncodeSpecialCharacters("a<b\n\x01\xE9", 0x607), "a&#60;b\n&#1;&#233;");
}

TEST(ZQXML_NormalizeWhitespace, ModesKeepCollapseOrTrim) {
  const struct {
    long mode;
    const char* in;
    const char* want;
  } kCases[] = {
      {0, "  a \t b  ", "  a \t b  "},
      {1, "  a \t b  ", " a b "},
      {2, "  a \t b  ", "a b"},
      {1, "\r\n", " "},
      {2, " \n\t", ""},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.in);
    EXPECT_EQ(ZQXML_NormalizeWhitespace(c.in, c.mode), c.want);
  }
}

TEST(ZQXML_MakeSpacesNonbreaking, EverySpaceBecomesNbsp) {
  EXPECT_EQ(ZQXML_MakeSpacesNonbreaking(" 12 KB "), "&nbsp;12&nbsp;KB&nbsp;");
  EXPECT_EQ(ZQXML_MakeSpacesNonbreaking("none"), "none");
}
