#include <gtest/gtest.h>

#include <cmath>

#include "../foundation/AssertionTestSupport.h"
#include "../gui/core/GuiStageTestSupport.h"
#include "../services/StageTestSupport.h"
#include "CanvasTestSupport.h"
#include "ZQCG_Line.h"
#include "ZQCG_Polygon.h"
#include "ZQF_Metrics.h"
#include "ZQIMG_Gdiplus.h"
#include "ZQLOW_WINGDI_Owned.h"
#include "ZQLOW_WIN_FakeCall.h"
#include "ZQPIC_CanvasSectionCanvas.h"
#include "ZQPIC_Picture.h"
#include "ZQPIC_ScreenMillimetersPerPixel.h"
#include "ZQ_CountedPtr.h"
#include "ZQ_InitializationService.h"

namespace {

using Point = ZQ_Point<double>;
using PixelBox = ZQ_Rectangle<long>;

// The program has its size metrics from stage 1 on: the tests of the
// screen's scale run inside the stages.
using ScreenCanvas = GuiStageTest;

// Draws the outline of its canvas area and a text at its centre.
class FramePicture : public ZQPIC_Picture {
 protected:
  void Imp_DrawPicture(ZQPIC_Canvas& Canvas) const override {
    Canvas.SetBackgroundColor(ZQR_Color(0, 0, 200));
    Canvas.CanvasDraw(ZQCG_Polygon(Canvas.GetCanvasArea()));
  }
};

}  // namespace

TEST_F(ScreenCanvas, TheScreensOwnResolutionIsTheInverseOfItsMillimetresPerPixel) {
  const ZQR_DeviceContext screen = ZQF_GetMetricDC();
  ZQPIC_DeviceContextCanvas canvas(screen, PixelBox(0, 0, 100, 100));
  const Point mmPerPx = ZQPIC_GetScreenMillimetersPerPixel();
  EXPECT_EQ(mmPerPx.X, double(ZQF_GetSizeMetric(ZQF_SizeMetric_ScreenMm).X) / ZQF_GetSizeMetric(ZQF_SizeMetric_ScreenPx).X);
  EXPECT_NEAR(canvas.GetDevicePixelsPerMillimeter().X, 1 / mmPerPx.X, 1e-12);
  EXPECT_NEAR(canvas.GetDevicePixelsPerMillimeter().Y, 1 / mmPerPx.Y, 1e-12);
  EXPECT_NEAR(canvas.GetDevicePerImagePixelFactor().X, 1, 1e-12);
  EXPECT_NEAR(canvas.GetDevicePerImagePixelFactor().Y, 1, 1e-12);
  EXPECT_NEAR(canvas.GetCanvasSizeInMillimeters().X, 100 * mmPerPx.X, 1e-9);
  EXPECT_EQ(canvas.GetCanvasSizeInPixels(), Point(100, 100));
}

TEST_F(ScreenCanvas, APrinterTakesItsResolutionFromItsPixelsPerInch) {
  const ZQ_OwnedDC printer(ZQLOW_WINGDI::CreateICA("WINSPOOL", "ZQ File Printer", nullptr, nullptr));
  ZQPIC_DeviceContextCanvas canvas(printer.Get(), PixelBox(0, 0, 1000, 1000), 1);
  EXPECT_EQ(canvas.GetDevicePixelsPerMillimeter(),
            Point(GetDeviceCaps(printer.Get(), LOGPIXELSX) / 25.4, GetDeviceCaps(printer.Get(), LOGPIXELSY) / 25.4));
  const Point factor = canvas.GetDevicePerImagePixelFactor();
  EXPECT_NEAR(factor.X, GetDeviceCaps(printer.Get(), LOGPIXELSX) / 25.4 * ZQPIC_GetScreenMillimetersPerPixel().X,
              1e-12);
  EXPECT_GT(factor.X, 1);
  EXPECT_EQ(canvas.GetDeviceKind(), 1);
}

