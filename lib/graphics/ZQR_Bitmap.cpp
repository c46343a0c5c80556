#include "ZQR_Bitmap.h"

#include "ZQLOW_WINUSER.h"
#include "ZQR_BitmapPixels.h"
#include "ZQR_Color.h"
#include "ZQR_DeviceContext.h"
#include "ZQR_MemoryDC.h"
#include "ZQ_StackTrace.h"

ZQR_Bitmap::ZQR_Bitmap(const ZQ_String& ResourceName)
    : Bitmap(
          ZQLOW_WINUSER::LoadBitmapA(ZQLOW_WIN_GetProgramInstanceHandle(), ResourceName.GetText()),
          true) {}

ZQR_Bitmap::ZQR_Bitmap(HBITMAP Bitmap) : Bitmap(Bitmap, true) {}

ZQ_Point<long> ZQR_Bitmap::GetSize() const {
  const BITMAP description = GetDescription();
  return ZQ_Point<long>(description.bmWidth, description.bmHeight);
}

long ZQR_Bitmap::GetBitsPerPixel() const {
  const BITMAP description = GetDescription();
  return static_cast<long>(description.bmBitsPixel) * description.bmPlanes;
}

void ZQR_Bitmap::Draw(HDC DC, long X, long Y, long Width, long Height,
                      DWORD RasterOperation) const {
  ZQ_TRACE_FUNCTION("ZQR_Bitmap::Draw");
  if (!GetHBITMAP()) return;
  const ZQ_Point<long> size = GetSize();
  const ZQR_MemoryDC source(DC, GetHBITMAP());
  if (size == ZQ_Point<long>(Width, Height))
    ZQLOW_WINGDI::BitBlt(DC, X, Y, Width, Height, source.GetHDC(), 0, 0, RasterOperation);
  else
    ZQLOW_WINGDI::StretchBlt(DC, X, Y, Width, Height, source.GetHDC(), 0, 0, size.X, size.Y,
                             RasterOperation);
}

void ZQR_Bitmap::BitBlt(HDC Source, long SourceX, long SourceY) {
  ZQ_TRACE_FUNCTION("ZQR_Bitmap::BitBlt");
  if (!GetHBITMAP()) return;
  const ZQ_Point<long> size = GetSize();
  const ZQR_MemoryDC target(Source, GetHBITMAP());
  ZQLOW_WINGDI::BitBlt(target.GetHDC(), 0, 0, size.X, size.Y, Source, SourceX, SourceY, SRCCOPY);
}

void ZQR_Bitmap::CreateCompatiableBitmap(HDC DC, long Width, long Height) {
  Bitmap =
      ZQR_GdiObjectHandle<HBITMAP>(ZQLOW_WINGDI::CreateCompatibleBitmap(DC, Width, Height), true);
}

void ZQR_Bitmap::CreateScreenCompatiableBitmap(long Width, long Height) {
  const ZQR_DeviceContext screen(ZQLOW_WINUSER::GetDC(nullptr), nullptr, 1);
  CreateCompatiableBitmap(screen, Width, Height);
}

void ZQR_Bitmap::ReplaceColor(const ZQR_Color& From, const ZQR_Color& To) {
  ZQ_TRACE_FUNCTION("ZQR_Bitmap::ReplaceColor");
  if (!GetHBITMAP()) return;
  ZQR_BitmapPixels pixels(*this);
  for (long y = 0; y < pixels.GetHeight(); ++y)
    for (long x = 0; x < pixels.GetWidth(); ++x)
      if (pixels.GetColor(x, y) == From) pixels.SetColor(x, y, To);
  pixels.WriteTo(*this);
}

// All zero for no bitmap.
BITMAP ZQR_Bitmap::GetDescription() const {
  BITMAP description{};
  if (GetHBITMAP()) ZQLOW_WINGDI::GetObjectA(GetHBITMAP(), sizeof description, &description);
  return description;
}
