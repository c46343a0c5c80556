#include "ZQF_RectangleLocationDragOperation.h"

#include "ZQF_Metrics.h"

ZQF_RectangleLocationDragOperation::ZQF_RectangleLocationDragOperation(
    ZQF_Glyph* InitiatingGlyph, const ZQ_Rectangle<long>& Rectangle, long BorderWidthX,
    long BorderWidthY, const ZQ_Rectangle<long>& Limit,
    const ZQF_RectangleDragCallback& FinishCallback)
    : ZQF_RectangleDragOperation(InitiatingGlyph, Rectangle, BorderWidthX, BorderWidthY, Limit,
                                 FinishCallback),
      GrabOffset(GetStartMousePosition().X - Rectangle.X, GetStartMousePosition().Y - Rectangle.Y) {
  const ZQ_Rectangle<long> origins(Limit.X, Limit.Y, Limit.Width - Rectangle.Width + 1,
                                   Limit.Height - Rectangle.Height + 1);
  ClipArea = ZQ_Rectangle<long>::Intersection(ZQ_Rectangle<long>::Offset(origins, GrabOffset),
                                              ZQF_GetAreaMetric(ZQF_AreaMetric_Screen));
}

ZQ_Rectangle<long> ZQF_RectangleLocationDragOperation::ComputeCurrentRectangle() {
  const ZQ_Point<long>& mouse = GetCurrentMousePosition();
  return ZQ_Rectangle<long>(mouse.X - GrabOffset.X, mouse.Y - GrabOffset.Y, InitialRectangle.Width,
                            InitialRectangle.Height);
}
