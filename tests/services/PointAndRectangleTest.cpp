#include <gtest/gtest.h>

#include "ZQ_BinaryStreamParser.h"
#include "ZQ_Hasher.h"
#include "ZQ_Rectangle.h"
#include "ZQ_StreamSink.h"
#include "ZQ_StreamSource.h"
#include "ZQ_StringStream.h"
#include "ZQ_TextStreamFormatterManipulator.h"

using LRect = ZQ_Rectangle<long>;
using DRect = ZQ_Rectangle<double>;
using LPoint = ZQ_Point<long>;
using DPoint = ZQ_Point<double>;

namespace {

::testing::AssertionResult SameRectangle(const LRect& Got, const LRect& Want) {
  if (Got == Want) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "got " << ZQ_ToString(Got).GetText() << ", want "
                                       << ZQ_ToString(Want).GetText();
}

}  // namespace

TEST(ZQ_Rectangle, ContainsTheHalfOpenArea) {
  const struct { LRect r; LPoint p; bool want; const char* why; } kCases[] = {
      {LRect(0, 0, 10, 10), LPoint(0, 0), true, "origin corner"},
      {LRect(0, 0, 10, 10), LPoint(9, 9), true, "last pixel"},
      {LRect(0, 0, 10, 10), LPoint(10, 5), false, "right edge lies outside"},
      {LRect(0, 0, 10, 10), LPoint(5, 10), false, "bottom edge lies outside"},
      {LRect(0, 0, 10, 10), LPoint(-1, 5), false, "left of the origin"},
      {LRect(5, 5, 0, 10), LPoint(5, 6), false, "zero width contains nothing"},
      {LRect(5, 5, 10, 0), LPoint(6, 5), false, "zero height contains nothing"},
      {LRect(-5, -5, 3, 3), LPoint(-3, -4), true, "negative coordinates"},
  };
  for (auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(c.r.Contains(c.p), c.want);
    DRect d(c.r.X, c.r.Y, c.r.Width, c.r.Height);
    EXPECT_EQ(d.Contains(DPoint(c.p.X, c.p.Y)), c.want);
  }
  EXPECT_FALSE(DRect(0, 0, 1, 1).Contains(DPoint(0.5, 1.0)));
  EXPECT_TRUE(DRect(0, 0, 1, 1).Contains(DPoint(0.5, 0.999)));
}

TEST(ZQ_Rectangle, CornersAndCentreHalveTowardZero) {
  const LRect r(2, 3, 10, 20);
  EXPECT_EQ(r.GetTopLeft(), LPoint(2, 3));
  EXPECT_EQ(r.GetTopRight(), LPoint(12, 3));
  EXPECT_EQ(r.GetBottomLeft(), LPoint(2, 23));
  EXPECT_EQ(r.GetBottomRight(), LPoint(12, 23));
  const struct { LRect r; LPoint want; } kCenters[] = {
      {LRect(2, 3, 10, 20), LPoint(7, 13)},
      {LRect(0, 0, 5, 5), LPoint(2, 2)},
      {LRect(0, 0, -3, -3), LPoint(-1, -1)},
  };
  for (auto& c : kCenters) EXPECT_EQ(c.r.GetCenter(), c.want);
  EXPECT_EQ(DRect(0, 0, 5, -3).GetCenter(), DPoint(2.5, -1.5));
}

