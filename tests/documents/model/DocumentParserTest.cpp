#include <gtest/gtest.h>

#include "DebugLogMark.h"
#include "LayoutTestSupport.h"
#include "ZQFO_Block_Table.h"
#include "ZQIMGIO.h"
#include "ZQ_Exception.h"
#include "ZQ_FileUtils.h"

namespace {

const char kPre[] = "<zqfo_flowgroup line_preformatted='true'>";

std::string Para(const std::string& Content) { return InSection("<zqfo_para>" + Content + "</zqfo_para>"); }

// A 40 x 20 pixel PNG in the temporary folder, as a file URI.
std::string WriteImage() {
  ZQ_String path = ZQ_FileUtils::GetTemporaryDirectory();
  path += "ZQFO_ParserTest.png";
  ZQIMGIO_SaveToFile_PNG(ZQ_FileName(path), ZQIMG_Image(40, 20, 24));
  std::string uri = "file:" + std::string(path.GetText());
  for (char& c : uri)
    if (c == '\\') c = '/';
  return uri;
}

}  // namespace

TEST(ZQFO_DocumentParser, FlowContentIsJoinedOrSeparatedByWhatEndsAndWhatFollows) {
  const std::string pre = kPre;
  const struct {
    const char* why;
    std::string content;
    std::string flow;
  } cases[] = {
      // Each cell of the fix-up table: what ended (word, blank, preformatted) x what follows.
      {"word then word", "a<zqfo_flowgroup>b</zqfo_flowgroup>", "a/n_ b/a"},
      {"word then blank", "a<zqfo_flowgroup> b</zqfo_flowgroup>", "a/a b/a"},
      {"word then preformatted", "a" + pre + "x</zqfo_flowgroup>", "a/A x/n_"},
      {"blank then word", "a <zqfo_flowgroup>b</zqfo_flowgroup>", "a/a b/a"},
      {"blank then blank", "a <zqfo_flowgroup> b</zqfo_flowgroup>", "a/a b/a"},
      {"blank then preformatted", "a " + pre + "x</zqfo_flowgroup>", "a/A x/n_"},
      {"preformatted then word", pre + "x</zqfo_flowgroup>b", "x/A_ b/a"},
      {"preformatted then blank", pre + "x</zqfo_flowgroup> b", "x/A_ b/a"},
      {"preformatted then preformatted", pre + "x</zqfo_flowgroup>" + pre + "y</zqfo_flowgroup>", "x/n_ y/n_"},
      // The edge cases of the markup.
      {"hyphens inside a word", "a---b ---c", "a---b/a ---c/a"},
      {"a lone triple hyphen is the em dash", "a --- b", "a/a \xBE/a b/a"},
      {"a group glues at its first text only", "word<zqfo_flowgroup>group end</zqfo_flowgroup> after",
       "word/n_ group/a end/a after/a"},
      {"a word glued to a symbol", "x<zqfo_symbol name='emdash'/>", "x/n_ \xBE/a"},
      {"an empty paragraph holds a blank", "", " /a"},
      {"a leading line break changes nothing", "<zqfo_linebreak/>a b<zqfo_linebreak/>c", "a/a b/A_ c/a"},
      // The line iterator yields an empty last line after the final line feed.
      {"preformatted lines then normal text", pre + "l1\n  l2\n</zqfo_flowgroup>next", "l1/A_   l2/A_ /A_ next/a"},
      {"only the four whitespace characters separate", "a&nbsp;b\tc\rd\ne f", "a\xA0" "b/a c/a d/a e/a f/a"},
      {"a field", "p<zqfo_field name='Page'/>", "p/n_ /a"},
      {"a page reference", "see<zqfo_pageref target='x'/>", "see/n_ MMMMM/a"},
      {"an inline table", "t<zqfo_inlinetable><zqfo_row/></zqfo_inlinetable>", "t/n_ T/a"},
      {"a missing picture", "<zqfo_picture name='none'/>", "E/a"},
      {"a bullet: lead and gap", "<zqfo_bullet width='6 mm'><zqfo_picture name='none' width='2 mm'/>"
       "</zqfo_bullet>item", "S/n_ E/n_ S/n_ item/a"},
      {"a bullet wider than its width", "<zqfo_bullet width='6 mm'><zqfo_picture name='a' width='7 mm'/>"
       "<zqfo_picture name='b' width='1 mm'/></zqfo_bullet> item", "E/n_ E/n_ item/a"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    TestLayout layout;
    EXPECT_EQ(Describe(ParagraphOf(Parse(layout, Para(c.content)))), c.flow);
  }
}

TEST(ZQFO_DocumentParser, SpecialObjectsTakeTheirFontsSizesAndSwitches) {
  TestLayout layout;
  const ZQFO_ParsedDocument parsed =
      Parse(layout, Para("a --- <zqfo_bullet width='6 mm'><zqfo_picture name='none' width='2 mm'/></zqfo_bullet>"
                         "<zqfo_picture name='none'/>"));
  const ZQFO_Block_Paragraph& paragraph = ParagraphOf(parsed);
  EXPECT_EQ(paragraph.GetFlowObject(1)->GetOptions()->Font.GetTypeface(), "Symbol");
  EXPECT_EQ(paragraph.GetFlowObject(0)->GetOptions()->Font.GetTypeface(), ZQFO_FormattingOptions()->Font.GetTypeface());
  EXPECT_DOUBLE_EQ(paragraph.GetFlowObject(2)->ComputeWidthLimits().X, 1.5);
  EXPECT_DOUBLE_EQ(paragraph.GetFlowObject(4)->ComputeWidthLimits().X, 2.5);
  EXPECT_DOUBLE_EQ(paragraph.GetFlowObject(5)->ComputeWidthLimits().X, 10);
  // Without page layout a page reference is not there at all: the words
  // around it keep their space.
  TestLayout unresolved(false);
  EXPECT_EQ(Describe(ParagraphOf(Parse(unresolved, Para("see<zqfo_pageref target='x'/> next")))), "see/a next/a");
}

TEST(ZQFO_DocumentParser, EverySymbolNameGivesItsCharacter) {
  const char* names[] = {
      "bullet_round_solid", "bullet_diamond_solid", "emdash", "endash", "approxeq", "infinity", "function", "prop",
      "noteq", "definedas", "approx", "tm", "root", "inverteddelta", "uparrowkey", "downarrowkey", "leftarrowkey",
      "rightarrowkey", "ualpha", "ubeta", "ugamma", "udelta", "uepsilon", "uzeta", "ueta", "utheta", "uiota",
      "ukappa", "ulamda", "umu", "unu", "uxi", "uomikron", "upi", "urho", "usigma", "utau", "uupsilon", "uphi",
      "uchi", "upsi", "uomega"};
  const unsigned char codes[] = {183, 168, 190, 45, 64, 165, 166, 181, 185, 186, 187, 212, 214, 209,
                                 173, 175, 172, 174, 65, 66, 71, 68, 69, 90, 72, 81, 73, 75,
                                 76, 77, 78, 88, 79, 80, 82, 83, 84, 85, 70, 67, 89, 87};
  std::string content;
  std::vector<unsigned char> expected;
  for (size_t i = 0; i < sizeof names / sizeof names[0]; ++i) {
    content += std::string("<zqfo_symbol name='") + names[i] + "'/>";
    expected.push_back(codes[i]);
    if (names[i][0] == 'u' && i >= 18) {  // the lower-case letter: 32 further on
      content += std::string("<zqfo_symbol name='l") + (names[i] + 1) + "'/>";
      expected.push_back(static_cast<unsigned char>(codes[i] + 32));
    }
  }
  TestLayout layout;
  const ZQFO_ParsedDocument parsed = Parse(layout, Para(content));
  const ZQFO_Block_Paragraph& paragraph = ParagraphOf(parsed);
  ASSERT_EQ(paragraph.GetNumFlowObjects(), 66);
  for (long i = 0; i < 66; ++i) {
    SCOPED_TRACE(i);
    const auto& text = dynamic_cast<const ZQFO_FlowObject_Text&>(*paragraph.GetFlowObject(i));
    EXPECT_EQ(static_cast<unsigned char>(text.GetText()[0]), expected[i]);
    EXPECT_EQ(text.GetOptions()->Font.GetTypeface(), "Symbol");
  }
  EXPECT_THROW(ZQFO_GetSymbolCharacter("omega"), ZQ_Exception);
}

TEST(ZQFO_DocumentParser, OptionsNestWithElementsAndLocalValuesStayOnTheirElement) {
  TestLayout layout;
  const ZQFO_ParsedDocument parsed = Parse(
      layout, Para("<zqfo_flowgroup text_color='red' local_background_color='blue'>a<zqfo_flowgroup>b"
                   "</zqfo_flowgroup></zqfo_flowgroup>c<zqfo_flowgroup id='g' local_background_color='blue'>---"
                   "</zqfo_flowgroup>"));
  const ZQFO_Block_Paragraph& paragraph = ParagraphOf(parsed);
  const struct {
    const char* why;
    long index;
    ZQR_Color text, background;
  } cases[] = {
      {"the element's own values", 0, ZQR_Color(255, 0, 0), ZQR_Color(0, 0, 255)},
      {"the child inherits, but not the local value", 1, ZQR_Color(255, 0, 0), ZQR_Color(255, 255, 255)},
      {"after the element nothing remains", 2, ZQR_Color(0, 0, 0), ZQR_Color(255, 255, 255)},
      {"an em dash keeps its element's local values", 3, ZQR_Color(0, 0, 0), ZQR_Color(0, 0, 255)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(paragraph.GetFlowObject(c.index)->GetOptions()->TextColor, c.text);
    EXPECT_EQ(paragraph.GetFlowObject(c.index)->GetOptions()->BackgroundColor, c.background);
  }
  EXPECT_EQ(paragraph.GetFlowObject(3)->GetOptions().GetIds().IdPath, "{g}");
}

TEST(ZQFO_DocumentParser, BlocksCarryPageIdsAndTheChapterCurrentWhenTheyWereMade) {
  TestLayout layout;
  const ZQFO_ParsedDocument parsed = Parse(
      layout, InSection("<zqfo_para pageid='p'>before</zqfo_para>"
                        "<zqfo_blockgroup toc='true' sectionname='Two' sectiontypename='Chapter' sectionnumber='2'>"
                        "<zqfo_table pageid='t'><zqfo_row><zqfo_flowcell>x</zqfo_flowcell></zqfo_row></zqfo_table>"
                        "<zqfo_blockgroup toc='true' sectionname='Inner'><zqfo_para>in</zqfo_para></zqfo_blockgroup>"
                        "</zqfo_blockgroup><zqfo_para>after</zqfo_para>"));
  const ZQFO_BlockStream stream = parsed.GetSections()[0].GetPrimaryBlockStream();
  ASSERT_EQ(stream.GetNumBlocks(), 4);
  const char* pageIds[] = {"p", "t", "", ""};
  const char* chapters[] = {"", "Two", "Two", "Two"};
  for (long i = 0; i < 4; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(stream.GetBlock(i)->GetPageId(), pageIds[i]);
    EXPECT_EQ(stream.GetBlock(i)->GetChapterStrings().ChapterName, chapters[i]);
  }
  EXPECT_EQ(stream.GetBlock(1)->GetChapterStrings().ChapterTypeName, "Chapter");
  EXPECT_EQ(layout.Context.CurrentChapterStrings.ChapterNumber, "2");
}

TEST(ZQFO_DocumentParser, TablesRecordRowsCellsSpansAndBadSpansCountAsOne) {
  TestLayout layout;
  LogMark mark;
  const ZQFO_ParsedDocument parsed = Parse(
      layout, InSection("<zqfo_table><zqfo_row><zqfo_flowcell columnspan='2'>a b</zqfo_flowcell>"
                        "<zqfo_blockcell><zqfo_para>c</zqfo_para><zqfo_para>d</zqfo_para></zqfo_blockcell></zqfo_row>"
                        "<zqfo_row><zqfo_flowcell columnspan='0'/><zqfo_flowcell columnspan='x'/>"
                        "<zqfo_flowcell columnspan=''/><zqfo_flowcell columnspan='99999999999'/></zqfo_row>"
                        "</zqfo_table>"));
  const auto& table =
      dynamic_cast<const ZQFO_Block_Table&>(*parsed.GetSections()[0].GetPrimaryBlockStream().GetBlock(0));
  ASSERT_EQ(table.GetNumRows(), 2);
  EXPECT_EQ(table.GetNumColumns(), 4);
  EXPECT_EQ(table.GetRow(0).NumCells, 2);
  EXPECT_EQ(table.GetCell(0, 0), table.GetCell(0, 1));
  EXPECT_EQ(table.GetCell(0, 0)->ColumnSpan, 2);
  EXPECT_EQ(Describe(dynamic_cast<const ZQFO_Block_Paragraph&>(*table.GetCell(0, 0)->Content.GetBlock(0))), "a/a b/a");
  EXPECT_EQ(table.GetCell(0, 2)->Content.GetNumBlocks(), 2);
  EXPECT_EQ(table.GetCell(0, 3), nullptr);
  for (long c = 0; c < 4; ++c) EXPECT_EQ(table.GetCell(1, c)->ColumnSpan, 1);
  const std::string log = mark.Since();
  for (const char* value : {"'0'", "'x'", "'99999999999'"}) EXPECT_NE(log.find(value), std::string::npos) << value;
  EXPECT_EQ(log.find("''"), std::string::npos);
}

TEST(ZQFO_DocumentParser, ImagesTakeTheirNaturalSizeAtTheScreensResolutionOnAnyCanvas) {
  const std::string src = WriteImage();
  // 40 x 20 pixels at the screen's 96 to the inch, whatever the canvas.
  const struct {
    const char* why;
    ZQ_Point<double> canvasMm;
    double width, height;
  } cases[] = {{"a quarter millimetre a pixel", {50, 25}, 10.58, 5.29},
               {"half a millimetre a pixel", {100, 50}, 10.58, 5.29}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    TestLayout layout(true, "", c.canvasMm);
    const ZQFO_ParsedDocument parsed =
        Parse(layout, Para("<zqfo_img src='" + src + "' standard_colors='true'/><zqfo_img src='file:C:/none.png'/>"));
    const ZQFO_Block_Paragraph& paragraph = ParagraphOf(parsed);
    EXPECT_EQ(Describe(paragraph), "I/n_ E/a");
    const auto& image = dynamic_cast<const ZQFO_FlowObject_Img&>(*paragraph.GetFlowObject(0));
    EXPECT_NEAR(image.GetBoxSize().MinimumX, c.width, 0.02);
    EXPECT_NEAR(image.GetBoxSize().MaximumY, c.height, 0.02);
    EXPECT_TRUE(image.GetResample());
    ASSERT_EQ(image.GetColorTransformation().GetNumPairs(), 2);
    EXPECT_EQ(image.GetColorTransformation().GetFromColor(0), ZQR_Color(255, 192, 255));
    EXPECT_EQ(image.GetColorTransformation().GetToColor(0), ZQR_Color(255, 255, 255));
    EXPECT_EQ(image.GetColorTransformation().GetFromColor(1), ZQR_Color(64, 0, 64));
    EXPECT_EQ(image.GetColorTransformation().GetToColor(1), ZQR_Color(0, 0, 0));
  }
}
