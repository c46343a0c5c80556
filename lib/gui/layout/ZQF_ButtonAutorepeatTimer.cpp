// The button auto-repeat timer.
#include "ZQF_ButtonAutorepeatTimer.h"

#include "ZQF_ButtonGlyph.h"
#include "ZQF_Metrics.h"

ZQF_ButtonAutorepeatTimer::ZQF_ButtonAutorepeatTimer(ZQF_ButtonGlyph* Button)
    : ZQ_Timer(static_cast<int>(ZQF_GetTimeMetric(ZQF_TimeMetric_AutorepeatDelay)), static_cast<int>(ZQF_GetTimeMetric(ZQF_TimeMetric_AutorepeatInterval)),
               ZQ_Functor0()),
      Button(Button) {}

void ZQF_ButtonAutorepeatTimer::Tick() { Button->AutorepeatTick(); }
