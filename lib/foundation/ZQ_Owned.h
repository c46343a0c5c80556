// ZQ_Owned.h: ZQ_Owned<H, Free, Invalid>, the one owner of a C or Win32
// resource (a handle, a mapped view) that Free gives back. Move-only.
// Invalid is a function giving the value that means "nothing owned" (null by
// default; INVALID_HANDLE_VALUE for files). Reset marks the owner empty before
// it calls Free, so a value is freed once even when Free fails, and a value
// that Windows has since handed out again is never freed by a stale owner;
// Reset passes Free's failure on (the API layer's ZQ_Exception). The
// destructor swallows it: the API layer has logged it, and no exception may
// leave a destructor. So a constructor that throws after it acquired a
// resource into an owner member releases it. The owners of files, mappings,
// views and searches are at the end of ZQLOW_WINBASE.h. One thread only.
#ifndef ZQ_OWNED_H
#define ZQ_OWNED_H

// The default "nothing owned": a null handle or pointer.
template <class H>
H ZQ_Owned_Null() noexcept {
  return H();
}

template <class H, auto Free, auto Invalid = &ZQ_Owned_Null<H>>
class ZQ_Owned {
 public:
  ZQ_Owned() noexcept = default;
  // Takes ownership of Value (Invalid () for nothing).
  explicit ZQ_Owned(H Value) noexcept : Held(Value) {}
  ZQ_Owned(ZQ_Owned&& Other) noexcept : Held(Other.Release()) {}
  // Frees what this owner held, then holds Other's value; a failure to free
  // passes on once the value has been taken over.
  ZQ_Owned& operator=(ZQ_Owned&& Other) {
    if (this != &Other) Reset(Other.Release());
    return *this;
  }
  ZQ_Owned(const ZQ_Owned&) = delete;
  ZQ_Owned& operator=(const ZQ_Owned&) = delete;
  ~ZQ_Owned() {
    try {
      Reset();
    } catch (...) {
    }
  }

  H Get() const noexcept { return Held; }
  bool IsValid() const noexcept { return Held != Invalid(); }
  // Gives the value up without freeing it: the caller owns it now.
  H Release() noexcept {
    const H value = Held;
    Held = Invalid();
    return value;
  }
  // Frees the value held, if any, and holds NewValue instead.
  void Reset(H NewValue = Invalid()) {
    const H old = Held;
    Held = NewValue;
    if (old != Invalid()) Free(old);
  }

 private:
  H Held = Invalid();
};

#endif
