#include "ZQF_TooltipsMessage.h"

#include "ZQF_Metrics.h"

ZQF_TooltipsMessage::ZQF_TooltipsMessage() { SetDefaults(); }

void ZQF_TooltipsMessage::Reset() {
  ZQF_GenericMessage::Reset();
  SetDefaults();
}

void ZQF_TooltipsMessage::SetDefaults() {
  Text = ZQ_String();
  TextPosition = ZQ_Point<long>(NoTextPosition, NoTextPosition);
  Font = ZQF_GetFontMetric(ZQF_FontMetric_Tooltip);
  Document = ZQ_CountedPtr<ZQFO_Document>();
  Identity = ZQ_UID();
  DisplayDelayMs = ZQF_GetTimeMetric(ZQF_TimeMetric_TooltipDelay);
}
