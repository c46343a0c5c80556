#include "ZQ_FileStreamSink.h"

#include "ZQLOW_WINBASE.h"
#include "ZQLOW_WIN_Core.h"
#include "ZQ_Exception.h"
#include "ZQ_FileUtils.h"
#include "ZQ_Internationalization.h"
#include "ZQ_StackTrace.h"
#include "ZQ_StringSubs.h"

namespace {

// Only the running program's mode 0 throws from the API layer; in any other
// mode a ZQ_Exception here comes from the assertion service and passes as it is.
bool IsApiFailureException() { return ZQLOW_WIN_GetAPIFunctionFailureMode() == 0; }

ZQ_String FillFileName(const char* Template, const ZQ_FileName& Name) {
  return ZQ_SubstituteArguments(ZQ_Internationalization_Translate(Template),
                                Name.GetPathName(), ZQ_String());
}

}  // namespace

ZQ_FileStreamSinkReference::ZQ_FileStreamSinkReference(const ZQ_FileName& aFileName,
                                                       unsigned long Options)
    : FileName(aFileName) {
  ZQ_TRACE_FUNCTION("ZQ_FileStreamSinkReference::ZQ_FileStreamSinkReference");
  // A failure after the file was opened closes it through Handle.
  Open(Options);
}

void ZQ_FileStreamSinkReference::Open(unsigned long Options) {
  ZQ_TRACE_FUNCTION("ZQ_FileStreamSinkReference::Open");
  Close();
  DWORD flags = FILE_FLAG_SEQUENTIAL_SCAN;
  if (Options & ZQ_FileStreamSink_WriteThrough) flags |= FILE_FLAG_WRITE_THROUGH;
  if (Options & ZQ_FileStreamSink_Temporary) flags |= FILE_ATTRIBUTE_TEMPORARY;
  const DWORD disposition = (Options & ZQ_FileStreamSink_Append) ? OPEN_ALWAYS : CREATE_ALWAYS;
  const ZQ_String path = ZQ_StringSubs::StripQuotes(FileName.GetPathName(), '"', '"');
  try {
    Handle.Reset(ZQLOW_WINBASE::CreateFileA(path.GetText(), GENERIC_WRITE, 0, nullptr,
                                            disposition, flags, nullptr));
  } catch (const ZQ_Exception&) {
    if (!IsApiFailureException()) throw;
    throw ZQ_Exception(
        ZQ_Internationalization_Translate("Error occurred while opening file"),
        FillFileName("The file \"{$1}\" could not be opened for output.", FileName));
  }
  if (Options & ZQ_FileStreamSink_Append) Seek(0, 2);
}

void ZQ_FileStreamSinkReference::Close() {
  ZQ_TRACE_FUNCTION("ZQ_FileStreamSinkReference::Close");
  Handle.Reset();
}

void ZQ_FileStreamSinkReference::ThrowWriteError() const {
  // "occured" is the message's own spelling, the key of its translations.
  throw ZQ_Exception(ZQ_Internationalization_Translate("Error occurred while writing to file"),
                     FillFileName("An error occured while writing to the file \"{$1}\".",
                                  FileName));
}

void ZQ_FileStreamSinkReference::Write(const void* Data, unsigned long N) {
  ZQ_TRACE_FUNCTION("ZQ_FileStreamSinkReference::Write");
  DWORD written = 0;
  try {
    // The wrapper reports a short write as a failure too.
    ZQLOW_WINBASE::WriteFile(Handle.Get(), Data, N, &written, nullptr);
  } catch (const ZQ_Exception&) {
    if (!IsApiFailureException()) throw;
    ThrowWriteError();
  }
  if (written != N && IsApiFailureException()) ThrowWriteError();
}

void ZQ_FileStreamSinkReference::Flush() {
  ZQ_TRACE_FUNCTION("ZQ_FileStreamSinkReference::Flush");
  try {
    ZQLOW_WINBASE::FlushFileBuffers(Handle.Get());
  } catch (const ZQ_Exception&) {
    if (!IsApiFailureException()) throw;
    ThrowWriteError();
  }
}

void ZQ_FileStreamSinkReference::Seek(long Offset, int Origin) {
  ZQ_TRACE_FUNCTION("ZQ_FileStreamSinkReference::Seek");
  ZQ_FileUtils::Util_SeekFileHandle(Handle.Get(), Offset, Origin, "ZQ_FileStreamSink",
                                    __LINE__);
}

unsigned long ZQ_FileStreamSinkReference::GetPosition() {
  ZQ_TRACE_FUNCTION("ZQ_FileStreamSinkReference::GetPosition");
  return ZQLOW_WINBASE::SetFilePointer(Handle.Get(), 0, nullptr, FILE_CURRENT);
}

unsigned long ZQ_FileStreamSinkReference::GetSize() {
  ZQ_TRACE_FUNCTION("ZQ_FileStreamSinkReference::GetSize");
  return ZQLOW_WINBASE::GetFileSize(Handle.Get(), nullptr);
}

ZQ_SeekableStreamSink ZQ_CreateFileStreamSink(const ZQ_FileName& aFileName,
                                              unsigned long Options) {
  ZQ_TRACE_FUNCTION("ZQ_CreateFileStreamSink");
  return ZQ_SeekableStreamSink(new ZQ_FileStreamSinkReference(aFileName, Options));
}
