#include <gtest/gtest.h>

#include "ZQ_Assertion.h"

// Violated preconditions throw ZQ_Exception in the tests, so that a test can
// catch and check them.
int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  ZQ_SetAssertionMode(3);
  return RUN_ALL_TESTS();
}
