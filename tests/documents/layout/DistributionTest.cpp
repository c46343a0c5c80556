#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "FixedAdvanceCanvas.h"
#include "../model/LayoutTestSupport.h"
#include "ZQFO_Block_Paragraph.h"
#include "ZQFO_Block_Table.h"
#include "ZQFO_DocumentParser.h"
#include "ZQFO_ExportDocumentToHTML_ExportContext.h"
#include "ZQFO_ContentArea.h"
#include "ZQFO_DistributeBlockStream.h"
#include "ZQFO_FormattedDocument.h"
#include "ZQFO_Page.h"
#include "ZQFO_PageSequenceGenerator.h"
#include "ZQFO_RenderObject.h"
#include "ZQ_StreamSink.h"

namespace {

using Setter = std::function<void(ZQFO_FormattingOptionsFactory&)>;

// Pages of Width x Height mm on the fixed-advance canvas.
struct Pages : FixedLayout {
  Pages(double Width, double Height) : Generator(Context.OptionsFactory.GetFormattingOptions(), Context) {
    Document.Reset(ZQ_Rectangle<double>(0, 0, Width, Height));
    Document.SetPageSequenceGenerator(&Generator);
    Document.GenerateNewPage(Context, ZQFO_ChapterStrings(), 0, nullptr);
  }
  ~Pages() { Document.Reset(ZQ_Rectangle<double>()); }
  ZQFO_FormattingOptions Make(const Setter& Set) {
    ZQFO_FormattingOptionsFactory& f = Context.OptionsFactory;
    f.PushCurrentOptionsStack();
    f.SetFontHeight(10, false);
    f.SetBlockSpaceBefore(0, false), f.SetBlockSpaceAfter(0, false);
    Set(f);
    const ZQFO_FormattingOptions options = f.GetFormattingOptions();
    f.PopCurrentOptionsStack();
    return options;
  }
  bool Distribute(const ZQFO_BlockStream& Stream, const ZQFO_DistributeBlockStream_Options& Options = {}) {
    return ZQFO_DistributeBlockStream(Context, Stream, *Document.GetPage(0)->GetFirstDefaultContentArea(), Options);
  }
  // "text@y" of each word on page Index, from the top.
  std::string Words(long Index) {
    ZQ_Array<ZQFO_WordInfo> words;
    long count = 0;
    Document.GetPage(Index)->CollectWordInfo(words, count);
    std::vector<ZQFO_WordInfo> sorted(&words[0], &words[0] + count);
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const ZQFO_WordInfo& a, const ZQFO_WordInfo& b) { return a.Y != b.Y ? a.Y > b.Y : a.X < b.X; });
    std::ostringstream text;
    for (const ZQFO_WordInfo& word : sorted) text << word.Text.GetText() << "@" << word.Y << " ";
    return text.str();
  }
  ZQFO_PageSequenceGenerator Generator;
  ZQFO_FormattedDocument Document;
};

ZQFO_Block_Paragraph* MakeParagraph(Pages& P, const std::string& Text, const ZQFO_FormattingOptions& Options) {
  auto* paragraph = new ZQFO_Block_Paragraph(P.Context, Options);
  for (size_t at = 0; at < Text.size();) {
    const size_t end = std::min(Text.find(' ', at), Text.size());
    paragraph->AddFlowObject(new ZQFO_FlowObject_Text(P.Context, Options, Text.substr(at, end - at).c_str()));
    at = end + 1;
  }
  return paragraph;
}

// A block of fixed heights that counts its copies alive, splits in two
// halves when it may, and writes its name as a word.
class TestBlock : public ZQFO_Block {
 public:
  TestBlock(ZQFO_DistributionContext& Context, const ZQFO_FormattingOptions& Options, const char* Name, double Min,
            double Max, bool CanSplit = false)
      : ZQFO_Block(Context, Options), Name(Name), Min(Min), Max(Max), CanSplit(CanSplit) {
    ++s_alive;
  }
  TestBlock(const TestBlock& Other) : ZQFO_Block(Other), Name(Other.Name), Min(Other.Min), Max(Other.Max) {
    ++s_alive;
  }
  ~TestBlock() override { --s_alive; }
  static long s_alive;
  static long s_pieces;
  double Width = 50;

 protected:
  ZQ_Point<double> Imp_ComputeDistributionAreaWidthLimits() override { return {Width, Width}; }
  ZQ_Point<double> Imp_ComputeDistributionAreaHeightLimits() override { return {Min, Max}; }
  void Imp_Distribute(ZQFO_ContentArea& Area) override {
    Area.AddRenderObject(new ZQFO_RenderObject_Text(GetOptions(), 0, 0, Area.GetFreeWidth(), Area.GetFreeHeight(),
                                                    Name.c_str()),
                         0);
  }
  bool Imp_Split(double Height, ZQFO_Block*& First, ZQFO_Block*& Second) override {
    if (!CanSplit || Height < 1 || Height >= Min) return false;
    s_pieces += 2;
    auto* a = new TestBlock(*this);
    auto* b = new TestBlock(*this);
    a->Name += "1", b->Name += "2";
    a->Min = a->Max = Height;
    b->Min = b->Max = Min - Height;
    First = a, Second = b;
    return true;
  }

