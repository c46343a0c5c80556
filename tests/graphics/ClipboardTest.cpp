#include <gtest/gtest.h>

#include "ZQLOW_Windows.h"
#include "ZQR_Clipboard.h"

TEST(ZQR_Clipboard, TextComesBackByteForByte) {
  const struct { const char* why; const char* text; } kCases[] = {
      {"line ends of both kinds", "one\r\ntwo\nthree\r"},
      {"blanks and tabs", "  a\tb  "},
      {"bytes above 127", "\xE4\xF6\xFC \xA9"},
      {"empty", ""}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    ZQR_Clipboard::SetContents(c.text);
    EXPECT_EQ(ZQR_Clipboard::GetContentsAsText(), ZQ_String(c.text));
  }
}

TEST(ZQR_Clipboard, TextIsAvailableOnceSet) {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  CloseClipboard();
  EXPECT_FALSE(ZQR_Clipboard::ContentsAvailableAsText());
  EXPECT_EQ(ZQR_Clipboard::GetContentsAsText(), ZQ_String());
  ZQR_Clipboard::SetContents("x");
  EXPECT_TRUE(ZQR_Clipboard::ContentsAvailableAsText());
}
