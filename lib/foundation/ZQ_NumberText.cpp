#include "ZQ_NumberText.h"

#include <cstdint>
#include <cstring>

namespace {

// Unsigned integers of up to 160 32-bit words, enough for every exact value
// the conversions meet: a double's exact decimal expansion needs about 2550
// bits, a 800-digit decimal text scaled into the double range about 3900.
class BigUnsigned {
 public:
  BigUnsigned() = default;
  explicit BigUnsigned(std::uint64_t Value) {
    while (Value) {
      Words[Size++] = static_cast<std::uint32_t>(Value);
      Value >>= 32;
    }
  }

  bool IsZero() const { return Size == 0; }

  int BitLength() const {
    if (Size == 0) return 0;
    int bits = 32 * (Size - 1);
    for (std::uint32_t top = Words[Size - 1]; top; top >>= 1) ++bits;
    return bits;
  }

  // this = this * Factor + Addend
  void MultiplyAdd(std::uint32_t Factor, std::uint32_t Addend) {
    std::uint64_t carry = Addend;
    for (int i = 0; i < Size; ++i) {
      const std::uint64_t product = static_cast<std::uint64_t>(Words[i]) * Factor + carry;
      Words[i] = static_cast<std::uint32_t>(product);
      carry = product >> 32;
    }
    if (carry && Size < kMaxWords) Words[Size++] = static_cast<std::uint32_t>(carry);
  }

  void MultiplyByPowerOf5(int Exponent) {
    // 5^13 is the largest power of 5 below 2^32.
    for (; Exponent >= 13; Exponent -= 13) MultiplyAdd(1220703125u, 0);
    static const std::uint32_t kSmallPowers[] = {1, 5, 25, 125, 625, 3125, 15625,
                                                 78125, 390625, 1953125, 9765625,
                                                 48828125, 244140625};
    if (Exponent > 0) MultiplyAdd(kSmallPowers[Exponent], 0);
  }

  void MultiplyByPowerOf10(int Exponent) {
    MultiplyByPowerOf5(Exponent);
    ShiftLeft(Exponent);
  }

  void ShiftLeft(int Bits) {
    if (Size == 0 || Bits <= 0) return;
    const int wordShift = Bits / 32;
    const int bitShift = Bits % 32;
    int newSize = Size + wordShift + 1;
    if (newSize > kMaxWords) newSize = kMaxWords;  // callers stay far below
    for (int i = newSize - 1; i >= 0; --i) {
      const int source = i - wordShift;
      std::uint32_t word = 0;
      if (source >= 0 && source < Size) word = Words[source] << bitShift;
      if (bitShift && source - 1 >= 0 && source - 1 < Size)
        word |= Words[source - 1] >> (32 - bitShift);
      Words[i] = word;
    }
    Size = newSize;
    Trim();
  }

  // Divides in place; returns the remainder.
  std::uint32_t DivideSmall(std::uint32_t Divisor) {
    std::uint64_t remainder = 0;
    for (int i = Size - 1; i >= 0; --i) {
      const std::uint64_t current = (remainder << 32) | Words[i];
      Words[i] = static_cast<std::uint32_t>(current / Divisor);
      remainder = current % Divisor;
    }
    Trim();
    return static_cast<std::uint32_t>(remainder);
  }

  int Compare(const BigUnsigned& Other) const {
    if (Size != Other.Size) return Size < Other.Size ? -1 : 1;
    for (int i = Size - 1; i >= 0; --i)
      if (Words[i] != Other.Words[i]) return Words[i] < Other.Words[i] ? -1 : 1;
    return 0;
  }

  // this -= Other; requires this >= Other.
  void Subtract(const BigUnsigned& Other) {
    std::int64_t borrow = 0;
    for (int i = 0; i < Size; ++i) {
      std::int64_t difference = static_cast<std::int64_t>(Words[i]) - borrow -
                                (i < Other.Size ? Other.Words[i] : 0);
      borrow = difference < 0 ? 1 : 0;
      if (difference < 0) difference += static_cast<std::int64_t>(1) << 32;
      Words[i] = static_cast<std::uint32_t>(difference);
    }
    Trim();
  }

 private:
  static const int kMaxWords = 160;
  void Trim() {
    while (Size > 0 && Words[Size - 1] == 0) --Size;
  }
  int Size = 0;
  std::uint32_t Words[kMaxWords] = {};
};

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'z') return c - 'a' + 10;
  if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
  return 99;
}

