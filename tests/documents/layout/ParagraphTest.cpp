#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "FixedAdvanceCanvas.h"
#include "ZQFO_Block_Paragraph.h"
#include "ZQFO_ContentArea.h"
#include "ZQFO_ExportDocumentToHTML_ExportContext.h"
#include "ZQFO_HTMLFlowObjectFormatter.h"
#include "ZQ_StreamSink.h"

namespace {

using Setter = std::function<void(ZQFO_FormattingOptionsFactory&)>;

ZQFO_FormattingOptions Make(FixedLayout& Layout, const Setter& Set) {
  ZQFO_FormattingOptionsFactory& f = Layout.Context.OptionsFactory;
  f.PushCurrentOptionsStack();
  f.SetFontHeight(10, false);
  Set(f);
  const ZQFO_FormattingOptions options = f.GetFormattingOptions();
  f.PopCurrentOptionsStack();
  return options;
}

// The paragraph of Text's words; "|" after a word forces a line break,
// "~" joins it to the next word.
ZQFO_Block_Paragraph* MakeParagraph(FixedLayout& Layout, const std::string& Text,
                                    const Setter& Set = [](ZQFO_FormattingOptionsFactory&) {}) {
  const ZQFO_FormattingOptions options = Make(Layout, Set);
  auto* paragraph = new ZQFO_Block_Paragraph(Layout.Context, options);
  for (size_t at = 0; at < Text.size();) {
    const size_t end = std::min(Text.find(' ', at), Text.size());
    std::string word = Text.substr(at, end - at);
    long breakAfter = ZQFO_WordBreak_AsNeeded;
    if (word.back() == '|') breakAfter = ZQFO_WordBreak_Always;
    if (word.back() == '~') breakAfter = ZQFO_WordBreak_Never;
    if (breakAfter != ZQFO_WordBreak_AsNeeded) word.pop_back();
    auto* object = new ZQFO_FlowObject_Text(Layout.Context, options, word.c_str());
    object->WordBreakAfter = breakAfter;
    paragraph->AddFlowObject(object);
    at = end + 1;
  }
  return paragraph;
}

std::string Html(FixedLayout& Layout, ZQFO_Block& Block) {
  ZQ_String text;
  {
    ZQFO_ExportDocumentToHTML_ExportContext context(ZQ_CreateStringStreamSink(&text), Layout.Context);
    Block.ExportToHTML(context, 0);
    Block.ExportToHTML(context, 1);
  }
  return text.GetText();
}

std::string Texts(const ZQFO_Block_Paragraph& Paragraph) {
  std::string text;
  for (long i = 0; i < Paragraph.GetNumFlowObjects(); ++i)
    text += (i ? " " : "") + std::string(dynamic_cast<ZQFO_FlowObject_Text&>(*Paragraph.GetFlowObject(i)).GetText().GetText());
  return text;
}

const char kFont[] = "<font size=\"2\" face=\"Times New Roman\" color=\"#000000\">";

}  // namespace

