// ZQ_BinaryStreamSink.h: fixed-width values written to a stream sink in the
// library's binary form, read back by ZQ_BinaryStreamParser. Values are their
// in-memory little-endian bytes, with no alignment and nothing between them:
// bool 1 byte; short and unsigned short 2; int, unsigned int, long and
// unsigned long 4; double 8; a ZQ_String is a 4-byte length followed by its
// characters without a terminating NUL. Failures of the sink pass (a file
// sink throws ZQ_Exception). One thread only.
#ifndef ZQ_BINARYSTREAMSINK_H
#define ZQ_BINARYSTREAMSINK_H

#include "ZQ_StreamSink.h"

class ZQ_String;

ZQ_StreamSink& operator<<(ZQ_StreamSink& Sink, bool Value);
ZQ_StreamSink& operator<<(ZQ_StreamSink& Sink, short Value);
ZQ_StreamSink& operator<<(ZQ_StreamSink& Sink, unsigned short Value);
ZQ_StreamSink& operator<<(ZQ_StreamSink& Sink, int Value);
ZQ_StreamSink& operator<<(ZQ_StreamSink& Sink, unsigned int Value);
ZQ_StreamSink& operator<<(ZQ_StreamSink& Sink, long Value);
ZQ_StreamSink& operator<<(ZQ_StreamSink& Sink, unsigned long Value);
ZQ_StreamSink& operator<<(ZQ_StreamSink& Sink, double Value);
ZQ_StreamSink& operator<<(ZQ_StreamSink& Sink, const ZQ_String& Value);

// The form has no written char or float, and a text literal would silently
// become a bool: these would write the wrong bytes, so they do not compile.
ZQ_StreamSink& operator<<(ZQ_StreamSink& Sink, char Value) = delete;
ZQ_StreamSink& operator<<(ZQ_StreamSink& Sink, float Value) = delete;
ZQ_StreamSink& operator<<(ZQ_StreamSink& Sink, const char* Value) = delete;

#endif
