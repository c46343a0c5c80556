#include "ZQPIC_DeviceClip.h"

#include <algorithm>
#include <cmath>

namespace {

using Point = ZQ_Point<double>;

// How far a disc's edge may lie inside the true circle.
const double kArcTolerancePx = 0.25;
const int kMaxArcSteps = 1 << 14;

Point At(const Point& A, const Point& B, double T) {
  return Point(A.X + T * (B.X - A.X), A.Y + T * (B.Y - A.Y));
}

// Liang and Barsky: the parameters [T0, T1] of the segment A-B that lie in
// the box; false when none does. An end inside keeps T0 = 0 or T1 = 1 exactly.
bool ClipSegment(const Point& A, const Point& B, double Left, double Top, double Right, double Bottom,
                 double& T0, double& T1) {
  T0 = 0;
  T1 = 1;
  const double dx = B.X - A.X, dy = B.Y - A.Y;
  // The part where P · t <= Q.
  auto keep = [&](double P, double Q) {
    if (P == 0) return Q >= 0;
    const double t = Q / P;
    if (P < 0) {
      if (t > T1) return false;
      if (t > T0) T0 = t;
    } else {
      if (t < T0) return false;
      if (t < T1) T1 = t;
    }
    return true;
  };
  return keep(-dx, A.X - Left) && keep(dx, Right - A.X) && keep(-dy, A.Y - Top) && keep(dy, Bottom - A.Y);
}

double Coordinate(const Point& P, int Axis) { return Axis ? P.Y : P.X; }

// One step of Sutherland and Hodgman: In cut by the line where coordinate
// Axis equals Bound, keeping the side below it or above it.
void CutAtEdge(const ZQPIC_DeviceClip::Points& In, ZQPIC_DeviceClip::Points& Out, int Axis, double Bound,
               bool KeepBelow) {
  Out.clear();
  if (In.empty()) return;
  auto inside = [&](const Point& P) {
    return KeepBelow ? Coordinate(P, Axis) <= Bound : Coordinate(P, Axis) >= Bound;
  };
  Point previous = In.back();
  for (const Point& current : In) {
    if (inside(current) != inside(previous)) {
      const double t = (Bound - Coordinate(previous, Axis)) / (Coordinate(current, Axis) - Coordinate(previous, Axis));
      Point crossing = At(previous, current, t);
      (Axis ? crossing.Y : crossing.X) = Bound;
      Out.push_back(crossing);
    }
    if (inside(current)) Out.push_back(current);
    previous = current;
  }
}

}  // namespace

ZQPIC_DeviceClip::ZQPIC_DeviceClip(const RECT& Seen)
    : Visible{double(Seen.left), double(Seen.top), double(Seen.right), double(Seen.bottom)},
      Margin(Visible),
      Diagonal(IsEmpty() ? 0 : std::hypot(Visible.Right - Visible.Left, Visible.Bottom - Visible.Top)) {
  Margin = Visible.Grown(Diagonal + OrdinaryPx);
}

void ZQPIC_DeviceClip::CutPolyline(const Points& Line, double Reach, Points& Runs, std::vector<int>& Counts) const {
  const Box bound = Margin.Grown(Reach);
  int open = 0;  // points of the run being built
  auto close = [&] {
    if (open >= 2)
      Counts.push_back(open);
    else
      Runs.resize(Runs.size() - static_cast<size_t>(open));
    open = 0;
  };
  for (size_t i = 0; i + 1 < Line.size(); ++i) {
    const Point &a = Line[i], &b = Line[i + 1];
    double t0, t1;
    if (!ClipSegment(a, b, bound.Left, bound.Top, bound.Right, bound.Bottom, t0, t1)) {
      close();
      continue;
    }
    if (t0 > 0 || open == 0) {
      close();
      Runs.push_back(t0 > 0 ? At(a, b, t0) : a);
      open = 1;
    }
    Runs.push_back(t1 < 1 ? At(a, b, t1) : b);
    ++open;
    if (t1 < 1) close();
  }
  close();
}

void ZQPIC_DeviceClip::CutPolygon(Points& Polygon) const {
  if (std::all_of(Polygon.begin(), Polygon.end(), [this](const Point& P) { return Margin.Contains(P); })) return;
  CutToBox(Polygon, Margin);
}

bool ZQPIC_DeviceClip::IsFarLarger(double SizePx) const { return SizePx > std::max(Diagonal, OrdinaryPx); }

bool ZQPIC_DeviceClip::Meets(const Point& Min, const Point& Max) const {
  const Box box = Visible.Grown(1);
  return Min.X <= box.Right && box.Left <= Max.X && Min.Y <= box.Bottom && box.Top <= Max.Y;
}

bool ZQPIC_DeviceClip::StrokePieces(const Point* Run, int Count, double WidthPx, long Endcap, Points& Pieces,
                                    std::vector<int>& Counts) const {
  const double r = WidthPx / 2;
  Points piece;
  for (int i = 0; i + 1 < Count; ++i) {
    const Point &a = Run[i], &b = Run[i + 1];
    const double length = std::hypot(b.X - a.X, b.Y - a.Y);
    if (!(length > 0)) continue;
    const Point u((b.X - a.X) / length, (b.Y - a.Y) / length), n(-u.Y * r, u.X * r);
    // Square caps reach half the width beyond the line's two ends.
    const double before = i == 0 && Endcap == 1 ? r : 0, after = i + 2 == Count && Endcap == 1 ? r : 0;
    const Point from(a.X - u.X * before, a.Y - u.Y * before), to(b.X + u.X * after, b.Y + u.Y * after);
    piece.assign({Point(from.X + n.X, from.Y + n.Y), Point(to.X + n.X, to.Y + n.Y), Point(to.X - n.X, to.Y - n.Y),
                  Point(from.X - n.X, from.Y - n.Y)});
    if (AddPiece(piece, Pieces, Counts)) return true;
  }
  // Round joins between segments, round caps at the ends.
  for (int i = 0; i < Count; ++i) {
    const bool end = i == 0 || i + 1 == Count;
    if ((!end || Endcap == 0) && AddDisc(Run[i], r, Pieces, Counts)) return true;
  }
  return false;
}

