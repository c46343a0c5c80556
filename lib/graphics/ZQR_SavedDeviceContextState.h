// ZQR_SavedDeviceContextState.h: keeps a device context's drawing state
// (colours, modes, selected objects) for the life of the object: SaveDC at
// construction, RestoreDC at the end. Such scopes nest. A failed save throws
// ZQ_Exception; a failed restore is logged and swallowed. UI thread only.
#ifndef ZQR_SAVEDDEVICECONTEXTSTATE_H
#define ZQR_SAVEDDEVICECONTEXTSTATE_H

#include "ZQLOW_WINGDI.h"

class ZQR_SavedDeviceContextState {
 public:
  explicit ZQR_SavedDeviceContextState(HDC DC) : DC(DC), Saved(ZQLOW_WINGDI::SaveDC(DC)) {}
  ~ZQR_SavedDeviceContextState() {
    try {
      ZQLOW_WINGDI::RestoreDC(DC, Saved);
    } catch (...) {
    }
  }
  ZQR_SavedDeviceContextState(const ZQR_SavedDeviceContextState&) = delete;
  ZQR_SavedDeviceContextState& operator=(const ZQR_SavedDeviceContextState&) = delete;

 private:
  const HDC DC;
  const int Saved;
};

#endif
