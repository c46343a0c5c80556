#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "CanvasTestSupport.h"
#include "ZQCG_Line.h"
#include "ZQCG_Polygon.h"
#include "ZQLOW_WIN_Calls.h"
#include "ZQLOW_WIN_FakeCall.h"
#include "ZQPIC_CanvasSectionCanvas.h"
#include "ZQPIC_DeviceMapping.h"
#include "ZQ_RandomNumberGenerator.h"

namespace {

// Extreme, negative, zero and non-finite values, and ordinary ones.
double AnyCoordinate(ZQ_RandomNumberGenerator& Random) {
  static const double kSpecial[] = {0,     -0.0,  1e300, -1e300, 1e9,  -1e9, 3e7, -3e7,
                                    1e-300, 25.0, std::numeric_limits<double>::infinity(),
                                    -std::numeric_limits<double>::infinity(),
                                    std::numeric_limits<double>::quiet_NaN()};
  const std::uint32_t pick = Random.GetRandomInteger(2 * std::size(kSpecial));
  if (pick < std::size(kSpecial)) return kSpecial[pick];
  return (Random.GetRandomInteger(20000) - 10000.0) / 100.0;
}

ZQ_Point<double> AnyPoint(ZQ_RandomNumberGenerator& Random) {
  const double x = AnyCoordinate(Random);
  return ZQ_Point<double>(x, AnyCoordinate(Random));
}

void DrawSomething(ZQPIC_Canvas& Canvas, ZQ_RandomNumberGenerator& Random) {
  switch (Random.GetRandomInteger(5)) {
    case 0: {
      ZQCG_Line line;
      for (int i = 1 + Random.GetRandomInteger(5); i > 0; --i) line.AddPoint(AnyPoint(Random));
      Canvas.SetLineWidthInMillimeters(AnyCoordinate(Random));
      Canvas.CanvasDraw(line);
      break;
    }
    case 1: {
      const ZQ_Point<double> corner = AnyPoint(Random), size = AnyPoint(Random);
      Canvas.CanvasDraw(ZQCG_Polygon(ZQ_Rectangle<double>(corner.X, corner.Y, size.X, size.Y)));
      break;
    }
    case 2:
      Canvas.CanvasDraw("Robust", AnyPoint(Random));
      break;
    case 3: {
      const ZQ_Point<double> size = AnyPoint(Random);
      Canvas.CanvasDraw(ZQIMG_Image(2, 2, 24), AnyPoint(Random), size.X, size.Y);
      break;
    }
    default:
      Canvas.SetHorizontalJustification(Random.GetRandomInteger(3));
      Canvas.SetVerticalJustification(Random.GetRandomInteger(3));
      break;
  }
}

}  // namespace

// Nothing lands outside the pixel rectangle, whatever the values.
TEST(ZQPIC_DeviceContextCanvas, RandomDrawingWithExtremeValuesStaysInsideTheCanvas) {
  ZQ_RandomNumberGenerator random(1207);
  ImageSurface surface;
  {
    TestCanvas canvas(surface);
    canvas.SetBackgroundColor(ZQR_Color(0, 90, 0));
    for (int call = 0; call < 1500; ++call) {
      SCOPED_TRACE(call);
      DrawSomething(canvas, random);
    }
    // And in a section of extreme size.
    ZQPIC_CanvasSectionCanvas section(canvas, ZQ_Rectangle<double>(1e12, -1e12, 1e15, 1e-9));
    section.Initialize();
    for (int call = 0; call < 300; ++call) DrawSomething(section, random);
  }
  EXPECT_TRUE(kPixelRect.ContainsRectangle(surface.GetInkBox()));
}

