// ZQ_CountedPtr.h: ZQ_CountedPtr<T>, a reference-counted handle to one heap
// object (documents, caches). Copies share the object; the count is the full
// number of owners (1 = one), and the last owner to go deletes the object
// through its virtual destructor. A default-constructed handle holds nothing.
// The count is a plain integer: a handle and its copies belong to one thread.
// Only taking ownership needs T complete: handles of a declared-only type
// can be copied, held and dropped.
#ifndef ZQ_COUNTEDPTR_H
#define ZQ_COUNTEDPTR_H


#include "ZQ_Assertion.h"
#include "ZQ_CountedBody.h"

template <class T>
class ZQ_CountedPtr {
 public:
  ZQ_CountedPtr() noexcept = default;
  // Takes ownership of OwnedObject (not null), with one owner.
  explicit ZQ_CountedPtr(T* OwnedObject) : Ref(NewBody(OwnedObject)) {}

  // The shared object (asserts "Ref != NULL" on an empty handle).
  T& operator*() const {
    ZQ_ASSERT_TEXT(!Ref.IsNull(), "Ref != NULL");
    return *Get();
  }
  T* operator->() const {
    ZQ_ASSERT_TEXT(!Ref.IsNull(), "Ref != NULL");
    return Get();
  }
  // The shared object, or null for an empty handle.
  T* Get() const noexcept { return Ref.IsNull() ? nullptr : Ref->Pointer; }
  bool IsNull() const noexcept { return Ref.IsNull(); }
  // Number of handles sharing the object; 0 for an empty handle.
  long GetNumOwners() const noexcept { return Ref.GetReferenceCount(); }

 private:
  struct CountedPtrRef : ZQ_CountedBody {
    CountedPtrRef(T* OwnedObject, void (*DeleteObject)(T*)) noexcept
        : Pointer(OwnedObject), DeleteObject(DeleteObject) {}
    ~CountedPtrRef() { DeleteObject(Pointer); }
    T* Pointer;
    void (*DeleteObject)(T*);  // chosen where T was complete
  };

  static void DeleteOwnedObject(T* Object) { delete Object; }

  static CountedPtrRef* NewBody(T* OwnedObject) {
    try {
      return new CountedPtrRef(OwnedObject, &DeleteOwnedObject);
    } catch (...) {
      delete OwnedObject;  // the object would otherwise have no owner
      throw;
    }
  }

  ZQ_CountedHandle<CountedPtrRef> Ref;
};

#endif
