// ZQPIC_FontCache.h: the concrete fonts a canvas realised, with their
// metrics in device pixels, keyed by the abstract font's MD4 digest and the
// resolution: a page's text objects set their fonts again and again. Holds
// the last Capacity fonts; a font in use stays alive through its own
// handle when the cache drops it. Shared by a canvas and its section
// canvases (counted). UI thread only.
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
    ZQR_ConcreteFont Font;
    ZQR_FontMetrics MetricsPx;
    // The advances of character codes 0 to 255 in device pixels, read at
    // the first text drawn to a measured width; empty until then.
    std::vector<INT> AdvancesPx;
  };
  static const int Capacity = 16;

  // The cached entry for Font at PixelsPerInch, realised on DC when missing
  // (replacing the oldest entry once full). Failed GDI calls throw.
  const Entry& Realise(const ZQR_AbstractFont& Font, HDC DC, double PixelsPerInch);
  // The 256 advances of Font (selected into DC), read on DC at the first
  // request; null when Font is no longer cached. Failed GDI calls throw.
  const INT* GetAdvances(const ZQR_ConcreteFont& Font, HDC DC);

 private:
  Entry Entries[Capacity];
  int NumEntries = 0;
  int NextToReplace = 0;
};

#endif
