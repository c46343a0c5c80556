// ZQF_DesiredSize.h: the size a glyph asks its parent for, in pixels: a
// natural, a minimum and a maximum extent per axis. A desired size is valid
// once computed (Natural.X >= 0); the resize walk makes it stale by
// complementing Natural.X, so a stale size keeps its natural width in
// recoverable form and a second marking changes nothing. A new desired size
// is a stale 1 x 1 with minimum and maximum 1. A plain value.
#ifndef ZQF_DESIREDSIZE_H
#define ZQF_DESIREDSIZE_H

#include "ZQ_Point.h"

class ZQF_DesiredSize {
 public:
  // The maximum that stands for "no limit".
  static constexpr long UnboundedMaximum = 0x10000000;

  ZQF_DesiredSize() : Natural(~1L, 1), Minimum(1, 1), Maximum(1, 1) {}

  bool IsValid() const { return Natural.X >= 0; }
  void MakeStale() {
    if (Natural.X >= 0) Natural.X = ~Natural.X;
  }
  void MakeValid() {
    if (Natural.X < 0) Natural.X = ~Natural.X;
  }

  // Assert the order 0 <= minimum <= natural <= maximum on both axes, and
  // validity ("IsValid ()").
  void CheckConsistency() const;
  void CheckValidity() const;

  // One axis at a time; the other axis keeps its values.
  void SetX(long NaturalX, long MinimumX, long MaximumX);
  void SetY(long NaturalY, long MinimumY, long MaximumY);
  void SetFixedX(long X) { SetX(X, X, X); }
  void SetFixedY(long Y) { SetY(Y, Y, Y); }
  // A maximum up to UnboundedMaximum becomes exactly UnboundedMaximum; a
  // larger one stays.
  void SetInfiniteMaximumX();
  void SetInfiniteMaximumY();

  // A copy moved by Delta on every value of each axis, checked for
  // consistency.
  ZQF_DesiredSize operator+(const ZQ_Point<long>& Delta) const;

  friend bool operator==(const ZQF_DesiredSize& A, const ZQF_DesiredSize& B) {
    return A.Natural == B.Natural && A.Minimum == B.Minimum && A.Maximum == B.Maximum;
  }
  friend bool operator!=(const ZQF_DesiredSize& A, const ZQF_DesiredSize& B) { return !(A == B); }

  ZQ_Point<long> Natural;
  ZQ_Point<long> Minimum;
  ZQ_Point<long> Maximum;
};

#endif
