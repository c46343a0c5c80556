// Page images: oversampled drawing into a memory image, scaled down.
#include "ZQFO_ImageDocumentRenderer.h"

#include <algorithm>
#include <cmath>
#include <new>

#include "ZQFO_DocumentRenderer.h"
#include "ZQIMG_Conversion.h"
#include "ZQIMG_Resize.h"
#include "ZQPIC_DeviceContextCanvas.h"
#include "ZQR_MemoryDC.h"
#include "ZQ_Assertion.h"
#include "ZQ_Exception.h"
#include "ZQ_Numeric.h"
#include "ZQ_Stopwatch.h"

namespace {

const long kMaximumAdaptedFactor = 5;
const long kShrinkAverage = 2;  // ZQIMG_Resize: the mean of the covered area

void AssertFactor(long aOversampleFactor) {
  ZQ_ASSERT_TEXT((0 < aOversampleFactor) && (aOversampleFactor < 256),
                 "(0 < aOversampleFactor) and (aOversampleFactor < 256)");
}

// Draws again after a failure: only the library's own failures and
// exhaustion; a cancel is the user's and passes at once.
template <class Attempt>
auto WithOneRetry(Attempt attempt, ZQFO_ImageDocumentRenderer& Renderer, bool& Failed) -> decltype(attempt()) {
  try {
    return attempt();
  } catch (const ZQ_Exception&) {
  } catch (const std::bad_alloc&) {
  }
  Renderer.ClearCaches();
  try {
    return attempt();
  } catch (...) {
    Failed = true;
    throw;
  }
}

}  // namespace

ZQFO_ImageDocumentRenderer::ZQFO_ImageDocumentRenderer(const ZQFO_Document& Doc,
                                                       const ZQ_Point<long>& SizeInPixels,
                                                       const ZQ_Point<double>& SizeInMillimeters,
                                                       long aOversampleFactor)
    : Document(Doc), ImageSizeInPixels(SizeInPixels), ImageSizeInMillimeters(SizeInMillimeters) {
  AssertFactor(aOversampleFactor);
  OversampleFactor = aOversampleFactor;
}

ZQFO_ImageDocumentRenderer::~ZQFO_ImageDocumentRenderer() {
  DeleteDocumentRenderer();
  ClearCaches();
}

void ZQFO_ImageDocumentRenderer::DeleteDocumentRenderer() {
  if (OwnsDocumentRenderer) delete DocumentRenderer;
  DocumentRenderer = nullptr;
  OwnsDocumentRenderer = true;
  DocumentRendererNeedsValidation = true;
}

void ZQFO_ImageDocumentRenderer::SetDocumentRenderer(ZQFO_DocumentRenderer* Renderer) {
  DeleteDocumentRenderer();
  DocumentRenderer = Renderer;
  OwnsDocumentRenderer = false;
  ClearCaches();
}

void ZQFO_ImageDocumentRenderer::SetImageSizeInPixels(const ZQ_Point<long>& Size) {
  if (Size.X == ImageSizeInPixels.X && Size.Y == ImageSizeInPixels.Y) return;
  ImageSizeInPixels = Size;
  ClearCaches();
}

void ZQFO_ImageDocumentRenderer::SetImageSizeInMillimeters(const ZQ_Point<double>& Size) {
  if (Size.X == ImageSizeInMillimeters.X && Size.Y == ImageSizeInMillimeters.Y) return;
  ImageSizeInMillimeters = Size;
  DocumentRendererNeedsValidation = true;
  ClearCaches();
}

void ZQFO_ImageDocumentRenderer::SetOversampleFactor(long aOversampleFactor) {
  AssertFactor(aOversampleFactor);
  if (aOversampleFactor == OversampleFactor) return;
  OversampleFactor = aOversampleFactor;
  ClearCaches();
}

void ZQFO_ImageDocumentRenderer::SetCacheBitmaps(bool Cache) {
  CacheBitmaps = Cache;
  if (!Cache) ClearBitmapCache();
}

long ZQFO_ImageDocumentRenderer::GetNumPages() {
  InsureDocumentRendererValid();
  return DocumentRenderer ? DocumentRenderer->GetNumPages() : 0;
}

