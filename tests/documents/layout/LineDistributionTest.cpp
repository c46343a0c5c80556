#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <sstream>
#include <vector>

#include "FixedAdvanceCanvas.h"
#include "ZQFO_ContentArea.h"
#include "ZQFO_FlowObject.h"
#include "ZQFO_LineDistribution.h"
#include "ZQFO_RenderObject.h"
#include "ZQ_Exception.h"

namespace {

const char kExample[] = "aa bbb cccc dd eeeee f";

std::string Lines(const ZQFO_LineDistribution& Lines) {
  std::string text;
  for (long i = 0; i < Lines.GetNumLines(); ++i) {
    ZQFO_Line& line = Lines.GetLine(i);
    text += "[";
    for (long j = 0; j < line.GetNumFlowObjects(); ++j) {
      auto* word = dynamic_cast<ZQFO_FlowObject_Text*>(line.GetInfo(j).FlowObject);
      text += (j ? " " : "") + std::string(word ? word->GetText().GetText() : "#");
    }
    text += "]" + std::to_string(line.GetLocation());
  }
  return text;
}

// "text@x,y" of every word, from the top line down and left to right.
std::string Words(const ZQFO_ContentArea& Area) {
  ZQ_Array<ZQFO_WordInfo> words;
  long count = 0;
  Area.CollectWordInfo(words, count, 0, 0);
  std::vector<ZQFO_WordInfo> sorted(&words[0], &words[0] + count);
  std::sort(sorted.begin(), sorted.end(), [](const ZQFO_WordInfo& a, const ZQFO_WordInfo& b) {
    return a.Y != b.Y ? a.Y > b.Y : a.X < b.X;
  });
  std::ostringstream text;
  for (const ZQFO_WordInfo& word : sorted) text << word.Text.GetText() << "@" << word.X << "," << word.Y << " ";
  return text.str();
}

// Every render object of Area's tree, with the absolute rectangle.
void CollectRenderObjects(const ZQFO_ContentArea& Area, double DX, double DY,
                          std::vector<std::pair<const ZQFO_RenderObject*, ZQ_Rectangle<double>>>& Result) {
  const double x = Area.Area.X + DX, y = Area.Area.Y + DY;
  for (const ZQFO_RenderObject* object = Area.RenderObjects; object; object = object->NextSibling)
    Result.push_back({object, {object->X + x, object->Y + y, object->Width, object->Height}});
  for (const ZQFO_ContentArea* child = Area.FirstChild; child; child = child->NextSibling)
    CollectRenderObjects(*child, x, y, Result);
}

}  // namespace

TEST(ZQFO_LineDistribution, TheWorkedParagraphBreaksStacksAndJustifies) {
  FixedLayout layout;
  const struct {
    long justification;
    double spacing;
    const char* words;
  } cases[] = {
      {0, 1, "aa@0,25 bbb@6,25 cccc@0,19.5 dd@10,19.5 eeeee@0,14 f@12,14 "},
      {1, 1, "aa@4,25 bbb@10,25 cccc@3,19.5 dd@13,19.5 eeeee@3,14 f@15,14 "},
      {2, 1, "aa@8,25 bbb@14,25 cccc@6,19.5 dd@16,19.5 eeeee@6,14 f@18,14 "},
      {3, 1, "aa@0,25 bbb@14,25 cccc@0,19.5 dd@16,19.5 eeeee@0,14 f@12,14 "},
      {0, 1.5, "aa@0,25 bbb@6,25 cccc@0,16.75 dd@10,16.75 eeeee@0,8.5 f@12,8.5 "},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.justification) + " spacing " + std::to_string(c.spacing));
    FixedLayout::Settings settings;
    settings.Justification = c.justification;
    settings.LineSpacing = c.spacing;
    const ZQFO_FormattingOptions options = layout.Options(settings);
    Chain chain;
    chain.AddWords(layout.Context, kExample, options);
    ZQFO_LineDistribution lines(layout.Context, options, 20, chain.First(), chain.Last(),
                                ZQFO_LineDistribution::Portion_Whole, false);
    EXPECT_EQ(Lines(lines), "[aa bbb]0[cccc dd]1[eeeee f]2");
    const double height = c.spacing == 1 ? 16 : 21.5;
    EXPECT_EQ(lines.GetHeightLimits(), ZQ_Point<double>(height, height));
    ZQFO_ContentArea area(nullptr, 0, 0, 20, 30, 0);
    lines.Distribute(area);
    EXPECT_EQ(Words(area), c.words);
    ZQFO_LineDistribution *first = nullptr, *second = nullptr;
    if (c.spacing == 1) {
      EXPECT_FALSE(lines.Split(10.5, first, second));  // n = 2, rest = 1
    }
  }
}

