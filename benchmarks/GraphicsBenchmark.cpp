// Times the graphics resources beside the bare Win32 calls that do the same
// work, in the same run, and prints the nanoseconds per operation, their
// ratio and the target of each row. Usage: GraphicsBenchmark [repetitions]
// (the best pass of each row is reported).
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "ZQR_Bitmap.h"
#include "ZQR_Brush.h"
#include "ZQR_Color.h"
#include "ZQR_ConcreteFont.h"
#include "ZQR_AbstractFont.h"
#include "ZQ_String.h"

namespace {

// Runs one pass of Operations operations and returns its seconds.
using TimedPass = double (*)(long Operations);

struct BenchmarkRow {
  const char* name;
  long operations;
  TimedPass library;
  TimedPass bare;            // the bare Win32 calls, or null when there are none
  double targetNs;           // at most this many ns per operation, or 0
  double targetRatio;        // at most this ratio to the bare calls, or 0
};

template <class Work>
double Seconds(Work DoWork) {
  const auto begin = std::chrono::steady_clock::now();
  DoWork();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
}

// Copies the handle into Operations slots, then releases every copy: the
// cost of one copy and its release, the count of the shared body rising to
// Operations + 1 and falling back.
template <class Handle>
double TimeHandleCopies(const Handle& Source, long Operations) {
  std::vector<Handle> copies(static_cast<size_t>(Operations));
  return Seconds([&] {
    for (Handle& copy : copies) copy = Source;
    for (Handle& copy : copies) copy = Handle();
  });
}

double TimeBrushCopies(long Operations) {
  return TimeHandleCopies(ZQR_Brush(ZQR_Color(40, 80, 120)), Operations);
}

double TimeBitmapCopies(long Operations) {
  ZQR_Bitmap bitmap;
  bitmap.CreateScreenCompatiableBitmap(16, 16);
  return TimeHandleCopies(bitmap, Operations);
}

// Fonts are measured in a memory context of the screen, as the glyph canvas
// measures them. The bare side does the same work in plain calls.
struct MeasuringContext {
  HDC dc = ::CreateCompatibleDC(nullptr);
  ~MeasuringContext() { ::DeleteDC(dc); }
};

MeasuringContext& Context() {
  static MeasuringContext context;
  return context;
}

const ZQR_AbstractFont kDescription("Arial", 10.0f, 700, false, 0.0f);
long g_sink = 0;  // keeps the measured results alive

double TimeFontRealisation(long Operations) {
  const HDC dc = Context().dc;
  return Seconds([&] {
    for (long i = 0; i < Operations; ++i) {
      const ZQR_ConcreteFont font(kDescription, dc);
      g_sink += font.GetHeight(dc);
    }
  });
}

double TimeBareFontRealisation(long Operations) {
  const HDC dc = Context().dc;
  const LOGFONTA logFont =
      kDescription.GetLogFontStruct(-::MulDiv(10, ::GetDeviceCaps(dc, LOGPIXELSY), 72));
  return Seconds([&] {
    for (long i = 0; i < Operations; ++i) {
      const HFONT font = ::CreateFontIndirectA(&logFont);
      const HGDIOBJ old = ::SelectObject(dc, font);
      TEXTMETRICA metrics;
      ::GetTextMetricsA(dc, &metrics);
      ::SelectObject(dc, old);
      ::DeleteObject(font);
      g_sink += metrics.tmHeight;
    }
  });
}

// Short labels as a dialog has them, built before the timing starts.
std::vector<ZQ_String> Labels(long Count) {
  static const char* const kWords[] = {"OK", "Cancel", "Temperature", "Wind speed", "Help",
                                       "Relative humidity", "Pressure", "Apply"};
  std::vector<ZQ_String> labels;
  for (long i = 0; i < Count; ++i) labels.push_back(ZQ_String(kWords[i % 8]));
  return labels;
}

double TimeTextExtents(long Operations) {
  const HDC dc = Context().dc;
  const ZQR_ConcreteFont font(kDescription, dc);
  const std::vector<ZQ_String> labels = Labels(Operations);
  return Seconds([&] {
    for (const ZQ_String& label : labels) g_sink += font.GetSize(dc, label).X;
  });
}

double TimeBareTextExtents(long Operations) {
  const HDC dc = Context().dc;
  const ZQR_ConcreteFont font(kDescription, dc);
  const std::vector<ZQ_String> labels = Labels(Operations);
  return Seconds([&] {
    for (const ZQ_String& label : labels) {
      const HGDIOBJ old = ::SelectObject(dc, font.GetHFONT());
      SIZE size;
      ::GetTextExtentPoint32A(dc, label.GetText(), label.GetLength(), &size);
      ::SelectObject(dc, old);
      g_sink += size.cx;
    }
  });
}

const BenchmarkRow kRows[] = {
    {"brush handle copy and release", 100000, TimeBrushCopies, nullptr, 50.0, 0.0},
    {"bitmap handle copy and release", 100000, TimeBitmapCopies, nullptr, 50.0, 0.0},
    {"font realisation with metrics", 10000, TimeFontRealisation, TimeBareFontRealisation, 0.0, 1.3},
    {"text extent of a short label", 10000, TimeTextExtents, TimeBareTextExtents, 0.0, 1.3},
};

double BestNsPerOperation(TimedPass Pass, long Operations, int Repetitions) {
  double best = 1e300;
  for (int r = 0; r < Repetitions; ++r) {
    const double seconds = Pass(Operations);
    if (seconds < best) best = seconds;
  }
  return best / Operations * 1e9;
}

// One line per row; returns whether the row met its targets.
bool Report(const BenchmarkRow& Row, int Repetitions) {
  const double library = BestNsPerOperation(Row.library, Row.operations, Repetitions);
  bool met = Row.targetNs <= 0.0 || library <= Row.targetNs;
  std::printf("  %-34s %8ld ops  %10.1f ns/op", Row.name, Row.operations, library);
  if (Row.bare) {
    const double bare = BestNsPerOperation(Row.bare, Row.operations, Repetitions);
    const double ratio = library / bare;
    met = met && (Row.targetRatio <= 0.0 || ratio <= Row.targetRatio);
    std::printf("  bare %10.1f ns/op  ratio %5.2f", bare, ratio);
  }
  if (Row.targetNs > 0.0) std::printf("  target < %.0f ns", Row.targetNs);
  if (Row.targetRatio > 0.0) std::printf("  target ratio <= %.2f", Row.targetRatio);
  std::printf("  %s\n", met ? "met" : "MISSED");
  return met;
}

}  // namespace

int main(int argc, char** argv) {
  const int repetitions = argc > 1 ? std::atoi(argv[1]) : 5;
  if (repetitions < 1) {
    std::fprintf(stderr, "usage: GraphicsBenchmark [repetitions >= 1]\n");
    return 2;
  }
  std::printf("Graphics benchmark: best of %d passes per row\n", repetitions);
  bool allMet = true;
  for (const BenchmarkRow& row : kRows) allMet = Report(row, repetitions) && allMet;
  return allMet ? 0 : 1;
}
