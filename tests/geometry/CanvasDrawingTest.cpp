#include <gtest/gtest.h>

#include "../foundation/AssertionTestSupport.h"
#include "CanvasTestSupport.h"
#include "ZQCG_Line.h"
#include "ZQCG_Polygon.h"
#include "ZQLOW_WINGDI.h"

namespace {

using Point = ZQ_Point<double>;
using PixelBox = ZQ_Rectangle<long>;

ZQCG_Line Segment(const Point& From, const Point& To) {
  ZQCG_Line line(2);
  line.AddPoint(From);
  line.AddPoint(To);
  return line;
}

// Pixels of a box placed about the device point (AnchorX, AnchorY) by the
// justification codes, for a box of Width x Height pixels.
PixelBox Placed(long AnchorX, long AnchorY, long Width, long Height, long H, long V) {
  return PixelBox(AnchorX - Width * H / 2, AnchorY - Height * V / 2, Width, Height);
}

bool Inside(const PixelBox& Inner, const PixelBox& Outer) {
  return Outer.ContainsRectangle(Inner) && Inner.Width > 0 && Inner.Height > 0;
}

}  // namespace

TEST(ZQPIC_DeviceContextCanvas, MillimetresLandOnTheirPixelsWithYUpward) {
  for (const Point& at : {Point(1, 1), Point(48.5, 23.75), Point(12.5, 12.5)}) {
    SCOPED_TRACE(testing::Message() << at.X << ", " << at.Y);
    ImageSurface surface;
    {
      TestCanvas canvas(surface);
      // A line of one pixel's length: its two end pixels.
      canvas.CanvasDraw(Segment(at, Point(at.X + 0.25, at.Y)));
    }
    const ZQ_Point<long> pixel = DevicePixel(at.X, at.Y);
    const PixelBox ink = surface.GetInkBox();
    EXPECT_EQ(ink.X, pixel.X);
    EXPECT_EQ(ink.Y, pixel.Y);
    EXPECT_EQ(ink.Height, 1);
    EXPECT_LE(ink.Width, 2);
  }
}

