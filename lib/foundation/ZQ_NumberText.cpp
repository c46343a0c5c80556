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
// Fast conversions: one 64 x 64-bit product with a known error bound decides
// almost every conversion; where the bound leaves the result open, the exact
// conversions below decide.

struct UInt128 {
  std::uint64_t High;
  std::uint64_t Low;
};

UInt128 Multiply64(std::uint64_t A, std::uint64_t B) {
  const std::uint64_t mask = 0xFFFFFFFFu;
  const std::uint64_t lowLow = (A & mask) * (B & mask);
  const std::uint64_t lowHigh = (A & mask) * (B >> 32);
  const std::uint64_t highLow = (A >> 32) * (B & mask);
  const std::uint64_t highHigh = (A >> 32) * (B >> 32);
  const std::uint64_t middle = (lowLow >> 32) + (lowHigh & mask) + (highLow & mask);
  return {highHigh + (lowHigh >> 32) + (highLow >> 32) + (middle >> 32),
          (middle << 32) | (lowLow & mask)};
}

UInt128 Add(UInt128 A, UInt128 B) {
  const std::uint64_t low = A.Low + B.Low;
  return {A.High + B.High + (low < A.Low ? 1 : 0), low};
}

UInt128 Add(UInt128 A, std::uint64_t B) { return Add(A, UInt128{0, B}); }

bool IsLess(UInt128 A, UInt128 B) {
  return A.High != B.High ? A.High < B.High : A.Low < B.Low;
}

UInt128 PowerOfTwo128(int Exponent) {  // 0 <= Exponent < 128
  if (Exponent >= 64) return {static_cast<std::uint64_t>(1) << (Exponent - 64), 0};
  return {0, static_cast<std::uint64_t>(1) << Exponent};
}

// A >> Shift for 0 < Shift < 128, when the result fits in 64 bits.
std::uint64_t ShiftRight(UInt128 A, int Shift) {
  if (Shift >= 64) return A.High >> (Shift - 64);
  return (A.High << (64 - Shift)) | (A.Low >> Shift);
}

// A mod 2^Shift for 0 < Shift < 128.
UInt128 LowBits(UInt128 A, int Shift) {
  if (Shift >= 64) {
    const int high = Shift - 64;
    return {high == 0 ? 0 : A.High & ((static_cast<std::uint64_t>(1) << high) - 1), A.Low};
  }
  return {0, A.Low & ((static_cast<std::uint64_t>(1) << Shift) - 1)};
}

int LeadingZeros(std::uint64_t Value) { return __builtin_clzll(Value); }

struct PowerTable {
  std::uint64_t Values[28];
  constexpr explicit PowerTable(std::uint64_t Base) : Values() {
    Values[0] = 1;
    for (int i = 1; i < 28; ++i) Values[i] = Values[i - 1] * Base;
  }
};

constexpr PowerTable kPowersOfFive(5);  // all 28 exact
constexpr PowerTable kPowersOfTen(10);  // exact up to 10^19

// 10^(28 i) for i = -13 to 12 as Significand x 2^Exponent, the significand's
// top bit set, cut (not rounded) from the exact value.
struct PowerOfTenRow {
  std::uint64_t Significand;
  int Exponent;
};

const int kPowerStep = 28;
const int kLowestStep = -13;
const PowerOfTenRow kPowerSteps[] = {
    {0xE1AFA13AFBD14D6DULL, -1273},  // 10^-364
    {0xE3E27A444D8D98B7ULL, -1180},  // 10^-336
    {0xE61ACF033D1A45DFULL, -1087},  // 10^-308
    {0xE858AD248F5C22C9ULL, -994},   // 10^-280
    {0xEA9C227723EE8BCBULL, -901},   // 10^-252
    {0xECE53CEC4A314EBDULL, -808},   // 10^-224
    {0xEF340A98172AACE4ULL, -715},   // 10^-196
    {0xF18899B1BC3F8CA1ULL, -622},   // 10^-168
    {0xF3E2F893DEC3F126ULL, -529},   // 10^-140
    {0xF64335BCF065D37DULL, -436},   // 10^-112
    {0xF8A95FCF88747D94ULL, -343},   // 10^-84
    {0xFB158592BE068D2EULL, -250},   // 10^-56
    {0xFD87B5F28300CA0DULL, -157},   // 10^-28
    {0x8000000000000000ULL, -63},    // 10^0
    {0x813F3978F8940984ULL, 30},     // 10^28
    {0x82818F1281ED449FULL, 123},    // 10^56
    {0x83C7088E1AAB65DBULL, 216},    // 10^84
    {0x850FADC09923329EULL, 309},    // 10^112
    {0x865B86925B9BC5C2ULL, 402},    // 10^140
    {0x87AA9AFF79042286ULL, 495},    // 10^168
    {0x88FCF317F22241E2ULL, 588},    // 10^196
    {0x8A5296FFE33CC92FULL, 681},    // 10^224
    {0x8BAB8EEFB6409C1AULL, 774},    // 10^252
    {0x8D07E33455637EB2ULL, 867},    // 10^280
    {0x8E679C2F5E44FF8FULL, 960},    // 10^308
    {0x8FCAC257558EE4E6ULL, 1053},   // 10^336
};
const int kLowestPower = kPowerStep * kLowestStep;
const int kHighestPower =
    kLowestPower + kPowerStep * static_cast<int>(sizeof kPowerSteps / sizeof kPowerSteps[0]) - 1;

