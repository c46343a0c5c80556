#include "ZQ_Hierarchy.h"

#include <cstddef>

#include "ZQ_Assertion.h"
#include "ZQ_StackTrace.h"

namespace {

// True when Element is Root or lies below it.
bool IsInSubtreeOf(const ZQ_HierarchyElement* Element, const ZQ_HierarchyElement* Root) {
  for (; Element; Element = Element->GetParent())
    if (Element == Root) return true;
  return false;
}

}  // namespace

ZQ_HierarchyElement::ZQ_HierarchyElement()
    : Parent(nullptr), NextSibling(nullptr), PrevSibling(nullptr),
      FirstChild(nullptr), LastChild(nullptr) {}

ZQ_HierarchyElement::~ZQ_HierarchyElement() {
  // No trace frame: a push may throw, and a destructor must not. A parent
  // would otherwise keep a link to freed memory.
  if (Parent) DetachFromParent();
  DeleteAllChildren();
}

bool ZQ_HierarchyElement::AcceptsNewChild(const ZQ_HierarchyElement* NewElement) const {
  ZQ_ASSERT(NewElement != NULL);
  if (!NewElement) return false;
  ZQ_ASSERT(NewElement->Parent == NULL);
  ZQ_ASSERT(NewElement->PrevSibling == NULL);
  ZQ_ASSERT(NewElement->NextSibling == NULL);
  // A linked element stays where it is: moving it here would break the other
  // tree's links.
  if (NewElement->Parent || NewElement->PrevSibling || NewElement->NextSibling) return false;
  // Nor may an element become a child inside its own subtree: a cycle.
  ZQ_ASSERT(not IsInSubtreeOf(this, NewElement));
  return !IsInSubtreeOf(this, NewElement);
}

void ZQ_HierarchyElement::AddFirstChild(ZQ_HierarchyElement* NewElement) {
  ZQ_TRACE_FUNCTION("ZQ_HierarchyElement::AddFirstChild");
  if (!AcceptsNewChild(NewElement)) return;
  NewElement->NextSibling = FirstChild;
  if (FirstChild)
    FirstChild->PrevSibling = NewElement;
  else
    LastChild = NewElement;
  FirstChild = NewElement;
  NewElement->Parent = this;
  NoteChildrenChanged();
}

void ZQ_HierarchyElement::AddLastChild(ZQ_HierarchyElement* NewElement) {
  ZQ_TRACE_FUNCTION("ZQ_HierarchyElement::AddLastChild");
  if (!AcceptsNewChild(NewElement)) return;
  NewElement->PrevSibling = LastChild;
  if (LastChild)
    LastChild->NextSibling = NewElement;
  else
    FirstChild = NewElement;
  LastChild = NewElement;
  NewElement->Parent = this;
  NoteChildrenChanged();
}

void ZQ_HierarchyElement::DeleteAllChildren() {
  ZQ_TRACE_FUNCTION("ZQ_HierarchyElement::DeleteAllChildren");
  ZQ_HierarchyElement* child = FirstChild;
  FirstChild = LastChild = nullptr;
  while (child) {
    ZQ_HierarchyElement* next = child->NextSibling;
    // Already out of the list: its destructor must not unlink it again.
    child->Parent = child->NextSibling = child->PrevSibling = nullptr;
    delete child;
    child = next;
  }
  NoteChildrenChanged();
}

void ZQ_HierarchyElement::DetachFromParent() {
  ZQ_TRACE_FUNCTION("ZQ_HierarchyElement::DetachFromParent");
  ZQ_HierarchyElement* parent = Parent;
  if (!parent) return;
  if (PrevSibling)
    PrevSibling->NextSibling = NextSibling;
  else
    parent->FirstChild = NextSibling;
  if (NextSibling)
    NextSibling->PrevSibling = PrevSibling;
  else
    parent->LastChild = PrevSibling;
  Parent = NextSibling = PrevSibling = nullptr;
  parent->NoteChildrenChanged();
}

ZQ_HierarchyElement* ZQ_HierarchyElement::CloneSubtree() const {
  ZQ_TRACE_FUNCTION("ZQ_HierarchyElement::CloneSubtree");
  ZQ_HierarchyElement* copy = CloneSelf();
  if (!copy) return nullptr;
  try {
    for (const ZQ_HierarchyElement* child = FirstChild; child; child = child->NextSibling) {
      ZQ_HierarchyElement* childCopy = child->CloneSubtree();
      if (childCopy) copy->AddLastChild(childCopy);
    }
  } catch (...) {
    delete copy;  // with the part of the subtree already copied
    throw;
  }
  return copy;
}

int ZQ_HierarchyElement::GetDepth() const {
  int depth = 0;
  for (const ZQ_HierarchyElement* e = Parent; e; e = e->Parent) ++depth;
  return depth;
}

void ZQ_HierarchyElement::NoteChildrenChanged() {}

ZQ_HierarchyElement* ZQ_HierarchyElement::CloneSelf() const {
  ZQ_TRACE_FUNCTION("ZQ_HierarchyElement::CloneSelf");
  ZQ_ASSERT(false);
  return nullptr;
}
