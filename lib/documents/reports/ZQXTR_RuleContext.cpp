#include "ZQXTR_RuleContext.h"

#include "ZQXML_Node.h"
#include "ZQXML_TextEncoding.h"
#include "ZQXML_Tree.h"
#include "ZQXTR_Stylesheet.h"
#include "ZQ_Exception.h"
#include "ZQ_Internationalization.h"

namespace {

// "<", ">", "&", both quotes, control characters but tab, LF and CR, and
// bytes 128 to 255: what a text or attribute value cannot carry as it is.
const unsigned long kTextFlags = ZQXML_Encode_LessThan | ZQXML_Encode_GreaterThan |
                                 ZQXML_Encode_Ampersand | ZQXML_Encode_Apostrophe |
                                 ZQXML_Encode_DoubleQuote | ZQXML_Encode_OtherControls |
                                 ZQXML_Encode_UpperBytes;
// In an attribute value tab, LF and CR would be read back as blanks.
const unsigned long kAttributeFlags = kTextFlags | ZQXML_Encode_LineControls;

// The reader stops at 1,000 nested elements, and a tree built in memory may
// go deeper. A section of a report and the level below it take about 600
// bytes of stack (measured by the tests); counting every level at that cost,
// 1,500 levels leave more than half of the main thread's 2 MB stack.
const long kMaxNesting = 1500;

}  // namespace

const ZQ_String& ZQXTR_GetUnlikelyValue() {
  static const ZQ_String s_value("`~{}#%^sj3w9fsdlj234o9sdfjl - ZQXTR Unlikely Value");
  return s_value;
}

ZQXTR_RuleContext::ZQXTR_RuleContext(const ZQXML_Tree* Tree, ZQXTR_StylesheetImp* Stylesheet)
    : Tree(Tree), Stylesheet(Stylesheet), UniqueNameGenerator("zqxtr") {
  PushMode(0);
  SetCurrentNode(Tree->GetRootNode());
}

ZQXTR_RuleContext::~ZQXTR_RuleContext() {
  while (NumPushedAdditionalInfo > 0) PopAdditionalInfo();
  for (long i = 0; i < NumFixups; ++i) delete Fixups[i];
}

void ZQXTR_RuleContext::SetCurrentNode(const ZQXML_Node* Node) {
  CurrentNode = Node;
  if (Node && Node->GetType() == ZQXML_NodeType_Element)
    CurrentElementName = Node->GetName();
  else
    CurrentElementName = ZQ_String();
}

bool ZQXTR_RuleContext::ParentNameIs(const ZQ_String& Name) const {
  const ZQXML_Node* parent = CurrentNode ? CurrentNode->GetParent() : nullptr;
  return parent && parent->GetType() == ZQXML_NodeType_Element && parent->GetName() == Name;
}

void ZQXTR_RuleContext::WriteText(int WhitespaceMode) {
  Output += ZQXML_EncodeSpecialCharacters(
      ZQXML_NormalizeWhitespace(CurrentNode->GetValue(), WhitespaceMode), kTextFlags);
}

void ZQXTR_RuleContext::CopyAttribute(const ZQ_String& Name) {
  const ZQ_String& unlikely = ZQXTR_GetUnlikelyValue();
  const ZQ_String value = CurrentNode->GetAttributeValue(Name, unlikely);
  if (value == unlikely) return;
  Output += " ";
  Output += Name;
  Output += "='";
  Output += ZQXML_EncodeSpecialCharacters(value, kAttributeFlags);
  Output += "'";
}

long ZQXTR_RuleContext::GetMaxNesting() { return kMaxNesting; }

void ZQXTR_RuleContext::ApplyChildren() { ApplyToChildren(nullptr); }
void ZQXTR_RuleContext::ApplyChildren(const ChildFilter& Filter) { ApplyToChildren(&Filter); }

void ZQXTR_RuleContext::ApplyToChildren(const ChildFilter* Filter) {
  if (Nesting >= kMaxNesting)
    throw ZQ_Exception(ZQ_Internationalization_Translate("Transformation error"),
                       ZQ_Internationalization_Translate(
                           "The XML tree is nested too deeply to transform."));
  const ZQXML_ReadOnlyNodeSequence children =
      CurrentNode->GetChildren(ZQXML_NodeType_AllContent, "*");
  const ZQXML_Node* const parent = CurrentNode;
  ++Nesting;
  try {
    for (long i = 0; i < children.GetCount(); ++i) {
      const ZQXML_Node* child = children[i];
      if (Filter && !(*Filter)(*child)) continue;
      SetCurrentNode(child);
      Stylesheet->ApplyMatchingRule(*this);
    }
  } catch (...) {
    --Nesting;
    SetCurrentNode(parent);
    throw;
  }
  --Nesting;
  SetCurrentNode(parent);
}

long ZQXTR_RuleContext::PopMode() {
  ZQ_ASSERT_TEXT(!RuleModeStack.IsEmpty(), "not RuleModeStack.IsEmpty()");
  if (RuleModeStack.IsEmpty()) return 0;
  return RuleModeStack.Pop();
}

void ZQXTR_RuleContext::PushAdditionalInfo(ZQXTR_RuleContextAdditionalInfo* Info) {
  try {
    AdditionalInfo[NumPushedAdditionalInfo] = Info;
  } catch (...) {
    delete Info;
    throw;
  }
  ++NumPushedAdditionalInfo;
}

void ZQXTR_RuleContext::PopAdditionalInfo() {
  ZQ_ASSERT(NumPushedAdditionalInfo);
  if (NumPushedAdditionalInfo <= 0) return;
  --NumPushedAdditionalInfo;
  delete AdditionalInfo[NumPushedAdditionalInfo];
  AdditionalInfo[NumPushedAdditionalInfo] = nullptr;
}

void ZQXTR_RuleContext::AddFixup(ZQXTR_RuleContext_Fixup* Fixup) {
  Fixup->Position = Output.GetLength();
  try {
    Fixups[NumFixups] = Fixup;
  } catch (...) {
    delete Fixup;
    throw;
  }
  ++NumFixups;
}

void ZQXTR_RuleContext::PerformFixups() {
  if (NumFixups == 0) return;
  const ZQ_String firstPass(Output);
  Output = ZQ_String::WithCapacity(firstPass.GetLength() + firstPass.GetLength() / 8);
  long copied = 0;
  for (long i = 0; i < NumFixups; ++i) {
    ZQXTR_RuleContext_Fixup* fixup = Fixups[i];
    if (fixup->Position != copied) {
      Output.Append(firstPass.GetText() + copied, fixup->Position - copied);
      copied = fixup->Position;
    }
    fixup->Perform(Output, *this);
  }
  Output.Append(firstPass.GetText() + copied, firstPass.GetLength() - copied);
}

ZQ_String ZQXTR_RuleContext::GetUniqueName() {
  // A generated name must not repeat an id of the report: both are ids of
  // the document.
  for (;;) {
    ZQ_String name = UniqueNameGenerator.GetNextName();
    if (!Tree->FindElementById(name)) return name;
  }
}
