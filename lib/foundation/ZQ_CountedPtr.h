// ZQ_CountedPtr.h: ZQ_CountedPtr<T>, a reference-counted handle to one heap
// object (documents, caches). Copies share the object; the count is the full
// number of owners (1 = one), and the last owner to go deletes the object
// through its virtual destructor. A default-constructed handle holds nothing.
// The count is a plain integer: a handle and its copies belong to one thread.
#ifndef ZQ_COUNTEDPTR_H
#define ZQ_COUNTEDPTR_H

#include <cstddef>

#include "ZQ_Assertion.h"

template <class T>
class ZQ_CountedPtr {
 public:
  ZQ_CountedPtr() noexcept : Ref(nullptr) {}
  // Takes ownership of NewObject (not null), with one owner.
  explicit ZQ_CountedPtr(T* NewObject) : Ref(nullptr) {
    try {
      Ref = new CountedPtrRef{1, NewObject};
    } catch (...) {
      delete NewObject;  // the object would otherwise have no owner
      throw;
    }
  }
  ZQ_CountedPtr(const ZQ_CountedPtr& Other) noexcept : Ref(Other.Ref) {
    if (Ref) ++Ref->Count;
  }
  // Nothing when both already share one object (self-assignment included).
  ZQ_CountedPtr& operator=(const ZQ_CountedPtr& Other) noexcept {
    if (Other.Ref == Ref) return *this;
    CountedPtrRef* shared = Other.Ref;
    if (shared) ++shared->Count;
    Release();
    Ref = shared;
    return *this;
  }
  ~ZQ_CountedPtr() { Release(); }

  // The shared object (asserts "Ref != NULL" on an empty handle).
  T& operator*() const {
    ZQ_ASSERT(Ref != NULL);
    return *Get();
  }
  T* operator->() const {
    ZQ_ASSERT(Ref != NULL);
    return Get();
  }
  // The shared object, or null for an empty handle.
  T* Get() const noexcept { return Ref ? Ref->Pointer : nullptr; }
  bool IsNull() const noexcept { return Ref == nullptr; }
  // Number of handles sharing the object; 0 for an empty handle.
  long GetNumOwners() const noexcept { return Ref ? Ref->Count : 0; }

 private:
  struct CountedPtrRef {
    long Count;  // number of owners, 1 meaning one
    T* Pointer;
  };

  void Release() noexcept {
    if (Ref && --Ref->Count == 0) Destroy(Ref);
    Ref = nullptr;
  }
  // Out of line: inlined, the deletes made GCC 12 suspect every later read
  // of a count that other handles still share (-Wuse-after-free).
  [[gnu::noinline]] static void Destroy(CountedPtrRef* Shared) noexcept {
    delete Shared->Pointer;
    delete Shared;
  }

  CountedPtrRef* Ref;
};

#endif
