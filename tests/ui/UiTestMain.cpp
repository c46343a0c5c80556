#include <gtest/gtest.h>

#include "ZQLOW_WIN_Core.h"
#include "ZQ_Assertion.h"

// Violated preconditions throw ZQ_Exception in the tests, so that a test can
// catch and check them. The toolkit finds its resources in the test program.
int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  ZQ_SetAssertionMode(3);
  ZQLOW_WIN_SetProgramInstanceHandle(GetModuleHandleA(nullptr));
  return RUN_ALL_TESTS();
}
