// DrawingTestSupport.h: what the drawing tests draw on and read back: a
// memory context holding a 32-bit DIB section, its pixels as colours, the
// bounding box of the pixels that differ from the background, and PNG
// screenshots written to <build>/screenshots. Also a fixture that runs the
// stages (so the metrics exist) with the system colours replaced by distinct
// ones: Wine's 3-D colours coincide in part.
#ifndef DRAWING_TEST_SUPPORT_H
#define DRAWING_TEST_SUPPORT_H

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "GuiStageTestSupport.h"
#include "ZQF_Metrics.h"
#include "ZQIMGIO.h"
#include "ZQIMG_Image.h"
#include "ZQ_FileName.h"
#include "ZQLOW_WIN_FakeCall.h"
#include "ZQR_Color.h"
#include "ZQ_Rectangle.h"

inline void PrintTo(const ZQR_Color& Color, std::ostream* Out) {
  *Out << "RGB(" << int(Color.GetRed()) << ", " << int(Color.GetGreen()) << ", "
       << int(Color.GetBlue()) << ")";
}

// A distinct colour for every system colour index.
inline DWORD DistinctSystemColor(int Index) {
  return RGB(10 + Index * 9, 250 - Index * 7, 40 + Index * 5);
}

// A Width x Height 32-bit surface, first filled with Background.
class DibSurface {
 public:
  DibSurface(long Width, long Height, const ZQR_Color& Background = ZQR_Color_White)
      : Width(Width), Height(Height), Background(Background) {
    BITMAPINFO format{};
    format.bmiHeader = {sizeof(BITMAPINFOHEADER), Width, -Height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    Bitmap = CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, reinterpret_cast<void**>(&Bits),
                              nullptr, 0);
    DC = CreateCompatibleDC(nullptr);
    Previous = SelectObject(DC, Bitmap);
    Clear();
  }
  ~DibSurface() {
    SelectObject(DC, Previous);
    DeleteDC(DC);
    DeleteObject(Bitmap);
  }
  DibSurface(const DibSurface&) = delete;
  DibSurface& operator=(const DibSurface&) = delete;

  HDC GetHDC() const { return DC; }
  // A region of the whole surface, for a canvas to own.
  HRGN NewWholeRegion() const { return CreateRectRgn(0, 0, Width, Height); }
  void Clear() {
    const HBRUSH brush = CreateSolidBrush(Background.GetCOLORREF());
    const RECT all{0, 0, Width, Height};
    FillRect(DC, &all, brush);
    DeleteObject(brush);
  }
  ZQR_Color GetPixel(long X, long Y) const {
    GdiFlush();
    const BYTE* pixel = Bits + (Y * Width + X) * 4;
    return ZQR_Color(pixel[2], pixel[1], pixel[0]);
  }
  // The smallest rectangle holding every pixel unlike the background;
  // empty (0 x 0) when there is none.
  ZQ_Rectangle<long> GetInkBox() const {
    long left = Width, top = Height, right = -1, bottom = -1;
    for (long y = 0; y < Height; ++y) {
      for (long x = 0; x < Width; ++x) {
        if (GetPixel(x, y) == Background) continue;
        if (x < left) left = x;
        if (x > right) right = x;
        if (y < top) top = y;
        if (y > bottom) bottom = y;
      }
    }
    if (right < 0) return ZQ_Rectangle<long>();
    return ZQ_Rectangle<long>(left, top, right - left + 1, bottom - top + 1);
  }
  long CountPixels(const ZQR_Color& Color) const {
    long count = 0;
    for (long y = 0; y < Height; ++y)
      for (long x = 0; x < Width; ++x) count += GetPixel(x, y) == Color;
    return count;
  }
  // Writes the surface as a PNG file to <build>/screenshots/Name.png.
  void SaveScreenshot(const std::string& Name) const;

 private:
  long Width;
  long Height;
  ZQR_Color Background;
  BYTE* Bits = nullptr;
  HBITMAP Bitmap;
  HDC DC;
  HGDIOBJ Previous;
};

inline std::string ScreenshotFolder() {
  char path[MAX_PATH];
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path);
  // <build>\tests\gui\GuiTests.exe
  for (int i = 0; i < 3; ++i) folder = folder.substr(0, folder.find_last_of("\\/"));
  folder += "\\screenshots";
  CreateDirectoryA(folder.c_str(), nullptr);
  return folder;
}

inline void DibSurface::SaveScreenshot(const std::string& Name) const {
  ZQIMG_Image picture(Width, Height, 24);
  for (long y = 0; y < Height; ++y) {
    unsigned char* row = picture.GetRow24BitForWriting(y);
    for (long x = 0; x < Width; ++x) {
      const ZQR_Color c = GetPixel(x, y);
      row[x * 3] = c.GetBlue();
      row[x * 3 + 1] = c.GetGreen();
      row[x * 3 + 2] = c.GetRed();
    }
  }
  const std::string path = ScreenshotFolder() + "\\" + Name + ".png";
  ZQIMGIO_SaveToFile_PNG(ZQ_FileName(ZQ_String(path.c_str())), picture);
}

// The stages with distinct system colours: every colour metric taken from
// the system differs from the others of another system index.
class DistinctColorsStageTest : public GuiStageTest {
 private:
  const ZQLOW_WIN_FakeCall<&ZQLOW_WINUSER::Calls::GetSysColor> distinctColors{&DistinctSystemColor};
};

inline ZQR_Color SystemColorOfMetric(int Index) { return ZQR_Color(DistinctSystemColor(Index)); }

#endif
