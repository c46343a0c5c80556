// ZQIMG_Gdiplus.h: the counted start of GDI+, and JPEG and TIFF decoding
// through its flat API. The first ZQIMG_StartGdiplus calls GdiplusStartup,
// the last ZQIMG_StopGdiplus GdiplusShutdown; each decode holds one start
// for its duration, and the canvas holds one for the program's run, so
// images can be decoded before that and in tests. Never stop from a static
// destructor: GDI+ may be gone by then. UI thread only.
#ifndef ZQIMG_GDIPLUS_H
#define ZQIMG_GDIPLUS_H

#include "ZQIMG_Image.h"
#include "ZQIMG_ImageInfo.h"
#include "ZQ_String.h"

// Throws ZQ_Exception "Error starting GDI+" when GdiplusStartup fails.
void ZQIMG_StartGdiplus();
// Gives up one start (asserts "GdiplusStartCount > 0").
void ZQIMG_StopGdiplus();
// The starts held now, for tests.
long ZQIMG_GetGdiplusStartCount();

// One start for the life of the object.
class ZQIMG_GdiplusHold {
 public:
  ZQIMG_GdiplusHold() { ZQIMG_StartGdiplus(); }
  ~ZQIMG_GdiplusHold() { ZQIMG_StopGdiplus(); }
  ZQIMG_GdiplusHold(const ZQIMG_GdiplusHold&) = delete;
  ZQIMG_GdiplusHold& operator=(const ZQIMG_GdiplusHold&) = delete;
};

// The first frame of Bytes decoded by GDI+ at 24 bits per pixel. Info is
// the header's (recognised, within the decoders' limits, an assertion); a
// decoded size that differs from it, or any GDI+ error, throws ZQ_Exception
// "Error loading image".
ZQIMG_Image ZQIMG_DecodeWithGdiplus(const ZQ_String& Bytes, const ZQIMG_ImageInfo& Info);

#endif
