#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../core/DrawingTestSupport.h"
#include "LayoutTestSupport.h"
#include "ZQF_AlignmentGlyph.h"
#include "ZQF_Canvas.h"
#include "ZQF_GlueGlyphs.h"

namespace {

const long Big = ZQF_AlignmentGlyph::StretchMaximum;

ZQ_Array<long> Of(const std::vector<long>& Values) {
  ZQ_Array<long> a(static_cast<long>(Values.size()));
  for (size_t i = 0; i < Values.size(); ++i) a[static_cast<long>(i)] = Values[i];
  return a;
}

std::vector<long> Vec(const ZQ_Array<long>& A) {
  std::vector<long> v;
  for (long i = 0; i < A.GetNumElements(); ++i) v.push_back(A[i]);
  return v;
}

struct DistributionCase {
  const char* name;
  long extent, spacing;
  std::vector<long> naturals, minimums, maximums;
  std::vector<long> sizes, positions;
};

TEST(AlignmentGlyph, ProcessAcceptLayoutDistributes) {
  const DistributionCase cases[] = {
      {"two stretch equally", 100, 0, {30, 30}, {10, 10}, {Big, Big}, {50, 50}, {0, 50}},
      {"thirds: leftover to the first",
       100,
       0,
       {0, 0, 0},
       {0, 0, 0},
       {1000, 1000, 1000},
       {34, 33, 33},
       {0, 34, 67}},
      {"half share rounds down, marked", 5, 0, {0, 0}, {0, 0}, {10, 10}, {3, 2}, {0, 3}},
      {"zero-sized child is never marked",
       3,
       0,
       {0, 0, 0},
       {0, 0, 0},
       {1, 50, 50},
       {0, 2, 1},
       {0, 0, 2}},
      {"exact", 60, 0, {20, 40}, {0, 0}, {Big, Big}, {20, 40}, {0, 20}},
      {"grow beyond stretch stays empty", 100, 0, {10, 10}, {10, 10}, {20, 30}, {20, 30}, {0, 20}},
      {"no stretch keeps naturals", 100, 0, {10, 10}, {10, 10}, {10, 10}, {10, 10}, {0, 10}},
      {"shrink beyond the gives overruns", 50, 0, {40, 40}, {30, 30}, {40, 40}, {30, 30}, {0, 30}},
      {"shrink, positive leftover to an unmarked child",
       100,
       0,
       {50, 50, 50},
       {0, 0, 0},
       {50, 50, 50},
       {34, 33, 33},
       {0, 34, 67}},
      {"shrink, negative leftover from a marked child",
       140,
       0,
       {50, 50, 50},
       {0, 0, 0},
       {50, 50, 50},
       {46, 47, 47},
       {0, 46, 93}},
      {"gaps only around non-zero naturals",
       25,
       5,
       {10, 0, 10},
       {10, 0, 10},
       {10, 0, 10},
       {10, 0, 10},
       {0, 10, 15}},
      {"gap reserved before stretching", 30, 10, {0, 0}, {0, 0}, {Big, Big}, {15, 15}, {0, 15}},
  };
  for (const DistributionCase& c : cases) {
    SCOPED_TRACE(c.name);
    const long n = static_cast<long>(c.naturals.size());
    ZQ_Array<long> pos(n), sizes(n), crossPos(n), crossSizes(n);
    ZQF_AlignmentGlyph::ProcessAcceptLayout(
        c.extent, 10, n, 0, c.spacing, Of(c.naturals), Of(c.minimums), Of(c.maximums),
        Of(std::vector<long>(n, Big)), pos, sizes, crossPos, crossSizes);
    EXPECT_EQ(Vec(sizes), c.sizes);
    EXPECT_EQ(Vec(pos), c.positions);
  }
}

TEST(AlignmentGlyph, CrossAxisFillsUpToMaximumAndAligns) {
  struct Case {
    long alignment, crossMaximum, position, size;
  } cases[] = {{0, 100, 0, 40}, {0, 10, 0, 10}, {1, 11, 14, 11}, {2, 10, 30, 10}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.alignment * 1000 + c.crossMaximum);
    ZQ_Array<long> pos(1), sizes(1), crossPos(1), crossSizes(1);
    ZQF_AlignmentGlyph::ProcessAcceptLayout(10, 40, 1, c.alignment, 0, Of({10}), Of({0}), Of({10}),
                                            Of({c.crossMaximum}), pos, sizes, crossPos, crossSizes);
    EXPECT_EQ(crossPos[0], c.position);
    EXPECT_EQ(crossSizes[0], c.size);
  }
}

struct DesiredCase {
  const char* name;
  long spacing, mode;
  std::vector<std::vector<long>> children;  // nx ny minx miny maxx maxy
  std::vector<long> expected;               // the row's six values
};

