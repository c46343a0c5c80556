#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "DebugLogMark.h"
#include "LayoutTestSupport.h"
#include "ZQFO_ContentArea.h"
#include "ZQFO_DistributeBlockStream.h"
#include "ZQFO_RenderObject.h"
#include "ZQ_Exception.h"

namespace {

// Generates Pages[i] pages for section i as the renderer will: the first
// page of each section through the formatted document with the section's
// generator, the others as content overflows.
std::vector<std::string> Generate(TestLayout& Layout, const ZQFO_ParsedDocument& Parsed, std::vector<long> Pages) {
  std::vector<std::string> texts;
  for (size_t s = 0; s < Parsed.GetSections().size(); ++s)
    for (long p = 0; p < Pages[s]; ++p) {
      Layout.Document.GenerateNewPage(Layout.Context, ZQFO_ChapterStrings(), ZQFO_Break_Page,
                                      p == 0 ? Parsed.GetSections()[s].GetPageSequenceGenerator() : nullptr);
      texts.push_back(Layout.Context.PageNumberText.GetText());
    }
  return texts;
}

std::string Frames(const char* Kind, const char* Text, const char* Location = "topmargin") {
  return std::string("<zqfo_") + Kind + "><zqfo_frame location='" + Location + "'><zqfo_blockstream><zqfo_para>" +
         Text + "</zqfo_para></zqfo_blockstream></zqfo_frame></zqfo_" + Kind + ">";
}

std::string Section(const std::string& Attributes, const std::string& Frames = "") {
  return "<zqfo_section" + Attributes + ">" +
         (Frames.empty() ? "" : "<zqfo_pagesequencegenerator>" + Frames + "</zqfo_pagesequencegenerator>") +
         "<zqfo_blockstream><zqfo_para>body</zqfo_para></zqfo_blockstream></zqfo_section>";
}

// The text of the first frame's first flow object on each page, "-" for a
// page without frames.
std::string FrameTexts(const TestLayout& Layout) {
  std::string texts;
  for (long i = 0; i < Layout.Document.GetNumPages(); ++i) {
    const ZQFO_ContentArea* frame = Layout.Document.GetPage(i)->GetFirstDefaultContentArea()->FirstChild;
    texts += frame ? "F" : "-";
  }
  return texts;
}

}  // namespace

