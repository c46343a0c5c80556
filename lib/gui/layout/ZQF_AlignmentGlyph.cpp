// Rows and columns: desired sizes, the shared distribution and the column's
// drawing of its visible children.
#include "ZQF_AlignmentGlyph.h"

#include <algorithm>

#include "ZQF_Canvas.h"
#include "ZQ_Assertion.h"
#include "ZQ_Numeric.h"

void ZQF_AlignmentGlyph::AddToStart(ZQF_Glyph* Child) { AddChild(Child, false); }

void ZQF_AlignmentGlyph::AddToEnd(ZQF_Glyph* Child) { AddChild(Child, true); }

void ZQF_AlignmentGlyph::AddBefore(ZQF_Glyph* Child, ZQF_Glyph* ExistingChild) {
  AddBeforeChild(Child, ExistingChild);
}

void ZQF_AlignmentGlyph::AddAfter(ZQF_Glyph* Child, ZQF_Glyph* ExistingChild) {
  AddAfterChild(Child, ExistingChild);
}

void ZQF_AlignmentGlyph::AssertAlignment(long Alignment) {
  ZQ_ASSERT_TEXT(Alignment >= 0 && Alignment <= 2, "Alignment >= 0 and Alignment <= 2");
}

namespace {

// One axis of a desired size, named by the axis it belongs to.
long& Along(ZQ_Point<long>& P, bool X) { return X ? P.X : P.Y; }
long Along(const ZQ_Point<long>& P, bool X) { return X ? P.X : P.Y; }

// Marks a child whose share was rounded down; a zero size carries no mark.
struct Distribution {
  ZQ_Array<long>& Sizes;
  ZQ_Array<char> RoundedDown;
  long Count;

  Distribution(ZQ_Array<long>& Sizes, long Count)
      : Sizes(Sizes), RoundedDown(Count, 0), Count(Count) {}

  // Sizes[i] = Base[i] + Sign * round(share) for share = Weight[i] * T / W.
  void Share(const ZQ_Array<long>& Base, const ZQ_Array<long>& Weights, double WeightSum,
             double Amount, long Sign) {
    for (long i = 0; i < Count; ++i) {
      const double share = Weights[i] * Amount / WeightSum;
      const long r = static_cast<long>(ZQ_Round(share));
      Sizes[i] = Base[i] + Sign * r;
      RoundedDown[i] = r < share && Sizes[i] != 0;
    }
  }
  double Sum() const {
    double sum = 0;
    for (long i = 0; i < Count; ++i) sum += Sizes[i];
    return sum;
  }
  // One pass: marked children move by MarkedStep while Leftover has that
  // sign, unmarked ones by the other step; the rest of Leftover is dropped.
  void Correct(long Leftover, long MarkedStep) {
    for (long i = 0; i < Count && Leftover != 0; ++i) {
      const long step = RoundedDown[i] ? MarkedStep : -MarkedStep;
      if ((Leftover > 0) == (step > 0)) {
        Sizes[i] += step;
        Leftover -= step;
      }
    }
  }
};

}  // namespace

void ZQF_AlignmentGlyph::ProcessAcceptLayout(
    long MainExtent, long CrossExtent, long Count, long Alignment, long Spacing,
    const ZQ_Array<long>& Naturals, const ZQ_Array<long>& Minimums, const ZQ_Array<long>& Maximums,
    const ZQ_Array<long>& CrossMaximums, ZQ_Array<long>& MainPositions, ZQ_Array<long>& MainSizes,
    ZQ_Array<long>& CrossPositions, ZQ_Array<long>& CrossSizes) {
  long numVisible = 0;
  double naturalSum = 0;
  for (long i = 0; i < Count; ++i) {
    if (Naturals[i] > 0) ++numVisible;
    naturalSum += Naturals[i];
    MainSizes[i] = Naturals[i];
  }
  const double gaps = Spacing > 0 && numVisible > 1 ? double(numVisible - 1) * Spacing : 0.0;
  const double available = MainExtent - gaps > 0 ? MainExtent - gaps : 0.0;
  const double natural = ZQ_Round(naturalSum);
  if (available != natural) {
    const bool grow = available > natural;
    ZQ_Array<long> weights(Count);
    double weightSum = 0;
    for (long i = 0; i < Count; ++i) {
      weights[i] = grow ? Maximums[i] - Naturals[i] : Naturals[i] - Minimums[i];
      weightSum += weights[i];
    }
    if (weightSum > 0) {
      const double wanted = grow ? available - natural : natural - available;
      const double amount = wanted < weightSum ? wanted : weightSum;
      Distribution d(MainSizes, Count);
      d.Share(Naturals, weights, weightSum, amount, grow ? 1 : -1);
      const double target = grow ? natural + amount : natural - amount;
      d.Correct(static_cast<long>(target - ZQ_Round(d.Sum())), grow ? 1 : -1);
    }
  }
  long position = 0;
  bool seenVisible = false;
  for (long i = 0; i < Count; ++i) {
    if (Naturals[i] > 0) {
      if (seenVisible) position += Spacing;
      seenVisible = true;
    }
    MainPositions[i] = position;
    position += MainSizes[i];
    CrossSizes[i] = CrossMaximums[i] < CrossExtent ? CrossMaximums[i] : CrossExtent;
    const long spare = CrossExtent - CrossSizes[i];
    CrossPositions[i] = Alignment == 0 ? 0 : Alignment == 1 ? spare / 2 : spare;
  }
}

