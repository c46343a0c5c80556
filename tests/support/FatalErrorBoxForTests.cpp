// A fatal-error report in a test executable must not wait for a user at its
// stop box: the box's text goes to stderr instead, where a failing run shows
// it.
#include <cstdio>

#include "ZQ_FatalError.h"

namespace {

void WriteStopBoxToStderr(const char* Text, const char* Title) {
  std::fprintf(stderr, "Stop box \"%s\":\n%s\n", Title, Text);
  std::fflush(stderr);
}

const ZQ_FatalErrorBoxFunction s_previousBox = ZQ_SetFatalErrorBoxFunction(&WriteStopBoxToStderr);

}  // namespace
