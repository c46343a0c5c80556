#include "ZQXML_Node.h"

#include "ZQXML_NamePattern.h"
#include "ZQXML_NodeKinds.h"
#include "ZQ_Assertion.h"
#include "ZQ_StringSubs.h"

namespace {

// Calls Visit(Node, Depth) for every node below Top in document order, Depth
// 1 for Top's children. Iterative: trees may be deep.
template <class Visit>
void ForEachDescendant(const ZQXML_Node* Top, Visit visit) {
  const ZQXML_Node* node = Top->GetFirstChild();
  int depth = 1;
  while (node) {
    visit(node, depth);
    if (node->GetFirstChild()) {
      node = node->GetFirstChild();
      ++depth;
      continue;
    }
    while (node != Top && !node->GetNextSibling()) {
      node = node->GetParent();
      --depth;
    }
    if (node == Top) break;
    node = node->GetNextSibling();
  }
}

// Collects the nodes that pass the type and name tests.
class NodeCollector {
 public:
  NodeCollector(long TypeMask, const ZQ_String& NamePattern)
      : TypeMask(TypeMask), Pattern(NamePattern) {}
  void Take(const ZQXML_Node* Node) {
    if ((Node->GetType() & TypeMask) && Pattern.Matches(Node->GetName())) Result.Append(Node);
  }
  // Top's children (WithChildren), deeper descendants (WithDeeper).
  void TakeBelow(const ZQXML_Node* Top, bool WithChildren, bool WithDeeper) {
    if (!WithDeeper) {
      if (WithChildren)
        for (const ZQXML_Node* child = Top->GetFirstChild(); child; child = child->GetNextSibling())
          Take(child);
      return;
    }
    ForEachDescendant(Top, [&](const ZQXML_Node* Node, int Depth) {
      if (Depth > 1 || WithChildren) Take(Node);
    });
  }
  ZQXML_ReadOnlyNodeSequence Result;

 private:
  long TypeMask;
  ZQXML_NamePattern Pattern;
};

ZQXML_NodeSequence ToModifiable(const ZQXML_ReadOnlyNodeSequence& Nodes) {
  ZQXML_NodeSequence result;
  for (long i = 0; i < Nodes.GetCount(); ++i) result.Append(const_cast<ZQXML_Node*>(Nodes[i]));
  return result;
}

}  // namespace

ZQ_String ZQXML_Node::GetName() const { return ZQ_String(); }

ZQ_String ZQXML_Node::GetLocalName() const {
  const ZQ_String name = GetName();
  const int colon = name.FindLast(':');
  return colon == ZQ_NoMatch ? name : name.GetRight(name.GetLength() - colon - 1);
}

ZQ_String ZQXML_Node::GetValue() const {
  ZQ_String text;
  ForEachDescendant(this, [&](const ZQXML_Node* Node, int) {
    if (Node->GetType() == ZQXML_NodeType_Text) text += Node->GetValue();
  });
  return text;
}

// ---------------------------------------------------------------- attributes

const ZQXML_Node* ZQXML_Node::FindAttribute(const ZQ_String& Name) const {
  for (const ZQXML_Node* child = GetFirstChild();
       child && child->GetType() == ZQXML_NodeType_Attribute; child = child->GetNextSibling())
    if (child->GetName() == Name) return child;
  return nullptr;
}

ZQ_String ZQXML_Node::GetAttributeValue(const ZQ_String& Name, const ZQ_String& Default) const {
  const ZQXML_Node* attribute = FindAttribute(Name);
  return attribute ? attribute->GetValue() : Default;
}

bool ZQXML_Node::GetAttributeValueAsBool(const ZQ_String& Name, bool Default) const {
  const ZQXML_Node* attribute = FindAttribute(Name);
  if (!attribute) return Default;
  const ZQ_String value = attribute->GetValue();
  if (value.IsEmpty()) return Default;
  switch (value[0]) {
    case 'y': case 'Y': case 't': case 'T': case '1':
      return true;
    case 'n': case 'N': case 'f': case 'F': case '0':
      return false;
    default:
      return Default;
  }
}

