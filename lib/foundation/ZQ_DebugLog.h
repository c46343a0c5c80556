// ZQ_DebugLog.h: the debugging log, one text stream for the whole run.
// Assertion failures, failed Windows calls, reported errors and fatal-error
// reports are written to it through the formatter ZQ_DebugLog, and every
// writer flushes it after each entry. Everything written is also kept in
// memory (ZQ_GetDebugLogText) so that a fatal-error report can carry the whole
// log of the run; the copy is never trimmed.
// Until the log file is opened, the log's inner sink discards and the text
// lives in memory only.
// The log exists before any ordinary static initialiser runs and after every
// ordinary static destructor, so both may write to it. From its creation on,
// the assertion service writes its entries here (ZQ_SetAssertionLogHook).
// One thread only.
#ifndef ZQ_DEBUGLOG_H
#define ZQ_DEBUGLOG_H

#include "ZQ_Assertion.h"
#include "ZQ_StreamSink.h"
#include "ZQ_String.h"
#include "ZQ_TextStreamFormatter.h"

// The log's sink: hands every write to Inner (the log file once it is open,
// until then a sink that discards) and appends it to Copy.
class ZQ_DebugStreamSinkReference : public ZQ_StreamSinkReference {
 public:
  ZQ_DebugStreamSinkReference();
  ~ZQ_DebugStreamSinkReference() override;
  void Write(const void* Data, unsigned long N) override;
  void Flush() override;  // flushes Inner
  const ZQ_String& GetCopy() const { return Copy; }

 private:
  ZQ_StreamSink Inner;
  ZQ_String Copy;
};

// The formatter every writer of the log writes through.
extern ZQ_TextStreamFormatter ZQ_DebugLog;

// True from the creation of the log's sink to its destruction.
bool ZQ_DebugSinkExists();

// Everything written to the log during the run (empty once the sink is gone).
const ZQ_String& ZQ_GetDebugLogText();

// Makes the assertion service write its entries to the log (done once at
// start-up; returns the hook that was in place).
ZQ_AssertionLogHook ZQ_ConnectAssertionsToDebugLog();

// Writes one whole entry byte for byte (no format attributes apply) and
// flushes the log unless Flush is false.
void ZQ_WriteDebugLogEntry(const char* Text, long Length, bool Flush = true);
inline void ZQ_WriteDebugLogEntry(const ZQ_String& Entry, bool Flush = true) {
  ZQ_WriteDebugLogEntry(Entry.GetText(), Entry.GetLength(), Flush);
}

#endif
