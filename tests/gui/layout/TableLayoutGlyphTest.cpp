#include <gtest/gtest.h>

#include "../core/GuiStageTestSupport.h"
#include "LayoutTestSupport.h"
#include "ZQF_AlignmentGlyph.h"
#include "ZQF_GlueGlyphs.h"
#include "ZQF_LabelGlyph.h"
#include "ZQF_Metrics.h"
#include "ZQF_PropertyListGlyph.h"
#include "ZQF_TableLayoutGlyph.h"

namespace {

using Table = ZQF_TableLayoutGlyph;

class TableLayout : public GuiStageTest {
 protected:
  long my = 0, mx = 0;  // the default margins
  void SetUp() override {
    GuiStageTest::SetUp();
    my = ZQF_GetSizeMetric(ZQF_SizeMetric_Gap4Px).Y;
    mx = ZQF_GetSizeMetric(ZQF_SizeMetric_Gap8Px).X;
  }
};

TEST_F(TableLayout, SizesAndEmptyCellsHoldTheirMargins) {
  Table table(1, 1, 0);
  for (long i = 0; i < 2; ++i) {
    for (long j = 0; j < 2; ++j) table.SetClient(i, j, new SizedGlyph(50, 20));
  }
  table.TouchCell(0, 2);  // an empty third column
  LayOut(table, Box(0, 0, 500, 500));
  EXPECT_EQ(table.GetDesiredSize().Natural,
            ZQ_Point<long>(2 * (50 + 2 * mx) + 2 * mx, 2 * (20 + 2 * my)));
  EXPECT_EQ(table.GetCellRect(0, 2), Box(-20000, -20000, 0, 0));
  EXPECT_EQ(table.GetCellRect(1, 1).Width, 50 + 2 * mx);
}

TEST_F(TableLayout, FormatPrecedence) {
  Table table(2, 2, 0);
  table.TouchCell(1, 1);
  table.AccessTableFormatInfo().LeftMargin = 1;
  table.AccessColumnInfo(1).Format.LeftMargin = 2;
  table.AccessColumnInfo(1).Format.TopMargin = 7;
  table.AccessRowInfo(1).Format.LeftMargin = 3;
  table.AccessCellFormatInfo(1, 1).HorizontalAlignment = 2;
  struct Case {
    long row, column, left, top, horizontal;
  } cases[] = {{0, 0, 1, my, 0}, {0, 1, 2, 7, 0}, {1, 0, 3, my, 0}, {1, 1, 3, 7, 2}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.row * 10 + c.column);
    const Table::FormatInfoStruct f = table.ComputeFormatInfo(c.row, c.column);
    EXPECT_EQ(f.LeftMargin, c.left);
    EXPECT_EQ(f.TopMargin, c.top);
    EXPECT_EQ(f.HorizontalAlignment, c.horizontal);
    EXPECT_EQ(f.RightMargin, mx);
  }
}

TEST_F(TableLayout, ClientsAlignedWithinTheirContent) {
  Table table(1, 1, 0);
  Table::FormatInfoStruct& f = table.AccessTableFormatInfo();
  f.TopMargin = f.BottomMargin = f.LeftMargin = f.RightMargin = 0;
  f.HorizontalAlignment = f.VerticalAlignment = 1;
  SizedGlyph* small = new SizedGlyph(10, 5, 0, 0, 30, 10);
  table.SetClient(0, 0, small);
  table.SetClient(0, 1, new SizedGlyph(0, 40));   // makes row 0 40 high
  table.SetClient(1, 0, new SizedGlyph(100, 0));  // and column 0 100 wide
  LayOut(table, Box(0, 0, 100, 40));
  EXPECT_EQ(small->GetBoundingBox(), Box(35, 15, 30, 10));
}

TEST_F(TableLayout, HiddenRowsAndGrowth) {
  Table table(1, 1, 0);
  SizedGlyph* a = new SizedGlyph(10, 10);
  SizedGlyph* b = new SizedGlyph(10, 10);
  table.SetClient(0, 0, a);
  table.SetClient(1, 0, b);
  table.SetRowHidden(0, true, false);
  LayOut(table, Box(0, 0, 100, 100));
  EXPECT_EQ(table.GetDesiredSize().Natural.Y, 10 + 2 * my);
  EXPECT_EQ(a->GetBoundingBox(), Box(-20000, -20000, 0, 0));
  EXPECT_EQ(b->GetBoundingBox(), Box(mx, my, 10, 10));
  table.SetRowHidden(0, false, false);
  LayOut(table, Box(0, 0, 100, 101));
  EXPECT_EQ(a->GetBoundingBox(), Box(mx, my, 10, 10));

  EXPECT_EQ(table.GetClient(5, 0), nullptr);
  EXPECT_EQ(table.GetNumRows(), 6);
  EXPECT_EQ(table.GetClient(0, 0), a);
  EXPECT_EQ(table.GetClient(1, 0), b);
}

