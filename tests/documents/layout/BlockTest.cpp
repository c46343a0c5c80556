#include <gtest/gtest.h>

#include "ZQFO_ExportDocumentToHTML_ExportContext.h"
#include "ZQFO_TextFixupDictionary.h"
#include "model/LayoutTestSupport.h"

namespace {

// Counts the slot calls; splits into two copies of itself when asked to.
class CountingBlock : public ZQFO_Block {
 public:
  CountingBlock(ZQFO_DistributionContext& Context, const ZQFO_FormattingOptions& Options, double MaximumWidth = 100)
      : ZQFO_Block(Context, Options), MaximumWidth(MaximumWidth) {}
  CountingBlock(const CountingBlock&) = default;
  long NumWidthLimits = 0, NumHeightLimits = 0, NumLayouts = 0;
  double LastWidth = 0, MaximumWidth;
  bool CanSplit = true;
  CountingBlock *First = nullptr, *Second = nullptr;
  using ZQFO_Block::GetLastNotedWidth;

 protected:
  ZQ_Point<double> Imp_ComputeDistributionAreaWidthLimits() override {
    ++NumWidthLimits;
    return {10, MaximumWidth};
  }
  ZQ_Point<double> Imp_ComputeDistributionAreaHeightLimits() override {
    ++NumHeightLimits;
    return {1, 1000 / LastWidth};
  }
  void Imp_NoteNewDistributionAreaWidth(double Width) override {
    ++NumLayouts;
    LastWidth = Width;
  }
  bool Imp_Split(double, ZQFO_Block*& A, ZQFO_Block*& B) override {
    if (!CanSplit) return false;
    A = First = new CountingBlock(*this);
    B = Second = new CountingBlock(*this);
    return true;
  }
  void Imp_CollectFormattingOptions(ZQFO_FormattingOptionsCollector& Collector) override {
    Collector.Add(GetOptions());
    Collector.Add(GetOptions());
  }
};

ZQFO_FormattingOptions BlockOptions(TestLayout& Layout, double LeftIndent, double RightIndent,
                                    bool KeepTogether = false) {
  ZQFO_FormattingOptionsFactory& factory = Layout.Context.OptionsFactory;
  factory.PushCurrentOptionsStack();
  factory.SetBlockLeftIndent(LeftIndent, false);
  factory.SetBlockRightIndent(RightIndent, false);
  factory.SetBlockKeepTogether(KeepTogether, false);
  factory.AppendId("a");
  factory.AppendId("b\"<&>");
  const ZQFO_FormattingOptions options = factory.GetFormattingOptions();
  factory.PopCurrentOptionsStack();
  return options;
}

std::string ExportBlock(TestLayout& Layout, ZQFO_Block& Block, long Stage, int NumAnchorCalls = 0) {
  ZQ_String text;
  {
    ZQFO_ExportDocumentToHTML_ExportContext export_(ZQ_CreateStringStreamSink(&text), Layout.Context);
    Block.ExportToHTML(export_, Stage);
    for (int i = 0; i < NumAnchorCalls; ++i) Block.InsertHTMLAnchors(export_);
  }
  return text.GetText();
}

}  // namespace

TEST(ZQFO_Block, SizesAreCachedPerWidthAndWidthsAreCutToTheMaximum) {
  TestLayout layout;
  CountingBlock block(layout.Context, BlockOptions(layout, 3, 2));
  const ZQ_Point<double> heights = block.ComputeDistributionAreaHeightLimits(55);
  EXPECT_DOUBLE_EQ(block.LastWidth, 50);  // indents off
  EXPECT_DOUBLE_EQ(heights.Y, 20);
  block.ComputeDistributionAreaHeightLimits(55 + 0.9e-06);
  EXPECT_EQ(block.NumHeightLimits, 1);
  block.ComputeDistributionAreaHeightLimits(56);
  EXPECT_EQ(block.NumHeightLimits, 2);
  EXPECT_EQ(block.NumLayouts, 2);
  block.NoteNewDistributionAreaWidth(51 + 1e-06);  // within 1.1e-06 of the last: no new layout
  EXPECT_EQ(block.NumLayouts, 2);
  block.NoteNewDistributionAreaWidth(500);
  EXPECT_NEAR(block.LastWidth, 100 + 1e-06, 1e-12);
  EXPECT_EQ(block.NumWidthLimits, 1);

  // Content added after the maximum was asked: the clamp takes the new one.
  block.MaximumWidth = 300;
  block.PerformFieldFixups(ZQFO_TextFixupDictionary());
  EXPECT_DOUBLE_EQ(block.GetLastNotedWidth(), -9999.0);
  block.NoteNewDistributionAreaWidth(500);
  EXPECT_NEAR(block.LastWidth, 300 + 1e-06, 1e-12);
  EXPECT_EQ(block.NumWidthLimits, 2);
  block.ComputeDistributionAreaHeightLimits(56);
  EXPECT_EQ(block.NumHeightLimits, 3);  // the fix-up dropped the heights too
}

TEST(ZQFO_Block, SplitsHonourKeepTogetherAndLeaveBothPiecesUncached) {
  TestLayout layout;
  ZQFO_Block *first = nullptr, *second = nullptr;
  CountingBlock kept(layout.Context, BlockOptions(layout, 0, 0, true));
  EXPECT_FALSE(kept.Split(50, 10, first, second));
  EXPECT_EQ(kept.NumLayouts, 0);  // refused before anything else

  CountingBlock block(layout.Context, BlockOptions(layout, 4, 6));
  block.SetPageId("p1");
  block.ComputeDistributionAreaHeightLimits(80);
  ASSERT_TRUE(block.Split(80, 10, first, second));
  EXPECT_DOUBLE_EQ(block.LastWidth, 70);
  EXPECT_EQ(first, block.First);
  for (CountingBlock* piece : {block.First, block.Second}) {
    EXPECT_TRUE(piece->GetPageId().IsEmpty());
    // The sizes are asked again; the layout for the noted width holds.
    EXPECT_DOUBLE_EQ(piece->GetLastNotedWidth(), 70);
    piece->ComputeDistributionAreaHeightLimits(80);
    EXPECT_EQ(piece->NumHeightLimits, 2);  // copied count 1, computed again
    EXPECT_EQ(piece->NumLayouts, 1);       // copied, none again
  }
  delete first;
  delete second;
  block.CanSplit = false;
  EXPECT_FALSE(block.Split(80, 10, first, second));
}

TEST(ZQFO_Block, HtmlIsQuotedByIndentAndEachIdAnchoredOncePerExport) {
  TestLayout layout;
  const struct {
    double indent;
    long levels;
  } cases[] = {{4.89, 0}, {4.9, 1}, {17.69, 1}, {17.7, 2}, {30.4, 3}, {43.09, 3}, {43.1, 4}, {400, 4}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.indent);
    EXPECT_EQ(ZQFO_Block::CalculateNumberOfBlockQuotes(c.indent), c.levels);
  }
  CountingBlock block(layout.Context, BlockOptions(layout, 20, 0));
  EXPECT_EQ(ExportBlock(layout, block, 0), "");
  EXPECT_EQ(ExportBlock(layout, block, 1), "\n<blockquote><blockquote></blockquote></blockquote>");
  // Both option sets hold {a}{b"<&>}: each id once, its markup characters escaped.
  EXPECT_EQ(ExportBlock(layout, block, 0, 2), "<a name=\"a\"></a>\n<a name=\"b&#34;&#60;&#38;&#62;\"></a>\n");
}
