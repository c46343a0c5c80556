#include "ZQLOW_WINGDI_Utils.h"

#include "ZQLOW_WINGDI.h"
#include "ZQLOW_WIN_Calls.h"
#include "ZQ_Assertion.h"
#include "ZQ_StackTrace.h"

int ZQLOW_WINGDI_Utils_EstimateSizeMm(int Pixels) {
  ZQ_TRACE_FUNCTION("ZQLOW_WINGDI_Utils_EstimateSizeMm");
  return static_cast<int>(Pixels * 0.264 + 0.5);
}

int ZQLOW_WINGDI_Utils_GetDeviceCaps_Safe(HDC DC, int Index) {
  ZQ_TRACE_FUNCTION("ZQLOW_WINGDI_Utils_GetDeviceCaps_Safe");
  const int value = ZQLOW_WINGDI::GetDeviceCaps(DC, Index);
  if (value != 0) return value;
  if (Index == HORZSIZE)
    return ZQLOW_WINGDI_Utils_EstimateSizeMm(ZQLOW_WINGDI::GetDeviceCaps(DC, HORZRES));
  if (Index == VERTSIZE)
    return ZQLOW_WINGDI_Utils_EstimateSizeMm(ZQLOW_WINGDI::GetDeviceCaps(DC, VERTRES));
  return value;
}

void ZQLOW_WINGDI_Utils_DeviceContextClippingRegionState::SaveClippingRegion(HDC DC) {
  ZQ_TRACE_FUNCTION(
      "ZQLOW_WINGDI_Utils_DeviceContextClippingRegionState::SaveClippingRegion");
  StateSaved = true;
  if (!Region.IsValid()) Region.Reset(ZQLOW_WINGDI::CreateRectRgn(0, 0, 0, 0));
  if (ZQLOW_WINGDI::GetClipRgn(DC, Region.Get()) == 0) Region.Reset();
}

void ZQLOW_WINGDI_Utils_DeviceContextClippingRegionState::RestoreClippingRegion(HDC DC) {
  ZQ_TRACE_FUNCTION(
      "ZQLOW_WINGDI_Utils_DeviceContextClippingRegionState::RestoreClippingRegion");
  ZQ_ASSERT(StateSaved);
  ZQLOW_WINGDI::SelectClipRgn(DC, Region.Get());
  Region.Reset();
}
