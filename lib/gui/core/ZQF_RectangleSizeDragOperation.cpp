#include "ZQF_RectangleSizeDragOperation.h"

#include "ZQF_Metrics.h"
#include "ZQ_Assertion.h"

namespace {

bool MovesLeftEdge(int Code) { return Code == 0 || Code == 6 || Code == 7; }
bool MovesRightEdge(int Code) { return Code == 2 || Code == 3 || Code == 4; }
bool MovesTopEdge(int Code) { return Code == 0 || Code == 1 || Code == 2; }
bool MovesBottomEdge(int Code) { return Code == 4 || Code == 5 || Code == 6; }

long Smaller(long A, long B) { return A < B ? A : B; }

// 0 near the start, 2 near the end, 1 between; the start wins when both
// are near.
int Band(long P, long Start, long Extent, long Threshold) {
  if (P < Start + Threshold) return 0;
  return P >= Start + Extent - Threshold ? 2 : 1;
}

}  // namespace

ZQF_RectangleSizeDragOperation::ZQF_RectangleSizeDragOperation(
    ZQF_Glyph* InitiatingGlyph, const ZQ_Rectangle<long>& Rectangle, int EdgeCode,
    long BorderWidthX, long BorderWidthY, long MinimumWidth, long MinimumHeight,
    const ZQ_Rectangle<long>& Limit, const ZQF_RectangleDragCallback& FinishCallback)
    : ZQF_RectangleDragOperation(InitiatingGlyph, Rectangle, BorderWidthX, BorderWidthY, Limit,
                                 FinishCallback),
      EdgeCode(EdgeCode) {
  const ZQ_Rectangle<long>& R = Rectangle;
  const ZQ_Rectangle<long>& screen = ZQF_GetAreaMetric(ZQF_AreaMetric_Screen);
  const ZQ_Point<long> press = GetStartMousePosition();
  const long minimumWidth = Smaller(R.Width, MinimumWidth);
  const long minimumHeight = Smaller(R.Height, MinimumHeight);
  Horizontal = {screen.X, screen.X + screen.Width - 1, R.X, 0, R.Width, 0};
  Vertical = {screen.Y, screen.Y + screen.Height - 1, R.Y, 0, R.Height, 0};
  if (MovesLeftEdge(EdgeCode)) {
    SetNearEdgeMoving(Horizontal, R.X, R.Width, press.X, Limit.X, minimumWidth);
  } else if (MovesRightEdge(EdgeCode)) {
    SetFarEdgeMoving(Horizontal, R.X, R.Width, press.X, Limit.X, Limit.Width, minimumWidth);
  }
  if (MovesTopEdge(EdgeCode)) {
    SetNearEdgeMoving(Vertical, R.Y, R.Height, press.Y, Limit.Y, minimumHeight);
  } else if (MovesBottomEdge(EdgeCode)) {
    SetFarEdgeMoving(Vertical, R.Y, R.Height, press.Y, Limit.Y, Limit.Height, minimumHeight);
  }
  const ZQ_Rectangle<long> bounds(Horizontal.From, Vertical.From,
                                  Horizontal.To - Horizontal.From + 1,
                                  Vertical.To - Vertical.From + 1);
  ClipArea =
      ZQ_Rectangle<long>::Intersection(ZQ_Rectangle<long>::Intersection(bounds, screen), Limit);
}

// The near edge follows the mouse: it may reach the limit's near edge, and
// the extent keeps its minimum.
void ZQF_RectangleSizeDragOperation::SetNearEdgeMoving(Axis& A, long Origin, long Extent,
                                                       long Press, long LimitFrom, long Minimum) {
  A.Origin0 = Origin - Press;
  A.Origin1 = 1;
  A.Extent0 = Extent + Press;
  A.Extent1 = -1;
  A.From = LimitFrom - A.Origin0;
  A.To = A.Extent0 - Minimum;
}

// The far edge follows the mouse: the extent keeps its minimum, and the
// far edge may reach the limit's far edge.
void ZQF_RectangleSizeDragOperation::SetFarEdgeMoving(Axis& A, long Origin, long Extent, long Press,
                                                      long LimitFrom, long LimitExtent,
                                                      long Minimum) {
  A.Extent0 = Extent - Press;
  A.Extent1 = 1;
  A.From = Minimum - A.Extent0;
  A.To = LimitFrom + LimitExtent - A.Extent0 - Origin;
}

ZQ_Rectangle<long> ZQF_RectangleSizeDragOperation::ComputeCurrentRectangle() {
  const ZQ_Point<long>& m = GetCurrentMousePosition();
  return ZQ_Rectangle<long>(
      Horizontal.Origin0 + Horizontal.Origin1 * m.X, Vertical.Origin0 + Vertical.Origin1 * m.Y,
      Horizontal.Extent0 + Horizontal.Extent1 * m.X, Vertical.Extent0 + Vertical.Extent1 * m.Y);
}

int ZQF_RectangleSizeDragOperation::ClassifyCursorLocation(const ZQ_Rectangle<long>& R,
                                                           const ZQ_Point<long>& CornerThreshold,
                                                           const ZQ_Point<long>& P) {
  static const int codes[9] = {0, 1, 2, 7, 0, 3, 6, 5, 4};
  const int column = Band(P.X, R.X, R.Width, CornerThreshold.X);
  const int row = Band(P.Y, R.Y, R.Height, CornerThreshold.Y);
  return codes[row * 3 + column];
}

ZQR_Cursor ZQF_RectangleSizeDragOperation::GetCursor(int EdgeCode) {
  enum { NS = ZQF_CursorMetric_ResizeNS, EW = ZQF_CursorMetric_ResizeEW };
  enum { NESW = ZQF_CursorMetric_ResizeNESW, NWSE = ZQF_CursorMetric_ResizeNWSE };
  static const int cursors[8] = {NWSE, NS, NESW, EW, NWSE, NS, NESW, EW};
  ZQ_ASSERT(EdgeCode >= 0 && EdgeCode < 8);
  return ZQF_GetCursorMetric(cursors[EdgeCode & 7]);
}
