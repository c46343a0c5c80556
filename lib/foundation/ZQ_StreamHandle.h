// ZQ_StreamHandle.h: ZQ_StreamHandle<Reference>, the share counting that the
// stream handles (ZQ_StreamSink, ZQ_StreamSource) are built on. A handle
// holds one share of a Reference object created with new; copies add a
// share, and the last share to go deletes the object. Reference keeps the
// count in its member ReferenceCount and befriends this template. A count
// already at 0 fails the assertion "ReferenceCount > 0". Counts are plain
// integers: one thread only.
#ifndef ZQ_STREAMHANDLE_H
#define ZQ_STREAMHANDLE_H

#include "ZQ_Assertion.h"
#include "ZQ_StackTrace.h"

template <class Reference>
class ZQ_StreamHandle {
 public:
  Reference* GetReference() const { return Ref; }

 protected:
  // Takes a share of Shared, an object created with new (not null).
  explicit ZQ_StreamHandle(Reference* Shared) : Ref(Shared) { ++Ref->ReferenceCount; }
  ZQ_StreamHandle(const ZQ_StreamHandle& Other) : Ref(Other.Ref) { ++Ref->ReferenceCount; }
  // Adds to Other's object before it releases its own: self-assignment is safe.
  ZQ_StreamHandle& operator=(const ZQ_StreamHandle& Other) {
    ZQ_TRACE_FUNCTION("ZQ_StreamHandle::operator=");
    ++Other.Ref->ReferenceCount;
    Reference* const old = Ref;
    Ref = Other.Ref;
    Release(old);
    return *this;
  }
  ~ZQ_StreamHandle() {
    ZQ_TRACE_FUNCTION("ZQ_StreamHandle::~ZQ_StreamHandle");
    try {
      Release(Ref);
    } catch (...) {
      // Only the assertion on the count can throw here (tests' mode 3).
    }
  }

  Reference* Ref;

 private:
  static void Release(Reference* Shared) {
    if (!(Shared->ReferenceCount > 0))
      ZQ_ReportAssertionFailure("ReferenceCount > 0", "ZQ_StreamHandle", __LINE__);
    if (Shared->ReferenceCount-- == 1) delete Shared;
  }
};

#endif
