#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "FixedAdvanceCanvas.h"
#include "ZQFO_Block_Paragraph.h"
#include "ZQFO_ContentArea.h"
#include "ZQFO_DistributeBlockStream.h"
#include "ZQFO_FormattedDocument.h"
#include "ZQFO_Page.h"
#include "ZQFO_PageSequenceGenerator.h"
#include "ZQFO_RenderObject.h"

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
