#include "ZQF_RectangularAreaDragOperation.h"

#include "ZQF_DragOperationDrawingContext.h"
#include "ZQF_Metrics.h"

namespace {

// Each coordinate of 0 takes the metric's.
ZQ_Point<long> OrMetric(long X, long Y, int SizeMetric) {
  const ZQ_Point<long> metric = ZQF_GetSizeMetric(SizeMetric);
  return ZQ_Point<long>(X ? X : metric.X, Y ? Y : metric.Y);
}

long Distance(long A, long B) { return A < B ? B - A : A - B; }

}  // namespace

ZQF_RectangularAreaDragOperation::ZQF_RectangularAreaDragOperation(
    ZQF_Glyph* InitiatingGlyph, long BorderWidthX, long BorderWidthY, long MinimumExtentX,
    long MinimumExtentY, const ZQ_Rectangle<long>& ClipArea,
    const ZQF_RectangularAreaDragCallback& FinishCallback)
    : ZQF_DragOperation(InitiatingGlyph),
      BorderWidth(OrMetric(BorderWidthX, BorderWidthY, ZQF_SizeMetric_Gap1Px)),
      MinimumExtent(OrMetric(MinimumExtentX, MinimumExtentY, ZQF_SizeMetric_DragThreshold)),
      ClipArea(ClipArea.Width == 0
                   ? ZQF_GetAreaMetric(ZQF_AreaMetric_Screen)
                   : ZQ_Rectangle<long>::Intersection(ClipArea, ZQF_GetAreaMetric(ZQF_AreaMetric_Screen))),
      FinishCallback(FinishCallback),
      CursorWhileLarge(ZQF_GetCursorMetric(ZQF_CursorMetric_Arrow)),
      CursorWhileSmall(ZQF_GetCursorMetric(ZQF_CursorMetric_Arrow)) {}

ZQ_Rectangle<long> ZQF_RectangularAreaDragOperation::GetFinalRectangularArea() const {
  const ZQ_Point<long>& a = GetStartMousePosition();
  const ZQ_Point<long>& b = GetCurrentMousePosition();
  return ZQ_Rectangle<long>(a.X < b.X ? a.X : b.X, a.Y < b.Y ? a.Y : b.Y, Distance(a.X, b.X),
                            Distance(a.Y, b.Y));
}

bool ZQF_RectangularAreaDragOperation::FinalExtentLargerThanMin() const {
  const ZQ_Rectangle<long> area = GetFinalRectangularArea();
  return area.Width >= MinimumExtent.X && area.Height >= MinimumExtent.Y;
}

void ZQF_RectangularAreaDragOperation::DrawFeedback(ZQF_DragOperationDrawingContext& Context) {
  if (!FinalExtentLargerThanMin()) return;
  const ZQ_Rectangle<long> r = GetFinalRectangularArea();
  Context.DrawDottedRectangle(r.X, r.Y, r.Width, r.Height, BorderWidth.X, BorderWidth.Y);
}

ZQR_Cursor ZQF_RectangularAreaDragOperation::GetCursor() {
  return FinalExtentLargerThanMin() ? CursorWhileLarge : CursorWhileSmall;
}

void ZQF_RectangularAreaDragOperation::PerformFinishDragCallback(bool Cancelled) {
  if (FinishCallback.IsSet()) {
    FinishCallback(GetFinalRectangularArea(), FinalExtentLargerThanMin(), Cancelled);
  }
}
