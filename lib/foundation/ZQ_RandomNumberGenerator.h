// ZQ_RandomNumberGenerator.h: a 32-bit linear congruential generator
// (state = state * 134775813 + 1, modulo 2^32). Fast and reproducible from its
// seed; not for cryptography. A plain value: copies draw the same sequence.
#pragma once

#include <cstdint>

class ZQ_RandomNumberGenerator {
 public:
  explicit ZQ_RandomNumberGenerator(std::uint32_t seed) : m_state(seed) {}

  void SetSeed(std::uint32_t seed) { m_state = seed; }
  // Seeds from the millisecond tick count.
  void Randomize();
  // The current state (the seed as stepped by the draws so far).
  std::uint32_t GetSeed() const { return m_state; }

  // Each draw steps the state first, then maps it.
  // A number in [0, n): the upper 32 bits of state * n. 0 when n is 0.
  std::uint32_t GetRandomInteger(std::uint32_t n);
  // A number in [0, 1], both ends included: state / (2^32 - 1).
  double GetRandomDouble();

 private:
  void Step() { m_state = m_state * 134775813u + 1u; }

  std::uint32_t m_state;
};
