#include "ZQ_StringStream.h"

#include "ZQ_StackTrace.h"
#include "ZQ_TextStreamFormatterManipulator.h"

namespace {

template <class T>
ZQ_String ToString(const T& Value, const ZQ_String& Format) {
  ZQ_StringStream stream;
  if (!Format.IsEmpty()) stream << ZQ_SetFormat(Format);
  stream << Value;
  return stream;
}

}  // namespace

ZQ_StringStream::ZQ_StringStream(int InitialCapacity)
    : ZQ_String(ZQ_String::WithCapacity(InitialCapacity)),
      ZQ_TextStreamFormatter(ZQ_CreateStringStreamSink(static_cast<ZQ_String*>(this))) {}

ZQ_StringStream::~ZQ_StringStream() = default;

ZQ_StringStream& ZQ_StringStream::operator=(const char* Text) {
  ZQ_String::operator=(Text);
  return *this;
}

ZQ_StringStream& ZQ_StringStream::operator=(const ZQ_String& Text) {
  ZQ_String::operator=(Text);
  return *this;
}

ZQ_String ZQ_ToString(char Value, const ZQ_String& Format) { return ToString(Value, Format); }
ZQ_String ZQ_ToString(short Value, const ZQ_String& Format) { return ToString(Value, Format); }
ZQ_String ZQ_ToString(int Value, const ZQ_String& Format) { return ToString(Value, Format); }
ZQ_String ZQ_ToString(long Value, const ZQ_String& Format) { return ToString(Value, Format); }
ZQ_String ZQ_ToString(unsigned char Value, const ZQ_String& Format) {
  return ToString(Value, Format);
}
ZQ_String ZQ_ToString(unsigned short Value, const ZQ_String& Format) {
  return ToString(Value, Format);
}
ZQ_String ZQ_ToString(unsigned int Value, const ZQ_String& Format) {
  return ToString(Value, Format);
}
ZQ_String ZQ_ToString(unsigned long Value, const ZQ_String& Format) {
  return ToString(Value, Format);
}
ZQ_String ZQ_ToString(float Value, const ZQ_String& Format) {
  return ToString(static_cast<double>(Value), Format);
}
ZQ_String ZQ_ToString(double Value, const ZQ_String& Format) { return ToString(Value, Format); }
ZQ_String ZQ_ToString(bool Value, const ZQ_String& Format) { return ToString(Value, Format); }
