// ZQF_RectangularAreaDragOperation.h: spanning a rubber band between the
// press point and the mouse (the picture view's zoom tool). The dotted
// frame shows only while the area reaches the minimum extent; the cursor
// tells the two states apart. The finish callback (area, large enough,
// cancelled) runs also when the drag was cancelled. Screen pixels. UI
// thread only.
#ifndef ZQF_RECTANGULARAREADRAGOPERATION_H
#define ZQF_RECTANGULARAREADRAGOPERATION_H

#include "ZQF_DragOperation.h"
#include "ZQ_Functor3.h"

using ZQF_RectangularAreaDragCallback = ZQ_Functor3<const ZQ_Rectangle<long>&, bool, bool>;

class ZQF_RectangularAreaDragOperation : public ZQF_DragOperation {
 public:
  // Border widths of 0 mean size metric 0, minimum extents of 0 size metric
  // 13; a clip area of width 0 means the whole screen.
  ZQF_RectangularAreaDragOperation(ZQF_Glyph* InitiatingGlyph, long BorderWidthX,
                                   long BorderWidthY, long MinimumExtentX, long MinimumExtentY,
                                   const ZQ_Rectangle<long>& ClipArea,
                                   const ZQF_RectangularAreaDragCallback& FinishCallback);

  // The rectangle between the start and the current mouse position.
  ZQ_Rectangle<long> GetFinalRectangularArea() const;
  bool FinalExtentLargerThanMin() const;
  // The cursor while the area is below the minimum (the default arrow
  // until set).
  void SetCursorWhileSmall(const ZQR_Cursor& Cursor) { CursorWhileSmall = Cursor; }

  void DrawFeedback(ZQF_DragOperationDrawingContext& Context) override;
  ZQR_Cursor GetCursor() override;
  ZQ_Rectangle<long> GetCursorClipArea() override { return ClipArea; }
  void PerformFinishDragCallback(bool Cancelled) override;

 private:
  ZQ_Point<long> BorderWidth;
  ZQ_Point<long> MinimumExtent;
  ZQ_Rectangle<long> ClipArea;
  ZQF_RectangularAreaDragCallback FinishCallback;
  ZQR_Cursor CursorWhileLarge;
  ZQR_Cursor CursorWhileSmall;
};

#endif
