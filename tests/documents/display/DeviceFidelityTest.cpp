// What a document looks like on each device it reaches: the blanks between
// words as drawn, and the physical size of an image that gives none.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ZQFO_DocumentRenderer.h"
#include "ZQFO_ImageDocumentRenderer.h"
#include "ZQIMG_Image.h"
#include "ZQPIC_DeviceContextCanvas.h"
#include "ZQR_MemoryDC.h"
#include "model/LayoutTestSupport.h"

namespace {

ZQFO_Document MakeDocument(const std::string& Markup) {
  ZQFO_DocumentStream stream;
  stream << Markup.c_str();
  return stream.GetDocument();
}

bool IsInked(const ZQIMG_Image& Image, long X, long Y) {
  const unsigned char* pixel = Image.GetRow(Y) + 3 * X;
  return pixel[0] + pixel[1] + pixel[2] < 3 * 160;
}

// The first line of the laid-out document: where its words start, in
// pixels from the page's left edge at PxPerMm, left to right.
std::vector<double> FirstLineWordStartsPx(const ZQFO_DocumentRenderer& Renderer, double PxPerMm) {
  ZQ_Array<ZQFO_WordInfo> words;
  long count = 0;
  Renderer.CollectWordInfo(words, count);
  double top = -1e300;  // y grows upward
  for (long i = 0; i < count; ++i) top = std::max(top, words[i].Y);
  std::vector<double> starts;
  for (long i = 0; i < count; ++i)
    if (words[i].Y == top) starts.push_back(words[i].X * PxPerMm);
  std::sort(starts.begin(), starts.end());
  return starts;
}

// The blank pixel columns before each word but the first of Image's first
// line of text: counted leftward from the first inked column at or after
// the column before the word's start (0 when the word before reaches it).
std::vector<long> WordGapsPx(const ZQIMG_Image& Image, const std::vector<double>& StartsPx) {
  auto rowInked = [&](long Y) {
    for (long x = 0; x < Image.GetWidth(); ++x)
      if (IsInked(Image, x, Y)) return true;
    return false;
  };
  long top = 0;
  while (top < Image.GetHeight() && !rowInked(top)) ++top;
  long bottom = top;
  while (bottom < Image.GetHeight() && rowInked(bottom)) ++bottom;
  auto columnInked = [&](long X) {
    for (long y = top; y < bottom; ++y)
      if (IsInked(Image, X, y)) return true;
    return false;
  };
  std::vector<long> gaps;
  for (size_t i = 1; i < StartsPx.size(); ++i) {
    long x = std::lround(StartsPx[i]) - 1;
    while (x < Image.GetWidth() && !columnInked(x)) ++x;
    long gap = 0;
    while (x - gap - 1 >= 0 && !columnInked(x - gap - 1)) ++gap;
    gaps.push_back(gap);
  }
  return gaps;
}

}  // namespace

