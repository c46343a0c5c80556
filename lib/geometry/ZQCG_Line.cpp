#include "ZQCG_Line.h"

#include "ZQ_Assertion.h"
#include "ZQ_StackTrace.h"

ZQCG_Line::ZQCG_Line(long Capacity) : Body(new ZQCG_LinePoints) {
  if (Capacity > 0) Body->Points.reserve(static_cast<size_t>(Capacity));
}

ZQCG_Line ZQCG_Line::MakeRectangleOutline(const ZQ_Rectangle<double>& R) {
  ZQCG_Line outline(5);
  outline.AddPoint(ZQ_Point<double>(R.X, R.Y));
  outline.AddPoint(ZQ_Point<double>(R.X + R.Width, R.Y));
  outline.AddPoint(ZQ_Point<double>(R.X + R.Width, R.Y + R.Height));
  outline.AddPoint(ZQ_Point<double>(R.X, R.Y + R.Height));
  outline.AddPoint(ZQ_Point<double>(R.X, R.Y));
  return outline;
}

void ZQCG_Line::Clear() { PointsForWriting().clear(); }

void ZQCG_Line::AddPoint(const ZQ_Point<double>& P) { PointsForWriting().push_back(P); }

void ZQCG_Line::Move(double DX, double DY) {
  for (ZQ_Point<double>& p : PointsForWriting()) {
    p.X += DX;
    p.Y += DY;
  }
}

ZQ_Point<double> ZQCG_Line::GetPoint(long Index) const {
  ZQ_TRACE_FUNCTION("ZQCG_Line::GetPoint");
  const bool inside = Index >= 0 && Index < GetNumPoints();
  ZQ_ASSERT_TEXT(inside, "(Index >= 0) and (Index < GetNumPoints ())");
  return inside ? Body->Points[static_cast<size_t>(Index)] : ZQ_Point<double>();
}

std::vector<ZQ_Point<double>>& ZQCG_Line::PointsForWriting() {
  if (Body.GetReferenceCount() > 1) {
    ZQCG_LinePoints* copy = new ZQCG_LinePoints;
    copy->Points = Body->Points;
    Body.Reset(copy);
  }
  return Body->Points;
}
