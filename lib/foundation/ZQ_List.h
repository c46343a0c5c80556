// ZQ_List.h: ZQ_List<T>, a singly linked list that owns its links and their
// values, and ZQ_Queue<T>, the same list used first in, first out. Searches
// compare elements with T's operator==. Precondition failures (empty list,
// element not found) go to the assertion service; once it returns, a failed
// access gives a spare default value and changes nothing. Nothing is thrown
// but std::bad_alloc and what copies of T throw. One thread only.
#ifndef ZQ_LIST_H
#define ZQ_LIST_H

#include <cstddef>
#include <utility>

#include "ZQ_Assertion.h"
#include "ZQ_Iterator.h"
#include "ZQ_StackTrace.h"
#include "ZQ_String.h"

template <class T>
class ZQ_ListIteratorReference;

template <class T>
class ZQ_List {
 public:
  struct Link {
    explicit Link(const T& Data) : Data(Data), Next(nullptr) {}
    T Data;
    Link* Next;  // null at the tail
  };

  // Creation and lifetime: copies copy every value.
  ZQ_List() : Head(nullptr), Tail(nullptr) {}
  ZQ_List(const ZQ_List& Other) : Head(nullptr), Tail(nullptr) {
    try {
      for (const Link* link = Other.Head; link; link = link->Next) Append(link->Data);
    } catch (...) {
      RemoveAll();
      throw;
    }
  }
  ZQ_List& operator=(const ZQ_List& Other) {
    if (this != &Other) {
      ZQ_List copy(Other);
      std::swap(Head, copy.Head);
      std::swap(Tail, copy.Tail);
    }
    return *this;
  }
  ~ZQ_List() { RemoveAll(); }

  // Adds a copy of Value at the tail and returns its link.
  Link* Append(const T& Value) {
    ZQ_TRACE_FUNCTION("ZQ_List::Append");
    Link* link = new Link(Value);
    if (Tail)
      Tail->Next = link;
    else
      Head = link;
    Tail = link;
    return link;
  }

  // Adds a copy of Value at the head and returns its link.
  Link* Prepend(const T& Value) {
    ZQ_TRACE_FUNCTION("ZQ_List::Prepend");
    Link* link = new Link(Value);
    link->Next = Head;
    Head = link;
    if (!Tail) Tail = link;
    return link;
  }

  bool IsEmpty() const { return Head == nullptr; }
  // Counts the links.
  long GetNumElements() const {
    long count = 0;
    for (const Link* link = Head; link; link = link->Next) ++count;
    return count;
  }

  // The first and the last value (assert "Head != NULL", "Tail != NULL").
  T& GetHead() const {
    ZQ_TRACE_FUNCTION("ZQ_List::GetHead");
    ZQ_ASSERT(Head != NULL);
    return Head ? Head->Data : Missing();
  }
  T& GetTail() const {
    ZQ_TRACE_FUNCTION("ZQ_List::GetTail");
    ZQ_ASSERT(Tail != NULL);
    return Tail ? Tail->Data : Missing();
  }

  // The value after the first link holding Element.
  T& GetNext(const T& Element) const {
    ZQ_TRACE_FUNCTION("ZQ_List::GetNext");
    Link* ThisLink = Find(Element);
    ZQ_ASSERT(ThisLink != NULL);
    if (!ThisLink) return Missing();
    Link* NextLink = ThisLink->Next;
    ZQ_ASSERT(NextLink != NULL);
    return NextLink ? NextLink->Data : Missing();
  }

  // The value before the first link holding ExistingElement, which must not
  // be the head.
  T& GetPrevious(const T& ExistingElement) const {
    ZQ_TRACE_FUNCTION("ZQ_List::GetPrevious");
    ZQ_ASSERT(Head != NULL);
    if (!Head) return Missing();
    ZQ_ASSERT(not (Head->Data == ExistingElement));
    if (Head->Data == ExistingElement) return Missing();
    Link* CurrentLink = Head;
    for (;;) {
      Link* next = CurrentLink->Next;
      if (next && next->Data == ExistingElement) return CurrentLink->Data;
      CurrentLink = next;
      ZQ_ASSERT(CurrentLink != NULL);
      if (!CurrentLink) return Missing();
    }
  }

  // The 0-based position of the first link holding Element; ZQ_NoMatch when
  // it is absent and the assertion ("P") returns.
  long GetIndex(const T& Element) const {
    ZQ_TRACE_FUNCTION("ZQ_List::GetIndex");
    ZQ_ASSERT(Head != NULL);
    if (!Head) return ZQ_NoMatch;
    long index = 0;
    for (const Link* P = Head;; P = P->Next, ++index) {
      ZQ_ASSERT(P);
      if (!P) return ZQ_NoMatch;
      if (P->Data == Element) return index;
    }
  }