long ZQXML_Node::GetAttributeValueAsInt32(const ZQ_String& Name, long Default) const {
  const ZQXML_Node* attribute = FindAttribute(Name);
  if (!attribute) return Default;
  const ZQ_String value = attribute->GetValue();
  return value.IsEmpty() ? Default : ZQ_StringSubs::StringToInt32(value, 10);
}

void ZQXML_Node::SetAttributeValue(const ZQ_String& Name, const ZQ_String& Value) {
  ZQ_ASSERT(GetType() == ZQXML_NodeType_Element);
  if (GetType() != ZQXML_NodeType_Element) return;
  const ZQXML_Node* attribute = FindAttribute(Name);
  if (attribute)
    static_cast<ZQXML_Node_Attribute*>(const_cast<ZQXML_Node*>(attribute))->SetValue(Value);
  else
    AddFirstChild(new ZQXML_Node_Attribute(Name, Value));
}

ZQXML_ReadOnlyNodeSequence ZQXML_Node::GetAttributes() const {
  ZQXML_ReadOnlyNodeSequence result;
  for (const ZQXML_Node* child = GetFirstChild();
       child && child->GetType() == ZQXML_NodeType_Attribute; child = child->GetNextSibling())
    result.Append(child);
  return result;
}

// ---------------------------------------------------------------- queries

ZQXML_ReadOnlyNodeSequence ZQXML_Node::GetChildren(long TypeMask,
                                                   const ZQ_String& NamePattern) const {
  NodeCollector collector(TypeMask, NamePattern);
  collector.TakeBelow(this, true, false);
  return collector.Result;
}

ZQXML_NodeSequence ZQXML_Node::GetChildren(long TypeMask, const ZQ_String& NamePattern) {
  return ToModifiable(static_cast<const ZQXML_Node*>(this)->GetChildren(TypeMask, NamePattern));
}

const ZQXML_Node* ZQXML_Node::FindChildElement(const ZQ_String& Name) const {
  for (const ZQXML_Node* child = GetFirstChild(); child; child = child->GetNextSibling())
    if (child->GetType() == ZQXML_NodeType_Element && child->GetName() == Name) return child;
  return nullptr;
}

ZQXML_Node* ZQXML_Node::FindChildElement(const ZQ_String& Name) {
  return const_cast<ZQXML_Node*>(static_cast<const ZQXML_Node*>(this)->FindChildElement(Name));
}

ZQXML_ReadOnlyNodeSequence ZQXML_Node::SelectNodes(long Axes, long TypeMask,
                                                   const ZQ_String& NamePattern) const {
  NodeCollector collector(TypeMask, NamePattern);
  if (Axes & ZQXML_Axis_Self) collector.Take(this);
  collector.TakeBelow(this, (Axes & ZQXML_Axis_Children) || (Axes & ZQXML_Axis_Descendants),
                      (Axes & ZQXML_Axis_Descendants) != 0);
  if (Axes & (ZQXML_Axis_FollowingSiblings | ZQXML_Axis_FollowingSiblingDescendants)) {
    for (const ZQXML_Node* sibling = GetNextSibling(); sibling;
         sibling = sibling->GetNextSibling()) {
      if (Axes & ZQXML_Axis_FollowingSiblings) collector.Take(sibling);
      if (Axes & ZQXML_Axis_FollowingSiblingDescendants) collector.TakeBelow(sibling, true, true);
    }
  }
  return collector.Result;
}

ZQXML_NodeSequence ZQXML_Node::SelectNodes(long Axes, long TypeMask,
                                           const ZQ_String& NamePattern) {
  return ToModifiable(
      static_cast<const ZQXML_Node*>(this)->SelectNodes(Axes, TypeMask, NamePattern));
}
