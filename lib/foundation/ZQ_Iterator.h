// ZQ_Iterator.h: the one iterator design of every collection. A handle
// (ZQ_AdvanceOnlyIterator, ZQ_ReadOnlyIterator<T>, ZQ_Iterator<T>) owns exactly
// one heap implementation (an iterator reference) that knows the collection.
// Copying a handle clones the implementation, so two handles never share one
// and advance independently. Implementations over lists, arrays and maps borrow
// their collection: it must outlive the iterator and keep its structure while
// the iterator is in use. Advancing an invalid iterator or reading its current
// element is a precondition violation (assertion service); nothing here throws
// except std::bad_alloc. One thread only.
#ifndef ZQ_ITERATOR_H
#define ZQ_ITERATOR_H

#include "ZQ_Assertion.h"
#include "ZQ_StackTrace.h"

class ZQ_String;

// Implementation without element access: movement, validity, rewinding and
// cloning.
class ZQ_AdvanceOnlyIteratorReference {
 public:
  virtual ~ZQ_AdvanceOnlyIteratorReference();
  // Moves to the next element; true when the iterator then stands on one.
  virtual bool Advance() = 0;
  // Advance() Count times (nothing for Count <= 0); returns IsValid().
  virtual bool Advance(long Count);
  // True while the iterator stands on an element.
  virtual bool IsValid() const = 0;
  // Back to the first element.
  virtual void Rewind() = 0;
  // A new implementation at the same position; the caller owns it.
  virtual ZQ_AdvanceOnlyIteratorReference* Clone() const = 0;
};

// Implementation that gives its current element read-only.
template <class T>
class ZQ_ReadOnlyIteratorReference : public ZQ_AdvanceOnlyIteratorReference {
 public:
  using ZQ_AdvanceOnlyIteratorReference::Advance;
  ZQ_ReadOnlyIteratorReference<T>* Clone() const override = 0;
  virtual const T& GetCurrent() = 0;
};

// Implementation that gives its current element writable.
template <class T>
class ZQ_IteratorReference : public ZQ_AdvanceOnlyIteratorReference {
 public:
  using ZQ_AdvanceOnlyIteratorReference::Advance;
  ZQ_IteratorReference<T>* Clone() const override = 0;
  virtual T& GetCurrent() = 0;
};

// An iterator that is never valid; collections hand it out when they have
// nothing to give. Advancing it or reading it asserts "false". Base is the
// read-only or the writable implementation, Element what GetCurrent gives
// (const T or T); use the two names below.
template <class Base, class Element>
class ZQ_NeverValidIteratorReference : public Base {
 public:
  using ZQ_AdvanceOnlyIteratorReference::Advance;
  bool Advance() override {
    ZQ_ASSERT(false);
    return false;
  }
  bool IsValid() const override { return false; }
  void Rewind() override {}
  ZQ_NeverValidIteratorReference* Clone() const override {
    return new ZQ_NeverValidIteratorReference;
  }
  // Once the assertion service returns: a default value that nothing else uses.
  Element& GetCurrent() override {
    ZQ_ASSERT(false);
    static Element s_default = Element();
    return s_default;
  }
};

template <class T>
using ZQ_NullReadOnlyIteratorReference =
    ZQ_NeverValidIteratorReference<ZQ_ReadOnlyIteratorReference<T>, const T>;

// The writable twin, behind default-constructed ZQ_Iterator<T> handles.
template <class T>
using ZQ_NullIteratorReference = ZQ_NeverValidIteratorReference<ZQ_IteratorReference<T>, T>;

// A new never-valid implementation; the caller owns it.
template <class T>
ZQ_ReadOnlyIteratorReference<T>* ZQ_CreateNullIteratorReference() {
  return new ZQ_NullReadOnlyIteratorReference<T>;
}

// Lets a read-only handle run over a writable implementation (which it owns).
template <class T>
class ZQ_ReadOnlyAdapterIteratorReference : public ZQ_ReadOnlyIteratorReference<T> {
 public:
  explicit ZQ_ReadOnlyAdapterIteratorReference(ZQ_IteratorReference<T>* OwnedInner)
      : Inner(OwnedInner) {}
  ~ZQ_ReadOnlyAdapterIteratorReference() override { delete Inner; }
  ZQ_ReadOnlyAdapterIteratorReference(const ZQ_ReadOnlyAdapterIteratorReference&) = delete;
  ZQ_ReadOnlyAdapterIteratorReference& operator=(const ZQ_ReadOnlyAdapterIteratorReference&) = delete;

