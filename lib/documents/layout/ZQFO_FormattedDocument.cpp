#include "ZQFO_FormattedDocument.h"

#include <cstdlib>

#include "ZQFO_Block.h"
#include "ZQFO_BlockStream.h"
#include "ZQFO_DistributionContext.h"
#include "ZQFO_Page.h"
#include "ZQFO_PageSequenceGenerator.h"
#include "ZQ_Assertion.h"

ZQFO_FormattedDocument::~ZQFO_FormattedDocument() { DeletePages(); }

void ZQFO_FormattedDocument::DeletePages() {
  for (long i = 0; i < NumPages; ++i) delete Pages[i];
  NumPages = 0;
}

void ZQFO_FormattedDocument::Reset(const ZQ_Rectangle<double>& NewPageArea) {
  DeletePages();
  PageArea = NewPageArea;
  PageSequenceGenerator = nullptr;
}

void ZQFO_FormattedDocument::SetPageSequenceGenerator(ZQFO_PageSequenceGenerator* Generator) {
  if (Generator == PageSequenceGenerator) return;
  PageSequenceGenerator = Generator;
  if (Generator) Generator->SetContainingDocument(this);
}

ZQFO_Page* ZQFO_FormattedDocument::AppendPage(ZQFO_Page* Page) {
  if (Page) Pages[NumPages++] = Page;
  return Page;
}

ZQFO_Page* ZQFO_FormattedDocument::GenerateNewPage(ZQFO_DistributionContext& Context,
                                                   const ZQFO_ChapterStrings& Chapter, long Kind,
                                                   ZQFO_PageSequenceGenerator* NewGenerator) {
  ZQ_ASSERT_TEXT(PageArea.Width >= 0 && PageArea.Height >= 0,
                 "(PageArea.Extent.X >= 0) and (PageArea.Extent.Y >= 0)");
  if (!PageSequenceGenerator) {
    ZQ_ASSERT_TEXT(NewGenerator, "NewPageSequenceGenerator");
    if (!NewGenerator) return nullptr;
    SetPageSequenceGenerator(NewGenerator);
  }
  const bool isEven = std::labs(Context.PageCount) % 2 == 0;
  if ((Kind == 4 && isEven) || (Kind == 5 && !isEven))
    AppendPage(PageSequenceGenerator->GenerateNewPage(ZQFO_ChapterStrings()));
  if (NewGenerator) SetPageSequenceGenerator(NewGenerator);
  return AppendPage(PageSequenceGenerator->GenerateNewPage(Chapter));
}

ZQFO_Page* ZQFO_FormattedDocument::GetPage(long PageIndex) const {
  ZQ_ASSERT_TEXT(PageIndex >= 0 && PageIndex < NumPages, "PageIndex < NumPages");
  return PageIndex >= 0 && PageIndex < NumPages ? Pages[PageIndex] : nullptr;
}

void ZQFO_FormattedDocument::Render(ZQPIC_Canvas& Canvas, long PageIndex, const ZQ_Point<double>& Offset) const {
  if (ZQFO_Page* page = GetPage(PageIndex)) page->Render(Canvas, Offset);
}

ZQ_String ZQFO_FormattedDocument::GetLinkTargetAtPoint(long PageIndex, const ZQ_Point<double>& Point) const {
  ZQFO_Page* page = GetPage(PageIndex);
  return page ? page->GetLinkTargetAtPoint(Point) : ZQ_String();
}

void ZQFO_FormattedDocument::SearchForContentAreaById(const ZQ_String& Id,
                                                      ZQFO_ContentArea_SearchResult& Result) const {
  for (long i = 0; i < NumPages && !Result.Found; ++i) Pages[i]->SearchForContentAreaById(Id, Result);
}

void ZQFO_FormattedDocument::CollectWordInfo(ZQ_Array<ZQFO_WordInfo>& Words, long& Count) const {
  for (long i = 0; i < NumPages; ++i) Pages[i]->CollectWordInfo(Words, Count);
}

ZQFO_ChapterStrings ZQFO_GetBlockStreamSectionTexts(const ZQFO_BlockStream& Stream) {
  return Stream.GetNumBlocks() > 0 ? Stream.GetBlock(0)->GetChapterStrings() : ZQFO_ChapterStrings();
}

long ZQFO_GetBlockStreamBreakBefore(const ZQFO_BlockStream& Stream, bool HonourFirstBreak) {
  if (Stream.GetNumBlocks() == 0 || !HonourFirstBreak) return ZQFO_Break_Page;
  return Stream.GetBlock(0)->GetOptions()->BlockBreakBefore;
}
