// The calendar and time display helpers.
#include "ZQF_CalendarAndTimeHelpers.h"

#include "ZQF_Metrics.h"
#include "ZQ_DateAndTimeFormat.h"

namespace {

struct WidestStrings {
  char Digit = '0';
  ZQ_String Date;
  ZQ_String AMPM;
};

WidestStrings& Widest() {
  static WidestStrings s_widest;
  return s_widest;
}

ZQ_String Digits(int Count) { return ZQ_String(ZQF_Calendar_GetWidestDigit(), Count); }

}  // namespace

void ZQF_Calendar_ComputeWidestStrings() {
  WidestStrings& widest = Widest();
  if (!widest.Date.IsEmpty()) return;
  const ZQR_ConcreteFont& font = ZQF_GetFontMetric(ZQF_FontMetric_Field);
  const ZQR_DeviceContext dc = ZQF_GetMetricDC();
  widest.Digit = font.GetFontMetrics(dc).WidestDigit;
  ZQ_String month;
  long monthWidth = -1;
  for (int m = 1; m <= 12; ++m) {
    const ZQ_String name = ZQ_Date(1, m, 1995).Format("{Month}");
    const long width = font.GetSize(dc, name).X;
    if (width > monthWidth) {
      monthWidth = width;
      month = name;
    }
  }
  const ZQ_String digit2(widest.Digit, 2);
  const ZQ_String digit4(widest.Digit, 4);
  widest.Date = month + " " + digit2 + ", " + digit4 + "XX";
  widest.AMPM = font.GetSize(dc, "AM").X > font.GetSize(dc, "PM").X ? "AM" : "PM";
}

const ZQ_String& ZQF_Calendar_GetWidestDateString() {
  ZQF_Calendar_ComputeWidestStrings();
  return Widest().Date;
}

char ZQF_Calendar_GetWidestDigit() {
  ZQF_Calendar_ComputeWidestStrings();
  return Widest().Digit;
}

const ZQ_String& ZQF_Calendar_GetWidestAMPMString() {
  ZQF_Calendar_ComputeWidestStrings();
  return Widest().AMPM;
}

ZQ_String ZQF_Calendar_GetWidestTimeString(long Options) {
  ZQF_Calendar_ComputeWidestStrings();
  ZQ_String text = Digits(2) + ":" + Digits(2);
  if (Options & (ZQF_TimeDisplay_Seconds | ZQF_TimeDisplay_Milliseconds)) text += ":" + Digits(2);
  if (Options & ZQF_TimeDisplay_Milliseconds) text += "." + Digits(3);
  if (!(Options & ZQF_TimeDisplay_24Hour)) text += " " + Widest().AMPM;
  return text + "XX";
}

ZQ_String ZQF_Calendar_GetTimeFormatString(long Options) {
  ZQ_String text = (Options & ZQF_TimeDisplay_24Hour) ? "{24Hour}" : "{12Hour}";
  text += ":{Minute}";
  if (Options & (ZQF_TimeDisplay_Seconds | ZQF_TimeDisplay_Milliseconds)) text += ":{Second}";
  if (Options & ZQF_TimeDisplay_Milliseconds) text += ".{Millisecond}";
  if (!(Options & ZQF_TimeDisplay_24Hour)) text += " {AMPM}";
  return text;
}

void ZQF_Calendar_ClampDay(ZQ_DMY& DMY) {
  if (!ZQ_Date::IsLegalDate(1, DMY.Month, DMY.Year)) return;
  const int days = ZQ_Date::GetNumDaysInMonth(DMY.Month, DMY.Year);
  if (DMY.Day > days) DMY.Day = days;
}

long ZQF_GetCaretAllowance() { return ZQF_GetSizeMetric(ZQF_SizeMetric_Gap2Px).X; }
