// Stand-ins until the metrics and canvas work joins this branch.
#include "ZQF_WindowInterimServices.h"

#include "ZQF_Canvas.h"
#include "ZQLOW_WINGDI.h"
#include "ZQLOW_WINUSER.h"

void ZQF_ReleaseMetricDC() {}
void ZQF_NoteSystemMetricsChange() {}

const ZQ_Rectangle<long>& ZQF_GetAreaMetric(int) {
  static ZQ_Rectangle<long> s_workArea;
  RECT area;
  ZQLOW_WINUSER::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  s_workArea = ZQ_Rectangle<long>(area.left, area.top, area.right - area.left,
                                  area.bottom - area.top);
  return s_workArea;
}

void ZQF_Caret::TurnOff() {}
void ZQF_Caret::DisableBeforePainting() {}
void ZQF_Caret::EnableAfterPainting() {}

ZQF_Canvas::ZQF_Canvas(HDC, HRGN ClippingRegion, bool) : Imp(nullptr) {
  ZQLOW_WINGDI::DeleteObject(ClippingRegion);
}
ZQF_Canvas::~ZQF_Canvas() {}
void ZQF_Canvas::SetClippingRegionOffset(long, long) {}
void ZQF_Canvas::Fill(const ZQ_Rectangle<long>&, const ZQR_Color&) {}
