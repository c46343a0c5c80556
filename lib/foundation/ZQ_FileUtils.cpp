#include "ZQ_FileUtils.h"

#include <memory>

#include "ZQLOW_WINBASE.h"
#include "ZQLOW_Windows.h"
#include "ZQ_Array.h"
#include "ZQ_Assertion.h"
#include "ZQ_Exception.h"
#include "ZQ_FileStreamSource.h"
#include "ZQ_FilenameIterator.h"
#include "ZQ_Internationalization.h"
#include "ZQ_ParameterSymbol.h"
#include "ZQ_RandomNumberGenerator.h"
#include "ZQ_StackTrace.h"
#include "ZQ_StringStream.h"
#include "ZQ_StringSubs.h"
#include "ZQ_TextStreamFormatterManipulator.h"

namespace {

bool IsSeparator(char Char) { return Char == '\\' || Char == '/'; }

bool IsFileNameChar(char Char) {
  const unsigned char code = static_cast<unsigned char>(Char);
  if (code < 32 || code > 126) return false;
  switch (Char) {
    case '/': case '\\': case ':': case '|': case '*': case '?': case '"': case '<': case '>':
      return false;
    default:
      return true;
  }
}

ZQ_String WithoutQuotes(const ZQ_String& Name) {
  return ZQ_StringSubs::StripQuotes(Name, '"', '"');
}

// Appends the operation's sentence, translated first and then filled with
// the names as they were handed to Windows.
void AppendSentence(ZQ_Exception& Exception, const char* Template, const ZQ_String& Name1,
                    const ZQ_String& Name2 = ZQ_String()) {
  Exception.AppendToDescription(ZQ_SubstituteArguments(
      ZQ_Internationalization_Translate(Template), Name1, Name2));
}

// Calls a buffer-filling wrapper (GetCurrentDirectoryA, GetTempPathA) with
// 4096 characters, and again with the size it asks for when that is more.
// The result ends in "\".
template <class Fill>
ZQ_String GetDirectoryText(Fill FillBuffer) {
  const DWORD kFirstSize = 4096;
  std::unique_ptr<char[]> buffer(new char[kFirstSize]);
  DWORD length = FillBuffer(kFirstSize, buffer.get());
  if (length > kFirstSize) {
    const DWORD needed = length;
    buffer.reset(new char[needed]);
    length = FillBuffer(needed, buffer.get());
    if (length >= needed) length = 0;  // changed again meanwhile: nothing usable
  }
  ZQ_String text(buffer.get(), static_cast<int>(length));
  if (text.IsEmpty() || text.GetLastChar() != '\\') text += '\\';
  return text;
}

// The program-wide generator of temporary names: seed 1, then at once
// randomized from the tick count.
ZQ_RandomNumberGenerator& TemporaryNameGenerator() {
  static ZQ_RandomNumberGenerator* s_generator = nullptr;
  if (!s_generator) {
    s_generator = new ZQ_RandomNumberGenerator(1);
    s_generator->Randomize();
  }
  return *s_generator;
}

}  // namespace

