// ZQLOW_WINGDI_Utils.h: small graphics helpers on top of the checked GDI
// wrappers: device capabilities that never report a zero physical size, and
// the saved clipping region of a device context. Failed GDI calls take the
// wrappers' road (ZQLOW_WIN_Core.h). UI thread only.
#ifndef ZQLOW_WINGDI_UTILS_H
#define ZQLOW_WINGDI_UTILS_H

#include "ZQLOW_WINGDI_Owned.h"
#include "ZQLOW_Windows.h"

// GetDeviceCaps, except that a HORZSIZE or VERTSIZE of 0 (a device that
// knows no physical size) is estimated from HORZRES or VERTRES.
int ZQLOW_WINGDI_Utils_GetDeviceCaps_Safe(HDC DC, int Index);

// The estimate: a pixel is taken as 0.264 mm; Pixels × 0.264 + 0.5,
// truncated (1024 pixels give 270 mm).
int ZQLOW_WINGDI_Utils_EstimateSizeMm(int Pixels);

// One saved clipping state of a device context. The canvas keeps these on a
// stack while it draws nested clipped content. Owns its region (deleted by
// RestoreClippingRegion or by the destructor); not copyable.
class ZQLOW_WINGDI_Utils_DeviceContextClippingRegionState {
 public:
  ZQLOW_WINGDI_Utils_DeviceContextClippingRegionState() = default;
  ZQLOW_WINGDI_Utils_DeviceContextClippingRegionState(
      const ZQLOW_WINGDI_Utils_DeviceContextClippingRegionState&) = delete;
  ZQLOW_WINGDI_Utils_DeviceContextClippingRegionState& operator=(
      const ZQLOW_WINGDI_Utils_DeviceContextClippingRegionState&) = delete;

  // Copies the context's clipping region; a context without one leaves this
  // state holding no region.
  void SaveClippingRegion(HDC DC);
  // Selects the saved region (none: clipping removed) into the context and
  // releases it. Asserts "StateSaved"; the state stays saved.
  void RestoreClippingRegion(HDC DC);

  bool IsStateSaved() const { return StateSaved; }
  // The held copy, or null when none is held.
  HRGN GetRegion() const { return Region.Get(); }

 private:
  bool StateSaved = false;
  ZQ_OwnedRegion Region;
};

#endif
