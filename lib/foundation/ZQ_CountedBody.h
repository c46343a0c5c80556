// ZQ_CountedBody.h: shared ownership of one heap object by counting. A body
// derives from ZQ_CountedBody, which keeps the number of handles sharing it
// (0 after construction, 1 for one handle). ZQ_CountedHandle<Body> holds one
// share: a copy adds one, and the handle that gives up the last share
// destroys the body (delete, or the Destroy function given). Streams,
// datatypes, record schemas and records, processes, print jobs, regular
// expressions and ZQ_CountedPtr are built on it, and so are resources that
// wrap a Windows object (the last share frees the object).
// A violated count is an assertion failure: Body::ReleaseCondition
// ("ReferenceCount > 0") when a share is given up that the count does not
// hold (nothing is freed then), "ReferenceCount == 0" when a body dies with
// shares left. Destructors only log them (ZQ_ASSERT_LOG_ONLY). Counts are
// plain integers: one thread only.
#ifndef ZQ_COUNTEDBODY_H
#define ZQ_COUNTEDBODY_H

#include "ZQ_Assertion.h"

class ZQ_CountedBody {
 public:
  ZQ_CountedBody(const ZQ_CountedBody&) = delete;
  ZQ_CountedBody& operator=(const ZQ_CountedBody&) = delete;

  // Handles that share the body.
  long GetReferenceCount() const noexcept { return ReferenceCount; }
  void AddReference() noexcept { ++ReferenceCount; }
  // Gives up one share; true when it was the last (the caller then destroys
  // the body). A count already at 0 fails Condition through Report and stays.
  bool Release(const char* Condition = ReleaseCondition,
               ZQ_AssertionReporter Report = &ZQ_ReportAssertionFailure);

  // The check of a release, as the failure names it; a body may hide it.
  static constexpr const char* ReleaseCondition = "ReferenceCount > 0";

 protected:
  ZQ_CountedBody() noexcept = default;
  // Logs "ReferenceCount == 0" when shares are left.
  ~ZQ_CountedBody();

 private:
  long ReferenceCount = 0;
};

// The default end of a body: delete. Out of line, so that GCC does not
// suspect later reads of a count that other handles still share
// (-Wuse-after-free).
template <class Body>
[[gnu::noinline]] void ZQ_DeleteCountedBody(Body* Shared) noexcept {
  delete Shared;
}

template <class Body, void (*Destroy)(Body*) noexcept = &ZQ_DeleteCountedBody<Body>>
class ZQ_CountedHandle {
 public:
  // Holds nothing.
  ZQ_CountedHandle() noexcept = default;
  // Takes a share of Shared (null for nothing), a body that Destroy can end.
  explicit ZQ_CountedHandle(Body* Shared) noexcept : Shared(Shared) {
    if (Shared) Shared->AddReference();
  }
  ZQ_CountedHandle(const ZQ_CountedHandle& Other) noexcept : ZQ_CountedHandle(Other.Shared) {}
  // Takes Other's share before it gives up its own: self-assignment is safe.
  ZQ_CountedHandle& operator=(const ZQ_CountedHandle& Other) {
    Reset(Other.Shared);
    return *this;
  }
  ~ZQ_CountedHandle() { GiveUp(Shared, &ZQ_LogAssertionFailure); }

  Body* Get() const noexcept { return Shared; }
  Body* operator->() const noexcept { return Shared; }
  Body& operator*() const noexcept { return *Shared; }
  bool IsNull() const noexcept { return Shared == nullptr; }
  // Handles sharing the body; 0 when this one holds nothing.
  long GetReferenceCount() const noexcept { return Shared ? Shared->GetReferenceCount() : 0; }
  bool operator==(const ZQ_CountedHandle& Other) const noexcept { return Shared == Other.Shared; }
  bool operator!=(const ZQ_CountedHandle& Other) const noexcept { return Shared != Other.Shared; }

  // Takes a share of NewShared (null for nothing), then gives up the share
  // held: the last one destroys its body.
  void Reset(Body* NewShared = nullptr) {
    if (NewShared) NewShared->AddReference();
    Body* const old = Shared;
    Shared = NewShared;
    GiveUp(old, &ZQ_ReportAssertionFailure);
  }

 private:
  static void GiveUp(Body* Old, ZQ_AssertionReporter Report) {
    if (Old && Old->Release(Body::ReleaseCondition, Report)) Destroy(Old);
  }

  Body* Shared = nullptr;
};

#endif
