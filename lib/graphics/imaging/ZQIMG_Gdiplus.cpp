#include "ZQIMG_Gdiplus.h"

#include <cstring>

#include "ZQIMG_ByteReader.h"
#include "ZQLOW_GDIPLUS.h"
#include "ZQ_Exception.h"
#include "ZQ_Internationalization.h"
#include "ZQ_StackTrace.h"

namespace {

long GdiplusStartCount = 0;
ULONG_PTR GdiplusToken = 0;

// A decode that runs out of memory is refused like damaged data, saying so.
[[noreturn]] void ThrowDecodeError(Gdiplus::GpStatus Status) {
  ZQIMG_ThrowLoadError(Status == Gdiplus::OutOfMemory
                           ? "There is not enough memory to decode the image."
                           : "The image data cannot be decoded.");
}

// The bytes as a stream on global memory, released with the object.
class MemoryStream {
 public:
  explicit MemoryStream(const ZQ_String& Bytes) {
    if (ZQLOW_GDIPLUS::CreateStreamOnHGlobal(nullptr, TRUE, &Stream) != S_OK) Stream = nullptr;
    ULONG written = 0;
    const LARGE_INTEGER start{};
    if (!Stream ||
        Stream->Write(Bytes.GetText(), static_cast<ULONG>(Bytes.GetLength()), &written) != S_OK ||
        written != static_cast<ULONG>(Bytes.GetLength()) ||
        Stream->Seek(start, STREAM_SEEK_SET, nullptr) != S_OK)
      ZQIMG_ThrowLoadError("The image data cannot be passed to the decoder.");
  }
  ~MemoryStream() {
    if (Stream) Stream->Release();
  }
  MemoryStream(const MemoryStream&) = delete;
  MemoryStream& operator=(const MemoryStream&) = delete;
  IStream* Get() const { return Stream; }

 private:
  IStream* Stream = nullptr;
};

// A decoded GDI+ bitmap, disposed with the object.
class DecodedBitmap {
 public:
  explicit DecodedBitmap(IStream* Stream) {
    const Gdiplus::GpStatus status = ZQLOW_GDIPLUS::GdipCreateBitmapFromStream(Stream, &Bitmap);
    if (status != Gdiplus::Ok) {
      Bitmap = nullptr;
      ThrowDecodeError(status);
    }
  }
  ~DecodedBitmap() { ZQLOW_GDIPLUS::GdipDisposeImage(Bitmap); }
  DecodedBitmap(const DecodedBitmap&) = delete;
  DecodedBitmap& operator=(const DecodedBitmap&) = delete;

  bool HasSize(long Width, long Height) const {
    UINT width = 0, height = 0;
    return ZQLOW_GDIPLUS::GdipGetImageWidth(Bitmap, &width) == Gdiplus::Ok &&
           ZQLOW_GDIPLUS::GdipGetImageHeight(Bitmap, &height) == Gdiplus::Ok &&
           static_cast<long>(width) == Width && static_cast<long>(height) == Height;
  }
  // The pixels at 24 bits per pixel into Image, which has the bitmap's size.
  void CopyTo(ZQIMG_Image& Image) const {
    Gdiplus::Rect area(0, 0, Image.GetWidth(), Image.GetHeight());
    Gdiplus::BitmapData data{};
    const Gdiplus::GpStatus status = ZQLOW_GDIPLUS::GdipBitmapLockBits(
        Bitmap, &area, Gdiplus::ImageLockModeRead, PixelFormat24bppRGB, &data);
    if (status != Gdiplus::Ok) ThrowDecodeError(status);
    for (long y = 0; y < Image.GetHeight(); ++y)
      std::memcpy(Image.GetRow24BitForWriting(y),
                  static_cast<const char*>(data.Scan0) + data.Stride * y,
                  3 * static_cast<size_t>(Image.GetWidth()));
    ZQLOW_GDIPLUS::GdipBitmapUnlockBits(Bitmap, &data);
  }

 private:
  Gdiplus::GpBitmap* Bitmap = nullptr;
};

}  // namespace

void ZQIMG_StartGdiplus() {
  ZQ_TRACE_FUNCTION("ZQIMG_StartGdiplus");
  if (GdiplusStartCount == 0) {
    const Gdiplus::GdiplusStartupInput input;
    if (ZQLOW_GDIPLUS::GdiplusStartup(&GdiplusToken, &input, nullptr) != Gdiplus::Ok)
      throw ZQ_Exception(ZQ_Internationalization_Translate("Error starting GDI+"),
                         ZQ_Internationalization_Translate("Function GdiplusStartup failed."));
  }
  ++GdiplusStartCount;
}

void ZQIMG_StopGdiplus() {
  ZQ_TRACE_FUNCTION("ZQIMG_StopGdiplus");
  ZQ_ASSERT(GdiplusStartCount > 0);
  if (GdiplusStartCount <= 0) return;
  if (--GdiplusStartCount == 0) ZQLOW_GDIPLUS::GdiplusShutdown(GdiplusToken);
}

long ZQIMG_GetGdiplusStartCount() { return GdiplusStartCount; }

ZQIMG_Image ZQIMG_DecodeWithGdiplus(const ZQ_String& Bytes, const ZQIMG_ImageInfo& Info) {
  ZQ_TRACE_FUNCTION("ZQIMG_DecodeWithGdiplus");
  ZQ_ASSERT(Info.Recognised);
  const ZQIMG_GdiplusHold gdiplus;
  const MemoryStream stream(Bytes);
  const DecodedBitmap bitmap(stream.Get());
  if (!bitmap.HasSize(Info.Width, Info.Height))
    ZQIMG_ThrowLoadError("The decoded image does not have the size its header gives.");
  ZQIMG_Image image = ZQIMG_MakeDecodedImage(Info.Width, Info.Height);
  bitmap.CopyTo(image);
  return image;
}
