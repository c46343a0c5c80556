#include "ZQ_BinaryStreamSink.h"

#include "ZQ_StackTrace.h"
#include "ZQ_String.h"

namespace {

// The form's widths are those of this 32-bit target.
static_assert(sizeof(bool) == 1 && sizeof(short) == 2 && sizeof(int) == 4 && sizeof(long) == 4 &&
                  sizeof(double) == 8,
              "the binary form assumes the 32-bit Windows type sizes");

template <class T>
ZQ_StreamSink& WriteBytes(ZQ_StreamSink& Sink, const T& Value) {
  Sink.Write(&Value, sizeof Value);
  return Sink;
}

}  // namespace

ZQ_StreamSink& operator<<(ZQ_StreamSink& Sink, bool Value) { return WriteBytes(Sink, Value); }
ZQ_StreamSink& operator<<(ZQ_StreamSink& Sink, short Value) { return WriteBytes(Sink, Value); }
ZQ_StreamSink& operator<<(ZQ_StreamSink& Sink, unsigned short Value) {
  return WriteBytes(Sink, Value);
}
ZQ_StreamSink& operator<<(ZQ_StreamSink& Sink, int Value) { return WriteBytes(Sink, Value); }
ZQ_StreamSink& operator<<(ZQ_StreamSink& Sink, unsigned int Value) {
  return WriteBytes(Sink, Value);
}
ZQ_StreamSink& operator<<(ZQ_StreamSink& Sink, long Value) { return WriteBytes(Sink, Value); }
ZQ_StreamSink& operator<<(ZQ_StreamSink& Sink, unsigned long Value) {
  return WriteBytes(Sink, Value);
}
ZQ_StreamSink& operator<<(ZQ_StreamSink& Sink, double Value) { return WriteBytes(Sink, Value); }

ZQ_StreamSink& operator<<(ZQ_StreamSink& Sink, const ZQ_String& Value) {
  ZQ_TRACE_FUNCTION("operator<<(ZQ_StreamSink&, const ZQ_String&)");
  const long length = Value.GetLength();
  Sink.Write(&length, sizeof length);
  Sink.Write(Value.GetText(), static_cast<unsigned long>(length));
  return Sink;
}
