#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "../foundation/AssertionTestSupport.h"
#include "ZQR_AbstractFont.h"
#include "ZQR_ConcreteFont.h"
#include "ZQ_Hasher.h"
#include "ZQ_Numeric.h"

namespace {

// A memory device context like the metric context (the screen's
// resolution), deleted at the end.
class MemoryDC {
 public:
  MemoryDC() : dc(CreateCompatibleDC(nullptr)) {}
  ~MemoryDC() { DeleteDC(dc); }
  operator HDC() const { return dc; }

 private:
  HDC dc;
};

LOGFONTA LogFontOf(const ZQR_ConcreteFont& Font) {
  LOGFONTA logFont = {};
  EXPECT_EQ(GetObjectA(Font.GetHFONT(), sizeof logFont, &logFont), static_cast<int>(sizeof logFont));
  return logFont;
}

ZQ_UID HashOf(const ZQR_AbstractFont& Font) {
  ZQ_Hasher hasher;
  hasher << Font;
  return hasher.GetHash();
}

ZQR_AbstractFont WithCodes(ZQR_AbstractFont Font, long Family, long Pitch, long CharacterSet) {
  Font.SetFontFamily(Family);
  Font.SetPitch(Pitch);
  Font.SetCharacterSet(CharacterSet);
  return Font;
}

}  // namespace

TEST(ZQR_ConcreteFont, HeightIsPointsTimesResolutionOver72Rounded) {
  const MemoryDC dc;
  const long contextPpi = GetDeviceCaps(dc, LOGPIXELSY);
  const struct { long points; long ppi; long wantHeight; } kCases[] = {
      {10, 96, -13},  {11, 96, -15},  {12, 96, -16},  {10, 120, -17},
      {9, 120, -15},  {14, 120, -23}, {12, 0, -ZQ_MulDiv(12, contextPpi, 72)}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(std::to_string(c.points) + " pt at " + std::to_string(c.ppi));
    EXPECT_EQ(LogFontOf(ZQR_ConcreteFont(dc, 1, c.points, 0, c.ppi)).lfHeight, c.wantHeight);
    // The description realised at the same resolution rounds alike here.
    const ZQR_AbstractFont description(1, static_cast<float>(c.points), 400, false, 0.0f);
    EXPECT_EQ(LogFontOf(ZQR_ConcreteFont(description, dc, c.ppi)).lfHeight, c.wantHeight);
  }
  // Fractional points: 7.5 pt at 96 ppi is exactly 10 pixels, 10.5 at 120 is 17.5 and rounds down.
  EXPECT_EQ(LogFontOf(ZQR_ConcreteFont(ZQR_AbstractFont(0, 7.5f, 400, false, 0.0f), dc, 96)).lfHeight, -10);
  EXPECT_EQ(LogFontOf(ZQR_ConcreteFont(ZQR_AbstractFont(0, 10.5f, 400, false, 0.0f), dc, 120)).lfHeight, -17);
}

TEST(ZQR_ConcreteFont, StyleBitsGiveWeightItalicAndUnderline) {
  const MemoryDC dc;
  const struct { long bits; LONG weight; BYTE italic, underline; } kCases[] = {
      {0, FW_NORMAL, 0, 0}, {1, FW_BOLD, 0, 0}, {2, FW_NORMAL, 1, 0},
      {4, FW_NORMAL, 0, 1}, {7, FW_BOLD, 1, 1}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.bits);
    const LOGFONTA logFont = LogFontOf(ZQR_ConcreteFont(dc, 1, 10, c.bits, 96));
    EXPECT_EQ(logFont.lfWeight, c.weight);
    EXPECT_EQ(logFont.lfItalic, c.italic);
    EXPECT_EQ(logFont.lfUnderline, c.underline);
  }
}

