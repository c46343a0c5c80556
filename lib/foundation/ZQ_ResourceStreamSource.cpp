#include "ZQ_ResourceStreamSource.h"

#include "ZQLOW_WINBASE.h"
#include "ZQLOW_WIN_Core.h"
#include "ZQLOW_Windows.h"
#include "ZQ_Assertion.h"
#include "ZQ_Exception.h"
#include "ZQ_StackTrace.h"

namespace {

// The types searched, in this order.
const LPCSTR kResourceTypes[] = {RT_RCDATA, RT_BITMAP, RT_STRING};

// The first resource of that name under the types searched, or null.
HRSRC FindNamedResource(HMODULE Module, const ZQ_String& ResourceName) {
  ZQ_TRACE_FUNCTION("ZQ_ResourceStreamSource::FindNamedResource");
  for (const LPCSTR type : kResourceTypes) {
    const HRSRC found =
        ZQLOW_WINBASE::FindResource_DoNotThrowException(Module, ResourceName.GetText(), type);
    if (found) return found;
  }
  return nullptr;
}

}  // namespace

bool ZQ_ResourceExists(const ZQ_String& ResourceName) {
  ZQ_TRACE_FUNCTION("ZQ_ResourceExists");
  ZQ_TRACE_VARIABLE(ResourceName);
  return FindNamedResource(ZQLOW_WIN_GetProgramInstanceHandle(), ResourceName) != nullptr;
}

ZQ_String ZQ_LoadResourceIntoString(const ZQ_String& ResourceName,
                                    const ZQ_String& EndOfResourceMarker) {
  ZQ_TRACE_FUNCTION("ZQ_LoadResourceIntoString");
  ZQ_TRACE_VARIABLE(ResourceName);
  const HMODULE module = ZQLOW_WIN_GetProgramInstanceHandle();
  const HRSRC found = FindNamedResource(module, ResourceName);
  if (!found)
    throw ZQ_Exception("Error loading resource '" + ResourceName + "'.",
                       "Function FindResource failed.");
  const DWORD size = ZQLOW_WINBASE::SizeofResource(module, found);
  const HGLOBAL loaded = ZQLOW_WINBASE::LoadResource(module, found);
  const void* data = loaded ? ZQLOW_WINBASE::LockResource(loaded) : nullptr;
  // Outside mode 0 a failed call returns after its report: nothing to copy.
  if (!data || size == 0) return ZQ_String();
  ZQ_String text(static_cast<const char*>(data), static_cast<int>(size));
  if (!EndOfResourceMarker.IsEmpty()) {
    const int i = text.FindLast(EndOfResourceMarker.GetText());
    if (i == ZQ_NoMatch)
      ZQ_ReportAssertionFailure("i != ZQ_NoMatch", "ZQ_ResourceStreamSource", __LINE__);
    if (i != ZQ_NoMatch) text.Replace(i, text.GetLength() - i, nullptr, 0);
  }
  return text;
}

ZQ_SeekableStreamSource ZQ_CreateResourceStreamSource(const ZQ_String& ResourceName,
                                                      const ZQ_String& EndOfResourceMarker) {
  ZQ_TRACE_FUNCTION("ZQ_CreateResourceStreamSource");
  return ZQ_CreateStringStreamSource(ZQ_LoadResourceIntoString(ResourceName, EndOfResourceMarker));
}
