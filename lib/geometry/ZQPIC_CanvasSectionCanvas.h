// ZQPIC_CanvasSectionCanvas.h: a canvas that draws into a rectangle of
// another canvas: its origin is the rectangle's lower-left corner, and it
// shares the target's device context, resolution, device kind and font
// cache, with a graphics-state stack of its own that starts from the
// defaults. Initialize saves the context and clips to the rectangle; the
// destructor restores it. The target must outlive the section. UI thread
// only.
#ifndef ZQPIC_CANVASSECTIONCANVAS_H
#define ZQPIC_CANVASSECTIONCANVAS_H

#include "ZQPIC_DeviceContextCanvas.h"

class ZQPIC_CanvasSectionCanvas : public ZQPIC_DeviceContextCanvas {
 public:
  // RectMm in Target's millimetres. Every canvas of this library draws on a
  // device context; another kind of target fails the assertion
  // "Target draws on a device context" and throws ZQ_Exception.
  ZQPIC_CanvasSectionCanvas(ZQPIC_Canvas& Target, const ZQ_Rectangle<double>& RectMm);

 private:
  static const ZQPIC_DeviceContextCanvas& DeviceCanvasOf(ZQPIC_Canvas& Target);
};

#endif
