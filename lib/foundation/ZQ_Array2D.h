// ZQ_Array2D.h: ZQ_Array2D<T>, a rectangular block of NI x NJ elements in
// row-major order (element (i, j) at i x NJ + j), owned and copied with the
// array. Index violations go to the assertion service. One thread only.
#ifndef ZQ_ARRAY2D_H
#define ZQ_ARRAY2D_H

#include "ZQ_Array.h"
#include "ZQ_Assertion.h"

template <class T>
class ZQ_Array2D {
 public:
  ZQ_Array2D() : NI(0), NJ(0) {}
  // NI x NJ elements, each assigned FillValue.
  ZQ_Array2D(long NI, long NJ, const T& FillValue = T())
      : NI(NI < 0 ? 0 : NI), NJ(NJ < 0 ? 0 : NJ), Elements(this->NI * this->NJ, FillValue) {
    ZQ_ASSERT(NI >= 0 and NJ >= 0);
  }

  // Element (i, j); checks "i < NI", "j < NJ", "i >= 0", "j >= 0" in that
  // order. Once the assertion returns, an index outside gives a spare
  // element, never memory outside.
  T& operator()(long i, long j) {
    return Elements[CheckedIndex(i, j)];
  }
  const T& operator()(long i, long j) const {
    return Elements[CheckedIndex(i, j)];
  }
  long GetNumI() const { return NI; }
  long GetNumJ() const { return NJ; }

 private:
  // The block index of (i, j), or -1 (which the block rejects) when outside.
  long CheckedIndex(long i, long j) const {
    ZQ_ASSERT(i < NI);
    ZQ_ASSERT(j < NJ);
    ZQ_ASSERT(i >= 0);
    ZQ_ASSERT(j >= 0);
    if (!(i < NI && j < NJ && i >= 0 && j >= 0)) return OutsideIndex;
    return i * NJ + j;
  }

  static const long OutsideIndex = -1;

  long NI;
  long NJ;
  ZQ_Array<T> Elements;
};

#endif