TEST(DeviceFidelity, BlanksBetweenWordsAreDrawnEvenly) {
  // Every word begins and ends with an "n", so that the blank columns
  // between two words are the drawn blank plus the same side bearings.
  const char* const kSameEnds = "newtown nitrogen neutron nineteen nightgown nun newtown nitrogen neutron nineteen";
  const struct {
    const char* why;
    const char* justification;
    long oversampling;  // 0: drawn on a screen canvas
    double pxPerMm;     // of a page image; a screen canvas has the screen's (96 dpi)
  } kCases[] = {
      {"a left-aligned line on the screen", "left", 0, 0},
      {"a justified line on the screen: the extra space shared out", "full", 0, 0},
      {"a page image drawn 3 times larger and scaled down: no word runs into the next", "left", 3, 2},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    const ZQFO_Document document = MakeDocument(InSection(std::string("<zqfo_para line_justification='") +
                                                          c.justification + "'>" + kSameEnds + "</zqfo_para>"));
    // Laid out on the canvas it is drawn on, or, for a page image, on one
    // of the image's size that the image renderer then draws larger.
    const ZQ_Point<long> sizePx(c.oversampling ? 210 : 400, 120);
    ZQIMG_Image image(sizePx.X, sizePx.Y, 24);
    ZQR_MemoryDC dc(nullptr, image.GetHBITMAP());
    const ZQ_Point<double> sizeMm = c.oversampling ? ZQ_Point<double>(sizePx.X / c.pxPerMm, sizePx.Y / c.pxPerMm)
                                                   : ZQ_Point<double>(0, 0);  // the screen's resolution
    ZQPIC_DeviceContextCanvas canvas(dc.GetHDC(), ZQ_Rectangle<long>(0, 0, sizePx.X, sizePx.Y),
                                     c.oversampling ? 3 : 0, sizeMm);
    canvas.Initialize();
    canvas.Clear();
    ZQFO_DocumentRenderer renderer(document);
    renderer.Repaginate(canvas, ZQFO_DocumentRenderer::CanvasSize, ZQFO_DocumentRenderer::CanvasSize);
    ZQIMG_Image drawn = image;
    if (c.oversampling) {
      ZQFO_ImageDocumentRenderer pages(document, sizePx, canvas.GetCanvasSizeInMillimeters(), c.oversampling);
      pages.SetDocumentRenderer(&renderer);
      drawn = pages.GetPageImage(0);
    } else {
      renderer.Render(canvas, 0, 0, 0);
      GdiFlush();
    }
    const std::vector<double> starts = FirstLineWordStartsPx(renderer, canvas.GetDevicePixelsPerMillimeter().X);
    ASSERT_GE(starts.size(), 5u);
    const std::vector<long> gaps = WordGapsPx(drawn, starts);
    std::string shown;
    for (long gap : gaps) shown += std::to_string(gap) + " ";
    SCOPED_TRACE("blank columns between the words: " + shown);
    EXPECT_GE(*std::min_element(gaps.begin(), gaps.end()), 2);
    EXPECT_LE(*std::max_element(gaps.begin(), gaps.end()) - *std::min_element(gaps.begin(), gaps.end()), 1);
  }
}

TEST(DeviceFidelity, AnImageWithoutASizeHasTheSizeItHasOnTheScreenOnEveryDevice) {
  const std::string src = TemporaryImageURI(ZQIMG_Image(160, 40, 24), "ZQFidelityCover.png").GetText().GetText();
  // Every canvas stands for a page 100 mm square; the screen's is the
  // screen's own resolution.
  ZQIMG_Image surface(2, 2, 24);
  ZQR_MemoryDC dc(nullptr, surface.GetHBITMAP());
  ZQPIC_DeviceContextCanvas screen(dc.GetHDC(), ZQ_Rectangle<long>(0, 0, 378, 378), 0);
  ZQPIC_DeviceContextCanvas printer(dc.GetHDC(), ZQ_Rectangle<long>(0, 0, 1181, 1181), 1, {100, 100});
  ZQPIC_DeviceContextCanvas pageImage(dc.GetHDC(), ZQ_Rectangle<long>(0, 0, 600, 600), 3, {100, 100});
  const struct {
    const char* why;
    const char* size;
    double wantMm;  // 0: the width it has on the screen
  } kCases[] = {
      {"no size of its own: the screen's width everywhere", "", 0},
      {"a width set: that width everywhere", " width='20 mm'", 20},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    const ZQFO_Document document =
        MakeDocument(InSection("<zqfo_para><zqfo_img src='" + src + "'" + c.size + "/></zqfo_para>"));
    double onScreenMm = 0;
    for (ZQPIC_DeviceContextCanvas* canvas : {&screen, &printer, &pageImage}) {
      SCOPED_TRACE("device kind " + std::to_string(canvas->GetDeviceKind()));
      canvas->Initialize();
      ZQFO_DocumentRenderer renderer(document);
      renderer.Repaginate(*canvas, ZQFO_DocumentRenderer::MinWidth, ZQFO_DocumentRenderer::CanvasSize);
      const double widthMm = renderer.GetMinimumPageWidth() - 0.01;  // the widest item: the image
      if (canvas == &screen) onScreenMm = widthMm;
      EXPECT_NEAR(widthMm, c.wantMm ? c.wantMm : onScreenMm, 1e-6);
    }
    EXPECT_NEAR(onScreenMm, c.wantMm ? c.wantMm : 160 * 25.4 / 96, 0.1);
  }
}