TEST(ZQFO_PageSequenceGenerator, SectionsNumberFromTheirStartContinueOrStartAgain) {
  const struct {
    const char* why;
    std::string sections;
    std::vector<long> pages;
    std::vector<std::string> numbers;
  } cases[] = {
      {"start, continue, start again",
       Section(" start_page_number='5'") + Section(" start_page_number='continue'") + Section(""), {2, 2, 2},
       {"5", "6", "7", "8", "1", "2"}},
      {"continue before any page", Section(" start_page_number='continue' page_number_format='page_number_format_i'"),
       {4}, {"i", "ii", "iii", "iv"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    TestLayout layout;
    const ZQFO_ParsedDocument parsed = Parse(layout, "<zqfo_document>" + c.sections + "</zqfo_document>");
    EXPECT_EQ(Generate(layout, parsed, c.pages), c.numbers);
  }
}

TEST(ZQFO_PageSequenceGenerator, BadStartNumbersCountAsAbsentWithALogLine) {
  for (const char* value : {"0", "-1", "5em", "", "+ ", "1e999mm", "123456789012345"}) {
    SCOPED_TRACE(value);
    TestLayout layout;
    LogMark mark;
    const ZQFO_ParsedDocument parsed = Parse(
        layout, "<zqfo_document>" + Section(std::string(" start_page_number='") + value + "'") + "</zqfo_document>");
    EXPECT_EQ(Generate(layout, parsed, {2}), (std::vector<std::string>{"1", "2"}));
    EXPECT_NE(mark.Since().find("start_page_number"), std::string::npos);
  }
}

TEST(ZQFO_PageSequenceGenerator, FrameSetsFollowTheSectionPageAndTheDocumentParity) {
  const struct {
    const char* why;
    std::string sections;
    std::vector<long> pages;
    bool resolve;
    const char* frames;
  } cases[] = {
      {"odd frames only: document pages 1, 3, 5", Section("", Frames("oddpage", "o")), {5}, true, "F-F-F"},
      {"first and other frames, per section",
       Section("", Frames("firstpage", "f") + Frames("otherpage", "o")) +
           Section("", Frames("firstpage", "f") + Frames("otherpage", "o")),
       {2, 2}, true, "FFFF"},
      {"an empty first-page set suppresses the frames",
       Section("", "<zqfo_firstpage/>" + Frames("evenpage", "e") + Frames("oddpage", "o")), {3}, true, "-FF"},
      {"the second section's first page follows the document parity",
       Section("") + Section("", Frames("evenpage", "e")), {1, 2}, true, "-F-"},
      {"no frames without page layout", Section("", Frames("otherpage", "o")), {2}, false, "--"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    TestLayout layout(c.resolve);
    Generate(layout, Parse(layout, "<zqfo_document>" + c.sections + "</zqfo_document>"), c.pages);
    EXPECT_EQ(FrameTexts(layout), c.frames);
  }
}

TEST(ZQFO_PageSequenceGenerator, FramesReserveTheirStreamsHeightStackInOrderAndShowTheFields) {
  TestLayout layout(true, "Report <1>");
  const std::string fields =
      "<zqfo_field name='Page'/> <zqfo_field name='ChapterName'/> <zqfo_field name='ChapterTypeName'/> "
      "<zqfo_field name='ChapterNumber'/> <zqfo_field name='DocumentName'/> <zqfo_field name='Nothing'/>";
  const std::string frames =
      "<zqfo_otherpage><zqfo_frame location='topmargin'><zqfo_blockstream><zqfo_para>" + fields +
      "</zqfo_para></zqfo_blockstream></zqfo_frame><zqfo_frame location='topmargin'><zqfo_blockstream>"
      "<zqfo_para>a</zqfo_para><zqfo_para>b</zqfo_para></zqfo_blockstream></zqfo_frame>"
      "<zqfo_frame location='bottommargin'><zqfo_blockstream><zqfo_para>c</zqfo_para></zqfo_blockstream>"
      "</zqfo_frame></zqfo_otherpage>";
  const ZQFO_ParsedDocument parsed = Parse(
      layout, "<zqfo_document><zqfo_section page_number_format='page_number_format_i'><zqfo_pagesequencegenerator>" +
                  frames +
                  "</zqfo_pagesequencegenerator><zqfo_blockstream><zqfo_blockgroup toc='true' sectionname='Heat'"
                  " sectiontypename='Chapter' sectionnumber='3'><zqfo_para>x</zqfo_para></zqfo_blockgroup>"
                  "</zqfo_blockstream></zqfo_section></zqfo_document>");
  const ZQFO_BlockStream body = parsed.GetSections()[0].GetPrimaryBlockStream();
  ZQFO_PageSequenceGenerator* generator = parsed.GetSections()[0].GetPageSequenceGenerator();
  layout.Document.GenerateNewPage(layout.Context, ZQFO_ChapterStrings(), 3, generator);
  layout.Document.GenerateNewPage(layout.Context, ZQFO_GetBlockStreamSectionTexts(body), 3, nullptr);
  std::vector<ZQFO_BlockStream> streams;
  for (auto it = generator->GetProperFrameSet()->GetFrames(); it.IsValid(); it.Advance())
    streams.push_back((*it)->GetBlockStream());
  ASSERT_EQ(streams.size(), 3u);
  const ZQFO_Block_Paragraph& fieldParagraph = dynamic_cast<const ZQFO_Block_Paragraph&>(*streams[0].GetBlock(0));
  EXPECT_EQ(Describe(fieldParagraph), "ii/a Heat/a Chapter/a 3/a Report <1>/a /a");
  EXPECT_EQ(generator->GetFieldDictionary().Get("Page"), "ii");
  // Frames of one location stack in document order: the first is outermost.
  const ZQFO_ContentArea& main = *layout.Document.GetPage(1)->GetFirstDefaultContentArea();
  std::vector<const ZQFO_ContentArea*> frameAreas;
  for (const ZQFO_ContentArea* child = main.FirstChild; child; child = child->NextSibling)
    frameAreas.insert(frameAreas.begin(), child);
  ASSERT_EQ(frameAreas.size(), 3u);
  // Each frame is as tall as its stream needs at the frame's width, its
  // fields filled in.
  double heights[3];
  for (int i = 0; i < 3; ++i)
    heights[i] = streams[i].ComputeDistributionAreaHeightLimits(frameAreas[i]->Area.Width, true, true).X;
  EXPECT_GT(heights[1], heights[0]);  // two paragraphs
  const double tops[] = {2 + 210, 2 + 210 - heights[0], 2 + heights[2]};
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    EXPECT_DOUBLE_EQ(frameAreas[i]->Area.Height, heights[i]);
    EXPECT_DOUBLE_EQ(i < 2 ? frameAreas[i]->Area.Y + frameAreas[i]->Area.Height + 2 : frameAreas[i]->Area.Y + 2 + heights[2],
                     tops[i]);
  }
  ZQ_Array<ZQFO_WordInfo> words;
  long count = 0;
  frameAreas[0]->CollectWordInfo(words, count, 0, 0);
  std::vector<std::string> texts;
  for (long i = 0; i < count; ++i) texts.push_back(words[i].Text.GetText());
  std::sort(texts.begin(), texts.end());
  EXPECT_EQ(texts, (std::vector<std::string>{"", "3", "Chapter", "Heat", "Report <1>", "ii"}));
  EXPECT_DOUBLE_EQ(main.GetFreeHeight(), 210 - heights[0] - heights[1] - heights[2]);
}

TEST(ZQFO_PageSequenceGenerator, DuplicatedPageIdsFromAFrameOnEveryPageKeepTheFirstAndLogOnce) {
  TestLayout layout;
  LogMark mark;
  const ZQFO_ParsedDocument parsed = Parse(
      layout, "<zqfo_document>" +
                  Section("", "<zqfo_otherpage><zqfo_frame location='topmargin'><zqfo_blockstream>"
                              "<zqfo_para pageid='head'>h</zqfo_para></zqfo_blockstream></zqfo_frame></zqfo_otherpage>") +
                  "</zqfo_document>");
  Generate(layout, parsed, {3});
  EXPECT_EQ(layout.Context.GetPageReference("head"), "1");
  const std::string log = mark.Since();
  EXPECT_NE(log.find("head"), std::string::npos);
  EXPECT_EQ(log.find("head"), log.rfind("head"));
}

TEST(ZQFO_PageSequenceGenerator, MisuseFailsItsAssertions) {
  TestLayout layout;
  ZQFO_PageSequenceGenerator loose(ZQFO_FormattingOptions(), layout.Context);
  EXPECT_THROW(loose.GenerateNewPage(ZQFO_ChapterStrings()), ZQ_Exception);
  EXPECT_THROW(layout.Generator.SetContainingDocument(&layout.Document), ZQ_Exception);
  EXPECT_THROW(loose.SetInitialPageNumber(0), ZQ_Exception);
}
