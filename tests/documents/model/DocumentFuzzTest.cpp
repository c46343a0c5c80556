#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "LayoutTestSupport.h"
#include "ZQFO_DistributeBlockStream.h"
#include "ZQFO_DocumentRenderer.h"
#include "ZQFO_ExportDocumentToHTML_ExportContext.h"
#include "ZQ_StreamSink.h"
#include "ZQ_AbstractTextStreamParser.h"
#include "ZQ_Exception.h"
#include "ZQ_RandomNumberGenerator.h"

namespace {

// Valid documents that together hold every element of the markup.
const char* const kSeeds[] = {
    "<zqfo_document background_color='white'><zqfo_section page_number_format='page_number_format_i' "
    "start_page_number='3'><zqfo_pagesequencegenerator><zqfo_firstpage/><zqfo_evenpage><zqfo_frame "
    "location='topmargin'><zqfo_blockstream><zqfo_para pageid='h'>Page <zqfo_field name='Page'/> of "
    "<zqfo_field name='ChapterName'/> <zqfo_pageref target='p1'/></zqfo_para></zqfo_blockstream></zqfo_frame>"
    "</zqfo_evenpage><zqfo_oddpage><zqfo_frame location='bottommargin'><zqfo_blockstream><zqfo_para>"
    "<zqfo_field name='DocumentName'/></zqfo_para></zqfo_blockstream></zqfo_frame></zqfo_oddpage><zqfo_otherpage/>"
    "</zqfo_pagesequencegenerator><zqfo_blockstream><zqfo_blockgroup toc='true' sectionname='One' "
    "sectionnumber='1'><zqfo_para pageid='p1' text_color='red' local_font_weight='bold'>Text --- more&nbsp;x"
    "<zqfo_linebreak/><zqfo_flowgroup line_preformatted='true'>a\n\tb\n</zqfo_flowgroup><zqfo_bullet "
    "width='5 mm'><zqfo_symbol name='bullet_round_solid'/></zqfo_bullet><zqfo_img src='file:C:/none.png' "
    "width='3 mm' standard_colors='true'/><zqfo_picture name='p' max_width='4 mm'/><zqfo_inlinetable><zqfo_row>"
    "<zqfo_flowcell>c</zqfo_flowcell></zqfo_row></zqfo_inlinetable></zqfo_para></zqfo_blockgroup>"
    "<zqfo_table pageid='t' cell_border_color='#FF0000'><zqfo_row><zqfo_flowcell columnspan='2' width='any'>x"
    "</zqfo_flowcell><zqfo_blockcell><zqfo_para>y</zqfo_para></zqfo_blockcell></zqfo_row></zqfo_table>"
    "</zqfo_blockstream></zqfo_section><zqfo_section start_page_number='continue'><zqfo_blockstream><zqfo_para/>"
    "</zqfo_blockstream></zqfo_section></zqfo_document>",
    "<zqfo_document><zqfo_section><zqfo_blockstream><zqfo_para font_height='14 pt' block_space_before='2 mm'>"
    "<zqfo_flowgroup font_typeface='Arial' link_target='x'>a<zqfo_symbol name='lomega'/>b</zqfo_flowgroup> "
    "<zqfo_pageref target='t'/></zqfo_para><zqfo_table><zqfo_row background_color='#00FF00'><zqfo_flowcell "
    "min_width='2 mm' max_height='9 mm'/></zqfo_row></zqfo_table></zqfo_blockstream></zqfo_section></zqfo_document>",
};

const char* const kHostileValues[] = {"5em", "1-2", "#GG0000", "", "+ ", "0", "-1", "continue", "1e999mm",
                                      "99999999999999999999999999", "---"};
const char* const kHostileTexts[] = {" --- ", "\t", "\r", "\xA0", "a---b", "\r\n\t --- \xA0"};

std::string Nested(const char* Open, const char* Close, int Depth, const std::string& Inner) {
  std::string text;
  for (int i = 0; i < Depth; ++i) text += Open;
  text += Inner;
  for (int i = 0; i < Depth; ++i) text += Close;
  return text;
}

// One to three random changes of Text.
std::string Mutate(std::string Text, ZQ_RandomNumberGenerator& Random) {
  const int changes = 1 + static_cast<int>(Random.GetRandomInteger(3));
  for (int i = 0; i < changes && !Text.empty(); ++i) {
    const size_t at = Random.GetRandomInteger(static_cast<std::uint32_t>(Text.size()));
    const size_t length = 1 + Random.GetRandomInteger(40);
    switch (Random.GetRandomInteger(6)) {
      case 0: Text[at] = static_cast<char>(Text[at] ^ (1 + Random.GetRandomInteger(255))); break;
      case 1: Text.erase(at, length); break;
      case 2: Text.insert(at, Text.substr(at, length)); break;
      case 3: Text.insert(at, 1, "<&\"'"[Random.GetRandomInteger(4)]); break;
      case 4: {  // an attribute value replaced
        const size_t open = Text.find('\'', at);
        const size_t close = open == std::string::npos ? open : Text.find('\'', open + 1);
        if (close != std::string::npos)
          Text.replace(open + 1, close - open - 1, kHostileValues[Random.GetRandomInteger(11)]);
        break;
      }
      default: {  // text after a tag
        const size_t end = Text.find('>', at);
        if (end != std::string::npos) Text.insert(end + 1, kHostileTexts[Random.GetRandomInteger(6)]);
      }
    }
  }
  return Text;
}

// Reads Text; when valid, parses it and makes three pages of each section.
// Returns what went wrong, empty when nothing did.
std::string Exercise(const std::string& Text) {
  ZQXML_Tree tree;
  try {
    tree = ReadDocument(Text);
  } catch (const ZQ_AbstractTextStreamParserException& e) {
    if (e.GetLine() < 1 || e.GetColumn() < 1) return "a reader error without its place";
    return "";
  } catch (const ZQ_Exception& e) {
    return std::string("the reader threw without a place: ") + e.GetDescription().GetText();
  }
  try {
    TestLayout layout;
    const ZQFO_ParsedDocument parsed = ZQFO_ParseDocument(tree, layout.Context);
    for (const ZQFO_ParsedDocumentSection& section : parsed.GetSections())
      for (int page = 0; page < 3; ++page)
        layout.Document.GenerateNewPage(layout.Context, ZQFO_ChapterStrings(), ZQFO_Break_Page,
                                        page == 0 ? section.GetPageSequenceGenerator() : nullptr);
    layout.Context.PerformPageRefFixups();
  } catch (const ZQ_Exception& e) {
    return std::string("the parser threw: ") + e.GetName().GetText() + ": " + e.GetDescription().GetText();
  }
  return "";
}

}  // namespace