  // Removes the first link holding Element and frees it.
  void Remove(const T& Element) {
    ZQ_TRACE_FUNCTION("ZQ_List::Remove");
    ZQ_ASSERT(Head != NULL);
    if (!Head) return;
    if (Head->Data == Element) {
      RemoveHead();
      return;
    }
    Link* previous = Head;
    Link* LinkToDelete = Head->Next;
    while (LinkToDelete && !(LinkToDelete->Data == Element)) {
      previous = LinkToDelete;
      LinkToDelete = LinkToDelete->Next;
    }
    ZQ_ASSERT(LinkToDelete != NULL);
    if (!LinkToDelete) return;
    previous->Next = LinkToDelete->Next;
    if (Tail == LinkToDelete) Tail = previous;
    delete LinkToDelete;
  }

  // Removes and frees the first link.
  void RemoveHead() {
    ZQ_TRACE_FUNCTION("ZQ_List::RemoveHead");
    ZQ_ASSERT(Head != NULL);
    if (!Head) return;
    Link* first = Head;
    Head = first->Next;
    if (!Head) Tail = nullptr;
    delete first;
  }

  // Frees every link, from the head onward.
  void RemoveAll() {
    Link* link = Head;
    Head = Tail = nullptr;
    while (link) {
      Link* next = link->Next;
      delete link;
      link = next;
    }
  }

  // Orders the values by T's operator<: the least first, or the greatest
  // first when Descending. A merge sort of the links (no value is copied);
  // equal values keep their order.
  void Sort(bool Descending) {
    Head = MergeSort(Head, Descending);
    Tail = Head;
    while (Tail && Tail->Next) Tail = Tail->Next;
  }

  // An iterator from the head. The list must outlive it and must not lose
  // the link it stands on.
  ZQ_Iterator<T> GetIterator() { return ZQ_Iterator<T>(new ZQ_ListIteratorReference<T>(this)); }
  ZQ_ReadOnlyIterator<T> GetIterator() const {
    return ZQ_ReadOnlyIterator<T>(
        new ZQ_ListIteratorReference<T>(const_cast<ZQ_List*>(this)));
  }

  Link* GetHeadLink() const { return Head; }

 private:
  Link* Find(const T& Element) const {
    for (Link* link = Head; link; link = link->Next)
      if (link->Data == Element) return link;
    return nullptr;
  }
  // True when B must come before A.
  static bool Precedes(const Link* B, const Link* A, bool Descending) {
    return Descending ? A->Data < B->Data : B->Data < A->Data;
  }
  static Link* MergeSort(Link* First, bool Descending) {
    if (!First || !First->Next) return First;
    Link* slow = First;  // the end of the first half
    for (Link* fast = First->Next; fast && fast->Next; fast = fast->Next->Next) slow = slow->Next;
    Link* second = MergeSort(slow->Next, Descending);
    slow->Next = nullptr;
    Link* first = MergeSort(First, Descending);
    Link* merged = nullptr;
    Link** end = &merged;
    while (first && second) {
      Link*& taken = Precedes(second, first, Descending) ? second : first;
      *end = taken;
      end = &taken->Next;
      taken = taken->Next;
    }
    *end = first ? first : second;
    return merged;
  }
  // What a failed access gives once the assertion returns; no list holds it.
  static T& Missing() {
    static T s_missing;
    s_missing = T();
    return s_missing;
  }

  Link* Head;
  Link* Tail;
};

template <class T>
class ZQ_ListIteratorReference : public ZQ_IteratorReference<T> {
 public:
  explicit ZQ_ListIteratorReference(ZQ_List<T>* List)
      : List(List), Current(List->GetHeadLink()) {}

  using ZQ_AdvanceOnlyIteratorReference::Advance;
  bool Advance() override {
    ZQ_TRACE_FUNCTION("ZQ_ListIteratorReference::Advance");
    ZQ_ASSERT(IsValid());
    if (Current) Current = Current->Next;
    return Current != nullptr;
  }
  bool IsValid() const override { return Current != nullptr; }
  void Rewind() override { Current = List->GetHeadLink(); }
  ZQ_ListIteratorReference<T>* Clone() const override {
    return new ZQ_ListIteratorReference<T>(*this);
  }
  T& GetCurrent() override {
    ZQ_ASSERT(IsValid());
    if (!Current) {
      static T s_none = T();
      return s_none;
    }
    return Current->Data;
  }

 private:
  ZQ_ListIteratorReference(const ZQ_ListIteratorReference&) = default;

  ZQ_List<T>* List;
  typename ZQ_List<T>::Link* Current;
};

// A list used first in, first out: Put adds at the tail; values leave from
// the head (GetHead, then RemoveHead).
template <class T>
class ZQ_Queue : public ZQ_List<T> {
 public:
  void Put(const T& Value) { this->Append(Value); }
};

#endif
