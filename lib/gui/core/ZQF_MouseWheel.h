// ZQF_MouseWheel.h: the identifier of the wheel message, which differs
// between systems: WM_MOUSEWHEEL (522) on Windows NT 4 and later and on
// Windows 98 and later, the registered "MSWHEEL_ROLLMSG" on Windows 95.
#ifndef ZQF_MOUSEWHEEL_H
#define ZQF_MOUSEWHEEL_H

#include "ZQLOW_Windows.h"

// Worked out at the first call, then kept.
UINT ZQF_MouseWheel_GetWheelMessageID();
// Works the identifier out from the system version now (522 when the
// version cannot be read); keeps nothing.
UINT ZQF_MouseWheel_ComputeWheelMessageID();

#endif
