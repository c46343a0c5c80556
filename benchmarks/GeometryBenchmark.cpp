// Times drawing through the millimetre canvas beside the same drawing made
// with plain GDI calls, in the same run, on a 300 dpi memory device context
// (a 24-bit image of 1200 x 1200 pixels standing for 101.6 mm square):
// 10,000 polylines of 20 points and 5,000 text runs. Prints the best pass of
// each, their ratio and the target (the canvas at most 1.5 times the GDI
// time). Usage: GeometryBenchmark [passes]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "ZQCG_Line.h"
#include "ZQIMG_Image.h"
#include "ZQPIC_DeviceContextCanvas.h"
#include "ZQR_AbstractFont.h"
#include "ZQR_ConcreteFont.h"
#include "ZQR_MemoryDC.h"
#include "ZQ_Numeric.h"
#include "ZQ_RandomNumberGenerator.h"
#include "ZQ_String.h"

namespace {

const long kSizePx = 1200;
const double kSizeMm = 101.6;
const double kPxPerMm = kSizePx / kSizeMm;
const int kLines = 10000, kPointsPerLine = 20, kTexts = 5000;

// The same drawing for both contenders, in millimetres.
struct Scene {
  std::vector<ZQCG_Line> lines;
  std::vector<ZQ_Point<double>> textAnchors;
  std::vector<ZQ_String> texts;
};

Scene MakeScene() {
  Scene scene;
  ZQ_RandomNumberGenerator random(300);
  auto coordinate = [&random] { return random.GetRandomInteger(10000) * kSizeMm / 10000; };
  for (int i = 0; i < kLines; ++i) {
    // A short random walk, as the strokes of a chart or a drawing are.
    ZQCG_Line line(kPointsPerLine);
    ZQ_Point<double> at(coordinate(), coordinate());
    for (int p = 0; p < kPointsPerLine; ++p) {
      line.AddPoint(at);
      at.X += (random.GetRandomInteger(400) - 200.0) / 100.0;
      at.Y += (random.GetRandomInteger(400) - 200.0) / 100.0;
    }
    scene.lines.push_back(line);
  }
  for (int i = 0; i < kTexts; ++i) {
    scene.textAnchors.push_back(ZQ_Point<double>(coordinate(), coordinate()));
    char text[32];
    std::snprintf(text, sizeof text, "Text run %d", i);
    scene.texts.push_back(ZQ_String(text));
  }
  return scene;
}

template <class Work>
double Seconds(Work DoWork) {
  const auto begin = std::chrono::steady_clock::now();
  DoWork();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
}

double DrawWithCanvas(HDC DC, const Scene& S) {
  return Seconds([&] {
    ZQPIC_DeviceContextCanvas canvas(DC, ZQ_Rectangle<long>(0, 0, kSizePx, kSizePx), 3,
                                     ZQ_Point<double>(kSizeMm, kSizeMm));
    canvas.Initialize();
    canvas.SetLineWidthInMillimeters(0.25);
    canvas.SetDrawingColor(ZQR_Color(0, 0, 160));
    canvas.SetFont(ZQR_AbstractFont("Arial", 10, 400, false, 0));
    for (const ZQCG_Line& line : S.lines) canvas.CanvasDraw(line);
    for (int i = 0; i < kTexts; ++i) canvas.CanvasDraw(S.texts[i], S.textAnchors[i]);
    GdiFlush();
  });
}

// What a program would write by hand: the same mapping, one pen, one font.
double DrawWithGdi(HDC DC, const Scene& S) {
  return Seconds([&] {
    const int saved = SaveDC(DC);
    const LOGBRUSH brush{BS_SOLID, RGB(0, 0, 160), 0};
    const HPEN pen = ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_ROUND | PS_JOIN_ROUND,
                                  static_cast<DWORD>(ZQ_Round(0.25 * kPxPerMm)), &brush, 0, nullptr);
    const ZQR_ConcreteFont font(ZQR_AbstractFont("Arial", 10, 400, false, 0), DC, 300);
    SelectObject(DC, pen);
    SelectObject(DC, font.GetHFONT());
    SetBkMode(DC, TRANSPARENT);
    SetTextColor(DC, RGB(0, 0, 0));
    POINT points[kPointsPerLine];
    for (const ZQCG_Line& line : S.lines) {
      for (int p = 0; p < kPointsPerLine; ++p) {
        const ZQ_Point<double> mm = line.GetPoints()[p];
        points[p] = POINT{static_cast<LONG>(ZQ_Round(mm.X * kPxPerMm)),
                          static_cast<LONG>(ZQ_Round(kSizePx - mm.Y * kPxPerMm))};
      }
      Polyline(DC, points, kPointsPerLine);
    }
    for (int i = 0; i < kTexts; ++i) {
      const ZQ_Point<double> at = S.textAnchors[i];
      TextOutA(DC, static_cast<int>(ZQ_Round(at.X * kPxPerMm)),
               static_cast<int>(ZQ_Round(kSizePx - at.Y * kPxPerMm)), S.texts[i].GetText(),
               S.texts[i].GetLength());
    }
    RestoreDC(DC, saved);
    DeleteObject(pen);
    GdiFlush();
  });
}

}  // namespace

int main(int argc, char** argv) {
  const int passes = argc > 1 ? std::atoi(argv[1]) : 5;
  if (passes < 1) {
    std::fprintf(stderr, "usage: GeometryBenchmark [passes >= 1]\n");
    return 2;
  }
  const Scene scene = MakeScene();
  const ZQIMG_Image image(kSizePx, kSizePx, 24);
  const ZQR_MemoryDC memory(nullptr, image.GetHBITMAP());
  double canvasBest = 1e30, gdiBest = 1e30;
  for (int pass = 0; pass < passes; ++pass) {
    gdiBest = std::min(gdiBest, DrawWithGdi(memory.GetHDC(), scene));
    canvasBest = std::min(canvasBest, DrawWithCanvas(memory.GetHDC(), scene));
  }
  const double ratio = canvasBest / gdiBest;
  std::printf("Geometry benchmark: %d polylines of %d points and %d text runs at 300 dpi, best of %d passes\n",
              kLines, kPointsPerLine, kTexts, passes);
  std::printf("  canvas %8.1f ms  plain GDI %8.1f ms  ratio %5.2f  target ratio <= 1.50  %s\n",
              canvasBest * 1e3, gdiBest * 1e3, ratio, ratio <= 1.5 ? "met" : "MISSED");
  return 0;
}