// GDI spent minutes on pens and shapes this large, drawing or not.
TEST(ZQPIC_DeviceContextCanvas, ShapesFarLargerThanTheDeviceDrawWhatShowsOfThem) {
  auto line = [](std::vector<ZQ_Point<double>> Points, double Width, long Endcap) {
    return [=](ZQPIC_Canvas& Canvas) {
      ZQCG_Line drawn;
      for (const ZQ_Point<double>& point : Points) drawn.AddPoint(point);
      Canvas.SetLineWidthInMillimeters(Width);
      Canvas.SetLineEndcapStyle(Endcap);
      Canvas.CanvasDraw(drawn);
    };
  };
  // 1 where a pixel's centre (in millimetres) must show the shape, 0 where
  // it must not, -1 within a pixel of its edge.
  auto below = [](double Edge) {
    return [=](double, double Y) { return Y < Edge - 0.3 ? 1 : Y > Edge + 0.3 ? 0 : -1; };
  };
  auto within = [](ZQ_Point<double> Center, double Radius) {
    return [=](double X, double Y) {
      const double d = std::hypot(X - Center.X, Y - Center.Y);
      return d < Radius - 0.3 ? 1 : d > Radius + 0.3 ? 0 : -1;
    };
  };
  ZQIMG_Image stripes(1, 3, 24);  // red, green and blue rows, top-down
  for (long y = 0; y < 3; ++y) {
    unsigned char* pixel = stripes.GetRow24BitForWriting(y);
    pixel[0] = y == 2 ? 255 : 0, pixel[1] = y == 1 ? 255 : 0, pixel[2] = y == 0 ? 255 : 0;
  }
  const struct {
    const char* why;
    std::function<void(ZQPIC_Canvas&)> draw;
    std::function<int(double, double)> shows;
    ZQR_Color color;
  } kCases[] = {
      {"a border a kilometre wide covers the canvas", line({{-1e6, 12.5}, {1e6, 12.5}}, 1e6, 2),
       [](double, double) { return 1; }, ZQR_Color_Black},
      {"the edge of a border a kilometre wide", line({{-1e6, 10 - 5e5}, {1e6, 10 - 5e5}}, 1e6, 2), below(10),
       ZQR_Color_Black},
      {"the round end of a line 30 cm wide", line({{25, -140}, {25, -1e6}}, 300, 0), within({25, -140}, 150),
       ZQR_Color_Black},
      {"the square end of a line 30 cm wide", line({{25, -1e4}, {25, -140}}, 300, 1), below(10), ZQR_Color_Black},
      {"the round join of a border 30 cm wide", line({{-1e3, -140}, {25, -140}, {25, -1e3}}, 300, 2),
       [&](double X, double Y) { return X <= 25 ? below(10)(X, Y) : within({25, -140}, 150)(X, Y); },
       ZQR_Color_Black},
      {"a thin line that leaves the page and comes back", line({{5, 5}, {5, 1e6}, {45, 1e6}, {45, 5}}, 0, 0),
       [](double X, double Y) {
         // Pixel columns 30 and 190, from row 99 up.
         const bool column = std::fabs(X - 5.125) < 0.01 || std::fabs(X - 45.125) < 0.01;
         return !column ? 0 : Y > 5.3 ? 1 : Y > 4.7 ? -1 : 0;
       },
       ZQR_Color_Black},
      {"a fill a kilometre across",
       [](ZQPIC_Canvas& Canvas) { Canvas.CanvasDraw(ZQCG_Polygon(ZQ_Rectangle<double>(-1e6, -1e6, 2e6, 1e6 + 10))); },
       below(10), ZQR_Color(0, 90, 0)},
      {"the middle of a picture's top row, a kilometre high",
       [&](ZQPIC_Canvas& Canvas) { Canvas.CanvasDraw(stripes, {0, 12.5 + 5e5}, 50, 3e6); },
       [](double, double) { return 1; }, ZQR_Color(255, 0, 0)},
      // The stem of an I of 1 km lies from 0.10 to 0.19 of it across and from
      // 0.19 to 0.91 below its top: far beyond what the font engine realises.
      {"the stem of a letter a kilometre high",
       [](ZQPIC_Canvas& Canvas) {
         Canvas.SetFont(ZQR_AbstractFont("Arial", static_cast<float>(1e6 / 25.4 * 72), 400, false, 0));
         Canvas.SetTextColor(ZQR_Color(0, 0, 160));
         Canvas.CanvasDraw("I", {25 - 0.142e6, 12.5 + 0.55e6});
       },
       [](double, double) { return 1; }, ZQR_Color(0, 0, 160)},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    ImageSurface surface;
    {
      TestCanvas canvas(surface);
      canvas.SetBackgroundColor(ZQR_Color(0, 90, 0));
      c.draw(canvas);
    }
    int wrong = 0;
    for (long y = 0; y < 140; ++y) {
      for (long x = 0; x < 240; ++x) {
        const int shows = kPixelRect.Contains({x, y}) ? c.shows((x + 0.5 - 10) / 4, (120 - y - 0.5) / 4) : 0;
        const ZQR_Color pixel = surface.GetPixel(x, y), want = shows ? c.color : ZQR_Color_White;
        const bool matches = std::abs(pixel.GetRed() - want.GetRed()) + std::abs(pixel.GetGreen() - want.GetGreen()) +
                              std::abs(pixel.GetBlue() - want.GetBlue()) <= 3;
        if (shows >= 0 && !matches && ++wrong <= 3) ADD_FAILURE() << "pixel (" << x << ", " << y << ")";
      }
    }
  }
}