 private:
  std::string Name;
  double Min, Max;
  bool CanSplit;
};
long TestBlock::s_alive = 0;
long TestBlock::s_pieces = 0;

}  // namespace

TEST(ZQFO_DistributeBlockStream, TheWorkedExampleStacksTwoParagraphsAPageAtTopCentreAndBottom) {
  const char* text = "aa bbb cccc dd eeeee f";
  const struct {
    long justification;
    const char* page1;
    const char* page2;
  } cases[] = {
      {0, "A@35 A@29.5 A@24 B@15 B@9.5 B@4 ", "C@35 C@29.5 C@24 "},
      {1, "A@33 A@27.5 A@22 B@13 B@7.5 B@2 ", "C@23 C@17.5 C@12 "},  // slack 24: 12 down
      {2, "A@31 A@25.5 A@20 B@11 B@5.5 B@0 ", "C@11 C@5.5 C@0 "},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.justification);
    Pages pages(20, 40);
    const ZQFO_FormattingOptions options =
        pages.Make([](ZQFO_FormattingOptionsFactory& f) { f.SetBlockSpaceBefore(2, false), f.SetBlockSpaceAfter(2, false); });
    ZQFO_BlockStream stream;
    for (const char* name : {"A", "B", "C"}) {
      ZQFO_Block_Paragraph* paragraph = MakeParagraph(pages, text, options);
      paragraph->SetPageId(name);
      stream.AddBlock(paragraph);
    }
    ZQFO_DistributeBlockStream_Options distribution;
    distribution.SetVerticalJustification(c.justification);
    EXPECT_TRUE(pages.Distribute(stream, distribution));
    ASSERT_EQ(pages.Document.GetNumPages(), 2);
    // One word of each line stands for its paragraph.
    for (long page = 0; page < 2; ++page) {
      std::string lines;
      long count = 0;
      std::istringstream words(pages.Words(page));
      for (std::string word; words >> word;)
        if (word.compare(0, 3, "aa@") == 0 || word.compare(0, 5, "cccc@") == 0 || word.compare(0, 6, "eeeee@") == 0)
          lines += std::string(page == 1 ? "C@" : count++ < 3 ? "A@" : "B@") + word.substr(word.find('@') + 1) + " ";
      EXPECT_EQ(lines, page == 0 ? c.page1 : c.page2);
    }
    EXPECT_EQ(pages.Context.GetPageReference("C"), "2");
    EXPECT_EQ(pages.Context.GetPageReference("A"), "1");
  }
}

namespace {

struct BlockSpec {
  const char* name;
  double min, max;
  Setter set;
  bool canSplit;
};

// Distributes the blocks on Width x 40 mm pages; "name@page,x,y" of each.
std::string Place(const std::vector<BlockSpec>& Blocks, const ZQFO_DistributeBlockStream_Options& Options = {},
                bool Paginate = true, double Width = 20, double BlockWidth = 10, bool* Result = nullptr) {
  Pages pages(Width, 40);
  pages.Context.ResolvePageReferences = Paginate;
  ZQFO_BlockStream stream;
  for (const BlockSpec& spec : Blocks) {
    auto* block = new TestBlock(pages.Context, pages.Make(spec.set), spec.name, spec.min, spec.max, spec.canSplit);
    block->Width = BlockWidth;
    stream.AddBlock(block);
  }
  const bool result = pages.Distribute(stream, Options);
  if (Result) *Result = result;
  std::ostringstream text;
  for (long p = 0; p < pages.Document.GetNumPages(); ++p) {
    ZQ_Array<ZQFO_WordInfo> words;
    long count = 0;
    pages.Document.GetPage(p)->CollectWordInfo(words, count);
    if (count == 0) continue;
    std::vector<ZQFO_WordInfo> sorted(&words[0], &words[0] + count);
    std::sort(sorted.begin(), sorted.end(), [](const ZQFO_WordInfo& a, const ZQFO_WordInfo& b) { return a.Y > b.Y; });
    for (const ZQFO_WordInfo& word : sorted)
      text << word.Text.GetText() << "@" << p + 1 << "," << word.X << "," << word.Y << " ";
  }
  return text.str();
}

const Setter kPlain = [](ZQFO_FormattingOptionsFactory&) {};
Setter Before(long Code) {
  return [Code](ZQFO_FormattingOptionsFactory& f) { f.SetBlockBreakBefore(Code, false); };
}

}  // namespace