void ZQF_AlignmentGlyph::UpdateAlignedDesiredSize(bool Horizontal) {
  const bool main = Horizontal;
  const bool cross = !Horizontal;
  const bool largest = CrossAxisStretchMode == 1;
  ZQ_Point<long> natural(0, 0), minimum(0, 0), maximum(0, 0);
  Along(maximum, cross) = largest ? 0 : StretchMaximum;
  long numChildren = 0;
  for (ZQF_Glyph* c = GetFirstChild(); c; c = c->GetNextSibling(), ++numChildren) {
    const ZQF_DesiredSize& child = c->GetDesiredSize();
    child.CheckConsistency();
    child.CheckValidity();
    if (numChildren > 0) {
      Along(natural, main) = CappedSum(Along(natural, main), Spacing);
      Along(minimum, main) = CappedSum(Along(minimum, main), Spacing);
      Along(maximum, main) = CappedSum(Along(maximum, main), Spacing);
    }
    Along(natural, main) = CappedSum(Along(natural, main), Along(child.Natural, main));
    Along(minimum, main) = CappedSum(Along(minimum, main), Along(child.Minimum, main));
    Along(maximum, main) = CappedSum(Along(maximum, main), Along(child.Maximum, main));
    Along(natural, cross) = std::max(Along(natural, cross), Along(child.Natural, cross));
    Along(minimum, cross) = std::max(Along(minimum, cross), Along(child.Minimum, cross));
    const long m = Along(child.Maximum, cross);
    Along(maximum, cross) =
        largest ? std::max(Along(maximum, cross), m) : std::min(Along(maximum, cross), m);
  }
  if (numChildren > 0) {
    Along(maximum, cross) = std::max(Along(maximum, cross), Along(natural, cross));
  }
  DesiredSize.Natural = natural;
  DesiredSize.Minimum = minimum;
  DesiredSize.Maximum = maximum;
}

void ZQF_AlignmentGlyph::LayOutAligned(bool Horizontal, long Alignment) {
  const long count = CountNumberOfDirectChildren();
  ZQ_Array<long> naturals(count), minimums(count), maximums(count), crossMaximums(count);
  ZQ_Array<long> mainPositions(count), mainSizes(count), crossPositions(count), crossSizes(count);
  long i = 0;
  for (ZQF_Glyph* c = GetFirstChild(); c; c = c->GetNextSibling(), ++i) {
    const ZQF_DesiredSize& child = c->GetDesiredSize();
    child.CheckConsistency();
    child.CheckValidity();
    naturals[i] = Along(child.Natural, Horizontal);
    minimums[i] = Along(child.Minimum, Horizontal);
    maximums[i] = Along(child.Maximum, Horizontal);
    crossMaximums[i] = Along(child.Maximum, !Horizontal);
  }
  const ZQ_Rectangle<long>& box = GetBoundingBox();
  ProcessAcceptLayout(Horizontal ? box.Width : box.Height, Horizontal ? box.Height : box.Width,
                      count, Alignment, GetSpacing(), naturals, minimums, maximums, crossMaximums,
                      mainPositions, mainSizes, crossPositions, crossSizes);
  i = 0;
  for (ZQF_Glyph* c = GetFirstChild(); c; c = c->GetNextSibling(), ++i) {
    if (Horizontal) {
      LayoutChild(c, ZQ_Point<long>(mainPositions[i], crossPositions[i]),
                  ZQ_Point<long>(mainSizes[i], crossSizes[i]));
    } else {
      LayoutChild(c, ZQ_Point<long>(crossPositions[i], mainPositions[i]),
                  ZQ_Point<long>(crossSizes[i], mainSizes[i]));
    }
  }
}

ZQF_RowGlyph::ZQF_RowGlyph(long Alignment) : Alignment(Alignment) { AssertAlignment(Alignment); }

void ZQF_RowGlyph::UpdateMyDesiredSize() { UpdateAlignedDesiredSize(true); }

void ZQF_RowGlyph::AcceptLayout() { LayOutAligned(true, Alignment); }

ZQF_ColumnGlyph::ZQF_ColumnGlyph(long Alignment) : Alignment(Alignment) {
  AssertAlignment(Alignment);
}

void ZQF_ColumnGlyph::UpdateMyDesiredSize() { UpdateAlignedDesiredSize(false); }

void ZQF_ColumnGlyph::AcceptLayout() { LayOutAligned(false, Alignment); }

void ZQF_ColumnGlyph::DrawChildren(ZQF_Canvas& Canvas) {
  const bool onFocusPath = Canvas.IsOnFocusPath();
  const ZQ_Rectangle<long> clip = Canvas.GetSmallestRectEnclosingClippingRegion(0);
  const long clipBottom = clip.Y + clip.Height;
  ZQF_Glyph* child = GetFirstChild();
  while (child && child->GetBoundingBox().Y + child->GetBoundingBox().Height <= clip.Y) {
    child = child->GetNextSibling();
  }
  for (; child && child->GetBoundingBox().Y < clipBottom; child = child->GetNextSibling()) {
    Canvas.SetOnFocusPath(onFocusPath && child == GetFocusChild());
    child->Draw(Canvas);
  }
  Canvas.SetOnFocusPath(onFocusPath);
}
