// ZQ_MemoryMappedFileStreamSource.h: the stream source that maps a whole file
// read-only into memory, so reads are copies and GetDataPointer gives the
// content. An empty file gets no mapping: its data pointer is a static empty
// text, reads of 0 bytes work. Files of 2 GB or more are refused (a 32-bit
// process cannot map them). Reading past the end throws "Error occurred while
// reading file" and leaves the position alone. Made by
// ZQ_CreateFileStreamSource (ZQ_FileStreamSource.h). One thread only.
#ifndef ZQ_MEMORYMAPPEDFILESTREAMSOURCE_H
#define ZQ_MEMORYMAPPEDFILESTREAMSOURCE_H

#include "ZQLOW_WINBASE.h"
#include "ZQLOW_Windows.h"
#include "ZQ_FileName.h"
#include "ZQ_StreamSource.h"

class ZQ_MemoryMappedFileStreamSourceReference : public ZQ_SeekableStreamSourceReference {
 public:
  // Copies the name and opens and maps the file (see Open); when that fails,
  // every handle it had opened is closed before the exception leaves. The
  // destructor unmaps the view and closes the handles; failures are logged
  // by the API layer only.
  ZQ_MemoryMappedFileStreamSourceReference(const ZQ_FileName& aFileName, unsigned long Options);

  // Opens the file named by the name's full text (enclosing quotes removed)
  // and maps it whole, closing what was open before. Options as for
  // ZQ_CreateFileStreamSource.
  void Open(unsigned long Options);
  // Unmaps the view and closes both handles once. Each release is tried even
  // when an earlier one failed; the first failure is passed on.
  void Close();

  void Read(void* Dest, unsigned long N) override;
  // A target outside the file fails "(NewPos >= 0) and (NewPos <= FileLength)"
  // and leaves the position where it was.
  void Seek(long Offset, int Origin) override;
  unsigned long GetPosition() override { return static_cast<unsigned long>(Position); }
  unsigned long GetSize() override { return static_cast<unsigned long>(FileLength); }
  const char* GetDataPointer() override;

 private:
  // Released in the reverse order: the view, the mapping, the file.
  ZQ_OwnedFileHandle File;
  ZQ_OwnedMappingHandle Mapping;
  ZQ_OwnedFileView View;  // none for an empty file
  long FileLength = 0;    // bytes
  long Position = 0;
  ZQ_FileName FileName;  // kept for messages
};

#endif
