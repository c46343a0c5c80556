// ZQTouch.exe [-D] [-s] <pattern>: sets the last-write time of every file in
// the current folder whose name matches the pattern to the time the program
// started. -s searches the subfolders too, -D touches matching folders as
// well as files. A pattern that matches nothing is a failure: it names the
// wrong folder or files.
#include <cstring>

#include "ZQLOW_WINBASE.h"
#include "ZQToolSupport.h"
#include "ZQ_Exception.h"
#include "ZQ_FileUtils.h"
#include "ZQ_FilenameIterator.h"

namespace {

void Touch(const ZQ_String& Name, const FILETIME& Time) {
  // Folders open only with backup semantics; FILE_WRITE_ATTRIBUTES is all
  // that setting a time needs.
  ZQ_OwnedFileHandle file(ZQLOW_WINBASE::CreateFileA(
      Name.GetText(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  ZQLOW_WINBASE::SetFileTime(file.Get(), nullptr, nullptr, &Time);
}

int TouchFiles(int argc, char** argv) {
  FILETIME start;
  ZQLOW_WINBASE::GetSystemTimeAsFileTime(&start);
  bool isRecursive = false, includesFolders = false;
  ZQ_String pattern;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "-s") == 0)
      isRecursive = true;
    else if (std::strcmp(argv[i], "-D") == 0)
      includesFolders = true;
    else if (argv[i][0] != '-' && pattern.IsEmpty() && i == argc - 1)
      pattern = argv[i];
    else
      throw ZQTool_UsageError{ZQ_String("usage: ZQTouch [-D] [-s] <pattern>; not understood: ") + argv[i]};
  }
  if (pattern.IsEmpty()) throw ZQTool_UsageError{"usage: ZQTouch [-D] [-s] <pattern>"};
  unsigned long options = (isRecursive ? ZQ_FilenameIterator_Recursive : 0) |
                          (includesFolders ? 0 : ZQ_FilenameIterator_FilesOnly);
  int touched = 0;
  for (ZQ_ReadOnlyIterator<ZQ_FilenameIterator_FileInfo> it =
           ZQ_GetFilenameIterator(ZQ_FileUtils::GetCurrentDirectoryA(), pattern, options);
       it.IsValid(); it.Advance(), ++touched)
    Touch(it.GetCurrent().GetFileName().GetPathName(), start);
  if (touched == 0)
    throw ZQ_Exception("Nothing to Touch", "Nothing in the current folder matches \"" + pattern + "\".");
  return 0;
}

}  // namespace

int main(int argc, char** argv) { return ZQTool_Run("ZQTouch", TouchFiles, argc, argv); }
