// ZQ_AutoPtr.h: ZQ_AutoPtr<T>, the sole owner of one heap object (registry
// items, windows, dialog boxes), deleted through its virtual destructor when
// the owner goes. Not copyable: ownership moves (std::move, Release, Reset).
// A null owner is allowed. One thread only.
#ifndef ZQ_AUTOPTR_H
#define ZQ_AUTOPTR_H

template <class T>
class ZQ_AutoPtr {
 public:
  ZQ_AutoPtr() noexcept : Pointer(nullptr) {}
  // Takes ownership of Object (may be null).
  explicit ZQ_AutoPtr(T* Object) noexcept : Pointer(Object) {}
  ZQ_AutoPtr(ZQ_AutoPtr&& Other) noexcept : Pointer(Other.Release()) {}
  ZQ_AutoPtr& operator=(ZQ_AutoPtr&& Other) noexcept {
    if (this != &Other) Reset(Other.Release());
    return *this;
  }
  ZQ_AutoPtr(const ZQ_AutoPtr&) = delete;
  ZQ_AutoPtr& operator=(const ZQ_AutoPtr&) = delete;
  ~ZQ_AutoPtr() { delete Pointer; }

  T* Get() const noexcept { return Pointer; }
  T& operator*() const noexcept { return *Pointer; }
  T* operator->() const noexcept { return Pointer; }
  bool IsNull() const noexcept { return Pointer == nullptr; }

  // Gives up ownership: the caller owns the object from then on.
  T* Release() noexcept {
    T* object = Pointer;
    Pointer = nullptr;
    return object;
  }
  // Deletes the object held and takes ownership of Object (may be null).
  void Reset(T* Object = nullptr) noexcept {
    if (Object == Pointer) return;
    T* old = Pointer;
    Pointer = Object;
    delete old;
  }

 private:
  T* Pointer;
};

#endif