TEST(ZQR_ConcreteFont, MeasuresAgreeWithEachOtherForEveryFamily) {
  const MemoryDC dc;
  const ZQ_String word("Wagon 0.5%");
  for (long family = 0; family < 4; ++family) {
    SCOPED_TRACE(family);
    const ZQR_ConcreteFont font(dc, family, 12, 0, 96);
    const ZQR_FontMetrics metrics = font.GetFontMetrics(dc);
    EXPECT_EQ(metrics.Ascent + metrics.Descent, metrics.Height);
    EXPECT_EQ(metrics.Height, font.GetHeight(dc));
    EXPECT_EQ(metrics.InternalLeading, font.GetInternalLeading(dc));
    EXPECT_EQ(metrics.ExternalLeading, font.GetExternalLeading(dc));
    EXPECT_GE(metrics.MaxCharWidth, metrics.AverageCharWidth);
    const ZQ_Array<long> widths = font.GetWidthTable(dc);
    ASSERT_EQ(widths.GetNumElements(), 256);
    EXPECT_EQ(metrics.SpaceWidth, widths[' ']);
    long sum = 0;
    for (int i = 0; i < word.GetLength(); ++i) sum += widths[static_cast<unsigned char>(word[i])];
    EXPECT_EQ(font.GetSize(dc, word), ZQ_Point<long>(sum, metrics.Height));
    EXPECT_EQ(font.GetSize(word, dc), font.GetSize(dc, word));
  }
  EXPECT_EQ(sizeof(ZQR_FontMetrics), 88u);
}

// The first digit of the greatest width: later digits of equal width lose.
TEST(ZQR_ConcreteFont, WidestDigitIsTheFirstOfTheGreatestWidth) {
  const MemoryDC dc;
  for (long family = 0; family < 4; ++family) {
    SCOPED_TRACE(family);
    const ZQR_ConcreteFont font(dc, family, 24, 1, 96);
    const ZQR_FontMetrics metrics = font.GetFontMetrics(dc);
    const ZQ_Array<long> widths = font.GetWidthTable(dc);
    ASSERT_TRUE(metrics.WidestDigit >= '0' && metrics.WidestDigit <= '9');
    EXPECT_EQ(metrics.WidestDigitWidth, widths[metrics.WidestDigit]);
    for (char digit = '0'; digit <= '9'; ++digit)
      EXPECT_TRUE(digit < metrics.WidestDigit ? widths[digit] < metrics.WidestDigitWidth
                                              : widths[digit] <= metrics.WidestDigitWidth) << digit;
  }
}

// Measured in place when selected already; else selected for the call only.
TEST(ZQR_ConcreteFont, MeasuringLeavesTheContextsFontSelected) {
  const MemoryDC dc;
  const ZQR_ConcreteFont font(dc, 3, 10, 0, 96);
  for (HGDIOBJ selected : {GetCurrentObject(dc, OBJ_FONT), static_cast<HGDIOBJ>(font.GetHFONT())}) {
    SelectObject(dc, selected);
    EXPECT_EQ(font.GetSize(dc, "xy").X, 2 * font.GetAverageCharWidth(dc));
    font.GetFontMetrics(dc);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), selected);
  }
}

TEST(ZQR_ConcreteFont, LastReleaseDeletesOnlyCreatedFonts) {
  const MemoryDC dc;
  HFONT created;
  {
    const ZQR_ConcreteFont font(dc, 1, 10, 0, 0);
    created = font.GetHFONT();
    ZQ_Array<ZQR_ConcreteFont> copies(3, font);
    EXPECT_TRUE(copies[2] == font);
    copies = ZQ_Array<ZQR_ConcreteFont>(2);
    EXPECT_EQ(GetObjectType(created), static_cast<DWORD>(OBJ_FONT));
    EXPECT_FALSE(copies[0] == font);
  }
  EXPECT_EQ(GetObjectType(created), 0u);
  // Stock fonts survive every release.
  for (int stock : {SYSTEM_FONT, ANSI_VAR_FONT}) {
    SCOPED_TRACE(stock);
    { const ZQR_ConcreteFont font(stock), copy = font; }
    EXPECT_EQ(ZQR_ConcreteFont(stock).GetHFONT(), GetStockObject(stock));
    EXPECT_EQ(GetObjectType(GetStockObject(stock)), static_cast<DWORD>(OBJ_FONT));
  }
  EXPECT_TRUE(ZQR_ConcreteFont() == ZQR_ConcreteFont(SYSTEM_FONT));
}

