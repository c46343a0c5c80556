#include "ZQFO_StandardColorKeys.h"

#include "ZQF_Metrics.h"

void ZQFO_GetStandardBackgroundColorKey(ZQR_Color& Color) { Color = ZQR_Color(255, 192, 255); }

void ZQFO_GetStandardTextColorKey(ZQR_Color& Color) { Color = ZQR_Color(64, 0, 64); }

bool ZQFO_IsRectangleTooSmallToDisplay(const ZQ_Rectangle<long>& Rectangle) {
  const ZQ_Point<long> minimum = ZQF_GetSizeMetric(ZQF_SizeMetric_Gap12Px);
  return Rectangle.Width < minimum.X || Rectangle.Height < minimum.Y;
}
