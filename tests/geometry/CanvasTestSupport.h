// CanvasTestSupport.h: what the canvas tests draw on and read back: a 24-bit
// image selected into a memory context compatible with the screen, first
// filled with one colour, and the bounding box of the pixels that differ
// from it. The usual canvas stands over the pixel rectangle (10, 20, 200,
// 100) for 50 x 25 mm: 4 pixels per millimetre.
#ifndef CANVAS_TEST_SUPPORT_H
#define CANVAS_TEST_SUPPORT_H

#include <algorithm>
#include <ostream>

#include "ZQIMG_Image.h"
#include "ZQPIC_DeviceContextCanvas.h"
#include "ZQR_Color.h"
#include "ZQR_MemoryDC.h"
#include "ZQ_Rectangle.h"

inline void PrintTo(const ZQR_Color& Color, std::ostream* Out) {
  *Out << "RGB(" << int(Color.GetRed()) << ", " << int(Color.GetGreen()) << ", "
       << int(Color.GetBlue()) << ")";
}

template <class T>
void PrintTo(const ZQ_Rectangle<T>& R, std::ostream* Out) {
  *Out << "(" << R.X << ", " << R.Y << ", " << R.Width << ", " << R.Height << ")";
}

const ZQ_Rectangle<long> kPixelRect(10, 20, 200, 100);
const ZQ_Point<double> kSizeMm(50, 25);

// A one-colour image of Width x Height pixels.
inline ZQIMG_Image Swatch(long Width, long Height, const ZQR_Color& Color) {
  ZQIMG_Image image(Width, Height, 24);
  for (long y = 0; y < Height; ++y) {
    unsigned char* row = image.GetRow24BitForWriting(y);
    for (long x = 0; x < Width; ++x) {
      row[3 * x] = Color.GetBlue();
      row[3 * x + 1] = Color.GetGreen();
      row[3 * x + 2] = Color.GetRed();
    }
  }
  return image;
}

class ImageSurface {
 public:
  explicit ImageSurface(long Width = 240, long Height = 140,
                        const ZQR_Color& Background = ZQR_Color_White)
      : Background(Background), Image(Swatch(Width, Height, Background)),
        DC(nullptr, Image.GetHBITMAP()) {}

  HDC GetHDC() const { return DC.GetHDC(); }
  const ZQIMG_Image& GetImage() const { return Image; }
  ZQR_Color GetPixel(long X, long Y) const { return Image.GetPixelColor(X, Y); }

  // The smallest rectangle holding every pixel unlike the background;
  // 0 x 0 when there is none.
  ZQ_Rectangle<long> GetInkBox() const {
    long left = Image.GetWidth(), top = Image.GetHeight(), right = -1, bottom = -1;
    for (long y = 0; y < Image.GetHeight(); ++y) {
      const unsigned char* row = Image.GetRow(y);
      for (long x = 0; x < Image.GetWidth(); ++x) {
        if (ZQR_Color(row[3 * x + 2], row[3 * x + 1], row[3 * x]) == Background) continue;
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
    }
    if (right < 0) return ZQ_Rectangle<long>();
    return ZQ_Rectangle<long>(left, top, right - left + 1, bottom - top + 1);
  }

 private:
  const ZQR_Color Background;
  ZQIMG_Image Image;
  ZQR_MemoryDC DC;
};

// The usual canvas on Surface, initialised.
class TestCanvas : public ZQPIC_DeviceContextCanvas {
 public:
  explicit TestCanvas(const ImageSurface& Surface, long DeviceKind = 3)
      : ZQPIC_DeviceContextCanvas(Surface.GetHDC(), kPixelRect, DeviceKind, kSizeMm) {
    Initialize();
  }
};

// The device pixel of a canvas point, as the usual canvas maps it.
inline ZQ_Point<long> DevicePixel(double X, double Y) {
  return ZQ_Point<long>(static_cast<long>(10 + 4 * X), static_cast<long>(120 - 4 * Y));
}

#endif
