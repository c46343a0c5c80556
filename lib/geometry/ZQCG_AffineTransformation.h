// ZQCG_AffineTransformation.h: a plane affine transformation in doubles,
// {tx, a, b, ty, c, d}: x' = tx + a·x + b·y, y' = ty + c·x + d·y. A plain
// value; the identity by default. Only GetInverse of a singular
// transformation fails (an assertion).
#ifndef ZQCG_AFFINETRANSFORMATION_H
#define ZQCG_AFFINETRANSFORMATION_H

#include "ZQ_Point.h"

class ZQCG_AffineTransformation {
 public:
  ZQCG_AffineTransformation() = default;
  ZQCG_AffineTransformation(double TX, double A, double B, double TY, double C, double D)
      : TX(TX), A(A), B(B), TY(TY), C(C), D(D) {}

  double GetTX() const { return TX; }
  double GetA() const { return A; }
  double GetB() const { return B; }
  double GetTY() const { return TY; }
  double GetC() const { return C; }
  double GetD() const { return D; }
  void SetTX(double Value) { TX = Value; }
  void SetA(double Value) { A = Value; }
  void SetB(double Value) { B = Value; }
  void SetTY(double Value) { TY = Value; }
  void SetC(double Value) { C = Value; }
  void SetD(double Value) { D = Value; }

  // Multiplies the linear part (a, b, c, d) by Factor; tx and ty stay.
  void Scale(double Factor);
  // Changes tx and ty so that P maps onto Q; the linear part stays.
  void Translate(const ZQ_Point<double>& P, const ZQ_Point<double>& Q);
  // The transformation that undoes this one. A singular one (a·d − b·c = 0)
  // fails the assertion "Determinant != 0.0" and gives the identity.
  ZQCG_AffineTransformation GetInverse() const;
  ZQ_Point<double> Transform(const ZQ_Point<double>& P) const {
    return ZQ_Point<double>(TX + A * P.X + B * P.Y, TY + C * P.X + D * P.Y);
  }

 private:
  double TX = 0, A = 1, B = 0, TY = 0, C = 0, D = 1;
};

#endif
