// ZQPIC_Canvas.h: the device-independent drawing surface. Lengths are
// millimetres; the origin is the lower-left corner and y grows upward.
// Drawing uses the current graphics state, which a stack of up to any depth
// saves and restores whole. Back ends supply the device: they realise fonts,
// draw the placed text, images and lines, and answer the device queries.
// Initialize must run before the first drawing call (the assertion
// "Initialized"). Failed Windows calls throw ZQ_Exception through the
// wrappers. Not copyable. UI thread only.
#ifndef ZQPIC_CANVAS_H
#define ZQPIC_CANVAS_H

#include "ZQPIC_GraphicsState.h"
#include "ZQ_Point.h"
#include "ZQ_Rectangle.h"
#include "ZQ_Stack.h"
#include "ZQ_String.h"

class ZQCG_Line;
class ZQCG_Polygon;
class ZQIMG_Image;

class ZQPIC_Canvas {
 public:
  ZQPIC_Canvas(const ZQPIC_Canvas&) = delete;
  ZQPIC_Canvas& operator=(const ZQPIC_Canvas&) = delete;
  virtual ~ZQPIC_Canvas();

  // Prepares the device (once), then sets the default graphics state.
  void Initialize();
  bool IsInitialized() const { return Initialized; }

  // ---- Graphics state
  void PushGraphicsState();
  // An empty stack fails "N > 0" and leaves the state as it is.
  void PopGraphicsState();
  // The defaults of ZQPIC_GraphicsState; the font realised again.
  void SetToDefaultGraphicsState();
  // Realises Font at the canvas's resolution (pixels per inch = vertical
  // pixels per millimetre × 25.4).
  void SetFont(const ZQR_AbstractFont& Font);
  // The current font's metrics in millimetres.
  const ZQR_FontMetrics& GetFontMetrics() const { return State.FontMetrics; }
  void SetTextColor(const ZQR_Color& Color) { State.TextColor = Color; }
  void SetDrawingColor(const ZQR_Color& Color) { State.DrawingColor = Color; }
  void SetBackgroundColor(const ZQR_Color& Color) { State.BackgroundColor = Color; }
  // 1 transparent, 0 opaque: opaque text first fills its box with the
  // background colour. Another code fails "(Mode == 0) or (Mode == 1)".
  void SetBackgroundMode(long Mode);
  // Where the anchor of text and images lies on their box: horizontally
  // 0 the left edge, 1 the middle, 2 the right edge; vertically 0 the top
  // edge, 1 the middle, 2 the bottom edge. Another code fails
  // "(Code >= 0) and (Code <= 2)" and changes nothing.
  void SetHorizontalJustification(long Code);
  long GetHorizontalJustification() const { return State.HorizontalJustification; }
  void SetVerticalJustification(long Code);
  long GetVerticalJustification() const { return State.VerticalJustification; }
  // 0 draws one device pixel wide; a negative width counts as 0.
  void SetLineWidthInMillimeters(double Width) { State.LineWidthMm = Width > 0 ? Width : 0; }
  // 0 round, 1 square, 2 flat; another code fails "(Code >= 0) and (Code <= 2)".
  void SetLineEndcapStyle(long Code);
  long GetLineEndcapStyle() const { return State.LineEndcapStyle; }
  // The line resets: solid lines, the default (round) join, end cap 0.
  void ClearDashPattern() { State.SolidLines = true; }
  void ResetLineJoinStyle() { State.LineJoinStyle = 0; }
  void ResetLineEndcapStyle() { State.LineEndcapStyle = 0; }
  // The whole current state, for comparing states.
  const ZQPIC_GraphicsState& GetGraphicsState() const { return State; }

