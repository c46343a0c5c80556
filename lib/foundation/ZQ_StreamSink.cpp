#include "ZQ_StreamSink.h"

#include <climits>

#include "ZQ_Assertion.h"
#include "ZQ_StackTrace.h"
#include "ZQ_String.h"

void ZQ_StreamSinkReference::Write(const void*, unsigned long) {}
void ZQ_StreamSinkReference::Flush() {}
void ZQ_StreamSinkReference::Reserve(unsigned long) {}
ZQ_StreamSinkReference::~ZQ_StreamSinkReference() = default;

bool ZQ_SeekableStreamSinkReference::IsBeforeEnd() {
  ZQ_TRACE_FUNCTION("ZQ_SeekableStreamSinkReference::IsBeforeEnd");
  return GetPosition() < GetSize();
}

void ZQ_SeekableStreamSinkReference::Seek(long, int) {
  ZQ_TRACE_FUNCTION("ZQ_SeekableStreamSinkReference::Seek");
  ZQ_ReportAssertionFailure("false", "ZQ_SeekableStreamSink", __LINE__);
}

unsigned long ZQ_SeekableStreamSinkReference::GetPosition() {
  ZQ_TRACE_FUNCTION("ZQ_SeekableStreamSinkReference::GetPosition");
  ZQ_ReportAssertionFailure("false", "ZQ_SeekableStreamSink", __LINE__);
  return 0;
}

unsigned long ZQ_SeekableStreamSinkReference::GetSize() {
  ZQ_TRACE_FUNCTION("ZQ_SeekableStreamSinkReference::GetSize");
  ZQ_ReportAssertionFailure("false", "ZQ_SeekableStreamSink", __LINE__);
  return 0;
}

ZQ_StreamSink::ZQ_StreamSink() : Ref(new ZQ_StreamSinkReference) {}

ZQ_StreamSink::ZQ_StreamSink(ZQ_StreamSinkReference* Reference) : Ref(Reference) {}

ZQ_SeekableStreamSink::ZQ_SeekableStreamSink()
    : ZQ_StreamSink(new ZQ_SeekableStreamSinkReference) {}

ZQ_SeekableStreamSink::ZQ_SeekableStreamSink(ZQ_SeekableStreamSinkReference* Reference)
    : ZQ_StreamSink(Reference) {}

void ZQ_StringStreamSinkReference::Write(const void* Data, unsigned long N) {
  ZQ_TRACE_FUNCTION("ZQ_StringStreamSinkReference::Write");
  // Repeated appends: never give the buffer back.
  Target->ReplaceWithoutShrinking(Target->GetLength(), 0, static_cast<const char*>(Data),
                                  static_cast<int>(N));
}

void ZQ_StringStreamSinkReference::Reserve(unsigned long N) {
  ZQ_TRACE_FUNCTION("ZQ_StringStreamSinkReference::Reserve");
  const unsigned long needed = static_cast<unsigned long>(Target->GetLength()) + N;
  // A hint beyond what a string can hold is left to the writes to fail.
  if (N > static_cast<unsigned long>(INT_MAX) || needed > static_cast<unsigned long>(INT_MAX)) return;
  if (needed > static_cast<unsigned long>(Target->GetCapacity()))
    Target->Reallocate(ZQ_String::ComputeCapacity(static_cast<int>(needed)));
}

ZQ_StringStreamSinkReference::~ZQ_StringStreamSinkReference() = default;

ZQ_StreamSink ZQ_CreateStringStreamSink(ZQ_String* Target) {
  ZQ_TRACE_FUNCTION("ZQ_CreateStringStreamSink");
  return ZQ_StreamSink(new ZQ_StringStreamSinkReference(Target));
}
