// Times our PNG decoder and encoder and our JPEG encoder on a 1920 x 1080
// photograph-like picture, and in the same run GDI+'s decoding of the same
// PNG and JPEG files; prints megapixels per second and the target of each
// row. Usage: ImagingBenchmark [passes] (the best pass of each row counts).
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include "ZQIMG_Gdiplus.h"
#include "ZQIMG_Image.h"
#include "ZQIMG_ImageInfo.h"
#include "ZQIMG_JPEGEncoder.h"
#include "ZQIMG_PNGDecoder.h"
#include "ZQIMG_PNGEncoder.h"
#include "ZQ_Assertion.h"

namespace {

constexpr long kWidth = 1920, kHeight = 1080;

// Smooth light and shade with grain and a few hard edges, as a photograph
// of a scene with some text in it.
ZQIMG_Image MakePhotograph() {
  ZQIMG_Image image(kWidth, kHeight, 24);
  unsigned long noise = 12345;
  for (long y = 0; y < kHeight; ++y) {
    unsigned char* row = image.GetRow24BitForWriting(y);
    for (long x = 0; x < kWidth; ++x) {
      noise = noise * 1103515245 + 12345;
      const int grain = static_cast<int>((noise >> 16) % 9) - 4;
      const bool isEdge = (x / 40 + y / 30) % 11 == 0;
      const int base[3] = {60 + x * 120 / kWidth, 90 + y * 100 / kHeight,
                           180 - (x + y) * 90 / (kWidth + kHeight)};
      for (int c = 0; c < 3; ++c) {
        const int value = isEdge ? 25 + 10 * c : base[c] + grain;
        row[3 * x + c] = static_cast<unsigned char>(value < 0 ? 0 : value > 255 ? 255 : value);
      }
    }
  }
  return image;
}

double BestMegapixelsPerSecond(int Passes, const std::function<void()>& Work) {
  double best = 1e30;
  for (int i = 0; i < Passes; ++i) {
    const auto begin = std::chrono::steady_clock::now();
    Work();
    best = std::min(
        best, std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count());
  }
  return kWidth * kHeight / best / 1e6;
}

void PrintRow(const char* Name, double Rate, const char* Target) {
  std::printf("%-28s %8.1f Mpixel/s   %s\n", Name, Rate, Target);
}

}  // namespace

int main(int argc, char** argv) {
  ZQ_SetAssertionMode(3);
  const int passes = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  const ZQIMG_GdiplusHold gdiplus;  // started once, outside the timings
  const ZQIMG_Image photograph = MakePhotograph();
  const ZQ_String png = ZQIMG_EncodePNG(photograph);
  const ZQ_String jpeg = ZQIMG_EncodeJPEG(photograph, 90);
  std::printf("1920 x 1080 picture: PNG %d bytes, JPEG (quality 90) %d bytes; best of %d passes\n",
              png.GetLength(), jpeg.GetLength(), passes);
  const double ourPNGDecode = BestMegapixelsPerSecond(passes, [&] { ZQIMG_DecodePNG(png); });
  const double gdiplusPNGDecode = BestMegapixelsPerSecond(
      passes, [&] { ZQIMG_DecodeWithGdiplus(png, ZQIMG_GetImageInfo(png)); });
  PrintRow("PNG decode (ours)", ourPNGDecode,
           ourPNGDecode >= gdiplusPNGDecode ? "target: >= GDI+ (met)" : "target: >= GDI+ (missed)");
  PrintRow("PNG decode (GDI+)", gdiplusPNGDecode, "");
  const double pngEncode = BestMegapixelsPerSecond(passes, [&] { ZQIMG_EncodePNG(photograph); });
  PrintRow("PNG encode (ours, level 6)", pngEncode,
           pngEncode >= 15 ? "target: >= 15 (met)" : "target: >= 15 (missed)");
  const double jpegEncode =
      BestMegapixelsPerSecond(passes, [&] { ZQIMG_EncodeJPEG(photograph, 90); });
  PrintRow("JPEG encode (ours, q 90)", jpegEncode,
           jpegEncode >= 30 ? "target: >= 30 (met)" : "target: >= 30 (missed)");
  PrintRow("JPEG decode (GDI+)",
           BestMegapixelsPerSecond(
               passes, [&] { ZQIMG_DecodeWithGdiplus(jpeg, ZQIMG_GetImageInfo(jpeg)); }),
           "");
  return 0;
}
