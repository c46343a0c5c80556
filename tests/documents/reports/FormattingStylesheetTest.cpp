#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DebugLogMark.h"
#include "ReportTestSupport.h"
#include "ZQFO_FormatXMLParsingErrorForDisplay.h"
#include "ZQXML_NodeKinds.h"
#include "ZQ_RandomNumberGenerator.h"

namespace {

// The help's options without caption numbers: the 47-element report has a
// caption outside any chapter.
ZQRPT_FormattingStylesheetOptions UnnumberedCaptionOptions() {
  ZQRPT_FormattingStylesheetOptions options = HelpOptions();
  options.SetNumberCaptions(false);
  return options;
}

ZQRPT_FormattingStylesheetOptions NumberingOptions() {
  ZQRPT_FormattingStylesheetOptions options;
  options.SetIncludeTableOfContents(true);
  options.SetNumberSections(true);
  options.SetNumberCaptions(true);
  options.SetChapterPageBreak(1);
  return options;
}

void SetShowComments(bool Show) {
  ZQ_CommandLineElement::TokenArray tokens(1);
  tokens[0].Text = Show ? "-ZQXTR_ShowComments" : "-ZQXTR_ShowComments-";
  ZQXTR_ShowComments.ParseTokens(tokens, 1, 0);
}

ZQXML_Tree ReadWithoutDtd(const std::string& Text) {
  return ZQXML_Reader(ZQ_String(Text.c_str(), static_cast<int>(Text.size()))).Read();
}

}  // namespace

TEST(ZQRPT_FormattingStylesheet, WritesTheGoldenDocumentsWhichTheDocumentDtdAccepts) {
  const struct {
    const char* report;
    const char* golden;
    ZQRPT_FormattingStylesheetOptions options;
    bool showsComments;
    bool isValidated;  // read with the report DTD
    const char* log;   // what the debugging log must receive
  } kCases[] = {
      {"sample", "sample_default", {}, false, true, "Report element not shown: tagline\n"},
      {"sample", "sample_help", HelpOptions(), false, true, ""},
      {"chapters", "chapters", NumberingOptions(), false, true, ""},
      {"irefs", "irefs", NumberingOptions(), false, false, "ERROR - Id not found - 'nowhere'\n"},
      {"blocks", "blocks", {}, false, true, "Report element not shown: deflist\n"},
      {"blocks", "blocks_comments", {}, true, true, ""},
      {"titlepage", "titlepage", HelpOptions(), false, true, ""},
      {"all47", "all47", UnnumberedCaptionOptions(), false, true, "Report element not shown: tagimage\n"},
  };
  ASSERT_NE(DocumentError("<zqfo_document/>"), "") << "the check can fail";
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.golden);
    SetShowComments(c.showsComments);
    const std::string report = LoadGolden(std::string(c.report) + ".report.xml");
    const LogMark mark;
    std::string markup;
    try {
      const ZQXML_Tree tree = c.isValidated ? ReadReport(report) : ReadWithoutDtd(report);
      markup = AsStd(ZQRPT_GetFormattingStylesheet(c.options).Apply(tree));
    } catch (const ZQ_Exception& e) {
      ADD_FAILURE() << AsStd(e.GetDescription());
    }
    SetShowComments(false);
    ExpectGolden(std::string(c.golden) + ".zqfo.xml", markup);
    EXPECT_EQ(DocumentError(markup), "");
    EXPECT_NE(mark.Since().find(c.log), std::string::npos) << mark.Since();
  }
}

TEST(ZQRPT_FormattingStylesheet, IsBuiltAnewAndRestartsItsStateEachRun) {
  const ZQRPT_FormattingStylesheetOptions options = NumberingOptions();
  const ZQXTR_Stylesheet sheet = ZQRPT_GetFormattingStylesheet(options);
  EXPECT_EQ(sheet.GetImp().Rules.GetNumElements(), 3 + 47);
  EXPECT_NE(&ZQRPT_GetFormattingStylesheet(options).GetImp(), &sheet.GetImp());
  const ZQXML_Tree tree = ReadReport(LoadGolden("chapters.report.xml"));
  EXPECT_EQ(AsStd(sheet.Apply(tree)), AsStd(sheet.Apply(tree)));
}

