// ZQF_RectangleSizeDragOperation.h: resizing a rectangle (a window) by one
// edge or corner. The edge code, clockwise from the top-left corner: 0
// top-left, 1 top, 2 top-right, 3 right, 4 bottom-right, 5 bottom, 6
// bottom-left, 7 left. The current rectangle is a linear function of the
// mouse position (each coefficient -1, 0 or 1), and the cursor is confined
// so that the moving edges stay inside the limit rectangle and the
// rectangle keeps its minimum size (never more than its initial size).
// Screen pixels. UI thread only.
#ifndef ZQF_RECTANGLESIZEDRAGOPERATION_H
#define ZQF_RECTANGLESIZEDRAGOPERATION_H

#include "ZQF_RectangleDragOperation.h"

class ZQF_RectangleSizeDragOperation : public ZQF_RectangleDragOperation {
 public:
  ZQF_RectangleSizeDragOperation(ZQF_Glyph* InitiatingGlyph, const ZQ_Rectangle<long>& Rectangle,
                                 int EdgeCode, long BorderWidthX, long BorderWidthY,
                                 long MinimumWidth, long MinimumHeight,
                                 const ZQ_Rectangle<long>& Limit,
                                 const ZQF_RectangleDragCallback& FinishCallback);

  // The edge code of P against R: within CornerThreshold of a side counts
  // as that side (the left and top tests win on narrow rectangles); the
  // middle gives 0, as the top-left corner does.
  static int ClassifyCursorLocation(const ZQ_Rectangle<long>& R,
                                    const ZQ_Point<long>& CornerThreshold,
                                    const ZQ_Point<long>& P);
  // The resize cursor of an edge code.
  static ZQR_Cursor GetCursor(int EdgeCode);
  ZQR_Cursor GetCursor() override { return GetCursor(EdgeCode); }

 protected:
  ZQ_Rectangle<long> ComputeCurrentRectangle() override;

 private:
  // Mouse bounds, inclusive, and the coefficients for one axis.
  struct Axis {
    long From, To;
    long Origin0, Origin1;  // origin = Origin0 + Origin1 * mouse
    long Extent0, Extent1;  // extent = Extent0 + Extent1 * mouse
  };
  static void SetNearEdgeMoving(Axis& A, long Origin, long Extent, long Press, long LimitFrom,
                                long Minimum);
  static void SetFarEdgeMoving(Axis& A, long Origin, long Extent, long Press, long LimitFrom,
                               long LimitExtent, long Minimum);

  int EdgeCode;
  Axis Horizontal;
  Axis Vertical;
};

#endif
