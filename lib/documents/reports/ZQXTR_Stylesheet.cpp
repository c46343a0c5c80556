#include "ZQXTR_Stylesheet.h"

#include <algorithm>
#include <vector>

#include "ZQXML_Node.h"
#include "ZQXML_Tree.h"
#include "ZQXTR_RuleContext.h"

namespace {

const double kDefaultRulePriority = -1000000.0;

// Matching order: mode-specific rules before mode-0 rules whatever their
// priorities, then the higher priority, then the rule added later.
bool ComesBefore(const ZQXTR_Rule* A, const ZQXTR_Rule* B) {
  if ((A->Mode != 0) != (B->Mode != 0)) return A->Mode != 0;
  if (A->Priority != B->Priority) return A->Priority > B->Priority;
  return A->SequenceNumber > B->SequenceNumber;
}

bool CurrentTypeIs(const ZQXTR_RuleContext& Context, long Type) {
  return Context.CurrentNode && Context.CurrentNode->GetType() == Type;
}

}  // namespace

bool ZQXTR_Rule::Matches(const ZQXTR_RuleContext&) const { return false; }
void ZQXTR_Rule::Apply(ZQXTR_RuleContext&) const {}

ZQXTR_Rule_DefaultRoot::ZQXTR_Rule_DefaultRoot() : ZQXTR_Rule(kDefaultRulePriority, 0) {}
bool ZQXTR_Rule_DefaultRoot::Matches(const ZQXTR_RuleContext& Context) const {
  return CurrentTypeIs(Context, ZQXML_NodeType_Document);
}
void ZQXTR_Rule_DefaultRoot::Apply(ZQXTR_RuleContext& Context) const {
  Context.Write("<?xml version='1.0'?>\n\n");
  Context.ApplyChildren();
}

ZQXTR_Rule_DefaultText::ZQXTR_Rule_DefaultText() : ZQXTR_Rule(kDefaultRulePriority, 0) {}
bool ZQXTR_Rule_DefaultText::Matches(const ZQXTR_RuleContext& Context) const {
  return CurrentTypeIs(Context, ZQXML_NodeType_Text);
}
void ZQXTR_Rule_DefaultText::Apply(ZQXTR_RuleContext& Context) const { Context.WriteText(0); }

ZQXTR_Rule_DefaultElement::ZQXTR_Rule_DefaultElement() : ZQXTR_Rule(kDefaultRulePriority, 0) {}
bool ZQXTR_Rule_DefaultElement::Matches(const ZQXTR_RuleContext& Context) const {
  return CurrentTypeIs(Context, ZQXML_NodeType_Element);
}
void ZQXTR_Rule_DefaultElement::Apply(ZQXTR_RuleContext& Context) const { Context.ApplyChildren(); }

// The counted body logs "ReferenceCount == 0" when shares are left.
ZQXTR_StylesheetImp::~ZQXTR_StylesheetImp() {
  for (ZQ_ReadOnlyIterator<ZQXTR_Rule*> it = Rules.GetIterator(); it.IsValid(); it.Advance())
    delete *it;
}

ZQXTR_StylesheetImp* ZQXTR_StylesheetImp::MakeCopy() const {
  auto* copy = new ZQXTR_StylesheetImp;
  try {
    copy->NextSequenceNumber = NextSequenceNumber;
    for (ZQ_ReadOnlyIterator<ZQXTR_Rule*> it = Rules.GetIterator(); it.IsValid(); it.Advance()) {
      ZQXTR_Rule* clone = (*it)->Clone();
      try {
        copy->Rules.Append(clone);
      } catch (...) {
        delete clone;
        throw;
      }
    }
  } catch (...) {
    delete copy;
    throw;
  }
  return copy;
}

void ZQXTR_StylesheetImp::AddRule(ZQXTR_Rule* Rule) {
  Rule->SequenceNumber = NextSequenceNumber;
  Rules.Append(Rule);
  ++NextSequenceNumber;
  CachesUpToDate = false;
}

void ZQXTR_StylesheetImp::CheckCaches() {
  if (!CachesUpToDate) UpdateCaches();
}

void ZQXTR_StylesheetImp::UpdateCaches() {
  ZQ_ASSERT_TEXT(!CachesUpToDate, "not CachesUpToDate");
  std::vector<ZQXTR_Rule*> sorted;
  for (ZQ_ReadOnlyIterator<ZQXTR_Rule*> it = Rules.GetIterator(); it.IsValid(); it.Advance())
    sorted.push_back(*it);
  std::stable_sort(sorted.begin(), sorted.end(), ComesBefore);
  // The list takes the sorted order too; the order is total, so nothing
  // outside can tell.
  Rules.RemoveAll();
  NumMatchingRules = 0;
  NumSetupRules = 0;
  for (ZQXTR_Rule* rule : sorted) {
    Rules.Append(rule);
    if (rule->Mode == 1)
      SetupRules[NumSetupRules++] = rule;
    else
      MatchingRules[NumMatchingRules++] = rule;
  }
  CachesUpToDate = true;
  ++NumCacheUpdates;
}

void ZQXTR_StylesheetImp::ApplyMatchingRule(ZQXTR_RuleContext& Context) const {
  for (long i = 0; i < NumMatchingRules; ++i) {
    const ZQXTR_Rule* rule = MatchingRules[i];
    if (!rule->Matches(Context)) continue;
    if (rule->Mode == 0 || rule->Mode == Context.GetTopMode()) {
      rule->Apply(Context);
      return;
    }
  }
}

void ZQXTR_StylesheetImp::ApplySetupRules(ZQXTR_RuleContext& Context) const {
  for (long i = 0; i < NumSetupRules; ++i) SetupRules[i]->Apply(Context);
}

ZQXTR_Stylesheet::ZQXTR_Stylesheet() : Imp(new ZQXTR_StylesheetImp) {
  AddRule(new ZQXTR_Rule_DefaultRoot);
  AddRule(new ZQXTR_Rule_DefaultText);
  AddRule(new ZQXTR_Rule_DefaultElement);
}

void ZQXTR_Stylesheet::AddRule(ZQXTR_Rule* Rule) {
  try {
    InsureDistinct();
    Imp->AddRule(Rule);
  } catch (...) {
    delete Rule;
    throw;
  }
}

void ZQXTR_Stylesheet::InsureDistinct() {
  if (Imp->GetReferenceCount() > 1) Imp.Reset(Imp->MakeCopy());
  ZQ_ASSERT_TEXT(Imp->GetReferenceCount() == 1, "Imp->GetReferenceCount() == 1");
}

ZQ_String ZQXTR_Stylesheet::Apply(const ZQXML_Tree& Tree) const {
  Imp->CheckCaches();
  ZQXTR_RuleContext context(&Tree, Imp.Get());
  Imp->ApplySetupRules(context);
  Imp->ApplyMatchingRule(context);
  context.PerformFixups();
  return ZQ_String(context.GetOutput());
}

int ZQXTR_GetNewRuleMode() {
  static int s_lastMode = 1000;
  return ++s_lastMode;
}
