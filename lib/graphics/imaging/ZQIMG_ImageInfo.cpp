#include "ZQIMG_ImageInfo.h"

#include "ZQIMG_ByteReader.h"
#include "ZQIMG_PNGCommon.h"
#include "ZQIMG_TIFFDirectory.h"

namespace {

ZQIMG_ImageInfo MakeInfo(long long Width, long long Height, long long BitsPerPixel) {
  ZQIMG_ImageInfo info;
  // Sizes beyond a long, and zero sizes, are implausible.
  if (Width <= 0 || Height <= 0 || Width > 0x7FFFFFFF || Height > 0x7FFFFFFF || BitsPerPixel <= 0)
    return info;
  info.Width = static_cast<long>(Width);
  info.Height = static_cast<long>(Height);
  info.BitsPerPixel = static_cast<long>(BitsPerPixel);
  info.Recognised = true;
  return info;
}

bool IsPNG(const ZQIMG_ByteReader& In) {
  if (!In.Has(0, 8)) return false;
  for (size_t i = 0; i < 8; ++i)
    if (In.U8(i) != ZQIMG_PNGSignature[i]) return false;
  return true;
}

ZQIMG_ImageInfo ReadPNG(const ZQIMG_ByteReader& In) {
  // The signature, then the IHDR chunk: length 13, type, width, height,
  // bit depth, colour type.
  if (!In.Has(8, 8 + 13) || In.U32BE(8) != 13 || In.U32BE(12) != 0x49484452) return {};
  long channels = 0;
  switch (In.U8(25)) {
    case 0:
    case 3:
      channels = 1;
      break;
    case 2:
      channels = 3;
      break;
    case 4:
      channels = 2;
      break;
    case 6:
      channels = 4;
      break;
    default:
      return {};
  }
  return MakeInfo(In.U32BE(16), In.U32BE(20), static_cast<long long>(In.U8(24)) * channels);
}

// SOF0 to SOF15 but DHT (C4), JPG (C8) and DAC (CC).
bool IsStartOfFrame(unsigned Marker) {
  return Marker >= 0xC0 && Marker <= 0xCF && Marker != 0xC4 && Marker != 0xC8 && Marker != 0xCC;
}

ZQIMG_ImageInfo ReadJPEG(const ZQIMG_ByteReader& In) {
  size_t at = 2;
  for (;;) {
    if (!In.Has(at, 2) || In.U8(at) != 0xFF) return {};
    while (In.Has(at + 1, 1) && In.U8(at + 1) == 0xFF) ++at;  // fill bytes
    if (!In.Has(at + 1, 1)) return {};
    const unsigned marker = In.U8(at + 1);
    at += 2;
    if ((marker >= 0xD0 && marker <= 0xD7) || marker == 0x01) continue;  // no length
    if (marker == 0xD9 || marker == 0xDA || !In.Has(at, 2)) return {};
    const unsigned length = In.U16BE(at);
    if (length < 2) return {};
    if (IsStartOfFrame(marker)) {
      if (length < 8 || !In.Has(at, 8)) return {};
      return MakeInfo(In.U16BE(at + 5), In.U16BE(at + 3),
                      static_cast<long long>(In.U8(at + 2)) * In.U8(at + 7));
    }
    at += length;
  }
}

ZQIMG_ImageInfo ReadTIFF(const ZQIMG_ByteReader& In) {
  const ZQIMG_TIFFDirectory directory(In);
  if (!directory.IsValid()) return {};
  const long long bitsPerSample = directory.GetValue(258, 1),
                  samplesPerPixel = directory.GetValue(277, 1);
  if (bitsPerSample < 0 || samplesPerPixel < 0) return {};
  return MakeInfo(directory.GetValue(256, -1), directory.GetValue(257, -1),
                  bitsPerSample * samplesPerPixel);
}

bool IsKnownBitCount(unsigned Bits) {
  return Bits == 1 || Bits == 4 || Bits == 8 || Bits == 16 || Bits == 24 || Bits == 32;
}

// The header of a DIB at Offset.
ZQIMG_ImageInfo ReadDIB(const ZQIMG_ByteReader& In, size_t Offset) {
  if (!In.Has(Offset, 4)) return {};
  const uint32_t headerSize = In.U32LE(Offset);
  if (headerSize == 12) {
    if (!In.Has(Offset, 12) || In.U16LE(Offset + 8) != 1 || !IsKnownBitCount(In.U16LE(Offset + 10)))
      return {};
    return MakeInfo(In.U16LE(Offset + 4), In.U16LE(Offset + 6), In.U16LE(Offset + 10));
  }
  if (headerSize != 40 && headerSize != 108 && headerSize != 124) return {};
  if (!In.Has(Offset, headerSize) || In.U16LE(Offset + 12) != 1 ||
      !IsKnownBitCount(In.U16LE(Offset + 14)))
    return {};
  const long long height = static_cast<int32_t>(In.U32LE(Offset + 8));
  return MakeInfo(static_cast<int32_t>(In.U32LE(Offset + 4)), height < 0 ? -height : height,
                  In.U16LE(Offset + 14));
}

}  // namespace

ZQIMG_ImageInfo ZQIMG_GetImageInfo(const ZQ_String& Bytes, ZQIMG_ImageFormat& Format) {
  const ZQIMG_ByteReader in(Bytes);
  ZQIMG_ImageInfo info;
  Format = ZQIMG_ImageFormat::Unknown;
  if (IsPNG(in)) {
    info = ReadPNG(in);
    Format = ZQIMG_ImageFormat::PNG;
  } else if (in.Has(0, 2) && in.U8(0) == 0xFF && in.U8(1) == 0xD8) {
    info = ReadJPEG(in);
    Format = ZQIMG_ImageFormat::JPEG;
  } else if (in.Has(0, 8) && (in.U32LE(0) == 0x002A4949 || in.U32LE(0) == 0x2A004D4D)) {
    info = ReadTIFF(in);
    Format = ZQIMG_ImageFormat::TIFF;
  } else if (in.Has(0, 2) && in.U8(0) == 'B' && in.U8(1) == 'M') {
    info = ReadDIB(in, 14);
    Format = ZQIMG_ImageFormat::BMP;
  } else {
    info = ReadDIB(in, 0);
    Format = ZQIMG_ImageFormat::BMP;
  }
  if (!info.Recognised) Format = ZQIMG_ImageFormat::Unknown;
  return info;
}

ZQIMG_ImageInfo ZQIMG_GetImageInfo(const ZQ_String& Bytes) {
  ZQIMG_ImageFormat format;
  return ZQIMG_GetImageInfo(Bytes, format);
}
