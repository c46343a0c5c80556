// ZQXML_Tree.h: ZQXML_Tree, a handle on a shared XML tree. Copies and
// assignment share the tree; the last handle deletes its nodes. The tree
// hangs below one document node (type ZQXML_NodeType_Document), whose
// children are the top-level nodes. Changing nodes goes through
// GetModifiableRootNode, which first gives this handle a private deep copy
// when others share the tree (copy on write). Elements are found by id
// through a table built on first use. One thread only.
#ifndef ZQXML_TREE_H
#define ZQXML_TREE_H

#include <memory>

#include "ZQ_CountedBody.h"
#include "ZQ_Map.h"
#include "ZQ_String.h"

class ZQXML_Node;
class ZQXML_Node_Document;

// The shared body: the document node and the id table.
class ZQXML_TreeReference : public ZQ_CountedBody {
 public:
  // Takes ownership of DocumentNode (not null).
  explicit ZQXML_TreeReference(ZQXML_Node* DocumentNode);
  ~ZQXML_TreeReference();

  ZQXML_Node* GetDocumentNode() const { return DocumentNode; }
  // The element whose "id" attribute equals Id (the first in document
  // order), or null. Builds the table on first use.
  const ZQXML_Node* FindElementById(const ZQ_String& Id);
  void DropIdTable() { IdTable.reset(); }

 private:
  void BuildIdTable();

  ZQXML_Node* DocumentNode;
  std::unique_ptr<ZQ_Map<ZQ_String, const ZQXML_Node*>> IdTable;
};

class ZQXML_Tree {
 public:
  // A tree of only a document node.
  ZQXML_Tree();
  // Takes ownership of DocumentNode (not null), the top of a tree.
  explicit ZQXML_Tree(ZQXML_Node_Document* DocumentNode);

  // The document node.
  const ZQXML_Node* GetRootNode() const;
  // The document node's first element child, or null.
  const ZQXML_Node* GetRootElement() const;
  // The element whose "id" attribute equals Id, or null; with duplicate ids
  // the first in document order.
  const ZQXML_Node* FindElementById(const ZQ_String& Id) const;

  // The document node for changing the tree. A tree shared with other
  // handles is first copied for this one; nodes taken from it before stay
  // valid for the others. The id table is dropped.
  ZQXML_Node* GetModifiableRootNode();
  // Marks the tree modified: the id table is built again on next use.
  void PrepareForModification();

 private:
  ZQ_CountedHandle<ZQXML_TreeReference> Ref;
};

#endif