  using ZQ_AdvanceOnlyIteratorReference::Advance;
  bool Advance() override { return Inner->Advance(); }
  bool IsValid() const override { return Inner->IsValid(); }
  void Rewind() override { Inner->Rewind(); }
  ZQ_ReadOnlyAdapterIteratorReference<T>* Clone() const override {
    return new ZQ_ReadOnlyAdapterIteratorReference<T>(Inner->Clone());
  }
  const T& GetCurrent() override { return Inner->GetCurrent(); }

 private:
  ZQ_IteratorReference<T>* Inner;
};

// The handle: one owned implementation. The typed handles below add element
// access.
class ZQ_AdvanceOnlyIterator {
 public:
  // Takes ownership of Reference (not null).
  explicit ZQ_AdvanceOnlyIterator(ZQ_AdvanceOnlyIteratorReference* Reference);
  // Stores a clone of Other's implementation.
  ZQ_AdvanceOnlyIterator(const ZQ_AdvanceOnlyIterator& Other);
  // Nothing when both hold the same implementation; else replaces its own by a
  // clone of Other's.
  ZQ_AdvanceOnlyIterator& operator=(const ZQ_AdvanceOnlyIterator& Other);
  ~ZQ_AdvanceOnlyIterator();

  bool IsValid() const { return Ref->IsValid(); }
  // True when the iterator then stands on an element.
  bool Advance() { return Ref->Advance(); }
  bool Advance(long Count) { return Ref->Advance(Count); }
  void Rewind() { Ref->Rewind(); }

 protected:
  ZQ_AdvanceOnlyIteratorReference* Ref;
};

template <class T>
class ZQ_Iterator;

// A handle that reads the elements of any sequence of T.
template <class T>
class ZQ_ReadOnlyIterator : public ZQ_AdvanceOnlyIterator {
 public:
  // A never-valid iterator.
  ZQ_ReadOnlyIterator()
      : ZQ_AdvanceOnlyIterator(new ZQ_NullReadOnlyIteratorReference<T>) {}
  // Both take ownership of Reference.
  explicit ZQ_ReadOnlyIterator(ZQ_ReadOnlyIteratorReference<T>* Reference)
      : ZQ_AdvanceOnlyIterator(Reference) {}
  explicit ZQ_ReadOnlyIterator(ZQ_IteratorReference<T>* Reference)
      : ZQ_AdvanceOnlyIterator(new ZQ_ReadOnlyAdapterIteratorReference<T>(Reference)) {}
  // Reads through a clone of a writable handle's implementation.
  ZQ_ReadOnlyIterator(const ZQ_Iterator<T>& Writable);

  const T& GetCurrent() const {
    return static_cast<ZQ_ReadOnlyIteratorReference<T>*>(Ref)->GetCurrent();
  }
  const T& operator*() const { return GetCurrent(); }
  const T* operator->() const { return &GetCurrent(); }
};

// A handle that reads and writes the elements of a collection.
template <class T>
class ZQ_Iterator : public ZQ_AdvanceOnlyIterator {
 public:
  // A never-valid iterator.
  ZQ_Iterator() : ZQ_AdvanceOnlyIterator(new ZQ_NullIteratorReference<T>) {}
  // Takes ownership of Reference.
  explicit ZQ_Iterator(ZQ_IteratorReference<T>* Reference)
      : ZQ_AdvanceOnlyIterator(Reference) {}

  T& GetCurrent() const {
    return static_cast<ZQ_IteratorReference<T>*>(Ref)->GetCurrent();
  }
  T& operator*() const { return GetCurrent(); }
  T* operator->() const { return &GetCurrent(); }

 private:
  friend class ZQ_ReadOnlyIterator<T>;
  ZQ_IteratorReference<T>* CloneReference() const {
    return static_cast<ZQ_IteratorReference<T>*>(Ref)->Clone();
  }
};

template <class T>
ZQ_ReadOnlyIterator<T>::ZQ_ReadOnlyIterator(const ZQ_Iterator<T>& Writable)
    : ZQ_AdvanceOnlyIterator(
          new ZQ_ReadOnlyAdapterIteratorReference<T>(Writable.CloneReference())) {}

// Counts the elements from the iterator's position to its end. Iterator is a
// copy, so the caller's handle does not move.
long ZQ_CountElements(ZQ_AdvanceOnlyIterator Iterator);

// The lines of Text split at Separator (a line feed, or a comma for lists of
// items). Every line, the last included, ends at a separator; a line feed
// separator also drops a carriage return that ends a non-empty line. An empty
// Text gives one empty line, or, with Flags bit 0, no line at all.
ZQ_ReadOnlyIterator<ZQ_String> ZQ_GetStringLineIterator(const ZQ_String& Text,
                                                        char Separator = '\n',
                                                        long Flags = 0);

#endif
