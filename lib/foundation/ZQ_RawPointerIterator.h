// ZQ_RawPointerIterator.h: ZQ_RawPointerIteratorReference<T> runs over a
// sequence of ZQ_AutoPtr<T> owners and yields the raw pointers they hold, for
// callers that only look at the objects. Ownership stays with the owners.
// One thread only.
#ifndef ZQ_RAWPOINTERITERATOR_H
#define ZQ_RAWPOINTERITERATOR_H

#include "ZQ_AutoPtr.h"
#include "ZQ_Iterator.h"

template <class T>
class ZQ_RawPointerIteratorReference : public ZQ_ReadOnlyIteratorReference<T*> {
 public:
  explicit ZQ_RawPointerIteratorReference(const ZQ_ReadOnlyIterator<ZQ_AutoPtr<T>>& Owners)
      : Owners(Owners), Current(nullptr) {}

  using ZQ_AdvanceOnlyIteratorReference::Advance;
  bool Advance() override { return Owners.Advance(); }
  bool IsValid() const override { return Owners.IsValid(); }
  void Rewind() override { Owners.Rewind(); }
  ZQ_RawPointerIteratorReference<T>* Clone() const override {
    return new ZQ_RawPointerIteratorReference<T>(*this);
  }
  // The inner iterator checks its own position.
  T* const& GetCurrent() override {
    Current = Owners.GetCurrent().Get();
    return Current;
  }

 private:
  ZQ_RawPointerIteratorReference(const ZQ_RawPointerIteratorReference&) = default;

  ZQ_ReadOnlyIterator<ZQ_AutoPtr<T>> Owners;
  T* Current;  // the last pointer read
};

#endif