TEST(ZQFO_DistributeBlockStream, ForcedBreaksMoveOnOnlyWhenTheContextPaginates) {
  const struct {
    long code;
    const char* paginated;
  } cases[] = {
      {0, "A@1,0,30 B@1,0,20 "},          {1, "A@1,0,30 B@1,0,20 "},
      {2, "A@1,0,30 B@2,0,30 "},          {3, "A@1,0,30 B@2,0,30 "},
      {4, "A@1,0,30 B@2,0,30 "},          {5, "A@1,0,30 B@3,0,30 "},  // page 2 is even: left empty
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.code);
    const std::vector<BlockSpec> blocks = {{"A", 10, 10, kPlain, false}, {"B", 10, 10, Before(c.code), false}};
    EXPECT_EQ(Place(blocks), c.paginated);
    EXPECT_EQ(Place(blocks, {}, false), "A@1,0,30 B@1,0,20 ");
  }
  // "evenpage" after "oddpage" on one boundary is "oddpage": page 3.
  EXPECT_EQ(Place({{"A", 10, 10, [](ZQFO_FormattingOptionsFactory& f) { f.SetBlockBreakAfter(5, false); }, false},
                 {"B", 10, 10, Before(4), false}}),
            "A@1,0,30 B@3,0,30 ");
}

TEST(ZQFO_DistributeBlockStream, GroupsMoveTogetherAndOnlyTheirLastBlockSplits) {
  ZQFO_DistributeBlockStream_Options minimize;
  minimize.SetVerticalAllocation(ZQFO_DistributeBlockStream_Options::VerticalAllocation_Minimize);
  ZQFO_DistributeBlockStream_Options keep;
  keep.SetKeepLeadingSpace(true);
  const Setter space = [](ZQFO_FormattingOptionsFactory& f) {
    f.SetBlockSpaceBefore(5, false), f.SetBlockSpaceAfter(1, false);
  };
  const struct {
    const char* why;
    std::vector<BlockSpec> blocks;
    ZQFO_DistributeBlockStream_Options options;
    const char* placed;
  } cases[] = {
      {"a never-run splits its last block", {{"A", 25, 25, kPlain, false}, {"B", 10, 10, kPlain, true},
        {"C", 10, 10, Before(1), true}}, {}, "A@1,0,15 B@1,0,5 C1@1,0,0 C2@2,0,35 "},
      {"an unsplittable run moves whole", {{"A", 25, 25, kPlain, false}, {"B", 10, 10, kPlain, true},
        {"C", 10, 10, Before(1), false}}, {}, "A@1,0,15 B@2,0,30 C@2,0,20 "},
      {"maximize shares the spare height", {{"A", 10, 20, kPlain, false}, {"B", 10, 20, kPlain, false}}, {},
       "A@1,0,20 B@1,0,0 "},
      {"minimize does not", {{"A", 10, 20, kPlain, false}, {"B", 10, 20, kPlain, false}}, minimize,
       "A@1,0,30 B@1,0,20 "},
      {"space before is dropped at the top", {{"A", 10, 10, space, false}, {"B", 10, 10, space, false}}, {},
       "A@1,0,30 B@1,0,14 "},
      {"unless kept", {{"A", 10, 10, space, false}, {"B", 10, 10, space, false}}, keep, "A@1,0,25 B@1,0,9 "},
      {"a block taller than any page goes alone, the rest follows",
       {{"A", 50, 50, kPlain, false}, {"B", 10, 10, kPlain, false}}, {}, "A@1,0,-10 B@2,0,30 "},
      {"a never-run taller than a page gives way",
       {{"A", 30, 30, kPlain, false}, {"B", 30, 30, Before(1), false}, {"C", 5, 5, kPlain, false}}, {},
       "A@1,0,10 B@2,0,10 C@2,0,5 "},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    bool result = false;
    EXPECT_EQ(Place(c.blocks, c.options, true, 20, 10, &result), c.placed);
    EXPECT_TRUE(result);
  }
  EXPECT_EQ(TestBlock::s_alive, 0);  // every piece freed once
}

TEST(ZQFO_DistributeBlockStream, BlocksSitByTheirJustificationBetweenTheirIndents) {
  const struct {
    long justification;
    double width;
    double x;
  } cases[] = {{0, 10, 2}, {1, 10, 6}, {2, 10, 10}, {1, 30, 2}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.justification) + " width " + std::to_string(c.width));
    const Setter set = [&](ZQFO_FormattingOptionsFactory& f) {
      f.SetBlockJustification(c.justification, false), f.SetBlockLeftIndent(2, false);
    };
    EXPECT_EQ(Place({{"A", 10, 10, set, false}}, {}, true, 20, c.width),
              "A@1," + std::to_string(static_cast<int>(c.x)) + ",30 ");
  }
}

