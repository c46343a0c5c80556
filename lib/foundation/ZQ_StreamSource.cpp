#include "ZQ_StreamSource.h"

#include <cstring>
#include <memory>

#include "ZQ_Assertion.h"
#include "ZQ_StackTrace.h"

namespace {

// Assertion failures are reported under the module's name, not a build path.
const char kModule[] = "ZQ_StreamSource";

// The new position of a seek, computed wide so that no offset overflows.
long long SeekTarget(long long Position, long long Size, long Offset, int Origin, bool& Valid) {
  Valid = true;
  switch (Origin) {
    case 0: return Offset;
    case 1: return Position + Offset;
    case 2: return Size + Offset;
    default:
      Valid = false;
      return Position;
  }
}

// Skipping on a source that cannot seek reads the bytes: large skips go
// through a heap block of at most this size, so a huge count does not
// allocate its whole size at once.
const unsigned long kLocalSkipBuffer = 1024;
const unsigned long kMaxHeapSkipBuffer = 65536;

// Loading a whole stream reads in chunks of this size.
const unsigned long kLoadChunk = 32768;

}  // namespace

// ---------------------------------------------------------------------------
// Implementation bases

void ZQ_StreamSourceReference::Read(void*, unsigned long) {
  ZQ_TRACE_FUNCTION("ZQ_StreamSourceReference::Read");
  // The base has no bytes to give, whatever the answer.
  if (!IsDataAvailable()) ZQ_ReportAssertionFailure("IsDataAvailable ()", kModule, __LINE__);
}

bool ZQ_StreamSourceReference::IsDataAvailable() { return false; }

void ZQ_StreamSourceReference::Skip(unsigned long N) {
  ZQ_TRACE_FUNCTION("ZQ_StreamSourceReference::Skip");
  if (N <= kLocalSkipBuffer) {
    char buffer[kLocalSkipBuffer];
    Read(buffer, N);
    return;
  }
  const unsigned long blockSize = N < kMaxHeapSkipBuffer ? N : kMaxHeapSkipBuffer;
  const std::unique_ptr<char[]> block(new char[blockSize]);
  for (unsigned long left = N; left > 0;) {
    const unsigned long chunk = left < blockSize ? left : blockSize;
    Read(block.get(), chunk);
    left -= chunk;
  }
}

ZQ_StreamSourceReference::~ZQ_StreamSourceReference() = default;

bool ZQ_SeekableStreamSourceReference::IsDataAvailable() {
  ZQ_TRACE_FUNCTION("ZQ_SeekableStreamSourceReference::IsDataAvailable");
  return GetPosition() < GetSize();
}

void ZQ_SeekableStreamSourceReference::Skip(unsigned long N) {
  ZQ_TRACE_FUNCTION("ZQ_SeekableStreamSourceReference::Skip");
  Seek(static_cast<long>(N), 1);
}

void ZQ_SeekableStreamSourceReference::Seek(long, int) {
  ZQ_TRACE_FUNCTION("ZQ_SeekableStreamSourceReference::Seek");
  ZQ_ReportAssertionFailure("false", "ZQ_SeekableStreamSource", __LINE__);
}

unsigned long ZQ_SeekableStreamSourceReference::GetPosition() {
  ZQ_TRACE_FUNCTION("ZQ_SeekableStreamSourceReference::GetPosition");
  ZQ_ReportAssertionFailure("false", "ZQ_SeekableStreamSource", __LINE__);
  return 0;
}

unsigned long ZQ_SeekableStreamSourceReference::GetSize() {
  ZQ_TRACE_FUNCTION("ZQ_SeekableStreamSourceReference::GetSize");
  ZQ_ReportAssertionFailure("false", "ZQ_SeekableStreamSource", __LINE__);
  return 0;
}

const char* ZQ_SeekableStreamSourceReference::GetDataPointer() { return nullptr; }

// ---------------------------------------------------------------------------
// Handles

ZQ_StreamSource::ZQ_StreamSource() : Ref(new ZQ_StreamSourceReference) {}

ZQ_StreamSource::ZQ_StreamSource(ZQ_StreamSourceReference* Reference)
    : Ref(Reference) {}

ZQ_SeekableStreamSource::ZQ_SeekableStreamSource()
    : ZQ_StreamSource(new ZQ_SeekableStreamSourceReference) {}

ZQ_SeekableStreamSource::ZQ_SeekableStreamSource(ZQ_SeekableStreamSourceReference* Reference)
    : ZQ_StreamSource(Reference) {}

// ---------------------------------------------------------------------------
// String source

void ZQ_StringStreamSourceReference::Read(void* Dest, unsigned long N) {
  ZQ_TRACE_FUNCTION("ZQ_StringStreamSourceReference::Read");
  const unsigned long left = static_cast<unsigned long>(SourceString.GetLength() - Position);
  if (N > left) {
    // Nothing is read when the report returns: there is no byte to give.
    ZQ_ReportAssertionFailure("Position + NumBytes <= SourceString.GetLength()", kModule,
                              __LINE__);
    return;
  }
  std::memcpy(Dest, SourceString.GetText() + Position, N);
  Position += static_cast<long>(N);
}

void ZQ_StringStreamSourceReference::Seek(long Offset, int Origin) {
  ZQ_TRACE_FUNCTION("ZQ_StringStreamSourceReference::Seek");
  bool isOriginValid = true;
  const long long length = SourceString.GetLength();
  const long long target = SeekTarget(Position, length, Offset, Origin, isOriginValid);
  if (!isOriginValid) {
    ZQ_ReportAssertionFailure("false", kModule, __LINE__);
    return;
  }
  // A position outside the text is never kept: a later read would copy
  // from outside the string.
  if (!(0 <= target && target <= length)) {
    ZQ_ReportAssertionFailure("0 <= Position and Position <= SourceString.GetLength()", kModule,
                              __LINE__);
    return;
  }
  Position = static_cast<long>(target);
}

ZQ_SeekableStreamSource ZQ_CreateStringStreamSource(const ZQ_String& Source) {
  ZQ_TRACE_FUNCTION("ZQ_CreateStringStreamSource");
  return ZQ_SeekableStreamSource(new ZQ_StringStreamSourceReference(Source));
}

// ---------------------------------------------------------------------------
// Loading a whole stream

ZQ_String ZQ_LoadStreamIntoString(ZQ_SeekableStreamSource Source) {
  ZQ_TRACE_FUNCTION("ZQ_LoadStreamIntoString");
  // Only the bytes after the current position remain: a source that has been
  // read from has fewer than its size left.
  const unsigned long size = Source.GetSize();
  const unsigned long position = Source.GetPosition();
  const unsigned long remaining = position < size ? size - position : 0;
  // A string holds at most 2^31 - 1 bytes; a larger source fails on the
  // appends with std::bad_alloc.
  const unsigned long kMaxCapacity = 0x7FFFFFF0;
  ZQ_String result = ZQ_String::WithCapacity(
      static_cast<int>(remaining < kMaxCapacity - 16 ? remaining + 16 : kMaxCapacity));
  char buffer[kLoadChunk];
  for (unsigned long taken = 0; taken < remaining;) {
    const unsigned long chunk = remaining - taken < kLoadChunk ? remaining - taken : kLoadChunk;
    Source.Read(buffer, chunk);
    result.Append(buffer, static_cast<int>(chunk));
    taken += chunk;
  }
  return result;
}
