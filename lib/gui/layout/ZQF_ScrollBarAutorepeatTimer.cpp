// The scroll-bar auto-repeat timer.
#include "ZQF_ScrollBarAutorepeatTimer.h"

#include "ZQF_Metrics.h"
#include "ZQF_ScrollBarGlyph.h"

ZQF_ScrollBarAutorepeatTimer::ZQF_ScrollBarAutorepeatTimer(ZQF_ScrollBarGlyph* Bar)
    : ZQ_Timer(static_cast<int>(ZQF_GetTimeMetric(ZQF_TimeMetric_AutorepeatDelay)), static_cast<int>(ZQF_GetTimeMetric(ZQF_TimeMetric_AutorepeatInterval)),
               ZQ_Functor0()),
      Bar(Bar) {}

void ZQF_ScrollBarAutorepeatTimer::Tick() { Bar->HandleTimerEvent(); }
