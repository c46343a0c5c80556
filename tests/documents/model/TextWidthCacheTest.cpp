// The text width cache: what it measures again and what it keeps.
#include <gtest/gtest.h>

#include "ZQFO_TextWidthCache.h"
#include "layout/FixedAdvanceCanvas.h"

TEST(ZQFO_TextWidthCache, MeasuresEachTextOncePerFontAndCanvas) {
  FixedAdvanceCanvas screen(0), coarse(0, ZQ_Point<double>(100, 50)), printer(1);
  const ZQR_AbstractFont bold("Times New Roman", 10, 700, false, 0), times("Times New Roman", 10, 400, false, 0),
      larger("Times New Roman", 15, 400, false, 0), zero("Arial", 0.0f, 400, false, 0),
      minusZero("Arial", -0.0f, 400, false, 0);
  struct Row {
    const char* why;
    FixedAdvanceCanvas& canvas;
    const ZQR_AbstractFont& font;
    const char* text;
    double width;  // 0.2 mm per character and point
    bool measured;
  };
  const Row rows[] = {
      {"a first text is measured", screen, times, "shade", 10, true},
      {"the same text in the same font is not", screen, times, "shade", 10, false},
      {"another text is", screen, times, "water", 10, true},
      {"another height is", screen, larger, "shade", 15, true},
      {"another weight is", screen, bold, "shade", 10, true},
      {"the first font keeps its widths", screen, times, "shade", 10, false},
      {"-0 points is 0 points", screen, zero, "rest", 0, true},
      {"-0 points is 0 points, again", screen, minusZero, "rest", 0, false},
      {"another resolution drops the widths", coarse, times, "shade", 10, true},
      {"so the first canvas measures again", screen, times, "shade", 10, true},
      {"another device kind at the same resolution drops them", printer, times, "shade", 10, true},
  };
  ZQFO_TextWidthCache cache;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.why);
    const long before = row.canvas.NumMeasurements;
    const double width = cache.GetTextWidth(row.canvas, row.font, row.text);
    EXPECT_DOUBLE_EQ(width, row.width);
    EXPECT_EQ(row.canvas.NumMeasurements - before, row.measured ? 1 : 0);
  }
}
