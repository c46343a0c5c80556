#include "ZQ_DebugLog.h"

#include "ZQ_Assertion.h"
#include "ZQ_StackTrace.h"
#include "ZQ_StringStream.h"

namespace {

ZQ_DebugStreamSinkReference* s_debugSink = nullptr;

// Stands in for the copy once the sink is gone.
const ZQ_String& EmptyText() {
  static const ZQ_String* s_empty = new ZQ_String;
  return *s_empty;
}

void WriteAssertionEntry(const char* Text, long Length) {
  ZQ_WriteDebugLogEntry(Text, Length, true);
}

// Connects the assertion service to the log for as long as the log exists.
class AssertionLogConnection {
 public:
  AssertionLogConnection() { Previous = ZQ_ConnectAssertionsToDebugLog(); }
  ~AssertionLogConnection() {
    if (ZQ_SetAssertionLogHook(Previous) != &WriteAssertionEntry)
      ZQ_SetAssertionLogHook(nullptr);  // someone replaced it: fall back
  }

 private:
  ZQ_AssertionLogHook Previous = nullptr;
};

// Watched-variable formatters of the trace stack for the built-in types.
ZQ_String FormatString(const void* Address) {
  return "\"" + *static_cast<const ZQ_String*>(Address) + "\"";
}
ZQ_String FormatText(const void* Address) {
  const char* text = *static_cast<const char* const*>(Address);
  return text ? ZQ_String(text) : ZQ_String("NULL");
}
ZQ_String FormatChar(const void* Address) {
  return ZQ_String(*static_cast<const char*>(Address));
}
template <class T>
ZQ_String FormatNumber(const void* Address) {
  return ZQ_ToString(*static_cast<const T*>(Address));
}
ZQ_String FormatDouble(const void* Address) {
  return ZQ_ToString(*static_cast<const double*>(Address), "#17");
}
ZQ_String FormatFloat(const void* Address) {
  return ZQ_ToString(*static_cast<const float*>(Address), "#9");
}

}  // namespace

// Created before, and destroyed after, every object of default priority
// (GCC init_priority; lower numbers are constructed first). The sink is
// created with new and owned by the formatter's handle.
__attribute__((init_priority(1000))) ZQ_TextStreamFormatter ZQ_DebugLog(
    ZQ_StreamSink(new ZQ_DebugStreamSinkReference));

namespace {
__attribute__((init_priority(1001))) AssertionLogConnection s_assertionLogConnection;

const ZQ_StackTrace_RegisterVarFormatter s_formatters[] = {
    {0, &FormatString},
    {1, &FormatText},
    {2, &FormatChar},
    {3, &FormatChar},
    {4, &FormatNumber<short>},
    {5, &FormatNumber<int>},
    {6, &FormatNumber<long>},
    {7, &FormatNumber<unsigned char>},
    {8, &FormatNumber<unsigned short>},
    {9, &FormatNumber<unsigned int>},
    {10, &FormatNumber<unsigned long>},
    {11, &FormatDouble},
    {12, &FormatFloat},
    {13, &FormatNumber<bool>},
};
}  // namespace

ZQ_DebugStreamSinkReference::ZQ_DebugStreamSinkReference() { s_debugSink = this; }

ZQ_DebugStreamSinkReference::~ZQ_DebugStreamSinkReference() {
  if (s_debugSink == this) s_debugSink = nullptr;
}

void ZQ_DebugStreamSinkReference::Write(const void* Data, unsigned long N) {
  ZQ_TRACE_FUNCTION("ZQ_DebugStreamSinkReference::Write");
  Inner.Write(Data, N);
  Copy.ReplaceWithoutShrinking(Copy.GetLength(), 0, static_cast<const char*>(Data),
                               static_cast<int>(N));
}

void ZQ_DebugStreamSinkReference::Flush() {
  ZQ_TRACE_FUNCTION("ZQ_DebugStreamSinkReference::Flush");
  Inner.Flush();
}

ZQ_AssertionLogHook ZQ_ConnectAssertionsToDebugLog() {
  return ZQ_SetAssertionLogHook(&WriteAssertionEntry);
}

bool ZQ_DebugSinkExists() { return s_debugSink != nullptr; }

const ZQ_String& ZQ_GetDebugLogText() {
  return s_debugSink ? s_debugSink->GetCopy() : EmptyText();
}

void ZQ_WriteDebugLogEntry(const char* Text, long Length, bool Flush) {
  ZQ_TRACE_FUNCTION("ZQ_WriteDebugLogEntry");
  if (!s_debugSink || Length <= 0) return;
  ZQ_DebugLog.GetSink().Write(Text, static_cast<unsigned long>(Length));
  if (Flush) ZQ_DebugLog.Flush();
}
