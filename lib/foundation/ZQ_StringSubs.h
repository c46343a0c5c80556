// ZQ_StringSubs.h: text utilities on ZQ_String values (title case, white
// space, quotes, tabs, character filters, message arguments) and the
// conversions from text to numbers. Every function returns a new string and
// leaves its arguments alone. Characters are 8-bit and classified by the
// library's own table (ZQ_CharacterClass.h), not by the locale.
// The number conversions read one fixed grammar (ZQ_NumberText.h) whatever the
// C runtime: the throwing forms throw ZQ_Exception "Cannot recognize number"
// (ThrowStringToNumberErrorException); the others set an Error flag instead.
#ifndef ZQ_STRINGSUBS_H
#define ZQ_STRINGSUBS_H

#include "ZQ_String.h"

namespace ZQ_StringSubs {

// Capitalize: mode 2 upper-cases the first letter of every word; any other
// mode leaves the 30 small words (a, an, and, of, the ...) lower-case inside
// the text. The first and the last word are always capitalised.
const int Capitalize_KeepSmallWords = 1;
const int Capitalize_AllWords = 2;
ZQ_String Capitalize(const ZQ_String& Text, int Mode);

// StripWhiteSpace: StripWhere 0 strips the start, 1 the end, 2 both ends.
// StripMode 0 takes the text as one; StripMode_Multiline strips every line and
// drops the carriage returns before line feeds. White space is tab, line feed,
// carriage return and space.
const int StripWhere_Start = 0;
const int StripWhere_End = 1;
const int StripWhere_Both = 2;
const int StripMode_Text = 0;
const int StripMode_Multiline = 1;
ZQ_String StripWhiteSpace(const ZQ_String& Text, int StripWhere = StripWhere_Both,
                          int StripMode = StripMode_Text);

// A copy without carriage returns (the text is read up to its first NUL).
ZQ_String RemoveCarriageReturns(const ZQ_String& Text);
// Every tab replaced by exactly N spaces (no tab stops).
ZQ_String ExpandTabs(const ZQ_String& Text, int N);
// When Text is not empty and holds a space: Open put in front unless it is the
// first character, Close put behind unless it is the last. Otherwise Text.
ZQ_String AddQuotesIfNecessary(const ZQ_String& Text, char Open = '"', char Close = '"');
// When Text holds Open or Close: a copy without any Open or Close character,
// wherever they stand. Otherwise Text.
ZQ_String StripQuotes(const ZQ_String& Text, char Open = '"', char Close = '"');
// A copy keeping the characters whose class has a bit of Mask (read up to the
// first NUL).
ZQ_String PassChars(const ZQ_String& Text, unsigned long Mask);
// Occurrences of Char before the first NUL.
int CountChars(const ZQ_String& Text, char Char);
// Text cut before its first carriage return, then before its first line feed.
ZQ_String GetFirstLine(const ZQ_String& Text);

// Text to numbers. The Buffer forms read Length bytes (1 to 255); a NUL among
// them ends the number early, which is a failure, so a NUL-terminated text
// never has its terminator overrun. Beware: a text literal with a Base
// argument selects the Buffer form; pass a ZQ_String for a NUL-terminated text.

// A signed 32-bit integer in Base (0 or 2 to 36; see ZQ_NumberText_ParseInt32):
// optional leading white space and sign, the whole text used. A value outside
// -2147483648 to 2147483647 is a failure. Error forms return ZQ_NoMatch.
long StringToInt32(const ZQ_String& Text, int Base = 10);
long StringToInt32(const char* Buffer, int Length, int Base = 10);
long StringToInt32(const char* Buffer, int Length, bool& Error, int Base = 10);

// 1 to 8 hexadecimal digits, nothing else (no sign, prefix or white space).
// Error form returns 0.
unsigned long StringToUInt32(const ZQ_String& Text);
unsigned long StringToUInt32(const char* Buffer, int Length);
unsigned long StringToUInt32(const char* Buffer, int Length, bool& Error);

// A decimal floating-point number (see ZQ_NumberText_ParseDouble): no "inf",
// "nan" or hexadecimal forms; a value beyond the double range is a failure.
// Error forms return -9.9E+29. The string form with Error takes 1 to 255
// characters like the Buffer forms.
const double StringToDouble_ErrorValue = -9.9E+29;
double StringToDouble(const ZQ_String& Text);
double StringToDouble(const char* Buffer, int Length);
double StringToDouble(const char* Buffer, int Length, bool& Error);
double StringToDouble(const ZQ_String& Text, bool& Error);

}  // namespace ZQ_StringSubs

// Fills the parameter symbols of Template ("{$1}", "{$2}", with or without a
// format text of the compact format language, see ZQ_SetFormat) with Arg1 and
// Arg2; a symbol of any other number is replaced by nothing. Inserted text is
// not scanned again.
ZQ_String ZQ_SubstituteArguments(const ZQ_String& Template, const ZQ_String& Arg1,
                                 const ZQ_String& Arg2);

#endif