double DoubleFromBits(std::uint64_t Bits) {
  double value;
  std::memcpy(&value, &Bits, sizeof value);
  return value;
}

// ---------------------------------------------------------------------------
// Decimal text to double

// A decimal text reduced to its significant digits: value = Digits x 10^Exponent.
struct DecimalNumber {
  // Beyond this many digits only whether any further digit is non-zero
  // matters: the exact midpoints between doubles have at most 768
  // significant digits, so a non-zero tail is kept as one final "1".
  static const int kMaxDigits = 800;
  char Digits[kMaxDigits + 1];
  int Count = 0;
  long Exponent = 0;
};

// Value = Number rounded to the nearest double, ties to even. False on
// overflow.
bool DecimalToDouble(const DecimalNumber& Number, double& Value) {
  if (Number.Count == 0) {
    Value = 0.0;
    return true;
  }
  const long magnitude = Number.Count + Number.Exponent;  // value < 10^magnitude
  if (magnitude > 310) return false;
  if (magnitude < -324) {  // below 10^-325, under half the smallest subnormal
    Value = 0.0;
    return true;
  }
  // Exact in one IEEE operation: both operands are exact doubles.
  static const double kExactPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                        1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                        1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
  if (Number.Count <= 15 && Number.Exponent >= -22 && Number.Exponent <= 22) {
    std::int64_t digits = 0;
    for (int i = 0; i < Number.Count; ++i) digits = 10 * digits + (Number.Digits[i] - '0');
    const double d = static_cast<double>(digits);
    Value = Number.Exponent >= 0 ? d * kExactPowers[Number.Exponent]
                                 : d / kExactPowers[-Number.Exponent];
    return true;
  }

  BigUnsigned numerator;
  for (int i = 0; i < Number.Count; ++i)
    numerator.MultiplyAdd(10, static_cast<std::uint32_t>(Number.Digits[i] - '0'));
  BigUnsigned denominator(1);
  if (Number.Exponent >= 0)
    numerator.MultiplyByPowerOf10(static_cast<int>(Number.Exponent));
  else
    denominator.MultiplyByPowerOf10(static_cast<int>(-Number.Exponent));

  // Scale by 2^Shift so that the quotient has 54 or 55 bits, but never past
  // 2^1075: there the rounding bit is half the smallest subnormal.
  int shift = 54 - (numerator.BitLength() - denominator.BitLength());
  if (shift > 1075) shift = 1075;
  if (shift >= 0)
    numerator.ShiftLeft(shift);
  else
    denominator.ShiftLeft(-shift);

  std::uint64_t quotient = 0;
  for (int bit = 55; bit >= 0; --bit) {
    BigUnsigned part = denominator;
    part.ShiftLeft(bit);
    if (numerator.Compare(part) >= 0) {
      numerator.Subtract(part);
      quotient |= static_cast<std::uint64_t>(1) << bit;
    }
  }
  bool sticky = !numerator.IsZero();
  if (quotient >= (static_cast<std::uint64_t>(1) << 54)) {
    sticky = sticky || (quotient & 1);
    quotient >>= 1;
    --shift;
  }
  // quotient = mantissa bits and one rounding bit; value ~ quotient x 2^-shift.
  std::uint64_t mantissa = quotient >> 1;
  if ((quotient & 1) && (sticky || (mantissa & 1))) ++mantissa;
  const std::uint64_t hidden = static_cast<std::uint64_t>(1) << 52;
  if (mantissa == 2 * hidden) {
    mantissa = hidden;
    --shift;
  }
  std::uint64_t bits;
  if (mantissa >= hidden) {
    const int biased = 1076 - shift;
    if (biased >= 2047) return false;
    bits = (static_cast<std::uint64_t>(biased) << 52) | (mantissa - hidden);
  } else {
    bits = mantissa;  // subnormal (shift is 1075); a carry into bit 52 is right too
  }
  Value = DoubleFromBits(bits);
  return true;
}

// ---------------------------------------------------------------------------
// Double to decimal digits

// The exact decimal expansion of a positive finite double, without leading or
// trailing zeros: value = 0.Digits x 10^Dec.
struct ExactDigits {
  static const int kMaxDigits = 800;  // a double needs at most 767
  char Digits[kMaxDigits];
  int Count = 0;
  int Dec = 0;
};

