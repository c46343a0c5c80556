// ZQR_DeviceContext.h: a shared device-context handle {context, window,
// release mode}. Copies share it; the last copy releases the context:
// mode 0 with DeleteDC (CreateDCA, CreateCompatibleDC), mode 1 with
// ReleaseDC on the window (GetDC). A failed release is logged by the wrapper
// and swallowed. UI thread only.
#ifndef ZQR_DEVICECONTEXT_H
#define ZQR_DEVICECONTEXT_H

#include "ZQLOW_Windows.h"
#include "ZQ_CountedBody.h"

class ZQR_DeviceContextReference;

class ZQR_DeviceContext {
 public:
  // No context: GetHDC gives null.
  ZQR_DeviceContext() noexcept = default;
  // Shares DC (null: no context) from now on. ReleaseMode is 0 or 1: another
  // fails the assertion "(ReleaseMode == 0) or (ReleaseMode == 1)" and counts
  // as 0 (when the assertion throws, DC is deleted at once).
  ZQR_DeviceContext(HDC DC, HWND Window, long ReleaseMode);

  HDC GetHDC() const noexcept;
  // For the functions that take an HDC.
  operator HDC() const noexcept { return GetHDC(); }

 private:
  ZQ_CountedHandle<ZQR_DeviceContextReference> Ref;
};

class ZQR_DeviceContextReference : public ZQ_CountedBody {
 public:
  ZQR_DeviceContextReference(HDC DC, HWND Window, long ReleaseMode) noexcept
      : DC(DC), Window(Window), ReleaseMode(ReleaseMode) {}
  // Releases the context by its mode.
  ~ZQR_DeviceContextReference();
  ZQR_DeviceContextReference(const ZQR_DeviceContextReference&) = delete;
  ZQR_DeviceContextReference& operator=(const ZQR_DeviceContextReference&) = delete;

  const HDC DC;
  const HWND Window;
  const long ReleaseMode;
};

inline HDC ZQR_DeviceContext::GetHDC() const noexcept { return Ref.IsNull() ? nullptr : Ref->DC; }

#endif
