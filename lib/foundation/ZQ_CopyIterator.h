// ZQ_CopyIterator.h: iterators over a snapshot of another iterator's
// elements, taken when they are made: ZQ_CopyIteratorReference<T> yields them
// in the same order, ZQ_ReverseIteratorReference<T> in reverse order. Later
// changes to the source collection do not affect them. Reading or advancing
// past the end asserts "Index < A.GetLength()". One thread only.
#ifndef ZQ_COPYITERATOR_H
#define ZQ_COPYITERATOR_H

#include "ZQ_Array.h"
#include "ZQ_Assertion.h"
#include "ZQ_Iterator.h"
#include "ZQ_StackTrace.h"

// The snapshot and the position shared by both directions.
template <class T>
class ZQ_SnapshotIteratorReference : public ZQ_IteratorReference<T> {
 public:
  using ZQ_AdvanceOnlyIteratorReference::Advance;
  bool Advance() override {
    ZQ_TRACE_FUNCTION("ZQ_CopyIteratorReference::Advance");
    ZQ_ASSERT(Index < A.GetLength());
    if (Index < A.GetLength()) ++Index;
    return Index < A.GetLength();
  }
  bool IsValid() const override { return Index < A.GetLength(); }
  void Rewind() override { Index = 0; }
  T& GetCurrent() override {
    ZQ_ASSERT(Index < A.GetLength());
    return A[Index];  // the array guards its own block past the end
  }

 protected:
  // The elements from Source's position to its end, in that order (Reverse
  // false) or reversed.
  template <class Handle>
  ZQ_SnapshotIteratorReference(Handle Source, bool Reverse)
      : A(ZQ_CountElements(Source)), Index(0) {
    const long length = A.GetLength();
    for (long i = 0; i < length && Source.IsValid(); ++i, Source.Advance())
      A[Reverse ? length - 1 - i : i] = *Source;
  }
  ZQ_SnapshotIteratorReference(const ZQ_SnapshotIteratorReference&) = default;

 private:
  // Only the element count and element access of an array are used here.
  class Snapshot : public ZQ_Array<T> {
   public:
    explicit Snapshot(long N) : ZQ_Array<T>(N) {}
    long GetLength() const { return this->GetNumElements(); }
  };

  Snapshot A;
  long Index;
};

template <class T>
class ZQ_CopyIteratorReference : public ZQ_SnapshotIteratorReference<T> {
 public:
  // Copies Source's elements from its position to its end. Takes any handle
  // (read-only or writable) by value: the caller's handle does not move.
  template <class Handle>
  explicit ZQ_CopyIteratorReference(Handle Source)
      : ZQ_SnapshotIteratorReference<T>(Source, false) {}
  ZQ_CopyIteratorReference<T>* Clone() const override {
    return new ZQ_CopyIteratorReference<T>(*this);
  }

 private:
  ZQ_CopyIteratorReference(const ZQ_CopyIteratorReference&) = default;
};

template <class T>
class ZQ_ReverseIteratorReference : public ZQ_SnapshotIteratorReference<T> {
 public:
  // As ZQ_CopyIteratorReference, but yields the elements last first.
  template <class Handle>
  explicit ZQ_ReverseIteratorReference(Handle Source)
      : ZQ_SnapshotIteratorReference<T>(Source, true) {}
  ZQ_ReverseIteratorReference<T>* Clone() const override {
    return new ZQ_ReverseIteratorReference<T>(*this);
  }

 private:
  ZQ_ReverseIteratorReference(const ZQ_ReverseIteratorReference&) = default;
};

#endif
