// ZQ_FileUtils.h: file and directory operations on top of the Windows-API
// wrappers: existence tests, deleting, copying and creating files and
// directory trees, file sizes, the current, home and temporary directories,
// unique temporary file names and the cleaning of text for file names.
// Failures arrive as ZQ_Exception from the wrappers (in the running
// program's API failure mode 0); the operations that touch a file append a
// sentence "This error occurred while attempting to ..." naming it
// (translated) and throw the exception on. Directory names are ZQ_Strings,
// file names ZQ_FileNames. Separators are "/" and "\". One thread only.
#ifndef ZQ_FILEUTILS_H
#define ZQ_FILEUTILS_H

#include "ZQLOW_Windows.h"
#include "ZQ_FileName.h"
#include "ZQ_String.h"

namespace ZQ_FileUtils {

// Existence. FileExists: something of that very name exists and is not a
// directory ("*", "?" and the like are no wildcards here). DirectoryExists: the name can be made the current directory
// (the current directory is restored); never throws for a missing one.
// CanBeOpenedForReading: a file stream source can be made on it.
bool FileExists(const ZQ_FileName& Name);
bool FileExists(const ZQ_String& Name);
bool FileExists(const char* Name);
bool DirectoryExists(const ZQ_String& Name);
bool CanBeOpenedForReading(const ZQ_FileName& Name);

// The size in bytes (the low 32 bits); the file is opened shared for reading.
unsigned long GetFileSize(const ZQ_FileName& Name);

// Mode 1 makes an operation conditional as stated; Mode 0 performs it always.
// Delete: Mode 1 only when the file exists.
void Delete(const ZQ_FileName& Name, int Mode);
void SafeDelete(const ZQ_FileName& Name);  // Delete (Name, 1)
// A directory with everything below it (DeleteTree (Name, 1)), or a file.
void SafeDelete(const ZQ_String& FileOrDirectoryName);
void SafeDelete(const char* FileOrDirectoryName);

// Copy: Mode 1 overwrites an existing Dest, Mode 0 fails on it. SafeCopy
// first creates Dest's directory chain, then copies with Mode 1.
void Copy(const ZQ_FileName& Src, const ZQ_FileName& Dest, int Mode);
void SafeCopy(const ZQ_FileName& Src, const ZQ_FileName& Dest);

// CreateDirectoryA: one directory; Mode 1 only when it does not exist.
// CreateDirectoryChain: every missing directory along the name, never a
// drive root or the server part of \\server\share. SafeCreateDirectory is
// CreateDirectoryChain (Name, 1).
void CreateDirectoryA(const ZQ_String& Name, int Mode);
void CreateDirectoryChain(const ZQ_String& Name, int Mode);
void SafeCreateDirectory(const ZQ_String& Name);

// RemoveDirectoryA: one empty directory; Mode 1 only when it exists.
// DeleteTree: the directory with everything below it, the deepest entries
// first and the directory itself last (RemoveDirectoryA (Name, Mode)).
// SafeRemoveDirectory is DeleteTree (Name, 1).
void RemoveDirectoryA(const ZQ_String& Name, int Mode);
void DeleteTree(const ZQ_String& Name, int Mode);
void SafeRemoveDirectory(const ZQ_String& Name);

// Every file below Src copied to the same relative place below Dest.
void SafeCopyDirectory(const ZQ_String& Src, const ZQ_String& Dest);

// Directories, each ending in a separator.
ZQ_String GetCurrentDirectoryA();
void SetCurrentDirectoryA(const ZQ_String& Name);
ZQ_String GetHomeDirectory();  // the executable's own directory
ZQ_String GetTemporaryDirectory();

// A name that no file has yet: Directory, BasePrefix, a hexadecimal number
// from the program's generator, then Extension ("tmp" and ".tmp" alike).
ZQ_FileName GetTemporaryFileName(const ZQ_String& BasePrefix, const ZQ_String& Extension,
                                 const ZQ_String& Directory);

// Text keeps only the characters a file name may hold: printable ASCII
// (the space included) other than / \ : | * ? " < >.
ZQ_String StripNonfileChars(const ZQ_String& Text);

// Helpers of these operations, for other file modules.
// Removes one trailing separator when the character before it may be part
// of a file name: dir\ becomes dir, while C:\ and a lone \ stay.
ZQ_String Util_RemoveTrailingSeparator(const ZQ_String& Name);
// Appends "\" to a non-empty text that does not end in a separator.
ZQ_String Util_AppendSeparator(const ZQ_String& Name);
// Directory (with a separator added) + Name; true and Found set when that
// file exists.
bool Util_FindFileInDirectory(const ZQ_String& Directory, const ZQ_String& Name,
                              ZQ_FileName& Found);
// Moves the pointer of an open file, for the file streams: Origin 0 from
// the start, 1 from the current position, 2 from the end. Another origin
// fails the assertion "false", reported under the caller's Module and Line,
// and moves nothing.
void Util_SeekFileHandle(HANDLE File, long Offset, int Origin, const char* Module, int Line);

}  // namespace ZQ_FileUtils

// Template with its parameter symbols filled: "{$1}" (with or without a
// format text) takes Value, a symbol of any other number takes nothing.
// The library's one-value messages are filled this way after translation.
ZQ_String ZQ_SubstituteParameters(ZQ_String Template, const ZQ_String& Value);
ZQ_String ZQ_SubstituteParameters(ZQ_String Template, const char* Value);

// Changes the current directory for the lifetime of the object and changes
// back when it is destroyed (a failure to change back is logged by the API
// layer only). The constructor throws when the directory cannot be entered.
class ZQ_TemporaryDirectoryChange {
 public:
  explicit ZQ_TemporaryDirectoryChange(const ZQ_String& DirectoryToChangeInto);
  ~ZQ_TemporaryDirectoryChange();
  ZQ_TemporaryDirectoryChange(const ZQ_TemporaryDirectoryChange&) = delete;
  ZQ_TemporaryDirectoryChange& operator=(const ZQ_TemporaryDirectoryChange&) = delete;

 private:
  ZQ_String SavedDirectory;
};

#endif
