// ZQF_SeparatorDragOperation.h: dragging the bar between two panes. The
// vertical separator (a vertical bar) moves left and right, the horizontal
// one up and down; both share this base, which works along one axis. The
// cursor is confined so that the bar stays inside the limit rectangle; the
// feedback is the bar, dotted, across the clip area. The finish callback
// (position of the bar's left or top edge, cancelled) runs when the drag
// ends, also when it was cancelled. Screen pixels. UI thread only.
#ifndef ZQF_SEPARATORDRAGOPERATION_H
#define ZQF_SEPARATORDRAGOPERATION_H

#include "ZQF_DragOperation.h"
#include "ZQ_Functor2.h"

using ZQF_SeparatorDragCallback = ZQ_Functor2<long, bool>;

class ZQF_SeparatorDragOperation : public ZQF_DragOperation {
 public:
  // The mouse position along the axis less the grab offset.
  long GetCurrentDragPosition() const;

  void DrawFeedback(ZQF_DragOperationDrawingContext& Context) override;
  ZQR_Cursor GetCursor() override;
  ZQ_Rectangle<long> GetCursorClipArea() override { return ClipArea; }
  void PerformFinishDragCallback(bool Cancelled) override;

 protected:
  // Vertical: the bar is vertical and moves along x.
  ZQF_SeparatorDragOperation(ZQF_Glyph* InitiatingGlyph, bool Vertical, long SeparatorPosition,
                             long SeparatorExtent, const ZQ_Rectangle<long>& Limit,
                             const ZQF_SeparatorDragCallback& FinishCallback);

 private:
  long Along(const ZQ_Point<long>& P) const { return Vertical ? P.X : P.Y; }

  bool Vertical;
  long SeparatorExtent;
  long GrabOffset;
  ZQ_Rectangle<long> ClipArea;
  ZQF_SeparatorDragCallback FinishCallback;
};

class ZQF_VerticalSeparatorDragOperation : public ZQF_SeparatorDragOperation {
 public:
  ZQF_VerticalSeparatorDragOperation(ZQF_Glyph* InitiatingGlyph, long SeparatorX,
                                     long SeparatorWidth, const ZQ_Rectangle<long>& Limit,
                                     const ZQF_SeparatorDragCallback& FinishCallback)
      : ZQF_SeparatorDragOperation(InitiatingGlyph, true, SeparatorX, SeparatorWidth, Limit,
                                   FinishCallback) {}
};

class ZQF_HorizontalSeparatorDragOperation : public ZQF_SeparatorDragOperation {
 public:
  ZQF_HorizontalSeparatorDragOperation(ZQF_Glyph* InitiatingGlyph, long SeparatorY,
                                       long SeparatorHeight, const ZQ_Rectangle<long>& Limit,
                                       const ZQF_SeparatorDragCallback& FinishCallback)
      : ZQF_SeparatorDragOperation(InitiatingGlyph, false, SeparatorY, SeparatorHeight, Limit,
                                   FinishCallback) {}
};

#endif
