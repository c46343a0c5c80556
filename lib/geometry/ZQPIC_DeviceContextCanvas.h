// ZQPIC_DeviceContextCanvas.h: the canvas over a Windows device context
// (screen, printer or memory), drawing with GDI into a pixel rectangle that
// stands for the canvas area. The context stays in MM_TEXT; the canvas maps
// millimetres itself (ZQPIC_DeviceMapping). Lines, fills and images reach
// GDI cut to what the context's clipping shows (ZQPIC_DeviceClip), however
// large they are, and text too large for GDI to draw at its cost is drawn as
// what shows of its glyph outlines. Initialize saves the context's state and
// clips to the rectangle; the destructor restores that state. The context is
// borrowed and must outlive the canvas. Failed GDI calls throw
// ZQ_Exception through the wrappers. UI thread only.
#ifndef ZQPIC_DEVICECONTEXTCANVAS_H
#define ZQPIC_DEVICECONTEXTCANVAS_H

#include <vector>

#include "ZQIMG_Image.h"
#include "ZQLOW_WINGDI.h"
#include "ZQPIC_Canvas.h"
#include "ZQPIC_DeviceClip.h"
#include "ZQPIC_DeviceMapping.h"
#include "ZQPIC_FontCache.h"
#include "ZQ_Owned.h"

class ZQPIC_DeviceContextCanvas : public ZQPIC_Canvas {
 public:
  // PixelRect {x, y, width, height} in the context's pixels stands for
  // SizeMM; with SizeMM (0, 0) (or any size not positive both ways) the
  // device's own resolution applies: HORZRES / HORZSIZE and VERTRES /
  // VERTSIZE, which on the screen agree with the toolkit's size metrics, and
  // on a printer LOGPIXELSX and LOGPIXELSY / 25.4 (its HORZSIZE is whole
  // millimetres). DeviceKind: 0 screen, 1 printer, 3 memory image (2 only
  // makes Clear do nothing).
  ZQPIC_DeviceContextCanvas(HDC DC, const ZQ_Rectangle<long>& PixelRect, long DeviceKind = 0,
                            const ZQ_Point<double>& SizeMM = ZQ_Point<double>(0, 0));
  // Restores the context's state when Initialize ran; flushes GDI's batch
  // when a backing image is attached, so that its pixels are complete.
  ~ZQPIC_DeviceContextCanvas() override;

  // Keeps Image (selected into the context by the caller) alive while the
  // canvas lives. A second image fails "BackingImage.IsEmpty()".
  void SetBackingImage(const ZQIMG_Image& Image);

  ZQ_Point<double> GetCanvasSizeInMillimeters() const override { return SizeMm; }
  ZQ_Point<double> GetCanvasSizeInPixels() const override;
  ZQ_Rectangle<double> GetClipRectangle() const override;
  ZQ_Point<double> GetDevicePixelsPerMillimeter() const override { return Mapping.GetPixelsPerMm(); }
  ZQ_Point<double> GetDevicePerImagePixelFactor() const override;
  ZQ_Point<double> GetTextSizeInMillimeters(const ZQ_String& Text) const override;
  long GetDeviceKind() const override { return DeviceKind; }
  bool Imp_GetCapability(long Code) const override;
  ZQR_Color GetClosestColor(const ZQR_Color& Color) const override;

 protected:
  // The canvas over RectMm of Target: Target's context, resolution, device
  // kind and font cache.
  ZQPIC_DeviceContextCanvas(const ZQPIC_DeviceContextCanvas& Target,
                            const ZQ_Rectangle<double>& RectMm);

  void Imp_Initialize() override;
  void Imp_RealiseFont(ZQPIC_GraphicsState& State) override;
  void Imp_DrawText(const ZQ_String& Text, const ZQ_Point<double>& TopLeft) override;
  void Imp_DrawImage(const ZQIMG_Image& Image, const ZQ_Point<double>& TopLeft,
                     const ZQ_Point<long>& SizePx) override;
  void Imp_DrawPolyline(const ZQCG_Line& Line) override;
  void Imp_FillPolygon(const ZQCG_Polygon& Polygon, const ZQR_Color& Color) override;
  ZQ_Point<long> Imp_GetDeviceSize(double WidthMm, double HeightMm) const override;