TEST(ZQRPT_FormattingStylesheet, ReportsTreesThatSkipTheDtd) {
  const struct {
    const char* report;
    const char* condition;
  } kCases[] = {
      {"<section><title>t</title><listitem><para>p</para></listitem></section>", "Result"},
      {"<section><title>t</title><tablerow><tablecell>c</tablecell></tablerow></section>", "Result"},
      {"<section><title>t</title><tablecell>c</tablecell></section>", "Result"},
      {"<section><title>t</title><note type='memo'><para>p</para></note></section>", "false"},
      {"<section><title>t</title><section type='annex'><title>s</title></section></section>", "false"},
  };
  ZQRPT_FormattingStylesheetOptions options;
  options.SetNumberCaptions(true);
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.report);
    const ZQXML_Tree tree = ReadWithoutDtd(c.report);
    try {
      ZQRPT_GetFormattingStylesheet(options).Apply(tree);
      ADD_FAILURE() << "no assertion";
    } catch (const ZQ_Exception& e) {
      EXPECT_NE(AsStd(e.GetDescription()).find("Assertion failed: " + std::string(c.condition) + ","),
                std::string::npos)
          << AsStd(e.GetDescription());
    }
    // Logged only, the assertion lets the transformation go on.
    ZQ_SetAssertionMode(0);
    const std::string markup = AsStd(ZQRPT_GetFormattingStylesheet(options).Apply(tree));
    ZQ_SetAssertionMode(3);
    EXPECT_NE(markup.find("</zqfo_document>"), std::string::npos);
  }
}

TEST(ZQRPT_FormattingStylesheet, ASymbolDocumentsDoNotKnowBecomesAVisibleErrorText) {
  const ZQXML_Tree tree =
      ReadWithoutDtd("<section><title>t</title><para>a<symbol name='nosuch'/>b</para></section>");
  const LogMark mark;
  const std::string markup = AsStd(ZQRPT_GetFormattingStylesheet(HelpOptions()).Apply(tree));
  EXPECT_NE(markup.find("a<zqfo_flowgroup text_color='standard color - error text'>[ERROR - Unknown "
                        "Symbol nosuch]</zqfo_flowgroup>b"),
            std::string::npos)
      << markup;
  EXPECT_EQ(mark.Since(), "ERROR - Unknown symbol - 'nosuch'\n");
  EXPECT_EQ(DocumentError(markup), "");
}

TEST(ZQRPT_FormattingStylesheet, ANumberedCaptionBeforeTheFirstChapterIsNumberedInChapterZero) {
  ZQRPT_FormattingStylesheetOptions options;
  options.SetNumberCaptions(true);
  const ZQXML_Tree tree = ReadReport(
      "<section><title>t</title><caption type='table'><title>c</title><pre>p</pre></caption></section>");
  const LogMark mark;
  const std::string markup = AsStd(ZQRPT_GetFormattingStylesheet(options).Apply(tree));
  EXPECT_NE(markup.find(" 0.1"), std::string::npos) << markup;
  EXPECT_NE(mark.Since().find("NestingLevel >= 1"), std::string::npos);
  EXPECT_EQ(DocumentError(markup), "");
}

TEST(ZQRPT_FormattingStylesheet, TransformsAsDeepAsTheReaderReads) {
  std::string report = "<section><title>t</title><para>";
  // The deepest report the reader takes: the section, the paragraph and the
  // bold elements.
  const int depth = ZQRPT_MaxReportNesting - 2;
  for (int i = 0; i < depth; ++i) report += "<bold>";
  report += "deep";
  for (int i = 0; i < depth; ++i) report += "</bold>";
  report += "</para></section>";
  const std::string markup = Transform(report);
  EXPECT_NE(markup.find("deep</zqfo_flowgroup>"), std::string::npos);
  EXPECT_EQ(DocumentError(markup), "");
}

