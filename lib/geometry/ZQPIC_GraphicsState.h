// ZQPIC_GraphicsState.h: everything a canvas draws with, as one record that
// its graphics-state stack saves and restores whole. Lengths in
// millimetres. The concrete font and its metrics belong to the canvas that
// realised Font; a plain value otherwise.
#ifndef ZQPIC_GRAPHICSSTATE_H
#define ZQPIC_GRAPHICSSTATE_H

#include "ZQR_AbstractFont.h"
#include "ZQR_Color.h"
#include "ZQR_ConcreteFont.h"
#include "ZQR_FontMetrics.h"

struct ZQPIC_GraphicsState {
  ZQR_AbstractFont Font;          // "Times New Roman", 12 points, 400, upright
  ZQR_ConcreteFont ConcreteFont;  // Font at the canvas's resolution
  // Device pixels per pixel of ConcreteFont: 1 unless Font is too large or
  // too small to realise and ConcreteFont stands in for it at another size.
  double FontScale = 1;
  // What GDI draws Font's text with: ConcreteFont, or Font at its own size
  // (a pixel at least) where ConcreteFont stands in for it too small.
  ZQR_ConcreteFont DrawingFont;
  ZQR_FontMetrics FontMetrics;    // of Font, in millimetres
  ZQR_Color TextColor = ZQR_Color_Black;
  ZQR_Color DrawingColor = ZQR_Color_Black;
  ZQR_Color BackgroundColor = ZQR_Color_White;
  long BackgroundMode = 1;           // 1 transparent, 0 opaque
  long HorizontalJustification = 0;  // 0 start, 1 centre, 2 end
  long VerticalJustification = 0;    // 0 top, 1 middle, 2 bottom
  double LineWidthMm = 0;            // 0: one device pixel
  long LineEndcapStyle = 0;          // 0 round, 1 square, 2 flat
  long LineJoinStyle = 0;            // 0 round, the only join drawn so far
  bool SolidLines = true;            // no dash pattern
};

#endif