void ZQFO_ImageDocumentRenderer::InsureDocumentRendererValid() {
  if (!DocumentRendererNeedsValidation) return;
  DocumentRendererNeedsValidation = false;
  if (!OwnsDocumentRenderer) return;
  if (!DocumentRenderer) DocumentRenderer = new ZQFO_DocumentRenderer(Document);
  // Text is measured on a tiny image standing for the whole page at the
  // image's resolution, as the pages will be drawn.
  const ZQIMG_Image surface(2, 2, 1);
  ZQR_MemoryDC surfaceDC(nullptr, surface.GetHBITMAP());
  ZQPIC_DeviceContextCanvas canvas(surfaceDC.GetHDC(),
                                   ZQ_Rectangle<long>(0, 0, ImageSizeInPixels.X, ImageSizeInPixels.Y), 3,
                                   ImageSizeInMillimeters);
  canvas.SetBackingImage(surface);
  canvas.Initialize();
  DocumentRenderer->Repaginate(canvas, ZQFO_DocumentRenderer::CanvasSize, ZQFO_DocumentRenderer::CanvasSize);
}

ZQIMG_Image ZQFO_ImageDocumentRenderer::GetPageImage(long PageIndex) {
  if (Failed) return ZQIMG_Image(2, 2, 24);
  ZQ_ASSERT(0 <= PageIndex and PageIndex < GetNumPages());
  return WithOneRetry([&] { return TimedCreateImage(PageIndex); }, *this, Failed);
}

ZQR_Bitmap ZQFO_ImageDocumentRenderer::GetPageBitmap(long PageIndex, HDC DC) {
  if (Failed) {
    ZQR_Bitmap bitmap;
    if (DC)
      bitmap.CreateCompatiableBitmap(DC, 2, 2);
    else
      bitmap.CreateScreenCompatiableBitmap(2, 2);
    return bitmap;
  }
  ZQR_Bitmap bitmap;
  if (BitmapCache.GetValueIfExists(PageIndex, bitmap)) return bitmap;
  ZQ_ASSERT(0 <= PageIndex and PageIndex < GetNumPages());
  bitmap = WithOneRetry([&] { return ZQIMG_ImageToBitmap(TimedCreateImage(PageIndex), DC); }, *this, Failed);
  if (CacheBitmaps) BitmapCache.Set(PageIndex, bitmap);
  return bitmap;
}

long ZQFO_ImageDocumentRenderer::ComputeOversampleFactor(double TargetSeconds, double Seconds, long Factor) {
  const double t = std::min(std::max(Seconds, 0.000001), 1000000.0);
  const double secondsPerSample = t / (static_cast<double>(Factor) * Factor);
  const long factor = static_cast<long>(ZQ_Round(std::sqrt(TargetSeconds / secondsPerSample)));
  return std::min(std::max(factor, 1L), kMaximumAdaptedFactor);
}

ZQIMG_Image ZQFO_ImageDocumentRenderer::TimedCreateImage(long PageIndex) {
  InsureDocumentRendererValid();
  if (TargetRenderTime == 0.0) return CreateImage(PageIndex);
  ZQ_Stopwatch stopwatch;
  ZQIMG_Image image = CreateImage(PageIndex);
  // The new factor takes effect from the next page.
  OversampleFactor = ComputeOversampleFactor(TargetRenderTime, stopwatch.GetElapsedSeconds(), OversampleFactor);
  return image;
}

ZQIMG_Image ZQFO_ImageDocumentRenderer::CreateImage(long PageIndex) {
  ZQ_ASSERT(0 <= PageIndex and PageIndex < DocumentRenderer->GetNumPages());
  ++NumImagesCreated;
  ZQIMG_Image image;
  try {
    image = ZQIMG_Image(ImageSizeInPixels.X * OversampleFactor, ImageSizeInPixels.Y * OversampleFactor, 24);
  } catch (const ZQ_Exception&) {
    OversampleFactor = 1;  // too large to oversample: draw at the final size
    image = ZQIMG_Image(ImageSizeInPixels.X, ImageSizeInPixels.Y, 24);
  } catch (const std::bad_alloc&) {
    OversampleFactor = 1;
    image = ZQIMG_Image(ImageSizeInPixels.X, ImageSizeInPixels.Y, 24);
  }
  {
    ZQR_MemoryDC imageDC(nullptr, image.GetHBITMAP());
    ZQPIC_DeviceContextCanvas canvas(imageDC.GetHDC(), ZQ_Rectangle<long>(0, 0, image.GetWidth(), image.GetHeight()),
                                     CanvasDestination, ImageSizeInMillimeters);
    canvas.SetBackingImage(image);
    canvas.Initialize();
    DocumentRenderer->Render(canvas, PageIndex, 0.0, 0.0);
  }
  if (OversampleFactor > 1) image = ZQIMG_Resize(image, ImageSizeInPixels, kShrinkAverage);
  return image;
}