namespace ZQ_FileUtils {

// ---------------------------------------------------------------------------
// Module helpers

ZQ_String Util_RemoveTrailingSeparator(const ZQ_String& Name) {
  const int length = Name.GetLength();
  if (length > 1 && IsSeparator(Name[length - 1]) && IsFileNameChar(Name[length - 2]))
    return Name.GetLeft(length - 1);
  return Name;
}

ZQ_String Util_AppendSeparator(const ZQ_String& Name) {
  if (Name.IsEmpty() || IsSeparator(Name.GetLastChar())) return Name;
  return Name + "\\";
}

bool Util_FindFileInDirectory(const ZQ_String& Directory, const ZQ_String& Name,
                              ZQ_FileName& Found) {
  ZQ_TRACE_FUNCTION("ZQ_FileUtils::Util_FindFileInDirectory");
  const ZQ_String candidate = Util_AppendSeparator(Directory) + Name;
  if (!FileExists(candidate)) return false;
  Found = candidate;
  return true;
}

void Util_SeekFileHandle(HANDLE File, long Offset, int Origin, const char* Module, int Line) {
  ZQ_TRACE_FUNCTION("ZQ_FileUtils::Util_SeekFileHandle");
  static const DWORD kMethods[] = {FILE_BEGIN, FILE_CURRENT, FILE_END};
  if (Origin < 0 || Origin > 2) {
    ZQ_ReportAssertionFailure("false", Module, Line);
    return;
  }
  ZQLOW_WINBASE::SetFilePointer(File, Offset, nullptr, kMethods[Origin]);
}

// ---------------------------------------------------------------------------
// Existence and size

bool FileExists(const ZQ_FileName& Name) { return FileExists(Name.GetPathName()); }
bool FileExists(const char* Name) { return FileExists(ZQ_String(Name)); }

// The attributes of that very name: a search (FindFirstFileA) would take
// "*", "?", "<", ">" and '"' as wildcards and answer for another file.
bool FileExists(const ZQ_String& Name) {
  ZQ_TRACE_FUNCTION("ZQ_FileUtils::FileExists");
  ZQ_TRACE_VARIABLE(Name);
  const DWORD attributes = ZQLOW_WINBASE::GetFileAttributesA(WithoutQuotes(Name).GetText());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool DirectoryExists(const ZQ_String& Name) {
  ZQ_TRACE_FUNCTION("ZQ_FileUtils::DirectoryExists");
  ZQ_TRACE_VARIABLE(Name);
  const ZQ_String saved = GetCurrentDirectoryA();
  const BOOL entered = ZQLOW_WINBASE::SetCurrentDirectory_DoNotThrowException(
      Util_RemoveTrailingSeparator(Name).GetText());
  SetCurrentDirectoryA(saved);
  return entered != FALSE;
}

bool CanBeOpenedForReading(const ZQ_FileName& Name) {
  ZQ_TRACE_FUNCTION("ZQ_FileUtils::CanBeOpenedForReading");
  try {
    ZQ_CreateFileStreamSource(Name, 0);
  } catch (...) {
    return false;
  }
  return true;
}

unsigned long GetFileSize(const ZQ_FileName& Name) {
  ZQ_TRACE_FUNCTION("ZQ_FileUtils::GetFileSize");
  ZQ_TRACE_VARIABLE(Name);
  const ZQ_String path = WithoutQuotes(Name.GetPathName());
  try {
    ZQ_OwnedFileHandle file(ZQLOW_WINBASE::CreateFileA(path.GetText(), GENERIC_READ,
                                                       FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                                       FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file.IsValid()) return 0;  // the report returned
    const DWORD size = ZQLOW_WINBASE::GetFileSize(file.Get(), nullptr);
    file.Reset();  // a failure to close fails the call, with the sentence below
    return size;
  } catch (ZQ_Exception& e) {
    AppendSentence(e, "This error occurred while attempting to determine the size of file \"{$1}\".",
                   path);
    throw;
  }
}

// ---------------------------------------------------------------------------
// Files

void Delete(const ZQ_FileName& Name, int Mode) {
  ZQ_TRACE_FUNCTION("ZQ_FileUtils::Delete");
  ZQ_TRACE_VARIABLE(Name);
  if (Mode == 1 && !FileExists(Name)) return;
  const ZQ_String path = Name.GetPathName();
  try {
    ZQLOW_WINBASE::DeleteFileA(path.GetText());
  } catch (ZQ_Exception& e) {
    AppendSentence(e, "This error occurred while attempting to delete the file \"{$1}\".", path);
    throw;
  }
}

void SafeDelete(const ZQ_FileName& Name) { Delete(Name, 1); }
void SafeDelete(const char* FileOrDirectoryName) { SafeDelete(ZQ_String(FileOrDirectoryName)); }

void SafeDelete(const ZQ_String& FileOrDirectoryName) {
  ZQ_TRACE_FUNCTION("ZQ_FileUtils::SafeDelete");
  if (DirectoryExists(FileOrDirectoryName))
    DeleteTree(FileOrDirectoryName, 1);
  else
    Delete(ZQ_FileName(FileOrDirectoryName), 1);
}

void Copy(const ZQ_FileName& Src, const ZQ_FileName& Dest, int Mode) {
  ZQ_TRACE_FUNCTION("ZQ_FileUtils::Copy");
  ZQ_TRACE_VARIABLE(Src);
  ZQ_TRACE_VARIABLE(Dest);
  // The names as given stand in the sentence until the absolute ones exist.
  ZQ_String source = Src.GetPathName();
  ZQ_String destination = Dest.GetPathName();
  try {
    source = Src.GetAbsolutePathName();
    destination = Dest.GetAbsolutePathName();
    ZQLOW_WINBASE::CopyFileA(source.GetText(), destination.GetText(), Mode == 0);
  } catch (ZQ_Exception& e) {
    AppendSentence(e, "This error occurred while attempting to copy the file \"{$1}\" to \"{$2}\".",
                   source, destination);
    throw;
  }
}

void SafeCopy(const ZQ_FileName& Src, const ZQ_FileName& Dest) {
  ZQ_TRACE_FUNCTION("ZQ_FileUtils::SafeCopy");
  SafeCreateDirectory(Dest.GetPath());
  Copy(Src, Dest, 1);
}

// ---------------------------------------------------------------------------
// Directories

void CreateDirectoryA(const ZQ_String& Name, int Mode) {
  ZQ_TRACE_FUNCTION("ZQ_FileUtils::CreateDirectoryA");
  ZQ_TRACE_VARIABLE(Name);
  if (Mode == 1 && DirectoryExists(Name)) return;
  const ZQ_String path = Util_RemoveTrailingSeparator(Name);
  try {
    ZQLOW_WINBASE::CreateDirectoryA(path.GetText(), nullptr);
  } catch (ZQ_Exception& e) {
    AppendSentence(e, "This error occurred while attempting to create the directory \"{$1}\".",
                   path);
    throw;
  }
}

void CreateDirectoryChain(const ZQ_String& Name, int Mode) {
  ZQ_TRACE_FUNCTION("ZQ_FileUtils::CreateDirectoryChain");
  ZQ_TRACE_VARIABLE(Name);
  if (Name.IsEmpty()) return;
  if (Mode == 1 && DirectoryExists(Name)) return;
  // A separator between two name characters ends a directory to make,
  // unless the separator before it followed another one: that run began a
  // \\server\share name, whose server part is no directory.
  bool previousFollowedSeparator = false;
  const int length = Name.GetLength();
  for (int i = 1; i <= length - 2; ++i) {
    if (!IsSeparator(Name[i])) continue;
    if (IsFileNameChar(Name[i - 1]) && IsFileNameChar(Name[i + 1]) && !previousFollowedSeparator)
      CreateDirectoryA(Name.GetLeft(i), 1);
    previousFollowedSeparator = IsSeparator(Name[i - 1]);
  }
  CreateDirectoryA(Name, 1);
}

void SafeCreateDirectory(const ZQ_String& Name) { CreateDirectoryChain(Name, 1); }

void RemoveDirectoryA(const ZQ_String& Name, int Mode) {
  ZQ_TRACE_FUNCTION("ZQ_FileUtils::RemoveDirectoryA");
  ZQ_TRACE_VARIABLE(Name);
  if (Mode == 1 && !DirectoryExists(Name)) return;
  const ZQ_String path = Util_RemoveTrailingSeparator(Name);
  try {
    ZQLOW_WINBASE::RemoveDirectoryA(path.GetText());
  } catch (ZQ_Exception& e) {
    AppendSentence(e, "This error occurred while attempting to remove the directory \"{$1}\".",
                   path);
    throw;
  }
}

void DeleteTree(const ZQ_String& Name, int Mode) {
  ZQ_TRACE_FUNCTION("ZQ_FileUtils::DeleteTree");
  ZQ_TRACE_VARIABLE(Name);
  // A directory's own entry comes before the entries below it: walked
  // backwards, every directory is empty when its turn comes.
  ZQ_AutosizeArray<ZQ_FilenameIterator_FileInfo> entries;
  long count = 0;
  for (ZQ_ReadOnlyIterator<ZQ_FilenameIterator_FileInfo> it =
           ZQ_GetFilenameIterator(Name, ZQ_String("*"), ZQ_FilenameIterator_Recursive);
       it.IsValid(); it.Advance())
    entries[count++] = it.GetCurrent();
  for (long i = count - 1; i >= 0; --i) {
    const ZQ_FilenameIterator_FileInfo& entry = entries[i];
    if (entry.IsDirectory())
      RemoveDirectoryA(entry.GetFileName().GetPathName(), 1);
    else
      Delete(entry.GetFileName(), 1);
  }
  RemoveDirectoryA(Name, Mode);
}

void SafeRemoveDirectory(const ZQ_String& Name) { DeleteTree(Name, 1); }

void SafeCopyDirectory(const ZQ_String& Src, const ZQ_String& Dest) {
  ZQ_TRACE_FUNCTION("ZQ_FileUtils::SafeCopyDirectory");
  ZQ_TRACE_VARIABLE(Src);
  ZQ_TRACE_VARIABLE(Dest);
  const ZQ_String destination = Util_AppendSeparator(Dest);
  for (ZQ_ReadOnlyIterator<ZQ_FilenameIterator_FileInfo> it = ZQ_GetFilenameIterator(
           Src, ZQ_String("*"), ZQ_FilenameIterator_Recursive | ZQ_FilenameIterator_FilesOnly);
       it.IsValid(); it.Advance()) {
    const ZQ_FilenameIterator_FileInfo& entry = it.GetCurrent();
    SafeCopy(entry.GetFileName(), ZQ_FileName(destination + entry.GetRelativeDirectory() +
                                              entry.GetFileName().GetFileName()));
  }
}

ZQ_String GetCurrentDirectoryA() {
  ZQ_TRACE_FUNCTION("ZQ_FileUtils::GetCurrentDirectoryA");
  return GetDirectoryText([](DWORD Size, char* Buffer) {
    return ZQLOW_WINBASE::GetCurrentDirectoryA(Size, Buffer);
  });
}

void SetCurrentDirectoryA(const ZQ_String& Name) {
  ZQ_TRACE_FUNCTION("ZQ_FileUtils::SetCurrentDirectoryA");
  ZQ_TRACE_VARIABLE(Name);
  ZQLOW_WINBASE::SetCurrentDirectoryA(Util_RemoveTrailingSeparator(Name).GetText());
}

ZQ_String GetHomeDirectory() {
  ZQ_TRACE_FUNCTION("ZQ_FileUtils::GetHomeDirectory");
  return Util_AppendSeparator(ZQ_GetContainingExecutableFileName().GetAbsolutePath());
}

ZQ_String GetTemporaryDirectory() {
  ZQ_TRACE_FUNCTION("ZQ_FileUtils::GetTemporaryDirectory");
  return GetDirectoryText(
      [](DWORD Size, char* Buffer) { return ZQLOW_WINBASE::GetTempPathA(Size, Buffer); });
}

ZQ_FileName GetTemporaryFileName(const ZQ_String& BasePrefix, const ZQ_String& Extension,
                                 const ZQ_String& Directory) {
  ZQ_TRACE_FUNCTION("ZQ_FileUtils::GetTemporaryFileName");
  ZQ_RandomNumberGenerator& generator = TemporaryNameGenerator();
  ZQ_FileName name;
  do {
    generator.SetSeed(generator.GetSeed() * 134775813u + 1u);
    ZQ_StringStream text;
    text << BasePrefix << SetBase(16) << static_cast<unsigned long>(generator.GetSeed());
    if (!Extension.IsEmpty()) {
      if (Extension.GetFirstChar() != '.') text << '.';
      text << Extension;
    }
    name = ZQ_FileName(ZQ_String(text));
    name.SetPath(Directory, ZQ_FileName::SetMode_Replace);
  } while (FileExists(name));
  return name;
}

ZQ_String StripNonfileChars(const ZQ_String& Text) {
  ZQ_String result = ZQ_String::WithCapacity(Text.GetLength());
  for (int i = 0; i < Text.GetLength(); ++i)
    if (IsFileNameChar(Text[i])) result += Text[i];
  return result;
}

}  // namespace ZQ_FileUtils

// ---------------------------------------------------------------------------

ZQ_String ZQ_SubstituteParameters(ZQ_String Template, const ZQ_String& Value) {
  ZQ_TRACE_FUNCTION("ZQ_SubstituteParameters");
  return ZQ_FillParameterSymbols(Template, &Value, 1);
}

ZQ_String ZQ_SubstituteParameters(ZQ_String Template, const char* Value) {
  return ZQ_SubstituteParameters(Template, ZQ_String(Value));
}

// ---------------------------------------------------------------------------

ZQ_TemporaryDirectoryChange::ZQ_TemporaryDirectoryChange(const ZQ_String& DirectoryToChangeInto)
    : SavedDirectory(ZQ_FileUtils::GetCurrentDirectoryA()) {
  ZQ_TRACE_FUNCTION("ZQ_TemporaryDirectoryChange::ZQ_TemporaryDirectoryChange");
  ZQ_FileUtils::SetCurrentDirectoryA(DirectoryToChangeInto);
}

ZQ_TemporaryDirectoryChange::~ZQ_TemporaryDirectoryChange() {
  try {
    ZQ_TRACE_FUNCTION("ZQ_TemporaryDirectoryChange::~ZQ_TemporaryDirectoryChange");
    ZQ_FileUtils::SetCurrentDirectoryA(SavedDirectory);
  } catch (...) {
  }
}
