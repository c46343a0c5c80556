#include "ZQIMGIO.h"

#include "ZQIMG_BMPDecoder.h"
#include "ZQIMG_ByteReader.h"
#include "ZQIMG_Gdiplus.h"
#include "ZQIMG_ImageInfo.h"
#include "ZQIMG_JPEGEncoder.h"
#include "ZQIMG_PNGDecoder.h"
#include "ZQIMG_PNGEncoder.h"
#include "ZQ_ResourceStreamSource.h"
#include "ZQ_StackTrace.h"
#include "ZQ_TextOutputFileStream.h"

ZQIMG_Image ZQIMGIO_LoadFromBuffer(const ZQ_String& Bytes) {
  ZQ_TRACE_FUNCTION("ZQIMGIO_LoadFromBuffer");
  ZQIMG_ImageFormat format;
  const ZQIMG_ImageInfo info = ZQIMG_GetImageInfo(Bytes, format);
  switch (format) {
    case ZQIMG_ImageFormat::PNG:
      return ZQIMG_DecodePNG(Bytes);
    case ZQIMG_ImageFormat::BMP:
      return ZQIMG_DecodeBMP(Bytes);
    case ZQIMG_ImageFormat::JPEG:
    case ZQIMG_ImageFormat::TIFF:
      // GDI+ sees only headers we understand, and within our limits.
      ZQIMG_CheckDecodedSize(info.Width, info.Height);
      return ZQIMG_DecodeWithGdiplus(Bytes, info);
    default:
      ZQIMG_ThrowLoadError("The data is no BMP, PNG, JPEG or TIFF image, or its header is damaged.");
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
