// ZQLOW_Char.h: single-character conversions and hexadecimal digits. The rest
// of the library calls these instead of the runtime library.
#ifndef ZQLOW_CHAR_H
#define ZQLOW_CHAR_H

#include <cstddef>

namespace ZQLOW_Char {

// The runtime's tolower / toupper of the character (current locale). The
// character is passed as unsigned char, so bytes 128 to 255 are valid input.
int ToLower(char Char);
int ToUpper(char Char);

// '0'-'9' give 0-9, 'A'-'F' and 'a'-'f' give 10-15, anything else 0.
unsigned HexDigitToValue(char Char);

// The upper-case digit of Value; Value must be 0 to 15.
char ValueToHexDigit(int Value);

inline unsigned char ToUnsignedChar(char Char) { return static_cast<unsigned char>(Char); }
inline char ToChar(unsigned char Char) { return static_cast<char>(Char); }

}  // namespace ZQLOW_Char

// Length of a NUL-terminated text.
std::size_t ZQ_StrLen(const char* Text);

#endif
