// ZQ_FileStreamSink.h: the stream sink that writes a file through the Windows
// file API (ZQLOW_WINBASE). The file is opened for writing without sharing
// when the sink is made and closed when the last handle lets go of it.
// Failures throw ZQ_Exception "Error occurred while opening file" or "Error
// occurred while writing to file" (translated) in the running program's API
// failure mode 0; a short write counts as a failed write. In other modes the
// API layer has acted (fatal report or assertion) before the sink sees the
// failure, and the sink adds nothing. One thread only.
#ifndef ZQ_FILESTREAMSINK_H
#define ZQ_FILESTREAMSINK_H

#include "ZQLOW_WINBASE.h"
#include "ZQLOW_Windows.h"
#include "ZQ_FileName.h"
#include "ZQ_StreamSink.h"

// Option bits of file sinks.
const unsigned long ZQ_FileStreamSink_WriteThrough = 0x1;  // no lazy writing
const unsigned long ZQ_FileStreamSink_Temporary = 0x2;     // temporary attribute
// Open an existing file (or create it) and write at its end; without it the
// file is created anew or truncated.
const unsigned long ZQ_FileStreamSink_Append = 0x4;

class ZQ_FileStreamSinkReference : public ZQ_SeekableStreamSinkReference {
 public:
  // Copies the name and opens the file (see Open). The destructor closes
  // the file; a failure to close is logged by the API layer only.
  ZQ_FileStreamSinkReference(const ZQ_FileName& aFileName, unsigned long Options);

  // Opens the file named by the name's full text (enclosing quotes removed),
  // closing the one open before.
  void Open(unsigned long Options);
  // Closes the file once; later calls, and the destructor, do nothing.
  void Close();
  bool IsOpen() const { return Handle.IsValid(); }

  void Write(const void* Data, unsigned long N) override;
  void Flush() override;
  void Seek(long Offset, int Origin) override;
  unsigned long GetPosition() override;
  unsigned long GetSize() override;

 private:
  [[noreturn]] void ThrowWriteError() const;

  ZQ_OwnedFileHandle Handle;
  ZQ_FileName FileName;  // kept for messages
};

// A seekable sink on a new file sink that has opened the file.
ZQ_SeekableStreamSink ZQ_CreateFileStreamSink(const ZQ_FileName& aFileName,
                                              unsigned long Options = 0);

#endif
