// ZQF_WindowInterimServices.h: stand-ins for the metrics, caret and canvas
// services the window calls, until the metrics and canvas work joins this
// branch; the merge removes this file in favour of the real ones.
#ifndef ZQF_WINDOWINTERIMSERVICES_H
#define ZQF_WINDOWINTERIMSERVICES_H

#include "ZQ_Rectangle.h"

void ZQF_ReleaseMetricDC();
void ZQF_NoteSystemMetricsChange();
const ZQ_Rectangle<long>& ZQF_GetAreaMetric(int AreaMetricKey);

class ZQF_Caret {
 public:
  static void TurnOff();
  static void DisableBeforePainting();
  static void EnableAfterPainting();
};

#endif
