// ZQIMG_PNGCommon.h: what the PNG decoder and encoder share.
#ifndef ZQIMG_PNGCOMMON_H
#define ZQIMG_PNGCOMMON_H

// The eight bytes every PNG file begins with.
inline constexpr unsigned char ZQIMG_PNGSignature[8] = {137, 80, 78, 71, 13, 10, 26, 10};

// The Paeth predictor of filter type 4: whichever of left (A), above (B) and
// upper left (C) lies nearest to A + B - C, in that order on ties.
inline int ZQIMG_PNGPaeth(int A, int B, int C) {
  const int p = A + B - C;
  const int pa = p > A ? p - A : A - p, pb = p > B ? p - B : B - p, pc = p > C ? p - C : C - p;
  if (pa <= pb && pa <= pc) return A;
  return pb <= pc ? B : C;
}

#endif
