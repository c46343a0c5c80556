// ZQ_Point.h: a point of two coordinates, ZQ_Point<long> for device pixels
// and ZQ_Point<double> for everything measured in real units. A plain value.
// Text form "(X, Y)"; binary and hash forms X then Y, 4 bytes each for long
// and 8 for double. Nothing throws but the sinks and parsers used.
#ifndef ZQ_POINT_H
#define ZQ_POINT_H

#include <cmath>

#include "ZQ_StackTrace.h"

class ZQ_String;
class ZQ_TextStreamFormatter;
class ZQ_StreamSink;
class ZQ_BinaryStreamParser;
class ZQ_Hasher;

template <class T>
class ZQ_Point {
 public:
  ZQ_Point() = default;
  ZQ_Point(T X, T Y) : X(X), Y(Y) {}

  // sqrt (dx * dx + dy * dy), in the points' units.
  double DistanceTo(const ZQ_Point& Other) const {
    double DX = static_cast<double>(Other.X) - static_cast<double>(X);
    double DY = static_cast<double>(Other.Y) - static_cast<double>(Y);
    return std::sqrt(DX * DX + DY * DY);
  }

  friend bool operator==(const ZQ_Point& A, const ZQ_Point& B) { return A.X == B.X && A.Y == B.Y; }
  friend bool operator!=(const ZQ_Point& A, const ZQ_Point& B) { return !(A == B); }

  T X = 0;
  T Y = 0;
};

// "(X, Y)", each number in the formatter's current attributes.
ZQ_TextStreamFormatter& operator<<(ZQ_TextStreamFormatter& Out, const ZQ_Point<long>& P);
ZQ_TextStreamFormatter& operator<<(ZQ_TextStreamFormatter& Out, const ZQ_Point<double>& P);
// The text form written into a fresh string stream; doubles with precision 17
// so that the text gives back the same value.
ZQ_String ZQ_ToString(const ZQ_Point<long>& P);
ZQ_String ZQ_ToString(const ZQ_Point<double>& P);

ZQ_StreamSink& operator<<(ZQ_StreamSink& Sink, const ZQ_Point<long>& P);
ZQ_StreamSink& operator<<(ZQ_StreamSink& Sink, const ZQ_Point<double>& P);
// Both fields are read before the point changes: damaged data leaves it as it was.
ZQ_BinaryStreamParser& operator>>(ZQ_BinaryStreamParser& Parser, ZQ_Point<long>& P);
ZQ_BinaryStreamParser& operator>>(ZQ_BinaryStreamParser& Parser, ZQ_Point<double>& P);
ZQ_Hasher& operator<<(ZQ_Hasher& Hasher, const ZQ_Point<long>& P);
ZQ_Hasher& operator<<(ZQ_Hasher& Hasher, const ZQ_Point<double>& P);

template <> struct ZQ_StackTrace_TypeCode<ZQ_Point<long>> { static constexpr long Value = 14; };
template <> struct ZQ_StackTrace_TypeCode<ZQ_Point<double>> { static constexpr long Value = 15; };

#endif
