#include <gtest/gtest.h>

#include <string>

#include "../model/LayoutTestSupport.h"
#include "ZQFO_DistributeBlockStream.h"
#include "ZQFO_FormatXMLParsingErrorForDisplay.h"
#include "ZQXML_Reader.h"

namespace {

std::string Lines(long From, long To) {
  std::string text;
  for (long i = From; i <= To; ++i) text += "line " + std::to_string(i) + (i < To ? "\n" : "");
  return text;
}

// Reads Markup against the document DTD, parses and lays it out on pages;
// the number of pages.
long LayOut(const ZQ_String& Markup) {
  TestLayout layout;
  const ZQFO_ParsedDocument parsed = Parse(layout, Markup.GetText());
  ZQFO_Page* page = layout.NewPage();
  const ZQFO_BlockStream stream = parsed.GetSections()[0].GetPrimaryBlockStream();
  EXPECT_TRUE(ZQFO_DistributeBlockStream(layout.Context, stream, *page->GetFirstDefaultContentArea(), {}));
  return layout.Document.GetNumPages();
}

}  // namespace

TEST(ZQFO_FormatXMLParsingErrorForDisplay, NumbersAndLinesAreReadFromTheirTexts) {
  const struct {
    const char* description;
    long line, column;
  } cases[] = {
      {"This error occurred at line 12 and column 7 while reading x.", 12, 7},
      {"ends at line 5", 5, 0},
      {"at line x and column -3 ", 0, 0},
      {"at line 0 and column 2147483647", 0, 2147483647},
      {"at line 99999999999999 and column 2147483648", 0, 0},
      {"nothing", 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.description);
    EXPECT_EQ(ParseErrorLineNumber(c.description), c.line);
    EXPECT_EQ(ParseErrorColumnNumber(c.description), c.column);
  }
  const std::vector<ZQ_String> lines = BreakIntoLines("a\r\nb\n\nc\rd\n");
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[0], "a");
  EXPECT_EQ(lines[2], "");
  EXPECT_EQ(lines[3], "c\rd");
}

TEST(ZQFO_FormatXMLParsingErrorForDisplay, TheErrorDocumentMarksTheColumnAndShowsEveryLine) {
  const ZQ_Exception error("XML Error", "Bad name. This error occurred at line 12 and column 7 while reading x.");
  const ZQ_String markup = ZQFO_FormatXMLParsingErrorForDisplay(Lines(1, 30).c_str(), error, "", 0, 0);
  const std::string heading = "<zqfo_para block_space_before='24 pt' block_space_after='12 pt' font_height='14 pt'>\n";
  std::string expected =
      "<?xml version='1.0'?>\n<zqfo_document>\n<zqfo_section>\n<zqfo_blockstream>\n"
      "<zqfo_para justification='center' block_space_before='24 pt' block_space_after='36 pt' font_height='18 pt'>\n"
      "<![CDATA[XML Error]]>\n</zqfo_para>\n" +
      heading + "Description Of Error\n</zqfo_para>\n<zqfo_para>\n<![CDATA[" + error.GetDescription().GetText() +
      "]]>\n</zqfo_para>\n" + heading + "Location Of Error\n</zqfo_para>\n"
      "<zqfo_blockgroup line_preformatted='true' block_space_before='0 mm' block_space_after='0 mm' "
      "font_height='10 pt' font_family='monospace'>\n";
  for (long i = 7; i <= 17; ++i) {
    const std::string number = (i < 10 ? "     " : "    ") + std::to_string(i) + "     ";
    if (i == 12) {
      expected += "<zqfo_para text_color='red' font_weight='bold'>" + std::string(17, ' ') +
                  "|  Error Location  </zqfo_para>\n<zqfo_para  text_color='black' font_weight='bold' ><![CDATA[" +
                  number + "line 12]]></zqfo_para>\n<zqfo_para text_color='red' font_weight='bold'>" +
                  std::string(17, ' ') + "|</zqfo_para>\n";
    } else {
      expected += "<zqfo_para  text_color='dark gray' ><![CDATA[" + number + "line " + std::to_string(i) +
                  "]]></zqfo_para>\n";
    }
  }
  expected += "</zqfo_blockgroup>\n" + heading + "Raw XML Document\n</zqfo_para>\n"
              "<zqfo_blockgroup line_preformatted='true' block_space_before='0 mm' block_space_after='0 mm' "
              "font_height='10 pt'>\n";
  for (long i = 1; i <= 30; ++i)
    expected += "<zqfo_para><![CDATA[line " + std::to_string(i) + "]]></zqfo_para>\n";
  expected += "</zqfo_blockgroup>\n</zqfo_blockstream>\n</zqfo_section>\n</zqfo_document>\n";
  EXPECT_EQ(std::string(markup.GetText()), expected);
  EXPECT_GE(LayOut(markup), 1);
}

