#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "DocumentsTestSupport.h"
#include "ZQFO_StandardOptionParsers.h"

namespace {

const ZQR_Color kInherited(1, 2, 3);

}  // namespace

TEST(ZQFO_ParseDistance, ReadsLengthsAndRelativeFormsAndGivesTheReferenceForTheRest) {
  const std::string longRun(300, '1');
  const struct {
    std::string in;
    bool relativeFormsOff;
    double want;
    const char* why;
  } cases[] = {
      {"+ 5mm", false, 15, "adding"},
      {"- 50%", false, 5, "subtracting a percentage"},
      {"+ \t10 %", false, 11, "adding a percentage, blanks between"},
      {"150%", false, 15, "a percentage"},
      {"-5mm", false, -5, "a negative length, no bound"},
      {"+2mm", false, 2, "a sign without a blank is the number's"},
      {" \r\n\t3 mm trailing", false, 3, "whitespace around, anything after the unit"},
      {"2pt", false, 2 * 0.0254 / 72 * 1000, "points"},
      {"2in", false, 50.8, "inches"},
      {"2cm", false, 20, "centimetres"},
      {"1.5E1mm", false, 15, "an exponent"},
      {"+ 5mm", true, 10, "relative forms off"},
      {"5", false, 10, "a bare number"},
      {"5MM", false, 10, "units are case-sensitive"},
      {"5px", false, 10, "an unknown unit"},
      {"", false, 10, "empty"},
      {" x", false, 10, "one character"},
      {"mm", false, 10, "no number"},
      {"5em", false, 10, "a run that is not wholly a number"},
      {"1-2mm", false, 10, "two numbers run together"},
      {"1e999mm", false, 10, "beyond the doubles"},
      {longRun + "mm", false, 10, "300 digits"},
      {"1e308in", false, 10, "a result that is not finite"},
      {"- 2e9mm", false, -1e6, "beyond a kilometre either way: a kilometre"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    EXPECT_NEAR(ZQFO_ParseDistance(ZQ_String(c.in.c_str()), 10, c.relativeFormsOff), c.want, 1e-9);
  }
}

TEST(ZQFO_ParseColor, ReadsPaletteHexAndNamedColours) {
  const struct {
    const char* in;
    ZQR_Color want;
    const char* why;
  } cases[] = {
      {"#FF0000", ZQR_Color_Red, "hexadecimal"},
      {"#ff0000", ZQR_Color_Red, "hexadecimal in lower case"},
      {"standard color - hyperlink text", ZQR_Color(6, 1, 2), "a palette colour"},
      {"standard color - tooltips background", ZQR_Color(10, 1, 2), "the last palette colour"},
      {"standard color - default text", ZQR_Color(0, 1, 2), "an unlisted ending: entry 0"},
      {"RED", ZQR_Color_Red, "a name in any case"},
      {"red ", ZQR_GetNamedColor("red ", ZQR_Color_Black), "a name as written"},
      {"no such colour", ZQR_Color_Black, "an unknown name: black, not the inherited colour"},
      {"#FF00001", ZQR_Color_Black, "eight characters are a name"},
      {"", kInherited, "empty"},
      {"#GG0000", kInherited, "digits that are not hexadecimal"},
  };
  ZQ_Array<ZQR_Color> palette(11);
  for (long i = 0; i < 11; ++i) palette[i] = ZQR_Color(static_cast<BYTE>(i), 1, 2);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(ParseColor(c.in, kInherited, palette), c.want);
  }
}

TEST(ZQFO_ParseValues, BreakKindsAndBoundedNumbersFallBackToTheirDefaults) {
  const char* kinds[] = {"as_needed", "never", "column", "page", "evenpage", "oddpage"};
  for (long i = 0; i < 6; ++i) EXPECT_EQ(ParseBreakKind(kinds[i], 5 - i), i);
  EXPECT_EQ(ParseBreakKind("Page", 4), 4);
  const struct {
    const char* in;
    double want;
  } numbers[] = {{"2.5", 2.5}, {"0", 0.1}, {"5000", 1000}, {"abc", 1.0}, {"", 1.0}, {"1e999", 1.0}};
  for (const auto& c : numbers) {
    SCOPED_TRACE(c.in);
    EXPECT_EQ(ParseBoundedNumber(c.in, 0.1, 1.0, 1000), c.want);
  }
}
