// ZQCG_Line.h: a polyline of points in doubles. Copies share one point
// array by a count; a writer (Clear, AddPoint, Move) first takes a private
// copy when the array is shared. An index outside the points fails the
// assertion "(Index >= 0) and (Index < GetNumPoints ())". One thread only.
#ifndef ZQCG_LINE_H
#define ZQCG_LINE_H

#include <vector>

#include "ZQ_CountedBody.h"
#include "ZQ_Point.h"
#include "ZQ_Rectangle.h"

// The shared array of a polyline's points.
class ZQCG_LinePoints : public ZQ_CountedBody {
 public:
  std::vector<ZQ_Point<double>> Points;
};

class ZQCG_Line {
 public:
  // No points, room for Capacity without growing.
  explicit ZQCG_Line(long Capacity = 0);

  // The closed outline of R: its four corners from the origin on, and the
  // origin again (five points).
  static ZQCG_Line MakeRectangleOutline(const ZQ_Rectangle<double>& R);

  void Clear();
  void AddPoint(const ZQ_Point<double>& P);
  // Moves every point by (DX, DY).
  void Move(double DX, double DY);

  long GetNumPoints() const { return static_cast<long>(Body->Points.size()); }
  ZQ_Point<double> GetPoint(long Index) const;
  // The points in order, for drawing; valid until the next write.
  const ZQ_Point<double>* GetPoints() const { return Body->Points.data(); }
  // True when both share one point array.
  bool SharesPointsWith(const ZQCG_Line& Other) const { return Body == Other.Body; }

 private:
  std::vector<ZQ_Point<double>>& PointsForWriting();

  ZQ_CountedHandle<ZQCG_LinePoints> Body;
};

#endif