TEST(ZQ_Rectangle, GrowingAndShrinkingMoveEdgesAndClampTheExtent) {
  const struct { void (*op)(LRect&); LRect want; const char* why; } kCases[] = {
      {[](LRect& r) { r.Inflate(2, 3); }, LRect(8, 7, 24, 26), "inflate"},
      {[](LRect& r) { r.InflateUniformly(1); }, LRect(9, 9, 22, 22), "inflate uniformly"},
      {[](LRect& r) { r.InflateX(1); }, LRect(9, 10, 22, 20), "inflate x"},
      {[](LRect& r) { r.InflateY(1); }, LRect(10, 9, 20, 22), "inflate y"},
      {[](LRect& r) { r.ExtendLeft(4); }, LRect(6, 10, 24, 20), "extend left"},
      {[](LRect& r) { r.ExtendTop(4); }, LRect(10, 6, 20, 24), "extend top"},
      {[](LRect& r) { r.ExtendRight(4); }, LRect(10, 10, 24, 20), "extend right"},
      {[](LRect& r) { r.ExtendBottom(4); }, LRect(10, 10, 20, 24), "extend bottom"},
      {[](LRect& r) { r.Deflate(2, 3); }, LRect(12, 13, 16, 14), "deflate"},
      {[](LRect& r) { r.Deflate(11, 11); }, LRect(21, 21, 0, 0), "deflate past the extent"},
      {[](LRect& r) { r.Deflate(10, 10); }, LRect(20, 20, 0, 0), "deflate to exactly nothing"},
      {[](LRect& r) { r.DeflateX(3); }, LRect(13, 10, 14, 20), "deflate x"},
      {[](LRect& r) { r.DeflateY(3); }, LRect(10, 13, 20, 14), "deflate y"},
      {[](LRect& r) { r.TrimLeft(5); }, LRect(15, 10, 15, 20), "trim left"},
      {[](LRect& r) { r.TrimLeft(50); }, LRect(60, 10, 0, 20), "trim left moves X by the full amount"},
      {[](LRect& r) { r.TrimTop(25); }, LRect(10, 35, 20, 0), "trim top past the extent"},
      {[](LRect& r) { r.TrimRight(5); }, LRect(10, 10, 15, 20), "trim right"},
      {[](LRect& r) { r.TrimBottom(30); }, LRect(10, 10, 20, 0), "trim bottom past the extent"},
      {[](LRect& r) { r.CutTop(5); }, LRect(10, 15, 20, 15), "cut top"},
      {[](LRect& r) { r.CutBottom(5); }, LRect(10, 10, 20, 15), "cut bottom"},
  };
  for (auto& c : kCases) {
    SCOPED_TRACE(c.why);
    LRect r(10, 10, 20, 20);
    c.op(r);
    EXPECT_TRUE(SameRectangle(r, c.want));
  }
  LRect Small(0, 0, 10, 10);
  Small.Deflate(6, 6);
  EXPECT_TRUE(SameRectangle(Small, LRect(6, 6, 0, 0)));
  DRect d(0, 0, 1.0, 3.0);
  d.Deflate(0.75);
  EXPECT_EQ(d, DRect(0.75, 0.75, 0.0, 1.5));
  d.TrimLeft(0.25);
  EXPECT_EQ(d, DRect(1.0, 0.75, 0.0, 1.5));
}

TEST(ZQ_Rectangle, UnionIntersectionAndOffsetCombineRectangles) {
  const struct { LRect a, b, unionWant, intersectionWant; const char* why; } kCases[] = {
      {LRect(0, 0, 10, 10), LRect(20, 20, 5, 5), LRect(0, 0, 25, 25), LRect(20, 20, 0, 0), "disjoint"},
      {LRect(0, 0, 0, 0), LRect(5, 5, 5, 5), LRect(0, 0, 10, 10), LRect(5, 5, 0, 0), "empty origin counts"},
      {LRect(0, 0, 10, 10), LRect(5, 2, 10, 4), LRect(0, 0, 15, 10), LRect(5, 2, 5, 4), "overlap"},
      {LRect(0, 0, 10, 10), LRect(2, 2, 2, 2), LRect(0, 0, 10, 10), LRect(2, 2, 2, 2), "nested"},
  };
  for (auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_TRUE(SameRectangle(LRect::Union(c.a, c.b), c.unionWant));
    EXPECT_TRUE(SameRectangle(LRect::GetBoundingRectangle(c.b, c.a), c.unionWant));
    EXPECT_TRUE(SameRectangle(LRect::Intersection(c.a, c.b), c.intersectionWant));
  }
  EXPECT_EQ(DRect::Union(DRect(0, 0, 1, 1), DRect(-1, 2, 0.5, 0.5)), DRect(-1, 0, 2, 2.5));
  EXPECT_TRUE(SameRectangle(LRect::Offset(LRect(1, 2, 3, 4), LPoint(-5, 10)), LRect(-4, 12, 3, 4)));
}