bool ZQPIC_DeviceClip::CutImage(double Destination[4], const ZQ_Point<long>& SourcePixels, RECT& Source) const {
  Source = RECT{0, 0, SourcePixels.X, SourcePixels.Y};
  const Point topLeft(Destination[0], Destination[1]);
  const Point bottomRight(Destination[0] + Destination[2], Destination[1] + Destination[3]);
  if (Margin.Contains(topLeft) && Margin.Contains(bottomRight)) return true;
  long from[2], to[2];
  for (int axis = 0; axis < 2; ++axis) {
    const double start = Destination[axis], length = Destination[axis + 2];
    const long pixels = axis ? SourcePixels.Y : SourcePixels.X;
    const double seen0 = std::max(start, axis ? Visible.Top : Visible.Left);
    const double seen1 = std::min(start + length, axis ? Visible.Bottom : Visible.Right);
    if (!(seen0 < seen1) || pixels <= 0) return false;
    const double perPixel = length / pixels;
    from[axis] = std::max(0L, static_cast<long>(std::floor((seen0 - start) / perPixel)) - 1);
    to[axis] = std::min(pixels, static_cast<long>(std::ceil((seen1 - start) / perPixel)) + 1);
    Destination[axis] = start + from[axis] * perPixel;
    Destination[axis + 2] = (to[axis] - from[axis]) * perPixel;
  }
  Source = RECT{from[0], from[1], to[0], to[1]};
  return true;
}

void ZQPIC_DeviceClip::CutToBox(Points& Polygon, const Box& Bound) {
  Points cut;
  CutAtEdge(Polygon, cut, 0, Bound.Left, false);
  CutAtEdge(cut, Polygon, 0, Bound.Right, true);
  CutAtEdge(Polygon, cut, 1, Bound.Top, false);
  CutAtEdge(cut, Polygon, 1, Bound.Bottom, true);
}

bool ZQPIC_DeviceClip::AddPiece(Points& Piece, Points& Pieces, std::vector<int>& Counts) const {
  const Box box = Visible.Grown(1);
  CutToBox(Piece, box);
  if (Piece.size() < 3) return false;
  // A convex piece within the box covers it when their areas agree.
  double twiceArea = 0;
  for (size_t i = 0, j = Piece.size() - 1; i < Piece.size(); j = i++)
    twiceArea += (Piece[j].X - Piece[i].X) * (Piece[j].Y + Piece[i].Y);
  if (std::fabs(twiceArea) / 2 >= (box.Right - box.Left) * (box.Bottom - box.Top) - 0.5) {
    Pieces.assign({Point(box.Left, box.Top), Point(box.Right, box.Top), Point(box.Right, box.Bottom),
                   Point(box.Left, box.Bottom)});
    Counts.assign(1, 4);
    return true;
  }
  Pieces.insert(Pieces.end(), Piece.begin(), Piece.end());
  Counts.push_back(static_cast<int>(Piece.size()));
  return false;
}

bool ZQPIC_DeviceClip::AddDisc(const Point& Center, double Radius, Points& Pieces, std::vector<int>& Counts) const {
  const Box box = Visible.Grown(1);
  const double farX = std::max(std::fabs(Center.X - box.Left), std::fabs(Center.X - box.Right));
  const double farY = std::max(std::fabs(Center.Y - box.Top), std::fabs(Center.Y - box.Bottom));
  Points piece;
  if (std::hypot(farX, farY) <= Radius) {
    piece.assign({Point(box.Left, box.Top), Point(box.Right, box.Top), Point(box.Right, box.Bottom),
                  Point(box.Left, box.Bottom)});
    return AddPiece(piece, Pieces, Counts);
  }
  const double nearX = std::clamp(Center.X, box.Left, box.Right) - Center.X;
  const double nearY = std::clamp(Center.Y, box.Top, box.Bottom) - Center.Y;
  if (std::hypot(nearX, nearY) >= Radius) return false;
  // The arc over the angles at which the box lies, or the whole circle
  // around a centre inside it; the centre closes the slice.
  const double pi = std::acos(-1.0);
  double first = -pi, last = pi;
  if (!box.Contains(Center)) {
    const double toBox = std::atan2((box.Top + box.Bottom) / 2 - Center.Y, (box.Left + box.Right) / 2 - Center.X);
    double low = pi, high = -pi;
    for (const Point& corner : {Point(box.Left, box.Top), Point(box.Right, box.Top), Point(box.Right, box.Bottom),
                                Point(box.Left, box.Bottom)}) {
      const double angle = std::remainder(std::atan2(corner.Y - Center.Y, corner.X - Center.X) - toBox, 2 * pi);
      low = std::min(low, angle);
      high = std::max(high, angle);
    }
    first = toBox + low;
    last = toBox + high;
    piece.push_back(Center);
  }
  const double step = 2 * std::acos(1 - std::min(1.0, kArcTolerancePx / Radius));
  const int steps = static_cast<int>(std::clamp(std::ceil((last - first) / step), 1.0, double(kMaxArcSteps)));
  for (int k = 0; k <= steps; ++k) {
    const double angle = first + (last - first) * k / steps;
    piece.push_back(Point(Center.X + Radius * std::cos(angle), Center.Y + Radius * std::sin(angle)));
  }
  return AddPiece(piece, Pieces, Counts);
}
