#include "ZQ_FilenameIterator.h"

#include <memory>

#include "ZQLOW_WINBASE.h"
#include "ZQ_Assertion.h"
#include "ZQ_List.h"
#include "ZQ_RegularExpression.h"
#include "ZQ_StackTrace.h"

namespace {

bool EndsWithSeparator(const ZQ_String& Text) {
  return !Text.IsEmpty() && (Text.GetLastChar() == '\\' || Text.GetLastChar() == '/');
}

void AppendSeparatorIfNeeded(ZQ_String& Text) {
  if (!Text.IsEmpty() && !EndsWithSeparator(Text)) Text += '\\';
}

bool IsDotEntry(const char* Name) {
  return (Name[0] == '.' && Name[1] == 0) || (Name[0] == '.' && Name[1] == '.' && Name[2] == 0);
}

}  // namespace

void ZQ_FilenameIterator_WorkStruct::AddFilenames(ZQ_String AbsoluteDirectory,
                                                  ZQ_String RelativeDirectory,
                                                  const ZQ_RegularExpression& Expression,
                                                  unsigned long Options) {
  ZQ_TRACE_FUNCTION("ZQ_FilenameIterator_WorkStruct::AddFilenames");
  ZQ_TRACE_VARIABLE(AbsoluteDirectory);
  ZQ_ASSERT_TEXT(!((Options & ZQ_FilenameIterator_DirectoriesOnly) &&
                   (Options & ZQ_FilenameIterator_FilesOnly)),
                 "not ((Options & ZQ_FilenameIterator_DirectoriesOnly) and (Options & "
                 "ZQ_FilenameIterator_FilesOnly))");
  AppendSeparatorIfNeeded(AbsoluteDirectory);
  AppendSeparatorIfNeeded(RelativeDirectory);
  const bool isRecursive = (Options & ZQ_FilenameIterator_Recursive) != 0;
  ZQ_List<ZQ_String> subdirectories;
  {
    WIN32_FIND_DATAA data;
    // Closed however the listing ends; a failure to close is logged by the
    // API layer only: the listing itself is what the caller needs.
    const ZQ_OwnedFindHandle search(
        ZQLOW_WINBASE::FindFirstFileA((AbsoluteDirectory + "*.*").GetText(), &data));
    if (!search.IsValid()) return;
    do {
      if (IsDotEntry(data.cFileName)) continue;
      const ZQ_String name(data.cFileName);
      const bool isDirectory = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
      const bool isConsidered = isDirectory ? !(Options & ZQ_FilenameIterator_FilesOnly)
                                            : !(Options & ZQ_FilenameIterator_DirectoriesOnly);
      if (isConsidered && Expression.Match(name)) {
        ZQ_FilenameIterator_FileInfo info;
        info.FileName = AbsoluteDirectory + name;
        info.RelativeDirectory = RelativeDirectory;
        info.FileSize = data.nFileSizeLow;
        info.Attributes = data.dwFileAttributes;
        info.CreationTime = data.ftCreationTime;
        info.LastAccessTime = data.ftLastAccessTime;
        info.LastWriteTime = data.ftLastWriteTime;
        Result.Append(info);
      }
      if (isRecursive && isDirectory) subdirectories.Append(name);
    } while (ZQLOW_WINBASE::FindNextFileA(search.Get(), &data));
  }
  for (ZQ_Iterator<ZQ_String> it = subdirectories.GetIterator(); it.IsValid(); it.Advance())
    AddFilenames(AbsoluteDirectory + it.GetCurrent(), RelativeDirectory + it.GetCurrent(),
                 Expression, Options);
}

ZQ_ReadOnlyIterator<ZQ_FilenameIterator_FileInfo> ZQ_GetFilenameIterator(
    const ZQ_String& Directory, const ZQ_String& NamePattern, unsigned long Options) {
  ZQ_TRACE_FUNCTION("ZQ_GetFilenameIterator");
  ZQ_TRACE_VARIABLE(Directory);
  ZQ_TRACE_VARIABLE(NamePattern);
  ZQ_String directory = Directory;
  ZQ_String pattern = NamePattern;
  const int backslash = pattern.FindLast('\\');
  const int slash = pattern.FindLast('/');
  const int separator = backslash > slash ? backslash : slash;
  if (separator != ZQ_NoMatch) {
    AppendSeparatorIfNeeded(directory);
    directory += pattern.GetLeft(separator + 1);
    pattern = pattern.GetRight(pattern.GetLength() - separator - 1);
  }
  return ZQ_GetFilenameIterator(
      directory, ZQ_MakeSimpleRegularExpression(pattern, ZQ_RegularExpression_IgnoreCase),
      Options);
}

ZQ_ReadOnlyIterator<ZQ_FilenameIterator_FileInfo> ZQ_GetFilenameIterator(
    const ZQ_String& Directory, const ZQ_RegularExpression& Expression, unsigned long Options) {
  ZQ_TRACE_FUNCTION("ZQ_GetFilenameIterator");
  std::unique_ptr<ZQ_AccumulatingIteratorReference<ZQ_FilenameIterator_FileInfo>> result(
      new ZQ_AccumulatingIteratorReference<ZQ_FilenameIterator_FileInfo>);
  ZQ_FilenameIterator_WorkStruct(*result).AddFilenames(Directory, ZQ_String(), Expression,
                                                       Options);
  return ZQ_ReadOnlyIterator<ZQ_FilenameIterator_FileInfo>(result.release());
}
