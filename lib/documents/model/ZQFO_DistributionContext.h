// ZQFO_DistributionContext.h: the state of one layout run of a document:
// the canvas it is measured on, the external context, the options factory,
// the shared image cache, the page counters and page text the page
// sequence generator keeps, the chapter strings the document parser keeps,
// the pages recorded under the blocks' page ids, and the page references to
// fill in once distribution is over. The canvas is borrowed and outlives
// the context; the page-reference objects belong to their content areas.
// UI thread only.
#ifndef ZQFO_DISTRIBUTIONCONTEXT_H
#define ZQFO_DISTRIBUTIONCONTEXT_H

#include "ZQFO_Cache.h"
#include "ZQFO_ExternalContext.h"
#include "ZQFO_FormattingOptions.h"
#include "ZQFO_TableOfContents.h"
#include "ZQ_CountedPtr.h"
#include "ZQ_List.h"
#include "ZQ_Map.h"
#include "ZQ_Set.h"
#include "ZQ_String.h"

class ZQFO_RenderObject_Text_PageRefFixup;
class ZQPIC_Canvas;

class ZQFO_DistributionContext {
 public:
  // The factory is built over Canvas with FixedFont and Stylesheet.
  ZQFO_DistributionContext(ZQPIC_Canvas& Canvas, const ZQFO_ExternalContext& ExternalContext,
                           const ZQ_CountedPtr<ZQFO_Cache>& Cache, bool ResolvePageReferences,
                           const ZQ_String& DocumentName, bool FixedFont, const ZQFO_Stylesheet& Stylesheet);
  ~ZQFO_DistributionContext();
  ZQFO_DistributionContext(const ZQFO_DistributionContext&) = delete;
  ZQFO_DistributionContext& operator=(const ZQFO_DistributionContext&) = delete;

  // Records PageText under PageId. Two blocks may carry one page id (a
  // header's block does on every page): the first page stays, and the debug
  // log gets one line per duplicated id in this run.
  void AddPageReference(const ZQ_String& PageId, const ZQ_String& PageText);
  // The page text recorded under PageId; "?" when no block carried it.
  ZQ_String GetPageReference(const ZQ_String& PageId) const;
  // Object (borrowed) gets its page text from PerformPageRefFixups.
  void AddPageRefFixupRenderObject(ZQFO_RenderObject_Text_PageRefFixup* Object);
  // Writes into every recorded page reference the page text of its target.
  void PerformPageRefFixups();

  ZQPIC_Canvas& GetCanvas() const { return Canvas; }

  // The run's state, in the order the fields are made (and unmade in
  // reverse: the fix-up list, the map, the strings, the cache, the factory
  // and the external context).
  ZQPIC_Canvas& Canvas;
  ZQFO_ExternalContext ExternalContext;
  ZQFO_FormattingOptionsFactory OptionsFactory;
  ZQ_CountedPtr<ZQFO_Cache> Cache;
  bool ResolvePageReferences;  // zqfo_pageref and page frames are made
  ZQ_String DocumentName;
  long PageCount = 0;          // pages generated so far
  long LastPageNumber = 0;     // the number of the newest page
  ZQ_String PageNumberText = "1";
  ZQFO_ChapterStrings CurrentChapterStrings;  // written by the parser only
  ZQ_Map<ZQ_String, ZQ_String> PageNumbersById{401};
  ZQ_List<ZQFO_RenderObject_Text_PageRefFixup*> PageRefFixups;

 private:
  ZQ_Set<ZQ_String> DuplicatedPageIds;  // already logged
};

#endif
