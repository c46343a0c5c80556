#include "ZQ_StackTrace.h"

#include <cstring>
#include <new>

#include "ZQ_Assertion.h"
#include "ZQ_String.h"

namespace {
// Top and Limit start here, so the first push passes the limit and grows the
// stack before it writes anything. Constant-initialised: pushes made by other
// static initialisers find it in place.
ZQ_StackTraceEntry s_placeholder;
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
