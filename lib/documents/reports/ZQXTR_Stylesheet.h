// ZQXTR_Stylesheet.h: the rule-based XML-to-text transformer. A stylesheet
// is an ordered set of rules (ZQXTR_Rule); applying it to a tree picks, for
// each visited node, the first rule in matching order whose node test and
// mode fit, and that rule writes text and decides how the children are
// visited (ZQXTR_RuleContext.h). The stylesheet owns its rules. Handles share
// one ZQXTR_StylesheetImp; the first change through a shared handle gives it
// a private copy with cloned rules (copy on write). What rules throw passes
// through Apply. One thread only: Apply rebuilds shared caches.
#ifndef ZQXTR_STYLESHEET_H
#define ZQXTR_STYLESHEET_H

#include "ZQ_CountedBody.h"
#include "ZQ_List.h"
#include "ZQ_Array.h"
#include "ZQ_String.h"

class ZQXML_Tree;
class ZQXTR_RuleContext;

// The base of every rule. Mode 0: the rule applies in every mode; mode 1: a
// setup rule, run once per Apply before the root without a node test; any
// other mode: only while it is on top of the context's mode stack.
class ZQXTR_Rule {
 public:
  ZQXTR_Rule(double Priority, int Mode) : Priority(Priority), SequenceNumber(0), Mode(Mode) {}
  ZQXTR_Rule(const ZQXTR_Rule& Other) = default;
  ZQXTR_Rule& operator=(const ZQXTR_Rule&) = delete;

  virtual ~ZQXTR_Rule() = default;
  // A new heap copy of the same dynamic type; the caller owns it.
  virtual ZQXTR_Rule* Clone() const { return new ZQXTR_Rule(*this); }
  // The node test on the context's current node.
  virtual bool Matches(const ZQXTR_RuleContext& Context) const;
  // Writes the output for the current node.
  virtual void Apply(ZQXTR_RuleContext& Context) const;

  double Priority;     // larger wins among rules of one mode class
  int SequenceNumber;  // set by AddRule; later rules have larger numbers
  int Mode;
};

// The three rules every stylesheet starts with (priority -1000000.0, mode 0).
// The document node: "<?xml version='1.0'?>", two line feeds, the children.
class ZQXTR_Rule_DefaultRoot : public ZQXTR_Rule {
 public:
  ZQXTR_Rule_DefaultRoot();
  ZQXTR_Rule* Clone() const override { return new ZQXTR_Rule_DefaultRoot(*this); }
  bool Matches(const ZQXTR_RuleContext& Context) const override;
  void Apply(ZQXTR_RuleContext& Context) const override;
};

// A text node: its text escaped, white space unchanged.
class ZQXTR_Rule_DefaultText : public ZQXTR_Rule {
 public:
  ZQXTR_Rule_DefaultText();
  ZQXTR_Rule* Clone() const override { return new ZQXTR_Rule_DefaultText(*this); }
  bool Matches(const ZQXTR_RuleContext& Context) const override;
  void Apply(ZQXTR_RuleContext& Context) const override;
};

// An element: nothing of its own, then its children (its tags vanish).
class ZQXTR_Rule_DefaultElement : public ZQXTR_Rule {
 public:
  ZQXTR_Rule_DefaultElement();
  ZQXTR_Rule* Clone() const override { return new ZQXTR_Rule_DefaultElement(*this); }
  bool Matches(const ZQXTR_RuleContext& Context) const override;
  void Apply(ZQXTR_RuleContext& Context) const override;
};

// The shared body of stylesheet handles; it owns its rules.
class ZQXTR_StylesheetImp : public ZQ_CountedBody {
 public:
  ZQXTR_StylesheetImp() = default;
  // Deletes every rule (the base logs "ReferenceCount == 0" when shares are left).
  ~ZQXTR_StylesheetImp();

  // A private copy: clones of every rule in list order, stale caches.
  ZQXTR_StylesheetImp* MakeCopy() const;
  void AddRule(ZQXTR_Rule* Rule);
  // Rebuilds the caches when they are stale.
  void CheckCaches();
  // Applies the first rule in matching order that takes the context's
  // current node; with none, nothing is written and the subtree is skipped.
  void ApplyMatchingRule(ZQXTR_RuleContext& Context) const;
  // Runs the setup rules in matching order, without a node test.
  void ApplySetupRules(ZQXTR_RuleContext& Context) const;

  int NextSequenceNumber = 0;
  bool CachesUpToDate = false;
  ZQ_List<ZQXTR_Rule*> Rules;                  // owned, in the order added (sorted by the caches)
  ZQ_AutosizeArray<ZQXTR_Rule*> MatchingRules;  // borrowed: every rule but mode 1
  long NumMatchingRules = 0;
  ZQ_AutosizeArray<ZQXTR_Rule*> SetupRules;     // borrowed: the mode-1 rules
  long NumSetupRules = 0;

  // How often the caches were rebuilt (for tests of when sorting happens).
  long NumCacheUpdates = 0;

 private:
  void UpdateCaches();
};

class ZQXTR_Stylesheet {
 public:
  // The three default rules, sequence numbers 0, 1, 2.
  ZQXTR_Stylesheet();
  // Copies share the rules until one of them changes.
  ZQXTR_Stylesheet(const ZQXTR_Stylesheet& Other) = default;
  ZQXTR_Stylesheet& operator=(const ZQXTR_Stylesheet& Other) = default;
  ~ZQXTR_Stylesheet() = default;

  // Takes ownership of Rule (not null) and gives it the next sequence number.
  void AddRule(ZQXTR_Rule* Rule);
  // The output text of one transformation of Tree, with a fresh context.
  // Throws what the rules and fix-ups throw, and ZQ_Exception when the tree
  // is nested too deeply for the stack.
  ZQ_String Apply(const ZQXML_Tree& Tree) const;
  // Gives this handle a private implementation when it is shared.
  void InsureDistinct();

  // For tests: the shared body.
  const ZQXTR_StylesheetImp& GetImp() const { return *Imp; }

 private:
  ZQ_CountedHandle<ZQXTR_StylesheetImp> Imp;
};

// A fresh rule mode from one process-wide counter: 1001, 1002, ...
int ZQXTR_GetNewRuleMode();

#endif
