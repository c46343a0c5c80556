// ZQIMG_ColorTransformation.h: an ordered list of (from, to) colour pairs,
// a plain value, and its application to an image: every pixel equal to a
// pair's From colour takes that pair's To colour. The first matching pair
// wins and each pixel is mapped once, so (A -> B), (B -> A) swaps A and B.
#ifndef ZQIMG_COLORTRANSFORMATION_H
#define ZQIMG_COLORTRANSFORMATION_H

#include <vector>

#include "ZQIMG_Image.h"
#include "ZQR_Color.h"

class ZQ_Hasher;

class ZQIMG_ColorTransformation {
 public:
  // Room for Capacity pairs before the list grows.
  explicit ZQIMG_ColorTransformation(long Capacity = 0);

  void AddPair(const ZQR_Color& From, const ZQR_Color& To);
  long GetNumPairs() const noexcept { return static_cast<long>(Pairs.size()); }
  // Index lies in 0 .. GetNumPairs() - 1 (an assertion).
  ZQR_Color GetFromColor(long Index) const;
  ZQR_Color GetToColor(long Index) const;

  // A new image with the pairs applied; 1- and 8-bit images have their
  // palettes mapped. Without pairs, the image itself (shared).
  ZQIMG_Image Transform(const ZQIMG_Image& Image) const;

  // The same pairs in the same order.
  bool operator==(const ZQIMG_ColorTransformation& Other) const { return Pairs == Other.Pairs; }
  bool operator!=(const ZQIMG_ColorTransformation& Other) const { return Pairs != Other.Pairs; }

 private:
  struct Pair {
    ZQR_Color From;
    ZQR_Color To;
    bool operator==(const Pair& Other) const { return From == Other.From && To == Other.To; }
  };
  // The To colour of the first pair whose From is Color, or Color itself.
  ZQR_Color Map(const ZQR_Color& Color) const;

  std::vector<Pair> Pairs;
};

// The pair count (a long), then each pair's two colours as red, green, blue.
ZQ_Hasher& operator<<(ZQ_Hasher& Hasher, const ZQIMG_ColorTransformation& Transformation);

#endif
