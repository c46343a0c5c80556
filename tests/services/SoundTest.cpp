#include "ZQ_Sound.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ZQ_Exception.h"
#include "ZQ_InitializationService.h"
#include "ZQLOW_WIN_FakeCall.h"

TEST(ZQ_Sound, StopAndBeepReturnTheWindowsResult) {
  // No sound device here: both calls return at once, and nothing plays.
  EXPECT_EQ(ZQ_StopPlayingSound(), PlaySoundA(nullptr, nullptr, 0));
  EXPECT_EQ(ZQ_StopPlayingSound(), ZQ_StopPlayingSound()) << "stopping when nothing plays";
  EXPECT_EQ(ZQ_Beep(), MessageBeep(0));
}

TEST(ZQ_Sound, SleepTimeIsCutToWholeMilliseconds) {
  const struct {
    double seconds;
    DWORD milliseconds;
  } kCases[] = {
      {0.0005, 0},    {1.9999, 1999},     {0.0, 0},
      {0.25, 250},    {0.001, 1},         {-3.0, 0},
      {1e10, 0xFFFFFFFEul},  // never INFINITE
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.seconds);
    EXPECT_EQ(ZQ_SleepMilliseconds(c.seconds), c.milliseconds);
  }
}

TEST(ZQ_Sound, SleepWaitsAtLeastTheTime) {
  // The tick count moves in coarse steps: the performance counter measures.
  LARGE_INTEGER frequency, before, after;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&before);
  ZQ_Sleep(0.05);
  QueryPerformanceCounter(&after);
  const double seconds =
      static_cast<double>(after.QuadPart - before.QuadPart) / static_cast<double>(frequency.QuadPart);
  EXPECT_GE(seconds, 0.045);
  EXPECT_LT(seconds, 1.0);
}

TEST(ZQ_Sound, NegativeSleepFailsItsAssertion) {
  std::string message;
  try {
    ZQ_Sleep(-0.5);
  } catch (const ZQ_Exception& e) {
    message = e.GetName().GetText();
  }
  EXPECT_EQ(message.rfind("Assertion failed: Seconds >= 0.0, file \"", 0), 0u) << message;
}

TEST(ZQ_Sound, StageCallbackStopsPlayingAtStage12Only) {
  // A sound device's answers depend on its player thread: the call is faked.
  struct StopCall { bool anySound; DWORD flags; };
  std::vector<StopCall> calls;
  const ZQLOW_WIN_FakeCall<&ZQLOW_MMSYSTEM::Calls::PlaySoundA> fake(
      [&calls](LPCSTR Sound, HMODULE, DWORD Flags) {
        calls.push_back({Sound != nullptr, Flags});
        return TRUE;
      });
  for (int stage = ZQ_InitializationService::Stage_InitializeDefinition;
       stage <= ZQ_InitializationService::Stage_DeinitializeDefinition; ++stage) {
    SCOPED_TRACE(stage);
    calls.clear();
    ZQ_PlaySound_InitializationServiceCallback(stage);
    if (stage == ZQ_InitializationService::Stage_DeinitializeTranslationUnit) {
      ASSERT_EQ(calls.size(), 1u);
      EXPECT_FALSE(calls[0].anySound);
      EXPECT_EQ(calls[0].flags, 0u);
    } else {
      EXPECT_TRUE(calls.empty());
    }
  }
}
