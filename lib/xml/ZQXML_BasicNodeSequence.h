// ZQXML_BasicNodeSequence.h: ZQXML_BasicNodeSequence<Node>, the result of a
// node query: a counted list of pointers into a tree, in document order. It
// borrows the nodes: they stay valid while the tree is not changed. Copies
// copy the list. Named forms: ZQXML_NodeSequence.h.
#ifndef ZQXML_BASICNODESEQUENCE_H
#define ZQXML_BASICNODESEQUENCE_H

#include "ZQ_Array.h"
#include "ZQ_Assertion.h"

template <class Node>
class ZQXML_BasicNodeSequence {
 public:
  long GetCount() const { return Count; }
  // Index must be 0 to GetCount() - 1; once the assertion returns, null.
  Node* operator[](long Index) const {
    ZQ_ASSERT((Index >= 0) and (Index < GetCount()));
    if (Index < 0 || Index >= Count) return nullptr;
    return Nodes[Index];
  }
  void Append(Node* Element) { Nodes[Count++] = Element; }

 private:
  ZQ_AutosizeArray<Node*> Nodes;
  long Count = 0;
};

#endif
