#include <gtest/gtest.h>

#include <cmath>

#include "../foundation/AssertionTestSupport.h"
#include "ZQCG_AffineTransformation.h"
#include "ZQCG_Line.h"

namespace {

using Point = ZQ_Point<double>;
using Transformation = ZQCG_AffineTransformation;

void ExpectNear(const Transformation& A, const Transformation& B, double Tolerance) {
  EXPECT_NEAR(A.GetTX(), B.GetTX(), Tolerance);
  EXPECT_NEAR(A.GetA(), B.GetA(), Tolerance);
  EXPECT_NEAR(A.GetB(), B.GetB(), Tolerance);
  EXPECT_NEAR(A.GetTY(), B.GetTY(), Tolerance);
  EXPECT_NEAR(A.GetC(), B.GetC(), Tolerance);
  EXPECT_NEAR(A.GetD(), B.GetD(), Tolerance);
}

// The picture view's zoom: the point under the mouse keeps its place.
void ZoomAbout(Transformation& T, double Factor, const Point& User) {
  const Point canvas = T.Transform(User);
  T.Scale(Factor);
  T.Translate(User, canvas);
}

const struct {
  Transformation t;
  const char* why;
} kTransformations[] = {
    {Transformation(), "identity"},
    {Transformation(12.5, 2, 0, -7.25, 0, 2), "scale and move"},
    {Transformation(3, 0.8, -0.6, 4, 0.6, 0.8), "rotation"},
    {Transformation(-100, 1.5, 0.25, 250, -0.75, 3), "shear and scale"},
};

}  // namespace

TEST(ZQCG_AffineTransformation, ZoomingInAndOutAboutOnePointRestoresTheTransformation) {
  const Point kPoints[] = {{0, 0}, {17.5, -3.25}, {-1e4, 2.5e3}};
  for (const auto& c : kTransformations) {
    for (const Point& p : kPoints) {
      SCOPED_TRACE(c.why);
      Transformation t = c.t;
      ZoomAbout(t, 2.0, p);
      ZoomAbout(t, 0.5, p);
      ExpectNear(t, c.t, 1e-12 * (1 + std::fabs(p.X) + std::fabs(p.Y)));
    }
  }
}

TEST(ZQCG_AffineTransformation, TranslateMapsPOntoQAndKeepsTheLinearPart) {
  for (const auto& c : kTransformations) {
    SCOPED_TRACE(c.why);
    Transformation t = c.t;
    const Point p(4, -9), q(-30.5, 12);
    t.Translate(p, q);
    EXPECT_NEAR(t.Transform(p).X, q.X, 1e-12);
    EXPECT_NEAR(t.Transform(p).Y, q.Y, 1e-12);
    EXPECT_EQ(t.GetA(), c.t.GetA());
    EXPECT_EQ(t.GetD(), c.t.GetD());
  }
}

TEST(ZQCG_AffineTransformation, TheInverseUndoesTheTransformation) {
  for (const auto& c : kTransformations) {
    SCOPED_TRACE(c.why);
    const Transformation inverse = c.t.GetInverse();
    for (const Point& p : {Point(0, 0), Point(1, 0), Point(0, 1), Point(-42.5, 310)}) {
      const Point back = inverse.Transform(c.t.Transform(p));
      EXPECT_NEAR(back.X, p.X, 1e-9);
      EXPECT_NEAR(back.Y, p.Y, 1e-9);
    }
  }
}

TEST(ZQCG_AffineTransformation, ASingularTransformationHasNoInverse) {
  for (const Transformation& t : {Transformation(1, 0, 0, 2, 0, 0), Transformation(0, 1, 2, 0, 2, 4)}) {
    EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { t.GetInverse(); }), "Determinant != 0.0"));
  }
}

TEST(ZQCG_Line, ACopySharesItsPointsUntilEitherIsWritten) {
  const struct {
    void (*write)(ZQCG_Line&);
    const char* why;
  } kWriters[] = {
      {[](ZQCG_Line& l) { l.AddPoint(Point(9, 9)); }, "add a point"},
      {[](ZQCG_Line& l) { l.Move(1, 2); }, "move"},
      {[](ZQCG_Line& l) { l.Clear(); }, "clear"},
  };
  for (const auto& c : kWriters) {
    SCOPED_TRACE(c.why);
    ZQCG_Line original(4);
    original.AddPoint(Point(1, 2));
    original.AddPoint(Point(3, 4));
    ZQCG_Line copy = original;
    EXPECT_TRUE(copy.SharesPointsWith(original));
    c.write(copy);
    EXPECT_FALSE(copy.SharesPointsWith(original));
    ASSERT_EQ(original.GetNumPoints(), 2);
    EXPECT_EQ(original.GetPoint(1), Point(3, 4));
    // The other way round: the original written, the copy keeps its points.
    const ZQCG_Line kept = original;
    c.write(original);
    ASSERT_EQ(kept.GetNumPoints(), 2);
    EXPECT_EQ(kept.GetPoint(0), Point(1, 2));
  }
}

TEST(ZQCG_Line, TheRectangleOutlineIsClosedAndMoveShiftsEveryPoint) {
  ZQCG_Line outline = ZQCG_Line::MakeRectangleOutline(ZQ_Rectangle<double>(1, 2, 10, 5));
  const Point kWant[] = {{1, 2}, {11, 2}, {11, 7}, {1, 7}, {1, 2}};
  ASSERT_EQ(outline.GetNumPoints(), 5);
  outline.Move(-1, 0.5);
  for (long i = 0; i < 5; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(outline.GetPoint(i), Point(kWant[i].X - 1, kWant[i].Y + 0.5));
  }
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { outline.GetPoint(5); }),
                       "(Index >= 0) and (Index < GetNumPoints ())"));
}
