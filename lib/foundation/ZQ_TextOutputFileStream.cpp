#include "ZQ_TextOutputFileStream.h"

#include "ZQ_FileStreamSink.h"
#include "ZQ_StackTrace.h"

ZQ_TextOutputFileStream::ZQ_TextOutputFileStream(const ZQ_FileName& aFileName,
                                                 unsigned long Options)
    : ZQ_TextStreamFormatter(ZQ_CreateFileStreamSink(aFileName, Options)) {}

void ZQ_SaveStringAsFile(const ZQ_String& Text, const ZQ_FileName& aFileName) {
  ZQ_TRACE_FUNCTION("ZQ_SaveStringAsFile");
  ZQ_TRACE_VARIABLE(Text);
  ZQ_SeekableStreamSink sink = ZQ_CreateFileStreamSink(aFileName, 0);
  sink.Write(Text.GetText(), static_cast<unsigned long>(Text.GetLength()));
}

void ZQ_SaveStringAsFile(const ZQ_String& Text, const ZQ_String& aFileName) {
  ZQ_SaveStringAsFile(Text, ZQ_FileName(aFileName));
}

void ZQ_SaveStringAsFile(const ZQ_String& Text, const char* aFileName) {
  ZQ_SaveStringAsFile(Text, ZQ_FileName(aFileName));
}