TEST(ZQ_Rectangle, DoubleRectanglesContainAndIntersectByArea) {
  const DRect Base(0, 0, 10, 10);
  const struct { DRect other; bool contains, intersects; const char* why; } kCases[] = {
      {DRect(0, 0, 10, 10), true, true, "itself"},
      {DRect(10, 0, 5, 10), false, false, "shares the right edge only"},
      {DRect(0, 10, 10, 5), false, false, "shares the bottom edge only"},
      {DRect(9.5, 9.5, 1, 1), false, true, "overlaps a corner"},
      {DRect(2, 2, 8, 8), true, true, "inside, touching far edges"},
      {DRect(-1, 2, 3, 3), false, true, "sticks out on the left"},
      {DRect(20, 20, 1, 1), false, false, "far away"},
  };
  for (auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(Base.ContainsRectangle(c.other), c.contains);
    EXPECT_EQ(Base.Intersects(c.other), c.intersects);
    EXPECT_EQ(c.other.Intersects(Base), c.intersects);
  }
}

TEST(ZQ_Rectangle, PlacementWithinABound) {
  const LRect Bound(10, 10, 100, 100);
  const struct { void (*op)(LRect&, const LRect&); LRect start, want; const char* why; } kCases[] = {
      {[](LRect& r, const LRect& b) { r.CenterIn(b); }, LRect(0, 0, 20, 30), LRect(50, 45, 20, 30), "centre"},
      {[](LRect& r, const LRect& b) { r.CenterIn(b); }, LRect(0, 0, 21, 31), LRect(50, 45, 21, 31), "odd extent"},
      {[](LRect& r, const LRect& b) { r.CenterVerticallyIn(b); }, LRect(0, 0, 20, 30), LRect(0, 45, 20, 30), "vertical only"},
      {[](LRect& r, const LRect& b) { r.MoveInside(b); }, LRect(0, 0, 200, 50), LRect(10, 10, 200, 50), "larger than the bound"},
      {[](LRect& r, const LRect& b) { r.MoveInside(b); }, LRect(100, 105, 20, 20), LRect(90, 90, 20, 20), "past the far edges"},
      {[](LRect& r, const LRect& b) { r.MoveInside(b); }, LRect(30, 40, 20, 20), LRect(30, 40, 20, 20), "already inside"},
      {[](LRect& r, const LRect& b) { r.FitInside(b); }, LRect(50, 0, 200, 50), LRect(10, 10, 100, 50), "fit"},
  };
  for (auto& c : kCases) {
    SCOPED_TRACE(c.why);
    LRect r = c.start;
    c.op(r, Bound);
    EXPECT_TRUE(SameRectangle(r, c.want));
  }
}

TEST(ZQ_Rectangle, AlignWithinFollowsAlignmentAndFitMode) {
  const LRect Bound(100, 100, 100, 50);
  const struct { LRect start; int h, v, fit; LRect want; const char* why; } kCases[] = {
      {LRect(0, 0, 200, 20), 1, 3, 1, LRect(100, 0, 100, 20), "too wide, centred, fit: bound's X and width"},
      {LRect(0, 0, 200, 20), 1, 3, 0, LRect(50, 0, 200, 20), "too wide, centred, no fit: X = B.X - 50"},
      {LRect(0, 0, 200, 20), 3, 3, 1, LRect(0, 0, 200, 20), "alignment none never fits"},
      {LRect(0, 0, 20, 20), 0, 0, 1, LRect(100, 100, 20, 20), "start"},
      {LRect(0, 0, 20, 21), 1, 1, 1, LRect(140, 114, 20, 21), "centre halves toward zero"},
      {LRect(0, 0, 20, 20), 2, 2, 1, LRect(180, 130, 20, 20), "end"},
      {LRect(0, 0, 20, 80), 2, 1, 1, LRect(180, 100, 20, 50), "too tall: fitted vertically"},
  };
  for (auto& c : kCases) {
    SCOPED_TRACE(c.why);
    LRect r = c.start;
    r.AlignWithin(Bound, c.h, c.v, c.fit);
    EXPECT_TRUE(SameRectangle(r, c.want));
  }
}

