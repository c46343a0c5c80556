#include "ZQ_CallbackGuard.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "DebugLogMark.h"
#include "ZQ_Exception.h"

namespace {

// The description of the parked ZQ_Exception, "" when none is parked.
std::string RethrownDescription() {
  try {
    ZQ_RethrowParkedCallbackException();
  } catch (const ZQ_Exception& e) {
    return e.GetDescription().GetText();
  }
  return "";
}

int ThrowSensorFailure() { throw ZQ_Exception("Tick failure", "The sensor stopped answering."); }

}  // namespace

TEST(ZQ_CallbackGuard, ReturnsTheResultOrParksTheExceptionAndReturnsTheNeutralResult) {
  EXPECT_EQ(ZQ_CallbackGuard(-1, [] { return 7; }), 7);
  EXPECT_EQ(RethrownDescription(), "") << "nothing parked";

  EXPECT_EQ(ZQ_CallbackGuard(-1, &ThrowSensorFailure), -1);
  EXPECT_EQ(RethrownDescription(), "The sensor stopped answering.");
  EXPECT_EQ(RethrownDescription(), "") << "rethrown once only";
}

TEST(ZQ_CallbackGuard, ExceptionsWhileOneWaitsAreLoggedWithTheirTextAndDropped) {
  const struct {
    void (*Throw)();
    const char* logged;
  } kCases[] = {
      {[] { throw ZQ_Exception("Second", "The second failure."); }, "The second failure."},
      {[] { throw ZQ_Exception("Only a name", ""); }, "Only a name"},
      {[] { throw std::runtime_error("runtime text"); }, "runtime text"},
      {[] { throw ZQ_CancelCurrentOperationException(); }, "operation cancelled"},
      {[] { throw 42; }, "unknown exception"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.logged);
    const LogMark mark;
    ZQ_CallbackGuard(0, &ThrowSensorFailure);
    ZQ_CallbackGuard(c.Throw);
    EXPECT_EQ(mark.Since(),
              std::string("Callback exception dropped while another waits: ") + c.logged + "\n");
    EXPECT_EQ(RethrownDescription(), "The sensor stopped answering.") << "the first goes on";
    EXPECT_EQ(RethrownDescription(), "");
  }
}