TEST(ZQFO_DistributeBlockStream, AChainWithoutANextAreaReportsWhatDidNotFit) {
  Pages pages(20, 40);
  ZQFO_BlockStream stream;
  EXPECT_TRUE(ZQFO_DistributeBlockStream(pages.Context, stream, *pages.Document.GetPage(0)->GetFirstDefaultContentArea(),
                                         {}));
  ZQFO_Block* split = new TestBlock(pages.Context, pages.Make(kPlain), "S", 50, 50, true);
  split->SetPageId("split");
  stream.AddBlock(new TestBlock(pages.Context, pages.Make(kPlain), "A", 10, 10));
  stream.AddBlock(split);
  ZQFO_ContentArea cell(nullptr, 0, 0, 20, 40, 0);
  EXPECT_FALSE(ZQFO_DistributeBlockStream(pages.Context, stream, cell, {}));
  EXPECT_EQ(pages.Context.GetPageReference("split"), "1");  // its first piece was placed
  EXPECT_EQ(TestBlock::s_alive, 2);
  EXPECT_TRUE(pages.Distribute(stream));
  EXPECT_EQ(pages.Document.GetNumPages(), 2);
}

TEST(ZQFO_DistributeBlockStream, RandomStreamsAlwaysFinishWithinTheirPageBound) {
  unsigned seed = 20261207;
  auto next = [&seed](unsigned N) {
    seed = seed * 1103515245u + 12345u;
    return (seed >> 16) % N;
  };
  const double pageHeights[] = {0, 1e-9, 40, 1e9};
  const double blockHeights[] = {0, -5, 3, 15, 1e12};
  for (int round = 0; round < 60; ++round) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    Pages pages(20, pageHeights[round % 4]);
    pages.Context.ResolvePageReferences = next(2) == 0;
    ZQFO_BlockStream stream;
    const long n = 1 + next(40);
    long forced = 0;
    for (long i = 0; i < n; ++i) {
      const long code = next(3) == 0 ? next(6) : 0;
      forced += code >= 2 ? 1 : 0;
      const bool keep = next(4) == 0;
      const double height = blockHeights[next(5)];
      auto* block = new TestBlock(pages.Context, pages.Make([&](ZQFO_FormattingOptionsFactory& f) {
        f.SetBlockBreakBefore(code, false), f.SetBlockKeepTogether(keep, false);
      }), "b", height, height, next(2) == 0);
      block->Width = next(2) ? 10 : 1e6;
      stream.AddBlock(block);
    }
    TestBlock::s_pieces = 0;
    EXPECT_TRUE(pages.Distribute(stream));
    EXPECT_LE(pages.Document.GetNumPages(), n + TestBlock::s_pieces + 2 * forced + 1);
  }
  EXPECT_EQ(TestBlock::s_alive, 0);
}

namespace {

ZQFO_TableCellSize Box(double MinW, double MaxW, double MinH = -1, double MaxH = -1) {
  ZQFO_TableCellSize size;
  size.MinimumWidth = MinW, size.MaximumWidth = MaxW, size.MinimumHeight = MinH, size.MaximumHeight = MaxH;
  size.HasMinimumWidth = MinW >= 0, size.HasMaximumWidth = MaxW >= 0;
  size.HasMinimumHeight = MinH >= 0, size.HasMaximumHeight = MaxH >= 0;
  return size;
}

// A cell stream of one test block of Height.
ZQFO_BlockStream CellStream(Pages& P, double Height, const char* Name = "x") {
  ZQFO_BlockStream stream;
  auto* block = new TestBlock(P.Context, P.Make(kPlain), Name, Height, Height);
  block->Width = 4;
  stream.AddBlock(block);
  return stream;
}

const Setter kNoMargins = [](ZQFO_FormattingOptionsFactory& f) {
  f.SetCellLeftMargin(0, false), f.SetCellRightMargin(0, false), f.SetCellTopMargin(0, false);
  f.SetCellBottomMargin(0, false);
};

}  // namespace

TEST(ZQFO_Block_Table, ColumnsShareTheSpareWidthInProportionToTheirRanges) {
  Pages pages(200, 100);
  ZQFO_Block_Table table(pages.Context, pages.Make(kPlain));
  table.AddRow(pages.Make(kPlain));
  const double boxes[][2] = {{10, 20}, {20, 40}, {30, 60}};
  for (const auto& b : boxes) table.AddCell(CellStream(pages, 5), 1, pages.Make(kNoMargins), Box(b[0], b[1]));
  table.ClearCurrentRow();
  table.AllRowsAdded();
  EXPECT_EQ(table.ComputeDistributionAreaWidthLimits(), ZQ_Point<double>(60, 120));
  const struct {
    double width;
    double columns[3];
  } cases[] = {{90, {15, 30, 45}}, {60 + 4e-6, {10, 20, 30}}, {120 - 4e-6, {20, 40, 60}}, {10, {10, 20, 30}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.width);
    table.ComputeDistributionAreaHeightLimits(c.width);
    for (int i = 0; i < 3; ++i) EXPECT_NEAR(table.GetColumn(i).Width, c.columns[i], 1e-9);
  }
  table.AddRow(pages.Make(kPlain));
  table.AddCell(CellStream(pages, 5), 3, pages.Make(kNoMargins), Box(45, 45));  // 15 a column: raises the first
  table.AllRowsAdded();
  EXPECT_EQ(table.ComputeDistributionAreaWidthLimits(), ZQ_Point<double>(65, 120));
}

