#include "ZQF_ListGlyphTimers.h"

#include "ZQF_DragOperation.h"
#include "ZQF_ListGlyph.h"
#include "ZQF_Metrics.h"
#include "ZQ_Assertion.h"

namespace {

ZQF_ListGlyphAutoscrollTimer* s_autoscrollTimer = nullptr;

}  // namespace

ZQF_ListGlyphChangeNotificationDelayTimer::ZQF_ListGlyphChangeNotificationDelayTimer(
    ZQF_ListGlyph* List, long DelayMs, int ChangeKind)
    : ZQ_Timer(static_cast<int>(DelayMs), ZQ_Functor0()), List(List), ChangeKind(ChangeKind) {}

void ZQF_ListGlyphChangeNotificationDelayTimer::Tick() {
  List->ProcessDelayedListChangeNotification(ChangeKind);
}

ZQF_ListGlyphAutoscrollTimer::ZQF_ListGlyphAutoscrollTimer(ZQF_ListGlyph* List, int aAutoscrollEdge)
    : ZQ_Timer(static_cast<int>(ZQF_GetTimeMetric(ZQF_TimeMetric_AutorepeatDelay)), static_cast<int>(ZQF_GetTimeMetric(ZQF_TimeMetric_AutorepeatInterval)),
               ZQ_Functor0()),
      List(List),
      Edge(aAutoscrollEdge) {
  ZQ_ASSERT(AutoscrollEdge_Top <= aAutoscrollEdge and aAutoscrollEdge <= AutoscrollEdge_Right);
  Install();
}

ZQF_ListGlyphAutoscrollTimer::~ZQF_ListGlyphAutoscrollTimer() { Remove(); }

void ZQF_ListGlyphAutoscrollTimer::EndDragOperationNotification(bool) { EndDragOperation(); }

void ZQF_ListGlyphAutoscrollTimer::MouseMoveNotification() {
  if (ZQF_DragOperation* drag = ZQF_GetCurrentDragOperation()) {
    ProcessMouseMove(drag->GetCurrentMousePosition());
  }
}

void ZQF_ListGlyphAutoscrollTimer::EndDragOperation() { Stop(); }

void ZQF_ListGlyphAutoscrollTimer::ProcessMouseMove(const ZQ_Point<long>& ScreenPoint) {
  if (!List->GetListArea().Contains(List->ScreenToGlyph(ScreenPoint))) Stop();
}

void ZQF_ListGlyphAutoscrollTimer::Tick() {
  switch (Edge) {
    case AutoscrollEdge_Top: List->ScrollLineUp(1); break;
    case AutoscrollEdge_Bottom: List->ScrollLineDown(1); break;
    case AutoscrollEdge_Left: List->ScrollLineLeft(); break;
    case AutoscrollEdge_Right: List->ScrollLineRight(); break;
    default: ZQ_ASSERT(false);
  }
}

int ZQF_ListGlyphAutoscrollTimer::PerformAutoscrollEdgeHitCheck(ZQF_ListGlyph* List,
                                                                const ZQ_Point<long>& Point) {
  const ZQ_Rectangle<long> area = List->GetListArea();
  if (!area.Contains(Point)) return AutoscrollEdge_None;
  const ZQ_Point<long> zone = ZQF_GetSizeMetric(ZQF_SizeMetric_AutoscrollZone);
  if (Point.Y - area.Y <= zone.Y) return AutoscrollEdge_Top;
  if (area.Y + area.Height - Point.Y <= zone.Y) return AutoscrollEdge_Bottom;
  if (Point.X - area.X <= zone.X) return AutoscrollEdge_Left;
  if (area.X + area.Width - Point.X <= zone.X) return AutoscrollEdge_Right;
  return AutoscrollEdge_None;
}

void ZQF_ListGlyphAutoscrollTimer::RespondToDragOperationMessage(ZQF_ListGlyph* List,
                                                                const ZQ_Point<long>& Point) {
  const int edge = PerformAutoscrollEdgeHitCheck(List, Point);
  if (edge == AutoscrollEdge_None) {
    Stop();
    return;
  }
  if (s_autoscrollTimer && s_autoscrollTimer->List == List && s_autoscrollTimer->Edge == edge) return;
  Stop();
  s_autoscrollTimer = new ZQF_ListGlyphAutoscrollTimer(List, edge);
}

void ZQF_ListGlyphAutoscrollTimer::Stop() {
  ZQF_ListGlyphAutoscrollTimer* timer = s_autoscrollTimer;
  s_autoscrollTimer = nullptr;
  delete timer;
}

void ZQF_ListGlyphAutoscrollTimer::StopFor(ZQF_ListGlyph* List) {
  if (s_autoscrollTimer && s_autoscrollTimer->List == List) Stop();
}

ZQF_ListGlyphAutoscrollTimer* ZQF_ListGlyphAutoscrollTimer::GetCurrent() { return s_autoscrollTimer; }
