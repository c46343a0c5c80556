// ZQXML_CharBuffer.h: a growable run of bytes for texts built piece by piece
// (the parser's text nodes and attribute values, the writer's output). Runs
// are copied in bulk; the finished text becomes one string of exactly its
// length. Owns its block; not copyable. One thread only.
#ifndef ZQXML_CHARBUFFER_H
#define ZQXML_CHARBUFFER_H

#include <cstring>

#include "ZQ_String.h"

class ZQXML_CharBuffer {
 public:
  ZQXML_CharBuffer() = default;
  ~ZQXML_CharBuffer() { delete[] Data; }
  ZQXML_CharBuffer(const ZQXML_CharBuffer&) = delete;
  ZQXML_CharBuffer& operator=(const ZQXML_CharBuffer&) = delete;

  void Clear() { Length = 0; }
  bool IsEmpty() const { return Length == 0; }
  long GetLength() const { return Length; }
  const char* GetData() const { return Data; }

  void Append(const char* Run, long N) {
    if (N <= 0) return;
    Reserve(Length + N);
    std::memcpy(Data + Length, Run, static_cast<size_t>(N));
    Length += N;
  }
  void Append(char Char) {
    if (Length == Capacity) Reserve(Length + 1);
    Data[Length++] = Char;
  }
  void Append(const ZQ_String& Text) { Append(Text.GetText(), Text.GetLength()); }
  // "&#" Code ";": the numeric reference of one byte.
  void AppendCharacterReference(unsigned char Code);

  ZQ_String ToString() const { return Length ? ZQ_String(Data, static_cast<int>(Length)) : ZQ_String(); }

 private:
  void Reserve(long Needed);

  char* Data = nullptr;
  long Length = 0;
  long Capacity = 0;
};

#endif
