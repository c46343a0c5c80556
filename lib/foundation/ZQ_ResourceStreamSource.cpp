#include "ZQ_ResourceStreamSource.h"

#include <cctype>

#include "ZQLOW_WINBASE.h"
#include "ZQLOW_WIN_Core.h"
#include "ZQLOW_Windows.h"
#include "ZQ_Assertion.h"
#include "ZQ_Exception.h"
#include "ZQ_StackTrace.h"

namespace {

// The types searched, in this order.
const LPCSTR kResourceTypes[] = {RT_RCDATA, RT_BITMAP, RT_STRING};

// The entries of one resource directory table.
const IMAGE_RESOURCE_DIRECTORY_ENTRY* EntriesOf(const BYTE* Table, DWORD& Count) {
  const auto* directory = reinterpret_cast<const IMAGE_RESOURCE_DIRECTORY*>(Table);
  Count = directory->NumberOfNamedEntries + directory->NumberOfIdEntries;
  return reinterpret_cast<const IMAGE_RESOURCE_DIRECTORY_ENTRY*>(directory + 1);
}

bool NameMatches(const BYTE* Root, const IMAGE_RESOURCE_DIRECTORY_ENTRY& Entry, const ZQ_String& Name) {
  if (!Entry.NameIsString) return false;
  const auto* text = reinterpret_cast<const IMAGE_RESOURCE_DIR_STRING_U*>(Root + Entry.NameOffset);
  if (text->Length != Name.GetLength()) return false;
  for (int i = 0; i < Name.GetLength(); ++i) {
    const WCHAR c = text->NameString[i];
    const unsigned char wanted = static_cast<unsigned char>(Name.GetText()[i]);
    if (c > 0x7F || std::toupper(c) != std::toupper(wanted)) return false;
  }
  return true;
}

// GNU ld merges the resource sections of several scripts and orders their
// names by lower case, while the loader's binary search compares upper
// case: "ZQF_TavistelLogo" and "ZQFO_DocumentDTD" then stand in the wrong
// order and FindResourceA misses one. A linear walk of the module's
// directory finds it; the result is the data entry, which is what an HRSRC
// of a loaded module points at.
HRSRC FindByWalkingDirectory(HMODULE Module, const ZQ_String& Name, LPCSTR Type) {
  // Only a module mapped as an image: one loaded as a data file (its handle
  // has a low bit set) keeps the file's layout, where addresses differ.
  if (!Module || (reinterpret_cast<ULONG_PTR>(Module) & 3) != 0 || !IS_INTRESOURCE(Type)) {
    return nullptr;
  }
  const BYTE* base = reinterpret_cast<const BYTE*>(Module);
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  if (dos->e_magic != IMAGE_DOS_SIGNATURE) return nullptr;
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  if (nt->Signature != IMAGE_NT_SIGNATURE) return nullptr;
  const IMAGE_DATA_DIRECTORY& resources =
      nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_RESOURCE];
  if (!resources.VirtualAddress) return nullptr;
  const BYTE* root = base + resources.VirtualAddress;
  DWORD numTypes = 0;
  const IMAGE_RESOURCE_DIRECTORY_ENTRY* types = EntriesOf(root, numTypes);
  for (DWORD t = 0; t < numTypes; ++t) {
    if (types[t].NameIsString || types[t].Id != LOWORD(reinterpret_cast<ULONG_PTR>(Type))) continue;
    if (!types[t].DataIsDirectory) continue;
    DWORD numNames = 0;
    const IMAGE_RESOURCE_DIRECTORY_ENTRY* names = EntriesOf(root + types[t].OffsetToDirectory, numNames);
    for (DWORD n = 0; n < numNames; ++n) {
      if (!NameMatches(root, names[n], Name) || !names[n].DataIsDirectory) continue;
      DWORD numLanguages = 0;
      const IMAGE_RESOURCE_DIRECTORY_ENTRY* languages =
          EntriesOf(root + names[n].OffsetToDirectory, numLanguages);
      if (numLanguages == 0 || languages[0].DataIsDirectory) return nullptr;
      return reinterpret_cast<HRSRC>(const_cast<BYTE*>(root + languages[0].OffsetToData));
    }
  }
  return nullptr;
}

// The first resource of that name under the types searched, or null.
HRSRC FindNamedResource(HMODULE Module, const ZQ_String& ResourceName) {
  ZQ_TRACE_FUNCTION("ZQ_ResourceStreamSource::FindNamedResource");
  for (const LPCSTR type : kResourceTypes) {
    HRSRC found =
        ZQLOW_WINBASE::FindResource_DoNotThrowException(Module, ResourceName.GetText(), type);
    if (!found) found = FindByWalkingDirectory(Module, ResourceName, type);
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
