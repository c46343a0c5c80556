#include "ZQ_CallbackGuard.h"

#include <exception>

#include "ZQ_DebugLog.h"
#include "ZQ_Exception.h"

namespace {

std::exception_ptr s_parkedException;

// The text of the exception being handled.
ZQ_String CurrentExceptionText() {
  try {
    throw;
  } catch (const ZQ_Exception& e) {
    return e.GetDescription();
  } catch (const std::exception& e) {
    return ZQ_String(e.what());
  } catch (const ZQ_CancelCurrentOperationException&) {
    return ZQ_String("operation cancelled");
  } catch (...) {
    return ZQ_String("unknown exception");
  }
}

}  // namespace

void ZQ_ParkCurrentCallbackException() noexcept {
  if (!s_parkedException) {
    s_parkedException = std::current_exception();
    return;
  }
  // Only one exception can go on from the loop: the first, which caused the
  // others as often as not. The log keeps the rest.
  try {
    ZQ_WriteDebugLogEntry("Callback exception dropped while another waits: " +
                          CurrentExceptionText() + "\n");
  } catch (...) {
  }
}

void ZQ_RethrowParkedCallbackException() {
  if (!s_parkedException) return;
  const std::exception_ptr parked = s_parkedException;
  s_parkedException = nullptr;
  std::rethrow_exception(parked);
}
