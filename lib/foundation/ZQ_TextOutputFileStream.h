// ZQ_TextOutputFileStream.h: a text formatter that writes a file, and
// ZQ_SaveStringAsFile. Both open the file through a file sink
// (ZQ_FileStreamSink.h) and throw its open and write errors.
#ifndef ZQ_TEXTOUTPUTFILESTREAM_H
#define ZQ_TEXTOUTPUTFILESTREAM_H

#include "ZQ_FileName.h"
#include "ZQ_String.h"
#include "ZQ_TextStreamFormatter.h"

class ZQ_TextOutputFileStream : public ZQ_TextStreamFormatter {
 public:
  // Options as for ZQ_CreateFileStreamSink (0: the file is created anew or
  // truncated). The file is closed when the stream is destroyed.
  explicit ZQ_TextOutputFileStream(const ZQ_FileName& aFileName, unsigned long Options = 0);
};

// Writes Text's bytes, NULs included, to a file created anew or truncated,
// and closes it.
void ZQ_SaveStringAsFile(const ZQ_String& Text, const ZQ_FileName& aFileName);
void ZQ_SaveStringAsFile(const ZQ_String& Text, const ZQ_String& aFileName);
void ZQ_SaveStringAsFile(const ZQ_String& Text, const char* aFileName);

#endif