TEST(ZQFO_Block_Table, RowLimitsComeFromTheCellsAtTheirWidthsAndMargins) {
  Pages pages(200, 100);
  ZQFO_Block_Table table(pages.Context, pages.Make(kPlain));
  table.AddRow(pages.Make(kPlain));
  table.AddCell(CellStream(pages, 6), 1, pages.Make(kPlain), Box(10, 10, -1, 5));  // fixed maximum 5
  table.AddCell(CellStream(pages, 6), 1, pages.Make(kPlain), Box(10, 10));         // 6 + margins 1 + 1
  table.AddRow(pages.Make(kPlain));                                                // no cells: no height
  table.AddRow(pages.Make(kPlain));
  table.AddCell(CellStream(pages, 6), 1, pages.Make(kPlain), Box(10, 10, 3, 9));
  table.AllRowsAdded();
  EXPECT_EQ(table.ComputeDistributionAreaHeightLimits(20), ZQ_Point<double>(8 + 0 + 3, 8 + 0 + 9));
  EXPECT_EQ(table.GetRow(0).MaximumHeight, 8);
  EXPECT_EQ(table.GetRow(1).MaximumHeight, 0);
}

TEST(ZQFO_Block_Table, CellsPaintBackgroundAndBordersAndLayTheirStreamInsideTheMargins) {
  Pages pages(200, 100);
  ZQFO_Block_Table table(pages.Context, pages.Make(kPlain));
  table.AddRow(pages.Make([](ZQFO_FormattingOptionsFactory& f) { f.AppendId("row"); }));
  table.AddCell(CellStream(pages, 6, "c"), 1, pages.Make([](ZQFO_FormattingOptionsFactory& f) {
    f.SetCellLeftBorderThickness(1, false), f.SetCellRightBorderThickness(2, false);
    f.SetCellTopBorderThickness(3, false), f.SetCellBottomBorderThickness(1e-7, false);
    f.SetCellLeftMargin(2, false), f.SetCellRightMargin(3, false), f.SetCellTopMargin(1, false);
    f.SetCellBottomMargin(1, false), f.SetBlockVerticalJustification(2, false);
    f.SetBackgroundColor(ZQR_Color(255, 0, 0), false), f.AppendId("cell");
  }), Box(30, 30, 20, 20));
  table.AllRowsAdded();
  ZQFO_ContentArea area(nullptr, 0, 0, 30, 20, 0);
  table.Distribute(area);
  ASSERT_NE(area.FirstChild, nullptr);
  const ZQFO_ContentArea& row = *area.FirstChild;
  ASSERT_NE(row.FirstChild, nullptr);
  const ZQFO_ContentArea& cell = *row.FirstChild;
  EXPECT_NE(std::string(row.GetIdPath().GetText()).find("{row}"), std::string::npos);
  EXPECT_NE(std::string(cell.GetIdPath().GetText()).find("{cell}"), std::string::npos);
  pages.Canvas.Log.clear();
  area.Render(pages.Canvas, 0, 0, 0);
  std::vector<std::string> drawn;
  for (const auto& d : pages.Canvas.Log) {
    std::ostringstream text;
    text << d.Kind << " " << d.Box.X << "," << d.Box.Y << " " << d.Box.Width << "x" << d.Box.Height;
    drawn.push_back(text.str());
  }
  // Three borders reaching half the crossing border past the corners (the
  // thin bottom one left out); the block at the cell's bottom inside the
  // margins.
  EXPECT_EQ(drawn, (std::vector<std::string>{"line 0,-5e-08 0x21.5", "line 30,-5e-08 0x21.5", "line -0.5,20 31.5x0",
                                              "text 2,6 2x5"}));
  EXPECT_EQ(cell.BackgroundColor, ZQR_Color(255, 0, 0));
}

TEST(ZQFO_Block_Table, TablesSplitBetweenRowsIntoPiecesOfThreeRowsThatShareTheirCells) {
  for (long numRows : {5, 6, 7}) {
    SCOPED_TRACE(numRows);
    {
      Pages pages(200, 100);
      std::unique_ptr<ZQFO_Block_Table> table(new ZQFO_Block_Table(pages.Context, pages.Make(kPlain)));
      for (long r = 0; r < numRows; ++r) {
        table->AddRow(pages.Make(kPlain));
        table->AddCell(CellStream(pages, 8), 2, pages.Make(kPlain), Box(10, 10));
        table->AddCell(CellStream(pages, 8), 1, pages.Make(kPlain), Box(10, 10));
      }
      table->AllRowsAdded();
      ZQFO_Block *first = nullptr, *second = nullptr;
      const bool split = table->Split(30, 45, first, second);  // 4 rows of 10 fit
      EXPECT_EQ(split, numRows >= 6);
      if (split) {
        std::unique_ptr<ZQFO_Block_Table> a(dynamic_cast<ZQFO_Block_Table*>(first));
        std::unique_ptr<ZQFO_Block_Table> b(dynamic_cast<ZQFO_Block_Table*>(second));
        EXPECT_EQ(a->GetNumRows(), numRows == 6 ? 3 : 4);
        EXPECT_EQ(b->GetNumRows(), 3);
        EXPECT_TRUE(a->IsSplitPiece() && b->IsSplitPiece());
        EXPECT_EQ(b->GetCell(0, 0), table->GetCell(numRows - 3, 1));
        EXPECT_EQ(a->ComputeDistributionAreaWidthLimits(), table->ComputeDistributionAreaWidthLimits());
        EXPECT_EQ(a->ComputeDistributionAreaHeightLimits(30).X, a->GetNumRows() * 10.0);
      }
      EXPECT_EQ(TestBlock::s_alive, 2 * numRows);  // the pieces deleted no cell
    }
    EXPECT_EQ(TestBlock::s_alive, 0);  // the table deleted each cell once
  }
}