TEST_F(ScreenCanvas, TextMeasuresAlikeAtAnyResolutionAndOnTheScreen) {
  const ZQ_String sentence = "The quick brown fox jumps over the lazy dog.";
  const struct {
    const char* why;
    Point sizeMm;  // of one pixel
  } kCases[] = {
      {"600 dpi", Point(25.4 / 600, 25.4 / 600)},
      {"0.05 pixels a millimetre: a 12-point font a fifth of a pixel high", Point(20, 20)},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    const ZQIMG_Image tiny(2, 2, 1);
    const ZQR_MemoryDC memory(nullptr, tiny.GetHBITMAP());
    ZQPIC_DeviceContextCanvas fine(memory.GetHDC(), PixelBox(0, 0, 600, 600), 3, Point(600 * c.sizeMm.X, 600 * c.sizeMm.Y));
    fine.SetBackingImage(tiny);
    fine.Initialize();
    ZQPIC_DeviceContextCanvas screen(ZQF_GetMetricDC(), PixelBox(0, 0, 100, 100));
    screen.Initialize();
    const Point a = fine.GetTextSizeInMillimeters(sentence), b = screen.GetTextSizeInMillimeters(sentence);
    EXPECT_NEAR(a.X / b.X, 1, 0.06);
    EXPECT_NEAR(a.Y / b.Y, 1, 0.1);
    // The metrics record, in millimetres: 22 words, the height split exactly.
    for (const ZQPIC_DeviceContextCanvas* canvas : {&fine, &screen}) {
      const ZQR_FontMetrics& metrics = canvas->GetFontMetrics();
      EXPECT_EQ(sizeof metrics, 88u);
      EXPECT_EQ(metrics.Ascent + metrics.Descent, metrics.Height);
      EXPECT_NEAR(metrics.Height, 12 * 25.4 / 72, 1.5);  // a 12-point font
    }
  }
}

TEST(ZQPIC_DeviceContextCanvas, SettingAFontAgainTakesItFromTheCache) {
  ImageSurface surface;
  TestCanvas canvas(surface);
  int created = 0;
  const ZQLOW_WIN_FakeCall<&ZQLOW_WINGDI::Calls::CreateFontIndirectA> counting(
      [&created](const LOGFONTA* Font) {
        ++created;
        return ::CreateFontIndirectA(Font);
      });
  const ZQR_AbstractFont arial("Arial", 14, 700, false, 0);
  canvas.SetFont(arial);
  canvas.SetFont(ZQR_AbstractFont());
  canvas.SetFont(arial);
  canvas.SetToDefaultGraphicsState();
  EXPECT_EQ(created, 1);  // the default was realised by Initialize
  // A section canvas shares the cache.
  ZQPIC_CanvasSectionCanvas section(canvas, ZQ_Rectangle<double>(0, 0, 10, 10));
  section.Initialize();
  section.SetFont(arial);
  EXPECT_EQ(created, 1);
}

// The font of the text last drawn stays selected in the context while more
// fonts than the cache holds pass through it.
TEST(ZQPIC_DeviceContextCanvas, AFontInUseOutlivesItsPlaceInTheCache) {
  ImageSurface surface;
  {
    TestCanvas canvas(surface);
    canvas.SetFont(ZQR_AbstractFont("Arial", 14, 700, false, 0));
    canvas.CanvasDraw("A", Point(1, 20));
    for (int i = 0; i <= ZQPIC_FontCache::Capacity; ++i) {
      canvas.SetFont(ZQR_AbstractFont("Arial", 5 + i, 400, false, 0));
    }
    canvas.CanvasDraw("B", Point(25, 20));
  }
  EXPECT_GT(surface.GetInkBox().X + surface.GetInkBox().Width, DevicePixel(25, 20).X);
}

TEST(ZQPIC_DeviceContextCanvas, ABackingImageHoldsTheDrawingOnceTheCanvasEnds) {
  ZQIMG_Image image(20, 10, 24);  // black
  {
    const ZQR_MemoryDC memory(nullptr, image.GetHBITMAP());
    ZQPIC_DeviceContextCanvas canvas(memory.GetHDC(), PixelBox(0, 0, 20, 10), 3, Point(20, 10));
    canvas.SetBackingImage(image);
    EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { canvas.SetBackingImage(image); }),
                         "BackingImage.IsEmpty()"));
    canvas.Initialize();
    canvas.Clear(ZQR_Color(0, 128, 255));
  }
  EXPECT_EQ(image.GetPixelColor(0, 0), ZQR_Color(0, 128, 255));
  EXPECT_EQ(image.GetPixelColor(19, 9), ZQR_Color(0, 128, 255));
}

TEST(ZQPIC_DeviceContextCanvas, TheTestDisplayShowsEveryColour) {
  ImageSurface surface;
  TestCanvas canvas(surface);
  EXPECT_TRUE(canvas.Imp_GetCapability(4));
  EXPECT_FALSE(canvas.Imp_GetCapability(3));
  for (const ZQR_Color& color : {ZQR_Color(1, 2, 3), ZQR_Color(250, 128, 7), ZQR_Color_White}) {
    EXPECT_EQ(canvas.GetClosestColor(color), color);
  }
}

