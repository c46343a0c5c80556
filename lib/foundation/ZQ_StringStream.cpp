#include "ZQ_StringStream.h"

#include "ZQ_NumberText.h"
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

// Without a format a fresh stream writes numbers with the default attributes
// in one piece: the same text, made without the stream, in a string of the
// capacity the stream's one write would give it.
ZQ_String DecimalText(unsigned long Magnitude, bool Negative) {
  char digits[40];
  const int length = ZQ_NumberText_FormatInteger(Magnitude, Negative, 10, digits);
  return ZQ_String(digits, length, nullptr, 0);
}

ZQ_String SignedToString(long Value, const ZQ_String& Format) {
  if (!Format.IsEmpty()) return ToString(Value, Format);
  if (Value < 0) return DecimalText(0ul - static_cast<unsigned long>(Value), true);
  return DecimalText(static_cast<unsigned long>(Value), false);
}

ZQ_String UnsignedToString(unsigned long Value, const ZQ_String& Format) {
  if (!Format.IsEmpty()) return ToString(Value, Format);
  return DecimalText(Value, false);
}

ZQ_String DoubleToString(double Value, const ZQ_String& Format) {
  if (!Format.IsEmpty()) return ToString(Value, Format);
  bool isFixed;
  return ZQ_TextStreamFormatter::FormatDouble(Value, ZQ_DoubleTextFormat(), isFixed);
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
ZQ_String ZQ_ToString(short Value, const ZQ_String& Format) {
  return SignedToString(Value, Format);
}
ZQ_String ZQ_ToString(int Value, const ZQ_String& Format) { return SignedToString(Value, Format); }
ZQ_String ZQ_ToString(long Value, const ZQ_String& Format) { return SignedToString(Value, Format); }
ZQ_String ZQ_ToString(unsigned char Value, const ZQ_String& Format) {
  return UnsignedToString(Value, Format);
}
ZQ_String ZQ_ToString(unsigned short Value, const ZQ_String& Format) {
  return UnsignedToString(Value, Format);
}
ZQ_String ZQ_ToString(unsigned int Value, const ZQ_String& Format) {
  return UnsignedToString(Value, Format);
}
ZQ_String ZQ_ToString(unsigned long Value, const ZQ_String& Format) {
  return UnsignedToString(Value, Format);
}
ZQ_String ZQ_ToString(float Value, const ZQ_String& Format) {
  return DoubleToString(static_cast<double>(Value), Format);
}
ZQ_String ZQ_ToString(double Value, const ZQ_String& Format) {
  return DoubleToString(Value, Format);
}
ZQ_String ZQ_ToString(bool Value, const ZQ_String& Format) { return ToString(Value, Format); }
