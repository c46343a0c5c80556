#include <gtest/gtest.h>

#include "ZQ_Internationalization.h"
#include "ZQ_Numeric.h"
#include "ZQ_String.h"

TEST(ZQ_FormatByteCount, ChoosesTheUnitAtEachPowerOf1024) {
  const struct { double bytes; const char* want; const char* why; } kCases[] = {
      {0, "0 bytes", "nothing"},
      {1023, "1,023 bytes", "the largest count in bytes, grouped"},
      {1023.9, "1,023 bytes", "the integer part of bytes"},
      {1024, "1 KB", "1024 switches to KB"},
      {1536, "1.5 KB", "three significant digits"},
      {1000000, "977 KB", "rounded to three digits"},
      {1048575, "1020 KB", "just below a MB: three digits, padded to the point"},
      {1048576, "1 MB", "MB"},
      {123456789, "118 MB", "MB rounded"},
      {1073741824, "1 GB", "GB"},
      {5.5 * 1099511627776.0, "5630 GB", "no unit beyond GB"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_STREQ(ZQ_FormatByteCount(c.bytes).GetText(), c.want);
  }
}

namespace {
bool GermanUnits(const ZQ_String& Key, ZQ_String& Translation) {
  if (Key == "bytes") Translation = "Byte";
  else if (Key == "KB") Translation = "kB";
  else return false;
  return true;
}
}  // namespace

TEST(ZQ_FormatByteCount, TranslatesTheUnitWords) {
  const int mode = ZQ_Internationalization_GetOperationMode();
  ZQ_Internationalization_SetOperationMode(ZQ_Internationalization_OperationMode_Normal);
  const auto previous = ZQ_Internationalization_SetDictionaryLookup(&GermanUnits);
  EXPECT_STREQ(ZQ_FormatByteCount(12).GetText(), "12 Byte");
  EXPECT_STREQ(ZQ_FormatByteCount(2048).GetText(), "2 kB");
  ZQ_Internationalization_SetDictionaryLookup(previous);
  ZQ_Internationalization_SetOperationMode(mode);
}
