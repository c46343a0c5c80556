// ZQ_DebugLog.h: the debugging log, one text stream for the whole run.
// Assertion failures, failed Windows calls, reported errors and fatal-error
// reports are written to it through the formatter ZQ_DebugLog, and every
// writer flushes it after each entry. Everything written is also kept in
// memory (ZQ_GetDebugLogText) so that a fatal-error report can carry the whole
// log of the run; the copy is never trimmed.
// Until the log file is opened, the log's inner sink discards and the text
// lives in memory only. ZQ_InitializeDebugging opens the file (the
// executable's name with the extension "log", beside it or else in the
// temporary directory) and starts the fatal-error report's handlers;
// ZQ_DeinitializeDebugging undoes both. The file carries an opening and a
// closing banner that the in-memory copy does not.
// The log exists before any ordinary static initialiser runs and after every
// ordinary static destructor, so both may write to it. From its creation on,
// the assertion service writes its entries here (ZQ_SetAssertionLogHook).
// One thread only.
#ifndef ZQ_DEBUGLOG_H
#define ZQ_DEBUGLOG_H

#include "ZQ_Assertion.h"
#include "ZQ_FileName.h"
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

  // Opens the log file of the running executable: its absolute name with
  // the extension "log"; when that cannot be created, the same file name in
  // the temporary directory ("ZQ_DebugLog.log" when the executable has no
  // name); when that fails too, the log stays in memory only, silently. The
  // file is created anew and begins with "\nDebugging Log\n\n\n", which
  // the copy does not receive. Throws nothing but std::bad_alloc.
  void Open();
  // The same for another executable's name (an empty one included).
  void Open(const ZQ_FileName& ExecutableFileName);
  // Writes "\n\nEnd of Debugging Log\n\n" to the file (not to the copy),
  // flushes and closes it; from then on Inner discards again.
  void Close();
  // The log file in use; empty while the log lives in memory only.
  const ZQ_FileName& GetFileName() const { return FileName; }

 private:
  ZQ_StreamSink Inner;
  ZQ_String Copy;
  ZQ_FileName FileName;
};

// The formatter every writer of the log writes through.
extern ZQ_TextStreamFormatter ZQ_DebugLog;

// True from the creation of the log's sink to its destruction.
bool ZQ_DebugSinkExists();
// The log's sink, or null once it is gone.
ZQ_DebugStreamSinkReference* ZQ_GetDebugStreamSink();

// Everything written to the log during the run (empty once the sink is gone).
const ZQ_String& ZQ_GetDebugLogText();

// Makes the assertion service write its entries to the log (done once at
// start-up; returns the hook that was in place).
ZQ_AssertionLogHook ZQ_ConnectAssertionsToDebugLog();

// Writes one whole entry byte for byte (no format attributes apply), with a
// line end after it when it has none of its own, and flushes the log unless
// Flush is false.
void ZQ_WriteDebugLogEntry(const char* Text, long Length, bool Flush = true);
inline void ZQ_WriteDebugLogEntry(const ZQ_String& Entry, bool Flush = true) {
  ZQ_WriteDebugLogEntry(Entry.GetText(), Entry.GetLength(), Flush);
}

// Starts the debugging layer for the application's run; called once, after
// the Windows-API failure mode has been set to 0: opens the log file, sets
// assertion mode 2, installs the structured-exception filter, turns maths-
// error reporting on and fills the report values below. A second call is
// the assertion failure "CallCount == 1" (the steps run again if it returns).
void ZQ_InitializeDebugging();
// Ends it: assertion mode 1, filter removed, maths-error reporting off, and
// the log file closed with its closing banner.
void ZQ_DeinitializeDebugging();

// What the fatal-error report says about the program, filled by
// ZQ_InitializeDebugging: the application metrics' contact e-mail address,
// the executable's file name and its base name.
struct ZQ_DebuggingReportValues {
  ZQ_String ContactText;
  ZQ_FileName ExecutableFileName;
  ZQ_String ApplicationName;
};
ZQ_DebuggingReportValues& ZQ_GetDebuggingReportValues();

// Development mode: a marker file named after the executable, with
// "DevelopmentModeMarkerFile" after its base and the extension "txt", lies
// beside it (C:\Apps\MORV.exe: C:\Apps\MORVDevelopmentModeMarkerFile.txt).
// Its content is not read. Failed Windows calls throw in the running program.
bool DetermineIfInDevelopmentMode();
bool DetermineIfInDevelopmentMode(const ZQ_FileName& ExecutableFileName);
// The first answer of DetermineIfInDevelopmentMode, kept for the run.
bool ZQ_IsDevelopmentMode();

#endif
