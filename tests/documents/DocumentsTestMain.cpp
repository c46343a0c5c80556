#include <gtest/gtest.h>

#include "ZQLOW_WIN_Core.h"
#include "ZQ_Assertion.h"

// Violated preconditions throw ZQ_Exception in the tests, so that a test can
// catch and check them. The engine finds its DTD and pictures in the test
// program, as in any program that links it.
int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  ZQ_SetAssertionMode(3);
  ZQLOW_WIN_SetProgramInstanceHandle(GetModuleHandleA(nullptr));
  return RUN_ALL_TESTS();
}
