#include "ZQIMGIO.h"

#include <new>

#include "ZQIMG_BMPDecoder.h"
#include "ZQIMG_ByteReader.h"
#include "ZQIMG_Gdiplus.h"
#include "ZQIMG_ImageInfo.h"
#include "ZQIMG_JPEGEncoder.h"
#include "ZQIMG_JPEGStructure.h"
#include "ZQIMG_PNGDecoder.h"
#include "ZQIMG_PNGEncoder.h"
#include "ZQIMG_TIFFDirectory.h"
#include "ZQ_ResourceStreamSource.h"
#include "ZQ_StackTrace.h"
#include "ZQ_TextOutputFileStream.h"

namespace {

// GDI+ sees only headers we understand, and sizes within our limits.
ZQIMG_Image DecodeWithGdiplus(const ZQ_String& Bytes, const ZQIMG_ImageInfo& Info) {
  ZQIMG_CheckDecodedSize(Info.Width, Info.Height);
  return ZQIMG_DecodeWithGdiplus(Bytes, Info);
}

ZQIMG_Image Decode(const ZQ_String& Bytes) {
  ZQIMG_ImageFormat format;
  const ZQIMG_ImageInfo info = ZQIMG_GetImageInfo(Bytes, format);
  switch (format) {
    case ZQIMG_ImageFormat::PNG:
      return ZQIMG_DecodePNG(Bytes);
    case ZQIMG_ImageFormat::BMP:
      return ZQIMG_DecodeBMP(Bytes);
    case ZQIMG_ImageFormat::TIFF:
      // Wine's TIFF decoder reads wherever a damaged directory points.
      if (!ZQIMG_TIFFDirectory(ZQIMG_ByteReader(Bytes)).IsWellFormed())
        ZQIMG_ThrowLoadError(
            "The TIFF directory is damaged or names a form that is not supported.");
      return DecodeWithGdiplus(Bytes, info);
    case ZQIMG_ImageFormat::JPEG:
      // Its JPEG decoder, too, reads wherever a damaged segment points.
      if (!ZQIMG_IsWellFormedJPEG(ZQIMG_ByteReader(Bytes)))
        ZQIMG_ThrowLoadError("The JPEG data is damaged or ends early.");
      return DecodeWithGdiplus(Bytes, info);
    default:
      ZQIMG_ThrowLoadError(
          "The data is no BMP, PNG, JPEG or TIFF image, or its header is damaged.");
  }
}

}  // namespace

ZQIMG_Image ZQIMGIO_LoadFromBuffer(const ZQ_String& Bytes) {
  ZQ_TRACE_FUNCTION("ZQIMGIO_LoadFromBuffer");
  try {
    return Decode(Bytes);
  } catch (const std::bad_alloc&) {
    // A large image can exhaust a 32-bit address space: refuse that image,
    // and the program goes on.
    ZQIMG_ThrowLoadError("There is not enough memory for the image.");
  }
}

ZQIMG_Image ZQIMGIO_LoadFromResource(const ZQ_String& Name, long /*Options*/) {
  ZQ_TRACE_FUNCTION("ZQIMGIO_LoadFromResource");
  return ZQIMGIO_LoadFromBuffer(ZQ_LoadResourceIntoString(Name, ZQ_String()));
}

ZQIMG_Image ZQIMGIO_LoadFromURI(const ZQ_URI& URI) {
  ZQ_TRACE_FUNCTION("ZQIMGIO_LoadFromURI");
  return ZQIMGIO_LoadFromBuffer(URI.LoadResourceIntoString());
}

ZQIMG_Image ZQIMG_LoadFromResource_BMP(const ZQ_String& Name) {
  ZQ_TRACE_FUNCTION("ZQIMG_LoadFromResource_BMP");
  return ZQIMG_DecodeBMP(ZQ_LoadResourceIntoString(Name, ZQ_String()));
}

void ZQIMGIO_SaveToFile_PNG(const ZQ_FileName& FileName, const ZQIMG_Image& Image) {
  ZQ_TRACE_FUNCTION("ZQIMGIO_SaveToFile_PNG");
  ZQ_SaveStringAsFile(ZQIMG_EncodePNG(Image), FileName);
}

void ZQIMGIO_SaveToFile_JPG(const ZQ_FileName& FileName, const ZQIMG_Image& Image, long Quality) {
  ZQ_TRACE_FUNCTION("ZQIMGIO_SaveToFile_JPG");
  ZQ_SaveStringAsFile(ZQIMG_EncodeJPEG(Image, Quality), FileName);
}
