// ZQFO_FormattedDocument.h: a paginated document: its pages, all of one
// page area, made on demand by the current section's page sequence
// generator while distribution runs, and read afterwards page by page for
// drawing, link hit tests, id searches and word collection. Owns its pages;
// the generator is borrowed. Millimetres. Index faults are assertions. UI
// thread only.
#ifndef ZQFO_FORMATTEDDOCUMENT_H
#define ZQFO_FORMATTEDDOCUMENT_H

#include "ZQFO_ContentArea.h"
#include "ZQFO_TableOfContents.h"
#include "ZQ_Array.h"
#include "ZQ_Point.h"
#include "ZQ_Rectangle.h"

class ZQFO_BlockStream;
class ZQFO_DistributionContext;
class ZQFO_Page;
class ZQFO_PageSequenceGenerator;
class ZQPIC_Canvas;

class ZQFO_FormattedDocument {
 public:
  ZQFO_FormattedDocument() = default;
  ~ZQFO_FormattedDocument();
  ZQFO_FormattedDocument(const ZQFO_FormattedDocument&) = delete;
  ZQFO_FormattedDocument& operator=(const ZQFO_FormattedDocument&) = delete;

  // Deletes every page, forgets the generator, takes PageArea.
  void Reset(const ZQ_Rectangle<double>& PageArea);
  // Makes Generator current and tells it it belongs here (once: the
  // generator asserts "ContainingDocument == NULL" on a second document).
  void SetPageSequenceGenerator(ZQFO_PageSequenceGenerator* Generator);
  // A new page from the generator, after one blank page when a break to an
  // even (kind 4) or odd (kind 5) page meets a page count of that parity.
  // NewGenerator, when given, is current from this page on; without any
  // generator the assertion "NewPageSequenceGenerator" fails (null).
  ZQFO_Page* GenerateNewPage(ZQFO_DistributionContext& Context, const ZQFO_ChapterStrings& Chapter, long Kind,
                             ZQFO_PageSequenceGenerator* NewGenerator);

  long GetNumPages() const { return NumPages; }
  // Asserts "PageIndex < NumPages" (null then).
  ZQFO_Page* GetPage(long PageIndex) const;
  ZQ_Rectangle<double> GetPageArea() const { return PageArea; }

  void Render(ZQPIC_Canvas& Canvas, long PageIndex, const ZQ_Point<double>& Offset) const;
  ZQ_String GetLinkTargetAtPoint(long PageIndex, const ZQ_Point<double>& Point) const;
  // Pages in order up to the first that finds the id.
  void SearchForContentAreaById(const ZQ_String& Id, ZQFO_ContentArea_SearchResult& Result) const;
  void CollectWordInfo(ZQ_Array<ZQFO_WordInfo>& Words, long& Count) const;

 private:
  void DeletePages();
  ZQFO_Page* AppendPage(ZQFO_Page* Page);

  ZQ_Rectangle<double> PageArea;
  long NumPages = 0;
  ZQ_AutosizeArray<ZQFO_Page*> Pages;
  ZQFO_PageSequenceGenerator* PageSequenceGenerator = nullptr;
};

// The chapter strings of the stream's first block; empty without blocks.
ZQFO_ChapterStrings ZQFO_GetBlockStreamSectionTexts(const ZQFO_BlockStream& Stream);
// The first block's break before, or 3 ("page") without blocks or when
// HonourFirstBreak is false.
long ZQFO_GetBlockStreamBreakBefore(const ZQFO_BlockStream& Stream, bool HonourFirstBreak);

#endif
