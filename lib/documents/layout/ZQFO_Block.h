// ZQFO_Block.h: the base of the block-level objects of a block stream
// (paragraphs, tables). A block keeps its options, the chapter strings that
// were current when the parser made it and the page id under which
// distribution records the page that shows it. Line breaking, splitting and
// the HTML of the kinds arrive with the block layout: until then every
// block answers the base's sizes and distributes as one plain render object.
// UI thread only.
#ifndef ZQFO_BLOCK_H
#define ZQFO_BLOCK_H

#include "ZQFO_FormattingOptions.h"
#include "ZQFO_TableOfContents.h"
#include "ZQ_Point.h"
#include "ZQ_String.h"

class ZQFO_ContentArea;
class ZQFO_DistributionContext;
class ZQFO_ExportDocumentToHTML_ExportContext;
class ZQFO_TextFixupDictionary;

class ZQFO_Block {
 public:
  // Copies the context's CurrentChapterStrings; Context is borrowed and
  // outlives the block.
  ZQFO_Block(ZQFO_DistributionContext& Context, const ZQFO_FormattingOptions& Options);
  virtual ~ZQFO_Block() = default;
  ZQFO_Block(const ZQFO_Block&) = delete;
  ZQFO_Block& operator=(const ZQFO_Block&) = delete;

  // Fills the block's field texts from Dictionary.
  virtual void PerformFieldFixups(const ZQFO_TextFixupDictionary& Dictionary);
  // (minimum, maximum) width and, at an outer width, height, millimetres.
  ZQ_Point<double> ComputeDistributionAreaWidthLimits() { return Imp_ComputeDistributionAreaWidthLimits(); }
  ZQ_Point<double> ComputeDistributionAreaHeightLimits(double Width);
  // Places the block into Area (its content area, indents already off).
  void Distribute(ZQFO_ContentArea& Area) { Imp_Distribute(Area); }
  // Writes the block's HTML in stage 1; nothing yet.
  void ExportToHTML(ZQFO_ExportDocumentToHTML_ExportContext& Export, long Stage);

  const ZQFO_FormattingOptions& GetOptions() const { return Options; }
  const ZQFO_ChapterStrings& GetChapterStrings() const { return ChapterStrings; }
  const ZQ_String& GetPageId() const { return PageId; }
  void SetPageId(const ZQ_String& Id) { PageId = Id; }

 protected:
  // The base answers: 10 to 100 mm wide, 10 mm to 999,999,999 mm high.
  virtual ZQ_Point<double> Imp_ComputeDistributionAreaWidthLimits() { return {10.0, 100.0}; }
  virtual ZQ_Point<double> Imp_ComputeDistributionAreaHeightLimits() { return {10.0, 999999999.0}; }
  // One plain render object over the area's free part, base layer.
  virtual void Imp_Distribute(ZQFO_ContentArea& Area);

  ZQFO_DistributionContext& Context;

 private:
  ZQFO_FormattingOptions Options;
  ZQFO_ChapterStrings ChapterStrings;
  ZQ_String PageId;
};

#endif
