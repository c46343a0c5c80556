#include "ZQ_ResourceStreamSource.h"

#include <cctype>
#include <cstring>

#include "ZQLOW_WINBASE.h"
#include "ZQLOW_WIN_Core.h"
#include "ZQLOW_Windows.h"
#include "ZQ_Assertion.h"
#include "ZQ_Exception.h"
#include "ZQ_StackTrace.h"

namespace {

// The types searched, in this order.
const LPCSTR kResourceTypes[] = {RT_RCDATA, RT_BITMAP, RT_STRING};

// The entry of a resource directory whose name matches Name without regard
// to case (Name non-null) or whose id is Id; null when there is none.
const IMAGE_RESOURCE_DIRECTORY_ENTRY* FindDirectoryEntry(const BYTE* Root,
                                                         const IMAGE_RESOURCE_DIRECTORY* Directory,
                                                         const char* Name, WORD Id) {
  const auto* entries = reinterpret_cast<const IMAGE_RESOURCE_DIRECTORY_ENTRY*>(Directory + 1);
  const int count = Directory->NumberOfNamedEntries + Directory->NumberOfIdEntries;
  for (int i = 0; i < count; ++i) {
    const IMAGE_RESOURCE_DIRECTORY_ENTRY& entry = entries[i];
    if (!Name) {
      if (!entry.NameIsString && entry.Id == Id) return &entry;
      continue;
    }
    if (!entry.NameIsString) continue;
    const auto* text = reinterpret_cast<const IMAGE_RESOURCE_DIR_STRING_U*>(Root + entry.NameOffset);
    bool same = text->Length == std::strlen(Name);
    for (WORD c = 0; same && c < text->Length; ++c) {
      same = text->NameString[c] < 128 &&
             std::toupper(text->NameString[c]) == std::toupper(static_cast<unsigned char>(Name[c]));
    }
    if (same) return &entry;
  }
  return nullptr;
}

// GNU ld sorts the named resources it merges from several scripts by their
// lower-case form, while the loader's binary search expects the upper-case
// order: of "ZQF_X" and "ZQFO_Y" under one type, FindResource then misses
// one. This walks the module's resource directory (type, name, first
// language) instead; the data entry found is what FindResource returns.
// Only a module mapped as an image can be walked by its addresses: a module
// loaded as a data file has a handle with a low bit set.
HRSRC FindNamedResourceByWalk(HMODULE Module, const char* Name, LPCSTR Type) {
  const BYTE* base = reinterpret_cast<const BYTE*>(Module);
  if (!base || (reinterpret_cast<ULONG_PTR>(base) & 3) != 0) return nullptr;
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  if (dos->e_magic != IMAGE_DOS_SIGNATURE) return nullptr;
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  if (nt->Signature != IMAGE_NT_SIGNATURE) return nullptr;
  const IMAGE_DATA_DIRECTORY& resources =
      nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_RESOURCE];
  if (!resources.VirtualAddress) return nullptr;
  const BYTE* root = base + resources.VirtualAddress;
  const auto* directory = reinterpret_cast<const IMAGE_RESOURCE_DIRECTORY*>(root);
  const IMAGE_RESOURCE_DIRECTORY_ENTRY* entry =
      FindDirectoryEntry(root, directory, nullptr, LOWORD(reinterpret_cast<ULONG_PTR>(Type)));
  for (int level = 0; entry && entry->DataIsDirectory && level < 2; ++level) {
    directory = reinterpret_cast<const IMAGE_RESOURCE_DIRECTORY*>(root + entry->OffsetToDirectory);
    if (level == 0) {
      entry = FindDirectoryEntry(root, directory, Name, 0);
    } else {
      const bool hasLanguage = directory->NumberOfNamedEntries + directory->NumberOfIdEntries > 0;
      entry = hasLanguage ? reinterpret_cast<const IMAGE_RESOURCE_DIRECTORY_ENTRY*>(directory + 1)
                          : nullptr;
    }
  }
  if (!entry || entry->DataIsDirectory) return nullptr;
  return reinterpret_cast<HRSRC>(const_cast<BYTE*>(root + entry->OffsetToData));
}

// The first resource of that name under the types searched, or null.
HRSRC FindNamedResource(HMODULE Module, const ZQ_String& ResourceName) {
  ZQ_TRACE_FUNCTION("ZQ_ResourceStreamSource::FindNamedResource");
  for (const LPCSTR type : kResourceTypes) {
    const HRSRC found =
        ZQLOW_WINBASE::FindResource_DoNotThrowException(Module, ResourceName.GetText(), type);
    if (found) return found;
  }
  for (const LPCSTR type : kResourceTypes) {
    if (const HRSRC found = FindNamedResourceByWalk(Module, ResourceName.GetText(), type)) {
      return found;
    }
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
