// GraphicsTestSupport.h: what the graphics tests draw on and watch: a memory
// context holding a 24-bit DIB section whose pixels the test reads, the
// test program's own resources, and a record of the releasing calls
// (DeleteObject, DeleteDC, ReleaseDC), which still reach Windows.
#ifndef GRAPHICS_TEST_SUPPORT_H
#define GRAPHICS_TEST_SUPPORT_H

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "ZQLOW_WIN_Core.h"
#include "ZQLOW_WIN_FakeCall.h"
#include "ZQR_Color.h"

// Failures show colours as red, green, blue.
inline void PrintTo(const ZQR_Color& Color, std::ostream* Out) {
  *Out << "RGB(" << int(Color.GetRed()) << ", " << int(Color.GetGreen()) << ", "
       << int(Color.GetBlue()) << ")";
}

// A Width x Height canvas of 24 bits per pixel, first filled with Fill.
class DibCanvas {
 public:
  DibCanvas(long Width, long Height, const ZQR_Color& Fill) : Width(Width) {
    BITMAPINFO format{};
    format.bmiHeader = {sizeof(BITMAPINFOHEADER), Width, -Height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    Bitmap = CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, reinterpret_cast<void**>(&Bits),
                              nullptr, 0);
    DC = CreateCompatibleDC(nullptr);
    Previous = SelectObject(DC, Bitmap);
    const HBRUSH brush = CreateSolidBrush(Fill.GetCOLORREF());
    const RECT all{0, 0, Width, Height};
    FillRect(DC, &all, brush);
    DeleteObject(brush);
  }
  ~DibCanvas() {
    SelectObject(DC, Previous);
    DeleteDC(DC);
    DeleteObject(Bitmap);
  }
  DibCanvas(const DibCanvas&) = delete;
  DibCanvas& operator=(const DibCanvas&) = delete;

  HDC GetHDC() const { return DC; }
  ZQR_Color GetPixel(long X, long Y) const {
    GdiFlush();
    const BYTE* pixel = Bits + Y * ((Width * 3 + 3) / 4 * 4) + X * 3;
    return ZQR_Color(pixel[2], pixel[1], pixel[0]);
  }

 private:
  long Width;
  BYTE* Bits = nullptr;
  HBITMAP Bitmap;
  HDC DC;
  HGDIOBJ Previous;
};

// The resources of tests/graphics/GraphicsTestResources.rc: the test bitmap's
// pixels, top row first, and what loads them.
inline const ZQR_Color kTestBitmapPixels[2][4] = {
    {ZQR_Color_Red, ZQR_Color_LightGray, ZQR_Color_Blue, ZQR_Color_LightGray},
    {ZQR_Color_LightGray, ZQR_Color(0, 128, 0), ZQR_Color_LightGray, ZQR_Color_Yellow}};
inline void UseTestProgramResources() {
  ZQLOW_WIN_SetProgramInstanceHandle(GetModuleHandleA(nullptr));
}

// The releasing calls made while it lives, as "DeleteObject", "DeleteDC" or
// "ReleaseDC" with the handle released.
class ReleaseLog {
 public:
  struct Release {
    std::string call;
    HANDLE handle;
  };
  std::vector<Release> releases;

 private:
  const ZQLOW_WIN_FakeCall<&ZQLOW_WINGDI::Calls::DeleteObject> deleteObject{
      [this](HGDIOBJ Object) { return Note("DeleteObject", Object, ::DeleteObject(Object)); }};
  const ZQLOW_WIN_FakeCall<&ZQLOW_WINGDI::Calls::DeleteDC> deleteDC{
      [this](HDC DC) { return Note("DeleteDC", DC, ::DeleteDC(DC)); }};
  const ZQLOW_WIN_FakeCall<&ZQLOW_WINUSER::Calls::ReleaseDC> releaseDC{
      [this](HWND Window, HDC DC) { return Note("ReleaseDC", DC, ::ReleaseDC(Window, DC)); }};

  template <class Result>
  Result Note(const char* Call, HANDLE Handle, Result Answer) {
    releases.push_back({Call, Handle});
    return Answer;
  }
};

#endif
