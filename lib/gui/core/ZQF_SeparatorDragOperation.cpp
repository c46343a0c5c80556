#include "ZQF_SeparatorDragOperation.h"

#include "ZQF_DragOperationDrawingContext.h"
#include "ZQF_Metrics.h"

namespace {

const int ResizePaneNSCursor = ZQF_CursorMetric_ResizePaneNS;
const int ResizePaneEWCursor = ZQF_CursorMetric_ResizePaneEW;

}  // namespace

ZQF_SeparatorDragOperation::ZQF_SeparatorDragOperation(
    ZQF_Glyph* InitiatingGlyph, bool Vertical, long SeparatorPosition, long SeparatorExtent,
    const ZQ_Rectangle<long>& Limit, const ZQF_SeparatorDragCallback& FinishCallback)
    : ZQF_DragOperation(InitiatingGlyph),
      Vertical(Vertical),
      SeparatorExtent(SeparatorExtent),
      GrabOffset(Along(GetStartMousePosition()) - SeparatorPosition),
      ClipArea(Limit),
      FinishCallback(FinishCallback) {
  // The bar's near edge may go from the limit's near edge to its far edge
  // less the bar: the cursor keeps the grab offset to it.
  const long shrink = SeparatorExtent - 1;
  if (Vertical) {
    ClipArea.X += GrabOffset;
    ClipArea.Width = ClipArea.Width > shrink ? ClipArea.Width - shrink : 0;
  } else {
    ClipArea.Y += GrabOffset;
    ClipArea.Height = ClipArea.Height > shrink ? ClipArea.Height - shrink : 0;
  }
  ClipArea = ZQ_Rectangle<long>::Intersection(ClipArea, ZQF_GetAreaMetric(ZQF_AreaMetric_Screen));
}

long ZQF_SeparatorDragOperation::GetCurrentDragPosition() const {
  return Along(GetCurrentMousePosition()) - GrabOffset;
}

void ZQF_SeparatorDragOperation::DrawFeedback(ZQF_DragOperationDrawingContext& Context) {
  const long position = GetCurrentDragPosition();
  if (Vertical) {
    Context.FillDottedArea(position, ClipArea.Y, SeparatorExtent, ClipArea.Height);
  } else {
    Context.FillDottedArea(ClipArea.X, position, ClipArea.Width, SeparatorExtent);
  }
}

ZQR_Cursor ZQF_SeparatorDragOperation::GetCursor() {
  return ZQF_GetCursorMetric(Vertical ? ResizePaneEWCursor : ResizePaneNSCursor);
}

void ZQF_SeparatorDragOperation::PerformFinishDragCallback(bool Cancelled) {
  if (FinishCallback.IsSet()) FinishCallback(GetCurrentDragPosition(), Cancelled);
}