TEST(ZQFO_DocumentParserFuzz, MutatedDocumentsAreRefusedByTheReaderOrParsedWithoutFault) {
  for (const char* seed : kSeeds) ASSERT_EQ(Exercise(seed), "") << seed;
  long numParsed = 0;
  for (std::uint32_t seed = 1; seed <= 3000; ++seed) {
    ZQ_RandomNumberGenerator random(seed);
    const std::string text = Mutate(kSeeds[seed % 2], random);
    const std::string fault = Exercise(text);
    ASSERT_EQ(fault, "") << "seed " << seed << ": " << text;
    try {
      ReadDocument(text);
      ++numParsed;
    } catch (const ZQ_Exception&) {
    }
  }
  EXPECT_GT(numParsed, 300);  // the mutations reach the parser, not only the reader
}

TEST(ZQFO_DocumentParserFuzz, GroupsNested900DeepParse) {
  const std::string flow = InSection(
      "<zqfo_para>" + Nested("<zqfo_flowgroup>", "</zqfo_flowgroup>", 900, "deep --- text") + "</zqfo_para>");
  const std::string blocks = InSection(Nested("<zqfo_blockgroup toc='true'>", "</zqfo_blockgroup>", 900,
                                              "<zqfo_para>deep</zqfo_para>"));
  for (const std::string* text : {&flow, &blocks}) EXPECT_EQ(Exercise(*text), "");
}

namespace {

// The first tag that Html opens more or less often than it closes; empty
// when all balance. (Anchors are named marks without end tags.)
std::string UnbalancedTag(const std::string& Html) {
  for (const std::string tag : {"p", "pre", "font", "table", "tr", "td"}) {
    size_t opened = 0, closed = 0;
    for (size_t at = 0; (at = Html.find("<" + tag, at)) != std::string::npos; ++at)
      opened += Html[at + 1 + tag.size()] == ' ' || Html[at + 1 + tag.size()] == '>';
    for (size_t at = 0; (at = Html.find("</" + tag + ">", at)) != std::string::npos; ++at) ++closed;
    if (opened != closed) return tag;
  }
  return "";
}

}  // namespace

TEST(ZQFO_DocumentParserFuzz, MutatedDocumentsPaginateOnRandomPagesRenderAndExport) {
  long numLaidOut = 0;
  for (std::uint32_t seed = 1; seed <= 400; ++seed) {
    ZQ_RandomNumberGenerator random(seed);
    const std::string text = Mutate(kSeeds[seed % 2], random);
    ZQFO_Document document;
    try {
      document.SetFormattingObjectsTree(ReadDocument(text));
    } catch (const ZQ_Exception&) {
      continue;  // the reader's refusal, checked above
    }
    SCOPED_TRACE("seed " + std::to_string(seed) + ": " + text);
    // Pages from nothing to A3, margins at times larger than the page.
    const double width = random.GetRandomInteger(300) + random.GetRandomInteger(1000) / 1000.0;
    const double height = random.GetRandomInteger(420) + 1e-3;
    const double margin = random.GetRandomInteger(4) == 0 ? 500 : random.GetRandomInteger(30);
    TestCanvas canvas;
    ZQFO_DocumentRenderer renderer(document);
    renderer.SetMargins(margin, margin / 2, margin, margin / 3);
    ZQ_String html;
    try {
      renderer.Repaginate(canvas, width, height);
      for (long page = 0; page < std::min(renderer.GetNumPages(), 20L); ++page) renderer.Render(canvas, page, 0, 0);
      ZQFO_Stylesheet stylesheet;
      ZQFO_DistributionContext context(canvas, document.GetExternalContext(), ZQ_CountedPtr<ZQFO_Cache>(new ZQFO_Cache),
                                       false, "Fuzz", false, stylesheet);
      const ZQFO_ParsedDocument parsed = ZQFO_ParseDocument(document.GetFormattingObjectsTree(), context);
      ZQFO_ExportDocumentToHTML_ExportContext exportContext(ZQ_CreateStringStreamSink(&html), context);
      if (parsed.ExportToHTML(exportContext, 0)) parsed.ExportToHTML(exportContext, 1);
    } catch (const ZQ_Exception& e) {
      FAIL() << e.GetName().GetText() << ": " << e.GetDescription().GetText();
    }
    EXPECT_GE(renderer.GetNumPages(), 1);
    EXPECT_EQ(UnbalancedTag(html.GetText()), "");
    ++numLaidOut;
  }
  EXPECT_GT(numLaidOut, 40);
}
