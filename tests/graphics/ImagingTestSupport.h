// ImagingTestSupport.h: what the image tests share: the embedded fixtures
// (ImagingTestResources.rc, made by ImagingFixtures/make_imaging_fixtures.py)
// and pixel comparisons.
#ifndef IMAGING_TEST_SUPPORT_H
#define IMAGING_TEST_SUPPORT_H

#include <zlib.h>

#include <algorithm>
#include <cstdlib>
#include <ostream>

#include "ZQIMG_Image.h"
#include "ZQLOW_WIN_Core.h"
#include "ZQ_Exception.h"
#include "ZQ_ResourceStreamSource.h"
#include "ZQ_String.h"

struct ImagingFixture {
  const char* Resource;
  const char* ExpectedPixels;  // red, green, blue, top-down
  long Width;
  long Height;
  long BitsPerPixel;  // as the header says
  bool IsExact;       // else lossy: within a tolerance
};

inline const ImagingFixture kImagingFixtures[] = {
#include "ImagingFixtures.inc"
};

inline void PrintTo(const ZQ_String& Text, std::ostream* Out) {
  *Out << '"' << Text.GetText() << '"';
}

// Bytes with a chunk of Type (four letters) and Data, with its CRC, put in
// at Offset (33 is right after the IHDR chunk).
inline ZQ_String WithPNGChunk(const ZQ_String& Bytes, int Offset, const char* Type,
                              const ZQ_String& Data) {
  ZQ_String chunk = ZQ_String(Type) + Data;
  const uLong crc = crc32(0, reinterpret_cast<const Bytef*>(chunk.GetText()), chunk.GetLength());
  const unsigned long length = Data.GetLength();
  const char head[4] = {static_cast<char>(length >> 24), static_cast<char>(length >> 16),
                        static_cast<char>(length >> 8), static_cast<char>(length)};
  const char tail[4] = {static_cast<char>(crc >> 24), static_cast<char>(crc >> 16),
                        static_cast<char>(crc >> 8), static_cast<char>(crc)};
  return Bytes.GetLeft(Offset) + ZQ_String(head, 4) + chunk + ZQ_String(tail, 4) +
         Bytes.GetRight(Bytes.GetLength() - Offset);
}

// The resources are this test program's own.
inline void UseTestResources() { ZQLOW_WIN_SetProgramInstanceHandle(GetModuleHandleA(nullptr)); }

inline ZQ_String LoadFixtureBytes(const char* Resource) {
  UseTestResources();
  return ZQ_LoadResourceIntoString(Resource, ZQ_String());
}

// The largest difference of one channel between Image (24 bits) and Pixels
// (red, green, blue, top-down); 256 when the sizes differ.
inline int MaxDifference(const ZQIMG_Image& Image, const ZQ_String& Pixels) {
  if (Pixels.GetLength() != 3 * Image.GetWidth() * Image.GetHeight()) return 256;
  int worst = 0;
  for (long y = 0; y < Image.GetHeight(); ++y)
    for (long x = 0; x < Image.GetWidth(); ++x) {
      const ZQR_Color color = Image.GetPixelColor(x, y);
      const int at = 3 * (y * Image.GetWidth() + x);
      const int channels[] = {color.GetRed(), color.GetGreen(), color.GetBlue()};
      for (int c = 0; c < 3; ++c)
        worst = std::max(worst, std::abs(channels[c] - static_cast<unsigned char>(Pixels[at + c])));
    }
  return worst;
}

// The same size and the same colour at every pixel.
inline bool HaveSamePixels(const ZQIMG_Image& A, const ZQIMG_Image& B) {
  if (A.GetSize() != B.GetSize()) return false;
  for (long y = 0; y < A.GetHeight(); ++y)
    for (long x = 0; x < A.GetWidth(); ++x)
      if (A.GetPixelColor(x, y) != B.GetPixelColor(x, y)) return false;
  return true;
}

// A 24-bit image of smooth gradients with some sharp edges, like a photograph
// with text.
inline ZQIMG_Image MakePictureImage(long Width, long Height) {
  ZQIMG_Image image(Width, Height, 24);
  for (long y = 0; y < Height; ++y) {
    unsigned char* row = image.GetRow24BitForWriting(y);
    for (long x = 0; x < Width; ++x) {
      const bool isText = (x / 3 + y / 5) % 7 == 0;
      row[3 * x] = static_cast<unsigned char>(isText ? 20 : 40 + (x * 150) / Width);
      row[3 * x + 1] = static_cast<unsigned char>(isText ? 20 : 60 + (y * 120) / Height);
      row[3 * x + 2] =
          static_cast<unsigned char>(isText ? 30 : 200 - ((x + y) * 100) / (Width + Height));
    }
  }
  return image;
}

inline void SetPixel24(ZQIMG_Image& Image, long X, long Y, const ZQR_Color& Color) {
  unsigned char* pixel = Image.GetRow24BitForWriting(Y) + 3 * X;
  pixel[0] = Color.GetBlue();
  pixel[1] = Color.GetGreen();
  pixel[2] = Color.GetRed();
}

// The description of the ZQ_Exception that Action throws, under Name;
// "(no exception)" when it throws none.
template <class Action>
ZQ_String ExceptionDescription(Action&& Run, ZQ_String* Name = nullptr) {
  try {
    Run();
  } catch (const ZQ_Exception& e) {
    if (Name) *Name = e.GetName();
    return e.GetDescription();
  }
  return "(no exception)";
}

#endif
