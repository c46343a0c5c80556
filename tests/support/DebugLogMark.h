// DebugLogMark.h: what the debugging log received since a point of a test.
#ifndef DEBUG_LOG_MARK_H
#define DEBUG_LOG_MARK_H

#include <string>

#include "ZQ_DebugLog.h"

class LogMark {
 public:
  LogMark() : Start(ZQ_GetDebugLogText().GetLength()) {}
  std::string Since() const {
    const ZQ_String& text = ZQ_GetDebugLogText();
    return std::string(text.GetText() + Start, text.GetLength() - Start);
  }

 private:
  int Start;
};

#endif
