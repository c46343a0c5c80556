// ZQR_MemoryDC.h: a memory device context with one bitmap selected, for as
// long as the object lives: the bitmaps' drawing and copying go through it.
// The destructor selects the context's own bitmap back, so that the bitmap
// is free for GetDIBits and DeleteObject, and deletes the context. Failed GDI
// calls throw ZQ_Exception from the constructor. UI thread only.
#ifndef ZQR_MEMORYDC_H
#define ZQR_MEMORYDC_H

#include "ZQLOW_WINGDI_Owned.h"
#include "ZQLOW_Windows.h"

class ZQR_MemoryDC {
 public:
  // A context compatible with CompatibleWith (null: the screen) holding
  // Bitmap, which must be selected into no other context.
  ZQR_MemoryDC(HDC CompatibleWith, HBITMAP Bitmap);
  ~ZQR_MemoryDC();
  ZQR_MemoryDC(const ZQR_MemoryDC&) = delete;
  ZQR_MemoryDC& operator=(const ZQR_MemoryDC&) = delete;

  HDC GetHDC() const noexcept { return DC.Get(); }

 private:
  ZQ_OwnedDC DC;
  HGDIOBJ ContextBitmap = nullptr;  // selected again at the end
};

#endif
