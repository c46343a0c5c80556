// Reading typed dates and times (ZQ_Time::Parse, ZQ_Date::Parse). The
// matchers answer yes or no only; the caller words the complaint.

#include <cstdlib>
#include <string>

#include "ZQ_Assertion.h"
#include "ZQ_CharacterClass.h"
#include "ZQ_DateAndTime.h"
#include "ZQ_Numeric.h"
#include "ZQ_StackTrace.h"

namespace {

const unsigned long kDigitMask = ZQ_CharClass_Digit;
const unsigned long kNameMask = 0x7;          // ASCII letters and digits
const unsigned long kWhiteSpaceMask = 0x2E0;  // space, tab, line feed, return

// Values that need more digits than this are out of every range anyway;
// saturating keeps long digit runs from overflowing.
const long kValueCeiling = 1000000;

// A mismatch; only the Parse functions catch it.
struct ParseFail {};

struct ParseState {
  explicit ParseState(const ZQ_String& Text) : Text(Text.GetText()) {}
  char Current() const { return Text[Index]; }
  bool IsCurrentIn(unsigned long Mask) const {
    return Current() != '\0' && ZQ_IsCharInClass(Current(), Mask);
  }

  const char* Text;  // NUL-terminated
  int Index = 0;
};

// A stretch of the text that a step matched.
struct Token {
  int Start;
  int Length;
};

Token ReadRun(ParseState& State, unsigned long Mask) {
  if (!State.IsCurrentIn(Mask)) throw ParseFail();
  const int start = State.Index;
  while (State.IsCurrentIn(Mask)) ++State.Index;
  return {start, State.Index - start};
}

Token ReadDigits(ParseState& State) { return ReadRun(State, kDigitMask); }
Token ReadName(ParseState& State) { return ReadRun(State, kNameMask); }

void SkipWhiteSpace(ParseState& State) {
  while (State.IsCurrentIn(kWhiteSpaceMask)) ++State.Index;
}

bool TakeOptional(ParseState& State, char Char) {
  if (State.Current() != Char) return false;
  ++State.Index;
  return true;
}

void Require(ParseState& State, char Char) {
  if (!TakeOptional(State, Char)) throw ParseFail();
}

// White space, an optional ",", an optional "-", white space: at least one
// character in all.
void ReadSeparator(ParseState& State) {
  const int start = State.Index;
  SkipWhiteSpace(State);
  TakeOptional(State, ',');
  TakeOptional(State, '-');
  SkipWhiteSpace(State);
  if (State.Index == start) throw ParseFail();
}

void RequireEnd(const ParseState& State) {
  if (State.Current() != '\0') throw ParseFail();
}

long DecimalValue(const ParseState& State, Token Digits) {
  long value = 0;
  for (int i = 0; i < Digits.Length; ++i) {
    value = 10 * value + (State.Text[Digits.Start + i] - '0');
    if (value > kValueCeiling) return kValueCeiling;
  }
  return value;
}

// Decimal places beyond this many cannot change the correctly rounded double
// of a fraction: no double and no midpoint between two has more than 1074.
// Later digits count only as "something nonzero follows", so a long run of
// digits reads in linear time (the conversion is quadratic in its length).
const int kDecisiveFractionDigits = 1100;

// The fraction "0." followed by Digits, as the nearest double.
double FractionValue(const ParseState& State, Token Digits) {
  const char* digits = State.Text + Digits.Start;
  const int kept =
      Digits.Length < kDecisiveFractionDigits ? Digits.Length : kDecisiveFractionDigits;
  std::string fraction = "0." + std::string(digits, kept);
  for (int i = kept; i < Digits.Length; ++i) {
    if (digits[i] != '0') {
      fraction += '1';
      break;
    }
  }
  return std::strtod(fraction.c_str(), nullptr);
}

// The time matcher. Returns the time's parts through Result.
void MatchTime(ParseState& State, ZQ_Time& Result) {
  SkipWhiteSpace(State);
  const long hourValue = DecimalValue(State, ReadDigits(State));
  Require(State, ':');
  const long minute = DecimalValue(State, ReadDigits(State));

  Token secondsDigits = {0, 0};
  Token fractionDigits = {0, 0};
  const bool hasSeconds = TakeOptional(State, ':');
  if (hasSeconds) {
    secondsDigits = ReadDigits(State);
    if (TakeOptional(State, '.')) fractionDigits = ReadDigits(State);
  }

  SkipWhiteSpace(State);
  char meridiem = '\0';
  const char c = State.Current();
  if (c == 'a' || c == 'A' || c == 'p' || c == 'P') {
    meridiem = c;
    ++State.Index;
    TakeOptional(State, '.');
    if (!TakeOptional(State, 'm') && !TakeOptional(State, 'M')) throw ParseFail();
    TakeOptional(State, '.');
  }

  long hour = hourValue;
  if (hour > 23 || minute > 59) throw ParseFail();

  int seconds = 0;
  int milliseconds = 0;
  if (hasSeconds) {
    // The whole seconds and the fraction apart: "15.0005" as one double
    // lies just above the half millisecond and would round up.
    const long wholeSeconds = DecimalValue(State, secondsDigits);
    if (wholeSeconds >= 60) throw ParseFail();
    seconds = static_cast<int>(wholeSeconds);
    const double rounded = ZQ_Round(FractionValue(State, fractionDigits) * 1000.0);
    milliseconds = rounded > 999.0 ? 999 : static_cast<int>(rounded);
  }

  if (meridiem != '\0') {
    if (hour < 1 || hour > 12) throw ParseFail();
    if (meridiem == 'a' || meridiem == 'A') {
      if (hour == 12) hour = 0;
    } else if (hour != 12) {
      hour += 12;
    }
  }
  Result.SetHMS(static_cast<int>(hour), static_cast<int>(minute), seconds, milliseconds);
}

void MatchDate(ParseState& State, ZQ_Date& Result, int Flags) {
  const bool isUS = (Flags & ZQ_Date::Parse_US) != 0;
  SkipWhiteSpace(State);
  Token monthName = {0, 0};
  Token monthDigits = {0, 0};
  long day = 0;
  long year = 0;
  if (!State.IsCurrentIn(kDigitMask)) {
    // Month-name day year: "July 4, 2009".
    monthName = ReadName(State);
    TakeOptional(State, '.');
    ReadSeparator(State);
    day = DecimalValue(State, ReadDigits(State));
    ReadSeparator(State);
    year = DecimalValue(State, ReadDigits(State));
  } else {
    const Token first = ReadDigits(State);
    if (first.Length >= 4) {
      // ISO year-month-day.
      year = DecimalValue(State, first);
      Require(State, '-');
      monthDigits = ReadDigits(State);
      Require(State, '-');
      day = DecimalValue(State, ReadDigits(State));
    } else if (isUS && State.Current() == '/') {
      monthDigits = first;
      Require(State, '/');
      day = DecimalValue(State, ReadDigits(State));
      Require(State, '/');
      year = DecimalValue(State, ReadDigits(State));
    } else {
      // Day month-name year: "4 July 2009", "4-Jul-2009".
      day = DecimalValue(State, first);
      ReadSeparator(State);
      monthName = ReadName(State);
      TakeOptional(State, '.');
      ReadSeparator(State);
      year = DecimalValue(State, ReadDigits(State));
    }
  }
  if (isUS && year < 100) year += year < 50 ? 2000 : 1900;
  const long month = monthName.Length > 0
                         ? GetMonthIndexFromName(State.Text + monthName.Start, monthName.Length)
                         : DecimalValue(State, monthDigits);
  if (!ZQ_Date::IsLegalDate(static_cast<int>(day), static_cast<int>(month),
                            static_cast<int>(year)))
    throw ParseFail();
  Result.SetDMY(static_cast<int>(day), static_cast<int>(month), static_cast<int>(year));
}

// The common frame: run the matcher, then the end check or the end index.
template <class Value, class Matcher>
bool RunParse(const ZQ_String& TextToParse, Value& Result, int* EndIndex, Matcher Match) {
  ParseState state(TextToParse);
  try {
    Match(state, Result);
    if (!EndIndex) {
      SkipWhiteSpace(state);
      RequireEnd(state);
      // A NUL inside the text stops the matchers early: typed or stored text
      // that holds one is no date or time, not a program fault.
      if (state.Index != TextToParse.GetLength()) return false;
    } else {
      *EndIndex = state.Index;
    }
  } catch (const ParseFail&) {
    return false;
  }
  return true;
}

}  // namespace

bool ZQ_Time::Parse(const ZQ_String& TextToParse, ZQ_Time& Result, int /*Flags*/,
                    int* EndIndex) {
  ZQ_TRACE_FUNCTION("ZQ_Time::Parse");
  ZQ_TRACE_VARIABLE(TextToParse);
  return RunParse(TextToParse, Result, EndIndex,
                  [](ParseState& State, ZQ_Time& Value) { MatchTime(State, Value); });
}

bool ZQ_Date::Parse(const ZQ_String& TextToParse, ZQ_Date& Result, int Flags, int* EndIndex) {
  ZQ_TRACE_FUNCTION("ZQ_Date::Parse");
  ZQ_TRACE_VARIABLE(TextToParse);
  return RunParse(TextToParse, Result, EndIndex, [Flags](ParseState& State, ZQ_Date& Value) {
    MatchDate(State, Value, Flags);
  });
}
