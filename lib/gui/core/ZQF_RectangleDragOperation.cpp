#include "ZQF_RectangleDragOperation.h"

#include "ZQF_DragOperationDrawingContext.h"

ZQF_RectangleDragOperation::ZQF_RectangleDragOperation(
    ZQF_Glyph* InitiatingGlyph, const ZQ_Rectangle<long>& Rectangle, long BorderWidthX,
    long BorderWidthY, const ZQ_Rectangle<long>& Limit,
    const ZQF_RectangleDragCallback& FinishCallback)
    : ZQF_DragOperation(InitiatingGlyph),
      InitialRectangle(Rectangle),
      Limit(Limit),
      CurrentRectangle(Rectangle),
      BorderWidthX(BorderWidthX),
      BorderWidthY(BorderWidthY),
      FinishCallback(FinishCallback) {}

void ZQF_RectangleDragOperation::DrawFeedback(ZQF_DragOperationDrawingContext& Context) {
  Context.Clip(Limit);
  CurrentRectangle = ComputeCurrentRectangle();
  const ZQ_Rectangle<long>& r = CurrentRectangle;
  Context.DrawDottedRectangle(r.X, r.Y, r.Width, r.Height, BorderWidthX, BorderWidthY);
}

void ZQF_RectangleDragOperation::PerformFinishDragCallback(bool Cancelled) {
  if (FinishCallback.IsSet()) FinishCallback(CurrentRectangle, Cancelled);
}
