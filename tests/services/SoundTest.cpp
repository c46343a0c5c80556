#include "ZQ_Sound.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "ZQ_Exception.h"
#include "ZQ_InitializationService.h"

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

namespace {

// A second of silence as an in-memory WAVE file (8 kHz, 8-bit mono).
#pragma pack(push, 1)
struct SilentWave {
  char riff[4] = {'R', 'I', 'F', 'F'};
  DWORD riffBytes = 36 + sizeof samples;
  char waveFormat[8] = {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '};
  DWORD formatBytes = 16;
  WORD formatTag = WAVE_FORMAT_PCM, channels = 1;
  DWORD samplesPerSecond = 8000, bytesPerSecond = 8000;
  WORD blockAlign = 1, bitsPerSample = 8;
  char data[4] = {'d', 'a', 't', 'a'};
  DWORD dataBytes = sizeof samples;
  unsigned char samples[8000];
  SilentWave() { std::memset(samples, 128, sizeof samples); }
};
#pragma pack(pop)

}  // namespace

TEST(ZQ_Sound, StageCallbackStopsAPlayingSoundAtStage12Only) {
  // Without a sound device a sound still "plays" until its player gives up;
  // a sound asked not to stop another answers whether one plays, and stopping
  // waits for the player to end.
  const auto wave = std::make_unique<SilentWave>();
  const DWORD kLoop = SND_MEMORY | SND_ASYNC | SND_LOOP | SND_NODEFAULT;
  const DWORD kProbe = SND_MEMORY | SND_ASYNC | SND_NOSTOP | SND_NODEFAULT;
  for (int stage = ZQ_InitializationService::Stage_InitializeDefinition;
       stage <= ZQ_InitializationService::Stage_DeinitializeDefinition; ++stage) {
    SCOPED_TRACE(stage);
    ASSERT_TRUE(PlaySoundA(reinterpret_cast<const char*>(wave.get()), nullptr, kLoop));
    ZQ_PlaySound_InitializationServiceCallback(stage);
    const bool stopped = PlaySoundA(reinterpret_cast<const char*>(wave.get()), nullptr, kProbe) != FALSE;
    ZQ_StopPlayingSound();
    EXPECT_EQ(stopped, stage == ZQ_InitializationService::Stage_DeinitializeTranslationUnit);
  }
}
