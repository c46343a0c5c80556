#include "ZQPIC_CanvasSectionCanvas.h"

#include "ZQ_Assertion.h"
#include "ZQ_Exception.h"
#include "ZQ_StackTrace.h"

ZQPIC_CanvasSectionCanvas::ZQPIC_CanvasSectionCanvas(ZQPIC_Canvas& Target,
                                                     const ZQ_Rectangle<double>& RectMm)
    : ZQPIC_DeviceContextCanvas(DeviceCanvasOf(Target), RectMm) {}

const ZQPIC_DeviceContextCanvas& ZQPIC_CanvasSectionCanvas::DeviceCanvasOf(ZQPIC_Canvas& Target) {
  ZQ_TRACE_FUNCTION("ZQPIC_CanvasSectionCanvas::DeviceCanvasOf");
  const auto* onDevice = dynamic_cast<const ZQPIC_DeviceContextCanvas*>(&Target);
  ZQ_ASSERT_TEXT(onDevice != nullptr, "Target draws on a device context");
  if (!onDevice) throw ZQ_Exception("ZQPIC_CanvasSectionCanvas", "Target draws on a device context");
  return *onDevice;
}
