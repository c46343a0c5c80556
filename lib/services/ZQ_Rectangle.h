// ZQ_Rectangle.h: an origin and an extent, ZQ_Rectangle<long> for pixels and
// ZQ_Rectangle<double> for real units. It covers the half-open area
// X <= x < X + Width, Y <= y < Y + Height: the far edges lie outside it.
// Left is the edge at X, right at X + Width, top at Y, bottom at Y + Height.
// Width and Height are meant to be 0 or more: the shrinking operations never
// make them negative, the growing ones and the constructors do not check.
// A plain value. Text form "(X, Y, Width, Height)"; binary and hash forms the
// four fields in that order.
#ifndef ZQ_RECTANGLE_H
#define ZQ_RECTANGLE_H

#include "ZQ_Point.h"

template <class T>
class ZQ_Rectangle {
 public:
  // Alignments of AlignWithin.
  enum { Align_Start = 0, Align_Center = 1, Align_End = 2, Align_None = 3 };
  // The fit mode of AlignWithin that shrinks an extent larger than the bound.
  enum { Fit_ShrinkToBound = 1 };

  ZQ_Rectangle() = default;
  ZQ_Rectangle(T X, T Y, T Width, T Height) : X(X), Y(Y), Width(Width), Height(Height) {}

  // Corners and centre. For integers the halves of the centre are truncated
  // toward zero.
  ZQ_Point<T> GetTopLeft() const { return ZQ_Point<T>(X, Y); }
  ZQ_Point<T> GetTopRight() const { return ZQ_Point<T>(X + Width, Y); }
  ZQ_Point<T> GetBottomLeft() const { return ZQ_Point<T>(X, Y + Height); }
  ZQ_Point<T> GetBottomRight() const { return ZQ_Point<T>(X + Width, Y + Height); }
  ZQ_Point<T> GetCenter() const { return ZQ_Point<T>(X + Half(Width), Y + Half(Height)); }

  // Growing: the extent grows by what the origin moves out.
  void Inflate(T DX, T DY) { InflateX(DX); InflateY(DY); }
  void InflateUniformly(T D) { Inflate(D, D); }
  void InflateX(T D) { X -= D; Width += 2 * D; }
  void InflateY(T D) { Y -= D; Height += 2 * D; }
  void ExtendLeft(T D) { X -= D; Width += D; }
  void ExtendTop(T D) { Y -= D; Height += D; }
  void ExtendRight(T D) { Width += D; }
  void ExtendBottom(T D) { Height += D; }

  // Shrinking: the origin moves by the full amount, the extent stops at 0.
  void Deflate(T DX, T DY) { DeflateX(DX); DeflateY(DY); }
  void Deflate(T D) { Deflate(D, D); }
  void DeflateX(T D) { X += D; Width = Reduced(Width, 2 * D); }
  void DeflateY(T D) { Y += D; Height = Reduced(Height, 2 * D); }
  void TrimLeft(T D) { X += D; Width = Reduced(Width, D); }
  void TrimTop(T D) { Y += D; Height = Reduced(Height, D); }
  void TrimRight(T D) { Width = Reduced(Width, D); }
  void TrimBottom(T D) { Height = Reduced(Height, D); }
  void CutTop(T D) { TrimTop(D); }
  void CutBottom(T D) { TrimBottom(D); }

  // X <= P.X < X + Width and Y <= P.Y < Y + Height: an empty rectangle
  // contains no point.
  bool Contains(const ZQ_Point<T>& P) const {
    return X <= P.X && P.X < X + Width && Y <= P.Y && P.Y < Y + Height;
  }
  // Other lies inside; edges may coincide, so a rectangle contains itself.
  bool ContainsRectangle(const ZQ_Rectangle& Other) const {
    return Other.X >= X && Other.Y >= Y && Other.X + Other.Width <= X + Width &&
           Other.Y + Other.Height <= Y + Height;
  }
  // Overlap with positive area: rectangles that only touch do not intersect.
  bool Intersects(const ZQ_Rectangle& Other) const {
    return X < Other.X + Other.Width && Other.X < X + Width && Y < Other.Y + Other.Height &&
           Other.Y < Y + Height;
  }

  // The smallest rectangle holding both; an empty one still extends it by
  // its origin.
  static ZQ_Rectangle Union(const ZQ_Rectangle& A, const ZQ_Rectangle& B) {
    T Left = Min(A.X, B.X), Top = Min(A.Y, B.Y);
    return ZQ_Rectangle(Left, Top, Max(A.X + A.Width, B.X + B.Width) - Left,
                        Max(A.Y + A.Height, B.Y + B.Height) - Top);
  }
  static ZQ_Rectangle GetBoundingRectangle(const ZQ_Rectangle& A, const ZQ_Rectangle& B) {
    return Union(A, B);
  }
  // The common area. Disjoint rectangles give an empty one at the larger X
  // and Y.
  static ZQ_Rectangle Intersection(const ZQ_Rectangle& A, const ZQ_Rectangle& B) {
    T Left = Max(A.X, B.X), Top = Max(A.Y, B.Y);
    return ZQ_Rectangle(Left, Top, Max(Min(A.X + A.Width, B.X + B.Width) - Left, T(0)),
                        Max(Min(A.Y + A.Height, B.Y + B.Height) - Top, T(0)));
  }
  static ZQ_Rectangle Offset(const ZQ_Rectangle& R, const ZQ_Point<T>& P) {
    return ZQ_Rectangle(R.X + P.X, R.Y + P.Y, R.Width, R.Height);
  }

