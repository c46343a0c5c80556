// StringTestSupport.h: a ZQ_String's contents as std::string, so tests can
// compare texts with gtest and see them in failure messages (embedded zero
// characters are kept); and a prefix test for messages.
#ifndef STRING_TEST_SUPPORT_H
#define STRING_TEST_SUPPORT_H

#include <string>

#include "ZQ_String.h"

inline std::string Text(const ZQ_String& S) { return std::string(S.GetText(), S.GetLength()); }

inline bool StartsWith(const std::string& Text, const std::string& Prefix) {
  return Text.compare(0, Prefix.size(), Prefix) == 0;
}

#endif
