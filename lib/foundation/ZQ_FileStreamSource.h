// ZQ_FileStreamSource.h: stream sources over files, and the whole-file loader.
// ZQ_CreateFileStreamSource makes a memory-mapped source (the usual choice,
// ZQ_MemoryMappedFileStreamSource.h) or, on request, this file's source that
// reads through ReadFile. Either opens the file for reading, shared with other
// readers only, when it is made, and closes it when the last handle lets go.
// Failures throw ZQ_Exception (in the running program's API failure mode 0):
// an open failure carries the sentence "This error occurred while attempting
// to open file ... for reading." (translated). A constructor that fails
// releases whatever it had opened. One thread only.
#ifndef ZQ_FILESTREAMSOURCE_H
#define ZQ_FILESTREAMSOURCE_H

#include "ZQLOW_WINBASE.h"
#include "ZQLOW_Windows.h"
#include "ZQ_FileName.h"
#include "ZQ_StreamSource.h"

class ZQ_Exception;

// Option bits of file sources.
const unsigned long ZQ_FileStreamSource_RandomAccess = 0x1;  // else sequential
const unsigned long ZQ_FileStreamSource_UseReadFile = 0x2;   // else memory-mapped

class ZQ_FileStreamSourceReference : public ZQ_SeekableStreamSourceReference {
 public:
  // Copies the name and opens the file (see Open). The destructor closes
  // the file; a failure to close is logged by the API layer only.
  ZQ_FileStreamSourceReference(const ZQ_FileName& aFileName, unsigned long Options);

  // Opens the file named by the name's full text (enclosing quotes removed),
  // closing the one open before.
  void Open(unsigned long Options);
  // Closes the file once; later calls, and the destructor, do nothing.
  void Close();
  bool IsOpen() const { return Handle.IsValid(); }

  // A failed or short read throws "Error occurred while reading from file".
  void Read(void* Dest, unsigned long N) override;
  void Seek(long Offset, int Origin) override;
  unsigned long GetPosition() override;
  unsigned long GetSize() override;  // the low 32 bits

  // Shared with the memory-mapped source: the path handed to CreateFileA,
  // the flags of Options, and the sentence an open failure appends.
  static ZQ_String Util_GetOpenPath(const ZQ_FileName& Name);
  static DWORD Util_GetAccessFlags(unsigned long Options);
  static void Util_AppendOpenSentence(ZQ_Exception& Exception, const ZQ_FileName& Name);

 private:
  [[noreturn]] void ThrowReadError() const;

  ZQ_OwnedFileHandle Handle;
  ZQ_FileName FileName;  // kept for messages
};

// A seekable source on the file: option ZQ_FileStreamSource_UseReadFile gives
// the ReadFile source, otherwise a memory-mapped one; RandomAccess tells
// Windows how the file will be read. Throws ZQ_Exception when the file cannot
// be opened (missing, locked, too large to map).
ZQ_SeekableStreamSource ZQ_CreateFileStreamSource(const ZQ_FileName& aFileName,
                                                  unsigned long Options);
ZQ_SeekableStreamSource ZQ_CreateFileStreamSource(const ZQ_String& aString,
                                                  unsigned long Options);
// A text literal would fit both forms above.
ZQ_SeekableStreamSource ZQ_CreateFileStreamSource(const char* aString, unsigned long Options);

// The whole file through a memory-mapped source; throws as above.
ZQ_String ZQ_LoadFileIntoString(const ZQ_FileName& aFileName);
ZQ_String ZQ_LoadFileIntoString(const ZQ_String& aString);
ZQ_String ZQ_LoadFileIntoString(const char* aString);

#endif