void ComputeExactDigits(double Value, ExactDigits& Out) {
  std::uint64_t bits;
  std::memcpy(&bits, &Value, sizeof bits);
  const int biased = static_cast<int>((bits >> 52) & 0x7FF);
  std::uint64_t mantissa = bits & ((static_cast<std::uint64_t>(1) << 52) - 1);
  int exponent;
  if (biased == 0) {
    exponent = -1074;
  } else {
    mantissa |= static_cast<std::uint64_t>(1) << 52;
    exponent = biased - 1075;
  }
  Out.Count = 0;
  Out.Dec = 0;
  if (mantissa == 0) return;
  while (!(mantissa & 1) && exponent < 0) {
    mantissa >>= 1;
    ++exponent;
  }
  // value = mantissa x 2^exponent = (mantissa x 5^-exponent) x 10^exponent
  BigUnsigned number(mantissa);
  if (exponent >= 0)
    number.ShiftLeft(exponent);
  else
    number.MultiplyByPowerOf5(-exponent);

  // Nine decimal digits at a time, least significant first.
  char reversed[ExactDigits::kMaxDigits + 9];
  int length = 0;
  while (!number.IsZero()) {
    std::uint32_t chunk = number.DivideSmall(1000000000u);
    for (int i = 0; i < 9; ++i) {
      reversed[length++] = static_cast<char>('0' + chunk % 10);
      chunk /= 10;
    }
  }
  while (length > 0 && reversed[length - 1] == '0') --length;
  const int totalDigits = length;
  int low = 0;
  while (reversed[low] == '0') ++low;  // trailing zeros of the expansion
  for (int i = length - 1; i >= low; --i) Out.Digits[Out.Count++] = reversed[i];
  Out.Dec = totalDigits + (exponent < 0 ? exponent : 0);
}

// Keeps Keep digits of Exact (Keep >= 1), rounding half away from zero, into
// Digits; Dec moves when the rounding carries into a new first digit.
void RoundDigits(const ExactDigits& Exact, int Keep, char* Digits, int& Dec) {
  Dec = Exact.Dec;
  for (int i = 0; i < Keep; ++i) Digits[i] = i < Exact.Count ? Exact.Digits[i] : '0';
  if (Keep < Exact.Count && Exact.Digits[Keep] >= '5') {
    int i = Keep - 1;
    while (i >= 0 && Digits[i] == '9') Digits[i--] = '0';
    if (i >= 0) {
      ++Digits[i];
    } else {
      Digits[0] = '1';  // 999 became 1000: the rest are zeros already
      ++Dec;
    }
  }
}

void FillZeros(char* Digits, int From, int To) {
  for (int i = From; i < To; ++i) Digits[i] = '0';
  Digits[To] = 0;
}

int Clamp(int Value, int Low, int High) {
  return Value < Low ? Low : (Value > High ? High : Value);
}

}  // namespace

bool ZQ_NumberText_ParseInt32(const char* Text, int Length, int Base, long& Value) {
  if (Base != 0 && (Base < 2 || Base > 36)) return false;
  int i = 0;
  while (i < Length && IsSpace(Text[i])) ++i;
  bool negative = false;
  if (i < Length && (Text[i] == '+' || Text[i] == '-')) negative = Text[i++] == '-';
  const bool hasHexPrefix = i + 1 < Length && Text[i] == '0' &&
                            (Text[i + 1] == 'x' || Text[i + 1] == 'X');
  if (Base == 0) Base = hasHexPrefix ? 16 : (i < Length && Text[i] == '0' ? 8 : 10);
  // The prefix counts only when a hexadecimal digit follows it.
  if (Base == 16 && hasHexPrefix && i + 2 < Length && DigitValue(Text[i + 2]) < 16) i += 2;
  const int firstDigit = i;
  const std::uint64_t limit = negative ? 2147483648u : 2147483647u;
  std::uint64_t magnitude = 0;
  for (; i < Length; ++i) {
    const int digit = DigitValue(Text[i]);
    if (digit >= Base) return false;
    magnitude = magnitude * static_cast<unsigned>(Base) + static_cast<unsigned>(digit);
    if (magnitude > limit) return false;
  }
  if (i == firstDigit) return false;
  Value = negative ? static_cast<long>(-static_cast<std::int64_t>(magnitude))
                   : static_cast<long>(magnitude);
  return true;
}

