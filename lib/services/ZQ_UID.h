// ZQ_UID.h: a 128-bit identifier or digest held as four unsigned 32-bit
// words. A plain value, copied by value. Its text form is 39 characters:
// eight groups of four lower-case hexadecimal digits joined by '-', the high
// then the low half of words 0 to 3. Parsing invalid text throws ZQ_Exception
// "Error reading UID" unless the caller gives a default. One thread only.
// Settings storage of identifiers lives with the settings registry.
#ifndef ZQ_UID_H
#define ZQ_UID_H

#include "ZQ_StackTrace.h"
#include "ZQ_String.h"

class ZQ_TextStreamFormatter;
class ZQ_StreamSink;
class ZQ_BinaryStreamParser;

class ZQ_UID {
 public:
  // The null identifier.
  ZQ_UID() = default;
  ZQ_UID(unsigned long Word0, unsigned long Word1, unsigned long Word2,
         unsigned long Word3)
      : Words{Word0, Word1, Word2, Word3} {}
  // Parses the text form (blanks around it allowed); throws ZQ_Exception
  // "Error reading UID" on invalid text.
  explicit ZQ_UID(const ZQ_String& TextRepresentation);

  unsigned long GetWord(int Index) const;  // 0 to 3
  void SetNull() { Words[0] = Words[1] = Words[2] = Words[3] = 0; }
  bool IsNull() const { return !(Words[0] | Words[1] | Words[2] | Words[3]); }
  // Word 3: what a hash map keyed by identifiers uses.
  unsigned long GetHashValue() const { return Words[3]; }

  ZQ_String GetTextRepresentation() const;
  // The identifier of a text form. Invalid text throws ZQ_Exception
  // "Error reading UID"; the second form returns Default instead.
  static ZQ_UID ParseTextRepresentation(const ZQ_String& TextRepresentationOfValue);
  static ZQ_UID ParseTextRepresentation(const ZQ_String& TextRepresentationOfValue,
                                        const ZQ_UID& Default);

  friend bool operator==(const ZQ_UID& A, const ZQ_UID& B) {
    return A.Words[0] == B.Words[0] && A.Words[1] == B.Words[1] &&
           A.Words[2] == B.Words[2] && A.Words[3] == B.Words[3];
  }
  friend bool operator!=(const ZQ_UID& A, const ZQ_UID& B) { return !(A == B); }

 private:
  unsigned long Words[4] = {0, 0, 0, 0};
};

// Words 0 and 1 zero, word 2 three, word 3 N: an integer as an identifier.
ZQ_UID ZQ_MakeUID(long N);

// The text form, padded to the formatter's width.
ZQ_TextStreamFormatter& operator<<(ZQ_TextStreamFormatter& Out, const ZQ_UID& Value);
// Binary form: words 0 to 3, each a little-endian unsigned 32-bit value.
ZQ_StreamSink& operator<<(ZQ_StreamSink& Sink, const ZQ_UID& Value);
ZQ_BinaryStreamParser& operator>>(ZQ_BinaryStreamParser& Parser, ZQ_UID& Value);

// An identifier with the name it is known by, for watching in the trace
// stack, which shows it as "Name"  (text form).
struct ZQ_NamedUID {
  ZQ_UID Identifier;
  ZQ_String Name;
};

template <> struct ZQ_StackTrace_TypeCode<ZQ_UID> { static constexpr long Value = 19; };
template <> struct ZQ_StackTrace_TypeCode<ZQ_NamedUID> { static constexpr long Value = 20; };

#endif
