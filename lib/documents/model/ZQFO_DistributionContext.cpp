#include "ZQFO_DistributionContext.h"

#include "ZQFO_RenderObject.h"
#include "ZQ_DebugLog.h"

ZQFO_DistributionContext::ZQFO_DistributionContext(ZQPIC_Canvas& Canvas, const ZQFO_ExternalContext& ExternalContext,
                                                   const ZQ_CountedPtr<ZQFO_Cache>& Cache,
                                                   bool ResolvePageReferences, const ZQ_String& DocumentName,
                                                   bool FixedFont, const ZQFO_Stylesheet& Stylesheet)
    : Canvas(Canvas),
      ExternalContext(ExternalContext),
      OptionsFactory(Canvas, FixedFont, Stylesheet),
      Cache(Cache),
      ResolvePageReferences(ResolvePageReferences),
      DocumentName(DocumentName) {}

ZQFO_DistributionContext::~ZQFO_DistributionContext() = default;

void ZQFO_DistributionContext::AddPageReference(const ZQ_String& PageId, const ZQ_String& PageText) {
  if (!PageNumbersById.KeyExists(PageId)) {
    PageNumbersById.Insert(PageId, PageText);
    return;
  }
  if (DuplicatedPageIds.Contains(PageId)) return;
  DuplicatedPageIds.Add(PageId);
  ZQ_String line = "Document page id used by more than one block; the first page is kept: ";
  line += PageId;
  line += "\n";
  ZQ_WriteDebugLogEntry(line);
}

ZQ_String ZQFO_DistributionContext::GetPageReference(const ZQ_String& PageId) const {
  ZQ_String text = "?";
  PageNumbersById.GetValueIfExists(PageId, text);
  return text;
}

void ZQFO_DistributionContext::AddPageRefFixupRenderObject(ZQFO_RenderObject_Text_PageRefFixup* Object) {
  PageRefFixups.Append(Object);
}

void ZQFO_DistributionContext::PerformPageRefFixups() {
  for (auto* link = PageRefFixups.GetHeadLink(); link; link = link->Next) {
    link->Data->SetText(GetPageReference(link->Data->GetTarget()));
    // The line was laid out around "MMMMM": the number closes it up.
    link->Data->FitBoxToText(Canvas);
  }
}
