// ZQ_Hierarchy.h: ZQ_HierarchyElement, the intrusive tree node: an object that
// is its own node, linked to its parent, its siblings and its children, and
// that owns its children (deleting an element deletes its subtree). An element
// must be free (no parent, no siblings) before it is added anywhere; adding a
// linked one is a precondition violation (assertion service) and changes
// nothing. DetachFromParent frees an element so that it can move. Typed links
// for a subclass tree: ZQ_SubclassedHierarchyElement.h. One thread only.
#ifndef ZQ_HIERARCHY_H
#define ZQ_HIERARCHY_H

class ZQ_HierarchyElement {
 public:
  // Creation and lifetime
  ZQ_HierarchyElement();
  // Deletes every child (so the whole subtree goes); an element that still
  // has a parent first unlinks itself from it.
  virtual ~ZQ_HierarchyElement();
  ZQ_HierarchyElement(const ZQ_HierarchyElement&) = delete;
  ZQ_HierarchyElement& operator=(const ZQ_HierarchyElement&) = delete;

  // Structure. Both take ownership of a free NewElement and then call
  // NoteChildrenChanged().
  void AddFirstChild(ZQ_HierarchyElement* NewElement);
  void AddLastChild(ZQ_HierarchyElement* NewElement);
  // Deletes every child, first to last, then calls NoteChildrenChanged().
  void DeleteAllChildren();
  // Unlinks this element from its parent and siblings without deleting it;
  // the caller owns it from then on. The old parent gets NoteChildrenChanged().
  void DetachFromParent();

  // A deep copy of this element and its subtree (children in order), without
  // this element's parent or siblings; the caller owns it. Null when
  // CloneSelf() gives none.
  ZQ_HierarchyElement* CloneSubtree() const;

  // Queries
  int GetDepth() const;  // number of ancestors, 0 for a root
  ZQ_HierarchyElement* GetParent() const { return Parent; }
  ZQ_HierarchyElement* GetNextSibling() const { return NextSibling; }
  ZQ_HierarchyElement* GetPrevSibling() const { return PrevSibling; }
  ZQ_HierarchyElement* GetFirstChild() const { return FirstChild; }
  ZQ_HierarchyElement* GetLastChild() const { return LastChild; }

 protected:
  // Called on the parent after every change of its child list.
  virtual void NoteChildrenChanged();
  // A new element of the same dynamic type with the same own data and no
  // links. Every subclass that is copied provides it; the base asserts
  // "false" and gives null.
  virtual ZQ_HierarchyElement* CloneSelf() const;

 private:
  // True when NewElement may become a child: not null, free, and not this
  // element or one of its ancestors. Asserts what is wrong.
  bool AcceptsNewChild(const ZQ_HierarchyElement* NewElement) const;

  ZQ_HierarchyElement* Parent;
  ZQ_HierarchyElement* NextSibling;
  ZQ_HierarchyElement* PrevSibling;
  ZQ_HierarchyElement* FirstChild;
  ZQ_HierarchyElement* LastChild;
};

#endif
