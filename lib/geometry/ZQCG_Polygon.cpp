#include "ZQCG_Polygon.h"

#include "ZQ_Assertion.h"
#include "ZQ_StackTrace.h"

ZQCG_Polygon::ZQCG_Polygon(const ZQ_Rectangle<double>& R)
    : Points{{R.X, R.Y}, {R.X + R.Width, R.Y}, {R.X + R.Width, R.Y + R.Height}, {R.X, R.Y + R.Height}} {}

ZQ_Point<double> ZQCG_Polygon::GetPoint(long Index) const {
  ZQ_TRACE_FUNCTION("ZQCG_Polygon::GetPoint");
  const bool inside = Index >= 0 && Index < GetNumPoints();
  ZQ_ASSERT_TEXT(inside, "(Index >= 0) and (Index < GetNumPoints ())");
  return inside ? Points[static_cast<size_t>(Index)] : ZQ_Point<double>();
}
