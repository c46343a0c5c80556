#include "ZQCG_AffineTransformation.h"

#include "ZQ_Assertion.h"
#include "ZQ_StackTrace.h"

void ZQCG_AffineTransformation::Scale(double Factor) {
  A *= Factor;
  B *= Factor;
  C *= Factor;
  D *= Factor;
}

void ZQCG_AffineTransformation::Translate(const ZQ_Point<double>& P, const ZQ_Point<double>& Q) {
  const ZQ_Point<double> now = Transform(P);
  TX += Q.X - now.X;
  TY += Q.Y - now.Y;
}

ZQCG_AffineTransformation ZQCG_AffineTransformation::GetInverse() const {
  ZQ_TRACE_FUNCTION("ZQCG_AffineTransformation::GetInverse");
  const double Determinant = A * D - B * C;
  ZQ_ASSERT(Determinant != 0.0);
  if (Determinant == 0.0) return ZQCG_AffineTransformation();
  const double a = D / Determinant, b = -B / Determinant;
  const double c = -C / Determinant, d = A / Determinant;
  return ZQCG_AffineTransformation(-(a * TX + b * TY), a, b, -(c * TX + d * TY), c, d);
}
