// ZQF_DragOperationDrawingContext.h: the picture a drag shows on the screen,
// an ordered list of drawing components in screen pixels, which it owns.
// Realising the picture draws it straight onto the whole screen with
// inverting operations, so realising it twice leaves the screen as it was.
// Two contexts are equal when they hold equal components in the same order.
// Failed GDI calls throw ZQ_Exception through the wrappers. UI thread only.
#ifndef ZQF_DRAGOPERATIONDRAWINGCONTEXT_H
#define ZQF_DRAGOPERATIONDRAWINGCONTEXT_H

#include "ZQF_DragOperationDrawingComponent.h"
#include "ZQ_List.h"

class ZQF_DragOperationDrawingContext {
 public:
  ZQF_DragOperationDrawingContext() = default;
  ZQF_DragOperationDrawingContext(const ZQF_DragOperationDrawingContext&) = delete;
  ZQF_DragOperationDrawingContext& operator=(const ZQF_DragOperationDrawingContext&) = delete;
  ~ZQF_DragOperationDrawingContext() { Clear(); }

  // Each adds one component at the end.
  void FillDottedArea(long X, long Y, long Width, long Height);
  void DrawLine(long X1, long Y1, long X2, long Y2, long PenWidth);
  // Restricts every component added after it, in the same realisation.
  void Clip(const ZQ_Rectangle<long>& Rectangle);
  // Four dotted strips, the sides at full height and the top and bottom
  // between them, so no pixel is inverted twice; negative extents become 0.
  void DrawDottedRectangle(long X, long Y, long Width, long Height, long BorderWidthX,
                           long BorderWidthY);
  // Two lines from the tip back at HalfAngle degrees either side of the
  // shaft, each size metric 7 x long; nothing when the shaft is a point.
  void DrawArrowhead(long FromX, long FromY, long TipX, long TipY, long PenWidth,
                     double HalfAngle);

  void Clear();
  // Draws every component, in order, on a device context of the screen.
  void RealizeDrawing() const;
  // Draws every component on DC (RealizeDrawing's work, for any context).
  void DrawOn(HDC DC) const;
  // The union of the components' areas; (-9999, -9999, 0, 0) when none has
  // one.
  ZQ_Rectangle<long> GetDrawingBoundingBox() const;
  long GetNumComponents() const { return Components.GetNumElements(); }

  bool operator==(const ZQF_DragOperationDrawingContext& Other) const;
  bool operator!=(const ZQF_DragOperationDrawingContext& Other) const {
    return !(*this == Other);
  }

 private:
  void Add(ZQF_DragOperationDrawingComponent* Component);

  ZQ_List<ZQF_DragOperationDrawingComponent*> Components;
};

#endif
