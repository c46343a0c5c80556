// ZQFO_TextWidthCache.h: the widths of the texts a layout measured, so that
// the next layout of the same document (another page size, the display's
// scroll-bar trials) measures no word again. A width is kept per font and
// text for the canvas it was measured on: a canvas of another class, device
// kind or resolution drops every width first. Part of a renderer's
// ZQFO_Cache; the renderer drops the widths with a new document, and keeps
// them across layouts only on the screen. UI thread only.
#ifndef ZQFO_TEXTWIDTHCACHE_H
#define ZQFO_TEXTWIDTHCACHE_H

#include <typeindex>

#include "ZQR_AbstractFont.h"
#include "ZQ_Map.h"
#include "ZQ_Point.h"
#include "ZQ_String.h"

class ZQPIC_Canvas;

class ZQFO_TextWidthCache {
 public:
  ZQFO_TextWidthCache();
  ~ZQFO_TextWidthCache();
  ZQFO_TextWidthCache(const ZQFO_TextWidthCache&) = delete;
  ZQFO_TextWidthCache& operator=(const ZQFO_TextWidthCache&) = delete;

  // Text's width in Font on Canvas, millimetres: measured at its first
  // request (Font set on Canvas first), remembered after. A font that does
  // not equal itself (a height that is not a number) is measured each time.
  double GetTextWidth(ZQPIC_Canvas& Canvas, const ZQR_AbstractFont& Font, const ZQ_String& Text);
  void Clear();

 private:
  // What besides font and text decides a width.
  struct CanvasSignature {
    std::type_index Class = typeid(void);
    long DeviceKind = -1;
    ZQ_Point<double> PixelsPerMm;
    bool operator==(const CanvasSignature& Other) const;
  };
  struct FontKey {
    ZQR_AbstractFont Font;
    unsigned long GetHashValue() const;
    bool operator==(const FontKey& Other) const { return Font == Other.Font; }
  };
  struct WidthKey {
    long FontNumber;
    ZQ_String Text;
    unsigned long GetHashValue() const;
    bool operator==(const WidthKey& Other) const;
  };

  double Measure(ZQPIC_Canvas& Canvas, const ZQR_AbstractFont& Font, const ZQ_String& Text) const;
  long GetFontNumber(const ZQR_AbstractFont& Font);

  CanvasSignature Signature;
  ZQ_Map<FontKey, long> FontNumbers;
  ZQ_Map<WidthKey, double> Widths;
  // The font of the last request: the words of a paragraph mostly share one.
  ZQR_AbstractFont LastFont;
  long LastFontNumber = -1;
};

#endif