TEST(HTMLFlowObjectFormatter, WritesTagsOnlyWhereHTMLShowsAChangeAndClosesInnermostFirst) {
  FixedLayout layout;
  const ZQFO_FormattingOptions plain = Make(layout, [](ZQFO_FormattingOptionsFactory&) {});
  const struct {
    const char* why;
    Setter set;
    std::string written;
  } cases[] = {
      {"equal runs share their tags", [](ZQFO_FormattingOptionsFactory&) {}, ""},
      {"spacing never makes tags", [](ZQFO_FormattingOptionsFactory& f) { f.SetLineSpacing(2, false); }, ""},
      {"colour alone reopens the font",
       [](ZQFO_FormattingOptionsFactory& f) { f.SetTextColor(ZQR_Color(255, 0, 16), false); },
       "</font><font size=\"2\" face=\"Times New Roman\" color=\"#FF0010\">"},
      {"weight 400 is not bold", [](ZQFO_FormattingOptionsFactory& f) { f.SetFontWeight(400, false); }, ""},
      {"weight 401 is", [](ZQFO_FormattingOptionsFactory& f) { f.SetFontWeight(401, false); },
       std::string("</font>") + kFont + "<b>"},
      {"italic", [](ZQFO_FormattingOptionsFactory& f) { f.SetFontItalic(true, false); },
       std::string("</font>") + kFont + "<i>"},
      {"underline", [](ZQFO_FormattingOptionsFactory& f) { f.SetFontUnderline(1, false); },
       std::string("</font>") + kFont + "<u>"},
      {"sub", [](ZQFO_FormattingOptionsFactory& f) { f.SetLineVerticalAlignment(2, false); },
       std::string("</font>") + kFont + "<sub>"},
      {"sup", [](ZQFO_FormattingOptionsFactory& f) { f.SetLineVerticalAlignment(1, false); },
       std::string("</font>") + kFont + "<sup>"},
      {"link and face escaped",
       [](ZQFO_FormattingOptionsFactory& f) {
         f.SetLinkTarget("a\"b&c", false);
         f.SetFontTypeface("X<\"Y\">", false);
       },
       "</font><a href=\"a&#34;b&#38;c\"><font size=\"2\" face=\"X&#60;&#34;Y&#34;&#62;\" color=\"#000000\">"},
      {"all seven, in order",
       [](ZQFO_FormattingOptionsFactory& f) {
         f.SetLinkTarget("t", false), f.SetFontItalic(true, false), f.SetFontWeight(700, false);
         f.SetFontUnderline(1, false), f.SetLineVerticalAlignment(1, false);
       },
       std::string("</font><a href=\"t\">") + kFont + "<i><b><u><sup>"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    ZQ_String text;
    {
      ZQ_TextStreamFormatter out(ZQ_CreateStringStreamSink(&text));
      HTMLFlowObjectFormatter formatter(out);
      formatter.ProcessNewOptions(plain);  // the first object always opens its tags
      out.Flush();
      EXPECT_EQ(std::string(text.GetText()), kFont);
      text = "";
      formatter.ProcessNewOptions(Make(layout, c.set));
      out.Flush();
      EXPECT_EQ(std::string(text.GetText()), c.written);
      formatter.ProcessNewOptions(Make(layout, c.set));  // unchanged: nothing more
      out.Flush();
      EXPECT_EQ(std::string(text.GetText()), c.written);
    }
  }
  const struct {
    double height;
    long code;
  } sizes[] = {{8.99, 1}, {9, 2}, {11, 2}, {13, 3}, {16, 4}, {21, 5}, {30, 6}, {30.5, 7}};
  for (const auto& s : sizes) EXPECT_EQ(HTMLFlowObjectFormatter::GetSizeCode(s.height), s.code) << s.height;
  const auto& defaults = HTMLFlowObjectFormatter::GetDefaultOptions().GetOptions();
  EXPECT_EQ(defaults.TextColor, ZQR_Color(static_cast<COLORREF>(0x124517)));
  EXPECT_EQ(defaults.Font.GetHeight(), 877.3829345703125f);
}

TEST(ZQFO_Block_Paragraph, WidthLimitsAreTheWidestJoinedRunAndTheWidestLineBetweenForcedBreaks) {
  FixedLayout layout;  // 2 mm a character at 10 points, blanks included
  const struct {
    const char* why;
    const char* text;
    double first, subsequent;
    ZQ_Point<double> limits;
  } cases[] = {
      {"widest word", "aa bbbb c", 0, 0, {8, 18}},
      {"a never-run with its gaps", "aa~ bb~ c dddd", 0, 0, {14, 24}},
      {"first indent on the first run", "aaaa b", 5, 0, {13, 17}},
      {"subsequent indent on later runs", "a bbbb", 0, 3, {11, 12}},
      {"forced breaks end lines", "aa bb| ccc dddd| e", 0, 0, {8, 16}},
      {"empty", "", 0, 0, {0, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    std::unique_ptr<ZQFO_Block_Paragraph> paragraph(MakeParagraph(layout, c.text, [&](ZQFO_FormattingOptionsFactory& f) {
      f.SetLineFirstIndent(c.first, false), f.SetLineSubsequentIndent(c.subsequent, false);
    }));
    EXPECT_EQ(paragraph->ComputeDistributionAreaWidthLimits(), c.limits);
    if (c.text[0] == 0) {
      EXPECT_EQ(paragraph->ComputeDistributionAreaHeightLimits(20), ZQ_Point<double>(0, 0));
    }
  }
}

TEST(ZQFO_Block_Paragraph, ChainEditsDropTheCachedSizesButReadingTheTailDoesNot) {
  FixedLayout layout;
  std::unique_ptr<ZQFO_Block_Paragraph> paragraph(MakeParagraph(layout, "aa bb"));
  const ZQFO_FormattingOptions options = paragraph->GetOptions();
  auto word = [&](const char* Text) { return new ZQFO_FlowObject_Text(layout.Context, options, Text); };
  ZQFO_FlowObject* bb = paragraph->GetLastObjectForReading();
  paragraph->AddFlowObjectAtMark(word("x"), nullptr);
  paragraph->AddFlowObjectAtMark(word("y"), bb);  // the tail: appended
  paragraph->AddFlowObjectAtMark(word("z"), paragraph->GetFlowObject(1));
  EXPECT_EQ(Texts(*paragraph), "x aa z bb y");
  EXPECT_EQ(paragraph->GetLastObjectForReading()->Next, nullptr);
  std::string since;
  for (auto it = paragraph->GetObjectsSinceMark(bb); it.IsValid(); it.Advance())
    since += dynamic_cast<ZQFO_FlowObject_Text&>(*it.GetCurrent()).GetText().GetText();
  EXPECT_EQ(since, "y");
  EXPECT_EQ(paragraph->ComputeDistributionAreaHeightLimits(100), ZQ_Point<double>(5, 5));
  // A change behind the paragraph's back shows only after an editing access.
  paragraph->GetFlowObject(0)->WordBreakAfter = ZQFO_WordBreak_Always;
  paragraph->GetLastObjectForReading();
  EXPECT_EQ(paragraph->ComputeDistributionAreaHeightLimits(100), ZQ_Point<double>(5, 5));
  paragraph->GetLastObject();
  EXPECT_EQ(paragraph->ComputeDistributionAreaHeightLimits(100), ZQ_Point<double>(10.5, 10.5));
  paragraph->AddFlowObject(word("w"));
  EXPECT_EQ(paragraph->ComputeDistributionAreaWidthLimits().Y, 22);  // "aa z bb y w" after the break
}

TEST(ZQFO_Block_Paragraph, ASplitGivesTwoHalvesThatShareTheObjectsAndWriteOnlyTheirTags) {
  FixedLayout layout;
  std::unique_ptr<ZQFO_Block_Paragraph> paragraph(MakeParagraph(layout, "aa bbb cccc dd eeeee f gg hh"));
  EXPECT_EQ(paragraph->ComputeDistributionAreaHeightLimits(20), ZQ_Point<double>(21.5, 21.5));  // 4 lines
  ZQFO_ContentArea area(nullptr, 0, 0, 20, 30, 0);
  paragraph->Distribute(area);
  EXPECT_TRUE(area.RenderObjects != nullptr || area.FirstChild != nullptr);
  ZQFO_Block *first = nullptr, *second = nullptr;
  ASSERT_TRUE(paragraph->Split(20, 16.5, first, second));  // room for 3 lines leaves 1: 2 and 2
  std::unique_ptr<ZQFO_Block_Paragraph> head(dynamic_cast<ZQFO_Block_Paragraph*>(first));
  std::unique_ptr<ZQFO_Block_Paragraph> tail(dynamic_cast<ZQFO_Block_Paragraph*>(second));
  EXPECT_EQ(Texts(*head), "aa bbb cccc dd");
  EXPECT_EQ(Texts(*tail), "eeeee f gg hh");
  EXPECT_FALSE(head->OwnsObjects() || tail->OwnsObjects());
  EXPECT_EQ(paragraph->GetLineDistribution()->GetNumLines(), 0);
  EXPECT_EQ(head->ComputeDistributionAreaHeightLimits(20), ZQ_Point<double>(10.5, 10.5));
  EXPECT_EQ(tail->GetLineDistribution()->GetPortion(), ZQFO_LineDistribution::Portion_Tail);
  EXPECT_EQ(Html(layout, *tail), "\n<p align=\"left\"> </p>\n");
  head.reset();
  tail.reset();  // neither deletes an object: the paragraph still writes them all
  EXPECT_EQ(Html(layout, *paragraph),
            std::string("\n<p align=\"left\"> ") + kFont + "aa bbb cccc dd eeeee f gg hh</font></p>\n");
}

TEST(ZQFO_Block_Paragraph, HTMLAlignsByBlockThenLineJustificationAndSeparatesByBreakKind) {
  FixedLayout layout;
  const struct {
    const char* why;
    Setter set;
    std::string written;
  } cases[] = {
      {"line centre", [](ZQFO_FormattingOptionsFactory& f) { f.SetLineJustification(1, false); },
       "<p align=\"center\"> " + std::string(kFont) + "a b&nbsp;c<BR>d</font></p>\n"},
      {"line right", [](ZQFO_FormattingOptionsFactory& f) { f.SetLineJustification(2, false); },
       "<p align=\"right\"> " + std::string(kFont) + "a b&nbsp;c<BR>d</font></p>\n"},
      {"full reads left", [](ZQFO_FormattingOptionsFactory& f) { f.SetLineJustification(3, false); },
       "<p align=\"left\"> " + std::string(kFont) + "a b&nbsp;c<BR>d</font></p>\n"},
      {"block centre over line right",
       [](ZQFO_FormattingOptionsFactory& f) { f.SetBlockJustification(1, false), f.SetLineJustification(2, false); },
       "<p align=\"center\"> " + std::string(kFont) + "a b&nbsp;c<BR>d</font></p>\n"},
      {"block right", [](ZQFO_FormattingOptionsFactory& f) { f.SetBlockJustification(2, false); },
       "<p align=\"right\"> " + std::string(kFont) + "a b&nbsp;c<BR>d</font></p>\n"},
      {"preformatted", [](ZQFO_FormattingOptionsFactory& f) { f.SetLinePreformatted(true, false); },
       "<pre>" + std::string(kFont) + "a b&nbsp;c\nd</font></pre>\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    std::unique_ptr<ZQFO_Block_Paragraph> paragraph(MakeParagraph(layout, "a b~ c| d", c.set));
    EXPECT_EQ(Html(layout, *paragraph), "\n" + c.written);
  }
  std::unique_ptr<ZQFO_Block_Paragraph> glued(MakeParagraph(layout, "a b~ c"));
  glued->GetFlowObject(0)->SpaceAfter = ZQFO_SpaceAfter_NoSpace;
  glued->GetFlowObject(1)->SpaceAfter = ZQFO_SpaceAfter_NoSpace;
  EXPECT_EQ(Html(layout, *glued), "\n<p align=\"left\"> " + std::string(kFont) + "abc</font></p>\n");
}
