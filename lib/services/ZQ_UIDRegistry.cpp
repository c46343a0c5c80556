#include "ZQ_UIDRegistry.h"

#include "ZQ_RegistryBinaryForm.h"
#include "ZQ_RegistryValueItems.h"
#include "ZQ_StackTrace.h"

namespace {

struct RegisterItemClass {
  RegisterItemClass() {
    ZQ_RegisterRegistryItemCreationFunction(
        ZQ_RegUID::ClassID, [] { return static_cast<ZQ_RegistryItem*>(new ZQ_RegUID); });
  }
} s_registerItemClass;

}  // namespace

void ZQ_SetUID(ZQ_RegistryFolder& Folder, const ZQ_String& Key, const ZQ_UID& Value) {
  ZQ_TRACE_FUNCTION("ZQ_SetUID");
  ZQ_SetString(Folder, Key, Value.GetTextRepresentation());
}

ZQ_UID ZQ_GetUID(const ZQ_RegistryFolder& Folder, const ZQ_String& Key, const ZQ_UID& Default) {
  ZQ_TRACE_FUNCTION("ZQ_GetUID");
  if (const auto* legacy = ZQ_GetRegistryItemOfClass<ZQ_RegUID>(Folder, Key)) return legacy->GetValue();
  return ZQ_UID::ParseTextRepresentation(ZQ_GetString(Folder, Key, ZQ_String()), Default);
}

void ZQ_RegUID::ConvertFromLegacyDatatype(ZQ_RegistryFolder& Folder, const ZQ_String& Key) {
  ZQ_TRACE_FUNCTION("ZQ_RegUID::ConvertFromLegacyDatatype");
  // Read out first: the set function deletes this item.
  const ZQ_UID value = ZQ_GetUID(Folder, Key, ZQ_UID());
  ZQ_SetUID(Folder, Key, value);
}
