// ZQFO_Block.h: the base of the block-level objects of a block stream
// (paragraphs, tables) and the protocol by which distribution lays a block
// into content areas: the widths it can use, the heights it needs for a
// width, distributing into an area and splitting when the area is too
// short. The base caches the width and height limits, applies the block's
// indents, honours block_keep_together, wraps the HTML in blockquotes by
// indent and anchors the block's ids. Subclasses fill the Imp_ slots; alone,
// a block answers fixed sizes and distributes as a crossed box. Lengths are
// millimetres. Canvas failures (ZQ_Exception) pass out. UI thread only.
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
  // Every field but the page id, which starts empty; the options are shared.
  ZQFO_Block(const ZQFO_Block& Other);
  ZQFO_Block& operator=(const ZQFO_Block&) = delete;
  virtual ~ZQFO_Block() = default;

  // Fills the block's field texts from Dictionary; the base drops every
  // cached size, since texts change widths.
  virtual void PerformFieldFixups(const ZQFO_TextFixupDictionary& Dictionary);
  // (minimum, maximum) content width, computed once until the caches drop.
  ZQ_Point<double> ComputeDistributionAreaWidthLimits();
  // (minimum, maximum) height for a block of outer Width (indents included);
  // asked again within 1e-06 of the same width, the cached answer.
  ZQ_Point<double> ComputeDistributionAreaHeightLimits(double Width);
  // Lays the block out for content Width (cut to the maximum width), again
  // only when it differs from the last by more than 1.1e-06.
  void NoteNewDistributionAreaWidth(double Width);
  // Places the block into Area, its content area (indents already off).
  void Distribute(ZQFO_ContentArea& Area);
  // Splits for outer Width so that First fits Height; on true the caller
  // owns First and Second. A block kept together never splits. The pieces
  // keep the noted width, so that laid out again for it they do nothing.
  bool Split(double Width, double Height, ZQFO_Block*& First, ZQFO_Block*& Second);
  // Stage 1 writes a line end and the blockquotes of the indent around the
  // block's own HTML; stage 0 only lets the block prepare.
  void ExportToHTML(ZQFO_ExportDocumentToHTML_ExportContext& Export, long Stage);
  void CollectFormattingOptions(ZQFO_FormattingOptionsCollector& Collector);
  // Writes an empty anchor, <a name="id"></a>, and a line end for every id
  // of the block's option sets not yet anchored in this export.
  void InsertHTMLAnchors(ZQFO_ExportDocumentToHTML_ExportContext& Export);

  // 0 below 4.9 mm, 1 below 17.7, 2 below 30.4, 3 below 43.1, else 4.
  static long CalculateNumberOfBlockQuotes(double LeftIndent);

  const ZQFO_FormattingOptions& GetOptions() const { return Options; }
  const ZQFO_ChapterStrings& GetChapterStrings() const { return ChapterStrings; }
  const ZQ_String& GetPageId() const { return PageId; }
  void SetPageId(const ZQ_String& Id) { PageId = Id; }

 protected:
  // The base answers: 10 to 100 mm wide, 10 mm to 999,999,999 mm high.
  virtual ZQ_Point<double> Imp_ComputeDistributionAreaWidthLimits() { return {10.0, 100.0}; }
  // For the width last noted.
  virtual ZQ_Point<double> Imp_ComputeDistributionAreaHeightLimits() { return {10.0, 999999999.0}; }
  // One plain render object over the area's free part, base layer.
  virtual void Imp_Distribute(ZQFO_ContentArea& Area);
  virtual bool Imp_Split(double /*Height*/, ZQFO_Block*& /*First*/, ZQFO_Block*& /*Second*/) { return false; }
  virtual void Imp_NoteNewDistributionAreaWidth(double /*Width*/) {}
  virtual void Imp_ExportToHTML(ZQFO_ExportDocumentToHTML_ExportContext& /*Export*/, long /*Stage*/) {}
  virtual void Imp_CollectFormattingOptions(ZQFO_FormattingOptionsCollector& /*Collector*/) {}

  // Forgets the noted width and the cached widths and heights: content or
  // texts changed.
  void DropCaches();
  // Forgets the cached widths and heights only: the layout for the noted
  // width still holds (a split piece's).
  void DropSizeCaches();
  // The noted content width, -9999.0 when none.
  double GetLastNotedWidth() const { return LastNotedWidth; }

  ZQFO_DistributionContext& Context;

 private:
  ZQFO_FormattingOptions Options;
  double LastNotedWidth = -9999.0;
  bool AreWidthLimitsComputed = false;
  double MinimumWidth = 0.0;
  double MaximumWidth = 999999999.0;
  double HeightLimitsWidth = -1.0;
  double MinimumHeight = 0.0;
  double MaximumHeight = 999999999.0;
  ZQFO_ChapterStrings ChapterStrings;
  ZQ_String PageId;
};

#endif