  // Placement within a bounding rectangle.
  void CenterIn(const ZQ_Rectangle& Bound) {
    ZQ_Point<T> Center = Bound.GetCenter();
    X = Center.X - Half(Width);
    Y = Center.Y - Half(Height);
  }
  void CenterVerticallyIn(const ZQ_Rectangle& Bound) { Y = Bound.GetCenter().Y - Half(Height); }
  // Moves the rectangle inside Bound; one larger than Bound gets its left or
  // top edge on Bound's.
  void MoveInside(const ZQ_Rectangle& Bound) {
    X = Max(Min(X, Bound.X + Bound.Width - Width), Bound.X);
    Y = Max(Min(Y, Bound.Y + Bound.Height - Height), Bound.Y);
  }
  void FitInside(const ZQ_Rectangle& Bound) {
    Width = Min(Width, Bound.Width);
    Height = Min(Height, Bound.Height);
    MoveInside(Bound);
  }
  // Aligns each axis by its Align_ value. With Fit_ShrinkToBound an extent
  // larger than the bound's becomes the bound's (unless the axis is
  // Align_None); other fit modes never change the extent.
  void AlignWithin(const ZQ_Rectangle& Bound, int HorizontalAlignment, int VerticalAlignment,
                   int FitMode) {
    AlignAxis(X, Width, Bound.X, Bound.Width, HorizontalAlignment, FitMode);
    AlignAxis(Y, Height, Bound.Y, Bound.Height, VerticalAlignment, FitMode);
  }

  friend bool operator==(const ZQ_Rectangle& A, const ZQ_Rectangle& B) {
    return A.X == B.X && A.Y == B.Y && A.Width == B.Width && A.Height == B.Height;
  }
  friend bool operator!=(const ZQ_Rectangle& A, const ZQ_Rectangle& B) { return !(A == B); }

  T X = 0;
  T Y = 0;
  T Width = 0;
  T Height = 0;

 private:
  // Integer halves truncate toward zero, as the signed division does.
  static T Half(T Value) { return Value / 2; }
  static T Min(T A, T B) { return B < A ? B : A; }
  static T Max(T A, T B) { return A < B ? B : A; }
  static T Reduced(T Extent, T Amount) { return Amount < Extent ? Extent - Amount : T(0); }
  static void AlignAxis(T& Origin, T& Extent, T BoundOrigin, T BoundExtent, int Alignment,
                        int FitMode) {
    if (Extent > BoundExtent && FitMode == Fit_ShrinkToBound && Alignment != Align_None) {
      Origin = BoundOrigin;
      Extent = BoundExtent;
      return;
    }
    switch (Alignment) {
      case Align_Start: Origin = BoundOrigin; break;
      case Align_Center: Origin = BoundOrigin + Half(BoundExtent - Extent); break;
      case Align_End: Origin = BoundOrigin + BoundExtent - Extent; break;
      default: break;
    }
  }
};

// "(X, Y, Width, Height)", each number in the formatter's current attributes.
ZQ_TextStreamFormatter& operator<<(ZQ_TextStreamFormatter& Out, const ZQ_Rectangle<long>& R);
ZQ_TextStreamFormatter& operator<<(ZQ_TextStreamFormatter& Out, const ZQ_Rectangle<double>& R);
// The text form written into a fresh string stream; doubles with precision 17.
ZQ_String ZQ_ToString(const ZQ_Rectangle<long>& R);
ZQ_String ZQ_ToString(const ZQ_Rectangle<double>& R);

ZQ_StreamSink& operator<<(ZQ_StreamSink& Sink, const ZQ_Rectangle<long>& R);
ZQ_StreamSink& operator<<(ZQ_StreamSink& Sink, const ZQ_Rectangle<double>& R);
// All fields are read before the rectangle changes.
ZQ_BinaryStreamParser& operator>>(ZQ_BinaryStreamParser& Parser, ZQ_Rectangle<long>& R);
ZQ_BinaryStreamParser& operator>>(ZQ_BinaryStreamParser& Parser, ZQ_Rectangle<double>& R);
ZQ_Hasher& operator<<(ZQ_Hasher& Hasher, const ZQ_Rectangle<long>& R);
ZQ_Hasher& operator<<(ZQ_Hasher& Hasher, const ZQ_Rectangle<double>& R);

template <> struct ZQ_StackTrace_TypeCode<ZQ_Rectangle<long>> { static constexpr long Value = 16; };
template <> struct ZQ_StackTrace_TypeCode<ZQ_Rectangle<double>> { static constexpr long Value = 17; };

#endif