TEST(ZQFO_Block_Table, HTMLWritesRowsAndCellsWithSpansAlignmentsAndColours) {
  Pages pages(200, 100);
  ZQFO_Block_Table table(pages.Context, pages.Make([](ZQFO_FormattingOptionsFactory& f) {
    f.SetBlockJustification(1, false);
  }));
  table.AddRow(pages.Make(kPlain));
  table.AddCell(ZQFO_BlockStream(), 2, pages.Make([](ZQFO_FormattingOptionsFactory& f) {
    f.SetBlockJustification(2, false), f.SetBlockVerticalJustification(1, false);
    f.SetBackgroundColor(ZQR_Color(0, 128, 255), false);
  }), Box(10, 10));
  table.AddCell(ZQFO_BlockStream(), 1, pages.Make([](ZQFO_FormattingOptionsFactory& f) {
    f.SetBlockJustification(1, false), f.SetBlockVerticalJustification(2, false);
  }), Box(10, 10));
  table.AddRow(pages.Make(kPlain));
  table.AllRowsAdded();
  ZQ_String text;
  {
    ZQFO_ExportDocumentToHTML_ExportContext context(ZQ_CreateStringStreamSink(&text), pages.Context);
    table.ExportToHTML(context, 1);
  }
  EXPECT_EQ(std::string(text.GetText()),
            "\n<div align=\"center\"><table border=\"0\" cellpadding=\"2\" cellspacing=\"0\">\n"
            "<tr align=\"left\" valign=\"top\"><td colspan=\"2\" align=\"right\" valign=\"center\" "
            "bgcolor=\"#0080FF\"></td><td align=\"center\" valign=\"bottom\" bgcolor=\"#FFFFFF\"></td> </tr>\n"
            "<tr align=\"left\" valign=\"top\"> </tr>\n</table>\n</div>\n");
}

TEST(ZQFO_Block_Table, HugeAndZeroSizesLayOut) {
  for (double pageWidth : {0.0, 100.0}) {
    SCOPED_TRACE(pageWidth);
    Pages pages(pageWidth, 100);
    auto* table = new ZQFO_Block_Table(pages.Context, pages.Make([](ZQFO_FormattingOptionsFactory& f) {
      f.SetBlockSpaceBefore(1e9, false);
    }));
    table->AddRow(pages.Make(kPlain));
    table->AddCell(CellStream(pages, 6), 1, pages.Make(kPlain), Box(0, 0, 0, 0));
    table->AddCell(CellStream(pages, 6), 1, pages.Make(kPlain), Box(9.9e9, 9.9e9, 9.9e9, 9.9e9));
    table->AddCell(CellStream(pages, 6), 2147483647, pages.Make(kPlain), Box(-1, -1));  // counts as 1,000 columns
    table->AllRowsAdded();
    EXPECT_EQ(table->GetNumColumns(), 1002);
    ZQFO_BlockStream stream;
    stream.AddBlock(table);
    stream.AddBlock(new TestBlock(pages.Context, pages.Make(kPlain), "after", 5, 5));
    EXPECT_TRUE(pages.Distribute(stream));
    EXPECT_EQ(pages.Document.GetNumPages(), 2);  // the table alone, clipped; the block after it follows
  }
}

