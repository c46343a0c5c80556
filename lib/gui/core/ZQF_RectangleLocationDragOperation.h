// ZQF_RectangleLocationDragOperation.h: moving a rectangle (a window being
// moved) inside a limit rectangle. The cursor is confined to exactly the
// positions at which the rectangle, held at its grab offset, lies inside
// the limit. Screen pixels. UI thread only.
#ifndef ZQF_RECTANGLELOCATIONDRAGOPERATION_H
#define ZQF_RECTANGLELOCATIONDRAGOPERATION_H

#include "ZQF_RectangleDragOperation.h"

class ZQF_RectangleLocationDragOperation : public ZQF_RectangleDragOperation {
 public:
  ZQF_RectangleLocationDragOperation(ZQF_Glyph* InitiatingGlyph,
                                     const ZQ_Rectangle<long>& Rectangle, long BorderWidthX,
                                     long BorderWidthY, const ZQ_Rectangle<long>& Limit,
                                     const ZQF_RectangleDragCallback& FinishCallback);

 protected:
  ZQ_Rectangle<long> ComputeCurrentRectangle() override;

 private:
  ZQ_Point<long> GrabOffset;  // start position less the initial origin
};

#endif
