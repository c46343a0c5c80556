// The read-only display sized to its text, the stored-attribute field, and
// the calendar and time helpers.
#include <gtest/gtest.h>

#include <algorithm>

#include "TextEditTestSupport.h"
#include "ZQF_CalendarAndTimeHelpers.h"
#include "ZQF_Canvas.h"
#include "ZQF_Metrics.h"
#include "ZQF_StoredAttributeTextEditGlyph.h"
#include "ZQR_Clipboard.h"

namespace {

using TextEditVariants = GuiStageTest;
using Display = ZQF_StandardFixedSizeReadOnlyTextEditGlyph;

TEST_F(TextEditVariants, ReadOnlyDisplayIsSizedToItsText) {
  const ZQR_DeviceContext dc = ZQF_GetMetricDC();
  const struct {
    const char* why;
    const char* text;
    int font;
    bool fixedWidth;
    long characters, lines;
  } cases[] = {
      {"three lines of 2, 7 and 4", "ab\nabcdefg\nabcd", 0, false, 7, 3},
      {"an empty text", "", 1, true, 1, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    auto* display = new Display(c.text, c.font, c.fixedWidth, true, 5);
    TextEditRig rig(display);
    const ZQR_ConcreteFont& font = ZQF_GetFontMetric(c.font == 0 ? ZQF_FontMetric_Field : ZQF_FontMetric_FixedPitch);
    const long border = ZQF_Canvas::GetBorderSize(5).X;
    const long width =
        2 * border + ZQF_GetSizeMetric(ZQF_SizeMetric_Gap2Px).X + c.characters * font.GetMaxCharWidth(dc);
    const long height = 2 * border + c.lines * (font.GetHeight(dc) + font.GetExternalLeading(dc)) -
                        font.GetExternalLeading(dc);
    const ZQF_DesiredSize& size = display->GetDesiredSize();
    EXPECT_EQ(size.Natural, ZQ_Point<long>(width, height));
    EXPECT_EQ(size.Maximum.X, c.fixedWidth ? width : 0x10000000);
    EXPECT_TRUE(display->GetReadOnly());
    EXPECT_EQ(display->GetBorderStyle(), 5);
    EXPECT_EQ(display->Cust_GetBackgroundColor(0), ZQF_GetColorMetric(ZQF_ColorMetric_LabelBackground));
    EXPECT_EQ(display->Cust_GetTextColor(0), ZQF_GetColorMetric(ZQF_ColorMetric_LabelText));
    EXPECT_EQ(rig.Notifications, 0);
    // Keys only scroll; Ctrl+C copies the whole text.
    EXPECT_FALSE(rig.Key('x'));
    EXPECT_TRUE(rig.Key('C', false, true));
    EXPECT_STREQ(ZQR_Clipboard::GetContentsAsText().GetText(), c.text);
  }
  EXPECT_TRUE(FailedOn(AssertionFailureOf([] { Display("x", 2, true, true, 3); }), "false"));
}

TEST_F(TextEditVariants, TimeTemplatesAndWidestStrings) {
  const struct {
    long options;
    const char* format;
    int digits;  // widest digits in the widest time string
    bool ampm;
  } cases[] = {
      {0, "{12Hour}:{Minute} {AMPM}", 4, true},
      {1, "{24Hour}:{Minute}", 4, false},
      {2, "{12Hour}:{Minute}:{Second} {AMPM}", 6, true},
      {5, "{24Hour}:{Minute}:{Second}.{Millisecond}", 9, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.options);
    EXPECT_STREQ(ZQF_Calendar_GetTimeFormatString(c.options).GetText(), c.format);
    const std::string widest = ZQF_Calendar_GetWidestTimeString(c.options).GetText();
    EXPECT_EQ(std::count(widest.begin(), widest.end(), ZQF_Calendar_GetWidestDigit()), c.digits);
    EXPECT_EQ(widest.find(ZQF_Calendar_GetWidestAMPMString().GetText()) != std::string::npos,
              c.ampm);
    EXPECT_EQ(widest.substr(widest.size() - 2), "XX");
  }
  EXPECT_EQ(ZQF_Calendar_GetWidestTimeString(1).GetLength(), 7);
}

// The first of equally wide digits wins; "AM" only when strictly wider.
TEST_F(TextEditVariants, WidestDigitAndAMPM) {
  const ZQR_ConcreteFont& font = ZQF_GetFontMetric(ZQF_FontMetric_Field);
  const ZQ_Array<long> widths = font.GetWidthTable(ZQF_GetMetricDC());
  char digit = '0';
  for (char d = '1'; d <= '9'; ++d) digit = widths[d] > widths[digit] ? d : digit;
  EXPECT_EQ(ZQF_Calendar_GetWidestDigit(), digit);
  const bool am = font.GetSize(ZQF_GetMetricDC(), "AM").X > font.GetSize(ZQF_GetMetricDC(), "PM").X;
  EXPECT_STREQ(ZQF_Calendar_GetWidestAMPMString().GetText(), am ? "AM" : "PM");
  const ZQ_String tail = " " + ZQ_String(digit, 2) + ", " + ZQ_String(digit, 4) + "XX";
  EXPECT_TRUE(ZQF_Calendar_GetWidestDateString().EndsWith(tail));
}

TEST_F(TextEditVariants, DaysAreClampedToTheirMonth) {
  const struct {
    ZQ_DMY in;
    int day;
  } cases[] = {{{31, 2, 2000}, 29},
               {{31, 2, 1900}, 28},
               {{31, 4, 2001}, 30},
               {{31, 13, 2001}, 31},
               {{15, 2, 1900}, 15}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.in.Month * 10000 + c.in.Year);
    ZQ_DMY dmy = c.in;
    ZQF_Calendar_ClampDay(dmy);
    EXPECT_EQ(dmy.Day, c.day);
  }
  EXPECT_EQ(ZQF_GetCaretAllowance(), ZQF_GetSizeMetric(ZQF_SizeMetric_Gap2Px).X);
}

}  // namespace
