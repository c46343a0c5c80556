// ZQF_RectangleDragOperation.h: what the moving and the sizing drag of a
// rectangle share: the initial and the current rectangle, the limit
// rectangle the feedback is clipped to, the dotted frame's border widths,
// the cursor clip area, and the finish callback (current rectangle,
// cancelled), which runs also when the drag was cancelled. The current
// rectangle changes only when feedback is drawn, so a drag without mouse
// movement reports the initial one. Screen pixels. UI thread only.
#ifndef ZQF_RECTANGLEDRAGOPERATION_H
#define ZQF_RECTANGLEDRAGOPERATION_H

#include "ZQF_DragOperation.h"
#include "ZQ_Functor2.h"

using ZQF_RectangleDragCallback = ZQ_Functor2<const ZQ_Rectangle<long>&, bool>;

class ZQF_RectangleDragOperation : public ZQF_DragOperation {
 public:
  // A clip to the limit, then the current rectangle's dotted frame.
  void DrawFeedback(ZQF_DragOperationDrawingContext& Context) override;
  ZQ_Rectangle<long> GetCursorClipArea() override { return ClipArea; }
  void PerformFinishDragCallback(bool Cancelled) override;

  const ZQ_Rectangle<long>& GetCurrentRectangle() const { return CurrentRectangle; }

 protected:
  ZQF_RectangleDragOperation(ZQF_Glyph* InitiatingGlyph, const ZQ_Rectangle<long>& Rectangle,
                             long BorderWidthX, long BorderWidthY,
                             const ZQ_Rectangle<long>& Limit,
                             const ZQF_RectangleDragCallback& FinishCallback);
  // The rectangle for the current mouse position.
  virtual ZQ_Rectangle<long> ComputeCurrentRectangle() = 0;

  ZQ_Rectangle<long> InitialRectangle;
  ZQ_Rectangle<long> Limit;
  ZQ_Rectangle<long> ClipArea;

 private:
  ZQ_Rectangle<long> CurrentRectangle;
  long BorderWidthX;
  long BorderWidthY;
  ZQF_RectangleDragCallback FinishCallback;
};

#endif
