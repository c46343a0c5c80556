// ZQXTR_RuleContext.h: the state of one run of a stylesheet over one tree:
// the current node, the output text, the rule-mode stack, records that
// enclosing rules leave for the rules inside them, fix-ups that insert text
// once the whole output is known, and unique names. Only
// ZQXTR_Stylesheet::Apply makes contexts; the context owns every record and
// fix-up handed to it and deletes them with itself, also when a rule throws.
// Unbalanced use fails assertions ("not RuleModeStack.IsEmpty()",
// "NumPushedAdditionalInfo"). One thread only.
#ifndef ZQXTR_RULECONTEXT_H
#define ZQXTR_RULECONTEXT_H

#include <functional>

#include "ZQ_Array.h"
#include "ZQ_SequenceNameGenerator.h"
#include "ZQ_Stack.h"
#include "ZQ_StringStream.h"

class ZQXML_Node;
class ZQXML_Tree;
class ZQXTR_RuleContext;
class ZQXTR_StylesheetImp;

// The base of the records that rules push.
class ZQXTR_RuleContextAdditionalInfo {
 public:
  virtual ~ZQXTR_RuleContextAdditionalInfo() = default;
};

// The base of deferred output pieces. Position is the output length when the
// fix-up was added; Perform writes the piece that goes there.
class ZQXTR_RuleContext_Fixup {
 public:
  virtual ~ZQXTR_RuleContext_Fixup() = default;
  virtual void Perform(ZQ_StringStream& Output, ZQXTR_RuleContext& Context) = 0;

  long Position = 0;
};

// The default of attribute reads that tells an absent attribute apart.
const ZQ_String& ZQXTR_GetUnlikelyValue();

class ZQXTR_RuleContext {
 public:
  // Pushes mode 0 and makes the tree's document node current. Both pointers
  // are borrowed for the context's life.
  ZQXTR_RuleContext(const ZQXML_Tree* Tree, ZQXTR_StylesheetImp* Stylesheet);
  // Deletes the records still pushed (newest first) and every fix-up.
  ~ZQXTR_RuleContext();
  ZQXTR_RuleContext(const ZQXTR_RuleContext&) = delete;
  ZQXTR_RuleContext& operator=(const ZQXTR_RuleContext&) = delete;

  // Current node
  void SetCurrentNode(const ZQXML_Node* Node);
  // The current element's name, exact; empty for other nodes.
  bool CurrentNameIs(const ZQ_String& Name) const { return CurrentElementName == Name; }
  // The parent is an element of that name (false at the document node).
  bool ParentNameIs(const ZQ_String& Name) const;
  const ZQ_String& GetCurrentElementName() const { return CurrentElementName; }
  const ZQXML_Tree& GetTree() const { return *Tree; }

  // Output
  void Write(const ZQ_String& Text) { Output += Text; }
  void Write(const char* Text) { Output += Text; }
  // The current node's value, white space normalised in WhitespaceMode (0
  // unchanged, 1 runs collapsed, 2 collapsed and trimmed) and "<", ">", "&",
  // quotes, control characters other than tab, LF and CR and bytes 128-255
  // written as numeric references.
  void WriteText(int WhitespaceMode);
  // " Name='value'" with the value encoded like WriteText's and tab, LF and
  // CR too; nothing when the current node has no such attribute.
  void CopyAttribute(const ZQ_String& Name);
  const ZQ_StringStream& GetOutput() const { return Output; }
  long GetOutputLength() const { return Output.GetLength(); }

  // Visiting children: each child that is no attribute, namespace or
  // document node, in document order, becomes current and gets its matching
  // rule; the current node is restored afterwards. Throws ZQ_Exception "The
  // XML tree is nested too deeply to transform." past the nesting limit.
  void ApplyChildren();
  using ChildFilter = std::function<bool(const ZQXML_Node&)>;
  // The same for the children that Filter accepts (asked before each child
  // becomes current).
  void ApplyChildren(const ChildFilter& Filter);
  // The most ApplyChildren calls that may be open at once (at least 1,000).
  static long GetMaxNesting();

  // Modes
  void PushMode(long Mode) { RuleModeStack.Push(Mode); }
  long PopMode();
  // The top mode; an empty stack fails "N > 0" and reads as mode 0.
  long GetTopMode() { return RuleModeStack.GetTop(); }

  // Records for enclosed rules. The context takes ownership of Info.
  void PushAdditionalInfo(ZQXTR_RuleContextAdditionalInfo* Info);
  // Deletes the newest record.
  void PopAdditionalInfo();
  long GetNumPushedAdditionalInfo() const { return NumPushedAdditionalInfo; }
  // The newest record whose dynamic type is T or derived from it, or null.
  template <class T>
  T* GetAdditionalInfo() const {
    for (long i = NumPushedAdditionalInfo - 1; i >= 0; --i)
      if (T* found = dynamic_cast<T*>(AdditionalInfo[i])) return found;
    return nullptr;
  }

  // Fix-ups and names. The context takes ownership of Fixup and sets its
  // Position to the current output length.
  void AddFixup(ZQXTR_RuleContext_Fixup* Fixup);
  // Splices every fix-up's text in at its position (once, at the end).
  void PerformFixups();
  // "zqxtr1", "zqxtr2", ... per context, skipping ids the tree already has.
  ZQ_String GetUniqueName();

  const ZQXML_Node* CurrentNode = nullptr;

 private:
  void ApplyToChildren(const ChildFilter* Filter);

  const ZQXML_Tree* Tree;
  ZQXTR_StylesheetImp* Stylesheet;
  ZQ_StringStream Output;
  ZQ_String CurrentElementName;
  ZQ_Stack<long, 20> RuleModeStack;
  long NumPushedAdditionalInfo = 0;
  ZQ_AutosizeArray<ZQXTR_RuleContextAdditionalInfo*> AdditionalInfo;  // owned, oldest first
  long NumFixups = 0;
  ZQ_AutosizeArray<ZQXTR_RuleContext_Fixup*> Fixups;                  // owned, in order added
  ZQ_UniqueNameGenerator UniqueNameGenerator;
  long Nesting = 0;  // ApplyChildren calls open
};

#endif
