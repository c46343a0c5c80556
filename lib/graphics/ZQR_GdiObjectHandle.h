// ZQR_GdiObjectHandle.h: ZQR_GdiObjectHandle<H>, one share of a GDI object
// (brush, bitmap) held in a counted body. Copies share the body; the last
// share deletes an owned object (DeleteObject), never a stock one. A failed
// delete is logged by the wrapper and swallowed: it happens in destructors.
// One thread only.
#ifndef ZQR_GDIOBJECTHANDLE_H
#define ZQR_GDIOBJECTHANDLE_H

#include <utility>

#include "ZQLOW_WINGDI.h"
#include "ZQ_CountedBody.h"
#include "ZQ_Owned.h"

template <class H>
class ZQR_GdiObjectHandle {
 public:
  // Holds nothing.
  ZQR_GdiObjectHandle() noexcept = default;
  // Shares Object (null: nothing) from now on; an Owned object is deleted
  // with the last share, also when this constructor fails for want of memory.
  ZQR_GdiObjectHandle(H Object, bool Owned) : Ref(NewBody(Object, Owned)) {}

  // The object, or null.
  H Get() const noexcept { return Ref.IsNull() ? H() : Ref->Object; }
  // Handles sharing the object; 0 for an empty handle.
  long GetReferenceCount() const noexcept { return Ref.GetReferenceCount(); }

 private:
  using Owner = ZQ_Owned<H, &ZQLOW_WINGDI::DeleteObject>;

  struct Body : ZQ_CountedBody {
    Body(H Object, Owner&& Deleter) noexcept : Object(Object), Deleter(std::move(Deleter)) {}
    const H Object;
    Owner Deleter;  // empty for a stock object
  };

  static Body* NewBody(H Object, bool Owned) {
    Owner deleter(Owned ? Object : H());
    return Object ? new Body(Object, std::move(deleter)) : nullptr;
  }

  ZQ_CountedHandle<Body> Ref;
};

#endif