TEST(ZQFO_LineDistribution, SuperscriptsRiseAndSubscriptsSinkButNotFirstOnALine) {
  FixedLayout layout;
  const struct {
    const char* why;
    long alignment;
    bool isFirst;
    const char* words;  // the normal word sits at 0
  } cases[] = {
      {"superscript after a word", 1, false, "s@4,1 n@0,0 "},
      {"subscript after a word", 2, false, "n@0,0 s@4,-1.5 "},
      {"superscript first on its line: the baseline", 1, true, "s@0,0 "},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    FixedLayout::Settings raised;
    raised.VerticalAlignment = c.alignment;
    Chain chain;
    if (!c.isFirst) chain.Add(new ZQFO_FlowObject_Text(layout.Context, layout.Options(), "n"));
    chain.Add(new ZQFO_FlowObject_Text(layout.Context, layout.Options(raised), "s"));
    ZQFO_LineDistribution lines(layout.Context, layout.Options(), 40, chain.First(), chain.Last(),
                                ZQFO_LineDistribution::Portion_Whole, false);
    ZQFO_ContentArea area(nullptr, 0, 0, 40, 5, 0);
    lines.Distribute(area);
    EXPECT_EQ(Words(area), c.words);
  }
}

TEST(ZQFO_LineDistribution, BreaksHonourJoinsForcedBreaksAndOverlongWords) {
  FixedLayout layout;
  const ZQFO_FormattingOptions options = layout.Options();
  auto word = [&](const char* Text) { return new ZQFO_FlowObject_Text(layout.Context, options, Text); };
  const struct {
    const char* why;
    std::function<void(Chain&)> build;
    const char* lines;
  } cases[] = {
      {"an overlong word overflows its own line", [&](Chain& c) { c.Add(word("abcdefghijklmn")); }, "[abcdefghijklmn]3"},
      {"joined objects stay together",
       [&](Chain& c) {
         c.Add(word("aaaa"));
         c.Add(word("bb"), 1);
         c.Add(word("cc"), 1, 2);
         c.Add(word("dd"));
       },
       "[aaaa]0[bb cc dd]2"},
      {"a forced break ends a first line as first-and-last",
       [&](Chain& c) {
         c.Add(word("a"), 2);
         c.Add(word("b"), 2);
         c.Add(word("c"));
       },
       "[a]3[b]2[c]2"},
      {"an empty chain", [](Chain&) {}, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    Chain chain;
    c.build(chain);
    ZQFO_LineDistribution lines(layout.Context, options, 12, chain.First(), chain.Last(),
                                ZQFO_LineDistribution::Portion_Whole, false);
    EXPECT_EQ(Lines(lines), c.lines);
    if (chain.Objects.empty()) {
      EXPECT_EQ(lines.GetHeightLimits(), ZQ_Point<double>(0, 0));
    }
  }
}

TEST(ZQFO_LineDistribution, FullJustificationStretchesOnlyOrdinarySpacesOfNonLastLines) {
  FixedLayout layout;
  FixedLayout::Settings full;
  full.Justification = 3;
  const ZQFO_FormattingOptions options = layout.Options(full);
  const struct {
    const char* why;
    long spaceAfter;
    long location;
    double width;
    double secondLeading;
  } cases[] = {
      {"ordinary spaces share the spare width", 0, ZQFO_Line::Location_Middle, 20, 12},
      {"a last line stays", 0, ZQFO_Line::Location_Last, 20, 0},
      {"fixed spaces stay", 1, ZQFO_Line::Location_First, 20, 0},
      {"an overfull line stays", 0, ZQFO_Line::Location_First, 4, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    Chain chain;
    chain.Add(new ZQFO_FlowObject_Text(layout.Context, options, "ab"), 0, c.spaceAfter);
    chain.Add(new ZQFO_FlowObject_Text(layout.Context, options, "c"));
    ZQFO_Line line(options, c.width, static_cast<ZQFO_Line::LocationType>(c.location));
    line.AddFlowObjects(chain.First(), chain.Last());
    line.ComputeHeightLimits();
    line.JustifyLine();
    EXPECT_DOUBLE_EQ(line.GetInfo(1).LeadingSpace, c.secondLeading);
  }
}

TEST(ZQFO_LineDistribution, FlexibleImagesTakeSpareHeightAndWidth) {
  FixedLayout layout;
  const ZQFO_FormattingOptions options = layout.Options();
  ZQFO_BoxSize box;
  box.MinimumX = 4, box.MaximumX = 10, box.MinimumY = 2, box.MaximumY = 12, box.Aspect = -1;
  Chain chain;
  chain.Add(new ZQFO_FlowObject_Text(layout.Context, options, "ab"));
  chain.Add(new ZQFO_FlowObject_Error(layout.Context, options, box));
  ZQFO_LineDistribution lines(layout.Context, options, 30, chain.First(), chain.Last(),
                              ZQFO_LineDistribution::Portion_Whole, false);
  // Text 5 high (1 below the baseline); the box 2 to 12, all above it.
  EXPECT_EQ(lines.GetHeightLimits(), ZQ_Point<double>(5, 13));
  std::vector<double> extra;
  lines.ComputeExtraVerticalAllocation(9, extra);
  EXPECT_DOUBLE_EQ(extra[0], 4);
  lines.ComputeExtraVerticalAllocation(5 + 0.9e-05, extra);
  EXPECT_DOUBLE_EQ(extra[0], 0);  // below the 1e-05 threshold
  ZQFO_ContentArea area(nullptr, 0, 0, 30, 9, 0);
  lines.Distribute(area);
  std::vector<std::pair<const ZQFO_RenderObject*, ZQ_Rectangle<double>>> objects;
  CollectRenderObjects(area, 0, 0, objects);
  ASSERT_EQ(objects.size(), 2u);
  for (const auto& o : objects)
    if (dynamic_cast<const ZQFO_RenderObject_Error*>(o.first)) {
      EXPECT_EQ(o.second, ZQ_Rectangle<double>(6, 1, 10, 8));  // the baseline at 1, all 9 - 1 above it
    }
}

TEST(ZQFO_LineDistribution, UnderlinesJoinNeighboursAndLinksCoverTheirGaps) {
  FixedLayout layout;
  FixedLayout::Settings linked;
  linked.Underline = 1;
  linked.Link = "target";
  const ZQFO_FormattingOptions options = layout.Options(linked);
  Chain chain;
  chain.Add(new ZQFO_FlowObject_Text(layout.Context, layout.Options(), "x"));
  chain.AddWords(layout.Context, "a bb c", options);
  chain.Add(new ZQFO_FlowObject_Text(layout.Context, layout.Options(), "y"));
  ZQFO_LineDistribution lines(layout.Context, layout.Options(), 40, chain.First(), chain.Last(),
                              ZQFO_LineDistribution::Portion_Whole, false);
  ZQFO_ContentArea area(nullptr, 0, 0, 40, 5, 0);
  lines.Distribute(area);
  std::vector<std::pair<const ZQFO_RenderObject*, ZQ_Rectangle<double>>> objects;
  CollectRenderObjects(area, 0, 0, objects);
  std::vector<std::pair<double, double>> underlines;  // x from, to
  for (const auto& o : objects)
    if (dynamic_cast<const ZQFO_RenderObject_Line*>(o.first) && o.second.Width > 0)
      underlines.push_back({o.second.X, o.second.X + o.second.Width});
  std::sort(underlines.begin(), underlines.end());
  // x 0-2, gap, a 4-6, gap 6-8, bb 8-12, gap 12-14, c 14-16, gap 16-18 (its own trailing area).
  const std::vector<std::pair<double, double>> expected = {{4, 6}, {6, 8}, {8, 12}, {12, 14}, {14, 16}};
  EXPECT_EQ(underlines, expected);
  // Every area from a to c's trailing gap links to the target.
  std::vector<std::pair<double, double>> links;
  const ZQFO_ContentArea* lineArea = area.FirstChild;
  ASSERT_NE(lineArea, nullptr);
  for (const ZQFO_ContentArea* child = lineArea->FirstChild; child; child = child->NextSibling)
    if (child->GetLinkTarget() == ZQ_String("target") && child->Area.Width > 0)
      links.push_back({child->Area.X, child->Area.X + child->Area.Width});
  std::sort(links.begin(), links.end());
  const std::vector<std::pair<double, double>> linkExpected = {{4, 6}, {6, 8}, {8, 12}, {12, 14}, {14, 16}, {16, 18}};
  EXPECT_EQ(links, linkExpected);
}

TEST(ZQFO_LineDistribution, SplitsNeverLeaveOrCarryOneLineAlone) {
  FixedLayout layout;
  const ZQFO_FormattingOptions options = layout.Options();
  const struct {
    const char* why;
    long lines, room;
    long first;  // 0: no split
  } cases[] = {
      {"room for 3 of 4: two and two", 4, 3, 2},
      {"room for 1 of 5: none", 5, 1, 0},
      {"room for 2 of 2: none", 2, 2, 0},
      {"room for 3 of 6: three and three", 6, 3, 3},
      {"room for 2 of 3: none, one would be carried", 3, 2, 0},
      {"no room", 3, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    Chain chain;
    for (long i = 0; i < c.lines; ++i) chain.Add(new ZQFO_FlowObject_Text(layout.Context, options, "w"), 2);
    ZQFO_LineDistribution lines(layout.Context, options, 20, chain.First(), chain.Last(),
                                ZQFO_LineDistribution::Portion_Whole, false);
    ASSERT_EQ(lines.GetNumLines(), c.lines);
    const double room = c.room * 5 + (c.room > 0 ? (c.room - 1) * 0.5 : 0) + 0.25;
    EXPECT_EQ(lines.ComputeMaxNumLinesDistributableToContentArea(room), c.room);
    ZQFO_LineDistribution *first = nullptr, *second = nullptr;
    ASSERT_EQ(lines.Split(room, first, second), c.first > 0);
    if (c.first == 0) continue;
    std::unique_ptr<ZQFO_LineDistribution> head(first), tail(second);
    EXPECT_EQ(lines.GetNumLines(), 0);
    EXPECT_EQ(head->GetNumLines(), c.first);
    EXPECT_EQ(tail->GetNumLines(), c.lines - c.first);
    EXPECT_EQ(head->GetPortion(), ZQFO_LineDistribution::Portion_Head);
    EXPECT_EQ(tail->GetPortion(), ZQFO_LineDistribution::Portion_Tail);
    EXPECT_EQ(head->GetLastFlowObject()->Next, tail->GetFirstFlowObject());
    EXPECT_DOUBLE_EQ(head->GetHeightLimits().X, c.first * 5.5 - 0.5);  // no gap after its last line
    // A tail split again stays a tail.
    ZQFO_LineDistribution again(layout.Context, options, 20, tail->GetFirstFlowObject(), tail->GetLastFlowObject(),
                                ZQFO_LineDistribution::Portion_Tail, false);
    EXPECT_NE(again.GetLine(0).GetLocation(), ZQFO_Line::Location_First);
    EXPECT_EQ(again.GetLine(again.GetNumLines() - 1).GetLocation(), ZQFO_Line::Location_Last);
  }
}