TEST(ZQFO_DistributeBlockStream, APageNumberClosesUpTheLineItWasReservedIn) {
  // Laid out around "MMMMM" (10 mm at 2 mm a character) in a paragraph as
  // wide as its line (38 mm), then "1": no blank stays beside the number
  // and the line keeps its justification.
  const struct {
    const char* justification;
    double pageWidth;
    const char* body;
    const char* drawn;
  } cases[] = {{"left", 60, "on page @. Next", "on@0 page@6 1@16 .@18 Next@22 "},
               {"center", 60, "on page @. Next", "on@4 page@10 1@20 .@22 Next@26 "},
               {"right", 60, "on page @. Next", "on@8 page@14 1@24 .@26 Next@30 "},
               {"full", 60, "on page @. Next", "on@0 page@6 1@16 .@18 Next@22 "},
               // "MMMMM" (10 mm) got only the 6 mm of its line.
               {"right", 6, "@", "1@4 "}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.justification) + " " + c.body);
    Pages pages(c.pageWidth, 20);  // inside the canvas's 50 x 25 mm clip
    std::string body = c.body;
    body.replace(body.find('@'), 1, "<zqfo_pageref target='t'/>");
    const ZQFO_ParsedDocument parsed = ZQFO_ParseDocument(
        ReadDocument(std::string("<zqfo_document><zqfo_section><zqfo_blockstream><zqfo_blockgroup font_height='10 pt' "
                                 "block_space_before='0 mm' block_space_after='0 mm' line_justification='") +
                     c.justification + "'><zqfo_para>" + body + "</zqfo_para><zqfo_para pageid='t'></zqfo_para>"
                     "</zqfo_blockgroup></zqfo_blockstream></zqfo_section></zqfo_document>"),
        pages.Context);
    EXPECT_TRUE(pages.Distribute(parsed.GetSections()[0].GetPrimaryBlockStream()));
    pages.Context.PerformPageRefFixups();
    pages.Document.Render(pages.Canvas, 0, {0, 0});
    std::vector<std::pair<double, std::string>> texts;
    for (const auto& d : pages.Canvas.Log)
      if (d.Kind == "text" && d.Text != " ") texts.emplace_back(d.Box.X, d.Text);
    std::sort(texts.begin(), texts.end());
    std::ostringstream drawn;
    for (const auto& t : texts) drawn << t.second << "@" << t.first << " ";
    EXPECT_EQ(drawn.str(), c.drawn);
  }
}

namespace {

// The page (1-based) of each word, "word@page " in reading order.
std::string WordPages(Pages& P) {
  std::ostringstream text;
  for (long p = 0; p < P.Document.GetNumPages(); ++p) {
    ZQ_Array<ZQFO_WordInfo> words;
    long count = 0;
    P.Document.GetPage(p)->CollectWordInfo(words, count);
    std::vector<ZQFO_WordInfo> sorted(&words[0], &words[0] + count);
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const ZQFO_WordInfo& a, const ZQFO_WordInfo& b) { return a.Y > b.Y; });
    for (const ZQFO_WordInfo& word : sorted) text << word.Text.GetText() << "@" << p + 1 << " ";
  }
  return text.str();
}

ZQFO_ParsedDocument ParseBody(Pages& P, const std::string& Body) {
  return ZQFO_ParseDocument(ReadDocument("<zqfo_document><zqfo_section><zqfo_blockstream><zqfo_blockgroup "
                                         "font_height='10 pt' block_space_before='0 mm' block_space_after='0 mm'>" +
                                         Body + "</zqfo_blockgroup></zqfo_blockstream></zqfo_section></zqfo_document>"),
                            P.Context);
}

}  // namespace

TEST(ZQFO_DistributeBlockStream, ParsedContentThatCannotSplitTakesItsPagesAndTheRestFollows) {
  // At 10 pt a one-line paragraph is 5 mm tall (20 a 100 mm page), and a
  // paragraph's lines are 5.5 mm apart.
  std::string tall = "<zqfo_para>before</zqfo_para><zqfo_para block_keep_together='true'>";
  for (int i = 0; i < 1000; ++i) tall += (i ? "<zqfo_linebreak/>w" : "w") + std::to_string(i);
  tall += "</zqfo_para><zqfo_para>after</zqfo_para>";
  std::string never, neverPlaced;
  for (int i = 0; i < 200; ++i) {
    never += std::string("<zqfo_para") + (i ? " block_break_before='never'" : "") + ">p" + std::to_string(i) +
             "</zqfo_para>";
    neverPlaced += "p" + std::to_string(i) + "@" + std::to_string(i / 20 + 1) + " ";
  }
  const struct {
    const char* why;
    std::string body;
    long pages;
    std::string placed;  // the words checked, in order
  } cases[] = {
      {"a keep-together paragraph of 1,000 lines has a page of its own, clipped", tall, 3,
       "before@1 w0@2 w999@2 after@3 "},
      {"200 never-joined paragraphs fill page after page", never, 10, neverPlaced},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    Pages pages(60, 100);
    const ZQFO_ParsedDocument parsed = ParseBody(pages, c.body);
    EXPECT_TRUE(pages.Distribute(parsed.GetSections()[0].GetPrimaryBlockStream()));
    EXPECT_EQ(pages.Document.GetNumPages(), c.pages);
    std::istringstream expected(c.placed);
    std::string placed = WordPages(pages), checked;
    for (std::string word; expected >> word;)
      if (placed.find(" " + word + " ") != std::string::npos || placed.compare(0, word.size() + 1, word + " ") == 0)
        checked += word + " ";
    EXPECT_EQ(checked, c.placed);
  }
}

