#include "ZQ_RandomNumberGenerator.h"

#define WIN32_LEAN_AND_MEAN
#ifndef NOMINMAX  // libstdc++ defines it too
#define NOMINMAX
#endif
#include <windows.h>

#include <gtest/gtest.h>

TEST(ZQ_RandomNumberGenerator, StepsTheLinearCongruentialState) {
  ZQ_RandomNumberGenerator generator(0);
  const struct { std::uint32_t state, integerOf100, integerOf65535; } kDraws[] = {
      {1u, 0, 0},
      {134775814u, 3, 2056},
      {3698175007u, 86, 56428},
      {870078620u, 20, 13276},
  };
  ZQ_RandomNumberGenerator twin(0);
  for (const auto& d : kDraws) {
    SCOPED_TRACE(d.state);
    EXPECT_EQ(generator.GetRandomInteger(100), d.integerOf100);
    EXPECT_EQ(generator.GetSeed(), d.state);
    EXPECT_EQ(twin.GetRandomInteger(65535), d.integerOf65535);
  }
}

TEST(ZQ_RandomNumberGenerator, DrawsIntegersBelowTheLimit) {
  ZQ_RandomNumberGenerator generator(12345);
  int counts[6] = {};
  for (int i = 0; i < 6000; ++i) {
    const std::uint32_t n = generator.GetRandomInteger(6);
    ASSERT_LT(n, 6u);
    ++counts[n];
  }
  for (int count : counts) EXPECT_GT(count, 800);
  // The full 32-bit range: the upper half of the product stays below n.
  for (int i = 0; i < 1000; ++i) ASSERT_LT(generator.GetRandomInteger(4000000000u), 4000000000u);
  EXPECT_EQ(generator.GetRandomInteger(0), 0u);
}

TEST(ZQ_RandomNumberGenerator, DrawsDoublesIncludingBothEnds) {
  // Seeds whose next state is 0 and 2^32 - 1.
  const struct { std::uint32_t seed; double want; } kCases[] = {
      {0x26B05733u, 0.0},
      {0x4D60AE66u, 1.0},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.seed);
    ZQ_RandomNumberGenerator generator(c.seed);
    EXPECT_EQ(generator.GetRandomDouble(), c.want);
  }
  ZQ_RandomNumberGenerator generator(0);
  EXPECT_EQ(generator.GetRandomDouble(), 1.0 / 4294967295.0);
  EXPECT_EQ(generator.GetSeed(), 1u);
}

TEST(ZQ_RandomNumberGenerator, RandomizeSeedsFromTheTickCount) {
  ZQ_RandomNumberGenerator generator(0);
  const DWORD before = GetTickCount();
  generator.Randomize();
  const DWORD after = GetTickCount();
  EXPECT_GE(generator.GetSeed(), before);
  EXPECT_LE(generator.GetSeed(), after);
  generator.SetSeed(7);
  EXPECT_EQ(generator.GetSeed(), 7u);
}
