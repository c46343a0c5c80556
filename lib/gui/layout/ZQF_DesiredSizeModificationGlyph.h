// ZQF_DesiredSizeModificationGlyph.h: a transparent one-client wrapper that
// replaces parts of its client's desired size by fixed values (held as the
// wrapper's own desired size, set by the setters) or by simple rules. The
// options name, per axis, where each value comes from; without options the
// wrapper desires exactly what its client does. The client gets the whole
// box. The setters only store: a size that was stale stays stale, so the next
// desired-size pass still recomputes it.
#ifndef ZQF_DESIREDSIZEMODIFICATIONGLYPH_H
#define ZQF_DESIREDSIZEMODIFICATIONGLYPH_H

#include "ZQF_NullContainerGlyph.h"

class ZQF_DesiredSizeModificationGlyph : public ZQF_NullContainerGlyph {
 public:
  // X options; the Y options are the same shifted left by Option_YShift. When
  // several minimum (or maximum) options are set, the earlier one in the
  // order natural, zero (unlimited), keep wins.
  enum : unsigned long {
    Option_KeepMinimumX = 0x1,
    Option_MinimumIsNaturalX = 0x2,
    Option_MinimumIsZeroX = 0x4,
    Option_KeepNaturalX = 0x8,
    Option_KeepMaximumX = 0x10,
    Option_MaximumIsNaturalX = 0x20,
    Option_MaximumIsUnlimitedX = 0x40,
    Option_YShift = 7
  };

  ZQF_DesiredSizeModificationGlyph(ZQF_Glyph* Client, unsigned long Options);

  // Each pair is (X, Y).
  void SetDesiredSize(const ZQ_Point<long>& Natural, const ZQ_Point<long>& Minimum,
                      const ZQ_Point<long>& Maximum);
  void SetHorizontalDesiredSize(long Natural, long Minimum, long Maximum);
  void SetVerticalDesiredSize(long Natural, long Minimum, long Maximum);

  void UpdateMyDesiredSize() override;

 private:
  unsigned long Options;
};

#endif
