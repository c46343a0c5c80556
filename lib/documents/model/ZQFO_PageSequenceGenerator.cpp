#include "ZQFO_PageSequenceGenerator.h"

#include <cstdlib>

#include "ZQFO_ContentArea.h"
#include "ZQFO_DistributeBlockStream.h"
#include "ZQFO_DistributionContext.h"
#include "ZQFO_FormattedDocument.h"
#include "ZQFO_Page.h"
#include "ZQ_Assertion.h"
#include "ZQ_SequenceNameGenerator.h"

void ZQFO_PageSequenceGenerator::SetInitialPageNumber(long Number) {
  if (Number == ContinuePageNumbering) {
    CurrentPageNumber = ContinuePageNumbering;
    return;
  }
  ZQ_ASSERT_TEXT(Number > 0, "InitialPageNumber > 0");
  CurrentPageNumber = Number - 1;
}

void ZQFO_PageSequenceGenerator::SetContainingDocument(ZQFO_FormattedDocument* Document) {
  ZQ_ASSERT_TEXT(ContainingDocument == nullptr, "ContainingDocument == NULL");
  if (!ContainingDocument) ContainingDocument = Document;
}

ZQFO_Page* ZQFO_PageSequenceGenerator::GenerateNewPage(const ZQFO_ChapterStrings& Chapter) {
  ZQ_ASSERT(ContainingDocument);
  if (!ContainingDocument) return nullptr;
  if (!Chapter.ChapterName.IsEmpty()) ChapterStrings = Chapter;
  if (CurrentPageNumber == ContinuePageNumbering) CurrentPageNumber = Context.LastPageNumber;
  ++Context.PageCount;
  ++CurrentPageNumber;
  ++PagesInSection;
  Context.LastPageNumber = CurrentPageNumber;
  Context.PageNumberText = GenerateFormattedPageNumber();
  ZQFO_Page* page = new ZQFO_Page(Options, ContainingDocument);
  InitializeTopLevelContentAreas(*page);
  return page;
}

ZQ_String ZQFO_PageSequenceGenerator::GenerateFormattedPageNumber() const {
  ZQ_ASSERT((PageNumberFormat == 0) or (PageNumberFormat == 1));
  const ZQ_AbstractSequenceNameGenerator& names =
      PageNumberFormat == PageNumberFormat_LowerCaseRoman
          ? static_cast<const ZQ_AbstractSequenceNameGenerator&>(ZQ_LowerCaseRomanNumberSequence)
          : ZQ_NumberSequence;
  return names.GetName(CurrentPageNumber - 1);
}

void ZQFO_PageSequenceGenerator::InitializeTopLevelContentAreas(ZQFO_Page& Page) {
  const ZQ_Rectangle<double> pageArea = ContainingDocument->GetPageArea();
  ZQFO_ContentArea* area =
      new ZQFO_ContentArea(&Page, pageArea.X, pageArea.Y, pageArea.Width, pageArea.Height,
                           ZQFO_ContentArea::Flag_MayGeneratePage | ZQFO_ContentArea::Flag_FirstOnPage |
                               ZQFO_ContentArea::Flag_FirstInColumn);
  Page.AddTopLevelContentArea(area, ZQ_String());
  if (Context.ResolvePageReferences) InitializePageFrames(Page, *area);
}

ZQFO_PageSequenceFrameSet* ZQFO_PageSequenceGenerator::GetProperFrameSet() const {
  if (PagesInSection == 1 && !FirstPageFrames.IsNull()) return FirstPageFrames.Get();
  const ZQ_CountedPtr<ZQFO_PageSequenceFrameSet>& byParity =
      std::labs(Context.PageCount) % 2 == 0 ? EvenPageFrames : OddPageFrames;
  if (!byParity.IsNull()) return byParity.Get();
  return OtherPageFrames.Get();
}

void ZQFO_PageSequenceGenerator::UpdateFixupFields() {
  FieldDictionary.Set("Page", Context.PageNumberText);
  FieldDictionary.Set("ChapterName", ChapterStrings.ChapterName);
  FieldDictionary.Set("ChapterTypeName", ChapterStrings.ChapterTypeName);
  FieldDictionary.Set("ChapterNumber", ChapterStrings.ChapterNumber);
  FieldDictionary.Set("DocumentName", Context.DocumentName);
}

void ZQFO_PageSequenceGenerator::InitializePageFrames(ZQFO_Page&, ZQFO_ContentArea& MainArea) {
  const ZQFO_PageSequenceFrameSet* frames = GetProperFrameSet();
  if (!frames) return;
  UpdateFixupFields();
  ZQFO_DistributeBlockStream_Options options;
  options.SetVerticalAllocation(ZQFO_DistributeBlockStream_Options::VerticalAllocation_Minimize);
  options.SetKeepLeadingSpace(true);
  options.SetKeepTrailingSpace(true);
  for (auto it = frames->GetFrames(); it.IsValid(); it.Advance()) {
    ZQFO_PageSequenceFrame& frame = **it;
    // The field texts first: a long chapter name may need another line.
    frame.PerformFieldFixups(FieldDictionary);
    const double height =
        frame.GetBlockStream().ComputeDistributionAreaHeightLimits(MainArea.GetFreeWidth(), true, true).X;
    const long location = frame.GetLocation();
    ZQ_ASSERT((location == 0) or (location == 1));
    if (location != 0 && location != 1) continue;
    ZQFO_ContentArea* frameArea = location == 0 ? MainArea.ReserveTop(height) : MainArea.ReserveBottom(height);
    const ZQFO_BlockStream stream = frame.GetBlockStream();
    ZQFO_DistributeBlockStream(Context, stream, *frameArea, options);
  }
}
