// ZQPIC_FontCache.h: the concrete fonts a canvas realised, with their
// metrics in device pixels, keyed by the abstract font's MD4 digest and the
// resolution: a page's text objects set their fonts again and again. Holds
// the last Capacity fonts; a font in use stays alive through its own
// handle when the cache drops it. A font larger than the font engine can
// realise (its glyphs far larger than any page), or smaller than it can
// measure, is realised at another size and measured to scale. Shared by a
// canvas and its section canvases (counted). UI thread only.
#ifndef ZQPIC_FONTCACHE_H
#define ZQPIC_FONTCACHE_H

#include <vector>

#include "ZQLOW_Windows.h"
#include "ZQR_ConcreteFont.h"
#include "ZQR_FontMetrics.h"
#include "ZQ_CountedBody.h"
#include "ZQ_UID.h"

class ZQR_AbstractFont;

class ZQPIC_FontCache : public ZQ_CountedBody {
 public:
  struct Entry {
    ZQ_UID Key;
    double PixelsPerInch = 0;
    ZQR_ConcreteFont Font;  // what the text is measured with
    // Device pixels per pixel of Font: 1, or another where Font stands in
    // for a font too large or too small to realise.
    double Scale = 1;
    // What GDI draws the text with: Font, or where Font stands in for a font
    // too small to measure, that font at its own size (a pixel at least).
    ZQR_ConcreteFont DrawingFont;
    ZQR_FontMetrics MetricsPx;  // of Font, in its pixels
    // The advances of character codes 0 to 255 in device pixels, read at
    // the first text drawn to a measured width; empty until then.
    std::vector<INT> AdvancesPx;
  };
  static const int Capacity = 16;
  // Fonts of character heights in pixels outside these are realised at
  // StandInHeightPx. The font engine fails beyond 65,535 and measures
  // nothing there; below two pixels it realises a font at one pixel and
  // measures text up to half as wide again or half as narrow.
  static constexpr double SmallestRealisedPx = 2;
  static constexpr double LargestRealisedPx = 16384;
  static constexpr double StandInHeightPx = 4096;

  // The cached entry for Font at PixelsPerInch, realised on DC when missing
  // (replacing the oldest entry once full). Failed GDI calls throw.
  const Entry& Realise(const ZQR_AbstractFont& Font, HDC DC, double PixelsPerInch);
  // The 256 advances of Font, read on DC at the first request (with Font
  // selected for the reading), in pixels of Font (before Scale); null when
  // Font is no longer cached. Failed GDI calls throw.
  const INT* GetAdvances(const ZQR_ConcreteFont& Font, HDC DC);

 private:
  Entry Entries[Capacity];
  int NumEntries = 0;
  int NextToReplace = 0;
};

#endif
