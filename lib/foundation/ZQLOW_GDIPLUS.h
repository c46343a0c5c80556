// ZQLOW_GDIPLUS.h: the GDI+ flat functions the imaging code calls, and the
// memory stream it hands them, as pass-through wrappers: GDI+ answers a
// status rather than a last error, and the caller judges it (an image that
// cannot be decoded is the loader's error, not a failed API call). Each
// wrapper calls through its entry in ZQLOW_GDIPLUS::Calls, which a test can
// replace for a scope (ZQLOW_WIN_FakeCall.h). The entries are declared here
// rather than in ZQLOW_WIN_Calls.h so that only code using GDI+ includes its
// headers. UI thread only.
#ifndef ZQLOW_GDIPLUS_H
#define ZQLOW_GDIPLUS_H

#include "ZQLOW_WIN_Core.h"
#include "ZQLOW_Windows.h"
// objidl.h first: the GDI+ headers need IStream (kept in this order).
// clang-format off
#include <objidl.h>
#include <gdiplus.h>
// clang-format on

// clang-format off
#define ZQLOW_GDIPLUS_TABLE(X)                                                                     \
  X(HRESULT, CreateStreamOnHGlobal, , (HGLOBAL Global, BOOL DeleteOnRelease, IStream** Stream),    \
    (Global, DeleteOnRelease, Stream), Unchecked)                                                  \
  X(Gdiplus::GpStatus, GdipBitmapLockBits, , (Gdiplus::GpBitmap* Bitmap,                           \
    const Gdiplus::GpRect* Area, UINT Flags, Gdiplus::PixelFormat Format,                          \
    Gdiplus::BitmapData* Data), (Bitmap, Area, Flags, Format, Data), Unchecked)                    \
  X(Gdiplus::GpStatus, GdipBitmapUnlockBits, , (Gdiplus::GpBitmap* Bitmap,                         \
    Gdiplus::BitmapData* Data), (Bitmap, Data), Unchecked)                                         \
  X(Gdiplus::GpStatus, GdipCreateBitmapFromStream, , (IStream* Stream,                             \
    Gdiplus::GpBitmap** Bitmap), (Stream, Bitmap), Unchecked)                                      \
  X(Gdiplus::GpStatus, GdipDisposeImage, , (Gdiplus::GpImage* Image), (Image), Unchecked)          \
  X(Gdiplus::GpStatus, GdipGetImageHeight, , (Gdiplus::GpImage* Image, UINT* Height),              \
    (Image, Height), Unchecked)                                                                    \
  X(Gdiplus::GpStatus, GdipGetImageWidth, , (Gdiplus::GpImage* Image, UINT* Width),                \
    (Image, Width), Unchecked)                                                                     \
  X(VOID, GdiplusShutdown, , (ULONG_PTR Token), (Token), Unchecked)                                \
  X(Gdiplus::GpStatus, GdiplusStartup, , (ULONG_PTR* Token,                                        \
    const Gdiplus::GdiplusStartupInput* Input, Gdiplus::GdiplusStartupOutput* Output),             \
    (Token, Input, Output), Unchecked)
// clang-format on

// An entry of the call table: a pointer of the function's own type.
#define ZQLOW_GDIPLUS_DECLARE_CALL(Result, Name, Letter, Parameters, Arguments, Test) \
  extern Result(WINAPI* Name##Letter) Parameters;

namespace ZQLOW_GDIPLUS {

ZQLOW_GDIPLUS_TABLE(ZQLOW_WIN_DECLARE)

namespace Calls {
ZQLOW_GDIPLUS_TABLE(ZQLOW_GDIPLUS_DECLARE_CALL)
}

}  // namespace ZQLOW_GDIPLUS

#endif
