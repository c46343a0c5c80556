// ZQCG_Polygon.h: a closed ring of points in doubles: the last point joins
// the first, so none is repeated. A plain value (copies copy the points).
// An index outside the points fails the assertion
// "(Index >= 0) and (Index < GetNumPoints ())".
#ifndef ZQCG_POLYGON_H
#define ZQCG_POLYGON_H

#include <vector>

#include "ZQ_Point.h"
#include "ZQ_Rectangle.h"

class ZQCG_Polygon {
 public:
  ZQCG_Polygon() = default;
  // R's four corners from its origin on.
  explicit ZQCG_Polygon(const ZQ_Rectangle<double>& R);

  void AddPoint(const ZQ_Point<double>& P) { Points.push_back(P); }
  long GetNumPoints() const { return static_cast<long>(Points.size()); }
  ZQ_Point<double> GetPoint(long Index) const;

 private:
  std::vector<ZQ_Point<double>> Points;
};

#endif