// 10^Power as Significand x 2^Exponent with the top bit of Significand set;
// the exact value lies in [Significand, Significand + 3) x 2^Exponent: the
// cut step row costs less than two units once multiplied by the exact factor
// 5^rest, cutting the product less than one. False outside the table.
bool ApproximatePowerOfTen(long Power, std::uint64_t& Significand, int& Exponent) {
  if (Power < kLowestPower || Power > kHighestPower) return false;
  const int power = static_cast<int>(Power);
  const int step = (power - kLowestPower) / kPowerStep;  // from the lowest row
  const int rest = power - kLowestPower - step * kPowerStep;  // 0 to 27
  const PowerOfTenRow& row = kPowerSteps[step];
  // 10^rest = 5^rest x 2^rest, and 5^rest is exact in 64 bits.
  const int zeros = LeadingZeros(kPowersOfFive.Values[rest]);
  const UInt128 product = Multiply64(row.Significand, kPowersOfFive.Values[rest] << zeros);
  const int topShift = (product.High >> 63) ? 64 : 63;
  Significand = ShiftRight(product, topShift);
  Exponent = row.Exponent + rest - zeros + topShift;
  return true;
}

// floor (Exponent x log10 (2)) for |Exponent| up to about 1600.
int FloorLog10OfPowerOfTwo(int Exponent) { return (Exponent * 78913) >> 18; }

// |Value| scaled by a power of ten so that its integer part has exactly Count
// digits (1 to 17): |Value| x 10^(Count - 1 - Exponent) with Exponent =
// floor (log10 |Value|). The scaled value lies in [Low, Low + Error] / 2^Shift.
struct ScaledDecimal {
  UInt128 Low;
  std::uint64_t Error;
  int Shift;
  int Exponent;
};

// False for zero, infinities and NaNs, and when the error bound leaves the
// number of digits open.
bool ScaleDecimal(double Value, int Count, ScaledDecimal& Out) {
  std::uint64_t bits;
  std::memcpy(&bits, &Value, sizeof bits);
  const int biased = static_cast<int>((bits >> 52) & 0x7FF);
  std::uint64_t mantissa = bits & ((static_cast<std::uint64_t>(1) << 52) - 1);
  if (biased == 0x7FF || (biased == 0 && mantissa == 0)) return false;
  int exponent;  // |Value| = mantissa x 2^exponent, 2^52 <= mantissa < 2^53
  if (biased == 0) {
    const int shift = LeadingZeros(mantissa) - 11;
    mantissa <<= shift;
    exponent = -1074 - shift;
  } else {
    mantissa |= static_cast<std::uint64_t>(1) << 52;
    exponent = biased - 1075;
  }
  // 10^k <= 2^(exponent + 52) <= |Value|, and |Value| < 10^(k + 2).
  for (int k = FloorLog10OfPowerOfTwo(exponent + 52), attempt = 0; attempt < 2; ++k, ++attempt) {
    std::uint64_t power;
    int powerExponent;
    if (!ApproximatePowerOfTen(Count - 1 - k, power, powerExponent)) return false;
    const int shift = -(exponent + powerExponent);
    if (shift < 54 || shift > 127) return false;  // never for Count up to 17
    const UInt128 low = Multiply64(mantissa, power);
    const std::uint64_t error = 3 * mantissa;
    const std::uint64_t integerLow = ShiftRight(low, shift);
    const std::uint64_t integerHigh = ShiftRight(Add(low, error), shift);
    if (integerLow < kPowersOfTen.Values[Count - 1]) return false;
    if (integerLow >= kPowersOfTen.Values[Count]) continue;  // k was one too small
    if (integerHigh >= kPowersOfTen.Values[Count]) return false;
    Out = {low, error, shift, k};
    return true;
  }
  return false;
}

