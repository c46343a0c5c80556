// ZQRPT_RuleSupport.h: what the rules of the report stylesheet share: the
// base of rules that take elements by name, text encoding and small helpers.
// Internal to lib/documents/reports.
#ifndef ZQRPT_RULESUPPORT_H
#define ZQRPT_RULESUPPORT_H

#include "ZQRPT_FormattingStylesheet.h"

class ZQXML_Node;

// A rule of priority 0.0 and mode 0 that takes the elements named Element
// (and OtherElement, when given).
class ZQRPT_ElementRule : public ZQXTR_Rule {
 public:
  explicit ZQRPT_ElementRule(const char* Element, const char* OtherElement = nullptr)
      : ZQXTR_Rule(0.0, 0), Element(Element), OtherElement(OtherElement ? OtherElement : "") {}
  bool Matches(const ZQXTR_RuleContext& Context) const override {
    return Context.CurrentNameIs(Element) ||
           (!OtherElement.IsEmpty() && Context.CurrentNameIs(OtherElement));
  }

 private:
  ZQ_String Element;
  ZQ_String OtherElement;
};

// Text and attribute values written into document markup: "<", ">", "&",
// quotes, control characters but tab, LF and CR, and bytes 128 to 255 as
// numeric references.
ZQ_String ZQRPT_Encode(const ZQ_String& Text);
// The six size attributes of the current node, in their order.
void ZQRPT_CopySizeAttributes(ZQXTR_RuleContext& Context);
bool ZQRPT_IsTitle(const ZQXML_Node& Node);
// One line (a line feed is added) in the debugging log.
void ZQRPT_LogLine(const ZQ_String& Line);

// Adds the element rules, in their order (ZQRPT_ElementRules.cpp).
void ZQRPT_AddElementRules(ZQXTR_Stylesheet& Stylesheet,
                           const ZQRPT_FormattingStylesheetOptions& Options);
// The section rules (ZQRPT_SectionRules.cpp).
ZQXTR_Rule* ZQRPT_NewDocumentSectionRule();
ZQXTR_Rule* ZQRPT_NewChapterSectionRule();
ZQXTR_Rule* ZQRPT_NewOtherSectionsRule();
// The caption label of the current caption title (numbering it and
// recording its reference), for the caption-title rule.
ZQ_String ZQRPT_MakeCaptionLabel(ZQXTR_RuleContext& Context, ZQRPT_StandardOptions& State);

// The record of type T, or null after the assertion "Result" (which throws
// in the tests' mode).
template <class T>
T* ZQRPT_FindRecord(const ZQXTR_RuleContext& Context) {
  T* Result = Context.GetAdditionalInfo<T>();
  ZQ_ASSERT(Result);
  return Result;
}

#endif