  // ---- Drawing
  // Text in the text colour, its extent placed about At by the justifications.
  void CanvasDraw(const ZQ_String& Text, const ZQ_Point<double>& At);
  // The same, spanning exactly WidthMm, the width a layout measured for it:
  // the characters' advances are scaled so that the text ends there, since
  // the device's own advances may differ from what was measured (another
  // resolution, or a rasteriser that rounds them otherwise) and would make
  // the blanks between words uneven. A WidthMm that is not positive and
  // finite draws the text at its own width.
  void CanvasDraw(const ZQ_String& Text, const ZQ_Point<double>& At, double WidthMm);
  // Image stretched to WidthMM × HeightMM (on the device at least one pixel
  // each way), placed about At by the justifications.
  void CanvasDraw(const ZQIMG_Image& Image, const ZQ_Point<double>& At, double WidthMM,
                  double HeightMM);
  // A polyline in the drawing colour, line width and end cap.
  void CanvasDraw(const ZQCG_Line& Line);
  // Filled with the background colour, without an outline.
  void CanvasDraw(const ZQCG_Polygon& Polygon);
  // Fills the canvas area with the default background colour, or Color;
  // nothing for device kind 2.
  void Clear();
  void Clear(const ZQR_Color& Color);

  // ---- Queries
  // (0, 0, width, height).
  ZQ_Rectangle<double> GetCanvasArea() const;
  virtual ZQ_Point<double> GetCanvasSizeInMillimeters() const = 0;
  virtual ZQ_Point<double> GetCanvasSizeInPixels() const = 0;
  // The canvas area cut by the device's clipping.
  virtual ZQ_Rectangle<double> GetClipRectangle() const = 0;
  virtual ZQ_Point<double> GetDevicePixelsPerMillimeter() const = 0;
  // The device's pixels per millimetre over the screen's: how many device
  // pixels an image pixel takes to keep its size on the screen.
  virtual ZQ_Point<double> GetDevicePerImagePixelFactor() const = 0;
  // Width and height of Text in the current font.
  virtual ZQ_Point<double> GetTextSizeInMillimeters(const ZQ_String& Text) const = 0;
  // 0 screen, 1 printer, 3 memory image; 2 makes Clear do nothing.
  virtual long GetDeviceKind() const = 0;
  // Code 4: the device shows every RGB colour. Other codes: false.
  virtual bool Imp_GetCapability(long Code) const = 0;
  // The nearest colour the device shows.
  virtual ZQR_Color GetClosestColor(const ZQR_Color& Color) const = 0;
  ZQR_Color GetDefaultBackgroundColor() const { return ZQR_Color_White; }

 protected:
  ZQPIC_Canvas() = default;

  // The back end's part of Initialize, run once.
  virtual void Imp_Initialize() = 0;
  // Fills State.ConcreteFont and State.FontMetrics (millimetres) for State.Font.
  virtual void Imp_RealiseFont(ZQPIC_GraphicsState& State) = 0;
  // Text with its box's top-left corner at TopLeft, spanning GetTextSpanMm().
  virtual void Imp_DrawText(const ZQ_String& Text, const ZQ_Point<double>& TopLeft) = 0;
  // While Imp_DrawText runs: the width in millimetres the text must span,
  // 0 for its own width.
  double GetTextSpanMm() const { return TextSpanMm; }
  // Image at SizePx device pixels, its top-left corner at TopLeft.
  virtual void Imp_DrawImage(const ZQIMG_Image& Image, const ZQ_Point<double>& TopLeft,
                             const ZQ_Point<long>& SizePx) = 0;
  virtual void Imp_DrawPolyline(const ZQCG_Line& Line) = 0;
  virtual void Imp_FillPolygon(const ZQCG_Polygon& Polygon, const ZQR_Color& Color) = 0;
  // The device size, rounded, of a length in millimetres: at least 1, at
  // most the device's coordinate limit; 0 for a length that is not finite.
  virtual ZQ_Point<long> Imp_GetDeviceSize(double WidthMm, double HeightMm) const = 0;

 private:
  // The top-left corner of a box of Size placed about At.
  ZQ_Point<double> PlaceBox(const ZQ_Point<double>& At, const ZQ_Point<double>& Size) const;
  void AssertInitialized() const;

  bool Initialized = false;
  double TextSpanMm = 0;
  ZQPIC_GraphicsState State;
  ZQ_Stack<ZQPIC_GraphicsState, 20> SavedStates;
};

#endif
