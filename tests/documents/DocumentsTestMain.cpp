#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

#include "ZQLOW_WIN_Core.h"
#include "ZQXTR_Stylesheet.h"
#include "ZQ_Assertion.h"

// Set by "--rewrite-golden": the golden-file tests write what they produce
// instead of comparing it; review the diff before committing.
bool g_RewriteGoldenFiles = false;

// Violated preconditions throw ZQ_Exception in the tests, so that a test can
// catch and check them. The engine finds its DTD and pictures in the test
// program, as in any program that links it.
int main(int argc, char** argv) {
  // Before anything can take a mode: the counter's first value is 1001.
  const int firstMode = ZQXTR_GetNewRuleMode();
  if (firstMode != 1001) {
    std::fprintf(stderr, "The first rule mode was %d, not 1001.\n", firstMode);
    return 1;
  }
  testing::InitGoogleTest(&argc, argv);
  for (int i = 1; i < argc; ++i)
    if (std::strcmp(argv[i], "--rewrite-golden") == 0) g_RewriteGoldenFiles = true;
  ZQ_SetAssertionMode(3);
  ZQLOW_WIN_SetProgramInstanceHandle(GetModuleHandleA(nullptr));
  return RUN_ALL_TESTS();
}
