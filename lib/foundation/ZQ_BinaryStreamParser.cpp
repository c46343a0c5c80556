#include "ZQ_BinaryStreamParser.h"

#include <typeinfo>

#include "ZQ_Exception.h"
#include "ZQ_Internationalization.h"
#include "ZQ_StackTrace.h"
#include "ZQ_StringStream.h"

namespace {

// A string on a source that cannot tell its size is read in pieces of this
// size, so that memory grows only as far as the data really goes.
const unsigned long kStringPiece = 4096;

}  // namespace

ZQ_BinaryStreamParser::ZQ_BinaryStreamParser(const ZQ_StreamSource& Source)
    : ZQ_StreamParser(Source) {}

void ZQ_BinaryStreamParser::ThrowDamagedData(const ZQ_String& Description) {
  throw ZQ_Exception(ZQ_Internationalization_Translate("Damaged data"), Description);
}

bool ZQ_BinaryStreamParser::GetRemainingBytes(unsigned long& Remaining) {
  ZQ_TRACE_FUNCTION("ZQ_BinaryStreamParser::GetRemainingBytes");
  auto* seekable = dynamic_cast<ZQ_SeekableStreamSourceReference*>(Source.GetReference());
  if (!seekable) return false;
  // The bare seekable base has no size: it would only fail its assertion.
  if (typeid(*seekable) == typeid(ZQ_SeekableStreamSourceReference)) return false;
  const unsigned long size = seekable->GetSize();
  const unsigned long position = seekable->GetPosition();
  Remaining = position < size ? size - position : 0;
  return true;
}

void ZQ_BinaryStreamParser::ReadBytes(void* Dest, unsigned long N) {
  ZQ_TRACE_FUNCTION("ZQ_BinaryStreamParser::ReadBytes");
  unsigned long remaining = 0;
  if (N > 0 && GetRemainingBytes(remaining) && N > remaining) {
    const ZQ_String values[] = {ZQ_ToString(N), ZQ_ToString(remaining)};
    ThrowDamagedData(ZQ_Internationalization_FillPlaceholders(
        ZQ_Internationalization_Translate(
            "The binary data ends inside a value: {$1} bytes were to be read, but only {$2} "
            "remain."),
        values, 2));
  }
  Source.Read(Dest, N);
}

void ZQ_BinaryStreamParser::CheckLength(long Length, unsigned long BytesPerUnit) {
  ZQ_TRACE_FUNCTION("ZQ_BinaryStreamParser::CheckLength");
  if (Length < 0) {
    ThrowDamagedData(ZQ_Internationalization_FillPlaceholders(
        ZQ_Internationalization_Translate(
            "The binary data is damaged: it gives the negative length or count {$1}."),
        ZQ_ToString(Length)));
  }
  unsigned long remaining = 0;
  if (!GetRemainingBytes(remaining)) return;
  const unsigned long long needed =
      static_cast<unsigned long long>(Length) * static_cast<unsigned long long>(BytesPerUnit);
  if (needed > remaining) {
    ThrowDamagedData(ZQ_Internationalization_FillPlaceholders(
        ZQ_Internationalization_Translate("The binary data is damaged: it gives the length or "
                                          "count {$1}, but only {$2} bytes remain."),
        ZQ_ToString(Length), ZQ_ToString(remaining)));
  }
}

ZQ_BinaryStreamParser& ZQ_BinaryStreamParser::operator>>(bool& Value) {
  // A damaged byte other than 0 or 1 must not be stored into a bool as it is.
  unsigned char byte = 0;
  ReadBytes(&byte, 1);
  Value = byte != 0;
  return *this;
}

ZQ_BinaryStreamParser& ZQ_BinaryStreamParser::operator>>(char& Value) {
  ReadBytes(&Value, 1);
  return *this;
}

ZQ_BinaryStreamParser& ZQ_BinaryStreamParser::operator>>(short& Value) {
  ReadBytes(&Value, 2);
  return *this;
}

ZQ_BinaryStreamParser& ZQ_BinaryStreamParser::operator>>(unsigned short& Value) {
  ReadBytes(&Value, 2);
  return *this;
}

ZQ_BinaryStreamParser& ZQ_BinaryStreamParser::operator>>(long& Value) {
  ReadBytes(&Value, 4);
  return *this;
}

ZQ_BinaryStreamParser& ZQ_BinaryStreamParser::operator>>(unsigned long& Value) {
  ReadBytes(&Value, 4);
  return *this;
}

ZQ_BinaryStreamParser& ZQ_BinaryStreamParser::operator>>(float& Value) {
  ReadBytes(&Value, 4);
  return *this;
}

ZQ_BinaryStreamParser& ZQ_BinaryStreamParser::operator>>(double& Value) {
  ReadBytes(&Value, 8);
  return *this;
}

ZQ_BinaryStreamParser& ZQ_BinaryStreamParser::operator>>(ZQ_String& Value) {
  Value = ReadString();
  return *this;
}

char ZQ_BinaryStreamParser::ReadChar() {
  char value = 0;
  ReadBytes(&value, 1);
  return value;
}

long ZQ_BinaryStreamParser::ReadLong() {
  long value = 0;
  ReadBytes(&value, 4);
  return value;
}

unsigned long ZQ_BinaryStreamParser::ReadUnsignedLong() {
  unsigned long value = 0;
  ReadBytes(&value, 4);
  return value;
}

ZQ_String ZQ_BinaryStreamParser::ReadString() {
  ZQ_TRACE_FUNCTION("ZQ_BinaryStreamParser::ReadString");
  const long length = ReadLong();
  CheckLength(length, 1);
  if (length == 0) return ZQ_String();
  unsigned long remaining = 0;
  if (GetRemainingBytes(remaining)) {
    // The length fits in the bytes left: one read straight into the buffer.
    ZQ_String text(' ', static_cast<int>(length));
    Source.Read(&text[0], static_cast<unsigned long>(length));
    return text;
  }
  ZQ_String text;
  char piece[kStringPiece];
  for (unsigned long left = static_cast<unsigned long>(length); left > 0;) {
    if (!Source.IsDataAvailable())
      ThrowDamagedData(ZQ_Internationalization_Translate(
          "The binary data is damaged: it ends inside a string."));
    const unsigned long step = left < kStringPiece ? left : kStringPiece;
    Source.Read(piece, step);
    text.Append(piece, static_cast<int>(step));
    left -= step;
  }
  return text;
}

long ZQ_BinaryStreamParser::ReadCount(unsigned long MinimumBytesPerElement) {
  ZQ_TRACE_FUNCTION("ZQ_BinaryStreamParser::ReadCount");
  const long count = ReadLong();
  CheckLength(count, MinimumBytesPerElement);
  return count;
}
