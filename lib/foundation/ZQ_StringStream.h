// ZQ_StringStream.h: a ZQ_String that is also a text formatter writing into
// itself, and the ZQ_ToString conversions built on it. Assigning a text
// replaces the string; later writes append. A stream writes into its own
// string part, so it cannot be copied or moved.
#ifndef ZQ_STRINGSTREAM_H
#define ZQ_STRINGSTREAM_H

#include "ZQ_String.h"
#include "ZQ_TextStreamFormatter.h"

class ZQ_StringStream : public ZQ_String, public ZQ_TextStreamFormatter {
 public:
  explicit ZQ_StringStream(int InitialCapacity = 0);
  ZQ_StringStream(const ZQ_StringStream&) = delete;
  ZQ_StringStream& operator=(const ZQ_StringStream&) = delete;
  // Destroys the formatter part (states, sink), then the string.
  virtual ~ZQ_StringStream();

  ZQ_StringStream& operator=(const char* Text);
  ZQ_StringStream& operator=(const ZQ_String& Text);

  // The formatter's output operators, not ZQ_String's.
  using ZQ_TextStreamFormatter::operator<<;
};

// The value written into a fresh ZQ_StringStream, after ZQ_SetFormat (Format)
// when Format is not empty.
ZQ_String ZQ_ToString(char Value, const ZQ_String& Format = ZQ_String());
ZQ_String ZQ_ToString(short Value, const ZQ_String& Format = ZQ_String());
ZQ_String ZQ_ToString(int Value, const ZQ_String& Format = ZQ_String());
ZQ_String ZQ_ToString(long Value, const ZQ_String& Format = ZQ_String());
ZQ_String ZQ_ToString(unsigned char Value, const ZQ_String& Format = ZQ_String());
ZQ_String ZQ_ToString(unsigned short Value, const ZQ_String& Format = ZQ_String());
ZQ_String ZQ_ToString(unsigned int Value, const ZQ_String& Format = ZQ_String());
ZQ_String ZQ_ToString(unsigned long Value, const ZQ_String& Format = ZQ_String());
ZQ_String ZQ_ToString(float Value, const ZQ_String& Format = ZQ_String());
ZQ_String ZQ_ToString(double Value, const ZQ_String& Format = ZQ_String());
ZQ_String ZQ_ToString(bool Value, const ZQ_String& Format = ZQ_String());

#endif
