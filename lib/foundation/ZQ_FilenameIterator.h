// ZQ_FilenameIterator.h: lists the entries of a directory (optionally of its
// whole subtree) whose names match a wildcard pattern (ZQ_RegularExpression.h,
// case ignored). The listing is taken at once when the iterator is made; the
// iterator owns copies of the records, so iterating touches no file system
// and gives the same records after Rewind. Records of a directory come in the
// order the system lists them, before those of its subdirectories, and each
// subdirectory's whole subtree comes before the next one's. A directory that
// cannot be searched gives no records; a failure while listing one that can
// is reported by the API layer (ZQ_Exception in the running program). A
// pattern that does not compile throws ZQ_Exception. One thread only.
#ifndef ZQ_FILENAMEITERATOR_H
#define ZQ_FILENAMEITERATOR_H

#include "ZQLOW_Windows.h"
#include "ZQ_AccumulatingIterator.h"
#include "ZQ_FileName.h"
#include "ZQ_Iterator.h"
#include "ZQ_String.h"

class ZQ_RegularExpression;

// One directory entry.
class ZQ_FilenameIterator_FileInfo {
 public:
  const ZQ_FileName& GetFileName() const { return FileName; }
  // Below the starting directory, ending in "\"; empty for its own entries.
  const ZQ_String& GetRelativeDirectory() const { return RelativeDirectory; }
  bool IsDirectory() const { return (Attributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }

  // The searched directory as passed in, followed by the entry's name.
  ZQ_FileName FileName;
  ZQ_String RelativeDirectory;
  unsigned long FileSize = 0;    // the low 32 bits of the size
  unsigned long Attributes = 0;  // Windows file attributes
  FILETIME CreationTime = {0, 0};
  FILETIME LastAccessTime = {0, 0};
  FILETIME LastWriteTime = {0, 0};
};

// Option bits. Both "only" bits together fail the assertion
// "not ((Options & ZQ_FilenameIterator_DirectoriesOnly) and (Options & ZQ_FilenameIterator_FilesOnly))".
const unsigned long ZQ_FilenameIterator_Recursive = 1;
const unsigned long ZQ_FilenameIterator_DirectoriesOnly = 2;  // files are not listed
const unsigned long ZQ_FilenameIterator_FilesOnly = 4;        // directories are not listed

// Entries of Directory (absolute, or relative to the current directory)
// whose names match NamePattern. A path in front of the pattern
// (sub\*.txt) moves to the directory.
ZQ_ReadOnlyIterator<ZQ_FilenameIterator_FileInfo> ZQ_GetFilenameIterator(
    const ZQ_String& Directory, const ZQ_String& NamePattern, unsigned long Options);
// The same with a compiled expression, matched against each name alone.
ZQ_ReadOnlyIterator<ZQ_FilenameIterator_FileInfo> ZQ_GetFilenameIterator(
    const ZQ_String& Directory, const ZQ_RegularExpression& Expression, unsigned long Options);

// Fills one accumulating iterator, directory by directory.
class ZQ_FilenameIterator_WorkStruct {
 public:
  explicit ZQ_FilenameIterator_WorkStruct(
      ZQ_AccumulatingIteratorReference<ZQ_FilenameIterator_FileInfo>& Result)
      : Result(Result) {}

  void AddFilenames(ZQ_String AbsoluteDirectory, ZQ_String RelativeDirectory,
                    const ZQ_RegularExpression& Expression, unsigned long Options);

 private:
  ZQ_AccumulatingIteratorReference<ZQ_FilenameIterator_FileInfo>& Result;
};

#endif
