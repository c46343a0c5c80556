// ZQ_AccumulatingIterator.h: an iterator over results collected one by one
// (files of a directory, time zones, content areas hit by a point). It owns
// copies of its elements, so it depends on no collection; clones copy them.
// Advancing past the end asserts "Index < N". One thread only.
#ifndef ZQ_ACCUMULATINGITERATOR_H
#define ZQ_ACCUMULATINGITERATOR_H

#include "ZQ_Array.h"
#include "ZQ_Assertion.h"
#include "ZQ_Iterator.h"
#include "ZQ_StackTrace.h"

template <class T>
class ZQ_AccumulatingIteratorReference : public ZQ_IndexedIteratorReference<T> {
  using ZQ_IndexedIteratorReference<T>::N;
  using ZQ_IndexedIteratorReference<T>::Index;

 public:
  ZQ_AccumulatingIteratorReference() : ZQ_IndexedIteratorReference<T>(0) {}

  // Adds a copy of Element after the others; the storage grows as an
  // autosize array does.
  void Append(const T& Element) {
    ZQ_TRACE_FUNCTION("ZQ_AccumulatingIteratorReference::Append");
    Elements[N] = Element;
    ++N;
  }
  long GetNumElements() const { return N; }

  using ZQ_AdvanceOnlyIteratorReference::Advance;
  bool Advance() override {
    ZQ_TRACE_FUNCTION("ZQ_AccumulatingIteratorReference::Advance");
    ZQ_ASSERT(Index < N);
    return ZQ_IndexedIteratorReference<T>::Advance();
  }
  ZQ_AccumulatingIteratorReference<T>* Clone() const override {
    return new ZQ_AccumulatingIteratorReference<T>(*this);
  }

 protected:
  T& ElementAt(long At) override { return Elements[At]; }

 private:
  ZQ_AccumulatingIteratorReference(const ZQ_AccumulatingIteratorReference&) = default;

  ZQ_AutosizeArray<T> Elements;  // capacity; only the first N are results
};

#endif