// Drawn only by its pixels near the canvas, at its own scale, a picture shows
// what GDI, given the whole of it, shows there: the smoothing between
// pixels included.
TEST(ZQPIC_DeviceContextCanvas, APictureFarWiderThanThePageShowsWhatItsWholeDrawingShows) {
  ZQIMG_Image ramp(8, 1, 24);  // red rising, blue falling
  unsigned char* row = ramp.GetRow24BitForWriting(0);
  for (long x = 0; x < 8; ++x) row[3 * x] = static_cast<unsigned char>(255 - 36 * x), row[3 * x + 2] = 36 * x;
  // 1,000 pixels an image pixel, far past the margin the canvas cuts at; the
  // fourth and fifth meet at 25 mm.
  ImageSurface cut, whole;
  {
    TestCanvas canvas(cut);
    canvas.CanvasDraw(ramp, {25 - 4 * 250.0, 20}, 8 * 250.0, 5);
  }
  const int saved = ::SaveDC(whole.GetHDC());
  ::IntersectClipRect(whole.GetHDC(), 10, 20, 210, 120);
  ::SetStretchBltMode(whole.GetHDC(), HALFTONE);
  ::SetBrushOrgEx(whole.GetHDC(), 0, 0, nullptr);
  ramp.Draw(whole.GetHDC(), 110 - 4000, 40, 8000, 20);
  ::RestoreDC(whole.GetHDC(), saved);
  int wrong = 0;
  for (long y = 0; y < 140; ++y) {
    for (long x = 0; x < 240; ++x) {
      const ZQR_Color a = cut.GetPixel(x, y), b = whole.GetPixel(x, y);
      const int difference = std::abs(a.GetRed() - b.GetRed()) + std::abs(a.GetGreen() - b.GetGreen()) +
                             std::abs(a.GetBlue() - b.GetBlue());
      if (difference > 3 && ++wrong <= 3) ADD_FAILURE() << "pixel (" << x << ", " << y << ")";
    }
  }
  EXPECT_NE(cut.GetPixel(20, 50), cut.GetPixel(200, 50));  // the ramp crosses the canvas
}

// Glyphs far taller than the canvas are drawn as what shows of their
// outlines: where GDI, given the whole text, shows ink, background or an
// edge, they show the same, but for the pixels along the edges.
TEST(ZQPIC_DeviceContextCanvas, TextFarTallerThanThePageShowsWhatItsWholeDrawingShows) {
  // 988 pixels to the em at the canvas's 4 pixels a millimetre, a cell of
  // over 1,024: the first o's hole and right side, and the second's left side
  // show.
  const float points = 700;
  const ZQ_Point<double> topLeft(-100, 172);
  ImageSurface cut, whole;
  {
    TestCanvas canvas(cut);
    canvas.SetFont(ZQR_AbstractFont("Arial", points, 400, false, 0));
    canvas.CanvasDraw("oo", topLeft);
  }
  LOGFONTA font = ZQR_AbstractFont("Arial", points, 400, false, 0).GetLogFontStruct(-988);
  const HFONT handle = ::CreateFontIndirectA(&font);
  const int saved = ::SaveDC(whole.GetHDC());
  ::IntersectClipRect(whole.GetHDC(), 10, 20, 210, 120);
  ::SelectObject(whole.GetHDC(), handle);
  ::SetBkMode(whole.GetHDC(), TRANSPARENT);
  ::TextOutA(whole.GetHDC(), 10 + 4 * static_cast<int>(topLeft.X), 120 - 4 * static_cast<int>(topLeft.Y), "oo", 2);
  ::RestoreDC(whole.GetHDC(), saved);
  ::DeleteObject(handle);
  const auto ink = [&](long X, long Y) { return whole.GetPixel(X, Y) != ZQR_Color_White; };
  int wrong = 0, inked = 0;
  for (long y = 1; y < 139; ++y) {
    for (long x = 1; x < 239; ++x) {
      inked += ink(x, y);
      bool edge = false;
      for (long dy = -1; dy <= 1; ++dy)
        for (long dx = -1; dx <= 1; ++dx) edge = edge || ink(x + dx, y + dy) != ink(x, y);
      if (!edge && cut.GetPixel(x, y) != whole.GetPixel(x, y) && ++wrong <= 3)
        ADD_FAILURE() << "pixel (" << x << ", " << y << ")";
    }
  }
  EXPECT_GT(inked, 2000);  // the first o's side and the second's cross the canvas
  EXPECT_LT(inked, 18000);
}