TEST_F(TableLayout, MultiLineTextInARightAlignedCell) {
  Table table(1, 1, 0);
  table.AccessColumnInfo(0).Format.HorizontalAlignment = 2;
  table.SetClient(0, 0, ZQ_String("Relative\nhumidity"));
  ZQF_ColumnGlyph* lines = dynamic_cast<ZQF_ColumnGlyph*>(table.GetClient(0, 0));
  ASSERT_NE(lines, nullptr);
  EXPECT_EQ(lines->CountNumberOfDirectChildren(), 2);
  LayOut(table, Box(0, 0, 300, 100));
  const ZQ_Rectangle<long> column = lines->GetBoundingBox();
  const ZQ_Rectangle<long> first = lines->GetFirstChild()->GetBoundingBox();
  EXPECT_EQ(first.X + first.Width, column.X + column.Width);
}

TEST_F(TableLayout, PropertyListRows) {
  ZQF_PropertyListGlyph list;
  SizedGlyph* edit = new SizedGlyph(60, 20);
  SizedGlyph* first = new SizedGlyph(30, 20);
  SizedGlyph* second = new SizedGlyph(30, 20);
  SizedGlyph* third = new SizedGlyph(30, 20);
  SizedGlyph* fourth = new SizedGlyph(30, 20);
  list.AddRowWithUnits("&Wind speed", edit, "m/s");
  list.AddSpaceBeforeNextRow();
  list.AddRowWithTwoClients("Range", first, second, -1);
  list.AddRowWithTwoClients("Pair", third, fourth, 0);
  list.AddRowWithUnits("Plain", new SizedGlyph(60, 20), " kPa");
  LayOut(list, Box(0, 0, 400, 300));
  EXPECT_EQ(list.GetNumRows(), 4);

  const ZQF_Glyph* units = edit->GetNextSibling();
  EXPECT_EQ(dynamic_cast<const ZQF_StoredLabelGlyph*>(units)->GetText(), ZQ_String("  m/s"));
  const ZQF_Glyph* kpa = list.GetClient(3, 1)->GetLastChild();
  EXPECT_EQ(dynamic_cast<const ZQF_StoredLabelGlyph*>(kpa)->GetText(), ZQ_String(" kPa"));
  const long gap = second->GetBoundingBox().X - (first->GetBoundingBox().X + 30);
  EXPECT_EQ(gap, ZQF_GetSizeMetric(ZQF_SizeMetric_Gap8Px).X);
  EXPECT_EQ(fourth->GetBoundingBox().X, third->GetBoundingBox().X + 30);

  const long widest = ZQF_MeasureLabelText(ZQF_GetFontMetric(ZQF_FontMetric_Label), "Wind speed").X;
  EXPECT_EQ(list.GetCellRect(0, 0).Width, widest + ZQF_GetSizeMetric(ZQF_SizeMetric_Gap24Px).X);
  EXPECT_EQ(edit->GetBoundingBox().X, list.GetCellRect(0, 1).X);
  EXPECT_EQ(list.GetCellRect(1, 0).Height, 20 + ZQF_GetSizeMetric(ZQF_SizeMetric_Gap16Px).Y + ZQF_GetSizeMetric(ZQF_SizeMetric_Gap4Px).Y);
  EXPECT_EQ(list.GetCellRect(2, 0).Height, 20 + 2 * ZQF_GetSizeMetric(ZQF_SizeMetric_Gap4Px).Y);
}

TEST_F(TableLayout, PropertyListCallingOrder) {
  ZQF_PropertyListGlyph list;
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { list.AddSpaceBeforeNextRow(); }), "RowIndex > 0"));
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { list.EndWorkRow(); }), "WorkRow"));
  list.BeginWorkRow();
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { list.BeginWorkRow(); }), "WorkRow == NULL"));
}

}  // namespace
