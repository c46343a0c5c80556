// The button auto-repeat timer.
#include "ZQF_ButtonAutorepeatTimer.h"

#include "ZQF_ButtonGlyph.h"
#include "ZQF_Metrics.h"

ZQF_ButtonAutorepeatTimer::ZQF_ButtonAutorepeatTimer(ZQF_ButtonGlyph* Button)
    : ZQ_Timer(static_cast<int>(ZQF_GetTimeMetric(0)), static_cast<int>(ZQF_GetTimeMetric(1)),
               ZQ_Functor0()),
      Button(Button) {}

void ZQF_ButtonAutorepeatTimer::Tick() { Button->AutorepeatTick(); }