TEST(ZQ_Point, DistanceIsEuclidean) {
  EXPECT_DOUBLE_EQ(DPoint(1, 1).DistanceTo(DPoint(4, 5)), 5.0);
  EXPECT_DOUBLE_EQ(DPoint(-1, 0).DistanceTo(DPoint(-1, 0)), 0.0);
}

TEST(ZQ_PointAndRectangle, TextFormsFollowTheFormatterAndKeepDoublesExact) {
  ZQ_StringStream Out;
  Out << LPoint(-3, 4) << " " << LRect(1, 2, 3, 4) << " " << SetBase(16) << LRect(10, 11, 255, 0);
  EXPECT_EQ(ZQ_String(Out), "(-3, 4) (1, 2, 3, 4) (a, b, ff, 0)");
  EXPECT_EQ(ZQ_ToString(LPoint(7, -8)), "(7, -8)");
  EXPECT_EQ(ZQ_ToString(LRect(-1, 0, 5, 6)), "(-1, 0, 5, 6)");
  EXPECT_EQ(ZQ_ToString(DPoint(0.5, -2)), "(0.5, -2)");
  // 0.1 needs all 17 digits to come back as the same double.
  EXPECT_EQ(ZQ_ToString(DRect(0.1, 1, 2.5, 0)), "(0.10000000000000001, 1, 2.5, 0)");
}

TEST(ZQ_PointAndRectangle, TraceStackFormattersAreRegistered) {
  LPoint lp(1, 2);
  DPoint dp(0.5, 1);
  LRect lr(1, 2, 3, 4);
  DRect dr(0.5, 0, 1, 2);
  ZQ_StackTrace_VarFormatter* Table = ZQ_StackTrace_VarFormatterFunTable;
  ASSERT_TRUE(Table[14] && Table[15] && Table[16] && Table[17]);
  EXPECT_EQ(Table[ZQ_StackTrace_TypeCode<LPoint>::Value](&lp), "(1, 2)");
  EXPECT_EQ(Table[ZQ_StackTrace_TypeCode<DPoint>::Value](&dp), "(0.5, 1)");
  EXPECT_EQ(Table[ZQ_StackTrace_TypeCode<LRect>::Value](&lr), "(1, 2, 3, 4)");
  EXPECT_EQ(Table[ZQ_StackTrace_TypeCode<DRect>::Value](&dr), "(0.5, 0, 1, 2)");
}

TEST(ZQ_PointAndRectangle, BinaryFormIsTheFieldsInOrderAndReadsBack) {
  ZQ_String Bytes;
  {
    ZQ_StreamSink Sink = ZQ_CreateStringStreamSink(&Bytes);
    Sink << LPoint(1, -1) << LRect(2, 3, 4, 5) << DPoint(1.0, 2.0) << DRect(0.5, 1, 2, 4);
  }
  ASSERT_EQ(Bytes.GetLength(), 8 + 16 + 16 + 32);
  EXPECT_EQ(ZQ_String(Bytes.GetText(), 8), ZQ_String("\x01\0\0\0\xFF\xFF\xFF\xFF", 8));
  EXPECT_EQ(ZQ_String(Bytes.GetText() + 24, 8), ZQ_String("\0\0\0\0\0\0\xF0\x3F", 8));
  ZQ_BinaryStreamParser Parser(ZQ_CreateStringStreamSource(Bytes));
  LPoint lp;
  LRect lr;
  DPoint dp;
  DRect dr;
  Parser >> lp >> lr >> dp >> dr;
  EXPECT_EQ(lp, LPoint(1, -1));
  EXPECT_EQ(lr, LRect(2, 3, 4, 5));
  EXPECT_EQ(dp, DPoint(1.0, 2.0));
  EXPECT_EQ(dr, DRect(0.5, 1, 2, 4));
}

TEST(ZQ_PointAndRectangle, HashFormAddsTheFieldsInOrder) {
  ZQ_Hasher ByValue, ByFields;
  ByValue << LRect(1, 2, 3, 4) << DPoint(0.5, 2);
  ByFields << 1L << 2L << 3L << 4L << 0.5 << 2.0;
  EXPECT_EQ(ByValue.GetHash(), ByFields.GetHash());
}