// Writes the Count decimal digits of Value (which has no more) with leading
// zeros; only one 64-bit division.
void WriteDigits(std::uint64_t Value, int Count, char* Digits) {
  int i = Count;
  if (Count > 9) {
    std::uint32_t low = static_cast<std::uint32_t>(Value % 1000000000u);
    Value /= 1000000000u;
    for (int n = 0; n < 9; ++n, low /= 10) Digits[--i] = static_cast<char>('0' + low % 10);
  }
  for (std::uint32_t rest = static_cast<std::uint32_t>(Value); i > 0; rest /= 10)
    Digits[--i] = static_cast<char>('0' + rest % 10);
}

const int kMaxFastDigits = 17;

// The first Count (1 to 17) significant digits of |Value| rounded half away
// from zero, as RoundDigits gives them from the exact expansion. False when
// the error bound leaves the rounding open.
bool FastSignificantDigits(double Value, int Count, char* Digits, int& Dec) {
  ScaledDecimal scaled;
  if (Count > kMaxFastDigits || !ScaleDecimal(Value, Count, scaled)) return false;
  const UInt128 rounded = Add(scaled.Low, PowerOfTwo128(scaled.Shift - 1));
  std::uint64_t digits = ShiftRight(rounded, scaled.Shift);
  if (ShiftRight(Add(rounded, scaled.Error), scaled.Shift) != digits) return false;
  Dec = scaled.Exponent + 1;
  if (digits == kPowersOfTen.Values[Count]) {  // 999.5 became 1000
    digits = kPowersOfTen.Values[Count - 1];
    ++Dec;
  }
  WriteDigits(digits, Count, Digits);
  return true;
}

// The number of digits before the point of a finite non-zero |Value|. False
// when the error bound leaves it open.
bool FastDigitsBeforePoint(double Value, int& Dec) {
  ScaledDecimal scaled;
  if (!ScaleDecimal(Value, 1, scaled)) return false;
  Dec = scaled.Exponent + 1;
  return true;
}

