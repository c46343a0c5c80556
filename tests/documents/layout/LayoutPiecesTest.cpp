#include <gtest/gtest.h>

#include "../model/LayoutTestSupport.h"
#include "ZQFO_Block.h"
#include "ZQFO_BlockStream.h"
#include "ZQFO_TableOfContents.h"
#include "ZQFO_TextFixupDictionary.h"
#include "ZQ_Exception.h"
#include "ZQ_SequenceNameGenerator.h"

namespace {

// Counts its deletions.
class CountedBlock : public ZQFO_Block {
 public:
  CountedBlock(ZQFO_DistributionContext& Context, long& Deleted) : ZQFO_Block(Context, ZQFO_FormattingOptions()),
                                                                   Deleted(Deleted) {}
  ~CountedBlock() override { ++Deleted; }

 private:
  long& Deleted;
};

std::string Join(const ZQFO_TOCNameInfo& Info) {
  return std::string(Info.TOCName.GetText()) + "|" + Info.ChapterName.GetText() + "|" +
         Info.ChapterTypeName.GetText() + "|" + Info.ChapterNumber.GetText();
}

}  // namespace

TEST(ZQFO_TextFixupDictionary, TheLastTextOfAnExactNameWinsAndUnknownNamesAreEmpty) {
  ZQFO_TextFixupDictionary dictionary;
  EXPECT_TRUE(dictionary.Set("Page", "1"));
  EXPECT_FALSE(dictionary.Set("Page", "2"));
  EXPECT_EQ(dictionary.Get("Page"), "2");
  EXPECT_EQ(dictionary.Get("page"), "");
}

