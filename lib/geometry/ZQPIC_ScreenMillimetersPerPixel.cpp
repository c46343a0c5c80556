#include "ZQPIC_ScreenMillimetersPerPixel.h"

#include "ZQF_Metrics.h"

ZQ_Point<double> ZQPIC_GetScreenMillimetersPerPixel() {
  const ZQ_Point<long> pixels = ZQF_GetSizeMetric(ZQF_SizeMetric_ScreenPx);
  const ZQ_Point<long> millimeters = ZQF_GetSizeMetric(ZQF_SizeMetric_ScreenMm);
  return ZQ_Point<double>(static_cast<double>(millimeters.X) / pixels.X,
                          static_cast<double>(millimeters.Y) / pixels.Y);
}
