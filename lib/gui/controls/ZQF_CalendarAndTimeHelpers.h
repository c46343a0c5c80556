// ZQF_CalendarAndTimeHelpers.h: what a date and time display sizes itself
// and formats with: the widest date and time strings that font metric 7
// can produce, the time format template for a set of display options, the
// clamping of a day to its month, and the text caret's allowance. The
// widest strings are worked out once, on first use, and kept for the run
// (needs the metrics, stage 1). UI thread only.
#ifndef ZQF_CALENDARANDTIMEHELPERS_H
#define ZQF_CALENDARANDTIMEHELPERS_H

#include "ZQ_DateAndTime.h"
#include "ZQ_String.h"

// Time display option bits.
enum : long {
  ZQF_TimeDisplay_24Hour = 1,
  ZQF_TimeDisplay_Seconds = 2,
  ZQF_TimeDisplay_Milliseconds = 4  // implies seconds
};

// The bounds of the calendar.
inline ZQ_DMY ZQF_Calendar_GetFirstDate() { return ZQ_DMY(1, 1, 1600); }
inline ZQ_DMY ZQF_Calendar_GetLastDate() { return ZQ_DMY(31, 12, 2999); }

// Works the widest digit, date and AM/PM strings out, once.
void ZQF_Calendar_ComputeWidestStrings();
// The widest month name of 1995 + " " + two widest digits + ", " + four
// widest digits + "XX".
const ZQ_String& ZQF_Calendar_GetWidestDateString();
// The first of the widest digits '0'..'9' in font metric 7.
char ZQF_Calendar_GetWidestDigit();
// "AM" when it is strictly wider than "PM", else "PM".
const ZQ_String& ZQF_Calendar_GetWidestAMPMString();
// Widest digits in the shape of the options' time, with "XX" appended.
ZQ_String ZQF_Calendar_GetWidestTimeString(long Options);
// A template of the date and time formatter for the options.
ZQ_String ZQF_Calendar_GetTimeFormatString(long Options);
// Lowers the day to its month's length when month and year are legal.
void ZQF_Calendar_ClampDay(ZQ_DMY& DMY);
// The room the text caret needs: size metric 1 across.
long ZQF_GetCaretAllowance();

#endif
