#include "ZQPIC_FontCache.h"

#include <cmath>

#include "ZQR_AbstractFont.h"
#include "ZQ_Hasher.h"
#include "ZQ_StackTrace.h"

const ZQPIC_FontCache::Entry& ZQPIC_FontCache::Realise(const ZQR_AbstractFont& Font, HDC DC,
                                                       double PixelsPerInch) {
  ZQ_TRACE_FUNCTION("ZQPIC_FontCache::Realise");
  ZQ_Hasher hasher;
  hasher << Font;
  const ZQ_UID key = hasher.GetHash();
  for (int i = 0; i < NumEntries; ++i) {
    if (Entries[i].Key == key && Entries[i].PixelsPerInch == PixelsPerInch) return Entries[i];
  }
  // Realised before the slot changes: a failure leaves the cache as it was.
  const double heightPx = std::fabs(static_cast<double>(Font.GetHeight())) * PixelsPerInch / 72.0;
  double scale = 1;
  ZQR_AbstractFont realised = Font;
  if (heightPx > LargestRealisedPx || heightPx < SmallestRealisedPx) {
    scale = heightPx / StandInHeightPx;
    realised.SetHeight(static_cast<float>(std::copysign(StandInHeightPx * 72.0 / PixelsPerInch, Font.GetHeight())));
  }
  const ZQR_ConcreteFont font(realised, DC, PixelsPerInch);
  const ZQR_ConcreteFont drawing = scale < 1 ? ZQR_ConcreteFont(Font, DC, PixelsPerInch) : font;
  const ZQR_FontMetrics metrics = font.GetFontMetrics(DC);
  int index = NumEntries;
  if (NumEntries < Capacity) {
    ++NumEntries;
  } else {
    index = NextToReplace;
    NextToReplace = (NextToReplace + 1) % Capacity;
  }
  Entry& slot = Entries[index];
  slot.Key = key;
  slot.PixelsPerInch = PixelsPerInch;
  slot.Font = font;
  slot.Scale = scale;
  slot.DrawingFont = drawing;
  slot.MetricsPx = metrics;
  slot.AdvancesPx.clear();
  return slot;
}

const INT* ZQPIC_FontCache::GetAdvances(const ZQR_ConcreteFont& Font, HDC DC) {
  for (int i = 0; i < NumEntries; ++i) {
    Entry& entry = Entries[i];
    if (!(entry.Font == Font)) continue;
    if (entry.AdvancesPx.empty()) {
      const ZQ_Array<long> widths = Font.GetWidthTable(DC);
      for (long code = 0; code < 256; ++code) entry.AdvancesPx.push_back(widths[code]);
    }
    return entry.AdvancesPx.data();
  }
  return nullptr;
}
