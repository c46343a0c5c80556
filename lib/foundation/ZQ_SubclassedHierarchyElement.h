// ZQ_SubclassedHierarchyElement.h: ZQ_SubclassedHierarchyElement<T>, the tree
// node of a subclass tree: the links of ZQ_HierarchyElement typed as T, so
// that code over the tree needs no casts. T derives from
// ZQ_SubclassedHierarchyElement<T>, and every element of such a tree is a T.
// Ownership and preconditions are those of ZQ_HierarchyElement.
#ifndef ZQ_SUBCLASSEDHIERARCHYELEMENT_H
#define ZQ_SUBCLASSEDHIERARCHYELEMENT_H

#include "ZQ_Hierarchy.h"

template <class T>
class ZQ_SubclassedHierarchyElement : public ZQ_HierarchyElement {
 public:
  void AddFirstChild(T* NewElement) { ZQ_HierarchyElement::AddFirstChild(NewElement); }
  void AddLastChild(T* NewElement) { ZQ_HierarchyElement::AddLastChild(NewElement); }
  T* CloneSubtree() const { return Typed(ZQ_HierarchyElement::CloneSubtree()); }

  T* GetParent() const { return Typed(ZQ_HierarchyElement::GetParent()); }
  T* GetNextSibling() const { return Typed(ZQ_HierarchyElement::GetNextSibling()); }
  T* GetPrevSibling() const { return Typed(ZQ_HierarchyElement::GetPrevSibling()); }
  T* GetFirstChild() const { return Typed(ZQ_HierarchyElement::GetFirstChild()); }
  T* GetLastChild() const { return Typed(ZQ_HierarchyElement::GetLastChild()); }

 private:
  static T* Typed(ZQ_HierarchyElement* Element) { return static_cast<T*>(Element); }
};

#endif
