#include "ZQLOW_Char.h"

#include <cctype>
#include <cstring>

#include "ZQ_Assertion.h"
#include "ZQ_StackTrace.h"

namespace ZQLOW_Char {

// Called per character in loops: no trace frame.
int ToLower(char Char) { return std::tolower(ToUnsignedChar(Char)); }
int ToUpper(char Char) { return std::toupper(ToUnsignedChar(Char)); }

unsigned HexDigitToValue(char Char) {
  if (Char >= '0' && Char <= '9') return static_cast<unsigned>(Char - '0');
  if (Char >= 'A' && Char <= 'F') return static_cast<unsigned>(Char - 'A' + 10);
  if (Char >= 'a' && Char <= 'f') return static_cast<unsigned>(Char - 'a' + 10);
  return 0;
}

char ValueToHexDigit(int Value) {
  ZQ_TRACE_FUNCTION("ZQLOW_Char::ValueToHexDigit");
  ZQ_ASSERT((0 <= Value) and (Value < 16));
  if (Value < 0 || Value >= 16) return '0';  // the assertion was ignored
  return "0123456789ABCDEF"[Value];
}

}  // namespace ZQLOW_Char

std::size_t ZQ_StrLen(const char* Text) { return std::strlen(Text); }
