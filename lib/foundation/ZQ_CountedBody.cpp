#include "ZQ_CountedBody.h"

bool ZQ_CountedBody::Release(const char* Condition, ZQ_AssertionReporter Report) {
  if (ReferenceCount <= 0) {
    // Already released by every owner: freeing it again would free it twice.
    Report(Condition, __FILE__, __LINE__);
    return false;
  }
  return --ReferenceCount == 0;
}

ZQ_CountedBody::~ZQ_CountedBody() { ZQ_ASSERT_LOG_ONLY(ReferenceCount == 0); }
