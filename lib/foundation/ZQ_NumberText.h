// ZQ_NumberText.h: the library's own conversions between numbers and their
// decimal (or other radix) text. They replace the runtime's strtol, strtod,
// ltoa, ecvt and fcvt, whose grammar and rounding differ between C runtimes
// (msvcrt and mingw disagree on "inf", "nan", hexadecimal floating text,
// three-digit exponents and the rounding of long texts), so that every
// machine reads and writes numbers alike.
// Pure functions: nothing allocates on the heap, nothing throws.
// Conversions of doubles first try one 64 x 64-bit product with a known error
// bound and fall back to exact big-number arithmetic only where that bound
// leaves the result open; the ...Exactly forms take the exact way alone and
// give the same results (the reference the fast way is tested against).
#ifndef ZQ_NUMBERTEXT_H
#define ZQ_NUMBERTEXT_H

// Reads all of Text[0, Length) as a signed 32-bit integer, the grammar of the
// C standard's strtol: optional white space (space, tab, line feed, vertical
// tab, form feed, carriage return), an optional sign, then digits of Base (2
// to 36, letters in either case). Base 16 allows a "0x" or "0X" prefix; Base 0
// takes 16 after such a prefix, 8 after a leading "0", else 10. False when the
// text does not match entirely, when Base is invalid, or when the value lies
// outside -2147483648 to 2147483647; Value is then untouched.
bool ZQ_NumberText_ParseInt32(const char* Text, int Length, int Base, long& Value);

// Reads all of Text[0, Length) as a double, the decimal grammar of the number
// characters: optional white space (as above), an optional sign, digits with
// at most one period and at least one digit, then optionally "E" or "e", an
// optional sign and at least one digit. No "inf", "nan", hexadecimal or "d"
// exponent forms. The result is the double nearest the exact decimal value
// (ties to even), whatever the number of digits; a value that rounds to below
// the smallest subnormal gives zero. False when the text does not match
// entirely or when the value is too large for a double; Value is then
// untouched.
bool ZQ_NumberText_ParseDouble(const char* Text, int Length, double& Value);
bool ZQ_NumberText_ParseDoubleExactly(const char* Text, int Length, double& Value);

// Digits of a double as the classic ecvt/fcvt conversions give them, for a
// finite value; the sign is ignored. Digits receives only digit characters
// and a terminating NUL; Buffer must hold ZQ_NumberText_MaxDigits + 1 bytes.
// Dec is the position of the decimal point relative to the first digit (1:
// the point follows the first digit; 0 or less: -Dec zeros stand between the
// point and the first digit).
// Rounding is half away from zero on the exact binary value. At most 19
// significant digits are produced; further requested digits are zeros, up to
// ZQ_NumberText_MaxDigits in all. Zero, and a value that rounds to zero at the
// requested position, gives zeros with Dec = 1.
const int ZQ_NumberText_MaxDigits = 40;
const int ZQ_NumberText_MaxSignificantDigits = 19;

// Count significant digits (at least 1).
void ZQ_NumberText_SignificantDigits(double Value, int Count, char* Digits, int& Dec);
void ZQ_NumberText_SignificantDigitsExactly(double Value, int Count, char* Digits, int& Dec);
// Digits up to the Count-th place after the point (Count may be 0). Zero
// gives Count + 1 zeros.
void ZQ_NumberText_FixedDigits(double Value, int Count, char* Digits, int& Dec);
void ZQ_NumberText_FixedDigitsExactly(double Value, int Count, char* Digits, int& Dec);

// The exact decimal exponent of a finite non-zero value: the number of digits
// before the point (floor(log10(|Value|)) + 1 without the rounding of log10);
// 0 for zero.
int ZQ_NumberText_DigitsBeforePoint(double Value);

// The text of Value in Base (2 to 36), letters in lower case, NUL-terminated.
// Negative is written as a leading "-" before the digits of Magnitude. Buffer
// must hold 34 bytes. Returns the length.
int ZQ_NumberText_FormatInteger(unsigned long Magnitude, bool Negative, int Base,
                                char* Buffer);

#endif
