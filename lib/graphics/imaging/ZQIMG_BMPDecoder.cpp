#include "ZQIMG_BMPDecoder.h"

#include "ZQIMG_ByteReader.h"
#include "ZQ_StackTrace.h"

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr unsigned kBI_RGB = 0;

// What the decoder needs from the headers.
struct DIBLayout {
  long Width = 0;
  long Height = 0;
  bool IsTopDown = false;
  unsigned BitsPerPixel = 0;
  size_t PaletteOffset = 0;
  size_t PaletteEntrySize = 4;  // 3 in the old core header
  size_t PaletteCount = 0;
  size_t PixelOffset = 0;
};

const char kEndsEarly[] = "The BMP data ends early.";

void ReadCoreHeader(const ZQIMG_ByteReader& In, size_t At, DIBLayout& Layout) {
  In.Need(At, 12, kEndsEarly);
  Layout.Width = static_cast<long>(In.U16LE(At + 4));
  Layout.Height = static_cast<long>(In.U16LE(At + 6));
  Layout.BitsPerPixel = In.U16LE(At + 10);
  Layout.PaletteEntrySize = 3;
  if (Layout.BitsPerPixel <= 8) Layout.PaletteCount = size_t{1} << Layout.BitsPerPixel;
}

void ReadInfoHeader(const ZQIMG_ByteReader& In, size_t At, DIBLayout& Layout) {
  In.Need(At, 40, kEndsEarly);
  const long long height = static_cast<int32_t>(In.U32LE(At + 8));
  ZQIMG_CheckDecodedSize(static_cast<int32_t>(In.U32LE(At + 4)), height < 0 ? -height : height);
  Layout.Width = static_cast<int32_t>(In.U32LE(At + 4));
  Layout.Height = static_cast<long>(height < 0 ? -height : height);
  Layout.IsTopDown = height < 0;
  Layout.BitsPerPixel = In.U16LE(At + 14);
  if (In.U32LE(At + 16) != kBI_RGB)
    ZQIMG_ThrowLoadError("Compressed and bit-field BMP images are not supported.");
  const uint32_t colorsUsed = In.U32LE(At + 32);
  if (colorsUsed > 256) ZQIMG_ThrowLoadError("The BMP palette is too large.");
  Layout.PaletteCount = colorsUsed;
  if (colorsUsed == 0 && Layout.BitsPerPixel <= 8)
    Layout.PaletteCount = size_t{1} << Layout.BitsPerPixel;
}

DIBLayout ReadLayout(const ZQIMG_ByteReader& In) {
  const bool isFile = In.Has(0, 2) && In.U8(0) == 'B' && In.U8(1) == 'M';
  const size_t at = isFile ? kFileHeaderSize : 0;
  In.Need(at, 4, kEndsEarly);
  const uint32_t headerSize = In.U32LE(at);
  DIBLayout layout;
  if (headerSize == 12)
    ReadCoreHeader(In, at, layout);
  else if (headerSize == 40 || headerSize == 108 || headerSize == 124)
    ReadInfoHeader(In, at, layout);
  else
    ZQIMG_ThrowLoadError("The data is no BMP image.");
  ZQIMG_CheckDecodedSize(layout.Width, layout.Height);
  const unsigned bits = layout.BitsPerPixel;
  if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32)
    ZQIMG_ThrowLoadError("BMP images of this depth are not supported.");
  layout.PaletteOffset = at + headerSize;
  In.Need(layout.PaletteOffset, layout.PaletteCount * layout.PaletteEntrySize, kEndsEarly);
  layout.PixelOffset = layout.PaletteOffset + layout.PaletteCount * layout.PaletteEntrySize;
  if (isFile) {
    In.Need(0, kFileHeaderSize, kEndsEarly);
    layout.PixelOffset = In.U32LE(10);
  }
  return layout;
}

// Palette index of pixel X in a row of 1, 4 or 8 bits.
unsigned IndexAt(const unsigned char* Row, long X, unsigned Bits) {
  switch (Bits) {
    case 1:
      return (Row[X >> 3] >> (7 - (X & 7))) & 1;
    case 4:
      return (X & 1) ? Row[X >> 1] & 15 : Row[X >> 1] >> 4;
    default:
      return Row[X];
  }
}

void DecodeRow(const ZQIMG_ByteReader& In, const DIBLayout& Layout, const unsigned char* Source,
               unsigned char* Target) {
  const unsigned bits = Layout.BitsPerPixel;
  for (long x = 0; x < Layout.Width; ++x, Target += 3) {
    if (bits >= 24) {
      const unsigned char* pixel = Source + x * (bits / 8);
      Target[0] = pixel[0];
      Target[1] = pixel[1];
      Target[2] = pixel[2];
      continue;
    }
    const size_t index = IndexAt(Source, x, bits);
    if (index >= Layout.PaletteCount)
      ZQIMG_ThrowLoadError("A BMP pixel's colour index lies outside the palette.");
    const size_t entry = Layout.PaletteOffset + index * Layout.PaletteEntrySize;
    Target[0] = static_cast<unsigned char>(In.U8(entry));
    Target[1] = static_cast<unsigned char>(In.U8(entry + 1));
    Target[2] = static_cast<unsigned char>(In.U8(entry + 2));
  }
}

}  // namespace

ZQIMG_Image ZQIMG_DecodeBMP(const ZQ_String& Bytes) {
  ZQ_TRACE_FUNCTION("ZQIMG_DecodeBMP");
  const ZQIMG_ByteReader in(Bytes);
  const DIBLayout layout = ReadLayout(in);
  const size_t stride = ((static_cast<size_t>(layout.Width) * layout.BitsPerPixel + 31) / 32) * 4;
  // The last row needs only its pixels, not its padding.
  const size_t lastRow = (static_cast<size_t>(layout.Width) * layout.BitsPerPixel + 7) / 8;
  in.Need(layout.PixelOffset, stride * (layout.Height - 1) + lastRow, kEndsEarly);
  ZQIMG_Image image = ZQIMG_MakeDecodedImage(layout.Width, layout.Height);
  for (long y = 0; y < layout.Height; ++y) {
    const long targetY = layout.IsTopDown ? y : layout.Height - 1 - y;
    DecodeRow(in, layout, in.GetData() + layout.PixelOffset + stride * y,
              image.GetRow24BitForWriting(targetY));
  }
  return image;
}
