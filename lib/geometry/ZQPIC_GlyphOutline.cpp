#include "ZQPIC_GlyphOutline.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstring>

namespace {

using Point = ZQ_Point<double>;
using Points = ZQPIC_DeviceClip::Points;

// How far a chord may stray from its curve where the curve shows.
const double kFlatnessPx = 0.25;
// Halvings of one curve at most: from 2^60 pixels down to a quarter pixel.
const int kMaxDepth = 64;

double FromFixed(const FIXED& Value) { return Value.value + Value.fract / 65536.0; }

Point Middle(const Point& A, const Point& B) { return Point((A.X + B.X) / 2, (A.Y + B.Y) / 2); }

double DistanceFromChord(const Point& P, const Point& A, const Point& B) {
  const double dx = B.X - A.X, dy = B.Y - A.Y, length = std::hypot(dx, dy);
  if (!(length > 0)) return std::hypot(P.X - A.X, P.Y - A.Y);
  return std::fabs((P.X - A.X) * dy - (P.Y - A.Y) * dx) / length;
}

// Appends the points after Control[0] of the Bézier curve of Degree (2 or
// 3): its end alone where the control points lie flat or far from what
// shows (the curve stays within their hull), else both halves.
void AddCurve(const Point* Control, int Degree, int Depth, const ZQPIC_DeviceClip& Clip, Points& Out) {
  Point min = Control[0], max = Control[0];
  bool flat = true;
  for (int i = 1; i <= Degree; ++i) {
    min = Point(std::min(min.X, Control[i].X), std::min(min.Y, Control[i].Y));
    max = Point(std::max(max.X, Control[i].X), std::max(max.Y, Control[i].Y));
    if (i < Degree) flat = flat && DistanceFromChord(Control[i], Control[0], Control[Degree]) <= kFlatnessPx;
  }
  if (flat || Depth >= kMaxDepth || !Clip.Meets(min, max)) {
    Out.push_back(Control[Degree]);
    return;
  }
  // De Casteljau at the middle.
  Point level[4], first[4], second[4];
  std::copy(Control, Control + Degree + 1, level);
  first[0] = level[0];
  second[Degree] = level[Degree];
  for (int k = 1; k <= Degree; ++k) {
    for (int i = 0; i <= Degree - k; ++i) level[i] = Middle(level[i], level[i + 1]);
    first[k] = level[0];
    second[Degree - k] = level[Degree - k];
  }
  AddCurve(first, Degree, Depth + 1, Clip, Out);
  AddCurve(second, Degree, Depth + 1, Clip, Out);
}

}  // namespace

void ZQPIC_AppendGlyphOutline(const void* Buffer, DWORD Size, const Point& Origin, double Scale,
                              const ZQPIC_DeviceClip& Clip, Points& Contours, std::vector<int>& Counts) {
  const auto place = [&](const POINTFX& P) {
    return Point(Origin.X + FromFixed(P.x) * Scale, Origin.Y - FromFixed(P.y) * Scale);
  };
  const size_t curveHead = offsetof(TTPOLYCURVE, apfx);
  const char* at = static_cast<const char*>(Buffer);
  const char* const end = at + Size;
  Points contour;
  while (static_cast<size_t>(end - at) >= sizeof(TTPOLYGONHEADER)) {
    TTPOLYGONHEADER header;
    std::memcpy(&header, at, sizeof header);
    if (header.cb < sizeof header || header.cb > static_cast<size_t>(end - at)) return;
    const char* const contourEnd = at + header.cb;
    contour.assign(1, place(header.pfxStart));
    for (const char* record = at + sizeof header; static_cast<size_t>(contourEnd - record) >= curveHead;) {
      WORD type, count;
      std::memcpy(&type, record + offsetof(TTPOLYCURVE, wType), sizeof type);
      std::memcpy(&count, record + offsetof(TTPOLYCURVE, cpfx), sizeof count);
      const size_t bytes = curveHead + count * sizeof(POINTFX);
      if (bytes > static_cast<size_t>(contourEnd - record)) break;
      std::vector<Point> points(count);
      for (WORD i = 0; i < count; ++i) {
        POINTFX p;
        std::memcpy(&p, record + curveHead + i * sizeof(POINTFX), sizeof p);
        points[i] = place(p);
      }
      if (type == TT_PRIM_QSPLINE) {
        // Between two control points lies an implied point on the curve.
        for (size_t i = 0; i + 1 < points.size(); ++i) {
          const Point curve[3] = {contour.back(), points[i],
                                  i + 2 == points.size() ? points[i + 1] : Middle(points[i], points[i + 1])};
          AddCurve(curve, 2, 0, Clip, contour);
        }
      } else if (type == TT_PRIM_CSPLINE) {
        for (size_t i = 0; i + 2 < points.size(); i += 3) {
          const Point curve[4] = {contour.back(), points[i], points[i + 1], points[i + 2]};
          AddCurve(curve, 3, 0, Clip, contour);
        }
      } else {
        contour.insert(contour.end(), points.begin(), points.end());
      }
      record += bytes;
    }
    Clip.CutPolygon(contour);
    if (contour.size() >= 3) {
      Contours.insert(Contours.end(), contour.begin(), contour.end());
      Counts.push_back(static_cast<int>(contour.size()));
    }
    at = contourEnd;
  }
}