bool ZQ_NumberText_ParseDouble(const char* Text, int Length, double& Value) {
  int i = 0;
  while (i < Length && IsSpace(Text[i])) ++i;
  bool negative = false;
  if (i < Length && (Text[i] == '+' || Text[i] == '-')) negative = Text[i++] == '-';

  DecimalNumber number;
  bool anyDigit = false;
  bool seenPoint = false;
  bool droppedNonZero = false;
  for (; i < Length; ++i) {
    const char c = Text[i];
    if (c == '.') {
      if (seenPoint) break;
      seenPoint = true;
      continue;
    }
    if (c < '0' || c > '9') break;
    anyDigit = true;
    if (number.Count == 0 && c == '0') {  // leading zero
      if (seenPoint) --number.Exponent;
      continue;
    }
    if (number.Count < DecimalNumber::kMaxDigits) {
      number.Digits[number.Count++] = c;
      if (seenPoint) --number.Exponent;
    } else {
      if (c != '0') droppedNonZero = true;
      if (!seenPoint) ++number.Exponent;
    }
  }
  if (!anyDigit) return false;
  if (i < Length && (Text[i] == 'e' || Text[i] == 'E')) {
    ++i;
    bool negativeExponent = false;
    if (i < Length && (Text[i] == '+' || Text[i] == '-')) negativeExponent = Text[i++] == '-';
    const int firstDigit = i;
    long exponent = 0;
    for (; i < Length && Text[i] >= '0' && Text[i] <= '9'; ++i)
      if (exponent < 100000) exponent = 10 * exponent + (Text[i] - '0');
    if (i == firstDigit) return false;
    number.Exponent += negativeExponent ? -exponent : exponent;
  }
  if (i != Length) return false;
  if (droppedNonZero) {
    number.Digits[number.Count++] = '1';
    --number.Exponent;
  }
  while (number.Count > 0 && number.Digits[number.Count - 1] == '0') {
    --number.Count;
    ++number.Exponent;
  }
  double magnitude;
  if (!DecimalToDouble(number, magnitude)) return false;
  Value = negative ? -magnitude : magnitude;
  return true;
}

void ZQ_NumberText_SignificantDigits(double Value, int Count, char* Digits, int& Dec) {
  Count = Clamp(Count, 1, ZQ_NumberText_MaxDigits);
  ExactDigits exact;
  ComputeExactDigits(Value, exact);
  if (exact.Count == 0) {
    FillZeros(Digits, 0, Count);
    Dec = 1;
    return;
  }
  const int significant = Count < ZQ_NumberText_MaxSignificantDigits
                              ? Count
                              : ZQ_NumberText_MaxSignificantDigits;
  RoundDigits(exact, significant, Digits, Dec);
  FillZeros(Digits, significant, Count);
}

void ZQ_NumberText_FixedDigits(double Value, int Count, char* Digits, int& Dec) {
  if (Count < 0) Count = 0;
  ExactDigits exact;
  ComputeExactDigits(Value, exact);
  const int keep = exact.Dec + Count;  // digits from the first to the last place
  const bool roundsToZero =
      exact.Count == 0 || keep < 0 || (keep == 0 && exact.Digits[0] < '5');
  if (roundsToZero) {
    FillZeros(Digits, 0, Clamp(Count + 1, 1, ZQ_NumberText_MaxDigits));
    Dec = 1;
    return;
  }
  if (keep == 0) {  // 0.5 to no places: the digit 1 one place further left
    Digits[0] = '1';
    Digits[1] = 0;
    Dec = exact.Dec + 1;
    return;
  }
  const int significant =
      keep < ZQ_NumberText_MaxSignificantDigits ? keep : ZQ_NumberText_MaxSignificantDigits;
  RoundDigits(exact, significant, Digits, Dec);
  FillZeros(Digits, significant, Clamp(Dec + Count, significant, ZQ_NumberText_MaxDigits));
}

int ZQ_NumberText_DigitsBeforePoint(double Value) {
  ExactDigits exact;
  ComputeExactDigits(Value, exact);
  return exact.Count == 0 ? 0 : exact.Dec;
}

int ZQ_NumberText_FormatInteger(unsigned long Magnitude, bool Negative, int Base,
                                char* Buffer) {
  if (Base < 2 || Base > 36) Base = 10;
  char reversed[33];
  int length = 0;
  do {
    reversed[length++] = "0123456789abcdefghijklmnopqrstuvwxyz"[Magnitude % Base];
    Magnitude /= static_cast<unsigned long>(Base);
  } while (Magnitude);
  int out = 0;
  if (Negative) Buffer[out++] = '-';
  while (length) Buffer[out++] = reversed[--length];
  Buffer[out] = 0;
  return out;
}
