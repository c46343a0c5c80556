#include <gtest/gtest.h>

#include "ZQR_Color.h"
#include "ZQ_Exception.h"
#include "ZQ_Hasher.h"

TEST(ZQR_Color, KeepsRedInTheLowByteOfItsCOLORREF) {
  const ZQR_Color color(0x12, 0x34, 0x56);
  EXPECT_EQ(color.GetCOLORREF(), 0x00563412u);
  EXPECT_EQ(ZQR_Color(RGB(0x12, 0x34, 0x56)), color);
  EXPECT_EQ(ZQR_StandardTransparentColor, ZQR_Color_LightGray);
}

TEST(ZQR_Color, WebNameIsRedGreenBlueInUpperCaseHex) {
  const struct { COLORREF in; const char* want; } kCases[] = {
      {0x00C08040, "#4080C0"}, {0x00000000, "#000000"}, {0x00FFFFFF, "#FFFFFF"},
      {0x000A0B0C, "#0C0B0A"}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.want);
    EXPECT_EQ(ZQR_Color(c.in).GetWebName(), ZQ_String(c.want));
  }
}

TEST(ZQR_Color, HashesTheThreeChannelBytes) {
  ZQ_Hasher byColor, byBytes;
  byColor << ZQR_Color(1, 2, 3);
  const BYTE bytes[] = {1, 2, 3};
  byBytes.AddBytes(bytes, 3);
  EXPECT_EQ(byColor.GetHash(), byBytes.GetHash());
}

// Halves round down: 25.5 gives 25.
TEST(ZQR_BlendColors, RoundsEachChannelOfTheWeightedMean) {
  const ZQR_Color a(0, 100, 255), b(255, 0, 0);
  const struct { double f; ZQR_Color want; } kCases[] = {
      {0.0, a}, {1.0, b}, {0.1, ZQR_Color(25, 90, 229)}, {0.5, ZQR_Color(127, 50, 127)}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.f);
    EXPECT_EQ(ZQR_BlendColors(a, b, c.f), c.want);
  }
}

TEST(ZQR_BlendColors, RefusesAFractionOutsideZeroToOne) {
  for (double f : {-0.01, 1.01}) {
    try {
      ZQR_BlendColors(ZQR_Color_Black, ZQR_Color_White, f);
      ADD_FAILURE() << f;
    } catch (const ZQ_Exception& e) {
      EXPECT_NE(e.GetDescription().Find("(FractionC2 >= 0.0) and (FractionC2 <= 1.0)", 0), -1);
    }
  }
}

TEST(ZQR_GetNamedColor, MatchesWholeNamesWithoutRegardToCase) {
  const ZQR_Color fallback(1, 2, 3);
  const struct { const char* name; ZQR_Color want; } kCases[] = {
      {"dark gray", ZQR_Color(128, 128, 128)}, {"LIGHT GRAY", ZQR_Color_LightGray},
      {"Gray", ZQR_Color(128, 128, 128)},      {"yellow", ZQR_Color_Yellow},
      {"red ", fallback},                      {"Grey", fallback},
      {"", fallback},                          {"LightGray", fallback}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ZQR_GetNamedColor(c.name, fallback), c.want);
  }
}
