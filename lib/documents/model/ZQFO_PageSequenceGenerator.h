// ZQFO_PageSequenceGenerator.h: the pages of one document section. Each new
// page is numbered (decimal or lower-case Roman, from a start number or
// continuing the previous section), made with the document element's
// options and one content area over the page area, and, when page
// references are resolved (page layout), given the running headers and
// footers of its frame set (first, even, odd or other page): each frame's
// height is reserved in the top or bottom margin of that area, its fields
// filled and its blocks laid into the reserved strip. The context and the
// containing document are borrowed; frames and frame sets are shared. UI
// thread only.
#ifndef ZQFO_PAGESEQUENCEGENERATOR_H
#define ZQFO_PAGESEQUENCEGENERATOR_H

#include "ZQFO_BlockStream.h"
#include "ZQFO_FormattingOptions.h"
#include "ZQFO_TableOfContents.h"
#include "ZQFO_TextFixupDictionary.h"
#include "ZQ_CountedPtr.h"
#include "ZQ_List.h"

class ZQFO_ContentArea;
class ZQFO_DistributionContext;
class ZQFO_FormattedDocument;
class ZQFO_Page;

// One zqfo_frame: a block stream in the top (0) or bottom (1) margin.
class ZQFO_PageSequenceFrame {
 public:
  static const long Location_TopMargin = 0;
  static const long Location_BottomMargin = 1;

  ZQFO_PageSequenceFrame(long Location, const ZQFO_BlockStream& BlockStream)
      : Location(Location), BlockStream(BlockStream) {}
  void PerformFieldFixups(const ZQFO_TextFixupDictionary& Dictionary) { BlockStream.PerformFieldFixups(Dictionary); }
  long GetLocation() const { return Location; }
  const ZQFO_BlockStream& GetBlockStream() const { return BlockStream; }

 private:
  long Location;
  ZQFO_BlockStream BlockStream;
};

// The frames of one page kind, in document order. A present empty set
// differs from an absent one: it gives pages without frames.
class ZQFO_PageSequenceFrameSet {
 public:
  void AddFrame(const ZQ_CountedPtr<ZQFO_PageSequenceFrame>& Frame) { Frames.Append(Frame); }
  ZQ_ReadOnlyIterator<ZQ_CountedPtr<ZQFO_PageSequenceFrame>> GetFrames() const { return Frames.GetIterator(); }
  long GetNumFrames() const { return Frames.GetNumElements(); }

 private:
  ZQ_List<ZQ_CountedPtr<ZQFO_PageSequenceFrame>> Frames;
};

class ZQFO_PageSequenceGenerator {
 public:
  static const long PageNumberFormat_Decimal = 0;
  static const long PageNumberFormat_LowerCaseRoman = 1;
  // SetInitialPageNumber's marker: go on from the previous section.
  static const long ContinuePageNumbering = -9999999;

  // Options: those in force at the document element. Context is borrowed.
  ZQFO_PageSequenceGenerator(const ZQFO_FormattingOptions& Options, ZQFO_DistributionContext& Context)
      : Options(Options), Context(Context) {}
  ZQFO_PageSequenceGenerator(const ZQFO_PageSequenceGenerator&) = delete;
  ZQFO_PageSequenceGenerator& operator=(const ZQFO_PageSequenceGenerator&) = delete;

  void SetPageNumberFormat(long Format) { PageNumberFormat = Format; }
  // The next page gets Number (stored as Number - 1), or the marker. A
  // number below 1 fails "InitialPageNumber > 0" and is stored all the same.
  void SetInitialPageNumber(long Number);
  void SetFirstPageFrames(const ZQ_CountedPtr<ZQFO_PageSequenceFrameSet>& Set) { FirstPageFrames = Set; }
  void SetEvenPageFrames(const ZQ_CountedPtr<ZQFO_PageSequenceFrameSet>& Set) { EvenPageFrames = Set; }
  void SetOddPageFrames(const ZQ_CountedPtr<ZQFO_PageSequenceFrameSet>& Set) { OddPageFrames = Set; }
  void SetOtherPageFrames(const ZQ_CountedPtr<ZQFO_PageSequenceFrameSet>& Set) { OtherPageFrames = Set; }
  // Once; a second call fails "ContainingDocument == NULL" and is ignored.
  void SetContainingDocument(ZQFO_FormattedDocument* Document);

  // The next page (owned by the caller, the formatted document). Chapter
  // replaces the pages' chapter strings when its chapter name is not empty.
  // Without a containing document fails "ContainingDocument" (null).
  ZQFO_Page* GenerateNewPage(const ZQFO_ChapterStrings& Chapter);

  // The steps of GenerateNewPage.
  void InitializeTopLevelContentAreas(ZQFO_Page& Page);
  void InitializePageFrames(ZQFO_Page& Page, ZQFO_ContentArea& MainArea);
  // First-page set on the section's first page, else the even or odd set by
  // the document's page count, else the other set; null when none applies.
  ZQFO_PageSequenceFrameSet* GetProperFrameSet() const;
  void UpdateFixupFields();
  ZQ_String GenerateFormattedPageNumber() const;

  long GetPagesInSection() const { return PagesInSection; }
  long GetCurrentPageNumber() const { return CurrentPageNumber; }
  const ZQFO_ChapterStrings& GetChapterStrings() const { return ChapterStrings; }
  const ZQFO_TextFixupDictionary& GetFieldDictionary() const { return FieldDictionary; }
  const ZQFO_FormattingOptions& GetOptions() const { return Options; }

 private:
  ZQFO_FormattingOptions Options;
  ZQFO_DistributionContext& Context;
  ZQFO_FormattedDocument* ContainingDocument = nullptr;
  ZQ_CountedPtr<ZQFO_PageSequenceFrameSet> FirstPageFrames;
  ZQ_CountedPtr<ZQFO_PageSequenceFrameSet> EvenPageFrames;
  ZQ_CountedPtr<ZQFO_PageSequenceFrameSet> OddPageFrames;
  ZQ_CountedPtr<ZQFO_PageSequenceFrameSet> OtherPageFrames;
  ZQFO_TextFixupDictionary FieldDictionary;
  long PageNumberFormat = PageNumberFormat_Decimal;
  long PagesInSection = 0;
  long CurrentPageNumber = 0;
  ZQFO_ChapterStrings ChapterStrings;
};

#endif