TEST(ZQFO_FormattedDocument, LaidOutTablesAnswerForTheirIdsAndLinks) {
  Pages pages(60, 20);
  const ZQFO_ParsedDocument parsed = ParseBody(
      pages, "<zqfo_para>Intro</zqfo_para><zqfo_table id='t'><zqfo_row><zqfo_flowcell id='c'>cell "
             "<zqfo_flowgroup id='l' link_target='#c2'>link</zqfo_flowgroup></zqfo_flowcell></zqfo_row></zqfo_table>");
  EXPECT_TRUE(pages.Distribute(parsed.GetSections()[0].GetPrimaryBlockStream()));
  ZQFO_ContentArea_SearchResult table, cell, link, none;
  pages.Document.SearchForContentAreaById("t", table);
  pages.Document.SearchForContentAreaById("c", cell);
  pages.Document.SearchForContentAreaById("l", link);
  pages.Document.SearchForContentAreaById("missing", none);
  ASSERT_TRUE(table.Found && cell.Found && link.Found);
  EXPECT_FALSE(none.Found);
  EXPECT_TRUE(table.Rectangle.ContainsRectangle(cell.Rectangle) && cell.Rectangle.ContainsRectangle(link.Rectangle));
  const ZQ_Point<double> onLink(link.Rectangle.X + link.Rectangle.Width / 2, link.Rectangle.Y + link.Rectangle.Height / 2);
  EXPECT_EQ(pages.Document.GetLinkTargetAtPoint(0, onLink), "#c2");
  EXPECT_EQ(pages.Document.GetLinkTargetAtPoint(0, {cell.Rectangle.X + 0.5, onLink.Y}), "");  // on "cell"
}

TEST(ZQFO_FormattedDocument, ParsedSectionsCarryTheirChaptersToThePagesTheyStart) {
  const std::string footer =
      "<zqfo_pagesequencegenerator><zqfo_otherpage><zqfo_frame location='bottommargin'><zqfo_blockstream>"
      "<zqfo_para>in <zqfo_field name='ChapterName'/></zqfo_para></zqfo_blockstream></zqfo_frame></zqfo_otherpage>"
      "</zqfo_pagesequencegenerator>";
  const std::string markup =
      "<zqfo_document><zqfo_section>" + footer + "<zqfo_blockstream><zqfo_blockgroup toc='true' sectionname='Heat' "
      "sectionnumber='1'><zqfo_para>h</zqfo_para></zqfo_blockgroup></zqfo_blockstream></zqfo_section><zqfo_section>" +
      footer + "<zqfo_blockstream><zqfo_blockgroup toc='true' sectionname='Water' block_break_before='oddpage'>"
      "<zqfo_para>w</zqfo_para></zqfo_blockgroup></zqfo_blockstream></zqfo_section></zqfo_document>";
  FixedLayout layout;
  const ZQFO_ParsedDocument parsed = ZQFO_ParseDocument(ReadDocument(markup), layout.Context);
  const ZQFO_BlockStream first = parsed.GetSections()[0].GetPrimaryBlockStream();
  const ZQFO_BlockStream second = parsed.GetSections()[1].GetPrimaryBlockStream();
  EXPECT_EQ(ZQFO_GetBlockStreamSectionTexts(first).ChapterName, "Heat");
  EXPECT_EQ(ZQFO_GetBlockStreamSectionTexts(first).ChapterNumber, "1");
  EXPECT_EQ(ZQFO_GetBlockStreamSectionTexts(second).ChapterName, "Water");
  EXPECT_EQ(ZQFO_GetBlockStreamBreakBefore(second, true), ZQFO_Break_OddPage);
  EXPECT_EQ(ZQFO_GetBlockStreamBreakBefore(second, false), ZQFO_Break_Page);
  // Laid out as the renderer does: "Water" starts on page 3, after an
  // empty even page, and each footer names its page's chapter.
  ZQFO_FormattedDocument document;
  document.Reset(ZQ_Rectangle<double>(0, 10, 40, 30));
  EXPECT_TRUE(PaginateSections(layout.Context, parsed, document));
  std::string pages;
  for (long page = 0; page < document.GetNumPages(); ++page) {
    ZQ_Array<ZQFO_WordInfo> words;
    long count = 0;
    document.GetPage(page)->CollectWordInfo(words, count);
    std::vector<ZQFO_WordInfo> sorted(&words[0], &words[0] + count);
    std::sort(sorted.begin(), sorted.end(), [](const ZQFO_WordInfo& a, const ZQFO_WordInfo& b) {
      return a.Y != b.Y ? a.Y > b.Y : a.X < b.X;
    });
    pages += std::to_string(page + 1) + ":";
    for (const ZQFO_WordInfo& word : sorted) pages += std::string(" ") + word.Text.GetText();
    pages += " ";
  }
  EXPECT_EQ(pages, "1: h in Heat 2: in Heat 3: w in Water ");
  document.Reset(ZQ_Rectangle<double>());
}