TEST(ZQPIC_DeviceContextCanvas, LineWidthsAndEndCapsOnTheDevice) {
  const struct { double widthMm; long endcap; long wantHeight; long wantWidth; const char* why; } kCases[] = {
      {0, 0, 1, 140, "zero width: one pixel"},
      {1, 2, 4, 140, "1 mm, flat: four pixels, no longer than the line"},
      {1, 1, 4, 144, "1 mm, square: half the width beyond each end"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    ImageSurface surface;
    {
      TestCanvas canvas(surface);
      canvas.SetLineWidthInMillimeters(c.widthMm);
      canvas.SetLineEndcapStyle(c.endcap);
      canvas.SetDrawingColor(ZQR_Color(0, 0, 255));
      canvas.CanvasDraw(Segment(Point(10, 12.5), Point(45, 12.5)));
    }
    const PixelBox ink = surface.GetInkBox();
    EXPECT_EQ(ink.Height, c.wantHeight);
    EXPECT_NEAR(ink.Width, c.wantWidth, 1);
    EXPECT_EQ(surface.GetPixel(100, 70), ZQR_Color(0, 0, 255));
  }
}

TEST(ZQPIC_DeviceContextCanvas, TextAndImagesLandWhereTheJustificationsPutThem) {
  const ZQ_Point<long> anchor = DevicePixel(25, 12.5);
  for (long h = 0; h <= 2; ++h) {
    for (long v = 0; v <= 2; ++v) {
      SCOPED_TRACE(testing::Message() << "horizontal " << h << ", vertical " << v);
      ImageSurface textSurface, imageSurface;
      PixelBox textBox;
      {
        TestCanvas canvas(textSurface);
        canvas.SetHorizontalJustification(h);
        canvas.SetVerticalJustification(v);
        const Point size = canvas.GetTextSizeInMillimeters("Wide text");
        textBox = Placed(anchor.X, anchor.Y, long(size.X * 4 + 0.5), long(size.Y * 4 + 0.5), h, v);
        canvas.CanvasDraw("Wide text", Point(25, 12.5));
      }
      {
        TestCanvas canvas(imageSurface);
        canvas.SetHorizontalJustification(h);
        canvas.SetVerticalJustification(v);
        canvas.CanvasDraw(Swatch(3, 2, ZQR_Color(255, 0, 0)), Point(25, 12.5), 10, 5);
      }
      // The text's ink lies in its box (give or take the rounding of a
      // half width); the image fills its own exactly.
      textBox.InflateX(1);
      EXPECT_TRUE(Inside(textSurface.GetInkBox(), textBox))
          << testing::PrintToString(textSurface.GetInkBox()) << " in " << testing::PrintToString(textBox);
      EXPECT_EQ(imageSurface.GetInkBox(), Placed(anchor.X, anchor.Y, 40, 20, h, v));
    }
  }
}

TEST(ZQPIC_DeviceContextCanvas, OpaqueTextFillsItsBoxWithTheBackgroundColour) {
  ImageSurface surface;
  PixelBox box;
  {
    TestCanvas canvas(surface);
    canvas.SetBackgroundMode(0);
    canvas.SetBackgroundColor(ZQR_Color(0, 200, 0));
    const Point size = canvas.GetTextSizeInMillimeters("Opaque");
    box = PixelBox(DevicePixel(5, 20).X, DevicePixel(5, 20).Y, long(size.X * 4 + 0.5), long(size.Y * 4 + 0.5));
    canvas.CanvasDraw("Opaque", Point(5, 20));
  }
  EXPECT_EQ(surface.GetInkBox(), box);
  EXPECT_EQ(surface.GetPixel(box.X, box.Y), ZQR_Color(0, 200, 0));
}

// Text drawn to a width places each character by its own advance, scaled:
// at the text's own width it looks as drawn without one, in a symbol font
// too (drawn there as the symbol code page's wide characters).
TEST(ZQPIC_DeviceContextCanvas, TextSpreadToItsOwnWidthLooksAsDrawnWithoutOne) {
  for (const char* typeface : {"Arial", "Wingdings"}) {
    SCOPED_TRACE(typeface);
    ImageSurface plain, spread;
    for (ImageSurface* surface : {&plain, &spread}) {
      TestCanvas canvas(*surface);
      canvas.SetFont(ZQR_AbstractFont(typeface, 14, 400, false, 0));
      const double width = surface == &spread ? canvas.GetTextSizeInMillimeters("Gnlo").X : 0;
      canvas.CanvasDraw("Gnlo", Point(5, 20), width);
    }
    EXPECT_GT(plain.GetInkBox().Width, 20);
    for (long y = 0; y < 140; ++y)
      for (long x = 0; x < 240; ++x) ASSERT_EQ(spread.GetPixel(x, y), plain.GetPixel(x, y)) << x << ", " << y;
  }
}

TEST(ZQPIC_DeviceContextCanvas, ClearAndPolygonsFillExactlyTheirArea) {
  const struct { long kind; bool clear; PixelBox want; const char* why; } kCases[] = {
      {3, true, kPixelRect, "Clear fills the pixel rectangle"},
      {2, true, PixelBox(), "kind 2: Clear does nothing"},
      {2, false, PixelBox(14, 36, 40, 20), "a polygon is filled whatever the kind"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    ImageSurface surface;
    {
      TestCanvas canvas(surface, c.kind);
      canvas.SetBackgroundColor(ZQR_Color(9, 9, 9));
      if (c.clear) canvas.Clear(ZQR_Color(9, 9, 9));
      else canvas.CanvasDraw(ZQCG_Polygon(ZQ_Rectangle<double>(1, 16, 10, 5)));
    }
    EXPECT_EQ(surface.GetInkBox(), c.want);
  }
  // Clear without a colour takes the default background colour, white.
  ImageSurface black(240, 140, ZQR_Color_Black);
  TestCanvas canvas(black);
  canvas.Clear();
  EXPECT_EQ(black.GetPixel(10, 20), canvas.GetDefaultBackgroundColor());
  EXPECT_EQ(canvas.GetDefaultBackgroundColor(), ZQR_Color_White);
}

TEST(ZQPIC_DeviceContextCanvas, TheContextIsAsBeforeOnceTheCanvasEnds) {
  ImageSurface surface;
  const HDC dc = surface.GetHDC();
  auto snapshot = [dc] {
    RECT clip;
    GetClipBox(dc, &clip);
    return std::vector<unsigned long>{
        GetTextColor(dc), GetBkColor(dc), unsigned(GetBkMode(dc)), GetTextAlign(dc),
        unsigned(GetStretchBltMode(dc)), unsigned(clip.left), unsigned(clip.top),
        unsigned(clip.right), unsigned(clip.bottom),
        reinterpret_cast<unsigned long>(GetCurrentObject(dc, OBJ_PEN)),
        reinterpret_cast<unsigned long>(GetCurrentObject(dc, OBJ_BRUSH)),
        reinterpret_cast<unsigned long>(GetCurrentObject(dc, OBJ_FONT))};
  };
  const std::vector<unsigned long> before = snapshot();
  {
    TestCanvas canvas(surface);
    canvas.SetBackgroundMode(0);
    canvas.SetTextColor(ZQR_Color(255, 0, 0));
    canvas.SetFont(ZQR_AbstractFont("Arial", 20, 700, true, 0));
    canvas.CanvasDraw("Changed", Point(5, 20));
    canvas.SetLineWidthInMillimeters(1);
    canvas.CanvasDraw(Segment(Point(1, 1), Point(20, 20)));
    canvas.CanvasDraw(ZQCG_Polygon(ZQ_Rectangle<double>(30, 1, 10, 5)));
    canvas.CanvasDraw(Swatch(2, 2, ZQR_Color(1, 2, 3)), Point(40, 20), 5, 5);
    EXPECT_NE(snapshot(), before);
  }
  EXPECT_EQ(snapshot(), before);
}

TEST(ZQPIC_Canvas, PopRestoresEveryFieldOfTheState) {
  const struct { void (*change)(ZQPIC_Canvas&); const char* why; } kChanges[] = {
      {[](ZQPIC_Canvas& c) { c.SetFont(ZQR_AbstractFont("Arial", 30, 700, true, 0)); }, "font"},
      {[](ZQPIC_Canvas& c) { c.SetTextColor(ZQR_Color(1, 2, 3)); }, "text colour"},
      {[](ZQPIC_Canvas& c) { c.SetDrawingColor(ZQR_Color(1, 2, 3)); }, "drawing colour"},
      {[](ZQPIC_Canvas& c) { c.SetBackgroundColor(ZQR_Color(1, 2, 3)); }, "background colour"},
      {[](ZQPIC_Canvas& c) { c.SetBackgroundMode(1); }, "background mode"},
      {[](ZQPIC_Canvas& c) { c.SetHorizontalJustification(2); }, "horizontal justification"},
      {[](ZQPIC_Canvas& c) { c.SetVerticalJustification(1); }, "vertical justification"},
      {[](ZQPIC_Canvas& c) { c.SetLineWidthInMillimeters(0.7); }, "line width"},
      {[](ZQPIC_Canvas& c) { c.SetLineEndcapStyle(1); }, "end cap"},
      {[](ZQPIC_Canvas& c) { c.ResetLineEndcapStyle(); }, "the end-cap reset"},
      {[](ZQPIC_Canvas& c) { c.SetToDefaultGraphicsState(); }, "the defaults"},
  };
  ImageSurface surface;
  TestCanvas canvas(surface);
  // A state unlike the defaults in every field.
  canvas.SetFont(ZQR_AbstractFont("Courier New", 9, 400, false, 0));
  canvas.SetTextColor(ZQR_Color(50, 60, 70));
  canvas.SetDrawingColor(ZQR_Color(80, 90, 100));
  canvas.SetBackgroundColor(ZQR_Color(110, 120, 130));
  canvas.SetBackgroundMode(0);
  canvas.SetHorizontalJustification(1);
  canvas.SetVerticalJustification(2);
  canvas.SetLineWidthInMillimeters(0.3);
  canvas.SetLineEndcapStyle(2);
  const ZQPIC_GraphicsState saved = canvas.GetGraphicsState();
  auto same = [](const ZQPIC_GraphicsState& a, const ZQPIC_GraphicsState& b) {
    return a.Font == b.Font && a.ConcreteFont == b.ConcreteFont &&
           a.FontMetrics.Height == b.FontMetrics.Height && a.TextColor == b.TextColor &&
           a.DrawingColor == b.DrawingColor && a.BackgroundColor == b.BackgroundColor &&
           a.BackgroundMode == b.BackgroundMode &&
           a.HorizontalJustification == b.HorizontalJustification &&
           a.VerticalJustification == b.VerticalJustification && a.LineWidthMm == b.LineWidthMm &&
           a.LineEndcapStyle == b.LineEndcapStyle && a.LineJoinStyle == b.LineJoinStyle &&
           a.SolidLines == b.SolidLines;
  };
  for (const auto& c : kChanges) {
    SCOPED_TRACE(c.why);
    canvas.PushGraphicsState();
    c.change(canvas);
    EXPECT_FALSE(same(canvas.GetGraphicsState(), saved));
    canvas.PopGraphicsState();
    EXPECT_TRUE(same(canvas.GetGraphicsState(), saved));
  }
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { canvas.PopGraphicsState(); }), "N > 0"));
  EXPECT_TRUE(same(canvas.GetGraphicsState(), saved));
}

