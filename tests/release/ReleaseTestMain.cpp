#include <gtest/gtest.h>

#include "ZQLOW_WIN_Core.h"
#include "ZQ_Assertion.h"

// Violated preconditions and failed Windows calls throw ZQ_Exception in the
// tests, so that a test can catch and check them.
int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  // The report DTD and the released images are resources of this program.
  ZQLOW_WIN_SetProgramInstanceHandle(GetModuleHandleA(nullptr));
  ZQ_SetAssertionMode(3);
  ZQLOW_WIN_SetAPIFunctionFailureMode(0);
  return RUN_ALL_TESTS();
}
