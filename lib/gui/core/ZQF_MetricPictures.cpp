#include "ZQF_MetricPictures.h"

#include <cstring>
#include <vector>

#include "ZQF_Metrics.h"
#include "ZQLOW_WINBASE.h"
#include "ZQLOW_WINGDI.h"
#include "ZQR_MemoryDC.h"
#include "ZQ_Assertion.h"

namespace {

// The key colours of the button pictures, in the order they are looked up,
// and the colour metric each becomes: the mark in window text, the box
// interior in window background, the surround in button face, and the four
// bevel shades.
enum { Key_Black, Key_Yellow, Key_LightGray, Key_Teal, Key_Navy, Key_Green, Key_Cyan, NumKeys };
const ZQR_Color s_keyColors[NumKeys] = {{0, 0, 0},     {255, 255, 0}, {192, 192, 192},
                                        {0, 128, 128}, {0, 0, 128},   {0, 255, 0},
                                        {0, 255, 255}};
const int s_keyMetrics[NumKeys] = {ZQF_ColorMetric_FieldText,       ZQF_ColorMetric_FieldBackground,
                                    ZQF_ColorMetric_LabelBackground, ZQF_ColorMetric_ButtonShadow,
                                    ZQF_ColorMetric_DarkShadow3D,    ZQF_ColorMetric_Light3D,
                                    ZQF_ColorMetric_ButtonHighlight};
const int kPaletteSize = 16;

// A private copy of a 4-bit packed device-independent bitmap resource.
class PackedBitmap {
 public:
  explicit PackedBitmap(const char* ResourceName) {
    const HMODULE module = ZQLOW_WIN_GetProgramInstanceHandle();
    const HRSRC hRsrc = ZQLOW_WINBASE::FindResource_DoNotThrowException(module, ResourceName, RT_BITMAP);
    ZQ_ASSERT(hRsrc);
    if (!hRsrc) return;
    const HGLOBAL data = ZQLOW_WINBASE::LoadResource(module, hRsrc);
    const BYTE* bytes = static_cast<const BYTE*>(ZQLOW_WINBASE::LockResource(data));
    Bytes.assign(bytes, bytes + ZQLOW_WINBASE::SizeofResource(module, hRsrc));
  }

  BITMAPINFO* GetInfo() { return reinterpret_cast<BITMAPINFO*>(Bytes.data()); }
  RGBQUAD* GetPalette() {
    return reinterpret_cast<RGBQUAD*>(Bytes.data() + GetInfo()->bmiHeader.biSize);
  }
  const BYTE* GetBits() {
    return reinterpret_cast<const BYTE*>(GetPalette() + kPaletteSize);
  }

  // The palette entry of Color; a colour not among the 16 fails "false" and
  // gives entry 0.
  int FindEntry(const ZQR_Color& Color) {
    const RGBQUAD* palette = GetPalette();
    for (int i = 0; i < kPaletteSize; ++i) {
      if (palette[i].rgbRed == Color.GetRed() && palette[i].rgbGreen == Color.GetGreen() &&
          palette[i].rgbBlue == Color.GetBlue()) {
        return i;
      }
    }
    ZQ_ASSERT(false);
    return 0;
  }

  void SetEntry(int Entry, const ZQR_Color& Color) {
    RGBQUAD& quad = GetPalette()[Entry];
    quad.rgbRed = Color.GetRed();
    quad.rgbGreen = Color.GetGreen();
    quad.rgbBlue = Color.GetBlue();
  }

  bool IsEmpty() const { return Bytes.empty(); }

 private:
  std::vector<BYTE> Bytes;
};

// A device-dependent bitmap of the metric context from the picture as it
// now is.
ZQR_Bitmap CreateDDB(PackedBitmap& Picture) {
  BITMAPINFO* lpbi = Picture.GetInfo();
  ZQ_ASSERT_TEXT(lpbi->bmiHeader.biBitCount == 4, "lpbi->biBitCount == 4");
  if (lpbi->bmiHeader.biBitCount != 4) return ZQR_Bitmap();
  const ZQR_DeviceContext dc = ZQF_GetMetricDC();
  return ZQR_Bitmap(ZQLOW_WINGDI::CreateDIBitmap(dc, &lpbi->bmiHeader, CBM_INIT, Picture.GetBits(),
                                                 lpbi, DIB_RGB_COLORS));
}

}  // namespace

ZQR_Brush ZQF_MakeCheckerboardBrush(const ZQR_Color& Black, const ZQR_Color& White) {
  const ZQR_Bitmap checkerboard(ZQ_String("ZQF_FineCheckerboardBitmap_BlackOnWhite"));
  ZQR_Bitmap pattern;
  pattern.CreateScreenCompatiableBitmap(8, 8);
  {
    ZQR_MemoryDC dc(nullptr, pattern.GetHBITMAP());
    // A monochrome bitmap copied into colour takes the text colour for its
    // black pixels and the background colour for its white ones.
    ZQLOW_WINGDI::SetTextColor(dc.GetHDC(), Black.GetCOLORREF());
    ZQLOW_WINGDI::SetBkColor(dc.GetHDC(), White.GetCOLORREF());
    checkerboard.Draw(dc.GetHDC(), 0, 0, 8, 8, SRCCOPY);
  }
  return ZQR_Brush(pattern);
}

ZQF_ButtonBitmaps ZQF_MakeButtonBitmaps(const char* ResourceName) {
  ZQF_ButtonBitmaps made;
  PackedBitmap picture(ResourceName);
  if (picture.IsEmpty()) return made;
  int entries[NumKeys];
  for (int key = 0; key < NumKeys; ++key) entries[key] = picture.FindEntry(s_keyColors[key]);
  for (int key = 0; key < NumKeys; ++key) {
    picture.SetEntry(entries[key], ZQF_GetColorMetric(s_keyMetrics[key]));
  }
  made.Normal = CreateDDB(picture);
  picture.SetEntry(entries[Key_Yellow], ZQF_GetColorMetric(ZQF_ColorMetric_LabelBackground));
  made.FaceInterior = CreateDDB(picture);
  picture.SetEntry(entries[Key_Black], ZQF_GetColorMetric(ZQF_ColorMetric_ButtonShadow));
  made.Disabled = CreateDDB(picture);
  return made;
}
