// ZQXML_Node.h: ZQXML_Node, a node of an XML tree, and its queries. A node
// is its own tree element (ZQ_SubclassedHierarchyElement): its parent owns
// it, and deleting a node deletes its subtree. An element's attributes are
// its first children, before its content (the attribute readers look only
// there); its other children are text, comments and elements. The concrete kinds are in ZQXML_NodeKinds.h. Query
// results borrow the nodes (ZQXML_NodeSequence.h). A bad name pattern throws
// the regular expression's ZQ_Exception; reading a malformed number
// attribute throws ZQ_Exception. One thread only.
#ifndef ZQXML_NODE_H
#define ZQXML_NODE_H

#include "ZQXML_NodeSequence.h"
#include "ZQ_String.h"
#include "ZQ_SubclassedHierarchyElement.h"

// Node type codes; the query masks combine them.
const long ZQXML_NodeType_Element = 0x1;
const long ZQXML_NodeType_Text = 0x2;
const long ZQXML_NodeType_Comment = 0x8;
const long ZQXML_NodeType_Attribute = 0x1000;
const long ZQXML_NodeType_Namespace = 0x2000;
const long ZQXML_NodeType_Document = 0x1000000;
// Every kind but attributes, namespaces and the document.
const long ZQXML_NodeType_AllContent = 0xFFF;

// Axis bits of SelectNodes.
const long ZQXML_Axis_Self = 0x1;
const long ZQXML_Axis_Children = 0x2;
const long ZQXML_Axis_Descendants = 0x4;
const long ZQXML_Axis_FollowingSiblings = 0x8;
const long ZQXML_Axis_FollowingSiblingDescendants = 0x10;
const long ZQXML_Axis_All = 0xFFFF;

class ZQXML_Node : public ZQ_SubclassedHierarchyElement<ZQXML_Node> {
 public:
  virtual long GetType() const = 0;
  // An element's or attribute's name; empty for the other kinds.
  virtual ZQ_String GetName() const;
  // The name after its last ":".
  ZQ_String GetLocalName() const;
  // A text node's or comment's text, an attribute's value; for an element or
  // the document node, the text of every descendant text node in document
  // order.
  virtual ZQ_String GetValue() const;

  // A new node of the same kind with the same own data and no links; the
  // caller owns it.
  ZQXML_Node* CloneSelf() const override = 0;

  // Attributes
  // The value, or Default when there is no such attribute.
  ZQ_String GetAttributeValue(const ZQ_String& Name, const ZQ_String& Default) const;
  // True on a first character y, Y, t, T or 1, false on n, N, f, F or 0;
  // Default when the attribute is absent, empty or starts otherwise.
  bool GetAttributeValueAsBool(const ZQ_String& Name, bool Default) const;
  // Default when absent or empty; otherwise the decimal value, which throws
  // ZQ_Exception "Cannot recognize number" when it is no number.
  long GetAttributeValueAsInt32(const ZQ_String& Name, long Default) const;
  // Replaces the value, or adds the attribute as the first child. Elements
  // only (assertion "GetType() == ZQXML_NodeType_Element").
  void SetAttributeValue(const ZQ_String& Name, const ZQ_String& Value);
  ZQXML_ReadOnlyNodeSequence GetAttributes() const;

  // Queries. A node is taken when its type code has a bit in TypeMask and its
  // name matches NamePattern (ZQXML_NamePattern.h). Results are in document
  // order, each node once.
  ZQXML_ReadOnlyNodeSequence GetChildren(long TypeMask, const ZQ_String& NamePattern) const;
  ZQXML_NodeSequence GetChildren(long TypeMask, const ZQ_String& NamePattern);
  // The first child element of that name, or null.
  const ZQXML_Node* FindChildElement(const ZQ_String& Name) const;
  ZQXML_Node* FindChildElement(const ZQ_String& Name);
  // The nodes on the axes (ZQXML_Axis_...).
  ZQXML_ReadOnlyNodeSequence SelectNodes(long Axes, long TypeMask,
                                         const ZQ_String& NamePattern) const;
  ZQXML_NodeSequence SelectNodes(long Axes, long TypeMask, const ZQ_String& NamePattern);

 protected:
  ZQXML_Node() = default;

 private:
  // The attribute child of that name, or null.
  const ZQXML_Node* FindAttribute(const ZQ_String& Name) const;
};

#endif