 private:
  using OwnedPen = ZQ_Owned<HPEN, &ZQLOW_WINGDI::DeleteObject>;
  // What the current pen was made for.
  struct PenKey {
    COLORREF Color;
    long WidthPx;  // 0: one pixel, cosmetic
    long Endcap;
    bool operator!=(const PenKey& Other) const {
      return Color != Other.Color || WidthPx != Other.WidthPx || Endcap != Other.Endcap;
    }
  };

  // The current line width in device pixels; 0 for a one-pixel line.
  long GetPenWidthPx() const;
  // Selects the pen of the current state, made again only when it changed.
  void SelectPen();
  // What of the device can be seen: its clipping within the canvas's pixels.
  ZQPIC_DeviceClip GetVisibleClip() const;
  // Fills the polygons of Counts points each, in turn from Points, with
  // Color and no outline: each on its own, or AsOneShape, the contours of
  // one shape by the nonzero winding rule.
  void FillPolygons(const ZQPIC_DeviceClip::Points& Points, const std::vector<int>& Counts, COLORREF Color,
                    bool AsOneShape = false);
  // Whether the current text is drawn from its glyph outlines rather than by
  // GDI: a stand-in font's, and on a screen or an image one whose cell is
  // taller than ZQPIC_DeviceClip::OrdinaryPx.
  bool IsDrawnFromOutlines() const;
  // Selects Font, unless it is selected already.
  void SelectFont(const ZQR_ConcreteFont& Font);
  // Whether the selected font's character set is the symbol one.
  bool IsSymbolFontSelected();
  // The advances of character codes 0 to 255 in the current font's pixels.
  const INT* GetAdvanceTable();
  // Text (its font selected) as the filled parts of its glyph outlines that
  // Clip shows, with its background where it is opaque; GDI is asked only
  // for the glyphs whose cells come near what shows.
  void DrawTextOutlines(const ZQ_String& Text, const ZQ_Point<double>& TopLeft, const ZQPIC_DeviceClip& Clip);
  // Fills Advances with the character advances of Text in the current font,
  // scaled to add up to SpanPx (where it is negative, to the text's own
  // width at the font's scale); false (drawing at the font's own advances)
  // when the font gives the text no width, the span is negative for a font
  // at its own size, or a printer's text already spans it.
  bool SpreadAdvances(const ZQ_String& Text, long SpanPx);
  // The finite ones of Count points mapped to device pixels, into Mapped.
  void MapPoints(const ZQ_Point<double>* Points, long Count);
  // Count points from Points rounded into PointBuffer.
  void RoundPoints(const ZQ_Point<double>* Points, int Count);

  const HDC DC;
  const ZQPIC_DeviceMapping Mapping;
  const ZQ_Point<double> SizeMm;
  const long DeviceKind;
  const bool IsPrinter;  // a printer's context, whatever the device kind says
  const ZQ_CountedHandle<ZQPIC_FontCache> Fonts;
  int SavedState = 0;  // SaveDC's number once Initialize ran
  ZQIMG_Image BackingImage;
  // The font last selected for text or measuring: held until the destructor
  // has restored the context, since the cache may drop it while the context
  // still uses it.
  mutable ZQR_ConcreteFont SelectedFont;
  OwnedPen Pen;
  PenKey CurrentPenKey{};
  // The text attributes set on the context since Initialize: each GDI call
  // costs under Wine about as much as drawing a word, so text drawing sets
  // only what changed. CLR_INVALID and 0: not set yet.
  COLORREF DCTextColor = CLR_INVALID;
  int DCBackgroundMode = 0;
  COLORREF DCBackgroundColor = CLR_INVALID;
  // Reused by every polyline and polygon: the points mapped, what of them
  // is drawn, and that rounded.
  ZQPIC_DeviceClip::Points Mapped, Cut;
  std::vector<int> CutCounts;
  std::vector<POINT> PointBuffer;
  std::vector<INT> Advances;       // reused by every text drawn to a span
  std::vector<INT> OwnAdvances;    // a font's advances the cache no longer holds
  std::vector<char> OutlineBuffer;  // reused by every glyph drawn as its outline
  std::vector<WCHAR> WideText;      // reused by every symbol font's text drawn to a span
  ZQR_ConcreteFont CharacterSetFont;  // the font SymbolFontSelected tells of
  bool SymbolFontSelected = false;
};

// The module's stage callback: starts GDI+ at stage 1 and gives that start
// up at stage 13. Registered by the module.
void ZQPIC_DeviceContextCanvas_InitializationServiceCallback(int Stage);

#endif
