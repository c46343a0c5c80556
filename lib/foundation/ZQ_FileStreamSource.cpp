#include "ZQ_FileStreamSource.h"

#include "ZQLOW_WINBASE.h"
#include "ZQLOW_WIN_Core.h"
#include "ZQ_Exception.h"
#include "ZQ_FileUtils.h"
#include "ZQ_Internationalization.h"
#include "ZQ_MemoryMappedFileStreamSource.h"
#include "ZQ_StackTrace.h"
#include "ZQ_StringSubs.h"

namespace {

// Only the running program's mode 0 throws from the API layer; in any other
// mode a ZQ_Exception here comes from the assertion service and passes as it is.
bool IsApiFailureException() { return ZQLOW_WIN_GetAPIFunctionFailureMode() == 0; }

ZQ_String FillFileName(const char* Template, const ZQ_FileName& Name) {
  return ZQ_SubstituteParameters(ZQ_Internationalization_Translate(Template), Name.GetPathName());
}

}  // namespace

ZQ_String ZQ_FileStreamSourceReference::Util_GetOpenPath(const ZQ_FileName& Name) {
  return ZQ_StringSubs::StripQuotes(Name.GetPathName(), '"', '"');
}

DWORD ZQ_FileStreamSourceReference::Util_GetAccessFlags(unsigned long Options) {
  return (Options & ZQ_FileStreamSource_RandomAccess) ? FILE_FLAG_RANDOM_ACCESS
                                                      : FILE_FLAG_SEQUENTIAL_SCAN;
}

void ZQ_FileStreamSourceReference::Util_AppendOpenSentence(ZQ_Exception& Exception,
                                                           const ZQ_FileName& Name) {
  Exception.AppendToDescription(FillFileName(
      "This error occurred while attempting to open file \"{$1}\" for reading.", Name));
}

ZQ_FileStreamSourceReference::ZQ_FileStreamSourceReference(const ZQ_FileName& aFileName,
                                                           unsigned long Options)
    : FileName(aFileName) {
  ZQ_TRACE_FUNCTION("ZQ_FileStreamSourceReference::ZQ_FileStreamSourceReference");
  Open(Options);
}

void ZQ_FileStreamSourceReference::Open(unsigned long Options) {
  ZQ_TRACE_FUNCTION("ZQ_FileStreamSourceReference::Open");
  Close();
  try {
    const ZQ_String path = Util_GetOpenPath(FileName);
    Handle.Reset(ZQLOW_WINBASE::CreateFileA(path.GetText(), GENERIC_READ, FILE_SHARE_READ,
                                            nullptr, OPEN_EXISTING, Util_GetAccessFlags(Options),
                                            nullptr));
  } catch (ZQ_Exception& e) {
    Util_AppendOpenSentence(e, FileName);
    throw;
  } catch (...) {
    throw ZQ_Exception(ZQ_Internationalization_Translate("Could not open file"),
                       FillFileName("The file \"{$1}\" could not be opened for reading.",
                                    FileName));
  }
}

void ZQ_FileStreamSourceReference::Close() {
  ZQ_TRACE_FUNCTION("ZQ_FileStreamSourceReference::Close");
  Handle.Reset();
}

void ZQ_FileStreamSourceReference::ThrowReadError() const {
  // "occured" is the message's own spelling, the key of its translations.
  throw ZQ_Exception(ZQ_Internationalization_Translate("Error occurred while reading from file"),
                     FillFileName("An error occured while reading from the file \"{$1}\".",
                                  FileName));
}

void ZQ_FileStreamSourceReference::Read(void* Dest, unsigned long N) {
  ZQ_TRACE_FUNCTION("ZQ_FileStreamSourceReference::Read");
  DWORD count = 0;
  try {
    // The wrapper reports a short read (the end of the file) too.
    ZQLOW_WINBASE::ReadFile(Handle.Get(), Dest, N, &count, nullptr);
  } catch (const ZQ_Exception&) {
    if (!IsApiFailureException()) throw;
    ThrowReadError();
  }
  if (count != N && IsApiFailureException()) ThrowReadError();
}

void ZQ_FileStreamSourceReference::Seek(long Offset, int Origin) {
  ZQ_TRACE_FUNCTION("ZQ_FileStreamSourceReference::Seek");
  ZQ_FileUtils::Util_SeekFileHandle(Handle.Get(), Offset, Origin, "ZQ_FileStreamSource",
                                    __LINE__);
}

unsigned long ZQ_FileStreamSourceReference::GetPosition() {
  ZQ_TRACE_FUNCTION("ZQ_FileStreamSourceReference::GetPosition");
  return ZQLOW_WINBASE::SetFilePointer(Handle.Get(), 0, nullptr, FILE_CURRENT);
}

unsigned long ZQ_FileStreamSourceReference::GetSize() {
  ZQ_TRACE_FUNCTION("ZQ_FileStreamSourceReference::GetSize");
  return ZQLOW_WINBASE::GetFileSize(Handle.Get(), nullptr);
}

ZQ_SeekableStreamSource ZQ_CreateFileStreamSource(const ZQ_FileName& aFileName,
                                                  unsigned long Options) {
  ZQ_TRACE_FUNCTION("ZQ_CreateFileStreamSource");
  ZQ_TRACE_VARIABLE(aFileName);
  if (Options & ZQ_FileStreamSource_UseReadFile)
    return ZQ_SeekableStreamSource(new ZQ_FileStreamSourceReference(aFileName, Options));
  return ZQ_SeekableStreamSource(new ZQ_MemoryMappedFileStreamSourceReference(aFileName, Options));
}

ZQ_SeekableStreamSource ZQ_CreateFileStreamSource(const ZQ_String& aString,
                                                  unsigned long Options) {
  return ZQ_CreateFileStreamSource(ZQ_FileName(aString), Options);
}

ZQ_SeekableStreamSource ZQ_CreateFileStreamSource(const char* aString, unsigned long Options) {
  return ZQ_CreateFileStreamSource(ZQ_FileName(aString), Options);
}

ZQ_String ZQ_LoadFileIntoString(const ZQ_FileName& aFileName) {
  ZQ_TRACE_FUNCTION("ZQ_LoadFileIntoString");
  return ZQ_LoadStreamIntoString(ZQ_CreateFileStreamSource(aFileName, 0));
}

ZQ_String ZQ_LoadFileIntoString(const ZQ_String& aString) {
  return ZQ_LoadFileIntoString(ZQ_FileName(aString));
}

ZQ_String ZQ_LoadFileIntoString(const char* aString) {
  return ZQ_LoadFileIntoString(ZQ_FileName(aString));
}
