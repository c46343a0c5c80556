// ZQF_Canvas.h: the drawing surface every glyph's DrawSelf receives. It
// wraps one device context for the length of one paint and keeps the origin
// of the glyph being drawn (every operation takes glyph-local coordinates),
// a pen, a font, the draw mode, the keyboard-cue flags (bit 0: focus
// indicators, bit 1: mnemonic underlines), the on-focus-path flag of the
// glyph being drawn, and a stack of clipping regions (device coordinates).
// Rectangles handed to GDI are clamped into [-32500, 32500]; text and
// images placed outside that range are not drawn.
// A handle on a body, ZQF_CanvasImp (ZQF_CanvasImp.h), which it owns; made
// on the stack by the painting code and never copied. Text, labels and
// pictures are drawn in ZQF_CanvasText.cpp, borders, separators and the
// focus indicator in ZQF_CanvasBorders.cpp. Needs the metrics (stage 1).
// Failed Windows calls throw through the wrappers. UI thread only.
#ifndef ZQF_CANVAS_H
#define ZQF_CANVAS_H

#include "ZQLOW_Windows.h"
#include "ZQ_Point.h"
#include "ZQ_Rectangle.h"
#include "ZQ_String.h"

class ZQR_Color;
class ZQR_Brush;
class ZQR_Bitmap;
class ZQR_TransparentBitmap;
class ZQR_ConcreteFont;
class ZQIMG_Image;
class ZQF_CanvasImp;

class ZQF_Canvas {
 public:
  // Takes ownership of ClippingRegion.
  ZQF_Canvas(HDC DeviceContext, HRGN ClippingRegion, bool OnFocusPath);
  ZQF_Canvas(const ZQF_Canvas&) = delete;
  ZQF_Canvas& operator=(const ZQF_Canvas&) = delete;
  // Deletes the clipping region and gives the context back its pen.
  ~ZQF_Canvas();

  HDC GetHDC() const;
  bool IsOnFocusPath() const;
  void SetOnFocusPath(bool OnFocusPath);
  void SetOrigin(const ZQ_Point<long>& Origin);
  long GetKeyboardCues() const;
  void SetKeyboardCues(long Flags);
  // 0 opaque text background, non-zero transparent.
  long GetDrawMode() const;
  void SetDrawMode(long Mode);
  ZQR_Color GetTextColor() const;
  void SetTextColor(const ZQR_Color& Color);
  ZQR_Color GetBackgroundColor() const;
  void SetBackgroundColor(const ZQR_Color& Color);
  // (T + 2 x B) / 3 per channel of the text and background colours.
  ZQR_Color GetDisabledTextColor() const;
  void SetPenColor(const ZQR_Color& Color);
  // 0 solid, 1 dotted, 2 dashed, 3 no line.
  void SetLineStyle(long Style);
  void SetFont(const ZQR_ConcreteFont& Font);

  // Lines and shapes.
  void FirstPt(const ZQ_Point<long>& Point);
  void NextPt(const ZQ_Point<long>& Point);
  void DrawLine(const ZQ_Point<long>& From, const ZQ_Point<long>& To);
  void Draw(const ZQ_Rectangle<long>& Rectangle);
  // One line through Count points with the pen, in one call; like LineTo,
  // the last point itself is left undrawn.
  void DrawPolyline(const ZQ_Point<long>* Points, int Count);
  void Fill(const ZQ_Rectangle<long>& Rectangle);
  void Fill(const ZQ_Rectangle<long>& Rectangle, const ZQR_Color& Color);
  void Fill(const ZQ_Rectangle<long>& Rectangle, const ZQR_Brush& Brush);
  void Invert(const ZQ_Rectangle<long>& Rectangle);

  // Text. Alignment codes: 0 start, 1 centre, 2 end.
  void Draw(const char* Text, long Length, long X, long Y);
  void Draw(const ZQ_String& Text, const ZQ_Rectangle<long>& Rectangle, int HorizontalCode,
            int VerticalCode);
  void DrawDisabled(const ZQ_String& Text, const ZQ_Rectangle<long>& Rectangle,
                    int HorizontalCode, int VerticalCode);
  void DrawLabel(const ZQ_String& Text, const ZQ_Point<long>& Point);
  void DrawLabelDisabled(const ZQ_String& Text, const ZQ_Point<long>& Point);
  void DrawLabel(const ZQ_String& Text, const ZQ_Rectangle<long>& Rectangle, int HorizontalCode,
                 int VerticalCode, bool UnderlineMnemonics);
  void DrawLabelDisabled(const ZQ_String& Text, const ZQ_Rectangle<long>& Rectangle,
                         int HorizontalCode, int VerticalCode, bool UnderlineMnemonics);
  // Measured on the shared metric device context: usable without a canvas.
  static ZQ_Point<long> ComputeSizeWithLineBreaks(const ZQ_String& Text,
                                                  const ZQR_ConcreteFont& Font, long MaxWidth);
  void DrawWithLineBreaks(const ZQ_String& Text, const ZQ_Rectangle<long>& Rectangle,
                          int HorizontalCode, int VerticalCode);

  // Bitmaps and images.
  void Draw(const ZQR_Bitmap& Bitmap, const ZQ_Point<long>& Location, const ZQ_Point<long>& Size);
  void Draw(const ZQR_TransparentBitmap& Bitmap, const ZQ_Point<long>& Location,
            const ZQ_Point<long>& Size);
  void Draw(const ZQIMG_Image& Image, const ZQ_Point<long>& Location, const ZQ_Point<long>& Size);
  ZQR_Bitmap GetAsBitmap(const ZQ_Rectangle<long>& Rectangle);

  // Focus indicator, borders and separators. Border codes 0 to 8,
  // separator codes 0 to 5; Options bit 0 asks for focus highlighting.
  void DrawFocusIndicator(const ZQ_Rectangle<long>& Rectangle);
  static ZQ_Point<long> GetBorderSize(int BorderCode);
  void DrawBorder(const ZQ_Rectangle<long>& Rectangle, int BorderCode, long Options);
  // BorderThickness {tx, ty}: min(tx, ty) outlines shrinking on every side,
  // then further ones shrinking along the thicker axis only.
  void DrawBorder(const ZQ_Rectangle<long>& Rectangle, const ZQR_Color& Color,
                  const ZQ_Point<long>& BorderThickness);
  static long GetSeparatorLineThickness(int SeparatorCode);
  void DrawHorizontalSeparatorLine(long X1, long X2, long Y, int SeparatorCode);

  // Clipping. Flag 1: the rectangle is in the current glyph's coordinates;
  // any other value: window coordinates.
  bool IsVisible(long X, long Y, long Width, long Height, int Flag);
  ZQ_Rectangle<long> GetSmallestRectEnclosingClippingRegion(int Flag);
  // False exactly when the region becomes empty; neither selects it.
  bool IntersectClippingRegion(long X, long Y, long Width, long Height, int Flag);
  bool ExcludeClippingRegion(long X, long Y, long Width, long Height, int Flag);
  void UseClippingRegion();
  void PushClippingRegion();
  // Asserts "N > 0" on an empty stack; does not select the region.
  void PopClippingRegion();
  long GetClippingRegionDepth() const;
  void SetClippingRegionOffset(long X, long Y);

 private:
  ZQF_CanvasImp* Imp;
};

#endif