TEST(ZQFO_FormatXMLParsingErrorForDisplay, AnyInputGivesADocumentThatReadsAndLaysOut) {
  std::string wide(120, 'w');
  const std::string shownAndCut = "<![CDATA[     1     " + std::string(110, 'w') + "...]]>";
  const struct {
    const char* why;
    std::string raw;
    const char* extra;
    long line, column;
    const char* mustHold;
  } cases[] = {
      {"a reader's own error", "<a>\n<b>\n</a>", "", 0, 0, "Error Location"},
      {"end markers and controls everywhere", "x]]>y\x01\x1F\r\n]]>", "also ]]> here", 1, 2,
       "x]]]]><![CDATA[>y??"},
      {"a cut line begins with dots", Lines(1, 3) + "\n" + wide, "", 4, 100, "...wwww"},
      {"a long raw line in pieces of 110", std::string(250, 'a'), "", 1, 1,
       "<zqfo_para><![CDATA[aaaaaaaaaaaaaaaaaaaaaaaaaaaaaa]]></zqfo_para>"},
      {"a long shown line ends after 110 characters", std::string(300, 'w'), "", 1, 2,
       shownAndCut.c_str()},
      {"an empty raw text", "", "", 1, 1, "Raw XML Document"},
      {"a run of blank lines shows as two", "a\n\n  \n\t\n\nb", "", 1, 1,
       "<zqfo_para><![CDATA[a]]></zqfo_para>\n<zqfo_para><![CDATA[]]></zqfo_para>\n"
       "<zqfo_para><![CDATA[  ]]></zqfo_para>\n<zqfo_para><![CDATA[b]]></zqfo_para>\n"},
      {"beyond 20,000 rows of raw text a line says which lines are not shown", Lines(1, 20003), "", 20003, 1,
       "<zqfo_para><![CDATA[line 20000]]></zqfo_para>\n</zqfo_blockgroup>\n"
       "<zqfo_para block_space_before='6 pt' font_italic='true'>\n"
       "The last 3 lines of the raw text, lines 20001 to 20003, are not shown."},
      {"a carriage return alone ends a row too", std::string(20001, '\r') + "\nend", "", 2, 1,
       "Line 1 of the raw text is shown only in part, and its last line, line 2, is not shown."},
      {"numbers beyond the text", Lines(1, 3), "", 99, -4, "Raw XML Document"},
      {"a line number out of range", Lines(1, 3), "", 2147483647, 2147483647, "Raw XML Document"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    ZQ_Exception error("Name ]]> x", "at line 99999999999999");
    if (&c == &cases[0]) {
      try {
        ZQXML_Reader(c.raw.c_str()).Read();
      } catch (const ZQ_Exception& e) {
        error = e;
      }
    }
    const ZQ_String markup =
        ZQFO_FormatXMLParsingErrorForDisplay(ZQ_String(c.raw.c_str(), static_cast<int>(c.raw.size())), error, c.extra,
                                             c.line, c.column);
    EXPECT_NE(std::string(markup.GetText()).find(c.mustHold), std::string::npos) << markup.GetText();
    EXPECT_GE(LayOut(markup), 1);
  }
}

TEST(ZQFO_FormatXMLParsingErrorForDisplay, HugeTextsStillValidate) {
  const ZQ_Exception error("XML Error", "at line 50000 and column 3");
  std::string many;
  for (long i = 0; i < 100000; ++i) many += "<x/>\n";
  for (const std::string& raw : {std::string(1 << 20, 'q'), many}) {
    const ZQ_String markup =
        ZQFO_FormatXMLParsingErrorForDisplay(ZQ_String(raw.c_str(), static_cast<int>(raw.size())), error, "", 0, 0);
    EXPECT_NO_THROW(ReadDocument(markup.GetText()));
  }
}