TEST(ZQPIC_Canvas, CodesOutsideTheirRangesFailAndChangeNothing) {
  ImageSurface surface;
  TestCanvas canvas(surface);
  for (auto set : {&ZQPIC_Canvas::SetHorizontalJustification, &ZQPIC_Canvas::SetVerticalJustification,
                   &ZQPIC_Canvas::SetLineEndcapStyle, &ZQPIC_Canvas::SetBackgroundMode}) {
    const std::string failure = AssertionFailureOf([&] { (canvas.*set)(3); });
    EXPECT_TRUE(FailedOn(failure, "(Code >= 0) and (Code <= 2)") || FailedOn(failure, "(Mode == 0) or (Mode == 1)"));
  }
  EXPECT_EQ(canvas.GetHorizontalJustification() + canvas.GetVerticalJustification() + canvas.GetLineEndcapStyle(), 0);
  EXPECT_EQ(canvas.GetGraphicsState().BackgroundMode, 1);
}

TEST(ZQPIC_Canvas, DrawingBeforeInitializeFailsAnAssertion) {
  ImageSurface surface;
  ZQPIC_DeviceContextCanvas canvas(surface.GetHDC(), kPixelRect, 3, kSizeMm);
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { canvas.CanvasDraw("x", Point(1, 1)); }), "Initialized"));
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { canvas.Clear(); }), "Initialized"));
  EXPECT_EQ(surface.GetInkBox(), PixelBox());
}