namespace {

// Notes the stack address of each "probe" element it applies.
class StackProbeRule : public ZQXTR_Rule {
 public:
  explicit StackProbeRule(std::vector<const char*>* Addresses) : ZQXTR_Rule(1.0, 0), Addresses(Addresses) {}
  ZQXTR_Rule* Clone() const override { return new StackProbeRule(*this); }
  bool Matches(const ZQXTR_RuleContext& Context) const override { return Context.CurrentNameIs("probe"); }
  void Apply(ZQXTR_RuleContext& Context) const override {
    volatile char here = 0;
    Addresses->push_back(const_cast<const char*>(&here));
    Context.ApplyChildren();
  }

 private:
  std::vector<const char*>* Addresses;
};

}  // namespace

TEST(ZQRPT_FormattingStylesheet, NestingLimitLeavesHalfTheMainThreadsStack) {
  // Sections, the heaviest rules, nested through probes: two neighbouring
  // probes give the stack that one section level and one probe level take.
  std::string report = "<section><title>t</title>";
  for (int i = 0; i < 20; ++i) report += "<section><title>s</title><probe>";
  for (int i = 0; i < 20; ++i) report += "</probe></section>";
  report += "</section>";
  std::vector<const char*> addresses;
  ZQXTR_Stylesheet sheet = ZQRPT_GetFormattingStylesheet(HelpOptions());
  sheet.AddRule(new StackProbeRule(&addresses));
  sheet.Apply(ReadWithoutDtd(report));
  ASSERT_EQ(addresses.size(), 20u);
  const long bytesPerTwoLevels = static_cast<long>(addresses[10] - addresses[11]);
  EXPECT_GT(bytesPerTwoLevels, 0);
  // The main thread's stack is 2 MB; every level counted as a section.
  EXPECT_LE(bytesPerTwoLevels * ZQXTR_RuleContext::GetMaxNesting(), 1024L * 1024L)
      << bytesPerTwoLevels << " bytes per section and probe";
}

TEST(ZQRPT_FormattingStylesheet, DamagedReportsFailToReadOrGiveValidDocuments) {
  const std::string sample = LoadGolden("sample.report.xml") ;
  const char* const kInserts[] = {"]]>", "&amp;", "&undefined;", "</para>",
                                  "<note>", "<iref target='ch_use'/>", "<!--", "'"};
  ZQ_RandomNumberGenerator random(20261207);
  int numRead = 0;
  for (int run = 0; run < 2000; ++run) {
    std::string report = sample;
    for (int edits = 1 + random.GetRandomInteger(3); edits > 0; --edits) {
      const size_t at = random.GetRandomInteger(static_cast<std::uint32_t>(report.size()));
      switch (random.GetRandomInteger(4)) {
        case 0: report[at] = static_cast<char>(random.GetRandomInteger(256)); break;
        case 1: report.erase(at, random.GetRandomInteger(40)); break;
        case 2: report.insert(at, run % 7 == 1 ? std::string(1, '\0') : kInserts[random.GetRandomInteger(8)]); break;
        default: report.resize(at); break;
      }
    }
    ZQXML_Tree tree;
    try {
      tree = ReadReport(report);
    } catch (const ZQ_Exception& e) {
      // Refused by the reader: the help shows the error document instead.
      const ZQ_String raw(report.c_str(), static_cast<int>(report.size()));
      EXPECT_EQ(DocumentError(AsStd(ZQFO_FormatXMLParsingErrorForDisplay(raw, e, "The help page could not be read.",
                                                                         0, 0))), "")
          << "run " << run;
      continue;
    }
    ++numRead;
    SCOPED_TRACE(report);
    std::string markup;
    ASSERT_NO_THROW(markup = AsStd(ZQRPT_GetFormattingStylesheet(HelpOptions()).Apply(tree)));
    EXPECT_EQ(DocumentError(markup), "");
  }
  EXPECT_GT(numRead, 50) << "some damaged reports still read";
}
