#include "ZQR_MemoryDC.h"

ZQR_MemoryDC::ZQR_MemoryDC(HDC CompatibleWith, HBITMAP Bitmap)
    : DC(ZQLOW_WINGDI::CreateCompatibleDC(CompatibleWith)),
      ContextBitmap(ZQLOW_WINGDI::SelectObject(DC.Get(), Bitmap)) {}

ZQR_MemoryDC::~ZQR_MemoryDC() {
  try {
    ZQLOW_WINGDI::SelectObject(DC.Get(), ContextBitmap);
  } catch (...) {
    // Logged by the wrapper; deleting the context frees the bitmap anyway.
  }
}
