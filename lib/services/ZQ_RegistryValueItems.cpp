#include "ZQ_RegistryValueItems.h"

#include "ZQ_RegistryBinaryForm.h"
#include "ZQ_RegistryItemSequence.h"
#include "ZQ_StackTrace.h"

namespace {

// The item factory learns this module's classes before the program entry
// runs; ids 8, 21 and 38 are older ids of the 32-bit and double items.
struct RegisterItemClasses {
  RegisterItemClasses() {
    ZQ_RegisterRegistryItemCreationFunction(ZQ_RegistryFolder_ClassID,
                                            &ZQ_CreateRegistryItem<ZQ_RegistryFolder>);
    ZQ_RegisterRegistryItemCreationFunction(2, &ZQ_CreateRegistryItem<ZQ_BinaryDataRegistryItem>);
    ZQ_RegisterRegistryItemCreationFunction(ZQ_RegistryItemSequence_ClassID,
                                            &ZQ_CreateRegistryItem<ZQ_RegistryItemSequence>);
    ZQ_RegisterRegistryItemCreationFunction(3, &ZQ_CreateRegistryItem<ZQ_RegInt32>);
    ZQ_RegisterRegistryItemCreationFunction(8, &ZQ_CreateRegistryItem<ZQ_RegInt32>);
    ZQ_RegisterRegistryItemCreationFunction(11, &ZQ_CreateRegistryItem<ZQ_RegInt16>);
    ZQ_RegisterRegistryItemCreationFunction(17, &ZQ_CreateRegistryItem<ZQ_RegUInt32>);
    ZQ_RegisterRegistryItemCreationFunction(38, &ZQ_CreateRegistryItem<ZQ_RegUInt32>);
    ZQ_RegisterRegistryItemCreationFunction(16, &ZQ_CreateRegistryItem<ZQ_RegUInt16>);
    ZQ_RegisterRegistryItemCreationFunction(6, &ZQ_CreateRegistryItem<ZQ_RegDouble>);
    ZQ_RegisterRegistryItemCreationFunction(21, &ZQ_CreateRegistryItem<ZQ_RegDouble>);
    ZQ_RegisterRegistryItemCreationFunction(5, &ZQ_CreateRegistryItem<ZQ_RegFloat>);
    ZQ_RegisterRegistryItemCreationFunction(4, &ZQ_CreateRegistryItem<ZQ_RegBool>);
    ZQ_RegisterRegistryItemCreationFunction(7, &ZQ_CreateRegistryItem<ZQ_RegString>);
  }
} s_registerItemClasses;

}  // namespace

// The conversions go through the set functions, which delete this item:
// nothing of it may be touched after them.
void ZQ_RegInt16::ConvertFromLegacyDatatype(ZQ_RegistryFolder& Folder, const ZQ_String& Key) {
  ZQ_TRACE_FUNCTION("ZQ_RegInt16::ConvertFromLegacyDatatype");
  const long value = ZQ_GetInt32(Folder, Key, 0);
  ZQ_SetInt32(Folder, Key, value);
}

void ZQ_RegUInt16::ConvertFromLegacyDatatype(ZQ_RegistryFolder& Folder, const ZQ_String& Key) {
  ZQ_TRACE_FUNCTION("ZQ_RegUInt16::ConvertFromLegacyDatatype");
  const unsigned long value = ZQ_GetUInt32(Folder, Key, 0);
  ZQ_SetUInt32(Folder, Key, value);
}

void ZQ_RegFloat::ConvertFromLegacyDatatype(ZQ_RegistryFolder& Folder, const ZQ_String& Key) {
  ZQ_TRACE_FUNCTION("ZQ_RegFloat::ConvertFromLegacyDatatype");
  const double value = ZQ_GetDouble(Folder, Key, 0.0);
  ZQ_SetDouble(Folder, Key, value);
}

void ZQ_SetInt32(ZQ_RegistryFolder& Folder, const ZQ_String& Key, const long& Value) {
  ZQ_SetRegistryItemValue<ZQ_RegInt32>(Folder, Key, Value);
}
void ZQ_SetUInt32(ZQ_RegistryFolder& Folder, const ZQ_String& Key, const unsigned long& Value) {
  ZQ_SetRegistryItemValue<ZQ_RegUInt32>(Folder, Key, Value);
}
void ZQ_SetDouble(ZQ_RegistryFolder& Folder, const ZQ_String& Key, const double& Value) {
  ZQ_SetRegistryItemValue<ZQ_RegDouble>(Folder, Key, Value);
}
void ZQ_SetBool(ZQ_RegistryFolder& Folder, const ZQ_String& Key, const bool& Value) {
  ZQ_SetRegistryItemValue<ZQ_RegBool>(Folder, Key, Value);
}
void ZQ_SetString(ZQ_RegistryFolder& Folder, const ZQ_String& Key, const ZQ_String& Value) {
  ZQ_SetRegistryItemValue<ZQ_RegString>(Folder, Key, Value);
}

long ZQ_GetInt32(const ZQ_RegistryFolder& Folder, const ZQ_String& Key, const long& Default) {
  const ZQ_RegistryItem* item = Folder.GetItemIfExists(Key);
  if (auto* typed = dynamic_cast<const ZQ_RegInt32*>(item)) return typed->GetValue();
  if (auto* legacy = dynamic_cast<const ZQ_RegInt16*>(item)) return legacy->GetValue();
  return Default;
}

unsigned long ZQ_GetUInt32(const ZQ_RegistryFolder& Folder, const ZQ_String& Key,
                           const unsigned long& Default) {
  const ZQ_RegistryItem* item = Folder.GetItemIfExists(Key);
  if (auto* typed = dynamic_cast<const ZQ_RegUInt32*>(item)) return typed->GetValue();
  if (auto* legacy = dynamic_cast<const ZQ_RegUInt16*>(item)) return legacy->GetValue();
  return Default;
}

double ZQ_GetDouble(const ZQ_RegistryFolder& Folder, const ZQ_String& Key, const double& Default) {
  const ZQ_RegistryItem* item = Folder.GetItemIfExists(Key);
  if (auto* typed = dynamic_cast<const ZQ_RegDouble*>(item)) return typed->GetValue();
  if (auto* legacy = dynamic_cast<const ZQ_RegFloat*>(item)) return legacy->GetValue();
  return Default;
}

bool ZQ_GetBool(const ZQ_RegistryFolder& Folder, const ZQ_String& Key, const bool& Default) {
  const auto* typed = ZQ_GetRegistryItemOfClass<ZQ_RegBool>(Folder, Key);
  return typed ? typed->GetValue() : Default;
}

ZQ_String ZQ_GetString(const ZQ_RegistryFolder& Folder, const ZQ_String& Key,
                       const ZQ_String& Default) {
  const auto* typed = ZQ_GetRegistryItemOfClass<ZQ_RegString>(Folder, Key);
  return typed ? typed->GetValue() : Default;
}
