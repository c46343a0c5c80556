// ZQFO_ImageDocumentRenderer.h: the pages of a document as images of a fixed
// pixel size standing for a fixed page size in millimetres. Each page is
// drawn larger by the oversample factor and scaled down, which smooths text
// and lines; with a target time the factor adapts (1 to 5) so that a page
// takes about that long. Bitmaps can be cached by page. Owns its document
// renderer unless one is lent with SetDocumentRenderer (which must then
// outlive it or be replaced). A page that fails twice marks the renderer
// failed: from then on every image is 2 x 2. Out-of-range factors and page
// indices are assertions; drawing failures pass on. UI thread only.
#ifndef ZQFO_IMAGEDOCUMENTRENDERER_H
#define ZQFO_IMAGEDOCUMENTRENDERER_H

#include <memory>

#include "ZQFO_Document.h"
#include "ZQIMG_Image.h"
#include "ZQLOW_Windows.h"
#include "ZQR_Bitmap.h"
#include "ZQ_Map.h"
#include "ZQ_Point.h"

class ZQFO_DocumentRenderer;

class ZQFO_ImageDocumentRenderer {
 public:
  // The factor must satisfy "(0 < aOversampleFactor) and (aOversampleFactor < 256)".
  ZQFO_ImageDocumentRenderer(const ZQFO_Document& Doc, const ZQ_Point<long>& SizeInPixels,
                             const ZQ_Point<double>& SizeInMillimeters, long aOversampleFactor);
  ~ZQFO_ImageDocumentRenderer();
  ZQFO_ImageDocumentRenderer(const ZQFO_ImageDocumentRenderer&) = delete;
  ZQFO_ImageDocumentRenderer& operator=(const ZQFO_ImageDocumentRenderer&) = delete;

  void DeleteDocumentRenderer();
  // Draws the pages of Renderer (borrowed, already paginated) from now on.
  void SetDocumentRenderer(ZQFO_DocumentRenderer* Renderer);
  // Pixels only redraw; millimetres also lay the document out again.
  void SetImageSizeInPixels(const ZQ_Point<long>& Size);
  void SetImageSizeInMillimeters(const ZQ_Point<double>& Size);
  void SetOversampleFactor(long aOversampleFactor);
  // Seconds a page should take; 0 keeps the factor as set.
  void SetTargetRenderTime(double Seconds) { TargetRenderTime = Seconds; }
  void SetCacheBitmaps(bool Cache);
  // The canvas device kind pages are drawn with (3 memory image, 1 printer).
  void SetCanvasDestination(long Kind) { CanvasDestination = Kind; }
  void ClearCaches() { ClearBitmapCache(); }
  void ClearBitmapCache() { BitmapCache.RemoveAll(); }

  long GetNumPages();
  long GetOversampleFactor() const { return OversampleFactor; }
  bool IsFailed() const { return Failed; }
  // Page PageIndex (from 0) at the image size; "0 <= PageIndex and
  // PageIndex < GetNumPages()".
  ZQIMG_Image GetPageImage(long PageIndex);
  // The same as a bitmap of DC's format, from the cache when kept.
  ZQR_Bitmap GetPageBitmap(long PageIndex, HDC DC);

  // The factor for the next page after one drew in Seconds at Factor:
  // round(sqrt(Target / (Seconds / Factor^2))) within 1 .. 5, the time first
  // held within 1e-6 .. 1e6 s.
  static long ComputeOversampleFactor(double TargetSeconds, double Seconds, long Factor);
  // How many page images were drawn (for tests and benchmarks).
  long GetNumImagesCreated() const { return NumImagesCreated; }

 private:
  void InsureDocumentRendererValid();
  ZQIMG_Image TimedCreateImage(long PageIndex);
  ZQIMG_Image CreateImage(long PageIndex);

  ZQFO_Document Document;
  ZQ_Point<long> ImageSizeInPixels;
  ZQ_Point<double> ImageSizeInMillimeters;
  long CanvasDestination = 3;
  long OversampleFactor = 1;
  double TargetRenderTime = 0.0;
  bool CacheBitmaps = false;
  bool OwnsDocumentRenderer = true;
  bool Failed = false;
  ZQFO_DocumentRenderer* DocumentRenderer = nullptr;
  bool DocumentRendererNeedsValidation = true;
  ZQ_Map<long, ZQR_Bitmap> BitmapCache{53};
  long NumImagesCreated = 0;
};

#endif