// Text is drawn one way whatever part of it is repainted: a letter whose
// cell (about 1,260 pixels) is taller than 1,024 pixels but not than the
// canvas's diagonal (1,440) shows the same pixels drawn whole and in strips
// of 40 rows.
TEST(ZQPIC_DeviceContextCanvas, TextRepaintedInStripsShowsWhatItsWholeDrawingShows) {
  const long width = 1200, height = 800;
  ImageSurface whole(width, height), strips(width, height);
  const auto draw = [&](const ImageSurface& Surface) {
    ZQPIC_DeviceContextCanvas canvas(Surface.GetHDC(), ZQ_Rectangle<long>(0, 0, width, height), 3,
                                     ZQ_Point<double>(width / 4.0, height / 4.0));
    canvas.Initialize();
    canvas.SetFont(ZQR_AbstractFont("Arial", 800, 400, false, 0));
    canvas.CanvasDraw("B", {10, height / 4.0 + 10});
  };
  draw(whole);
  for (long top = 0; top < height; top += 40) {
    const int saved = ::SaveDC(strips.GetHDC());
    ::IntersectClipRect(strips.GetHDC(), 0, top, width, top + 40);
    draw(strips);
    ::RestoreDC(strips.GetHDC(), saved);
  }
  long inked = 0, differing = 0;
  for (long y = 0; y < height; ++y) {
    for (long x = 0; x < width; ++x) {
      inked += whole.GetPixel(x, y) != ZQR_Color_White;
      differing += strips.GetPixel(x, y) != whole.GetPixel(x, y);
    }
  }
  EXPECT_GT(inked, 100000);
  EXPECT_EQ(differing, 0);
}

// Huge text costs GDI only the glyphs that can show, each at the cost of
// any glyph: of a word of 1,000 only those near the canvas are read, and a
// symbol font's as the wide characters its code page maps them to (read as
// bytes, each costs Wine milliseconds).
TEST(ZQPIC_DeviceContextCanvas, HugeTextAsksGDIOnlyForTheGlyphsThatCanShow) {
  const struct {
    const char* why;
    const char* typeface;
    char code;
    bool wide;  // read as wide characters
  } kCases[] = {
      {"a word far longer than the canvas", "Arial", 'W', false},
      {"a symbol font's word (of black squares)", "Wingdings", 'n', true},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    int narrow = 0, wide = 0;
    const ZQLOW_WIN_FakeCall<&ZQLOW_WINGDI::Calls::GetGlyphOutlineA> countNarrow(
        [&](auto... Arguments) { return ++narrow, ::GetGlyphOutlineA(Arguments...); });
    const ZQLOW_WIN_FakeCall<&ZQLOW_WINGDI::Calls::GetGlyphOutlineW> countWide(
        [&](auto... Arguments) { return ++wide, ::GetGlyphOutlineW(Arguments...); });
    ImageSurface surface;
    {
      TestCanvas canvas(surface);
      canvas.SetFont(ZQR_AbstractFont(c.typeface, 800, 400, false, 0));
      canvas.CanvasDraw(ZQ_String(std::string(1000, c.code).c_str()), {-20, 150});
    }
    EXPECT_GT(surface.GetInkBox().Width, 0);
    EXPECT_LE(narrow + wide, 20);
    EXPECT_EQ(wide > 0, c.wide);
    EXPECT_EQ(narrow > 0, !c.wide);
  }
}

TEST(ZQPIC_DeviceMapping, DeviceCoordinatesAreClampedAndPointsThatAreNotFiniteDropped) {
  const double inf = std::numeric_limits<double>::infinity();
  const struct { long limit; ZQ_Point<double> mm; bool mapped; POINT want; const char* why; } kCases[] = {
      {1L << 27, {2.5, 1.25}, true, {20, 95}, "ordinary"},
      {1L << 27, {1e12, -1e12}, true, {1L << 27, 1L << 27}, "beyond 2^27"},
      {1L << 27, {-1e300, 1e300}, true, {-(1L << 27), -(1L << 27)}, "far beyond, negative"},
      {32767, {1e5, -1e5}, true, {32767, 32767}, "16-bit coordinates"},
      {32767, {-1e5, 24}, true, {-32767, 4}, "16-bit coordinates, negative"},
      {1L << 27, {inf, 0}, false, {0, 0}, "infinite"},
      {1L << 27, {0, std::numeric_limits<double>::quiet_NaN()}, false, {0, 0}, "not a number"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    const ZQPIC_DeviceMapping mapping(ZQ_Rectangle<double>(10, 0, 200, 100), ZQ_Point<double>(4, 4), c.limit);
    POINT device{0, 0};
    EXPECT_EQ(mapping.ToDevice(c.mm, device), c.mapped);
    EXPECT_EQ(device.x, c.want.x);
    EXPECT_EQ(device.y, c.want.y);
  }
}