TEST(ZQR_AbstractFont, SurvivesReadingItsOwnRealisation) {
  const MemoryDC dc;
  // Heights whose pixels at the context's resolution are whole.
  const float wholeHeight = 72.0f * 16 / GetDeviceCaps(dc, LOGPIXELSY);
  const ZQR_AbstractFont kFonts[] = {
      ZQR_AbstractFont(),
      WithCodes(ZQR_AbstractFont("Arial", wholeHeight, 700, true, 45.0f), 2, 1, ANSI_CHARSET),
      WithCodes(ZQR_AbstractFont(3, wholeHeight / 2, 400, false, -90.0f), 0, 0, DEFAULT_CHARSET),
      WithCodes(ZQR_AbstractFont(0, wholeHeight * 2, 300, false, 0.5f), 1, 255, ANSI_CHARSET)};
  for (const auto& font : kFonts) {
    SCOPED_TRACE(font.GetTypeface().GetText());
    ZQR_AbstractFont read("Other", 1.0f, 100, false, 1.0f);
    read.ReadStateFromLogFontStruct(LogFontOf(ZQR_ConcreteFont(font, dc)), dc);
    EXPECT_TRUE(read == font) << read.GetHeight() << " " << read.GetAngle();
  }
  // Windows families and pitches without a code of ours.
  LOGFONTA logFont = ZQR_AbstractFont().GetLogFontStruct(-16);
  logFont.lfPitchAndFamily = FF_SCRIPT | 3;
  ZQR_AbstractFont read = kFonts[1];
  read.ReadStateFromLogFontStruct(logFont, dc);
  EXPECT_EQ(read.GetFontFamily(), 255);
  EXPECT_EQ(read.GetPitch(), 255);
}

TEST(ZQR_AbstractFont, UnknownTypefaceCodeFailsAndTakesCodeZero) {
  for (long code : {-1L, 4L}) {
    SCOPED_TRACE(code);
    EXPECT_TRUE(FailedOn(ExceptionNameOf([&] { ZQR_AbstractFont(code, 10.0f, 400, false, 0.0f); }), "false"));
    const IgnoringAssertions ignoring;
    EXPECT_EQ(ZQR_AbstractFont(code, 10.0f, 400, false, 0.0f).GetTypeface(), ZQ_String("Times New Roman"));
  }
}

TEST(ZQR_AbstractFont, HashDiffersWhenAnyFieldDiffers) {
  const std::function<void(ZQR_AbstractFont&)> kChanges[] = {
      [](ZQR_AbstractFont& f) { f.SetTypeface("Arial"); },
      [](ZQR_AbstractFont& f) { f.SetHeight(12.5f); },
      [](ZQR_AbstractFont& f) { f.SetWeight(700); },
      [](ZQR_AbstractFont& f) { f.SetItalicStyle(true); },
      [](ZQR_AbstractFont& f) { f.SetAngle(90.0f); },
      [](ZQR_AbstractFont& f) { f.SetFontFamily(1); },
      [](ZQR_AbstractFont& f) { f.SetPitch(0); },
      [](ZQR_AbstractFont& f) { f.SetCharacterSet(ANSI_CHARSET); }};
  const ZQ_UID originalHash = HashOf(ZQR_AbstractFont());
  int index = 0;
  for (const auto& change : kChanges) {
    SCOPED_TRACE(index++);
    ZQR_AbstractFont font;
    change(font);
    EXPECT_NE(HashOf(font), originalHash);
  }
  EXPECT_EQ(HashOf(ZQR_AbstractFont("Times New Roman", 12.0f, 400, false, 0.0f)), originalHash);
}
