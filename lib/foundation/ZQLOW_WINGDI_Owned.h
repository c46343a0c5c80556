// ZQLOW_WINGDI_Owned.h: owners (ZQ_Owned.h) of what the graphics wrappers
// hand out. They free through the wrappers, so a failure to free is reported
// like any other failed call; an owner's destructor swallows it once logged.
// UI thread only.
#ifndef ZQLOW_WINGDI_OWNED_H
#define ZQLOW_WINGDI_OWNED_H

#include "ZQLOW_WINGDI.h"
#include "ZQ_Owned.h"

// CreateDCA's or CreateICA's device context.
using ZQ_OwnedDC = ZQ_Owned<HDC, &ZQLOW_WINGDI::DeleteDC>;
// A bitmap or DIB section.
using ZQ_OwnedBitmap = ZQ_Owned<HBITMAP, &ZQLOW_WINGDI::DeleteObject>;
// A region (CreateRectRgn and the like).
using ZQ_OwnedRegion = ZQ_Owned<HRGN, &ZQLOW_WINGDI::DeleteObject>;

#endif
