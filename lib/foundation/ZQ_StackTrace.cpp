#include "ZQ_StackTrace.h"

#include <cstring>
#include <new>

#include "ZQ_Assertion.h"
#include "ZQ_String.h"
#include "ZQ_StringStream.h"
#include "ZQ_TextStreamFormatter.h"

namespace {
// Top and Limit start here, so the first push passes the limit and grows the
// stack before it writes anything. Constant-initialised: pushes made by other
// static initialisers find it in place.
ZQ_StackTraceEntry s_placeholder;
// Numbers go through a fresh stream: the dump's own format attributes (a
// width, a radix) must not change them.
void WriteNumber(ZQ_TextStreamFormatter& Out, long Value) {
  Out << ZQ_ToString(Value).GetText();
}

void WriteEntry(ZQ_TextStreamFormatter& Out, const ZQ_StackTraceEntry& Entry) {
  const char* text = Entry.Text ? Entry.Text : "";
  switch (Entry.Kind) {
    case -1:
      Out << "    " << text;
      return;
    case -2:
      Out << "        " << text << ", line ";
      WriteNumber(Out, static_cast<long>(Entry.Value));
      return;
    case -3: {
      const char* note = reinterpret_cast<const char*>(Entry.Value);
      Out << "        " << text << ", " << (note ? note : "");
      return;
    }
    default:
      break;
  }
  if (Entry.Kind < 0 || Entry.Kind >= ZQ_StackTrace_VarFormatterFunTableSize) {
    Out << "        Unknown Type Code ";
    WriteNumber(Out, Entry.Kind);
    return;
  }
  Out << "        " << text << " = ";
  const ZQ_StackTrace_VarFormatter formatter = ZQ_StackTrace_VarFormatterFunTable[Entry.Kind];
  if (!formatter) {
    Out << "NO FORMATTER";
    return;
  }
  const ZQ_String value = formatter(reinterpret_cast<const void*>(Entry.Value));
  Out.GetSink().Write(value.GetText(), static_cast<unsigned long>(value.GetLength()));
}

}  // namespace

ZQ_StackTraceEntry* ZQ_StackTrace_Base = nullptr;
ZQ_StackTraceEntry* ZQ_StackTrace_Top = &s_placeholder;
ZQ_StackTraceEntry* ZQ_StackTrace_Limit = &s_placeholder;

ZQ_StackTrace_VarFormatter
    ZQ_StackTrace_VarFormatterFunTable[ZQ_StackTrace_VarFormatterFunTableSize] = {};

void ZQ_StackTrace_GrowStack() {
  // Entry 0 is never written, so an array of N entries holds N - 1.
  const std::ptrdiff_t oldSize =
      ZQ_StackTrace_Base ? ZQ_StackTrace_Top - ZQ_StackTrace_Base : 0;
  const std::ptrdiff_t newSize = ZQ_StackTrace_Base ? 2 * oldSize : 2;
  void* block;
  try {
    block = ::operator new(sizeof(ZQ_StackTraceEntry) * newSize);
  } catch (...) {
    // Undo the push, so that the stack stays consistent for the handler.
    --ZQ_StackTrace_Top;
    throw;
  }
  ZQ_StackTraceEntry* newBase = static_cast<ZQ_StackTraceEntry*>(block);
  if (ZQ_StackTrace_Base) {
    std::memcpy(newBase + 1, ZQ_StackTrace_Base + 1,
                sizeof(ZQ_StackTraceEntry) * (oldSize - 1));
    ::operator delete(ZQ_StackTrace_Base);
    ZQ_StackTrace_Top = newBase + oldSize;
  } else {
    ZQ_StackTrace_Top = newBase + 1;
  }
  ZQ_StackTrace_Base = newBase;
  ZQ_StackTrace_Limit = newBase + newSize - 1;
}

ZQ_StackTrace_RegisterVarFormatter::ZQ_StackTrace_RegisterVarFormatter(
    long TypeCode, ZQ_StackTrace_VarFormatter Formatter) {
  ZQ_TRACE_FUNCTION("ZQ_StackTrace_RegisterVarFormatter");
  ZQ_ASSERT(0 <= TypeCode and TypeCode < ZQ_StackTrace_VarFormatterFunTableSize);
  if (0 <= TypeCode && TypeCode < ZQ_StackTrace_VarFormatterFunTableSize) {
    ZQ_ASSERT(ZQ_StackTrace_VarFormatterFunTable [TypeCode] == NULL);
    ZQ_StackTrace_VarFormatterFunTable[TypeCode] = Formatter;
  }
}

void ZQ_StackTrace_Dump(ZQ_TextStreamFormatter& Out) {
  Out.NewLine();
  Out << "Stack:";
  Out.NewLine();
  Out.NewLine();
  // Formatters keep frames of their own and may grow (and so move) the
  // array: walk it by index, over the entries present when the dump began.
  const long depth = ZQ_StackTrace_GetDepth();
  for (long i = 1; i <= depth; ++i) {
    const ZQ_StackTraceEntry entry = ZQ_StackTrace_Base[i];
    try {
      WriteEntry(Out, entry);
    } catch (...) {
      Out << "    BAD STACK ITEM";
    }
    Out.NewLine();
  }
  Out.NewLine();
}
