#include "ZQR_DeviceContext.h"

#include "ZQLOW_WINGDI.h"
#include "ZQLOW_WINUSER.h"
#include "ZQ_Assertion.h"

namespace {

// A failure is logged by the wrapper: nothing more can be done about it
// where contexts are released (destructors, failed constructors).
void ReleaseContext(HDC DC, HWND Window, long ReleaseMode) noexcept {
  try {
    if (ReleaseMode == 1)
      ZQLOW_WINUSER::ReleaseDC(Window, DC);
    else
      ZQLOW_WINGDI::DeleteDC(DC);
  } catch (...) {
  }
}

ZQR_DeviceContextReference* NewReference(HDC DC, HWND Window, long ReleaseMode) {
  if (!DC) return nullptr;
  try {
    ZQ_ASSERT((ReleaseMode == 0) or (ReleaseMode == 1));
    return new ZQR_DeviceContextReference(DC, Window, ReleaseMode);
  } catch (...) {
    ReleaseContext(DC, Window, ReleaseMode);  // no handle would own it
    throw;
  }
}

}  // namespace

ZQR_DeviceContext::ZQR_DeviceContext(HDC DC, HWND Window, long ReleaseMode)
    : Ref(NewReference(DC, Window, ReleaseMode)) {}

ZQR_DeviceContextReference::~ZQR_DeviceContextReference() {
  ReleaseContext(DC, Window, ReleaseMode);
}