TEST(AlignmentGlyph, RowAndColumnDesiredSizes) {
  const DesiredCase cases[] = {
      {"empty, mode 1", 0, 1, {}, {0, 0, 0, 0, 0, 0}},
      {"empty, smallest mode", 0, 0, {}, {0, 0, 0, 0, 0, Big}},
      {"gap between every pair, zero naturals too",
       5,
       1,
       {{10, 5, 1, 1, 20, 8}, {0, 7, 0, 2, 0, 9}, {3, 1, 3, 1, 3, 30}},
       {23, 7, 14, 2, 33, 30}},
      {"smallest cross maximum, not below the natural",
       0,
       0,
       {{10, 20, 0, 0, 10, 20}, {10, 5, 0, 0, 10, 5}},
       {20, 20, 0, 0, 20, 20}},
      {"sums capped",
       0,
       1,
       {{0, 0, 0, 0, Big, 0}, {0, 0, 0, 0, Big, 0}, {1, 0, 1, 0, 1, 0}},
       {1, 0, 1, 0, Big, 0}},
  };
  for (const DesiredCase& c : cases) {
    for (bool row : {true, false}) {
      SCOPED_TRACE(std::string(c.name) + (row ? " (row)" : " (column)"));
      ZQF_RowGlyph r;
      ZQF_ColumnGlyph col;
      ZQF_AlignmentGlyph& g = row ? static_cast<ZQF_AlignmentGlyph&>(r) : col;
      g.SetSpacing(c.spacing);
      g.SetCrossAxisStretchMode(c.mode);
      for (const std::vector<long>& v : c.children) {
        g.AddToEnd(row ? new SizedGlyph(v[0], v[1], v[2], v[3], v[4], v[5])
                       : new SizedGlyph(v[1], v[0], v[3], v[2], v[5], v[4]));
      }
      g.UpdateDesiredSize();
      const ZQF_DesiredSize& d = g.GetDesiredSize();
      const std::vector<long> got = row ? std::vector<long>{d.Natural.X, d.Natural.Y, d.Minimum.X,
                                                            d.Minimum.Y, d.Maximum.X, d.Maximum.Y}
                                        : std::vector<long>{d.Natural.Y, d.Natural.X, d.Minimum.Y,
                                                            d.Minimum.X, d.Maximum.Y, d.Maximum.X};
      EXPECT_EQ(got, c.expected);
    }
  }
}

TEST(AlignmentGlyph, RowAndColumnPlaceChildren) {
  ZQF_RowGlyph row(1);
  SizedGlyph* fixed = new SizedGlyph(20, 10);
  ZQF_HorizontalGlueGlyph* spring1 = new ZQF_HorizontalGlueGlyph();
  ZQF_HorizontalGlueGlyph* spring2 = new ZQF_HorizontalGlueGlyph();
  row.AddToRight(fixed);
  row.AddToRight(spring1);
  row.AddToRight(spring2);
  LayOut(row, Box(5, 5, 100, 30));
  EXPECT_EQ(fixed->GetBoundingBox(), Box(5, 15, 20, 10));
  EXPECT_EQ(spring1->GetBoundingBox(), Box(25, 20, 40, 0));
  EXPECT_EQ(spring2->GetBoundingBox(), Box(65, 20, 40, 0));

  ZQF_ColumnGlyph column(2);
  SizedGlyph* a = new SizedGlyph(20, 10);
  SizedGlyph* b = new SizedGlyph(10, 10, 0, 0, Big, Big);
  column.AddToBottom(a);
  column.AddToBottom(b);
  LayOut(column, Box(0, 0, 50, 40));
  EXPECT_EQ(a->GetBoundingBox(), Box(30, 0, 20, 10));
  EXPECT_EQ(b->GetBoundingBox(), Box(0, 10, 50, 30));
}

// Counts its draws.
class CountingGlyph : public SizedGlyph {
 public:
  CountingGlyph(int* Count) : SizedGlyph(10, 10), Count(Count) {}
  void DrawSelf(ZQF_Canvas&) override { ++*Count; }
  int* Count;
};

using ColumnDrawing = GuiStageTest;

TEST_F(ColumnDrawing, DrawsOnlyChildrenMeetingTheClipBox) {
  int draws = 0;
  ZQF_ColumnGlyph column;
  for (int i = 0; i < 1000; ++i) column.AddToBottom(new CountingGlyph(&draws));
  LayOut(column, Box(0, 0, 10, 10000));
  DibSurface surface(10, 200);
  ZQF_Canvas canvas(surface.GetHDC(), CreateRectRgn(0, 95, 10, 125), true);
  column.DrawChildren(canvas);
  EXPECT_TRUE(canvas.IsOnFocusPath());
  EXPECT_EQ(draws, 4);  // the children at 90, 100, 110 and 120
}

TEST(GlueGlyphs, StaleMarkIsUndoneAndMarginsAreUncapped) {
  ZQF_TwoDimensionalGlueGlyph glue(7, 3);
  glue.MarkLayoutStale();
  glue.UpdateDesiredSize();
  EXPECT_EQ(glue.GetDesiredSize().Natural, ZQ_Point<long>(7, 3));
  glue.UpdateMyDesiredSize();
  EXPECT_EQ(glue.GetDesiredSize().Natural, ZQ_Point<long>(7, 3));

  ZQF_MarginGlyph margin(new SizedGlyph(100, 20, 0, 0, Big, 20), 5, 5, 0);
  LayOut(margin, Box(0, 0, 8, 8));
  EXPECT_EQ(margin.GetDesiredSize().Natural, ZQ_Point<long>(110, 30));
  EXPECT_EQ(margin.GetDesiredSize().Maximum, ZQ_Point<long>(Big + 10, 30));
  EXPECT_EQ(margin.GetFirstChild()->GetBoundingBox(), Box(5, 5, 0, 0));
}

}  // namespace