TEST(ZQFO_TableOfContents, NamesComeFromAttributesOrTheFirstParagraphsDirectText) {
  const std::string unnamed = std::string(ZQ_GetUnnamedText().GetText()) + " Section";
  const struct {
    const char* why;
    const char* group;
    bool isTOC, isFirstLevel;
    std::string names;
  } cases[] = {
      {"the paragraph's words, whitespace collapsed",
       "<zqfo_blockgroup toc='true'><zqfo_para>  Heat \n  stress  </zqfo_para></zqfo_blockgroup>", true, true,
       "Heat stress|Heat stress||"},
      {"no attributes, no paragraph", "<zqfo_blockgroup/>", false, false, unnamed + "|" + unnamed + "||"},
      {"a table-of-contents name alone", "<zqfo_blockgroup toc='true' tocname=' Short '><zqfo_para>Long title</zqfo_para>"
       "</zqfo_blockgroup>", true, true, "Short|Long title||"},
      {"only text directly inside the first paragraph (nested groups: DocumentParserTest)",
       "<zqfo_blockgroup toc='true' sectiontypename='Chapter' sectionnumber=' 2 '><zqfo_para>A<zqfo_flowgroup>B"
       "</zqfo_flowgroup>C</zqfo_para><zqfo_para>D</zqfo_para></zqfo_blockgroup>", true, true, "A C|A C|Chapter|2"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    const ZQXML_Tree tree = ReadDocument(std::string("<zqfo_document><zqfo_section><zqfo_blockstream>") + c.group +
                                         "</zqfo_blockstream></zqfo_section></zqfo_document>");
    const ZQXML_Node& group = *tree.GetRootElement()->FindChildElement("zqfo_section")
                                   ->FindChildElement("zqfo_blockstream")->FindChildElement("zqfo_blockgroup");
    EXPECT_EQ(ZQFO_IsTOCElement(group), c.isTOC);
    EXPECT_EQ(ZQFO_IsFirstLevelTOCElement(group), c.isFirstLevel);
    EXPECT_EQ(Join(ZQFO_GetTOCNameInfo(group)), c.names);
  }
}

TEST(ZQFO_BlockStream, HeightsAddTheInnerSpacesAndTheOuterOnesWhenAsked) {
  TestLayout layout;
  const double space = ZQFO_FormattingOptions()->BlockSpaceBefore;  // before and after alike
  long deleted = 0;
  ZQFO_BlockStream empty;
  EXPECT_EQ(empty.ComputeDistributionAreaWidthLimits(), ZQ_Point<double>(0, 0));
  EXPECT_EQ(empty.ComputeDistributionAreaHeightLimits(50, true, true), ZQ_Point<double>(0, 0));
  ZQFO_BlockStream one;
  one.AddBlock(new CountedBlock(layout.Context, deleted));
  EXPECT_EQ(one.ComputeDistributionAreaHeightLimits(50, false, false), ZQ_Point<double>(10, 999999999));
  EXPECT_EQ(one.ComputeDistributionAreaWidthLimits(), ZQ_Point<double>(10, 100));
  {
    ZQFO_BlockStream two;
    two.AddBlock(new CountedBlock(layout.Context, deleted));
    two.AddBlock(new CountedBlock(layout.Context, deleted));
    const struct {
      bool first, last;
      double spaces;
    } cases[] = {{false, false, 2}, {true, false, 3}, {false, true, 3}, {true, true, 4}};
    for (const auto& c : cases) {
      SCOPED_TRACE(c.spaces);
      const ZQ_Point<double> heights = two.ComputeDistributionAreaHeightLimits(50, c.first, c.last);
      EXPECT_DOUBLE_EQ(heights.X, 20 + c.spaces * space);
    }
    ZQFO_BlockStream copy = two;
    one = copy;
    EXPECT_EQ(deleted, 1);  // one's own block went with its last handle
    EXPECT_THROW(two.GetBlock(2), ZQ_Exception);
  }
  EXPECT_EQ(deleted, 1);  // still held by one
  one = ZQFO_BlockStream();
  EXPECT_EQ(deleted, 3);
}

TEST(ZQFO_FormattedDocument, BreaksToAPageOfAParityInsertABlankPageOnlyWhenNeeded) {
  const struct {
    long pagesBefore, kind, pagesAfter;
  } cases[] = {{3, 4, 4}, {4, 4, 6}, {3, 5, 5}, {4, 5, 5}, {4, 3, 5}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pagesBefore * 10 + c.kind);
    TestLayout layout;
    for (long i = 0; i < c.pagesBefore; ++i) layout.NewPage();
    ZQFO_Page* page = layout.Document.GenerateNewPage(layout.Context, ZQFO_ChapterStrings(), c.kind, nullptr);
    EXPECT_EQ(layout.Document.GetNumPages(), c.pagesAfter);
    EXPECT_EQ(layout.Document.GetPage(c.pagesAfter - 1), page);
    EXPECT_EQ(layout.Context.PageCount, c.pagesAfter);
  }
}

TEST(ZQFO_FormattedDocument, ResetForgetsPagesAndGeneratorAndSearchesStopAtTheFirstFind) {
  TestLayout layout;
  layout.NewPage()->GetFirstDefaultContentArea()->AccessPortion(1, 1, 2, 2)->SetIdPath("{x}");
  layout.NewPage()->GetFirstDefaultContentArea()->AccessPortion(3, 3, 4, 4)->SetIdPath("{x}");
  ZQFO_ContentArea_SearchResult result;
  layout.Document.SearchForContentAreaById("x", result);
  EXPECT_TRUE(result.Found);
  EXPECT_EQ(result.Rectangle, ZQ_Rectangle<double>(6, 3, 2, 2));  // the page area starts at (5, 2)
  EXPECT_THROW(layout.Document.GetPage(2), ZQ_Exception);
  layout.Document.Reset(ZQ_Rectangle<double>(0, 0, 10, 10));
  EXPECT_EQ(layout.Document.GetNumPages(), 0);
  EXPECT_THROW(layout.NewPage(), ZQ_Exception);  // no generator any more
  ZQFO_BlockStream empty;
  EXPECT_EQ(Join(ZQFO_GetBlockStreamSectionTexts(empty)), "|||");
  EXPECT_EQ(ZQFO_GetBlockStreamBreakBefore(empty, true), ZQFO_Break_Page);
}
