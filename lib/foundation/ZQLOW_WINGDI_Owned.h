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

// Selects an object into a context for a scope, then the one it replaced:
// the context never keeps a pen, brush or font its owner is about to free.
class ZQ_SelectedObject {
 public:
  ZQ_SelectedObject(HDC DC, HGDIOBJ Object) : DC(DC), Previous(ZQLOW_WINGDI::SelectObject(DC, Object)) {}
  ~ZQ_SelectedObject() {
    try {
      ZQLOW_WINGDI::SelectObject(DC, Previous);
    } catch (...) {
    }
  }
  ZQ_SelectedObject(const ZQ_SelectedObject&) = delete;
  ZQ_SelectedObject& operator=(const ZQ_SelectedObject&) = delete;

 private:
  HDC DC;
  HGDIOBJ Previous;
};

#endif
