// ZQ_BinaryStreamParser.h: reads the library's binary form (see
// ZQ_BinaryStreamSink.h for the layout) from a stream source: bool and char
// 1 byte, short and unsigned short 2, long and unsigned long 4, float 4,
// double 8, strings as a 4-byte length and the characters.
// The data may come from a damaged file, so nothing read is trusted: a value
// that runs past the end of a seekable source, a negative length or count, or
// one larger than the bytes left, throws ZQ_Exception "Damaged data"
// (translated) before anything is allocated or copied, and the target
// variable keeps its old value. On a source that cannot tell its size a long
// string is read in pieces, so a false length fails at the end of the data
// instead of allocating its whole size. One thread only.
#ifndef ZQ_BINARYSTREAMPARSER_H
#define ZQ_BINARYSTREAMPARSER_H

#include "ZQ_StreamParser.h"
#include "ZQ_String.h"

class ZQ_BinaryStreamParser : public ZQ_StreamParser {
 public:
  // Shares Source's object for the parser's lifetime.
  explicit ZQ_BinaryStreamParser(const ZQ_StreamSource& Source);

  // A byte other than 0 reads as true.
  ZQ_BinaryStreamParser& operator>>(bool& Value);
  ZQ_BinaryStreamParser& operator>>(char& Value);
  ZQ_BinaryStreamParser& operator>>(short& Value);
  ZQ_BinaryStreamParser& operator>>(unsigned short& Value);
  ZQ_BinaryStreamParser& operator>>(long& Value);
  ZQ_BinaryStreamParser& operator>>(unsigned long& Value);
  ZQ_BinaryStreamParser& operator>>(float& Value);
  ZQ_BinaryStreamParser& operator>>(double& Value);
  ZQ_BinaryStreamParser& operator>>(ZQ_String& Value);

  char ReadChar();
  long ReadLong();
  unsigned long ReadUnsignedLong();
  ZQ_String ReadString();

  // A 4-byte count of elements that follow, each at least
  // MinimumBytesPerElement bytes long: a negative count, or one whose
  // elements could not fit in the bytes left, is damaged data.
  long ReadCount(unsigned long MinimumBytesPerElement);

  // N bytes to Dest; past the end of a seekable source it is damaged data.
  void ReadBytes(void* Dest, unsigned long N);

 private:
  // The bytes left in a seekable source; false when the source cannot tell.
  bool GetRemainingBytes(unsigned long& Remaining);
  [[noreturn]] static void ThrowDamagedData(const ZQ_String& Description);
  // A length or count was read; checks it against the bytes left.
  void CheckLength(long Length, unsigned long BytesPerUnit);
};

#endif