TEST(ZQPIC_DeviceContextCanvas, TheClipRectangleIsTheCanvasAreaCutByTheContextsClipping) {
  ImageSurface surface;
  IntersectClipRect(surface.GetHDC(), 0, 0, 50, 140);  // 10 mm of the canvas's 50
  {
    TestCanvas canvas(surface);
    const ZQ_Rectangle<double> clip = canvas.GetClipRectangle();
    EXPECT_EQ(clip, ZQ_Rectangle<double>(0, 0, 10, 25));
    EXPECT_EQ(canvas.GetCanvasArea(), ZQ_Rectangle<double>(0, 0, 50, 25));
  }
  SelectClipRgn(surface.GetHDC(), nullptr);
}

TEST(ZQPIC_CanvasSectionCanvas, DrawsInItsRectangleOfTheTargetAndClipsToIt) {
  ImageSurface surface;
  {
    TestCanvas canvas(surface);
    ZQPIC_CanvasSectionCanvas section(canvas, ZQ_Rectangle<double>(10, 5, 20, 10));
    section.Initialize();
    EXPECT_EQ(section.GetCanvasSizeInMillimeters(), Point(20, 10));
    EXPECT_EQ(section.GetCanvasSizeInPixels(), Point(80, 40));
    EXPECT_EQ(section.GetDeviceKind(), 3);
    // Its origin: an image of 1 x 1 mm at (0, 0) by its bottom-left corner.
    section.SetVerticalJustification(2);
    section.CanvasDraw(ZQIMG_Image(1, 1, 24), Point(0, 0), 1, 1);
  }
  EXPECT_EQ(surface.GetInkBox(), PixelBox(50, 96, 4, 4));
  ImageSurface clipped;
  {
    TestCanvas canvas(clipped);
    ZQPIC_CanvasSectionCanvas section(canvas, ZQ_Rectangle<double>(10, 5, 20, 10));
    section.Initialize();
    section.SetLineWidthInMillimeters(2);
    section.CanvasDraw(ZQCG_Line::MakeRectangleOutline(ZQ_Rectangle<double>(-10, -10, 40, 30)));
    section.CanvasDraw(ZQCG_Line::MakeRectangleOutline(section.GetCanvasArea()));
  }
  EXPECT_EQ(clipped.GetInkBox(), PixelBox(50, 60, 80, 40));
}

TEST(ZQPIC_Picture, APictureDrawsItselfIntoASectionCanvas) {
  ImageSurface surface;
  const ZQ_CountedPtr<const ZQPIC_Picture> picture(new FramePicture);
  {
    TestCanvas canvas(surface);
    ZQPIC_CanvasSectionCanvas section(canvas, ZQ_Rectangle<double>(25, 0, 25, 12.5));
    section.Initialize();
    ZQPIC_Picture::DrawPicture(*picture, section);
  }
  EXPECT_EQ(surface.GetInkBox(), PixelBox(110, 70, 100, 50));
  EXPECT_EQ(surface.GetPixel(150, 100), ZQR_Color(0, 0, 200));
}

namespace {

// GDI+'s start count as seen by the callbacks on either side of the canvas's
// place, at every stage.
bool s_probing = false;
long s_beforeAt[14], s_afterAt[14];
void BeforeCanvas(int Stage) {
  if (s_probing) s_beforeAt[Stage] = ZQIMG_GetGdiplusStartCount();
}
void AfterCanvas(int Stage) {
  if (s_probing) s_afterAt[Stage] = ZQIMG_GetGdiplusStartCount();
}
const ZQ_StageCallbackRegistration s_before(&BeforeCanvas,
                                            ZQ_InitializationService::Position_ApplicationPersonality);
const ZQ_StageCallbackRegistration s_after(&AfterCanvas, ZQ_InitializationService::Position_Application);

class StageOrder : public StageSequenceTest {};

}  // namespace

TEST_F(StageOrder, TheCanvasCallbackRunsAfterThePersonalitysAndBeforeTheApplications) {
  s_probing = true;
  const int failed = RunStages().failedStage;
  s_probing = false;
  ASSERT_EQ(failed, 0);
  // Started once at stage 1, held, and given up at stage 13.
  for (int stage = 1; stage <= 13; ++stage) {
    SCOPED_TRACE(stage);
    EXPECT_EQ(s_beforeAt[stage], stage == 1 ? 0 : 1);
    EXPECT_EQ(s_afterAt[stage], stage == 13 ? 0 : 1);
  }
}