// Digits x 10^Exponent rounded to the nearest double, ties to even, for
// normal results. False when the error bound leaves the rounding open, when
// the result would be subnormal or too large, or the power is outside the
// table: the exact conversion decides those.
bool FastDecimalToDouble(std::uint64_t Digits, long Exponent, double& Value) {
  std::uint64_t power;
  int powerExponent;
  if (Digits == 0 || !ApproximatePowerOfTen(Exponent, power, powerExponent)) return false;
  const int zeros = LeadingZeros(Digits);
  const std::uint64_t digits = Digits << zeros;
  // The exact value lies in [low, low + 3 x digits] x 2^(powerExponent - zeros).
  const UInt128 low = Multiply64(digits, power);
  const int shift = (low.High >> 63) ? 75 : 74;  // leaves 53 bits
  std::uint64_t mantissa = ShiftRight(low, shift);
  const UInt128 rest = LowBits(low, shift);
  const UInt128 half = PowerOfTwo128(shift - 1);
  const UInt128 restHigh = Add(rest, Multiply64(digits, 3));
  // A tie, or a rest that the error could carry past the half, is open.
  if (!IsLess(rest, half) && !IsLess(half, rest)) return false;
  if (IsLess(rest, half) && !IsLess(restHigh, half)) return false;
  if (!IsLess(rest, half)) ++mantissa;
  int biased = shift + powerExponent - zeros + 52 + 1023;
  if (mantissa == static_cast<std::uint64_t>(1) << 53) {
    mantissa >>= 1;
    ++biased;
  }
  if (biased < 1 || biased > 2046) return false;
  Value = DoubleFromBits((static_cast<std::uint64_t>(biased) << 52) |
                         (mantissa & ((static_cast<std::uint64_t>(1) << 52) - 1)));
  return true;
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

// Number (at most 19 digits, non-zero, within the double range) converted
// without big numbers: exactly in one IEEE operation when the digits and the
// power of ten are exact doubles, else by the fast product. False when
// neither decides.
bool QuickDecimalToDouble(const DecimalNumber& Number, double& Value) {
  if (Number.Count > ZQ_NumberText_MaxSignificantDigits) return false;
  std::uint64_t digits = 0;
  for (int i = 0; i < Number.Count; ++i) digits = 10 * digits + (Number.Digits[i] - '0');
  static const double kExactPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                        1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                        1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
  if (Number.Count <= 15 && Number.Exponent >= -22 && Number.Exponent <= 22) {
    const double d = static_cast<double>(digits);
    Value = Number.Exponent >= 0 ? d * kExactPowers[Number.Exponent]
                                 : d / kExactPowers[-Number.Exponent];
    return true;
  }
  return FastDecimalToDouble(digits, Number.Exponent, Value);
}

// Value = Number rounded to the nearest double, ties to even. False on
// overflow. Quick allows the conversions without big numbers first.
bool DecimalToDouble(const DecimalNumber& Number, double& Value, bool Quick) {
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
  if (Quick && QuickDecimalToDouble(Number, Value)) return true;

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

namespace {

bool ParseDouble(const char* Text, int Length, double& Value, bool Quick) {
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
  if (!DecimalToDouble(number, magnitude, Quick)) return false;
  Value = negative ? -magnitude : magnitude;
  return true;
}

void SignificantDigits(double Value, int Count, char* Digits, int& Dec, bool Quick) {
  Count = Clamp(Count, 1, ZQ_NumberText_MaxDigits);
  const int significant = Count < ZQ_NumberText_MaxSignificantDigits
                              ? Count
                              : ZQ_NumberText_MaxSignificantDigits;
  if (!Quick || !FastSignificantDigits(Value, significant, Digits, Dec)) {
    ExactDigits exact;
    ComputeExactDigits(Value, exact);
    if (exact.Count == 0) {
      FillZeros(Digits, 0, Count);
      Dec = 1;
      return;
    }
    RoundDigits(exact, significant, Digits, Dec);
  }
  FillZeros(Digits, significant, Count);
}

void FixedDigits(double Value, int Count, char* Digits, int& Dec, bool Quick) {
  if (Count < 0) Count = 0;
  // Most values keep 1 to 17 digits: their rounding is that of the
  // significant digits.
  int digitsBeforePoint;
  if (Quick && FastDigitsBeforePoint(Value, digitsBeforePoint)) {
    const int keep = digitsBeforePoint + Count;
    if (keep >= 1 && keep <= kMaxFastDigits && FastSignificantDigits(Value, keep, Digits, Dec)) {
      FillZeros(Digits, keep, Clamp(Dec + Count, keep, ZQ_NumberText_MaxDigits));
      return;
    }
  }
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

}  // namespace

bool ZQ_NumberText_ParseDouble(const char* Text, int Length, double& Value) {
  return ParseDouble(Text, Length, Value, true);
}

bool ZQ_NumberText_ParseDoubleExactly(const char* Text, int Length, double& Value) {
  return ParseDouble(Text, Length, Value, false);
}

void ZQ_NumberText_SignificantDigits(double Value, int Count, char* Digits, int& Dec) {
  SignificantDigits(Value, Count, Digits, Dec, true);
}

void ZQ_NumberText_SignificantDigitsExactly(double Value, int Count, char* Digits, int& Dec) {
  SignificantDigits(Value, Count, Digits, Dec, false);
}

void ZQ_NumberText_FixedDigits(double Value, int Count, char* Digits, int& Dec) {
  FixedDigits(Value, Count, Digits, Dec, true);
}

void ZQ_NumberText_FixedDigitsExactly(double Value, int Count, char* Digits, int& Dec) {
  FixedDigits(Value, Count, Digits, Dec, false);
}

int ZQ_NumberText_DigitsBeforePoint(double Value) {
  int dec;
  if (FastDigitsBeforePoint(Value, dec)) return dec;
  ExactDigits exact;
  ComputeExactDigits(Value, exact);
  return exact.Count == 0 ? 0 : exact.Dec;
}

int ZQ_NumberText_FormatInteger(unsigned long Magnitude, bool Negative, int Base,
                                char* Buffer) {
  if (Base < 2 || Base > 36) Base = 10;
  char reversed[33];
  int length = 0;
  if (Base == 10) {  // a constant divisor: multiplications instead of divisions
    do {
      reversed[length++] = static_cast<char>('0' + Magnitude % 10);
      Magnitude /= 10;
    } while (Magnitude);
  } else {
    do {
      reversed[length++] = "0123456789abcdefghijklmnopqrstuvwxyz"[Magnitude % Base];
      Magnitude /= static_cast<unsigned long>(Base);
    } while (Magnitude);
  }
  int out = 0;
  if (Negative) Buffer[out++] = '-';
  while (length) Buffer[out++] = reversed[--length];
  Buffer[out] = 0;
  return out;
}
