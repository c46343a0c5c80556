#include "ZQ_RandomNumberGenerator.h"

#include "ZQLOW_WINBASE.h"
#include "ZQ_StackTrace.h"

void ZQ_RandomNumberGenerator::Randomize() {
  ZQ_TRACE_FUNCTION("ZQ_RandomNumberGenerator::Randomize");
  m_state = ZQLOW_WINBASE::GetTickCount();
}

// The upper half of the 64-bit product: in [0, n) for every n, and for n < 65536
// the same numbers as summing the 16-bit partial products.
std::uint32_t ZQ_RandomNumberGenerator::GetRandomInteger(std::uint32_t n) {
  Step();
  return static_cast<std::uint32_t>((static_cast<std::uint64_t>(m_state) * n) >> 32);
}

double ZQ_RandomNumberGenerator::GetRandomDouble() {
  // Extended precision, so that the largest state gives exactly 1.
  constexpr long double kOneOverMaxState = 1.0L / 4294967295.0L;
  Step();
  return static_cast<double>(m_state * kOneOverMaxState);
}
