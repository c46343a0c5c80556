#include "ZQ_MemoryMappedFileStreamSource.h"

#include <cstring>
#include <exception>

#include "ZQLOW_WINBASE.h"
#include "ZQ_Assertion.h"
#include "ZQ_Exception.h"
#include "ZQ_FileStreamSource.h"
#include "ZQ_FileUtils.h"
#include "ZQ_Internationalization.h"
#include "ZQ_StackTrace.h"

namespace {

// The view of an empty file: no mapping exists, yet reads of 0 bytes and the
// data pointer must work.
const char kEmptyContent[] = "";

// The largest file a 32-bit position can address.
const DWORD kMaxFileLength = 0x7FFFFFFF;

ZQ_String FillFileName(const char* Template, const ZQ_FileName& Name) {
  return ZQ_SubstituteParameters(ZQ_Internationalization_Translate(Template), Name.GetPathName());
}

}  // namespace

ZQ_MemoryMappedFileStreamSourceReference::ZQ_MemoryMappedFileStreamSourceReference(
    const ZQ_FileName& aFileName, unsigned long Options)
    : FileName(aFileName) {
  ZQ_TRACE_FUNCTION(
      "ZQ_MemoryMappedFileStreamSourceReference::ZQ_MemoryMappedFileStreamSourceReference");
  // A failure after the file was opened or mapped releases both through the
  // owners: the file would otherwise stay locked for the rest of the run.
  Open(Options);
}

void ZQ_MemoryMappedFileStreamSourceReference::Open(unsigned long Options) {
  ZQ_TRACE_FUNCTION("ZQ_MemoryMappedFileStreamSourceReference::Open");
  Close();
  try {
    const ZQ_String path = ZQ_FileStreamSourceReference::Util_GetOpenPath(FileName);
    const DWORD flags =
        FILE_ATTRIBUTE_NORMAL | ZQ_FileStreamSourceReference::Util_GetAccessFlags(Options);
    File.Reset(ZQLOW_WINBASE::CreateFileA(path.GetText(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                          OPEN_EXISTING, flags, nullptr));
    // Outside mode 0 a failed call returns after its report: the source then
    // stays empty rather than work on an invalid handle.
    if (!File.IsValid()) return;
    // The high word is read too: a file of 4 GB or more must not pass for
    // the remainder of its size.
    DWORD high = 0;
    const DWORD low = ZQLOW_WINBASE::GetFileSize(File.Get(), &high);
    if (high != 0 || low > kMaxFileLength)
      throw ZQ_Exception(
          ZQ_Internationalization_Translate("File too large"),
          FillFileName("The file \"{$1}\" is too large to be read: it holds 2 GB or more.",
                       FileName));
    if (low == 0) return;
    Mapping.Reset(
        ZQLOW_WINBASE::CreateFileMappingA(File.Get(), nullptr, PAGE_READONLY, 0, 0, nullptr));
    if (!Mapping.IsValid()) return;
    View.Reset(ZQLOW_WINBASE::MapViewOfFile(Mapping.Get(), FILE_MAP_READ, 0, 0, 0));
    if (!View.IsValid()) return;
    FileLength = static_cast<long>(low);
  } catch (ZQ_Exception& e) {
    ZQ_FileStreamSourceReference::Util_AppendOpenSentence(e, FileName);
    throw;
  }
}

void ZQ_MemoryMappedFileStreamSourceReference::Close() {
  ZQ_TRACE_FUNCTION("ZQ_MemoryMappedFileStreamSourceReference::Close");
  FileLength = 0;
  Position = 0;
  std::exception_ptr failure;
  const auto release = [&failure](auto& Owner) {
    try {
      Owner.Reset();
    } catch (...) {
      if (!failure) failure = std::current_exception();
    }
  };
  release(View);
  release(Mapping);
  release(File);
  if (failure) std::rethrow_exception(failure);
}

const char* ZQ_MemoryMappedFileStreamSourceReference::GetDataPointer() {
  return View.IsValid() ? static_cast<const char*>(View.Get()) : kEmptyContent;
}

void ZQ_MemoryMappedFileStreamSourceReference::Read(void* Dest, unsigned long N) {
  ZQ_TRACE_FUNCTION("ZQ_MemoryMappedFileStreamSourceReference::Read");
  if (N > static_cast<unsigned long>(FileLength - Position))
    throw ZQ_Exception(
        ZQ_Internationalization_Translate("Error occurred while reading file"),
        FillFileName("An attempt was made to read past the end of file \"{$1}\".", FileName));
  std::memcpy(Dest, GetDataPointer() + Position, N);
  Position += static_cast<long>(N);
}

void ZQ_MemoryMappedFileStreamSourceReference::Seek(long Offset, int Origin) {
  ZQ_TRACE_FUNCTION("ZQ_MemoryMappedFileStreamSourceReference::Seek");
  long long target = 0;
  switch (Origin) {
    case 0: target = Offset; break;
    case 1: target = static_cast<long long>(Position) + Offset; break;
    case 2: target = static_cast<long long>(FileLength) + Offset; break;
    default:
      ZQ_ReportAssertionFailure("false", "ZQ_FileStreamSource", __LINE__);
      return;
  }
  // A position outside the file is never kept: a later read would copy from
  // outside the view.
  if (!(target >= 0 && target <= FileLength)) {
    ZQ_ReportAssertionFailure("(NewPos >= 0) and (NewPos <= FileLength)", "ZQ_FileStreamSource",
                              __LINE__);
    return;
  }
  Position = static_cast<long>(target);
}
