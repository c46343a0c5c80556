// The desired-size wrapper.
#include "ZQF_DesiredSizeModificationGlyph.h"

#include "ZQF_AlignmentGlyph.h"
#include "ZQ_Assertion.h"

namespace {

// One axis of a desired size.
struct Axis {
  long& Natural;
  long& Minimum;
  long& Maximum;
};

// Replaces the own values that the options (one axis's bits, moved to the X
// positions) do not keep by the client's or by the rule's.
void ModifyAxis(Axis Own, long ClientNatural, long ClientMinimum, long ClientMaximum,
                unsigned long Options) {
  using Glyph = ZQF_DesiredSizeModificationGlyph;
  if (Options & Glyph::Option_MinimumIsNaturalX) {
    Own.Minimum = ClientNatural;
  } else if (Options & Glyph::Option_MinimumIsZeroX) {
    Own.Minimum = 0;
  } else if (!(Options & Glyph::Option_KeepMinimumX)) {
    Own.Minimum = ClientMinimum;
  }
  if (!(Options & Glyph::Option_KeepNaturalX)) Own.Natural = ClientNatural;
  if (Options & Glyph::Option_MaximumIsNaturalX) {
    Own.Maximum = ClientNatural;
  } else if (Options & Glyph::Option_MaximumIsUnlimitedX) {
    Own.Maximum = ZQF_AlignmentGlyph::StretchMaximum;
  } else if (!(Options & Glyph::Option_KeepMaximumX)) {
    Own.Maximum = ClientMaximum;
  }
}

// Runs a setter and marks the size stale again when it was stale before.
template <class Setter>
void KeepStaleMark(ZQF_DesiredSize& Size, Setter Set) {
  const bool wasStale = !Size.IsValid();
  Set();
  if (wasStale) Size.MakeStale();
}

}  // namespace

ZQF_DesiredSizeModificationGlyph::ZQF_DesiredSizeModificationGlyph(ZQF_Glyph* Client,
                                                                   unsigned long Options)
    : ZQF_NullContainerGlyph(Client), Options(Options) {}

void ZQF_DesiredSizeModificationGlyph::SetDesiredSize(const ZQ_Point<long>& Natural,
                                                      const ZQ_Point<long>& Minimum,
                                                      const ZQ_Point<long>& Maximum) {
  KeepStaleMark(DesiredSize, [&] {
    DesiredSize.Natural = Natural;
    DesiredSize.Minimum = Minimum;
    DesiredSize.Maximum = Maximum;
  });
}

void ZQF_DesiredSizeModificationGlyph::SetHorizontalDesiredSize(long Natural, long Minimum,
                                                                long Maximum) {
  KeepStaleMark(DesiredSize, [&] { DesiredSize.SetX(Natural, Minimum, Maximum); });
}

void ZQF_DesiredSizeModificationGlyph::SetVerticalDesiredSize(long Natural, long Minimum,
                                                              long Maximum) {
  KeepStaleMark(DesiredSize, [&] { DesiredSize.SetY(Natural, Minimum, Maximum); });
}

void ZQF_DesiredSizeModificationGlyph::UpdateMyDesiredSize() {
  // The stale mark complements the kept natural width: undo it first.
  DesiredSize.MakeValid();
  ZQ_ASSERT_TEXT(GetFirstChild() != nullptr, "Child");
  if (!GetFirstChild()) return;
  const ZQF_DesiredSize& client = GetFirstChild()->GetDesiredSize();
  client.CheckConsistency();
  client.CheckValidity();
  ZQF_DesiredSize& own = DesiredSize;
  const unsigned long axisMask = (1UL << Option_YShift) - 1;
  ModifyAxis({own.Natural.X, own.Minimum.X, own.Maximum.X}, client.Natural.X, client.Minimum.X,
             client.Maximum.X, Options & axisMask);
  ModifyAxis({own.Natural.Y, own.Minimum.Y, own.Maximum.Y}, client.Natural.Y, client.Minimum.Y,
             client.Maximum.Y, (Options >> Option_YShift) & axisMask);
}
