#include "ZQF_DesiredSize.h"

#include "ZQ_Assertion.h"

void ZQF_DesiredSize::CheckConsistency() const {
  ZQ_ASSERT(0 <= Minimum.X);
  ZQ_ASSERT(0 <= Minimum.Y);
  ZQ_ASSERT(Minimum.X <= Natural.X);
  ZQ_ASSERT(Minimum.Y <= Natural.Y);
  ZQ_ASSERT(Natural.X <= Maximum.X);
  ZQ_ASSERT(Natural.Y <= Maximum.Y);
}

void ZQF_DesiredSize::CheckValidity() const { ZQ_ASSERT_TEXT(IsValid(), "IsValid ()"); }

void ZQF_DesiredSize::SetX(long NaturalX, long MinimumX, long MaximumX) {
  Natural.X = NaturalX;
  Minimum.X = MinimumX;
  Maximum.X = MaximumX;
}

void ZQF_DesiredSize::SetY(long NaturalY, long MinimumY, long MaximumY) {
  Natural.Y = NaturalY;
  Minimum.Y = MinimumY;
  Maximum.Y = MaximumY;
}

void ZQF_DesiredSize::SetInfiniteMaximumX() {
  if (Maximum.X <= UnboundedMaximum) Maximum.X = UnboundedMaximum;
}

void ZQF_DesiredSize::SetInfiniteMaximumY() {
  if (Maximum.Y <= UnboundedMaximum) Maximum.Y = UnboundedMaximum;
}

ZQF_DesiredSize ZQF_DesiredSize::operator+(const ZQ_Point<long>& Delta) const {
  ZQF_DesiredSize moved(*this);
  moved.SetX(Natural.X + Delta.X, Minimum.X + Delta.X, Maximum.X + Delta.X);
  moved.SetY(Natural.Y + Delta.Y, Minimum.Y + Delta.Y, Maximum.Y + Delta.Y);
  moved.CheckConsistency();
  return moved;
}
